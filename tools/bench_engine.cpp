// Engine benchmark: the dataset layer against raw sqlite3_step loops doing the same work in
// the same run, on a lifetime-sized logbook (10,000 sessions, 500,000 catches, 30,000
// groundbait days). The raw side prepares once, steps and copies every column into a row
// vector, as the dataset has to; the figure to watch is the ratio.
//
// With the window benchmark, the one place outside engine/ that calls SQLite directly: it is
// the baseline.
#include "data/LogbookKind.h"
#include "data/PrivateProfile.h"
#include "data/ShippedFiles.h"
#include "data/U_QFile.h"
#include "engine/Connection.h"
#include "engine/Query.h"
#include "tools/BenchSupport.h"

#include <sqlite3.h>

#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

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
    FillLifetimeLogbook(path);

    const QByteArray ini = ShippedFiles::queryIni().toUtf8();
    auto text = [&](const char* key) {
        return PrivateProfile::readString(ini, QStringLiteral("DM_Sessioni"),
                                          QString::fromLatin1(key), QStringLiteral("0"));
    };

    Connection connection(LogbookKind());
    connection.openFile(path);
    sqlite3* raw = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);

    std::printf("\n%-52s %10s %10s %8s\n", "workload (median of runs)", "engine ms", "raw ms",
                "ratio");

    {
        Query sessions(QStringLiteral("ADOQ_Sessioni"), nullptr, &connection);
        sessions.setSql(text("ADOQ_Sessioni"));
        RawQuery rawSessions(raw, text("ADOQ_Sessioni"));
        const double e = MedianMs(21, [&] { ReopenQuery({}, sessions); });
        const double r = MedianMs(21, [&] { rawSessions.run({}); });
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
        const double e = MedianMs(5, [&] {
            for (int i = 0; i < 1000; ++i)
                for (auto& q : queries)
                    ReopenQuery({5000}, *q);
        });
        const double r = MedianMs(5, [&] {
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
        const double e = MedianMs(7, [&] { ReopenQuery({}, q); });
        const double rr = MedianMs(7, [&] { r.run({}); });
        report("statistics by bait, all lakes (500,000 catches)", e, rr);
    }
    sqlite3_close(raw);
    return 0;
}
