#include "output/Skizzenzeichner.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "model/TKBelastung.h"
#include "model/TKDornDaten.h"
#include "model/TKDornErgebnis.h"
#include "model/TKGeometrie.h"
#include "model/Zahlentext.h"
#include "output/Skizzenprimitive.h"
#include "output/Skizzenquelle.h"

namespace {

constexpr int MaxStaebe = Skizzenzeichner::MaxStaebe;
// Scaled lengths stay far inside int so that no coordinate arithmetic can overflow.
constexpr double MaxKoordinate = 1e7;

int Runden(double wert) {
    if (!std::isfinite(wert)) return 0;
    return static_cast<int>(std::lround(std::clamp(wert, -MaxKoordinate, MaxKoordinate)));
}

int Paare(int anzahl) {
    return std::clamp(anzahl / 2, 0, MaxStaebe);
}

// Number of B2 spacings per B1 layer; no B1 layer means no B2 spacings either.
int B2JeLage(const TKDornDaten& dorn) {
    const int lagen = dorn.GetAnzPosB1() / 2;
    return lagen > 0 ? std::clamp(dorn.GetAnzPosB2() / 2 / lagen, 0, MaxStaebe) : 0;
}

// The upper bound of the joint width class: 20, 30, 40, 50 or 60 mm.
double Fugenbreite(TsFugenbreite klasse) {
    return 20.0 + 10.0 * Ord(klasse);
}

// Joint length of the drawing; a point load is drawn between the two member edges.
double Fugenlaenge(const Skizzenquelle& quelle) {
    if (quelle.Belastung.GetBelastungsfall() == TsBelastungsfall::bfPunktlast)
        return quelle.Geometrie.GetBauteilRandLinks() + quelle.Geometrie.GetBauteilRandRechts();
    return quelle.Geometrie.GetFugenlaenge();
}

// Member depth of the input sketch: 1.5 h, or the depth reached by the B bars when that is more.
double EingabeTiefe(const Skizzenquelle& quelle) {
    const TKDornDaten& dorn = quelle.DornDaten;
    double b2 = 0;
    for (int i = 0; i < B2JeLage(dorn); ++i) b2 += Skizzenzeichner::Eintrag(dorn.GetDistPosB2(), i);
    const double tiefe = quelle.Geometrie.GetBetondeckungVorn() + dorn.GetDistPosB1Rand() + b2;
    return std::max(1.5 * quelle.Geometrie.GetPlatteDicke(), tiefe);
}

double Betrag(double wert) {
    return std::fabs(wert);
}

// The smaller value; an undefined value stays undefined, so that it can be told from a real scale.
double Kleiner(double a, double b) {
    return std::isnan(a) || std::isnan(b) ? NAN : std::min(a, b);
}

}  // namespace

Skizzenzeichner::Skizzenzeichner(QPainter& canvas, const TKFarbe& farbe, char dezimaltrenner)
    : canvas(canvas), farbe(farbe), dezimaltrenner(dezimaltrenner) {}

bool Skizzenzeichner::SkizzenDatenSetzen(int art, const TrRechteck& rechteck, const Skizzenquelle& quelle) {
    SchriftSetzen(canvas, 12);
    Texthoehe = std::max(1, TextHoehe(canvas, QStringLiteral("W")));
    SchriftSetzen(canvas, 10);
    Richtung = rechteck.Right < rechteck.Left ? -1 : 1;
    Massstab = Skalierung(art, rechteck, quelle);
    if (!std::isfinite(Massstab) || Massstab <= 0) return false;
    DatenFuellen(art, quelle);
    NullPunktSetzen(art, rechteck, quelle);
    if (art == 2) SchnittEinpassen(rechteck, quelle);
    return true;
}

int Skizzenzeichner::Verankerungslaenge() {
    SchriftSetzen(canvas, 8);
    const int laenge = TextBreite(
        canvas, QCoreApplication::translate("Skizze", "verankern mit l") + QStringLiteral("b,netWW"));
    SchriftSetzen(canvas, 10);
    return laenge;
}

double Skizzenzeichner::Skalierung(int art, const TrRechteck& rechteck, const Skizzenquelle& quelle) const {
    const double w = rechteck.Right - rechteck.Left;
    const double h = rechteck.Bottom - rechteck.Top;
    const double th = Texthoehe;
    const double dicke = quelle.Geometrie.GetPlatteDicke();
    const double bx = quelle.DornErgebnis.Getbx();
    const double by = quelle.DornErgebnis.Getby();
    const double laenge = quelle.DornDaten.GetDornLaenge();
    switch (art) {
        case 0:
        case 2:  // Ansicht and Schnitt share one scale in equal rectangles
            return Kleiner(Betrag((h - 9 * th) / dicke),
                           Betrag(Kleiner((w - 5 * th) / by, (w - th) / (bx + 2 * laenge))));
        case 1:
            return Kleiner(Betrag((h - 5 * th) / bx), Betrag((w - 5 * th) / by));
        case 3:
            return Kleiner(Betrag((h - 6 * th) / dicke), Betrag((w - 3 * th) / Fugenlaenge(quelle)));
        case 4: {
            const double f = Fugenbreite(quelle.Geometrie.GetFugenbreite());
            return Kleiner(Betrag((h - 4 * th) / dicke),
                           Betrag((w - 4 * Richtung * th) / (f + EingabeTiefe(quelle))));
        }
        default:
            return 1;
    }
}

void Skizzenzeichner::NullPunktSetzen(int art, const TrRechteck& rechteck, const Skizzenquelle& quelle) {
    const int mx = (rechteck.Left + rechteck.Right) / 2;
    const int my = (rechteck.Top + rechteck.Bottom) / 2;
    const int th = Texthoehe;
    switch (art) {
        case 0:
            Daten.NullPunkt = QPoint(mx - th, my + th);
            break;
        case 1:
            Daten.NullPunkt = QPoint(mx - th, my + Skaliert(quelle.DornErgebnis.Getbx()) / 2);
            break;
        case 2: {
            // Room on the joint side for the dowel and the longest B1 label; a mirrored rectangle
            // keeps that room on its own side.
            const int rand = std::max(TextBreite(canvas, QStringLiteral("Pos B1 (2Q24) ")),
                                      Skaliert(quelle.DornDaten.GetDornLaenge()) + 5);
            Daten.NullPunkt = QPoint(rechteck.Left + Richtung * rand, my + th);
            break;
        }
        case 3:
            Daten.NullPunkt = QPoint(rechteck.Left + 2 * th, my + th);
            break;
        case 4:
            Daten.NullPunkt = QPoint(rechteck.Left + Richtung * Daten.FugenBreite / 2 - th,
                                     (rechteck.Top + rechteck.Bottom + th) / 2);
            break;
        default:
            break;
    }
}

int Skizzenzeichner::Skaliert(double laenge) const {
    return Runden(laenge * Massstab);
}

void Skizzenzeichner::DatenFuellen(int art, const Skizzenquelle& quelle) {
    const TKDornDaten& dorn = quelle.DornDaten;
    const TKDornErgebnis& ergebnis = quelle.DornErgebnis;
    const TKGeometrie& geometrie = quelle.Geometrie;
    const int r = Richtung;
    TrDaten& d = Daten;

    d.BauteilTiefe = r * Skaliert(art == 4 ? EingabeTiefe(quelle) : ergebnis.Getbx());
    d.BauteilBreite = Skaliert(ergebnis.Getby());
    d.Bauteildicke = Skaliert(geometrie.GetPlatteDicke());
    d.EinflussBereich = Skaliert(dorn.GetEinflussBereich());
    const std::vector<double>& distD = dorn.GetDistPosD();
    d.BereichPosD =
        Skaliert(dorn.GetEinflussBereich() + 2 * std::accumulate(distD.begin(), distD.end(), 0.0));
    d.PosAd = Skaliert(dorn.GetPosAd());
    d.PosB2d = Skaliert(dorn.GetPosB2d());
    d.PosB1d = Skaliert(dorn.GetPosB1d());
    d.PosCd = Skaliert(dorn.GetPosCd());
    d.PosDd = Skaliert(dorn.GetPosDd());
    d.AnzPosA = dorn.GetAnzPosA();
    d.AnzPosB2 = dorn.GetAnzPosB2();
    d.AnzPosB1 = dorn.GetAnzPosB1();
    d.AnzPosC = dorn.GetAnzPosC();
    d.AnzPosD = dorn.GetAnzPosD();

    d.DistPosA.assign(Paare(d.AnzPosA), 0);
    for (int k = 0; k < static_cast<int>(d.DistPosA.size()); ++k)
        d.DistPosA[k] = Skaliert(Eintrag(dorn.GetDistPosA(), k));
    d.DistPosB2.assign(B2JeLage(dorn), 0);
    for (int k = 0; k < static_cast<int>(d.DistPosB2.size()); ++k)
        d.DistPosB2[k] = r * Skaliert(Eintrag(dorn.GetDistPosB2(), k));
    d.DistPosB1.assign(Paare(d.AnzPosB1), 0);
    for (int k = 1; k < static_cast<int>(d.DistPosB1.size()); ++k)
        d.DistPosB1[k] = Skaliert(Eintrag(dorn.GetDistPosB1(), k - 1));
    d.DistPosD.assign(Paare(d.AnzPosD), 0);
    for (int k = 1; k < static_cast<int>(d.DistPosD.size()); ++k)
        d.DistPosD[k] = Skaliert(Eintrag(distD, k - 1));
    d.DistPosB1Rand = r * Skaliert(dorn.GetDistPosB1Rand());
    d.DistPosCRand = r * Skaliert(dorn.GetDistPosCRand());

    const int anzDorn = std::max(0, quelle.AnzDorn);
    d.DornPosition.assign(anzDorn + 1, 0);
    double summe = 0;
    for (int i = 0; i <= anzDorn; ++i) {
        summe += ergebnis.GetDornAbstand(i);
        d.DornPosition[i] = Skaliert(summe);
    }

    d.DornBreite = r * Skaliert(dorn.GetDornBreite());
    d.DornHoehe = Skaliert(dorn.GetDornHoehe());
    d.DornDurchmesser = Skaliert(dorn.GetDornDurchmesser());
    d.DornAbstand = Skaliert(dorn.GetDornAbstand());
    d.DornLaenge = r * Skaliert(dorn.GetDornLaenge());
    d.DornRERohrb = Skaliert(dorn.GetDornRERohrb());
    d.DornRERohrh = Skaliert(dorn.GetDornRERohrh());
    d.DornStab1l = Skaliert(dorn.GetDornStab1l());
    d.DornStab2l = Skaliert(dorn.GetDornStab2l());
    d.DornStab1d = Skaliert(dorn.GetDornStab1d());
    d.DornStab2d = Skaliert(dorn.GetDornStab2d());
    d.DornStab1a = r * Skaliert(dorn.GetDornStab1a());
    d.DornStab2a = r * Skaliert(dorn.GetDornStab2a());
    d.DornPlattel = r * Skaliert(dorn.GetDornPlattel());

    d.BetDeckungOben = Skaliert(geometrie.GetBetondeckungOben());
    d.BetDeckungUnten = Skaliert(geometrie.GetBetondeckungUnten());
    d.BetDeckungVorn = r * Skaliert(geometrie.GetBetondeckungVorn());
    d.FugenBreite = Skaliert(Fugenbreite(geometrie.GetFugenbreite()));
    d.FugenLaenge = Skaliert(Fugenlaenge(quelle));
    d.RandLinks = geometrie.GetRandLinks();
    d.RandRechts = geometrie.GetRandRechts();
    d.LinienLast = quelle.Belastung.GetLinienlast();
    d.Anwendungsfall = quelle.Anwendungsfall;
    d.Brandschutz = quelle.Brandschutz;
}

void Skizzenzeichner::Hintergrund(const TrRechteck& rechteck) {
    const QRect flaeche = QRect(QPoint(rechteck.Left, rechteck.Top), QPoint(rechteck.Right, rechteck.Bottom))
                              .normalized()
                              .adjusted(0, 0, -1, -1);
    canvas.fillRect(flaeche, farbe.GetFarbe(TKFarbe::Element::Hintergrund));
    rechterRand = flaeche.right();
}

void Skizzenzeichner::Betonflaeche(const QRect& flaeche) {
    const QColor fuellung = farbe.GetFarbe(TKFarbe::Element::BetonBrush);
    canvas.setPen(QPen(fuellung, 1));
    canvas.setBrush(fuellung);
    canvas.drawRect(flaeche.normalized());
}

// Real member faces are drawn thick; faces where the member is only cut off are dotted and reach a little
// beyond the corners (or stop short of them, for the wall of the input sketch).
void Skizzenzeichner::Betonkante(QPoint von, QPoint bis, Kante art) {
    const QColor farbeKante = farbe.GetFarbe(TKFarbe::Element::BetonPen);
    if (art == Kante::Dick) {
        canvas.setPen(QPen(farbeKante, 3));
        canvas.drawLine(von, bis);
        return;
    }
    const int ueberstand = art == Kante::Geschnitten ? 5 : -5;
    const QPoint richtung((bis.x() > von.x()) - (bis.x() < von.x()),
                          (bis.y() > von.y()) - (bis.y() < von.y()));
    canvas.setPen(QPen(farbeKante, 1, Qt::DotLine));
    canvas.drawLine(von - richtung * ueberstand, bis + richtung * ueberstand);
}

void Skizzenzeichner::Bewehrungsstil(TKFarbe::Element position) {
    const QColor stab = farbe.GetFarbe(position);
    canvas.setPen(QPen(stab, 1));
    canvas.setBrush(stab);
}

void Skizzenzeichner::Dornstil() {
    canvas.setPen(QPen(farbe.GetFarbe(TKFarbe::Element::DornPen), 1));
    canvas.setBrush(farbe.GetFarbe(TKFarbe::Element::DornBrush));
}

void Skizzenzeichner::Bemassungsstil() {
    canvas.setPen(QPen(farbe.GetFarbe(TKFarbe::Element::Bemassung), Linienbreite));
    canvas.setBrush(Qt::NoBrush);
}

// Bent bars and stirrups are drawn as lines as thick as the bar.
void Skizzenzeichner::Stabstift(TKFarbe::Element position, int breite) {
    canvas.setPen(QPen(farbe.GetFarbe(position), breite, Qt::SolidLine, Qt::FlatCap));
    canvas.setBrush(Qt::NoBrush);
}

QString Skizzenzeichner::Cm(double millimeter) const {
    return QString::fromStdString(ZentimeterText(millimeter, dezimaltrenner));
}

void Skizzenzeichner::Mass(QPoint von, QPoint bis, QPoint versatz, const QString& haupt, const QString& index,
                           bool vertikal) {
    Masslinie(canvas, von, bis, versatz, haupt, index, vertikal, Texthoehe, Linienbreite);
}

void Skizzenzeichner::Kette(const std::vector<int>& xWerte, int y, const std::vector<QString>& texte) {
    for (std::size_t i = 1; i < xWerte.size(); ++i)
        Mass({xWerte[i - 1], y}, {xWerte[i], y}, {}, i - 1 < texte.size() ? texte[i - 1] : QString());
}

void Skizzenzeichner::SenkrechteKette(int x, const std::vector<int>& yWerte,
                                      const std::vector<QString>& texte) {
    for (std::size_t i = 1; i < yWerte.size(); ++i)
        Mass({x, yWerte[i - 1]}, {x, yWerte[i]}, {}, i - 1 < texte.size() ? texte[i - 1] : QString(), {},
             true);
}

void Skizzenzeichner::Hinweis(const std::vector<QPoint>& punkte, const QString& haupt, int durchmesser) {
    Positionshinweis(canvas, punkte, haupt, QStringLiteral("Ø"), QString::number(durchmesser) + ")");
}

void Skizzenzeichner::Pfeil(QPoint fuss, QPoint spitze, const QString& haupt, const QString& index,
                            bool vertikal) {
    Lastpfeil(canvas, fuss, spitze, QPoint(Texthoehe / 5, Texthoehe / 5), haupt, index, vertikal,
              Linienbreite);
}

// The anchorage arrow: as long as its own label plus a little, pointing away from the joint.
void Skizzenzeichner::Verankerungspfeil(int x, int y) {
    const int laenge = Verankerungslaenge();
    Pfeil({x, y}, {x + Richtung * laenge, y}, QCoreApplication::translate("Skizze", "verankern mit l"),
          QStringLiteral("b,net"), false);
}

void Skizzenzeichner::Titel(const QString& text, int x, int y) {
    TitelSchriftSetzen(canvas);
    x = std::max(0, x);
    // A title longer than the sketch is wide (a small sketch, a language with long words) is set smaller,
    // down to 6 points, and only then shortened.
    const int platz = rechterRand - x;
    QFont schrift = canvas.font();
    for (int punkte = schrift.pointSize(); punkte > 6 && TextBreite(canvas, text) > platz; --punkte) {
        schrift.setPointSize(punkte - 1);
        canvas.setFont(schrift);
    }
    canvas.setPen(farbe.GetFarbe(TKFarbe::Element::Bemassung));
    TextAus(canvas, x, std::max(0, y),
            canvas.fontMetrics().elidedText(text, Qt::ElideRight, std::max(platz, 0)));
}

std::vector<int> Skizzenzeichner::Laufsummen(const std::vector<int>& abstaende) {
    std::vector<int> summen;
    int summe = 0;
    for (int abstand : abstaende) summen.push_back(summe += abstand);
    return summen;
}

double Skizzenzeichner::Eintrag(const std::vector<double>& werte, int i) {
    return i >= 0 && i < static_cast<int>(werte.size()) ? werte[i] : 0.0;
}

int Skizzenzeichner::SummeDistPosB1(int lage) const {
    int summe = 0;
    for (int k = 0; k <= lage && k < static_cast<int>(Daten.DistPosB1.size()); ++k)
        summe += Daten.DistPosB1[k];
    return summe;
}

// The dowel seen onto the joint face, centred on (x, y): rods, box, the sleeve tubes where they are wider
// than the bars (or always), and the two bars.
void Skizzenzeichner::DornVorne(int x, int y, bool rohreImmer) {
    const TrDaten& d = Daten;
    auto mittig = [](int cx, int cy, int b, int h) {
        b = std::abs(b);
        h = std::abs(h);
        return QRect(cx - b / 2, cy - h / 2, b, h);
    };
    canvas.drawRect(mittig(x, y, d.DornStab2l, d.DornStab2d));
    canvas.drawRect(mittig(x, y, d.DornStab1l, d.DornStab1d));
    canvas.drawRect(mittig(x, y, d.DornBreite, d.DornHoehe));
    if (rohreImmer || d.DornDurchmesser < d.DornRERohrb) {
        const int abstand = (d.DornAbstand + d.DornRERohrh) / 2;
        canvas.drawRect(mittig(x, y - abstand, d.DornRERohrb, d.DornRERohrh));
        canvas.drawRect(mittig(x, y + abstand, d.DornRERohrb, d.DornRERohrh));
    }
    canvas.drawEllipse(mittig(x, y - d.DornAbstand / 2, d.DornDurchmesser, d.DornDurchmesser));
    canvas.drawEllipse(mittig(x, y + d.DornAbstand / 2, d.DornDurchmesser, d.DornDurchmesser));
}

// A closed bar loop with quarter-arc corners of the given radius; pen set by the caller.
void Skizzenzeichner::Schleife(int links, int oben, int rechts, int unten, int radius) {
    const int r = radius;
    canvas.drawLine(links + r, oben, rechts - r, oben);
    canvas.drawLine(links + r, unten, rechts - r, unten);
    canvas.drawLine(links, oben + r, links, unten - r);
    canvas.drawLine(rechts, oben + r, rechts, unten - r);
    canvas.drawArc(QRect(links, oben, 2 * r, 2 * r), 90 * 16, 90 * 16);
    canvas.drawArc(QRect(rechts - 2 * r, oben, 2 * r, 2 * r), 0, 90 * 16);
    canvas.drawArc(QRect(links, unten - 2 * r, 2 * r, 2 * r), 180 * 16, 90 * 16);
    canvas.drawArc(QRect(rechts - 2 * r, unten - 2 * r, 2 * r, 2 * r), 270 * 16, 90 * 16);
}

// Width of a position label in the 8 pt label font.
QString Skizzenzeichner::Marke(const QString& rest) {
    return QCoreApplication::translate("Skizze", "Pos.") + QLatin1Char(' ') + rest;
}

QString Skizzenzeichner::Buegelmarke(int anzahl) {
    return QCoreApplication::translate("Skizze", "Pos. 1 (%n Bügel ", nullptr, anzahl);
}

int Skizzenzeichner::Hinweisbreite(const QString& haupt, int durchmesser) {
    SchriftSetzen(canvas, 8);
    return TextBreite(canvas, haupt + QStringLiteral("Ø") + QString::number(durchmesser) + ")");
}
