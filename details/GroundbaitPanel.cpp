#include "details/GroundbaitPanel.h"

#include "data/U_DBUtils.h"
#include "details/DetailGrid.h"
#include "engine/Query.h"
#include "lists/ListEditorButtons.h"
#include "sessions/UDM_Sessioni.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBNavigator.h"
#include "widgets/GridColumns.h"
#include "widgets/RecordToolBar.h"
#include "widgets/ToolButton.h"

#include <QGroupBox>

namespace {

// The day's three groundbait types and quantities, in tab order.
std::vector<FormField> groundbaitFields() {
    using K = FormControl;
    const QString kg = QStringLiteral("Kg:");
    return {
        {"DBLookupComboPastura1",
         K::Lookup,
         {50, 185, 166, 21},
         "Nm_pastura1",
         0,
         {},
         {QStringLiteral("Past. 1:"), 5, 188}},
        {"DBEditQpastura1", K::Edit, {245, 185, 41, 21}, "q_pastura1", 5, {}, {kg, 225, 188}},
        {"DBLookupComboPastura2",
         K::Lookup,
         {50, 210, 166, 21},
         "Nm_pastura2",
         0,
         {},
         {QStringLiteral("Past. 2:"), 5, 213}},
        {"DBEditQpastura2", K::Edit, {245, 210, 41, 21}, "q_pastura2", 5, {}, {kg, 225, 213}},
        {"DBLookupComboPastura3",
         K::Lookup,
         {50, 235, 166, 21},
         "Nm_pastura3",
         0,
         {},
         {QStringLiteral("Past. 3:"), 5, 238}},
        {"DBEditQpastura3", K::Edit, {245, 235, 41, 21}, "q_pastura3", 5, {}, {kg, 225, 238}},
        {"SpeedButton4",
         K::ListButton,
         {5, 266, 20, 19},
         nullptr,
         0,
         QStringLiteral("Modifica l'elenco delle pasturazioni")},
    };
}

// The grid's nine columns by position: the day and the three quantities are shown.
std::vector<GridColumn> groundbaitColumns() {
    return {
        {0, nullptr, {}, -1, false},
        {1, nullptr, {}, -1, false},
        {2, nullptr, QStringLiteral("N°giorno"), 60, true},
        {3, nullptr, QStringLiteral("P.1"), 64, false},
        {4, nullptr, QStringLiteral("Q.1"), 50, true},
        {5, nullptr, QStringLiteral("P.2"), 64, false},
        {6, nullptr, QStringLiteral("Q.2"), 50, true},
        {7, nullptr, QStringLiteral("P.3"), 64, false},
        {8, nullptr, QStringLiteral("Q.3"), 50, true},
    };
}

} // namespace

TGroundbaitPanel::TGroundbaitPanel(QGroupBox* groupBox2, RecordToolBar* toolBar)
    : TDetailPanel(groupBox2, toolBar), TB_Pastura(toolBar), DBN_Pastura(toolBar->navigator()) {
    DBGrid1 = MakeDetailGrid(groupBox2, "DBGrid1", {5, 15, 281, 166});
    m_form.add(groundbaitFields());
    DBLookupComboPastura1 = m_form.control<DBLookupComboBox>("DBLookupComboPastura1");
    DBLookupComboPastura2 = m_form.control<DBLookupComboBox>("DBLookupComboPastura2");
    DBLookupComboPastura3 = m_form.control<DBLookupComboBox>("DBLookupComboPastura3");
    DBEditQpastura1 = m_form.control<DBEdit>("DBEditQpastura1");
    DBEditQpastura2 = m_form.control<DBEdit>("DBEditQpastura2");
    DBEditQpastura3 = m_form.control<DBEdit>("DBEditQpastura3");
    for (DBEdit* quantity : {DBEditQpastura1, DBEditQpastura2, DBEditQpastura3})
        quantity->setNonNegative(true);
    SpeedButton4 = m_form.control<ToolButton>("SpeedButton4");
    SBNew_Pastura = toolBar->button(opNew);
    SBCancel_Pastura = toolBar->button(opCancel);
    SBSave_Pastura = toolBar->button(opSave);
    SBDel_Pastura = toolBar->button(opDelete);
    ConnectRecordButtons(toolBar, this, &TGroundbaitPanel::SBNew_PasturaClick,
                         &TGroundbaitPanel::SBCancel_PasturaClick,
                         &TGroundbaitPanel::SBSave_PasturaClick,
                         &TGroundbaitPanel::SBDel_PasturaClick);
    // The grid's own deletion: the next new day takes the number the rule promises.
    ConnectGuarded(DBGrid1, &DBGrid::rowDeleted, this, &TGroundbaitPanel::rereadHighestDay);
}

void TGroundbaitPanel::bind(TDM_Sessioni& module) {
    attach(module, module.ADOQ_SESSPastura);
    DataSource* days = &module.DS_QSESSPastura;
    DBGrid1->setDataSource(days);
    DBN_Pastura->setDataSource(days);
    m_form.bind(days);
    for (const char* box :
         {"DBLookupComboPastura1", "DBLookupComboPastura2", "DBLookupComboPastura3"})
        m_form.bindLookup(box, &module.DS_QELPastura, QStringLiteral("Id_tppastura"),
                          QStringLiteral("Ds_tipopastura"));
    ConnectListEditorButtons(
        this, {{SpeedButton4, QStringLiteral("ELENCO PASTURAZIONI"), 4, {&module.ADOQ_ELPastura}}});
}

void TGroundbaitPanel::reloaded() {
    SetupGroundbaitGrid();
    updateNewButton();
}

void TGroundbaitPanel::SetupGroundbaitGrid() {
    ApplyGridColumns(*DBGrid1, groundbaitColumns());
}

void TGroundbaitPanel::SetGroundbaitEditable(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{DBLookupComboPastura1, DBLookupComboPastura2,
                                                      DBLookupComboPastura3, DBEditQpastura1,
                                                      DBEditQpastura2, DBEditQpastura3})
        w->setEnabled(on); // white when on, button face when off (the edit colours)
}

void TGroundbaitPanel::SetGroundbaitNavigation(bool on) {
    setNavigation(on);
}

void TGroundbaitPanel::rereadHighestDay() {
    Query& highest = m_module->ADOQ_MAXGGPastura;
    highest.close();
    highest.open();
}

void TGroundbaitPanel::SBNew_PasturaClick() {
    const int r = newRecord();
    if (r < 0 || r == orBusy)
        return;
    Query& days = m_module->ADOQ_SESSPastura;
    days.setValue(QStringLiteral("Nm_uscita"), m_module->CurrentSessionId());
    const Query& highest = m_module->ADOQ_MAXGGPastura;
    const QVariant top =
        (highest.isOpen() && highest.recordCount() > 0) ? highest.value(0) : QVariant();
    days.setValue(QStringLiteral("giorno"), top.isNull() ? 1 : top.toInt() + 1);
    SetGroundbaitEditable(true);
    SetGroundbaitNavigation(false);
    DBLookupComboPastura1->setFocus(Qt::OtherFocusReason);
}

void TGroundbaitPanel::SBSave_PasturaClick() {
    saveRecord();
}

void TGroundbaitPanel::SBCancel_PasturaClick() {
    cancelRecord();
}

void TGroundbaitPanel::SBDel_PasturaClick() {
    deleteRecord();
}
