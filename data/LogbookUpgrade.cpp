#include "data/LogbookUpgrade.h"

#include "engine/Connection.h"
#include "engine/EngineError.h"
#include "engine/Script.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <filesystem>
#include <optional>

namespace LogbookUpgrade {

const QString kNewerVersion = QStringLiteral(
    "L'archivio è stato scritto da una versione più recente del programma: viene aperto in "
    "sola lettura e non sarà modificato.");

const QString kFailed = QStringLiteral(
    "L'aggiornamento dell'archivio alla versione %1 non è riuscito e l'archivio è rimasto "
    "com'era.\r\nMotivo: %2\r\nUna copia dell'archivio è in '%3'. Il programma prosegue senza "
    "le funzioni della nuova versione.");

const QString kCopyFailed = QStringLiteral(
    "L'archivio non è stato aggiornato alla versione %1 perché non è stato possibile salvarne "
    "prima una copia.\r\nMotivo: %2\r\nIl programma prosegue senza le funzioni della nuova "
    "versione.");

namespace {

// One line per broken reference; the engine reports each by table, row, parent and which of
// the table's references it is.
QSet<QString> brokenReferences(const Connection& connection) {
    QSet<QString> found;
    for (const QVariantList& row :
         selectRows(connection, QStringLiteral("PRAGMA foreign_key_check")))
        found.insert(QStringLiteral("%1 riga %2: %3 (%4)")
                         .arg(row.value(0).toString(), row.value(1).toString(),
                              row.value(2).toString(), row.value(3).toString()));
    return found;
}

// The copy replaces an earlier one of a failed attempt only once it is complete.
void makeKeptCopy(const Connection& connection, const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw EngineError(QStringLiteral("Impossibile creare la cartella '%1'.")
                              .arg(QDir::toNativeSeparators(folder)));
    const QString fresh = path + QStringLiteral(".nuova");
    QFile::remove(fresh);
    connection.backupTo(fresh);
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(fresh).toStdString(),
                            QFile::encodeName(path).toStdString(), error);
    if (error) {
        QFile::remove(fresh);
        throw EngineError(QStringLiteral("Impossibile scrivere la copia dell'archivio in '%1'.")
                              .arg(QDir::toNativeSeparators(path)));
    }
}

void upgradeInOneTransaction(const Connection& connection,
                             const std::vector<LogbookFormat::Migration>& pending, int target) {
    executeScript(connection, QStringLiteral("BEGIN IMMEDIATE"));
    try {
        const QSet<QString> before = brokenReferences(connection);
        for (const LogbookFormat::Migration& migration : pending)
            executeScript(connection, migration.sql);
        executeScript(connection, QStringLiteral("PRAGMA user_version = %1").arg(target));
        const QSet<QString> added = brokenReferences(connection) - before;
        if (!added.isEmpty())
            throw EngineError(QStringLiteral("L'aggiornamento renderebbe non validi %1 "
                                             "riferimenti tra le righe dell'archivio.")
                                  .arg(added.size()));
        if (integrityProblems(connection) != QStringList{QStringLiteral("ok")})
            throw EngineError(QStringLiteral("Il controllo dell'archivio ha trovato dei danni."));
        executeScript(connection, QStringLiteral("COMMIT"));
    } catch (const EngineError&) {
        try {
            executeScript(connection, QStringLiteral("ROLLBACK"));
        } catch (const EngineError&) {
            // A failed COMMIT may already have rolled back.
        }
        throw;
    }
}

} // namespace

QString keptCopyPath(const QString& logbookPath, int version) {
    return QFileInfo(logbookPath)
        .absoluteDir()
        .filePath(QStringLiteral("backup/DATA2-prima-della-versione-%1.MDB").arg(version));
}

Result run(const Connection& connection, const std::vector<LogbookFormat::Migration>& migrations,
           const Progress& progress) {
    const int version = LogbookFormat::versionOf(connection);
    const int target = migrations.empty() ? LogbookFormat::First : migrations.back().version;
    if (version > target)
        return {Outcome::Newer, version, kNewerVersion};
    if (version == target)
        return {Outcome::Current, version, {}};
    if (connection.isReadOnly())
        return {Outcome::ReadOnly, version, {}};

    std::vector<LogbookFormat::Migration> pending;
    for (const LogbookFormat::Migration& migration : migrations)
        if (migration.version > version)
            pending.push_back(migration);

    std::optional<ProgressHook> hook;
    if (progress) {
        progress();
        hook.emplace(connection, progress);
    }
    const QString copy = keptCopyPath(connection.filePath(), target);
    try {
        makeKeptCopy(connection, copy);
    } catch (const EngineError& e) {
        return {Outcome::Failed, version, kCopyFailed.arg(target).arg(e.message())};
    }
    try {
        upgradeInOneTransaction(connection, pending, target);
    } catch (const EngineError& e) {
        return {Outcome::Failed, version,
                kFailed.arg(target).arg(e.message(), QDir::toNativeSeparators(copy))};
    }
    return {Outcome::Upgraded, target, {}};
}

QStringList danglingReferences(const Connection& connection) {
    QStringList lines = brokenReferences(connection).values();
    lines.sort();
    return lines;
}

QStringList integrityProblems(const Connection& connection) {
    QStringList lines;
    for (const QVariantList& row : selectRows(connection, QStringLiteral("PRAGMA integrity_check")))
        lines << row.value(0).toString();
    return lines;
}

} // namespace LogbookUpgrade
