#include "data/LogbookLock.h"

const QString LogbookLock::kAlreadyOpen =
    QStringLiteral("LunkerLedger è già aperto su questo archivio.");

namespace {

std::unique_ptr<QLockFile> lockFor(const QString& databasePath) {
    auto lock = std::make_unique<QLockFile>(databasePath + QStringLiteral(".lock"));
    // Never stale by age, however long the program runs: only when its process is gone.
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

LogbookLock::Claim LogbookLock::claim(const QString& databasePath) {
    auto lock = lockFor(databasePath);
    if (!lock->tryLock(0))
        return lock->error() == QLockFile::LockFailedError ? Claim::HeldByAnother
                                                           : Claim::CannotCreate;
    m_lock = std::move(lock);
    return Claim::Taken;
}

bool LogbookLock::heldByAnother(const QString& databasePath) {
    auto lock = lockFor(databasePath);
    if (!lock->tryLock(0))
        return lock->error() == QLockFile::LockFailedError;
    lock->unlock();
    return false;
}
