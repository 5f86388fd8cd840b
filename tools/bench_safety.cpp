// Benchmark of the waits around the logbook files, on the lifetime logbook:
//  - the spreadsheet export beside `sqlite3 -csv` writing the same three queries, with the
//    peak memory of each;
//  - start-up to the main window on the day's first run (its copy made once the window
//    shows, on a thread of its own) and on a later run, beside what the first run used to
//    wait for: the same copy made on the user interface thread.
#include "app/Startup.h"
#include "app/U_FRM_FrmPrincipale.h"
#include "app/U_FRM_FrmStart.h"
#include "data/DailyBackup.h"
#include "data/LogbookKind.h"
#include "data/MessageSeam.h"
#include "data/ShippedFiles.h"
#include "data/UDM_Esporta.h"
#include "data/U_QFile.h"
#include "engine/Connection.h"
#include "tools/BenchProgram.h"
#include "tools/BenchSupport.h"
#include "widgets/UiFonts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

long childrenPeakKb() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

// This process's peak resident memory since the last reset (Linux keeps it in VmHWM).
long peakKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return 0;
}

long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return 0;
}

void resetPeak() {
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// From the program's creation to its main window on screen, the splash's wait skipped.
double startToMainWindowMs() {
    QElapsedTimer clock;
    clock.start();
    Program program;
    StartToMainWindow(program);
    const double ms = clock.nsecsElapsed() / 1e6;
    // Let a copy started by this run finish before the next run, as an angler's day would.
    const QString todays =
        ProgramDir() + QStringLiteral("backup/") + DailyBackup::fileName(QDate::currentDate());
    for (int i = 0; i < 6000 && !QFile::exists(todays); ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    UiFonts::installSubstitutions();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DATA2.MDB"));
    ShippedFiles::createDatabase(path);
    std::printf("Building the logbook (10,000 sessions, 500,000 catches, 30,000 groundbait "
                "days)...\n");
    FillLifetimeLogbook(path);
    UseAsProgramFolder(dir.path());
    CountingMessages messages;
    installMessageSeam(&messages);

    // The export, then the same three queries through the engine's own shell.
    const QString ours = dir.filePath(QStringLiteral("csv"));
    const QString theirs = dir.filePath(QStringLiteral("csv-sqlite3"));
    QDir().mkpath(ours);
    QDir().mkpath(theirs);
    resetPeak();
    const long before = residentKb();
    const double exportMs = MedianMs(3, [&] {
        Connection connection(LogbookKind());
        connection.openFile(path);
        TDM_Esporta exporter(&connection);
        exporter.ExportTo(ours, [](int, int) { return true; });
    });
    const long exportPeak = peakKb() - before; // above what the process held already
    QByteArray script;
    for (int i = 0; i < 3; ++i)
        script += ".once " + QDir(theirs).filePath(TDM_Esporta::kFiles[i]).toUtf8() + "\n" +
                  ReadQueryText(QStringLiteral("DM_Esporta"), TDM_Esporta::kQueries[i]).toUtf8() +
                  ";\n";
    bool cli = true;
    const double cliMs = MedianMs(3, [&] {
        QProcess sqlite;
        sqlite.start(QStringLiteral("sqlite3"), {QStringLiteral("-csv"), path});
        if (!sqlite.waitForStarted()) {
            cli = false;
            return;
        }
        sqlite.write(script);
        sqlite.closeWriteChannel();
        sqlite.waitForFinished(-1);
    });
    std::printf("\n%-52s %10s %10s\n", "CSV export, three files (median of 3)", "ms", "peak MB");
    std::printf("%-52s %10.0f %10.1f\n", "export (written row by row)", exportMs,
                exportPeak / 1024.0);
    if (cli) {
        std::printf("%-52s %10.0f %10.1f\n", "sqlite3 -csv, the same three queries", cliMs,
                    childrenPeakKb() / 1024.0);
        std::printf("%-52s %9.2fx\n", "ratio", exportMs / cliMs);
    } else {
        std::printf("sqlite3 not found: scripts/install-deps.sh installs it\n");
    }

    // Start-up.
    const QString backups = dir.filePath(QStringLiteral("backup"));
    auto firstRun = [&] {
        QDir(backups).removeRecursively();
        return startToMainWindowMs();
    };
    firstRun(); // warms the file cache
    double first[5], later[5];
    for (int i = 0; i < 5; ++i) {
        first[i] = firstRun();
        later[i] = startToMainWindowMs();
    }
    std::sort(std::begin(first), std::end(first));
    std::sort(std::begin(later), std::end(later));
    const double copyOnUiThread = MedianMs(3, [&] {
        QDir(backups).removeRecursively();
        Connection connection(LogbookKind());
        connection.openFile(path);
        DailyBackup::make(connection, QDate::currentDate());
    });
    std::printf("\n%-52s %10s\n", "start-up to the main window (median of 5)", "ms");
    std::printf("%-52s %10.0f\n", "day's first run (copy after, on its own thread)", first[2]);
    std::printf("%-52s %10.0f\n", "later run (copy already made)", later[2]);
    std::printf("%-52s %10.0f\n", "the day's copy on the user interface thread (was added)",
                copyOnUiThread);
    std::printf("\nboxes shown: %d\n", messages.shown);
    installMessageSeam(nullptr);
    return 0;
}
