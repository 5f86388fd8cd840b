#pragma once

#include <QString>
#include <array>

// One analysed quantity of the statistics: the text the user picks it by, the field counted
// and grouped, the field whose text labels each group, and for a quantity counted through a
// lookup list that list's table and join condition (none for a plain quantity, grouped on
// the stored value itself). The statistics window, its module and the analysis window all
// read the one table below, so a quantity's number means the same everywhere.
struct StatQuantity {
    const char* name;
    const char* group;
    const char* label;
    const char* table;
    const char* on;

    QString text() const { return QString::fromUtf8(name); }
    bool joined() const { return table != nullptr; }
};

// The thirteen quantities, numbered 0 to 12 in this order.
inline constexpr std::array<StatQuantity, 13> kStatQuantities{{
    {"Durata sessione", "Nm_TipoUscita", "Ds_TipoSessione", "TTipoSessione",
     "TTipoSessione.Id_TipoSessione = TUscita.Nm_TipoUscita"},
    {"Stagione", "Nm_Stagione", "Ds_stagione", "TStagioni",
     "TStagioni.Id_stagione = TUscita.Nm_stagione"},
    {"Fase lunare", "Nm_luna", "Ds_luna", "TLuna", "TLuna.Id_luna = TUscita.Nm_luna"},
    {"Temp. esterna", "Nm_Temp", "Nm_Temp", nullptr, nullptr},
    {"Temp. acqua", "Nm_TempAcqua", "Nm_TempAcqua", nullptr, nullptr},
    {"Orario di cattura", "Nm_Ora", "Ds_orario", "TOrario", "TOrario.Id_Orario = TPreda.Nm_Ora"},
    {"Peso", "Peso", "Peso", nullptr, nullptr},
    {"Esca", "Nm_Esca", "Ds_Esca", "TEsca", "TEsca.Id_esca = TPreda.Nm_esca"},
    {"Innesco", "Nm_Innesco", "Ds_Innesco", "TInnesco", "TInnesco.Id_Innesco = TPreda.Nm_Innesco"},
    {"Montatura", "Nm_Montatura", "Ds_Montatura", "TMontatura",
     "TMontatura.Id_montatura = TPreda.Nm_montatura"},
    {"Profondità", "Profondita", "Profondita", nullptr, nullptr},
    {"Cond. meteo", "Nm_CondMeteo", "Ds_CondMeteo", "TTipoCondMeteo",
     "TTipoCondMeteo.Id_CondMeteo = TPreda.Nm_CondMeteo"},
    {"Tipo vento", "Nm_Vento_direz", "Ds_tipovento", "TTipovento",
     "TTipovento.Id_tipovento = TPreda.Nm_Vento_direz"},
}};
