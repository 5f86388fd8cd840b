#include "lists/UDM_Elenco.h"

#include "data/U_DBUtils.h"
#include "data/U_QFile.h"
#include "engine/EngineError.h"

TDM_Elenco* DM_Elenco = nullptr;

TDM_Elenco::TDM_Elenco(Connection* connection)
    : ComponentOwner(QStringLiteral("DM_Elenco")), conn(connection) {}

void TDM_Elenco::DataModuleCreate() {
    OpenModuleQueries({}, *this);
}

void TDM_Elenco::SelectList(const QString& name) {
    if (auto* query = dynamic_cast<Query*>(findComponent(name)))
        DS_Elenco.setDataSet(query);
}

int TDM_Elenco::Operazione(int code, const QString& dataSetName) {
    return OperationOnComponent(*this, code, dataSetName);
}

int TDM_Elenco::Nrec() const {
    if (!DS_Elenco.dataSet())
        throw EngineError(QStringLiteral("Nessun elenco selezionato."));
    return DS_Elenco.dataSet()->recordCount();
}
