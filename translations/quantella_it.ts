<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="it_IT">
<context>
    <name>Esercizio</name>
    <message numerus="yes">
        <source>%n simboli</source>
        <comment>the symbols the child has placed</comment>
        <translation>
            <numerusform>%n simbolo</numerusform>
            <numerusform>%n simboli</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Erano %1.</source>
        <comment>said after a mistake: how many there were; %1 is the number in words</comment>
        <translation>
            <numerusform>Era %1.</numerusform>
            <numerusform>Erano %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n oggetti</source>
        <comment>objects in the child&apos;s set</comment>
        <translation>
            <numerusform>%n oggetto</numerusform>
            <numerusform>%n oggetti</numerusform>
        </translation>
    </message>
</context>
</TS>
