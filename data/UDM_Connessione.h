#pragma once

#include "engine/Component.h"
#include "engine/Connection.h"

#include <functional>

// The connection module: the one database connection every query and command uses.
class TDM_Conn : public ComponentOwner {
public:
    static const QString kConnectionString;
    static const QString kConnectionFailed;
    static const QString kReadOnly;
    static const QString kBackupFailed; // %1: the reason

    TDM_Conn();
    // Opens the connection; any failure is told to the user and leaves it closed. A logbook
    // that cannot be written is opened for reading, after a warning. Once a day a copy of the
    // logbook is saved beside it; a copy that cannot be saved is warned about once.
    void DataModuleCreate();
    // Brings an older logbook up to the program's format, once the connection is open;
    // `progress` is called now and then while it works. A failure or a logbook written by a
    // newer program (then opened read-only) is told to the user once.
    void UpgradeLogbook(const std::function<void()>& progress = {});
    // Whether the open logbook has the given format version (or a later one) and can be
    // written: a feature that needs that version asks this and stays off otherwise.
    bool HasFormat(int version) const;

    Connection ADOConnection1;
};

// The single instance, once created at start-up.
extern TDM_Conn* DM_Conn;
