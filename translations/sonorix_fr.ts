<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>Right answers in this drill</source>
        <translation>Réponses justes de cet exercice</translation>
    </message>
    <message>
        <source>Wrong answers counted in this drill</source>
        <translation>Réponses fausses comptées dans cet exercice</translation>
    </message>
    <message>
        <source>Drill time </source>
        <translation>Durée de l&apos;exercice </translation>
    </message>
    <message>
        <source>Minutes and seconds since BEGIN</source>
        <translation>Minutes et secondes depuis COMMENCER</translation>
    </message>
    <message>
        <source>Starts a drill; after five right answers it ends it and shows the score. Shortcut: Ctrl+B</source>
        <translation>Commence un exercice ; après cinq réponses justes, le termine et affiche le score. Raccourci : Ctrl+B</translation>
    </message>
    <message>
        <source>Plays the question again. Keys: F1, or p</source>
        <translation>Rejoue la question. Touches : F1 ou p</translation>
    </message>
    <message>
        <source>Plays the question&apos;s notes one by one, upwards. Keys: F2, or q</source>
        <translation>Joue les notes de la question une à une, en montant. Touches : F2 ou q</translation>
    </message>
    <message>
        <source>Plays the question&apos;s notes one by one, downwards. Keys: F3, or r</source>
        <translation>Joue les notes de la question une à une, en descendant. Touches : F3 ou r</translation>
    </message>
    <message>
        <source>Answer prefix</source>
        <translation>Préfixe de la réponse</translation>
    </message>
    <message>
        <source>Type the set class number, such as 11, or Z15 with a capital Z, and press Enter. Up and Down walk the list of set classes. F1 repeats the question, F2 and F3 arpeggiate it. Ctrl+B begins or ends the drill</source>
        <translation>Tapez le numéro de la classe d&apos;ensembles, par exemple 11, ou Z15 avec un Z majuscule, et appuyez sur Entrée. Haut et Bas parcourent la liste des classes d&apos;ensembles. F1 rejoue la question, F2 et F3 l&apos;arpègent. Ctrl+B commence ou termine l&apos;exercice</translation>
    </message>
    <message>
        <source>Answers with the set class chosen. Key: Enter</source>
        <translation>Répond avec la classe d&apos;ensembles choisie. Touche : Entrée</translation>
    </message>
    <message>
        <source>Set classes</source>
        <translation>Classes d&apos;ensembles</translation>
    </message>
    <message>
        <source>The set classes drilled; choosing one puts its number in the answer field</source>
        <translation>Les classes d&apos;ensembles travaillées ; en choisir une met son numéro dans le champ de réponse</translation>
    </message>
    <message>
        <source>How questions are played</source>
        <translation>Comment les questions sont jouées</translation>
    </message>
    <message>
        <source>Cardinality</source>
        <translation>Cardinalité</translation>
    </message>
    <message>
        <source>Trichords or tetrachords</source>
        <translation>Tricordes ou tétracordes</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Ambitus</translation>
    </message>
    <message>
        <source>How widely the notes of a question are spread</source>
        <translation>À quel point les notes d&apos;une question sont réparties</translation>
    </message>
    <message>
        <source>Chooses exactly which set classes are drilled</source>
        <translation>Choisit exactement quelles classes d&apos;ensembles sont travaillées</translation>
    </message>
    <message>
        <source>Trichords or tetrachords; changing it enables every set class of that cardinality</source>
        <translation>Tricordes ou tétracordes ; changer active toutes les classes d&apos;ensembles de cette cardinalité</translation>
    </message>
    <message>
        <source>Saves these settings for the next login when the window closes</source>
        <translation>Enregistre ces réglages pour la prochaine connexion à la fermeture de la fenêtre</translation>
    </message>
    <message>
        <source>Closes the window and drills what is checked. Key: Enter</source>
        <translation>Ferme la fenêtre et travaille ce qui est coché. Touche : Entrée</translation>
    </message>
    <message>
        <source>Checks every set class</source>
        <translation>Coche toutes les classes d&apos;ensembles</translation>
    </message>
    <message>
        <source>Clears every set class</source>
        <translation>Décoche toutes les classes d&apos;ensembles</translation>
    </message>
    <message>
        <source>Drill this set class</source>
        <translation>Travailler cette classe d&apos;ensembles</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Type your name and press Enter; a name typed before is completed as you type</source>
        <translation>Tapez votre nom et appuyez sur Entrée ; un nom déjà tapé est complété pendant la frappe</translation>
    </message>
    <message>
        <source>Saved filters</source>
        <translation>Filtres enregistrés</translation>
    </message>
    <message>
        <source>Drills the filters saved last time. Key: Alt+Y</source>
        <translation>Travaille avec les filtres enregistrés la dernière fois. Touche : Alt+O</translation>
    </message>
    <message>
        <source>Drills every set class of that cardinality instead. Key: Alt+N</source>
        <translation>Travaille plutôt toutes les classes d&apos;ensembles de cette cardinalité. Touche : Alt+N</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Time per interval, in seconds</source>
        <translation>Temps par intervalle, en secondes</translation>
    </message>
    <message>
        <source>Time points</source>
        <translation>Points de temps</translation>
    </message>
    <message>
        <source>Correct percentage</source>
        <translation>Pourcentage de justes</translation>
    </message>
    <message>
        <source>Longevity bonus</source>
        <translation>Bonus de durée</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Columns: date, correct, incorrect, percentage, time per interval, score</source>
        <translation>Colonnes&#xa0;: date, justes, fausses, pourcentage, temps par intervalle, score</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Shows right and wrong answers per set class</source>
        <translation>Montre les réponses justes et fausses par classe d&apos;ensembles</translation>
    </message>
    <message>
        <source>Error report</source>
        <translation>Rapport d&apos;erreurs</translation>
    </message>
    <message>
        <source>Success rate per set class, form and voicing; read it with the arrow keys</source>
        <translation>Taux de réussite par classe d&apos;ensembles, forme et disposition ; à lire avec les flèches</translation>
    </message>
    <message>
        <source>The drill just ended, or every eligible drill</source>
        <translation>L&apos;exercice qui vient de finir, ou tous les exercices éligibles</translation>
    </message>
    <message>
        <source>Breaks each set class down by form A and form B</source>
        <translation>Détaille chaque classe d&apos;ensembles par forme A et forme B</translation>
    </message>
    <message>
        <source>Breaks each form down by voicing</source>
        <translation>Détaille chaque forme par disposition</translation>
    </message>
    <message>
        <source>Lists the set classes each one was mistaken for</source>
        <translation>Liste les classes d&apos;ensembles avec lesquelles chacune a été confondue</translation>
    </message>
    <message>
        <source>Sets every cumulative count to zero, without asking</source>
        <translation>Remet tous les compteurs cumulés à zéro, sans demander</translation>
    </message>
    <message>
        <source>MIDI output devices</source>
        <translation>Périphériques de sortie MIDI</translation>
    </message>
    <message>
        <source>Choosing a device sends the questions to it at once</source>
        <translation>Choisir un périphérique y envoie aussitôt les questions</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>The text of readme.txt</source>
        <translation>Le texte de readme.txt</translation>
    </message>
    <message>
        <source>Closes with Escape</source>
        <translation>Se ferme avec Échap</translation>
    </message>
    <message>
        <source>MIDI input ports</source>
        <translation>Ports d&apos;entrée MIDI</translation>
    </message>
    <message>
        <source>The keyboard to answer from</source>
        <translation>Le clavier avec lequel répondre</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Whose drills are shown</source>
        <translation>De qui les exercices sont montrés</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Personne&#xa0;:</translation>
    </message>
    <message>
        <source>Correct percentage per drill</source>
        <translation>Pourcentage de justes par exercice</translation>
    </message>
    <message>
        <source>Time per interval per drill</source>
        <translation>Temps par intervalle par exercice</translation>
    </message>
    <message>
        <source>Minutes practised per week</source>
        <translation>Minutes de pratique par semaine</translation>
    </message>
    <message>
        <source>Drills</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>One row per drill, the latest last</source>
        <translation>Une ligne par exercice, le plus récent en dernier</translation>
    </message>
    <message>
        <source>Writes the table to a CSV file</source>
        <translation>Écrit le tableau dans un fichier CSV</translation>
    </message>
    <message>
        <source>Answers of</source>
        <translation>Réponses de</translation>
    </message>
    <message>
        <source>Every eligible drill, or the drill just ended</source>
        <translation>Tous les exercices éligibles, ou l&apos;exercice qui vient de finir</translation>
    </message>
    <message>
        <source>Answers of:</source>
        <translation>Réponses de&#xa0;:</translation>
    </message>
    <message>
        <source>Trichord confusions</source>
        <translation>Confusions de tricordes</translation>
    </message>
    <message>
        <source>Rows: the set class asked; columns: the one answered. Enter plays both</source>
        <translation>Lignes&#xa0;: la classe d&apos;ensembles demandée&#xa0;; colonnes&#xa0;: celle répondue. Entrée joue les deux</translation>
    </message>
    <message>
        <source>Tetrachord confusions</source>
        <translation>Confusions de tétracordes</translation>
    </message>
    <message>
        <source>Answer, tetrachord number</source>
        <translation>Réponse, numéro du tétracorde</translation>
    </message>
    <message>
        <source>Answer, trichord number</source>
        <translation>Réponse, numéro du tricorde</translation>
    </message>
    <message>
        <source>Drill started. First question.</source>
        <translation>Exercice commencé. Première question.</translation>
    </message>
    <message>
        <source> The drill can now be ended with Ctrl+B.</source>
        <translation> L&apos;exercice peut maintenant être terminé avec Ctrl+B.</translation>
    </message>
    <message>
        <source> Next question.</source>
        <translation> Question suivante.</translation>
    </message>
    <message>
        <source>Not %1, counted once. Try again.</source>
        <translation>Pas %1, compté une fois. Réessayez.</translation>
    </message>
    <message>
        <source>No set class chosen.</source>
        <translation>Aucune classe d&apos;ensembles choisie.</translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation>Juste : %1.</translation>
    </message>
    <message>
        <source>Wrong: not %1. Try again.</source>
        <translation>Faux : pas %1. Réessayez.</translation>
    </message>
    <message>
        <source>No drill running. Ctrl+B begins one.</source>
        <translation>Aucun exercice en cours. Ctrl+B en commence un.</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong, time %3.</source>
        <translation>%1 justes, %2 fausses, temps %3.</translation>
    </message>
    <message>
        <source> END possible: Ctrl+B.</source>
        <translation> TERMINER possible : Ctrl+B.</translation>
    </message>
    <message>
        <source>Not entered: filters were used.</source>
        <translation>Non inscrit : des filtres ont été utilisés.</translation>
    </message>
    <message>
        <source>Row %1 of %2, %3, %4.</source>
        <translation>Ligne %1 sur %2, %3, %4.</translation>
    </message>
    <message>
        <source>No entry selected.</source>
        <translation>Aucune entrée sélectionnée.</translation>
    </message>
    <message>
        <source>The drill just ended is selected</source>
        <translation>L&apos;exercice qui vient de finir est sélectionné</translation>
    </message>
    <message>
        <source>Score %1: %2 time points, %3 correct, longevity bonus %4. %5 seconds per interval.</source>
        <translation>Score %1 : %2 points de temps, %3 justes, bonus de durée %4. %5 secondes par intervalle.</translation>
    </message>
    <message>
        <source>%1. %2%3 right, %4 wrong, %5 %, %6 s per interval, score %7</source>
        <translation>%1. %2%3 justes, %4 fausses, %5 %, %6 s par intervalle, score %7</translation>
    </message>
    <message>
        <source>Drill started. Space: first question.</source>
        <translation>Exercice commencé. Espace : première question.</translation>
    </message>
    <message>
        <source> Space: next question.</source>
        <translation> Espace : question suivante.</translation>
    </message>
    <message>
        <source>No entry yet in this table.</source>
        <translation>Aucune entrée dans ce tableau pour l&apos;instant.</translation>
    </message>
</context>
<context>
    <name>Assignments</name>
    <message>
        <source>done</source>
        <translation>fait</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>pas commencé</translation>
    </message>
    <message>
        <source>late</source>
        <translation>en retard</translation>
    </message>
    <message>
        <source>Another device changed the assignments meanwhile; they are shown as they are now. Please make your change again.</source>
        <translation>Un autre appareil a modifié les devoirs entre-temps ; ils sont affichés tels qu&apos;ils sont maintenant. Veuillez refaire votre modification.</translation>
    </message>
    <message>
        <source>Only the teacher may change the assignments.</source>
        <translation>Seul l&apos;enseignant peut modifier les devoirs.</translation>
    </message>
    <message>
        <source>The assignments could not be saved.</source>
        <translation>Les devoirs n&apos;ont pas pu être enregistrés.</translation>
    </message>
    <message numerus="yes">
        <source>%n assignment(s) due this week: %1</source>
        <translation>
            <numerusform>%n devoir à rendre cette semaine : %1</numerusform>
            <numerusform>%n devoirs à rendre cette semaine : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 pour le %2</translation>
    </message>
    <message>
        <source>%1 of %2 drill</source>
        <translation>%1 sur %2 exercice</translation>
    </message>
    <message>
        <source>%1 of %2 drills</source>
        <translation>%1 sur %2 exercices</translation>
    </message>
    <message>
        <source>%1 of %2 minute</source>
        <translation>%1 sur %2 minute</translation>
    </message>
    <message>
        <source>%1 of %2 minutes</source>
        <translation>%1 sur %2 minutes</translation>
    </message>
    <message>
        <source>%1 of %2 class</source>
        <translation>%1 sur %2 classe</translation>
    </message>
    <message>
        <source>%1 of %2 classes</source>
        <translation>%1 sur %2 classes</translation>
    </message>
    <message>
        <source>The line comes before the first assignment; it is skipped.</source>
        <translation>La ligne précède le premier devoir ; elle est ignorée.</translation>
    </message>
    <message>
        <source>An assignment needs a title; it is skipped with its lines.</source>
        <translation>Un devoir a besoin d&apos;un titre ; il est ignoré avec ses lignes.</translation>
    </message>
    <message>
        <source>The line is not understood; it is skipped.</source>
        <translation>La ligne n&apos;est pas comprise ; elle est ignorée.</translation>
    </message>
    <message>
        <source>The classes are given twice; this line is skipped.</source>
        <translation>Les classes sont données deux fois ; cette ligne est ignorée.</translation>
    </message>
    <message>
        <source>A class is written like 3-11 or 4-Z15; this line is skipped.</source>
        <translation>Une classe s&apos;écrit comme 3-11 ou 4-Z15 ; cette ligne est ignorée.</translation>
    </message>
    <message>
        <source>The classes of an assignment are all trichords or all tetrachords; this line is skipped.</source>
        <translation>Les classes d&apos;un devoir sont toutes des tricordes ou toutes des tétracordes ; cette ligne est ignorée.</translation>
    </message>
    <message>
        <source>The line names no classes; it is skipped.</source>
        <translation>La ligne ne nomme aucune classe ; elle est ignorée.</translation>
    </message>
    <message>
        <source>The range is close, one octave or two octaves; this line is skipped.</source>
        <translation>L&apos;étendue est « close », « one octave » ou « two octaves » ; cette ligne est ignorée.</translation>
    </message>
    <message>
        <source>The range is given twice; this line is skipped.</source>
        <translation>L&apos;étendue est donnée deux fois ; cette ligne est ignorée.</translation>
    </message>
    <message>
        <source>Play is chord, figure or mixed; this line is skipped.</source>
        <translation>« play » vaut « chord », « figure » ou « mixed » ; cette ligne est ignorée.</translation>
    </message>
    <message>
        <source>Play is given twice; this line is skipped.</source>
        <translation>« play » est donné deux fois ; cette ligne est ignorée.</translation>
    </message>
    <message>
        <source>A date is written yyyy-mm-dd, like 2026-12-07; this line is skipped.</source>
        <translation>Une date s&apos;écrit aaaa-mm-jj, comme 2026-12-07 ; cette ligne est ignorée.</translation>
    </message>
    <message>
        <source>The date is given twice; this line is skipped.</source>
        <translation>La date est donnée deux fois ; cette ligne est ignorée.</translation>
    </message>
    <message>
        <source>The goal is given twice; this line is skipped.</source>
        <translation>L&apos;objectif est donné deux fois ; cette ligne est ignorée.</translation>
    </message>
    <message>
        <source>The goal is: drills N right R percent P, minutes M, or first-try K; this line is skipped.</source>
        <translation>L&apos;objectif s&apos;écrit : drills N right R percent P, minutes M ou first-try K ; cette ligne est ignorée.</translation>
    </message>
    <message>
        <source>The assignment names no classes; it is skipped.</source>
        <translation>Le devoir ne nomme aucune classe ; il est ignoré.</translation>
    </message>
    <message>
        <source>The assignment has no goal; it is skipped.</source>
        <translation>Le devoir n&apos;a pas d&apos;objectif ; il est ignoré.</translation>
    </message>
    <message>
        <source>The assignment has no start date; it is skipped.</source>
        <translation>Le devoir n&apos;a pas de date de début ; il est ignoré.</translation>
    </message>
    <message>
        <source>The assignment has no due date; it is skipped.</source>
        <translation>Le devoir n&apos;a pas de date limite ; il est ignoré.</translation>
    </message>
    <message>
        <source>The assignment is due before it starts; it is skipped.</source>
        <translation>Le devoir est à rendre avant d&apos;avoir commencé ; il est ignoré.</translation>
    </message>
    <message>
        <source>The assignment names a class the catalogue does not have.</source>
        <translation>Le devoir nomme une classe absente du catalogue.</translation>
    </message>
    <message>
        <source>The assignment needs a title.</source>
        <translation>Le devoir a besoin d&apos;un titre.</translation>
    </message>
    <message>
        <source>Choose at least one set class.</source>
        <translation>Choisissez au moins une classe d&apos;ensembles.</translation>
    </message>
    <message>
        <source>The due date comes before the start.</source>
        <translation>La date limite précède le début.</translation>
    </message>
    <message>
        <source>Give the start and the due date.</source>
        <translation>Indiquez la date de début et la date de remise.</translation>
    </message>
    <message>
        <source>The numbers of the goal are whole numbers: at least 1 drill, minute or time, 0 to 100 %.</source>
        <translation>Les nombres de l’objectif sont entiers : au moins 1 exercice, minute ou fois, de 0 à 100 %.</translation>
    </message>
</context>
<context>
    <name>ClassLink</name>
    <message>
        <source>This is not the address of a folder on a server, such as https://cloud.school.example/remote.php/dav/files/ann/Theory 1/.</source>
        <translation>Ce n&apos;est pas l&apos;adresse d&apos;un dossier sur un serveur, comme https://cloud.school.example/remote.php/dav/files/ann/Theory 1/.</translation>
    </message>
    <message>
        <source>The class&apos;s address must begin with https://; plain http:// is only allowed for this computer (localhost).</source>
        <translation>L&apos;adresse de la classe doit commencer par https:// ; le simple http:// n&apos;est permis que pour cet ordinateur (localhost).</translation>
    </message>
    <message>
        <source>The address may not contain an account, a password or a query; type the account and password in their own fields.</source>
        <translation>L&apos;adresse ne peut contenir ni compte, ni mot de passe, ni requête ; saisissez le compte et le mot de passe dans leurs propres champs.</translation>
    </message>
    <message>
        <source>Saved to the class.</source>
        <translation>Enregistré dans la classe.</translation>
    </message>
    <message>
        <source>The class&apos;s server cannot be reached; the work waits for the network.</source>
        <translation>Le serveur de la classe est injoignable ; le travail attend le réseau.</translation>
    </message>
    <message>
        <source>The connection to the class&apos;s server broke during a send; it will be sent again.</source>
        <translation>La connexion au serveur de la classe s&apos;est rompue pendant un envoi ; il sera renvoyé.</translation>
    </message>
    <message>
        <source>The class&apos;s server did not accept the account or the password.</source>
        <translation>Le serveur de la classe n&apos;a pas accepté le compte ou le mot de passe.</translation>
    </message>
    <message>
        <source>The class&apos;s server does not let this account write there.</source>
        <translation>Le serveur de la classe ne permet pas à ce compte d&apos;y écrire.</translation>
    </message>
    <message>
        <source>The class&apos;s server is full; the work waits until it has room.</source>
        <translation>Le serveur de la classe est plein ; le travail attend qu&apos;il ait de la place.</translation>
    </message>
    <message>
        <source>The class&apos;s folder is not on the server; check the address.</source>
        <translation>Le dossier de la classe n&apos;est pas sur le serveur ; vérifiez l&apos;adresse.</translation>
    </message>
    <message>
        <source>The class&apos;s server sent Sonorix to another server, which it refuses.</source>
        <translation>Le serveur de la classe a renvoyé Sonorix vers un autre serveur, ce que Sonorix refuse.</translation>
    </message>
    <message>
        <source>The class&apos;s server answered with a web page (a login page?) instead of the class&apos;s files.</source>
        <translation>Le serveur de la classe a répondu par une page web (une page de connexion ?) au lieu des fichiers de la classe.</translation>
    </message>
    <message>
        <source>The class&apos;s server sent an answer Sonorix cannot read: no WebDAV folder listing, or far too large.</source>
        <translation>Le serveur de la classe a envoyé une réponse que Sonorix ne sait pas lire : pas une liste de dossier WebDAV, ou bien trop grande.</translation>
    </message>
    <message>
        <source>The class&apos;s server gives a file no version Sonorix can safely replace; it will try again.</source>
        <translation>Le serveur de la classe ne donne à un fichier aucune version que Sonorix puisse remplacer sans risque ; il réessaiera.</translation>
    </message>
    <message>
        <source>Other devices kept changing the class&apos;s file; it will be tried again.</source>
        <translation>D&apos;autres appareils ont sans cesse modifié le fichier de la classe ; il sera réessayé.</translation>
    </message>
    <message>
        <source>The class&apos;s server had a fault; the work will be sent again.</source>
        <translation>Le serveur de la classe a eu une panne ; le travail sera renvoyé.</translation>
    </message>
    <message>
        <source>Sonorix could not write the list of work waiting for the class in the data folder.</source>
        <translation>Sonorix n&apos;a pas pu écrire dans le dossier de données la liste du travail qui attend la classe.</translation>
    </message>
    <message>
        <source>The class&apos;s server has a certificate this computer does not trust; nothing is sent to it.</source>
        <translation>Le serveur de la classe a un certificat auquel cet ordinateur ne fait pas confiance ; rien ne lui est envoyé.</translation>
    </message>
    <message>
        <source>The class&apos;s server cannot be reached.</source>
        <translation>Le serveur de la classe est injoignable.</translation>
    </message>
    <message>
        <source>The connection to the class&apos;s server broke while the class was read.</source>
        <translation>La connexion au serveur de la classe a été coupée pendant la lecture de la classe.</translation>
    </message>
    <message>
        <source>The class&apos;s server does not let this account read the whole class.</source>
        <translation>Le serveur de la classe ne permet pas à ce compte de lire toute la classe.</translation>
    </message>
    <message>
        <source>Saved to the class</source>
        <translation>Enregistré dans la classe</translation>
    </message>
    <message>
        <source>Changes waiting for the network</source>
        <translation>Des modifications attendent le réseau</translation>
    </message>
    <message>
        <source>The class&apos;s password is needed to send</source>
        <translation>Le mot de passe de la classe est nécessaire pour envoyer</translation>
    </message>
    <message numerus="yes">
        <source>%n drill waiting for the network</source>
        <translation>
            <numerusform>%n exercice attend le réseau</numerusform>
            <numerusform>%n exercices attendent le réseau</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drills waiting for the network</source>
        <translation>
            <numerusform>%n exercice attend le réseau</numerusform>
            <numerusform>%n exercices attendent le réseau</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HeardPicture</name>
    <message>
        <source>What I Heard</source>
        <translation>Ce que j&apos;ai entendu</translation>
    </message>
    <message>
        <source>Heard</source>
        <translation>Entendu</translation>
    </message>
    <message>
        <source>You named</source>
        <translation>Vous avez nommé</translation>
    </message>
    <message>
        <source>Show What I Heard</source>
        <translation>Montrer ce que j&apos;ai entendu</translation>
    </message>
    <message>
        <source>What I heard</source>
        <translation>Ce que j&apos;ai entendu</translation>
    </message>
    <message>
        <source>%1: %2, prime form %3</source>
        <translation>%1 : %2, forme primaire %3</translation>
    </message>
    <message>
        <source>They differ in interval classes %1</source>
        <translation>Elles diffèrent par les classes d&apos;intervalles %1</translation>
    </message>
    <message>
        <source>Underlined: the interval classes in which they differ</source>
        <translation>Soulignées : les classes d&apos;intervalles par lesquelles elles diffèrent</translation>
    </message>
</context>
<context>
    <name>PracticeWindows</name>
    <message>
        <source>Practice Summary</source>
        <translation>Bilan de l&apos;entraînement</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Right at first try</source>
        <translation>Justes du premier coup</translation>
    </message>
    <message>
        <source>First-try %</source>
        <translation>Du premier coup %</translation>
    </message>
    <message>
        <source>Revealed</source>
        <translation>Montrées</translation>
    </message>
    <message>
        <source>Practice per day</source>
        <translation>Entraînement par jour</translation>
    </message>
    <message>
        <source>Practice focus</source>
        <translation>Points à travailler</translation>
    </message>
    <message>
        <source>&lt;b&gt;Practice focus&lt;/b&gt;</source>
        <translation>&lt;b&gt;Points à travailler&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Questions: %1</source>
        <translation>Questions : %1</translation>
    </message>
    <message>
        <source>Right at the first try: %1 (%2 %)</source>
        <translation>Justes du premier coup : %1 (%2 %)</translation>
    </message>
    <message>
        <source>Right at the first try: %1</source>
        <translation>Justes du premier coup : %1</translation>
    </message>
    <message>
        <source>Revealed: %1</source>
        <translation>Montrées : %1</translation>
    </message>
    <message>
        <source>Time: %1:%2</source>
        <translation>Durée : %1:%2</translation>
    </message>
    <message>
        <source>Getting surer: %1</source>
        <translation>De plus en plus sûr : %1</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>aucune pour l’instant</translation>
    </message>
    <message>
        <source>Needs more work: %1</source>
        <translation>À retravailler : %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>&lt;br&gt;No practice yet: choose Practice Mode in the Progress menu.</source>
        <translation>&lt;br&gt;Pas encore d’entraînement : choisissez Mode entraînement dans le menu Progrès.</translation>
    </message>
    <message>
        <source>once</source>
        <translation>une fois</translation>
    </message>
    <message>
        <source>twice</source>
        <translation>deux fois</translation>
    </message>
    <message>
        <source>not practised yet; %1 % right in your drills</source>
        <translation>pas encore travaillé ; %1 % de réponses justes dans vos exercices</translation>
    </message>
    <message>
        <source>not practised yet</source>
        <translation>pas encore travaillé</translation>
    </message>
    <message>
        <source>confused with %1 %2 and with %3 %4 this week</source>
        <translation>confondu avec %1 %2 et avec %3 %4 cette semaine</translation>
    </message>
    <message>
        <source>confused with %1 %2 this week</source>
        <translation>confondu avec %1 %2 cette semaine</translation>
    </message>
    <message numerus="yes">
        <source>right at the first try in %1 of %n question</source>
        <translation>
            <numerusform>juste du premier coup dans %1 question sur %n</numerusform>
            <numerusform>juste du premier coup dans %1 questions sur %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>right at the first try in %1 of %n questions</source>
        <translation>
            <numerusform>juste du premier coup dans %1 question sur %n</numerusform>
            <numerusform>juste du premier coup dans %1 questions sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>missed when last asked</source>
        <translation>manqué la dernière fois</translation>
    </message>
    <message>
        <source>box %1 of %2</source>
        <translation>niveau %1 sur %2</translation>
    </message>
    <message>
        <source>%1 (%2 % of the questions): %3</source>
        <translation>%1 (%2 % des questions) : %3</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n fois</numerusform>
            <numerusform>%n fois</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SingVerdict</name>
    <message>
        <source>Right! %1</source>
        <translation>Juste&#xa0;! %1</translation>
    </message>
    <message>
        <source>No note was heard. Sing a little louder or closer to the microphone.</source>
        <translation>Aucune note n&apos;a été entendue. Chantez un peu plus fort ou plus près du micro.</translation>
    </message>
    <message>
        <source>Not yet: %1 of %2 notes right (%3).</source>
        <translation>Pas encore&#xa0;: %1 notes justes sur %2 (%3).</translation>
    </message>
</context>
<context>
    <name>SoundNotice</name>
    <message>
        <source>no audio output</source>
        <translation>aucune sortie audio</translation>
    </message>
    <message>
        <source>MIDI output not open</source>
        <translation>sortie MIDI non ouverte</translation>
    </message>
    <message>
        <source> - No sound: </source>
        <translation> – Pas de son&#xa0;: </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Ear training for music students: Sonorix plays trichords and</source>
        <translation>Formation de l&apos;oreille pour étudiants en musique&#xa0;: Sonorix joue des</translation>
    </message>
    <message>
        <source>tetrachords and asks which pitch-class set class you heard.</source>
        <translation>tricordes et des tétracordes et demande quelle classe d&apos;ensembles vous avez entendue.</translation>
    </message>
    <message>
        <source>Sonorix is free software under the GNU General Public License,</source>
        <translation>Sonorix est un logiciel libre sous la licence publique générale GNU,</translation>
    </message>
    <message>
        <source>version 3 or (at your option) any later version: you may share</source>
        <translation>version 3 ou (à votre choix) toute version ultérieure&#xa0;: vous pouvez</translation>
    </message>
    <message>
        <source>and change it under its terms. It comes with NO WARRANTY.</source>
        <translation>le partager et le modifier selon ses termes. Il est fourni SANS GARANTIE.</translation>
    </message>
    <message>
        <source>It stands on Qt, FluidSynth and RtMidi, and its built-in</source>
        <translation>Il repose sur Qt, FluidSynth et RtMidi, et son synthétiseur</translation>
    </message>
    <message>
        <source>synthesizer plays a General MIDI SoundFont, by default TimGM6mb.</source>
        <translation>intégré joue une SoundFont General MIDI, par défaut TimGM6mb.</translation>
    </message>
    <message>
        <source>About Sonorix</source>
        <translation>À propos de Sonorix</translation>
    </message>
    <message>
        <source>The license is in /usr/share/common-licenses/GPL-3,</source>
        <translation>La licence se trouve dans /usr/share/common-licenses/GPL-3,</translation>
    </message>
    <message>
        <source>Sonorix&apos;s copyright notice in %1.</source>
        <translation>la notice de droit d&apos;auteur de Sonorix dans %1.</translation>
    </message>
</context>
<context>
    <name>TAssignmentEditor</name>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>&amp;Instructions:</source>
        <translation>&amp;Consignes :</translation>
    </message>
    <message>
        <source>trichords</source>
        <translation>tricordes</translation>
    </message>
    <message>
        <source>tetrachords</source>
        <translation>tétracordes</translation>
    </message>
    <message>
        <source>&amp;Cardinality:</source>
        <translation>&amp;Cardinalité :</translation>
    </message>
    <message>
        <source>Set classes</source>
        <translation>Classes d&apos;ensembles</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Toutes</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>&amp;Aucune</translation>
    </message>
    <message>
        <source>close position</source>
        <translation>position serrée</translation>
    </message>
    <message>
        <source>within one octave</source>
        <translation>dans une octave</translation>
    </message>
    <message>
        <source>within two octaves</source>
        <translation>dans deux octaves</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>É&amp;tendue :</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>accord</translation>
    </message>
    <message>
        <source>figure</source>
        <translation>figure</translation>
    </message>
    <message>
        <source>mixed figure</source>
        <translation>figure mixte</translation>
    </message>
    <message>
        <source>&amp;Play:</source>
        <translation>&amp;Jouer :</translation>
    </message>
    <message>
        <source>drills with enough right answers</source>
        <translation>exercices avec assez de bonnes réponses</translation>
    </message>
    <message>
        <source>minutes of practice mode</source>
        <translation>minutes en mode entraînement</translation>
    </message>
    <message>
        <source>each class right at the first try in practice</source>
        <translation>chaque classe juste du premier coup en entraînement</translation>
    </message>
    <message>
        <source>&amp;Done when:</source>
        <translation>&amp;Fait quand :</translation>
    </message>
    <message>
        <source>&amp;How many:</source>
        <translation>&amp;Combien :</translation>
    </message>
    <message>
        <source>Each with at least this many &amp;right:</source>
        <translation>Chacun avec au moins autant de &amp;bonnes :</translation>
    </message>
    <message>
        <source>And at least this &amp;share right:</source>
        <translation>Et au moins cette &amp;part de bonnes :</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>D&amp;ue:</source>
        <translation>&amp;Pour le :</translation>
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
        <translation>Devoirs</translation>
    </message>
    <message>
        <source>&amp;Open assignments:</source>
        <translation>Devoirs &amp;ouverts :</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Pour le</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Commencer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nouveau…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Modifier…</translation>
    </message>
    <message>
        <source>&amp;Copy…</source>
        <translation>Co&amp;pier…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Sets the drill window to the assignment&apos;s classes, range and play mode; your own settings stay saved.</source>
        <translation>Règle la fenêtre d&apos;exercice sur les classes, l&apos;étendue et le mode de jeu du devoir ; vos propres réglages restent enregistrés.</translation>
    </message>
    <message>
        <source>Gives you your own drill settings back.</source>
        <translation>Vous rend vos propres réglages d&apos;exercice.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>No assignments are set.</source>
        <translation>Aucun devoir n&apos;est donné.</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>à partir du %1</translation>
    </message>
    <message>
        <source>%1, due %2, %3, %4</source>
        <translation>%1, pour le %2, %3, %4</translation>
    </message>
    <message>
        <source>No instructions</source>
        <translation>Pas de consignes</translation>
    </message>
    <message>
        <source>Instructions: %1</source>
        <translation>Consignes : %1</translation>
    </message>
    <message>
        <source>The assignment names a set class the catalogue does not have.</source>
        <translation>Le devoir nomme une classe d&apos;ensembles absente du catalogue.</translation>
    </message>
    <message>
        <source>as a chord</source>
        <translation>en accord</translation>
    </message>
    <message>
        <source>as a figure</source>
        <translation>en figure</translation>
    </message>
    <message>
        <source>as a mixed figure</source>
        <translation>en figure mêlée</translation>
    </message>
    <message>
        <source>Started: %1. Play %2.</source>
        <translation>Commencé : %1. Jouez %2.</translation>
    </message>
    <message>
        <source>Your own drill settings are back.</source>
        <translation>Vos propres réglages d&apos;exercice sont revenus.</translation>
    </message>
    <message>
        <source>The assignments are saved.</source>
        <translation>Les devoirs sont enregistrés.</translation>
    </message>
    <message>
        <source>New Assignment</source>
        <translation>Nouveau devoir</translation>
    </message>
    <message>
        <source>Edit Assignment</source>
        <translation>Modifier le devoir</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (copie)</translation>
    </message>
    <message>
        <source>Copy Assignment</source>
        <translation>Copier le devoir</translation>
    </message>
    <message>
        <source>Delete Assignment</source>
        <translation>Supprimer le devoir</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? The students&apos; drills stay as they are.</source>
        <translation>Supprimer « %1 » ? Les exercices des élèves restent tels quels.</translation>
    </message>
    <message>
        <source>The class&apos;s assignments are on its server: type the class&apos;s password (Class › Class Password…) to see them.</source>
        <translation>Les devoirs de la classe sont sur son serveur&#xa0;: saisissez le mot de passe de la classe (Classe › Mot de passe de la classe…) pour les voir.</translation>
    </message>
</context>
<context>
    <name>TAssignmentsMenu</name>
    <message>
        <source>&amp;Assignments…</source>
        <translation>&amp;Devoirs…</translation>
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
        <translation>&amp;Rejoindre une classe…</translation>
    </message>
    <message>
        <source>Class &amp;Password…</source>
        <translation>&amp;Mot de passe de la classe…</translation>
    </message>
    <message>
        <source>&amp;Leave the Class</source>
        <translation>&amp;Quitter la classe</translation>
    </message>
    <message>
        <source>Leave the Class</source>
        <translation>Quitter la classe</translation>
    </message>
    <message>
        <source>Leave the class? Your drills stay on this computer.</source>
        <translation>Quitter la classe ? Vos exercices restent sur cet ordinateur.</translation>
    </message>
    <message numerus="yes">
        <source>%n drill still waits for the network and will not reach the class.</source>
        <translation>
            <numerusform>%n exercice attend encore le réseau et n&apos;atteindra pas la classe.</numerusform>
            <numerusform>%n exercices attendent encore le réseau et n&apos;atteindront pas la classe.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drills still wait for the network and will not reach the class.</source>
        <translation>
            <numerusform>%n exercice attend encore le réseau et n&apos;atteindra pas la classe.</numerusform>
            <numerusform>%n exercices attendent encore le réseau et n&apos;atteindront pas la classe.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TClassOverview</name>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Drills</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Last
practice</source>
        <translation>Dernière
pratique</translation>
    </message>
    <message>
        <source>
% right</source>
        <translation>
% justes</translation>
    </message>
    <message>
        <source>
s/right</source>
        <translation>
s/juste</translation>
    </message>
    <message>
        <source>
best score</source>
        <translation>
meilleur score</translation>
    </message>
    <message>
        <source>Unverified</source>
        <translation>Non vérifiés</translation>
    </message>
    <message>
        <source>Class Overview</source>
        <translation>Vue d&apos;ensemble de la classe</translation>
    </message>
    <message>
        <source>Set class</source>
        <translation>Classe d&apos;ensembles</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% justes</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jouée</translation>
    </message>
    <message>
        <source>Taken for</source>
        <translation>Prise pour</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Fois</translation>
    </message>
    <message>
        <source>Hardest set classes (all eligible drills):</source>
        <translation>Classes d&apos;ensembles les plus difficiles (tous les exercices éligibles) :</translation>
    </message>
    <message>
        <source>Most frequent confusions:</source>
        <translation>Confusions les plus fréquentes :</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Save PDF…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Save PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>Fichiers PDF (*.pdf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>(unknown)</source>
        <translation>(inconnu)</translation>
    </message>
    <message>
        <source>Time
this week</source>
        <translation>Temps
cette semaine</translation>
    </message>
    <message>
        <source>Time
in all</source>
        <translation>Temps
au total</translation>
    </message>
    <message>
        <source>First
practice</source>
        <translation>Premier
entraînement</translation>
    </message>
    <message>
        <source>Ineligible
% right</source>
        <translation>Non retenus
% justes</translation>
    </message>
    <message>
        <source>Ineligible
drills</source>
        <translation>Exercices
non retenus</translation>
    </message>
    <message>
        <source>Not ended
drills</source>
        <translation>Exercices
non terminés</translation>
    </message>
    <message>
        <source>Practice
questions</source>
        <translation>Entraînement
questions</translation>
    </message>
    <message>
        <source>Practice
first try %</source>
        <translation>Entraînement
% du premier coup</translation>
    </message>
    <message>
        <source>Practice
this week</source>
        <translation>Entraînement
cette semaine</translation>
    </message>
    <message>
        <source>Practice
in all</source>
        <translation>Entraînement
au total</translation>
    </message>
    <message>
        <source>Sung
questions</source>
        <translation>Questions
chantées</translation>
    </message>
    <message>
        <source>Sung
first try %</source>
        <translation>Chanté
% du 1er coup</translation>
    </message>
    <message>
        <source>Ambiguous</source>
        <translation>Ambigus</translation>
    </message>
    <message>
        <source>Reading the logs… %p%</source>
        <translation>Lecture des journaux… %p%</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 — reading the logs…</source>
        <translation>%1 — lecture des journaux…</translation>
    </message>
    <message>
        <source>report.dat cannot be read.</source>
        <translation>report.dat ne peut pas être lu.</translation>
    </message>
    <message>
        <source>practice.dat cannot be read.</source>
        <translation>practice.dat ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 — reading the logs was cancelled.</source>
        <translation>%1 — la lecture des journaux a été annulée.</translation>
    </message>
    <message>
        <source>%1 records could belong to more than one person and count for nobody.</source>
        <translation>%1 enregistrements pourraient appartenir à plusieurs personnes et ne comptent pour personne.</translation>
    </message>
    <message>
        <source>Drills and practice from %1 to %2.</source>
        <translation>Exercices et entraînement du %1 au %2.</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>close position</source>
        <translation>position serrée</translation>
    </message>
    <message>
        <source>within 1 octave</source>
        <translation>sur 1 octave</translation>
    </message>
    <message>
        <source>within 2 octaves</source>
        <translation>sur 2 octaves</translation>
    </message>
    <message>
        <source>trichords</source>
        <translation>tricordes</translation>
    </message>
    <message>
        <source>tetrachords</source>
        <translation>tétracordes</translation>
    </message>
    <message>
        <source>% right, s/right and best score count the eligible drills that reached END: every set class of the cardinality enabled and the settings unchanged. Ineligible drills reached END otherwise; not ended drills have fewer than five right answers. Times are minutes:seconds. Unverified records are damaged or fail their check value; ambiguous ones verify for more than one person alike; (unknown) holds unverified records that belong to no single person.</source>
        <translation>% justes, s/juste et meilleur score comptent les exercices retenus arrivés à END : toutes les classes de la cardinalité activées et les réglages inchangés. Les exercices non retenus sont arrivés à END autrement ; les exercices non terminés ont moins de cinq bonnes réponses. Les temps sont en minutes:secondes. Les enregistrements non vérifiés sont endommagés ou leur valeur de contrôle est fausse ; les ambigus conviennent aussi bien à plusieurs personnes ; (inconnu) regroupe les enregistrements non vérifiés qui n’appartiennent à aucune personne en particulier.</translation>
    </message>
    <message>
        <source>Per student, from practice mode</source>
        <translation>Par élève, d’après le mode entraînement</translation>
    </message>
    <message>
        <source>Nobody has practised yet.</source>
        <translation>Personne ne s’est encore entraîné.</translation>
    </message>
    <message>
        <source>%1 (%2 of %3 at the first try)</source>
        <translation>%1 (%2 sur %3 du premier coup)</translation>
    </message>
    <message>
        <source>%1 taken for %2 (%3×)</source>
        <translation>%1 pris pour %2 (%3×)</translation>
    </message>
    <message>
        <source>hardest</source>
        <translation>les plus difficiles</translation>
    </message>
    <message>
        <source>confusions</source>
        <translation>confusions</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message numerus="yes">
        <source>%1 — %n person, %3 records, %4 of them unverified. Week from %5.</source>
        <translation>
            <numerusform>%1 — %n personne, %3 enregistrements, dont %4 non vérifiés. Semaine du %5.</numerusform>
            <numerusform>%1 — %n personnes, %3 enregistrements, dont %4 non vérifiés. Semaine du %5.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 — %n people, %3 records, %4 of them unverified. Week from %5.</source>
        <translation>
            <numerusform>%1 — %n personne, %3 enregistrements, dont %4 non vérifiés. Semaine du %5.</numerusform>
            <numerusform>%1 — %n personnes, %3 enregistrements, dont %4 non vérifiés. Semaine du %5.</numerusform>
        </translation>
    </message>
    <message>
        <source>close</source>
        <translation>serrée</translation>
    </message>
    <message>
        <source>1 oct</source>
        <translation>1 oct.</translation>
    </message>
    <message>
        <source>2 oct</source>
        <translation>2 oct.</translation>
    </message>
    <message>
        <source>Open Class on Server…</source>
        <translation>Ouvrir la classe sur le serveur…</translation>
    </message>
    <message>
        <source>Open Class Copy…</source>
        <translation>Ouvrir une copie de la classe…</translation>
    </message>
    <message>
        <source>%1 — reading the class folder…</source>
        <translation>%1 — lecture du dossier de la classe…</translation>
    </message>
    <message>
        <source>%1 — reading the class folder was cancelled.</source>
        <translation>%1 — la lecture du dossier de la classe a été annulée.</translation>
    </message>
    <message>
        <source>Folders this account may not read: %1.</source>
        <translation>Dossiers que ce compte ne peut pas lire : %1.</translation>
    </message>
    <message>
        <source>The folder cannot be read.</source>
        <translation>Le dossier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Some files of the folder cannot be read.</source>
        <translation>Certains fichiers du dossier ne peuvent pas être lus.</translation>
    </message>
    <message>
        <source>Open Class on Server</source>
        <translation>Ouvrir la classe sur le serveur</translation>
    </message>
    <message>
        <source>Class folder address:</source>
        <translation>Adresse du dossier de la classe :</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Type the account on the class&apos;s server.</source>
        <translation>Saisissez le compte sur le serveur de la classe.</translation>
    </message>
    <message>
        <source>Open Class Copy</source>
        <translation>Ouvrir une copie de la classe</translation>
    </message>
    <message>
        <source>Due this week</source>
        <translation>À rendre cette semaine</translation>
    </message>
    <message>
        <source>Show only the assignments due this week</source>
        <translation>Ne montrer que les devoirs à rendre cette semaine</translation>
    </message>
    <message>
        <source>due %1</source>
        <translation>pour le %1</translation>
    </message>
    <message>
        <source>Assignments due this week</source>
        <translation>Devoirs à rendre cette semaine</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Devoirs</translation>
    </message>
</context>
<context>
    <name>TConfusionForm</name>
    <message>
        <source>Confusions</source>
        <translation>Confusions</translation>
    </message>
    <message>
        <source>Answers of:</source>
        <translation>Réponses de&#xa0;:</translation>
    </message>
    <message>
        <source>Rows: the set class asked. Columns: the set class answered. Each cell is the share (%) of the row&apos;s answers; the diagonal holds the right ones. Click a cell to hear the set class asked, then the one answered, in the drill window&apos;s range and Play: manner.</source>
        <translation>Lignes&#xa0;: la classe d&apos;ensembles demandée. Colonnes&#xa0;: la classe d&apos;ensembles répondue. Chaque case est la part (%) des réponses de la ligne&#xa0;; la diagonale contient les justes. Cliquez sur une case pour entendre la classe demandée, puis celle répondue, dans l&apos;ambitus et la manière de jouer de la fenêtre d&apos;exercice.</translation>
    </message>
    <message>
        <source>Trichords</source>
        <translation>Tricordes</translation>
    </message>
    <message>
        <source>Tetrachords</source>
        <translation>Tétracordes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>all eligible drills</source>
        <translation>tous les exercices éligibles</translation>
    </message>
    <message>
        <source>the drill just ended</source>
        <translation>l&apos;exercice qui vient de finir</translation>
    </message>
    <message>
        <source>Right %</source>
        <translation>Justes %</translation>
    </message>
    <message>
        <source>%1: %2 right of %3 answers</source>
        <translation>%1&#xa0;: %2 justes sur %3 réponses</translation>
    </message>
    <message>
        <source>%1 answered as %2: %3 of %4 answers</source>
        <translation>%1 répondu comme %2&#xa0;: %3 sur %4 réponses</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Demandée</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>Répondue</translation>
    </message>
</context>
<context>
    <name>TErrorReport</name>
    <message>
        <source>Error Report</source>
        <translation>Rapport d&apos;erreurs</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>this session</source>
        <translation>cette séance</translation>
    </message>
    <message>
        <source>cumulative errors</source>
        <translation>erreurs cumulées</translation>
    </message>
    <message>
        <source>Sessions that use filters are not included in the cumulative report.</source>
        <translation>Les séances avec filtres ne comptent pas dans le rapport cumulé.</translation>
    </message>
    <message>
        <source>Clear Cumulative Report</source>
        <translation>Effacer le rapport cumulé</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>A and B sets</source>
        <translation>Formes A et B</translation>
    </message>
    <message>
        <source>RIPs</source>
        <translation>RIPs</translation>
    </message>
    <message>
        <source>Confused with</source>
        <translation>Confondu avec</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confused with:</source>
        <translation>Confondu avec&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TFilterForm</name>
    <message>
        <source>FILTERS</source>
        <translation>FILTRES</translation>
    </message>
    <message>
        <source>Trichords</source>
        <translation>Tricordes</translation>
    </message>
    <message>
        <source>TRICHORDS</source>
        <translation>TRICORDES</translation>
    </message>
    <message>
        <source>TETRACHORDS</source>
        <translation>TÉTRACORDES</translation>
    </message>
    <message>
        <source>Sets in &quot;Closed Position&quot;</source>
        <translation>Ensembles en «&#xa0;position serrée&#xa0;»</translation>
    </message>
    <message>
        <source>Sets distributed within one octave</source>
        <translation>Ensembles répartis dans une octave</translation>
    </message>
    <message>
        <source>Sets distributed within two octaves</source>
        <translation>Ensembles répartis dans deux octaves</translation>
    </message>
    <message>
        <source>Save these settings for future sessions</source>
        <translation>Enregistrer ces réglages pour la suite</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>TOUS</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>AUCUN</translation>
    </message>
    <message>
        <source>trichords</source>
        <translation>tricordes</translation>
    </message>
    <message>
        <source>tetrachords</source>
        <translation>tétracordes</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>File Error!</source>
        <translation>Erreur de fichier&#xa0;!</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Justes&#xa0;:</translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <translation>Fausses&#xa0;:</translation>
    </message>
    <message>
        <source>BEGIN</source>
        <translation>COMMENCER</translation>
    </message>
    <message>
        <source>Repeat (F1)</source>
        <translation>Répéter (F1)</translation>
    </message>
    <message>
        <source>Arpeggiate Up (F2)</source>
        <translation>Arpège asc. (F2)</translation>
    </message>
    <message>
        <source>Arpeggiate Down (F3)</source>
        <translation>Arpège desc. (F3)</translation>
    </message>
    <message>
        <source>Play:</source>
        <translation>Jouer&#xa0;:</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>accord</translation>
    </message>
    <message>
        <source>figure</source>
        <translation>figure</translation>
    </message>
    <message>
        <source>mixed figure</source>
        <translation>figure mixte</translation>
    </message>
    <message>
        <source>TRICHORDS</source>
        <translation>TRICORDES</translation>
    </message>
    <message>
        <source>TETRACHORDS</source>
        <translation>TÉTRACORDES</translation>
    </message>
    <message>
        <source>&quot;close position&quot;</source>
        <translation>position serrée</translation>
    </message>
    <message>
        <source>within 1 octave</source>
        <translation>dans 1 octave</translation>
    </message>
    <message>
        <source>within 2 octaves</source>
        <translation>dans 2 octaves</translation>
    </message>
    <message>
        <source>More Filters</source>
        <translation>Filtres…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Login New Person</source>
        <translation>Connecter une autre personne</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtres</translation>
    </message>
    <message>
        <source>Set Filters</source>
        <translation>Régler les filtres</translation>
    </message>
    <message>
        <source>Midi Setup</source>
        <translation>Configuration MIDI</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Instructions (readme.txt)</source>
        <translation>Mode d&apos;emploi (readme.txt)</translation>
    </message>
    <message>
        <source>About Sonorix</source>
        <translation>À propos de Sonorix</translation>
    </message>
    <message>
        <source>END</source>
        <translation>TERMINER</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivante</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>SCORE</source>
        <translation>SCORE</translation>
    </message>
    <message>
        <source>Time per</source>
        <translation>Temps par</translation>
    </message>
    <message>
        <source>interval</source>
        <translation>intervalle</translation>
    </message>
    <message>
        <source>Correct %</source>
        <translation>Justes %</translation>
    </message>
    <message>
        <source>Longevity</source>
        <translation>Bonus de</translation>
    </message>
    <message>
        <source>bonus</source>
        <translation>durée</translation>
    </message>
    <message>
        <source>pts</source>
        <translation>pts</translation>
    </message>
    <message>
        <source>H i g h  S c o r e s</source>
        <translation>M e i l l e u r s  s c o r e s</translation>
    </message>
    <message>
        <source>TRICHORDS</source>
        <translation>TRICORDES</translation>
    </message>
    <message>
        <source>TETRACHORDS</source>
        <translation>TÉTRACORDES</translation>
    </message>
    <message>
        <source>&quot;close position&quot;</source>
        <translation>pos. serrée</translation>
    </message>
    <message>
        <source>one-octave</source>
        <translation>1 octave</translation>
    </message>
    <message>
        <source>two-octave</source>
        <translation>2 octaves</translation>
    </message>
    <message>
        <source>Date              Correct   Incrct    Pctge   Time/Int  Score </source>
        <translation>Date              Justes    Fausses   Pct.    Tps/Int   Score </translation>
    </message>
    <message>
        <source>(This session is not eligible for high score due to filter usage,</source>
        <translation>(Cette séance ne compte pas pour les meilleurs scores&#xa0;: filtres,</translation>
    </message>
    <message>
        <source>mixing of cardinalities, or changes in range.)</source>
        <translation>cardinalités mélangées ou ambitus modifié.)</translation>
    </message>
    <message>
        <source>Error Report</source>
        <translation>Rapport d&apos;erreurs</translation>
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
        <translation>Mot de passe de la classe</translation>
    </message>
    <message>
        <source>Join a Class</source>
        <translation>Rejoindre une classe</translation>
    </message>
    <message>
        <source>Class folder&apos;s &amp;WebDAV address:</source>
        <translation>Adresse &amp;WebDAV du dossier de la classe :</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Compte :</translation>
    </message>
    <message>
        <source>App &amp;password:</source>
        <translation>Mot de &amp;passe d&apos;application :</translation>
    </message>
    <message>
        <source>&amp;Remember on this device</source>
        <translation>Se &amp;rappeler sur cet appareil</translation>
    </message>
    <message>
        <source>Type the account that the class&apos;s server knows.</source>
        <translation>Saisissez le compte que connaît le serveur de la classe.</translation>
    </message>
    <message>
        <source>Asking the class&apos;s server…</source>
        <translation>Interrogation du serveur de la classe…</translation>
    </message>
</context>
<context>
    <name>TKeyboardAnswer</name>
    <message>
        <source>1 note</source>
        <translation>1 note</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>%1 notes</translation>
    </message>
    <message>
        <source>played %1, %2 expected</source>
        <translation>joué&#xa0;: %1, %2 attendues</translation>
    </message>
    <message>
        <source>played %1-%2, not in the list</source>
        <translation>joué&#xa0;: %1-%2, absent de la liste</translation>
    </message>
    <message>
        <source>played %1, no set class found</source>
        <translation>joué&#xa0;: %1, aucune classe d&apos;ensembles trouvée</translation>
    </message>
    <message>
        <source>Answer From Keyboard…</source>
        <translation>Répondre au clavier…</translation>
    </message>
</context>
<context>
    <name>TKeyboardForm</name>
    <message>
        <source>Answer From Keyboard</source>
        <translation>Répondre au clavier</translation>
    </message>
    <message>
        <source>MIDI input port:</source>
        <translation>Port d&apos;entrée MIDI&#xa0;:</translation>
    </message>
    <message>
        <source>Answer by playing</source>
        <translation>Répondre en jouant</translation>
    </message>
    <message>
        <source>During a drill, play the set class in any transposition, inversion or voicing, then release the keys.</source>
        <translation>Pendant un exercice, jouez la classe d&apos;ensembles dans n&apos;importe quelle transposition, renversement ou disposition, puis relâchez les touches.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No MIDI input port found.
A keyboard appears here once it is connected through the ALSA sequencer, before Sonorix starts or while this window is open.</source>
        <translation>Aucun port d&apos;entrée MIDI trouvé.
Un clavier apparaît ici dès qu&apos;il est connecté par le séquenceur ALSA, avant le démarrage de Sonorix ou pendant que cette fenêtre est ouverte.</translation>
    </message>
</context>
<context>
    <name>TLoginForm</name>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Please type your name in the box</source>
        <translation>Tapez votre nom dans le champ</translation>
    </message>
    <message>
        <source>and hit enter</source>
        <translation>et appuyez sur Entrée</translation>
    </message>
    <message>
        <source>The following filters are saved from last session:</source>
        <translation>Filtres enregistrés lors de la dernière séance&#xa0;:</translation>
    </message>
    <message>
        <source>Use These?</source>
        <translation>Les utiliser&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>File Error! No ftclass.dat</source>
        <translation>Erreur de fichier&#xa0;! Pas de ftclass.dat</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DÉSACTIVÉS</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ACTIVÉS</translation>
    </message>
    <message>
        <source>(all else on)</source>
        <translation>(tous les autres activés)</translation>
    </message>
    <message>
        <source>(all else off)</source>
        <translation>(tous les autres désactivés)</translation>
    </message>
</context>
<context>
    <name>TMidiForm</name>
    <message>
        <source>Midi Setup</source>
        <translation>Configuration MIDI</translation>
    </message>
    <message>
        <source>Select MIDI output</source>
        <translation>Choisir la sortie MIDI</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Built-in synthesizer</source>
        <translation>Synthétiseur intégré</translation>
    </message>
</context>
<context>
    <name>TPacingForm</name>
    <message>
        <source>Pause and Wait for Me</source>
        <translation>Pause et attente</translation>
    </message>
    <message>
        <source>&amp;Pause before the next question:</source>
        <translation>&amp;Pause avant la question suivante :</translation>
    </message>
    <message>
        <source>no pause</source>
        <translation>pas de pause</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Wait for me: the next question (and the first) plays when I press Space, Enter or Next</source>
        <translation>Attendre mon &amp;signal : la question suivante (et la première) est jouée quand j&apos;appuie sur Espace, Entrée ou Suivante</translation>
    </message>
    <message>
        <source>The drill&apos;s clock runs on meanwhile; the drill still counts for the high scores.</source>
        <translation>L&apos;horloge de l&apos;exercice continue de tourner ; l&apos;exercice compte toujours pour les meilleurs scores.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Pause and Wait for Me…</source>
        <translation>&amp;Pause et attente…</translation>
    </message>
</context>
<context>
    <name>TPracticeMode</name>
    <message>
        <source> - Practice</source>
        <translation> – Entraînement</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Practice Mode</source>
        <translation>Mode entraînement</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Montrer la réponse</translation>
    </message>
    <message>
        <source>Show Answer Automatically</source>
        <translation>Montrer la réponse automatiquement</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>After 2 Wrong Answers</source>
        <translation>Après 2 réponses fausses</translation>
    </message>
    <message>
        <source>After 3 Wrong Answers</source>
        <translation>Après 3 réponses fausses</translation>
    </message>
    <message>
        <source>After 5 Wrong Answers</source>
        <translation>Après 5 réponses fausses</translation>
    </message>
    <message>
        <source>The answer is %1.</source>
        <translation>La réponse est %1.</translation>
    </message>
    <message>
        <source>Hear Your Answer Again</source>
        <translation>Réécouter votre réponse</translation>
    </message>
    <message>
        <source>The next question. Keys: Enter or Space</source>
        <translation>La question suivante. Touches : Entrée ou Espace</translation>
    </message>
    <message>
        <source>Practice mode on: BEGIN starts a practice drill.</source>
        <translation>Mode entraînement activé : BEGIN commence un entraînement.</translation>
    </message>
    <message>
        <source>Practice mode off.</source>
        <translation>Mode entraînement désactivé.</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>= %1; you named %2</source>
        <translation>= %1 ; vous avez répondu %2</translation>
    </message>
    <message>
        <source>You named %1. You hear the question, then your answer.</source>
        <translation>Vous avez répondu %1. Vous entendez la question, puis votre réponse.</translation>
    </message>
    <message>
        <source>Enter: next question. F1: the question again. F6: your answer again.</source>
        <translation>Entrée : question suivante. F1 : la question à nouveau. F6 : votre réponse à nouveau.</translation>
    </message>
    <message>
        <source>the question</source>
        <translation>la question</translation>
    </message>
    <message>
        <source>%1, your answer</source>
        <translation>%1, votre réponse</translation>
    </message>
    <message>
        <source>Playing: %1</source>
        <translation>Vous entendez : %1</translation>
    </message>
</context>
<context>
    <name>TProgressForm</name>
    <message numerus="yes">
        <source>Sung: %n question(s), %1 right at the first try.</source>
        <translation>
            <numerusform>Chanté : %n question, %1 juste(s) du premier coup.</numerusform>
            <numerusform>Chanté : %n questions, %1 justes du premier coup.</numerusform>
        </translation>
    </message>
    <message>
        <source>close</source>
        <translation>serrée</translation>
    </message>
    <message>
        <source>1 oct</source>
        <translation>1 oct.</translation>
    </message>
    <message>
        <source>2 oct</source>
        <translation>2 oct.</translation>
    </message>
    <message>
        <source>tri</source>
        <translation>tri</translation>
    </message>
    <message>
        <source>tetra</source>
        <translation>tétra</translation>
    </message>
    <message>
        <source>close position</source>
        <translation>position serrée</translation>
    </message>
    <message>
        <source>within 1 octave</source>
        <translation>dans 1 octave</translation>
    </message>
    <message>
        <source>within 2 octaves</source>
        <translation>dans 2 octaves</translation>
    </message>
    <message>
        <source>trichords</source>
        <translation>tricordes</translation>
    </message>
    <message>
        <source>tetrachords</source>
        <translation>tétracordes</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>Mes progrès</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Personne&#xa0;:</translation>
    </message>
    <message>
        <source>Accuracy per day</source>
        <translation>Justesse par jour</translation>
    </message>
    <message>
        <source>Seconds per right answer per day</source>
        <translation>Secondes par réponse juste, par jour</translation>
    </message>
    <message>
        <source>Practice minutes per week</source>
        <translation>Minutes de pratique par semaine</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Ambitus</translation>
    </message>
    <message>
        <source>Cardinality</source>
        <translation>Cardinalité</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Fausses</translation>
    </message>
    <message>
        <source>Accuracy %</source>
        <translation>Justesse %</translation>
    </message>
    <message>
        <source>Seconds per right answer</source>
        <translation>Secondes par réponse juste</translation>
    </message>
    <message>
        <source>Eligible</source>
        <translation>Éligible</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>report.dat cannot be read.</source>
        <translation>report.dat ne peut pas être lu.</translation>
    </message>
    <message>
        <source>No drill has been logged yet.</source>
        <translation>Aucun exercice n&apos;a encore été enregistré.</translation>
    </message>
    <message>
        <source>%1 of %2 records could not be verified and are left out.</source>
        <translation>%1 enregistrements sur %2 n&apos;ont pas pu être vérifiés et sont omis.</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% justes</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>week beginning</source>
        <translation>semaine du</translation>
    </message>
    <message>
        <source>drill</source>
        <translation>exercice</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Accuracy per drill</source>
        <translation>Justesse par exercice</translation>
    </message>
    <message>
        <source>Seconds per right answer per drill</source>
        <translation>Secondes par réponse juste, par exercice</translation>
    </message>
    <message>
        <source>MMM d</source>
        <comment>date format of the chart axes (Qt date format)</comment>
        <translation>d/M</translation>
    </message>
    <message>
        <source>not ended</source>
        <translation>non terminé</translation>
    </message>
    <message numerus="yes">
        <source>%1 rose from %2 to %3 over %n drill(s)</source>
        <translation>
            <numerusform>%1 : en hausse de %2 à %3 sur %n exercice</numerusform>
            <numerusform>%1 : en hausse de %2 à %3 sur %n exercices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 rose from %2 to %3 over %n day(s)</source>
        <translation>
            <numerusform>%1 : en hausse de %2 à %3 sur %n jour</numerusform>
            <numerusform>%1 : en hausse de %2 à %3 sur %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 fell from %2 to %3 over %n drill(s)</source>
        <translation>
            <numerusform>%1 : en baisse de %2 à %3 sur %n exercice</numerusform>
            <numerusform>%1 : en baisse de %2 à %3 sur %n exercices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 fell from %2 to %3 over %n day(s)</source>
        <translation>
            <numerusform>%1 : en baisse de %2 à %3 sur %n jour</numerusform>
            <numerusform>%1 : en baisse de %2 à %3 sur %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 stayed at %2 over %n drill(s)</source>
        <translation>
            <numerusform>%1 : stable à %2 sur %n exercice</numerusform>
            <numerusform>%1 : stable à %2 sur %n exercices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 stayed at %2 over %n day(s)</source>
        <translation>
            <numerusform>%1 : stable à %2 sur %n jour</numerusform>
            <numerusform>%1 : stable à %2 sur %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>No drills yet.</source>
        <translation>Aucun exercice pour l&apos;instant.</translation>
    </message>
    <message>
        <source>No practice yet.</source>
        <translation>Pas encore de pratique.</translation>
    </message>
    <message>
        <source>accuracy</source>
        <translation>justesse</translation>
    </message>
    <message>
        <source>seconds per right answer</source>
        <translation>secondes par réponse juste</translation>
    </message>
    <message numerus="yes">
        <source>Practice over %n week(s): %1 min in all, %2 min in the latest week.</source>
        <translation>
            <numerusform>Pratique sur %n semaine : %1 min en tout, %2 min la dernière semaine.</numerusform>
            <numerusform>Pratique sur %n semaines : %1 min en tout, %2 min la dernière semaine.</numerusform>
        </translation>
    </message>
    <message>
        <source>Showing %1</source>
        <translation>Affiche %1</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>accord</translation>
    </message>
    <message>
        <source>figure</source>
        <translation>figure</translation>
    </message>
    <message>
        <source>mixed figure</source>
        <translation>figure mixte</translation>
    </message>
</context>
<context>
    <name>TProgressMenu</name>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>My Progress…</source>
        <translation>Mes progrès…</translation>
    </message>
    <message>
        <source>Confusions…</source>
        <translation>Confusions…</translation>
    </message>
    <message>
        <source>Play My Wrong Answers</source>
        <translation>Jouer mes réponses fausses</translation>
    </message>
    <message>
        <source>Class Overview…</source>
        <translation>Vue d&apos;ensemble de la classe…</translation>
    </message>
</context>
<context>
    <name>TReadmeBox</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TSingForm</name>
    <message>
        <source>Level of your voice</source>
        <translation>Niveau de votre voix</translation>
    </message>
    <message>
        <source>Sing the Answer</source>
        <translation>Chanter la réponse</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>Sing it back</source>
        <translation>Rechanter</translation>
    </message>
    <message>
        <source>Sing the class</source>
        <translation>Chanter la classe</translation>
    </message>
    <message>
        <source>Accept any transposition or inversion</source>
        <translation>Accepter toute transposition ou tout renversement</translation>
    </message>
    <message>
        <source>&amp;Tolerance:</source>
        <translation>&amp;Tolérance&#xa0;:</translation>
    </message>
    <message>
        <source> cents</source>
        <translation> cents</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voix&#xa0;:</translation>
    </message>
    <message>
        <source>Soprano</source>
        <translation>Soprano</translation>
    </message>
    <message>
        <source>Alto</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Tenor</source>
        <translation>Ténor</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>Mine</source>
        <translation>La mienne</translation>
    </message>
    <message>
        <source>Sing My &amp;Range</source>
        <translation>Chanter ma &amp;tessiture</translation>
    </message>
    <message>
        <source>Sing your lowest comfortable note, then your highest</source>
        <translation>Chantez votre note la plus grave qui soit confortable, puis la plus aiguë</translation>
    </message>
    <message>
        <source>&amp;Sing</source>
        <translation>&amp;Chanter</translation>
    </message>
    <message>
        <source>Try &amp;Again</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>&amp;Hear the Right Notes</source>
        <translation>&amp;Entendre les bonnes notes</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Back to the Drill</source>
        <translation>&amp;Retour à l&apos;exercice</translation>
    </message>
    <message>
        <source>Press Sing. Before the first exercise, Sonorix listens to three seconds of silence.</source>
        <translation>Appuyez sur Chanter. Avant la première tâche, Sonorix écoute trois secondes de silence.</translation>
    </message>
    <message>
        <source>Press Sing to begin.</source>
        <translation>Appuyez sur Chanter pour commencer.</translation>
    </message>
    <message>
        <source>%1, in any transposition or inversion</source>
        <translation>%1, dans toute transposition ou tout renversement</translation>
    </message>
    <message>
        <source>%1, inverted form, from %2</source>
        <translation>%1, renversement, à partir de %2</translation>
    </message>
    <message>
        <source>%1, prime form, from %2</source>
        <translation>%1, forme primaire, à partir de %2</translation>
    </message>
    <message>
        <source>%1 %2 cents</source>
        <translation>%1 %2 cents</translation>
    </message>
    <message>
        <source>Heard: %1</source>
        <translation>Entendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Notes heard</source>
        <translation>Notes entendues</translation>
    </message>
    <message>
        <source>You sang</source>
        <translation>Vous avez chanté</translation>
    </message>
    <message>
        <source>Right notes</source>
        <translation>Bonnes notes</translation>
    </message>
    <message>
        <source>Right notes: %1.</source>
        <translation>Bonnes notes&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Sing the Answer…</source>
        <translation>Chanter la réponse…</translation>
    </message>
    <message>
        <source>No set class is enabled: choose some in the filters, then press Sing again.</source>
        <translation>Aucune classe d&apos;ensembles n&apos;est activée&#xa0;: choisissez-en dans les filtres, puis appuyez de nouveau sur Chanter.</translation>
    </message>
    <message>
        <source>Sonorix may not use the microphone. Allow it in the system&apos;s sound or privacy settings, then press Sing again; or go back to the drill.</source>
        <translation>Sonorix n&apos;a pas le droit d&apos;utiliser le micro. Autorisez-le dans les réglages de son ou de confidentialité du système, puis appuyez de nouveau sur Chanter&#xa0;; ou revenez à l&apos;exercice.</translation>
    </message>
    <message>
        <source>No microphone was found. Plug one in or choose it in the system&apos;s sound settings, then press Sing again; or go back to the drill.</source>
        <translation>Aucun micro n&apos;a été trouvé. Branchez-en un ou choisissez-le dans les réglages de son du système, puis appuyez de nouveau sur Chanter&#xa0;; ou revenez à l&apos;exercice.</translation>
    </message>
    <message>
        <source>Please keep quiet for three seconds: Sonorix listens to the room&apos;s noise.</source>
        <translation>Restez silencieux trois secondes, s&apos;il vous plaît&#xa0;: Sonorix écoute le bruit de la pièce.</translation>
    </message>
    <message>
        <source>The microphone has gone silent. Check that it is plugged in and not muted, then press Sing again; or go back to the drill.</source>
        <translation>Le micro s&apos;est tu. Vérifiez qu&apos;il est branché et non coupé, puis appuyez de nouveau sur Chanter&#xa0;; ou revenez à l&apos;exercice.</translation>
    </message>
    <message>
        <source>Listen…</source>
        <translation>Écoutez…</translation>
    </message>
    <message>
        <source>Listen to the starting note…</source>
        <translation>Écoutez la note de départ…</translation>
    </message>
    <message>
        <source>Sing the notes back now.</source>
        <translation>Rechantez les notes maintenant.</translation>
    </message>
    <message>
        <source>Sing now: the starting note was played.</source>
        <translation>Chantez maintenant&#xa0;: la note de départ a été jouée.</translation>
    </message>
    <message>
        <source>Stopped. Press Sing to begin.</source>
        <translation>Arrêté. Appuyez sur Chanter pour commencer.</translation>
    </message>
    <message>
        <source>Sing again, try again, or hear the right notes.</source>
        <translation>Chantez encore, réessayez ou écoutez les bonnes notes.</translation>
    </message>
    <message>
        <source>This answer could not be written to sing.dat.</source>
        <translation>Cette réponse n&apos;a pas pu être écrite dans sing.dat.</translation>
    </message>
    <message>
        <source>Sing your lowest comfortable note and hold it.</source>
        <translation>Chantez votre note grave confortable la plus basse et tenez-la.</translation>
    </message>
    <message>
        <source>Now sing your highest comfortable note and hold it.</source>
        <translation>Chantez maintenant votre note confortable la plus aiguë et tenez-la.</translation>
    </message>
    <message>
        <source>No note was heard. Press Sing My Range to try again.</source>
        <translation>Aucune note n&apos;a été entendue. Appuyez sur Chanter ma tessiture pour réessayer.</translation>
    </message>
    <message>
        <source>Your range is kept: the notes played now lie where you sang.</source>
        <translation>Votre tessiture est gardée&#xa0;: les notes jouées se trouvent maintenant là où vous avez chanté.</translation>
    </message>
    <message>
        <source>Listen, then sing the notes back one after another, in any octave.</source>
        <translation>Écoutez, puis rechantez les notes l&apos;une après l&apos;autre, dans n&apos;importe quelle octave.</translation>
    </message>
</context>
<context>
    <name>TSonorixApplication</name>
    <message>
        <source>Unknown exception</source>
        <translation>Exception inconnue</translation>
    </message>
    <message>
        <source>Some lines of %1 are no settings (%2). They stay in the file as they are; the settings that could be read are used.</source>
        <translation>Certaines lignes de %1 ne sont pas des réglages (%2). Elles restent telles quelles dans le fichier ; les réglages lisibles sont utilisés.</translation>
    </message>
    <message>
        <source>Your work could not be saved in %1: %2.

It is kept in %3 and will be added at the next start of Sonorix where the file can be written. Please tell your teacher.</source>
        <translation>Votre travail n&apos;a pas pu être enregistré dans %1 : %2.

Il est conservé dans %3 et sera ajouté au prochain démarrage de Sonorix où le fichier pourra être écrit. Veuillez prévenir votre enseignant.</translation>
    </message>
    <message>
        <source>Your work could not be saved in %1: %2.

It could not be kept in your own folder either. Please tell your teacher.</source>
        <translation>Votre travail n&apos;a pas pu être enregistré dans %1 : %2.

Il n&apos;a pas pu non plus être conservé dans votre propre dossier. Veuillez prévenir votre enseignant.</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
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
        <translation>Impossible d&apos;utiliser le dossier de données&#xa0;: </translation>
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
        <translation>Usage : sonorix [--help] [--version] [--data-dir DOSSIER] [--class-overview [DOSSIER]]
Formation de l&apos;oreille : Sonorix joue des tricordes et des tétracordes et vous nommez leur classe d&apos;ensembles.

  --help              afficher cette aide et quitter
  --version           afficher la version et quitter
  --data-dir DOSSIER  garder les fichiers de données dans DOSSIER (un dossier de classe, par exemple)
  --class-overview [DOSSIER]
                      afficher la vue d&apos;ensemble de la classe de DOSSIER
                      (sinon du dossier de données) sans se connecter

Le dossier de données est le premier de : --data-dir, $SONORIX_DATA_DIR, DataDir=
dans /etc/sonorix/sonorix.conf ; sinon le programme installé garde ses fichiers
de données dans $XDG_DATA_HOME/sonorix (~/.local/share/sonorix par défaut).
Il y copie ftclass.dat et readme.txt quand ils manquent. Son : voir sonorix(1)
pour MIDIWAY_SOUNDFONT, MIDIWAY_AUDIO_DRIVER et MIDIWAY_AUDIO_FILE.
</translation>
    </message>
    <message>
        <source>The Class Overview of a shared folder is for the teachers named in /etc/sonorix/sonorix.conf.</source>
        <translation>La vue d&apos;ensemble de la classe d&apos;un dossier partagé est réservée aux enseignants nommés dans /etc/sonorix/sonorix.conf.</translation>
    </message>
</context>
</TS>
