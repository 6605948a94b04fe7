#include "output/Berechnungsnachweis.h"

#include <gtest/gtest.h>

#include <QPdfWriter>
#include <algorithm>
#include <regex>

#include "Nachweistestdaten.h"
#include "output/Seitenkopf.h"
#include "output/Seitenlayout.h"

namespace {

// A row whose inputs and results sit on rounding ties and just beside them.
struct Rundungsprojekt : Nachweisprojekt {
    Rundungsprojekt() : Nachweisprojekt(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast) {
        TKAnwendung& a = Position();
        a.SetBewehrungCalc(TsBewehrungCalc::bcZulassung);
        a.SetBetonguete(TsBetonguete::C30_37);
        a.SetFeuerwiderstand(TsFeuerwiderstand::F0);
        a.cGeometrie.SetPlatteDicke(245);
        a.cGeometrie.SetBetondeckungOben(32.5);
        a.cGeometrie.SetBetondeckungUnten(33.5);
        a.cGeometrie.SetFugenbreite(TsFugenbreite::fb30bis40);
        a.cGeometrie.SetFugenlaenge(6412.5);
        a.cBelastungDesign.SetLastLaenge(6412.5);
        a.cBelastungDesign.ResetbeliebigeLast();
        a.cBelastungDesign.AddbeliebigeLast({0, 40.25});
        a.cBelastungDesign.AddbeliebigeLast({6412.5, 40.25});
        modell.cProjektdaten.SetBauvorhaben("Brücke Nord");
        modell.cProjektdaten.SetFirma({"Büro A", "Weg 1"});
        modell.cProjektdaten.SetBearbeiter("Dipl.-Ing. Test");
        modell.cProjektdaten.SetDatum("01.02.2026");
        modell.cProjektdaten.SetProjektNr("P-17");
        Bemessen();
        TKDornErgebnis& e = Ergebnis();
        e.SetNutzhoehe(214.5);
        e.SetRhol(0.01249);
        e.SetAsy(1206.5);
        e.SetAsx(612.49);
        e.SetbySoll(658.26);
        e.Setbx(343);
        e.Setui(1107.5);
        e.SetZulMinRand(180);
        e.SetAbstandLinks(412.5);
        e.SetAbstandRechts(500);
        e.SetZulMinAchs(360);
        e.SetIstMinAchs(1000.5);
        e.SetVRds(73.25);
        e.SetVRDct(80.75);
        e.SetVRdce(144.5);
        e.SetVRdIst(60.125);
        e.SetEtaQ(0.97834);
        Kette({412.5, 1000.5, 1000, 1000, 1000, 1000, 999.5});
    }
};

class Rundung : public ::testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(Rundung, ersteSeiteZeigtDenWertSoGerundet) {
    static Rundungsprojekt projekt;
    static const PdfNachweis pdf(projekt.Nachweis());
    ASSERT_EQ(pdf.fehler, "");
    ASSERT_GE(pdf.seiten.size(), 1u);
    EXPECT_PRED2(Enthaelt, pdf.seiten[0], GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    JedeZeile, Rundung,
    ::testing::Values(
        "Nachweis für eine Reihe aus Doppelschubdornen - Anschluß Platte an Platte", "Eingaben zur Anwendung",
        "Berechnung mit Bewehrung nach Zulassung", "Betongüte = C30/37", "Eingaben zur Bauteilgeometrie",
        "Plattendicke h = 24,5 cm",
        "Betondeckung oben co = 3,2 cm",  // 32.5 mm: ties go to the even millimetre
        "Betondeckung unten cu = 3,4 cm", "Betondeckung vorn c1 = 3,2 cm", "statische Nutzhöhe dm = 21,4 cm",
        "Eingaben zur Belastung", "konstante Linienlast qEd,L,R = 40,2 kN/m", "Eingaben zur Dehnfuge",
        "Fugenbreite f ≤ 40 mm", "Fugenlänge lf = 6,412 m", "Brandschutz ohne",
        "Bewehrungsgrad / Dorn ρl = 0,012", "Horizontale Querbewehrung Asy = 12,06 cm2",
        "Vertikale Aufhängebewehrung Asx = 6,12 cm2", "Einflußbereich Bewehrung by,soll = 65,83 cm",
        "Einflußbereich Bewehrung bx,soll = 34,3 cm", "Rundschnitt / Dorn ui = 110,8 cm",
        "Rand- und Dornabstand", "Mindestrandabstand (gem. Zulassung) ar,min = 18 cm",
        "vorhandener Randabstand ar,vorh = 41,2 cm", "Mindestdornabstand (gem. Zulassung) emin = 36 cm",
        "vorhandener Dornabstand evorh = 100 cm", "Gewählt: 6 * ", "Berechnung als ", "Nachweis / Dorn",
        "Ermittlung der Bemessungswiderstände unter Berücksichtigung von Längs- oder Querverschiebung",
        "Bemessungswiderstand gegen Stahltragfähigkeit VRd,s = 73,2 kN",
        "Bemessungswiderstand gegen Durchstanzen VRd,ct = 80,8 kN",
        "Bemessungswiderstand gegen Betonkantenbruch VRd,ce = 144,5 kN",
        "maßgebender Bemessungswiderstand VRd = 73,2 kN",
        "Bemessungswert der einwirkenden Last VEd = 60,1 kN", "maximale Dornausnutzung η = 97,8 %",
        "Hinweis: Die Durchlaufwirkung der Belastung in der Fuge muss vom Planer separat geprüft werden!",
        "Position: Achse 7"));

TEST(Berechnungsnachweis, jedeSeiteHatKopfUndFuss) {
    Rundungsprojekt projekt;
    const PdfNachweis pdf(projekt.Nachweis());
    ASSERT_EQ(pdf.seiten.size(), 2u);
    for (const std::string& seite : pdf.seiten)
        for (const char* text :
             {"Bauvorhaben:", "Brücke Nord", "Seite:", "Proj.-Nr.: P-17",
              "QUORVEL® Doppelschubdorn nach Zulassung Z-98.6-341", "Berechnungsnachweis für ZAVR",
              "Büro / Firma: Büro A", "Weg 1", "Datum: 01.02.2026", "Ausdruck vom: 2026-03-04",
              "Bearbeiter: Dipl.-Ing. Test", "Position: Achse 7", "QUORVEL GmbH",
              "QUORVEL® Doppelschubdorn ZAVR/ZAVRQ: Zulassung gemäß DIN 1045-1 und DIN EN 1992-1-1 (EC2)",
              "ZAVR - 3.1.2"})
            EXPECT_PRED2(Enthaelt, seite, text);
    EXPECT_FALSE(Enthaelt(pdf.Alles(), "unzulässig"));
}

TEST(Berechnungsnachweis, zahlenMitDemDezimaltrennerDerUmgebung) {
    Rundungsprojekt projekt;
    projekt.umgebung.dezimaltrenner = '.';
    const PdfNachweis pdf(projekt.Nachweis());
    EXPECT_PRED2(Enthaelt, pdf.seiten.at(0), "VRd,s = 73.2 kN");
    EXPECT_PRED2(Enthaelt, pdf.seiten.at(0), "Fugenlänge lf = 6.412 m");
}

struct Familie {
    TsDorn dorn;
    const char* wort;
};
class Verschiebung : public ::testing::TestWithParam<Familie> {};

TEST_P(Verschiebung, undFuerZavrqOderFuerZavr) {
    Nachweisprojekt projekt(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
    projekt.Bemessen();
    projekt.Position().cErgebnisse.SetAktDorn(GetParam().dorn);
    const PdfNachweis pdf(projekt.Nachweis());
    EXPECT_PRED2(Enthaelt, pdf.seiten.at(0),
                 std::string("unter Berücksichtigung von Längs- ") + GetParam().wort + " Querverschiebung");
}

INSTANTIATE_TEST_SUITE_P(Familien, Verschiebung,
                         ::testing::Values(Familie{TsDorn::ZAVR20HF, "oder"},
                                           Familie{TsDorn::ZAVR450, "oder"},
                                           Familie{TsDorn::ZAVRQ25HF, "und"},
                                           Familie{TsDorn::ZAVRQ450, "und"}));

struct Stuetzenabstand {
    TsDorn dorn;
    const char* zeile;
};
class Einzeldorn : public ::testing::TestWithParam<Stuetzenabstand> {};

TEST_P(Einzeldorn, zeigtRandabstaendeUndDenMinimalenRandabstandDerStuetze) {
    Nachweisprojekt projekt(TsAnwendungsfall::afEinzel, TsBelastungsfall::bfPunktlast);
    projekt.Position().cBelastungDesign.SetPunktLast(65.25);
    projekt.Bemessen();
    projekt.Position().cErgebnisse.SetAktDorn(GetParam().dorn);
    const PdfNachweis pdf(projekt.Nachweis());
    const std::string& seite = pdf.seiten.at(0);
    for (const char* text :
         {"Nachweis für einen mit Punktlast belasteten einzelnen Doppelschubdorn",
          "Einzellast am Dorn VEd,p = 65,2 kN", "vorgegebener Randabstand cL = 40 cm", "cR = 60 cm"})
        EXPECT_PRED2(Enthaelt, seite, text);
    EXPECT_PRED2(Enthaelt, seite, GetParam().zeile);
    EXPECT_FALSE(Enthaelt(seite, "Fugenlänge"));
    EXPECT_FALSE(Enthaelt(seite, "vorhandener Dornabstand"));
}

// The column edge distance of the report's table, in whole centimetres.
INSTANTIATE_TEST_SUITE_P(
    Tabelle, Einzeldorn,
    ::testing::Values(Stuetzenabstand{TsDorn::ZAVR20HF, "minimaler Randabstand Stütze ar,min,S = 12 cm"},
                      Stuetzenabstand{TsDorn::ZAVR60HF, "minimaler Randabstand Stütze ar,min,S = 12 cm"},
                      Stuetzenabstand{TsDorn::ZAVR90HF, "minimaler Randabstand Stütze ar,min,S = 15 cm"},
                      Stuetzenabstand{TsDorn::ZAVR150, "minimaler Randabstand Stütze ar,min,S = 15 cm"},
                      Stuetzenabstand{TsDorn::ZAVR400, "minimaler Randabstand Stütze ar,min,S = 23 cm"},
                      Stuetzenabstand{TsDorn::ZAVRQ60HF, "minimaler Randabstand Stütze ar,min,S = 12 cm"},
                      Stuetzenabstand{TsDorn::ZAVRQ120HF, "minimaler Randabstand Stütze ar,min,S = 15 cm"},
                      Stuetzenabstand{TsDorn::ZAVRQ450, "minimaler Randabstand Stütze ar,min,S = 23 cm"}));

TEST(Berechnungsnachweis, reiheUndPaarOhneZeilenDesEinzeldorns) {
    for (TsAnwendungsfall fall : {TsAnwendungsfall::afPaarPlatte, TsAnwendungsfall::afReiheWand}) {
        Nachweisprojekt projekt(fall, TsBelastungsfall::bfKonstanteLast);
        projekt.Bemessen();
        const std::string seite = PdfNachweis(projekt.Nachweis()).seiten.at(0);
        EXPECT_FALSE(Enthaelt(seite, "vorgegebener Randabstand"));
        EXPECT_FALSE(Enthaelt(seite, "minimaler Randabstand Stütze"));
        EXPECT_PRED2(Enthaelt, seite, "Fugenlänge lf = 6 m");
        EXPECT_EQ(Enthaelt(seite, "Wanddicke hw = 40 cm"), IstWand(fall));
    }
}

struct Lastfall {
    TsBelastungsfall last;
    std::size_t seiten;
    const char* zeile;
};
class Lastseite : public ::testing::TestWithParam<Lastfall> {};

TEST_P(Lastseite, nurFuerDieBeliebigeLast) {
    Nachweisprojekt projekt(TsAnwendungsfall::afReihePlatte, GetParam().last);
    projekt.Bemessen();
    projekt.Kette({500, 5000, 500});
    const PdfNachweis pdf(projekt.Nachweis());
    ASSERT_EQ(pdf.seiten.size(), GetParam().seiten);
    EXPECT_PRED2(Enthaelt, pdf.seiten[0], GetParam().zeile);
    const bool beliebig = GetParam().last == TsBelastungsfall::bfbeliebigeLast;
    EXPECT_EQ(Enthaelt(pdf.seiten[0], "siehe nachfolgende Seite"), beliebig);
    EXPECT_EQ(Enthaelt(pdf.Alles(), "x = 0 m qEd = 30 kN/m"), beliebig);
    EXPECT_PRED2(Enthaelt, pdf.seiten.back(), "Aufteilung der Dorne");
    EXPECT_FALSE(Enthaelt(pdf.seiten[0], "Hinweis: Die Durchlaufwirkung"));  // two dowels
}

INSTANTIATE_TEST_SUITE_P(
    Lastfaelle, Lastseite,
    ::testing::Values(Lastfall{TsBelastungsfall::bfPunktlast, 2, "Einzellast am Dorn VEd,p = 65 kN"},
                      Lastfall{TsBelastungsfall::bfKonstanteLast, 2,
                               "konstante Linienlast qEd,L,R = 30 kN/m"},
                      Lastfall{TsBelastungsfall::bfLinienlast, 2, "geradlinige Linienlast qEd,L = 30 kN/m"},
                      Lastfall{TsBelastungsfall::bfbeliebigeLast, 3, "beliebiger Linienlastverlauf"}));

TEST(Berechnungsnachweis, lastseiteZeigtZweiPunkteJeZeileAufZentimeterGerundet) {
    Nachweisprojekt projekt(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfbeliebigeLast);
    TKBelastung& last = projekt.Position().cBelastungDesign;
    last.ResetbeliebigeLast();
    for (TrFloatPoint p : {TrFloatPoint{0, 30}, {1234.5, 45.25}, {1255, 60}, {6000, 20.75}})
        last.AddbeliebigeLast(p);
    projekt.Bemessen();
    const PdfNachweis pdf(projekt.Nachweis());
    ASSERT_GE(pdf.seiten.size(), 3u);
    EXPECT_PRED2(Enthaelt, pdf.seiten[1], "Eingaben zur Belastung\nbeliebiger Linienlastverlauf\n");
    EXPECT_PRED2(Enthaelt, pdf.seiten[1], "x = 0 m qEd = 30 kN/m x = 1,23 m qEd = 45,2 kN/m\n");
    EXPECT_PRED2(Enthaelt, pdf.seiten[1], "x = 1,26 m qEd = 60 kN/m x = 6 m qEd = 20,8 kN/m\n");
    EXPECT_PRED2(Enthaelt, pdf.seiten[0], "beliebiger Linienlastverlauf siehe nachfolgende Seite");
}

TEST(Berechnungsnachweis, koordinatenseiteAbElfDornenMitSechsZeilen) {
    Nachweisprojekt projekt(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
    projekt.Bemessen();
    projekt.Kette({412.5, 500, 500, 500, 500, 500, 500, 500, 500, 500, 412.5});  // ten dowels
    PdfNachweis zehn(projekt.Nachweis());
    EXPECT_EQ(zehn.seiten.size(), 2u);
    EXPECT_FALSE(Enthaelt(zehn.Alles(), "Koordinaten"));

    projekt.Kette({412.5, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 412.5});
    const PdfNachweis elf(projekt.Nachweis());
    ASSERT_EQ(elf.seiten.size(), 3u);
    const std::string& seite = elf.seiten[2];
    EXPECT_PRED2(Enthaelt, seite, "Koordinaten\nDorn Nr.: Abstand Position Dorn Nr.: Abstand Position\n");
    EXPECT_PRED2(Enthaelt, seite, "\n1 41,2 cm 41,2 cm 2 50 cm 91,2 cm\n");
    EXPECT_PRED2(Enthaelt, seite, "\n11 50 cm 541,2 cm\n");  // the last row has the left group only
    const std::regex zeile(R"(\n\d+ [\d,]+ cm [\d,]+ cm( \d+ [\d,]+ cm [\d,]+ cm)?(?=\n))");
    EXPECT_EQ(std::distance(std::sregex_iterator(seite.begin(), seite.end(), zeile), std::sregex_iterator()),
              6);
}

TEST(Berechnungsnachweis, langeKoordinatentabelleGehtAufDerNaechstenSeiteWeiter) {
    Nachweisprojekt projekt(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
    projekt.Bemessen();
    std::vector<double> kette{250};
    for (int i = 1; i < 200; ++i) kette.push_back(300);
    kette.push_back(250);
    projekt.Kette(kette);
    const PdfNachweis pdf(projekt.Nachweis());
    ASSERT_GE(pdf.seiten.size(), 5u);  // 100 rows do not fit on one page
    std::string tabellen;
    for (std::size_t i = 2; i < pdf.seiten.size(); ++i) {
        EXPECT_PRED2(Enthaelt, pdf.seiten[i], "Koordinaten");
        tabellen += pdf.seiten[i];
    }
    for (int dorn = 1; dorn <= 200; ++dorn) {
        const std::regex nummer("(^|\\n| cm )" + std::to_string(dorn) + " [\\d,]+ cm ");
        EXPECT_EQ(std::distance(std::sregex_iterator(tabellen.begin(), tabellen.end(), nummer),
                                std::sregex_iterator()),
                  1)
            << dorn;
    }
    EXPECT_PRED2(Enthaelt, tabellen, "200 30 cm 5995 cm");
}

TEST(Berechnungsnachweis, fehlerDesDornsStehenImKopfJederSeite) {
    Nachweisprojekt projekt(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
    projekt.Bemessen();
    projekt.Ergebnis().cFehler.SetMeldung(2);
    projekt.Ergebnis().cFehler.SetMeldung(4);
    const PdfNachweis pdf(projekt.Nachweis());
    for (const std::string& seite : pdf.seiten)
        EXPECT_PRED2(Enthaelt, seite,
                     "Der Einsatz des Dornes ist auf Grund nachfolgeder Begründung unzulässig:\n"
                     "Belastung zu hoch!\nRandabstand kleiner zulässig!\n");
}

TEST(Berechnungsnachweis, bueroFirmaOhneFirmenzeilenUndHoechstensDrei) {
    Nachweisprojekt projekt(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
    projekt.Bemessen();
    const std::string leer = PdfNachweis(projekt.Nachweis()).seiten.at(0);
    EXPECT_TRUE(std::regex_search(leer, std::regex("\\nBüro / Firma: Datum: \\S*\\n")));
    projekt.modell.cProjektdaten.SetFirma({"Eins", "Zwei", "Drei", "Vier"});
    const std::string vier = PdfNachweis(projekt.Nachweis()).seiten.at(0);
    EXPECT_PRED2(Enthaelt, vier, "Büro / Firma: Eins Datum:");
    EXPECT_PRED2(Enthaelt, vier, "\nDrei Bearbeiter:");
    EXPECT_FALSE(Enthaelt(vier, "Vier"));
}

TEST(Berechnungsnachweis, seitenzahlNachLastfallUndDornzahl) {
    struct Fall {
        TsBelastungsfall last;
        int dorne;
        std::size_t seiten;
    };
    for (Fall fall :
         {Fall{TsBelastungsfall::bfKonstanteLast, 10, 2}, Fall{TsBelastungsfall::bfKonstanteLast, 11, 3},
          Fall{TsBelastungsfall::bfbeliebigeLast, 2, 3}, Fall{TsBelastungsfall::bfbeliebigeLast, 11, 4}}) {
        Nachweisprojekt projekt(TsAnwendungsfall::afReihePlatte, fall.last);
        projekt.Bemessen();
        projekt.Kette(std::vector<double>(fall.dorne + 1, 500));
        EXPECT_EQ(PdfNachweis(projekt.Nachweis()).seiten.size(), fall.seiten) << fall.dorne;
    }
}

// The content starts directly below the header's last line, T + Kopfende, and a longer header pushes it down.
TEST(Berechnungsnachweis, inhaltBeginntBeiTPlusKopfende) {
    BildAnwendung();
    for (bool fehler : {false, true}) {
        Nachweisprojekt projekt(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
        projekt.Bemessen();
        if (fehler) projekt.Ergebnis().cFehler.SetMeldung(2);
        const PdfNachweis pdf(projekt.Nachweis());
        QPdfWriter messen(pdf.ordner.filePath("messen.pdf"));
        messen.setPageLayout(StandardSeite());
        messen.setResolution(600);
        QPainter canvas(&messen);
        const Seitenlayout layout(canvas, SeitenmasseSetzen(StandardSeite()), Ausgabeziel::Drucker);
        const Kopfdaten kopf = NachweisKopf(projekt.modell, projekt.Position());
        const double ende = Kopfende(layout, NachweisTitel(projekt.Position()), kopf);
        const double ohneFehler = 1.6 + 2 * layout.Zeile(16) + 4 * layout.Zeile(10);
        EXPECT_NEAR(ende, fehler ? ohneFehler + 2 * layout.Zeile(10) + layout.Zeile(12) + 0.15 : ohneFehler,
                    1e-9);
        EXPECT_GE(ende, 1.0);
        const auto woerter = Woerter(pdf.datei);
        const auto titel = std::find_if(woerter.at(0).begin(), woerter.at(0).end(),
                                        [](const Wort& w) { return w.text == "Nachweis"; });
        ASSERT_NE(titel, woerter[0].end());
        EXPECT_NEAR(titel->box.top(), Punkte(1.0 + ende), 1.0);
    }
}

// Every word of every page, sketch labels included, stays inside the page frame.
TEST(Berechnungsnachweis, nichtsLaeuftUeberDenRahmen) {
    const std::pair<TsAnwendungsfall, TsBelastungsfall> faelle[] = {
        {TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast},
        {TsAnwendungsfall::afPaarWand, TsBelastungsfall::bfLinienlast},
        {TsAnwendungsfall::afEinzel, TsBelastungsfall::bfPunktlast},
        {TsAnwendungsfall::afReiheWand, TsBelastungsfall::bfbeliebigeLast}};
    const Seitenmasse m = SeitenmasseSetzen(StandardSeite());
    const QRectF rahmen(QPointF(Punkte(m.L - 0.2), Punkte(m.T - 0.1)),
                        QPointF(Punkte(m.W - m.R + 0.2), Punkte(m.H - m.B + 0.1)));
    for (auto [fall, last] : faelle) {
        for (TsDorn dorn : {TsDorn::ZAVR20HF, TsDorn::ZAVRQ450}) {
            Nachweisprojekt projekt(fall, last);
            projekt.modell.cProjektdaten.SetFirma(
                {"Ingenieurgesellschaft für Tragwerksplanung mbH", "Zweite Zeile", "Dritte Zeile"});
            projekt.Bemessen();
            projekt.Position().cErgebnisse.SetAktDorn(dorn);
            projekt.Ergebnis().cFehler.SetMeldung(9);
            projekt.Ergebnis().cWarnungen.SetMeldung(1);
            const PdfNachweis pdf(projekt.Nachweis());
            const auto seiten = Woerter(pdf.datei);
            ASSERT_FALSE(seiten.empty());
            for (std::size_t s = 0; s < seiten.size(); ++s)
                for (const Wort& w : seiten[s])
                    EXPECT_TRUE(rahmen.contains(w.box))
                        << Ord(fall) << " " << Ord(dorn) << " page " << s + 1 << " " << w.text.toStdString();
        }
    }
}

TEST(Berechnungsnachweis, bewehrungsuebersichtMitDurchmesserzeichen) {
    Nachweisprojekt projekt(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
    projekt.Bemessen();
    TKDornDaten& d = projekt.Dorn();
    d.SetAnzPosD(6), d.SetPosDd(16), d.SetAnzPosA(4), d.SetPosAd(14), d.SetAnzPosB1(2), d.SetPosB1d(12);
    d.SetAnzPosB2(4), d.SetPosB2d(10), d.SetAnzPosC(1), d.SetPosCd(8);
    std::string seite = PdfNachweis(projekt.Nachweis()).seiten.at(1);
    for (const char* text :
         {"Übersicht der Bewehrungszulage", "Aufhängebewehrung Pos. Asx,1 6 Ø 16", "Pos. Asx,2 4 Ø 14",
          "Längsbewehrung Pos. Asy,1 2 Ø 12", "Pos. Asy,2 4 Ø 10", "Bügel Pos. 1 1 Ø 8"})
        EXPECT_PRED2(Enthaelt, seite, text);
    d.SetAnzPosA(0), d.SetAnzPosB2(0);
    seite = PdfNachweis(projekt.Nachweis()).seiten.at(1);
    EXPECT_FALSE(Enthaelt(seite, "Pos. Asx,2"));
    EXPECT_FALSE(Enthaelt(seite, "Pos. Asy,2"));
}

TEST(Berechnungsnachweis, zwischenergebnisBewehrung) {
    BildAnwendung();
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("z.pdf");
    TKDornErgebnis ergebnis(TsDorn::ZAVR60HF);
    ergebnis.SetAsx(1206.5);
    ergebnis.SetAsy(612.49);
    ergebnis.SetRhol(0.0126);
    {
        QPdfWriter pdf(datei);
        QPainter canvas(&pdf);
        ZwischenergebnisBewehrung(canvas, ergebnis, ',');
    }
    QString text = QString::fromStdString(Ausgabe("pdftotext -layout '" + datei.toStdString() + "' -"));
    text.replace(QRegularExpression("[ \\t]+"), " ");
    for (const char* zeile :
         {"Zwischenergebnis Bewehrung\n", "Asx = 12,06 cm2\n", "Asy = 6,12 cm2\n", "= 0,013\n"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(zeile))) << zeile << "\n" << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("ρ")));
}
