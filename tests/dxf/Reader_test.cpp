#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <map>

#include "DXF_Test_Helfer.h"
#include "dxf/Arc_.h"
#include "dxf/Block_.h"
#include "dxf/Face3D_.h"
#include "dxf/Insert_.h"
#include "dxf/Line_.h"
#include "dxf/Polyface_mesh_.h"
#include "dxf/Polygon_mesh_.h"
#include "dxf/Solid_.h"

using Lines = std::vector<std::string>;

namespace {

const std::string no_entities = "No Entities or invalid Entities section in DXF file";

Lines section(const std::string& name, const Lines& body) {
    Lines l = {"0", "SECTION", "2", name};
    l.insert(l.end(), body.begin(), body.end());
    l.insert(l.end(), {"0", "ENDSEC"});
    return l;
}

Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Lines& operator+=(Lines& a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string file_of(const Lines& sections) {
    return dxf_lines(sections + Lines{"0", "EOF"});
}

std::string entities_file(const Lines& body) {
    return file_of(section("ENTITIES", body));
}

const Lines a_line = {"0",  "LINE", "8",  "L", "10", "1", "20", "2",
                      "30", "0",    "11", "3", "21", "4", "31", "0"};

Lines vertices(int n, int flag) {
    Lines l;
    for (int i = 0; i < n; ++i)
        l += Lines{"0", "VERTEX", "70", std::to_string(flag), "10", std::to_string(i), "20", "0"};
    return l;
}

Lines polyline(int flag70, const Lines& body, int m = 0, int n = 0) {
    return Lines{"0",  "POLYLINE",
                 "8",  "P",
                 "66", "1",
                 "70", std::to_string(flag70),
                 "71", std::to_string(m),
                 "72", std::to_string(n)} +
           body + Lines{"0", "SEQEND"};
}

Lines attrib(const std::string& value, const std::string& tag) {
    return {"0", "ATTRIB", "8", "L", "10", "0", "20", "0", "40", "1", "1", value, "2", tag, "70", "0"};
}

Lines block(const std::string& name, const Lines& members) {
    return Lines{"0", "BLOCK", "8", "0", "2", name, "10", "0", "20", "0"} + members + Lines{"0", "ENDBLK"};
}

Lines insert(const std::string& name, const Lines& atts = {}) {
    Lines l = {"0", "INSERT", "8", "L", "2", name, "10", "5", "20", "6", "66", atts.empty() ? "0" : "1"};
    if (atts.empty()) return l;
    return l + atts + Lines{"0", "SEQEND", "8", "L"};
}

int count_entities(const DXF_Object& doc) {
    int n = 0;
    for (const auto& l : doc.layer_lists) {
        for (const auto& list : l->entity_lists) n += list->num_entities();
    }
    return n;
}

std::vector<std::string> texts(const DXF_Message_Log& log) {
    std::vector<std::string> t;
    for (const auto& e : log.entries) t.push_back(e.text);
    return t;
}

}  // namespace

enum class Ausgang { liest, unlesbar, unvollstaendig };
struct Abschnitte {
    const char* name;
    Lines file;
    Ausgang ausgang;
};
class Reader_Abschnitte : public ::testing::TestWithParam<Abschnitte> {};

// Sections are found in any order, and those a drawing does not need are passed over. Input without any
// ENTITIES section holds no drawing: unreadable, without a message. One whose ENTITIES section breaks off
// keeps what it has, with the message.
TEST_P(Reader_Abschnitte, findetAbschnitteInJederFolge) {
    const auto g = read_text(file_of(GetParam().file));
    switch (GetParam().ausgang) {
        case Ausgang::liest:
            EXPECT_TRUE(g.readable) << g.reason;
            EXPECT_TRUE(g.log.entries.empty()) << g.log.entries[0].text;
            EXPECT_EQ(entities_of<Line_>(g.doc, "L", "Line_").size(), 1u);
            break;
        case Ausgang::unlesbar:
            EXPECT_FALSE(g.readable);
            EXPECT_EQ(g.reason, no_entities);
            EXPECT_TRUE(g.log.entries.empty());
            break;
        case Ausgang::unvollstaendig:
            EXPECT_TRUE(g.readable);
            ASSERT_EQ(g.log.entries.size(), 1u);
            EXPECT_EQ(g.log.entries[0].caption, "DXF Read Error");
            EXPECT_EQ(g.log.entries[0].text, no_entities);
    }
}

const Lines header = section("HEADER", {"9", "$ACADVER", "1", "AC1009"});
const Lines tables = section(
    "TABLES", {"0", "TABLE", "2", "LAYER", "70", "1", "0", "LAYER", "2", "L", "62", "3", "0", "ENDTAB"});
const Lines blocks = section("BLOCKS", {});
const Lines entities = section("ENTITIES", a_line);
const Lines objects = section("OBJECTS", {"0", "DICTIONARY", "5", "C", "0", "LINE", "8", "L"});
INSTANTIATE_TEST_SUITE_P(
    Folgen, Reader_Abschnitte,
    ::testing::Values(
        Abschnitte{"alle", header + tables + blocks + entities, Ausgang::liest},
        Abschnitte{"nurEntities", entities, Ausgang::liest},
        Abschnitte{"ohneTables", header + blocks + entities, Ausgang::liest},
        Abschnitte{"classesNachHeader",
                   header + section("CLASSES", {"0", "CLASS", "1", "X"}) + tables + entities, Ausgang::liest},
        Abschnitte{"objectsThumbnailUndAcdsdata",
                   header + tables + blocks + entities + objects + section("THUMBNAILIMAGE", {"90", "3"}) +
                       section("ACDSDATA", {"0", "ACDSRECORD"}),
                   Ausgang::liest},
        Abschnitte{"entitiesVorTables", header + entities + tables, Ausgang::liest},
        Abschnitte{"ohneEntities", header + tables, Ausgang::unlesbar},
        Abschnitte{"entitiesOhneEnde", {"0", "SECTION", "2", "ENTITIES"}, Ausgang::unvollstaendig}),
    [](const auto& info) { return info.param.name; });

TEST(Reader, ebenentabelleMitFarbeUndDoppeltenNamen) {
    const auto g = read_text(
        file_of(section("TABLES", {"0", "TABLE",  "2", "VPORT", "0", "VPORT", "2", "*ACTIVE", "0",  "ENDTAB",
                                   "0", "TABLE",  "2", "LAYER", "0", "LAYER", "2", "0",       "62", "-3",
                                   "0", "LAYER",  "2", "0",     "0", "LAYER", "2", "Wand",    "62", "5",
                                   "0", "ENDTAB", "0", "TABLE", "2", "STYLE", "0", "ENDTAB"}) +
                section("ENTITIES", {"0", "CIRCLE", "8", "Wand", "10", "1", "20", "1", "40", "2"})));
    ASSERT_EQ(g.doc.num_layers(), 3);
    EXPECT_EQ(g.doc.layer_lists[0]->layer_name, "0");
    EXPECT_EQ(g.doc.layer_lists[1]->layer_name, "0");
    EXPECT_EQ(g.doc.layer_lists[0]->layer_colinx, -3);
    // The circle had no colour: it takes the layer's.
    EXPECT_EQ(entities_of<Circle_>(g.doc, "Wand", "Circle_")[0]->colinx, 5);
}

// Other programs put a handle (group 5) before the name and the colour anywhere in the entry; an entry
// without a name makes no layer.
TEST(Reader, ebeneneintraegeInBeliebigerGruppenfolge) {
    const auto g = read_text(
        file_of(section("TABLES", {"0",  "TABLE", "2",         "LAYER", "0", "LAYER", "5",     "2A",    "62",
                                   "3",  "2",     "Bewehrung", "70",    "0", "0",     "LAYER", "5",     "2B",
                                   "62", "4",     "0",         "LAYER", "2", "Text",  "0",     "ENDTAB"}) +
                section("ENTITIES", {"0", "LINE", "8", "Bewehrung", "11", "1"})));
    ASSERT_EQ(g.doc.num_layers(), 2);
    EXPECT_EQ(g.doc.layer_lists[0]->layer_name, "Bewehrung");
    EXPECT_EQ(g.doc.layer_lists[0]->layer_colinx, 3);
    EXPECT_EQ(g.doc.layer_lists[1]->layer_name, "Text");
    EXPECT_EQ(g.doc.layer_lists[1]->layer_colinx, 7);
    EXPECT_EQ(entities_of<Line_>(g.doc, "Bewehrung", "Line_")[0]->colinx, 3);
    EXPECT_TRUE(g.log.entries.empty());
}

// An R12 file written by ezdxf keeps the layers of its table with their colours, in the table's order.
TEST(Reader, ezdxfDateiBehaeltEbenenUndFarben) {
    std::ifstream in(std::string(ZAVR_SOURCE_DIR) + "/fuzz/dxf/corpus/ezdxf_r12.dxf", std::ios::binary);
    const auto g = read_text(std::string(std::istreambuf_iterator<char>(in), {}));
    std::vector<std::pair<std::string, int>> layers;
    for (const auto& l : g.doc.layer_lists) layers.emplace_back(l->layer_name, l->layer_colinx);
    ASSERT_GE(layers.size(), 5u);
    EXPECT_EQ(std::vector(layers.begin(), layers.begin() + 5),
              (std::vector<std::pair<std::string, int>>{
                  {"0", 7}, {"Defpoints", 7}, {"Wand", 5}, {"Stab", 1}, {"Text", 3}}));
    EXPECT_EQ(entities_of<Line_>(g.doc, "Wand", "Line_")[0]->colinx, 5);
    EXPECT_EQ(entities_of<Circle_>(g.doc, "Stab", "Circle_")[0]->colinx, 1);
}

TEST(Reader, zahlenMitExponentUndKommaFehler) {
    const auto g =
        read_text(entities_file({"0", "POINT", "8",  "A",   "10", "1.5e2", "20", " -2.5 ", "0",  "POINT",
                                 "8", "A",     "10", "1,5", "0",  "POINT", "8",  "A",      "10", "+7"}));
    const auto points = entities_of<Point_>(g.doc, "A", "Point_");
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0]->p1.x, 150);
    EXPECT_EQ(points[0]->p1.y, -2.5);
    EXPECT_EQ(points[1]->p1.x, 7);
    ASSERT_EQ(g.log.entries.size(), 1u);
    EXPECT_EQ(g.log.entries[0].caption, "DXF read error warning");
    EXPECT_EQ(g.log.entries[0].text,
              "Invalid Floating point conversion\r\nError occured at or near line number 18");
}

TEST(Reader, ungueltigeZahlenWerdenAbgelehnt) {
    for (const char* bad : {"nan", "inf", "1e999", "0x10", "", "1.5.2", "12abc"}) {
        const auto g = read_text(entities_file({"0", "LINE", "8", "A", "10", bad}));
        EXPECT_EQ(count_entities(g.doc), 0) << bad;
        ASSERT_EQ(g.log.entries.size(), 1u) << bad;
        EXPECT_EQ(g.log.entries[0].text.substr(0, 33), "Invalid Floating point conversion") << bad;
    }
    const auto g = read_text(entities_file({"0", "LINE", "8", "A", "62", "1.0"}));
    EXPECT_EQ(g.log.entries.at(0).text.substr(0, 26), "Invalid Integer conversion");
}

TEST(Reader, einfacheEntitaeten) {
    const auto g = read_text(entities_file({"0",   "ARC",  "10",  "1",
                                            "20",  "2",    "40",  "3",
                                            "50",  "30",   "51",  "120",
                                            "210", "0",    "220", "0",
                                            "230", "-2",   "0",   "CIRCLE",
                                            "8",   "K",    "62",  "1",
                                            "40",  "1",    "0",   "3DFACE",
                                            "8",   "F",    "10",  "0",
                                            "11",  "1",    "12",  "1",
                                            "22",  "1",    "13",  "1",
                                            "23",  "1",    "0",   "SOLID",
                                            "8",   "F",    "10",  "0",
                                            "11",  "1",    "12",  "0",
                                            "22",  "1",    "13",  "1",
                                            "23",  "1",    "39",  "2",
                                            "0",   "TEXT", "8",   "T",
                                            "10",  "1",    "1",   "Stab \xD8 12",
                                            "40",  "2.5",  "50",  "90",
                                            "72",  "1",    "11",  "4",
                                            "21",  "5",    "0",   "VIEWPORT",
                                            "8",   "X",    "0",   "ACAD_TABLE",
                                            "8",   "X",    "0",   "ACAD_TABLE"}));
    EXPECT_TRUE(g.log.entries.empty());
    // No group 8: the layer with the empty name.
    const auto arcs = entities_of<Arc_>(g.doc, "", "Arc_");
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_NEAR(arcs[0]->angle1 * 180 / M_PI, 30, 1e-12);
    EXPECT_NEAR(arcs[0]->angle2 * 180 / M_PI, 120, 1e-12);
    EXPECT_TRUE(same_point(arcs[0]->OCS_axis, {0, 0, -1}));  // normalised
    EXPECT_EQ(entities_of<Circle_>(g.doc, "K", "Circle_")[0]->colour, rgb(255, 0, 0));
    const auto face = entities_of<Face3D_>(g.doc, "F", "Face3D_");
    ASSERT_EQ(face.size(), 1u);
    EXPECT_EQ(face[0]->numvertices(), 3);
    const auto solid = entities_of<Solid_>(g.doc, "F", "Solid_");
    EXPECT_EQ(solid[0]->numvertices(), 4);
    EXPECT_EQ(solid[0]->thickness, 2);
    const auto text = entities_of<Text_>(g.doc, "T", "Text_");
    EXPECT_EQ(text[0]->textstr, "Stab Ø 12");
    EXPECT_EQ(text[0]->hor_align, 1);
    EXPECT_EQ(text[0]->align_pt.x, 4);
    EXPECT_EQ(text[0]->rot_angle, 90);
    EXPECT_EQ(g.doc.omissions.kinds, (std::map<std::string, long>{{"ACAD_TABLE", 2}, {"VIEWPORT", 1}}));
    EXPECT_EQ(g.doc.layer("X"), nullptr);
}

TEST(Reader, kopfAusdehnungOderBerechnet) {
    const Lines extents = section("HEADER", {"9", "$EXTMIN", "10", "-1", "20", "-2", "30", "0", "9",
                                             "$EXTMAX", "10", "100", "20", "200", "30", "0"});
    const auto from_header = read_text(file_of(extents + section("ENTITIES", a_line)));
    EXPECT_TRUE(same_point(from_header.doc.emin, {-1, -2, 0}));
    EXPECT_TRUE(same_point(from_header.doc.emax, {100, 200, 0}));
    // Without header extents the entities' extents, with the origin always inside.
    const auto computed = read_text(entities_file(a_line));
    EXPECT_TRUE(same_point(computed.doc.emin, {0, 0, 0}));
    EXPECT_TRUE(same_point(computed.doc.emax, {3, 4, 0}));
}

TEST(Reader, bloeckeUndEinfuegungen) {
    const auto g =
        read_text(file_of(section("BLOCKS", block("B", a_line) + block("C", insert("B"))) +
                          section("ENTITIES", insert("C", attrib("Wert 1", "T1") + attrib("Wert 2", "T2")) +
                                                  insert("X") + a_line)));
    const auto ins = entities_of<Insert_>(g.doc, "L", "Insert_");
    ASSERT_EQ(ins.size(), 1u);
    ASSERT_EQ(ins[0]->num_attribs(), 2);
    EXPECT_EQ(ins[0]->attribs[1]->textstr, "Wert 2");
    EXPECT_EQ(ins[0]->attribs[1]->tagstr, "T2");
    EXPECT_EQ(ins[0]->blockptr->name, "C");
    const auto nested = dynamic_cast<const Insert_*>(ins[0]->blockptr->entities.at(0).get());
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(nested->blockptr->name, "B");
    EXPECT_EQ(entities_of<Block_>(g.doc, "0", "Block_").size(), 2u);
    // Block members belong to the block, not to a layer; the line after the bad insert is read.
    EXPECT_EQ(entities_of<Line_>(g.doc, "L", "Line_").size(), 1u);
    ASSERT_EQ(g.log.entries.size(), 1u);
    EXPECT_EQ(g.log.entries[0].text,
              "Cannot reference an undefined BLOCK\r\n\r\n(File may not have been saved with BLOCKs)\r\n\r\n"
              "Error occured at or near line number 124");
}

TEST(Reader, abbruchBeendetDasLesen) {
    const auto g = read_text(entities_file(a_line + insert("X") + a_line), false);
    EXPECT_EQ(entities_of<Line_>(g.doc, "L", "Line_").size(), 1u);
    ASSERT_EQ(g.log.entries.size(), 2u);
    EXPECT_EQ(g.log.entries[1].caption, "DXF Read Error");
    EXPECT_EQ(g.log.entries[1].text, "User aborted");
}

TEST(Reader, blockDerSichSelbstEnthaeltWirdAbgelehnt) {
    const auto g = read_text(
        file_of(section("BLOCKS", block("B", a_line + insert("B"))) + section("ENTITIES", insert("B"))));
    ASSERT_EQ(g.log.entries.size(), 1u);
    EXPECT_NE(g.log.entries[0].text.find("Block B cannot contain a reference to itself"), std::string::npos);
    EXPECT_EQ(entities_of<Insert_>(g.doc, "L", "Insert_").size(), 1u);
}

TEST(Reader, siebzehnAttributeWerdenAmStueckAbgelehnt) {
    Lines atts;
    for (int i = 0; i < 17; ++i) atts += attrib("v", "T" + std::to_string(i));
    const auto g = read_text(
        file_of(section("BLOCKS", block("B", {})) + section("ENTITIES", insert("B", atts) + a_line)));
    EXPECT_EQ(texts(g.log), std::vector<std::string>{"This version only handles 16 ATTRIBs"});
    EXPECT_EQ(g.doc.layer("L")->entity_names(), std::vector<std::string>{"Line_"});
    Lines sixteen(atts.begin(), atts.end() - 16);
    const auto ok =
        read_text(file_of(section("BLOCKS", block("B", {})) + section("ENTITIES", insert("B", sixteen))));
    EXPECT_TRUE(ok.log.entries.empty());
    EXPECT_EQ(entities_of<Insert_>(ok.doc, "L", "Insert_")[0]->num_attribs(), 16);
}

struct Polylinienfall {
    const char* name;
    Lines body;
    int vertices;  // -1: no polyline
    std::string message;
};
class Reader_Polylinie : public ::testing::TestWithParam<Polylinienfall> {};

TEST_P(Reader_Polylinie, formenUndGrenzen) {
    const auto g = read_text(entities_file(GetParam().body + a_line));
    const std::string& message = GetParam().message;
    if (message.empty()) {
        EXPECT_TRUE(g.log.entries.empty()) << g.log.entries[0].text;
    } else {
        ASSERT_FALSE(g.log.entries.empty());
        EXPECT_EQ(g.log.entries[0].text.substr(0, message.size()), message);
    }
    const DXF_Layer* p = g.doc.layer("P");
    const int found = p && !p->entity_lists.empty()
                          ? dynamic_cast<const Polyline_&>(*p->entity_lists[0]->entities.at(0)).numvertices()
                          : -1;
    EXPECT_EQ(found, GetParam().vertices);
    EXPECT_EQ(entities_of<Line_>(g.doc, "L", "Line_").size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Formen, Reader_Polylinie,
    ::testing::Values(
        Polylinienfall{"offen", polyline(0, vertices(3, 0)), 3, ""},
        Polylinienfall{"genau8192", polyline(1, vertices(8192, 0)), 8192, ""},
        Polylinienfall{"8193", polyline(1, vertices(8193, 0)), -1,
                       "Polyline contained more than 8192 vertices\r\nError occured at or near line number"},
        Polylinienfall{"netz3x3", polyline(16, vertices(9, 64), 3, 3), 9, ""},
        Polylinienfall{"netz3x3mitAcht", polyline(16, vertices(8, 64), 3, 3), -1, ""},
        Polylinienfall{"netzNegativ", polyline(16, vertices(9, 64), -3, -3), -1, ""},
        Polylinienfall{"netzFalscheEcke", polyline(16, vertices(4, 0), 2, 2), -1,
                       "Error reading POLYLINE entity"},
        Polylinienfall{"flaechennetz",
                       polyline(64, vertices(3, 192) +
                                        Lines{"0", "VERTEX", "70", "128", "71", "1", "72", "-2", "73", "3"}),
                       3, ""},
        Polylinienfall{"flaechennetzIndexZuGross",
                       polyline(64, vertices(3, 192) + Lines{"0", "VERTEX", "70", "128", "71", "4"}), -1,
                       "Error reading POLYLINE entity"},
        Polylinienfall{"ohneSeqend", Lines{"0", "POLYLINE", "8", "P", "70", "0"} + vertices(2, 0), -1,
                       "Error reading POLYLINE entity"}),
    [](const auto& info) { return info.param.name; });

TEST(Reader, flaechennetzMitMehrAls4096Flaechen) {
    Lines faces;
    for (int i = 0; i < 5000; ++i)
        faces += Lines{"0", "VERTEX", "70", "128", "71", "1", "72", "2", "73", "3"};
    const auto g = read_text(entities_file(polyline(64, vertices(3, 192) + faces)));
    const auto mesh = entities_of<Polyface_mesh_>(g.doc, "P", "Polyface_mesh_");
    ASSERT_EQ(mesh.size(), 1u);
    EXPECT_EQ(mesh[0]->numfaces(), 5000);
    EXPECT_EQ(mesh[0]->facelist[4999], (Polyface_mesh_::Face{0, 1, 2, -1}));
}

// Whatever the bytes, the reader ends with a message or a partial document, never a crash or a hang.
struct Stoerfall {
    const char* name;
    std::string text;
    int lines_read;
    std::string message;
    bool unreadable = false;  // the message is then the reason, not a message to the user
};
class Reader_Stoerung : public ::testing::TestWithParam<Stoerfall> {};

TEST_P(Reader_Stoerung, klareMeldungOderTeildokument) {
    const auto g = read_text(GetParam().text);
    EXPECT_EQ(static_cast<int>(entities_of<Line_>(g.doc, "L", "Line_").size()), GetParam().lines_read);
    EXPECT_EQ(g.readable, !GetParam().unreadable);
    if (GetParam().unreadable) {
        EXPECT_TRUE(g.log.entries.empty());
        EXPECT_EQ(g.reason.substr(0, GetParam().message.size()), GetParam().message);
    } else if (GetParam().message.empty()) {
        EXPECT_TRUE(g.log.entries.empty()) << g.log.entries[0].text;
    } else {
        ASSERT_FALSE(g.log.entries.empty());
        EXPECT_EQ(g.log.entries.back().text.substr(0, GetParam().message.size()), GetParam().message);
    }
}

std::string random_bytes(size_t n) {
    std::string s;
    unsigned x = 12345;
    for (size_t i = 0; i < n; ++i) {
        x = x * 1103515245 + 12345;
        s.push_back(static_cast<char>(x >> 16));
    }
    return s;
}

std::string without_final_line_end() {
    std::string s = dxf_lines(section("ENTITIES", a_line));
    s.pop_back();
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Eingaben, Reader_Stoerung,
    ::testing::Values(
        Stoerfall{"leer", "", 0, no_entities, true},
        Stoerfall{"binaer", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22) + random_bytes(100), 0,
                  "Binary DXF files", true},
        Stoerfall{"zufall", random_bytes(100000), 0, no_entities, true},
        Stoerfall{"text", "Sehr geehrte Damen und Herren,\n\nanbei die Zeichnung.\n", 0, no_entities, true},
        Stoerfall{"ohneLetztesZeilenende", without_final_line_end(), 1, ""},
        Stoerfall{"crlf", dxf_lines(section("ENTITIES", a_line), "\r\n"), 1, ""},
        Stoerfall{"einzelnesCR", "0\r\nSECTION\n2\nENTI\rTIES\n" + dxf_lines(a_line) + "0\nENDSEC\n", 1, ""},
        Stoerfall{"langeZeilen",
                  dxf_lines(section("ENTITIES",
                                    a_line + Lines{"0", "TEXT", "8", "L", "1", std::string(100000, 'x')})),
                  1, ""},
        Stoerfall{"abgeschnitten", entities_file(a_line + a_line).substr(0, 90), 1, no_entities},
        Stoerfall{"negativerCode", dxf_lines(section("ENTITIES", a_line)) + "-5\nx\n", 1, ""},
        Stoerfall{"nurZeilenenden", std::string(100000, '\n'), 0, no_entities, true}),
    [](const auto& info) { return info.param.name; });

TEST(Reader, langeZeilenWerdenNach255ZeichenAbgeschnitten) {
    const auto g =
        read_text(entities_file({"0", "TEXT", "8", "L", "1", std::string(300, 'x') + "y", "40", "1"}));
    const auto text = entities_of<Text_>(g.doc, "L", "Text_");
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text[0]->textstr, std::string(255, 'x'));
    EXPECT_EQ(text[0]->h, 1);
}

TEST(Reader, dateiOeffnen) {
    DXF_Message_Log log;
    EXPECT_THROW(DXF_Object::create_from_file("/nonexistent/x.dxf", log), std::system_error);
    const std::string path = std::string(ZAVR_BINARY_DIR) + "/dxf_reader_open.dxf";
    DXF_Object doc;
    doc.new_layer("0", true).add_entity_to_layer(
        std::make_unique<Line_>(Point3D{1, 2, 0}, Point3D{3, 4, 0}, 7));
    doc.save_to_file(path);
    const DXF_Object read = DXF_Object::create_from_file(path, log);
    EXPECT_EQ(read.DXF_name, "dxf_reader_open.dxf");
    EXPECT_TRUE(log.entries.empty());
    EXPECT_EQ(entities_of<Line_>(read, "0", "Line_").size(), 1u);
    EXPECT_TRUE(same_point(read.get_max_extent(), {3, 4, 0}));
}

TEST(Reader, bloeckeBleibenBeiDoppelterEbeneNullErhalten) {
    const Lines layer_table = section("TABLES", {"0", "TABLE", "2", "LAYER", "0", "LAYER", "2", "0", "0",
                                                 "LAYER", "2", "0", "0", "ENDTAB"});
    const auto g = read_text(
        file_of(layer_table + section("BLOCKS", block("A", a_line)) + section("ENTITIES", insert("A"))));
    ASSERT_TRUE(g.log.entries.empty());
    const auto again = read_text(dxf_text(g.doc));
    EXPECT_TRUE(again.log.entries.empty()) << again.log.entries[0].text;
    EXPECT_EQ(entities_of<Insert_>(again.doc, "L", "Insert_").size(), 1u);
}

// Nested references that no drawing could finish are refused while reading.
TEST(Reader, verschachtelteBloeckeSindBegrenzt) {
    Lines doubling = block("B0", a_line);
    Lines chain = block("C0", a_line);
    for (int k = 1; k <= 70; ++k) {
        const std::string prev = std::to_string(k - 1);
        if (k <= 40) doubling += block("B" + std::to_string(k), insert("B" + prev) + insert("B" + prev));
        chain += block("C" + std::to_string(k), insert("C" + prev));
    }
    const auto wide = read_text(file_of(section("BLOCKS", doubling) + section("ENTITIES", insert("B40"))));
    ASSERT_FALSE(wide.log.entries.empty());
    EXPECT_EQ(wide.log.entries[0].text.substr(0, 49), "The drawing expands to more than 5000000 entities");
    const auto deep = read_text(file_of(section("BLOCKS", chain) + section("ENTITIES", insert("C70"))));
    ASSERT_FALSE(deep.log.entries.empty());
    EXPECT_EQ(deep.log.entries[0].text.substr(0, 44), "Blocks are nested more than 64 levels deep\r\n");
}

namespace {

// Counts the drawing calls and the points they hand over: what drawing a document costs.
class Counting_Canvas : public DXF_Canvas {
public:
    DXF_Colour pen_colour() const override { return 0; }
    void set_pen_colour(DXF_Colour) override {}
    void set_pen_width(int) override {}
    void line(Screen_Point, Screen_Point) override { count(2); }
    void polyline(const std::vector<Screen_Point>& p) override { count(static_cast<long>(p.size())); }
    void polygon(const std::vector<Screen_Point>& p) override { count(static_cast<long>(p.size())); }
    void fill(const std::vector<std::vector<Screen_Point>>& loops) override {
        long n = 0;
        for (const auto& l : loops) n += static_cast<long>(l.size());
        count(n);
    }
    void ellipse(Screen_Point, Screen_Point) override { count(1); }
    void arc(Screen_Point, Screen_Point, Screen_Point, Screen_Point) override { count(1); }
    void pixel(Screen_Point, DXF_Colour) override { count(1); }
    void text(Screen_Point, const std::string&, int, DXF_Colour, int, int, int) override { count(1); }
    long points = 0;
    long calls = 0;

private:
    void count(long n) {
        points += n;
        ++calls;
    }
};

// Every list drawn once, block definitions included, as the reader charges them; a drawing unit is ten
// pixels, so texts are large enough to be drawn.
Counting_Canvas drawn(const DXF_Object& doc) {
    Counting_Canvas canvas;
    const Map_Function map_fn = [](const Point3D& p, pMatrix m) {
        const Point3D q = m ? transform_point(*m, p) : p;
        return Screen_Point{static_cast<int>(10 * q.x), static_cast<int>(-10 * q.y)};
    };
    for (const auto& l : doc.layer_lists)
        for (const auto& list : l->entity_lists) list->draw_primitives(canvas, map_fn, nullptr);
    return canvas;
}

long drawn_points(const DXF_Object& doc) {
    return drawn(doc).points;
}

void expect_limit(const Gelesen& g, const std::string& message) {
    ASSERT_EQ(g.log.entries.size(), 1u);  // the reading ends there: no message per later entity
    EXPECT_EQ(g.log.entries[0].caption, "DXF Read Error");
    EXPECT_EQ(g.log.entries[0].text.substr(0, message.size()), message);
}

}  // namespace

// A whole document draws at most so much, not only each block: many blocks each below the bound, or a few
// references to a polyline of many vertices, end the reading with the message, and what was read before
// draws within the bound.
TEST(Reader, zeichenaufwandJeDokumentBegrenzt) {
    const std::string message = "The drawing expands to more than 5000000 entities";
    Lines doubling = block("B0", a_line);
    for (int k = 1; k <= 22; ++k) {
        const std::string prev = "B" + std::to_string(k - 1);
        doubling += block("B" + std::to_string(k), insert(prev) + insert(prev));
    }
    const auto blocks = read_text(file_of(section("BLOCKS", doubling) + section("ENTITIES", insert("B21"))));
    expect_limit(blocks, message);
    EXPECT_LE(drawn_points(blocks.doc), 2 * static_cast<long>(DXF_Reader::max_drawn_entities));

    Lines references;
    for (int i = 0; i < 700; ++i) references += insert("P");
    const auto vertices_drawn = read_text(file_of(
        section("BLOCKS", block("P", polyline(0, vertices(8000, 0)))) + section("ENTITIES", references)));
    expect_limit(vertices_drawn, message);
    EXPECT_LE(drawn_points(vertices_drawn.doc), static_cast<long>(DXF_Reader::max_drawn_entities));
    EXPECT_GT(entities_of<Insert_>(vertices_drawn.doc, "L", "Insert_").size(), 600u);
}

// Each unit the reader charges makes at most two canvas calls, whatever the kind: a point draws its cross as
// two lines, a solid its fill and outline, a multi-line text one text per line. Each kind is drawn through
// three references to a block holding it.
TEST(Reader, jedeEinheitHoechstensZweiZeichenaufrufe) {
    const std::vector<std::pair<const char*, Lines>> arten{
        {"POINT", {"0", "POINT", "8", "L", "10", "1", "20", "2"}},
        {"LINE", a_line},
        {"SOLID", {"0",  "SOLID", "8",  "L", "10", "0", "20", "0", "11", "1",
                   "21", "0",     "12", "0", "22", "1", "13", "1", "23", "1"}},
        {"CIRCLE", {"0", "CIRCLE", "8", "L", "10", "0", "20", "0", "40", "3"}},
        {"TEXT", {"0", "TEXT", "8", "L", "10", "0", "20", "0", "40", "1", "1", "Pos. 1"}},
        {"MTEXT",
         {"0", "MTEXT", "8", "L", "10", "0", "20", "0", "40", "1", "1",
          "1\\P2\\P3\\P4\\P5\\P6\\P7\\P8\\P9\\P10"}},
        {"LWPOLYLINE",
         {"0", "LWPOLYLINE", "8", "L", "90", "3", "10", "0", "20", "0", "10", "5", "20", "0", "10", "5", "20",
          "5"}},
        {"POLYLINE", polyline(0, vertices(4, 0))},
    };
    for (const auto& [art, entitaet] : arten) {
        const auto g = read_text(file_of(section("BLOCKS", block("B", entitaet)) +
                                         section("ENTITIES", insert("B") + insert("B") + insert("B"))));
        ASSERT_TRUE(g.log.entries.empty()) << art;
        const long calls = drawn(g.doc).calls;
        EXPECT_GT(calls, 0) << art;
        EXPECT_LE(calls, static_cast<long>(DXF_Reader::most_canvas_calls_per_drawn * g.drawn)) << art;
    }
}

// 2,600 references to a block of 1,000 points: 2.6 million units, within the bound, and 5.2 million calls.
TEST(Reader, punkteZaehlenIhreZweiAufrufe) {
    Lines punkte;
    for (int i = 0; i < 1000; ++i)
        punkte += Lines{"0", "POINT", "8", "L", "10", std::to_string(i), "20", "0"};
    Lines references;
    for (int i = 0; i < 2600; ++i) references += insert("P");
    const auto g =
        read_text(file_of(section("BLOCKS", block("P", punkte)) + section("ENTITIES", references)));
    ASSERT_TRUE(g.log.entries.empty());
    EXPECT_EQ(g.drawn, 1000u + 2600u * 1001u);
    const long calls = drawn(g.doc).calls;
    EXPECT_EQ(calls, 2 * (1000 + 2600 * 1000));
    EXPECT_LE(calls, static_cast<long>(DXF_Reader::most_canvas_calls_per_drawn * g.drawn));
}

// The memory a document holds is bounded too: references of fourteen bytes each, every one an object with
// its matrix, are refused once they would hold more than the bound.
TEST(Reader, speicherJeDokumentBegrenzt) {
    const std::size_t references = DXF_Reader::max_held_bytes / 200;
    std::string text = dxf_lines(section("BLOCKS", block("B", {}))) + "0\nSECTION\n2\nENTITIES\n";
    for (std::size_t i = 0; i < references; ++i) text += "0\nINSERT\n2\nB\n";
    const auto g = read_text(text + "0\nENDSEC\n0\nEOF\n");
    expect_limit(g, "The drawing needs more than 256 MB of memory");
    EXPECT_GT(entities_of<Insert_>(g.doc, "", "Insert_").size(), references / 2);
    EXPECT_LT(entities_of<Insert_>(g.doc, "", "Insert_").size(), references);
}

TEST(Reader, flaechennetzHoechstens32768Flaechen) {
    for (int n : {DXF_Reader::max_faces, DXF_Reader::max_faces + 1}) {
        Lines faces;
        for (int i = 0; i < n; ++i)
            faces += Lines{"0", "VERTEX", "70", "128", "71", "1", "72", "2", "73", "3"};
        const auto g = read_text(entities_file(polyline(64, vertices(3, 192) + faces) + a_line));
        const auto mesh = entities_of<Polyface_mesh_>(g.doc, "P", "Polyface_mesh_");
        EXPECT_EQ(entities_of<Line_>(g.doc, "L", "Line_").size(), 1u);
        if (n == DXF_Reader::max_faces) {
            ASSERT_EQ(mesh.size(), 1u);
            EXPECT_EQ(mesh[0]->numfaces(), n);
        } else {
            EXPECT_TRUE(mesh.empty());
            ASSERT_EQ(g.log.entries.size(), 1u);
            EXPECT_EQ(g.log.entries[0].text.substr(0, 45), "Polyface mesh contained more than 32768 faces");
        }
    }
}

// A device never ends and a pipe may never be written: neither is read as a drawing.
TEST(Reader, nurGewoehnlicheDateien) {
    DXF_Message_Log log;
    const std::string pipe = std::string(ZAVR_BINARY_DIR) + "/dxf_reader_pipe_" + std::to_string(::getpid());
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_THROW(DXF_Object::create_from_file(pipe, log), std::system_error);
    EXPECT_THROW(DXF_Object::create_from_file("/dev/zero", log), std::system_error);
    std::remove(pipe.c_str());
    EXPECT_TRUE(log.entries.empty());
}

// A Release-12 polyline keeps its arc segments and widths, also when written again.
TEST(Reader, polylinieMitAusbauchungUndBreitenBleibtErhalten) {
    const Lines body = Lines{"0", "POLYLINE", "8", "P", "66", "1", "70", "0", "40", "0.5", "41", "0.5"} +
                       Lines{"0", "VERTEX", "8", "P", "10", "0", "20", "0", "42", "1"} +
                       Lines{"0", "VERTEX", "8", "P", "10", "10", "20", "0", "40", "2", "41", "1"} +
                       Lines{"0", "SEQEND"};
    const auto g = read_text(entities_file(body));
    const auto p = entities_of<Polyline_>(g.doc, "P", "Polyline_");
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0]->bulges, (std::vector<double>{1, 0}));
    EXPECT_EQ(p[0]->widths, (std::vector<std::pair<double, double>>{{0.5, 0.5}, {2, 1}}));
    const auto again = read_text(dxf_text(g.doc));
    const auto q = entities_of<Polyline_>(again.doc, "P", "Polyline_");
    ASSERT_EQ(q.size(), 1u);
    EXPECT_EQ(q[0]->bulges, p[0]->bulges);
    EXPECT_EQ(q[0]->widths, p[0]->widths);
}

// The lightweight polyline of Release 13 on: vertices with their bulges and widths, a constant width for the
// rest, the elevation and the closing flag.
TEST(Reader, leichtePolylinie) {
    const auto g = read_text(entities_file(
        {"0", "LWPOLYLINE", "8",  "P",  "90", "3",  "70", "1",  "43", "0.25", "38", "7",  "10", "0",  "20",
         "0", "42",         "-1", "10", "5",  "20", "0",  "40", "1",  "41",   "2",  "10", "5",  "20", "5"}));
    const auto p = entities_of<Polyline_>(g.doc, "P", "Polyline_");
    ASSERT_EQ(p.size(), 1u);
    EXPECT_TRUE(p[0]->closed);
    ASSERT_EQ(p[0]->numvertices(), 3);
    EXPECT_EQ(p[0]->polypoints[2].y, 5);
    EXPECT_EQ(p[0]->polypoints[2].z, 7);
    EXPECT_EQ(p[0]->bulges, (std::vector<double>{-1, 0, 0}));
    EXPECT_EQ(p[0]->widths, (std::vector<std::pair<double, double>>{{0.25, 0.25}, {1, 2}, {0.25, 0.25}}));
}

// Inside a block "by block" follows the reference, "by layer" on layer "0" too; "by layer" on another layer
// is that layer's colour; a true colour (group 420) wins over the index.
TEST(Reader, farbenImBlockUndEchteFarben) {
    const Lines layers =
        section("TABLES", {"0", "TABLE", "2", "LAYER", "0",  "LAYER", "2",   "Rot",      "62", "1",
                           "0", "LAYER", "2", "Echt",  "62", "5",     "420", "16744448", "0",  "ENDTAB"});
    const Lines members =
        Lines{"0", "LINE", "8", "0", "62", "0", "11", "1"} + Lines{"0", "LINE", "8", "0", "11", "2"} +
        Lines{"0", "LINE", "8", "Rot", "11", "3"} + Lines{"0", "LINE", "8", "0", "420", "65280"};
    const auto g =
        read_text(file_of(layers + section("BLOCKS", block("B", members)) +
                          section("ENTITIES", Lines{"0", "LINE", "8", "Echt", "11", "4"} + insert("B"))));
    ASSERT_TRUE(g.log.entries.empty()) << g.log.entries[0].text;
    const Entity_List* blocks = g.doc.layer("0")->find_list("Block_");
    ASSERT_NE(blocks, nullptr);
    const auto& m = static_cast<const Block_&>(*blocks->entities[0]).entities;
    ASSERT_EQ(m.size(), 4u);
    EXPECT_TRUE(m[0]->by_block);
    EXPECT_TRUE(m[1]->by_block);
    EXPECT_FALSE(m[2]->by_block);
    EXPECT_EQ(m[2]->colour, rgb(255, 0, 0));
    EXPECT_EQ(m[3]->colour, rgb(0, 255, 0));
    EXPECT_FALSE(m[3]->by_block);
    EXPECT_EQ(entities_of<Line_>(g.doc, "Echt", "Line_")[0]->colour, rgb(255, 128, 0));
}

// Paper space is left out of the model view and counted: entities marked 67 and the layouts' blocks.
TEST(Reader, papierbereichGezaehltNichtGezeigt) {
    const Lines paper_block = Lines{"0", "BLOCK", "8", "0", "2", "*Paper_Space0", "10", "0", "20", "0"} +
                              a_line + a_line + Lines{"0", "ENDBLK"};
    const auto g = read_text(file_of(section("BLOCKS", paper_block) +
                                     section("ENTITIES", a_line + Lines{"0", "LINE", "8", "L", "67", "1"} +
                                                             Lines{"0", "VIEWPORT", "67", "1"})));
    EXPECT_EQ(entities_of<Line_>(g.doc, "L", "Line_").size(), 1u);
    EXPECT_EQ(g.doc.omissions.paper_space, 4);
    EXPECT_TRUE(g.doc.omissions.kinds.empty());
    const DXF_Layer* zero = g.doc.layer("0");
    EXPECT_TRUE(!zero || !zero->find_list("Block_"));
}

// Texts are decoded by the file's code page, and from Release 2007 on as UTF-8.
TEST(Reader, textNachCodepageOderUtf8) {
    const Lines text = {"0",
                        "TEXT",
                        "8",
                        "T",
                        "1",
                        "Pr\xEAt \\U+00D8"
                        "12"};
    const auto ansi_1250 = read_text(
        file_of(section("HEADER", {"9", "$ACADVER", "1", "AC1015", "9", "$DWGCODEPAGE", "3", "ANSI_1250"}) +
                section("ENTITIES", text)));
    EXPECT_EQ(entities_of<Text_>(ansi_1250.doc, "T", "Text_")[0]->textstr, "Pręt Ø12");
    EXPECT_EQ(ansi_1250.doc.codepage, DXF_Codepage::ANSI_1250);
    const auto ansi_1252 = read_text(file_of(section("ENTITIES", text)));
    EXPECT_EQ(entities_of<Text_>(ansi_1252.doc, "T", "Text_")[0]->textstr, "Prêt Ø12");
    const auto utf8 = read_text(
        file_of(section("HEADER", {"9", "$DWGCODEPAGE", "3", "ANSI_1252", "9", "$ACADVER", "1", "AC1032"}) +
                section("ENTITIES", {"0", "TEXT", "8", "Wände", "1", "Pręt σ"})));
    EXPECT_EQ(entities_of<Text_>(utf8.doc, "Wände", "Text_")[0]->textstr, "Pręt σ");
    EXPECT_EQ(utf8.doc.codepage, DXF_Codepage::UTF8);
}

// Reading goes through a buffer of 64 KiB: lines that cross its end are whole, and line numbers count on.
TEST(Reader, zeilenUeberDiePuffergrenzeHinweg) {
    Lines body;
    for (int i = 0; i < 5000; ++i) body += a_line;
    body += Lines{"0", "POINT", "8", "A", "10", "x"};
    const std::string text = entities_file(body);
    ASSERT_GT(text.size(), 3 * DXF_Line_Reader::SizeOfBuf);
    for (const char* end : {"\n", "\r\n"}) {
        const auto g = read_text(dxf_lines(section("ENTITIES", body) + Lines{"0", "EOF"}, end));
        EXPECT_EQ(entities_of<Line_>(g.doc, "L", "Line_").size(), 5000u);
        ASSERT_EQ(g.log.entries.size(), 1u);
        EXPECT_EQ(g.log.entries[0].text,
                  "Invalid Floating point conversion\r\nError occured at or near line number " +
                      std::to_string(4 + 5000 * 16 + 6));
    }
}

// Entities of a reader's pool outlive the reader and the document they came in.
TEST(Reader, entitaetenUeberlebenLeserUndDokument) {
    DXF_Object target;
    {
        auto g = read_text(
            file_of(section("BLOCKS", block("A", a_line)) + section("ENTITIES", a_line + insert("A"))));
        target.merge_files(g.doc);
    }
    EXPECT_EQ(entities_of<Line_>(target, "L", "Line_").size(), 1u);
    EXPECT_GT(drawn_points(target), 2);
}
