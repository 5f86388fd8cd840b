#include "data/U_QFile.h"

#include "data/MessageSeam.h"
#include "data/PrivateProfile.h"
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

} // namespace

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

void OpenModuleQueries(const ParArr& params, ComponentOwner& module) {
    for (Component* component : module.components()) {
        if (typeid(*component) != typeid(Query))
            continue;
        auto& query = static_cast<Query&>(*component);
        query.close();
        query.setSql(ReadQueryText(module.componentName(), query.componentName()));
        query.setParams(params);
        try {
            query.open();
        } catch (const EngineError&) {
            // The query stays closed; whoever needs it reports that it is closed.
        }
    }
}

void ReopenQuery(const ParArr& params, Query& query) {
    query.close();
    query.setParams(params);
    query.open();
}
