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

Program::Program()
    : dmConn(DM_Conn), dmSessioni(DM_Sessioni), frmUscita(FrmUscita), dmElenco(DM_Elenco),
      dmReportage(DM_Reportage), frmReportage(FrmReportage), frmCambiaElenco(FrmCambiaElenco),
      frmVisFoto(FrmVisFoto), frmStat(FrmStat), dmStatistiche(DM_Statistiche), frmAbout(FrmAbout) {}

Program::~Program() = default;

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
    frmUscita.create();
    // 3. The connection.
    dmConn.create();
    dmConn->FolderReadOnly = m_folderReadOnly;
    Guarded([this] { dmConn->DataModuleCreate(); });
    //    An older logbook is brought up to the program's format before any module reads it.
    Guarded([this] {
        UpgradeProgress progress;
        dmConn->UpgradeLogbook([&progress] { progress.tick(); });
    });
    // 4. The sessions module: its sixteen queries, loaded and opened. The main window's
    //    controls are bound to its data sources as soon as it exists.
    dmSessioni.create(&dmConn->ADOConnection1);
    Guarded([this] { dmSessioni->DataModuleCreate(); });
    Guarded([this] { frmUscita->BindDataSources(); });
    // 5. The lists module: its nine list queries.
    dmElenco.create(&dmConn->ADOConnection1);
    Guarded([this] { dmElenco->DataModuleCreate(); });
    // 6. The reportage module: nothing happens at its creation.
    dmReportage.create(&dmConn->ADOConnection1);
    // 7. The hidden windows, in this order: reportage, list editor, photo viewer, statistics.
    Guarded([this] { frmReportage.create(); });
    Guarded([this] { frmCambiaElenco.create(); });
    Guarded([this] { frmVisFoto.create(); });
    Guarded([this] { frmStat.create(); });
    // 8. The statistics module, the last data module.
    dmStatistiche.create(&dmConn->ADOConnection1);
    Guarded([this] { dmStatistiche->DataModuleCreate(); });
    // 9. The About box, hidden.
    Guarded([this] { frmAbout.create(); });
    // 10. The event loop is the caller's: the splash fades in, holds, fades out and shows
    //     the main window.
    frmUscita->StartSplashFade();
}
