<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
    <name>Hauptanzeige</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>T&amp;abellen</source>
        <translation>T&amp;ables</translation>
    </message>
    <message>
        <source>S&amp;imulation</source>
        <translation>S&amp;imulation</translation>
    </message>
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
    <name>HauptfensterZusatz</name>
    <message>
        <source>Rennparameter…</source>
        <translation>Race settings…</translation>
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
        <source>Die letzte Runde von %1 auf Bahn %2 löschen? Sie bleibt in der Rundentabelle mit dem Vermerk K- und zählt nicht mehr.</source>
        <translation>Delete the last lap of %1 on lane %2? It stays in the lap table marked K- and no longer counts.</translation>
    </message>
</context>
<context>
    <name>LiveStand</name>
    <message>
        <source>Die Zuschauer-Anzeige kann Port %1 nicht öffnen.</source>
        <translation>The viewers&apos; standings cannot open port %1.</translation>
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
    <name>StartAmpel</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
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
    <name>frmMain</name>
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
        <source>SurWechsel</source>
        <translation>Lane change</translation>
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
</TS>
