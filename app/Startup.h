#pragma once

#include "data/LogbookLock.h"

#include <memory>

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

// Every window and data module of the program, created once in the fixed start-up order and
// destroyed in the reverse order. While it lives, the program-wide names (FrmUscita,
// DM_Conn, DM_Sessioni, ...) point into it.
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

    std::unique_ptr<TFrmUscita> frmUscita;
    std::unique_ptr<TDM_Conn> dmConn;
    std::unique_ptr<TDM_Sessioni> dmSessioni;
    std::unique_ptr<TDM_Elenco> dmElenco;
    std::unique_ptr<TDM_Reportage> dmReportage;
    std::unique_ptr<TFrmReportage> frmReportage;
    std::unique_ptr<TFrmCambiaElenco> frmCambiaElenco;
    std::unique_ptr<TFrmVisFoto> frmVisFoto;
    std::unique_ptr<TFrmStat> frmStat;
    std::unique_ptr<TDM_Statistiche> dmStatistiche;
    std::unique_ptr<TFrmAbout> frmAbout;

private:
    LogbookLock m_lock;
    bool m_folderReadOnly = false;
};
