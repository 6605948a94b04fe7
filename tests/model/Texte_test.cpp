#include "model/Texte.h"

#include <gtest/gtest.h>

#include "model/Typen.h"

namespace {

TEST(Texte, statustexte) {
    EXPECT_EQ(Text(TextListe::StatusKurz, 0), "OK");
    EXPECT_EQ(Text(TextListe::StatusKurz, 4), "ar < ar min");
    EXPECT_EQ(Text(TextListe::StatusKurz, 9), "e < e erf");
    EXPECT_EQ(Text(TextListe::StatusLang, 0), "Berechnung OK");
    EXPECT_EQ(Text(TextListe::StatusLang, 3), "Dornabstand kleiner zulässig!");
    EXPECT_EQ(Text(TextListe::StatusLang, 7),
              "Die angegebene Wanddicke ist für den ausgewählten Dorn kleiner als erforderlich");
    EXPECT_EQ(Text(TextListe::StatusLang, 9),
              "Der erforderlichen Bereich der Aufhängebewehrung ist größer als der vorhandene Dornabstand");
    EXPECT_EQ(Text(TextListe::Warnung, 0), "Der maximale Dornabstand ist größer als 5 * Plattendicke");
    EXPECT_EQ(Text(TextListe::Warnung, 1),
              "Der maximale Dornabstand konnte auf Grund der Querkrafteingabe nicht eingehalten werden!");
}

TEST(Texte, jedeListeHatSovieleEintraegeWieIhreCodes) {
    const std::pair<TextListe, std::size_t> listen[] = {
        {TextListe::StatusKurz, 10},
        {TextListe::StatusLang, 10},
        {TextListe::Warnung, 2},
        {TextListe::Anwendungsfall, AnzahlWerte<TsAnwendungsfall>()},
        {TextListe::Nachweistitel, AnzahlWerte<TsAnwendungsfall>()},
        {TextListe::Feuerwiderstand, AnzahlWerte<TsFeuerwiderstand>()},
        {TextListe::FeuerwiderstandLang, AnzahlWerte<TsFeuerwiderstand>()},
        {TextListe::Fugenbreite, AnzahlWerte<TsFugenbreite>()},
        {TextListe::BewehrungCalc, AnzahlWerte<TsBewehrungCalc>()},
        {TextListe::MaxDornabstand, AnzahlWerte<TsMaxDornabstand>()},
        {TextListe::Betonguete, AnzahlWerte<TsBetonguete>()},
        {TextListe::ErgebnisSpalten, 6},
    };
    for (const auto& [liste, anzahl] : listen) {
        const auto items = TeileEintrag(ReferenzEintrag(liste));
        EXPECT_EQ(items.size(), anzahl) << ReferenzEintrag(liste);
        for (const std::string& item : items) EXPECT_FALSE(item.empty()) << ReferenzEintrag(liste);
    }
}

TEST(Texte, aufzaehlungenNachOrdinal) {
    EXPECT_EQ(Text(TextListe::Anwendungsfall, TsAnwendungsfall::afEinzel), "einzelner Doppelschubdorn");
    EXPECT_EQ(Text(TextListe::Anwendungsfall, TsAnwendungsfall::afReiheWand), "Dornreihe Platte an Wand");
    EXPECT_EQ(Text(TextListe::Nachweistitel, TsAnwendungsfall::afPaarWand),
              "Nachweis für ein Paar aus Doppelschubdornen - Anschluß Platte an Wand");
    EXPECT_EQ(Text(TextListe::Feuerwiderstand, TsFeuerwiderstand::F0), "ohne");
    EXPECT_EQ(Text(TextListe::FeuerwiderstandLang, TsFeuerwiderstand::F90), "F90 Manschette");
    EXPECT_EQ(Text(TextListe::Fugenbreite, TsFugenbreite::fb50bis60), "60 mm");
    EXPECT_EQ(Text(TextListe::BewehrungCalc, TsBewehrungCalc::bcZulassung), "Standard");
    EXPECT_EQ(Text(TextListe::MaxDornabstand, TsMaxDornabstand::da5dmin_redda),
              "5 * Plattendicke - einfügen konstruktiver Dorne");
    EXPECT_EQ(Text(TextListe::Betonguete, TsBetonguete::C30_37), "C30/37");
    EXPECT_EQ(Text(TextListe::Betonguete, TsBetonguete::PB60), "C50/60");
}

TEST(Texte, indexAusserhalbIstLeer) {
    EXPECT_EQ(Text(TextListe::StatusKurz, 10), "");
    EXPECT_EQ(Text(TextListe::StatusKurz, -1), "");
}

TEST(Texte, eintragWirdAnJedemBackslashGeteilt) {
    EXPECT_EQ(TeileEintrag(R"(a\\b c\)"), (std::vector<std::string>{"a", "", "b c"}));
    EXPECT_EQ(TeileEintrag("ohne Abschluss"), (std::vector<std::string>{}));
    EXPECT_EQ(TeileEintrag(R"(x\rest)"), (std::vector<std::string>{"x"}));
}

}  // namespace
