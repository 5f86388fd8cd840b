// Opening the database: an existing SQLite file read-write, never created, and every kind of
// wrong file an error the caller can catch.
#include "data/LogbookKind.h"
#include "engine/Command.h"
#include "engine/Connection.h"
#include "engine/DatabaseFile.h"
#include "engine/EngineError.h"
#include "engine/Query.h"
#include "tests/support/TestProgramDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

class TestConnection : public QObject {
    Q_OBJECT
private slots:
    void dataSourceOfConnectionString();
    void opensTheProgramDirectoryFile();
    void failures_data();
    void failures();
    void readOnlyFileOpensForReading();
    void foreignKeysAreOn();
};

void TestConnection::dataSourceOfConnectionString() {
    QCOMPARE(
        Connection::dataSourceOf(QStringLiteral(
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=DATA2.MDB;Persist Security Info=False")),
        QStringLiteral("DATA2.MDB"));
    QCOMPARE(Connection::dataSourceOf(QStringLiteral("data source = x.db ")),
             QStringLiteral("x.db"));
    QVERIFY(Connection::dataSourceOf(QStringLiteral("Provider=x")).isEmpty());
}

void TestConnection::opensTheProgramDirectoryFile() {
    TestProgramDir dir;
    Connection c;
    c.open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=DATA2.MDB;"), dir.path());
    QVERIFY(c.isOpen());
    Query q(QStringLiteral("q"), nullptr, &c);
    q.setSql(QStringLiteral("SELECT Id_stagione FROM TStagioni ORDER BY 1"));
    q.open();
    QCOMPARE(q.recordCount(), 4);
}

void TestConnection::failures_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("asDirectory");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing") << QByteArray() << false << "non esiste";
    QByteArray jet(2048, '\0');
    jet.replace(4, 15, "Standard Jet DB");
    QTest::newRow("jet file") << jet << false << "non è un database valido";
    QTest::newRow("garbage") << QByteArray(4096, 'x') << false << "non è un database valido";
    QTest::newRow("empty-named directory") << QByteArray() << true << "non è un file";
    QTest::newRow("another database")
        << QByteArray() << false << "non contiene l'archivio delle uscite";
    QTest::newRow("empty file") << QByteArray("") << false
                                << "non contiene l'archivio delle uscite";
}

void TestConnection::failures() {
    QFETCH(QByteArray, content);
    QFETCH(bool, asDirectory);
    QFETCH(QString, expected);
    TestProgramDir dir(TestProgramDir::Nothing);
    const QString row = QString::fromLatin1(QTest::currentDataTag());
    if (asDirectory) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("DATA2.MDB")));
    } else if (row == QLatin1String("another database")) {
        createDatabaseFile(dir.databasePath(), {QStringLiteral("CREATE TABLE T (x)")});
    } else if (!content.isNull()) {
        QFile f(dir.databasePath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    Connection c(LogbookKind());
    try {
        c.open(QStringLiteral("Data Source=DATA2.MDB"), dir.path());
        QFAIL("opened");
    } catch (const EngineError& e) {
        QVERIFY2(e.message().contains(expected), qPrintable(e.message()));
    }
    QVERIFY(!c.isOpen());
    // Nothing was created in place of a missing file, nor written into a foreign one.
    if (content.isNull() && !asDirectory && row == QLatin1String("missing"))
        QVERIFY(!QFile::exists(dir.databasePath()));
    if (row == QLatin1String("empty file"))
        QCOMPARE(QFileInfo(dir.databasePath()).size(), 0);
}

void TestConnection::readOnlyFileOpensForReading() {
    TestProgramDir dir(TestProgramDir::DatabaseOnly);
    // Permission bits do not stop root; an immutable file does.
    const bool root =
        QProcess::execute(QStringLiteral("sh"),
                          {QStringLiteral("-c"), QStringLiteral("test \"$(id -u)\" -eq 0")}) == 0;
    if (root) {
        if (QProcess::execute(QStringLiteral("chattr"),
                              {QStringLiteral("+i"), dir.databasePath()}) != 0)
            QSKIP("no way to make a file read-only for root here");
    } else {
        QFile::setPermissions(dir.databasePath(), QFile::ReadOwner);
    }
    Connection c(LogbookKind());
    QString message;
    int sessions = -1;
    try {
        c.openFile(dir.databasePath());
        Query q(QStringLiteral("q"), nullptr, &c);
        q.setSql(QStringLiteral("SELECT Id_uscita, Note FROM TUscita"));
        q.open();
        sessions = q.recordCount();
        q.insert();
        q.setText(QStringLiteral("Note"), QStringLiteral("prova"));
        try {
            q.post();
        } catch (const EngineError& e) {
            message = e.message();
        }
        QCOMPARE(q.state(), DataSetState::Insert); // what was typed is still there
    } catch (const EngineError& e) {
        message = QStringLiteral("not opened: ") + e.message();
    }
    if (root)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), dir.databasePath()});
    QCOMPARE(sessions, 0);
    QVERIFY(c.isReadOnly());
    QCOMPARE(message, QStringLiteral("L'archivio è in sola lettura: le modifiche non possono "
                                     "essere salvate."));
}

void TestConnection::foreignKeysAreOn() {
    TestProgramDir dir;
    Command insert(QStringLiteral("c"), nullptr, &dir.connection());
    insert.setSql(QStringLiteral("INSERT INTO TPreda (Nm_uscita) VALUES (12345)"));
    try {
        insert.execute();
        QFAIL("orphan catch accepted");
    } catch (const EngineError& e) {
        // Said in Italian, without the engine's own English words.
        QCOMPARE(e.message(), QStringLiteral("Il valore scelto non esiste più nel suo elenco: "
                                             "sceglierne un altro e salvare di nuovo."));
    }
}

QTEST_GUILESS_MAIN(TestConnection)
#include "tst_connection.moc"
