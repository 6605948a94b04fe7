// Saving and opening projects of 1, 100, 1,000 and 10,000 positions with every result filled (about 2,000
// lines and 79 KB per position). Goals: 1,000 positions saved and opened in at most 0.3 s CPU each, the
// time per position (counter s/Position) flat from 100 to 10,000 positions, and the memory while opening
// (counter Spitze/Datei: the process's peak resident memory during the open over the file's size) at most
// 1.5.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
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

// The process's peak resident memory since the last reset, in bytes (Linux: VmHWM, reset by writing 5 to
// clear_refs).
void SpitzeZuruecksetzen() {
    std::ofstream("/proc/self/clear_refs") << "5";
}
double Spitze() {
    std::ifstream status("/proc/self/status");
    for (std::string zeile; std::getline(status, zeile);)
        if (zeile.starts_with("VmHWM:")) return std::stod(zeile.substr(6)) * 1024;
    return 0;
}

void JePosition(benchmark::State& state, int positionen) {
    state.counters["s/Position"] = benchmark::Counter(
        positionen, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
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
    JePosition(state, positionen);
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(datei)) / 1e6;
    std::filesystem::remove(datei);
}

void Lesen(benchmark::State& state) {
    StandardUmgebung umgebung;
    const int positionen = static_cast<int>(state.range(0));
    const std::string datei = Datei(positionen);
    if (!SaveToFile(Testprojekt(umgebung, positionen, Kette), datei)) {
        state.SkipWithError("the project could not be saved");
        return;
    }
    const auto groesse = static_cast<double>(std::filesystem::file_size(datei));
    double spitze = 0;
    for (auto _ : state) {
        KalterSpeicher(state);
        SpitzeZuruecksetzen();
        auto modell = std::make_unique<TKModell>(umgebung);
        if (!ReadFromFile(*modell, datei)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(*modell);
        spitze = std::max(spitze, Spitze());
        // Closing the project is no part of opening it.
        state.PauseTiming();
        modell.reset();
        state.ResumeTiming();
    }
    JePosition(state, positionen);
    state.counters["MB"] = groesse / 1e6;
    state.counters["Spitze/Datei"] = spitze / groesse;
    std::filesystem::remove(datei);
}

}  // namespace

// The machine is shared: the minimum over repetitions is the figure least disturbed by other processes.
double Minimum(const std::vector<double>& werte) {
    return *std::min_element(werte.begin(), werte.end());
}

BENCHMARK(Speichern)
    ->Arg(1)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ComputeStatistics("min", Minimum);
BENCHMARK(Lesen)
    ->Arg(1)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ComputeStatistics("min", Minimum);
