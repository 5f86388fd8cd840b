#include "app/LunkerApplication.h"

#include "widgets/ErrorGuard.h"

LunkerApplication::LunkerApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool LunkerApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowGeneralError(MessageOf(std::current_exception()));
        return false;
    }
}
