<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>New game</source>
        <translation>Nouveau combat</translation>
    </message>
    <message>
        <source>Request player names</source>
        <translation>Demander les noms des combattants</translation>
    </message>
    <message>
        <source>Request player names on new game</source>
        <translation>Demander les noms à chaque nouveau combat</translation>
    </message>
    <message>
        <source>Start round</source>
        <translation>Démarrer le round</translation>
    </message>
    <message>
        <source>Stop round</source>
        <translation>Arrêter le round</translation>
    </message>
    <message>
        <source>Set round</source>
        <translation>Choisir le round</translation>
    </message>
    <message>
        <source>Injury</source>
        <translation>Blessure</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
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
        <translation>Rouge pénalité d’1 point -</translation>
    </message>
    <message>
        <source>Half point penalty</source>
        <translation>Pénalité d’un demi-point</translation>
    </message>
    <message>
        <source>Red half point penalty -</source>
        <translation>Rouge pénalité d’un demi-point -</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
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
        <translation>Bleu pénalité d’1 point -</translation>
    </message>
    <message>
        <source>Blue half point penalty -</source>
        <translation>Bleu pénalité d’un demi-point -</translation>
    </message>
    <message>
        <source>Blue retires</source>
        <translation>Bleu abandonne</translation>
    </message>
    <message>
        <source>Red retires</source>
        <translation>Rouge abandonne</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Gamepad manager ...</source>
        <translation>Gestion des manettes ...</translation>
    </message>
    <message>
        <source>Gamepad manager </source>
        <translation>Gestion des manettes </translation>
    </message>
    <message>
        <source>Check for updates ...</source>
        <translation>Rechercher des mises à jour ...</translation>
    </message>
    <message>
        <source>Check for updates </source>
        <translation>Rechercher des mises à jour </translation>
    </message>
    <message>
        <source>Product news ...</source>
        <translation>Actualités du produit ...</translation>
    </message>
    <message>
        <source>Product news </source>
        <translation>Actualités du produit </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>ROUND</translation>
    </message>
    <message>
        <source>Red player name</source>
        <translation>Nom du rouge</translation>
    </message>
    <message>
        <source>Blue player name</source>
        <translation>Nom du bleu</translation>
    </message>
    <message>
        <source>Red penalties</source>
        <translation>Pénalités rouge</translation>
    </message>
    <message>
        <source>Blue penalties</source>
        <translation>Pénalités bleu</translation>
    </message>
    <message>
        <source>+ Hong</source>
        <translation>+ Hong</translation>
    </message>
    <message>
        <source>Dorvane Help</source>
        <translation>Aide de Dorvane</translation>
    </message>
    <message>
        <source>Ready to start a new game?</source>
        <translation>Commencer un nouveau combat ?</translation>
    </message>
    <message>
        <source>To update the application executable, it must be shutdown. Continue?</source>
        <translation>Pour la mise à jour, le programme doit être fermé. Continuer ?</translation>
    </message>
    <message>
        <source>You have the latest version. No updates are available at this time.</source>
        <translation>Vous avez la dernière version. Aucune mise à jour n’est disponible.</translation>
    </message>
    <message>
        <source>Update discontinued</source>
        <translation>Mise à jour interrompue</translation>
    </message>
    <message>
        <source>Round %1 is tied after every tie-break. Who wins it by the referee&apos;s superiority decision?</source>
        <translation>Le round %1 reste à égalité après tous les critères de départage. Qui le gagne par décision de supériorité de l’arbitre ?</translation>
    </message>
    <message>
        <source>Red: %1</source>
        <translation>Rouge : %1</translation>
    </message>
    <message>
        <source>Blue: %1</source>
        <translation>Bleu : %1</translation>
    </message>
    <message>
        <source>Clock +1 s</source>
        <translation>Chrono +1 s</translation>
    </message>
    <message>
        <source>One second more on a stopped or paused clock</source>
        <translation>Une seconde de plus sur le chrono arrêté ou en pause</translation>
    </message>
    <message>
        <source>Clock -1 s</source>
        <translation>Chrono -1 s</translation>
    </message>
    <message>
        <source>One second less on a stopped or paused clock</source>
        <translation>Une seconde de moins sur le chrono arrêté ou en pause</translation>
    </message>
    <message>
        <source>1 point penalty +</source>
        <translation>Pénalité d’1 point +</translation>
    </message>
    <message>
        <source>Judges&apos; report</source>
        <translation>Rapport des juges</translation>
    </message>
    <message>
        <source>Judges&apos; presses in this match</source>
        <translation>Les pressions des juges dans ce combat</translation>
    </message>
    <message>
        <source>+ Chong</source>
        <translation>+ Chong</translation>
    </message>
    <message>
        <source>Board screen</source>
        <translation>Écran du tableau</translation>
    </message>
    <message>
        <source>qrc:/help/operator-help.html</source>
        <extracomment>The help page in this language, among the program&apos;s resources.</extracomment>
        <translation>qrc:/help/operator-help_fr.html</translation>
    </message>
    <message>
        <source>A match is running. Exit Dorvane?</source>
        <translation>Un combat est en cours. Quitter Dorvane ?</translation>
    </message>
    <message>
        <source>A match is running. Start a new game?</source>
        <translation>Un combat est en cours. Commencer un nouveau combat ?</translation>
    </message>
    <message>
        <source>Update ready</source>
        <translation>Mise à jour prête</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gagne</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n’est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Between rounds</source>
        <translation>Pause entre rounds</translation>
    </message>
    <message>
        <source>Point gap</source>
        <translation>Écart de points</translation>
    </message>
    <message>
        <source>Point ceiling</source>
        <translation>Plafond de points</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Unknown error in the match clock</source>
        <translation>Erreur inconnue du chronomètre</translation>
    </message>
    <message>
        <source>Round %1: %2 (%3)</source>
        <translation>Round %1 : %2 (%3)</translation>
    </message>
    <message>
        <source>score</source>
        <translation>score</translation>
    </message>
    <message>
        <source>point gap</source>
        <translation>écart de points</translation>
    </message>
    <message>
        <source>gam-jeoms</source>
        <translation>gam-jeoms</translation>
    </message>
    <message>
        <source>turning kicks</source>
        <translation>coups de pied retournés</translation>
    </message>
    <message>
        <source>head kicks</source>
        <translation>coups de pied à la tête</translation>
    </message>
    <message>
        <source>body kicks</source>
        <translation>coups de pied au plastron</translation>
    </message>
    <message>
        <source>punches</source>
        <translation>coups de poing</translation>
    </message>
    <message>
        <source>fewer gam-jeoms</source>
        <translation>moins de gam-jeoms</translation>
    </message>
    <message>
        <source>referee</source>
        <translation>décision de l’arbitre</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Read and save the settings in FILE.</source>
        <translation>Lire et enregistrer les réglages dans FICHIER.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Write the match records into folder DIR.</source>
        <translation>Écrire les relevés de combat dans le dossier DOSSIER.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DOSSIER</translation>
    </message>
    <message>
        <source>Show the board full-screen on screen N (0 is the primary).</source>
        <translation>Afficher le tableau en plein écran sur l’écran N (0 est l’écran principal).</translation>
    </message>
    <message>
        <source>Open the operator console beside the board.</source>
        <translation>Ouvrir la console de l’opérateur à côté du tableau.</translation>
    </message>
    <message>
        <source>Show the board in a normal window.</source>
        <translation>Afficher le tableau dans une fenêtre normale.</translation>
    </message>
    <message>
        <source>Taekwondo match scoreboard and scoring console.</source>
        <translation>Tableau de score et console de notation pour les combats de taekwondo.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--screen needs a screen number, 0 or more.</source>
        <translation>--screen attend un numéro d’écran, 0 ou plus.</translation>
    </message>
    <message>
        <source>Try &apos;dorvane --help&apos; for the options.</source>
        <translation>Essayez &apos;dorvane --help&apos; pour voir les options.</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Advanced options</source>
        <translation>Options avancées</translation>
    </message>
    <message>
        <source>Save inputs</source>
        <translation>Enregistrer les saisies</translation>
    </message>
    <message>
        <source>Save scores</source>
        <translation>Enregistrer les scores</translation>
    </message>
    <message>
        <source>File name (no path or extension)</source>
        <translation>Nom de fichier (sans chemin ni extension)</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Combattants</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Advanced ...</source>
        <translation>Avancé ...</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; n’est pas un nombre valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n’est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Red player</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Blue player</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Query before new game</source>
        <translation>Demander avant un nouveau combat</translation>
    </message>
    <message>
        <source>Query operator if they really wish to start a new game</source>
        <translation>Demander à l’opérateur s’il veut vraiment commencer un nouveau combat</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Each round</source>
        <translation>Chaque round</translation>
    </message>
    <message>
        <source>Injury time</source>
        <translation>Temps de blessure</translation>
    </message>
    <message>
        <source>Between rounds</source>
        <translation>Pause entre rounds</translation>
    </message>
    <message>
        <source>End of round warning</source>
        <translation>Alerte de fin de round</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Round timer</source>
        <translation>Chrono du round</translation>
    </message>
    <message>
        <source>Injury timer</source>
        <translation>Chrono de blessure</translation>
    </message>
    <message>
        <source>Between rounds timer</source>
        <translation>Chrono de pause</translation>
    </message>
    <message>
        <source>One point colour</source>
        <translation>Couleur 1 point</translation>
    </message>
    <message>
        <source>Two point colour</source>
        <translation>Couleur 2 points</translation>
    </message>
    <message>
        <source>Three point colour</source>
        <translation>Couleur 3 points</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Notation</translation>
    </message>
    <message>
        <source>Number of rounds</source>
        <translation>Nombre de rounds</translation>
    </message>
    <message>
        <source>Auto-restart after injury</source>
        <translation>Reprise auto après blessure</translation>
    </message>
    <message>
        <source>Disqualification penalty</source>
        <translation>Pénalité de disqualification</translation>
    </message>
    <message>
        <source>Use penalty increment</source>
        <translation>Pénalités ajoutées à l’adversaire</translation>
    </message>
    <message>
        <source>Always show total penalty</source>
        <translation>Toujours afficher le total des pénalités</translation>
    </message>
    <message>
        <source>Auto-calc winner</source>
        <translation>Calcul auto du vainqueur</translation>
    </message>
    <message>
        <source>Winner blink frequency (millisecs)</source>
        <translation>Clignotement du vainqueur (ms)</translation>
    </message>
    <message>
        <source>Sudden Death Round</source>
        <translation>Round de mort subite</translation>
    </message>
    <message>
        <source>Use sudden death round</source>
        <translation>Utiliser le round de mort subite</translation>
    </message>
    <message>
        <source>First to score wins</source>
        <translation>Le premier à marquer gagne</translation>
    </message>
    <message>
        <source>Reset score at start of round</source>
        <translation>Score à zéro au début du round</translation>
    </message>
    <message>
        <source>Electronic scoring</source>
        <translation>Notation électronique</translation>
    </message>
    <message>
        <source>Use electronic scoring</source>
        <translation>Utiliser la notation électronique</translation>
    </message>
    <message>
        <source>Buttons to register</source>
        <translation>Pressions pour marquer</translation>
    </message>
    <message>
        <source>Transiency (msec)</source>
        <translation>Fenêtre de temps (ms)</translation>
    </message>
    <message>
        <source>Comm port</source>
        <translation>Port série</translation>
    </message>
    <message>
        <source>Point Gap</source>
        <translation>Écart de points</translation>
    </message>
    <message>
        <source>Use point gap</source>
        <translation>Utiliser l’écart de points</translation>
    </message>
    <message>
        <source>Gap to win</source>
        <translation>Écart pour gagner</translation>
    </message>
    <message>
        <source>Point Ceiling</source>
        <translation>Plafond de points</translation>
    </message>
    <message>
        <source>Use point ceiling</source>
        <translation>Utiliser le plafond de points</translation>
    </message>
    <message>
        <source>Ceiling to win</source>
        <translation>Points pour gagner</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Règlement</translation>
    </message>
    <message>
        <source>Classic: one score over all rounds. BestOfThree: each round scored on its own, the first to win two rounds wins (start a new game after a change)</source>
        <translation>Classic : un seul score sur tous les rounds. BestOfThree : chaque round est noté séparément, le premier à gagner deux rounds gagne (commencer un nouveau combat après un changement)</translation>
    </message>
    <message>
        <source>Best of three</source>
        <translation>Au meilleur des trois</translation>
    </message>
    <message>
        <source>Gam-jeoms that lose the round</source>
        <translation>Gam-jeoms qui font perdre le round</translation>
    </message>
    <message>
        <source>0 turns the limit off</source>
        <translation>0 désactive la limite</translation>
    </message>
    <message>
        <source>Point gap that wins the round</source>
        <translation>Écart de points qui gagne le round</translation>
    </message>
    <message>
        <source>0 turns the gap off</source>
        <translation>0 désactive l’écart</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &quot;%2&quot;: it must be %3</source>
        <translation>&apos;%1&apos; n’est pas une valeur valide pour « %2 » : elle doit être %3</translation>
    </message>
    <message>
        <source>above %1 and at most %2</source>
        <translation>supérieure à %1 et au plus %2</translation>
    </message>
    <message>
        <source>at least %1 and at most %2</source>
        <translation>au moins %1 et au plus %2</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en marche</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pause</translation>
    </message>
    <message>
        <source>injury time</source>
        <translation>temps de blessure</translation>
    </message>
    <message>
        <source>break</source>
        <translation>pause entre rounds</translation>
    </message>
    <message>
        <source>decided</source>
        <translation>décidé</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>Dorvane - operator console</source>
        <translation>Dorvane - console de l’opérateur</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Combat</translation>
    </message>
    <message>
        <source>Point +</source>
        <translation>Point +</translation>
    </message>
    <message>
        <source>Point -</source>
        <translation>Point -</translation>
    </message>
    <message>
        <source>Clock -1 s</source>
        <translation>Chrono -1 s</translation>
    </message>
    <message>
        <source>Clock +1 s</source>
        <translation>Chrono +1 s</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouveau combat</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Chrono</translation>
    </message>
    <message>
        <source>Clock: %1, %2</source>
        <translation>Chrono : %1, %2</translation>
    </message>
    <message>
        <source>Record: off</source>
        <translation>Enregistrement : désactivé</translation>
    </message>
    <message>
        <source>Record: %1, nothing written yet</source>
        <translation>Enregistrement : %1, rien d’écrit pour l’instant</translation>
    </message>
    <message>
        <source>Record: %1, writing</source>
        <translation>Enregistrement : %1, écriture en cours</translation>
    </message>
    <message>
        <source>Judges: no pads</source>
        <translation>Juges : aucune manette</translation>
    </message>
    <message>
        <source>The board cannot be driven without the console. Close both windows?</source>
        <translation>Le tableau ne peut pas être piloté sans la console. Fermer les deux fenêtres ?</translation>
    </message>
    <message>
        <source>Record: cannot write</source>
        <translation>Enregistrement : écriture impossible</translation>
    </message>
    <message>
        <source>Journal: cannot write</source>
        <translation>Journal du combat : écriture impossible</translation>
    </message>
    <message>
        <source>Journal: writing</source>
        <translation>Journal du combat : écriture en cours</translation>
    </message>
</context>
<context>
    <name>Gamepads</name>
    <message>
        <source>Gamepad management</source>
        <translation>Gestion des manettes</translation>
    </message>
    <message>
        <source>&amp;Judges</source>
        <translation>&amp;Juges</translation>
    </message>
    <message>
        <source> Red player </source>
        <translation> Rouge </translation>
    </message>
    <message>
        <source>&amp;One point button</source>
        <translation>Bouton &amp;1 point</translation>
    </message>
    <message>
        <source>&amp;Two point button</source>
        <translation>Bouton &amp;2 points</translation>
    </message>
    <message>
        <source>Th&amp;ree point button</source>
        <translation>Bouton &amp;3 points</translation>
    </message>
    <message>
        <source> Blue player </source>
        <translation> Bleu </translation>
    </message>
    <message>
        <source>One &amp;point button</source>
        <translation>Bouton 1 &amp;point</translation>
    </message>
    <message>
        <source>Two point &amp;button</source>
        <translation>Bouton 2 p&amp;oints</translation>
    </message>
    <message>
        <source>T&amp;hree point button</source>
        <translation>Bouton 3 poi&amp;nts</translation>
    </message>
    <message>
        <source>Last judge</source>
        <translation>Dernier juge</translation>
    </message>
    <message>
        <source>Last button</source>
        <translation>Dernier bouton</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Judge </source>
        <translation>Juge </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n’est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Error getting joy stick capabilities</source>
        <translation>Erreur de lecture des capacités de la manette</translation>
    </message>
    <message>
        <source>Red player</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Blue player</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no judge</comment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no button</comment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>&amp;Four point button</source>
        <translation>Bouton &amp;4 points</translation>
    </message>
    <message>
        <source>Fi&amp;ve point button</source>
        <translation>Bouton &amp;5 points</translation>
    </message>
    <message>
        <source>Fo&amp;ur point button</source>
        <translation>Bouton 4 poin&amp;ts</translation>
    </message>
    <message>
        <source>Five po&amp;int button</source>
        <translation>Bo&amp;uton 5 points</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source> It is kept as %1.</source>
        <translation> Il est conservé sous %1.</translation>
    </message>
    <message>
        <source>The interrupted match could not be taken up: %1. A new match starts.%2</source>
        <translation>Le combat interrompu ne peut pas être repris : %1. Un nouveau combat commence.%2</translation>
    </message>
    <message>
        <source>Resume the interrupted match? (%1)</source>
        <translation>Reprendre le combat interrompu ? (%1)</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>le journal du combat est endommagé</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>le journal du combat est trop volumineux</translation>
    </message>
    <message>
        <source>it was written by a newer version of Dorvane</source>
        <translation>le journal du combat a été écrit par une version plus récente de Dorvane</translation>
    </message>
    <message>
        <source>between rounds</source>
        <translation>pendant la pause entre rounds</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>reste %1</translation>
    </message>
    <message>
        <source>Red %1 – Blue %2, round %3, %4</source>
        <translation>Rouge %1 – Bleu %2, round %3, %4</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>le journal du combat n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it holds values out of range</source>
        <translation>le journal du combat contient des valeurs hors limites</translation>
    </message>
</context>
<context>
    <name>Judges</name>
    <message>
        <source>Judges: %1 of %2 pads connected</source>
        <translation>Juges : %1 manette(s) sur %2 connectée(s)</translation>
    </message>
    <message>
        <source>Judge %1: </source>
        <translation>Juge %1 : </translation>
    </message>
    <message>
        <source>no pad</source>
        <translation>aucune manette</translation>
    </message>
    <message>
        <source>pad</source>
        <translation>manette</translation>
    </message>
    <message>
        <source>, connected, last press </source>
        <translation>, connectée, dernière pression </translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Spare: </source>
        <translation>Libre : </translation>
    </message>
</context>
<context>
    <name>JudgesReport</name>
    <message>
        <source>Judges&apos; report</source>
        <translation>Rapport des juges</translation>
    </message>
    <message>
        <source>Judge</source>
        <translation>Juge</translation>
    </message>
    <message>
        <source>Presses</source>
        <translation>Pressions</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>Comptées</translation>
    </message>
    <message>
        <source>Lone</source>
        <translation>Isolées</translation>
    </message>
    <message>
        <source>Median delay (ms)</source>
        <translation>Retard médian (ms)</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>&amp;Enregistrer en CSV...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Save judges&apos; report</source>
        <translation>Enregistrer le rapport des juges</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>  Players</source>
        <translation>  Combattants</translation>
    </message>
    <message>
        <source>&amp;Red player</source>
        <translation>&amp;Rouge</translation>
    </message>
    <message>
        <source>&amp;Blue player</source>
        <translation>&amp;Bleu</translation>
    </message>
    <message>
        <source>&amp;Division</source>
        <translation>&amp;Catégorie</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Unable to write %1</source>
        <translation>Impossible d’écrire %1</translation>
    </message>
    <message>
        <source>The cabinet unpacks to more than its update allows.</source>
        <translation>L’archive cabinet se décompresse au-delà de ce que permet la mise à jour.</translation>
    </message>
    <message>
        <source>%1 is not a cabinet archive: %2</source>
        <translation>%1 n’est pas une archive cabinet : %2</translation>
    </message>
    <message>
        <source>The cabinet %1 cannot be unpacked: the libarchive library could not be loaded.</source>
        <translation>L’archive cabinet %1 ne peut pas être décompressée : la bibliothèque libarchive n’a pas pu être chargée.</translation>
    </message>
    <message>
        <source>The cabinet %1 is damaged: %2</source>
        <translation>L’archive cabinet %1 est endommagée : %2</translation>
    </message>
    <message>
        <source>The cabinet %1 holds &quot;%2&quot;, which would leave the program&apos;s folder.</source>
        <translation>L’archive cabinet %1 contient « %2 », qui sortirait du dossier du programme.</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Actualités</translation>
    </message>
    <message>
        <source>The news cannot be shown. %1</source>
        <translation>Impossible d’afficher les actualités. %1</translation>
    </message>
    <message>
        <source>There is no news.</source>
        <translation>Aucune actualité.</translation>
    </message>
    <message>
        <source>Click an item to read it.</source>
        <translation>Cliquez sur un élément pour le lire.</translation>
    </message>
    <message>
        <source>Loading the news ...</source>
        <translation>Chargement des actualités ...</translation>
    </message>
    <message>
        <source>You have the latest version. No updates are available at this time.</source>
        <translation>Vous avez la dernière version. Aucune mise à jour n’est disponible.</translation>
    </message>
    <message>
        <source>The update names the file &quot;%1&quot; twice.</source>
        <translation>La mise à jour nomme deux fois le fichier « %1 ».</translation>
    </message>
    <message>
        <source>Unable to create %1</source>
        <translation>Impossible de créer %1</translation>
    </message>
    <message>
        <source>The download of %1 ended early (%L2 of %L3 bytes).</source>
        <translation>Le téléchargement de %1 s’est arrêté trop tôt (%L2 sur %L3 octets).</translation>
    </message>
    <message>
        <source>The download of %1 does not match its SHA-256 sum.</source>
        <translation>Le téléchargement de %1 ne correspond pas à sa somme SHA-256.</translation>
    </message>
    <message>
        <source>The update is installed, but the program could not be started again. Please start it yourself.</source>
        <translation>La mise à jour est installée, mais le programme n’a pas pu redémarrer. Veuillez le lancer vous-même.</translation>
    </message>
    <message>
        <source>A file of the update description lacks its path, url or sha256.</source>
        <translation>Un fichier de la description de mise à jour n’a pas de path, url ou sha256.</translation>
    </message>
    <message>
        <source>The update file &quot;%1&quot; would leave the program&apos;s folder.</source>
        <translation>Le fichier de mise à jour « %1 » sortirait du dossier du programme.</translation>
    </message>
    <message>
        <source>The update file &quot;%1&quot; has no valid SHA-256 sum.</source>
        <translation>Le fichier de mise à jour « %1 » n’a pas de somme SHA-256 valide.</translation>
    </message>
    <message>
        <source>The update file &quot;%1&quot; has no valid size.</source>
        <translation>Le fichier de mise à jour « %1 » n’a pas de taille valide.</translation>
    </message>
    <message>
        <source>The update file &quot;%1&quot; has an address that is not allowed: %2</source>
        <translation>Le fichier de mise à jour « %1 » a une adresse non autorisée : %2</translation>
    </message>
    <message>
        <source>A news item of the update description lacks its title, date or link.</source>
        <translation>Une actualité de la description n’a pas de titre, de date ou de lien.</translation>
    </message>
    <message>
        <source>The news item &quot;%1&quot; has a link that is not a web address.</source>
        <translation>L’actualité « %1 » a un lien qui n’est pas une adresse web.</translation>
    </message>
    <message>
        <source>The update description is not valid JSON.</source>
        <translation>La description de mise à jour n’est pas du JSON valide.</translation>
    </message>
    <message>
        <source>The update description has no valid version.</source>
        <translation>La description de mise à jour n’a pas de version valide.</translation>
    </message>
    <message>
        <source>The update description has no list of files.</source>
        <translation>La description de mise à jour n’a pas de liste de fichiers.</translation>
    </message>
    <message>
        <source>The news of the update description is not a list.</source>
        <translation>Les actualités de la description ne sont pas une liste.</translation>
    </message>
    <message>
        <source>The update location cannot be reached: %1</source>
        <translation>L’emplacement de mise à jour est injoignable : %1</translation>
    </message>
    <message>
        <source>HTTP is not available (%1)</source>
        <translation>HTTP n’est pas disponible (%1)</translation>
    </message>
    <message>
        <source>%1 redirects to an address that is not allowed: %2</source>
        <translation>%1 redirige vers une adresse non autorisée : %2</translation>
    </message>
    <message>
        <source>%1 is larger than announced.</source>
        <translation>%1 est plus gros qu’annoncé.</translation>
    </message>
    <message>
        <source>%1: the server answered %2 %3</source>
        <translation>%1 : le serveur a répondu %2 %3</translation>
    </message>
    <message>
        <source>Unable to store %1: %2</source>
        <translation>Impossible d’enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>No update is staged.</source>
        <translation>Aucune mise à jour n’est prête.</translation>
    </message>
    <message>
        <source>The staged update&apos;s manifest is damaged.</source>
        <translation>Le manifeste de la mise à jour prête est endommagé.</translation>
    </message>
    <message>
        <source>The staged file %1 is damaged.</source>
        <translation>Le fichier prêt %1 est endommagé.</translation>
    </message>
    <message>
        <source>Unable to replace %1: %2</source>
        <translation>Impossible de remplacer %1 : %2</translation>
    </message>
    <message>
        <source>No update location is set (key &quot;URL&quot; in section [Update] of Dorvane.INI).</source>
        <translation>Aucun emplacement de mise à jour (clé « URL » de la section [Update] de Dorvane.INI).</translation>
    </message>
    <message>
        <source>The update location %1 is not an https:// or file:// address.</source>
        <translation>L’emplacement de mise à jour %1 n’est pas une adresse https:// ou file://.</translation>
    </message>
    <message>
        <source>%1: nothing arrived for %2 seconds.</source>
        <translation>%1 : rien n’est arrivé pendant %2 secondes.</translation>
    </message>
</context>
</TS>
