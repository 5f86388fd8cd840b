// Printing without a printer and the blank form saved as a PDF file: with no printer every
// print command says so before any dialog; "Salva modulo come PDF..." writes the very page
// that prints, asks before replacing a file and keeps the old one on No.
#include "app/U_FRM_FrmPrincipale.h"
#include "print/BlankSessionForm.h"
#include "stats/U_FRM_FrmStat.h"
#include "tests/support/WindowFixture.h"
#include "widgets/PrinterSeam.h"

#include <QAction>
#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString pdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFormPdf : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void noPrinterSaidBeforeAnyDialog_data();
    void noPrinterSaidBeforeAnyDialog();
    void savedPageIsThePrintedPage();
    void existingFileReplacedOnlyOnYes_data();
    void existingFileReplacedOnlyOnYes();

private:
    WindowFixture f;
    QTemporaryDir m_out;
    PrinterProbe m_previousProbe;
};

void TestFormPdf::init() {
    m_previousProbe = installPrinterProbe([] { return false; });
    f.start();
    QVERIFY(f.showMainWindow());
}

void TestFormPdf::cleanup() {
    f.finish();
    installPrinterProbe(m_previousProbe);
}

void TestFormPdf::noPrinterSaidBeforeAnyDialog_data() {
    QTest::addColumn<bool>("chart");
    QTest::addColumn<QString>("text");
    QTest::newRow("blank form") << false
                                << "Nessuna stampante installata. Il modulo si può salvare con "
                                   "\"Salva modulo come PDF...\".";
    QTest::newRow("chart") << true
                           << "Nessuna stampante installata. Il grafico si può salvare come "
                              "bitmap con \"Salva\".";
}

void TestFormPdf::noPrinterSaidBeforeAnyDialog() {
    QFETCH(bool, chart);
    QFETCH(QString, text);
    if (chart)
        FrmStat->BitBtn2Click();
    else
        FrmUscita->Stampamodulo1->trigger();
    QCOMPARE(f.messages().texts(), QStringList{text});
    QCOMPARE(f.messages().shown().front().kind, MessageKind::Warning);
    QVERIFY(f.modal().shown.isEmpty());
    // With a printer the form goes on to its preview.
    installPrinterProbe([] { return true; });
    f.modal().whileOpen = [](QDialog&) { return int(QDialog::Rejected); };
    if (!chart) {
        FrmUscita->Stampamodulo1->trigger();
        QCOMPARE(f.modal().captions, QStringList{QStringLiteral("Anteprima di stampa")});
    }
}

void TestFormPdf::savedPageIsThePrintedPage() {
    const QString direct = m_out.filePath(QStringLiteral("diretto.pdf"));
    {
        QPdfWriter writer(direct);
        PaintBlankSessionForm(writer);
    }
    // A name without the extension gets it.
    f.files().answers << m_out.filePath(QStringLiteral("modulo"));
    FrmUscita->SalvaModuloPdf1->trigger();
    QCOMPARE(f.files().filters, QStringList{QStringLiteral("Documenti PDF (*.pdf)")});
    const QString saved = m_out.filePath(QStringLiteral("modulo.pdf"));
    QVERIFY(QFile::exists(saved));
    QVERIFY(f.messages().shown().isEmpty());
    const QString text = pdfText(saved);
    QVERIFY(text.contains(QStringLiteral("Report uscita -- LunkerLedger")));
    QCOMPARE(text, pdfText(direct));
    QCOMPARE(text.count(QLatin1Char('\f')), 1); // one page
    // Cancelling the dialog writes nothing and says nothing.
    FrmUscita->SalvaModuloPdf1->trigger();
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(QDir(m_out.path()).entryList(QDir::Files).size(), 2);
}

void TestFormPdf::existingFileReplacedOnlyOnYes_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("No keeps the file") << false;
    QTest::newRow("Yes replaces it") << true;
}

void TestFormPdf::existingFileReplacedOnlyOnYes() {
    QFETCH(bool, yes);
    const QString path = m_out.filePath(yes ? QStringLiteral("si.PDF") : QStringLiteral("no.pdf"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("vecchio");
    }
    f.files().answers << path;
    f.messages().answerNext(yes ? MessageAnswer::Yes : MessageAnswer::No);
    FrmUscita->SalvaModuloPdf1->trigger();
    QCOMPARE(f.messages().texts(),
             QStringList{QStringLiteral("Il file '%1' esiste già: sostituirlo?")
                             .arg(QDir::toNativeSeparators(path))});
    QCOMPARE(f.messages().shown().front().kind, MessageKind::Confirmation);
    QCOMPARE(contents(path) == "vecchio", !yes);
    if (yes)
        QVERIFY(pdfText(path).contains(QStringLiteral("Prede:")));
}

QTEST_MAIN(TestFormPdf)
#include "tst_formpdf.moc"
