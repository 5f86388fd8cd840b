// Benchmark of the start-up upgrade of an older logbook, on the lifetime logbook of version 1:
// the whole upgrade (its kept copy, every pending script, the checks) beside a plain copy of
// the same file, which is the least any upgrade that keeps a copy must cost. It also says
// whether the start-up would show its progress dialog (the upgrade runs past half a second).
#include "data/LogbookFormat.h"
#include "data/LogbookKind.h"
#include "data/LogbookUpgrade.h"
#include "data/ShippedFiles.h"
#include "engine/Connection.h"
#include "tools/BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int Runs = 3;

// A fresh version-1 logbook for each run, copied from the one filled once.
QString freshCopy(const QString& source, const QString& folder, int run) {
    const QString path = QDir(folder).filePath(QStringLiteral("run%1/DATA2.MDB").arg(run));
    QDir().mkpath(QFileInfo(path).path());
    QFile::copy(source, path);
    return path;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("version1.MDB"));
    std::printf("Filling the lifetime logbook (10,000 sessions, 500,000 catches)...\n");
    ShippedFiles::createDatabase(source, LogbookFormat::First);
    FillLifetimeLogbook(source);
    const double megabytes = double(QFileInfo(source).size()) / (1024.0 * 1024.0);

    int run = 0;
    const double copyMs = MedianMs(Runs, [&] {
        const QString target = folder.filePath(QStringLiteral("plain-copy-%1.MDB").arg(run++));
        QFile::copy(source, target);
        QFile::remove(target);
    });

    int upgraded = 0;
    int progressCalls = 0;
    run = 0;
    const double upgradeMs = MedianMs(Runs, [&] {
        const QString path = freshCopy(source, folder.path(), run++);
        Connection logbook(LogbookKind());
        logbook.openFile(path);
        const LogbookUpgrade::Result result =
            LogbookUpgrade::run(logbook, LogbookFormat::shipped(), [&] { ++progressCalls; });
        if (result.outcome == LogbookUpgrade::Outcome::Upgraded)
            ++upgraded;
    });

    std::printf("Upgrade of a lifetime logbook (%.0f MB) from version 1 to %d, median of %d:\n",
                megabytes, LogbookFormat::newest(), Runs);
    std::printf("  plain file copy (baseline)      %9.1f ms\n", copyMs);
    std::printf("  upgrade with its kept copy      %9.1f ms  (%.2fx the copy)\n", upgradeMs,
                upgradeMs / copyMs);
    std::printf("  upgraded %d of %d runs; progress reported %d times; the start-up shows its "
                "dialog: %s\n",
                upgraded, Runs, progressCalls, upgradeMs > 500.0 ? "yes" : "no");
    if (argc > 1) // keeps the version-1 file for a closer look
        QFile::copy(source, QString::fromLocal8Bit(argv[1]));
    return upgraded == Runs ? 0 : 1;
}
