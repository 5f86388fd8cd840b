// What protects the logbook: the daily copy (once a day, fourteen kept, a clean refusal), one
// program per logbook (a stale lock does not count), a save interrupted by a kill never
// damaging the file nor losing a committed row, and a full disk reported in Italian.
#include "data/DailyBackup.h"
#include "data/DailyBackupRun.h"
#include "data/LogbookLock.h"
#include "engine/Connection.h"
#include "engine/EngineError.h"
#include "engine/Query.h"
#include "tests/support/Sql.h"
#include "tests/support/TestProgramDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QSysInfo>
#include <QTest>

class TestSafety : public QObject {
    Q_OBJECT
private slots:
    void dailyCopyOnceADayFourteenKept();
    void dailyCopyRefusedCleanly();
    void dailyCopyOfADamagedLogbook();
    void dailyCopyOnItsOwnThread();
    void oneProgramPerLogbook();
    void aStaleLockDoesNotBlock();
    void killedWhileSavingLosesNothingCommitted();
    void killedInsideACommit();
    void fullDiskIsReportedAndLosesNothing();
};

void TestSafety::dailyCopyOnceADayFourteenKept() {
    TestProgramDir dir(TestProgramDir::DatabaseOnly);
    Connection& c = dir.connection();
    const QDir backups(dir.path() + QStringLiteral("backup"));
    const QDate first(2026, 11, 1);
    DailyBackup::make(c, first);
    QVERIFY(QFile::exists(backups.filePath(QStringLiteral("DATA2-20261101.MDB"))));
    // The same day again: the copy of the morning stays as it was.
    execSql(c, QStringLiteral("INSERT INTO TUscita (Note) VALUES ('pomeriggio')"));
    DailyBackup::make(c, first);
    {
        Connection copy;
        copy.openFile(backups.filePath(QStringLiteral("DATA2-20261101.MDB")));
        QCOMPARE(firstValue(copy, QStringLiteral("SELECT count(*) FROM TUscita")).toInt(), 0);
    }
    for (int day = 1; day <= 20; ++day)
        DailyBackup::make(c, first.addDays(day));
    const QStringList kept = backups.entryList(QDir::Files, QDir::Name);
    QCOMPARE(kept.size(), DailyBackup::Kept);
    QCOMPARE(kept.front(), QStringLiteral("DATA2-20261108.MDB"));
    QCOMPARE(kept.back(), QStringLiteral("DATA2-20261121.MDB"));
    Connection newest;
    newest.openFile(backups.filePath(kept.back()));
    QCOMPARE(firstValue(newest, QStringLiteral("PRAGMA integrity_check")).toString(),
             QStringLiteral("ok"));
    QCOMPARE(firstValue(newest, QStringLiteral("SELECT Note FROM TUscita")).toString(),
             QStringLiteral("pomeriggio"));
}

void TestSafety::dailyCopyRefusedCleanly() {
    TestProgramDir dir(TestProgramDir::DatabaseOnly);
    // Where the folder should be there is a file: the copy cannot be written.
    QFile blocker(dir.path() + QStringLiteral("backup"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    try {
        DailyBackup::make(dir.connection(), QDate(2026, 12, 10));
        QFAIL("a copy was written");
    } catch (const EngineError& e) {
        QVERIFY2(e.message().contains(QStringLiteral("impossibile creare la cartella")),
                 qPrintable(e.message()));
    }
    // A folder that exists but takes no file: the message names the copy, not the logbook.
    QFile::remove(blocker.fileName());
    const QString folder = dir.path() + QStringLiteral("backup");
    QVERIFY(QDir().mkpath(folder));
    if (!makeUnwritable(folder))
        QSKIP("no way to make a folder unwritable here");
    try {
        DailyBackup::make(dir.connection(), QDate(2026, 12, 10));
        makeWritable(folder);
        QFAIL("a copy was written");
    } catch (const EngineError& e) {
        makeWritable(folder);
        QCOMPARE(e.message(), QStringLiteral("Impossibile scrivere la copia dell'archivio in "
                                             "'%1': la cartella non è scrivibile.")
                                  .arg(QDir::toNativeSeparators(
                                      folder + QStringLiteral("/DATA2-20261210.MDB"))));
    }
    // The logbook itself is untouched and still usable.
    execSql(dir.connection(), QStringLiteral("INSERT INTO TUscita (Note) VALUES ('x')"));
}

void TestSafety::dailyCopyOfADamagedLogbook() {
    TestProgramDir dir(TestProgramDir::DatabaseOnly);
    const QDir backups(dir.path() + QStringLiteral("backup"));
    const QDate first(2026, 11, 1);
    {
        Connection c;
        c.openFile(dir.databasePath());
        for (int day = 0; day < DailyBackup::Kept; ++day)
            QCOMPARE(DailyBackup::make(c, first.addDays(day)), DailyBackup::Outcome::Written);
    }
    const QStringList before = backups.entryList(QDir::Files, QDir::Name);
    damageTable(dir.databasePath(), QStringLiteral("TPreda"));
    // Two weeks more on the damaged file: no damaged copy, no sound copy rotated out.
    Connection c;
    c.openFile(dir.databasePath());
    for (int day = DailyBackup::Kept; day < 2 * DailyBackup::Kept; ++day)
        QCOMPARE(DailyBackup::make(c, first.addDays(day)), DailyBackup::Outcome::Damaged);
    QCOMPARE(backups.entryList(QDir::Files, QDir::Name), before);
}

void TestSafety::dailyCopyOnItsOwnThread() {
    TestProgramDir dir(TestProgramDir::DatabaseOnly);
    Connection& c = dir.connection();
    execSql(c, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                              "WHERE i < 3000) INSERT INTO TUscita (Note) SELECT "
                              "printf('%.8000c', 'x') FROM n"));
    const QDir backups(dir.path() + QStringLiteral("backup"));
    const QDate day(2026, 12, 10);
    const QString todays = backups.filePath(DailyBackup::fileName(day));
    // Abandoned at once, as at a quick exit: nothing under the day's name, nothing half-made.
    {
        DailyBackupRun run;
        run.start(dir.databasePath(), day, [](DailyBackup::Outcome, const QString&) {
            QFAIL("an abandoned copy reported back");
        });
        run.abandon();
    }
    QCoreApplication::processEvents();
    QVERIFY(!QFile::exists(todays));
    QVERIFY(backups.entryList({QStringLiteral("*.parziale*")}, QDir::Files).isEmpty());
    // Left to finish while saves go on through the program's connection.
    DailyBackupRun run;
    bool done = false;
    DailyBackup::Outcome outcome = DailyBackup::Outcome::Damaged;
    QString failure = QStringLiteral("nessuna notizia");
    run.start(dir.databasePath(), day, [&](DailyBackup::Outcome o, const QString& f) {
        done = true;
        outcome = o;
        failure = f;
    });
    for (int i = 0; i < 20; ++i)
        execSql(c, QStringLiteral("INSERT INTO TUscita (Note) VALUES ('durante')"));
    QTRY_VERIFY_WITH_TIMEOUT(done, 20000);
    QCOMPARE(failure, QString());
    QCOMPARE(outcome, DailyBackup::Outcome::Written);
    Connection copy;
    copy.openFile(todays);
    QCOMPARE(firstValue(copy, QStringLiteral("PRAGMA integrity_check")).toString(),
             QStringLiteral("ok"));
    const int rows = firstValue(copy, QStringLiteral("SELECT count(*) FROM TUscita")).toInt();
    QVERIFY2(rows >= 3000 && rows <= 3020, qPrintable(QString::number(rows)));
}

void TestSafety::oneProgramPerLogbook() {
    TestProgramDir dir(TestProgramDir::DatabaseOnly);
    LogbookLock running;
    QVERIFY(running.acquire(dir.databasePath()));
    LogbookLock second;
    QVERIFY(!second.acquire(dir.databasePath()));
    QVERIFY(LogbookLock::heldByAnother(dir.databasePath()));
}

void TestSafety::aStaleLockDoesNotBlock() {
    TestProgramDir dir(TestProgramDir::DatabaseOnly);
    // The lock of a program that crashed: a process of this machine that no longer runs.
    QProcess gone;
    gone.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
    QVERIFY(gone.waitForFinished());
    const QByteArray pid = gone.readAllStandardOutput().trimmed();
    QVERIFY(!pid.isEmpty());
    QFile stale(dir.databasePath() + QStringLiteral(".lock"));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write(pid + "\nlunkerledger\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    LogbookLock next;
    QVERIFY(next.acquire(dir.databasePath()));
}

void TestSafety::killedWhileSavingLosesNothingCommitted() {
    TestProgramDir dir(TestProgramDir::DatabaseOnly);
    QSet<int> committed;
    QRandomGenerator random(20261210);
    for (int trial = 0; trial < 30; ++trial) {
        QProcess writer;
        writer.start(QStringLiteral(LL_CRASH_WRITER), {dir.databasePath()});
        QVERIFY(writer.waitForStarted());
        QTest::qWait(20 + int(random.bounded(60)));
        writer.kill(); // SIGKILL: no chance to finish anything
        QVERIFY(writer.waitForFinished());
        for (const QByteArray& line : writer.readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                committed.insert(line.toInt());
        Connection after;
        after.openFile(dir.databasePath());
        QCOMPARE(firstValue(after, QStringLiteral("PRAGMA integrity_check")).toString(),
                 QStringLiteral("ok"));
        const int stored = firstValue(after, QStringLiteral("SELECT count(*) FROM TUscita "
                                                            "WHERE Id_uscita IN (%1)")
                                                 .arg([&] {
                                                     QStringList keys;
                                                     for (int k : committed)
                                                         keys << QString::number(k);
                                                     return keys.join(QLatin1Char(','));
                                                 }()))
                               .toInt();
        QCOMPARE(stored, int(committed.size()));
    }
    QVERIFY(committed.size() > 30);
}

void TestSafety::killedInsideACommit() {
    // The kill lands inside the Nth save's commit: the N-1 saves before it are all there,
    // the interrupted one is not there at all, and the file is sound.
    for (int n : {1, 2, 7, 25}) {
        TestProgramDir dir(TestProgramDir::DatabaseOnly);
        QProcess writer;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LUNKERLEDGER_KILL_AT_COMMIT"), QString::number(n));
        writer.setProcessEnvironment(env);
        writer.start(QStringLiteral(LL_CRASH_WRITER), {dir.databasePath()});
        QVERIFY(writer.waitForFinished());
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
        QList<QByteArray> printed;
        for (const QByteArray& line : writer.readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                printed << line;
        QCOMPARE(printed.size(), n - 1);
        Connection after;
        after.openFile(dir.databasePath());
        QCOMPARE(firstValue(after, QStringLiteral("PRAGMA integrity_check")).toString(),
                 QStringLiteral("ok"));
        QCOMPARE(firstValue(after, QStringLiteral("SELECT count(*) FROM TUscita")).toInt(), n - 1);
        if (n > 1)
            QCOMPARE(
                firstValue(after, QStringLiteral("SELECT max(Id_uscita) FROM TUscita")).toInt(),
                printed.back().toInt());
    }
}

void TestSafety::fullDiskIsReportedAndLosesNothing() {
    TestProgramDir dir(TestProgramDir::DatabaseOnly);
    Connection& c = dir.connection();
    const int pages = firstValue(c, QStringLiteral("PRAGMA page_count")).toInt();
    execSql(c, QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 2));
    Query sessions(QStringLiteral("ADOQ_Sessioni"), nullptr, &c);
    sessions.setSql(QStringLiteral("SELECT Id_uscita, Note FROM TUscita"));
    sessions.open();
    QString message;
    int saved = 0;
    for (int i = 0; i < 200 && message.isEmpty(); ++i) {
        sessions.insert();
        sessions.setValue(QStringLiteral("Note"), QString(3000, QLatin1Char('x')));
        try {
            sessions.post();
            ++saved;
        } catch (const EngineError& e) {
            message = e.message();
        }
    }
    QCOMPARE(message, QStringLiteral("Il disco è pieno: liberare spazio e riprovare."));
    QCOMPARE(sessions.state(), DataSetState::Insert); // what was typed is still there
    QCOMPARE(sessions.value(QStringLiteral("Note")).toString().size(), 3000);
    QCOMPARE(firstValue(c, QStringLiteral("PRAGMA integrity_check")).toString(),
             QStringLiteral("ok"));
    QCOMPARE(firstValue(c, QStringLiteral("SELECT count(*) FROM TUscita")).toInt(), saved);
}

QTEST_GUILESS_MAIN(TestSafety)
#include "tst_safety.moc"
