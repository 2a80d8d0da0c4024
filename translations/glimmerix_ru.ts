<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>BoardTableAccessible</name>
    <message>
        <source>Board</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor, Space or Return presses the cell under it, Esc pauses.</source>
        <translation>Стрелки двигают курсор, Пробел или Ввод нажимают на клетку, где стоит курсор, Esc ставит игру на паузу.</translation>
    </message>
</context>
<context>
    <name>CellNames</name>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <translation>%1, выбран</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жёлтый</translation>
    </message>
    <message>
        <source>white</source>
        <translation>белый</translation>
    </message>
    <message>
        <source>red</source>
        <translation>красный</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>фиолетовый</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>голубой</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>оранжевый</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>строка %1</translation>
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
        <translation>Выбор снят</translation>
    </message>
    <message>
        <source>Picked %1</source>
        <translation>Выбрано: %1</translation>
    </message>
    <message>
        <source>Not beside the pick: %1 stays picked</source>
        <translation>Не соседняя клетка: выбранным остаётся %1</translation>
    </message>
    <message>
        <source>New board</source>
        <translation>Новое поле</translation>
    </message>
    <message numerus="yes">
        <source>New game: %Ln seconds</source>
        <translation>
            <numerusform>Новая игра: %Ln секунда</numerusform>
            <numerusform>Новая игра: %Ln секунды</numerusform>
            <numerusform>Новая игра: %Ln секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>No run: the gems stay, pick dropped</source>
        <translation>Нет ряда: самоцветы остаются на месте, выбор снят</translation>
    </message>
    <message numerus="yes">
        <source>%Ln seconds left</source>
        <translation>
            <numerusform>Осталась %Ln секунда</numerusform>
            <numerusform>Осталось %Ln секунды</numerusform>
            <numerusform>Осталось %Ln секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>строке %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>столбце %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>строках %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>столбцах %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln points</source>
        <translation>
            <numerusform>%Ln очко</numerusform>
            <numerusform>%Ln очка</numerusform>
            <numerusform>%Ln очков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exchanged: %Ln gems cleared in %1, %2 with a bonus of %L3. Score %L4</source>
        <translation>
            <numerusform>Обмен: убран %Ln самоцвет в %1, %2, из них %L3 бонусных. Счёт %L4</numerusform>
            <numerusform>Обмен: убрано %Ln самоцвета в %1, %2, из них %L3 бонусных. Счёт %L4</numerusform>
            <numerusform>Обмен: убрано %Ln самоцветов в %1, %2, из них %L3 бонусных. Счёт %L4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exchanged: %Ln gems cleared in %1, %2. Score %L3</source>
        <translation>
            <numerusform>Обмен: убран %Ln самоцвет в %1, %2. Счёт %L3</numerusform>
            <numerusform>Обмен: убрано %Ln самоцвета в %1, %2. Счёт %L3</numerusform>
            <numerusform>Обмен: убрано %Ln самоцветов в %1, %2. Счёт %L3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>unset</source>
        <translation>не задана</translation>
    </message>
    <message>
        <source>glimmerix: no display to show the game on: DISPLAY and WAYLAND_DISPLAY are unset</source>
        <translation>glimmerix: нет экрана, на котором можно показать игру: DISPLAY и WAYLAND_DISPLAY не заданы</translation>
    </message>
    <message>
        <source>glimmerix: cannot open a display to show the game on (platform %1, DISPLAY %2, WAYLAND_DISPLAY %3)</source>
        <translation>glimmerix: не удаётся открыть экран, чтобы показать игру (платформа %1, DISPLAY %2, WAYLAND_DISPLAY %3)</translation>
    </message>
    <message>
        <source>Qt&apos;s default</source>
        <translation>по умолчанию в Qt</translation>
    </message>
    <message>
        <source>A timed gem-swapping game. It has no options of its own; the options every Qt
program takes, such as -platform NAME, work as usual. See glimmerix(6).</source>
        <translation>Игра на время, в которой нужно менять местами самоцветы. Собственных параметров у неё
нет; параметры любой программы на Qt, например -platform ИМЯ, работают как обычно.
См. glimmerix(6).</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Показать эту справку.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Показать информацию о версии.</translation>
    </message>
    <message>
        <source>glimmerix: Qt says: %1</source>
        <translation>glimmerix: Qt сообщает: %1</translation>
    </message>
</context>
<context>
    <name>StatusBarAccessible</name>
    <message>
        <source>Time %1</source>
        <translation>Время %1</translation>
    </message>
    <message>
        <source>Bonus bar</source>
        <translation>Бонусная полоса</translation>
    </message>
    <message>
        <source>Score %L1</source>
        <translation>Счёт %L1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Glimmerix is paused.  Click OK to unpause the game.</source>
        <translation>Glimmerix на паузе.  Нажмите OK, чтобы продолжить игру.</translation>
    </message>
    <message>
        <source>How to Play Glimmerix</source>
        <translation>Как играть в Glimmerix</translation>
    </message>
    <message>
        <source>The object of Glimmerix is to create horizontal or vertical rows of three or more identical stones as quickly as possible.  This is accomplished by swapping adjacent gems.  To swap two gems, click on both of the gems to be moved.  Gems can be swapped only if doing so creates a row of three or more identical stones.  The larger the row that you create, the greater the number of points that you earn.  When a row of gems is created, that row disappears and new gems fall into its place.  Sometimes that causes more rows of gems to be created, earning you additional points.<byte value="xd"/>
<byte value="xd"/>
You have only 90 seconds to play each game.  As you play, the blue bonus bar gets smaller, but every time that you create a row, the blue bar gets a little larger.  You will receive 300 bonus points if you can get the blue bar to reach the right edge of the board.  Good luck!</source>
        <translation>Цель Glimmerix — как можно быстрее составлять горизонтальные или вертикальные ряды из трёх и более одинаковых самоцветов.  Для этого соседние самоцветы меняют местами.  Чтобы поменять два самоцвета, щёлкните сначала по одному, затем по другому.  Обмен возможен, только если он составляет ряд из трёх и более одинаковых самоцветов.  Чем длиннее ряд, тем больше очков вы получаете.  Составленный ряд исчезает, а на его место падают новые самоцветы.  Иногда из-за этого складываются новые ряды, которые приносят дополнительные очки.<byte value="xd"/>
<byte value="xd"/>
На каждую игру даётся всего 90 секунд.  Пока вы играете, синяя бонусная полоса укорачивается, но каждый составленный ряд немного её удлиняет.  Если довести синюю полосу до правого края поля, вы получите 300 бонусных очков.  Удачи!</translation>
    </message>
    <message>
        <source>About Glimmerix</source>
        <translation>Об игре Glimmerix</translation>
    </message>
    <message>
        <source>Glimmerix 1.00<byte value="xd"/>
Written and drawn by the Glimmerix developers.</source>
        <translation>Glimmerix 1.00<byte value="xd"/>
Написали и нарисовали разработчики Glimmerix.</translation>
    </message>
    <message>
        <source>No More Moves</source>
        <translation>Ходов больше нет</translation>
    </message>
    <message>
        <source>There are no more moves available.<byte value="xd"/>
<byte value="xd"/>
Click OK to reset the board.</source>
        <translation>Возможных ходов больше нет.<byte value="xd"/>
<byte value="xd"/>
Нажмите OK, чтобы заново заполнить поле.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>SCORE:</source>
        <translation>СЧЁТ:</translation>
    </message>
    <message>
        <source>TIME:</source>
        <translation>СЕК.:</translation>
    </message>
</context>
<context>
    <name>glimmerix::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Об игре</translation>
    </message>
</context>
<context>
    <name>glimmerix::frmOver</name>
    <message>
        <source>GAME OVER</source>
        <translation>ФИНИШ</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Счёт:</translation>
    </message>
    <message>
        <source> Would you like to play again?</source>
        <translation> Сыграть ещё раз?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>ДА</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <comment>title bar</comment>
        <translation>ИГРА ОКОНЧЕНА</translation>
    </message>
    <message>
        <source>Score: %1.</source>
        <translation>Счёт: %1.</translation>
    </message>
</context>
<context>
    <name>glimmerix::frmSplash</name>
    <message>
        <source>Welcome to Glimmerix!</source>
        <translation>Добро пожаловать в Glimmerix!</translation>
    </message>
    <message>
        <source>by the Glimmerix developers</source>
        <translation>от разработчиков Glimmerix</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>ИГРАТЬ</translation>
    </message>
</context>
</TS>
