#include "tools/BenchProgram.h"

#include "app/Startup.h"
#include "app/U_FRM_FrmStart.h"
#include "data/ShippedFiles.h"
#include "data/U_QFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>

void UseAsProgramFolder(const QString& folder) {
    QFile ini(QDir(folder).filePath(QStringLiteral("qry.ini")));
    ini.open(QIODevice::WriteOnly);
    ini.write(ShippedFiles::queryIni().toUtf8());
    ini.close();
    SetProgramDirForTests(folder);
}

void StartToMainWindow(Program& program) {
    program.create();
    FrmStart->Timer2Timer();
    for (int i = 0; i < 40 && FrmStart; ++i)
        FrmStart->Timer1Timer();
    QApplication::processEvents();
}
