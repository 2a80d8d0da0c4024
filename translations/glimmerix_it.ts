<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BoardTableAccessible</name>
    <message>
        <source>Board</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor, Space or Return presses the cell under it, Esc pauses.</source>
        <translation>Le frecce spostano il cursore, Spazio o Invio premono la casella su cui si trova il cursore, Esc mette in pausa.</translation>
    </message>
</context>
<context>
    <name>CellNames</name>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <translation>%1, selezionata</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gialla</translation>
    </message>
    <message>
        <source>white</source>
        <translation>bianca</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rossa</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>viola</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>azzurra</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>arancione</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>riga %1</translation>
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
        <translation>Selezione annullata</translation>
    </message>
    <message>
        <source>Picked %1</source>
        <translation>Selezionata: %1</translation>
    </message>
    <message>
        <source>Not beside the pick: %1 stays picked</source>
        <translation>Non è accanto alla selezione: %1 resta selezionata</translation>
    </message>
    <message>
        <source>New board</source>
        <translation>Nuova griglia</translation>
    </message>
    <message numerus="yes">
        <source>New game: %Ln seconds</source>
        <translation>
            <numerusform>Nuova partita: %Ln secondo</numerusform>
            <numerusform>Nuova partita: %Ln secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>No run: the gems stay, pick dropped</source>
        <translation>Nessuna fila: le gemme restano al loro posto, selezione annullata</translation>
    </message>
    <message numerus="yes">
        <source>%Ln seconds left</source>
        <translation>
            <numerusform>Manca %Ln secondo</numerusform>
            <numerusform>Mancano %Ln secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>nella riga %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>nella colonna %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>nelle righe %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>nelle colonne %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln points</source>
        <translation>
            <numerusform>%Ln punto</numerusform>
            <numerusform>%Ln punti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exchanged: %Ln gems cleared in %1, %2 with a bonus of %L3. Score %L4</source>
        <translation>
            <numerusform>Scambio: %Ln gemma eliminata %1, %2 con un bonus di %L3. Punteggio %L4</numerusform>
            <numerusform>Scambio: %Ln gemme eliminate %1, %2 con un bonus di %L3. Punteggio %L4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exchanged: %Ln gems cleared in %1, %2. Score %L3</source>
        <translation>
            <numerusform>Scambio: %Ln gemma eliminata %1, %2. Punteggio %L3</numerusform>
            <numerusform>Scambio: %Ln gemme eliminate %1, %2. Punteggio %L3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>unset</source>
        <translation>non impostata</translation>
    </message>
    <message>
        <source>glimmerix: no display to show the game on: DISPLAY and WAYLAND_DISPLAY are unset</source>
        <translation>glimmerix: nessuno schermo su cui mostrare il gioco: DISPLAY e WAYLAND_DISPLAY non sono impostate</translation>
    </message>
    <message>
        <source>glimmerix: cannot open a display to show the game on (platform %1, DISPLAY %2, WAYLAND_DISPLAY %3)</source>
        <translation>glimmerix: impossibile aprire uno schermo su cui mostrare il gioco (piattaforma %1, DISPLAY %2, WAYLAND_DISPLAY %3)</translation>
    </message>
    <message>
        <source>Qt&apos;s default</source>
        <translation>quella predefinita di Qt</translation>
    </message>
    <message>
        <source>A timed gem-swapping game. It has no options of its own; the options every Qt
program takes, such as -platform NAME, work as usual. See glimmerix(6).</source>
        <translation>Un gioco a tempo in cui si scambiano gemme. Non ha opzioni proprie; le opzioni di ogni
programma Qt, come -platform NOME, funzionano come sempre. Vedi glimmerix(6).</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra le informazioni sulla versione.</translation>
    </message>
    <message>
        <source>glimmerix: Qt says: %1</source>
        <translation>glimmerix: Qt dice: %1</translation>
    </message>
</context>
<context>
    <name>StatusBarAccessible</name>
    <message>
        <source>Time %1</source>
        <translation>Tempo %1</translation>
    </message>
    <message>
        <source>Bonus bar</source>
        <translation>Barra bonus</translation>
    </message>
    <message>
        <source>Score %L1</source>
        <translation>Punteggio %L1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Glimmerix is paused.  Click OK to unpause the game.</source>
        <translation>Glimmerix è in pausa.  Fai clic su OK per riprendere la partita.</translation>
    </message>
    <message>
        <source>How to Play Glimmerix</source>
        <translation>Come si gioca a Glimmerix</translation>
    </message>
    <message>
        <source>The object of Glimmerix is to create horizontal or vertical rows of three or more identical stones as quickly as possible.  This is accomplished by swapping adjacent gems.  To swap two gems, click on both of the gems to be moved.  Gems can be swapped only if doing so creates a row of three or more identical stones.  The larger the row that you create, the greater the number of points that you earn.  When a row of gems is created, that row disappears and new gems fall into its place.  Sometimes that causes more rows of gems to be created, earning you additional points.<byte value="xd"/>
<byte value="xd"/>
You have only 90 seconds to play each game.  As you play, the blue bonus bar gets smaller, but every time that you create a row, the blue bar gets a little larger.  You will receive 300 bonus points if you can get the blue bar to reach the right edge of the board.  Good luck!</source>
        <translation>Lo scopo di Glimmerix è formare il più in fretta possibile file orizzontali o verticali di tre o più gemme uguali.  Per farlo si scambiano gemme vicine.  Per scambiare due gemme, fai clic prima su una e poi sull&apos;altra.  Lo scambio è possibile solo se forma una fila di tre o più gemme uguali.  Più lunga è la fila, più punti ottieni.  Quando si forma una fila, questa scompare e nuove gemme cadono al suo posto.  A volte così si formano altre file, che ti fanno guadagnare punti in più.<byte value="xd"/>
<byte value="xd"/>
Ogni partita dura solo 90 secondi.  Mentre giochi, la barra bonus blu si accorcia, ma ogni fila che formi la allunga un po&apos;.  Se riesci a portare la barra blu fino al bordo destro della griglia, ricevi 300 punti bonus.  Buona fortuna!</translation>
    </message>
    <message>
        <source>About Glimmerix</source>
        <translation>Informazioni su Glimmerix</translation>
    </message>
    <message>
        <source>Glimmerix 1.00<byte value="xd"/>
Written and drawn by the Glimmerix developers.</source>
        <translation>Glimmerix 1.00<byte value="xd"/>
Scritto e disegnato dagli sviluppatori di Glimmerix.</translation>
    </message>
    <message>
        <source>No More Moves</source>
        <translation>Nessuna mossa possibile</translation>
    </message>
    <message>
        <source>There are no more moves available.<byte value="xd"/>
<byte value="xd"/>
Click OK to reset the board.</source>
        <translation>Non ci sono più mosse possibili.<byte value="xd"/>
<byte value="xd"/>
Fai clic su OK per riempire di nuovo la griglia.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Finito</translation>
    </message>
    <message>
        <source>SCORE:</source>
        <translation>PUNTI:</translation>
    </message>
    <message>
        <source>TIME:</source>
        <translation>SEC.:</translation>
    </message>
</context>
<context>
    <name>glimmerix::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Metti in pausa</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>glimmerix::frmOver</name>
    <message>
        <source>GAME OVER</source>
        <translation>FINE PARTITA</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punti:</translation>
    </message>
    <message>
        <source> Would you like to play again?</source>
        <translation> Vuoi giocare ancora?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÌ</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <comment>title bar</comment>
        <translation>FINE PARTITA</translation>
    </message>
    <message>
        <source>Score: %1.</source>
        <translation>Punteggio: %1.</translation>
    </message>
</context>
<context>
    <name>glimmerix::frmSplash</name>
    <message>
        <source>Welcome to Glimmerix!</source>
        <translation>Benvenuto in Glimmerix!</translation>
    </message>
    <message>
        <source>by the Glimmerix developers</source>
        <translation>dagli sviluppatori di Glimmerix</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>GIOCA</translation>
    </message>
</context>
</TS>
