#pragma once

#include "data/MessageSeam.h"

#include <QString>

class Program;

// What the benchmarks that run the whole program share: boxes counted instead of shown, the
// shipped qry.ini written beside the logbook they fill, and the start to the main window.

// Boxes would stop the run: count them instead.
class CountingMessages : public MessageSeam {
public:
    MessageAnswer show(const MessageRequest&) override {
        ++shown;
        return MessageAnswer::Ok;
    }
    int shown = 0;
};

// Writes the shipped qry.ini into `folder` and makes it the program's folder.
void UseAsProgramFolder(const QString& folder);

// Creates the program and brings it to its main window, the splash's wait skipped.
void StartToMainWindow(Program& program);
