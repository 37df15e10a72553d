# Reads an .xls with xlrd and prints sheet names, cells, column widths and alignments as JSON.
import json
import sys

import xlrd

buch = xlrd.open_workbook(sys.argv[1], formatting_info=True)
blatt = buch.sheet_by_index(0)
zellen = []
for r in range(blatt.nrows):
    for c in range(blatt.ncols):
        zelle = blatt.cell(r, c)
        if zelle.ctype == xlrd.XL_CELL_EMPTY:
            continue
        xf = buch.xf_list[blatt.cell_xf_index(r, c)]
        zellen.append({"zeile": r, "spalte": c, "typ": zelle.ctype, "text": zelle.value,
                       "ausrichtung": xf.alignment.hor_align})
breiten = {str(c): info.width for c, info in blatt.colinfo_map.items()}
print(json.dumps({"blaetter": buch.sheet_names(), "zellen": zellen, "breiten": breiten}))
