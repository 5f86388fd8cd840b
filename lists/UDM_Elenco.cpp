#include "lists/UDM_Elenco.h"

#include "data/U_QFile.h"

TDM_Elenco* DM_Elenco = nullptr;

TDM_Elenco::TDM_Elenco(Connection* connection)
    : ComponentOwner(QStringLiteral("DM_Elenco")), conn(connection) {}

void TDM_Elenco::DataModuleCreate() {
    OpenModuleQueries({}, *this);
}
