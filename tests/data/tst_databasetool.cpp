// lunkerledger-db: creates a database from the shipped schema and seed, never over a file.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestDatabaseTool : public QObject {
    Q_OBJECT
private slots:
    void createsThenRefusesToOverwrite();
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

QTEST_GUILESS_MAIN(TestDatabaseTool)
#include "tst_databasetool.moc"
