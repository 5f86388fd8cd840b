// The catches of a session in the real main window, offscreen: a catch with every field
// stored and read back, the grid's columns, the looks, the angler list following the session,
// what was typed surviving a failed save, and the photo: preview, missing file, zoom, removal.
#include "app/MainWindowHost.h"
#include "app/U_FRM_FrmPrincipale.h"
#include "data/MessageSeam.h"
#include "data/U_DBUtils.h"
#include "details/CatchPanel.h"
#include "details/U_FRM_FrmVisFoto.h"
#include "engine/Query.h"
#include "sessions/AnglersPanel.h"
#include "sessions/SessionPanel.h"
#include "sessions/UDM_Sessioni.h"
#include "tests/support/TestPictures.h"
#include "tests/support/WindowFixture.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBLookupListBox.h"
#include "widgets/DBNavigator.h"
#include "widgets/PictureBox.h"
#include "widgets/PictureLoader.h"
#include "widgets/RecordToolBar.h"
#include "widgets/ToolButton.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

class TestCatches : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { f.finish(); }
    void catchWithEveryFieldIsStored();
    void gridShowsDateTypeAndWeight();
    void looks();
    void anglerListFollowsTheSession();
    void conversionErrorKeepsWhatWasTyped();
    void negativeMeasuresAreRefused_data();
    void negativeMeasuresAreRefused();
    void busyDeleteKeepsWhatWasTyped();
    void focusStaysWhereTheUserWorked_data();
    void focusStaysWhereTheUserWorked();
    void previewOfABitmapAndAJpeg();
    void missingPhotoWarnsOnceAndGreysThePreview();
    void missingPhotoOfASavedCatchWaitsForTheMove();
    void choosingAPhotoEditsTheCatch();
    void eachStepReadsAPhotoOnce();
    void zoom();
    void hourBandIsReadable();
    void removingThePhotoStoresThePendingCatch();
    void movingToAnotherSessionSavesThePendingCatch();
    void aPendingCatchThatCannotBeSavedStopsTheMove();

private:
    WindowFixture f;
    QTemporaryDir m_pictures;
    TCatchPanel* panel() { return FrmUscita->CatchPanel; }
    Query& catches() { return DM_Sessioni->ADOQ_SESSPrede; }
    void start(const QStringList& photos = {});
    void click(ToolButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    void type(DBEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void choose(QComboBox* box, const QString& text) {
        const int i = box->findText(text);
        QVERIFY2(i >= 0, qPrintable(text));
        box->setCurrentIndex(i);
    }
    QString picture(const QString& name, const QByteArray& bytes) {
        QFile file(m_pictures.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }
};

// One session with Luca attached and Marco not, and a catch per photo path given.
void TestCatches::start(const QStringList& photos) {
    f.start([&](WindowFixture& w) {
        w.exec(QStringLiteral("INSERT INTO TUscita (DataDa) VALUES ('2005-06-10'), "
                              "('2005-07-10')"));
        w.exec(QStringLiteral("INSERT INTO TPescatore (Ds_Pescatore) VALUES ('Luca'), ('Marco')"));
        w.exec(QStringLiteral("INSERT INTO TUscitaPescatore (Nm_uscita, Nm_Pescatore) VALUES "
                              "(1, 1)"));
        for (int i = 0; i < photos.size(); ++i)
            w.exec(QStringLiteral("INSERT INTO TPreda (Nm_uscita, Data, Ds_tipo, Peso, Foto) "
                                  "VALUES (1, '2005-06-1%1', 'Regina', %2, %3)")
                       .arg(i + 1)
                       .arg(10 + i)
                       .arg(photos[i].isEmpty() ? QStringLiteral("NULL")
                                                : QStringLiteral("'%1'").arg(photos[i])));
    });
    QVERIFY(f.showMainWindow());
}

void TestCatches::catchWithEveryFieldIsStored() {
    start();
    click(panel()->SBNew_Prede);
    QVERIFY(panel()->DBEdit2->hasFocus());
    type(panel()->DBEdit2, QStringLiteral("11/06/2005"));
    choose(panel()->DBLookupComboBox7, f.stored(QStringLiteral("SELECT Ds_orario FROM TOrario "
                                                               "WHERE Id_Orario = 2"))
                                           .toString());
    choose(panel()->DBComboTipoPreda, QStringLiteral("Specchi"));
    type(panel()->DBEdit3, QStringLiteral("12,35"));
    choose(panel()->DBLookupComboBox2, QStringLiteral("Luca"));
    choose(panel()->DBLookupComboBox3, f.stored(QStringLiteral("SELECT Ds_esca FROM TEsca "
                                                               "WHERE Id_esca = 1"))
                                           .toString());
    choose(panel()->DBLookupComboBox4, f.stored(QStringLiteral("SELECT Ds_innesco FROM "
                                                               "TInnesco WHERE Id_Innesco = 1"))
                                           .toString());
    choose(panel()->DBLookupComboBox5, f.stored(QStringLiteral("SELECT Ds_montatura FROM "
                                                               "TMontatura WHERE Id_montatura = 1"))
                                           .toString());
    type(panel()->DBEdit4, QStringLiteral("3,5"));
    choose(panel()->DBLookupComboBox6,
           f.stored(QStringLiteral("SELECT Ds_Condmeteo FROM TTipoCondMeteo WHERE "
                                   "Id_CondMeteo = 1"))
               .toString());
    choose(panel()->DBLookupComboBox1, f.stored(QStringLiteral("SELECT ds_tipovento FROM "
                                                               "TTipovento WHERE Id_tipovento = 1"))
                                           .toString());
    choose(panel()->DBComboBox2, QStringLiteral("Molto Forte"));
    click(panel()->SBSave_Prede);
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(f.stored(QStringLiteral(
                          "SELECT Nm_uscita || '|' || Data || '|' || Nm_Ora || '|' || Ds_tipo || "
                          "'|' || Peso || '|' || Nm_Pescatore || '|' || Nm_Esca || '|' || "
                          "Nm_innesco || '|' || Nm_montatura || '|' || Profondita || '|' || "
                          "Nm_CondMeteo || '|' || Nm_Vento_direz || '|' || Ds_Vento_intens "
                          "FROM TPreda"))
                 .toString(),
             QStringLiteral("1|2005-06-11|2|Specchi|12.35|1|1|1|1|3.5|1|1|Molto Forte"));
}

void TestCatches::gridShowsDateTypeAndWeight() {
    start({QString(), QString()});
    DBGrid* grid = panel()->DBGrid2;
    QStringList shown;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        if (grid->isColumnVisible(c))
            shown << QStringLiteral("%1 %2").arg(grid->columnTitle(c)).arg(grid->columnWidth(c));
    QCOMPARE(shown, QStringList({"Data 70", "Tipo 50", "Peso 40"}));
    QCOMPARE(grid->model()->columnCount(), 15);
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(grid->model()->index(0, 2).data().toString(), QStringLiteral("11/06/2005"));
}

void TestCatches::looks() {
    start();
    const QList<QWidget*> fields{
        panel()->SB_Prede_ZoomImg,  panel()->SB_Prede_ApriImg,  panel()->SpeedButton10,
        panel()->DBLookupComboBox7, panel()->DBEdit2,           panel()->DBEdit3,
        panel()->DBEdit4,           panel()->DBComboTipoPreda,  panel()->DBLookupComboBox2,
        panel()->DBLookupComboBox3, panel()->DBLookupComboBox4, panel()->DBLookupComboBox5,
        panel()->DBLookupComboBox6, panel()->DBLookupComboBox1, panel()->DBComboBox2};
    auto enabled = [&](bool on) {
        for (QWidget* w : fields)
            if (w->isEnabled() != on)
                return false;
        return true;
    };
    QVERIFY(enabled(false));
    QVERIFY(panel()->SpeedButton5->isEnabled()); // the list buttons stay usable
    QVERIFY(panel()->SBNew_Prede->isEnabled());
    click(panel()->SBNew_Prede);
    QVERIFY(enabled(true));
    QVERIFY(panel()->DBEdit2->text().isEmpty());
    QVERIFY(!panel()->DBN_Prede->isEnabled());
    QVERIFY(!panel()->SBNew_Prede->isEnabled());
    QVERIFY(!panel()->SBDel_Prede->isEnabled());
    QCOMPARE(catches().value(QStringLiteral("Nm_uscita")).toInt(), 1);
    click(panel()->SBCancel_Prede);
    QVERIFY(enabled(false));
    QVERIFY(panel()->SBNew_Prede->isEnabled());
    click(panel()->SBNew_Prede);
    type(panel()->DBEdit3, QStringLiteral("8"));
    click(panel()->SBSave_Prede);
    QCOMPARE(catches().recordCount(), 1);
    QVERIFY(enabled(true));
    QVERIFY(panel()->SBDel_Prede->isEnabled());
}

void TestCatches::anglerListFollowsTheSession() {
    start();
    auto offered = [this] {
        QStringList names;
        for (int i = 1; i < panel()->DBLookupComboBox2->count(); ++i)
            names << panel()->DBLookupComboBox2->itemText(i);
        return names;
    };
    QCOMPARE(offered(), QStringList{QStringLiteral("Luca")});
    // Marco is added to the session: offered at once.
    TAnglersPanel* anglers = FrmUscita->AnglersPanel;
    QTest::mouseDClick(
        anglers->DBLookupListBox1->viewport(), Qt::LeftButton, {},
        anglers->DBLookupListBox1->visualItemRect(anglers->DBLookupListBox1->item(0)).center());
    QCOMPARE(offered(), QStringList({QStringLiteral("Luca"), QStringLiteral("Marco")}));
}

void TestCatches::conversionErrorKeepsWhatWasTyped() {
    start({QString()});
    click(panel()->SBNew_Prede);
    type(panel()->DBEdit3, QStringLiteral("9,5"));
    type(panel()->DBEdit2, QStringLiteral("31/02/2005")); // Save straight after typing
    click(panel()->SBSave_Prede);
    QCOMPARE(f.messages().texts(), QStringList{MainWindowHost::kFormatWarning});
    QCOMPARE(catches().state(), DataSetState::Insert);
    QCOMPARE(panel()->DBEdit2->text(), QStringLiteral("31/02/2005"));
    QCOMPARE(panel()->DBEdit3->text(), QStringLiteral("9,5"));
    QVERIFY(panel()->DBEdit2->isEnabled());
    f.messages().clear();
    type(panel()->DBEdit2, QStringLiteral("28/02/2005"));
    click(panel()->SBSave_Prede);
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(f.stored(QStringLiteral("SELECT count(*) FROM TPreda")).toInt(), 2);
}

void TestCatches::negativeMeasuresAreRefused_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::newRow("weight") << QStringLiteral("DBEdit3") << QStringLiteral("-5");
    QTest::newRow("a tenth below zero") << QStringLiteral("DBEdit3") << QStringLiteral("-0,1");
    QTest::newRow("depth") << QStringLiteral("DBEdit4") << QStringLiteral("-2");
}

// Refused at Save with the conversion warning, and on leaving the box with its own message;
// the catch stays pending with what was typed. Zero is a value like any other.
void TestCatches::negativeMeasuresAreRefused() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    start({QString()});
    auto* edit = FrmUscita->GroupBox3->findChild<DBEdit*>(box);
    QVERIFY(edit);
    click(panel()->SBNew_Prede);
    type(edit, typed);
    click(panel()->SBSave_Prede);
    QCOMPARE(f.messages().texts(), QStringList{MainWindowHost::kFormatWarning});
    QCOMPARE(catches().state(), DataSetState::Insert);
    QCOMPARE(edit->text(), typed);
    QCOMPARE(f.stored(QStringLiteral("SELECT count(*) FROM TPreda")).toInt(), 1);
    f.messages().clear();
    edit->setFocus();
    panel()->DBEdit2->setFocus(Qt::TabFocusReason);
    QCOMPARE(f.messages().texts(), QStringList{TypedTextLink::kNegativeNumber});
    QCOMPARE(edit->text(), typed);
    f.messages().clear();
    type(edit, QStringLiteral("0"));
    click(panel()->SBSave_Prede);
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(f.stored(QStringLiteral("SELECT count(*) FROM TPreda")).toInt(), 2);
}

void TestCatches::busyDeleteKeepsWhatWasTyped() {
    start({QString()});
    type(panel()->DBEdit3, QStringLiteral("7"));
    click(panel()->SBDel_Prede);
    QCOMPARE(f.messages().texts(), QStringList{kBusyWarning});
    QCOMPARE(catches().state(), DataSetState::Edit);
    QCOMPARE(panel()->DBEdit3->text(), QStringLiteral("7"));
    QVERIFY(panel()->DBEdit3->isEnabled());
    f.messages().clear();
    click(panel()->SBSave_Prede);
    QCOMPARE(f.stored(QStringLiteral("SELECT Peso FROM TPreda")).toDouble(), 7.0);
}

void TestCatches::focusStaysWhereTheUserWorked_data() {
    QTest::addColumn<int>("operation");
    QTest::newRow("save") << opSave;
    QTest::newRow("cancel") << opCancel;
}

// The fields are off while the operation runs; afterwards the focus is back in the weight
// box, and an arrow key there changes no other record (the session's duration above all).
void TestCatches::focusStaysWhereTheUserWorked() {
    QFETCH(int, operation);
    start({QString()});
    type(panel()->DBEdit3, QStringLiteral("15"));
    click(panel()->TB_Prede->button(operation));
    QCOMPARE(QApplication::focusWidget(), panel()->DBEdit3);
    const QString duration = FrmUscita->SessionPanel->DS_tipouscita->currentText();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(DM_Sessioni->ADOQ_Sessioni.state(), DataSetState::Browse);
    QCOMPARE(FrmUscita->SessionPanel->DS_tipouscita->currentText(), duration);
    QVERIFY(f.messages().shown().isEmpty());
}

void TestCatches::previewOfABitmapAndAJpeg() {
    const QString bmp = picture(QStringLiteral("carpa.bmp"), TestPictures::bitmap({80, 60}));
    const QString jpg = picture(QStringLiteral("IMG_0001.JPG"), TestPictures::jpeg({400, 300}));
    start({bmp, jpg, QString()});
    // The small bitmap is enlarged to the preview's height, keeping its proportions.
    QVERIFY(panel()->Image1->isVisible());
    QCOMPARE(panel()->Image1->pictureRect(), QRect(9, 0, 144, 108));
    catches().next();
    QVERIFY(panel()->Image1->isVisible());
    QCOMPARE(panel()->Image1->pictureRect(), QRect(9, 0, 144, 108));
    // No photo: the preview is hidden, the silver frame stays.
    catches().next();
    QVERIFY(!panel()->Image1->isVisible());
    QVERIFY(panel()->Shape1->isVisible());
    QVERIFY(f.messages().shown().isEmpty());
}

// The warning once, and a grey preview instead of the previous catch's picture, with the
// missing path in its hint; the next catch's photo shows as usual.
void TestCatches::missingPhotoWarnsOnceAndGreysThePreview() {
    const QString bmp = picture(QStringLiteral("carpa.bmp"), TestPictures::bitmap({80, 60}));
    const QString missing = m_pictures.filePath(QStringLiteral("sparita.bmp"));
    start({bmp, missing, bmp});
    const QImage shown = panel()->Image1->picture();
    catches().next();
    QTRY_COMPARE(f.messages().texts(), QStringList{TCatchPanel::kPhotoNotFound});
    QCOMPARE(f.messages().shown().front().caption, QStringLiteral("Warning"));
    QVERIFY(panel()->Image1->isVisible());
    const QImage grey = panel()->Image1->picture();
    QVERIFY(grey != shown);
    QCOMPARE(grey.pixelColor(2, 2), QColor(0x80, 0x80, 0x80));
    QCOMPARE(panel()->Image1->toolTip(),
             TCatchPanel::kMissingNote + QStringLiteral(": ") + missing);
    QCOMPARE(catches().value(QStringLiteral("Foto")).toString(), missing);
    catches().next();
    // The same photo again, now from its kept preview (a JPEG): the same picture within the
    // compression's rounding, not the grey one.
    const QImage again = panel()->Image1->picture();
    QCOMPARE(again.size(), shown.size());
    for (const QPoint at : {QPoint(2, 2), QPoint(again.width() / 2, again.height() / 2)}) {
        const QColor a = again.pixelColor(at), b = shown.pixelColor(at);
        QVERIFY2(
            qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) <= 24,
            qPrintable(a.name() + QStringLiteral(" / ") + b.name()));
    }
    QCOMPARE(panel()->Image1->toolTip(), TCatchPanel::kPreviewHint);
}

// A pending catch whose photo is gone, saved by a move to another session: the move is over
// before the warning is shown.
void TestCatches::missingPhotoOfASavedCatchWaitsForTheMove() {
    start();
    click(panel()->SBNew_Prede);
    type(panel()->DBEdit3, QStringLiteral("4"));
    catches().setValue(QStringLiteral("Foto"), m_pictures.filePath(QStringLiteral("via.bmp")));
    int sessionWhenWarned = 0;
    f.messages().onShow = [&](const MessageRequest&) {
        sessionWhenWarned = DM_Sessioni->CurrentSessionId();
    };
    FrmUscita->DBN_Sessioni->press(DBNavigator::Next);
    QCOMPARE(DM_Sessioni->CurrentSessionId(), 2);
    QTRY_VERIFY(!f.messages().shown().isEmpty());
    QCOMPARE(f.messages().texts().first(), TCatchPanel::kPhotoNotFound);
    QCOMPARE(f.messages().texts().size(), f.messages().texts().count(TCatchPanel::kPhotoNotFound));
    QCOMPARE(sessionWhenWarned, 2);
    QCOMPARE(f.stored(QStringLiteral("SELECT count(*) FROM TPreda")).toInt(), 1);
}

void TestCatches::choosingAPhotoEditsTheCatch() {
    const QString jpg = picture(QStringLiteral("carpa.jpeg"), TestPictures::jpeg({300, 200}));
    start({QString()});
    f.files().answers << jpg;
    click(panel()->SB_Prede_ApriImg);
    QCOMPARE(f.files().filters,
             QStringList{QStringLiteral("Immagini (*.bmp *.jpg *.jpeg);;Bitmaps (*.bmp)")});
    QCOMPARE(f.files().pictureDialogs, 1); // the dialog with the preview
    QCOMPARE(catches().state(), DataSetState::Edit);
    QVERIFY(panel()->Image1->isVisible());
    QVERIFY(!panel()->Image1->picture().isNull());
    click(panel()->SBSave_Prede);
    QCOMPARE(f.stored(QStringLiteral("SELECT Foto FROM TPreda")).toString(), jpg);
    // Cancelling the dialog changes nothing.
    click(panel()->SB_Prede_ApriImg);
    QCOMPARE(catches().state(), DataSetState::Browse);
    QVERIFY(f.messages().shown().isEmpty());
}

// Stepping to a catch, to another session, or choosing a photo reads the photo once.
void TestCatches::eachStepReadsAPhotoOnce() {
    const QString one = picture(QStringLiteral("uno.jpg"), TestPictures::jpeg({400, 300}));
    const QString two = picture(QStringLiteral("due.jpg"), TestPictures::jpeg({300, 400}));
    const QString three = picture(QStringLiteral("tre.jpg"), TestPictures::jpeg({320, 240}));
    start({one, two});
    f.exec(QStringLiteral("INSERT INTO TPreda (Nm_uscita, Data, Ds_tipo, Foto) "
                          "VALUES (2, '2005-07-10', 'Regina', '%1')")
               .arg(one));
    const auto reads = [](const std::function<void()>& step) {
        const quint64 before = PictureLoader::filesRead();
        step();
        return PictureLoader::filesRead() - before;
    };
    DBNavigator* sessions = FrmUscita->SessionPanel->DBN_Sessioni;
    QCOMPARE(reads([&] {
                 QTest::mouseClick(panel()->DBN_Prede->button(DBNavigator::Next), Qt::LeftButton);
             }),
             quint64(1));
    QCOMPARE(reads([&] { QTest::mouseClick(sessions->button(DBNavigator::Next), Qt::LeftButton); }),
             quint64(1));
    f.files().answers << three;
    QCOMPARE(reads([&] { click(panel()->SB_Prede_ApriImg); }), quint64(1));
    QVERIFY(!panel()->Image1->picture().isNull());
    QVERIFY(f.messages().shown().isEmpty());
}

void TestCatches::zoom() {
    const QString bmp = picture(QStringLiteral("carpa.bmp"), TestPictures::bitmap({400, 300}));
    start({QString(), bmp});
    click(panel()->SB_Prede_ZoomImg); // no photo: nothing
    QVERIFY(f.modal().shown.isEmpty());
    catches().next();
    click(panel()->SB_Prede_ZoomImg);
    QCOMPARE(f.modal().shown, QList<QDialog*>{FrmVisFoto});
    QCOMPARE(FrmVisFoto->Image1->picture().size(), QSize(400, 300));
    // A double click on the preview opens the same viewer on the same photo.
    FrmVisFoto->Image1->clear();
    QTest::mouseDClick(panel()->Image1, Qt::LeftButton);
    QCOMPARE(f.modal().shown, QList<QDialog*>({FrmVisFoto, FrmVisFoto}));
    QCOMPARE(FrmVisFoto->Image1->picture().size(), QSize(400, 300));
    // Not while the zoom button is off, nor with the right button.
    QTest::mouseDClick(panel()->Image1, Qt::RightButton);
    panel()->SetCatchEditable(false);
    QTest::mouseDClick(panel()->Image1, Qt::LeftButton);
    QCOMPARE(f.modal().shown.size(), 2);
}

// The closed "Ora:" box, in its place and size, shows every band whole in a narrower face of
// its own; its list is wide enough for the longest band even in the panel's face.
void TestCatches::hourBandIsReadable() {
    start({QString()});
    QComboBox* hour = panel()->DBLookupComboBox7;
    QCOMPARE(hour->geometry(), QRect(401, 10, 71, 21));
    QCOMPARE(hour->count(), 9); // the empty choice and the eight bands
    int widest = 0;
    for (int i = 1; i < hour->count(); ++i) {
        hour->setCurrentIndex(i);
        QStyleOptionComboBox option;
        option.initFrom(hour);
        option.currentText = hour->currentText();
        option.subControls = QStyle::SC_All;
        const QRect text =
            hour->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, hour)
                .adjusted(1, 0, -1, 0); // where the style writes the text
        const int width = hour->fontMetrics().horizontalAdvance(hour->currentText());
        QVERIFY2(width <= text.width(), qPrintable(hour->currentText()));
        widest =
            std::max(widest, panel()->DBEdit2->fontMetrics().horizontalAdvance(hour->itemText(i)));
    }
    // Only this box has the narrower face; its neighbours keep the panel's.
    QCOMPARE(panel()->DBComboTipoPreda->font(), panel()->DBEdit2->font());
    QVERIFY(hour->font() != panel()->DBEdit2->font());
    QVERIFY(!hour->font().bold());
    hour->showPopup();
    QTRY_VERIFY(hour->view()->isVisible());
    QVERIFY(hour->view()->viewport()->width() >= widest + 6);
    hour->hidePopup();
}

void TestCatches::removingThePhotoStoresThePendingCatch() {
    const QString bmp = picture(QStringLiteral("carpa.bmp"), TestPictures::bitmap({80, 60}));
    start({bmp});
    type(panel()->DBEdit3, QStringLiteral("15"));
    click(panel()->SpeedButton10);
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(catches().state(), DataSetState::Browse);
    QVERIFY(!panel()->Image1->isVisible());
    QCOMPARE(f.stored(QStringLiteral("SELECT ifnull(Foto, 'none') || ' ' || Peso FROM TPreda"))
                 .toString(),
             QStringLiteral("none 15.0"));
    QVERIFY(QFile::exists(bmp)); // the file itself is never touched
    // A failed save is reported, and what was typed stays pending.
    type(panel()->DBEdit2, QStringLiteral("31/02/2005"));
    click(panel()->SpeedButton10);
    QCOMPARE(f.messages().texts(), QStringList{MainWindowHost::kFormatWarning});
    QCOMPARE(catches().state(), DataSetState::Edit);
    QCOMPARE(panel()->DBEdit2->text(), QStringLiteral("31/02/2005"));
}

void TestCatches::movingToAnotherSessionSavesThePendingCatch() {
    start();
    click(panel()->SBNew_Prede);
    type(panel()->DBEdit3, QStringLiteral("11,5"));
    FrmUscita->DBN_Sessioni->press(DBNavigator::Next);
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(DM_Sessioni->CurrentSessionId(), 2);
    QCOMPARE(f.stored(QStringLiteral("SELECT Nm_uscita || ' ' || Peso FROM TPreda")).toString(),
             QStringLiteral("1 11.5"));
    // Saved as its own Save would have: the catch tool bar is usable again.
    QVERIFY(panel()->DBN_Prede->isEnabled());
    QVERIFY(panel()->SBNew_Prede->isEnabled());
}

void TestCatches::aPendingCatchThatCannotBeSavedStopsTheMove() {
    start();
    click(panel()->SBNew_Prede);
    type(panel()->DBEdit3, QStringLiteral("9"));
    type(panel()->DBEdit2, QStringLiteral("31/02/2005"));
    FrmUscita->DBN_Sessioni->press(DBNavigator::Next);
    QCOMPARE(f.messages().texts(), QStringList{MainWindowHost::kFormatWarning});
    QCOMPARE(DM_Sessioni->CurrentSessionId(), 1);
    QCOMPARE(catches().state(), DataSetState::Insert);
    QCOMPARE(panel()->DBEdit2->text(), QStringLiteral("31/02/2005"));
    QCOMPARE(panel()->DBEdit3->text(), QStringLiteral("9"));
    QCOMPARE(f.stored(QStringLiteral("SELECT count(*) FROM TPreda")).toInt(), 0);
    // The same for an operation of the session panel.
    f.messages().clear();
    click(FrmUscita->SessionPanel->SBNew_Sessione);
    QCOMPARE(f.messages().texts(), QStringList{MainWindowHost::kFormatWarning});
    QCOMPARE(DM_Sessioni->ADOQ_Sessioni.state(), DataSetState::Browse);
    QCOMPARE(catches().state(), DataSetState::Insert);
}

QTEST_MAIN(TestCatches)
#include "tst_catches.moc"
