#include "calc/Tragfaehigkeitstabelle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "calc/TKZAVRBemessung.h"
#include "model/Katalog.h"
#include "model/TKAnwendung.h"
#include "model/Umgebung.h"
#include "model/Zahlentext.h"

namespace {

std::string Name(const Tabellenpunkt& p) {
    return DornName(p.dorn) + " grade " + std::to_string(Ord(p.guete)) + " h " + std::to_string(p.h) +
           " joint " + std::to_string(Ord(p.fuge)) + " method " + std::to_string(Ord(p.methode));
}

// The design of a position made from a grid point, with the design load and the edge distance given.
struct Entwurf {
    Entwurf(const Tabellenpunkt& punkt, double vEd, double rand) {
        Referenzsituation(anwendung, punkt, vEd, rand);
        BerechneErgebnis(anwendung, umgebung);
        ergebnis = &anwendung.cErgebnisse.cDornErgebnis[Ord(punkt.dorn)];
    }
    bool Zulaessig() const { return ergebnis->GetStatus() == 0 && ergebnis->cFehler.GetMeldungen().empty(); }
    bool Ueberlastet() const {
        const auto& codes = ergebnis->cFehler.GetMeldungen();
        return std::find(codes.begin(), codes.end(), 2) != codes.end();
    }

    StandardUmgebung umgebung;
    TKAnwendung anwendung{umgebung};
    const TKDornErgebnis* ergebnis = nullptr;
};

// Every third grade, every type, thicknesses from below the smallest minimum to beyond the largest, every
// joint width class and both methods: some 4,000 grid points, of which every seventh is designed.
Tabellenauswahl Stichprobenraum() {
    Tabellenauswahl a;
    for (int d = 0; d < AnzahlDorne; ++d) a.dorne.push_back(static_cast<TsDorn>(d));
    a.gueten = {TsBetonguete::C20_25, TsBetonguete::C35_45, TsBetonguete::C50_60, TsBetonguete::PB37,
                TsBetonguete::PB60};
    a.hVon = 150;
    a.hBis = 700;
    a.hSchritt = 70;
    a.fugen = {TsFugenbreite::fb0bis20, TsFugenbreite::fb30bis40, TsFugenbreite::fb50bis60};
    a.methoden = {TsBewehrungCalc::bcZulassung, TsBewehrungCalc::bcOptimal};
    return a;
}

class TabelleGegenBemessung : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        StandardUmgebung umgebung;
        zellen = new std::vector<Tabellenzelle>(BerechneTabelle(Stichprobenraum(), umgebung));
    }
    static void TearDownTestSuite() { delete zellen; }
    static std::vector<Tabellenzelle> Stichprobe() {
        std::vector<Tabellenzelle> auswahl;
        for (std::size_t i = 0; i < zellen->size(); i += 7) auswahl.push_back((*zellen)[i]);
        return auswahl;
    }
    static std::vector<Tabellenzelle>* zellen;
};
std::vector<Tabellenzelle>* TabelleGegenBemessung::zellen = nullptr;

TEST_F(TabelleGegenBemessung, derTabellenwertIstGenauDieTragfaehigkeitDerBemessung) {
    int zulaessig = 0;
    int markiert = 0;
    for (const Tabellenzelle& z : Stichprobe()) {
        SCOPED_TRACE(Name(z.punkt));
        if (!z.Zulaessig()) {
            ++markiert;
            const Entwurf klein(z.punkt, 1, 100000);
            EXPECT_NE(klein.ergebnis->GetStatus(), 0);
            EXPECT_EQ(klein.ergebnis->cFehler.GetMeldungen(), z.fehler);
            continue;
        }
        ++zulaessig;
        const Entwurf voll(z.punkt, z.VRd, z.minRand);
        EXPECT_TRUE(voll.Zulaessig()) << "status " << voll.ergebnis->GetStatus();
        EXPECT_EQ(AusnutzungText(voll.ergebnis->GetVRdIst(), voll.ergebnis->GetVRdZul(), ','), "1,00");

        const Entwurf mehr(z.punkt, 1.01 * z.VRd, z.minRand);
        EXPECT_TRUE(mehr.Ueberlastet()) << "V_Rd,zul " << mehr.ergebnis->GetVRdZul();

        // The value holds at any larger edge distance; with the standard reinforcement the edge distance is
        // the smallest in whole cm.
        if (z.punkt.methode == TsBewehrungCalc::bcZulassung) {
            EXPECT_FALSE(Entwurf(z.punkt, z.VRd, z.minRand - 10).Zulaessig());
        }
        for (const double weiter : {10.0, 70.0})
            EXPECT_TRUE(Entwurf(z.punkt, z.VRd, z.minRand + weiter).Zulaessig()) << weiter;
    }
    EXPECT_GE(zulaessig + markiert, 500);
    EXPECT_GE(zulaessig, 250);
    EXPECT_GE(markiert, 50);
}

// With the standard reinforcement a pair of dowels at the cell's spacing, each at the cell's edge distance
// from the ends of the joint, carries the cell's resistance per dowel: the spacing reduces nothing either.
TEST_F(TabelleGegenBemessung, einPaarImTabellenabstandTraegtDenTabellenwert) {
    int paare = 0;
    for (const Tabellenzelle& z : Stichprobe()) {
        if (!z.Zulaessig() || z.punkt.methode != TsBewehrungCalc::bcZulassung) continue;
        SCOPED_TRACE(Name(z.punkt));
        ++paare;
        StandardUmgebung umgebung;
        TKAnwendung a(umgebung);
        Referenzsituation(a, z.punkt, 0, 0);
        a.SetAnwendungsfall(TsAnwendungsfall::afPaarPlatte);
        TKGeometrie& g = a.cGeometrie;
        g.SetRandLinks(false);
        g.SetRandRechts(false);
        g.SetDornPaarAbstandCalc(false);
        g.SetDornPaarAbstand(z.minAchs);
        g.SetFugenlaenge(z.minAchs + 2 * z.minRand);
        // A constant line load whose share per dowel is just below the resistance.
        const double q = 2000 * 0.999 * z.VRd / g.GetFugenlaenge();
        a.cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfKonstanteLast);
        a.cBelastungDesign.SetLinienLastLinks(q);
        a.cBelastungDesign.SetLinienLastRechts(q);
        BerechneErgebnis(a, umgebung);
        const TKDornErgebnis& e = a.cErgebnisse.cDornErgebnis[Ord(z.punkt.dorn)];
        EXPECT_EQ(e.GetStatus(), 0);
        EXPECT_EQ(e.GetDornAnordnung(), TsDornAnordnung::daEinzelDorn);
        EXPECT_EQ(AufHundertstelAbgerundet(e.GetVRdZul()), z.VRd);
    }
    EXPECT_GE(paare, 100);
}

}  // namespace

namespace {

struct Dickenfall {
    TsDorn dorn;
    std::optional<double> von, bis;
    double schritt;
    std::vector<double> erwartet;  // first, second and last thickness, count
};

class Dickenliste : public ::testing::TestWithParam<Dickenfall> {};

// Without a start each type starts at its minimum thickness; without an end it ends at 50 cm, or 20 cm above
// its minimum thickness; a step of 0.1 cm does not drift past the end; a step that is not positive gives
// nothing.
TEST_P(Dickenliste, vonBisSchritt) {
    const Dickenfall& f = GetParam();
    Tabellenauswahl a;
    a.hVon = f.von;
    a.hBis = f.bis;
    a.hSchritt = f.schritt;
    const std::vector<double> d = Dicken(a, f.dorn);
    if (f.erwartet.empty()) {
        EXPECT_TRUE(d.empty());
        return;
    }
    ASSERT_GE(d.size(), 2u);
    EXPECT_EQ((std::vector<double>{d[0], d[1], d.back(), static_cast<double>(d.size())}), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Dickenliste,
                         ::testing::Values(Dickenfall{TsDorn::ZAVR20HF, {}, {}, 10, {160, 170, 500, 35}},
                                           Dickenfall{TsDorn::ZAVR450, {}, {}, 10, {650, 660, 850, 21}},
                                           Dickenfall{TsDorn::ZAVR60HF, 160.0, 200.0, 20, {160, 180, 200, 3}},
                                           Dickenfall{TsDorn::ZAVR20HF, 160.0, 170.0, 1, {160, 161, 170, 11}},
                                           Dickenfall{TsDorn::ZAVR20HF, 200.0, 160.0, 10, {}},
                                           Dickenfall{TsDorn::ZAVR20HF, 160.0, 200.0, 0, {}}));

// Fire protection adds a sleeve but changes no resistance; the steel resistance is the catalogue's for the
// joint width class, and in a thick slab of a strong concrete it governs.
TEST(Tabellenzelle, brandschutzAendertNichtsStahlAusDemKatalog) {
    StandardUmgebung u;
    for (const TsFugenbreite fuge : {TsFugenbreite::fb0bis20, TsFugenbreite::fb50bis60}) {
        Tabellenpunkt p{TsDorn::ZAVR30HF,      TsBetonguete::C50_60,        400, fuge,
                        TsFeuerwiderstand::F0, TsBewehrungCalc::bcZulassung};
        const Tabellenzelle ohne = BerechneZelle(p, u);
        p.brandschutz = TsFeuerwiderstand::F90;
        const Tabellenzelle mit = BerechneZelle(p, u);
        EXPECT_EQ(ohne.VRd, mit.VRd);
        EXPECT_EQ(ohne.minRand, mit.minRand);
        EXPECT_EQ(ohne.VRds, Katalog()[TsDorn::ZAVR30HF].VRds[Ord(fuge)]);
        EXPECT_EQ(ohne.VRd, ohne.VRds);
        EXPECT_EQ(ohne.massgebend, Massgebend::Stahl);
    }
}

}  // namespace
