// lunkerledger-db: maintenance of logbook database files.
//   lunkerledger-db create PATH          creates a new database in the newest format from
//                                        the shipped schema, seed and migrations; an
//                                        existing file is never overwritten.
//   lunkerledger-db upgrade PATH         brings the logbook at PATH to the newest format, as
//                                        the program does at start-up; refused while the
//                                        program has PATH open.
//   lunkerledger-db info PATH            prints the logbook's format version, the rows of
//                                        its tables, the integrity check and the references
//                                        to rows that no longer exist.
//   lunkerledger-db backup PATH DEST     writes a consistent copy of the logbook at PATH into
//                                        the new file DEST; a damaged logbook is not copied.
//   lunkerledger-db backup --verifica X  says which logbook copies are sound: the file X, or
//                                        every .MDB file of the folder X.
//   lunkerledger-db restore BACKUP PATH  puts the sound copy BACKUP in place of the logbook at
//                                        PATH in one step, keeping the replaced file (with
//                                        its journal, if any) as
//                                        PATH.prima-del-ripristino-yyyyMMdd-hhmmss; refused
//                                        while the program has PATH open.
//   lunkerledger-db demo PATH            writes a demonstration logbook at PATH, with its
//                                        photos in foto-demo beside it.
#include "data/LogbookKind.h"
#include "data/LogbookLock.h"
#include "data/LogbookUpgrade.h"
#include "data/ShippedFiles.h"
#include "engine/Connection.h"
#include "engine/EngineError.h"
#include "engine/Script.h"
#include "tools/DemoLogbook.h"
#include "tools/lunkerledger-db-copies.h"

#include <QCoreApplication>

#include <QFile>
#include <QString>
#include <cstdio>

namespace {

int usage() {
    std::fprintf(stderr, "Uso: lunkerledger-db create PERCORSO\n"
                         "     lunkerledger-db upgrade PERCORSO\n"
                         "     lunkerledger-db info PERCORSO\n"
                         "     lunkerledger-db backup PERCORSO DESTINAZIONE\n"
                         "     lunkerledger-db backup --verifica COPIA_O_CARTELLA\n"
                         "     lunkerledger-db restore COPIA PERCORSO\n"
                         "     lunkerledger-db demo PERCORSO\n");
    return 2;
}

void upgrade(const QString& path) {
    if (LogbookLock::heldByAnother(path))
        throw EngineError(QStringLiteral("L'archivio '%1' è aperto in LunkerLedger: chiudere il "
                                         "programma prima dell'aggiornamento.")
                              .arg(path));
    Connection logbook(LogbookKind());
    logbook.openFile(path);
    const LogbookUpgrade::Result result = LogbookUpgrade::run(logbook);
    switch (result.outcome) {
    case LogbookUpgrade::Outcome::Current:
        std::printf("L'archivio è già alla versione %d.\n", result.version);
        return;
    case LogbookUpgrade::Outcome::Upgraded:
        std::printf("Archivio aggiornato alla versione %d; la copia di prima è in %s\n",
                    result.version,
                    qPrintable(LogbookUpgrade::keptCopyPath(logbook.filePath(), result.version)));
        return;
    case LogbookUpgrade::Outcome::ReadOnly:
        throw EngineError(QStringLiteral("L'archivio '%1' è in sola lettura: non può essere "
                                         "aggiornato.")
                              .arg(path));
    case LogbookUpgrade::Outcome::Newer:
    case LogbookUpgrade::Outcome::Failed:
        throw EngineError(
            QString(result.message).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
}

// Everything is read, nothing written, whatever the file's version.
void info(const QString& path) {
    Connection logbook(LogbookKind());
    logbook.openFile(path);
    logbook.setReadOnly();
    std::printf("Versione del formato: %d (questo programma conosce fino alla %d)\n",
                LogbookFormat::versionOf(logbook), LogbookFormat::newest());
    static const char* const tables[] = {
        "TUscita",        "TPreda",     "TPastura",   "TUscitaPescatore",
        "TReportage",     "TLago",      "TPescatore", "TTipoSessione",
        "TEsca",          "TInnesco",   "TMontatura", "TTipoPastura",
        "TTipoCondMeteo", "TTipovento", "TOrario",    "TLuna",
        "TStagioni"};
    for (const char* table : tables) {
        const auto rows = selectRows(
            logbook, QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table)));
        std::printf("%-18s %lld righe\n", table, rows.front().value(0).toLongLong());
    }
    const QStringList problems = LogbookUpgrade::integrityProblems(logbook);
    std::printf("Integrità: %s\n", qPrintable(problems.join(QStringLiteral("\n  "))));
    const QStringList dangling = LogbookUpgrade::danglingReferences(logbook);
    std::printf("Riferimenti a righe che non esistono più: %lld\n", qlonglong(dangling.size()));
    for (const QString& line : dangling)
        std::printf("  %s\n", qPrintable(line));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // the demo's photos need the image plugins
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const bool create = command == QLatin1String("create") && argc == 3;
    const bool backup =
        command == QLatin1String("backup") && argc == 4 && qstrcmp(argv[2], "--verifica") != 0;
    const bool verify =
        command == QLatin1String("backup") && argc == 4 && qstrcmp(argv[2], "--verifica") == 0;
    const bool restoring = command == QLatin1String("restore") && argc == 4;
    const bool demo = command == QLatin1String("demo") && argc == 3;
    const bool upgrading = command == QLatin1String("upgrade") && argc == 3;
    const bool informing = command == QLatin1String("info") && argc == 3;
    if (!create && !backup && !verify && !restoring && !demo && !upgrading && !informing)
        return usage();
    const QString first = QString::fromLocal8Bit(argv[2]);
    const QString second = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    try {
        if (create) {
            ShippedFiles::createDatabase(first);
            std::printf("Database creato: %s\n", argv[2]);
        } else if (upgrading) {
            upgrade(first);
        } else if (informing) {
            info(first);
        } else if (demo) {
            WriteDemoLogbook(first);
            std::printf("Archivio dimostrativo creato: %s\n", argv[2]);
        } else if (backup) {
            LogbookCopies::backup(first, second);
            std::printf("Copia salvata: %s\n", argv[3]);
        } else if (verify) {
            QStringList lines;
            const bool sound = LogbookCopies::verify(second, &lines);
            for (const QString& line : lines)
                std::printf("%s\n", line.toLocal8Bit().constData());
            return sound ? 0 : 1;
        } else {
            const QString kept = LogbookCopies::restore(first, second);
            std::printf("Archivio ripristinato: %s\n", argv[3]);
            if (!kept.isEmpty())
                std::printf("L'archivio sostituito è conservato in: %s\n",
                            kept.toLocal8Bit().constData());
        }
    } catch (const EngineError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
