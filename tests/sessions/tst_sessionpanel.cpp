// The session panel in the real main window, offscreen: the counter and the three looks,
// New / Save / Cancel / Delete from each look, the season written at save, the date-format
// warning keeping what was typed, navigation storing pending edits, and the list buttons.
#include "app/Startup.h"
#include "app/U_FRM_FrmPrincipale.h"
#include "app/U_FRM_FrmStart.h"
#include "data/MessageSeam.h"
#include "data/U_DBUtils.h"
#include "engine/Command.h"
#include "engine/Query.h"
#include "lists/UDM_Elenco.h"
#include "lists/U_FRM_FrmCambiaElenco.h"
#include "sessions/SessionDetails.h"
#include "sessions/SessionPanel.h"
#include "sessions/UDM_Sessioni.h"
#include "tests/support/WindowFixture.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBMemo.h"
#include "widgets/DBNavigator.h"
#include "widgets/RecordToolBar.h"
#include "widgets/ToolButton.h"

#include <QApplication>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTest>

Q_DECLARE_METATYPE(SessionDetails)

namespace {

const QString kFormat = QStringLiteral("Correggere il formato in cui sono state inserite le "
                                       "date.\r\nIl formato corretto è: 'gg/mm/aaaa'");
const QString kBusy = QStringLiteral(
    "Lo stato attuale è di modifica o di inserimento: salvare i dati o \r\nannullare le "
    "modifiche per consentire questa operazione.");
const QString kTrailing(11, QLatin1Char(' '));

} // namespace

class TestSessionPanel : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void emptyLook();
    void counterFollowsTheSession();
    void newSaveAndTheSeason();
    void cancellingTheFirstNewSessionReturnsToEmpty();
    void saveWithABadDateKeepsEverything();
    void seasonWarningAndSaveInTheEmptyLook();
    void deleteAsksThenRemoves();
    void deletingASessionWithDetailsCountsThem();
    void detailsQuestionWording_data();
    void detailsQuestionWording();
    void navigationStoresPendingEdits();
    void busyNew();
    void listButtonsReopenTheirList();
    void reportageButtonInTheBrowsingLook();
    void navigatorAfterCancellingTheFirstSession();
    void newSessionTakesItsPlaceAndTheFocus();
    void endBeforeStartIsRefused();
    void unexpectedBoxesAreCaught();
    void moonPhaseFromTheStartDate();

private:
    WindowFixture f;
    TSessionPanel* panel() { return FrmUscita->SessionPanel; }
    void start(int sessions);
    QVariant stored(const QString& sql) { return f.stored(sql); }
    void type(QWidget* box, const QString& text);
    void click(ToolButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    QString caption() const { return FrmUscita->GroupBox1->title(); }
};

void TestSessionPanel::cleanup() {
    f.finish();
}

void TestSessionPanel::start(int sessions) {
    f.start([sessions](WindowFixture& w) {
        w.exec(QStringLiteral("INSERT INTO TLago (Ds_desc) VALUES ('Bolsena'), ('Garda')"));
        for (int i = 1; i <= sessions; ++i)
            w.exec(QStringLiteral("INSERT INTO TUscita (DataDa, Nm_lago, Note) VALUES "
                                  "('2005-%1-10', 1, 'uscita %2')")
                       .arg(i, 2, 10, QLatin1Char('0'))
                       .arg(i));
    });
    QVERIFY(f.showMainWindow());
    QVERIFY(f.messages().shown().isEmpty());
}

void TestSessionPanel::type(QWidget* box, const QString& text) {
    box->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(box))
        edit->selectAll();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(box))
        memo->selectAll();
    QTest::keyClicks(box, text);
}

void TestSessionPanel::emptyLook() {
    start(0);
    QCOMPARE(caption(), QStringLiteral("SESSIONI (0 di 0)") + kTrailing);
    QVERIFY(FrmUscita->GroupBox2->isHidden());
    QVERIFY(FrmUscita->GroupBox3->isHidden());
    QVERIFY(FrmUscita->GroupBox4->isHidden());
    QVERIFY(FrmUscita->TB_Pastura->isVisible());
    QVERIFY(FrmUscita->TB_Prede->isVisible());
    for (QWidget* w :
         std::initializer_list<QWidget*>{panel()->DataDa, panel()->Note, panel()->Nm_lago,
                                         panel()->DBLookupComboBox8, panel()->Nm_temp})
        QVERIFY(!w->isEnabled());
    QCOMPARE(panel()->SBReportage_sessione->text(), QStringLiteral("Reportage (0)"));
    QVERIFY(!panel()->SBReportage_sessione->isEnabled());
    QVERIFY(panel()->SBNew_Sessione->isEnabled());
}

void TestSessionPanel::counterFollowsTheSession() {
    start(12);
    QCOMPARE(caption(), QStringLiteral("SESSIONI (1 di 12)") + kTrailing);
    QVERIFY(FrmUscita->GroupBox2->isVisible());
    QVERIFY(panel()->DataDa->isEnabled());
    QCOMPARE(panel()->DataDa->text(), QStringLiteral("10/01/2005"));
    QCOMPARE(panel()->Nm_lago->currentText(), QStringLiteral("Bolsena"));
    QTest::mouseClick(panel()->DBN_Sessioni->button(DBNavigator::Last), Qt::LeftButton);
    QCOMPARE(caption(), QStringLiteral("SESSIONI (12 di 12)") + kTrailing);
    QCOMPARE(panel()->Note->toPlainText(), QStringLiteral("uscita 12"));
    QTest::mouseClick(panel()->DBN_Sessioni->button(DBNavigator::First), Qt::LeftButton);
    QCOMPARE(caption(), QStringLiteral("SESSIONI (1 di 12)") + kTrailing);
    click(panel()->SBNew_Sessione);
    QCOMPARE(caption(), QStringLiteral("SESSIONI (-1 di 12)") + kTrailing);
}

void TestSessionPanel::newSaveAndTheSeason() {
    start(2);
    click(panel()->SBNew_Sessione);
    // The New session look.
    QVERIFY(FrmUscita->GroupBox2->isHidden());
    QVERIFY(FrmUscita->GroupBox3->isHidden());
    QVERIFY(FrmUscita->GroupBox4->isHidden());
    QVERIFY(FrmUscita->TB_Pastura->isHidden());
    QVERIFY(FrmUscita->TB_Prede->isVisible());
    QVERIFY(!panel()->DBN_Sessioni->isEnabled());
    QVERIFY(!panel()->SBNew_Sessione->isEnabled());
    QVERIFY(!panel()->SBDel_Sessione->isEnabled());
    QVERIFY(panel()->DataDa->isEnabled());
    QVERIFY(!panel()->SBReportage_sessione->isEnabled()); // no key yet for its entries
    QCOMPARE(DM_Sessioni->CurrentSessionId(), 0);

    type(panel()->DataDa, QStringLiteral("21/06/2006"));
    type(panel()->Nm_temp, QStringLiteral("18,5"));
    panel()->Nm_lago->setCurrentIndex(2); // after the empty entry: Bolsena, Garda
    click(panel()->SBSave_Sessione);
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(DM_Sessioni->ADOQ_Sessioni.state(), DataSetState::Browse);
    const int key = DM_Sessioni->CurrentSessionId();
    QCOMPARE(key, 3);
    QCOMPARE(stored(QStringLiteral("SELECT Nm_Stagione FROM TUscita WHERE Id_uscita = 3")).toInt(),
             2);
    QCOMPARE(stored(QStringLiteral("SELECT Nm_temp FROM TUscita WHERE Id_uscita = 3")).toDouble(),
             18.5);
    QCOMPARE(stored(QStringLiteral("SELECT Nm_lago FROM TUscita WHERE Id_uscita = 3")).toInt(), 2);
    // Browsing again.
    QVERIFY(FrmUscita->GroupBox2->isVisible());
    QVERIFY(panel()->DBN_Sessioni->isEnabled());
    QVERIFY(panel()->SBReportage_sessione->isEnabled());
    QVERIFY(caption().startsWith(QStringLiteral("SESSIONI (")));
    QVERIFY(caption().endsWith(QStringLiteral(" di 3)") + kTrailing));
}

void TestSessionPanel::cancellingTheFirstNewSessionReturnsToEmpty() {
    start(0);
    click(panel()->SBNew_Sessione);
    QVERIFY(panel()->DataDa->isEnabled());
    QVERIFY(panel()->Note->isEnabled());
    type(panel()->Note, QStringLiteral("prova"));
    click(panel()->SBCancel_Sessione);
    QCOMPARE(caption(), QStringLiteral("SESSIONI (0 di 0)") + kTrailing);
    QVERIFY(!panel()->DataDa->isEnabled());
    QVERIFY(FrmUscita->GroupBox2->isHidden());
    QCOMPARE(stored(QStringLiteral("SELECT count(*) FROM TUscita")).toInt(), 0);
    QVERIFY(f.messages().shown().isEmpty());
}

void TestSessionPanel::saveWithABadDateKeepsEverything() {
    start(0);
    click(panel()->SBNew_Sessione);
    type(panel()->Note, QStringLiteral("notte di luna piena"));
    type(panel()->DataDa, QStringLiteral("31/02/2004"));
    click(panel()->SBSave_Sessione);
    QCOMPARE(f.messages().texts(), QStringList{kFormat});
    QCOMPARE(f.messages().shown().front().caption, QStringLiteral("Warning"));
    // Nothing typed is lost, and the first session stays open to correction.
    QCOMPARE(DM_Sessioni->ADOQ_Sessioni.state(), DataSetState::Insert);
    QCOMPARE(panel()->DataDa->text(), QStringLiteral("31/02/2004"));
    QCOMPARE(panel()->Note->toPlainText(), QStringLiteral("notte di luna piena"));
    QVERIFY(panel()->DataDa->isEnabled());
    QVERIFY(panel()->Note->isEnabled());
    f.messages().clear();
    type(panel()->DataDa, QStringLiteral("29/02/2004"));
    click(panel()->SBSave_Sessione);
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(caption(), QStringLiteral("SESSIONI (1 di 1)") + kTrailing);
    QCOMPARE(
        stored(QStringLiteral("SELECT DataDa || ' ' || Nm_Stagione || ' ' || Note FROM TUscita"))
            .toString(),
        QStringLiteral("2004-02-29 4 notte di luna piena"));
}

void TestSessionPanel::seasonWarningAndSaveInTheEmptyLook() {
    start(1);
    // A one-digit day cannot be read for the season: warned, season kept, saved anyway.
    type(panel()->DataDa, QStringLiteral("5/09/2005"));
    click(panel()->SBSave_Sessione);
    QCOMPARE(f.messages().texts(), QStringList{TSessionPanel::kSeasonWarning});
    QCOMPARE(stored(QStringLiteral("SELECT DataDa FROM TUscita")).toString(),
             QStringLiteral("2005-09-05"));
    QVERIFY(stored(QStringLiteral("SELECT Nm_Stagione FROM TUscita")).isNull());
    // A month of 13: no season warning, the date-format warning from the save.
    f.messages().clear();
    type(panel()->DataDa, QStringLiteral("05/13/2005"));
    click(panel()->SBSave_Sessione);
    QCOMPARE(f.messages().texts(), QStringList{kFormat});
    click(panel()->SBCancel_Sessione);
    QCOMPARE(panel()->DataDa->text(), QStringLiteral("05/09/2005"));
    // Delete the only session, then Save in the Empty look: only the season warning.
    f.messages().clear();
    f.messages().answerNext(MessageAnswer::Yes);
    click(panel()->SBDel_Sessione);
    QCOMPARE(caption(), QStringLiteral("SESSIONI (0 di 0)") + kTrailing);
    f.messages().clear();
    click(panel()->SBSave_Sessione);
    QCOMPARE(f.messages().texts(), QStringList{TSessionPanel::kSeasonWarning});
    QCOMPARE(caption(), QStringLiteral("SESSIONI (0 di 0)") + kTrailing);
}

void TestSessionPanel::deleteAsksThenRemoves() {
    start(3);
    f.messages().answerNext(MessageAnswer::No);
    click(panel()->SBDel_Sessione);
    QCOMPARE(caption(), QStringLiteral("SESSIONI (1 di 3)") + kTrailing);
    f.messages().answerNext(MessageAnswer::Yes);
    click(panel()->SBDel_Sessione);
    QCOMPARE(f.messages().texts().size(), 2);
    QCOMPARE(f.messages().shown().back().caption, QStringLiteral("Confirm"));
    QCOMPARE(caption(), QStringLiteral("SESSIONI (1 di 2)") + kTrailing);
    QCOMPARE(panel()->Note->toPlainText(), QStringLiteral("uscita 2"));
}

// The first session has 2 catches, a groundbait day and a reportage entry: an explicit
// question counting them comes first, and No to it keeps everything without the usual one.
void TestSessionPanel::deletingASessionWithDetailsCountsThem() {
    f.start([](WindowFixture& w) {
        w.exec(QStringLiteral("INSERT INTO TUscita (DataDa) VALUES ('2005-06-10'), "
                              "('2005-07-10')"));
        w.exec(QStringLiteral("INSERT INTO TPreda (Nm_uscita, Data) VALUES (1, '2005-06-10'), "
                              "(1, '2005-06-11')"));
        w.exec(QStringLiteral("INSERT INTO TPastura (Nm_uscita, giorno) VALUES (1, 1)"));
        w.exec(QStringLiteral("INSERT INTO TReportage (Nm_uscita, Ds_commento) VALUES (1, 'x')"));
    });
    QVERIFY(f.showMainWindow());
    const QString question = QStringLiteral(
        "La sessione ha 2 prede, 1 giorno di pasturazione e 1 elemento di reportage: "
        "eliminandola si eliminano anche questi dati.\r\nContinuare?");
    f.messages().answerNext(MessageAnswer::No);
    click(panel()->SBDel_Sessione);
    QCOMPARE(f.messages().texts(), QStringList{question});
    QCOMPARE(stored(QStringLiteral("SELECT (SELECT count(*) FROM TUscita) || ' ' || "
                                   "(SELECT count(*) FROM TPreda)"))
                 .toString(),
             QStringLiteral("2 2"));
    f.messages().clear();
    f.messages().answerNext(MessageAnswer::Yes);
    f.messages().answerNext(MessageAnswer::Yes);
    click(panel()->SBDel_Sessione);
    QCOMPARE(f.messages().texts(), (QStringList{question, kDeleteConfirmation}));
    QCOMPARE(stored(QStringLiteral("SELECT count(*) FROM TUscita")).toInt(), 1);
    // A session with nothing of its own: only the usual question.
    f.messages().clear();
    f.messages().answerNext(MessageAnswer::No);
    click(panel()->SBDel_Sessione);
    QCOMPARE(f.messages().texts(), QStringList{kDeleteConfirmation});
}

void TestSessionPanel::detailsQuestionWording_data() {
    QTest::addColumn<SessionDetails>("details");
    QTest::addColumn<QString>("counted");
    QTest::newRow("none") << SessionDetails{} << QString();
    QTest::newRow("one catch") << SessionDetails{1, 0, 0} << QStringLiteral("1 preda");
    QTest::newRow("days and entries")
        << SessionDetails{0, 3, 2}
        << QStringLiteral("3 giorni di pasturazione e 2 elementi di reportage");
    QTest::newRow("all") << SessionDetails{6, 1, 2}
                         << QStringLiteral("6 prede, 1 giorno di pasturazione e 2 elementi di "
                                           "reportage");
}

void TestSessionPanel::detailsQuestionWording() {
    QFETCH(SessionDetails, details);
    QFETCH(QString, counted);
    const QString question = details.deletionQuestion();
    QCOMPARE(details.any(), !counted.isEmpty());
    if (counted.isEmpty())
        QVERIFY(question.isEmpty());
    else
        QVERIFY2(question.startsWith(QStringLiteral("La sessione ha ") + counted + u':'),
                 qPrintable(question));
}

void TestSessionPanel::navigationStoresPendingEdits() {
    start(2);
    type(panel()->DataDa, QStringLiteral("15/07/2005"));
    type(panel()->Note, QStringLiteral("cambiata"));
    QTest::mouseClick(panel()->DBN_Sessioni->button(DBNavigator::Next), Qt::LeftButton);
    QCOMPARE(caption(), QStringLiteral("SESSIONI (2 di 2)") + kTrailing);
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(
        stored(QStringLiteral("SELECT DataDa || ' ' || Nm_Stagione || ' ' || Note FROM TUscita "
                              "WHERE Id_uscita = 1"))
            .toString(),
        QStringLiteral("2005-07-15 2 cambiata"));
    // A pending edit the engine cannot convert stops the move: reported, no refresh.
    type(panel()->Nm_temp, QStringLiteral("-"));
    QTest::mouseClick(panel()->DBN_Sessioni->button(DBNavigator::First), Qt::LeftButton);
    QCOMPARE(DM_Sessioni->SessionRecNo(), 2);
    QCOMPARE(f.messages().shown().size(), 1);
    QVERIFY(
        f.messages().shown().front().text.contains(QStringLiteral("'-' non è un numero valido")));
}

void TestSessionPanel::busyNew() {
    start(1);
    type(panel()->Note, QStringLiteral("x"));
    click(panel()->SBNew_Sessione);
    QCOMPARE(f.messages().texts(), QStringList{kBusy});
    QCOMPARE(DM_Sessioni->ADOQ_Sessioni.state(), DataSetState::Edit);
    click(panel()->SBCancel_Sessione);
    QCOMPARE(DM_Sessioni->ADOQ_Sessioni.state(), DataSetState::Browse);
    QVERIFY(panel()->SBNew_Sessione->isEnabled());
}

void TestSessionPanel::listButtonsReopenTheirList() {
    start(1);
    f.exec(QStringLiteral("UPDATE TUscita SET Nm_TipoUscita = 1"));
    // The user renames the first element of the list being edited and saves it.
    auto rename = [](const QString& field, const QString& name) {
        return [field, name](QDialog&) {
            Query& list = *DM_Elenco->DS_Elenco.dataSet();
            list.first();
            list.edit();
            list.setText(field, name);
            list.post();
            return int(QDialog::Accepted);
        };
    };
    f.modal().whileOpen = rename(QStringLiteral("Ds_desc"), QStringLiteral("Lago di Bolsena"));
    click(panel()->SpeedButton1);
    QCOMPARE(f.modal().captions, QStringList{QStringLiteral("ELENCO LAGHI")});
    QCOMPARE(panel()->Nm_lago->currentText(), QStringLiteral("Lago di Bolsena"));
    QCOMPARE(FrmCambiaElenco->ListDataSetName, QStringLiteral("ADOQ_Lago"));
    // The session type the session has is the one renamed: the drop-down shows the new name
    // without moving to another session.
    const QString firstType = stored(QStringLiteral("SELECT Ds_TipoSessione FROM TTipoSessione "
                                                    "ORDER BY Ds_TipoSessione COLLATE NOCASE"))
                                  .toString();
    f.exec(QStringLiteral("UPDATE TUscita SET Nm_TipoUscita = (SELECT Id_TipoSessione FROM "
                          "TTipoSessione WHERE Ds_TipoSessione = '%1')")
               .arg(firstType));
    QTest::mouseClick(panel()->DBN_Sessioni->button(DBNavigator::First), Qt::LeftButton);
    DM_Sessioni->ADOQ_Sessioni.requery();
    f.modal().whileOpen = rename(QStringLiteral("Ds_TipoSessione"), QStringLiteral("Maratona"));
    click(panel()->SpeedButton9);
    QCOMPARE(f.modal().captions.last(), QStringLiteral("ELENCO TIPO SESSIONE"));
    QCOMPARE(FrmCambiaElenco->ListDataSetName, QStringLiteral("ADOQ_TipoSessione"));
    QCOMPARE(panel()->DS_tipouscita->currentText(), QStringLiteral("Maratona"));
    QCOMPARE(panel()->SpeedButton1->toolTip(), QStringLiteral("Modifica l'elenco dei laghi"));
    QCOMPARE(panel()->SpeedButton9->toolTip(), QStringLiteral("Modifica l'elenco dei laghi"));
}

void TestSessionPanel::reportageButtonInTheBrowsingLook() {
    start(3);
    QVERIFY(panel()->SBReportage_sessione->isEnabled());
    QTest::mouseClick(panel()->DBN_Sessioni->button(DBNavigator::Next), Qt::LeftButton);
    QVERIFY(panel()->SBReportage_sessione->isEnabled());
    click(panel()->SBNew_Sessione);
    QVERIFY(!panel()->SBReportage_sessione->isEnabled());
    click(panel()->SBCancel_Sessione);
    QVERIFY(panel()->SBReportage_sessione->isEnabled());
}

void TestSessionPanel::navigatorAfterCancellingTheFirstSession() {
    start(0);
    click(panel()->SBNew_Sessione);
    click(panel()->SBCancel_Sessione);
    QCOMPARE(caption(), QStringLiteral("SESSIONI (0 di 0)") + kTrailing);
    for (auto b : {DBNavigator::First, DBNavigator::Prior, DBNavigator::Next, DBNavigator::Last})
        QVERIFY(!panel()->DBN_Sessioni->button(b)->isEnabled());
}

void TestSessionPanel::newSessionTakesItsPlaceAndTheFocus() {
    start(3); // 10 January, February and March 2005
    click(panel()->SBNew_Sessione);
    QCOMPARE(QApplication::focusWidget(), panel()->DS_tipouscita);
    type(panel()->DataDa, QStringLiteral("20/02/2005"));
    type(panel()->Note, QStringLiteral("nuova"));
    click(panel()->SBSave_Sessione);
    QVERIFY(f.messages().shown().isEmpty());
    // Saved between February and March, and still the session shown.
    QCOMPARE(caption(), QStringLiteral("SESSIONI (3 di 4)") + kTrailing);
    QCOMPARE(panel()->Note->toPlainText(), QStringLiteral("nuova"));
}

void TestSessionPanel::endBeforeStartIsRefused() {
    start(1);
    type(panel()->DataDa, QStringLiteral("12/05/2005"));
    type(panel()->DataA, QStringLiteral("10/05/2005"));
    click(panel()->SBSave_Sessione);
    QCOMPARE(f.messages().texts(), QStringList{TSessionPanel::kEndBeforeStart});
    QCOMPARE(f.messages().shown().front().caption, QStringLiteral("Warning"));
    QCOMPARE(DM_Sessioni->ADOQ_Sessioni.state(), DataSetState::Edit);
    QCOMPARE(panel()->DataA->text(), QStringLiteral("10/05/2005"));
    QCOMPARE(stored(QStringLiteral("SELECT DataDa FROM TUscita")).toString(),
             QStringLiteral("2005-01-10"));
    f.messages().clear();
    type(panel()->DataA, QStringLiteral("14/05/2005"));
    click(panel()->SBSave_Sessione);
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(stored(QStringLiteral("SELECT DataA FROM TUscita")).toString(),
             QStringLiteral("2005-05-14"));
}

void TestSessionPanel::unexpectedBoxesAreCaught() {
    start(1);
    // A box nobody looked at, and a question nobody scripted an answer to (answered No).
    showError(QStringLiteral("imprevisto"));
    QVERIFY(!askConfirmation(QStringLiteral("eliminare?")));
    const QStringList caught = f.messages().unexpected();
    QCOMPARE(caught.size(), 3);
    QVERIFY(caught.at(0).endsWith(QStringLiteral("imprevisto")));
    QVERIFY(caught.at(2).endsWith(QStringLiteral("eliminare?")));
    f.messages().clear();
    QVERIFY(f.messages().unexpected().isEmpty());
    // With no seam at all, a question is answered No, never Yes.
    MessageSeam* installed = installMessageSeam(nullptr);
    const bool yes = askConfirmation(QStringLiteral("eliminare?"));
    installMessageSeam(installed);
    QVERIFY(!yes);
}

void TestSessionPanel::moonPhaseFromTheStartDate() {
    start(1);
    // Leaving the start date box presets the empty phase: 25 January 2024 was a full moon.
    click(panel()->SBNew_Sessione);
    type(panel()->DataDa, QStringLiteral("25/01/2024"));
    panel()->DataA->setFocus(Qt::TabFocusReason);
    QCOMPARE(panel()->DBLookupComboBox8->currentText(), QStringLiteral("Luna piena"));
    // The user can change it, and a chosen phase is never replaced.
    panel()->DBLookupComboBox8->setCurrentIndex(
        panel()->DBLookupComboBox8->findText(QStringLiteral("Luna nuova")));
    type(panel()->DataDa, QStringLiteral("18/01/2024"));
    click(panel()->SBSave_Sessione);
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(
        stored(QStringLiteral("SELECT Nm_luna FROM TUscita WHERE DataDa = '2024-01-18'")).toInt(),
        1);
    // At Save too, straight after typing: 18 January 2024 was a first quarter.
    click(panel()->SBNew_Sessione);
    type(panel()->DataDa, QStringLiteral("18/01/2024"));
    click(panel()->SBSave_Sessione);
    QCOMPARE(stored(QStringLiteral("SELECT max(Nm_luna) FROM TUscita WHERE DataDa = "
                                   "'2024-01-18'"))
                 .toInt(),
             3);
}

QTEST_MAIN(TestSessionPanel)
#include "tst_sessionpanel.moc"
