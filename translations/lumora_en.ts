<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>Bild</name>
    <message>
        <source>Betriebsarten</source>
        <translation>Operating modes</translation>
    </message>
    <message>
        <source>Zuluftfeld</source>
        <translation>Supply air field</translation>
    </message>
    <message>
        <source>h,x-Diagramme für Lehre und Praxis</source>
        <translation>h,x charts for teaching and practice</translation>
    </message>
    <message>
        <source>Stunden je Klasse</source>
        <translation>Hours per class</translation>
    </message>
    <message>
        <source>Frostschutz</source>
        <translation>Frost protection</translation>
    </message>
    <message>
        <source>Vorerhitzer</source>
        <translation>Preheater</translation>
    </message>
    <message>
        <source>Nacherhitzer</source>
        <translation>Reheater</translation>
    </message>
    <message>
        <source>Kühler</source>
        <translation>Cooler</translation>
    </message>
    <message>
        <source>Befeuchter</source>
        <translation>Humidifier</translation>
    </message>
    <message>
        <source>WRG heizen</source>
        <translation>HR heating</translation>
    </message>
    <message>
        <source>WRG kühlen</source>
        <translation>HR cooling</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mär</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Okt</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dez</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>Energie je Monat [kWh]</source>
        <translation>Energy per month [kWh]</translation>
    </message>
    <message>
        <source>Lumora Energie je Monat</source>
        <translation>Lumora energy per month</translation>
    </message>
    <message>
        <source>Die Monatsbalken ließen sich nicht schreiben</source>
        <translation>The monthly bars could not be written</translation>
    </message>
    <message>
        <source>Die Eingaben des Projekts ergeben kein Diagramm: %1</source>
        <translation>The project’s inputs give no chart: %1</translation>
    </message>
    <message>
        <source>Unbekannter Dateityp „%1“: bitte PNG, SVG oder PDF wählen.</source>
        <translation>Unknown file type “%1”: please choose PNG, SVG or PDF.</translation>
    </message>
    <message>
        <source>Lumora h,x-Diagramm</source>
        <translation>Lumora h,x chart</translation>
    </message>
    <message>
        <source>Das Diagramm ließ sich nicht schreiben</source>
        <translation>The chart could not be written</translation>
    </message>
</context>
<context>
    <name>Datei</name>
    <message>
        <source>“, „</source>
        <translation>”, “</translation>
    </message>
    <message>
        <source>Zeigt diese Hilfe und endet.</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <source>Zeigt die Version und endet.</source>
        <translation>Shows the version and exits.</translation>
    </message>
    <message>
        <source>Zu viele Argumente: „%1“.</source>
        <translation>Too many arguments: “%1”.</translation>
    </message>
    <message>
        <source>%1 fehlt.</source>
        <translation>%1 is missing.</translation>
    </message>
    <message>
        <source>%1: %2
Hilfe: %1 --help
</source>
        <translation>%1: %2
Help: %1 --help
</translation>
    </message>
    <message>
        <source>Unbekannte Option „%1“.</source>
        <translation>Unknown option “%1”.</translation>
    </message>
    <message>
        <source>Unbekannte Optionen „%1“.</source>
        <translation>Unknown options “%1”.</translation>
    </message>
    <message>
        <source>Die Option „%1“ braucht einen Wert.</source>
        <translation>The option “%1” needs a value.</translation>
    </message>
    <message>
        <source>Die Option „%1“ nimmt keinen Wert.</source>
        <translation>The option “%1” takes no value.</translation>
    </message>
    <message>
        <source>Falsche Befehlszeile (%1).</source>
        <translation>Wrong command line (%1).</translation>
    </message>
    <message>
        <source>Verwendung: %1 [Optionen]</source>
        <translation>Usage: %1 [options]</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Argumente:</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <source>Die Datei lässt sich nicht öffnen: %1</source>
        <translation>The file cannot be opened: %1</translation>
    </message>
    <message>
        <source>Die Datei lässt sich nicht lesen: %1</source>
        <translation>The file cannot be read: %1</translation>
    </message>
    <message>
        <source>Die Datei lässt sich nicht anlegen: %1</source>
        <translation>The file cannot be created: %1</translation>
    </message>
    <message>
        <source>Die Datei ließ sich nicht schreiben</source>
        <translation>The file could not be written</translation>
    </message>
    <message>
        <source>Die Datei ließ sich nicht speichern: %1</source>
        <translation>The file could not be saved: %1</translation>
    </message>
    <message>
        <source>Im Ordner „%1“ liegt keine Abgabe (*.lumora).</source>
        <translation>The folder “%1” holds no hand-in (*.lumora).</translation>
    </message>
    <message>
        <source>Das ist ein Ordner, keine Datei.</source>
        <translation>This is a folder, not a file.</translation>
    </message>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>Die Datei gibt es nicht.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Den Ordner „%1“ gibt es nicht.</source>
        <translation>The folder “%1” does not exist.</translation>
    </message>
    <message>
        <source>Dafür fehlt die Berechtigung.</source>
        <translation>Permission denied.</translation>
    </message>
    <message>
        <source>An diesem Ort lässt sich keine Datei anlegen.</source>
        <translation>No file can be created at this place.</translation>
    </message>
    <message>
        <source>Das System meldet einen Fehler beim Lesen.</source>
        <translation>The system reports an error while reading.</translation>
    </message>
    <message>
        <source>Das System meldet einen Fehler beim Schreiben.</source>
        <translation>The system reports an error while writing.</translation>
    </message>
</context>
<context>
    <name>Dezimalzeichen</name>
    <message>
        <source>,</source>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>Diagramm</name>
    <message>
        <source>Gesamtdruck  = %1  hPa</source>
        <translation>Total pressure =%1 hPa</translation>
    </message>
    <message>
        <source>Mit dieser Schrittweite bräuchte eine Linienschar mehr als 1 000 000 Linien, die Grenze des Programms.</source>
        <translation>With this step a family of lines would need more than 1 000 000 lines, the program’s limit.</translation>
    </message>
    <message>
        <source>Die Feuchtekurven bräuchten mehr als 1 000 000 Temperaturen, die Grenze des Programms.</source>
        <translation>The humidity curves would need more than 1 000 000 temperatures, the program’s limit.</translation>
    </message>
    <message>
        <source>ϑmax = %1 °C und ϑu = %2 °C</source>
        <translation>ϑmax = %1 °C and ϑu = %2 °C</translation>
    </message>
    <message>
        <source>Für %1 reichen die %2 Temperaturbeschriftungen erst ab einer Schrittweite von %3 grd.</source>
        <translation>For %1 the %2 temperature labels suffice only from a step of %3 grd.</translation>
    </message>
    <message>
        <source>Mit dieser Schrittweite reichen die %1 Wassergehaltsbeschriftungen nicht aus.</source>
        <translation>With this step the %1 water content labels do not suffice.</translation>
    </message>
    <message>
        <source>Für Χmax = %1 kg/kg reichen die %2 Wassergehaltsbeschriftungen erst ab einer Schrittweite von %3 kg/kg.</source>
        <translation>For Χmax = %1 kg/kg the %2 water content labels suffice only from a step of %3 kg/kg.</translation>
    </message>
    <message>
        <source>Die Zahl ist zu groß.</source>
        <translation>The number is too large.</translation>
    </message>
    <message>
        <source>Die untere Grenze %1 °C muss unter ϑmax = %2 °C liegen.</source>
        <translation>The lower limit %1 °C must lie below ϑmax = %2 °C.</translation>
    </message>
    <message>
        <source>Die Schrittweite muss größer als 0 sein, wenn das Diagramm unter 0 °C reicht.</source>
        <translation>The step must be greater than 0 when the chart reaches below 0 °C.</translation>
    </message>
    <message>
        <source>Die Zahl ist zu groß, um damit zu rechnen.</source>
        <translation>The number is too large to compute with.</translation>
    </message>
    <message>
        <source>Die obere Temperaturgrenze darf nicht 0 sein.</source>
        <translation>The upper temperature limit must not be 0.</translation>
    </message>
    <message>
        <source>Der größte Wassergehalt darf nicht 0 sein.</source>
        <translation>The largest water content must not be 0.</translation>
    </message>
    <message>
        <source>Die Schrittweite darf nicht 0 sein.</source>
        <translation>The step must not be 0.</translation>
    </message>
    <message>
        <source>Die Schrittweite muss größer als 0 sein, wenn ϑmax über 0 liegt.</source>
        <translation>The step must be greater than 0 when ϑmax lies above 0.</translation>
    </message>
    <message>
        <source>Die Schrittweite muss größer als 0 sein, wenn Χmax über 0 liegt.</source>
        <translation>The step must be greater than 0 when Χmax lies above 0.</translation>
    </message>
    <message>
        <source>Der Gesamtdruck muss zwischen etwa %1 und %2 hPa liegen, damit sich die Siedetemperatur bestimmen lässt.</source>
        <translation>The total pressure must lie between about %1 and %2 hPa for the boiling temperature to be found.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Die Datei „%1“ kann nicht gelesen werden: %2</source>
        <translation>The file “%1” cannot be read: %2</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht geschrieben werden: %2</source>
        <translation>The file “%1” cannot be written: %2</translation>
    </message>
    <message>
        <source>Das Wetterjahr „%1“ lässt sich nicht auswerten: %2</source>
        <translation>The weather year “%1” cannot be evaluated: %2</translation>
    </message>
    <message>
        <source>Das Projekt hat kein Wetterjahr, dessen Klassentabelle sich schreiben ließe.</source>
        <translation>The project has no weather year whose class table could be written.</translation>
    </message>
    <message>
        <source>Das Projekt hat kein Wetterjahr „%1“, dessen Klassentabelle sich schreiben ließe.</source>
        <translation>The project has no weather year “%1” whose class table could be written.</translation>
    </message>
    <message>
        <source>Die Anlage rechnet nicht: %1</source>
        <translation>The unit does not compute: %1</translation>
    </message>
    <message>
        <source>Das Projekt hat keine Anlage.</source>
        <translation>The project has no air-handling unit.</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Schreibt in AUSGABE, nach der Endung: .csv Tabelle der Zustände, .lumora Projekt, .svg, .pdf, .png Diagramm. Mehrfach möglich.</source>
        <translation>Writes to OUTPUT, by its ending: .csv table of the states, .lumora project, .svg, .pdf, .png chart. May be given more than once.</translation>
    </message>
    <message>
        <source>AUSGABE</source>
        <translation>OUTPUT</translation>
    </message>
    <message>
        <source>Schreibt das berechnete Projekt als JSON auf die Standardausgabe.</source>
        <translation>Writes the computed project as JSON to standard output.</translation>
    </message>
    <message>
        <source>Liest eine Messreihe aus einer CSV-Datei oder ein Wetterjahr (TRY, EPW) in das Projekt ein.</source>
        <translation>Imports a measured series from a CSV file or a weather year (TRY, EPW) into the project.</translation>
    </message>
    <message>
        <source>Name der eingelesenen Messreihe; mit --klassen das Wetterjahr der Tabelle.</source>
        <translation>Name of the imported measured series; with --klassen the weather year of the table.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Schreibt die Klassentabelle (Stunden je ϑ- und x-Klasse) des ersten Wetterjahrs, mit --name des so benannten, als CSV-Datei.</source>
        <translation>Writes the class table (hours per ϑ and x class) of the first weather year, with --name of the one so named, as a CSV file.</translation>
    </message>
    <message>
        <source>Schreibt die Monatsbalken der Anlage des Projekts als .svg, .pdf oder .png.</source>
        <translation>Writes the monthly bars of the project’s unit as .svg, .pdf or .png.</translation>
    </message>
    <message>
        <source>Schreibt die Übung, die Studierende aus der Lösung PROJEKT bekommen.</source>
        <translation>Writes the exercise that students get from the solution PROJECT.</translation>
    </message>
    <message>
        <source>AUFGABE</source>
        <translation>TASK</translation>
    </message>
    <message>
        <source>ABGABE</source>
        <translation>HANDIN</translation>
    </message>
    <message>
        <source>Bewertet Abgaben gegen die Lösung PROJEKT; mit -o noten.csv als Notentabelle, mit --json als ein JSON-Objekt je Abgabe.</source>
        <translation>Grades hand-ins against the solution PROJECT; with -o grades.csv as a table of grades, with --json as one JSON object per hand-in.</translation>
    </message>
    <message>
        <source>PROJEKT</source>
        <translation>PROJECT</translation>
    </message>
    <message>
        <source>Die Projektdatei (.lumora).</source>
        <translation>The project file (.lumora).</translation>
    </message>
    <message>
        <source>Weitere Abgaben zu --bewerte.</source>
        <translation>Further hand-ins for --bewerte.</translation>
    </message>
    <message>
        <source>„--bewerte“ gilt nicht zusammen mit „--%1“.</source>
        <translation>“--bewerte” does not go together with “--%1”.</translation>
    </message>
    <message>
        <source>Beim Bewerten schreibt „-o“ nur die Notentabelle (.csv), nicht „%1“.</source>
        <translation>When grading, “-o” writes only the table of grades (.csv), not “%1”.</translation>
    </message>
    <message>
        <source>Die Übung „%1“ braucht die Endung .lumora.</source>
        <translation>The exercise “%1” needs the ending .lumora.</translation>
    </message>
    <message>
        <source>Die Übung „%1“ würde die Lösung überschreiben.</source>
        <translation>The exercise “%1” would overwrite the solution.</translation>
    </message>
    <message>
        <source>„--name“ gilt nur zusammen mit „--messreihe“ oder „--klassen“.</source>
        <translation>“--name” goes only together with “--messreihe” or “--klassen”.</translation>
    </message>
    <message>
        <source>Die Klassentabelle „%1“ braucht die Endung .csv.</source>
        <translation>The class table “%1” needs the ending .csv.</translation>
    </message>
    <message>
        <source>Die Monatsbalken „%1“ brauchen die Endung .svg, .pdf oder .png.</source>
        <translation>The monthly bars “%1” need the ending .svg, .pdf or .png.</translation>
    </message>
    <message>
        <source>Es ist nichts zu tun: weder „-o AUSGABE“ noch „--json“ ist angegeben.</source>
        <translation>There is nothing to do: neither “-o OUTPUT” nor “--json” is given.</translation>
    </message>
    <message>
        <source>Die Endung von „%1“ ist unbekannt; möglich sind .csv, .lumora, .svg, .pdf und .png.</source>
        <translation>The ending of “%1” is unknown; possible are .csv, .lumora, .svg, .pdf and .png.</translation>
    </message>
    <message>
        <source>Berechnet ein Lumora-Projekt ohne Fenster und schreibt Tabelle, Projekt, Diagramm oder JSON.</source>
        <translation>Computes a Lumora project without a window and writes table, project, chart or JSON.</translation>
    </message>
</context>
<context>
    <name>Kern</name>
    <message>
        <source>Die untere Grenze muss zwischen %1 und %2 °C liegen.</source>
        <translation>The lower limit must lie between %1 and %2 °C.</translation>
    </message>
    <message>
        <source>%1: „%2“ ist keine Zahl.</source>
        <translation>%1: “%2” is not a number.</translation>
    </message>
    <message>
        <source>Δϑ fett</source>
        <translation>Δϑ bold</translation>
    </message>
    <message>
        <source>Δϑ dünn</source>
        <translation>Δϑ thin</translation>
    </message>
    <message>
        <source>ΔΧ fett</source>
        <translation>ΔΧ bold</translation>
    </message>
    <message>
        <source>ΔΧ dünn</source>
        <translation>ΔΧ thin</translation>
    </message>
    <message>
        <source>Pgesamt</source>
        <translation>Ptotal</translation>
    </message>
    <message>
        <source>Die Höhe muss zwischen %1 m und %2 m über dem Meeresspiegel liegen.</source>
        <translation>The altitude must lie between %1 m and %2 m above sea level.</translation>
    </message>
    <message>
        <source>Endzustand: %1</source>
        <translation>End state: %1</translation>
    </message>
    <message>
        <source>Eine Zustandsänderung in Richtung ε nimmt nur ein Ziel x oder dx.</source>
        <translation>A change of state in the direction ε takes only a target x or dx.</translation>
    </message>
    <message>
        <source>Der Endzustand lässt sich nicht mit endlichen Zahlen berechnen.</source>
        <translation>The end state cannot be computed with finite numbers.</translation>
    </message>
    <message>
        <source>Der Wassergehalt am Ende %1 wäre negativ.</source>
        <translation>The water content at the end %1 would be negative.</translation>
    </message>
    <message>
        <source>Das Ziel</source>
        <translation>The target</translation>
    </message>
    <message>
        <source>Der Wassergehalt am Ende %1 liegt unter dem am Anfang %2.</source>
        <translation>The water content at the end %1 lies below the one at the start %2.</translation>
    </message>
    <message>
        <source>Das Ziel φ</source>
        <translation>The target φ</translation>
    </message>
    <message>
        <source>Am Anfang gibt es keine relative Feuchte: er liegt über der Siedetemperatur.</source>
        <translation>The start has no relative humidity: it lies above the boiling temperature.</translation>
    </message>
    <message>
        <source>%1 liegt unter φ = %2 am Anfang.</source>
        <translation>%1 lies below φ = %2 at the start.</translation>
    </message>
    <message>
        <source>φ = %1 ist auf dieser Linie nicht erreichbar.</source>
        <translation>φ = %1 cannot be reached on this line.</translation>
    </message>
    <message>
        <source>φ = %1 ist auf dieser Linie nicht erreichbar: sie erreicht vorher die Siedetemperatur %2.</source>
        <translation>φ = %1 cannot be reached on this line: it reaches the boiling temperature %2 first.</translation>
    </message>
    <message>
        <source>Die Richtung ε</source>
        <translation>The direction ε</translation>
    </message>
    <message>
        <source>Es fehlt ein Ziel: phi, x oder dx.</source>
        <translation>A target is missing: phi, x or dx.</translation>
    </message>
    <message>
        <source>Es fehlt ein Ziel: x oder dx.</source>
        <translation>A target is missing: x or dx.</translation>
    </message>
    <message>
        <source>Ein Befeuchter nimmt nur ein Ziel phi, x oder dx.</source>
        <translation>A humidifier takes only a target phi, x or dx.</translation>
    </message>
    <message>
        <source>Oberflächenpunkt: %1</source>
        <translation>Surface point: %1</translation>
    </message>
    <message>
        <source>Das Ziel %1 liegt über der Eintrittstemperatur %2: ein Kühler kann die Luft nicht erwärmen.</source>
        <translation>The target %1 lies above the inlet temperature %2: a cooler cannot warm the air.</translation>
    </message>
    <message>
        <source>Das Ziel x</source>
        <translation>The target x</translation>
    </message>
    <message>
        <source>Das Ziel %1 liegt über dem Wassergehalt am Anfang %2: ein Kühler kann die Luft nicht befeuchten.</source>
        <translation>The target %1 lies above the water content at the start %2: a cooler cannot humidify the air.</translation>
    </message>
    <message>
        <source>Das Ziel %1 ist der Wassergehalt am Anfang. Jede Oberfläche ab dem Taupunkt lässt ihn unverändert, er legt die Oberflächentemperatur also nicht fest: bitte „oberflaeche“ oder „theta“ angeben.</source>
        <translation>The target %1 is the water content at the start. Every surface from the dew point up leaves it unchanged, so it does not fix the surface temperature: please give “oberflaeche” or “theta”.</translation>
    </message>
    <message>
        <source>Das Ziel %1 ist nicht erreichbar: mit dem Bypassfaktor BF = %2 bleiben am Ende mindestens BF·x1 = %3.</source>
        <translation>The target %1 cannot be reached: with the bypass factor BF = %2 at least BF·x1 = %3 remain at the end.</translation>
    </message>
    <message>
        <source>Bei der Eintrittstemperatur %1 müsste die Oberfläche unter 0 °C liegen, wo sie vereist.</source>
        <translation>At the inlet temperature %1 the surface would have to lie below 0 °C, where it ices up.</translation>
    </message>
    <message>
        <source>Für das Ziel %1 müsste die Oberfläche unter 0 °C liegen, wo sie vereist: mit 0 °C käme die Luft nur auf %2 = %3.</source>
        <translation>For the target %1 the surface would have to lie below 0 °C, where it ices up: with 0 °C the air would only reach %2 = %3.</translation>
    </message>
    <message>
        <source>Das Ziel %1 ist mit keiner Oberfläche zwischen 0 °C und %2 erreichbar.</source>
        <translation>The target %1 cannot be reached with any surface between 0 °C and %2.</translation>
    </message>
    <message>
        <source>Der Bypassfaktor</source>
        <translation>The bypass factor</translation>
    </message>
    <message>
        <source>Die Oberflächentemperatur</source>
        <translation>The surface temperature</translation>
    </message>
    <message>
        <source>Die Oberflächentemperatur %1 liegt über der Eintrittstemperatur %2.</source>
        <translation>The surface temperature %1 lies above the inlet temperature %2.</translation>
    </message>
    <message>
        <source>Ein Kühler braucht genau eins: die Oberflächentemperatur „oberflaeche“, die Endtemperatur „theta“ oder den Wassergehalt am Ende „x“.</source>
        <translation>A cooler needs exactly one: the surface temperature “oberflaeche”, the end temperature “theta” or the water content at the end “x”.</translation>
    </message>
    <message>
        <source>Der Außenluftanteil</source>
        <translation>The outdoor air share</translation>
    </message>
    <message>
        <source>Der Massenstrom</source>
        <translation>The mass flow</translation>
    </message>
    <message>
        <source>Die Rückwärmzahl</source>
        <translation>The heat recovery ratio</translation>
    </message>
    <message>
        <source>Die Feuchterückgewinnung</source>
        <translation>The moisture recovery</translation>
    </message>
    <message>
        <source>Der Massenstrom der Abluft</source>
        <translation>The mass flow of the extract air</translation>
    </message>
    <message>
        <source>Zum Massenstrom der Abluft „massenstrom_abluft“ fehlt der der Außenluft: „massenstrom“ oder „volumenstrom“.</source>
        <translation>The mass flow of the extract air “massenstrom_abluft” lacks the one of the outdoor air: “massenstrom” or “volumenstrom”.</translation>
    </message>
    <message>
        <source>Die Abluft müsste kälter werden als die Außenluft: Φ·ṁ/ṁABL = %1 liegt über 1; der Massenstrom der Abluft ist zu klein.</source>
        <translation>The extract air would have to become colder than the outdoor air: Φ·ṁ/ṁABL = %1 lies above 1; the mass flow of the extract air is too small.</translation>
    </message>
    <message>
        <source>Die Fortlufttemperatur lässt sich nicht mit endlichen Zahlen berechnen.</source>
        <translation>The exhaust air temperature cannot be computed with finite numbers.</translation>
    </message>
    <message>
        <source>Kondensat: die Fortluft kühlt auf %1 ab, unter ihren Taupunkt %2.</source>
        <translation>Condensate: the exhaust air cools down to %1, below its dew point %2.</translation>
    </message>
    <message>
        <source>Vereisungsgefahr: die Fortluft kühlt auf %1 ab, unter 0 °C und unter ihren Reifpunkt %2.</source>
        <translation>Risk of icing: the exhaust air cools down to %1, below 0 °C and below its frost point %2.</translation>
    </message>
    <message>
        <source>Kondensat und Vereisungsgefahr: die Fortluft kühlt auf %1 ab, unter ihren Taupunkt %2 und unter 0 °C.</source>
        <translation>Condensate and risk of icing: the exhaust air cools down to %1, below its dew point %2 and below 0 °C.</translation>
    </message>
    <message>
        <source>Die Endtemperatur</source>
        <translation>The end temperature</translation>
    </message>
    <message>
        <source>Die Endtemperatur %1 liegt unter der Anfangstemperatur %2.</source>
        <translation>The end temperature %1 lies below the start temperature %2.</translation>
    </message>
    <message>
        <source>Die Wassertemperatur</source>
        <translation>The water temperature</translation>
    </message>
    <message>
        <source>Die Dampftemperatur</source>
        <translation>The steam temperature</translation>
    </message>
    <message>
        <source>Massenstrom und Volumenstrom sind beide angegeben; es darf nur einer sein.</source>
        <translation>Mass flow and volume flow are both given; only one of them may be.</translation>
    </message>
    <message>
        <source>Der Volumenstrom</source>
        <translation>The volume flow</translation>
    </message>
    <message>
        <source>%1 braucht einen zweiten Zustand.</source>
        <translation>%1 needs a second state.</translation>
    </message>
    <message>
        <source>Leistung oder Wasserstrom lassen sich nicht mit endlichen Zahlen berechnen.</source>
        <translation>Power or water flow cannot be computed with finite numbers.</translation>
    </message>
    <message>
        <source>Die Änderungen lassen sich nicht mit endlichen Zahlen berechnen.</source>
        <translation>The changes cannot be computed with finite numbers.</translation>
    </message>
    <message>
        <source>Erwärmen</source>
        <translation>Heating</translation>
    </message>
    <message>
        <source>Kühlen</source>
        <translation>Cooling</translation>
    </message>
    <message>
        <source>Befeuchten mit Wasser</source>
        <translation>Humidification with water</translation>
    </message>
    <message>
        <source>Befeuchten mit Dampf</source>
        <translation>Humidification with steam</translation>
    </message>
    <message>
        <source>Zustandsänderung in Richtung ε</source>
        <translation>Change of state in the direction ε</translation>
    </message>
    <message>
        <source>Mischen</source>
        <translation>Mixing</translation>
    </message>
    <message>
        <source>Wärmerückgewinnung</source>
        <translation>Heat recovery</translation>
    </message>
    <message>
        <source>%1 ist keine endliche Zahl.</source>
        <translation>%1 is not a finite number.</translation>
    </message>
    <message>
        <source>%1 liegt nicht zwischen %2 und %3.</source>
        <translation>%1 does not lie between %2 and %3.</translation>
    </message>
    <message>
        <source>%1 liegt nicht in %2.</source>
        <translation>%1 does not lie in %2.</translation>
    </message>
    <message>
        <source>%1 ist nicht größer als %2.</source>
        <translation>%1 is not greater than %2.</translation>
    </message>
    <message>
        <source>%1 ist negativ.</source>
        <translation>%1 is negative.</translation>
    </message>
    <message>
        <source>%1 liegt unter %2.</source>
        <translation>%1 lies below %2.</translation>
    </message>
    <message>
        <source>%1 ist größer als %2.</source>
        <translation>%1 is greater than %2.</translation>
    </message>
    <message>
        <source>%1 ist nicht kleiner als %2.</source>
        <translation>%1 is not less than %2.</translation>
    </message>
    <message>
        <source>nicht endlich</source>
        <translation>not finite</translation>
    </message>
    <message>
        <source>Die Temperatur</source>
        <translation>The temperature</translation>
    </message>
    <message>
        <source>Der Wassergehalt</source>
        <translation>The water content</translation>
    </message>
    <message>
        <source>Der Zustand lässt sich nicht mit endlichen Zahlen berechnen.</source>
        <translation>The state cannot be computed with finite numbers.</translation>
    </message>
    <message>
        <source>Die Temperatur %1 liegt nicht unter der Siedetemperatur %2.</source>
        <translation>The temperature %1 does not lie below the boiling temperature %2.</translation>
    </message>
    <message>
        <source>Der Dampfdruck %1 erreicht den Gesamtdruck %2.</source>
        <translation>The vapour pressure %1 reaches the total pressure %2.</translation>
    </message>
    <message>
        <source>Der Taupunkt</source>
        <translation>The dew point</translation>
    </message>
    <message>
        <source>Der Taupunkt %1 liegt über der Temperatur %2.</source>
        <translation>The dew point %1 lies above the temperature %2.</translation>
    </message>
    <message>
        <source>Beim Taupunkt %1 erreicht der Dampfdruck den Gesamtdruck %2.</source>
        <translation>At the dew point %1 the vapour pressure reaches the total pressure %2.</translation>
    </message>
    <message>
        <source>Die Kühlgrenztemperatur</source>
        <translation>The wet-bulb temperature</translation>
    </message>
    <message>
        <source>Die Kühlgrenztemperatur %1 liegt über der Temperatur %2.</source>
        <translation>The wet-bulb temperature %1 lies above the temperature %2.</translation>
    </message>
    <message>
        <source>Bei der Kühlgrenztemperatur %1 gibt es keine gesättigte Luft (Siedetemperatur %2).</source>
        <translation>At the wet-bulb temperature %1 there is no saturated air (boiling temperature %2).</translation>
    </message>
    <message>
        <source>Zur Kühlgrenztemperatur %1 gehört bei %2 ein negativer Wassergehalt (%3).</source>
        <translation>The wet-bulb temperature %1 at %2 belongs to a negative water content (%3).</translation>
    </message>
    <message>
        <source>Zu x = %1 und φ = %2 gehört keine Temperatur unter der Siedetemperatur %3.</source>
        <translation>No temperature below the boiling temperature %3 belongs to x = %1 and φ = %2.</translation>
    </message>
    <message>
        <source>Die Enthalpie</source>
        <translation>The enthalpy</translation>
    </message>
    <message>
        <source>Der Zustand mit h = %1 kJ/kg und x = %2 liegt im Nebel unter %3.</source>
        <translation>The state with h = %1 kJ/kg and x = %2 lies in the fog below %3.</translation>
    </message>
    <message>
        <source>Unbekannte Art der Eingabe.</source>
        <translation>Unknown kind of input.</translation>
    </message>
    <message>
        <source>Außenluft</source>
        <translation>Outdoor air</translation>
    </message>
    <message>
        <source>Jan.</source>
        <translation>Jan.</translation>
    </message>
    <message>
        <source>Feb.</source>
        <translation>Feb.</translation>
    </message>
    <message>
        <source>März</source>
        <translation>Mar.</translation>
    </message>
    <message>
        <source>Apr.</source>
        <translation>Apr.</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>Aug.</source>
        <translation>Aug.</translation>
    </message>
    <message>
        <source>Sept.</source>
        <translation>Sept.</translation>
    </message>
    <message>
        <source>Okt.</source>
        <translation>Oct.</translation>
    </message>
    <message>
        <source>Nov.</source>
        <translation>Nov.</translation>
    </message>
    <message>
        <source>Dez.</source>
        <translation>Dec.</translation>
    </message>
</context>
<context>
    <name>Programm</name>
    <message>
        <source>Berechnet und zeichnet das Mollier-h,x-Diagramm feuchter Luft.</source>
        <translation>Computes and draws the Mollier h,x chart of humid air.</translation>
    </message>
    <message>
        <source>PROJEKT</source>
        <translation>PROJECT</translation>
    </message>
    <message>
        <source>Projektdatei (.lumora), die geöffnet wird.</source>
        <translation>Project file (.lumora) to open.</translation>
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
    <message>
        <source>%1 ist keine Zahl.</source>
        <translation>%1 is not a number.</translation>
    </message>
    <message>
        <source>%1 muss [min, max] aus zwei Zahlen oder null sein.</source>
        <translation>%1 must be [min, max] of two numbers or null.</translation>
    </message>
    <message>
        <source>%1 muss [min, max] aus zwei Zahlen sein.</source>
        <translation>%1 must be [min, max] of two numbers.</translation>
    </message>
    <message>
        <source>%1: das Minimum %2 liegt über dem Maximum %3.</source>
        <translation>%1: the minimum %2 lies above the maximum %3.</translation>
    </message>
    <message>
        <source>„zuluft“ fehlt.</source>
        <translation>“zuluft” is missing.</translation>
    </message>
    <message>
        <source>„zuluft“ ist kein JSON-Objekt.</source>
        <translation>“zuluft” is not a JSON object.</translation>
    </message>
    <message>
        <source>„zuluft“: „theta“ fehlt.</source>
        <translation>“zuluft”: “theta” is missing.</translation>
    </message>
    <message>
        <source>„zuluft“: xmin = %1 liegt im Nebel: bei ϑmin = %2 gibt es keine gesättigte Luft.</source>
        <translation>“zuluft”: xmin = %1 lies in the fog: at ϑmin = %2 there is no saturated air.</translation>
    </message>
    <message>
        <source>„zuluft“: xmin = %1 liegt im Nebel: bei ϑmin = %2 ist die Luft schon mit %3 gesättigt.</source>
        <translation>“zuluft”: xmin = %1 lies in the fog: at ϑmin = %2 the air is already saturated at %3.</translation>
    </message>
    <message>
        <source>Es fehlt der Luftstrom: „massenstrom“ oder „volumenstrom“.</source>
        <translation>The air flow is missing: “massenstrom” or “volumenstrom”.</translation>
    </message>
    <message>
        <source>Zur Rückwärmzahl „rueckwaermzahl“ fehlt die Abluft „abluft“.</source>
        <translation>The heat recovery ratio “rueckwaermzahl” has no extract air “abluft”.</translation>
    </message>
    <message>
        <source>Zur Abluft „abluft“ fehlt die Rückwärmzahl „rueckwaermzahl“.</source>
        <translation>The extract air “abluft” has no heat recovery ratio “rueckwaermzahl”.</translation>
    </message>
    <message>
        <source>„abluft“ ist kein JSON-Objekt.</source>
        <translation>“abluft” is not a JSON object.</translation>
    </message>
    <message>
        <source>„kuehler“ ist kein JSON-Objekt.</source>
        <translation>“kuehler” is not a JSON object.</translation>
    </message>
    <message>
        <source>„befeuchter“ ist kein JSON-Objekt.</source>
        <translation>“befeuchter” is not a JSON object.</translation>
    </message>
    <message>
        <source>„befeuchter“: „art“ fehlt.</source>
        <translation>“befeuchter”: “art” is missing.</translation>
    </message>
    <message>
        <source>„befeuchter“: „art“ muss „dampf“ oder „wasser“ sein.</source>
        <translation>“befeuchter”: “art” must be “dampf” or “wasser”.</translation>
    </message>
    <message>
        <source>„anlage“ ist kein JSON-Objekt.</source>
        <translation>“anlage” is not a JSON object.</translation>
    </message>
    <message>
        <source>„wetterjahr“ fehlt.</source>
        <translation>“wetterjahr” is missing.</translation>
    </message>
    <message>
        <source>„wetterjahr“ ist kein Name.</source>
        <translation>“wetterjahr” is not a name.</translation>
    </message>
    <message>
        <source>Entfeuchten</source>
        <translation>Dehumidification</translation>
    </message>
    <message>
        <source>Befeuchten</source>
        <translation>Humidification</translation>
    </message>
    <message>
        <source>Kühlen</source>
        <translation>Cooling</translation>
    </message>
    <message>
        <source>Heizen</source>
        <translation>Heating</translation>
    </message>
    <message>
        <source>Wärmerückgewinnung</source>
        <translation>Heat recovery</translation>
    </message>
    <message>
        <source>Frei</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>„volumenstrom“: Zuluftzustand: %1</source>
        <translation>“volumenstrom”: supply air state: %1</translation>
    </message>
    <message>
        <source>„wetterjahr“: Die Zeiten der Messreihe %1 lassen sich nicht lesen.</source>
        <translation>“wetterjahr”: The times of the measured series %1 cannot be read.</translation>
    </message>
    <message>
        <source>Es gibt kein Diagramm.</source>
        <translation>There is no chart.</translation>
    </message>
    <message>
        <source>%1 fehlt.</source>
        <translation>%1 is missing.</translation>
    </message>
    <message>
        <source>%1 ist kein Name.</source>
        <translation>%1 is not a name.</translation>
    </message>
    <message>
        <source>Es fehlt ein Ziel: %1.</source>
        <translation>A target is missing: %1.</translation>
    </message>
    <message>
        <source>Mehr als ein Ziel: %1.</source>
        <translation>More than one target: %1.</translation>
    </message>
    <message>
        <source>„massenstroeme“ und „aussenluftanteil“ sind beide angegeben; es darf nur eins sein.</source>
        <translation>“massenstroeme” and “aussenluftanteil” are both given; only one is allowed.</translation>
    </message>
    <message>
        <source>„massenstroeme“ oder „aussenluftanteil“ fehlt.</source>
        <translation>“massenstroeme” or “aussenluftanteil” is missing.</translation>
    </message>
    <message>
        <source>„massenstroeme“ muss zwei Zahlen nennen.</source>
        <translation>“massenstroeme” must name two numbers.</translation>
    </message>
    <message>
        <source>„von“ fehlt.</source>
        <translation>“von” is missing.</translation>
    </message>
    <message>
        <source>„von“ muss zwei Namen nennen.</source>
        <translation>“von” must name two names.</translation>
    </message>
    <message>
        <source>„von“ ist kein Name.</source>
        <translation>“von” is not a name.</translation>
    </message>
    <message>
        <source>Es fehlt ein Wertepaar, z. B. „theta“ und „phi“.</source>
        <translation>A pair of values is missing, e.g. “theta” and “phi”.</translation>
    </message>
    <message>
        <source>Zu %1 fehlt der zweite Wert.</source>
        <translation>%1 has no second value.</translation>
    </message>
    <message>
        <source>%1 ergeben kein eindeutiges Wertepaar.</source>
        <translation>%1 do not give an unambiguous pair of values.</translation>
    </message>
    <message>
        <source>„massenstrom“ und „volumenstrom“ sind beide angegeben; es darf nur einer sein.</source>
        <translation>“massenstrom” and “volumenstrom” are both given; only one is allowed.</translation>
    </message>
    <message>
        <source>Der Eintrag ist kein JSON-Objekt.</source>
        <translation>The entry is not a JSON object.</translation>
    </message>
    <message>
        <source>„art“ fehlt.</source>
        <translation>“art” is missing.</translation>
    </message>
    <message>
        <source>Die Art %1 ist unbekannt.</source>
        <translation>The kind %1 is unknown.</translation>
    </message>
    <message>
        <source>„art“ ist kein Text.</source>
        <translation>“art” is not a text.</translation>
    </message>
    <message>
        <source>Die Spalte „%1“ ist in „%2“ angegeben; gelesen wird die Temperatur nur in °C.</source>
        <translation>The column “%1” is given in “%2”; the temperature is read in °C only.</translation>
    </message>
    <message>
        <source>Die Spalte „%1“ ist in „%2“ angegeben; gelesen wird die relative Feuchte nur in %.</source>
        <translation>The column “%1” is given in “%2”; the relative humidity is read in % only.</translation>
    </message>
    <message>
        <source>Die Spalte „%1“ ist in „%2“ angegeben; gelesen wird der Wassergehalt nur in g/kg.</source>
        <translation>The column “%1” is given in “%2”; the water content is read in g/kg only.</translation>
    </message>
    <message>
        <source>Die Datei hat keine Spalte für die Temperatur und keine für die Feuchte.</source>
        <translation>The file has no column for the temperature and none for the humidity.</translation>
    </message>
    <message>
        <source>Die Datei hat keine Spalte für die Temperatur.</source>
        <translation>The file has no column for the temperature.</translation>
    </message>
    <message>
        <source>Die Datei hat keine Spalte für die Feuchte.</source>
        <translation>The file has no column for the humidity.</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Gefundene Spalten: %1.</source>
        <translation>Columns found: %1.</translation>
    </message>
    <message>
        <source>Gelesen werden: Zeit/Datum/Uhrzeit, Temperatur/T/ϑ (°C), rel. Feuchte/r.F./φ (%) oder x (g/kg).</source>
        <translation>Columns read: Time/Date, Temperature/T/ϑ (°C), Humidity/RH/φ (%) or x (g/kg).</translation>
    </message>
    <message>
        <source>Die Datei ist in UTF-16 geschrieben; bitte als UTF-8 oder ANSI speichern.</source>
        <translation>The file is written in UTF-16; please save it as UTF-8 or ANSI.</translation>
    </message>
    <message>
        <source>Die Datei enthält Binärdaten (ein Nullbyte an Stelle %1) und ist keine CSV-Datei.</source>
        <translation>The file holds binary data (a null byte at position %1) and is no CSV file.</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Die erste Zeile ist länger als %1 Zeichen; sie nennt keine Spalten einer Messreihe.</source>
        <translation>The first line is longer than %1 characters; it names no columns of a measured series.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine lesbare Messzeile.</source>
        <translation>The file holds no readable line of measurements.</translation>
    </message>
    <message>
        <source>Zeile %1: Die Spaltenzeile der TRY-Datei nennt keine Spalte „t“ (Lufttemperatur).</source>
        <translation>Line %1: The column header of the TRY file names no column “t” (air temperature).</translation>
    </message>
    <message>
        <source>Zeile %1: Die Spaltenzeile der TRY-Datei nennt keine Spalte „x“ (Wasserdampfgehalt).</source>
        <translation>Line %1: The column header of the TRY file names no column “x” (water vapour content).</translation>
    </message>
    <message>
        <source>Zeile %1, Spalte %2</source>
        <translation>line %1, column %2</translation>
    </message>
    <message>
        <source>Die Datei enthält ein NUL-Byte (%1).</source>
        <translation>The file holds a NUL byte (%1).</translation>
    </message>
    <message>
        <source>Die Datei ist tiefer als %1 Ebenen verschachtelt (%2).</source>
        <translation>The file is nested deeper than %1 levels (%2).</translation>
    </message>
    <message>
        <source>Der Schlüssel %1 steht zweimal im selben Objekt.</source>
        <translation>The key %1 appears twice in the same object.</translation>
    </message>
    <message>
        <source>Die Zahl %1 (%2) liegt außerhalb des Zahlenbereichs.</source>
        <translation>The number %1 (%2) lies outside the range of numbers.</translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges JSON: sie endet unerwartet (%1).</source>
        <translation>The file is not valid JSON: it ends unexpectedly (%1).</translation>
    </message>
    <message>
        <source>Die Datei enthält ungültiges UTF-8 (%1).</source>
        <translation>The file holds invalid UTF-8 (%1).</translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges JSON (%1).</source>
        <translation>The file is not valid JSON (%1).</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges JSON.</source>
        <translation>The file is not valid JSON.</translation>
    </message>
    <message>
        <source>Der Messreihe fehlt „name“.</source>
        <translation>The measured series has no “name”.</translation>
    </message>
    <message>
        <source>Der Zone fehlt „name“.</source>
        <translation>The zone has no “name”.</translation>
    </message>
    <message>
        <source>Der Anlage fehlt „name“.</source>
        <translation>The unit has no “name”.</translation>
    </message>
    <message>
        <source>„name“ der Messreihe ist kein Text.</source>
        <translation>“name” of the measured series is not a text.</translation>
    </message>
    <message>
        <source>„name“ der Zone ist kein Text.</source>
        <translation>“name” of the zone is not a text.</translation>
    </message>
    <message>
        <source>„name“ der Anlage ist kein Text.</source>
        <translation>“name” of the unit is not a text.</translation>
    </message>
    <message>
        <source>Der Import wurde abgebrochen.</source>
        <translation>The import was cancelled.</translation>
    </message>
    <message>
        <source>%1 Zeile konnte nicht gelesen werden und wurde übersprungen: Zeile %2.</source>
        <translation>%1 line could not be read and was skipped: line %2.</translation>
    </message>
    <message>
        <source>%1 Zeilen konnten nicht gelesen werden und wurden übersprungen: Zeile %2.</source>
        <translation>%1 lines could not be read and were skipped: lines %2.</translation>
    </message>
    <message>
        <source>Die Datei hat mehr als %1 Messzeilen, die Grenze des Programms.</source>
        <translation>The file has more than %1 lines of measurements, the program&apos;s limit.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine lesbare Stunde.</source>
        <translation>The file holds no readable hour.</translation>
    </message>
    <message>
        <source>%1: %2 Stunde gelesen</source>
        <translation>%1: %2 hour read</translation>
    </message>
    <message>
        <source>%1: %2 Stunden gelesen</source>
        <translation>%1: %2 hours read</translation>
    </message>
    <message>
        <source>Höhe %1</source>
        <translation>altitude %1</translation>
    </message>
    <message>
        <source>mittlerer Luftdruck %1</source>
        <translation>mean air pressure %1</translation>
    </message>
    <message>
        <source>„klassen“ ist keine Liste [Δϑ, Δx] aus zwei Zahlen über 0.</source>
        <translation>“klassen” is not a list [Δϑ, Δx] of two numbers above 0.</translation>
    </message>
    <message>
        <source>„ueberschreitung“ ist keine ganze Zahl ab 0.</source>
        <translation>“ueberschreitung” is not a whole number from 0.</translation>
    </message>
    <message>
        <source>„haeufigkeitskarte“ ist nicht true oder false.</source>
        <translation>“haeufigkeitskarte” is not true or false.</translation>
    </message>
    <message>
        <source>%1 ist kein Text.</source>
        <translation>%1 is not a text.</translation>
    </message>
    <message>
        <source>Dem Wetterjahr fehlt %1.</source>
        <translation>The weather year has no %1.</translation>
    </message>
    <message>
        <source>%1 der Messreihe ist keine Liste.</source>
        <translation>%1 of the measured series is not a list.</translation>
    </message>
    <message>
        <source>%1 hat %2 Werte, „theta“ aber %3.</source>
        <translation>%1 has %2 values, but “theta” has %3.</translation>
    </message>
    <message>
        <source>Die Messreihe ist kein JSON-Objekt.</source>
        <translation>The measured series is not a JSON object.</translation>
    </message>
    <message>
        <source>„quelle“ der Messreihe ist kein Text.</source>
        <translation>“quelle” of the measured series is not a text.</translation>
    </message>
    <message>
        <source>„art“ der Messreihe ist %1; gelesen wird %2.</source>
        <translation>“art” of the measured series is %1; only %2 is read.</translation>
    </message>
    <message>
        <source>Die Messreihe hat „phi“ und „x“; erwartet wird eines von beiden.</source>
        <translation>The measured series has “phi” and “x”; one of the two is expected.</translation>
    </message>
    <message>
        <source>Der Messreihe fehlt „phi“ oder „x“.</source>
        <translation>The measured series has no “phi” or “x”.</translation>
    </message>
    <message>
        <source>Der Messreihe fehlt „theta“.</source>
        <translation>The measured series has no “theta”.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Lumora-Projekt: „lumora“ fehlt.</source>
        <translation>The file is not a Lumora project: “lumora” is missing.</translation>
    </message>
    <message>
        <source>Der Eintrag „lumora“ ist keine Formatnummer.</source>
        <translation>The entry “lumora” is not a format number.</translation>
    </message>
    <message>
        <source>Die Datei stammt aus einer neueren Lumora-Version (Format %1) und kann nicht geöffnet werden.</source>
        <translation>The file comes from a newer version of Lumora (format %1) and cannot be opened.</translation>
    </message>
    <message>
        <source>Die Formatnummer %1 ist unbekannt.</source>
        <translation>The format number %1 is unknown.</translation>
    </message>
    <message>
        <source>Der Eintrag %1 fehlt.</source>
        <translation>The entry %1 is missing.</translation>
    </message>
    <message>
        <source>Der Eintrag %1 ist keine Liste.</source>
        <translation>The entry %1 is not a list.</translation>
    </message>
    <message>
        <source>Der Eintrag „eingabe“ hat %1 statt sieben Eingabetexte.</source>
        <translation>The entry “eingabe” has %1 instead of seven input texts.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Lumora-Projekt: sie enthält kein JSON-Objekt.</source>
        <translation>The file is not a Lumora project: it holds no JSON object.</translation>
    </message>
    <message>
        <source>Der Eintrag „theta_unten“ ist keine Zahl von %1 bis %2 (°C).</source>
        <translation>The entry “theta_unten” is not a number from %1 to %2 (°C).</translation>
    </message>
    <message>
        <source>Der Eintrag „randmassstab“ ist weder true noch false.</source>
        <translation>The entry “randmassstab” is neither true nor false.</translation>
    </message>
    <message>
        <source>Der Eintrag „notiz“ ist kein Text.</source>
        <translation>The entry “notiz” is not a text.</translation>
    </message>
    <message>
        <source>Den Namen %1 trägt schon ein Zustand.</source>
        <translation>The name %1 is already taken by a state.</translation>
    </message>
    <message>
        <source>Der Name ist leer.</source>
        <translation>The name is empty.</translation>
    </message>
    <message>
        <source>Der Name ist länger als %1 Zeichen.</source>
        <translation>The name is longer than %1 characters.</translation>
    </message>
    <message>
        <source>Die Zeile lässt sich nicht verschieben.</source>
        <translation>The row cannot be moved.</translation>
    </message>
    <message>
        <source>Der Prozess nach %1 beginnt an %2 und muss nach dem Prozess stehen, der %2 macht.</source>
        <translation>The process to %1 starts at %2 and must come after the process that makes %2.</translation>
    </message>
    <message>
        <source>%1 ist keine Liste [von, bis] aus ganzen Zahlen von %2 bis %3.</source>
        <translation>%1 is not a list [from, to] of whole numbers from %2 to %3.</translation>
    </message>
    <message>
        <source>%1 ist kein JSON-Objekt.</source>
        <translation>%1 is not a JSON object.</translation>
    </message>
    <message>
        <source>%1: „stunden“ [%2, %3] umfasst keine Stunde des Tages.</source>
        <translation>%1: “stunden” [%2, %3] covers no hour of the day.</translation>
    </message>
    <message>
        <source>Behaglichkeitsfeld (20–26 °C, 30–65 %, x ≤ 11,5 g/kg)</source>
        <translation>Comfort zone (20–26 °C, 30–65 %, x ≤ 11.5 g/kg)</translation>
    </message>
    <message>
        <source>Die Zone ist kein JSON-Objekt.</source>
        <translation>The zone is not a JSON object.</translation>
    </message>
    <message>
        <source>%1 der Zone ist keine Liste aus unterer und oberer Grenze (Zahl oder null).</source>
        <translation>%1 of the zone is not a list of lower and upper limit (number or null).</translation>
    </message>
    <message>
        <source>%1 der Zone: die untere Grenze %2 liegt über der oberen %3.</source>
        <translation>%1 of the zone: the lower limit %2 lies above the upper %3.</translation>
    </message>
    <message>
        <source>Temperatur ϑ</source>
        <translation>Temperature ϑ</translation>
    </message>
    <message>
        <source>Wassergehalt x</source>
        <translation>Water content x</translation>
    </message>
    <message>
        <source>relative Feuchte φ</source>
        <translation>Relative humidity φ</translation>
    </message>
    <message>
        <source>Enthalpie h</source>
        <translation>Enthalpy h</translation>
    </message>
    <message>
        <source>Taupunkt ϑTau</source>
        <translation>Dew point ϑTau</translation>
    </message>
    <message>
        <source>Kühlgrenztemperatur ϑK</source>
        <translation>Wet-bulb temperature ϑK</translation>
    </message>
    <message>
        <source>Dichte ρ</source>
        <translation>Density ρ</translation>
    </message>
    <message>
        <source>spezifisches Volumen v</source>
        <translation>Specific volume v</translation>
    </message>
    <message>
        <source>Leistung</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Wasserstrom</source>
        <translation>Water flow</translation>
    </message>
    <message>
        <source>Temperaturänderung Δϑ</source>
        <translation>Temperature change Δϑ</translation>
    </message>
    <message>
        <source>Wassergehaltsänderung Δx</source>
        <translation>Water content change Δx</translation>
    </message>
    <message>
        <source>Enthalpieänderung Δh</source>
        <translation>Enthalpy change Δh</translation>
    </message>
    <message>
        <source>Aufgabe %1</source>
        <translation>Task %1</translation>
    </message>
    <message>
        <source>Die Aufgabe ist kein JSON-Objekt.</source>
        <translation>The task is not a JSON object.</translation>
    </message>
    <message>
        <source>Die Größe %1 gibt es nicht; möglich sind %2.</source>
        <translation>There is no property %1; the possible ones are %2.</translation>
    </message>
    <message>
        <source>„toleranz“ muss 0 oder größer sein.</source>
        <translation>“toleranz” must be 0 or greater.</translation>
    </message>
    <message>
        <source>„punkte“ muss größer als 0 sein.</source>
        <translation>“punkte” must be greater than 0.</translation>
    </message>
    <message>
        <source>Aufgabe %1: keine Antwort</source>
        <translation>Task %1: no answer</translation>
    </message>
    <message>
        <source>Aufgabe %1: richtig (%2, nach Betrag)</source>
        <translation>Task %1: right (%2, by amount)</translation>
    </message>
    <message>
        <source>Aufgabe %1: richtig (%2)</source>
        <translation>Task %1: right (%2)</translation>
    </message>
    <message>
        <source>Aufgabe %1: %2 statt %3 (Toleranz %4, nach Betrag)</source>
        <translation>Task %1: %2 instead of %3 (tolerance %4, by magnitude)</translation>
    </message>
    <message>
        <source>Aufgabe %1: %2 statt %3 (Toleranz %4)</source>
        <translation>Task %1: %2 instead of %3 (tolerance %4)</translation>
    </message>
    <message>
        <source>Das Projekt enthält keine Übung („uebung“ fehlt).</source>
        <translation>The project holds no exercise (“uebung” is missing).</translation>
    </message>
    <message>
        <source>Der Eintrag „uebung“ ist kein JSON-Objekt.</source>
        <translation>The entry “uebung” is not a JSON object.</translation>
    </message>
    <message>
        <source>„uebung“: „titel“ ist kein Text.</source>
        <translation>“uebung”: “titel” is not a text.</translation>
    </message>
    <message>
        <source>„uebung“: „gegeben“ ist keine Liste von Namen.</source>
        <translation>“uebung”: “gegeben” is not a list of names.</translation>
    </message>
    <message>
        <source>„uebung“: „aufgaben“ fehlt.</source>
        <translation>“uebung”: “aufgaben” is missing.</translation>
    </message>
    <message>
        <source>„uebung“: „aufgaben“ ist keine Liste von mindestens einer Aufgabe.</source>
        <translation>“uebung”: “aufgaben” is not a list of at least one task.</translation>
    </message>
    <message>
        <source>„uebung“: „aufgaben“ hat mehr als %1 Aufgaben.</source>
        <translation>“uebung”: “aufgaben” has more than %1 tasks.</translation>
    </message>
    <message>
        <source>Für %1 gibt es keinen Wert %2.</source>
        <translation>%1 has no value %2.</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht berechnen: %2</source>
        <translation>%1 cannot be computed: %2</translation>
    </message>
    <message>
        <source>Der Prozess nach %1 lässt sich nicht berechnen: %2</source>
        <translation>The process to %1 cannot be computed: %2</translation>
    </message>
    <message>
        <source>Einen Zustand %1 gibt es nicht.</source>
        <translation>There is no state %1.</translation>
    </message>
    <message>
        <source>Einen Prozess nach %1 gibt es nicht.</source>
        <translation>There is no process to %1.</translation>
    </message>
    <message>
        <source>Die Lösung lässt sich nicht zum Bewerten verwenden: %1</source>
        <translation>The solution cannot be used for grading: %1</translation>
    </message>
    <message>
        <source>Die Eingabe ergibt kein Diagramm.</source>
        <translation>The input gives no chart.</translation>
    </message>
    <message>
        <source>„gegeben“ nennt %1, das kein eingegebener Zustand der Lösung ist.</source>
        <translation>“gegeben” names %1, which is no entered state of the solution.</translation>
    </message>
    <message>
        <source>Der gegebene Zustand %1 lässt sich nicht berechnen: %2</source>
        <translation>The given state %1 cannot be computed: %2</translation>
    </message>
    <message>
        <source>Die Abgabe ist auf einem anderen Diagramm gezeichnet: %1 %2 statt %3.</source>
        <translation>The hand-in is drawn on another chart: %1 %2 instead of %3.</translation>
    </message>
    <message>
        <source>Die Abgabe ist auf einem anderen Diagramm gezeichnet: %1 %2 statt %3 °C.</source>
        <translation>The hand-in is drawn on another chart: %1 %2 instead of %3 °C.</translation>
    </message>
    <message>
        <source>Aufgabe %1: nicht bewertet</source>
        <translation>Task %1: not graded</translation>
    </message>
    <message>
        <source>Die Abgabe ist kein Lumora-Projekt: %1</source>
        <translation>The hand-in is not a Lumora project: %1</translation>
    </message>
    <message>
        <source>Aufgabe %1 fragt nach dem gegebenen Zustand %2; die Übung enthielte ihre Antwort.</source>
        <translation>Task %1 asks for the given state %2; the exercise would hold its answer.</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>von</source>
        <translation>of</translation>
    </message>
    <message>
        <source>%1: %2 von %3 Punkten</source>
        <translation>%1: %2 of %3 points</translation>
    </message>
    <message>
        <source>Eine Aufgabe %1 gibt es nicht.</source>
        <translation>There is no task %1.</translation>
    </message>
    <message>
        <source>Bitte eine Zahl eingeben.</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>Text: Bitte den Text der Aufgabe eingeben.</source>
        <translation>Text: Please enter the text of the task.</translation>
    </message>
    <message>
        <source>Zustand oder Prozess</source>
        <translation>State or process</translation>
    </message>
    <message>
        <source>Größe: Bitte eine Größe wählen.</source>
        <translation>Property: Please choose a property.</translation>
    </message>
    <message>
        <source>Toleranz</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>Toleranz: Sie muss 0 oder größer sein.</source>
        <translation>Tolerance: It must be 0 or greater.</translation>
    </message>
    <message>
        <source>Punkte: Sie müssen größer als 0 sein.</source>
        <translation>Points: They must be greater than 0.</translation>
    </message>
    <message>
        <source>Zustand oder Prozess: %1 ist gegeben; die Übung verriete die Antwort.</source>
        <translation>State or process: %1 is given; the exercise would give away the answer.</translation>
    </message>
    <message>
        <source>Die Übung hat schon %1 Aufgaben.</source>
        <translation>The exercise already has %1 tasks.</translation>
    </message>
    <message>
        <source>Aufgabe %1 steht schon oben.</source>
        <translation>Task %1 is already at the top.</translation>
    </message>
    <message>
        <source>Aufgabe %1 steht schon unten.</source>
        <translation>Task %1 is already at the bottom.</translation>
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
    <name>lumora::Anlagenseite</name>
    <message>
        <source>Massenstrom ṁ [kg/h]</source>
        <translation>Mass flow ṁ [kg/h]</translation>
    </message>
    <message>
        <source>Stunden in Betrieb [h]</source>
        <translation>Hours in operation [h]</translation>
    </message>
    <message>
        <source>Stunden unmöglich [h]</source>
        <translation>Hours impossible [h]</translation>
    </message>
    <message>
        <source>Stunden %1 [h]</source>
        <translation>Hours %1 [h]</translation>
    </message>
    <message>
        <source>Stunden nicht erreicht [h]</source>
        <translation>Hours not reached [h]</translation>
    </message>
    <message>
        <source>Energie Heizen gesamt [kWh]</source>
        <translation>Energy heating total [kWh]</translation>
    </message>
    <message>
        <source>Energie %1 [kWh]</source>
        <translation>Energy %1 [kWh]</translation>
    </message>
    <message>
        <source>Befeuchterwasser [kg]</source>
        <translation>Humidifier water [kg]</translation>
    </message>
    <message>
        <source>Kondensat [kg]</source>
        <translation>Condensate [kg]</translation>
    </message>
    <message>
        <source>WRG</source>
        <translation>HR</translation>
    </message>
    <message>
        <source>Höchstleistung %1 [kW]</source>
        <translation>Peak power %1 [kW]</translation>
    </message>
    <message>
        <source>Das Projekt hat keine Anlage.</source>
        <translation>The project has no unit.</translation>
    </message>
    <message>
        <source>Anlage hinzufügen</source>
        <translation>Add Unit</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Ein Wetterjahr des Projekts oder eine Messreihe mit lesbaren Zeiten</source>
        <translation>A weather year of the project or a measured series with readable times</translation>
    </message>
    <message>
        <source>Wetterjahr</source>
        <translation>Weather year</translation>
    </message>
    <message>
        <source>Volumenstrom V̇ [m³/h]</source>
        <translation>Volume flow V̇ [m³/h]</translation>
    </message>
    <message>
        <source>Luftstrom</source>
        <translation>Air flow</translation>
    </message>
    <message>
        <source>Zuluft ϑ [°C]</source>
        <translation>Supply air ϑ [°C]</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Zuluft x [g/kg]</source>
        <translation>Supply air x [g/kg]</translation>
    </message>
    <message>
        <source>offen</source>
        <translation>open</translation>
    </message>
    <message>
        <source>Abluft</source>
        <translation>Extract air</translation>
    </message>
    <message>
        <source>Rückwärmzahl Φ</source>
        <translation>Heat recovery efficiency Φ</translation>
    </message>
    <message>
        <source>keine WRG; 0 &lt; Φ ≤ 1</source>
        <translation>no HR; 0 &lt; Φ ≤ 1</translation>
    </message>
    <message>
        <source>Frostschutz ϑF [°C]</source>
        <translation>Frost protection ϑF [°C]</translation>
    </message>
    <message>
        <source>keiner; −50 bis ϑmin</source>
        <translation>none; −50 to ϑmin</translation>
    </message>
    <message>
        <source>vorhanden (kühlt und entfeuchtet)</source>
        <translation>present (cools and dehumidifies)</translation>
    </message>
    <message>
        <source>Kühler</source>
        <translation>Cooler</translation>
    </message>
    <message>
        <source>Bypassfaktor BF</source>
        <translation>Bypass factor BF</translation>
    </message>
    <message>
        <source>keiner</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Dampf</source>
        <translation>steam</translation>
    </message>
    <message>
        <source>Wasser</source>
        <translation>water</translation>
    </message>
    <message>
        <source>Befeuchter</source>
        <translation>Humidifier</translation>
    </message>
    <message>
        <source>Betrieb Monate (1 bis 12)</source>
        <translation>Operation months (1 to 12)</translation>
    </message>
    <message>
        <source>Betrieb Stunden (Uhrzeit 0 bis 24)</source>
        <translation>Operation hours (time of day 0 to 24)</translation>
    </message>
    <message>
        <source>alle</source>
        <translation>all</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Anlage entfernen</source>
        <translation>Remove Unit</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Übersicht</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>Monat</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Stunden [h]</source>
        <translation>Hours [h]</translation>
    </message>
    <message>
        <source>Heizen [kWh]</source>
        <translation>Heating [kWh]</translation>
    </message>
    <message>
        <source>Monate</source>
        <translation>Months</translation>
    </message>
    <message>
        <source>Balken speichern …</source>
        <translation>Save Bars …</translation>
    </message>
    <message>
        <source>Balken drucken …</source>
        <translation>Print Bars …</translation>
    </message>
    <message>
        <source>Balken</source>
        <translation>Bars</translation>
    </message>
    <message>
        <source>Volumenstrom</source>
        <translation>Volume flow</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>Mass flow</translation>
    </message>
    <message>
        <source>Zuluft ϑmin</source>
        <translation>Supply air ϑmin</translation>
    </message>
    <message>
        <source>Zuluft ϑmax</source>
        <translation>Supply air ϑmax</translation>
    </message>
    <message>
        <source>Zuluft xmin</source>
        <translation>Supply air xmin</translation>
    </message>
    <message>
        <source>Zuluft xmax</source>
        <translation>Supply air xmax</translation>
    </message>
    <message>
        <source>Abluft %1</source>
        <translation>Extract air %1</translation>
    </message>
    <message>
        <source>Frostschutz ϑF</source>
        <translation>Frost protection ϑF</translation>
    </message>
    <message>
        <source>Dampftemperatur ϑD</source>
        <translation>Steam temperature ϑD</translation>
    </message>
    <message>
        <source>Wassertemperatur ϑW</source>
        <translation>Water temperature ϑW</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Dampftemperatur ϑD [°C]</source>
        <translation>Steam temperature ϑD [°C]</translation>
    </message>
    <message>
        <source>Wassertemperatur ϑW [°C]</source>
        <translation>Water temperature ϑW [°C]</translation>
    </message>
    <message>
        <source>Anlage ändern</source>
        <translation>Change Unit</translation>
    </message>
    <message>
        <source>RLT 1</source>
        <translation>AHU 1</translation>
    </message>
    <message>
        <source>Die Anlage rechnet nicht: %1</source>
        <translation>The unit does not compute: %1</translation>
    </message>
    <message>
        <source>„%1“: %2 Stunden in Betrieb.</source>
        <translation>“%1”: %2 hours in operation.</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Die Anlage hat kein Jahr, das sich zeigen ließe.</source>
        <translation>The unit has no year that could be shown.</translation>
    </message>
    <message>
        <source>Monatsbalken speichern unter</source>
        <translation>Save Monthly Bars As</translation>
    </message>
    <message>
        <source>Monatsbalken.png</source>
        <translation>Monthly bars.png</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png);;SVG-Grafik (*.svg);;PDF-Dokument (*.pdf)</source>
        <translation>PNG image (*.png);;SVG graphic (*.svg);;PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Lumora - Speichern</source>
        <translation>Lumora - Save</translation>
    </message>
    <message>
        <source>Lumora Energie je Monat</source>
        <translation>Lumora energy per month</translation>
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
    <name>lumora::Eintragsformular</name>
    <message>
        <source>Bitte %1 eingeben.</source>
        <translation>Please enter %1.</translation>
    </message>
    <message>
        <source>Bitte einen Namen eingeben.</source>
        <translation>Please enter a name.</translation>
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
    <name>lumora::Hoehendialog</name>
    <message>
        <source>Gesamtdruck aus Höhe</source>
        <translation>Total Pressure from Altitude</translation>
    </message>
    <message>
        <source>m über dem Meeresspiegel</source>
        <translation>m above sea level</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Bitte eine Höhe in m eingeben.</source>
        <translation>Please enter an altitude in m.</translation>
    </message>
    <message>
        <source>Gesamtdruck der Normatmosphäre: %1 hPa</source>
        <translation>Total pressure of the standard atmosphere: %1 hPa</translation>
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
    <name>lumora::Projektfenster</name>
    <message>
        <source>Lumora-Projekt (*.lumora)</source>
        <translation>Lumora project (*.lumora)</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Rückgängig: %1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>Wiederholen: %1</source>
        <translation>Redo: %1</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1 liegt unter der unteren Grenze des Diagramms.</source>
        <translation>%1 lies below the chart’s lower limit.</translation>
    </message>
    <message>
        <source>%1 liegen unter der unteren Grenze des Diagramms.</source>
        <translation>%1 lie below the chart’s lower limit.</translation>
    </message>
    <message>
        <source>Keine untere Grenze bis −50 °C bringt sie ins Diagramm.</source>
        <translation>No lower limit down to −50 °C is low enough.</translation>
    </message>
    <message>
        <source>Untere Grenze auf %1 °C senken</source>
        <translation>Lower the Limit to %1 °C</translation>
    </message>
    <message>
        <source>Zustände</source>
        <translation>States</translation>
    </message>
    <message>
        <source>Prozesse</source>
        <translation>Processes</translation>
    </message>
    <message>
        <source>Messreihen</source>
        <translation>Measured Series</translation>
    </message>
    <message>
        <source>Zonen</source>
        <translation>Zones</translation>
    </message>
    <message>
        <source>Anlage</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>&amp;Projekt</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Öffnen …</source>
        <translation>Open …</translation>
    </message>
    <message>
        <source>Zuletzt geöffnet</source>
        <translation>Open Recent</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Speichern unter …</source>
        <translation>Save As …</translation>
    </message>
    <message>
        <source>Messreihe importieren …</source>
        <translation>Import Measured Series …</translation>
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
        <source>Übung erstellen …</source>
        <translation>Create Exercise …</translation>
    </message>
    <message>
        <source>Abgaben bewerten …</source>
        <translation>Grade Hand-ins …</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Zustand hinzufügen …</source>
        <translation>Add State …</translation>
    </message>
    <message>
        <source>Prozess hinzufügen …</source>
        <translation>Add Process …</translation>
    </message>
    <message>
        <source>Zone hinzufügen …</source>
        <translation>Add Zone …</translation>
    </message>
    <message>
        <source>Wetterjahr einstellen …</source>
        <translation>Weather Year Settings …</translation>
    </message>
    <message>
        <source>Anlage hinzufügen</source>
        <translation>Add Unit</translation>
    </message>
    <message>
        <source>Anlage entfernen</source>
        <translation>Remove Unit</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
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
        <source>Gesamtdruck aus Höhe …</source>
        <translation>Total Pressure from Altitude …</translation>
    </message>
    <message>
        <source>Eingaben ändern …</source>
        <translation>Change Inputs …</translation>
    </message>
    <message>
        <source>Untere Grenze …</source>
        <translation>Lower Limit …</translation>
    </message>
    <message>
        <source>Randmaßstab</source>
        <translation>Edge Scale</translation>
    </message>
    <message>
        <source>Enthalpieetiketten</source>
        <translation>Enthalpy Labels</translation>
    </message>
    <message>
        <source>Handbuch</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Tastenkürzel</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>Über Lumora</source>
        <translation>About Lumora</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Die Sprache wechselt beim nächsten Start von Lumora.</source>
        <translation>The language changes the next time Lumora starts.</translation>
    </message>
    <message>
        <source>Jahresbetrieb</source>
        <translation>Year of Operation</translation>
    </message>
    <message>
        <source>Mischungsnebel</source>
        <translation>Fog from Mixing</translation>
    </message>
    <message>
        <source>Sommerfall</source>
        <translation>Summer Case</translation>
    </message>
    <message>
        <source>Übung: Sommerfall – Mischen, Kühlen, Nachheizen</source>
        <translation>Exercise: Summer Case – Mixing, Cooling, Reheating</translation>
    </message>
    <message>
        <source>Lösung: Sommerfall – Mischen, Kühlen, Nachheizen</source>
        <translation>Solution: Summer Case – Mixing, Cooling, Reheating</translation>
    </message>
    <message>
        <source>Wetterjahr</source>
        <translation>Weather Year</translation>
    </message>
    <message>
        <source>Winterfall</source>
        <translation>Winter Case</translation>
    </message>
    <message>
        <source>Beispiele</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>Lumora - Zustände und Prozesse - %1</source>
        <translation>Lumora - States and Processes - %1</translation>
    </message>
    <message>
        <source>Das Projekt „%1“ hat ungespeicherte Änderungen.</source>
        <translation>The project “%1” has unsaved changes.</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Open Project</translation>
    </message>
    <message>
        <source>„%1“ lässt sich nicht öffnen.

%2</source>
        <translation>“%1” cannot be opened.

%2</translation>
    </message>
    <message>
        <source>Das Projekt wurde nicht gespeichert; die Datei ist unverändert.

%1</source>
        <translation>The project was not saved; the file is unchanged.

%1</translation>
    </message>
    <message>
        <source>Projekt speichern unter</source>
        <translation>Save Project As</translation>
    </message>
    <message>
        <source>Das Projekt wurde nicht gespeichert.

%1</source>
        <translation>The project was not saved.

%1</translation>
    </message>
    <message>
        <source>(keine)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Zustand hinzufügen</source>
        <translation>Add State</translation>
    </message>
    <message>
        <source>Prozess hinzufügen</source>
        <translation>Add Process</translation>
    </message>
    <message>
        <source>Zone hinzufügen</source>
        <translation>Add Zone</translation>
    </message>
    <message>
        <source>Prozess bearbeiten</source>
        <translation>Edit Process</translation>
    </message>
    <message>
        <source>Zone bearbeiten</source>
        <translation>Edit Zone</translation>
    </message>
    <message>
        <source>Messreihe importieren</source>
        <translation>Import Measured Series</translation>
    </message>
    <message>
        <source>Messreihen und Wetterjahre (*.csv *.txt *.dat *.epw);;Alle Dateien (*)</source>
        <translation>Measured series and weather years (*.csv *.txt *.dat *.epw);;All files (*)</translation>
    </message>
    <message>
        <source>Die Datei lässt sich nicht öffnen: %1</source>
        <translation>The file cannot be opened: %1</translation>
    </message>
    <message>
        <source>Messreihe wird gelesen …</source>
        <translation>Reading the measured series …</translation>
    </message>
    <message>
        <source>Gesamtdruck %1 hPa übernehmen?</source>
        <translation>Use %1 hPa as the total pressure?</translation>
    </message>
    <message>
        <source>Der mittlere Luftdruck des Wetterjahrs weicht um mehr als 1 % vom Gesamtdruck des Diagramms ab (%1 hPa).</source>
        <translation>The weather year’s mean air pressure differs by more than 1 % from the chart’s total pressure (%1 hPa).</translation>
    </message>
    <message>
        <source>Gesamtdruck übernehmen</source>
        <translation>Use Total Pressure</translation>
    </message>
    <message>
        <source>Das Projekt hat kein Wetterjahr.</source>
        <translation>The project has no weather year.</translation>
    </message>
    <message>
        <source>Wetterjahr „%1“ einstellen</source>
        <translation>Settings of Weather Year “%1”</translation>
    </message>
    <message>
        <source>Wetterjahr einstellen</source>
        <translation>Weather Year Settings</translation>
    </message>
    <message>
        <source>Gesamtdruck aus Höhe</source>
        <translation>Total Pressure from Altitude</translation>
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
    <name>lumora::Prozessformular</name>
    <message>
        <source>Prozess</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>von</source>
        <translation>from</translation>
    </message>
    <message>
        <source>zweiter Zustand</source>
        <translation>second state</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Zielwert</source>
        <translation>Target value</translation>
    </message>
    <message>
        <source>Name des neuen Zustands</source>
        <translation>Name of the new state</translation>
    </message>
    <message>
        <source>entspricht %1 m³/h bei %2</source>
        <translation>equals %1 m³/h at %2</translation>
    </message>
    <message>
        <source>Es gibt noch keinen Zustand, an dem ein Prozess beginnt.</source>
        <translation>There is no state yet for a process to start at.</translation>
    </message>
    <message>
        <source>Bitte zwei Massenströme oder den Außenluftanteil eingeben.</source>
        <translation>Please enter two mass flows or the outdoor air fraction.</translation>
    </message>
    <message>
        <source>Bitte einen Zielwert eingeben.</source>
        <translation>Please enter a target value.</translation>
    </message>
    <message>
        <source>Bitte den Namen des neuen Zustands eingeben.</source>
        <translation>Please enter the name of the new state.</translation>
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
<context>
    <name>lumora::Wetterjahrformular</name>
    <message>
        <source>Wetterjahr einstellen</source>
        <translation>Weather Year Settings</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Häufigkeitskarte</source>
        <translation>Frequency map</translation>
    </message>
    <message>
        <source>Darstellung</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>von</source>
        <translation>from</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
    <message>
        <source>alle</source>
        <translation>all</translation>
    </message>
    <message>
        <source>Monate (1 bis 12)</source>
        <translation>Months (1 to 12)</translation>
    </message>
    <message>
        <source>Stunden (Uhrzeit 0 bis 24)</source>
        <translation>Hours (time of day 0 to 24)</translation>
    </message>
    <message>
        <source>Klassenbreite Δϑ [K]</source>
        <translation>Class width Δϑ [K]</translation>
    </message>
    <message>
        <source>Klassenbreite Δx [g/kg]</source>
        <translation>Class width Δx [g/kg]</translation>
    </message>
    <message>
        <source>Überschreitung k [h]</source>
        <translation>Exceedance k [h]</translation>
    </message>
    <message>
        <source>Stunden, in denen ein Auslegungswert überschritten werden darf</source>
        <translation>Hours in which a design value may be exceeded</translation>
    </message>
    <message>
        <source>Monate von</source>
        <translation>Months from</translation>
    </message>
    <message>
        <source>Monate bis</source>
        <translation>Months to</translation>
    </message>
    <message>
        <source>Stunden von</source>
        <translation>Hours from</translation>
    </message>
    <message>
        <source>Stunden bis</source>
        <translation>Hours to</translation>
    </message>
    <message>
        <source>Überschreitung k</source>
        <translation>Exceedance k</translation>
    </message>
    <message>
        <source>%1: %2 ist kein Monat von 1 bis 12.</source>
        <translation>%1: %2 is not a month from 1 to 12.</translation>
    </message>
    <message>
        <source>%1: %2 ist keine volle Stunde von 0 bis 24.</source>
        <translation>%1: %2 is not a whole hour from 0 to 24.</translation>
    </message>
    <message>
        <source>Monate: bitte „von“ und „bis“ eingeben oder beide leer lassen.</source>
        <translation>Months: please enter “from” and “to”, or leave both empty.</translation>
    </message>
    <message>
        <source>Stunden: bitte „von“ und „bis“ eingeben oder beide leer lassen.</source>
        <translation>Hours: please enter “from” and “to”, or leave both empty.</translation>
    </message>
    <message>
        <source>Stunden: „von“ und „bis“ sind gleich; es bliebe keine Stunde.</source>
        <translation>Hours: “from” and “to” are equal; no hour would remain.</translation>
    </message>
    <message>
        <source>%1: %2 ist kleiner als %3 %4.</source>
        <translation>%1: %2 is less than %3 %4.</translation>
    </message>
    <message>
        <source>%1: %2 ist keine ganze Zahl ab 0.</source>
        <translation>%1: %2 is not a whole number of 0 or more.</translation>
    </message>
</context>
<context>
    <name>lumora::Zonenformular</name>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>offen</source>
        <translation>open</translation>
    </message>
    <message>
        <source>von</source>
        <translation>from</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Behaglichkeitsfeld einsetzen</source>
        <translation>Insert Comfort Zone</translation>
    </message>
    <message>
        <source>%1 von</source>
        <translation>%1 from</translation>
    </message>
    <message>
        <source>%1 bis</source>
        <translation>%1 to</translation>
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
    <name>lumora::Zustandsformular</name>
    <message>
        <source>Zustand</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>Input</translation>
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
