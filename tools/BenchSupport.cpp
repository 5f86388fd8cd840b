#include "tools/BenchSupport.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

static void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
}

void FillLifetimeLogbook(const QString& path, const QString& photo) {
    sqlite3* db = nullptr;
    check(sqlite3_open(path.toUtf8().constData(), &db), db);
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    const std::string photoPath = photo.toStdString();
    std::mt19937 rng(42);
    auto pick = [&](int n) { return int(rng() % unsigned(n)) + 1; };
    std::normal_distribution<double> weight(10.0, 4.0);
    check(sqlite3_exec(db,
                       "INSERT INTO TLago (Ds_desc) VALUES ('Bolsena'),('Trasimeno'),"
                       "('Garda'),('Bracciano'),('Lago Maggiore')",
                       nullptr, nullptr, nullptr),
          db);
    for (int i = 0; i < 40; ++i)
        check(sqlite3_exec(db, "INSERT INTO TPescatore (Ds_Pescatore) VALUES ('Angler')", nullptr,
                           nullptr, nullptr),
              db);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO TUscita (DataDa, DataA, Nm_TipoUscita, Nm_lago, Nm_temp, "
                       "Nm_TempAcqua, Nm_ProfRilev, Nm_luna, Nm_Stagione, Note) VALUES "
                       "(?,?,?,?,?,?,?,?,?,?)",
                       -1, &s, nullptr);
    for (int i = 0; i < 10000; ++i) {
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", 1990 + i / 300, pick(12), pick(28));
        sqlite3_bind_text(s, 1, date, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 2, date, -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(s, 3, pick(6));
        sqlite3_bind_int(s, 4, pick(5));
        sqlite3_bind_double(s, 5, 5 + pick(25) * 0.5);
        sqlite3_bind_double(s, 6, 4 + pick(20) * 0.5);
        sqlite3_bind_double(s, 7, pick(8));
        sqlite3_bind_int(s, 8, pick(8));
        sqlite3_bind_int(s, 9, pick(4));
        sqlite3_bind_text(s, 10, "Vento leggero da sud, acqua velata", -1, SQLITE_STATIC);
        check(sqlite3_step(s), db);
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    sqlite3_prepare_v2(
        db,
        "INSERT INTO TPreda (Nm_uscita, Data, Nm_Ora, Ds_tipo, Peso, Nm_Pescatore, "
        "Nm_Esca, Nm_innesco, Nm_montatura, Profondita, Nm_CondMeteo, "
        "Nm_Vento_direz, Ds_Vento_intens, Foto) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
        -1, &s, nullptr);
    for (int i = 0; i < 500000; ++i) {
        sqlite3_bind_int(s, 1, 1 + i % 10000);
        sqlite3_bind_text(s, 2, "2005-06-11", -1, SQLITE_STATIC);
        sqlite3_bind_int(s, 3, pick(8));
        sqlite3_bind_text(s, 4, "Regina", -1, SQLITE_STATIC);
        // Weighed to 0.01 kg, spread as carp are (most between 5 and 15 kg), a few unweighed.
        if (pick(50) == 1)
            sqlite3_bind_null(s, 5);
        else
            sqlite3_bind_double(s, 5, std::round(std::clamp(weight(rng), 1.0, 30.0) * 100) / 100);
        sqlite3_bind_int(s, 6, pick(40));
        sqlite3_bind_int(s, 7, pick(10));
        sqlite3_bind_int(s, 8, pick(8));
        sqlite3_bind_int(s, 9, pick(10));
        sqlite3_bind_double(s, 10, pick(12));
        sqlite3_bind_int(s, 11, pick(9));
        sqlite3_bind_int(s, 12, pick(9));
        sqlite3_bind_text(s, 13, "Debole", -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 14, photoPath.c_str(), -1, SQLITE_STATIC);
        check(sqlite3_step(s), db);
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    sqlite3_prepare_v2(db,
                       "INSERT INTO TPastura (Nm_uscita, giorno, Nm_pastura1, q_pastura1, "
                       "Nm_pastura2, q_pastura2) VALUES (?,?,?,?,?,?)",
                       -1, &s, nullptr);
    for (int i = 0; i < 30000; ++i) {
        sqlite3_bind_int(s, 1, 1 + i / 3);
        sqlite3_bind_int(s, 2, 1 + i % 3);
        sqlite3_bind_int(s, 3, pick(9));
        sqlite3_bind_double(s, 4, pick(10) * 0.5);
        sqlite3_bind_int(s, 5, pick(9));
        sqlite3_bind_double(s, 6, pick(10) * 0.5);
        check(sqlite3_step(s), db);
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    for (int i = 1; i <= 10000; ++i) {
        const std::string sql = "INSERT INTO TUscitaPescatore VALUES (" + std::to_string(i) + "," +
                                std::to_string(1 + i % 40) + ")";
        check(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), db);
    }
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    sqlite3_close(db);
}

RawQuery::RawQuery(sqlite3* db, const QString& sql) {
    sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr);
}

RawQuery::~RawQuery() {
    sqlite3_finalize(stmt);
}

size_t RawQuery::run(const std::vector<long long>& params) {
    sqlite3_reset(stmt);
    for (size_t i = 0; i < params.size(); ++i)
        sqlite3_bind_int64(stmt, int(i) + 1, params[i]);
    rows.clear();
    const int n = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        std::vector<Value> row;
        row.reserve(size_t(n));
        for (int c = 0; c < n; ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER:
                row.emplace_back(sqlite3_column_int64(stmt, c));
                break;
            case SQLITE_FLOAT:
                row.emplace_back(sqlite3_column_double(stmt, c));
                break;
            case SQLITE_TEXT:
                row.emplace_back(
                    std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)),
                                size_t(sqlite3_column_bytes(stmt, c))));
                break;
            default:
                row.emplace_back();
            }
        }
        rows.push_back(std::move(row));
    }
    sqlite3_reset(stmt);
    return rows.size();
}

double MedianMs(int runs, const std::function<void()>& work) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        work();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}
