#pragma once

#include "widgets/FormBuilder.h"
#include "widgets/RecordPanel.h"

#include <QObject>

class MainWindowHost;
class Query;
class QWidget;
class RecordToolBar;
class TDM_Sessioni;

// What the groundbait and catch panels share: rows of the current session edited through a
// record tool bar. New is usable only while the session is saved (a row needs its session's
// key); Save, Cancel and Delete first save a row pending in the other panel, turn the fields
// off while they run (on again when the database refuses a save) and hand the result to the
// main window, whose refresh sets the fields by the rows there are.
class TDetailPanel : public QObject, public RecordPanel {
    Q_OBJECT
public:
    void setNavigation(bool on) override;

protected:
    TDetailPanel(QWidget* group, RecordToolBar* toolBar, MainWindowHost& host);
    void attach(TDM_Sessioni& module, Query& rows, QString (MainWindowHost::*dataSetName)() const);
    // Enables New by the navigation state and whether the session is saved.
    void updateNewButton();

    // The common steps of the buttons; New returns the operation's result, or -1 when a row
    // of the other panel could not be saved first.
    int newRecord();
    void saveRecord();
    void cancelRecord();
    void deleteRecord();

    MainWindowHost& m_host;
    FormBuilder m_form;
    RecordToolBar* m_toolBar;
    TDM_Sessioni* m_module = nullptr;
    Query* m_rows = nullptr;

private:
    QString dataSetName() const;

    QString (MainWindowHost::*m_dataSetName)() const = nullptr;
    bool m_navigation = true;
};
