// Reading merged real drawings of 10 and 40 MB and a foreign drawing of 10 MB, paired with ezdxf on the same
// file in the same run: each iteration reads the file with our reader and then with ezdxf
// (bench/dxf/ezdxf_lesen.py, Debian's system Python), both timed in CPU seconds, so a busy machine slows both
// alike. The counter "Faktor" is ezdxf's CPU time over ours.
//
// The drawings are the program's own: the reinforcement drawings of every type the engine designs for rows,
// pairs and single dowels at several slab thicknesses, and the 21 dowel drawings, placed side by side in one
// document until the written file has the wanted size. A third case reads a drawing of Release 2018 in the
// kinds other CAD programs write.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <typeinfo>

#include "calc/TKZAVRBemessung.h"
#include "dxf/Arc_.h"
#include "dxf/DXF_Messages.h"
#include "dxf/DXF_Object.h"
#include "dxf/Line_.h"
#include "dxf/Text_.h"
#include "dxf/zeichnung/Bewehrungsplan.h"
#include "dxf/zeichnung/Dornzeichnung.h"
#include "model/Katalog.h"
#include "model/Umgebung.h"

namespace {

namespace fs = std::filesystem;

double cpu_seconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The drawings are made of lines, arcs, circles and texts only.
void move_entity(DXF_Entity& e, const Point3D& d) {
    if (auto* t = dynamic_cast<Text_*>(&e)) {
        t->p1 = vec_add(t->p1, d);
        t->align_pt = vec_add(t->align_pt, d);
    } else if (auto* l = dynamic_cast<Line_*>(&e)) {
        l->p1 = vec_add(l->p1, d);
        l->p2 = vec_add(l->p2, d);
    } else if (auto* c = dynamic_cast<Circle_*>(&e)) {
        c->p1 = vec_add(c->p1, d);
    }
}

// Moves every entity of `part` by d into `into`.
void merge_moved(DXF_Object& into, DXF_Object& part, const Point3D& d) {
    for (const auto& layer : part.layer_lists) {
        DXF_Layer& target = into.create_or_find_layer(layer->layer_name);
        target.layer_colinx = layer->layer_colinx;
        for (const auto& list : layer->entity_lists) {
            for (auto& e : list->entities) {
                move_entity(*e, d);
                target.add_entity_to_layer(std::move(e));
            }
        }
    }
}

std::vector<TKAnwendung> designed_positions(StandardUmgebung& u) {
    std::vector<TKAnwendung> positions;
    for (TsAnwendungsfall fall : {TsAnwendungsfall::afReihePlatte, TsAnwendungsfall::afReiheWand,
                                  TsAnwendungsfall::afPaarPlatte, TsAnwendungsfall::afEinzel}) {
        for (double h : {160.0, 200.0, 260.0, 350.0, 500.0}) {
            TKAnwendung a(u);
            a.SetAnwendungsfall(fall);
            a.cGeometrie.SetPlatteDicke(h);
            a.cGeometrie.SetFugenlaenge(4000);
            if (fall == TsAnwendungsfall::afEinzel) {
                a.cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfPunktlast);
                a.cBelastungDesign.SetPunktLast(h / 3);
            } else {
                a.cBelastungDesign.SetLastLaenge(4000);
                a.cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfKonstanteLast);
                a.cBelastungDesign.SetLinienLastLinks(h / 4);
                a.cBelastungDesign.SetLinienLastRechts(h / 4);
            }
            BerechneErgebnis(a, u);
            positions.push_back(a);
        }
    }
    return positions;
}

// The drawings of one round: every type's reinforcement drawing for every designed position, and the
// dowel drawings of every type.
std::vector<DXF_Object> one_round(StandardUmgebung& u) {
    std::vector<DXF_Object> parts;
    for (const TKAnwendung& a : designed_positions(u)) {
        for (const TsDorn dorn : Katalog().Typen()) {
            DXF_Object part;
            std::string fehler;
            if (BewehrungsZeichnung(a, dorn, u, part, fehler)) parts.push_back(std::move(part));
        }
    }
    for (const TsDorn dorn : Katalog().Typen()) parts.push_back(DornZeichnung(dorn, u));
    return parts;
}

// Writes the merged drawing of about `megabytes` MB once per process and returns its path: one round is
// written first to learn its size, then as many drawings as the wanted size takes.
std::string merged_file(int megabytes) {
    const fs::path path = fs::temp_directory_path() / ("zavr_dxf_echt_" + std::to_string(megabytes) + ".dxf");
    const auto wanted = static_cast<double>(megabytes) * 1e6;
    if (fs::exists(path) && std::abs(static_cast<double>(fs::file_size(path)) - wanted) < 0.1 * wanted)
        return path.string();
    StandardUmgebung u;
    std::vector<DXF_Object> round = one_round(u);
    const size_t per_round = round.size();
    {
        DXF_Object sample("echt");
        for (DXF_Object& part : round) merge_moved(sample, part, {});
        sample.save_to_file(path.string());
    }
    const auto parts = static_cast<size_t>(wanted / static_cast<double>(fs::file_size(path)) *
                                           static_cast<double>(per_round));
    DXF_Object all("echt");
    for (size_t placed = 0; placed < parts; ++placed) {
        if (placed % per_round == 0) round = one_round(u);
        merge_moved(
            all, round[placed % per_round],
            {static_cast<double>(placed % 40) * 6000.0, static_cast<double>(placed / 40) * -8000.0, 0});
    }
    all.save_to_file(path.string());
    return path.string();
}

double ezdxf_cpu_seconds(const std::string& path) {
    const std::string command = "/usr/bin/python3 " + std::string(ZAVR_SOURCE_DIR) +
                                "/bench/dxf/ezdxf_lesen.py \"" + path + "\" --cpu";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return 0;
    double seconds = 0;
    if (std::fscanf(pipe, "%lf", &seconds) != 1) seconds = 0;
    pclose(pipe);
    return seconds;
}

// A drawing of Release 2018 by ezdxf, of the modern kinds (lightweight polylines, hatches, multi-line texts,
// splines, ellipses, dimensions), written once per process by bench/dxf/ezdxf_r2018_zeichnung.py.
std::string r2018_file(int megabytes) {
    const fs::path path =
        fs::temp_directory_path() / ("zavr_dxf_r2018_" + std::to_string(megabytes) + ".dxf");
    const auto wanted = static_cast<double>(megabytes) * 1e6;
    if (fs::exists(path) && std::abs(static_cast<double>(fs::file_size(path)) - wanted) < 0.1 * wanted)
        return path.string();
    const std::string command = "/usr/bin/python3 " + std::string(ZAVR_SOURCE_DIR) +
                                "/bench/dxf/ezdxf_r2018_zeichnung.py " + std::to_string(megabytes) + " \"" +
                                path.string() + "\"";
    if (std::system(command.c_str()) != 0) return {};
    return path.string();
}

void paired(benchmark::State& state, const std::string& path) {
    if (path.empty()) {
        state.SkipWithError("no drawing to read");
        return;
    }
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        const double start = cpu_seconds();
        {
            DXF_Message_Log log;
            DXF_Object doc = DXF_Object::create_from_file(path, log);
            benchmark::DoNotOptimize(doc.layer_lists.data());
            if (!log.entries.empty()) state.SkipWithError(log.entries[0].text.c_str());
        }
        const double took = cpu_seconds() - start;
        state.SetIterationTime(took);
        ours += took;
        const double ezdxf = ezdxf_cpu_seconds(path);
        if (ezdxf <= 0) state.SkipWithError("ezdxf did not report a time");
        theirs += ezdxf;
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(path)));
    state.counters["MB"] = static_cast<double>(fs::file_size(path)) / 1e6;
    state.counters["ezdxf_s"] = theirs / static_cast<double>(state.iterations());
    state.counters["Faktor"] = ours > 0 ? theirs / ours : 0;
}

void BM_LesenGegenEzdxf(benchmark::State& state) {
    paired(state, merged_file(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_LesenGegenEzdxf)
    ->Arg(10)
    ->Arg(40)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_R2018GegenEzdxf(benchmark::State& state) {
    paired(state, r2018_file(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_R2018GegenEzdxf)->Arg(10)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
