<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BoardTableAccessible</name>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor, Space or Return presses the cell under it, Esc pauses.</source>
        <translation>As setas movem o cursor, Espaço ou Enter aperta a casa onde está o cursor, Esc pausa o jogo.</translation>
    </message>
</context>
<context>
    <name>CellNames</name>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <translation>%1, selecionada</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarela</translation>
    </message>
    <message>
        <source>white</source>
        <translation>branca</translation>
    </message>
    <message>
        <source>red</source>
        <translation>vermelha</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>roxa</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>azul-clara</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>laranja</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>linha %1</translation>
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
        <translation>Seleção desfeita</translation>
    </message>
    <message>
        <source>Picked %1</source>
        <translation>Selecionada: %1</translation>
    </message>
    <message>
        <source>Not beside the pick: %1 stays picked</source>
        <translation>Não está ao lado da seleção: %1 continua selecionada</translation>
    </message>
    <message>
        <source>New board</source>
        <translation>Novo tabuleiro</translation>
    </message>
    <message numerus="yes">
        <source>New game: %Ln seconds</source>
        <translation>
            <numerusform>Novo jogo: %Ln segundo</numerusform>
            <numerusform>Novo jogo: %Ln segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>No run: the gems stay, pick dropped</source>
        <translation>Sem sequência: as gemas ficam no lugar, seleção desfeita</translation>
    </message>
    <message numerus="yes">
        <source>%Ln seconds left</source>
        <translation>
            <numerusform>Falta %Ln segundo</numerusform>
            <numerusform>Faltam %Ln segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>na linha %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>na coluna %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>nas linhas %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>nas colunas %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln points</source>
        <translation>
            <numerusform>%Ln ponto</numerusform>
            <numerusform>%Ln pontos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exchanged: %Ln gems cleared in %1, %2 with a bonus of %L3. Score %L4</source>
        <translation>
            <numerusform>Troca: %Ln gema eliminada %1, %2 com bônus de %L3. Pontuação %L4</numerusform>
            <numerusform>Troca: %Ln gemas eliminadas %1, %2 com bônus de %L3. Pontuação %L4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exchanged: %Ln gems cleared in %1, %2. Score %L3</source>
        <translation>
            <numerusform>Troca: %Ln gema eliminada %1, %2. Pontuação %L3</numerusform>
            <numerusform>Troca: %Ln gemas eliminadas %1, %2. Pontuação %L3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>unset</source>
        <translation>não definida</translation>
    </message>
    <message>
        <source>glimmerix: no display to show the game on: DISPLAY and WAYLAND_DISPLAY are unset</source>
        <translation>glimmerix: não há tela onde mostrar o jogo: DISPLAY e WAYLAND_DISPLAY não estão definidas</translation>
    </message>
    <message>
        <source>glimmerix: cannot open a display to show the game on (platform %1, DISPLAY %2, WAYLAND_DISPLAY %3)</source>
        <translation>glimmerix: não foi possível abrir uma tela onde mostrar o jogo (plataforma %1, DISPLAY %2, WAYLAND_DISPLAY %3)</translation>
    </message>
    <message>
        <source>Qt&apos;s default</source>
        <translation>a padrão do Qt</translation>
    </message>
    <message>
        <source>A timed gem-swapping game. It has no options of its own; the options every Qt
program takes, such as -platform NAME, work as usual. See glimmerix(6).</source>
        <translation>Um jogo de trocar gemas contra o relógio. Ele não tem opções próprias; as opções de todo
programa Qt, como -platform NOME, funcionam como sempre. Veja glimmerix(6).</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra informações da versão.</translation>
    </message>
    <message>
        <source>glimmerix: Qt says: %1</source>
        <translation>glimmerix: o Qt diz: %1</translation>
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
        <translation>Barra de bônus</translation>
    </message>
    <message>
        <source>Score %L1</source>
        <translation>Pontuação %L1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Glimmerix is paused.  Click OK to unpause the game.</source>
        <translation>O Glimmerix está pausado.  Clique em OK para continuar o jogo.</translation>
    </message>
    <message>
        <source>How to Play Glimmerix</source>
        <translation>Como jogar Glimmerix</translation>
    </message>
    <message>
        <source>The object of Glimmerix is to create horizontal or vertical rows of three or more identical stones as quickly as possible.  This is accomplished by swapping adjacent gems.  To swap two gems, click on both of the gems to be moved.  Gems can be swapped only if doing so creates a row of three or more identical stones.  The larger the row that you create, the greater the number of points that you earn.  When a row of gems is created, that row disappears and new gems fall into its place.  Sometimes that causes more rows of gems to be created, earning you additional points.<byte value="xd"/>
<byte value="xd"/>
You have only 90 seconds to play each game.  As you play, the blue bonus bar gets smaller, but every time that you create a row, the blue bar gets a little larger.  You will receive 300 bonus points if you can get the blue bar to reach the right edge of the board.  Good luck!</source>
        <translation>O objetivo do Glimmerix é formar, o mais rápido possível, sequências horizontais ou verticais de três ou mais gemas iguais.  Para isso, você troca gemas vizinhas.  Para trocar duas gemas, clique em uma e depois na outra.  A troca só é possível se formar uma sequência de três ou mais gemas iguais.  Quanto maior a sequência, mais pontos você ganha.  Quando uma sequência se forma, ela desaparece e novas gemas caem no lugar dela.  Às vezes isso forma mais sequências, que rendem pontos extras.<byte value="xd"/>
<byte value="xd"/>
Cada jogo dura só 90 segundos.  Enquanto você joga, a barra de bônus azul diminui, mas cada sequência que você forma a aumenta um pouco.  Se você levar a barra azul até a borda direita do tabuleiro, ganha 300 pontos de bônus.  Boa sorte!</translation>
    </message>
    <message>
        <source>About Glimmerix</source>
        <translation>Sobre o Glimmerix</translation>
    </message>
    <message>
        <source>Glimmerix 1.00<byte value="xd"/>
Written and drawn by the Glimmerix developers.</source>
        <translation>Glimmerix 1.00<byte value="xd"/>
Escrito e desenhado pelos desenvolvedores do Glimmerix.</translation>
    </message>
    <message>
        <source>No More Moves</source>
        <translation>Sem mais jogadas</translation>
    </message>
    <message>
        <source>There are no more moves available.<byte value="xd"/>
<byte value="xd"/>
Click OK to reset the board.</source>
        <translation>Não há mais jogadas possíveis.<byte value="xd"/>
<byte value="xd"/>
Clique em OK para preencher o tabuleiro de novo.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Acabou</translation>
    </message>
    <message>
        <source>SCORE:</source>
        <translation>PONTOS</translation>
    </message>
    <message>
        <source>TIME:</source>
        <translation>SEG.</translation>
    </message>
</context>
<context>
    <name>glimmerix::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Pausar jogo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>glimmerix::frmOver</name>
    <message>
        <source>GAME OVER</source>
        <translation>ACABOU</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Pontos:</translation>
    </message>
    <message>
        <source> Would you like to play again?</source>
        <translation> Quer jogar de novo?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SIM</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <comment>title bar</comment>
        <translation>FIM DE JOGO</translation>
    </message>
    <message>
        <source>Score: %1.</source>
        <translation>Pontuação: %1.</translation>
    </message>
</context>
<context>
    <name>glimmerix::frmSplash</name>
    <message>
        <source>Welcome to Glimmerix!</source>
        <translation>Boas-vindas ao Glimmerix!</translation>
    </message>
    <message>
        <source>by the Glimmerix developers</source>
        <translation>pelos desenvolvedores do Glimmerix</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>JOGAR</translation>
    </message>
</context>
</TS>
