<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Notebook</name>
    <message numerus="yes">
        <source>Clear all %n measurements from the notebook? Undo Delete brings them back.</source>
        <translation>
            <numerusform>Clear the %n measurement from the notebook? Undo Delete brings it back.</numerusform>
            <numerusform>Clear all %n measurements from the notebook? Undo Delete brings them back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>line %1 has %n cells, not 9</source>
        <translation>
            <numerusform>line %1 has %n cell, not 9</numerusform>
            <numerusform>line %1 has %n cells, not 9</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n points</source>
        <translation>
            <numerusform>, %n point</numerusform>
            <numerusform>, %n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n points against the wavelength</source>
        <translation>
            <numerusform>, %n point against the wavelength</numerusform>
            <numerusform>, %n points against the wavelength</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n point</numerusform>
            <numerusform>%1, %n points</numerusform>
        </translation>
    </message>
</context>
</TS>
