#include "files/Ordnerliste.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Namen(const std::vector<fs::path>& pfade) {
    std::vector<std::string> namen;
    for (const fs::path& p : pfade) namen.push_back(p.filename().native());
    return namen;
}

class Ordnerinhalt : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(ordner);
        for (const char* datei :
             {"b.ZAV", "A.zav", "c.txt", ".versteckt.ZAV", "name_\xff.ZAV", "zav", "C.Zav"})
            std::ofstream(ordner / datei) << "Programm.Name=ZAVR\n";
        for (const char* unter : {"Unter", "aOrdner", "x.ZAV", ".git", "\xfe"})
            fs::create_directory(ordner / unter);
        fs::create_directory_symlink(ordner / "Unter", ordner / "Verweis");
        fs::create_symlink(ordner / "fehlt.ZAV", ordner / "tot.ZAV");
        fs::create_symlink(ordner / "b.ZAV", ordner / "zeigt.ZAV");
    }
    void TearDown() override { fs::remove_all(ordner); }

    const fs::path ordner = fs::temp_directory_path() / ("zavr_ordnerliste_" + std::to_string(::getpid()));
};

}  // namespace

// Folders and projects sorted without regard to case, bytes that are no UTF-8 kept as they are, hidden
// entries and other files left out, links taken as what they point to.
TEST_F(Ordnerinhalt, listetOrdnerUndProjekteAlsBytes) {
    const Ordnerliste liste = OrdnerLesen(ordner);
    EXPECT_EQ(Namen(liste.ordner),
              (std::vector<std::string>{"aOrdner", "Unter", "Verweis", "x.ZAV", "\xfe"}));
    EXPECT_EQ(Namen(liste.projekte),
              (std::vector<std::string>{"A.zav", "b.ZAV", "C.Zav", "name_\xff.ZAV", "zeigt.ZAV"}));
    for (const fs::path& p : liste.projekte) EXPECT_TRUE(fs::is_regular_file(p)) << p;
}

TEST_F(Ordnerinhalt, einOrdnerDerNichtGelesenWerdenKannListetNichts) {
    const Ordnerliste fehlt = OrdnerLesen(ordner / "fehlt");
    EXPECT_TRUE(fehlt.ordner.empty() && fehlt.projekte.empty());
    const Ordnerliste datei = OrdnerLesen(ordner / "b.ZAV");
    EXPECT_TRUE(datei.ordner.empty() && datei.projekte.empty());
}
