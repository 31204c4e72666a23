#!/usr/bin/env python3
"""Writes the palette index and the built-in palettes that ship in data/.

Run by hand from anywhere (python3 tools/gen_palettes.py) and commit what it writes; the build
only copies the files. Standard library only.

Files written: data/colorchart.cci and data/c1.rgb ... data/c7.rgb. "recent.rgb" is listed in
the index but not written: the program creates it at start-up and deletes it at shutdown.

The palette view shows the LAST record of a file in its first cell and fills its 216 cells
column by column, 12 rows high. So each palette is laid out here in cell order (what cell 0,
1, 2 ... should show) and written to its file in reverse.
"""

import colorsys
import pathlib

ROWS = 12
DATA = pathlib.Path(__file__).resolve().parent.parent / "data"

# CSS Color Module Level 4 named colours: 148 names, 139 distinct values.
CSS_NAMED = """
aliceblue F0F8FF antiquewhite FAEBD7 aqua 00FFFF aquamarine 7FFFD4 azure F0FFFF
beige F5F5DC bisque FFE4C4 black 000000 blanchedalmond FFEBCD blue 0000FF
blueviolet 8A2BE2 brown A52A2A burlywood DEB887 cadetblue 5F9EA0 chartreuse 7FFF00
chocolate D2691E coral FF7F50 cornflowerblue 6495ED cornsilk FFF8DC crimson DC143C
cyan 00FFFF darkblue 00008B darkcyan 008B8B darkgoldenrod B8860B darkgray A9A9A9
darkgreen 006400 darkgrey A9A9A9 darkkhaki BDB76B darkmagenta 8B008B
darkolivegreen 556B2F darkorange FF8C00 darkorchid 9932CC darkred 8B0000
darksalmon E9967A darkseagreen 8FBC8F darkslateblue 483D8B darkslategray 2F4F4F
darkslategrey 2F4F4F darkturquoise 00CED1 darkviolet 9400D3 deeppink FF1493
deepskyblue 00BFFF dimgray 696969 dimgrey 696969 dodgerblue 1E90FF firebrick B22222
floralwhite FFFAF0 forestgreen 228B22 fuchsia FF00FF gainsboro DCDCDC
ghostwhite F8F8FF gold FFD700 goldenrod DAA520 gray 808080 green 008000
greenyellow ADFF2F grey 808080 honeydew F0FFF0 hotpink FF69B4 indianred CD5C5C
indigo 4B0082 ivory FFFFF0 khaki F0E68C lavender E6E6FA lavenderblush FFF0F5
lawngreen 7CFC00 lemonchiffon FFFACD lightblue ADD8E6 lightcoral F08080
lightcyan E0FFFF lightgoldenrodyellow FAFAD2 lightgray D3D3D3 lightgreen 90EE90
lightgrey D3D3D3 lightpink FFB6C1 lightsalmon FFA07A lightseagreen 20B2AA
lightskyblue 87CEFA lightslategray 778899 lightslategrey 778899 lightsteelblue B0C4DE
lightyellow FFFFE0 lime 00FF00 limegreen 32CD32 linen FAF0E6 magenta FF00FF
maroon 800000 mediumaquamarine 66CDAA mediumblue 0000CD mediumorchid BA55D3
mediumpurple 9370DB mediumseagreen 3CB371 mediumslateblue 7B68EE
mediumspringgreen 00FA9A mediumturquoise 48D1CC mediumvioletred C71585
midnightblue 191970 mintcream F5FFFA mistyrose FFE4E1 moccasin FFE4B5
navajowhite FFDEAD navy 000080 oldlace FDF5E6 olive 808000 olivedrab 6B8E23
orange FFA500 orangered FF4500 orchid DA70D6 palegoldenrod EEE8AA palegreen 98FB98
paleturquoise AFEEEE palevioletred DB7093 papayawhip FFEFD5 peachpuff FFDAB9
peru CD853F pink FFC0CB plum DDA0DD powderblue B0E0E6 purple 800080
rebeccapurple 663399 red FF0000 rosybrown BC8F8F royalblue 4169E1 saddlebrown 8B4513
salmon FA8072 sandybrown F4A460 seagreen 2E8B57 seashell FFF5EE sienna A0522D
silver C0C0C0 skyblue 87CEEB slateblue 6A5ACD slategray 708090 slategrey 708090
snow FFFAFA springgreen 00FF7F steelblue 4682B4 tan D2B48C teal 008080
thistle D8BFD8 tomato FF6347 turquoise 40E0D0 violet EE82EE wheat F5DEB3
white FFFFFF whitesmoke F5F5F5 yellow FFFF00 yellowgreen 9ACD32
"""

# The sixteen colours of HTML 4 (the VGA text-mode set), dark and bright pairs together.
BASIC_16 = [
    "000000", "808080", "C0C0C0", "FFFFFF", "800000", "FF0000", "808000", "FFFF00",
    "008000", "00FF00", "008080", "00FFFF", "000080", "0000FF", "800080", "FF00FF",
]


def to_hex(r, g, b):
    """Channels 0.0-1.0 to "RRGGBB"; round() rounds halves to even."""
    return "".join("%02X" % round(c * 255) for c in (r, g, b))


def channels(hex6):
    return tuple(int(hex6[i:i + 2], 16) for i in (0, 2, 4))


def lightness(hex6):
    r, g, b = channels(hex6)
    return (max(r, g, b) + min(r, g, b)) / 2


def hue(hex6):
    r, g, b = (c / 255 for c in channels(hex6))
    return colorsys.rgb_to_hls(r, g, b)[0]


def hsl(h_degrees, s, l):
    r, g, b = colorsys.hls_to_rgb((h_degrees % 360) / 360, l, s)
    return to_hex(r, g, b)


def web_safe():
    """Six 6 x 6 blocks, two high and three across: in a block green runs across and blue
    down; red steps from block to block. Black is in the first cell."""
    levels = [0x00, 0x33, 0x66, 0x99, 0xCC, 0xFF]
    cells = []
    for col in range(18):
        for row in range(ROWS):
            red = (row // 6) * 3 + col // 6
            cells.append("%02X%02X%02X" % (levels[red], levels[col % 6], levels[row % 6]))
    return cells


def css_named():
    words = CSS_NAMED.split()
    pairs = list(zip(words[0::2], words[1::2]))
    assert len(pairs) == 148, len(pairs)
    distinct = list(dict.fromkeys(value for _, value in pairs))
    assert len(distinct) == 139, len(distinct)

    def chroma(v):
        return max(channels(v)) - min(channels(v))

    neutrals = sorted((v for v in distinct if chroma(v) < 16), key=lambda v: -lightness(v))
    colours = sorted((v for v in distinct if chroma(v) >= 16), key=lambda v: (hue(v), -lightness(v)))
    ordered = neutrals + colours
    # Each column of 12 runs from light to dark; the hue moves on from column to column.
    cells = []
    for start in range(0, len(ordered), ROWS):
        cells += sorted(ordered[start:start + ROWS], key=lambda v: -lightness(v))
    return cells


def grays():
    """Every third level from white down to black: 86 greys, including the web-safe ones."""
    return ["%02X%02X%02X" % (v, v, v) for v in range(255, -1, -3)]


def rainbow():
    """The hue ring at full saturation in 5-degree steps, starting at red."""
    return [hsl(h, 1.0, 0.5) for h in range(0, 360, 5)]


def tints_and_shades():
    """Eighteen hues, 20 degrees apart, one per column; each column runs from a pale tint at
    the top to a deep shade at the bottom."""
    cells = []
    for col in range(18):
        for row in range(ROWS):
            cells.append(hsl(col * 20, 1.0, (ROWS - row) / (ROWS + 1)))
    return cells


def pastels():
    """Twelve hues, 30 degrees apart, one per row; three columns from palest to deepest."""
    cells = []
    for l in (0.90, 0.82, 0.74):
        for row in range(ROWS):
            cells.append(hsl(row * 30, 0.7, l))
    return cells


# Index order = selector order. Records 0 and 1, and 2 and 3, have fixed roles.
PALETTES = [
    ("c1.rgb", "Web Safe Colors", "0", web_safe),
    ("recent.rgb", "Recent Colors", "0", None),
    ("c2.rgb", "CSS Named Colors", "2", css_named),
    ("c3.rgb", "Grays", "2", grays),
    ("c4.rgb", "Basic 16 Colors", "0", lambda: BASIC_16),
    ("c5.rgb", "Rainbow", "0", rainbow),
    ("c6.rgb", "Tints and Shades", "0", tints_and_shades),
    ("c7.rgb", "Pastels", "0", pastels),
]


def main():
    DATA.mkdir(exist_ok=True)
    index = b""
    for file_name, name, flag, make in PALETTES:
        index += b"".join(s.encode("ascii") + b"\r\n" for s in (file_name, name, flag))
        if make is None:
            continue
        cells = make()
        assert all(len(c) == 6 and c == c.upper() for c in cells), file_name
        assert len(cells) == len(set(cells)), file_name
        # The last record is shown in cell 0.
        (DATA / file_name).write_bytes("".join(reversed(cells)).encode("ascii"))
        print("%-10s %3d colours  %s" % (file_name, len(cells), name))
    (DATA / "colorchart.cci").write_bytes(index)
    print("colorchart.cci %d palettes" % len(PALETTES))


if __name__ == "__main__":
    main()
