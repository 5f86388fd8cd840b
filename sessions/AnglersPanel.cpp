#include "sessions/AnglersPanel.h"

#include "data/MessageSeam.h"
#include "engine/Query.h"
#include "lists/ListEditorButtons.h"
#include "sessions/UDM_Sessioni.h"
#include "widgets/DBLookupListBox.h"
#include "widgets/ErrorGuard.h"
#include "widgets/ToolButton.h"
#include "widgets/UiFonts.h"

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

const QString TAnglersPanel::kSessionNotSaved =
    QStringLiteral("Salvare la nuova sessione prima di abbinarle i carpisti.");

namespace {

const QString kAvailableHint = QStringLiteral(
    "Elenco dei carpisti disponibili nella tabella dei pescatori: per aggiungervi un elemento "
    "premere il tasti a sinistra, per includere il carpista selezionato alla sessione corrente "
    "premere il tasto destro del mouse e cliccare su \"Aggiungi\",oppure effettuare");

DBLookupListBox* listBox(QGroupBox* group, const char* name, const QRect& rect, const QColor& base,
                         const QColor& text, const QString& hint) {
    auto* box = new DBLookupListBox(group);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(rect);
    box->setFont(UiFonts::sansSerifPixels(12));
    QPalette p = box->palette();
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::Text, text);
    box->setPalette(p);
    box->setToolTip(hint);
    return box;
}

QAction* popupItem(DBLookupListBox* box, const char* menuName, const char* itemName,
                   const QString& caption, QMenu** menu) {
    *menu = new QMenu(box);
    (*menu)->setObjectName(QLatin1String(menuName));
    QAction* item = (*menu)->addAction(caption);
    item->setObjectName(QLatin1String(itemName));
    box->setPopupMenu(*menu);
    return item;
}

// The selected key as an integer; false when it cannot be taken as one.
bool selectedKey(const DBLookupListBox* box, int* key) {
    bool ok = false;
    *key = box->keyValue().toInt(&ok);
    return ok && !box->keyValue().isNull();
}

} // namespace

TAnglersPanel::TAnglersPanel(QGroupBox* groupBox4) : QObject(groupBox4), m_group(groupBox4) {
    SpeedButton2 = new ToolButton(groupBox4);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setGeometry(5, 22, 20, 19);
    SpeedButton2->setPicture(ButtonPictures::Kind::EditList, 15);
    SpeedButton2->setHint(QStringLiteral("Modifica l'elenco dei carpisti"));

    DBLookupListBox1 = listBox(groupBox4, "DBLookupListBox1", {26, 18, 140, 56},
                               QColor(0xD5, 0xFF, 0xD0), QColor(0, 0, 0x80), kAvailableHint);
    DBLookupListBox2 = listBox(
        groupBox4, "DBLookupListBox2", {169, 18, 140, 56},
        groupBox4->palette().color(QPalette::Window), Qt::black,
        QStringLiteral("Elenco dei carpisti partecipanti: per escludere il carpista selezionato "
                       "alla sessione corrente premere il tasto destro del mouse e cliccare su "
                       "\"Togli\",oppure effettuare doppio click sul nome"));
    Aggiungi1 = popupItem(DBLookupListBox1, "PopupMenu1", "Aggiungi1", QStringLiteral("Aggiungi"),
                          &PopupMenu1);
    MenuItem1 = popupItem(DBLookupListBox2, "PopupMenu2", "MenuItem1", QStringLiteral("Togli"),
                          &PopupMenu2);

    ConnectGuarded(Aggiungi1, &QAction::triggered, this, &TAnglersPanel::AddSessionAngler);
    ConnectGuarded(DBLookupListBox1, &DBLookupListBox::chosen, this,
                   &TAnglersPanel::AddSessionAngler);
    ConnectGuarded(MenuItem1, &QAction::triggered, this, &TAnglersPanel::RemoveSessionAngler);
    ConnectGuarded(DBLookupListBox2, &DBLookupListBox::chosen, this,
                   &TAnglersPanel::RemoveSessionAngler);
}

void TAnglersPanel::bind(TDM_Sessioni& module) {
    m_module = &module;
    DBLookupListBox1->setListSource(&module.DS_QELCarpisti);
    DBLookupListBox1->setKeyField(QStringLiteral("Id_Pescatore"));
    DBLookupListBox1->setListField(QStringLiteral("Ds_Pescatore"));
    DBLookupListBox2->setListSource(&module.DS_QSESSCarpisti);
    DBLookupListBox2->setKeyField(QStringLiteral("Id_Pescatore"));
    DBLookupListBox2->setListField(QStringLiteral("Ds_pescatore"));
    // A renamed angler shows his new name in both lists at once.
    ConnectListEditorButtons(this, {{SpeedButton2,
                                     QStringLiteral("ELENCO CARPISTI"),
                                     2,
                                     {&module.ADOQ_ELCarpisti, &module.ADOQ_SESSCarpisti}}});
}

bool TAnglersPanel::sessionSaved() const {
    return m_module && m_module->ADOQ_Sessioni.state() != DataSetState::Insert;
}

void TAnglersPanel::reloaded() {
    const bool saved = sessionSaved();
    Aggiungi1->setEnabled(saved);
    MenuItem1->setEnabled(saved);
    DBLookupListBox1->setToolTip(saved ? kAvailableHint : kSessionNotSaved);
}

void TAnglersPanel::setEditable(bool on) {
    m_group->setEnabled(on);
}

void TAnglersPanel::AddSessionAngler() {
    // The available list forgets its pick, so the next double click must choose again.
    MoveAngler({DBLookupListBox1, 1, kAddWithoutSelection, true});
}

void TAnglersPanel::RemoveSessionAngler() {
    MoveAngler({DBLookupListBox2, 2, kRemoveWithoutSelection, false});
}

void TAnglersPanel::MoveAngler(const AnglerMove& move) {
    if (!sessionSaved())
        return; // the list's hint says why
    int angler = 0;
    if (!selectedKey(move.from, &angler)) {
        showError(move.withoutSelection);
        return;
    }
    m_module->AnglerCommand(move.command, angler);
    if (move.forgetChoice)
        move.from->clearKeyValue();
    m_module->RefreshAnglers();
}
