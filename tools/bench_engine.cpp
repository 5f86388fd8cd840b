// Engine benchmark: the dataset layer against raw sqlite3_step loops doing the same work in
// the same run, on a lifetime-sized logbook (10,000 sessions, 500,000 catches, 30,000
// groundbait days). The raw side prepares once, steps and copies every column into a row
// vector, as the dataset has to; the figure to watch is the ratio.
//
// The one place outside engine/ that calls SQLite directly: it is the baseline.
#include "data/PrivateProfile.h"
#include "data/ShippedFiles.h"
#include "data/U_QFile.h"
#include "engine/Connection.h"
#include "engine/Query.h"

#include <sqlite3.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <variant>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Value = std::variant<std::monostate, long long, double, std::string>;

void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
}

void fill(const QString& path) {
    sqlite3* db = nullptr;
    check(sqlite3_open(path.toUtf8().constData(), &db), db);
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    std::mt19937 rng(42);
    auto pick = [&](int n) { return int(rng() % unsigned(n)) + 1; };
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
        sqlite3_bind_double(s, 5, pick(300) * 0.1);
        sqlite3_bind_int(s, 6, pick(40));
        sqlite3_bind_int(s, 7, pick(10));
        sqlite3_bind_int(s, 8, pick(8));
        sqlite3_bind_int(s, 9, pick(10));
        sqlite3_bind_double(s, 10, pick(12));
        sqlite3_bind_int(s, 11, pick(9));
        sqlite3_bind_int(s, 12, pick(9));
        sqlite3_bind_text(s, 13, "Debole", -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 14, "/home/angler/foto/carpa.jpg", -1, SQLITE_STATIC);
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

// Raw baseline: a cached statement, rebound and stepped, every column copied into a row.
struct RawQuery {
    sqlite3_stmt* stmt = nullptr;
    std::vector<std::vector<Value>> rows;
    RawQuery(sqlite3* db, const QString& sql) {
        sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr);
    }
    ~RawQuery() { sqlite3_finalize(stmt); }
    size_t run(const std::vector<long long>& params) {
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
};

double medianMs(int runs, const std::function<void()>& work) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        work();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void report(const char* name, double engine, double raw) {
    std::printf("%-52s %10.2f %10.2f %7.2fx\n", name, engine, raw, engine / raw);
}

} // namespace

int main() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DATA2.MDB"));
    ShippedFiles::createDatabase(path);
    std::printf(
        "Building the logbook (10,000 sessions, 500,000 catches, 30,000 groundbait days)...\n");
    fill(path);

    const QByteArray ini = ShippedFiles::queryIni().toUtf8();
    auto text = [&](const char* key) {
        return PrivateProfile::readString(ini, QStringLiteral("DM_Sessioni"),
                                          QString::fromLatin1(key), QStringLiteral("0"));
    };

    Connection connection;
    connection.openFile(path);
    sqlite3* raw = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);

    std::printf("\n%-52s %10s %10s %8s\n", "workload (median of runs)", "engine ms", "raw ms",
                "ratio");

    {
        Query sessions(QStringLiteral("ADOQ_Sessioni"), nullptr, &connection);
        sessions.setSql(text("ADOQ_Sessioni"));
        RawQuery rawSessions(raw, text("ADOQ_Sessioni"));
        const double e = medianMs(21, [&] { ReopenQuery({}, sessions); });
        const double r = medianMs(21, [&] { rawSessions.run({}); });
        if (size_t(sessions.recordCount()) != rawSessions.rows.size())
            return 1;
        report("open ADOQ_Sessioni (10,000 rows)", e, r);
    }
    {
        const char* keys[] = {"ADOQ_SESSCarpisti", "ADOQ_ELCarpisti", "ADOQ_SESSPastura",
                              "ADOQ_MAXGGPastura", "ADOQ_SESSPrede"};
        std::vector<std::unique_ptr<Query>> queries;
        std::vector<std::unique_ptr<RawQuery>> raws;
        for (const char* k : keys) {
            queries.push_back(
                std::make_unique<Query>(QString::fromLatin1(k), nullptr, &connection));
            queries.back()->setSql(text(k));
            raws.push_back(std::make_unique<RawQuery>(raw, text(k)));
        }
        const double e = medianMs(5, [&] {
            for (int i = 0; i < 1000; ++i)
                for (auto& q : queries)
                    ReopenQuery({5000}, *q);
        });
        const double r = medianMs(5, [&] {
            for (int i = 0; i < 1000; ++i)
                for (auto& q : raws)
                    q->run({5000});
        });
        report("reopen 5 detail queries of one session x1000", e, r);
    }
    {
        const QString stat = QStringLiteral(
            "SELECT COUNT(Nm_Esca) AS RESULT,Nm_Esca,Ds_Esca FROM TEsca INNER JOIN (TUscita "
            "INNER JOIN TPreda ON TUscita.Id_uscita = TPreda.Nm_uscita) ON TEsca.Id_esca = "
            "TPreda.Nm_esca WHERE 1=1 GROUP BY Nm_Esca,Ds_Esca");
        Query q(QStringLiteral("ADOQ_Statistiche"), nullptr, &connection);
        q.setSql(stat);
        RawQuery r(raw, stat);
        const double e = medianMs(7, [&] { ReopenQuery({}, q); });
        const double rr = medianMs(7, [&] { r.run({}); });
        report("statistics by bait, all lakes (500,000 catches)", e, rr);
    }
    sqlite3_close(raw);
    return 0;
}
