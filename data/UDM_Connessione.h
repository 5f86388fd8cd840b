#pragma once

#include "data/DailyBackupRun.h"
#include "data/LogbookKind.h"
#include "engine/Component.h"
#include "engine/Connection.h"

#include <functional>

// The connection module: the one database connection every query and command uses.
class TDM_Conn : public ComponentOwner {
public:
    static const QString kConnectionString;
    static const QString kConnectionFailed;
    static const QString kReadOnly;
    static const QString kBackupFailed;   // %1: the reason
    static const QString kDamaged;        // the day's check found the logbook damaged
    static const QString kFolderReadOnly; // the lock cannot be created beside the logbook

    TDM_Conn();
    // Opens the connection; any failure is told to the user and leaves it closed. A logbook
    // that cannot be written is opened for reading, after a warning.
    void DataModuleCreate();
    // Brings an older logbook up to the program's format, once the connection is open;
    // `progress` is called now and then while it works. A failure or a logbook written by a
    // newer program (then opened read-only) is told to the user once.
    void UpgradeLogbook(const std::function<void()>& progress = {});
    // Whether the open logbook has the given format version (or a later one) and can be
    // written: a feature that needs that version asks this and stays off otherwise.
    bool HasFormat(int version) const;
    // Once a day a copy of the logbook is saved beside it, on a thread of its own once the
    // main window shows; a copy that cannot be saved, or a logbook found damaged, is warned
    // about once. The program's end abandons a copy still going.
    void StartDailyBackup();
    // Set before DataModuleCreate when the program folder takes no file (its lock could not
    // be created): the logbook opens for reading, after one warning that says why.
    bool FolderReadOnly = false;

    Connection ADOConnection1{LogbookKind()};

private:
    DailyBackupRun m_backup; // goes before the connection
};

// The single instance, once created at start-up.
extern TDM_Conn* DM_Conn;
