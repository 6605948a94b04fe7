// Reading what the bounds of the project file allow, and what they refuse. Goals: the largest declared
// count (a file with inputs only, 10,000 positions) opened in at most 0.2 s; a 50 MB file of blank lines read
// or refused in under 1 s; a device refused at once. Peak memory: the process's high-water mark after each
// case (the cases run from the smallest to the largest), goal under 512 MB.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>

#include "files/ProjektDatei.h"
#include "files/ProjektTexte.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

namespace {

const std::string Kopf = "Programm.Name=ZAVR\r\nProgramm.Version=ZAVR - 3.1.2\r\n";

std::string Datei(const std::string& name, const std::string& inhalt) {
    const auto pfad = std::filesystem::temp_directory_path() /
                      ("zavr_grenzen_" + std::to_string(::getpid()) + "_" + name + ".ZAV");
    std::ofstream(pfad, std::ios::binary) << inhalt;
    return pfad.string();
}

double HoechststandMB() {
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    return static_cast<double>(nutzung.ru_maxrss) / 1024;
}

// Reads `datei` in every iteration; whether it is read or refused is the case's business.
void Lesen(benchmark::State& state, const std::string& datei, bool entfernen) {
    StandardUmgebung umgebung;
    for (auto _ : state) {
        auto modell = std::make_unique<TKModell>(umgebung);
        try {
            benchmark::DoNotOptimize(ReadFromFile(*modell, datei));
        } catch (const std::system_error&) {
        }
        benchmark::DoNotOptimize(*modell);
        // Closing the project is no part of opening it.
        state.PauseTiming();
        modell.reset();
        state.ResumeTiming();
    }
    state.counters["Hoechststand_MB"] = HoechststandMB();
    if (entfernen) std::filesystem::remove(datei);
}

void Geraet(benchmark::State& state) {
    Lesen(state, "/dev/zero", false);
}

void Leerzeilen(benchmark::State& state) {
    const std::string anzahl = std::to_string(state.range(0));
    Lesen(state,
          Datei("leer" + anzahl,
                Kopf + "HauptMaske.TAnzAnwendung=" + anzahl + "\r\n" + std::string(50'000'000, '\n')),
          true);
}

void GroessteAnzahl(benchmark::State& state) {
    Lesen(state, Datei("anzahl", Kopf + "HauptMaske.TAnzAnwendung=" + std::to_string(MaxPositionen) + "\r\n"),
          true);
}

}  // namespace

BENCHMARK(Geraet)->Unit(benchmark::kMillisecond);
BENCHMARK(Leerzeilen)->Arg(2)->Arg(65535)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(GroessteAnzahl)->Unit(benchmark::kMillisecond)->Iterations(3);
