// Saving and reading projects of 1, 50 and 200 positions with every result filled (about 2,000 lines per
// position). Goals: reading 200 positions in under 0.5 s, and time linear in size (200 ≤ 4.5 × 50).

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "files/ProjektDatei.h"
#include "files/Testprojekt.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

namespace {

// Dimension chains of four entries bring a position to about 2,000 lines.
constexpr int Kette = 4;

std::string Datei(int positionen) {
    return (std::filesystem::temp_directory_path() /
            ("zavr_bench_" + std::to_string(::getpid()) + "_" + std::to_string(positionen) + ".ZAV"))
        .string();
}

// A save or an open meets a heap that has not just freed buffers of the same size: they go back to the
// system first. Otherwise small projects would work in warm memory and large ones (whose buffers glibc
// returns at once) in cold memory, and the times would not compare.
void KalterSpeicher(benchmark::State& state) {
    state.PauseTiming();
    malloc_trim(0);
    state.ResumeTiming();
}

void Speichern(benchmark::State& state) {
    StandardUmgebung umgebung;
    const int positionen = static_cast<int>(state.range(0));
    const TKModell modell = Testprojekt(umgebung, positionen, Kette);
    const std::string datei = Datei(positionen);
    for (auto _ : state) {
        KalterSpeicher(state);
        if (!SaveToFile(modell, datei)) state.SkipWithError("save failed");
    }
    state.counters["Zeilen/Position"] = static_cast<double>(Dateizeilen(datei).size()) / positionen;
    std::filesystem::remove(datei);
}

void Lesen(benchmark::State& state) {
    StandardUmgebung umgebung;
    const int positionen = static_cast<int>(state.range(0));
    const std::string datei = Datei(positionen);
    SaveToFile(Testprojekt(umgebung, positionen, Kette), datei);
    for (auto _ : state) {
        KalterSpeicher(state);
        TKModell modell(umgebung);
        if (!ReadFromFile(modell, datei)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(modell);
    }
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(datei)) / 1e6;
    std::filesystem::remove(datei);
}

}  // namespace

// The machine is shared: the minimum over repetitions is the figure least disturbed by other processes.
double Minimum(const std::vector<double>& werte) {
    return *std::min_element(werte.begin(), werte.end());
}

BENCHMARK(Speichern)
    ->Arg(1)
    ->Arg(50)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("min", Minimum);
BENCHMARK(Lesen)
    ->Arg(1)
    ->Arg(50)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("min", Minimum);
