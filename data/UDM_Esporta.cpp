#include "data/UDM_Esporta.h"

#include "data/U_QFile.h"
#include "engine/EngineError.h"

#include <QDir>
#include <QSaveFile>

const QStringList TDM_Esporta::kFiles = {QStringLiteral("uscite.csv"), QStringLiteral("prede.csv"),
                                         QStringLiteral("pasturazioni.csv")};

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

void TDM_Esporta::ExportTo(const QString& folder, const Progress& progress) {
    Query* const queries[] = {&ADOQ_EsportaUscite, &ADOQ_EsportaPrede, &ADOQ_EsportaPasturazioni};
    int total = 0;
    for (Query* q : queries) {
        const QString sql = ReadQueryText(componentName(), q->componentName());
        if (IsMissingQueryText(sql))
            throw EngineError(QStringLiteral("Esportazione non eseguita: manca il testo della "
                                             "query '%1' nel file qry.ini.")
                                  .arg(q->componentName()));
        q->close();
        q->setSql(sql);
        q->open();
        total += q->recordCount();
    }
    int done = 0;
    const QDir dir(folder);
    for (int i = 0; i < 3; ++i) {
        Query& q = *queries[i];
        const QString path = dir.filePath(kFiles[i]);
        QSaveFile file(path); // the old file stays until the new one is complete
        if (!file.open(QIODevice::WriteOnly))
            throw EngineError(QStringLiteral("Impossibile scrivere il file '%1': %2")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
        QByteArray out("\xEF\xBB\xBF");
        QStringList heads;
        for (int c = 0; c < q.fieldCount(); ++c)
            heads << csvField(q.fieldInfo(c).name);
        out += heads.join(QLatin1Char(';')).toUtf8() + "\r\n";
        for (int row = 0; row < q.bufferedRowCount(); ++row) {
            QStringList fields;
            for (int c = 0; c < q.fieldCount(); ++c)
                fields << csvField(q.rowText(row, c));
            out += fields.join(QLatin1Char(';')).toUtf8() + "\r\n";
            if (out.size() > (1 << 20)) {
                file.write(out);
                out.clear();
            }
            if (progress && ++done % 1000 == 0 && !progress(done, total)) {
                file.cancelWriting();
                return;
            }
        }
        file.write(out);
        if (!file.commit())
            throw EngineError(QStringLiteral("Impossibile scrivere il file '%1': %2")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
        q.close();
    }
    if (progress)
        progress(total, total);
}
