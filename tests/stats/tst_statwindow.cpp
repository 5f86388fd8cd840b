// The statistics window over the real program, offscreen: the panel, the validation message,
// "Tutti", the chart's title and legend, saving under the naming rule, printing on a landscape
// page, and everything kept from one opening to the next.
#include "app/U_FRM_FrmPrincipale.h"
#include "charts/ChartLegend.h"
#include "charts/ChartPalette.h"
#include "charts/DBChart.h"
#include "stats/UDM_Statistiche.h"
#include "stats/U_FRM_FrmStat.h"
#include "tests/support/WindowFixture.h"
#include "widgets/DBComboBox.h"
#include "widgets/PrinterSeam.h"
#include "widgets/ToolButton.h"

#include <QCategoryAxis>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGraphicsScene>
#include <QGroupBox>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>
#include <cmath>

class TestStatWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { f.finish(); }
    void window();
    void panelOpensAndCloses();
    void missingChoices_data();
    void missingChoices();
    void titleAndLegend_data();
    void titleAndLegend();
    void chartTypesDrawTheSameCounts();
    void emptyValuesKeepTheirCount_data();
    void emptyValuesKeepTheirCount();
    void manyValuesStayReadable_data();
    void manyValuesStayReadable();
    void aLegendLongerThanTheWindow();
    void coloursStandOutOnWhite();
    void thousandsOfPoints_data();
    void thousandsOfPoints();
    void eachOkFreesThePreviousChart();
    void savedName_data();
    void savedName();
    void printsOnALandscapePage();
    void everythingKeptBetweenOpenings();

private:
    WindowFixture f;
    QTemporaryDir m_out;
    TFrmStat& w() { return *FrmStat; }
    // The user's choices; an empty lake leaves the lake list alone.
    void choose(int type, const QString& lake, bool all, int quantity) {
        w().ComboBoxEx1->setCurrentIndex(type);
        if (!lake.isEmpty())
            w().DBLookupComboBox1->setCurrentIndex(w().DBLookupComboBox1->findText(lake));
        if (w().CheckBox1->isChecked() != all)
            QTest::mouseClick(w().CheckBox1, Qt::LeftButton, {}, QPoint(5, 7));
        w().ComboBox1->setCurrentIndex(quantity);
    }
    void ok() { QTest::mouseClick(w().BitBtn1, Qt::LeftButton); }
    // `count` catches of session 1, each of its own weight from 1 kg up in 0.01 kg steps.
    void distinctWeights(int count) {
        f.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                              "WHERE i < %1) INSERT INTO TPreda (Nm_uscita, Peso) SELECT 1, "
                              "1 + i / 100.0 FROM n")
                   .arg(count));
    }
    // Every point's drawn place lies in the plot area, left to right in the rows' order.
    void checkPlaces() {
        const DBChart& chart = *w().DBChart1;
        const QRectF area = chart.chart()->plotArea().adjusted(-5, -5, 5, 5);
        qreal previous = -1e9;
        for (int i = 0; i < chart.pointCount(); ++i) {
            const QRectF place = chart.plot().pointRect(i);
            QVERIFY2(area.contains(place.center()), qPrintable(QString::number(i)));
            QVERIFY(place.center().x() > previous);
            previous = place.center().x();
        }
    }
};

void TestStatWindow::init() {
    f.start([](WindowFixture& fx) {
        fx.exec(QStringLiteral("DELETE FROM TEsca"));
        fx.exec(QStringLiteral("INSERT INTO TEsca (Id_esca, Ds_esca) VALUES (1, 'Boilies'), "
                               "(2, 'Mais')"));
        fx.exec(QStringLiteral("INSERT INTO TLago (Id_lago, Ds_desc) VALUES (1, 'Bolsena'), "
                               "(2, 'Garda')"));
        fx.exec(QStringLiteral("INSERT INTO TUscita (Id_uscita, Nm_lago) VALUES (1, 1), (2, 2)"));
        fx.exec(QStringLiteral("INSERT INTO TPreda (Nm_uscita, Nm_Esca) VALUES (1, 1), (1, 1), "
                               "(1, 2), (2, 2)"));
    });
    QVERIFY(f.showMainWindow());
    f.modal().whileOpen = [](QDialog& d) {
        d.show();
        return int(QDialog::Accepted);
    };
    FrmUscita->Statistiche1->trigger();
    QCOMPARE(f.modal().shown, QList<QDialog*>{FrmStat});
}

void TestStatWindow::window() {
    QCOMPARE(w().windowTitle(), QStringLiteral("STATISTICHE"));
    QCOMPARE(w().minimumSize(), w().maximumSize());
    QVERIFY(!w().windowIcon().isNull());
    QCOMPARE(w().DBChart1->geometry(), QRect(5, 50, 621, 396));
    QCOMPARE(w().DBChart1->titleLines(), QStringList{QStringLiteral("TDBChart")});
    QCOMPARE(w().DBChart1->pointCount(), 0);
    QCOMPARE(w().ComboBoxEx1->currentIndex(), -1);
    QCOMPARE(w().ComboBoxEx1->count(), 3);
    QCOMPARE(w().ComboBox1->count(), 13);
    QCOMPARE(w().ComboBox1->itemText(0), QStringLiteral("Durata sessione"));
    QCOMPARE(w().ComboBox1->itemText(10), QStringLiteral("Profondità"));
    QCOMPARE(w().ComboBox1->itemText(12), QStringLiteral("Tipo vento"));
    QVERIFY(w().BitBtn1->isDefault());
    QVERIFY(!w().BitBtn2->isEnabled());
    QVERIFY(!w().BitBtn3->isEnabled());
}

void TestStatWindow::panelOpensAndCloses() {
    QVERIFY(w().SpeedButton1->isVisible());
    QVERIFY(!w().SpeedButton2->isVisible());
    QTest::mouseClick(w().SpeedButton1, Qt::LeftButton);
    QCOMPARE(w().GroupBox1->height(), 36);
    QVERIFY(w().SpeedButton2->isVisible());
    QVERIFY(!w().SpeedButton1->isVisible());
    QTest::mouseClick(w().SpeedButton2, Qt::LeftButton);
    QCOMPARE(w().GroupBox1->height(), 161);
}

void TestStatWindow::missingChoices_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("lake");
    QTest::addColumn<bool>("all");
    QTest::addColumn<int>("quantity");
    QTest::newRow("no chart type") << -1 << "Bolsena" << false << 7;
    QTest::newRow("no lake, Tutti not ticked") << 0 << "" << false << 7;
    QTest::newRow("no quantity") << 0 << "" << true << -1;
}

void TestStatWindow::missingChoices() {
    QFETCH(int, type);
    QFETCH(QString, lake);
    QFETCH(bool, all);
    QFETCH(int, quantity);
    choose(type, lake, all, quantity);
    ok();
    QCOMPARE(f.messages().texts(), QStringList{TFrmStat::kMissingChoices});
    QCOMPARE(f.messages().shown().front().caption, QStringLiteral("Error"));
    QCOMPARE(f.messages().shown().front().kind, MessageKind::Error);
    QCOMPARE(w().DBChart1->pointCount(), 0);
    QVERIFY(!w().BitBtn2->isEnabled());
    // Once a chart was drawn, a refused "OK" leaves it and the two buttons as they are.
    choose(0, QString(), true, 7);
    ok();
    QCOMPARE(w().DBChart1->pointCount(), 2);
    choose(type, lake, all, quantity);
    if (type < 0)
        w().ComboBoxEx1->setCurrentIndex(-1);
    ok();
    QCOMPARE(f.messages().texts().size(), 2);
    QCOMPARE(w().DBChart1->pointCount(), 2);
    QVERIFY(w().BitBtn2->isEnabled() && w().BitBtn3->isEnabled());
}

void TestStatWindow::titleAndLegend_data() {
    QTest::addColumn<bool>("all");
    QTest::addColumn<QStringList>("title");
    QTest::addColumn<QStringList>("legend");
    QTest::newRow("Bolsena") << false
                             << QStringList{"GRAFICO RISULTATO USCITE",
                                            "Specchio d'acqua analizzato:Bolsena",
                                            "Dato analizzato:Esca"}
                             << QStringList{"Boilies 67%", "Mais 33%"};
    // "Tutti" counts every lake even with Bolsena still chosen in the disabled list.
    QTest::newRow("Tutti") << true
                           << QStringList{"GRAFICO RISULTATO USCITE", "Dato analizzato:Esca"}
                           << QStringList{"Boilies 50%", "Mais 50%"};
}

void TestStatWindow::titleAndLegend() {
    QFETCH(bool, all);
    QFETCH(QStringList, title);
    QFETCH(QStringList, legend);
    choose(0, QStringLiteral("Bolsena"), all, 7);
    QCOMPARE(w().DBLookupComboBox1->isEnabled(), !all);
    QCOMPARE(w().DBLookupComboBox1->currentText(), QStringLiteral("Bolsena"));
    ok();
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(w().DBChart1->titleLines(), title);
    QCOMPARE(w().DBChart1->legendTexts(), legend);
    QVERIFY(w().BitBtn2->isEnabled() && w().BitBtn3->isEnabled());
}

void TestStatWindow::chartTypesDrawTheSameCounts() {
    QStringList first;
    for (int type : {0, 1, 2}) {
        choose(type, QString(), true, 7);
        ok();
        QCOMPARE(w().DBChart1->pointCount(), 2);
        if (first.isEmpty())
            first = w().DBChart1->legendTexts();
        // Bars and line: the count axis starts at 0 and ticks whole numbers.
        for (QAbstractAxis* axis : w().DBChart1->chart()->axes(Qt::Vertical)) {
            auto* counts = qobject_cast<QValueAxis*>(axis);
            QVERIFY(counts);
            QCOMPARE(counts->min(), 0.0);
            const double step = counts->max() / (counts->tickCount() - 1);
            QCOMPARE(step, std::round(step));
        }
        QCOMPARE(w().DBChart1->legendTexts(), first);
    }
    // Each "OK" replaced the series and axes: a line leaves the line and its two axes.
    QCOMPARE(w().DBChart1->chart()->series().size(), 1);
    QCOMPARE(w().DBChart1->chart()->axes().size(), 2);
}

void TestStatWindow::emptyValuesKeepTheirCount_data() {
    QTest::addColumn<int>("type");
    QTest::newRow("pie") << 0;
    QTest::newRow("bars") << 1;
    QTest::newRow("line") << 2;
}

void TestStatWindow::emptyValuesKeepTheirCount() {
    QFETCH(int, type);
    // Depth 2,5 once and 3 three times; the four catches of the fixture have none.
    f.exec(QStringLiteral("INSERT INTO TPreda (Nm_uscita, Profondita) VALUES (1, 2.5), (1, 3), "
                          "(2, 3), (2, 3)"));
    choose(type, QString(), true, 10);
    ok();
    const DBChart& chart = *w().DBChart1;
    const QStringList labels{DBChart::kNoValue, "2,5", "3"};
    QCOMPARE(chart.pointLabels(), labels);
    QCOMPARE(chart.pointValues(), (std::vector<double>{0, 1, 3}));
    QCOMPARE(chart.legendTexts(), (QStringList{"(non indicato) 0%", "2,5 25%", "3 75%"}));
    QCOMPARE(chart.legend().visibleCount(), 3);
    if (type == 0)
        return;
    QVERIFY(chart.labelAxis());
    QStringList axis = chart.labelAxis()->categoriesLabels();
    QCOMPARE(axis, labels);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(chart.labelAxis()->endValue(axis[i]), double(i));
    QTest::qWait(0); // the chart lays its plot area out
    checkPlaces();
    const QRectF two = chart.plot().pointRect(1), three = chart.plot().pointRect(2);
    const qreal bottom = chart.chart()->plotArea().bottom();
    if (type == 1) {
        QCOMPARE(chart.plot().pointRect(0).height(), 0.0);
        QCOMPARE(qRound(three.height() / two.height()), 3);
    } else {
        QCOMPARE(qRound((bottom - three.center().y()) / (bottom - two.center().y())), 3);
    }
}

void TestStatWindow::manyValuesStayReadable_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("weights");
    QTest::newRow("pie of 40") << 0 << 40;
    QTest::newRow("bars of 40") << 1 << 40;
    QTest::newRow("line of 120") << 2 << 120;
}

void TestStatWindow::manyValuesStayReadable() {
    QFETCH(int, type);
    QFETCH(int, weights);
    distinctWeights(weights);
    choose(type, QString(), true, 6);
    ok();
    QTest::qWait(0);
    const DBChart& chart = *w().DBChart1;
    QCOMPARE(chart.pointCount(), weights + 1); // and the catches without a weight
    // Every entry in view, in 6 points or more, inside the chart beside the plot.
    QCOMPARE(chart.legend().visibleCount(), weights + 1);
    QVERIFY(chart.legend().pointSize() >= 6);
    const QRectF legend = chart.legend().mapRectToScene(chart.legend().boundingRect());
    QVERIFY(QRectF(QPointF(0, 0), QSizeF(chart.size())).contains(legend));
    QVERIFY(!legend.intersects(chart.chart()->plotArea()));
    if (type != 0) {
        // Labels too wide for their bar stand upright, every one or evenly spaced.
        QCOMPARE(chart.labelAxis()->labelsAngle(), -90);
        const QStringList shown = chart.labelAxis()->categoriesLabels();
        QVERIFY(shown.size() >= 5);
        QCOMPARE(shown.front(), DBChart::kNoValue);
        const double stride = chart.labelAxis()->endValue(shown[1]);
        for (int i = 1; i < shown.size(); ++i)
            QCOMPARE(chart.labelAxis()->endValue(shown[i]), i * stride);
        checkPlaces();
    }
    // The saved bitmap is the same layout: the legend's last entry is drawn in it.
    const QImage image = w().DBChart1->picture();
    const QRectF lastRow = legend.adjusted(0, legend.height() - 12, 0, 0);
    bool ink = false;
    for (int y = int(lastRow.top()); y < int(lastRow.bottom()) && !ink; ++y)
        for (int x = int(lastRow.left()); x < int(lastRow.right()) && !ink; ++x)
            ink = qGray(image.pixel(x, y)) < 128;
    QVERIFY(ink);
}

void TestStatWindow::aLegendLongerThanTheWindow() {
    // As many weights as the demonstration logbook has: more entries than the window holds
    // even in 6 points.
    distinctWeights(300);
    choose(1, QString(), true, 6);
    ok();
    const DBChart& chart = *w().DBChart1;
    QVERIFY(chart.legend().hiddenCount() > 0);
    // The saved picture is laid out larger, in the window's proportions, to hold them all.
    const QImage image = w().DBChart1->picture();
    QVERIFY(image.width() > chart.width() && image.width() <= 4 * chart.width());
    QVERIFY(qAbs(100.0 * image.width() / image.height() - 100.0 * chart.width() / chart.height()) <
            1);
    QVERIFY(chart.legendFitsIn(image.size()));
    // The page holds them too, still on one page.
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(m_out.filePath(QStringLiteral("lungo.pdf")));
    QPrinter* previous = installPrinter(&pdf);
    QTest::mouseClick(w().BitBtn2, Qt::LeftButton);
    installPrinter(previous);
    QVERIFY(f.messages().shown().isEmpty());
    QFile file(pdf.outputFileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);
    QVERIFY(chart.legendFitsIn(QSize(1123, 794)));
}

void TestStatWindow::coloursStandOutOnWhite() {
    // At least 3:1 against white (the contrast asked of graphics), neighbours apart.
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    for (int i = 0; i < ChartPalette::size(); ++i) {
        const QColor c = ChartPalette::colour(i);
        QVERIFY2(1.05 / (luminance(c) + 0.05) >= 3.0, qPrintable(c.name()));
        QVERIFY(c != ChartPalette::colour(i + 1));
    }
    QCOMPARE(ChartPalette::colour(ChartPalette::size()), ChartPalette::colour(0));
}

void TestStatWindow::thousandsOfPoints_data() {
    emptyValuesKeepTheirCount_data();
}

void TestStatWindow::thousandsOfPoints() {
    QFETCH(int, type);
    distinctWeights(2500);
    choose(type, QString(), true, 6);
    ok();
    w().DBChart1->repaint();
    const DBChart& chart = *w().DBChart1;
    QCOMPARE(chart.pointCount(), 2501);
    // Items do not grow with the points: one series at most, one plot, one legend.
    QVERIFY(chart.chart()->series().size() <= 1);
    QVERIFY2(chart.scene()->items().size() < 300,
             qPrintable(QString::number(chart.scene()->items().size())));
    // More entries than a window holds: the last line says how many are out of view, and
    // the wheel brings them in.
    QVERIFY(chart.legend().hiddenCount() > 0);
    QVERIFY(chart.legend().pointSize() >= 6);
    const int hidden = chart.legend().hiddenCount();
    const_cast<ChartLegend&>(chart.legend()).scrollColumns(1000);
    QVERIFY(chart.legend().firstShown() > 0);
    QCOMPARE(chart.legend().firstShown() + chart.legend().visibleCount(), 2501);
    QVERIFY(hidden >= 2501 - chart.legend().visibleCount() - chart.legend().firstShown());
}

void TestStatWindow::eachOkFreesThePreviousChart() {
    distinctWeights(300);
    QList<int> items;
    for (int round = 0; round < 3; ++round)
        for (int type : {0, 1, 2}) {
            choose(type, QString(), true, 6);
            ok();
            QTest::qWait(0);
            if (round == 0)
                items << w().DBChart1->scene()->items().size();
            else
                QCOMPARE(w().DBChart1->scene()->items().size(), items[type]);
            QCOMPARE(w().DBChart1->chart()->series().size(), type == 0 ? 0 : 1);
            QCOMPARE(w().DBChart1->chart()->axes().size(), type == 0 ? 0 : 2);
        }
}

void TestStatWindow::savedName_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no extension") << "grafico"
                                  << "grafico.bmp";
    QTest::newRow("upper-case extension") << "grafico.BMP"
                                          << "grafico.BMP.bmp";
    QTest::newRow(".bmp inside the name") << "a.bmp.old"
                                          << "a.bmp.old";
}

void TestStatWindow::savedName() {
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    choose(1, QString(), true, 7);
    ok();
    f.files().answers << m_out.filePath(typed);
    QTest::mouseClick(w().BitBtn3, Qt::LeftButton);
    QCOMPARE(f.files().filters, QStringList{QStringLiteral("Bitmaps (*.bmp)")});
    QCOMPARE(f.files().pictureDialogs, 1); // the save dialog with the preview
    const QImage written(m_out.filePath(saved), "BMP");
    QCOMPARE(written.size(), w().DBChart1->size());
    QVERIFY(f.messages().shown().isEmpty());
}

void TestStatWindow::printsOnALandscapePage() {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(m_out.filePath(QStringLiteral("grafico.pdf")));
    pdf.setPageOrientation(QPageLayout::Portrait);
    QPrinter* previous = installPrinter(&pdf);
    choose(0, QString(), true, 7);
    ok();
    QTest::mouseClick(w().BitBtn2, Qt::LeftButton);
    installPrinter(previous);
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(pdf.pageLayout().orientation(), QPageLayout::Portrait); // restored
    QFile file(pdf.outputFileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
            .match(QString::fromLatin1(bytes));
    QVERIFY(box.hasMatch());
    QVERIFY(box.captured(1).toDouble() > box.captured(2).toDouble()); // landscape
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);
}

void TestStatWindow::everythingKeptBetweenOpenings() {
    QTest::mouseClick(w().SpeedButton1, Qt::LeftButton);
    choose(2, QStringLiteral("Garda"), false, 7);
    ok();
    w().hide();
    FrmUscita->Statistiche1->trigger();
    QCOMPARE(w().ComboBoxEx1->currentIndex(), 2);
    QCOMPARE(w().DBLookupComboBox1->currentText(), QStringLiteral("Garda"));
    QCOMPARE(w().ComboBox1->currentIndex(), 7);
    QCOMPARE(w().GroupBox1->height(), 36);
    QCOMPARE(w().DBChart1->legendTexts(), QStringList{QStringLiteral("Mais 100%")});
    QVERIFY(w().BitBtn2->isEnabled());
}

QTEST_MAIN(TestStatWindow)
#include "tst_statwindow.moc"
