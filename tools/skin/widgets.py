"""Controls of the skin: push buttons, title-bar buttons, switches, tick boxes, dropdown boxes, sliders and
dials. No captions: the program draws every caption itself in the skin's text colour."""
import math

import paint as p
import theme as t


def push_button(w, h, state, kind="plain"):
    """A rounded push button. kind: plain, primary (red); state: normal, over."""
    img = p.canvas(w, h)
    body = p.rect_mask(w, h, 0.5, 0.5, w - 0.5, h - 0.5, 4)
    if kind == "primary":
        top, bottom = (t.ACCENT_HIGH, t.ACCENT_LOW) if state == "over" else (t.ACCENT, (128, 16, 27))
        border = (255, 120, 128) if state == "over" else (178, 26, 40)
    else:
        top, bottom = ((50, 54, 63), (30, 32, 38)) if state == "over" else ((38, 41, 48), (24, 26, 31))
        border = t.ACCENT if state == "over" else t.BORDER_HIGH
    p.paint(img, body, p.vgradient(w, h, top, bottom))
    p.paint(img, p.outline(body, 1), border + (255,))
    inner = p.rect_mask(w, h, 1.5, 1.5, w - 1.5, h - 1.5, 3)
    p.paint(img, p.subtract(inner, p.shift(inner, 0, 1)), (255, 255, 255, 60 if kind == "primary" else 30))
    if state == "over" and kind != "primary":
        p.paint(img, p.rect_mask(w, h, 6, h - 3, w - 6, h - 1.5, 1), t.ACCENT + (255,))
    return img


def title_button(glyph, state, size=18):
    """Help, hide and close buttons of title bars: a glyph that lights on a round plate when pointed at."""
    img = p.canvas(size, size)
    c = size / 2
    if state == "over":
        plate = p.ellipse_mask(size, size, c, c, c - 0.5)
        p.paint(img, plate, (t.ACCENT if glyph == "close" else (58, 62, 72)) + (255,))
        ink = (255, 255, 255, 255)
    else:
        p.paint(img, p.outline(p.ellipse_mask(size, size, c, c, c - 0.5), 1), t.BORDER + (255,))
        ink = t.GLYPH + (255,)
    if glyph == "close":
        d = size * 0.2
        m = p.union(p.polyline_mask(size, size, [(c - d, c - d), (c + d, c + d)], 1.6),
                    p.polyline_mask(size, size, [(c + d, c - d), (c - d, c + d)], 1.6))
    elif glyph == "hide":
        m = p.rect_mask(size, size, c - size * 0.22, c - 0.8, c + size * 0.22, c + 0.8, 0.8)
    else:
        m = p.text_mask(size, size, "?", p.font("sans-bold", round(size * 0.62)), c, c + 0.5)
    p.paint(img, m, ink)
    return img


def led_switch(w, h, on):
    """The small round switch of stage enables, effects and the light button: a lit red LED or a dark socket."""
    img = p.canvas(w, h)
    cx, cy, r = w / 2, h / 2, min(w, h) / 2 - 0.3
    socket = p.ellipse_mask(w, h, cx, cy, r)
    p.paint(img, socket, p.vgradient(w, h, (8, 9, 11), (30, 32, 38)))
    p.paint(img, p.outline(socket, 1), (78, 83, 95, 255) if not on else (255, 110, 118, 255))
    if on:
        core = p.ellipse_mask(w, h, cx, cy, r - 1.4)
        p.paint(img, core, p.radial_gradient(w, h, (255, 150, 156), t.ACCENT, cx - 0.8, cy - 1, r, r))
    return img


def radio(size, on):
    img = p.canvas(size, size)
    c = size / 2
    ring = p.ellipse_mask(size, size, c, c, c - 0.5)
    p.paint(img, ring, p.vgradient(size, size, (10, 11, 13), (28, 30, 36)))
    p.paint(img, p.outline(ring, 1), (t.ACCENT_HIGH if on else t.BORDER_HIGH) + (255,))
    if on:
        p.paint(img, p.ellipse_mask(size, size, c, c, c * 0.45), t.ACCENT_HIGH + (255,))
    return img


def tick_box(size, ticked):
    img = p.canvas(size, size)
    box = p.rect_mask(size, size, 0.5, 0.5, size - 0.5, size - 0.5, 2.5)
    if ticked:
        p.paint(img, box, p.vgradient(size, size, t.ACCENT_HIGH, t.ACCENT_LOW))
        p.paint(img, p.outline(box, 1), (255, 120, 128, 255))
        k = size / 16
        check = [(4.2 * k, 8.4 * k), (6.8 * k, 11 * k), (12 * k, 5.2 * k)]
        p.paint(img, p.polyline_mask(size, size, check, 1.9 * k), (255, 255, 255, 255))
    else:
        p.paint(img, box, p.vgradient(size, size, (9, 10, 12), (24, 26, 31)))
        p.paint(img, p.outline(box, 1), t.BORDER_HIGH + (255,))
    return img


def chevron_mask(w, h, cx, cy, size, direction, width=1.5):
    s = size
    if direction == "down":
        pts = [(cx - s, cy - s / 2), (cx, cy + s / 2), (cx + s, cy - s / 2)]
    elif direction == "up":
        pts = [(cx - s, cy + s / 2), (cx, cy - s / 2), (cx + s, cy + s / 2)]
    else:  # right
        pts = [(cx - s / 2, cy - s), (cx + s / 2, cy), (cx - s / 2, cy + s)]
    return p.polyline_mask(w, h, pts, width)


def field(w, h, radius=2.5, border=None, fill=None):
    img = p.canvas(w, h)
    box = p.rect_mask(w, h, 0.5, 0.5, w - 0.5, h - 0.5, radius)
    p.paint(img, box, fill or p.vgradient(w, h, (8, 9, 11), (15, 16, 20)))
    p.paint(img, p.outline(box, 1), (border or t.BORDER) + (255,))
    return img


def dropdown(w, h, state):
    """Dropdown box of a button row: normal, over (pointed at) or leave (its list is open)."""
    border = {"normal": t.BORDER, "over": t.ACCENT, "leave": t.ACCENT_HIGH}[state]
    fill = p.vgradient(w, h, (24, 26, 31), (14, 15, 18)) if state == "normal" else \
        p.vgradient(w, h, (34, 30, 35), (20, 18, 22))
    img = field(w, h, 3, border, fill)
    p.paint(img, p.rect_mask(w, h, w - 17, 3, w - 16, h - 3), t.BORDER + (255,))
    ink = t.GLYPH if state == "normal" else t.ACCENT_HIGH
    p.paint(img, chevron_mask(w, h, w - 8.5, h / 2, 3, "up" if state == "leave" else "down", 1.4), ink + (255,))
    return img


def _groove(img, mask):
    w, h = p.size_of(img)
    p.paint(img, mask, (6, 7, 9, 255))
    p.paint(img, p.outline(mask, 1), (44, 47, 56, 255))


def hslider(w, h, fill_to):
    """Horizontal slider, filled from the left to fill_to pixels, with its knob at the fill's end."""
    img = p.canvas(w, h)
    th = max(3.0, h * 0.45)
    y0, y1 = (h - th) / 2, (h + th) / 2
    _groove(img, p.rect_mask(w, h, 0.5, y0, w - 0.5, y1, th / 2))
    fill_to = max(h / 2, min(w, fill_to))
    bar = p.rect_mask(w, h, 0.5, y0, fill_to, y1, th / 2)
    p.paint(img, bar, p.hgradient(w, h, t.ACCENT_LOW, t.ACCENT_HIGH))
    # The knob ends where the fill ends, on the last pixel a click maps to this value; at the narrow first
    # band it is cut by the slider's start rather than pushed into the next value's pixels.
    kx = fill_to - h / 2
    knob = p.ellipse_mask(w, h, kx, h / 2, h / 2 - 0.3)
    p.paint(img, knob, p.vgradient(w, h, (246, 246, 248), (170, 174, 184)))
    p.paint(img, p.ellipse_mask(w, h, kx, h / 2, h / 2 * 0.38), t.ACCENT + (255,))
    return img


def vslider(w, h, fill_height):
    """Vertical CPI stage slider filled from the bottom; a bright cap marks the level."""
    img = p.canvas(w, h)
    x0, x1 = 1.5, w - 1.5
    _groove(img, p.rect_mask(w, h, x0, 0, x1, h, 3))
    top = h - fill_height
    bar = p.rect_mask(w, h, x0, top, x1, h, 3)
    p.paint(img, bar, p.vgradient(w, h, t.ACCENT_HIGH, t.ACCENT_DEEP))
    # the cap lies inside the fill so that its top row is the highest row a click maps to this level
    p.paint(img, p.rect_mask(w, h, 0, top, w, min(h, top + 3), 1.2), (244, 244, 247, 255))
    return img


def _arc_ring(w, h, cx, cy, r_out, r_in, a0, a1):
    """Ring segment between mathematical angles a0 < a1 (degrees, counter-clockwise from east)."""
    return p.ring_mask(w, h, cx, cy, r_out, r_in, 360 - a1, 360 - a0)


def report_rate_dial(rate):
    """128 x 128 dial: four quadrant keys (1000 upper right, 125 upper left, 250 lower left, 500 lower right);
    the chosen one is lit and the needle points into it; the hub shows the chosen rate."""
    w = h = 128
    c = 64
    img = p.canvas(w, h)
    quadrants = {1000: 0, 125: 90, 250: 180, 500: 270}
    face = p.ellipse_mask(w, h, c, c, 63.5)
    p.paint(img, face, p.radial_gradient(w, h, (24, 26, 31), (12, 13, 16), c, c - 20, 70, 70))
    p.paint(img, p.outline(face, 1), t.BORDER + (255,))
    label_font = p.font("condensed-bold", 11)
    for value, a0 in quadrants.items():
        seg = _arc_ring(w, h, c, c, 61, 37, a0 + 4, a0 + 86)
        on = value == rate
        if on:
            p.paint(img, p.blur(seg, 3), t.ACCENT + (170,))
            p.paint(img, seg, p.radial_gradient(w, h, t.ACCENT_HIGH, t.ACCENT_LOW, c, c, 64, 64))
        else:
            p.paint(img, seg, p.vgradient(w, h, (36, 39, 46), (26, 28, 33)))
        p.paint(img, p.outline(seg, 1), ((255, 128, 136) if on else (52, 56, 66)) + (255,))
        mid = math.radians(a0 + 45)
        lx, ly = c + 49 * math.cos(mid), c - 49 * math.sin(mid)
        p.paint(img, p.text_mask(w, h, str(value), label_font, lx, ly), (255, 255, 255, 255) if on else (150, 156, 168, 255))
    hub = p.ellipse_mask(w, h, c, c, 30)
    p.paint(img, hub, p.vgradient(w, h, (30, 33, 39), (15, 16, 19)))
    p.paint(img, p.outline(hub, 1), (58, 62, 72, 255))
    a = math.radians(quadrants[rate] + 45)
    tip = (c + 34 * math.cos(a), c - 34 * math.sin(a))
    base_l = (c + 25 * math.cos(a + 0.22), c - 25 * math.sin(a + 0.22))
    base_r = (c + 25 * math.cos(a - 0.22), c - 25 * math.sin(a - 0.22))
    p.paint(img, p.polygon_mask(w, h, [tip, base_l, base_r]), t.ACCENT_HIGH + (255,))
    p.paint(img, p.text_mask(w, h, str(rate), p.font("arial-bold", 16), c, c - 3), (236, 238, 242, 255))
    p.paint(img, p.text_mask(w, h, "Hz", p.font("sans", 9), c, c + 11), (120, 126, 138, 255))
    return img


def speed_angle(level):
    """Where a click that gives this level lands on the half dial (degrees, 0 right .. 180 left)."""
    if level >= 12:
        return 0.0
    if level <= 1:
        return 180.0
    return 18.0 * (11 - level) + 9.0


def speed_dial(level):
    """142 x 83 half dial (centre 71, 71): ten segments of 18 degrees, lit from the slow end up to the level;
    the needle points where a click for this level lands."""
    w, h = 142, 83
    cx, cy = 71, 71
    img = p.canvas(w, h)
    lit_to = speed_angle(level)
    for k in range(10):
        a0, a1 = 18 * k, 18 * (k + 1)
        seg = _arc_ring(w, h, cx, cy, 69, 47, a0 + 1.2, a1 - 1.2)
        on = a1 > lit_to or level >= 12
        if level <= 1:
            on = False
        if on:
            strength = 0.45 + 0.55 * (1 - a0 / 180)
            p.paint(img, seg, p.mix(t.ACCENT_DEEP, t.ACCENT_HIGH, strength) + (255,))
        else:
            p.paint(img, seg, (30, 32, 38, 255))
            p.paint(img, p.outline(seg, 1), (44, 47, 56, 255))
    a = math.radians(lit_to)
    tip = (cx + 52 * math.cos(a), cy - 52 * math.sin(a))
    side = math.radians(90)
    base_l = (cx + 4 * math.cos(a + side), cy - 4 * math.sin(a + side))
    base_r = (cx + 4 * math.cos(a - side), cy - 4 * math.sin(a - side))
    p.paint(img, p.blur(p.polygon_mask(w, h, [tip, base_l, base_r]), 2), (0, 0, 0, 160))
    p.paint(img, p.polygon_mask(w, h, [tip, base_l, base_r]), (240, 240, 244, 255))
    hub = p.ellipse_mask(w, h, cx, cy, 8)
    p.paint(img, hub, p.vgradient(w, h, (70, 74, 84), (26, 28, 33)))
    p.paint(img, p.ellipse_mask(w, h, cx, cy, 3), t.ACCENT_HIGH + (255,))
    return img


def toggle_switch(w, h, on):
    img = p.canvas(w, h)
    track = p.rect_mask(w, h, 0.5, 0.5, w - 0.5, h - 0.5, h / 2)
    p.paint(img, track, p.vgradient(w, h, t.ACCENT, t.ACCENT_LOW) if on else p.vgradient(w, h, (10, 11, 13), (26, 28, 33)))
    p.paint(img, p.outline(track, 1), ((255, 110, 118) if on else t.BORDER_HIGH) + (255,))
    kx = w - h / 2 if on else h / 2
    p.paint(img, p.ellipse_mask(w, h, kx, h / 2, h / 2 - 2), p.vgradient(w, h, (246, 246, 248), (168, 172, 182)))
    return img
