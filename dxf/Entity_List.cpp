#include "dxf/Entity_List.h"

#include <algorithm>
#include <numeric>

namespace {

template <typename Count>
int sum_over(const std::vector<Entity_ptr>& entities, Count count) {
    return std::accumulate(entities.begin(), entities.end(), 0,
                           [&](int sum, const Entity_ptr& e) { return sum + count(*e); });
}

}  // namespace

bool Entity_List::add_entity_to_list(Entity_ptr entity) {
    entities.push_back(std::move(entity));
    return true;
}

void Entity_List::draw_primitives(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    for (const auto& e : entities) e->Draw(canvas, map_fn, OCS);
}

void Entity_List::draw_vertices(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    for (const auto& e : entities) e->DrawVertices(canvas, map_fn, OCS);
}

bool Entity_List::remove_entity(const DXF_Entity* ent) {
    const auto it =
        std::find_if(entities.begin(), entities.end(), [ent](const Entity_ptr& e) { return e.get() == ent; });
    if (it == entities.end()) return false;
    entities.erase(it);
    return true;
}

int Entity_List::count_points() const {
    return sum_over(entities, [](const DXF_Entity& e) { return e.count_points(); });
}

int Entity_List::count_lines() const {
    return sum_over(entities, [](const DXF_Entity& e) { return e.count_lines(); });
}

int Entity_List::count_polys_open() const {
    return sum_over(entities, [](const DXF_Entity& e) { return e.count_polys_open(); });
}

int Entity_List::count_polys_closed() const {
    return sum_over(entities, [](const DXF_Entity& e) { return e.count_polys_closed(); });
}

void Entity_List::max_min_extents(Point3D& emax, Point3D& emin) const {
    for (const auto& e : entities) e->max_min_extents(emax, emin);
}

void Entity_List::setcolour(DXF_Colour col) {
    for (auto& e : entities) e->colour = col;
}

double Entity_List::closest_vertex_square_distance_2D(const Point3D& p, DXF_Entity*& cl) const {
    double best = 1e10;
    for (const auto& e : entities) {
        const double d = e->closest_vertex_square_distance_2D(p);
        if (d < best) {
            best = d;
            cl = e.get();
        }
    }
    return best;
}

DXF_Entity* Entity_List::find_bounding_object(const Point3D& p) const {
    for (const auto& e : entities) {
        if (e->is_point_inside_object2D(p)) return e.get();
    }
    return nullptr;
}
