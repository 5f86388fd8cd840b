#pragma once

#include <QString>

// What the panels of the main window need of the window itself: its full refresh, its
// common handling of a record operation's result, the dataset names its navigators name,
// and showing or hiding the detail regions.
class MainWindowHost {
public:
    // The warning after a value that cannot be converted, whatever the field.
    static const QString kFormatWarning;

    virtual ~MainWindowHost() = default;
    virtual void RefreshMainWindow() = 0;
    virtual void HandleOperationResult(int result) = 0;
    virtual QString sessionDataSetName() const = 0;
    virtual QString groundbaitDataSetName() const = 0;
    virtual QString catchDataSetName() const = 0;
    // The groundbait, catch and anglers groups.
    virtual void setDetailGroupsVisible(bool visible) = 0;
    // The same groups and the groundbait tool bar.
    virtual void setDetailRegionsVisible(bool visible) = 0;
};
