#pragma once

#include "engine/Query.h"
#include "widgets/DataSource.h"

#include <QStringList>

class Connection;

// The lake value that means every lake.
constexpr int AllLakes = 999;

// The field counted and grouped for each of the thirteen analysed quantities (kStatQuantities),
// in the order of the statistics window's list.
extern QStringList StatGroupFields;

// The statistics module: it assembles the one SQL text that counts catches per value of an
// analysed quantity, for one lake or all, runs it, and names the columns a chart reads. The
// only place in the program where SQL is assembled in code.
class TDM_Statistiche : public ComponentOwner {
public:
    // Shown when the logbook lacks a table or field the assembled text needs.
    static const QString kStatQueryFailed;

    explicit TDM_Statistiche(Connection* connection);

    void DataModuleCreate();
    // Assembles StatSql for a lake key (or AllLakes) and a quantity 0 to 12.
    void BuildStatQuery(int lake, int quantity);
    // Runs StatSql. A failure leaves the query closed and is shown in the general error box.
    void RunStatQuery();

    QString StatSql;
    QString StatXField;
    QString StatYField;
    // The field whose text labels each group, per quantity.
    QStringList StatLabelFields;

    Connection* const conn;
    Query ADOQ_Statistiche{QStringLiteral("ADOQ_Statistiche"), this, conn};
    DataSource DS_Statistiche{QStringLiteral("DS_Statistiche"), this, &ADOQ_Statistiche};
    Query ADOQ_Carpisti{QStringLiteral("ADOQ_Carpisti"), this, conn};
    DataSource Ds_carpisti{QStringLiteral("Ds_carpisti"), this, &ADOQ_Carpisti};
};

extern TDM_Statistiche* DM_Statistiche;
