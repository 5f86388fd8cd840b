// Window benchmark, on the lifetime logbook where every catch has a 12-megapixel camera JPEG:
// one step of the main window to the next session (the move, the whole refresh of every panel
// with the current catch's photo preview, and a repaint), beside raw SQLite running the same
// detail queries for the same session; and the statistics window's "OK" (assemble, run, bind,
// draw) for a joined and a plain quantity, beside raw SQLite running the same text.
#include "app/Startup.h"
#include "app/U_FRM_FrmPrincipale.h"
#include "app/U_FRM_FrmStart.h"
#include "charts/DBChart.h"
#include "data/MessageSeam.h"
#include "data/PrivateProfile.h"
#include "data/ShippedFiles.h"
#include "data/U_QFile.h"
#include "sessions/UDM_Sessioni.h"
#include "stats/UDM_Statistiche.h"
#include "stats/U_FRM_FrmStat.h"
#include "tests/support/TestPictures.h"
#include "tools/BenchProgram.h"
#include "tools/BenchSupport.h"
#include "widgets/DBNavigator.h"
#include "widgets/UiFonts.h"

#include <sqlite3.h>

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <tuple>

namespace {

// Something photo-like at 4000 x 3000 with the 160 x 120 thumbnail cameras embed.
QByteArray cameraPhoto() {
    QImage image(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb((x / 16 + y % 7) & 255, (y / 12 + x % 5) & 255, ((x + y) / 28) & 255);
    }
    QByteArray photo;
    QBuffer buffer(&photo);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    QByteArray thumb;
    QBuffer thumbBuffer(&thumb);
    thumbBuffer.open(QIODevice::WriteOnly);
    image.scaled(160, 120).save(&thumbBuffer, "JPG", 80);
    return TestPictures::withExif(photo, 1, thumb);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    UiFonts::installSubstitutions();
    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("carpa.jpg"));
    {
        QFile file(photo);
        file.open(QIODevice::WriteOnly);
        file.write(cameraPhoto());
    }
    const QString path = dir.filePath(QStringLiteral("DATA2.MDB"));
    ShippedFiles::createDatabase(path);
    std::printf("Building the logbook (10,000 sessions, 500,000 catches with a 12-megapixel "
                "photo each, 30,000 groundbait days)...\n");
    FillLifetimeLogbook(path, photo);
    UseAsProgramFolder(dir.path());

    CountingMessages messages;
    installMessageSeam(&messages);
    {
        Program program;
        StartToMainWindow(program);
        DBNavigator* navigator = FrmUscita->DBN_Sessioni;
        const double step = MedianMs(201, [&] {
            navigator->press(DBNavigator::Next);
            FrmUscita->repaint();
        });

        const QByteArray text = ShippedFiles::queryIni().toUtf8();
        sqlite3* raw = nullptr;
        sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
        std::vector<std::unique_ptr<RawQuery>> details;
        for (const char* key : {"ADOQ_ELCarpisti", "ADOQ_SESSCarpisti", "ADOQ_SESSPastura",
                                "ADOQ_MAXGGPastura", "ADOQ_SESSPrede"})
            details.push_back(std::make_unique<RawQuery>(
                raw, PrivateProfile::readString(text, QStringLiteral("DM_Sessioni"),
                                                QLatin1String(key), QStringLiteral("0"))));
        long long session = 300;
        const double rawStep = MedianMs(201, [&] {
            ++session;
            for (auto& q : details)
                q->run({session});
        });
        details.clear();
        sqlite3_close(raw);

        std::printf("\n%-58s %10s\n", "workload (median of 201 steps)", "ms");
        std::printf("%-58s %10.2f\n", "main window: next session, whole refresh, repaint", step);
        std::printf("%-58s %10.2f\n", "raw SQLite: the same five detail queries", rawStep);
        std::printf("\nsessions stepped through: %d; boxes shown: %d\n",
                    DM_Sessioni->SessionRecNo(), messages.shown);

        // The statistics window's "OK", drawn into the offscreen window.
        TFrmStat& stat = *FrmStat;
        stat.show();
        stat.CheckBox1->setChecked(true);
        stat.CheckBox1Click();
        sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
        std::printf("\n%-58s %10s %10s %7s\n", "statistics \"OK\", all lakes (median of 7)",
                    "window ms", "raw ms", "ratio");
        for (const auto& [type, quantity, name] : {std::tuple{1, 7, "bars by bait (joined)"},
                                                   std::tuple{0, 6, "pie by weight (plain)"}}) {
            stat.ComboBoxEx1->setCurrentIndex(type);
            stat.ComboBox1->setCurrentIndex(quantity);
            const double window = MedianMs(7, [&] {
                stat.BitBtn1Click();
                stat.DBChart1->repaint();
            });
            RawQuery rawStat(raw, DM_Statistiche->StatSql);
            const double rawRun = MedianMs(7, [&] { rawStat.run({}); });
            std::printf("%-58s %10.1f %10.1f %6.2fx\n", name, window, rawRun, window / rawRun);
        }
        sqlite3_close(raw);
    }
    installMessageSeam(nullptr);
    return 0;
}
