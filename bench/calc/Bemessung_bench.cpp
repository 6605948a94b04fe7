#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <vector>

#include "calc/TKZAVRBemessung.h"
#include "model/Umgebung.h"

// One complete design run (all 21 types) per iteration. Every run starts each type from the catalogue, so
// repeating it on the same position measures the same work each time. Goals: a single dowel and a pair in
// at most 30 µs, a typical row (10 m, constant load) in 80 µs, the row under a measured load of 3,001
// points in 4 ms. The counter Allokationen is the number of heap allocations of one run.

namespace {

std::atomic<long long> allokationen{0};

}  // namespace

// The replaced operators pair malloc with free; GCC, seeing both inlined, takes them for a mismatch.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t groesse) {
    allokationen.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(groesse == 0 ? 1 : groesse)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

void Linienlast(TKAnwendung& a, TsBelastungsfall fall, std::initializer_list<TrFloatPoint> punkte) {
    a.cBelastungDesign.SetBelastungsfall(fall);
    a.cBelastungDesign.ResetbeliebigeLast();
    for (const TrFloatPoint& p : punkte) a.cBelastungDesign.AddbeliebigeLast(p);
}

void Messe(benchmark::State& state, TKAnwendung& a, StandardUmgebung& u) {
    const long long vorher = allokationen.load();
    for (auto _ : state) {
        BerechneErgebnis(a, u);
        benchmark::DoNotOptimize(a.cErgebnisse.GetAktDorn());
    }
    state.counters["Allokationen"] =
        static_cast<double>(allokationen.load() - vorher) / static_cast<double>(state.iterations());
}

void ReiheZehnMeterKonstant(benchmark::State& state) {
    StandardUmgebung u;
    TKAnwendung a(u);
    a.SetAnwendungsfall(TsAnwendungsfall::afReihePlatte);
    a.SetBewehrungCalc(TsBewehrungCalc::bcOptimal);
    a.cGeometrie.SetFugenlaenge(10000);
    Linienlast(a, TsBelastungsfall::bfKonstanteLast, {{0, 60}, {10000, 60}});
    Messe(state, a, u);
}

void ReiheDreissigMeterBeliebig(benchmark::State& state) {
    StandardUmgebung u;
    TKAnwendung a(u);
    a.SetAnwendungsfall(TsAnwendungsfall::afReihePlatte);
    a.SetMaxDornabstand(TsMaxDornabstand::da5dmin_redF);
    a.cGeometrie.SetFugenlaenge(30000);
    a.cGeometrie.SetPlatteDicke(300);
    Linienlast(
        a, TsBelastungsfall::bfbeliebigeLast,
        {{0, 30}, {3000, 45}, {7000, 25}, {12000, 60}, {16000, 40}, {21000, 55}, {26000, 30}, {30000, 35}});
    Messe(state, a, u);
}

// A measured load: state.range(0) points evenly along a 30 m joint, varying between 25 and 65 kN/m.
void ReiheDreissigMeterVielePunkte(benchmark::State& state) {
    StandardUmgebung u;
    TKAnwendung a(u);
    a.SetAnwendungsfall(TsAnwendungsfall::afReihePlatte);
    a.SetMaxDornabstand(TsMaxDornabstand::da5dmin_redF);
    a.cGeometrie.SetFugenlaenge(30000);
    a.cGeometrie.SetPlatteDicke(300);
    const auto n = static_cast<int>(state.range(0));
    std::vector<TrFloatPoint> punkte;
    for (int i = 0; i < n; ++i) punkte.push_back({30000.0 * i / (n - 1), 45 + 20 * std::sin(i * 0.05)});
    a.cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfbeliebigeLast);
    a.cBelastungDesign.SetbeliebigeLast(std::move(punkte));
    Messe(state, a, u);
}

void Einzeldorn(benchmark::State& state) {
    StandardUmgebung u;
    TKAnwendung a(u);
    a.SetAnwendungsfall(TsAnwendungsfall::afEinzel);
    a.cBelastungDesign.SetPunktLast(60);
    Messe(state, a, u);
}

void Dornpaar(benchmark::State& state) {
    StandardUmgebung u;
    TKAnwendung a(u);
    a.SetAnwendungsfall(TsAnwendungsfall::afPaarPlatte);
    Linienlast(a, TsBelastungsfall::bfLinienlast, {{0, 60}, {2000, 20}});
    Messe(state, a, u);
}

}  // namespace

BENCHMARK(ReiheZehnMeterKonstant)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReiheDreissigMeterBeliebig)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReiheDreissigMeterVielePunkte)->Arg(150)->Arg(1000)->Arg(3001)->Unit(benchmark::kMicrosecond);
BENCHMARK(Einzeldorn)->Unit(benchmark::kMicrosecond);
BENCHMARK(Dornpaar)->Unit(benchmark::kMicrosecond);
