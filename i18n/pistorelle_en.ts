<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
        <source>In der Spalte "%1" ist nur eine ganze Zahl erlaubt: %2</source>
        <translation>Only a whole number is allowed in the column "%1": %2</translation>
    </message>
    <message>
        <source>In der Spalte "%1" ist nur eine Zahl erlaubt: %2</source>
        <translation>Only a number is allowed in the column "%1": %2</translation>
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
        <extracomment>%1 is what failed ("Fehler beim Speichern" and the like), %2 and %3 the database's error.</extracomment>
        <translation>%1. Error no.: %2 Info: %3</translation>
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
        <source>Das in "Autos des Fahrers" gewählte Auto vom Fahrer lösen</source>
        <translation>Remove the car chosen in "Cars of the driver" from the driver</translation>
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
        <source>Zuerst "Neu" oder "Ändern" drücken, dann das Bild wählen.</source>
        <translation>First press "New" or "Change", then choose the picture.</translation>
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
        <source>AktRennen</source>
        <extracomment>The race running now (or the last one), as against the past races listed below it.</extracomment>
        <translation>Current race</translation>
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
