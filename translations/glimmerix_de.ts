<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoardTableAccessible</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor, Space or Return presses the cell under it, Esc pauses.</source>
        <translation>Die Pfeiltasten bewegen den Cursor, Leertaste oder Eingabetaste klickt das Feld unter dem Cursor an, Esc hält das Spiel an.</translation>
    </message>
</context>
<context>
    <name>CellNames</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <translation>%1, ausgewählt</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violett</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>hellblau</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orangefarben</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
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
        <translation>Auswahl aufgehoben</translation>
    </message>
    <message>
        <source>Picked %1</source>
        <translation>Ausgewählt: %1</translation>
    </message>
    <message>
        <source>Not beside the pick: %1 stays picked</source>
        <translation>Nicht neben der Auswahl: %1 bleibt ausgewählt</translation>
    </message>
    <message>
        <source>New board</source>
        <translation>Neues Spielfeld</translation>
    </message>
    <message numerus="yes">
        <source>New game: %Ln seconds</source>
        <translation>
            <numerusform>Neues Spiel: %Ln Sekunde</numerusform>
            <numerusform>Neues Spiel: %Ln Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>No run: the gems stay, pick dropped</source>
        <translation>Keine Reihe: Die Edelsteine bleiben liegen, Auswahl aufgehoben</translation>
    </message>
    <message numerus="yes">
        <source>%Ln seconds left</source>
        <translation>
            <numerusform>Noch %Ln Sekunde</numerusform>
            <numerusform>Noch %Ln Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>Zeilen %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>Spalten %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln points</source>
        <translation>
            <numerusform>%Ln Punkt</numerusform>
            <numerusform>%Ln Punkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exchanged: %Ln gems cleared in %1, %2 with a bonus of %L3. Score %L4</source>
        <translation>
            <numerusform>Getauscht: %Ln Edelstein in %1 abgeräumt, %2 mit %L3 Bonuspunkten. Punktestand %L4</numerusform>
            <numerusform>Getauscht: %Ln Edelsteine in %1 abgeräumt, %2 mit %L3 Bonuspunkten. Punktestand %L4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exchanged: %Ln gems cleared in %1, %2. Score %L3</source>
        <translation>
            <numerusform>Getauscht: %Ln Edelstein in %1 abgeräumt, %2. Punktestand %L3</numerusform>
            <numerusform>Getauscht: %Ln Edelsteine in %1 abgeräumt, %2. Punktestand %L3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>unset</source>
        <translation>nicht gesetzt</translation>
    </message>
    <message>
        <source>glimmerix: no display to show the game on: DISPLAY and WAYLAND_DISPLAY are unset</source>
        <translation>glimmerix: keine Anzeige, auf der das Spiel laufen kann: DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt</translation>
    </message>
    <message>
        <source>glimmerix: cannot open a display to show the game on (platform %1, DISPLAY %2, WAYLAND_DISPLAY %3)</source>
        <translation>glimmerix: kann keine Anzeige für das Spiel öffnen (Plattform %1, DISPLAY %2, WAYLAND_DISPLAY %3)</translation>
    </message>
    <message>
        <source>Qt&apos;s default</source>
        <translation>Qt-Standard</translation>
    </message>
    <message>
        <source>A timed gem-swapping game. It has no options of its own; the options every Qt
program takes, such as -platform NAME, work as usual. See glimmerix(6).</source>
        <translation>Ein Spiel gegen die Uhr, in dem Edelsteine getauscht werden. Es hat keine eigenen
Optionen; die Optionen jedes Qt-Programms, etwa -platform NAME, gelten wie gewohnt.
Siehe glimmerix(6).</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt Versionsinformationen an.</translation>
    </message>
    <message>
        <source>glimmerix: Qt says: %1</source>
        <translation>glimmerix: Qt meldet: %1</translation>
    </message>
</context>
<context>
    <name>StatusBarAccessible</name>
    <message>
        <source>Time %1</source>
        <translation>Zeit %1</translation>
    </message>
    <message>
        <source>Bonus bar</source>
        <translation>Bonusbalken</translation>
    </message>
    <message>
        <source>Score %L1</source>
        <translation>Punktestand %L1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Glimmerix is paused.  Click OK to unpause the game.</source>
        <translation>Glimmerix ist angehalten.  Klicke auf OK, um weiterzuspielen.</translation>
    </message>
    <message>
        <source>How to Play Glimmerix</source>
        <translation>Spielanleitung für Glimmerix</translation>
    </message>
    <message>
        <source>The object of Glimmerix is to create horizontal or vertical rows of three or more identical stones as quickly as possible.  This is accomplished by swapping adjacent gems.  To swap two gems, click on both of the gems to be moved.  Gems can be swapped only if doing so creates a row of three or more identical stones.  The larger the row that you create, the greater the number of points that you earn.  When a row of gems is created, that row disappears and new gems fall into its place.  Sometimes that causes more rows of gems to be created, earning you additional points.<byte value="xd"/>
<byte value="xd"/>
You have only 90 seconds to play each game.  As you play, the blue bonus bar gets smaller, but every time that you create a row, the blue bar gets a little larger.  You will receive 300 bonus points if you can get the blue bar to reach the right edge of the board.  Good luck!</source>
        <translation>Ziel von Glimmerix ist es, so schnell wie möglich waagerechte oder senkrechte Reihen aus drei oder mehr gleichen Edelsteinen zu bilden.  Dazu tauschst du benachbarte Edelsteine.  Um zwei Edelsteine zu tauschen, klicke nacheinander auf beide.  Ein Tausch ist nur möglich, wenn dabei eine Reihe aus drei oder mehr gleichen Edelsteinen entsteht.  Je länger die Reihe, desto mehr Punkte bekommst du.  Eine Reihe verschwindet, sobald sie entsteht, und neue Edelsteine fallen an ihren Platz.  Manchmal bilden sich dabei weitere Reihen, die dir zusätzliche Punkte bringen.<byte value="xd"/>
<byte value="xd"/>
Für jedes Spiel hast du nur 90 Sekunden.  Während du spielst, wird der blaue Bonusbalken kürzer, doch mit jeder Reihe, die du bildest, wächst er ein Stück.  Bringst du den blauen Balken bis an den rechten Rand des Spielfelds, bekommst du 300 Bonuspunkte.  Viel Glück!</translation>
    </message>
    <message>
        <source>About Glimmerix</source>
        <translation>Über Glimmerix</translation>
    </message>
    <message>
        <source>Glimmerix 1.00<byte value="xd"/>
Written and drawn by the Glimmerix developers.</source>
        <translation>Glimmerix 1.00<byte value="xd"/>
Geschrieben und gezeichnet von den Glimmerix-Entwicklern.</translation>
    </message>
    <message>
        <source>No More Moves</source>
        <translation>Keine Züge mehr</translation>
    </message>
    <message>
        <source>There are no more moves available.<byte value="xd"/>
<byte value="xd"/>
Click OK to reset the board.</source>
        <translation>Es ist kein Zug mehr möglich.<byte value="xd"/>
<byte value="xd"/>
Klicke auf OK, um das Spielfeld neu zu füllen.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>SCORE:</source>
        <translation>PUNKTE</translation>
    </message>
    <message>
        <source>TIME:</source>
        <translation>ZEIT</translation>
    </message>
</context>
<context>
    <name>glimmerix::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Spiel anhalten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>glimmerix::frmOver</name>
    <message>
        <source>GAME OVER</source>
        <translation>SPIELENDE</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source> Would you like to play again?</source>
        <translation> Noch einmal spielen?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <comment>title bar</comment>
        <translation>SPIELENDE</translation>
    </message>
    <message>
        <source>Score: %1.</source>
        <translation>Punktestand: %1.</translation>
    </message>
</context>
<context>
    <name>glimmerix::frmSplash</name>
    <message>
        <source>Welcome to Glimmerix!</source>
        <translation>Willkommen bei Glimmerix!</translation>
    </message>
    <message>
        <source>by the Glimmerix developers</source>
        <translation>von den Glimmerix-Entwicklern</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>SPIELEN</translation>
    </message>
</context>
</TS>
