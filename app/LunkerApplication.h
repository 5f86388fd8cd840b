#pragma once

#include <QApplication>

// The application object. Its event dispatch is the last guard: an error that escaped every
// handler goes to the general error box instead of unwinding through the event loop.
class LunkerApplication : public QApplication {
    Q_OBJECT
public:
    LunkerApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
