<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
    <name>DSZaehler</name>
    <message>
        <source>Datenverlust</source>
        <translation>Data lost</translation>
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
</context>
<context>
    <name>SchnittstellenHardware</name>
    <message>
        <source>Der Treiber der Sensorbox fehlt (Bibliothek %1). Ohne ihn zählt keine Runde, das Rennen startet nicht.
%2</source>
        <translation>The sensor box driver is missing (library %1). Without it no lap is counted; the race does not start.
%2</translation>
    </message>
</context>
<context>
    <name>SensorBox</name>
    <message>
        <source>Sensorbox-Treiber nicht geladen: %1</source>
        <translation>Sensor box driver not loaded: %1</translation>
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
        <source>Zeitnahme: %1 – %2</source>
        <translation>Timing: %1 – %2</translation>
    </message>
    <message>
        <source>Letzte Meldung: %1</source>
        <translation>Last message: %1</translation>
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
