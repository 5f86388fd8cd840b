#pragma once

#include "sessions/ModulePanel.h"
#include "widgets/DataSource.h"
#include "widgets/FormBuilder.h"

#include <vector>

class DBEdit;
class DBLookupComboBox;
class DBMemo;
class DBNavigator;
class QGroupBox;
class RecordToolBar;
class ToolButton;

// The session panel of the main window: the fields of the current session in GroupBox1,
// the lake and session-type list buttons, the reportage button, and the session tool bar
// with its navigator and New / Cancel / Save / Delete. Its handlers drive the sessions
// module and report what they did; the window's full refresh is the window's. While a
// session is being entered the detail regions (the groups of its rows) are hidden.
class TSessionPanel : public ModulePanel, private PendingEditor {
    Q_OBJECT
public:
    static const QString kSeasonWarning;
    static const QString kEndBeforeStart;

    TSessionPanel(QGroupBox* groupBox1, RecordToolBar* toolBar, QGroupBox* anglersGroup);
    ~TSessionPanel() override;

    // Binds the controls to the sessions module's data sources.
    void bind(TDM_Sessioni& module);
    // The groups of the session's rows, shown and hidden with the session's look, and the
    // tool bar shown and hidden with them while browsing.
    void setDetailRegions(std::vector<QWidget*> groups, QWidget* toolBar);

    // The refresh's first steps: the counter in the caption and, with no session, the
    // empty look.
    void reloaded() override;
    void setEditable(bool on) override { SetSessionEditable(on); }
    void setNavigation(bool on) override { SetSessionBrowsing(on); }
    // The refresh's last step: the reportage button's caption.
    void showReportageCount(int count);
    // A saved session is current: not the empty look, and not a new session still unsaved.
    bool savedSessionCurrent() const;

    void SBNew_SessioneClick();
    void SBSave_SessioneClick();
    void SBCancel_SessioneClick();
    void SBDel_SessioneClick();
    void DBN_SessioniClick();
    void SBReportage_sessioneClick();

    void SetSessionBrowsing(bool on);
    void SetSessionEditable(bool on);
    // Writes the season of the start date being shown into the session being saved; warns
    // when the day or month cannot be read.
    void DeriveSeason();

    DBLookupComboBox* DS_tipouscita;
    DBEdit* DataDa;
    DBEdit* DataA;
    DBLookupComboBox* Nm_lago;
    DBEdit* Nm_temp;
    DBEdit* Nm_TempAcqua;
    DBEdit* Nm_ProfRilev;
    DBLookupComboBox* DBLookupComboBox8;
    DBMemo* Note;
    DBEdit* Nm_Stagione;
    ToolButton* SpeedButton9;
    ToolButton* SpeedButton1;
    ToolButton* SBReportage_sessione;
    RecordToolBar* TB_Sessione;
    DBNavigator* DBN_Sessioni;
    ToolButton* SBNew_Sessione;
    ToolButton* SBCancel_Sessione;
    ToolButton* SBSave_Sessione;
    ToolButton* SBDel_Sessione;

private:
    // Moving to another session stores pending edits: the season follows the start date
    // on that path too, without a warning.
    void writePending() override;
    // A phase already chosen is never replaced.
    void presetMoonPhase(int field);
    // False, after the warning, when the end date typed is before the start date.
    bool datesInOrder();
    bool sessionBeingInserted() const;
    void updateReportageButton();
    void setReportageWanted(bool on);

    QGroupBox* m_group;
    void setDetailGroupsVisible(bool visible);

    QGroupBox* m_anglers;
    FormBuilder m_form;
    std::vector<QWidget*> m_detailGroups;
    QWidget* m_detailToolBar = nullptr;
    bool m_saving = false;          // the save button's own post: the season is already done
    bool m_reportageWanted = false; // what the look asks for the reportage button
};
