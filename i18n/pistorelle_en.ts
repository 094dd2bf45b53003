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
    <name>Hauptanzeige</name>
    <message>
        <source>Chaos</source>
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
</context>
<context>
    <name>Rennablauf</name>
    <message>
        <source>Soll das Rennen beendet werden?</source>
        <translation>End the race?</translation>
    </message>
    <message>
        <source>%1 Runden konnten nicht gespeichert werden: %2</source>
        <translation>%1 laps could not be saved: %2</translation>
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
</context>
<context>
    <name>Rundenkorrektur</name>
    <message>
        <source>Auf Bahn %1 fährt niemand mit.</source>
        <translation>Nobody is driving on lane %1.</translation>
    </message>
    <message>
        <source>Die letzten Runden sind noch nicht gespeichert. Bitte gleich noch einmal versuchen.</source>
        <translation>The last laps are not saved yet. Please try again in a moment.</translation>
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
        <source>Die Korrektur ist gezählt, aber nicht gespeichert: %1</source>
        <translation>The correction is counted but not saved: %1</translation>
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
        <source>Die letzte Runde ist nicht zu finden.</source>
        <translation>The last lap cannot be found.</translation>
    </message>
    <message>
        <source>Die Runde kann nicht gelöscht werden: %1</source>
        <translation>The lap cannot be deleted: %1</translation>
    </message>
    <message>
        <source>Bahn %1 (%2): %3 Runde %4</source>
        <translation>Lane %1 (%2): %3 lap %4</translation>
    </message>
</context>
<context>
    <name>Rundensicherung</name>
    <message>
        <source>Runden werden nicht gespeichert: %1</source>
        <translation>Laps are not being saved: %1</translation>
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
