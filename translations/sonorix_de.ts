<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>Right answers in this drill</source>
        <translation>Richtige Antworten dieser Übung</translation>
    </message>
    <message>
        <source>Wrong answers counted in this drill</source>
        <translation>Gezählte falsche Antworten dieser Übung</translation>
    </message>
    <message>
        <source>Drill time </source>
        <translation>Übungszeit </translation>
    </message>
    <message>
        <source>Minutes and seconds since BEGIN</source>
        <translation>Minuten und Sekunden seit START</translation>
    </message>
    <message>
        <source>Starts a drill; after five right answers it ends it and shows the score. Shortcut: Ctrl+B</source>
        <translation>Beginnt eine Übung; nach fünf richtigen Antworten beendet es sie und zeigt die Punkte. Tastenkürzel: Strg+B</translation>
    </message>
    <message>
        <source>Plays the question again. Keys: F1, or p</source>
        <translation>Spielt die Frage noch einmal. Tasten: F1 oder p</translation>
    </message>
    <message>
        <source>Plays the question&apos;s notes one by one, upwards. Keys: F2, or q</source>
        <translation>Spielt die Töne der Frage einzeln, aufwärts. Tasten: F2 oder q</translation>
    </message>
    <message>
        <source>Plays the question&apos;s notes one by one, downwards. Keys: F3, or r</source>
        <translation>Spielt die Töne der Frage einzeln, abwärts. Tasten: F3 oder r</translation>
    </message>
    <message>
        <source>Answer prefix</source>
        <translation>Antwortpräfix</translation>
    </message>
    <message>
        <source>Type the set class number, such as 11, or Z15 with a capital Z, and press Enter. Up and Down walk the list of set classes. F1 repeats the question, F2 and F3 arpeggiate it. Ctrl+B begins or ends the drill</source>
        <translation>Tippen Sie die Nummer der Set-Klasse, etwa 11 oder Z15 mit großem Z, und drücken Sie die Eingabetaste. Auf und Ab gehen die Liste der Set-Klassen durch. F1 wiederholt die Frage, F2 und F3 spielen sie als Arpeggio. Strg+B beginnt oder beendet die Übung</translation>
    </message>
    <message>
        <source>Answers with the set class chosen. Key: Enter</source>
        <translation>Antwortet mit der gewählten Set-Klasse. Taste: Eingabe</translation>
    </message>
    <message>
        <source>Set classes</source>
        <translation>Set-Klassen</translation>
    </message>
    <message>
        <source>The set classes drilled; choosing one puts its number in the answer field</source>
        <translation>Die geübten Set-Klassen; eine Auswahl setzt ihre Nummer ins Antwortfeld</translation>
    </message>
    <message>
        <source>How questions are played</source>
        <translation>Wie die Fragen gespielt werden</translation>
    </message>
    <message>
        <source>Cardinality</source>
        <translation>Kardinalität</translation>
    </message>
    <message>
        <source>Trichords or tetrachords</source>
        <translation>Trichorde oder Tetrachorde</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Tonraum</translation>
    </message>
    <message>
        <source>How widely the notes of a question are spread</source>
        <translation>Wie weit die Töne einer Frage verteilt sind</translation>
    </message>
    <message>
        <source>Chooses exactly which set classes are drilled</source>
        <translation>Wählt genau, welche Set-Klassen geübt werden</translation>
    </message>
    <message>
        <source>Trichords or tetrachords; changing it enables every set class of that cardinality</source>
        <translation>Trichorde oder Tetrachorde; ein Wechsel schaltet jede Set-Klasse dieser Kardinalität ein</translation>
    </message>
    <message>
        <source>Saves these settings for the next login when the window closes</source>
        <translation>Speichert diese Einstellungen beim Schließen des Fensters für die nächste Anmeldung</translation>
    </message>
    <message>
        <source>Closes the window and drills what is checked. Key: Enter</source>
        <translation>Schließt das Fenster und übt, was angekreuzt ist. Taste: Eingabe</translation>
    </message>
    <message>
        <source>Checks every set class</source>
        <translation>Kreuzt jede Set-Klasse an</translation>
    </message>
    <message>
        <source>Clears every set class</source>
        <translation>Entfernt jedes Kreuz</translation>
    </message>
    <message>
        <source>Drill this set class</source>
        <translation>Diese Set-Klasse üben</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Type your name and press Enter; a name typed before is completed as you type</source>
        <translation>Tippen Sie Ihren Namen und drücken Sie die Eingabetaste; ein früher getippter Name wird beim Tippen ergänzt</translation>
    </message>
    <message>
        <source>Saved filters</source>
        <translation>Gespeicherte Filter</translation>
    </message>
    <message>
        <source>Drills the filters saved last time. Key: Alt+Y</source>
        <translation>Übt mit den zuletzt gespeicherten Filtern. Taste: Alt+J</translation>
    </message>
    <message>
        <source>Drills every set class of that cardinality instead. Key: Alt+N</source>
        <translation>Übt stattdessen jede Set-Klasse dieser Kardinalität. Taste: Alt+N</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktzahl</translation>
    </message>
    <message>
        <source>Time per interval, in seconds</source>
        <translation>Zeit pro Intervall, in Sekunden</translation>
    </message>
    <message>
        <source>Time points</source>
        <translation>Zeitpunkte</translation>
    </message>
    <message>
        <source>Correct percentage</source>
        <translation>Prozent richtig</translation>
    </message>
    <message>
        <source>Longevity bonus</source>
        <translation>Ausdauerbonus</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Columns: date, correct, incorrect, percentage, time per interval, score</source>
        <translation>Spalten: Datum, richtig, falsch, Prozent, Zeit pro Intervall, Punktzahl</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Shows right and wrong answers per set class</source>
        <translation>Zeigt richtige und falsche Antworten pro Set-Klasse</translation>
    </message>
    <message>
        <source>Error report</source>
        <translation>Fehlerbericht</translation>
    </message>
    <message>
        <source>Success rate per set class, form and voicing; read it with the arrow keys</source>
        <translation>Erfolgsquote pro Set-Klasse, Form und Lage; mit den Pfeiltasten lesen</translation>
    </message>
    <message>
        <source>The drill just ended, or every eligible drill</source>
        <translation>Die eben beendete Übung oder jede gewertete Übung</translation>
    </message>
    <message>
        <source>Breaks each set class down by form A and form B</source>
        <translation>Schlüsselt jede Set-Klasse nach Form A und Form B auf</translation>
    </message>
    <message>
        <source>Breaks each form down by voicing</source>
        <translation>Schlüsselt jede Form nach Lage auf</translation>
    </message>
    <message>
        <source>Lists the set classes each one was mistaken for</source>
        <translation>Listet die Set-Klassen, mit denen jede verwechselt wurde</translation>
    </message>
    <message>
        <source>Sets every cumulative count to zero, without asking</source>
        <translation>Setzt jeden Gesamtzähler ohne Rückfrage auf null</translation>
    </message>
    <message>
        <source>MIDI output devices</source>
        <translation>MIDI-Ausgabegeräte</translation>
    </message>
    <message>
        <source>Choosing a device sends the questions to it at once</source>
        <translation>Die Wahl eines Geräts schickt die Fragen sofort dorthin</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>The text of readme.txt</source>
        <translation>Der Text von readme.txt</translation>
    </message>
    <message>
        <source>Closes with Escape</source>
        <translation>Schließt mit Escape</translation>
    </message>
    <message>
        <source>MIDI input ports</source>
        <translation>MIDI-Eingangsports</translation>
    </message>
    <message>
        <source>The keyboard to answer from</source>
        <translation>Die Tastatur, über die Sie antworten</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Whose drills are shown</source>
        <translation>Wessen Übungen gezeigt werden</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Person:</translation>
    </message>
    <message>
        <source>Correct percentage per drill</source>
        <translation>Prozent richtig pro Übung</translation>
    </message>
    <message>
        <source>Time per interval per drill</source>
        <translation>Zeit pro Intervall pro Übung</translation>
    </message>
    <message>
        <source>Minutes practised per week</source>
        <translation>Übungsminuten pro Woche</translation>
    </message>
    <message>
        <source>Drills</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>One row per drill, the latest last</source>
        <translation>Eine Zeile pro Übung, die neueste zuletzt</translation>
    </message>
    <message>
        <source>Writes the table to a CSV file</source>
        <translation>Schreibt die Tabelle in eine CSV-Datei</translation>
    </message>
    <message>
        <source>Answers of</source>
        <translation>Antworten von</translation>
    </message>
    <message>
        <source>Every eligible drill, or the drill just ended</source>
        <translation>Jede gewertete Übung oder die eben beendete</translation>
    </message>
    <message>
        <source>Answers of:</source>
        <translation>Antworten von:</translation>
    </message>
    <message>
        <source>Trichord confusions</source>
        <translation>Verwechslungen der Trichorde</translation>
    </message>
    <message>
        <source>Rows: the set class asked; columns: the one answered. Enter plays both</source>
        <translation>Zeilen: die gefragte Set-Klasse; Spalten: die genannte. Eingabe spielt beide</translation>
    </message>
    <message>
        <source>Tetrachord confusions</source>
        <translation>Verwechslungen der Tetrachorde</translation>
    </message>
    <message>
        <source>Answer, tetrachord number</source>
        <translation>Antwort, Nummer des Tetrachords</translation>
    </message>
    <message>
        <source>Answer, trichord number</source>
        <translation>Antwort, Nummer des Trichords</translation>
    </message>
    <message>
        <source>Drill started. First question.</source>
        <translation>Übung begonnen. Erste Frage.</translation>
    </message>
    <message>
        <source> The drill can now be ended with Ctrl+B.</source>
        <translation> Die Übung kann jetzt mit Strg+B beendet werden.</translation>
    </message>
    <message>
        <source> Next question.</source>
        <translation> Nächste Frage.</translation>
    </message>
    <message>
        <source>Not %1, counted once. Try again.</source>
        <translation>Nicht %1, einmal gezählt. Noch einmal.</translation>
    </message>
    <message>
        <source>No set class chosen.</source>
        <translation>Keine Set-Klasse gewählt.</translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation>Richtig: %1.</translation>
    </message>
    <message>
        <source>Wrong: not %1. Try again.</source>
        <translation>Falsch: nicht %1. Noch einmal.</translation>
    </message>
    <message>
        <source>No drill running. Ctrl+B begins one.</source>
        <translation>Keine Übung läuft. Strg+B beginnt eine.</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong, time %3.</source>
        <translation>%1 richtig, %2 falsch, Zeit %3.</translation>
    </message>
    <message>
        <source> END possible: Ctrl+B.</source>
        <translation> ENDE möglich: Strg+B.</translation>
    </message>
    <message>
        <source>Not entered: filters were used.</source>
        <translation>Nicht eingetragen: Filter wurden benutzt.</translation>
    </message>
    <message>
        <source>Row %1 of %2, %3, %4.</source>
        <translation>Zeile %1 von %2, %3, %4.</translation>
    </message>
    <message>
        <source>No entry selected.</source>
        <translation>Kein Eintrag ausgewählt.</translation>
    </message>
    <message>
        <source>The drill just ended is selected</source>
        <translation>Die eben beendete Übung ist ausgewählt</translation>
    </message>
    <message>
        <source>Score %1: %2 time points, %3 correct, longevity bonus %4. %5 seconds per interval.</source>
        <translation>Punktzahl %1: %2 Zeitpunkte, %3 richtig, Ausdauerbonus %4. %5 Sekunden pro Intervall.</translation>
    </message>
    <message>
        <source>%1. %2%3 right, %4 wrong, %5 %, %6 s per interval, score %7</source>
        <translation>%1. %2%3 richtig, %4 falsch, %5 %, %6 s pro Intervall, Punktzahl %7</translation>
    </message>
    <message>
        <source>Drill started. Space: first question.</source>
        <translation>Übung begonnen. Leertaste: erste Frage.</translation>
    </message>
    <message>
        <source> Space: next question.</source>
        <translation> Leertaste: nächste Frage.</translation>
    </message>
    <message>
        <source>No entry yet in this table.</source>
        <translation>Noch kein Eintrag in dieser Tabelle.</translation>
    </message>
</context>
<context>
    <name>Assignments</name>
    <message>
        <source>done</source>
        <translation>erledigt</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>begonnen</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>nicht begonnen</translation>
    </message>
    <message>
        <source>late</source>
        <translation>verspätet</translation>
    </message>
    <message>
        <source>Another device changed the assignments meanwhile; they are shown as they are now. Please make your change again.</source>
        <translation>Ein anderes Gerät hat die Aufgaben inzwischen geändert; sie werden so gezeigt, wie sie jetzt sind. Bitte nehmen Sie Ihre Änderung noch einmal vor.</translation>
    </message>
    <message>
        <source>Only the teacher may change the assignments.</source>
        <translation>Nur die Lehrkraft darf die Aufgaben ändern.</translation>
    </message>
    <message>
        <source>The assignments could not be saved.</source>
        <translation>Die Aufgaben konnten nicht gespeichert werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n assignment(s) due this week: %1</source>
        <translation>
            <numerusform>%n Aufgabe ist diese Woche fällig: %1</numerusform>
            <numerusform>%n Aufgaben sind diese Woche fällig: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 of %2 drill</source>
        <translation>%1 von %2 Übung</translation>
    </message>
    <message>
        <source>%1 of %2 drills</source>
        <translation>%1 von %2 Übungen</translation>
    </message>
    <message>
        <source>%1 of %2 minute</source>
        <translation>%1 von %2 Minute</translation>
    </message>
    <message>
        <source>%1 of %2 minutes</source>
        <translation>%1 von %2 Minuten</translation>
    </message>
    <message>
        <source>%1 of %2 class</source>
        <translation>%1 von %2 Klasse</translation>
    </message>
    <message>
        <source>%1 of %2 classes</source>
        <translation>%1 von %2 Klassen</translation>
    </message>
    <message>
        <source>The line comes before the first assignment; it is skipped.</source>
        <translation>Die Zeile steht vor der ersten Aufgabe; sie wird übersprungen.</translation>
    </message>
    <message>
        <source>An assignment needs a title; it is skipped with its lines.</source>
        <translation>Eine Aufgabe braucht einen Titel; sie wird mit ihren Zeilen übersprungen.</translation>
    </message>
    <message>
        <source>The line is not understood; it is skipped.</source>
        <translation>Die Zeile ist nicht verständlich; sie wird übersprungen.</translation>
    </message>
    <message>
        <source>The classes are given twice; this line is skipped.</source>
        <translation>Die Klassen sind doppelt angegeben; diese Zeile wird übersprungen.</translation>
    </message>
    <message>
        <source>A class is written like 3-11 or 4-Z15; this line is skipped.</source>
        <translation>Eine Klasse schreibt man wie 3-11 oder 4-Z15; diese Zeile wird übersprungen.</translation>
    </message>
    <message>
        <source>The classes of an assignment are all trichords or all tetrachords; this line is skipped.</source>
        <translation>Die Klassen einer Aufgabe sind alle Trichorde oder alle Tetrachorde; diese Zeile wird übersprungen.</translation>
    </message>
    <message>
        <source>The line names no classes; it is skipped.</source>
        <translation>Die Zeile nennt keine Klassen; sie wird übersprungen.</translation>
    </message>
    <message>
        <source>The range is close, one octave or two octaves; this line is skipped.</source>
        <translation>Der Umfang ist „close“, „one octave“ oder „two octaves“; diese Zeile wird übersprungen.</translation>
    </message>
    <message>
        <source>The range is given twice; this line is skipped.</source>
        <translation>Der Umfang ist doppelt angegeben; diese Zeile wird übersprungen.</translation>
    </message>
    <message>
        <source>Play is chord, figure or mixed; this line is skipped.</source>
        <translation>„play“ ist „chord“, „figure“ oder „mixed“; diese Zeile wird übersprungen.</translation>
    </message>
    <message>
        <source>Play is given twice; this line is skipped.</source>
        <translation>„play“ ist doppelt angegeben; diese Zeile wird übersprungen.</translation>
    </message>
    <message>
        <source>A date is written yyyy-mm-dd, like 2026-12-07; this line is skipped.</source>
        <translation>Ein Datum schreibt man JJJJ-MM-TT, etwa 2026-12-07; diese Zeile wird übersprungen.</translation>
    </message>
    <message>
        <source>The date is given twice; this line is skipped.</source>
        <translation>Das Datum ist doppelt angegeben; diese Zeile wird übersprungen.</translation>
    </message>
    <message>
        <source>The goal is given twice; this line is skipped.</source>
        <translation>Das Ziel ist doppelt angegeben; diese Zeile wird übersprungen.</translation>
    </message>
    <message>
        <source>The goal is: drills N right R percent P, minutes M, or first-try K; this line is skipped.</source>
        <translation>Das Ziel lautet: drills N right R percent P, minutes M oder first-try K; diese Zeile wird übersprungen.</translation>
    </message>
    <message>
        <source>The assignment names no classes; it is skipped.</source>
        <translation>Die Aufgabe nennt keine Klassen; sie wird übersprungen.</translation>
    </message>
    <message>
        <source>The assignment has no goal; it is skipped.</source>
        <translation>Die Aufgabe hat kein Ziel; sie wird übersprungen.</translation>
    </message>
    <message>
        <source>The assignment has no start date; it is skipped.</source>
        <translation>Die Aufgabe hat keinen Beginn; sie wird übersprungen.</translation>
    </message>
    <message>
        <source>The assignment has no due date; it is skipped.</source>
        <translation>Die Aufgabe hat keinen Fälligkeitstag; sie wird übersprungen.</translation>
    </message>
    <message>
        <source>The assignment is due before it starts; it is skipped.</source>
        <translation>Die Aufgabe ist fällig, bevor sie beginnt; sie wird übersprungen.</translation>
    </message>
    <message>
        <source>The assignment names a class the catalogue does not have.</source>
        <translation>Die Aufgabe nennt eine Klasse, die der Katalog nicht hat.</translation>
    </message>
    <message>
        <source>The assignment needs a title.</source>
        <translation>Die Aufgabe braucht einen Titel.</translation>
    </message>
    <message>
        <source>Choose at least one set class.</source>
        <translation>Wählen Sie mindestens eine Mengenklasse.</translation>
    </message>
    <message>
        <source>The due date comes before the start.</source>
        <translation>Der Fälligkeitstag liegt vor dem Beginn.</translation>
    </message>
    <message>
        <source>Give the start and the due date.</source>
        <translation>Geben Sie Beginn und Fälligkeit an.</translation>
    </message>
    <message>
        <source>The numbers of the goal are whole numbers: at least 1 drill, minute or time, 0 to 100 %.</source>
        <translation>Die Zahlen des Ziels sind ganze Zahlen: mindestens 1 Übung, Minute oder Mal, 0 bis 100 %.</translation>
    </message>
</context>
<context>
    <name>ClassLink</name>
    <message>
        <source>This is not the address of a folder on a server, such as https://cloud.school.example/remote.php/dav/files/ann/Theory 1/.</source>
        <translation>Das ist nicht die Adresse eines Ordners auf einem Server, etwa https://cloud.school.example/remote.php/dav/files/ann/Theory 1/.</translation>
    </message>
    <message>
        <source>The class&apos;s address must begin with https://; plain http:// is only allowed for this computer (localhost).</source>
        <translation>Die Adresse der Klasse muss mit https:// beginnen; einfaches http:// ist nur für diesen Computer (localhost) erlaubt.</translation>
    </message>
    <message>
        <source>The address may not contain an account, a password or a query; type the account and password in their own fields.</source>
        <translation>Die Adresse darf kein Konto, kein Passwort und keine Abfrage enthalten; geben Sie Konto und Passwort in ihren eigenen Feldern ein.</translation>
    </message>
    <message>
        <source>Saved to the class.</source>
        <translation>In der Klasse gespeichert.</translation>
    </message>
    <message>
        <source>The class&apos;s server cannot be reached; the work waits for the network.</source>
        <translation>Der Server der Klasse ist nicht erreichbar; die Arbeit wartet auf das Netz.</translation>
    </message>
    <message>
        <source>The connection to the class&apos;s server broke during a send; it will be sent again.</source>
        <translation>Die Verbindung zum Server der Klasse brach beim Senden ab; es wird erneut gesendet.</translation>
    </message>
    <message>
        <source>The class&apos;s server did not accept the account or the password.</source>
        <translation>Der Server der Klasse hat das Konto oder das Passwort nicht angenommen.</translation>
    </message>
    <message>
        <source>The class&apos;s server does not let this account write there.</source>
        <translation>Der Server der Klasse lässt dieses Konto dort nicht schreiben.</translation>
    </message>
    <message>
        <source>The class&apos;s server is full; the work waits until it has room.</source>
        <translation>Der Server der Klasse ist voll; die Arbeit wartet, bis er Platz hat.</translation>
    </message>
    <message>
        <source>The class&apos;s folder is not on the server; check the address.</source>
        <translation>Der Ordner der Klasse ist nicht auf dem Server; prüfen Sie die Adresse.</translation>
    </message>
    <message>
        <source>The class&apos;s server sent Sonorix to another server, which it refuses.</source>
        <translation>Der Server der Klasse hat Sonorix an einen anderen Server verwiesen, was Sonorix ablehnt.</translation>
    </message>
    <message>
        <source>The class&apos;s server answered with a web page (a login page?) instead of the class&apos;s files.</source>
        <translation>Der Server der Klasse antwortete mit einer Webseite (einer Anmeldeseite?) statt mit den Dateien der Klasse.</translation>
    </message>
    <message>
        <source>The class&apos;s server sent an answer Sonorix cannot read: no WebDAV folder listing, or far too large.</source>
        <translation>Der Server der Klasse schickte eine Antwort, die Sonorix nicht lesen kann: keine WebDAV-Ordnerliste oder viel zu groß.</translation>
    </message>
    <message>
        <source>The class&apos;s server gives a file no version Sonorix can safely replace; it will try again.</source>
        <translation>Der Server der Klasse gibt einer Datei keine Version, die Sonorix sicher ersetzen kann; es wird erneut versucht.</translation>
    </message>
    <message>
        <source>Other devices kept changing the class&apos;s file; it will be tried again.</source>
        <translation>Andere Geräte haben die Datei der Klasse immer wieder geändert; es wird erneut versucht.</translation>
    </message>
    <message>
        <source>The class&apos;s server had a fault; the work will be sent again.</source>
        <translation>Der Server der Klasse hatte einen Fehler; die Arbeit wird erneut gesendet.</translation>
    </message>
    <message>
        <source>Sonorix could not write the list of work waiting for the class in the data folder.</source>
        <translation>Sonorix konnte die Liste der Arbeit, die auf die Klasse wartet, nicht in den Datenordner schreiben.</translation>
    </message>
    <message>
        <source>The class&apos;s server has a certificate this computer does not trust; nothing is sent to it.</source>
        <translation>Der Server der Klasse hat ein Zertifikat, dem dieser Computer nicht vertraut; nichts wird an ihn gesendet.</translation>
    </message>
    <message>
        <source>The class&apos;s server cannot be reached.</source>
        <translation>Der Server der Klasse ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The connection to the class&apos;s server broke while the class was read.</source>
        <translation>Die Verbindung zum Server der Klasse brach ab, während die Klasse gelesen wurde.</translation>
    </message>
    <message>
        <source>The class&apos;s server does not let this account read the whole class.</source>
        <translation>Der Server der Klasse lässt dieses Konto nicht die ganze Klasse lesen.</translation>
    </message>
    <message>
        <source>Saved to the class</source>
        <translation>In der Klasse gespeichert</translation>
    </message>
    <message>
        <source>Changes waiting for the network</source>
        <translation>Änderungen warten auf das Netz</translation>
    </message>
    <message>
        <source>The class&apos;s password is needed to send</source>
        <translation>Zum Senden wird das Passwort der Klasse gebraucht</translation>
    </message>
    <message numerus="yes">
        <source>%n drill waiting for the network</source>
        <translation>
            <numerusform>%n Übung wartet auf das Netz</numerusform>
            <numerusform>%n Übungen warten auf das Netz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drills waiting for the network</source>
        <translation>
            <numerusform>%n Übung wartet auf das Netz</numerusform>
            <numerusform>%n Übungen warten auf das Netz</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HeardPicture</name>
    <message>
        <source>What I Heard</source>
        <translation>Was ich gehört habe</translation>
    </message>
    <message>
        <source>Heard</source>
        <translation>Gehört</translation>
    </message>
    <message>
        <source>You named</source>
        <translation>Sie nannten</translation>
    </message>
    <message>
        <source>Show What I Heard</source>
        <translation>Zeigen, was ich gehört habe</translation>
    </message>
    <message>
        <source>What I heard</source>
        <translation>Was ich gehört habe</translation>
    </message>
    <message>
        <source>%1: %2, prime form %3</source>
        <translation>%1: %2, Primform %3</translation>
    </message>
    <message>
        <source>They differ in interval classes %1</source>
        <translation>Sie unterscheiden sich in den Intervallklassen %1</translation>
    </message>
    <message>
        <source>Underlined: the interval classes in which they differ</source>
        <translation>Unterstrichen: die Intervallklassen, in denen sie sich unterscheiden</translation>
    </message>
</context>
<context>
    <name>PracticeWindows</name>
    <message>
        <source>Practice Summary</source>
        <translation>Trainingsübersicht</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>Right at first try</source>
        <translation>Beim ersten Mal richtig</translation>
    </message>
    <message>
        <source>First-try %</source>
        <translation>Beim ersten Mal %</translation>
    </message>
    <message>
        <source>Revealed</source>
        <translation>Gezeigt</translation>
    </message>
    <message>
        <source>Practice per day</source>
        <translation>Training pro Tag</translation>
    </message>
    <message>
        <source>Practice focus</source>
        <translation>Übungsschwerpunkt</translation>
    </message>
    <message>
        <source>&lt;b&gt;Practice focus&lt;/b&gt;</source>
        <translation>&lt;b&gt;Übungsschwerpunkt&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Questions: %1</source>
        <translation>Fragen: %1</translation>
    </message>
    <message>
        <source>Right at the first try: %1 (%2 %)</source>
        <translation>Beim ersten Versuch richtig: %1 (%2 %)</translation>
    </message>
    <message>
        <source>Right at the first try: %1</source>
        <translation>Beim ersten Versuch richtig: %1</translation>
    </message>
    <message>
        <source>Revealed: %1</source>
        <translation>Gezeigt: %1</translation>
    </message>
    <message>
        <source>Time: %1:%2</source>
        <translation>Zeit: %1:%2</translation>
    </message>
    <message>
        <source>Getting surer: %1</source>
        <translation>Schon sicherer: %1</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>noch keine</translation>
    </message>
    <message>
        <source>Needs more work: %1</source>
        <translation>Braucht mehr Übung: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>&lt;br&gt;No practice yet: choose Practice Mode in the Progress menu.</source>
        <translation>&lt;br&gt;Noch kein Training: Trainingsmodus im Menü Fortschritt wählen.</translation>
    </message>
    <message>
        <source>once</source>
        <translation>einmal</translation>
    </message>
    <message>
        <source>twice</source>
        <translation>zweimal</translation>
    </message>
    <message>
        <source>not practised yet; %1 % right in your drills</source>
        <translation>noch nicht geübt; %1 % richtig in Ihren Übungen</translation>
    </message>
    <message>
        <source>not practised yet</source>
        <translation>noch nicht geübt</translation>
    </message>
    <message>
        <source>confused with %1 %2 and with %3 %4 this week</source>
        <translation>diese Woche %2 mit %1 und %4 mit %3 verwechselt</translation>
    </message>
    <message>
        <source>confused with %1 %2 this week</source>
        <translation>diese Woche %2 mit %1 verwechselt</translation>
    </message>
    <message numerus="yes">
        <source>right at the first try in %1 of %n question</source>
        <translation>
            <numerusform>beim ersten Mal richtig in %1 von %n Frage</numerusform>
            <numerusform>beim ersten Mal richtig in %1 von %n Fragen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>right at the first try in %1 of %n questions</source>
        <translation>
            <numerusform>beim ersten Mal richtig in %1 von %n Frage</numerusform>
            <numerusform>beim ersten Mal richtig in %1 von %n Fragen</numerusform>
        </translation>
    </message>
    <message>
        <source>missed when last asked</source>
        <translation>beim letzten Mal verfehlt</translation>
    </message>
    <message>
        <source>box %1 of %2</source>
        <translation>Stufe %1 von %2</translation>
    </message>
    <message>
        <source>%1 (%2 % of the questions): %3</source>
        <translation>%1 (%2 % der Fragen): %3</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n-mal</numerusform>
            <numerusform>%n-mal</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SingVerdict</name>
    <message>
        <source>Right! %1</source>
        <translation>Richtig! %1</translation>
    </message>
    <message>
        <source>No note was heard. Sing a little louder or closer to the microphone.</source>
        <translation>Es wurde kein Ton gehört. Singen Sie etwas lauter oder näher am Mikrofon.</translation>
    </message>
    <message>
        <source>Not yet: %1 of %2 notes right (%3).</source>
        <translation>Noch nicht: %1 von %2 Tönen richtig (%3).</translation>
    </message>
</context>
<context>
    <name>SoundNotice</name>
    <message>
        <source>no audio output</source>
        <translation>keine Audioausgabe</translation>
    </message>
    <message>
        <source>MIDI output not open</source>
        <translation>MIDI-Ausgang nicht geöffnet</translation>
    </message>
    <message>
        <source> - No sound: </source>
        <translation> – Kein Ton: </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Ear training for music students: Sonorix plays trichords and</source>
        <translation>Gehörbildung für Musikstudierende: Sonorix spielt Trichorde und</translation>
    </message>
    <message>
        <source>tetrachords and asks which pitch-class set class you heard.</source>
        <translation>Tetrachorde und fragt, welche Set-Klasse Sie gehört haben.</translation>
    </message>
    <message>
        <source>Sonorix is free software under the GNU General Public License,</source>
        <translation>Sonorix ist freie Software unter der GNU General Public License,</translation>
    </message>
    <message>
        <source>version 3 or (at your option) any later version: you may share</source>
        <translation>Version 3 oder (nach Ihrer Wahl) jeder späteren Version: Sie dürfen</translation>
    </message>
    <message>
        <source>and change it under its terms. It comes with NO WARRANTY.</source>
        <translation>es unter ihren Bedingungen weitergeben und ändern. Es gibt KEINE GARANTIE.</translation>
    </message>
    <message>
        <source>It stands on Qt, FluidSynth and RtMidi, and its built-in</source>
        <translation>Es baut auf Qt, FluidSynth und RtMidi, und sein eingebauter</translation>
    </message>
    <message>
        <source>synthesizer plays a General MIDI SoundFont, by default TimGM6mb.</source>
        <translation>Synthesizer spielt einen General-MIDI-SoundFont, standardmäßig TimGM6mb.</translation>
    </message>
    <message>
        <source>About Sonorix</source>
        <translation>Über Sonorix</translation>
    </message>
    <message>
        <source>The license is in /usr/share/common-licenses/GPL-3,</source>
        <translation>Die Lizenz steht in /usr/share/common-licenses/GPL-3,</translation>
    </message>
    <message>
        <source>Sonorix&apos;s copyright notice in %1.</source>
        <translation>der Urheberrechtsvermerk von Sonorix in %1.</translation>
    </message>
</context>
<context>
    <name>TAssignmentEditor</name>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Instructions:</source>
        <translation>&amp;Hinweise:</translation>
    </message>
    <message>
        <source>trichords</source>
        <translation>Trichorde</translation>
    </message>
    <message>
        <source>tetrachords</source>
        <translation>Tetrachorde</translation>
    </message>
    <message>
        <source>&amp;Cardinality:</source>
        <translation>&amp;Kardinalität:</translation>
    </message>
    <message>
        <source>Set classes</source>
        <translation>Mengenklassen</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>close position</source>
        <translation>enge Lage</translation>
    </message>
    <message>
        <source>within one octave</source>
        <translation>innerhalb einer Oktave</translation>
    </message>
    <message>
        <source>within two octaves</source>
        <translation>innerhalb zweier Oktaven</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Umfang:</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>Akkord</translation>
    </message>
    <message>
        <source>figure</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>mixed figure</source>
        <translation>Mischfigur</translation>
    </message>
    <message>
        <source>&amp;Play:</source>
        <translation>&amp;Spielen:</translation>
    </message>
    <message>
        <source>drills with enough right answers</source>
        <translation>Übungen mit genug richtigen Antworten</translation>
    </message>
    <message>
        <source>minutes of practice mode</source>
        <translation>Minuten im Übungsmodus</translation>
    </message>
    <message>
        <source>each class right at the first try in practice</source>
        <translation>jede Klasse im Übungsmodus beim ersten Versuch richtig</translation>
    </message>
    <message>
        <source>&amp;Done when:</source>
        <translation>&amp;Erledigt bei:</translation>
    </message>
    <message>
        <source>&amp;How many:</source>
        <translation>&amp;Wie viele:</translation>
    </message>
    <message>
        <source>Each with at least this many &amp;right:</source>
        <translation>Jede mit mindestens so vielen &amp;richtigen:</translation>
    </message>
    <message>
        <source>And at least this &amp;share right:</source>
        <translation>Und mindestens diesem &amp;Anteil richtig:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Ab:</translation>
    </message>
    <message>
        <source>D&amp;ue:</source>
        <translation>&amp;Fällig:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> Min.</translation>
    </message>
</context>
<context>
    <name>TAssignmentsForm</name>
    <message>
        <source>Assignments</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>&amp;Open assignments:</source>
        <translation>&amp;Offene Aufgaben:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;toppen</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Bearbeiten…</translation>
    </message>
    <message>
        <source>&amp;Copy…</source>
        <translation>&amp;Kopieren…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Sets the drill window to the assignment&apos;s classes, range and play mode; your own settings stay saved.</source>
        <translation>Stellt das Übungsfenster auf Klassen, Umfang und Spielweise der Aufgabe; Ihre eigenen Einstellungen bleiben gespeichert.</translation>
    </message>
    <message>
        <source>Gives you your own drill settings back.</source>
        <translation>Gibt Ihnen Ihre eigenen Übungseinstellungen zurück.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>No assignments are set.</source>
        <translation>Es sind keine Aufgaben gestellt.</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>ab %1</translation>
    </message>
    <message>
        <source>%1, due %2, %3, %4</source>
        <translation>%1, fällig %2, %3, %4</translation>
    </message>
    <message>
        <source>No instructions</source>
        <translation>Keine Hinweise</translation>
    </message>
    <message>
        <source>Instructions: %1</source>
        <translation>Hinweise: %1</translation>
    </message>
    <message>
        <source>The assignment names a set class the catalogue does not have.</source>
        <translation>Die Aufgabe nennt eine Mengenklasse, die der Katalog nicht hat.</translation>
    </message>
    <message>
        <source>as a chord</source>
        <translation>als Akkord</translation>
    </message>
    <message>
        <source>as a figure</source>
        <translation>als Figur</translation>
    </message>
    <message>
        <source>as a mixed figure</source>
        <translation>als gemischte Figur</translation>
    </message>
    <message>
        <source>Started: %1. Play %2.</source>
        <translation>Gestartet: %1. Spielen Sie %2.</translation>
    </message>
    <message>
        <source>Your own drill settings are back.</source>
        <translation>Ihre eigenen Übungseinstellungen sind zurück.</translation>
    </message>
    <message>
        <source>The assignments are saved.</source>
        <translation>Die Aufgaben sind gespeichert.</translation>
    </message>
    <message>
        <source>New Assignment</source>
        <translation>Neue Aufgabe</translation>
    </message>
    <message>
        <source>Edit Assignment</source>
        <translation>Aufgabe bearbeiten</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (Kopie)</translation>
    </message>
    <message>
        <source>Copy Assignment</source>
        <translation>Aufgabe kopieren</translation>
    </message>
    <message>
        <source>Delete Assignment</source>
        <translation>Aufgabe löschen</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? The students&apos; drills stay as they are.</source>
        <translation>„%1“ löschen? Die Übungen der Lernenden bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>The class&apos;s assignments are on its server: type the class&apos;s password (Class › Class Password…) to see them.</source>
        <translation>Die Aufgaben der Klasse liegen auf ihrem Server: Geben Sie das Passwort der Klasse ein (Klasse › Passwort der Klasse…), um sie zu sehen.</translation>
    </message>
</context>
<context>
    <name>TAssignmentsMenu</name>
    <message>
        <source>&amp;Assignments…</source>
        <translation>&amp;Aufgaben…</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <extracomment>The drill window&apos;s title while an assignment is started: &quot;Sonorix – Trichords, week 1&quot;.</extracomment>
        <translation>%1 – %2</translation>
    </message>
</context>
<context>
    <name>TClassMenu</name>
    <message>
        <source>&amp;Class</source>
        <translation>&amp;Klasse</translation>
    </message>
    <message>
        <source>&amp;Join a Class…</source>
        <translation>Einer Klasse &amp;beitreten…</translation>
    </message>
    <message>
        <source>Class &amp;Password…</source>
        <translation>&amp;Passwort der Klasse…</translation>
    </message>
    <message>
        <source>&amp;Leave the Class</source>
        <translation>Klasse &amp;verlassen</translation>
    </message>
    <message>
        <source>Leave the Class</source>
        <translation>Klasse verlassen</translation>
    </message>
    <message>
        <source>Leave the class? Your drills stay on this computer.</source>
        <translation>Die Klasse verlassen? Ihre Übungen bleiben auf diesem Computer.</translation>
    </message>
    <message numerus="yes">
        <source>%n drill still waits for the network and will not reach the class.</source>
        <translation>
            <numerusform>%n Übung wartet noch auf das Netz und wird die Klasse nicht erreichen.</numerusform>
            <numerusform>%n Übungen warten noch auf das Netz und werden die Klasse nicht erreichen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drills still wait for the network and will not reach the class.</source>
        <translation>
            <numerusform>%n Übung wartet noch auf das Netz und wird die Klasse nicht erreichen.</numerusform>
            <numerusform>%n Übungen warten noch auf das Netz und werden die Klasse nicht erreichen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TClassOverview</name>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Drills</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Last
practice</source>
        <translation>Zuletzt
geübt</translation>
    </message>
    <message>
        <source>
% right</source>
        <translation>
% richtig</translation>
    </message>
    <message>
        <source>
s/right</source>
        <translation>
s/richtig</translation>
    </message>
    <message>
        <source>
best score</source>
        <translation>
beste Punktzahl</translation>
    </message>
    <message>
        <source>Unverified</source>
        <translation>Ungeprüft</translation>
    </message>
    <message>
        <source>Class Overview</source>
        <translation>Klassenübersicht</translation>
    </message>
    <message>
        <source>Set class</source>
        <translation>Set-Klasse</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% richtig</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Taken for</source>
        <translation>Gehalten für</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Hardest set classes (all eligible drills):</source>
        <translation>Schwierigste Set-Klassen (alle gewerteten Übungen):</translation>
    </message>
    <message>
        <source>Most frequent confusions:</source>
        <translation>Häufigste Verwechslungen:</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren…</translation>
    </message>
    <message>
        <source>Save PDF…</source>
        <translation>PDF speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Save PDF</source>
        <translation>PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>PDF-Dateien (*.pdf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>(unknown)</source>
        <translation>(unbekannt)</translation>
    </message>
    <message>
        <source>Time
this week</source>
        <translation>Zeit
diese Woche</translation>
    </message>
    <message>
        <source>Time
in all</source>
        <translation>Zeit
insgesamt</translation>
    </message>
    <message>
        <source>First
practice</source>
        <translation>Zuerst
geübt</translation>
    </message>
    <message>
        <source>Ineligible
% right</source>
        <translation>Nicht gewertet
% richtig</translation>
    </message>
    <message>
        <source>Ineligible
drills</source>
        <translation>Nicht gewertete
Übungen</translation>
    </message>
    <message>
        <source>Not ended
drills</source>
        <translation>Nicht beendete
Übungen</translation>
    </message>
    <message>
        <source>Practice
questions</source>
        <translation>Training
Fragen</translation>
    </message>
    <message>
        <source>Practice
first try %</source>
        <translation>Training
% beim 1. Versuch</translation>
    </message>
    <message>
        <source>Practice
this week</source>
        <translation>Training
diese Woche</translation>
    </message>
    <message>
        <source>Practice
in all</source>
        <translation>Training
insgesamt</translation>
    </message>
    <message>
        <source>Sung
questions</source>
        <translation>Gesungene
Fragen</translation>
    </message>
    <message>
        <source>Sung
first try %</source>
        <translation>Gesungen
% beim 1. Versuch</translation>
    </message>
    <message>
        <source>Ambiguous</source>
        <translation>Mehrdeutig</translation>
    </message>
    <message>
        <source>Reading the logs… %p%</source>
        <translation>Protokolle werden gelesen… %p%</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 — reading the logs…</source>
        <translation>%1 — Protokolle werden gelesen…</translation>
    </message>
    <message>
        <source>report.dat cannot be read.</source>
        <translation>report.dat kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>practice.dat cannot be read.</source>
        <translation>practice.dat kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 — reading the logs was cancelled.</source>
        <translation>%1 — das Lesen der Protokolle wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1 records could belong to more than one person and count for nobody.</source>
        <translation>%1 Einträge könnten zu mehr als einer Person gehören und zählen für niemanden.</translation>
    </message>
    <message>
        <source>Drills and practice from %1 to %2.</source>
        <translation>Übungen und Training vom %1 bis %2.</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>close position</source>
        <translation>enge Lage</translation>
    </message>
    <message>
        <source>within 1 octave</source>
        <translation>in 1 Oktave</translation>
    </message>
    <message>
        <source>within 2 octaves</source>
        <translation>in 2 Oktaven</translation>
    </message>
    <message>
        <source>trichords</source>
        <translation>Trichorde</translation>
    </message>
    <message>
        <source>tetrachords</source>
        <translation>Tetrachorde</translation>
    </message>
    <message>
        <source>% right, s/right and best score count the eligible drills that reached END: every set class of the cardinality enabled and the settings unchanged. Ineligible drills reached END otherwise; not ended drills have fewer than five right answers. Times are minutes:seconds. Unverified records are damaged or fail their check value; ambiguous ones verify for more than one person alike; (unknown) holds unverified records that belong to no single person.</source>
        <translation>% richtig, s/richtig und beste Punktzahl zählen die gewerteten Übungen, die bis END kamen: alle Set-Klassen der Kardinalität eingeschaltet und die Einstellungen unverändert. Nicht gewertete Übungen kamen anders bis END; nicht beendete Übungen haben weniger als fünf richtige Antworten. Zeiten sind Minuten:Sekunden. Ungeprüfte Einträge sind beschädigt oder ihr Prüfwert stimmt nicht; mehrdeutige passen gleichermaßen zu mehr als einer Person; (unbekannt) enthält ungeprüfte Einträge, die keiner einzelnen Person gehören.</translation>
    </message>
    <message>
        <source>Per student, from practice mode</source>
        <translation>Pro Person, aus dem Trainingsmodus</translation>
    </message>
    <message>
        <source>Nobody has practised yet.</source>
        <translation>Noch niemand hat trainiert.</translation>
    </message>
    <message>
        <source>%1 (%2 of %3 at the first try)</source>
        <translation>%1 (%2 von %3 beim ersten Versuch)</translation>
    </message>
    <message>
        <source>%1 taken for %2 (%3×)</source>
        <translation>%1 gehalten für %2 (%3×)</translation>
    </message>
    <message>
        <source>hardest</source>
        <translation>am schwierigsten</translation>
    </message>
    <message>
        <source>confusions</source>
        <translation>Verwechslungen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message numerus="yes">
        <source>%1 — %n person, %3 records, %4 of them unverified. Week from %5.</source>
        <translation>
            <numerusform>%1 — %n Person, %3 Einträge, davon %4 ungeprüft. Woche ab %5.</numerusform>
            <numerusform>%1 — %n Personen, %3 Einträge, davon %4 ungeprüft. Woche ab %5.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 — %n people, %3 records, %4 of them unverified. Week from %5.</source>
        <translation>
            <numerusform>%1 — %n Person, %3 Einträge, davon %4 ungeprüft. Woche ab %5.</numerusform>
            <numerusform>%1 — %n Personen, %3 Einträge, davon %4 ungeprüft. Woche ab %5.</numerusform>
        </translation>
    </message>
    <message>
        <source>close</source>
        <translation>eng</translation>
    </message>
    <message>
        <source>1 oct</source>
        <translation>1 Okt.</translation>
    </message>
    <message>
        <source>2 oct</source>
        <translation>2 Okt.</translation>
    </message>
    <message>
        <source>Open Class on Server…</source>
        <translation>Klasse auf dem Server öffnen…</translation>
    </message>
    <message>
        <source>Open Class Copy…</source>
        <translation>Kopie der Klasse öffnen…</translation>
    </message>
    <message>
        <source>%1 — reading the class folder…</source>
        <translation>%1 — der Klassenordner wird gelesen…</translation>
    </message>
    <message>
        <source>%1 — reading the class folder was cancelled.</source>
        <translation>%1 — das Lesen des Klassenordners wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Folders this account may not read: %1.</source>
        <translation>Ordner, die dieses Konto nicht lesen darf: %1.</translation>
    </message>
    <message>
        <source>The folder cannot be read.</source>
        <translation>Der Ordner kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Some files of the folder cannot be read.</source>
        <translation>Einige Dateien des Ordners können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Open Class on Server</source>
        <translation>Klasse auf dem Server öffnen</translation>
    </message>
    <message>
        <source>Class folder address:</source>
        <translation>Adresse des Klassenordners:</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Type the account on the class&apos;s server.</source>
        <translation>Geben Sie das Konto auf dem Server der Klasse ein.</translation>
    </message>
    <message>
        <source>Open Class Copy</source>
        <translation>Kopie der Klasse öffnen</translation>
    </message>
    <message>
        <source>Due this week</source>
        <translation>Diese Woche fällig</translation>
    </message>
    <message>
        <source>Show only the assignments due this week</source>
        <translation>Nur die diese Woche fälligen Aufgaben zeigen</translation>
    </message>
    <message>
        <source>due %1</source>
        <translation>fällig %1</translation>
    </message>
    <message>
        <source>Assignments due this week</source>
        <translation>Diese Woche fällige Aufgaben</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Aufgaben</translation>
    </message>
</context>
<context>
    <name>TConfusionForm</name>
    <message>
        <source>Confusions</source>
        <translation>Verwechslungen</translation>
    </message>
    <message>
        <source>Answers of:</source>
        <translation>Antworten von:</translation>
    </message>
    <message>
        <source>Rows: the set class asked. Columns: the set class answered. Each cell is the share (%) of the row&apos;s answers; the diagonal holds the right ones. Click a cell to hear the set class asked, then the one answered, in the drill window&apos;s range and Play: manner.</source>
        <translation>Zeilen: die gefragte Set-Klasse. Spalten: die genannte Set-Klasse. Jede Zelle ist der Anteil (%) an den Antworten der Zeile; die Diagonale enthält die richtigen. Klicken Sie auf eine Zelle, um die gefragte und danach die genannte Set-Klasse zu hören, im Tonraum und in der Spielweise des Übungsfensters.</translation>
    </message>
    <message>
        <source>Trichords</source>
        <translation>Trichorde</translation>
    </message>
    <message>
        <source>Tetrachords</source>
        <translation>Tetrachorde</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>all eligible drills</source>
        <translation>alle gewerteten Übungen</translation>
    </message>
    <message>
        <source>the drill just ended</source>
        <translation>die eben beendete Übung</translation>
    </message>
    <message>
        <source>Right %</source>
        <translation>Richtig %</translation>
    </message>
    <message>
        <source>%1: %2 right of %3 answers</source>
        <translation>%1: %2 richtig von %3 Antworten</translation>
    </message>
    <message>
        <source>%1 answered as %2: %3 of %4 answers</source>
        <translation>%1 als %2 beantwortet: %3 von %4 Antworten</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Gefragt</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>Geantwortet</translation>
    </message>
</context>
<context>
    <name>TErrorReport</name>
    <message>
        <source>Error Report</source>
        <translation>Fehlerbericht</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>this session</source>
        <translation>diese Sitzung</translation>
    </message>
    <message>
        <source>cumulative errors</source>
        <translation>Fehler insgesamt</translation>
    </message>
    <message>
        <source>Sessions that use filters are not included in the cumulative report.</source>
        <translation>Sitzungen mit Filtern zählen im Gesamtbericht nicht mit.</translation>
    </message>
    <message>
        <source>Clear Cumulative Report</source>
        <translation>Gesamtbericht löschen</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Zeigen:</translation>
    </message>
    <message>
        <source>A and B sets</source>
        <translation>A- und B-Formen</translation>
    </message>
    <message>
        <source>RIPs</source>
        <translation>RIPs</translation>
    </message>
    <message>
        <source>Confused with</source>
        <translation>Verwechselt mit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confused with:</source>
        <translation>Verwechselt mit:</translation>
    </message>
</context>
<context>
    <name>TFilterForm</name>
    <message>
        <source>FILTERS</source>
        <translation>FILTER</translation>
    </message>
    <message>
        <source>Trichords</source>
        <translation>Trichorde</translation>
    </message>
    <message>
        <source>TRICHORDS</source>
        <translation>TRICHORDE</translation>
    </message>
    <message>
        <source>TETRACHORDS</source>
        <translation>TETRACHORDE</translation>
    </message>
    <message>
        <source>Sets in &quot;Closed Position&quot;</source>
        <translation>Mengen in &quot;enger Lage&quot;</translation>
    </message>
    <message>
        <source>Sets distributed within one octave</source>
        <translation>Mengen verteilt innerhalb einer Oktave</translation>
    </message>
    <message>
        <source>Sets distributed within two octaves</source>
        <translation>Mengen verteilt innerhalb zweier Oktaven</translation>
    </message>
    <message>
        <source>Save these settings for future sessions</source>
        <translation>Einstellungen für später speichern</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>ALLE</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>KEINE</translation>
    </message>
    <message>
        <source>trichords</source>
        <translation>Trichorde</translation>
    </message>
    <message>
        <source>tetrachords</source>
        <translation>Tetrachorde</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>File Error!</source>
        <translation>Dateifehler!</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Richtig:</translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <translation>Falsch:</translation>
    </message>
    <message>
        <source>BEGIN</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Repeat (F1)</source>
        <translation>Wiederholen (F1)</translation>
    </message>
    <message>
        <source>Arpeggiate Up (F2)</source>
        <translation>Arpeggio auf (F2)</translation>
    </message>
    <message>
        <source>Arpeggiate Down (F3)</source>
        <translation>Arpeggio ab (F3)</translation>
    </message>
    <message>
        <source>Play:</source>
        <translation>Spielweise:</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>Akkord</translation>
    </message>
    <message>
        <source>figure</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>mixed figure</source>
        <translation>Mischfigur</translation>
    </message>
    <message>
        <source>TRICHORDS</source>
        <translation>TRICHORDE</translation>
    </message>
    <message>
        <source>TETRACHORDS</source>
        <translation>TETRACHORDE</translation>
    </message>
    <message>
        <source>&quot;close position&quot;</source>
        <translation>&quot;enge Lage&quot;</translation>
    </message>
    <message>
        <source>within 1 octave</source>
        <translation>in 1 Oktave</translation>
    </message>
    <message>
        <source>within 2 octaves</source>
        <translation>in 2 Oktaven</translation>
    </message>
    <message>
        <source>More Filters</source>
        <translation>Mehr Filter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Login New Person</source>
        <translation>Neue Person anmelden</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Set Filters</source>
        <translation>Filter einstellen</translation>
    </message>
    <message>
        <source>Midi Setup</source>
        <translation>MIDI-Einstellungen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Instructions (readme.txt)</source>
        <translation>Anleitung (readme.txt)</translation>
    </message>
    <message>
        <source>About Sonorix</source>
        <translation>Über Sonorix</translation>
    </message>
    <message>
        <source>END</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>SCORE</source>
        <translation>PUNKTE</translation>
    </message>
    <message>
        <source>Time per</source>
        <translation>Zeit pro</translation>
    </message>
    <message>
        <source>interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Correct %</source>
        <translation>Richtig %</translation>
    </message>
    <message>
        <source>Longevity</source>
        <translation>Ausdauer-</translation>
    </message>
    <message>
        <source>bonus</source>
        <translation>bonus</translation>
    </message>
    <message>
        <source>pts</source>
        <translation>Pkt.</translation>
    </message>
    <message>
        <source>H i g h  S c o r e s</source>
        <translation>B e s t e n l i s t e</translation>
    </message>
    <message>
        <source>TRICHORDS</source>
        <translation>TRICHORDE</translation>
    </message>
    <message>
        <source>TETRACHORDS</source>
        <translation>TETRACHORDE</translation>
    </message>
    <message>
        <source>&quot;close position&quot;</source>
        <translation>&quot;enge Lage&quot;</translation>
    </message>
    <message>
        <source>one-octave</source>
        <translation>1 Oktave</translation>
    </message>
    <message>
        <source>two-octave</source>
        <translation>2 Oktaven</translation>
    </message>
    <message>
        <source>Date              Correct   Incrct    Pctge   Time/Int  Score </source>
        <translation>Datum             Richtig   Falsch    Proz.   Zeit/Int  Punkte</translation>
    </message>
    <message>
        <source>(This session is not eligible for high score due to filter usage,</source>
        <translation>(Diese Sitzung zählt nicht für die Bestenliste: Filter benutzt,</translation>
    </message>
    <message>
        <source>mixing of cardinalities, or changes in range.)</source>
        <translation>Kardinalitäten gemischt oder Tonraum geändert.)</translation>
    </message>
    <message>
        <source>Error Report</source>
        <translation>Fehlerbericht</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TJoinClassForm</name>
    <message>
        <source>Class Password</source>
        <translation>Passwort der Klasse</translation>
    </message>
    <message>
        <source>Join a Class</source>
        <translation>Einer Klasse beitreten</translation>
    </message>
    <message>
        <source>Class folder&apos;s &amp;WebDAV address:</source>
        <translation>&amp;WebDAV-Adresse des Klassenordners:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>App &amp;password:</source>
        <translation>App-&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Remember on this device</source>
        <translation>Auf diesem Gerät &amp;merken</translation>
    </message>
    <message>
        <source>Type the account that the class&apos;s server knows.</source>
        <translation>Geben Sie das Konto ein, das der Server der Klasse kennt.</translation>
    </message>
    <message>
        <source>Asking the class&apos;s server…</source>
        <translation>Der Server der Klasse wird gefragt…</translation>
    </message>
</context>
<context>
    <name>TKeyboardAnswer</name>
    <message>
        <source>1 note</source>
        <translation>1 Ton</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>%1 Töne</translation>
    </message>
    <message>
        <source>played %1, %2 expected</source>
        <translation>%1 gespielt, %2 erwartet</translation>
    </message>
    <message>
        <source>played %1-%2, not in the list</source>
        <translation>%1-%2 gespielt, nicht in der Liste</translation>
    </message>
    <message>
        <source>played %1, no set class found</source>
        <translation>%1 gespielt, keine Set-Klasse gefunden</translation>
    </message>
    <message>
        <source>Answer From Keyboard…</source>
        <translation>Antwort über die Tastatur…</translation>
    </message>
</context>
<context>
    <name>TKeyboardForm</name>
    <message>
        <source>Answer From Keyboard</source>
        <translation>Antwort über die Tastatur</translation>
    </message>
    <message>
        <source>MIDI input port:</source>
        <translation>MIDI-Eingangsport:</translation>
    </message>
    <message>
        <source>Answer by playing</source>
        <translation>Durch Spielen antworten</translation>
    </message>
    <message>
        <source>During a drill, play the set class in any transposition, inversion or voicing, then release the keys.</source>
        <translation>Spielen Sie während einer Übung die Set-Klasse in beliebiger Transposition, Umkehrung oder Lage und lassen Sie dann die Tasten los.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No MIDI input port found.
A keyboard appears here once it is connected through the ALSA sequencer, before Sonorix starts or while this window is open.</source>
        <translation>Kein MIDI-Eingangsport gefunden.
Eine Tastatur erscheint hier, sobald sie über den ALSA-Sequencer verbunden ist, vor dem Start von Sonorix oder während dieses Fenster offen ist.</translation>
    </message>
</context>
<context>
    <name>TLoginForm</name>
    <message>
        <source>Login</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Please type your name in the box</source>
        <translation>Bitte tippen Sie Ihren Namen ins Feld</translation>
    </message>
    <message>
        <source>and hit enter</source>
        <translation>und drücken Sie Enter</translation>
    </message>
    <message>
        <source>The following filters are saved from last session:</source>
        <translation>Diese Filter sind von der letzten Sitzung gespeichert:</translation>
    </message>
    <message>
        <source>Use These?</source>
        <translation>Diese verwenden?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>File Error! No ftclass.dat</source>
        <translation>Dateifehler! Keine ftclass.dat</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AN</translation>
    </message>
    <message>
        <source>(all else on)</source>
        <translation>(alle anderen an)</translation>
    </message>
    <message>
        <source>(all else off)</source>
        <translation>(alle anderen aus)</translation>
    </message>
</context>
<context>
    <name>TMidiForm</name>
    <message>
        <source>Midi Setup</source>
        <translation>MIDI-Einstellungen</translation>
    </message>
    <message>
        <source>Select MIDI output</source>
        <translation>MIDI-Ausgang wählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Built-in synthesizer</source>
        <translation>Eingebauter Synthesizer</translation>
    </message>
</context>
<context>
    <name>TPacingForm</name>
    <message>
        <source>Pause and Wait for Me</source>
        <translation>Pause und Warten auf mich</translation>
    </message>
    <message>
        <source>&amp;Pause before the next question:</source>
        <translation>&amp;Pause vor der nächsten Frage:</translation>
    </message>
    <message>
        <source>no pause</source>
        <translation>keine Pause</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Wait for me: the next question (and the first) plays when I press Space, Enter or Next</source>
        <translation>&amp;Auf mich warten: Die nächste Frage (und die erste) erklingt, wenn ich Leertaste, Eingabe oder Weiter drücke</translation>
    </message>
    <message>
        <source>The drill&apos;s clock runs on meanwhile; the drill still counts for the high scores.</source>
        <translation>Die Uhr der Übung läuft inzwischen weiter; die Übung zählt weiter für die Bestenlisten.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Pause and Wait for Me…</source>
        <translation>&amp;Pause und Warten auf mich…</translation>
    </message>
</context>
<context>
    <name>TPracticeMode</name>
    <message>
        <source> - Practice</source>
        <translation> – Training</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Practice Mode</source>
        <translation>Trainingsmodus</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Antwort zeigen</translation>
    </message>
    <message>
        <source>Show Answer Automatically</source>
        <translation>Antwort automatisch zeigen</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>After 2 Wrong Answers</source>
        <translation>Nach 2 falschen Antworten</translation>
    </message>
    <message>
        <source>After 3 Wrong Answers</source>
        <translation>Nach 3 falschen Antworten</translation>
    </message>
    <message>
        <source>After 5 Wrong Answers</source>
        <translation>Nach 5 falschen Antworten</translation>
    </message>
    <message>
        <source>The answer is %1.</source>
        <translation>Die Antwort ist %1.</translation>
    </message>
    <message>
        <source>Hear Your Answer Again</source>
        <translation>Ihre Antwort noch einmal hören</translation>
    </message>
    <message>
        <source>The next question. Keys: Enter or Space</source>
        <translation>Die nächste Frage. Tasten: Eingabe oder Leertaste</translation>
    </message>
    <message>
        <source>Practice mode on: BEGIN starts a practice drill.</source>
        <translation>Trainingsmodus an: BEGIN startet ein Training.</translation>
    </message>
    <message>
        <source>Practice mode off.</source>
        <translation>Trainingsmodus aus.</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>= %1; you named %2</source>
        <translation>= %1; Sie nannten %2</translation>
    </message>
    <message>
        <source>You named %1. You hear the question, then your answer.</source>
        <translation>Sie nannten %1. Sie hören die Frage, dann Ihre Antwort.</translation>
    </message>
    <message>
        <source>Enter: next question. F1: the question again. F6: your answer again.</source>
        <translation>Eingabe: nächste Frage. F1: die Frage noch einmal. F6: Ihre Antwort noch einmal.</translation>
    </message>
    <message>
        <source>the question</source>
        <translation>die Frage</translation>
    </message>
    <message>
        <source>%1, your answer</source>
        <translation>%1, Ihre Antwort</translation>
    </message>
    <message>
        <source>Playing: %1</source>
        <translation>Es klingt: %1</translation>
    </message>
</context>
<context>
    <name>TProgressForm</name>
    <message numerus="yes">
        <source>Sung: %n question(s), %1 right at the first try.</source>
        <translation>
            <numerusform>Gesungen: %n Frage, %1 beim ersten Versuch richtig.</numerusform>
            <numerusform>Gesungen: %n Fragen, %1 beim ersten Versuch richtig.</numerusform>
        </translation>
    </message>
    <message>
        <source>close</source>
        <translation>eng</translation>
    </message>
    <message>
        <source>1 oct</source>
        <translation>1 Okt.</translation>
    </message>
    <message>
        <source>2 oct</source>
        <translation>2 Okt.</translation>
    </message>
    <message>
        <source>tri</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>tetra</source>
        <translation>Tetra</translation>
    </message>
    <message>
        <source>close position</source>
        <translation>enge Lage</translation>
    </message>
    <message>
        <source>within 1 octave</source>
        <translation>in 1 Oktave</translation>
    </message>
    <message>
        <source>within 2 octaves</source>
        <translation>in 2 Oktaven</translation>
    </message>
    <message>
        <source>trichords</source>
        <translation>Trichorde</translation>
    </message>
    <message>
        <source>tetrachords</source>
        <translation>Tetrachorde</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>Mein Fortschritt</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Person:</translation>
    </message>
    <message>
        <source>Accuracy per day</source>
        <translation>Genauigkeit pro Tag</translation>
    </message>
    <message>
        <source>Seconds per right answer per day</source>
        <translation>Sekunden pro richtiger Antwort pro Tag</translation>
    </message>
    <message>
        <source>Practice minutes per week</source>
        <translation>Übungsminuten pro Woche</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Tonraum</translation>
    </message>
    <message>
        <source>Cardinality</source>
        <translation>Kardinalität</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Accuracy %</source>
        <translation>Genauigkeit %</translation>
    </message>
    <message>
        <source>Seconds per right answer</source>
        <translation>Sekunden pro richtiger Antwort</translation>
    </message>
    <message>
        <source>Eligible</source>
        <translation>Gewertet</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>report.dat cannot be read.</source>
        <translation>report.dat kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No drill has been logged yet.</source>
        <translation>Noch keine Übung protokolliert.</translation>
    </message>
    <message>
        <source>%1 of %2 records could not be verified and are left out.</source>
        <translation>%1 von %2 Einträgen ließen sich nicht prüfen und fehlen.</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% richtig</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>week beginning</source>
        <translation>Woche ab</translation>
    </message>
    <message>
        <source>drill</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielweise</translation>
    </message>
    <message>
        <source>Accuracy per drill</source>
        <translation>Genauigkeit pro Übung</translation>
    </message>
    <message>
        <source>Seconds per right answer per drill</source>
        <translation>Sekunden pro richtiger Antwort pro Übung</translation>
    </message>
    <message>
        <source>MMM d</source>
        <comment>date format of the chart axes (Qt date format)</comment>
        <translation>d.M.</translation>
    </message>
    <message>
        <source>not ended</source>
        <translation>nicht beendet</translation>
    </message>
    <message numerus="yes">
        <source>%1 rose from %2 to %3 over %n drill(s)</source>
        <translation>
            <numerusform>%1: von %2 auf %3 gestiegen, in %n Übung</numerusform>
            <numerusform>%1: von %2 auf %3 gestiegen, in %n Übungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 rose from %2 to %3 over %n day(s)</source>
        <translation>
            <numerusform>%1: von %2 auf %3 gestiegen, in %n Tag</numerusform>
            <numerusform>%1: von %2 auf %3 gestiegen, in %n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 fell from %2 to %3 over %n drill(s)</source>
        <translation>
            <numerusform>%1: von %2 auf %3 gesunken, in %n Übung</numerusform>
            <numerusform>%1: von %2 auf %3 gesunken, in %n Übungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 fell from %2 to %3 over %n day(s)</source>
        <translation>
            <numerusform>%1: von %2 auf %3 gesunken, in %n Tag</numerusform>
            <numerusform>%1: von %2 auf %3 gesunken, in %n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 stayed at %2 over %n drill(s)</source>
        <translation>
            <numerusform>%1: gleich bei %2, in %n Übung</numerusform>
            <numerusform>%1: gleich bei %2, in %n Übungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 stayed at %2 over %n day(s)</source>
        <translation>
            <numerusform>%1: gleich bei %2, in %n Tag</numerusform>
            <numerusform>%1: gleich bei %2, in %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>No drills yet.</source>
        <translation>Noch keine Übungen.</translation>
    </message>
    <message>
        <source>No practice yet.</source>
        <translation>Noch nicht geübt.</translation>
    </message>
    <message>
        <source>accuracy</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>seconds per right answer</source>
        <translation>Sekunden pro richtiger Antwort</translation>
    </message>
    <message numerus="yes">
        <source>Practice over %n week(s): %1 min in all, %2 min in the latest week.</source>
        <translation>
            <numerusform>Üben in %n Woche: %1 Min. insgesamt, %2 Min. in der letzten Woche.</numerusform>
            <numerusform>Üben in %n Wochen: %1 Min. insgesamt, %2 Min. in der letzten Woche.</numerusform>
        </translation>
    </message>
    <message>
        <source>Showing %1</source>
        <translation>Zeigt %1</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>Akkord</translation>
    </message>
    <message>
        <source>figure</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>mixed figure</source>
        <translation>gemischte Figur</translation>
    </message>
</context>
<context>
    <name>TProgressMenu</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>My Progress…</source>
        <translation>Mein Fortschritt…</translation>
    </message>
    <message>
        <source>Confusions…</source>
        <translation>Verwechslungen…</translation>
    </message>
    <message>
        <source>Play My Wrong Answers</source>
        <translation>Meine falschen Antworten spielen</translation>
    </message>
    <message>
        <source>Class Overview…</source>
        <translation>Klassenübersicht…</translation>
    </message>
</context>
<context>
    <name>TReadmeBox</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TSingForm</name>
    <message>
        <source>Level of your voice</source>
        <translation>Lautstärke Ihrer Stimme</translation>
    </message>
    <message>
        <source>Sing the Answer</source>
        <translation>Die Antwort singen</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Sing it back</source>
        <translation>Nachsingen</translation>
    </message>
    <message>
        <source>Sing the class</source>
        <translation>Die Set-Klasse singen</translation>
    </message>
    <message>
        <source>Accept any transposition or inversion</source>
        <translation>Jede Transposition oder Umkehrung gilt</translation>
    </message>
    <message>
        <source>&amp;Tolerance:</source>
        <translation>&amp;Toleranz:</translation>
    </message>
    <message>
        <source> cents</source>
        <translation> Cent</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Stimme:</translation>
    </message>
    <message>
        <source>Soprano</source>
        <translation>Sopran</translation>
    </message>
    <message>
        <source>Alto</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Tenor</source>
        <translation>Tenor</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Bass</translation>
    </message>
    <message>
        <source>Mine</source>
        <translation>Meine</translation>
    </message>
    <message>
        <source>Sing My &amp;Range</source>
        <translation>Meinen &amp;Umfang singen</translation>
    </message>
    <message>
        <source>Sing your lowest comfortable note, then your highest</source>
        <translation>Singen Sie Ihren tiefsten bequemen Ton, dann Ihren höchsten</translation>
    </message>
    <message>
        <source>&amp;Sing</source>
        <translation>&amp;Singen</translation>
    </message>
    <message>
        <source>Try &amp;Again</source>
        <translation>&amp;Noch einmal</translation>
    </message>
    <message>
        <source>&amp;Hear the Right Notes</source>
        <translation>Richtige Töne &amp;hören</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>&amp;Back to the Drill</source>
        <translation>&amp;Zurück zur Übung</translation>
    </message>
    <message>
        <source>Press Sing. Before the first exercise, Sonorix listens to three seconds of silence.</source>
        <translation>Drücken Sie „Singen“. Vor der ersten Aufgabe hört Sonorix drei Sekunden Stille.</translation>
    </message>
    <message>
        <source>Press Sing to begin.</source>
        <translation>Drücken Sie „Singen“, um zu beginnen.</translation>
    </message>
    <message>
        <source>%1, in any transposition or inversion</source>
        <translation>%1, in jeder Transposition oder Umkehrung</translation>
    </message>
    <message>
        <source>%1, inverted form, from %2</source>
        <translation>%1, Umkehrung, ab %2</translation>
    </message>
    <message>
        <source>%1, prime form, from %2</source>
        <translation>%1, Primform, ab %2</translation>
    </message>
    <message>
        <source>%1 %2 cents</source>
        <translation>%1 %2 Cent</translation>
    </message>
    <message>
        <source>Heard: %1</source>
        <translation>Gehört: %1</translation>
    </message>
    <message>
        <source>Notes heard</source>
        <translation>Gehörte Töne</translation>
    </message>
    <message>
        <source>You sang</source>
        <translation>Gesungen</translation>
    </message>
    <message>
        <source>Right notes</source>
        <translation>Richtige Töne</translation>
    </message>
    <message>
        <source>Right notes: %1.</source>
        <translation>Richtige Töne: %1.</translation>
    </message>
    <message>
        <source>Sing the Answer…</source>
        <translation>Die Antwort singen …</translation>
    </message>
    <message>
        <source>No set class is enabled: choose some in the filters, then press Sing again.</source>
        <translation>Keine Set-Klasse ist gewählt: Wählen Sie welche in den Filtern und drücken Sie dann wieder „Singen“.</translation>
    </message>
    <message>
        <source>Sonorix may not use the microphone. Allow it in the system&apos;s sound or privacy settings, then press Sing again; or go back to the drill.</source>
        <translation>Sonorix darf das Mikrofon nicht benutzen. Erlauben Sie es in den Ton- oder Datenschutzeinstellungen des Systems und drücken Sie dann wieder „Singen“; oder kehren Sie zur Übung zurück.</translation>
    </message>
    <message>
        <source>No microphone was found. Plug one in or choose it in the system&apos;s sound settings, then press Sing again; or go back to the drill.</source>
        <translation>Es wurde kein Mikrofon gefunden. Schließen Sie eines an oder wählen Sie es in den Toneinstellungen des Systems und drücken Sie dann wieder „Singen“; oder kehren Sie zur Übung zurück.</translation>
    </message>
    <message>
        <source>Please keep quiet for three seconds: Sonorix listens to the room&apos;s noise.</source>
        <translation>Bitte drei Sekunden lang still sein: Sonorix hört das Geräusch des Raums.</translation>
    </message>
    <message>
        <source>The microphone has gone silent. Check that it is plugged in and not muted, then press Sing again; or go back to the drill.</source>
        <translation>Das Mikrofon ist verstummt. Prüfen Sie, ob es angeschlossen und nicht stummgeschaltet ist, und drücken Sie dann wieder „Singen“; oder kehren Sie zur Übung zurück.</translation>
    </message>
    <message>
        <source>Listen…</source>
        <translation>Hören Sie zu …</translation>
    </message>
    <message>
        <source>Listen to the starting note…</source>
        <translation>Hören Sie den Anfangston …</translation>
    </message>
    <message>
        <source>Sing the notes back now.</source>
        <translation>Singen Sie die Töne jetzt nach.</translation>
    </message>
    <message>
        <source>Sing now: the starting note was played.</source>
        <translation>Singen Sie jetzt: Der Anfangston wurde gespielt.</translation>
    </message>
    <message>
        <source>Stopped. Press Sing to begin.</source>
        <translation>Angehalten. Drücken Sie „Singen“, um zu beginnen.</translation>
    </message>
    <message>
        <source>Sing again, try again, or hear the right notes.</source>
        <translation>Singen Sie weiter, versuchen Sie es noch einmal oder hören Sie die richtigen Töne.</translation>
    </message>
    <message>
        <source>This answer could not be written to sing.dat.</source>
        <translation>Diese Antwort konnte nicht in sing.dat geschrieben werden.</translation>
    </message>
    <message>
        <source>Sing your lowest comfortable note and hold it.</source>
        <translation>Singen Sie Ihren tiefsten bequemen Ton und halten Sie ihn.</translation>
    </message>
    <message>
        <source>Now sing your highest comfortable note and hold it.</source>
        <translation>Singen Sie jetzt Ihren höchsten bequemen Ton und halten Sie ihn.</translation>
    </message>
    <message>
        <source>No note was heard. Press Sing My Range to try again.</source>
        <translation>Es wurde kein Ton gehört. Drücken Sie „Meinen Umfang singen“, um es noch einmal zu versuchen.</translation>
    </message>
    <message>
        <source>Your range is kept: the notes played now lie where you sang.</source>
        <translation>Ihr Umfang ist gespeichert: Die gespielten Töne liegen jetzt dort, wo Sie gesungen haben.</translation>
    </message>
    <message>
        <source>Listen, then sing the notes back one after another, in any octave.</source>
        <translation>Hören Sie zu und singen Sie die Töne dann nacheinander nach, in beliebiger Oktave.</translation>
    </message>
</context>
<context>
    <name>TSonorixApplication</name>
    <message>
        <source>Unknown exception</source>
        <translation>Unbekannte Ausnahme</translation>
    </message>
    <message>
        <source>Some lines of %1 are no settings (%2). They stay in the file as they are; the settings that could be read are used.</source>
        <translation>Einige Zeilen von %1 sind keine Einstellungen (%2). Sie bleiben unverändert in der Datei; die lesbaren Einstellungen werden verwendet.</translation>
    </message>
    <message>
        <source>Your work could not be saved in %1: %2.

It is kept in %3 and will be added at the next start of Sonorix where the file can be written. Please tell your teacher.</source>
        <translation>Ihre Arbeit konnte nicht in %1 gespeichert werden: %2.

Sie wird in %3 aufbewahrt und beim nächsten Start von Sonorix hinzugefügt, an dem die Datei beschreibbar ist. Bitte sagen Sie es Ihrer Lehrkraft.</translation>
    </message>
    <message>
        <source>Your work could not be saved in %1: %2.

It could not be kept in your own folder either. Please tell your teacher.</source>
        <translation>Ihre Arbeit konnte nicht in %1 gespeichert werden: %2.

Sie konnte auch nicht in Ihrem eigenen Ordner aufbewahrt werden. Bitte sagen Sie es Ihrer Lehrkraft.</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Cannot use the data folder: </source>
        <translation>Der Datenordner ist nicht nutzbar: </translation>
    </message>
    <message>
        <source>Usage: sonorix [--help] [--version] [--data-dir DIR] [--class-overview [DIR]]
Ear training: Sonorix plays trichords and tetrachords and you name their set class.

  --help          show this help and exit
  --version       show the version and exit
  --data-dir DIR  keep the data files in DIR (a class folder, for example)
  --class-overview [DIR]
                  show the Class Overview of DIR (else of the data folder)
                  without logging in

The data folder is the first of: --data-dir, $SONORIX_DATA_DIR, DataDir=
in /etc/sonorix/sonorix.conf; else the installed program keeps its data
files in $XDG_DATA_HOME/sonorix (~/.local/share/sonorix by default).
It copies ftclass.dat and readme.txt there when they are missing.
Sound: see sonorix(1) for MIDIWAY_SOUNDFONT, MIDIWAY_AUDIO_DRIVER and
MIDIWAY_AUDIO_FILE.
</source>
        <translation>Aufruf: sonorix [--help] [--version] [--data-dir ORDNER] [--class-overview [ORDNER]]
Gehörbildung: Sonorix spielt Trichorde und Tetrachorde, und Sie benennen ihre Set-Klasse.

  --help             diese Hilfe zeigen und beenden
  --version          die Version zeigen und beenden
  --data-dir ORDNER  die Datendateien in ORDNER halten (etwa einem Klassenordner)
  --class-overview [ORDNER]
                     die Klassenübersicht von ORDNER (sonst des Datenordners)
                     ohne Anmeldung zeigen

Der Datenordner ist der erste von: --data-dir, $SONORIX_DATA_DIR, DataDir=
in /etc/sonorix/sonorix.conf; sonst hält das installierte Programm seine
Datendateien in $XDG_DATA_HOME/sonorix (standardmäßig ~/.local/share/sonorix).
Es kopiert ftclass.dat und readme.txt dorthin, wenn sie fehlen. Ton: siehe
sonorix(1) zu MIDIWAY_SOUNDFONT, MIDIWAY_AUDIO_DRIVER und MIDIWAY_AUDIO_FILE.
</translation>
    </message>
    <message>
        <source>The Class Overview of a shared folder is for the teachers named in /etc/sonorix/sonorix.conf.</source>
        <translation>Die Klassenübersicht eines geteilten Ordners ist den in /etc/sonorix/sonorix.conf genannten Lehrkräften vorbehalten.</translation>
    </message>
</context>
</TS>
