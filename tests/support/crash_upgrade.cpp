// Test helper: upgrades the logbook it is given with the shipped scripts and one long extra
// one, telling the test as soon as the upgrade has started, so the test can kill it midway.
#include "data/LogbookUpgrade.h"
#include "engine/Connection.h"

#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    Connection connection;
    connection.openFile(QString::fromLocal8Bit(argv[1]));
    std::vector<LogbookFormat::Migration> migrations = LogbookFormat::shipped();
    migrations.push_back(
        {LogbookFormat::newest() + 1, QStringLiteral("lunga.sql"),
         QStringLiteral("CREATE TABLE TProva (x INTEGER);"
                        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                        "FROM n WHERE i < 300000) INSERT INTO TProva SELECT i FROM n;"
                        "CREATE INDEX IX_TProva ON TProva (x);")});
    bool told = false;
    const auto result = LogbookUpgrade::run(connection, migrations, [&told] {
        if (!told) {
            std::printf("in corso\n");
            std::fflush(stdout);
            told = true;
        }
    });
    return result.outcome == LogbookUpgrade::Outcome::Upgraded ? 0 : 1;
}
