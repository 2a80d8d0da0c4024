<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BoardTableAccessible</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor, Space or Return presses the cell under it, Esc pauses.</source>
        <translation>Les flèches déplacent le curseur, Espace ou Entrée appuie sur la case où se trouve le curseur, Échap met en pause.</translation>
    </message>
</context>
<context>
    <name>CellNames</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <translation>%1, sélectionnée</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanche</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violette</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>bleu clair</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verte</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Pick dropped</source>
        <translation>Sélection annulée</translation>
    </message>
    <message>
        <source>Picked %1</source>
        <translation>Sélectionnée : %1</translation>
    </message>
    <message>
        <source>Not beside the pick: %1 stays picked</source>
        <translation>Pas à côté de la sélection : %1 reste sélectionnée</translation>
    </message>
    <message>
        <source>New board</source>
        <translation>Nouveau plateau</translation>
    </message>
    <message numerus="yes">
        <source>New game: %Ln seconds</source>
        <translation>
            <numerusform>Nouvelle partie : %Ln seconde</numerusform>
            <numerusform>Nouvelle partie : %Ln secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>No run: the gems stay, pick dropped</source>
        <translation>Pas d&apos;alignement : les gemmes restent en place, sélection annulée</translation>
    </message>
    <message numerus="yes">
        <source>%Ln seconds left</source>
        <translation>
            <numerusform>Plus que %Ln seconde</numerusform>
            <numerusform>Plus que %Ln secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>la ligne %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>la colonne %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>les lignes %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>les colonnes %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln points</source>
        <translation>
            <numerusform>%Ln point</numerusform>
            <numerusform>%Ln points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exchanged: %Ln gems cleared in %1, %2 with a bonus of %L3. Score %L4</source>
        <translation>
            <numerusform>Échange : %Ln gemme retirée sur %1, %2 dont %L3 de bonus. Score : %L4</numerusform>
            <numerusform>Échange : %Ln gemmes retirées sur %1, %2 dont %L3 de bonus. Score : %L4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exchanged: %Ln gems cleared in %1, %2. Score %L3</source>
        <translation>
            <numerusform>Échange : %Ln gemme retirée sur %1, %2. Score : %L3</numerusform>
            <numerusform>Échange : %Ln gemmes retirées sur %1, %2. Score : %L3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>unset</source>
        <translation>non définie</translation>
    </message>
    <message>
        <source>glimmerix: no display to show the game on: DISPLAY and WAYLAND_DISPLAY are unset</source>
        <translation>glimmerix : aucun affichage pour montrer le jeu : DISPLAY et WAYLAND_DISPLAY ne sont pas définies</translation>
    </message>
    <message>
        <source>glimmerix: cannot open a display to show the game on (platform %1, DISPLAY %2, WAYLAND_DISPLAY %3)</source>
        <translation>glimmerix : impossible d&apos;ouvrir un affichage pour montrer le jeu (plateforme %1, DISPLAY %2, WAYLAND_DISPLAY %3)</translation>
    </message>
    <message>
        <source>Qt&apos;s default</source>
        <translation>par défaut de Qt</translation>
    </message>
    <message>
        <source>A timed gem-swapping game. It has no options of its own; the options every Qt
program takes, such as -platform NAME, work as usual. See glimmerix(6).</source>
        <translation>Un jeu d&apos;échange de gemmes contre la montre. Il n&apos;a pas d&apos;options propres ; les options
de tout programme Qt, comme -platform NOM, fonctionnent comme d&apos;habitude. Voir glimmerix(6).</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>glimmerix: Qt says: %1</source>
        <translation>glimmerix : Qt indique : %1</translation>
    </message>
</context>
<context>
    <name>StatusBarAccessible</name>
    <message>
        <source>Time %1</source>
        <translation>Temps : %1</translation>
    </message>
    <message>
        <source>Bonus bar</source>
        <translation>Barre de bonus</translation>
    </message>
    <message>
        <source>Score %L1</source>
        <translation>Score : %L1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Glimmerix is paused.  Click OK to unpause the game.</source>
        <translation>Glimmerix est en pause.  Cliquez sur OK pour reprendre la partie.</translation>
    </message>
    <message>
        <source>How to Play Glimmerix</source>
        <translation>Comment jouer à Glimmerix</translation>
    </message>
    <message>
        <source>The object of Glimmerix is to create horizontal or vertical rows of three or more identical stones as quickly as possible.  This is accomplished by swapping adjacent gems.  To swap two gems, click on both of the gems to be moved.  Gems can be swapped only if doing so creates a row of three or more identical stones.  The larger the row that you create, the greater the number of points that you earn.  When a row of gems is created, that row disappears and new gems fall into its place.  Sometimes that causes more rows of gems to be created, earning you additional points.<byte value="xd"/>
<byte value="xd"/>
You have only 90 seconds to play each game.  As you play, the blue bonus bar gets smaller, but every time that you create a row, the blue bar gets a little larger.  You will receive 300 bonus points if you can get the blue bar to reach the right edge of the board.  Good luck!</source>
        <translation>Le but de Glimmerix est de former le plus vite possible des alignements horizontaux ou verticaux d&apos;au moins trois gemmes identiques.  Pour cela, on échange des gemmes voisines.  Pour échanger deux gemmes, cliquez sur l&apos;une puis sur l&apos;autre.  Un échange n&apos;est possible que s&apos;il forme un alignement d&apos;au moins trois gemmes identiques.  Plus l&apos;alignement est long, plus vous marquez de points.  Un alignement formé disparaît et de nouvelles gemmes tombent à sa place.  Il arrive que cela forme d&apos;autres alignements, qui vous rapportent des points supplémentaires.<byte value="xd"/>
<byte value="xd"/>
Chaque partie ne dure que 90 secondes.  Pendant que vous jouez, la barre de bonus bleue raccourcit, mais chaque alignement que vous formez l&apos;allonge un peu.  Si vous amenez la barre bleue jusqu&apos;au bord droit du plateau, vous gagnez 300 points de bonus.  Bonne chance !</translation>
    </message>
    <message>
        <source>About Glimmerix</source>
        <translation>À propos de Glimmerix</translation>
    </message>
    <message>
        <source>Glimmerix 1.00<byte value="xd"/>
Written and drawn by the Glimmerix developers.</source>
        <translation>Glimmerix 1.00<byte value="xd"/>
Écrit et dessiné par les développeurs de Glimmerix.</translation>
    </message>
    <message>
        <source>No More Moves</source>
        <translation>Plus aucun coup</translation>
    </message>
    <message>
        <source>There are no more moves available.<byte value="xd"/>
<byte value="xd"/>
Click OK to reset the board.</source>
        <translation>Il n&apos;y a plus aucun coup possible.<byte value="xd"/>
<byte value="xd"/>
Cliquez sur OK pour remplir à nouveau le plateau.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fini</translation>
    </message>
    <message>
        <source>SCORE:</source>
        <translation>SCORE</translation>
    </message>
    <message>
        <source>TIME:</source>
        <translation>RESTE</translation>
    </message>
</context>
<context>
    <name>glimmerix::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Mettre en pause</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>glimmerix::frmOver</name>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DE PARTIE</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score :</translation>
    </message>
    <message>
        <source> Would you like to play again?</source>
        <translation> Voulez-vous rejouer ?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <comment>title bar</comment>
        <translation>FIN DE PARTIE</translation>
    </message>
    <message>
        <source>Score: %1.</source>
        <translation>Score : %1.</translation>
    </message>
</context>
<context>
    <name>glimmerix::frmSplash</name>
    <message>
        <source>Welcome to Glimmerix!</source>
        <translation>Bienvenue dans Glimmerix !</translation>
    </message>
    <message>
        <source>by the Glimmerix developers</source>
        <translation>par les développeurs de Glimmerix</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>JOUER</translation>
    </message>
</context>
</TS>
