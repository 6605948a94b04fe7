// libFuzzer target for reading project files (the body of ReadFromFile on the file's bytes).
// Run: zavr_projekt_fuzz -dict=fuzz/files/projekt.dict -max_total_time=300 fuzz/files/corpus

#include <cstddef>
#include <cstdint>
#include <string>

#include "files/ProjektLeser.h"
#include "files/ProjektSchreiber.h"
#include "files/TKDateiTransfer.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

namespace {

std::string Geschrieben(const TKModell& modell) {
    TKDateiTransfer s(modell.GetUmgebung().Dezimaltrenner());
    SchreibeProjekt(s, modell);
    return s.GetDateiInhalt();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    StandardUmgebung umgebung;
    umgebung.heute = "09.12.2026";
    TKModell modell(umgebung);
    TKDateiTransfer s(umgebung.Dezimaltrenner());
    s.SetDateiInhalt(std::string(reinterpret_cast<const char*>(daten), groesse));
    if (!LeseProjekt(s, modell)) return 0;

    // Whatever was read is a valid project: it writes, and it reads back to the same file.
    const std::string erste = Geschrieben(modell);
    TKModell wieder(umgebung);
    TKDateiTransfer t(umgebung.Dezimaltrenner());
    t.SetDateiInhalt(erste);
    if (!LeseProjekt(t, wieder) || Geschrieben(wieder) != erste) __builtin_trap();
    return 0;
}
