"""Drawings as other CAD programs write them, made and listed by ezdxf.

  make VERSION FILE  -- writes a drawing of that release (R12, R2000, R2010, R2018) with one entity of each
                        kind the reader draws, kinds it does not draw, paper-space entities, coloured layers,
                        true colours and texts beyond ASCII
  describe FILE      -- reads FILE with ezdxf and prints one sorted line per model-space entity, the number of
                        each kind the reader does not draw and the number of paper-space entities

The line format is the one the C++ test builds from the reader's document (Fremddateien_test.cpp).
"""
import re
import sys

import ezdxf
from ezdxf.colors import aci2rgb

# Kinds the reader draws, with the name its description uses.
DRAWN = {"LINE": "LINE", "POINT": "POINT", "CIRCLE": "CIRCLE", "ARC": "ARC", "TEXT": "TEXT", "MTEXT": "MTEXT",
         "INSERT": "INSERT", "DIMENSION": "DIMENSION", "POLYLINE": "POLYLINE", "LWPOLYLINE": "POLYLINE",
         "ELLIPSE": "ELLIPSE", "SPLINE": "SPLINE", "HATCH": "HATCH", "SOLID": "SOLID", "TRACE": "SOLID",
         "3DFACE": "3DFACE"}


def decode_dxf_unicode(text):
    """The \\U+XXXX escapes of files before Release 2007, in either case (ezdxf writes lower-case ones)."""
    return re.sub(r"\\U\+([0-9A-Fa-f]{4})", lambda m: chr(int(m.group(1), 16)), text)


def num(v):
    s = "%.3f" % v
    return "0.000" if s == "-0.000" else s


def pt(p):
    return "%s %s" % (num(p[0]), num(p[1]))


def colour(doc, e):
    """The colour the entity shows in, as hex RRGGBB; white (7) is black on paper."""
    if e.dxf.hasattr("true_color"):
        return "%06X" % e.dxf.true_color
    aci = e.dxf.color
    if aci == 256:
        layer = doc.layers.get(e.dxf.layer)
        if layer.dxf.hasattr("true_color"):
            return "%06X" % layer.dxf.true_color
        aci = abs(layer.dxf.color)
    if aci in (0, 7):
        return "000000"
    r, g, b = aci2rgb(aci)
    return "%02X%02X%02X" % (r, g, b)


def key(e):
    t = e.dxftype()
    d = e.dxf
    if t == "LINE":
        return pt(d.start) + " " + pt(d.end)
    if t == "POINT":
        return pt(d.location)
    if t in ("CIRCLE", "ARC"):
        return pt(d.center) + " " + num(d.radius)
    # Files before Release 2007 carry characters beyond their code page as \U+XXXX.
    if t == "TEXT":
        return pt(d.insert) + " |" + decode_dxf_unicode(e.plain_text()) + "|"
    if t == "MTEXT":
        return pt(d.insert) + " |" + decode_dxf_unicode(e.plain_text()).replace("\n", "/") + "|"
    if t == "INSERT":
        return "%s %s %d" % (d.name, pt(d.insert), len(e.attribs))
    if t == "DIMENSION":
        return d.geometry
    if t == "LWPOLYLINE":
        return "%d %d" % (len(e), e.closed)
    if t == "POLYLINE":
        return "%d %d" % (len(e.vertices), e.is_closed)
    if t == "ELLIPSE":
        return pt(e.start_point)
    if t == "SPLINE":
        points = e.fit_points if len(e.fit_points) else e.control_points
        return pt(points[0]) + " " + pt(points[-1])
    if t == "HATCH":
        return "%d %d" % (d.solid_fill, len(e.paths))
    if t in ("SOLID", "TRACE", "3DFACE"):
        return pt(d.vtx0) + " " + pt(d.vtx2)
    return ""


def describe(path):
    doc = ezdxf.readfile(path)
    lines, undrawn = [], {}
    for e in doc.modelspace():
        t = e.dxftype()
        if t in DRAWN:
            lines.append("%s|%s|%s|%s" % (DRAWN[t], e.dxf.layer, colour(doc, e), key(e)))
        else:
            undrawn[t] = undrawn.get(t, 0) + 1
    for t, n in sorted(undrawn.items()):
        lines.append("NOT SHOWN %s %d" % (t, n))
    paper = sum(len(layout) for layout in doc.layouts if not layout.is_modelspace)
    lines.append("PAPER %d" % paper)
    for line in sorted(lines):
        print(line)


def make(version, path):
    doc = ezdxf.new(version, setup=True)
    modern = version != "R12"
    if version == "R2000":
        doc.encoding = "cp1250"  # Central European: "ę" is one byte
    doc.layers.add("Farbe", color=30)
    doc.layers.add("Stahl", color=5)
    if version in ("R2010", "R2018"):
        doc.layers.add("Echt", true_color=ezdxf.rgb2int((10, 120, 200)))
    msp = doc.modelspace()
    msp.add_line((0, 0), (100, 50), dxfattribs={"layer": "Stahl"})
    msp.add_point((3, 4))
    msp.add_circle((10, 20), 7.5, dxfattribs={"layer": "Farbe"})
    msp.add_arc((5, 5), 12.25, 30, 120, dxfattribs={"color": 1})
    msp.add_text("Pr\u0119t odleg\u0142o\u015b\u0107 \u00fc", dxfattribs={"height": 2.5, "insert": (1, 2)})
    msp.add_text("%%c16 Stab", dxfattribs={"height": 2.5, "insert": (1, 8)})
    msp.add_solid([(0, 0), (10, 0), (0, 10), (10, 10)], dxfattribs={"color": 3})
    msp.add_3dface([(20, 0, 0), (30, 0, 0), (30, 10, 0), (20, 10, 0)])
    msp.add_polyline2d([(0, 0, 0.5), (10, 0, 0), (10, 10)], format="xyb", dxfattribs={"layer": "Stahl"})
    block = doc.blocks.new(name="Anker")
    block.add_circle((0, 0), 2)
    block.add_attdef("NR", (0, -3), dxfattribs={"height": 1})
    ref = msp.add_blockref("Anker", (50, 50), dxfattribs={"xscale": 2, "yscale": 1, "rotation": 30})
    ref.add_attrib("NR", "A7", (50, 46))
    dim = msp.add_linear_dim(base=(0, -10), p1=(0, 0), p2=(40, 0))
    dim.render()
    if modern:
        msp.add_lwpolyline([(0, 30, 0, 0, 0.5), (20, 30, 1, 1, 0), (20, 40, 0, 0, 0)], format="xyseb",
                           dxfattribs={"layer": "Farbe"})
        msp.add_mtext("Erste Zeile\\PZweite {\\fArial|b1;fett} Zeile %%c12",
                      dxfattribs={"char_height": 2.5, "insert": (0, 60), "width": 500})
        msp.add_ellipse((50, 50), major_axis=(20, 5), ratio=0.5, start_param=0, end_param=3.14159)
        msp.add_spline([(0, 0), (10, 10), (20, 0), (30, 10)])
        msp.add_spline_control_frame([(0, 70), (10, 80), (20, 70), (30, 80), (40, 70)])
        solid = msp.add_hatch(color=2)
        solid.paths.add_polyline_path([(60, 0), (70, 0), (70, 10), (60, 10)], is_closed=True)
        pattern = msp.add_hatch(color=4)
        pattern.set_pattern_fill("ANSI31", scale=0.5)
        edges = pattern.paths.add_edge_path()
        edges.add_line((80, 0), (90, 0))
        edges.add_arc((90, 5), 5, -90, 90)
        edges.add_line((90, 10), (80, 10))
        edges.add_line((80, 10), (80, 0))
        msp.add_xline((0, 0), (1, 1))
        msp.add_ray((0, 0), (1, 0))
        msp.add_ray((0, 0), (0, 1))
    else:
        msp.add_shape("SHAPE1", (5, 5))
    if version in ("R2010", "R2018"):
        msp.add_line((0, 100), (10, 100), dxfattribs={"layer": "Echt"})
        msp.add_text("\u03c3 = 12 N/mm\u00b2", dxfattribs={"height": 2, "insert": (0, 110),
                                                         "true_color": ezdxf.rgb2int((200, 100, 50))})
        mesh = msp.add_mesh()
        with mesh.edit_data() as data:
            data.vertices = [(0, 0, 0), (1, 0, 0), (1, 1, 0)]
            data.faces = [(0, 1, 2)]
    paper = doc.layout()
    paper.add_line((0, 0), (10, 10))
    paper.add_text("Plankopf", dxfattribs={"height": 3})
    doc.saveas(path)


if __name__ == "__main__":
    if sys.argv[1] == "describe":
        describe(sys.argv[2])
    elif sys.argv[1] == "make":
        make(sys.argv[2], sys.argv[3])
    else:
        sys.exit("usage: ezdxf_fremd.py make VERSION FILE | describe FILE")
