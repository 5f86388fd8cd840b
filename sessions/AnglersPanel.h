#pragma once

#include "widgets/RecordPanel.h"

#include <QObject>

class DBLookupListBox;
class QGroupBox;
class QMenu;
class QAction;
class TDM_Sessioni;
class ToolButton;

// The anglers of the current session (group "Carpisti"): those still available on the
// left, those taking part on the right; a popup menu, a double click or Enter moves one
// across, and both lists are in the tab order, so no mouse is needed.
class TAnglersPanel : public QObject, public RecordPanel {
    Q_OBJECT
public:
    static const QString kAddWithoutSelection;
    static const QString kRemoveWithoutSelection;
    static const QString kSessionNotSaved;

    explicit TAnglersPanel(QGroupBox* groupBox4);
    void bind(TDM_Sessioni& module);

    // After the lists were reloaded: anglers can be attached only to a saved session.
    void reloaded() override;
    void setEditable(bool on) override;
    void setNavigation(bool) override {}

    void AddSessionAngler();
    void RemoveSessionAngler();

    ToolButton* SpeedButton2;
    DBLookupListBox* DBLookupListBox1;
    DBLookupListBox* DBLookupListBox2;
    QMenu* PopupMenu1;
    QAction* Aggiungi1;
    QMenu* PopupMenu2;
    QAction* MenuItem1;

private:
    // One way across: the list chosen from, its command in the module's angler commands,
    // the text when nothing is chosen, and whether the list forgets its choice afterwards.
    struct AnglerMove {
        DBLookupListBox* from;
        int command;
        const QString& withoutSelection;
        bool forgetChoice;
    };

    bool sessionSaved() const;
    void MoveAngler(const AnglerMove& move);

    QGroupBox* m_group;
    TDM_Sessioni* m_module = nullptr;
};
