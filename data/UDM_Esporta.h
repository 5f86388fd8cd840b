#pragma once

#include "engine/Query.h"

#include <QString>
#include <functional>

class Connection;

// The spreadsheet export: every session, catch and groundbait day with the descriptions of
// their lists, written as three CSV files that a spreadsheet in Italian opens as they are
// (";" between fields, quoted as RFC 4180 says, UTF-8 with a byte-order mark, dates
// gg/mm/aaaa, decimal comma). The SQL lives in qry.ini like every other query.
class TDM_Esporta : public ComponentOwner {
public:
    static const QStringList kFiles; // uscite.csv, prede.csv, pasturazioni.csv

    explicit TDM_Esporta(Connection* connection);

    // Called with the rows written so far and the rows in all; false stops the export.
    using Progress = std::function<bool(int done, int total)>;
    // Writes the three files into the folder, each replaced whole or not at all. Throws
    // EngineError naming what failed.
    void ExportTo(const QString& folder, const Progress& progress = {});

    // One field as CSV: quoted when it holds a separator, a quote or a line break.
    static QString csvField(const QString& text);

    Connection* const conn;
    Query ADOQ_EsportaUscite{QStringLiteral("ADOQ_EsportaUscite"), this, conn};
    Query ADOQ_EsportaPrede{QStringLiteral("ADOQ_EsportaPrede"), this, conn};
    Query ADOQ_EsportaPasturazioni{QStringLiteral("ADOQ_EsportaPasturazioni"), this, conn};
};
