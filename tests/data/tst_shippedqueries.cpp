// The shipped qry.ini run on the shipped schema: every key present, the fields each query
// returns with their exact spellings and order, the updatable queries writing back, the
// angler commands, and what the database does when a row still in use is deleted.
#include "data/PrivateProfile.h"
#include "data/ShippedFiles.h"
#include "data/U_DBUtils.h"
#include "data/U_QFile.h"
#include "engine/Command.h"
#include "engine/EngineError.h"
#include "engine/Query.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/Sql.h"
#include "tests/support/TestProgramDir.h"

#include <QTest>

namespace {

void exec(Connection& c, const QString& sql) {
    execSql(c, sql);
}

int scalar(Connection& c, const QString& sql) {
    return firstValue(c, sql).toInt();
}

QStringList fieldNames(const Query& q) {
    QStringList names;
    for (int i = 0; i < q.fieldCount(); ++i)
        names << q.fieldInfo(i).name;
    return names;
}

} // namespace

class TestShippedQueries : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fields_data();
    void fields();
    void groundbaitColumnOrder();
    void catchColumnOrder();
    void highestDayIsNullWithoutDays();
    void sessionsInBrowsingOrder();
    void updatableQueriesWriteBack_data();
    void updatableQueriesWriteBack();
    void anglerCommands();
    void deletingASessionTakesItsRows();
    void deletingAnElementInUseIsRefused();
    void seasonsAreFixed();

private:
    std::unique_ptr<TestProgramDir> m_dir;
    std::unique_ptr<ScriptedMessages> m_messages;
    Connection& conn() { return m_dir->connection(); }
    std::unique_ptr<Query> open(const QString& section, const QString& key, const ParArr& params);
};

void TestShippedQueries::init() {
    m_dir = std::make_unique<TestProgramDir>();
    m_messages = std::make_unique<ScriptedMessages>();
    exec(conn(), QStringLiteral("INSERT INTO TLago (Ds_desc) VALUES ('Lago di Bolsena')"));
    exec(conn(),
         QStringLiteral("INSERT INTO TPescatore (Ds_Pescatore) VALUES ('Marco'), ('Luca')"));
    exec(conn(), QStringLiteral("INSERT INTO TUscita (DataDa, DataA, Nm_lago, Nm_Stagione) VALUES "
                                "('2005-06-10', '2005-06-12', 1, 2), ('2004-09-01', NULL, 1, 3)"));
    exec(conn(), QStringLiteral("INSERT INTO TUscitaPescatore VALUES (1, 1)"));
    exec(conn(), QStringLiteral("INSERT INTO TPastura (Nm_uscita, giorno, Nm_pastura1, q_pastura1) "
                                "VALUES (1, 1, 1, 2.5), (1, 2, 2, 3)"));
    exec(conn(), QStringLiteral("INSERT INTO TPreda (Nm_uscita, Data, Peso, Nm_Pescatore, Ds_tipo) "
                                "VALUES (1, '2005-06-11', 14.3, 1, 'Regina')"));
    exec(conn(), QStringLiteral("INSERT INTO TReportage (Nm_uscita, Ds_commento, Ds_percorso) "
                                "VALUES (1, 'Alba sul lago', '/foto/alba.jpg')"));
}

void TestShippedQueries::cleanup() {
    m_messages.reset();
    m_dir.reset();
}

std::unique_ptr<Query> TestShippedQueries::open(const QString& section, const QString& key,
                                                const ParArr& params) {
    auto q = std::make_unique<Query>(key, nullptr, &conn());
    q->setSql(ReadQueryText(section, key));
    ReopenQuery(params, *q);
    return q;
}

void TestShippedQueries::fields_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("hasParam");
    QTest::addColumn<QStringList>("names"); // spelled exactly, in this order
    const QString S = QStringLiteral("DM_Sessioni"), E = QStringLiteral("DM_Elenco");
    auto row = [&](const QString& sec, const char* key, bool p, const QStringList& n) {
        QTest::addRow("%s %s", qPrintable(sec), key) << sec << QString::fromLatin1(key) << p << n;
    };
    row(S, "ADOQ_Sessioni", false,
        {"Id_uscita", "DataDa", "DataA", "Nm_TipoUscita", "Nm_lago", "Nm_temp", "Nm_TempAcqua",
         "Nm_ProfRilev", "Nm_luna", "Nm_Stagione", "Note"});
    row(S, "ADOQ_Lago", false, {"Id_lago", "Ds_desc"});
    row(S, "ADOQ_SESSCarpisti", true, {"Id_Pescatore", "Ds_pescatore"});
    row(S, "ADOQ_ELCarpisti", true, {"Id_Pescatore", "Ds_Pescatore"});
    row(S, "ADOQ_Tipovento", false, {"Id_tipovento", "ds_tipovento"});
    row(S, "ADOQ_ELPastura", false, {"Id_tppastura", "Ds_tipopastura"});
    row(S, "ADOQ_Esche", false, {"Id_Esca", "Ds_Esca"});
    row(S, "ADOQ_Innesco", false, {"Id_innesco", "Ds_innesco"});
    row(S, "ADOQ_Montature", false, {"Id_Montatura", "DS_Montatura"});
    row(S, "ADOQ_TipoCondMeteo", false, {"Id_Condmeteo", "Ds_Condmeteo"});
    row(S, "ADOQ_TipoSessione", false, {"Id_TipoSessione", "Ds_TipoSessione"});
    row(S, "ADOQ_Orario", false, {"Id_Orario", "Ds_Orario"});
    row(S, "ADOQ_Luna", false, {"Id_luna", "Ds_luna"});
    row(E, "ADOQ_Lago", false, {"Id_lago", "Ds_desc"});
    row(E, "ADOQ_Carpisti", false, {"Id_Pescatore", "Ds_Pescatore"});
    row(E, "ADOQ_tipovento", false, {"Id_tipovento", "ds_tipovento"});
    row(E, "ADOQ_Tipopastura", false, {"Id_tppastura", "Ds_tipopastura"});
    row(E, "ADOQ_Esca", false, {"Id_Esca", "Ds_esca"});
    row(E, "ADOQ_Innesco", false, {"Id_innesco", "Ds_innesco"});
    row(E, "ADOQ_Montature", false, {"Id_Montatura", "Ds_montatura"});
    row(E, "ADOQ_TipoCondMeteo", false, {"Id_Condmeteo", "Ds_Condmeteo"});
    row(E, "ADOQ_TipoSessione", false, {"Id_TipoSessione", "Ds_TipoSessione"});
    row(QStringLiteral("DM_Reportage"), "ADOQ_Reportage", true,
        {"Id_reportage", "Nm_uscita", "Ds_commento", "Ds_percorso"});
}

void TestShippedQueries::fields() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(bool, hasParam);
    QFETCH(QStringList, names);
    auto q = open(section, key, hasParam ? ParArr{1} : ParArr{});
    QVERIFY(m_messages->shown().isEmpty());
    QCOMPARE(fieldNames(*q), names);
    QVERIFY(q->recordCount() > 0);
}

void TestShippedQueries::groundbaitColumnOrder() {
    auto q = open(QStringLiteral("DM_Sessioni"), QStringLiteral("ADOQ_SESSPastura"), {1});
    QCOMPARE(q->fieldCount(), 9);
    QCOMPARE(q->fieldInfo(0).originColumn, QStringLiteral("Id_pastura"));
    QCOMPARE(fieldNames(*q).mid(1),
             QStringList({"Nm_uscita", "giorno", "Nm_pastura1", "q_pastura1", "Nm_pastura2",
                          "q_pastura2", "Nm_pastura3", "q_pastura3"}));
    QCOMPARE(q->recordCount(), 2);
    QCOMPARE(q->displayText(QStringLiteral("q_pastura1")), QStringLiteral("2,5"));
}

void TestShippedQueries::catchColumnOrder() {
    auto q = open(QStringLiteral("DM_Sessioni"), QStringLiteral("ADOQ_SESSPrede"), {1});
    QCOMPARE(q->fieldCount(), 15);
    QCOMPARE(q->fieldInfo(0).originColumn, QStringLiteral("Id_preda"));
    QCOMPARE(fieldNames(*q).mid(1, 5),
             QStringList({"Nm_uscita", "Data", "Nm_Ora", "Ds_tipo", "Peso"}));
    QStringList rest = fieldNames(*q).mid(6);
    rest.sort();
    QStringList expected{"Nm_Pescatore",   "Nm_Esca",         "Nm_innesco",
                         "Nm_montatura",   "Profondita",      "Nm_CondMeteo",
                         "Nm_Vento_direz", "Ds_Vento_intens", "Foto"};
    expected.sort();
    QCOMPARE(rest, expected);
    QCOMPARE(q->displayText(QStringLiteral("Data")), QStringLiteral("11/06/2005"));
}

void TestShippedQueries::highestDayIsNullWithoutDays() {
    auto q = open(QStringLiteral("DM_Sessioni"), QStringLiteral("ADOQ_MAXGGPastura"), {2});
    QCOMPARE(q->recordCount(), 1);
    QVERIFY(q->value(0).isNull());
    ReopenQuery({1}, *q);
    QCOMPARE(q->value(0).toInt(), 2);
    ReopenQuery({0}, *q);
    QVERIFY(q->value(0).isNull());
}

void TestShippedQueries::sessionsInBrowsingOrder() {
    exec(conn(), QStringLiteral("INSERT INTO TUscita (DataDa) VALUES ('2005-06-10')"));
    auto q = open(QStringLiteral("DM_Sessioni"), QStringLiteral("ADOQ_Sessioni"), {});
    QList<int> keys;
    for (q->first(); keys.size() < q->recordCount(); q->next())
        keys << q->value(0).toInt();
    QCOMPARE(keys, QList<int>({2, 1, 3})); // by start date, then key
}

void TestShippedQueries::updatableQueriesWriteBack_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("perSession");
    const QString S = QStringLiteral("DM_Sessioni"), E = QStringLiteral("DM_Elenco");
    QTest::newRow("sessions") << S << "ADOQ_Sessioni"
                              << "DataDa"
                              << "01/05/2006" << false;
    QTest::newRow("groundbait") << S << "ADOQ_SESSPastura"
                                << "q_pastura1"
                                << "4,5" << true;
    QTest::newRow("catches") << S << "ADOQ_SESSPrede"
                             << "Peso"
                             << "18,25" << true;
    QTest::newRow("reportage") << "DM_Reportage"
                               << "ADOQ_Reportage"
                               << "Ds_commento"
                               << "Tramonto" << true;
    const char* lists[][2] = {{"ADOQ_Lago", "Ds_desc"},
                              {"ADOQ_Carpisti", "Ds_Pescatore"},
                              {"ADOQ_tipovento", "ds_tipovento"},
                              {"ADOQ_Tipopastura", "Ds_tipopastura"},
                              {"ADOQ_Esca", "Ds_esca"},
                              {"ADOQ_Innesco", "Ds_innesco"},
                              {"ADOQ_Montature", "Ds_montatura"},
                              {"ADOQ_TipoCondMeteo", "Ds_Condmeteo"},
                              {"ADOQ_TipoSessione", "Ds_TipoSessione"}};
    for (auto& l : lists)
        QTest::addRow("list %s", l[0]) << E << l[0] << l[1] << "Nuovo elemento" << false;
}

void TestShippedQueries::updatableQueriesWriteBack() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, perSession);
    auto q = open(section, key, perSession ? ParArr{1} : ParArr{});
    const int before = q->recordCount();
    QCOMPARE(RecordOperation(opNew, *q), orOk);
    if (perSession)
        q->setValue(QStringLiteral("Nm_uscita"), 1);
    q->setText(field, typed);
    QCOMPARE(RecordOperation(opSave, *q), orOk);
    QVERIFY(q->value(0).toInt() > 0); // the key, read back at once
    ReopenQuery(perSession ? ParArr{1} : ParArr{}, *q);
    QCOMPARE(q->recordCount(), before + 1);
    bool found = false;
    for (q->first(); !found; q->next()) {
        found = q->displayText(field) == typed;
        if (q->eof())
            break;
    }
    QVERIFY(found);
    m_messages->answerNext(MessageAnswer::Yes);
    QCOMPARE(RecordOperation(opDelete, *q), orOk);
    QCOMPARE(q->recordCount(), before);
}

void TestShippedQueries::anglerCommands() {
    auto taking = open(QStringLiteral("DM_Sessioni"), QStringLiteral("ADOQ_SESSCarpisti"), {1});
    auto others = open(QStringLiteral("DM_Sessioni"), QStringLiteral("ADOQ_ELCarpisti"), {1});
    QCOMPARE(taking->recordCount(), 1);
    QCOMPARE(others->displayText(QStringLiteral("Ds_Pescatore")), QStringLiteral("Luca"));
    Command command(QStringLiteral("ADOC_OperazCarpisti"), nullptr, &conn());
    ExecuteCommand(1, QStringLiteral("DM_Sessioni"), {1, 2}, command);
    ReopenQuery({1}, *taking);
    ReopenQuery({1}, *others);
    QCOMPARE(taking->recordCount(), 2);
    QCOMPARE(others->recordCount(), 0);
    ExecuteCommand(2, QStringLiteral("DM_Sessioni"), {1, 2}, command);
    ReopenQuery({1}, *taking);
    ReopenQuery({1}, *others);
    QCOMPARE(taking->recordCount(), 1);
    QCOMPARE(others->recordCount(), 1);
    QVERIFY(m_messages->shown().isEmpty());
}

void TestShippedQueries::deletingASessionTakesItsRows() {
    auto sessions = open(QStringLiteral("DM_Sessioni"), QStringLiteral("ADOQ_Sessioni"), {});
    sessions->last(); // session 1, the later one
    QCOMPARE(sessions->value(0).toInt(), 1);
    m_messages->answerNext(MessageAnswer::Yes);
    QCOMPARE(RecordOperation(opDelete, *sessions), orOk);
    for (const char* table : {"TPreda", "TPastura", "TReportage", "TUscitaPescatore"})
        QCOMPARE(
            scalar(conn(), QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table))), 0);
    QCOMPARE(scalar(conn(), QStringLiteral("SELECT count(*) FROM TPescatore")), 2);
}

void TestShippedQueries::deletingAnElementInUseIsRefused() {
    auto lakes = open(QStringLiteral("DM_Elenco"), QStringLiteral("ADOQ_Lago"), {});
    try {
        m_messages->answerNext(MessageAnswer::Yes);
        RecordOperation(opDelete, *lakes);
        QFAIL("a lake in use was deleted");
    } catch (const EngineError& e) {
        QCOMPARE(e.message(), QStringLiteral("L'elemento è ancora usato in una o più uscite o "
                                             "prede: non può essere eliminato."));
    }
    QCOMPARE(lakes->recordCount(), 1);
    QCOMPARE(scalar(conn(), QStringLiteral("SELECT count(*) FROM TLago")), 1);
    // An element nobody uses goes.
    auto anglers = open(QStringLiteral("DM_Elenco"), QStringLiteral("ADOQ_Carpisti"), {});
    anglers->first(); // in the order of the names
    QCOMPARE(anglers->displayText(1), QStringLiteral("Luca"));
    m_messages->answerNext(MessageAnswer::Yes);
    QCOMPARE(RecordOperation(opDelete, *anglers), orOk);
    QCOMPARE(anglers->recordCount(), 1);
}

void TestShippedQueries::seasonsAreFixed() {
    Query q(QStringLiteral("q"), nullptr, &conn());
    q.setSql(QStringLiteral("SELECT Id_stagione, Ds_stagione FROM TStagioni ORDER BY 1"));
    q.open();
    QStringList seasons;
    for (; seasons.size() < q.recordCount(); q.next())
        seasons << QStringLiteral("%1 %2").arg(q.value(0).toInt()).arg(q.displayText(1));
    QCOMPARE(seasons, QStringList({"1 Primavera", "2 Estate", "3 Autunno", "4 Inverno"}));
    QCOMPARE(scalar(conn(), QStringLiteral("SELECT count(*) FROM TLago")),
             1); // only this fixture's
    TestProgramDir fresh;
    Connection c;
    c.openFile(fresh.databasePath());
    QCOMPARE(scalar(c, QStringLiteral("SELECT count(*) FROM TLago")), 0);
    QCOMPARE(scalar(c, QStringLiteral("SELECT count(*) FROM TPescatore")), 0);
    for (const char* t : {"TTipovento", "TTipoPastura", "TEsca", "TInnesco", "TMontatura",
                          "TTipoCondMeteo", "TTipoSessione", "TLuna", "TOrario"})
        QVERIFY(scalar(c, QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(t))) > 3);
}

QTEST_GUILESS_MAIN(TestShippedQueries)
#include "tst_shippedqueries.moc"
