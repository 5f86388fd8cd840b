// lunkerledger-db: maintenance of logbook database files.
//   lunkerledger-db create PATH          creates a new database from the shipped schema and
//                                        seed; an existing file is never overwritten.
//   lunkerledger-db backup PATH DEST     writes a consistent copy of the logbook at PATH into
//                                        the new file DEST.
//   lunkerledger-db restore BACKUP PATH  puts the copy BACKUP in place of the logbook at PATH,
//                                        keeping the replaced file as
//                                        PATH.prima-del-ripristino; refused while the program
//                                        has PATH open.
//   lunkerledger-db demo PATH            writes a demonstration logbook at PATH, with its
//                                        photos in foto-demo beside it.
#include "data/LogbookLock.h"
#include "data/ShippedFiles.h"
#include "engine/Connection.h"
#include "engine/EngineError.h"
#include "tools/DemoLogbook.h"

#include <QCoreApplication>

#include <QFile>
#include <QString>
#include <cstdio>

namespace {

int usage() {
    std::fprintf(stderr, "Uso: lunkerledger-db create PERCORSO\n"
                         "     lunkerledger-db backup PERCORSO DESTINAZIONE\n"
                         "     lunkerledger-db restore COPIA PERCORSO\n"
                         "     lunkerledger-db demo PERCORSO\n");
    return 2;
}

void restore(const QString& backup, const QString& path) {
    if (LogbookLock::heldByAnother(path))
        throw EngineError(QStringLiteral("L'archivio '%1' è aperto in LunkerLedger: chiudere il "
                                         "programma prima del ripristino.")
                              .arg(path));
    Connection copy;
    copy.openFile(backup); // refuses a file that is not a logbook
    const QString kept = path + QStringLiteral(".prima-del-ripristino");
    if (QFile::exists(path)) {
        QFile::remove(kept);
        if (!QFile::rename(path, kept))
            throw EngineError(
                QStringLiteral("Impossibile mettere da parte l'archivio '%1'.").arg(path));
    }
    try {
        copy.backupTo(path);
    } catch (const EngineError&) {
        QFile::rename(kept, path); // the logbook stays as it was
        throw;
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // the demo's photos need the image plugins
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const bool create = command == QLatin1String("create") && argc == 3;
    const bool backup = command == QLatin1String("backup") && argc == 4;
    const bool restoring = command == QLatin1String("restore") && argc == 4;
    const bool demo = command == QLatin1String("demo") && argc == 3;
    if (!create && !backup && !restoring && !demo)
        return usage();
    const QString first = QString::fromLocal8Bit(argv[2]);
    const QString second = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    try {
        if (create) {
            ShippedFiles::createDatabase(first);
            std::printf("Database creato: %s\n", argv[2]);
        } else if (demo) {
            WriteDemoLogbook(first);
            std::printf("Archivio dimostrativo creato: %s\n", argv[2]);
        } else if (backup) {
            Connection logbook;
            logbook.openFile(first);
            logbook.backupTo(second);
            std::printf("Copia salvata: %s\n", argv[3]);
        } else {
            restore(first, second);
            std::printf("Archivio ripristinato: %s\n", argv[3]);
        }
    } catch (const EngineError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
