"""Reads every DXF file of a folder with ezdxf, audits it and checks layers and entity classes.

bewehrung_*.dxf: the reinforcement drawings, layers "PosA" and "0" only, LINE/ARC/CIRCLE/TEXT on "0".
dorn_*.dxf: the dowel drawings, layers "0", "BEMAßUNG_TEILE", "SCHUBDORN", "TEXT_5MM" with their content.
Exit code 0 when every file passes; one line per problem otherwise.
"""
import pathlib
import sys

import ezdxf

ERWARTET = {
    "bewehrung_": {
        "layer": {"0", "PosA"},
        "klassen": {"0": {"TEXT", "LINE", "ARC", "CIRCLE"}},
    },
    "dorn_": {
        "layer": {"0", "BEMAßUNG_TEILE", "SCHUBDORN", "TEXT_5MM"},
        "klassen": {
            "0": {"LINE"},
            "SCHUBDORN": {"LINE", "CIRCLE"},
            "BEMAßUNG_TEILE": {"LINE", "TEXT"},
            "TEXT_5MM": {"TEXT"},
        },
    },
}


def pruefe(pfad, erwartet):
    fehler = []
    try:
        doc = ezdxf.readfile(str(pfad))
    except (IOError, ezdxf.DXFError) as e:
        return [f"not readable: {e}"]
    auditor = doc.audit()
    for e in auditor.errors:
        fehler.append(f"audit: {e.message}")
    layer = {l.dxf.name for l in doc.layers} - {"DEFPOINTS", "Defpoints"}
    if layer != erwartet["layer"]:
        fehler.append(f"layers {sorted(layer)}")
    gefunden = {}
    for e in doc.modelspace():
        gefunden.setdefault(e.dxf.layer, set()).add(e.dxftype())
    for name, klassen in erwartet["klassen"].items():
        fehlt = klassen - gefunden.get(name, set())
        if fehlt:
            fehler.append(f"layer {name} lacks {sorted(fehlt)}")
    alle = set().union(*gefunden.values()) if gefunden else set()
    fremd = alle - {"TEXT", "LINE", "ARC", "CIRCLE"}
    if fremd:
        fehler.append(f"unexpected entities {sorted(fremd)}")
    if len(doc.modelspace()) == 0:
        fehler.append("no entities")
    return fehler


def main():
    ordner = pathlib.Path(sys.argv[1])
    dateien = sorted(ordner.glob("*.dxf"))
    geprueft = 0
    schlecht = 0
    for pfad in dateien:
        erwartet = next((v for k, v in ERWARTET.items() if pfad.name.startswith(k)), None)
        if erwartet is None:
            continue
        geprueft += 1
        for f in pruefe(pfad, erwartet):
            schlecht += 1
            print(f"{pfad.name}: {f}")
    print(f"{geprueft} files checked, {schlecht} problems")
    return 0 if geprueft > 0 and schlecht == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
