// The dataset: states and what every operation does from every state, moves that post
// first, write-back to the origin table, parameters and observers. Real SQLite files only.
#include "engine/Command.h"
#include "engine/DataSetObserver.h"
#include "engine/EngineError.h"
#include "engine/Query.h"
#include "tests/support/Sql.h"
#include "tests/support/TestProgramDir.h"
#include "widgets/DataSource.h"

#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <map>

namespace {

int scalar(Connection& c, const QString& sql) {
    return firstValue(c, sql).toInt();
}

void exec(Connection& c, const QString& sql) {
    execSql(c, sql);
}

struct Recorder : DataSetObserver {
    QList<DataSetEvent> events;
    std::function<void()> onEvent; // run at each event, after recording it
    void dataSetEvent(Query&, DataSetEvent e, int) override {
        events << e;
        if (onEvent)
            onEvent();
    }
};

} // namespace

Q_DECLARE_METATYPE(DataSetState)

class TestQuery : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void operationFromState_data();
    void operationFromState();
    void countsAndPositions();
    void moveStopsWhenPostFails();
    void insertReadsKeyBackAtOnce();
    void failedRereadStoresNothing();
    void requeryKeepsTheSavedRowCurrent();
    void editWritesOnlyTheOriginTable();
    void typedTextConversion();
    void deleteKeepsAPositionInRange();
    void fieldsByNameAndPosition();
    void knownShapesFollowTheSchema();
    void parameters();
    void observersAreTold();
    void observerLeavingWhileTold();
    void queryDestroyedBeforeItsDataSource();
    void bofAndEofAfterEachOperation_data();
    void bofAndEofAfterEachOperation();

private:
    std::unique_ptr<TestProgramDir> m_dir;
    std::unique_ptr<Query> m_lakes;
    void openLakes();
};

void TestQuery::init() {
    m_dir = std::make_unique<TestProgramDir>(TestProgramDir::DatabaseOnly);
    exec(
        m_dir->connection(),
        QStringLiteral("INSERT INTO TLago (Ds_desc) VALUES ('Bolsena'), ('Trasimeno'), ('Garda')"));
    m_lakes = std::make_unique<Query>(QStringLiteral("ADOQ_Lago"), nullptr, &m_dir->connection());
    m_lakes->setSql(QStringLiteral("SELECT Id_lago, Ds_desc FROM TLago ORDER BY Id_lago"));
}

void TestQuery::cleanup() {
    m_lakes.reset();
    m_dir.reset();
}

void TestQuery::openLakes() {
    m_lakes->open();
}

void TestQuery::operationFromState_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("op");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<DataSetState>("after");
    QTest::addColumn<int>("rowsInTable");
    QTest::addColumn<int>("rowsWithX"); // rows whose description is the typed "X"

    const auto C = DataSetState::Closed, B = DataSetState::Browse, E = DataSetState::Edit,
               I = DataSetState::Insert;
    struct Case {
        const char* from;
        const char* op;
        bool fails;
        DataSetState after;
        int rows;
        int withX;
    };
    const Case cases[] = {
        {"closed", "open", false, B, 3, 0},   {"closed", "close", false, C, 3, 0},
        {"closed", "insert", true, C, 3, 0},  {"closed", "edit", true, C, 3, 0},
        {"closed", "post", true, C, 3, 0},    {"closed", "cancel", false, C, 3, 0},
        {"closed", "remove", true, C, 3, 0},  {"closed", "next", true, C, 3, 0},
        {"browse", "open", false, B, 3, 0},   {"browse", "close", false, C, 3, 0},
        {"browse", "insert", false, I, 3, 0}, {"browse", "edit", false, E, 3, 0},
        {"browse", "post", true, B, 3, 0},    {"browse", "cancel", false, B, 3, 0},
        {"browse", "remove", false, B, 2, 0}, {"browse", "next", false, B, 3, 0},
        {"empty", "insert", false, I, 0, 0},  {"empty", "edit", false, I, 0, 0},
        {"empty", "remove", true, B, 0, 0},   {"empty", "next", false, B, 0, 0},
        {"empty", "post", true, B, 0, 0},     {"edit", "open", false, E, 3, 0},
        {"edit", "close", false, C, 3, 0},    {"edit", "insert", false, I, 3, 1},
        {"edit", "edit", false, E, 3, 0},     {"edit", "post", false, B, 3, 1},
        {"edit", "cancel", false, B, 3, 0},   {"edit", "remove", false, B, 2, 0},
        {"edit", "next", false, B, 3, 1},     {"insert", "close", false, C, 3, 0},
        {"insert", "insert", false, I, 4, 1}, {"insert", "post", false, B, 4, 1},
        {"insert", "cancel", false, B, 3, 0}, {"insert", "remove", false, B, 3, 0},
        {"insert", "next", false, B, 4, 1},   {"insert", "edit", false, I, 3, 0},
    };
    for (const Case& c : cases)
        QTest::addRow("%s %s", c.from, c.op)
            << QString::fromLatin1(c.from) << QString::fromLatin1(c.op) << c.fails << c.after
            << c.rows << c.withX;
}

void TestQuery::operationFromState() {
    QFETCH(QString, from);
    QFETCH(QString, op);
    QFETCH(bool, fails);
    QFETCH(DataSetState, after);
    QFETCH(int, rowsInTable);
    QFETCH(int, rowsWithX);

    Connection& c = m_dir->connection();
    if (from == QLatin1String("empty"))
        exec(c, QStringLiteral("DELETE FROM TLago"));
    if (from != QLatin1String("closed"))
        openLakes();
    if (from == QLatin1String("edit")) {
        m_lakes->edit();
        m_lakes->setText(QStringLiteral("Ds_desc"), QStringLiteral("X"));
    } else if (from == QLatin1String("insert")) {
        m_lakes->insert();
        m_lakes->setText(QStringLiteral("Ds_desc"), QStringLiteral("X"));
    }

    bool failed = false;
    try {
        if (op == QLatin1String("open"))
            m_lakes->open();
        else if (op == QLatin1String("close"))
            m_lakes->close();
        else if (op == QLatin1String("insert"))
            m_lakes->insert();
        else if (op == QLatin1String("edit"))
            m_lakes->edit();
        else if (op == QLatin1String("post"))
            m_lakes->post();
        else if (op == QLatin1String("cancel"))
            m_lakes->cancel();
        else if (op == QLatin1String("remove"))
            m_lakes->remove();
        else if (op == QLatin1String("next"))
            m_lakes->next();
    } catch (const EngineError&) {
        failed = true;
    }
    QCOMPARE(failed, fails);
    QCOMPARE(m_lakes->state(), after);
    QCOMPARE(scalar(c, QStringLiteral("SELECT count(*) FROM TLago")), rowsInTable);
    QCOMPARE(scalar(c, QStringLiteral("SELECT count(*) FROM TLago WHERE Ds_desc = 'X'")),
             rowsWithX);
}

void TestQuery::countsAndPositions() {
    openLakes();
    QCOMPARE(m_lakes->recordCount(), 3);
    QCOMPARE(m_lakes->recNo(), 1);
    QVERIFY(m_lakes->bof());
    m_lakes->last();
    QCOMPARE(m_lakes->recNo(), 3);
    QVERIFY(m_lakes->eof());
    m_lakes->next();
    QCOMPARE(m_lakes->recNo(), 3);
    m_lakes->prior();
    QCOMPARE(m_lakes->recNo(), 2);
    // A row being inserted is not counted and has no number; it sits at the current position.
    m_lakes->insert();
    QCOMPARE(m_lakes->recordCount(), 3);
    QCOMPARE(m_lakes->recNo(), -1);
    m_lakes->cancel();
    QCOMPARE(m_lakes->recNo(), 2);
    QCOMPARE(m_lakes->displayText(QStringLiteral("Ds_desc")), QStringLiteral("Trasimeno"));
    m_lakes->close();
    QVERIFY_THROWS_EXCEPTION(EngineError, m_lakes->recordCount());
    QVERIFY_THROWS_EXCEPTION(EngineError, m_lakes->recNo());

    exec(m_dir->connection(), QStringLiteral("DELETE FROM TLago"));
    openLakes();
    QCOMPARE(m_lakes->recordCount(), 0);
    QCOMPARE(m_lakes->recNo(), -1);
    QVERIFY(m_lakes->value(0).isNull());
}

void TestQuery::failedRereadStoresNothing() {
    // A trigger moves every new row to another key, so the row just written cannot be read
    // back: the write is undone with it, and a second save cannot store the row twice.
    exec(m_dir->connection(),
         QStringLiteral("CREATE TABLE TX (id INTEGER PRIMARY KEY, name TEXT)"));
    exec(m_dir->connection(),
         QStringLiteral("CREATE TRIGGER move AFTER INSERT ON TX BEGIN "
                        "UPDATE TX SET id = NEW.id + 1000 WHERE id = NEW.id; END"));
    Query q(QStringLiteral("q"), nullptr, &m_dir->connection());
    q.setSql(QStringLiteral("SELECT id, name FROM TX"));
    q.open();
    q.insert();
    q.setText(QStringLiteral("name"), QStringLiteral("carpa"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        QVERIFY_THROWS_EXCEPTION(EngineError, q.post());
        QCOMPARE(q.state(), DataSetState::Insert);
        QCOMPARE(firstValue(m_dir->connection(), QStringLiteral("SELECT count(*) FROM TX")).toInt(),
                 0);
    }
}

void TestQuery::requeryKeepsTheSavedRowCurrent() {
    m_lakes->setSql(QStringLiteral("SELECT Id_lago, Ds_desc FROM TLago ORDER BY Ds_desc"));
    m_lakes->open();
    m_lakes->insert();
    m_lakes->setText(QStringLiteral("Ds_desc"), QStringLiteral("Como"));
    m_lakes->post();
    m_lakes->requery();
    QCOMPARE(m_lakes->recNo(), 2); // Bolsena, Como, Garda, Trasimeno
    QCOMPARE(m_lakes->displayText(QStringLiteral("Ds_desc")), QStringLiteral("Como"));
    QVERIFY(!m_lakes->bof() && !m_lakes->eof());
}

void TestQuery::moveStopsWhenPostFails() {
    exec(m_dir->connection(),
         QStringLiteral("INSERT INTO TUscita (DataDa) VALUES ('2005-03-05'), ('2005-04-01')"));
    Query sessions(QStringLiteral("ADOQ_Sessioni"), nullptr, &m_dir->connection());
    sessions.setSql(
        QStringLiteral("SELECT Id_uscita, DataDa, Nm_lago FROM TUscita ORDER BY DataDa"));
    sessions.open();
    sessions.edit();
    sessions.setValue(QStringLiteral("Nm_lago"), 999); // no such lake
    for (auto move : {&Query::next, &Query::last, &Query::first, &Query::prior}) {
        try {
            (sessions.*move)();
            QFAIL("moved");
        } catch (const ConversionError&) {
            QFAIL("a refused row is not a conversion error");
        } catch (const EngineError& e) {
            QVERIFY2(e.message().startsWith(QStringLiteral("Il valore scelto non esiste più")),
                     qPrintable(e.message()));
        }
        QCOMPARE(sessions.recNo(), 1);
        QCOMPARE(sessions.state(), DataSetState::Edit);
        QCOMPARE(sessions.value(QStringLiteral("Nm_lago")).toInt(), 999);
    }
    sessions.setValue(QStringLiteral("Nm_lago"), QVariant());
    sessions.next();
    QCOMPARE(sessions.recNo(), 2);
    QCOMPARE(sessions.state(), DataSetState::Browse);
}

void TestQuery::insertReadsKeyBackAtOnce() {
    Query sessions(QStringLiteral("ADOQ_Sessioni"), nullptr, &m_dir->connection());
    sessions.setSql(QStringLiteral("SELECT Id_uscita, DataDa, Nm_temp, Note FROM TUscita"));
    sessions.open();
    sessions.insert();
    QVERIFY(sessions.value(QStringLiteral("Id_uscita")).isNull());
    sessions.setText(QStringLiteral("DataDa"), QStringLiteral("5/3/2005"));
    sessions.setText(QStringLiteral("Nm_temp"), QStringLiteral("12,5"));
    sessions.post();
    const int key = sessions.value(QStringLiteral("id_USCITA")).toInt();
    QVERIFY(key > 0);
    QCOMPARE(key,
             scalar(m_dir->connection(), QStringLiteral("SELECT max(Id_uscita) FROM TUscita")));
    QCOMPARE(sessions.recNo(), 1);
    QCOMPARE(sessions.value(QStringLiteral("DataDa")).toDate(), QDate(2005, 3, 5));
    Query stored(QStringLiteral("s"), nullptr, &m_dir->connection());
    stored.setSql(QStringLiteral("SELECT DataDa, Nm_temp FROM TUscita"));
    stored.open();
    QCOMPARE(stored.value(0).toString(), QStringLiteral("2005-03-05"));
    QCOMPARE(stored.value(1).toDouble(), 12.5);
}

void TestQuery::editWritesOnlyTheOriginTable() {
    Connection& c = m_dir->connection();
    exec(c, QStringLiteral("INSERT INTO TUscita (DataDa, Nm_lago) VALUES ('2005-03-05', 1)"));
    Query q(QStringLiteral("q"), nullptr, &c);
    q.setSql(QStringLiteral("SELECT U.Id_uscita, U.Note, L.Ds_desc AS Lago FROM TUscita AS U "
                            "INNER JOIN TLago AS L ON L.Id_lago = U.Nm_lago"));
    q.open();
    QCOMPARE(q.displayText(QStringLiteral("Lago")), QStringLiteral("Bolsena"));
    q.edit();
    q.setText(QStringLiteral("Note"), QStringLiteral("Vento forte da nord"));
    q.setText(QStringLiteral("Lago"), QStringLiteral("non scritto"));
    q.post();
    QCOMPARE(scalar(c, QStringLiteral(
                           "SELECT count(*) FROM TUscita WHERE Note = 'Vento forte da nord'")),
             1);
    QCOMPARE(scalar(c, QStringLiteral("SELECT count(*) FROM TLago WHERE Ds_desc = 'Bolsena'")), 1);
}

void TestQuery::typedTextConversion() {
    Query sessions(QStringLiteral("q"), nullptr, &m_dir->connection());
    sessions.setSql(QStringLiteral("SELECT Id_uscita, DataDa, Nm_temp FROM TUscita"));
    sessions.open();
    sessions.insert();
    sessions.setText(QStringLiteral("DataDa"), QStringLiteral("05/03/2005"));
    QVERIFY_THROWS_EXCEPTION(
        ConversionError, sessions.setText(QStringLiteral("DataDa"), QStringLiteral("31/02/2004")));
    QVERIFY_THROWS_EXCEPTION(ConversionError,
                             sessions.setText(QStringLiteral("Nm_temp"), QStringLiteral("-")));
    // A refused text leaves the value as it was.
    QCOMPARE(sessions.displayText(QStringLiteral("DataDa")), QStringLiteral("05/03/2005"));
    sessions.setText(QStringLiteral("DataDa"), QString());
    QVERIFY(sessions.value(QStringLiteral("DataDa")).isNull());
    QVERIFY(sessions.acceptsChar(2, QLatin1Char(',')));
    QVERIFY(!sessions.acceptsChar(2, QLatin1Char('a')));
    QVERIFY(sessions.acceptsChar(1, QLatin1Char('a')));
}

void TestQuery::deleteKeepsAPositionInRange() {
    openLakes();
    m_lakes->last();
    m_lakes->remove();
    QCOMPARE(m_lakes->recordCount(), 2);
    QCOMPARE(m_lakes->recNo(), 2);
    QCOMPARE(m_lakes->displayText(1), QStringLiteral("Trasimeno"));
    m_lakes->first();
    m_lakes->remove();
    QCOMPARE(m_lakes->recNo(), 1);
    QCOMPARE(m_lakes->displayText(1), QStringLiteral("Trasimeno"));
    m_lakes->remove();
    QCOMPARE(m_lakes->recNo(), -1);
    QVERIFY_THROWS_EXCEPTION(EngineError, m_lakes->remove());
}

void TestQuery::fieldsByNameAndPosition() {
    m_lakes->setSql(QStringLiteral("SELECT id_LAGO, ds_desc, Ds_desc AS Descrizione FROM TLago"));
    openLakes();
    // An unaliased column comes back under its declared spelling.
    QCOMPARE(m_lakes->fieldInfo(0).name, QStringLiteral("Id_lago"));
    QCOMPARE(m_lakes->fieldInfo(1).name, QStringLiteral("Ds_desc"));
    QCOMPARE(m_lakes->fieldInfo(2).name, QStringLiteral("Descrizione"));
    QCOMPARE(m_lakes->fieldInfo(2).originColumn, QStringLiteral("Ds_desc"));
    QCOMPARE(m_lakes->fieldIndex(QStringLiteral("DS_DESC")), 1);
    QCOMPARE(m_lakes->fieldIndex(QStringLiteral("nessuno")), -1);
    QCOMPARE(m_lakes->value(2), m_lakes->value(1));
    try {
        m_lakes->value(QStringLiteral("nessuno"));
        QFAIL("found");
    } catch (const EngineError& e) {
        QCOMPARE(e.message(), QStringLiteral("Il dataset 'ADOQ_Lago' non ha un campo 'nessuno'."));
    }
    QVERIFY_THROWS_EXCEPTION(EngineError, m_lakes->value(3));
}

// What is known of a query's columns is kept between opens, yet a column added on this
// connection or on another one shows at the next open, and a save writes the right columns.
void TestQuery::knownShapesFollowTheSchema() {
    m_lakes->setSql(QStringLiteral("SELECT * FROM TLago ORDER BY Id_lago"));
    openLakes();
    const int before = m_lakes->fieldCount();
    m_lakes->close();
    exec(m_dir->connection(), QStringLiteral("ALTER TABLE TLago ADD COLUMN Zona TEXT"));
    openLakes();
    QCOMPARE(m_lakes->fieldCount(), before + 1);
    QCOMPARE(m_lakes->fieldInfo(before).name, QStringLiteral("Zona"));
    m_lakes->close();
    {
        Connection other;
        other.openFile(m_dir->databasePath());
        execSql(other, QStringLiteral("ALTER TABLE TLago ADD COLUMN Quota REAL"));
    }
    openLakes();
    QCOMPARE(m_lakes->fieldCount(), before + 2);
    QCOMPARE(m_lakes->fieldInfo(before + 1).name, QStringLiteral("Quota"));
    m_lakes->edit();
    m_lakes->setValue(QStringLiteral("Zona"), QStringLiteral("Nord"));
    m_lakes->post();
    QCOMPARE(firstValue(m_dir->connection(),
                        QStringLiteral("SELECT Zona FROM TLago WHERE Ds_desc = 'Bolsena'"))
                 .toString(),
             QStringLiteral("Nord"));
}

void TestQuery::parameters() {
    Query q(QStringLiteral("q"), nullptr, &m_dir->connection());
    q.setSql(QStringLiteral("SELECT Ds_desc FROM TLago WHERE Id_lago = :lago OR Id_lago = ?"));
    QVERIFY_THROWS_EXCEPTION(EngineError, q.setParams({1, 2, 3}));
    q.setParams({3}); // one value for two parameters: opening fails
    QVERIFY_THROWS_EXCEPTION(EngineError, q.open());
    QVERIFY(!q.isOpen());
    q.setParams({3, 1}); // element i to the i-th parameter; names play no part
    q.open();
    QCOMPARE(q.recordCount(), 2);
    q.close();
    q.open(); // the values survive close and reopen
    QCOMPARE(q.recordCount(), 2);
    q.setSql(QStringLiteral("SELECT Ds_desc FROM TLago WHERE Id_lago = ?"));
    QVERIFY(q.params().empty());
    // A trailing comment is no second statement; a second statement is refused.
    q.setSql(QStringLiteral("SELECT Ds_desc FROM TLago; -- i laghi"));
    q.open();
    QCOMPARE(q.recordCount(), 3);
    q.setSql(QStringLiteral("SELECT Ds_desc FROM TLago; DELETE FROM TLago"));
    QVERIFY_THROWS_EXCEPTION(EngineError, q.open());
    QCOMPARE(scalar(m_dir->connection(), QStringLiteral("SELECT count(*) FROM TLago")), 3);
    // A text that cannot be prepared takes its values; opening reports the text.
    q.setSql(QStringLiteral("0"));
    q.setParams({1});
    QVERIFY_THROWS_EXCEPTION(EngineError, q.open());
}

void TestQuery::observersAreTold() {
    Recorder r;
    m_lakes->addObserver(&r);
    openLakes();
    m_lakes->next();
    m_lakes->edit();
    m_lakes->setText(1, QStringLiteral("Lago di Bolsena"));
    m_lakes->post();
    m_lakes->close();
    QVERIFY(r.events.contains(DataSetEvent::Opened));
    QVERIFY(r.events.contains(DataSetEvent::CurrentRowChanged));
    QVERIFY(r.events.contains(DataSetEvent::FieldChanged));
    QVERIFY(r.events.contains(DataSetEvent::BeforePost));
    QVERIFY(r.events.indexOf(DataSetEvent::BeforePost) <
            r.events.lastIndexOf(DataSetEvent::StateChanged));
    QCOMPARE(r.events.last(), DataSetEvent::Closed);
    m_lakes->removeObserver(&r);
    r.events.clear();
    openLakes();
    QVERIFY(r.events.isEmpty());
}

void TestQuery::observerLeavingWhileTold() {
    // The first observer, at its first event, makes the second go away for good (a data
    // source destroyed by a control's reaction) and leaves itself; a fourth joins. Neither
    // the gone one nor the newcomer hears that event; the third hears everything.
    Recorder first, third, fourth;
    const auto leave = qScopeGuard([&] {
        for (Recorder* r : {&first, &third, &fourth})
            m_lakes->removeObserver(r);
    });
    m_lakes->addObserver(&first);
    auto second = std::make_unique<DataSource>(QStringLiteral("DS"), nullptr, m_lakes.get());
    QSignalSpy secondTold(second.get(), &DataSource::activeChanged);
    m_lakes->addObserver(&third);
    first.onEvent = [&] {
        second.reset();
        m_lakes->removeObserver(&first);
        m_lakes->addObserver(&fourth);
    };
    openLakes();
    QCOMPARE(first.events, QList<DataSetEvent>({DataSetEvent::Opened}));
    QCOMPARE(secondTold.count(), 0);
    QCOMPARE(third.events, QList<DataSetEvent>({DataSetEvent::Opened}));
    QVERIFY(fourth.events.isEmpty());
    m_lakes->next();
    QCOMPARE(first.events.size(), 1);
    QCOMPARE(third.events.last(), DataSetEvent::CurrentRowChanged);
    QCOMPARE(fourth.events, QList<DataSetEvent>({DataSetEvent::CurrentRowChanged}));
}

void TestQuery::queryDestroyedBeforeItsDataSource() {
    openLakes();
    DataSource source(QStringLiteral("DS"), nullptr, m_lakes.get());
    QSignalSpy changed(&source, &DataSource::dataSetChanged);
    QVERIFY(source.isActive());
    m_lakes.reset();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(source.dataSet(), nullptr);
    QVERIFY(!source.isActive());
    // Pointed at another dataset, it follows that one, and leaving it touches nothing gone.
    Query other(QStringLiteral("q"), nullptr, &m_dir->connection());
    other.setSql(QStringLiteral("SELECT Id_lago FROM TLago"));
    source.setDataSet(&other);
    QSignalSpy active(&source, &DataSource::activeChanged);
    other.open();
    QCOMPARE(active.count(), 1);
    source.setDataSet(nullptr);
}

void TestQuery::bofAndEofAfterEachOperation_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("bof");
    QTest::addColumn<bool>("eof");
    struct Case {
        const char* name;
        int rows;
        const char* steps;
        bool bof, eof;
    };
    const Case cases[] = {
        {"opened", 3, "", true, false},
        {"opened empty", 0, "", true, true},
        {"opened with one row", 1, "", true, true},
        {"first of one row", 1, "first", true, true},
        {"last of one row", 1, "last", true, true},
        {"last", 3, "last", false, true},
        {"past the end", 3, "last next", false, true},
        {"before the start", 3, "first prior", true, false},
        {"middle", 3, "moveTo2", false, false},
        {"inserting", 3, "last insert", false, false},
        {"insert cancelled on the last row", 2, "last insert cancel", false, true},
        {"insert cancelled on the first row", 2, "insert cancel", true, false},
        {"insert cancelled on the only row", 1, "insert cancel", true, true},
        {"insert cancelled on no row", 0, "insert cancel", true, true},
        {"insert cancelled in the middle", 3, "moveTo2 insert cancel", false, false},
        {"edit cancelled on the last row", 2, "last edit cancel", false, true},
        {"last row removed", 3, "last remove", false, true},
        {"first row removed", 3, "remove", true, false},
        {"only row removed", 1, "remove", true, true},
        {"inserted row removed", 1, "insert remove", true, true},
        {"requery in the middle", 3, "moveTo2 requery", false, false},
    };
    for (const Case& c : cases)
        QTest::newRow(c.name) << c.rows
                              << QString::fromLatin1(c.steps).split(QLatin1Char(' '),
                                                                    Qt::SkipEmptyParts)
                              << c.bof << c.eof;
}

void TestQuery::bofAndEofAfterEachOperation() {
    QFETCH(int, rows);
    QFETCH(QStringList, steps);
    QFETCH(bool, bof);
    QFETCH(bool, eof);
    exec(m_dir->connection(), QStringLiteral("DELETE FROM TLago WHERE Id_lago > %1").arg(rows));
    openLakes();
    QCOMPARE(m_lakes->recordCount(), rows);
    const std::map<QString, std::function<void()>> operations = {
        {QStringLiteral("first"), [&] { m_lakes->first(); }},
        {QStringLiteral("prior"), [&] { m_lakes->prior(); }},
        {QStringLiteral("next"), [&] { m_lakes->next(); }},
        {QStringLiteral("last"), [&] { m_lakes->last(); }},
        {QStringLiteral("moveTo2"), [&] { m_lakes->moveTo(2); }},
        {QStringLiteral("insert"), [&] { m_lakes->insert(); }},
        {QStringLiteral("edit"), [&] { m_lakes->edit(); }},
        {QStringLiteral("cancel"), [&] { m_lakes->cancel(); }},
        {QStringLiteral("remove"), [&] { m_lakes->remove(); }},
        {QStringLiteral("requery"), [&] { m_lakes->requery(); }},
    };
    for (const QString& step : steps)
        operations.at(step)();
    QCOMPARE(m_lakes->bof(), bof);
    QCOMPARE(m_lakes->eof(), eof);
}

QTEST_GUILESS_MAIN(TestQuery)
#include "tst_query.moc"
