// The statistics window over the real program, offscreen: the panel, the validation message,
// "Tutti", the chart's title and legend, saving under the naming rule, printing on a landscape
// page, and everything kept from one opening to the next.
#include "app/U_FRM_FrmPrincipale.h"
#include "charts/DBChart.h"
#include "stats/UDM_Statistiche.h"
#include "stats/U_FRM_FrmStat.h"
#include "tests/support/WindowFixture.h"
#include "widgets/DBComboBox.h"
#include "widgets/PrinterSeam.h"
#include "widgets/ToolButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
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
        QCOMPARE(w().DBChart1->chart()->series().isEmpty(), false);
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
    // Each "OK" replaced the series: bars leave one series, a line its vertices and the line.
    QCOMPARE(w().DBChart1->chart()->series().size(), 1 + 2);
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
