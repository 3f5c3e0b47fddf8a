<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>New game</source>
        <translation>Neuer Kampf</translation>
    </message>
    <message>
        <source>Request player names</source>
        <translation>Namen der Kämpfer abfragen</translation>
    </message>
    <message>
        <source>Request player names on new game</source>
        <translation>Bei neuem Kampf die Namen abfragen</translation>
    </message>
    <message>
        <source>Start round</source>
        <translation>Runde starten</translation>
    </message>
    <message>
        <source>Stop round</source>
        <translation>Runde stoppen</translation>
    </message>
    <message>
        <source>Set round</source>
        <translation>Runde setzen</translation>
    </message>
    <message>
        <source>Injury</source>
        <translation>Verletzung</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
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
        <translation>Rot 1-Punkt-Strafe -</translation>
    </message>
    <message>
        <source>Half point penalty</source>
        <translation>Halbpunkt-Strafe</translation>
    </message>
    <message>
        <source>Red half point penalty -</source>
        <translation>Rot Halbpunkt-Strafe -</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
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
        <translation>Blau 1-Punkt-Strafe -</translation>
    </message>
    <message>
        <source>Blue half point penalty -</source>
        <translation>Blau Halbpunkt-Strafe -</translation>
    </message>
    <message>
        <source>Blue retires</source>
        <translation>Blau gibt auf</translation>
    </message>
    <message>
        <source>Red retires</source>
        <translation>Rot gibt auf</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Gamepad manager ...</source>
        <translation>Gamepad-Verwaltung ...</translation>
    </message>
    <message>
        <source>Gamepad manager </source>
        <translation>Gamepad-Verwaltung </translation>
    </message>
    <message>
        <source>Check for updates ...</source>
        <translation>Nach Updates suchen ...</translation>
    </message>
    <message>
        <source>Check for updates </source>
        <translation>Nach Updates suchen </translation>
    </message>
    <message>
        <source>Product news ...</source>
        <translation>Produktneuigkeiten ...</translation>
    </message>
    <message>
        <source>Product news </source>
        <translation>Produktneuigkeiten </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kann nicht in %1 schreiben</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>RUNDE</translation>
    </message>
    <message>
        <source>Red player name</source>
        <translation>Name Rot</translation>
    </message>
    <message>
        <source>Blue player name</source>
        <translation>Name Blau</translation>
    </message>
    <message>
        <source>Red penalties</source>
        <translation>Strafen Rot</translation>
    </message>
    <message>
        <source>Blue penalties</source>
        <translation>Strafen Blau</translation>
    </message>
    <message>
        <source>+ Hong</source>
        <translation>+ Hong</translation>
    </message>
    <message>
        <source>Dorvane Help</source>
        <translation>Dorvane-Hilfe</translation>
    </message>
    <message>
        <source>Ready to start a new game?</source>
        <translation>Einen neuen Kampf beginnen?</translation>
    </message>
    <message>
        <source>To update the application executable, it must be shutdown. Continue?</source>
        <translation>Für das Update muss das Programm beendet werden. Fortfahren?</translation>
    </message>
    <message>
        <source>You have the latest version. No updates are available at this time.</source>
        <translation>Sie haben die neueste Version. Zurzeit gibt es keine Updates.</translation>
    </message>
    <message>
        <source>Update discontinued</source>
        <translation>Update abgebrochen</translation>
    </message>
    <message>
        <source>Round %1 is tied after every tie-break. Who wins it by the referee&apos;s superiority decision?</source>
        <translation>Runde %1 ist nach allen Entscheidungskriterien unentschieden. Wer gewinnt sie nach Überlegenheitsentscheidung des Kampfrichters?</translation>
    </message>
    <message>
        <source>Red: %1</source>
        <translation>Rot: %1</translation>
    </message>
    <message>
        <source>Blue: %1</source>
        <translation>Blau: %1</translation>
    </message>
    <message>
        <source>Clock +1 s</source>
        <translation>Uhr +1 s</translation>
    </message>
    <message>
        <source>One second more on a stopped or paused clock</source>
        <translation>Eine Sekunde mehr auf der gestoppten oder angehaltenen Uhr</translation>
    </message>
    <message>
        <source>Clock -1 s</source>
        <translation>Uhr -1 s</translation>
    </message>
    <message>
        <source>One second less on a stopped or paused clock</source>
        <translation>Eine Sekunde weniger auf der gestoppten oder angehaltenen Uhr</translation>
    </message>
    <message>
        <source>1 point penalty +</source>
        <translation>1-Punkt-Strafe +</translation>
    </message>
    <message>
        <source>Judges&apos; report</source>
        <translation>Kampfrichterbericht</translation>
    </message>
    <message>
        <source>Judges&apos; presses in this match</source>
        <translation>Die Tastendrücke der Kampfrichter in diesem Kampf</translation>
    </message>
    <message>
        <source>+ Chong</source>
        <translation>+ Chong</translation>
    </message>
    <message>
        <source>Board screen</source>
        <translation>Bildschirm der Tafel</translation>
    </message>
    <message>
        <source>qrc:/help/operator-help.html</source>
        <extracomment>The help page in this language, among the program&apos;s resources.</extracomment>
        <translation>qrc:/help/operator-help_de.html</translation>
    </message>
    <message>
        <source>A match is running. Exit Dorvane?</source>
        <translation>Ein Kampf läuft. Dorvane beenden?</translation>
    </message>
    <message>
        <source>A match is running. Start a new game?</source>
        <translation>Ein Kampf läuft. Einen neuen Kampf beginnen?</translation>
    </message>
    <message>
        <source>Update ready</source>
        <translation>Update bereit</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gewinnt</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Between rounds</source>
        <translation>Rundenpause</translation>
    </message>
    <message>
        <source>Point gap</source>
        <translation>Punktevorsprung</translation>
    </message>
    <message>
        <source>Point ceiling</source>
        <translation>Punktegrenze</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Unknown error in the match clock</source>
        <translation>Unbekannter Fehler in der Kampfuhr</translation>
    </message>
    <message>
        <source>Round %1: %2 (%3)</source>
        <translation>Runde %1: %2 (%3)</translation>
    </message>
    <message>
        <source>score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>point gap</source>
        <translation>Punktevorsprung</translation>
    </message>
    <message>
        <source>gam-jeoms</source>
        <translation>Gam-jeoms</translation>
    </message>
    <message>
        <source>turning kicks</source>
        <translation>Drehtritte</translation>
    </message>
    <message>
        <source>head kicks</source>
        <translation>Kopftritte</translation>
    </message>
    <message>
        <source>body kicks</source>
        <translation>Körpertritte</translation>
    </message>
    <message>
        <source>punches</source>
        <translation>Fauststöße</translation>
    </message>
    <message>
        <source>fewer gam-jeoms</source>
        <translation>weniger Gam-jeoms</translation>
    </message>
    <message>
        <source>referee</source>
        <translation>Kampfrichterentscheid</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Read and save the settings in FILE.</source>
        <translation>Einstellungen aus DATEI lesen und dort speichern.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Write the match records into folder DIR.</source>
        <translation>Kampfprotokolle in den Ordner ORDNER schreiben.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>Show the board full-screen on screen N (0 is the primary).</source>
        <translation>Die Tafel im Vollbild auf Bildschirm N zeigen (0 ist der Hauptbildschirm).</translation>
    </message>
    <message>
        <source>Open the operator console beside the board.</source>
        <translation>Die Bedienkonsole neben der Tafel öffnen.</translation>
    </message>
    <message>
        <source>Show the board in a normal window.</source>
        <translation>Die Tafel in einem normalen Fenster zeigen.</translation>
    </message>
    <message>
        <source>Taekwondo match scoreboard and scoring console.</source>
        <translation>Anzeigetafel und Wertungskonsole für Taekwondo-Kämpfe.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--screen needs a screen number, 0 or more.</source>
        <translation>--screen braucht eine Bildschirmnummer ab 0.</translation>
    </message>
    <message>
        <source>Try &apos;dorvane --help&apos; for the options.</source>
        <translation>&apos;dorvane --help&apos; zeigt die Optionen.</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Advanced options</source>
        <translation>Erweiterte Optionen</translation>
    </message>
    <message>
        <source>Save inputs</source>
        <translation>Eingaben speichern</translation>
    </message>
    <message>
        <source>Save scores</source>
        <translation>Punkte speichern</translation>
    </message>
    <message>
        <source>File name (no path or extension)</source>
        <translation>Dateiname (ohne Pfad und Endung)</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Kämpfer</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Advanced ...</source>
        <translation>Erweitert ...</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist keine gültige Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Red player</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Blue player</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Query before new game</source>
        <translation>Vor neuem Kampf fragen</translation>
    </message>
    <message>
        <source>Query operator if they really wish to start a new game</source>
        <translation>Vor einem neuen Kampf fragen, ob er wirklich beginnen soll</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Zeiten</translation>
    </message>
    <message>
        <source>Each round</source>
        <translation>Jede Runde</translation>
    </message>
    <message>
        <source>Injury time</source>
        <translation>Verletzungszeit</translation>
    </message>
    <message>
        <source>Between rounds</source>
        <translation>Rundenpause</translation>
    </message>
    <message>
        <source>End of round warning</source>
        <translation>Warnung vor Rundenende</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Round timer</source>
        <translation>Rundenuhr</translation>
    </message>
    <message>
        <source>Injury timer</source>
        <translation>Verletzungsuhr</translation>
    </message>
    <message>
        <source>Between rounds timer</source>
        <translation>Pausenuhr</translation>
    </message>
    <message>
        <source>One point colour</source>
        <translation>1-Punkt-Farbe</translation>
    </message>
    <message>
        <source>Two point colour</source>
        <translation>2-Punkt-Farbe</translation>
    </message>
    <message>
        <source>Three point colour</source>
        <translation>3-Punkt-Farbe</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Number of rounds</source>
        <translation>Anzahl der Runden</translation>
    </message>
    <message>
        <source>Auto-restart after injury</source>
        <translation>Nach Verletzung automatisch weiter</translation>
    </message>
    <message>
        <source>Disqualification penalty</source>
        <translation>Strafen bis zur Disqualifikation</translation>
    </message>
    <message>
        <source>Use penalty increment</source>
        <translation>Strafen dem Gegner gutschreiben</translation>
    </message>
    <message>
        <source>Always show total penalty</source>
        <translation>Strafsumme immer zeigen</translation>
    </message>
    <message>
        <source>Auto-calc winner</source>
        <translation>Sieger automatisch ermitteln</translation>
    </message>
    <message>
        <source>Winner blink frequency (millisecs)</source>
        <translation>Blinktakt des Siegers (ms)</translation>
    </message>
    <message>
        <source>Sudden Death Round</source>
        <translation>Sudden-Death-Runde</translation>
    </message>
    <message>
        <source>Use sudden death round</source>
        <translation>Sudden-Death-Runde verwenden</translation>
    </message>
    <message>
        <source>First to score wins</source>
        <translation>Erster Punkt gewinnt</translation>
    </message>
    <message>
        <source>Reset score at start of round</source>
        <translation>Punkte zu Rundenbeginn löschen</translation>
    </message>
    <message>
        <source>Electronic scoring</source>
        <translation>Elektronische Wertung</translation>
    </message>
    <message>
        <source>Use electronic scoring</source>
        <translation>Elektronische Wertung verwenden</translation>
    </message>
    <message>
        <source>Buttons to register</source>
        <translation>Tasten für einen Punkt</translation>
    </message>
    <message>
        <source>Transiency (msec)</source>
        <translation>Zeitfenster (ms)</translation>
    </message>
    <message>
        <source>Comm port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Point Gap</source>
        <translation>Punktevorsprung</translation>
    </message>
    <message>
        <source>Use point gap</source>
        <translation>Punktevorsprung verwenden</translation>
    </message>
    <message>
        <source>Gap to win</source>
        <translation>Vorsprung zum Sieg</translation>
    </message>
    <message>
        <source>Point Ceiling</source>
        <translation>Punktegrenze</translation>
    </message>
    <message>
        <source>Use point ceiling</source>
        <translation>Punktegrenze verwenden</translation>
    </message>
    <message>
        <source>Ceiling to win</source>
        <translation>Punkte zum Sieg</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Regelwerk</translation>
    </message>
    <message>
        <source>Classic: one score over all rounds. BestOfThree: each round scored on its own, the first to win two rounds wins (start a new game after a change)</source>
        <translation>Classic: eine Wertung über alle Runden. BestOfThree: jede Runde wird einzeln gewertet, wer zuerst zwei Runden gewinnt, gewinnt den Kampf (nach einer Änderung einen neuen Kampf beginnen)</translation>
    </message>
    <message>
        <source>Best of three</source>
        <translation>Zwei Gewinnrunden</translation>
    </message>
    <message>
        <source>Gam-jeoms that lose the round</source>
        <translation>Gam-jeoms bis zum Rundenverlust</translation>
    </message>
    <message>
        <source>0 turns the limit off</source>
        <translation>0 schaltet die Grenze ab</translation>
    </message>
    <message>
        <source>Point gap that wins the round</source>
        <translation>Punktevorsprung zum Rundensieg</translation>
    </message>
    <message>
        <source>0 turns the gap off</source>
        <translation>0 schaltet den Vorsprung ab</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &quot;%2&quot;: it must be %3</source>
        <translation>&apos;%1&apos; ist kein gültiger Wert für „%2“: erlaubt ist %3</translation>
    </message>
    <message>
        <source>above %1 and at most %2</source>
        <translation>größer als %1 und höchstens %2</translation>
    </message>
    <message>
        <source>at least %1 and at most %2</source>
        <translation>mindestens %1 und höchstens %2</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>stopped</source>
        <translation>gestoppt</translation>
    </message>
    <message>
        <source>running</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>injury time</source>
        <translation>Verletzungszeit</translation>
    </message>
    <message>
        <source>break</source>
        <translation>Rundenpause</translation>
    </message>
    <message>
        <source>decided</source>
        <translation>entschieden</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>beendet</translation>
    </message>
    <message>
        <source>Dorvane - operator console</source>
        <translation>Dorvane - Bedienpult</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Kampf</translation>
    </message>
    <message>
        <source>Point +</source>
        <translation>Punkt +</translation>
    </message>
    <message>
        <source>Point -</source>
        <translation>Punkt -</translation>
    </message>
    <message>
        <source>Clock -1 s</source>
        <translation>Uhr -1 s</translation>
    </message>
    <message>
        <source>Clock +1 s</source>
        <translation>Uhr +1 s</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neuer Kampf</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Clock: %1, %2</source>
        <translation>Uhr: %1, %2</translation>
    </message>
    <message>
        <source>Record: off</source>
        <translation>Protokoll: aus</translation>
    </message>
    <message>
        <source>Record: %1, nothing written yet</source>
        <translation>Protokoll: %1, noch nichts geschrieben</translation>
    </message>
    <message>
        <source>Record: %1, writing</source>
        <translation>Protokoll: %1, wird geschrieben</translation>
    </message>
    <message>
        <source>Judges: no pads</source>
        <translation>Kampfrichter: keine Gamepads</translation>
    </message>
    <message>
        <source>The board cannot be driven without the console. Close both windows?</source>
        <translation>Ohne das Bedienpult lässt sich die Tafel nicht bedienen. Beide Fenster schließen?</translation>
    </message>
    <message>
        <source>Record: cannot write</source>
        <translation>Protokoll: Schreiben nicht möglich</translation>
    </message>
    <message>
        <source>Journal: cannot write</source>
        <translation>Kampfjournal: Schreiben nicht möglich</translation>
    </message>
    <message>
        <source>Journal: writing</source>
        <translation>Kampfjournal: wird geschrieben</translation>
    </message>
</context>
<context>
    <name>Gamepads</name>
    <message>
        <source>Gamepad management</source>
        <translation>Gamepad-Verwaltung</translation>
    </message>
    <message>
        <source>&amp;Judges</source>
        <translation>&amp;Kampfrichter</translation>
    </message>
    <message>
        <source> Red player </source>
        <translation> Rot </translation>
    </message>
    <message>
        <source>&amp;One point button</source>
        <translation>&amp;1-Punkt-Taste</translation>
    </message>
    <message>
        <source>&amp;Two point button</source>
        <translation>&amp;2-Punkt-Taste</translation>
    </message>
    <message>
        <source>Th&amp;ree point button</source>
        <translation>&amp;3-Punkt-Taste</translation>
    </message>
    <message>
        <source> Blue player </source>
        <translation> Blau </translation>
    </message>
    <message>
        <source>One &amp;point button</source>
        <translation>1-&amp;Punkt-Taste</translation>
    </message>
    <message>
        <source>Two point &amp;button</source>
        <translation>2-Punkt-T&amp;aste</translation>
    </message>
    <message>
        <source>T&amp;hree point button</source>
        <translation>3-Punkt-Ta&amp;ste</translation>
    </message>
    <message>
        <source>Last judge</source>
        <translation>Letzter Kampfrichter</translation>
    </message>
    <message>
        <source>Last button</source>
        <translation>Letzte Taste</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Judge </source>
        <translation>Kampfrichter </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Error getting joy stick capabilities</source>
        <translation>Die Fähigkeiten des Joysticks sind nicht lesbar</translation>
    </message>
    <message>
        <source>Red player</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Blue player</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no judge</comment>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no button</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>&amp;Four point button</source>
        <translation>&amp;4-Punkt-Taste</translation>
    </message>
    <message>
        <source>Fi&amp;ve point button</source>
        <translation>&amp;5-Punkt-Taste</translation>
    </message>
    <message>
        <source>Fo&amp;ur point button</source>
        <translation>4-P&amp;unkt-Taste</translation>
    </message>
    <message>
        <source>Five po&amp;int button</source>
        <translation>5-Punk&amp;t-Taste</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source> It is kept as %1.</source>
        <translation> Er bleibt als %1 erhalten.</translation>
    </message>
    <message>
        <source>The interrupted match could not be taken up: %1. A new match starts.%2</source>
        <translation>Der unterbrochene Kampf kann nicht fortgesetzt werden: %1. Ein neuer Kampf beginnt.%2</translation>
    </message>
    <message>
        <source>Resume the interrupted match? (%1)</source>
        <translation>Den unterbrochenen Kampf fortsetzen? (%1)</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>das Kampfjournal ist beschädigt</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>das Kampfjournal ist zu groß</translation>
    </message>
    <message>
        <source>it was written by a newer version of Dorvane</source>
        <translation>das Kampfjournal stammt von einer neueren Dorvane-Version</translation>
    </message>
    <message>
        <source>between rounds</source>
        <translation>in der Rundenpause</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>Red %1 – Blue %2, round %3, %4</source>
        <translation>Rot %1 – Blau %2, Runde %3, %4</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>das Kampfjournal ist keine normale Datei</translation>
    </message>
    <message>
        <source>it holds values out of range</source>
        <translation>das Kampfjournal enthält Werte außerhalb des zulässigen Bereichs</translation>
    </message>
</context>
<context>
    <name>Judges</name>
    <message>
        <source>Judges: %1 of %2 pads connected</source>
        <translation>Kampfrichter: %1 von %2 Gamepads verbunden</translation>
    </message>
    <message>
        <source>Judge %1: </source>
        <translation>Kampfrichter %1: </translation>
    </message>
    <message>
        <source>no pad</source>
        <translation>kein Gamepad</translation>
    </message>
    <message>
        <source>pad</source>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>, connected, last press </source>
        <translation>, verbunden, letzter Tastendruck </translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Spare: </source>
        <translation>Reserve: </translation>
    </message>
</context>
<context>
    <name>JudgesReport</name>
    <message>
        <source>Judges&apos; report</source>
        <translation>Kampfrichterbericht</translation>
    </message>
    <message>
        <source>Judge</source>
        <translation>Kampfrichter</translation>
    </message>
    <message>
        <source>Presses</source>
        <translation>Tastendrücke</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>Gewertet</translation>
    </message>
    <message>
        <source>Lone</source>
        <translation>Allein</translation>
    </message>
    <message>
        <source>Median delay (ms)</source>
        <translation>Median der Verzögerung (ms)</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>Als CSV &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Save judges&apos; report</source>
        <translation>Kampfrichterbericht speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kann nicht in %1 schreiben</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>  Players</source>
        <translation>  Kämpfer</translation>
    </message>
    <message>
        <source>&amp;Red player</source>
        <translation>&amp;Rot</translation>
    </message>
    <message>
        <source>&amp;Blue player</source>
        <translation>&amp;Blau</translation>
    </message>
    <message>
        <source>&amp;Division</source>
        <translation>&amp;Klasse</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kann nicht in %1 schreiben</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Unable to write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The cabinet unpacks to more than its update allows.</source>
        <translation>Das Cabinet-Archiv entpackt mehr, als das Update erlaubt.</translation>
    </message>
    <message>
        <source>%1 is not a cabinet archive: %2</source>
        <translation>%1 ist kein Cabinet-Archiv: %2</translation>
    </message>
    <message>
        <source>The cabinet %1 cannot be unpacked: the libarchive library could not be loaded.</source>
        <translation>Das Cabinet-Archiv %1 kann nicht entpackt werden: Die Bibliothek libarchive konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>The cabinet %1 is damaged: %2</source>
        <translation>Das Cabinet-Archiv %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>The cabinet %1 holds &quot;%2&quot;, which would leave the program&apos;s folder.</source>
        <translation>Das Cabinet-Archiv %1 enthält &quot;%2&quot;, das außerhalb des Programmordners läge.</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Neuigkeiten</translation>
    </message>
    <message>
        <source>The news cannot be shown. %1</source>
        <translation>Die Neuigkeiten können nicht gezeigt werden. %1</translation>
    </message>
    <message>
        <source>There is no news.</source>
        <translation>Es gibt keine Neuigkeiten.</translation>
    </message>
    <message>
        <source>Click an item to read it.</source>
        <translation>Zum Lesen einen Eintrag anklicken.</translation>
    </message>
    <message>
        <source>Loading the news ...</source>
        <translation>Neuigkeiten werden geladen ...</translation>
    </message>
    <message>
        <source>You have the latest version. No updates are available at this time.</source>
        <translation>Sie haben die neueste Version. Zurzeit gibt es keine Updates.</translation>
    </message>
    <message>
        <source>The update names the file &quot;%1&quot; twice.</source>
        <translation>Das Update nennt die Datei &quot;%1&quot; zweimal.</translation>
    </message>
    <message>
        <source>Unable to create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The download of %1 ended early (%L2 of %L3 bytes).</source>
        <translation>Der Download von %1 endete zu früh (%L2 von %L3 Bytes).</translation>
    </message>
    <message>
        <source>The download of %1 does not match its SHA-256 sum.</source>
        <translation>Der Download von %1 passt nicht zu seiner SHA-256-Summe.</translation>
    </message>
    <message>
        <source>The update is installed, but the program could not be started again. Please start it yourself.</source>
        <translation>Das Update ist installiert, aber das Programm konnte nicht neu starten. Bitte starten Sie es selbst.</translation>
    </message>
    <message>
        <source>A file of the update description lacks its path, url or sha256.</source>
        <translation>Einer Datei der Update-Beschreibung fehlt path, url oder sha256.</translation>
    </message>
    <message>
        <source>The update file &quot;%1&quot; would leave the program&apos;s folder.</source>
        <translation>Die Update-Datei &quot;%1&quot; läge außerhalb des Programmordners.</translation>
    </message>
    <message>
        <source>The update file &quot;%1&quot; has no valid SHA-256 sum.</source>
        <translation>Die Update-Datei &quot;%1&quot; hat keine gültige SHA-256-Summe.</translation>
    </message>
    <message>
        <source>The update file &quot;%1&quot; has no valid size.</source>
        <translation>Die Update-Datei &quot;%1&quot; hat keine gültige Größe.</translation>
    </message>
    <message>
        <source>The update file &quot;%1&quot; has an address that is not allowed: %2</source>
        <translation>Die Update-Datei &quot;%1&quot; hat eine nicht erlaubte Adresse: %2</translation>
    </message>
    <message>
        <source>A news item of the update description lacks its title, date or link.</source>
        <translation>Einem Eintrag der Neuigkeiten fehlt Titel, Datum oder Link.</translation>
    </message>
    <message>
        <source>The news item &quot;%1&quot; has a link that is not a web address.</source>
        <translation>Der Eintrag &quot;%1&quot; hat einen Link, der keine Webadresse ist.</translation>
    </message>
    <message>
        <source>The update description is not valid JSON.</source>
        <translation>Die Update-Beschreibung ist kein gültiges JSON.</translation>
    </message>
    <message>
        <source>The update description has no valid version.</source>
        <translation>Die Update-Beschreibung hat keine gültige Version.</translation>
    </message>
    <message>
        <source>The update description has no list of files.</source>
        <translation>Die Update-Beschreibung hat keine Dateiliste.</translation>
    </message>
    <message>
        <source>The news of the update description is not a list.</source>
        <translation>Die Neuigkeiten der Update-Beschreibung sind keine Liste.</translation>
    </message>
    <message>
        <source>The update location cannot be reached: %1</source>
        <translation>Der Update-Ort ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>HTTP is not available (%1)</source>
        <translation>HTTP ist nicht verfügbar (%1)</translation>
    </message>
    <message>
        <source>%1 redirects to an address that is not allowed: %2</source>
        <translation>%1 leitet auf eine nicht erlaubte Adresse um: %2</translation>
    </message>
    <message>
        <source>%1 is larger than announced.</source>
        <translation>%1 ist größer als angekündigt.</translation>
    </message>
    <message>
        <source>%1: the server answered %2 %3</source>
        <translation>%1: Der Server antwortete %2 %3</translation>
    </message>
    <message>
        <source>Unable to store %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>No update is staged.</source>
        <translation>Kein Update liegt bereit.</translation>
    </message>
    <message>
        <source>The staged update&apos;s manifest is damaged.</source>
        <translation>Das Verzeichnis des bereitliegenden Updates ist beschädigt.</translation>
    </message>
    <message>
        <source>The staged file %1 is damaged.</source>
        <translation>Die bereitliegende Datei %1 ist beschädigt.</translation>
    </message>
    <message>
        <source>Unable to replace %1: %2</source>
        <translation>%1 kann nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>No update location is set (key &quot;URL&quot; in section [Update] of Dorvane.INI).</source>
        <translation>Kein Update-Ort eingestellt (Schlüssel &quot;URL&quot; im Abschnitt [Update] von Dorvane.INI).</translation>
    </message>
    <message>
        <source>The update location %1 is not an https:// or file:// address.</source>
        <translation>Der Update-Ort %1 ist keine https://- oder file://-Adresse.</translation>
    </message>
    <message>
        <source>%1: nothing arrived for %2 seconds.</source>
        <translation>%1: %2 Sekunden lang kam nichts an.</translation>
    </message>
</context>
</TS>
