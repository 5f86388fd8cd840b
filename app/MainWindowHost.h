#pragma once

#include "data/U_DBUtils.h"

#include <QString>

class Query;

// What the main window does for its record panels: it saves the rows pending in the other
// panels before one of them acts, and after a panel reports an operation it decides what
// follows (the warning, the full refresh, where the focus goes).
class MainWindowHost {
public:
    // The warning after a value that cannot be converted, whatever the field.
    static inline const QString& kFormatWarning = ::kFormatWarning;

    virtual ~MainWindowHost() = default;
    virtual void RefreshMainWindow() = 0;
    // Saves a groundbait day or catch still being entered or edited (but not the one of
    // `except`), as a move saves a row first. False, after the message its own Save would
    // show, when one cannot be saved: it stays pending and the caller does not go on.
    virtual bool SavePendingDetails(const Query* except = nullptr) = 0;
    virtual void HandleOperationResult(int result) = 0;
};
