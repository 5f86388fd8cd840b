#include "stats/UDM_Statistiche.h"

#include "widgets/ErrorGuard.h"

TDM_Statistiche* DM_Statistiche = nullptr;
QStringList StatGroupFields;

namespace {

// How each quantity is counted: its grouped field, its label field, and for a quantity
// counted through a lookup list the list's table and the join condition (none for a plain
// quantity, grouped on the stored value itself).
struct Quantity {
    const char* group;
    const char* label;
    const char* table;
    const char* on;
};

const Quantity kQuantities[13] = {
    {"Nm_TipoUscita", "Ds_TipoSessione", "TTipoSessione",
     "TTipoSessione.Id_TipoSessione = TUscita.Nm_TipoUscita"},
    {"Nm_Stagione", "Ds_stagione", "TStagioni", "TStagioni.Id_stagione = TUscita.Nm_stagione"},
    {"Nm_luna", "Ds_luna", "TLuna", "TLuna.Id_luna = TUscita.Nm_luna"},
    {"Nm_Temp", "Nm_Temp", nullptr, nullptr},
    {"Nm_TempAcqua", "Nm_TempAcqua", nullptr, nullptr},
    {"Nm_Ora", "Ds_orario", "TOrario", "TOrario.Id_Orario = TPreda.Nm_Ora"},
    {"Peso", "Peso", nullptr, nullptr},
    {"Nm_Esca", "Ds_Esca", "TEsca", "TEsca.Id_esca = TPreda.Nm_esca"},
    {"Nm_Innesco", "Ds_Innesco", "TInnesco", "TInnesco.Id_Innesco = TPreda.Nm_Innesco"},
    {"Nm_Montatura", "Ds_Montatura", "TMontatura", "TMontatura.Id_montatura = TPreda.Nm_montatura"},
    {"Profondita", "Profondita", nullptr, nullptr},
    {"Nm_CondMeteo", "Ds_CondMeteo", "TTipoCondMeteo",
     "TTipoCondMeteo.Id_CondMeteo = TPreda.Nm_CondMeteo"},
    {"Nm_Vento_direz", "Ds_tipovento", "TTipovento",
     "TTipovento.Id_tipovento = TPreda.Nm_Vento_direz"},
};

const QString kCatchesOfSessions =
    QStringLiteral("TUscita INNER JOIN TPreda ON TUscita.Id_uscita = TPreda.Nm_uscita");

// The FROM clause of a quantity, leading blank included.
QString fromClause(const Quantity& q) {
    if (!q.table)
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
    for (const Quantity& q : kQuantities) {
        StatGroupFields << QLatin1String(q.group);
        StatLabelFields << QLatin1String(q.label);
    }
    // The anglers list is kept ready but not opened: nothing reads it, and opening it would
    // only add a second box to the connection's own when the database is missing.
    ADOQ_Carpisti.setSql(QStringLiteral("SELECT * FROM TPescatore"));
}

void TDM_Statistiche::BuildStatQuery(int lake, int quantity) {
    const Quantity& q = kQuantities[quantity];
    const QString group = QLatin1String(q.group);
    const QString label = QLatin1String(q.label);
    const bool joined = q.table != nullptr;
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
    // and the user is told why.
    Guarded([this] {
        ADOQ_Statistiche.close();
        ADOQ_Statistiche.setSql(StatSql);
        ADOQ_Statistiche.open();
    });
}
