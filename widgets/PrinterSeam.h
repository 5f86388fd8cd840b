#pragma once

class QPrinter;

// The default printer goes through here, so tests can print into a PDF file instead of a
// real printer. With none installed, the system's default printer is used.
QPrinter* installPrinter(QPrinter* printer); // returns the previous one
QPrinter& DefaultPrinter();
