#include "sessions/ModulePanel.h"

#include "engine/Query.h"
#include "sessions/UDM_Sessioni.h"

#include <QApplication>

void ModulePanel::attach(TDM_Sessioni& module, Query& rows) {
    m_module = &module;
    m_rows = &rows;
}

bool ModulePanel::savePending() {
    m_focusBefore = QApplication::focusWidget();
    return !m_savePending || m_savePending(m_rows);
}

std::optional<int> ModulePanel::run(int operation) {
    if (!savePending())
        return std::nullopt;
    return operate(operation);
}

int ModulePanel::operate(int operation) {
    return m_module->Operazione(operation, m_rows->componentName());
}
