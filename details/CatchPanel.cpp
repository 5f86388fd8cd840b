#include "details/CatchPanel.h"

#include "data/MessageSeam.h"
#include "data/U_DBUtils.h"
#include "details/DetailGrid.h"
#include "details/U_FRM_FrmVisFoto.h"
#include "engine/Query.h"
#include "engine/TextConversion.h"
#include "lists/ListEditorButtons.h"
#include "photos/PhotoMatch.h"
#include "photos/PhotoScan.h"
#include "sessions/UDM_Sessioni.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBNavigator.h"
#include "widgets/FileDialogSeam.h"
#include "widgets/GridColumns.h"
#include "widgets/ModalSeam.h"
#include "widgets/PictureBox.h"
#include "widgets/PictureError.h"
#include "widgets/PictureFiles.h"
#include "widgets/PictureLoader.h"
#include "widgets/PreviewCache.h"
#include "widgets/RecordToolBar.h"
#include "widgets/ToolButton.h"
#include "widgets/UiFonts.h"
#include "widgets/WholeEntries.h"

#include <QGroupBox>
#include <QPainter>
#include <QTimer>

const QString TCatchPanel::kPhotoNotFound = QStringLiteral("Immagine preda non trovata");
const QString TCatchPanel::kPreviewHint = QStringLiteral("Anteprima della foto della preda");
const QString TCatchPanel::kMissingNote = QStringLiteral("Foto non trovata");

namespace {

// A label right-aligned against the control it names.
FormLabel before(const char* text, const QRect& control) {
    return {QString::fromUtf8(text), control.left() - 4, control.top() + 3, true};
}

FormField field(FormTarget target, const char* name, FormControl kind, const QRect& rect,
                const char* field, const char* label, int limit = 0, FormLookup lookup = {},
                const QString& hint = {}) {
    return {.name = name,
            .kind = kind,
            .rect = rect,
            .field = field,
            .limit = limit,
            .hint = hint,
            .label = before(label, rect),
            .lookup = lookup,
            .target = std::move(target)};
}

// The list buttons stand in one column at the right of the drop-downs.
FormField listButton(FormTarget target, const char* name, int top, FormList list) {
    return ListButtonRow(std::move(target), name, {442, top, 20, 20}, std::move(list));
}

// The catch's controls in tab order, then the hidden path box and the list buttons.
std::vector<FormField> catchFields(TCatchPanel& p) {
    using K = FormControl;
    const QString hourHint = QStringLiteral("Fascia oraria in h");
    // clang-format off
    return {
        field(into(p.DBEdit2), "DBEdit2", K::Edit, {270, 10, 76, 21}, "Data", "Data:", 10),
        field(into(p.DBLookupComboBox7), "DBLookupComboBox7", K::Lookup, {401, 10, 71, 21}, "Nm_Ora", "Ora:", 0, {"Ds_Orario", "Id_Orario", "Ds_Orario"}, hourHint),
        field(into(p.DBComboTipoPreda), "DBComboTipoPreda", K::FixedList, {270, 35, 76, 21}, "Ds_tipo", "Tipo:"),
        field(into(p.DBEdit3), "DBEdit3", K::Edit, {401, 35, 37, 21}, "Peso", "Kg:", 6),
        // Only the anglers of the session: a catch goes to one of them.
        field(into(p.DBLookupComboBox2), "DBLookupComboBox2", K::Lookup, {270, 60, 170, 21}, "Nm_Pescatore", "Carpista:", 0, {"DS_QSESSCarpisti", "Id_Pescatore", "Ds_pescatore"}),
        field(into(p.DBLookupComboBox3), "DBLookupComboBox3", K::Lookup, {270, 85, 170, 21}, "Nm_Esca", "Esca:", 0, {"DS_QEsche", "Id_Esca", "Ds_Esca"}),
        field(into(p.DBLookupComboBox4), "DBLookupComboBox4", K::Lookup, {270, 110, 170, 21}, "Nm_innesco", "Innesco:", 0, {"DS_Innesco", "Id_innesco", "Ds_innesco"}),
        field(into(p.DBLookupComboBox5), "DBLookupComboBox5", K::Lookup, {270, 135, 170, 21}, "Nm_montatura", "Montatura:", 0, {"DS_Montature", "Id_Montatura", "DS_Montatura"}),
        field(into(p.DBEdit4), "DBEdit4", K::Edit, {295, 161, 56, 21}, "Profondita", "Profondità:", 4),
        field(into(p.DBLookupComboBox6), "DBLookupComboBox6", K::Lookup, {295, 188, 145, 21}, "Nm_CondMeteo", "Condizioni meteo:", 12, {"DS_QTipoCondMeteo", "Id_Condmeteo", "Ds_Condmeteo"}),
        field(into(p.DBLookupComboBox1), "DBLookupComboBox1", K::Lookup, {295, 213, 146, 21}, "Nm_Vento_direz", "Tipo vento:", 12, {"DS_QTipovento", "Id_tipovento", "ds_tipovento"}),
        field(into(p.DBComboBox2), "DBComboBox2", K::FixedList, {295, 238, 146, 21}, "Ds_Vento_intens", "Forza vento:", 12),
        {.name = "DBEditQPredeImg", .kind = K::HiddenEdit, .rect = {10, 205, 156, 21}, .field = "Foto", .target = into(p.DBEditQPredeImg)},
        listButton(into(p.SpeedButton5), "SpeedButton5", 85, {"ELENCO ESCHE", 5, {"ADOQ_Esche"}}),
        listButton(into(p.SpeedButton6), "SpeedButton6", 110, {"ELENCO INNESCHI", 6, {"ADOQ_Innesco"}}),
        listButton(into(p.SpeedButton7), "SpeedButton7", 135, {"ELENCO MONTATURE", 7, {"ADOQ_Montature"}}),
        listButton(into(p.SpeedButton8), "SpeedButton8", 188, {"ELENCO CONDIZIONI METEO", 8, {"ADOQ_TipoCondMeteo"}}),
        listButton(into(p.SpeedButton3), "SpeedButton3", 213, {"ELENCO VENTI", 3, {"ADOQ_Tipovento"}}),
    };
    // clang-format on
}

// With `on` off, the only use, the grid shows the date, the type and the weight.
std::vector<GridColumn> catchColumns(bool on) {
    std::vector<GridColumn> columns{
        {0, nullptr, {}, -1, on},
        {1, nullptr, {}, -1, on},
        {2, nullptr, QStringLiteral("Data"), 70, true},
        {3, nullptr, QStringLiteral("Ora"), 40, on},
        {4, nullptr, QStringLiteral("Tipo"), 50, true},
        {5, nullptr, QStringLiteral("Peso"), 40, true},
    };
    for (int position = 6; position <= 14; ++position)
        columns.push_back({position, nullptr, {}, -1, on});
    return columns;
}

ToolButton* photoButton(QWidget* parent, const char* name, const QRect& rect,
                        ButtonPictures::Kind picture, const QString& hint) {
    auto* b = new ToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(rect);
    b->setPicture(picture, 14);
    b->setHint(hint);
    return b;
}

} // namespace

TCatchPanel::TCatchPanel(QGroupBox* groupBox3, RecordToolBar* toolBar)
    : TDetailPanel(groupBox3, toolBar), TB_Prede(toolBar), DBN_Prede(toolBar->navigator()),
      m_group(groupBox3) {
    DBGrid2 = MakeDetailGrid(groupBox3, "DBGrid2", {5, 15, 191, 151});
    m_form.add(catchFields(*this));
    // "03:00 - 06:00" is wider than the hour box: the band is shown whole in a narrower face.
    ShowEntriesWhole(DBLookupComboBox7);
    DBComboTipoPreda->addItems({QStringLiteral("Regina"), QStringLiteral("Specchi"),
                                QStringLiteral("Cuoio"), QStringLiteral("Lineare"),
                                QStringLiteral("Amur"), QStringLiteral("Koi")});
    for (DBEdit* measure : {DBEdit3, DBEdit4})
        measure->setNonNegative(true);
    DBComboBox2->addItems({QStringLiteral("Assente"), QStringLiteral("Molto debole"),
                           QStringLiteral("Debole"), QStringLiteral("Moderato"),
                           QStringLiteral("Forte"), QStringLiteral("Molto Forte"),
                           QStringLiteral("Tempesta")});

    // The photo area: a silver frame, the preview over it, three buttons on its corners.
    Shape1 = new QFrame(groupBox3);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(5, 170, 165, 110);
    Shape1->setAutoFillBackground(true);
    QPalette silver = Shape1->palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    Shape1->setPalette(silver);
    Image1 = new PictureBox(groupBox3, PictureMode::Fit);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(6, 171, 163, 108);
    Image1->setToolTip(kPreviewHint);
    Image1->setVisible(false);
    using K = ButtonPictures::Kind;
    SpeedButton10 = photoButton(groupBox3, "SpeedButton10", {6, 239, 20, 20}, K::NoPicture,
                                QStringLiteral("Elimina questa immagine"));
    SB_Prede_ApriImg = photoButton(groupBox3, "SB_Prede_ApriImg", {6, 259, 21, 20}, K::OpenFile,
                                   QStringLiteral("Apre una immagine"));
    SB_Prede_ZoomImg = photoButton(groupBox3, "SB_Prede_ZoomImg", {149, 259, 21, 20}, K::Zoom,
                                   QStringLiteral("Visualizza l'immagine ingrandita"));
    for (ToolButton* b : {SpeedButton10, SB_Prede_ApriImg, SB_Prede_ZoomImg})
        b->raise();

    SBNew_Prede = toolBar->button(opNew);
    SBCancel_Prede = toolBar->button(opCancel);
    SBSave_Prede = toolBar->button(opSave);
    SBDel_Prede = toolBar->button(opDelete);
    ConnectRecordButtons(toolBar, this, &TCatchPanel::SBNew_PredeClick,
                         &TCatchPanel::SBCancel_PredeClick, &TCatchPanel::SBSave_PredeClick,
                         &TCatchPanel::SBDel_PredeClick);
    ConnectGuarded(SB_Prede_ApriImg, &QToolButton::clicked, this,
                   &TCatchPanel::SB_Prede_ApriImgClick);
    ConnectGuarded(SB_Prede_ZoomImg, &QToolButton::clicked, this,
                   &TCatchPanel::SB_Prede_ZoomImgClick);
    // A double click on the preview is the zoom button's click, and only while it is usable.
    connect(Image1, &PictureBox::doubleClicked, SB_Prede_ZoomImg, &QToolButton::click);
    ConnectGuarded(SpeedButton10, &QToolButton::clicked, this, &TCatchPanel::SpeedButton10Click);
    ConnectGuarded(DBEditQPredeImg, &QLineEdit::textChanged, this,
                   &TCatchPanel::DBEditQPredeImgChange);
}

void TCatchPanel::bind(TDM_Sessioni& module) {
    attach(module, module.ADOQ_SESSPrede);
    DataSource* catches = &module.DS_QSESSPrede;
    DBGrid2->setDataSource(catches);
    DBN_Prede->setDataSource(catches);
    m_form.bind(catches);
    ConnectListEditorButtons(this, m_form.bindLists(module));
}

void TCatchPanel::reloaded() {
    SetupCatchGrid(false);
    updateNewButton();
}

void TCatchPanel::SetCatchEditable(bool on) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{SB_Prede_ZoomImg, SB_Prede_ApriImg, SpeedButton10})
        w->setEnabled(on);
    m_form.setEditable(on);
}

void TCatchPanel::SetupCatchGrid(bool on) {
    ApplyGridColumns(*DBGrid2, catchColumns(on));
}

void TCatchPanel::SetCatchNavigation(bool on) {
    setNavigation(on);
}

void TCatchPanel::SBNew_PredeClick() {
    // A refused New (busy) still carries on with the row being edited.
    if (newRecord() < 0)
        return;
    m_module->ADOQ_SESSPrede.setValue(QStringLiteral("Nm_uscita"), m_module->CurrentSessionId());
    SetCatchEditable(true);
    SetCatchNavigation(false);
    DBEdit2->setFocus(Qt::OtherFocusReason);
}

void TCatchPanel::SBSave_PredeClick() {
    saveRecord();
}

void TCatchPanel::SBCancel_PredeClick() {
    cancelRecord();
}

void TCatchPanel::SBDel_PredeClick() {
    deleteRecord();
}

void TCatchPanel::showPhoto(bool reportMissing) {
    const QString path = DBEditQPredeImg->text();
    if (path.isEmpty()) {
        Image1->setVisible(false);
        return;
    }
    Image1->setVisible(true);
    try {
        Image1->setPicture(PreviewCache::load(path, Image1->size()));
        Image1->setToolTip(kPreviewHint);
    } catch (const PictureError&) {
        // Never the picture of the catch shown before: a grey area saying so, the path that
        // was not found in its hint.
        Image1->setPicture(missingPhoto(Image1->size()));
        Image1->setToolTip(kMissingNote + QStringLiteral(": ") + path);
        if (!reportMissing)
            throw;
        // Said once the move or save that brought this catch has finished, not halfway
        // through it behind the box.
        QTimer::singleShot(0, this, [] { Guarded([] { showWarning(kPhotoNotFound); }); });
    }
}

QImage TCatchPanel::missingPhoto(const QSize& size) {
    QImage grey(size, QImage::Format_RGB32);
    grey.fill(QColor(0x80, 0x80, 0x80));
    QPainter painter(&grey);
    painter.setPen(Qt::white);
    painter.setFont(UiFonts::sansSerifPixels(12));
    painter.drawText(grey.rect(), Qt::AlignCenter, kMissingNote);
    return grey;
}

void TCatchPanel::DBEditQPredeImgChange() {
    showPhoto(/*reportMissing=*/true);
}

void TCatchPanel::ReloadCatchPhoto() {
    showPhoto(/*reportMissing=*/false);
}

void TCatchPanel::SB_Prede_ApriImgClick() {
    const QString chosen = AskOpenPicture(m_group->window());
    if (!chosen.isEmpty())
        OPD_PredeCanClose(chosen);
}

void TCatchPanel::OPD_PredeCanClose(const QString& fileName) {
    if (fileName.isEmpty())
        return;
    Query& catches = m_module->ADOQ_SESSPrede;
    if (!catches.isEditing())
        catches.edit();
    // The path goes into the catch being edited (stored with its Save); the box shows it and
    // its change runs the preview.
    const QString before = DBEditQPredeImg->text();
    catches.setValue(QStringLiteral("Foto"), fileName);
    TakeTimeFromPhoto(fileName);
    // A new path was previewed by the box's change; the same path again is read anew.
    if (DBEditQPredeImg->text() == before)
        ReloadCatchPhoto();
}

void TCatchPanel::TakeTimeFromPhoto(const QString& fileName) {
    Query& catches = m_module->ADOQ_SESSPrede;
    if (catches.state() != DataSetState::Insert ||
        !catches.value(QStringLiteral("Data")).isNull() ||
        !catches.value(QStringLiteral("Nm_Ora")).isNull())
        return;
    const auto photo = PhotoScan::readPhoto(QFileInfo(fileName));
    if (!photo || !photo->taken.isValid())
        return;
    catches.setValue(QStringLiteral("Data"), TextConversion::dateToIso(photo->taken.date()));
    QList<std::pair<qint64, QString>> bands;
    const Query& list = m_module->ADOQ_Orario;
    for (int row = 0; list.isOpen() && row < list.bufferedRowCount(); ++row)
        bands.push_back({list.rowValue(row, 0).toLongLong(), list.rowValue(row, 1).toString()});
    if (const qint64 band = PhotoMatch::bandHolding(bands, photo->taken.time()))
        catches.setValue(QStringLiteral("Nm_Ora"), band);
}

void TCatchPanel::SB_Prede_ZoomImgClick() {
    const QString path = DBEditQPredeImg->text();
    if (path.isEmpty())
        return;
    FrmVisFoto->LoadPhoto(path);
    ShowModal(*FrmVisFoto);
}

void TCatchPanel::SpeedButton10Click() {
    Query& catches = m_module->ADOQ_SESSPrede;
    catches.edit();
    catches.setValue(QStringLiteral("Foto"), QVariant());
    // The catch is stored at once with the cleared path and every other pending change. A
    // failure is reported like any other save, and what was typed stays pending.
    const int r = operate(opSave);
    if (r == orConvertError) {
        showWarning(kFormatWarning);
        return;
    }
    Image1->setVisible(false);
}
