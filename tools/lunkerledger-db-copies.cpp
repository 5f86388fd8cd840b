#include "tools/lunkerledger-db-copies.h"

#include "data/LogbookKind.h"
#include "data/LogbookLock.h"
#include "engine/Connection.h"
#include "engine/EngineError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A whole-file check of a large logbook takes seconds; a copy made by hand may wait for it.
constexpr int CheckBudgetMs = 120000;

const char* const Companions[] = {"-journal", "-wal"};

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The rename of a file is durable only once its folder is written out.
void syncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool companionBeside(const QString& path) {
    for (const char* suffix : Companions)
        if (QFileInfo::exists(path + QLatin1String(suffix)))
            return true;
    return false;
}

// A logbook left by a program killed while writing has its journal beside it: opening it
// once lets the engine put the file back as it was before the interrupted save.
void recover(const QString& path) {
    if (!companionBeside(path))
        return;
    try {
        Connection once(LogbookKind());
        once.openFile(path);
    } catch (const EngineError&) {
        // A damaged logbook may not open; its journal then travels with it below.
    }
}

// A dated name beside `path` taken by a hard link, which never replaces an existing file;
// the logbook stays at `path` meanwhile. Falls back to a copy where links are not possible.
QString keepBeside(const QString& path) {
    const QString stem = path + QStringLiteral(".prima-del-ripristino-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n < 1000; ++n) {
        const QString kept = n == 1 ? stem : stem + QStringLiteral("-%1").arg(n);
        if (::link(QFile::encodeName(path).constData(), QFile::encodeName(kept).constData()) == 0)
            return kept;
        if (errno == EEXIST)
            continue;
        if (QFileInfo::exists(kept))
            continue;
        if (QFile::copy(path, kept))
            return kept;
        break;
    }
    throw EngineError(
        QStringLiteral("Impossibile mettere da parte l'archivio '%1'.").arg(native(path)));
}

} // namespace

namespace LogbookCopies {

void backup(const QString& path, const QString& dest) {
    Connection logbook(LogbookKind());
    logbook.openFile(path);
    if (logbook.checkSoundness(CheckBudgetMs) == Connection::Soundness::Damaged)
        throw EngineError(QStringLiteral("L'archivio '%1' è danneggiato: la copia non viene "
                                         "salvata. Ripristinare la copia integra più recente "
                                         "(lunkerledger-db backup --verifica CARTELLA).")
                              .arg(native(path)));
    logbook.backupTo(dest);
    syncFolderOf(dest);
}

QString restore(const QString& copyPath, const QString& path) {
    if (LogbookLock::heldByAnother(path))
        throw EngineError(QStringLiteral("L'archivio '%1' è aperto in LunkerLedger: chiudere il "
                                         "programma prima del ripristino.")
                              .arg(native(path)));
    recover(copyPath);
    Connection copy(LogbookKind());
    copy.openFile(copyPath); // refuses a file that is not a logbook
    if (copy.checkSoundness(CheckBudgetMs) == Connection::Soundness::Damaged)
        throw EngineError(QStringLiteral("La copia '%1' è danneggiata: non viene ripristinata. "
                                         "Scegliere un'altra copia.")
                              .arg(native(copyPath)));

    // The restored logbook is written whole beside the target, then renamed over it in one
    // step: a kill at any moment leaves at `path` either the old logbook or the restored one.
    const QString incoming = path + QStringLiteral(".in-ripristino");
    for (const char* left : {"", "-journal", "-wal", "-shm"})
        QFile::remove(incoming + QLatin1String(left));
    copy.backupTo(incoming); // synced by the engine when its copy commits
    copy.close();

    QString kept;
    if (QFileInfo::exists(path)) {
        recover(path);
        kept = keepBeside(path);
        // A journal that could not be played back belongs to the kept file, never to the
        // restored one.
        for (const char* suffix : Companions) {
            const QString companion = path + QLatin1String(suffix);
            if (QFileInfo::exists(companion) &&
                !QFile::rename(companion, kept + QLatin1String(suffix))) {
                QFile::remove(incoming);
                throw EngineError(QStringLiteral("Impossibile spostare il file '%1' con "
                                                 "l'archivio messo da parte.")
                                      .arg(native(companion)));
            }
        }
    }
    if (::rename(QFile::encodeName(incoming).constData(), QFile::encodeName(path).constData()) !=
        0) {
        QFile::remove(incoming);
        throw EngineError(
            QStringLiteral("Impossibile mettere la copia al posto di '%1'.").arg(native(path)));
    }
    syncFolderOf(path);
    return kept;
}

bool verify(const QString& fileOrFolder, QStringList* lines) {
    QStringList files;
    const QFileInfo info(fileOrFolder);
    if (info.isDir()) {
        const QDir dir(fileOrFolder);
        for (const QString& name : dir.entryList({QStringLiteral("*.MDB"), QStringLiteral("*.mdb")},
                                                 QDir::Files, QDir::Name | QDir::Reversed))
            files << dir.filePath(name);
        if (files.isEmpty())
            throw EngineError(QStringLiteral("Nessuna copia dell'archivio nella cartella '%1'.")
                                  .arg(native(fileOrFolder)));
    } else {
        files << fileOrFolder;
    }
    bool allSound = true;
    for (const QString& file : files) {
        QString verdict;
        try {
            Connection copy(LogbookKind());
            copy.openFile(file);
            switch (copy.checkSoundness(CheckBudgetMs)) {
            case Connection::Soundness::Sound:
                verdict = QStringLiteral("integra");
                break;
            case Connection::Soundness::Damaged:
                verdict = QStringLiteral("danneggiata");
                break;
            case Connection::Soundness::NotChecked:
                verdict = QStringLiteral("non verificata (controllo troppo lungo)");
                break;
            }
        } catch (const EngineError& e) {
            verdict = QStringLiteral("non utilizzabile: %1").arg(e.message());
        }
        if (verdict != QLatin1String("integra"))
            allSound = false;
        lines->append(QStringLiteral("%1: %2").arg(native(file), verdict));
    }
    return allSound;
}

} // namespace LogbookCopies
