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
    <name>Diagramm</name>
    <message>
        <source>Gesamtdruck  = %1  hPa</source>
        <translation>Total pressure  = %1  hPa</translation>
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
</TS>
