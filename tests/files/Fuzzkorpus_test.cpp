#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/ProjektLeser.h"
#include "files/ProjektSchreiber.h"
#include "files/TKDateiTransfer.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

namespace {

namespace fs = std::filesystem;

std::string Geschrieben(const TKModell& modell) {
    TKDateiTransfer s(modell.GetUmgebung().Dezimaltrenner());
    SchreibeProjekt(s, modell);
    return s.GetDateiInhalt();
}

// The fuzzer's seed corpus and the inputs it found: each is read without a fault, and a project read from
// it writes and reads back to the same file.
TEST(Fuzzkorpus, jedeEingabeLiestSichOhneFehlerUndSchreibtSichStabil) {
    int geprueft = 0;
    for (const char* ordner : {"/fuzz/files/corpus", "/fuzz/files/regression"}) {
        const fs::path pfad = std::string(ZAVR_SOURCE_DIR) + ordner;
        if (!fs::exists(pfad)) continue;
        for (const fs::directory_entry& datei : fs::directory_iterator(pfad)) {
            std::ifstream f(datei.path(), std::ios::binary);
            std::ostringstream inhalt;
            inhalt << f.rdbuf();
            StandardUmgebung umgebung;
            TKModell modell(umgebung);
            TKDateiTransfer s;
            s.SetDateiInhalt(inhalt.str());
            ++geprueft;
            if (!LeseProjekt(s, modell)) continue;
            const std::string erste = Geschrieben(modell);
            TKModell wieder(umgebung);
            TKDateiTransfer t;
            t.SetDateiInhalt(erste);
            ASSERT_TRUE(LeseProjekt(t, wieder)) << datei.path();
            EXPECT_EQ(Geschrieben(wieder), erste) << datei.path();
        }
    }
    EXPECT_GE(geprueft, 5);
}

}  // namespace
