#include "widgets/ProgramExit.h"

#include <QCoreApplication>

namespace {
std::function<void()> g_action;
}

void TerminateProgram() {
    if (g_action)
        g_action();
    else
        QCoreApplication::exit(0);
}

std::function<void()> SetTerminateAction(std::function<void()> action) {
    auto previous = std::move(g_action);
    g_action = std::move(action);
    return previous;
}
