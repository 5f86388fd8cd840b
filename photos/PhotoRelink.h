#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

// Finding photos that moved: the files of a folder and its subfolders indexed by name, and
// for each stored path whose file is missing, where it probably went. A name found once is
// proposed; among several files of that name the one whose folders end like the old path's
// is proposed; when none stands out the angler chooses. Only reads the file system.
namespace PhotoRelink {

// The files under a folder by name. Links to folders are not followed (no loops); folders
// that cannot be read are counted and skipped.
struct FolderIndex {
    QHash<QString, QStringList> byName;
    int files = 0;
    int unreadableFolders = 0;
    bool cancelled = false;
};

// Called now and then with the files seen so far; false stops the search.
using Progress = std::function<bool(int filesSeen)>;
FolderIndex indexFolder(const QString& folder, const Progress& progress = {});

struct Proposal {
    enum Kind { Found, Choose, NotFound } kind = NotFound;
    QString oldPath;
    QString newPath;        // Found: the proposed path
    QStringList candidates; // Choose (and Found among several): every file of that name
};

Proposal propose(const QString& oldPath, const FolderIndex& index);

} // namespace PhotoRelink
