#include "output/Seitenkopf.h"

#include <QPainter>
#include <algorithm>

#include "model/Katalog.h"
#include "model/TKAnwendung.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"
#include "output/Bildbeschriftung.h"
#include "output/Nachweistext.h"
#include "output/Seitenmaler.h"
#include "output/Textlisten.h"

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Where the lines of the header stand (cm from the origin of the printable area); every header line
// advances by measured line heights only, so the layout is known before anything is drawn.
struct Kopflage {
    double titel;     // product title; the page title one line16 lower
    double projekt;   // first line of company, dates and editor
    double position;  // position line of a calculation proof
    double fehler;    // inadmissibility sentence
    double ende;      // below the last line
};

// The text cut off with an ellipsis where it would be wider than `breite` cm in the current font.
QString EineZeile(const Seitenmaler& seite, const QString& text, double breite) {
    const QStringList zeilen = seite.Umbrechen(text, breite, 1);
    return zeilen.isEmpty() ? QString() : zeilen.front();
}

bool IstNachweis(const QString& titel) {
    return titel.contains(Nachweis::tr("Berechnungsnachweis für "));
}

Kopflage Lage(const Seitenlayout& layout, const QString& titel, const Kopfdaten& daten) {
    Kopflage lage;
    lage.titel = layout.Masse().T + 1.6;
    lage.projekt = lage.titel + 2 * layout.Zeile(16);
    lage.position = lage.projekt + 3 * layout.Zeile(10);
    lage.fehler = lage.position + (IstNachweis(titel) ? layout.Zeile(10) : 0) + layout.Zeile(10);
    lage.ende = daten.fehler.isEmpty()
                    ? lage.fehler - layout.Zeile(10)
                    : lage.fehler + layout.Zeile(12) + 0.15 + daten.fehler.size() * layout.Zeile(10);
    return lage;
}

void Logo(Seitenmaler& seite) {
    const Seitenmasse& m = seite.M();
    const Seitenlayout& l = seite.Layout();
    BildMitWorten(seite.Canvas(), QStringLiteral(":/Drucklogo.svg"),
                  QRectF(QPointF(l.X(m.L + 0.5), l.Y(m.T - 0.3)), QPointF(l.X(m.L + 4.5), l.Y(m.T + 1.5))),
                  DrucklogoWorte());
}

void Kopfzeile(Seitenmaler& seite, const Kopfdaten& daten) {
    const Seitenmasse& m = seite.M();
    const double x = m.L + 5.5;
    seite.Schrift(8, Fett);
    seite.Text(x, m.T, Nachweis::tr("Bauvorhaben:  "));
    const double y = m.T + seite.Zeile(8);
    const int zeilen = std::max(1, static_cast<int>((1.33 - seite.Zeile(8)) / seite.Zeile(10)));
    seite.Schrift(10);
    // The building project fills the header box beside the logo; text beyond its last line is cut off with
    // an ellipsis rather than written over the frame.
    const QStringList text = seite.Umbrechen(daten.bauvorhaben, 8, zeilen);
    for (qsizetype i = 0; i < text.size(); ++i) seite.Text(x, y + i * seite.Zeile(10), text[i]);

    seite.Schrift(8, Fett);
    const double nummer = seite.Text(m.L + 13.75, m.T, Nachweis::tr("Seite:")) + seite.Breite(" ");
    const double nr = seite.Text(m.L + 13.75, m.T + 0.63, Nachweis::tr("Proj.-Nr.:")) + seite.Breite(" ");
    seite.Schrift(10);
    if (daten.seite.anzahl > 0)
        seite.Text(nummer, m.T, Nachweis::tr("%1 von %2").arg(daten.seite.nummer).arg(daten.seite.anzahl));
    seite.Text(nr, m.T + 0.63, daten.projektNr);
}

void Fusszeile(Seitenmaler& seite) {
    const Seitenmasse& m = seite.M();
    const double y = (m.H - m.B) - 2 * seite.Zeile(8);
    seite.Schrift(8, Fett);
    seite.Text(m.L, y, Nachweis::tr("QUORVEL GmbH"));
    seite.Text(m.L, y + seite.Zeile(8), QStringLiteral(" "));
    seite.Schrift(6);
    const QString zulassung = Nachweis::tr(
        "QUORVEL® Doppelschubdorn ZAVR/ZAVRQ: Zulassung gemäß DIN 1045-1 und DIN EN 1992-1-1 (EC2)");
    seite.MarkenText(m.W - m.R - seite.MarkenBreite(zulassung), y, zulassung);
    seite.TextRechts(m.W - m.R, y + seite.Zeile(8), QStringLiteral("ZAVR - 3.1.2"));
}

void Rahmen(Seitenmaler& seite) {
    const Seitenmasse& m = seite.M();
    const double links = m.L - 0.2, rechts = m.W - m.R + 0.2;
    seite.Rahmen(links, m.T - 0.1, rechts, m.H - m.B + 0.1);
    const double fuss = Fusslinie(seite.Layout());
    seite.Linie(links, fuss, rechts, fuss);
    seite.Linie(links, m.T + 1.33, rechts, m.T + 1.33);
    seite.Linie(m.L + 5.25, m.T - 0.1, m.L + 5.25, m.T + 1.33);
    seite.Linie(m.L + 13.5, m.T - 0.1, m.L + 13.5, m.T + 1.33);
    seite.Linie(m.L + 13.5, m.T + 0.61, rechts, m.T + 0.61);
}

void Titelzeilen(Seitenmaler& seite, double y, const QString& titel) {
    const double mitte = (seite.M().W + seite.M().L) / 2;
    const QString produkt = Nachweis::tr("QUORVEL® Doppelschubdorn nach Zulassung Z-98.6-341");
    seite.Schrift(16);
    seite.MarkenText(mitte - seite.MarkenBreite(produkt) / 2, y, produkt);
    seite.TextMitte(mitte, y + seite.Zeile(16), titel);
}

// Dates and editor right-aligned, the company lines on the left; without company lines an empty line.
void Projektzeilen(Seitenmaler& seite, double y, const Kopfdaten& daten) {
    const Seitenmasse& m = seite.M();
    const double zeile = seite.Zeile(10);
    seite.Schrift(10);
    const QString rechts[] = {Nachweis::tr("Datum: ") + daten.datum,
                              Nachweis::tr("Ausdruck vom: ") + daten.heute,
                              Nachweis::tr("Bearbeiter: ") + daten.bearbeiter};
    double breitesteRechts = 0;
    for (int i = 0; i < 3; ++i) {
        seite.TextRechts(m.W - m.R, y + i * zeile, rechts[i]);
        breitesteRechts = std::max(breitesteRechts, seite.Breite(rechts[i]));
    }
    // A long company line ends with an ellipsis before the dates rather than running into them.
    const double x = seite.Text(m.L, y, Nachweis::tr("Büro / Firma: "));
    const double platz = m.W - m.R - breitesteRechts - 0.3 - x;
    const qsizetype firma = std::min<qsizetype>(3, daten.firma.size());
    for (qsizetype i = 0; i < firma; ++i)
        seite.Text(x, y + i * zeile, EineZeile(seite, daten.firma[i], platz));
}

void Positionszeile(Seitenmaler& seite, double y, const Kopfdaten& daten) {
    const double x =
        std::max(seite.Breite(Nachweis::tr("Bauvorhaben:  ")), seite.Breite(Nachweis::tr("Büro / Firma: ")));
    seite.Text(seite.M().L, y, Nachweis::tr("Position: "));
    seite.Text(seite.M().L + x, y, daten.position);
}

void Unzulaessigkeit(Seitenmaler& seite, double y, const QStringList& fehler) {
    const double x = seite.M().L;
    seite.Schrift(12, Fett | Kursiv);
    seite.Text(x, y,
               Nachweis::tr("Der Einsatz des Dornes ist auf Grund nachfolgeder Begründung unzulässig:"));
    y += seite.Zeile(12) + 0.15;
    seite.Schrift(10);
    for (const QString& text : fehler) {
        seite.Text(x, y, EineZeile(seite, text, seite.M().W - seite.M().R - x));
        y += seite.Zeile(10);
    }
}

}  // namespace

Kopfdaten ProjektKopf(const TKModell& modell) {
    const TKProjektdaten& projekt = modell.cProjektdaten;
    Kopfdaten daten;
    daten.bauvorhaben = Q(projekt.GetBauvorhaben());
    for (const std::string& zeile : projekt.GetFirma()) daten.firma << Q(zeile);
    daten.bearbeiter = Q(projekt.GetBearbeiter());
    daten.datum = Q(projekt.GetDatum());
    daten.projektNr = Q(projekt.GetProjektNr());
    daten.heute = Q(modell.GetUmgebung().HeuteKurz());
    return daten;
}

Kopfdaten NachweisKopf(const TKModell& modell, const TKAnwendung& anwendung) {
    Kopfdaten daten = ProjektKopf(modell);
    daten.position = Q(anwendung.GetPosition());
    const TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    for (auto code : ergebnisse.cDornErgebnis[Ord(ergebnisse.GetAktDorn())].cFehler.GetMeldungen())
        daten.fehler << ListenText(TextListe::StatusLang, code);
    return daten;
}

QString NachweisTitel(const TKAnwendung& anwendung) {
    return Nachweis::tr("Berechnungsnachweis für ") + Q(DornName(anwendung.cErgebnisse.GetAktDorn()));
}

double Seitenkopf(Seitenmaler& seite, const QString& titel, const Kopfdaten& daten) {
    const Kopflage lage = Lage(seite.Layout(), titel, daten);
    seite.Schrift(10);
    Logo(seite);
    Kopfzeile(seite, daten);
    Fusszeile(seite);
    Rahmen(seite);
    Titelzeilen(seite, lage.titel, titel);
    Projektzeilen(seite, lage.projekt, daten);
    if (IstNachweis(titel)) Positionszeile(seite, lage.position, daten);
    if (!daten.fehler.isEmpty()) Unzulaessigkeit(seite, lage.fehler, daten.fehler);
    return Kopfende(seite.Layout(), titel, daten);
}

double Kopfende(const Seitenlayout& layout, const QString& titel, const Kopfdaten& daten) {
    return std::max(1.0, Lage(layout, titel, daten).ende - layout.Masse().T);
}

double Fusslinie(const Seitenlayout& layout) {
    const Seitenmasse& m = layout.Masse();
    return (m.H - m.B - 0.1) - 2 * layout.Zeile(8);
}
