#include "sessions/SessionPanel.h"

#include "data/MessageSeam.h"
#include "data/MoonPhase.h"
#include "data/SessionSeason.h"
#include "data/U_DBUtils.h"
#include "engine/EngineError.h"
#include "engine/Query.h"
#include "engine/TextConversion.h"
#include "lists/ListEditorButtons.h"
#include "sessions/SessionDetails.h"
#include "sessions/UDM_Reportage.h"
#include "sessions/UDM_Sessioni.h"
#include "sessions/U_FRM_FrmReportage.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBMemo.h"
#include "widgets/DBNavigator.h"
#include "widgets/ErrorGuard.h"
#include "widgets/ModalSeam.h"
#include "widgets/RecordToolBar.h"
#include "widgets/ToolButton.h"
#include "widgets/UiFonts.h"

#include <QGroupBox>
#include <QScopedValueRollback>

const QString TSessionPanel::kSeasonWarning = QStringLiteral(
    "Si sono verificati degli errori durante la verifica della data \r\n: le statistiche "
    "potrebbero non funzionare correttamente per quanto riguarda le interrogazioni sulla "
    "\r\nSTAGIONE");

const QString TSessionPanel::kEndBeforeStart =
    QStringLiteral("La data di fine è precedente alla data di inizio.");

namespace {

const QString kLakesHint = QStringLiteral("Modifica l'elenco dei laghi");

// A control named as the field it shows, with the label before it (and the unit after it).
FormField field(FormTarget target, const char* name, FormControl kind, const QRect& rect, int limit,
                FormLabel label, FormLookup lookup = {}, FormLabel unit = {}) {
    return {.name = name,
            .kind = kind,
            .rect = rect,
            .field = name,
            .limit = limit,
            .label = std::move(label),
            .unit = std::move(unit),
            .lookup = lookup,
            .target = std::move(target)};
}

// Both list buttons carry the lakes' hint.
FormField listButton(FormTarget target, const char* name, int top, FormList list) {
    return ListButtonRow(std::move(target), name, {226, top, 20, 20}, std::move(list), kLakesHint);
}

// The session's controls in tab order, each with the label before it and the unit after it.
std::vector<FormField> sessionFields(TSessionPanel& p) {
    using K = FormControl;
    const QString degrees = QStringLiteral("°C");
    // clang-format off
    return {
        {.name = "DS_tipouscita", .kind = K::Lookup, .rect = {72, 18, 153, 21}, .field = "Nm_TipoUscita", .limit = 12, .label = {QStringLiteral("Durata:"), 8, 21}, .lookup = {"DS_TipoSessione", "Id_TipoSessione", "Ds_TipoSessione"}, .target = into(p.DS_tipouscita)},
        field(into(p.DataDa), "DataDa", K::Edit, {72, 45, 65, 21}, 10, {QStringLiteral("Data: Da"), 8, 48}),
        field(into(p.DataA), "DataA", K::Edit, {160, 45, 65, 21}, 10, {QStringLiteral("A"), 146, 48}),
        field(into(p.Nm_lago), "Nm_lago", K::Lookup, {72, 73, 153, 21}, 12, {QStringLiteral("Lago:"), 8, 76}, {"DS_QLago", "Id_lago", "Ds_desc"}),
        field(into(p.Nm_temp), "Nm_temp", K::Edit, {184, 102, 41, 21}, 4, {QStringLiteral("Temperatura esterna:"), 8, 105}, {}, {degrees, 229, 105}),
        field(into(p.Nm_TempAcqua), "Nm_TempAcqua", K::Edit, {184, 130, 41, 21}, 4, {QStringLiteral("Temperatura acqua:"), 8, 133}, {}, {degrees, 229, 133}),
        field(into(p.Nm_ProfRilev), "Nm_ProfRilev", K::Edit, {193, 160, 32, 21}, 5, {QStringLiteral("Profondità di rilevamento:"), 8, 163}, {}, {QStringLiteral("mt."), 229, 163}),
        {.name = "DBLookupComboBox8", .kind = K::Lookup, .rect = {360, 20, 145, 21}, .field = "Nm_luna", .label = {QStringLiteral("Fase lunare:"), 270, 23}, .lookup = {"Ds_luna", "Id_luna", "Ds_luna"}, .target = into(p.DBLookupComboBox8)},
        field(into(p.Note), "Note", K::Memo, {360, 45, 406, 86}, 0, {QStringLiteral("Note:"), 355, 48, /*alignRight=*/true}),
        field(into(p.Nm_Stagione), "Nm_Stagione", K::HiddenEdit, {230, 45, 26, 21}, 0, {}),
        listButton(into(p.SpeedButton9), "SpeedButton9", 18, {"ELENCO TIPO SESSIONE", 9, {"ADOQ_TipoSessione"}}),
        listButton(into(p.SpeedButton1), "SpeedButton1", 73, {"ELENCO LAGHI", 1, {"ADOQ_Lago"}}),
    };
    // clang-format on
}

} // namespace

TSessionPanel::TSessionPanel(QGroupBox* groupBox1, RecordToolBar* toolBar, QGroupBox* anglersGroup)
    : ModulePanel(groupBox1), TB_Sessione(toolBar), DBN_Sessioni(toolBar->navigator()),
      m_group(groupBox1), m_anglers(anglersGroup), m_form(groupBox1, UiFonts::sansSerifPixels(12)) {
    m_form.add(sessionFields(*this));
    Nm_ProfRilev->setNonNegative(true);
    Note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    SBReportage_sessione = new ToolButton(groupBox1);
    SBReportage_sessione->setObjectName(QStringLiteral("SBReportage_sessione"));
    SBReportage_sessione->setGeometry(655, 192, 111, 26);
    SBReportage_sessione->setPicture(ButtonPictures::Kind::Reportage, 22);
    SBReportage_sessione->setHint(QStringLiteral("Apre la schermata di immissione e scorrimento "
                                                 "del reportage fotografico dell'uscita"));
    SBReportage_sessione->setText(QStringLiteral("Reportage"));
    SBReportage_sessione->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SBReportage_sessione->setAutoRaise(false);

    SBNew_Sessione = toolBar->button(opNew);
    SBCancel_Sessione = toolBar->button(opCancel);
    SBSave_Sessione = toolBar->button(opSave);
    SBDel_Sessione = toolBar->button(opDelete);
    ConnectRecordButtons(toolBar, this, &TSessionPanel::SBNew_SessioneClick,
                         &TSessionPanel::SBCancel_SessioneClick,
                         &TSessionPanel::SBSave_SessioneClick, &TSessionPanel::SBDel_SessioneClick);
    ConnectGuarded(DBN_Sessioni, &DBNavigator::clicked, this, &TSessionPanel::DBN_SessioniClick);
    ConnectGuarded(SBReportage_sessione, &QToolButton::clicked, this,
                   &TSessionPanel::SBReportage_sessioneClick);
}

TSessionPanel::~TSessionPanel() {
    if (m_module)
        m_module->DS_QSessioni.removePendingEditor(this);
}

void TSessionPanel::bind(TDM_Sessioni& module) {
    attach(module, module.ADOQ_Sessioni);
    DataSource* sessions = &module.DS_QSessioni;
    DBN_Sessioni->setDataSource(sessions);
    m_form.bind(sessions);
    ConnectListEditorButtons(this, m_form.bindLists(module));
    sessions->addPendingEditor(this);
    // The start date written (on leaving its box, or at Save) presets an empty moon phase.
    connect(sessions, &DataSource::fieldChanged, this,
            [this](int field) { Guarded([this, field] { presetMoonPhase(field); }); });
}

void TSessionPanel::setDetailRegions(std::vector<QWidget*> groups, QWidget* toolBar) {
    m_detailGroups = std::move(groups);
    m_detailToolBar = toolBar;
}

void TSessionPanel::setDetailGroupsVisible(bool visible) {
    for (QWidget* group : m_detailGroups)
        group->setVisible(visible);
}

void TSessionPanel::presetMoonPhase(int field) {
    Query& sessions = m_module->ADOQ_Sessioni;
    if (!sessions.isOpen() || !sessions.isEditing() ||
        field != sessions.fieldIndex(QStringLiteral("DataDa")))
        return;
    const QDate start = sessions.value(field).toDate();
    if (start.isValid() && sessions.value(QStringLiteral("Nm_luna")).isNull())
        sessions.setValue(QStringLiteral("Nm_luna"), MoonPhase::key(start));
}

bool TSessionPanel::sessionBeingInserted() const {
    return m_module && m_module->ADOQ_Sessioni.state() == DataSetState::Insert;
}

void TSessionPanel::reloaded() {
    static const QString trailing(11, QLatin1Char(' '));
    const int n = m_module->SessionCount();
    if (n <= 0) {
        m_group->setTitle(QStringLiteral("SESSIONI (0 di 0)") + trailing);
        setDetailGroupsVisible(false);
        // A first session still being entered (after New, or after a save that failed on a
        // conversion) keeps its fields open so it can be corrected.
        SetSessionEditable(sessionBeingInserted());
    } else {
        m_group->setTitle(
            QStringLiteral("SESSIONI (%1 di %2)").arg(m_module->SessionRecNo()).arg(n) + trailing);
    }
    updateReportageButton();
}

void TSessionPanel::showReportageCount(int count) {
    SBReportage_sessione->setText(QStringLiteral("Reportage (%1)").arg(count));
    updateReportageButton();
}

void TSessionPanel::SBNew_SessioneClick() {
    if (!savePending())
        return;
    SetSessionBrowsing(false);
    const int r = operate(opNew);
    SetSessionEditable(true);
    DS_tipouscita->setFocus(Qt::OtherFocusReason);
    emit operationDone(opNew, r);
}

bool TSessionPanel::datesInOrder() {
    if (!m_module->ADOQ_Sessioni.isEditing())
        return true;
    auto date = [](const DBEdit* box) {
        try {
            return TextConversion::parseDate(box->text());
        } catch (const ConversionError&) {
            return QDate(); // the save itself reports a date it cannot read
        }
    };
    const QDate start = date(DataDa);
    const QDate end = date(DataA);
    if (start.isValid() && end.isValid() && end < start) {
        showWarning(kEndBeforeStart);
        return false;
    }
    return true;
}

void TSessionPanel::SBSave_SessioneClick() {
    if (!savePending())
        return;
    if (!datesInOrder())
        return;
    DeriveSeason();
    SetSessionBrowsing(true);
    int r = orOk;
    {
        const QScopedValueRollback saving(m_saving, true);
        r = operate(opSave);
    }
    emit operationDone(opSave, r);
}

void TSessionPanel::SBCancel_SessioneClick() {
    if (!savePending())
        return;
    SetSessionBrowsing(true);
    emit operationDone(opCancel, operate(opCancel));
}

void TSessionPanel::SBDel_SessioneClick() {
    if (!savePending())
        return;
    // Deleting a session takes its catches, groundbait days and reportage entries with it:
    // when it has any, an explicit question counting them comes before the usual one.
    const Query& sessions = m_module->ADOQ_Sessioni;
    if (sessions.isOpen() && !sessions.isEditing() && sessions.recordCount() > 0) {
        const SessionDetails details{m_module->ADOQ_SESSPrede.recordCount(),
                                     m_module->ADOQ_SESSPastura.recordCount(),
                                     DM_Reportage ? DM_Reportage->ReportageCount() : 0};
        if (details.any() && !askConfirmation(details.deletionQuestion()))
            return;
    }
    emit operationDone(opDelete, operate(opDelete));
}

void TSessionPanel::DBN_SessioniClick() {
    emit moved();
}

void TSessionPanel::SBReportage_sessioneClick() {
    FrmReportage->ReportageSessionId = m_module->CurrentSessionId();
    FrmReportage->PrepareReportage();
    ShowModal(*FrmReportage);
    showReportageCount(DM_Reportage->ReportageCount());
}

void TSessionPanel::SetSessionBrowsing(bool on) {
    setDetailGroupsVisible(on);
    if (m_detailToolBar)
        m_detailToolBar->setVisible(on);
    TB_Sessione->setNavigation(on);
    updateReportageButton();
}

void TSessionPanel::SetSessionEditable(bool on) {
    m_form.setEditable(on);
    m_anglers->setEnabled(on);
    updateReportageButton();
}

bool TSessionPanel::savedSessionCurrent() const {
    return m_module && m_module->ADOQ_Sessioni.isOpen() && m_module->SessionCount() > 0 &&
           !sessionBeingInserted();
}

void TSessionPanel::updateReportageButton() {
    // Usable whenever a saved session is current: a new session has no key yet for reportage
    // entries to carry.
    SBReportage_sessione->setEnabled(savedSessionCurrent());
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
