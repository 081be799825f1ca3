<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>JobPanel</name>
    <message>
        <source>Job Edit</source>
        <translation>Auftrag bearbeiten</translation>
    </message>
</context>
</TS>
