<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>WebPage</name>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Export my data</source>
        <translation>Exportar mis datos</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Counters</source>
        <translation>Contadores</translation>
    </message>
    <message>
        <source>Listen again</source>
        <translation>Escuchar de nuevo</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Enabled set classes</source>
        <translation>Clases de conjuntos activadas</translation>
    </message>
    <message>
        <source>Loading the sound</source>
        <translation>Cargando el sonido</translation>
    </message>
    <message>
        <source>Built-in synthesizer (FluidSynth, TimGM6mb)</source>
        <translation>Sintetizador integrado (FluidSynth, TimGM6mb)</translation>
    </message>
    <message>
        <source>The browser did not allow its MIDI outputs.</source>
        <translation>El navegador no ha permitido sus salidas MIDI.</translation>
    </message>
    <message>
        <source>This browser offers no MIDI outputs (Web MIDI).</source>
        <translation>Este navegador no ofrece salidas MIDI (Web MIDI).</translation>
    </message>
    <message>
        <source>In the browser it sounds FluidSynth (LGPL-2.1, through js-synthesizer, BSD-3) with the TimGM6mb SoundFont by Tim Brechbill (GPL-2); their licences are served beside the page:</source>
        <translation>En el navegador suena FluidSynth (LGPL-2.1, mediante js-synthesizer, BSD-3) con el SoundFont TimGM6mb de Tim Brechbill (GPL-2); sus licencias se sirven junto a la página:</translation>
    </message>
    <message>
        <source>licences</source>
        <translation>licencias</translation>
    </message>
    <message>
        <source>BEGIN / END</source>
        <translation>COMENZAR / FIN</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>F1, or p on a button or the list</source>
        <translation>F1, o p sobre un botón o la lista</translation>
    </message>
    <message>
        <source>F2, or q on a button or the list</source>
        <translation>F2, o q sobre un botón o la lista</translation>
    </message>
    <message>
        <source>F3, or r on a button or the list</source>
        <translation>F3, o r sobre un botón o la lista</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Arpeggiate Up</source>
        <translation>Arpegio ascendente</translation>
    </message>
    <message>
        <source>Arpeggiate Down</source>
        <translation>Arpegio descendente</translation>
    </message>
    <message>
        <source>Up, Down in the list</source>
        <translation>Arriba, Abajo en la lista</translation>
    </message>
    <message>
        <source>choose a set class</source>
        <translation>elegir una clase de conjuntos</translation>
    </message>
    <message>
        <source>the counts and the time, spoken</source>
        <translation>los contadores y el tiempo, en voz alta</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Pause and wait for me…</source>
        <translation>Pausa y «Espérame»…</translation>
    </message>
    <message>
        <source>Pause and wait for me</source>
        <translation>Pausa y «Espérame»</translation>
    </message>
    <message>
        <source>Pause before the next question</source>
        <translation>Pausa antes de la siguiente pregunta</translation>
    </message>
    <message>
        <source>no pause</source>
        <translation>sin pausa</translation>
    </message>
    <message>
        <source>Wait for me: the next question (and the first) plays when I press Space or Next question</source>
        <translation>Espérame: la siguiente pregunta (y la primera) suena cuando pulso Espacio o Siguiente pregunta</translation>
    </message>
    <message>
        <source>The drill&apos;s clock runs on meanwhile; the drill still counts for the high scores.</source>
        <translation>Mientras tanto el reloj del ejercicio sigue; el ejercicio sigue contando para las mejores puntuaciones.</translation>
    </message>
    <message>
        <source>Next question (Space)</source>
        <translation>Siguiente pregunta (Espacio)</translation>
    </message>
    <message>
        <source>This browser offers no MIDI inputs (Web MIDI): answer by typing. Chrome and Edge offer them; Safari does not, nor Firefox without its permission.</source>
        <translation>Este navegador no ofrece entradas MIDI (Web MIDI): responda escribiendo. Chrome y Edge las ofrecen; Safari no, ni Firefox sin su permiso.</translation>
    </message>
    <message>
        <source>The browser did not allow its MIDI inputs: answer by typing, or allow MIDI in the site&apos;s settings and open this window again.</source>
        <translation>El navegador no ha permitido sus entradas MIDI: responda escribiendo, o permita MIDI en la configuración del sitio y vuelva a abrir esta ventana.</translation>
    </message>
    <message>
        <source>No MIDI input port found. A keyboard appears here once it is connected and this window is opened again.</source>
        <translation>No se encontró ningún puerto de entrada MIDI. Un teclado aparece aquí cuando está conectado y se vuelve a abrir esta ventana.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3</source>
        <translation>%1: de %2 a %3</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrecto</translation>
    </message>
    <message>
        <source>This browser does not let Sonorix keep its files (a private window, or the storage is full). Your results stay until you close the page: use Exit › Export my data to keep them.</source>
        <translation>Este navegador no deja a Sonorix guardar sus archivos (una ventana privada, o el almacenamiento está lleno). Sus resultados se quedan hasta que cierre la página: use Salir › Exportar mis datos para conservarlos.</translation>
    </message>
    <message>
        <source>End the drill before importing data. Nothing was changed.</source>
        <translation>Termine el ejercicio antes de importar datos. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an archive of Sonorix&apos;s data, or it is damaged (%2). Nothing was changed.</source>
        <translation>«%1» no es un archivo de datos de Sonorix, o está dañado (%2). No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. Nothing was changed.</source>
        <translation>No se pudo leer «%1». No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>This browser cannot play Sonorix&apos;s built-in synthesizer (it has no AudioWorklet). Choose a MIDI output under MIDI › Midi Setup, or use a current Chrome, Edge, Firefox or Safari.</source>
        <translation>Este navegador no puede tocar el sintetizador integrado de Sonorix (no tiene AudioWorklet). Elija una salida MIDI en MIDI › Configuración MIDI, o use un Chrome, Edge, Firefox o Safari actual.</translation>
    </message>
    <message>
        <source>The sound could not be loaded (%1). Reload the page to try again.</source>
        <translation>No se pudo cargar el sonido (%1). Recargue la página para intentarlo de nuevo.</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s), %1 minutes in all</source>
        <translation>
            <numerusform>%n semana, %1 minutos en total</numerusform>
            <numerusform>%n semanas, %1 minutos en total</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Importing replaces all of Sonorix&apos;s data in this browser (the people, the drill log, the high scores, the error statistics and the filters) by the archive&apos;s %n file(s): %1. Export your data first to keep it.</source>
        <translation>
            <numerusform>Importar reemplaza todos los datos de Sonorix en este navegador (las personas, el registro de ejercicios, las mejores puntuaciones, las estadísticas de errores y los filtros) por el %n archivo del archivo comprimido: %1. Exporte antes sus datos para conservarlos.</numerusform>
            <numerusform>Importar reemplaza todos los datos de Sonorix en este navegador (las personas, el registro de ejercicios, las mejores puntuaciones, las estadísticas de errores y los filtros) por los %n archivos del archivo comprimido: %1. Exporte antes sus datos para conservarlos.</numerusform>
        </translation>
    </message>
    <message>
        <source>No practice yet: choose Practice Mode in the Progress menu.</source>
        <translation>Todavía no hay práctica: elija Modo práctica en el menú Progreso.</translation>
    </message>
    <message>
        <source>%1 (%2 % of the questions): %3</source>
        <translation>%1 (%2 % de las preguntas): %3</translation>
    </message>
    <message>
        <source>not practised yet</source>
        <translation>aún no practicado</translation>
    </message>
    <message>
        <source>not practised yet; %1 % right in your drills</source>
        <translation>aún no practicado; %1 % correcto en sus ejercicios</translation>
    </message>
    <message>
        <source>confused with %1 this week</source>
        <translation>confundido esta semana con %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>missed when last asked</source>
        <translation>fallado la última vez</translation>
    </message>
    <message>
        <source>box %1 of %2</source>
        <translation>caja %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n time(s))</source>
        <translation>
            <numerusform>%1 (%n vez)</numerusform>
            <numerusform>%1 (%n veces)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>right at the first try in %1 of %n question(s)</source>
        <translation>
            <numerusform>correcto al primer intento en %1 de %n pregunta</numerusform>
            <numerusform>correcto al primer intento en %1 de %n preguntas</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Sonorix could not start in this browser (%1). Reload the page to try again, or use a current Chrome, Edge, Firefox or Safari.</source>
        <translation>Sonorix no pudo iniciarse en este navegador (%1). Vuelva a cargar la página para intentarlo de nuevo, o use un Chrome, Edge, Firefox o Safari actual.</translation>
    </message>
    <message>
        <source>Read the class</source>
        <translation>Leer la clase</translation>
    </message>
    <message>
        <source>Reading the logs…</source>
        <translation>Leyendo los registros…</translation>
    </message>
    <message>
        <source>The class&apos;s high scores</source>
        <translation>Mejores puntuaciones de la clase</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>The account name cannot name a folder of the class.</source>
        <translation>Ese nombre de cuenta no puede nombrar una carpeta de la clase.</translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) of the class are closed to this account; their figures are not shown.</source>
        <translation>
            <numerusform>%n carpeta de la clase está cerrada para esta cuenta; sus cifras no se muestran.</numerusform>
            <numerusform>%n carpetas de la clase están cerradas para esta cuenta; sus cifras no se muestran.</numerusform>
        </translation>
    </message>
    <message>
        <source>The class&apos;s server cannot be reached.</source>
        <translation>No se puede conectar con el servidor de la clase.</translation>
    </message>
    <message>
        <source>The connection to the class&apos;s server broke while the class was read.</source>
        <translation>La conexión con el servidor de la clase se cortó mientras se leía la clase.</translation>
    </message>
    <message>
        <source>The class&apos;s server does not let this account read the whole class.</source>
        <translation>El servidor de la clase no permite que esta cuenta lea toda la clase.</translation>
    </message>
</context>
<context>
    <name>WebClass</name>
    <message>
        <source>https://cloud.school.example/remote.php/dav/files/ann/Theory 1/</source>
        <translation>https://cloud.school.example/remote.php/dav/files/ann/Teoría 1/</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Join a Class…</source>
        <translation>Unirse a una clase…</translation>
    </message>
    <message>
        <source>Leave the Class</source>
        <translation>Dejar la clase</translation>
    </message>
    <message>
        <source>Join a Class</source>
        <translation>Unirse a una clase</translation>
    </message>
    <message>
        <source>The class folder&apos;s WebDAV address</source>
        <translation>Dirección WebDAV de la carpeta de la clase</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>App password</source>
        <translation>Contraseña de aplicación</translation>
    </message>
    <message>
        <source>Remember on this device</source>
        <translation>Recordar en este dispositivo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Type the account.</source>
        <translation>Escriba la cuenta.</translation>
    </message>
    <message>
        <source>Type the app password.</source>
        <translation>Escriba la contraseña de aplicación.</translation>
    </message>
    <message>
        <source>Type the app password again to send to the class: Class › Join a Class…</source>
        <translation>Escriba de nuevo la contraseña de aplicación para enviar a la clase: Clase › Unirse a una clase…</translation>
    </message>
    <message>
        <source>Sonorix forgets the class&apos;s address, the account and the password on this device; your own files stay.</source>
        <translation>Sonorix olvida en este dispositivo la dirección de la clase, la cuenta y la contraseña; sus propios archivos se quedan.</translation>
    </message>
    <message numerus="yes">
        <source>%n drill(s) still waiting for the network will not be sent to the class.</source>
        <translation>
            <numerusform>%n ejercicio que aún espera la red no se enviará a la clase.</numerusform>
            <numerusform>%n ejercicios que aún esperan la red no se enviarán a la clase.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WebAssign</name>
    <message>
        <source>Assignments…</source>
        <translation>Tareas…</translation>
    </message>
    <message>
        <source>Due this week</source>
        <translation>Entrega esta semana</translation>
    </message>
    <message>
        <source>New…</source>
        <translation>Nueva…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Instructions (a few lines)</source>
        <translation>Instrucciones (unas líneas)</translation>
    </message>
    <message>
        <source>Done when</source>
        <translation>Hecho cuando</translation>
    </message>
    <message>
        <source>How many</source>
        <translation>Cuántos</translation>
    </message>
    <message>
        <source>Each with at least this many right</source>
        <translation>Cada uno con al menos tantas respuestas correctas</translation>
    </message>
    <message>
        <source>And at least this share right (%)</source>
        <translation>Y al menos esta proporción correcta (%)</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Times per class</source>
        <translation>Veces por clase</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Join a class to see its assignments (Class › Join a Class…).</source>
        <translation>Únase a una clase para ver sus tareas (Clase › Unirse a una clase…).</translation>
    </message>
    <message>
        <source>Stop &quot;%1&quot;</source>
        <translation>Detener «%1»</translation>
    </message>
    <message>
        <source>From %1, due %2</source>
        <translation>Desde %1, entrega %2</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Editar…</translation>
    </message>
    <message>
        <source>Copy…</source>
        <translation>Copiar…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Eliminar…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Assignment: %1</source>
        <translation>Tarea: %1</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Guardando…</translation>
    </message>
    <message>
        <source>Reading the assignments…</source>
        <translation>Leyendo las tareas…</translation>
    </message>
    <message numerus="yes">
        <source>%n assignment(s)</source>
        <translation>
            <numerusform>%n tarea</numerusform>
            <numerusform>%n tareas</numerusform>
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
        <translation>Preguntas cantadas: %1; correctas al primer intento: %2</translation>
    </message>
    <message>
        <source>%1, %2 cents</source>
        <translation>%1, %2 cents</translation>
    </message>
    <message>
        <source>%1, %2, from %3</source>
        <translation>%1, %2, desde %3</translation>
    </message>
    <message>
        <source>(any transposition or inversion)</source>
        <translation>(cualquier transposición o inversión)</translation>
    </message>
    <message>
        <source>Alto</source>
        <translation>Contralto</translation>
    </message>
    <message>
        <source>Any transposition or inversion</source>
        <translation>Cualquier transposición o inversión</translation>
    </message>
    <message>
        <source>Back to the Drill</source>
        <translation>Volver al ejercicio</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrar</translation>
    </message>
    <message>
        <source>Calibrated: sounds below %1 dB are not heard.</source>
        <translation>Calibrado: los sonidos por debajo de %1 dB no se oyen.</translation>
    </message>
    <message>
        <source>Calibrating: please stay quiet for three seconds…</source>
        <translation>Calibrando: guarde silencio durante tres segundos…</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Find My Range</source>
        <translation>Buscar mi registro</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>De %1 a %2</translation>
    </message>
    <message>
        <source>Heard notes</source>
        <translation>Notas oídas</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Listen, then sing the notes back one after another, in any octave.</source>
        <translation>Escuche y cante luego las notas una tras otra, en cualquier octava.</translation>
    </message>
    <message>
        <source>Listening failed (%1). Choose Start again, or go back to the drill.</source>
        <translation>No se pudo escuchar (%1). Elija Empezar de nuevo o vuelva al ejercicio.</translation>
    </message>
    <message>
        <source>Listen…</source>
        <translation>Escuche…</translation>
    </message>
    <message>
        <source>Loading the pitch tracker…</source>
        <translation>Cargando el detector de altura…</translation>
    </message>
    <message>
        <source>Mine</source>
        <translation>El mío</translation>
    </message>
    <message>
        <source>New Exercise</source>
        <translation>Nuevo ejercicio</translation>
    </message>
    <message>
        <source>No microphone was found. Connect one and choose Start again, or go back to the drill.</source>
        <translation>No se encontró ningún micrófono. Conecte uno y elija Empezar de nuevo, o vuelva al ejercicio.</translation>
    </message>
    <message>
        <source>Now sing your highest comfortable note…</source>
        <translation>Cante ahora su nota más aguda cómoda…</translation>
    </message>
    <message>
        <source>Play the Right Notes</source>
        <translation>Tocar las notas correctas</translation>
    </message>
    <message>
        <source>Sing it back</source>
        <translation>Cantarlo de vuelta</translation>
    </message>
    <message>
        <source>Sing now.</source>
        <translation>Cante ahora.</translation>
    </message>
    <message>
        <source>Sing the Answer</source>
        <translation>Cantar la respuesta</translation>
    </message>
    <message>
        <source>Sing the Answer…</source>
        <translation>Cantar la respuesta…</translation>
    </message>
    <message>
        <source>Sing the class</source>
        <translation>Cantar la clase</translation>
    </message>
    <message>
        <source>Sing your lowest comfortable note…</source>
        <translation>Cante su nota más grave cómoda…</translation>
    </message>
    <message>
        <source>Sonorix may not use the microphone. Allow it in the browser&apos;s site settings, then choose Start again; or go back to the drill.</source>
        <translation>Sonorix no puede usar el micrófono. Permítalo en la configuración del sitio del navegador y elija Empezar de nuevo, o vuelva al ejercicio.</translation>
    </message>
    <message>
        <source>Soprano</source>
        <translation>Soprano</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Dejar de escuchar</translation>
    </message>
    <message>
        <source>Tenor</source>
        <translation>Tenor</translation>
    </message>
    <message>
        <source>The microphone has gone silent. Check it, then choose Start again; or go back to the drill.</source>
        <translation>El micrófono ha enmudecido. Compruébelo y elija Empezar de nuevo, o vuelva al ejercicio.</translation>
    </message>
    <message>
        <source>The microphone is open only while Sonorix listens. Nothing you sing is kept or sent.</source>
        <translation>El micrófono solo está abierto mientras Sonorix escucha. Nada de lo que canta se guarda ni se envía.</translation>
    </message>
    <message>
        <source>The right notes</source>
        <translation>Las notas correctas</translation>
    </message>
    <message>
        <source>This browser cannot listen to a microphone here. Use a current browser over HTTPS, or go back to the drill.</source>
        <translation>Este navegador no puede escuchar un micrófono aquí. Use un navegador actual por HTTPS, o vuelva al ejercicio.</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerancia</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Intentar de nuevo</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Voice range</source>
        <translation>Registro de la voz</translation>
    </message>
    <message>
        <source>You sang</source>
        <translation>Cantó</translation>
    </message>
    <message>
        <source>inverted form</source>
        <translation>forma invertida</translation>
    </message>
    <message>
        <source>prime form</source>
        <translation>forma prima</translation>
    </message>
    <message>
        <source>±%1 cents</source>
        <translation>±%1 cents</translation>
    </message>
</context>
</TS>
