#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <system_error>

#include "DXF_Test_Helfer.h"
#include "datei/Fehlerschicht.h"
#include "dxf/Arc_.h"
#include "dxf/Block_.h"
#include "dxf/DXF_exception.h"
#include "dxf/Insert_.h"
#include "dxf/Line_.h"
#include "dxf/Polyface_mesh_.h"
#include "dxf/Polygon_mesh_.h"
#include "dxf/Solid_.h"

using Lines = std::vector<std::string>;

TEST(Writer, lineRecordZeilengenau) {
    const Line_ line({0, 0, 0}, {100, 50, 0}, 7);
    EXPECT_EQ(record_text(line),
              dxf_lines({"  0", "LINE", "  8", "0", " 62", "     7", " 10", "0.00000", " 20", "0.00000",
                         " 30", "0.00000", " 11", "100.00000", " 21", "50.00000", " 31", "0.00000"},
                        "\r\n"));
}

// A small document written completely, byte by byte as a CAD program expects it.
TEST(Writer, ganzeDateiMitZweiEbenen) {
    DXF_Object doc;
    doc.new_layer("0", true).add_entity_to_layer(
        std::make_unique<Line_>(Point3D{0, 0, 0}, Point3D{10, 5, 0}, 7));
    doc.new_layer("Text", true).layer_colinx = 3;
    doc.add_entity_to_layer(std::make_unique<Point_>(WCS_Z, Point3D{-2, 8, 1}, 1), "Text");
    const Lines expected = {
        "999", "ZAVR", "999", "QUORVEL GmbH", "999", "Musterstadt",
        // header: version and code page first, then the extents over both layers
        "  0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1", "AC1009", "  9", "$DWGCODEPAGE", "  3",
        "ANSI_1252", "  9", "$EXTMIN", " 10", "-2.00000", " 20", "0.00000", " 30", "0.00000", "  9",
        "$EXTMAX", " 10", "10.00000", " 20", "8.00000", " 30", "1.00000", "  0", "ENDSEC",
        // tables
        "  0", "SECTION", "  2", "TABLES", "  0", "TABLE", "  2", "LTYPE", " 70", "     1", "  0", "LTYPE",
        "  2", "CONTINUOUS", " 70", "    64", "  3", "Solid line", " 72", "    65", " 73", "     0", " 40",
        "0.00000", "  0", "ENDTAB", "  0", "TABLE", "  2", "LAYER", " 70", "     2",
        // last layer first
        "  0", "LAYER", "  2", "Text", " 70", "    64", " 62", "     3", "  6", "CONTINUOUS", "  0", "LAYER",
        "  2", "0", " 70", "    64", " 62", "     7", "  6", "CONTINUOUS", "  0", "ENDTAB", "  0", "TABLE",
        "  2", "STYLE", " 70", "     0", "  0", "STYLE", "  2", "ARIAL", " 70", "    64", " 40",
        " 3.50000000000000E-0001", " 41", " 1.00000000000000E+0000", " 50", " 0.00000000000000E+0000", " 71",
        "     0", " 42", " 3.50000000000000E-0001", "  3", "arial", "  4", "", "  0", "ENDTAB", "  0",
        "ENDSEC",
        // blocks: none
        "  0", "SECTION", "  2", "BLOCKS", "  0", "ENDSEC",
        // entities, layer by layer in document order
        "  0", "SECTION", "  2", "ENTITIES", "  0", "LINE", "  8", "0", " 62", "     7", " 10", "0.00000",
        " 20", "0.00000", " 30", "0.00000", " 11", "10.00000", " 21", "5.00000", " 31", "0.00000", "  0",
        "POINT", "  8", "Text", " 62", "     1", " 10", "-2.00000", " 20", "8.00000", " 30", "1.00000", "  0",
        "ENDSEC", "  0", "EOF"};
    EXPECT_EQ(dxf_text(doc), dxf_lines(expected, "\r\n"));
}

TEST(Writer, leeresDokumentSchreibtDieStartwerteAlsAusdehnung) {
    const Lines lines = crlf_lines(dxf_text(DXF_Object()));
    const Lines header(lines.begin() + 19, lines.begin() + 33);
    EXPECT_EQ(header, (Lines{"$EXTMIN", " 10", "1.000000E+10", " 20", "1.000000E+10", " 30", "1.000000E+10",
                             "  9", "$EXTMAX", " 10", "-1.000000E+10", " 20", "-1.000000E+10", " 30"}));
}

struct Textausrichtung {
    int hor_align;
    bool has_alignment_groups;
};
class Writer_Text : public ::testing::TestWithParam<Textausrichtung> {};

TEST_P(Writer_Text, ausrichtungsgruppenNurBeiAusrichtung) {
    const Text_ text(WCS_Z, {1, 2, 0}, {5, 6, 0}, "Ø 12", 2.5, 90, 7, GetParam().hor_align);
    Lines expected = {"  0",     "TEXT",     "  8",     "0",       " 62",     "     7", " 10",
                      "1.00000", " 20",      "2.00000", " 30",     "0.00000", " 40",    "2.50000",
                      " 50",     "90.00000", "  1",     "\xD8 12", "  7",     "ARIAL"};
    if (GetParam().has_alignment_groups) {
        const Lines alignment = {" 11", "5.00000", " 21", "6.00000",
                                 " 31", "0.00000", " 72", "     " + std::to_string(GetParam().hor_align)};
        expected.insert(expected.end(), alignment.begin(), alignment.end());
    }
    EXPECT_EQ(record_text(text), dxf_lines(expected, "\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Ausrichtung, Writer_Text,
                         ::testing::Values(Textausrichtung{0, false}, Textausrichtung{1, true},
                                           Textausrichtung{2, true}));

// One byte per character of the code page; a character it lacks goes as the escape CAD programs read.
TEST(Writer, textImCodepageUndSonstAlsUnicodeEscape) {
    const Text_ text(WCS_Z, {}, {}, "Bügel Ø ® €", 1, 0, 7, 0);
    EXPECT_NE(record_text(text).find("B\xFCgel \xD8 \xAE \x80\r\n"), std::string::npos);
    const Text_ chinese(WCS_Z, {}, {},
                        "a\xE4\xB8\xAD"
                        "b",
                        1, 0, 7, 0);
    EXPECT_NE(record_text(chinese).find("a\\U+4E2Db\r\n"), std::string::npos);
    const Text_ polish(WCS_Z, {}, {}, "Pręt Ø12 odległość", 1, 0, 7, 0);
    EXPECT_NE(
        record_text(polish, "0", DXF_Codepage::ANSI_1250).find("Pr\xEAt \\U+00D812 odleg\xB3o\x9C\xE6\r\n"),
        std::string::npos);
}

struct Extrusion {
    Point3D axis;
    bool has_210;
};
class Writer_Extrusion : public ::testing::TestWithParam<Extrusion> {};

TEST_P(Writer_Extrusion, gruppe210NurMitMatrix) {
    const Circle_ circle(GetParam().axis, {1, 1, 0}, 2, 7);
    const std::string text = record_text(circle);
    EXPECT_EQ(text.find("210\r\n") != std::string::npos, GetParam().has_210);
}

INSTANTIATE_TEST_SUITE_P(Achsen, Writer_Extrusion,
                         ::testing::Values(Extrusion{{0, 0, 1}, false}, Extrusion{{0, 0, -1}, true},
                                           Extrusion{{0, 0, 1.0000001}, true}, Extrusion{{0, 0, 0}, false}));

TEST(Writer, gespiegelteExtrusionUndLinieOhneOCS) {
    const Circle_ circle({0, 0, -1}, {1, 1, 0}, 2, 7);
    const Lines lines = crlf_lines(record_text(circle));
    EXPECT_EQ(Lines(lines.begin() + 6, lines.begin() + 12),
              (Lines{"210", "0.00000", "220", "0.00000", "230", "-1.00000"}));
    const Line_ line({0, 0, 0}, {1, 0, 0}, 7);
    EXPECT_EQ(line.OCS_WCS, nullptr);
    EXPECT_EQ(record_text(line).find("210"), std::string::npos);
}

TEST(Writer, bogenInGrad) {
    const Arc_ arc(WCS_Z, {0, 0, 0}, 5, 0, 360, 7);
    const Lines lines = crlf_lines(record_text(arc));
    EXPECT_EQ(Lines(lines.end() - 6, lines.end()),
              (Lines{" 40", "5.00000", " 50", "0.00000", " 51", "360.00000"}));
}

TEST(Writer, insertOhneSkalierungUndDrehung) {
    const Insert_ insert(WCS_Z, {1, 2, 0}, {1, 1, 1}, 0, 7, {}, "B1");
    const Lines lines = crlf_lines(record_text(insert));
    // An insert always carries a matrix, so the extrusion is written.
    EXPECT_EQ(Lines(lines.begin() + 6, lines.end()),
              (Lines{"210", "0.00000", "220", "0.00000", "230", "1.00000", " 10", "1.00000", " 20", "2.00000",
                     " 30", "0.00000", "  2", "B1", " 66", "     0"}));
}

TEST(Writer, insertMitSkalierungDrehungUndAttributen) {
    std::vector<std::unique_ptr<Attrib_>> atts;
    atts.push_back(std::make_unique<Attrib_>(WCS_Z, Point3D{1, 1, 0}, Origin, "Wert", "TAG", 1, 0, 2, 0, 7));
    const Insert_ insert(WCS_Z, {0, 0, 0}, {2, 1, 1}, 30, 7, std::move(atts), "B1");
    const Lines lines = crlf_lines(record_text(insert, "L"));
    const Lines tail(lines.begin() + 20, lines.end());
    EXPECT_EQ(tail, (Lines{" 41", "2.00000", " 42", "1.00000", " 43", "1.00000", " 50", "30.00000",
                           " 66", "     1",  "  0", "ATTRIB",  "  8", "L",       " 62", "     7",
                           " 10", "1.00000", " 20", "1.00000", " 30", "0.00000", " 40", "2.00000",
                           " 50", "0.00000", "  1", "Wert",    "  7", "ARIAL",   "  2", "TAG",
                           " 70", "     1",  "  0", "SEQEND"}));
}

TEST(Writer, bloeckeNurVonEbeneNull) {
    DXF_Object doc;
    doc.new_layer("A", true);
    doc.new_layer("0", true);
    auto block = std::make_unique<Block_>("B0", Point3D{1, 2, 0});
    block->add_entity(std::make_unique<Line_>(Point3D{0, 0, 0}, Point3D{1, 0, 0}, 7));
    doc.add_entity_to_layer(std::move(block), "0");
    doc.add_entity_to_layer(std::make_unique<Block_>("BA", Origin), "A");
    const std::string text = dxf_text(doc);
    const std::string blocks = text.substr(text.find("BLOCKS"), text.find("ENTITIES") - text.find("BLOCKS"));
    EXPECT_NE(
        blocks.find(
            "  0\r\nBLOCK\r\n  8\r\n0\r\n  2\r\nB0\r\n 10\r\n1.00000\r\n 20\r\n2.00000\r\n 30\r\n0.00000\r\n"
            "  0\r\nLINE\r\n  8\r\n0\r\n"),
        std::string::npos);
    EXPECT_NE(blocks.find("ENDBLK"), std::string::npos);
    EXPECT_EQ(text.find("BA"), std::string::npos);
    EXPECT_EQ(crlf_lines(text).size(), static_cast<size_t>(std::count(text.begin(), text.end(), '\n')));
}

TEST(Writer, polylinienUndFlaechen) {
    const Polyline_ open(WCS_Z, {{0, 0, 0}, {1, 0, 0}}, 7, false);
    EXPECT_EQ(
        crlf_lines(record_text(open)),
        (Lines{"  0", "POLYLINE", "  8", "0",       " 62", "     7",  " 70", "     8",  "  0", "VERTEX",
               " 70", "    32",   " 10", "0.00000", " 20", "0.00000", " 30", "0.00000", "  0", "VERTEX",
               " 70", "    32",   " 10", "1.00000", " 20", "0.00000", " 30", "0.00000", "  0", "SEQEND"}));

    const Solid_ solid({0, 0, -1}, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, 7, 0.35);
    EXPECT_EQ(crlf_lines(record_text(solid)),
              (Lines{"  0", "SOLID",   "  8", "0",       " 62", "     7",  " 10", "0.00000",
                     " 20", "0.00000", " 30", "0.00000", " 11", "1.00000", " 21", "0.00000",
                     " 31", "0.00000", " 12", "1.00000", " 22", "1.00000", " 32", "0.00000",
                     " 13", "1.00000", " 23", "1.00000", " 33", "0.00000", " 39", " 3.50000000000000E-0001",
                     "210", "0.00000", "220", "0.00000", "230", "-1.00000"}));

    const Polygon_mesh_ mesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}}, 2, 2, 33, 7);
    const Lines m = crlf_lines(record_text(mesh));
    EXPECT_EQ(Lines(m.begin(), m.begin() + 16),
              (Lines{"  0", "POLYLINE", "  8", "0", " 62", "     7", " 66", "     1", " 70", "    49", " 71",
                     "     2", " 72", "     2", "  0", "VERTEX"}));
    EXPECT_EQ(m[17], "    64");
    EXPECT_EQ(m.back(), "SEQEND");

    const Polyface_mesh_ face({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2, -1}}, 7);
    const Lines f = crlf_lines(record_text(face));
    EXPECT_EQ(Lines(f.begin() + 6, f.begin() + 14),
              (Lines{" 66", "     1", " 70", "    64", " 71", "     3", " 72", "     1"}));
    EXPECT_EQ(Lines(f.end() - 14, f.end()),
              (Lines{"  0", "VERTEX", " 70", "   128", " 71", "     1", " 72", "     2", " 73", "     3",
                     " 74", "     0", "  0", "SEQEND"}));
}

TEST(Writer, nichtEndlicheZahlenWerdenNichtGeschrieben) {
    DXF_Object doc;
    doc.new_layer("0", true).add_entity_to_layer(std::make_unique<Circle_>(WCS_Z, Point3D{0, 0, 0}, NAN, 7));
    EXPECT_THROW(dxf_text(doc), DXF_exception);
}

TEST(Writer, nichtBeschreibbareDateiMeldetFehler) {
    DXF_Object doc;
    EXPECT_THROW(doc.save_to_file("/nonexistent-folder/x.dxf"), std::system_error);
}

// A drawing is replaced only by a whole one: every way writing can fail leaves the old file byte for byte
// and names the reason, and so does a number the writer refuses.
TEST(Writer, misslungenesSchreibenLaesstDieAlteZeichnung) {
    const std::filesystem::path ordner =
        std::filesystem::path(ZAVR_BINARY_DIR) / ("dxf_writer_" + std::to_string(::getpid()));
    std::filesystem::create_directories(ordner);
    const std::filesystem::path datei = ordner / "plan.dxf";
    DXF_Object doc;
    for (int i = 0; i < 100; ++i)
        doc.new_layer("0", true).add_entity_to_layer(
            std::make_unique<Line_>(Point3D{0, 0, 0}, Point3D{1.0 * i, 2, 0}, 7));
    const auto speichern = [&](const DXF_Object& d) {
        return GrundVon([&] { d.save_to_file(datei.string()); });
    };
    PruefeSchreibfehler(datei, [&] { return speichern(doc); });
    const std::string geschrieben = DateiInhalt(datei);
    EXPECT_TRUE(geschrieben.ends_with("EOF\r\n"));
    DXF_Object unendlich;
    unendlich.new_layer("0", true).add_entity_to_layer(
        std::make_unique<Circle_>(WCS_Z, Point3D{0, 0, 0}, NAN, 7));
    EXPECT_EQ(speichern(unendlich), "Cannot write a number that is not finite to a DXF file");
    EXPECT_EQ(DateiInhalt(datei), geschrieben);
    std::filesystem::remove_all(ordner);
}
