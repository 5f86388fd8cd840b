#pragma once

#include "data/DailyBackup.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <thread>

// The day's copy made away from the user interface: a thread of its own with a connection
// of its own on the logbook file, so start-up never waits for it and saves go on meanwhile.
// The result comes back on the thread that started it. Destroying the run abandons a copy
// still going and waits for its thread: the half-made copy is removed, never left under
// the day's name.
class DailyBackupRun {
public:
    // With the outcome, or the reason when the copy failed (then `outcome` is meaningless).
    using Done = std::function<void(DailyBackup::Outcome outcome, const QString& failure)>;

    DailyBackupRun() = default;
    ~DailyBackupRun();
    DailyBackupRun(const DailyBackupRun&) = delete;
    DailyBackupRun& operator=(const DailyBackupRun&) = delete;

    // Starts the copy of the logbook at `databasePath` for `today`; `done` runs once, on
    // the calling thread's event loop, unless the run is destroyed first. Once only.
    void start(const QString& databasePath, const QDate& today, Done done);
    bool started() const { return m_thread.joinable(); }
    // Abandons the copy if it still runs and waits for its thread.
    void abandon();

private:
    std::atomic<bool> m_cancel{false};
    QObject m_receiver; // lives on the starting thread: the result is delivered through it
    std::thread m_thread;
};
