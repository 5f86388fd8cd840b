#pragma once

#include "data/LogbookKind.h"
#include "engine/Connection.h"

#include <QString>
#include <QTemporaryDir>

// A program directory in a temporary folder, laid out as the build lays out the real one:
// DATA2.MDB made from the shipped schema and seed, and the shipped qry.ini. ProgramDir()
// points at it while the object lives.
class TestProgramDir {
public:
    enum Contents { DatabaseAndQueries, DatabaseOnly, Nothing };
    explicit TestProgramDir(Contents contents = DatabaseAndQueries);
    ~TestProgramDir();

    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    QString databasePath() const { return path() + QStringLiteral("DATA2.MDB"); }
    QString iniPath() const { return path() + QStringLiteral("qry.ini"); }
    void writeIni(const QByteArray& content) const;

    // A connection open on this directory's database.
    Connection& connection();

private:
    QTemporaryDir m_dir;
    Connection m_connection{LogbookKind()};
};

// A folder no file can be created in (for root, whom permission bits do not stop, an
// immutable folder); false where neither is possible. makeWritable undoes it.
bool makeUnwritable(const QString& folder);
void makeWritable(const QString& folder);
