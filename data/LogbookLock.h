#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One program per logbook: a lock file beside the database, held while the program runs. A
// lock left behind by a program that crashed does not block the next start; a lock that
// cannot be created (a folder that takes no file) is told apart from one held by another.
class LogbookLock {
public:
    static const QString kAlreadyOpen;

    enum class Claim { Taken, HeldByAnother, CannotCreate };
    // Takes the lock of the database at `databasePath`.
    Claim claim(const QString& databasePath);
    // Takes the lock; false when a running program holds it or it cannot be created.
    bool acquire(const QString& databasePath) { return claim(databasePath) == Claim::Taken; }
    // Whether a running program holds the lock of that database (for the maintenance tool).
    static bool heldByAnother(const QString& databasePath);

private:
    std::unique_ptr<QLockFile> m_lock;
};
