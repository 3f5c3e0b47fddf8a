<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>New game</source>
        <translation>Nuevo combate</translation>
    </message>
    <message>
        <source>Request player names</source>
        <translation>Pedir nombres de los competidores</translation>
    </message>
    <message>
        <source>Request player names on new game</source>
        <translation>Pedir los nombres al iniciar un combate</translation>
    </message>
    <message>
        <source>Start round</source>
        <translation>Iniciar asalto</translation>
    </message>
    <message>
        <source>Stop round</source>
        <translation>Detener asalto</translation>
    </message>
    <message>
        <source>Set round</source>
        <translation>Fijar asalto</translation>
    </message>
    <message>
        <source>Injury</source>
        <translation>Lesión</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Hong</source>
        <translation>Hong</translation>
    </message>
    <message>
        <source>Hong +</source>
        <translation>Hong +</translation>
    </message>
    <message>
        <source>Hong -</source>
        <translation>Hong -</translation>
    </message>
    <message>
        <source>Red 1 point penalty -</source>
        <translation>Rojo penalización de 1 punto -</translation>
    </message>
    <message>
        <source>Half point penalty</source>
        <translation>Penalización de medio punto</translation>
    </message>
    <message>
        <source>Red half point penalty -</source>
        <translation>Rojo penalización de medio punto -</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Chong</source>
        <translation>Chong</translation>
    </message>
    <message>
        <source>Chong +</source>
        <translation>Chong +</translation>
    </message>
    <message>
        <source>Chong -</source>
        <translation>Chong -</translation>
    </message>
    <message>
        <source>Blue 1 point penalty -</source>
        <translation>Azul penalización de 1 punto -</translation>
    </message>
    <message>
        <source>Blue half point penalty -</source>
        <translation>Azul penalización de medio punto -</translation>
    </message>
    <message>
        <source>Blue retires</source>
        <translation>Azul abandona</translation>
    </message>
    <message>
        <source>Red retires</source>
        <translation>Rojo abandona</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Gamepad manager ...</source>
        <translation>Gestor de mandos ...</translation>
    </message>
    <message>
        <source>Gamepad manager </source>
        <translation>Gestor de mandos </translation>
    </message>
    <message>
        <source>Check for updates ...</source>
        <translation>Buscar actualizaciones ...</translation>
    </message>
    <message>
        <source>Check for updates </source>
        <translation>Buscar actualizaciones </translation>
    </message>
    <message>
        <source>Product news ...</source>
        <translation>Novedades del producto ...</translation>
    </message>
    <message>
        <source>Product news </source>
        <translation>Novedades del producto </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>ASALTO</translation>
    </message>
    <message>
        <source>Red player name</source>
        <translation>Nombre del rojo</translation>
    </message>
    <message>
        <source>Blue player name</source>
        <translation>Nombre del azul</translation>
    </message>
    <message>
        <source>Red penalties</source>
        <translation>Penalizaciones rojo</translation>
    </message>
    <message>
        <source>Blue penalties</source>
        <translation>Penalizaciones azul</translation>
    </message>
    <message>
        <source>+ Hong</source>
        <translation>+ Hong</translation>
    </message>
    <message>
        <source>Dorvane Help</source>
        <translation>Ayuda de Dorvane</translation>
    </message>
    <message>
        <source>Ready to start a new game?</source>
        <translation>¿Empezar un nuevo combate?</translation>
    </message>
    <message>
        <source>To update the application executable, it must be shutdown. Continue?</source>
        <translation>Para actualizar el programa hay que cerrarlo. ¿Continuar?</translation>
    </message>
    <message>
        <source>You have the latest version. No updates are available at this time.</source>
        <translation>Tiene la última versión. No hay actualizaciones disponibles.</translation>
    </message>
    <message>
        <source>Update discontinued</source>
        <translation>Actualización interrumpida</translation>
    </message>
    <message>
        <source>Round %1 is tied after every tie-break. Who wins it by the referee&apos;s superiority decision?</source>
        <translation>El asalto %1 sigue empatado tras todos los criterios de desempate. ¿Quién lo gana por decisión de superioridad del árbitro?</translation>
    </message>
    <message>
        <source>Red: %1</source>
        <translation>Rojo: %1</translation>
    </message>
    <message>
        <source>Blue: %1</source>
        <translation>Azul: %1</translation>
    </message>
    <message>
        <source>Clock +1 s</source>
        <translation>Reloj +1 s</translation>
    </message>
    <message>
        <source>One second more on a stopped or paused clock</source>
        <translation>Un segundo más en el reloj detenido o en pausa</translation>
    </message>
    <message>
        <source>Clock -1 s</source>
        <translation>Reloj -1 s</translation>
    </message>
    <message>
        <source>One second less on a stopped or paused clock</source>
        <translation>Un segundo menos en el reloj detenido o en pausa</translation>
    </message>
    <message>
        <source>1 point penalty +</source>
        <translation>Penalización de 1 punto +</translation>
    </message>
    <message>
        <source>Judges&apos; report</source>
        <translation>Informe de los jueces</translation>
    </message>
    <message>
        <source>Judges&apos; presses in this match</source>
        <translation>Las pulsaciones de los jueces en este combate</translation>
    </message>
    <message>
        <source>+ Chong</source>
        <translation>+ Chong</translation>
    </message>
    <message>
        <source>Board screen</source>
        <translation>Pantalla del marcador</translation>
    </message>
    <message>
        <source>qrc:/help/operator-help.html</source>
        <extracomment>The help page in this language, among the program&apos;s resources.</extracomment>
        <translation>qrc:/help/operator-help_es.html</translation>
    </message>
    <message>
        <source>A match is running. Exit Dorvane?</source>
        <translation>Hay un combate en curso. ¿Salir de Dorvane?</translation>
    </message>
    <message>
        <source>A match is running. Start a new game?</source>
        <translation>Hay un combate en curso. ¿Empezar un nuevo combate?</translation>
    </message>
    <message>
        <source>Update ready</source>
        <translation>Actualización lista</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>Gana %1</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
    <message>
        <source>Between rounds</source>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>Point gap</source>
        <translation>Diferencia de puntos</translation>
    </message>
    <message>
        <source>Point ceiling</source>
        <translation>Tope de puntos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Unknown error in the match clock</source>
        <translation>Error desconocido en el reloj del combate</translation>
    </message>
    <message>
        <source>Round %1: %2 (%3)</source>
        <translation>Asalto %1: %2 (%3)</translation>
    </message>
    <message>
        <source>score</source>
        <translation>puntuación</translation>
    </message>
    <message>
        <source>point gap</source>
        <translation>diferencia de puntos</translation>
    </message>
    <message>
        <source>gam-jeoms</source>
        <translation>gam-jeoms</translation>
    </message>
    <message>
        <source>turning kicks</source>
        <translation>patadas con giro</translation>
    </message>
    <message>
        <source>head kicks</source>
        <translation>patadas a la cabeza</translation>
    </message>
    <message>
        <source>body kicks</source>
        <translation>patadas al peto</translation>
    </message>
    <message>
        <source>punches</source>
        <translation>puñetazos</translation>
    </message>
    <message>
        <source>fewer gam-jeoms</source>
        <translation>menos gam-jeoms</translation>
    </message>
    <message>
        <source>referee</source>
        <translation>decisión del árbitro</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Read and save the settings in FILE.</source>
        <translation>Leer y guardar la configuración en ARCHIVO.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Write the match records into folder DIR.</source>
        <translation>Escribir los registros de combate en la carpeta CARPETA.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>CARPETA</translation>
    </message>
    <message>
        <source>Show the board full-screen on screen N (0 is the primary).</source>
        <translation>Mostrar el marcador a pantalla completa en la pantalla N (0 es la principal).</translation>
    </message>
    <message>
        <source>Open the operator console beside the board.</source>
        <translation>Abrir la consola del operador junto al marcador.</translation>
    </message>
    <message>
        <source>Show the board in a normal window.</source>
        <translation>Mostrar el marcador en una ventana normal.</translation>
    </message>
    <message>
        <source>Taekwondo match scoreboard and scoring console.</source>
        <translation>Marcador y consola de puntuación para combates de taekwondo.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--screen needs a screen number, 0 or more.</source>
        <translation>--screen necesita un número de pantalla, 0 o mayor.</translation>
    </message>
    <message>
        <source>Try &apos;dorvane --help&apos; for the options.</source>
        <translation>Pruebe &apos;dorvane --help&apos; para ver las opciones.</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Advanced options</source>
        <translation>Opciones avanzadas</translation>
    </message>
    <message>
        <source>Save inputs</source>
        <translation>Guardar entradas</translation>
    </message>
    <message>
        <source>Save scores</source>
        <translation>Guardar puntuaciones</translation>
    </message>
    <message>
        <source>File name (no path or extension)</source>
        <translation>Nombre de archivo (sin ruta ni extensión)</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>False</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Competidores</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Advanced ...</source>
        <translation>Avanzado ...</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un número válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
    <message>
        <source>Red player</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Blue player</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Query before new game</source>
        <translation>Preguntar antes de un nuevo combate</translation>
    </message>
    <message>
        <source>Query operator if they really wish to start a new game</source>
        <translation>Preguntar al operador si de verdad quiere empezar un nuevo combate</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Tiempos</translation>
    </message>
    <message>
        <source>Each round</source>
        <translation>Cada asalto</translation>
    </message>
    <message>
        <source>Injury time</source>
        <translation>Tiempo de lesión</translation>
    </message>
    <message>
        <source>Between rounds</source>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>End of round warning</source>
        <translation>Aviso de fin de asalto</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Round timer</source>
        <translation>Reloj del asalto</translation>
    </message>
    <message>
        <source>Injury timer</source>
        <translation>Reloj de lesión</translation>
    </message>
    <message>
        <source>Between rounds timer</source>
        <translation>Reloj de descanso</translation>
    </message>
    <message>
        <source>One point colour</source>
        <translation>Color de 1 punto</translation>
    </message>
    <message>
        <source>Two point colour</source>
        <translation>Color de 2 puntos</translation>
    </message>
    <message>
        <source>Three point colour</source>
        <translation>Color de 3 puntos</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Number of rounds</source>
        <translation>Número de asaltos</translation>
    </message>
    <message>
        <source>Auto-restart after injury</source>
        <translation>Reanudar tras lesión</translation>
    </message>
    <message>
        <source>Disqualification penalty</source>
        <translation>Penalización de descalificación</translation>
    </message>
    <message>
        <source>Use penalty increment</source>
        <translation>Sumar penalizaciones al rival</translation>
    </message>
    <message>
        <source>Always show total penalty</source>
        <translation>Mostrar siempre el total de penalizaciones</translation>
    </message>
    <message>
        <source>Auto-calc winner</source>
        <translation>Calcular ganador automáticamente</translation>
    </message>
    <message>
        <source>Winner blink frequency (millisecs)</source>
        <translation>Parpadeo del ganador (ms)</translation>
    </message>
    <message>
        <source>Sudden Death Round</source>
        <translation>Asalto de muerte súbita</translation>
    </message>
    <message>
        <source>Use sudden death round</source>
        <translation>Usar asalto de muerte súbita</translation>
    </message>
    <message>
        <source>First to score wins</source>
        <translation>Gana el primero en puntuar</translation>
    </message>
    <message>
        <source>Reset score at start of round</source>
        <translation>Poner a cero al inicio del asalto</translation>
    </message>
    <message>
        <source>Electronic scoring</source>
        <translation>Puntuación electrónica</translation>
    </message>
    <message>
        <source>Use electronic scoring</source>
        <translation>Usar puntuación electrónica</translation>
    </message>
    <message>
        <source>Buttons to register</source>
        <translation>Pulsaciones para puntuar</translation>
    </message>
    <message>
        <source>Transiency (msec)</source>
        <translation>Ventana de tiempo (ms)</translation>
    </message>
    <message>
        <source>Comm port</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>Point Gap</source>
        <translation>Diferencia de puntos</translation>
    </message>
    <message>
        <source>Use point gap</source>
        <translation>Usar diferencia de puntos</translation>
    </message>
    <message>
        <source>Gap to win</source>
        <translation>Diferencia para ganar</translation>
    </message>
    <message>
        <source>Point Ceiling</source>
        <translation>Tope de puntos</translation>
    </message>
    <message>
        <source>Use point ceiling</source>
        <translation>Usar tope de puntos</translation>
    </message>
    <message>
        <source>Ceiling to win</source>
        <translation>Puntos para ganar</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Reglamento</translation>
    </message>
    <message>
        <source>Classic: one score over all rounds. BestOfThree: each round scored on its own, the first to win two rounds wins (start a new game after a change)</source>
        <translation>Classic: una sola puntuación para todos los asaltos. BestOfThree: cada asalto se puntúa por separado y gana quien gane primero dos asaltos (empiece un nuevo combate tras el cambio)</translation>
    </message>
    <message>
        <source>Best of three</source>
        <translation>Al mejor de tres</translation>
    </message>
    <message>
        <source>Gam-jeoms that lose the round</source>
        <translation>Gam-jeoms que pierden el asalto</translation>
    </message>
    <message>
        <source>0 turns the limit off</source>
        <translation>0 desactiva el límite</translation>
    </message>
    <message>
        <source>Point gap that wins the round</source>
        <translation>Diferencia de puntos que gana el asalto</translation>
    </message>
    <message>
        <source>0 turns the gap off</source>
        <translation>0 desactiva la diferencia</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &quot;%2&quot;: it must be %3</source>
        <translation>&apos;%1&apos; no es un valor válido para «%2»: debe ser %3</translation>
    </message>
    <message>
        <source>above %1 and at most %2</source>
        <translation>mayor que %1 y como máximo %2</translation>
    </message>
    <message>
        <source>at least %1 and at most %2</source>
        <translation>como mínimo %1 y como máximo %2</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en marcha</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pausa</translation>
    </message>
    <message>
        <source>injury time</source>
        <translation>tiempo de lesión</translation>
    </message>
    <message>
        <source>break</source>
        <translation>descanso</translation>
    </message>
    <message>
        <source>decided</source>
        <translation>decidido</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>terminado</translation>
    </message>
    <message>
        <source>Dorvane - operator console</source>
        <translation>Dorvane - consola del operador</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Combate</translation>
    </message>
    <message>
        <source>Point +</source>
        <translation>Punto +</translation>
    </message>
    <message>
        <source>Point -</source>
        <translation>Punto -</translation>
    </message>
    <message>
        <source>Clock -1 s</source>
        <translation>Reloj -1 s</translation>
    </message>
    <message>
        <source>Clock +1 s</source>
        <translation>Reloj +1 s</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuevo combate</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Clock: %1, %2</source>
        <translation>Reloj: %1, %2</translation>
    </message>
    <message>
        <source>Record: off</source>
        <translation>Registro: desactivado</translation>
    </message>
    <message>
        <source>Record: %1, nothing written yet</source>
        <translation>Registro: %1, aún no se ha escrito nada</translation>
    </message>
    <message>
        <source>Record: %1, writing</source>
        <translation>Registro: %1, escribiendo</translation>
    </message>
    <message>
        <source>Judges: no pads</source>
        <translation>Jueces: sin mandos</translation>
    </message>
    <message>
        <source>The board cannot be driven without the console. Close both windows?</source>
        <translation>El marcador no se puede manejar sin la consola. ¿Cerrar las dos ventanas?</translation>
    </message>
    <message>
        <source>Record: cannot write</source>
        <translation>Registro: no se puede escribir</translation>
    </message>
    <message>
        <source>Journal: cannot write</source>
        <translation>Registro del combate: no se puede escribir</translation>
    </message>
    <message>
        <source>Journal: writing</source>
        <translation>Registro del combate: escribiendo</translation>
    </message>
</context>
<context>
    <name>Gamepads</name>
    <message>
        <source>Gamepad management</source>
        <translation>Gestión de mandos</translation>
    </message>
    <message>
        <source>&amp;Judges</source>
        <translation>&amp;Jueces</translation>
    </message>
    <message>
        <source> Red player </source>
        <translation> Rojo </translation>
    </message>
    <message>
        <source>&amp;One point button</source>
        <translation>Botón de &amp;1 punto</translation>
    </message>
    <message>
        <source>&amp;Two point button</source>
        <translation>Botón de &amp;2 puntos</translation>
    </message>
    <message>
        <source>Th&amp;ree point button</source>
        <translation>Botón de &amp;3 puntos</translation>
    </message>
    <message>
        <source> Blue player </source>
        <translation> Azul </translation>
    </message>
    <message>
        <source>One &amp;point button</source>
        <translation>Botón de 1 &amp;punto</translation>
    </message>
    <message>
        <source>Two point &amp;button</source>
        <translation>Botón de 2 p&amp;untos</translation>
    </message>
    <message>
        <source>T&amp;hree point button</source>
        <translation>Botón de 3 pu&amp;ntos</translation>
    </message>
    <message>
        <source>Last judge</source>
        <translation>Último juez</translation>
    </message>
    <message>
        <source>Last button</source>
        <translation>Último botón</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Judge </source>
        <translation>Juez </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
    <message>
        <source>Error getting joy stick capabilities</source>
        <translation>Error al leer las capacidades del mando</translation>
    </message>
    <message>
        <source>Red player</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Blue player</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no judge</comment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no button</comment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>&amp;Four point button</source>
        <translation>Botón de &amp;4 puntos</translation>
    </message>
    <message>
        <source>Fi&amp;ve point button</source>
        <translation>Botón de &amp;5 puntos</translation>
    </message>
    <message>
        <source>Fo&amp;ur point button</source>
        <translation>Botón de 4 punt&amp;os</translation>
    </message>
    <message>
        <source>Five po&amp;int button</source>
        <translation>Bo&amp;tón de 5 puntos</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source> It is kept as %1.</source>
        <translation> Se conserva como %1.</translation>
    </message>
    <message>
        <source>The interrupted match could not be taken up: %1. A new match starts.%2</source>
        <translation>No se puede retomar el combate interrumpido: %1. Empieza un nuevo combate.%2</translation>
    </message>
    <message>
        <source>Resume the interrupted match? (%1)</source>
        <translation>¿Reanudar el combate interrumpido? (%1)</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>el registro del combate está dañado</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>el registro del combate es demasiado grande</translation>
    </message>
    <message>
        <source>it was written by a newer version of Dorvane</source>
        <translation>el registro del combate lo escribió una versión más reciente de Dorvane</translation>
    </message>
    <message>
        <source>between rounds</source>
        <translation>en el descanso</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>quedan %1</translation>
    </message>
    <message>
        <source>Red %1 – Blue %2, round %3, %4</source>
        <translation>Rojo %1 – Azul %2, asalto %3, %4</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>el registro del combate no es un archivo normal</translation>
    </message>
    <message>
        <source>it holds values out of range</source>
        <translation>el registro del combate contiene valores fuera de rango</translation>
    </message>
</context>
<context>
    <name>Judges</name>
    <message>
        <source>Judges: %1 of %2 pads connected</source>
        <translation>Jueces: %1 de %2 mandos conectados</translation>
    </message>
    <message>
        <source>Judge %1: </source>
        <translation>Juez %1: </translation>
    </message>
    <message>
        <source>no pad</source>
        <translation>sin mando</translation>
    </message>
    <message>
        <source>pad</source>
        <translation>mando</translation>
    </message>
    <message>
        <source>, connected, last press </source>
        <translation>, conectado, última pulsación </translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Spare: </source>
        <translation>Libre: </translation>
    </message>
</context>
<context>
    <name>JudgesReport</name>
    <message>
        <source>Judges&apos; report</source>
        <translation>Informe de los jueces</translation>
    </message>
    <message>
        <source>Judge</source>
        <translation>Juez</translation>
    </message>
    <message>
        <source>Presses</source>
        <translation>Pulsaciones</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>Puntuadas</translation>
    </message>
    <message>
        <source>Lone</source>
        <translation>Aisladas</translation>
    </message>
    <message>
        <source>Median delay (ms)</source>
        <translation>Retraso mediano (ms)</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>&amp;Guardar como CSV...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Save judges&apos; report</source>
        <translation>Guardar el informe de los jueces</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>  Players</source>
        <translation>  Competidores</translation>
    </message>
    <message>
        <source>&amp;Red player</source>
        <translation>&amp;Rojo</translation>
    </message>
    <message>
        <source>&amp;Blue player</source>
        <translation>&amp;Azul</translation>
    </message>
    <message>
        <source>&amp;Division</source>
        <translation>&amp;Categoría</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Unable to write %1</source>
        <translation>No se puede escribir %1</translation>
    </message>
    <message>
        <source>The cabinet unpacks to more than its update allows.</source>
        <translation>El archivo cabinet se descomprime en más de lo que permite la actualización.</translation>
    </message>
    <message>
        <source>%1 is not a cabinet archive: %2</source>
        <translation>%1 no es un archivo cabinet: %2</translation>
    </message>
    <message>
        <source>The cabinet %1 cannot be unpacked: the libarchive library could not be loaded.</source>
        <translation>No se puede descomprimir el archivo cabinet %1: no se pudo cargar la biblioteca libarchive.</translation>
    </message>
    <message>
        <source>The cabinet %1 is damaged: %2</source>
        <translation>El archivo cabinet %1 está dañado: %2</translation>
    </message>
    <message>
        <source>The cabinet %1 holds &quot;%2&quot;, which would leave the program&apos;s folder.</source>
        <translation>El archivo cabinet %1 contiene &quot;%2&quot;, que quedaría fuera de la carpeta del programa.</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Novedades</translation>
    </message>
    <message>
        <source>The news cannot be shown. %1</source>
        <translation>No se pueden mostrar las novedades. %1</translation>
    </message>
    <message>
        <source>There is no news.</source>
        <translation>No hay novedades.</translation>
    </message>
    <message>
        <source>Click an item to read it.</source>
        <translation>Haga clic en un elemento para leerlo.</translation>
    </message>
    <message>
        <source>Loading the news ...</source>
        <translation>Cargando las novedades ...</translation>
    </message>
    <message>
        <source>You have the latest version. No updates are available at this time.</source>
        <translation>Tiene la última versión. No hay actualizaciones disponibles.</translation>
    </message>
    <message>
        <source>The update names the file &quot;%1&quot; twice.</source>
        <translation>La actualización nombra dos veces el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unable to create %1</source>
        <translation>No se puede crear %1</translation>
    </message>
    <message>
        <source>The download of %1 ended early (%L2 of %L3 bytes).</source>
        <translation>La descarga de %1 terminó antes de tiempo (%L2 de %L3 bytes).</translation>
    </message>
    <message>
        <source>The download of %1 does not match its SHA-256 sum.</source>
        <translation>La descarga de %1 no coincide con su suma SHA-256.</translation>
    </message>
    <message>
        <source>The update is installed, but the program could not be started again. Please start it yourself.</source>
        <translation>La actualización está instalada, pero el programa no pudo reiniciarse. Inícielo usted mismo.</translation>
    </message>
    <message>
        <source>A file of the update description lacks its path, url or sha256.</source>
        <translation>A un archivo de la descripción de la actualización le falta path, url o sha256.</translation>
    </message>
    <message>
        <source>The update file &quot;%1&quot; would leave the program&apos;s folder.</source>
        <translation>El archivo de actualización &quot;%1&quot; quedaría fuera de la carpeta del programa.</translation>
    </message>
    <message>
        <source>The update file &quot;%1&quot; has no valid SHA-256 sum.</source>
        <translation>El archivo de actualización &quot;%1&quot; no tiene una suma SHA-256 válida.</translation>
    </message>
    <message>
        <source>The update file &quot;%1&quot; has no valid size.</source>
        <translation>El archivo de actualización &quot;%1&quot; no tiene un tamaño válido.</translation>
    </message>
    <message>
        <source>The update file &quot;%1&quot; has an address that is not allowed: %2</source>
        <translation>El archivo de actualización &quot;%1&quot; tiene una dirección no permitida: %2</translation>
    </message>
    <message>
        <source>A news item of the update description lacks its title, date or link.</source>
        <translation>A una novedad de la descripción le falta título, fecha o enlace.</translation>
    </message>
    <message>
        <source>The news item &quot;%1&quot; has a link that is not a web address.</source>
        <translation>La novedad &quot;%1&quot; tiene un enlace que no es una dirección web.</translation>
    </message>
    <message>
        <source>The update description is not valid JSON.</source>
        <translation>La descripción de la actualización no es JSON válido.</translation>
    </message>
    <message>
        <source>The update description has no valid version.</source>
        <translation>La descripción de la actualización no tiene una versión válida.</translation>
    </message>
    <message>
        <source>The update description has no list of files.</source>
        <translation>La descripción de la actualización no tiene lista de archivos.</translation>
    </message>
    <message>
        <source>The news of the update description is not a list.</source>
        <translation>Las novedades de la descripción no son una lista.</translation>
    </message>
    <message>
        <source>The update location cannot be reached: %1</source>
        <translation>No se puede acceder a la ubicación de la actualización: %1</translation>
    </message>
    <message>
        <source>HTTP is not available (%1)</source>
        <translation>HTTP no está disponible (%1)</translation>
    </message>
    <message>
        <source>%1 redirects to an address that is not allowed: %2</source>
        <translation>%1 redirige a una dirección no permitida: %2</translation>
    </message>
    <message>
        <source>%1 is larger than announced.</source>
        <translation>%1 es más grande de lo anunciado.</translation>
    </message>
    <message>
        <source>%1: the server answered %2 %3</source>
        <translation>%1: el servidor respondió %2 %3</translation>
    </message>
    <message>
        <source>Unable to store %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>No update is staged.</source>
        <translation>No hay ninguna actualización preparada.</translation>
    </message>
    <message>
        <source>The staged update&apos;s manifest is damaged.</source>
        <translation>El manifiesto de la actualización preparada está dañado.</translation>
    </message>
    <message>
        <source>The staged file %1 is damaged.</source>
        <translation>El archivo preparado %1 está dañado.</translation>
    </message>
    <message>
        <source>Unable to replace %1: %2</source>
        <translation>No se puede reemplazar %1: %2</translation>
    </message>
    <message>
        <source>No update location is set (key &quot;URL&quot; in section [Update] of Dorvane.INI).</source>
        <translation>No hay ubicación de actualización (clave &quot;URL&quot; en la sección [Update] de Dorvane.INI).</translation>
    </message>
    <message>
        <source>The update location %1 is not an https:// or file:// address.</source>
        <translation>La ubicación de actualización %1 no es una dirección https:// ni file://.</translation>
    </message>
    <message>
        <source>%1: nothing arrived for %2 seconds.</source>
        <translation>%1: no llegó nada durante %2 segundos.</translation>
    </message>
</context>
</TS>
