// Redraw of the DXF preview's paint area (1920 × 1080, full view), as the panel repaints after every view
// change: the largest reinforcement drawing the dialog allows, and a generated drawing of 200,000 entities.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "calc/Bewehrung.h"
#include "calc/TKZAVRBemessung.h"
#include "dxf/Arc_.h"
#include "dxf/Circle_.h"
#include "dxf/Line_.h"
#include "dxf/Polyline_.h"
#include "dxf/Text_.h"
#include "dxf/Zoom_view.h"
#include "dxf/zeichnung/Bewehrungsplan.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"
#include "output/DxfLeinwand.h"
#include "output/Skizzenbild.h"

namespace {

// The largest dowel in the thickest slab, every count at the most the reinforcement dialog offers.
DXF_Object GroessteBewehrung(benchmark::State& state) {
    StandardUmgebung umgebung;
    TKModell modell(umgebung);
    TKAnwendung& a = modell.cAnwendung[0];
    a.cGeometrie.SetPlatteDicke(500);
    BerechneErgebnis(a, umgebung);
    const TsDorn dorn = TsDorn::ZAVR450;
    TKDornDaten& d = a.cErgebnisse.cDornDaten[Ord(dorn)];
    d.SetAnzPosA(20);
    d.SetAnzPosB1(20);
    d.SetAnzPosB2(20);
    d.SetAnzPosD(8);
    for (TsPosTyp typ : {TsPosTyp::ptA, TsPosTyp::ptB, TsPosTyp::ptD})
        LegeBewehrungAus(a.cErgebnisse.cGeometrie, d, a.cErgebnisse.cDornErgebnis[Ord(dorn)], typ);
    DXF_Object doc;
    std::string fehler;
    if (!BewehrungsZeichnung(a, dorn, umgebung, doc, fehler)) state.SkipWithError(fehler.c_str());
    return doc;
}

// Lines, circles, arcs, texts and closed polylines on a grid, as dense as a large site drawing.
DXF_Object Erzeugt() {
    DXF_Object doc("bench");
    doc.new_layer("0", true);
    for (int i = 0; i < 200000; ++i) {
        const double x = (i % 1000) * 12.5, y = (i / 1000) * 37.75;
        Entity_ptr e;
        switch (i % 5) {
            case 0:
                e = std::make_unique<Line_>(Point3D{x, y, 0}, Point3D{x + 10, y + 30, 0}, 7);
                break;
            case 1:
                e = std::make_unique<Circle_>(WCS_Z, Point3D{x, y, 0}, 5, 1);
                break;
            case 2:
                e = std::make_unique<Arc_>(WCS_Z, Point3D{x, y, 0}, 6, 0, 135, 3);
                break;
            case 3:
                e = std::make_unique<Text_>(WCS_Z, Point3D{x, y, 0}, Origin, "Ø 12", 8, 0, 7, 0);
                break;
            default:
                e = std::make_unique<Polyline_>(
                    WCS_Z, std::vector<Point3D>{{x, y, 0}, {x + 8, y, 0}, {x + 8, y + 20, 0}, {x, y + 20, 0}},
                    5, true);
        }
        doc.add_entity_to_layer(std::move(e), "0");
    }
    return doc;
}

void Neuzeichnen(benchmark::State& state, const DXF_Object& doc) {
    BildAnwendungSicherstellen();
    const View_extents e = entity_extents(doc);
    Zoom_view ansicht;
    ansicht.set_area(1920, 1080);
    ansicht.set_parameters(e.emin.x, e.emax.x, e.emin.y, e.emax.y, 20, 20);
    QImage bild(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        bild.fill(Qt::white);
        QPainter painter(&bild);
        DxfZeichnen(painter, doc, ansicht);
    }
}

void BM_Bewehrungsplan(benchmark::State& state) {
    const DXF_Object doc = GroessteBewehrung(state);
    Neuzeichnen(state, doc);
}
BENCHMARK(BM_Bewehrungsplan)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_200000Entitaeten(benchmark::State& state) {
    Neuzeichnen(state, Erzeugt());
}
BENCHMARK(BM_200000Entitaeten)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
