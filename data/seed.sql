-- First contents of a new logbook. Lakes and anglers start empty: they are the angler's own.

INSERT INTO TStagioni (Id_stagione, Ds_stagione) VALUES
  (1, 'Primavera'), (2, 'Estate'), (3, 'Autunno'), (4, 'Inverno');

INSERT INTO TLuna (Id_luna, Ds_luna) VALUES
  (1, 'Luna nuova'), (2, 'Luna crescente'), (3, 'Primo quarto'), (4, 'Gibbosa crescente'),
  (5, 'Luna piena'), (6, 'Gibbosa calante'), (7, 'Ultimo quarto'), (8, 'Luna calante');

INSERT INTO TOrario (Id_Orario, Ds_orario) VALUES
  (1, '00:00 - 03:00'), (2, '03:00 - 06:00'), (3, '06:00 - 09:00'), (4, '09:00 - 12:00'),
  (5, '12:00 - 15:00'), (6, '15:00 - 18:00'), (7, '18:00 - 21:00'), (8, '21:00 - 24:00');

INSERT INTO TTipoSessione (Ds_TipoSessione) VALUES
  ('Giornaliera'), ('Notturna'), ('24 ore'), ('48 ore'), ('72 ore'), ('Settimanale');

INSERT INTO TTipovento (ds_tipovento) VALUES
  ('Nord'), ('Nord-Est'), ('Est'), ('Sud-Est'), ('Sud'), ('Sud-Ovest'), ('Ovest'),
  ('Nord-Ovest'), ('Variabile');

INSERT INTO TTipoPastura (Ds_tipopastura) VALUES
  ('Boilies'), ('Mais'), ('Canapa'), ('Tiger nuts'), ('Pellet'), ('Frumento'),
  ('Mix di particles'), ('Pastura sfarinata'), ('Semi di mais e canapa');

INSERT INTO TEsca (Ds_esca) VALUES
  ('Boilies al pesce'), ('Boilies dolce'), ('Boilies alla frutta'), ('Pop-up'), ('Wafter'),
  ('Mais'), ('Mais artificiale'), ('Tiger nut'), ('Pellet'), ('Pasta');

INSERT INTO TInnesco (Ds_innesco) VALUES
  ('Singola'), ('Doppia'), ('Snowman'), ('Pop-up'), ('Bilanciato'), ('Catena di mais'),
  ('Sacchetto PVA'), ('Stick PVA');

INSERT INTO TMontatura (Ds_montatura) VALUES
  ('Hair rig'), ('Chod rig'), ('Ronnie rig'), ('Zig rig'), ('Hinged stiff rig'),
  ('Multi rig'), ('Combi rig'), ('D-rig'), ('Blowback rig'), ('Method feeder');

INSERT INTO TTipoCondMeteo (Ds_Condmeteo) VALUES
  ('Sereno'), ('Poco nuvoloso'), ('Nuvoloso'), ('Coperto'), ('Nebbia'), ('Pioggia debole'),
  ('Pioggia'), ('Temporale'), ('Neve');
