#include "dxf/DXF_Layer.h"

#include <stdexcept>

bool DXF_Layer::add_entity_to_layer(Entity_ptr entity) {
    DXF_Entity& e = *entity;
    const char* name = e.class_name();
    Entity_List* list = find_list(name);
    (list ? *list : create_or_find_list_type(name)).add_entity_to_list(std::move(entity));
    if (e.colour == 0 || e.colour == 256) {
        e.setcolour_index(layer_colinx);
        if (truecolour) e.colour = *truecolour;
    }
    return true;
}

void DXF_Layer::add_entity_list(std::unique_ptr<Entity_List> elist) {
    if (find_list(elist->list_name)) throw std::runtime_error("Attempted to add two lists with same name");
    elist->parent_layer = this;
    entity_lists.push_back(std::move(elist));
}

Entity_List& DXF_Layer::create_or_find_list_type(const std::string& aname) {
    if (Entity_List* list = find_list(aname)) return *list;
    add_entity_list(std::make_unique<Entity_List>(aname));
    return *entity_lists.back();
}

Entity_List* DXF_Layer::find_list(std::string_view aname) const {
    for (const auto& list : entity_lists) {
        if (list->list_name == aname) return list.get();
    }
    return nullptr;
}

std::vector<std::unique_ptr<Entity_List>> DXF_Layer::delete_lists(const std::string& aname) {
    std::vector<std::unique_ptr<Entity_List>> detached;
    for (auto i = entity_lists.size(); i-- > 0;) {
        if (entity_lists[i]->list_name != aname) continue;
        entity_lists[i]->parent_layer = nullptr;
        detached.push_back(std::move(entity_lists[i]));
        entity_lists.erase(entity_lists.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return detached;
}

std::vector<std::string> DXF_Layer::entity_names() const {
    std::vector<std::string> names;
    for (const auto& list : entity_lists) names.push_back(list->list_name);
    return names;
}

void DXF_Layer::max_min_extents(Point3D& emax, Point3D& emin) const {
    for (const auto& list : entity_lists) list->max_min_extents(emax, emin);
}
