// Start-up brings an older logbook to the program's format right after the connection opens:
// silently when it works; one Italian box and the logbook untouched when it cannot; a
// read-only or newer logbook opened for reading, never written. A long upgrade shows a
// progress dialog, a short one nothing.
#include "app/U_FRM_FrmPrincipale.h"
#include "app/UpgradeProgress.h"
#include "data/LogbookFormat.h"
#include "data/LogbookUpgrade.h"
#include "data/ShippedFiles.h"
#include "data/UDM_Connessione.h"
#include "sessions/UDM_Sessioni.h"
#include "tests/support/ReadOnlyFile.h"
#include "tests/support/WindowFixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QByteArray fileHash(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// The fixture's fresh logbook replaced by a version-1 one with a session in it.
void versionOne(WindowFixture& f) {
    const QString path = f.dir().databasePath();
    QFile::remove(path);
    ShippedFiles::createDatabase(path, LogbookFormat::First);
    f.exec(QStringLiteral("INSERT INTO TUscita (DataDa, Note) VALUES ('2025-06-01', 'alba')"));
    f.dir().connection().close();
}

// The menu items of the newer format: on, or off with the hint that says why.
void formatFeaturesOn(bool on) {
    for (QAction* item : {FrmUscita->PosizioneLaghi1, FrmUscita->SoleLuna1}) {
        QCOMPARE(item->isEnabled(), on);
        QCOMPARE(item->toolTip() == TFrmUscita::kNeedsFormat, !on);
    }
}

} // namespace

class TestUpgradeStartup : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { m_fixture.finish(); }
    void olderLogbookUpgradedSilently();
    void upgradeThatCannotStartSaysSoOnce();
    void newerLogbookOpensReadOnly();
    void readOnlyLogbookIsNotUpgraded();
    void progressDialogOnlyForALongUpgrade();

private:
    WindowFixture m_fixture;
};

void TestUpgradeStartup::olderLogbookUpgradedSilently() {
    m_fixture.start(versionOne);
    QVERIFY(m_fixture.messages().shown().isEmpty());
    QCOMPARE(LogbookFormat::versionOf(DM_Conn->ADOConnection1), LogbookFormat::newest());
    QVERIFY(DM_Conn->HasFormat(LogbookFormat::newest()));
    QVERIFY(QFile::exists(
        LogbookUpgrade::keptCopyPath(m_fixture.dir().databasePath(), LogbookFormat::newest())));
    QVERIFY(m_fixture.showMainWindow());
    QCOMPARE(DM_Sessioni->ADOQ_Sessioni.recordCount(), 1);
    formatFeaturesOn(true);
}

void TestUpgradeStartup::upgradeThatCannotStartSaysSoOnce() {
    QByteArray before;
    m_fixture.start([&before](WindowFixture& f) {
        versionOne(f);
        // Where the kept copy is first written stands a folder: the copy cannot be made.
        const QString kept =
            LogbookUpgrade::keptCopyPath(f.dir().databasePath(), LogbookFormat::newest());
        QVERIFY(QDir().mkpath(kept + QStringLiteral(".nuova")));
        before = fileHash(f.dir().databasePath());
    });
    const QStringList texts = m_fixture.messages().texts();
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts.front().startsWith(LogbookUpgrade::kCopyFailed.arg(LogbookFormat::newest())
                                          .section(QStringLiteral("\r\n"), 0, 0)),
             qPrintable(texts.front()));
    QCOMPARE(m_fixture.messages().shown().front().kind, MessageKind::Warning);
    // The program goes on over the old logbook, its new features off.
    QVERIFY(!DM_Conn->HasFormat(LogbookFormat::newest()));
    QVERIFY(DM_Conn->HasFormat(LogbookFormat::First));
    QVERIFY(m_fixture.showMainWindow());
    QCOMPARE(DM_Sessioni->ADOQ_Sessioni.recordCount(), 1);
    QCOMPARE(fileHash(m_fixture.dir().databasePath()), before);
    formatFeaturesOn(false);
}

void TestUpgradeStartup::newerLogbookOpensReadOnly() {
    QByteArray before;
    m_fixture.start([&before](WindowFixture& f) {
        f.exec(QStringLiteral("PRAGMA user_version = %1").arg(LogbookFormat::newest() + 1));
        f.exec(
            QStringLiteral("INSERT INTO TUscita (DataDa, Note) VALUES ('2031-06-01', 'futuro')"));
        f.dir().connection().close();
        before = fileHash(f.dir().databasePath());
    });
    QCOMPARE(m_fixture.messages().texts(), QStringList{LogbookUpgrade::kNewerVersion});
    QVERIFY(DM_Conn->ADOConnection1.isReadOnly());
    QVERIFY(!DM_Conn->HasFormat(LogbookFormat::First));
    QVERIFY(m_fixture.showMainWindow());
    QCOMPARE(DM_Sessioni->ADOQ_Sessioni.recordCount(), 1);
    QCOMPARE(fileHash(m_fixture.dir().databasePath()), before);
    formatFeaturesOn(false);
}

void TestUpgradeStartup::readOnlyLogbookIsNotUpgraded() {
    QByteArray before;
    std::unique_ptr<ReadOnlyFile> locked;
    m_fixture.start([&](WindowFixture& f) {
        versionOne(f);
        before = fileHash(f.dir().databasePath());
        locked = std::make_unique<ReadOnlyFile>(f.dir().databasePath());
    });
    if (!locked->ok())
        QSKIP("no way to make a file read-only here");
    QCOMPARE(m_fixture.messages().texts(), QStringList{TDM_Conn::kReadOnly});
    QCOMPARE(LogbookFormat::versionOf(DM_Conn->ADOConnection1), LogbookFormat::First);
    QVERIFY(!DM_Conn->HasFormat(LogbookFormat::First));
    QVERIFY(!QFile::exists(
        LogbookUpgrade::keptCopyPath(m_fixture.dir().databasePath(), LogbookFormat::newest())));
    QVERIFY(m_fixture.showMainWindow());
    QCOMPARE(fileHash(m_fixture.dir().databasePath()), before);
    formatFeaturesOn(false);
}

void TestUpgradeStartup::progressDialogOnlyForALongUpgrade() {
    {
        UpgradeProgress quick; // half a second has not gone by
        quick.tick();
        QVERIFY(!quick.dialog());
    }
    UpgradeProgress slow(0);
    slow.tick();
    QVERIFY(slow.dialog());
    QVERIFY(slow.dialog()->isVisible());
    QCOMPARE(slow.dialog()->labelText(), UpgradeProgress::kText);
    slow.tick(); // later ticks keep the same dialog
    QVERIFY(slow.dialog()->isVisible());
}

QTEST_MAIN(TestUpgradeStartup)
#include "tst_upgradestartup.moc"
