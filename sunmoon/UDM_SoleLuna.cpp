#include "sunmoon/UDM_SoleLuna.h"

#include "data/U_QFile.h"
#include "engine/EngineError.h"

TDM_SoleLuna::TDM_SoleLuna(Connection* connection)
    : ComponentOwner(QStringLiteral("DM_SoleLuna")), conn(connection) {}

void TDM_SoleLuna::openFor(Query& q, int sessionId) {
    const QString sql = RequireQueryText(componentName(), q.componentName());
    q.close();
    q.setSql(sql);
    q.setParams({sessionId});
    q.open();
}

std::optional<SunMoonLines::Session> TDM_SoleLuna::Session(int sessionId) {
    Query& q = ADOQ_Sessione;
    openFor(q, sessionId);
    if (q.bufferedRowCount() == 0) {
        q.close();
        return std::nullopt;
    }
    SunMoonLines::Session s;
    s.start = q.rowValue(0, 1).toDate();
    s.end = q.rowValue(0, 2).toDate();
    s.hasLake = !q.rowValue(0, 3).isNull();
    s.lake = q.rowValue(0, 4).toString();
    const QVariant lat = q.rowValue(0, 5), lon = q.rowValue(0, 6);
    if (!lat.isNull() && !lon.isNull())
        s.place = Almanac::Place{lat.toDouble(), lon.toDouble()};
    q.close();
    return s;
}

QList<SunMoonLines::Catch> TDM_SoleLuna::Catches(int sessionId) {
    Query& q = ADOQ_Prede;
    openFor(q, sessionId);
    QList<SunMoonLines::Catch> catches;
    for (int row = 0; row < q.bufferedRowCount(); ++row)
        catches.push_back({q.rowValue(row, 1).toDate(), q.rowValue(row, 2).toString()});
    q.close();
    return catches;
}
