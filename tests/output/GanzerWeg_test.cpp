#include "fuzz/ganz/GanzerWeg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "SkizzenTestdaten.h"

namespace {

namespace fs = std::filesystem;

// The seeds of the whole-way fuzzer (the project corpus and the reproducers of damaged files) and the
// inputs it found: each goes all the way to every output with every property kept.
TEST(GanzerWeg, jedeEingabeBisZuAllenAusgaben) {
    BildAnwendung();
    int geprueft = 0;
    for (const char* ordner : {"/fuzz/files/corpus", "/fuzz/files/regression", "/fuzz/ganz/regression"}) {
        for (const fs::directory_entry& datei :
             fs::directory_iterator(std::string(ZAVR_SOURCE_DIR) + ordner)) {
            std::ifstream f(datei.path(), std::ios::binary);
            std::ostringstream inhalt;
            inhalt << f.rdbuf();
            EXPECT_EQ(PruefeGanzenWeg(inhalt.str()), "") << datei.path();
            ++geprueft;
        }
    }
    EXPECT_GE(geprueft, 15);
}

}  // namespace
