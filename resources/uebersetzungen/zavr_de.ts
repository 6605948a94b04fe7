<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
<context>
    <name>Ausgabeformat</name>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportieren in SVG Format (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportieren in PNG Format (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportieren in JPeg Format (*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportieren in Bitmap Format (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportieren in Text Format (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV-Datei (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON-Datei (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbekannte Endung von %1 (möglich: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Inhalt konnte nicht erzeugt werden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Bedarfsliste</name>
    <message>
        <source>QUORVEL® Doppelschubdorn nach Zulassung Z-98.6-341</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stückliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausschreibungstext</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zugelassenes System: Zul.-Nr. Z-98.6-341</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausführung: Edelstahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bestehend aus Dornelement und Hülse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wie vor, jedoch:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typ: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>und Brandschutzmanschetten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Büro / Firma: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bauvorhaben:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausdruck vom: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nr.  Position            Anzahl Schubdorn      Anzahl Brandschutzmanschette     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nr.  Anzahl  Bezeichnung                                                  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doppelschubdorne zur Querkraftübertragung in Dehnfugen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>liefern und nach Angabe des Tragwerksplaners einbauen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schubdorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brandschutzmanschette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doppelschubdorne zur Querkraftübertragung in Dehnfugen liefern und</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nach Angabe des Tragwerksplaners einbauen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Bedarfsliste konnte nicht exportiert werden - Bitte prüfen Sie den Schreibzugriff auf dem Datenträger</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Befehle</name>
    <message>
        <source>&amp;Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Projekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Eingaben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Be&amp;rechnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bedarfs&amp;liste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bedarfsliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Neu...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Öffnen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern &amp;unter ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern unter ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucker &amp;einrichten...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucker einrichten ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Projektverwaltung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projektverwaltung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position &amp;hinzufügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position hinzufügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aktuelle Position &amp;löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aktuelle Position löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Systemein&amp;gaben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Systemeingaben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Projektdaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projektdaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingabe&amp;baum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Berechnung durchführen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vorschau anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bedarfsliste anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bedarfsliste anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zu Bedarfsliste &amp;hinzufügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Bedarfsliste aufnehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnisse in &amp;Datei exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnisse in &amp;Zwischenablage exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF Export - D&amp;orn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF Export - &amp;Bewehrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bemessung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemessung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Farbeinstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Inhalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Über &amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Über Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Über QUORVEL® ZAVR ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Über QUORVEL® ZAVR ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZAVR - &amp;Katalog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZAVR - Katalog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZAVR - &amp;Zulassung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZAVR - Zulassung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programm beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bauvorhaben: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aktuelle Positionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingaben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingabebaum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF-Datei &amp;anzeigen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pro&amp;jekt drucken...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projekt als PD&amp;F...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tragfähigkeitstabellen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zuletzt geöffnet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Bemessung</name>
    <message>
        <source>SetTmpLast: Fataler Fehler im Berechnungsablauf! Das Ergebnis der Berechnung ist ungültig!
<byte value="xd"/>Versuchen Sie die Berechnung mit neuen Eingabedaten und wenden Sie sich an den Hersteller des Programms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler in Modul MuexyCalc ---&gt; pbxy * phm = 0!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler in Modul Teilu     ---&gt; d = 0!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein gültiger Dorn gefunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht bemessen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht zulässig</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Bewehrungsplan</name>
    <message>
        <source>Die Position ist nicht berechnet; der Bewehrungsplan braucht die Ergebnisse einer Berechnung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Bewehrungsdaten enthalten ungültige Zahlen; bitte die Position neu berechnen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plattendicke oder Bewehrungsbreite by ist nicht berechnet; bitte die Position neu berechnen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Stabanzahlen der Bewehrung passen nicht zusammen; bitte die Position neu berechnen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Stababstände der Bewehrung sind unvollständig; bitte die Position neu berechnen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bauseitige Bewehrung für QUORVEL® Doppelschubdorn </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draufsicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnitt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mit lb,net verankern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht zulässig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Bügel</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Bild</name>
    <message>
        <source>Doppelschubdorn ZAVR · ZAVRQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doppelschubdorne für Dehnfugen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemessung · Bewehrung · Ausschreibung</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dateifehler</name>
    <message>
        <source>der Datenträger ist voll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>das Speicherkontingent ist erschöpft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Schreibberechtigung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Leseberechtigung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Datei existiert nicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ein Teil des Pfades ist kein Ordner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Name bezeichnet einen Ordner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Datei ist zu groß</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Dateiname ist zu lang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zu viele symbolische Verweise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Datenträgers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei (ein Gerät oder eine Pipe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Datei wäre größer als erlaubt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Datei ist schreibgeschützt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogdienst</name>
    <message>
        <source>QUORVEL® Schubdorn ZAVR / ZAVRQ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dornzeichnung</name>
    <message>
        <source>Stab %1: Ø%2, l = %3, Abstand zur Fuge %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVEL® Doppelschubdorn %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeichnung Nr. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorderansicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seitenansicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schubdorn: 2 x Ø%1, Achsabstand %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hülsenrohr: %1 x %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ankerplatte: %1 x %2 x %3, Steg %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maße in mm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DxfLeinwand</name>
    <message>
        <source>die Zeichnung ist zu groß für ein Bild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Zeichnung hat zu viele Elemente für ein SVG- oder PDF-Bild; als PNG speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte vom Typ %1 nicht dargestellt</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte im Papierbereich nicht dargestellt</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Schraffurmuster nur als Umriss dargestellt</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Eingabebereich</name>
    <message>
        <source>einzelner Doppelschubdorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dornpaar Platte an Platte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dornpaar Platte an Wand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dornreihe Platte an Platte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dornreihe Platte an Wand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Einzellast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;konstante Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;gleichförmig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;beliebig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bauvorhaben:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lfd Nr.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anwendungsfall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bauteil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betongüte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feuerwiderstandsdauer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. Fugenbreite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dornabstand berechnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>konstanter Dornabstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ermittlung der Bewehrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingabe der Bemessungswerte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemessungswerte der Einwirkung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Design-Lasten):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Querkraftverlauf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plattendicke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wanddicke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randabstand links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randabstand rechts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fugenlänge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betondeckung oben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betondeckung unten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betondeckung vorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anteil ständig / veränderlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punktlast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rechts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dornabstand des Paares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dornabstand der Reihe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Querkraft links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Querkraft rechts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beliebige Last</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ergebnisliste</name>
    <message>
        <source>Ausnutzungsgrad der Stahltragfähigkeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausnutzungsgrad der Durchstanztragfähigkeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausnutzungsgrad des Betonkantenbruchs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl der Dorne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übersicht der Berechung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übersicht der Berechnungsergebnisse</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Exportdialog</name>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ - Ergebnisse Exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Kommandozeile</name>
    <message>
        <source>%1 braucht einen Wert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbekannte Option &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>genau eine Eingabedatei angeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position %1 &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hat die Prüfungen nicht bestanden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Bedarfsliste wird nicht geschrieben; ein unzulässiger Dorn wird nie bestellt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o ist nötig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--kind braucht stueckliste oder ausschreibung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--position braucht eine Positionsnummer ab 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mehr als eine Eingabedatei angegeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Eingabedatei angegeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht bemessen: die Prüfungen der Eingaben sind nicht bestanden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Argumente: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbekannter Dorntyp &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o AUSGABE.dxf fehlt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Position &quot;%1&quot; ist nicht bemessen; zuerst zavr-cli design ... --save aufrufen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position &quot;%1&quot;: %2; mit --force wird die Zeichnung mit dem Vermerk &quot;nicht zulässig&quot; geschrieben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 nicht zulässig (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dowel erwartet keine Eingabedatei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--type fehlt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reinforcement, dowel oder render angeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>genau eine DXF-Datei angeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o AUSGABE.png|.svg|.pdf fehlt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size braucht eine Pixelzahl von 50 bis 10000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gewählter Dorn: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position %1 gibt es nicht; die letzte Position des Projekts ist %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnung: %1 Die Bemessung wird trotzdem durchgeführt.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--all und --position schließen sich aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--view und -o sind nötig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbekannte Ansicht &apos;%1&apos; (ansicht, draufsicht, schnitt, reihe, eingabe oder alle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild konnte nicht geschrieben werden: %1: %2</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbekannt: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leere Liste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--h braucht VON:BIS oder VON:BIS:SCHRITT in cm, VON ≤ BIS, alle größer als 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mehr als %1 Tabellenwerte; bitte die Auswahl einschränken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Auswahl enthält keine Tabellenwerte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unerwartetes Argument &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positionen eines Projekts bemessen und die Ergebnisliste ausgeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewehrungsplan oder Dornzeichnung als DXF-Datei schreiben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eine Skizze einer Position als Bild (PNG, SVG, JPEG, BMP) schreiben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>den Berechnungsnachweis einer Position als PDF oder Bild schreiben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stückliste oder Ausschreibungstext der Bedarfsliste als Text oder PDF schreiben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tragfähigkeitstabellen für die Vorbemessung als CSV, PDF oder JSON schreiben</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufruf: zavr-cli [--language de|en|pl] [--decimal ,|.] BEFEHL [OPTIONEN]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Befehle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>`zavr-cli BEFEHL --help` beschreibt die Optionen eines Befehls.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zavr-cli: --language: dieses Programm ist ohne Qt gebaut und spricht nur Deutsch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zavr-cli: --language braucht de, en oder pl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zavr-cli: --decimal braucht &quot;,&quot; oder &quot;.&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zavr-cli: unbekannter Befehl &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Rückgabewert: 0 geschrieben; 2 ein Wert ist abgelehnt, die Datei ist nicht lesbar oder nicht
schreibbar, oder die Argumente sind falsch.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anwendungsfall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belastungsfall (wie der Anwendungsfall ihn zulässt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. Fugenbreite [mm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betongüte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feuerwiderstandsdauer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ermittlung der Bewehrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dornabstand eines Paares berechnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>konstanter Dornabstand einer Reihe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximaler Dornabstand (Einstellung zur Bemessung)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mindestens %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>höchstens %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zahlenfelder (Einheit des Fensters, Grenzen):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auswahlen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texte:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positionsname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bauvorhaben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Zahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbekannter Name (zavr-cli set --help nennt alle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbekannter Wert (zavr-cli set --help nennt alle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Zuweisung NAME=WERT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Zuweisung NAME=WERT angegeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingaben einer Position mit den Grenzen des Programms ändern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1 ist bei konstanter Last die ganze Streckenlast, %2 gilt nur bei linearer Last.)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size braucht eine Pixelzahl von 50 bis 8000</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lastimport</name>
    <message>
        <source>Die Tabelle enthält keine Wertepaare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es wurde nichts übernommen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile %1 enthält nicht zwei Zahlen (x in m und q in kN/m): &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile %1: x = %2 m liegt nicht in der Fuge (0 bis %3 m).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile %1: q = %2 kN/m ist kleiner als 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Tabelle hat mehr als %1 Wertepaare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kann nicht gelesen werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Nachweis</name>
    <message>
        <source>Zwischenergebnis Bewehrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausnutzung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berechnung mit optimaler Dornausnutzung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berechnung mit Bewehrung nach Zulassung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betongüte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wanddicke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plattendicke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betondeckung oben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betondeckung unten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betondeckung vorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>statische Nutzhöhe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einzellast am Dorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>konstante Linienlast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geradlinige Linienlast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beliebiger Linienlastverlauf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>siehe nachfolgende Seite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fugenbreite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vorgegebener Randabstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fugenlänge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brandschutz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingaben zur Anwendung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingaben zur Bauteilgeometrie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingaben zur Belastung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingaben zur Dehnfuge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gewählt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewehrungsgrad / Dorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontale Querbewehrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertikale Aufhängebewehrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einflußbereich Bewehrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rundschnitt / Dorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mindestrandabstand (gem. Zulassung)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minimaler Randabstand Stütze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vorhandener Randabstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mindestdornabstand (gem. Zulassung)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vorhandener Dornabstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berechnung als Einzeldorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berechnung als Dornpaar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berechnung als Dornreihe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rand- und Dornabstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachweis / Dorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ermittlung der Bemessungswiderstände unter Berücksichtigung von Längs-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>und</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>oder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Querverschiebung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemessungswiderstand gegen Stahltragfähigkeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemessungswiderstand gegen Durchstanzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemessungswiderstand gegen Betonkantenbruch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maßgebender Bemessungswiderstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemessungswert der einwirkenden Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maximale Dornausnutzung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hinweis: Die Durchlaufwirkung der Belastung in der Fuge muss vom Planer separat geprüft werden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übersicht der Bewehrungszulage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufhängebewehrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Längsbewehrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bügel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koordinaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dorn Nr.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berechnungsnachweis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berechnungsnachweis für </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bauvorhaben:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seite:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proj.-Nr.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVEL GmbH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVEL® Doppelschubdorn ZAVR/ZAVRQ: Zulassung gemäß DIN 1045-1 und DIN EN 1992-1-1 (EC2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVEL® Doppelschubdorn nach Zulassung Z-98.6-341</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausdruck vom: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearbeiter: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Büro / Firma: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Einsatz des Dornes ist auf Grund nachfolgeder Begründung unzulässig:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y,soll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x,soll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>r,vorh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vorh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewehrung manuell gewählt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein gültiger Dorn gefunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>untersucht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht zulässig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projektübersicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zulässig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht bemessen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anwendungsfall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positionen im Projekt: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>davon ohne zulässigen Dorn oder nicht bemessen: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Position %1 im Projekt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Projektdatei</name>
    <message>
        <source>Die Datei ist keine gültige QUORVEL® - ZAVR Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei gibt mehr als 10000 Positionen an; mehr Positionen kann ein Projekt nicht haben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = %2 ist beschädigt. Die gespeicherten Ergebnisse wurden verworfen; die Position ist nicht bemessen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = %2 ist keine Anzahl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es fehlen %1; die vorhandenen Lastpunkte wurden gelesen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 und was folgt wurde nicht gelesen: die Anzahl der Liste umfasst es nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 passt nicht zu den Lastpunkten; gelesen wurden die %2 vorhandenen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position %1 &quot;%2&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beim Lesen des Projekts ist aufgefallen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>… und %n weitere.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Die Datei gibt die Zahl ihrer Positionen nicht lesbar an (HauptMaske.TAnzAnwendung = %1); sie wird nicht geöffnet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Projektsitzung</name>
    <message>
        <source>Kann angegebene Datei nicht öffnen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Projekt hat noch keinen Dateinamen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soll der aktuelle Zustand gespeichert werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Projekt kann keine weitere Position aufnehmen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es ist nur eine Position im Projekt vorhanden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die letzte Position kann nicht entfernt werden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> kann nicht gespeichert werden: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die aktuelle Position ist schon in der Bedarfsliste vorhanden

Soll diese überschrieben werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei nicht gefunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dieser Wert ist beim gewählten Belastungsfall nicht einzugeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position übernehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projektdaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximaler Dornabstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bedarfsliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position hinzufügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soll die Position %1 &quot;%2&quot; gelöscht werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Position %1 steht in der Bedarfsliste. Soll ihr Eintrag ebenfalls entfernt werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berechnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Fugenlänge ist jetzt %1 m. Die Punkte der beliebigen Last wurden angepasst:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x = %1 m (q = %2 kN/m): jetzt bei x = %3 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x = %1 m (q = %2 kN/m): entfällt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Rückgängig&quot; stellt die vorherige Fugenlänge mit allen Lastpunkten wieder her.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dieser Belastungsfall ist beim gewählten Anwendungsfall nicht möglich.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belastungsfall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positionsname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bauvorhaben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemessungswerte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dornauswahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skizze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position aus Tabelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position %1 &quot;%2&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Werte außerhalb der Grenzen der Eingabe; diese Positionen werden nicht bemessen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 = %3): %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei enthält keine lesbare DXF-Zeichnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beliebige Last</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sicherung</name>
    <message>
        <source>Das Programm wurde nicht ordnungsgemäß beendet. Es gibt eine automatische Sicherung vom %1 des Projekts %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbenannt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soll die Sicherung wiederhergestellt werden?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Skizze</name>
    <message>
        <source>Rand- und Aufhängebewehrung des Dorns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufteilung der Dorne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draufsicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnitt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verankern mit l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Pos. 1 (%n Bügel </source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Skizzenbereich</name>
    <message>
        <source>Skizze in &amp;Zwischenablage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skizze in &amp;Datei speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skizze als &amp;Vollbild darstellen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDXF_Anzeige_Form</name>
    <message>
        <source>DXF Vorschau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>als DXF &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;zurück</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVEL® - DXF-Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportieren in DXF Format (*.dxf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVEL® - DXF-Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importieren in DXF Format (*.dxf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Textliste</name>
    <message>
        <source>OK\h &lt; h min\VEd &gt; VRd\e &lt; e min\ar &lt; ar min\e &lt; e krit\ar &lt; ar krit\hw &lt; hw krit\c &lt; c min\e &lt; e erf\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berechnung OK\Bauteildicke zu klein!\Belastung zu hoch!\Dornabstand kleiner zulässig!\Randabstand kleiner zulässig!\Dornabstand für Standardbewehrung nach Zulassung zu klein\Randabstand für erforderliche Bewehrung zu klein\Die angegebene Wanddicke ist für den ausgewählten Dorn kleiner als erforderlich\Die vorhandene Bauteildicke ist für die gewählte Bewehrung zu klein!\Der erforderlichen Bereich der Aufhängebewehrung ist größer als der vorhandene Dornabstand\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der maximale Dornabstand ist größer als 5 * Plattendicke\Der maximale Dornabstand konnte auf Grund der Querkrafteingabe nicht eingehalten werden!\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>einzelner Doppelschubdorn\Dornpaar Platte an Platte\Dornpaar Platte an Wand\Dornreihe Platte an Platte\Dornreihe Platte an Wand\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachweis für einen mit Punktlast belasteten einzelnen Doppelschubdorn\Nachweis für ein Paar aus Doppelschubdornen - Anschluß Platte an Platte\Nachweis für ein Paar aus Doppelschubdornen - Anschluß Platte an Wand\Nachweis für eine Reihe aus Doppelschubdornen - Anschluß Platte an Platte\Nachweis für eine Reihe aus Doppelschubdornen - Anschluß Platte an Wand\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ohne\F90\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Anforderungen\F90 Manschette\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 mm\30 mm\40 mm\50 mm\60 mm\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard\Optimal\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbegrenzt\5 * Plattendicke - gleiche Belastung aller Dorne\5 * Plattendicke - einfügen konstruktiver Dorne\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C20/25\C25/30\C30/37\C35/45\C40/50\C45/55\C50/60\C20/25\C25/30\C30/37\C35/45\C40/50\C45/55\C50/60\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dorn\S\ct\ce\D\Bemerkungen\</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>Haftungsausschluss

Dieses Programm unterstützt die Bemessung von Doppelschubdornen ZAVR und ZAVRQ nach der allgemeinen bauaufsichtlichen Zulassung. Es ersetzt weder die Sachkunde noch die Verantwortung des Tragwerksplaners: Eingaben, Bemessungsannahmen und die Übernahme der Ergebnisse in die Ausführungsplanung sind vom Anwender zu prüfen.

Die QUORVEL Bautechnik GmbH hat das Programm mit größter Sorgfalt erstellt und geprüft. Für Schäden, die aus der Anwendung des Programms oder aus fehlerhaften Ergebnissen entstehen, haftet sie nur bei Vorsatz oder grober Fahrlässigkeit.

Fragen und Hinweise zum Programm richten Sie bitte an unsere technische Beratung: support@quorvel.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Über QUORVEL®  Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mit diesem Programm kann der Einsatz von ZAVR und ZAVRQ Schubdornen zu Übertragung hoher Querlasten berechnet werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kompilierung:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erstellt am:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>07.01.2015</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVEL Bautechnik GmbH
Technische Beratung
Musterweg 12
12345 Musterstadt
Telefon +49 123 4567-0
www.quorvel.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVEL  Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmBemessung</name>
    <message>
        <source>Einstellung zur Bemessung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximaler Dornabstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hinweis bei Überschreitung des</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maximalen Dornabstandes anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmBewehrung</name>
    <message>
        <source>Steckbügel beidseitig als vertikale Aufhängebewehrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steckbügel beidseitig im Durchstanzbereich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontale Randbewehrung, oben und unten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontale Bewehrung parallel zum Rand, oben und unten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Innenliegender geschlossener Bügel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewehrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingaben übernehmen und Fenster schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingaben verwerfen und Fenster schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewehrung - &amp;Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewehrung nach Zulassung als Standard setzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewehrung zum aktuellen Dorn: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewehrung nach Zulassung nicht möglich, da Randabstand zu klein!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewehrung nach Zulassung nicht möglich, da Dornabstand zu klein!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Zulassung fordert das der Durchmesser der Längsbewehrung (Asy) mindestens so groß sein muß wie der Durchmesser der Steckbügel (Asx1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Möchten Sie die manuell ausgewählte Bewehrung nochmals ändern?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Betondicke ist für die manuell ausgewählte Bewehrung zu klein. Soll die Bewehrung so übernommen werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmCharakteristischeLast</name>
    <message>
        <source>Eingabe der Bemessungswerte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmFarbeinstellung</name>
    <message>
        <source>Skizze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbdarstellung des Skizzen Hintergrundes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemassung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbdarstellung der Bemassung (Linien + Text)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umrandung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbdarstellung der Betonumrandung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbdarstellung der Betonflächen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brandschutz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbdarstellung der Brandschutzmanschette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbdarstellung der Steckbügel (Pos A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbdarstellung der horizontalen Bewehrung (Pos B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbdarstellung des geschlossenen Bügels (Pos C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbdarstellung der Aufhängebewehrung (Pos D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbdarstellung der Schubdornumrandung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbdarstellung der Schubdornfächen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZAVR - Farbeinstellung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewehrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schubdorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbeinstellung auf Standardwerte zurücksetzen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Graustufen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbeinstellung auf Graustufen einstellen! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingabemaske verlassen und Eingaben übernehmen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingabemaske verlassen und Eingaben verwerfen!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmHauptMaske</name>
    <message>
        <source>Ansicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draufsicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnitt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dornreihe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zu Bedarfsliste &amp;hinzufügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In &amp;Zwischenablage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Berechnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnis&amp;vorschau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rückkehr zur Ein&amp;gabe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Werkzeugleiste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diese Funktion ist in dieser Programmversion nicht enthalten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF-Export - D&amp;orn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF-Export - &amp;Bewehrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVEL® Doppelschubdorn ZAVR/ZAVRQ: Zulassung gemäß DIN 1045-1 und DIN EN 1992-1-1 (EC2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbenannt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ (*.ZAV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Für dieses Programm ist keine Hilfe installiert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - wurde nicht gefunden. Die erforderliche Datei kann nur von der CD Version installiert werden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Anwendung zum Öffnen der ausgewählten Datei ist nicht installiert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZAVR - Katalog.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZAVR - Zulassung.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kann angegebene Datei nicht öffnen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ökonom. Dorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ökonomischster Doppelschubdorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ökonomischster Doppelschubdorn für Bewegungen in Längs- und Querrichtung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Berechnungsnachweis konnte nicht gedruckt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewehrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>manuelle Änderung der Bewehrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Nachweis des Projekts konnte nicht gedruckt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Position wird nicht in die Bedarfsliste aufgenommen: %1.

Ein Dorn, der nicht zulässig ist, wird nicht bestellt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Für diese Position: %1.

Soll die Bewehrungszeichnung von %2 trotzdem erstellt werden? Sie erhält unter dem Titel den Vermerk &quot;nicht zulässig&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rückgängig: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zuletzt geöffnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gefunden. Sie wird aus der Liste der zuletzt geöffneten Projekte entfernt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmHilfe</name>
    <message>
        <source>Hilfe - QUORVEL® Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suchbegriff eingeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stichwort:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Inhalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;uchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vorwärts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmHinweis5d</name>
    <message>
        <source>Information zur Bemessung der Dornabstände</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fenster bei jeder Bemessung wieder anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmOptimalerDorn</name>
    <message>
        <source>QUORVEL® - Doppelschubdorne ZAVR / ZAVRQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ökonomischster Doppelschubdorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>für Bewegungen in Längsrichtung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>für Bewegungen in Längs- und Querrichtung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmProjektdaten</name>
    <message>
        <source>Projektdaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>he&amp;ute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bauvorhaben:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Büro / Firma:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearbeiter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projekt Nr.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmProjektverwaltung</name>
    <message>
        <source>lfd Nr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bauvorhaben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anschlusstyp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fugenlänge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVEL® - Projektverwaltung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position &amp;übernehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ausgewählte Position öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ausgewählte Position zum bestehenden Projekt hinzufügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projekt &amp;öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ausgewähltes Projekt öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projekt&amp;inhalte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projektdatei auswählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bestehende Projektdatei auswählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Laufwerk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verzeichnis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Projekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nr: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <source>Bemessung gemäß DIN 1045-1 und DIN EN 1992-1-1 (EC2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZAVR Programm &amp;starten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVEL®   Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmStueckliste</name>
    <message>
        <source>aktiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position                          </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anz. Pos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anz. Dorne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bezeichnung                                                  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum. Dorne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lfdNr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deckenstärke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>statische Nutzhöhe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stützentyp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stückliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ausschreibungstext</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Liste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ZW Ablage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position &amp;löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktuelle Auswahl:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl gleicher Position </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zusätzliche Informationen zur Bedarfsliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beim Export einer langen Bedarfsliste als Grafik ist zu berücksichtigen, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>daß in der Grafik keine Seitenumbrüche vorhanden sind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bei langen Bedarfslisten kann durch Deaktivieren einzelner Positionen </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Bedarfsliste in 2 oder mehrere Exportdateien aufgeteilt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ: Bedarfsliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ: Stückliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ: Ausschreibungstext</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Bedarfsliste konnte nicht gedruckt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Anzahl %1 ist nicht möglich (1 bis %2); sie wurde auf %3 gesetzt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmTragfaehigkeitstabellen</name>
    <message>
        <source>Tragfähigkeitstabellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doppelklick auf einen Wert: neue Position mit diesem Dorn und dieser Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Berechnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelle mit der Auswahl neu berechnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabellen der angekreuzten Dorntypen drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabellen der angekreuzten Dorntypen als PDF speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als &amp;CSV speichern...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Werte der angekreuzten Dorntypen als CSV-Datei speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialog schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ab Mindestdicke des Dorns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dorntypen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betongüten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plattendicke von</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schritt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Dorn ist hier nicht zulässig: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Auswahl enthält keine Tabellenwerte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Tragfähigkeitstabellen konnten nicht gedruckt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tragfaehigkeitstabellen.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tragfaehigkeitstabellen.csv</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmZoom</name>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skizze in &amp;Zwischenablage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skizze in &amp;Datei speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fenster &amp;schliessen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnisausdruck in Zwischenablage kopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnisausdruck in Datei exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schliessen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fenster schliessen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;in (+)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out (-)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmbeliebigeLast</name>
    <message>
        <source>Eingabe einer beliebig verlaufenden Streckenlast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>q&lt;sub&gt;Ed&lt;/sub&gt;(x) [kN/m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingaben übernehmen und Fenster schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingaben verwerfen und Fenster schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfe zum Eingabefenster|Hilfe zu den Eingaben in der Maske</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koordinate für die Lasteingabe von links gemessen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wert der Belastung an der Stelle der Koordinate x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hinzufügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wertepaar hinzufügen|Wertepaar (x,q) zur Liste hinzufügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ändern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Änderungen in Liste übertragen|Änderungen des Werepaares (x,q) in Liste übertragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aktuelles Wertepaar löschen|aktuelles Wertepaar (x,q) aus der Liste löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kN/m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Für die eingegebene Koordinate ist schon ein Wert vorhanden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soll der Wert überschrieben werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beliebige Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelle einfügen|Wertepaare (x in m, q in kN/m) aus der Zwischenablage übernehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Importieren…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelle importieren|Wertepaare (x in m, q in kN/m) aus einer CSV- oder Textdatei übernehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streckenlast importieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabellen (*.csv *.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tragfaehigkeitstabelle</name>
    <message>
        <source>Tragfähigkeitstabelle %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bezugssituation: ein einzelner Doppelschubdorn unter Punktlast, Anschluss Platte an Platte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fugenbreite ≤ %1, Brandschutz: %2, Bewehrung: %3, Betondeckung oben, unten und vorn je %4 cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Werte gelten ab dem Randabstand a_r,min und dem Dornabstand e_min der Zeile; Rand- und Dornabstände ab diesen Werten mindern den Widerstand nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V_Rd: Bemessungswiderstand eines Dorns in kN, auf 0,01 kN abgerundet; Index: maßgebender Nachweis (s Stahl, ct Durchstanzen, ce Betonkantenbruch)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeder Wert ist das Ergebnis der Bemessung dieser Bezugssituation mit diesem Programm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betongüte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h [cm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fugenbreite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brandschutz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewehrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maßgebend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a_r,min [cm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e_min [cm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durchstanzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betonkantenbruch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Vorpruefung</name>
    <message>
        <source>Der gewählte konstante Dornabstand ist größer als 5 * Plattendicke!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der gewählte konstante Dornabstand ist größer als 5 * Plattendicke!
<byte value="xd"/>
<byte value="xd"/>Soll die Berechnung trotzdem durchgeführt werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die vorgegebene Betondicke ist kleiner als die minimale Betondicke für den kleinsten Doppelschubdorn!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Wert der Betondeckung oben ist &lt; 2,5 cm. Bitte prüfen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Wert der Betondeckung unten ist &lt; 2,5 cm. Bitte prüfen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Summe der Betondeckungen ist größer als die Dicke der anzuschließenden Betonplatte!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wanddicke ist kleiner als die mindest erforderliche Dicke für den kleinsten Doppelschubdorn!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der eingegebene Dornabstand ist größer als die Fugenlänge!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die beliebige Belastung hat weniger als zwei Lastpunkte. Bitte die Belastung vollständig eingeben!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zahleingabe</name>
    <message>
        <source>Fehler bei der Eingabe: Es sind nur Zahlen erlaubt!
(eventuell Schreibweise von &quot;.&quot; und &quot;,&quot; beachten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der eingegebene Wert ist kleiner als erlaubt!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der eingegebene Wert ist größer als erlaubt!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zoom_panel</name>
    <message>
        <source>Verkleinern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vergrößern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letzte Ansicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesamtansicht</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
