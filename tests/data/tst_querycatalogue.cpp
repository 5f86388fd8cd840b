// The query catalogue: SQL texts read from qry.ini beside the program at each read, modules
// loading and opening their queries in component order, and the error shown for a missing text.
#include "data/U_QFile.h"
#include "engine/Command.h"
#include "engine/EngineError.h"
#include "engine/Query.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TestProgramDir.h"

#include <QTest>

namespace {

const QString kMissingText = QStringLiteral(
    "ERRORE: impossibile trovare la stringa di query.\r\nControllare la presenza di un file "
    "denominato 'qry.ini' nella \r\ndirectory del programma");

// A query of a derived class: not "exactly a query", so module loading passes it by.
class SpecialQuery : public Query {
public:
    using Query::Query;
};

struct TestModule : ComponentOwner {
    explicit TestModule(Connection* c) : ComponentOwner(QStringLiteral("DM_Test")), conn(c) {}
    Connection* conn;
    Query ADOQ_First{QStringLiteral("ADOQ_First"), this, conn};
    Command ADOC_Cmd{QStringLiteral("ADOC_Cmd"), this, conn};
    SpecialQuery ADOQ_Special{QStringLiteral("ADOQ_Special"), this, conn};
    Query ADOQ_Second{QStringLiteral("ADOQ_Second"), this, conn};
};

} // namespace

class TestQueryCatalogue : public QObject {
    Q_OBJECT
private slots:
    void programDirEndsWithSeparator();
    void readQueryText_data();
    void readQueryText();
    void missingFile();
    void openModuleQueries();
    void openModuleQueriesWithParameters();
    void reopenQuery();
    void textIsReadAtEveryLoad();
};

void TestQueryCatalogue::programDirEndsWithSeparator() {
    TestProgramDir dir;
    QVERIFY(ProgramDir().endsWith(QLatin1Char('/')));
    QCOMPARE(ProgramDir(), dir.path());
}

void TestQueryCatalogue::readQueryText_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("reported");
    QTest::newRow("present") << QByteArray("[DM_Test]\nADOQ_First=SELECT 1") << "SELECT 1" << false;
    QTest::newRow("letter case") << QByteArray("[dm_test]\nadoq_first=SELECT 1") << "SELECT 1"
                                 << false;
    QTest::newRow("value 0") << QByteArray("[DM_Test]\nADOQ_First=0") << "0" << true;
    QTest::newRow("quoted 0") << QByteArray("[DM_Test]\nADOQ_First=\"0\"") << "0" << true;
    QTest::newRow("empty value") << QByteArray("[DM_Test]\nADOQ_First=") << "" << false;
    QTest::newRow("missing key") << QByteArray("[DM_Test]\nADOQ_Other=SELECT 1") << "0" << true;
    QTest::newRow("missing section")
        << QByteArray("[DM_Other]\nADOQ_First=SELECT 1") << "0" << true;
    QTest::newRow("3000 characters") << "[DM_Test]\nADOQ_First=" + QByteArray(3000, 'x')
                                     << QString(2047, QLatin1Char('x')) << false;
}

void TestQueryCatalogue::readQueryText() {
    QFETCH(QByteArray, ini);
    QFETCH(QString, expected);
    QFETCH(bool, reported);
    TestProgramDir dir(TestProgramDir::Nothing);
    dir.writeIni(ini);
    ScriptedMessages messages;
    QCOMPARE(ReadQueryText(QStringLiteral("DM_Test"), QStringLiteral("ADOQ_First")), expected);
    QCOMPARE(messages.shown().size(), reported ? 1 : 0);
    if (reported) {
        const MessageRequest& box = messages.shown().front();
        QCOMPARE(box.text, kMissingText);
        QCOMPARE(box.caption, QStringLiteral("Error"));
        QCOMPARE(box.kind, MessageKind::Error);
        QCOMPARE(box.buttons, MessageButtons::Ok);
    }
}

void TestQueryCatalogue::missingFile() {
    TestProgramDir dir(TestProgramDir::DatabaseOnly);
    ScriptedMessages messages;
    TestModule module(&dir.connection());
    // Which queries had their text when each box came: the first query is read first.
    QStringList loadedAtEachBox;
    messages.onShow = [&](const MessageRequest&) {
        loadedAtEachBox << QStringLiteral("First='%1' Second='%2'")
                               .arg(module.ADOQ_First.sql(), module.ADOQ_Second.sql());
    };
    OpenModuleQueries({}, module);
    // One box per query read, none for the command or the derived query; both stay closed.
    QCOMPARE(messages.texts(), QStringList({kMissingText, kMissingText}));
    QCOMPARE(loadedAtEachBox, QStringList({QStringLiteral("First='' Second=''"),
                                           QStringLiteral("First='0' Second=''")}));
    QVERIFY(!module.ADOQ_First.isOpen());
    QCOMPARE(module.ADOQ_First.sql(), QStringLiteral("0"));
    QVERIFY(!module.ADOQ_Second.isOpen());
}

void TestQueryCatalogue::openModuleQueries() {
    TestProgramDir dir(TestProgramDir::DatabaseOnly);
    dir.writeIni("[DM_Test]\n"
                 "ADOQ_First=SELECT Id_stagione FROM TStagioni ORDER BY Id_stagione\n"
                 "ADOQ_Special=SELECT 1\n"
                 "ADOQ_Second=SELECT nonsense FROM nowhere\n");
    ScriptedMessages messages;
    TestModule module(&dir.connection());
    OpenModuleQueries({}, module);
    QVERIFY(messages.shown().isEmpty()); // a query that fails to open is not reported
    QVERIFY(module.ADOQ_First.isOpen());
    QCOMPARE(module.ADOQ_First.recordCount(), 4);
    QVERIFY(!module.ADOQ_Second.isOpen());
    QVERIFY(module.ADOQ_Special.sql().isEmpty());
    QVERIFY(module.ADOC_Cmd.sql().isEmpty());
}

void TestQueryCatalogue::openModuleQueriesWithParameters() {
    TestProgramDir dir(TestProgramDir::DatabaseOnly);
    dir.writeIni("[DM_Test]\n"
                 "ADOQ_First=SELECT Ds_stagione FROM TStagioni WHERE Id_stagione = ?\n"
                 "ADOQ_Second=SELECT Ds_luna FROM TLuna WHERE Id_luna = ?\n");
    ScriptedMessages messages;
    TestModule module(&dir.connection());
    // Without a value the parameterised queries stay closed, silently.
    OpenModuleQueries({}, module);
    QVERIFY(!module.ADOQ_First.isOpen());
    QVERIFY(messages.shown().isEmpty());
    OpenModuleQueries({2}, module);
    QCOMPARE(module.ADOQ_First.value(0).toString(), QStringLiteral("Estate"));
    QCOMPARE(module.ADOQ_Second.value(0).toString(), QStringLiteral("Luna crescente"));
    // More values than parameters reaches the caller.
    QVERIFY_THROWS_EXCEPTION(EngineError, OpenModuleQueries({1, 2}, module));
}

void TestQueryCatalogue::reopenQuery() {
    TestProgramDir dir(TestProgramDir::DatabaseOnly);
    Query q(QStringLiteral("q"), nullptr, &dir.connection());
    q.setSql(QStringLiteral("SELECT Ds_stagione FROM TStagioni WHERE Id_stagione = ?"));
    ReopenQuery({3}, q);
    QCOMPARE(q.value(0).toString(), QStringLiteral("Autunno"));
    ReopenQuery({4}, q);
    QCOMPARE(q.value(0).toString(), QStringLiteral("Inverno"));
    QVERIFY_THROWS_EXCEPTION(EngineError, ReopenQuery({}, q)); // opening errors reach the caller
    q.setSql(QStringLiteral("SELECT broken"));
    QVERIFY_THROWS_EXCEPTION(EngineError, ReopenQuery({}, q));
}

void TestQueryCatalogue::textIsReadAtEveryLoad() {
    TestProgramDir dir(TestProgramDir::DatabaseOnly);
    TestModule module(&dir.connection());
    dir.writeIni("[DM_Test]\nADOQ_First=SELECT Ds_stagione FROM TStagioni WHERE Id_stagione = ?");
    ScriptedMessages messages;
    OpenModuleQueries({1}, module);
    QCOMPARE(module.ADOQ_First.value(0).toString(), QStringLiteral("Primavera"));
    dir.writeIni("[DM_Test]\nADOQ_First=SELECT Ds_luna FROM TLuna WHERE Id_luna = ?");
    OpenModuleQueries({1}, module);
    QCOMPARE(module.ADOQ_First.value(0).toString(), QStringLiteral("Luna nuova"));
}

QTEST_GUILESS_MAIN(TestQueryCatalogue)
#include "tst_querycatalogue.moc"
