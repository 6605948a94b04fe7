#include <benchmark/benchmark.h>

#include "calc/Tragfaehigkeitstabelle.h"
#include "model/Katalog.h"
#include "model/Umgebung.h"

// The full capacity table of all 21 types, thicknesses 16 to 50 cm in steps of 1 cm and one joint width
// class, per grade selection and method: the seven grades a country offers, and all fourteen.

namespace {

void VolleTabelle(benchmark::State& state, int gueten, TsBewehrungCalc methode) {
    Tabellenauswahl a;
    for (const TsDorn dorn : Katalog().Typen()) a.dorne.push_back(dorn);
    for (int g = 0; g < gueten; ++g) a.gueten.push_back(static_cast<TsBetonguete>(g));
    a.hVon = 160;
    a.hBis = 500;
    a.methoden = {methode};
    StandardUmgebung u;
    for (auto _ : state) {
        const std::vector<Tabellenzelle> zellen = BerechneTabelle(a, u);
        benchmark::DoNotOptimize(zellen.data());
    }
    state.counters["Zellen"] = static_cast<double>(AnzahlPunkte(a));
}

void SiebenGuetenStandard(benchmark::State& state) {
    VolleTabelle(state, 7, TsBewehrungCalc::bcZulassung);
}
void SiebenGuetenOptimal(benchmark::State& state) {
    VolleTabelle(state, 7, TsBewehrungCalc::bcOptimal);
}
void VierzehnGuetenStandard(benchmark::State& state) {
    VolleTabelle(state, 14, TsBewehrungCalc::bcZulassung);
}
void VierzehnGuetenOptimal(benchmark::State& state) {
    VolleTabelle(state, 14, TsBewehrungCalc::bcOptimal);
}

}  // namespace

BENCHMARK(SiebenGuetenStandard)->Unit(benchmark::kMillisecond);
BENCHMARK(SiebenGuetenOptimal)->Unit(benchmark::kMillisecond);
BENCHMARK(VierzehnGuetenStandard)->Unit(benchmark::kMillisecond);
BENCHMARK(VierzehnGuetenOptimal)->Unit(benchmark::kMillisecond);
