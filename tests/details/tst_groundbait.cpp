// The groundbait days of a session in the real main window, offscreen: day numbering, the
// grid's columns, the looks after each button, and what was typed surviving a failed save,
// a refused delete and a value the database refuses.
#include "app/MainWindowHost.h"
#include "app/U_FRM_FrmPrincipale.h"
#include "data/MessageSeam.h"
#include "data/U_DBUtils.h"
#include "details/GroundbaitPanel.h"
#include "engine/Query.h"
#include "sessions/SessionPanel.h"
#include "sessions/UDM_Sessioni.h"
#include "tests/support/WindowFixture.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBNavigator.h"
#include "widgets/RecordToolBar.h"
#include "widgets/ToolButton.h"

#include <QHeaderView>
#include <QTest>

class TestGroundbait : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { f.finish(); }
    void dayNumbering_data();
    void dayNumbering();
    void gridDeletionRereadsTheHighestDay();
    void gridShowsTheDayAndTheQuantities();
    void looks();
    void conversionErrorKeepsWhatWasTyped();
    void busyDeleteKeepsWhatWasTyped();
    void refusedSaveStaysOpenToCorrection();
    void noNewDayWithoutASavedSession();
    void navigatorAfterACancelledNewDay_data();
    void navigatorAfterACancelledNewDay();

private:
    WindowFixture f;
    TGroundbaitPanel* panel() { return FrmUscita->GroundbaitPanel; }
    Query& days() { return DM_Sessioni->ADOQ_SESSPastura; }
    void start(int savedDays, bool session = true);
    void click(ToolButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    void type(DBEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    QVariant proposedDay() { return days().value(QStringLiteral("giorno")); }
    // Saves a new day with a quantity, as the user does.
    void addDay(const QString& kg) {
        click(panel()->SBNew_Pastura);
        type(panel()->DBEditQpastura1, kg);
        click(panel()->SBSave_Pastura);
    }
};

void TestGroundbait::start(int savedDays, bool session) {
    f.start([=](WindowFixture& w) {
        if (session)
            w.exec(QStringLiteral("INSERT INTO TUscita (DataDa) VALUES ('2005-06-10')"));
        for (int d = 1; d <= savedDays; ++d)
            w.exec(QStringLiteral("INSERT INTO TPastura (Nm_uscita, giorno, q_pastura1) VALUES "
                                  "(1, %1, %1.5)")
                       .arg(d));
    });
    QVERIFY(f.showMainWindow());
}

void TestGroundbait::dayNumbering_data() {
    QTest::addColumn<int>("deleted"); // 0: none
    QTest::addColumn<int>("proposed");
    QTest::newRow("days 1, 2, 3") << 0 << 4;
    QTest::newRow("the highest deleted") << 3 << 3;
    QTest::newRow("a middle one deleted") << 2 << 4;
}

void TestGroundbait::dayNumbering() {
    QFETCH(int, deleted);
    QFETCH(int, proposed);
    start(0);
    // The first day of a session is day 1; days are then numbered on.
    for (int d = 1; d <= 3; ++d) {
        click(panel()->SBNew_Pastura);
        QCOMPARE(proposedDay().toInt(), d);
        type(panel()->DBEditQpastura1, QStringLiteral("2"));
        click(panel()->SBSave_Pastura);
        QCOMPARE(days().state(), DataSetState::Browse);
    }
    if (deleted) {
        days().moveTo(deleted);
        f.messages().answerNext(MessageAnswer::Yes);
        click(panel()->SBDel_Pastura);
        QCOMPARE(f.messages().texts(), QStringList{kDeleteConfirmation});
    }
    click(panel()->SBNew_Pastura);
    QCOMPARE(proposedDay().toInt(), proposed);
    // The new day stands in the grid with its number.
    QCOMPARE(panel()->DBGrid1->model()->index(days().currentIndex(), 2).data().toString(),
             QString::number(proposed));
    click(panel()->SBCancel_Pastura);
}

void TestGroundbait::gridDeletionRereadsTheHighestDay() {
    start(3);
    days().last();
    panel()->DBGrid1->setFocus();
    f.messages().answerNext(MessageAnswer::Ok);
    QTest::keyClick(panel()->DBGrid1, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.messages().texts(), QStringList{DBGrid::kDeleteQuestion});
    click(panel()->SBNew_Pastura);
    QCOMPARE(proposedDay().toInt(), 3);
    click(panel()->SBCancel_Pastura);
}

void TestGroundbait::gridShowsTheDayAndTheQuantities() {
    start(2);
    DBGrid* grid = panel()->DBGrid1;
    QStringList shown;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        if (grid->isColumnVisible(c))
            shown << QStringLiteral("%1 %2").arg(grid->columnTitle(c)).arg(grid->columnWidth(c));
    QCOMPARE(shown, QStringList({"N°giorno 60", "Q.1 50", "Q.2 50", "Q.3 50"}));
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(grid->model()->index(1, 4).data().toString(), QStringLiteral("2,5"));
    QVERIFY(!grid->verticalHeader()->isVisible());
    QCOMPARE(grid->palette().color(QPalette::Base), QColor(0xD5, 0xFF, 0xD0));
}

void TestGroundbait::looks() {
    start(0);
    const QList<QWidget*> fields{panel()->DBLookupComboPastura1, panel()->DBLookupComboPastura2,
                                 panel()->DBLookupComboPastura3, panel()->DBEditQpastura1,
                                 panel()->DBEditQpastura2,       panel()->DBEditQpastura3};
    auto fieldsEnabled = [&](bool on) {
        for (QWidget* w : fields)
            if (w->isEnabled() != on)
                return false;
        return true;
    };
    auto navigation = [&] {
        return panel()->DBN_Pastura->isEnabled() && panel()->SBNew_Pastura->isEnabled() &&
               panel()->SBDel_Pastura->isEnabled();
    };
    // No days: grey fields, the tool bar usable.
    QVERIFY(fieldsEnabled(false));
    QCOMPARE(panel()->DBEditQpastura1->palette().color(QPalette::Disabled, QPalette::Base),
             panel()->DBEditQpastura1->palette().color(QPalette::Active, QPalette::Button));
    QVERIFY(navigation());
    // New: white fields, no moving, no New or Delete.
    click(panel()->SBNew_Pastura);
    QVERIFY(fieldsEnabled(true));
    QCOMPARE(panel()->DBEditQpastura1->palette().color(QPalette::Active, QPalette::Base),
             QColor(Qt::white));
    QVERIFY(!panel()->DBN_Pastura->isEnabled());
    QVERIFY(!panel()->SBNew_Pastura->isEnabled());
    QVERIFY(!panel()->SBDel_Pastura->isEnabled());
    QVERIFY(panel()->SBSave_Pastura->isEnabled());
    // Cancel in a session without days: grey again.
    click(panel()->SBCancel_Pastura);
    QCOMPARE(days().recordCount(), 0);
    QVERIFY(fieldsEnabled(false));
    QVERIFY(navigation());
    // Save: the day is there and the fields stay open.
    addDay(QStringLiteral("3,5"));
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(days().recordCount(), 1);
    QVERIFY(fieldsEnabled(true));
    QVERIFY(navigation());
    QCOMPARE(f.stored(QStringLiteral("SELECT Nm_uscita || ' ' || giorno || ' ' || q_pastura1 "
                                     "FROM TPastura"))
                 .toString(),
             QStringLiteral("1 1 3.5"));
    // Delete the only day: grey again.
    f.messages().answerNext(MessageAnswer::Yes);
    click(panel()->SBDel_Pastura);
    f.messages().clear();
    QCOMPARE(days().recordCount(), 0);
    QVERIFY(fieldsEnabled(false));
}

void TestGroundbait::conversionErrorKeepsWhatWasTyped() {
    start(1);
    click(panel()->SBNew_Pastura);
    type(panel()->DBEditQpastura2, QStringLiteral("-"));
    click(panel()->SBSave_Pastura);
    QCOMPARE(f.messages().texts(), QStringList{MainWindowHost::kFormatWarning});
    QCOMPARE(days().state(), DataSetState::Insert);
    QCOMPARE(panel()->DBEditQpastura2->text(), QStringLiteral("-"));
    QVERIFY(panel()->DBEditQpastura2->isEnabled());
    // A quantity below zero is refused the same way.
    f.messages().clear();
    type(panel()->DBEditQpastura2, QStringLiteral("-1,5"));
    click(panel()->SBSave_Pastura);
    QCOMPARE(f.messages().texts(), QStringList{MainWindowHost::kFormatWarning});
    QCOMPARE(days().state(), DataSetState::Insert);
    QCOMPARE(panel()->DBEditQpastura2->text(), QStringLiteral("-1,5"));
    // Corrected, it is saved.
    f.messages().clear();
    type(panel()->DBEditQpastura2, QStringLiteral("1,2"));
    click(panel()->SBSave_Pastura);
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(
        f.stored(QStringLiteral("SELECT q_pastura2 FROM TPastura WHERE giorno = 2")).toDouble(),
        1.2);
}

void TestGroundbait::busyDeleteKeepsWhatWasTyped() {
    start(1);
    type(panel()->DBEditQpastura1, QStringLiteral("7"));
    click(panel()->SBDel_Pastura);
    QCOMPARE(f.messages().texts(), QStringList{kBusyWarning});
    QCOMPARE(days().state(), DataSetState::Edit);
    QCOMPARE(panel()->DBEditQpastura1->text(), QStringLiteral("7"));
    f.messages().clear();
    click(panel()->SBSave_Pastura);
    QCOMPARE(f.stored(QStringLiteral("SELECT q_pastura1 FROM TPastura")).toDouble(), 7.0);
}

void TestGroundbait::refusedSaveStaysOpenToCorrection() {
    start(0);
    click(panel()->SBNew_Pastura);
    days().setValue(QStringLiteral("Nm_pastura1"), 999); // no such groundbait type
    click(panel()->SBSave_Pastura);
    QCOMPARE(f.messages().texts(),
             QStringList{QStringLiteral("Il valore scelto non esiste più nel suo elenco: "
                                        "sceglierne un altro e salvare di nuovo.")});
    QCOMPARE(days().state(), DataSetState::Insert);
    QVERIFY(panel()->DBLookupComboPastura1->isEnabled());
    QVERIFY(panel()->DBEditQpastura1->isEnabled());
    QCOMPARE(f.stored(QStringLiteral("SELECT count(*) FROM TPastura")).toInt(), 0);
}

void TestGroundbait::noNewDayWithoutASavedSession() {
    start(0, /*session=*/false);
    QVERIFY(!panel()->SBNew_Pastura->isEnabled());
    // A new session has no key yet either.
    click(FrmUscita->SessionPanel->SBNew_Sessione);
    QVERIFY(!panel()->SBNew_Pastura->isEnabled());
}

void TestGroundbait::navigatorAfterACancelledNewDay_data() {
    QTest::addColumn<int>("savedDays");
    QTest::addColumn<QString>("enabled"); // F P N L: First, Prior, Next, Last
    QTest::newRow("the only day") << 1 << "- - - -";
    QTest::newRow("two days, the first shown") << 2 << "- - N L";
}

void TestGroundbait::navigatorAfterACancelledNewDay() {
    QFETCH(int, savedDays);
    QFETCH(QString, enabled);
    start(savedDays);
    click(panel()->SBNew_Pastura);
    click(panel()->SBCancel_Pastura);
    QCOMPARE(days().recNo(), 1);
    QStringList shown;
    const char* letters[] = {"F", "P", "N", "L"};
    for (auto b : {DBNavigator::First, DBNavigator::Prior, DBNavigator::Next, DBNavigator::Last})
        shown << (panel()->DBN_Pastura->button(b)->isEnabled() ? QLatin1String(letters[b])
                                                               : QLatin1String("-"));
    QCOMPARE(shown.join(QLatin1Char(' ')), enabled);
}

QTEST_MAIN(TestGroundbait)
#include "tst_groundbait.moc"
