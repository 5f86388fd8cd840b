#include "sessions/UDM_Sessioni.h"

#include "data/U_QFile.h"

TDM_Sessioni* DM_Sessioni = nullptr;

TDM_Sessioni::TDM_Sessioni(Connection* connection)
    : ComponentOwner(QStringLiteral("DM_Sessioni")), conn(connection) {}

void TDM_Sessioni::DataModuleCreate() {
    OpenModuleQueries({}, *this);
}
