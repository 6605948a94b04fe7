#include "output/Projektnachweis.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "calc/Wirtschaftlichkeit.h"
#include "model/Katalog.h"
#include "model/TKAnwendung.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"
#include "output/Dateiausgabe.h"
#include "output/Nachweistext.h"
#include "output/Seitenfolge.h"
#include "output/Seitenmaler.h"
#include "output/Textlisten.h"

namespace {

constexpr double Spaltenabstand = 0.4;
constexpr double Zeilenabstand = 0.1;
constexpr double AbstandZumFuss = 0.2;
const QColor Rot(200, 0, 0);

QString Titel() {
    return Nachweis::tr("Projektübersicht");
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Why a position delivers no dowel: the hints of its failed checks, or the choice in words.
QStringList Gruende(const Projektposition& p, const Dornwahl& wahl, const Umgebung& umgebung) {
    QStringList gruende;
    for (const std::string& hinweis : p.hinweise) gruende << Q(hinweis);
    if (gruende.isEmpty() && !wahl.Zulaessig()) gruende << Q(DornwahlText(wahl, umgebung));
    return gruende;
}

}  // namespace

Projektnachweis::Projektnachweis(const TKModell& modell, std::vector<Projektposition> positionen,
                                 const TKFarbe& farbe)
    : modell(modell), positionen(std::move(positionen)), farbe(farbe) {}

Berechnungsnachweis Projektnachweis::Nachweis(int index) const {
    return Berechnungsnachweis(modell, positionen[static_cast<std::size_t>(index)].anwendung, farbe);
}

int Projektnachweis::Fehlende() const {
    return static_cast<int>(std::count_if(positionen.begin(), positionen.end(), [](const Projektposition& p) {
        return !p.hinweise.empty() || !GewaehlterDorn(p.anwendung).Zulaessig();
    }));
}

// The fixed columns are as wide as their widest text; the application case takes what its longest name
// needs of the rest, up to half, and the position name the remainder. Texts end with an ellipsis where
// their column is too narrow.
Projektnachweis::Spalten Projektnachweis::Spaltenlage(Seitenmaler& seite) const {
    const Seitenmasse& m = seite.M();
    seite.Schrift(10, Fett);
    auto breite = [&](const QStringList& texte) {
        double b = 0;
        for (const QString& text : texte) b = std::max(b, seite.Breite(text));
        return b + Spaltenabstand;
    };
    QStringList dorne{Nachweis::tr("Dorn")};
    for (const TsDorn dorn : Katalog().Typen()) dorne << Q(DornName(dorn));
    const double nummer = breite({Nachweis::tr("Pos."), QStringLiteral("9999")});
    const double dorn = breite(dorne);
    const double anzahl = breite({Nachweis::tr("Anzahl"), QStringLiteral("999")});
    const double ausnutzung = breite({Nachweis::tr("Ausnutzung"), QStringLiteral("100,0 %")});
    const double zulaessig = breite(
        {Nachweis::tr("zulässig"), Nachweis::tr("ja"), Nachweis::tr("nein"), Nachweis::tr("nicht bemessen")});
    const double rest =
        std::max(2.0, (m.W - m.R - m.L) - nummer - dorn - anzahl - ausnutzung - zulaessig + Spaltenabstand);
    QStringList faelle = Textliste(TextListe::Anwendungsfall);
    faelle << Nachweis::tr("Anwendungsfall");
    seite.Schrift(10);
    const double fall = std::min(breite(faelle), rest / 2);
    Spalten s;
    s.nummer = m.L;
    s.name = s.nummer + nummer;
    s.fall = s.name + rest - fall;
    s.dorn = s.name + rest;
    s.anzahl = s.dorn + dorn;
    s.ausnutzung = s.anzahl + anzahl;
    s.zulaessig = s.ausnutzung + ausnutzung;
    s.ende = m.W - m.R;
    return s;
}

double Projektnachweis::Kopfzeile(Seitenmaler& seite, const Spalten& s, double y) const {
    seite.Schrift(10, Fett);
    seite.Text(s.nummer, y, Nachweis::tr("Pos."));
    seite.Text(s.name, y, Nachweis::tr("Bezeichnung"));
    seite.Text(s.fall, y, Nachweis::tr("Anwendungsfall"));
    seite.Text(s.dorn, y, Nachweis::tr("Dorn"));
    seite.TextRechts(s.ausnutzung - Spaltenabstand, y, Nachweis::tr("Anzahl"));
    seite.TextRechts(s.zulaessig - Spaltenabstand, y, Nachweis::tr("Ausnutzung"));
    seite.Text(s.zulaessig, y, Nachweis::tr("zulässig"));
    y += seite.Zeile(10) + Zeilenabstand;
    seite.Linie(s.nummer, y, s.ende, y);
    return y + Zeilenabstand;
}

// One row of the table; a position that delivers no dowel is red, with its reasons below in small type.
double Projektnachweis::Zeile(Seitenmaler& seite, const Spalten& s, double y, int index) const {
    const Projektposition& p = positionen[static_cast<std::size_t>(index)];
    const TKAnwendung& a = p.anwendung;
    const Umgebung& umgebung = modell.GetUmgebung();
    const bool bemessen = p.hinweise.empty() && a.cErgebnisse.GetBerechnet();
    const Dornwahl wahl = GewaehlterDorn(a);
    const bool gut = bemessen && wahl.Zulaessig();
    const bool mitDorn = bemessen && wahl.zustand != Wahlzustand::KeinGueltigerDorn;
    auto zeile = [&](int stil) {
        seite.Schrift(10, stil);
        if (!gut) seite.Farbe(Rot);
    };
    zeile(gut ? Normal : Fett);
    seite.TextRechts(s.name - Spaltenabstand, y, QString::number(index + 1));
    auto abgeschnitten = [&](const QString& text, double von, double bis) {
        const QStringList zeilen = seite.Umbrechen(text, bis - von - Spaltenabstand, 1);
        seite.Text(von, y, zeilen.isEmpty() ? QString() : zeilen.front());
    };
    abgeschnitten(Q(a.GetPosition()), s.name, s.fall);
    abgeschnitten(ListenText(TextListe::Anwendungsfall, Ord(a.GetAnwendungsfall())), s.fall, s.dorn);
    const TKDornErgebnis& e = a.cErgebnisse.cDornErgebnis[Ord(wahl.dorn)];
    const char t = umgebung.Dezimaltrenner();
    seite.Text(s.dorn, y, mitDorn ? Q(DornName(wahl.dorn)) : QStringLiteral("–"));
    if (mitDorn) {
        seite.TextRechts(s.ausnutzung - Spaltenabstand, y,
                         QString::number(a.cErgebnisse.GetAnzDorn(wahl.dorn)));
        seite.TextRechts(s.zulaessig - Spaltenabstand, y, Zahl(e.GetEtaQ() * 100, 1, t) + " %");
    }
    seite.Text(s.zulaessig, y,
               !bemessen ? Nachweis::tr("nicht bemessen")
               : gut     ? Nachweis::tr("ja")
                         : Nachweis::tr("nein"));
    y += seite.Zeile(10);

    seite.Schrift(8);
    seite.Farbe(Rot);
    for (const QString& grund : Gruende(p, wahl, umgebung))
        for (const QString& text : seite.Umbrechen(grund, s.ende - s.name)) {
            seite.Text(s.name, y, text);
            y += seite.Zeile(8);
        }
    return y + Zeilenabstand;
}

// Below the header the number of positions and, in red, how many deliver no dowel; the table below them.
double Projektnachweis::Zusammenfassung(const Seitenlayout& layout) const {
    return layout.Masse().T + Kopfende(layout, Titel(), ProjektKopf(modell)) + 0.5;
}

double Projektnachweis::Tabellenanfang(const Seitenlayout& layout) const {
    return Zusammenfassung(layout) + 2 * layout.Zeile(10) + 0.3;
}

void Projektnachweis::Deckblatt(Seitenmaler& seite, const Nachweisseite& teil) const {
    const Seitenmasse& m = seite.M();
    const double y = Zusammenfassung(seite.Layout());
    seite.Schrift(10);
    seite.Text(m.L, y, Nachweis::tr("Positionen im Projekt: %1").arg(positionen.size()));
    if (const int fehlende = Fehlende(); fehlende > 0) {
        seite.Schrift(10, Fett);
        seite.Farbe(Rot);
        seite.Text(m.L, y + seite.Zeile(10),
                   Nachweis::tr("davon ohne zulässigen Dorn oder nicht bemessen: %1").arg(fehlende));
    }
    const Spalten s = Spaltenlage(seite);
    double zeile = Kopfzeile(seite, s, Tabellenanfang(seite.Layout()));
    for (int i = teil.von; i < teil.bis; ++i) zeile = Zeile(seite, s, zeile, i);
}

std::vector<Projektnachweis::Seite> Projektnachweis::Seiten(const Seitenlayout& layout) const {
    std::vector<Seite> seiten;
    QImage messung = Messbild(layout);
    QPainter canvas(&messung);
    Seitenmaler seite(canvas, layout);
    const Spalten s = Spaltenlage(seite);
    const double anfang = Kopfzeile(seite, s, Tabellenanfang(layout));
    const double grenze = Fusslinie(layout) - AbstandZumFuss;
    const int anzahl = static_cast<int>(positionen.size());
    double y = anfang;
    int von = 0;
    for (int i = 0; i < anzahl; ++i) {
        const double unten = Zeile(seite, s, y, i);
        if (i > von && unten > grenze) {
            seiten.push_back({-1, {Seitenart::Erste, von, i}});
            von = i;
            y = Zeile(seite, s, anfang, i);
        } else {
            y = unten;
        }
    }
    seiten.push_back({-1, {Seitenart::Erste, von, anzahl}});

    for (int i = 0; i < anzahl; ++i) {
        const Projektposition& p = positionen[static_cast<std::size_t>(i)];
        if (!p.hinweise.empty() || !p.anwendung.cErgebnisse.GetBerechnet()) continue;
        for (const Nachweisseite& teil : Nachweis(i).Seiten(layout)) seiten.push_back({i, teil});
    }
    return seiten;
}

void Projektnachweis::SeiteZeichnen(QPainter& canvas, const Seitenlayout& layout, const Seite& seite,
                                    Seitenzahl zahl) const {
    if (seite.position >= 0) return Nachweis(seite.position).SeiteZeichnen(canvas, layout, seite.seite, zahl);
    Seitenmaler maler(canvas, layout);
    Kopfdaten kopf = ProjektKopf(modell);
    kopf.seite = zahl;
    Seitenkopf(maler, Titel(), kopf);
    Deckblatt(maler, seite.seite);
}

bool ProjektnachweisDrucken(QPagedPaintDevice& drucker, const Projektnachweis& nachweis) {
    Geraeteseiten folge(drucker, SeitenmasseSetzen(drucker.pageLayout()));
    if (!folge.Bereit()) return false;
    AlleSeitenZeichnen(folge, nachweis);
    return folge.Beenden();
}

QString ProjektnachweisSpeichern(const Dateiname& datei, Ausgabeformat format,
                                 const Projektnachweis& nachweis, const QPageLayout& seite) {
    Ausgabeinhalt inhalt;
    inhalt.titel = Nachweis::tr("Berechnungsnachweis");
    inhalt.seite = seite;
    inhalt.seiten = [&](QPagedPaintDevice& pdf) { return ProjektnachweisDrucken(pdf, nachweis); };
    return AusgabeSchreiben(datei, format, inhalt);
}
