#include "lists/UDM_Elenco.h"

#include "data/MessageSeam.h"
#include "data/U_DBUtils.h"
#include "data/U_QFile.h"
#include "engine/EngineError.h"

TDM_Elenco* DM_Elenco = nullptr;

TDM_Elenco::TDM_Elenco(Connection* connection)
    : ComponentOwner(QStringLiteral("DM_Elenco")), conn(connection) {}

void TDM_Elenco::DataModuleCreate() {
    // A list table gone from the logbook would leave its drop-downs empty without a word.
    for (const QString& table : OpenModuleQueries({}, *this))
        showError(kTableMissing.arg(table));
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
