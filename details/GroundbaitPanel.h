#pragma once

#include "details/DetailPanel.h"

class DBEdit;
class DBGrid;
class DBLookupComboBox;
class DBNavigator;
class QGroupBox;
class RecordToolBar;
class TDM_Sessioni;
class ToolButton;

// The groundbait days of the current session (group "PASTURAZIONE"): the grid of days, the
// three groundbait types and quantities of the current day, the groundbait tool bar. A new
// day takes the session's highest day number plus one.
class TGroundbaitPanel : public TDetailPanel {
    Q_OBJECT
public:
    TGroundbaitPanel(QGroupBox* groupBox2, RecordToolBar* toolBar);
    void bind(TDM_Sessioni& module);

    void reloaded() override;
    void setEditable(bool on) override { SetGroundbaitEditable(on); }

    void SetupGroundbaitGrid();
    void SetGroundbaitEditable(bool on);
    void SetGroundbaitNavigation(bool on);

    void SBNew_PasturaClick();
    void SBSave_PasturaClick();
    void SBCancel_PasturaClick();
    void SBDel_PasturaClick();

    DBGrid* DBGrid1;
    DBLookupComboBox* DBLookupComboPastura1;
    DBLookupComboBox* DBLookupComboPastura2;
    DBLookupComboBox* DBLookupComboPastura3;
    DBEdit* DBEditQpastura1;
    DBEdit* DBEditQpastura2;
    DBEdit* DBEditQpastura3;
    ToolButton* SpeedButton4;
    RecordToolBar* TB_Pastura;
    DBNavigator* DBN_Pastura;
    ToolButton* SBNew_Pastura;
    ToolButton* SBCancel_Pastura;
    ToolButton* SBSave_Pastura;
    ToolButton* SBDel_Pastura;

private:
    // Rereads the session's highest day, as after a refresh.
    void rereadHighestDay();
};
