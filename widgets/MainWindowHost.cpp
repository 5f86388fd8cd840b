#include "widgets/MainWindowHost.h"

const QString MainWindowHost::kFormatWarning = QStringLiteral(
    "Correggere il formato in cui sono state inserite le date.\r\nIl formato corretto è: "
    "'gg/mm/aaaa'");
