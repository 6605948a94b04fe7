#include "datei/Schreibprobe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "datei/Fehlerschicht.h"

namespace {

namespace fs = std::filesystem;

using Schreibprobe = Testordner;

// The probe leaves the folder as it was: a link planted where a probe might be made is neither followed
// (its target keeps its content) nor removed.
TEST_F(Schreibprobe, beruehrtNichtsImOrdner) {
    std::ofstream(ordner / "wichtig.txt") << "Inhalt";
    fs::create_symlink("wichtig.txt", ordner / ".zavr-schreibprobe");
    EXPECT_TRUE(OrdnerBeschreibbar(ordner.string()));
    EXPECT_EQ(DateiInhalt(ordner / "wichtig.txt"), "Inhalt");
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(ordner)) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    EXPECT_EQ(namen, (std::vector<std::string>{".zavr-schreibprobe", "wichtig.txt"}));
    EXPECT_TRUE(fs::is_symlink(ordner / ".zavr-schreibprobe"));
}

TEST_F(Schreibprobe, keinOrdnerIstNichtBeschreibbar) {
    std::ofstream(ordner / "datei") << "x";
    EXPECT_FALSE(OrdnerBeschreibbar((ordner / "fehlt").string()));
    EXPECT_FALSE(OrdnerBeschreibbar((ordner / "datei").string()));
}

}  // namespace
