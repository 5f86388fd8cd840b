#include "lists/U_FRM_FrmCambiaElenco.h"

#include "data/MessageSeam.h"
#include "data/U_DBUtils.h"
#include "engine/Query.h"
#include "lists/UDM_Elenco.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/ErrorGuard.h"
#include "widgets/ModalSeam.h"
#include "widgets/ToolButton.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>

TFrmCambiaElenco* FrmCambiaElenco = nullptr;

const QString TFrmCambiaElenco::kConversionError = QStringLiteral(
    "Si è verificato un errore di conversione: controllare i valori numerici ed i formati delle "
    "date");

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

QFont sansSerif(int points) {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSize(points);
    return f;
}

ToolButton* toolButton(QWidget* bar, int left, ButtonPictures::Kind picture, const QString& hint,
                       const char* name) {
    auto* b = new ToolButton(bar);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(left, 2, 23, 22);
    b->setPicture(picture);
    b->setHint(hint);
    return b;
}

} // namespace

TFrmCambiaElenco::TFrmCambiaElenco(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FrmCambiaElenco"));
    setFixedSize(202, 266);
    setFont(sansSerif(8));

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 2, 185, 231);

    DBGrid1 = new DBGrid(GroupBox1);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(8, 11, 169, 164);
    DBGrid1->setFont(sansSerif(9));
    DBGrid1->setOptions({/*titles=*/false, /*rowIndicator=*/false, /*columnLines=*/false,
                         /*rowLines=*/true});
    DBGrid1->setDataSource(DM_Elenco ? &DM_Elenco->DS_Elenco : nullptr);

    TB_Sessione = new QFrame(GroupBox1);
    TB_Sessione->setObjectName(QStringLiteral("TB_Sessione"));
    TB_Sessione->setGeometry(36, 176, 105, 26);
    TB_Sessione->setStyleSheet(
        QStringLiteral("QFrame#TB_Sessione { border-left: 1px solid "
                       "palette(mid); border-right: 1px solid palette(mid); }"));
    using K = ButtonPictures::Kind;
    SBNew_Sessione =
        toolButton(TB_Sessione, 2, K::New, QStringLiteral("Nuovo elemento"), "SBNew_Sessione");
    SBCancel_Sessione = toolButton(TB_Sessione, 27, K::Cancel,
                                   QStringLiteral("Elimina le modifiche"), "SBCancel_Sessione");
    SBSave_Sessione = toolButton(TB_Sessione, 52, K::Save, QStringLiteral("Salva le modifiche"),
                                 "SBSave_Sessione");
    SBDel_Sessione = toolButton(TB_Sessione, 77, K::Delete,
                                QStringLiteral("Elimina l'elemento corrente"), "SBDel_Sessione");

    DBEdit1 = new DBEdit(GroupBox1);
    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    DBEdit1->setGeometry(8, 203, 169, 21);
    DBEdit1->setFont(sansSerif(9));
    DBEdit1->setMaxLength(50);
    DBEdit1->setDataSource(DM_Elenco ? &DM_Elenco->DS_Elenco : nullptr);

    SpeedButton1 = new ToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(64, 236, 65, 25);
    SpeedButton1->setText(QStringLiteral("OK"));
    SpeedButton1->setPicture(K::Ok);
    SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SpeedButton1->setAutoRaise(false);

    auto guarded = [this](void (TFrmCambiaElenco::*handler)()) {
        return [this, handler] { Guarded([this, handler] { (this->*handler)(); }); };
    };
    connect(SBNew_Sessione, &QToolButton::clicked, this,
            guarded(&TFrmCambiaElenco::SBNew_SessioneClick));
    connect(SBCancel_Sessione, &QToolButton::clicked, this,
            guarded(&TFrmCambiaElenco::SBCancel_SessioneClick));
    connect(SBSave_Sessione, &QToolButton::clicked, this,
            guarded(&TFrmCambiaElenco::SBSave_SessioneClick));
    connect(SBDel_Sessione, &QToolButton::clicked, this,
            guarded(&TFrmCambiaElenco::SBDel_SessioneClick));
    connect(SpeedButton1, &QToolButton::clicked, this,
            guarded(&TFrmCambiaElenco::SpeedButton1Click));
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
    ShowModal(*this);
}

void TFrmCambiaElenco::ShowDescriptionColumn(const QString& columnName) {
    for (int c = 0; c < DBGrid1->model()->columnCount(); ++c)
        DBGrid1->setColumnVisible(c, DBGrid1->columnOfField(columnName) == c);
    if (const int shown = DBGrid1->columnOfField(columnName); shown >= 0)
        DBGrid1->setColumnWidth(shown, DBGrid1->width() - 4);
    DBEdit1->setDataField(columnName);
}

void TFrmCambiaElenco::SaveListItem() {
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
