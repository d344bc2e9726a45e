<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>Right answers in this drill</source>
        <translation>Respuestas correctas de este ejercicio</translation>
    </message>
    <message>
        <source>Wrong answers counted in this drill</source>
        <translation>Respuestas incorrectas contadas en este ejercicio</translation>
    </message>
    <message>
        <source>Drill time </source>
        <translation>Tiempo del ejercicio </translation>
    </message>
    <message>
        <source>Minutes and seconds since BEGIN</source>
        <translation>Minutos y segundos desde EMPEZAR</translation>
    </message>
    <message>
        <source>Starts a drill; after five right answers it ends it and shows the score. Shortcut: Ctrl+B</source>
        <translation>Empieza un ejercicio; tras cinco respuestas correctas lo termina y muestra la puntuación. Atajo: Ctrl+B</translation>
    </message>
    <message>
        <source>Plays the question again. Keys: F1, or p</source>
        <translation>Toca de nuevo la pregunta. Teclas: F1 o p</translation>
    </message>
    <message>
        <source>Plays the question&apos;s notes one by one, upwards. Keys: F2, or q</source>
        <translation>Toca las notas de la pregunta una a una, hacia arriba. Teclas: F2 o q</translation>
    </message>
    <message>
        <source>Plays the question&apos;s notes one by one, downwards. Keys: F3, or r</source>
        <translation>Toca las notas de la pregunta una a una, hacia abajo. Teclas: F3 o r</translation>
    </message>
    <message>
        <source>Answer prefix</source>
        <translation>Prefijo de la respuesta</translation>
    </message>
    <message>
        <source>Type the set class number, such as 11, or Z15 with a capital Z, and press Enter. Up and Down walk the list of set classes. F1 repeats the question, F2 and F3 arpeggiate it. Ctrl+B begins or ends the drill</source>
        <translation>Escriba el número de la clase de conjuntos, como 11, o Z15 con Z mayúscula, y pulse Intro. Arriba y Abajo recorren la lista de clases de conjuntos. F1 repite la pregunta, F2 y F3 la arpegian. Ctrl+B empieza o termina el ejercicio</translation>
    </message>
    <message>
        <source>Answers with the set class chosen. Key: Enter</source>
        <translation>Responde con la clase de conjuntos elegida. Tecla: Intro</translation>
    </message>
    <message>
        <source>Set classes</source>
        <translation>Clases de conjuntos</translation>
    </message>
    <message>
        <source>The set classes drilled; choosing one puts its number in the answer field</source>
        <translation>Las clases de conjuntos ejercitadas; elegir una pone su número en el campo de respuesta</translation>
    </message>
    <message>
        <source>How questions are played</source>
        <translation>Cómo se tocan las preguntas</translation>
    </message>
    <message>
        <source>Cardinality</source>
        <translation>Cardinalidad</translation>
    </message>
    <message>
        <source>Trichords or tetrachords</source>
        <translation>Tricordios o tetracordios</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>How widely the notes of a question are spread</source>
        <translation>Cuánto se reparten las notas de una pregunta</translation>
    </message>
    <message>
        <source>Chooses exactly which set classes are drilled</source>
        <translation>Elige exactamente qué clases de conjuntos se ejercitan</translation>
    </message>
    <message>
        <source>Trichords or tetrachords; changing it enables every set class of that cardinality</source>
        <translation>Tricordios o tetracordios; cambiarlo activa todas las clases de conjuntos de esa cardinalidad</translation>
    </message>
    <message>
        <source>Saves these settings for the next login when the window closes</source>
        <translation>Guarda estos ajustes para el próximo inicio de sesión al cerrar la ventana</translation>
    </message>
    <message>
        <source>Closes the window and drills what is checked. Key: Enter</source>
        <translation>Cierra la ventana y ejercita lo marcado. Tecla: Intro</translation>
    </message>
    <message>
        <source>Checks every set class</source>
        <translation>Marca todas las clases de conjuntos</translation>
    </message>
    <message>
        <source>Clears every set class</source>
        <translation>Desmarca todas las clases de conjuntos</translation>
    </message>
    <message>
        <source>Drill this set class</source>
        <translation>Ejercitar esta clase de conjuntos</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Type your name and press Enter; a name typed before is completed as you type</source>
        <translation>Escriba su nombre y pulse Intro; un nombre escrito antes se completa mientras escribe</translation>
    </message>
    <message>
        <source>Saved filters</source>
        <translation>Filtros guardados</translation>
    </message>
    <message>
        <source>Drills the filters saved last time. Key: Alt+Y</source>
        <translation>Ejercita los filtros guardados la última vez. Tecla: Alt+S</translation>
    </message>
    <message>
        <source>Drills every set class of that cardinality instead. Key: Alt+N</source>
        <translation>Ejercita en su lugar todas las clases de conjuntos de esa cardinalidad. Tecla: Alt+N</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Time per interval, in seconds</source>
        <translation>Tiempo por intervalo, en segundos</translation>
    </message>
    <message>
        <source>Time points</source>
        <translation>Puntos de tiempo</translation>
    </message>
    <message>
        <source>Correct percentage</source>
        <translation>Porcentaje de aciertos</translation>
    </message>
    <message>
        <source>Longevity bonus</source>
        <translation>Bonificación de constancia</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Columns: date, correct, incorrect, percentage, time per interval, score</source>
        <translation>Columnas: fecha, correctas, incorrectas, porcentaje, tiempo por intervalo, puntuación</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Shows right and wrong answers per set class</source>
        <translation>Muestra las respuestas correctas e incorrectas por clase de conjuntos</translation>
    </message>
    <message>
        <source>Error report</source>
        <translation>Informe de errores</translation>
    </message>
    <message>
        <source>Success rate per set class, form and voicing; read it with the arrow keys</source>
        <translation>Tasa de aciertos por clase de conjuntos, forma y disposición; léala con las flechas</translation>
    </message>
    <message>
        <source>The drill just ended, or every eligible drill</source>
        <translation>El ejercicio recién terminado, o todos los ejercicios válidos</translation>
    </message>
    <message>
        <source>Breaks each set class down by form A and form B</source>
        <translation>Desglosa cada clase de conjuntos por forma A y forma B</translation>
    </message>
    <message>
        <source>Breaks each form down by voicing</source>
        <translation>Desglosa cada forma por disposición</translation>
    </message>
    <message>
        <source>Lists the set classes each one was mistaken for</source>
        <translation>Enumera las clases de conjuntos con las que se confundió cada una</translation>
    </message>
    <message>
        <source>Sets every cumulative count to zero, without asking</source>
        <translation>Pone a cero todos los recuentos acumulados, sin preguntar</translation>
    </message>
    <message>
        <source>MIDI output devices</source>
        <translation>Dispositivos de salida MIDI</translation>
    </message>
    <message>
        <source>Choosing a device sends the questions to it at once</source>
        <translation>Elegir un dispositivo le envía las preguntas enseguida</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>The text of readme.txt</source>
        <translation>El texto de readme.txt</translation>
    </message>
    <message>
        <source>Closes with Escape</source>
        <translation>Se cierra con Escape</translation>
    </message>
    <message>
        <source>MIDI input ports</source>
        <translation>Puertos de entrada MIDI</translation>
    </message>
    <message>
        <source>The keyboard to answer from</source>
        <translation>El teclado con el que responder</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Whose drills are shown</source>
        <translation>De quién se muestran los ejercicios</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Persona:</translation>
    </message>
    <message>
        <source>Correct percentage per drill</source>
        <translation>Porcentaje de aciertos por ejercicio</translation>
    </message>
    <message>
        <source>Time per interval per drill</source>
        <translation>Tiempo por intervalo por ejercicio</translation>
    </message>
    <message>
        <source>Minutes practised per week</source>
        <translation>Minutos de práctica por semana</translation>
    </message>
    <message>
        <source>Drills</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>One row per drill, the latest last</source>
        <translation>Una fila por ejercicio, el más reciente al final</translation>
    </message>
    <message>
        <source>Writes the table to a CSV file</source>
        <translation>Escribe la tabla en un archivo CSV</translation>
    </message>
    <message>
        <source>Answers of</source>
        <translation>Respuestas de</translation>
    </message>
    <message>
        <source>Every eligible drill, or the drill just ended</source>
        <translation>Todos los ejercicios válidos, o el recién terminado</translation>
    </message>
    <message>
        <source>Answers of:</source>
        <translation>Respuestas de:</translation>
    </message>
    <message>
        <source>Trichord confusions</source>
        <translation>Confusiones de tricordios</translation>
    </message>
    <message>
        <source>Rows: the set class asked; columns: the one answered. Enter plays both</source>
        <translation>Filas: la clase de conjuntos preguntada; columnas: la respondida. Intro toca ambas</translation>
    </message>
    <message>
        <source>Tetrachord confusions</source>
        <translation>Confusiones de tetracordios</translation>
    </message>
    <message>
        <source>Answer, tetrachord number</source>
        <translation>Respuesta, número del tetracordio</translation>
    </message>
    <message>
        <source>Answer, trichord number</source>
        <translation>Respuesta, número del tricordio</translation>
    </message>
    <message>
        <source>Drill started. First question.</source>
        <translation>Ejercicio empezado. Primera pregunta.</translation>
    </message>
    <message>
        <source> The drill can now be ended with Ctrl+B.</source>
        <translation> Ahora puede terminar el ejercicio con Ctrl+B.</translation>
    </message>
    <message>
        <source> Next question.</source>
        <translation> Siguiente pregunta.</translation>
    </message>
    <message>
        <source>Not %1, counted once. Try again.</source>
        <translation>No es %1, contado una vez. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>No set class chosen.</source>
        <translation>Ninguna clase de conjuntos elegida.</translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation>Correcto: %1.</translation>
    </message>
    <message>
        <source>Wrong: not %1. Try again.</source>
        <translation>Incorrecto: no es %1. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>No drill running. Ctrl+B begins one.</source>
        <translation>No hay ningún ejercicio en curso. Ctrl+B empieza uno.</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong, time %3.</source>
        <translation>%1 correctas, %2 incorrectas, tiempo %3.</translation>
    </message>
    <message>
        <source> END possible: Ctrl+B.</source>
        <translation> TERMINAR posible: Ctrl+B.</translation>
    </message>
    <message>
        <source>Not entered: filters were used.</source>
        <translation>No registrado: se usaron filtros.</translation>
    </message>
    <message>
        <source>Row %1 of %2, %3, %4.</source>
        <translation>Fila %1 de %2, %3, %4.</translation>
    </message>
    <message>
        <source>No entry selected.</source>
        <translation>Ninguna entrada seleccionada.</translation>
    </message>
    <message>
        <source>The drill just ended is selected</source>
        <translation>El ejercicio recién terminado está seleccionado</translation>
    </message>
    <message>
        <source>Score %1: %2 time points, %3 correct, longevity bonus %4. %5 seconds per interval.</source>
        <translation>Puntuación %1: %2 puntos de tiempo, %3 correctas, bonificación de constancia %4. %5 segundos por intervalo.</translation>
    </message>
    <message>
        <source>%1. %2%3 right, %4 wrong, %5 %, %6 s per interval, score %7</source>
        <translation>%1. %2%3 correctas, %4 incorrectas, %5 %, %6 s por intervalo, puntuación %7</translation>
    </message>
    <message>
        <source>Drill started. Space: first question.</source>
        <translation>Ejercicio empezado. Espacio: primera pregunta.</translation>
    </message>
    <message>
        <source> Space: next question.</source>
        <translation> Espacio: siguiente pregunta.</translation>
    </message>
    <message>
        <source>No entry yet in this table.</source>
        <translation>Aún no hay entradas en esta tabla.</translation>
    </message>
</context>
<context>
    <name>Assignments</name>
    <message>
        <source>done</source>
        <translation>hecho</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>en curso</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>sin empezar</translation>
    </message>
    <message>
        <source>late</source>
        <translation>con retraso</translation>
    </message>
    <message>
        <source>Another device changed the assignments meanwhile; they are shown as they are now. Please make your change again.</source>
        <translation>Otro dispositivo ha cambiado las tareas mientras tanto; se muestran tal como están ahora. Vuelva a hacer su cambio.</translation>
    </message>
    <message>
        <source>Only the teacher may change the assignments.</source>
        <translation>Solo el profesor puede cambiar las tareas.</translation>
    </message>
    <message>
        <source>The assignments could not be saved.</source>
        <translation>No se pudieron guardar las tareas.</translation>
    </message>
    <message numerus="yes">
        <source>%n assignment(s) due this week: %1</source>
        <translation>
            <numerusform>%n tarea para esta semana: %1</numerusform>
            <numerusform>%n tareas para esta semana: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 para el %2</translation>
    </message>
    <message>
        <source>%1 of %2 drill</source>
        <translation>%1 de %2 ejercicio</translation>
    </message>
    <message>
        <source>%1 of %2 drills</source>
        <translation>%1 de %2 ejercicios</translation>
    </message>
    <message>
        <source>%1 of %2 minute</source>
        <translation>%1 de %2 minuto</translation>
    </message>
    <message>
        <source>%1 of %2 minutes</source>
        <translation>%1 de %2 minutos</translation>
    </message>
    <message>
        <source>%1 of %2 class</source>
        <translation>%1 de %2 clase</translation>
    </message>
    <message>
        <source>%1 of %2 classes</source>
        <translation>%1 de %2 clases</translation>
    </message>
    <message>
        <source>The line comes before the first assignment; it is skipped.</source>
        <translation>La línea está antes de la primera tarea; se omite.</translation>
    </message>
    <message>
        <source>An assignment needs a title; it is skipped with its lines.</source>
        <translation>Una tarea necesita un título; se omite con sus líneas.</translation>
    </message>
    <message>
        <source>The line is not understood; it is skipped.</source>
        <translation>La línea no se entiende; se omite.</translation>
    </message>
    <message>
        <source>The classes are given twice; this line is skipped.</source>
        <translation>Las clases se indican dos veces; se omite esta línea.</translation>
    </message>
    <message>
        <source>A class is written like 3-11 or 4-Z15; this line is skipped.</source>
        <translation>Una clase se escribe como 3-11 o 4-Z15; se omite esta línea.</translation>
    </message>
    <message>
        <source>The classes of an assignment are all trichords or all tetrachords; this line is skipped.</source>
        <translation>Las clases de una tarea son todas tricordios o todas tetracordios; se omite esta línea.</translation>
    </message>
    <message>
        <source>The line names no classes; it is skipped.</source>
        <translation>La línea no nombra ninguna clase; se omite.</translation>
    </message>
    <message>
        <source>The range is close, one octave or two octaves; this line is skipped.</source>
        <translation>El ámbito es «close», «one octave» o «two octaves»; se omite esta línea.</translation>
    </message>
    <message>
        <source>The range is given twice; this line is skipped.</source>
        <translation>El ámbito se indica dos veces; se omite esta línea.</translation>
    </message>
    <message>
        <source>Play is chord, figure or mixed; this line is skipped.</source>
        <translation>«play» es «chord», «figure» o «mixed»; se omite esta línea.</translation>
    </message>
    <message>
        <source>Play is given twice; this line is skipped.</source>
        <translation>«play» se indica dos veces; se omite esta línea.</translation>
    </message>
    <message>
        <source>A date is written yyyy-mm-dd, like 2026-12-07; this line is skipped.</source>
        <translation>Una fecha se escribe aaaa-mm-dd, como 2026-12-07; se omite esta línea.</translation>
    </message>
    <message>
        <source>The date is given twice; this line is skipped.</source>
        <translation>La fecha se indica dos veces; se omite esta línea.</translation>
    </message>
    <message>
        <source>The goal is given twice; this line is skipped.</source>
        <translation>El objetivo se indica dos veces; se omite esta línea.</translation>
    </message>
    <message>
        <source>The goal is: drills N right R percent P, minutes M, or first-try K; this line is skipped.</source>
        <translation>El objetivo es: drills N right R percent P, minutes M o first-try K; se omite esta línea.</translation>
    </message>
    <message>
        <source>The assignment names no classes; it is skipped.</source>
        <translation>La tarea no nombra ninguna clase; se omite.</translation>
    </message>
    <message>
        <source>The assignment has no goal; it is skipped.</source>
        <translation>La tarea no tiene objetivo; se omite.</translation>
    </message>
    <message>
        <source>The assignment has no start date; it is skipped.</source>
        <translation>La tarea no tiene fecha de inicio; se omite.</translation>
    </message>
    <message>
        <source>The assignment has no due date; it is skipped.</source>
        <translation>La tarea no tiene fecha de entrega; se omite.</translation>
    </message>
    <message>
        <source>The assignment is due before it starts; it is skipped.</source>
        <translation>La tarea vence antes de empezar; se omite.</translation>
    </message>
    <message>
        <source>The assignment names a class the catalogue does not have.</source>
        <translation>La tarea nombra una clase que el catálogo no tiene.</translation>
    </message>
    <message>
        <source>The assignment needs a title.</source>
        <translation>La tarea necesita un título.</translation>
    </message>
    <message>
        <source>Choose at least one set class.</source>
        <translation>Elija al menos una clase de conjuntos.</translation>
    </message>
    <message>
        <source>The due date comes before the start.</source>
        <translation>La fecha de entrega es anterior al inicio.</translation>
    </message>
    <message>
        <source>Give the start and the due date.</source>
        <translation>Indique la fecha de inicio y la de entrega.</translation>
    </message>
    <message>
        <source>The numbers of the goal are whole numbers: at least 1 drill, minute or time, 0 to 100 %.</source>
        <translation>Los números del objetivo son enteros: al menos 1 ejercicio, minuto o vez, de 0 a 100 %.</translation>
    </message>
</context>
<context>
    <name>ClassLink</name>
    <message>
        <source>This is not the address of a folder on a server, such as https://cloud.school.example/remote.php/dav/files/ann/Theory 1/.</source>
        <translation>Esta no es la dirección de una carpeta en un servidor, como https://cloud.school.example/remote.php/dav/files/ann/Theory 1/.</translation>
    </message>
    <message>
        <source>The class&apos;s address must begin with https://; plain http:// is only allowed for this computer (localhost).</source>
        <translation>La dirección de la clase debe empezar por https://; el simple http:// solo se permite para este ordenador (localhost).</translation>
    </message>
    <message>
        <source>The address may not contain an account, a password or a query; type the account and password in their own fields.</source>
        <translation>La dirección no puede contener una cuenta, una contraseña ni una consulta; escriba la cuenta y la contraseña en sus propios campos.</translation>
    </message>
    <message>
        <source>Saved to the class.</source>
        <translation>Guardado en la clase.</translation>
    </message>
    <message>
        <source>The class&apos;s server cannot be reached; the work waits for the network.</source>
        <translation>No se puede llegar al servidor de la clase; el trabajo espera a la red.</translation>
    </message>
    <message>
        <source>The connection to the class&apos;s server broke during a send; it will be sent again.</source>
        <translation>La conexión con el servidor de la clase se cortó durante un envío; se enviará de nuevo.</translation>
    </message>
    <message>
        <source>The class&apos;s server did not accept the account or the password.</source>
        <translation>El servidor de la clase no aceptó la cuenta o la contraseña.</translation>
    </message>
    <message>
        <source>The class&apos;s server does not let this account write there.</source>
        <translation>El servidor de la clase no deja escribir ahí a esta cuenta.</translation>
    </message>
    <message>
        <source>The class&apos;s server is full; the work waits until it has room.</source>
        <translation>El servidor de la clase está lleno; el trabajo espera hasta que tenga espacio.</translation>
    </message>
    <message>
        <source>The class&apos;s folder is not on the server; check the address.</source>
        <translation>La carpeta de la clase no está en el servidor; compruebe la dirección.</translation>
    </message>
    <message>
        <source>The class&apos;s server sent Sonorix to another server, which it refuses.</source>
        <translation>El servidor de la clase envió a Sonorix a otro servidor, lo que Sonorix rechaza.</translation>
    </message>
    <message>
        <source>The class&apos;s server answered with a web page (a login page?) instead of the class&apos;s files.</source>
        <translation>El servidor de la clase respondió con una página web (¿una página de inicio de sesión?) en lugar de los archivos de la clase.</translation>
    </message>
    <message>
        <source>The class&apos;s server sent an answer Sonorix cannot read: no WebDAV folder listing, or far too large.</source>
        <translation>El servidor de la clase envió una respuesta que Sonorix no puede leer: no es una lista de carpeta WebDAV, o es demasiado grande.</translation>
    </message>
    <message>
        <source>The class&apos;s server gives a file no version Sonorix can safely replace; it will try again.</source>
        <translation>El servidor de la clase no da a un archivo ninguna versión que Sonorix pueda reemplazar con seguridad; lo intentará de nuevo.</translation>
    </message>
    <message>
        <source>Other devices kept changing the class&apos;s file; it will be tried again.</source>
        <translation>Otros dispositivos siguieron cambiando el archivo de la clase; se intentará de nuevo.</translation>
    </message>
    <message>
        <source>The class&apos;s server had a fault; the work will be sent again.</source>
        <translation>El servidor de la clase tuvo un fallo; el trabajo se enviará de nuevo.</translation>
    </message>
    <message>
        <source>Sonorix could not write the list of work waiting for the class in the data folder.</source>
        <translation>Sonorix no pudo escribir en la carpeta de datos la lista del trabajo que espera a la clase.</translation>
    </message>
    <message>
        <source>The class&apos;s server has a certificate this computer does not trust; nothing is sent to it.</source>
        <translation>El servidor de la clase tiene un certificado en el que este ordenador no confía; no se le envía nada.</translation>
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
    <message>
        <source>Saved to the class</source>
        <translation>Guardado en la clase</translation>
    </message>
    <message>
        <source>Changes waiting for the network</source>
        <translation>Cambios esperando a la red</translation>
    </message>
    <message>
        <source>The class&apos;s password is needed to send</source>
        <translation>Se necesita la contraseña de la clase para enviar</translation>
    </message>
    <message numerus="yes">
        <source>%n drill waiting for the network</source>
        <translation>
            <numerusform>%n ejercicio esperando a la red</numerusform>
            <numerusform>%n ejercicios esperando a la red</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drills waiting for the network</source>
        <translation>
            <numerusform>%n ejercicio esperando a la red</numerusform>
            <numerusform>%n ejercicios esperando a la red</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HeardPicture</name>
    <message>
        <source>What I Heard</source>
        <translation>Lo que oí</translation>
    </message>
    <message>
        <source>Heard</source>
        <translation>Oído</translation>
    </message>
    <message>
        <source>You named</source>
        <translation>Usted nombró</translation>
    </message>
    <message>
        <source>Show What I Heard</source>
        <translation>Mostrar lo que oí</translation>
    </message>
    <message>
        <source>What I heard</source>
        <translation>Lo que oí</translation>
    </message>
    <message>
        <source>%1: %2, prime form %3</source>
        <translation>%1: %2, forma prima %3</translation>
    </message>
    <message>
        <source>They differ in interval classes %1</source>
        <translation>Se diferencian en las clases de intervalo %1</translation>
    </message>
    <message>
        <source>Underlined: the interval classes in which they differ</source>
        <translation>Subrayadas: las clases de intervalo en que se diferencian</translation>
    </message>
</context>
<context>
    <name>PracticeWindows</name>
    <message>
        <source>Practice Summary</source>
        <translation>Resumen de la práctica</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Right at first try</source>
        <translation>Correctas a la primera</translation>
    </message>
    <message>
        <source>First-try %</source>
        <translation>A la primera %</translation>
    </message>
    <message>
        <source>Revealed</source>
        <translation>Mostradas</translation>
    </message>
    <message>
        <source>Practice per day</source>
        <translation>Práctica por día</translation>
    </message>
    <message>
        <source>Practice focus</source>
        <translation>Foco de práctica</translation>
    </message>
    <message>
        <source>&lt;b&gt;Practice focus&lt;/b&gt;</source>
        <translation>&lt;b&gt;Foco de práctica&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Questions: %1</source>
        <translation>Preguntas: %1</translation>
    </message>
    <message>
        <source>Right at the first try: %1 (%2 %)</source>
        <translation>Correctas a la primera: %1 (%2 %)</translation>
    </message>
    <message>
        <source>Right at the first try: %1</source>
        <translation>Correctas a la primera: %1</translation>
    </message>
    <message>
        <source>Revealed: %1</source>
        <translation>Mostradas: %1</translation>
    </message>
    <message>
        <source>Time: %1:%2</source>
        <translation>Tiempo: %1:%2</translation>
    </message>
    <message>
        <source>Getting surer: %1</source>
        <translation>Cada vez más seguro: %1</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>ninguna todavía</translation>
    </message>
    <message>
        <source>Needs more work: %1</source>
        <translation>Necesita más práctica: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>&lt;br&gt;No practice yet: choose Practice Mode in the Progress menu.</source>
        <translation>&lt;br&gt;Todavía no hay práctica: elija Modo práctica en el menú Progreso.</translation>
    </message>
    <message>
        <source>once</source>
        <translation>una vez</translation>
    </message>
    <message>
        <source>twice</source>
        <translation>dos veces</translation>
    </message>
    <message>
        <source>not practised yet; %1 % right in your drills</source>
        <translation>aún sin practicar; %1 % de aciertos en sus ejercicios</translation>
    </message>
    <message>
        <source>not practised yet</source>
        <translation>aún sin practicar</translation>
    </message>
    <message>
        <source>confused with %1 %2 and with %3 %4 this week</source>
        <translation>confundido con %1 %2 y con %3 %4 esta semana</translation>
    </message>
    <message>
        <source>confused with %1 %2 this week</source>
        <translation>confundido con %1 %2 esta semana</translation>
    </message>
    <message numerus="yes">
        <source>right at the first try in %1 of %n question</source>
        <translation>
            <numerusform>acierto a la primera en %1 de %n pregunta</numerusform>
            <numerusform>acierto a la primera en %1 de %n preguntas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>right at the first try in %1 of %n questions</source>
        <translation>
            <numerusform>acierto a la primera en %1 de %n pregunta</numerusform>
            <numerusform>acierto a la primera en %1 de %n preguntas</numerusform>
        </translation>
    </message>
    <message>
        <source>missed when last asked</source>
        <translation>fallado la última vez</translation>
    </message>
    <message>
        <source>box %1 of %2</source>
        <translation>nivel %1 de %2</translation>
    </message>
    <message>
        <source>%1 (%2 % of the questions): %3</source>
        <translation>%1 (%2 % de las preguntas): %3</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n vez</numerusform>
            <numerusform>%n veces</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SingVerdict</name>
    <message>
        <source>Right! %1</source>
        <translation>¡Correcto! %1</translation>
    </message>
    <message>
        <source>No note was heard. Sing a little louder or closer to the microphone.</source>
        <translation>No se oyó ninguna nota. Cante un poco más fuerte o más cerca del micrófono.</translation>
    </message>
    <message>
        <source>Not yet: %1 of %2 notes right (%3).</source>
        <translation>Todavía no: %1 de %2 notas correctas (%3).</translation>
    </message>
</context>
<context>
    <name>SoundNotice</name>
    <message>
        <source>no audio output</source>
        <translation>ninguna salida de audio</translation>
    </message>
    <message>
        <source>MIDI output not open</source>
        <translation>salida MIDI no abierta</translation>
    </message>
    <message>
        <source> - No sound: </source>
        <translation> – Sin sonido: </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Ear training for music students: Sonorix plays trichords and</source>
        <translation>Entrenamiento auditivo para estudiantes de música: Sonorix toca</translation>
    </message>
    <message>
        <source>tetrachords and asks which pitch-class set class you heard.</source>
        <translation>tricordios y tetracordios y pregunta qué clase de conjuntos oyó.</translation>
    </message>
    <message>
        <source>Sonorix is free software under the GNU General Public License,</source>
        <translation>Sonorix es software libre bajo la Licencia Pública General de GNU,</translation>
    </message>
    <message>
        <source>version 3 or (at your option) any later version: you may share</source>
        <translation>versión 3 o (a su elección) cualquier versión posterior: puede</translation>
    </message>
    <message>
        <source>and change it under its terms. It comes with NO WARRANTY.</source>
        <translation>compartirlo y modificarlo según sus términos. Viene SIN GARANTÍA.</translation>
    </message>
    <message>
        <source>It stands on Qt, FluidSynth and RtMidi, and its built-in</source>
        <translation>Se apoya en Qt, FluidSynth y RtMidi, y su sintetizador</translation>
    </message>
    <message>
        <source>synthesizer plays a General MIDI SoundFont, by default TimGM6mb.</source>
        <translation>incorporado toca una SoundFont General MIDI, por defecto TimGM6mb.</translation>
    </message>
    <message>
        <source>About Sonorix</source>
        <translation>Acerca de Sonorix</translation>
    </message>
    <message>
        <source>The license is in /usr/share/common-licenses/GPL-3,</source>
        <translation>La licencia está en /usr/share/common-licenses/GPL-3,</translation>
    </message>
    <message>
        <source>Sonorix&apos;s copyright notice in %1.</source>
        <translation>el aviso de derechos de autor de Sonorix en %1.</translation>
    </message>
</context>
<context>
    <name>TAssignmentEditor</name>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Instructions:</source>
        <translation>&amp;Instrucciones:</translation>
    </message>
    <message>
        <source>trichords</source>
        <translation>tricordios</translation>
    </message>
    <message>
        <source>tetrachords</source>
        <translation>tetracordios</translation>
    </message>
    <message>
        <source>&amp;Cardinality:</source>
        <translation>&amp;Cardinalidad:</translation>
    </message>
    <message>
        <source>Set classes</source>
        <translation>Clases de conjuntos</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>&amp;Ninguna</translation>
    </message>
    <message>
        <source>close position</source>
        <translation>posición cerrada</translation>
    </message>
    <message>
        <source>within one octave</source>
        <translation>dentro de una octava</translation>
    </message>
    <message>
        <source>within two octaves</source>
        <translation>dentro de dos octavas</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Ámbito:</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>acorde</translation>
    </message>
    <message>
        <source>figure</source>
        <translation>figura</translation>
    </message>
    <message>
        <source>mixed figure</source>
        <translation>figura mixta</translation>
    </message>
    <message>
        <source>&amp;Play:</source>
        <translation>&amp;Tocar:</translation>
    </message>
    <message>
        <source>drills with enough right answers</source>
        <translation>ejercicios con suficientes respuestas correctas</translation>
    </message>
    <message>
        <source>minutes of practice mode</source>
        <translation>minutos en modo práctica</translation>
    </message>
    <message>
        <source>each class right at the first try in practice</source>
        <translation>cada clase acertada al primer intento en práctica</translation>
    </message>
    <message>
        <source>&amp;Done when:</source>
        <translation>&amp;Hecho cuando:</translation>
    </message>
    <message>
        <source>&amp;How many:</source>
        <translation>&amp;Cuántos:</translation>
    </message>
    <message>
        <source>Each with at least this many &amp;right:</source>
        <translation>Cada uno con al menos tantas &amp;correctas:</translation>
    </message>
    <message>
        <source>And at least this &amp;share right:</source>
        <translation>Y al menos esta &amp;proporción correcta:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>D&amp;ue:</source>
        <translation>&amp;Entrega:</translation>
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
        <translation>Tareas</translation>
    </message>
    <message>
        <source>&amp;Open assignments:</source>
        <translation>Tareas &amp;abiertas:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Entrega</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nueva…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>&amp;Copy…</source>
        <translation>&amp;Copiar…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Sets the drill window to the assignment&apos;s classes, range and play mode; your own settings stay saved.</source>
        <translation>Pone la ventana de ejercicio en las clases, el ámbito y el modo de tocar de la tarea; sus propios ajustes siguen guardados.</translation>
    </message>
    <message>
        <source>Gives you your own drill settings back.</source>
        <translation>Le devuelve sus propios ajustes de ejercicio.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>No assignments are set.</source>
        <translation>No hay tareas puestas.</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>desde el %1</translation>
    </message>
    <message>
        <source>%1, due %2, %3, %4</source>
        <translation>%1, entrega %2, %3, %4</translation>
    </message>
    <message>
        <source>No instructions</source>
        <translation>Sin instrucciones</translation>
    </message>
    <message>
        <source>Instructions: %1</source>
        <translation>Instrucciones: %1</translation>
    </message>
    <message>
        <source>The assignment names a set class the catalogue does not have.</source>
        <translation>La tarea nombra una clase de conjuntos que el catálogo no tiene.</translation>
    </message>
    <message>
        <source>as a chord</source>
        <translation>como acorde</translation>
    </message>
    <message>
        <source>as a figure</source>
        <translation>como figura</translation>
    </message>
    <message>
        <source>as a mixed figure</source>
        <translation>como figura mixta</translation>
    </message>
    <message>
        <source>Started: %1. Play %2.</source>
        <translation>Empezada: %1. Toque %2.</translation>
    </message>
    <message>
        <source>Your own drill settings are back.</source>
        <translation>Sus propios ajustes de ejercicio han vuelto.</translation>
    </message>
    <message>
        <source>The assignments are saved.</source>
        <translation>Las tareas están guardadas.</translation>
    </message>
    <message>
        <source>New Assignment</source>
        <translation>Nueva tarea</translation>
    </message>
    <message>
        <source>Edit Assignment</source>
        <translation>Editar la tarea</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (copia)</translation>
    </message>
    <message>
        <source>Copy Assignment</source>
        <translation>Copiar la tarea</translation>
    </message>
    <message>
        <source>Delete Assignment</source>
        <translation>Borrar la tarea</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? The students&apos; drills stay as they are.</source>
        <translation>¿Borrar «%1»? Los ejercicios de los alumnos quedan como están.</translation>
    </message>
    <message>
        <source>The class&apos;s assignments are on its server: type the class&apos;s password (Class › Class Password…) to see them.</source>
        <translation>Las tareas de la clase están en su servidor: escriba la contraseña de la clase (Clase › Contraseña de la clase…) para verlas.</translation>
    </message>
</context>
<context>
    <name>TAssignmentsMenu</name>
    <message>
        <source>&amp;Assignments…</source>
        <translation>&amp;Tareas…</translation>
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
        <translation>&amp;Clase</translation>
    </message>
    <message>
        <source>&amp;Join a Class…</source>
        <translation>&amp;Unirse a una clase…</translation>
    </message>
    <message>
        <source>Class &amp;Password…</source>
        <translation>&amp;Contraseña de la clase…</translation>
    </message>
    <message>
        <source>&amp;Leave the Class</source>
        <translation>&amp;Dejar la clase</translation>
    </message>
    <message>
        <source>Leave the Class</source>
        <translation>Dejar la clase</translation>
    </message>
    <message>
        <source>Leave the class? Your drills stay on this computer.</source>
        <translation>¿Dejar la clase? Sus ejercicios se quedan en este ordenador.</translation>
    </message>
    <message numerus="yes">
        <source>%n drill still waits for the network and will not reach the class.</source>
        <translation>
            <numerusform>%n ejercicio aún espera a la red y no llegará a la clase.</numerusform>
            <numerusform>%n ejercicios aún esperan a la red y no llegarán a la clase.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drills still wait for the network and will not reach the class.</source>
        <translation>
            <numerusform>%n ejercicio aún espera a la red y no llegará a la clase.</numerusform>
            <numerusform>%n ejercicios aún esperan a la red y no llegarán a la clase.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TClassOverview</name>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Drills</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>Last
practice</source>
        <translation>Última
práctica</translation>
    </message>
    <message>
        <source>
% right</source>
        <translation>
% correctas</translation>
    </message>
    <message>
        <source>
s/right</source>
        <translation>
s/correcta</translation>
    </message>
    <message>
        <source>
best score</source>
        <translation>
mejor puntuación</translation>
    </message>
    <message>
        <source>Unverified</source>
        <translation>Sin verificar</translation>
    </message>
    <message>
        <source>Class Overview</source>
        <translation>Resumen de la clase</translation>
    </message>
    <message>
        <source>Set class</source>
        <translation>Clase de conjuntos</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% correctas</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Tocada</translation>
    </message>
    <message>
        <source>Taken for</source>
        <translation>Tomada por</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Veces</translation>
    </message>
    <message>
        <source>Hardest set classes (all eligible drills):</source>
        <translation>Clases de conjuntos más difíciles (todos los ejercicios válidos):</translation>
    </message>
    <message>
        <source>Most frequent confusions:</source>
        <translation>Confusiones más frecuentes:</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>Save PDF…</source>
        <translation>Guardar PDF…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>No se pudo escribir %1.</translation>
    </message>
    <message>
        <source>Save PDF</source>
        <translation>Guardar PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>Archivos PDF (*.pdf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>(unknown)</source>
        <translation>(desconocido)</translation>
    </message>
    <message>
        <source>Time
this week</source>
        <translation>Tiempo
esta semana</translation>
    </message>
    <message>
        <source>Time
in all</source>
        <translation>Tiempo
en total</translation>
    </message>
    <message>
        <source>First
practice</source>
        <translation>Primera
práctica</translation>
    </message>
    <message>
        <source>Ineligible
% right</source>
        <translation>No válidos
% aciertos</translation>
    </message>
    <message>
        <source>Ineligible
drills</source>
        <translation>Ejercicios
no válidos</translation>
    </message>
    <message>
        <source>Not ended
drills</source>
        <translation>Ejercicios
no terminados</translation>
    </message>
    <message>
        <source>Practice
questions</source>
        <translation>Práctica
preguntas</translation>
    </message>
    <message>
        <source>Practice
first try %</source>
        <translation>Práctica
% al primer intento</translation>
    </message>
    <message>
        <source>Practice
this week</source>
        <translation>Práctica
esta semana</translation>
    </message>
    <message>
        <source>Practice
in all</source>
        <translation>Práctica
en total</translation>
    </message>
    <message>
        <source>Sung
questions</source>
        <translation>Preguntas
cantadas</translation>
    </message>
    <message>
        <source>Sung
first try %</source>
        <translation>Cantado
% al primer intento</translation>
    </message>
    <message>
        <source>Ambiguous</source>
        <translation>Ambiguos</translation>
    </message>
    <message>
        <source>Reading the logs… %p%</source>
        <translation>Leyendo los registros… %p%</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 — reading the logs…</source>
        <translation>%1 — leyendo los registros…</translation>
    </message>
    <message>
        <source>report.dat cannot be read.</source>
        <translation>No se puede leer report.dat.</translation>
    </message>
    <message>
        <source>practice.dat cannot be read.</source>
        <translation>No se puede leer practice.dat.</translation>
    </message>
    <message>
        <source>%1 — reading the logs was cancelled.</source>
        <translation>%1 — se canceló la lectura de los registros.</translation>
    </message>
    <message>
        <source>%1 records could belong to more than one person and count for nobody.</source>
        <translation>%1 registros podrían pertenecer a más de una persona y no cuentan para nadie.</translation>
    </message>
    <message>
        <source>Drills and practice from %1 to %2.</source>
        <translation>Ejercicios y práctica del %1 al %2.</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>close position</source>
        <translation>posición cerrada</translation>
    </message>
    <message>
        <source>within 1 octave</source>
        <translation>en 1 octava</translation>
    </message>
    <message>
        <source>within 2 octaves</source>
        <translation>en 2 octavas</translation>
    </message>
    <message>
        <source>trichords</source>
        <translation>tricordios</translation>
    </message>
    <message>
        <source>tetrachords</source>
        <translation>tetracordios</translation>
    </message>
    <message>
        <source>% right, s/right and best score count the eligible drills that reached END: every set class of the cardinality enabled and the settings unchanged. Ineligible drills reached END otherwise; not ended drills have fewer than five right answers. Times are minutes:seconds. Unverified records are damaged or fail their check value; ambiguous ones verify for more than one person alike; (unknown) holds unverified records that belong to no single person.</source>
        <translation>% aciertos, s/acierto y mejor puntuación cuentan los ejercicios válidos que llegaron a END: todas las clases de la cardinalidad activadas y los ajustes sin cambios. Los ejercicios no válidos llegaron a END de otro modo; los no terminados tienen menos de cinco respuestas correctas. Los tiempos son minutos:segundos. Los registros no verificados están dañados o su valor de control falla; los ambiguos valen igual para más de una persona; (desconocido) reúne los registros no verificados que no pertenecen a una sola persona.</translation>
    </message>
    <message>
        <source>Per student, from practice mode</source>
        <translation>Por estudiante, del modo práctica</translation>
    </message>
    <message>
        <source>Nobody has practised yet.</source>
        <translation>Nadie ha practicado todavía.</translation>
    </message>
    <message>
        <source>%1 (%2 of %3 at the first try)</source>
        <translation>%1 (%2 de %3 al primer intento)</translation>
    </message>
    <message>
        <source>%1 taken for %2 (%3×)</source>
        <translation>%1 tomado por %2 (%3×)</translation>
    </message>
    <message>
        <source>hardest</source>
        <translation>las más difíciles</translation>
    </message>
    <message>
        <source>confusions</source>
        <translation>confusiones</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message numerus="yes">
        <source>%1 — %n person, %3 records, %4 of them unverified. Week from %5.</source>
        <translation>
            <numerusform>%1 — %n persona, %3 registros, %4 de ellos sin verificar. Semana desde el %5.</numerusform>
            <numerusform>%1 — %n personas, %3 registros, %4 de ellos sin verificar. Semana desde el %5.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 — %n people, %3 records, %4 of them unverified. Week from %5.</source>
        <translation>
            <numerusform>%1 — %n persona, %3 registros, %4 de ellos sin verificar. Semana desde el %5.</numerusform>
            <numerusform>%1 — %n personas, %3 registros, %4 de ellos sin verificar. Semana desde el %5.</numerusform>
        </translation>
    </message>
    <message>
        <source>close</source>
        <translation>cerrada</translation>
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
        <translation>Abrir la clase en el servidor…</translation>
    </message>
    <message>
        <source>Open Class Copy…</source>
        <translation>Abrir una copia de la clase…</translation>
    </message>
    <message>
        <source>%1 — reading the class folder…</source>
        <translation>%1 — leyendo la carpeta de la clase…</translation>
    </message>
    <message>
        <source>%1 — reading the class folder was cancelled.</source>
        <translation>%1 — se canceló la lectura de la carpeta de la clase.</translation>
    </message>
    <message>
        <source>Folders this account may not read: %1.</source>
        <translation>Carpetas que esta cuenta no puede leer: %1.</translation>
    </message>
    <message>
        <source>The folder cannot be read.</source>
        <translation>La carpeta no se puede leer.</translation>
    </message>
    <message>
        <source>Some files of the folder cannot be read.</source>
        <translation>Algunos archivos de la carpeta no se pueden leer.</translation>
    </message>
    <message>
        <source>Open Class on Server</source>
        <translation>Abrir la clase en el servidor</translation>
    </message>
    <message>
        <source>Class folder address:</source>
        <translation>Dirección de la carpeta de la clase:</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Type the account on the class&apos;s server.</source>
        <translation>Escriba la cuenta en el servidor de la clase.</translation>
    </message>
    <message>
        <source>Open Class Copy</source>
        <translation>Abrir una copia de la clase</translation>
    </message>
    <message>
        <source>Due this week</source>
        <translation>Para esta semana</translation>
    </message>
    <message>
        <source>Show only the assignments due this week</source>
        <translation>Mostrar solo las tareas para esta semana</translation>
    </message>
    <message>
        <source>due %1</source>
        <translation>para el %1</translation>
    </message>
    <message>
        <source>Assignments due this week</source>
        <translation>Tareas para esta semana</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Tareas</translation>
    </message>
</context>
<context>
    <name>TConfusionForm</name>
    <message>
        <source>Confusions</source>
        <translation>Confusiones</translation>
    </message>
    <message>
        <source>Answers of:</source>
        <translation>Respuestas de:</translation>
    </message>
    <message>
        <source>Rows: the set class asked. Columns: the set class answered. Each cell is the share (%) of the row&apos;s answers; the diagonal holds the right ones. Click a cell to hear the set class asked, then the one answered, in the drill window&apos;s range and Play: manner.</source>
        <translation>Filas: la clase de conjuntos preguntada. Columnas: la clase de conjuntos respondida. Cada celda es la parte (%) de las respuestas de la fila; la diagonal contiene las correctas. Haga clic en una celda para oír la clase preguntada y luego la respondida, en el registro y el modo de tocar de la ventana del ejercicio.</translation>
    </message>
    <message>
        <source>Trichords</source>
        <translation>Tricordios</translation>
    </message>
    <message>
        <source>Tetrachords</source>
        <translation>Tetracordios</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>all eligible drills</source>
        <translation>todos los ejercicios válidos</translation>
    </message>
    <message>
        <source>the drill just ended</source>
        <translation>el ejercicio recién terminado</translation>
    </message>
    <message>
        <source>Right %</source>
        <translation>Aciertos %</translation>
    </message>
    <message>
        <source>%1: %2 right of %3 answers</source>
        <translation>%1: %2 correctas de %3 respuestas</translation>
    </message>
    <message>
        <source>%1 answered as %2: %3 of %4 answers</source>
        <translation>%1 respondido como %2: %3 de %4 respuestas</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Preguntada</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>Respondida</translation>
    </message>
</context>
<context>
    <name>TErrorReport</name>
    <message>
        <source>Error Report</source>
        <translation>Informe de errores</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>this session</source>
        <translation>esta sesión</translation>
    </message>
    <message>
        <source>cumulative errors</source>
        <translation>errores acumulados</translation>
    </message>
    <message>
        <source>Sessions that use filters are not included in the cumulative report.</source>
        <translation>Las sesiones con filtros no entran en el informe acumulado.</translation>
    </message>
    <message>
        <source>Clear Cumulative Report</source>
        <translation>Borrar informe acumulado</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>A and B sets</source>
        <translation>Formas A y B</translation>
    </message>
    <message>
        <source>RIPs</source>
        <translation>RIPs</translation>
    </message>
    <message>
        <source>Confused with</source>
        <translation>Confundido con</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Confused with:</source>
        <translation>Confundido con:</translation>
    </message>
</context>
<context>
    <name>TFilterForm</name>
    <message>
        <source>FILTERS</source>
        <translation>FILTROS</translation>
    </message>
    <message>
        <source>Trichords</source>
        <translation>Tricordios</translation>
    </message>
    <message>
        <source>TRICHORDS</source>
        <translation>TRICORDIOS</translation>
    </message>
    <message>
        <source>TETRACHORDS</source>
        <translation>TETRACORDIOS</translation>
    </message>
    <message>
        <source>Sets in &quot;Closed Position&quot;</source>
        <translation>Conjuntos en &quot;posición cerrada&quot;</translation>
    </message>
    <message>
        <source>Sets distributed within one octave</source>
        <translation>Conjuntos repartidos en una octava</translation>
    </message>
    <message>
        <source>Sets distributed within two octaves</source>
        <translation>Conjuntos repartidos en dos octavas</translation>
    </message>
    <message>
        <source>Save these settings for future sessions</source>
        <translation>Guardar ajustes para otras sesiones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>TODOS</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NINGUNO</translation>
    </message>
    <message>
        <source>trichords</source>
        <translation>tricordios</translation>
    </message>
    <message>
        <source>tetrachords</source>
        <translation>tetracordios</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>File Error!</source>
        <translation>¡Error de archivo!</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Responder</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Bien:</translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <translation>Mal:</translation>
    </message>
    <message>
        <source>BEGIN</source>
        <translation>EMPEZAR</translation>
    </message>
    <message>
        <source>Repeat (F1)</source>
        <translation>Repetir (F1)</translation>
    </message>
    <message>
        <source>Arpeggiate Up (F2)</source>
        <translation>Arpegio arriba (F2)</translation>
    </message>
    <message>
        <source>Arpeggiate Down (F3)</source>
        <translation>Arpegio abajo (F3)</translation>
    </message>
    <message>
        <source>Play:</source>
        <translation>Tocar:</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>acorde</translation>
    </message>
    <message>
        <source>figure</source>
        <translation>figura</translation>
    </message>
    <message>
        <source>mixed figure</source>
        <translation>figura mixta</translation>
    </message>
    <message>
        <source>TRICHORDS</source>
        <translation>TRICORDIOS</translation>
    </message>
    <message>
        <source>TETRACHORDS</source>
        <translation>TETRACORDIOS</translation>
    </message>
    <message>
        <source>&quot;close position&quot;</source>
        <translation>pos. cerrada</translation>
    </message>
    <message>
        <source>within 1 octave</source>
        <translation>en 1 octava</translation>
    </message>
    <message>
        <source>within 2 octaves</source>
        <translation>en 2 octavas</translation>
    </message>
    <message>
        <source>More Filters</source>
        <translation>Más filtros</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Login New Person</source>
        <translation>Iniciar sesión de otra persona</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Set Filters</source>
        <translation>Ajustar filtros</translation>
    </message>
    <message>
        <source>Midi Setup</source>
        <translation>Configuración MIDI</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Instructions (readme.txt)</source>
        <translation>Instrucciones (readme.txt)</translation>
    </message>
    <message>
        <source>About Sonorix</source>
        <translation>Acerca de Sonorix</translation>
    </message>
    <message>
        <source>END</source>
        <translation>TERMINAR</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>SCORE</source>
        <translation>PUNTUACIÓN</translation>
    </message>
    <message>
        <source>Time per</source>
        <translation>Tiempo por</translation>
    </message>
    <message>
        <source>interval</source>
        <translation>intervalo</translation>
    </message>
    <message>
        <source>Correct %</source>
        <translation>Aciertos %</translation>
    </message>
    <message>
        <source>Longevity</source>
        <translation>Bonificación</translation>
    </message>
    <message>
        <source>bonus</source>
        <translation>de constancia</translation>
    </message>
    <message>
        <source>pts</source>
        <translation>pts</translation>
    </message>
    <message>
        <source>H i g h  S c o r e s</source>
        <translation>M e j o r e s  p u n t u a c i o n e s</translation>
    </message>
    <message>
        <source>TRICHORDS</source>
        <translation>TRICORDIOS</translation>
    </message>
    <message>
        <source>TETRACHORDS</source>
        <translation>TETRACORDIOS</translation>
    </message>
    <message>
        <source>&quot;close position&quot;</source>
        <translation>pos. cerrada</translation>
    </message>
    <message>
        <source>one-octave</source>
        <translation>1 octava</translation>
    </message>
    <message>
        <source>two-octave</source>
        <translation>2 octavas</translation>
    </message>
    <message>
        <source>Date              Correct   Incrct    Pctge   Time/Int  Score </source>
        <translation>Fecha             Aciertos  Errores   Porc.   T/Interv  Puntos</translation>
    </message>
    <message>
        <source>(This session is not eligible for high score due to filter usage,</source>
        <translation>(Esta sesión no cuenta para las mejores puntuaciones: filtros,</translation>
    </message>
    <message>
        <source>mixing of cardinalities, or changes in range.)</source>
        <translation>cardinalidades mezcladas o cambios de registro.)</translation>
    </message>
    <message>
        <source>Error Report</source>
        <translation>Informe de errores</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TJoinClassForm</name>
    <message>
        <source>Class Password</source>
        <translation>Contraseña de la clase</translation>
    </message>
    <message>
        <source>Join a Class</source>
        <translation>Unirse a una clase</translation>
    </message>
    <message>
        <source>Class folder&apos;s &amp;WebDAV address:</source>
        <translation>Dirección &amp;WebDAV de la carpeta de la clase:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Cuenta:</translation>
    </message>
    <message>
        <source>App &amp;password:</source>
        <translation>Contraseña de a&amp;plicación:</translation>
    </message>
    <message>
        <source>&amp;Remember on this device</source>
        <translation>&amp;Recordar en este dispositivo</translation>
    </message>
    <message>
        <source>Type the account that the class&apos;s server knows.</source>
        <translation>Escriba la cuenta que conoce el servidor de la clase.</translation>
    </message>
    <message>
        <source>Asking the class&apos;s server…</source>
        <translation>Preguntando al servidor de la clase…</translation>
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
        <translation>%1 notas</translation>
    </message>
    <message>
        <source>played %1, %2 expected</source>
        <translation>tocó %1, se esperaban %2</translation>
    </message>
    <message>
        <source>played %1-%2, not in the list</source>
        <translation>tocó %1-%2, no está en la lista</translation>
    </message>
    <message>
        <source>played %1, no set class found</source>
        <translation>tocó %1, ninguna clase de conjuntos</translation>
    </message>
    <message>
        <source>Answer From Keyboard…</source>
        <translation>Responder con el teclado…</translation>
    </message>
</context>
<context>
    <name>TKeyboardForm</name>
    <message>
        <source>Answer From Keyboard</source>
        <translation>Responder con el teclado</translation>
    </message>
    <message>
        <source>MIDI input port:</source>
        <translation>Puerto de entrada MIDI:</translation>
    </message>
    <message>
        <source>Answer by playing</source>
        <translation>Responder tocando</translation>
    </message>
    <message>
        <source>During a drill, play the set class in any transposition, inversion or voicing, then release the keys.</source>
        <translation>Durante un ejercicio, toque la clase de conjuntos en cualquier transporte, inversión o disposición y luego suelte las teclas.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No MIDI input port found.
A keyboard appears here once it is connected through the ALSA sequencer, before Sonorix starts or while this window is open.</source>
        <translation>No se encontró ningún puerto de entrada MIDI.
Un teclado aparece aquí en cuanto se conecta a través del secuenciador ALSA, antes de iniciar Sonorix o mientras esta ventana está abierta.</translation>
    </message>
</context>
<context>
    <name>TLoginForm</name>
    <message>
        <source>Login</source>
        <translation>Inicio de sesión</translation>
    </message>
    <message>
        <source>Please type your name in the box</source>
        <translation>Escriba su nombre en el campo</translation>
    </message>
    <message>
        <source>and hit enter</source>
        <translation>y pulse Intro</translation>
    </message>
    <message>
        <source>The following filters are saved from last session:</source>
        <translation>Estos filtros se guardaron en la última sesión:</translation>
    </message>
    <message>
        <source>Use These?</source>
        <translation>¿Usar estos?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>File Error! No ftclass.dat</source>
        <translation>¡Error de archivo! Falta ftclass.dat</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DESACTIVADOS</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ACTIVADOS</translation>
    </message>
    <message>
        <source>(all else on)</source>
        <translation>(los demás activados)</translation>
    </message>
    <message>
        <source>(all else off)</source>
        <translation>(los demás desactivados)</translation>
    </message>
</context>
<context>
    <name>TMidiForm</name>
    <message>
        <source>Midi Setup</source>
        <translation>Configuración MIDI</translation>
    </message>
    <message>
        <source>Select MIDI output</source>
        <translation>Elija la salida MIDI</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Built-in synthesizer</source>
        <translation>Sintetizador integrado</translation>
    </message>
</context>
<context>
    <name>TPacingForm</name>
    <message>
        <source>Pause and Wait for Me</source>
        <translation>Pausa y esperarme</translation>
    </message>
    <message>
        <source>&amp;Pause before the next question:</source>
        <translation>&amp;Pausa antes de la pregunta siguiente:</translation>
    </message>
    <message>
        <source>no pause</source>
        <translation>sin pausa</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Wait for me: the next question (and the first) plays when I press Space, Enter or Next</source>
        <translation>&amp;Esperarme: la pregunta siguiente (y la primera) suena cuando pulso Espacio, Intro o Siguiente</translation>
    </message>
    <message>
        <source>The drill&apos;s clock runs on meanwhile; the drill still counts for the high scores.</source>
        <translation>El reloj del ejercicio sigue corriendo; el ejercicio sigue contando para las mejores puntuaciones.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Pause and Wait for Me…</source>
        <translation>&amp;Pausa y esperarme…</translation>
    </message>
</context>
<context>
    <name>TPracticeMode</name>
    <message>
        <source> - Practice</source>
        <translation> – Práctica</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Practice Mode</source>
        <translation>Modo práctica</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Mostrar la respuesta</translation>
    </message>
    <message>
        <source>Show Answer Automatically</source>
        <translation>Mostrar la respuesta automáticamente</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>After 2 Wrong Answers</source>
        <translation>Tras 2 respuestas incorrectas</translation>
    </message>
    <message>
        <source>After 3 Wrong Answers</source>
        <translation>Tras 3 respuestas incorrectas</translation>
    </message>
    <message>
        <source>After 5 Wrong Answers</source>
        <translation>Tras 5 respuestas incorrectas</translation>
    </message>
    <message>
        <source>The answer is %1.</source>
        <translation>La respuesta es %1.</translation>
    </message>
    <message>
        <source>Hear Your Answer Again</source>
        <translation>Volver a oír su respuesta</translation>
    </message>
    <message>
        <source>The next question. Keys: Enter or Space</source>
        <translation>La pregunta siguiente. Teclas: Intro o Espacio</translation>
    </message>
    <message>
        <source>Practice mode on: BEGIN starts a practice drill.</source>
        <translation>Modo práctica activado: BEGIN empieza una práctica.</translation>
    </message>
    <message>
        <source>Practice mode off.</source>
        <translation>Modo práctica desactivado.</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>= %1; you named %2</source>
        <translation>= %1; usted respondió %2</translation>
    </message>
    <message>
        <source>You named %1. You hear the question, then your answer.</source>
        <translation>Usted respondió %1. Oye la pregunta y luego su respuesta.</translation>
    </message>
    <message>
        <source>Enter: next question. F1: the question again. F6: your answer again.</source>
        <translation>Intro: pregunta siguiente. F1: la pregunta otra vez. F6: su respuesta otra vez.</translation>
    </message>
    <message>
        <source>the question</source>
        <translation>la pregunta</translation>
    </message>
    <message>
        <source>%1, your answer</source>
        <translation>%1, su respuesta</translation>
    </message>
    <message>
        <source>Playing: %1</source>
        <translation>Suena: %1</translation>
    </message>
</context>
<context>
    <name>TProgressForm</name>
    <message numerus="yes">
        <source>Sung: %n question(s), %1 right at the first try.</source>
        <translation>
            <numerusform>Cantado: %n pregunta, %1 acertada(s) al primer intento.</numerusform>
            <numerusform>Cantado: %n preguntas, %1 acertadas al primer intento.</numerusform>
        </translation>
    </message>
    <message>
        <source>close</source>
        <translation>cerrada</translation>
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
        <translation>tetra</translation>
    </message>
    <message>
        <source>close position</source>
        <translation>posición cerrada</translation>
    </message>
    <message>
        <source>within 1 octave</source>
        <translation>en 1 octava</translation>
    </message>
    <message>
        <source>within 2 octaves</source>
        <translation>en 2 octavas</translation>
    </message>
    <message>
        <source>trichords</source>
        <translation>tricordios</translation>
    </message>
    <message>
        <source>tetrachords</source>
        <translation>tetracordios</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>Mi progreso</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Persona:</translation>
    </message>
    <message>
        <source>Accuracy per day</source>
        <translation>Precisión por día</translation>
    </message>
    <message>
        <source>Seconds per right answer per day</source>
        <translation>Segundos por respuesta correcta por día</translation>
    </message>
    <message>
        <source>Practice minutes per week</source>
        <translation>Minutos de práctica por semana</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Cardinality</source>
        <translation>Cardinalidad</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrectas</translation>
    </message>
    <message>
        <source>Accuracy %</source>
        <translation>Precisión %</translation>
    </message>
    <message>
        <source>Seconds per right answer</source>
        <translation>Segundos por respuesta correcta</translation>
    </message>
    <message>
        <source>Eligible</source>
        <translation>Válido</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>report.dat cannot be read.</source>
        <translation>No se puede leer report.dat.</translation>
    </message>
    <message>
        <source>No drill has been logged yet.</source>
        <translation>Aún no se ha registrado ningún ejercicio.</translation>
    </message>
    <message>
        <source>%1 of %2 records could not be verified and are left out.</source>
        <translation>%1 de %2 registros no se pudieron verificar y se omiten.</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% correctas</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>No se pudo escribir %1.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>week beginning</source>
        <translation>semana del</translation>
    </message>
    <message>
        <source>drill</source>
        <translation>ejercicio</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Accuracy per drill</source>
        <translation>Precisión por ejercicio</translation>
    </message>
    <message>
        <source>Seconds per right answer per drill</source>
        <translation>Segundos por respuesta correcta por ejercicio</translation>
    </message>
    <message>
        <source>MMM d</source>
        <comment>date format of the chart axes (Qt date format)</comment>
        <translation>d/M</translation>
    </message>
    <message>
        <source>not ended</source>
        <translation>no terminado</translation>
    </message>
    <message numerus="yes">
        <source>%1 rose from %2 to %3 over %n drill(s)</source>
        <translation>
            <numerusform>%1: en aumento de %2 a %3 en %n ejercicio</numerusform>
            <numerusform>%1: en aumento de %2 a %3 en %n ejercicios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 rose from %2 to %3 over %n day(s)</source>
        <translation>
            <numerusform>%1: en aumento de %2 a %3 en %n día</numerusform>
            <numerusform>%1: en aumento de %2 a %3 en %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 fell from %2 to %3 over %n drill(s)</source>
        <translation>
            <numerusform>%1: en descenso de %2 a %3 en %n ejercicio</numerusform>
            <numerusform>%1: en descenso de %2 a %3 en %n ejercicios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 fell from %2 to %3 over %n day(s)</source>
        <translation>
            <numerusform>%1: en descenso de %2 a %3 en %n día</numerusform>
            <numerusform>%1: en descenso de %2 a %3 en %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 stayed at %2 over %n drill(s)</source>
        <translation>
            <numerusform>%1: estable en %2 en %n ejercicio</numerusform>
            <numerusform>%1: estable en %2 en %n ejercicios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 stayed at %2 over %n day(s)</source>
        <translation>
            <numerusform>%1: estable en %2 en %n día</numerusform>
            <numerusform>%1: estable en %2 en %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>No drills yet.</source>
        <translation>Aún no hay ejercicios.</translation>
    </message>
    <message>
        <source>No practice yet.</source>
        <translation>Aún no hay práctica.</translation>
    </message>
    <message>
        <source>accuracy</source>
        <translation>precisión</translation>
    </message>
    <message>
        <source>seconds per right answer</source>
        <translation>segundos por respuesta correcta</translation>
    </message>
    <message numerus="yes">
        <source>Practice over %n week(s): %1 min in all, %2 min in the latest week.</source>
        <translation>
            <numerusform>Práctica en %n semana: %1 min en total, %2 min la última semana.</numerusform>
            <numerusform>Práctica en %n semanas: %1 min en total, %2 min la última semana.</numerusform>
        </translation>
    </message>
    <message>
        <source>Showing %1</source>
        <translation>Muestra %1</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>acorde</translation>
    </message>
    <message>
        <source>figure</source>
        <translation>figura</translation>
    </message>
    <message>
        <source>mixed figure</source>
        <translation>figura mixta</translation>
    </message>
</context>
<context>
    <name>TProgressMenu</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>My Progress…</source>
        <translation>Mi progreso…</translation>
    </message>
    <message>
        <source>Confusions…</source>
        <translation>Confusiones…</translation>
    </message>
    <message>
        <source>Play My Wrong Answers</source>
        <translation>Tocar mis respuestas incorrectas</translation>
    </message>
    <message>
        <source>Class Overview…</source>
        <translation>Resumen de la clase…</translation>
    </message>
</context>
<context>
    <name>TReadmeBox</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TSingForm</name>
    <message>
        <source>Level of your voice</source>
        <translation>Nivel de su voz</translation>
    </message>
    <message>
        <source>Sing the Answer</source>
        <translation>Cantar la respuesta</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Sing it back</source>
        <translation>Repetir cantando</translation>
    </message>
    <message>
        <source>Sing the class</source>
        <translation>Cantar la clase</translation>
    </message>
    <message>
        <source>Accept any transposition or inversion</source>
        <translation>Aceptar cualquier transporte o inversión</translation>
    </message>
    <message>
        <source>&amp;Tolerance:</source>
        <translation>&amp;Tolerancia:</translation>
    </message>
    <message>
        <source> cents</source>
        <translation> cents</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voz:</translation>
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
        <translation>Tenor</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>Mine</source>
        <translation>La mía</translation>
    </message>
    <message>
        <source>Sing My &amp;Range</source>
        <translation>Cantar mi &amp;tesitura</translation>
    </message>
    <message>
        <source>Sing your lowest comfortable note, then your highest</source>
        <translation>Cante su nota más grave cómoda y luego la más aguda</translation>
    </message>
    <message>
        <source>&amp;Sing</source>
        <translation>&amp;Cantar</translation>
    </message>
    <message>
        <source>Try &amp;Again</source>
        <translation>&amp;Otra vez</translation>
    </message>
    <message>
        <source>&amp;Hear the Right Notes</source>
        <translation>&amp;Oír las notas correctas</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Back to the Drill</source>
        <translation>&amp;Volver al ejercicio</translation>
    </message>
    <message>
        <source>Press Sing. Before the first exercise, Sonorix listens to three seconds of silence.</source>
        <translation>Pulse Cantar. Antes de la primera tarea, Sonorix escucha tres segundos de silencio.</translation>
    </message>
    <message>
        <source>Press Sing to begin.</source>
        <translation>Pulse Cantar para empezar.</translation>
    </message>
    <message>
        <source>%1, in any transposition or inversion</source>
        <translation>%1, en cualquier transporte o inversión</translation>
    </message>
    <message>
        <source>%1, inverted form, from %2</source>
        <translation>%1, inversión, desde %2</translation>
    </message>
    <message>
        <source>%1, prime form, from %2</source>
        <translation>%1, forma prima, desde %2</translation>
    </message>
    <message>
        <source>%1 %2 cents</source>
        <translation>%1 %2 cents</translation>
    </message>
    <message>
        <source>Heard: %1</source>
        <translation>Oído: %1</translation>
    </message>
    <message>
        <source>Notes heard</source>
        <translation>Notas oídas</translation>
    </message>
    <message>
        <source>You sang</source>
        <translation>Ha cantado</translation>
    </message>
    <message>
        <source>Right notes</source>
        <translation>Notas correctas</translation>
    </message>
    <message>
        <source>Right notes: %1.</source>
        <translation>Notas correctas: %1.</translation>
    </message>
    <message>
        <source>Sing the Answer…</source>
        <translation>Cantar la respuesta…</translation>
    </message>
    <message>
        <source>No set class is enabled: choose some in the filters, then press Sing again.</source>
        <translation>No hay ninguna clase de conjuntos activada: elija algunas en los filtros y pulse Cantar de nuevo.</translation>
    </message>
    <message>
        <source>Sonorix may not use the microphone. Allow it in the system&apos;s sound or privacy settings, then press Sing again; or go back to the drill.</source>
        <translation>Sonorix no puede usar el micrófono. Permítalo en los ajustes de sonido o de privacidad del sistema y pulse Cantar de nuevo; o vuelva al ejercicio.</translation>
    </message>
    <message>
        <source>No microphone was found. Plug one in or choose it in the system&apos;s sound settings, then press Sing again; or go back to the drill.</source>
        <translation>No se encontró ningún micrófono. Conecte uno o elíjalo en los ajustes de sonido del sistema y pulse Cantar de nuevo; o vuelva al ejercicio.</translation>
    </message>
    <message>
        <source>Please keep quiet for three seconds: Sonorix listens to the room&apos;s noise.</source>
        <translation>Guarde silencio tres segundos, por favor: Sonorix escucha el ruido de la sala.</translation>
    </message>
    <message>
        <source>The microphone has gone silent. Check that it is plugged in and not muted, then press Sing again; or go back to the drill.</source>
        <translation>El micrófono ha enmudecido. Compruebe que está conectado y no silenciado y pulse Cantar de nuevo; o vuelva al ejercicio.</translation>
    </message>
    <message>
        <source>Listen…</source>
        <translation>Escuche…</translation>
    </message>
    <message>
        <source>Listen to the starting note…</source>
        <translation>Escuche la nota inicial…</translation>
    </message>
    <message>
        <source>Sing the notes back now.</source>
        <translation>Cante ahora las notas.</translation>
    </message>
    <message>
        <source>Sing now: the starting note was played.</source>
        <translation>Cante ahora: ya sonó la nota inicial.</translation>
    </message>
    <message>
        <source>Stopped. Press Sing to begin.</source>
        <translation>Detenido. Pulse Cantar para empezar.</translation>
    </message>
    <message>
        <source>Sing again, try again, or hear the right notes.</source>
        <translation>Cante otra vez, inténtelo de nuevo u oiga las notas correctas.</translation>
    </message>
    <message>
        <source>This answer could not be written to sing.dat.</source>
        <translation>No se pudo escribir esta respuesta en sing.dat.</translation>
    </message>
    <message>
        <source>Sing your lowest comfortable note and hold it.</source>
        <translation>Cante su nota cómoda más grave y manténgala.</translation>
    </message>
    <message>
        <source>Now sing your highest comfortable note and hold it.</source>
        <translation>Cante ahora su nota cómoda más aguda y manténgala.</translation>
    </message>
    <message>
        <source>No note was heard. Press Sing My Range to try again.</source>
        <translation>No se oyó ninguna nota. Pulse Cantar mi tesitura para intentarlo de nuevo.</translation>
    </message>
    <message>
        <source>Your range is kept: the notes played now lie where you sang.</source>
        <translation>Su tesitura queda guardada: las notas tocadas están ahora donde usted cantó.</translation>
    </message>
    <message>
        <source>Listen, then sing the notes back one after another, in any octave.</source>
        <translation>Escuche y luego cante las notas una tras otra, en cualquier octava.</translation>
    </message>
</context>
<context>
    <name>TSonorixApplication</name>
    <message>
        <source>Unknown exception</source>
        <translation>Excepción desconocida</translation>
    </message>
    <message>
        <source>Some lines of %1 are no settings (%2). They stay in the file as they are; the settings that could be read are used.</source>
        <translation>Algunas líneas de %1 no son ajustes (%2). Se quedan en el archivo tal como están; se usan los ajustes que se pudieron leer.</translation>
    </message>
    <message>
        <source>Your work could not be saved in %1: %2.

It is kept in %3 and will be added at the next start of Sonorix where the file can be written. Please tell your teacher.</source>
        <translation>No se pudo guardar su trabajo en %1: %2.

Se conserva en %3 y se añadirá en el próximo inicio de Sonorix en que se pueda escribir el archivo. Por favor, avise a su profesor.</translation>
    </message>
    <message>
        <source>Your work could not be saved in %1: %2.

It could not be kept in your own folder either. Please tell your teacher.</source>
        <translation>No se pudo guardar su trabajo en %1: %2.

Tampoco se pudo conservar en su propia carpeta. Por favor, avise a su profesor.</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
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
        <translation>No se puede usar la carpeta de datos: </translation>
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
        <translation>Uso: sonorix [--help] [--version] [--data-dir CARPETA] [--class-overview [CARPETA]]
Entrenamiento auditivo: Sonorix toca tricordios y tetracordios y usted nombra su clase de conjuntos.

  --help              mostrar esta ayuda y salir
  --version           mostrar la versión y salir
  --data-dir CARPETA  guardar los archivos de datos en CARPETA (una carpeta de clase, por ejemplo)
  --class-overview [CARPETA]
                      mostrar el resumen de la clase de CARPETA (si no,
                      de la carpeta de datos) sin iniciar sesión

La carpeta de datos es la primera de: --data-dir, $SONORIX_DATA_DIR, DataDir=
en /etc/sonorix/sonorix.conf; si no, el programa instalado guarda sus archivos
de datos en $XDG_DATA_HOME/sonorix (~/.local/share/sonorix por defecto).
Copia allí ftclass.dat y readme.txt cuando faltan. Sonido: vea sonorix(1) para
MIDIWAY_SOUNDFONT, MIDIWAY_AUDIO_DRIVER y MIDIWAY_AUDIO_FILE.
</translation>
    </message>
    <message>
        <source>The Class Overview of a shared folder is for the teachers named in /etc/sonorix/sonorix.conf.</source>
        <translation>El resumen de la clase de una carpeta compartida es para los profesores nombrados en /etc/sonorix/sonorix.conf.</translation>
    </message>
</context>
</TS>
