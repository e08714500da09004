#!/usr/bin/env python3
"""Draws the program's pictures (toolbar and menu images, control cells, tab faces, window
pictures) and renders each at 1x and at 2x ("@2x") into resources/images.

The pictures are built from a few shared parts (page, letter T, folder, badges) in one palette,
so the whole set looks alike. The PNGs are committed: neither the build nor the package needs a
renderer. Run this after changing a picture (it needs rsvg-convert: scripts/deps.sh icons).
"""
import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "resources", "images")

# The palette of every picture.
INK = "#34445a"         # outlines of dark parts
LINE = "#7b8797"        # outlines of paper
PAPER = "#ffffff"
BLUE = "#2f7ee3"        # the menus' strip blue
DARK_BLUE = "#1b4f9c"
LIGHT_BLUE = "#cfe0fa"
FOLDER = "#f3c453"
FOLDER_FRONT = "#f8d982"
FOLDER_LINE = "#b4862a"
GREEN = "#2f9e44"
GREEN_LINE = "#1d6b2c"
RED = "#d9342b"
RED_LINE = "#9c1f19"
STAR = "#f7c12e"
STAR_LINE = "#b98310"
GREY = "#a7b0bc"
GREY_DARK = "#66707e"


def svg(width, height, body, crisp=False):
    """crisp: snap edges to whole pixels (pictures scaled off their pixel grid)."""
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d" '
            'shape-rendering="%s">%s</svg>' % (width, height, width, height,
                                               "crispEdges" if crisp else "geometricPrecision", body))


def at(x, y, body, scale=1):
    transform = "translate(%g %g)" % (x, y)
    if scale != 1:
        transform += " scale(%g)" % scale
    return '<g transform="%s">%s</g>' % (transform, body)


# ---- parts, drawn on a 16 x 16 grid (scaled for larger pictures)

def page(x0=2.5, y0=0.5, x1=12.5, y1=15.5, fold=3):
    return ('<path d="M%g %gH%gL%g %gV%gH%gZ" fill="%s" stroke="%s"/>'
            '<path d="M%g %gV%gH%g" fill="none" stroke="%s"/>' % (
                x0, y0, x1 - fold, x1, y0 + fold, y1, x0, PAPER, LINE,
                x1 - fold, y0, y0 + fold, x1, LINE))


def letter_t(x, y, w=7, h=8, stem=2, bar=2, color=BLUE):
    """A sans-serif capital T whose top-left corner is (x, y)."""
    return ('<path d="M%g %gh%gv%gh%gv%gh%gv%gh%gz" fill="%s"/>' % (
        x, y, w, bar, -(w - stem) / 2, h - bar, -stem, -(h - bar), -(w - stem) / 2, color))


def font_page():
    return page() + letter_t(4, 4)


def folder(open_front=False):
    back = ('<path d="M0.5 3.5H6l1.5 1.5h7v9h-14z" fill="%s" stroke="%s"/>' % (
        FOLDER, FOLDER_LINE))
    if open_front:
        front = '<path d="M0.5 14.5l2-7h13l-2 7z" fill="%s" stroke="%s"/>' % (
            FOLDER_FRONT, FOLDER_LINE)
    else:
        front = '<path d="M0.5 6.5h14v8h-14z" fill="%s" stroke="%s"/>' % (FOLDER_FRONT, FOLDER_LINE)
    return back + front


def star(cx, cy, r, fill=STAR, line=STAR_LINE):
    import math
    points = []
    for i in range(10):
        radius = r if i % 2 == 0 else r * 0.45
        angle = math.pi / 2 + i * math.pi / 5
        points.append("%.2f,%.2f" % (cx + radius * math.cos(angle), cy - radius * math.sin(angle)))
    return '<polygon points="%s" fill="%s" stroke="%s" stroke-linejoin="round"/>' % (
        " ".join(points), fill, line)


def badge_plus(x=9, y=9):
    return at(x, y, '<path d="M2.5 0.5h2v2h2v2h-2v2h-2v-2h-2v-2h2z" fill="%s" stroke="%s" '
                    'stroke-width="0.9" stroke-linejoin="round"/>' % (GREEN, GREEN_LINE))


def badge_cross(x=8, y=8):
    return at(x, y, '<path d="M1 2.5l1.5-1.5 2 2 2-2 1.5 1.5-2 2 2 2-1.5 1.5-2-2-2 2-1.5-1.5 2-2z" '
                    'fill="%s" stroke="%s" stroke-width="0.9" stroke-linejoin="round"/>' % (
                        RED, RED_LINE))


def badge_arrow_down(x=8, y=7):
    return at(x, y, '<path d="M2.5 0.5h3v4h2l-3.5 4-3.5-4h2z" fill="%s" stroke="%s" '
                    'stroke-width="0.9" stroke-linejoin="round"/>' % (GREEN, GREEN_LINE))


def magnifier(x=0, y=0):
    return at(x, y, '<circle cx="6.5" cy="6.5" r="4" fill="%s" stroke="%s" stroke-width="1.5"/>'
                    '<path d="M9.5 9.5l4.5 4.5" stroke="%s" stroke-width="2.5" '
                    'stroke-linecap="round"/>' % (LIGHT_BLUE, INK, INK))


def text_lines(x0, x1, ys, color=GREY):
    return "".join('<path d="M%g %gH%g" stroke="%s"/>' % (x0, y, x1, color) for y in ys)


def printer():
    return ('<path d="M4.5 1.5h7v5h-7z" fill="%s" stroke="%s"/>'
            '<path d="M1.5 6.5h13v6h-13z" fill="%s" stroke="%s"/>'
            '<path d="M4.5 10.5h7v4h-7z" fill="%s" stroke="%s"/>'
            '<path d="M3 8.5h1" stroke="%s"/>' % (
                PAPER, LINE, GREY, GREY_DARK, PAPER, LINE, GREEN))


def char_grid():
    cells = '<path d="M1.5 1.5h13v13h-13z" fill="%s" stroke="%s"/>' % (PAPER, LINE)
    cells += '<path d="M2 2h6v6h-6z" fill="%s"/>' % BLUE
    cells += letter_t(3, 3, w=4, h=4, stem=1.4, bar=1.4, color=PAPER)
    cells += text_lines(1.5, 14.5, [8.5]) + '<path d="M8.5 1.5V14.5" stroke="%s"/>' % GREY
    cells += letter_t(10, 10, w=4, h=4, stem=1.4, bar=1.4, color=INK)
    return cells


def refresh():
    return ('<path d="M13 8a5 5 0 1 1-1.5-3.6" fill="none" stroke="%s" stroke-width="2"/>'
            '<path d="M9.5 1.5l4.5 0.5-0.5 4.5z" fill="%s" stroke="%s" stroke-width="0.8" '
            'stroke-linejoin="round"/>' % (GREEN, GREEN, GREEN_LINE))


def book():
    return ('<path d="M3.5 1.5h9v13h-9z" fill="%s" stroke="%s"/>'
            '<path d="M5.5 1.5v13" stroke="%s"/>'
            '<path d="M7 5h4M7 7h4" stroke="%s"/>' % (BLUE, DARK_BLUE, DARK_BLUE, PAPER))


def check_mark():
    return '<path d="M3.5 8.5l3 3 6-7" fill="none" stroke="%s" stroke-width="2"/>' % INK


def radio_mark():
    return '<circle cx="8" cy="8.5" r="3" fill="%s"/>' % INK


def rename():
    return ('<path d="M0.5 4.5h15v7h-15z" fill="%s" stroke="%s"/>'
            '<path d="M2 6h7v4h-7z" fill="%s"/>'
            '<path d="M11.5 5.5v5M10.5 5.5h2M10.5 10.5h2" stroke="%s"/>' % (
                PAPER, LINE, BLUE, INK))


def properties():
    return page() + text_lines(4.5, 10.5, [5.5, 8.5, 11.5]) + \
        '<path d="M4 4h2v2h-2zM4 7h2v2h-2zM4 10h2v2h-2z" fill="%s"/>' % BLUE


def print_preview():
    return page() + text_lines(4.5, 10.5, [4.5, 6.5]) + magnifier(3, 4)


MENU_IMAGES = {
    0: char_grid(),
    1: magnifier(0.5, 0.5),
    4: font_page() + badge_arrow_down(),
    6: printer(),
    7: properties(),
    8: font_page() + badge_cross(),
    9: folder() + star(11, 10.5, 4),
    10: refresh(),
    11: star(7, 7.5, 6.5) + badge_plus(),
    12: book(),
    13: check_mark(),
    14: radio_mark(),
    15: rename(),
    16: folder(open_front=True),
}
MENU_COUNT = 17

TOOLBAR_IMAGES = {
    "print": printer(),
    "printpreview": print_preview(),
    "favorites": star(8, 8.5, 7.3),
    "charmap": char_grid(),
    "properties": properties(),
    "install": font_page() + badge_arrow_down(),
    "delete": font_page() + badge_cross(),
}

SMALL_IMAGES = {
    "FONT": font_page(),
    "FONTFOLDER": folder() + letter_t(4.5, 8, w=6, h=5.5, stem=2, bar=1.6, color=DARK_BLUE),
    "folder": folder(),
    "addfolder": folder() + badge_plus(),
    "bold": '<path d="M4 2.5h5a3 3 0 0 1 0 5.5a3.2 3.2 0 0 1 0 6.5h-5z" fill="%s"/>'
            '<path d="M6.5 4.5h2.2a1.4 1.4 0 0 1 0 2.8h-2.2zM6.5 9.3h2.6a1.6 1.6 0 0 1 0 3.2'
            'h-2.6z" fill="%s"/>' % (INK, PAPER),
    "italic": '<path d="M6.5 2.5h6l-0.4 1.5h-2l-2.2 8.5h2l-0.4 1.5h-6l0.4-1.5h2l2.2-8.5h-2z" '
              'fill="%s"/>' % INK,
    "underline": '<path d="M4.5 2v6a3.5 3.5 0 0 0 7 0v-6" fill="none" stroke="%s" '
                 'stroke-width="2"/><path d="M3 14.5h10" stroke="%s" stroke-width="1.5"/>' % (
                     INK, BLUE),
}


def warning_sign():
    return ('<path d="M16 3.5l13 23h-26z" fill="%s" stroke="%s" stroke-width="1.5" '
            'stroke-linejoin="round"/><path d="M14.5 10h3l-0.5 9h-2z" fill="%s"/>'
            '<circle cx="16" cy="22.5" r="1.6" fill="%s"/>' % (STAR, STAR_LINE, INK, INK))


def bin_with_page():
    return (at(7, 0, font_page(), 1.1) +
            '<path d="M6.5 14.5h19l-2 16h-15z" fill="%s" stroke="%s"/>'
            '<path d="M4.5 12.5h23v3h-23z" fill="%s" stroke="%s"/>'
            '<path d="M11.5 18v10M16 18v10M20.5 18v10" stroke="%s"/>' % (
                GREY, GREY_DARK, GREY, GREY_DARK, GREY_DARK))


LARGE_IMAGES = {
    "addfavorite": at(0, 2, folder(), 2) + at(12, 12, star(8, 8, 7.5), 1.25),
    "delwarning": at(1, 0, font_page(), 1.875) + at(10, 12, warning_sign(), 0.7),
    "deleting": bin_with_page(),
}


def tab(selected):
    top = 0.5 if selected else 2.5
    fill = "url(#face)"
    stops = ('<stop offset="0" stop-color="#ffffff"/><stop offset="1" stop-color="#ffffff"/>'
             if selected else
             '<stop offset="0" stop-color="#fbfbfb"/><stop offset="1" stop-color="#e2e2e2"/>')
    body = ('<defs><linearGradient id="face" x1="0" y1="0" x2="0" y2="1">%s</linearGradient>'
            '</defs>' % stops)
    body += ('<path d="M0.5 22L4 %g Q4.5 %g 6 %g H78 Q79.5 %g 80 %g L83.5 22Z" fill="%s" '
             'stroke="#989898"/>' % (top + 2, top, top, top, top + 2, fill))
    if selected:
        body += '<path d="M5 %gH79" stroke="#ff8000" stroke-width="2"/>' % (top + 1.5)
        body += '<path d="M1 21.5H83" stroke="#ffffff" stroke-width="2"/>'
    return body


def combo_cell(pressed):
    top, bottom = ("#b9cdf2", "#98b3e4") if pressed else ("#eef3fd", "#c7d8f6")
    return ('<defs><linearGradient id="b%d" x1="0" y1="0" x2="0" y2="1"><stop offset="0" '
            'stop-color="%s"/><stop offset="1" stop-color="%s"/></linearGradient></defs>'
            '<rect x="0.5" y="0.5" width="14" height="16" rx="2" fill="url(#b%d)" stroke="#a9bfe6"/>'
            '<path d="M4.5 7l3 3 3-3" fill="none" stroke="%s" stroke-width="1.6"/>' % (
                pressed, top, bottom, pressed, "#33466b"))


def check_cell(checked):
    body = ('<defs><linearGradient id="c%d" x1="0" y1="0" x2="1" y2="1"><stop offset="0" '
            'stop-color="#e3e8ef"/><stop offset="1" stop-color="#ffffff"/></linearGradient></defs>'
            '<rect x="0.5" y="0.5" width="12" height="12" fill="url(#c%d)" stroke="#1c5180"/>' % (
                checked, checked))
    if checked:
        body += '<path d="M3 6.5l2.5 2.5 4.5-5" fill="none" stroke="#21a121" stroke-width="2"/>'
    return body


def radio_cell(checked):
    body = ('<defs><linearGradient id="r%d" x1="0" y1="0" x2="1" y2="1"><stop offset="0" '
            'stop-color="#dfe5ee"/><stop offset="1" stop-color="#ffffff"/></linearGradient></defs>'
            '<circle cx="6.5" cy="6.5" r="6" fill="url(#r%d)" stroke="#1c5180"/>' % (
                checked, checked))
    if checked:
        body += '<circle cx="6.5" cy="6.5" r="2.6" fill="#21a121"/>'
    return body


def strip(cells, cell_width, height):
    body = "".join(at(i * cell_width, 0, cell) for i, cell in enumerate(cells))
    return svg(cell_width * len(cells), height, body)


def pictures():
    """Every picture: name, width, height, SVG text."""
    yield "MENUIMAGES", 16 * MENU_COUNT, 16, strip(
        [MENU_IMAGES.get(i, "") for i in range(MENU_COUNT)], 16, 16)
    for name, body in TOOLBAR_IMAGES.items():
        # The toolbar pictures are the small ones drawn 1.25 times as large: off the pixel
        # grid, so the edges of the straight-edged ones are snapped to whole pixels at 1x.
        yield name, 22, 22, svg(22, 22, at(1, 1, body, 20 / 16), crisp=name != "favorites")
    for name, body in SMALL_IMAGES.items():
        yield name, 16, 16, svg(16, 16, body)
    for name, body in LARGE_IMAGES.items():
        yield name, 32, 32, svg(32, 32, body)
    yield "TAB", 84, 22, svg(84, 22, tab(False))
    yield "TAB_SELECTED", 84, 22, svg(84, 22, tab(True))
    yield "COMBOBTN", 30, 17, strip([combo_cell(False), combo_cell(True)], 15, 17)
    yield "CHECKBTN", 26, 13, strip([check_cell(True), check_cell(False)], 13, 13)
    yield "RADIOBTN", 26, 13, strip([radio_cell(True), radio_cell(False)], 13, 13)


def render(text, width, height, target):
    with tempfile.NamedTemporaryFile("w", suffix=".svg", delete=False) as source:
        source.write(text)
    try:
        subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height), source.name,
                        "-o", target], check=True)
    finally:
        os.unlink(source.name)


def main():
    if shutil.which("rsvg-convert") is None:
        sys.exit("rsvg-convert is missing: run scripts/deps.sh icons")
    for name, width, height, text in pictures():
        render(text, width, height, os.path.join(OUT, name + ".png"))
        # At 2x every edge falls on the pixel grid or is smooth enough: no snapping.
        smooth = text.replace('"crispEdges"', '"geometricPrecision"')
        render(smooth, 2 * width, 2 * height, os.path.join(OUT, name + "@2x.png"))
    # The window icon is the program's own icon.
    icons = os.path.join(ROOT, "resources", "desktop", "icons")
    shutil.copyfile(os.path.join(icons, "32x32", "glyphwell.png"), os.path.join(OUT, "glyphwell.png"))
    shutil.copyfile(os.path.join(icons, "64x64", "glyphwell.png"),
                    os.path.join(OUT, "glyphwell@2x.png"))


if __name__ == "__main__":
    main()
