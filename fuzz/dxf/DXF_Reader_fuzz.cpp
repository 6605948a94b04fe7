// Any bytes: the reader ends with messages and a complete or partial document, never a crash, a hang
// or unbounded memory, and drawing the document makes no more canvas calls than the reader charged it for.
// What it read must write out and read back without any message, and once in Release-12 form keep the same
// number of entities in each list of each layer, unless the writer refuses a number that is not finite.
//
// Run: zavr_dxf_fuzz -dict=fuzz/dxf/dxf.dict -max_total_time=600 fuzz/dxf/corpus
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "dxf/DXF_Reader.h"
#include "dxf/DXF_Writer.h"
#include "dxf/DXF_exception.h"

namespace {

// `drawn`: the units of the reader's drawing bound it charged.
Layer_List read(const std::string& bytes, DXF_Message_Log& log, std::uint64_t* drawn = nullptr) {
    std::istringstream in(bytes);
    DXF_Reader reader(in, log);
    reader.read_file();
    if (drawn) *drawn = reader.drawn_entities();
    return reader.release_control_of_layers();
}

// Drawing must cope with whatever was read; the canvas only counts.
class Counting_Canvas : public DXF_Canvas {
public:
    DXF_Colour pen_colour() const override { return pen_; }
    void set_pen_colour(DXF_Colour c) override { pen_ = c; }
    void set_pen_width(int) override {}
    void line(Screen_Point, Screen_Point) override { ++calls; }
    void polyline(const std::vector<Screen_Point>&) override { ++calls; }
    void polygon(const std::vector<Screen_Point>&) override { ++calls; }
    void fill(const std::vector<std::vector<Screen_Point>>&) override { ++calls; }
    void ellipse(Screen_Point, Screen_Point) override { ++calls; }
    void arc(Screen_Point, Screen_Point, Screen_Point, Screen_Point) override { ++calls; }
    void pixel(Screen_Point, DXF_Colour) override { ++calls; }
    void text(Screen_Point, const std::string&, int, DXF_Colour, int, int, int) override { ++calls; }

    long calls = 0;

private:
    DXF_Colour pen_ = 0;
};

int to_pixel(double v) {
    return static_cast<int>(std::clamp(std::isfinite(v) ? v : 0.0, -1e9, 1e9));
}

long draw(const Layer_List& layers) {
    Counting_Canvas canvas;
    const Map_Function map_fn = [](const Point3D& p, pMatrix m) {
        const Point3D q = m ? transform_point(*m, p) : p;
        return Screen_Point{to_pixel(q.x), to_pixel(-q.y)};
    };
    for (const auto& l : layers) {
        for (const auto& list : l->entity_lists) list->draw_primitives(canvas, map_fn, nullptr);
    }
    return canvas.calls;
}

std::string written(const Layer_List& layers) {
    std::ostringstream out;
    DXF_Writer(out, layers).write_file();
    return out.str();
}

std::vector<std::string> outline(const Layer_List& layers) {
    std::vector<std::string> lines;
    for (const auto& l : layers) {
        for (const auto& list : l->entity_lists) {
            lines.push_back(l->layer_name + "/" + list->list_name + "/" +
                            std::to_string(list->num_entities()));
        }
    }
    // The layer table is written last layer first, so the order of layers may change.
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // The first byte decides whether the user continues after an entity error.
    DXF_Message_Log log(size == 0 || (data[0] & 1) == 0);
    std::uint64_t drawn = 0;
    const Layer_List layers = read(bytes, log, &drawn);
    // Each kind makes its own number of calls per unit the reader charged (a point two, a line one).
    const auto calls = static_cast<std::uint64_t>(draw(layers));
    if (drawn > DXF_Reader::max_drawn_entities || calls > DXF_Reader::most_canvas_calls_per_drawn * drawn) {
        fprintf(stderr, "drawing took %llu calls for %llu units charged\n",
                static_cast<unsigned long long>(calls), static_cast<unsigned long long>(drawn));
        std::abort();
    }

    // Kinds of later releases are written in their Release-12 form (an MTEXT as TEXTs, an ELLIPSE as a
    // POLYLINE), so what was read is compared after one round: written once more and read again, nothing
    // may change.
    std::string first;
    try {
        first = written(layers);
    } catch (const DXF_exception&) {
        return 0;  // numbers that overflow to infinity (extents of huge values) are refused, not written
    }
    DXF_Message_Log again_log;
    const Layer_List again = read(first, again_log);
    DXF_Message_Log twice_log;
    const Layer_List twice = read(written(again), twice_log);
    for (const DXF_Message_Log* l : {&again_log, &twice_log}) {
        if (!l->entries.empty()) {
            fprintf(stderr, "re-read message: %s\n", l->entries[0].text.c_str());
            std::abort();
        }
    }
    if (outline(twice) != outline(again)) {
        fprintf(stderr, "re-read changed the entities\n");
        std::abort();
    }
    return 0;
}
