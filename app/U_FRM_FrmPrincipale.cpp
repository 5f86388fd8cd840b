#include "app/U_FRM_FrmPrincipale.h"

#include "app/MenuPictures.h"
#include "app/U_FRM_FrmAbout.h"
#include "app/U_FRM_FrmStart.h"
#include "app/UiFonts.h"
#include "data/MessageSeam.h"
#include "data/U_DBUtils.h"
#include "engine/Query.h"
#include "sessions/AnglersPanel.h"
#include "sessions/SessionPanel.h"
#include "sessions/UDM_Reportage.h"
#include "sessions/UDM_Sessioni.h"
#include "widgets/DBNavigator.h"
#include "widgets/ErrorGuard.h"
#include "widgets/ModalSeam.h"
#include "widgets/ProgramExit.h"
#include "widgets/ToolButton.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>

TFrmUscita* FrmUscita = nullptr;

const QString TFrmUscita::kFormatWarning = QStringLiteral(
    "Correggere il formato in cui sono state inserite le date.\r\nIl formato corretto è: "
    "'gg/mm/aaaa'");

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

// A tool bar with borders on its left and right edges only.
QFrame* toolBar(QWidget* parent, const QRect& rect, const char* name) {
    auto* bar = new QFrame(parent);
    bar->setObjectName(QLatin1String(name));
    bar->setGeometry(rect);
    bar->setStyleSheet(QStringLiteral("QFrame#%1 { border-left: 1px solid palette(mid); "
                                      "border-right: 1px solid palette(mid); }")
                           .arg(QLatin1String(name)));
    return bar;
}

DBNavigator* navigator(QFrame* bar, int width, int height, const char* name) {
    auto* nav = new DBNavigator(bar);
    nav->setObjectName(QLatin1String(name));
    nav->setGeometry(1, (bar->height() - height) / 2, width, height);
    return nav;
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
    Menu1->addSeparator()->setObjectName(QStringLiteral("N1"));
    Esci1 = Menu1->addAction(MenuPictures::exit(), QStringLiteral("&Esci"));
    About1 = menuBar()->addMenu(QStringLiteral("&Info"));
    About1->setObjectName(QStringLiteral("About1"));
    About2 = About1->addAction(QStringLiteral("&About..."));
    Statistiche1->setObjectName(QStringLiteral("Statistiche1"));
    Stampamodulo1->setObjectName(QStringLiteral("Stampamodulo1"));
    Esci1->setObjectName(QStringLiteral("Esci1"));
    About2->setObjectName(QStringLiteral("About2"));
    connect(Statistiche1, &QAction::triggered, this,
            [this] { Guarded([this] { Statistiche1Click(); }); });
    connect(Stampamodulo1, &QAction::triggered, this,
            [this] { Guarded([this] { Stampamodulo1Click(); }); });
    connect(Esci1, &QAction::triggered, this, [this] { Guarded([this] { Esci1Click(); }); });
    connect(About2, &QAction::triggered, this, [this] { Guarded([this] { About2Click(); }); });
}

void TFrmUscita::buildFrame(QWidget* client) {
    GroupBox1 = group(client, QStringLiteral("SESSIONE     "), QRect(0, 0, 776, 231), kNavy, 12,
                      "GroupBox1");
    GroupBox4 = group(GroupBox1, QStringLiteral("Carpisti"), QRect(335, 139, 316, 82), kNavy, 11,
                      "GroupBox4");
    GroupBox2 = group(client, QStringLiteral("PASTURAZIONE"), QRect(0, 235, 295, 289), kMaroon, 11,
                      "GroupBox2");
    GroupBox3 =
        group(client, QStringLiteral("PREDE"), QRect(300, 235, 476, 289), kPurple, 11, "GroupBox3");
    // The tool bars lie over the groups, so they are children of the window itself.
    TB_Sessione = toolBar(client, QRect(40, 195, 271, 37), "TB_Sessione");
    TB_Pastura = toolBar(client, QRect(35, 495, 236, 31), "TB_Pastura");
    TB_Prede = toolBar(client, QRect(480, 497, 236, 31), "TB_Prede");
    DBN_Sessioni = navigator(TB_Sessione, 124, 34, "DBN_Sessioni");
    DBN_Pastura = navigator(TB_Pastura, 96, 28, "DBN_Pastura");
    DBN_Prede = navigator(TB_Prede, 96, 28, "DBN_Prede");

    SessionPanel = new TSessionPanel(GroupBox1, TB_Sessione, DBN_Sessioni, GroupBox4, *this);
    AnglersPanel = new TAnglersPanel(GroupBox4);

    StatusBar1 = new QStatusBar(client);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, 525, 778, 19);
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
        DBN_Pastura->setDataSource(&DM_Sessioni->DS_QSESSPastura);
        DBN_Prede->setDataSource(&DM_Sessioni->DS_QSESSPrede);
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
    static const QString trailing(11, QLatin1Char(' '));
    const int n = DM_Sessioni->SessionCount();
    if (n <= 0) {
        GroupBox1->setTitle(QStringLiteral("SESSIONI (0 di 0)") + trailing);
        GroupBox2->hide();
        GroupBox3->hide();
        GroupBox4->hide();
        // A first session still being entered (after New, or after a save that failed on a
        // conversion) keeps its fields open so it can be corrected.
        SessionPanel->SetSessionEditable(DM_Sessioni->ADOQ_Sessioni.state() ==
                                         DataSetState::Insert);
    } else {
        GroupBox1->setTitle(
            QStringLiteral("SESSIONI (%1 di %2)").arg(DM_Sessioni->SessionRecNo()).arg(n) +
            trailing);
    }
    DM_Sessioni->RefreshAnglers();
    if (!(m_keepPendingDetails && DM_Sessioni->ADOQ_SESSPastura.isEditing()))
        DM_Sessioni->RefreshGroundbait();
    // The groundbait grid and fields are set up here once the groundbait panel exists.
    if (!(m_keepPendingDetails && DM_Sessioni->ADOQ_SESSPrede.isEditing()))
        DM_Sessioni->RefreshCatches();
    // The catch fields and grid are set up here once the catch panel exists.
    DM_Reportage->RefreshReportage();
    SessionPanel->SBReportage_sessione->setText(
        QStringLiteral("Reportage (%1)").arg(DM_Reportage->ReportageCount()));
    SessionPanel->updateReportageButton();
}

void TFrmUscita::HandleOperationResult(int result) {
    struct KeepPending {
        bool& flag;
        ~KeepPending() { flag = false; }
    } keep{m_keepPendingDetails};
    if (result == orConvertError) {
        showWarning(kFormatWarning);
        m_keepPendingDetails = true;
    }
    RefreshMainWindow();
}

void TFrmUscita::setDetailRegionsVisible(bool visible) {
    GroupBox2->setVisible(visible);
    GroupBox3->setVisible(visible);
    GroupBox4->setVisible(visible);
    TB_Pastura->setVisible(visible);
}

void TFrmUscita::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFrmUscita::FormShow() {
    Guarded([this] { CaptureDataSetNames(); });
    Guarded([this] { RefreshMainWindow(); });
    // The splash's last tick is still running: let it return before the splash goes.
    if (m_splash) {
        FrmStart = nullptr;
        QMetaObject::invokeMethod(
            this, [this] { m_splash.reset(); }, Qt::QueuedConnection);
    }
}

void TFrmUscita::closeEvent(QCloseEvent* event) {
    event->accept();
    TerminateProgram();
}

void TFrmUscita::Statistiche1Click() {
    // The statistics window joins here when it exists.
}

void TFrmUscita::Stampamodulo1Click() {
    // The blank session form joins here when it exists.
}

void TFrmUscita::Esci1Click() {
    TerminateProgram();
}

void TFrmUscita::About2Click() {
    if (FrmAbout)
        ShowModal(*FrmAbout);
}
