#include "dxf/zeichnung/Bewehrungsplan.h"
#include "dxf/zeichnung/DxfDateiname.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>

#include "DxfTestHilfen.h"
#include "dxf/Arc_.h"
#include "dxf/Circle_.h"
#include "dxf/zeichnung/BewehrungsBloecke.h"
#include "model/Katalog.h"

namespace {

constexpr TsDorn Z60 = TsDorn::ZAVR60HF;

TKDornDaten& Daten(TKAnwendung& anw, TsDorn dorn = Z60) {
    return anw.cErgebnisse.cDornDaten[Ord(dorn)];
}

// Surroundings whose catalogue holds a few words of the drawing; a text with a count has its singular
// under "1 " + text, as English chooses between two forms.
struct Uebersetzend : StandardUmgebung {
    std::map<std::string, std::string> katalog;
    std::string translate(const char*, const char* text) const override {
        const auto gefunden = katalog.find(text);
        return gefunden == katalog.end() ? text : gefunden->second;
    }
    std::string translate(const char* kontext, const char* text, const char*, int anzahl) const override {
        const auto einzahl = katalog.find(std::string("1 ") + text);
        if (anzahl == 1 && einzahl != katalog.end()) return MitAnzahl(einzahl->second, anzahl);
        return MitAnzahl(translate(kontext, text), anzahl);
    }
};

DXF_Object Zeichnung(const TKAnwendung& anw, TsDorn dorn = Z60, char trenner = ',',
                     std::map<std::string, std::string> katalog = {}) {
    Uebersetzend u;
    u.dezimaltrenner = trenner;
    u.katalog = std::move(katalog);
    DXF_Object doc;
    std::string fehler;
    EXPECT_TRUE(BewehrungsZeichnung(anw, dorn, u, doc, fehler)) << fehler;
    return doc;
}

// Where the drawing puts its views for the position and type.
TrAnsichtsorte Orte(const TKAnwendung& anw, TsDorn dorn = Z60) {
    TrBewehrungsMasse m;
    std::string fehler;
    EXPECT_TRUE(LeseBewehrungsMasse(anw, dorn, m, fehler));
    const StandardUmgebung u;
    DXF_Object doc;
    const TrBewehrungsBlatt blatt{doc, m, BewehrungsTexte(u, m.nC), ','};
    return Ansichtsorte(blatt, {blatt.texte.Titel + DornName(dorn), ""});
}

bool Gleich(double a, double b) {
    return std::fabs(a - b) < 1e-9;
}

int Anzahl(const std::vector<std::string>& texte, const std::string& text) {
    return static_cast<int>(std::count(texte.begin(), texte.end(), text));
}

// Runs of (entity name, layer) in the ENTITIES section, and the layer names of the LAYER table.
struct Dateiaufbau {
    std::vector<std::pair<std::string, std::string>> gruppen;
    std::vector<std::string> layer;
};

Dateiaufbau Aufbau(const DXF_Object& doc) {
    Dateiaufbau a;
    const auto paare = Gruppen(DxfText(doc));
    std::string abschnitt, tabelle, name;
    for (std::size_t i = 0; i < paare.size(); ++i) {
        const auto& [code, wert] = paare[i];
        if (code == 2 && i > 0 && paare[i - 1].second == "SECTION") abschnitt = wert;
        if (code == 2 && i > 0 && paare[i - 1].second == "TABLE") tabelle = wert;
        if (abschnitt == "TABLES" && tabelle == "LAYER" && code == 2 && paare[i - 1].second == "LAYER")
            a.layer.push_back(wert);
        if (abschnitt == "ENTITIES" && code == 0) name = wert;
        if (abschnitt == "ENTITIES" && code == 8) {
            const std::pair<std::string, std::string> g{name, wert};
            if (a.gruppen.empty() || a.gruppen.back() != g) a.gruppen.push_back(g);
        }
    }
    return a;
}

TEST(Bewehrungsplan, listetPosABeiDenLayernVorNullUndGruppiertDieEntitaeten) {
    const Dateiaufbau a = Aufbau(Zeichnung(HandPosition(Z60)));
    EXPECT_EQ(a.layer, (std::vector<std::string>{"PosA", "0"}));
    const std::vector<std::pair<std::string, std::string>> erwartet{
        {"TEXT", "0"}, {"LINE", "0"}, {"ARC", "0"}, {"CIRCLE", "0"}, {"LINE", "PosA"}, {"ARC", "PosA"}};
    EXPECT_EQ(a.gruppen, erwartet);
}

TEST(Bewehrungsplan, titelNenntDenDornTypInGrosserSchrift) {
    const DXF_Object doc = Zeichnung(HandPosition(Z60, 300));
    const auto texte = Alle<Text_>(doc);
    ASSERT_FALSE(texte.empty());
    EXPECT_EQ(texte[0]->textstr, "Bauseitige Bewehrung für QUORVEL® Doppelschubdorn ZAVR 60 HF");
    EXPECT_DOUBLE_EQ(texte[0]->h, 45);
    EXPECT_DOUBLE_EQ(texte[0]->p1.x, 800);
    EXPECT_DOUBLE_EQ(texte[0]->p1.y, 0);
    EXPECT_DOUBLE_EQ(texte[1]->h, 30);
}

// ZAVR 60 HF in 300 mm is thickness class 1: D 6Ø16 at 36/50, A 6Ø16 at 50/50/50, B1 2Ø16, B2 6Ø16 at
// 50/50/50. So SD = 172, the D bars stand at ±32,5, ±68,5, ±118,5 and the A bars at ±168,5, ±218,5,
// ±268,5 from the dowel axis.
TEST(Bewehrungsplan, stelltDieStaebeDerDraufsichtAnDieAbstaendeDerListen) {
    const DXF_Object doc = Zeichnung(HandPosition(Z60, 300));
    std::vector<double> a;
    for (const Line_* l : Alle<Line_>(doc, "PosA"))
        if (Gleich(l->p1.x, l->p2.x)) a.push_back(l->p1.x);
    std::sort(a.begin(), a.end());
    const std::vector<double> erwartetA{-276.5, -260.5, -226.5, -210.5, -176.5, -160.5,
                                        160.5,  176.5,  210.5,  226.5,  260.5,  276.5};
    ASSERT_EQ(a.size(), erwartetA.size());
    for (std::size_t i = 0; i < a.size(); ++i) EXPECT_DOUBLE_EQ(a[i], erwartetA[i]);

    // D bars of the plan view run from the front cover to W = 2·30 + 60 + 150 = 270.
    std::vector<double> d;
    for (const Line_* l : Alle<Line_>(doc, "0"))
        if (Gleich(l->p1.x, l->p2.x) && Gleich(l->p1.y, 38) && Gleich(l->p2.y, 270)) d.push_back(l->p1.x);
    std::sort(d.begin(), d.end());
    const std::vector<double> erwartetD{-126.5, -110.5, -76.5, -60.5, -40.5, -24.5,
                                        24.5,   40.5,   60.5,  76.5,  110.5, 126.5};
    EXPECT_EQ(d, erwartetD);
}

TEST(Bewehrungsplan, beschriftetInZentimeternMitDemDezimaltrennerDesAnwenders) {
    TKAnwendung anw = HandPosition(Z60, 300);
    Daten(anw).SetDistPosB1Rand(125);
    const auto komma = Texte(Zeichnung(anw, Z60, ','));
    EXPECT_GE(Anzahl(komma, "12,5"), 2);  // plan view chain and section chain
    EXPECT_EQ(Anzahl(komma, "30"), 2);    // slab thickness in the joint-face view and the section
    const auto punkt = Texte(Zeichnung(anw, Z60, '.'));
    EXPECT_GE(Anzahl(punkt, "12.5"), 2);
    EXPECT_EQ(Anzahl(punkt, "12,5"), 0);
}

TEST(Bewehrungsplan, schreibtDiePositionstexte) {
    const auto texte = Texte(Zeichnung(HandPosition(Z60, 300)));
    EXPECT_EQ(Anzahl(texte, "Pos. 1 (1 Bügel Ø8)"), 2);
    EXPECT_EQ(Anzahl(texte, "Pos. Asy1 (2x1Ø16)"), 1);
    EXPECT_EQ(Anzahl(texte, "Pos. Asy1 (1Ø16)"), 2);
    EXPECT_EQ(Anzahl(texte, "Pos. Asy2 (2x3Ø16)"), 1);
    EXPECT_EQ(Anzahl(texte, "Pos. Asy2 (3Ø16)"), 2);
    EXPECT_EQ(Anzahl(texte, "Pos. A (6Ø16)"), 1);
    EXPECT_EQ(Anzahl(texte, "Pos. Asx1 (6Ø16)"), 1);
    EXPECT_EQ(Anzahl(texte, "mit lb,net verankern"), 2);
    EXPECT_EQ(Anzahl(texte, "Ic"), 1);
    for (const char* block : {"Draufsicht", "Ansicht", "Schnitt"}) EXPECT_EQ(Anzahl(texte, block), 1);
}

// The words, the bar mark and the stirrups in the plural form of their count come from the catalogue.
TEST(Bewehrungsplan, sprichtDieSpracheDesAnwenders) {
    const std::map<std::string, std::string> katalog{
        {"Draufsicht", "Plan view"}, {"Pos.", "Poz."}, {"1 %n Bügel", "%n link"}, {"%n Bügel", "%n links"}};
    const auto englisch = Texte(Zeichnung(HandPosition(Z60), Z60, '.', katalog));
    EXPECT_EQ(Anzahl(englisch, "Plan view"), 1);
    EXPECT_EQ(Anzahl(englisch, "Poz. 1 (1 link Ø8)"), 2);
    EXPECT_EQ(Anzahl(englisch, "Poz. Asx1 (6Ø16)"), 1);
    EXPECT_EQ(Anzahl(englisch, "Ansicht"), 1);  // not in this catalogue: the German word stays
    TKAnwendung drei = HandPosition(Z60);
    Daten(drei).SetAnzPosC(3);
    EXPECT_EQ(Anzahl(Texte(Zeichnung(drei, Z60, '.', katalog)), "Poz. 1 (3 links Ø8)"), 2);
}

// Bar cross-sections in the section: the two rods, B1 top and bottom per row and, per row, the B2 bars.
TEST(Bewehrungsplan, ohneB2StaebeNurB1ImSchnittUndEinteiligeKette) {
    TKAnwendung anw = HandPosition(Z60, 300);
    EXPECT_EQ(Alle<Circle_>(Zeichnung(anw)).size() - Alle<Arc_>(Zeichnung(anw)).size(), 2u + 2 + 2 + 6);
    Daten(anw).SetAnzPosB2(0);
    Daten(anw).SetDistPosB2({});
    const DXF_Object doc = Zeichnung(anw);
    EXPECT_EQ(Alle<Circle_>(doc).size() - Alle<Arc_>(doc).size(), 2u + 2 + 2);
    EXPECT_FALSE(HatTextMitAnfang(doc, "Pos. Asy2"));
    const auto texte = Texte(doc);
    EXPECT_EQ(Anzahl(texte, "6"), 3);  // rB in the plan chain, the section chain and its total
}

// The two lines collecting the B2 leaders start at the first B2 bar unless there are two or more B2
// spacings; with four B1 bars and one spacing (nB2 / 2 = 2) they run from rB to the last leader's end.
TEST(Bewehrungsplan, sammellinienAsy2MitEinemB2Abstand) {
    TKAnwendung anw = HandPosition(Z60, 300);
    TKDornDaten& d = Daten(anw);
    d.SetAnzPosB1(4);
    d.SetDistPosB1({35, 35});
    d.SetAnzPosB2(4);
    d.SetDistPosB2({80});
    const DXF_Object doc = Zeichnung(anw);
    const TrAnsichtsorte orte = Orte(anw);
    const double ox = orte.schnitt.x, oy = orte.schnitt.y;
    const double W = 2 * anw.cGeometrie.GetBetondeckungVorn() + d.GetDistPosB1Rand() + 80;
    // The lines run on past the section's end, where the labels stand.
    const double xs = ox + d.GetDistPosB1Rand(), xe = std::max(xs + 80 + 40, ox + W + 10);
    for (double y : {oy + d.GetDornAbstand() / 2, oy - d.GetDornAbstand() / 2}) {
        const auto& linien = Alle<Line_>(doc, "0");
        const bool gefunden = std::any_of(linien.begin(), linien.end(), [&](const Line_* l) {
            return Gleich(l->p1.x, xs) && Gleich(l->p2.x, xe) && Gleich(l->p1.y, y) && Gleich(l->p2.y, y);
        });
        EXPECT_TRUE(gefunden) << "y = " << y;
    }
}

TEST(Bewehrungsplan, ohneAStaebeLeereNullmasseUndKeinPosAMass) {
    TKAnwendung anw = HandPosition(Z60, 300);
    Daten(anw).SetAnzPosA(0);
    Daten(anw).SetDistPosA({});
    const DXF_Object doc = Zeichnung(anw);
    EXPECT_FALSE(HatTextMitAnfang(doc, "Pos. A ("));
    EXPECT_TRUE(Alle<Line_>(doc, "PosA").empty());
    // Two dimensions of zero length at ys = oy − h/2 − 150, each of five zero-length lines; having
    // equal x values, their texts sit at ys itself.
    int null = 0;
    for (const Line_* l : Alle<Line_>(doc))
        if (same_point(l->p1, l->p2)) ++null;
    EXPECT_EQ(null, 10);
    const double ys = Orte(anw).ansicht.y - 150 - 150;
    int leer = 0;
    for (const Text_* t : Alle<Text_>(doc))
        if (t->textstr.empty() && Gleich(t->p1.y, ys)) ++leer;
    EXPECT_EQ(leer, 2);
}

// Texts of the D chain on the line y = oy + h/2 + 50 of the joint-face view, over it or one text row higher
// (the section to its right has a dimension at the same height).
std::vector<std::pair<std::string, double>> TexteDerDKette(const TKAnwendung& anw) {
    const TrAnsichtsorte orte = Orte(anw);
    const DXF_Object doc = Zeichnung(anw);
    const double y = orte.ansicht.y + 150 + 50 + 6;
    std::vector<std::pair<std::string, double>> texte;
    for (const Text_* t : Alle<Text_>(doc))
        if (t->p1.x < orte.schnitt.x - 300 && t->p1.y > y - 1e-9 && t->p1.y < y + 60)
            texte.emplace_back(t->textstr, t->p1.y - y);
    std::sort(texte.begin(), texte.end());
    return texte;
}

// Spacings 36 and 50 on both sides: "3,6" is wider than its dimension and would run into "5" ("53,6"), so
// the outer "5" stands a text row higher, on both sides alike.
TEST(Bewehrungsplan, zweiDStaebeGebenEinPaarUndKeineDKette) {
    TKAnwendung anw = HandPosition(Z60, 300);
    const double zeile = 1.55 * 30 + 10;
    EXPECT_EQ(TexteDerDKette(anw), (std::vector<std::pair<std::string, double>>{
                                       {"3,6", 0}, {"3,6", 0}, {"5", zeile}, {"5", zeile}}));
    Daten(anw).SetAnzPosD(2);
    Daten(anw).SetDistPosD({});
    for (const auto& [text, hoeher] : TexteDerDKette(anw)) EXPECT_TRUE(text != "3,6" && text != "5") << text;
    const DXF_Object doc = Zeichnung(anw);
    std::vector<double> d;
    for (const Line_* l : Alle<Line_>(doc, "0"))
        if (Gleich(l->p1.x, l->p2.x) && Gleich(l->p1.y, 38) && Gleich(l->p2.y, 270)) d.push_back(l->p1.x);
    std::sort(d.begin(), d.end());
    EXPECT_EQ(d, (std::vector<double>{-40.5, -24.5, 24.5, 40.5}));
    EXPECT_TRUE(HatTextMitAnfang(doc, "Pos. Asx1 (2Ø16)"));
}

TEST(Bewehrungsplan, ohneBuegelanzahlTrotzdemEinBuegelInDraufsichtUndSchnitt) {
    TKAnwendung anw = HandPosition(Z60, 300);
    Daten(anw).SetAnzPosC(0);
    const DXF_Object doc = Zeichnung(anw);
    const double ox = Orte(anw).schnitt.x;
    // Plan view: the stirrup at y = rC = 155 as a double line of 8 mm.
    int draufsicht = 0, schnitt = 0;
    for (const Line_* l : Alle<Line_>(doc, "0")) {
        if (Gleich(l->p1.y, l->p2.y) && (Gleich(l->p1.y, 151) || Gleich(l->p1.y, 159))) ++draufsicht;
        // Section: x = ox + rC ± 4.
        if (Gleich(l->p1.x, l->p2.x) && (Gleich(l->p1.x, ox + 151) || Gleich(l->p1.x, ox + 159))) ++schnitt;
    }
    EXPECT_EQ(draufsicht, 2);
    EXPECT_EQ(schnitt, 2);
    EXPECT_TRUE(HatTextMitAnfang(doc, "Pos. 1 (0 Bügel Ø8)"));
}

// With four B1 bars the inner dimension of the joint-face view reaches the first D spacing; with a single
// D pair there is none, and both dimensions fall back to b_E.
TEST(Bewehrungsplan, vierB1OhneDAbstandMisstDieEinflussbreite) {
    TKAnwendung anw = HandPosition(Z60, 300);
    Daten(anw).SetAnzPosB1(4);
    Daten(anw).SetDistPosB1({35, 35});
    EXPECT_EQ(Anzahl(Texte(Zeichnung(anw)), "10,1"), 1);  // (65 + 36) mm
    Daten(anw).SetAnzPosD(2);
    Daten(anw).SetDistPosD({});
    const DXF_Object doc = Zeichnung(anw);
    EXPECT_EQ(Anzahl(Texte(doc), "6,5"), 1);
    const std::string text = DxfText(doc);
    EXPECT_EQ(text.find("nan"), std::string::npos);
}

struct Verweigerung {
    const char* fall;
    void (*verderbe)(TKAnwendung&);
};
class Bewehrungsplan_verweigert : public ::testing::TestWithParam<Verweigerung> {};

TEST_P(Bewehrungsplan_verweigert, mitMeldungUndOhneDatei) {
    TKAnwendung anw = HandPosition(Z60, 300);
    GetParam().verderbe(anw);
    StandardUmgebung u;
    DXF_Object doc;
    std::string fehler;
    EXPECT_FALSE(BewehrungsZeichnung(anw, Z60, u, doc, fehler));
    EXPECT_FALSE(fehler.empty());
    EXPECT_EQ(doc.num_layers(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Bewehrungsplan_verweigert,
    ::testing::Values(
        Verweigerung{"nicht berechnet", [](TKAnwendung& a) { a.cErgebnisse.SetBerechnet(false); }},
        Verweigerung{"by fehlt", [](TKAnwendung& a) { a.cErgebnisse.cDornErgebnis[Ord(Z60)].Setby(0); }},
        Verweigerung{"by NaN",
                     [](TKAnwendung& a) {
                         a.cErgebnisse.cDornErgebnis[Ord(Z60)].Setby(
                             std::numeric_limits<double>::quiet_NaN());
                     }},
        Verweigerung{"Abstand unendlich",
                     [](TKAnwendung& a) {
                         Daten(a).SetDistPosD({std::numeric_limits<double>::infinity(), 50});
                     }},
        Verweigerung{"B2 ohne B1", [](TKAnwendung& a) { Daten(a).SetAnzPosB1(0); }},
        Verweigerung{"A-Abstaende fehlen", [](TKAnwendung& a) { Daten(a).SetDistPosA({50}); }},
        Verweigerung{"B2-Abstaende fehlen",
                     [](TKAnwendung& a) {
                         Daten(a).SetDistPosB2({50, 50});
                     }}),
    [](const auto& info) {
        std::string name = info.param.fall;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
            '_');
        return name;
    });

TEST(SpeichereDxf, meldetEineNichtSchreibbareDatei) {
    std::string fehler;
    EXPECT_FALSE(
        SpeichereDxf(Zeichnung(HandPosition(Z60)), "/nicht/vorhanden/plan.dxf", fehler, StandardUmgebung()));
    EXPECT_NE(fehler.find("/nicht/vorhanden/plan.dxf"), std::string::npos);
}

// Every type in every thickness class with the catalogue reinforcement gives finite coordinates.
TEST(Bewehrungsplan, jederTypErgibtEndlicheKoordinaten) {
    for (int t = 0; t < AnzahlDorne; ++t) {
        for (double platte : {160.0, 300.0, 700.0}) {
            const TsDorn dorn = static_cast<TsDorn>(t);
            const std::string text = DxfText(Zeichnung(HandPosition(dorn, platte, 500), dorn));
            EXPECT_EQ(text.find("nan"), std::string::npos) << t;
            EXPECT_EQ(text.find("inf"), std::string::npos) << t;
        }
    }
}

}  // namespace
