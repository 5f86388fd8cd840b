// Program entry: the application, its Italian standard dialogs, then the start-up order.
#include "data/UDM_Connessione.h"
#include "widgets/QtMessageSeam.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("LUNKERLEDGER"));
    QTranslator qtItalian;
    if (qtItalian.load(QStringLiteral("qtbase_it"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtItalian);

    QtMessageSeam messages;
    installMessageSeam(&messages);

    TDM_Conn connection;
    DM_Conn = &connection;
    connection.DataModuleCreate();
    DM_Conn = nullptr;
    installMessageSeam(nullptr);
    return 0;
}
