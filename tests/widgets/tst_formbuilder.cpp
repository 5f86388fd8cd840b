// The form builder over a real query: the table's members, lookups and list buttons found
// by their names, the data controls switched together, and a control or component asked for
// by a name the table or module does not hold, or as another kind, stops the panel's code
// with an error naming it instead of handing back nothing.
#include "engine/Component.h"
#include "engine/Query.h"
#include "tests/support/TestProgramDir.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DataSource.h"
#include "widgets/FormBuilder.h"
#include "widgets/ToolButton.h"

#include <QTest>
#include <stdexcept>

class TestFormBuilder : public QObject {
    Q_OBJECT
private slots:
    void controlsAreFoundByTheirExactName();
    void tableNamesListsAndMembersOnce();
    void aMisspeltComponentFailsLoudly_data();
    void aMisspeltComponentFailsLoudly();
    void aMisspeltOrMistypedControlFailsLoudly_data();
    void aMisspeltOrMistypedControlFailsLoudly();
};

namespace {

std::vector<FormField> fields() {
    using K = FormControl;
    return {
        {"Data", K::Edit, {0, 0, 60, 20}, "DataDa", 10},
        {"Lago", K::Lookup, {0, 25, 60, 20}, "Nm_lago"},
        {"Laghi", K::ListButton, {65, 25, 20, 20}},
    };
}

} // namespace

void TestFormBuilder::controlsAreFoundByTheirExactName() {
    QWidget panel;
    FormBuilder form(&panel, panel.font());
    form.add(fields());
    QCOMPARE(form.control<DBEdit>("Data")->objectName(), QStringLiteral("Data"));
    QCOMPARE(form.control<DBLookupComboBox>("Lago")->objectName(), QStringLiteral("Lago"));
    QCOMPARE(form.control<ToolButton>("Laghi")->objectName(), QStringLiteral("Laghi"));
}

namespace {

// A data module holding the lakes' list.
struct LakesModule : ComponentOwner {
    explicit LakesModule(Connection* c)
        : ComponentOwner(QStringLiteral("DM_Laghi")),
          ADOQ_Lago(QStringLiteral("ADOQ_Lago"), this, c) {}
    Query ADOQ_Lago;
    DataSource DS_QLago{QStringLiteral("DS_QLago"), this, &ADOQ_Lago};
};

} // namespace

void TestFormBuilder::tableNamesListsAndMembersOnce() {
    TestProgramDir dir;
    Query sessions(QStringLiteral("sessions"), nullptr, &dir.connection());
    sessions.setSql(QStringLiteral("SELECT Id_uscita, DataDa, Nm_lago FROM TUscita"));
    sessions.open();
    DataSource sessionSource(QStringLiteral("source"), nullptr, &sessions);
    LakesModule module(&dir.connection());
    module.ADOQ_Lago.setSql(QStringLiteral("SELECT Id_lago, Ds_desc FROM TLago"));
    module.ADOQ_Lago.open();

    DBEdit* date = nullptr;
    DBLookupComboBox* lake = nullptr;
    DBEdit* season = nullptr;
    ToolButton* lakes = nullptr;
    QWidget panel;
    FormBuilder form(&panel, panel.font());
    // clang-format off
    form.add({
        {.name = "Data", .kind = FormControl::Edit, .rect = {0, 0, 60, 20}, .field = "DataDa", .target = into(date)},
        {.name = "Lago", .kind = FormControl::Lookup, .rect = {0, 25, 60, 20}, .field = "Nm_lago", .lookup = {"DS_QLago", "Id_lago", "Ds_desc"}, .target = into(lake)},
        {.name = "Stagione", .kind = FormControl::HiddenEdit, .rect = {0, 50, 60, 20}, .field = "Id_uscita", .target = into(season)},
        {.name = "Laghi", .kind = FormControl::ListButton, .rect = {65, 25, 20, 20}, .list = {"ELENCO LAGHI", 1, {"ADOQ_Lago"}}, .target = into(lakes)},
    });
    // clang-format on
    QVERIFY(date && lake && season && lakes);
    QCOMPARE(date, form.control<DBEdit>("Data"));
    QVERIFY(season->isHidden());
    QCOMPARE(season->focusPolicy(), Qt::NoFocus);

    form.bind(&sessionSource);
    const std::vector<ListButtonSpec> buttons = form.bindLists(module);
    QCOMPARE(lake->count(), 1 + module.ADOQ_Lago.recordCount()); // the empty entry first
    QCOMPARE(buttons.size(), size_t(1));
    QCOMPARE(buttons[0].button, lakes);
    QCOMPARE(buttons[0].caption, QStringLiteral("ELENCO LAGHI"));
    QCOMPARE(buttons[0].code, 1);
    QCOMPARE(buttons[0].reopen, std::vector<Query*>{&module.ADOQ_Lago});

    // The data controls go off and on together; the list button and the hidden edit stay.
    for (bool on : {false, true}) {
        form.setEditable(on);
        QCOMPARE(date->isEnabled(), on);
        QCOMPARE(lake->isEnabled(), on);
        QVERIFY(season->isEnabled());
        QVERIFY(lakes->isEnabled());
    }
}

void TestFormBuilder::aMisspeltComponentFailsLoudly_data() {
    QTest::addColumn<bool>("lookup");
    QTest::addColumn<QString>("named");
    QTest::newRow("lookup's list") << true << "DS_QLgo";
    QTest::newRow("list button's query") << false << "ADOQ_Lgo";
    QTest::newRow("a query as the lookup's list") << true << "ADOQ_Lago";
}

void TestFormBuilder::aMisspeltComponentFailsLoudly() {
    QFETCH(bool, lookup);
    QFETCH(QString, named);
    TestProgramDir dir;
    LakesModule module(&dir.connection());
    const QByteArray name = named.toUtf8();
    QWidget panel;
    FormBuilder form(&panel, panel.font());
    if (lookup)
        form.add({.name = "Lago",
                  .kind = FormControl::Lookup,
                  .rect = {0, 25, 60, 20},
                  .field = "Nm_lago",
                  .lookup = {name.constData(), "Id_lago", "Ds_desc"}});
    else
        form.add({.name = "Laghi",
                  .kind = FormControl::ListButton,
                  .rect = {65, 25, 20, 20},
                  .list = {"ELENCO LAGHI", 1, {name.constData()}}});
    try {
        form.bindLists(module);
        QFAIL("no error");
    } catch (const std::logic_error& e) {
        QCOMPARE(
            QString::fromUtf8(e.what()),
            QStringLiteral("Nessun componente adatto di nome %1 nel modulo DM_Laghi").arg(named));
    }
}

void TestFormBuilder::aMisspeltOrMistypedControlFailsLoudly_data() {
    QTest::addColumn<int>("ask");
    QTest::addColumn<QString>("named");
    QTest::newRow("misspelt edit") << 0 << "Dta";
    QTest::newRow("other letter case") << 1 << "data";
    QTest::newRow("edit asked as a lookup") << 2 << "Data";
    QTest::newRow("misspelt lookup binding") << 3 << "Lgo";
    QTest::newRow("edit bound as a lookup") << 4 << "Data";
    QTest::newRow("edit kept as a lookup") << 5 << "Data";
}

void TestFormBuilder::aMisspeltOrMistypedControlFailsLoudly() {
    QFETCH(int, ask);
    QFETCH(QString, named);
    TestProgramDir dir;
    Query lakes(QStringLiteral("lakes"), nullptr, &dir.connection());
    DataSource source(QStringLiteral("source"), nullptr, &lakes);
    QWidget panel;
    FormBuilder form(&panel, panel.font());
    form.add(fields());
    const auto run = [&] {
        switch (ask) {
        case 0:
            form.control<DBEdit>("Dta");
            break;
        case 1:
            form.control<DBEdit>("data");
            break;
        case 2:
            form.control<DBLookupComboBox>("Data");
            break;
        case 3:
            form.bindLookup("Lgo", &source, QStringLiteral("Id_lago"), QStringLiteral("Ds_desc"));
            break;
        case 4:
            form.bindLookup("Data", &source, QStringLiteral("Id_lago"), QStringLiteral("Ds_desc"));
            break;
        default: {
            DBLookupComboBox* member = nullptr;
            QWidget other;
            FormBuilder wrong(&other, other.font());
            wrong.add({.name = "Data",
                       .kind = FormControl::Edit,
                       .rect = {0, 0, 60, 20},
                       .target = into(member)});
        }
        }
    };
    try {
        run();
        QFAIL("no error");
    } catch (const std::logic_error& e) {
        QCOMPARE(QString::fromUtf8(e.what()),
                 QStringLiteral("Nessun controllo adatto di nome %1 nella tabella del pannello")
                     .arg(named));
    }
}

QTEST_MAIN(TestFormBuilder)
#include "tst_formbuilder.moc"
