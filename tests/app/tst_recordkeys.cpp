// The record buttons of the main window by keyboard: each key acts on the panel whose group
// holds the focus (the anglers' list counting as the session's), the same as a click on that
// panel's button, never on another panel; each button's hint names its key.
#include "app/U_FRM_FrmPrincipale.h"
#include "data/U_DBUtils.h"
#include "details/CatchPanel.h"
#include "details/GroundbaitPanel.h"
#include "engine/Query.h"
#include "sessions/AnglersPanel.h"
#include "sessions/SessionPanel.h"
#include "sessions/UDM_Sessioni.h"
#include "tests/support/WindowFixture.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBLookupListBox.h"
#include "widgets/RecordToolBar.h"
#include "widgets/ToolButton.h"

#include <QApplication>
#include <QTest>

namespace {

enum class Where { Session, Anglers, Groundbait, CatchField, CatchGrid, Window };

QWidget* focusTarget(Where where) {
    switch (where) {
    case Where::Session:
        return FrmUscita->SessionPanel->DataDa;
    case Where::Anglers:
        return FrmUscita->AnglersPanel->DBLookupListBox1;
    case Where::Groundbait:
        return FrmUscita->GroundbaitPanel->DBEditQpastura1;
    case Where::CatchField:
        return FrmUscita->CatchPanel->DBEdit3;
    case Where::CatchGrid:
        return FrmUscita->CatchPanel->DBGrid2;
    case Where::Window:
        return FrmUscita->centralWidget();
    }
    return nullptr;
}

} // namespace

class TestRecordKeys : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { f.finish(); }
    void hintsNameTheKeys();
    void newActsOnThePanelWithTheFocus_data();
    void newActsOnThePanelWithTheFocus();
    void saveAndCancelTheTypedText_data();
    void saveAndCancelTheTypedText();
    void deleteAsksAsTheButtonDoes();
    void aKeyDoesNothingWhereItsButtonIsOff();

private:
    WindowFixture f;
    Query& sessions() { return DM_Sessioni->ADOQ_Sessioni; }
    Query& days() { return DM_Sessioni->ADOQ_SESSPastura; }
    Query& catches() { return DM_Sessioni->ADOQ_SESSPrede; }
    void press(Where where, int key, Qt::KeyboardModifiers modifiers) {
        QWidget* target = focusTarget(where);
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
};

// One session with one groundbait day and one catch, so that every panel has a row.
void TestRecordKeys::init() {
    f.start([](WindowFixture& w) {
        w.exec(QStringLiteral("INSERT INTO TUscita (DataDa) VALUES ('2005-06-10')"));
        w.exec(QStringLiteral("INSERT INTO TPescatore (Ds_Pescatore) VALUES ('Luca')"));
        w.exec(QStringLiteral("INSERT INTO TPastura (Nm_uscita, giorno, q_pastura1) "
                              "VALUES (1, 1, 2)"));
        w.exec(QStringLiteral("INSERT INTO TPreda (Nm_uscita, Data, Ds_tipo, Peso) "
                              "VALUES (1, '2005-06-11', 'Regina', 10)"));
    });
    QVERIFY(f.showMainWindow());
}

void TestRecordKeys::hintsNameTheKeys() {
    const struct {
        RecordToolBar* bar;
        const char* newHint;
        const char* deleteHint;
    } bars[] = {
        {FrmUscita->TB_Sessione, "Nuova sessione", "Elimina questa sessione"},
        {FrmUscita->TB_Pastura, "Nuova pasturazione", "Elimina questa pasturazione"},
        {FrmUscita->TB_Prede, "Nuova preda", "Elimina questa preda"},
    };
    for (const auto& b : bars) {
        QCOMPARE(b.bar->button(opNew)->toolTip(), QString::fromUtf8(b.newHint) + " (Ctrl+N)");
        QCOMPARE(b.bar->button(opCancel)->toolTip(), QStringLiteral("Elimina le modifiche (Esc)"));
        QCOMPARE(b.bar->button(opSave)->toolTip(), QStringLiteral("Salva le modifiche (Ctrl+S)"));
        QCOMPARE(b.bar->button(opDelete)->toolTip(),
                 QString::fromUtf8(b.deleteHint) + " (Ctrl+Maiusc+Canc)");
    }
}

void TestRecordKeys::newActsOnThePanelWithTheFocus_data() {
    QTest::addColumn<Where>("where");
    QTest::addColumn<int>("inserting"); // 0 session, 1 groundbait day, 2 catch, -1 none
    QTest::newRow("sessione") << Where::Session << 0;
    QTest::newRow("carpisti") << Where::Anglers << 0;
    QTest::newRow("pasturazione") << Where::Groundbait << 1;
    QTest::newRow("campo della preda") << Where::CatchField << 2;
    QTest::newRow("griglia delle prede") << Where::CatchGrid << 2;
    QTest::newRow("nessun pannello") << Where::Window << -1;
}

void TestRecordKeys::newActsOnThePanelWithTheFocus() {
    QFETCH(Where, where);
    QFETCH(int, inserting);
    press(where, Qt::Key_N, Qt::ControlModifier);
    Query* rows[] = {&sessions(), &days(), &catches()};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(rows[i]->state() == DataSetState::Insert, i == inserting);
    // As after a click on New: the new row's first field has the focus.
    QWidget* first[] = {FrmUscita->SessionPanel->DS_tipouscita,
                        FrmUscita->GroundbaitPanel->DBLookupComboPastura1,
                        FrmUscita->CatchPanel->DBEdit2};
    if (inserting >= 0)
        QCOMPARE(QApplication::focusWidget(), first[inserting]);
    QVERIFY(f.messages().shown().isEmpty());
}

void TestRecordKeys::saveAndCancelTheTypedText_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<double>("stored");
    QTest::newRow("Ctrl+S") << int(Qt::Key_S) << Qt::KeyboardModifiers(Qt::ControlModifier) << 15.0;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << 10.0;
}

void TestRecordKeys::saveAndCancelTheTypedText() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(double, stored);
    DBEdit* weight = FrmUscita->CatchPanel->DBEdit3;
    weight->setFocus();
    weight->selectAll();
    QTest::keyClicks(weight, QStringLiteral("15"));
    QCOMPARE(catches().state(), DataSetState::Edit);
    QTest::keyClick(weight, Qt::Key(key), modifiers);
    QCOMPARE(catches().state(), DataSetState::Browse);
    QCOMPARE(f.stored(QStringLiteral("SELECT Peso FROM TPreda")).toDouble(), stored);
    QCOMPARE(sessions().state(), DataSetState::Browse);
    QCOMPARE(QApplication::focusWidget(), weight); // where the user was, as after a click
    QVERIFY(f.messages().shown().isEmpty());
}

void TestRecordKeys::deleteAsksAsTheButtonDoes() {
    // In the grid, whose own Ctrl+Canc is left to it, the key asks the question of the button.
    f.messages().answerNext(MessageAnswer::Yes);
    press(Where::CatchGrid, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.messages().texts(), QStringList{kDeleteConfirmation});
    QCOMPARE(f.stored(QStringLiteral("SELECT count(*) FROM TPreda")).toInt(), 0);
    QCOMPARE(f.stored(QStringLiteral("SELECT count(*) FROM TPastura")).toInt(), 1);
    // In a groundbait field, No keeps the day.
    f.messages().clear();
    press(Where::Groundbait, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.messages().texts(), QStringList{kDeleteConfirmation});
    QCOMPARE(f.stored(QStringLiteral("SELECT count(*) FROM TPastura")).toInt(), 1);
}

void TestRecordKeys::aKeyDoesNothingWhereItsButtonIsOff() {
    // While a new catch is entered, New and Delete are off: their keys do nothing.
    press(Where::CatchField, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(catches().state(), DataSetState::Insert);
    QVERIFY(!FrmUscita->TB_Prede->button(opDelete)->isEnabled());
    for (int key : {int(Qt::Key_N), int(Qt::Key_Delete)})
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        key == Qt::Key_N ? Qt::ControlModifier
                                         : Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(catches().state(), DataSetState::Insert);
    QCOMPARE(f.stored(QStringLiteral("SELECT count(*) FROM TPreda")).toInt(), 1);
    QVERIFY(f.messages().shown().isEmpty());
}

QTEST_MAIN(TestRecordKeys)
#include "tst_recordkeys.moc"
