#include "data/U_QFile.h"

#include "data/MessageSeam.h"
#include "data/PrivateProfile.h"
#include "engine/Connection.h"
#include "engine/EngineError.h"

#include <QCoreApplication>
#include <QDir>
#include <typeinfo>

namespace {

QString g_programDirForTests;

const QString kMissing = QStringLiteral("0");

const QString kQueryTextMissing =
    QStringLiteral("ERRORE: impossibile trovare la stringa di query.\r\nControllare la "
                   "presenza di un file denominato 'qry.ini' nella \r\ndirectory del programma");

// The table a failed text needs and the logbook lacks, from the engine's words; else empty.
QString missingTable(const EngineError& e) {
    static const QString prefix = QStringLiteral("no such table: ");
    const QString& detail = e.engineDetail();
    if (!detail.startsWith(prefix))
        return QString();
    QString table = detail.mid(prefix.size());
    const int dot = table.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? table.mid(dot + 1) : table;
}

} // namespace

const QString kQueryTextFailed =
    QStringLiteral("Il testo della query '%2' nella sezione [%1] del file qry.ini non è valido "
                   "per questo archivio: correggerlo o ripristinare il file qry.ini originale.");

const QString kTableMissing =
    QStringLiteral("Nell'archivio manca la tabella '%1': gli elenchi che la usano restano vuoti. "
                   "Ripristinare la copia integra più recente dell'archivio.");

QString ProgramDir() {
    QString dir = g_programDirForTests.isEmpty() ? QCoreApplication::applicationDirPath()
                                                 : g_programDirForTests;
    dir = QDir::fromNativeSeparators(dir);
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

void SetProgramDirForTests(const QString& dir) {
    g_programDirForTests = dir;
}

bool IsMissingQueryText(const QString& text) {
    return text == kMissing;
}

QString ReadQueryText(const QString& section, const QString& key) {
    const QString value = PrivateProfile::readString(ProgramDir() + QStringLiteral("qry.ini"),
                                                     section, key, kMissing);
    if (value == kMissing)
        showError(kQueryTextMissing);
    return value;
}

QString RequireQueryText(const QString& section, const QString& key) {
    const QString sql = ReadQueryText(section, key);
    if (IsMissingQueryText(sql))
        throw EngineError(
            QStringLiteral("Manca il testo della query '%1' nel file qry.ini.").arg(key));
    return sql;
}

QString ReadOptionalQueryText(const QString& section, const QString& key) {
    const QString value = PrivateProfile::readString(ProgramDir() + QStringLiteral("qry.ini"),
                                                     section, key, kMissing);
    return value == kMissing ? QString() : value.trimmed();
}

QStringList OpenModuleQueries(const ParArr& params, ComponentOwner& module) {
    QStringList missingTables;
    for (Component* component : module.components()) {
        if (typeid(*component) != typeid(Query))
            continue;
        auto& query = static_cast<Query&>(*component);
        query.close();
        const QString sql = ReadQueryText(module.componentName(), query.componentName());
        query.setSql(sql);
        query.setParams(params);
        try {
            query.open();
        } catch (const EngineError& e) {
            // The query stays closed. Without a connection or a text the user has been told
            // already; a text that failed is named; a table the logbook lacks is for the
            // module to tell, once.
            // Parameters the module binds later (a session's details) are not a fault.
            if (IsMissingQueryText(sql) || !query.connection() || !query.connection()->isOpen() ||
                e.engineDetail().isEmpty())
                continue;
            const QString table = missingTable(e);
            if (table.isEmpty())
                showError(kQueryTextFailed.arg(module.componentName(), query.componentName()));
            else if (!missingTables.contains(table))
                missingTables << table;
        }
    }
    return missingTables;
}

void ReopenQuery(const ParArr& params, Query& query) {
    query.close();
    query.setParams(params);
    query.open();
}
