#pragma once

#include "engine/Query.h"
#include "sunmoon/SunMoonLines.h"

class Connection;

// What "Sole e luna" reads of a session: its dates, its lake and the lake's position, and its
// catches' dates and hour bands. The SQL lives in qry.ini under [DM_SoleLuna].
class TDM_SoleLuna : public ComponentOwner {
public:
    explicit TDM_SoleLuna(Connection* connection);

    // The stored session; nothing when there is no such session.
    std::optional<SunMoonLines::Session> Session(int sessionId);
    QList<SunMoonLines::Catch> Catches(int sessionId);

    Connection* const conn;
    Query ADOQ_Sessione{QStringLiteral("ADOQ_Sessione"), this, conn};
    Query ADOQ_Prede{QStringLiteral("ADOQ_Prede"), this, conn};

private:
    void openFor(Query& q, int sessionId);
};
