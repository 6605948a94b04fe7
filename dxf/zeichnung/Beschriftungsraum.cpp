#include "dxf/zeichnung/Beschriftungsraum.h"

#include <algorithm>

#include "dxf/Text_.h"
#include "dxf/Text_Box.h"

void TrKasten::Um(const Point3D& p) {
    x1 = std::min(x1, p.x), y1 = std::min(y1, p.y);
    x2 = std::max(x2, p.x), y2 = std::max(y2, p.y);
}

void TrKasten::Um(const TrKasten& k) {
    if (k.Leer()) return;
    Um(Point3D{k.x1, k.y1, 0});
    Um(Point3D{k.x2, k.y2, 0});
}

bool TrKasten::Ueberlappt(const TrKasten& k, double abstand) const {
    return !Leer() && !k.Leer() && x1 < k.x2 + abstand && k.x1 < x2 + abstand && y1 < k.y2 + abstand &&
           k.y1 < y2 + abstand;
}

// Clips the segment to the box (Liang-Barsky); a segment that only touches the box's edge does not cut it.
bool TrKasten::Schneidet(const Point3D& a, const Point3D& b) const {
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const auto clip = [&](double p, double q) {
        if (p == 0) return q > 0;
        const double t = q / p;
        if (p < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    if (!(clip(-dx, a.x - x1) && clip(dx, x2 - a.x) && clip(-dy, a.y - y1) && clip(dy, y2 - a.y)))
        return false;
    return t1 > t0;
}

TrKasten Textkasten(const std::string& text, const Point3D& anker, double hoehe, double winkel,
                    int ausrichtung) {
    TrKasten k;
    if (text.empty()) return k;
    for (const Point3D& ecke : text_box(anker, text_width(text, hoehe), hoehe, winkel, ausrichtung, 0))
        k.Um(ecke);
    return k;
}

std::vector<TrKasten> Textkaesten(const DXF_Object& doc) {
    std::vector<TrKasten> kaesten;
    for (const auto& layer : doc.layer_lists) {
        for (const auto& liste : layer->entity_lists) {
            for (const auto& e : liste->entities) {
                const auto* t = dynamic_cast<const Text_*>(e.get());
                if (!t || t->textstr.empty()) continue;
                kaesten.push_back(Textkasten(t->textstr, t->anchor(), t->h, t->rot_angle, t->horizontal()));
            }
        }
    }
    return kaesten;
}

TrKasten Ausdehnung(const DXF_Object& doc) {
    Point3D emax{-1e300, -1e300, -1e300}, emin{1e300, 1e300, 1e300};
    doc.max_min_extents(emax, emin);
    TrKasten k;
    if (emin.x <= emax.x) k.Um(emin), k.Um(emax);
    return k;
}

std::vector<int> Staffelung(const std::vector<std::pair<double, double>>& strecken, double abstand) {
    std::vector<int> ebenen;
    std::vector<std::vector<std::pair<double, double>>> belegt;  // the texts of each level
    for (const auto& [von, bis] : strecken) {
        const auto frei = [&, von = von, bis = bis](const std::vector<std::pair<double, double>>& ebene) {
            return std::none_of(ebene.begin(), ebene.end(), [&](const std::pair<double, double>& andere) {
                return von < andere.second + abstand && andere.first < bis + abstand;
            });
        };
        std::size_t ebene = 0;
        while (ebene < belegt.size() && !frei(belegt[ebene])) ++ebene;
        if (ebene == belegt.size()) belegt.emplace_back();
        belegt[ebene].emplace_back(von, bis);
        ebenen.push_back(static_cast<int>(ebene));
    }
    return ebenen;
}
