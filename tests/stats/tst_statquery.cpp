// The statistics query: reference texts as whole strings, every quantity run on the real
// schema for one lake and for all, and the counts they give on a small logbook, empty and
// dangling values included.
#include "engine/Connection.h"
#include "engine/Query.h"
#include "stats/StatQuantities.h"
#include "stats/UDM_Statistiche.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/Sql.h"
#include "tests/support/TestProgramDir.h"

#include <QTest>

class TestStatQuery : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void assembledText_data();
    void assembledText();
    void referenceTexts_data();
    void referenceTexts();
    void assemblingAgainKeepsOnlyTheNewText();
    void counts_data();
    void counts();
    void aFailingQueryIsReported();

private:
    std::unique_ptr<TestProgramDir> m_dir;
    std::unique_ptr<TDM_Statistiche> m_module;
    void exec(const QString& sql) { execSql(m_dir->connection(), sql); }
};

void TestStatQuery::init() {
    m_dir = std::make_unique<TestProgramDir>(TestProgramDir::DatabaseOnly);
    m_module = std::make_unique<TDM_Statistiche>(&m_dir->connection());
    m_module->DataModuleCreate();
}

void TestStatQuery::cleanup() {
    m_module.reset();
    m_dir.reset();
}

void TestStatQuery::assembledText_data() {
    QTest::addColumn<int>("lake");
    QTest::addColumn<int>("quantity");
    for (int lake : {3, AllLakes})
        for (int q = 0; q < int(kStatQuantities.size()); ++q)
            QTest::addRow("%d, lake %d", q, lake) << lake << q;
}

void TestStatQuery::assembledText() {
    QFETCH(int, lake);
    QFETCH(int, quantity);
    const StatQuantity& q = kStatQuantities.at(size_t(quantity));
    m_module->BuildStatQuery(lake, quantity);
    QCOMPARE(m_module->StatXField, QString::fromLatin1(q.group));
    QCOMPARE(StatGroupFields.at(quantity), QString::fromLatin1(q.group));
    QCOMPARE(m_module->StatLabelFields.at(quantity), QString::fromLatin1(q.label));
    QCOMPARE(m_module->StatYField, QStringLiteral("RESULT"));
    QCOMPARE(m_module->StatSql.contains(QStringLiteral(" AND Nm_Lago=3 ")), lake != AllLakes);
    // Every text runs on the real schema and gives the columns the chart reads.
    m_module->RunStatQuery();
    QVERIFY(m_module->ADOQ_Statistiche.isOpen());
    m_module->ADOQ_Statistiche.requireField(m_module->StatLabelFields.at(quantity));
    m_module->ADOQ_Statistiche.requireField(m_module->StatYField);
}

void TestStatQuery::referenceTexts_data() {
    QTest::addColumn<int>("lake");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QString>("expected");
    QTest::newRow("season, lake 3")
        << 3 << 1
        << "SELECT COUNT(Nm_Stagione) AS RESULT,Nm_Stagione,Ds_stagione FROM TStagioni INNER JOIN "
           "(TUscita INNER JOIN TPreda ON TUscita.Id_uscita = TPreda.Nm_uscita) ON "
           "TStagioni.Id_stagione = TUscita.Nm_stagione WHERE 1=1 AND Nm_Lago=3 GROUP BY "
           "Nm_Stagione,Ds_stagione";
    QTest::newRow("weight, all lakes")
        << AllLakes << 6
        << "SELECT COUNT(Peso) AS RESULT,Peso FROM TUscita INNER JOIN TPreda ON TUscita.Id_uscita "
           "= TPreda.Nm_uscita WHERE 1=1 GROUP BY Peso";
    QTest::newRow("bait, all lakes")
        << AllLakes << 7
        << "SELECT COUNT(Nm_Esca) AS RESULT,Nm_Esca,Ds_Esca FROM TEsca INNER JOIN (TUscita INNER "
           "JOIN TPreda ON TUscita.Id_uscita = TPreda.Nm_uscita) ON TEsca.Id_esca = "
           "TPreda.Nm_esca WHERE 1=1 GROUP BY Nm_Esca,Ds_Esca";
    QTest::newRow("wind, lake 12")
        << 12 << 12
        << "SELECT COUNT(Nm_Vento_direz) AS RESULT,Nm_Vento_direz,Ds_tipovento FROM TTipovento "
           "INNER JOIN (TUscita INNER JOIN TPreda ON TUscita.Id_uscita = TPreda.Nm_uscita) ON "
           "TTipovento.Id_tipovento = TPreda.Nm_Vento_direz WHERE 1=1 AND Nm_Lago=12 GROUP BY "
           "Nm_Vento_direz,Ds_tipovento";
    QTest::newRow("depth, lake 3")
        << 3 << 10
        << "SELECT COUNT(Profondita) AS RESULT,Profondita FROM TUscita INNER JOIN TPreda ON "
           "TUscita.Id_uscita = TPreda.Nm_uscita WHERE 1=1 AND Nm_Lago=3 GROUP BY Profondita";
}

void TestStatQuery::referenceTexts() {
    QFETCH(int, lake);
    QFETCH(int, quantity);
    QFETCH(QString, expected);
    m_module->BuildStatQuery(lake, quantity);
    QCOMPARE(m_module->StatSql, expected);
}

void TestStatQuery::assemblingAgainKeepsOnlyTheNewText() {
    m_module->BuildStatQuery(3, 7);
    m_module->BuildStatQuery(AllLakes, 3);
    QCOMPARE(m_module->StatSql,
             QStringLiteral("SELECT COUNT(Nm_Temp) AS RESULT,Nm_Temp FROM TUscita INNER JOIN "
                            "TPreda ON TUscita.Id_uscita = TPreda.Nm_uscita WHERE 1=1 GROUP BY "
                            "Nm_Temp"));
}

void TestStatQuery::counts_data() {
    QTest::addColumn<int>("lake");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QStringList>("groups"); // "label=count" in the engine's order
    // Joined: an empty bait and one pointing nowhere are not counted and form no group.
    QTest::newRow("bait, all lakes") << AllLakes << 7 << QStringList{"Boilies=2", "Mais=1"};
    QTest::newRow("bait, Bolsena") << 1 << 7 << QStringList{"Boilies=2"};
    // Plain: empty weights form a group of their own, counted 0.
    QTest::newRow("weight, all lakes") << AllLakes << 6 << QStringList{"=0", "5=1", "10,5=2"};
    QTest::newRow("season, all lakes")
        << AllLakes << 1 << QStringList{"Estate=5"}; // catches, not sessions
    QTest::newRow("a lake without catches") << 3 << 7 << QStringList{};
}

void TestStatQuery::counts() {
    QFETCH(int, lake);
    QFETCH(int, quantity);
    QFETCH(QStringList, groups);
    exec(QStringLiteral("PRAGMA foreign_keys = OFF")); // to leave a bait pointing nowhere
    exec(QStringLiteral("DELETE FROM TEsca"));
    exec(QStringLiteral("INSERT INTO TEsca (Id_esca, Ds_esca) VALUES (1, 'Boilies'), (2, 'Mais')"));
    exec(QStringLiteral("INSERT INTO TLago (Id_lago, Ds_desc) VALUES (1, 'Bolsena'), (2, "
                        "'Garda'), (3, 'Trasimeno')"));
    exec(QStringLiteral("INSERT INTO TUscita (Id_uscita, Nm_lago, Nm_Stagione) VALUES (1, 1, 2), "
                        "(2, 2, 2), (3, 2, NULL)"));
    exec(QStringLiteral("INSERT INTO TPreda (Nm_uscita, Nm_Esca, Peso) VALUES (1, 1, 10.5), "
                        "(1, 1, 10.5), (1, NULL, NULL), (2, 2, 5), (2, 99, NULL), (3, NULL, "
                        "NULL)"));
    m_module->BuildStatQuery(lake, quantity);
    m_module->RunStatQuery();
    Query& result = m_module->ADOQ_Statistiche;
    QVERIFY(result.isOpen());
    QStringList got;
    const int label = result.requireField(m_module->StatLabelFields.at(quantity));
    const int count = result.requireField(m_module->StatYField);
    for (int row = 0; row < result.bufferedRowCount(); ++row)
        got << result.rowText(row, label) + QLatin1Char('=') + result.rowText(row, count);
    QCOMPARE(got, groups);
}

void TestStatQuery::aFailingQueryIsReported() {
    ScriptedMessages messages;
    exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    exec(QStringLiteral("DROP TABLE TEsca")); // a damaged logbook
    m_module->BuildStatQuery(AllLakes, 7);
    m_module->RunStatQuery();
    QVERIFY(!m_module->ADOQ_Statistiche.isOpen());
    QCOMPARE(messages.texts().size(), 1);
    QCOMPARE(messages.shown().front().caption, QStringLiteral("Error"));
    // The text is assembled in code: nothing in qry.ini could mend it.
    QCOMPARE(messages.texts().front(), TDM_Statistiche::kStatQueryFailed);
    QVERIFY(!messages.texts().front().contains(QStringLiteral("qry.ini")));
}

QTEST_MAIN(TestStatQuery)
#include "tst_statquery.moc"
