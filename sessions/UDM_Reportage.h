#pragma once

#include "engine/Query.h"
#include "widgets/DataSource.h"

class Connection;

// The photo reportage of one session: its query is loaded afresh for every refresh.
class TDM_Reportage : public ComponentOwner {
public:
    explicit TDM_Reportage(Connection* connection);

    // Reads the query's text again and opens it for the current session; an opening error
    // leaves it closed.
    void RefreshReportage();
    int ReportageCount() const;
    // A record operation (New, Save, Cancel, Delete) on the entries.
    int ReportageOperation(int code);

    Connection* const conn;
    Query ADOQ_Reportage{QStringLiteral("ADOQ_Reportage"), this, conn};
    DataSource DS_QReportage{QStringLiteral("DS_QReportage"), this, &ADOQ_Reportage};
};

extern TDM_Reportage* DM_Reportage;
