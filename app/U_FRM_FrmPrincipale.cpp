#include "app/U_FRM_FrmPrincipale.h"

#include "app/MenuPictures.h"
#include "app/U_FRM_FrmAbout.h"
#include "app/U_FRM_FrmStart.h"
#include "data/MessageSeam.h"
#include "data/UDM_Connessione.h"
#include "data/UDM_Esporta.h"
#include "data/U_DBUtils.h"
#include "details/CatchPanel.h"
#include "details/GroundbaitPanel.h"
#include "engine/Query.h"
#include "lists/UDM_Elenco.h"
#include "photos/UDM_Foto.h"
#include "photos/U_FRM_FrmImportaFoto.h"
#include "photos/U_FRM_FrmTrovaFoto.h"
#include "print/BlankSessionForm.h"
#include "print/PdfSave.h"
#include "sessions/AnglersPanel.h"
#include "sessions/SessionPanel.h"
#include "sessions/UDM_Reportage.h"
#include "sessions/UDM_Sessioni.h"
#include "stats/U_FRM_FrmStat.h"
#include "sunmoon/UDM_Posizioni.h"
#include "sunmoon/UDM_SoleLuna.h"
#include "sunmoon/U_FRM_FrmPosizioni.h"
#include "sunmoon/U_FRM_FrmSoleLuna.h"
#include "widgets/DBNavigator.h"
#include "widgets/ErrorGuard.h"
#include "widgets/FileDialogSeam.h"
#include "widgets/ModalSeam.h"
#include "widgets/PrinterSeam.h"
#include "widgets/ProgramExit.h"
#include "widgets/RecordToolBar.h"
#include "widgets/ToolButton.h"
#include "widgets/UiFonts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QProgressDialog>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>

TFrmUscita* FrmUscita = nullptr;

namespace {

const QColor kNavy(0x00, 0x00, 0x80);
const QColor kMaroon(0x80, 0x00, 0x00);
const QColor kPurple(0x80, 0x00, 0x80);

QGroupBox* group(QWidget* parent, const QString& caption, const QRect& rect, const QColor& colour,
                 int titlePixels, const char* name) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(rect);
    box->setFont(UiFonts::sansSerifPixels(titlePixels, true));
    QPalette p = box->palette();
    p.setColor(QPalette::WindowText, colour);
    box->setPalette(p);
    return box;
}

// Saves a pending row; false after the message its own Save would show when it cannot be.
bool SaveOrSayWhy(Query& rows) {
    int r = orOk;
    try {
        r = RecordOperation(opSave, rows);
    } catch (...) {
        ShowGeneralError(MessageOf(std::current_exception()));
        return false;
    }
    if (r == orConvertError) {
        showWarning(MainWindowHost::kFormatWarning);
        return false;
    }
    return true;
}

// The three record tool bars lie over the groups, so they are children of the window.
RecordToolBarLayout sessionToolBar() {
    return {.name = "TB_Sessione",
            .rect = {40, 195, 271, 37},
            .navigatorName = "DBN_Sessioni",
            .navigatorWidth = 124,
            .buttonHeight = 34,
            .pictureSize = 30,
            .buttons = RecordButtons(QStringLiteral("Sessione"), {35, 35, 34, 35},
                                     QStringLiteral("Nuova sessione"),
                                     QStringLiteral("Elimina questa sessione"))};
}

// The groundbait and catch bars: a 104-pixel navigator and four buttons of 30, 24 high.
RecordToolBarLayout detailToolBar(const char* name, const QRect& rect, const char* navigator,
                                  const QString& suffix, const QString& newHint,
                                  const QString& deleteHint) {
    return {.name = name,
            .rect = rect,
            .navigatorName = navigator,
            .navigatorWidth = 104,
            .pictureSize = 20,
            .buttons = RecordButtons(suffix, {30, 30, 30, 30}, newHint, deleteHint)};
}

} // namespace

TFrmUscita::TFrmUscita() : QMainWindow(nullptr) {
    setObjectName(QStringLiteral("FrmUscita"));
    setWindowTitle(QStringLiteral("LUNKERLEDGER - Ver. 1.0"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(UiFonts::sansSerifPixels(11));
    buildMenu();
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(778, 544);
    setCentralWidget(client);
    buildFrame(client);
    // Fixed: the client area below the menu is 778 x 544 and the window cannot be resized.
    setFixedSize(778, 544 + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormCreate();
}

TFrmUscita::~TFrmUscita() {
    if (FrmStart == m_splash.get())
        FrmStart = nullptr;
}

void TFrmUscita::buildMenu() {
    Menu1 = menuBar()->addMenu(QStringLiteral("&Menu"));
    Menu1->setObjectName(QStringLiteral("Menu1"));
    Statistiche1 = Menu1->addAction(MenuPictures::statistics(), QStringLiteral("&Statistiche"));
    Stampamodulo1 = Menu1->addAction(MenuPictures::printForm(), QStringLiteral("S&tampa modulo"));
    SalvaModuloPdf1 = Menu1->addAction(QStringLiteral("Salva modulo come &PDF..."));
    SalvaModuloPdf1->setObjectName(QStringLiteral("SalvaModuloPdf1"));
    EsportaCsv1 = Menu1->addAction(QStringLiteral("Esporta in &CSV..."));
    EsportaCsv1->setObjectName(QStringLiteral("EsportaCsv1"));
    TrovaFoto1 = Menu1->addAction(QStringLiteral("Trova &foto spostate..."));
    TrovaFoto1->setObjectName(QStringLiteral("TrovaFoto1"));
    PosizioneLaghi1 = Menu1->addAction(QStringLiteral("Posizione dei &laghi..."));
    PosizioneLaghi1->setObjectName(QStringLiteral("PosizioneLaghi1"));
    SoleLuna1 = Menu1->addAction(QStringLiteral("Sole e l&una..."));
    SoleLuna1->setObjectName(QStringLiteral("SoleLuna1"));
    ImportaFoto1 = Menu1->addAction(QStringLiteral("&Importa foto della sessione..."));
    ImportaFoto1->setObjectName(QStringLiteral("ImportaFoto1"));
    // Its state follows the current session; checked again whenever the menu opens.
    connect(Menu1, &QMenu::aboutToShow, this, &TFrmUscita::UpdateSessionFeatures);
    Menu1->setToolTipsVisible(true); // the hint of an item that is off
    Menu1->addSeparator()->setObjectName(QStringLiteral("N1"));
    Esci1 = Menu1->addAction(MenuPictures::exit(), QStringLiteral("&Esci"));
    About1 = menuBar()->addMenu(QStringLiteral("&Info"));
    About1->setObjectName(QStringLiteral("About1"));
    About2 = About1->addAction(QStringLiteral("&About..."));
    Statistiche1->setObjectName(QStringLiteral("Statistiche1"));
    Stampamodulo1->setObjectName(QStringLiteral("Stampamodulo1"));
    Esci1->setObjectName(QStringLiteral("Esci1"));
    About2->setObjectName(QStringLiteral("About2"));
    ConnectGuarded(Statistiche1, &QAction::triggered, this, &TFrmUscita::Statistiche1Click);
    ConnectGuarded(Stampamodulo1, &QAction::triggered, this, &TFrmUscita::Stampamodulo1Click);
    ConnectGuarded(SalvaModuloPdf1, &QAction::triggered, this, &TFrmUscita::SalvaModuloPdf1Click);
    ConnectGuarded(EsportaCsv1, &QAction::triggered, this, &TFrmUscita::EsportaCsv1Click);
    ConnectGuarded(TrovaFoto1, &QAction::triggered, this, &TFrmUscita::TrovaFoto1Click);
    ConnectGuarded(PosizioneLaghi1, &QAction::triggered, this, &TFrmUscita::PosizioneLaghi1Click);
    ConnectGuarded(SoleLuna1, &QAction::triggered, this, &TFrmUscita::SoleLuna1Click);
    ConnectGuarded(ImportaFoto1, &QAction::triggered, this, &TFrmUscita::ImportaFoto1Click);
    ConnectGuarded(Esci1, &QAction::triggered, this, &TFrmUscita::Esci1Click);
    ConnectGuarded(About2, &QAction::triggered, this, &TFrmUscita::About2Click);
}

void TFrmUscita::buildFrame(QWidget* client) {
    GroupBox1 = group(client, QStringLiteral("SESSIONE     "), QRect(0, 0, 776, 231), kNavy, 12,
                      "GroupBox1");
    GroupBox4 = group(GroupBox1, QStringLiteral("Carpisti"), QRect(335, 139, 316, 82), kNavy, 11,
                      "GroupBox4");
    GroupBox2 = group(client, QStringLiteral("PASTURAZIONE"), QRect(0, 235, 295, 289), kMaroon, 12,
                      "GroupBox2");
    GroupBox3 =
        group(client, QStringLiteral("PREDE"), QRect(300, 235, 476, 289), kPurple, 12, "GroupBox3");
    TB_Sessione = new RecordToolBar(client, sessionToolBar());
    TB_Pastura = new RecordToolBar(
        client, detailToolBar("TB_Pastura", {35, 495, 236, 31}, "DBN_Pastura",
                              QStringLiteral("Pastura"), QStringLiteral("Nuova pasturazione"),
                              QStringLiteral("Elimina questa pasturazione")));
    TB_Prede = new RecordToolBar(client, detailToolBar("TB_Prede", {480, 497, 236, 31}, "DBN_Prede",
                                                       QStringLiteral("Prede"),
                                                       QStringLiteral("Nuova preda"),
                                                       QStringLiteral("Elimina questa preda")));
    DBN_Sessioni = TB_Sessione->navigator();
    // A groundbait day or catch being entered is saved before the session changes.
    DBN_Sessioni->setBeforeMove([this] { return SavePendingDetails(); });
    DBN_Pastura = TB_Pastura->navigator();
    DBN_Prede = TB_Prede->navigator();

    SessionPanel = new TSessionPanel(GroupBox1, TB_Sessione, GroupBox4);
    SessionPanel->setDetailRegions({GroupBox2, GroupBox3, GroupBox4}, TB_Pastura);
    AnglersPanel = new TAnglersPanel(GroupBox4);
    GroundbaitPanel = new TGroundbaitPanel(GroupBox2, TB_Pastura);
    CatchPanel = new TCatchPanel(GroupBox3, TB_Prede);
    for (ModulePanel* panel :
         std::initializer_list<ModulePanel*>{SessionPanel, GroundbaitPanel, CatchPanel})
        connectPanel(panel);
    // Each bar's keys act on the panel holding the focus; the anglers belong to the session.
    TB_Sessione->setKeys(GroupBox1);
    TB_Pastura->setKeys(GroupBox2);
    TB_Prede->setKeys(GroupBox3);

    StatusBar1 = new QStatusBar(client);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, 525, 778, 19);
}

void TFrmUscita::connectPanel(ModulePanel* panel) {
    panel->setSavePending([this](const Query* except) { return SavePendingDetails(except); });
    // Reported as the panel's handler's last step, inside its error guard.
    connect(panel, &ModulePanel::operationDone, this, [this, panel](int operation, int result) {
        HandleOperationResult(result);
        // New puts the focus on the new row itself.
        if (operation != opNew)
            ReturnFocus(panel->focusBefore());
    });
    connect(panel, &ModulePanel::moved, this, &TFrmUscita::RefreshMainWindow);
}

void TFrmUscita::ReturnFocus(QWidget* before) {
    // Turning the fields off while an operation runs moves the focus along the tab chain,
    // into a control of another record where an arrow key would change it. It goes back
    // where the user was; when that control is gone or off, to the window itself, where no
    // key edits anything.
    if (before && before->window() == this && before->isVisible() && before->isEnabled())
        before->setFocus(Qt::OtherFocusReason);
    else
        centralWidget()->setFocus(Qt::OtherFocusReason);
}

void TFrmUscita::FormCreate() {
    m_splash = std::make_unique<TFrmStart>(this);
    FrmStart = m_splash.get();
    m_splash->show();
}

void TFrmUscita::StartSplashFade() {
    if (m_splash)
        m_splash->Timer1.start();
}

void TFrmUscita::BindDataSources() {
    if (DM_Sessioni) {
        SessionPanel->bind(*DM_Sessioni);
        AnglersPanel->bind(*DM_Sessioni);
        GroundbaitPanel->bind(*DM_Sessioni);
        CatchPanel->bind(*DM_Sessioni);
    }
}

void TFrmUscita::CaptureDataSetNames() {
    auto nameBehind = [](const DBNavigator* nav) {
        const DataSource* source = nav->dataSource();
        return (source && source->dataSet()) ? source->dataSet()->componentName() : QString();
    };
    SessionDataSetName = nameBehind(DBN_Sessioni);
    GroundbaitDataSetName = nameBehind(DBN_Pastura);
    CatchDataSetName = nameBehind(DBN_Prede);
}

void TFrmUscita::RefreshMainWindow() {
    // 1-3. The session counter, and the empty look when there is no session.
    SessionPanel->reloaded();
    // 4. The anglers of the current session.
    DM_Sessioni->RefreshAnglers();
    AnglersPanel->reloaded();
    // 5-7. The groundbait days. A day left pending by a save that failed on a conversion, or
    //      by a refused operation, keeps what was typed and its fields open.
    Query& days = DM_Sessioni->ADOQ_SESSPastura;
    const bool keepDay = m_keepPendingDetails && days.isEditing();
    const int g = keepDay ? days.bufferedRowCount() : DM_Sessioni->RefreshGroundbait();
    GroundbaitPanel->reloaded();
    GroundbaitPanel->setEditable(g != 0);
    // 8-10. The catches, likewise.
    Query& catches = DM_Sessioni->ADOQ_SESSPrede;
    const bool keepCatch = m_keepPendingDetails && catches.isEditing();
    const int c = keepCatch ? catches.bufferedRowCount() : DM_Sessioni->RefreshCatches();
    CatchPanel->setEditable(c != 0);
    CatchPanel->reloaded();
    // 11-12. The reportage entries and their count on the reportage button.
    DM_Reportage->RefreshReportage();
    SessionPanel->showReportageCount(DM_Reportage->ReportageCount());
    UpdateSessionFeatures();
}

bool TFrmUscita::SavePendingDetails(const Query* except) {
    const std::pair<Query*, RecordPanel*> details[] = {
        {&DM_Sessioni->ADOQ_SESSPastura, GroundbaitPanel},
        {&DM_Sessioni->ADOQ_SESSPrede, CatchPanel},
    };
    for (const auto& [query, panel] : details) {
        if (query == except || !query->isOpen() || !query->isEditing())
            continue;
        if (!SaveOrSayWhy(*query))
            return false;
        panel->setNavigation(true); // the row was saved as its own Save would have
    }
    return true;
}

void TFrmUscita::HandleOperationResult(int result) {
    if (result == orConvertError)
        showWarning(kFormatWarning);
    // What was typed in a detail row stays when its save could not convert it, and when an
    // operation was refused because a row is being edited.
    const QScopedValueRollback keep(m_keepPendingDetails,
                                    result == orConvertError || result == orBusy);
    RefreshMainWindow();
}

void TFrmUscita::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFrmUscita::FormShow() {
    UpdateFormatFeatures();
    Guarded([this] { CaptureDataSetNames(); });
    Guarded([this] { RefreshMainWindow(); });
    // The day's copy of the logbook, now that the angler has the window: on its own thread.
    if (DM_Conn)
        DM_Conn->StartDailyBackup();
    // The splash's last tick is still running: let it return before the splash goes.
    if (m_splash) {
        FrmStart = nullptr;
        QMetaObject::invokeMethod(
            this, [this] { m_splash.reset(); }, Qt::QueuedConnection);
    }
}

const QString TFrmUscita::kUnsavedOnExit =
    QStringLiteral("Ci sono modifiche non salvate. Salvarle prima di uscire?");

bool TFrmUscita::ConfirmExit() {
    std::vector<Query*> candidates{&DM_Sessioni->ADOQ_Sessioni, &DM_Sessioni->ADOQ_SESSPastura,
                                   &DM_Sessioni->ADOQ_SESSPrede};
    if (DM_Elenco)
        for (Component* c : DM_Elenco->components())
            if (auto* list = dynamic_cast<Query*>(c))
                candidates.push_back(list);
    std::vector<Query*> pending;
    for (Query* q : candidates)
        if (q->isOpen() && q->isEditing())
            pending.push_back(q);
    if (pending.empty())
        return true;
    switch (askYesNoCancel(kUnsavedOnExit)) {
    case MessageAnswer::Yes:
        for (Query* q : pending)
            if (!SaveOrSayWhy(*q))
                return false;
        return true;
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

void TFrmUscita::closeEvent(QCloseEvent* event) {
    bool leave = true;
    Guarded([&] { leave = ConfirmExit(); });
    if (!leave) {
        event->ignore();
        return;
    }
    event->accept();
    TerminateProgram();
}

void TFrmUscita::ShowFromMenu(QDialog& window) {
    const QPointer<QWidget> before = QApplication::focusWidget();
    ShowModal(window);
    ReturnFocus(before);
}

void TFrmUscita::Statistiche1Click() {
    if (FrmStat)
        ShowFromMenu(*FrmStat);
}

void TFrmUscita::Stampamodulo1Click() {
    if (!CheckPrinter(QStringLiteral("Il modulo si può salvare con \"Salva modulo come PDF...\".")))
        return;
    Report::Preview(ppReport1(), DefaultPrinter());
}

void TFrmUscita::SalvaModuloPdf1Click() {
    SavePdf(this, QStringLiteral("Salva modulo come PDF"),
            [](QPaintDevice& device) { PaintBlankSessionForm(device); });
}

const QString TFrmUscita::kReplaceCsv = QStringLiteral(
    "Nella cartella scelta ci sono già i file dell'esportazione (uscite.csv, prede.csv, "
    "pasturazioni.csv): sostituirli?");

const QString TFrmUscita::kCsvCancelled =
    QStringLiteral("Esportazione annullata: i file nella cartella scelta sono rimasti com'erano.");

void TFrmUscita::EsportaCsv1Click() {
    const QString folder = AskFolder(this, QStringLiteral("Cartella dell'esportazione"));
    if (folder.isEmpty())
        return;
    const QDir dir(folder);
    bool existing = false;
    for (const QString& name : TDM_Esporta::kFiles)
        existing = existing || dir.exists(name);
    if (existing && !askConfirmation(kReplaceCsv))
        return;
    QProgressDialog progress(QStringLiteral("Esportazione in corso..."), QStringLiteral("Annulla"),
                             0, 100, this);
    progress.setWindowTitle(QStringLiteral("Esporta in CSV"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    TDM_Esporta exporter(&DM_Conn->ADOConnection1);
    const TDM_Esporta::Result result = exporter.ExportTo(folder, [&progress](int done, int total) {
        progress.setValue(total > 0 ? done * 100 / total : 100);
        return !progress.wasCanceled();
    });
    progress.reset();
    showInformation(result.complete ? TDM_Esporta::summary(folder, result) : kCsvCancelled);
}

void TFrmUscita::TrovaFoto1Click() {
    TDM_Foto photos(&DM_Conn->ADOConnection1);
    TFrmTrovaFoto window(photos, this);
    window.Prepare();
    ShowModal(window);
    RefreshMainWindow(); // the previews follow the new paths
}

const QString TFrmUscita::kNeedsFormat = QStringLiteral(
    "Non disponibile: l'archivio è aperto in sola lettura o non è stato aggiornato alla "
    "versione di questo programma (vedere il messaggio all'avvio).");

void TFrmUscita::UpdateFormatFeatures() {
    const bool positions = DM_Conn && DM_Conn->HasFormat(TDM_Posizioni::kFormat);
    for (QAction* item : {PosizioneLaghi1, SoleLuna1}) {
        item->setEnabled(positions);
        item->setToolTip(positions ? QString() : kNeedsFormat);
    }
}

void TFrmUscita::PosizioneLaghi1Click() {
    TDM_Posizioni positions(&DM_Conn->ADOConnection1);
    TFrmPosizioni window(positions, this);
    window.Prepare();
    ShowModal(window);
}

void TFrmUscita::SoleLuna1Click() {
    TDM_SoleLuna module(&DM_Conn->ADOConnection1);
    TFrmSoleLuna window(module, this);
    window.Prepare(DM_Sessioni ? DM_Sessioni->CurrentSessionId() : 0);
    ShowModal(window);
}

void TFrmUscita::UpdateSessionFeatures() {
    ImportaFoto1->setEnabled(SessionPanel->savedSessionCurrent());
}

void TFrmUscita::ImportaFoto1Click() {
    // What is being typed in a catch is saved first: the catches are read again after.
    if (!DM_Sessioni || !SessionPanel->savedSessionCurrent() || !SavePendingDetails())
        return;
    TDM_ImportaFoto module(&DM_Conn->ADOConnection1);
    TFrmImportaFoto window(module, this);
    if (!window.Prepare(DM_Sessioni->CurrentSessionId()))
        return;
    ShowModal(window);
    RefreshMainWindow(); // the catches' previews and the reportage count
}

void TFrmUscita::Esci1Click() {
    if (ConfirmExit())
        TerminateProgram();
}

void TFrmUscita::About2Click() {
    if (FrmAbout)
        ShowFromMenu(*FrmAbout);
}
