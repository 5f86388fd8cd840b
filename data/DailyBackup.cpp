#include "data/DailyBackup.h"

#include "engine/Connection.h"
#include "engine/EngineError.h"

#include <QDir>
#include <QFileInfo>

namespace DailyBackup {

QString fileName(const QDate& day) {
    return QStringLiteral("DATA2-%1.MDB").arg(day.toString(QStringLiteral("yyyyMMdd")));
}

Outcome make(const Connection& connection, const QDate& today, const std::atomic<bool>* cancel) {
    const QDir beside = QFileInfo(connection.filePath()).absoluteDir();
    const QString folder = beside.filePath(QStringLiteral("backup"));
    if (!QDir().mkpath(folder))
        throw EngineError(QStringLiteral("impossibile creare la cartella '%1'")
                              .arg(QDir::toNativeSeparators(folder)));
    const QDir dir(folder);
    const QString todays = dir.filePath(fileName(today));
    if (QFileInfo::exists(todays))
        return Outcome::AlreadyMade;
    const Connection::Soundness soundness = connection.checkSoundness(CheckBudgetMs, cancel);
    if (soundness == Connection::Soundness::Damaged)
        return Outcome::Damaged;
    if (cancel && cancel->load())
        throw EngineError(QStringLiteral("Copia dell'archivio interrotta."));
    connection.backupTo(todays, cancel);
    if (soundness == Connection::Soundness::Sound) {
        // The names sort by date: keep the newest.
        QStringList copies = dir.entryList({QStringLiteral("DATA2-????????.MDB")}, QDir::Files,
                                           QDir::Name | QDir::Reversed);
        for (qsizetype i = Kept; i < copies.size(); ++i)
            QFile::remove(dir.filePath(copies[i]));
    }
    return Outcome::Written;
}

} // namespace DailyBackup
