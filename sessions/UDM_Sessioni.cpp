#include "sessions/UDM_Sessioni.h"

#include "data/U_DBUtils.h"
#include "data/U_QFile.h"

TDM_Sessioni* DM_Sessioni = nullptr;

TDM_Sessioni::TDM_Sessioni(Connection* connection)
    : ComponentOwner(QStringLiteral("DM_Sessioni")), conn(connection) {}

void TDM_Sessioni::DataModuleCreate() {
    OpenModuleQueries({}, *this);
}

int TDM_Sessioni::CurrentSessionId() const {
    try {
        bool ok = false;
        const int id = ADOQ_Sessioni.value(QStringLiteral("Id_uscita")).toInt(&ok);
        return ok ? id : 0;
    } catch (...) {
        return 0;
    }
}

void TDM_Sessioni::AnglerCommand(int number, int anglerId) {
    ExecuteCommand(number, componentName(), {CurrentSessionId(), anglerId}, ADOC_OperazCarpisti);
}

int TDM_Sessioni::SessionCount() const {
    return ADOQ_Sessioni.recordCount();
}

int TDM_Sessioni::SessionRecNo() const {
    return ADOQ_Sessioni.recNo();
}

void TDM_Sessioni::RefreshAnglers() {
    const ParArr params{CurrentSessionId()};
    ReopenQuery(params, ADOQ_ELCarpisti);
    ReopenQuery(params, ADOQ_SESSCarpisti);
}

int TDM_Sessioni::RefreshGroundbait() {
    const ParArr params{CurrentSessionId()};
    ReopenQuery(params, ADOQ_SESSPastura);
    ReopenQuery(params, ADOQ_MAXGGPastura);
    return ADOQ_SESSPastura.recordCount();
}

int TDM_Sessioni::RefreshCatches() {
    ReopenQuery({CurrentSessionId()}, ADOQ_SESSPrede);
    return ADOQ_SESSPrede.recordCount();
}

int TDM_Sessioni::Operazione(int code, const QString& dataSetName) {
    return OperationOnComponent(*this, code, dataSetName);
}
