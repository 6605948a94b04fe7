#include "dxf/Zoom_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "dxf/DXF_Object.h"

namespace {

// Within the range of int; what no screen can show is as far off as any other such value.
int rounded(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::nearbyint(std::clamp(v, -1e9, 1e9)));
}

int screen_coordinate(double v) {
    if (!(std::fabs(v) <= Zoom_view::screen_limit)) throw Screen_range_error();
    return rounded(v);
}

std::string with_separator(std::string text, char separator) {
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

// General format with three significant digits: 9.31, 1.25, 1, 12.5.
std::string general3(double v, char separator) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3G", v);
    return with_separator(buf, separator);
}

// Fixed with three decimals while the value has at most eight digits before the point.
std::string fixed3(double v, char separator) {
    char buf[64];
    std::snprintf(buf, sizeof buf, std::fabs(v) < 1e8 ? "%.3f" : "%.8G", v);
    return with_separator(buf, separator);
}

bool forms_box(const View_extents& e) {
    return e.emin.x <= e.emax.x && e.emin.y <= e.emax.y;
}

}  // namespace

void Zoom_view::set_area(int width, int height) {
    width_ = width;
    height_ = height;
}

void Zoom_view::fit(double xmn, double xmx, double ymn, double ymx, double s) {
    params& p = current_params;
    p.xscale = xmx == xmn ? 1 : s / (xmx - xmn);
    p.yscale = ymx == ymn ? 1 : s / (ymx - ymn);
    p.xscale = p.yscale = std::min(p.xscale, p.yscale);
    p.xmid = (xmx + xmn) / 2;
    p.ymid = (ymx + ymn) / 2;
    p.xmin = p.xmid - width_ / 2.0 / p.xscale;
    p.xmax = p.xmid + width_ / 2.0 / p.xscale;
    p.ymin = p.ymid - height_ / 2.0 / p.yscale;
    p.ymax = p.ymid + height_ / 2.0 / p.yscale;
}

void Zoom_view::set_parameters(double xmn, double xmx, double ymn, double ymx, double xm, double ym) {
    const double w = width_ - 2 * xm, h = height_ - 2 * ym;
    fit(xmn, xmx, ymn, ymx, w < h ? w : h);
    original_params = previous_params = current_params;
    initialized_ = true;
}

Screen_Point Zoom_view::real_to_screen(const Point3D& P, pMatrix OCS) const {
    const Point3D p = OCS ? transform_point(*OCS, P) : P;
    const params& c = current_params;
    return {screen_coordinate((p.x - c.xmin) * c.xscale), screen_coordinate((c.ymax - p.y) * c.yscale)};
}

Point2D Zoom_view::screen_to_real(Screen_Point P1) const {
    const params& c = current_params;
    return {P1.x / c.xscale + c.xmin, c.ymax - P1.y / c.yscale};
}

void Zoom_view::Zoom(double factor) {
    if (!initialized_) return;
    previous_params = current_params;
    params& c = current_params;
    c.xmid = (c.xmin + c.xmax) / 2;
    c.ymid = (c.ymin + c.ymax) / 2;
    const double screen_w = (c.xmax - c.xmin) * c.xscale, screen_h = (c.ymax - c.ymin) * c.yscale;
    c.xscale /= factor;
    c.yscale /= factor;
    c.xmin = c.xmid - screen_w / c.xscale / 2;
    c.xmax = c.xmid + screen_w / c.xscale / 2;
    c.ymin = c.ymid - screen_h / c.yscale / 2;
    c.ymax = c.ymid + screen_h / c.yscale / 2;
}

void Zoom_view::Zoom_about(double factor, Screen_Point p) {
    if (!initialized_) return;
    const Point2D unter = screen_to_real(p);
    Zoom(factor);
    const Point2D jetzt = screen_to_real(p);
    params& c = current_params;
    const double dx = unter.x - jetzt.x, dy = unter.y - jetzt.y;
    c.xmid += dx;
    c.xmin += dx;
    c.xmax += dx;
    c.ymid += dy;
    c.ymin += dy;
    c.ymax += dy;
}

void Zoom_view::zoom_reset() {
    if (!initialized_) return;
    const params before = current_params;
    current_params = original_params;
    Zoom(1);
    previous_params = before;
}

void Zoom_view::Zoom_last() {
    if (initialized_) current_params = previous_params;
}

void Zoom_view::ReCentre(int mx, int my) {
    if (!initialized_) return;
    previous_params = current_params;
    const Point2D m = screen_to_real({mx, my});
    params& c = current_params;
    const double half_w = (c.xmax - c.xmin) / 2, half_h = (c.ymax - c.ymin) / 2;
    c.xmid = m.x;
    c.ymid = m.y;
    c.xmin = m.x - half_w;
    c.xmax = m.x + half_w;
    c.ymin = m.y - half_h;
    c.ymax = m.y + half_h;
}

bool Zoom_view::zoom_window(Screen_Point corner1, Screen_Point corner2) {
    if (!initialized_ || std::abs(corner2.x - corner1.x) <= rubber_band_threshold ||
        std::abs(corner2.y - corner1.y) <= rubber_band_threshold)
        return false;
    const Point2D a = screen_to_real(corner1), b = screen_to_real(corner2);
    previous_params = current_params;
    fit(std::min(a.x, b.x), std::max(a.x, b.x), std::min(a.y, b.y), std::max(a.y, b.y),
        width_ < height_ ? width_ : height_);
    return true;
}

bool Zoom_view::restore_previous() {
    if (current_params == previous_params) return false;
    current_params = previous_params;
    return true;
}

// Before a view is set, or for a full view of no size (an empty paint area), the bars show the whole range.
Zoom_view::Scroll_bar Zoom_view::bar(double size, double full_size, double offset) const {
    if (!initialized_ || !(full_size > 0)) return {};
    return {rounded(size * 1000 / full_size), rounded(offset / full_size * 1000)};
}

Zoom_view::Scroll_bar Zoom_view::horizontal_bar() const {
    const params &o = original_params, &c = current_params;
    return bar(c.xmax - c.xmin, o.xmax - o.xmin, c.xmid - o.xmin);
}

Zoom_view::Scroll_bar Zoom_view::vertical_bar() const {
    const params &o = original_params, &c = current_params;
    Scroll_bar b = bar(c.ymax - c.ymin, o.ymax - o.ymin, c.ymid - o.ymin);
    if (initialized_ && o.ymax > o.ymin) b.position = 1000 - b.position;
    return b;
}

// A page click moves by eleven twelfths of the page in model units, any other scroll by e model units.
void Zoom_view::scroll_horizontal(int e, int page) {
    if (!initialized_ || e == 0) return;
    params& c = current_params;
    double move = e;
    if (std::abs(e) == page) {
        const double t = e * (original_params.xmax - original_params.xmin) / 1000;
        move = rounded(t - t / 12);
    }
    c.xmid += move;
    c.xmin += move;
    c.xmax += move;
}

void Zoom_view::scroll_vertical(int e, int page) {
    if (!initialized_ || e == 0) return;
    params& c = current_params;
    double move = -e;
    if (std::abs(e) == page) {
        const double t = e * (original_params.ymax - original_params.ymin) / -1000;
        move = rounded(t - t / 12);
    }
    c.ymid += move;
    c.ymin += move;
    c.ymax += move;
}

std::string Zoom_view::zoom_text(char separator) const {
    if (!initialized_) return "1 : 1";
    const double r = current_params.xscale / original_params.xscale;
    if (r < 0.999) return "1 : " + general3(1 / r, separator);
    return general3(r, separator) + " : 1";
}

std::string Zoom_view::coords_text(Screen_Point p, char separator) const {
    const Point2D m = screen_to_real(p);
    return "X= " + fixed3(m.x, separator) + "   Y= " + fixed3(m.y, separator);
}

View_extents entity_extents(const DXF_Object& doc) {
    View_extents e{{1e10, 1e10, 1e10}, {-1e10, -1e10, -1e10}};
    doc.max_min_extents(e.emax, e.emin);
    return forms_box(e) ? e : View_extents{};
}

View_extents stored_extents(const DXF_Object& doc) {
    const View_extents stored{doc.get_min_extent(), doc.get_max_extent()};
    const bool spans = stored.emin.x < stored.emax.x || stored.emin.y < stored.emax.y;
    return forms_box(stored) && spans ? stored : entity_extents(doc);
}
