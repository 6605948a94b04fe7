#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fuzz/files/ProjektPruefung.h"

namespace {

namespace fs = std::filesystem;

// The fuzzer's seed corpus and the inputs it found: each must keep every property the fuzz target checks,
// for each list whose count the check inflates.
TEST(Fuzzkorpus, jedeEingabeBehaeltAlleEigenschaften) {
    int geprueft = 0;
    for (const char* ordner : {"/fuzz/files/corpus", "/fuzz/files/regression"}) {
        const fs::path pfad = std::string(ZAVR_SOURCE_DIR) + ordner;
        if (!fs::exists(pfad)) continue;
        for (const fs::directory_entry& datei : fs::directory_iterator(pfad)) {
            std::ifstream f(datei.path(), std::ios::binary);
            std::ostringstream inhalt;
            inhalt << f.rdbuf();
            for (std::size_t wahl = 0; wahl < projektpruefung::Listen.size(); ++wahl)
                EXPECT_EQ(PruefeProjektDatei(inhalt.str(), wahl), "") << datei.path() << " list " << wahl;
            ++geprueft;
        }
    }
    EXPECT_GE(geprueft, 10);
}

}  // namespace
