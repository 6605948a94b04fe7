<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Ausgabeformat</name>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Exportieren in SVG Format (*.svg)</source>
        <translation>Export in SVG format (*.svg)</translation>
    </message>
    <message>
        <source>Exportieren in PNG Format (*.png)</source>
        <translation>Export in PNG format (*.png)</translation>
    </message>
    <message>
        <source>Exportieren in JPeg Format (*.jpg)</source>
        <translation>Export in JPEG format (*.jpg)</translation>
    </message>
    <message>
        <source>Exportieren in Bitmap Format (*.bmp)</source>
        <translation>Export in bitmap format (*.bmp)</translation>
    </message>
    <message>
        <source>Exportieren in Text Format (*.txt)</source>
        <translation>Export as text (*.txt)</translation>
    </message>
    <message>
        <source>CSV-Datei (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>JSON-Datei (*.json)</source>
        <translation>JSON file (*.json)</translation>
    </message>
    <message>
        <source>unbekannte Endung von %1 (möglich: %2)</source>
        <translation>unknown extension of %1 (possible: %2)</translation>
    </message>
    <message>
        <source>der Inhalt konnte nicht erzeugt werden</source>
        <translation>the content could not be created</translation>
    </message>
</context>
<context>
    <name>Bedarfsliste</name>
    <message>
        <source>QUORVEL® Doppelschubdorn nach Zulassung Z-98.6-341</source>
        <translation>QUORVEL® double shear dowel to approval Z-98.6-341</translation>
    </message>
    <message>
        <source>Stückliste</source>
        <translation>Parts list</translation>
    </message>
    <message>
        <source>Ausschreibungstext</source>
        <translation>Tender text</translation>
    </message>
    <message>
        <source>Zugelassenes System: Zul.-Nr. Z-98.6-341</source>
        <translation>Approved system: approval no. Z-98.6-341</translation>
    </message>
    <message>
        <source>Ausführung: Edelstahl</source>
        <translation>Material: stainless steel</translation>
    </message>
    <message>
        <source>Bestehend aus Dornelement und Hülse</source>
        <translation>Consisting of dowel element and sleeve</translation>
    </message>
    <message>
        <source>wie vor, jedoch:</source>
        <translation>as above, but:</translation>
    </message>
    <message>
        <source>Position: </source>
        <translation>Position: </translation>
    </message>
    <message>
        <source>Typ: </source>
        <translation>Type: </translation>
    </message>
    <message>
        <source>und Brandschutzmanschetten</source>
        <translation>and fire collars</translation>
    </message>
    <message>
        <source>Büro / Firma: </source>
        <translation>Company:      </translation>
    </message>
    <message>
        <source>Bauvorhaben:  </source>
        <translation>Project:      </translation>
    </message>
    <message>
        <source>Ausdruck vom: </source>
        <translation>Printed on:   </translation>
    </message>
    <message>
        <source>Nr.  Position            Anzahl Schubdorn      Anzahl Brandschutzmanschette     </source>
        <translation>No.  Position            No. of dowels         No. of fire collars              </translation>
    </message>
    <message>
        <source>Nr.  Anzahl  Bezeichnung                                                  </source>
        <translation>No.  Qty     Description                                                  </translation>
    </message>
    <message>
        <source>Doppelschubdorne zur Querkraftübertragung in Dehnfugen</source>
        <translation>Double shear dowels for shear transfer in expansion joints,</translation>
    </message>
    <message>
        <source>liefern und nach Angabe des Tragwerksplaners einbauen.</source>
        <translation>supplied and installed as directed by the structural engineer.</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>Schubdorn</source>
        <translation>Shear dowel</translation>
    </message>
    <message>
        <source>Brandschutzmanschette</source>
        <translation>Fire collar</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Doppelschubdorne zur Querkraftübertragung in Dehnfugen liefern und</source>
        <translation>Double shear dowels for shear transfer in expansion joints, supplied and</translation>
    </message>
    <message>
        <source>nach Angabe des Tragwerksplaners einbauen.</source>
        <translation>installed as directed by the structural engineer.</translation>
    </message>
    <message>
        <source>Die Bedarfsliste konnte nicht exportiert werden - Bitte prüfen Sie den Schreibzugriff auf dem Datenträger</source>
        <translation>The bill of quantities could not be exported - please check write access to the storage medium</translation>
    </message>
</context>
<context>
    <name>Befehle</name>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Projekt</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <source>&amp;Eingaben</source>
        <translation>&amp;Input</translation>
    </message>
    <message>
        <source>Be&amp;rechnung</source>
        <translation>&amp;Calculation</translation>
    </message>
    <message>
        <source>Bedarfs&amp;liste</source>
        <translation>&amp;Bill of quantities</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xport</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Bedarfsliste</source>
        <translation>Bill of quantities</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Neu...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>&amp;Öffnen...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Speichern &amp;unter ...</source>
        <translation>Save &amp;as ...</translation>
    </message>
    <message>
        <source>Speichern unter ...</source>
        <translation>Save as ...</translation>
    </message>
    <message>
        <source>Drucker &amp;einrichten...</source>
        <translation>Print&amp;er setup...</translation>
    </message>
    <message>
        <source>Drucker einrichten ...</source>
        <translation>Printer setup ...</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Projektverwaltung</source>
        <translation>Project &amp;browser</translation>
    </message>
    <message>
        <source>Projektverwaltung</source>
        <translation>Project browser</translation>
    </message>
    <message>
        <source>Position &amp;hinzufügen</source>
        <translation>&amp;Add position</translation>
    </message>
    <message>
        <source>Position hinzufügen</source>
        <translation>Add position</translation>
    </message>
    <message>
        <source>aktuelle Position &amp;löschen</source>
        <translation>&amp;Delete current position</translation>
    </message>
    <message>
        <source>aktuelle Position löschen</source>
        <translation>Delete current position</translation>
    </message>
    <message>
        <source>Systemein&amp;gaben</source>
        <translation>System &amp;inputs</translation>
    </message>
    <message>
        <source>Systemeingaben</source>
        <translation>System inputs</translation>
    </message>
    <message>
        <source>&amp;Projektdaten</source>
        <translation>Project &amp;data</translation>
    </message>
    <message>
        <source>Projektdaten</source>
        <translation>Project data</translation>
    </message>
    <message>
        <source>Eingabe&amp;baum</source>
        <translation>Navigation &amp;tree</translation>
    </message>
    <message>
        <source>&amp;Berechnung durchführen</source>
        <translation>&amp;Run calculation</translation>
    </message>
    <message>
        <source>&amp;Vorschau anzeigen</source>
        <translation>Show &amp;preview</translation>
    </message>
    <message>
        <source>&amp;Bedarfsliste anzeigen</source>
        <translation>Show &amp;bill of quantities</translation>
    </message>
    <message>
        <source>Bedarfsliste anzeigen</source>
        <translation>Show bill of quantities</translation>
    </message>
    <message>
        <source>zu Bedarfsliste &amp;hinzufügen</source>
        <translation>&amp;Add to bill of quantities</translation>
    </message>
    <message>
        <source>In Bedarfsliste aufnehmen</source>
        <translation>Add to bill of quantities</translation>
    </message>
    <message>
        <source>Ergebnisse in &amp;Datei exportieren</source>
        <translation>Export results to &amp;file</translation>
    </message>
    <message>
        <source>Ergebnisse in &amp;Zwischenablage exportieren</source>
        <translation>Export results to &amp;clipboard</translation>
    </message>
    <message>
        <source>DXF Export - D&amp;orn</source>
        <translation>DXF export - d&amp;owel</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Bewehrung</source>
        <translation>DXF export - &amp;reinforcement</translation>
    </message>
    <message>
        <source>&amp;Bemessung</source>
        <translation>&amp;Design</translation>
    </message>
    <message>
        <source>Bemessung</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>&amp;Farbeinstellungen</source>
        <translation>&amp;Colour settings</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>&amp;Inhalt</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Über &amp;Hilfe</source>
        <translation>&amp;Using help</translation>
    </message>
    <message>
        <source>Über Hilfe</source>
        <translation>Using help</translation>
    </message>
    <message>
        <source>&amp;Über QUORVEL® ZAVR ...</source>
        <translation>&amp;About QUORVEL® ZAVR ...</translation>
    </message>
    <message>
        <source>Über QUORVEL® ZAVR ...</source>
        <translation>About QUORVEL® ZAVR ...</translation>
    </message>
    <message>
        <source>ZAVR - &amp;Katalog</source>
        <translation>ZAVR - ca&amp;talogue</translation>
    </message>
    <message>
        <source>ZAVR - Katalog</source>
        <translation>ZAVR - catalogue</translation>
    </message>
    <message>
        <source>ZAVR - &amp;Zulassung</source>
        <translation>ZAVR - a&amp;pproval</translation>
    </message>
    <message>
        <source>ZAVR - Zulassung</source>
        <translation>ZAVR - approval</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Programm beenden</source>
        <translation>Exit program</translation>
    </message>
    <message>
        <source>Bauvorhaben: </source>
        <translation>Project: </translation>
    </message>
    <message>
        <source>aktuelle Positionen</source>
        <translation>current positions</translation>
    </message>
    <message>
        <source>Eingaben</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Eingabebaum</source>
        <translation>Navigation tree</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern...</source>
        <translation>Save as P&amp;DF...</translation>
    </message>
    <message>
        <source>DXF-Datei &amp;anzeigen...</source>
        <translation>&amp;View DXF file...</translation>
    </message>
    <message>
        <source>Pro&amp;jekt drucken...</source>
        <translation>Print pro&amp;ject...</translation>
    </message>
    <message>
        <source>Projekt als PD&amp;F...</source>
        <translation>Project as PD&amp;F...</translation>
    </message>
    <message>
        <source>&amp;Tragfähigkeitstabellen...</source>
        <translation>Load capacity &amp;tables...</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Zuletzt geöffnet</source>
        <translation>Recent projects</translation>
    </message>
</context>
<context>
    <name>Bemessung</name>
    <message>
        <source>SetTmpLast: Fataler Fehler im Berechnungsablauf! Das Ergebnis der Berechnung ist ungültig!
<byte value="xd"/>Versuchen Sie die Berechnung mit neuen Eingabedaten und wenden Sie sich an den Hersteller des Programms</source>
        <translation>SetTmpLast: fatal error in the calculation! The result of the calculation is invalid!
<byte value="xd"/>Please try the calculation with new input data and contact the maker of the program</translation>
    </message>
    <message>
        <source>Fehler in Modul MuexyCalc ---&gt; pbxy * phm = 0!</source>
        <translation>Error in module MuexyCalc ---&gt; pbxy * phm = 0!</translation>
    </message>
    <message>
        <source>Fehler in Modul Teilu     ---&gt; d = 0!</source>
        <translation>Error in module Teilu     ---&gt; d = 0!</translation>
    </message>
    <message>
        <source>Kein gültiger Dorn gefunden</source>
        <translation>No admissible dowel found</translation>
    </message>
    <message>
        <source>nicht bemessen</source>
        <translation>not designed</translation>
    </message>
    <message>
        <source>nicht zulässig</source>
        <translation>not admissible</translation>
    </message>
</context>
<context>
    <name>Bewehrungsplan</name>
    <message>
        <source>Die Position ist nicht berechnet; der Bewehrungsplan braucht die Ergebnisse einer Berechnung.</source>
        <translation>The position has not been calculated; the reinforcement drawing needs the results of a calculation.</translation>
    </message>
    <message>
        <source>Die Bewehrungsdaten enthalten ungültige Zahlen; bitte die Position neu berechnen.</source>
        <translation>The reinforcement data contain invalid numbers; please recalculate the position.</translation>
    </message>
    <message>
        <source>Plattendicke oder Bewehrungsbreite by ist nicht berechnet; bitte die Position neu berechnen.</source>
        <translation>Slab thickness or reinforcement width by has not been calculated; please recalculate the position.</translation>
    </message>
    <message>
        <source>Die Stabanzahlen der Bewehrung passen nicht zusammen; bitte die Position neu berechnen.</source>
        <translation>The numbers of reinforcing bars do not match; please recalculate the position.</translation>
    </message>
    <message>
        <source>Die Stababstände der Bewehrung sind unvollständig; bitte die Position neu berechnen.</source>
        <translation>The bar spacings of the reinforcement are incomplete; please recalculate the position.</translation>
    </message>
    <message>
        <source>Bauseitige Bewehrung für QUORVEL® Doppelschubdorn </source>
        <translation>On-site reinforcement for QUORVEL® double shear dowel </translation>
    </message>
    <message>
        <source>Draufsicht</source>
        <translation>Plan view</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Schnitt</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>mit lb,net verankern</source>
        <translation>anchor with lb,net</translation>
    </message>
    <message>
        <source>nicht zulässig</source>
        <translation>not admissible</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message numerus="yes">
        <source>%n Bügel</source>
        <translation>
            <numerusform>%n link</numerusform>
            <numerusform>%n links</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Bild</name>
    <message>
        <source>Doppelschubdorn ZAVR · ZAVRQ</source>
        <translation>Double shear dowel ZAVR · ZAVRQ</translation>
    </message>
    <message>
        <source>Doppelschubdorne für Dehnfugen</source>
        <translation>Double shear dowels for expansion joints</translation>
    </message>
    <message>
        <source>Bemessung · Bewehrung · Ausschreibung</source>
        <translation>Design · Reinforcement · Tender text</translation>
    </message>
</context>
<context>
    <name>Dateifehler</name>
    <message>
        <source>der Datenträger ist voll</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>das Speicherkontingent ist erschöpft</source>
        <translation>the disk quota is exhausted</translation>
    </message>
    <message>
        <source>keine Schreibberechtigung</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>keine Leseberechtigung</source>
        <translation>no permission to read</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>die Datei existiert nicht</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>ein Teil des Pfades ist kein Ordner</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>der Name bezeichnet einen Ordner</source>
        <translation>the name is that of a folder</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>the disk is write-protected</translation>
    </message>
    <message>
        <source>die Datei ist zu groß</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>der Dateiname ist zu lang</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>zu viele symbolische Verweise</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Datenträgers</source>
        <translation>input/output error of the disk</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei (ein Gerät oder eine Pipe)</source>
        <translation>not a regular file (a device or a pipe)</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden: %2</source>
        <translation>The file &quot;%1&quot; could not be written: %2</translation>
    </message>
    <message>
        <source>die Datei wäre größer als erlaubt</source>
        <translation>the file would be larger than permitted</translation>
    </message>
    <message>
        <source>die Datei ist schreibgeschützt</source>
        <translation>the file is read-only</translation>
    </message>
</context>
<context>
    <name>Dialogdienst</name>
    <message>
        <source>QUORVEL® Schubdorn ZAVR / ZAVRQ</source>
        <translation>QUORVEL® shear dowel ZAVR / ZAVRQ</translation>
    </message>
</context>
<context>
    <name>Dornzeichnung</name>
    <message>
        <source>Stab %1: Ø%2, l = %3, Abstand zur Fuge %4</source>
        <translation>Bar %1: Ø%2, l = %3, distance to joint %4</translation>
    </message>
    <message>
        <source>QUORVEL® Doppelschubdorn %1</source>
        <translation>QUORVEL® double shear dowel %1</translation>
    </message>
    <message>
        <source>Zeichnung Nr. %1</source>
        <translation>Drawing no. %1</translation>
    </message>
    <message>
        <source>Vorderansicht</source>
        <translation>Front view</translation>
    </message>
    <message>
        <source>Seitenansicht</source>
        <translation>Side view</translation>
    </message>
    <message>
        <source>Schubdorn: 2 x Ø%1, Achsabstand %2</source>
        <translation>Shear dowel: 2 x Ø%1, spacing (c/c) %2</translation>
    </message>
    <message>
        <source>Hülsenrohr: %1 x %2</source>
        <translation>Sleeve tube: %1 x %2</translation>
    </message>
    <message>
        <source>Ankerplatte: %1 x %2 x %3, Steg %4</source>
        <translation>Anchor plate: %1 x %2 x %3, web %4</translation>
    </message>
    <message>
        <source>Maße in mm</source>
        <translation>Dimensions in mm</translation>
    </message>
</context>
<context>
    <name>DxfLeinwand</name>
    <message>
        <source>die Zeichnung ist zu groß für ein Bild</source>
        <translation>the drawing is too large for a picture</translation>
    </message>
    <message>
        <source>die Zeichnung hat zu viele Elemente für ein SVG- oder PDF-Bild; als PNG speichern</source>
        <translation>the drawing has too many elements for an SVG or PDF picture; save it as PNG</translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte vom Typ %1 nicht dargestellt</source>
        <translation>
            <numerusform>%n object of type %1 not shown</numerusform>
            <numerusform>%n objects of type %1 not shown</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte im Papierbereich nicht dargestellt</source>
        <translation>
            <numerusform>%n object in paper space not shown</numerusform>
            <numerusform>%n objects in paper space not shown</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Schraffurmuster nur als Umriss dargestellt</source>
        <translation>
            <numerusform>%n hatch pattern shown as its boundary only</numerusform>
            <numerusform>%n hatch patterns shown as their boundaries only</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Eingabebereich</name>
    <message>
        <source>einzelner Doppelschubdorn</source>
        <translation>single double shear dowel</translation>
    </message>
    <message>
        <source>Dornpaar Platte an Platte</source>
        <translation>dowel pair slab to slab</translation>
    </message>
    <message>
        <source>Dornpaar Platte an Wand</source>
        <translation>dowel pair slab to wall</translation>
    </message>
    <message>
        <source>Dornreihe Platte an Platte</source>
        <translation>dowel row slab to slab</translation>
    </message>
    <message>
        <source>Dornreihe Platte an Wand</source>
        <translation>dowel row slab to wall</translation>
    </message>
    <message>
        <source>&amp;Einzellast</source>
        <translation>&amp;Point load</translation>
    </message>
    <message>
        <source>&amp;konstante Last</source>
        <translation>Cons&amp;tant load</translation>
    </message>
    <message>
        <source>&amp;gleichförmig</source>
        <translation>&amp;Linear</translation>
    </message>
    <message>
        <source>&amp;beliebig</source>
        <translation>A&amp;rbitrary</translation>
    </message>
    <message>
        <source>Bauvorhaben:</source>
        <translation>Project:</translation>
    </message>
    <message>
        <source>lfd Nr.:</source>
        <translation>No.:</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Anwendungsfall</source>
        <translation>Application case</translation>
    </message>
    <message>
        <source>Bauteil</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>Betongüte</source>
        <translation>Concrete strength class</translation>
    </message>
    <message>
        <source>Feuerwiderstandsdauer</source>
        <translation>Fire resistance class</translation>
    </message>
    <message>
        <source>Fuge</source>
        <translation>Joint</translation>
    </message>
    <message>
        <source>max. Fugenbreite</source>
        <translation>max. joint width</translation>
    </message>
    <message>
        <source>Dornabstand berechnen</source>
        <translation>calculate dowel spacing</translation>
    </message>
    <message>
        <source>konstanter Dornabstand</source>
        <translation>constant dowel spacing</translation>
    </message>
    <message>
        <source>Ermittlung der Bewehrung</source>
        <translation>Reinforcement</translation>
    </message>
    <message>
        <source>Eingabe der Bemessungswerte</source>
        <translation>Design values from characteristic loads</translation>
    </message>
    <message>
        <source>Bemessungswerte der Einwirkung</source>
        <translation>Design actions</translation>
    </message>
    <message>
        <source>(Design-Lasten):</source>
        <translation>(design loads):</translation>
    </message>
    <message>
        <source>Querkraftverlauf</source>
        <translation>Shear force distribution</translation>
    </message>
    <message>
        <source>Plattendicke</source>
        <translation>Slab thickness</translation>
    </message>
    <message>
        <source>Wanddicke</source>
        <translation>Wall thickness</translation>
    </message>
    <message>
        <source>Randabstand links</source>
        <translation>Edge distance left</translation>
    </message>
    <message>
        <source>Randabstand rechts</source>
        <translation>Edge distance right</translation>
    </message>
    <message>
        <source>Fugenlänge</source>
        <translation>Joint length</translation>
    </message>
    <message>
        <source>Betondeckung oben</source>
        <translation>Concrete cover top</translation>
    </message>
    <message>
        <source>Betondeckung unten</source>
        <translation>Concrete cover bottom</translation>
    </message>
    <message>
        <source>Betondeckung vorn</source>
        <translation>Concrete cover at joint face</translation>
    </message>
    <message>
        <source>Anteil ständig / veränderlich</source>
        <translation>Proportion permanent / variable</translation>
    </message>
    <message>
        <source>Punktlast</source>
        <translation>Point load</translation>
    </message>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>Dornabstand des Paares</source>
        <translation>Dowel spacing of the pair</translation>
    </message>
    <message>
        <source>Dornabstand der Reihe</source>
        <translation>Dowel spacing of the row</translation>
    </message>
    <message>
        <source>Querkraft links</source>
        <translation>Shear force, left</translation>
    </message>
    <message>
        <source>Querkraft rechts</source>
        <translation>Shear force, right</translation>
    </message>
    <message>
        <source>beliebige Last</source>
        <translation>Arbitrary load</translation>
    </message>
</context>
<context>
    <name>Ergebnisliste</name>
    <message>
        <source>Ausnutzungsgrad der Stahltragfähigkeit</source>
        <translation>Utilisation of the steel resistance</translation>
    </message>
    <message>
        <source>Ausnutzungsgrad der Durchstanztragfähigkeit</source>
        <translation>Utilisation of the punching shear resistance</translation>
    </message>
    <message>
        <source>Ausnutzungsgrad des Betonkantenbruchs</source>
        <translation>Utilisation of the concrete edge resistance</translation>
    </message>
    <message>
        <source>Anzahl der Dorne</source>
        <translation>Number of dowels</translation>
    </message>
    <message>
        <source>Übersicht der Berechung</source>
        <translation>Calculation overview</translation>
    </message>
    <message>
        <source>Übersicht der Berechnungsergebnisse</source>
        <translation>Overview of the calculation results</translation>
    </message>
</context>
<context>
    <name>Exportdialog</name>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ - Ergebnisse Exportieren</source>
        <translation>QUORVEL® - double shear dowel ZAVR / ZAVRQ - export results</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden: %2.</source>
        <translation>The file %1 could not be written: %2.</translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation>QUORVEL® - double shear dowel ZAVR / ZAVRQ</translation>
    </message>
</context>
<context>
    <name>Kommandozeile</name>
    <message>
        <source>%1 braucht einen Wert</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>unbekannte Option &quot;%1&quot;</source>
        <translation>unknown option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>genau eine Eingabedatei angeben</source>
        <translation>give exactly one input file</translation>
    </message>
    <message>
        <source>Position %1 &quot;%2&quot;</source>
        <translation>Position %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 hat die Prüfungen nicht bestanden</source>
        <translation>%1 has failed the input checks</translation>
    </message>
    <message>
        <source>die Bedarfsliste wird nicht geschrieben; ein unzulässiger Dorn wird nie bestellt</source>
        <translation>the bill of quantities is not written; a dowel that is not admissible is never ordered</translation>
    </message>
    <message>
        <source>-o ist nötig</source>
        <translation>-o is required</translation>
    </message>
    <message>
        <source>--kind braucht stueckliste oder ausschreibung</source>
        <translation>--kind needs parts-list or tender-text</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Position %1</translation>
    </message>
    <message>
        <source>Aufruf: zavr-cli design EINGABE.ZAV [--position N] [--save AUSGABE.ZAV] [--json]

Bemisst die Positionen eines Projekts wie der Befehl &quot;Berechnen&quot; des Programms: zuerst die Prüfungen
der Eingaben (nicht bestandene werden auf der Standardfehlerausgabe genannt; die Frage nach einem
konstanten Dornabstand über 5 * Plattendicke gilt als mit Ja beantwortet und wird als Warnung gemeldet),
dann die Bemessung aller 21 Dorntypen. Ausgegeben wird je Position die Ergebnisliste (Dorn, η S, η ct,
η ce, Anzahl der Dorne, Bemerkung) und der gewählte Dorn mit seiner Brandschutzmanschette, oder
&quot;Kein gültiger Dorn gefunden&quot;, wenn keiner der 21 Dorntypen zulässig ist.

Optionen:
  --position N        nur Position N bemessen (gezählt ab 1)
  --save AUSGABE.ZAV  das ganze Projekt mit den neuen Ergebnissen speichern, wie es das Programm tut
  --json              statt der Tabellen ein JSON-Dokument mit allen Ergebnisfeldern je Dorntyp
  --help              diese Beschreibung

Zahlen der Tabellen verwenden den Dezimaltrenner der Sprache oder der Ländereinstellung (siehe
`zavr-cli --help`), JSON immer &quot;.&quot;.

Rückgabewert: 0 alle gewählten Positionen bemessen; 1 eine Position hat die Prüfungen nicht bestanden
oder keinen zulässigen Dorn (&quot;Kein gültiger Dorn gefunden&quot;);
2 die Datei ist nicht lesbar oder kein Projekt dieses Programms, das Speichern ist misslungen oder die
Argumente sind falsch.
</source>
        <translation>Usage: zavr-cli design INPUT.ZAV [--position N] [--save OUTPUT.ZAV] [--json]

Designs the positions of a project as the program&apos;s &quot;Calculate&quot; command does: first the checks of
the inputs (those that fail are named on standard error; the question about a constant dowel
spacing above 5 * slab thickness counts as answered yes and is reported as a warning),
then the design of all 21 dowel types. For each position it prints the results list (dowel, η S,
η ct, η ce, number of dowels, remark) and the selected dowel with its fire collar, or
&quot;No admissible dowel found&quot; when none of the 21 dowel types is admissible.

Options:
  --position N        design position N only (counted from 1)
  --save OUTPUT.ZAV   save the whole project with the new results, as the program does
  --json              instead of the tables a JSON document with every result field per dowel type
  --help              this description

Numbers in the tables use the decimal separator of the language or of the regional settings (see
`zavr-cli --help`), JSON always &quot;.&quot;.

Exit status: 0 all chosen positions designed; 1 a position failed its checks or has no admissible
dowel (&quot;No admissible dowel found&quot;);
2 the file cannot be read or is no project of this program, saving failed, or the arguments are
wrong.
</translation>
    </message>
    <message>
        <source>--position braucht eine Positionsnummer ab 1</source>
        <translation>--position needs a position number from 1</translation>
    </message>
    <message>
        <source>mehr als eine Eingabedatei angegeben</source>
        <translation>more than one input file given</translation>
    </message>
    <message>
        <source>keine Eingabedatei angegeben</source>
        <translation>no input file given</translation>
    </message>
    <message>
        <source>nicht bemessen: die Prüfungen der Eingaben sind nicht bestanden</source>
        <translation>not designed: the input checks have failed</translation>
    </message>
    <message>
        <source>Argumente: </source>
        <translation>arguments: </translation>
    </message>
    <message>
        <source>unbekannter Dorntyp &quot;%1&quot;</source>
        <translation>unknown dowel type &quot;%1&quot;</translation>
    </message>
    <message>
        <source>-o AUSGABE.dxf fehlt</source>
        <translation>-o OUTPUT.dxf is missing</translation>
    </message>
    <message>
        <source>die Position &quot;%1&quot; ist nicht bemessen; zuerst zavr-cli design ... --save aufrufen</source>
        <translation>position &quot;%1&quot; has not been designed; run zavr-cli design ... --save first</translation>
    </message>
    <message>
        <source>Position &quot;%1&quot;: %2; mit --force wird die Zeichnung mit dem Vermerk &quot;nicht zulässig&quot; geschrieben</source>
        <translation>position &quot;%1&quot;: %2; with --force the drawing is written with the note &quot;not admissible&quot;</translation>
    </message>
    <message>
        <source>%1 nicht zulässig (%2)</source>
        <translation>%1 not admissible (%2)</translation>
    </message>
    <message>
        <source>dowel erwartet keine Eingabedatei</source>
        <translation>dowel takes no input file</translation>
    </message>
    <message>
        <source>--type fehlt</source>
        <translation>--type is missing</translation>
    </message>
    <message>
        <source>reinforcement, dowel oder render angeben</source>
        <translation>give reinforcement, dowel or render</translation>
    </message>
    <message>
        <source>genau eine DXF-Datei angeben</source>
        <translation>give exactly one DXF file</translation>
    </message>
    <message>
        <source>-o AUSGABE.png|.svg|.pdf fehlt</source>
        <translation>-o OUTPUT.png|.svg|.pdf is missing</translation>
    </message>
    <message>
        <source>--size braucht eine Pixelzahl von 50 bis 10000</source>
        <translation>--size needs a number of pixels from 50 to 10000</translation>
    </message>
    <message>
        <source>Gewählter Dorn: </source>
        <translation>Selected dowel: </translation>
    </message>
    <message>
        <source>Position %1 gibt es nicht; die letzte Position des Projekts ist %2</source>
        <translation>there is no position %1; the last position of the project is %2</translation>
    </message>
    <message>
        <source>Warnung: %1 Die Bemessung wird trotzdem durchgeführt.</source>
        <translation>Warning: %1 The design is carried out all the same.</translation>
    </message>
    <message>
        <source>Aufruf: zavr-cli report EINGABE.ZAV [--position N] -o AUSGABE.pdf|.svg|.png
       zavr-cli report EINGABE.ZAV --all -o AUSGABE.pdf

Schreibt den Berechnungsnachweis einer Position für ihren gewählten Dorntyp, ohne Bildschirm.
Eine Position ohne Ergebnisse wird zuerst bemessen, wenn sie die Prüfungen der Eingaben besteht.
  --position N   die Position (gezählt ab 1; ohne Angabe die aktuelle Position des Projekts)
  --all          der Nachweis des ganzen Projekts als ein PDF-Dokument: ein Deckblatt mit den
                 Projektdaten und einer Übersicht aller Positionen, dann die Seiten jeder Position;
                 die Seitenzahlen laufen durch das ganze Dokument. Eine Position, die die Prüfungen
                 nicht besteht, steht mit ihren Hinweisen auf dem Deckblatt und hat keine Seiten.
  -o DATEI       .pdf alle Seiten, je eine PDF-Seite; .svg Kopf und erste Seite; .png, .jpg, .bmp
                 das Bild der ersten Seite (96 dpi)

Texte und Zahlen folgen der Sprache und dem Dezimaltrenner des Aufrufs (siehe `zavr-cli --help`).

Rückgabewert: 0 geschrieben; 1 eine Position hat die Prüfungen nicht bestanden (mit --all ist das
Dokument trotzdem geschrieben); 2 die Datei ist nicht lesbar oder nicht schreibbar oder die Argumente
sind falsch.
</source>
        <translation>Usage: zavr-cli report INPUT.ZAV [--position N] -o OUTPUT.pdf|.svg|.png
       zavr-cli report INPUT.ZAV --all -o OUTPUT.pdf

Writes the design calculation of a position for its selected dowel type, without a screen.
A position without results is designed first if it passes the checks of the inputs.
  --position N   the position (counted from 1; without it the current position of the project)
  --all          the design calculation of the whole project as one PDF document: a cover page with
                 the project data and a summary of all positions, then the pages of each position;
                 the page numbers run through the whole document. A position that fails its checks
                 is listed with its hints on the cover page and has no pages.
  -o FILE        .pdf all pages, one PDF page each; .svg header and first page; .png, .jpg, .bmp
                 the picture of the first page (96 dpi)

Texts and numbers follow the language and the decimal separator of the call (see `zavr-cli --help`).

Exit status: 0 written; 1 a position failed its checks (with --all the document is written all the
same); 2 the file cannot be read or written, or the arguments are wrong.
</translation>
    </message>
    <message>
        <source>--all und --position schließen sich aus</source>
        <translation>--all and --position exclude each other</translation>
    </message>
    <message>
        <source>--view und -o sind nötig</source>
        <translation>--view and -o are required</translation>
    </message>
    <message>
        <source>unbekannte Ansicht &apos;%1&apos; (ansicht, draufsicht, schnitt, reihe, eingabe oder alle)</source>
        <translation>unknown view &apos;%1&apos; (elevation, plan, section, row, input or all)</translation>
    </message>
    <message>
        <source>Bild konnte nicht geschrieben werden: %1: %2</source>
        <translation>the picture could not be written: %1: %2</translation>
    </message>
    <message>
        <source>Aufruf: zavr-cli table [--types TYPEN] [--grades GÜTEN] [--h VON:BIS[:SCHRITT]] [--joint BREITEN]
                       [--fire none|F90] [--reinforcement standard|optimal] -o AUSGABE.csv|.pdf|.json

Schreibt Tragfähigkeitstabellen für die Vorbemessung, ohne Projektdatei: den Bemessungswiderstand eines
Dorns je Dorntyp, Betongüte, Plattendicke, Fugenbreite, Brandschutz und Bewehrungsart, wie ihn die
Bemessung für einen einzelnen Dorn unter Punktlast (Platte an Platte, Betondeckung je 3 cm) ergibt, mit
dem maßgebenden Nachweis und dem Rand- und Dornabstand, ab dem der Wert gilt. Wo der Dorn nicht zulässig
ist, steht der Grund statt eines Werts. Listen werden mit Kommas getrennt.
  --types TYPEN        Dorntypen, z. B. &quot;ZAVR 60 HF,ZAVRQ 30 HF&quot; (ohne Angabe alle 21)
  --grades GÜTEN       Betongüten, z. B. C20/25,C30/37 oder PB30 (ohne Angabe C20/25 bis C50/60)
  --h VON:BIS:SCHRITT  Plattendicken in cm (Schritt ohne Angabe 1 cm); ohne Angabe je Dorntyp von
                       seiner Mindestdicke bis 50 cm, mindestens 20 cm darüber
  --joint BREITEN      Fugenbreiten bis 20, 30, 40, 50 oder 60 mm (ohne Angabe 30)
  --fire ARTEN         none oder F90 (ohne Angabe none)
  --reinforcement ARTEN standard (nach Zulassung) oder optimal (ohne Angabe standard)
  -o DATEI             .csv eine Zeile je Zelle (Windows-1252, CR LF, &quot;;&quot; als Trenner); .pdf je
                       Dorntyp ein Tabellenblock mit Seitenrahmen; .json alle Zellen

Zahlen in CSV und PDF verwenden den Dezimaltrenner der Sprache oder der Ländereinstellung (siehe
`zavr-cli --help`), JSON immer &quot;.&quot;; JSON gibt Längen in mm.

Rückgabewert: 0 geschrieben; 2 die Datei ist nicht schreibbar oder die Argumente sind falsch.
</source>
        <translation>Usage: zavr-cli table [--types TYPES] [--grades GRADES] [--h FROM:TO[:STEP]] [--joint WIDTHS]
                      [--fire none|F90] [--reinforcement standard|optimal] -o OUTPUT.csv|.pdf|.json

Writes load capacity tables for preliminary design, without a project file: the design resistance
of one dowel per dowel type, concrete strength class, slab thickness, joint width, fire protection
and kind of reinforcement, as the design of a single dowel under a point load (slab to slab,
concrete cover 3 cm each) gives it, with the governing check and the edge distance and spacing from
which the value holds. Where the dowel is not admissible, the reason stands instead of a value.
Lists are separated by commas.
  --types TYPES        dowel types, e.g. &quot;ZAVR 60 HF,ZAVRQ 30 HF&quot; (without it all 21)
  --grades GRADES      concrete strength classes, e.g. C20/25,C30/37 or PB30 (without it C20/25 to
                       C50/60)
  --h FROM:TO:STEP     slab thicknesses in cm (step 1 cm without it); without it for each dowel type
                       from its minimum thickness to 50 cm, at least 20 cm beyond it
  --joint WIDTHS       joint widths up to 20, 30, 40, 50 or 60 mm (without it 30)
  --fire KINDS         none or F90 (without it none)
  --reinforcement KINDS standard (to the approval) or optimal (without it standard)
  -o FILE              .csv one line per cell (Windows-1252, CR LF, &quot;;&quot; as separator); .pdf one table
                       block per dowel type with page frame; .json all cells

Numbers in CSV and PDF use the decimal separator of the language or of the regional settings (see
`zavr-cli --help`), JSON always &quot;.&quot;; JSON gives lengths in mm.

Exit status: 0 written; 2 the file cannot be written or the arguments are wrong.
</translation>
    </message>
    <message>
        <source>unbekannt: &quot;%1&quot;</source>
        <translation>unknown: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>leere Liste</source>
        <translation>empty list</translation>
    </message>
    <message>
        <source>--h braucht VON:BIS oder VON:BIS:SCHRITT in cm, VON ≤ BIS, alle größer als 0</source>
        <translation>--h needs FROM:TO or FROM:TO:STEP in cm, FROM ≤ TO, all greater than 0</translation>
    </message>
    <message>
        <source>mehr als %1 Tabellenwerte; bitte die Auswahl einschränken</source>
        <translation>more than %1 table values; please narrow the selection</translation>
    </message>
    <message>
        <source>die Auswahl enthält keine Tabellenwerte</source>
        <translation>the selection contains no table values</translation>
    </message>
    <message>
        <source>unerwartetes Argument &quot;%1&quot;</source>
        <translation>unexpected argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Positionen eines Projekts bemessen und die Ergebnisliste ausgeben</source>
        <translation>design the positions of a project and print the results list</translation>
    </message>
    <message>
        <source>Bewehrungsplan oder Dornzeichnung als DXF-Datei schreiben</source>
        <translation>write a reinforcement drawing or dowel drawing as a DXF file</translation>
    </message>
    <message>
        <source>eine Skizze einer Position als Bild (PNG, SVG, JPEG, BMP) schreiben</source>
        <translation>write a sketch of a position as a picture (PNG, SVG, JPEG, BMP)</translation>
    </message>
    <message>
        <source>den Berechnungsnachweis einer Position als PDF oder Bild schreiben</source>
        <translation>write the design calculation of a position as PDF or picture</translation>
    </message>
    <message>
        <source>Stückliste oder Ausschreibungstext der Bedarfsliste als Text oder PDF schreiben</source>
        <translation>write the parts list or tender text of the bill of quantities as text or PDF</translation>
    </message>
    <message>
        <source>Tragfähigkeitstabellen für die Vorbemessung als CSV, PDF oder JSON schreiben</source>
        <translation>write load capacity tables for preliminary design as CSV, PDF or JSON</translation>
    </message>
    <message>
        <source>Allgemeine Optionen, vor oder nach dem Befehl:
  --language de|en|pl  die Sprache aller Ausgaben: Texte, Tabellen, Nachweis, Stückliste,
                       Ausschreibungstext und DXF-Zeichnungen. Ohne Angabe die Sprache, die das
                       Programm zuletzt gestartet hat (IDSprache in zavr.INI), sonst die Sprache der
                       Ländereinstellung (LC_ALL, LC_MESSAGES, LANG), sonst Deutsch.
  --decimal ,|.        der Dezimaltrenner der Zahlen. Ohne Angabe der der gewählten Sprache (Englisch
                       &quot;.&quot;, Deutsch und Polnisch &quot;,&quot;), ohne --language der der Ländereinstellung
                       (LC_ALL, LC_NUMERIC, LANG). JSON schreibt immer &quot;.&quot; und in jeder Sprache
                       dieselben Schlüssel.
</source>
        <translation>General options, before or after the command:
  --language de|en|pl  the language of every output: texts, tables, design calculation, parts list,
                       tender text and DXF drawings. Without it the language the program was last
                       started in (IDSprache in zavr.INI), else the language of the regional settings
                       (LC_ALL, LC_MESSAGES, LANG), else German.
  --decimal ,|.        the decimal separator of numbers. Without it that of the chosen language
                       (English &quot;.&quot;, German and Polish &quot;,&quot;), without --language that of the regional
                       settings (LC_ALL, LC_NUMERIC, LANG). JSON always writes &quot;.&quot; and the same keys
                       in every language.
</translation>
    </message>
    <message>
        <source>Aufruf: zavr-cli [--language de|en|pl] [--decimal ,|.] BEFEHL [OPTIONEN]</source>
        <translation>Usage: zavr-cli [--language de|en|pl] [--decimal ,|.] COMMAND [OPTIONS]</translation>
    </message>
    <message>
        <source>Befehle:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>`zavr-cli BEFEHL --help` beschreibt die Optionen eines Befehls.</source>
        <translation>`zavr-cli COMMAND --help` describes the options of a command.</translation>
    </message>
    <message>
        <source>zavr-cli: --language: dieses Programm ist ohne Qt gebaut und spricht nur Deutsch</source>
        <translation>zavr-cli: --language: this program was built without Qt and speaks German only</translation>
    </message>
    <message>
        <source>zavr-cli: --language braucht de, en oder pl</source>
        <translation>zavr-cli: --language needs de, en or pl</translation>
    </message>
    <message>
        <source>zavr-cli: --decimal braucht &quot;,&quot; oder &quot;.&quot;</source>
        <translation>zavr-cli: --decimal needs &quot;,&quot; or &quot;.&quot;</translation>
    </message>
    <message>
        <source>zavr-cli: unbekannter Befehl &quot;%1&quot;</source>
        <translation>zavr-cli: unknown command &quot;%1&quot;</translation>
    </message>
    <message>
        <source>
Rückgabewert: 0 geschrieben; 2 ein Wert ist abgelehnt, die Datei ist nicht lesbar oder nicht
schreibbar, oder die Argumente sind falsch.
</source>
        <translation>
Exit status: 0 written; 2 a value was refused, the file cannot be read or written, or the arguments
are wrong.
</translation>
    </message>
    <message>
        <source>Anwendungsfall</source>
        <translation>Application case</translation>
    </message>
    <message>
        <source>Belastungsfall (wie der Anwendungsfall ihn zulässt)</source>
        <translation>Load case (as the application case allows)</translation>
    </message>
    <message>
        <source>max. Fugenbreite [mm]</source>
        <translation>max. joint width [mm]</translation>
    </message>
    <message>
        <source>Betongüte</source>
        <translation>Concrete strength class</translation>
    </message>
    <message>
        <source>Feuerwiderstandsdauer</source>
        <translation>Fire resistance class</translation>
    </message>
    <message>
        <source>Ermittlung der Bewehrung</source>
        <translation>Reinforcement method</translation>
    </message>
    <message>
        <source>Dornabstand eines Paares berechnen</source>
        <translation>Calculate the spacing of a pair</translation>
    </message>
    <message>
        <source>konstanter Dornabstand einer Reihe</source>
        <translation>Constant spacing of a row</translation>
    </message>
    <message>
        <source>Maximaler Dornabstand (Einstellung zur Bemessung)</source>
        <translation>Maximum dowel spacing (design settings)</translation>
    </message>
    <message>
        <source>mindestens %1</source>
        <translation>at least %1</translation>
    </message>
    <message>
        <source>höchstens %1</source>
        <translation>at most %1</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Zahlenfelder (Einheit des Fensters, Grenzen):</source>
        <translation>Number fields (unit of the window, limits):</translation>
    </message>
    <message>
        <source>Auswahlen:</source>
        <translation>Choices:</translation>
    </message>
    <message>
        <source>Texte:</source>
        <translation>Texts:</translation>
    </message>
    <message>
        <source>Positionsname</source>
        <translation>Position name</translation>
    </message>
    <message>
        <source>Bauvorhaben</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>keine Zahl</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>unbekannter Name (zavr-cli set --help nennt alle)</source>
        <translation>unknown name (zavr-cli set --help lists them all)</translation>
    </message>
    <message>
        <source>unbekannter Wert (zavr-cli set --help nennt alle)</source>
        <translation>unknown value (zavr-cli set --help lists them all)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Zuweisung NAME=WERT</source>
        <translation>&quot;%1&quot; is no assignment NAME=VALUE</translation>
    </message>
    <message>
        <source>keine Zuweisung NAME=WERT angegeben</source>
        <translation>no assignment NAME=VALUE given</translation>
    </message>
    <message>
        <source>Eingaben einer Position mit den Grenzen des Programms ändern</source>
        <translation>change inputs of a position within the program&apos;s limits</translation>
    </message>
    <message>
        <source>(%1 ist bei konstanter Last die ganze Streckenlast, %2 gilt nur bei linearer Last.)</source>
        <translation>(%1 is the whole line load for a constant load; %2 applies to a linear load only.)</translation>
    </message>
    <message>
        <source>Aufruf: zavr-cli bill EINGABE.ZAV --kind stueckliste|ausschreibung [--add-all] -o AUSGABE.txt|.pdf|.png

Schreibt die Stückliste oder den Ausschreibungstext der Bedarfsliste eines Projekts, ohne Bildschirm.
Nur aktive Einträge erscheinen.
  --kind ART     stueckliste oder ausschreibung (englisch parts-list oder tender-text)
  --add-all      nimmt zuerst jede Position der Reihe nach mit ihrer Nummer in die Bedarfsliste auf; ein
                 Eintrag mit derselben Nummer wird ersetzt. Positionen ohne Ergebnisse werden zuerst
                 geprüft und bemessen. Hat eine Position keinen zulässigen Dorn oder besteht sie die
                 Prüfungen nicht, wird nichts geschrieben. Die Projektdatei bleibt unverändert.
  -o DATEI       .txt der Textexport (80 Spalten, Windows-1252, CR LF); .pdf die gedruckten Seiten;
                 .svg, .png, .jpg, .bmp die ganze Liste als ein Bild wie der Bildexport des Programms

Rückgabewert: 0 geschrieben; 1 eine Position hat die Prüfungen nicht bestanden oder keinen zulässigen
Dorn (nichts geschrieben);
2 die Datei ist nicht lesbar oder nicht schreibbar oder die Argumente sind falsch.
</source>
        <translation>Usage: zavr-cli bill INPUT.ZAV --kind parts-list|tender-text [--add-all] -o OUTPUT.txt|.pdf|.png

Writes the parts list or the tender text of the bill of quantities of a project, without a screen.
Only active entries appear.
  --kind KIND    parts-list or tender-text
  --add-all      first adds every position in turn, with its number, to the bill of quantities; an
                 entry with the same number is replaced. Positions without results are checked and
                 designed first. If a position has no admissible dowel or fails its checks, nothing
                 is written. The project file stays unchanged.
  -o FILE        .txt the text export (80 columns, Windows-1252, CR LF); .pdf the printed pages;
                 .svg, .png, .jpg, .bmp the whole list as one picture, like the program&apos;s picture export

Exit status: 0 written; 1 a position failed its checks or has no admissible dowel (nothing
written);
2 the file cannot be read or written, or the arguments are wrong.
</translation>
    </message>
    <message>
        <source>Aufruf: zavr-cli dxf reinforcement EINGABE.ZAV [--position N] [--type &quot;ZAVR 60 HF&quot;] -o AUSGABE.dxf
       zavr-cli dxf dowel --type &quot;ZAVRQ 30 HF&quot; [-o AUSGABE.dxf]
       zavr-cli dxf render EINGABE.dxf -o AUSGABE.png|.svg|.pdf [--size PIXEL]

reinforcement: die bauseitige Bewehrung eines Dorntyps einer bemessenen Position als DXF-Zeichnung.
  --position N   die Position (gezählt ab 1; ohne Angabe die aktuelle Position des Projekts)
  --type NAME    der Dorntyp (ohne Angabe der bei der Bemessung gewählte Dorn der Position)
  --force        auch einen Dorntyp zeichnen, der nicht zulässig ist; die Zeichnung trägt dann unter dem
                 Titel den Vermerk &quot;nicht zulässig&quot; mit dem Grund (ohne --force: Rückgabewert 1)
dowel: die Zeichnung eines Dorntyps; ohne -o unter dem Dateinamen des Katalogs.
render: eine beliebige DXF-Datei (Release 12 bis 2018) als Bild in der Gesamtansicht der Vorschau; die
  Endung bestimmt das Format, --size die längere Seite in Pixeln (Vorgabe 1000). Was die Datei enthält,
  das Bild aber nicht zeigt, steht auf der Standardfehlerausgabe; eine Datei ohne Zeichnung gibt 2.
  Ist die Datei nur zum Teil lesbar, zeigt das Bild den gelesenen Teil; der Rückgabewert ist dann 1.

Eine Ausgabedatei ohne die Endung &quot;.dxf&quot; erhält sie. Dorntypen werden wie im Programm geschrieben
(&quot;ZAVR 60 HF&quot;); Groß- und Kleinschreibung und Leerzeichen sind beliebig.

Rückgabewert: 0 geschrieben; 1 die Position ist nicht bemessen, der Dorntyp nicht zulässig (ohne --force)
oder die Zeichnung nicht möglich oder nur zum Teil gelesen;
2 die Datei ist nicht lesbar, nicht schreibbar oder die Argumente sind falsch.
</source>
        <translation>Usage: zavr-cli dxf reinforcement INPUT.ZAV [--position N] [--type &quot;ZAVR 60 HF&quot;] -o OUTPUT.dxf
       zavr-cli dxf dowel --type &quot;ZAVRQ 30 HF&quot; [-o OUTPUT.dxf]
       zavr-cli dxf render INPUT.dxf -o OUTPUT.png|.svg|.pdf [--size PIXELS]

reinforcement: the on-site reinforcement of a dowel type of a designed position as a DXF drawing.
  --position N   the position (counted from 1; without it the current position of the project)
  --type NAME    the dowel type (without it the dowel selected by the design of the position)
  --force        also draw a dowel type that is not admissible; the drawing then carries the note
                 &quot;not admissible&quot; with the reason below its title (without --force: exit status 1)
dowel: the drawing of a dowel type; without -o under the file name of the catalogue.
render: any DXF file (Release 12 to 2018) as a picture in the full view of the preview; the extension
  decides the format, --size the longer side in pixels (default 1000). What the file holds but the picture
  does not show is named on standard error; a file without a drawing gives 2.
  When the file could be read only in part, the picture shows that part and the status is 1.

An output file without the extension &quot;.dxf&quot; is given it. Dowel types are written as in the program
(&quot;ZAVR 60 HF&quot;); upper and lower case and blanks do not matter.

Exit status: 0 written; 1 the position has not been designed, the dowel type is not admissible
(without --force), the drawing is not possible or was read only in part;
2 the file cannot be read or written, or the arguments are wrong.
</translation>
    </message>
    <message>
        <source>--size braucht eine Pixelzahl von 50 bis 8000</source>
        <translation>--size needs a number of pixels from 50 to 8000</translation>
    </message>
    <message>
        <source>Aufruf: zavr-cli set EINGABE.ZAV [--position N] NAME=WERT ... [--last-csv DATEI] [-o AUSGABE.ZAV]

Ändert Eingaben einer Position mit den Regeln und Grenzen des Programmfensters und speichert das
Projekt in AUSGABE.ZAV (ohne -o in EINGABE.ZAV). Die Zuweisungen gelten der Reihe nach, wie Eingaben
im Fenster: ein anderer Anwendungsfall wählt den Belastungsfall, den er zulässt, eine kürzere Fuge
kürzt die Punkte einer beliebigen Last. Ein Wert außerhalb seiner Grenzen endet mit der Meldung des
Programms, und nichts wird geschrieben. Die Ergebnisse einer geänderten Position gelten danach als
nicht berechnet; `zavr-cli design` bemisst sie neu. Zahlen mit &quot;.&quot; oder &quot;,&quot; als Dezimaltrenner.

  --position N     die Position (gezählt ab 1; ohne Angabe die aktuelle Position des Projekts)
  --last-csv DATEI eine beliebige Streckenlast der Dornreihe aus einer Tabelle (nach den Zuweisungen):
                   je Zeile x in m und q in kN/m, getrennt durch Tabulator, Semikolon oder Leerzeichen,
                   Dezimalkomma oder -punkt, eine Kopfzeile wird übersprungen. Jede Zeile wird wie im
                   Eingabefenster geprüft (0 &lt;= x &lt;= Fugenlänge, q &gt;= 0); eine falsche Zeile wird
                   genannt, und nichts wird geschrieben.
  -o DATEI         das geänderte Projekt hierhin schreiben
  --help           diese Beschreibung
</source>
        <translation>Usage: zavr-cli set INPUT.ZAV [--position N] NAME=VALUE ... [--last-csv FILE] [-o OUTPUT.ZAV]

Changes inputs of a position with the rules and limits of the program window and saves the project
in OUTPUT.ZAV (without -o in INPUT.ZAV). The assignments apply in order, like inputs in the window:
another application case selects the load case it allows, a shorter joint shortens the points of an
arbitrary load. A value outside its limits ends with the program&apos;s message, and nothing is written.
The results of a changed position then count as not calculated; `zavr-cli design` designs it again.
Numbers with &quot;.&quot; or &quot;,&quot; as decimal separator.

  --position N     the position (counted from 1; without it the current position of the project)
  --last-csv FILE  an arbitrary line load of the dowel row from a table (after the assignments):
                   per line x in m and q in kN/m, separated by tab, semicolon or blanks, decimal
                   comma or point, a header line is skipped. Every line is checked as in the input
                   window (0 &lt;= x &lt;= joint length, q &gt;= 0); a wrong line is named, and nothing is
                   written.
  -o FILE          write the changed project here
  --help           this description
</translation>
    </message>
    <message>
        <source>Aufruf: zavr-cli sketch EINGABE.ZAV [--position N] --view ANSICHT [--size PIXEL] -o AUSGABE.png|.svg|.jpg

Zeichnet eine Skizze einer Position als Bild, ohne Bildschirm.
  --position N   die Position (gezählt ab 1; ohne Angabe die aktuelle Position des Projekts)
  --view         ansicht, draufsicht, schnitt, reihe, eingabe oder alle (die vier Ergebnisskizzen);
                 ebenso die englischen Namen elevation, plan, section, row, input und all
  --size PIXEL   Seitenlänge des quadratischen Bildes (Vorgabe 500, für alle 1000)
  -o DATEI       die Bilddatei; die Endung bestimmt das Format (.png, .svg, .jpg, .bmp)

Die Ergebnisskizzen einer Position ohne Ergebnisse werden wie beim Nachweis nach ihrer Bemessung
gezeichnet.

Rückgabewert: 0 geschrieben; 1 die Position hat die Prüfungen nicht bestanden; 2 die Datei ist nicht
lesbar oder nicht schreibbar oder die Argumente sind falsch.
</source>
        <translation>Usage: zavr-cli sketch INPUT.ZAV [--position N] --view VIEW [--size PIXELS] -o OUTPUT.png|.svg|.jpg

Draws a sketch of a position as a picture, without a screen.
  --position N   the position (counted from 1; without it the current position of the project)
  --view         elevation, plan (plan view), section, row (dowel row), input (input sketch) or all
                 (the four result sketches)
  --size PIXELS  side of the square picture (default 500, for all 1000)
  -o FILE        the picture file; the extension decides the format (.png, .svg, .jpg, .bmp)

The result sketches of a position without results are drawn after it has been designed, as for the design
calculation.

Exit status: 0 written; 1 the position failed its checks; 2 the file cannot be read or written,
or the arguments are wrong.
</translation>
    </message>
</context>
<context>
    <name>Lastimport</name>
    <message>
        <source>Die Tabelle enthält keine Wertepaare.</source>
        <translation>The table holds no value pairs.</translation>
    </message>
    <message>
        <source>Es wurde nichts übernommen.</source>
        <translation>Nothing was taken over.</translation>
    </message>
    <message>
        <source>Zeile %1 enthält nicht zwei Zahlen (x in m und q in kN/m): &quot;%2&quot;</source>
        <translation>Line %1 does not hold two numbers (x in m and q in kN/m): &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Zeile %1: x = %2 m liegt nicht in der Fuge (0 bis %3 m).</source>
        <translation>Line %1: x = %2 m is not within the joint (0 to %3 m).</translation>
    </message>
    <message>
        <source>Zeile %1: q = %2 kN/m ist kleiner als 0.</source>
        <translation>Line %1: q = %2 kN/m is less than 0.</translation>
    </message>
    <message>
        <source>Die Tabelle hat mehr als %1 Wertepaare.</source>
        <translation>The table has more than %1 value pairs.</translation>
    </message>
    <message>
        <source>%1 kann nicht gelesen werden: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>Nachweis</name>
    <message>
        <source>Zwischenergebnis Bewehrung</source>
        <translation>Interim results</translation>
    </message>
    <message>
        <source>Ausnutzung</source>
        <translation>Utilisation</translation>
    </message>
    <message>
        <source>Berechnung mit optimaler Dornausnutzung</source>
        <translation>Calculation with optimised dowel utilisation</translation>
    </message>
    <message>
        <source>Berechnung mit Bewehrung nach Zulassung</source>
        <translation>Calculation with reinforcement to the approval</translation>
    </message>
    <message>
        <source>Betongüte</source>
        <translation>Concrete strength class</translation>
    </message>
    <message>
        <source>Wanddicke</source>
        <translation>Wall thickness</translation>
    </message>
    <message>
        <source>Plattendicke</source>
        <translation>Slab thickness</translation>
    </message>
    <message>
        <source>Betondeckung oben</source>
        <translation>Concrete cover top</translation>
    </message>
    <message>
        <source>Betondeckung unten</source>
        <translation>Concrete cover bottom</translation>
    </message>
    <message>
        <source>Betondeckung vorn</source>
        <translation>Concrete cover at joint face</translation>
    </message>
    <message>
        <source>statische Nutzhöhe</source>
        <translation>Effective depth</translation>
    </message>
    <message>
        <source>Einzellast am Dorn</source>
        <translation>Point load on the dowel</translation>
    </message>
    <message>
        <source>konstante Linienlast</source>
        <translation>Constant line load</translation>
    </message>
    <message>
        <source>geradlinige Linienlast</source>
        <translation>Linearly varying line load</translation>
    </message>
    <message>
        <source>beliebiger Linienlastverlauf</source>
        <translation>Arbitrary line load distribution</translation>
    </message>
    <message>
        <source>siehe nachfolgende Seite</source>
        <translation>see the following page</translation>
    </message>
    <message>
        <source>Fugenbreite</source>
        <translation>Joint width</translation>
    </message>
    <message>
        <source>vorgegebener Randabstand</source>
        <translation>Specified edge distance</translation>
    </message>
    <message>
        <source>Fugenlänge</source>
        <translation>Joint length</translation>
    </message>
    <message>
        <source>Brandschutz</source>
        <translation>Fire protection</translation>
    </message>
    <message>
        <source>Eingaben zur Anwendung</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Eingaben zur Bauteilgeometrie</source>
        <translation>Member geometry</translation>
    </message>
    <message>
        <source>Eingaben zur Belastung</source>
        <translation>Loading</translation>
    </message>
    <message>
        <source>Eingaben zur Dehnfuge</source>
        <translation>Expansion joint</translation>
    </message>
    <message>
        <source>Gewählt</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>Bewehrungsgrad / Dorn</source>
        <translation>Reinforcement ratio / dowel</translation>
    </message>
    <message>
        <source>Horizontale Querbewehrung</source>
        <translation>Horizontal transverse reinforcement</translation>
    </message>
    <message>
        <source>Vertikale Aufhängebewehrung</source>
        <translation>Vertical suspension reinforcement</translation>
    </message>
    <message>
        <source>Einflußbereich Bewehrung</source>
        <translation>Reinforcement zone</translation>
    </message>
    <message>
        <source>Rundschnitt / Dorn</source>
        <translation>Control perimeter / dowel</translation>
    </message>
    <message>
        <source>Mindestrandabstand (gem. Zulassung)</source>
        <translation>Minimum edge distance (to the approval)</translation>
    </message>
    <message>
        <source>minimaler Randabstand Stütze</source>
        <translation>Minimum edge distance at a column</translation>
    </message>
    <message>
        <source>vorhandener Randabstand</source>
        <translation>Edge distance provided</translation>
    </message>
    <message>
        <source>Mindestdornabstand (gem. Zulassung)</source>
        <translation>Minimum dowel spacing (to the approval)</translation>
    </message>
    <message>
        <source>vorhandener Dornabstand</source>
        <translation>Dowel spacing provided</translation>
    </message>
    <message>
        <source>Berechnung als Einzeldorn</source>
        <translation>Calculation as a single dowel</translation>
    </message>
    <message>
        <source>Berechnung als Dornpaar</source>
        <translation>Calculation as a dowel pair</translation>
    </message>
    <message>
        <source>Berechnung als Dornreihe</source>
        <translation>Calculation as a dowel row</translation>
    </message>
    <message>
        <source>Rand- und Dornabstand</source>
        <translation>Edge distance and dowel spacing</translation>
    </message>
    <message>
        <source>Nachweis / Dorn</source>
        <translation>Verification / dowel</translation>
    </message>
    <message>
        <source>Ermittlung der Bemessungswiderstände unter Berücksichtigung von Längs-</source>
        <translation>Design resistances, allowing for longitudinal</translation>
    </message>
    <message>
        <source>und</source>
        <translation>and</translation>
    </message>
    <message>
        <source>oder</source>
        <translation>or</translation>
    </message>
    <message>
        <source>Querverschiebung</source>
        <translation>transverse movement</translation>
    </message>
    <message>
        <source>Bemessungswiderstand gegen Stahltragfähigkeit</source>
        <translation>Design resistance of the steel</translation>
    </message>
    <message>
        <source>Bemessungswiderstand gegen Durchstanzen</source>
        <translation>Design punching shear resistance</translation>
    </message>
    <message>
        <source>Bemessungswiderstand gegen Betonkantenbruch</source>
        <translation>Design resistance against concrete edge failure</translation>
    </message>
    <message>
        <source>maßgebender Bemessungswiderstand</source>
        <translation>Governing design resistance</translation>
    </message>
    <message>
        <source>Bemessungswert der einwirkenden Last</source>
        <translation>Design value of the applied load</translation>
    </message>
    <message>
        <source>maximale Dornausnutzung</source>
        <translation>Maximum dowel utilisation</translation>
    </message>
    <message>
        <source>Hinweis: Die Durchlaufwirkung der Belastung in der Fuge muss vom Planer separat geprüft werden!</source>
        <translation>Note: the continuity effect of the load along the joint must be checked separately by the designer!</translation>
    </message>
    <message>
        <source>Übersicht der Bewehrungszulage</source>
        <translation>Overview of the additional reinforcement</translation>
    </message>
    <message>
        <source>Aufhängebewehrung</source>
        <translation>Suspension reinforcement</translation>
    </message>
    <message>
        <source>Längsbewehrung</source>
        <translation>Longitudinal reinforcement</translation>
    </message>
    <message>
        <source>Bügel</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Koordinaten</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>Dorn Nr.:</source>
        <translation>Dowel no.:</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Spacing</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Berechnungsnachweis</source>
        <translation>Design calculation</translation>
    </message>
    <message>
        <source>Berechnungsnachweis für </source>
        <translation>Design calculation for </translation>
    </message>
    <message>
        <source>Bauvorhaben:  </source>
        <translation>Project:  </translation>
    </message>
    <message>
        <source>Seite:</source>
        <translation>Page:</translation>
    </message>
    <message>
        <source>Proj.-Nr.:</source>
        <translation>Proj. no.:</translation>
    </message>
    <message>
        <source>QUORVEL GmbH</source>
        <translation>QUORVEL GmbH</translation>
    </message>
    <message>
        <source>QUORVEL® Doppelschubdorn ZAVR/ZAVRQ: Zulassung gemäß DIN 1045-1 und DIN EN 1992-1-1 (EC2)</source>
        <translation>QUORVEL® double shear dowel ZAVR/ZAVRQ: designed to DIN 1045-1 and DIN EN 1992-1-1 (EC2)</translation>
    </message>
    <message>
        <source>QUORVEL® Doppelschubdorn nach Zulassung Z-98.6-341</source>
        <translation>QUORVEL® double shear dowel to approval Z-98.6-341</translation>
    </message>
    <message>
        <source>Datum: </source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>Ausdruck vom: </source>
        <translation>Printed on: </translation>
    </message>
    <message>
        <source>Bearbeiter: </source>
        <translation>Engineer: </translation>
    </message>
    <message>
        <source>Büro / Firma: </source>
        <translation>Office / company: </translation>
    </message>
    <message>
        <source>Position: </source>
        <translation>Position: </translation>
    </message>
    <message>
        <source>Der Einsatz des Dornes ist auf Grund nachfolgeder Begründung unzulässig:</source>
        <translation>The dowel is not admissible for the following reason:</translation>
    </message>
    <message>
        <source>y,soll</source>
        <translation>y,req</translation>
    </message>
    <message>
        <source>x,soll</source>
        <translation>x,req</translation>
    </message>
    <message>
        <source>r,vorh</source>
        <translation>r,prov</translation>
    </message>
    <message>
        <source>vorh</source>
        <translation>prov</translation>
    </message>
    <message>
        <source>Bewehrung manuell gewählt</source>
        <translation>Reinforcement chosen by hand</translation>
    </message>
    <message>
        <source>Kein gültiger Dorn gefunden</source>
        <translation>No admissible dowel found</translation>
    </message>
    <message>
        <source>untersucht</source>
        <translation>checked</translation>
    </message>
    <message>
        <source>nicht zulässig</source>
        <translation>not admissible</translation>
    </message>
    <message>
        <source>Projektübersicht</source>
        <translation>Project summary</translation>
    </message>
    <message>
        <source>Dorn</source>
        <translation>Dowel</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>zulässig</source>
        <translation>admissible</translation>
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
        <source>nicht bemessen</source>
        <translation>not designed</translation>
    </message>
    <message>
        <source>Anwendungsfall</source>
        <translation>Application case</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Positionen im Projekt: %1</source>
        <translation>Positions in the project: %1</translation>
    </message>
    <message>
        <source>davon ohne zulässigen Dorn oder nicht bemessen: %1</source>
        <translation>of which without an admissible dowel or not designed: %1</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>keine Position %1 im Projekt</source>
        <translation>no position %1 in the project</translation>
    </message>
</context>
<context>
    <name>Projektdatei</name>
    <message>
        <source>Die Datei ist keine gültige QUORVEL® - ZAVR Datei</source>
        <translation>The file is not a valid QUORVEL® - ZAVR file</translation>
    </message>
    <message>
        <source>Die Datei gibt mehr als 10000 Positionen an; mehr Positionen kann ein Projekt nicht haben.</source>
        <translation>The file declares more than 10000 positions; a project cannot have more positions.</translation>
    </message>
    <message>
        <source>%1 = %2 ist beschädigt. Die gespeicherten Ergebnisse wurden verworfen; die Position ist nicht bemessen.</source>
        <translation>%1 = %2 is damaged. The stored results have been discarded; the position is not designed.</translation>
    </message>
    <message>
        <source>%1 = %2 ist keine Anzahl.</source>
        <translation>%1 = %2 is not a count.</translation>
    </message>
    <message>
        <source>Es fehlen %1; die vorhandenen Lastpunkte wurden gelesen.</source>
        <translation>Missing: %1; the load points present have been read.</translation>
    </message>
    <message>
        <source>%1 und was folgt wurde nicht gelesen: die Anzahl der Liste umfasst es nicht.</source>
        <translation>%1 and what follows has not been read: the count of the list does not include it.</translation>
    </message>
    <message>
        <source>%1 passt nicht zu den Lastpunkten; gelesen wurden die %2 vorhandenen.</source>
        <translation>%1 does not match the load points; the %2 present have been read.</translation>
    </message>
    <message>
        <source>Position %1 &quot;%2&quot;: %3</source>
        <translation>Position %1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Beim Lesen des Projekts ist aufgefallen:</source>
        <translation>Reading the project found:</translation>
    </message>
    <message numerus="yes">
        <source>… und %n weitere.</source>
        <translation>
            <numerusform>… and %n more.</numerusform>
            <numerusform>… and %n more.</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Datei gibt die Zahl ihrer Positionen nicht lesbar an (HauptMaske.TAnzAnwendung = %1); sie wird nicht geöffnet.</source>
        <translation>The file does not state its number of positions legibly (HauptMaske.TAnzAnwendung = %1); it is not opened.</translation>
    </message>
</context>
<context>
    <name>Projektsitzung</name>
    <message>
        <source>Kann angegebene Datei nicht öffnen!</source>
        <translation>Cannot open the specified file!</translation>
    </message>
    <message>
        <source>Das Projekt hat noch keinen Dateinamen.</source>
        <translation>The project has no file name yet.</translation>
    </message>
    <message>
        <source>Soll der aktuelle Zustand gespeichert werden?</source>
        <translation>Save the current state?</translation>
    </message>
    <message>
        <source>Das Projekt kann keine weitere Position aufnehmen.</source>
        <translation>The project cannot take another position.</translation>
    </message>
    <message>
        <source>Es ist nur eine Position im Projekt vorhanden.</source>
        <translation>The project has only one position.</translation>
    </message>
    <message>
        <source>Die letzte Position kann nicht entfernt werden!</source>
        <translation>The last position cannot be removed!</translation>
    </message>
    <message>
        <source> kann nicht gespeichert werden: </source>
        <translation> cannot be saved: </translation>
    </message>
    <message>
        <source>Die aktuelle Position ist schon in der Bedarfsliste vorhanden

Soll diese überschrieben werden?</source>
        <translation>The current position is already in the bill of quantities

Do you want to overwrite it?</translation>
    </message>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>Dieser Wert ist beim gewählten Belastungsfall nicht einzugeben.</source>
        <translation>This value is not entered for the selected load case.</translation>
    </message>
    <message>
        <source>Position übernehmen</source>
        <translation>Import position</translation>
    </message>
    <message>
        <source>Projektdaten</source>
        <translation>Project data</translation>
    </message>
    <message>
        <source>Maximaler Dornabstand</source>
        <translation>Maximum dowel spacing</translation>
    </message>
    <message>
        <source>Bedarfsliste</source>
        <translation>Bill of quantities</translation>
    </message>
    <message>
        <source>Position hinzufügen</source>
        <translation>Add position</translation>
    </message>
    <message>
        <source>Soll die Position %1 &quot;%2&quot; gelöscht werden?</source>
        <translation>Delete position %1 &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>Die Position %1 steht in der Bedarfsliste. Soll ihr Eintrag ebenfalls entfernt werden?</source>
        <translation>Position %1 is in the bill of quantities. Remove its entry as well?</translation>
    </message>
    <message>
        <source>Position löschen</source>
        <translation>Delete position</translation>
    </message>
    <message>
        <source>Berechnung</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Die Fugenlänge ist jetzt %1 m. Die Punkte der beliebigen Last wurden angepasst:</source>
        <translation>The joint length is now %1 m. The points of the arbitrary load have been adjusted:</translation>
    </message>
    <message>
        <source>x = %1 m (q = %2 kN/m): jetzt bei x = %3 m</source>
        <translation>x = %1 m (q = %2 kN/m): now at x = %3 m</translation>
    </message>
    <message>
        <source>x = %1 m (q = %2 kN/m): entfällt</source>
        <translation>x = %1 m (q = %2 kN/m): removed</translation>
    </message>
    <message>
        <source>&quot;Rückgängig&quot; stellt die vorherige Fugenlänge mit allen Lastpunkten wieder her.</source>
        <translation>&quot;Undo&quot; restores the previous joint length with all load points.</translation>
    </message>
    <message>
        <source>Dieser Belastungsfall ist beim gewählten Anwendungsfall nicht möglich.</source>
        <translation>This load case is not possible for the selected application case.</translation>
    </message>
    <message>
        <source>Belastungsfall</source>
        <translation>Load case</translation>
    </message>
    <message>
        <source>Positionsname</source>
        <translation>Position name</translation>
    </message>
    <message>
        <source>Bauvorhaben</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Bemessungswerte</source>
        <translation>Design values</translation>
    </message>
    <message>
        <source>Dornauswahl</source>
        <translation>Dowel selection</translation>
    </message>
    <message>
        <source>Skizze</source>
        <translation>Sketch</translation>
    </message>
    <message>
        <source>Position aus Tabelle</source>
        <translation>Position from table</translation>
    </message>
    <message>
        <source>Position %1 &quot;%2&quot;: %3</source>
        <translation>Position %1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Werte außerhalb der Grenzen der Eingabe; diese Positionen werden nicht bemessen:</source>
        <translation>Values outside the input limits; these positions are not designed:</translation>
    </message>
    <message>
        <source>%1 (%2 = %3): %4</source>
        <translation>%1 (%2 = %3): %4</translation>
    </message>
    <message>
        <source>Die Datei enthält keine lesbare DXF-Zeichnung</source>
        <translation>The file holds no readable DXF drawing</translation>
    </message>
    <message>
        <source>beliebige Last</source>
        <translation>arbitrary load</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Die vorliegende Berechnung wurde mit der Option &quot;unbegrenzt&quot; durchgeführt, daher können die 
Dornabstände größer sein als 5* Plattendicke.
Die Durchlaufwirkung der Belastung in der Fuge muss vom Planer separat geprüft werden!

Grundlage der Bemessung ist, alle Dorne werden mit der gleichen Last beaufschlagt.
Daraus ergeben sich unterschiedliche Dornabstände in Abhängigkeit vom Querkraftverlauf in 
der Fuge.

Um linienartige Auflagerung zu realisieren, wird empfohlen, einen Achsabstand der Dorne von 
5 * Plattendicke nicht zu überschreiten.

Das Programm bietet Ihnen die Möglichkeit einer automatischen Beschränkung des 
Dornabstandes unter Optionen - Bemessung:

     •  5 * Plattendicke - gleiche Belastung aller Dorne
     •  5 * Plattendicke - einfügen konstruktiver Dorn (im Bereich der großen Dornabstände)

Die wirtschaftlichere Variante ist abhängig vom Querkraftverlauf in der Fuge und kann nicht 
vorhergesagt werden.</source>
        <translation>This calculation was made with the option &quot;unlimited&quot;, so the dowel spacings 
may be greater than 5 * slab thickness.
The continuity effect of the load along the joint must be checked separately by the designer!

The design assumes that every dowel carries the same load.
The dowel spacings therefore vary with the distribution of the shear force along 
the joint.

To achieve a line-like support, a centre-to-centre spacing of the dowels of no more than 
5 * slab thickness is recommended.

The program can limit the dowel spacing automatically 
under Options - Design:

     •  5 * slab thickness - equal load on all dowels
     •  5 * slab thickness - add nominal (detailing) dowels (where the spacings are large)

Which variant is more economical depends on the distribution of the shear force along 
the joint and cannot be predicted.</translation>
    </message>
</context>
<context>
    <name>Sicherung</name>
    <message>
        <source>Das Programm wurde nicht ordnungsgemäß beendet. Es gibt eine automatische Sicherung vom %1 des Projekts %2.</source>
        <translation>The program was not closed properly. There is an automatic backup of project %2 from %1.</translation>
    </message>
    <message>
        <source>unbenannt</source>
        <translation>untitled</translation>
    </message>
    <message>
        <source>Soll die Sicherung wiederhergestellt werden?</source>
        <translation>Do you want to restore the backup?</translation>
    </message>
</context>
<context>
    <name>Skizze</name>
    <message>
        <source>Rand- und Aufhängebewehrung des Dorns</source>
        <translation>Edge and suspension reinforcement of the dowel</translation>
    </message>
    <message>
        <source>Aufteilung der Dorne</source>
        <translation>Arrangement of the dowels</translation>
    </message>
    <message>
        <source>Draufsicht</source>
        <translation>Plan view</translation>
    </message>
    <message>
        <source>Schnitt</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>verankern mit l</source>
        <translation>anchor with l</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message numerus="yes">
        <source>Pos. 1 (%n Bügel </source>
        <translation>
            <numerusform>Pos. 1 (%n link </numerusform>
            <numerusform>Pos. 1 (%n links </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Skizzenbereich</name>
    <message>
        <source>Skizze in &amp;Zwischenablage</source>
        <translation>Sketch to &amp;clipboard</translation>
    </message>
    <message>
        <source>Skizze in &amp;Datei speichern</source>
        <translation>Save sketch to &amp;file</translation>
    </message>
    <message>
        <source>Skizze als &amp;Vollbild darstellen</source>
        <translation>Show sketch f&amp;ull screen</translation>
    </message>
</context>
<context>
    <name>TDXF_Anzeige_Form</name>
    <message>
        <source>DXF Vorschau</source>
        <translation>DXF preview</translation>
    </message>
    <message>
        <source>als DXF &amp;speichern</source>
        <translation>&amp;Save as DXF</translation>
    </message>
    <message>
        <source>&amp;zurück</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>QUORVEL® - DXF-Export</source>
        <translation>QUORVEL® - DXF export</translation>
    </message>
    <message>
        <source>Exportieren in DXF Format (*.dxf)</source>
        <translation>Export in DXF format (*.dxf)</translation>
    </message>
    <message>
        <source>QUORVEL® - DXF-Import</source>
        <translation>QUORVEL® - DXF import</translation>
    </message>
    <message>
        <source>Importieren in DXF Format (*.dxf)</source>
        <translation>DXF drawings (*.dxf)</translation>
    </message>
</context>
<context>
    <name>Textliste</name>
    <message>
        <source>OK\h &lt; h min\VEd &gt; VRd\e &lt; e min\ar &lt; ar min\e &lt; e krit\ar &lt; ar krit\hw &lt; hw krit\c &lt; c min\e &lt; e erf\</source>
        <translation>OK\h &lt; h min\VEd &gt; VRd\e &lt; e min\ar &lt; ar min\e &lt; e crit\ar &lt; ar crit\hw &lt; hw crit\c &lt; c min\e &lt; e req\</translation>
    </message>
    <message>
        <source>Berechnung OK\Bauteildicke zu klein!\Belastung zu hoch!\Dornabstand kleiner zulässig!\Randabstand kleiner zulässig!\Dornabstand für Standardbewehrung nach Zulassung zu klein\Randabstand für erforderliche Bewehrung zu klein\Die angegebene Wanddicke ist für den ausgewählten Dorn kleiner als erforderlich\Die vorhandene Bauteildicke ist für die gewählte Bewehrung zu klein!\Der erforderlichen Bereich der Aufhängebewehrung ist größer als der vorhandene Dornabstand\</source>
        <translation>Calculation OK\Member thickness too small!\Load too high!\Dowel spacing below the permitted value!\Edge distance below the permitted value!\Dowel spacing too small for the standard reinforcement of the approval\Edge distance too small for the required reinforcement\The specified wall thickness is smaller than required for the selected dowel\The member thickness is too small for the chosen reinforcement!\The required zone of the suspension reinforcement is larger than the dowel spacing provided\</translation>
    </message>
    <message>
        <source>Der maximale Dornabstand ist größer als 5 * Plattendicke\Der maximale Dornabstand konnte auf Grund der Querkrafteingabe nicht eingehalten werden!\</source>
        <translation>The maximum dowel spacing is greater than 5 * slab thickness\The maximum dowel spacing could not be kept because of the shear force input!\</translation>
    </message>
    <message>
        <source>einzelner Doppelschubdorn\Dornpaar Platte an Platte\Dornpaar Platte an Wand\Dornreihe Platte an Platte\Dornreihe Platte an Wand\</source>
        <translation>single double shear dowel\dowel pair slab to slab\dowel pair slab to wall\dowel row slab to slab\dowel row slab to wall\</translation>
    </message>
    <message>
        <source>Nachweis für einen mit Punktlast belasteten einzelnen Doppelschubdorn\Nachweis für ein Paar aus Doppelschubdornen - Anschluß Platte an Platte\Nachweis für ein Paar aus Doppelschubdornen - Anschluß Platte an Wand\Nachweis für eine Reihe aus Doppelschubdornen - Anschluß Platte an Platte\Nachweis für eine Reihe aus Doppelschubdornen - Anschluß Platte an Wand\</source>
        <translation>Verification of a single double shear dowel under a point load\Verification of a pair of double shear dowels - connection slab to slab\Verification of a pair of double shear dowels - connection slab to wall\Verification of a row of double shear dowels - connection slab to slab\Verification of a row of double shear dowels - connection slab to wall\</translation>
    </message>
    <message>
        <source>ohne\F90\</source>
        <translation>none\R 90 (F90)\</translation>
    </message>
    <message>
        <source>keine Anforderungen\F90 Manschette\</source>
        <translation>no requirements\R 90 (F90) fire collar\</translation>
    </message>
    <message>
        <source>20 mm\30 mm\40 mm\50 mm\60 mm\</source>
        <translation>20 mm\30 mm\40 mm\50 mm\60 mm\</translation>
    </message>
    <message>
        <source>Standard\Optimal\</source>
        <translation>Standard\Optimised\</translation>
    </message>
    <message>
        <source>unbegrenzt\5 * Plattendicke - gleiche Belastung aller Dorne\5 * Plattendicke - einfügen konstruktiver Dorne\</source>
        <translation>unlimited\5 * slab thickness - equal load on all dowels\5 * slab thickness - add nominal (detailing) dowels\</translation>
    </message>
    <message>
        <source>C20/25\C25/30\C30/37\C35/45\C40/50\C45/55\C50/60\C20/25\C25/30\C30/37\C35/45\C40/50\C45/55\C50/60\</source>
        <translation>C20/25\C25/30\C30/37\C35/45\C40/50\C45/55\C50/60\C20/25\C25/30\C30/37\C35/45\C40/50\C45/55\C50/60\</translation>
    </message>
    <message>
        <source>Dorn\S\ct\ce\D\Bemerkungen\</source>
        <translation>Dowel\S\ct\ce\D\Remarks\</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>Haftungsausschluss

Dieses Programm unterstützt die Bemessung von Doppelschubdornen ZAVR und ZAVRQ nach der allgemeinen bauaufsichtlichen Zulassung. Es ersetzt weder die Sachkunde noch die Verantwortung des Tragwerksplaners: Eingaben, Bemessungsannahmen und die Übernahme der Ergebnisse in die Ausführungsplanung sind vom Anwender zu prüfen.

Die QUORVEL Bautechnik GmbH hat das Programm mit größter Sorgfalt erstellt und geprüft. Für Schäden, die aus der Anwendung des Programms oder aus fehlerhaften Ergebnissen entstehen, haftet sie nur bei Vorsatz oder grober Fahrlässigkeit.

Fragen und Hinweise zum Programm richten Sie bitte an unsere technische Beratung: support@quorvel.example</source>
        <translation>Disclaimer

This program supports the design of ZAVR and ZAVRQ double shear dowels to the national technical approval. It replaces neither the expertise nor the responsibility of the structural engineer: the user must check the inputs, the design assumptions and the transfer of the results into the construction drawings.

QUORVEL Bautechnik GmbH has written and tested the program with the greatest care. It is liable for damage arising from the use of the program or from faulty results only in the case of intent or gross negligence.

Please send questions and comments on the program to our technical support: support@quorvel.example</translation>
    </message>
    <message>
        <source>Über QUORVEL®  Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation>About QUORVEL®  double shear dowel ZAVR / ZAVRQ</translation>
    </message>
    <message>
        <source>Mit diesem Programm kann der Einsatz von ZAVR und ZAVRQ Schubdornen zu Übertragung hoher Querlasten berechnet werden.</source>
        <translation>This program designs ZAVR and ZAVRQ shear dowels for the transfer of high shear loads.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Kompilierung:</source>
        <translation>Build:</translation>
    </message>
    <message>
        <source>Erstellt am:</source>
        <translation>Created on:</translation>
    </message>
    <message>
        <source>07.01.2015</source>
        <translation>07/01/2015</translation>
    </message>
    <message>
        <source>QUORVEL Bautechnik GmbH
Technische Beratung
Musterweg 12
12345 Musterstadt
Telefon +49 123 4567-0
www.quorvel.example</source>
        <translation>QUORVEL Bautechnik GmbH
Technical support
Musterweg 12
12345 Musterstadt
Phone +49 123 4567-0
www.quorvel.example</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>QUORVEL  Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation>QUORVEL  double shear dowel ZAVR / ZAVRQ</translation>
    </message>
</context>
<context>
    <name>TfrmBemessung</name>
    <message>
        <source>Einstellung zur Bemessung</source>
        <translation>Design settings</translation>
    </message>
    <message>
        <source>Maximaler Dornabstand</source>
        <translation>Maximum dowel spacing</translation>
    </message>
    <message>
        <source>Hinweis bei Überschreitung des</source>
        <translation>Show a note when the maximum</translation>
    </message>
    <message>
        <source>maximalen Dornabstandes anzeigen</source>
        <translation>dowel spacing is exceeded</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>TfrmBewehrung</name>
    <message>
        <source>Steckbügel beidseitig als vertikale Aufhängebewehrung</source>
        <translation>U-bars on both sides as vertical suspension reinforcement</translation>
    </message>
    <message>
        <source>Steckbügel beidseitig im Durchstanzbereich</source>
        <translation>U-bars on both sides in the punching zone</translation>
    </message>
    <message>
        <source>Horizontale Randbewehrung, oben und unten</source>
        <translation>Horizontal edge reinforcement, top and bottom</translation>
    </message>
    <message>
        <source>Horizontale Bewehrung parallel zum Rand, oben und unten</source>
        <translation>Horizontal reinforcement parallel to the edge, top and bottom</translation>
    </message>
    <message>
        <source>Innenliegender geschlossener Bügel</source>
        <translation>Inner closed link</translation>
    </message>
    <message>
        <source>Bewehrung</source>
        <translation>Reinforcement</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Eingaben übernehmen und Fenster schließen</source>
        <translation>Accept the inputs and close the window</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Eingaben verwerfen und Fenster schließen</source>
        <translation>Discard the inputs and close the window</translation>
    </message>
    <message>
        <source>Bewehrung - &amp;Standard</source>
        <translation>Reinforcement - &amp;standard</translation>
    </message>
    <message>
        <source>Bewehrung nach Zulassung als Standard setzen</source>
        <translation>Set the reinforcement to the approval as standard</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Bewehrung zum aktuellen Dorn: </source>
        <translation>Reinforcement of the current dowel: </translation>
    </message>
    <message>
        <source>Bewehrung nach Zulassung nicht möglich, da Randabstand zu klein!</source>
        <translation>Reinforcement to the approval not possible: the edge distance is too small!</translation>
    </message>
    <message>
        <source>Bewehrung nach Zulassung nicht möglich, da Dornabstand zu klein!</source>
        <translation>Reinforcement to the approval not possible: the dowel spacing is too small!</translation>
    </message>
    <message>
        <source>Die Zulassung fordert das der Durchmesser der Längsbewehrung (Asy) mindestens so groß sein muß wie der Durchmesser der Steckbügel (Asx1)</source>
        <translation>The approval requires the diameter of the longitudinal reinforcement (Asy) to be at least the diameter of the U-bars (Asx1)</translation>
    </message>
    <message>
        <source>Möchten Sie die manuell ausgewählte Bewehrung nochmals ändern?</source>
        <translation>Do you want to change the manually selected reinforcement again?</translation>
    </message>
    <message>
        <source>Die Betondicke ist für die manuell ausgewählte Bewehrung zu klein. Soll die Bewehrung so übernommen werden?</source>
        <translation>The concrete thickness is too small for the manually selected reinforcement. Accept the reinforcement as it is?</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
</context>
<context>
    <name>TfrmCharakteristischeLast</name>
    <message>
        <source>Eingabe der Bemessungswerte</source>
        <translation>Design values from characteristic loads</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmFarbeinstellung</name>
    <message>
        <source>Skizze</source>
        <translation>Sketch</translation>
    </message>
    <message>
        <source>Farbdarstellung des Skizzen Hintergrundes</source>
        <translation>Colour of the sketch background</translation>
    </message>
    <message>
        <source>Bemassung</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>Farbdarstellung der Bemassung (Linien + Text)</source>
        <translation>Colour of the dimensions (lines + text)</translation>
    </message>
    <message>
        <source>Umrandung</source>
        <translation>Outline</translation>
    </message>
    <message>
        <source>Farbdarstellung der Betonumrandung</source>
        <translation>Colour of the concrete outline</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Farbdarstellung der Betonflächen</source>
        <translation>Colour of the concrete areas</translation>
    </message>
    <message>
        <source>Brandschutz</source>
        <translation>Fire collar</translation>
    </message>
    <message>
        <source>Farbdarstellung der Brandschutzmanschette</source>
        <translation>Colour of the fire collar</translation>
    </message>
    <message>
        <source>Position A</source>
        <translation>Bar mark A</translation>
    </message>
    <message>
        <source>Farbdarstellung der Steckbügel (Pos A)</source>
        <translation>Colour of the U-bars (bar mark A)</translation>
    </message>
    <message>
        <source>Position B</source>
        <translation>Bar mark B</translation>
    </message>
    <message>
        <source>Farbdarstellung der horizontalen Bewehrung (Pos B)</source>
        <translation>Colour of the horizontal reinforcement (bar mark B)</translation>
    </message>
    <message>
        <source>Position C</source>
        <translation>Bar mark C</translation>
    </message>
    <message>
        <source>Farbdarstellung des geschlossenen Bügels (Pos C)</source>
        <translation>Colour of the closed link (bar mark C)</translation>
    </message>
    <message>
        <source>Position D</source>
        <translation>Bar mark D</translation>
    </message>
    <message>
        <source>Farbdarstellung der Aufhängebewehrung (Pos D)</source>
        <translation>Colour of the suspension reinforcement (bar mark D)</translation>
    </message>
    <message>
        <source>Farbdarstellung der Schubdornumrandung</source>
        <translation>Colour of the shear dowel outline</translation>
    </message>
    <message>
        <source>Farbdarstellung der Schubdornfächen</source>
        <translation>Colour of the shear dowel areas</translation>
    </message>
    <message>
        <source>ZAVR - Farbeinstellung</source>
        <translation>ZAVR - colour settings</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Beton</source>
        <translation>Concrete</translation>
    </message>
    <message>
        <source>Bewehrung</source>
        <translation>Reinforcement</translation>
    </message>
    <message>
        <source>Schubdorn</source>
        <translation>Shear dowel</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Default</translation>
    </message>
    <message>
        <source>Farbeinstellung auf Standardwerte zurücksetzen!</source>
        <translation>Reset the colours to their defaults!</translation>
    </message>
    <message>
        <source>&amp;Graustufen</source>
        <translation>&amp;Greyscale</translation>
    </message>
    <message>
        <source>Farbeinstellung auf Graustufen einstellen! </source>
        <translation>Set the colours to greyscale! </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Eingabemaske verlassen und Eingaben übernehmen!</source>
        <translation>Close the window and keep the inputs!</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Eingabemaske verlassen und Eingaben verwerfen!</source>
        <translation>Close the window and discard the inputs!</translation>
    </message>
</context>
<context>
    <name>TfrmHauptMaske</name>
    <message>
        <source>Ansicht</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Draufsicht</source>
        <translation>Plan view</translation>
    </message>
    <message>
        <source>Schnitt</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Dornreihe</source>
        <translation>Dowel row</translation>
    </message>
    <message>
        <source>zu Bedarfsliste &amp;hinzufügen</source>
        <translation>&amp;Add to bill of quantities</translation>
    </message>
    <message>
        <source>E&amp;xportieren</source>
        <translation>Export to fil&amp;e</translation>
    </message>
    <message>
        <source>In &amp;Zwischenablage</source>
        <translation>To c&amp;lipboard</translation>
    </message>
    <message>
        <source>&amp;Berechnen</source>
        <translation>Calc&amp;ulate</translation>
    </message>
    <message>
        <source>Ergebnis&amp;vorschau</source>
        <translation>Result pre&amp;view</translation>
    </message>
    <message>
        <source>Rückkehr zur Ein&amp;gabe</source>
        <translation>Back to i&amp;nput</translation>
    </message>
    <message>
        <source>Werkzeugleiste</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Diese Funktion ist in dieser Programmversion nicht enthalten.</source>
        <translation>This function is not part of this version of the program.</translation>
    </message>
    <message>
        <source>DXF-Export - D&amp;orn</source>
        <translation>DXF export - d&amp;owel</translation>
    </message>
    <message>
        <source>DXF-Export - &amp;Bewehrung</source>
        <translation>DXF export - &amp;reinforcement</translation>
    </message>
    <message>
        <source>QUORVEL® Doppelschubdorn ZAVR/ZAVRQ: Zulassung gemäß DIN 1045-1 und DIN EN 1992-1-1 (EC2)</source>
        <translation>QUORVEL® double shear dowel ZAVR/ZAVRQ: designed to DIN 1045-1 and DIN EN 1992-1-1 (EC2)</translation>
    </message>
    <message>
        <source>unbenannt</source>
        <translation>untitled</translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation>QUORVEL® - double shear dowel ZAVR / ZAVRQ</translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ (*.ZAV)</source>
        <translation>QUORVEL® - double shear dowel ZAVR / ZAVRQ (*.ZAV)</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>DXF drawings (*.dxf)</translation>
    </message>
    <message>
        <source>Für dieses Programm ist keine Hilfe installiert.</source>
        <translation>No help is installed for this program.</translation>
    </message>
    <message>
        <source>Die Datei - </source>
        <translation>The file - </translation>
    </message>
    <message>
        <source> - wurde nicht gefunden. Die erforderliche Datei kann nur von der CD Version installiert werden!</source>
        <translation> - was not found. The file can only be installed from the CD version!</translation>
    </message>
    <message>
        <source>Die Anwendung zum Öffnen der ausgewählten Datei ist nicht installiert</source>
        <translation>The application to open the selected file is not installed</translation>
    </message>
    <message>
        <source>ZAVR - Katalog.pdf</source>
        <translation>ZAVR - Katalog.pdf</translation>
    </message>
    <message>
        <source>ZAVR - Zulassung.pdf</source>
        <translation>ZAVR - Zulassung.pdf</translation>
    </message>
    <message>
        <source>Kann angegebene Datei nicht öffnen!</source>
        <translation>Cannot open the specified file!</translation>
    </message>
    <message>
        <source>Ökonom. Dorn</source>
        <translation>Econ. dowel</translation>
    </message>
    <message>
        <source>Ökonomischster Doppelschubdorn</source>
        <translation>Most economical double shear dowel</translation>
    </message>
    <message>
        <source>Ökonomischster Doppelschubdorn für Bewegungen in Längs- und Querrichtung</source>
        <translation>Most economical double shear dowel for longitudinal and transverse movement</translation>
    </message>
    <message>
        <source>Der Berechnungsnachweis konnte nicht gedruckt werden.</source>
        <translation>The design calculation could not be printed.</translation>
    </message>
    <message>
        <source>Bewehrung</source>
        <translation>Reinforcement</translation>
    </message>
    <message>
        <source>manuelle Änderung der Bewehrung</source>
        <translation>manual change of the reinforcement</translation>
    </message>
    <message>
        <source>Der Nachweis des Projekts konnte nicht gedruckt werden.</source>
        <translation>The design calculation of the project could not be printed.</translation>
    </message>
    <message>
        <source>Die Position wird nicht in die Bedarfsliste aufgenommen: %1.

Ein Dorn, der nicht zulässig ist, wird nicht bestellt.</source>
        <translation>The position is not added to the bill of quantities: %1.

A dowel that is not admissible is never ordered.</translation>
    </message>
    <message>
        <source>Für diese Position: %1.

Soll die Bewehrungszeichnung von %2 trotzdem erstellt werden? Sie erhält unter dem Titel den Vermerk &quot;nicht zulässig&quot;.</source>
        <translation>For this position: %1.

Create the reinforcement drawing of %2 all the same? It will carry the note &quot;not admissible&quot; below its title.</translation>
    </message>
    <message>
        <source>&amp;Rückgängig: %1</source>
        <translation>&amp;Undo: %1</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen: %1</source>
        <translation>&amp;Redo: %1</translation>
    </message>
    <message>
        <source>&amp;Zuletzt geöffnet</source>
        <translation>&amp;Recent projects</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gefunden. Sie wird aus der Liste der zuletzt geöffneten Projekte entfernt.</source>
        <translation>The file %1 was not found. It is removed from the list of recent projects.</translation>
    </message>
</context>
<context>
    <name>TfrmHilfe</name>
    <message>
        <source>Hilfe - QUORVEL® Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation>Help - QUORVEL® double shear dowel ZAVR / ZAVRQ</translation>
    </message>
    <message>
        <source>Suchbegriff eingeben</source>
        <translation>Enter a search term</translation>
    </message>
    <message>
        <source>&amp;Stichwort:</source>
        <translation>&amp;Keyword:</translation>
    </message>
    <message>
        <source>&amp;Inhalt</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>S&amp;uchen</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&amp;Vorwärts</source>
        <translation>&amp;Forward</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>C&amp;lose</translation>
    </message>
</context>
<context>
    <name>TfrmHinweis5d</name>
    <message>
        <source>Information zur Bemessung der Dornabstände</source>
        <translation>Information on the design of the dowel spacings</translation>
    </message>
    <message>
        <source>Fenster bei jeder Bemessung wieder anzeigen</source>
        <translation>Show this window again after every design run</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TfrmOptimalerDorn</name>
    <message>
        <source>QUORVEL® - Doppelschubdorne ZAVR / ZAVRQ</source>
        <translation>QUORVEL® - double shear dowels ZAVR / ZAVRQ</translation>
    </message>
    <message>
        <source>Ökonomischster Doppelschubdorn</source>
        <translation>Most economical double shear dowel</translation>
    </message>
    <message>
        <source>für Bewegungen in Längsrichtung</source>
        <translation>for longitudinal movement</translation>
    </message>
    <message>
        <source>für Bewegungen in Längs- und Querrichtung</source>
        <translation>for longitudinal and transverse movement</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TfrmProjektdaten</name>
    <message>
        <source>Projektdaten</source>
        <translation>Project data</translation>
    </message>
    <message>
        <source>he&amp;ute</source>
        <translation>&amp;today</translation>
    </message>
    <message>
        <source>Bauvorhaben:</source>
        <translation>Project:</translation>
    </message>
    <message>
        <source>Büro / Firma:</source>
        <translation>Office / company:</translation>
    </message>
    <message>
        <source>Bearbeiter:</source>
        <translation>Engineer:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Projekt Nr.:</source>
        <translation>Project no.:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>TfrmProjektverwaltung</name>
    <message>
        <source>lfd Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Prog</source>
        <translation>Prog</translation>
    </message>
    <message>
        <source>Bauvorhaben</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Anschlusstyp</source>
        <translation>Connection type</translation>
    </message>
    <message>
        <source>Fugenlänge</source>
        <translation>Joint length</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>QUORVEL® - Projektverwaltung</source>
        <translation>QUORVEL® - project browser</translation>
    </message>
    <message>
        <source>Position &amp;übernehmen</source>
        <translation>&amp;Import position</translation>
    </message>
    <message>
        <source>ausgewählte Position öffnen</source>
        <translation>open the selected position</translation>
    </message>
    <message>
        <source>ausgewählte Position zum bestehenden Projekt hinzufügen</source>
        <translation>add the selected position to the open project</translation>
    </message>
    <message>
        <source>Projekt &amp;öffnen</source>
        <translation>&amp;Open project</translation>
    </message>
    <message>
        <source>ausgewähltes Projekt öffnen</source>
        <translation>open the selected project</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Projekt&amp;inhalte</source>
        <translation>Project con&amp;tents</translation>
    </message>
    <message>
        <source>Projektdatei auswählen</source>
        <translation>Select project file</translation>
    </message>
    <message>
        <source>bestehende Projektdatei auswählen</source>
        <translation>select an existing project file</translation>
    </message>
    <message>
        <source>&amp;Laufwerk</source>
        <translation>&amp;Drive</translation>
    </message>
    <message>
        <source>&amp;Verzeichnis</source>
        <translation>Fo&amp;lder</translation>
    </message>
    <message>
        <source>&amp;Projekt</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <source>Nr: </source>
        <translation>No: </translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <source>Bemessung gemäß DIN 1045-1 und DIN EN 1992-1-1 (EC2)</source>
        <translation>Design to DIN 1045-1 and DIN EN 1992-1-1 (EC2)</translation>
    </message>
    <message>
        <source>ZAVR Programm &amp;starten</source>
        <translation>&amp;Start ZAVR program</translation>
    </message>
    <message>
        <source>QUORVEL®   Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation>QUORVEL®   double shear dowel ZAVR / ZAVRQ</translation>
    </message>
</context>
<context>
    <name>TfrmStueckliste</name>
    <message>
        <source>aktiv</source>
        <translation>active</translation>
    </message>
    <message>
        <source>Position                          </source>
        <translation>Position                          </translation>
    </message>
    <message>
        <source>Anz. Pos.</source>
        <translation>No. pos.</translation>
    </message>
    <message>
        <source>Anz. Dorne</source>
        <translation>No. dowels</translation>
    </message>
    <message>
        <source>Bezeichnung                                                  </source>
        <translation>Description                                                  </translation>
    </message>
    <message>
        <source>Sum. Dorne</source>
        <translation>Total dowels</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>lfdNr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Deckenstärke</source>
        <translation>Slab thickness</translation>
    </message>
    <message>
        <source>statische Nutzhöhe</source>
        <translation>Effective depth</translation>
    </message>
    <message>
        <source>Stützentyp</source>
        <translation>Column type</translation>
    </message>
    <message>
        <source>&amp;Stückliste</source>
        <translation>&amp;Parts list</translation>
    </message>
    <message>
        <source>&amp;Ausschreibungstext</source>
        <translation>&amp;Tender text</translation>
    </message>
    <message>
        <source>&amp;Liste</source>
        <translation>&amp;List</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>&amp;ZW Ablage</source>
        <translation>&amp;Clipboard</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>P&amp;rint</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Position &amp;löschen</source>
        <translation>&amp;Delete position</translation>
    </message>
    <message>
        <source>Aktuelle Auswahl:</source>
        <translation>Current selection:</translation>
    </message>
    <message>
        <source>Anzahl gleicher Position </source>
        <translation>Number of identical positions </translation>
    </message>
    <message>
        <source>zusätzliche Informationen zur Bedarfsliste</source>
        <translation>additional information on the bill of quantities</translation>
    </message>
    <message>
        <source>Beim Export einer langen Bedarfsliste als Grafik ist zu berücksichtigen, </source>
        <translation>When a long bill of quantities is exported as a picture, note </translation>
    </message>
    <message>
        <source>daß in der Grafik keine Seitenumbrüche vorhanden sind.</source>
        <translation>that the picture has no page breaks.</translation>
    </message>
    <message>
        <source>Bei langen Bedarfslisten kann durch Deaktivieren einzelner Positionen </source>
        <translation>A long bill of quantities can be split into 2 or more export files </translation>
    </message>
    <message>
        <source>die Bedarfsliste in 2 oder mehrere Exportdateien aufgeteilt werden.</source>
        <translation>by deactivating individual positions.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ: Bedarfsliste</source>
        <translation>QUORVEL® - double shear dowel ZAVR / ZAVRQ: bill of quantities</translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ: Stückliste</source>
        <translation>QUORVEL® - double shear dowel ZAVR / ZAVRQ: parts list</translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ: Ausschreibungstext</source>
        <translation>QUORVEL® - double shear dowel ZAVR / ZAVRQ: tender text</translation>
    </message>
    <message>
        <source>Die Bedarfsliste konnte nicht gedruckt werden.</source>
        <translation>The bill of quantities could not be printed.</translation>
    </message>
    <message>
        <source>Die Anzahl %1 ist nicht möglich (1 bis %2); sie wurde auf %3 gesetzt.</source>
        <translation>A quantity of %1 is not possible (1 to %2); it has been set to %3.</translation>
    </message>
</context>
<context>
    <name>TfrmTragfaehigkeitstabellen</name>
    <message>
        <source>Tragfähigkeitstabellen</source>
        <translation>Load capacity tables</translation>
    </message>
    <message>
        <source>Doppelklick auf einen Wert: neue Position mit diesem Dorn und dieser Last</source>
        <translation>Double-click a value: new position with this dowel and this load</translation>
    </message>
    <message>
        <source>&amp;Berechnen</source>
        <translation>&amp;Recalculate</translation>
    </message>
    <message>
        <source>Tabelle mit der Auswahl neu berechnen</source>
        <translation>Recalculate the table for the selection</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Tabellen der angekreuzten Dorntypen drucken</source>
        <translation>Print the tables of the ticked dowel types</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern...</source>
        <translation>Save as P&amp;DF...</translation>
    </message>
    <message>
        <source>Tabellen der angekreuzten Dorntypen als PDF speichern</source>
        <translation>Save the tables of the ticked dowel types as PDF</translation>
    </message>
    <message>
        <source>Als &amp;CSV speichern...</source>
        <translation>Save as C&amp;SV...</translation>
    </message>
    <message>
        <source>Werte der angekreuzten Dorntypen als CSV-Datei speichern</source>
        <translation>Save the values of the ticked dowel types as a CSV file</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Dialog schließen</source>
        <translation>Close the dialog</translation>
    </message>
    <message>
        <source>ab Mindestdicke des Dorns</source>
        <translation>from the dowel&apos;s minimum thickness</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>Dorntypen</source>
        <translation>Dowel types</translation>
    </message>
    <message>
        <source>Betongüten</source>
        <translation>Concrete strength classes</translation>
    </message>
    <message>
        <source>Plattendicke von</source>
        <translation>Slab thickness from</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Schritt</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Der Dorn ist hier nicht zulässig: %1</source>
        <translation>The dowel is not admissible here: %1</translation>
    </message>
    <message>
        <source>Die Auswahl enthält keine Tabellenwerte.</source>
        <translation>The selection contains no table values.</translation>
    </message>
    <message>
        <source>Die Tragfähigkeitstabellen konnten nicht gedruckt werden.</source>
        <translation>The load capacity tables could not be printed.</translation>
    </message>
    <message>
        <source>Tragfaehigkeitstabellen.pdf</source>
        <translation>Load_capacity_tables.pdf</translation>
    </message>
    <message>
        <source>Tragfaehigkeitstabellen.csv</source>
        <translation>Load_capacity_tables.csv</translation>
    </message>
</context>
<context>
    <name>TfrmZoom</name>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Skizze in &amp;Zwischenablage</source>
        <translation>Sketch to &amp;clipboard</translation>
    </message>
    <message>
        <source>Skizze in &amp;Datei speichern</source>
        <translation>Save sketch to &amp;file</translation>
    </message>
    <message>
        <source>Fenster &amp;schliessen</source>
        <translation>C&amp;lose window</translation>
    </message>
    <message>
        <source>Ergebnisausdruck in Zwischenablage kopieren</source>
        <translation>Copy the result printout to the clipboard</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Exportieren</source>
        <translation>E&amp;xport</translation>
    </message>
    <message>
        <source>Ergebnisausdruck in Datei exportieren</source>
        <translation>Export the result printout to a file</translation>
    </message>
    <message>
        <source>&amp;Schliessen</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Fenster schliessen</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>Zoom &amp;in (+)</source>
        <translation>Zoom &amp;in (+)</translation>
    </message>
    <message>
        <source>Zoom out (-)</source>
        <translation>Zoom out (-)</translation>
    </message>
</context>
<context>
    <name>TfrmbeliebigeLast</name>
    <message>
        <source>Eingabe einer beliebig verlaufenden Streckenlast</source>
        <translation>Input of an arbitrarily varying line load</translation>
    </message>
    <message>
        <source>x [m]</source>
        <translation>x [m]</translation>
    </message>
    <message>
        <source>q&lt;sub&gt;Ed&lt;/sub&gt;(x) [kN/m]</source>
        <translation>q&lt;sub&gt;Ed&lt;/sub&gt;(x) [kN/m]</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Eingaben übernehmen und Fenster schließen</source>
        <translation>Accept the inputs and close the window</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Eingaben verwerfen und Fenster schließen</source>
        <translation>Discard the inputs and close the window</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Hilfe zum Eingabefenster|Hilfe zu den Eingaben in der Maske</source>
        <translation>Help on the input window|Help on the inputs of this window</translation>
    </message>
    <message>
        <source>Koordinate für die Lasteingabe von links gemessen</source>
        <translation>Coordinate of the load value, measured from the left</translation>
    </message>
    <message>
        <source>Wert der Belastung an der Stelle der Koordinate x</source>
        <translation>Value of the load at the coordinate x</translation>
    </message>
    <message>
        <source>&amp;Hinzufügen</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>Wertepaar hinzufügen|Wertepaar (x,q) zur Liste hinzufügen</source>
        <translation>Add value pair|Add the value pair (x,q) to the list</translation>
    </message>
    <message>
        <source>&amp;Ändern</source>
        <translation>Chan&amp;ge</translation>
    </message>
    <message>
        <source>Änderungen in Liste übertragen|Änderungen des Werepaares (x,q) in Liste übertragen</source>
        <translation>Apply changes to the list|Apply the changes of the value pair (x,q) to the list</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>aktuelles Wertepaar löschen|aktuelles Wertepaar (x,q) aus der Liste löschen</source>
        <translation>Delete current value pair|Delete the current value pair (x,q) from the list</translation>
    </message>
    <message>
        <source>x =</source>
        <translation>x =</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>kN/m</source>
        <translation>kN/m</translation>
    </message>
    <message>
        <source>Für die eingegebene Koordinate ist schon ein Wert vorhanden!</source>
        <translation>A value already exists for the entered coordinate!</translation>
    </message>
    <message>
        <source>Soll der Wert überschrieben werden?</source>
        <translation>Do you want to overwrite the value?</translation>
    </message>
    <message>
        <source>beliebige Last</source>
        <translation>Arbitrary load</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Tabelle einfügen|Wertepaare (x in m, q in kN/m) aus der Zwischenablage übernehmen</source>
        <translation>Paste table|Take value pairs (x in m, q in kN/m) from the clipboard</translation>
    </message>
    <message>
        <source>&amp;Importieren…</source>
        <translation>&amp;Import…</translation>
    </message>
    <message>
        <source>Tabelle importieren|Wertepaare (x in m, q in kN/m) aus einer CSV- oder Textdatei übernehmen</source>
        <translation>Import table|Take value pairs (x in m, q in kN/m) from a CSV or text file</translation>
    </message>
    <message>
        <source>Streckenlast importieren</source>
        <translation>Import line load</translation>
    </message>
    <message>
        <source>Tabellen (*.csv *.txt)</source>
        <translation>Tables (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>Tragfaehigkeitstabelle</name>
    <message>
        <source>Tragfähigkeitstabelle %1</source>
        <translation>Load capacity table %1</translation>
    </message>
    <message>
        <source>Bezugssituation: ein einzelner Doppelschubdorn unter Punktlast, Anschluss Platte an Platte</source>
        <translation>Reference situation: a single double shear dowel under a point load, slab-to-slab connection</translation>
    </message>
    <message>
        <source>Fugenbreite ≤ %1, Brandschutz: %2, Bewehrung: %3, Betondeckung oben, unten und vorn je %4 cm</source>
        <translation>Joint width ≤ %1, fire protection: %2, reinforcement: %3, concrete cover at top, bottom and joint face %4 cm each</translation>
    </message>
    <message>
        <source>Die Werte gelten ab dem Randabstand a_r,min und dem Dornabstand e_min der Zeile; Rand- und Dornabstände ab diesen Werten mindern den Widerstand nicht.</source>
        <translation>The values apply from the edge distance a_r,min and the dowel spacing e_min of the row upwards; edge distances and spacings of at least these values do not reduce the resistance.</translation>
    </message>
    <message>
        <source>V_Rd: Bemessungswiderstand eines Dorns in kN, auf 0,01 kN abgerundet; Index: maßgebender Nachweis (s Stahl, ct Durchstanzen, ce Betonkantenbruch)</source>
        <translation>V_Rd: design resistance of one dowel in kN, rounded down to 0.01 kN; index: governing check (s steel, ct punching shear, ce concrete edge failure)</translation>
    </message>
    <message>
        <source>Jeder Wert ist das Ergebnis der Bemessung dieser Bezugssituation mit diesem Programm.</source>
        <translation>Each value is the result of the design of this reference situation with this program.</translation>
    </message>
    <message>
        <source>Dorn</source>
        <translation>Dowel</translation>
    </message>
    <message>
        <source>Betongüte</source>
        <translation>Concrete strength class</translation>
    </message>
    <message>
        <source>h [cm]</source>
        <translation>h [cm]</translation>
    </message>
    <message>
        <source>Fugenbreite</source>
        <translation>Joint width</translation>
    </message>
    <message>
        <source>Brandschutz</source>
        <translation>Fire protection</translation>
    </message>
    <message>
        <source>Bewehrung</source>
        <translation>Reinforcement</translation>
    </message>
    <message>
        <source>maßgebend</source>
        <translation>governing</translation>
    </message>
    <message>
        <source>a_r,min [cm]</source>
        <translation>a_r,min [cm]</translation>
    </message>
    <message>
        <source>e_min [cm]</source>
        <translation>e_min [cm]</translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Stahl</source>
        <translation>Steel</translation>
    </message>
    <message>
        <source>Durchstanzen</source>
        <translation>Punching shear</translation>
    </message>
    <message>
        <source>Betonkantenbruch</source>
        <translation>Concrete edge failure</translation>
    </message>
</context>
<context>
    <name>Vorpruefung</name>
    <message>
        <source>Der gewählte konstante Dornabstand ist größer als 5 * Plattendicke!</source>
        <translation>The constant dowel spacing chosen is greater than 5 * slab thickness!</translation>
    </message>
    <message>
        <source>Der gewählte konstante Dornabstand ist größer als 5 * Plattendicke!
<byte value="xd"/>
<byte value="xd"/>Soll die Berechnung trotzdem durchgeführt werden?</source>
        <translation>The constant dowel spacing chosen is greater than 5 * slab thickness!
<byte value="xd"/>
<byte value="xd"/>Run the calculation all the same?</translation>
    </message>
    <message>
        <source>Die vorgegebene Betondicke ist kleiner als die minimale Betondicke für den kleinsten Doppelschubdorn!</source>
        <translation>The specified member thickness is smaller than the minimum thickness for the smallest double shear dowel!</translation>
    </message>
    <message>
        <source>Der Wert der Betondeckung oben ist &lt; 2,5 cm. Bitte prüfen!</source>
        <translation>The top concrete cover is &lt; 2.5 cm. Please check!</translation>
    </message>
    <message>
        <source>Der Wert der Betondeckung unten ist &lt; 2,5 cm. Bitte prüfen!</source>
        <translation>The bottom concrete cover is &lt; 2.5 cm. Please check!</translation>
    </message>
    <message>
        <source>Die Summe der Betondeckungen ist größer als die Dicke der anzuschließenden Betonplatte!</source>
        <translation>The sum of the concrete covers is greater than the thickness of the slab to be connected!</translation>
    </message>
    <message>
        <source>Die Wanddicke ist kleiner als die mindest erforderliche Dicke für den kleinsten Doppelschubdorn!</source>
        <translation>The wall thickness is smaller than the minimum required for the smallest double shear dowel!</translation>
    </message>
    <message>
        <source>Der eingegebene Dornabstand ist größer als die Fugenlänge!</source>
        <translation>The dowel spacing entered is greater than the joint length!</translation>
    </message>
    <message>
        <source>Die beliebige Belastung hat weniger als zwei Lastpunkte. Bitte die Belastung vollständig eingeben!</source>
        <translation>The arbitrary load has fewer than two load points. Please enter the complete load!</translation>
    </message>
</context>
<context>
    <name>Zahleingabe</name>
    <message>
        <source>Fehler bei der Eingabe: Es sind nur Zahlen erlaubt!
(eventuell Schreibweise von &quot;.&quot; und &quot;,&quot; beachten</source>
        <translation>Input error: only numbers are allowed!
(mind the use of &quot;.&quot; and &quot;,&quot;)</translation>
    </message>
    <message>
        <source>Der eingegebene Wert ist kleiner als erlaubt!</source>
        <translation>The value entered is smaller than allowed!</translation>
    </message>
    <message>
        <source>Der eingegebene Wert ist größer als erlaubt!</source>
        <translation>The value entered is greater than allowed!</translation>
    </message>
</context>
<context>
    <name>Zoom_panel</name>
    <message>
        <source>Verkleinern</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Vergrößern</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Letzte Ansicht</source>
        <translation>Previous view</translation>
    </message>
    <message>
        <source>Gesamtansicht</source>
        <translation>Full view</translation>
    </message>
</context>
</TS>
