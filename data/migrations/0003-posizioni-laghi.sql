-- Where each lake lies, for the times of the sun and the moon at the water. A table of its
-- own beside the lakes, one row per lake that has a position, removed with its lake; a lake
-- without a row has no position. The ranges are checked here too, so no program writes a
-- position that cannot exist.
CREATE TABLE TLagoPosizione (
  Nm_lago INTEGER PRIMARY KEY REFERENCES TLago (Id_lago) ON DELETE CASCADE,
  Latitudine REAL NOT NULL CHECK (Latitudine BETWEEN -90 AND 90),
  Longitudine REAL NOT NULL CHECK (Longitudine BETWEEN -180 AND 180)
);
