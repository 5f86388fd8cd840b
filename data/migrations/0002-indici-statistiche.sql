-- The statistics group the catches of every session (or of one lake's sessions) by one field
-- at a time. An index on that field with the session key answers the grouping from the index
-- alone, without reading the catches themselves; the lake index picks one lake's sessions.
CREATE INDEX IX_TUscita_lago ON TUscita (Nm_lago);
CREATE INDEX IX_TUscita_tipo_lago ON TUscita (Nm_TipoUscita, Nm_lago);
CREATE INDEX IX_TUscita_stagione_lago ON TUscita (Nm_Stagione, Nm_lago);
CREATE INDEX IX_TUscita_luna_lago ON TUscita (Nm_luna, Nm_lago);
CREATE INDEX IX_TUscita_temp_lago ON TUscita (Nm_temp, Nm_lago);
CREATE INDEX IX_TUscita_tempacqua_lago ON TUscita (Nm_TempAcqua, Nm_lago);
CREATE INDEX IX_TPreda_ora_uscita ON TPreda (Nm_Ora, Nm_uscita);
CREATE INDEX IX_TPreda_peso_uscita ON TPreda (Peso, Nm_uscita);
CREATE INDEX IX_TPreda_esca_uscita ON TPreda (Nm_Esca, Nm_uscita);
CREATE INDEX IX_TPreda_innesco_uscita ON TPreda (Nm_innesco, Nm_uscita);
CREATE INDEX IX_TPreda_montatura_uscita ON TPreda (Nm_montatura, Nm_uscita);
CREATE INDEX IX_TPreda_profondita_uscita ON TPreda (Profondita, Nm_uscita);
CREATE INDEX IX_TPreda_meteo_uscita ON TPreda (Nm_CondMeteo, Nm_uscita);
CREATE INDEX IX_TPreda_vento_uscita ON TPreda (Nm_Vento_direz, Nm_uscita);
