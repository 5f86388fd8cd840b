#pragma once

#include "engine/Query.h"
#include "widgets/DataSource.h"

class Connection;

// The nine editable lookup lists, one query each, and the one data source the list editor
// is bound to, pointed at the list being edited.
class TDM_Elenco : public ComponentOwner {
public:
    explicit TDM_Elenco(Connection* connection);
    // Loads and opens the nine list queries once, for the life of the program.
    void DataModuleCreate();

    // Points DS_Elenco at the component named exactly `name`; a name no component has
    // leaves it where it was.
    void SelectList(const QString& name);
    int Operazione(int code, const QString& dataSetName);
    // Rows of the list DS_Elenco shows now.
    int Nrec() const;

    Connection* const conn;
    Query ADOQ_Lago{QStringLiteral("ADOQ_Lago"), this, conn};
    DataSource DS_Elenco{QStringLiteral("DS_Elenco"), this, &ADOQ_Lago};
    Query ADOQ_Carpisti{QStringLiteral("ADOQ_Carpisti"), this, conn};
    Query ADOQ_tipovento{QStringLiteral("ADOQ_tipovento"), this, conn};
    Query ADOQ_Tipopastura{QStringLiteral("ADOQ_Tipopastura"), this, conn};
    Query ADOQ_Esca{QStringLiteral("ADOQ_Esca"), this, conn};
    Query ADOQ_Innesco{QStringLiteral("ADOQ_Innesco"), this, conn};
    Query ADOQ_Montature{QStringLiteral("ADOQ_Montature"), this, conn};
    Query ADOQ_TipoCondMeteo{QStringLiteral("ADOQ_TipoCondMeteo"), this, conn};
    Query ADOQ_TipoSessione{QStringLiteral("ADOQ_TipoSessione"), this, conn};
};

extern TDM_Elenco* DM_Elenco;
