<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>ChaosModus</name>
    <message>
        <source>Bitte die DSx00 Buttons verwenden!</source>
        <translation>Please use the DSx00 buttons!</translation>
    </message>
    <message>
        <source>Chaos nur in Läufen auf Zeit</source>
        <translation>Caution only in heats by time</translation>
    </message>
</context>
<context>
    <name>DSProtokoll</name>
    <message>
        <source>Fehler bei der Übertragung! Checksum nicht korrekt. Verbindung zur Box unterbrochen.</source>
        <translation>Transmission error! Checksum wrong. Connection to the box interrupted.</translation>
    </message>
    <message>
        <source>Fehler bei der Übertragung! Startbyte ist &lt;&gt; E0. Verbindung zur Box unterbrochen.</source>
        <translation>Transmission error! Start byte is &lt;&gt; E0. Connection to the box interrupted.</translation>
    </message>
    <message>
        <source>Fehler bei der Übertragung! Endebyte ist &lt;&gt; EB. Verbindung zur Box unterbrochen.</source>
        <translation>Transmission error! End byte is &lt;&gt; EB. Connection to the box interrupted.</translation>
    </message>
</context>
<context>
    <name>DSStartfolge</name>
    <message>
        <source>Der Zähler hat einen Lauf gestartet, den Pistorelle nicht angenommen hat. Seine Runden werden nicht gezählt.</source>
        <translation>The counter started a run that Pistorelle did not accept. Its laps are not counted.</translation>
    </message>
</context>
<context>
    <name>DSZaehler</name>
    <message>
        <source>Datenverlust</source>
        <translation>Data lost</translation>
    </message>
</context>
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
        <source>Ungültiger Zeitstempel für die Historie: &apos;%1&apos;</source>
        <translation>Invalid time stamp for the history: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Die Datenbank %1 ist eine Verknüpfung, die im Kreis auf sich selbst zeigt.</source>
        <translation>The database %1 is a link that loops back to itself.</translation>
    </message>
    <message>
        <source>Die Datenbank %1 ist eine Verknüpfung ohne Ziel: %2 gibt es nicht (Datenträger nicht angeschlossen?).</source>
        <translation>The database %1 is a link without a target: %2 does not exist (drive not plugged in?).</translation>
    </message>
    <message>
        <source>Die Datenbank %1 ist eine Verknüpfung auf %2; das Ziel ist nicht erreichbar: %3</source>
        <translation>The database %1 is a link to %2; the target cannot be reached: %3</translation>
    </message>
</context>
<context>
    <name>DatenbankSchema</name>
    <message>
        <source>Fahrer %1</source>
        <translation>Driver %1</translation>
    </message>
    <message>
        <source>Auto %1</source>
        <translation>Car %1</translation>
    </message>
    <message>
        <source>FehlerNr: %1 Info: %2 (%3)</source>
        <translation>Error no.: %1 Info: %2 (%3)</translation>
    </message>
</context>
<context>
    <name>DemoZeitnahme</name>
    <message>
        <source>Demo: simulierte Autos</source>
        <translation>Demo: simulated cars</translation>
    </message>
</context>
<context>
    <name>DiaWeiter</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ErsterStartHinweis</name>
    <message>
        <source>Demo starten</source>
        <translation>Start demo</translation>
    </message>
    <message>
        <source>Simulierte Autos fahren auf allen Bahnen; ohne Bahn und Zeitnahme</source>
        <translation>Simulated cars drive on every lane; no track or timing needed</translation>
    </message>
    <message>
        <source>Zeitnahme einrichten…</source>
        <translation>Set up timing…</translation>
    </message>
    <message>
        <source>Öffnet die Optionen auf der Seite Zeitnahme</source>
        <translation>Opens the options on the Timing page</translation>
    </message>
    <message>
        <source>Hinweis schließen</source>
        <translation>Close notice</translation>
    </message>
    <message>
        <source>Keine Zeitnahme zählt Runden (%1). Ohne Bahn ausprobieren: „Demo starten“. Eine Zeitnahme wählen: „Zeitnahme einrichten…“.</source>
        <translation>No timing counts laps (%1). To try it without a track: “Start demo”. To choose a timing interface: “Set up timing…”.</translation>
    </message>
    <message>
        <source>Von der Zeitnahme (%1) kam noch kein Signal. Hängt dort kein Zähler, „Zeitnahme einrichten…“; ohne Bahn ausprobieren: „Demo starten“.</source>
        <translation>No signal has come from the timing (%1) yet. If no counter is connected there: “Set up timing…”; to try it without a track: “Start demo”.</translation>
    </message>
</context>
<context>
    <name>FarbSeite</name>
    <message>
        <source>Farbe wählen</source>
        <translation>Choose colour</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <translation>Lane %1</translation>
    </message>
    <message>
        <source>Slot Farbe</source>
        <translation>Lane colour</translation>
    </message>
    <message>
        <source>Schrift Farbe</source>
        <translation>Text colour</translation>
    </message>
    <message>
        <source>Default Farbe</source>
        <translation>Default colours</translation>
    </message>
    <message>
        <source>Dunkle Farbe</source>
        <translation>Dark colours</translation>
    </message>
    <message>
        <source>Helle Farbe</source>
        <translation>Light colours</translation>
    </message>
    <message>
        <source>Meine Farbe</source>
        <translation>My colours</translation>
    </message>
    <message>
        <source>Meine Farbe speichern</source>
        <translation>Save my colours</translation>
    </message>
    <message>
        <source>Sollen die Default Farben verwendet werden?</source>
        <translation>Use the default colours?</translation>
    </message>
    <message>
        <source>Sollen die dunklen Farben verwendet werden?</source>
        <translation>Use the dark colours?</translation>
    </message>
    <message>
        <source>Sollen die hellen Farben verwendet werden?</source>
        <translation>Use the light colours?</translation>
    </message>
    <message>
        <source>Sollen die eigenen Farben verwendet werden?</source>
        <translation>Use your own colours?</translation>
    </message>
    <message>
        <source>Sollen die eigenen Farben gespeichert werden?</source>
        <translation>Save the current colours as your own?</translation>
    </message>
</context>
<context>
    <name>Hauptanzeige</name>
    <message>
        <source>Chaos</source>
        <extracomment>the clock and the button while the race is neutralised (yellow flag)</extracomment>
        <translation>Caution</translation>
    </message>
    <message>
        <source>Chaos Ende</source>
        <translation>End caution</translation>
    </message>
    <message>
        <source>T&amp;abellen</source>
        <translation>T&amp;ables</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>S&amp;imulation</source>
        <translation>S&amp;imulation</translation>
    </message>
    <message>
        <source>Rennstart</source>
        <extracomment>title of the start-light window</extracomment>
        <translation>Race start</translation>
    </message>
    <message>
        <source>CHAOS CHAOS CHAOS</source>
        <translation>CAUTION CAUTION CAUTION</translation>
    </message>
    <message>
        <source>Rennen</source>
        <extracomment>race kind</extracomment>
        <translation>Race</translation>
    </message>
    <message>
        <source>Training</source>
        <extracomment>race kind</extracomment>
        <translation>Practice</translation>
    </message>
    <message>
        <source>Quali</source>
        <extracomment>race kind (one-lap qualifying)</extracomment>
        <translation>Qualifying</translation>
    </message>
    <message>
        <source>Speed</source>
        <extracomment>ranking by top speed</extracomment>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>T-Zeit</source>
        <extracomment>race mode: practice on time (T = Training)</extracomment>
        <translation>P-Time</translation>
    </message>
    <message>
        <source>T-Runden</source>
        <extracomment>race mode: practice on laps</extracomment>
        <translation>P-Laps</translation>
    </message>
    <message>
        <source>R-Zeit</source>
        <extracomment>race mode: race on time</extracomment>
        <translation>R-Time</translation>
    </message>
    <message>
        <source>R-Runden</source>
        <extracomment>race mode: race on laps</extracomment>
        <translation>R-Laps</translation>
    </message>
    <message>
        <source>T-Power</source>
        <extracomment>race mode: power practice (runs with pauses)</extracomment>
        <translation>P-Power</translation>
    </message>
</context>
<context>
    <name>KorrekturMenue</name>
    <message>
        <source>Runde +1</source>
        <translation>Lap +1</translation>
    </message>
    <message>
        <source>Letzte Runde löschen</source>
        <translation>Delete last lap</translation>
    </message>
    <message>
        <source>Eine Runde für %1 auf Bahn %2 zählen, die der Sensor nicht erfasst hat?</source>
        <translation>Count a lap for %1 on lane %2 that the sensor missed?</translation>
    </message>
    <message>
        <source>Bahn %1</source>
        <translation>Lane %1</translation>
    </message>
    <message>
        <source>Bahn %1: %2</source>
        <translation>Lane %1: %2</translation>
    </message>
    <message>
        <source>Runde %1 von %2 auf Bahn %3 (%4 s) löschen? Sie bleibt in der Rundentabelle mit dem Vermerk K- und zählt nicht mehr.</source>
        <extracomment>%1 lap number, %2 driver, %3 lane, %4 lap time in seconds</extracomment>
        <translation>Delete lap %1 of %2 on lane %3 (%4 s)? It stays in the lap table with the remark K- and no longer counts.</translation>
    </message>
</context>
<context>
    <name>LPTControl</name>
    <message>
        <source>deaktiv</source>
        <translation>disabled</translation>
    </message>
</context>
<context>
    <name>LapsterBox</name>
    <message>
        <source>USB-Rennbox antwortet nicht (%1), neuer Versuch alle 2 s</source>
        <translation>USB race box does not answer (%1), trying again every 2 s</translation>
    </message>
    <message>
        <source>USB-Rennbox über %1</source>
        <translation>USB race box via %1</translation>
    </message>
    <message>
        <source>Die Firmware der Box fehlt: %1</source>
        <translation>The box firmware is missing: %1</translation>
    </message>
    <message>
        <source>Die Firmware der Box ist nicht lesbar: %1 (%2)</source>
        <translation>The box firmware cannot be read: %1 (%2)</translation>
    </message>
    <message>
        <source>Die Firmware der Box ist zu groß: %1</source>
        <translation>The box firmware is too large: %1</translation>
    </message>
    <message>
        <source>Die Firmware der Box ist leer: %1</source>
        <translation>The box firmware is empty: %1</translation>
    </message>
    <message>
        <source>Die Firmware konnte nicht in die Box geladen werden.</source>
        <translation>The firmware could not be loaded into the box.</translation>
    </message>
    <message>
        <source>Kein Kontakt zur Box</source>
        <translation>No contact with the box</translation>
    </message>
    <message>
        <source>Keine USB-Rennbox gefunden (%1), neuer Versuch alle 2 s</source>
        <translation>No USB race box found (%1), trying again every 2 s</translation>
    </message>
    <message>
        <source>Kein Kontakt zur USB-Rennbox (%1), neuer Versuch alle 2 s</source>
        <translation>No contact with the USB race box (%1), trying again every 2 s</translation>
    </message>
    <message>
        <source>Bibliothek der USB-Rennbox (%1) nicht geladen: %2</source>
        <translation>Library of the USB race box (%1) not loaded: %2</translation>
    </message>
    <message>
        <source>Die USB-Rennbox zählt keine Runden (%1: %2).
Ohne Zeitnahme starten?</source>
        <translation>The USB race box counts no laps (%1: %2).
Start without timing?</translation>
    </message>
</context>
<context>
    <name>Laufergebnis</name>
    <message>
        <source>+1 Runde</source>
        <translation>+1 lap</translation>
    </message>
    <message>
        <source>+%1 Runden</source>
        <translation>+%1 laps</translation>
    </message>
</context>
<context>
    <name>Laufrettung</name>
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
    <message>
        <source>Der Lauf „%1“ (%2) vom %3 wurde nicht beendet. %4 Runden von %5 Bahnen wurden gefunden und in die Historie übernommen; die letzte Runde jeder Bahn ist als „abgebrochen“ markiert.</source>
        <translation>The heat “%1” (%2) of %3 was not finished. %4 laps of %5 lanes were found and copied to the history; the last lap of each lane is marked as aborted.</translation>
    </message>
    <message>
        <source>Der Lauf „%1“ (%2) vom %3 wurde nicht beendet. %4 Runde wurde gefunden und in die Historie übernommen; sie ist als „abgebrochen“ markiert.</source>
        <translation>The heat “%1” (%2) of %3 was not finished. %4 lap was found and copied to the history; it is marked as aborted.</translation>
    </message>
    <message>
        <source>Der Lauf „%1“ (%2) vom %3 wurde nicht beendet. %4 Runden einer Bahn wurden gefunden und in die Historie übernommen; die letzte ist als „abgebrochen“ markiert.</source>
        <translation>The heat “%1” (%2) of %3 was not finished. %4 laps of one lane were found and copied to the history; the last one is marked as aborted.</translation>
    </message>
</context>
<context>
    <name>LiveStand</name>
    <message>
        <source>Die Zuschauer-Anzeige kann Port %1 nicht öffnen.</source>
        <translation>The viewers&apos; standings cannot open port %1.</translation>
    </message>
    <message>
        <source>Die Runden kommen aus der Simulation im Programm.</source>
        <translation>The laps come from the program&apos;s own simulation.</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
</context>
<context>
    <name>LiveStandFeld</name>
    <message>
        <source>Live-Stand für Zuschauer im Browser: &lt;b&gt;%1&lt;/b&gt; · %2 Zuschauer</source>
        <translation>Live standings for viewers in a browser: &lt;b&gt;%1&lt;/b&gt; · %2 viewers</translation>
    </message>
</context>
<context>
    <name>LiveStandSeite</name>
    <message>
        <source>Live-Stand im Browser für Zuschauer anbieten</source>
        <translation>Offer live standings to viewers in a browser</translation>
    </message>
    <message>
        <source>Handys und Fernseher im selben Netz öffnen die Adresse, die das Hauptfenster dann zeigt (mit QR-Code). Sie können nur zusehen, nichts ändern; höchstens %1 Zuschauer gleichzeitig.</source>
        <translation>Phones and TVs on the same network open the address that the main window then shows (with a QR code). They can only watch, not change anything; at most %1 viewers at a time.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Zuschauer</source>
        <translation>Viewers</translation>
    </message>
</context>
<context>
    <name>MSComm</name>
    <message>
        <source>Port ist bereits geöffnet</source>
        <translation>Port is already open</translation>
    </message>
    <message>
        <source>Ungültige Einstellung: %1</source>
        <translation>Invalid setting: %1</translation>
    </message>
    <message>
        <source>COM%1 hat keinen Gerätepfad</source>
        <translation>COM%1 has no device path</translation>
    </message>
    <message>
        <source>Port ist nicht geöffnet</source>
        <translation>Port is not open</translation>
    </message>
    <message>
        <source>%1 (%2): %3, Port geschlossen</source>
        <translation>%1 (%2): %3, port closed</translation>
    </message>
    <message>
        <source>%1: Eingabepuffer voll, %2 Zeichen verloren</source>
        <translation>%1: input buffer full, %2 characters lost</translation>
    </message>
    <message>
        <source>Gerät getrennt, %1 gibt es nicht mehr</source>
        <translation>Device disconnected, %1 no longer exists</translation>
    </message>
    <message>
        <source>Schreiben auf das Gerät fehlgeschlagen</source>
        <translation>Writing to the device failed</translation>
    </message>
    <message>
        <source>Gerät antwortet nicht mehr (Lesefehler)</source>
        <translation>Device no longer answers (read error)</translation>
    </message>
</context>
<context>
    <name>MeisterschaftBericht</name>
    <message>
        <source>Meisterschaft</source>
        <translation>Championship</translation>
    </message>
    <message>
        <source>Rennserie: %1</source>
        <translation>Series: %1</translation>
    </message>
    <message>
        <source>Wertung</source>
        <translation>Standings</translation>
    </message>
    <message>
        <source>Platz</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Starts</translation>
    </message>
    <message>
        <source>Siege</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>* schnellste Runde, ( ) Streichergebnis</source>
        <translation>* fastest lap, ( ) dropped result</translation>
    </message>
    <message>
        <source>Punkte je Platz: %1</source>
        <translation>Points per place: %1</translation>
    </message>
    <message>
        <source>schnellste Runde: %1</source>
        <translation>fastest lap: %1</translation>
    </message>
    <message>
        <source>Streichergebnisse: %1</source>
        <translation>dropped results: %1</translation>
    </message>
</context>
<context>
    <name>MeisterschaftSeite</name>
    <message>
        <source>Punkte für Platz 1, 2, 3, … durch Kommas getrennt; weitere Plätze erhalten 0 Punkte.</source>
        <translation>Points for places 1, 2, 3, … separated by commas; further places get 0 points.</translation>
    </message>
    <message>
        <source>Rennserie</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Punkte je Platz</source>
        <translation>Points per place</translation>
    </message>
    <message>
        <source>Streichergebnisse</source>
        <translation>Dropped results</translation>
    </message>
    <message>
        <source>Bonus schnellste Runde</source>
        <translation>Fastest lap bonus</translation>
    </message>
    <message>
        <source>HTML Ausgabe</source>
        <translation>HTML report</translation>
    </message>
    <message>
        <source>PDF Ausgabe</source>
        <translation>PDF report</translation>
    </message>
    <message>
        <source>Platz</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Starts</translation>
    </message>
    <message>
        <source>Siege</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>Platz %1</source>
        <translation>Place %1</translation>
    </message>
    <message>
        <source>schnellste Runde</source>
        <translation>fastest lap</translation>
    </message>
    <message>
        <source>Streichergebnis</source>
        <translation>dropped result</translation>
    </message>
    <message>
        <source>Noch kein Turnier mit einer Rennserie.</source>
        <translation>No tournament with a series yet.</translation>
    </message>
    <message>
        <source>Turniere der Serie: %1; * schnellste Runde, ( ) Streichergebnis</source>
        <translation>Tournaments of the series: %1; * fastest lap, ( ) dropped result</translation>
    </message>
    <message>
        <source>HTML Ausgabe nicht möglich: %1</source>
        <translation>HTML report not possible: %1</translation>
    </message>
    <message>
        <source>HTML Ausgabe: %1</source>
        <translation>HTML report: %1</translation>
    </message>
    <message>
        <source>PDF Ausgabe nicht möglich: %1</source>
        <translation>PDF report not possible: %1</translation>
    </message>
    <message>
        <source>Meisterschaft</source>
        <translation>Championship</translation>
    </message>
    <message>
        <source>PDF Ausgabe: %1</source>
        <translation>PDF report: %1</translation>
    </message>
</context>
<context>
    <name>MqttSeite</name>
    <message>
        <source>Rennen an einen MQTT-Broker senden</source>
        <translation>Send races to an MQTT broker</translation>
    </message>
    <message>
        <source>Verschlüsselt (TLS, mit den Zertifikaten des Systems)</source>
        <translation>Encrypted (TLS, with the system&apos;s certificates)</translation>
    </message>
    <message>
        <source>Der Broker verteilt Stand und Runden an Anzeigen in der Lobby und an Streams, für beliebig viele Zuschauer, ohne diesen Rechner zu belasten. Jede Bahn bekommt ihr eigenes Thema, z. B. pistorelle/bahn1 und pistorelle/bahn2; die Lobby-Seite zeigt alle unter pistorelle/+.</source>
        <translation>The broker hands standings and laps to lobby boards and streams, for any number of viewers, without load on this computer. Each track gets a topic of its own, e.g. pistorelle/bahn1 and pistorelle/bahn2; the lobby page shows all of them under pistorelle/+.</translation>
    </message>
    <message>
        <source>Broker:</source>
        <translation>Broker:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Thema:</source>
        <translation>Topic:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Übertragung</source>
        <translation>Broadcast</translation>
    </message>
</context>
<context>
    <name>MqttSender</name>
    <message>
        <source>MQTT: verbinde mit %1 …</source>
        <translation>MQTT: connecting to %1 …</translation>
    </message>
    <message>
        <source>MQTT: verbunden mit %1, Thema %2</source>
        <translation>MQTT: connected to %1, topic %2</translation>
    </message>
    <message>
        <source>MQTT: Broker %1 nicht erreichbar (%2), neuer Versuch in %3 s</source>
        <translation>MQTT: broker %1 not reachable (%2), trying again in %3 s</translation>
    </message>
    <message>
        <source>MQTT: Verbindung zum Broker %1 verloren (%2), neuer Versuch in %3 s</source>
        <translation>MQTT: connection to broker %1 lost (%2), trying again in %3 s</translation>
    </message>
    <message>
        <source>MQTT: Broker %1 lehnt die Anmeldung ab: Benutzername oder Passwort falsch</source>
        <translation>MQTT: broker %1 refuses the login: wrong user name or password</translation>
    </message>
    <message>
        <source>MQTT: Broker %1 lehnt die Anmeldung ab: nicht berechtigt (Benutzername und Passwort prüfen)</source>
        <translation>MQTT: broker %1 refuses the login: not authorised (check user name and password)</translation>
    </message>
    <message>
        <source>MQTT: Broker %1 lehnt die Anmeldung ab: %2</source>
        <translation>MQTT: broker %1 refuses the login: %2</translation>
    </message>
</context>
<context>
    <name>Nachlauf</name>
    <message>
        <source>Gleich geht es weiter</source>
        <translation>Back in a moment</translation>
    </message>
    <message>
        <source>Noch %1 Sekunden</source>
        <translation>%1 seconds to go</translation>
    </message>
    <message>
        <source>Gleich geht es weiter. Zum Stop T-Power auf anderen Modus ändern.</source>
        <translation>Back in a moment. To stop, change P-Power to another mode.</translation>
    </message>
    <message>
        <source>Noch %1 Sekunden - Zum Stop T-Power auf anderen Modus ändern.</source>
        <translation>%1 seconds to go - To stop, change P-Power to another mode.</translation>
    </message>
    <message>
        <source>Noch %1 Sekunde - Zum Stop T-Power auf anderen Modus ändern.</source>
        <translation>%1 second to go - To stop, change P-Power to another mode.</translation>
    </message>
    <message>
        <source>Noch %1 Sekunde</source>
        <translation>%1 second to go</translation>
    </message>
</context>
<context>
    <name>PortIO</name>
    <message>
        <source>PISTORELLE_LPT=%1 ist kein Zugriffsweg</source>
        <translation>PISTORELLE_LPT=%1 is not a way of access</translation>
    </message>
    <message>
        <source>%1: Inp32/Out32 fehlen</source>
        <translation>%1: Inp32/Out32 missing</translation>
    </message>
    <message>
        <source>ioperm gibt es nur unter Linux auf x86</source>
        <translation>ioperm exists only on Linux on x86</translation>
    </message>
    <message>
        <source>ppdev gibt es nur unter Linux</source>
        <translation>ppdev exists only on Linux</translation>
    </message>
</context>
<context>
    <name>PortalixBindung</name>
    <message>
        <source>kein Bibliotheksname</source>
        <translation>no library name</translation>
    </message>
    <message>
        <source>%1: Funktionen fehlen</source>
        <translation>%1: functions missing</translation>
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
</context>
<context>
    <name>Rangliste</name>
    <message>
        <source>Suche in schnellsterunden</source>
        <extracomment>step in which writing the lap records failed; schnellsterunden is a table name</extracomment>
        <translation>search in schnellsterunden</translation>
    </message>
    <message>
        <source>Neuer Eintrag</source>
        <translation>new entry</translation>
    </message>
    <message>
        <source>Aendern</source>
        <translation>update</translation>
    </message>
</context>
<context>
    <name>Rennablauf</name>
    <message>
        <source>Soll das Rennen beendet werden?</source>
        <translation>End the race?</translation>
    </message>
    <message>
        <source>%1 Runden konnten nicht in der Datenbank gespeichert werden (%2). Sie stehen in der Datei %3.</source>
        <translation>%1 laps could not be saved in the database (%2). They are in the file %3.</translation>
    </message>
    <message>
        <source>Bitte den START/STOP Button der DS200/DS300 verwenden!</source>
        <translation>Please use the START/STOP button of the DS200/DS300!</translation>
    </message>
    <message>
        <source>Soll der Lauf gestoppt werden?</source>
        <translation>Stop the heat?</translation>
    </message>
    <message>
        <source>%1 Runden konnten weder in der Datenbank (%2) noch in einer Datei gespeichert werden (%3). Beim Beenden gehen sie verloren. Trotzdem beenden?</source>
        <translation>%1 laps could be saved neither in the database (%2) nor in a file (%3). They are lost when the program ends. Quit anyway?</translation>
    </message>
    <message>
        <source>%1 Runde konnte weder in der Datenbank (%2) noch in einer Datei gespeichert werden (%3). Beim Beenden geht sie verloren. Trotzdem beenden?</source>
        <translation>%1 lap could be saved neither in the database (%2) nor in a file (%3). It is lost when the program ends. Quit anyway?</translation>
    </message>
    <message>
        <source>%1 Runde konnte nicht in der Datenbank gespeichert werden (%2). Sie steht in der Datei %3.</source>
        <translation>%1 lap could not be saved in the database (%2). It is in the file %3.</translation>
    </message>
    <message>
        <source>Noch 1 Runde</source>
        <translation>1 lap to go</translation>
    </message>
    <message>
        <source>Noch %1 Runden</source>
        <translation>%1 laps to go</translation>
    </message>
</context>
<context>
    <name>Rennkern</name>
    <message>
        <source>%1 Runden des nicht beendeten Laufs „%2“ konnten nicht in die Historie übernommen werden: %3
Sie bleiben in der Tabelle aktrennen erhalten.</source>
        <translation>%1 laps of the unfinished heat “%2” could not be copied to the history: %3
They are kept in the table aktrennen.</translation>
    </message>
    <message>
        <source>%1 Runde des nicht beendeten Laufs „%2“ konnte nicht in die Historie übernommen werden: %3
Sie bleibt in der Tabelle aktrennen erhalten.</source>
        <translation>%1 lap of the unfinished heat “%2” could not be copied to the history: %3
It is kept in the table aktrennen.</translation>
    </message>
</context>
<context>
    <name>Rennleitung</name>
    <message>
        <source>%1 Runden des letzten Laufs konnten nicht in die Historie kopiert werden: %2
Sie bleiben gespeichert und kommen mit diesem Lauf in die Historie.</source>
        <translation>%1 laps of the last heat could not be copied to the history: %2
They stay saved and go to the history with this heat.</translation>
    </message>
    <message>
        <source>Wert muss zwischen 1 und 300 liegen</source>
        <translation>Value must be between 1 and 300</translation>
    </message>
    <message>
        <source>Fehler in SUB CheckSchnellsteRunde bei %1 . %2</source>
        <translation>Error checking the lap records at %1 . %2</translation>
    </message>
    <message>
        <source>Fehler beim kopieren in die Historie Tabelle. FehlerNr: %1 Info: %2</source>
        <translation>Error copying to the history table. Error no.: %1 Info: %2</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der LRF Datei. FehlerNr: %1 Info: %2</source>
        <translation>Error writing the LRF file. Error no.: %1 Info: %2</translation>
    </message>
    <message>
        <source>Der letzte Lauf ist noch nicht gespeichert (%1 Runden). %2</source>
        <translation>The last heat is not saved yet (%1 laps). %2</translation>
    </message>
    <message>
        <source>Bahn %1: eine Runde während der Unterbrechung vom Zähler gezählt (Zeit geschätzt)</source>
        <translation>Lane %1: one lap counted by the counter during the interruption (time estimated)</translation>
    </message>
    <message>
        <source>Bahn %1: %2 Runden während der Unterbrechung vom Zähler gezählt (Zeiten gleichmäßig verteilt)</source>
        <translation>Lane %1: %2 laps counted by the counter during the interruption (times shared out evenly)</translation>
    </message>
    <message>
        <source>Bahn %1: während der Unterbrechung nicht gezählt</source>
        <translation>Lane %1: not counted during the interruption</translation>
    </message>
    <message>
        <source>%1 Runde des letzten Laufs konnte nicht in die Historie kopiert werden: %2
Sie bleibt gespeichert und kommt mit diesem Lauf in die Historie.</source>
        <translation>%1 lap of the last heat could not be copied to the history: %2
It stays saved and goes to the history with this heat.</translation>
    </message>
    <message>
        <source>Der letzte Lauf ist noch nicht gespeichert (%1 Runde). %2</source>
        <translation>The last heat is not saved yet (%1 lap). %2</translation>
    </message>
</context>
<context>
    <name>Rundenkorrektur</name>
    <message>
        <source>Auf Bahn %1 fährt niemand mit.</source>
        <translation>Nobody is driving on lane %1.</translation>
    </message>
    <message>
        <source>Eine Runde kann nur während eines Laufs gezählt werden.</source>
        <translation>A lap can only be counted during a heat.</translation>
    </message>
    <message>
        <source>Vor dem Start zählt keine Runde.</source>
        <translation>No lap counts before the start.</translation>
    </message>
    <message>
        <source>Während CHAOS zählt keine Runde.</source>
        <translation>No lap counts during a caution.</translation>
    </message>
    <message>
        <source>Bahn %1 ist noch nicht über die Startlinie gefahren.</source>
        <translation>Lane %1 has not crossed the start line yet.</translation>
    </message>
    <message>
        <source>Bahn %1 hat keine Runde, die gelöscht werden kann.</source>
        <translation>Lane %1 has no lap that can be deleted.</translation>
    </message>
    <message>
        <source>Bahn %1 hat keinen Eingang.</source>
        <translation>Lane %1 has no input.</translation>
    </message>
    <message>
        <source>Die Runde wurde nicht gezählt: die letzte Runde auf Bahn %1 ist eben erst gefahren.</source>
        <translation>The lap was not counted: the last lap on lane %1 was only just driven.</translation>
    </message>
    <message>
        <source>Bahn %1 (%2): %3 Runde %4</source>
        <translation>Lane %1 (%2): %3 lap %4</translation>
    </message>
    <message>
        <source>Diese Runde zählt nicht mehr (schon gelöscht oder ein neuer Lauf). Es wird nichts gelöscht.</source>
        <translation>This lap no longer counts (deleted already, or a new heat began). Nothing will be deleted.</translation>
    </message>
    <message>
        <source>Seit dem Öffnen ist 1 weitere Runde gefahren.</source>
        <extracomment>%1: laps counted on the lane since the question opened, %2: the lap&apos;s number</extracomment>
        <translation>1 more lap has been driven since this question opened.</translation>
    </message>
    <message>
        <source>Seit dem Öffnen sind %1 weitere Runden gefahren.</source>
        <translation>%1 more laps have been driven since this question opened.</translation>
    </message>
    <message>
        <source>Gelöscht wird trotzdem genau Runde %1; ihre Zeit kommt zur nächsten Runde dazu, die dann Runde %1 ist.</source>
        <translation>Still exactly lap %1 is deleted; its time is added to the next lap, which then becomes lap %1.</translation>
    </message>
    <message>
        <source>Diese Runde auf Bahn %1 zählt nicht mehr; es wurde nichts gelöscht.</source>
        <translation>This lap on lane %1 no longer counts; nothing was deleted.</translation>
    </message>
</context>
<context>
    <name>Rundensicherung</name>
    <message>
        <source>Runden werden nicht gespeichert: %1</source>
        <translation>Laps are not being saved: %1</translation>
    </message>
    <message>
        <source>die Datei ist unvollständig</source>
        <translation>the file is incomplete</translation>
    </message>
</context>
<context>
    <name>Schnittstellen</name>
    <message>
        <source>Bibliothek der USB-Rennbox (%1) nicht geladen: %2</source>
        <translation>Library of the USB race box (%1) not loaded: %2</translation>
    </message>
    <message>
        <source>Racecontrol aktiv an COM%1</source>
        <translation>Racecontrol active on COM%1</translation>
    </message>
    <message>
        <source>Bepfe/Titus aktiv an COM%1 Eingänge:%2 Relais:%3</source>
        <translation>Bepfe/Titus active on COM%1 Inputs:%2 Relays:%3</translation>
    </message>
    <message>
        <source>DSx00 aktiv an COM%1 %2</source>
        <translation>DSx00 active on COM%1 %2</translation>
    </message>
    <message>
        <source>LPT Erfassung aktiv</source>
        <translation>LPT timing active</translation>
    </message>
    <message>
        <source>COM%1 (%2): %3, neuer Versuch alle 2 s</source>
        <translation>COM%1 (%2): %3, trying again every 2 s</translation>
    </message>
    <message>
        <source>%1; Warnung: Eingänge an Steuerpins sind über ppdev nicht lesbar: %2</source>
        <translation>%1; Warning: inputs on control pins cannot be read through ppdev: %2</translation>
    </message>
    <message>
        <source>Kein Zugriff auf den Parallelport: %1</source>
        <translation>No access to the parallel port: %1</translation>
    </message>
    <message>
        <source>Parallelport nur im Speicher (PISTORELLE_LPT=sim)</source>
        <translation>Parallel port in memory only (PISTORELLE_LPT=sim)</translation>
    </message>
    <message>
        <source>USB-Rennbox über %1</source>
        <translation>USB race box via %1</translation>
    </message>
    <message>
        <source>Startbyte ist &lt;&gt; E0: keine gültigen Daten vom Zähler. Baudrate prüfen (DS200: 4800, DS300: 56000; eingestellt: %1)</source>
        <translation>Start byte is &lt;&gt; E0: no valid data from the counter. Check the baud rate (DS200: 4800, DS300: 56000; set: %1)</translation>
    </message>
    <message>
        <source>Keine gültige Meldung der Box. Baudrate prüfen (9600,n,8,1)</source>
        <translation>No valid message from the box. Check the baud rate (9600,n,8,1)</translation>
    </message>
    <message>
        <source>Parallelport</source>
        <translation>Parallel port</translation>
    </message>
    <message>
        <source>USB-Rennbox</source>
        <translation>USB race box</translation>
    </message>
    <message>
        <source>Steuerbox %1</source>
        <translation>Control box %1</translation>
    </message>
    <message>
        <source>Sensorbox %1</source>
        <translation>Sensor box %1</translation>
    </message>
</context>
<context>
    <name>SensorBox</name>
    <message>
        <source>Sensorbox-Treiber nicht geladen: %1</source>
        <translation>Sensor box driver not loaded: %1</translation>
    </message>
    <message>
        <source>Uhr der Sensorbox neu gestartet, an die Rennuhr angeschlossen</source>
        <translation>Sensor box clock restarted, joined to the race clock</translation>
    </message>
    <message>
        <source>Der Treiber der Sensorbox fehlt (Bibliothek %1). Ohne ihn zählt keine Runde, das Rennen startet nicht.
%2</source>
        <translation>The sensor box driver is missing (library %1). Without it no lap is counted; the race does not start.
%2</translation>
    </message>
</context>
<context>
    <name>SensorBoxTreiber</name>
    <message>
        <source>%1: Einsprung %2 fehlt</source>
        <translation>%1: entry point %2 missing</translation>
    </message>
</context>
<context>
    <name>SlotAnzeige</name>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Akt R</source>
        <extracomment>laps driven so far</extracomment>
        <translation>Laps</translation>
    </message>
    <message>
        <source>Akt Z</source>
        <extracomment>time of the last lap</extracomment>
        <translation>Lap T</translation>
    </message>
    <message>
        <source>Gesamt Z</source>
        <translation>Total T</translation>
    </message>
    <message>
        <source>Bahn</source>
        <translation>Lane</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>SR</source>
        <extracomment>lap in which the best lap was driven</extracomment>
        <translation>BL#</translation>
    </message>
    <message>
        <source>SZ</source>
        <extracomment>best lap time</extracomment>
        <translation>BL</translation>
    </message>
    <message>
        <source>VE</source>
        <extracomment>laps projected for the end of the run</extracomment>
        <translation>Proj</translation>
    </message>
    <message>
        <source>Doppelklick für Fahrerauswahl</source>
        <translation>Double-click to choose the driver</translation>
    </message>
    <message>
        <source>Runden</source>
        <translation>Laps</translation>
    </message>
    <message>
        <source>Letzte</source>
        <extracomment>time of the last lap</extracomment>
        <translation>Last</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <extracomment>total time</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Beste</source>
        <extracomment>best lap time</extracomment>
        <translation>Best</translation>
    </message>
    <message>
        <source>Bestrunde</source>
        <extracomment>number of the lap in which the best lap was driven</extracomment>
        <translation>Best lap #</translation>
    </message>
    <message>
        <source>Prognose</source>
        <extracomment>laps projected for the end of the run</extracomment>
        <translation>Projected</translation>
    </message>
    <message>
        <source>Frühstart</source>
        <translation>False start</translation>
    </message>
</context>
<context>
    <name>SlotAnzeigeFeld</name>
    <message>
        <source>POS</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>AKTR</source>
        <translation>Laps</translation>
    </message>
    <message>
        <source>AKTZ</source>
        <translation>Last lap</translation>
    </message>
    <message>
        <source>GESAMTZ</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>BAHN</source>
        <translation>Lane</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>SR</source>
        <translation>Lap of the best lap</translation>
    </message>
    <message>
        <source>SZ</source>
        <translation>Best lap</translation>
    </message>
    <message>
        <source>VE</source>
        <translation>Projected laps at the end</translation>
    </message>
</context>
<context>
    <name>SpurWechsel</name>
    <message>
        <source>Spurwechsel nicht möglich: %1</source>
        <translation>Lane change not possible: %1</translation>
    </message>
</context>
<context>
    <name>StartAmpel</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
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
    <name>TabellenModell</name>
    <message>
        <source>Bahn</source>
        <translation>Lane</translation>
    </message>
    <message>
        <source>FahrerNr</source>
        <translation>Driver no.</translation>
    </message>
    <message>
        <source>Platz</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Laenge</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Runden</source>
        <translation>Laps</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>SchnellsteRunde</source>
        <translation>Best lap no.</translation>
    </message>
    <message>
        <source>Schnellste</source>
        <translation>Best lap</translation>
    </message>
    <message>
        <source>Wann</source>
        <translation>When</translation>
    </message>
    <message>
        <source>AktRunde</source>
        <translation>Current lap</translation>
    </message>
    <message>
        <source>ZurVorRunde</source>
        <translation>Vs. previous lap</translation>
    </message>
    <message>
        <source>SchnellsteGeschw</source>
        <translation>Top speed</translation>
    </message>
    <message>
        <source>AktGeschw</source>
        <translation>Current speed</translation>
    </message>
    <message>
        <source>lfdnr</source>
        <translation>Seq. no.</translation>
    </message>
    <message>
        <source>Runde</source>
        <translation>Lap</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>MProSec</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>Uhr</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>RennInfo</source>
        <translation>Race info</translation>
    </message>
    <message>
        <source>RennName</source>
        <translation>Race name</translation>
    </message>
    <message>
        <source>RennArt</source>
        <translation>Race type</translation>
    </message>
    <message>
        <source>rennzeit</source>
        <translation>Race time</translation>
    </message>
    <message>
        <source>LBahn</source>
        <translation>Lane length</translation>
    </message>
    <message>
        <source>Geschw</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>nachname</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>mitglied</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>bildlink</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>erstellt</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>LangName</source>
        <translation>Long name</translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>laengeinnen</source>
        <translation>Inner length</translation>
    </message>
    <message>
        <source>laengeaussen</source>
        <translation>Outer length</translation>
    </message>
    <message>
        <source>hersteller</source>
        <translation>Maker</translation>
    </message>
    <message>
        <source>linnen</source>
        <translation>Inner length</translation>
    </message>
    <message>
        <source>laussen</source>
        <translation>Outer length</translation>
    </message>
    <message>
        <source>strname</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Schienenname</source>
        <translation>Piece</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>LRG</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>langid</source>
        <translation>Language id</translation>
    </message>
    <message>
        <source>textinhalt</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>In der Spalte &quot;%1&quot; ist nur eine ganze Zahl erlaubt: %2</source>
        <translation>Only a whole number is allowed in the column &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>In der Spalte &quot;%1&quot; ist nur eine Zahl erlaubt: %2</source>
        <translation>Only a number is allowed in the column &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Fehler beim Speichern</source>
        <translation>Error while saving</translation>
    </message>
    <message>
        <source>Fehler beim Anlegen der Zeile</source>
        <translation>Error while adding the row</translation>
    </message>
    <message>
        <source>Fehler beim Löschen</source>
        <translation>Error while deleting</translation>
    </message>
    <message>
        <source>%1. FehlerNr: %2 Info: %3</source>
        <extracomment>%1 is what failed (&quot;Fehler beim Speichern&quot; and the like), %2 and %3 the database&apos;s error.</extracomment>
        <translation>%1. Error no.: %2 Info: %3</translation>
    </message>
</context>
<context>
    <name>Turnier</name>
    <message>
        <source>Noch kein Rennen gewählt: zuerst auf der Seite „Rennen“ ein Rennen speichern oder wählen.</source>
        <translation>No race chosen yet: first save or choose a race on the “Rennen” page.</translation>
    </message>
    <message>
        <source>SLOT Rennen aktiv!</source>
        <translation>TOURNAMENT active!</translation>
    </message>
    <message>
        <source>Quali starten</source>
        <translation>Start qualifying</translation>
    </message>
    <message>
        <source>Rennen starten</source>
        <translation>Start race</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Aendern</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Gruppen vorbelegen</source>
        <translation>Assign groups</translation>
    </message>
    <message>
        <source>Sortiere Gruppe</source>
        <translation>Sort by group</translation>
    </message>
    <message>
        <source>Rennläufe belegen</source>
        <translation>Assign heats</translation>
    </message>
    <message>
        <source>Zufällig</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>Lauf wiederholen</source>
        <translation>Repeat heat</translation>
    </message>
    <message>
        <source>Autostart</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Soll das Turnier beendet werden?</source>
        <translation>End the tournament?</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Bitte Rennserie und Rennname eingeben.</source>
        <translation>Please enter the race series and the race name.</translation>
    </message>
    <message>
        <source>Ein Rennen &quot;%1&quot; gibt es schon.</source>
        <translation>A race &quot;%1&quot; already exists.</translation>
    </message>
    <message>
        <source>Soll %1 gelöscht werden?</source>
        <translation>Delete %1?</translation>
    </message>
    <message>
        <source>Das Rennen hat schon Ergebnisse. Trotzdem löschen?</source>
        <translation>The race already has results. Delete anyway?</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Gruppen</source>
        <translation>Groups</translation>
    </message>
    <message>
        <source>Naechster</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Qualifikation</source>
        <translation>Qualifying</translation>
    </message>
    <message>
        <source>Keine Rennläufe belegt: bitte zuerst die Gruppen vorbelegen.</source>
        <translation>No heats assigned: please assign the groups first.</translation>
    </message>
    <message>
        <source>Gruppen: %1</source>
        <translation>Groups: %1</translation>
    </message>
    <message>
        <source>Läufe in Gruppe 1: %1</source>
        <translation>Heats in group 1: %1</translation>
    </message>
    <message>
        <source>Gruppe %1 von %2</source>
        <translation>Group %1 of %2</translation>
    </message>
    <message>
        <source>Lauf %1 von %2</source>
        <translation>Heat %1 of %2</translation>
    </message>
    <message>
        <source>Rennstart! Alle fertig? Dann Start drücken.</source>
        <translation>Race start! Everyone ready? Then press Start.</translation>
    </message>
    <message>
        <source>Renndatum</source>
        <translation>Race date</translation>
    </message>
    <message>
        <source>Naechster Rennlauf</source>
        <translation>Next heat</translation>
    </message>
    <message>
        <source>Rennlauf laden</source>
        <translation>Load heat</translation>
    </message>
    <message>
        <source>Rennlauf auswerten</source>
        <translation>Score heat</translation>
    </message>
    <message>
        <source>%1 Sekunden</source>
        <translation>%1 seconds</translation>
    </message>
    <message>
        <source>Neue Gruppe! Weiter mit START.</source>
        <translation>New group! Continue with START.</translation>
    </message>
    <message>
        <source>Startaufstellung</source>
        <translation>Starting grid</translation>
    </message>
    <message>
        <source>Soll der Rennlauf wiederholt werden?</source>
        <translation>Repeat the heat?</translation>
    </message>
    <message>
        <source>Keine Wiederholung möglich.</source>
        <translation>No heat to repeat.</translation>
    </message>
    <message>
        <source>Erstelle HTML Ausgabe</source>
        <translation>Creating HTML report</translation>
    </message>
    <message>
        <source>HTML Ausgabe nicht möglich: %1</source>
        <translation>HTML report not possible: %1</translation>
    </message>
    <message>
        <source>Ein Lauf des Turniers ist noch nicht zu Ende. Bitte erst den Lauf beenden.</source>
        <translation>A run of the tournament has not ended yet. Please end the run first.</translation>
    </message>
    <message>
        <source>Während eines Laufs bleibt sein Rennen gewählt. Bitte erst den Lauf beenden.</source>
        <translation>While a run is on, its race stays chosen. Please end the run first.</translation>
    </message>
    <message>
        <source>Während eines Laufs kann sein Rennen nicht gelöscht werden.</source>
        <translation>The race of a run that is on cannot be deleted.</translation>
    </message>
    <message>
        <source>HTML Ausgabe: %1</source>
        <translation>HTML report: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; steht für eine freie Spur und kann kein Teilnehmer sein.</source>
        <translation>&quot;%1&quot; stands for a free lane and cannot be an entrant.</translation>
    </message>
    <message>
        <source>%1 steht schon in der Liste.</source>
        <translation>%1 is on the list already.</translation>
    </message>
    <message>
        <source>%1 hat schon %2 Teilnehmer, %3 davon mit Qualifikationsergebnis.
Neue Teilnehmer hinzufügen: alle bleiben mit ihren Ergebnissen, wer aus der Liste noch fehlt, kommt dazu.
Alle neu: die Liste ersetzt alle Teilnehmer, ihre Ergebnisse werden gelöscht.</source>
        <translation>%1 has %2 entrants already, %3 of them with a qualifying result.
Add new entrants: everyone stays with their results, whoever on the list is still missing is added.
All new: the list replaces all entrants, their results are deleted.</translation>
    </message>
    <message>
        <source>Neue Teilnehmer hinzufügen</source>
        <translation>Add new entrants</translation>
    </message>
    <message>
        <source>Alle neu</source>
        <translation>All new</translation>
    </message>
    <message>
        <source>Schon Teilnehmer, nicht noch einmal übernommen: %1</source>
        <translation>Entrants already, not taken again: %1</translation>
    </message>
    <message>
        <source>%1 ist schon Teilnehmer von %2.</source>
        <translation>%1 is an entrant of %2 already.</translation>
    </message>
    <message>
        <source>Schon qualifiziert: %1 von %2 Teilnehmern. Nur die %3 ohne Ergebnis fahren lassen?</source>
        <translation>Qualified already: %1 of %2 entrants. Let only the %3 without a result drive?</translation>
    </message>
    <message>
        <source>Der Rennlauf läuft noch. Soll er abgebrochen und neu gestartet werden?</source>
        <translation>The heat is still running. Abandon it and start it again?</translation>
    </message>
    <message>
        <source>%1 Sekunde</source>
        <translation>%1 second</translation>
    </message>
</context>
<context>
    <name>TurnierFenster</name>
    <message>
        <source>Die HTML Ausgabe steht in %1. Sie lässt sich nicht im Browser öffnen.</source>
        <translation>The HTML report is in %1. It cannot be opened in the browser.</translation>
    </message>
    <message>
        <source>Die PDF Ausgabe steht in %1. Sie lässt sich nicht öffnen.</source>
        <translation>The PDF report is in %1. It cannot be opened.</translation>
    </message>
</context>
<context>
    <name>Zeitnahme</name>
    <message>
        <source>aktiv</source>
        <translation>active</translation>
    </message>
    <message>
        <source>keine Verbindung</source>
        <translation>no connection</translation>
    </message>
    <message>
        <source>Verbindung verloren</source>
        <translation>connection lost</translation>
    </message>
    <message>
        <source>Treiber fehlt</source>
        <translation>driver missing</translation>
    </message>
    <message>
        <source>simuliert</source>
        <translation>simulated</translation>
    </message>
    <message>
        <source>falsche Daten</source>
        <translation>wrong data</translation>
    </message>
</context>
<context>
    <name>ZeitnahmeStatus</name>
    <message>
        <source>Die Zeitnahme zählt.</source>
        <translation>Timing is counting.</translation>
    </message>
    <message>
        <source>Box einschalten und anstecken, Port in den Optionen prüfen, dann „Verfügbare“ drücken.</source>
        <translation>Switch the box on and plug it in, check the port in the Options, then press “Available”.</translation>
    </message>
    <message>
        <source>Kabel prüfen und wieder anstecken: der Port wird alle 2 s neu geöffnet, gezählt wird dann weiter.</source>
        <translation>Check the cable and plug it in again: the port is reopened every 2 s, then counting goes on.</translation>
    </message>
    <message>
        <source>Die Treiberbibliothek installieren oder mit PISTORELLE_SENSORBOX angeben, dann neu starten.</source>
        <translation>Install the driver library or name it with PISTORELLE_SENSORBOX, then restart.</translation>
    </message>
    <message>
        <source>Nur zum Vorführen: nichts erreicht die Bahn.</source>
        <translation>For demonstration only: nothing reaches the track.</translation>
    </message>
    <message>
        <source>Baudrate und Art der Zeitnahme in den Optionen prüfen.</source>
        <translation>Check the baud rate and the kind of timing in the Options.</translation>
    </message>
    <message>
        <source>Zeitnahme: %1</source>
        <translation>Timing: %1</translation>
    </message>
    <message>
        <source>Letzte Meldung: %1</source>
        <translation>Last message: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Zeitnahme %1: %2</source>
        <translation>Timing %1: %2</translation>
    </message>
    <message>
        <source>Zeitnahme: wieder verbunden</source>
        <translation>Timing: connected again</translation>
    </message>
</context>
<context>
    <name>diaAuto2Fahrer</name>
    <message>
        <source>Auto Fahrer zuordnen</source>
        <translation>Assign cars to drivers</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Drivers</translation>
    </message>
    <message>
        <source>Autos</source>
        <translation>Cars</translation>
    </message>
    <message>
        <source>Auto zuweisen</source>
        <translation>Assign car</translation>
    </message>
    <message>
        <source>Zuweisung aufheben</source>
        <translation>Remove assignment</translation>
    </message>
    <message>
        <source>Das gewählte Auto dem gewählten Fahrer zuweisen</source>
        <translation>Assign the chosen car to the chosen driver</translation>
    </message>
    <message>
        <source>Das in &quot;Autos des Fahrers&quot; gewählte Auto vom Fahrer lösen</source>
        <translation>Remove the car chosen in &quot;Cars of the driver&quot; from the driver</translation>
    </message>
    <message>
        <source>Ja, löschen</source>
        <translation>Yes, delete</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Bilder-Verz.: %1</source>
        <translation>Picture folder: %1</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Mitglied</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>Erstellt</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>Bild</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Doppelklick zur Bildauswahl</source>
        <translation>Double-click to choose a picture</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Ändern</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Autos des Fahrers</source>
        <translation>Cars of the driver</translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Langname</source>
        <translation>Long name</translation>
    </message>
    <message>
        <source>Bitte zuerst einen Fahrer wählen.</source>
        <translation>Please choose a driver first.</translation>
    </message>
    <message>
        <source>Bitte zuerst ein Auto wählen.</source>
        <translation>Please choose a car first.</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Bitte einen Namen eingeben.</source>
        <translation>Please enter a name.</translation>
    </message>
    <message>
        <source>Fehler beim Speichern. FehlerNr: %1 Info: %2</source>
        <translation>Error while saving. Error no.: %1 Info: %2</translation>
    </message>
    <message>
        <source>Soll der Fahrer gelöscht werden?  Nummer %1</source>
        <translation>Delete this driver?  Number %1</translation>
    </message>
    <message>
        <source>Soll das Auto gelöscht werden?  Nummer %1</source>
        <translation>Delete this car?  Number %1</translation>
    </message>
    <message>
        <source>Bitte einen Fahrer und ein Auto wählen.</source>
        <translation>Please choose a driver and a car.</translation>
    </message>
    <message>
        <source>Zuerst &quot;Neu&quot; oder &quot;Ändern&quot; drücken, dann das Bild wählen.</source>
        <translation>First press &quot;New&quot; or &quot;Change&quot;, then choose the picture.</translation>
    </message>
    <message>
        <source>Wähle Bild</source>
        <translation>Choose picture</translation>
    </message>
    <message>
        <source>Bilder (*.jpg *.JPG *.jpeg *.JPEG *.png *.PNG)</source>
        <translation>Pictures (*.jpg *.JPG *.jpeg *.JPEG *.png *.PNG)</translation>
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
    <name>diaFahrer</name>
    <message>
        <source>Fahrer und Fahrzeug zuordnen</source>
        <translation>Assign driver and car</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ALLE</source>
        <translation>ALL</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Stammdaten…</source>
        <translation>Drivers and cars…</translation>
    </message>
    <message>
        <source>Fahrer und Autos anlegen, ändern und zuweisen</source>
        <translation>Add, change and assign drivers and cars</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Car</translation>
    </message>
</context>
<context>
    <name>diaKorrektur</name>
    <message>
        <source>&amp;Grund (kann leer bleiben):</source>
        <translation>&amp;Reason (may stay empty):</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>diaRennen</name>
    <message>
        <source>Rennparameter</source>
        <translation>Race settings</translation>
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
        <source>Rennname</source>
        <translation>Race name</translation>
    </message>
</context>
<context>
    <name>diaSlotRennen</name>
    <message>
        <source>Slot Rennen</source>
        <translation>Tournament</translation>
    </message>
    <message>
        <source>Rennen</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <comment>page of all entrants</comment>
        <translation>Drivers</translation>
    </message>
    <message>
        <source>Qualifikation</source>
        <translation>Qualifying</translation>
    </message>
    <message>
        <source>Rennläufe</source>
        <translation>Heats</translation>
    </message>
    <message>
        <source>Wertung</source>
        <translation>Standings</translation>
    </message>
    <message>
        <source>Slot Rennen beenden</source>
        <translation>End tournament</translation>
    </message>
    <message>
        <source>Rennname</source>
        <translation>Race name</translation>
    </message>
    <message>
        <source>Rennserie</source>
        <translation>Race series</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Quali Zeit</source>
        <translation>Qualifying time</translation>
    </message>
    <message>
        <source>Minuten / Runden</source>
        <translation>Minutes / Laps</translation>
    </message>
    <message>
        <source>Prellzeit</source>
        <translation>Debounce time</translation>
    </message>
    <message>
        <source>Minute(n)</source>
        <translation>minute(s)</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Runden</source>
        <translation>Laps</translation>
    </message>
    <message>
        <source>Spuren</source>
        <translation>Lanes</translation>
    </message>
    <message>
        <source>Quali Spur</source>
        <translation>Qualifying lane</translation>
    </message>
    <message>
        <source>Neuer Lauf beim Start beginnen</source>
        <translation>Begin a new heat at the start</translation>
    </message>
    <message>
        <source>Wichtig wenn keine Stromabschaltung vorhandn ist.</source>
        <translation>Important when the track power cannot be switched off.</translation>
    </message>
    <message>
        <source>ohne</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Alle anzeigen</source>
        <translation>Show all</translation>
    </message>
    <message>
        <source>Fahrer und Auto hinzufügen</source>
        <translation>Add driver and car</translation>
    </message>
    <message>
        <source>löschen</source>
        <translation>delete</translation>
    </message>
    <message>
        <source>In Qualifikation übernehmen</source>
        <translation>Move to qualifying</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>Direkt in die Qualifikation:</source>
        <translation>Straight into qualifying:</translation>
    </message>
    <message>
        <source>Sortiere Quali</source>
        <translation>Sort by qualifying</translation>
    </message>
    <message>
        <source>HTML Ausgabe</source>
        <translation>HTML report</translation>
    </message>
    <message>
        <source>Zufällig</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>Autostart</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Wenn aktiv wirden die Rennläufe automatisch gestartet.</source>
        <translation>When ticked, the heats start by themselves.</translation>
    </message>
    <message>
        <source>Rennpausen (sec)</source>
        <translation>Race pauses (sec)</translation>
    </message>
    <message>
        <source>vor dem Rennlauf</source>
        <translation>before the heat</translation>
    </message>
    <message>
        <source>nach dem Rennlauf</source>
        <translation>after the heat</translation>
    </message>
    <message>
        <source>zwischen Rennläufen</source>
        <translation>between heats</translation>
    </message>
    <message>
        <source>RennName</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>QualiR</source>
        <translation>Qual. laps</translation>
    </message>
    <message>
        <source>Quali Z</source>
        <translation>Qual. best time</translation>
    </message>
    <message>
        <source>QualiSR</source>
        <translation>Qual. best lap no.</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Lauf</source>
        <translation>Heat</translation>
    </message>
    <message>
        <source>Spur</source>
        <translation>Lane</translation>
    </message>
    <message>
        <source>GesamtRunden</source>
        <translation>Total laps</translation>
    </message>
    <message>
        <source>GesamtZeit</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>Gruppen ausgleichen</source>
        <translation>Even out groups</translation>
    </message>
    <message>
        <source>Alle Gruppen gleich groß, höchstens ein Fahrer Unterschied. Aus: jede Gruppe außer der schnellsten hat so viele Fahrer wie Spuren.</source>
        <translation>All groups the same size, one driver apart at most. Off: every group but the fastest has as many drivers as there are lanes.</translation>
    </message>
    <message>
        <source>Runde(n)</source>
        <translation>lap(s)</translation>
    </message>
    <message>
        <source>Meisterschaft</source>
        <translation>Championship</translation>
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
<context>
    <name>frmAnzeige</name>
    <message>
        <source>Anzeige</source>
        <translation>Standings</translation>
    </message>
    <message>
        <source>Stand für alle auf einem eigenen Bildschirm</source>
        <translation>Standings for everyone on a screen of their own</translation>
    </message>
    <message>
        <source>Bildschirm %1 (%2 × %3)</source>
        <translation>Screen %1 (%2 × %3)</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>frmDebug</name>
    <message>
        <source>Debug Infos</source>
        <translation>Debug info</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Clear log</translation>
    </message>
    <message>
        <source>Schreibe pistorelle.log</source>
        <translation>Write pistorelle.log</translation>
    </message>
</context>
<context>
    <name>frmErgebnis</name>
    <message>
        <source>Ergebnis</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Platz</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>Runden</source>
        <translation>Laps</translation>
    </message>
    <message>
        <source>Gesamtzeit</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>Beste Runde</source>
        <translation>Best lap</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Practice</translation>
    </message>
    <message>
        <source>Quali</source>
        <extracomment>The qualifying run</extracomment>
        <translation>Qualifying</translation>
    </message>
    <message>
        <source>Rennen</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Korrekturen der Rennleitung:</source>
        <translation>Corrections by the race director:</translation>
    </message>
</context>
<context>
    <name>frmHallOfFame</name>
    <message>
        <source>Hall of Fame</source>
        <translation>Hall of Fame</translation>
    </message>
    <message>
        <source>Suchen (Fahrer, Auto, Strecke …)</source>
        <translation>Search (driver, car, track …)</translation>
    </message>
    <message>
        <source>Nur Rekorde</source>
        <translation>Records only</translation>
    </message>
    <message>
        <source>Nur die schnellste Runde je Strecke, Bahn und Auto</source>
        <translation>Only the fastest lap per track, lane and car</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Bahn</source>
        <translation>Lane</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Runde</source>
        <translation>Lap</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Alle Strecken</source>
        <translation>All tracks</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Rennparameter…</source>
        <translation>Race settings…</translation>
    </message>
    <message>
        <source>Doppelklick für den Rennnamen</source>
        <translation>Double-click for the race name</translation>
    </message>
    <message>
        <source>Zeit</source>
        <extracomment>the limit is a time, not a number of laps</extracomment>
        <translation>Time</translation>
    </message>
    <message>
        <source>Gesetzt: Grenze in Minuten, sonst in Runden</source>
        <translation>Checked: limit in minutes, otherwise in laps</translation>
    </message>
    <message>
        <source>Rundenzeit ansagen</source>
        <translation>Announce lap times</translation>
    </message>
    <message>
        <source>Funktionen</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>Schnittstelle %1</source>
        <translation>Interface %1</translation>
    </message>
    <message>
        <source>Klick: Chaos</source>
        <translation>Click: caution</translation>
    </message>
    <message>
        <source>Ampel</source>
        <translation>Start light</translation>
    </message>
    <message>
        <source>Diverse Tabellen</source>
        <translation>Various tables</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Spur &amp;Wechsel</source>
        <translation>Lane &amp;change</translation>
    </message>
    <message>
        <source>R&amp;unden</source>
        <translation>&amp;Laps</translation>
    </message>
    <message>
        <source>Slot&amp;Rennen</source>
        <extracomment>opens the tournament window</extracomment>
        <translation>Slot&amp;Race</translation>
    </message>
    <message>
        <source>Verfügbare</source>
        <extracomment>opens the list of available drivers and cars</extracomment>
        <translation>Available</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>SlotRennen</source>
        <translation>SlotRace</translation>
    </message>
    <message>
        <source>Tabellen</source>
        <translation>Tables</translation>
    </message>
    <message>
        <source>Runden</source>
        <translation>Laps</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Fahrer und Autos</source>
        <translation>Drivers and cars</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>CHAOS – weiter mit „%1“ oder der Leertaste</source>
        <translation>CAUTION – resume with “%1” or the space bar</translation>
    </message>
    <message>
        <source>Spurwechsel</source>
        <translation>Lane change</translation>
    </message>
    <message>
        <source>Grenze 1 = Qualifikation</source>
        <translation>Limit 1 = qualifying</translation>
    </message>
    <message>
        <source>Ein Training mit der Grenze 1 ist ein Qualifikationslauf: %1 je Fahrer, unter dem Rennnamen. Für ein Training eine Grenze ab 2 eintragen.</source>
        <translation>Practice with the limit 1 is a qualifying run: %1 per driver, under the race name. For practice enter a limit of 2 or more.</translation>
    </message>
    <message>
        <source>eine Minute</source>
        <translation>one minute</translation>
    </message>
    <message>
        <source>eine Runde</source>
        <translation>one lap</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Hall of Fame</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>rennen</source>
        <extracomment>Tab of the table editor: the standings of the races</extracomment>
        <translation>standings</translation>
    </message>
    <message>
        <source>fahrer</source>
        <extracomment>Tab of the table editor: the drivers</extracomment>
        <translation>drivers</translation>
    </message>
    <message>
        <source>SRunden</source>
        <extracomment>Tab of the table editor: the lap records (&quot;Hall of Fame&quot;)</extracomment>
        <translation>lap records</translation>
    </message>
    <message>
        <source>autos</source>
        <extracomment>Tab of the table editor: the cars</extracomment>
        <translation>cars</translation>
    </message>
    <message>
        <source>strecken</source>
        <extracomment>Tab of the table editor: the tracks</extracomment>
        <translation>tracks</translation>
    </message>
    <message>
        <source>streckenlayout</source>
        <extracomment>Tab of the table editor: the pieces of each track&apos;s layout</extracomment>
        <translation>track layout</translation>
    </message>
    <message>
        <source>schienen</source>
        <extracomment>Tab of the table editor: the kinds of track pieces</extracomment>
        <translation>track pieces</translation>
    </message>
    <message>
        <source>texte</source>
        <extracomment>Tab of the table editor: the announcement texts</extracomment>
        <translation>texts</translation>
    </message>
    <message>
        <source>Neue Zeile</source>
        <translation>New row</translation>
    </message>
    <message>
        <source>Zeile löschen</source>
        <translation>Delete row</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Strecken</source>
        <translation>Tracks</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Bitte zuerst eine Zeile wählen.</source>
        <translation>Please choose a row first.</translation>
    </message>
    <message>
        <source>Soll die Zeile %1 gelöscht werden?</source>
        <translation>Delete row %1?</translation>
    </message>
    <message>
        <source>Zeitnahme und Rennleitung für Slotcar-Bahnen mit zwei bis sechs Spuren.</source>
        <translation>Timing and race management for slot-car tracks with two to six lanes.</translation>
    </message>
    <message>
        <source>Verwendete Bibliotheken und ihre Lizenzen:</source>
        <translation>Libraries used and their licences:</translation>
    </message>
    <message>
        <source>Tabellen</source>
        <translation>Tables</translation>
    </message>
</context>
<context>
    <name>frmOptionsNeu</name>
    <message>
        <source>Ton bei Signalerfassung</source>
        <translation>Beep on every lap signal</translation>
    </message>
    <message>
        <source>bei Programmstart</source>
        <translation>at program start</translation>
    </message>
    <message>
        <source>bei der Startampel</source>
        <translation>at the start light</translation>
    </message>
    <message>
        <source>wenn die Führung wechselt</source>
        <translation>when the lead changes</translation>
    </message>
    <message>
        <source>bei einer neuen persönlich schnellste Runde</source>
        <translation>on a new personal best lap</translation>
    </message>
    <message>
        <source>wenn man schneller als in der Runde zuvor ist</source>
        <translation>when faster than on the lap before</translation>
    </message>
    <message>
        <source>Restzeitansage / Frühstart / Chaosinfo</source>
        <translation>Time left / false start / caution notice</translation>
    </message>
    <message>
        <source>bei Rennende</source>
        <translation>at the end of the race</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Zeitnahme</source>
        <translation>Timing</translation>
    </message>
    <message>
        <source>LPT Port</source>
        <translation>LPT Port</translation>
    </message>
    <message>
        <source>Ansagen</source>
        <translation>Announcements</translation>
    </message>
    <message>
        <source>Rennen</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colours</translation>
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
        <source>Zeitnahme über</source>
        <translation>Timing via</translation>
    </message>
    <message>
        <source>Boxen</source>
        <translation>Boxes</translation>
    </message>
    <message>
        <source>mit Ampel</source>
        <translation>with start light</translation>
    </message>
    <message>
        <source>mit Lapster Ampel</source>
        <translation>with Lapster start light</translation>
    </message>
    <message>
        <source>Rennstart mit DS go! Taste</source>
        <translation>Race start with the DS go! button</translation>
    </message>
    <message>
        <source>Empfindlichkeit</source>
        <translation>Sensitivity</translation>
    </message>
    <message>
        <source>Port - Bahn</source>
        <translation>Port - lane</translation>
    </message>
    <message>
        <source>Ansteuerung über LPT Schnittstelle aktivieren</source>
        <translation>Switch outputs through the LPT interface</translation>
    </message>
    <message>
        <source>Strom Bahn1-6 invers. Pin aktiv = kein Strom.</source>
        <translation>Power lanes 1-6 inverted. Pin active = no power.</translation>
    </message>
    <message>
        <source>Hexadezimal, z. B. 378</source>
        <translation>Hexadecimal, e.g. 378</translation>
    </message>
    <message>
        <source>Achtung: Doppelte Pinbelegung</source>
        <translation>Warning: a pin is assigned twice</translation>
    </message>
    <message>
        <source>Strom Bahn %1</source>
        <translation>Power lane %1</translation>
    </message>
    <message>
        <source>Ampel Rot %1</source>
        <translation>Red light %1</translation>
    </message>
    <message>
        <source>Ampel Gruen</source>
        <translation>Green light</translation>
    </message>
    <message>
        <source>Erf. Bahn %1</source>
        <translation>Sensor lane %1</translation>
    </message>
    <message>
        <source>Chaos</source>
        <translation>Caution</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ausgänge&lt;/b&gt;  (Zahl = Pinnummer, NA = nicht aktiviert)</source>
        <translation>&lt;b&gt;Outputs&lt;/b&gt;  (number = pin number, NA = not active)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Eingänge&lt;/b&gt;  (Zahl = Pinnummer, NA = nicht aktiviert)</source>
        <translation>&lt;b&gt;Inputs&lt;/b&gt;  (number = pin number, NA = not active)</translation>
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
        <source>ab Runden</source>
        <translation>from lap</translation>
    </message>
    <message>
        <source>Meldung</source>
        <translation>Announcement</translation>
    </message>
    <message>
        <source>Power Training</source>
        <translation>Power practice</translation>
    </message>
    <message>
        <source>Dauer (Min.)</source>
        <translation>Length (min)</translation>
    </message>
    <message>
        <source>Pause (Sek)</source>
        <translation>Pause (s)</translation>
    </message>
    <message>
        <source>Rennpausen (Sek)</source>
        <translation>Race pauses (s)</translation>
    </message>
    <message>
        <source>vor dem Rennlauf</source>
        <translation>before a heat</translation>
    </message>
    <message>
        <source>nach dem Rennlauf</source>
        <translation>after a heat</translation>
    </message>
    <message>
        <source>zwischen Rennläufen</source>
        <translation>between heats</translation>
    </message>
    <message>
        <source>Ablauf und Anzeige</source>
        <translation>Procedure and display</translation>
    </message>
    <message>
        <source>Rundentabelle nach Rennende anzeigen</source>
        <translation>Show the lap table after the race</translation>
    </message>
    <message>
        <source>Frühstart erkennen (Rundenabzug)</source>
        <translation>Detect false starts (lap deducted)</translation>
    </message>
    <message>
        <source>Bahnstrom aus</source>
        <translation>Track power off</translation>
    </message>
    <message>
        <source>Bahnstrom bei Training aus</source>
        <translation>Track power off in practice</translation>
    </message>
    <message>
        <source>LTF Datei schreiben</source>
        <translation>Write LTF file</translation>
    </message>
    <message>
        <source>LTF Einzelrunden Datei schreiben</source>
        <translation>Write LTF single-lap file</translation>
    </message>
    <message>
        <source>Anzeige Gesamtzeit / Durchschnittszeit</source>
        <translation>Show total time / average time</translation>
    </message>
    <message>
        <source>Menue oben / unten anzeigen</source>
        <translation>Show the menu at the top / bottom</translation>
    </message>
    <message>
        <source>Startzeit bei Ampel Aus</source>
        <translation>Start time when the light goes out</translation>
    </message>
    <message>
        <source>Hall of Fame füllen</source>
        <translation>Fill the Hall of Fame</translation>
    </message>
    <message>
        <source>Wenn gesetzt ist Startzeit bei Ampel aus, ansonsten Startzeit pro Auto beim ersten überfahren der Ziellinie</source>
        <translation>When set, the start time is when the light goes out; otherwise each car&apos;s start time is when it first crosses the finish line</translation>
    </message>
    <message>
        <source>Anzeige im Training statisch</source>
        <translation>Static standings in practice</translation>
    </message>
    <message>
        <source>Bilder Anzeigen</source>
        <translation>Show pictures</translation>
    </message>
    <message>
        <source>Datenbank bei Programmstart auswählen</source>
        <translation>Choose the database at program start</translation>
    </message>
    <message>
        <source>Werte und Pfade</source>
        <translation>Values and paths</translation>
    </message>
    <message>
        <source>Millisekunden Prellzeit</source>
        <translation>Debounce time in milliseconds</translation>
    </message>
    <message>
        <source>Millisekunden Nachlaufzeit</source>
        <translation>Run-out time in milliseconds</translation>
    </message>
    <message>
        <source>Rennen in der  Historie</source>
        <translation>Races in the history</translation>
    </message>
    <message>
        <source>Anzahl Bahnen (Slots)</source>
        <translation>Number of lanes (slots)</translation>
    </message>
    <message>
        <source>Ausgabepfad für LTF Datei und HTML Datei bei Slotrennen Ausgabe</source>
        <translation>Output folder for the LTF file and the HTML file of the race output</translation>
    </message>
    <message>
        <source>Bilder-Verz.</source>
        <translation>Picture folder</translation>
    </message>
    <message>
        <source>Datenbank</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Ton Ampel an</source>
        <translation>Sound light on</translation>
    </message>
    <message>
        <source>Ton Ampel aus</source>
        <translation>Sound light off</translation>
    </message>
    <message>
        <source>Ton Rundenimpuls</source>
        <translation>Sound lap pulse</translation>
    </message>
    <message>
        <source>Doppelklick zur Tonauswahl</source>
        <translation>Double-click to choose a sound</translation>
    </message>
    <message>
        <source>Anzahl Slots muss zwischen 2 und 6 liegen!</source>
        <translation>The number of lanes must be between 2 and 6!</translation>
    </message>
    <message>
        <source>Wähle Sound</source>
        <translation>Choose sound</translation>
    </message>
    <message>
        <source>WAV-Dateien (*.wav *.WAV)</source>
        <translation>WAV files (*.wav *.WAV)</translation>
    </message>
</context>
<context>
    <name>frmRundentabelle</name>
    <message>
        <source>Rundentabelle</source>
        <translation>Lap table</translation>
    </message>
    <message>
        <source>Runden</source>
        <translation>Laps</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Rennen</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Alle</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Rundenzeiten %1</source>
        <translation>Lap times: %1</translation>
    </message>
    <message>
        <source>Runde</source>
        <translation>Lap</translation>
    </message>
    <message>
        <source>Rundenzeit (s)</source>
        <translation>Lap time (s)</translation>
    </message>
    <message>
        <source>CSV-Datei (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>PDF-Datei (*.pdf)</source>
        <translation>PDF file (*.pdf)</translation>
    </message>
    <message>
        <source>Rundentabelle exportieren</source>
        <translation>Export lap table</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden: %2</source>
        <translation>The file %1 could not be written: %2</translation>
    </message>
    <message>
        <source>Aktueller Lauf</source>
        <translation>Current heat</translation>
    </message>
    <message>
        <source>Die Rundentabelle steht jetzt in %1.</source>
        <translation>The lap table is now in %1.</translation>
    </message>
</context>
<context>
    <name>frmSimulation</name>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Bahn &amp;%1</source>
        <translation>Lane &amp;%1</translation>
    </message>
</context>
<context>
    <name>frmStatistik</name>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>Bestrunde</source>
        <translation>Best lap</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Abend</source>
        <translation>Evening</translation>
    </message>
    <message>
        <source>Runden</source>
        <translation>Laps</translation>
    </message>
    <message>
        <source>Schnitt</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Streuung</source>
        <translation>Std. dev.</translation>
    </message>
    <message>
        <source>Serie</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Turnier</source>
        <translation>Tournament</translation>
    </message>
    <message>
        <source>Platz</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Teilnehmer</source>
        <translation>Entrants</translation>
    </message>
    <message>
        <source>Bestrunden</source>
        <translation>Best laps</translation>
    </message>
    <message>
        <source>Abende</source>
        <translation>Evenings</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Turniere</source>
        <translation>Tournaments</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Alle</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Runden gesamt: %1, Abende: %2, Turniere: %3</source>
        <translation>Laps in total: %1, evenings: %2, tournaments: %3</translation>
    </message>
    <message>
        <source>Keine Runden im Verlauf</source>
        <translation>No laps in the history</translation>
    </message>
    <message>
        <source>Bestrunde und Schnitt je Abend: %1</source>
        <translation>Best and mean lap per evening: %1</translation>
    </message>
    <message>
        <source>Rundenzeit (s)</source>
        <translation>Lap time (s)</translation>
    </message>
    <message>
        <source>CSV-Datei (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>PDF-Datei (*.pdf)</source>
        <translation>PDF file (*.pdf)</translation>
    </message>
    <message>
        <source>Statistik exportieren</source>
        <translation>Export statistics</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden: %2</source>
        <translation>The file %1 could not be written: %2</translation>
    </message>
    <message>
        <source>Die Statistik steht jetzt in %1.</source>
        <translation>The statistics are now in %1.</translation>
    </message>
</context>
<context>
    <name>frmStreckenLayout</name>
    <message>
        <source>G</source>
        <extracomment>Short for a straight piece in the layout list (L and R stay as they are).</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>Streckenlayout</source>
        <translation>Track layout</translation>
    </message>
    <message>
        <source>Gerade</source>
        <translation>Straight</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Neue Strecke…</source>
        <translation>New track…</translation>
    </message>
    <message>
        <source>Hinzufügen -&gt;</source>
        <translation>Add -&gt;</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Up /\</source>
        <translation>Up /\</translation>
    </message>
    <message>
        <source>Down \/</source>
        <translation>Down \/</translation>
    </message>
    <message>
        <source>In Strecke übernehmen</source>
        <translation>Store in track</translation>
    </message>
    <message>
        <source>beenden</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Hersteller</source>
        <translation>Maker</translation>
    </message>
    <message>
        <source>Schienen</source>
        <translation>Pieces</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Bahnlänge</source>
        <translation>Lane length</translation>
    </message>
    <message>
        <source>Innen:</source>
        <translation>Inner:</translation>
    </message>
    <message>
        <source>Außen:</source>
        <translation>Outer:</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Neue Strecke</source>
        <translation>New track</translation>
    </message>
    <message>
        <source>Name der Strecke:</source>
        <translation>Name of the track:</translation>
    </message>
</context>
</TS>
