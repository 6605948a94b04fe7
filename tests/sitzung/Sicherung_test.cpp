#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

#include "model/Umgebung.h"
#include "sitzung/Projektsitzung.h"

namespace fs = std::filesystem;

namespace {

// The recovery copy of a changed project: writing it leaves the project's file and unsaved state alone;
// opened again it is the same project, still belonging to its file and still unsaved. While a dialog edits
// the working copy, no copy is made of a half-finished state.
TEST(Sicherung, kopieUndWiederherstellung) {
    const fs::path ordner = fs::temp_directory_path() / ("zavr_sicherung_" + std::to_string(::getpid()));
    fs::create_directories(ordner);
    const std::string projekt = (ordner / "Halle.ZAV").string();
    const std::string kopie = (ordner / "kopie.ZAV").string();
    StandardUmgebung u;
    Projektsitzung s(u);
    ASSERT_TRUE(s.SpeichernUnter(projekt));
    ASSERT_TRUE(s.FeldSetzen(Feld::PlatteDicke, "31"));
    ASSERT_TRUE(s.SicherungSchreiben(kopie));
    EXPECT_EQ(s.Datei(), projekt);
    EXPECT_TRUE(s.Geaendert());

    Projektsitzung wieder(u);
    ASSERT_TRUE(wieder.SicherungOeffnen(kopie, projekt));
    EXPECT_TRUE(wieder.Modell().cAnwendung == s.Modell().cAnwendung);
    EXPECT_TRUE(wieder.Arbeitskopie() == s.Arbeitskopie());
    EXPECT_DOUBLE_EQ(wieder.Arbeitskopie().cGeometrie.GetPlatteDicke(), 310);
    EXPECT_EQ(wieder.Datei(), projekt);
    EXPECT_TRUE(wieder.Geaendert());
    ASSERT_TRUE(wieder.Speichern());
    EXPECT_FALSE(wieder.Geaendert());

    s.BearbeitungBeginnen();
    const Dateiergebnis verweigert = s.SicherungSchreiben((ordner / "halb.ZAV").string());
    EXPECT_FALSE(verweigert);
    EXPECT_TRUE(verweigert.verweigert);
    EXPECT_FALSE(fs::exists(ordner / "halb.ZAV"));
    s.BearbeitungVerwerfen();
    fs::remove_all(ordner);
}

}  // namespace
