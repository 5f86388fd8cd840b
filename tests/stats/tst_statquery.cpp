// The statistics query: the thirteen assembled texts as whole strings, for one lake and for
// all, and the counts they give on a small logbook, empty and dangling values included.
#include "engine/Connection.h"
#include "engine/Query.h"
#include "stats/UDM_Statistiche.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/Sql.h"
#include "tests/support/TestProgramDir.h"

#include <QTest>

namespace {

const QString kCatches =
    QStringLiteral("TUscita INNER JOIN TPreda ON TUscita.Id_uscita = TPreda.Nm_uscita");

QString joined(const QString& group, const QString& label, const QString& table, const QString& on,
               const QString& lake) {
    return QStringLiteral("SELECT COUNT(") + group + QStringLiteral(") AS RESULT,") + group +
           QStringLiteral(",") + label + QStringLiteral(" FROM ") + table +
           QStringLiteral(" INNER JOIN (") + kCatches + QStringLiteral(") ON ") + on +
           QStringLiteral(" WHERE 1=1") + lake + QStringLiteral(" GROUP BY ") + group +
           QStringLiteral(",") + label;
}

QString plain(const QString& group, const QString& lake) {
    return QStringLiteral("SELECT COUNT(") + group + QStringLiteral(") AS RESULT,") + group +
           QStringLiteral(" FROM ") + kCatches + QStringLiteral(" WHERE 1=1") + lake +
           QStringLiteral(" GROUP BY ") + group;
}

} // namespace

class TestStatQuery : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void assembledText_data();
    void assembledText();
    void theTwoReferenceTexts();
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
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("label");
    struct Row {
        const char* group;
        const char* label;
        const char* table; // null: a plain quantity
        const char* on;
    };
    const Row rows[13] = {
        {"Nm_TipoUscita", "Ds_TipoSessione", "TTipoSessione",
         "TTipoSessione.Id_TipoSessione = TUscita.Nm_TipoUscita"},
        {"Nm_Stagione", "Ds_stagione", "TStagioni", "TStagioni.Id_stagione = TUscita.Nm_stagione"},
        {"Nm_luna", "Ds_luna", "TLuna", "TLuna.Id_luna = TUscita.Nm_luna"},
        {"Nm_Temp", "Nm_Temp", nullptr, nullptr},
        {"Nm_TempAcqua", "Nm_TempAcqua", nullptr, nullptr},
        {"Nm_Ora", "Ds_orario", "TOrario", "TOrario.Id_Orario = TPreda.Nm_Ora"},
        {"Peso", "Peso", nullptr, nullptr},
        {"Nm_Esca", "Ds_Esca", "TEsca", "TEsca.Id_esca = TPreda.Nm_esca"},
        {"Nm_Innesco", "Ds_Innesco", "TInnesco", "TInnesco.Id_Innesco = TPreda.Nm_Innesco"},
        {"Nm_Montatura", "Ds_Montatura", "TMontatura",
         "TMontatura.Id_montatura = TPreda.Nm_montatura"},
        {"Profondita", "Profondita", nullptr, nullptr},
        {"Nm_CondMeteo", "Ds_CondMeteo", "TTipoCondMeteo",
         "TTipoCondMeteo.Id_CondMeteo = TPreda.Nm_CondMeteo"},
        {"Nm_Vento_direz", "Ds_tipovento", "TTipovento",
         "TTipovento.Id_tipovento = TPreda.Nm_Vento_direz"},
    };
    for (int lake : {3, AllLakes}) {
        const QString condition = lake == AllLakes ? QString() : QStringLiteral(" AND Nm_Lago=3");
        for (int q = 0; q < 13; ++q) {
            const Row& r = rows[q];
            const QString text =
                r.table ? joined(QLatin1String(r.group), QLatin1String(r.label),
                                 QLatin1String(r.table), QLatin1String(r.on), condition)
                        : plain(QLatin1String(r.group), condition);
            QTest::addRow("%d, lake %d", q, lake)
                << lake << q << text << QString::fromLatin1(r.label);
        }
    }
}

void TestStatQuery::assembledText() {
    QFETCH(int, lake);
    QFETCH(int, quantity);
    QFETCH(QString, expected);
    QFETCH(QString, label);
    m_module->BuildStatQuery(lake, quantity);
    QCOMPARE(m_module->StatSql, expected);
    QCOMPARE(m_module->StatXField, StatGroupFields.at(quantity));
    QCOMPARE(m_module->StatYField, QStringLiteral("RESULT"));
    QCOMPARE(m_module->StatLabelFields.at(quantity), label);
    // Every text runs on the real schema.
    m_module->RunStatQuery();
    QVERIFY(m_module->ADOQ_Statistiche.isOpen());
}

void TestStatQuery::theTwoReferenceTexts() {
    m_module->BuildStatQuery(3, 1);
    QCOMPARE(
        m_module->StatSql,
        QStringLiteral("SELECT COUNT(Nm_Stagione) AS RESULT,Nm_Stagione,Ds_stagione FROM TStagioni "
                       "INNER JOIN (TUscita INNER JOIN TPreda ON TUscita.Id_uscita = "
                       "TPreda.Nm_uscita) ON TStagioni.Id_stagione = TUscita.Nm_stagione WHERE 1=1 "
                       "AND Nm_Lago=3 GROUP BY Nm_Stagione,Ds_stagione"));
    m_module->BuildStatQuery(AllLakes, 6);
    QCOMPARE(m_module->StatSql,
             QStringLiteral("SELECT COUNT(Peso) AS RESULT,Peso FROM TUscita INNER JOIN TPreda "
                            "ON TUscita.Id_uscita = TPreda.Nm_uscita WHERE 1=1 GROUP BY Peso"));
}

void TestStatQuery::assemblingAgainKeepsOnlyTheNewText() {
    m_module->BuildStatQuery(3, 7);
    m_module->BuildStatQuery(AllLakes, 3);
    QCOMPARE(m_module->StatSql, plain(QStringLiteral("Nm_Temp"), QString()));
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
    QVERIFY(!messages.texts().front().contains(QStringLiteral("no such table")));
}

QTEST_MAIN(TestStatQuery)
#include "tst_statquery.moc"
