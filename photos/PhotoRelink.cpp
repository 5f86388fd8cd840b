#include "photos/PhotoRelink.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace PhotoRelink {

FolderIndex indexFolder(const QString& folder, const Progress& progress) {
    FolderIndex index;
    QStringList pending{folder};
    while (!pending.isEmpty()) {
        const QString current = pending.takeLast();
        const QDir dir(current);
        if (!dir.isReadable()) {
            ++index.unreadableFolders;
            continue;
        }
        const QFileInfoList entries = dir.entryInfoList(
            QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        for (const QFileInfo& entry : entries) {
            if (entry.isDir()) {
                if (!entry.isSymLink())
                    pending << entry.filePath();
                continue;
            }
            index.byName[entry.fileName()] << entry.filePath();
            if (++index.files % 500 == 0 && progress && !progress(index.files)) {
                index.cancelled = true;
                return index;
            }
        }
    }
    if (progress)
        progress(index.files);
    return index;
}

namespace {

// Stored paths may come from another system, written with backslashes.
QString slashed(QString path) {
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// How many folders, from the file's own upwards, two paths have in common at their ends.
int commonEnding(const QString& a, const QString& b) {
    const QStringList x = slashed(a).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const QStringList y = slashed(b).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    int n = 0;
    while (n < x.size() && n < y.size() &&
           x[x.size() - 1 - n].compare(y[y.size() - 1 - n], Qt::CaseInsensitive) == 0)
        ++n;
    return n;
}

} // namespace

Proposal propose(const QString& oldPath, const FolderIndex& index) {
    Proposal p;
    p.oldPath = oldPath;
    // Stored paths may come from another system: the name is what follows the last separator.
    const QString name = slashed(oldPath).section(QLatin1Char('/'), -1);
    p.candidates = index.byName.value(name);
    if (p.candidates.isEmpty())
        return p;
    p.candidates.sort();
    if (p.candidates.size() == 1) {
        p.kind = Proposal::Found;
        p.newPath = p.candidates.front();
        return p;
    }
    int best = -1;
    int bestCount = 0;
    for (const QString& c : p.candidates) {
        const int n = commonEnding(oldPath, c);
        if (n > best) {
            best = n;
            bestCount = 1;
            p.newPath = c;
        } else if (n == best) {
            ++bestCount;
        }
    }
    // The name itself is always in common: a folder more must match, and for one file only.
    if (best >= 2 && bestCount == 1) {
        p.kind = Proposal::Found;
    } else {
        p.kind = Proposal::Choose;
        p.newPath.clear();
    }
    return p;
}

} // namespace PhotoRelink
