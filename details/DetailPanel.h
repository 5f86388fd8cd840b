#pragma once

#include "sessions/ModulePanel.h"
#include "widgets/FormBuilder.h"

class QWidget;
class RecordToolBar;

// What the groundbait and catch panels share: rows of the current session edited through a
// record tool bar. New is usable only while the session is saved (a row needs its session's
// key); Save, Cancel and Delete first save a row pending in the other panel, turn the fields
// off while they run (on again when the database refuses a save) and report the result to
// the main window, whose refresh sets the fields by the rows there are.
class TDetailPanel : public ModulePanel {
    Q_OBJECT
public:
    void setNavigation(bool on) override;

protected:
    TDetailPanel(QWidget* group, RecordToolBar* toolBar);
    // Enables New by the navigation state and whether the session is saved.
    void updateNewButton();

    // The common steps of the buttons; New returns the operation's result, or -1 when a row
    // of the other panel could not be saved first.
    int newRecord();
    void saveRecord();
    void cancelRecord();
    void deleteRecord();

    FormBuilder m_form;
    RecordToolBar* m_toolBar;

private:
    bool m_navigation = true;
};
