#pragma once

#include <stdexcept>
#include <string>

#include "dxf/DXF_Canvas.h"
#include "dxf/Point3D.h"

class DXF_Object;

// A model point that lands outside the coordinates a screen can take; the view drawn last is taken back.
struct Screen_range_error : std::range_error {
    Screen_range_error() : std::range_error("point outside the screen coordinate range") {}
};

// The view arithmetic of the DXF preview's zoom panel, free of any window system: the full view, the
// current view and the one before the last change; the model-to-screen mapping; zoom steps, the rubber
// band, re-centring; the scroll bars' page sizes and positions (0 … 1000) and the texts of the zoom and
// coordinate labels. Screen y points down, model y up.
class Zoom_view {
public:
    // Pixels per model unit and the model window shown, with its centre.
    struct params {
        double xscale = 1, yscale = 1;
        double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
        double xmid = 0, ymid = 0;
        bool operator==(const params&) const = default;
    };
    struct Scroll_bar {
        int page = 1000;
        int position = 0;
    };

    static constexpr double zoom_factor = 1.25;      // one zoom step
    static constexpr int rubber_band_threshold = 2;  // a band must be wider and taller than this
    static constexpr double screen_limit = 1 << 30;  // screen coordinates beyond this do not exist

    // The paint area in pixels; the views keep their model windows.
    void set_area(int width, int height);
    int area_width() const { return width_; }
    int area_height() const { return height_; }

    // The full view: the model box with margins of xm, ym pixels; it becomes the current view.
    void set_parameters(double xmn, double xmx, double ymn, double ymx, double xm, double ym);
    bool initialized() const { return initialized_; }

    // Raises Screen_range_error for a point beyond the screen coordinate range.
    Screen_Point real_to_screen(const Point3D& P, pMatrix OCS) const;
    Point2D screen_to_real(Screen_Point P1) const;

    // The zoom step: factor > 1 shows more of the model, keeping the centre.
    void Zoom(double factor);
    void zoom_in() { Zoom(1 / zoom_factor); }
    void zoom_out() { Zoom(zoom_factor); }
    // A zoom step about a screen point (the mouse wheel): the model point under it stays under it.
    void Zoom_about(double factor, Screen_Point p);
    // Back to the full view; the view before the reset becomes the last view.
    void zoom_reset();
    void Zoom_last();
    // The same size of window, centred on the model point under the screen point.
    void ReCentre(int mx, int my);
    // The model window between two screen corners, without margins; false and no change for a band not
    // wider and taller than the threshold.
    bool zoom_window(Screen_Point corner1, Screen_Point corner2);
    // After a drawing left the screen range: the last view again; false when that is the current one.
    bool restore_previous();

    // Scroll bars after a view change, and a user's scroll by e positions with the bar's page size.
    Scroll_bar horizontal_bar() const;
    Scroll_bar vertical_bar() const;
    void scroll_horizontal(int e, int page);
    void scroll_vertical(int e, int page);

    // The current view against the full view: "9,31 : 1" zoomed in, "1 : 1,25" zoomed out.
    std::string zoom_text(char separator) const;
    // "X= 12,500   Y= -3,000": the model point under the screen point.
    std::string coords_text(Screen_Point p, char separator) const;

    const params& original() const { return original_params; }
    const params& current() const { return current_params; }
    const params& previous() const { return previous_params; }

private:
    // Scales, centre and window for the model box, the box filling s pixels.
    void fit(double xmn, double xmx, double ymn, double ymx, double s);
    Scroll_bar bar(double size, double full_size, double offset) const;

    int width_ = 0;
    int height_ = 0;
    params original_params, current_params, previous_params;
    bool initialized_ = false;
};

// The box a view shows in full.
struct View_extents {
    Point3D emin, emax;
};
// The extents of the document's entities; a document without any gives the origin.
View_extents entity_extents(const DXF_Object& doc);
// A read document's stored extents (its header's) when they span a box, otherwise its entity extents:
// other programs write sentinels such as 1e20 / -1e20 for an unknown extent, and a document built in
// memory has none.
View_extents stored_extents(const DXF_Object& doc);
