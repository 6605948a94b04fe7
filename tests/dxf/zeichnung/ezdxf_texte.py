"""Prints what ezdxf reads of a drawing's texts: the code page of its header, then every text of model
space, one per line.

usage: /usr/bin/python3 ezdxf_texte.py FILE
"""
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
print(doc.header.get("$DWGCODEPAGE", ""))
for e in doc.modelspace().query("TEXT"):
    print(e.dxf.text)
