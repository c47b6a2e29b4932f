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
    <name>Projekt</name>
    <message>
        <source>Die Eingabe ergibt kein Diagramm: %1</source>
        <translation>The input gives no chart: %1</translation>
    </message>
    <message>
        <source>Beim eingegebenen Gesamtdruck lässt sich kein Zustand berechnen.</source>
        <translation>No state can be computed at the entered total pressure.</translation>
    </message>
    <message>
        <source>Den Namen %1 trägt schon %2.</source>
        <translation>The name %1 is already taken by %2.</translation>
    </message>
    <message>
        <source>Den Ausgangszustand %1 macht erst ein späterer Prozess.</source>
        <translation>The starting state %1 is only made by a later process.</translation>
    </message>
    <message>
        <source>Den Ausgangszustand %1 gibt es nicht.</source>
        <translation>The starting state %1 does not exist.</translation>
    </message>
    <message>
        <source>Der Ausgangszustand %1 ist nicht berechnet.</source>
        <translation>The starting state %1 is not computed.</translation>
    </message>
    <message>
        <source>„wetterjahr“: Eine Messreihe %1 gibt es im Projekt nicht.</source>
        <translation>“wetterjahr”: The project has no measured series %1.</translation>
    </message>
    <message>
        <source>Summe Heizen (zugeführt)</source>
        <translation>Total heating (supplied)</translation>
    </message>
    <message>
        <source>Summe Befeuchten (zugeführt)</source>
        <translation>Total humidification (supplied)</translation>
    </message>
    <message>
        <source>Summe Kühlen (entzogen, Kondensat abgeschieden)</source>
        <translation>Total cooling (removed, condensate separated)</translation>
    </message>
    <message>
        <source>Fortluft ϑ = %1 °C</source>
        <translation>Exhaust air ϑ = %1 °C</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>außerhalb des Diagramms</source>
        <translation>outside the chart</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Von</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Nach</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Messreihe</source>
        <translation>Measured series</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Unmöglich</source>
        <translation>Impossible</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Innen</source>
        <translation>Inside</translation>
    </message>
    <message>
        <source>Anteil [%]</source>
        <translation>Share [%]</translation>
    </message>
    <message>
        <source>Endtemperatur ϑ [°C]</source>
        <translation>End temperature ϑ [°C]</translation>
    </message>
    <message>
        <source>Bypassfaktor BF</source>
        <translation>Bypass factor BF</translation>
    </message>
    <message>
        <source>Wassertemperatur ϑW [°C]</source>
        <translation>Water temperature ϑW [°C]</translation>
    </message>
    <message>
        <source>Dampftemperatur ϑD [°C]</source>
        <translation>Steam temperature ϑD [°C]</translation>
    </message>
    <message>
        <source>Richtung ε [kJ/kg]</source>
        <translation>Direction ε [kJ/kg]</translation>
    </message>
    <message>
        <source>Rückwärmzahl Φ</source>
        <translation>Heat recovery ratio Φ</translation>
    </message>
    <message>
        <source>Feuchterückgewinnung Ψ</source>
        <translation>Moisture recovery Ψ</translation>
    </message>
    <message>
        <source>Massenstrom 1 [kg/h]</source>
        <translation>Mass flow 1 [kg/h]</translation>
    </message>
    <message>
        <source>Massenstrom 2 [kg/h]</source>
        <translation>Mass flow 2 [kg/h]</translation>
    </message>
    <message>
        <source>oder Außenluftanteil von 1 [%]</source>
        <translation>or outdoor air share of 1 [%]</translation>
    </message>
    <message>
        <source>Massenstrom trockener Luft [kg/h]</source>
        <translation>Mass flow of dry air [kg/h]</translation>
    </message>
    <message>
        <source>oder Volumenstrom feuchter Luft [m³/h]</source>
        <translation>or volume flow of humid air [m³/h]</translation>
    </message>
    <message>
        <source>Massenstrom trockener Abluft [kg/h]</source>
        <translation>Mass flow of dry extract air [kg/h]</translation>
    </message>
    <message>
        <source>ϑ und φ</source>
        <translation>ϑ and φ</translation>
    </message>
    <message>
        <source>ϑ und x</source>
        <translation>ϑ and x</translation>
    </message>
    <message>
        <source>h und x</source>
        <translation>h and x</translation>
    </message>
    <message>
        <source>ϑ und Taupunkt</source>
        <translation>ϑ and dew point</translation>
    </message>
    <message>
        <source>ϑ und Kühlgrenztemperatur</source>
        <translation>ϑ and wet-bulb temperature</translation>
    </message>
    <message>
        <source>x und φ</source>
        <translation>x and φ</translation>
    </message>
    <message>
        <source>Oberflächentemperatur ϑO [°C]</source>
        <translation>Surface temperature ϑO [°C]</translation>
    </message>
    <message>
        <source>Nebel</source>
        <translation>Fog</translation>
    </message>
    <message>
        <source>Wasser [g/kg]</source>
        <translation>Water [g/kg]</translation>
    </message>
    <message>
        <source>Eis [g/kg]</source>
        <translation>Ice [g/kg]</translation>
    </message>
    <message>
        <source>Leistung [kW]</source>
        <translation>Power [kW]</translation>
    </message>
    <message>
        <source>Wasser [kg/h]</source>
        <translation>Water [kg/h]</translation>
    </message>
</context>
</TS>
