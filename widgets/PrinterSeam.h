#pragma once

#include <QString>
#include <functional>

class QPrinter;

// The default printer goes through here, so tests can print into a PDF file instead of a
// real printer. With none installed, the system's default printer is used.
QPrinter* installPrinter(QPrinter* printer); // returns the previous one
QPrinter& DefaultPrinter();

// Whether printing can work at all: a printer installed here, or one the system knows of.
// Every print command asks this before opening any dialog, so no dialog offers a printer
// that is not there. Tests replace the system's answer with installPrinterProbe.
bool PrinterAvailable();
using PrinterProbe = std::function<bool()>;
PrinterProbe installPrinterProbe(PrinterProbe probe); // returns the previous one; {} = system

// Asks PrinterAvailable(); without a printer says so in a warning, followed by `instead`
// (what the user can do instead), and returns false.
bool CheckPrinter(const QString& instead);
extern const QString kNoPrinter;
