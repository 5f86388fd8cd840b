#include "stats/UDM_Statistiche.h"

#include "engine/EngineError.h"
#include "stats/StatQuantities.h"
#include "widgets/ErrorGuard.h"

TDM_Statistiche* DM_Statistiche = nullptr;

const QString TDM_Statistiche::kStatQueryFailed = QStringLiteral(
    "Impossibile calcolare la statistica: il database non contiene le tabelle o i campi "
    "attesi. Il file potrebbe essere danneggiato o di una versione diversa del programma.");
QStringList StatGroupFields;

namespace {

// The database engine's code for a text it cannot run (a missing table or field).
constexpr int kSqlTextError = 1;

const QString kCatchesOfSessions =
    QStringLiteral("TUscita INNER JOIN TPreda ON TUscita.Id_uscita = TPreda.Nm_uscita");

// The FROM clause of a quantity, leading blank included.
QString fromClause(const StatQuantity& q) {
    if (!q.joined())
        return QStringLiteral(" FROM ") + kCatchesOfSessions;
    return QStringLiteral(" FROM %1 INNER JOIN (%2) ON %3")
        .arg(QLatin1String(q.table), kCatchesOfSessions, QLatin1String(q.on));
}

} // namespace

TDM_Statistiche::TDM_Statistiche(Connection* connection)
    : ComponentOwner(QStringLiteral("DM_Statistiche")), conn(connection) {}

void TDM_Statistiche::DataModuleCreate() {
    StatSql.clear();
    StatGroupFields.clear();
    StatLabelFields.clear();
    for (const StatQuantity& q : kStatQuantities) {
        StatGroupFields << QLatin1String(q.group);
        StatLabelFields << QLatin1String(q.label);
    }
    // The anglers list is kept ready but not opened: nothing reads it, and opening it would
    // only add a second box to the connection's own when the database is missing.
    ADOQ_Carpisti.setSql(QStringLiteral("SELECT * FROM TPescatore"));
}

void TDM_Statistiche::BuildStatQuery(int lake, int quantity) {
    const StatQuantity& q = kStatQuantities.at(size_t(quantity));
    const QString group = QLatin1String(q.group);
    const QString label = QLatin1String(q.label);
    const bool joined = q.joined();
    const QString lakeCondition =
        lake == AllLakes ? QString() : QStringLiteral(" AND Nm_Lago=") + QString::number(lake);
    StatSql = QStringLiteral("SELECT COUNT(") + group + QStringLiteral(") AS RESULT,") + group;
    StatSql += (joined ? QStringLiteral(",") + label : QString()) + fromClause(q);
    StatSql += QStringLiteral(" WHERE 1=1") + lakeCondition;
    StatSql += QStringLiteral(" GROUP BY ") + group;
    if (joined)
        StatSql += QStringLiteral(",") + label;
    StatXField = group;
    StatYField = QStringLiteral("RESULT");
}

void TDM_Statistiche::RunStatQuery() {
    // A failure must not look like "no catches": the chart is still drawn, without points,
    // and the user is told why. This text is assembled here, not read from qry.ini, so the
    // engine's advice to check that file would send the user the wrong way.
    Guarded([this] {
        ADOQ_Statistiche.close();
        ADOQ_Statistiche.setSql(StatSql);
        try {
            ADOQ_Statistiche.open();
        } catch (const ConversionError&) {
            throw;
        } catch (const EngineError& error) {
            if ((error.code() & 0xff) != kSqlTextError)
                throw;
            throw EngineError(kStatQueryFailed, error.code());
        }
    });
}
