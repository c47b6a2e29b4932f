<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>Diagramm</name>
    <message>
        <source>Gesamtdruck  = %1  hPa</source>
        <translation>Total pressure  = %1  hPa</translation>
    </message>
</context>
</TS>
