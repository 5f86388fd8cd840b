// The lakes' positions in the real program: typed in either form and stored in one go, a
// position that cannot be refused with the lake named (the dialog stays open), Cancel and a
// refused store keeping every old value, a position leaving with its lake.
#include "app/U_FRM_FrmPrincipale.h"
#include "sunmoon/U_FRM_FrmPosizioni.h"
#include "tests/support/WindowFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

class TestLakePositions : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { f.finish(); }
    void typedAndStored();
    void refusedPositionKeepsTheDialogOpen();
    void cancelAndFailedStoreKeepOldValues();
    void positionLeavesWithItsLake();

private:
    WindowFixture f;
    void start(const QString& extra = {});
    // Runs `inside` while the dialog is open; returns the dialog's result.
    int openDialog(const std::function<void(TFrmPosizioni&)>& inside);
    static void type(TFrmPosizioni& w, int row, const QString& latitude, const QString& longitude) {
        w.Table->item(row, 1)->setText(latitude);
        w.Table->item(row, 2)->setText(longitude);
    }
    QString positions() {
        return f
            .stored(QStringLiteral(
                "SELECT group_concat(Nm_lago || ':' || Latitudine || ',' || Longitudine, ' ') "
                "FROM (SELECT * FROM TLagoPosizione ORDER BY Nm_lago)"))
            .toString();
    }
};

void TestLakePositions::start(const QString& extra) {
    f.start([&](WindowFixture& w) {
        w.exec(QStringLiteral("INSERT INTO TLago (Id_lago, Ds_desc) VALUES (1, 'Garda'), "
                              "(2, 'Bolsena'), (3, 'Lago di Como')"));
        w.exec(QStringLiteral("INSERT INTO TLagoPosizione (Nm_lago, Latitudine, Longitudine) "
                              "VALUES (2, 42.6, 11.9)"));
        if (!extra.isEmpty())
            w.exec(extra);
    });
    QVERIFY(f.showMainWindow());
}

int TestLakePositions::openDialog(const std::function<void(TFrmPosizioni&)>& inside) {
    f.modal().whileOpen = [inside](QDialog& d) {
        auto& w = static_cast<TFrmPosizioni&>(d);
        inside(w);
        return w.result();
    };
    FrmUscita->PosizioneLaghi1->trigger();
    return f.modal().shown.size();
}

void TestLakePositions::typedAndStored() {
    start();
    QVERIFY(FrmUscita->PosizioneLaghi1->isEnabled());
    QCOMPARE(openDialog([&](TFrmPosizioni& w) {
                 QCOMPARE(w.windowTitle(), TFrmPosizioni::kCaption);
                 QCOMPARE(w.Hint->text(), TFrmPosizioni::kHint);
                 QCOMPARE(w.Table->rowCount(), 3);
                 // In the order of the lake list, with what is stored.
                 const QStringList expected[] = {
                     {"Bolsena", "42,6", "11,9"}, {"Garda", "", ""}, {"Lago di Como", "", ""}};
                 for (int row = 0; row < 3; ++row)
                     for (int column = 0; column < 3; ++column)
                         QCOMPARE(w.Table->item(row, column)->text(), expected[row][column]);
                 QVERIFY(!(w.Table->item(0, 0)->flags() & Qt::ItemIsEditable));
                 type(w, 1, QStringLiteral("45°36,5' N"), QStringLiteral("10.6667"));
                 type(w, 2, QStringLiteral("45,9833"), QStringLiteral("9 15,5 E"));
                 QTest::mouseClick(w.Ok, Qt::LeftButton);
                 QCOMPARE(w.result(), int(QDialog::Accepted));
             }),
             1);
    QCOMPARE(positions(), QStringLiteral("1:45.6083333333333,10.6667 2:42.6,11.9 "
                                         "3:45.9833,9.25833333333333"));
    // Emptying both boxes takes the position away; the others stay.
    openDialog([&](TFrmPosizioni& w) {
        QCOMPARE(w.Table->item(1, 1)->text(), QStringLiteral("45,608333"));
        type(w, 0, QString(), QStringLiteral(" "));
        QTest::mouseClick(w.Ok, Qt::LeftButton);
    });
    QCOMPARE(positions(), QStringLiteral("1:45.6083333333333,10.6667 3:45.9833,9.25833333333333"));
}

void TestLakePositions::refusedPositionKeepsTheDialogOpen() {
    start();
    openDialog([&](TFrmPosizioni& w) {
        type(w, 1, QStringLiteral("45,6"), QStringLiteral("10,7"));
        type(w, 2, QStringLiteral("95"), QStringLiteral("9,2"));
        QTest::mouseClick(w.Ok, Qt::LeftButton);
        QCOMPARE(f.messages().texts(),
                 QStringList{QStringLiteral("Lago \"Lago di Como\": la latitudine \"95\" è fuori "
                                            "dai limiti: va da 90° S a 90° N.")});
        QCOMPARE(f.messages().shown().front().kind, MessageKind::Warning);
        f.messages().clear();
        QCOMPARE(w.result(), int(QDialog::Rejected)); // still open, on the refused box
        QCOMPARE(w.Table->currentRow(), 2);
        QCOMPARE(w.Table->currentColumn(), 1);
        // Nothing stored while one row is refused, not even the good one.
        QCOMPARE(positions(), QStringLiteral("2:42.6,11.9"));
        type(w, 2, QStringLiteral("45,98"), QString());
        QTest::mouseClick(w.Ok, Qt::LeftButton);
        QCOMPARE(f.messages().texts(),
                 QStringList{TFrmPosizioni::kBothOrNeither.arg("Lago di Como")});
        f.messages().clear();
        QCOMPARE(w.Table->currentColumn(), 2);
        type(w, 2, QStringLiteral("45,98"), QStringLiteral("9,25"));
        QTest::mouseClick(w.Ok, Qt::LeftButton);
        QCOMPARE(w.result(), int(QDialog::Accepted));
    });
    QCOMPARE(positions(), QStringLiteral("1:45.6,10.7 2:42.6,11.9 3:45.98,9.25"));
}

void TestLakePositions::cancelAndFailedStoreKeepOldValues() {
    // The third lake's position cannot be written: the store fails after two changes.
    start(QStringLiteral("CREATE TRIGGER rifiuta BEFORE INSERT ON TLagoPosizione WHEN "
                         "NEW.Nm_lago = 3 BEGIN SELECT RAISE(ABORT, 'rifiutato'); END"));
    openDialog([&](TFrmPosizioni& w) {
        type(w, 0, QStringLiteral("1"), QStringLiteral("2"));
        type(w, 1, QStringLiteral("45"), QStringLiteral("10"));
        QTest::mouseClick(w.Cancel, Qt::LeftButton);
        QCOMPARE(w.result(), int(QDialog::Rejected));
    });
    QCOMPARE(positions(), QStringLiteral("2:42.6,11.9"));
    openDialog([&](TFrmPosizioni& w) {
        QCOMPARE(w.Table->item(0, 1)->text(), QStringLiteral("42,6")); // read anew
        type(w, 0, QStringLiteral("1"), QStringLiteral("2"));
        type(w, 1, QStringLiteral("45"), QStringLiteral("10"));
        type(w, 2, QStringLiteral("46"), QStringLiteral("9")); // refused
        QTest::mouseClick(w.Ok, Qt::LeftButton);
        QCOMPARE(f.messages().shown().size(), 1);
        QCOMPARE(f.messages().shown().front().caption, QStringLiteral("Error"));
        f.messages().clear();
        QCOMPARE(w.result(), int(QDialog::Rejected));
    });
    QCOMPARE(positions(), QStringLiteral("2:42.6,11.9"));
}

void TestLakePositions::positionLeavesWithItsLake() {
    start();
    f.exec(QStringLiteral("DELETE FROM TLago WHERE Id_lago = 2"));
    QCOMPARE(positions(), QString());
    // A position that cannot exist is refused by the logbook itself too.
    QVERIFY_THROWS_EXCEPTION(
        std::exception, f.exec(QStringLiteral("INSERT INTO TLagoPosizione VALUES (1, 91, 0)")));
}

QTEST_MAIN(TestLakePositions)
#include "tst_lakepositions.moc"
