#include "details/DetailPanel.h"

#include "data/U_DBUtils.h"
#include "sessions/UDM_Sessioni.h"
#include "widgets/MainWindowHost.h"
#include "widgets/RecordToolBar.h"
#include "widgets/ToolButton.h"
#include "widgets/UiFonts.h"

TDetailPanel::TDetailPanel(QWidget* group, RecordToolBar* toolBar, MainWindowHost& host)
    : QObject(group), m_host(host), m_form(group, UiFonts::sansSerifPixels(12)),
      m_toolBar(toolBar) {}

void TDetailPanel::attach(TDM_Sessioni& module, Query& rows,
                          QString (MainWindowHost::*dataSetName)() const) {
    m_module = &module;
    m_rows = &rows;
    m_dataSetName = dataSetName;
}

QString TDetailPanel::dataSetName() const {
    return (m_host.*m_dataSetName)();
}

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
    if (!m_host.SavePendingDetails(m_rows))
        return -1;
    return m_module->Operazione(opNew, dataSetName());
}

void TDetailPanel::saveRecord() {
    if (!m_host.SavePendingDetails(m_rows))
        return;
    setEditable(false);
    int r = orOk;
    try {
        r = m_module->Operazione(opSave, dataSetName());
    } catch (...) {
        // Refused by the database: the row stays pending and open to correction.
        setEditable(true);
        throw;
    }
    m_host.HandleOperationResult(r);
    setNavigation(true);
}

void TDetailPanel::cancelRecord() {
    if (!m_host.SavePendingDetails(m_rows))
        return;
    setEditable(false);
    const int r = m_module->Operazione(opCancel, dataSetName());
    m_host.HandleOperationResult(r);
    setNavigation(true);
}

void TDetailPanel::deleteRecord() {
    if (!m_host.SavePendingDetails(m_rows))
        return;
    const int r = m_module->Operazione(opDelete, dataSetName());
    m_host.HandleOperationResult(r);
}
