// libFuzzer target for reading project files (the body of ReadFromFile on the file's bytes), checking what
// must hold for every input (ProjektPruefung.h): declared positions present, valid text, a stable round trip
// and lists independent of each other. Nothing is written to disk.
// Run: zavr_projekt_fuzz -dict=fuzz/files/projekt.dict -max_total_time=600 fuzz/files/corpus

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz/files/ProjektPruefung.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
    const std::string fehler = PruefeProjektDatei(bytes, groesse == 0 ? 0 : daten[groesse - 1]);
    if (!fehler.empty()) {
        std::fprintf(stderr, "%s\n", fehler.c_str());
        __builtin_trap();
    }
    return 0;
}
