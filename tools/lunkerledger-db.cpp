// lunkerledger-db: maintenance of logbook database files.
//   lunkerledger-db create PATH   creates a new database from the shipped schema and seed;
//                                 an existing file is never overwritten.
#include "data/ShippedFiles.h"
#include "engine/EngineError.h"

#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3 || QString::fromLocal8Bit(argv[1]) != QLatin1String("create")) {
        std::fprintf(stderr, "Uso: lunkerledger-db create PERCORSO\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[2]);
    try {
        ShippedFiles::createDatabase(path);
    } catch (const EngineError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::printf("Database creato: %s\n", argv[2]);
    return 0;
}
