#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "DXF_Test_Helfer.h"
#include "dxf/Arc_.h"
#include "dxf/Block_.h"
#include "dxf/DXF_exception.h"
#include "dxf/Insert_.h"
#include "dxf/Line_.h"
#include "dxf/Text_.h"

namespace {

std::unique_ptr<Line_> line_from(double x, int col = 7) {
    return std::make_unique<Line_>(Point3D{x, 0, 0}, Point3D{x + 1, 1, 0}, col);
}

std::string exception_text(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(Farben, tabelleUndRueckwaertssuche) {
    struct Fall {
        int index;
        DXF_Colour colour;
        int back;  // index setcolour finds for that colour
    };
    // The AutoCAD colour index: 7 (white on a dark screen) is black on paper, 0 (by block) and 256 (by
    // layer) are black until the block or the layer gives the colour; 30 is orange, not cyan.
    const Fall faelle[] = {
        {0, rgb(0, 0, 0), 7},           {1, rgb(255, 0, 0), 1},       {5, rgb(0, 0, 255), 5},
        {7, rgb(0, 0, 0), 7},           {8, rgb(128, 128, 128), 8},   {9, rgb(192, 192, 192), 9},
        {30, rgb(255, 127, 0), 30},     {140, rgb(0, 191, 255), 140}, {251, rgb(80, 80, 80), 251},
        {255, rgb(255, 255, 255), 255}, {-1, rgb(255, 0, 0), 1},      {-30, rgb(255, 127, 0), 30},
        {256, rgb(0, 0, 0), 7},         {300, rgb(0, 0, 0), 7}};
    for (const Fall& f : faelle) {
        Point_ p(WCS_Z, Origin, f.index);
        EXPECT_EQ(p.colinx, f.index);
        EXPECT_EQ(p.colour, f.colour) << f.index;
        p.setcolour(p.colour);
        EXPECT_EQ(p.colinx, f.back) << f.index;
    }
    Point_ p(WCS_Z, Origin, 3);
    p.setcolour(rgb(1, 2, 3));
    EXPECT_EQ(p.colinx, 0);
    EXPECT_EQ(p.colour, rgb(1, 2, 3));
    Point_ extreme(WCS_Z, Origin, std::numeric_limits<int>::min());
    EXPECT_EQ(extreme.colour, rgb(0, 0, 0));
}

TEST(Ebenen, newLayerUndNamensregeln) {
    DXF_Object doc;
    EXPECT_EQ(doc.DXF_name, "Untitled");
    DXF_Layer& a = doc.new_layer("0", true);
    EXPECT_EQ(&doc.new_layer("0", true), &a);
    EXPECT_EQ(exception_text([&] { doc.new_layer("0", false); }),
              "Attempted to create layer with existing name");
    doc.new_layer("Text", false);
    doc.new_layer("TEXT", false);
    EXPECT_EQ(doc.num_layers(), 3);
    EXPECT_EQ(exception_text([&] { doc.add_layer(std::make_unique<DXF_Layer>("Text")); }),
              "Attempted to add layer with existing name");
    EXPECT_EQ(exception_text([&] { doc.add_entity_to_layer(line_from(0), "fehlt"); }),
              "Attempted to add to unnamed layer");
    EXPECT_THROW(doc.add_entity_to_layer(line_from(0), "fehlt"), DXF_exception);
    EXPECT_EQ(doc.layer("fehlt"), nullptr);
    EXPECT_EQ(doc.num_layers(), 3);
}

TEST(Ebenen, eineListeProKlasseInReihenfolgeDesErstenAuftretens) {
    DXF_Layer layer("0");
    layer.add_entity_to_layer(std::make_unique<Text_>(WCS_Z, Origin, Origin, "a", 1, 0, 7, 0));
    layer.add_entity_to_layer(line_from(0));
    layer.add_entity_to_layer(std::make_unique<Text_>(WCS_Z, Origin, Origin, "b", 1, 0, 7, 0));
    layer.add_entity_to_layer(std::make_unique<Arc_>(WCS_Z, Origin, 1, 0, 90, 7));
    EXPECT_EQ(layer.entity_names(), (std::vector<std::string>{"Text_", "Line_", "Arc_"}));
    EXPECT_EQ(layer.find_list("Text_")->num_entities(), 2);
    EXPECT_EQ(layer.find_list("Text_")->parent_layer, &layer);
    EXPECT_EQ(exception_text([&] { layer.add_entity_list(std::make_unique<Entity_List>("Line_")); }),
              "Attempted to add two lists with same name");
    const auto detached = layer.delete_lists("Line_");
    EXPECT_EQ(detached.size(), 1u);
    EXPECT_EQ(layer.num_lists(), 2);
}

TEST(Ebenen, ebenenfarbeNurFuerSchwarzeEntitaeten) {
    DXF_Object doc;
    doc.new_layer("L", true).layer_colinx = 5;
    struct Fall {
        int created;
        int expected;
    };
    for (const Fall f : {Fall{1, 1}, Fall{7, 5}, Fall{0, 5}, Fall{3, 3}}) {
        auto line = line_from(0, f.created);
        const Line_* p = line.get();
        doc.add_entity_to_layer(std::move(line), "L");
        EXPECT_EQ(p->colinx, f.expected) << f.created;
        EXPECT_EQ(p->colour, colour_of_index(f.expected));
    }
}

TEST(Listen, entfernenZaehlenUndNaechsterPunkt) {
    Entity_List list("Line_");
    list.add_entity_to_list(line_from(0));
    list.add_entity_to_list(line_from(10));
    const DXF_Entity* second = list.entities[1].get();
    EXPECT_EQ(list.count_points(), 4);
    EXPECT_EQ(list.count_lines(), 2);
    DXF_Entity* closest = nullptr;
    EXPECT_DOUBLE_EQ(list.closest_vertex_square_distance_2D({10, 0.5, 0}, closest), 0.25);
    EXPECT_EQ(closest, second);
    DXF_Entity* none = nullptr;
    Entity_List empty("x");
    EXPECT_EQ(empty.closest_vertex_square_distance_2D(Origin, none), 1e10);
    EXPECT_EQ(none, nullptr);
    list.setcolour(rgb(1, 2, 3));
    EXPECT_EQ(list.entities[0]->colour, rgb(1, 2, 3));
    EXPECT_EQ(list.entities[0]->colinx, 7);
    EXPECT_TRUE(list.remove_entity(second));
    EXPECT_FALSE(list.remove_entity(second));
    EXPECT_EQ(list.num_entities(), 1);
}

TEST(Dokument, mergeKehrtDieReihenfolgeUmUndVerknuepftBloecke) {
    DXF_Object source;
    source.new_layer("0", true);
    source.add_entity_to_layer(std::make_unique<Block_>("B", Origin), "0");
    source.new_layer("L", true);
    for (double x : {1.0, 2.0, 3.0}) source.add_entity_to_layer(line_from(x), "L");
    auto insert = std::make_unique<Insert_>(WCS_Z, Origin, Point3D{1, 1, 1}, 0, 7,
                                            std::vector<std::unique_ptr<Attrib_>>{}, "B");
    Insert_* ins = insert.get();
    source.add_entity_to_layer(std::move(insert), "L");

    DXF_Object target;
    target.new_layer("L", true);
    EXPECT_TRUE(target.merge_files(source));
    const auto lines = entities_of<Line_>(target, "L", "Line_");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]->p1.x, 3);
    EXPECT_EQ(lines[2]->p1.x, 1);
    EXPECT_EQ(ins->blocklist, target.layer("0")->find_list("Block_"));
    EXPECT_EQ(ins->block()->name, "B");
    EXPECT_EQ(source.layer("L")->find_list("Line_")->num_entities(), 0);
}

TEST(Dokument, ausdehnungUndGliederung) {
    DXF_Object empty("Plan");
    Point3D max{-5, -5, -5};
    Point3D min{5, 5, 5};
    empty.max_min_extents(max, min);
    EXPECT_TRUE(same_point(max, {-5, -5, -5}));
    EXPECT_TRUE(same_point(min, {5, 5, 5}));
    std::vector<DXF_Outline_Line> outline;
    empty.copy_to_strings(outline);
    ASSERT_EQ(outline.size(), 1u);
    EXPECT_EQ(outline[0].text, "Plan");

    DXF_Object doc("Plan");
    doc.new_layer("0", true).add_entity_to_layer(line_from(2));
    doc.new_layer("A", true);
    doc.copy_to_strings(outline);
    ASSERT_EQ(outline.size(), 5u);
    EXPECT_EQ(outline[2].text, "  0");
    EXPECT_EQ(outline[3].text, "    Line_");
    EXPECT_EQ(outline[3].list, doc.layer("0")->find_list("Line_"));
    EXPECT_EQ(outline[4].text, "  A");
    EXPECT_EQ(outline[4].layer, doc.layer("A"));
}

TEST(Dokument, beschneidenEntferntLeereListenUndEbenen) {
    DXF_Object doc;
    doc.new_layer("leer", true);
    doc.new_layer("voll", true).add_entity_to_layer(line_from(0));
    doc.layer("voll")->create_or_find_list_type("Arc_");
    doc.remove_empty_layers_and_lists();
    ASSERT_EQ(doc.num_layers(), 1);
    EXPECT_EQ(doc.layer_lists[0]->entity_names(), std::vector<std::string>{"Line_"});
    doc.remove_layers_and_lists(doc.layer("voll"));
    EXPECT_EQ(doc.num_layers(), 0);
}
