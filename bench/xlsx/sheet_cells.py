"""The cells of an unpacked workbook's first sheet as bench_xlsx_floor reads
them: CELLS gets a little-endian record a cell (row u32, column u16, style
u16, value f64; text cells set the style's top bit, give their length as the
value and their UTF-8 bytes after the record), FORMATS the number format of
each cell style from 2 on, a line each.

    sheet_cells.py UNPACKED_DIR CELLS FORMATS
"""
import re
import struct
import sys
import xml.etree.ElementTree as ET

NS = "{http://schemas.openxmlformats.org/spreadsheetml/2006/main}"
TEXT_CELL = 0x8000


def column_of(reference):
    number = 0
    for letter in re.match(r"[A-Z]+", reference).group(0):
        number = number * 26 + ord(letter) - ord("A") + 1
    return number - 1


def formats(unpacked):
    styles = ET.parse(f"{unpacked}/xl/styles.xml").getroot()
    codes = {f.get("numFmtId"): f.get("formatCode") for f in styles.iter(NS + "numFmt")}
    cell_styles = styles.find(NS + "cellXfs").findall(NS + "xf")
    return [codes.get(xf.get("numFmtId"), "General") for xf in cell_styles[2:]]


def cells(unpacked):
    out = bytearray()
    for _, cell in ET.iterparse(f"{unpacked}/xl/worksheets/sheet1.xml"):
        if cell.tag != NS + "c":
            continue
        row = int(re.search(r"\d+", cell.get("r")).group(0)) - 1
        style = int(cell.get("s", "0"))
        value = cell.find(NS + "v")
        if value is not None:
            out += struct.pack("<IHHd", row, column_of(cell.get("r")), style, float(value.text))
        else:
            text = "".join(cell.find(NS + "is").itertext()).encode()
            out += struct.pack("<IHHd", row, column_of(cell.get("r")), style | TEXT_CELL, len(text)) + text
        cell.clear()
    return out


if __name__ == "__main__":
    unpacked, cells_out, formats_out = sys.argv[1:4]
    with open(cells_out, "wb") as f:
        f.write(cells(unpacked))
    with open(formats_out, "w", encoding="utf-8") as f:
        f.write("".join(code + "\n" for code in formats(unpacked)))
