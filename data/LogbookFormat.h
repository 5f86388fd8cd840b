#pragma once

#include <QString>
#include <vector>

class Connection;

// The logbook's format version, kept in the file itself (the engine's user version). The
// seventeen tables of the first program are version 1; every later version is one script in
// data/migrations that only adds (tables, columns with defaults, indexes, triggers), so a
// file of any version still answers every query of version 1.
namespace LogbookFormat {

constexpr int First = 1;

struct Migration {
    int version = 0; // the version the script brings the file to
    QString name;    // the script's file name
    QString sql;
};

// The scripts built into the program (data/migrations/NNNN-what.sql), in version order.
const std::vector<Migration>& shipped();
// The newest version this program knows: First plus one per shipped script.
int newest();

// The version of the open logbook; a file that never recorded one is version 1.
int versionOf(const Connection& connection);
// Whether the connection is open on a writable logbook of `version` or later.
bool has(const Connection& connection, int version);

} // namespace LogbookFormat
