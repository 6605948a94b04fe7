#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "calc/TKZAVRBemessung.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"
#include "output/Berechnungsnachweis.h"
#include "output/Nachweisausgabe.h"
#include "output/Skizzenbild.h"
#include "output/TKFarbe.h"

// The proof of a 40-dowel row (30 m joint, constant spacing of 75 cm): the preview images at screen
// resolution, and the PDF written to a file as "Als PDF speichern…" does (600 dpi, flushed to disk).

namespace {

struct Reihe {
    StandardUmgebung umgebung;
    TKModell modell{umgebung};
    TKFarbe farbe;

    Reihe() {
        TKAnwendung& a = modell.cAnwendung[0];
        a.SetAnwendungsfall(TsAnwendungsfall::afReihePlatte);
        a.cGeometrie.SetFugenlaenge(30000);
        a.cGeometrie.SetDornAbstandCalc(true);
        a.cGeometrie.SetkonstDornAbstand(750);
        a.cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfKonstanteLast);
        a.cBelastungDesign.SetLastLaenge(30000);
        a.cBelastungDesign.SetbeliebigeLast({{0, 60}, {30000, 60}});
        BerechneErgebnis(a, umgebung);
    }
    int Dorne() const {
        const TKErgebnisse& e = modell.cAnwendung[0].cErgebnisse;
        return e.GetAnzDorn(e.GetAktDorn());
    }
};

bool Vorbereitet(benchmark::State& state, const Reihe& reihe) {
    BildAnwendungSicherstellen();
    if (reihe.Dorne() == 40) return true;
    state.SkipWithError("the row does not have 40 dowels");
    return false;
}

void Vorschau(benchmark::State& state) {
    const Reihe reihe;
    if (!Vorbereitet(state, reihe)) return;
    const Berechnungsnachweis nachweis(reihe.modell, reihe.modell.cAnwendung[0], reihe.farbe);
    for (auto _ : state) benchmark::DoNotOptimize(NachweisVorschau(nachweis, StandardSeite(), 96));
}

void Pdf(benchmark::State& state) {
    const Reihe reihe;
    if (!Vorbereitet(state, reihe)) return;
    const Berechnungsnachweis nachweis(reihe.modell, reihe.modell.cAnwendung[0], reihe.farbe);
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("nachweis.pdf");
    for (auto _ : state) {
        const QString fehler = NachweisSpeichern(datei, Ausgabeformat::Pdf, nachweis);
        if (!fehler.isEmpty()) state.SkipWithError(fehler.toStdString().c_str());
    }
}

}  // namespace

BENCHMARK(Vorschau)->Unit(benchmark::kMillisecond);
BENCHMARK(Pdf)->Unit(benchmark::kMillisecond);
