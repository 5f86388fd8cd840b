#pragma once

#include "widgets/RecordPanel.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

class Query;
class TDM_Sessioni;

// A record panel over one query of the sessions module, the shape every panel of the main
// window copies. Each of its record buttons takes one shared step: rows pending in the
// window's other panels are saved first (through the window's callback), then the operation
// runs on the panel's own rows. The panel finishes its own work and reports the result as its
// handler's last step; what follows (the window's refresh, where the focus goes) is the
// window's, so no handler is re-entered while it runs.
class ModulePanel : public QObject, public RecordPanel {
    Q_OBJECT
public:
    // Saves the rows pending elsewhere, not `except`; false, after the message its own Save
    // would show, when one cannot be saved.
    using SavePending = std::function<bool(const Query* except)>;
    void setSavePending(SavePending savePending) { m_savePending = std::move(savePending); }
    // Where the user was working when the panel's last operation began (a record button
    // takes no focus, so the focus is still there): the window returns the focus to it.
    QWidget* focusBefore() const { return m_focusBefore; }

signals:
    // A record operation of this panel ran with this result.
    void operationDone(int operation, int result);
    // The panel's navigator moved to another row.
    void moved();

protected:
    explicit ModulePanel(QObject* parent) : QObject(parent) {}
    void attach(TDM_Sessioni& module, Query& rows);

    // The first step of every record handler.
    bool savePending();
    // The operation on the panel's rows, after the pending rows elsewhere are saved;
    // nothing when one of them could not be.
    std::optional<int> run(int operation);
    // The operation alone, for a handler with steps of its own between the two.
    int operate(int operation);

    TDM_Sessioni* m_module = nullptr;
    Query* m_rows = nullptr;

private:
    SavePending m_savePending;
    QPointer<QWidget> m_focusBefore;
};
