#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dxf/Entity_List.h"

// A named layer holding at most one entity list per entity class, in order of first appearance.
class DXF_Layer {
public:
    explicit DXF_Layer(const std::string& l_name) : layer_name(l_name) {}

    // Appends to the list of the entity's class; black (0) or 256 entities take the layer's colour index (and
    // its true colour, when it has one).
    bool add_entity_to_layer(Entity_ptr entity);
    // Raises std::runtime_error "Attempted to add two lists with same name" on a clash.
    void add_entity_list(std::unique_ptr<Entity_List> elist);
    Entity_List& create_or_find_list_type(const std::string& aname);
    Entity_List* find_list(std::string_view aname) const;
    // Detaches every list of that name (last first); the caller keeps them or lets them go.
    std::vector<std::unique_ptr<Entity_List>> delete_lists(const std::string& aname);
    int num_lists() const { return static_cast<int>(entity_lists.size()); }
    std::vector<std::string> entity_names() const;
    void max_min_extents(Point3D& emax, Point3D& emin) const;

    std::string layer_name;
    int layer_colinx = 7;
    std::optional<DXF_Colour> truecolour;
    std::vector<std::unique_ptr<Entity_List>> entity_lists;
};

using Layer_List = std::vector<std::unique_ptr<DXF_Layer>>;
