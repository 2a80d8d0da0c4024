<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>BoardTableAccessible</name>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor, Space or Return presses the cell under it, Esc pauses.</source>
        <translation>Strzałki przesuwają kursor, Spacja lub Enter naciska pole, na którym stoi kursor, Esc wstrzymuje grę.</translation>
    </message>
</context>
<context>
    <name>CellNames</name>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <translation>%1, zaznaczony</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółty</translation>
    </message>
    <message>
        <source>white</source>
        <translation>biały</translation>
    </message>
    <message>
        <source>red</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>fioletowy</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>jasnoniebieski</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>pomarańczowy</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>wiersz %1</translation>
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
        <translation>Odznaczono</translation>
    </message>
    <message>
        <source>Picked %1</source>
        <translation>Zaznaczono: %1</translation>
    </message>
    <message>
        <source>Not beside the pick: %1 stays picked</source>
        <translation>To pole nie sąsiaduje z zaznaczonym, więc zaznaczona pozostaje %1</translation>
    </message>
    <message>
        <source>New board</source>
        <translation>Nowa plansza</translation>
    </message>
    <message numerus="yes">
        <source>New game: %Ln seconds</source>
        <translation>
            <numerusform>Nowa gra: %Ln sekunda</numerusform>
            <numerusform>Nowa gra: %Ln sekundy</numerusform>
            <numerusform>Nowa gra: %Ln sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>No run: the gems stay, pick dropped</source>
        <translation>Brak rzędu: klejnoty zostają na miejscu, odznaczono</translation>
    </message>
    <message numerus="yes">
        <source>%Ln seconds left</source>
        <translation>
            <numerusform>Została %Ln sekunda</numerusform>
            <numerusform>Zostały %Ln sekundy</numerusform>
            <numerusform>Zostało %Ln sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>wierszu %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolumnie %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>wierszach %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>kolumnach %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln points</source>
        <translation>
            <numerusform>%Ln punkt</numerusform>
            <numerusform>%Ln punkty</numerusform>
            <numerusform>%Ln punktów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exchanged: %Ln gems cleared in %1, %2 with a bonus of %L3. Score %L4</source>
        <translation>
            <numerusform>Zamiana: usunięto %Ln klejnot w %1, %2, w tym %L3 punktów premii. Wynik %L4</numerusform>
            <numerusform>Zamiana: usunięto %Ln klejnoty w %1, %2, w tym %L3 punktów premii. Wynik %L4</numerusform>
            <numerusform>Zamiana: usunięto %Ln klejnotów w %1, %2, w tym %L3 punktów premii. Wynik %L4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exchanged: %Ln gems cleared in %1, %2. Score %L3</source>
        <translation>
            <numerusform>Zamiana: usunięto %Ln klejnot w %1, %2. Wynik %L3</numerusform>
            <numerusform>Zamiana: usunięto %Ln klejnoty w %1, %2. Wynik %L3</numerusform>
            <numerusform>Zamiana: usunięto %Ln klejnotów w %1, %2. Wynik %L3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>unset</source>
        <translation>nieustawiona</translation>
    </message>
    <message>
        <source>glimmerix: no display to show the game on: DISPLAY and WAYLAND_DISPLAY are unset</source>
        <translation>glimmerix: brak ekranu, na którym można pokazać grę: DISPLAY i WAYLAND_DISPLAY są nieustawione</translation>
    </message>
    <message>
        <source>glimmerix: cannot open a display to show the game on (platform %1, DISPLAY %2, WAYLAND_DISPLAY %3)</source>
        <translation>glimmerix: nie można otworzyć ekranu, aby pokazać grę (platforma %1, DISPLAY %2, WAYLAND_DISPLAY %3)</translation>
    </message>
    <message>
        <source>Qt&apos;s default</source>
        <translation>domyślna dla Qt</translation>
    </message>
    <message>
        <source>A timed gem-swapping game. It has no options of its own; the options every Qt
program takes, such as -platform NAME, work as usual. See glimmerix(6).</source>
        <translation>Gra na czas polegająca na zamianie klejnotów. Nie ma własnych opcji; opcje każdego programu
Qt, takie jak -platform NAZWA, działają jak zwykle. Zobacz glimmerix(6).</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Wyświetla tę pomoc.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Wyświetla informacje o wersji.</translation>
    </message>
    <message>
        <source>glimmerix: Qt says: %1</source>
        <translation>glimmerix: Qt zgłasza: %1</translation>
    </message>
</context>
<context>
    <name>StatusBarAccessible</name>
    <message>
        <source>Time %1</source>
        <translation>Czas %1</translation>
    </message>
    <message>
        <source>Bonus bar</source>
        <translation>Pasek premii</translation>
    </message>
    <message>
        <source>Score %L1</source>
        <translation>Wynik %L1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Glimmerix is paused.  Click OK to unpause the game.</source>
        <translation>Glimmerix jest wstrzymany.  Kliknij OK, aby wznowić grę.</translation>
    </message>
    <message>
        <source>How to Play Glimmerix</source>
        <translation>Jak grać w Glimmerix</translation>
    </message>
    <message>
        <source>The object of Glimmerix is to create horizontal or vertical rows of three or more identical stones as quickly as possible.  This is accomplished by swapping adjacent gems.  To swap two gems, click on both of the gems to be moved.  Gems can be swapped only if doing so creates a row of three or more identical stones.  The larger the row that you create, the greater the number of points that you earn.  When a row of gems is created, that row disappears and new gems fall into its place.  Sometimes that causes more rows of gems to be created, earning you additional points.<byte value="xd"/>
<byte value="xd"/>
You have only 90 seconds to play each game.  As you play, the blue bonus bar gets smaller, but every time that you create a row, the blue bar gets a little larger.  You will receive 300 bonus points if you can get the blue bar to reach the right edge of the board.  Good luck!</source>
        <translation>Celem gry Glimmerix jest jak najszybsze układanie poziomych lub pionowych rzędów z co najmniej trzech jednakowych klejnotów.  Robi się to, zamieniając miejscami sąsiednie klejnoty.  Aby zamienić dwa klejnoty, kliknij najpierw jeden, a potem drugi.  Zamiana jest możliwa tylko wtedy, gdy powstaje rząd z co najmniej trzech jednakowych klejnotów.  Im dłuższy rząd, tym więcej punktów zdobywasz.  Ułożony rząd znika, a na jego miejsce spadają nowe klejnoty.  Czasem powstają przez to kolejne rzędy, za które dostajesz dodatkowe punkty.<byte value="xd"/>
<byte value="xd"/>
Na każdą grę masz tylko 90 sekund.  W trakcie gry niebieski pasek premii się skraca, ale każdy ułożony rząd trochę go wydłuża.  Jeśli doprowadzisz niebieski pasek do prawej krawędzi planszy, otrzymasz 300 punktów premii.  Powodzenia!</translation>
    </message>
    <message>
        <source>About Glimmerix</source>
        <translation>O grze Glimmerix</translation>
    </message>
    <message>
        <source>Glimmerix 1.00<byte value="xd"/>
Written and drawn by the Glimmerix developers.</source>
        <translation>Glimmerix 1.00<byte value="xd"/>
Napisali i narysowali twórcy Glimmerix.</translation>
    </message>
    <message>
        <source>No More Moves</source>
        <translation>Brak ruchów</translation>
    </message>
    <message>
        <source>There are no more moves available.<byte value="xd"/>
<byte value="xd"/>
Click OK to reset the board.</source>
        <translation>Nie ma już żadnego możliwego ruchu.<byte value="xd"/>
<byte value="xd"/>
Kliknij OK, aby ponownie wypełnić planszę.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Minął</translation>
    </message>
    <message>
        <source>SCORE:</source>
        <translation>WYNIK:</translation>
    </message>
    <message>
        <source>TIME:</source>
        <translation>CZAS:</translation>
    </message>
</context>
<context>
    <name>glimmerix::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Wstrzymaj grę</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
</context>
<context>
    <name>glimmerix::frmOver</name>
    <message>
        <source>GAME OVER</source>
        <translation>KONIEC GRY</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Wynik:</translation>
    </message>
    <message>
        <source> Would you like to play again?</source>
        <translation> Zagrasz jeszcze raz?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>TAK</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <comment>title bar</comment>
        <translation>KONIEC GRY</translation>
    </message>
    <message>
        <source>Score: %1.</source>
        <translation>Wynik: %1.</translation>
    </message>
</context>
<context>
    <name>glimmerix::frmSplash</name>
    <message>
        <source>Welcome to Glimmerix!</source>
        <translation>Witaj w Glimmerix!</translation>
    </message>
    <message>
        <source>by the Glimmerix developers</source>
        <translation>od twórców Glimmerix</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>GRAJ</translation>
    </message>
</context>
</TS>
