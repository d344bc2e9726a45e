<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>WebPage</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Export my data</source>
        <translation>Exporter mes données</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Counters</source>
        <translation>Compteurs</translation>
    </message>
    <message>
        <source>Listen again</source>
        <translation>Réécouter</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Enabled set classes</source>
        <translation>Classes d&apos;ensembles activées</translation>
    </message>
    <message>
        <source>Loading the sound</source>
        <translation>Chargement du son</translation>
    </message>
    <message>
        <source>Built-in synthesizer (FluidSynth, TimGM6mb)</source>
        <translation>Synthétiseur intégré (FluidSynth, TimGM6mb)</translation>
    </message>
    <message>
        <source>The browser did not allow its MIDI outputs.</source>
        <translation>Le navigateur n&apos;a pas autorisé ses sorties MIDI.</translation>
    </message>
    <message>
        <source>This browser offers no MIDI outputs (Web MIDI).</source>
        <translation>Ce navigateur n&apos;offre pas de sorties MIDI (Web MIDI).</translation>
    </message>
    <message>
        <source>In the browser it sounds FluidSynth (LGPL-2.1, through js-synthesizer, BSD-3) with the TimGM6mb SoundFont by Tim Brechbill (GPL-2); their licences are served beside the page:</source>
        <translation>Dans le navigateur, il fait sonner FluidSynth (LGPL-2.1, via js-synthesizer, BSD-3) avec le SoundFont TimGM6mb de Tim Brechbill (GPL-2) ; leurs licences sont servies à côté de la page :</translation>
    </message>
    <message>
        <source>licences</source>
        <translation>licences</translation>
    </message>
    <message>
        <source>BEGIN / END</source>
        <translation>COMMENCER / FIN</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>F1, or p on a button or the list</source>
        <translation>F1, ou p sur un bouton ou la liste</translation>
    </message>
    <message>
        <source>F2, or q on a button or the list</source>
        <translation>F2, ou q sur un bouton ou la liste</translation>
    </message>
    <message>
        <source>F3, or r on a button or the list</source>
        <translation>F3, ou r sur un bouton ou la liste</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Arpeggiate Up</source>
        <translation>Arpège montant</translation>
    </message>
    <message>
        <source>Arpeggiate Down</source>
        <translation>Arpège descendant</translation>
    </message>
    <message>
        <source>Up, Down in the list</source>
        <translation>Haut, Bas dans la liste</translation>
    </message>
    <message>
        <source>choose a set class</source>
        <translation>choisir une classe d&apos;ensembles</translation>
    </message>
    <message>
        <source>the counts and the time, spoken</source>
        <translation>les compteurs et le temps, à voix haute</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Pause and wait for me…</source>
        <translation>Pause et « Attends-moi »…</translation>
    </message>
    <message>
        <source>Pause and wait for me</source>
        <translation>Pause et « Attends-moi »</translation>
    </message>
    <message>
        <source>Pause before the next question</source>
        <translation>Pause avant la question suivante</translation>
    </message>
    <message>
        <source>no pause</source>
        <translation>pas de pause</translation>
    </message>
    <message>
        <source>Wait for me: the next question (and the first) plays when I press Space or Next question</source>
        <translation>Attends-moi : la question suivante (et la première) joue quand j&apos;appuie sur Espace ou Question suivante</translation>
    </message>
    <message>
        <source>The drill&apos;s clock runs on meanwhile; the drill still counts for the high scores.</source>
        <translation>L&apos;horloge de l&apos;exercice tourne pendant ce temps ; l&apos;exercice compte toujours pour les meilleurs scores.</translation>
    </message>
    <message>
        <source>Next question (Space)</source>
        <translation>Question suivante (Espace)</translation>
    </message>
    <message>
        <source>This browser offers no MIDI inputs (Web MIDI): answer by typing. Chrome and Edge offer them; Safari does not, nor Firefox without its permission.</source>
        <translation>Ce navigateur n&apos;offre pas d&apos;entrées MIDI (Web MIDI) : répondez en tapant. Chrome et Edge les offrent ; Safari non, ni Firefox sans sa permission.</translation>
    </message>
    <message>
        <source>The browser did not allow its MIDI inputs: answer by typing, or allow MIDI in the site&apos;s settings and open this window again.</source>
        <translation>Le navigateur n&apos;a pas autorisé ses entrées MIDI : répondez en tapant, ou autorisez MIDI dans les réglages du site et rouvrez cette fenêtre.</translation>
    </message>
    <message>
        <source>No MIDI input port found. A keyboard appears here once it is connected and this window is opened again.</source>
        <translation>Aucun port d&apos;entrée MIDI trouvé. Un clavier apparaît ici une fois connecté et cette fenêtre rouverte.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3</source>
        <translation>%1 : de %2 à %3</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>This browser does not let Sonorix keep its files (a private window, or the storage is full). Your results stay until you close the page: use Exit › Export my data to keep them.</source>
        <translation>Ce navigateur ne laisse pas Sonorix garder ses fichiers (une fenêtre privée, ou le stockage est plein). Vos résultats restent jusqu&apos;à la fermeture de la page : utilisez Quitter › Exporter mes données pour les garder.</translation>
    </message>
    <message>
        <source>End the drill before importing data. Nothing was changed.</source>
        <translation>Terminez l&apos;exercice avant d&apos;importer des données. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an archive of Sonorix&apos;s data, or it is damaged (%2). Nothing was changed.</source>
        <translation>« %1 » n&apos;est pas une archive des données de Sonorix, ou elle est endommagée (%2). Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. Nothing was changed.</source>
        <translation>« %1 » n&apos;a pas pu être lu. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>This browser cannot play Sonorix&apos;s built-in synthesizer (it has no AudioWorklet). Choose a MIDI output under MIDI › Midi Setup, or use a current Chrome, Edge, Firefox or Safari.</source>
        <translation>Ce navigateur ne peut pas jouer le synthétiseur intégré de Sonorix (il n&apos;a pas d&apos;AudioWorklet). Choisissez une sortie MIDI sous MIDI › Configuration MIDI, ou utilisez un Chrome, Edge, Firefox ou Safari récent.</translation>
    </message>
    <message>
        <source>The sound could not be loaded (%1). Reload the page to try again.</source>
        <translation>Le son n&apos;a pas pu être chargé (%1). Rechargez la page pour réessayer.</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s), %1 minutes in all</source>
        <translation>
            <numerusform>%n semaine, %1 minutes en tout</numerusform>
            <numerusform>%n semaines, %1 minutes en tout</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Importing replaces all of Sonorix&apos;s data in this browser (the people, the drill log, the high scores, the error statistics and the filters) by the archive&apos;s %n file(s): %1. Export your data first to keep it.</source>
        <translation>
            <numerusform>L&apos;import remplace toutes les données de Sonorix dans ce navigateur (les personnes, le journal des exercices, les meilleurs scores, les statistiques d&apos;erreurs et les filtres) par le %n fichier de l&apos;archive : %1. Exportez d&apos;abord vos données pour les garder.</numerusform>
            <numerusform>L&apos;import remplace toutes les données de Sonorix dans ce navigateur (les personnes, le journal des exercices, les meilleurs scores, les statistiques d&apos;erreurs et les filtres) par les %n fichiers de l&apos;archive : %1. Exportez d&apos;abord vos données pour les garder.</numerusform>
        </translation>
    </message>
    <message>
        <source>No practice yet: choose Practice Mode in the Progress menu.</source>
        <translation>Pas encore d’entraînement : choisissez Mode entraînement dans le menu Progrès.</translation>
    </message>
    <message>
        <source>%1 (%2 % of the questions): %3</source>
        <translation>%1 (%2 % des questions) : %3</translation>
    </message>
    <message>
        <source>not practised yet</source>
        <translation>pas encore entraîné</translation>
    </message>
    <message>
        <source>not practised yet; %1 % right in your drills</source>
        <translation>pas encore entraîné ; %1 % juste dans vos exercices</translation>
    </message>
    <message>
        <source>confused with %1 this week</source>
        <translation>confondu cette semaine avec %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>missed when last asked</source>
        <translation>manqué la dernière fois</translation>
    </message>
    <message>
        <source>box %1 of %2</source>
        <translation>boîte %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n time(s))</source>
        <translation>
            <numerusform>%1 (%n fois)</numerusform>
            <numerusform>%1 (%n fois)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>right at the first try in %1 of %n question(s)</source>
        <translation>
            <numerusform>juste du premier coup dans %1 question sur %n</numerusform>
            <numerusform>juste du premier coup dans %1 questions sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Sonorix could not start in this browser (%1). Reload the page to try again, or use a current Chrome, Edge, Firefox or Safari.</source>
        <translation>Sonorix n’a pas pu démarrer dans ce navigateur (%1). Rechargez la page pour réessayer, ou utilisez un Chrome, Edge, Firefox ou Safari récent.</translation>
    </message>
    <message>
        <source>Read the class</source>
        <translation>Lire la classe</translation>
    </message>
    <message>
        <source>Reading the logs…</source>
        <translation>Lecture des journaux…</translation>
    </message>
    <message>
        <source>The class&apos;s high scores</source>
        <translation>Meilleurs scores de la classe</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>The account name cannot name a folder of the class.</source>
        <translation>Ce nom de compte ne peut pas nommer un dossier de la classe.</translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) of the class are closed to this account; their figures are not shown.</source>
        <translation>
            <numerusform>%n dossier de la classe est fermé à ce compte ; ses chiffres ne sont pas affichés.</numerusform>
            <numerusform>%n dossiers de la classe sont fermés à ce compte ; leurs chiffres ne sont pas affichés.</numerusform>
        </translation>
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
</context>
<context>
    <name>WebClass</name>
    <message>
        <source>https://cloud.school.example/remote.php/dav/files/ann/Theory 1/</source>
        <translation>https://cloud.school.example/remote.php/dav/files/ann/Théorie 1/</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Join a Class…</source>
        <translation>Rejoindre une classe…</translation>
    </message>
    <message>
        <source>Leave the Class</source>
        <translation>Quitter la classe</translation>
    </message>
    <message>
        <source>Join a Class</source>
        <translation>Rejoindre une classe</translation>
    </message>
    <message>
        <source>The class folder&apos;s WebDAV address</source>
        <translation>Adresse WebDAV du dossier de la classe</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>App password</source>
        <translation>Mot de passe d&apos;application</translation>
    </message>
    <message>
        <source>Remember on this device</source>
        <translation>Mémoriser sur cet appareil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Type the account.</source>
        <translation>Saisissez le compte.</translation>
    </message>
    <message>
        <source>Type the app password.</source>
        <translation>Saisissez le mot de passe d&apos;application.</translation>
    </message>
    <message>
        <source>Type the app password again to send to the class: Class › Join a Class…</source>
        <translation>Saisissez de nouveau le mot de passe d&apos;application pour envoyer à la classe : Classe › Rejoindre une classe…</translation>
    </message>
    <message>
        <source>Sonorix forgets the class&apos;s address, the account and the password on this device; your own files stay.</source>
        <translation>Sonorix oublie sur cet appareil l&apos;adresse de la classe, le compte et le mot de passe ; vos propres fichiers restent.</translation>
    </message>
    <message numerus="yes">
        <source>%n drill(s) still waiting for the network will not be sent to the class.</source>
        <translation>
            <numerusform>%n exercice qui attend encore le réseau ne sera pas envoyé à la classe.</numerusform>
            <numerusform>%n exercices qui attendent encore le réseau ne seront pas envoyés à la classe.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WebAssign</name>
    <message>
        <source>Assignments…</source>
        <translation>Devoirs…</translation>
    </message>
    <message>
        <source>Due this week</source>
        <translation>À rendre cette semaine</translation>
    </message>
    <message>
        <source>New…</source>
        <translation>Nouveau…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Devoir</translation>
    </message>
    <message>
        <source>Instructions (a few lines)</source>
        <translation>Consignes (quelques lignes)</translation>
    </message>
    <message>
        <source>Done when</source>
        <translation>Fait quand</translation>
    </message>
    <message>
        <source>How many</source>
        <translation>Combien</translation>
    </message>
    <message>
        <source>Each with at least this many right</source>
        <translation>Chacun avec au moins autant de bonnes réponses</translation>
    </message>
    <message>
        <source>And at least this share right (%)</source>
        <translation>Et au moins cette part de bonnes réponses (%)</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Times per class</source>
        <translation>Fois par classe</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Join a class to see its assignments (Class › Join a Class…).</source>
        <translation>Rejoignez une classe pour voir ses devoirs (Classe › Rejoindre une classe…).</translation>
    </message>
    <message>
        <source>Stop &quot;%1&quot;</source>
        <translation>Arrêter « %1 »</translation>
    </message>
    <message>
        <source>From %1, due %2</source>
        <translation>Du %1, à rendre le %2</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Copy…</source>
        <translation>Copier…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Supprimer…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Assignment: %1</source>
        <translation>Devoir : %1</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Enregistrement…</translation>
    </message>
    <message>
        <source>Reading the assignments…</source>
        <translation>Lecture des devoirs…</translation>
    </message>
    <message numerus="yes">
        <source>%n assignment(s)</source>
        <translation>
            <numerusform>%n devoir</numerusform>
            <numerusform>%n devoirs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WebSing</name>
    <message>
        <source>Singing</source>
        <translation>Chant</translation>
    </message>
    <message>
        <source>Sung questions: %1; right at the first try: %2</source>
        <translation>Questions chantées : %1 ; justes du premier coup : %2</translation>
    </message>
    <message>
        <source>%1, %2 cents</source>
        <translation>%1, %2 cents</translation>
    </message>
    <message>
        <source>%1, %2, from %3</source>
        <translation>%1, %2, à partir de %3</translation>
    </message>
    <message>
        <source>(any transposition or inversion)</source>
        <translation>(toute transposition ou inversion)</translation>
    </message>
    <message>
        <source>Alto</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Any transposition or inversion</source>
        <translation>Toute transposition ou inversion</translation>
    </message>
    <message>
        <source>Back to the Drill</source>
        <translation>Retour à l’exercice</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrer</translation>
    </message>
    <message>
        <source>Calibrated: sounds below %1 dB are not heard.</source>
        <translation>Calibré : les sons sous %1 dB ne sont pas entendus.</translation>
    </message>
    <message>
        <source>Calibrating: please stay quiet for three seconds…</source>
        <translation>Calibration : restez silencieux trois secondes…</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Find My Range</source>
        <translation>Trouver ma tessiture</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>De %1 à %2</translation>
    </message>
    <message>
        <source>Heard notes</source>
        <translation>Notes entendues</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Listen, then sing the notes back one after another, in any octave.</source>
        <translation>Écoutez, puis chantez les notes l’une après l’autre, à n’importe quelle octave.</translation>
    </message>
    <message>
        <source>Listening failed (%1). Choose Start again, or go back to the drill.</source>
        <translation>L’écoute a échoué (%1). Choisissez à nouveau Commencer, ou revenez à l’exercice.</translation>
    </message>
    <message>
        <source>Listen…</source>
        <translation>Écoutez…</translation>
    </message>
    <message>
        <source>Loading the pitch tracker…</source>
        <translation>Chargement du détecteur de hauteur…</translation>
    </message>
    <message>
        <source>Mine</source>
        <translation>La mienne</translation>
    </message>
    <message>
        <source>New Exercise</source>
        <translation>Nouvel exercice</translation>
    </message>
    <message>
        <source>No microphone was found. Connect one and choose Start again, or go back to the drill.</source>
        <translation>Aucun micro n’a été trouvé. Branchez-en un et choisissez à nouveau Commencer, ou revenez à l’exercice.</translation>
    </message>
    <message>
        <source>Now sing your highest comfortable note…</source>
        <translation>Chantez maintenant votre note aiguë la plus confortable…</translation>
    </message>
    <message>
        <source>Play the Right Notes</source>
        <translation>Jouer les bonnes notes</translation>
    </message>
    <message>
        <source>Sing it back</source>
        <translation>Le rechanter</translation>
    </message>
    <message>
        <source>Sing now.</source>
        <translation>Chantez maintenant.</translation>
    </message>
    <message>
        <source>Sing the Answer</source>
        <translation>Chanter la réponse</translation>
    </message>
    <message>
        <source>Sing the Answer…</source>
        <translation>Chanter la réponse…</translation>
    </message>
    <message>
        <source>Sing the class</source>
        <translation>Chanter la classe</translation>
    </message>
    <message>
        <source>Sing your lowest comfortable note…</source>
        <translation>Chantez votre note grave la plus confortable…</translation>
    </message>
    <message>
        <source>Sonorix may not use the microphone. Allow it in the browser&apos;s site settings, then choose Start again; or go back to the drill.</source>
        <translation>Sonorix n’a pas le droit d’utiliser le micro. Autorisez-le dans les réglages du site du navigateur, puis choisissez à nouveau Commencer ; ou revenez à l’exercice.</translation>
    </message>
    <message>
        <source>Soprano</source>
        <translation>Soprano</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Arrêter l’écoute</translation>
    </message>
    <message>
        <source>Tenor</source>
        <translation>Ténor</translation>
    </message>
    <message>
        <source>The microphone has gone silent. Check it, then choose Start again; or go back to the drill.</source>
        <translation>Le micro est devenu muet. Vérifiez-le, puis choisissez à nouveau Commencer ; ou revenez à l’exercice.</translation>
    </message>
    <message>
        <source>The microphone is open only while Sonorix listens. Nothing you sing is kept or sent.</source>
        <translation>Le micro n’est ouvert que pendant que Sonorix écoute. Rien de ce que vous chantez n’est gardé ni envoyé.</translation>
    </message>
    <message>
        <source>The right notes</source>
        <translation>Les bonnes notes</translation>
    </message>
    <message>
        <source>This browser cannot listen to a microphone here. Use a current browser over HTTPS, or go back to the drill.</source>
        <translation>Ce navigateur ne peut pas écouter de micro ici. Utilisez un navigateur récent en HTTPS, ou revenez à l’exercice.</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolérance</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Voice range</source>
        <translation>Tessiture</translation>
    </message>
    <message>
        <source>You sang</source>
        <translation>Vous avez chanté</translation>
    </message>
    <message>
        <source>inverted form</source>
        <translation>forme renversée</translation>
    </message>
    <message>
        <source>prime form</source>
        <translation>forme première</translation>
    </message>
    <message>
        <source>±%1 cents</source>
        <translation>±%1 cents</translation>
    </message>
</context>
</TS>
