#include "model/Vorpruefung.h"

#include <gtest/gtest.h>

#include "model/TKAnwendung.h"
#include "model/Umgebung.h"

namespace {

const std::string Dicke =
    "Die vorgegebene Betondicke ist kleiner als die minimale Betondicke für den kleinsten Doppelschubdorn!";
const std::string Oben = "Der Wert der Betondeckung oben ist < 2,5 cm. Bitte prüfen!";
const std::string Unten = "Der Wert der Betondeckung unten ist < 2,5 cm. Bitte prüfen!";
const std::string Summe =
    "Die Summe der Betondeckungen ist größer als die Dicke der anzuschließenden Betonplatte!";
const std::string Wand =
    "Die Wanddicke ist kleiner als die mindest erforderliche Dicke für den kleinsten Doppelschubdorn!";
const std::string Paar = "Der eingegebene Dornabstand ist größer als die Fugenlänge!";

class VorpruefungTest : public ::testing::Test {
protected:
    StandardUmgebung umgebung;
    TKAnwendung anwendung{umgebung};
};

TEST_F(VorpruefungTest, einNeuePositionBestehtOhneFrage) {
    const Vorpruefung v = PruefeVorBerechnung(anwendung, umgebung);
    EXPECT_TRUE(v.Bestanden());
    EXPECT_FALSE(v.KonstanterAbstandFrage);
}

TEST_F(VorpruefungTest, listetAlleFehlerInDerFestenReihenfolge) {
    anwendung.SetAnwendungsfall(TsAnwendungsfall::afPaarWand);
    auto& g = anwendung.cGeometrie;
    g.SetPlatteDicke(40);
    g.SetBetondeckungOben(20);
    g.SetBetondeckungUnten(24);
    g.SetWandDicke(140);
    g.SetFugenlaenge(1000);
    g.SetDornPaarAbstand(1000);  // equality already fails
    const Vorpruefung v = PruefeVorBerechnung(anwendung, umgebung);
    EXPECT_EQ(v.Hinweise, (std::vector<std::string>{Dicke, Oben, Unten, Summe, Wand, Paar}));
}

TEST_F(VorpruefungTest, summeDerDeckungenUeberDerPlattendicke) {
    auto& g = anwendung.cGeometrie;
    g.SetPlatteDicke(160);
    g.SetBetondeckungOben(100);
    g.SetBetondeckungUnten(70);
    EXPECT_EQ(PruefeVorBerechnung(anwendung, umgebung).Hinweise, std::vector<std::string>{Summe});
    g.SetBetondeckungUnten(60);  // exactly the slab thickness is fine
    EXPECT_TRUE(PruefeVorBerechnung(anwendung, umgebung).Bestanden());
}

TEST_F(VorpruefungTest, wandUndPaarabstandNurWoDasFeldGezeigtWird) {
    auto& g = anwendung.cGeometrie;
    g.SetWandDicke(100);
    g.SetDornPaarAbstand(5000);
    g.SetFugenlaenge(5000);
    for (auto fall : {TsAnwendungsfall::afEinzel, TsAnwendungsfall::afReihePlatte}) {
        anwendung.SetAnwendungsfall(fall);
        EXPECT_TRUE(PruefeVorBerechnung(anwendung, umgebung).Bestanden());
    }
    anwendung.SetAnwendungsfall(TsAnwendungsfall::afPaarPlatte);
    EXPECT_EQ(PruefeVorBerechnung(anwendung, umgebung).Hinweise, std::vector<std::string>{Paar});
    g.SetDornPaarAbstandCalc(true);  // the engine chooses the spacing, the field is hidden
    EXPECT_TRUE(PruefeVorBerechnung(anwendung, umgebung).Bestanden());
    anwendung.SetAnwendungsfall(TsAnwendungsfall::afReiheWand);
    EXPECT_EQ(PruefeVorBerechnung(anwendung, umgebung).Hinweise, std::vector<std::string>{Wand});
}

TEST_F(VorpruefungTest, konstanterAbstandUeberFuenfPlattendickenFragtNach) {
    auto& g = anwendung.cGeometrie;
    g.SetPlatteDicke(180);
    g.SetkonstDornAbstand(1000);
    EXPECT_FALSE(PruefeVorBerechnung(anwendung, umgebung).KonstanterAbstandFrage);  // spacing from the load
    g.SetDornAbstandCalc(true);
    EXPECT_TRUE(PruefeVorBerechnung(anwendung, umgebung).KonstanterAbstandFrage);
    EXPECT_TRUE(PruefeVorBerechnung(anwendung, umgebung).Bestanden());  // a question, not a failed check
    g.SetkonstDornAbstand(900);                               // exactly 5 h is allowed
    EXPECT_FALSE(PruefeVorBerechnung(anwendung, umgebung).KonstanterAbstandFrage);
    g.SetkonstDornAbstand(1000);
    anwendung.SetAnwendungsfall(TsAnwendungsfall::afPaarPlatte);
    EXPECT_FALSE(PruefeVorBerechnung(anwendung, umgebung).KonstanterAbstandFrage);
}

TEST_F(VorpruefungTest, beliebigeLastBrauchtZweiPunkte) {
    auto& last = anwendung.cBelastungDesign;
    last.SetBelastungsfall(TsBelastungsfall::bfbeliebigeLast);
    EXPECT_TRUE(PruefeVorBerechnung(anwendung, umgebung).Bestanden());
    last.ResetbeliebigeLast();
    last.AddbeliebigeLast({0, 30});
    const Vorpruefung v = PruefeVorBerechnung(anwendung, umgebung);
    ASSERT_EQ(v.Hinweise.size(), 1u);
    EXPECT_NE(v.Hinweise[0].find("weniger als zwei Lastpunkte"), std::string::npos);
}

}  // namespace
