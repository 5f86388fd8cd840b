#pragma once

#include "engine/Command.h"
#include "engine/Query.h"

#include <QList>
#include <QString>

class Connection;

// The stored photo paths of the whole logbook, catches and reportage: which of them point to
// no file, and replacing paths, every change or none, in one transaction. The SQL lives in
// qry.ini under [DM_Foto].
class TDM_Foto : public ComponentOwner {
public:
    struct StoredPhoto {
        enum Owner { Catch, Reportage } owner = Catch;
        qint64 id = 0;
        QString path;
    };
    struct Change {
        StoredPhoto photo; // as read: a path changed since is left alone
        QString newPath;
    };

    explicit TDM_Foto(Connection* connection);

    // Every stored path whose file does not exist (or is not a file).
    QList<StoredPhoto> MissingPhotos();
    // Stores every new path in one transaction; on any failure nothing is stored and the
    // EngineError reaches the caller. Returns how many rows changed.
    int Relink(const QList<Change>& changes);

    Connection* const conn;
    Query ADOQ_FotoPrede{QStringLiteral("ADOQ_FotoPrede"), this, conn};
    Query ADOQ_FotoReportage{QStringLiteral("ADOQ_FotoReportage"), this, conn};
    Command ADOC_AggiornaFotoPreda{QStringLiteral("ADOC_AggiornaFotoPreda"), this, conn};
    Command ADOC_AggiornaFotoReportage{QStringLiteral("ADOC_AggiornaFotoReportage"), this, conn};
    Command ADOC_Inizio{QStringLiteral("ADOC_Inizio"), this, conn};
    Command ADOC_Conferma{QStringLiteral("ADOC_Conferma"), this, conn};
    Command ADOC_Annulla{QStringLiteral("ADOC_Annulla"), this, conn};

private:
    QString text(const Component& c) const;
};
