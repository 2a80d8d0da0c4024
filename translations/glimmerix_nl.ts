<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Column %1, row %2: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, picked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>no gem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yellow gem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>white gem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>red gem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>purple gem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>light blue gem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green gem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orange gem</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>unset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glimmerix: no display to show the game on: DISPLAY and WAYLAND_DISPLAY are unset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glimmerix: cannot open a display to show the game on (platform %1, DISPLAY %2, WAYLAND_DISPLAY %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A timed gem-swapping game. It has no options of its own; the options every Qt
program takes, such as -platform NAME, work as usual. See glimmerix(6).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Glimmerix is paused.  Click OK to unpause the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to Play Glimmerix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The object of Glimmerix is to create horizontal or vertical rows of three or more identical stones as quickly as possible.  This is accomplished by swapping adjacent gems.  To swap two gems, click on both of the gems to be moved.  Gems can be swapped only if doing so creates a row of three or more identical stones.  The larger the row that you create, the greater the number of points that you earn.  When a row of gems is created, that row disappears and new gems fall into its place.  Sometimes that causes more rows of gems to be created, earning you additional points.<byte value="xd"/>
<byte value="xd"/>
You have only 90 seconds to play each game.  As you play, the blue bonus bar gets smaller, but every time that you create a row, the blue bar gets a little larger.  You will receive 300 bonus points if you can get the blue bar to reach the right edge of the board.  Good luck!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Glimmerix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glimmerix 1.00<byte value="xd"/>
Written and drawn by the Glimmerix developers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No More Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no more moves available.<byte value="xd"/>
<byte value="xd"/>
Click OK to reset the board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCORE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIME:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glimmerix::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glimmerix::frmOver</name>
    <message>
        <source>GAME OVER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Would you like to play again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glimmerix::frmSplash</name>
    <message>
        <source>Welcome to Glimmerix!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by the Glimmerix developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
