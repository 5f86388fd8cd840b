#include "sessions/AnglersPanel.h"

#include "data/MessageSeam.h"
#include "engine/Query.h"
#include "lists/U_FRM_FrmCambiaElenco.h"
#include "sessions/UDM_Sessioni.h"
#include "widgets/DBLookupListBox.h"
#include "widgets/ErrorGuard.h"
#include "widgets/ToolButton.h"

#include <QGroupBox>
#include <QMenu>

const QString TAnglersPanel::kAddWithoutSelection = QStringLiteral(
    "Per abbinare un carpista selezionarlo cliccando col tasto sinistro rendendone il fondo blu, "
    "poi procedere premendo il tasto destro e scegliendo \"Aggiungi\" oppure effettuando un "
    "doppio click");

const QString TAnglersPanel::kRemoveWithoutSelection = QStringLiteral(
    "Per togliere un carpista selezionarlo cliccando col tasto sinistro rendendone il fondo blu, "
    "poi procedere premendo il tasto destro e scegliendo \"Togli\" oppure effettuando un doppio "
    "click");

namespace {

DBLookupListBox* listBox(QGroupBox* group, const char* name, const QRect& rect, const QColor& base,
                         const QColor& text, const QString& hint) {
    auto* box = new DBLookupListBox(group);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(rect);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(12);
    f.setBold(false);
    box->setFont(f);
    QPalette p = box->palette();
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::Text, text);
    box->setPalette(p);
    box->setToolTip(hint);
    return box;
}

// The selected key as an integer; false when it cannot be taken as one.
bool selectedKey(const DBLookupListBox* box, int* key) {
    bool ok = false;
    *key = box->keyValue().toInt(&ok);
    return ok && !box->keyValue().isNull();
}

} // namespace

TAnglersPanel::TAnglersPanel(QGroupBox* groupBox4) : QObject(groupBox4) {
    SpeedButton2 = new ToolButton(groupBox4);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setGeometry(5, 22, 20, 19);
    SpeedButton2->setPicture(ButtonPictures::Kind::EditList, 15);
    SpeedButton2->setHint(QStringLiteral("Modifica l'elenco dei carpisti"));

    DBLookupListBox1 =
        listBox(groupBox4, "DBLookupListBox1", {26, 18, 140, 56}, QColor(0xD5, 0xFF, 0xD0),
                QColor(0, 0, 0x80),
                QStringLiteral(
                    "Elenco dei carpisti disponibili nella tabella dei pescatori: per aggiungervi "
                    "un elemento premere il tasti a sinistra, per includere il carpista "
                    "selezionato alla sessione corrente premere il tasto destro del mouse e "
                    "cliccare su \"Aggiungi\",oppure effettuare"));
    DBLookupListBox2 = listBox(
        groupBox4, "DBLookupListBox2", {169, 18, 140, 56},
        groupBox4->palette().color(QPalette::Window), Qt::black,
        QStringLiteral("Elenco dei carpisti partecipanti: per escludere il carpista selezionato "
                       "alla sessione corrente premere il tasto destro del mouse e cliccare su "
                       "\"Togli\",oppure effettuare doppio click sul nome"));

    PopupMenu1 = new QMenu(DBLookupListBox1);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Aggiungi1 = PopupMenu1->addAction(QStringLiteral("Aggiungi"));
    Aggiungi1->setObjectName(QStringLiteral("Aggiungi1"));
    DBLookupListBox1->setPopupMenu(PopupMenu1);
    PopupMenu2 = new QMenu(DBLookupListBox2);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    MenuItem1 = PopupMenu2->addAction(QStringLiteral("Togli"));
    MenuItem1->setObjectName(QStringLiteral("MenuItem1"));
    DBLookupListBox2->setPopupMenu(PopupMenu2);

    auto add = [this] { Guarded([this] { AddSessionAngler(); }); };
    auto remove = [this] { Guarded([this] { RemoveSessionAngler(); }); };
    connect(Aggiungi1, &QAction::triggered, this, add);
    connect(DBLookupListBox1, &DBLookupListBox::doubleClicked, this, add);
    connect(MenuItem1, &QAction::triggered, this, remove);
    connect(DBLookupListBox2, &DBLookupListBox::doubleClicked, this, remove);
    connect(SpeedButton2, &QToolButton::clicked, this,
            [this] { Guarded([this] { SpeedButton2Click(); }); });
}

void TAnglersPanel::bind(TDM_Sessioni& module) {
    m_module = &module;
    DBLookupListBox1->setListSource(&module.DS_QELCarpisti);
    DBLookupListBox1->setKeyField(QStringLiteral("Id_Pescatore"));
    DBLookupListBox1->setListField(QStringLiteral("Ds_Pescatore"));
    DBLookupListBox2->setListSource(&module.DS_QSESSCarpisti);
    DBLookupListBox2->setKeyField(QStringLiteral("Id_Pescatore"));
    DBLookupListBox2->setListField(QStringLiteral("Ds_pescatore"));
}

void TAnglersPanel::AddSessionAngler() {
    int angler = 0;
    if (!selectedKey(DBLookupListBox1, &angler)) {
        showError(kAddWithoutSelection);
        return;
    }
    m_module->AnglerCommand(1, angler);
    DBLookupListBox1->clearKeyValue();
    m_module->RefreshAnglers();
}

void TAnglersPanel::RemoveSessionAngler() {
    int angler = 0;
    if (!selectedKey(DBLookupListBox2, &angler)) {
        showError(kRemoveWithoutSelection);
        return;
    }
    m_module->AnglerCommand(2, angler);
    m_module->RefreshAnglers();
}

void TAnglersPanel::SpeedButton2Click() {
    FrmCambiaElenco->EditList(QStringLiteral("ELENCO CARPISTI"), 2);
    // Reopened with the session key it already holds.
    m_module->ADOQ_ELCarpisti.close();
    m_module->ADOQ_ELCarpisti.open();
}
