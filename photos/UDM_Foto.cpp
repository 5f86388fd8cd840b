#include "photos/UDM_Foto.h"

#include "data/CommandTransaction.h"
#include "data/U_QFile.h"
#include "engine/EngineError.h"

#include <QFileInfo>

TDM_Foto::TDM_Foto(Connection* connection)
    : ComponentOwner(QStringLiteral("DM_Foto")), conn(connection) {}

QString TDM_Foto::text(const Component& c) const {
    return RequireQueryText(componentName(), c.componentName());
}

QList<TDM_Foto::StoredPhoto> TDM_Foto::MissingPhotos() {
    QList<StoredPhoto> missing;
    const struct {
        Query* query;
        StoredPhoto::Owner owner;
    } sources[] = {{&ADOQ_FotoPrede, StoredPhoto::Catch},
                   {&ADOQ_FotoReportage, StoredPhoto::Reportage}};
    for (const auto& s : sources) {
        Query& q = *s.query;
        q.close();
        q.setSql(text(q));
        q.open();
        for (int row = 0; row < q.bufferedRowCount(); ++row) {
            const QString path = q.rowValue(row, 1).toString();
            if (!QFileInfo(path).isFile())
                missing.push_back({s.owner, q.rowValue(row, 0).toLongLong(), path});
        }
        q.close();
    }
    return missing;
}

int TDM_Foto::Relink(const QList<Change>& changes) {
    ADOC_Inizio.setSql(text(ADOC_Inizio));
    ADOC_Conferma.setSql(text(ADOC_Conferma));
    ADOC_Annulla.setSql(text(ADOC_Annulla));
    ADOC_AggiornaFotoPreda.setSql(text(ADOC_AggiornaFotoPreda));
    ADOC_AggiornaFotoReportage.setSql(text(ADOC_AggiornaFotoReportage));
    RunInTransaction(ADOC_Inizio, ADOC_Conferma, ADOC_Annulla, [&] {
        for (const Change& c : changes) {
            Command& update = c.photo.owner == StoredPhoto::Catch ? ADOC_AggiornaFotoPreda
                                                                  : ADOC_AggiornaFotoReportage;
            update.setParams({c.newPath, c.photo.id, c.photo.path});
            update.execute();
        }
    });
    return int(changes.size());
}
