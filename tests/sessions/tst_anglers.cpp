// The anglers of a session in the main window: moving them across by menu and double click,
// and by keyboard alone (Tab, the arrow keys, Enter, the Menu key, Shift+F10), the two error
// boxes, and the anglers list button.
#include "app/Startup.h"
#include "app/U_FRM_FrmPrincipale.h"
#include "app/U_FRM_FrmStart.h"
#include "engine/Command.h"
#include "engine/Query.h"
#include "lists/UDM_Elenco.h"
#include "sessions/AnglersPanel.h"
#include "sessions/SessionPanel.h"
#include "sessions/UDM_Sessioni.h"
#include "tests/support/WindowFixture.h"
#include "widgets/DBEdit.h"
#include "widgets/DBLookupListBox.h"
#include "widgets/DBMemo.h"
#include "widgets/ToolButton.h"

#include <QApplication>
#include <QGroupBox>
#include <QHelpEvent>
#include <QMenu>
#include <QTest>
#include <QToolTip>

class TestAnglers : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void doubleClickAttachesAndDetaches();
    void tabReachesBothLists();
    void keyboardAttachesAndDetaches_data();
    void keyboardAttachesAndDetaches();
    void menuWithoutSelection_data();
    void menuWithoutSelection();
    void removingTwiceRunsTheCommandAgain();
    void rightClickActsOnTheAnglerPointedAt();
    void newSessionAcceptsNoAnglers();
    void longHintsAreWrapped();
    void aRefreshFillsTheListOnce();
    void listButtonRenamesInBothListsAtOnce();

private:
    WindowFixture f;
    int links() {
        return f.stored(QStringLiteral("SELECT count(*) FROM TUscitaPescatore")).toInt();
    }
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
    f.start([](WindowFixture& w) {
        w.exec(QStringLiteral("INSERT INTO TUscita (DataDa) VALUES ('2005-06-10')"));
        w.exec(QStringLiteral("INSERT INTO TPescatore (Ds_Pescatore) VALUES ('Luca'), ('Marco')"));
    });
    QVERIFY(f.showMainWindow());
}

void TestAnglers::cleanup() {
    f.finish();
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
    QVERIFY(f.messages().shown().isEmpty());
    // By the popup menus too.
    QTest::mouseClick(
        panel()->DBLookupListBox1->viewport(), Qt::LeftButton, {},
        panel()->DBLookupListBox1->visualItemRect(panel()->DBLookupListBox1->item(0)).center());
    panel()->Aggiungi1->trigger();
    QCOMPARE(names(panel()->DBLookupListBox2), QStringList({"Luca"}));
    QCOMPARE(panel()->Aggiungi1->text(), QStringLiteral("Aggiungi"));
    QCOMPARE(panel()->MenuItem1->text(), QStringLiteral("Togli"));
}

void TestAnglers::tabReachesBothLists() {
    DBMemo* notes = FrmUscita->SessionPanel->Note;
    notes->setFocus(Qt::TabFocusReason);
    QTest::keyClick(notes, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), panel()->DBLookupListBox1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), panel()->DBLookupListBox2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), panel()->DBLookupListBox1);
}

void TestAnglers::keyboardAttachesAndDetaches_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("byMenu"); // the key opens the popup, whose item is then chosen
    QTest::newRow("Invio") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << false;
    QTest::newRow("Invio del tastierino")
        << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << false;
    QTest::newRow("tasto Menu") << int(Qt::Key_Menu) << Qt::KeyboardModifiers() << true;
    QTest::newRow("Maiusc+F10") << int(Qt::Key_F10) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                << true;
}

void TestAnglers::keyboardAttachesAndDetaches() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, byMenu);
    const auto act = [&](DBLookupListBox* box) {
        QTest::keyClick(box, Qt::Key(key), modifiers);
        if (!byMenu)
            return;
        QMenu* menu = box->popupMenu();
        QTRY_VERIFY(menu->isVisible());
        // At the highlighted row.
        const QRect row = box->visualItemRect(box->currentItem());
        QCOMPARE(menu->pos(), box->viewport()->mapToGlobal(row.bottomLeft()));
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(!menu->isVisible());
    };
    DBLookupListBox* left = panel()->DBLookupListBox1;
    left->setFocus(Qt::TabFocusReason);
    QTest::keyClick(left, Qt::Key_Down);
    QTest::keyClick(left, Qt::Key_Down);
    QCOMPARE(left->currentItem()->text(), QStringLiteral("Marco"));
    QVERIFY(left->currentItem()->isSelected());
    act(left);
    QCOMPARE(names(left), QStringList({"Luca"}));
    QCOMPARE(names(panel()->DBLookupListBox2), QStringList({"Marco"}));
    QCOMPARE(links(), 1);
    DBLookupListBox* right = panel()->DBLookupListBox2;
    right->setFocus(Qt::TabFocusReason);
    QTest::keyClick(right, Qt::Key_Down);
    act(right);
    QVERIFY(names(right).isEmpty());
    QCOMPARE(names(left), QStringList({"Luca", "Marco"}));
    QCOMPARE(links(), 0);
    QVERIFY(f.messages().shown().isEmpty());
    // With nothing highlighted, the same box as with the mouse says what to do.
    left->setFocus(Qt::TabFocusReason);
    QTest::keyClick(left, Qt::Key_Return);
    QCOMPARE(f.messages().texts(), QStringList{TAnglersPanel::kAddWithoutSelection});
}

void TestAnglers::menuWithoutSelection_data() {
    QTest::addColumn<bool>("add");
    QTest::newRow("Aggiungi") << true;
    QTest::newRow("Togli") << false;
}

void TestAnglers::menuWithoutSelection() {
    QFETCH(bool, add);
    doubleClick(panel()->DBLookupListBox1, 1); // Marco takes part
    DBLookupListBox* box = add ? panel()->DBLookupListBox1 : panel()->DBLookupListBox2;
    // A right click below the last name highlights nothing.
    QTest::mouseClick(box->viewport(), Qt::RightButton, {},
                      QPoint(5, box->viewport()->height() - 3));
    QMenu* menu = add ? panel()->PopupMenu1 : panel()->PopupMenu2;
    QTRY_VERIFY(menu->isVisible());
    menu->hide();
    (add ? panel()->Aggiungi1 : panel()->MenuItem1)->trigger();
    QCOMPARE(f.messages().texts(), QStringList{add ? TAnglersPanel::kAddWithoutSelection
                                                   : TAnglersPanel::kRemoveWithoutSelection});
    QCOMPARE(f.messages().shown().front().kind, MessageKind::Error);
    // No command ran.
    QCOMPARE(links(), 1);
    QCOMPARE(names(panel()->DBLookupListBox1), QStringList({"Luca"}));
    QCOMPARE(names(panel()->DBLookupListBox2), QStringList({"Marco"}));
}

void TestAnglers::removingTwiceRunsTheCommandAgain() {
    doubleClick(panel()->DBLookupListBox1, 0);
    doubleClick(panel()->DBLookupListBox2, 0);
    QVERIFY(names(panel()->DBLookupListBox2).isEmpty());
    QCOMPARE(links(), 0);
    // Luca is attached again behind the lists' back: a second "Togli" with his key still
    // selected detaches him again, without a message.
    f.exec(QStringLiteral("INSERT INTO TUscitaPescatore (Nm_uscita, Nm_Pescatore) VALUES (1, 1)"));
    panel()->MenuItem1->trigger();
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(links(), 0);
    QCOMPARE(names(panel()->DBLookupListBox1), QStringList({"Luca", "Marco"}));
}

void TestAnglers::rightClickActsOnTheAnglerPointedAt() {
    DBLookupListBox* left = panel()->DBLookupListBox1;
    // Luca is highlighted, but the user right-clicks Marco.
    QTest::mouseClick(left->viewport(), Qt::LeftButton, {},
                      left->visualItemRect(left->item(0)).center());
    QTest::mouseClick(left->viewport(), Qt::RightButton, {},
                      left->visualItemRect(left->item(1)).center());
    QTRY_VERIFY(panel()->PopupMenu1->isVisible());
    QCOMPARE(left->currentItem()->text(), QStringLiteral("Marco"));
    panel()->PopupMenu1->hide();
    panel()->Aggiungi1->trigger();
    QCOMPARE(names(panel()->DBLookupListBox2), QStringList({"Marco"}));
}

void TestAnglers::newSessionAcceptsNoAnglers() {
    // A new session whose save failed is pending with its anglers group shown again.
    QTest::mouseClick(FrmUscita->SessionPanel->SBNew_Sessione, Qt::LeftButton);
    FrmUscita->SessionPanel->DataDa->setFocus();
    QTest::keyClicks(FrmUscita->SessionPanel->DataDa, QStringLiteral("31/02/2005"));
    QTest::mouseClick(FrmUscita->SessionPanel->SBSave_Sessione, Qt::LeftButton);
    QCOMPARE(f.messages().texts().size(), 1); // the date-format warning
    QVERIFY(FrmUscita->GroupBox4->isVisible());
    QVERIFY(!panel()->Aggiungi1->isEnabled());
    QVERIFY(!panel()->MenuItem1->isEnabled());
    QCOMPARE(panel()->DBLookupListBox1->toolTip(), TAnglersPanel::kSessionNotSaved);
    FrmUscita->SessionPanel->DataDa->selectAll();
    QTest::keyClicks(FrmUscita->SessionPanel->DataDa, QStringLiteral("28/02/2005"));
    doubleClick(panel()->DBLookupListBox1, 0);
    QCOMPARE(links(), 0);
    QCOMPARE(f.messages().texts().size(), 1);
    // Once saved, anglers can be attached.
    QTest::mouseClick(FrmUscita->SessionPanel->SBCancel_Sessione, Qt::LeftButton);
    QVERIFY(panel()->Aggiungi1->isEnabled());
    QVERIFY(panel()->DBLookupListBox1->toolTip().startsWith(QStringLiteral("Elenco dei carpisti")));
}

void TestAnglers::longHintsAreWrapped() {
    for (DBLookupListBox* box : {panel()->DBLookupListBox1, panel()->DBLookupListBox2}) {
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box, &help);
        // Shown as a paragraph, which the tip wraps, holding the hint's text.
        QVERIFY(QToolTip::text().startsWith(QStringLiteral("<p>")));
        QVERIFY(QToolTip::text().contains(box->toolTip().left(40).toHtmlEscaped()));
        QToolTip::hideText();
    }
}

void TestAnglers::aRefreshFillsTheListOnce() {
    int filled = 0;
    connect(panel()->DBLookupListBox1->model(), &QAbstractItemModel::rowsInserted, this,
            [&](const QModelIndex&, int first, int last) { filled += last - first + 1; });
    FrmUscita->RefreshMainWindow();
    QCOMPARE(filled, 2); // Luca and Marco, once each
}

void TestAnglers::listButtonRenamesInBothListsAtOnce() {
    doubleClick(panel()->DBLookupListBox1, 0); // Luca takes part
    f.modal().whileOpen = [](QDialog&) {
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
    QCOMPARE(f.modal().captions, QStringList{QStringLiteral("ELENCO CARPISTI")});
    QCOMPARE(names(panel()->DBLookupListBox1), QStringList({"Marco R."}));
    QCOMPARE(names(panel()->DBLookupListBox2), QStringList({"Luca R."}));
}

QTEST_MAIN(TestAnglers)
#include "tst_anglers.moc"
