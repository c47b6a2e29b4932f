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
<context>
    <name>lumora::Messreihenmodell</name>
    <message>
        <source>innen %1 (%2 %)</source>
        <translation>inside %1 (%2 %)</translation>
    </message>
    <message>
        <source>außen %1 (%2 %)</source>
        <translation>outside %1 (%2 %)</translation>
    </message>
    <message>
        <source>Quelle</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>unmöglich</source>
        <translation>impossible</translation>
    </message>
    <message>
        <source>Stunden</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Auslegungswerte</source>
        <translation>Design values</translation>
    </message>
    <message>
        <source>in „%1“</source>
        <translation>in “%1”</translation>
    </message>
</context>
<context>
    <name>lumora::Projektsitzung</name>
    <message>
        <source>Unbenannt</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <source>Untere Grenze ändern</source>
        <translation>Change Lower Limit</translation>
    </message>
    <message>
        <source>Randmaßstab zeigen</source>
        <translation>Show Edge Scale</translation>
    </message>
    <message>
        <source>Randmaßstab verbergen</source>
        <translation>Hide Edge Scale</translation>
    </message>
    <message>
        <source>Messreihe zeigen</source>
        <translation>Show Measured Series</translation>
    </message>
    <message>
        <source>Messreihe verbergen</source>
        <translation>Hide Measured Series</translation>
    </message>
</context>
<context>
    <name>lumora::Projekttabelle</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>%1 g/kg Wasser</source>
        <translation>%1 g/kg water</translation>
    </message>
    <message>
        <source>%1 g/kg Eis</source>
        <translation>%1 g/kg ice</translation>
    </message>
    <message>
        <source>Mischnebel, %1, %2</source>
        <translation>Mixed fog, %1, %2</translation>
    </message>
    <message>
        <source>Eisnebel, %1</source>
        <translation>Ice fog, %1</translation>
    </message>
    <message>
        <source>Nebel, %1</source>
        <translation>Fog, %1</translation>
    </message>
    <message>
        <source>unter der unteren Grenze</source>
        <translation>below the lower limit</translation>
    </message>
    <message>
        <source>außerhalb des Diagramms</source>
        <translation>outside the chart</translation>
    </message>
</context>
<context>
    <name>lumora::Prozessmodell</name>
    <message>
        <source>Art</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>von</source>
        <translation>from</translation>
    </message>
    <message>
        <source>nach</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameters</translation>
    </message>
</context>
<context>
    <name>lumora::Zonenmodell</name>
    <message>
        <source>offen</source>
        <translation>open</translation>
    </message>
</context>
<context>
    <name>lumora::Zustandsmodell</name>
    <message>
        <source>Eingabe</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>aus Prozess: %1</source>
        <translation>from process: %1</translation>
    </message>
    <message>
        <source>%1 (Reifpunkt)</source>
        <translation>%1 (frost point)</translation>
    </message>
    <message>
        <source>„%1“ ist keine Zahl.</source>
        <translation>“%1” is not a number.</translation>
    </message>
    <message>
        <source>Wert ändern</source>
        <translation>Change Value</translation>
    </message>
</context>
</TS>
