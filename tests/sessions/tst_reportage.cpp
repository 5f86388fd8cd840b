// The photo reportage of a session, opened from the main window's button, offscreen: the
// entries listed by their comment alone, a new entry with its picture, the two display
// modes, a picture that cannot be read, and nothing lost when the window is closed.
#include "app/U_FRM_FrmPrincipale.h"
#include "data/MessageSeam.h"
#include "engine/Query.h"
#include "sessions/SessionPanel.h"
#include "sessions/UDM_Reportage.h"
#include "sessions/UDM_Sessioni.h"
#include "sessions/U_FRM_FrmReportage.h"
#include "tests/support/TestPictures.h"
#include "tests/support/WindowFixture.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBNavigator.h"
#include "widgets/PictureBox.h"
#include "widgets/PictureLoader.h"
#include "widgets/RecordToolBar.h"
#include "widgets/ToolButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

class TestReportage : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { f.finish(); }
    void emptySession();
    void newEntryWithItsPicture();
    void onlyTheCommentColumn();
    void pictureFollowsTheEntry();
    void displayModes_data();
    void displayModes();
    void unreadablePictureKeepsThePreviousOne();
    void closingWithAPendingEntry_data();
    void closingWithAPendingEntry();
    void pictureInAnEmptyListBelongsToTheSession();
    void hiddenWindowReadsNoPicture();

private:
    WindowFixture f;
    QTemporaryDir m_pictures;
    TFrmReportage& window() { return *FrmReportage; }
    Query& entries() { return DM_Reportage->ADOQ_Reportage; }
    void start(const QStringList& entries = {});
    // Opens the window from the main window's button and runs `inside` while it is shown;
    // the window is then closed as the user would.
    void open(const std::function<void()>& inside = {}) {
        f.modal().whileOpen = [inside](QDialog& d) {
            d.show();
            QApplication::setActiveWindow(&d);
            if (inside)
                inside();
            d.close();
            return d.result();
        };
        QTest::mouseClick(FrmUscita->SessionPanel->SBReportage_sessione, Qt::LeftButton);
    }
    QString picture(const QString& name, const QByteArray& bytes) {
        QFile file(m_pictures.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }
    void click(ToolButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    QString buttonText() { return FrmUscita->SessionPanel->SBReportage_sessione->text(); }
};

// One session, with an entry per "comment|path" given.
void TestReportage::start(const QStringList& given) {
    f.start([&](WindowFixture& w) {
        w.exec(QStringLiteral("INSERT INTO TUscita (DataDa) VALUES ('2005-06-10')"));
        for (const QString& e : given) {
            const QStringList parts = e.split(QLatin1Char('|'));
            w.exec(QStringLiteral("INSERT INTO TReportage (Nm_uscita, Ds_commento, Ds_percorso) "
                                  "VALUES (1, '%1', %2)")
                       .arg(parts[0], parts[1].isEmpty() ? QStringLiteral("NULL")
                                                         : QStringLiteral("'%1'").arg(parts[1])));
        }
    });
    QVERIFY(f.showMainWindow());
}

void TestReportage::emptySession() {
    start();
    QCOMPARE(buttonText(), QStringLiteral("Reportage (0)"));
    open([this] {
        QCOMPARE(window().DBGrid1->model()->rowCount(), 0);
        QVERIFY(!window().Image1->isVisible());
    });
    QCOMPARE(f.modal().captions, QStringList{QStringLiteral("REPORTAGE")});
    QCOMPARE(buttonText(), QStringLiteral("Reportage (0)"));
}

void TestReportage::newEntryWithItsPicture() {
    const QString bmp = picture(QStringLiteral("alba.bmp"), TestPictures::bitmap({300, 200}));
    start();
    open([&] {
        click(window().TB_Sessione->button(opNew));
        QVERIFY(window().Ds_commento->hasFocus());
        QTest::keyClicks(window().Ds_commento, QStringLiteral("Alba sul lago"));
        f.files().answers << bmp;
        click(window().SpeedButton1);
        QCOMPARE(f.files().filters, QStringList{TFrmReportage::kPictureFilter});
        QCOMPARE(f.files().pictureDialogs, 1);
        QVERIFY(window().Image1->isVisible());
        QCOMPARE(window().Image1->picture().size(), QSize(300, 200));
        click(window().TB_Sessione->button(opSave));
        QCOMPARE(window().DBGrid1->model()->rowCount(), 1);
        QCOMPARE(window()
                     .DBGrid1->model()
                     ->index(0, window().DBGrid1->columnOfField(QStringLiteral("Ds_commento")))
                     .data()
                     .toString(),
                 QStringLiteral("Alba sul lago"));
    });
    QCOMPARE(buttonText(), QStringLiteral("Reportage (1)"));
    QCOMPARE(f.stored(QStringLiteral("SELECT Nm_uscita || ' ' || Ds_commento || ' ' || "
                                     "Ds_percorso FROM TReportage"))
                 .toString(),
             QStringLiteral("1 Alba sul lago ") + bmp);
}

void TestReportage::onlyTheCommentColumn() {
    start({QStringLiteral("Primo|")});
    open([this] {
        DBGrid* grid = window().DBGrid1;
        QCOMPARE(grid->model()->columnCount(), 4);
        QStringList visible;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            if (grid->isColumnVisible(c))
                visible << grid->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(visible, QStringList{QStringLiteral("Ds_commento")});
    });
}

void TestReportage::pictureFollowsTheEntry() {
    const QString jpg = picture(QStringLiteral("pesata.jpg"), TestPictures::jpeg({200, 150}));
    start({QStringLiteral("Senza foto|"), QStringLiteral("Con foto|") + jpg});
    open([this] {
        QVERIFY(!window().Image1->isVisible());
        entries().next();
        QVERIFY(window().Image1->isVisible());
        QCOMPARE(window().Image1->picture().size(), QSize(200, 150));
        entries().prior();
        QVERIFY(!window().Image1->isVisible());
    });
    QVERIFY(f.messages().shown().isEmpty());
}

void TestReportage::displayModes_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QRect>("drawn");
    // In the 711 x 471 area.
    QTest::newRow("larger, proportional") << QSize(1600, 1200) << false << QRect(41, 0, 628, 471);
    QTest::newRow("smaller, own size") << QSize(300, 200) << false << QRect(205, 135, 300, 200);
    QTest::newRow("larger, stretched") << QSize(1600, 1200) << true << QRect(0, 0, 711, 471);
    QTest::newRow("smaller, stretched") << QSize(300, 200) << true << QRect(0, 0, 711, 471);
}

void TestReportage::displayModes() {
    QFETCH(QSize, size);
    QFETCH(bool, ticked);
    QFETCH(QRect, drawn);
    const QString jpg = picture(QStringLiteral("foto.jpg"), TestPictures::jpeg(size));
    start({QStringLiteral("Foto|") + jpg});
    open([&] {
        if (window().CheckBox1->isChecked() != ticked)
            QTest::mouseClick(window().CheckBox1, Qt::LeftButton, {}, QPoint(5, 7));
        QCOMPARE(window().Image1->pictureRect(), drawn);
    });
    // "Adatta" keeps its state from one opening to the next.
    open([&] { QCOMPARE(window().CheckBox1->isChecked(), ticked); });
    if (window().CheckBox1->isChecked())
        window().CheckBox1->setChecked(false);
}

void TestReportage::unreadablePictureKeepsThePreviousOne() {
    const QString good = picture(QStringLiteral("buona.bmp"), TestPictures::bitmap({120, 80}));
    const QString bad = picture(QStringLiteral("rovinata.jpg"), QByteArray(3000, 'x'));
    start({QStringLiteral("Buona|") + good, QStringLiteral("Rovinata|") + bad});
    open([&] {
        entries().next();
        QCOMPARE(f.messages().texts().size(), 1);
        QCOMPARE(f.messages().shown().front().caption, QStringLiteral("Error"));
        QVERIFY(f.messages().texts().front().contains(bad));
        QCOMPARE(window().Image1->picture().size(), QSize(120, 80));
        QCOMPARE(entries().value(QStringLiteral("Ds_percorso")).toString(), bad);
    });
}

void TestReportage::closingWithAPendingEntry_data() {
    QTest::addColumn<int>("answer"); // MessageAnswer
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("Yes saves") << int(MessageAnswer::Yes) << true << "Tramonto";
    QTest::newRow("No discards") << int(MessageAnswer::No) << true << "";
    QTest::newRow("Cancel stays") << int(MessageAnswer::Cancel) << false << "";
}

void TestReportage::closingWithAPendingEntry() {
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(QString, stored);
    start();
    bool stillOpen = false;
    open([&] {
        click(window().TB_Sessione->button(opNew));
        QTest::keyClicks(window().Ds_commento, QStringLiteral("Tramonto"));
        f.messages().answerNext(MessageAnswer(answer));
        window().close();
        stillOpen = window().isVisible();
        if (stillOpen) { // Cancel: the user goes on and discards it himself
            QCOMPARE(entries().state(), DataSetState::Insert);
            QCOMPARE(window().Ds_commento->text(), QStringLiteral("Tramonto"));
            click(window().TB_Sessione->button(opCancel));
        }
    });
    QCOMPARE(!stillOpen, closed);
    QCOMPARE(f.messages().texts(), QStringList{TFrmReportage::kSavePending});
    QCOMPARE(f.messages().shown().front().buttons, MessageButtons::YesNoCancel);
    QCOMPARE(f.messages().shown().front().caption, QStringLiteral("Confirm"));
    QCOMPARE(f.stored(QStringLiteral("SELECT ifnull(group_concat(Ds_commento), '') FROM "
                                     "TReportage"))
                 .toString(),
             stored);
    QCOMPARE(buttonText(), QStringLiteral("Reportage (%1)").arg(stored.isEmpty() ? 0 : 1));
}

void TestReportage::pictureInAnEmptyListBelongsToTheSession() {
    const QString bmp = picture(QStringLiteral("rete.bmp"), TestPictures::bitmap({60, 40}));
    start();
    open([&] {
        f.files().answers << bmp;
        click(window().SpeedButton1);
        QCOMPARE(entries().state(), DataSetState::Insert);
        click(window().TB_Sessione->button(opSave));
    });
    QCOMPARE(f.stored(QStringLiteral("SELECT Nm_uscita FROM TReportage")).toInt(), 1);
    QCOMPARE(buttonText(), QStringLiteral("Reportage (1)"));
}

// The hidden window stays bound to the entries: stepping through sessions with reportage
// entries reads no picture; opening the window reads the current one once.
void TestReportage::hiddenWindowReadsNoPicture() {
    const QString one = picture(QStringLiteral("uno.jpg"), TestPictures::jpeg({300, 200}));
    const QString two = picture(QStringLiteral("due.jpg"), TestPictures::jpeg({200, 300}));
    f.start([&](WindowFixture& w) {
        for (const char* day : {"2005-06-10", "2005-06-11", "2005-06-12"})
            w.exec(QStringLiteral("INSERT INTO TUscita (DataDa) VALUES ('%1')").arg(day));
        for (int session : {1, 2, 3})
            w.exec(QStringLiteral("INSERT INTO TReportage (Nm_uscita, Ds_commento, Ds_percorso) "
                                  "VALUES (%1, 'Foto', '%2')")
                       .arg(session)
                       .arg(session == 2 ? two : one));
    });
    QVERIFY(f.showMainWindow());
    DBNavigator* sessions = FrmUscita->SessionPanel->DBN_Sessioni;
    const quint64 before = PictureLoader::filesRead();
    for (auto step : {DBNavigator::Last, DBNavigator::Prior, DBNavigator::First, DBNavigator::Next,
                      DBNavigator::Next})
        QTest::mouseClick(sessions->button(step), Qt::LeftButton);
    QCOMPARE(PictureLoader::filesRead(), before);
    quint64 whileOpen = 0;
    open([&] {
        whileOpen = PictureLoader::filesRead() - before;
        QVERIFY(window().Image1->isVisible());
        QVERIFY(!window().Image1->picture().isNull());
    });
    QCOMPARE(whileOpen, quint64(1));
    QCOMPARE(f.messages().texts(), QStringList());
}

QTEST_MAIN(TestReportage)
#include "tst_reportage.moc"
