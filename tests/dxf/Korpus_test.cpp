#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "DXF_Test_Helfer.h"

namespace {

int entity_count(const DXF_Object& doc) {
    int n = 0;
    for (const auto& l : doc.layer_lists) {
        for (const auto& list : l->entity_lists) n += list->num_entities();
    }
    return n;
}

}  // namespace

// The fuzzer's seed files (and any input it ever found a fault with, kept next to them) must read, write and
// read back without a message; once in Release-12 form (an MTEXT written as TEXTs, an ELLIPSE as a POLYLINE)
// written and read again, they keep the same number of entities.
TEST(Korpus, jedeDateiLiestSchreibtUndLiestWieder) {
    const std::filesystem::path folder = std::filesystem::path(ZAVR_SOURCE_DIR) / "fuzz" / "dxf" / "corpus";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // As the fuzzer does: the first byte decides whether the user continues after an entity error.
        const auto first = read_text(bytes, bytes.empty() || (bytes[0] & 1) == 0);
        const auto again = read_text(dxf_text(first.doc));
        const auto twice = read_text(dxf_text(again.doc));
        EXPECT_TRUE(again.log.entries.empty()) << entry.path();
        EXPECT_TRUE(twice.log.entries.empty()) << entry.path();
        EXPECT_GE(entity_count(again.doc), entity_count(first.doc)) << entry.path();
        EXPECT_EQ(entity_count(twice.doc), entity_count(again.doc)) << entry.path();
        ++files;
    }
    EXPECT_GE(files, 5);
}
