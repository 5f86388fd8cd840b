#include "data/UDM_Esporta.h"

#include "data/U_QFile.h"
#include "engine/EngineError.h"
#include "engine/RowStream.h"

#include <QDir>
#include <QSaveFile>
#include <algorithm>
#include <memory>
#include <vector>

const QStringList TDM_Esporta::kFiles = {QStringLiteral("uscite.csv"), QStringLiteral("prede.csv"),
                                         QStringLiteral("pasturazioni.csv")};

const QStringList TDM_Esporta::kQueries = {QStringLiteral("ADOQ_EsportaUscite"),
                                           QStringLiteral("ADOQ_EsportaPrede"),
                                           QStringLiteral("ADOQ_EsportaPasturazioni")};

const QStringList TDM_Esporta::kCountQueries = {QStringLiteral("ADOQ_ContaUscite"),
                                                QStringLiteral("ADOQ_ContaPrede"),
                                                QStringLiteral("ADOQ_ContaPasturazioni")};

TDM_Esporta::TDM_Esporta(Connection* connection)
    : ComponentOwner(QStringLiteral("DM_Esporta")), conn(connection) {}

QString TDM_Esporta::csvField(const QString& text) {
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString TDM_Esporta::plainText(const QString& text) {
    if (text.isEmpty())
        return text;
    switch (text.front().unicode()) {
    case '=':
    case '+':
    case '-':
    case '@':
    case '\t':
    case '\r':
        return QLatin1Char('\'') + text;
    default:
        return text;
    }
}

namespace {

QString written(const QString& path, const QSaveFile& file) {
    return QStringLiteral("Impossibile scrivere il file '%1': %2")
        .arg(QDir::toNativeSeparators(path), file.errorString());
}

QString counted(qint64 n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? one : many));
}

} // namespace

TDM_Esporta::Result TDM_Esporta::ExportTo(const QString& folder, const Progress& progress) {
    QStringList texts;
    for (const QString& key : kQueries) {
        const QString sql = ReadQueryText(componentName(), key);
        if (IsMissingQueryText(sql))
            throw EngineError(QStringLiteral("Esportazione non eseguita: manca il testo della "
                                             "query '%1' nel file qry.ini.")
                                  .arg(key));
        texts << sql;
    }
    // The total comes from a count, so the progress moves from the first row on.
    qint64 total = 0;
    if (progress)
        for (int i = 0; i < 3; ++i) {
            const QString count = ReadOptionalQueryText(componentName(), kCountQueries[i]);
            total += count.isEmpty() ? RowStream::countRows(*conn, texts[i])
                                     : RowStream::countOf(*conn, count);
        }
    qint64 done = 0;
    Result result;
    const QDir dir(folder);
    // The old files stay until all three new ones are complete: the three always belong to
    // one export, and a stopped one changes nothing.
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (int i = 0; i < 3; ++i) {
        RowStream rows(*conn, texts[i]);
        const QString path = dir.filePath(kFiles[i]);
        QSaveFile& file = *files.emplace_back(std::make_unique<QSaveFile>(path));
        if (!file.open(QIODevice::WriteOnly))
            throw EngineError(written(path, file));
        QByteArray out("\xEF\xBB\xBF");
        QString line;
        for (int c = 0; c < rows.columnCount(); ++c) {
            if (c)
                line += QLatin1Char(';');
            line += csvField(rows.columnName(c));
        }
        out += line.toUtf8() + "\r\n";
        while (rows.next()) {
            line.clear();
            for (int c = 0; c < rows.columnCount(); ++c) {
                if (c)
                    line += QLatin1Char(';');
                line += csvField(rows.isText(c) ? plainText(rows.text(c)) : rows.text(c));
            }
            out += line.toUtf8();
            out += "\r\n";
            ++result.rows[size_t(i)];
            if (out.size() > (1 << 18)) {
                file.write(out);
                out.clear();
            }
            // A count from an edited qry.ini may fall short: the total never stays below what is
            // done.
            if (progress && ++done % 1000 == 0 &&
                !progress(int(done), int(std::max(total, done)))) {
                for (const auto& f : files)
                    f->cancelWriting();
                return {};
            }
        }
        file.write(out);
    }
    for (int i = 0; i < 3; ++i)
        if (!files[size_t(i)]->commit())
            throw EngineError(written(dir.filePath(kFiles[i]), *files[size_t(i)]));
    if (progress)
        progress(int(std::max(total, done)), int(std::max(total, done)));
    result.complete = true;
    return result;
}

QString TDM_Esporta::summary(const QString& folder, const Result& result) {
    return QStringLiteral("Esportazione completata nella cartella %1\r\n\r\n"
                          "%2: %3\r\n%4: %5\r\n%6: %7")
        .arg(QDir::toNativeSeparators(folder), kFiles[0],
             counted(result.rows[0], "sessione", "sessioni"), kFiles[1],
             counted(result.rows[1], "preda", "prede"), kFiles[2],
             counted(result.rows[2], "giorno di pasturazione", "giorni di pasturazione"));
}
