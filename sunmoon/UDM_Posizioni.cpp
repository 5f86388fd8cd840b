#include "sunmoon/UDM_Posizioni.h"

#include "data/CommandTransaction.h"
#include "data/U_QFile.h"
#include "engine/EngineError.h"

TDM_Posizioni::TDM_Posizioni(Connection* connection)
    : ComponentOwner(QStringLiteral("DM_Posizioni")), conn(connection) {}

QString TDM_Posizioni::text(const Component& c) const {
    return RequireQueryText(componentName(), c.componentName());
}

QList<TDM_Posizioni::Lake> TDM_Posizioni::Lakes() {
    Query& q = ADOQ_Laghi;
    q.close();
    q.setSql(text(q));
    q.open();
    QList<Lake> lakes;
    for (int row = 0; row < q.bufferedRowCount(); ++row) {
        Lake lake{q.rowValue(row, 0).toLongLong(), q.rowValue(row, 1).toString(), {}, {}};
        const QVariant lat = q.rowValue(row, 2), lon = q.rowValue(row, 3);
        if (!lat.isNull() && !lon.isNull()) {
            lake.latitude = lat.toDouble();
            lake.longitude = lon.toDouble();
        }
        lakes.push_back(lake);
    }
    q.close();
    return lakes;
}

void TDM_Posizioni::Store(const QList<Lake>& changed) {
    for (Command* c :
         {&ADOC_Inizio, &ADOC_Conferma, &ADOC_Annulla, &ADOC_SalvaPosizione, &ADOC_TogliPosizione})
        c->setSql(text(*c));
    RunInTransaction(ADOC_Inizio, ADOC_Conferma, ADOC_Annulla, [&] {
        for (const Lake& lake : changed) {
            if (lake.latitude && lake.longitude) {
                ADOC_SalvaPosizione.setParams({lake.id, *lake.latitude, *lake.longitude});
                ADOC_SalvaPosizione.execute();
            } else {
                ADOC_TogliPosizione.setParams({lake.id});
                ADOC_TogliPosizione.execute();
            }
        }
    });
}
