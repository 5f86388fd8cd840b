// The anglers of a session in the main window: moving them across by menu and double click,
// the two error boxes, and the anglers list button.
#include "app/Startup.h"
#include "app/U_FRM_FrmPrincipale.h"
#include "app/U_FRM_FrmStart.h"
#include "engine/Command.h"
#include "engine/Query.h"
#include "lists/UDM_Elenco.h"
#include "sessions/AnglersPanel.h"
#include "sessions/UDM_Sessioni.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedModal.h"
#include "tests/support/TestProgramDir.h"
#include "widgets/DBLookupListBox.h"
#include "widgets/ToolButton.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

class TestAnglers : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void doubleClickAttachesAndDetaches();
    void menuWithoutSelection_data();
    void menuWithoutSelection();
    void removingTwiceRunsTheCommandAgain();
    void listButtonRenamesOnTheLeftAtOnce();

private:
    std::unique_ptr<TestProgramDir> m_dir;
    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<Program> m_program;
    TAnglersPanel* panel() { return FrmUscita->AnglersPanel; }
    QStringList names(DBLookupListBox* box) {
        QStringList n;
        for (int i = 0; i < box->count(); ++i)
            n << box->item(i)->text();
        return n;
    }
    void doubleClick(DBLookupListBox* box, int row) {
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {},
                           box->visualItemRect(box->item(row)).center());
    }
};

void TestAnglers::init() {
    m_dir = std::make_unique<TestProgramDir>();
    Command c(QStringLiteral("c"), nullptr, &m_dir->connection());
    c.setSql(QStringLiteral("INSERT INTO TUscita (DataDa) VALUES ('2005-06-10');"));
    c.execute();
    c.setSql(QStringLiteral("INSERT INTO TPescatore (Ds_Pescatore) VALUES ('Luca'), ('Marco')"));
    c.execute();
    m_messages = std::make_unique<ScriptedMessages>();
    m_program = std::make_unique<Program>();
    m_program->create();
    FrmStart->Timer2Timer();
    for (int i = 0; i < 20 && FrmStart; ++i)
        FrmStart->Timer1Timer();
    QApplication::setActiveWindow(FrmUscita);
    QVERIFY(QTest::qWaitForWindowActive(FrmUscita));
}

void TestAnglers::cleanup() {
    m_program.reset();
    m_messages.reset();
    m_dir.reset();
}

void TestAnglers::doubleClickAttachesAndDetaches() {
    QCOMPARE(names(panel()->DBLookupListBox1), QStringList({"Luca", "Marco"}));
    QVERIFY(names(panel()->DBLookupListBox2).isEmpty());
    doubleClick(panel()->DBLookupListBox1, 1);
    QCOMPARE(names(panel()->DBLookupListBox1), QStringList({"Luca"}));
    QCOMPARE(names(panel()->DBLookupListBox2), QStringList({"Marco"}));
    QVERIFY(panel()->DBLookupListBox1->keyValue().isNull()); // nothing highlighted on the left
    QVERIFY(panel()->DBLookupListBox1->selectedItems().isEmpty());
    // The catch panel's angler list is the session's anglers.
    QCOMPARE(DM_Sessioni->ADOQ_SESSCarpisti.recordCount(), 1);
    doubleClick(panel()->DBLookupListBox2, 0);
    QCOMPARE(names(panel()->DBLookupListBox1), QStringList({"Luca", "Marco"}));
    QVERIFY(names(panel()->DBLookupListBox2).isEmpty());
    QVERIFY(m_messages->shown().isEmpty());
    // By the popup menus too.
    QTest::mouseClick(
        panel()->DBLookupListBox1->viewport(), Qt::LeftButton, {},
        panel()->DBLookupListBox1->visualItemRect(panel()->DBLookupListBox1->item(0)).center());
    panel()->Aggiungi1->trigger();
    QCOMPARE(names(panel()->DBLookupListBox2), QStringList({"Luca"}));
    QCOMPARE(panel()->Aggiungi1->text(), QStringLiteral("Aggiungi"));
    QCOMPARE(panel()->MenuItem1->text(), QStringLiteral("Togli"));
}

void TestAnglers::menuWithoutSelection_data() {
    QTest::addColumn<bool>("add");
    QTest::newRow("Aggiungi") << true;
    QTest::newRow("Togli") << false;
}

void TestAnglers::menuWithoutSelection() {
    QFETCH(bool, add);
    DBLookupListBox* box = add ? panel()->DBLookupListBox1 : panel()->DBLookupListBox2;
    QTest::mouseClick(box->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    QTRY_VERIFY((add ? panel()->PopupMenu1 : panel()->PopupMenu2)->isVisible());
    (add ? panel()->PopupMenu1 : panel()->PopupMenu2)->hide();
    (add ? panel()->Aggiungi1 : panel()->MenuItem1)->trigger();
    QCOMPARE(m_messages->texts(), QStringList{add ? TAnglersPanel::kAddWithoutSelection
                                                  : TAnglersPanel::kRemoveWithoutSelection});
    QCOMPARE(m_messages->shown().front().kind, MessageKind::Error);
    QCOMPARE(names(panel()->DBLookupListBox1), QStringList({"Luca", "Marco"}));
}

void TestAnglers::removingTwiceRunsTheCommandAgain() {
    doubleClick(panel()->DBLookupListBox1, 0);
    doubleClick(panel()->DBLookupListBox2, 0);
    QVERIFY(names(panel()->DBLookupListBox2).isEmpty());
    panel()->MenuItem1->trigger(); // the removed angler's key is still selected: no message
    QVERIFY(m_messages->shown().isEmpty());
    QCOMPARE(names(panel()->DBLookupListBox1), QStringList({"Luca", "Marco"}));
}

void TestAnglers::listButtonRenamesOnTheLeftAtOnce() {
    doubleClick(panel()->DBLookupListBox1, 0); // Luca takes part
    ScriptedModal modal;
    modal.whileOpen = [](QDialog&) {
        Query& anglers = DM_Elenco->ADOQ_Carpisti;
        for (anglers.first(); !anglers.eof(); anglers.next()) {
            anglers.edit();
            anglers.setText(QStringLiteral("Ds_Pescatore"),
                            anglers.displayText(1) + QStringLiteral(" R."));
            anglers.post();
        }
        return int(QDialog::Accepted);
    };
    QTest::mouseClick(panel()->SpeedButton2, Qt::LeftButton);
    QCOMPARE(modal.captions, QStringList{QStringLiteral("ELENCO CARPISTI")});
    QCOMPARE(names(panel()->DBLookupListBox1), QStringList({"Marco R."}));
    QCOMPARE(names(panel()->DBLookupListBox2), QStringList({"Luca"})); // until the next refresh
    FrmUscita->RefreshMainWindow();
    QCOMPARE(names(panel()->DBLookupListBox2), QStringList({"Luca R."}));
}

QTEST_MAIN(TestAnglers)
#include "tst_anglers.moc"
