#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "calc/TKZAVRBemessung.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"
#include "output/Skizzenbild.h"
#include "output/TKFarbe.h"

// A sketch saved as PNG, as the picture export and zavr-cli sketch write it, flushed to disk: the view and
// the plan of a designed row at the default size (500 pixels; the plan has few enough colours for a
// palette, the view not), and the four result sketches (1000 pixels). Goal: at most 10 ms for a single
// sketch.

namespace {

void Png(benchmark::State& state, TsSkizzeTyp typ, bool alleVier, int seite) {
    BildAnwendungSicherstellen();
    StandardUmgebung umgebung;
    TKModell modell(umgebung);
    TKAnwendung& a = modell.cAnwendung[0];
    a.SetAnwendungsfall(TsAnwendungsfall::afReihePlatte);
    a.cGeometrie.SetFugenlaenge(6000);
    BerechneErgebnis(a, umgebung);
    const TKFarbe farbe;
    Bildauftrag auftrag{modell, a, farbe, typ};
    auftrag.alleVier = alleVier;
    auftrag.groesse = {seite, seite};
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("skizze.png");
    for (auto _ : state)
        if (!SkizzeSpeichern(datei, Ausgabeformat::Png, auftrag).isEmpty()) state.SkipWithError("not saved");
}

void Ansicht(benchmark::State& state) {
    Png(state, TsSkizzeTyp::stAnsicht, false, 500);
}

void Draufsicht(benchmark::State& state) {
    Png(state, TsSkizzeTyp::stDraufsicht, false, 500);
}

void VierSkizzen(benchmark::State& state) {
    Png(state, TsSkizzeTyp::stAnsicht, true, 1000);
}

}  // namespace

BENCHMARK(Ansicht)->Unit(benchmark::kMillisecond);
BENCHMARK(Draufsicht)->Unit(benchmark::kMillisecond);
BENCHMARK(VierSkizzen)->Unit(benchmark::kMillisecond);
