<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Accessibility</name>
    <message>
        <source>Right answers in this drill</source>
        <translation>Risposte giuste di questo esercizio</translation>
    </message>
    <message>
        <source>Wrong answers counted in this drill</source>
        <translation>Risposte sbagliate contate in questo esercizio</translation>
    </message>
    <message>
        <source>Drill time </source>
        <translation>Tempo dell&apos;esercizio </translation>
    </message>
    <message>
        <source>Minutes and seconds since BEGIN</source>
        <translation>Minuti e secondi da INIZIA</translation>
    </message>
    <message>
        <source>Starts a drill; after five right answers it ends it and shows the score. Shortcut: Ctrl+B</source>
        <translation>Inizia un esercizio; dopo cinque risposte giuste lo termina e mostra il punteggio. Scorciatoia: Ctrl+B</translation>
    </message>
    <message>
        <source>Plays the question again. Keys: F1, or p</source>
        <translation>Suona di nuovo la domanda. Tasti: F1 o p</translation>
    </message>
    <message>
        <source>Plays the question&apos;s notes one by one, upwards. Keys: F2, or q</source>
        <translation>Suona le note della domanda una alla volta, verso l&apos;alto. Tasti: F2 o q</translation>
    </message>
    <message>
        <source>Plays the question&apos;s notes one by one, downwards. Keys: F3, or r</source>
        <translation>Suona le note della domanda una alla volta, verso il basso. Tasti: F3 o r</translation>
    </message>
    <message>
        <source>Answer prefix</source>
        <translation>Prefisso della risposta</translation>
    </message>
    <message>
        <source>Type the set class number, such as 11, or Z15 with a capital Z, and press Enter. Up and Down walk the list of set classes. F1 repeats the question, F2 and F3 arpeggiate it. Ctrl+B begins or ends the drill</source>
        <translation>Scrivete il numero della classe di insiemi, come 11, o Z15 con la Z maiuscola, e premete Invio. Su e Giù scorrono l&apos;elenco delle classi di insiemi. F1 ripete la domanda, F2 e F3 la arpeggiano. Ctrl+B inizia o termina l&apos;esercizio</translation>
    </message>
    <message>
        <source>Answers with the set class chosen. Key: Enter</source>
        <translation>Risponde con la classe di insiemi scelta. Tasto: Invio</translation>
    </message>
    <message>
        <source>Set classes</source>
        <translation>Classi di insiemi</translation>
    </message>
    <message>
        <source>The set classes drilled; choosing one puts its number in the answer field</source>
        <translation>Le classi di insiemi esercitate; sceglierne una mette il suo numero nel campo di risposta</translation>
    </message>
    <message>
        <source>How questions are played</source>
        <translation>Come vengono suonate le domande</translation>
    </message>
    <message>
        <source>Cardinality</source>
        <translation>Cardinalità</translation>
    </message>
    <message>
        <source>Trichords or tetrachords</source>
        <translation>Tricordi o tetracordi</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Ambito</translation>
    </message>
    <message>
        <source>How widely the notes of a question are spread</source>
        <translation>Quanto sono distribuite le note di una domanda</translation>
    </message>
    <message>
        <source>Chooses exactly which set classes are drilled</source>
        <translation>Sceglie esattamente quali classi di insiemi esercitare</translation>
    </message>
    <message>
        <source>Trichords or tetrachords; changing it enables every set class of that cardinality</source>
        <translation>Tricordi o tetracordi; cambiarlo attiva tutte le classi di insiemi di quella cardinalità</translation>
    </message>
    <message>
        <source>Saves these settings for the next login when the window closes</source>
        <translation>Salva queste impostazioni per il prossimo accesso alla chiusura della finestra</translation>
    </message>
    <message>
        <source>Closes the window and drills what is checked. Key: Enter</source>
        <translation>Chiude la finestra ed esercita ciò che è spuntato. Tasto: Invio</translation>
    </message>
    <message>
        <source>Checks every set class</source>
        <translation>Spunta tutte le classi di insiemi</translation>
    </message>
    <message>
        <source>Clears every set class</source>
        <translation>Toglie la spunta a tutte le classi di insiemi</translation>
    </message>
    <message>
        <source>Drill this set class</source>
        <translation>Esercitare questa classe di insiemi</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il vostro nome</translation>
    </message>
    <message>
        <source>Type your name and press Enter; a name typed before is completed as you type</source>
        <translation>Scrivete il vostro nome e premete Invio; un nome già scritto viene completato mentre scrivete</translation>
    </message>
    <message>
        <source>Saved filters</source>
        <translation>Filtri salvati</translation>
    </message>
    <message>
        <source>Drills the filters saved last time. Key: Alt+Y</source>
        <translation>Esercita i filtri salvati l&apos;ultima volta. Tasto: Alt+S</translation>
    </message>
    <message>
        <source>Drills every set class of that cardinality instead. Key: Alt+N</source>
        <translation>Esercita invece tutte le classi di insiemi di quella cardinalità. Tasto: Alt+N</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Time per interval, in seconds</source>
        <translation>Tempo per intervallo, in secondi</translation>
    </message>
    <message>
        <source>Time points</source>
        <translation>Punti tempo</translation>
    </message>
    <message>
        <source>Correct percentage</source>
        <translation>Percentuale di giuste</translation>
    </message>
    <message>
        <source>Longevity bonus</source>
        <translation>Bonus di durata</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Punteggi migliori</translation>
    </message>
    <message>
        <source>Columns: date, correct, incorrect, percentage, time per interval, score</source>
        <translation>Colonne: data, giuste, sbagliate, percentuale, tempo per intervallo, punteggio</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Punteggi migliori</translation>
    </message>
    <message>
        <source>Shows right and wrong answers per set class</source>
        <translation>Mostra le risposte giuste e sbagliate per classe di insiemi</translation>
    </message>
    <message>
        <source>Error report</source>
        <translation>Rapporto errori</translation>
    </message>
    <message>
        <source>Success rate per set class, form and voicing; read it with the arrow keys</source>
        <translation>Percentuale di successo per classe di insiemi, forma e disposizione; leggetela con i tasti freccia</translation>
    </message>
    <message>
        <source>The drill just ended, or every eligible drill</source>
        <translation>L&apos;esercizio appena concluso, o tutti gli esercizi validi</translation>
    </message>
    <message>
        <source>Breaks each set class down by form A and form B</source>
        <translation>Suddivide ogni classe di insiemi per forma A e forma B</translation>
    </message>
    <message>
        <source>Breaks each form down by voicing</source>
        <translation>Suddivide ogni forma per disposizione</translation>
    </message>
    <message>
        <source>Lists the set classes each one was mistaken for</source>
        <translation>Elenca le classi di insiemi con cui ciascuna è stata confusa</translation>
    </message>
    <message>
        <source>Sets every cumulative count to zero, without asking</source>
        <translation>Azzera tutti i conteggi cumulativi, senza chiedere</translation>
    </message>
    <message>
        <source>MIDI output devices</source>
        <translation>Dispositivi di uscita MIDI</translation>
    </message>
    <message>
        <source>Choosing a device sends the questions to it at once</source>
        <translation>Scegliere un dispositivo vi invia subito le domande</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>The text of readme.txt</source>
        <translation>Il testo di readme.txt</translation>
    </message>
    <message>
        <source>Closes with Escape</source>
        <translation>Si chiude con Esc</translation>
    </message>
    <message>
        <source>MIDI input ports</source>
        <translation>Porte d&apos;ingresso MIDI</translation>
    </message>
    <message>
        <source>The keyboard to answer from</source>
        <translation>La tastiera da cui rispondere</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Whose drills are shown</source>
        <translation>Di chi sono gli esercizi mostrati</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Persona:</translation>
    </message>
    <message>
        <source>Correct percentage per drill</source>
        <translation>Percentuale di giuste per esercizio</translation>
    </message>
    <message>
        <source>Time per interval per drill</source>
        <translation>Tempo per intervallo per esercizio</translation>
    </message>
    <message>
        <source>Minutes practised per week</source>
        <translation>Minuti di pratica a settimana</translation>
    </message>
    <message>
        <source>Drills</source>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>One row per drill, the latest last</source>
        <translation>Una riga per esercizio, il più recente per ultimo</translation>
    </message>
    <message>
        <source>Writes the table to a CSV file</source>
        <translation>Scrive la tabella in un file CSV</translation>
    </message>
    <message>
        <source>Answers of</source>
        <translation>Risposte di</translation>
    </message>
    <message>
        <source>Every eligible drill, or the drill just ended</source>
        <translation>Tutti gli esercizi validi, o quello appena concluso</translation>
    </message>
    <message>
        <source>Answers of:</source>
        <translation>Risposte di:</translation>
    </message>
    <message>
        <source>Trichord confusions</source>
        <translation>Confusioni dei tricordi</translation>
    </message>
    <message>
        <source>Rows: the set class asked; columns: the one answered. Enter plays both</source>
        <translation>Righe: la classe di insiemi chiesta; colonne: quella risposta. Invio le suona entrambe</translation>
    </message>
    <message>
        <source>Tetrachord confusions</source>
        <translation>Confusioni dei tetracordi</translation>
    </message>
    <message>
        <source>Answer, tetrachord number</source>
        <translation>Risposta, numero del tetracordo</translation>
    </message>
    <message>
        <source>Answer, trichord number</source>
        <translation>Risposta, numero del tricordo</translation>
    </message>
    <message>
        <source>Drill started. First question.</source>
        <translation>Esercizio iniziato. Prima domanda.</translation>
    </message>
    <message>
        <source> The drill can now be ended with Ctrl+B.</source>
        <translation> Ora potete terminare l&apos;esercizio con Ctrl+B.</translation>
    </message>
    <message>
        <source> Next question.</source>
        <translation> Domanda successiva.</translation>
    </message>
    <message>
        <source>Not %1, counted once. Try again.</source>
        <translation>Non è %1, contato una volta. Riprovate.</translation>
    </message>
    <message>
        <source>No set class chosen.</source>
        <translation>Nessuna classe di insiemi scelta.</translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation>Giusto: %1.</translation>
    </message>
    <message>
        <source>Wrong: not %1. Try again.</source>
        <translation>Sbagliato: non è %1. Riprovate.</translation>
    </message>
    <message>
        <source>No drill running. Ctrl+B begins one.</source>
        <translation>Nessun esercizio in corso. Ctrl+B ne inizia uno.</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong, time %3.</source>
        <translation>%1 giuste, %2 sbagliate, tempo %3.</translation>
    </message>
    <message>
        <source> END possible: Ctrl+B.</source>
        <translation> TERMINA possibile: Ctrl+B.</translation>
    </message>
    <message>
        <source>Not entered: filters were used.</source>
        <translation>Non inserito: sono stati usati filtri.</translation>
    </message>
    <message>
        <source>Row %1 of %2, %3, %4.</source>
        <translation>Riga %1 di %2, %3, %4.</translation>
    </message>
    <message>
        <source>No entry selected.</source>
        <translation>Nessuna voce selezionata.</translation>
    </message>
    <message>
        <source>The drill just ended is selected</source>
        <translation>L&apos;esercizio appena concluso è selezionato</translation>
    </message>
    <message>
        <source>Score %1: %2 time points, %3 correct, longevity bonus %4. %5 seconds per interval.</source>
        <translation>Punteggio %1: %2 punti tempo, %3 giuste, bonus di durata %4. %5 secondi per intervallo.</translation>
    </message>
    <message>
        <source>%1. %2%3 right, %4 wrong, %5 %, %6 s per interval, score %7</source>
        <translation>%1. %2%3 giuste, %4 sbagliate, %5 %, %6 s per intervallo, punteggio %7</translation>
    </message>
    <message>
        <source>Drill started. Space: first question.</source>
        <translation>Esercizio iniziato. Spazio: prima domanda.</translation>
    </message>
    <message>
        <source> Space: next question.</source>
        <translation> Spazio: domanda successiva.</translation>
    </message>
    <message>
        <source>No entry yet in this table.</source>
        <translation>Ancora nessuna voce in questa tabella.</translation>
    </message>
</context>
<context>
    <name>Assignments</name>
    <message>
        <source>done</source>
        <translation>fatto</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>in corso</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>non iniziato</translation>
    </message>
    <message>
        <source>late</source>
        <translation>in ritardo</translation>
    </message>
    <message>
        <source>Another device changed the assignments meanwhile; they are shown as they are now. Please make your change again.</source>
        <translation>Un altro dispositivo ha modificato i compiti nel frattempo; sono mostrati come sono ora. Ripetete la vostra modifica.</translation>
    </message>
    <message>
        <source>Only the teacher may change the assignments.</source>
        <translation>Solo l&apos;insegnante può modificare i compiti.</translation>
    </message>
    <message>
        <source>The assignments could not be saved.</source>
        <translation>Non è stato possibile salvare i compiti.</translation>
    </message>
    <message numerus="yes">
        <source>%n assignment(s) due this week: %1</source>
        <translation>
            <numerusform>%n compito da fare questa settimana: %1</numerusform>
            <numerusform>%n compiti da fare questa settimana: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 entro %2</translation>
    </message>
    <message>
        <source>%1 of %2 drill</source>
        <translation>%1 di %2 esercizio</translation>
    </message>
    <message>
        <source>%1 of %2 drills</source>
        <translation>%1 di %2 esercizi</translation>
    </message>
    <message>
        <source>%1 of %2 minute</source>
        <translation>%1 di %2 minuto</translation>
    </message>
    <message>
        <source>%1 of %2 minutes</source>
        <translation>%1 di %2 minuti</translation>
    </message>
    <message>
        <source>%1 of %2 class</source>
        <translation>%1 di %2 classe</translation>
    </message>
    <message>
        <source>%1 of %2 classes</source>
        <translation>%1 di %2 classi</translation>
    </message>
    <message>
        <source>The line comes before the first assignment; it is skipped.</source>
        <translation>La riga viene prima del primo compito; viene saltata.</translation>
    </message>
    <message>
        <source>An assignment needs a title; it is skipped with its lines.</source>
        <translation>Un compito ha bisogno di un titolo; viene saltato con le sue righe.</translation>
    </message>
    <message>
        <source>The line is not understood; it is skipped.</source>
        <translation>La riga non è comprensibile; viene saltata.</translation>
    </message>
    <message>
        <source>The classes are given twice; this line is skipped.</source>
        <translation>Le classi sono indicate due volte; questa riga viene saltata.</translation>
    </message>
    <message>
        <source>A class is written like 3-11 or 4-Z15; this line is skipped.</source>
        <translation>Una classe si scrive come 3-11 o 4-Z15; questa riga viene saltata.</translation>
    </message>
    <message>
        <source>The classes of an assignment are all trichords or all tetrachords; this line is skipped.</source>
        <translation>Le classi di un compito sono tutte tricordi o tutte tetracordi; questa riga viene saltata.</translation>
    </message>
    <message>
        <source>The line names no classes; it is skipped.</source>
        <translation>La riga non nomina alcuna classe; viene saltata.</translation>
    </message>
    <message>
        <source>The range is close, one octave or two octaves; this line is skipped.</source>
        <translation>L&apos;estensione è «close», «one octave» o «two octaves»; questa riga viene saltata.</translation>
    </message>
    <message>
        <source>The range is given twice; this line is skipped.</source>
        <translation>L&apos;estensione è indicata due volte; questa riga viene saltata.</translation>
    </message>
    <message>
        <source>Play is chord, figure or mixed; this line is skipped.</source>
        <translation>«play» è «chord», «figure» o «mixed»; questa riga viene saltata.</translation>
    </message>
    <message>
        <source>Play is given twice; this line is skipped.</source>
        <translation>«play» è indicato due volte; questa riga viene saltata.</translation>
    </message>
    <message>
        <source>A date is written yyyy-mm-dd, like 2026-12-07; this line is skipped.</source>
        <translation>Una data si scrive aaaa-mm-gg, come 2026-12-07; questa riga viene saltata.</translation>
    </message>
    <message>
        <source>The date is given twice; this line is skipped.</source>
        <translation>La data è indicata due volte; questa riga viene saltata.</translation>
    </message>
    <message>
        <source>The goal is given twice; this line is skipped.</source>
        <translation>L&apos;obiettivo è indicato due volte; questa riga viene saltata.</translation>
    </message>
    <message>
        <source>The goal is: drills N right R percent P, minutes M, or first-try K; this line is skipped.</source>
        <translation>L&apos;obiettivo è: drills N right R percent P, minutes M o first-try K; questa riga viene saltata.</translation>
    </message>
    <message>
        <source>The assignment names no classes; it is skipped.</source>
        <translation>Il compito non nomina alcuna classe; viene saltato.</translation>
    </message>
    <message>
        <source>The assignment has no goal; it is skipped.</source>
        <translation>Il compito non ha un obiettivo; viene saltato.</translation>
    </message>
    <message>
        <source>The assignment has no start date; it is skipped.</source>
        <translation>Il compito non ha una data di inizio; viene saltato.</translation>
    </message>
    <message>
        <source>The assignment has no due date; it is skipped.</source>
        <translation>Il compito non ha una scadenza; viene saltato.</translation>
    </message>
    <message>
        <source>The assignment is due before it starts; it is skipped.</source>
        <translation>Il compito scade prima di iniziare; viene saltato.</translation>
    </message>
    <message>
        <source>The assignment names a class the catalogue does not have.</source>
        <translation>Il compito nomina una classe che il catalogo non ha.</translation>
    </message>
    <message>
        <source>The assignment needs a title.</source>
        <translation>Il compito ha bisogno di un titolo.</translation>
    </message>
    <message>
        <source>Choose at least one set class.</source>
        <translation>Scegliete almeno una classe di insiemi.</translation>
    </message>
    <message>
        <source>The due date comes before the start.</source>
        <translation>La scadenza viene prima dell&apos;inizio.</translation>
    </message>
    <message>
        <source>Give the start and the due date.</source>
        <translation>Indica la data di inizio e la scadenza.</translation>
    </message>
    <message>
        <source>The numbers of the goal are whole numbers: at least 1 drill, minute or time, 0 to 100 %.</source>
        <translation>I numeri dell’obiettivo sono interi: almeno 1 esercizio, minuto o volta, da 0 a 100 %.</translation>
    </message>
</context>
<context>
    <name>ClassLink</name>
    <message>
        <source>This is not the address of a folder on a server, such as https://cloud.school.example/remote.php/dav/files/ann/Theory 1/.</source>
        <translation>Questo non è l&apos;indirizzo di una cartella su un server, come https://cloud.school.example/remote.php/dav/files/ann/Theory 1/.</translation>
    </message>
    <message>
        <source>The class&apos;s address must begin with https://; plain http:// is only allowed for this computer (localhost).</source>
        <translation>L&apos;indirizzo della classe deve iniziare con https://; il semplice http:// è permesso solo per questo computer (localhost).</translation>
    </message>
    <message>
        <source>The address may not contain an account, a password or a query; type the account and password in their own fields.</source>
        <translation>L&apos;indirizzo non può contenere un account, una password o una query; scrivete account e password nei loro campi.</translation>
    </message>
    <message>
        <source>Saved to the class.</source>
        <translation>Salvato nella classe.</translation>
    </message>
    <message>
        <source>The class&apos;s server cannot be reached; the work waits for the network.</source>
        <translation>Il server della classe non è raggiungibile; il lavoro attende la rete.</translation>
    </message>
    <message>
        <source>The connection to the class&apos;s server broke during a send; it will be sent again.</source>
        <translation>La connessione al server della classe si è interrotta durante un invio; sarà inviato di nuovo.</translation>
    </message>
    <message>
        <source>The class&apos;s server did not accept the account or the password.</source>
        <translation>Il server della classe non ha accettato l&apos;account o la password.</translation>
    </message>
    <message>
        <source>The class&apos;s server does not let this account write there.</source>
        <translation>Il server della classe non permette a questo account di scrivere lì.</translation>
    </message>
    <message>
        <source>The class&apos;s server is full; the work waits until it has room.</source>
        <translation>Il server della classe è pieno; il lavoro attende finché avrà spazio.</translation>
    </message>
    <message>
        <source>The class&apos;s folder is not on the server; check the address.</source>
        <translation>La cartella della classe non è sul server; controllate l&apos;indirizzo.</translation>
    </message>
    <message>
        <source>The class&apos;s server sent Sonorix to another server, which it refuses.</source>
        <translation>Il server della classe ha mandato Sonorix a un altro server, cosa che Sonorix rifiuta.</translation>
    </message>
    <message>
        <source>The class&apos;s server answered with a web page (a login page?) instead of the class&apos;s files.</source>
        <translation>Il server della classe ha risposto con una pagina web (una pagina di accesso?) invece dei file della classe.</translation>
    </message>
    <message>
        <source>The class&apos;s server sent an answer Sonorix cannot read: no WebDAV folder listing, or far too large.</source>
        <translation>Il server della classe ha inviato una risposta che Sonorix non sa leggere: non è un elenco di cartella WebDAV, o è troppo grande.</translation>
    </message>
    <message>
        <source>The class&apos;s server gives a file no version Sonorix can safely replace; it will try again.</source>
        <translation>Il server della classe non dà a un file una versione che Sonorix possa sostituire senza rischi; si riproverà.</translation>
    </message>
    <message>
        <source>Other devices kept changing the class&apos;s file; it will be tried again.</source>
        <translation>Altri dispositivi hanno continuato a cambiare il file della classe; si riproverà.</translation>
    </message>
    <message>
        <source>The class&apos;s server had a fault; the work will be sent again.</source>
        <translation>Il server della classe ha avuto un guasto; il lavoro sarà inviato di nuovo.</translation>
    </message>
    <message>
        <source>Sonorix could not write the list of work waiting for the class in the data folder.</source>
        <translation>Sonorix non ha potuto scrivere nella cartella dei dati l&apos;elenco del lavoro che attende la classe.</translation>
    </message>
    <message>
        <source>The class&apos;s server has a certificate this computer does not trust; nothing is sent to it.</source>
        <translation>Il server della classe ha un certificato di cui questo computer non si fida; non gli viene inviato nulla.</translation>
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
    <message>
        <source>Saved to the class</source>
        <translation>Salvato nella classe</translation>
    </message>
    <message>
        <source>Changes waiting for the network</source>
        <translation>Modifiche in attesa della rete</translation>
    </message>
    <message>
        <source>The class&apos;s password is needed to send</source>
        <translation>Serve la password della classe per inviare</translation>
    </message>
    <message numerus="yes">
        <source>%n drill waiting for the network</source>
        <translation>
            <numerusform>%n esercizio in attesa della rete</numerusform>
            <numerusform>%n esercizi in attesa della rete</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drills waiting for the network</source>
        <translation>
            <numerusform>%n esercizio in attesa della rete</numerusform>
            <numerusform>%n esercizi in attesa della rete</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HeardPicture</name>
    <message>
        <source>What I Heard</source>
        <translation>Ciò che ho sentito</translation>
    </message>
    <message>
        <source>Heard</source>
        <translation>Sentito</translation>
    </message>
    <message>
        <source>You named</source>
        <translation>Avete nominato</translation>
    </message>
    <message>
        <source>Show What I Heard</source>
        <translation>Mostra ciò che ho sentito</translation>
    </message>
    <message>
        <source>What I heard</source>
        <translation>Ciò che ho sentito</translation>
    </message>
    <message>
        <source>%1: %2, prime form %3</source>
        <translation>%1: %2, forma primaria %3</translation>
    </message>
    <message>
        <source>They differ in interval classes %1</source>
        <translation>Differiscono nelle classi di intervalli %1</translation>
    </message>
    <message>
        <source>Underlined: the interval classes in which they differ</source>
        <translation>Sottolineate: le classi di intervalli in cui differiscono</translation>
    </message>
</context>
<context>
    <name>PracticeWindows</name>
    <message>
        <source>Practice Summary</source>
        <translation>Riepilogo della pratica</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Pratica</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Domande</translation>
    </message>
    <message>
        <source>Right at first try</source>
        <translation>Giuste al primo colpo</translation>
    </message>
    <message>
        <source>First-try %</source>
        <translation>Al primo colpo %</translation>
    </message>
    <message>
        <source>Revealed</source>
        <translation>Mostrate</translation>
    </message>
    <message>
        <source>Practice per day</source>
        <translation>Pratica al giorno</translation>
    </message>
    <message>
        <source>Practice focus</source>
        <translation>Punti su cui esercitarsi</translation>
    </message>
    <message>
        <source>&lt;b&gt;Practice focus&lt;/b&gt;</source>
        <translation>&lt;b&gt;Punti su cui esercitarsi&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Questions: %1</source>
        <translation>Domande: %1</translation>
    </message>
    <message>
        <source>Right at the first try: %1 (%2 %)</source>
        <translation>Giuste al primo colpo: %1 (%2 %)</translation>
    </message>
    <message>
        <source>Right at the first try: %1</source>
        <translation>Giuste al primo colpo: %1</translation>
    </message>
    <message>
        <source>Revealed: %1</source>
        <translation>Mostrate: %1</translation>
    </message>
    <message>
        <source>Time: %1:%2</source>
        <translation>Tempo: %1:%2</translation>
    </message>
    <message>
        <source>Getting surer: %1</source>
        <translation>Sempre più sicuro: %1</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>nessuna per ora</translation>
    </message>
    <message>
        <source>Needs more work: %1</source>
        <translation>Da esercitare ancora: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>&lt;br&gt;No practice yet: choose Practice Mode in the Progress menu.</source>
        <translation>&lt;br&gt;Nessuna pratica ancora: scegliere Modalità pratica nel menu Progressi.</translation>
    </message>
    <message>
        <source>once</source>
        <translation>una volta</translation>
    </message>
    <message>
        <source>twice</source>
        <translation>due volte</translation>
    </message>
    <message>
        <source>not practised yet; %1 % right in your drills</source>
        <translation>non ancora esercitato; %1 % giuste nei vostri esercizi</translation>
    </message>
    <message>
        <source>not practised yet</source>
        <translation>non ancora esercitato</translation>
    </message>
    <message>
        <source>confused with %1 %2 and with %3 %4 this week</source>
        <translation>confuso con %1 %2 e con %3 %4 questa settimana</translation>
    </message>
    <message>
        <source>confused with %1 %2 this week</source>
        <translation>confuso con %1 %2 questa settimana</translation>
    </message>
    <message numerus="yes">
        <source>right at the first try in %1 of %n question</source>
        <translation>
            <numerusform>giusto al primo tentativo in %1 domanda su %n</numerusform>
            <numerusform>giusto al primo tentativo in %1 domande su %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>right at the first try in %1 of %n questions</source>
        <translation>
            <numerusform>giusto al primo tentativo in %1 domanda su %n</numerusform>
            <numerusform>giusto al primo tentativo in %1 domande su %n</numerusform>
        </translation>
    </message>
    <message>
        <source>missed when last asked</source>
        <translation>sbagliato l’ultima volta</translation>
    </message>
    <message>
        <source>box %1 of %2</source>
        <translation>livello %1 di %2</translation>
    </message>
    <message>
        <source>%1 (%2 % of the questions): %3</source>
        <translation>%1 (%2 % delle domande): %3</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n volta</numerusform>
            <numerusform>%n volte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SingVerdict</name>
    <message>
        <source>Right! %1</source>
        <translation>Giusto! %1</translation>
    </message>
    <message>
        <source>No note was heard. Sing a little louder or closer to the microphone.</source>
        <translation>Non è stata sentita nessuna nota. Canta un po&apos; più forte o più vicino al microfono.</translation>
    </message>
    <message>
        <source>Not yet: %1 of %2 notes right (%3).</source>
        <translation>Non ancora: %1 note giuste su %2 (%3).</translation>
    </message>
</context>
<context>
    <name>SoundNotice</name>
    <message>
        <source>no audio output</source>
        <translation>nessuna uscita audio</translation>
    </message>
    <message>
        <source>MIDI output not open</source>
        <translation>uscita MIDI non aperta</translation>
    </message>
    <message>
        <source> - No sound: </source>
        <translation> – Nessun suono: </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Ear training for music students: Sonorix plays trichords and</source>
        <translation>Educazione dell&apos;orecchio per studenti di musica: Sonorix suona</translation>
    </message>
    <message>
        <source>tetrachords and asks which pitch-class set class you heard.</source>
        <translation>tricordi e tetracordi e chiede quale classe di insiemi avete sentito.</translation>
    </message>
    <message>
        <source>Sonorix is free software under the GNU General Public License,</source>
        <translation>Sonorix è software libero sotto la GNU General Public License,</translation>
    </message>
    <message>
        <source>version 3 or (at your option) any later version: you may share</source>
        <translation>versione 3 o (a vostra scelta) qualsiasi versione successiva: potete</translation>
    </message>
    <message>
        <source>and change it under its terms. It comes with NO WARRANTY.</source>
        <translation>condividerlo e modificarlo secondo i suoi termini. È fornito SENZA GARANZIA.</translation>
    </message>
    <message>
        <source>It stands on Qt, FluidSynth and RtMidi, and its built-in</source>
        <translation>Si basa su Qt, FluidSynth e RtMidi, e il suo sintetizzatore</translation>
    </message>
    <message>
        <source>synthesizer plays a General MIDI SoundFont, by default TimGM6mb.</source>
        <translation>integrato suona una SoundFont General MIDI, per impostazione predefinita TimGM6mb.</translation>
    </message>
    <message>
        <source>About Sonorix</source>
        <translation>Informazioni su Sonorix</translation>
    </message>
    <message>
        <source>The license is in /usr/share/common-licenses/GPL-3,</source>
        <translation>La licenza è in /usr/share/common-licenses/GPL-3,</translation>
    </message>
    <message>
        <source>Sonorix&apos;s copyright notice in %1.</source>
        <translation>la nota di copyright di Sonorix in %1.</translation>
    </message>
</context>
<context>
    <name>TAssignmentEditor</name>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>&amp;Instructions:</source>
        <translation>&amp;Istruzioni:</translation>
    </message>
    <message>
        <source>trichords</source>
        <translation>tricordi</translation>
    </message>
    <message>
        <source>tetrachords</source>
        <translation>tetracordi</translation>
    </message>
    <message>
        <source>&amp;Cardinality:</source>
        <translation>&amp;Cardinalità:</translation>
    </message>
    <message>
        <source>Set classes</source>
        <translation>Classi di insiemi</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tutte</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>&amp;Nessuna</translation>
    </message>
    <message>
        <source>close position</source>
        <translation>posizione stretta</translation>
    </message>
    <message>
        <source>within one octave</source>
        <translation>entro un&apos;ottava</translation>
    </message>
    <message>
        <source>within two octaves</source>
        <translation>entro due ottave</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Estensione:</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>accordo</translation>
    </message>
    <message>
        <source>figure</source>
        <translation>figura</translation>
    </message>
    <message>
        <source>mixed figure</source>
        <translation>figura mista</translation>
    </message>
    <message>
        <source>&amp;Play:</source>
        <translation>&amp;Suonare:</translation>
    </message>
    <message>
        <source>drills with enough right answers</source>
        <translation>esercizi con abbastanza risposte giuste</translation>
    </message>
    <message>
        <source>minutes of practice mode</source>
        <translation>minuti in modalità pratica</translation>
    </message>
    <message>
        <source>each class right at the first try in practice</source>
        <translation>ogni classe giusta al primo tentativo in pratica</translation>
    </message>
    <message>
        <source>&amp;Done when:</source>
        <translation>&amp;Fatto quando:</translation>
    </message>
    <message>
        <source>&amp;How many:</source>
        <translation>&amp;Quanti:</translation>
    </message>
    <message>
        <source>Each with at least this many &amp;right:</source>
        <translation>Ognuno con almeno tante &amp;giuste:</translation>
    </message>
    <message>
        <source>And at least this &amp;share right:</source>
        <translation>E almeno questa &amp;quota giusta:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message>
        <source>D&amp;ue:</source>
        <translation>&amp;Scadenza:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
</context>
<context>
    <name>TAssignmentsForm</name>
    <message>
        <source>Assignments</source>
        <translation>Compiti</translation>
    </message>
    <message>
        <source>&amp;Open assignments:</source>
        <translation>Compiti &amp;aperti:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Scadenza</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Avvia</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nuovo…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Modifica…</translation>
    </message>
    <message>
        <source>&amp;Copy…</source>
        <translation>&amp;Copia…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Sets the drill window to the assignment&apos;s classes, range and play mode; your own settings stay saved.</source>
        <translation>Imposta la finestra di esercizio su classi, estensione e modo di suonare del compito; le vostre impostazioni restano salvate.</translation>
    </message>
    <message>
        <source>Gives you your own drill settings back.</source>
        <translation>Vi restituisce le vostre impostazioni di esercizio.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, riga %2: %3</translation>
    </message>
    <message>
        <source>No assignments are set.</source>
        <translation>Non ci sono compiti assegnati.</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>dal %1</translation>
    </message>
    <message>
        <source>%1, due %2, %3, %4</source>
        <translation>%1, scadenza %2, %3, %4</translation>
    </message>
    <message>
        <source>No instructions</source>
        <translation>Nessuna istruzione</translation>
    </message>
    <message>
        <source>Instructions: %1</source>
        <translation>Istruzioni: %1</translation>
    </message>
    <message>
        <source>The assignment names a set class the catalogue does not have.</source>
        <translation>Il compito nomina una classe di insiemi che il catalogo non ha.</translation>
    </message>
    <message>
        <source>as a chord</source>
        <translation>come accordo</translation>
    </message>
    <message>
        <source>as a figure</source>
        <translation>come figura</translation>
    </message>
    <message>
        <source>as a mixed figure</source>
        <translation>come figura mista</translation>
    </message>
    <message>
        <source>Started: %1. Play %2.</source>
        <translation>Avviato: %1. Suonate %2.</translation>
    </message>
    <message>
        <source>Your own drill settings are back.</source>
        <translation>Le vostre impostazioni di esercizio sono tornate.</translation>
    </message>
    <message>
        <source>The assignments are saved.</source>
        <translation>I compiti sono salvati.</translation>
    </message>
    <message>
        <source>New Assignment</source>
        <translation>Nuovo compito</translation>
    </message>
    <message>
        <source>Edit Assignment</source>
        <translation>Modifica il compito</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (copia)</translation>
    </message>
    <message>
        <source>Copy Assignment</source>
        <translation>Copia il compito</translation>
    </message>
    <message>
        <source>Delete Assignment</source>
        <translation>Elimina il compito</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? The students&apos; drills stay as they are.</source>
        <translation>Eliminare «%1»? Gli esercizi degli studenti restano come sono.</translation>
    </message>
    <message>
        <source>The class&apos;s assignments are on its server: type the class&apos;s password (Class › Class Password…) to see them.</source>
        <translation>I compiti della classe sono sul suo server: digita la password della classe (Classe › Password della classe…) per vederli.</translation>
    </message>
</context>
<context>
    <name>TAssignmentsMenu</name>
    <message>
        <source>&amp;Assignments…</source>
        <translation>&amp;Compiti…</translation>
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
        <translation>&amp;Classe</translation>
    </message>
    <message>
        <source>&amp;Join a Class…</source>
        <translation>&amp;Entra in una classe…</translation>
    </message>
    <message>
        <source>Class &amp;Password…</source>
        <translation>&amp;Password della classe…</translation>
    </message>
    <message>
        <source>&amp;Leave the Class</source>
        <translation>&amp;Lascia la classe</translation>
    </message>
    <message>
        <source>Leave the Class</source>
        <translation>Lascia la classe</translation>
    </message>
    <message>
        <source>Leave the class? Your drills stay on this computer.</source>
        <translation>Lasciare la classe? I vostri esercizi restano su questo computer.</translation>
    </message>
    <message numerus="yes">
        <source>%n drill still waits for the network and will not reach the class.</source>
        <translation>
            <numerusform>%n esercizio attende ancora la rete e non raggiungerà la classe.</numerusform>
            <numerusform>%n esercizi attendono ancora la rete e non raggiungeranno la classe.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drills still wait for the network and will not reach the class.</source>
        <translation>
            <numerusform>%n esercizio attende ancora la rete e non raggiungerà la classe.</numerusform>
            <numerusform>%n esercizi attendono ancora la rete e non raggiungeranno la classe.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TClassOverview</name>
    <message>
        <source>(no name)</source>
        <translation>(senza nome)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Drills</source>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>Last
practice</source>
        <translation>Ultima
pratica</translation>
    </message>
    <message>
        <source>
% right</source>
        <translation>
% giuste</translation>
    </message>
    <message>
        <source>
s/right</source>
        <translation>
s/giusta</translation>
    </message>
    <message>
        <source>
best score</source>
        <translation>
punteggio migliore</translation>
    </message>
    <message>
        <source>Unverified</source>
        <translation>Non verificati</translation>
    </message>
    <message>
        <source>Class Overview</source>
        <translation>Panoramica della classe</translation>
    </message>
    <message>
        <source>Set class</source>
        <translation>Classe di insiemi</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% giuste</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Risposte</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Suonata</translation>
    </message>
    <message>
        <source>Taken for</source>
        <translation>Scambiata per</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Volte</translation>
    </message>
    <message>
        <source>Hardest set classes (all eligible drills):</source>
        <translation>Classi di insiemi più difficili (tutti gli esercizi validi):</translation>
    </message>
    <message>
        <source>Most frequent confusions:</source>
        <translation>Confusioni più frequenti:</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Esporta CSV…</translation>
    </message>
    <message>
        <source>Save PDF…</source>
        <translation>Salva PDF…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>Save PDF</source>
        <translation>Salva PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>File PDF (*.pdf);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>(unknown)</source>
        <translation>(sconosciuto)</translation>
    </message>
    <message>
        <source>Time
this week</source>
        <translation>Tempo
questa settimana</translation>
    </message>
    <message>
        <source>Time
in all</source>
        <translation>Tempo
in totale</translation>
    </message>
    <message>
        <source>First
practice</source>
        <translation>Primo
esercizio</translation>
    </message>
    <message>
        <source>Ineligible
% right</source>
        <translation>Non valide
% giuste</translation>
    </message>
    <message>
        <source>Ineligible
drills</source>
        <translation>Esercizi
non validi</translation>
    </message>
    <message>
        <source>Not ended
drills</source>
        <translation>Esercizi
non finiti</translation>
    </message>
    <message>
        <source>Practice
questions</source>
        <translation>Allenamento
domande</translation>
    </message>
    <message>
        <source>Practice
first try %</source>
        <translation>Allenamento
% al primo tentativo</translation>
    </message>
    <message>
        <source>Practice
this week</source>
        <translation>Allenamento
questa settimana</translation>
    </message>
    <message>
        <source>Practice
in all</source>
        <translation>Allenamento
in totale</translation>
    </message>
    <message>
        <source>Sung
questions</source>
        <translation>Domande
cantate</translation>
    </message>
    <message>
        <source>Sung
first try %</source>
        <translation>Cantato
% al primo tentativo</translation>
    </message>
    <message>
        <source>Ambiguous</source>
        <translation>Ambigui</translation>
    </message>
    <message>
        <source>Reading the logs… %p%</source>
        <translation>Lettura dei registri… %p%</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1 — reading the logs…</source>
        <translation>%1 — lettura dei registri…</translation>
    </message>
    <message>
        <source>report.dat cannot be read.</source>
        <translation>Impossibile leggere report.dat.</translation>
    </message>
    <message>
        <source>practice.dat cannot be read.</source>
        <translation>Impossibile leggere practice.dat.</translation>
    </message>
    <message>
        <source>%1 — reading the logs was cancelled.</source>
        <translation>%1 — la lettura dei registri è stata annullata.</translation>
    </message>
    <message>
        <source>%1 records could belong to more than one person and count for nobody.</source>
        <translation>%1 record potrebbero appartenere a più di una persona e non contano per nessuno.</translation>
    </message>
    <message>
        <source>Drills and practice from %1 to %2.</source>
        <translation>Esercizi e allenamento dal %1 al %2.</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>close position</source>
        <translation>posizione stretta</translation>
    </message>
    <message>
        <source>within 1 octave</source>
        <translation>entro 1 ottava</translation>
    </message>
    <message>
        <source>within 2 octaves</source>
        <translation>entro 2 ottave</translation>
    </message>
    <message>
        <source>trichords</source>
        <translation>tricordi</translation>
    </message>
    <message>
        <source>tetrachords</source>
        <translation>tetracordi</translation>
    </message>
    <message>
        <source>% right, s/right and best score count the eligible drills that reached END: every set class of the cardinality enabled and the settings unchanged. Ineligible drills reached END otherwise; not ended drills have fewer than five right answers. Times are minutes:seconds. Unverified records are damaged or fail their check value; ambiguous ones verify for more than one person alike; (unknown) holds unverified records that belong to no single person.</source>
        <translation>% giuste, s/giusta e punteggio migliore contano gli esercizi validi arrivati a END: tutte le classi della cardinalità attivate e le impostazioni invariate. Gli esercizi non validi sono arrivati a END in altro modo; quelli non finiti hanno meno di cinque risposte giuste. I tempi sono minuti:secondi. I record non verificati sono danneggiati o il loro valore di controllo non torna; quelli ambigui valgono allo stesso modo per più di una persona; (sconosciuto) raccoglie i record non verificati che non appartengono a una sola persona.</translation>
    </message>
    <message>
        <source>Per student, from practice mode</source>
        <translation>Per studente, dalla modalità allenamento</translation>
    </message>
    <message>
        <source>Nobody has practised yet.</source>
        <translation>Nessuno si è ancora allenato.</translation>
    </message>
    <message>
        <source>%1 (%2 of %3 at the first try)</source>
        <translation>%1 (%2 su %3 al primo tentativo)</translation>
    </message>
    <message>
        <source>%1 taken for %2 (%3×)</source>
        <translation>%1 scambiato per %2 (%3×)</translation>
    </message>
    <message>
        <source>hardest</source>
        <translation>le più difficili</translation>
    </message>
    <message>
        <source>confusions</source>
        <translation>confusioni</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message numerus="yes">
        <source>%1 — %n person, %3 records, %4 of them unverified. Week from %5.</source>
        <translation>
            <numerusform>%1 — %n persona, %3 record, di cui %4 non verificati. Settimana dal %5.</numerusform>
            <numerusform>%1 — %n persone, %3 record, di cui %4 non verificati. Settimana dal %5.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 — %n people, %3 records, %4 of them unverified. Week from %5.</source>
        <translation>
            <numerusform>%1 — %n persona, %3 record, di cui %4 non verificati. Settimana dal %5.</numerusform>
            <numerusform>%1 — %n persone, %3 record, di cui %4 non verificati. Settimana dal %5.</numerusform>
        </translation>
    </message>
    <message>
        <source>close</source>
        <translation>stretta</translation>
    </message>
    <message>
        <source>1 oct</source>
        <translation>1 ott.</translation>
    </message>
    <message>
        <source>2 oct</source>
        <translation>2 ott.</translation>
    </message>
    <message>
        <source>Open Class on Server…</source>
        <translation>Apri la classe sul server…</translation>
    </message>
    <message>
        <source>Open Class Copy…</source>
        <translation>Apri una copia della classe…</translation>
    </message>
    <message>
        <source>%1 — reading the class folder…</source>
        <translation>%1 — lettura della cartella della classe…</translation>
    </message>
    <message>
        <source>%1 — reading the class folder was cancelled.</source>
        <translation>%1 — la lettura della cartella della classe è stata annullata.</translation>
    </message>
    <message>
        <source>Folders this account may not read: %1.</source>
        <translation>Cartelle che questo account non può leggere: %1.</translation>
    </message>
    <message>
        <source>The folder cannot be read.</source>
        <translation>La cartella non può essere letta.</translation>
    </message>
    <message>
        <source>Some files of the folder cannot be read.</source>
        <translation>Alcuni file della cartella non possono essere letti.</translation>
    </message>
    <message>
        <source>Open Class on Server</source>
        <translation>Apri la classe sul server</translation>
    </message>
    <message>
        <source>Class folder address:</source>
        <translation>Indirizzo della cartella della classe:</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Type the account on the class&apos;s server.</source>
        <translation>Digita l&apos;account sul server della classe.</translation>
    </message>
    <message>
        <source>Open Class Copy</source>
        <translation>Apri una copia della classe</translation>
    </message>
    <message>
        <source>Due this week</source>
        <translation>In scadenza questa settimana</translation>
    </message>
    <message>
        <source>Show only the assignments due this week</source>
        <translation>Mostra solo i compiti in scadenza questa settimana</translation>
    </message>
    <message>
        <source>due %1</source>
        <translation>scadenza %1</translation>
    </message>
    <message>
        <source>Assignments due this week</source>
        <translation>Compiti in scadenza questa settimana</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Compiti</translation>
    </message>
</context>
<context>
    <name>TConfusionForm</name>
    <message>
        <source>Confusions</source>
        <translation>Confusioni</translation>
    </message>
    <message>
        <source>Answers of:</source>
        <translation>Risposte di:</translation>
    </message>
    <message>
        <source>Rows: the set class asked. Columns: the set class answered. Each cell is the share (%) of the row&apos;s answers; the diagonal holds the right ones. Click a cell to hear the set class asked, then the one answered, in the drill window&apos;s range and Play: manner.</source>
        <translation>Righe: la classe di insiemi chiesta. Colonne: la classe di insiemi risposta. Ogni cella è la quota (%) delle risposte della riga; la diagonale contiene quelle giuste. Fate clic su una cella per sentire la classe chiesta e poi quella risposta, nell&apos;ambito e nel modo di suonare della finestra dell&apos;esercizio.</translation>
    </message>
    <message>
        <source>Trichords</source>
        <translation>Tricordi</translation>
    </message>
    <message>
        <source>Tetrachords</source>
        <translation>Tetracordi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>all eligible drills</source>
        <translation>tutti gli esercizi validi</translation>
    </message>
    <message>
        <source>the drill just ended</source>
        <translation>l&apos;esercizio appena concluso</translation>
    </message>
    <message>
        <source>Right %</source>
        <translation>Giuste %</translation>
    </message>
    <message>
        <source>%1: %2 right of %3 answers</source>
        <translation>%1: %2 giuste su %3 risposte</translation>
    </message>
    <message>
        <source>%1 answered as %2: %3 of %4 answers</source>
        <translation>%1 risposto come %2: %3 su %4 risposte</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Chiesta</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>Risposta</translation>
    </message>
</context>
<context>
    <name>TErrorReport</name>
    <message>
        <source>Error Report</source>
        <translation>Rapporto errori</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>this session</source>
        <translation>questa sessione</translation>
    </message>
    <message>
        <source>cumulative errors</source>
        <translation>errori cumulativi</translation>
    </message>
    <message>
        <source>Sessions that use filters are not included in the cumulative report.</source>
        <translation>Le sessioni con filtri non entrano nel rapporto cumulativo.</translation>
    </message>
    <message>
        <source>Clear Cumulative Report</source>
        <translation>Cancella rapporto cumulativo</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostra:</translation>
    </message>
    <message>
        <source>A and B sets</source>
        <translation>Forme A e B</translation>
    </message>
    <message>
        <source>RIPs</source>
        <translation>RIPs</translation>
    </message>
    <message>
        <source>Confused with</source>
        <translation>Confuso con</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confused with:</source>
        <translation>Confuso con:</translation>
    </message>
</context>
<context>
    <name>TFilterForm</name>
    <message>
        <source>FILTERS</source>
        <translation>FILTRI</translation>
    </message>
    <message>
        <source>Trichords</source>
        <translation>Tricordi</translation>
    </message>
    <message>
        <source>TRICHORDS</source>
        <translation>TRICORDI</translation>
    </message>
    <message>
        <source>TETRACHORDS</source>
        <translation>TETRACORDI</translation>
    </message>
    <message>
        <source>Sets in &quot;Closed Position&quot;</source>
        <translation>Insiemi in &quot;posizione stretta&quot;</translation>
    </message>
    <message>
        <source>Sets distributed within one octave</source>
        <translation>Insiemi distribuiti entro un&apos;ottava</translation>
    </message>
    <message>
        <source>Sets distributed within two octaves</source>
        <translation>Insiemi distribuiti entro due ottave</translation>
    </message>
    <message>
        <source>Save these settings for future sessions</source>
        <translation>Salva queste impostazioni per dopo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>TUTTI</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NESSUNO</translation>
    </message>
    <message>
        <source>trichords</source>
        <translation>tricordi</translation>
    </message>
    <message>
        <source>tetrachords</source>
        <translation>tetracordi</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>File Error!</source>
        <translation>Errore di file!</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Rispondi</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Giuste:</translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <translation>Errate:</translation>
    </message>
    <message>
        <source>BEGIN</source>
        <translation>INIZIA</translation>
    </message>
    <message>
        <source>Repeat (F1)</source>
        <translation>Ripeti (F1)</translation>
    </message>
    <message>
        <source>Arpeggiate Up (F2)</source>
        <translation>Arpeggio su (F2)</translation>
    </message>
    <message>
        <source>Arpeggiate Down (F3)</source>
        <translation>Arpeggio giù (F3)</translation>
    </message>
    <message>
        <source>Play:</source>
        <translation>Suona:</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>accordo</translation>
    </message>
    <message>
        <source>figure</source>
        <translation>figura</translation>
    </message>
    <message>
        <source>mixed figure</source>
        <translation>figura mista</translation>
    </message>
    <message>
        <source>TRICHORDS</source>
        <translation>TRICORDI</translation>
    </message>
    <message>
        <source>TETRACHORDS</source>
        <translation>TETRACORDI</translation>
    </message>
    <message>
        <source>&quot;close position&quot;</source>
        <translation>parti strette</translation>
    </message>
    <message>
        <source>within 1 octave</source>
        <translation>entro 1 ottava</translation>
    </message>
    <message>
        <source>within 2 octaves</source>
        <translation>entro 2 ottave</translation>
    </message>
    <message>
        <source>More Filters</source>
        <translation>Altri filtri</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Login New Person</source>
        <translation>Accedi come nuova persona</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtri</translation>
    </message>
    <message>
        <source>Set Filters</source>
        <translation>Imposta filtri</translation>
    </message>
    <message>
        <source>Midi Setup</source>
        <translation>Impostazioni MIDI</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Instructions (readme.txt)</source>
        <translation>Istruzioni (readme.txt)</translation>
    </message>
    <message>
        <source>About Sonorix</source>
        <translation>Informazioni su Sonorix</translation>
    </message>
    <message>
        <source>END</source>
        <translation>TERMINA</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>SCORE</source>
        <translation>PUNTEGGIO</translation>
    </message>
    <message>
        <source>Time per</source>
        <translation>Tempo per</translation>
    </message>
    <message>
        <source>interval</source>
        <translation>intervallo</translation>
    </message>
    <message>
        <source>Correct %</source>
        <translation>Giuste %</translation>
    </message>
    <message>
        <source>Longevity</source>
        <translation>Bonus di</translation>
    </message>
    <message>
        <source>bonus</source>
        <translation>durata</translation>
    </message>
    <message>
        <source>pts</source>
        <translation>pti</translation>
    </message>
    <message>
        <source>H i g h  S c o r e s</source>
        <translation>P u n t e g g i  m i g l i o r i</translation>
    </message>
    <message>
        <source>TRICHORDS</source>
        <translation>TRICORDI</translation>
    </message>
    <message>
        <source>TETRACHORDS</source>
        <translation>TETRACORDI</translation>
    </message>
    <message>
        <source>&quot;close position&quot;</source>
        <translation>parti strette</translation>
    </message>
    <message>
        <source>one-octave</source>
        <translation>1 ottava</translation>
    </message>
    <message>
        <source>two-octave</source>
        <translation>2 ottave</translation>
    </message>
    <message>
        <source>Date              Correct   Incrct    Pctge   Time/Int  Score </source>
        <translation>Data              Giuste    Errate    Perc.   T/Interv  Punti </translation>
    </message>
    <message>
        <source>(This session is not eligible for high score due to filter usage,</source>
        <translation>(Questa sessione non vale per i punteggi migliori: filtri usati,</translation>
    </message>
    <message>
        <source>mixing of cardinalities, or changes in range.)</source>
        <translation>cardinalità miste o cambi di ambito.)</translation>
    </message>
    <message>
        <source>Error Report</source>
        <translation>Rapporto errori</translation>
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
        <translation>Password della classe</translation>
    </message>
    <message>
        <source>Join a Class</source>
        <translation>Entrare in una classe</translation>
    </message>
    <message>
        <source>Class folder&apos;s &amp;WebDAV address:</source>
        <translation>Indirizzo &amp;WebDAV della cartella della classe:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Account:</translation>
    </message>
    <message>
        <source>App &amp;password:</source>
        <translation>&amp;Password per app:</translation>
    </message>
    <message>
        <source>&amp;Remember on this device</source>
        <translation>&amp;Ricorda su questo dispositivo</translation>
    </message>
    <message>
        <source>Type the account that the class&apos;s server knows.</source>
        <translation>Scrivete l&apos;account che il server della classe conosce.</translation>
    </message>
    <message>
        <source>Asking the class&apos;s server…</source>
        <translation>Interrogazione del server della classe…</translation>
    </message>
</context>
<context>
    <name>TKeyboardAnswer</name>
    <message>
        <source>1 note</source>
        <translation>1 nota</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>%1 note</translation>
    </message>
    <message>
        <source>played %1, %2 expected</source>
        <translation>suonate %1, attese %2</translation>
    </message>
    <message>
        <source>played %1-%2, not in the list</source>
        <translation>suonato %1-%2, non è nell&apos;elenco</translation>
    </message>
    <message>
        <source>played %1, no set class found</source>
        <translation>suonate %1, nessuna classe di insiemi</translation>
    </message>
    <message>
        <source>Answer From Keyboard…</source>
        <translation>Rispondi dalla tastiera…</translation>
    </message>
</context>
<context>
    <name>TKeyboardForm</name>
    <message>
        <source>Answer From Keyboard</source>
        <translation>Rispondi dalla tastiera</translation>
    </message>
    <message>
        <source>MIDI input port:</source>
        <translation>Porta d&apos;ingresso MIDI:</translation>
    </message>
    <message>
        <source>Answer by playing</source>
        <translation>Rispondi suonando</translation>
    </message>
    <message>
        <source>During a drill, play the set class in any transposition, inversion or voicing, then release the keys.</source>
        <translation>Durante un esercizio suonate la classe di insiemi in qualsiasi trasposizione, inversione o disposizione, poi rilasciate i tasti.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No MIDI input port found.
A keyboard appears here once it is connected through the ALSA sequencer, before Sonorix starts or while this window is open.</source>
        <translation>Nessuna porta d&apos;ingresso MIDI trovata.
Una tastiera compare qui appena viene collegata tramite il sequencer ALSA, prima dell&apos;avvio di Sonorix o mentre questa finestra è aperta.</translation>
    </message>
</context>
<context>
    <name>TLoginForm</name>
    <message>
        <source>Login</source>
        <translation>Accesso</translation>
    </message>
    <message>
        <source>Please type your name in the box</source>
        <translation>Scrivete il vostro nome nel campo</translation>
    </message>
    <message>
        <source>and hit enter</source>
        <translation>e premete Invio</translation>
    </message>
    <message>
        <source>The following filters are saved from last session:</source>
        <translation>Filtri salvati nell&apos;ultima sessione:</translation>
    </message>
    <message>
        <source>Use These?</source>
        <translation>Usare questi?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>File Error! No ftclass.dat</source>
        <translation>Errore di file! Manca ftclass.dat</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DISATTIVATI</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ATTIVI</translation>
    </message>
    <message>
        <source>(all else on)</source>
        <translation>(tutti gli altri attivi)</translation>
    </message>
    <message>
        <source>(all else off)</source>
        <translation>(tutti gli altri disattivati)</translation>
    </message>
</context>
<context>
    <name>TMidiForm</name>
    <message>
        <source>Midi Setup</source>
        <translation>Impostazioni MIDI</translation>
    </message>
    <message>
        <source>Select MIDI output</source>
        <translation>Scegliete l&apos;uscita MIDI</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Built-in synthesizer</source>
        <translation>Sintetizzatore integrato</translation>
    </message>
</context>
<context>
    <name>TPacingForm</name>
    <message>
        <source>Pause and Wait for Me</source>
        <translation>Pausa e attesa</translation>
    </message>
    <message>
        <source>&amp;Pause before the next question:</source>
        <translation>&amp;Pausa prima della domanda successiva:</translation>
    </message>
    <message>
        <source>no pause</source>
        <translation>nessuna pausa</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Wait for me: the next question (and the first) plays when I press Space, Enter or Next</source>
        <translation>A&amp;spettami: la domanda successiva (e la prima) suona quando premo Spazio, Invio o Avanti</translation>
    </message>
    <message>
        <source>The drill&apos;s clock runs on meanwhile; the drill still counts for the high scores.</source>
        <translation>L&apos;orologio dell&apos;esercizio continua a correre; l&apos;esercizio conta ancora per i punteggi migliori.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Pause and Wait for Me…</source>
        <translation>&amp;Pausa e attesa…</translation>
    </message>
</context>
<context>
    <name>TPracticeMode</name>
    <message>
        <source> - Practice</source>
        <translation> – Pratica</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Pratica</translation>
    </message>
    <message>
        <source>Practice Mode</source>
        <translation>Modalità pratica</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Mostra la risposta</translation>
    </message>
    <message>
        <source>Show Answer Automatically</source>
        <translation>Mostra la risposta automaticamente</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>After 2 Wrong Answers</source>
        <translation>Dopo 2 risposte sbagliate</translation>
    </message>
    <message>
        <source>After 3 Wrong Answers</source>
        <translation>Dopo 3 risposte sbagliate</translation>
    </message>
    <message>
        <source>After 5 Wrong Answers</source>
        <translation>Dopo 5 risposte sbagliate</translation>
    </message>
    <message>
        <source>The answer is %1.</source>
        <translation>La risposta è %1.</translation>
    </message>
    <message>
        <source>Hear Your Answer Again</source>
        <translation>Riascolta la tua risposta</translation>
    </message>
    <message>
        <source>The next question. Keys: Enter or Space</source>
        <translation>La domanda successiva. Tasti: Invio o Spazio</translation>
    </message>
    <message>
        <source>Practice mode on: BEGIN starts a practice drill.</source>
        <translation>Modalità pratica attiva: BEGIN avvia una pratica.</translation>
    </message>
    <message>
        <source>Practice mode off.</source>
        <translation>Modalità pratica disattivata.</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>= %1; you named %2</source>
        <translation>= %1; hai risposto %2</translation>
    </message>
    <message>
        <source>You named %1. You hear the question, then your answer.</source>
        <translation>Hai risposto %1. Ascolti la domanda, poi la tua risposta.</translation>
    </message>
    <message>
        <source>Enter: next question. F1: the question again. F6: your answer again.</source>
        <translation>Invio: domanda successiva. F1: di nuovo la domanda. F6: di nuovo la tua risposta.</translation>
    </message>
    <message>
        <source>the question</source>
        <translation>la domanda</translation>
    </message>
    <message>
        <source>%1, your answer</source>
        <translation>%1, la tua risposta</translation>
    </message>
    <message>
        <source>Playing: %1</source>
        <translation>Si sente: %1</translation>
    </message>
</context>
<context>
    <name>TProgressForm</name>
    <message numerus="yes">
        <source>Sung: %n question(s), %1 right at the first try.</source>
        <translation>
            <numerusform>Cantato: %n domanda, %1 giusta/e al primo tentativo.</numerusform>
            <numerusform>Cantato: %n domande, %1 giuste al primo tentativo.</numerusform>
        </translation>
    </message>
    <message>
        <source>close</source>
        <translation>stretta</translation>
    </message>
    <message>
        <source>1 oct</source>
        <translation>1 ott.</translation>
    </message>
    <message>
        <source>2 oct</source>
        <translation>2 ott.</translation>
    </message>
    <message>
        <source>tri</source>
        <translation>tri</translation>
    </message>
    <message>
        <source>tetra</source>
        <translation>tetra</translation>
    </message>
    <message>
        <source>close position</source>
        <translation>parti strette</translation>
    </message>
    <message>
        <source>within 1 octave</source>
        <translation>entro 1 ottava</translation>
    </message>
    <message>
        <source>within 2 octaves</source>
        <translation>entro 2 ottave</translation>
    </message>
    <message>
        <source>trichords</source>
        <translation>tricordi</translation>
    </message>
    <message>
        <source>tetrachords</source>
        <translation>tetracordi</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(senza nome)</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>I miei progressi</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Persona:</translation>
    </message>
    <message>
        <source>Accuracy per day</source>
        <translation>Precisione al giorno</translation>
    </message>
    <message>
        <source>Seconds per right answer per day</source>
        <translation>Secondi per risposta giusta al giorno</translation>
    </message>
    <message>
        <source>Practice minutes per week</source>
        <translation>Minuti di pratica a settimana</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Ambito</translation>
    </message>
    <message>
        <source>Cardinality</source>
        <translation>Cardinalità</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Errate</translation>
    </message>
    <message>
        <source>Accuracy %</source>
        <translation>Precisione %</translation>
    </message>
    <message>
        <source>Seconds per right answer</source>
        <translation>Secondi per risposta giusta</translation>
    </message>
    <message>
        <source>Eligible</source>
        <translation>Valido</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Esporta CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>report.dat cannot be read.</source>
        <translation>Impossibile leggere report.dat.</translation>
    </message>
    <message>
        <source>No drill has been logged yet.</source>
        <translation>Nessun esercizio è ancora stato registrato.</translation>
    </message>
    <message>
        <source>%1 of %2 records could not be verified and are left out.</source>
        <translation>%1 record su %2 non sono verificabili e vengono omessi.</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% giuste</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>week beginning</source>
        <translation>settimana dal</translation>
    </message>
    <message>
        <source>drill</source>
        <translation>esercizio</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Accuracy per drill</source>
        <translation>Precisione per esercizio</translation>
    </message>
    <message>
        <source>Seconds per right answer per drill</source>
        <translation>Secondi per risposta giusta per esercizio</translation>
    </message>
    <message>
        <source>MMM d</source>
        <comment>date format of the chart axes (Qt date format)</comment>
        <translation>d/M</translation>
    </message>
    <message>
        <source>not ended</source>
        <translation>non finito</translation>
    </message>
    <message numerus="yes">
        <source>%1 rose from %2 to %3 over %n drill(s)</source>
        <translation>
            <numerusform>%1: in aumento da %2 a %3 in %n esercizio</numerusform>
            <numerusform>%1: in aumento da %2 a %3 in %n esercizi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 rose from %2 to %3 over %n day(s)</source>
        <translation>
            <numerusform>%1: in aumento da %2 a %3 in %n giorno</numerusform>
            <numerusform>%1: in aumento da %2 a %3 in %n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 fell from %2 to %3 over %n drill(s)</source>
        <translation>
            <numerusform>%1: in calo da %2 a %3 in %n esercizio</numerusform>
            <numerusform>%1: in calo da %2 a %3 in %n esercizi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 fell from %2 to %3 over %n day(s)</source>
        <translation>
            <numerusform>%1: in calo da %2 a %3 in %n giorno</numerusform>
            <numerusform>%1: in calo da %2 a %3 in %n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 stayed at %2 over %n drill(s)</source>
        <translation>
            <numerusform>%1: stabile a %2 in %n esercizio</numerusform>
            <numerusform>%1: stabile a %2 in %n esercizi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 stayed at %2 over %n day(s)</source>
        <translation>
            <numerusform>%1: stabile a %2 in %n giorno</numerusform>
            <numerusform>%1: stabile a %2 in %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>No drills yet.</source>
        <translation>Ancora nessun esercizio.</translation>
    </message>
    <message>
        <source>No practice yet.</source>
        <translation>Ancora nessuna pratica.</translation>
    </message>
    <message>
        <source>accuracy</source>
        <translation>precisione</translation>
    </message>
    <message>
        <source>seconds per right answer</source>
        <translation>secondi per risposta giusta</translation>
    </message>
    <message numerus="yes">
        <source>Practice over %n week(s): %1 min in all, %2 min in the latest week.</source>
        <translation>
            <numerusform>Pratica in %n settimana: %1 min in tutto, %2 min nell&apos;ultima settimana.</numerusform>
            <numerusform>Pratica in %n settimane: %1 min in tutto, %2 min nell&apos;ultima settimana.</numerusform>
        </translation>
    </message>
    <message>
        <source>Showing %1</source>
        <translation>Mostra %1</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>accordo</translation>
    </message>
    <message>
        <source>figure</source>
        <translation>figura</translation>
    </message>
    <message>
        <source>mixed figure</source>
        <translation>figura mista</translation>
    </message>
</context>
<context>
    <name>TProgressMenu</name>
    <message>
        <source>Progress</source>
        <translation>Progressi</translation>
    </message>
    <message>
        <source>My Progress…</source>
        <translation>I miei progressi…</translation>
    </message>
    <message>
        <source>Confusions…</source>
        <translation>Confusioni…</translation>
    </message>
    <message>
        <source>Play My Wrong Answers</source>
        <translation>Suona le mie risposte errate</translation>
    </message>
    <message>
        <source>Class Overview…</source>
        <translation>Panoramica della classe…</translation>
    </message>
</context>
<context>
    <name>TReadmeBox</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>TSingForm</name>
    <message>
        <source>Level of your voice</source>
        <translation>Livello della tua voce</translation>
    </message>
    <message>
        <source>Sing the Answer</source>
        <translation>Canta la risposta</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Compito</translation>
    </message>
    <message>
        <source>Sing it back</source>
        <translation>Ricanta</translation>
    </message>
    <message>
        <source>Sing the class</source>
        <translation>Canta la classe</translation>
    </message>
    <message>
        <source>Accept any transposition or inversion</source>
        <translation>Accetta qualsiasi trasposizione o inversione</translation>
    </message>
    <message>
        <source>&amp;Tolerance:</source>
        <translation>&amp;Tolleranza:</translation>
    </message>
    <message>
        <source> cents</source>
        <translation> cent</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voce:</translation>
    </message>
    <message>
        <source>Soprano</source>
        <translation>Soprano</translation>
    </message>
    <message>
        <source>Alto</source>
        <translation>Contralto</translation>
    </message>
    <message>
        <source>Tenor</source>
        <translation>Tenore</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Mine</source>
        <translation>La mia</translation>
    </message>
    <message>
        <source>Sing My &amp;Range</source>
        <translation>Canta la mia &amp;estensione</translation>
    </message>
    <message>
        <source>Sing your lowest comfortable note, then your highest</source>
        <translation>Canta la tua nota più grave comoda, poi la più acuta</translation>
    </message>
    <message>
        <source>&amp;Sing</source>
        <translation>&amp;Canta</translation>
    </message>
    <message>
        <source>Try &amp;Again</source>
        <translation>&amp;Riprova</translation>
    </message>
    <message>
        <source>&amp;Hear the Right Notes</source>
        <translation>&amp;Ascolta le note giuste</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>&amp;Back to the Drill</source>
        <translation>&amp;Torna all&apos;esercizio</translation>
    </message>
    <message>
        <source>Press Sing. Before the first exercise, Sonorix listens to three seconds of silence.</source>
        <translation>Premi Canta. Prima del primo compito Sonorix ascolta tre secondi di silenzio.</translation>
    </message>
    <message>
        <source>Press Sing to begin.</source>
        <translation>Premi Canta per cominciare.</translation>
    </message>
    <message>
        <source>%1, in any transposition or inversion</source>
        <translation>%1, in qualsiasi trasposizione o inversione</translation>
    </message>
    <message>
        <source>%1, inverted form, from %2</source>
        <translation>%1, inversione, da %2</translation>
    </message>
    <message>
        <source>%1, prime form, from %2</source>
        <translation>%1, forma primaria, da %2</translation>
    </message>
    <message>
        <source>%1 %2 cents</source>
        <translation>%1 %2 cent</translation>
    </message>
    <message>
        <source>Heard: %1</source>
        <translation>Sentito: %1</translation>
    </message>
    <message>
        <source>Notes heard</source>
        <translation>Note sentite</translation>
    </message>
    <message>
        <source>You sang</source>
        <translation>Hai cantato</translation>
    </message>
    <message>
        <source>Right notes</source>
        <translation>Note giuste</translation>
    </message>
    <message>
        <source>Right notes: %1.</source>
        <translation>Note giuste: %1.</translation>
    </message>
    <message>
        <source>Sing the Answer…</source>
        <translation>Canta la risposta…</translation>
    </message>
    <message>
        <source>No set class is enabled: choose some in the filters, then press Sing again.</source>
        <translation>Nessuna classe di insiemi è attiva: scegline qualcuna nei filtri, poi premi di nuovo Canta.</translation>
    </message>
    <message>
        <source>Sonorix may not use the microphone. Allow it in the system&apos;s sound or privacy settings, then press Sing again; or go back to the drill.</source>
        <translation>Sonorix non può usare il microfono. Consentilo nelle impostazioni audio o di privacy del sistema, poi premi di nuovo Canta; oppure torna all&apos;esercizio.</translation>
    </message>
    <message>
        <source>No microphone was found. Plug one in or choose it in the system&apos;s sound settings, then press Sing again; or go back to the drill.</source>
        <translation>Non è stato trovato nessun microfono. Collegane uno o sceglilo nelle impostazioni audio del sistema, poi premi di nuovo Canta; oppure torna all&apos;esercizio.</translation>
    </message>
    <message>
        <source>Please keep quiet for three seconds: Sonorix listens to the room&apos;s noise.</source>
        <translation>Resta in silenzio per tre secondi, per favore: Sonorix ascolta il rumore della stanza.</translation>
    </message>
    <message>
        <source>The microphone has gone silent. Check that it is plugged in and not muted, then press Sing again; or go back to the drill.</source>
        <translation>Il microfono è diventato muto. Controlla che sia collegato e non silenziato, poi premi di nuovo Canta; oppure torna all&apos;esercizio.</translation>
    </message>
    <message>
        <source>Listen…</source>
        <translation>Ascolta…</translation>
    </message>
    <message>
        <source>Listen to the starting note…</source>
        <translation>Ascolta la nota iniziale…</translation>
    </message>
    <message>
        <source>Sing the notes back now.</source>
        <translation>Ricanta le note adesso.</translation>
    </message>
    <message>
        <source>Sing now: the starting note was played.</source>
        <translation>Canta adesso: la nota iniziale è stata suonata.</translation>
    </message>
    <message>
        <source>Stopped. Press Sing to begin.</source>
        <translation>Fermato. Premi Canta per cominciare.</translation>
    </message>
    <message>
        <source>Sing again, try again, or hear the right notes.</source>
        <translation>Canta ancora, riprova o ascolta le note giuste.</translation>
    </message>
    <message>
        <source>This answer could not be written to sing.dat.</source>
        <translation>Non è stato possibile scrivere questa risposta in sing.dat.</translation>
    </message>
    <message>
        <source>Sing your lowest comfortable note and hold it.</source>
        <translation>Canta la tua nota comoda più grave e tienila.</translation>
    </message>
    <message>
        <source>Now sing your highest comfortable note and hold it.</source>
        <translation>Ora canta la tua nota comoda più acuta e tienila.</translation>
    </message>
    <message>
        <source>No note was heard. Press Sing My Range to try again.</source>
        <translation>Non è stata sentita nessuna nota. Premi Canta la mia estensione per riprovare.</translation>
    </message>
    <message>
        <source>Your range is kept: the notes played now lie where you sang.</source>
        <translation>La tua estensione è salvata: le note suonate ora stanno dove hai cantato.</translation>
    </message>
    <message>
        <source>Listen, then sing the notes back one after another, in any octave.</source>
        <translation>Ascolta, poi ricanta le note una dopo l&apos;altra, in qualsiasi ottava.</translation>
    </message>
</context>
<context>
    <name>TSonorixApplication</name>
    <message>
        <source>Unknown exception</source>
        <translation>Eccezione sconosciuta</translation>
    </message>
    <message>
        <source>Some lines of %1 are no settings (%2). They stay in the file as they are; the settings that could be read are used.</source>
        <translation>Alcune righe di %1 non sono impostazioni (%2). Restano nel file così come sono; si usano le impostazioni che è stato possibile leggere.</translation>
    </message>
    <message>
        <source>Your work could not be saved in %1: %2.

It is kept in %3 and will be added at the next start of Sonorix where the file can be written. Please tell your teacher.</source>
        <translation>Non è stato possibile salvare il vostro lavoro in %1: %2.

Viene conservato in %3 e sarà aggiunto al prossimo avvio di Sonorix in cui il file sarà scrivibile. Per favore avvisate il vostro insegnante.</translation>
    </message>
    <message>
        <source>Your work could not be saved in %1: %2.

It could not be kept in your own folder either. Please tell your teacher.</source>
        <translation>Non è stato possibile salvare il vostro lavoro in %1: %2.

Non è stato possibile conservarlo nemmeno nella vostra cartella. Per favore avvisate il vostro insegnante.</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Dimensione reale</translation>
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
        <translation>Impossibile usare la cartella dei dati: </translation>
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
        <translation>Uso: sonorix [--help] [--version] [--data-dir CARTELLA] [--class-overview [CARTELLA]]
Educazione dell&apos;orecchio: Sonorix suona tricordi e tetracordi e voi ne nominate la classe di insiemi.

  --help               mostra questo aiuto ed esce
  --version            mostra la versione ed esce
  --data-dir CARTELLA  tiene i file di dati in CARTELLA (una cartella di classe, per esempio)
  --class-overview [CARTELLA]
                       mostra la panoramica della classe di CARTELLA (altrimenti
                       della cartella dei dati) senza accedere

La cartella dei dati è la prima fra: --data-dir, $SONORIX_DATA_DIR, DataDir=
in /etc/sonorix/sonorix.conf; altrimenti il programma installato tiene i suoi
file di dati in $XDG_DATA_HOME/sonorix (~/.local/share/sonorix per impostazione predefinita).
Vi copia ftclass.dat e readme.txt quando mancano. Suono: vedere sonorix(1) per
MIDIWAY_SOUNDFONT, MIDIWAY_AUDIO_DRIVER e MIDIWAY_AUDIO_FILE.
</translation>
    </message>
    <message>
        <source>The Class Overview of a shared folder is for the teachers named in /etc/sonorix/sonorix.conf.</source>
        <translation>La panoramica della classe di una cartella condivisa è riservata agli insegnanti indicati in /etc/sonorix/sonorix.conf.</translation>
    </message>
</context>
</TS>
