// Statistics benchmark, on the lifetime logbook (500,000 catches, weights in 0.01 kg steps):
// the statistics window's "OK" (assemble, run, bind, draw, paint) for every one of the
// thirteen quantities in each of the three chart types, all lakes, beside raw SQLite running
// the same text; then the resident memory after one chart and after fifty; then the raw text
// of every quantity, all lakes and one lake, on a version-1 logbook (before the statistics
// indexes) beside the newest one.
#include "app/Startup.h"
#include "app/U_FRM_FrmStart.h"
#include "charts/DBChart.h"
#include "data/LogbookFormat.h"
#include "data/MessageSeam.h"
#include "data/ShippedFiles.h"
#include "data/U_QFile.h"
#include "stats/StatQuantities.h"
#include "stats/UDM_Statistiche.h"
#include "stats/U_FRM_FrmStat.h"
#include "tools/BenchProgram.h"
#include "tools/BenchSupport.h"
#include "widgets/UiFonts.h"

#include <sqlite3.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace {

double residentMb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    UiFonts::installSubstitutions();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DATA2.MDB"));
    ShippedFiles::createDatabase(path);
    std::printf("Building the logbook (10,000 sessions, 500,000 catches)...\n");
    FillLifetimeLogbook(path);
    UseAsProgramFolder(dir.path());

    CountingMessages messages;
    installMessageSeam(&messages);
    {
        Program program;
        StartToMainWindow(program);

        TFrmStat& stat = *FrmStat;
        stat.show();
        stat.CheckBox1->setChecked(true);
        stat.CheckBox1Click();
        auto draw = [&](int type, int quantity) {
            stat.ComboBoxEx1->setCurrentIndex(type);
            stat.ComboBox1->setCurrentIndex(quantity);
            stat.BitBtn1Click();
            stat.DBChart1->repaint();
        };
        draw(1, 6);
        const double afterOne = residentMb();

        sqlite3* raw = nullptr;
        sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
        std::printf("\nstatistics \"OK\", all lakes, median of %d (window ms beside raw ms)\n",
                    runs);
        std::printf("%-18s %6s %8s %8s %6s %8s %6s %8s %6s\n", "quantity", "groups", "raw", "pie",
                    "ratio", "bars", "ratio", "line", "ratio");
        double worst = 0;
        for (int quantity = 0; quantity < int(kStatQuantities.size()); ++quantity) {
            DM_Statistiche->BuildStatQuery(AllLakes, quantity);
            RawQuery rawStat(raw, DM_Statistiche->StatSql);
            size_t groups = 0;
            const double rawRun = MedianMs(runs, [&] { groups = rawStat.run({}); });
            std::printf("%-18s %6zu %8.1f", kStatQuantities[size_t(quantity)].name, groups, rawRun);
            for (int type : {0, 1, 2}) {
                const double window = MedianMs(runs, [&] { draw(type, quantity); });
                worst = std::max(worst, window / rawRun);
                std::printf(" %8.1f %5.2fx", window, window / rawRun);
            }
            std::printf("\n");
        }
        std::printf("worst ratio: %.2fx\n", worst);

        const QString first = dir.filePath(QStringLiteral("version1.MDB"));
        ShippedFiles::createDatabase(first, LogbookFormat::First);
        FillLifetimeLogbook(first);
        sqlite3* old = nullptr;
        sqlite3_open_v2(first.toUtf8().constData(), &old, SQLITE_OPEN_READWRITE, nullptr);
        std::printf("\nraw statistics text, median of %d: version 1 (no statistics indexes) "
                    "beside version %d\n",
                    runs, LogbookFormat::newest());
        std::printf("%-18s %9s %9s %6s %9s %9s %6s\n", "quantity", "all v1", "all now", "ratio",
                    "lake v1", "lake now", "ratio");
        for (int quantity = 0; quantity < int(kStatQuantities.size()); ++quantity) {
            std::printf("%-18s", kStatQuantities[size_t(quantity)].name);
            for (int lake : {AllLakes, 1}) {
                DM_Statistiche->BuildStatQuery(lake, quantity);
                RawQuery before(old, DM_Statistiche->StatSql);
                RawQuery now(raw, DM_Statistiche->StatSql);
                size_t rowsBefore = 0, rowsNow = 0;
                const double beforeMs = MedianMs(runs, [&] { rowsBefore = before.run({}); });
                const double nowMs = MedianMs(runs, [&] { rowsNow = now.run({}); });
                std::printf(" %9.1f %9.1f %5.2fx%s", beforeMs, nowMs, nowMs / beforeMs,
                            rowsBefore == rowsNow ? "" : " (rows differ!)");
            }
            std::printf("\n");
        }
        sqlite3_close(old);
        sqlite3_close(raw);

        for (int i = 0; i < 50; ++i)
            draw(i % 3, 6);
        std::printf("\nresident memory: after one chart of \"Peso\" %.1f MB, after fifty more "
                    "%.1f MB (%+.1f MB)\n",
                    afterOne, residentMb(), residentMb() - afterOne);
        std::printf("boxes shown: %d\n", messages.shown);
    }
    installMessageSeam(nullptr);
    return 0;
}
