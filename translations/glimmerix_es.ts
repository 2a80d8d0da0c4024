<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BoardTableAccessible</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor, Space or Return presses the cell under it, Esc pauses.</source>
        <translation>Las flechas mueven el cursor, Espacio o Intro pulsan la casilla donde está el cursor, Esc pausa la partida.</translation>
    </message>
</context>
<context>
    <name>CellNames</name>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <translation>%1, seleccionada</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarilla</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanca</translation>
    </message>
    <message>
        <source>red</source>
        <translation>roja</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>morada</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>celeste</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
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
        <translation>Selección anulada</translation>
    </message>
    <message>
        <source>Picked %1</source>
        <translation>Seleccionada: %1</translation>
    </message>
    <message>
        <source>Not beside the pick: %1 stays picked</source>
        <translation>No está junto a la selección: %1 sigue seleccionada</translation>
    </message>
    <message>
        <source>New board</source>
        <translation>Tablero nuevo</translation>
    </message>
    <message numerus="yes">
        <source>New game: %Ln seconds</source>
        <translation>
            <numerusform>Nueva partida: %Ln segundo</numerusform>
            <numerusform>Nueva partida: %Ln segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>No run: the gems stay, pick dropped</source>
        <translation>Sin línea: las gemas se quedan en su sitio, selección anulada</translation>
    </message>
    <message numerus="yes">
        <source>%Ln seconds left</source>
        <translation>
            <numerusform>Queda %Ln segundo</numerusform>
            <numerusform>Quedan %Ln segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>la fila %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>la columna %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>las filas %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>las columnas %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln points</source>
        <translation>
            <numerusform>%Ln punto</numerusform>
            <numerusform>%Ln puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exchanged: %Ln gems cleared in %1, %2 with a bonus of %L3. Score %L4</source>
        <translation>
            <numerusform>Intercambio: %Ln gema eliminada en %1, %2 con una bonificación de %L3. Puntuación %L4</numerusform>
            <numerusform>Intercambio: %Ln gemas eliminadas en %1, %2 con una bonificación de %L3. Puntuación %L4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exchanged: %Ln gems cleared in %1, %2. Score %L3</source>
        <translation>
            <numerusform>Intercambio: %Ln gema eliminada en %1, %2. Puntuación %L3</numerusform>
            <numerusform>Intercambio: %Ln gemas eliminadas en %1, %2. Puntuación %L3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>unset</source>
        <translation>sin definir</translation>
    </message>
    <message>
        <source>glimmerix: no display to show the game on: DISPLAY and WAYLAND_DISPLAY are unset</source>
        <translation>glimmerix: no hay pantalla donde mostrar el juego: DISPLAY y WAYLAND_DISPLAY están sin definir</translation>
    </message>
    <message>
        <source>glimmerix: cannot open a display to show the game on (platform %1, DISPLAY %2, WAYLAND_DISPLAY %3)</source>
        <translation>glimmerix: no se puede abrir una pantalla donde mostrar el juego (plataforma %1, DISPLAY %2, WAYLAND_DISPLAY %3)</translation>
    </message>
    <message>
        <source>Qt&apos;s default</source>
        <translation>la predeterminada de Qt</translation>
    </message>
    <message>
        <source>A timed gem-swapping game. It has no options of its own; the options every Qt
program takes, such as -platform NAME, work as usual. See glimmerix(6).</source>
        <translation>Un juego de intercambiar gemas contra el reloj. No tiene opciones propias; las opciones de
cualquier programa Qt, como -platform NOMBRE, funcionan como siempre. Véase glimmerix(6).</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra información de la versión.</translation>
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
        <translation>Tiempo %1</translation>
    </message>
    <message>
        <source>Bonus bar</source>
        <translation>Barra de bonificación</translation>
    </message>
    <message>
        <source>Score %L1</source>
        <translation>Puntuación %L1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Glimmerix is paused.  Click OK to unpause the game.</source>
        <translation>Glimmerix está en pausa.  Haz clic en Aceptar para seguir jugando.</translation>
    </message>
    <message>
        <source>How to Play Glimmerix</source>
        <translation>Cómo jugar a Glimmerix</translation>
    </message>
    <message>
        <source>The object of Glimmerix is to create horizontal or vertical rows of three or more identical stones as quickly as possible.  This is accomplished by swapping adjacent gems.  To swap two gems, click on both of the gems to be moved.  Gems can be swapped only if doing so creates a row of three or more identical stones.  The larger the row that you create, the greater the number of points that you earn.  When a row of gems is created, that row disappears and new gems fall into its place.  Sometimes that causes more rows of gems to be created, earning you additional points.<byte value="xd"/>
<byte value="xd"/>
You have only 90 seconds to play each game.  As you play, the blue bonus bar gets smaller, but every time that you create a row, the blue bar gets a little larger.  You will receive 300 bonus points if you can get the blue bar to reach the right edge of the board.  Good luck!</source>
        <translation>El objetivo de Glimmerix es formar lo más rápido posible líneas horizontales o verticales de tres o más gemas iguales.  Para ello se intercambian gemas vecinas.  Para intercambiar dos gemas, haz clic en una y luego en la otra.  Solo se pueden intercambiar si así se forma una línea de tres o más gemas iguales.  Cuanto más larga sea la línea, más puntos ganas.  Al formarse una línea, esta desaparece y caen gemas nuevas en su lugar.  A veces eso forma más líneas, que te dan puntos adicionales.<byte value="xd"/>
<byte value="xd"/>
Cada partida dura solo 90 segundos.  Mientras juegas, la barra de bonificación azul se acorta, pero cada línea que formas la alarga un poco.  Si consigues que la barra azul llegue al borde derecho del tablero, ganas 300 puntos de bonificación.  ¡Buena suerte!</translation>
    </message>
    <message>
        <source>About Glimmerix</source>
        <translation>Acerca de Glimmerix</translation>
    </message>
    <message>
        <source>Glimmerix 1.00<byte value="xd"/>
Written and drawn by the Glimmerix developers.</source>
        <translation>Glimmerix 1.00<byte value="xd"/>
Escrito y dibujado por los desarrolladores de Glimmerix.</translation>
    </message>
    <message>
        <source>No More Moves</source>
        <translation>No hay más jugadas</translation>
    </message>
    <message>
        <source>There are no more moves available.<byte value="xd"/>
<byte value="xd"/>
Click OK to reset the board.</source>
        <translation>No queda ninguna jugada posible.<byte value="xd"/>
<byte value="xd"/>
Haz clic en Aceptar para llenar de nuevo el tablero.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>SCORE:</source>
        <translation>PUNTOS</translation>
    </message>
    <message>
        <source>TIME:</source>
        <translation>RELOJ</translation>
    </message>
</context>
<context>
    <name>glimmerix::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Pausar partida</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>glimmerix::frmOver</name>
    <message>
        <source>GAME OVER</source>
        <translation>SE ACABÓ</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source> Would you like to play again?</source>
        <translation> ¿Quieres volver a jugar?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <comment>title bar</comment>
        <translation>FIN DE LA PARTIDA</translation>
    </message>
    <message>
        <source>Score: %1.</source>
        <translation>Puntuación: %1.</translation>
    </message>
</context>
<context>
    <name>glimmerix::frmSplash</name>
    <message>
        <source>Welcome to Glimmerix!</source>
        <translation>¡Te damos la bienvenida a Glimmerix!</translation>
    </message>
    <message>
        <source>by the Glimmerix developers</source>
        <translation>de los desarrolladores de Glimmerix</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>JUGAR</translation>
    </message>
</context>
</TS>
