#include "tests/support/TestProgramDir.h"

#include "data/ShippedFiles.h"
#include "data/U_QFile.h"

#include <QFile>

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
