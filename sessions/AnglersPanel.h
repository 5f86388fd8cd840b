#pragma once

#include <QObject>

class DBLookupListBox;
class QGroupBox;
class QMenu;
class QAction;
class TDM_Sessioni;
class ToolButton;

// The anglers of the current session (group "Carpisti"): those still available on the
// left, those taking part on the right; a popup menu or a double click moves one across.
class TAnglersPanel : public QObject {
    Q_OBJECT
public:
    static const QString kAddWithoutSelection;
    static const QString kRemoveWithoutSelection;

    explicit TAnglersPanel(QGroupBox* groupBox4);
    void bind(TDM_Sessioni& module);

    void AddSessionAngler();
    void RemoveSessionAngler();
    void SpeedButton2Click();

    ToolButton* SpeedButton2;
    DBLookupListBox* DBLookupListBox1;
    DBLookupListBox* DBLookupListBox2;
    QMenu* PopupMenu1;
    QAction* Aggiungi1;
    QMenu* PopupMenu2;
    QAction* MenuItem1;

private:
    TDM_Sessioni* m_module = nullptr;
};
