// lunkerledger-db: creates a database from the shipped schema and seed, never over a file;
// backs a sound logbook up and restores a sound copy in one step, keeping every replaced file
// with its journal, never under the program; says which copies are sound.
#include "data/LogbookLock.h"
#include "engine/Connection.h"
#include "stats/UDM_Statistiche.h"
#include "tests/support/Sql.h"
#include "widgets/PictureLoader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

class TestDatabaseTool : public QObject {
    Q_OBJECT
private slots:
    void createsThenRefusesToOverwrite();
    void backupAndRestore();
    void demoLogbook();
    void restoreOverALogbookLeftByACrash();
    void killedWhileRestoringLeavesALogbook();
    void damagedLogbookIsNotCopied();

private:
    // Runs the tool; its exit code, with its error text in *error.
    int run(const QStringList& arguments, QString* error = nullptr) {
        QProcess tool;
        tool.start(QStringLiteral(LL_DB_TOOL), arguments);
        tool.waitForFinished();
        if (error)
            *error = QString::fromUtf8(tool.readAllStandardError());
        return tool.exitCode();
    }
    // The files restores have kept beside `logbook`, oldest first.
    static QStringList keptBeside(const QString& logbook) {
        const QFileInfo info(logbook);
        return QDir(info.absolutePath())
            .entryList({info.fileName() + QStringLiteral(".prima-del-ripristino-*")}, QDir::Files,
                       QDir::Time | QDir::Reversed);
    }
};

void TestDatabaseTool::createsThenRefusesToOverwrite() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DATA2.MDB"));
    QProcess tool;
    tool.start(QStringLiteral(LL_DB_TOOL), {QStringLiteral("create"), path});
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 0);
    QVERIFY(QFile(path).size() > 0);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.read(16), QByteArray("SQLite format 3\0", 16));
    f.close();
    const QByteArray before = [&] {
        f.open(QIODevice::ReadOnly);
        QByteArray b = f.readAll();
        f.close();
        return b;
    }();

    tool.start(QStringLiteral(LL_DB_TOOL), {QStringLiteral("create"), path});
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 1);
    QVERIFY(QString::fromUtf8(tool.readAllStandardError()).contains(QStringLiteral("esiste già")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);

    tool.start(QStringLiteral(LL_DB_TOOL), {QStringLiteral("crea")});
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 2);
}

void TestDatabaseTool::backupAndRestore() {
    QTemporaryDir dir;
    const QString logbook = dir.filePath(QStringLiteral("DATA2.MDB"));
    const QString copy = dir.filePath(QStringLiteral("copia.MDB"));
    QCOMPARE(run({QStringLiteral("create"), logbook}), 0);
    auto notes = [](const QString& path) {
        Connection c;
        c.openFile(path);
        return firstValue(c, QStringLiteral("SELECT group_concat(Note) FROM TUscita")).toString();
    };
    {
        Connection c;
        c.openFile(logbook);
        execSql(c, QStringLiteral("INSERT INTO TUscita (Note) VALUES ('prima')"));
    }
    QCOMPARE(run({QStringLiteral("backup"), logbook, copy}), 0);
    QCOMPARE(notes(copy), QStringLiteral("prima"));
    QString error;
    QCOMPARE(run({QStringLiteral("backup"), logbook, copy}, &error), 1); // never overwritten
    QVERIFY(error.contains(QStringLiteral("esiste già")));
    {
        Connection c;
        c.openFile(logbook);
        execSql(c, QStringLiteral("UPDATE TUscita SET Note = 'dopo'"));
    }
    // Refused while the program has the logbook open.
    {
        LogbookLock program;
        QVERIFY(program.acquire(logbook));
        QCOMPARE(run({QStringLiteral("restore"), copy, logbook}, &error), 1);
        QVERIFY(error.contains(QStringLiteral("è aperto in LunkerLedger")));
        QCOMPARE(notes(logbook), QStringLiteral("dopo"));
    }
    QCOMPARE(run({QStringLiteral("restore"), copy, logbook}), 0);
    QCOMPARE(notes(logbook), QStringLiteral("prima"));
    QCOMPARE(keptBeside(logbook).size(), 1);
    QCOMPARE(notes(dir.filePath(keptBeside(logbook).front())), QStringLiteral("dopo"));
    // A second restore keeps the file it replaces too, under a name of its own: the logbook
    // as it was before the first restore is still there.
    {
        Connection c;
        c.openFile(logbook);
        execSql(c, QStringLiteral("UPDATE TUscita SET Note = 'terza'"));
    }
    QCOMPARE(run({QStringLiteral("restore"), copy, logbook}), 0);
    const QStringList kept = keptBeside(logbook);
    QCOMPARE(kept.size(), 2);
    QStringList keptNotes;
    for (const QString& name : kept)
        keptNotes << notes(dir.filePath(name));
    keptNotes.sort();
    QCOMPARE(keptNotes, (QStringList{QStringLiteral("dopo"), QStringLiteral("terza")}));
    QCOMPARE(notes(logbook), QStringLiteral("prima"));
    // A file that is no logbook is not restored.
    QFile junk(dir.filePath(QStringLiteral("junk.MDB")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    QCOMPARE(run({QStringLiteral("restore"), junk.fileName(), logbook}), 1);
    QCOMPARE(notes(logbook), QStringLiteral("prima"));
}

void TestDatabaseTool::demoLogbook() {
    QTemporaryDir first, second;
    const QString path = first.filePath(QStringLiteral("DATA2.MDB"));
    QCOMPARE(run({QStringLiteral("demo"), path}), 0);
    QCOMPARE(run({QStringLiteral("demo"), second.filePath(QStringLiteral("DATA2.MDB"))}), 0);
    QCOMPARE(run({QStringLiteral("demo"), path}), 1); // never over an existing logbook
    Connection demo;
    demo.openFile(path); // a logbook the program opens
    const int sessions = firstValue(demo, QStringLiteral("SELECT count(*) FROM TUscita")).toInt();
    const int catches = firstValue(demo, QStringLiteral("SELECT count(*) FROM TPreda")).toInt();
    QVERIFY2(sessions >= 70 && sessions <= 90, qPrintable(QString::number(sessions)));
    QVERIFY2(catches >= 300 && catches <= 500, qPrintable(QString::number(catches)));
    QVERIFY(firstValue(demo, QStringLiteral("SELECT count(*) FROM TPastura")).toInt() > 0);
    QVERIFY(firstValue(demo, QStringLiteral("SELECT count(*) FROM TReportage")).toInt() > 0);
    QCOMPARE(
        firstValue(demo, QStringLiteral("SELECT count(DISTINCT Nm_lago) FROM TUscita")).toInt(), 3);
    QCOMPARE(firstValue(demo, QStringLiteral("SELECT count(*) FROM TLagoPosizione")).toInt(), 3);
    // Always the same logbook.
    const QString fingerprint = QStringLiteral(
        "SELECT group_concat(Data || Peso || Ds_tipo || ifnull(Nm_Esca, '')) FROM TPreda");
    Connection again;
    again.openFile(second.filePath(QStringLiteral("DATA2.MDB")));
    QCOMPARE(firstValue(again, fingerprint), firstValue(demo, fingerprint));
    // Every statistic has something to draw, and the photos are pictures the program reads.
    TDM_Statistiche stats(&demo);
    stats.DataModuleCreate();
    for (int quantity = 0; quantity < 13; ++quantity) {
        stats.BuildStatQuery(AllLakes, quantity);
        stats.RunStatQuery();
        QVERIFY2(stats.ADOQ_Statistiche.recordCount() > 0, qPrintable(stats.StatSql));
    }
    const QString photo =
        firstValue(demo, QStringLiteral("SELECT Foto FROM TPreda WHERE Foto IS NOT NULL"))
            .toString();
    QCOMPARE(LoadPicture(photo).size(), QSize(1200, 800));
}

void TestDatabaseTool::restoreOverALogbookLeftByACrash() {
    QTemporaryDir dir;
    const QString logbook = dir.filePath(QStringLiteral("DATA2.MDB"));
    const QString copy = dir.filePath(QStringLiteral("copia.MDB"));
    QCOMPARE(run({QStringLiteral("create"), logbook}), 0);
    {
        Connection c;
        c.openFile(logbook);
        execSql(c, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM "
                                  "n WHERE i < 300) INSERT INTO TUscita (Note) SELECT 'viva' || "
                                  "printf('%.2000c', 'x') FROM n"));
    }
    QCOMPARE(run({QStringLiteral("backup"), logbook, copy}), 0);
    // A save killed half-way: the file holds part of a transaction, its journal the way back.
    // Copying both while the transaction is open leaves exactly what a kill leaves.
    const QString crashed = dir.filePath(QStringLiteral("crash"));
    QVERIFY(QDir().mkpath(crashed));
    const QString target = crashed + QStringLiteral("/DATA2.MDB");
    {
        Connection c;
        c.openFile(logbook);
        execSql(c, QStringLiteral("PRAGMA cache_size = 2"));
        execSql(c, QStringLiteral("BEGIN"));
        execSql(c, QStringLiteral("UPDATE TUscita SET Note = 'morta' || Note || "
                                  "printf('%.500c', 'z')"));
        QVERIFY(QFile::exists(logbook + QStringLiteral("-journal")));
        QVERIFY(QFile::copy(logbook, target));
        QVERIFY(
            QFile::copy(logbook + QStringLiteral("-journal"), target + QStringLiteral("-journal")));
        execSql(c, QStringLiteral("ROLLBACK"));
    }
    QCOMPARE(run({QStringLiteral("restore"), copy, target}), 0);
    QVERIFY(!QFile::exists(target + QStringLiteral("-journal")));
    const QStringList kept = keptBeside(target);
    QCOMPARE(kept.size(), 1);
    for (const QString& path : {target, crashed + QLatin1Char('/') + kept.front()}) {
        Connection c;
        c.openFile(path);
        QCOMPARE(firstValue(c, QStringLiteral("PRAGMA integrity_check")).toString(),
                 QStringLiteral("ok"));
        // Both hold the logbook as it was before the interrupted save.
        QCOMPARE(firstValue(c, QStringLiteral("SELECT count(*) FROM TUscita WHERE Note LIKE "
                                              "'viva%'"))
                     .toInt(),
                 300);
    }
}

void TestDatabaseTool::killedWhileRestoringLeavesALogbook() {
    QTemporaryDir dir;
    const QString logbook = dir.filePath(QStringLiteral("DATA2.MDB"));
    const QString copy = dir.filePath(QStringLiteral("copia.MDB"));
    QCOMPARE(run({QStringLiteral("create"), logbook}), 0);
    auto fill = [](const QString& path, const QString& word) {
        Connection c;
        c.openFile(path);
        execSql(c, QStringLiteral("DELETE FROM TUscita"));
        execSql(c, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM "
                                  "n WHERE i < 2000) INSERT INTO TUscita (Note) SELECT '%1' || "
                                  "printf('%.8000c', 'x') FROM n")
                       .arg(word));
    };
    fill(logbook, QStringLiteral("copia"));
    QCOMPARE(run({QStringLiteral("backup"), logbook, copy}), 0);
    fill(logbook, QStringLiteral("vecchio"));
    auto contents = [&] {
        Connection c;
        c.openFile(logbook);
        if (firstValue(c, QStringLiteral("PRAGMA integrity_check")).toString() != "ok")
            return QStringLiteral("danneggiato");
        return firstValue(c, QStringLiteral("SELECT DISTINCT substr(Note, 1, 5) FROM TUscita"))
            .toString();
    };
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(run({QStringLiteral("restore"), copy, logbook}), 0);
    const int whole = int(clock.elapsed()) + 5;
    QRandomGenerator random(19);
    for (int trial = 0; trial < 8; ++trial) {
        fill(logbook, QStringLiteral("vecchio"));
        QProcess tool;
        tool.start(QStringLiteral(LL_DB_TOOL), {QStringLiteral("restore"), copy, logbook});
        QVERIFY(tool.waitForStarted());
        QTest::qWait(int(random.bounded(whole)));
        tool.kill(); // SIGKILL, unless it has already finished
        tool.waitForFinished();
        QCOMPARE(tool.state(), QProcess::NotRunning);
        QVERIFY2(QFile::exists(logbook), qPrintable(QString::number(trial)));
        const QString now = contents();
        QVERIFY2(now == QLatin1String("vecch") || now == QLatin1String("copia"), qPrintable(now));
        // The next run finishes the job.
        QCOMPARE(run({QStringLiteral("restore"), copy, logbook}), 0);
        QCOMPARE(contents(), QStringLiteral("copia"));
    }
    // A backup killed half-way leaves no copy under its name; the next one is whole.
    const QString second = dir.filePath(QStringLiteral("seconda.MDB"));
    for (int trial = 0; trial < 4; ++trial) {
        QFile::remove(second);
        QProcess tool;
        tool.start(QStringLiteral(LL_DB_TOOL), {QStringLiteral("backup"), logbook, second});
        QVERIFY(tool.waitForStarted());
        QTest::qWait(int(random.bounded(whole)));
        tool.kill(); // SIGKILL, unless it has already finished
        tool.waitForFinished();
        QCOMPARE(tool.state(), QProcess::NotRunning);
        if (QFile::exists(second)) { // it had finished
            Connection c;
            c.openFile(second);
            QCOMPARE(firstValue(c, QStringLiteral("PRAGMA integrity_check")).toString(),
                     QStringLiteral("ok"));
            continue;
        }
        QCOMPARE(run({QStringLiteral("backup"), logbook, second}), 0);
        QVERIFY(!QFile::exists(second + QStringLiteral(".parziale")));
    }
}

void TestDatabaseTool::damagedLogbookIsNotCopied() {
    QTemporaryDir dir;
    const QString logbook = dir.filePath(QStringLiteral("DATA2.MDB"));
    const QString backups = dir.filePath(QStringLiteral("backup"));
    QVERIFY(QDir().mkpath(backups));
    QCOMPARE(run({QStringLiteral("create"), logbook}), 0);
    QCOMPARE(
        run({QStringLiteral("backup"), logbook, backups + QStringLiteral("/DATA2-20261201.MDB")}),
        0);
    damageTable(logbook, QStringLiteral("TPreda"));
    QString error;
    const QString second = backups + QStringLiteral("/DATA2-20261202.MDB");
    QCOMPARE(run({QStringLiteral("backup"), logbook, second}, &error), 1);
    QVERIFY2(error.contains(QStringLiteral("è danneggiato: la copia non viene salvata")),
             qPrintable(error));
    QVERIFY(!QFile::exists(second));
    // A damaged copy is not restored either.
    QVERIFY(QFile::copy(logbook, second));
    QCOMPARE(run({QStringLiteral("restore"), second, logbook}, &error), 1);
    QVERIFY2(error.contains(QStringLiteral("è danneggiata")), qPrintable(error));
    // Which copies are sound, newest first.
    QProcess tool;
    tool.start(QStringLiteral(LL_DB_TOOL),
               {QStringLiteral("backup"), QStringLiteral("--verifica"), backups});
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 1);
    const QStringList lines = QString::fromUtf8(tool.readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines, (QStringList{second + QStringLiteral(": danneggiata"),
                                 backups + QStringLiteral("/DATA2-20261201.MDB: integra")}));
}

QTEST_GUILESS_MAIN(TestDatabaseTool)
#include "tst_databasetool.moc"
