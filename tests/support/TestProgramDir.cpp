#include "tests/support/TestProgramDir.h"

#include "data/ShippedFiles.h"
#include "data/U_QFile.h"

#include <QFile>
#include <QProcess>

TestProgramDir::TestProgramDir(Contents contents) {
    if (contents != Nothing)
        ShippedFiles::createDatabase(databasePath());
    if (contents == DatabaseAndQueries)
        writeIni(ShippedFiles::queryIni().toUtf8());
    SetProgramDirForTests(m_dir.path());
}

TestProgramDir::~TestProgramDir() {
    m_connection.close();
    SetProgramDirForTests(QString());
}

void TestProgramDir::writeIni(const QByteArray& content) const {
    QFile f(iniPath());
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(content);
}

Connection& TestProgramDir::connection() {
    if (!m_connection.isOpen())
        m_connection.openFile(databasePath());
    return m_connection;
}

namespace {
bool runningAsRoot() {
    return QProcess::execute(QStringLiteral("sh"),
                             {QStringLiteral("-c"), QStringLiteral("test \"$(id -u)\" -eq 0")}) ==
           0;
}
} // namespace

bool makeUnwritable(const QString& folder) {
    if (runningAsRoot())
        return QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) == 0;
    return QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
}

void makeWritable(const QString& folder) {
    if (runningAsRoot())
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
    else
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
