// The main window frame and the About box: caption, fixed size, menu, groups and tool bars
// where they belong, the status bar always empty, and "&Esci" or the close box ending the
// program at once, asking first only when something typed is still pending.
#include "app/Startup.h"
#include "app/U_FRM_FrmAbout.h"
#include "app/U_FRM_FrmPrincipale.h"
#include "engine/Query.h"
#include "sessions/UDM_Sessioni.h"
#include "tests/support/WindowFixture.h"
#include "widgets/ModalSeam.h"
#include "widgets/ProgramExit.h"
#include "widgets/RecordToolBar.h"

#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void frame();
    void menu();
    void regions();
    void endsAtOnce();
    void pendingChangesOnExit_data();
    void pendingChangesOnExit();
    void aFailedSaveOnExitStays();
    void aboutBox();

private:
    WindowFixture f;
    int m_terminations = 0;
};

void TestMainWindow::init() {
    f.start();
    m_terminations = 0;
    SetTerminateAction([this] { ++m_terminations; });
}

void TestMainWindow::cleanup() {
    SetTerminateAction({});
    f.finish();
}

void TestMainWindow::frame() {
    TFrmUscita& w = *FrmUscita;
    QCOMPARE(w.windowTitle(), QStringLiteral("LUNKERLEDGER - Ver. 1.0"));
    QCOMPARE(w.centralWidget()->size(), QSize(778, 544));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QSize fixed = w.size();
    w.resize(1000, 800);
    QCOMPARE(w.size(), fixed);
    QCOMPARE(fixed.width(), 778);
}

void TestMainWindow::menu() {
    TFrmUscita& w = *FrmUscita;
    const QList<QAction*> top = w.menuBar()->actions();
    QCOMPARE(top.size(), 2);
    QCOMPARE(top[0]->text(), QStringLiteral("&Menu"));
    QCOMPARE(top[1]->text(), QStringLiteral("&Info"));
    QStringList items;
    for (QAction* a : w.Menu1->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(items, QStringList({"&Statistiche", "S&tampa modulo", "Salva modulo come &PDF...",
                                 "Esporta in &CSV...", "Trova &foto spostate...",
                                 "Posizione dei &laghi...", "Sole e l&una...",
                                 "&Importa foto della sessione...", "-", "&Esci"}));
    QCOMPARE(w.About1->actions().size(), 1);
    QCOMPARE(w.About2->text(), QStringLiteral("&About..."));
    QCOMPARE(w.Statistiche1->icon().availableSizes().value(0), QSize(16, 16));
    QCOMPARE(w.Stampamodulo1->icon().availableSizes().value(0), QSize(16, 16));
    QCOMPARE(w.Esci1->icon().availableSizes().value(0), QSize(11, 16));
}

void TestMainWindow::regions() {
    TFrmUscita& w = *FrmUscita;
    struct Region {
        QWidget* widget;
        QRect rect;
    };
    const Region regions[] = {
        {w.GroupBox1, {0, 0, 776, 231}},     {w.GroupBox4, {335, 139, 316, 82}},
        {w.GroupBox2, {0, 235, 295, 289}},   {w.GroupBox3, {300, 235, 476, 289}},
        {w.TB_Sessione, {40, 195, 271, 37}}, {w.TB_Pastura, {35, 495, 236, 31}},
        {w.TB_Prede, {480, 497, 236, 31}},   {w.StatusBar1, {0, 525, 778, 19}},
    };
    for (const Region& r : regions)
        QCOMPARE(r.widget->geometry(), r.rect);
    QCOMPARE(w.GroupBox1->title(), QStringLiteral("SESSIONE     "));
    QCOMPARE(w.GroupBox2->title(), QStringLiteral("PASTURAZIONE"));
    QCOMPARE(w.GroupBox3->title(), QStringLiteral("PREDE"));
    QCOMPARE(w.GroupBox4->title(), QStringLiteral("Carpisti"));
    QCOMPARE(w.GroupBox1->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    QCOMPARE(w.GroupBox2->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
    QCOMPARE(w.GroupBox3->palette().color(QPalette::WindowText), QColor(0x80, 0, 0x80));
    QCOMPARE(w.GroupBox1->font().pixelSize(), 12);
    QVERIFY(w.GroupBox1->font().bold());
    QCOMPARE(w.GroupBox4->parentWidget(), w.GroupBox1);
    QVERIFY(!w.StatusBar1->isSizeGripEnabled());
    QVERIFY(w.StatusBar1->currentMessage().isEmpty());
}

void TestMainWindow::endsAtOnce() {
    TFrmUscita& w = *FrmUscita;
    w.show();
    // Nothing pending: nothing is asked.
    w.Esci1->trigger();
    QCOMPARE(m_terminations, 1);
    w.close();
    QCOMPARE(m_terminations, 2);
    QVERIFY(f.messages().shown().isEmpty());
}

void TestMainWindow::pendingChangesOnExit_data() {
    QTest::addColumn<int>("answer"); // MessageAnswer
    QTest::addColumn<bool>("ended");
    QTest::addColumn<int>("stored");
    QTest::newRow("Yes saves, then ends") << int(MessageAnswer::Yes) << true << 1;
    QTest::newRow("No ends without saving") << int(MessageAnswer::No) << true << 0;
    QTest::newRow("Cancel stays") << int(MessageAnswer::Cancel) << false << 0;
}

void TestMainWindow::pendingChangesOnExit() {
    QFETCH(int, answer);
    QFETCH(bool, ended);
    QFETCH(int, stored);
    TFrmUscita& w = *FrmUscita;
    w.show();
    for (bool closeBox : {false, true}) {
        Query& sessions = DM_Sessioni->ADOQ_Sessioni;
        if (!sessions.isEditing()) {
            sessions.insert();
            sessions.setValue(QStringLiteral("Note"), QStringLiteral("in corso"));
        }
        f.messages().answerNext(MessageAnswer(answer));
        m_terminations = 0;
        if (closeBox)
            w.close();
        else
            w.Esci1->trigger();
        QCOMPARE(m_terminations, ended ? 1 : 0);
        QCOMPARE(f.messages().texts(), QStringList{TFrmUscita::kUnsavedOnExit});
        QCOMPARE(f.messages().shown().front().buttons, MessageButtons::YesNoCancel);
        QCOMPARE(f.messages().shown().front().caption, QStringLiteral("Confirm"));
        f.messages().clear();
        QCOMPARE(f.stored(QStringLiteral("SELECT count(*) FROM TUscita")).toInt(),
                 stored * (closeBox ? 2 : 1));
        if (answer == int(MessageAnswer::No))
            sessions.cancel();
    }
}

void TestMainWindow::aFailedSaveOnExitStays() {
    TFrmUscita& w = *FrmUscita;
    Query& sessions = DM_Sessioni->ADOQ_Sessioni;
    sessions.insert();
    sessions.setValue(QStringLiteral("Nm_lago"), 99); // no such lake
    f.messages().answerNext(MessageAnswer::Yes);
    w.Esci1->trigger();
    QCOMPARE(m_terminations, 0);
    QCOMPARE(f.messages().texts().size(), 2); // the question, then why it failed
    QCOMPARE(sessions.state(), DataSetState::Insert);
    sessions.cancel();
}

void TestMainWindow::aboutBox() {
    FrmUscita->About2->trigger();
    FrmUscita->About2->trigger();
    QCOMPARE(f.modal().shown, QList<QDialog*>({FrmAbout, FrmAbout}));

    TFrmAbout& about = *FrmAbout;
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.size(), QSize(388, 276));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QCOMPARE(about.Label1->text(), QStringLiteral("LunkerLedger"));
    QCOMPARE(about.Label2->text(), QStringLiteral("Ver. 1.0"));
    QCOMPARE(about.Panel1->geometry(), QRect(8, 8, 373, 233));
    QCOMPARE(about.OKButton->geometry(), QRect(146, 245, 75, 25));
    QVERIFY(about.OKButton->isDefault());
    QCOMPARE(about.Memo1->document()->blockCount(), 9);
    const QString terms = about.Memo1->toPlainText();
    about.show();
    about.Memo1->setFocus();
    QTest::keyClicks(about.Memo1, QStringLiteral("testo"));
    QCOMPARE(about.Memo1->toPlainText(), terms);
    QTest::mouseClick(about.OKButton, Qt::LeftButton);
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
