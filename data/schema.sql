-- The logbook database. Keys are auto-numbers the engine assigns; references are checked by
-- the database: a session takes its catches, groundbait days, reportage entries and angler
-- links with it when deleted, and a lookup element still in use cannot be deleted.

CREATE TABLE TLago (
  Id_lago INTEGER PRIMARY KEY AUTOINCREMENT,
  Ds_desc TEXT
);
CREATE TABLE TPescatore (
  Id_Pescatore INTEGER PRIMARY KEY AUTOINCREMENT,
  Ds_Pescatore TEXT
);
CREATE TABLE TTipovento (
  Id_tipovento INTEGER PRIMARY KEY AUTOINCREMENT,
  ds_tipovento TEXT
);
CREATE TABLE TTipoPastura (
  Id_tppastura INTEGER PRIMARY KEY AUTOINCREMENT,
  Ds_tipopastura TEXT
);
CREATE TABLE TEsca (
  Id_esca INTEGER PRIMARY KEY AUTOINCREMENT,
  Ds_esca TEXT
);
CREATE TABLE TInnesco (
  Id_Innesco INTEGER PRIMARY KEY AUTOINCREMENT,
  Ds_innesco TEXT
);
CREATE TABLE TMontatura (
  Id_montatura INTEGER PRIMARY KEY AUTOINCREMENT,
  Ds_montatura TEXT
);
CREATE TABLE TTipoCondMeteo (
  Id_CondMeteo INTEGER PRIMARY KEY AUTOINCREMENT,
  Ds_Condmeteo TEXT
);
CREATE TABLE TTipoSessione (
  Id_TipoSessione INTEGER PRIMARY KEY AUTOINCREMENT,
  Ds_TipoSessione TEXT
);
CREATE TABLE TStagioni (
  Id_stagione INTEGER PRIMARY KEY AUTOINCREMENT,
  Ds_stagione TEXT
);
CREATE TABLE TLuna (
  Id_luna INTEGER PRIMARY KEY AUTOINCREMENT,
  Ds_luna TEXT
);
CREATE TABLE TOrario (
  Id_Orario INTEGER PRIMARY KEY AUTOINCREMENT,
  Ds_orario TEXT
);

CREATE TABLE TUscita (
  Id_uscita INTEGER PRIMARY KEY AUTOINCREMENT,
  DataDa DATE,
  DataA DATE,
  Nm_TipoUscita INTEGER REFERENCES TTipoSessione (Id_TipoSessione),
  Nm_lago INTEGER REFERENCES TLago (Id_lago),
  Nm_temp REAL,
  Nm_TempAcqua REAL,
  Nm_ProfRilev REAL,
  Nm_luna INTEGER REFERENCES TLuna (Id_luna),
  Nm_Stagione INTEGER REFERENCES TStagioni (Id_stagione),
  Note TEXT
);

CREATE TABLE TPreda (
  Id_preda INTEGER PRIMARY KEY AUTOINCREMENT,
  Nm_uscita INTEGER NOT NULL REFERENCES TUscita (Id_uscita) ON DELETE CASCADE,
  Data DATE,
  Nm_Ora INTEGER REFERENCES TOrario (Id_Orario),
  Ds_tipo TEXT,
  Peso REAL,
  Nm_Pescatore INTEGER REFERENCES TPescatore (Id_Pescatore),
  Nm_Esca INTEGER REFERENCES TEsca (Id_esca),
  Nm_innesco INTEGER REFERENCES TInnesco (Id_Innesco),
  Nm_montatura INTEGER REFERENCES TMontatura (Id_montatura),
  Profondita REAL,
  Nm_CondMeteo INTEGER REFERENCES TTipoCondMeteo (Id_CondMeteo),
  Nm_Vento_direz INTEGER REFERENCES TTipovento (Id_tipovento),
  Ds_Vento_intens TEXT,
  Foto TEXT
);

CREATE TABLE TPastura (
  Id_pastura INTEGER PRIMARY KEY AUTOINCREMENT,
  Nm_uscita INTEGER NOT NULL REFERENCES TUscita (Id_uscita) ON DELETE CASCADE,
  giorno INTEGER,
  Nm_pastura1 INTEGER REFERENCES TTipoPastura (Id_tppastura),
  q_pastura1 REAL,
  Nm_pastura2 INTEGER REFERENCES TTipoPastura (Id_tppastura),
  q_pastura2 REAL,
  Nm_pastura3 INTEGER REFERENCES TTipoPastura (Id_tppastura),
  q_pastura3 REAL
);

CREATE TABLE TUscitaPescatore (
  Nm_uscita INTEGER NOT NULL REFERENCES TUscita (Id_uscita) ON DELETE CASCADE,
  Nm_Pescatore INTEGER NOT NULL REFERENCES TPescatore (Id_Pescatore),
  PRIMARY KEY (Nm_uscita, Nm_Pescatore)
);

CREATE TABLE TReportage (
  Id_reportage INTEGER PRIMARY KEY AUTOINCREMENT,
  Nm_uscita INTEGER NOT NULL REFERENCES TUscita (Id_uscita) ON DELETE CASCADE,
  Ds_commento TEXT,
  Ds_percorso TEXT
);

CREATE INDEX IX_TPreda_uscita ON TPreda (Nm_uscita);
CREATE INDEX IX_TPastura_uscita ON TPastura (Nm_uscita);
CREATE INDEX IX_TReportage_uscita ON TReportage (Nm_uscita);
CREATE INDEX IX_TUscitaPescatore_uscita ON TUscitaPescatore (Nm_uscita);
CREATE INDEX IX_TUscitaPescatore_pescatore ON TUscitaPescatore (Nm_Pescatore);
CREATE INDEX IX_TUscita_DataDa ON TUscita (DataDa, Id_uscita);
