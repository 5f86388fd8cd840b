#pragma once

// What the main window says to each of its record panels. The window's refresh reloads the
// modules and then tells every panel through these calls, in its fixed order, without
// reaching into the panels' controls.
class RecordPanel {
public:
    virtual ~RecordPanel() = default;
    // The panel's datasets were reloaded: set up what depends on them (grid columns,
    // counters, previews).
    virtual void reloaded() = 0;
    // The panel's edit controls on or off.
    virtual void setEditable(bool on) = 0;
    // Moving and starting or deleting records on or off.
    virtual void setNavigation(bool on) = 0;
};
