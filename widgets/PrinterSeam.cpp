#include "widgets/PrinterSeam.h"

#include "data/MessageSeam.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

namespace {
QPrinter* g_printer = nullptr;
PrinterProbe g_probe;
} // namespace

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

bool PrinterAvailable() {
    if (g_printer)
        return true;
    if (g_probe)
        return g_probe();
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

PrinterProbe installPrinterProbe(PrinterProbe probe) {
    PrinterProbe previous = std::move(g_probe);
    g_probe = std::move(probe);
    return previous;
}

const QString kNoPrinter = QStringLiteral("Nessuna stampante installata.");

bool CheckPrinter(const QString& instead) {
    if (PrinterAvailable())
        return true;
    showWarning(instead.isEmpty() ? kNoPrinter : kNoPrinter + QLatin1Char(' ') + instead);
    return false;
}
