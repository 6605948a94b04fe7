#include <QString>
#include <algorithm>
#include <cmath>
#include <vector>

#include "calc/Wirtschaftlichkeit.h"
#include "model/Katalog.h"
#include "model/TKAnwendung.h"
#include "output/Berechnungsnachweis.h"
#include "output/Nachweistext.h"
#include "output/Seitenmaler.h"
#include "output/Skizzenzeichner.h"
#include "output/Textlisten.h"

// The first page: application case, warnings, the input blocks beside the two halves of the input sketch,
// then the results and the resistances; a part that does not fit above the footer goes on a following page.

namespace {

const QString Cm = QStringLiteral("cm");

TrRechteck Rechteck(const Seitenmaler& seite, double links, double oben, double rechts, double unten) {
    const Seitenlayout& l = seite.Layout();
    return {l.X(links), l.Y(oben), l.X(rechts), l.Y(unten)};
}

// The four input blocks and the results use these columns (cm).
constexpr double EingabeSymbol = 4.5, EingabeRelation = 1.25;
constexpr double ErgebnisSymbol = 6, ErgebnisRelation = 1, RechteSpalte = 9.5;
constexpr double NachweisSymbol = 10;

}  // namespace

// Where part `teil` starts after the part before it ended at `y`; at the top of a page 0.5 cm below the
// header.
double Berechnungsnachweis::Teilanfang(int teil, double y, bool oben) {
    if (teil == 0) return y;
    if (oben) return y + 0.5;
    return teil == 1 ? y + 1.0 : y;
}

Berechnungsnachweis::Teilende Berechnungsnachweis::ErsterSeitenteil(int teil, Seitenmaler& seite,
                                                                    double y) const {
    switch (teil) {
        case 0:
            return Eingaben(seite, y);
        case 1:
            return Ergebnisse(seite, y);
        default:
            return Widerstaende(seite, y);
    }
}

void Berechnungsnachweis::ErsteSeite(Seitenmaler& seite, double y, const Nachweisseite& teile) const {
    for (int teil = teile.von; teil < teile.bis; ++teil)
        y = ErsterSeitenteil(teil, seite, Teilanfang(teil, y, teil == teile.von)).weiter;
}

// Application case, warnings, the input blocks beside the two halves of the input sketch.
Berechnungsnachweis::Teilende Berechnungsnachweis::Eingaben(Seitenmaler& seite, double y) const {
    const Seitenmasse& m = seite.M();
    const char t = Trenner();
    const TKGeometrie& g = anwendung.cGeometrie;
    const TKBelastung& last = anwendung.cBelastungDesign;
    const TsAnwendungsfall fall = anwendung.GetAnwendungsfall();
    const TsBelastungsfall lastfall = last.GetBelastungsfall();
    const TKDornErgebnis& e = Ergebnis();
    const double zeile = seite.Zeile(10);
    auto cm = [t](double mm) { return Zahl(std::nearbyint(mm) / 10, 1, t); };
    auto kn = [t](double wert) { return Zahl(wert, 1, t); };

    seite.Schrift(12, Fett);
    seite.Text(m.L, y, ListenText(TextListe::Nachweistitel, Ord(fall)));
    const double unterTitel = y + seite.Zeile(12);
    seite.Schrift(10);
    y += seite.Zeile(6);
    for (auto code : e.cWarnungen.GetMeldungen()) {
        y += zeile;
        seite.Text(m.L, y, ListenText(TextListe::Warnung, code));
    }

    // The sketch beside the input blocks; its load arrow may reach its top, which therefore stays below the
    // title of the page.
    const bool wand = IstWand(fall);
    const double skizzeOben = y + (wand ? 5.5 : 6.5);
    Zeichner(seite).SkizzeEingabeOben(
        Rechteck(seite, m.W - m.R - 9.5, std::max(unterTitel, y + (wand ? 0.5 : -0.5)), m.W - m.R + 0.5,
                 skizzeOben),
        fall, lastfall, modell, anwendung);

    std::vector<Formeleintrag> anwendungZeilen{{anwendung.GetBewehrungCalc() == TsBewehrungCalc::bcOptimal
                                                    ? Nachweis::tr("Berechnung mit optimaler Dornausnutzung")
                                                    : Nachweis::tr("Berechnung mit Bewehrung nach Zulassung"),
                                                {}}};
    if (e.GetBewehrungManuell()) anwendungZeilen.push_back({Nachweis::tr("Bewehrung manuell gewählt"), {}});
    anwendungZeilen.push_back(
        {Nachweis::tr("Betongüte"), {}, ListenText(TextListe::Betonguete, Ord(anwendung.GetBetonguete()))});
    std::vector<Formeleintrag> geometrieZeilen;
    if (wand) geometrieZeilen.push_back({Nachweis::tr("Wanddicke"), {"h", "w"}, cm(g.GetWandDicke()), Cm});
    geometrieZeilen.insert(
        geometrieZeilen.end(),
        {{Nachweis::tr("Plattendicke"), {"h"}, cm(g.GetPlatteDicke()), Cm},
         {Nachweis::tr("Betondeckung oben"), {"c", "o"}, cm(g.GetBetondeckungOben()), Cm},
         {Nachweis::tr("Betondeckung unten"), {"c", "u"}, cm(g.GetBetondeckungUnten()), Cm},
         {Nachweis::tr("Betondeckung vorn"), {"c", "1"}, cm(g.GetBetondeckungVorn()), Cm},
         {Nachweis::tr("statische Nutzhöhe"), {"d", "m"}, cm(e.GetNutzhoehe()), Cm}});
    const QString knm = QStringLiteral("kN/m");
    std::vector<Formeleintrag> lastZeilen;
    switch (lastfall) {
        case TsBelastungsfall::bfPunktlast:
            lastZeilen = {{Nachweis::tr("Einzellast am Dorn"), {"V", "Ed,p"}, kn(last.GetPunktLast()), "kN"}};
            break;
        case TsBelastungsfall::bfKonstanteLast:
            lastZeilen = {
                {Nachweis::tr("konstante Linienlast"), {"q", "Ed,L,R"}, kn(last.GetLinienLastLinks()), knm}};
            break;
        case TsBelastungsfall::bfLinienlast:
            lastZeilen = {
                {Nachweis::tr("geradlinige Linienlast"), {"q", "Ed,L"}, kn(last.GetLinienLastLinks()), knm},
                {{}, {"q", "Ed,R"}, kn(last.GetLinienLastRechts()), knm}};
            break;
        case TsBelastungsfall::bfbeliebigeLast:
            lastZeilen = {
                {Nachweis::tr("beliebiger Linienlastverlauf"), {Nachweis::tr("siehe nachfolgende Seite")}}};
            break;
    }
    std::vector<Formeleintrag> fugenZeilen{{Nachweis::tr("Fugenbreite"),
                                            {"f", {}, {}, QStringLiteral("≤")},
                                            QString::number(20 + 10 * Ord(g.GetFugenbreite())),
                                            "mm"}};
    if (fall == TsAnwendungsfall::afEinzel) {
        fugenZeilen.push_back(
            {Nachweis::tr("vorgegebener Randabstand"), {"c", "L"}, cm(g.GetBauteilRandLinks()), Cm});
        fugenZeilen.push_back({{}, {"c", "R"}, cm(g.GetBauteilRandRechts()), Cm});
    } else {
        fugenZeilen.push_back({Nachweis::tr("Fugenlänge"),
                               {"l", "f"},
                               Zahl(std::nearbyint(g.GetFugenlaenge()) / 1000, 3, t),
                               "m"});
    }
    fugenZeilen.push_back({Nachweis::tr("Brandschutz"),
                           {ListenText(TextListe::Feuerwiderstand, Ord(anwendung.GetFeuerwiderstand()))}});

    // One symbol column for all four input blocks.
    Zeilenblock ein(seite, m.L, y + seite.Zeile(16), EingabeSymbol, EingabeRelation);
    for (const auto& zeilen : {anwendungZeilen, geometrieZeilen, lastZeilen, fugenZeilen})
        ein.Anpassen(zeilen);
    auto block = [&](const QString& titel, const std::vector<Formeleintrag>& zeilen, double abstand = 0) {
        ein.Titel(titel, abstand);
        for (const Formeleintrag& zeile : zeilen) ein.Zeile(zeile);
    };
    block(Nachweis::tr("Eingaben zur Anwendung"), anwendungZeilen);
    ein.Ende();
    block(Nachweis::tr("Eingaben zur Bauteilgeometrie"), geometrieZeilen);
    ein.Ende();

    const bool beliebig = lastfall == TsBelastungsfall::bfbeliebigeLast;
    const double skizzeUnten = ein.y + (beliebig ? 6.5 : 5);
    Zeichner(seite).SkizzeEingabeUnten(
        Rechteck(seite, m.W - m.R - 9, ein.y + (beliebig ? -0.5 : -2), m.W - m.R - 1, skizzeUnten), fall,
        lastfall, modell, anwendung);

    block(Nachweis::tr("Eingaben zur Belastung"), lastZeilen, seite.Zeile(14));
    if (beliebig) ein.y += 3 * zeile;
    ein.Ende();
    block(Nachweis::tr("Eingaben zur Dehnfuge"), fugenZeilen);
    ein.Ende();
    return {ein.y, std::max({ein.y, skizzeOben, skizzeUnten})};
}

// The line of the chosen type; a type that is not admissible is never shown as the choice alone.
QString Berechnungsnachweis::Gewaehlt() const {
    const Dornwahl wahl = GewaehlterDorn(anwendung);
    const QString dorne = QString::number(AnzDorn()) + " * " + QString::fromStdString(DornName(wahl.dorn));
    switch (wahl.zustand) {
        case Wahlzustand::KeinGueltigerDorn:
            return Nachweis::tr("Kein gültiger Dorn gefunden") + " – " + Nachweis::tr("untersucht") + ": " +
                   dorne;
        case Wahlzustand::Unzulaessig:
            return Nachweis::tr("Gewählt") + ": " + dorne + " – " + Nachweis::tr("nicht zulässig");
        default:
            return Nachweis::tr("Gewählt") + ": " + dorne;
    }
}

// The chosen type, its reinforcement on the left, edge distances and spacings on the right.
Berechnungsnachweis::Teilende Berechnungsnachweis::Ergebnisse(Seitenmaler& seite, double y) const {
    const Seitenmasse& m = seite.M();
    const char t = Trenner();
    const TsAnwendungsfall fall = anwendung.GetAnwendungsfall();
    const TKDornErgebnis& e = Ergebnis();
    const double zeile = seite.Zeile(10);
    auto cm = [t](double mm) { return Zahl(std::nearbyint(mm) / 10, 1, t); };
    const TsDorn dorn = anwendung.cErgebnisse.GetAktDorn();
    seite.Schrift(14, Fett);
    seite.Text(m.L, y, Gewaehlt());

    auto flaeche = [t](double mm2) { return Zahl(std::nearbyint(mm2) / 100, 2, t); };
    auto breite = [t](double mm) { return Zahl(mm / 10, 2, t); };
    const double rundschnitt = IstPaar(fall) ? 2 * e.Getui() : e.Getui();
    const std::vector<Formeleintrag> bewehrung{
        {Nachweis::tr("Bewehrungsgrad / Dorn"), {"ρ", "  l"}, Zahl(e.GetRhol(), 3, t)},
        {Nachweis::tr("Horizontale Querbewehrung"), {"A", "sy"}, flaeche(e.GetAsy()), Cm, "2"},
        {Nachweis::tr("Vertikale Aufhängebewehrung"), {"A", "sx"}, flaeche(e.GetAsx()), Cm, "2"},
        {Nachweis::tr("Einflußbereich Bewehrung"), {"b", Nachweis::tr("y,soll")}, breite(e.GetbySoll()), Cm},
        {Nachweis::tr("Einflußbereich Bewehrung"), {"b", Nachweis::tr("x,soll")}, breite(e.Getbx()), Cm},
        {Nachweis::tr("Rundschnitt / Dorn"), {"u", "i"}, cm(rundschnitt), Cm}};
    std::vector<Formeleintrag> abstaende{
        {Nachweis::tr("Mindestrandabstand (gem. Zulassung)"), {"a", "r,min"}, cm(e.GetZulMinRand()), Cm}};
    if (fall == TsAnwendungsfall::afEinzel)
        abstaende.push_back({Nachweis::tr("minimaler Randabstand Stütze"),
                             {"a", "r,min,S"},
                             Zahl(MinRandabstandStuetze(dorn) / 10, 0, t),
                             Cm});
    abstaende.push_back({Nachweis::tr("vorhandener Randabstand"),
                         {"a", Nachweis::tr("r,vorh")},
                         cm(std::min(e.GetAbstandLinks(), e.GetAbstandRechts())),
                         Cm});
    abstaende.push_back(
        {Nachweis::tr("Mindestdornabstand (gem. Zulassung)"), {"e", "min"}, cm(e.GetZulMinAchs()), Cm});
    if (AnzDorn() > 1 && fall != TsAnwendungsfall::afEinzel)
        abstaende.push_back({Nachweis::tr("vorhandener Dornabstand"),
                             {"e", Nachweis::tr("vorh")},
                             cm(VorhandenerDornabstand()),
                             Cm});

    static const char* const Anordnung[] = {QT_TRANSLATE_NOOP("Nachweis", "Berechnung als Einzeldorn"),
                                            QT_TRANSLATE_NOOP("Nachweis", "Berechnung als Dornpaar"),
                                            QT_TRANSLATE_NOOP("Nachweis", "Berechnung als Dornreihe")};
    seite.Schrift(10);
    Zeilenblock links(seite, m.L, y + 2 * zeile, ErgebnisSymbol, ErgebnisRelation);
    links.Anpassen(bewehrung);
    links.Titel(Nachweis::tr(Anordnung[Ord(e.GetDornAnordnung())]));
    for (const Formeleintrag& zeile : bewehrung) links.Zeile(zeile);
    // The right column's German labels are wider than its symbol offset; it moves left as far as its
    // widened columns would otherwise run past the right margin.
    Zeilenblock rechts(seite, m.L + RechteSpalte, y + 2 * zeile, ErgebnisSymbol, ErgebnisRelation);
    rechts.Anpassen(abstaende);
    rechts.x = std::min(rechts.x, m.W - m.R - rechts.Breite(abstaende));
    rechts.Titel(Nachweis::tr("Rand- und Dornabstand"));
    for (const Formeleintrag& zeile : abstaende) rechts.Zeile(zeile);
    return {std::max(links.Letzte() + seite.Zeile(14), rechts.Letzte() + zeile) + zeile,
            std::max(links.y, rechts.y)};
}

// The spacing that exists: for a row of two dowels the one between them, which the checks' governing value
// (twice the smaller of edge distance and spacing) is not.
double Berechnungsnachweis::VorhandenerDornabstand() const {
    const TKDornErgebnis& e = Ergebnis();
    if (IstReihe(anwendung.GetAnwendungsfall()) && AnzDorn() == 2) return e.GetDornAbstand(1);
    return e.GetIstMinAchs();
}

// The resistances of one dowel, the utilisation and, for more than two dowels, the note on continuity.
Berechnungsnachweis::Teilende Berechnungsnachweis::Widerstaende(Seitenmaler& seite, double y) const {
    const Seitenmasse& m = seite.M();
    const char t = Trenner();
    const TKDornErgebnis& e = Ergebnis();
    const double zeile = seite.Zeile(10);
    auto kn = [t](double wert) { return Zahl(wert, 1, t); };
    const TsDorn dorn = anwendung.cErgebnisse.GetAktDorn();
    Zeilenblock nachweis(seite, m.L, y, NachweisSymbol, ErgebnisRelation);
    nachweis.Titel(Nachweis::tr("Nachweis / Dorn"), 2.5 * zeile);
    seite.Schrift(10, Fett);
    double x = seite.Text(
        m.L, nachweis.y,
        Nachweis::tr("Ermittlung der Bemessungswiderstände unter Berücksichtigung von Längs-") + " ");
    seite.Schrift(10, Fett | Unterstrichen);
    x = seite.Text(x, nachweis.y,
                   Familie(dorn) == TsDornFamilie::ZAVRQ ? Nachweis::tr("und") : Nachweis::tr("oder"));
    seite.Schrift(10, Fett);
    seite.Text(x, nachweis.y, " " + Nachweis::tr("Querverschiebung"));
    nachweis.y += 2 * zeile;

    const std::vector<Formeleintrag> widerstaende{
        {Nachweis::tr("Bemessungswiderstand gegen Stahltragfähigkeit"), {"V", "Rd,s"}, kn(e.GetVRds()), "kN"},
        {Nachweis::tr("Bemessungswiderstand gegen Durchstanzen"), {"V", "Rd,ct"}, kn(e.GetVRdct()), "kN"},
        {Nachweis::tr("Bemessungswiderstand gegen Betonkantenbruch"), {"V", "Rd,ce"}, kn(e.GetVRdce()), "kN"},
        {Nachweis::tr("maßgebender Bemessungswiderstand"), {"V", "Rd"}, kn(e.GetVRdZul()), "kN"},
        {Nachweis::tr("Bemessungswert der einwirkenden Last"), {"V", "Ed"}, kn(e.GetVRdIst()), "kN"},
        {Nachweis::tr("maximale Dornausnutzung"), {"η"}, Zahl(e.GetEtaQ() * 100, 1, t), "%"}};
    seite.Schrift(10);
    nachweis.Anpassen(widerstaende);
    for (std::size_t i = 0; i < widerstaende.size(); ++i) {
        // The governing resistance and the utilisation stand apart, the utilisation in bold.
        if (i == 3 || i == 5) nachweis.y += zeile / 2;
        if (i == 5) seite.Schrift(10, Fett);
        nachweis.Zeile(widerstaende[i]);
    }
    if (AnzDorn() <= 2) return {nachweis.y, nachweis.y};

    const double hinweis = nachweis.Letzte() + seite.Zeile(14);
    seite.Schrift(10, Unterstrichen);
    seite.Text(m.L, hinweis,
               Nachweis::tr("Hinweis: Die Durchlaufwirkung der Belastung in der Fuge muss vom Planer separat "
                            "geprüft werden!"));
    return {hinweis + zeile, hinweis + zeile};
}
