#include "sessions/UDM_Reportage.h"

#include "data/U_DBUtils.h"
#include "data/U_QFile.h"
#include "sessions/UDM_Sessioni.h"

TDM_Reportage* DM_Reportage = nullptr;

TDM_Reportage::TDM_Reportage(Connection* connection)
    : ComponentOwner(QStringLiteral("DM_Reportage")), conn(connection) {}

void TDM_Reportage::RefreshReportage() {
    OpenModuleQueries({DM_Sessioni ? DM_Sessioni->CurrentSessionId() : 0}, *this);
}

int TDM_Reportage::ReportageCount() const {
    return ADOQ_Reportage.recordCount();
}

int TDM_Reportage::ReportageOperation(int code) {
    return RecordOperation(code, ADOQ_Reportage);
}
