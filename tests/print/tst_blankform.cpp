// The blank session form drawn into a PDF and an image: texts at their places (read back
// with pdftotext), the catch boxes and their fills, one A4 portrait page whatever the
// printer's orientation, and the preview opening from the menu without printing anything.
#include "app/U_FRM_FrmPrincipale.h"
#include "engine/Query.h"
#include "print/BlankSessionForm.h"
#include "sessions/UDM_Sessioni.h"
#include "tests/support/WindowFixture.h"
#include "widgets/PrinterSeam.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The first page's size in points, from the PDF's MediaBox.
QSizeF mediaBox(const QByteArray& pdf) {
    const auto m = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
                       .match(QString::fromLatin1(pdf));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double kMargin = 6.35;
constexpr double kHeader = 12.435;

struct Word {
    QString text;
    double left; // millimetres from the sheet's edge
    double top;
};

} // namespace

class TestBlankForm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void textsAtTheirPlaces_data();
    void textsAtTheirPlaces();
    void everyTextOnce();
    void catchBoxes();
    void oneA4PortraitPageWhateverThePrinter();
    void previewFromTheMenuPrintsNothing();
    void sameFormWhateverTheLogbook();

private:
    QTemporaryDir m_dir;
    QList<Word> m_words;
    QByteArray m_pdf;
};

void TestBlankForm::initTestCase() {
    const QString pdf = m_dir.filePath(QStringLiteral("modulo.pdf"));
    {
        QPdfWriter writer(pdf);
        PaintBlankSessionForm(writer);
    }
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    m_pdf = file.readAll();
    const QString html = m_dir.filePath(QStringLiteral("modulo.html"));
    QCOMPARE(QProcess::execute(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, html}),
             0);
    QFile words(html);
    QVERIFY(words.open(QIODevice::ReadOnly));
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    for (auto m = word.globalMatch(QString::fromUtf8(words.readAll())); m.hasNext();) {
        const auto w = m.next();
        m_words.append({w.captured(3), w.captured(1).toDouble() / kPointsPerMm,
                        w.captured(2).toDouble() / kPointsPerMm});
    }
}

void TestBlankForm::textsAtTheirPlaces_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<double>("left"); // in its band, as laid out
    QTest::addColumn<double>("top");
    QTest::addColumn<bool>("header");
    QTest::newRow("page title") << "Report" << 60.325 << 2.117 << true;
    QTest::newRow("section 1") << "Dati" << 4.233 << 0.265 << false;
    QTest::newRow("section 2") << "Pasturazione:" << 4.233 << 62.177 << false;
    QTest::newRow("section 3") << "Prede:" << 4.233 << 123.561 << false;
    QTest::newRow("first day") << "Giorno 1:" << 4.233 << 74.877 << false;
    QTest::newRow("last day") << "Giorno 7:" << 4.233 << 112.977 << false;
    QTest::newRow("box 1, first row") << "Carpista:" << 150.284 << 132.027 << false;
    QTest::newRow("box 4, first row") << "Carpista:" << 150.284 << 196.321 << false;
    QTest::newRow("box 6, Forza vento:") << "Forza" << 129.117 << 252.148 << false;
    QTest::newRow("a blank of 45") << QString(45, QLatin1Char('_')) << 16.933 << 53.711 << false;
}

void TestBlankForm::textsAtTheirPlaces() {
    QFETCH(QString, word);
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(bool, header);
    const double x = kMargin + left;
    const double y = kMargin + (header ? 0 : kHeader) + top;
    const QString first = word.section(QLatin1Char(' '), 0, 0);
    bool found = false;
    for (const Word& w : m_words)
        if (w.text == first && qAbs(w.left - x) < 0.3 && qAbs(w.top - y) < 0.5)
            found = true;
    QVERIFY2(found, qPrintable(QStringLiteral("%1 not at %2, %3").arg(word).arg(x).arg(y)));
}

void TestBlankForm::everyTextOnce() {
    const Report::Layout form = ppReport1();
    int captions = 0, blanks = 0;
    for (const Report::Band* band : {&form.header, &form.detail, &form.footer})
        for (const Report::Text& t : band->texts)
            (t.text.startsWith(QLatin1Char('_')) ? blanks : captions)++;
    QCOMPARE(captions, 102);
    QCOMPARE(blanks, 130);
    // Every blank reached the page, each a word of its own.
    int drawnBlanks = 0;
    for (const Word& w : m_words)
        drawnBlanks += w.text.startsWith(QLatin1Char('_'));
    QCOMPARE(drawnBlanks, 130);
    int days = 0, fields = 0;
    for (const Word& w : m_words) {
        days += w.text == QLatin1String("Giorno");
        fields += w.text == QLatin1String("Montatura:");
    }
    QCOMPARE(days, 7);
    QCOMPARE(fields, 6);
    QCOMPARE(form.footer.heightMm, 0.0);
}

void TestBlankForm::catchBoxes() {
    const Report::Layout form = ppReport1();
    const QColor silver(0xC0, 0xC0, 0xC0), grey(0x99, 0x99, 0x99);
    QCOMPARE(form.detail.boxes.size(), size_t(6));
    const double tops[] = {129.911, 151.871, 173.038, 194.998, 216.165, 238.125};
    // An image of the sheet at 10 pixels a millimetre: each box's fill shows at its lower
    // right corner, where no text lies.
    QImage sheet(2100, 2970, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    PaintBlankSessionForm(sheet);
    for (int i = 0; i < 6; ++i) {
        const Report::Box& box = form.detail.boxes[size_t(i)];
        const double height = i % 2 ? 20.373 : 21.167;
        QCOMPARE(box.rectMm, QRectF(2.117, tops[i], 194.469, height));
        QCOMPARE(box.fill, i % 2 ? grey : silver);
        const QPointF inside(kMargin + 2.117 + 194.469 - 1.0,
                             kMargin + kHeader + tops[i] + height - 1.0);
        QCOMPARE(sheet.pixelColor((inside * 10).toPoint()), box.fill);
    }
}

void TestBlankForm::oneA4PortraitPageWhateverThePrinter() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_dir.filePath(QStringLiteral("stampa.pdf")));
    printer.setPageOrientation(QPageLayout::Landscape);
    PaintBlankSessionForm(printer);
    QFile file(printer.outputFileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // A4 portrait: 595 x 842 points.
    QCOMPARE(mediaBox(bytes).toSize(), QSize(595, 842));
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);
    QCOMPARE(mediaBox(m_pdf).toSize(), QSize(595, 842));
}

void TestBlankForm::previewFromTheMenuPrintsNothing() {
    WindowFixture f;
    f.start();
    QVERIFY(f.showMainWindow());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString out = m_dir.filePath(QStringLiteral("niente.pdf"));
    printer.setOutputFileName(out);
    QPrinter* previous = installPrinter(&printer);
    QString caption;
    bool preview = false;
    f.modal().whileOpen = [&](QDialog& d) {
        caption = d.windowTitle();
        preview = qobject_cast<QPrintPreviewDialog*>(&d) != nullptr;
        return int(QDialog::Rejected); // closed without printing
    };
    FrmUscita->Stampamodulo1->trigger();
    installPrinter(previous);
    QCOMPARE(f.modal().shown.size(), 1);
    QVERIFY(preview);
    QCOMPARE(caption, QStringLiteral("Anteprima di stampa"));
    QCOMPARE(printer.docName(), QStringLiteral("Report"));
    QVERIFY(!QFile::exists(out));
    f.finish();
}

void TestBlankForm::sameFormWhateverTheLogbook() {
    auto draw = [] {
        QImage sheet(794, 1123, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        PaintBlankSessionForm(sheet);
        return sheet;
    };
    WindowFixture f;
    f.start();
    QVERIFY(f.showMainWindow());
    const QImage empty = draw();
    DM_Sessioni->ADOQ_Sessioni.insert(); // a session being entered
    QCOMPARE(draw(), empty);
    DM_Sessioni->ADOQ_Sessioni.cancel();
    f.finish();
}

QTEST_MAIN(TestBlankForm)
#include "tst_blankform.moc"
