<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>WebPage</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Export my data</source>
        <translation>Esporta i miei dati</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importa…</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Counters</source>
        <translation>Contatori</translation>
    </message>
    <message>
        <source>Listen again</source>
        <translation>Riascolta</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabella</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapporto</translation>
    </message>
    <message>
        <source>Enabled set classes</source>
        <translation>Classi di insiemi attive</translation>
    </message>
    <message>
        <source>Loading the sound</source>
        <translation>Caricamento del suono</translation>
    </message>
    <message>
        <source>Built-in synthesizer (FluidSynth, TimGM6mb)</source>
        <translation>Sintetizzatore integrato (FluidSynth, TimGM6mb)</translation>
    </message>
    <message>
        <source>The browser did not allow its MIDI outputs.</source>
        <translation>Il browser non ha consentito le sue uscite MIDI.</translation>
    </message>
    <message>
        <source>This browser offers no MIDI outputs (Web MIDI).</source>
        <translation>Questo browser non offre uscite MIDI (Web MIDI).</translation>
    </message>
    <message>
        <source>In the browser it sounds FluidSynth (LGPL-2.1, through js-synthesizer, BSD-3) with the TimGM6mb SoundFont by Tim Brechbill (GPL-2); their licences are served beside the page:</source>
        <translation>Nel browser suona FluidSynth (LGPL-2.1, tramite js-synthesizer, BSD-3) con il SoundFont TimGM6mb di Tim Brechbill (GPL-2); le loro licenze sono servite accanto alla pagina:</translation>
    </message>
    <message>
        <source>licences</source>
        <translation>licenze</translation>
    </message>
    <message>
        <source>BEGIN / END</source>
        <translation>INIZIO / FINE</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>F1, or p on a button or the list</source>
        <translation>F1, oppure p su un pulsante o sull&apos;elenco</translation>
    </message>
    <message>
        <source>F2, or q on a button or the list</source>
        <translation>F2, oppure q su un pulsante o sull&apos;elenco</translation>
    </message>
    <message>
        <source>F3, or r on a button or the list</source>
        <translation>F3, oppure r su un pulsante o sull&apos;elenco</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Arpeggiate Up</source>
        <translation>Arpeggio ascendente</translation>
    </message>
    <message>
        <source>Arpeggiate Down</source>
        <translation>Arpeggio discendente</translation>
    </message>
    <message>
        <source>Up, Down in the list</source>
        <translation>Su, Giù nell&apos;elenco</translation>
    </message>
    <message>
        <source>choose a set class</source>
        <translation>scegliere una classe di insiemi</translation>
    </message>
    <message>
        <source>the counts and the time, spoken</source>
        <translation>i contatori e il tempo, letti ad alta voce</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Pause and wait for me…</source>
        <translation>Pausa e «Aspettami»…</translation>
    </message>
    <message>
        <source>Pause and wait for me</source>
        <translation>Pausa e «Aspettami»</translation>
    </message>
    <message>
        <source>Pause before the next question</source>
        <translation>Pausa prima della domanda successiva</translation>
    </message>
    <message>
        <source>no pause</source>
        <translation>nessuna pausa</translation>
    </message>
    <message>
        <source>Wait for me: the next question (and the first) plays when I press Space or Next question</source>
        <translation>Aspettami: la domanda successiva (e la prima) suona quando premo Spazio o Domanda successiva</translation>
    </message>
    <message>
        <source>The drill&apos;s clock runs on meanwhile; the drill still counts for the high scores.</source>
        <translation>Nel frattempo l&apos;orologio dell&apos;esercizio continua; l&apos;esercizio conta ancora per i punteggi migliori.</translation>
    </message>
    <message>
        <source>Next question (Space)</source>
        <translation>Domanda successiva (Spazio)</translation>
    </message>
    <message>
        <source>This browser offers no MIDI inputs (Web MIDI): answer by typing. Chrome and Edge offer them; Safari does not, nor Firefox without its permission.</source>
        <translation>Questo browser non offre ingressi MIDI (Web MIDI): rispondete digitando. Chrome ed Edge li offrono; Safari no, né Firefox senza il suo permesso.</translation>
    </message>
    <message>
        <source>The browser did not allow its MIDI inputs: answer by typing, or allow MIDI in the site&apos;s settings and open this window again.</source>
        <translation>Il browser non ha consentito i suoi ingressi MIDI: rispondete digitando, oppure consentite MIDI nelle impostazioni del sito e riaprite questa finestra.</translation>
    </message>
    <message>
        <source>No MIDI input port found. A keyboard appears here once it is connected and this window is opened again.</source>
        <translation>Nessuna porta di ingresso MIDI trovata. Una tastiera appare qui una volta collegata e riaperta questa finestra.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3</source>
        <translation>%1: da %2 a %3</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Giusto</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Sbagliato</translation>
    </message>
    <message>
        <source>This browser does not let Sonorix keep its files (a private window, or the storage is full). Your results stay until you close the page: use Exit › Export my data to keep them.</source>
        <translation>Questo browser non permette a Sonorix di conservare i suoi file (una finestra privata, o lo spazio è pieno). I risultati restano fino alla chiusura della pagina: usate Esci › Esporta i miei dati per conservarli.</translation>
    </message>
    <message>
        <source>End the drill before importing data. Nothing was changed.</source>
        <translation>Terminate l&apos;esercizio prima di importare dati. Nulla è stato cambiato.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an archive of Sonorix&apos;s data, or it is damaged (%2). Nothing was changed.</source>
        <translation>«%1» non è un archivio dei dati di Sonorix, oppure è danneggiato (%2). Nulla è stato cambiato.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. Nothing was changed.</source>
        <translation>Impossibile leggere «%1». Nulla è stato cambiato.</translation>
    </message>
    <message>
        <source>This browser cannot play Sonorix&apos;s built-in synthesizer (it has no AudioWorklet). Choose a MIDI output under MIDI › Midi Setup, or use a current Chrome, Edge, Firefox or Safari.</source>
        <translation>Questo browser non può suonare il sintetizzatore integrato di Sonorix (non ha AudioWorklet). Scegliete un&apos;uscita MIDI in MIDI › Impostazioni MIDI, oppure usate un Chrome, Edge, Firefox o Safari recente.</translation>
    </message>
    <message>
        <source>The sound could not be loaded (%1). Reload the page to try again.</source>
        <translation>Impossibile caricare il suono (%1). Ricaricate la pagina per riprovare.</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s), %1 minutes in all</source>
        <translation>
            <numerusform>%n settimana, %1 minuti in tutto</numerusform>
            <numerusform>%n settimane, %1 minuti in tutto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Importing replaces all of Sonorix&apos;s data in this browser (the people, the drill log, the high scores, the error statistics and the filters) by the archive&apos;s %n file(s): %1. Export your data first to keep it.</source>
        <translation>
            <numerusform>L&apos;importazione sostituisce tutti i dati di Sonorix in questo browser (le persone, il registro degli esercizi, i punteggi migliori, le statistiche degli errori e i filtri) con l&apos;unico file dell&apos;archivio: %1. Esportate prima i vostri dati per conservarli.</numerusform>
            <numerusform>L&apos;importazione sostituisce tutti i dati di Sonorix in questo browser (le persone, il registro degli esercizi, i punteggi migliori, le statistiche degli errori e i filtri) con i %n file dell&apos;archivio: %1. Esportate prima i vostri dati per conservarli.</numerusform>
        </translation>
    </message>
    <message>
        <source>No practice yet: choose Practice Mode in the Progress menu.</source>
        <translation>Nessuna pratica ancora: scegliere Modalità pratica nel menu Progressi.</translation>
    </message>
    <message>
        <source>%1 (%2 % of the questions): %3</source>
        <translation>%1 (%2 % delle domande): %3</translation>
    </message>
    <message>
        <source>not practised yet</source>
        <translation>non ancora esercitato</translation>
    </message>
    <message>
        <source>not practised yet; %1 % right in your drills</source>
        <translation>non ancora esercitato; %1 % giusto nei tuoi esercizi</translation>
    </message>
    <message>
        <source>confused with %1 this week</source>
        <translation>confuso questa settimana con %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>missed when last asked</source>
        <translation>sbagliato l’ultima volta</translation>
    </message>
    <message>
        <source>box %1 of %2</source>
        <translation>casella %1 di %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n time(s))</source>
        <translation>
            <numerusform>%1 (%n volta)</numerusform>
            <numerusform>%1 (%n volte)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>right at the first try in %1 of %n question(s)</source>
        <translation>
            <numerusform>giusto al primo tentativo in %1 di %n domanda</numerusform>
            <numerusform>giusto al primo tentativo in %1 di %n domande</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Sonorix could not start in this browser (%1). Reload the page to try again, or use a current Chrome, Edge, Firefox or Safari.</source>
        <translation>Sonorix non è riuscito ad avviarsi in questo browser (%1). Ricarica la pagina per riprovare, oppure usa un Chrome, Edge, Firefox o Safari recente.</translation>
    </message>
    <message>
        <source>Read the class</source>
        <translation>Leggi la classe</translation>
    </message>
    <message>
        <source>Reading the logs…</source>
        <translation>Lettura dei registri…</translation>
    </message>
    <message>
        <source>The class&apos;s high scores</source>
        <translation>Punteggi migliori della classe</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Posto</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Stampa…</translation>
    </message>
    <message>
        <source>The account name cannot name a folder of the class.</source>
        <translation>Questo nome di account non può nominare una cartella della classe.</translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) of the class are closed to this account; their figures are not shown.</source>
        <translation>
            <numerusform>%n cartella della classe è chiusa a questo account; i suoi dati non sono mostrati.</numerusform>
            <numerusform>%n cartelle della classe sono chiuse a questo account; i loro dati non sono mostrati.</numerusform>
        </translation>
    </message>
    <message>
        <source>The class&apos;s server cannot be reached.</source>
        <translation>Il server della classe non è raggiungibile.</translation>
    </message>
    <message>
        <source>The connection to the class&apos;s server broke while the class was read.</source>
        <translation>La connessione al server della classe si è interrotta durante la lettura della classe.</translation>
    </message>
    <message>
        <source>The class&apos;s server does not let this account read the whole class.</source>
        <translation>Il server della classe non consente a questo account di leggere l&apos;intera classe.</translation>
    </message>
</context>
<context>
    <name>WebClass</name>
    <message>
        <source>https://cloud.school.example/remote.php/dav/files/ann/Theory 1/</source>
        <translation>https://cloud.school.example/remote.php/dav/files/ann/Teoria 1/</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Join a Class…</source>
        <translation>Unisciti a una classe…</translation>
    </message>
    <message>
        <source>Leave the Class</source>
        <translation>Lascia la classe</translation>
    </message>
    <message>
        <source>Join a Class</source>
        <translation>Unisciti a una classe</translation>
    </message>
    <message>
        <source>The class folder&apos;s WebDAV address</source>
        <translation>Indirizzo WebDAV della cartella della classe</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>App password</source>
        <translation>Password per app</translation>
    </message>
    <message>
        <source>Remember on this device</source>
        <translation>Ricorda su questo dispositivo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Type the account.</source>
        <translation>Scrivi l&apos;account.</translation>
    </message>
    <message>
        <source>Type the app password.</source>
        <translation>Scrivi la password per app.</translation>
    </message>
    <message>
        <source>Type the app password again to send to the class: Class › Join a Class…</source>
        <translation>Scrivi di nuovo la password per app per inviare alla classe: Classe › Unisciti a una classe…</translation>
    </message>
    <message>
        <source>Sonorix forgets the class&apos;s address, the account and the password on this device; your own files stay.</source>
        <translation>Sonorix dimentica su questo dispositivo l&apos;indirizzo della classe, l&apos;account e la password; i tuoi file restano.</translation>
    </message>
    <message numerus="yes">
        <source>%n drill(s) still waiting for the network will not be sent to the class.</source>
        <translation>
            <numerusform>%n esercizio ancora in attesa della rete non sarà inviato alla classe.</numerusform>
            <numerusform>%n esercizi ancora in attesa della rete non saranno inviati alla classe.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WebAssign</name>
    <message>
        <source>Assignments…</source>
        <translation>Compiti…</translation>
    </message>
    <message>
        <source>Due this week</source>
        <translation>In scadenza questa settimana</translation>
    </message>
    <message>
        <source>New…</source>
        <translation>Nuovo…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Compito</translation>
    </message>
    <message>
        <source>Instructions (a few lines)</source>
        <translation>Istruzioni (alcune righe)</translation>
    </message>
    <message>
        <source>Done when</source>
        <translation>Fatto quando</translation>
    </message>
    <message>
        <source>How many</source>
        <translation>Quanti</translation>
    </message>
    <message>
        <source>Each with at least this many right</source>
        <translation>Ognuno con almeno tante risposte giuste</translation>
    </message>
    <message>
        <source>And at least this share right (%)</source>
        <translation>E almeno questa quota giusta (%)</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Times per class</source>
        <translation>Volte per classe</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Dal</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Join a class to see its assignments (Class › Join a Class…).</source>
        <translation>Unisciti a una classe per vederne i compiti (Classe › Unisciti a una classe…).</translation>
    </message>
    <message>
        <source>Stop &quot;%1&quot;</source>
        <translation>Ferma «%1»</translation>
    </message>
    <message>
        <source>From %1, due %2</source>
        <translation>Dal %1, scadenza %2</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Modifica…</translation>
    </message>
    <message>
        <source>Copy…</source>
        <translation>Copia…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Elimina…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Assignment: %1</source>
        <translation>Compito: %1</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Salvataggio…</translation>
    </message>
    <message>
        <source>Reading the assignments…</source>
        <translation>Lettura dei compiti…</translation>
    </message>
    <message numerus="yes">
        <source>%n assignment(s)</source>
        <translation>
            <numerusform>%n compito</numerusform>
            <numerusform>%n compiti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WebSing</name>
    <message>
        <source>Singing</source>
        <translation>Canto</translation>
    </message>
    <message>
        <source>Sung questions: %1; right at the first try: %2</source>
        <translation>Domande cantate: %1; giuste al primo tentativo: %2</translation>
    </message>
    <message>
        <source>%1, %2 cents</source>
        <translation>%1, %2 cent</translation>
    </message>
    <message>
        <source>%1, %2, from %3</source>
        <translation>%1, %2, da %3</translation>
    </message>
    <message>
        <source>(any transposition or inversion)</source>
        <translation>(qualsiasi trasposizione o inversione)</translation>
    </message>
    <message>
        <source>Alto</source>
        <translation>Contralto</translation>
    </message>
    <message>
        <source>Any transposition or inversion</source>
        <translation>Qualsiasi trasposizione o inversione</translation>
    </message>
    <message>
        <source>Back to the Drill</source>
        <translation>Torna all’esercizio</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibra</translation>
    </message>
    <message>
        <source>Calibrated: sounds below %1 dB are not heard.</source>
        <translation>Calibrato: i suoni sotto %1 dB non vengono ascoltati.</translation>
    </message>
    <message>
        <source>Calibrating: please stay quiet for three seconds…</source>
        <translation>Calibrazione: resta in silenzio per tre secondi…</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Find My Range</source>
        <translation>Trova la mia estensione</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Da %1 a %2</translation>
    </message>
    <message>
        <source>Heard notes</source>
        <translation>Note sentite</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Listen, then sing the notes back one after another, in any octave.</source>
        <translation>Ascolta, poi canta le note una dopo l’altra, in qualsiasi ottava.</translation>
    </message>
    <message>
        <source>Listening failed (%1). Choose Start again, or go back to the drill.</source>
        <translation>L’ascolto non è riuscito (%1). Scegli di nuovo Inizia, oppure torna all’esercizio.</translation>
    </message>
    <message>
        <source>Listen…</source>
        <translation>Ascolta…</translation>
    </message>
    <message>
        <source>Loading the pitch tracker…</source>
        <translation>Caricamento del rilevatore di altezza…</translation>
    </message>
    <message>
        <source>Mine</source>
        <translation>La mia</translation>
    </message>
    <message>
        <source>New Exercise</source>
        <translation>Nuovo esercizio</translation>
    </message>
    <message>
        <source>No microphone was found. Connect one and choose Start again, or go back to the drill.</source>
        <translation>Nessun microfono trovato. Collegane uno e scegli di nuovo Inizia, oppure torna all’esercizio.</translation>
    </message>
    <message>
        <source>Now sing your highest comfortable note…</source>
        <translation>Ora canta la tua nota più acuta comoda…</translation>
    </message>
    <message>
        <source>Play the Right Notes</source>
        <translation>Suona le note giuste</translation>
    </message>
    <message>
        <source>Sing it back</source>
        <translation>Ricantarlo</translation>
    </message>
    <message>
        <source>Sing now.</source>
        <translation>Canta ora.</translation>
    </message>
    <message>
        <source>Sing the Answer</source>
        <translation>Cantare la risposta</translation>
    </message>
    <message>
        <source>Sing the Answer…</source>
        <translation>Cantare la risposta…</translation>
    </message>
    <message>
        <source>Sing the class</source>
        <translation>Cantare la classe</translation>
    </message>
    <message>
        <source>Sing your lowest comfortable note…</source>
        <translation>Canta la tua nota più grave comoda…</translation>
    </message>
    <message>
        <source>Sonorix may not use the microphone. Allow it in the browser&apos;s site settings, then choose Start again; or go back to the drill.</source>
        <translation>Sonorix non può usare il microfono. Consentilo nelle impostazioni del sito del browser, poi scegli di nuovo Inizia; oppure torna all’esercizio.</translation>
    </message>
    <message>
        <source>Soprano</source>
        <translation>Soprano</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Smetti di ascoltare</translation>
    </message>
    <message>
        <source>Tenor</source>
        <translation>Tenore</translation>
    </message>
    <message>
        <source>The microphone has gone silent. Check it, then choose Start again; or go back to the drill.</source>
        <translation>Il microfono è diventato muto. Controllalo, poi scegli di nuovo Inizia; oppure torna all’esercizio.</translation>
    </message>
    <message>
        <source>The microphone is open only while Sonorix listens. Nothing you sing is kept or sent.</source>
        <translation>Il microfono è aperto solo mentre Sonorix ascolta. Nulla di ciò che canti viene conservato o inviato.</translation>
    </message>
    <message>
        <source>The right notes</source>
        <translation>Le note giuste</translation>
    </message>
    <message>
        <source>This browser cannot listen to a microphone here. Use a current browser over HTTPS, or go back to the drill.</source>
        <translation>Questo browser non può ascoltare un microfono qui. Usa un browser aggiornato via HTTPS, oppure torna all’esercizio.</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolleranza</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>Voice range</source>
        <translation>Estensione della voce</translation>
    </message>
    <message>
        <source>You sang</source>
        <translation>Hai cantato</translation>
    </message>
    <message>
        <source>inverted form</source>
        <translation>forma invertita</translation>
    </message>
    <message>
        <source>prime form</source>
        <translation>forma primaria</translation>
    </message>
    <message>
        <source>±%1 cents</source>
        <translation>±%1 cent</translation>
    </message>
</context>
</TS>
