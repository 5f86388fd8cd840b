#include "app/Startup.h"

#include "app/U_FRM_FrmAbout.h"
#include "app/U_FRM_FrmPrincipale.h"
#include "app/UpgradeProgress.h"
#include "data/MessageSeam.h"
#include "data/UDM_Connessione.h"
#include "data/U_QFile.h"
#include "details/U_FRM_FrmVisFoto.h"
#include "lists/UDM_Elenco.h"
#include "lists/U_FRM_FrmCambiaElenco.h"
#include "sessions/UDM_Reportage.h"
#include "sessions/UDM_Sessioni.h"
#include "sessions/U_FRM_FrmReportage.h"
#include "stats/UDM_Statistiche.h"
#include "stats/U_FRM_FrmStat.h"
#include "widgets/ErrorGuard.h"

#include <QApplication>

Program::Program() = default;

bool Program::claimLogbook() {
    switch (m_lock.claim(ProgramDir() + QStringLiteral("DATA2.MDB"))) {
    case LogbookLock::Claim::Taken:
        return true;
    case LogbookLock::Claim::CannotCreate:
        m_folderReadOnly = true; // nobody else can write there either
        return true;
    case LogbookLock::Claim::HeldByAnother:
        break;
    }
    showError(LogbookLock::kAlreadyOpen);
    return false;
}

void Program::create() {
    // 1. The application title is set by the program entry before this runs.
    // 2. The main window, hidden; its creation brings up the splash with its fade running.
    frmUscita = std::make_unique<TFrmUscita>();
    FrmUscita = frmUscita.get();
    // 3. The connection.
    dmConn = std::make_unique<TDM_Conn>();
    DM_Conn = dmConn.get();
    dmConn->FolderReadOnly = m_folderReadOnly;
    Guarded([this] { dmConn->DataModuleCreate(); });
    //    An older logbook is brought up to the program's format before any module reads it.
    Guarded([this] {
        UpgradeProgress progress;
        dmConn->UpgradeLogbook([&progress] { progress.tick(); });
    });
    // 4. The sessions module: its sixteen queries, loaded and opened. The main window's
    //    controls are bound to its data sources as soon as it exists.
    dmSessioni = std::make_unique<TDM_Sessioni>(&dmConn->ADOConnection1);
    DM_Sessioni = dmSessioni.get();
    Guarded([this] { dmSessioni->DataModuleCreate(); });
    Guarded([this] { frmUscita->BindDataSources(); });
    // 5. The lists module: its nine list queries.
    dmElenco = std::make_unique<TDM_Elenco>(&dmConn->ADOConnection1);
    DM_Elenco = dmElenco.get();
    Guarded([this] { dmElenco->DataModuleCreate(); });
    // 6. The reportage module: nothing happens at its creation.
    dmReportage = std::make_unique<TDM_Reportage>(&dmConn->ADOConnection1);
    DM_Reportage = dmReportage.get();
    // 7. The hidden windows, in this order: reportage, list editor, photo viewer, statistics.
    Guarded([this] {
        frmReportage = std::make_unique<TFrmReportage>();
        FrmReportage = frmReportage.get();
    });
    Guarded([this] {
        frmCambiaElenco = std::make_unique<TFrmCambiaElenco>();
        FrmCambiaElenco = frmCambiaElenco.get();
    });
    Guarded([this] {
        frmVisFoto = std::make_unique<TFrmVisFoto>();
        FrmVisFoto = frmVisFoto.get();
    });
    Guarded([this] {
        frmStat = std::make_unique<TFrmStat>();
        FrmStat = frmStat.get();
    });
    // 8. The statistics module, the last data module.
    dmStatistiche = std::make_unique<TDM_Statistiche>(&dmConn->ADOConnection1);
    DM_Statistiche = dmStatistiche.get();
    Guarded([this] { dmStatistiche->DataModuleCreate(); });
    // 9. The About box, hidden.
    Guarded([this] {
        frmAbout = std::make_unique<TFrmAbout>();
        FrmAbout = frmAbout.get();
    });
    // 10. The event loop is the caller's: the splash fades in, holds, fades out and shows
    //     the main window.
    frmUscita->StartSplashFade();
}

Program::~Program() {
    FrmAbout = nullptr;
    frmAbout.reset();
    DM_Statistiche = nullptr;
    dmStatistiche.reset();
    FrmStat = nullptr;
    frmStat.reset();
    FrmVisFoto = nullptr;
    frmVisFoto.reset();
    FrmCambiaElenco = nullptr;
    frmCambiaElenco.reset();
    FrmReportage = nullptr;
    frmReportage.reset();
    DM_Reportage = nullptr;
    dmReportage.reset();
    DM_Elenco = nullptr;
    dmElenco.reset();
    DM_Sessioni = nullptr;
    // The window's controls let go of the modules' data sources before the modules go.
    frmUscita.reset();
    FrmUscita = nullptr;
    dmSessioni.reset();
    DM_Conn = nullptr;
    dmConn.reset();
}
