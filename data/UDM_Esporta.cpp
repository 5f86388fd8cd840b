#include "data/UDM_Esporta.h"

#include "data/U_QFile.h"
#include "engine/EngineError.h"
#include "engine/RowStream.h"

#include <QDir>
#include <QSaveFile>

const QStringList TDM_Esporta::kFiles = {QStringLiteral("uscite.csv"), QStringLiteral("prede.csv"),
                                         QStringLiteral("pasturazioni.csv")};

const QStringList TDM_Esporta::kQueries = {QStringLiteral("ADOQ_EsportaUscite"),
                                           QStringLiteral("ADOQ_EsportaPrede"),
                                           QStringLiteral("ADOQ_EsportaPasturazioni")};

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

void TDM_Esporta::ExportTo(const QString& folder, const Progress& progress) {
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
        for (const QString& sql : texts)
            total += RowStream::countRows(*conn, sql);
    qint64 done = 0;
    const QDir dir(folder);
    for (int i = 0; i < 3; ++i) {
        RowStream rows(*conn, texts[i]);
        const QString path = dir.filePath(kFiles[i]);
        QSaveFile file(path); // the old file stays until the new one is complete
        if (!file.open(QIODevice::WriteOnly))
            throw EngineError(QStringLiteral("Impossibile scrivere il file '%1': %2")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
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
            if (out.size() > (1 << 18)) {
                file.write(out);
                out.clear();
            }
            if (progress && ++done % 1000 == 0 && !progress(int(done), int(total))) {
                file.cancelWriting();
                return;
            }
        }
        file.write(out);
        if (!file.commit())
            throw EngineError(QStringLiteral("Impossibile scrivere il file '%1': %2")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    if (progress)
        progress(int(total), int(total));
}
