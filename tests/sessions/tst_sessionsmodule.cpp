// The sessions data module: the current session's key in every state, the counters, the
// detail refreshes and the angler commands, on the shipped qry.ini and schema.
#include "data/UDM_Connessione.h"
#include "data/U_DBUtils.h"
#include "engine/Command.h"
#include "engine/EngineError.h"
#include "sessions/UDM_Sessioni.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TestProgramDir.h"

#include <QTest>

class TestSessionsModule : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void emptyLogbook();
    void newSessionHasNoKeyUntilSaved();
    void detailRefreshes();
    void anglersMoveBetweenTheLists();
    void closedSessionsQuery();

private:
    std::unique_ptr<TestProgramDir> m_dir;
    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<TDM_Conn> m_conn;
    std::unique_ptr<TDM_Sessioni> m_module;
    void exec(const QString& sql);
};

void TestSessionsModule::init() {
    m_dir = std::make_unique<TestProgramDir>();
    m_messages = std::make_unique<ScriptedMessages>();
    m_conn = std::make_unique<TDM_Conn>();
    m_conn->DataModuleCreate();
    m_module = std::make_unique<TDM_Sessioni>(&m_conn->ADOConnection1);
}

void TestSessionsModule::cleanup() {
    m_module.reset();
    m_conn.reset();
    m_messages.reset();
    m_dir.reset();
}

void TestSessionsModule::exec(const QString& sql) {
    Command c(QStringLiteral("c"), nullptr, &m_conn->ADOConnection1);
    c.setSql(sql);
    c.execute();
}

void TestSessionsModule::emptyLogbook() {
    m_module->DataModuleCreate();
    QVERIFY(m_messages->shown().isEmpty());
    QCOMPARE(m_module->SessionCount(), 0);
    QCOMPARE(m_module->SessionRecNo(), -1);
    QCOMPARE(m_module->CurrentSessionId(), 0);
    // With session 0 the details open and have no rows.
    QCOMPARE(m_module->RefreshGroundbait(), 0);
    QCOMPARE(m_module->RefreshCatches(), 0);
    m_module->RefreshAnglers();
    QCOMPARE(m_module->ADOQ_SESSCarpisti.recordCount(), 0);
}

void TestSessionsModule::newSessionHasNoKeyUntilSaved() {
    exec(QStringLiteral("INSERT INTO TUscita (DataDa) VALUES ('2005-06-10')"));
    m_module->DataModuleCreate();
    QCOMPARE(m_module->CurrentSessionId(), 1);
    QCOMPARE(m_module->Operazione(opNew, QStringLiteral("ADOQ_Sessioni")), orOk);
    QCOMPARE(m_module->CurrentSessionId(), 0);
    QCOMPARE(m_module->SessionRecNo(), -1);
    QCOMPARE(m_module->SessionCount(), 1);
    m_module->ADOQ_Sessioni.setText(QStringLiteral("DataDa"), QStringLiteral("01/07/2006"));
    QCOMPARE(m_module->Operazione(opSave, QStringLiteral("ADOQ_Sessioni")), orOk);
    QCOMPARE(m_module->CurrentSessionId(), 2);
    QCOMPARE(m_module->SessionCount(), 2);
    QVERIFY_THROWS_EXCEPTION(EngineError,
                             m_module->Operazione(opNew, QStringLiteral("adoq_sessioni")));
}

void TestSessionsModule::detailRefreshes() {
    exec(QStringLiteral("INSERT INTO TUscita (DataDa) VALUES ('2005-06-10'), ('2005-07-01')"));
    exec(QStringLiteral("INSERT INTO TPastura (Nm_uscita, giorno) VALUES (1, 1), (1, 2)"));
    exec(QStringLiteral("INSERT INTO TPreda (Nm_uscita, Peso) VALUES (1, 12.5)"));
    m_module->DataModuleCreate();
    QCOMPARE(m_module->RefreshGroundbait(), 2);
    QCOMPARE(m_module->ADOQ_MAXGGPastura.value(0).toInt(), 2);
    QCOMPARE(m_module->RefreshCatches(), 1);
    m_module->ADOQ_Sessioni.next();
    // Nothing follows the move until a refresh runs.
    QCOMPARE(m_module->ADOQ_SESSPrede.recordCount(), 1);
    QCOMPARE(m_module->RefreshGroundbait(), 0);
    QCOMPARE(m_module->ADOQ_MAXGGPastura.recordCount(), 1);
    QVERIFY(m_module->ADOQ_MAXGGPastura.value(0).isNull());
    QCOMPARE(m_module->RefreshCatches(), 0);
}

void TestSessionsModule::anglersMoveBetweenTheLists() {
    exec(QStringLiteral("INSERT INTO TUscita (DataDa) VALUES ('2005-06-10')"));
    exec(QStringLiteral("INSERT INTO TPescatore (Ds_Pescatore) VALUES ('Marco'), ('Luca')"));
    m_module->DataModuleCreate();
    m_module->RefreshAnglers();
    QCOMPARE(m_module->ADOQ_ELCarpisti.recordCount(), 2);
    m_module->AnglerCommand(1, 2);
    m_module->RefreshAnglers();
    QCOMPARE(m_module->ADOQ_ELCarpisti.recordCount(), 1);
    QCOMPARE(m_module->ADOQ_SESSCarpisti.recordCount(), 1);
    QCOMPARE(m_module->ADOQ_SESSCarpisti.displayText(QStringLiteral("Ds_pescatore")),
             QStringLiteral("Luca"));
    m_module->AnglerCommand(2, 2);
    m_module->RefreshAnglers();
    QCOMPARE(m_module->ADOQ_ELCarpisti.recordCount(), 2);
    QCOMPARE(m_module->ADOQ_SESSCarpisti.recordCount(), 0);
}

void TestSessionsModule::closedSessionsQuery() {
    // Created without opening anything: the key is 0, the counters fail.
    QCOMPARE(m_module->CurrentSessionId(), 0);
    QVERIFY_THROWS_EXCEPTION(EngineError, m_module->SessionCount());
    QVERIFY_THROWS_EXCEPTION(EngineError, m_module->SessionRecNo());
}

QTEST_GUILESS_MAIN(TestSessionsModule)
#include "tst_sessionsmodule.moc"
