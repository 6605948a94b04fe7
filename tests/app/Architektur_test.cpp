#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A setter called on an owned model object (cGeometrie.Set…) or on the model or working copy reached through
// an accessor is a widget writing the project past the session. A const_cast of a model type would be one in
// disguise.
const std::regex DirekterSetter(
    R"(\bc[A-Z][A-Za-z]*(\.|->)Set[A-Z]|(Arbeitskopie|Modell)\(\)[^;]*(\.|->)Set[A-Z])");
const std::regex ModellOhneConst(R"(const_cast\s*<\s*TK)");

bool Schreibt(const std::string& zeile) {
    return std::regex_search(zeile, DirekterSetter) || std::regex_search(zeile, ModellOhneConst);
}

TEST(Architektur, dieMusterErkennenDirektesSchreiben) {
    for (const char* zeile :
         {"a_.cGeometrie.SetPlatteDicke(v);", "Arbeitskopie().cErgebnisse.SetAktDorn(dorn);",
          "Modell().SetSkizzeAnzeige(typ);", "sitzung_.Modell().cStueckliste->SetBemerkung(z);",
          "auto& a = const_cast<TKAnwendung&>(sitzung_.Arbeitskopie());"})
        EXPECT_TRUE(Schreibt(zeile)) << zeile;
    for (const char* zeile :
         {"daten.SetBearbeiter(Wert(editBearbeiter_));", "Sitzung().SkizzeWaehlen(typ);",
          "const TKProjektdaten& daten = sitzung_.Modell().cProjektdaten;", "knopf->SetStabListe(liste);"})
        EXPECT_FALSE(Schreibt(zeile)) << zeile;
}

// Widgets never write the project: every change goes through the session, which checks it and records it
// for undo.
TEST(Architektur, keinFensterSchreibtDasModell) {
    std::vector<std::string> funde;
    for (const auto& eintrag : fs::recursive_directory_iterator(fs::path(ZAVR_SOURCE_DIR) / "app")) {
        const std::string endung = eintrag.path().extension().string();
        if (endung != ".cpp" && endung != ".h") continue;
        std::ifstream datei(eintrag.path());
        std::string zeile;
        for (int nr = 1; std::getline(datei, zeile); ++nr)
            if (Schreibt(zeile))
                funde.push_back(eintrag.path().filename().string() + ":" + std::to_string(nr) + ": " + zeile);
    }
    std::string liste;
    for (const std::string& fund : funde) liste += fund + "\n";
    EXPECT_TRUE(funde.empty()) << liste;
}

}  // namespace
