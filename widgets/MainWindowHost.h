#pragma once

#include <QString>

class Query;

// What the panels of the main window need of the window itself: its full refresh, its
// common handling of a record operation's result, the dataset names its navigators name,
// and showing or hiding the detail regions.
class MainWindowHost {
public:
    // The warning after a value that cannot be converted, whatever the field.
    static const QString kFormatWarning;

    virtual ~MainWindowHost() = default;
    virtual void RefreshMainWindow() = 0;
    // Saves a groundbait day or catch still being entered or edited (but not the one of
    // `except`), as a move saves a row first. False, after the message its own Save would
    // show, when one cannot be saved: it stays pending and the caller does not go on.
    virtual bool SavePendingDetails(const Query* except = nullptr) = 0;
    virtual void HandleOperationResult(int result) = 0;
    virtual QString sessionDataSetName() const = 0;
    virtual QString groundbaitDataSetName() const = 0;
    virtual QString catchDataSetName() const = 0;
    // The groundbait, catch and anglers groups.
    virtual void setDetailGroupsVisible(bool visible) = 0;
    // The same groups and the groundbait tool bar.
    virtual void setDetailRegionsVisible(bool visible) = 0;
};
