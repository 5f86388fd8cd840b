#include "sessions/UDM_Reportage.h"

TDM_Reportage* DM_Reportage = nullptr;

TDM_Reportage::TDM_Reportage(Connection* connection)
    : ComponentOwner(QStringLiteral("DM_Reportage")), conn(connection) {}
