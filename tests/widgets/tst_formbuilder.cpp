// The form builder over a real query: a control asked for by a name its table does not hold,
// or as another kind, stops the panel's code with an error naming it instead of handing back
// nothing.
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

void TestFormBuilder::aMisspeltOrMistypedControlFailsLoudly_data() {
    QTest::addColumn<int>("ask");
    QTest::addColumn<QString>("named");
    QTest::newRow("misspelt edit") << 0 << "Dta";
    QTest::newRow("other letter case") << 1 << "data";
    QTest::newRow("edit asked as a lookup") << 2 << "Data";
    QTest::newRow("misspelt lookup binding") << 3 << "Lgo";
    QTest::newRow("edit bound as a lookup") << 4 << "Data";
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
        default:
            form.bindLookup("Data", &source, QStringLiteral("Id_lago"), QStringLiteral("Ds_desc"));
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
