// Start-up: every module and window created in order over a temporary program directory;
// with the database or qry.ini missing, the exact boxes, the exact number of times, and the
// program going on to show its main window after the splash.
#include "app/Startup.h"
#include "app/U_FRM_FrmAbout.h"
#include "app/U_FRM_FrmPrincipale.h"
#include "app/U_FRM_FrmStart.h"
#include "data/DailyBackup.h"
#include "data/LogbookLock.h"
#include "data/ShippedFiles.h"
#include "data/UDM_Connessione.h"
#include "data/U_QFile.h"
#include "details/U_FRM_FrmVisFoto.h"
#include "lists/UDM_Elenco.h"
#include "lists/U_FRM_FrmCambiaElenco.h"
#include "sessions/UDM_Reportage.h"
#include "sessions/UDM_Sessioni.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/Sql.h"
#include "tests/support/TestProgramDir.h"

#include <QFile>
#include <QTest>

namespace {

const QString kQueryText = QStringLiteral(
    "ERRORE: impossibile trovare la stringa di query.\r\nControllare la presenza di un file "
    "denominato 'qry.ini' nella \r\ndirectory del programma");

// Runs the splash to its end by its own ticks, as the timers would.
void runSplash() {
    TFrmStart* splash = FrmStart;
    QVERIFY(splash);
    for (int i = 0; i < 18; ++i)
        splash->Timer1Timer();
    splash->Timer2Timer();
    for (int i = 0; i < 18; ++i)
        splash->Timer1Timer();
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void normalStart();
    void failures_data();
    void failures();
    void secondProgramOnTheSameLogbook();
    void folderThatTakesNoFile();
    void failingTextOrMissingTableNamed_data();
    void failingTextOrMissingTableNamed();
    void dailyCopyAtStartUp();
};

void TestStartup::normalStart() {
    TestProgramDir dir;
    ScriptedMessages messages;
    Program program;
    program.create();
    QVERIFY(messages.shown().isEmpty());
    QVERIFY(DM_Conn->ADOConnection1.isOpen());
    QVERIFY(DM_Sessioni->ADOQ_Sessioni.isOpen());
    QVERIFY(DM_Sessioni->ADOQ_Luna.isOpen());
    QVERIFY(!DM_Sessioni->ADOQ_SESSPrede.isOpen()); // no session id yet
    QVERIFY(DM_Elenco->ADOQ_TipoSessione.isOpen());
    QVERIFY(DM_Reportage && FrmCambiaElenco && FrmVisFoto && FrmAbout);
    QVERIFY(FrmStart && FrmStart->isVisible());
    QVERIFY(FrmStart->Timer1.isActive()); // fading only once everything exists
    QVERIFY(!FrmUscita->isVisible());
    runSplash();
    QVERIFY(FrmUscita->isVisible());
    QCOMPARE(FrmUscita->SessionDataSetName, QStringLiteral("ADOQ_Sessioni"));
    QCOMPARE(FrmUscita->GroundbaitDataSetName, QStringLiteral("ADOQ_SESSPastura"));
    QCOMPARE(FrmUscita->CatchDataSetName, QStringLiteral("ADOQ_SESSPrede"));
    QVERIFY(!FrmStart); // released by the main window's first showing
    QTRY_VERIFY(!FrmUscita->splash());
}

void TestStartup::failures_data() {
    QTest::addColumn<bool>("database");
    QTest::addColumn<bool>("ini");
    QTest::addColumn<QStringList>("expected");
    // Each box tagged with the module loading then: the sessions module's sixteen queries
    // first, then the lists module's nine.
    QStringList queryErrors;
    for (int i = 0; i < 16; ++i)
        queryErrors << QStringLiteral("DM_Sessioni: ") + kQueryText;
    for (int i = 0; i < 9; ++i)
        queryErrors << QStringLiteral("DM_Elenco: ") + kQueryText;
    const QString connection = QStringLiteral("DM_Conn: ") + TDM_Conn::kConnectionFailed;
    QTest::newRow("no database") << false << true << QStringList{connection};
    QTest::newRow("no qry.ini") << true << false << queryErrors;
    QTest::newRow("neither") << false << false << (QStringList{connection} + queryErrors);
}

void TestStartup::failures() {
    QFETCH(bool, database);
    QFETCH(bool, ini);
    QFETCH(QStringList, expected);
    TestProgramDir dir(database ? TestProgramDir::DatabaseOnly : TestProgramDir::Nothing);
    if (ini)
        dir.writeIni(ShippedFiles::queryIni().toUtf8());
    ScriptedMessages messages;
    int boxesWhileFading = 0;
    QStringList tagged;
    messages.onShow = [&](const MessageRequest& box) {
        if (FrmStart && FrmStart->Timer1.isActive())
            ++boxesWhileFading;
        const char* loading = DM_Elenco     ? "DM_Elenco: "
                              : DM_Sessioni ? "DM_Sessioni: "
                                            : "DM_Conn: ";
        tagged << QLatin1String(loading) + box.text;
    };
    Program program;
    program.create();
    QCOMPARE(boxesWhileFading, 0); // the splash cannot end while start-up is still reporting
    QCOMPARE(tagged, expected);
    messages.texts();
    QCOMPARE(messages.shown().front().caption, QStringLiteral("Error"));
    QVERIFY(!DM_Sessioni->ADOQ_Sessioni.isOpen());
    QVERIFY(!DM_Elenco->ADOQ_Lago.isOpen());
    // Start-up went on to create everything after the failures.
    QVERIFY(DM_Reportage && FrmCambiaElenco && FrmVisFoto && FrmAbout);
    if (!database)
        QCOMPARE(
            messages.shown().front().text,
            QStringLiteral("Si sono verificati errori durante l'accesso ai dati. Controllare la "
                           "\r\npresenza di un file con estensione mdb  nella stessa cartella "
                           "\r\ndel programma."));
    messages.clear();
    runSplash();
    QVERIFY(FrmUscita->isVisible()); // the program goes on
}

void TestStartup::secondProgramOnTheSameLogbook() {
    TestProgramDir dir;
    Program first;
    QVERIFY(first.claimLogbook());
    ScriptedMessages messages;
    Program second;
    QVERIFY(!second.claimLogbook());
    QCOMPARE(messages.texts(), QStringList{LogbookLock::kAlreadyOpen});
    QCOMPARE(messages.shown().front().caption, QStringLiteral("Error"));
    QVERIFY(!FrmUscita); // nothing was opened
}

void TestStartup::folderThatTakesNoFile() {
    TestProgramDir dir;
    if (!makeUnwritable(dir.path()))
        QSKIP("no way to make a folder unwritable here");
    struct Undo {
        QString folder;
        ~Undo() { makeWritable(folder); }
    } undo{dir.path()};
    ScriptedMessages messages;
    Program program;
    QVERIFY(program.claimLogbook()); // no other program: the lock just cannot be created
    program.create();
    QCOMPARE(messages.texts(), QStringList{TDM_Conn::kFolderReadOnly});
    QCOMPARE(messages.shown().front().caption, QStringLiteral("Warning"));
    QVERIFY(DM_Conn->ADOConnection1.isReadOnly());
    QVERIFY(DM_Sessioni->ADOQ_Sessioni.isOpen());
}

void TestStartup::failingTextOrMissingTableNamed_data() {
    QTest::addColumn<QString>("brokenKey"); // a text of [DM_Elenco] made invalid
    QTest::addColumn<QString>("dropped");   // a table taken out of the logbook
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("invalid text") << "ADOQ_Esca" << QString()
                                  << QStringList{kQueryTextFailed.arg(QStringLiteral("DM_Elenco"),
                                                                      QStringLiteral("ADOQ_Esca"))};
    QTest::newRow("dropped list table")
        << QString() << "TEsca" << QStringList{kTableMissing.arg(QStringLiteral("TEsca"))};
}

void TestStartup::failingTextOrMissingTableNamed() {
    QFETCH(QString, brokenKey);
    QFETCH(QString, dropped);
    QFETCH(QStringList, expected);
    TestProgramDir dir;
    if (!brokenKey.isEmpty()) {
        QByteArray ini = ShippedFiles::queryIni().toUtf8();
        const QByteArray key = brokenKey.toUtf8() + "=SELECT";
        QVERIFY(ini.contains(key));
        ini.replace(key, key + " Colonna_inesistente,");
        dir.writeIni(ini);
    }
    if (!dropped.isEmpty()) {
        execSql(dir.connection(), QStringLiteral("DROP TABLE %1").arg(dropped));
        dir.connection().close();
    }
    ScriptedMessages messages;
    Program program;
    program.create();
    QCOMPARE(messages.texts(), expected);
    QVERIFY(DM_Sessioni->ADOQ_Sessioni.isOpen()); // the rest works
}

void TestStartup::dailyCopyAtStartUp() {
    {
        TestProgramDir dir;
        ScriptedMessages messages;
        Program program;
        program.create();
        const QString todays =
            dir.path() + QStringLiteral("backup/") + DailyBackup::fileName(QDate::currentDate());
        // Not before the angler has the main window, and then without holding it up.
        QVERIFY(!QFile::exists(todays));
        runSplash();
        QVERIFY(FrmUscita->isVisible());
        QTRY_VERIFY(QFile::exists(todays));
        QVERIFY(messages.shown().isEmpty());
    }
    // A copy that cannot be written: one warning naming why, and the program goes on.
    TestProgramDir dir;
    QFile blocker(dir.path() + QStringLiteral("backup"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ScriptedMessages messages;
    Program program;
    program.create();
    runSplash();
    QTRY_COMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().front().caption, QStringLiteral("Warning"));
    QVERIFY(messages.texts().front().startsWith(
        QStringLiteral("La copia di sicurezza giornaliera dell'archivio non è stata salvata")));
    QVERIFY(DM_Sessioni->ADOQ_Sessioni.isOpen());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
