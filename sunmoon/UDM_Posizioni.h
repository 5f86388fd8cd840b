#pragma once

#include "engine/Command.h"
#include "engine/Query.h"

#include <QList>
#include <QString>
#include <optional>

class Connection;

// The lakes with their positions (a table added by the format's version 3): every lake, with
// or without one, and storing the changed positions, every change or none, in one
// transaction. The SQL lives in qry.ini under [DM_Posizioni].
class TDM_Posizioni : public ComponentOwner {
public:
    // The format version that holds the positions.
    static constexpr int kFormat = 3;

    struct Lake {
        qint64 id = 0;
        QString name;
        std::optional<double> latitude; // both or neither
        std::optional<double> longitude;
    };

    explicit TDM_Posizioni(Connection* connection);

    // Every lake, in the order of the lake list.
    QList<Lake> Lakes();
    // Stores each lake's position (or removes it when it has none) in one transaction; on
    // any failure nothing is stored and the EngineError reaches the caller.
    void Store(const QList<Lake>& changed);

    Connection* const conn;
    Query ADOQ_Laghi{QStringLiteral("ADOQ_Laghi"), this, conn};
    Command ADOC_SalvaPosizione{QStringLiteral("ADOC_SalvaPosizione"), this, conn};
    Command ADOC_TogliPosizione{QStringLiteral("ADOC_TogliPosizione"), this, conn};
    Command ADOC_Inizio{QStringLiteral("ADOC_Inizio"), this, conn};
    Command ADOC_Conferma{QStringLiteral("ADOC_Conferma"), this, conn};
    Command ADOC_Annulla{QStringLiteral("ADOC_Annulla"), this, conn};

private:
    QString text(const Component& c) const;
};
