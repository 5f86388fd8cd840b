// The logbook's format grows without putting a logbook at risk: every row of a lived-in
// logbook survives an upgrade, a failing script, a full disk or a broken reference leaves the
// file byte for byte as it was, a kill leaves the old or the new version and never a mix,
// and the statistics answer exactly as before on the upgraded file.
#include "data/LogbookFormat.h"
#include "data/LogbookLock.h"
#include "data/LogbookUpgrade.h"
#include "data/ShippedFiles.h"
#include "engine/Connection.h"
#include "engine/EngineError.h"
#include "engine/Script.h"
#include "stats/UDM_Statistiche.h"
#include "tests/support/ReadOnlyFile.h"
#include "tests/support/Sql.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using LogbookFormat::Migration;
using LogbookUpgrade::Outcome;

namespace {

const QStringList kTables = {QStringLiteral("TLago"),         QStringLiteral("TPescatore"),
                             QStringLiteral("TTipovento"),    QStringLiteral("TTipoPastura"),
                             QStringLiteral("TEsca"),         QStringLiteral("TInnesco"),
                             QStringLiteral("TMontatura"),    QStringLiteral("TTipoCondMeteo"),
                             QStringLiteral("TTipoSessione"), QStringLiteral("TStagioni"),
                             QStringLiteral("TLuna"),         QStringLiteral("TOrario"),
                             QStringLiteral("TUscita"),       QStringLiteral("TPreda"),
                             QStringLiteral("TPastura"),      QStringLiteral("TUscitaPescatore"),
                             QStringLiteral("TReportage")};

QByteArray fileHash(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// Every row of the seventeen tables and their definitions, as text.
QString dump(const Connection& c) {
    QString out;
    for (const QString& table : kTables) {
        for (const QVariantList& row : selectRows(
                 c, QStringLiteral("SELECT sql FROM sqlite_master WHERE name = '%1'").arg(table)))
            out += row.value(0).toString() + QLatin1Char('\n');
        for (const QVariantList& row :
             selectRows(c, QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table))) {
            for (const QVariant& v : row)
                out += (v.isNull() ? QStringLiteral("<null>") : v.toString()) + QLatin1Char('|');
            out += QLatin1Char('\n');
        }
    }
    return out;
}

int runTool(const QStringList& arguments, QString* out = nullptr, QString* err = nullptr) {
    QProcess tool;
    tool.start(QStringLiteral(LL_DB_TOOL), arguments);
    tool.waitForFinished(120000);
    if (out)
        *out = QString::fromUtf8(tool.readAllStandardOutput());
    if (err)
        *err = QString::fromUtf8(tool.readAllStandardError());
    return tool.exitCode();
}

// A version-1 logbook holding the demonstration logbook's rows, every kind of row, and two
// references the angler's old program left behind: a catch naming a bait deleted long ago
// and a session on a lake that no longer exists.
void writeLivedInVersionOne(const QString& path) {
    QTemporaryDir demoDir;
    const QString demo = demoDir.filePath(QStringLiteral("demo.MDB"));
    QCOMPARE(runTool({QStringLiteral("demo"), demo}), 0);
    ShippedFiles::createDatabase(path, LogbookFormat::First);
    Connection c;
    c.openFile(path);
    execSql(c, QStringLiteral("PRAGMA foreign_keys = OFF"));
    executeScript(c, QStringLiteral("ATTACH DATABASE '%1' AS demo").arg(demo));
    executeScript(c, QStringLiteral("BEGIN"));
    for (const QString& table : kTables) {
        QStringList columns;
        for (const QVariantList& column :
             selectRows(c, QStringLiteral("PRAGMA main.table_info(%1)").arg(table)))
            columns << column.value(1).toString();
        const QString list = columns.join(QLatin1Char(','));
        executeScript(c, QStringLiteral("DELETE FROM main.%1; INSERT INTO main.%1 (%2) SELECT %2 "
                                        "FROM demo.%1")
                             .arg(table, list));
    }
    executeScript(
        c,
        QStringLiteral(
            "INSERT INTO TReportage (Nm_uscita, Ds_commento, Ds_percorso) "
            "SELECT min(Id_uscita), 'alba', 'foto/alba.jpg' FROM TUscita;"
            "UPDATE TPreda SET Nm_Esca = 9999 WHERE Id_preda = (SELECT min(Id_preda) FROM TPreda);"
            "UPDATE TUscita SET Nm_lago = 777 WHERE Id_uscita = (SELECT max(Id_uscita) FROM "
            "TUscita);"
            "COMMIT; DETACH DATABASE demo"));
}

} // namespace

class TestLogbookUpgrade : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void shippedScriptsAreNumberedInOrder();
    void upgradeKeepsEveryRowAndOldReferences();
    void failureLeavesTheFileByteIdentical_data();
    void failureLeavesTheFileByteIdentical();
    void keptCopyThatCannotBeWrittenStopsTheUpgrade();
    void readOnlyAndNewerFilesAreNotTouched();
    void hasFormatAnswersForFeatures();
    void killedUpgradeLeavesOldOrNewNeverAMix();
    void statisticsAnswerAsBefore();
    void toolCreatesUpgradesAndTells();

private:
    QTemporaryDir m_fixtures;
    QString m_versionOne; // the lived-in logbook, never changed: each test copies it
    QString m_versionOneDump;

    QString copyOfVersionOne(const QTemporaryDir& dir) {
        const QString path = dir.filePath(QStringLiteral("DATA2.MDB"));
        QFile::copy(m_versionOne, path);
        return path;
    }
};

void TestLogbookUpgrade::initTestCase() {
    m_versionOne = m_fixtures.filePath(QStringLiteral("versione1.MDB"));
    writeLivedInVersionOne(m_versionOne);
    Connection c;
    c.openFile(m_versionOne);
    QCOMPARE(LogbookFormat::versionOf(c), 1);
    QVERIFY(firstValue(c, QStringLiteral("SELECT count(*) FROM TPreda")).toInt() > 100);
    QVERIFY(firstValue(c, QStringLiteral("SELECT count(*) FROM TReportage")).toInt() > 0);
    QCOMPARE(LogbookUpgrade::danglingReferences(c).size(), 2);
    m_versionOneDump = dump(c);
}

void TestLogbookUpgrade::shippedScriptsAreNumberedInOrder() {
    const auto& scripts = LogbookFormat::shipped();
    QVERIFY(!scripts.empty());
    for (size_t i = 0; i < scripts.size(); ++i) {
        QCOMPARE(scripts[i].version, int(i) + 2);
        QVERIFY2(!scripts[i].sql.trimmed().isEmpty(), qPrintable(scripts[i].name));
    }
    QCOMPARE(LogbookFormat::newest(), scripts.back().version);
    // A new file is made by the same scripts: the newest version, as an upgraded one.
    QTemporaryDir dir;
    const QString made = dir.filePath(QStringLiteral("nuovo.MDB"));
    ShippedFiles::createDatabase(made);
    Connection c;
    c.openFile(made);
    QCOMPARE(LogbookFormat::versionOf(c), LogbookFormat::newest());
}

void TestLogbookUpgrade::upgradeKeepsEveryRowAndOldReferences() {
    QTemporaryDir dir;
    const QString path = copyOfVersionOne(dir);
    Connection c;
    c.openFile(path);
    const LogbookUpgrade::Result result = LogbookUpgrade::run(c);
    QCOMPARE(int(result.outcome), int(Outcome::Upgraded));
    QCOMPARE(result.version, LogbookFormat::newest());
    QVERIFY(result.message.isEmpty());
    QCOMPARE(LogbookFormat::versionOf(c), LogbookFormat::newest());
    // The seventeen tables, their definitions and every row, unchanged; links intact.
    QCOMPARE(dump(c), m_versionOneDump);
    QCOMPARE(LogbookUpgrade::integrityProblems(c), QStringList{QStringLiteral("ok")});
    QCOMPARE(LogbookUpgrade::danglingReferences(c).size(), 2);
    // The copy of before, a version-1 file like the original.
    const QString kept = LogbookUpgrade::keptCopyPath(path, LogbookFormat::newest());
    QCOMPARE(QFileInfo(kept).fileName(),
             QStringLiteral("DATA2-prima-della-versione-%1.MDB").arg(LogbookFormat::newest()));
    Connection copy;
    copy.openFile(kept);
    QCOMPARE(LogbookFormat::versionOf(copy), 1);
    QCOMPARE(dump(copy), m_versionOneDump);
    // A second run has nothing to do.
    QCOMPARE(int(LogbookUpgrade::run(c).outcome), int(Outcome::Current));
}

void TestLogbookUpgrade::failureLeavesTheFileByteIdentical_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("spareDiskPages"); // -1: the disk does not fill
    QTest::addColumn<QString>("reason");
    QTest::newRow("script fails halfway")
        << QStringLiteral("CREATE TABLE TNuova (x); INSERT INTO TNuova VALUES (1);"
                          "INSERT INTO TabellaCheNonEsiste VALUES (2);")
        << -1
        << QStringLiteral("Un'istruzione dell'aggiornamento non è valida per questo archivio.");
    QTest::newRow("disk fills") << QStringLiteral("CREATE TABLE TNuova AS SELECT * FROM TPreda;")
                                << 1
                                << QStringLiteral("Il disco è pieno: liberare spazio e riprovare.");
    QTest::newRow("reference broken by the migration")
        << QStringLiteral("CREATE TABLE TPosizione (Id INTEGER PRIMARY KEY, Nm_lago INTEGER "
                          "REFERENCES TLago (Id_lago) DEFERRABLE INITIALLY DEFERRED);"
                          "INSERT INTO TPosizione VALUES (1, 123456);")
        << -1
        << QStringLiteral("L'aggiornamento renderebbe non validi 1 riferimenti tra le righe "
                          "dell'archivio.");
}

void TestLogbookUpgrade::failureLeavesTheFileByteIdentical() {
    QFETCH(QString, script);
    QFETCH(int, spareDiskPages);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = copyOfVersionOne(dir);
    const QByteArray before = fileHash(path);
    std::vector<Migration> migrations = LogbookFormat::shipped();
    const int target = LogbookFormat::newest() + 1;
    migrations.push_back({target, QStringLiteral("prova.sql"), script});
    {
        Connection c;
        c.openFile(path);
        if (spareDiskPages >= 0) {
            const int pages = firstValue(c, QStringLiteral("PRAGMA page_count")).toInt();
            execSql(c, QStringLiteral("PRAGMA max_page_count = %1").arg(pages + spareDiskPages));
        }
        const LogbookUpgrade::Result result = LogbookUpgrade::run(c, migrations);
        QCOMPARE(int(result.outcome), int(Outcome::Failed));
        QCOMPARE(result.version, 1);
        const QString kept = LogbookUpgrade::keptCopyPath(path, target);
        QCOMPARE(result.message,
                 LogbookUpgrade::kFailed.arg(target).arg(reason, QDir::toNativeSeparators(kept)));
        QVERIFY(QFile::exists(kept));
        QCOMPARE(LogbookFormat::versionOf(c), 1);
    }
    QCOMPARE(fileHash(path), before);
}

void TestLogbookUpgrade::keptCopyThatCannotBeWrittenStopsTheUpgrade() {
    QTemporaryDir dir;
    const QString path = copyOfVersionOne(dir);
    QFile blocker(dir.filePath(QStringLiteral("backup")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QByteArray before = fileHash(path);
    {
        Connection c;
        c.openFile(path);
        const LogbookUpgrade::Result result = LogbookUpgrade::run(c);
        QCOMPARE(int(result.outcome), int(Outcome::Failed));
        QVERIFY2(result.message.startsWith(LogbookUpgrade::kCopyFailed.left(40)),
                 qPrintable(result.message));
    }
    QCOMPARE(fileHash(path), before);
}

void TestLogbookUpgrade::readOnlyAndNewerFilesAreNotTouched() {
    QTemporaryDir dir;
    const QString readOnly = copyOfVersionOne(dir);
    const ReadOnlyFile locked(readOnly);
    if (!locked.ok())
        QSKIP("no way to make a file read-only here");
    const QString newer = dir.filePath(QStringLiteral("recente.MDB"));
    ShippedFiles::createDatabase(newer);
    {
        Connection c;
        c.openFile(newer);
        execSql(c, QStringLiteral("PRAGMA user_version = %1").arg(LogbookFormat::newest() + 5));
    }
    const QByteArray readOnlyBefore = fileHash(readOnly);
    const QByteArray newerBefore = fileHash(newer);
    {
        Connection c;
        c.openFile(readOnly);
        const LogbookUpgrade::Result result = LogbookUpgrade::run(c);
        QCOMPARE(int(result.outcome), int(Outcome::ReadOnly));
        QVERIFY(result.message.isEmpty()); // the connection module has already warned
        QCOMPARE(result.version, 1);
    }
    {
        Connection c;
        c.openFile(newer);
        const LogbookUpgrade::Result result = LogbookUpgrade::run(c);
        QCOMPARE(int(result.outcome), int(Outcome::Newer));
        QCOMPARE(result.message, LogbookUpgrade::kNewerVersion);
        c.setReadOnly();
        QVERIFY(c.isReadOnly());
        QVERIFY_THROWS_EXCEPTION(
            EngineError, execSql(c, QStringLiteral("INSERT INTO TUscita (Note) VALUES ('x')")));
    }
    QCOMPARE(fileHash(readOnly), readOnlyBefore);
    QCOMPARE(fileHash(newer), newerBefore);
    QVERIFY(!QDir(dir.filePath(QStringLiteral("backup"))).exists());
}

void TestLogbookUpgrade::hasFormatAnswersForFeatures() {
    QTemporaryDir dir;
    const QString old = copyOfVersionOne(dir);
    const QString current = dir.filePath(QStringLiteral("nuovo.MDB"));
    ShippedFiles::createDatabase(current);
    const int newest = LogbookFormat::newest();
    Connection c;
    QVERIFY(!LogbookFormat::has(c, 1)); // closed
    c.openFile(old);
    QVERIFY(LogbookFormat::has(c, 1));
    QVERIFY(!LogbookFormat::has(c, 2));
    c.openFile(current);
    QVERIFY(LogbookFormat::has(c, newest));
    QVERIFY(!LogbookFormat::has(c, newest + 1));
    c.setReadOnly();
    QVERIFY(!LogbookFormat::has(c, 1));
}

void TestLogbookUpgrade::killedUpgradeLeavesOldOrNewNeverAMix() {
    QTemporaryDir dir;
    const QString path = copyOfVersionOne(dir);
    const int target = LogbookFormat::newest() + 1;
    QRandomGenerator random(20261210);
    QSet<int> seen;
    for (int trial = 0; trial < 12; ++trial) {
        QProcess upgrader;
        upgrader.start(QStringLiteral(LL_CRASH_UPGRADE), {path});
        QVERIFY(upgrader.waitForReadyRead(20000)); // it has started the upgrade
        QTest::qWait(int(random.bounded(120)));
        upgrader.kill();
        QVERIFY(upgrader.waitForFinished());
        Connection after;
        after.openFile(path);
        const int version = LogbookFormat::versionOf(after);
        seen.insert(version);
        QCOMPARE(LogbookUpgrade::integrityProblems(after), QStringList{QStringLiteral("ok")});
        QCOMPARE(dump(after), m_versionOneDump);
        const int added =
            firstValue(after, QStringLiteral("SELECT count(*) FROM sqlite_master "
                                             "WHERE name IN ('TProva', 'IX_TPreda_peso_uscita')"))
                .toInt();
        if (version == 1) {
            QCOMPARE(added, 0);
        } else {
            QCOMPARE(version, target);
            QCOMPARE(added, 2);
            QCOMPARE(firstValue(after, QStringLiteral("SELECT count(*) FROM TProva")).toInt(),
                     300000);
            break; // upgraded: a later run has nothing left to interrupt
        }
    }
    QVERIFY(seen.contains(1));
    // A run to its end after the kills: upgraded, and nothing half-written left behind.
    QProcess last;
    last.start(QStringLiteral(LL_CRASH_UPGRADE), {path});
    QVERIFY(last.waitForFinished(60000));
    QCOMPARE(last.exitCode(), 0);
    Connection after;
    after.openFile(path);
    QCOMPARE(LogbookFormat::versionOf(after), target);
    const QStringList leftovers =
        QDir(dir.filePath(QStringLiteral("backup")))
            .entryList({QStringLiteral("*.nuova*"), QStringLiteral("*.parziale")});
    QVERIFY2(leftovers.isEmpty(), qPrintable(leftovers.join(QLatin1Char(' '))));
    Connection copy;
    copy.openFile(LogbookUpgrade::keptCopyPath(path, target));
    QCOMPARE(dump(copy), m_versionOneDump);
}

void TestLogbookUpgrade::statisticsAnswerAsBefore() {
    QTemporaryDir dir;
    const QString path = copyOfVersionOne(dir);
    Connection c;
    c.openFile(path);
    TDM_Statistiche stats(&c);
    stats.DataModuleCreate();
    const int lake = firstValue(c, QStringLiteral("SELECT Nm_lago FROM TUscita GROUP BY Nm_lago "
                                                  "ORDER BY count(*) DESC LIMIT 1"))
                         .toInt();
    auto answers = [&] {
        QStringList all;
        for (int quantity = 0; quantity < 13; ++quantity)
            for (int which : {int(AllLakes), lake}) {
                stats.BuildStatQuery(which, quantity);
                QString text;
                for (const QVariantList& row : selectRows(c, stats.StatSql))
                    for (const QVariant& v : row)
                        text += v.toString() + QLatin1Char('|');
                all << text;
            }
        return all;
    };
    const QStringList before = answers();
    QCOMPARE(int(LogbookUpgrade::run(c).outcome), int(Outcome::Upgraded));
    const QStringList after = answers();
    QCOMPARE(after, before);
    // And the grouped catches are now read from an index, not by a scan of every catch.
    stats.BuildStatQuery(lake, 6); // weight, one lake
    QString plan;
    for (const QVariantList& row :
         selectRows(c, QStringLiteral("EXPLAIN QUERY PLAN ") + stats.StatSql))
        plan += row.value(3).toString() + QLatin1Char('\n');
    QVERIFY2(!plan.contains(QStringLiteral("SCAN TPreda\n")) &&
                 plan.contains(QStringLiteral("INDEX")),
             qPrintable(plan));
}

void TestLogbookUpgrade::toolCreatesUpgradesAndTells() {
    QTemporaryDir dir;
    const QString created = dir.filePath(QStringLiteral("nuovo.MDB"));
    QString out, err;
    QCOMPARE(runTool({QStringLiteral("create"), created}), 0);
    QCOMPARE(runTool({QStringLiteral("info"), created}, &out), 0);
    QVERIFY2(
        out.startsWith(QStringLiteral("Versione del formato: %1 ").arg(LogbookFormat::newest())),
        qPrintable(out));

    const QString path = copyOfVersionOne(dir);
    const QByteArray before = fileHash(path);
    QCOMPARE(runTool({QStringLiteral("info"), path}, &out), 0);
    QCOMPARE(fileHash(path), before); // info never writes
    QVERIFY2(out.startsWith(QStringLiteral("Versione del formato: 1 ")), qPrintable(out));
    QVERIFY(out.contains(QStringLiteral("Integrità: ok\n")));
    QVERIFY(out.contains(QRegularExpression(QStringLiteral("\nTPreda +[1-9][0-9]* righe\n"))));
    QVERIFY(out.contains(QStringLiteral("Riferimenti a righe che non esistono più: 2\n")));
    QVERIFY(out.contains(QStringLiteral(": TEsca (")));

    {
        LogbookLock running;
        QVERIFY(running.acquire(path));
        QCOMPARE(runTool({QStringLiteral("upgrade"), path}, &out, &err), 1);
        QVERIFY2(err.contains(QStringLiteral("chiudere il programma")), qPrintable(err));
        QCOMPARE(fileHash(path), before);
    }
    QCOMPARE(runTool({QStringLiteral("upgrade"), path}, &out, &err), 0);
    QVERIFY2(
        out.startsWith(
            QStringLiteral("Archivio aggiornato alla versione %1").arg(LogbookFormat::newest())),
        qPrintable(out));
    QCOMPARE(runTool({QStringLiteral("upgrade"), path}, &out), 0);
    QVERIFY2(out.startsWith(QStringLiteral("L'archivio è già alla versione")), qPrintable(out));
    QCOMPARE(runTool({QStringLiteral("info"), path}, &out), 0);
    QVERIFY(out.contains(QStringLiteral("Riferimenti a righe che non esistono più: 2\n")));
}

QTEST_GUILESS_MAIN(TestLogbookUpgrade)
#include "tst_logbookupgrade.moc"
