// Writing and reading a generated drawing of 200,000 entities (about 20 MB), on one core.
// The file stays in the temporary folder so bench/dxf/ezdxf_lesen.py can time ezdxf on the same bytes.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "dxf/Arc_.h"
#include "dxf/DXF_Messages.h"
#include "dxf/DXF_Object.h"
#include "dxf/DXF_Reader.h"
#include "dxf/DXF_Writer.h"
#include "dxf/Line_.h"
#include "dxf/Polyline_.h"
#include "dxf/Text_.h"

namespace {

constexpr int entity_count = 200000;

const std::string& bench_file() {
    static const std::string path = (std::filesystem::temp_directory_path() / "zavr_dxf_bench.dxf").string();
    return path;
}

// Coordinates with a few decimals, as a reinforcement drawing in millimetres has them.
DXF_Object generated_drawing() {
    DXF_Object doc("bench");
    DXF_Layer* layers[] = {&doc.new_layer("0", true), &doc.new_layer("PosA", true),
                           &doc.new_layer("Text", true)};
    for (int i = 0; i < entity_count; ++i) {
        const double x = (i % 1000) * 12.5 + 0.125;
        const double y = (i / 1000) * 37.75 - 1000.0;
        DXF_Layer& layer = *layers[i % 3];
        switch (i % 20) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4:
            case 5:
            case 6:
            case 7:
                layer.add_entity_to_layer(
                    std::make_unique<Line_>(Point3D{x, y, 0}, Point3D{x + 250.5, y + 12.25, 0}, 7));
                break;
            case 8:
            case 9:
            case 10:
            case 11:
            case 12:
            case 13:
            case 14:
            case 15:
                layer.add_entity_to_layer(std::make_unique<Circle_>(WCS_Z, Point3D{x, y, 0}, 6.0 + i % 7, 7));
                break;
            case 16:
            case 17:
                layer.add_entity_to_layer(std::make_unique<Arc_>(WCS_Z, Point3D{x, y, 0}, 40, 90, 180, 7));
                break;
            case 18:
                layer.add_entity_to_layer(std::make_unique<Text_>(WCS_Z, Point3D{x, y, 0}, Origin,
                                                                  "Pos. A Ø 12 / 150", 35, 0, 7, 0));
                break;
            default:
                layer.add_entity_to_layer(std::make_unique<Polyline_>(
                    WCS_Z,
                    std::vector<Point3D>{{x, y, 0}, {x + 100, y, 0}, {x + 100, y + 50, 0}, {x, y + 50, 0}}, 7,
                    true));
        }
    }
    return doc;
}

void BM_Schreiben(benchmark::State& state) {
    const DXF_Object doc = generated_drawing();
    std::uintmax_t bytes = 0;
    for (auto _ : state) {
        doc.save_to_file(bench_file());
        bytes = std::filesystem::file_size(bench_file());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_Schreiben)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Lesen(benchmark::State& state) {
    if (!std::filesystem::exists(bench_file())) generated_drawing().save_to_file(bench_file());
    const auto bytes = std::filesystem::file_size(bench_file());
    for (auto _ : state) {
        DXF_Message_Log log;
        DXF_Object doc = DXF_Object::create_from_file(bench_file(), log);
        benchmark::DoNotOptimize(doc.layer_lists.data());
        if (!log.entries.empty()) state.SkipWithError(log.entries[0].text.c_str());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_Lesen)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
