<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="de_DE">
<context>
    <name>Ausgabeformat</name>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <translation>Dokument PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Exportieren in SVG Format (*.svg)</source>
        <translation>Eksport w formacie SVG (*.svg)</translation>
    </message>
    <message>
        <source>Exportieren in PNG Format (*.png)</source>
        <translation>Eksport w formacie PNG (*.png)</translation>
    </message>
    <message>
        <source>Exportieren in JPeg Format (*.jpg)</source>
        <translation>Eksport w formacie JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Exportieren in Bitmap Format (*.bmp)</source>
        <translation>Eksport w formacie bitmapy (*.bmp)</translation>
    </message>
    <message>
        <source>Exportieren in Text Format (*.txt)</source>
        <translation>Eksport do pliku tekstowego (*.txt)</translation>
    </message>
    <message>
        <source>CSV-Datei (*.csv)</source>
        <translation>Plik CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON-Datei (*.json)</source>
        <translation>Plik JSON (*.json)</translation>
    </message>
    <message>
        <source>unbekannte Endung von %1 (möglich: %2)</source>
        <translation>nieznane rozszerzenie pliku %1 (możliwe: %2)</translation>
    </message>
    <message>
        <source>der Inhalt konnte nicht erzeugt werden</source>
        <translation>nie można utworzyć zawartości</translation>
    </message>
</context>
<context>
    <name>Bedarfsliste</name>
    <message>
        <source>QUORVEL® Doppelschubdorn nach Zulassung Z-98.6-341</source>
        <translation>QUORVEL® podwójny trzpień ścinany wg aprobaty Z-98.6-341</translation>
    </message>
    <message>
        <source>Stückliste</source>
        <translation>Zestawienie elementów</translation>
    </message>
    <message>
        <source>Ausschreibungstext</source>
        <translation>Opis przetargowy</translation>
    </message>
    <message>
        <source>Zugelassenes System: Zul.-Nr. Z-98.6-341</source>
        <translation>System z aprobatą techniczną nr Z-98.6-341</translation>
    </message>
    <message>
        <source>Ausführung: Edelstahl</source>
        <translation>Wykonanie: stal nierdzewna</translation>
    </message>
    <message>
        <source>Bestehend aus Dornelement und Hülse</source>
        <translation>Składa się z elementu trzpienia i tulei</translation>
    </message>
    <message>
        <source>wie vor, jedoch:</source>
        <translation>jak wyżej, lecz:</translation>
    </message>
    <message>
        <source>Position: </source>
        <translation>Pozycja: </translation>
    </message>
    <message>
        <source>Typ: </source>
        <translation>Typ: </translation>
    </message>
    <message>
        <source>und Brandschutzmanschetten</source>
        <translation>i mankiety ppoż.</translation>
    </message>
    <message>
        <source>Büro / Firma: </source>
        <translation>Firma:        </translation>
    </message>
    <message>
        <source>Bauvorhaben:  </source>
        <translation>Obiekt:       </translation>
    </message>
    <message>
        <source>Ausdruck vom: </source>
        <translation>Data wydruku: </translation>
    </message>
    <message>
        <source>Nr.  Position            Anzahl Schubdorn      Anzahl Brandschutzmanschette     </source>
        <translation>Lp.  Pozycja             Liczba trzpieni       Liczba mankietów ppoż.           </translation>
    </message>
    <message>
        <source>Nr.  Anzahl  Bezeichnung                                                  </source>
        <translation>Lp.  Ilość   Opis                                                         </translation>
    </message>
    <message>
        <source>Doppelschubdorne zur Querkraftübertragung in Dehnfugen</source>
        <translation>Podwójne trzpienie ścinane do przenoszenia siły poprzecznej</translation>
    </message>
    <message>
        <source>liefern und nach Angabe des Tragwerksplaners einbauen.</source>
        <translation>w dylatacjach dostarczyć i wbudować zgodnie z projektem konstrukcji.</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>Lp.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Liczba</translation>
    </message>
    <message>
        <source>Schubdorn</source>
        <translation>Trzpień ścinany</translation>
    </message>
    <message>
        <source>Brandschutzmanschette</source>
        <translation>Mankiet ppoż.</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Doppelschubdorne zur Querkraftübertragung in Dehnfugen liefern und</source>
        <translation>Podwójne trzpienie ścinane do przenoszenia siły poprzecznej w dylatacjach</translation>
    </message>
    <message>
        <source>nach Angabe des Tragwerksplaners einbauen.</source>
        <translation>dostarczyć i wbudować zgodnie z projektem konstrukcji.</translation>
    </message>
    <message>
        <source>Die Bedarfsliste konnte nicht exportiert werden - Bitte prüfen Sie den Schreibzugriff auf dem Datenträger</source>
        <translation>Nie można wyeksportować zestawienia materiałów - sprawdź prawo zapisu na nośniku danych</translation>
    </message>
</context>
<context>
    <name>Befehle</name>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Projekt</source>
        <translation>P&amp;rojekt</translation>
    </message>
    <message>
        <source>&amp;Eingaben</source>
        <translation>&amp;Dane</translation>
    </message>
    <message>
        <source>Be&amp;rechnung</source>
        <translation>&amp;Obliczenia</translation>
    </message>
    <message>
        <source>Bedarfs&amp;liste</source>
        <translation>&amp;Zestawienie</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>&amp;Eksport</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>Opc&amp;je</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Bedarfsliste</source>
        <translation>Zestawienie materiałów</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>&amp;Neu...</source>
        <translation>&amp;Nowy...</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>&amp;Öffnen...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Speichern &amp;unter ...</source>
        <translation>Zapisz &amp;jako ...</translation>
    </message>
    <message>
        <source>Speichern unter ...</source>
        <translation>Zapisz jako ...</translation>
    </message>
    <message>
        <source>Drucker &amp;einrichten...</source>
        <translation>Ustawienia d&amp;rukarki...</translation>
    </message>
    <message>
        <source>Drucker einrichten ...</source>
        <translation>Ustawienia drukarki ...</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message>
        <source>&amp;Projektverwaltung</source>
        <translation>&amp;Przeglądarka projektów</translation>
    </message>
    <message>
        <source>Projektverwaltung</source>
        <translation>Przeglądarka projektów</translation>
    </message>
    <message>
        <source>Position &amp;hinzufügen</source>
        <translation>Dod&amp;aj pozycję</translation>
    </message>
    <message>
        <source>Position hinzufügen</source>
        <translation>Dodaj pozycję</translation>
    </message>
    <message>
        <source>aktuelle Position &amp;löschen</source>
        <translation>&amp;Usuń bieżącą pozycję</translation>
    </message>
    <message>
        <source>aktuelle Position löschen</source>
        <translation>Usuń bieżącą pozycję</translation>
    </message>
    <message>
        <source>Systemein&amp;gaben</source>
        <translation>Dane &amp;układu</translation>
    </message>
    <message>
        <source>Systemeingaben</source>
        <translation>Dane układu</translation>
    </message>
    <message>
        <source>&amp;Projektdaten</source>
        <translation>Dane p&amp;rojektu</translation>
    </message>
    <message>
        <source>Projektdaten</source>
        <translation>Dane projektu</translation>
    </message>
    <message>
        <source>Eingabe&amp;baum</source>
        <translation>Drzewo &amp;nawigacji</translation>
    </message>
    <message>
        <source>&amp;Berechnung durchführen</source>
        <translation>&amp;Wykonaj obliczenia</translation>
    </message>
    <message>
        <source>&amp;Vorschau anzeigen</source>
        <translation>Pokaż &amp;podgląd</translation>
    </message>
    <message>
        <source>&amp;Bedarfsliste anzeigen</source>
        <translation>Pokaż &amp;zestawienie materiałów</translation>
    </message>
    <message>
        <source>Bedarfsliste anzeigen</source>
        <translation>Pokaż zestawienie materiałów</translation>
    </message>
    <message>
        <source>zu Bedarfsliste &amp;hinzufügen</source>
        <translation>Dod&amp;aj do zestawienia materiałów</translation>
    </message>
    <message>
        <source>In Bedarfsliste aufnehmen</source>
        <translation>Dodaj do zestawienia materiałów</translation>
    </message>
    <message>
        <source>Ergebnisse in &amp;Datei exportieren</source>
        <translation>Eksportuj wyniki do &amp;pliku</translation>
    </message>
    <message>
        <source>Ergebnisse in &amp;Zwischenablage exportieren</source>
        <translation>Eksportuj wyniki do &amp;schowka</translation>
    </message>
    <message>
        <source>DXF Export - D&amp;orn</source>
        <translation>Eksport DXF - &amp;trzpień</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Bewehrung</source>
        <translation>Eksport DXF - &amp;zbrojenie</translation>
    </message>
    <message>
        <source>&amp;Bemessung</source>
        <translation>&amp;Wymiarowanie</translation>
    </message>
    <message>
        <source>Bemessung</source>
        <translation>Wymiarowanie</translation>
    </message>
    <message>
        <source>&amp;Farbeinstellungen</source>
        <translation>Ustawienia &amp;kolorów</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>&amp;Inhalt</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>Sz&amp;ukaj</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Über &amp;Hilfe</source>
        <translation>&amp;Jak korzystać z pomocy</translation>
    </message>
    <message>
        <source>Über Hilfe</source>
        <translation>Jak korzystać z pomocy</translation>
    </message>
    <message>
        <source>&amp;Über QUORVEL® ZAVR ...</source>
        <translation>&amp;O programie QUORVEL® ZAVR ...</translation>
    </message>
    <message>
        <source>Über QUORVEL® ZAVR ...</source>
        <translation>O programie QUORVEL® ZAVR ...</translation>
    </message>
    <message>
        <source>ZAVR - &amp;Katalog</source>
        <translation>ZAVR - &amp;katalog</translation>
    </message>
    <message>
        <source>ZAVR - Katalog</source>
        <translation>ZAVR - katalog</translation>
    </message>
    <message>
        <source>ZAVR - &amp;Zulassung</source>
        <translation>ZAVR - &amp;aprobata</translation>
    </message>
    <message>
        <source>ZAVR - Zulassung</source>
        <translation>ZAVR - aprobata</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Programm beenden</source>
        <translation>Zakończ program</translation>
    </message>
    <message>
        <source>Bauvorhaben: </source>
        <translation>Obiekt: </translation>
    </message>
    <message>
        <source>aktuelle Positionen</source>
        <translation>bieżące pozycje</translation>
    </message>
    <message>
        <source>Eingaben</source>
        <translation>Dane wejściowe</translation>
    </message>
    <message>
        <source>Eingabebaum</source>
        <translation>Drzewo nawigacji</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern...</source>
        <translation>Zapisz jako &amp;PDF...</translation>
    </message>
    <message>
        <source>DXF-Datei &amp;anzeigen...</source>
        <translation>Pokaż plik D&amp;XF...</translation>
    </message>
    <message>
        <source>Pro&amp;jekt drucken...</source>
        <translation>Drukuj projek&amp;t...</translation>
    </message>
    <message>
        <source>Projekt als PD&amp;F...</source>
        <translation>Projekt jako PD&amp;F...</translation>
    </message>
    <message>
        <source>&amp;Tragfähigkeitstabellen...</source>
        <translation>&amp;Tablice nośności...</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Zuletzt geöffnet</source>
        <translation>Ostatnio otwierane</translation>
    </message>
</context>
<context>
    <name>Bemessung</name>
    <message>
        <source>SetTmpLast: Fataler Fehler im Berechnungsablauf! Das Ergebnis der Berechnung ist ungültig!
<byte value="xd"/>Versuchen Sie die Berechnung mit neuen Eingabedaten und wenden Sie sich an den Hersteller des Programms</source>
        <translation>SetTmpLast: błąd krytyczny w przebiegu obliczeń! Wynik obliczeń jest nieprawidłowy!
<byte value="xd"/>Proszę powtórzyć obliczenia z nowymi danymi i skontaktować się z producentem programu</translation>
    </message>
    <message>
        <source>Fehler in Modul MuexyCalc ---&gt; pbxy * phm = 0!</source>
        <translation>Błąd w module MuexyCalc ---&gt; pbxy * phm = 0!</translation>
    </message>
    <message>
        <source>Fehler in Modul Teilu     ---&gt; d = 0!</source>
        <translation>Błąd w module Teilu     ---&gt; d = 0!</translation>
    </message>
    <message>
        <source>Kein gültiger Dorn gefunden</source>
        <translation>Nie znaleziono dopuszczalnego trzpienia</translation>
    </message>
    <message>
        <source>nicht bemessen</source>
        <translation>nie zwymiarowano</translation>
    </message>
    <message>
        <source>nicht zulässig</source>
        <translation>niedopuszczalny</translation>
    </message>
</context>
<context>
    <name>Bewehrungsplan</name>
    <message>
        <source>Die Position ist nicht berechnet; der Bewehrungsplan braucht die Ergebnisse einer Berechnung.</source>
        <translation>Pozycja nie została obliczona; rysunek zbrojenia wymaga wyników obliczeń.</translation>
    </message>
    <message>
        <source>Die Bewehrungsdaten enthalten ungültige Zahlen; bitte die Position neu berechnen.</source>
        <translation>Dane zbrojenia zawierają nieprawidłowe liczby; proszę ponownie obliczyć pozycję.</translation>
    </message>
    <message>
        <source>Plattendicke oder Bewehrungsbreite by ist nicht berechnet; bitte die Position neu berechnen.</source>
        <translation>Grubość płyty lub szerokość zbrojenia by nie zostały obliczone; proszę ponownie obliczyć pozycję.</translation>
    </message>
    <message>
        <source>Die Stabanzahlen der Bewehrung passen nicht zusammen; bitte die Position neu berechnen.</source>
        <translation>Liczby prętów zbrojenia są niezgodne; proszę ponownie obliczyć pozycję.</translation>
    </message>
    <message>
        <source>Die Stababstände der Bewehrung sind unvollständig; bitte die Position neu berechnen.</source>
        <translation>Rozstawy prętów zbrojenia są niekompletne; proszę ponownie obliczyć pozycję.</translation>
    </message>
    <message>
        <source>Bauseitige Bewehrung für QUORVEL® Doppelschubdorn </source>
        <translation>Zbrojenie dodatkowe wykonywane na budowie dla podwójnego trzpienia ścinanego QUORVEL® </translation>
    </message>
    <message>
        <source>Draufsicht</source>
        <translation>Widok z góry</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Schnitt</source>
        <translation>Przekrój</translation>
    </message>
    <message>
        <source>mit lb,net verankern</source>
        <translation>zakotwić na długości lb,net</translation>
    </message>
    <message>
        <source>nicht zulässig</source>
        <translation>niedopuszczalny</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Poz.</translation>
    </message>
    <message numerus="yes">
        <source>%n Bügel</source>
        <translation>
            <numerusform>%n strzemię</numerusform>
            <numerusform>%n strzemiona</numerusform>
            <numerusform>%n strzemion</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Bild</name>
    <message>
        <source>Doppelschubdorn ZAVR · ZAVRQ</source>
        <translation>Podwójny trzpień ścinany ZAVR · ZAVRQ</translation>
    </message>
    <message>
        <source>Doppelschubdorne für Dehnfugen</source>
        <translation>Podwójne trzpienie ścinane do dylatacji</translation>
    </message>
    <message>
        <source>Bemessung · Bewehrung · Ausschreibung</source>
        <translation>Wymiarowanie · Zbrojenie · Opis przetargowy</translation>
    </message>
</context>
<context>
    <name>Dateifehler</name>
    <message>
        <source>der Datenträger ist voll</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>das Speicherkontingent ist erschöpft</source>
        <translation>przydział miejsca na dysku został wyczerpany</translation>
    </message>
    <message>
        <source>keine Schreibberechtigung</source>
        <translation>brak uprawnień do zapisu</translation>
    </message>
    <message>
        <source>keine Leseberechtigung</source>
        <translation>brak uprawnień do odczytu</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>folder nie istnieje</translation>
    </message>
    <message>
        <source>die Datei existiert nicht</source>
        <translation>plik nie istnieje</translation>
    </message>
    <message>
        <source>ein Teil des Pfades ist kein Ordner</source>
        <translation>część ścieżki nie jest folderem</translation>
    </message>
    <message>
        <source>der Name bezeichnet einen Ordner</source>
        <translation>nazwa wskazuje folder</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>dysk jest chroniony przed zapisem</translation>
    </message>
    <message>
        <source>die Datei ist zu groß</source>
        <translation>plik jest zbyt duży</translation>
    </message>
    <message>
        <source>der Dateiname ist zu lang</source>
        <translation>nazwa pliku jest zbyt długa</translation>
    </message>
    <message>
        <source>zu viele symbolische Verweise</source>
        <translation>zbyt wiele dowiązań symbolicznych</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Datenträgers</source>
        <translation>błąd wejścia/wyjścia dysku</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei (ein Gerät oder eine Pipe)</source>
        <translation>to nie jest zwykły plik (urządzenie lub potok)</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden: %2</source>
        <translation>Nie można zapisać pliku &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>die Datei wäre größer als erlaubt</source>
        <translation>plik przekroczyłby dopuszczalny rozmiar</translation>
    </message>
    <message>
        <source>die Datei ist schreibgeschützt</source>
        <translation>plik jest tylko do odczytu</translation>
    </message>
</context>
<context>
    <name>Dialogdienst</name>
    <message>
        <source>QUORVEL® Schubdorn ZAVR / ZAVRQ</source>
        <translation>QUORVEL® trzpień ścinany ZAVR / ZAVRQ</translation>
    </message>
</context>
<context>
    <name>Dornzeichnung</name>
    <message>
        <source>Stab %1: Ø%2, l = %3, Abstand zur Fuge %4</source>
        <translation>Pręt %1: Ø%2, l = %3, odległość od szczeliny %4</translation>
    </message>
    <message>
        <source>QUORVEL® Doppelschubdorn %1</source>
        <translation>QUORVEL® podwójny trzpień ścinany %1</translation>
    </message>
    <message>
        <source>Zeichnung Nr. %1</source>
        <translation>Rysunek nr %1</translation>
    </message>
    <message>
        <source>Vorderansicht</source>
        <translation>Widok z przodu</translation>
    </message>
    <message>
        <source>Seitenansicht</source>
        <translation>Widok z boku</translation>
    </message>
    <message>
        <source>Schubdorn: 2 x Ø%1, Achsabstand %2</source>
        <translation>Trzpień ścinany: 2 x Ø%1, rozstaw osiowy %2</translation>
    </message>
    <message>
        <source>Hülsenrohr: %1 x %2</source>
        <translation>Tuleja: %1 x %2</translation>
    </message>
    <message>
        <source>Ankerplatte: %1 x %2 x %3, Steg %4</source>
        <translation>Płyta kotwiąca: %1 x %2 x %3, środnik %4</translation>
    </message>
    <message>
        <source>Maße in mm</source>
        <translation>Wymiary w mm</translation>
    </message>
</context>
<context>
    <name>DxfLeinwand</name>
    <message>
        <source>die Zeichnung ist zu groß für ein Bild</source>
        <translation>rysunek jest zbyt duży na obraz</translation>
    </message>
    <message>
        <source>die Zeichnung hat zu viele Elemente für ein SVG- oder PDF-Bild; als PNG speichern</source>
        <translation>rysunek ma zbyt wiele elementów na obraz SVG lub PDF; zapisz go jako PNG</translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte vom Typ %1 nicht dargestellt</source>
        <translation>
            <numerusform>%n obiekt typu %1 nie został pokazany</numerusform>
            <numerusform>%n obiekty typu %1 nie zostały pokazane</numerusform>
            <numerusform>%n obiektów typu %1 nie zostało pokazanych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte im Papierbereich nicht dargestellt</source>
        <translation>
            <numerusform>%n obiekt w obszarze papieru nie został pokazany</numerusform>
            <numerusform>%n obiekty w obszarze papieru nie zostały pokazane</numerusform>
            <numerusform>%n obiektów w obszarze papieru nie zostało pokazanych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Schraffurmuster nur als Umriss dargestellt</source>
        <translation>
            <numerusform>%n wzór kreskowania pokazany tylko jako obrys</numerusform>
            <numerusform>%n wzory kreskowania pokazane tylko jako obrys</numerusform>
            <numerusform>%n wzorów kreskowania pokazanych tylko jako obrys</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Eingabebereich</name>
    <message>
        <source>einzelner Doppelschubdorn</source>
        <translation>pojedynczy trzpień podwójny</translation>
    </message>
    <message>
        <source>Dornpaar Platte an Platte</source>
        <translation>para trzpieni płyta - płyta</translation>
    </message>
    <message>
        <source>Dornpaar Platte an Wand</source>
        <translation>para trzpieni płyta - ściana</translation>
    </message>
    <message>
        <source>Dornreihe Platte an Platte</source>
        <translation>szereg trzpieni płyta - płyta</translation>
    </message>
    <message>
        <source>Dornreihe Platte an Wand</source>
        <translation>szereg trzpieni płyta - ściana</translation>
    </message>
    <message>
        <source>&amp;Einzellast</source>
        <translation>&amp;Siła skupiona</translation>
    </message>
    <message>
        <source>&amp;konstante Last</source>
        <translation>Równo&amp;mierne</translation>
    </message>
    <message>
        <source>&amp;gleichförmig</source>
        <translation>&amp;Liniowo zmienne</translation>
    </message>
    <message>
        <source>&amp;beliebig</source>
        <translation>Do&amp;wolne</translation>
    </message>
    <message>
        <source>Bauvorhaben:</source>
        <translation>Obiekt:</translation>
    </message>
    <message>
        <source>lfd Nr.:</source>
        <translation>Nr:</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Anwendungsfall</source>
        <translation>Przypadek zastosowania</translation>
    </message>
    <message>
        <source>Bauteil</source>
        <translation>Element konstrukcji</translation>
    </message>
    <message>
        <source>Betongüte</source>
        <translation>Klasa betonu</translation>
    </message>
    <message>
        <source>Feuerwiderstandsdauer</source>
        <translation>Klasa odporności ogniowej</translation>
    </message>
    <message>
        <source>Fuge</source>
        <translation>Szczelina dylatacyjna</translation>
    </message>
    <message>
        <source>max. Fugenbreite</source>
        <translation>maks. szerokość szczeliny</translation>
    </message>
    <message>
        <source>Dornabstand berechnen</source>
        <translation>oblicz rozstaw trzpieni</translation>
    </message>
    <message>
        <source>konstanter Dornabstand</source>
        <translation>stały rozstaw trzpieni</translation>
    </message>
    <message>
        <source>Ermittlung der Bewehrung</source>
        <translation>Wyznaczanie zbrojenia</translation>
    </message>
    <message>
        <source>Eingabe der Bemessungswerte</source>
        <translation>Wprowadzanie wartości obliczeniowych</translation>
    </message>
    <message>
        <source>Bemessungswerte der Einwirkung</source>
        <translation>Wartości obliczeniowe oddziaływania</translation>
    </message>
    <message>
        <source>(Design-Lasten):</source>
        <translation>(obciążenia obliczeniowe):</translation>
    </message>
    <message>
        <source>Querkraftverlauf</source>
        <translation>Rozkład siły poprzecznej</translation>
    </message>
    <message>
        <source>Plattendicke</source>
        <translation>Grubość płyty</translation>
    </message>
    <message>
        <source>Wanddicke</source>
        <translation>Grubość ściany</translation>
    </message>
    <message>
        <source>Randabstand links</source>
        <translation>Odl. od krawędzi z lewej</translation>
    </message>
    <message>
        <source>Randabstand rechts</source>
        <translation>Odl. od krawędzi z prawej</translation>
    </message>
    <message>
        <source>Fugenlänge</source>
        <translation>Długość szczeliny</translation>
    </message>
    <message>
        <source>Betondeckung oben</source>
        <translation>Otulina górna</translation>
    </message>
    <message>
        <source>Betondeckung unten</source>
        <translation>Otulina dolna</translation>
    </message>
    <message>
        <source>Betondeckung vorn</source>
        <translation>Otulina od strony szczeliny</translation>
    </message>
    <message>
        <source>Anteil ständig / veränderlich</source>
        <translation>Udział obciążeń stałych / zmiennych</translation>
    </message>
    <message>
        <source>Punktlast</source>
        <translation>Siła skupiona</translation>
    </message>
    <message>
        <source>links</source>
        <translation>z lewej</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>z prawej</translation>
    </message>
    <message>
        <source>Dornabstand des Paares</source>
        <translation>Rozstaw trzpieni w parze</translation>
    </message>
    <message>
        <source>Dornabstand der Reihe</source>
        <translation>Rozstaw trzpieni w rzędzie</translation>
    </message>
    <message>
        <source>Querkraft links</source>
        <translation>Siła poprzeczna z lewej</translation>
    </message>
    <message>
        <source>Querkraft rechts</source>
        <translation>Siła poprzeczna z prawej</translation>
    </message>
    <message>
        <source>beliebige Last</source>
        <translation>Obciążenie dowolne</translation>
    </message>
</context>
<context>
    <name>Ergebnisliste</name>
    <message>
        <source>Ausnutzungsgrad der Stahltragfähigkeit</source>
        <translation>Wytężenie ze względu na nośność stali</translation>
    </message>
    <message>
        <source>Ausnutzungsgrad der Durchstanztragfähigkeit</source>
        <translation>Wytężenie ze względu na nośność na przebicie</translation>
    </message>
    <message>
        <source>Ausnutzungsgrad des Betonkantenbruchs</source>
        <translation>Wytężenie ze względu na wyłamanie krawędzi betonu</translation>
    </message>
    <message>
        <source>Anzahl der Dorne</source>
        <translation>Liczba trzpieni</translation>
    </message>
    <message>
        <source>Übersicht der Berechung</source>
        <translation>Przegląd obliczeń</translation>
    </message>
    <message>
        <source>Übersicht der Berechnungsergebnisse</source>
        <translation>Przegląd wyników obliczeń</translation>
    </message>
</context>
<context>
    <name>Exportdialog</name>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ - Ergebnisse Exportieren</source>
        <translation>QUORVEL® - podwójny trzpień ścinany ZAVR / ZAVRQ - eksport wyników</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden: %2.</source>
        <translation>Nie można zapisać pliku %1: %2.</translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation>QUORVEL® - podwójny trzpień ścinany ZAVR / ZAVRQ</translation>
    </message>
</context>
<context>
    <name>Kommandozeile</name>
    <message>
        <source>%1 braucht einen Wert</source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <source>unbekannte Option &quot;%1&quot;</source>
        <translation>nieznana opcja &quot;%1&quot;</translation>
    </message>
    <message>
        <source>genau eine Eingabedatei angeben</source>
        <translation>podaj dokładnie jeden plik wejściowy</translation>
    </message>
    <message>
        <source>Position %1 &quot;%2&quot;</source>
        <translation>Pozycja %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 hat die Prüfungen nicht bestanden</source>
        <translation>%1 nie przeszła kontroli danych wejściowych</translation>
    </message>
    <message>
        <source>die Bedarfsliste wird nicht geschrieben; ein unzulässiger Dorn wird nie bestellt</source>
        <translation>zestawienie materiałów nie zostanie zapisane; trzpień niedopuszczalny nigdy nie jest zamawiany</translation>
    </message>
    <message>
        <source>-o ist nötig</source>
        <translation>wymagana jest opcja -o</translation>
    </message>
    <message>
        <source>--kind braucht stueckliste oder ausschreibung</source>
        <translation>--kind wymaga parts-list lub tender-text</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Pozycja %1</translation>
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
        <translation>Użycie: zavr-cli design WEJŚCIE.ZAV [--position N] [--save WYJŚCIE.ZAV] [--json]

Wymiaruje pozycje projektu jak polecenie &quot;Oblicz&quot; programu: najpierw kontrola danych wejściowych
(niespełnione warunki są podawane na standardowym wyjściu błędów; pytanie o stały rozstaw trzpieni
większy niż 5 * grubość płyty uznaje się za potwierdzone i zgłasza jako ostrzeżenie),
następnie wymiarowanie wszystkich 21 typów trzpieni. Dla każdej pozycji wypisuje listę wyników
(trzpień, η S, η ct, η ce, liczba trzpieni, uwaga) i wybrany trzpień z mankietem ppoż. albo
&quot;Nie znaleziono dopuszczalnego trzpienia&quot;, gdy żaden z 21 typów nie jest dopuszczalny.

Opcje:
  --position N        wymiaruje tylko pozycję N (liczoną od 1)
  --save WYJŚCIE.ZAV  zapisuje cały projekt z nowymi wynikami, jak robi to program
  --json              zamiast tabel dokument JSON ze wszystkimi polami wyników każdego typu trzpienia
  --help              ten opis

Liczby w tabelach mają separator dziesiętny języka lub ustawień regionalnych (zob.
`zavr-cli --help`), JSON zawsze &quot;.&quot;.

Kod wyjścia: 0 zwymiarowano wszystkie wybrane pozycje; 1 pozycja nie przeszła kontroli lub nie ma
dopuszczalnego trzpienia (&quot;Nie znaleziono dopuszczalnego trzpienia&quot;);
2 pliku nie można odczytać lub nie jest projektem tego programu, zapis się nie powiódł albo
argumenty są błędne.
</translation>
    </message>
    <message>
        <source>--position braucht eine Positionsnummer ab 1</source>
        <translation>--position wymaga numeru pozycji od 1</translation>
    </message>
    <message>
        <source>mehr als eine Eingabedatei angegeben</source>
        <translation>podano więcej niż jeden plik wejściowy</translation>
    </message>
    <message>
        <source>keine Eingabedatei angegeben</source>
        <translation>nie podano pliku wejściowego</translation>
    </message>
    <message>
        <source>nicht bemessen: die Prüfungen der Eingaben sind nicht bestanden</source>
        <translation>nie zwymiarowano: dane wejściowe nie przeszły kontroli</translation>
    </message>
    <message>
        <source>Argumente: </source>
        <translation>argumenty: </translation>
    </message>
    <message>
        <source>unbekannter Dorntyp &quot;%1&quot;</source>
        <translation>nieznany typ trzpienia &quot;%1&quot;</translation>
    </message>
    <message>
        <source>-o AUSGABE.dxf fehlt</source>
        <translation>brak opcji -o WYJŚCIE.dxf</translation>
    </message>
    <message>
        <source>die Position &quot;%1&quot; ist nicht bemessen; zuerst zavr-cli design ... --save aufrufen</source>
        <translation>pozycja &quot;%1&quot; nie jest zwymiarowana; najpierw wywołaj zavr-cli design ... --save</translation>
    </message>
    <message>
        <source>Position &quot;%1&quot;: %2; mit --force wird die Zeichnung mit dem Vermerk &quot;nicht zulässig&quot; geschrieben</source>
        <translation>pozycja &quot;%1&quot;: %2; z opcją --force rysunek zostanie zapisany z adnotacją &quot;niedopuszczalny&quot;</translation>
    </message>
    <message>
        <source>%1 nicht zulässig (%2)</source>
        <translation>%1 niedopuszczalny (%2)</translation>
    </message>
    <message>
        <source>dowel erwartet keine Eingabedatei</source>
        <translation>dowel nie przyjmuje pliku wejściowego</translation>
    </message>
    <message>
        <source>--type fehlt</source>
        <translation>brak opcji --type</translation>
    </message>
    <message>
        <source>reinforcement, dowel oder render angeben</source>
        <translation>podaj reinforcement, dowel lub render</translation>
    </message>
    <message>
        <source>genau eine DXF-Datei angeben</source>
        <translation>podaj dokładnie jeden plik DXF</translation>
    </message>
    <message>
        <source>-o AUSGABE.png|.svg|.pdf fehlt</source>
        <translation>brak opcji -o WYJŚCIE.png|.svg|.pdf</translation>
    </message>
    <message>
        <source>--size braucht eine Pixelzahl von 50 bis 10000</source>
        <translation>--size wymaga liczby pikseli od 50 do 10000</translation>
    </message>
    <message>
        <source>Gewählter Dorn: </source>
        <translation>Wybrany trzpień: </translation>
    </message>
    <message>
        <source>Position %1 gibt es nicht; die letzte Position des Projekts ist %2</source>
        <translation>pozycja %1 nie istnieje; ostatnia pozycja projektu to %2</translation>
    </message>
    <message>
        <source>Warnung: %1 Die Bemessung wird trotzdem durchgeführt.</source>
        <translation>Ostrzeżenie: %1 Wymiarowanie zostanie mimo to wykonane.</translation>
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
        <translation>Użycie: zavr-cli report WEJŚCIE.ZAV [--position N] -o WYJŚCIE.pdf|.svg|.png
        zavr-cli report WEJŚCIE.ZAV --all -o WYJŚCIE.pdf

Zapisuje obliczenia statyczne pozycji dla wybranego typu trzpienia, bez ekranu.
Pozycja bez wyników jest najpierw wymiarowana, jeśli przechodzi kontrolę danych wejściowych.
  --position N   pozycja (liczona od 1; bez tej opcji bieżąca pozycja projektu)
  --all          obliczenia statyczne całego projektu jako jeden dokument PDF: strona tytułowa
                 z danymi projektu i zestawieniem wszystkich pozycji, następnie strony każdej
                 pozycji; numeracja stron biegnie przez cały dokument. Pozycja, która nie przechodzi
                 kontroli, figuruje z uwagami na stronie tytułowej i nie ma własnych stron.
  -o PLIK        .pdf wszystkie strony, każda jako strona PDF; .svg nagłówek i pierwsza strona;
                 .png, .jpg, .bmp obraz pierwszej strony (96 dpi)

Teksty i liczby są w języku i z separatorem dziesiętnym wywołania (zob. `zavr-cli --help`).

Kod wyjścia: 0 zapisano; 1 pozycja nie przeszła kontroli (z --all dokument i tak zostaje zapisany);
2 pliku nie można odczytać ani zapisać lub argumenty są błędne.
</translation>
    </message>
    <message>
        <source>--all und --position schließen sich aus</source>
        <translation>--all i --position wykluczają się</translation>
    </message>
    <message>
        <source>--view und -o sind nötig</source>
        <translation>wymagane są opcje --view i -o</translation>
    </message>
    <message>
        <source>unbekannte Ansicht &apos;%1&apos; (ansicht, draufsicht, schnitt, reihe, eingabe oder alle)</source>
        <translation>nieznany widok &apos;%1&apos; (elevation, plan, section, row, input lub all)</translation>
    </message>
    <message>
        <source>Bild konnte nicht geschrieben werden: %1: %2</source>
        <translation>nie można zapisać obrazu: %1: %2</translation>
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
        <translation>Użycie: zavr-cli table [--types TYPY] [--grades KLASY] [--h OD:DO[:KROK]] [--joint SZEROKOŚCI]
                       [--fire none|F90] [--reinforcement standard|optimal] -o WYJŚCIE.csv|.pdf|.json

Zapisuje tablice nośności do wymiarowania wstępnego, bez pliku projektu: nośność obliczeniową
jednego trzpienia dla każdego typu trzpienia, klasy betonu, grubości płyty, szerokości szczeliny,
ochrony przeciwpożarowej i rodzaju zbrojenia, jaką daje wymiarowanie pojedynczego trzpienia
obciążonego siłą skupioną (płyta - płyta, otuliny po 3 cm), wraz z miarodajnym sprawdzeniem oraz
odległością od krawędzi i rozstawem, od których wartość obowiązuje. Gdzie trzpień jest
niedopuszczalny, zamiast wartości podana jest przyczyna. Elementy list oddziela się przecinkami.
  --types TYPY         typy trzpieni, np. &quot;ZAVR 60 HF,ZAVRQ 30 HF&quot; (bez tej opcji wszystkie 21)
  --grades KLASY       klasy betonu, np. C20/25,C30/37 lub PB30 (bez tej opcji od C20/25 do C50/60)
  --h OD:DO:KROK       grubości płyty w cm (bez kroku 1 cm); bez tej opcji dla każdego typu trzpienia
                       od jego grubości minimalnej do 50 cm, co najmniej 20 cm ponad nią
  --joint SZEROKOŚCI   szerokości szczeliny do 20, 30, 40, 50 lub 60 mm (bez tej opcji 30)
  --fire RODZAJE       none lub F90 (bez tej opcji none)
  --reinforcement RODZAJE standard (wg aprobaty) lub optimal (bez tej opcji standard)
  -o PLIK              .csv jeden wiersz na komórkę (Windows-1252, CR LF, &quot;;&quot; jako separator); .pdf
                       dla każdego typu trzpienia blok tablicy z ramką strony; .json wszystkie komórki

Liczby w CSV i PDF mają separator dziesiętny języka lub ustawień regionalnych (zob.
`zavr-cli --help`), JSON zawsze &quot;.&quot;; JSON podaje długości w mm.

Kod wyjścia: 0 zapisano; 2 pliku nie można zapisać lub argumenty są błędne.
</translation>
    </message>
    <message>
        <source>unbekannt: &quot;%1&quot;</source>
        <translation>nieznane: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>leere Liste</source>
        <translation>pusta lista</translation>
    </message>
    <message>
        <source>--h braucht VON:BIS oder VON:BIS:SCHRITT in cm, VON ≤ BIS, alle größer als 0</source>
        <translation>--h wymaga OD:DO lub OD:DO:KROK w cm, OD ≤ DO, wszystkie większe od 0</translation>
    </message>
    <message>
        <source>mehr als %1 Tabellenwerte; bitte die Auswahl einschränken</source>
        <translation>ponad %1 wartości tablicy; proszę zawęzić wybór</translation>
    </message>
    <message>
        <source>die Auswahl enthält keine Tabellenwerte</source>
        <translation>wybór nie zawiera żadnych wartości tablicy</translation>
    </message>
    <message>
        <source>unerwartetes Argument &quot;%1&quot;</source>
        <translation>nieoczekiwany argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Positionen eines Projekts bemessen und die Ergebnisliste ausgeben</source>
        <translation>wymiarowanie pozycji projektu i wypisanie listy wyników</translation>
    </message>
    <message>
        <source>Bewehrungsplan oder Dornzeichnung als DXF-Datei schreiben</source>
        <translation>zapis rysunku zbrojenia lub rysunku trzpienia do pliku DXF</translation>
    </message>
    <message>
        <source>eine Skizze einer Position als Bild (PNG, SVG, JPEG, BMP) schreiben</source>
        <translation>zapis szkicu pozycji jako obrazu (PNG, SVG, JPEG, BMP)</translation>
    </message>
    <message>
        <source>den Berechnungsnachweis einer Position als PDF oder Bild schreiben</source>
        <translation>zapis obliczeń statycznych pozycji jako PDF lub obrazu</translation>
    </message>
    <message>
        <source>Stückliste oder Ausschreibungstext der Bedarfsliste als Text oder PDF schreiben</source>
        <translation>zapis zestawienia elementów lub opisu przetargowego jako tekstu lub PDF</translation>
    </message>
    <message>
        <source>Tragfähigkeitstabellen für die Vorbemessung als CSV, PDF oder JSON schreiben</source>
        <translation>zapis tablic nośności do wymiarowania wstępnego jako CSV, PDF lub JSON</translation>
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
        <translation>Opcje ogólne, przed poleceniem lub po nim:
  --language de|en|pl  język wszystkich wyników: teksty, tabele, obliczenia statyczne, zestawienie
                       elementów, opis przetargowy i rysunki DXF. Bez tej opcji język, w którym
                       program uruchomiono ostatnio (IDSprache w zavr.INI), w przeciwnym razie język
                       ustawień regionalnych (LC_ALL, LC_MESSAGES, LANG), w przeciwnym razie niemiecki.
  --decimal ,|.        separator dziesiętny liczb. Bez tej opcji separator wybranego języka
                       (angielski &quot;.&quot;, niemiecki i polski &quot;,&quot;), bez --language separator ustawień
                       regionalnych (LC_ALL, LC_NUMERIC, LANG). JSON zawsze zapisuje &quot;.&quot; i w każdym
                       języku te same klucze.
</translation>
    </message>
    <message>
        <source>Aufruf: zavr-cli [--language de|en|pl] [--decimal ,|.] BEFEHL [OPTIONEN]</source>
        <translation>Użycie: zavr-cli [--language de|en|pl] [--decimal ,|.] POLECENIE [OPCJE]</translation>
    </message>
    <message>
        <source>Befehle:</source>
        <translation>Polecenia:</translation>
    </message>
    <message>
        <source>`zavr-cli BEFEHL --help` beschreibt die Optionen eines Befehls.</source>
        <translation>`zavr-cli POLECENIE --help` opisuje opcje polecenia.</translation>
    </message>
    <message>
        <source>zavr-cli: --language: dieses Programm ist ohne Qt gebaut und spricht nur Deutsch</source>
        <translation>zavr-cli: --language: ten program zbudowano bez Qt i obsługuje tylko język niemiecki</translation>
    </message>
    <message>
        <source>zavr-cli: --language braucht de, en oder pl</source>
        <translation>zavr-cli: --language wymaga de, en lub pl</translation>
    </message>
    <message>
        <source>zavr-cli: --decimal braucht &quot;,&quot; oder &quot;.&quot;</source>
        <translation>zavr-cli: --decimal wymaga &quot;,&quot; lub &quot;.&quot;</translation>
    </message>
    <message>
        <source>zavr-cli: unbekannter Befehl &quot;%1&quot;</source>
        <translation>zavr-cli: nieznane polecenie &quot;%1&quot;</translation>
    </message>
    <message>
        <source>
Rückgabewert: 0 geschrieben; 2 ein Wert ist abgelehnt, die Datei ist nicht lesbar oder nicht
schreibbar, oder die Argumente sind falsch.
</source>
        <translation>
Kod wyjścia: 0 zapisano; 2 wartość odrzucona, pliku nie można odczytać lub zapisać albo argumenty
są błędne.
</translation>
    </message>
    <message>
        <source>Anwendungsfall</source>
        <translation>Przypadek zastosowania</translation>
    </message>
    <message>
        <source>Belastungsfall (wie der Anwendungsfall ihn zulässt)</source>
        <translation>Przypadek obciążenia (dopuszczalny dla przypadku zastosowania)</translation>
    </message>
    <message>
        <source>max. Fugenbreite [mm]</source>
        <translation>maks. szerokość szczeliny [mm]</translation>
    </message>
    <message>
        <source>Betongüte</source>
        <translation>Klasa betonu</translation>
    </message>
    <message>
        <source>Feuerwiderstandsdauer</source>
        <translation>Klasa odporności ogniowej</translation>
    </message>
    <message>
        <source>Ermittlung der Bewehrung</source>
        <translation>Wyznaczanie zbrojenia</translation>
    </message>
    <message>
        <source>Dornabstand eines Paares berechnen</source>
        <translation>Oblicz rozstaw pary trzpieni</translation>
    </message>
    <message>
        <source>konstanter Dornabstand einer Reihe</source>
        <translation>Stały rozstaw trzpieni w szeregu</translation>
    </message>
    <message>
        <source>Maximaler Dornabstand (Einstellung zur Bemessung)</source>
        <translation>Maksymalny rozstaw trzpieni (ustawienia wymiarowania)</translation>
    </message>
    <message>
        <source>mindestens %1</source>
        <translation>co najmniej %1</translation>
    </message>
    <message>
        <source>höchstens %1</source>
        <translation>najwyżej %1</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>Zahlenfelder (Einheit des Fensters, Grenzen):</source>
        <translation>Pola liczbowe (jednostka okna, granice):</translation>
    </message>
    <message>
        <source>Auswahlen:</source>
        <translation>Wybory:</translation>
    </message>
    <message>
        <source>Texte:</source>
        <translation>Teksty:</translation>
    </message>
    <message>
        <source>Positionsname</source>
        <translation>Nazwa pozycji</translation>
    </message>
    <message>
        <source>Bauvorhaben</source>
        <translation>Obiekt</translation>
    </message>
    <message>
        <source>keine Zahl</source>
        <translation>to nie jest liczba</translation>
    </message>
    <message>
        <source>unbekannter Name (zavr-cli set --help nennt alle)</source>
        <translation>nieznana nazwa (zavr-cli set --help wymienia wszystkie)</translation>
    </message>
    <message>
        <source>unbekannter Wert (zavr-cli set --help nennt alle)</source>
        <translation>nieznana wartość (zavr-cli set --help wymienia wszystkie)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Zuweisung NAME=WERT</source>
        <translation>&quot;%1&quot; nie jest przypisaniem NAZWA=WARTOŚĆ</translation>
    </message>
    <message>
        <source>keine Zuweisung NAME=WERT angegeben</source>
        <translation>nie podano przypisania NAZWA=WARTOŚĆ</translation>
    </message>
    <message>
        <source>Eingaben einer Position mit den Grenzen des Programms ändern</source>
        <translation>zmienić dane wejściowe pozycji w granicach programu</translation>
    </message>
    <message>
        <source>(%1 ist bei konstanter Last die ganze Streckenlast, %2 gilt nur bei linearer Last.)</source>
        <translation>(%1 to całe obciążenie liniowe przy obciążeniu równomiernym; %2 dotyczy tylko obciążenia trapezowego.)</translation>
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
        <translation>Użycie: zavr-cli bill WEJŚCIE.ZAV --kind parts-list|tender-text [--add-all] -o WYJŚCIE.txt|.pdf|.png

Zapisuje zestawienie elementów lub opis przetargowy z zestawienia materiałów projektu, bez ekranu.
Uwzględniane są tylko aktywne wpisy.
  --kind RODZAJ  parts-list (zestawienie elementów) lub tender-text (opis przetargowy)
  --add-all      najpierw dodaje do zestawienia kolejno każdą pozycję z jej numerem; wpis o tym
                 samym numerze zostaje zastąpiony. Pozycje bez wyników są najpierw sprawdzane
                 i wymiarowane. Jeśli pozycja nie ma dopuszczalnego trzpienia lub nie przechodzi
                 kontroli, nic nie zostaje zapisane. Plik projektu pozostaje bez zmian.
  -o PLIK        .txt eksport tekstowy (80 kolumn, Windows-1252, CR LF); .pdf strony wydruku;
                 .svg, .png, .jpg, .bmp całe zestawienie jako jeden obraz, jak eksport obrazu w programie

Kod wyjścia: 0 zapisano; 1 pozycja nie przeszła kontroli lub nie ma dopuszczalnego trzpienia
(nic nie zapisano);
2 pliku nie można odczytać ani zapisać lub argumenty są błędne.
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
        <translation>Użycie: zavr-cli dxf reinforcement WEJŚCIE.ZAV [--position N] [--type &quot;ZAVR 60 HF&quot;] -o WYJŚCIE.dxf
        zavr-cli dxf dowel --type &quot;ZAVRQ 30 HF&quot; [-o WYJŚCIE.dxf]
        zavr-cli dxf render WEJŚCIE.dxf -o WYJŚCIE.png|.svg|.pdf [--size PIKSELE]

reinforcement: zbrojenie wykonywane na budowie dla typu trzpienia zwymiarowanej pozycji jako rysunek DXF.
  --position N   pozycja (liczona od 1; bez tej opcji bieżąca pozycja projektu)
  --type NAZWA   typ trzpienia (bez tej opcji trzpień wybrany przy wymiarowaniu pozycji)
  --force        rysuje także typ trzpienia niedopuszczalny; rysunek otrzymuje wtedy pod tytułem
                 adnotację &quot;niedopuszczalny&quot; z przyczyną (bez --force: kod wyjścia 1)
dowel: rysunek typu trzpienia; bez -o pod nazwą pliku z katalogu.
render: dowolny plik DXF (wersje od 12 do 2018) jako obraz w widoku całości podglądu; rozszerzenie
  określa format, --size dłuższy bok w pikselach (domyślnie 1000). Obiekty pliku, których obraz nie
  pokazuje, są wymienione na standardowym wyjściu błędów; plik bez rysunku zwraca kod 2.
  Gdy plik udało się odczytać tylko częściowo, obraz pokazuje odczytaną część, a kod wynosi 1.

Plik wyjściowy bez rozszerzenia &quot;.dxf&quot; otrzymuje je. Typy trzpieni zapisuje się jak w programie
(&quot;ZAVR 60 HF&quot;); wielkość liter i spacje nie mają znaczenia.

Kod wyjścia: 0 zapisano; 1 pozycja nie jest zwymiarowana, typ trzpienia jest niedopuszczalny
(bez --force), rysunek nie jest możliwy lub odczytano go tylko częściowo;
2 pliku nie można odczytać ani zapisać lub argumenty są błędne.
</translation>
    </message>
    <message>
        <source>--size braucht eine Pixelzahl von 50 bis 8000</source>
        <translation>--size wymaga liczby pikseli od 50 do 8000</translation>
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
        <translation>Użycie: zavr-cli set WEJŚCIE.ZAV [--position N] NAZWA=WARTOŚĆ ... [--last-csv PLIK] [-o WYJŚCIE.ZAV]

Zmienia dane wejściowe pozycji według reguł i granic okna programu i zapisuje projekt w WYJŚCIE.ZAV
(bez -o w WEJŚCIE.ZAV). Przypisania obowiązują po kolei, jak dane w oknie: inny przypadek zastosowania
wybiera dopuszczalny dla niego przypadek obciążenia, krótsza szczelina skraca punkty dowolnego
obciążenia. Wartość spoza granic kończy się komunikatem programu i nic nie zostaje zapisane.
Wyniki zmienionej pozycji uznaje się następnie za nieobliczone; `zavr-cli design` wymiaruje ją ponownie.
Liczby z &quot;.&quot; lub &quot;,&quot; jako separatorem dziesiętnym.

  --position N     pozycja (liczona od 1; bez tej opcji bieżąca pozycja projektu)
  --last-csv PLIK  dowolne obciążenie liniowe szeregu trzpieni z tabeli (po przypisaniach):
                   w każdym wierszu x w m i q w kN/m, rozdzielone tabulatorem, średnikiem lub
                   spacjami, przecinek lub kropka dziesiętna, wiersz nagłówka jest pomijany. Każdy
                   wiersz jest sprawdzany jak w oknie wprowadzania (0 &lt;= x &lt;= długość szczeliny,
                   q &gt;= 0); błędny wiersz zostaje wskazany i nic nie zostaje zapisane.
  -o PLIK          zapisz tutaj zmieniony projekt
  --help           ten opis
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
        <translation>Użycie: zavr-cli sketch WEJŚCIE.ZAV [--position N] --view WIDOK [--size PIKSELE] -o WYJŚCIE.png|.svg|.jpg

Rysuje szkic pozycji jako obraz, bez ekranu.
  --position N   pozycja (liczona od 1; bez tej opcji bieżąca pozycja projektu)
  --view         elevation (widok), plan (widok z góry), section (przekrój), row (szereg trzpieni),
                 input (szkic danych) lub all (cztery szkice wyników)
  --size PIKSELE bok kwadratowego obrazu (domyślnie 500, dla all 1000)
  -o PLIK        plik obrazu; rozszerzenie określa format (.png, .svg, .jpg, .bmp)

Szkice wyników pozycji bez wyników są rysowane po jej zwymiarowaniu, tak jak w obliczeniach statycznych.

Kod wyjścia: 0 zapisano; 1 pozycja nie przeszła kontroli; 2 pliku nie można odczytać ani zapisać lub
argumenty są błędne.
</translation>
    </message>
</context>
<context>
    <name>Lastimport</name>
    <message>
        <source>Die Tabelle enthält keine Wertepaare.</source>
        <translation>Tabela nie zawiera par wartości.</translation>
    </message>
    <message>
        <source>Es wurde nichts übernommen.</source>
        <translation>Niczego nie przejęto.</translation>
    </message>
    <message>
        <source>Zeile %1 enthält nicht zwei Zahlen (x in m und q in kN/m): &quot;%2&quot;</source>
        <translation>Wiersz %1 nie zawiera dwóch liczb (x w m i q w kN/m): &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Zeile %1: x = %2 m liegt nicht in der Fuge (0 bis %3 m).</source>
        <translation>Wiersz %1: x = %2 m leży poza szczeliną (od 0 do %3 m).</translation>
    </message>
    <message>
        <source>Zeile %1: q = %2 kN/m ist kleiner als 0.</source>
        <translation>Wiersz %1: q = %2 kN/m jest mniejsze od 0.</translation>
    </message>
    <message>
        <source>Die Tabelle hat mehr als %1 Wertepaare.</source>
        <translation>Tabela ma więcej niż %1 par wartości.</translation>
    </message>
    <message>
        <source>%1 kann nicht gelesen werden: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
</context>
<context>
    <name>Nachweis</name>
    <message>
        <source>Zwischenergebnis Bewehrung</source>
        <translation>Wynik pośredni zbrojenia</translation>
    </message>
    <message>
        <source>Ausnutzung</source>
        <translation>Wytężenie</translation>
    </message>
    <message>
        <source>Berechnung mit optimaler Dornausnutzung</source>
        <translation>Obliczenia z optymalnym wykorzystaniem trzpienia</translation>
    </message>
    <message>
        <source>Berechnung mit Bewehrung nach Zulassung</source>
        <translation>Obliczenia ze zbrojeniem według aprobaty</translation>
    </message>
    <message>
        <source>Betongüte</source>
        <translation>Klasa betonu</translation>
    </message>
    <message>
        <source>Wanddicke</source>
        <translation>Grubość ściany</translation>
    </message>
    <message>
        <source>Plattendicke</source>
        <translation>Grubość płyty</translation>
    </message>
    <message>
        <source>Betondeckung oben</source>
        <translation>Otulina górna</translation>
    </message>
    <message>
        <source>Betondeckung unten</source>
        <translation>Otulina dolna</translation>
    </message>
    <message>
        <source>Betondeckung vorn</source>
        <translation>Otulina od strony szczeliny</translation>
    </message>
    <message>
        <source>statische Nutzhöhe</source>
        <translation>Wysokość użyteczna</translation>
    </message>
    <message>
        <source>Einzellast am Dorn</source>
        <translation>Siła skupiona na trzpieniu</translation>
    </message>
    <message>
        <source>konstante Linienlast</source>
        <translation>Równomierne obciążenie liniowe</translation>
    </message>
    <message>
        <source>geradlinige Linienlast</source>
        <translation>Obciążenie trapezowe</translation>
    </message>
    <message>
        <source>beliebiger Linienlastverlauf</source>
        <translation>Dowolny rozkład obciążenia liniowego</translation>
    </message>
    <message>
        <source>siehe nachfolgende Seite</source>
        <translation>patrz następna strona</translation>
    </message>
    <message>
        <source>Fugenbreite</source>
        <translation>Szerokość szczeliny</translation>
    </message>
    <message>
        <source>vorgegebener Randabstand</source>
        <translation>Zadana odl. od krawędzi</translation>
    </message>
    <message>
        <source>Fugenlänge</source>
        <translation>Długość szczeliny</translation>
    </message>
    <message>
        <source>Brandschutz</source>
        <translation>Ochrona przeciwpożarowa</translation>
    </message>
    <message>
        <source>Eingaben zur Anwendung</source>
        <translation>Dane zastosowania</translation>
    </message>
    <message>
        <source>Eingaben zur Bauteilgeometrie</source>
        <translation>Geometria elementu</translation>
    </message>
    <message>
        <source>Eingaben zur Belastung</source>
        <translation>Obciążenie</translation>
    </message>
    <message>
        <source>Eingaben zur Dehnfuge</source>
        <translation>Szczelina dylatacyjna</translation>
    </message>
    <message>
        <source>Gewählt</source>
        <translation>Przyjęto</translation>
    </message>
    <message>
        <source>Bewehrungsgrad / Dorn</source>
        <translation>Stopień zbrojenia / trzpień</translation>
    </message>
    <message>
        <source>Horizontale Querbewehrung</source>
        <translation>Poziome zbroj. poprzeczne</translation>
    </message>
    <message>
        <source>Vertikale Aufhängebewehrung</source>
        <translation>Pionowe zbroj. podwieszające</translation>
    </message>
    <message>
        <source>Einflußbereich Bewehrung</source>
        <translation>Zasięg zbrojenia</translation>
    </message>
    <message>
        <source>Rundschnitt / Dorn</source>
        <translation>Obwód kontrolny / trzpień</translation>
    </message>
    <message>
        <source>Mindestrandabstand (gem. Zulassung)</source>
        <translation>Min. odl. od krawędzi (wg aprobaty)</translation>
    </message>
    <message>
        <source>minimaler Randabstand Stütze</source>
        <translation>Min. odl. od krawędzi przy słupie</translation>
    </message>
    <message>
        <source>vorhandener Randabstand</source>
        <translation>Rzeczywista odl. od krawędzi</translation>
    </message>
    <message>
        <source>Mindestdornabstand (gem. Zulassung)</source>
        <translation>Min. rozstaw trzpieni (wg aprobaty)</translation>
    </message>
    <message>
        <source>vorhandener Dornabstand</source>
        <translation>Rzeczywisty rozstaw trzpieni</translation>
    </message>
    <message>
        <source>Berechnung als Einzeldorn</source>
        <translation>Obliczenia jak dla pojedynczego trzpienia</translation>
    </message>
    <message>
        <source>Berechnung als Dornpaar</source>
        <translation>Obliczenia jak dla pary trzpieni</translation>
    </message>
    <message>
        <source>Berechnung als Dornreihe</source>
        <translation>Obliczenia jak dla szeregu trzpieni</translation>
    </message>
    <message>
        <source>Rand- und Dornabstand</source>
        <translation>Odległość od krawędzi i rozstaw trzpieni</translation>
    </message>
    <message>
        <source>Nachweis / Dorn</source>
        <translation>Sprawdzenie / trzpień</translation>
    </message>
    <message>
        <source>Ermittlung der Bemessungswiderstände unter Berücksichtigung von Längs-</source>
        <translation>Nośności obliczeniowe z uwzględnieniem przesuwu podłużnego</translation>
    </message>
    <message>
        <source>und</source>
        <translation>i</translation>
    </message>
    <message>
        <source>oder</source>
        <translation>lub</translation>
    </message>
    <message>
        <source>Querverschiebung</source>
        <translation>poprzecznego</translation>
    </message>
    <message>
        <source>Bemessungswiderstand gegen Stahltragfähigkeit</source>
        <translation>Nośność obliczeniowa stali</translation>
    </message>
    <message>
        <source>Bemessungswiderstand gegen Durchstanzen</source>
        <translation>Nośność obliczeniowa na przebicie</translation>
    </message>
    <message>
        <source>Bemessungswiderstand gegen Betonkantenbruch</source>
        <translation>Nośność obliczeniowa na wyłamanie krawędzi betonu</translation>
    </message>
    <message>
        <source>maßgebender Bemessungswiderstand</source>
        <translation>Miarodajna nośność obliczeniowa</translation>
    </message>
    <message>
        <source>Bemessungswert der einwirkenden Last</source>
        <translation>Wartość obliczeniowa obciążenia</translation>
    </message>
    <message>
        <source>maximale Dornausnutzung</source>
        <translation>Maksymalne wytężenie trzpienia</translation>
    </message>
    <message>
        <source>Hinweis: Die Durchlaufwirkung der Belastung in der Fuge muss vom Planer separat geprüft werden!</source>
        <translation>Uwaga: efekt ciągłości obciążenia w szczelinie musi zostać sprawdzony oddzielnie przez projektanta!</translation>
    </message>
    <message>
        <source>Übersicht der Bewehrungszulage</source>
        <translation>Zestawienie zbrojenia dodatkowego</translation>
    </message>
    <message>
        <source>Aufhängebewehrung</source>
        <translation>Zbrojenie podwieszające</translation>
    </message>
    <message>
        <source>Längsbewehrung</source>
        <translation>Zbrojenie podłużne</translation>
    </message>
    <message>
        <source>Bügel</source>
        <translation>Strzemiona</translation>
    </message>
    <message>
        <source>Koordinaten</source>
        <translation>Współrzędne</translation>
    </message>
    <message>
        <source>Dorn Nr.:</source>
        <translation>Trzpień nr:</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Rozstaw</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Berechnungsnachweis</source>
        <translation>Obliczenia statyczne</translation>
    </message>
    <message>
        <source>Berechnungsnachweis für </source>
        <translation>Obliczenia statyczne dla </translation>
    </message>
    <message>
        <source>Bauvorhaben:  </source>
        <translation>Obiekt:  </translation>
    </message>
    <message>
        <source>Seite:</source>
        <translation>Strona:</translation>
    </message>
    <message>
        <source>Proj.-Nr.:</source>
        <translation>Nr proj.:</translation>
    </message>
    <message>
        <source>QUORVEL GmbH</source>
        <translation>QUORVEL GmbH</translation>
    </message>
    <message>
        <source>QUORVEL® Doppelschubdorn ZAVR/ZAVRQ: Zulassung gemäß DIN 1045-1 und DIN EN 1992-1-1 (EC2)</source>
        <translation>QUORVEL® podwójny trzpień ścinany ZAVR/ZAVRQ: wymiarowanie wg DIN 1045-1 i DIN EN 1992-1-1 (EC2)</translation>
    </message>
    <message>
        <source>QUORVEL® Doppelschubdorn nach Zulassung Z-98.6-341</source>
        <translation>QUORVEL® podwójny trzpień ścinany wg aprobaty Z-98.6-341</translation>
    </message>
    <message>
        <source>Datum: </source>
        <translation>Data: </translation>
    </message>
    <message>
        <source>Ausdruck vom: </source>
        <translation>Wydruk z dnia: </translation>
    </message>
    <message>
        <source>Bearbeiter: </source>
        <translation>Opracował: </translation>
    </message>
    <message>
        <source>Büro / Firma: </source>
        <translation>Biuro / firma: </translation>
    </message>
    <message>
        <source>Position: </source>
        <translation>Pozycja: </translation>
    </message>
    <message>
        <source>Der Einsatz des Dornes ist auf Grund nachfolgeder Begründung unzulässig:</source>
        <translation>Zastosowanie trzpienia jest niedopuszczalne z następującego powodu:</translation>
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
        <translation>Zbrojenie dobrane ręcznie</translation>
    </message>
    <message>
        <source>Kein gültiger Dorn gefunden</source>
        <translation>Nie znaleziono dopuszczalnego trzpienia</translation>
    </message>
    <message>
        <source>untersucht</source>
        <translation>sprawdzono</translation>
    </message>
    <message>
        <source>nicht zulässig</source>
        <translation>niedopuszczalny</translation>
    </message>
    <message>
        <source>Projektübersicht</source>
        <translation>Zestawienie pozycji projektu</translation>
    </message>
    <message>
        <source>Dorn</source>
        <translation>Trzpień</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Poz.</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Liczba</translation>
    </message>
    <message>
        <source>zulässig</source>
        <translation>dopuszczalny</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>nicht bemessen</source>
        <translation>nie zwymiarowano</translation>
    </message>
    <message>
        <source>Anwendungsfall</source>
        <translation>Przypadek zastosowania</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Positionen im Projekt: %1</source>
        <translation>Pozycje w projekcie: %1</translation>
    </message>
    <message>
        <source>davon ohne zulässigen Dorn oder nicht bemessen: %1</source>
        <translation>w tym bez dopuszczalnego trzpienia lub niezwymiarowane: %1</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>keine Position %1 im Projekt</source>
        <translation>brak pozycji %1 w projekcie</translation>
    </message>
</context>
<context>
    <name>Projektdatei</name>
    <message>
        <source>Die Datei ist keine gültige QUORVEL® - ZAVR Datei</source>
        <translation>Plik nie jest prawidłowym plikiem QUORVEL® - ZAVR</translation>
    </message>
    <message>
        <source>Die Datei gibt mehr als 10000 Positionen an; mehr Positionen kann ein Projekt nicht haben.</source>
        <translation>Plik deklaruje więcej niż 10000 pozycji; projekt nie może mieć więcej pozycji.</translation>
    </message>
    <message>
        <source>%1 = %2 ist beschädigt. Die gespeicherten Ergebnisse wurden verworfen; die Position ist nicht bemessen.</source>
        <translation>%1 = %2 jest uszkodzone. Zapisane wyniki odrzucono; pozycja pozostaje niezwymiarowana.</translation>
    </message>
    <message>
        <source>%1 = %2 ist keine Anzahl.</source>
        <translation>%1 = %2 nie jest liczbą elementów.</translation>
    </message>
    <message>
        <source>Es fehlen %1; die vorhandenen Lastpunkte wurden gelesen.</source>
        <translation>Brak: %1; wczytano istniejące punkty obciążenia.</translation>
    </message>
    <message>
        <source>%1 und was folgt wurde nicht gelesen: die Anzahl der Liste umfasst es nicht.</source>
        <translation>%1 i dalsze wpisy nie zostały wczytane: liczba elementów listy ich nie obejmuje.</translation>
    </message>
    <message>
        <source>%1 passt nicht zu den Lastpunkten; gelesen wurden die %2 vorhandenen.</source>
        <translation>%1 nie zgadza się z punktami obciążenia; wczytano %2 istniejących.</translation>
    </message>
    <message>
        <source>Position %1 &quot;%2&quot;: %3</source>
        <translation>Pozycja %1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Beim Lesen des Projekts ist aufgefallen:</source>
        <translation>Podczas wczytywania projektu stwierdzono:</translation>
    </message>
    <message numerus="yes">
        <source>… und %n weitere.</source>
        <translation>
            <numerusform>… i %n dalszy.</numerusform>
            <numerusform>… i %n dalsze.</numerusform>
            <numerusform>… i %n dalszych.</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Datei gibt die Zahl ihrer Positionen nicht lesbar an (HauptMaske.TAnzAnwendung = %1); sie wird nicht geöffnet.</source>
        <translation>Plik nie podaje czytelnie liczby swoich pozycji (HauptMaske.TAnzAnwendung = %1); nie zostanie otwarty.</translation>
    </message>
</context>
<context>
    <name>Projektsitzung</name>
    <message>
        <source>Kann angegebene Datei nicht öffnen!</source>
        <translation>Nie można otworzyć podanego pliku!</translation>
    </message>
    <message>
        <source>Das Projekt hat noch keinen Dateinamen.</source>
        <translation>Projekt nie ma jeszcze nazwy pliku.</translation>
    </message>
    <message>
        <source>Soll der aktuelle Zustand gespeichert werden?</source>
        <translation>Czy zapisać bieżący stan?</translation>
    </message>
    <message>
        <source>Das Projekt kann keine weitere Position aufnehmen.</source>
        <translation>Projekt nie może przyjąć kolejnej pozycji.</translation>
    </message>
    <message>
        <source>Es ist nur eine Position im Projekt vorhanden.</source>
        <translation>Projekt zawiera tylko jedną pozycję.</translation>
    </message>
    <message>
        <source>Die letzte Position kann nicht entfernt werden!</source>
        <translation>Nie można usunąć ostatniej pozycji!</translation>
    </message>
    <message>
        <source> kann nicht gespeichert werden: </source>
        <translation> nie może zostać zapisany: </translation>
    </message>
    <message>
        <source>Die aktuelle Position ist schon in der Bedarfsliste vorhanden

Soll diese überschrieben werden?</source>
        <translation>Bieżąca pozycja jest już w zestawieniu materiałów

Czy ją zastąpić?</translation>
    </message>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>nie znaleziono pliku</translation>
    </message>
    <message>
        <source>Dieser Wert ist beim gewählten Belastungsfall nicht einzugeben.</source>
        <translation>Tej wartości nie wprowadza się dla wybranego przypadku obciążenia.</translation>
    </message>
    <message>
        <source>Position übernehmen</source>
        <translation>Dołączenie pozycji</translation>
    </message>
    <message>
        <source>Projektdaten</source>
        <translation>Dane projektu</translation>
    </message>
    <message>
        <source>Maximaler Dornabstand</source>
        <translation>Maksymalny rozstaw trzpieni</translation>
    </message>
    <message>
        <source>Bedarfsliste</source>
        <translation>Zestawienie materiałów</translation>
    </message>
    <message>
        <source>Position hinzufügen</source>
        <translation>Dodaj pozycję</translation>
    </message>
    <message>
        <source>Soll die Position %1 &quot;%2&quot; gelöscht werden?</source>
        <translation>Czy usunąć pozycję %1 &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>Die Position %1 steht in der Bedarfsliste. Soll ihr Eintrag ebenfalls entfernt werden?</source>
        <translation>Pozycja %1 znajduje się w zestawieniu materiałów. Czy usunąć również jej wpis?</translation>
    </message>
    <message>
        <source>Position löschen</source>
        <translation>Usunięcie pozycji</translation>
    </message>
    <message>
        <source>Berechnung</source>
        <translation>Obliczenia</translation>
    </message>
    <message>
        <source>Die Fugenlänge ist jetzt %1 m. Die Punkte der beliebigen Last wurden angepasst:</source>
        <translation>Długość szczeliny wynosi teraz %1 m. Punkty obciążenia dowolnego zostały dopasowane:</translation>
    </message>
    <message>
        <source>x = %1 m (q = %2 kN/m): jetzt bei x = %3 m</source>
        <translation>x = %1 m (q = %2 kN/m): teraz w x = %3 m</translation>
    </message>
    <message>
        <source>x = %1 m (q = %2 kN/m): entfällt</source>
        <translation>x = %1 m (q = %2 kN/m): usunięty</translation>
    </message>
    <message>
        <source>&quot;Rückgängig&quot; stellt die vorherige Fugenlänge mit allen Lastpunkten wieder her.</source>
        <translation>&quot;Cofnij&quot; przywraca poprzednią długość szczeliny wraz ze wszystkimi punktami obciążenia.</translation>
    </message>
    <message>
        <source>Dieser Belastungsfall ist beim gewählten Anwendungsfall nicht möglich.</source>
        <translation>Ten przypadek obciążenia nie jest możliwy dla wybranego przypadku zastosowania.</translation>
    </message>
    <message>
        <source>Belastungsfall</source>
        <translation>Przypadek obciążenia</translation>
    </message>
    <message>
        <source>Positionsname</source>
        <translation>Nazwa pozycji</translation>
    </message>
    <message>
        <source>Bauvorhaben</source>
        <translation>Obiekt</translation>
    </message>
    <message>
        <source>Bemessungswerte</source>
        <translation>Wartości obliczeniowe</translation>
    </message>
    <message>
        <source>Dornauswahl</source>
        <translation>Wybór trzpienia</translation>
    </message>
    <message>
        <source>Skizze</source>
        <translation>Szkic</translation>
    </message>
    <message>
        <source>Position aus Tabelle</source>
        <translation>Pozycja z tabeli</translation>
    </message>
    <message>
        <source>Position %1 &quot;%2&quot;: %3</source>
        <translation>Pozycja %1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Werte außerhalb der Grenzen der Eingabe; diese Positionen werden nicht bemessen:</source>
        <translation>Wartości poza granicami danych wejściowych; te pozycje nie są wymiarowane:</translation>
    </message>
    <message>
        <source>%1 (%2 = %3): %4</source>
        <translation>%1 (%2 = %3): %4</translation>
    </message>
    <message>
        <source>Die Datei enthält keine lesbare DXF-Zeichnung</source>
        <translation>Plik nie zawiera czytelnego rysunku DXF</translation>
    </message>
    <message>
        <source>beliebige Last</source>
        <translation>obciążenie dowolne</translation>
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
        <translation>Niniejsze obliczenia wykonano z opcją &quot;bez ograniczenia&quot;, dlatego rozstawy 
trzpieni mogą być większe niż 5 * grubość płyty.
Efekt ciągłości obciążenia w szczelinie musi zostać sprawdzony oddzielnie przez projektanta!

Podstawą wymiarowania jest jednakowe obciążenie wszystkich trzpieni.
Rozstawy trzpieni zależą zatem od rozkładu siły poprzecznej w 
szczelinie.

Aby uzyskać podparcie liniowe, zaleca się, aby rozstaw osiowy trzpieni nie przekraczał 
5 * grubość płyty.

Program umożliwia automatyczne ograniczenie 
rozstawu trzpieni w menu Opcje - Wymiarowanie:

     •  5 * grubość płyty - jednakowe obciążenie wszystkich trzpieni
     •  5 * grubość płyty - dodanie trzpieni konstrukcyjnych (w miejscach dużych rozstawów)

Który wariant jest bardziej ekonomiczny, zależy od rozkładu siły poprzecznej 
w szczelinie i nie może zostać przewidziane z góry.</translation>
    </message>
</context>
<context>
    <name>Sicherung</name>
    <message>
        <source>Das Programm wurde nicht ordnungsgemäß beendet. Es gibt eine automatische Sicherung vom %1 des Projekts %2.</source>
        <translation>Program nie został prawidłowo zamknięty. Istnieje automatyczna kopia zapasowa projektu %2 z %1.</translation>
    </message>
    <message>
        <source>unbenannt</source>
        <translation>bez nazwy</translation>
    </message>
    <message>
        <source>Soll die Sicherung wiederhergestellt werden?</source>
        <translation>Czy przywrócić kopię zapasową?</translation>
    </message>
</context>
<context>
    <name>Skizze</name>
    <message>
        <source>Rand- und Aufhängebewehrung des Dorns</source>
        <translation>Zbrojenie krawędziowe i podwieszające trzpienia</translation>
    </message>
    <message>
        <source>Aufteilung der Dorne</source>
        <translation>Rozmieszczenie trzpieni</translation>
    </message>
    <message>
        <source>Draufsicht</source>
        <translation>Widok z góry</translation>
    </message>
    <message>
        <source>Schnitt</source>
        <translation>Przekrój</translation>
    </message>
    <message>
        <source>verankern mit l</source>
        <translation>zakotwić na długości l</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Poz.</translation>
    </message>
    <message numerus="yes">
        <source>Pos. 1 (%n Bügel </source>
        <translation>
            <numerusform>Poz. 1 (%n strz. </numerusform>
            <numerusform>Poz. 1 (%n strz. </numerusform>
            <numerusform>Poz. 1 (%n strz. </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Skizzenbereich</name>
    <message>
        <source>Skizze in &amp;Zwischenablage</source>
        <translation>Szkic do &amp;schowka</translation>
    </message>
    <message>
        <source>Skizze in &amp;Datei speichern</source>
        <translation>Zapisz szkic do &amp;pliku</translation>
    </message>
    <message>
        <source>Skizze als &amp;Vollbild darstellen</source>
        <translation>Pokaż szkic na pełnym &amp;ekranie</translation>
    </message>
</context>
<context>
    <name>TDXF_Anzeige_Form</name>
    <message>
        <source>DXF Vorschau</source>
        <translation>Podgląd DXF</translation>
    </message>
    <message>
        <source>als DXF &amp;speichern</source>
        <translation>&amp;Zapisz jako DXF</translation>
    </message>
    <message>
        <source>&amp;zurück</source>
        <translation>&amp;Powrót</translation>
    </message>
    <message>
        <source>QUORVEL® - DXF-Export</source>
        <translation>QUORVEL® - eksport DXF</translation>
    </message>
    <message>
        <source>Exportieren in DXF Format (*.dxf)</source>
        <translation>Eksport w formacie DXF (*.dxf)</translation>
    </message>
    <message>
        <source>QUORVEL® - DXF-Import</source>
        <translation>QUORVEL® - import DXF</translation>
    </message>
    <message>
        <source>Importieren in DXF Format (*.dxf)</source>
        <translation>Rysunki DXF (*.dxf)</translation>
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
        <translation>Obliczenia OK\Grubość elementu za mała!\Obciążenie za duże!\Rozstaw trzpieni mniejszy od dopuszczalnego!\Odległość od krawędzi mniejsza od dopuszczalnej!\Rozstaw trzpieni za mały dla zbrojenia standardowego wg aprobaty\Odległość od krawędzi za mała dla wymaganego zbrojenia\Podana grubość ściany jest mniejsza od wymaganej dla wybranego trzpienia\Rzeczywista grubość elementu jest za mała dla wybranego zbrojenia!\Wymagana strefa zbrojenia podwieszającego jest większa od rzeczywistego rozstawu trzpieni\</translation>
    </message>
    <message>
        <source>Der maximale Dornabstand ist größer als 5 * Plattendicke\Der maximale Dornabstand konnte auf Grund der Querkrafteingabe nicht eingehalten werden!\</source>
        <translation>Maksymalny rozstaw trzpieni jest większy niż 5 * grubość płyty\Maksymalnego rozstawu trzpieni nie można było zachować ze względu na zadaną siłę poprzeczną!\</translation>
    </message>
    <message>
        <source>einzelner Doppelschubdorn\Dornpaar Platte an Platte\Dornpaar Platte an Wand\Dornreihe Platte an Platte\Dornreihe Platte an Wand\</source>
        <translation>pojedynczy trzpień podwójny\para trzpieni płyta - płyta\para trzpieni płyta - ściana\szereg trzpieni płyta - płyta\szereg trzpieni płyta - ściana\</translation>
    </message>
    <message>
        <source>Nachweis für einen mit Punktlast belasteten einzelnen Doppelschubdorn\Nachweis für ein Paar aus Doppelschubdornen - Anschluß Platte an Platte\Nachweis für ein Paar aus Doppelschubdornen - Anschluß Platte an Wand\Nachweis für eine Reihe aus Doppelschubdornen - Anschluß Platte an Platte\Nachweis für eine Reihe aus Doppelschubdornen - Anschluß Platte an Wand\</source>
        <translation>Sprawdzenie pojedynczego trzpienia podwójnego obciążonego siłą skupioną\Sprawdzenie pary trzpieni podwójnych - połączenie płyta - płyta\Sprawdzenie pary trzpieni podwójnych - połączenie płyta - ściana\Sprawdzenie szeregu trzpieni podwójnych - połączenie płyta - płyta\Sprawdzenie szeregu trzpieni podwójnych - połączenie płyta - ściana\</translation>
    </message>
    <message>
        <source>ohne\F90\</source>
        <translation>brak\R 90 (F90)\</translation>
    </message>
    <message>
        <source>keine Anforderungen\F90 Manschette\</source>
        <translation>brak wymagań\mankiet ppoż. R 90 (F90)\</translation>
    </message>
    <message>
        <source>20 mm\30 mm\40 mm\50 mm\60 mm\</source>
        <translation>20 mm\30 mm\40 mm\50 mm\60 mm\</translation>
    </message>
    <message>
        <source>Standard\Optimal\</source>
        <translation>Standardowe\Optymalne\</translation>
    </message>
    <message>
        <source>unbegrenzt\5 * Plattendicke - gleiche Belastung aller Dorne\5 * Plattendicke - einfügen konstruktiver Dorne\</source>
        <translation>bez ograniczenia\5 * grubość płyty - jednakowe obciążenie wszystkich trzpieni\5 * grubość płyty - dodanie trzpieni konstrukcyjnych\</translation>
    </message>
    <message>
        <source>C20/25\C25/30\C30/37\C35/45\C40/50\C45/55\C50/60\C20/25\C25/30\C30/37\C35/45\C40/50\C45/55\C50/60\</source>
        <translation>C20/25\C25/30\C30/37\C35/45\C40/50\C45/55\C50/60\C20/25 (B25)\C25/30 (B30)\C30/37 (B37)\C35/45 (B45)\C40/50 (B50)\C45/55 (B55)\C50/60 (B60)\</translation>
    </message>
    <message>
        <source>Dorn\S\ct\ce\D\Bemerkungen\</source>
        <translation>Trzpień\S\ct\ce\D\Uwagi\</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>Haftungsausschluss

Dieses Programm unterstützt die Bemessung von Doppelschubdornen ZAVR und ZAVRQ nach der allgemeinen bauaufsichtlichen Zulassung. Es ersetzt weder die Sachkunde noch die Verantwortung des Tragwerksplaners: Eingaben, Bemessungsannahmen und die Übernahme der Ergebnisse in die Ausführungsplanung sind vom Anwender zu prüfen.

Die QUORVEL Bautechnik GmbH hat das Programm mit größter Sorgfalt erstellt und geprüft. Für Schäden, die aus der Anwendung des Programms oder aus fehlerhaften Ergebnissen entstehen, haftet sie nur bei Vorsatz oder grober Fahrlässigkeit.

Fragen und Hinweise zum Programm richten Sie bitte an unsere technische Beratung: support@quorvel.example</source>
        <translation>Wyłączenie odpowiedzialności

Program wspomaga wymiarowanie podwójnych trzpieni ścinanych ZAVR i ZAVRQ zgodnie z aprobatą techniczną. Nie zastępuje on wiedzy fachowej ani odpowiedzialności projektanta konstrukcji: dane wejściowe, założenia obliczeniowe i przeniesienie wyników do projektu wykonawczego musi sprawdzić użytkownik.

QUORVEL Bautechnik GmbH opracowała i sprawdziła program z najwyższą starannością. Za szkody wynikłe z użycia programu lub z błędnych wyników odpowiada wyłącznie w przypadku winy umyślnej lub rażącego niedbalstwa.

Pytania i uwagi dotyczące programu prosimy kierować do naszego doradztwa technicznego: support@quorvel.example</translation>
    </message>
    <message>
        <source>Über QUORVEL®  Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation>O programie QUORVEL®  podwójny trzpień ścinany ZAVR / ZAVRQ</translation>
    </message>
    <message>
        <source>Mit diesem Programm kann der Einsatz von ZAVR und ZAVRQ Schubdornen zu Übertragung hoher Querlasten berechnet werden.</source>
        <translation>Program służy do wymiarowania trzpieni ścinanych ZAVR i ZAVRQ przenoszących duże siły poprzeczne.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Wersja:</translation>
    </message>
    <message>
        <source>Kompilierung:</source>
        <translation>Kompilacja:</translation>
    </message>
    <message>
        <source>Erstellt am:</source>
        <translation>Utworzono:</translation>
    </message>
    <message>
        <source>07.01.2015</source>
        <translation>07.01.2015</translation>
    </message>
    <message>
        <source>QUORVEL Bautechnik GmbH
Technische Beratung
Musterweg 12
12345 Musterstadt
Telefon +49 123 4567-0
www.quorvel.example</source>
        <translation>QUORVEL Bautechnik GmbH
Doradztwo techniczne
Musterweg 12
12345 Musterstadt
Telefon +49 123 4567-0
www.quorvel.example</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>QUORVEL  Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation>QUORVEL  podwójny trzpień ścinany ZAVR / ZAVRQ</translation>
    </message>
</context>
<context>
    <name>TfrmBemessung</name>
    <message>
        <source>Einstellung zur Bemessung</source>
        <translation>Ustawienia wymiarowania</translation>
    </message>
    <message>
        <source>Maximaler Dornabstand</source>
        <translation>Maksymalny rozstaw trzpieni</translation>
    </message>
    <message>
        <source>Hinweis bei Überschreitung des</source>
        <translation>Pokaż informację po przekroczeniu</translation>
    </message>
    <message>
        <source>maximalen Dornabstandes anzeigen</source>
        <translation>maksymalnego rozstawu trzpieni</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>Pomo&amp;c</translation>
    </message>
</context>
<context>
    <name>TfrmBewehrung</name>
    <message>
        <source>Steckbügel beidseitig als vertikale Aufhängebewehrung</source>
        <translation>Strzemiona otwarte obustronnie jako pionowe zbrojenie podwieszające</translation>
    </message>
    <message>
        <source>Steckbügel beidseitig im Durchstanzbereich</source>
        <translation>Strzemiona otwarte obustronnie w strefie przebicia</translation>
    </message>
    <message>
        <source>Horizontale Randbewehrung, oben und unten</source>
        <translation>Poziome zbrojenie krawędziowe, górą i dołem</translation>
    </message>
    <message>
        <source>Horizontale Bewehrung parallel zum Rand, oben und unten</source>
        <translation>Poziome zbrojenie równoległe do krawędzi, górą i dołem</translation>
    </message>
    <message>
        <source>Innenliegender geschlossener Bügel</source>
        <translation>Wewnętrzne strzemię zamknięte</translation>
    </message>
    <message>
        <source>Bewehrung</source>
        <translation>Zbrojenie</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Eingaben übernehmen und Fenster schließen</source>
        <translation>Zachowaj dane i zamknij okno</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Eingaben verwerfen und Fenster schließen</source>
        <translation>Odrzuć dane i zamknij okno</translation>
    </message>
    <message>
        <source>Bewehrung - &amp;Standard</source>
        <translation>Zbrojenie - &amp;standardowe</translation>
    </message>
    <message>
        <source>Bewehrung nach Zulassung als Standard setzen</source>
        <translation>Ustaw zbrojenie standardowe wg aprobaty</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Bewehrung zum aktuellen Dorn: </source>
        <translation>Zbrojenie dla bieżącego trzpienia: </translation>
    </message>
    <message>
        <source>Bewehrung nach Zulassung nicht möglich, da Randabstand zu klein!</source>
        <translation>Zbrojenie wg aprobaty niemożliwe: za mała odległość od krawędzi!</translation>
    </message>
    <message>
        <source>Bewehrung nach Zulassung nicht möglich, da Dornabstand zu klein!</source>
        <translation>Zbrojenie wg aprobaty niemożliwe: za mały rozstaw trzpieni!</translation>
    </message>
    <message>
        <source>Die Zulassung fordert das der Durchmesser der Längsbewehrung (Asy) mindestens so groß sein muß wie der Durchmesser der Steckbügel (Asx1)</source>
        <translation>Aprobata wymaga, aby średnica zbrojenia podłużnego (Asy) była co najmniej równa średnicy strzemion otwartych (Asx1)</translation>
    </message>
    <message>
        <source>Möchten Sie die manuell ausgewählte Bewehrung nochmals ändern?</source>
        <translation>Czy chcesz ponownie zmienić ręcznie wybrane zbrojenie?</translation>
    </message>
    <message>
        <source>Die Betondicke ist für die manuell ausgewählte Bewehrung zu klein. Soll die Bewehrung so übernommen werden?</source>
        <translation>Grubość betonu jest za mała dla ręcznie wybranego zbrojenia. Czy przyjąć zbrojenie bez zmian?</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Poz.</translation>
    </message>
</context>
<context>
    <name>TfrmCharakteristischeLast</name>
    <message>
        <source>Eingabe der Bemessungswerte</source>
        <translation>Wprowadzanie wartości obliczeniowych</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>TfrmFarbeinstellung</name>
    <message>
        <source>Skizze</source>
        <translation>Szkic</translation>
    </message>
    <message>
        <source>Farbdarstellung des Skizzen Hintergrundes</source>
        <translation>Kolor tła szkicu</translation>
    </message>
    <message>
        <source>Bemassung</source>
        <translation>Wymiary</translation>
    </message>
    <message>
        <source>Farbdarstellung der Bemassung (Linien + Text)</source>
        <translation>Kolor wymiarów (linie + tekst)</translation>
    </message>
    <message>
        <source>Umrandung</source>
        <translation>Obrys</translation>
    </message>
    <message>
        <source>Farbdarstellung der Betonumrandung</source>
        <translation>Kolor obrysu betonu</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Powierzchnia</translation>
    </message>
    <message>
        <source>Farbdarstellung der Betonflächen</source>
        <translation>Kolor powierzchni betonu</translation>
    </message>
    <message>
        <source>Brandschutz</source>
        <translation>Mankiet ppoż.</translation>
    </message>
    <message>
        <source>Farbdarstellung der Brandschutzmanschette</source>
        <translation>Kolor mankietu ppoż.</translation>
    </message>
    <message>
        <source>Position A</source>
        <translation>Pozycja A</translation>
    </message>
    <message>
        <source>Farbdarstellung der Steckbügel (Pos A)</source>
        <translation>Kolor strzemion otwartych (poz. A)</translation>
    </message>
    <message>
        <source>Position B</source>
        <translation>Pozycja B</translation>
    </message>
    <message>
        <source>Farbdarstellung der horizontalen Bewehrung (Pos B)</source>
        <translation>Kolor zbrojenia poziomego (poz. B)</translation>
    </message>
    <message>
        <source>Position C</source>
        <translation>Pozycja C</translation>
    </message>
    <message>
        <source>Farbdarstellung des geschlossenen Bügels (Pos C)</source>
        <translation>Kolor strzemienia zamkniętego (poz. C)</translation>
    </message>
    <message>
        <source>Position D</source>
        <translation>Pozycja D</translation>
    </message>
    <message>
        <source>Farbdarstellung der Aufhängebewehrung (Pos D)</source>
        <translation>Kolor zbrojenia podwieszającego (poz. D)</translation>
    </message>
    <message>
        <source>Farbdarstellung der Schubdornumrandung</source>
        <translation>Kolor obrysu trzpienia</translation>
    </message>
    <message>
        <source>Farbdarstellung der Schubdornfächen</source>
        <translation>Kolor powierzchni trzpienia</translation>
    </message>
    <message>
        <source>ZAVR - Farbeinstellung</source>
        <translation>ZAVR - ustawienia kolorów</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>Beton</source>
        <translation>Beton</translation>
    </message>
    <message>
        <source>Bewehrung</source>
        <translation>Zbrojenie</translation>
    </message>
    <message>
        <source>Schubdorn</source>
        <translation>Trzpień ścinany</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Domyślne</translation>
    </message>
    <message>
        <source>Farbeinstellung auf Standardwerte zurücksetzen!</source>
        <translation>Przywróć domyślne kolory!</translation>
    </message>
    <message>
        <source>&amp;Graustufen</source>
        <translation>Skala &amp;szarości</translation>
    </message>
    <message>
        <source>Farbeinstellung auf Graustufen einstellen! </source>
        <translation>Ustaw kolory w odcieniach szarości! </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Eingabemaske verlassen und Eingaben übernehmen!</source>
        <translation>Zamknij okno i zachowaj dane!</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Eingabemaske verlassen und Eingaben verwerfen!</source>
        <translation>Zamknij okno i odrzuć dane!</translation>
    </message>
</context>
<context>
    <name>TfrmHauptMaske</name>
    <message>
        <source>Ansicht</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Draufsicht</source>
        <translation>Widok z góry</translation>
    </message>
    <message>
        <source>Schnitt</source>
        <translation>Przekrój</translation>
    </message>
    <message>
        <source>Dornreihe</source>
        <translation>Szereg trzpieni</translation>
    </message>
    <message>
        <source>zu Bedarfsliste &amp;hinzufügen</source>
        <translation>Dod&amp;aj do zestawienia materiałów</translation>
    </message>
    <message>
        <source>E&amp;xportieren</source>
        <translation>Eksport&amp;uj</translation>
    </message>
    <message>
        <source>In &amp;Zwischenablage</source>
        <translation>Do &amp;schowka</translation>
    </message>
    <message>
        <source>&amp;Berechnen</source>
        <translation>Obl&amp;icz</translation>
    </message>
    <message>
        <source>Ergebnis&amp;vorschau</source>
        <translation>Podgląd wyni&amp;ków</translation>
    </message>
    <message>
        <source>Rückkehr zur Ein&amp;gabe</source>
        <translation>Powrót do da&amp;nych</translation>
    </message>
    <message>
        <source>Werkzeugleiste</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Diese Funktion ist in dieser Programmversion nicht enthalten.</source>
        <translation>Ta funkcja nie jest dostępna w tej wersji programu.</translation>
    </message>
    <message>
        <source>DXF-Export - D&amp;orn</source>
        <translation>Eksport DXF - &amp;trzpień</translation>
    </message>
    <message>
        <source>DXF-Export - &amp;Bewehrung</source>
        <translation>Eksport DXF - &amp;zbrojenie</translation>
    </message>
    <message>
        <source>QUORVEL® Doppelschubdorn ZAVR/ZAVRQ: Zulassung gemäß DIN 1045-1 und DIN EN 1992-1-1 (EC2)</source>
        <translation>QUORVEL® podwójny trzpień ścinany ZAVR/ZAVRQ: wymiarowanie wg DIN 1045-1 i DIN EN 1992-1-1 (EC2)</translation>
    </message>
    <message>
        <source>unbenannt</source>
        <translation>bez nazwy</translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation>QUORVEL® - podwójny trzpień ścinany ZAVR / ZAVRQ</translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ (*.ZAV)</source>
        <translation>QUORVEL® - podwójny trzpień ścinany ZAVR / ZAVRQ (*.ZAV)</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>Rysunki DXF (*.dxf)</translation>
    </message>
    <message>
        <source>Für dieses Programm ist keine Hilfe installiert.</source>
        <translation>Dla tego programu nie zainstalowano pomocy.</translation>
    </message>
    <message>
        <source>Die Datei - </source>
        <translation>Plik - </translation>
    </message>
    <message>
        <source> - wurde nicht gefunden. Die erforderliche Datei kann nur von der CD Version installiert werden!</source>
        <translation> - nie został znaleziony. Wymagany plik można zainstalować tylko z wersji na płycie CD!</translation>
    </message>
    <message>
        <source>Die Anwendung zum Öffnen der ausgewählten Datei ist nicht installiert</source>
        <translation>Aplikacja do otwarcia wybranego pliku nie jest zainstalowana</translation>
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
        <translation>Nie można otworzyć podanego pliku!</translation>
    </message>
    <message>
        <source>Ökonom. Dorn</source>
        <translation>Trzpień ekonom.</translation>
    </message>
    <message>
        <source>Ökonomischster Doppelschubdorn</source>
        <translation>Najbardziej ekonomiczny trzpień podwójny</translation>
    </message>
    <message>
        <source>Ökonomischster Doppelschubdorn für Bewegungen in Längs- und Querrichtung</source>
        <translation>Najbardziej ekonomiczny trzpień podwójny dla przesuwu podłużnego i poprzecznego</translation>
    </message>
    <message>
        <source>Der Berechnungsnachweis konnte nicht gedruckt werden.</source>
        <translation>Nie można wydrukować obliczeń statycznych.</translation>
    </message>
    <message>
        <source>Bewehrung</source>
        <translation>Zbrojenie</translation>
    </message>
    <message>
        <source>manuelle Änderung der Bewehrung</source>
        <translation>ręczna zmiana zbrojenia</translation>
    </message>
    <message>
        <source>Der Nachweis des Projekts konnte nicht gedruckt werden.</source>
        <translation>Nie udało się wydrukować obliczeń statycznych projektu.</translation>
    </message>
    <message>
        <source>Die Position wird nicht in die Bedarfsliste aufgenommen: %1.

Ein Dorn, der nicht zulässig ist, wird nicht bestellt.</source>
        <translation>Pozycja nie zostanie dodana do zestawienia materiałów: %1.

Trzpień niedopuszczalny nie jest zamawiany.</translation>
    </message>
    <message>
        <source>Für diese Position: %1.

Soll die Bewehrungszeichnung von %2 trotzdem erstellt werden? Sie erhält unter dem Titel den Vermerk &quot;nicht zulässig&quot;.</source>
        <translation>Dla tej pozycji: %1.

Czy mimo to utworzyć rysunek zbrojenia dla %2? Pod tytułem otrzyma adnotację &quot;niedopuszczalny&quot;.</translation>
    </message>
    <message>
        <source>&amp;Rückgängig: %1</source>
        <translation>&amp;Cofnij: %1</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen: %1</source>
        <translation>&amp;Ponów: %1</translation>
    </message>
    <message>
        <source>&amp;Zuletzt geöffnet</source>
        <translation>Ostatnio ot&amp;wierane</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gefunden. Sie wird aus der Liste der zuletzt geöffneten Projekte entfernt.</source>
        <translation>Nie znaleziono pliku %1. Zostaje on usunięty z listy ostatnio otwieranych projektów.</translation>
    </message>
</context>
<context>
    <name>TfrmHilfe</name>
    <message>
        <source>Hilfe - QUORVEL® Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation>Pomoc - QUORVEL® podwójny trzpień ścinany ZAVR / ZAVRQ</translation>
    </message>
    <message>
        <source>Suchbegriff eingeben</source>
        <translation>Wpisz szukane słowo</translation>
    </message>
    <message>
        <source>&amp;Stichwort:</source>
        <translation>&amp;Hasło:</translation>
    </message>
    <message>
        <source>&amp;Inhalt</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>S&amp;uchen</source>
        <translation>Sz&amp;ukaj</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Vorwärts</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Zamknij</translation>
    </message>
</context>
<context>
    <name>TfrmHinweis5d</name>
    <message>
        <source>Information zur Bemessung der Dornabstände</source>
        <translation>Informacja o wymiarowaniu rozstawu trzpieni</translation>
    </message>
    <message>
        <source>Fenster bei jeder Bemessung wieder anzeigen</source>
        <translation>Pokazuj to okno przy każdym wymiarowaniu</translation>
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
        <translation>QUORVEL® - podwójne trzpienie ścinane ZAVR / ZAVRQ</translation>
    </message>
    <message>
        <source>Ökonomischster Doppelschubdorn</source>
        <translation>Najbardziej ekonomiczny trzpień podwójny</translation>
    </message>
    <message>
        <source>für Bewegungen in Längsrichtung</source>
        <translation>dla przesuwu podłużnego</translation>
    </message>
    <message>
        <source>für Bewegungen in Längs- und Querrichtung</source>
        <translation>dla przesuwu podłużnego i poprzecznego</translation>
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
        <translation>Dane projektu</translation>
    </message>
    <message>
        <source>he&amp;ute</source>
        <translation>&amp;dzisiaj</translation>
    </message>
    <message>
        <source>Bauvorhaben:</source>
        <translation>Obiekt:</translation>
    </message>
    <message>
        <source>Büro / Firma:</source>
        <translation>Biuro / firma:</translation>
    </message>
    <message>
        <source>Bearbeiter:</source>
        <translation>Opracował:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Projekt Nr.:</source>
        <translation>Nr projektu:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>Pomo&amp;c</translation>
    </message>
</context>
<context>
    <name>TfrmProjektverwaltung</name>
    <message>
        <source>lfd Nr.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Prog</source>
        <translation>Prog</translation>
    </message>
    <message>
        <source>Bauvorhaben</source>
        <translation>Obiekt</translation>
    </message>
    <message>
        <source>Anschlusstyp</source>
        <translation>Rodzaj połączenia</translation>
    </message>
    <message>
        <source>Fugenlänge</source>
        <translation>Długość szczeliny</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>QUORVEL® - Projektverwaltung</source>
        <translation>QUORVEL® - przeglądarka projektów</translation>
    </message>
    <message>
        <source>Position &amp;übernehmen</source>
        <translation>Dołącz &amp;pozycję</translation>
    </message>
    <message>
        <source>ausgewählte Position öffnen</source>
        <translation>otwórz wybraną pozycję</translation>
    </message>
    <message>
        <source>ausgewählte Position zum bestehenden Projekt hinzufügen</source>
        <translation>dodaj wybraną pozycję do otwartego projektu</translation>
    </message>
    <message>
        <source>Projekt &amp;öffnen</source>
        <translation>&amp;Otwórz projekt</translation>
    </message>
    <message>
        <source>ausgewähltes Projekt öffnen</source>
        <translation>otwórz wybrany projekt</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Projekt&amp;inhalte</source>
        <translation>&amp;Zawartość projektu</translation>
    </message>
    <message>
        <source>Projektdatei auswählen</source>
        <translation>Wybierz plik projektu</translation>
    </message>
    <message>
        <source>bestehende Projektdatei auswählen</source>
        <translation>wybierz istniejący plik projektu</translation>
    </message>
    <message>
        <source>&amp;Laufwerk</source>
        <translation>&amp;Dysk</translation>
    </message>
    <message>
        <source>&amp;Verzeichnis</source>
        <translation>&amp;Folder</translation>
    </message>
    <message>
        <source>&amp;Projekt</source>
        <translation>P&amp;rojekt</translation>
    </message>
    <message>
        <source>Nr: </source>
        <translation>Nr: </translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <source>Bemessung gemäß DIN 1045-1 und DIN EN 1992-1-1 (EC2)</source>
        <translation>Wymiarowanie wg DIN 1045-1 i DIN EN 1992-1-1 (EC2)</translation>
    </message>
    <message>
        <source>ZAVR Programm &amp;starten</source>
        <translation>&amp;Uruchom program ZAVR</translation>
    </message>
    <message>
        <source>QUORVEL®   Doppelschubdorn ZAVR / ZAVRQ</source>
        <translation>QUORVEL®   podwójny trzpień ścinany ZAVR / ZAVRQ</translation>
    </message>
</context>
<context>
    <name>TfrmStueckliste</name>
    <message>
        <source>aktiv</source>
        <translation>aktywna</translation>
    </message>
    <message>
        <source>Position                          </source>
        <translation>Pozycja                           </translation>
    </message>
    <message>
        <source>Anz. Pos.</source>
        <translation>Liczba poz.</translation>
    </message>
    <message>
        <source>Anz. Dorne</source>
        <translation>Liczba trzp.</translation>
    </message>
    <message>
        <source>Bezeichnung                                                  </source>
        <translation>Opis                                                         </translation>
    </message>
    <message>
        <source>Sum. Dorne</source>
        <translation>Suma trzp.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>lfdNr</source>
        <translation>Lp.</translation>
    </message>
    <message>
        <source>Deckenstärke</source>
        <translation>Grubość płyty</translation>
    </message>
    <message>
        <source>statische Nutzhöhe</source>
        <translation>Wysokość użyteczna</translation>
    </message>
    <message>
        <source>Stützentyp</source>
        <translation>Typ słupa</translation>
    </message>
    <message>
        <source>&amp;Stückliste</source>
        <translation>&amp;Zestawienie elementów</translation>
    </message>
    <message>
        <source>&amp;Ausschreibungstext</source>
        <translation>&amp;Opis przetargowy</translation>
    </message>
    <message>
        <source>&amp;Liste</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Eksport</translation>
    </message>
    <message>
        <source>&amp;ZW Ablage</source>
        <translation>&amp;Schowek</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>Po&amp;wrót</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>Position &amp;löschen</source>
        <translation>&amp;Usuń pozycję</translation>
    </message>
    <message>
        <source>Aktuelle Auswahl:</source>
        <translation>Bieżący wybór:</translation>
    </message>
    <message>
        <source>Anzahl gleicher Position </source>
        <translation>Liczba jednakowych pozycji </translation>
    </message>
    <message>
        <source>zusätzliche Informationen zur Bedarfsliste</source>
        <translation>dodatkowe informacje do zestawienia materiałów</translation>
    </message>
    <message>
        <source>Beim Export einer langen Bedarfsliste als Grafik ist zu berücksichtigen, </source>
        <translation>Przy eksporcie długiego zestawienia jako grafiki należy pamiętać, </translation>
    </message>
    <message>
        <source>daß in der Grafik keine Seitenumbrüche vorhanden sind.</source>
        <translation>że grafika nie zawiera podziałów stron.</translation>
    </message>
    <message>
        <source>Bei langen Bedarfslisten kann durch Deaktivieren einzelner Positionen </source>
        <translation>Długie zestawienie można podzielić na 2 lub więcej plików eksportu, </translation>
    </message>
    <message>
        <source>die Bedarfsliste in 2 oder mehrere Exportdateien aufgeteilt werden.</source>
        <translation>wyłączając poszczególne pozycje.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ: Bedarfsliste</source>
        <translation>QUORVEL® - podwójny trzpień ścinany ZAVR / ZAVRQ: zestawienie materiałów</translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ: Stückliste</source>
        <translation>QUORVEL® - podwójny trzpień ścinany ZAVR / ZAVRQ: zestawienie elementów</translation>
    </message>
    <message>
        <source>QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ: Ausschreibungstext</source>
        <translation>QUORVEL® - podwójny trzpień ścinany ZAVR / ZAVRQ: opis przetargowy</translation>
    </message>
    <message>
        <source>Die Bedarfsliste konnte nicht gedruckt werden.</source>
        <translation>Nie można wydrukować zestawienia materiałów.</translation>
    </message>
    <message>
        <source>Die Anzahl %1 ist nicht möglich (1 bis %2); sie wurde auf %3 gesetzt.</source>
        <translation>Liczba %1 jest niemożliwa (od 1 do %2); ustawiono ją na %3.</translation>
    </message>
</context>
<context>
    <name>TfrmTragfaehigkeitstabellen</name>
    <message>
        <source>Tragfähigkeitstabellen</source>
        <translation>Tablice nośności</translation>
    </message>
    <message>
        <source>Doppelklick auf einen Wert: neue Position mit diesem Dorn und dieser Last</source>
        <translation>Dwukrotne kliknięcie wartości: nowa pozycja z tym trzpieniem i tym obciążeniem</translation>
    </message>
    <message>
        <source>&amp;Berechnen</source>
        <translation>&amp;Oblicz</translation>
    </message>
    <message>
        <source>Tabelle mit der Auswahl neu berechnen</source>
        <translation>Przelicz tablicę dla wybranych ustawień</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message>
        <source>Tabellen der angekreuzten Dorntypen drucken</source>
        <translation>Drukuj tablice zaznaczonych typów trzpieni</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern...</source>
        <translation>Zapisz jako &amp;PDF...</translation>
    </message>
    <message>
        <source>Tabellen der angekreuzten Dorntypen als PDF speichern</source>
        <translation>Zapisz tablice zaznaczonych typów trzpieni jako PDF</translation>
    </message>
    <message>
        <source>Als &amp;CSV speichern...</source>
        <translation>Zapisz jako &amp;CSV...</translation>
    </message>
    <message>
        <source>Werte der angekreuzten Dorntypen als CSV-Datei speichern</source>
        <translation>Zapisz wartości zaznaczonych typów trzpieni jako plik CSV</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Dialog schließen</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>ab Mindestdicke des Dorns</source>
        <translation>od minimalnej grubości dla trzpienia</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Wybór</translation>
    </message>
    <message>
        <source>Dorntypen</source>
        <translation>Typy trzpieni</translation>
    </message>
    <message>
        <source>Betongüten</source>
        <translation>Klasy betonu</translation>
    </message>
    <message>
        <source>Plattendicke von</source>
        <translation>Grubość płyty od</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Schritt</source>
        <translation>Krok</translation>
    </message>
    <message>
        <source>Der Dorn ist hier nicht zulässig: %1</source>
        <translation>Trzpień nie jest tu dopuszczalny: %1</translation>
    </message>
    <message>
        <source>Die Auswahl enthält keine Tabellenwerte.</source>
        <translation>Wybór nie zawiera żadnych wartości tablicy.</translation>
    </message>
    <message>
        <source>Die Tragfähigkeitstabellen konnten nicht gedruckt werden.</source>
        <translation>Nie udało się wydrukować tablic nośności.</translation>
    </message>
    <message>
        <source>Tragfaehigkeitstabellen.pdf</source>
        <translation>Tablice_nosnosci.pdf</translation>
    </message>
    <message>
        <source>Tragfaehigkeitstabellen.csv</source>
        <translation>Tablice_nosnosci.csv</translation>
    </message>
</context>
<context>
    <name>TfrmZoom</name>
    <message>
        <source>Zoom</source>
        <translation>Powiększenie</translation>
    </message>
    <message>
        <source>Skizze in &amp;Zwischenablage</source>
        <translation>Szkic do &amp;schowka</translation>
    </message>
    <message>
        <source>Skizze in &amp;Datei speichern</source>
        <translation>Zapisz szkic do &amp;pliku</translation>
    </message>
    <message>
        <source>Fenster &amp;schliessen</source>
        <translation>&amp;Zamknij okno</translation>
    </message>
    <message>
        <source>Ergebnisausdruck in Zwischenablage kopieren</source>
        <translation>Kopiuj wydruk wyników do schowka</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Exportieren</source>
        <translation>&amp;Eksportuj</translation>
    </message>
    <message>
        <source>Ergebnisausdruck in Datei exportieren</source>
        <translation>Eksportuj wydruk wyników do pliku</translation>
    </message>
    <message>
        <source>&amp;Schliessen</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Fenster schliessen</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Zoom &amp;in (+)</source>
        <translation>Po&amp;większ (+)</translation>
    </message>
    <message>
        <source>Zoom out (-)</source>
        <translation>Pomniejsz (-)</translation>
    </message>
</context>
<context>
    <name>TfrmbeliebigeLast</name>
    <message>
        <source>Eingabe einer beliebig verlaufenden Streckenlast</source>
        <translation>Wprowadzanie dowolnie zmiennego obciążenia liniowego</translation>
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
        <translation>Zachowaj dane i zamknij okno</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Eingaben verwerfen und Fenster schließen</source>
        <translation>Odrzuć dane i zamknij okno</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Hilfe zum Eingabefenster|Hilfe zu den Eingaben in der Maske</source>
        <translation>Pomoc do okna|Pomoc do danych w tym oknie</translation>
    </message>
    <message>
        <source>Koordinate für die Lasteingabe von links gemessen</source>
        <translation>Współrzędna obciążenia mierzona od lewej</translation>
    </message>
    <message>
        <source>Wert der Belastung an der Stelle der Koordinate x</source>
        <translation>Wartość obciążenia we współrzędnej x</translation>
    </message>
    <message>
        <source>&amp;Hinzufügen</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>Wertepaar hinzufügen|Wertepaar (x,q) zur Liste hinzufügen</source>
        <translation>Dodaj parę wartości|Dodaj parę wartości (x,q) do listy</translation>
    </message>
    <message>
        <source>&amp;Ändern</source>
        <translation>&amp;Zmień</translation>
    </message>
    <message>
        <source>Änderungen in Liste übertragen|Änderungen des Werepaares (x,q) in Liste übertragen</source>
        <translation>Przenieś zmiany do listy|Przenieś zmiany pary wartości (x,q) do listy</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>aktuelles Wertepaar löschen|aktuelles Wertepaar (x,q) aus der Liste löschen</source>
        <translation>Usuń bieżącą parę wartości|Usuń bieżącą parę wartości (x,q) z listy</translation>
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
        <translation>Dla podanej współrzędnej istnieje już wartość!</translation>
    </message>
    <message>
        <source>Soll der Wert überschrieben werden?</source>
        <translation>Czy zastąpić tę wartość?</translation>
    </message>
    <message>
        <source>beliebige Last</source>
        <translation>Obciążenie dowolne</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>Tabelle einfügen|Wertepaare (x in m, q in kN/m) aus der Zwischenablage übernehmen</source>
        <translation>Wklej tabelę|Przejmij pary wartości (x w m, q w kN/m) ze schowka</translation>
    </message>
    <message>
        <source>&amp;Importieren…</source>
        <translation>&amp;Importuj…</translation>
    </message>
    <message>
        <source>Tabelle importieren|Wertepaare (x in m, q in kN/m) aus einer CSV- oder Textdatei übernehmen</source>
        <translation>Importuj tabelę|Przejmij pary wartości (x w m, q w kN/m) z pliku CSV lub tekstowego</translation>
    </message>
    <message>
        <source>Streckenlast importieren</source>
        <translation>Import obciążenia liniowego</translation>
    </message>
    <message>
        <source>Tabellen (*.csv *.txt)</source>
        <translation>Tabele (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>Tragfaehigkeitstabelle</name>
    <message>
        <source>Tragfähigkeitstabelle %1</source>
        <translation>Tablica nośności %1</translation>
    </message>
    <message>
        <source>Bezugssituation: ein einzelner Doppelschubdorn unter Punktlast, Anschluss Platte an Platte</source>
        <translation>Sytuacja odniesienia: pojedynczy podwójny trzpień ścinany obciążony siłą skupioną, połączenie płyta–płyta</translation>
    </message>
    <message>
        <source>Fugenbreite ≤ %1, Brandschutz: %2, Bewehrung: %3, Betondeckung oben, unten und vorn je %4 cm</source>
        <translation>Szerokość szczeliny ≤ %1, ochrona przeciwpożarowa: %2, zbrojenie: %3, otulina górna, dolna i czołowa po %4 cm</translation>
    </message>
    <message>
        <source>Die Werte gelten ab dem Randabstand a_r,min und dem Dornabstand e_min der Zeile; Rand- und Dornabstände ab diesen Werten mindern den Widerstand nicht.</source>
        <translation>Wartości obowiązują od odległości od krawędzi a_r,min i rozstawu trzpieni e_min danego wiersza; odległości i rozstawy nie mniejsze od tych wartości nie zmniejszają nośności.</translation>
    </message>
    <message>
        <source>V_Rd: Bemessungswiderstand eines Dorns in kN, auf 0,01 kN abgerundet; Index: maßgebender Nachweis (s Stahl, ct Durchstanzen, ce Betonkantenbruch)</source>
        <translation>V_Rd: nośność obliczeniowa jednego trzpienia w kN, zaokrąglona w dół do 0,01 kN; indeks: miarodajne sprawdzenie (s stal, ct przebicie, ce wyłamanie krawędzi betonu)</translation>
    </message>
    <message>
        <source>Jeder Wert ist das Ergebnis der Bemessung dieser Bezugssituation mit diesem Programm.</source>
        <translation>Każda wartość jest wynikiem wymiarowania tej sytuacji odniesienia w niniejszym programie.</translation>
    </message>
    <message>
        <source>Dorn</source>
        <translation>Trzpień</translation>
    </message>
    <message>
        <source>Betongüte</source>
        <translation>Klasa betonu</translation>
    </message>
    <message>
        <source>h [cm]</source>
        <translation>h [cm]</translation>
    </message>
    <message>
        <source>Fugenbreite</source>
        <translation>Szerokość szczeliny</translation>
    </message>
    <message>
        <source>Brandschutz</source>
        <translation>Ochrona przeciwpożarowa</translation>
    </message>
    <message>
        <source>Bewehrung</source>
        <translation>Zbrojenie</translation>
    </message>
    <message>
        <source>maßgebend</source>
        <translation>miarodajne</translation>
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
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Stahl</source>
        <translation>Stal</translation>
    </message>
    <message>
        <source>Durchstanzen</source>
        <translation>Przebicie</translation>
    </message>
    <message>
        <source>Betonkantenbruch</source>
        <translation>Wyłamanie krawędzi betonu</translation>
    </message>
</context>
<context>
    <name>Vorpruefung</name>
    <message>
        <source>Der gewählte konstante Dornabstand ist größer als 5 * Plattendicke!</source>
        <translation>Wybrany stały rozstaw trzpieni jest większy niż 5 * grubość płyty!</translation>
    </message>
    <message>
        <source>Der gewählte konstante Dornabstand ist größer als 5 * Plattendicke!
<byte value="xd"/>
<byte value="xd"/>Soll die Berechnung trotzdem durchgeführt werden?</source>
        <translation>Wybrany stały rozstaw trzpieni jest większy niż 5 * grubość płyty!
<byte value="xd"/>
<byte value="xd"/>Czy mimo to wykonać obliczenia?</translation>
    </message>
    <message>
        <source>Die vorgegebene Betondicke ist kleiner als die minimale Betondicke für den kleinsten Doppelschubdorn!</source>
        <translation>Zadana grubość betonu jest mniejsza od minimalnej grubości dla najmniejszego trzpienia podwójnego!</translation>
    </message>
    <message>
        <source>Der Wert der Betondeckung oben ist &lt; 2,5 cm. Bitte prüfen!</source>
        <translation>Otulina górna wynosi &lt; 2,5 cm. Proszę sprawdzić!</translation>
    </message>
    <message>
        <source>Der Wert der Betondeckung unten ist &lt; 2,5 cm. Bitte prüfen!</source>
        <translation>Otulina dolna wynosi &lt; 2,5 cm. Proszę sprawdzić!</translation>
    </message>
    <message>
        <source>Die Summe der Betondeckungen ist größer als die Dicke der anzuschließenden Betonplatte!</source>
        <translation>Suma otulin jest większa od grubości łączonej płyty betonowej!</translation>
    </message>
    <message>
        <source>Die Wanddicke ist kleiner als die mindest erforderliche Dicke für den kleinsten Doppelschubdorn!</source>
        <translation>Grubość ściany jest mniejsza od minimalnej wymaganej dla najmniejszego trzpienia podwójnego!</translation>
    </message>
    <message>
        <source>Der eingegebene Dornabstand ist größer als die Fugenlänge!</source>
        <translation>Wprowadzony rozstaw trzpieni jest większy od długości szczeliny!</translation>
    </message>
    <message>
        <source>Die beliebige Belastung hat weniger als zwei Lastpunkte. Bitte die Belastung vollständig eingeben!</source>
        <translation>Dowolne obciążenie ma mniej niż dwa punkty. Proszę wprowadzić pełne obciążenie!</translation>
    </message>
</context>
<context>
    <name>Zahleingabe</name>
    <message>
        <source>Fehler bei der Eingabe: Es sind nur Zahlen erlaubt!
(eventuell Schreibweise von &quot;.&quot; und &quot;,&quot; beachten</source>
        <translation>Błąd wprowadzania: dozwolone są tylko liczby!
(zwróć uwagę na zapis &quot;.&quot; i &quot;,&quot;)</translation>
    </message>
    <message>
        <source>Der eingegebene Wert ist kleiner als erlaubt!</source>
        <translation>Wprowadzona wartość jest mniejsza od dopuszczalnej!</translation>
    </message>
    <message>
        <source>Der eingegebene Wert ist größer als erlaubt!</source>
        <translation>Wprowadzona wartość jest większa od dopuszczalnej!</translation>
    </message>
</context>
<context>
    <name>Zoom_panel</name>
    <message>
        <source>Verkleinern</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Vergrößern</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Letzte Ansicht</source>
        <translation>Poprzedni widok</translation>
    </message>
    <message>
        <source>Gesamtansicht</source>
        <translation>Widok całości</translation>
    </message>
</context>
</TS>
