#include "photos/UDM_ImportaFoto.h"

#include "data/CommandTransaction.h"
#include "data/U_QFile.h"
#include "engine/EngineError.h"

#include <QFileInfo>
#include <QLocale>

TDM_ImportaFoto::TDM_ImportaFoto(Connection* connection)
    : ComponentOwner(QStringLiteral("DM_ImportaFoto")), conn(connection) {}

QString TDM_ImportaFoto::text(const Component& c) const {
    return RequireQueryText(componentName(), c.componentName());
}

void TDM_ImportaFoto::openFor(Query& q, int sessionId) {
    q.close();
    q.setSql(text(q));
    q.setParams({sessionId});
    q.open();
}

std::optional<PhotoMatch::Session> TDM_ImportaFoto::Session(int sessionId) {
    Query& q = ADOQ_Sessione;
    openFor(q, sessionId);
    std::optional<PhotoMatch::Session> session;
    if (q.bufferedRowCount() > 0)
        session = PhotoMatch::Session{q.rowValue(0, 1).toDate(), q.rowValue(0, 2).toDate()};
    q.close();
    return session;
}

QList<TDM_ImportaFoto::CatchRow> TDM_ImportaFoto::Catches(int sessionId) {
    Query& q = ADOQ_Prede;
    openFor(q, sessionId);
    QList<CatchRow> catches;
    for (int row = 0; row < q.bufferedRowCount(); ++row) {
        CatchRow c;
        c.match.id = q.rowValue(row, 0).toLongLong();
        c.match.date = q.rowValue(row, 1).toDate();
        c.match.band = q.rowValue(row, 2).toString();
        c.match.hasPhoto = !q.rowValue(row, 5).toString().isEmpty();
        c.kind = q.rowValue(row, 3).toString();
        const QVariant weight = q.rowValue(row, 4);
        c.weight =
            weight.isNull() ? QString() : QLocale(QLocale::Italian).toString(weight.toDouble());
        catches.push_back(c);
    }
    q.close();
    return catches;
}

QSet<QString> TDM_ImportaFoto::StoredPaths(int sessionId) {
    QSet<QString> paths;
    for (const auto& [query, column] :
         {std::pair{&ADOQ_Prede, 5}, std::pair{&ADOQ_FotoReportage, 0}}) {
        openFor(*query, sessionId);
        for (int row = 0; row < query->bufferedRowCount(); ++row)
            if (const QString p = query->rowValue(row, column).toString(); !p.isEmpty())
                paths.insert(p);
        query->close();
    }
    return paths;
}

TDM_ImportaFoto::Stored TDM_ImportaFoto::Store(int sessionId,
                                               const QList<Assignment>& assignments) {
    for (Command* c :
         {&ADOC_Inizio, &ADOC_Conferma, &ADOC_Annulla, &ADOC_FotoPreda, &ADOC_NuovoReportage})
        c->setSql(text(*c));
    Stored stored;
    RunInTransaction(ADOC_Inizio, ADOC_Conferma, ADOC_Annulla, [&] {
        for (const Assignment& a : assignments) {
            if (a.use.kind == PhotoMatch::Use::Catch) {
                ADOC_FotoPreda.setParams({a.path, a.use.catchId, sessionId});
                ADOC_FotoPreda.execute();
                ++stored.catches;
            } else if (a.use.kind == PhotoMatch::Use::Reportage) {
                ADOC_NuovoReportage.setParams(
                    {sessionId, QFileInfo(a.path).completeBaseName(), a.path});
                ADOC_NuovoReportage.execute();
                ++stored.reportage;
            }
        }
    });
    return stored;
}
