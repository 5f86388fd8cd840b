#pragma once

#include <QString>
#include <functional>
#include <string>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// The lifetime logbook the benchmarks run on: 10,000 sessions, 500,000 catches (fifty a
// session, each with the given photo path, weighed to 0.01 kg with one in fifty unweighed),
// 30,000 groundbait days and an angler per session,
// written into a database file made from the shipped schema. Benchmarks only: it writes
// with SQLite directly, as the baseline side does.
void FillLifetimeLogbook(const QString& path,
                         const QString& photo = QStringLiteral("/home/angler/foto/carpa.jpg"));

// The raw baseline: a cached statement, rebound and stepped, every column copied into a row,
// as the dataset has to.
struct RawQuery {
    using Value = std::variant<std::monostate, long long, double, std::string>;
    sqlite3_stmt* stmt = nullptr;
    std::vector<std::vector<Value>> rows;
    RawQuery(sqlite3* db, const QString& sql);
    ~RawQuery();
    RawQuery(const RawQuery&) = delete;
    RawQuery& operator=(const RawQuery&) = delete;
    size_t run(const std::vector<long long>& params);
};

// The median time of `runs` runs of the work, in milliseconds.
double MedianMs(int runs, const std::function<void()>& work);
