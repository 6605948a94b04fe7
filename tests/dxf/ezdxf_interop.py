"""Interoperability checks of the DXF reader and writer against ezdxf.

  describe FILE  -- reads FILE with ezdxf, runs the audit and prints one sorted line per entity
  make FILE      -- writes a Release-12 drawing with every entity kind the reader understands

The description format is the one the C++ test builds from our own document model.
"""
import sys

import ezdxf


def num(v):
    s = "%.3f" % v
    return "0.000" if s == "-0.000" else s


def pt(p):
    return " ".join(num(c) for c in (p[0], p[1], p[2] if len(p) > 2 else 0.0))


def describe_entity(e):
    t = e.dxftype()
    d = e.dxf
    layer = d.layer
    if t == "LINE":
        return ["LINE %s %s %s" % (layer, pt(d.start), pt(d.end))]
    if t == "POINT":
        return ["POINT %s %s" % (layer, pt(d.location))]
    if t == "CIRCLE":
        return ["CIRCLE %s %s %s %s" % (layer, pt(d.center), num(d.radius), pt(d.extrusion))]
    if t == "ARC":
        return ["ARC %s %s %s %s %s %s" % (layer, pt(d.center), num(d.radius), num(d.start_angle), num(d.end_angle),
                                           pt(d.extrusion))]
    if t == "TEXT":
        align = pt(d.align_point) if d.halign else "-"
        return ["TEXT %s %s %s %s %d %s |%s|" % (layer, pt(d.insert), num(d.height), num(d.rotation), d.halign, align,
                                                 d.text)]
    if t == "ATTDEF":
        return ["ATTDEF %s %s |%s| |%s| |%s|" % (layer, pt(d.insert), d.tag, d.text, d.prompt)]
    if t in ("3DFACE", "SOLID"):
        corners = " ".join(pt(d.get("vtx%d" % i)) for i in range(4))
        extra = " %s %s" % (num(d.thickness), pt(d.extrusion)) if t == "SOLID" else ""
        return ["%s %s %s%s" % (t, layer, corners, extra)]
    if t == "INSERT":
        lines = ["INSERT %s |%s| %s %s %s %s %s %d" % (layer, d.name, pt(d.insert), num(d.xscale), num(d.yscale),
                                                      num(d.zscale), num(d.rotation), len(e.attribs))]
        lines += ["ATTRIB %s |%s| |%s| %s" % (a.dxf.layer, a.dxf.tag, a.dxf.text, pt(a.dxf.insert)) for a in e.attribs]
        return [" ".join(lines)]
    if t == "POLYLINE":
        mode = e.get_mode()
        if mode == "AcDbPolygonMesh":
            verts = " ".join(pt(v.dxf.location) for v in e.vertices)
            return ["MESH %s %d %d %d %d %s" % (layer, d.m_count, d.n_count, e.is_m_closed, e.is_n_closed, verts)]
        if mode == "AcDbPolyFaceMesh":
            verts = [v for v in e.vertices if not v.is_face_record]
            faces = [v for v in e.vertices if v.is_face_record]
            fs = " ".join("[%s]" % ",".join(str(abs(f.dxf.get(k, 0)) - 1) for k in ("vtx0", "vtx1", "vtx2", "vtx3"))
                          for f in faces)
            return ["POLYFACE %s %d %d %s %s" % (layer, len(verts), len(faces),
                                                 " ".join(pt(v.dxf.location) for v in verts), fs)]
        verts = " ".join(pt(v.dxf.location) for v in e.vertices)
        return ["POLYLINE %s %d %d %s" % (layer, e.is_closed, len(e.vertices), verts)]
    return ["OTHER %s %s" % (t, layer)]


def describe(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    print("AUDIT %d" % len(auditor.errors))
    for err in auditor.errors:
        print("AUDIT-ERROR %s" % err.message)
    out = []
    for e in doc.modelspace():
        out += describe_entity(e)
    for b in doc.blocks:
        if b.name.startswith("*") or b.name.startswith("$"):
            continue
        out.append("BLOCK |%s| %s %d" % (b.name, pt(b.block.dxf.base_point), len(b)))
        out += ["%s< %s" % (b.name, line) for e in b for line in describe_entity(e)]
    # ezdxf adds its own "Defpoints" layer to every document it loads.
    names = (layer.dxf.name for layer in doc.layers if layer.dxf.name != "Defpoints")
    out.append("LAYERS " + " ".join(sorted("|%s|" % name for name in names)))
    for line in sorted(out):
        print(line)


def make(path):
    doc = ezdxf.new("R12")
    for name, colour in (("Wand", 5), ("Stab", 1), ("Text", 3)):
        doc.layers.new(name, dxfattribs={"color": colour})
    msp = doc.modelspace()
    msp.add_line((0, 0, 0), (100, 50, 0), dxfattribs={"layer": "Wand"})
    msp.add_point((3, 4, 5), dxfattribs={"layer": "Wand"})
    msp.add_circle((10, 20), 7.5, dxfattribs={"layer": "Stab"})
    msp.add_circle((10, 20), 2, dxfattribs={"layer": "Stab", "extrusion": (0, 0, -1)})
    msp.add_arc((5, 5), 12.25, 30, 120, dxfattribs={"layer": "Stab"})
    msp.add_text("Stab \u00d8 12 \u00fc", dxfattribs={"layer": "Text", "height": 2.5, "rotation": 90,
                                                    "insert": (1, 2)})
    t = msp.add_text("mittig", dxfattribs={"layer": "Text", "height": 3.5})
    t.set_pos((50, 10), align="CENTER")
    msp.add_polyline2d([(0, 0), (10, 0), (10, 10)], dxfattribs={"layer": "Wand"})
    msp.add_polyline2d([(0, 0), (10, 0), (10, 10), (0, 10)], close=True, dxfattribs={"layer": "Wand"})
    msp.add_polyline3d([(0, 0, 0), (1, 2, 3), (4, 5, 6)], dxfattribs={"layer": "Wand"})
    mesh = msp.add_polymesh(size=(3, 4), dxfattribs={"layer": "Wand"})
    for m in range(3):
        for n in range(4):
            mesh.set_mesh_vertex((m, n), (m * 10, n * 10, m * n))
    face = msp.add_polyface(dxfattribs={"layer": "Wand"})
    face.append_face([(0, 0, 0), (10, 0, 0), (10, 10, 0), (0, 10, 0)])
    face.append_face([(10, 0, 0), (20, 0, 0), (10, 10, 0)])
    msp.add_3dface([(0, 0, 0), (10, 0, 1), (10, 10, 2), (0, 10, 3)], dxfattribs={"layer": "Wand"})
    msp.add_3dface([(0, 0, 0), (10, 0, 1), (10, 10, 2)], dxfattribs={"layer": "Wand"})
    msp.add_solid([(0, 0), (10, 0), (0, 10), (10, 10)], dxfattribs={"layer": "Wand", "thickness": 2})

    inner = doc.blocks.new(name="Bügel", base_point=(1, 1))
    inner.add_line((0, 0), (5, 0))
    inner.add_circle((0, 0), 1)
    outer = doc.blocks.new(name="Dorn")
    outer.add_blockref("Bügel", (2, 2))
    outer.add_attdef("POS", (0, -5), dxfattribs={"height": 2, "prompt": "Position"})
    ref = msp.add_blockref("Dorn", (100, 100), dxfattribs={"layer": "Stab", "xscale": 2, "yscale": 3,
                                                          "rotation": 45})
    ref.add_attrib("POS", "A1", (100, 95))
    ref.add_attrib("ANZ", "12 Stk", (100, 90))
    msp.add_blockref("Bügel", (0, 0), dxfattribs={"layer": "Stab"})
    doc.saveas(path, encoding="cp1252")


if __name__ == "__main__":
    if sys.argv[1] == "describe":
        describe(sys.argv[2])
    elif sys.argv[1] == "make":
        make(sys.argv[2])
    else:
        sys.exit("usage: ezdxf_interop.py describe|make FILE")
