// The spreadsheet export through the real menu: three CSV files read back field by field
// (quoting, accents, decimal comma, dates, column heads), what the user is told at the end,
// existing files replaced only after the user says so, and a stopped export changing nothing.
#include "app/U_FRM_FrmPrincipale.h"
#include "data/UDM_Connessione.h"
#include "data/UDM_Esporta.h"
#include "tests/support/WindowFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The rows of a CSV text as RFC 4180 reads them, ";" between fields.
QList<QStringList> parse(const QString& text) {
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(';')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                   text[i + 1] == QLatin1Char('\n')) {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

} // namespace

class TestCsvExport : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { f.finish(); }
    void threeFilesReadBack();
    void existingFilesReplacedOnlyWhenSaid();
    void formulasWrittenAsPlainText();
    void stoppedExportChangesNothing();
    void progressTotalWithOrWithoutCountTexts_data();
    void progressTotalWithOrWithoutCountTexts();

private:
    WindowFixture f;
    std::unique_ptr<QTemporaryDir> m_dir;
    QTemporaryDir& out() { return *m_dir; }
    QByteArray read(const QString& name) {
        QFile file(out().filePath(name));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    void exportNow() {
        f.files().answers << out().path();
        FrmUscita->EsportaCsv1->trigger();
    }
    // The box at the end of a complete export.
    QString summary(int sessions, int catches, int days) {
        return QStringLiteral("Esportazione completata nella cartella %1\r\n\r\n"
                              "uscite.csv: %2\r\nprede.csv: %3\r\npasturazioni.csv: %4")
            .arg(QDir::toNativeSeparators(out().path()),
                 QStringLiteral("%1 %2").arg(sessions).arg(sessions == 1 ? "sessione" : "sessioni"),
                 QStringLiteral("%1 %2").arg(catches).arg(catches == 1 ? "preda" : "prede"),
                 QStringLiteral("%1 %2").arg(days).arg(days == 1 ? "giorno di pasturazione"
                                                                 : "giorni di pasturazione"));
    }
};

void TestCsvExport::init() {
    m_dir = std::make_unique<QTemporaryDir>(); // each case starts from an empty folder
    f.start([](WindowFixture& w) {
        w.exec(QStringLiteral("INSERT INTO TLago (Ds_desc) VALUES ('Città di Castello')"));
        w.exec(
            QStringLiteral("INSERT INTO TPescatore (Ds_Pescatore) VALUES ('Luca'), ('Niccolò')"));
        w.exec(
            QStringLiteral("INSERT INTO TUscita (DataDa, DataA, Nm_lago, Nm_luna, Nm_temp, Note) "
                           "VALUES ('2024-03-05', '2024-03-07', 1, 5, 12.5, 'vento; poi "
                           "\"calma\"' || char(10) || 'la notte')"));
        w.exec(QStringLiteral("INSERT INTO TUscitaPescatore VALUES (1, 1), (1, 2)"));
        w.exec(QStringLiteral("INSERT INTO TPreda (Nm_uscita, Data, Ds_tipo, Peso, Nm_Pescatore) "
                              "VALUES (1, '2024-03-06', 'Regina', 12.75, 2)"));
        w.exec(QStringLiteral("INSERT INTO TPastura (Nm_uscita, giorno, Nm_pastura1, q_pastura1) "
                              "VALUES (1, 1, 1, 2.5)"));
    });
    QVERIFY(f.showMainWindow());
}

void TestCsvExport::threeFilesReadBack() {
    exportNow();
    // Said at the end: how many rows went into each file, and where.
    QCOMPARE(f.messages().texts(), QStringList{summary(1, 1, 1)});
    QCOMPARE(f.messages().shown().front().kind, MessageKind::Information);
    for (const QString& name : TDM_Esporta::kFiles)
        QVERIFY2(read(name).startsWith("\xEF\xBB\xBF"), qPrintable(name)); // UTF-8 with a BOM
    const QList<QStringList> sessions =
        parse(QString::fromUtf8(read(QStringLiteral("uscite.csv")).mid(3)));
    QCOMPARE(sessions.size(), 2);
    QCOMPARE(sessions[0].mid(0, 4),
             QStringList({"Data inizio", "Data fine", "Tipo uscita", "Lago"}));
    QCOMPARE(sessions[0].last(), QStringLiteral("Note"));
    const QStringList s = sessions[1];
    QCOMPARE(s[0], QStringLiteral("05/03/2024"));
    QCOMPARE(s[3], QStringLiteral("Città di Castello"));
    QCOMPARE(s[4], QStringLiteral("12,5"));
    QCOMPARE(s[8], QStringLiteral("Luna piena"));
    QCOMPARE(s[9], QStringLiteral("Luca, Niccolò"));
    QCOMPARE(s[10], QStringLiteral("vento; poi \"calma\"\nla notte"));
    const QList<QStringList> catches =
        parse(QString::fromUtf8(read(QStringLiteral("prede.csv")).mid(3)));
    QCOMPARE(catches.size(), 2);
    QCOMPARE(catches[0][5], QStringLiteral("Peso (kg)"));
    QCOMPARE(catches[1][2], QStringLiteral("06/03/2024"));
    QCOMPARE(catches[1][5], QStringLiteral("12,75"));
    QCOMPARE(catches[1][6], QStringLiteral("Niccolò"));
    const QList<QStringList> days =
        parse(QString::fromUtf8(read(QStringLiteral("pasturazioni.csv")).mid(3)));
    QCOMPARE(days.size(), 2);
    QCOMPARE(days[0][3], QStringLiteral("Pasturazione 1"));
    QCOMPARE(days[1][2], QStringLiteral("1"));
    QCOMPARE(days[1][4], QStringLiteral("2,5"));
    QVERIFY(!days[1][3].isEmpty()); // the groundbait type's description, not its key
}

void TestCsvExport::existingFilesReplacedOnlyWhenSaid() {
    QFile old(out().filePath(QStringLiteral("prede.csv")));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("vecchio");
    old.close();
    f.messages().answerNext(MessageAnswer::No);
    exportNow();
    QCOMPARE(f.messages().texts(), QStringList{TFrmUscita::kReplaceCsv});
    QCOMPARE(read(QStringLiteral("prede.csv")), QByteArray("vecchio"));
    QVERIFY(!QFile::exists(out().filePath(QStringLiteral("uscite.csv"))));
    f.messages().clear();
    f.messages().answerNext(MessageAnswer::Yes);
    exportNow();
    QCOMPARE(f.messages().texts(), QStringList({TFrmUscita::kReplaceCsv, summary(1, 1, 1)}));
    QVERIFY(read(QStringLiteral("prede.csv")).contains("12,75"));
}

void TestCsvExport::formulasWrittenAsPlainText() {
    // What a spreadsheet would run as a formula is written as text; numbers stay numbers.
    f.exec(QStringLiteral("UPDATE TLago SET Ds_desc = '=1+1' WHERE Id_lago = 1"));
    f.exec(
        QStringLiteral("UPDATE TPescatore SET Ds_Pescatore = '@SUM(A1)' WHERE Id_Pescatore = 2"));
    f.exec(QStringLiteral("UPDATE TUscita SET Nm_temp = -2.5, Note = "
                          "'=HYPERLINK(\"http://x\",\"y\")'"));
    const struct {
        const char* note;
        const char* written;
    } cases[] = {
        {"+39 333", "'+39 333"}, {"-vento", "'-vento"}, {"\tcalma", "'\tcalma"},
        {"\rnotte", "'\rnotte"}, {"a=b", "a=b"},        {"(nota)", "(nota)"},
    };
    for (const auto& c : cases)
        f.exec(QStringLiteral("INSERT INTO TUscita (DataDa, Note) VALUES ('2025-01-01', '%1')")
                   .arg(QString::fromUtf8(c.note)));
    exportNow();
    QCOMPARE(f.messages().texts(), QStringList{summary(1 + int(std::size(cases)), 1, 1)});
    const QList<QStringList> sessions =
        parse(QString::fromUtf8(read(QStringLiteral("uscite.csv")).mid(3)));
    QCOMPARE(sessions.size(), 2 + int(std::size(cases)));
    QCOMPARE(sessions[1][3], QStringLiteral("'=1+1"));
    QCOMPARE(sessions[1][4], QStringLiteral("-2,5"));
    QCOMPARE(sessions[1][9], QStringLiteral("Luca, @SUM(A1)")); // starts as plain text
    QCOMPARE(sessions[1][10], QStringLiteral("'=HYPERLINK(\"http://x\",\"y\")"));
    for (size_t i = 0; i < std::size(cases); ++i)
        QCOMPARE(sessions[2 + int(i)][10], QString::fromUtf8(cases[i].written));
    const QList<QStringList> catches =
        parse(QString::fromUtf8(read(QStringLiteral("prede.csv")).mid(3)));
    QCOMPARE(catches[1][1], QStringLiteral("'=1+1"));
    QCOMPARE(catches[1][6], QStringLiteral("'@SUM(A1)"));
}

void TestCsvExport::stoppedExportChangesNothing() {
    // Enough catches for the progress to be asked whether to go on, and an old set of files.
    f.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                          "WHERE i < 2500) INSERT INTO TPreda (Nm_uscita, Data, Peso) "
                          "SELECT 1, '2024-03-06', i FROM n"));
    for (const QString& name : TDM_Esporta::kFiles) {
        QFile old(out().filePath(name));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("vecchio");
    }
    // Stopped halfway through the catches, after the sessions' file was written whole.
    TDM_Esporta exporter(&DM_Conn->ADOConnection1);
    int asked = 0;
    const TDM_Esporta::Result stopped =
        exporter.ExportTo(out().path(), [&](int, int) { return ++asked < 2; });
    QCOMPARE(asked, 2);
    QVERIFY(!stopped.complete);
    for (const QString& name : TDM_Esporta::kFiles)
        QCOMPARE(read(name), QByteArray("vecchio"));
    QCOMPARE(QDir(out().path()).entryList(QDir::Files).size(), 3); // no file left behind
    // Not stopped, the same export writes them all, through the menu.
    f.messages().answerNext(MessageAnswer::Yes);
    exportNow();
    QCOMPARE(f.messages().texts(), QStringList({TFrmUscita::kReplaceCsv, summary(1, 2501, 1)}));
    QVERIFY(read(QStringLiteral("prede.csv")).contains("2500"));
}

void TestCsvExport::progressTotalWithOrWithoutCountTexts_data() {
    QTest::addColumn<bool>("countTexts");
    QTest::newRow("shipped qry.ini") << true;
    QTest::newRow("older qry.ini without the count texts") << false;
}

// The progress ends at the rows written, whether the total came from the shipped count
// texts or, in an older qry.ini, from counting the export's own queries.
void TestCsvExport::progressTotalWithOrWithoutCountTexts() {
    QFETCH(bool, countTexts);
    f.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                          "WHERE i < 1500) INSERT INTO TPreda (Nm_uscita, Data, Peso) "
                          "SELECT 1, '2024-03-06', i FROM n"));
    if (!countTexts) {
        QFile ini(f.dir().iniPath());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QByteArray kept;
        for (const QByteArray& line : ini.readAll().split('\n'))
            if (!line.startsWith("ADOQ_Conta"))
                kept += line + '\n';
        ini.close();
        f.dir().writeIni(kept);
    }
    TDM_Esporta exporter(&DM_Conn->ADOConnection1);
    QList<QPair<int, int>> calls;
    const TDM_Esporta::Result result = exporter.ExportTo(out().path(), [&](int done, int total) {
        calls << qMakePair(done, total);
        return true;
    });
    QVERIFY(result.complete);
    const int written = int(result.rows[0] + result.rows[1] + result.rows[2]);
    QCOMPARE(written, 1 + 1501 + 1);
    QCOMPARE(calls.first().second, written); // the total is known from the first call on
    QCOMPARE(calls.last(), qMakePair(written, written));
}

QTEST_MAIN(TestCsvExport)
#include "tst_csvexport.moc"
