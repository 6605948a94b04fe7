"""Writes a drawing of Release 2018 as other CAD programs write them, of about the given size: cells of
lightweight polylines with arc segments and widths, hatches, multi-line texts, splines, ellipses, texts,
lines, circles, block references and dimensions, side by side.

usage: /usr/bin/python3 bench/dxf/ezdxf_r2018_zeichnung.py MEGABYTES FILE
"""
import os
import sys

import ezdxf


def cell(msp, x, y, dimensions):
    msp.add_lwpolyline([(x, y, 0, 0, 0), (x + 300, y, 0, 0, 0.4), (x + 300, y + 100, 5, 5, 0), (x, y + 100, 0, 0, 0)],
                       format="xyseb", close=True, dxfattribs={"layer": "Beton"})
    hatch = msp.add_hatch(color=254, dxfattribs={"layer": "Schraffur"})
    hatch.paths.add_polyline_path([(x + 10, y + 10), (x + 60, y + 10), (x + 60, y + 60), (x + 10, y + 60)],
                                  is_closed=True)
    msp.add_mtext("Pos. %d\\P{\\fArial|b1;Stab} %%c12 / 150" % (x + y),
                  dxfattribs={"layer": "Text", "char_height": 8, "insert": (x + 70, y + 90), "width": 200})
    msp.add_spline([(x, y - 20), (x + 50, y - 5), (x + 100, y - 30), (x + 150, y - 10)],
                   dxfattribs={"layer": "Beton"})
    msp.add_ellipse((x + 200, y + 50), major_axis=(40, 0), ratio=0.4, dxfattribs={"layer": "Bewehrung"})
    for k in range(6):
        msp.add_line((x + 20 + 40 * k, y + 5), (x + 20 + 40 * k, y + 95), dxfattribs={"layer": "Bewehrung"})
        msp.add_circle((x + 20 + 40 * k, y + 20), 4, dxfattribs={"layer": "Bewehrung"})
    msp.add_text("%%c10", dxfattribs={"layer": "Text", "height": 6, "insert": (x + 5, y + 105)})
    msp.add_blockref("Anker", (x + 150, y + 50), dxfattribs={"rotation": 15, "xscale": 1.2})
    if dimensions:
        msp.add_linear_dim(base=(x, y - 40), p1=(x, y), p2=(x + 300, y)).render()


def drawing(cells, path):
    doc = ezdxf.new("R2018", setup=True)
    for name, colour in (("Beton", 8), ("Bewehrung", 1), ("Schraffur", 254), ("Text", 5)):
        doc.layers.add(name, color=colour)
    block = doc.blocks.new(name="Anker")
    block.add_circle((0, 0), 10)
    block.add_lwpolyline([(-10, 0), (10, 0)])
    msp = doc.modelspace()
    for i in range(cells):
        cell(msp, (i % 50) * 400, (i // 50) * 200, i % 25 == 0)
    doc.saveas(path)


megabytes, path = float(sys.argv[1]), sys.argv[2]
drawing(200, path)
cells = int(200 * megabytes * 1e6 / os.path.getsize(path))
drawing(cells, path)
