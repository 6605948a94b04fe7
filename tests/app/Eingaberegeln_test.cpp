#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QToolButton>

#include "app/HauptmaskeTest.h"

namespace {

struct Sichtbarkeit {
    const char* knopf;
    bool wand, raender, fugenlaenge, paar, konstant, reihenskizze, lastleiste, beliebig;
    TsBelastungsfall lastfall;  // after the click, starting from a linear line load
};

class Anwendungsfall : public Hauptmaske, public ::testing::WithParamInterface<Sichtbarkeit> {};

TEST_P(Anwendungsfall, zeigtNurDieFelderDesFalls) {
    const auto& fall = GetParam();
    Klick(fall.knopf);
    EXPECT_EQ(Sichtbar(F(Feld::Wanddicke)), fall.wand);
    EXPECT_EQ(Sichtbar(F(Feld::BauteilrandLinks)), fall.raender);
    EXPECT_EQ(Sichtbar(F(Feld::BauteilrandRechts)), fall.raender);
    EXPECT_EQ(Sichtbar(F(Feld::Fugenlaenge)), fall.fugenlaenge);
    EXPECT_EQ(Sichtbar(Kind<QWidget>("grpDornPaarAbstand")), fall.paar);
    EXPECT_EQ(Sichtbar(Kind<QWidget>("grpkonstDornabstand")), fall.konstant);
    EXPECT_EQ(Sichtbar(Kind<QWidget>("tbReihenAnsicht")), fall.reihenskizze);
    EXPECT_EQ(Sichtbar(Kind<QWidget>("tbarBelastungsfall")), fall.lastleiste);
    EXPECT_EQ(Sichtbar(Kind<QWidget>("tbbeliebigeLast")), fall.beliebig);
    EXPECT_FALSE(Sichtbar(Kind<QWidget>("tbPunktlast")));
    EXPECT_FALSE(Sichtbar(F(Feld::BetondeckungVorn)));
    EXPECT_FALSE(Sichtbar(F(Feld::Lastverteilung)));
    EXPECT_EQ(A().cGeometrie.GetRandLinks(), fall.raender);
    EXPECT_EQ(A().cGeometrie.GetRandRechts(), fall.raender);
    EXPECT_EQ(A().cBelastungDesign.GetBelastungsfall(), fall.lastfall);
    EXPECT_EQ(fenster->Ansicht(), TsAnsicht::anEingabe);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Anwendungsfall,
                         ::testing::Values(Sichtbarkeit{"tbEinzel", false, true, false, false, false, false,
                                                        false, false, TsBelastungsfall::bfPunktlast},
                                           Sichtbarkeit{"tbPaarPlatte", false, false, true, true, false, true,
                                                        true, false, TsBelastungsfall::bfLinienlast},
                                           Sichtbarkeit{"tbPaarWand", true, false, true, true, false, true,
                                                        true, false, TsBelastungsfall::bfLinienlast},
                                           Sichtbarkeit{"tbReihePlatte", false, false, true, false, true,
                                                        true, true, true, TsBelastungsfall::bfLinienlast},
                                           Sichtbarkeit{"tbReiheWand", true, false, true, false, true, true,
                                                        true, true, TsBelastungsfall::bfLinienlast}));

TEST_F(Hauptmaske, lastfallFolgtDemAnwendungsfall) {
    Klick("tbbeliebigeLast");
    Klick("tbPaarPlatte");  // pairs know no arbitrary load
    EXPECT_EQ(A().cBelastungDesign.GetBelastungsfall(), TsBelastungsfall::bfLinienlast);
    Klick("tbKonstanteLast");
    Klick("tbPaarWand");  // a constant load stays
    EXPECT_EQ(A().cBelastungDesign.GetBelastungsfall(), TsBelastungsfall::bfKonstanteLast);
    Klick("tbEinzel");
    EXPECT_EQ(A().cBelastungDesign.GetBelastungsfall(), TsBelastungsfall::bfPunktlast);
    EXPECT_TRUE(Sichtbar(F(Feld::Punktlast)));
    Klick("tbReiheWand");  // rows take no point load
    EXPECT_EQ(A().cBelastungDesign.GetBelastungsfall(), TsBelastungsfall::bfLinienlast);
}

TEST_F(Hauptmaske, abstandsfelderNurWennSieGebrauchtWerden) {
    Klick("tbPaarPlatte");
    EXPECT_TRUE(Sichtbar(F(Feld::DornPaarAbstand)));
    Klick("cbDornPaarAbstand");
    EXPECT_FALSE(Sichtbar(F(Feld::DornPaarAbstand)));
    EXPECT_TRUE(A().cGeometrie.GetDornPaarAbstandCalc());
    Klick("tbReihePlatte");
    EXPECT_FALSE(Sichtbar(F(Feld::konstDornabstand)));
    Klick("cbkonstDornabstand");
    EXPECT_TRUE(Sichtbar(F(Feld::konstDornabstand)));
    EXPECT_TRUE(A().cGeometrie.GetDornAbstandCalc());
}

struct Lastpanel {
    const char* knopf;
    bool punkt, linien, anfangFrei, endeFrei;
};

class Lastfall : public Hauptmaske, public ::testing::WithParamInterface<Lastpanel> {};

TEST_P(Lastfall, zeigtUndSperrtDieLastfelder) {
    const auto& fall = GetParam();
    Klick("tbReihePlatte");
    Klick(fall.knopf);
    EXPECT_EQ(Sichtbar(F(Feld::Punktlast)), fall.punkt);
    EXPECT_EQ(Sichtbar(F(Feld::LinienlastLinks)), fall.linien);
    EXPECT_EQ(Sichtbar(F(Feld::LinienlastRechts)), fall.linien);
    EXPECT_EQ(F(Feld::LinienlastLinks)->isEnabled(), fall.anfangFrei);
    EXPECT_EQ(Kind<QWidget>("BitBtnLinienlastLinks")->isEnabled(), fall.anfangFrei);
    EXPECT_EQ(F(Feld::LinienlastRechts)->isEnabled(), fall.endeFrei);
    EXPECT_EQ(Kind<QWidget>("BitBtnLinienlastRechts")->isEnabled(), fall.endeFrei);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Lastfall,
                         ::testing::Values(Lastpanel{"tbKonstanteLast", false, true, true, false},
                                           Lastpanel{"tbLinienlast", false, true, true, true},
                                           Lastpanel{"tbbeliebigeLast", false, true, false, false}));

TEST_F(Hauptmaske, einzellastZeigtNurDasPunktlastfeld) {
    Klick("tbEinzel");
    EXPECT_TRUE(Sichtbar(F(Feld::Punktlast)));
    EXPECT_FALSE(Sichtbar(F(Feld::LinienlastLinks)));
    EXPECT_FALSE(Sichtbar(F(Feld::LinienlastRechts)));
}

TEST_F(Hauptmaske, konstanteLastUebernimmtDenAnfangswert) {
    Klick("tbLinienlast");
    Eingeben(Feld::LinienlastLinks, QStringLiteral("20"));
    Eingeben(Feld::LinienlastRechts, QStringLiteral("35"));
    Klick("tbKonstanteLast");
    EXPECT_EQ(F(Feld::LinienlastRechts)->text(), QStringLiteral("20"));
    EXPECT_DOUBLE_EQ(A().cBelastungDesign.GetLinienLastLinks(), 20);
    EXPECT_DOUBLE_EQ(A().cBelastungDesign.GetLinienLastRechts(), 20);
    // Typing the start value of a constant load also changes the end value.
    Eingeben(Feld::LinienlastLinks, QStringLiteral("27,5"));
    EXPECT_EQ(F(Feld::LinienlastRechts)->text(), QStringLiteral("27,5"));
    EXPECT_DOUBLE_EQ(A().cBelastungDesign.GetLinienLastRechts(), 27.5);
}

// A load-case button takes no focus: what was typed into the field and not yet left counts first.
TEST_F(Hauptmaske, lastfallknopfUebernimmtDenGeradeGetipptenWert) {
    Klick("tbLinienlast");
    Eingeben(Feld::LinienlastLinks, QStringLiteral("10"));
    F(Feld::LinienlastRechts)->setFocus();
    F(Feld::LinienlastRechts)->selectAll();
    QTest::keyClicks(F(Feld::LinienlastRechts), QStringLiteral("30"));
    Klick("tbLinienlast");
    EXPECT_DOUBLE_EQ(A().cBelastungDesign.GetLinienLastLinks(), 10);
    EXPECT_DOUBLE_EQ(A().cBelastungDesign.GetLinienLastRechts(), 30);
    F(Feld::LinienlastLinks)->setFocus();
    F(Feld::LinienlastLinks)->selectAll();
    QTest::keyClicks(F(Feld::LinienlastLinks), QStringLiteral("15"));
    Klick("tbKonstanteLast");
    EXPECT_DOUBLE_EQ(A().cBelastungDesign.GetLinienLastLinks(), 15);
    EXPECT_DOUBLE_EQ(A().cBelastungDesign.GetLinienLastRechts(), 15);
}

TEST_F(Hauptmaske, einzeldornSchaltetVonDerReihenskizzeAufDieAnsicht) {
    Klick("tbReihePlatte");
    Klick("tbReihenAnsicht");
    EXPECT_EQ(fenster->Modell().GetSkizzeAnzeige(), TsSkizzeTyp::stDornReihe);
    Klick("tbEinzel");
    EXPECT_EQ(A().cErgebnisse.GetErgebnisAnzeige(), TsSkizzeTyp::stAnsicht);
    EXPECT_EQ(fenster->Modell().GetSkizzeAnzeige(), TsSkizzeTyp::stEingabe);  // input mode: the input sketch
}

TEST_F(Hauptmaske, auswahlfelderSchreibenInDieArbeitskopie) {
    auto* fugenbreite = Kind<QComboBox>("cBoxFugenbreite");
    ASSERT_EQ(fugenbreite->count(), 5);
    EXPECT_EQ(fugenbreite->itemText(4), QStringLiteral("60 mm"));
    fugenbreite->setCurrentIndex(4);
    emit fugenbreite->activated(4);
    EXPECT_EQ(A().cGeometrie.GetFugenbreite(), TsFugenbreite::fb50bis60);
    auto* beton = Kind<QComboBox>("cboxBetonguete");
    ASSERT_EQ(beton->count(), 7);
    EXPECT_EQ(beton->itemText(6), QStringLiteral("C50/60"));
    emit beton->activated(3);
    EXPECT_EQ(A().GetBetonguete(), TsBetonguete::C35_45);
    emit Kind<QComboBox>("cboxFeuerwiderstand")->activated(0);
    EXPECT_EQ(A().GetFeuerwiderstand(), TsFeuerwiderstand::F0);
    Kind<QWidget>("rgBewehrungCalc")->findChildren<QAbstractButton*>().at(0)->click();
    EXPECT_EQ(A().GetBewehrungCalc(), TsBewehrungCalc::bcZulassung);
}

TEST_F(Hauptmaske, projektnameUndPositionsname) {
    auto* bauvorhaben = Kind<QLineEdit>("EditBauvorhaben");
    QTest::keyClicks(bauvorhaben, QStringLiteral("Halle 3"));
    EXPECT_EQ(fenster->Modell().cProjektdaten.GetBauvorhaben(), "Halle 3");
    auto* position = Kind<QLineEdit>("EditPosition");
    position->setText(QStringLiteral("Achse B"));
    emit position->editingFinished();
    EXPECT_EQ(A().GetPosition(), "Achse B");
    EXPECT_EQ(fenster->Modell().cAnwendung.at(0).GetPosition(), "1");  // only the working copy changes
}

}  // namespace

namespace {

TEST_F(Hauptmaske, polnischeVarianteBietetDiePolnischenGueten) {
    einstellungen.SchreibeZahl(QStringLiteral("IDSprache"), 21);
    fenster = std::make_unique<TfrmHauptMaske>(umgebung);
    ASSERT_EQ(A().GetAktLand(), TsLand::plk);
    auto* beton = Kind<QComboBox>("cboxBetonguete");
    ASSERT_EQ(beton->count(), 7);
    emit beton->activated(2);
    EXPECT_EQ(A().GetBetonguete(), TsBetonguete::PB37);
    fenster->EingabenAktualisieren();
    EXPECT_EQ(beton->currentIndex(), 2);
}

}  // namespace
