#pragma once

#include "app/Registered.h"
#include "data/LogbookLock.h"

class TDM_Conn;
class TDM_Elenco;
class TDM_Reportage;
class TDM_Sessioni;
class TFrmAbout;
class TFrmCambiaElenco;
class TFrmStat;
class TDM_Statistiche;
class TFrmReportage;
class TFrmUscita;
class TFrmVisFoto;

// Every window and data module of the program, created once in the fixed start-up order.
// They are destroyed in the reverse order of the members below, which is not quite the
// reverse of their creation: the main window, made first, goes just before the sessions
// module, after every other window and module, because its controls are bound to that
// module's data sources. While one lives, its program-wide name (FrmUscita, DM_Conn,
// DM_Sessioni, ...) points at it; the name is cleared before it goes.
class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // One program per logbook: false, after saying so, when another program has the
    // logbook of the program directory open. Called before anything is created or opened.
    // A folder where the lock cannot be created is no other program: the logbook is then
    // opened for reading.
    bool claimLogbook();
    // The start-up order. An error inside a creation step goes to the general error box and
    // start-up goes on with the next step.
    void create();

private:
    // In the order opposite to their destruction.
    Registered<TDM_Conn> dmConn;
    Registered<TDM_Sessioni> dmSessioni;
    Registered<TFrmUscita> frmUscita;
    Registered<TDM_Elenco> dmElenco;
    Registered<TDM_Reportage> dmReportage;
    Registered<TFrmReportage> frmReportage;
    Registered<TFrmCambiaElenco> frmCambiaElenco;
    Registered<TFrmVisFoto> frmVisFoto;
    Registered<TFrmStat> frmStat;
    Registered<TDM_Statistiche> dmStatistiche;
    Registered<TFrmAbout> frmAbout;
    LogbookLock m_lock;
    bool m_folderReadOnly = false;
};
