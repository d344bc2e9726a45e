<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>WebPage</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Export my data</source>
        <translation>Meine Daten exportieren</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Counters</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Listen again</source>
        <translation>Noch einmal hören</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Enabled set classes</source>
        <translation>Eingeschaltete Set-Klassen</translation>
    </message>
    <message>
        <source>Loading the sound</source>
        <translation>Der Klang wird geladen</translation>
    </message>
    <message>
        <source>Built-in synthesizer (FluidSynth, TimGM6mb)</source>
        <translation>Eingebauter Synthesizer (FluidSynth, TimGM6mb)</translation>
    </message>
    <message>
        <source>The browser did not allow its MIDI outputs.</source>
        <translation>Der Browser hat seine MIDI-Ausgänge nicht erlaubt.</translation>
    </message>
    <message>
        <source>This browser offers no MIDI outputs (Web MIDI).</source>
        <translation>Dieser Browser bietet keine MIDI-Ausgänge (Web MIDI).</translation>
    </message>
    <message>
        <source>In the browser it sounds FluidSynth (LGPL-2.1, through js-synthesizer, BSD-3) with the TimGM6mb SoundFont by Tim Brechbill (GPL-2); their licences are served beside the page:</source>
        <translation>Im Browser erklingt FluidSynth (LGPL-2.1, über js-synthesizer, BSD-3) mit dem SoundFont TimGM6mb von Tim Brechbill (GPL-2); ihre Lizenzen liegen neben der Seite:</translation>
    </message>
    <message>
        <source>licences</source>
        <translation>Lizenzen</translation>
    </message>
    <message>
        <source>BEGIN / END</source>
        <translation>START / ENDE</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Strg+B</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabetaste</translation>
    </message>
    <message>
        <source>F1, or p on a button or the list</source>
        <translation>F1, oder p auf einer Schaltfläche oder der Liste</translation>
    </message>
    <message>
        <source>F2, or q on a button or the list</source>
        <translation>F2, oder q auf einer Schaltfläche oder der Liste</translation>
    </message>
    <message>
        <source>F3, or r on a button or the list</source>
        <translation>F3, oder r auf einer Schaltfläche oder der Liste</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Arpeggiate Up</source>
        <translation>Arpeggio auf</translation>
    </message>
    <message>
        <source>Arpeggiate Down</source>
        <translation>Arpeggio ab</translation>
    </message>
    <message>
        <source>Up, Down in the list</source>
        <translation>Auf, Ab in der Liste</translation>
    </message>
    <message>
        <source>choose a set class</source>
        <translation>eine Set-Klasse wählen</translation>
    </message>
    <message>
        <source>the counts and the time, spoken</source>
        <translation>die Zählerstände und die Zeit, gesprochen</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Strg+I</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Pause and wait for me…</source>
        <translation>Pause und „Auf mich warten“…</translation>
    </message>
    <message>
        <source>Pause and wait for me</source>
        <translation>Pause und „Auf mich warten“</translation>
    </message>
    <message>
        <source>Pause before the next question</source>
        <translation>Pause vor der nächsten Frage</translation>
    </message>
    <message>
        <source>no pause</source>
        <translation>keine Pause</translation>
    </message>
    <message>
        <source>Wait for me: the next question (and the first) plays when I press Space or Next question</source>
        <translation>Auf mich warten: die nächste Frage (und die erste) erklingt, wenn ich die Leertaste oder Nächste Frage drücke</translation>
    </message>
    <message>
        <source>The drill&apos;s clock runs on meanwhile; the drill still counts for the high scores.</source>
        <translation>Die Uhr der Übung läuft währenddessen weiter; die Übung zählt weiter für die Bestenliste.</translation>
    </message>
    <message>
        <source>Next question (Space)</source>
        <translation>Nächste Frage (Leertaste)</translation>
    </message>
    <message>
        <source>This browser offers no MIDI inputs (Web MIDI): answer by typing. Chrome and Edge offer them; Safari does not, nor Firefox without its permission.</source>
        <translation>Dieser Browser bietet keine MIDI-Eingänge (Web MIDI): antworten Sie durch Tippen. Chrome und Edge bieten sie; Safari nicht, Firefox nicht ohne seine Erlaubnis.</translation>
    </message>
    <message>
        <source>The browser did not allow its MIDI inputs: answer by typing, or allow MIDI in the site&apos;s settings and open this window again.</source>
        <translation>Der Browser hat seine MIDI-Eingänge nicht erlaubt: antworten Sie durch Tippen, oder erlauben Sie MIDI in den Einstellungen der Website und öffnen Sie dieses Fenster erneut.</translation>
    </message>
    <message>
        <source>No MIDI input port found. A keyboard appears here once it is connected and this window is opened again.</source>
        <translation>Kein MIDI-Eingangsport gefunden. Eine Tastatur erscheint hier, sobald sie verbunden ist und dieses Fenster erneut geöffnet wird.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3</source>
        <translation>%1: von %2 auf %3</translation>
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
        <source>This browser does not let Sonorix keep its files (a private window, or the storage is full). Your results stay until you close the page: use Exit › Export my data to keep them.</source>
        <translation>Dieser Browser lässt Sonorix seine Dateien nicht behalten (ein privates Fenster, oder der Speicher ist voll). Ihre Ergebnisse bleiben, bis Sie die Seite schließen: Beenden › Meine Daten exportieren bewahrt sie.</translation>
    </message>
    <message>
        <source>End the drill before importing data. Nothing was changed.</source>
        <translation>Beenden Sie die Übung, bevor Sie Daten importieren. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an archive of Sonorix&apos;s data, or it is damaged (%2). Nothing was changed.</source>
        <translation>„%1“ ist kein Archiv der Daten von Sonorix, oder es ist beschädigt (%2). Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. Nothing was changed.</source>
        <translation>„%1“ konnte nicht gelesen werden. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>This browser cannot play Sonorix&apos;s built-in synthesizer (it has no AudioWorklet). Choose a MIDI output under MIDI › Midi Setup, or use a current Chrome, Edge, Firefox or Safari.</source>
        <translation>Dieser Browser kann den eingebauten Synthesizer von Sonorix nicht spielen (er hat kein AudioWorklet). Wählen Sie einen MIDI-Ausgang unter MIDI › MIDI-Einstellungen, oder nehmen Sie einen aktuellen Chrome, Edge, Firefox oder Safari.</translation>
    </message>
    <message>
        <source>The sound could not be loaded (%1). Reload the page to try again.</source>
        <translation>Der Klang konnte nicht geladen werden (%1). Laden Sie die Seite neu, um es wieder zu versuchen.</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s), %1 minutes in all</source>
        <translation>
            <numerusform>%n Woche, %1 Minuten insgesamt</numerusform>
            <numerusform>%n Wochen, %1 Minuten insgesamt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Importing replaces all of Sonorix&apos;s data in this browser (the people, the drill log, the high scores, the error statistics and the filters) by the archive&apos;s %n file(s): %1. Export your data first to keep it.</source>
        <translation>
            <numerusform>Der Import ersetzt alle Daten von Sonorix in diesem Browser (die Personen, das Übungsprotokoll, die Bestenlisten, die Fehlerstatistik und die Filter) durch die %n Datei des Archivs: %1. Exportieren Sie Ihre Daten zuerst, um sie zu behalten.</numerusform>
            <numerusform>Der Import ersetzt alle Daten von Sonorix in diesem Browser (die Personen, das Übungsprotokoll, die Bestenlisten, die Fehlerstatistik und die Filter) durch die %n Dateien des Archivs: %1. Exportieren Sie Ihre Daten zuerst, um sie zu behalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>No practice yet: choose Practice Mode in the Progress menu.</source>
        <translation>Noch kein Training: Trainingsmodus im Menü Fortschritt wählen.</translation>
    </message>
    <message>
        <source>%1 (%2 % of the questions): %3</source>
        <translation>%1 (%2 % der Fragen): %3</translation>
    </message>
    <message>
        <source>not practised yet</source>
        <translation>noch nicht geübt</translation>
    </message>
    <message>
        <source>not practised yet; %1 % right in your drills</source>
        <translation>noch nicht geübt; %1 % richtig in Ihren Übungen</translation>
    </message>
    <message>
        <source>confused with %1 this week</source>
        <translation>diese Woche verwechselt mit %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>missed when last asked</source>
        <translation>zuletzt verfehlt</translation>
    </message>
    <message>
        <source>box %1 of %2</source>
        <translation>Fach %1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n time(s))</source>
        <translation>
            <numerusform>%1 (%n-mal)</numerusform>
            <numerusform>%1 (%n-mal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>right at the first try in %1 of %n question(s)</source>
        <translation>
            <numerusform>beim ersten Versuch richtig in %1 von %n Frage</numerusform>
            <numerusform>beim ersten Versuch richtig in %1 von %n Fragen</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Sonorix could not start in this browser (%1). Reload the page to try again, or use a current Chrome, Edge, Firefox or Safari.</source>
        <translation>Sonorix konnte in diesem Browser nicht starten (%1). Laden Sie die Seite neu, um es wieder zu versuchen, oder verwenden Sie ein aktuelles Chrome, Edge, Firefox oder Safari.</translation>
    </message>
    <message>
        <source>Read the class</source>
        <translation>Klasse lesen</translation>
    </message>
    <message>
        <source>Reading the logs…</source>
        <translation>Protokolle werden gelesen…</translation>
    </message>
    <message>
        <source>The class&apos;s high scores</source>
        <translation>Bestenlisten der Klasse</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>The account name cannot name a folder of the class.</source>
        <translation>Dieser Kontoname kann keinen Ordner der Klasse benennen.</translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) of the class are closed to this account; their figures are not shown.</source>
        <translation>
            <numerusform>%n Ordner der Klasse ist diesem Konto verschlossen; seine Zahlen werden nicht gezeigt.</numerusform>
            <numerusform>%n Ordner der Klasse sind diesem Konto verschlossen; ihre Zahlen werden nicht gezeigt.</numerusform>
        </translation>
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
</context>
<context>
    <name>WebClass</name>
    <message>
        <source>https://cloud.school.example/remote.php/dav/files/ann/Theory 1/</source>
        <translation>https://cloud.school.example/remote.php/dav/files/ann/Theorie 1/</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Join a Class…</source>
        <translation>Einer Klasse beitreten…</translation>
    </message>
    <message>
        <source>Leave the Class</source>
        <translation>Die Klasse verlassen</translation>
    </message>
    <message>
        <source>Join a Class</source>
        <translation>Einer Klasse beitreten</translation>
    </message>
    <message>
        <source>The class folder&apos;s WebDAV address</source>
        <translation>WebDAV-Adresse des Klassenordners</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>App password</source>
        <translation>App-Passwort</translation>
    </message>
    <message>
        <source>Remember on this device</source>
        <translation>Auf diesem Gerät merken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Type the account.</source>
        <translation>Geben Sie das Konto ein.</translation>
    </message>
    <message>
        <source>Type the app password.</source>
        <translation>Geben Sie das App-Passwort ein.</translation>
    </message>
    <message>
        <source>Type the app password again to send to the class: Class › Join a Class…</source>
        <translation>Geben Sie das App-Passwort erneut ein, um an die Klasse zu senden: Klasse › Einer Klasse beitreten…</translation>
    </message>
    <message>
        <source>Sonorix forgets the class&apos;s address, the account and the password on this device; your own files stay.</source>
        <translation>Sonorix vergisst auf diesem Gerät die Adresse der Klasse, das Konto und das Passwort; Ihre eigenen Dateien bleiben.</translation>
    </message>
    <message numerus="yes">
        <source>%n drill(s) still waiting for the network will not be sent to the class.</source>
        <translation>
            <numerusform>%n Übung, die noch auf das Netz wartet, wird nicht an die Klasse gesendet.</numerusform>
            <numerusform>%n Übungen, die noch auf das Netz warten, werden nicht an die Klasse gesendet.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WebAssign</name>
    <message>
        <source>Assignments…</source>
        <translation>Aufgaben…</translation>
    </message>
    <message>
        <source>Due this week</source>
        <translation>Diese Woche fällig</translation>
    </message>
    <message>
        <source>New…</source>
        <translation>Neu…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Instructions (a few lines)</source>
        <translation>Anleitung (einige Zeilen)</translation>
    </message>
    <message>
        <source>Done when</source>
        <translation>Erledigt, wenn</translation>
    </message>
    <message>
        <source>How many</source>
        <translation>Wie viele</translation>
    </message>
    <message>
        <source>Each with at least this many right</source>
        <translation>Jede mit mindestens so vielen richtigen</translation>
    </message>
    <message>
        <source>And at least this share right (%)</source>
        <translation>Und mindestens so viel richtig (%)</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Times per class</source>
        <translation>Mal je Klasse</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Join a class to see its assignments (Class › Join a Class…).</source>
        <translation>Treten Sie einer Klasse bei, um ihre Aufgaben zu sehen (Klasse › Einer Klasse beitreten…).</translation>
    </message>
    <message>
        <source>Stop &quot;%1&quot;</source>
        <translation>„%1“ beenden</translation>
    </message>
    <message>
        <source>From %1, due %2</source>
        <translation>Ab %1, fällig %2</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Bearbeiten…</translation>
    </message>
    <message>
        <source>Copy…</source>
        <translation>Kopieren…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Löschen…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Assignment: %1</source>
        <translation>Aufgabe: %1</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Wird gespeichert…</translation>
    </message>
    <message>
        <source>Reading the assignments…</source>
        <translation>Die Aufgaben werden gelesen…</translation>
    </message>
    <message numerus="yes">
        <source>%n assignment(s)</source>
        <translation>
            <numerusform>%n Aufgabe</numerusform>
            <numerusform>%n Aufgaben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WebSing</name>
    <message>
        <source>Singing</source>
        <translation>Singen</translation>
    </message>
    <message>
        <source>Sung questions: %1; right at the first try: %2</source>
        <translation>Gesungene Fragen: %1; beim ersten Versuch richtig: %2</translation>
    </message>
    <message>
        <source>%1, %2 cents</source>
        <translation>%1, %2 Cent</translation>
    </message>
    <message>
        <source>%1, %2, from %3</source>
        <translation>%1, %2, ab %3</translation>
    </message>
    <message>
        <source>(any transposition or inversion)</source>
        <translation>(jede Transposition oder Umkehrung)</translation>
    </message>
    <message>
        <source>Alto</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Any transposition or inversion</source>
        <translation>Jede Transposition oder Umkehrung</translation>
    </message>
    <message>
        <source>Back to the Drill</source>
        <translation>Zurück zur Übung</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Bass</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Kalibrieren</translation>
    </message>
    <message>
        <source>Calibrated: sounds below %1 dB are not heard.</source>
        <translation>Kalibriert: Klänge unter %1 dB werden überhört.</translation>
    </message>
    <message>
        <source>Calibrating: please stay quiet for three seconds…</source>
        <translation>Kalibrierung: bitte drei Sekunden lang still sein…</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Find My Range</source>
        <translation>Meinen Umfang finden</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Von %1 bis %2</translation>
    </message>
    <message>
        <source>Heard notes</source>
        <translation>Gehörte Töne</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Listen, then sing the notes back one after another, in any octave.</source>
        <translation>Hören Sie zu und singen Sie die Töne dann nacheinander nach, in beliebiger Oktave.</translation>
    </message>
    <message>
        <source>Listening failed (%1). Choose Start again, or go back to the drill.</source>
        <translation>Das Zuhören ist fehlgeschlagen (%1). Wählen Sie erneut Start oder kehren Sie zur Übung zurück.</translation>
    </message>
    <message>
        <source>Listen…</source>
        <translation>Hören Sie zu…</translation>
    </message>
    <message>
        <source>Loading the pitch tracker…</source>
        <translation>Die Tonhöhenerkennung wird geladen…</translation>
    </message>
    <message>
        <source>Mine</source>
        <translation>Meiner</translation>
    </message>
    <message>
        <source>New Exercise</source>
        <translation>Neue Aufgabe</translation>
    </message>
    <message>
        <source>No microphone was found. Connect one and choose Start again, or go back to the drill.</source>
        <translation>Es wurde kein Mikrofon gefunden. Schließen Sie eines an und wählen Sie erneut Start, oder kehren Sie zur Übung zurück.</translation>
    </message>
    <message>
        <source>Now sing your highest comfortable note…</source>
        <translation>Singen Sie jetzt Ihren höchsten bequemen Ton…</translation>
    </message>
    <message>
        <source>Play the Right Notes</source>
        <translation>Richtige Töne spielen</translation>
    </message>
    <message>
        <source>Sing it back</source>
        <translation>Nachsingen</translation>
    </message>
    <message>
        <source>Sing now.</source>
        <translation>Singen Sie jetzt.</translation>
    </message>
    <message>
        <source>Sing the Answer</source>
        <translation>Die Antwort singen</translation>
    </message>
    <message>
        <source>Sing the Answer…</source>
        <translation>Die Antwort singen…</translation>
    </message>
    <message>
        <source>Sing the class</source>
        <translation>Die Klasse singen</translation>
    </message>
    <message>
        <source>Sing your lowest comfortable note…</source>
        <translation>Singen Sie Ihren tiefsten bequemen Ton…</translation>
    </message>
    <message>
        <source>Sonorix may not use the microphone. Allow it in the browser&apos;s site settings, then choose Start again; or go back to the drill.</source>
        <translation>Sonorix darf das Mikrofon nicht benutzen. Erlauben Sie es in den Website-Einstellungen des Browsers und wählen Sie dann erneut Start, oder kehren Sie zur Übung zurück.</translation>
    </message>
    <message>
        <source>Soprano</source>
        <translation>Sopran</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Zuhören beenden</translation>
    </message>
    <message>
        <source>Tenor</source>
        <translation>Tenor</translation>
    </message>
    <message>
        <source>The microphone has gone silent. Check it, then choose Start again; or go back to the drill.</source>
        <translation>Das Mikrofon ist verstummt. Prüfen Sie es und wählen Sie dann erneut Start, oder kehren Sie zur Übung zurück.</translation>
    </message>
    <message>
        <source>The microphone is open only while Sonorix listens. Nothing you sing is kept or sent.</source>
        <translation>Das Mikrofon ist nur offen, während Sonorix zuhört. Nichts von Ihrem Gesang wird gespeichert oder gesendet.</translation>
    </message>
    <message>
        <source>The right notes</source>
        <translation>Die richtigen Töne</translation>
    </message>
    <message>
        <source>This browser cannot listen to a microphone here. Use a current browser over HTTPS, or go back to the drill.</source>
        <translation>Dieser Browser kann hier kein Mikrofon hören. Verwenden Sie einen aktuellen Browser über HTTPS, oder kehren Sie zur Übung zurück.</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Toleranz</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Voice range</source>
        <translation>Stimmumfang</translation>
    </message>
    <message>
        <source>You sang</source>
        <translation>Gesungen</translation>
    </message>
    <message>
        <source>inverted form</source>
        <translation>umgekehrte Form</translation>
    </message>
    <message>
        <source>prime form</source>
        <translation>Primform</translation>
    </message>
    <message>
        <source>±%1 cents</source>
        <translation>±%1 Cent</translation>
    </message>
</context>
</TS>
