#include "lists/U_FRM_FrmCambiaElenco.h"

#include "data/MessageSeam.h"
#include "data/U_DBUtils.h"
#include "engine/Query.h"
#include "lists/UDM_Elenco.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/ErrorGuard.h"
#include "widgets/FormBuilder.h"
#include "widgets/GridColumns.h"
#include "widgets/ModalSeam.h"
#include "widgets/RecordToolBar.h"
#include "widgets/ToolButton.h"
#include "widgets/UiFonts.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>

TFrmCambiaElenco* FrmCambiaElenco = nullptr;

const QString TFrmCambiaElenco::kConversionError = QStringLiteral(
    "Si è verificato un errore di conversione: controllare i valori numerici ed i formati delle "
    "date");
const QString TFrmCambiaElenco::kEmptyDescription =
    QStringLiteral("La descrizione non può essere vuota.");
const QString TFrmCambiaElenco::kDuplicateDescription =
    QStringLiteral("Questa voce esiste già nell'elenco.");

namespace {

struct ListCode {
    const char* query;
    const char* description;
};

// The query and the description column each list code names.
const ListCode kLists[] = {
    {"ADOQ_Lago", "Ds_desc"},
    {"ADOQ_Carpisti", "Ds_Pescatore"},
    {"ADOQ_tipovento", "ds_tipovento"},
    {"ADOQ_Tipopastura", "Ds_tipopastura"},
    {"ADOQ_Esca", "Ds_esca"},
    {"ADOQ_Innesco", "Ds_innesco"},
    {"ADOQ_Montature", "Ds_montatura"},
    {"ADOQ_TipoCondMeteo", "Ds_Condmeteo"},
    {"ADOQ_TipoSessione", "Ds_TipoSessione"},
};

} // namespace

TFrmCambiaElenco::TFrmCambiaElenco(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FrmCambiaElenco"));
    setFixedSize(202, 266);
    setFont(UiFonts::sansSerifPoints(8));

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 2, 185, 231);

    DBGrid1 = new DBGrid(GroupBox1);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(8, 11, 169, 164);
    DBGrid1->setFont(UiFonts::sansSerifPoints(9));
    DBGrid1->setOptions({.titles = false, .rowIndicator = false, .columnLines = false});
    DBGrid1->setDataSource(DM_Elenco ? &DM_Elenco->DS_Elenco : nullptr);

    TB_Sessione = new RecordToolBar(GroupBox1, ElementToolBarLayout({36, 176, 105, 26}));
    SBNew_Sessione = TB_Sessione->button(opNew);
    SBCancel_Sessione = TB_Sessione->button(opCancel);
    SBSave_Sessione = TB_Sessione->button(opSave);
    SBDel_Sessione = TB_Sessione->button(opDelete);

    FormBuilder form(GroupBox1, UiFonts::sansSerifPoints(9));
    DBEdit1 = qobject_cast<DBEdit*>(
        form.add({"DBEdit1", FormControl::Edit, {8, 203, 169, 21}, nullptr, 50}));
    DBEdit1->setDataSource(DM_Elenco ? &DM_Elenco->DS_Elenco : nullptr);

    SpeedButton1 = new ToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(64, 236, 65, 25);
    SpeedButton1->setText(QStringLiteral("OK"));
    SpeedButton1->setPicture(ButtonPictures::Kind::Ok);
    SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SpeedButton1->setAutoRaise(false);

    ConnectRecordButtons(TB_Sessione, this, &TFrmCambiaElenco::SBNew_SessioneClick,
                         &TFrmCambiaElenco::SBCancel_SessioneClick,
                         &TFrmCambiaElenco::SBSave_SessioneClick,
                         &TFrmCambiaElenco::SBDel_SessioneClick);
    ConnectGuarded(SpeedButton1, &QToolButton::clicked, this, &TFrmCambiaElenco::SpeedButton1Click);
    connect(DBEdit1, &DBEdit::keyDown, this,
            [this](int key) { Guarded([this, key] { DBEdit1KeyDown(key); }); });

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFrmCambiaElenco::EditList(const QString& caption, int code) {
    setWindowTitle(caption);
    DBEdit1->setDataField(QString());
    if (code >= 1 && code <= 9) {
        const ListCode& list = kLists[code - 1];
        DM_Elenco->SelectList(QLatin1String(list.query));
        ShowDescriptionColumn(QLatin1String(list.description));
    }
    const Query* query = DM_Elenco->DS_Elenco.dataSet();
    ListDataSetName = query ? query->componentName() : QString();
    // Typing goes nowhere until the user picks an element or asks for a new one.
    DBGrid1->setFocus(Qt::OtherFocusReason);
    ShowModal(*this);
}

void TFrmCambiaElenco::ShowDescriptionColumn(const QString& columnName) {
    // None when the list spells it otherwise.
    ShowOnlyColumn(*DBGrid1, columnName, DBGrid1->width() - 4);
    DBEdit1->setDataField(columnName);
}

bool TFrmCambiaElenco::descriptionAcceptable() {
    const Query* list = DM_Elenco->DS_Elenco.dataSet();
    if (!list || !list->isEditing())
        return true; // nothing to save: the save says so itself
    const QString typed = DBEdit1->text().trimmed();
    if (typed.isEmpty()) {
        showWarning(kEmptyDescription);
        return false;
    }
    const int field = list->fieldIndex(DBEdit1->dataField());
    for (int row = 0; field >= 0 && row < list->bufferedRowCount(); ++row) {
        if (row != list->currentIndex() &&
            list->rowText(row, field).trimmed().compare(typed, Qt::CaseInsensitive) == 0) {
            showWarning(kDuplicateDescription);
            return false;
        }
    }
    return true;
}

void TFrmCambiaElenco::SaveListItem() {
    if (!descriptionAcceptable())
        return;
    const int r = DM_Elenco->Operazione(opSave, ListDataSetName);
    if (r == orConvertError) {
        showError(kConversionError);
        return;
    }
    DBGrid1->setFocus();
}

void TFrmCambiaElenco::SBNew_SessioneClick() {
    DBEdit1->setFocus();
    DM_Elenco->Operazione(opNew, ListDataSetName);
}

void TFrmCambiaElenco::SBCancel_SessioneClick() {
    DM_Elenco->Operazione(opCancel, ListDataSetName);
}

void TFrmCambiaElenco::SBSave_SessioneClick() {
    SaveListItem();
}

void TFrmCambiaElenco::SBDel_SessioneClick() {
    DM_Elenco->Operazione(opDelete, ListDataSetName);
}

void TFrmCambiaElenco::SpeedButton1Click() {
    accept();
}

void TFrmCambiaElenco::done(int result) {
    Guarded([this] { DBEdit1->flushPending(); });
    QDialog::done(result);
}

void TFrmCambiaElenco::DBEdit1KeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        SaveListItem();
}
