#pragma once

#include "engine/Command.h"
#include "engine/Query.h"
#include "widgets/DataSource.h"

class Connection;

// The sessions data module: all sessions, the detail queries of the current session, the
// choice lists of the main window and the command that adds or removes an angler. Its
// members are its components, in component order.
class TDM_Sessioni : public ComponentOwner {
public:
    explicit TDM_Sessioni(Connection* connection);
    // Loads every query's text from qry.ini and opens it without parameter values.
    void DataModuleCreate();

    // Key of the current session; 0 when there is none, while a new one is unsaved, and on
    // any failure.
    int CurrentSessionId() const;
    // Attaches (1) or detaches (2) an angler to the current session.
    void AnglerCommand(int number, int anglerId);
    int SessionCount() const;
    int SessionRecNo() const;
    void RefreshAnglers();
    int RefreshGroundbait(); // groundbait rows of the current session
    int RefreshCatches();    // catch rows of the current session
    int Operazione(int code, const QString& dataSetName);

    Connection* const conn;
    Query ADOQ_Sessioni{QStringLiteral("ADOQ_Sessioni"), this, conn};
    DataSource DS_QSessioni{QStringLiteral("DS_QSessioni"), this, &ADOQ_Sessioni};
    Query ADOQ_Lago{QStringLiteral("ADOQ_Lago"), this, conn};
    DataSource DS_QLago{QStringLiteral("DS_QLago"), this, &ADOQ_Lago};
    Query ADOQ_SESSCarpisti{QStringLiteral("ADOQ_SESSCarpisti"), this, conn};
    DataSource DS_QSESSCarpisti{QStringLiteral("DS_QSESSCarpisti"), this, &ADOQ_SESSCarpisti};
    Query ADOQ_ELCarpisti{QStringLiteral("ADOQ_ELCarpisti"), this, conn};
    DataSource DS_QELCarpisti{QStringLiteral("DS_QELCarpisti"), this, &ADOQ_ELCarpisti};
    Command ADOC_OperazCarpisti{QStringLiteral("ADOC_OperazCarpisti"), this, conn};
    Query ADOQ_Tipovento{QStringLiteral("ADOQ_Tipovento"), this, conn};
    DataSource DS_QTipovento{QStringLiteral("DS_QTipovento"), this, &ADOQ_Tipovento};
    Query ADOQ_SESSPastura{QStringLiteral("ADOQ_SESSPastura"), this, conn};
    DataSource DS_QSESSPastura{QStringLiteral("DS_QSESSPastura"), this, &ADOQ_SESSPastura};
    Query ADOQ_MAXGGPastura{QStringLiteral("ADOQ_MAXGGPastura"), this, conn};
    Query ADOQ_ELPastura{QStringLiteral("ADOQ_ELPastura"), this, conn};
    DataSource DS_QELPastura{QStringLiteral("DS_QELPastura"), this, &ADOQ_ELPastura};
    Query ADOQ_SESSPrede{QStringLiteral("ADOQ_SESSPrede"), this, conn};
    DataSource DS_QSESSPrede{QStringLiteral("DS_QSESSPrede"), this, &ADOQ_SESSPrede};
    Query ADOQ_Esche{QStringLiteral("ADOQ_Esche"), this, conn};
    DataSource DS_QEsche{QStringLiteral("DS_QEsche"), this, &ADOQ_Esche};
    Query ADOQ_Innesco{QStringLiteral("ADOQ_Innesco"), this, conn};
    DataSource DS_Innesco{QStringLiteral("DS_Innesco"), this, &ADOQ_Innesco};
    Query ADOQ_Montature{QStringLiteral("ADOQ_Montature"), this, conn};
    DataSource DS_Montature{QStringLiteral("DS_Montature"), this, &ADOQ_Montature};
    Query ADOQ_TipoCondMeteo{QStringLiteral("ADOQ_TipoCondMeteo"), this, conn};
    DataSource DS_QTipoCondMeteo{QStringLiteral("DS_QTipoCondMeteo"), this, &ADOQ_TipoCondMeteo};
    Query ADOQ_TipoSessione{QStringLiteral("ADOQ_TipoSessione"), this, conn};
    DataSource DS_TipoSessione{QStringLiteral("DS_TipoSessione"), this, &ADOQ_TipoSessione};
    Query ADOQ_Orario{QStringLiteral("ADOQ_Orario"), this, conn};
    DataSource Ds_Orario{QStringLiteral("Ds_Orario"), this, &ADOQ_Orario};
    Query ADOQ_Luna{QStringLiteral("ADOQ_Luna"), this, conn};
    DataSource Ds_luna{QStringLiteral("Ds_luna"), this, &ADOQ_Luna};
};

extern TDM_Sessioni* DM_Sessioni;
