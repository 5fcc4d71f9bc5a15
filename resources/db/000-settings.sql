-- The schema version rows: the program refuses a database without them.
CREATE TABLE settings (id INTEGER PRIMARY KEY AUTOINCREMENT, ime TEXT, val_s TEXT, val_i INTEGER);
INSERT INTO settings (ime, val_s, val_i) VALUES ('dbversion', '', 37);
INSERT INTO settings (ime, val_s, val_i) VALUES ('dbmanteinance', '', 3);
