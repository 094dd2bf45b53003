<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Datenbank</name>
    <message>
        <source>Sortierfolge %1 nicht angelegt: %2</source>
        <translation>Collation %1 not created: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 ist leer: keine SQLite-Datenbank.</source>
        <translation>The file %1 is empty: not an SQLite database.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine SQLite-Datenbank.</source>
        <translation>The file %1 is not an SQLite database.</translation>
    </message>
    <message>
        <source>Die Datenbank %1 ist schreibgeschützt (%2).</source>
        <translation>The database %1 is read-only (%2).</translation>
    </message>
    <message>
        <source>Die Datenbank %1 ist von einem anderen Programm gesperrt.</source>
        <translation>The database %1 is locked by another program.</translation>
    </message>
    <message>
        <source>Datenträger voll: die Datenbank %1 kann nicht geschrieben werden.</source>
        <translation>Disk full: the database %1 cannot be written.</translation>
    </message>
    <message>
        <source>Die Datenbank %1 ist beschädigt (%2).</source>
        <translation>The database %1 is damaged (%2).</translation>
    </message>
    <message>
        <source>Die Datenbank %1 kann nicht gelesen werden: %2</source>
        <translation>The database %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Datenbank schreibgeschützt</source>
        <translation>Database is read-only</translation>
    </message>
    <message>
        <source>Datenbank von einem anderen Programm gesperrt</source>
        <translation>Database is locked by another program</translation>
    </message>
    <message>
        <source>Datenträger voll</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>Schreibfehler auf dem Datenträger</source>
        <translation>Write error on the disk</translation>
    </message>
    <message>
        <source>Datenbank beschädigt</source>
        <translation>Database is damaged</translation>
    </message>
    <message>
        <source>Die Datenbank %1 kann nicht geöffnet werden: %2</source>
        <translation>The database %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Der Datenbanktreiber liefert keine SQLite-Verbindung.</source>
        <translation>The database driver does not provide an SQLite connection.</translation>
    </message>
    <message>
        <source>Datenträger voll: für die Datenbank %1 sind nur %2 KB frei.</source>
        <translation>Disk full: only %2 KB free for the database %1.</translation>
    </message>
    <message>
        <source>nur Lesezugriff</source>
        <translation>read access only</translation>
    </message>
    <message>
        <source>Die Sicherungskopie %1 kann nicht geschrieben werden: %2</source>
        <translation>The backup copy %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Die Datenbank %1 gibt es nicht.</source>
        <translation>The database %1 does not exist.</translation>
    </message>
    <message>
        <source>%1 ist ein Ordner, keine Datenbankdatei.</source>
        <translation>%1 is a folder, not a database file.</translation>
    </message>
    <message>
        <source>%1 ist keine Datei.</source>
        <translation>%1 is not a file.</translation>
    </message>
    <message>
        <source>Die Datenbank %1 ist für eine neuere Version von Pistorelle (Schema %2, diese Version kennt Schema %3).</source>
        <translation>The database %1 is for a newer version of Pistorelle (schema %2; this version knows schema %3).</translation>
    </message>
    <message>
        <source>Tabelle %1 fehlt in der Datenbank %2.</source>
        <translation>Table %1 is missing from the database %2.</translation>
    </message>
    <message>
        <source>Tabellen %1 fehlen in der Datenbank %2.</source>
        <translation>Tables %1 are missing from the database %2.</translation>
    </message>
    <message>
        <source>Die Datenbank %1 kann nicht auf Schema %2 gebracht werden: %3</source>
        <translation>The database %1 cannot be upgraded to schema %2: %3</translation>
    </message>
    <message>
        <source>Kein Pfad für die Datenbank angegeben.</source>
        <translation>No path given for the database.</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Die Datenbank %1 kann nicht angelegt werden: %2</source>
        <translation>The database %1 cannot be created: %2</translation>
    </message>
    <message>
        <source>Die Datenbank ist nicht geöffnet.</source>
        <translation>The database is not open.</translation>
    </message>
    <message>
        <source>Ungültiger Zeitstempel für die Historie: '%1'</source>
        <translation>Invalid time stamp for the history: '%1'</translation>
    </message>
</context>
<context>
    <name>DatenbankSchema</name>
    <message>
        <source>FehlerNr: %1 Info: %2 (%3)</source>
        <translation>Error no.: %1 Info: %2 (%3)</translation>
    </message>
</context>
<context>
    <name>Laufrettung</name>
    <message>
        <source>Der Lauf „%1“ (%2) vom %3 wurde nicht beendet. %4 Runden von %5 Bahnen wurden gefunden und in die Historie übernommen; die letzte Runde jeder Bahn ist als „abgebrochen“ markiert.</source>
        <translation>The heat “%1” (%2) of %3 was not finished. %4 laps of %5 lanes were found and copied to the history; the last lap of each lane is marked as aborted.</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Practice</translation>
    </message>
    <message>
        <source>Quali</source>
        <translation>Qualifying</translation>
    </message>
    <message>
        <source>Rennen</source>
        <translation>Race</translation>
    </message>
</context>
<context>
    <name>ProgrammStart</name>
    <message>
        <source>Programm ist schon gestartet!</source>
        <translation>The program is already running!</translation>
    </message>
    <message>
        <source>Die Datenbank %1 gibt es nicht.

Neue Datenbank anlegen?</source>
        <translation>The database %1 does not exist.

Create a new database?</translation>
    </message>
    <message>
        <source>Kann Datenbank %1 nicht öffnen:
%2

Bitte Pistorelle neu starten und DB auswählen.</source>
        <translation>Cannot open database %1:
%2

Please restart Pistorelle and choose a database.</translation>
    </message>
    <message>
        <source>Kann Datenbank %1 nicht öffnen:
%2

Bitte eine andere Datenbank wählen; Abbrechen verwendet die Standard-Datenbank.</source>
        <translation>Cannot open database %1:
%2

Please choose another database; Cancel uses the default database.</translation>
    </message>
    <message>
        <source>%1 Runden des nicht beendeten Laufs „%2“ konnten nicht in die Historie übernommen werden: %3
Sie bleiben in der Tabelle aktrennen erhalten.</source>
        <translation>%1 laps of the unfinished heat “%2” could not be copied to the history: %3
They are kept in the table aktrennen.</translation>
    </message>
</context>
<context>
    <name>RecordSet</name>
    <message>
        <source>Die Datenbank ist nicht geöffnet.</source>
        <translation>The database is not open.</translation>
    </message>
    <message>
        <source>Keine Datenquelle gesetzt.</source>
        <translation>No data source set.</translation>
    </message>
    <message>
        <source>Ungültige Datenquelle: %1</source>
        <translation>Invalid data source: %1</translation>
    </message>
    <message>
        <source>Kein Datensatz in Bearbeitung (Edit oder AddNew fehlt).</source>
        <translation>No record being edited (Edit or AddNew missing).</translation>
    </message>
    <message>
        <source>Das Feld %1 gibt es in %2 nicht.</source>
        <translation>There is no field %1 in %2.</translation>
    </message>
    <message>
        <source>Kein aktueller Datensatz.</source>
        <translation>No current record.</translation>
    </message>
    <message>
        <source>Update ohne Edit oder AddNew.</source>
        <translation>Update without Edit or AddNew.</translation>
    </message>
    <message>
        <source>Die Datenquelle ist nur lesbar: %1</source>
        <translation>The data source is read-only: %1</translation>
    </message>
    <message>
        <source>Der Datensatz ist nicht mehr vorhanden.</source>
        <translation>The record no longer exists.</translation>
    </message>
    <message>
        <source>Ungültiges Lesezeichen: %1</source>
        <translation>Invalid bookmark: %1</translation>
    </message>
</context>
<context>
    <name>StartDialogeFenster</name>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>diaDatenbank</name>
    <message>
        <source>Datenbank auswählen</source>
        <translation>Choose database</translation>
    </message>
    <message>
        <source>Diesen Dialog beim Neustart anzeigen</source>
        <translation>Show this dialog at the next start</translation>
    </message>
    <message>
        <source>Auswahl für Neustart übernehmen</source>
        <translation>Keep this choice for the next start</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Datenbank</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Datenbank (*.db)</source>
        <translation>Database (*.db)</translation>
    </message>
</context>
<context>
    <name>diaSprache</name>
    <message>
        <source>Figur / Sprache auswählen</source>
        <translation>Choose character / language</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>English</translation>
    </message>
    <message>
        <source>An/Aus</source>
        <translation>On/Off</translation>
    </message>
    <message>
        <source>wie die Sprache</source>
        <translation>same as the speech</translation>
    </message>
    <message>
        <source>Gilt nach dem nächsten Start des Programms.</source>
        <translation>Takes effect the next time the program starts.</translation>
    </message>
    <message>
        <source>Oberfläche:</source>
        <translation>Interface:</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
