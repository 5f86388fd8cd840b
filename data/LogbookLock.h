#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One program per logbook: a lock file beside the database, held while the program runs. A
// lock left behind by a program that crashed does not block the next start.
class LogbookLock {
public:
    static const QString kAlreadyOpen;

    // Takes the lock of the database at `databasePath`; false when a running program holds it.
    bool acquire(const QString& databasePath);
    // Whether a running program holds the lock of that database (for the maintenance tool).
    static bool heldByAnother(const QString& databasePath);

private:
    std::unique_ptr<QLockFile> m_lock;
};
