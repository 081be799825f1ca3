<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>TstCatalogue</name>
    <message>
        <source>Paste Text Format Error.</source>
        <translation>Fehler im Format des eingefügten Textes.</translation>
    </message>
</context>
<context>
    <name>FrequencyViewCtrl</name>
    <message>
        <source>Unknown Format.</source>
        <translation>Unbekanntes Format.</translation>
    </message>
</context>
</TS>
