#include "dxf/DXF_Object.h"

#include <algorithm>

#include "datei/DateiErsetzen.h"
#include "dxf/DXF_Reader.h"
#include "dxf/DXF_Writer.h"
#include "dxf/DXF_exception.h"

DXF_Object::DXF_Object(const std::string& aname) : DXF_name(aname.empty() ? "Untitled" : aname) {}

DXF_Object DXF_Object::create_from_file(const std::string& aname, DXF_Messages& messages) {
    DXF_Reader reader(aname, messages);
    reader.read_file();
    if (!reader.readable()) throw DXF_read_exception(reader.unreadable_reason());
    DXF_Object doc(aname.substr(aname.find_last_of("/\\") + 1));
    doc.layer_lists = reader.release_control_of_layers();
    doc.emax = reader.get_max_extent();
    doc.emin = reader.get_min_extent();
    doc.codepage = reader.codepage();
    doc.omissions = reader.omissions();
    return doc;
}

void DXF_Object::save_to_file(const std::string& aname) const {
    DateiErsetzen(aname, [this](std::ostream& out) { DXF_Writer(out, layer_lists, codepage).write_file(); });
}

DXF_Layer& DXF_Object::new_layer(const std::string& aname, bool DUPs_OK) {
    if (DXF_Layer* existing = layer(aname)) {
        if (DUPs_OK) return *existing;
        throw DXF_exception("Attempted to create layer with existing name");
    }
    layer_lists.push_back(std::make_unique<DXF_Layer>(aname));
    return *layer_lists.back();
}

bool DXF_Object::add_layer(std::unique_ptr<DXF_Layer> new_layer) {
    if (layer(new_layer->layer_name)) throw DXF_exception("Attempted to add layer with existing name");
    layer_lists.push_back(std::move(new_layer));
    return true;
}

DXF_Layer* DXF_Object::layer(const std::string& aname) const {
    for (const auto& l : layer_lists) {
        if (l->layer_name == aname) return l.get();
    }
    return nullptr;
}

bool DXF_Object::add_entity_to_layer(Entity_ptr entity, const std::string& aname) {
    DXF_Layer* target = layer(aname);
    if (!target) throw DXF_exception("Attempted to add to unnamed layer");
    return target->add_entity_to_layer(std::move(entity));
}

DXF_Layer& DXF_Object::create_or_find_layer(const std::string& aname) {
    return new_layer(aname, true);
}

bool DXF_Object::merge_files(DXF_Object& other) {
    Entity_List& block_list = create_or_find_layer("0").create_or_find_list_type("Block_");
    std::vector<DXF_Entity*> moved;
    for (const auto& source_layer : other.layer_lists) {
        DXF_Layer& target_layer = create_or_find_layer(source_layer->layer_name);
        for (const auto& source_list : source_layer->entity_lists) {
            Entity_List& target_list = target_layer.create_or_find_list_type(source_list->list_name);
            auto& entities = source_list->entities;
            while (!entities.empty()) {
                moved.push_back(entities.back().get());
                target_list.add_entity_to_list(std::move(entities.back()));
                entities.pop_back();
            }
        }
    }
    // Links are renewed once everything has arrived, so a reference may precede its block;
    // blocks relink their members, which still point into the other document.
    for (DXF_Entity* e : moved) e->update_block_links(&block_list);
    return true;
}

void DXF_Object::remove_empty_layers_and_lists() {
    for (auto l = layer_lists.size(); l-- > 0;) {
        auto& lists = layer_lists[l]->entity_lists;
        for (auto i = lists.size(); i-- > 0;) {
            if (lists[i]->entities.empty()) lists.erase(lists.begin() + static_cast<std::ptrdiff_t>(i));
        }
        if (lists.empty()) layer_lists.erase(layer_lists.begin() + static_cast<std::ptrdiff_t>(l));
    }
}

void DXF_Object::remove_layers_and_lists(const DXF_Layer* pLayer) {
    std::erase_if(layer_lists, [pLayer](const std::unique_ptr<DXF_Layer>& l) { return l.get() == pLayer; });
}

void DXF_Object::copy_to_strings(std::vector<DXF_Outline_Line>& ts) const {
    ts.push_back({DXF_name});
    for (const auto& l : layer_lists) {
        ts.push_back({"  " + l->layer_name, l.get()});
        for (const auto& list : l->entity_lists)
            ts.push_back({"    " + list->list_name, l.get(), list.get()});
    }
}

void DXF_Object::draw_primitives(DXF_Canvas& canvas, const Map_Function& map_fn) const {
    std::vector<DXF_Outline_Line> outline;
    copy_to_strings(outline);
    for (const DXF_Outline_Line& line : outline)
        if (line.list && line.list->list_name != "Block_")
            line.list->draw_primitives(canvas, map_fn, nullptr);
}

void DXF_Object::max_min_extents(Point3D& max, Point3D& min) const {
    for (const auto& l : layer_lists) l->max_min_extents(max, min);
}
