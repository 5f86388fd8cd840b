#include "sessions/SessionPanel.h"

#include "data/MessageSeam.h"
#include "data/U_DBUtils.h"
#include "engine/Query.h"
#include "lists/U_FRM_FrmCambiaElenco.h"
#include "sessions/MainWindowHost.h"
#include "sessions/SessionSeason.h"
#include "sessions/UDM_Sessioni.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBMemo.h"
#include "widgets/DBNavigator.h"
#include "widgets/ErrorGuard.h"
#include "widgets/ToolButton.h"

#include <QGroupBox>
#include <QLabel>

const QString TSessionPanel::kSeasonWarning = QStringLiteral(
    "Si sono verificati degli errori durante la verifica della data \r\n: le statistiche "
    "potrebbero non funzionare correttamente per quanto riguarda le interrogazioni sulla "
    "\r\nSTAGIONE");

namespace {

QFont dataFont() {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(12);
    f.setBold(false); // stated, or it would follow the group's bold caption font
    return f;
}

QLabel* label(QWidget* parent, const QString& text, int left, int top) {
    auto* l = new QLabel(text, parent);
    l->move(left, top);
    l->adjustSize();
    return l;
}

template <class Control> Control* control(QWidget* parent, const char* name, const QRect& rect) {
    auto* c = new Control(parent);
    c->setObjectName(QLatin1String(name));
    c->setGeometry(rect);
    c->setFont(dataFont());
    QPalette p = c->palette();
    p.setColor(QPalette::Active, QPalette::Text, Qt::black);
    p.setColor(QPalette::Inactive, QPalette::Text, Qt::black);
    c->setPalette(p);
    return c;
}

ToolButton* button(QWidget* parent, const char* name, const QRect& rect, ButtonPictures::Kind kind,
                   const QString& hint) {
    auto* b = new ToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(rect);
    b->setPicture(kind, qMin(rect.width(), rect.height()) - 4);
    b->setHint(hint);
    return b;
}

void reopen(Query& query) {
    query.close();
    query.open();
}

} // namespace

TSessionPanel::TSessionPanel(QGroupBox* groupBox1, QFrame* toolBar, DBNavigator* navigator,
                             QGroupBox* anglersGroup, MainWindowHost& host)
    : QObject(groupBox1), DBN_Sessioni(navigator), m_group(groupBox1), m_anglers(anglersGroup),
      m_host(host) {
    QWidget* g = groupBox1;
    using K = ButtonPictures::Kind;
    // In tab order, each with the label beside it.
    label(g, QStringLiteral("Durata:"), 8, 21);
    DS_tipouscita = control<DBLookupComboBox>(g, "DS_tipouscita", {72, 18, 153, 21});
    DS_tipouscita->setDropDownRows(12);
    label(g, QStringLiteral("Data: Da"), 8, 48);
    DataDa = control<DBEdit>(g, "DataDa", {72, 45, 65, 21});
    DataDa->setMaxLength(10);
    label(g, QStringLiteral("A"), 146, 48);
    DataA = control<DBEdit>(g, "DataA", {160, 45, 65, 21});
    DataA->setMaxLength(10);
    label(g, QStringLiteral("Lago:"), 8, 76);
    Nm_lago = control<DBLookupComboBox>(g, "Nm_lago", {72, 73, 153, 21});
    Nm_lago->setDropDownRows(12);
    label(g, QStringLiteral("Temperatura esterna:"), 8, 105);
    Nm_temp = control<DBEdit>(g, "Nm_temp", {184, 102, 41, 21});
    Nm_temp->setMaxLength(4);
    label(g, QStringLiteral("°C"), 229, 105);
    label(g, QStringLiteral("Temperatura acqua:"), 8, 133);
    Nm_TempAcqua = control<DBEdit>(g, "Nm_TempAcqua", {184, 130, 41, 21});
    Nm_TempAcqua->setMaxLength(4);
    label(g, QStringLiteral("°C"), 229, 133);
    label(g, QStringLiteral("Profondità di rilevamento:"), 8, 163);
    Nm_ProfRilev = control<DBEdit>(g, "Nm_ProfRilev", {193, 160, 32, 21});
    Nm_ProfRilev->setMaxLength(5);
    label(g, QStringLiteral("mt."), 229, 163);
    label(g, QStringLiteral("Fase lunare:"), 270, 23);
    DBLookupComboBox8 = control<DBLookupComboBox>(g, "DBLookupComboBox8", {360, 20, 145, 21});
    QLabel* noteLabel = label(g, QStringLiteral("Note:"), 0, 48);
    noteLabel->move(355 - noteLabel->width(), 48);
    Note = control<DBMemo>(g, "Note", {360, 45, 406, 86});
    Note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Nm_Stagione = control<DBEdit>(g, "Nm_Stagione", {230, 45, 26, 21});
    Nm_Stagione->setVisible(false);
    Nm_Stagione->setFocusPolicy(Qt::NoFocus);

    SpeedButton9 = button(g, "SpeedButton9", {226, 18, 20, 20}, K::EditList,
                          QStringLiteral("Modifica l'elenco dei laghi"));
    SpeedButton1 = button(g, "SpeedButton1", {226, 73, 20, 20}, K::EditList,
                          QStringLiteral("Modifica l'elenco dei laghi"));
    SBReportage_sessione = button(g, "SBReportage_sessione", {655, 192, 111, 26}, K::Reportage,
                                  QStringLiteral("Apre la schermata di immissione e scorrimento "
                                                 "del reportage fotografico dell'uscita"));
    SBReportage_sessione->setText(QStringLiteral("Reportage"));
    SBReportage_sessione->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SBReportage_sessione->setAutoRaise(false);

    // The tool bar: the navigator, then New, Cancel, Save and Delete.
    const int top = (toolBar->height() - 34) / 2;
    int left = DBN_Sessioni->geometry().right() + 1;
    auto record = [&](const char* name, int width, K kind, const QString& hint) {
        ToolButton* b = button(toolBar, name, {left, top, width, 34}, kind, hint);
        left += width;
        return b;
    };
    SBNew_Sessione = record("SBNew_Sessione", 35, K::New, QStringLiteral("Nuova sessione"));
    SBCancel_Sessione =
        record("SBCancel_Sessione", 35, K::Cancel, QStringLiteral("Elimina le modifiche"));
    SBSave_Sessione = record("SBSave_Sessione", 34, K::Save, QStringLiteral("Salva le modifiche"));
    SBDel_Sessione =
        record("SBDel_Sessione", 35, K::Delete, QStringLiteral("Elimina questa sessione"));

    auto on = [this](ToolButton* b, void (TSessionPanel::*handler)()) {
        connect(b, &QToolButton::clicked, this,
                [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    };
    on(SBNew_Sessione, &TSessionPanel::SBNew_SessioneClick);
    on(SBCancel_Sessione, &TSessionPanel::SBCancel_SessioneClick);
    on(SBSave_Sessione, &TSessionPanel::SBSave_SessioneClick);
    on(SBDel_Sessione, &TSessionPanel::SBDel_SessioneClick);
    on(SpeedButton1, &TSessionPanel::SpeedButton1Click);
    on(SpeedButton9, &TSessionPanel::SpeedButton9Click);
    connect(DBN_Sessioni, &DBNavigator::clicked, this,
            [this] { Guarded([this] { DBN_SessioniClick(); }); });
}

TSessionPanel::~TSessionPanel() {
    if (m_module)
        m_module->DS_QSessioni.removePendingEditor(this);
}

void TSessionPanel::bind(TDM_Sessioni& module) {
    m_module = &module;
    DataSource* sessions = &module.DS_QSessioni;
    DBN_Sessioni->setDataSource(sessions);
    for (DBEdit* e : {DataDa, DataA, Nm_temp, Nm_TempAcqua, Nm_ProfRilev, Nm_Stagione})
        e->setDataSource(sessions);
    DataDa->setDataField(QStringLiteral("DataDa"));
    DataA->setDataField(QStringLiteral("DataA"));
    Nm_temp->setDataField(QStringLiteral("Nm_temp"));
    Nm_TempAcqua->setDataField(QStringLiteral("Nm_TempAcqua"));
    Nm_ProfRilev->setDataField(QStringLiteral("Nm_ProfRilev"));
    Nm_Stagione->setDataField(QStringLiteral("Nm_Stagione"));
    Note->setDataSource(sessions);
    Note->setDataField(QStringLiteral("Note"));
    struct Lookup {
        DBLookupComboBox* box;
        const char* field;
        DataSource* list;
        const char* key;
        const char* shown;
    };
    const Lookup lookups[] = {
        {DS_tipouscita, "Nm_TipoUscita", &module.DS_TipoSessione, "Id_TipoSessione",
         "Ds_TipoSessione"},
        {Nm_lago, "Nm_lago", &module.DS_QLago, "Id_lago", "Ds_desc"},
        {DBLookupComboBox8, "Nm_luna", &module.Ds_luna, "Id_luna", "Ds_luna"},
    };
    for (const Lookup& l : lookups) {
        l.box->setDataSource(sessions);
        l.box->setDataField(QLatin1String(l.field));
        l.box->setListSource(l.list);
        l.box->setKeyField(QLatin1String(l.key));
        l.box->setListField(QLatin1String(l.shown));
    }
    sessions->addPendingEditor(this);
}

bool TSessionPanel::sessionBeingInserted() const {
    return m_module && m_module->ADOQ_Sessioni.state() == DataSetState::Insert;
}

void TSessionPanel::SBNew_SessioneClick() {
    SetSessionBrowsing(false);
    const int r = m_module->Operazione(opNew, m_host.sessionDataSetName());
    m_host.HandleOperationResult(r);
    SetSessionEditable(true);
}

void TSessionPanel::SBSave_SessioneClick() {
    DeriveSeason();
    SetSessionBrowsing(true);
    int r = orOk;
    {
        struct Saving {
            bool& flag;
            explicit Saving(bool& f) : flag(f) { flag = true; }
            ~Saving() { flag = false; }
        } saving(m_saving);
        r = m_module->Operazione(opSave, m_host.sessionDataSetName());
    }
    m_host.HandleOperationResult(r);
}

void TSessionPanel::SBCancel_SessioneClick() {
    SetSessionBrowsing(true);
    const int r = m_module->Operazione(opCancel, m_host.sessionDataSetName());
    m_host.HandleOperationResult(r);
}

void TSessionPanel::SBDel_SessioneClick() {
    const int r = m_module->Operazione(opDelete, m_host.sessionDataSetName());
    m_host.HandleOperationResult(r);
}

void TSessionPanel::DBN_SessioniClick() {
    m_host.RefreshMainWindow();
}

void TSessionPanel::SpeedButton1Click() {
    FrmCambiaElenco->EditList(QStringLiteral("ELENCO LAGHI"), 1);
    reopen(m_module->ADOQ_Lago);
}

void TSessionPanel::SpeedButton9Click() {
    FrmCambiaElenco->EditList(QStringLiteral("ELENCO TIPO SESSIONE"), 9);
    reopen(m_module->ADOQ_TipoSessione);
}

void TSessionPanel::SetSessionBrowsing(bool on) {
    m_host.setDetailRegionsVisible(on);
    DBN_Sessioni->setEnabled(on);
    SBNew_Sessione->setEnabled(on);
    SBDel_Sessione->setEnabled(on);
    setReportageWanted(on);
}

void TSessionPanel::SetSessionEditable(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{DS_tipouscita, DataDa, DataA, Nm_lago,
                                                      Nm_temp, Nm_TempAcqua, Nm_ProfRilev,
                                                      DBLookupComboBox8, Note, m_anglers})
        w->setEnabled(on);
    setReportageWanted(on);
}

void TSessionPanel::setReportageWanted(bool on) {
    m_reportageWanted = on;
    updateReportageButton();
}

void TSessionPanel::updateReportageButton() {
    // A session not yet saved has no key for reportage entries to carry.
    SBReportage_sessione->setEnabled(m_reportageWanted && !sessionBeingInserted());
}

void TSessionPanel::DeriveSeason() {
    const SessionSeason::Result result = SessionSeason::fromStartDateText(DataDa->text());
    if (result.reading == SessionSeason::Reading::Unreadable) {
        showWarning(kSeasonWarning);
        return;
    }
    if (result.reading != SessionSeason::Reading::Season)
        return;
    Query& sessions = m_module->ADOQ_Sessioni;
    // The season reaches the session only when it is being saved: with nothing pending
    // there is nothing to store it in.
    if (sessions.isOpen() && sessions.isEditing())
        sessions.setValue(QStringLiteral("Nm_Stagione"), result.season);
}

void TSessionPanel::writePending() {
    if (m_saving)
        return;
    // Any other post (a move to another session): the start date typed has been converted
    // by now, so the season comes from the date itself, silently.
    Query& sessions = m_module->ADOQ_Sessioni;
    const QDate start = sessions.value(QStringLiteral("DataDa")).toDate();
    if (start.isValid())
        sessions.setValue(QStringLiteral("Nm_Stagione"),
                          SessionSeason::forDayMonth(start.day(), start.month()));
}
