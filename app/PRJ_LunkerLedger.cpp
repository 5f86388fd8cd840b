// Program entry: the application and its title, Italian standard dialogs, the real message
// boxes, then every window and module in the start-up order, then the event loop.
#include "app/ItalianUi.h"
#include "app/LunkerApplication.h"
#include "app/Startup.h"
#include "widgets/QtMessageSeam.h"

int main(int argc, char** argv) {
    LunkerApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("LUNKERLEDGER"));
    InstallItalianUi(app);
    QtMessageSeam messages;
    installMessageSeam(&messages);

    int result = 0;
    {
        Program program;
        if (program.claimLogbook()) {
            program.create();
            result = QApplication::exec();
        } else {
            result = 1;
        }
    }
    installMessageSeam(nullptr);
    return result;
}
