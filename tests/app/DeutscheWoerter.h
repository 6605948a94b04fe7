#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <set>

// Words no English or Polish text of the program uses; together with the German letters ä, ö, ü and ß.
// Words that English or Polish share with German (Position, Projekt, Beton, Standard, Status, in, an,
// Katalog) cannot tell the languages apart and are left out.
inline const std::set<QString> DeutscheWoerter = [] {
    std::set<QString> woerter;
    for (const QString& wort :
         QStringLiteral(
             "der die das den dem des ein eine einen einer eines und oder nicht ist sind mit von vom zu zur "
             "zum "
             "auf bei aus nach wird werden kann soll bitte ohne keine alle neu rechts oben unten vorn "
             "datei dateien hilfe inhalt suchen speichern drucken beenden ansicht draufsicht schnitt skizze "
             "zwischenablage exportieren abbrechen schliessen kopieren fenster einstellungen optionen "
             "bemessung berechnung berechnen bewehrung fuge fugenbreite platte plattendicke wand wanddicke "
             "randabstand dornabstand dorn dorne dornpaar dornreihe betondeckung eingabe eingaben vorschau "
             "ergebnis ergebnisse bauvorhaben bearbeiter datum heute nachweis berechnungsnachweis "
             "hinweis "
             "bedarfsliste ausschreibungstext farbeinstellung hintergrund umrandung brandschutz manschette "
             "unbegrenzt anforderungen zeichnung vorderansicht seitenansicht achsabstand bemerkungen "
             "ausnutzung "
             "durchstanzen laufwerk verzeichnis programm starten zulassung querkraft querkraftverlauf "
             "belastung einwirkung einzellast punktlast linienlast anwendungsfall bauteil doppelschubdorn "
             "schubdorn werkzeugleiste unbenannt eingabebaum projektdaten projektverwaltung seite stab "
             "anzahl abstand zeile ausdruck soll vorh")
             .split(QLatin1Char(' ')))
        woerter.insert(wort);
    return woerter;
}();

// The German words of a text.
inline QStringList DeutscheWoerterIn(const QString& text) {
    QStringList gefunden;
    static const QRegularExpression wort(QStringLiteral("\\p{L}+"));
    for (auto treffer = wort.globalMatch(text); treffer.hasNext();) {
        const QString w = treffer.next().captured().toLower();
        if (DeutscheWoerter.count(w) || w.contains(QRegularExpression(QStringLiteral("[äöüß]"))))
            gefunden << w;
    }
    return gefunden;
}
