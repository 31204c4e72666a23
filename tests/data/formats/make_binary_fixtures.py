#!/usr/bin/env python3
"""Writes the binary palette fixtures of this folder, field by field from the formats' public
descriptions (not through Prismara's own writers, so the tests compare the two):

- swatches.ase: an Adobe Swatch Exchange file with a named group, RGB, CMYK, Lab and grey swatches,
  a global and a spot swatch, an unnamed swatch and the group's end block.
- swatches.aco: an Adobe Color file, a version 1 section followed by a version 2 section with
  names, in the RGB, HSB, CMYK, Lab and grey colour spaces.
- brand.expected.ase, brand.expected.aco: what exporting brand.gpl must give, byte for byte.

Run it from anywhere: python3 tests/data/formats/make_binary_fixtures.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def utf16_name(name):
    """ASE name field: unit count including the closing NUL (16 bits), the units, the NUL."""
    units = name.encode("utf-16-be")
    return struct.pack(">H", len(units) // 2 + 1) + units + b"\0\0"


def ase_block(kind, body):
    return struct.pack(">HI", kind, len(body)) + body


def ase_swatch(name, model, values, swatch_type=2):
    body = utf16_name(name) + model + b"".join(struct.pack(">f", v) for v in values)
    return ase_block(0x0001, body + struct.pack(">H", swatch_type))


def ase_file(blocks):
    return b"ASEF" + struct.pack(">HHI", 1, 0, len(blocks)) + b"".join(blocks)


def aco_record(space, w, x=0, y=0, z=0):
    return struct.pack(">HHHHH", space, w, x, y, z)


def aco_name(name):
    """ACO version 2 name: unit count including the closing NUL (32 bits), the units, the NUL."""
    units = name.encode("utf-16-be")
    return struct.pack(">I", len(units) // 2 + 1) + units + b"\0\0"


def aco_file(records, names):
    v1 = struct.pack(">HH", 1, len(records)) + b"".join(records)
    v2 = struct.pack(">HH", 2, len(records)) + b"".join(r + aco_name(n) for r, n in zip(records, names))
    return v1 + v2


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(data)


swatches_ase = ase_file([
    ase_block(0xC001, utf16_name("Spring")),
    ase_swatch("Leaf", b"RGB ", [0.2, 0.6, 0.2], swatch_type=0),
    ase_swatch("Sky", b"RGB ", [0.0, 0.5, 1.0]),
    ase_swatch("Clay", b"CMYK", [0.0, 0.5, 1.0, 0.2], swatch_type=1),
    ase_swatch("Paper", b"LAB ", [1.0, 0.0, 0.0]),
    ase_swatch("Stone", b"LAB ", [0.5, 0.0, 0.0]),
    ase_swatch("Half", b"Gray", [0.5]),
    ase_swatch("", b"RGB ", [0.2, 0.6, 0.2]),
    ase_block(0xC002, b""),
])
write("swatches.ase", swatches_ase)

swatches_aco = aco_file(
    [aco_record(0, 65535, 0, 0), aco_record(1, 21845, 65535, 65535), aco_record(2, 0, 65535, 65535, 65535),
     aco_record(7, 10000, 0, 0), aco_record(8, 5000)],
    ["Red", "Green", "Cyan", "White", "Half"])
write("swatches.aco", swatches_aco)

# brand.gpl as exported: names kept, the unnamed third colour named by the nearest colour name.
brand = [((30, 111, 217), "Brand Blue"), ((255, 255, 255), "White"), ((0, 0, 0), "black"),
         ((30, 111, 217), "Brand Blue"), ((18, 52, 86), "Grün dunkel"),
         ((255, 128, 0), 'Orange: warm & bright "hot"')]
write("brand.expected.ase", ase_file(
    [ase_block(0xC001, utf16_name("Brand Colours"))] +
    [ase_swatch(n, b"RGB ", [c / 255.0 for c in rgb]) for rgb, n in brand] +
    [ase_block(0xC002, b"")]))
write("brand.expected.aco", aco_file([aco_record(0, r * 257, g * 257, b * 257) for (r, g, b), _ in brand],
                                     [n for _, n in brand]))
