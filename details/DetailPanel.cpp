#include "details/DetailPanel.h"

#include "data/U_DBUtils.h"
#include "sessions/UDM_Sessioni.h"
#include "widgets/RecordToolBar.h"
#include "widgets/ToolButton.h"
#include "widgets/UiFonts.h"

TDetailPanel::TDetailPanel(QWidget* group, RecordToolBar* toolBar)
    : ModulePanel(group), m_form(group, UiFonts::sansSerifPixels(12)), m_toolBar(toolBar) {}

void TDetailPanel::setNavigation(bool on) {
    m_navigation = on;
    m_toolBar->setNavigation(on);
    updateNewButton();
}

void TDetailPanel::updateNewButton() {
    if (ToolButton* newButton = m_toolBar->button(opNew))
        newButton->setEnabled(m_navigation && m_module && m_module->CurrentSessionId() != 0);
}

int TDetailPanel::newRecord() {
    return run(opNew).value_or(-1);
}

void TDetailPanel::saveRecord() {
    if (!savePending())
        return;
    setEditable(false);
    int r = orOk;
    try {
        r = operate(opSave);
    } catch (...) {
        // Refused by the database: the row stays pending and open to correction.
        setEditable(true);
        throw;
    }
    setNavigation(true);
    emit operationDone(opSave, r);
}

void TDetailPanel::cancelRecord() {
    if (!savePending())
        return;
    setEditable(false);
    const int r = operate(opCancel);
    setNavigation(true);
    emit operationDone(opCancel, r);
}

void TDetailPanel::deleteRecord() {
    if (const std::optional<int> r = run(opDelete))
        emit operationDone(opDelete, *r);
}
