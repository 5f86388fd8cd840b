// "Sole e luna" in the real program: one line per day of the current session with the times of
// the sun and the moon and the solunar periods, the session's catches marked on their day when
// their hour band touches a period (the day before's too, past midnight), and one line saying
// what to do for a session that cannot be shown. The hour bands as the logbook holds them.
#include "app/U_FRM_FrmPrincipale.h"
#include "sessions/UDM_Sessioni.h"
#include "sunmoon/SunMoonLines.h"
#include "sunmoon/U_FRM_FrmSoleLuna.h"
#include "tests/support/WindowFixture.h"

#include <QLabel>
#include <QTest>
#include <QTreeWidget>

using SunMoonLines::bandOn;

class TestSunMoonWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { f.finish(); }
    void bands_data();
    void bands();
    void linesOfASession();
    void sessionThatCannotBeShown_data();
    void sessionThatCannotBeShown();
    void theHourThatRepeats();

private:
    WindowFixture f;
    // The window over the current session; `inside` runs while it is open.
    void openWindow(const std::function<void(TFrmSoleLuna&)>& inside);
};

void TestSunMoonWindow::bands_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("start"); // "" for no band
    QTest::addColumn<QString>("end");
    QTest::newRow("morning") << "06:00 - 09:00"
                             << "2025-07-15 06:00"
                             << "2025-07-15 09:00";
    QTest::newRow("to midnight") << "21:00 - 24:00"
                                 << "2025-07-15 21:00"
                                 << "2025-07-16 00:00";
    QTest::newRow("dots, no blanks") << "6.30-9.00"
                                     << "2025-07-15 06:30"
                                     << "2025-07-15 09:00";
    QTest::newRow("backwards") << "09:00 - 06:00"
                               << ""
                               << "";
    QTest::newRow("no such hour") << "24:30 - 25:00"
                                  << ""
                                  << "";
    QTest::newRow("a word") << "mattina"
                            << ""
                            << "";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void TestSunMoonWindow::bands() {
    QFETCH(QString, text);
    QFETCH(QString, start);
    QFETCH(QString, end);
    const auto band = bandOn(QDate(2025, 7, 15), text);
    QCOMPARE(band.has_value(), !start.isEmpty());
    if (!band)
        return;
    QCOMPARE(band->start.toString(QStringLiteral("yyyy-MM-dd HH:mm")), start);
    QCOMPARE(band->end.toString(QStringLiteral("yyyy-MM-dd HH:mm")), end);
    // The band's hours on the day the clocks go back: four real hours for "00:00 - 03:00".
    const auto longNight = bandOn(QDate(2025, 10, 26), QStringLiteral("00:00 - 03:00"));
    QCOMPARE(longNight->start.secsTo(longNight->end), 4 * 3600);
}

void TestSunMoonWindow::openWindow(const std::function<void(TFrmSoleLuna&)>& inside) {
    f.modal().whileOpen = [inside](QDialog& d) {
        inside(static_cast<TFrmSoleLuna&>(d));
        return int(QDialog::Accepted);
    };
    FrmUscita->SoleLuna1->trigger();
    QCOMPARE(f.modal().captions.value(0), TFrmSoleLuna::kCaption);
}

void TestSunMoonWindow::linesOfASession() {
    f.start([](WindowFixture& w) {
        w.exec(QStringLiteral("INSERT INTO TLago (Id_lago, Ds_desc) VALUES (1, 'Tevere')"));
        w.exec(QStringLiteral("INSERT INTO TLagoPosizione VALUES (1, 41.9028, 12.4964)")); // Rome
        w.exec(QStringLiteral("INSERT INTO TUscita (Id_uscita, DataDa, DataA, Nm_lago) VALUES "
                              "(1, '2025-07-15', '2025-07-17', 1)"));
        // Hour bands: 1 is 00-03, 2 03-06, 4 09-12, 5 12-15.
        w.exec(QStringLiteral(
            "INSERT INTO TPreda (Nm_uscita, Data, Nm_Ora, Ds_tipo) VALUES "
            "(1, '2025-07-15', 2, 'a'), (1, '2025-07-15', 5, 'b'), (1, '2025-07-15', 2, 'c'), "
            "(1, '2025-07-15', 4, 'd'), (1, '2025-07-17', 1, 'e'), (1, '2025-07-16', NULL, 'f'), "
            "(1, '2025-07-20', 3, 'g')"));
    });
    QVERIFY(f.showMainWindow());
    openWindow([&](TFrmSoleLuna& w) {
        QCOMPARE(w.Title->text(), QStringLiteral("Sessione dal 15/07/2025 al 17/07/2025, lago "
                                                 "\"Tevere\" (41,9028° N, 12,4964° E). Ore locali "
                                                 "italiane."));
        QCOMPARE(w.Lines->topLevelItemCount(), 3);
        QStringList header;
        for (int c = 0; c < w.Lines->columnCount(); ++c)
            header << w.Lines->headerItem()->text(c);
        QCOMPARE(header, TFrmSoleLuna::kColumns);
        const auto cell = [&](int row, int column) {
            return w.Lines->topLevelItem(row)->text(column);
        };
        // Every time as the almanac gives it, to the minute.
        const Almanac::Day first = Almanac::compute({2025, 7, 15}, {41.9028, 12.4964});
        QCOMPARE(cell(0, TFrmSoleLuna::DayColumn), QStringLiteral("mar 15/07"));
        QCOMPARE(cell(0, TFrmSoleLuna::SunriseColumn), SunMoonLines::timeText(*first.sunrise));
        QCOMPARE(cell(0, TFrmSoleLuna::SunriseColumn), QStringLiteral("05:48"));
        QCOMPARE(cell(0, TFrmSoleLuna::TwilightColumn), QStringLiteral("05:15 - 21:17"));
        QCOMPARE(cell(0, TFrmSoleLuna::MoonriseColumn), QStringLiteral("23:23"));
        QCOMPARE(cell(0, TFrmSoleLuna::MoonsetColumn), QStringLiteral("10:37"));
        QCOMPARE(cell(0, TFrmSoleLuna::UpperColumn), QStringLiteral("04:43"));
        QCOMPARE(cell(0, TFrmSoleLuna::LowerColumn), QStringLiteral("17:06"));
        QCOMPARE(cell(0, TFrmSoleLuna::LitColumn), QStringLiteral("78%"));
        QCOMPARE(cell(0, TFrmSoleLuna::PhaseColumn), QStringLiteral("Gibbosa calante"));
        QCOMPARE(cell(0, TFrmSoleLuna::MajorColumn),
                 QStringLiteral("03:43 - 05:43\n16:06 - 18:06"));
        QCOMPARE(cell(0, TFrmSoleLuna::MinorColumn),
                 QStringLiteral("10:07 - 11:07\n22:53 - 23:53"));
        QCOMPARE(cell(0, TFrmSoleLuna::CatchesColumn),
                 QStringLiteral("2 x 03:00-06:00 (maggiore)\n1 x 09:00-12:00 (minore)\n1 fuori"));
        QCOMPARE(w.Lines->topLevelItem(0)->foreground(TFrmSoleLuna::CatchesColumn).color(),
                 TFrmSoleLuna::kMarked);
        // The catch without a band is not placed on the 16th.
        QCOMPARE(cell(1, TFrmSoleLuna::CatchesColumn), QString());
        QCOMPARE(w.Lines->topLevelItem(1)->foreground(TFrmSoleLuna::CatchesColumn).style(),
                 Qt::NoBrush);
        // No moonrise on the 17th; just after midnight the minor period of the 16th's moonrise
        // (23:45) is still on, and the 18th's (00:08) starts before midnight: both stand on
        // both days.
        QCOMPARE(cell(2, TFrmSoleLuna::MoonriseColumn), QStringLiteral("non sorge"));
        QCOMPARE(cell(1, TFrmSoleLuna::MinorColumn),
                 QStringLiteral("11:19 - 12:19\n23:15 - 00:15"));
        QCOMPARE(cell(2, TFrmSoleLuna::MinorColumn),
                 QStringLiteral("23:15 - 00:15\n12:32 - 13:32\n23:38 - 00:38"));
        QCOMPARE(cell(2, TFrmSoleLuna::CatchesColumn), QStringLiteral("1 x 00:00-03:00 (minore)"));
        QCOMPARE(w.Footnote->text(),
                 QStringLiteral("Periodi maggiori: un'ora prima e dopo la luna in alto e in "
                                "basso; minori: mezz'ora prima e dopo il sorgere e il tramonto "
                                "della luna. Le fasce orarie delle prede durano tre ore: una preda "
                                "conta nel periodo quando la sua fascia lo tocca; \"fuori\" conta "
                                "le altre. Prede non segnate perché "
                                "senza data, senza fascia oraria o fuori dai giorni della "
                                "sessione: 2."));
    });
}

void TestSunMoonWindow::sessionThatCannotBeShown_data() {
    QTest::addColumn<QString>("session"); // how the one session is stored; empty: none saved
    QTest::addColumn<QString>("line");
    QTest::newRow("no session") << "" << SunMoonLines::kNoSession;
    QTest::newRow("no start date") << "(NULL, 1)" << SunMoonLines::kNoStartDate;
    QTest::newRow("no lake") << "('2025-07-15', NULL)" << SunMoonLines::kNoLake;
    QTest::newRow("lake without a position")
        << "('2025-07-15', 2)" << SunMoonLines::kNoPosition.arg("Bolsena");
}

void TestSunMoonWindow::sessionThatCannotBeShown() {
    QFETCH(QString, session);
    QFETCH(QString, line);
    f.start([&](WindowFixture& w) {
        w.exec(QStringLiteral("INSERT INTO TLago (Id_lago, Ds_desc) VALUES (1, 'Garda'), "
                              "(2, 'Bolsena')"));
        w.exec(QStringLiteral("INSERT INTO TLagoPosizione VALUES (1, 45.6, 10.7)"));
        if (!session.isEmpty())
            w.exec(QStringLiteral("INSERT INTO TUscita (DataDa, Nm_lago) VALUES %1").arg(session));
    });
    QVERIFY(f.showMainWindow());
    openWindow([&](TFrmSoleLuna& w) {
        QCOMPARE(w.Lines->topLevelItemCount(), 1);
        QCOMPARE(w.Lines->topLevelItem(0)->text(0), line);
        QVERIFY(w.Lines->topLevelItem(0)->isFirstColumnSpanned());
        QCOMPARE(w.Footnote->text(), QString());
    });
}

void TestSunMoonWindow::theHourThatRepeats() {
    // On the 26th of October 2025 the clocks go from 03:00 back to 02:00.
    const QDateTime summer = QDateTime(QDate(2025, 10, 26), QTime(0, 30), QTimeZone::utc());
    QCOMPARE(SunMoonLines::timeText(summer.toTimeZone(Almanac::italy())),
             QStringLiteral("02:30 (ora legale)"));
    QCOMPARE(SunMoonLines::timeText(summer.addSecs(3600).toTimeZone(Almanac::italy())),
             QStringLiteral("02:30 (ora solare)"));
    QCOMPARE(SunMoonLines::timeText(summer.addSecs(2 * 3600).toTimeZone(Almanac::italy())),
             QStringLiteral("03:30"));
    // Seconds round to the nearest minute.
    QCOMPARE(
        SunMoonLines::timeText(QDateTime(QDate(2025, 7, 15), QTime(5, 47, 30), Almanac::italy())),
        QStringLiteral("05:48"));
    QCOMPARE(
        SunMoonLines::timeText(QDateTime(QDate(2025, 7, 15), QTime(5, 47, 29), Almanac::italy())),
        QStringLiteral("05:47"));
}

QTEST_MAIN(TestSunMoonWindow)
#include "tst_sunmoonwindow.moc"
