// Importing a session's photos: the proposal of a use for each photo by its taking time (hour
// bands, the clock correction, two photos for one catch, photos outside the session), the scan
// of a folder that counts what it cannot use, and the window in the real program storing every
// chosen path in one transaction, or nothing when a change fails.
#include "app/U_FRM_FrmPrincipale.h"
#include "details/CatchPanel.h"
#include "photos/PhotoMatch.h"
#include "photos/PhotoScan.h"
#include "photos/U_FRM_FrmImportaFoto.h"
#include "sessions/SessionPanel.h"
#include "sessions/UDM_Sessioni.h"
#include "tests/support/TestPictures.h"
#include "tests/support/WindowFixture.h"
#include "widgets/DBEdit.h"
#include "widgets/ToolButton.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <unistd.h>

class TestPhotoImport : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { f.finish(); }
    void bands_data();
    void bands();
    void proposals_data();
    void proposals();
    void scanCountsWhatItCannotUse();
    void windowStoresTheChosenUses();
    void aFailingChangeStoresNothing();
    void onlyForASavedSessionWithADate();
    void aNewCatchTakesItsPhotosTime();

private:
    WindowFixture f;
    QTemporaryDir m_disk;
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = m_disk.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        return path;
    }
    QString photo(const QString& name, const QByteArray& taken) {
        return write(name, TestPictures::withTakingTime(TestPictures::jpeg({80, 60}), taken));
    }
    // A session of 10 and 11 June 2019 with three catches: 1 on the 10th, 06-09, no photo;
    // 2 on the 10th, 06-09, with a photo; 3 on the 11th, 21-24, no photo. `extra`: SQL run
    // after them.
    void start(const QString& extra = {});
    void openWindow(const std::function<void(TFrmImportaFoto&)>& inside);
};

void TestPhotoImport::bands_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end"); // -1: not a band
    QTest::newRow("a band of the list") << "06:00 - 09:00" << 360 << 540;
    QTest::newRow("to midnight") << "21:00 - 24:00" << 1260 << 1440;
    QTest::newRow("past midnight") << "22:30-02:00" << 1350 << 1560;
    QTest::newRow("not a band") << "Mattina" << 0 << -1;
    QTest::newRow("no length") << "06:00 - 06:00" << 0 << -1;
    QTest::newRow("no such hour") << "06:00 - 25:00" << 0 << -1;
}

void TestPhotoImport::bands() {
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, end);
    const auto band = PhotoMatch::bandMinutes(text);
    QCOMPARE(band.has_value(), end >= 0);
    if (band) {
        QCOMPARE(band->start, start);
        QCOMPARE(band->end, end);
        // The band holding a time of day: its first minute, not its end; past midnight, the
        // small hours.
        const QList<std::pair<qint64, QString>> list{{7, text}};
        QCOMPARE(PhotoMatch::bandHolding(list, QTime(start / 60, start % 60)), qint64(7));
        QCOMPARE(PhotoMatch::bandHolding(list, QTime((end / 60) % 24, end % 60)), qint64(0));
        QCOMPARE(PhotoMatch::bandHolding(list, QTime(((end - 1) / 60) % 24, (end - 1) % 60)),
                 qint64(7));
    }
}

void TestPhotoImport::proposals_data() {
    QTest::addColumn<QStringList>("taken"); // "yyyy-MM-dd HH:mm" per photo; "" no time
    QTest::addColumn<int>("correction");    // minutes
    QTest::addColumn<QStringList>("uses");  // catch id, R reportage, - outside, = already stored
    QTest::addColumn<bool>("firstStored");  // the session holds the first photo's path
    QTest::newRow("the free catch whose band holds the time")
        << QStringList{"2019-06-10 07:30"} << 0 << QStringList{"1"} << false;
    QTest::newRow("a band ends where the next begins")
        << QStringList{"2019-06-10 09:00"} << 0 << QStringList{"R"} << false;
    QTest::newRow("two photos for one catch: the earlier gets it")
        << QStringList{"2019-06-10 08:10", "2019-06-10 07:10"} << 0 << QStringList{"R", "1"}
        << false;
    QTest::newRow("the last minute of the day")
        << QStringList{"2019-06-11 23:59"} << 0 << QStringList{"3"} << false;
    QTest::newRow("a band past midnight holds the next morning")
        << QStringList{"2019-06-11 01:30"} << 0 << QStringList{"6"} << false;
    QTest::newRow("the correction brings it into a band")
        << QStringList{"2019-06-10 10:15"} << -150 << QStringList{"1"} << false;
    QTest::newRow("the correction moves it onto the session")
        << QStringList{"2019-06-09 23:30"} << 45 << QStringList{"R"} << false;
    QTest::newRow("the correction moves it off the session")
        << QStringList{"2019-06-11 23:30"} << 60 << QStringList{"-"} << false;
    QTest::newRow("outside the session, or no time at all")
        << QStringList{"2019-06-12 07:30", "2019-06-09 23:59", ""} << 0
        << QStringList{"-", "-", "-"} << false;
    QTest::newRow("a path the session holds already")
        << QStringList{"2019-06-10 07:30", "2019-06-10 07:40"} << 0 << QStringList{"=", "1"}
        << true;
}

void TestPhotoImport::proposals() {
    QFETCH(QStringList, taken);
    QFETCH(int, correction);
    QFETCH(QStringList, uses);
    QFETCH(bool, firstStored);
    const PhotoMatch::Session session{QDate(2019, 6, 10), QDate(2019, 6, 11)};
    const QList<PhotoMatch::Catch> catches{
        {1, QDate(2019, 6, 10), "06:00 - 09:00", false},
        {2, QDate(2019, 6, 10), "06:00 - 09:00", true}, // has its photo
        {3, QDate(2019, 6, 11), "21:00 - 24:00", false},
        {4, QDate(), "06:00 - 09:00", false}, // no date: never by time
        {5, QDate(2019, 6, 10), "", false},   // no band
        {6, QDate(2019, 6, 10), "22:00 - 02:00", false},
    };
    QList<PhotoMatch::Photo> photos;
    for (int i = 0; i < taken.size(); ++i) {
        QDateTime t = QDateTime::fromString(taken[i], QStringLiteral("yyyy-MM-dd HH:mm"));
        t = t.isValid() ? QDateTime(t.date(), t.time(), Qt::UTC) : QDateTime();
        photos.push_back({QStringLiteral("p%1.jpg").arg(i), t});
    }
    const QList<PhotoMatch::Proposal> result = PhotoMatch::propose(
        session, catches, photos, correction,
        firstStored ? QSet<QString>{QStringLiteral("p0.jpg")} : QSet<QString>{});
    QStringList got;
    for (const PhotoMatch::Proposal& p : result) {
        if (p.alreadyStored)
            got << QStringLiteral("=");
        else if (p.outside)
            got << QStringLiteral("-");
        else if (p.use.kind == PhotoMatch::Use::Reportage)
            got << QStringLiteral("R");
        else
            got << QString::number(p.use.catchId);
        if (p.outside || p.alreadyStored)
            QCOMPARE(p.use.kind, PhotoMatch::Use::Nothing);
    }
    QCOMPARE(got, uses);
}

void TestPhotoImport::scanCountsWhatItCannotUse() {
    const QString taken = photo(QStringLiteral("scan/a.jpg"), "2019:06:10 07:30:15");
    const QString plain = write(QStringLiteral("scan/b.JPG"), TestPictures::jpeg({40, 30}));
    const QString bitmap = write(QStringLiteral("scan/c.bmp"), TestPictures::bitmap({40, 30}));
    const QString badTime = photo(QStringLiteral("scan/d.jpeg"), "2019:13:45 99:00:00");
    // An EXIF block whose first directory lies past the block's end.
    QByteArray broken =
        TestPictures::withTakingTime(TestPictures::jpeg({40, 30}), "2019:06:10 08:00:00");
    const qsizetype tiff = broken.indexOf(QByteArray("Exif\0\0", 6)) + 6;
    broken[tiff + 4] = char(0xF0);
    broken[tiff + 5] = char(0xFF);
    const QString damaged = write(QStringLiteral("scan/e.jpg"), broken);
    write(QStringLiteral("scan/vuota.jpg"), {});
    const QString closed = photo(QStringLiteral("scan/z-chiusa.jpg"), "2019:06:10 07:00:00");
    QFile::setPermissions(closed, QFileDevice::Permissions());
    write(QStringLiteral("scan/note.txt"), "non una foto");
    photo(QStringLiteral("scan/sotto/f.jpg"), "2019:06:10 07:00:00"); // not looked into
    const QDateTime fileTime(QDate(2019, 6, 11), QTime(9, 5));
    for (const QString& p : {plain, bitmap, badTime, damaged}) {
        QFile file(p);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(fileTime, QFileDevice::FileModificationTime));
    }

    const PhotoScan::Result r = PhotoScan::scanFolder(m_disk.filePath(QStringLiteral("scan")));
    QFile::setPermissions(closed, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const bool root = geteuid() == 0; // permissions do not stop the superuser
    QStringList paths;
    for (const PhotoScan::Found& p : r.photos)
        paths << p.path;
    QStringList expected{taken, plain, bitmap, badTime, damaged};
    if (root)
        expected << closed;
    QCOMPARE(paths, expected);
    QCOMPARE(r.photos[0].taken, QDateTime(QDate(2019, 6, 10), QTime(7, 30, 15), Qt::UTC));
    QVERIFY(!r.photos[0].fileTime);
    const QDateTime wallClock(fileTime.date(), fileTime.time(), Qt::UTC);
    for (const PhotoScan::Found& p : r.photos.mid(1, 4)) {
        QVERIFY2(p.fileTime, qPrintable(p.path));
        QCOMPARE(p.taken, wallClock);
    }
    QCOMPARE(r.empty, 1);
    QCOMPARE(r.unreadable, root ? 0 : 1);
    QCOMPARE(r.damagedExif, 2);
    QVERIFY(!r.folderUnreadable);
    QVERIFY(PhotoScan::scanFolder(m_disk.filePath(QStringLiteral("nessuna"))).folderUnreadable);
}

void TestPhotoImport::start(const QString& extra) {
    const QString kept = write(QStringLiteral("gia/preda2.jpg"), TestPictures::jpeg({40, 30}));
    f.start([&](WindowFixture& w) {
        w.exec(QStringLiteral(
            "INSERT INTO TUscita (DataDa, DataA) VALUES ('2019-06-10', '2019-06-11')"));
        w.exec(QStringLiteral("INSERT INTO TPreda (Nm_uscita, Data, Nm_Ora, Ds_tipo, Peso) "
                              "VALUES (1, '2019-06-10', 3, 'Regina', 12.5)"));
        w.exec(QStringLiteral("INSERT INTO TPreda (Nm_uscita, Data, Nm_Ora, Ds_tipo, Foto) "
                              "VALUES (1, '2019-06-10', 3, 'Specchi', '%1')")
                   .arg(kept));
        w.exec(QStringLiteral("INSERT INTO TPreda (Nm_uscita, Data, Nm_Ora, Ds_tipo) "
                              "VALUES (1, '2019-06-11', 8, 'Cuoio')"));
        if (!extra.isEmpty())
            w.exec(extra);
    });
    QVERIFY(f.showMainWindow());
}

void TestPhotoImport::openWindow(const std::function<void(TFrmImportaFoto&)>& inside) {
    f.modal().whileOpen = [inside](QDialog& d) {
        inside(static_cast<TFrmImportaFoto&>(d));
        return int(QDialog::Rejected);
    };
    QVERIFY(FrmUscita->ImportaFoto1->isEnabled());
    FrmUscita->ImportaFoto1->trigger();
}

namespace {

QStringList useTexts(TFrmImportaFoto& w) {
    QStringList texts;
    for (int row = 0; row < w.List->topLevelItemCount(); ++row)
        texts << w.useBox(row)->currentText();
    return texts;
}

} // namespace

void TestPhotoImport::windowStoresTheChosenUses() {
    const QString dawn = photo(QStringLiteral("sessione/1-alba.jpg"), "2019:06:10 05:40:00");
    const QString first = photo(QStringLiteral("sessione/2-regina.jpg"), "2019:06:10 07:10:00");
    const QString night = photo(QStringLiteral("sessione/3-cuoio.jpg"), "2019:06:11 22:20:00");
    const QString before = photo(QStringLiteral("sessione/4-prima.jpg"), "2019:06:08 12:00:00");
    write(QStringLiteral("sessione/vuota.jpg"), {}); // counted, never a box of its own
    start();
    openWindow([&](TFrmImportaFoto& w) {
        QCOMPARE(w.windowTitle(), TFrmImportaFoto::kCaption);
        QCOMPARE(w.Session->text(), QStringLiteral("Sessione dal 10/06/2019 al 11/06/2019; "
                                                   "prede: 3."));
        f.files().answers << m_disk.filePath(QStringLiteral("sessione"));
        QTest::mouseClick(w.Folder, Qt::LeftButton);
        QCOMPARE(w.List->topLevelItemCount(), 4);
        QCOMPARE(w.List->topLevelItem(1)->text(1), QStringLiteral("10/06/2019 07:10"));
        QCOMPARE(w.List->topLevelItem(3)->text(1),
                 QStringLiteral("08/06/2019 12:00 - fuori dalla sessione"));
        QVERIFY(!w.List->topLevelItem(0)->icon(0).isNull()); // the preview
        const QString catch1 = QStringLiteral("Preda 1: 10/06/2019 06:00 - 09:00, Regina 12,5 kg");
        const QString catch3 = QStringLiteral("Preda 3: 11/06/2019 21:00 - 24:00, Cuoio");
        QCOMPARE(useTexts(w), QStringList({"Reportage", catch1, catch3, "Nessuno"}));
        QCOMPARE(w.Count->text(),
                 QStringLiteral("Foto nella cartella: 4; proposte per una preda: 2, per il "
                                "reportage: 1; fuori dalla sessione: 1. Saltati perché vuoti: 1."));
        // The camera was 90 minutes behind: the dawn photo now falls in the first band
        // and the one after it goes to the reportage.
        w.Minutes->setValue(30);
        w.Hours->setValue(1);
        QCOMPARE(w.correctionMinutes(), 90);
        QCOMPARE(useTexts(w), QStringList({catch1, "Reportage", catch3, "Nessuno"}));
        QCOMPARE(w.List->topLevelItem(0)->text(1), QStringLiteral("10/06/2019 07:10"));
        w.setCorrectionMinutes(0);
        QCOMPARE(useTexts(w), QStringList({"Reportage", catch1, catch3, "Nessuno"}));
        // Two photos for one catch are refused: one of them would be lost.
        QComboBox* last = w.useBox(3);
        last->setCurrentIndex(last->findText(catch3));
        QTest::mouseClick(w.Confirm, Qt::LeftButton);
        QCOMPARE(f.messages().texts(), QStringList{TFrmImportaFoto::kSameCatch.arg(catch3)});
        f.messages().clear();
        QCOMPARE(f.stored(QStringLiteral("SELECT count(*) FROM TReportage")).toInt(), 0);
        // The photo before the session goes to the catch that has one; the night photo
        // to nothing.
        last->setCurrentIndex(last->findText(
            QStringLiteral("Preda 2: 10/06/2019 06:00 - 09:00, Specchi (ha già una foto)")));
        QComboBox* third = w.useBox(2);
        third->setCurrentIndex(third->findText(QStringLiteral("Nessuno")));
        QTest::mouseClick(w.Confirm, Qt::LeftButton);
        QCOMPARE(f.messages().texts(),
                 QStringList{QStringLiteral("Foto importate: 3 (per le prede: 2, nel "
                                            "reportage: 1). Non importate: 1.")});
        f.messages().clear();
    });
    QCOMPARE(f.stored(QStringLiteral("SELECT group_concat(ifnull(Foto, ''), '|') FROM (SELECT "
                                     "Foto FROM TPreda ORDER BY Id_preda)"))
                 .toString(),
             QStringList({first, before, QString()}).join('|'));
    QCOMPARE(f.stored(QStringLiteral("SELECT Nm_uscita || '|' || Ds_commento || '|' || "
                                     "Ds_percorso FROM TReportage"))
                 .toString(),
             QStringLiteral("1|1-alba|") + dawn);
    Q_UNUSED(night);
    // A second import of the same folder proposes nothing for what is stored already.
    openWindow([&](TFrmImportaFoto& w) {
        w.ScanFolder(m_disk.filePath(QStringLiteral("sessione")));
        QCOMPARE(w.List->topLevelItem(0)->text(1),
                 QStringLiteral("10/06/2019 05:40 - già nella sessione"));
        QCOMPARE(useTexts(w).mid(0, 3),
                 QStringList({"Nessuno", "Nessuno", "Preda 3: 11/06/2019 21:00 - 24:00, Cuoio"}));
    });
}

void TestPhotoImport::aFailingChangeStoresNothing() {
    photo(QStringLiteral("rifiuta/a.jpg"), "2019:06:10 07:10:00");
    photo(QStringLiteral("rifiuta/b.jpg"), "2019:06:10 07:20:00");
    start(QStringLiteral("CREATE TRIGGER rifiuta BEFORE INSERT ON TReportage BEGIN "
                         "SELECT RAISE(ABORT, 'rifiutato'); END"));
    openWindow([&](TFrmImportaFoto& w) {
        w.ScanFolder(m_disk.filePath(QStringLiteral("rifiuta")));
        QCOMPARE(useTexts(w).last(), QStringLiteral("Reportage"));
        QTest::mouseClick(w.Confirm, Qt::LeftButton); // the catch first, then the reportage
        QCOMPARE(f.messages().shown().size(), 1);
        QCOMPARE(f.messages().shown().front().caption, QStringLiteral("Error"));
        f.messages().clear();
    });
    QCOMPARE(f.stored(QStringLiteral("SELECT count(*) FROM TPreda WHERE Foto IS NULL")).toInt(), 2);
    QCOMPARE(f.stored(QStringLiteral("SELECT count(*) FROM TReportage")).toInt(), 0);
}

void TestPhotoImport::onlyForASavedSessionWithADate() {
    f.start();
    QVERIFY(f.showMainWindow());
    QVERIFY(!FrmUscita->ImportaFoto1->isEnabled()); // no session at all
    // A new session is not saved yet: nothing for its photos to belong to.
    QTest::mouseClick(FrmUscita->SessionPanel->SBNew_Sessione, Qt::LeftButton);
    QVERIFY(!FrmUscita->ImportaFoto1->isEnabled());
    f.finish();
    // A saved session without a start date says what to do; no window opens.
    f.start([](WindowFixture& w) {
        w.exec(QStringLiteral("INSERT INTO TUscita (Note) VALUES ('x')"));
    });
    QVERIFY(f.showMainWindow());
    f.modal().whileOpen = [](QDialog&) {
        QTest::qFail("no window", __FILE__, __LINE__);
        return int(QDialog::Rejected);
    };
    FrmUscita->ImportaFoto1->trigger();
    QCOMPARE(f.messages().texts(), QStringList{TFrmImportaFoto::kNoStartDate});
    f.messages().clear();
}

void TestPhotoImport::aNewCatchTakesItsPhotosTime() {
    const QString dawn = photo(QStringLiteral("nuova/alba.jpg"), "2019:06:11 05:20:00");
    // Catch 1 lost its date and band: an existing catch keeps what it has.
    start(QStringLiteral("UPDATE TPreda SET Data = NULL, Nm_Ora = NULL WHERE Id_preda = 1"));
    TCatchPanel& panel = *FrmUscita->CatchPanel;
    Query& catches = DM_Sessioni->ADOQ_SESSPrede;
    QCOMPARE(catches.value(QStringLiteral("Id_preda")).toInt(), 1);
    panel.OPD_PredeCanClose(dawn);
    QVERIFY(catches.value(QStringLiteral("Data")).isNull());
    QVERIFY(catches.value(QStringLiteral("Nm_Ora")).isNull());
    QTest::mouseClick(panel.SBCancel_Prede, Qt::LeftButton);
    // A new catch with neither takes both from the photo, and shows them.
    QTest::mouseClick(panel.SBNew_Prede, Qt::LeftButton);
    panel.OPD_PredeCanClose(dawn);
    QCOMPARE(catches.value(QStringLiteral("Data")).toDate(), QDate(2019, 6, 11));
    QCOMPARE(catches.value(QStringLiteral("Nm_Ora")).toInt(), 2); // 03:00 - 06:00
    QCOMPARE(panel.DBEdit2->text(), QStringLiteral("11/06/2019"));
    QTest::mouseClick(panel.SBCancel_Prede, Qt::LeftButton);
    // A new catch with its date typed keeps it, and takes no band either.
    QTest::mouseClick(panel.SBNew_Prede, Qt::LeftButton);
    catches.setValue(QStringLiteral("Data"), QStringLiteral("2019-06-10"));
    panel.OPD_PredeCanClose(dawn);
    QCOMPARE(catches.value(QStringLiteral("Data")).toDate(), QDate(2019, 6, 10));
    QVERIFY(catches.value(QStringLiteral("Nm_Ora")).isNull());
    QTest::mouseClick(panel.SBCancel_Prede, Qt::LeftButton);
}

QTEST_MAIN(TestPhotoImport)
#include "tst_photoimport.moc"
