// Program entry: the application and its title, Italian standard dialogs, the real message
// boxes, then every window and module in the start-up order, then the event loop.
#include "app/ItalianUi.h"
#include "app/LunkerApplication.h"
#include "app/Startup.h"
#include "app/U_FRM_FrmPrincipale.h"
#include "widgets/QtMessageSeam.h"

#include <QTimer>
#include <cstdio>

namespace {

// For the tests of the installed program only: with LUNKERLEDGER_SMOKE_EXIT set, the program
// leaves with 0 as soon as its main window is on screen, after saying so on standard output.
void exitOnceMainWindowShows() {
    if (!qEnvironmentVariableIsSet("LUNKERLEDGER_SMOKE_EXIT"))
        return;
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll] {
        if (FrmUscita && FrmUscita->isVisible()) {
            poll->stop();
            std::puts("LunkerLedger: finestra principale aperta");
            std::fflush(stdout);
            QCoreApplication::exit(0); // no exit question: nothing was edited
        }
    });
    poll->start(50);
}

} // namespace

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
            exitOnceMainWindowShows();
            result = QApplication::exec();
        } else {
            result = 1;
        }
    }
    installMessageSeam(nullptr);
    return result;
}
