// libFuzzer target for the whole way of a project file: opened as the program opens it, designed where it
// has no results, and every output made in memory (GanzerWeg.h).
// Run: zavr_ganz_fuzz -dict=fuzz/files/projekt.dict -timeout=10 -rss_limit_mb=1024 -detect_leaks=0
//        -max_total_time=600 CORPUS fuzz/files/corpus fuzz/files/regression fuzz/ganz/regression
// (-detect_leaks=0: fontconfig keeps the font caches Qt loads on first use until the process ends, which
// LeakSanitizer would report for every input; its check at exit leaves them out by the suppression below.)

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/ganz/GanzerWeg.h"

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication anwendung(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string fehler = PruefeGanzenWeg(std::string(reinterpret_cast<const char*>(daten), groesse));
    if (!fehler.empty()) {
        std::fprintf(stderr, "%s\n", fehler.c_str());
        __builtin_trap();
    }
    return 0;
}
