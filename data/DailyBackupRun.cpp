#include "data/DailyBackupRun.h"

#include "data/LogbookKind.h"
#include "engine/Connection.h"
#include "engine/EngineError.h"

DailyBackupRun::~DailyBackupRun() {
    abandon();
}

void DailyBackupRun::start(const QString& databasePath, const QDate& today, Done done) {
    if (m_thread.joinable())
        return;
    m_thread = std::thread([this, databasePath, today, done = std::move(done)] {
        DailyBackup::Outcome outcome = DailyBackup::Outcome::AlreadyMade;
        QString failure;
        try {
            Connection own(LogbookKind());
            own.openFile(databasePath, /*readOnly=*/true);
            outcome = DailyBackup::make(own, today, &m_cancel);
        } catch (const EngineError& e) {
            failure = e.message();
        } catch (const std::exception&) {
            failure = QStringLiteral("errore imprevisto");
        }
        if (m_cancel.load())
            return; // nobody waits for the news any more
        // Posted to the receiver: dropped with it if the run goes first.
        QMetaObject::invokeMethod(
            &m_receiver, [done, outcome, failure] { done(outcome, failure); },
            Qt::QueuedConnection);
    });
}

void DailyBackupRun::abandon() {
    m_cancel.store(true);
    if (m_thread.joinable())
        m_thread.join();
}
