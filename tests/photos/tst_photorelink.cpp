// Finding moved photos: the rules that propose a new path (a name found once, several files
// of that name, nothing found), the search through a folder that skips what it cannot read
// and never loops, and the window in the real program storing every accepted path in one
// transaction, or nothing when a change fails.
#include "app/U_FRM_FrmPrincipale.h"
#include "data/UDM_Connessione.h"
#include "details/CatchPanel.h"
#include "photos/PhotoRelink.h"
#include "photos/UDM_Foto.h"
#include "photos/U_FRM_FrmTrovaFoto.h"
#include "tests/support/WindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <unistd.h>

class TestPhotoRelink : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { f.finish(); }
    void proposals_data();
    void proposals();
    void searchSkipsWhatItCannotRead();
    void windowRelinksInOneTransaction();
    void aFailingChangeStoresNothing();

private:
    WindowFixture f;
    QTemporaryDir m_disk;
    QString file(const QString& relative) {
        const QString path = m_disk.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write("foto");
        return path;
    }
    // Catches and reportage entries pointing at the old disk; what is in `present` exists.
    void start(const QStringList& catches, const QStringList& reportage,
               const QString& trigger = {});
    void openWindow(const std::function<void(TFrmTrovaFoto&)>& inside);
};

void TestPhotoRelink::proposals_data() {
    QTest::addColumn<QStringList>("files"); // under the searched folder
    QTest::addColumn<QString>("old");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("proposed");
    using P = PhotoRelink::Proposal;
    QTest::newRow("unique name") << QStringList{"2019/garda/IMG_1.jpg", "altro.jpg"}
                                 << "/media/vecchio/foto/IMG_1.jpg" << int(P::Found)
                                 << "2019/garda/IMG_1.jpg";
    QTest::newRow("several: the one ending like the old path")
        << QStringList{"2019/garda/IMG_2.jpg", "2020/bolsena/IMG_2.jpg"}
        << "D:\\Foto\\bolsena\\IMG_2.jpg" << int(P::Found) << "2020/bolsena/IMG_2.jpg";
    QTest::newRow("several, none stands out: the angler chooses")
        << QStringList{"a/IMG_3.jpg", "b/IMG_3.jpg"} << "/foto/c/IMG_3.jpg" << int(P::Choose) << "";
    QTest::newRow("nothing found")
        << QStringList{"a/IMG_5.jpg"} << "/foto/IMG_4.jpg" << int(P::NotFound) << "";
}

void TestPhotoRelink::proposals() {
    QFETCH(QStringList, files);
    QFETCH(QString, old);
    QFETCH(int, kind);
    QFETCH(QString, proposed);
    QTemporaryDir folder;
    for (const QString& name : files) {
        QDir().mkpath(QFileInfo(folder.filePath(name)).path());
        QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
    }
    const PhotoRelink::FolderIndex index = PhotoRelink::indexFolder(folder.path());
    QCOMPARE(index.files, int(files.size()));
    const PhotoRelink::Proposal p = PhotoRelink::propose(old, index);
    QCOMPARE(int(p.kind), kind);
    QCOMPARE(p.newPath, proposed.isEmpty() ? QString() : folder.filePath(proposed));
}

void TestPhotoRelink::searchSkipsWhatItCannotRead() {
    QTemporaryDir folder;
    QDir root(folder.path());
    root.mkpath(QStringLiteral("a/b"));
    QFile(folder.filePath(QStringLiteral("a/b/IMG_1.jpg"))).open(QIODevice::WriteOnly);
    QFile(folder.filePath(QStringLiteral("vuota.jpg"))).open(QIODevice::WriteOnly); // 0 bytes
    // A link back to the top: followed, it would never end.
    QVERIFY(QFile::link(folder.path(), folder.filePath(QStringLiteral("a/b/giro"))));
    root.mkpath(QStringLiteral("chiusa"));
    QFile(folder.filePath(QStringLiteral("chiusa/IMG_9.jpg"))).open(QIODevice::WriteOnly);
    QFile::setPermissions(folder.filePath(QStringLiteral("chiusa")), QFileDevice::Permissions());
    const PhotoRelink::FolderIndex index = PhotoRelink::indexFolder(folder.path());
    QFile::setPermissions(folder.filePath(QStringLiteral("chiusa")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(index.byName.contains(QStringLiteral("IMG_1.jpg")));
    QVERIFY(index.byName.contains(QStringLiteral("vuota.jpg")));
    if (geteuid() != 0) { // permissions do not stop the superuser
        QCOMPARE(index.unreadableFolders, 1);
        QVERIFY(!index.byName.contains(QStringLiteral("IMG_9.jpg")));
    }
    // Cancelled at the first report: nothing proposed from half a search.
    QTemporaryDir many;
    for (int i = 0; i < 600; ++i)
        QFile(many.filePath(QStringLiteral("f%1.jpg").arg(i))).open(QIODevice::WriteOnly);
    QVERIFY(PhotoRelink::indexFolder(many.path(), [](int) { return false; }).cancelled);
}

void TestPhotoRelink::start(const QStringList& catches, const QStringList& reportage,
                            const QString& trigger) {
    f.start([&](WindowFixture& w) {
        w.exec(QStringLiteral("INSERT INTO TUscita (DataDa) VALUES ('2019-06-10')"));
        for (const QString& c : catches)
            w.exec(QStringLiteral("INSERT INTO TPreda (Nm_uscita, Data, Ds_tipo, Foto) "
                                  "VALUES (1, '2019-06-10', 'Regina', '%1')")
                       .arg(c));
        for (const QString& r : reportage)
            w.exec(QStringLiteral("INSERT INTO TReportage (Nm_uscita, Ds_commento, Ds_percorso) "
                                  "VALUES (1, 'Alba', '%1')")
                       .arg(r));
        if (!trigger.isEmpty())
            w.exec(trigger);
    });
    QVERIFY(f.showMainWindow());
    f.messages().clear(); // the current catch's photo is missing: the panel says so
}

void TestPhotoRelink::openWindow(const std::function<void(TFrmTrovaFoto&)>& inside) {
    f.modal().whileOpen = [inside](QDialog& d) {
        inside(static_cast<TFrmTrovaFoto&>(d));
        return int(QDialog::Rejected);
    };
    FrmUscita->TrovaFoto1->trigger();
    // The refresh after the window: the current catch's photo may still be missing.
    for (const QString& text : f.messages().texts())
        QCOMPARE(text, TCatchPanel::kPhotoNotFound);
    f.messages().clear();
}

void TestPhotoRelink::windowRelinksInOneTransaction() {
    const QString here = file(QStringLiteral("c/foto.jpg"));
    const QString moved = file(QStringLiteral("nuovo/2019/IMG_1.jpg"));
    const QString twin1 = file(QStringLiteral("nuovo/x/IMG_2.jpg"));
    file(QStringLiteral("nuovo/y/IMG_2.jpg"));
    const QString dawn = file(QStringLiteral("nuovo/reportage/alba.jpg"));
    start({here, "/media/vecchio/2019/IMG_1.jpg", "/media/vecchio/z/IMG_2.jpg",
           "/media/vecchio/persa.jpg"},
          {"/media/vecchio/reportage/alba.jpg"});
    openWindow([&](TFrmTrovaFoto& w) {
        QCOMPARE(w.windowTitle(), TFrmTrovaFoto::kCaption);
        QCOMPARE(w.Count->text(), QStringLiteral("Foto non trovate: 4"));
        QCOMPARE(w.List->topLevelItemCount(), 4);
        f.files().answers << m_disk.filePath(QStringLiteral("nuovo"));
        QTest::mouseClick(w.Search, Qt::LeftButton);
        QCOMPARE(w.acceptedCount(), 2); // the unique names; the twins wait for a choice
        auto* choice = qobject_cast<QComboBox*>(w.List->itemWidget(w.List->topLevelItem(1), 1));
        QVERIFY(choice);
        choice->setCurrentIndex(choice->findData(twin1));
        QCOMPARE(w.acceptedCount(), 3);
        QCOMPARE(f.stored(QStringLiteral("SELECT count(*) FROM TPreda WHERE Foto LIKE "
                                         "'/media/%'"))
                     .toInt(),
                 3); // nothing changes before the confirmation
        QTest::mouseClick(w.Confirm, Qt::LeftButton);
        QCOMPARE(
            f.messages().texts(),
            QStringList{QStringLiteral("Foto ritrovate: 3. Ricollegate: 3. Ancora mancanti: 1.")});
        QCOMPARE(w.Count->text(), QStringLiteral("Foto non trovate: 1"));
        f.messages().clear();
    });
    QCOMPARE(f.stored(QStringLiteral("SELECT group_concat(Foto, '|') FROM (SELECT Foto FROM "
                                     "TPreda ORDER BY Id_preda)"))
                 .toString(),
             QStringList({here, moved, twin1, "/media/vecchio/persa.jpg"}).join('|'));
    QCOMPARE(f.stored(QStringLiteral("SELECT Ds_percorso FROM TReportage")).toString(), dawn);
}

void TestPhotoRelink::aFailingChangeStoresNothing() {
    file(QStringLiteral("altro/IMG_1.jpg"));
    file(QStringLiteral("altro/rifiuta/alba.jpg"));
    start({"/vecchio/IMG_1.jpg"}, {"/vecchio/rifiuta/alba.jpg"},
          QStringLiteral("CREATE TRIGGER rifiuta BEFORE UPDATE ON TReportage WHEN NEW.Ds_percorso "
                         "LIKE '%rifiuta%' BEGIN SELECT RAISE(ABORT, 'rifiutato'); END"));
    openWindow([&](TFrmTrovaFoto& w) {
        f.files().answers << m_disk.filePath(QStringLiteral("altro"));
        QTest::mouseClick(w.Search, Qt::LeftButton);
        QCOMPARE(w.acceptedCount(), 2);
        QTest::mouseClick(w.Confirm, Qt::LeftButton);
        QCOMPARE(f.messages().shown().size(), 1);
        QCOMPARE(f.messages().shown().front().caption, QStringLiteral("Error"));
        f.messages().clear();
    });
    QCOMPARE(f.stored(QStringLiteral("SELECT Foto FROM TPreda")).toString(),
             QStringLiteral("/vecchio/IMG_1.jpg"));
    QCOMPARE(f.stored(QStringLiteral("SELECT Ds_percorso FROM TReportage")).toString(),
             QStringLiteral("/vecchio/rifiuta/alba.jpg"));
}

QTEST_MAIN(TestPhotoRelink)
#include "tst_photorelink.moc"
