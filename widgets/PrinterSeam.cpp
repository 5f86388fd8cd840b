#include "widgets/PrinterSeam.h"

#include <QPrinter>
#include <memory>

namespace {
QPrinter* g_printer = nullptr;
}

QPrinter* installPrinter(QPrinter* printer) {
    QPrinter* previous = g_printer;
    g_printer = printer;
    return previous;
}

QPrinter& DefaultPrinter() {
    if (g_printer)
        return *g_printer;
    static const std::unique_ptr<QPrinter> system =
        std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *system;
}
