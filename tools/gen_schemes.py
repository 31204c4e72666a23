#!/usr/bin/env python3
"""Writes the saved web-colour schemes that Prismara ships with.

For each of the five styles this writes the list file (stem + ".hcs": each name between double
quotation marks, every line ended by CR LF) and the data file (stem + ".dat": one fixed-length
record per name, one six-digit field per element). Colours are given here the way a web page
writes them, "#RRGGBB"; the data file stores each as the colour value's own hexadecimal form,
blue first ("BBGGRR").

Every scheme is checked for readable contrast before anything is written.

Run by hand after changing a scheme, and commit the output:
    python3 tools/gen_schemes.py            # writes into data/ beside this folder
    python3 tools/gen_schemes.py OUTDIR
"""

import pathlib
import sys

# Element order of each style's record, and the pairs (text, background) whose contrast must be
# readable, given as positions in that order.
STYLES = {
    "weblinks": {
        "fields": ["text", "background", "normal link", "visited link", "active link", "hover link"],
        "readable": [(0, 1), (2, 1), (3, 1), (4, 1), (5, 1)],
    },
    "layout": {
        "fields": ["header background", "header text", "navigation background", "navigation links",
                   "content background", "content text", "footer background", "footer text"],
        "readable": [(1, 0), (3, 2), (5, 4), (7, 6)],
    },
    "tables": {
        "fields": ["table 1 background", "table 1 text", "table 2 background", "table 2 text",
                   "table 3 background", "table 3 text", "border"],
        "readable": [(1, 0), (3, 2), (5, 4)],
    },
    "backtext": {
        "fields": ["background 1", "text 1", "background 2", "text 2"],
        "readable": [(1, 0), (3, 2)],
    },
    "shapes": {
        "fields": ["shape 1", "shape 2", "shape 3"],
        "readable": [],
    },
}

# The first Web Links scheme is the one loaded when the program starts: the browsers' classic
# black text on white with blue, purple, red and green links.
SCHEMES = {
    "weblinks": [
        ("Classic", ["#000000", "#FFFFFF", "#0000FF", "#800080", "#FF0000", "#008000"]),
        ("Paper", ["#2B2B2B", "#FAF8F2", "#1A5FB4", "#6B3FA0", "#C01C28", "#1E7B3A"]),
        ("Ocean", ["#1B2A3A", "#F0F7FF", "#0B5CA8", "#5B3E96", "#B8420B", "#087F5B"]),
        ("Midnight", ["#E0E0E0", "#1E1E2E", "#89B4FA", "#CBA6F7", "#F38BA8", "#A6E3A1"]),
        ("Slate", ["#ECEFF1", "#263238", "#80CBC4", "#B39DDB", "#FF8A65", "#FFD54F"]),
    ],
    "layout": [
        ("Corporate Blue", ["#1F3A5F", "#FFFFFF", "#E8EEF5", "#1F3A5F",
                            "#FFFFFF", "#222222", "#1F3A5F", "#DDE6F0"]),
        ("Forest", ["#2E5E3E", "#F1F8F2", "#E6F0E8", "#2E5E3E",
                    "#FFFFFF", "#1E2B22", "#2E5E3E", "#D8E8DC"]),
        ("Terracotta", ["#8C2F1B", "#FFF8F0", "#FBEFE3", "#8C2F1B",
                        "#FFFDF9", "#2B2118", "#5A3A2E", "#F3E6D8"]),
        ("Night", ["#111827", "#F9FAFB", "#1F2937", "#93C5FD",
                   "#1E293B", "#E2E8F0", "#111827", "#9CA3AF"]),
    ],
    "tables": [
        ("Plain Grey", ["#FFFFFF", "#222222", "#F2F2F2", "#222222", "#FFFFFF", "#222222", "#BBBBBB"]),
        ("Blue Header", ["#1F4E79", "#FFFFFF", "#DDEBF7", "#1F2937", "#FFFFFF", "#1F2937", "#1F4E79"]),
        ("Mint", ["#2F855A", "#FFFFFF", "#E6FFFA", "#22543D", "#FFFFFF", "#22543D", "#38A169"]),
        ("Dark", ["#212529", "#F8F9FA", "#343A40", "#F8F9FA", "#2B3035", "#DEE2E6", "#6C757D"]),
    ],
    "backtext": [
        ("Ink on Paper", ["#FFFFFF", "#000000", "#000000", "#FFFFFF"]),
        ("Cream and Navy", ["#FFF8E7", "#1B2A49", "#1B2A49", "#FFF8E7"]),
        ("Soft Contrast", ["#F5F5F5", "#333333", "#333333", "#F5F5F5"]),
        ("Highlighter", ["#FFF59D", "#212121", "#1565C0", "#FFFFFF"]),
    ],
    "shapes": [
        ("Greys", ["#999999", "#CCCCCC", "#FFFFFF"]),
        ("Sunset", ["#F94144", "#F8961E", "#F9C74F"]),
        ("Ocean", ["#03045E", "#0077B6", "#90E0EF"]),
        ("Earth", ["#6B4226", "#A68A64", "#DDD1B5"]),
        ("Pastel", ["#FFADAD", "#CAFFBF", "#A0C4FF"]),
    ],
}

# WCAG 2 contrast needed for normal text.
MIN_CONTRAST = 4.5

# Schemes whose colours are fixed by tradition rather than chosen here: the browsers' own
# defaults put the active link (red on white) at a contrast of 4.0.
CONTRAST_EXEMPT = {("weblinks", "Classic")}


def channels(css):
    if len(css) != 7 or css[0] != "#":
        raise ValueError(f"not a #RRGGBB colour: {css!r}")
    return tuple(int(css[i:i + 2], 16) for i in (1, 3, 5))


def field(css):
    """The record field of a colour: its colour value 0x00BBGGRR in six upper-case digits."""
    red, green, blue = channels(css)
    return f"{blue:02X}{green:02X}{red:02X}"


def luminance(css):
    def linear(c):
        c /= 255.0
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4

    red, green, blue = (linear(c) for c in channels(css))
    return 0.2126 * red + 0.7152 * green + 0.0722 * blue


def contrast(a, b):
    high, low = sorted((luminance(a), luminance(b)), reverse=True)
    return (high + 0.05) / (low + 0.05)


def check(stem, name, colours):
    style = STYLES[stem]
    if len(colours) != len(style["fields"]):
        raise ValueError(f"{stem} '{name}': {len(colours)} colours for {len(style['fields'])} fields")
    if '"' in name or "\r" in name or "\n" in name:
        raise ValueError(f"{stem} '{name}': a shipped name must be a plain one-line name")
    if (stem, name) in CONTRAST_EXEMPT:
        return
    for text, background in style["readable"]:
        ratio = contrast(colours[text], colours[background])
        if ratio < MIN_CONTRAST:
            raise ValueError(f"{stem} '{name}': {style['fields'][text]} on {style['fields'][background]} "
                             f"has contrast {ratio:.2f}, below {MIN_CONTRAST}")


def main(argv):
    out = pathlib.Path(argv[1]) if len(argv) > 1 else pathlib.Path(__file__).resolve().parent.parent / "data"
    for stem, schemes in SCHEMES.items():
        for name, colours in schemes:
            check(stem, name, colours)
    for stem, schemes in SCHEMES.items():
        names = "".join(f'"{name}"\r\n' for name, _ in schemes)
        records = "".join("".join(field(c) for c in colours) for _, colours in schemes)
        (out / f"{stem}.hcs").write_bytes(names.encode("ascii"))
        (out / f"{stem}.dat").write_bytes(records.encode("ascii"))
        print(f"{stem}: {len(schemes)} schemes")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
