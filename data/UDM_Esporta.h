#pragma once

#include "engine/Component.h"

#include <QString>
#include <array>
#include <functional>

class Connection;

// The spreadsheet export: every session, catch and groundbait day with the descriptions of
// their lists, written as three CSV files that a spreadsheet in Italian opens as they are
// (";" between fields, quoted as RFC 4180 says, UTF-8 with a byte-order mark, dates
// gg/mm/aaaa, decimal comma). The SQL lives in qry.ini like every other query. Rows are
// written as the engine reads them, so a lifetime logbook costs no more memory than one
// session; a text a spreadsheet would take for a formula is written as plain text.
class TDM_Esporta : public ComponentOwner {
public:
    static const QStringList kFiles; // uscite.csv, prede.csv, pasturazioni.csv
    // The keys of the three queries in qry.ini, in the order of the files.
    static const QStringList kQueries;
    // Optional keys of a cheap count of each query's rows, for the progress; without one the
    // query itself is counted, which costs nearly as much as running it.
    static const QStringList kCountQueries;

    explicit TDM_Esporta(Connection* connection);

    // Called with the rows written so far and the rows in all; false stops the export.
    using Progress = std::function<bool(int done, int total)>;
    // What an export did: the rows (column heads not counted) written into each file, in the
    // order of kFiles; nothing when it was stopped.
    struct Result {
        bool complete = false;
        std::array<qint64, 3> rows{};
    };
    // Writes the three files into the folder. They replace the files there only once all
    // three are complete: a stopped export leaves the folder as it was. Throws EngineError
    // naming what failed.
    Result ExportTo(const QString& folder, const Progress& progress = {});
    // What the user is told after a complete export: the rows of each file and the folder.
    static QString summary(const QString& folder, const Result& result);

    // One field as CSV: quoted when it holds a separator, a quote or a line break.
    static QString csvField(const QString& text);
    // A stored text as a spreadsheet must read it: one that starts as a formula would
    // (=, +, -, @, a tab, a carriage return) gets the apostrophe spreadsheets take for
    // "plain text". Numbers are never passed here, so -2,5 stays a number.
    static QString plainText(const QString& text);

    Connection* const conn;
};
