<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>SpurWechsel</name>
    <message>
        <source>Spurwechsel nicht möglich: %1</source>
        <translation>Lane change not possible: %1</translation>
    </message>
</context>
<context>
    <name>Turnier</name>
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
        <source>Soll das Rennen beendet werden?</source>
        <translation>End the race?</translation>
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
        <source>Die Liste ist leer. Sollen alle Teilnehmer mit ihren Ergebnissen gelöscht werden?</source>
        <translation>The list is empty. Delete all entrants with their results?</translation>
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
        <source>Gruppe : %1 von : %2</source>
        <translation>Group : %1 of : %2</translation>
    </message>
    <message>
        <source>Lauf : %1 von : %2</source>
        <translation>Heat : %1 of : %2</translation>
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
        <source>Noch %1 Sekunden</source>
        <translation>%1 seconds left</translation>
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
        <translation>Driver</translation>
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
        <source>Fahrer</source>
        <comment>page of all entrants</comment>
        <translation>Drivers</translation>
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
