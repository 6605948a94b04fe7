#include "calc/Statuspruefung.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/Umgebung.h"

namespace {
using Codes = std::vector<std::uint16_t>;
constexpr TsDorn Typ = TsDorn::ZAVR25HF;  // e_krit = 240; at h = 240 TBereichPosA = 60 + 68 + 100 = 228

// A dowel pair that passes every check: spacing 1000, edges 500, V_Ed 50 of 100 kN, Ø14 bars.
struct Position {
    StandardUmgebung umgebung;
    TKAnwendung anwendung{umgebung};

    Position() {
        anwendung.SetAnwendungsfall(TsAnwendungsfall::afPaarPlatte);
        anwendung.SetBewehrungCalc(TsBewehrungCalc::bcOptimal);
        anwendung.SetMaxDornabstand(TsMaxDornabstand::daOhne);
        TKDornErgebnis& e = Ergebnis();
        e.ResetDornAbstand();
        for (double a : {500.0, 1000.0, 500.0}) e.AddDornAbstand(a, true);
        e.SetIstMinAchs(1000);
        e.SetAbstandLinks(500);
        e.SetAbstandRechts(500);
        e.SetZulMinAchs(240);
        e.SetZulMinRand(120);
        e.SetVRds(100);
        e.SetVRdce(100);
        e.SetVRDct(100);
        e.SetVRdIst(50);
        anwendung.cErgebnisse.SetAnzDorn(Typ, 2);
    }
    TKDornErgebnis& Ergebnis() { return anwendung.cErgebnisse.cDornErgebnis[Ord(Typ)]; }
    TKDornDaten& Daten() { return anwendung.cErgebnisse.cDornDaten[Ord(Typ)]; }
    TKGeometrie& Geometrie() { return anwendung.cErgebnisse.cGeometrie; }
    void Pruefe(bool abgebrochen = false) { PruefeStatus(anwendung, Typ, abgebrochen); }
};

struct Fall {
    std::string name;
    std::function<void(Position&)> aendere;
    std::uint16_t status;
    Codes fehler;
};
}  // namespace

TEST(Statuspruefung, jedePruefungUndIhreReihenfolge) {
    const std::vector<Fall> faelle{
        {"zulässig", [](Position&) {}, 0, {}},
        {"Bereich A + 50 > e", [](Position& p) { p.Ergebnis().SetIstMinAchs(277); }, 9, {9}},
        {"Bereich A + 50 = e", [](Position& p) { p.Ergebnis().SetIstMinAchs(278); }, 0, {}},
        {"Einzeldorn: Bereich A + 50 > 2 r_min",
         [](Position& p) {
             p.anwendung.SetAnwendungsfall(TsAnwendungsfall::afEinzel);
             p.Geometrie().SetBauteilRandLinks(138);
         },
         6,
         {6}},
        {"Einzeldorn prüft e nicht",
         [](Position& p) {
             p.anwendung.SetAnwendungsfall(TsAnwendungsfall::afEinzel);
             p.Ergebnis().SetIstMinAchs(10);
         },
         0,
         {}},
        {"Wand zu dünn",
         [](Position& p) {
             p.anwendung.SetAnwendungsfall(TsAnwendungsfall::afPaarWand);
             p.Geometrie().SetWandDicke(149);  // 120 + 30 > 149
         },
         7,
         {7}},
        {"Wanddicke zählt nur an Wänden", [](Position& p) { p.Geometrie().SetWandDicke(100); }, 0, {}},
        {"V_Ed > V_Rd in Zehnteln", [](Position& p) { p.Ergebnis().SetVRdIst(100.1); }, 2, {2}},
        {"gleiche Zehntel abgeschnitten",
         [](Position& p) {
             p.Ergebnis().SetVRDct(49.96);
             p.Ergebnis().SetVRdIst(49.99);
         },
         0,
         {}},
        {"eine Zehntel darunter",
         [](Position& p) {
             p.Ergebnis().SetVRDct(49.99);
             p.Ergebnis().SetVRdIst(50.0);
         },
         2,
         {2}},
        {"Zulassung: e_krit / 2 > a_min",
         [](Position& p) {
             p.anwendung.SetBewehrungCalc(TsBewehrungCalc::bcZulassung);
             p.Ergebnis().SetAbstandRechts(119);
         },
         4,
         {4}},
        {"Optimal: nur der Mindestrandabstand",
         [](Position& p) { p.Ergebnis().SetAbstandRechts(119); },
         4,
         {4}},
        {"Optimal: a_min unter e_krit / 2 genügt",
         [](Position& p) { p.Ergebnis().SetAbstandRechts(120); },
         0,
         {}},
        {"Zulassung: e < e_krit",
         [](Position& p) {
             p.anwendung.SetBewehrungCalc(TsBewehrungCalc::bcZulassung);
             p.Daten().SetBereichPosA(100);
             p.Ergebnis().SetZulMinAchs(200);
             p.Ergebnis().SetIstMinAchs(239);
         },
         5,
         {5}},
        {"e < e_min",
         [](Position& p) {
             p.Daten().SetBereichPosA(100);
             p.Ergebnis().SetIstMinAchs(239);
         },
         3,
         {3}},
        {"e < e_min mit einem Dorn",
         [](Position& p) {
             p.Daten().SetBereichPosA(100);
             p.Ergebnis().SetIstMinAchs(239);
             p.anwendung.cErgebnisse.SetAnzDorn(Typ, 1);
         },
         0,
         {}},
        {"Bewehrung passt nicht", [](Position& p) { p.Geometrie().SetPlatteDicke(183); }, 1, {1}},
        {"unter Mindestdicke",
         [](Position& p) {
             p.Geometrie().SetPlatteDicke(159);
             p.Geometrie().SetBetondeckungOben(25);
             p.Geometrie().SetBetondeckungUnten(25);
         },
         1,
         {1}},
        {"Deckung unter 30 mit Ø25",
         [](Position& p) {
             p.Geometrie().SetBetondeckungOben(25);
             p.Daten().SetPosB2d(25);
         },
         8,
         {8}},
        {"Ø20 ist erlaubt",
         [](Position& p) {
             p.Geometrie().SetBetondeckungOben(25);
             p.Daten().SetPosB2d(20);
         },
         0,
         {}},
        {"zwei Fehler: Status der letzten Prüfung",
         [](Position& p) {
             p.Ergebnis().SetVRdIst(200);
             p.Geometrie().SetPlatteDicke(183);
         },
         1,
         {2, 1}},
        {"Code 4 zweimal geprüft, einmal gelistet",
         [](Position& p) {
             p.anwendung.SetBewehrungCalc(TsBewehrungCalc::bcZulassung);
             p.Ergebnis().SetAbstandLinks(100);
             p.Ergebnis().SetIstMinAchs(200);
         },
         4,
         {9, 4, 5, 3}},
        {"Reihe ohne Anordnung",
         [](Position& p) {
             p.anwendung.SetAnwendungsfall(TsAnwendungsfall::afReihePlatte);
             p.Ergebnis().ResetDornAbstand();
         },
         2,
         {2}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Position p;
        fall.aendere(p);
        p.Pruefe();
        EXPECT_EQ(p.Ergebnis().GetStatus(), fall.status);
        EXPECT_EQ(p.Ergebnis().cFehler.GetMeldungen(), fall.fehler);
    }
}

TEST(Statuspruefung, abbruchIstUnzulaessig) {
    Position p;
    p.Pruefe(true);
    EXPECT_EQ(p.Ergebnis().GetStatus(), 2);
}

TEST(Statuspruefung, ausnutzung) {
    Position p;
    p.Pruefe();
    EXPECT_DOUBLE_EQ(p.Ergebnis().GetEtaQ(), 0.5);
    p.Ergebnis().SetVRDct(0);
    p.Pruefe();
    EXPECT_DOUBLE_EQ(p.Ergebnis().GetEtaQ(), 0);
}

struct Abstandsfall {
    TsMaxDornabstand regel;
    double groessterAbstand;
    Codes warnungen;
    bool meldung;
};
class Abstandsinformation : public ::testing::TestWithParam<Abstandsfall> {};

TEST_P(Abstandsinformation, warnungenUndMeldung) {
    Position p;  // 5 h = 1200
    p.anwendung.SetMaxDornabstand(GetParam().regel);
    p.Ergebnis().ResetDornAbstand();
    for (double a : {300.0, GetParam().groessterAbstand, 300.0}) p.Ergebnis().AddDornAbstand(a, true);
    p.Ergebnis().SetAbstandMeldung(!GetParam().meldung);
    p.Pruefe();
    EXPECT_EQ(p.Ergebnis().cWarnungen.GetMeldungen(), GetParam().warnungen);
    EXPECT_EQ(p.Ergebnis().GetAbstandMeldung(), GetParam().meldung);
    EXPECT_EQ(p.Ergebnis().GetStatus(), 0);
}
INSTANTIATE_TEST_SUITE_P(Regeln, Abstandsinformation,
                         ::testing::Values(Abstandsfall{TsMaxDornabstand::daOhne, 1201, {0}, true},
                                           Abstandsfall{TsMaxDornabstand::da5dmin_redF, 1201, {0, 1}, false},
                                           Abstandsfall{TsMaxDornabstand::da5dmin_redda, 1201, {0, 1}, false},
                                           Abstandsfall{TsMaxDornabstand::daOhne, 1200, {}, false}));
