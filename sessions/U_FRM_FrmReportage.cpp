#include "sessions/U_FRM_FrmReportage.h"

#include "data/MessageSeam.h"
#include "data/U_DBUtils.h"
#include "engine/Query.h"
#include "sessions/UDM_Reportage.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/ErrorGuard.h"
#include "widgets/GridColumns.h"
#include "widgets/PictureBox.h"
#include "widgets/PictureFiles.h"
#include "widgets/PictureLoader.h"
#include "widgets/PreviewCache.h"
#include "widgets/RecordToolBar.h"
#include "widgets/ToolButton.h"
#include "widgets/UiFonts.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

TFrmReportage* FrmReportage = nullptr;

const QString TFrmReportage::kSavePending =
    QStringLiteral("Salvare le modifiche all'elemento del reportage?");

namespace {

const QSize kPictureArea(711, 471); // 3:2, a 10 x 15 print

Query& entries() {
    return DM_Reportage->ADOQ_Reportage;
}

} // namespace

TFrmReportage::TFrmReportage(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FrmReportage"));
    setWindowTitle(QStringLiteral("REPORTAGE"));
    setFont(UiFonts::sansSerifPixels(11));
    // A 736 x 600 window around its client area; the controls keep their places on resizing.
    resize(728, 573);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(5, 5, 720, 480);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(3);
    Image1 = new PictureBox(Panel1, PictureMode::Proportional);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(QRect(QPoint(3, 3), kPictureArea));
    Image1->setVisible(false); // until an entry with a picture is current

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(7, 490, 244, 81);
    DBGrid1->setFont(UiFonts::sansSerifPixels(12));
    DBGrid1->setOptions({.titles = false, .rowIndicator = false, .columnLines = false});

    TB_Sessione = new RecordToolBar(this, ElementToolBarLayout({253, 515, 102, 26}));

    Ds_commento = new DBEdit(this);
    Ds_commento->setObjectName(QStringLiteral("Ds_commento"));
    Ds_commento->setGeometry(260, 548, 466, 21);
    Ds_percorso = new DBEdit(this);
    Ds_percorso->setObjectName(QStringLiteral("Ds_percorso"));
    Ds_percorso->setGeometry(385, 518, 341, 21);
    Ds_percorso->setReadOnly(true);
    QPalette face = Ds_percorso->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        face.setColor(group, QPalette::Base, face.color(group, QPalette::Button));
    Ds_percorso->setPalette(face);

    CheckBox1 = new QCheckBox(QStringLiteral("Adatta"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(11, 466, 53, 14);
    CheckBox1->setToolTip(QStringLiteral(
        "Adatta la foto allo spazio disponibile NB: la foto potrebbe apparire distorta"));
    CheckBox1->raise(); // over the picture panel's lower left corner

    StaticText1 = new QLabel(QStringLiteral("Lo spazio soprastante è proporzionato alle "
                                            "dimensioni di una foto formato standard (10x15)"),
                             this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(260, 490, 461, 17);
    StaticText1->setAlignment(Qt::AlignCenter);
    StaticText1->setFont(UiFonts::sansSerifPixels(11));
    StaticText1->setAutoFillBackground(true);
    QPalette green = StaticText1->palette();
    green.setColor(QPalette::Window, QColor(0x00, 0x80, 0x00));
    green.setColor(QPalette::WindowText, Qt::white);
    StaticText1->setPalette(green);

    SpeedButton1 = new ToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(364, 519, 21, 20);
    SpeedButton1->setPicture(ButtonPictures::Kind::OpenFile, 15);
    SpeedButton1->setHint(QStringLiteral("Apre una immagine"));

    if (DM_Reportage) {
        DataSource* source = &DM_Reportage->DS_QReportage;
        DBGrid1->setDataSource(source);
        Ds_commento->setDataSource(source);
        Ds_commento->setDataField(QStringLiteral("Ds_commento"));
        Ds_percorso->setDataSource(source);
        Ds_percorso->setDataField(QStringLiteral("Ds_percorso"));
    }
    ConnectRecordButtons(TB_Sessione, this, &TFrmReportage::SBNew_SessioneClick,
                         &TFrmReportage::SBCancel_SessioneClick,
                         &TFrmReportage::SBSave_SessioneClick, &TFrmReportage::SBDel_SessioneClick);
    ConnectGuarded(SpeedButton1, &QToolButton::clicked, this, &TFrmReportage::SpeedButton1Click);
    ConnectGuarded(Ds_percorso, &QLineEdit::textChanged, this, &TFrmReportage::Ds_percorsoChange);
    ConnectGuarded(CheckBox1, &QCheckBox::clicked, this, &TFrmReportage::CheckBox1Click);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(368, 300));
}

void TFrmReportage::PrepareReportage() {
    DM_Reportage->RefreshReportage();
    if (Ds_percorso->text().isEmpty())
        Image1->setVisible(false);
    // Only the comment is shown, whatever else the query returns.
    ShowOnlyColumn(*DBGrid1, QStringLiteral("Ds_commento"), DBGrid1->viewport()->width());
}

void TFrmReportage::SBNew_SessioneClick() {
    Ds_commento->setFocus(Qt::OtherFocusReason);
    DM_Reportage->ReportageOperation(opNew);
    if (entries().isEditing())
        entries().setValue(QStringLiteral("Nm_uscita"), ReportageSessionId);
}

void TFrmReportage::SBCancel_SessioneClick() {
    DM_Reportage->ReportageOperation(opCancel);
}

void TFrmReportage::SBSave_SessioneClick() {
    DM_Reportage->ReportageOperation(opSave);
}

void TFrmReportage::SBDel_SessioneClick() {
    DM_Reportage->ReportageOperation(opDelete);
}

void TFrmReportage::SpeedButton1Click() {
    const QString chosen = AskOpenPicture(this);
    if (!chosen.isEmpty())
        OpenPictureDialog1CanClose(chosen);
}

void TFrmReportage::OpenPictureDialog1CanClose(const QString& fileName) {
    if (fileName.isEmpty())
        return;
    Query& q = entries();
    if (!q.isEditing()) {
        const bool empty = q.bufferedRowCount() == 0;
        q.edit(); // with no entry at all, this starts a new one
        // A new entry belongs to its session from the start, so it is never saved without.
        if (empty)
            q.setValue(QStringLiteral("Nm_uscita"), ReportageSessionId);
    }
    q.setValue(QStringLiteral("Ds_percorso"), fileName);
}

void TFrmReportage::Ds_percorsoChange() {
    // The window stays bound to the entries while hidden, so every step of the main window
    // changes the path: the picture waits until the window is shown.
    if (isVisible())
        showPicture();
}

void TFrmReportage::showPicture() {
    const QString path = Ds_percorso->text();
    if (path.isEmpty()) {
        m_shownPath.clear();
        Image1->setVisible(false);
        return;
    }
    Image1->setVisible(true);
    if (path == m_shownPath)
        return;
    m_shownPath.clear(); // a failure below leaves the picture to be tried again
    // Decoded once per entry, at the scale the area needs whichever way it is shown.
    Image1->setPicture(PreviewCache::load(path, kPictureArea, PictureLoader::Coverage::Fill));
    m_shownPath = path;
    CheckBox1Click();
}

void TFrmReportage::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Guarded([this] { showPicture(); });
}

void TFrmReportage::hideEvent(QHideEvent* event) {
    // A photo changed on disk while the window was closed is read anew at the next opening.
    m_shownPath.clear();
    QDialog::hideEvent(event);
}

void TFrmReportage::CheckBox1Click() {
    Image1->setMode(CheckBox1->isChecked() ? PictureMode::Stretch : PictureMode::Proportional);
}

void TFrmReportage::done(int result) {
    if (DM_Reportage && entries().isOpen() && entries().isEditing()) {
        switch (askYesNoCancel(kSavePending)) {
        case MessageAnswer::Yes: {
            bool saved = false;
            Guarded([&] { saved = DM_Reportage->ReportageOperation(opSave) == orOk; });
            if (!saved)
                return; // refused: the window stays open with the values
            break;
        }
        case MessageAnswer::No:
            Guarded([] { DM_Reportage->ReportageOperation(opCancel); });
            break;
        default:
            return;
        }
    }
    QDialog::done(result);
}
