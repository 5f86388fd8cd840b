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

// A groundbait type and its quantity on one line of the panel.
FormField type(FormTarget target, const char* name, int top, const char* field, const char* label) {
    return {.name = name,
            .kind = FormControl::Lookup,
            .rect = {50, top, 166, 21},
            .field = field,
            .label = {QString::fromUtf8(label), 5, top + 3},
            .lookup = {"DS_QELPastura", "Id_tppastura", "Ds_tipopastura"},
            .target = std::move(target)};
}

FormField quantity(FormTarget target, const char* name, int top, const char* field) {
    return {.name = name,
            .kind = FormControl::Edit,
            .rect = {245, top, 41, 21},
            .field = field,
            .limit = 5,
            .label = {QStringLiteral("Kg:"), 225, top + 3},
            .target = std::move(target)};
}

// The day's three groundbait types and quantities, in tab order, then the list button.
std::vector<FormField> groundbaitFields(TGroundbaitPanel& p) {
    // clang-format off
    return {
        type(into(p.DBLookupComboPastura1), "DBLookupComboPastura1", 185, "Nm_pastura1", "Past. 1:"),
        quantity(into(p.DBEditQpastura1), "DBEditQpastura1", 185, "q_pastura1"),
        type(into(p.DBLookupComboPastura2), "DBLookupComboPastura2", 210, "Nm_pastura2", "Past. 2:"),
        quantity(into(p.DBEditQpastura2), "DBEditQpastura2", 210, "q_pastura2"),
        type(into(p.DBLookupComboPastura3), "DBLookupComboPastura3", 235, "Nm_pastura3", "Past. 3:"),
        quantity(into(p.DBEditQpastura3), "DBEditQpastura3", 235, "q_pastura3"),
        ListButtonRow(into(p.SpeedButton4), "SpeedButton4", {5, 266, 20, 19}, {"ELENCO PASTURAZIONI", 4, {"ADOQ_ELPastura"}}, QStringLiteral("Modifica l'elenco delle pasturazioni")),
    };
    // clang-format on
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
    m_form.add(groundbaitFields(*this));
    for (DBEdit* quantity : {DBEditQpastura1, DBEditQpastura2, DBEditQpastura3})
        quantity->setNonNegative(true);
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
    ConnectListEditorButtons(this, m_form.bindLists(module));
}

void TGroundbaitPanel::reloaded() {
    SetupGroundbaitGrid();
    updateNewButton();
}

void TGroundbaitPanel::SetupGroundbaitGrid() {
    ApplyGridColumns(*DBGrid1, groundbaitColumns());
}

void TGroundbaitPanel::SetGroundbaitEditable(bool on) {
    m_form.setEditable(on);
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
