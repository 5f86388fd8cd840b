// The list editor: one list at a time showing only its description column, the tool
// buttons and Enter through the lists module, and what stays pending between openings.
#include "app/Startup.h"
#include "data/MessageSeam.h"
#include "data/ShippedFiles.h"
#include "data/U_DBUtils.h"
#include "engine/Command.h"
#include "engine/Query.h"
#include "lists/UDM_Elenco.h"
#include "lists/U_FRM_FrmCambiaElenco.h"
#include "tests/support/Sql.h"
#include "tests/support/WindowFixture.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/ToolButton.h"

#include <QApplication>
#include <QTest>

namespace {
const QString kBusy = QStringLiteral(
    "Lo stato attuale è di modifica o di inserimento: salvare i dati o \r\nannullare le "
    "modifiche per consentire questa operazione.");
}

class TestListEditor : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void eachOpeningShowsOneList();
    void descriptionSpelledOtherwiseShowsNoColumn();
    void enterSavesAndFocusesTheGrid();
    void newWhilePendingAndDelete();
    void closingLeavesTheEditPending();
    void elementInUseCannotBeDeleted();
    void conversionErrorOnSave();
    void emptyAndDuplicateDescriptionsAreRefused_data();
    void emptyAndDuplicateDescriptionsAreRefused();

private:
    WindowFixture f;
    void start(const QByteArray& ini = {}) { f.start({}, ini); }
    TFrmCambiaElenco& dialog() { return *FrmCambiaElenco; }
    QStringList visibleTitles() {
        QStringList t;
        for (int c = 0; c < dialog().DBGrid1->model()->columnCount(); ++c)
            if (dialog().DBGrid1->isColumnVisible(c))
                t << dialog().DBGrid1->model()->headerData(c, Qt::Horizontal).toString();
        return t;
    }
    // Opens the dialog and runs `inside` while it is shown.
    void open(const QString& caption, int code, std::function<void()> inside = {}) {
        f.modal().whileOpen = [this, inside](QDialog& d) {
            d.show();
            QApplication::setActiveWindow(&d);
            if (inside)
                inside();
            d.hide();
            return int(QDialog::Accepted);
        };
        dialog().EditList(caption, code);
    }
};

void TestListEditor::cleanup() {
    f.finish();
}

void TestListEditor::eachOpeningShowsOneList() {
    start();
    QCOMPARE(dialog().size(), QSize(202, 266));
    open(QStringLiteral("ELENCO ESCHE"), 5);
    QCOMPARE(f.modal().captions.last(), QStringLiteral("ELENCO ESCHE"));
    QCOMPARE(visibleTitles(), QStringList{QStringLiteral("Ds_esca")});
    QCOMPARE(dialog().ListDataSetName, QStringLiteral("ADOQ_Esca"));
    open(QStringLiteral("ELENCO VENTI"), 3);
    QCOMPARE(dialog().windowTitle(), QStringLiteral("ELENCO VENTI"));
    QCOMPARE(visibleTitles(), QStringList{QStringLiteral("ds_tipovento")});
    QCOMPARE(dialog().DBEdit1->dataField(), QStringLiteral("ds_tipovento"));
    // The list stands in the order of its names.
    QCOMPARE(dialog().DBEdit1->text(),
             f.stored(QStringLiteral("SELECT ds_tipovento FROM TTipovento ORDER BY ds_tipovento "
                                     "COLLATE NOCASE"))
                 .toString());
    QCOMPARE(DM_Elenco->Nrec(), 9);
    open(QStringLiteral("ELENCO VENTI"), 3);
    QCOMPARE(visibleTitles(), QStringList{QStringLiteral("ds_tipovento")});
    QCOMPARE(dialog().SBNew_Sessione->toolTip(), QStringLiteral("Nuovo elemento"));
    QCOMPARE(dialog().SBDel_Sessione->toolTip(), QStringLiteral("Elimina l'elemento corrente"));
}

void TestListEditor::descriptionSpelledOtherwiseShowsNoColumn() {
    QByteArray ini = ShippedFiles::queryIni().toUtf8();
    ini.replace("Ds_esca AS Ds_esca FROM TEsca", "Ds_esca AS DS_ESCA FROM TEsca");
    start(ini);
    open(QStringLiteral("ELENCO ESCHE"), 5);
    QVERIFY(visibleTitles().isEmpty());
    QVERIFY(!dialog().DBEdit1->text().isEmpty()); // the box still finds its column
}

void TestListEditor::enterSavesAndFocusesTheGrid() {
    start();
    open(QStringLiteral("ELENCO LAGHI"), 1, [this] {
        QTest::mouseClick(dialog().SBNew_Sessione, Qt::LeftButton);
        QVERIFY(dialog().DBEdit1->hasFocus());
        QTest::keyClicks(dialog().DBEdit1, QStringLiteral("Lago di Garda"));
        QTest::keyClick(dialog().DBEdit1, Qt::Key_Return);
        QVERIFY(dialog().DBGrid1->hasFocus());
    });
    QCOMPARE(DM_Elenco->ADOQ_Lago.state(), DataSetState::Browse);
    QCOMPARE(DM_Elenco->Nrec(), 1);
    Query q(QStringLiteral("q"), nullptr, &f.dir().connection());
    q.setSql(QStringLiteral("SELECT Ds_desc FROM TLago"));
    q.open();
    QCOMPARE(q.displayText(0), QStringLiteral("Lago di Garda"));
    QVERIFY(f.messages().shown().isEmpty());
}

void TestListEditor::newWhilePendingAndDelete() {
    start();
    open(QStringLiteral("ELENCO ESCHE"), 5, [this] {
        const int before = DM_Elenco->Nrec();
        QTest::mouseClick(dialog().SBNew_Sessione, Qt::LeftButton);
        QTest::mouseClick(dialog().SBNew_Sessione, Qt::LeftButton);
        QCOMPARE(f.messages().texts(), QStringList{kBusy});
        QVERIFY(dialog().DBEdit1->hasFocus());
        QCOMPARE(DM_Elenco->ADOQ_Esca.bufferedRowCount(), before + 1);
        QTest::mouseClick(dialog().SBCancel_Sessione, Qt::LeftButton);
        QCOMPARE(DM_Elenco->Nrec(), before);
        f.messages().clear();
        f.messages().answerNext(MessageAnswer::No);
        QTest::mouseClick(dialog().SBDel_Sessione, Qt::LeftButton);
        QCOMPARE(DM_Elenco->Nrec(), before);
        f.messages().answerNext(MessageAnswer::Yes);
        QTest::mouseClick(dialog().SBDel_Sessione, Qt::LeftButton);
        QCOMPARE(DM_Elenco->Nrec(), before - 1);
        QCOMPARE(dialog().DBGrid1->model()->rowCount(), before - 1);
        QCOMPARE(f.messages().texts(), QStringList({kDeleteConfirmation, kDeleteConfirmation}));
    });
}

void TestListEditor::closingLeavesTheEditPending() {
    start();
    open(QStringLiteral("ELENCO VENTI"), 3, [this] {
        dialog().DBEdit1->setFocus();
        dialog().DBEdit1->selectAll();
        QTest::keyClicks(dialog().DBEdit1, QStringLiteral("Tramontana"));
        QTest::mouseClick(dialog().SpeedButton1, Qt::LeftButton); // OK neither saves nor cancels
    });
    QCOMPARE(DM_Elenco->ADOQ_tipovento.state(), DataSetState::Edit);
    open(QStringLiteral("ELENCO VENTI"), 3, [this] {
        QTest::mouseClick(dialog().SBNew_Sessione, Qt::LeftButton);
        QCOMPARE(f.messages().texts(), QStringList{kBusy});
        QTest::mouseClick(dialog().SBSave_Sessione, Qt::LeftButton);
    });
    QCOMPARE(DM_Elenco->ADOQ_tipovento.state(), DataSetState::Browse);
    QCOMPARE(DM_Elenco->ADOQ_tipovento.displayText(QStringLiteral("ds_tipovento")),
             QStringLiteral("Tramontana"));
}

void TestListEditor::elementInUseCannotBeDeleted() {
    start();
    Command c(QStringLiteral("c"), nullptr, &f.dir().connection());
    c.setSql(QStringLiteral("INSERT INTO TUscita (Nm_TipoUscita) VALUES (1)"));
    c.execute();
    c.setSql(QStringLiteral("UPDATE TUscita SET Nm_TipoUscita = (SELECT Id_TipoSessione FROM "
                            "TTipoSessione ORDER BY Ds_TipoSessione COLLATE NOCASE LIMIT 1)"));
    c.execute();
    f.messages().answerNext(MessageAnswer::Yes);
    open(QStringLiteral("ELENCO TIPO SESSIONE"), 9,
         [this] { QTest::mouseClick(dialog().SBDel_Sessione, Qt::LeftButton); });
    // The question, then the refusal in words the user can act on.
    QCOMPARE(f.messages().texts(),
             QStringList({kDeleteConfirmation, QStringLiteral("L'elemento è ancora usato in una "
                                                              "o più uscite o prede: non può "
                                                              "essere eliminato.")}));
    QCOMPARE(DM_Elenco->Nrec(), 6);
}

void TestListEditor::conversionErrorOnSave() {
    // A list whose description is a number (only a query text can make one): a lone sign
    // cannot be stored, and the editor says so in its own words.
    QByteArray ini = ShippedFiles::queryIni().toUtf8();
    ini.replace(
        "ADOQ_Lago=SELECT Id_lago AS Id_lago, Ds_desc AS Ds_desc FROM TLago ORDER BY Ds_desc "
        "COLLATE NOCASE, Id_lago",
        "ADOQ_Lago=SELECT Id_uscita, Nm_temp AS Ds_desc FROM TUscita");
    start(ini);
    open(QStringLiteral("ELENCO LAGHI"), 1, [this] {
        QTest::mouseClick(dialog().SBNew_Sessione, Qt::LeftButton);
        QTest::keyClicks(dialog().DBEdit1, QStringLiteral("-"));
        QTest::keyClick(dialog().DBEdit1, Qt::Key_Return);
        QCOMPARE(f.messages().texts(), QStringList{TFrmCambiaElenco::kConversionError});
        QVERIFY(dialog().DBEdit1->hasFocus());
        QCOMPARE(DM_Elenco->ADOQ_Lago.state(), DataSetState::Insert);
        QCOMPARE(dialog().DBEdit1->text(), QStringLiteral("-"));
        QTest::keyClicks(dialog().DBEdit1, QStringLiteral("3"));
        QTest::mouseClick(dialog().SBSave_Sessione, Qt::LeftButton);
        QCOMPARE(DM_Elenco->ADOQ_Lago.state(), DataSetState::Browse);
        QCOMPARE(DM_Elenco->ADOQ_Lago.displayText(QStringLiteral("Ds_desc")), QStringLiteral("-3"));
    });
}

void TestListEditor::emptyAndDuplicateDescriptionsAreRefused_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "   " << TFrmCambiaElenco::kEmptyDescription;
    QTest::newRow("duplicate") << " lago di GARDA " << TFrmCambiaElenco::kDuplicateDescription;
}

void TestListEditor::emptyAndDuplicateDescriptionsAreRefused() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    start();
    f.exec(QStringLiteral("INSERT INTO TLago (Ds_desc) VALUES ('Lago di Garda'), ('Bolsena')"));
    DM_Elenco->ADOQ_Lago.requery();
    open(QStringLiteral("ELENCO LAGHI"), 1, [&] {
        // The dialog opens with the focus on its list, not on the edit box.
        QVERIFY(dialog().DBGrid1->hasFocus());
        QTest::mouseClick(dialog().SBNew_Sessione, Qt::LeftButton);
        QTest::keyClicks(dialog().DBEdit1, typed);
        QTest::keyClick(dialog().DBEdit1, Qt::Key_Return);
        QCOMPARE(f.messages().texts(), QStringList{message});
        QCOMPARE(DM_Elenco->ADOQ_Lago.state(), DataSetState::Insert);
        QCOMPARE(dialog().DBEdit1->text(), typed);
        QTest::mouseClick(dialog().SBCancel_Sessione, Qt::LeftButton);
    });
    QCOMPARE(f.stored(QStringLiteral("SELECT count(*) FROM TLago")).toInt(), 2);
}

QTEST_MAIN(TestListEditor)
#include "tst_listeditor.moc"
