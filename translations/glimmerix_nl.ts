<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>BoardTableAccessible</name>
    <message>
        <source>Board</source>
        <translation>Speelveld</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor, Space or Return presses the cell under it, Esc pauses.</source>
        <translation>De pijltjestoetsen verplaatsen de cursor, Spatie of Enter drukt op het vak waarop de cursor staat, Esc pauzeert.</translation>
    </message>
</context>
<context>
    <name>CellNames</name>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <translation>%1, geselecteerd</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>white</source>
        <translation>wit</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>paars</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>lichtblauw</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>oranje</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rij %1</translation>
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
        <translation>Selectie opgeheven</translation>
    </message>
    <message>
        <source>Picked %1</source>
        <translation>Geselecteerd: %1</translation>
    </message>
    <message>
        <source>Not beside the pick: %1 stays picked</source>
        <translation>Niet naast de selectie: %1 blijft geselecteerd</translation>
    </message>
    <message>
        <source>New board</source>
        <translation>Nieuw speelveld</translation>
    </message>
    <message numerus="yes">
        <source>New game: %Ln seconds</source>
        <translation>
            <numerusform>Nieuw spel: %Ln seconde</numerusform>
            <numerusform>Nieuw spel: %Ln seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>No run: the gems stay, pick dropped</source>
        <translation>Geen rij van drie: de edelstenen blijven liggen, selectie opgeheven</translation>
    </message>
    <message numerus="yes">
        <source>%Ln seconds left</source>
        <translation>
            <numerusform>Nog %Ln seconde</numerusform>
            <numerusform>Nog %Ln seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rij %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolom %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>rijen %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>kolommen %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln points</source>
        <translation>
            <numerusform>%Ln punt</numerusform>
            <numerusform>%Ln punten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exchanged: %Ln gems cleared in %1, %2 with a bonus of %L3. Score %L4</source>
        <translation>
            <numerusform>Geruild: %Ln edelsteen weggespeeld in %1, %2 met %L3 bonuspunten. Totaal %L4</numerusform>
            <numerusform>Geruild: %Ln edelstenen weggespeeld in %1, %2 met %L3 bonuspunten. Totaal %L4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exchanged: %Ln gems cleared in %1, %2. Score %L3</source>
        <translation>
            <numerusform>Geruild: %Ln edelsteen weggespeeld in %1, %2. Totaal %L3</numerusform>
            <numerusform>Geruild: %Ln edelstenen weggespeeld in %1, %2. Totaal %L3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>unset</source>
        <translation>niet ingesteld</translation>
    </message>
    <message>
        <source>glimmerix: no display to show the game on: DISPLAY and WAYLAND_DISPLAY are unset</source>
        <translation>glimmerix: geen beeldscherm om het spel op te tonen: DISPLAY en WAYLAND_DISPLAY zijn niet ingesteld</translation>
    </message>
    <message>
        <source>glimmerix: cannot open a display to show the game on (platform %1, DISPLAY %2, WAYLAND_DISPLAY %3)</source>
        <translation>glimmerix: kan geen beeldscherm openen om het spel op te tonen (platform %1, DISPLAY %2, WAYLAND_DISPLAY %3)</translation>
    </message>
    <message>
        <source>Qt&apos;s default</source>
        <translation>standaard van Qt</translation>
    </message>
    <message>
        <source>A timed gem-swapping game. It has no options of its own; the options every Qt
program takes, such as -platform NAME, work as usual. See glimmerix(6).</source>
        <translation>Een spel tegen de klok waarin je edelstenen ruilt. Het heeft geen eigen opties; de opties
van elk Qt-programma, zoals -platform NAAM, werken zoals altijd. Zie glimmerix(6).</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Toont deze hulp.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Toont versie-informatie.</translation>
    </message>
    <message>
        <source>glimmerix: Qt says: %1</source>
        <translation>glimmerix: Qt meldt: %1</translation>
    </message>
</context>
<context>
    <name>StatusBarAccessible</name>
    <message>
        <source>Time %1</source>
        <translation>Tijd %1</translation>
    </message>
    <message>
        <source>Bonus bar</source>
        <translation>Bonusbalk</translation>
    </message>
    <message>
        <source>Score %L1</source>
        <translation>Totaal %L1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Glimmerix is paused.  Click OK to unpause the game.</source>
        <translation>Glimmerix is gepauzeerd.  Klik op OK om verder te spelen.</translation>
    </message>
    <message>
        <source>How to Play Glimmerix</source>
        <translation>Zo speel je Glimmerix</translation>
    </message>
    <message>
        <source>The object of Glimmerix is to create horizontal or vertical rows of three or more identical stones as quickly as possible.  This is accomplished by swapping adjacent gems.  To swap two gems, click on both of the gems to be moved.  Gems can be swapped only if doing so creates a row of three or more identical stones.  The larger the row that you create, the greater the number of points that you earn.  When a row of gems is created, that row disappears and new gems fall into its place.  Sometimes that causes more rows of gems to be created, earning you additional points.<byte value="xd"/>
<byte value="xd"/>
You have only 90 seconds to play each game.  As you play, the blue bonus bar gets smaller, but every time that you create a row, the blue bar gets a little larger.  You will receive 300 bonus points if you can get the blue bar to reach the right edge of the board.  Good luck!</source>
        <translation>Het doel van Glimmerix is zo snel mogelijk horizontale of verticale rijen van drie of meer gelijke edelstenen te vormen.  Dat doe je door naast elkaar liggende edelstenen te ruilen.  Klik op twee edelstenen na elkaar om ze te ruilen.  Ruilen kan alleen als daardoor een rij van drie of meer gelijke edelstenen ontstaat.  Hoe langer de rij, hoe meer punten je verdient.  Een gevormde rij verdwijnt en nieuwe edelstenen vallen op haar plaats.  Soms ontstaan daardoor nog meer rijen, die je extra punten opleveren.<byte value="xd"/>
<byte value="xd"/>
Je hebt voor elk spel maar 90 seconden.  Terwijl je speelt, wordt de blauwe bonusbalk korter, maar met elke rij die je vormt, groeit hij een stukje.  Krijg je de blauwe balk tot aan de rechterrand van het speelveld, dan ontvang je 300 bonuspunten.  Veel succes!</translation>
    </message>
    <message>
        <source>About Glimmerix</source>
        <translation>Over Glimmerix</translation>
    </message>
    <message>
        <source>Glimmerix 1.00<byte value="xd"/>
Written and drawn by the Glimmerix developers.</source>
        <translation>Glimmerix 1.00<byte value="xd"/>
Geschreven en getekend door de ontwikkelaars van Glimmerix.</translation>
    </message>
    <message>
        <source>No More Moves</source>
        <translation>Geen zetten meer</translation>
    </message>
    <message>
        <source>There are no more moves available.<byte value="xd"/>
<byte value="xd"/>
Click OK to reset the board.</source>
        <translation>Er is geen zet meer mogelijk.<byte value="xd"/>
<byte value="xd"/>
Klik op OK om het speelveld opnieuw te vullen.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>SCORE:</source>
        <translation>TOTAAL</translation>
    </message>
    <message>
        <source>TIME:</source>
        <translation>TIJD</translation>
    </message>
</context>
<context>
    <name>glimmerix::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Spel pauzeren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>H&amp;ulp</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spelregels</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
</context>
<context>
    <name>glimmerix::frmOver</name>
    <message>
        <source>GAME OVER</source>
        <translation>AFGELOPEN</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Totaal:</translation>
    </message>
    <message>
        <source> Would you like to play again?</source>
        <translation> Wil je nog een keer spelen?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <comment>title bar</comment>
        <translation>AFGELOPEN</translation>
    </message>
    <message>
        <source>Score: %1.</source>
        <translation>Totaal: %1.</translation>
    </message>
</context>
<context>
    <name>glimmerix::frmSplash</name>
    <message>
        <source>Welcome to Glimmerix!</source>
        <translation>Welkom bij Glimmerix!</translation>
    </message>
    <message>
        <source>by the Glimmerix developers</source>
        <translation>door de ontwikkelaars van Glimmerix</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>SPELEN</translation>
    </message>
</context>
</TS>
