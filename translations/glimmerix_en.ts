<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Narrator</name>
    <message numerus="yes">
        <source>New game: %Ln seconds</source>
        <translation>
            <numerusform>New game: %Ln second</numerusform>
            <numerusform>New game: %Ln seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln seconds left</source>
        <translation>
            <numerusform>%Ln second left</numerusform>
            <numerusform>%Ln seconds left</numerusform>
        </translation>
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
            <numerusform>Exchanged: %Ln gem cleared in %1, %2 with a bonus of %L3. Score %L4</numerusform>
            <numerusform>Exchanged: %Ln gems cleared in %1, %2 with a bonus of %L3. Score %L4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exchanged: %Ln gems cleared in %1, %2. Score %L3</source>
        <translation>
            <numerusform>Exchanged: %Ln gem cleared in %1, %2. Score %L3</numerusform>
            <numerusform>Exchanged: %Ln gems cleared in %1, %2. Score %L3</numerusform>
        </translation>
    </message>
</context>
</TS>
