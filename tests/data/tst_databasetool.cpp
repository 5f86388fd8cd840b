// lunkerledger-db: creates a database from the shipped schema and seed, never over a file;
// backs a logbook up and restores a copy, keeping the replaced file, never under the program.
#include "data/LogbookLock.h"
#include "engine/Connection.h"
#include "stats/UDM_Statistiche.h"
#include "tests/support/Sql.h"
#include "widgets/PictureLoader.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestDatabaseTool : public QObject {
    Q_OBJECT
private slots:
    void createsThenRefusesToOverwrite();
    void backupAndRestore();
    void demoLogbook();

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
    QCOMPARE(notes(logbook + QStringLiteral(".prima-del-ripristino")), QStringLiteral("dopo"));
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

QTEST_GUILESS_MAIN(TestDatabaseTool)
#include "tst_databasetool.moc"
