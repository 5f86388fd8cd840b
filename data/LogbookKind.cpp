#include "data/LogbookKind.h"

DatabaseKind LogbookKind() {
    DatabaseKind kind;
    kind.requiredTables = {QStringLiteral("TUscita"), QStringLiteral("TPreda"),
                           QStringLiteral("TPastura"), QStringLiteral("TLago")};
    kind.notThisKind = QStringLiteral("Il file '%1' non contiene l'archivio delle uscite.");
    kind.rowInUse = QStringLiteral("L'elemento è ancora usato in una o più uscite o prede: non "
                                   "può essere eliminato.");
    return kind;
}
