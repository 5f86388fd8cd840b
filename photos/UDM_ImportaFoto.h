#pragma once

#include "engine/Command.h"
#include "engine/Query.h"
#include "photos/PhotoMatch.h"

#include <QList>
#include <QSet>
#include <QString>
#include <optional>

class Connection;

// What importing a folder of photos reads and writes for one session: its days, its catches
// (in the order the catch panel shows them) and the photo paths it already holds; then every
// accepted photo stored in one transaction, as a catch's photo or as a new reportage entry,
// or nothing at all. Only paths are stored. The SQL lives in qry.ini under [DM_ImportaFoto].
class TDM_ImportaFoto : public ComponentOwner {
public:
    struct CatchRow {
        PhotoMatch::Catch match;
        QString kind;   // Ds_tipo
        QString weight; // as shown, "" without one
    };
    struct Assignment {
        QString path;
        PhotoMatch::Use use; // Catch or Reportage
    };
    struct Stored {
        int catches = 0;
        int reportage = 0;
    };

    explicit TDM_ImportaFoto(Connection* connection);

    // Nothing when the session is not stored.
    std::optional<PhotoMatch::Session> Session(int sessionId);
    QList<CatchRow> Catches(int sessionId);
    // The paths the session's catches and reportage entries hold.
    QSet<QString> StoredPaths(int sessionId);
    // Stores every assignment in one transaction; on any failure nothing is stored and the
    // EngineError reaches the caller. A reportage entry's comment is the photo's file name.
    Stored Store(int sessionId, const QList<Assignment>& assignments);

    Connection* const conn;
    Query ADOQ_Sessione{QStringLiteral("ADOQ_Sessione"), this, conn};
    Query ADOQ_Prede{QStringLiteral("ADOQ_Prede"), this, conn};
    Query ADOQ_FotoReportage{QStringLiteral("ADOQ_FotoReportage"), this, conn};
    Command ADOC_FotoPreda{QStringLiteral("ADOC_FotoPreda"), this, conn};
    Command ADOC_NuovoReportage{QStringLiteral("ADOC_NuovoReportage"), this, conn};
    Command ADOC_Inizio{QStringLiteral("ADOC_Inizio"), this, conn};
    Command ADOC_Conferma{QStringLiteral("ADOC_Conferma"), this, conn};
    Command ADOC_Annulla{QStringLiteral("ADOC_Annulla"), this, conn};

private:
    QString text(const Component& c) const;
    void openFor(Query& q, int sessionId);
};
