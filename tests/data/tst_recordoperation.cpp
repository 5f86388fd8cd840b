// The one dispatcher behind New, Save, Cancel and Delete, and the numbered commands.
#include "data/U_DBUtils.h"
#include "engine/Command.h"
#include "engine/DataSetObserver.h"
#include "engine/EngineError.h"
#include "engine/Query.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/Sql.h"
#include "tests/support/TestProgramDir.h"

#include <QTest>

namespace {

const QString kBusy = QStringLiteral(
    "Lo stato attuale è di modifica o di inserimento: salvare i dati o \r\nannullare le "
    "modifiche per consentire questa operazione.");
const QString kConfirm =
    QStringLiteral("Questo elemento verrà definitivamente eliminato: \r\ncontinuare?");

// Stands in for a bound edit box holding typed text that is written at post time.
struct PendingText : DataSetObserver {
    QString field, text;
    void dataSetEvent(Query& q, DataSetEvent e, int) override {
        if (e == DataSetEvent::BeforePost && !field.isEmpty())
            q.setText(field, text);
    }
};

struct Sessions : ComponentOwner {
    explicit Sessions(Connection* c) : ComponentOwner(QStringLiteral("DM_Sessioni")), conn(c) {}
    Connection* conn;
    Query ADOQ_Sessioni{QStringLiteral("ADOQ_Sessioni"), this, conn};
    Command ADOC_OperazCarpisti{QStringLiteral("ADOC_OperazCarpisti"), this, conn};
};

int count(Connection& c, const QString& sql) {
    return firstValue(c, sql).toInt();
}

} // namespace

Q_DECLARE_METATYPE(DataSetState)

class TestRecordOperation : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void codeFromState_data();
    void codeFromState();
    void deleteAnsweredNo();
    void saveWithBadDateKeepsTheRow();
    void saveRefusedByTheDatabase();
    void componentByExactName();
    void executeCommand();

private:
    std::unique_ptr<TestProgramDir> m_dir;
    std::unique_ptr<Sessions> m_module;
    Query& sessions() { return m_module->ADOQ_Sessioni; }
};

void TestRecordOperation::init() {
    m_dir = std::make_unique<TestProgramDir>();
    m_module = std::make_unique<Sessions>(&m_dir->connection());
    Command add(QStringLiteral("add"), nullptr, &m_dir->connection());
    add.setSql(QStringLiteral("INSERT INTO TUscita (DataDa, Note) VALUES ('2005-03-05', 'a'), "
                              "('2005-04-01', 'b')"));
    add.execute();
    sessions().setSql(
        QStringLiteral("SELECT Id_uscita, DataDa, Note FROM TUscita ORDER BY DataDa"));
}

void TestRecordOperation::cleanup() {
    m_module.reset();
    m_dir.reset();
}

void TestRecordOperation::codeFromState_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("result"); // -1: an engine error reaches the caller
    QTest::addColumn<DataSetState>("after");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("rows");
    const auto B = DataSetState::Browse, E = DataSetState::Edit, I = DataSetState::Insert,
               C = DataSetState::Closed;
    const QStringList none, busy{kBusy}, confirm{kConfirm};
    QTest::newRow("closed new") << "closed" << opNew << -1 << C << none << 2;
    QTest::newRow("closed save") << "closed" << opSave << orNotEditing << C << none << 2;
    QTest::newRow("closed cancel") << "closed" << opCancel << orNotEditing << C << none << 2;
    QTest::newRow("closed delete") << "closed" << opDelete << -1 << C << none << 2;
    QTest::newRow("browse new") << "browse" << opNew << orOk << I << none << 2;
    QTest::newRow("browse save") << "browse" << opSave << orNotEditing << B << none << 2;
    QTest::newRow("browse cancel") << "browse" << opCancel << orNotEditing << B << none << 2;
    QTest::newRow("browse delete") << "browse" << opDelete << orOk << B << confirm << 1;
    QTest::newRow("browse other code") << "browse" << 99 << orOk << B << none << 2;
    QTest::newRow("empty delete") << "empty" << opDelete << orOk << B << none << 0;
    QTest::newRow("empty new") << "empty" << opNew << orOk << I << none << 0;
    QTest::newRow("edit new") << "edit" << opNew << orBusy << E << busy << 2;
    QTest::newRow("edit save") << "edit" << opSave << orOk << B << none << 2;
    QTest::newRow("edit cancel") << "edit" << opCancel << orOk << B << none << 2;
    QTest::newRow("edit delete") << "edit" << opDelete << orBusy << E << busy << 2;
    QTest::newRow("insert new") << "insert" << opNew << orBusy << I << busy << 2;
    QTest::newRow("insert save") << "insert" << opSave << orOk << B << none << 3;
    QTest::newRow("insert cancel") << "insert" << opCancel << orOk << B << none << 2;
    QTest::newRow("insert delete") << "insert" << opDelete << orBusy << I << busy << 2;
}

void TestRecordOperation::codeFromState() {
    QFETCH(QString, from);
    QFETCH(int, code);
    QFETCH(int, result);
    QFETCH(DataSetState, after);
    QFETCH(QStringList, shown);
    QFETCH(int, rows);

    Connection& c = m_dir->connection();
    if (from == QLatin1String("empty")) {
        Command del(QStringLiteral("del"), nullptr, &c);
        del.setSql(QStringLiteral("DELETE FROM TUscita"));
        del.execute();
    }
    if (from != QLatin1String("closed"))
        sessions().open();
    if (from == QLatin1String("edit")) {
        sessions().edit();
        sessions().setText(QStringLiteral("Note"), QStringLiteral("typed"));
    } else if (from == QLatin1String("insert")) {
        sessions().insert();
        sessions().setText(QStringLiteral("Note"), QStringLiteral("typed"));
    }

    ScriptedMessages messages;
    if (code == opDelete)
        messages.answerNext(MessageAnswer::Yes);
    int got = -1;
    try {
        got = OperationOnComponent(*m_module, code, QStringLiteral("ADOQ_Sessioni"));
    } catch (const EngineError&) {
        got = -1;
    }
    QCOMPARE(got, result);
    QCOMPARE(sessions().state(), after);
    QCOMPARE(messages.texts(), shown);
    for (const MessageRequest& r : messages.shown()) {
        QCOMPARE(r.caption,
                 r.text == kBusy ? QStringLiteral("Warning") : QStringLiteral("Confirm"));
        QCOMPARE(r.buttons, r.text == kBusy ? MessageButtons::Ok : MessageButtons::YesNo);
    }
    QCOMPARE(count(c, QStringLiteral("SELECT count(*) FROM TUscita")), rows);
    // A refused operation keeps what was typed.
    if (result == orBusy)
        QCOMPARE(sessions().displayText(QStringLiteral("Note")), QStringLiteral("typed"));
}

void TestRecordOperation::deleteAnsweredNo() {
    sessions().open();
    ScriptedMessages messages;
    messages.answerNext(MessageAnswer::No);
    QCOMPARE(RecordOperation(opDelete, sessions()), orOk);
    QCOMPARE(messages.texts(), QStringList{kConfirm});
    QCOMPARE(sessions().recordCount(), 2);
    QCOMPARE(count(m_dir->connection(), QStringLiteral("SELECT count(*) FROM TUscita")), 2);
}

void TestRecordOperation::saveWithBadDateKeepsTheRow() {
    sessions().open();
    PendingText box;
    sessions().addObserver(&box);
    ScriptedMessages messages;
    QCOMPARE(RecordOperation(opNew, sessions()), orOk);
    sessions().setText(QStringLiteral("Note"), QStringLiteral("notte di luna piena"));
    box.field = QStringLiteral("DataDa");
    box.text = QStringLiteral("05/13/2005");
    QCOMPARE(RecordOperation(opSave, sessions()), orConvertError);
    QCOMPARE(sessions().state(), DataSetState::Insert);
    QCOMPARE(sessions().displayText(QStringLiteral("Note")), QStringLiteral("notte di luna piena"));
    QVERIFY(messages.shown().isEmpty());
    box.text = QStringLiteral("05/12/2005");
    QCOMPARE(RecordOperation(opSave, sessions()), orOk);
    QVERIFY(sessions().value(QStringLiteral("Id_uscita")).toInt() > 0);
    sessions().removeObserver(&box);
}

void TestRecordOperation::saveRefusedByTheDatabase() {
    sessions().setSql(QStringLiteral("SELECT Id_uscita, Nm_lago FROM TUscita"));
    sessions().open();
    sessions().edit();
    sessions().setValue(QStringLiteral("Nm_lago"), 4242);
    QVERIFY_THROWS_EXCEPTION(EngineError, RecordOperation(opSave, sessions()));
    QCOMPARE(sessions().state(), DataSetState::Edit);
}

void TestRecordOperation::componentByExactName() {
    sessions().open();
    QVERIFY_THROWS_EXCEPTION(
        EngineError, OperationOnComponent(*m_module, opNew, QStringLiteral("adoq_sessioni")));
    QVERIFY_THROWS_EXCEPTION(
        EngineError, OperationOnComponent(*m_module, opNew, QStringLiteral("ADOC_OperazCarpisti")));
    QCOMPARE(sessions().state(), DataSetState::Browse);
}

void TestRecordOperation::executeCommand() {
    Connection& c = m_dir->connection();
    Command angler(QStringLiteral("a"), nullptr, &c);
    angler.setSql(QStringLiteral("INSERT INTO TPescatore (Ds_Pescatore) VALUES ('Marco')"));
    angler.execute();
    const int session = count(c, QStringLiteral("SELECT min(Id_uscita) FROM TUscita"));
    const int person = count(c, QStringLiteral("SELECT Id_Pescatore FROM TPescatore"));
    const QString links = QStringLiteral("SELECT count(*) FROM TUscitaPescatore");

    ScriptedMessages messages;
    ExecuteCommand(1, QStringLiteral("DM_Sessioni"), {session, person},
                   m_module->ADOC_OperazCarpisti);
    QCOMPARE(count(c, links), 1);
    ExecuteCommand(1, QStringLiteral("DM_Sessioni"), {session, person},
                   m_module->ADOC_OperazCarpisti);
    QCOMPARE(count(c, links), 1); // attaching twice is harmless
    ExecuteCommand(2, QStringLiteral("DM_Sessioni"), {session, person},
                   m_module->ADOC_OperazCarpisti);
    QCOMPARE(count(c, links), 0);
    QVERIFY(messages.shown().isEmpty());
    QVERIFY_THROWS_EXCEPTION(EngineError,
                             ExecuteCommand(1, QStringLiteral("DM_Sessioni"), {session, person, 3},
                                            m_module->ADOC_OperazCarpisti));
    // A missing key shows the query-text error, and nothing is run after it.
    ExecuteCommand(3, QStringLiteral("DM_Sessioni"), {}, m_module->ADOC_OperazCarpisti);
    QCOMPARE(messages.shown().size(), 1);
    QVERIFY(
        messages.shown().front().text.startsWith(QStringLiteral("ERRORE: impossibile trovare")));
}

QTEST_GUILESS_MAIN(TestRecordOperation)
#include "tst_recordoperation.moc"
