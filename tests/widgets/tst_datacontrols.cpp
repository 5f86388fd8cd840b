// The data-aware controls over a real query on a temporary database, driven with keys and
// clicks offscreen: typing starts an edit, pending text is written on post, a bad text is
// reported on leaving the box, lists follow their datasets, the grid and the navigator move
// the dataset (posting first), and every failure ends in a message box, never an exception.
#include "data/U_DBUtils.h"
#include "engine/Command.h"
#include "engine/EngineError.h"
#include "engine/Query.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/Sql.h"
#include "tests/support/TestProgramDir.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBLookupListBox.h"
#include "widgets/DBMemo.h"
#include "widgets/DBNavigator.h"
#include "widgets/DataSource.h"
#include "widgets/ErrorGuard.h"
#include "widgets/ToolButton.h"
#include "widgets/UiFonts.h"

#include <QHeaderView>
#include <QMenu>
#include <QTest>
#include <QVBoxLayout>

namespace {

void exec(Connection& c, const QString& sql) {
    execSql(c, sql);
}

QVariant stored(Connection& c, const QString& sql) {
    return firstValue(c, sql);
}

} // namespace

class TestDataControls : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void typingStartsEditingAndSaveWritesIt();
    void keysANumberCannotHoldAreRefused();
    void entryLimit();
    void firstEditingKeyEdits_data();
    void firstEditingKeyEdits();
    void longestValueIsSeenWhole_data();
    void longestValueIsSeenWhole();
    void memoKeysThatChangeNothing();
    void badTextIsReportedOnLeaving();
    void saveConvertsTextStillBeingTyped();
    void memo();
    void fixedChoiceList();
    void lookupComboFollowsItsList();
    void lookupListBox();
    void gridColumns();
    void gridMovesTheDatasetAndDeletes();
    void navigator();
    void toolButtonsTakeNoFocus();
    void guardTurnsErrorsIntoTheErrorBox();

private:
    std::unique_ptr<TestProgramDir> m_dir;
    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<Query> m_sessions;
    std::unique_ptr<Query> m_lakes;
    std::unique_ptr<DataSource> m_sessionSource;
    std::unique_ptr<DataSource> m_lakeSource;
    std::unique_ptr<QWidget> m_window;
    Connection& conn() { return m_dir->connection(); }
    // A window holding the control and a plain box to move the focus to.
    QLineEdit* m_other = nullptr;
    void showWith(QWidget* control);
    DBEdit* boundEdit(const QString& field, QWidget* parent = nullptr) {
        auto* edit = new DBEdit(parent);
        edit->setDataSource(m_sessionSource.get());
        edit->setDataField(field);
        return edit;
    }
};

void TestDataControls::init() {
    m_dir = std::make_unique<TestProgramDir>(TestProgramDir::DatabaseOnly);
    m_messages = std::make_unique<ScriptedMessages>();
    exec(conn(), QStringLiteral("INSERT INTO TLago (Ds_desc) VALUES ('Bolsena'), ('Garda')"));
    exec(conn(),
         QStringLiteral("INSERT INTO TUscita (DataDa, Nm_lago, Nm_temp, Note) VALUES "
                        "('2005-03-05', 1, 12.5, 'prima'), ('2005-04-01', 2, NULL, 'seconda')"));
    m_sessions = std::make_unique<Query>(QStringLiteral("ADOQ_Sessioni"), nullptr, &conn());
    m_sessions->setSql(QStringLiteral(
        "SELECT Id_uscita, DataDa, Nm_lago, Nm_temp, Note FROM TUscita ORDER BY DataDa"));
    m_sessions->open();
    m_lakes = std::make_unique<Query>(QStringLiteral("ADOQ_Lago"), nullptr, &conn());
    m_lakes->setSql(QStringLiteral("SELECT Id_lago, Ds_desc FROM TLago ORDER BY Id_lago"));
    m_lakes->open();
    m_sessionSource =
        std::make_unique<DataSource>(QStringLiteral("DS_QSessioni"), nullptr, m_sessions.get());
    m_lakeSource = std::make_unique<DataSource>(QStringLiteral("DS_QLago"), nullptr, m_lakes.get());
}

void TestDataControls::cleanup() {
    m_window.reset();
    m_sessionSource.reset();
    m_lakeSource.reset();
    m_sessions.reset();
    m_lakes.reset();
    m_messages.reset();
    m_dir.reset();
}

void TestDataControls::showWith(QWidget* control) {
    m_window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(m_window.get());
    control->setParent(m_window.get());
    layout->addWidget(control);
    m_other = new QLineEdit(m_window.get());
    layout->addWidget(m_other);
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestDataControls::typingStartsEditingAndSaveWritesIt() {
    auto* note = boundEdit(QStringLiteral("note")); // fields are found without regard to case
    showWith(note);
    QCOMPARE(note->text(), QStringLiteral("prima"));
    note->setFocus();
    QTest::keyClick(note, Qt::Key_End);
    QCOMPARE(m_sessions->state(), DataSetState::Browse); // moving the caret is no edit
    QTest::keyClicks(note, QStringLiteral(" notte"));
    QCOMPARE(m_sessions->state(), DataSetState::Edit);
    QCOMPARE(note->text(), QStringLiteral("prima notte"));
    QCOMPARE(RecordOperation(opSave, *m_sessions), orOk); // the box still has the focus
    QCOMPARE(
        stored(conn(), QStringLiteral("SELECT Note FROM TUscita WHERE Id_uscita = 1")).toString(),
        QStringLiteral("prima notte"));
    // Moving shows the next row; the navigator-style move posts what is typed first.
    QTest::keyClicks(note, QStringLiteral("!"));
    m_sessions->next();
    QCOMPARE(note->text(), QStringLiteral("seconda"));
    QCOMPARE(
        stored(conn(), QStringLiteral("SELECT Note FROM TUscita WHERE Id_uscita = 1")).toString(),
        QStringLiteral("prima notte!"));
    QVERIFY(m_messages->shown().isEmpty());
}

void TestDataControls::keysANumberCannotHoldAreRefused() {
    auto* temp = boundEdit(QStringLiteral("Nm_temp"));
    showWith(temp);
    temp->setFocus();
    temp->selectAll();
    QTest::keyClicks(temp, QStringLiteral("1a4,x5"));
    QCOMPARE(temp->text(), QStringLiteral("14,5"));
    // A date box takes any character; the date is checked when it is written.
    auto* date = boundEdit(QStringLiteral("DataDa"), m_window.get());
    date->show();
    date->setFocus();
    date->selectAll();
    QTest::keyClicks(date, QStringLiteral("5 marzo"));
    QCOMPARE(date->text(), QStringLiteral("5 marzo"));
}

void TestDataControls::entryLimit() {
    auto* temp = boundEdit(QStringLiteral("Nm_temp"));
    temp->setTypingLimit(4);
    showWith(temp);
    temp->setFocus();
    temp->selectAll();
    QTest::keyClicks(temp, QStringLiteral("123456"));
    QCOMPARE(temp->text(), QStringLiteral("1234"));
    // A longer value the program shows is shown whole and not changed by being shown.
    QCOMPARE(RecordOperation(opCancel, *m_sessions), orOk);
    exec(conn(), QStringLiteral("UPDATE TUscita SET Nm_temp = 12.75 WHERE Id_uscita = 1"));
    m_sessions->requery();
    QCOMPARE(temp->text(), QStringLiteral("12,75"));
    QCOMPARE(m_sessions->state(), DataSetState::Browse);
    temp->setFocus();
    temp->end(false);
    QTest::keyClick(temp, Qt::Key_Backspace);
    QCOMPARE(temp->text(), QStringLiteral("12,7"));
}

void TestDataControls::firstEditingKeyEdits_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("home"); // Home then Delete; otherwise Ctrl+A then Backspace
    QTest::addColumn<QString>("after");
    QTest::newRow("date, select all, backspace") << "DataDa" << false << "";
    QTest::newRow("date, home, delete") << "DataDa" << true << "5/03/2005";
    QTest::newRow("temperature, home, delete") << "Nm_temp" << true << "2,5";
}

void TestDataControls::firstEditingKeyEdits() {
    QFETCH(QString, field);
    QFETCH(bool, home);
    QFETCH(QString, after);
    auto* box = boundEdit(field);
    showWith(box);
    box->setFocus();
    if (home) {
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
    } else {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
    }
    QCOMPARE(box->text(), after);
    QCOMPARE(m_sessions->state(), DataSetState::Edit);
    if (home)
        QCOMPARE(box->cursorPosition(), 0);
}

void TestDataControls::longestValueIsSeenWhole_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("value");
    // The boxes of the session panel with the longest value each takes.
    QTest::newRow("date") << 65 << "05/03/2024";
    QTest::newRow("temperature") << 41 << "-5,5";
    QTest::newRow("depth") << 32 << "123,4";
}

void TestDataControls::longestValueIsSeenWhole() {
    QFETCH(int, width);
    QFETCH(QString, value);
    UiFonts::installSubstitutions(); // as the program does at start
    auto* box = new DBEdit;
    box->setFont(UiFonts::sansSerifPixels(12));
    box->setText(value);
    showWith(box);
    box->setFixedSize(width, 21);
    box->setCursorPosition(0);
    // What is left for the text once the border and margins are taken.
    const QMargins margins = box->textMargins();
    const int room = box->contentsRect().width() - margins.left() - margins.right() - 4;
    QVERIFY2(
        box->fontMetrics().horizontalAdvance(value) <= room,
        qPrintable(
            QStringLiteral("%1 > %2").arg(box->fontMetrics().horizontalAdvance(value)).arg(room)));
}

void TestDataControls::memoKeysThatChangeNothing() {
    auto* memo = new DBMemo;
    memo->setDataSource(m_sessionSource.get());
    memo->setDataField(QStringLiteral("Note"));
    showWith(memo);
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Escape);
    QCOMPARE(m_sessions->state(), DataSetState::Browse);
    // Tab leaves the notes for the next control and types nothing.
    QTest::keyClick(memo, Qt::Key_Tab);
    QCOMPARE(memo->toPlainText(), QStringLiteral("prima"));
    QCOMPARE(m_sessions->state(), DataSetState::Browse);
    QVERIFY(m_other->hasFocus());
    // Deleting is an edit, from the first key.
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Backspace);
    QCOMPARE(memo->toPlainText(), QStringLiteral("prim"));
    QCOMPARE(m_sessions->state(), DataSetState::Edit);
}

void TestDataControls::badTextIsReportedOnLeaving() {
    auto* date = boundEdit(QStringLiteral("DataDa"));
    showWith(date);
    date->setFocus();
    date->selectAll();
    QTest::keyClicks(date, QStringLiteral("31/02/2004"));
    m_other->setFocus(Qt::TabFocusReason);
    QCOMPARE(m_messages->texts(),
             QStringList{QStringLiteral(
                 "'31/02/2004' non è una data valida: il formato corretto è gg/mm/aaaa")});
    QCOMPARE(m_messages->shown().front().caption, QStringLiteral("Error"));
    QTRY_VERIFY(date->hasFocus());
    QCOMPARE(date->selectedText(), QStringLiteral("31/02/2004"));
    QCOMPARE(m_sessions->state(), DataSetState::Edit);
    QCOMPARE(m_sessions->displayText(QStringLiteral("DataDa")), QStringLiteral("05/03/2005"));
    // Corrected, it is written when the box is left.
    QTest::keyClicks(date, QStringLiteral("28/02/2004"));
    m_other->setFocus(Qt::TabFocusReason);
    QCOMPARE(m_messages->shown().size(), 1);
    QCOMPARE(m_sessions->value(QStringLiteral("DataDa")).toDate(), QDate(2004, 2, 28));
}

void TestDataControls::saveConvertsTextStillBeingTyped() {
    auto* date = boundEdit(QStringLiteral("DataDa"));
    showWith(date);
    date->setFocus();
    date->selectAll();
    QTest::keyClicks(date, QStringLiteral("05/13/2005"));
    QCOMPARE(RecordOperation(opSave, *m_sessions), orConvertError);
    QCOMPARE(m_sessions->state(), DataSetState::Edit);
    QCOMPARE(date->text(), QStringLiteral("05/13/2005"));
    date->selectAll();
    QTest::keyClicks(date, QStringLiteral("05/12/2005"));
    QCOMPARE(RecordOperation(opSave, *m_sessions), orOk);
    QCOMPARE(
        stored(conn(), QStringLiteral("SELECT DataDa FROM TUscita WHERE Id_uscita = 1")).toString(),
        QStringLiteral("2005-12-05"));
}

void TestDataControls::memo() {
    auto* memo = new DBMemo;
    memo->setDataSource(m_sessionSource.get());
    memo->setDataField(QStringLiteral("Note"));
    showWith(memo);
    QCOMPARE(memo->toPlainText(), QStringLiteral("prima"));
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo, QStringLiteral(" uscita"));
    QCOMPARE(m_sessions->state(), DataSetState::Edit);
    QCOMPARE(RecordOperation(opCancel, *m_sessions), orOk);
    QCOMPARE(memo->toPlainText(), QStringLiteral("prima"));
    QTest::keyClicks(memo, QStringLiteral("X"));
    QCOMPARE(RecordOperation(opSave, *m_sessions), orOk);
    QVERIFY(stored(conn(), QStringLiteral("SELECT Note FROM TUscita WHERE Id_uscita = 1"))
                .toString()
                .contains(QLatin1Char('X')));
}

void TestDataControls::fixedChoiceList() {
    auto* choice = new DBComboBox;
    choice->addItems({QStringLiteral("prima"), QStringLiteral("seconda"), QStringLiteral("terza")});
    choice->setDataSource(m_sessionSource.get());
    choice->setDataField(QStringLiteral("Note"));
    showWith(choice);
    QCOMPARE(choice->currentText(), QStringLiteral("prima"));
    choice->setCurrentIndex(2);
    QCOMPARE(m_sessions->state(), DataSetState::Edit);
    QCOMPARE(m_sessions->displayText(QStringLiteral("Note")), QStringLiteral("terza"));
    m_sessions->cancel();
    QCOMPARE(choice->currentText(), QStringLiteral("prima"));
    m_sessions->next();
    QCOMPARE(choice->currentText(), QStringLiteral("seconda"));
}

void TestDataControls::lookupComboFollowsItsList() {
    auto* lake = new DBLookupComboBox;
    lake->setDataSource(m_sessionSource.get());
    lake->setDataField(QStringLiteral("Nm_lago"));
    lake->setListSource(m_lakeSource.get());
    lake->setKeyField(QStringLiteral("Id_lago"));
    lake->setListField(QStringLiteral("Ds_desc"));
    lake->setDropDownRows(12);
    showWith(lake);
    QCOMPARE(lake->count(), 3); // an empty entry first, then the lakes
    QVERIFY(lake->itemText(0).isEmpty());
    QCOMPARE(lake->currentText(), QStringLiteral("Bolsena"));
    QCOMPARE(lake->maxVisibleItems(), 12);
    lake->setCurrentIndex(2);
    QCOMPARE(m_sessions->state(), DataSetState::Edit);
    QCOMPARE(m_sessions->value(QStringLiteral("Nm_lago")).toInt(), 2);
    QCOMPARE(RecordOperation(opSave, *m_sessions), orOk);
    // A lake renamed in its table shows at once when the list is reopened.
    exec(conn(), QStringLiteral("UPDATE TLago SET Ds_desc = 'Lago di Garda' WHERE Id_lago = 2"));
    m_lakes->close();
    m_lakes->open();
    QCOMPARE(lake->currentText(), QStringLiteral("Lago di Garda"));
    // Choosing the empty entry sets the value back to none.
    lake->setCurrentIndex(0);
    QVERIFY(m_sessions->value(QStringLiteral("Nm_lago")).isNull());
    QVERIFY(lake->keyValue().isNull());
    // A value that is not in the list shows no choice.
    m_sessions->setValue(QStringLiteral("Nm_lago"), 7);
    QCOMPARE(lake->currentIndex(), -1);
    QVERIFY(lake->keyValue().isNull());
}

void TestDataControls::lookupListBox() {
    auto* list = new DBLookupListBox;
    list->setListSource(m_lakeSource.get());
    list->setKeyField(QStringLiteral("Id_lago"));
    list->setListField(QStringLiteral("Ds_desc"));
    QMenu menu;
    menu.addAction(QStringLiteral("Aggiungi"));
    list->setPopupMenu(&menu);
    showWith(list);
    QCOMPARE(list->count(), 2);
    QVERIFY(list->keyValue().isNull());
    const QRect second = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(list->keyValue().toInt(), 2);
    QCOMPARE(m_lakes->recNo(), 1); // highlighting does not move the list's dataset
    const QRect first = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, first.center());
    QTRY_VERIFY(menu.isVisible());
    menu.hide();
    QCOMPARE(list->keyValue().toInt(), 1); // the right click picks the row it points at
    QCOMPARE(list->currentItem(), list->item(0));
    int doubleClicks = 0;
    connect(list, &DBLookupListBox::chosen, this, [&] { ++doubleClicks; });
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(doubleClicks, 1);
    QCOMPARE(list->keyValue().toInt(), 1);
}

void TestDataControls::gridColumns() {
    auto* grid = new DBGrid;
    grid->setDataSource(m_sessionSource.get());
    showWith(grid);
    QCOMPARE(grid->model()->columnCount(), 5);
    QCOMPARE(grid->columnTitle(0), QStringLiteral("Id_uscita"));
    QCOMPARE(grid->columnTitle(4), QStringLiteral("Note"));
    QCOMPARE(grid->model()->data(grid->model()->index(0, 1)).toString(),
             QStringLiteral("05/03/2005"));
    QCOMPARE(grid->model()->data(grid->model()->index(0, 3)).toString(), QStringLiteral("12,5"));
    QCOMPARE(grid->columnOfField(QStringLiteral("Note")), 4);
    QCOMPARE(grid->columnOfField(QStringLiteral("note")), -1); // exact names only
    grid->setColumnTitle(1, QStringLiteral("Dal"));
    grid->setColumnVisible(0, false);
    grid->setColumnWidth(4, 150);
    QCOMPARE(grid->columnTitle(1), QStringLiteral("Dal"));
    QVERIFY(!grid->isColumnVisible(0));
    QCOMPARE(grid->columnWidth(4), 150);
    // Reopened with another text, the columns follow the new query and start afresh.
    m_sessions->setSql(QStringLiteral("SELECT Note, Id_uscita FROM TUscita"));
    m_sessions->open();
    QCOMPARE(grid->model()->columnCount(), 2);
    QCOMPARE(grid->columnTitle(0), QStringLiteral("Note"));
    QVERIFY(grid->isColumnVisible(0));
    // Options.
    grid->setOptions(
        {.titles = false, .rowIndicator = false, .columnLines = false, .rowLines = true});
    QVERIFY(grid->horizontalHeader()->isHidden());
    QVERIFY(grid->verticalHeader()->isHidden());
    QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void TestDataControls::gridMovesTheDatasetAndDeletes() {
    auto* grid = new DBGrid;
    grid->setDataSource(m_sessionSource.get());
    showWith(grid);
    const QRect second = grid->visualRect(grid->model()->index(1, 4));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(m_sessions->recNo(), 2);
    m_sessions->first();
    QCOMPARE(grid->currentIndex().row(), 0);

    // A pending edit that the database refuses: the move does not happen.
    m_sessions->edit();
    m_sessions->setValue(QStringLiteral("Nm_lago"), 99);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(1, 2)).center(), 300);
    QCOMPARE(m_sessions->recNo(), 1);
    QCOMPARE(grid->currentIndex().row(), 0);
    QCOMPARE(m_messages->shown().size(), 1);
    QCOMPARE(m_messages->texts(),
             QStringList{QStringLiteral("Il valore scelto non esiste più nel suo elenco: "
                                        "sceglierne un altro e salvare di nuovo.")});
    m_sessions->cancel();
    m_messages->clear();

    grid->setFocus();
    m_messages->answerNext(MessageAnswer::Cancel);
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(m_sessions->recordCount(), 2);
    m_messages->answerNext(MessageAnswer::Ok);
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(m_sessions->recordCount(), 1);
    QCOMPARE(stored(conn(), QStringLiteral("SELECT count(*) FROM TUscita")).toInt(), 1);
    QCOMPARE(m_messages->texts(), QStringList({DBGrid::kDeleteQuestion, DBGrid::kDeleteQuestion}));
    QCOMPARE(m_messages->shown().front().buttons, MessageButtons::OkCancel);
    QTest::keyClick(grid, Qt::Key_Delete); // Delete alone does nothing
    QCOMPARE(m_sessions->recordCount(), 1);
}

void TestDataControls::navigator() {
    auto* nav = new DBNavigator;
    nav->setDataSource(m_sessionSource.get());
    showWith(nav);
    QList<int> seen; // the row number each click handler found
    connect(nav, &DBNavigator::clicked, this, [&] { seen << m_sessions->recNo(); });
    auto enabled = [&] {
        QString s;
        for (auto b :
             {DBNavigator::First, DBNavigator::Prior, DBNavigator::Next, DBNavigator::Last})
            s += nav->button(b)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    };
    QCOMPARE(enabled(), QStringLiteral("0011"));
    QTest::mouseClick(nav->button(DBNavigator::Next), Qt::LeftButton);
    QCOMPARE(seen, QList<int>{2});
    QTest::mouseClick(nav->button(DBNavigator::Next), Qt::LeftButton);
    QCOMPARE(enabled(), QStringLiteral("1100"));
    QTest::mouseClick(nav->button(DBNavigator::First), Qt::LeftButton);
    QCOMPARE(seen, QList<int>({2, 2, 1}));
    QCOMPARE(enabled(), QStringLiteral("0011"));
    // A move whose post fails reports it and runs no handler.
    m_sessions->edit();
    m_sessions->setValue(QStringLiteral("Nm_lago"), 99);
    nav->press(DBNavigator::Last);
    QCOMPARE(seen.size(), 3);
    QCOMPARE(m_sessions->recNo(), 1);
    QCOMPARE(m_messages->shown().size(), 1);
    m_sessions->close();
    QCOMPARE(enabled(), QStringLiteral("0000"));
}

void TestDataControls::toolButtonsTakeNoFocus() {
    auto* note = boundEdit(QStringLiteral("Note"));
    showWith(note);
    auto* button = new ToolButton(m_window.get());
    button->setHint(QStringLiteral("Salva le modifiche"));
    button->show();
    note->setFocus();
    QTest::keyClicks(note, QStringLiteral("x"));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(note->hasFocus());
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(button->toolTip(), QStringLiteral("Salva le modifiche"));
}

void TestDataControls::guardTurnsErrorsIntoTheErrorBox() {
    Guarded([] { throw EngineError(QStringLiteral("Il dataset 'X' è chiuso.")); });
    Guarded([] { throw std::runtime_error("boom"); });
    QCOMPARE(m_messages->texts(),
             QStringList({QStringLiteral("Il dataset 'X' è chiuso."), QStringLiteral("boom")}));
    QCOMPARE(m_messages->shown().front().kind, MessageKind::Error);
}

QTEST_MAIN(TestDataControls)
#include "tst_datacontrols.moc"
