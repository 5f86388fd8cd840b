// Test helper: saves sessions through the engine, one after another, and prints each key as
// soon as its row is committed, until it is killed.
#include "engine/Connection.h"
#include "engine/Query.h"

#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    Connection connection;
    connection.openFile(QString::fromLocal8Bit(argv[1]));
    Query sessions(QStringLiteral("ADOQ_Sessioni"), nullptr, &connection);
    sessions.setSql(QStringLiteral("SELECT Id_uscita, DataDa, Note FROM TUscita WHERE 0"));
    sessions.open();
    for (int i = 0;; ++i) {
        sessions.insert();
        sessions.setValue(QStringLiteral("Note"), QStringLiteral("riga %1 ").arg(i).repeated(20));
        sessions.post();
        std::printf("%d\n", sessions.value(0).toInt());
        std::fflush(stdout);
    }
}
