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
    <name>lumora::Abgabendialog</name>
    <message>
        <source>Abgaben bewerten</source>
        <translation>Grade Hand-ins</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>von</source>
        <translation>of</translation>
    </message>
    <message>
        <source>Aufgabe %1</source>
        <translation>Task %1</translation>
    </message>
    <message>
        <source>Noten speichern …</source>
        <translation>Save Grades …</translation>
    </message>
    <message>
        <source>Abgabe öffnen</source>
        <translation>Open Hand-in</translation>
    </message>
    <message>
        <source>Noten speichern</source>
        <translation>Save Grades</translation>
    </message>
    <message>
        <source>noten.csv</source>
        <translation>grades.csv</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV Files (*.csv)</translation>
    </message>
    <message>
        <source>Die Noten wurden nicht gespeichert.

%1</source>
        <translation>The grades were not saved.

%1</translation>
    </message>
</context>
<context>
    <name>lumora::Ablesefeld</name>
    <message>
        <source>Klasse %1…%2 °C, %3…%4 g/kg: %5 h</source>
        <translation>Class %1…%2 °C, %3…%4 g/kg: %5 h</translation>
    </message>
    <message>
        <source>Nebelgebiet</source>
        <translation>Fog region</translation>
    </message>
    <message>
        <source>Mischnebel</source>
        <translation>Mixed fog</translation>
    </message>
    <message>
        <source>Eisnebel</source>
        <translation>Ice fog</translation>
    </message>
    <message>
        <source>x − xS = %1 g/kg Wasser</source>
        <translation>x − xS = %1 g/kg water</translation>
    </message>
    <message>
        <source>Wasser = %1 g/kg</source>
        <translation>Water = %1 g/kg</translation>
    </message>
    <message>
        <source>Eis = %1 g/kg</source>
        <translation>Ice = %1 g/kg</translation>
    </message>
    <message>
        <source>über der Siedetemperatur</source>
        <translation>above the boiling point</translation>
    </message>
    <message>
        <source>Reifpunkt = %1 °C</source>
        <translation>Frost point = %1 °C</translation>
    </message>
</context>
<context>
    <name>lumora::Anfangsdialog</name>
    <message>
        <source>Lumora     h,x-Diagramm für feuchte Luft    %1    %2</source>
        <translation>Lumora     h,x chart of humid air    %1    %2</translation>
    </message>
    <message>
        <source>Lumora nach Mollier</source>
        <translation>Lumora after Mollier</translation>
    </message>
    <message>
        <source>Berechnung von Lumoraen für frei gewählte Temperatur-          und Feuchtegrenzen bei Vorgabe des Gesamtdruckes</source>
        <translation>Computation of Lumora charts for freely chosen temperature and humidity limits at a given total pressure</translation>
    </message>
    <message>
        <source>Lumora – h,x-Diagramme für Lehre und Praxis</source>
        <translation>Lumora – h,x charts for teaching and practice</translation>
    </message>
    <message>
        <source>Zahlenwerte wie gewünscht überschreiben !</source>
        <translation>Overwrite the values as you wish !</translation>
    </message>
    <message>
        <source>fett</source>
        <translation>bold</translation>
    </message>
    <message>
        <source>dünn</source>
        <translation>thin</translation>
    </message>
    <message>
        <source>gesamt</source>
        <translation>total</translation>
    </message>
    <message>
        <source>Berechne Diagramm !</source>
        <translation>Compute Chart !</translation>
    </message>
    <message>
        <source>Lumora - Anfangsdialog</source>
        <translation>Lumora - Start Dialog</translation>
    </message>
    <message>
        <source>Lumora - Eingabe</source>
        <translation>Lumora - Input</translation>
    </message>
</context>
<context>
    <name>lumora::Anwendung</name>
    <message>
        <source>Zustände und Prozesse …</source>
        <translation>States and Processes …</translation>
    </message>
    <message>
        <source>Eingaben ändern</source>
        <translation>Change Inputs</translation>
    </message>
    <message>
        <source>Lumora wurde beim letzten Mal nicht ordnungsgemäß beendet. Ein ungespeichertes Projekt wurde gesichert.</source>
        <translation>Lumora did not end properly last time. An unsaved project was kept.</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Das gesicherte Projekt lässt sich nicht wiederherstellen; die Sicherung bleibt liegen.

%1</source>
        <translation>The kept project cannot be restored; its backup stays where it is.

%1</translation>
    </message>
    <message>
        <source>Zustand verschieben</source>
        <translation>Move State</translation>
    </message>
    <message>
        <source>Lumora - Untere Grenze</source>
        <translation>Lumora - Lower Limit</translation>
    </message>
    <message>
        <source>Die tiefste Temperatur des Diagramms, von −50 bis 0 °C. Unter 0 °C gilt die Sättigung über Eis.</source>
        <translation>The lowest temperature of the chart, from −50 to 0 °C. Below 0 °C, saturation over ice applies.</translation>
    </message>
    <message>
        <source>Zustand eintragen</source>
        <translation>Add State</translation>
    </message>
</context>
<context>
    <name>lumora::Aufgabenformular</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Zustand oder Prozess</source>
        <translation>State or process</translation>
    </message>
    <message>
        <source>Zustand</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Prozess</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>Toleranz</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
</context>
<context>
    <name>lumora::Diagrammfenster</name>
    <message>
        <source>h,x-Diagramm</source>
        <translation>h,x chart</translation>
    </message>
    <message>
        <source>Lumora - Exportieren</source>
        <translation>Lumora - Export</translation>
    </message>
    <message>
        <source>Das Fenster zeigt einen Ausschnitt des Diagramms. Was soll exportiert werden?</source>
        <translation>The window shows part of the chart. What should be exported?</translation>
    </message>
    <message>
        <source>Ganzes Diagramm</source>
        <translation>Whole Chart</translation>
    </message>
    <message>
        <source>Sichtbarer Ausschnitt</source>
        <translation>Visible Part</translation>
    </message>
    <message>
        <source>Diagramm speichern unter</source>
        <translation>Save Chart As</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png);;SVG-Grafik (*.svg);;PDF-Dokument (*.pdf)</source>
        <translation>PNG Image (*.png);;SVG Graphic (*.svg);;PDF Document (*.pdf)</translation>
    </message>
    <message>
        <source>Lumora - Speichern</source>
        <translation>Lumora - Save</translation>
    </message>
    <message>
        <source>Lumora h,x-Diagramm</source>
        <translation>Lumora h,x chart</translation>
    </message>
    <message>
        <source>Lumora  %1   %2  -  h,x-Diagramm</source>
        <translation>Lumora  %1   %2  -  h,x Chart</translation>
    </message>
    <message>
        <source>Exportieren …</source>
        <translation>Export …</translation>
    </message>
    <message>
        <source>Drucken …</source>
        <translation>Print …</translation>
    </message>
    <message>
        <source>In die Zwischenablage kopieren</source>
        <translation>Copy to Clipboard</translation>
    </message>
    <message>
        <source>Eingaben ändern …</source>
        <translation>Change Inputs …</translation>
    </message>
    <message>
        <source>Vergrößern</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Verkleinern</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Untere Grenze …</source>
        <translation>Lower Limit …</translation>
    </message>
    <message>
        <source>Enthalpieetiketten</source>
        <translation>Enthalpy Labels</translation>
    </message>
    <message>
        <source>Zustand hier eintragen</source>
        <translation>Add State Here</translation>
    </message>
</context>
<context>
    <name>lumora::Hilfe</name>
    <message>
        <source>Lumora - Handbuch</source>
        <translation>Lumora - Manual</translation>
    </message>
    <message>
        <source>Lumora - Tastenkürzel</source>
        <translation>Lumora - Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tastenkürzel&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Keyboard Shortcuts&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>MIT-Lizenz</source>
        <translation>MIT License</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Lumora %1&lt;/h3&gt;&lt;p&gt;Das h,x-Diagramm feuchter Luft nach Mollier, mit Zuständen, Prozessen, Messreihen und Zonen.&lt;/p&gt;&lt;p&gt;Version %1 (%2), Stand %3&lt;/p&gt;&lt;p&gt;%4&lt;br&gt;Freie Software unter der %5.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Lumora %1&lt;/h3&gt;&lt;p&gt;The h,x chart of humid air after Mollier, with states, processes, measured series and zones.&lt;/p&gt;&lt;p&gt;Version %1 (%2), release %3&lt;/p&gt;&lt;p&gt;%4&lt;br&gt;Free software under the %5.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Über Lumora</source>
        <translation>About Lumora</translation>
    </message>
</context>
<context>
    <name>lumora::Uebungsfenster</name>
    <message>
        <source>Übung</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>Lösung zeigen</source>
        <translation>Show Solution</translation>
    </message>
    <message>
        <source>Aufgabe hinzufügen …</source>
        <translation>Add Task …</translation>
    </message>
    <message>
        <source>%1 Punkt</source>
        <translation>%1 point</translation>
    </message>
    <message>
        <source>%1 Punkte</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>Aufgabe %1 bearbeiten, verschieben oder löschen</source>
        <translation>Edit, move or delete task %1</translation>
    </message>
    <message>
        <source>Aufgabe bearbeiten …</source>
        <translation>Edit Task …</translation>
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
        <source>Aufgabe löschen</source>
        <translation>Delete Task</translation>
    </message>
    <message>
        <source>Antwort</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>aus dem Diagramm übernehmen</source>
        <translation>take from the chart</translation>
    </message>
    <message>
        <source>Übernimmt %1 von „%2“ aus dem eigenen Diagramm.</source>
        <translation>Takes %1 of “%2” from your own chart.</translation>
    </message>
    <message>
        <source>Bewertet gegen „%1“: %2 von %3 Punkten.</source>
        <translation>Graded against “%1”: %2 of %3 points.</translation>
    </message>
    <message>
        <source>Aufgabe %1: „%2“ ist keine Zahl.</source>
        <translation>Task %1: “%2” is not a number.</translation>
    </message>
    <message>
        <source>Antwort eingeben</source>
        <translation>Enter Answer</translation>
    </message>
    <message>
        <source>Antwort löschen</source>
        <translation>Delete Answer</translation>
    </message>
    <message>
        <source>Aufgabe %1: %2</source>
        <translation>Task %1: %2</translation>
    </message>
    <message>
        <source>Antwort übernehmen</source>
        <translation>Take Answer</translation>
    </message>
    <message>
        <source>Aufgabe hinzufügen</source>
        <translation>Add Task</translation>
    </message>
    <message>
        <source>Aufgabe %1 bearbeiten</source>
        <translation>Edit Task %1</translation>
    </message>
    <message>
        <source>Aufgabe bearbeiten</source>
        <translation>Edit Task</translation>
    </message>
    <message>
        <source>Aufgabe verschieben</source>
        <translation>Move Task</translation>
    </message>
    <message>
        <source>Die Übung würde die Lösung überschreiben; bitte einen anderen Dateinamen wählen.</source>
        <translation>The exercise would overwrite the solution; please choose another file name.</translation>
    </message>
    <message>
        <source>Aufgabe.lumora</source>
        <translation>Exercise.lumora</translation>
    </message>
    <message>
        <source>%1-aufgabe.lumora</source>
        <translation>%1-exercise.lumora</translation>
    </message>
    <message>
        <source>Übung erstellen</source>
        <translation>Create Exercise</translation>
    </message>
    <message>
        <source>Lumora-Projekt (*.lumora)</source>
        <translation>Lumora Project (*.lumora)</translation>
    </message>
    <message>
        <source>Die Übung wurde nicht geschrieben.

%1</source>
        <translation>The exercise was not written.

%1</translation>
    </message>
    <message>
        <source>Abgaben bewerten</source>
        <translation>Grade Hand-ins</translation>
    </message>
    <message>
        <source>Lösung: %1</source>
        <translation>Solution: %1</translation>
    </message>
    <message>
        <source>Übung: %1</source>
        <translation>Exercise: %1</translation>
    </message>
</context>
</TS>
