#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the game's artwork, resources/images/*.svg, from the shapes defined here.

The images are plain SVG (shapes and gradients only: no text, no rasters, no filters) so that
QtSvg draws them the same on every machine. Each image's width and height are its size in board
units. Board units run upwards from the bottom; SVG runs downwards, so a board height b inside an
image of height H is the SVG y H - b.

Run from anywhere: python3 tools/make-artwork.py
"""

import math
import os
import random

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "images")

# One palette for the whole table: walnut rails, deep green baize, brass, ivory and oxblood.
WALNUT = ("#6b3f22", "#4a2a16", "#2b170b")
FELT_CENTRE, FELT_EDGE = "#1b5446", "#082520"
BRASS_LIGHT, BRASS, BRASS_DARK = "#fbe6a6", "#d6a546", "#8c621f"
IVORY_FACE = ("#fffaf0", "#f2e8d2", "#e2d3b2")
IVORY_SIDE = ("#d8c7a2", "#a8926a")
IVORY_INK = "#1f2e3a"
GOLD_FACE = ("#fff1c4", "#f3cd72", "#d9a441")
GOLD_SIDE = ("#c08f35", "#7d5516")
GOLD_INK = "#6a1712"
OXBLOOD = ("#9a2d33", "#6e1820", "#40090f")


def fmt(v):
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


class Svg:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.defs = []
        self.body = []

    def gradient(self, gid, stops, x1=0, y1=0, x2=0, y2=1, units=None):
        attrs = f'id="{gid}" x1="{fmt(x1)}" y1="{fmt(y1)}" x2="{fmt(x2)}" y2="{fmt(y2)}"'
        if units:
            attrs += f' gradientUnits="{units}"'
        self.defs.append(f"<linearGradient {attrs}>" + self._stops(stops) + "</linearGradient>")
        return f"url(#{gid})"

    def radial(self, gid, stops, cx, cy, r, fx=None, fy=None, units="userSpaceOnUse"):
        attrs = f'id="{gid}" cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r)}"'
        if fx is not None:
            attrs += f' fx="{fmt(fx)}" fy="{fmt(fy)}"'
        attrs += f' gradientUnits="{units}"'
        self.defs.append(f"<radialGradient {attrs}>" + self._stops(stops) + "</radialGradient>")
        return f"url(#{gid})"

    @staticmethod
    def _stops(stops):
        out = []
        for offset, colour, *opacity in stops:
            extra = f' stop-opacity="{fmt(opacity[0])}"' if opacity else ""
            out.append(f'<stop offset="{fmt(offset)}" stop-color="{colour}"{extra}/>')
        return "".join(out)

    def add(self, element):
        self.body.append(element)

    def write(self, name):
        lines = [
            '<?xml version="1.0" encoding="UTF-8"?>',
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{self.width}" height="{self.height}" viewBox="0 0 {self.width} {self.height}">',
        ]
        if self.defs:
            lines.append("<defs>")
            lines.extend(self.defs)
            lines.append("</defs>")
        lines.extend(self.body)
        lines.append("</svg>")
        with open(os.path.join(OUT, name + ".svg"), "w", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")


def rect(x, y, w, h, rx=0, **style):
    corner = f' rx="{fmt(rx)}"' if rx else ""
    return f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}"{corner}{attrs(style)}/>'


def circle(cx, cy, r, **style):
    return f'<circle cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r)}"{attrs(style)}/>'


def ellipse(cx, cy, rx, ry, **style):
    return f'<ellipse cx="{fmt(cx)}" cy="{fmt(cy)}" rx="{fmt(rx)}" ry="{fmt(ry)}"{attrs(style)}/>'


def path(d, **style):
    return f'<path d="{d}"{attrs(style)}/>'


def attrs(style):
    return "".join(f' {k.replace("_", "-")}="{fmt(v) if isinstance(v, float) else v}"'
                   for k, v in style.items())


def polygon(points):
    return "M" + " L".join(f"{fmt(x)},{fmt(y)}" for x, y in points) + " Z"


# Digits as centre-line strokes in a 22 by 32 box (y down), drawn with round caps and joins.
DIGITS = {
    0: "M11,0 C17.6,0 21.5,6 21.5,16 C21.5,26 17.6,32 11,32 C4.4,32 0.5,26 0.5,16 C0.5,6 4.4,0 11,0 Z",
    1: "M4,6.5 L12.5,0 L12.5,32 M5,32 L20,32",
    2: "M1.5,8 C2.2,3 6,0 11,0 C17,0 20.8,3.6 20.8,8.6 C20.8,14.5 15,18 9.6,22.4 "
       "C5.6,25.6 1.8,28.8 1.2,32 L21.5,32",
    3: "M2,3.6 C4,1.3 7.2,0 11,0 C16.6,0 20.2,3 20.2,7.8 C20.2,12.4 16.4,15.2 9.5,15.2 "
       "C17.2,15.2 21.2,18.6 21.2,23.6 C21.2,28.9 16.9,32 10.8,32 C6.6,32 3.2,30.6 1,27.8",
    4: "M16,32 L16,0 L0.5,22 L21.5,22",
    5: "M20,0 L4,0 L2.4,14.2 C4.8,12.6 7.8,11.6 11,11.6 C17.4,11.6 21.4,15.6 21.4,21.6 "
       "C21.4,28 17.1,32 10.6,32 C6.6,32 3.2,30.6 1,28",
    6: "M19,3.2 C17,1.1 14.4,0 11.8,0 C5,0 1,6.6 1,17.6 C1,27 4.8,32 11,32 C17,32 21,28 21,22 "
       "C21,16 17.2,12.4 11.4,12.4 C6.2,12.4 2.4,15.4 1.2,19.6",
    7: "M0.5,0 L21.5,0 C15.4,8.4 10.6,19.2 9,32",
    8: "M11,15.2 C6,15.2 2.6,12.2 2.6,7.6 C2.6,3 6.3,0 11,0 C15.7,0 19.4,3 19.4,7.6 "
       "C19.4,12.2 16,15.2 11,15.2 C5,15.2 1,18.6 1,23.6 C1,28.6 5.4,32 11,32 "
       "C16.6,32 21,28.6 21,23.6 C21,18.6 17,15.2 11,15.2 Z",
    9: "M3,28.8 C5,30.9 7.6,32 10.2,32 C17,32 21,25.4 21,14.4 C21,5 17.2,0 11,0 C5,0 1,4 1,10 "
       "C1,16 4.8,19.6 10.6,19.6 C15.8,19.6 19.6,16.6 20.8,12.4",
}


def digit_strokes(svg_add, digit, cx, cy, scale, ink, width, highlight):
    """An engraved digit centred on (cx, cy): a light rim below, the ink stroke on top."""
    x0, y0 = cx - 11 * scale, cy - 16 * scale
    transform = f'translate({fmt(x0)},{fmt(y0)}) scale({fmt(scale)})'
    common = dict(fill="none", stroke_linecap="round", stroke_linejoin="round")
    svg_add(f'<g transform="translate(0,{fmt(0.9 * scale)})">'
            f'<g transform="{transform}">{path(DIGITS[digit], stroke=highlight, stroke_width=width / scale, stroke_opacity=0.7, **common)}</g></g>')
    svg_add(f'<g transform="{transform}">{path(DIGITS[digit], stroke=ink, stroke_width=width / scale, **common)}</g>')


# ----- pieces -------------------------------------------------------------------------------

PIECE_W, PIECE_H = 62, 80
# The face spans board heights 24 to 76 of the piece and x 1 to 61, so that it covers the choice
# hit rectangle (x 0..62, heights 24..75) but for a hair at the shared borders of neighbours.
FACE_TOP, FACE_BOTTOM = PIECE_H - 76, PIECE_H - 24   # SVG y 4 .. 56
SIDE_BOTTOM = PIECE_H - 16                          # the tile's thickness shows below the face


def piece_body(svg, face_stops, side_stops, edge, key=""):
    """Shadow, thickness and face of a tile. key keeps gradient ids apart when one image holds
    several tiles."""
    # A soft contact shadow: stacked translucent slabs, wider and fainter outwards.
    for i, opacity in enumerate((0.12, 0.14, 0.18, 0.22)):
        svg.add(rect(1 + i, SIDE_BOTTOM - 3 + i, 61 - 2 * i, 9 - 2 * i, rx=4 - i * 0.5,
                     fill="#000000", fill_opacity=opacity))
    side = svg.gradient(key + "side", [(0, side_stops[0]), (1, side_stops[1])], 0, FACE_BOTTOM - 2, 0, SIDE_BOTTOM,
                        units="userSpaceOnUse")
    svg.add(rect(1, FACE_TOP, 60, SIDE_BOTTOM - FACE_TOP, rx=4.5, fill=side, stroke=edge, stroke_width=0.8))
    face = svg.gradient(key + "face", [(0, face_stops[0]), (0.55, face_stops[1]), (1, face_stops[2])],
                        0, FACE_TOP, 0, FACE_BOTTOM, units="userSpaceOnUse")
    svg.add(rect(1, FACE_TOP, 60, FACE_BOTTOM - FACE_TOP, rx=4.5, fill=face, stroke=edge, stroke_width=0.8))
    # Bevel: a light line along the top and left, a darker one along the bottom and right.
    svg.add(path(f"M3.2,{FACE_BOTTOM - 4} L3.2,{FACE_TOP + 5} Q3.2,{FACE_TOP + 2.2} 6,{FACE_TOP + 2.2} L56,{FACE_TOP + 2.2}",
                 fill="none", stroke="#ffffff", stroke_width=1.2, stroke_opacity=0.6, stroke_linecap="round"))
    svg.add(path(f"M58.8,{FACE_TOP + 5} L58.8,{FACE_BOTTOM - 5} Q58.8,{FACE_BOTTOM - 2.2} 56,{FACE_BOTTOM - 2.2} L6,{FACE_BOTTOM - 2.2}",
                 fill="none", stroke="#000000", stroke_width=1.2, stroke_opacity=0.16, stroke_linecap="round"))


def piece_gloss(svg, key=""):
    gloss = svg.gradient(key + "gloss", [(0, "#ffffff", 0.55), (1, "#ffffff", 0)], 0, FACE_TOP, 0, FACE_TOP + 20,
                         units="userSpaceOnUse")
    svg.add(path(f"M5,{FACE_TOP + 3} L57,{FACE_TOP + 3} Q58,{FACE_TOP + 3} 58,{FACE_TOP + 5} L58,{FACE_TOP + 13} "
                 f"Q31,{FACE_TOP + 21} 4,{FACE_TOP + 16} L4,{FACE_TOP + 5} Q4,{FACE_TOP + 3} 5,{FACE_TOP + 3} Z",
                 fill=gloss))


def lattice(cx, cy, w, h, step):
    """Diamond lattice lines clipped by hand to the rectangle centred on (cx, cy)."""
    x0, x1, y0, y1 = cx - w / 2, cx + w / 2, cy - h / 2, cy + h / 2
    segments = []
    for direction in (1, -1):
        c = -w - h
        while c <= w + h:
            # Line x - x0 = direction * (y - y0) + c, clipped to the box.
            points = []
            for y in (y0, y1):
                x = x0 + c + direction * (y - y0)
                if x0 <= x <= x1:
                    points.append((x, y))
            for x in (x0, x1):
                y = y0 + (x - x0 - c) / direction
                if y0 <= y <= y1:
                    points.append((x, y))
            points = sorted(set((round(px, 3), round(py, 3)) for px, py in points))
            if len(points) >= 2 and points[0] != points[-1]:
                (ax, ay), (bx, by) = points[0], points[-1]
                segments.append(f"M{fmt(ax)},{fmt(ay)} L{fmt(bx)},{fmt(by)}")
            c += step
    return " ".join(segments)


def draw_piece(svg, digit, golden, key=""):
    """A whole piece: a digit in ivory or gold, or, for digit None, the hidden back."""
    cy = (FACE_TOP + FACE_BOTTOM) / 2
    inner_frame = (5.5, FACE_TOP + 4.5, 51, FACE_BOTTOM - FACE_TOP - 9)
    if digit is None:
        piece_body(svg, OXBLOOD, ("#5a1118", "#2c0509"), "#2a0508", key)
        svg.add(rect(*inner_frame, rx=2.5, fill="none", stroke=BRASS, stroke_width=1.1))
        svg.add(path(lattice(31, cy, 45, 37, 7.5), fill="none", stroke=BRASS, stroke_width=0.7,
                     stroke_opacity=0.55))
        # A brass rosette in the middle.
        svg.add(circle(31, cy, 11.5, fill=OXBLOOD[2], stroke=BRASS, stroke_width=1.2))
        for k in range(4):
            svg.add(ellipse(0, -6.5, 3.4, 6.5, transform=f"translate(31,{fmt(cy)}) rotate({45 + 90 * k})",
                            fill=BRASS, stroke="#6b4612", stroke_width=0.6))
        svg.add(circle(31, cy, 3.2, fill=BRASS_LIGHT, stroke="#6b4612", stroke_width=0.6))
    elif golden:
        piece_body(svg, GOLD_FACE, GOLD_SIDE, "#7a5215", key)
        # A fine engraved frame marks the golden pieces apart from the ivory ones at a glance.
        svg.add(rect(*inner_frame, rx=2.5, fill="none", stroke="#9c6a1e", stroke_width=0.9, stroke_opacity=0.75))
        digit_strokes(svg.add, digit, 31, cy, 1.0, GOLD_INK, 4.6, "#fff6d8")
    else:
        piece_body(svg, IVORY_FACE, IVORY_SIDE, "#9d8a66", key)
        digit_strokes(svg.add, digit, 31, cy, 1.0, IVORY_INK, 4.6, "#ffffff")
    piece_gloss(svg, key)


def piece_image(name, digit, golden):
    svg = Svg(PIECE_W, PIECE_H)
    draw_piece(svg, digit, golden)
    svg.write(name)


# ----- OK button ----------------------------------------------------------------------------

BUTTON = 60
# The face spans 5..55 both ways, covering the button's rectangle (6..53 from its corner).


def ok_button(pressed):
    svg = Svg(BUTTON, BUTTON)
    drop = 1.5 if pressed else 0
    svg.add(rect(3, 5, 55, 54, rx=10, fill="#000000", fill_opacity=0.18 if pressed else 0.32))
    svg.add(rect(2.5, 2.5, 55, 55, rx=10, fill=svg.gradient("bezel", [(0, "#3b2412"), (1, "#1a0d05")]),
                 stroke="#000000", stroke_width=0.6, stroke_opacity=0.6))
    svg.add(rect(3.2, 3.2, 53.6, 53.6, rx=9.5, fill="none", stroke=BRASS, stroke_width=0.8, stroke_opacity=0.7))
    if pressed:
        stops = [(0, "#c48f34"), (0.6, "#b0802c"), (1, "#dcb35e")]
    else:
        stops = [(0, BRASS_LIGHT), (0.5, BRASS), (1, "#a8731f")]
    face = svg.gradient("face", stops, 0, 5, 0, 55, units="userSpaceOnUse")
    svg.add(rect(5, 5, 50, 50, rx=7, fill=face, stroke="#6b4612", stroke_width=0.8))
    if pressed:
        # Pressed in: the bezel's shadow falls on the top of the face.
        svg.add(path("M5.5,12 Q5.5,5.5 12,5.5 L48,5.5 Q54.5,5.5 54.5,12 L54.5,14 Q30,9 5.5,14 Z",
                     fill="#000000", fill_opacity=0.25))
    else:
        gloss = svg.gradient("gloss", [(0, "#ffffff", 0.7), (1, "#ffffff", 0)], 0, 6, 0, 28, units="userSpaceOnUse")
        svg.add(path("M12,7 L48,7 Q53,7 53,12 L53,20 Q30,30 7,20 L7,12 Q7,7 12,7 Z", fill=gloss))
    tick = f"M17.5,{fmt(30.5 + drop)} L26,{fmt(39 + drop)} L42.5,{fmt(21 + drop)}"
    common = dict(fill="none", stroke_linecap="round", stroke_linejoin="round")
    svg.add(path(tick, stroke="#fff4cc", stroke_width=6.5, stroke_opacity=0.55,
                 transform="translate(0,1.2)", **common))
    svg.add(path(tick, stroke="#173c30", stroke_width=6, **common))
    svg.write("OKBtnDown" if pressed else "OKBtnUp")


# ----- boards -------------------------------------------------------------------------------

W, H = 640, 480
RAIL = 8


def by(b):
    """SVG y of board height b on the 480-unit board."""
    return H - b


# The remaining-candidates corner: a slate well against the left rail, board x 8 to 150 and
# heights 50 to 94. Its texts start at x 12 (the caption's top at about 89, the count's bottom at
# 57), so it holds them with a margin of at least four units; the brass lines of the frame go round it.
CANDIDATES_BOX = (RAIL, 150, 50, 94)


def frame_line(inset, radius, box, gap):
    """The path of a brass frame line inset from the board's edge that leaves the left side to go
    round box (x0, x1, b0, b1), lying against the left rail, at gap from it: the line stays whole
    rather than being covered by the box."""
    d, r = inset, radius
    steps = [f"M{fmt(d + r)},{fmt(d)}", f"H{fmt(W - d - r)}", f"A{r},{r} 0 0 1 {fmt(W - d)},{fmt(d + r)}",
             f"V{fmt(H - d - r)}", f"A{r},{r} 0 0 1 {fmt(W - d - r)},{fmt(H - d)}",
             f"H{fmt(d + r)}", f"A{r},{r} 0 0 1 {fmt(d)},{fmt(H - d - r)}"]
    if box:
        _, x1, b0, b1 = box
        right, bottom, top = x1 + gap, by(b0) + gap, by(b1) - gap
        inner, outer = max(4.5 - gap, 1.5), 4.5 + gap   # corners at the line and round the box
        steps += [f"V{fmt(bottom + inner)}", f"A{fmt(inner)},{fmt(inner)} 0 0 1 {fmt(d + inner)},{fmt(bottom)}",
                  f"H{fmt(right - outer)}", f"A{fmt(outer)},{fmt(outer)} 0 0 0 {fmt(right)},{fmt(bottom - outer)}",
                  f"V{fmt(top + outer)}", f"A{fmt(outer)},{fmt(outer)} 0 0 0 {fmt(right - outer)},{fmt(top)}",
                  f"H{fmt(d + inner)}", f"A{fmt(inner)},{fmt(inner)} 0 0 1 {fmt(d)},{fmt(top - inner)}"]
    steps += [f"V{fmt(d + r)}", f"A{r},{r} 0 0 1 {fmt(d + r)},{fmt(d)}", "Z"]
    return " ".join(steps)


def table(svg, rng, box=None):
    """Walnut rails round a green baize, with a brass line along the inside; a box given (x0, x1,
    b0, b1) is a slate well against the left rail that the brass lines go round."""
    rail_stops = [(0, WALNUT[0]), (0.5, WALNUT[1]), (1, WALNUT[2])]
    top = svg.gradient("railTop", rail_stops, 0, 0, 0, RAIL, units="userSpaceOnUse")
    bottom = svg.gradient("railBottom", rail_stops, 0, H - RAIL, 0, H, units="userSpaceOnUse")
    left = svg.gradient("railLeft", rail_stops, 0, 0, RAIL, 0, units="userSpaceOnUse")
    right = svg.gradient("railRight", rail_stops, W - RAIL, 0, W, 0, units="userSpaceOnUse")
    svg.add(path(polygon([(0, 0), (W, 0), (W - RAIL, RAIL), (RAIL, RAIL)]), fill=top))
    svg.add(path(polygon([(0, H), (W, H), (W - RAIL, H - RAIL), (RAIL, H - RAIL)]), fill=bottom))
    svg.add(path(polygon([(0, 0), (RAIL, RAIL), (RAIL, H - RAIL), (0, H)]), fill=left))
    svg.add(path(polygon([(W, 0), (W - RAIL, RAIL), (W - RAIL, H - RAIL), (W, H)]), fill=right))
    # Grain: long wavering lines along each rail.
    grain = []
    for _ in range(14):
        y = rng.uniform(1, RAIL - 1)
        grain.append(wavy_line(rng, 0, y, W, y, horizontal=True))
        y = rng.uniform(H - RAIL + 1, H - 1)
        grain.append(wavy_line(rng, 0, y, W, y, horizontal=True))
        x = rng.uniform(1, RAIL - 1)
        grain.append(wavy_line(rng, x, RAIL, x, H - RAIL, horizontal=False))
        x = rng.uniform(W - RAIL + 1, W - 1)
        grain.append(wavy_line(rng, x, RAIL, x, H - RAIL, horizontal=False))
    svg.add(path(" ".join(grain), fill="none", stroke="#1a0c04", stroke_width=0.5, stroke_opacity=0.35))
    svg.add(rect(0.5, 0.5, W - 1, H - 1, fill="none", stroke="#000000", stroke_width=1, stroke_opacity=0.6))

    felt = svg.radial("felt", [(0, FELT_CENTRE), (0.65, "#113b33"), (1, FELT_EDGE)], 320, 250, 430)
    svg.add(rect(RAIL, RAIL, W - 2 * RAIL, H - 2 * RAIL, fill=felt))
    if box:
        x0, x1, b0, b1 = box
        svg.add(rect(x0 - 6, by(b1), x1 - x0 + 6, b1 - b0, rx=5, fill=slate(svg)))
        svg.add(rect(x0 - 6, by(b1) + 0.8, x1 - x0 + 5.5, b1 - b0 - 1.3, rx=4.5, fill="none",
                     stroke="#000000", stroke_width=1.2, stroke_opacity=0.35))
        svg.add(path(f"M{fmt(x0)},{fmt(by(b0) + 0.4)} L{fmt(x1 - 5)},{fmt(by(b0) + 0.4)}", fill="none",
                     stroke="#ffffff", stroke_width=0.8, stroke_opacity=0.18, stroke_linecap="round"))
    # The rail's shadow on the cloth.
    for i, opacity in enumerate((0.45, 0.28, 0.16, 0.08)):
        svg.add(rect(RAIL + 0.5 + i, RAIL + 0.5 + i, W - 2 * RAIL - 1 - 2 * i, H - 2 * RAIL - 1 - 2 * i,
                     fill="none", stroke="#000000", stroke_width=1, stroke_opacity=opacity))
    if box:
        svg.add(path(frame_line(15, 6, box, 0.5), fill="none", stroke=BRASS, stroke_width=1, stroke_opacity=0.5))
        svg.add(path(frame_line(18, 4, box, 3.5), fill="none", stroke=BRASS, stroke_width=0.5, stroke_opacity=0.25))
    else:
        svg.add(rect(15, 15, W - 30, H - 30, rx=6, fill="none", stroke=BRASS, stroke_width=1, stroke_opacity=0.5))
        svg.add(rect(18, 18, W - 36, H - 36, rx=4, fill="none", stroke=BRASS, stroke_width=0.5, stroke_opacity=0.25))


def wavy_line(rng, x0, y0, x1, y1, horizontal):
    steps = 8
    d = [f"M{fmt(x0)},{fmt(y0)}"]
    for i in range(1, steps + 1):
        t = i / steps
        x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
        wobble = rng.uniform(-0.8, 0.8)
        if horizontal:
            d.append(f"Q{fmt(x - (x1 - x0) / steps / 2)},{fmt(y + wobble)} {fmt(x)},{fmt(y)}")
        else:
            d.append(f"Q{fmt(x + wobble)},{fmt(y - (y1 - y0) / steps / 2)} {fmt(x)},{fmt(y)}")
    return " ".join(d)


def recess(svg, x, b_bottom, w, h, rx, opacity=0.45, fill=None):
    """A shallow well cut into the baize: darker inside, shaded at the top, lit at the bottom.
    A fill given hides what lies under the well (the brass line along the baize)."""
    y = by(b_bottom + h)
    if fill:
        svg.add(rect(x, y, w, h, rx=rx, fill=fill))
    else:
        svg.add(rect(x, y, w, h, rx=rx, fill="#000000", fill_opacity=opacity))
    svg.add(rect(x + 0.5, y + 0.8, w - 1, h - 1.3, rx=max(rx - 0.5, 0), fill="none",
                 stroke="#000000", stroke_width=1.2, stroke_opacity=0.35))
    svg.add(path(f"M{fmt(x + rx)},{fmt(y + h + 0.4)} L{fmt(x + w - rx)},{fmt(y + h + 0.4)}",
                 fill="none", stroke="#ffffff", stroke_width=0.8, stroke_opacity=0.18, stroke_linecap="round"))


def rack(svg, b_row, tray, x0=158, x1=426):
    """The wooden ledge a row of four pieces stands on, with a tray behind the pieces when tray is
    set; b_row is the pieces' origin."""
    ledge_top = b_row + 16        # the pieces' thickness ends here
    if tray:
        recess(svg, x0 + 4, ledge_top, x1 - x0 - 8, 70, 6, opacity=0.3)
        svg.add(rect(x0 + 4.5, by(ledge_top + 70) + 0.5, x1 - x0 - 9, 69, rx=5.5, fill="none",
                     stroke=BRASS, stroke_width=0.6, stroke_opacity=0.35))
    wood = svg.gradient(f"ledge{b_row}", [(0, "#8a5630"), (0.35, WALNUT[0]), (1, WALNUT[2])],
                        0, by(ledge_top + 1), 0, by(ledge_top - 13), units="userSpaceOnUse")
    svg.add(rect(x0, by(ledge_top + 1) + 3, x1 - x0, 13, rx=3, fill="#000000", fill_opacity=0.35))
    svg.add(rect(x0, by(ledge_top + 1), x1 - x0, 13, rx=3, fill=wood, stroke="#1a0c04", stroke_width=0.7))
    svg.add(path(f"M{x0 + 3},{fmt(by(ledge_top + 1) + 1)} L{x1 - 3},{fmt(by(ledge_top + 1) + 1)}",
                 fill="none", stroke="#d9a36a", stroke_width=0.8, stroke_opacity=0.6))
    # Brass studs at the ends of the ledge.
    for x in (x0 + 6, x1 - 6):
        stud = svg.radial(f"stud{b_row}{x}", [(0, BRASS_LIGHT), (0.6, BRASS), (1, BRASS_DARK)],
                          x - 1, by(ledge_top - 5.5) - 1, 3.5)
        svg.add(circle(x, by(ledge_top - 5.5), 2.6, fill=stud, stroke="#3a2408", stroke_width=0.5))


def hit_icon(svg, cx, b, r):
    """The mark for hits: a solid brass disc with a bright centre, like a struck target."""
    svg.add(circle(cx, by(b), r, fill=BRASS, stroke="#3a2408", stroke_width=0.6))
    svg.add(circle(cx, by(b), r * 0.42, fill=BRASS_LIGHT))


def blow_icon(svg, cx, b, r):
    """The mark for blows: an open brass ring."""
    svg.add(circle(cx, by(b), r - 0.9, fill="none", stroke=BRASS, stroke_width=1.8))


def mini_tile(svg, cx, b, face, edge):
    svg.add(rect(cx - 4.5, by(b + 6), 9, 12, rx=1.6, fill=face, stroke=edge, stroke_width=0.6))


def slate(svg):
    """The dark inlay of the panels that carry texts."""
    if not any('id="slate"' in d for d in svg.defs):
        svg.gradient("slate", [(0, "#0a2923"), (1, "#061a16")], 0, 0, 0, H, units="userSpaceOnUse")
    return "url(#slate)"


def record_panel(svg, x, b_bottom, w, icons):
    """A dark panel for one side's record columns, with a row of marks over the columns."""
    h = 470 - b_bottom
    recess(svg, x, b_bottom, w, h, 6, fill=slate(svg))
    svg.add(rect(x + 0.5, by(470) + 0.5, w - 1, h - 1, rx=5.5, fill="none", stroke=BRASS,
                 stroke_width=0.6, stroke_opacity=0.35))
    svg.add(path(f"M{x + 6},{fmt(by(453))} L{x + w - 6},{fmt(by(453))}", fill="none", stroke=BRASS,
                 stroke_width=0.6, stroke_opacity=0.45))
    for kind, cx in icons:
        if kind == "mac":
            mini_tile(svg, cx, 461.5, OXBLOOD[1], BRASS)
        elif kind == "user":
            mini_tile(svg, cx, 461.5, IVORY_FACE[1], "#9d8a66")
        elif kind == "hit":
            hit_icon(svg, cx, 461.5, 4.2)
        else:
            blow_icon(svg, cx, 461.5, 4.2)


def flourish(svg, cx, cy, sx, sy):
    """A brass corner ornament: two curls meeting at the corner; sx, sy mirror it."""
    d = ("M0,0 C10,0 22,4 28,12 C32,17 30,24 24,24 C19,24 18,18 22,16 "
         "M0,0 C0,10 4,22 12,28 C17,32 24,30 24,24")
    svg.add(f'<g transform="translate({fmt(cx)},{fmt(cy)}) scale({sx},{sy})">'
            f'{path(d, fill="none", stroke=BRASS, stroke_width=1.1, stroke_opacity=0.55, stroke_linecap="round")}'
            f'{circle(0, 0, 2.2, fill=BRASS, fill_opacity=0.7)}</g>')


def rosette(svg, cx, cy, r, opacity):
    """A large faint compass rose in the cloth, under the title and the choice pieces."""
    d = []
    for k in range(16):
        a = math.radians(k * 22.5)
        length = r if k % 2 == 0 else r * 0.62
        tip = (cx + length * math.sin(a), cy - length * math.cos(a))
        side = math.radians(k * 22.5 + 90)
        half = r * 0.06
        base1 = (cx + half * math.sin(side), cy - half * math.cos(side))
        base2 = (cx - half * math.sin(side), cy + half * math.cos(side))
        d.append(polygon([base1, tip, base2]))
    svg.add(path(" ".join(d), fill="#ffffff", fill_opacity=opacity))
    for rr, w in ((r * 1.04, 1.2), (r * 0.72, 0.7), (r * 0.3, 0.7)):
        svg.add(circle(cx, cy, rr, fill="none", stroke="#ffffff", stroke_width=w, stroke_opacity=opacity * 1.6))


def board(name, playing):
    rng = random.Random(7)
    svg = Svg(W, H)
    table(svg, rng, CANDIDATES_BOX if playing else None)
    if playing:
        record_panel(svg, 13, 170, 122, [("mac", 38), ("hit", 79), ("blow", 104)])
        record_panel(svg, 476, 30, 151, [("user", 514), ("hit", 576), ("blow", 613)])
        rack(svg, 360, tray=True)
        # Wells for the four digits of a guess and for the two counts, with their marks.
        for k in range(4):
            recess(svg, 168 + 68 * k, 186, 48, 60, 6)
        recess(svg, 207, 259, 46, 46, 6)
        recess(svg, 275, 259, 46, 46, 6)
        hit_icon(svg, 230, 313, 4.8)
        blow_icon(svg, 298, 313, 4.8)
        # The message line's strip: dark enough for its red warning to read as well as the white.
        recess(svg, 150, 146, 284, 28, 6, fill=slate(svg))
        svg.add(rect(150.5, by(174) + 0.5, 283, 27, rx=5.5, fill="none", stroke=BRASS, stroke_width=0.6,
                     stroke_opacity=0.35))
        # A brass seat under the OK button.
        recess(svg, 331, 254, 68, 68, 12, opacity=0.35)
    else:
        rosette(svg, 320, by(300), 150, 0.035)
        flourish(svg, 24, 24, 1, 1)
        flourish(svg, W - 24, 24, -1, 1)
        flourish(svg, 24, H - 24, 1, -1)
        flourish(svg, W - 24, H - 24, -1, -1)
    # On the title and choosing screens the ledge stands bare: the title's message line, as long
    # as its translation makes it, lies just above it.
    rack(svg, 50, tray=playing)
    svg.write(name)


# ----- title emblem -------------------------------------------------------------------------

LOGO_W, LOGO_H = 364, 300


def logo():
    svg = Svg(LOGO_W, LOGO_H)
    cx, cy = LOGO_W / 2, 128
    # Rays of light behind the medallion.
    rays = []
    for k in range(32):
        a0 = math.radians(k * 360 / 32 - 2.4)
        a1 = math.radians(k * 360 / 32 + 2.4)
        r = 124 if k % 2 == 0 else 110
        rays.append(polygon([(cx, cy), (cx + r * math.cos(a0), cy + r * math.sin(a0)),
                             (cx + r * math.cos(a1), cy + r * math.sin(a1))]))
    glow = svg.radial("rays", [(0, BRASS_LIGHT, 0.6), (0.7, BRASS, 0.3), (1, BRASS, 0)], cx, cy, 124)
    svg.add(path(" ".join(rays), fill=glow))
    # The medallion: a brass rim round a target of rings.
    svg.add(circle(cx, cy + 5, 100, fill="#000000", fill_opacity=0.35))
    rim = svg.gradient("rim", [(0, BRASS_LIGHT), (0.5, BRASS), (1, BRASS_DARK)], 0, cy - 98, 0, cy + 98,
                       units="userSpaceOnUse")
    svg.add(circle(cx, cy, 98, fill=rim, stroke="#4a300a", stroke_width=1))
    inner = svg.radial("inner", [(0, "#1f5e4e"), (1, "#061c17")], cx, cy - 20, 95)
    svg.add(circle(cx, cy, 89, fill=inner, stroke="#4a300a", stroke_width=1))
    ticks = []
    for k in range(60):
        a = math.radians(k * 6)
        r0 = 80 if k % 5 == 0 else 83
        ticks.append(f"M{fmt(cx + r0 * math.cos(a))},{fmt(cy + r0 * math.sin(a))} "
                     f"L{fmt(cx + 87 * math.cos(a))},{fmt(cy + 87 * math.sin(a))}")
    svg.add(path(" ".join(ticks[0::5]), stroke=BRASS, stroke_width=1.4, stroke_opacity=0.85))
    svg.add(path(" ".join(t for i, t in enumerate(ticks) if i % 5), stroke=BRASS, stroke_width=0.7,
                 stroke_opacity=0.8))
    for r, colour in ((70, IVORY_FACE[1]), (57, OXBLOOD[1]), (44, IVORY_FACE[1]), (31, OXBLOOD[1])):
        svg.add(circle(cx, cy, r, fill=colour, stroke="#2a1a08", stroke_width=0.8))
    svg.add(circle(cx, cy, 17, fill=svg.radial("bull", [(0, BRASS_LIGHT), (0.7, BRASS), (1, BRASS_DARK)],
                                                 cx - 5, cy - 5, 19), stroke="#3a2408", stroke_width=1))
    svg.add(circle(cx - 5, cy - 6, 4.5, fill="#ffffff", fill_opacity=0.6))
    # An open ring sitting on the target off centre: the near miss beside the hit.
    bx, bcy = cx + 50 * math.cos(math.radians(-40)), cy + 50 * math.sin(math.radians(-40))
    svg.add(circle(bx, bcy + 2, 9.5, fill="none", stroke="#000000", stroke_width=4.5, stroke_opacity=0.35))
    svg.add(circle(bx, bcy, 9.5, fill="none", stroke=BRASS_LIGHT, stroke_width=4.5))
    svg.add(circle(bx, bcy, 9.5, fill="none", stroke=BRASS_DARK, stroke_width=0.8))
    # Sheen over the medallion's upper half.
    sheen = svg.gradient("sheen", [(0, "#ffffff", 0.28), (1, "#ffffff", 0)], 0, cy - 89, 0, cy, units="userSpaceOnUse")
    k = 0.5523 * 86
    svg.add(path(f"M{fmt(cx - 86)},{fmt(cy)} C{fmt(cx - 86)},{fmt(cy - k)} {fmt(cx - k)},{fmt(cy - 86)} {fmt(cx)},{fmt(cy - 86)} "
                 f"C{fmt(cx + k)},{fmt(cy - 86)} {fmt(cx + 86)},{fmt(cy - k)} {fmt(cx + 86)},{fmt(cy)} "
                 f"Q{fmt(cx)},{fmt(cy - 40)} {fmt(cx - 86)},{fmt(cy)} Z", fill=sheen))
    # Four pieces fanned in front of it: two hidden, two turned up. The fan stays above the
    # emblem's lowest few units, where the title screen's message line stands.
    scale = 1.12
    pivot = (cx, 700)
    for angle, digit in ((-16, None), (-5.5, 3), (5.5, 7), (16, None)):
        svg.add(f'<g transform="rotate({fmt(angle)},{fmt(pivot[0])},{fmt(pivot[1])}) '
                f'translate({fmt(cx - 31 * scale)},186) scale({fmt(scale)})">')
        draw_piece(svg, digit, golden=True, key=f"fan{len(svg.defs)}")
        svg.add("</g>")
    svg.write("HitBlowLogo")


def main():
    os.makedirs(OUT, exist_ok=True)
    for d in range(10):
        piece_image(f"Piece{d}", d, golden=False)
        piece_image(f"Piece{d}B", d, golden=True)
    piece_image("PieceBack", None, golden=False)
    ok_button(pressed=False)
    ok_button(pressed=True)
    board("GameBoardB", playing=False)
    board("GameBoard", playing=True)
    logo()


if __name__ == "__main__":
    main()
