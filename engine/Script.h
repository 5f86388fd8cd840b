#pragma once

#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

class Connection;

// SQL run as a whole script rather than one statement at a time: what the logbook's format
// upgrade needs from the engine (several statements, triggers with their own semicolons,
// the rows of a pragma, and a way to keep the screen alive while a long script runs).

// Runs every statement of `sql`. An invalid statement is an EngineError of its own
// ("not valid for this logbook"), the rest as the engine reports them (disk full, ...).
void executeScript(const Connection& connection, const QString& sql);

// The rows of one statement (a pragma's report, a count), each as a list of values.
std::vector<QVariantList> selectRows(const Connection& connection, const QString& sql);

// While it lives, `tick` is called now and then while this connection's statements run.
class ProgressHook {
public:
    ProgressHook(const Connection& connection, std::function<void()> tick);
    ~ProgressHook();
    ProgressHook(const ProgressHook&) = delete;
    ProgressHook& operator=(const ProgressHook&) = delete;

private:
    static int call(void* self);
    const Connection& m_connection;
    std::function<void()> m_tick;
};
