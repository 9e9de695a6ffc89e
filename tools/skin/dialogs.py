"""Backgrounds of the skinned dialogs. Each holds the frames of the controls its dialog lays on it; titles,
labels and button captions are drawn by the program."""
import math

import paint as p
import theme as t
import widgets as wd


def _frame(w, h, header=30):
    img = p.canvas(w, h, t.PANEL + (255,))
    p.paint(img, p.rect_mask(w, h, 0, 0, w, h), p.radial_gradient(w, h, (24, 26, 31), (14, 15, 18), w * 0.4, h * 0.3, w, h))
    p.paint(img, p.rect_mask(w, h, 0, 0, w, header), p.vgradient(w, h, t.TITLE_TOP, t.TITLE_BOTTOM))
    p.paint(img, p.rect_mask(w, h, 0, header, w, header + 1), (0, 0, 0, 255))
    p.paint(img, p.rect_mask(w, h, 0, 0, w, 2), p.hgradient(w, h, t.ACCENT, t.ACCENT_DEEP))
    p.paint(img, p.outline(p.rect_mask(w, h, 0, 0, w, h), 1), t.BORDER_HIGH + (255,))
    return img


def _well(img, x0, y0, x1, y1, radius=3, border=None):
    """A recessed frame one pixel outside a control's rectangle."""
    w, h = p.size_of(img)
    m = p.rect_mask(w, h, x0 - 1, y0 - 1, x1 + 1, y1 + 1, radius)
    p.paint(img, m, p.vgradient(w, h, (7, 8, 10), (13, 14, 17)))
    p.paint(img, p.outline(m, 1), (border or t.BORDER) + (255,))


def _footer(img, y):
    w, h = p.size_of(img)
    p.paint(img, p.rect_mask(w, h, 12, y, w - 12, y + 1), t.BORDER_SOFT + (255,))


def _keycap(img, x, y, size, accent=False):
    w, h = p.size_of(img)
    m = p.rect_mask(w, h, x, y, x + size, y + size, 7)
    p.paint(img, p.blur(p.shift(m, 0, 4), 4), (0, 0, 0, 180))
    p.paint(img, m, p.vgradient(w, h, (48, 51, 60), (24, 26, 31)))
    top = p.rect_mask(w, h, x + 5, y + 4, x + size - 5, y + size - 9, 5)
    p.paint(img, top, p.vgradient(w, h, (62, 66, 76), (40, 43, 51)))
    p.paint(img, p.outline(m, 1), (10, 11, 13, 255))
    p.paint(img, p.rect_mask(w, h, x + size * 0.3, y + size - 7, x + size * 0.7, y + size - 5, 1),
            (t.ACCENT_HIGH if accent else t.GLYPH) + (255,))


def _plus(img, cx, cy, r=5, color=t.ACCENT_HIGH):
    w, h = p.size_of(img)
    p.paint(img, p.union(p.rect_mask(w, h, cx - r, cy - 0.9, cx + r, cy + 0.9, 0.8),
                         p.rect_mask(w, h, cx - 0.9, cy - r, cx + 0.9, cy + r, 0.8)), color + (255,))


def single_key(w=384, h=290):
    img = _frame(w, h)
    m = p.rect_mask(w, h, 72, 127, 152, 145, 3)
    p.paint(img, m, (250, 250, 252, 255))
    p.paint(img, p.outline(m, 1), t.ACCENT + (255,))
    _keycap(img, 236, 82, 84, accent=True)
    _footer(img, 238)
    return img


def combo_key(w=384, h=290):
    img = _frame(w, h)
    _well(img, 50, 70, 132, 84)
    p.paint(img, wd.chevron_mask(w, h, 124, 77, 3, "down", 1.3), t.GLYPH + (255,))
    _well(img, 50, 120, 131, 134)
    _well(img, 50, 170, 131, 184)
    _plus(img, 91, 102)
    _plus(img, 91, 152)
    _keycap(img, 200, 66, 56)
    _plus(img, 270, 94, 6)
    _keycap(img, 284, 66, 56, accent=True)
    _keycap(img, 242, 140, 56)
    _footer(img, 238)
    return img


def _repeat_icon(img, cx, cy, r):
    """Two chasing arrows on a ring: a macro that plays again."""
    w, h = p.size_of(img)
    for start, colour in ((20, t.ACCENT_HIGH), (200, t.GLYPH)):
        p.paint(img, p.ring_mask(w, h, cx, cy, r, r - 3, start, start + 140), colour + (255,))
        a = math.radians(start + 140)
        tip = (cx + (r - 1.5) * math.cos(a + 0.35), cy + (r - 1.5) * math.sin(a + 0.35))
        p.paint(img, p.polygon_mask(w, h, [tip, (cx + (r + 4) * math.cos(a), cy + (r + 4) * math.sin(a)),
                                           (cx + (r - 7) * math.cos(a), cy + (r - 7) * math.sin(a))]), colour + (255,))


def macro_key(w=400, h=296):
    img = _frame(w, h)
    _repeat_icon(img, 96, 72, 20)
    _well(img, 42, 128, 151, 144)
    p.paint(img, p.rect_mask(w, h, 136, 129, 137, 143), t.BORDER + (255,))
    p.paint(img, wd.chevron_mask(w, h, 143.5, 136, 3, "down", 1.3), t.GLYPH + (255,))
    p.paint(img, p.rect_mask(w, h, 200, 56, 201, 220), t.BORDER_SOFT + (255,))
    _footer(img, 238)
    return img


def macro_manager(w=492, h=436):
    img = _frame(w, h, header=50)
    for x0, x1 in ((21, 130), (153, 262)):
        _well(img, x0, 82, x1, 353, 2)
    group = p.rect_mask(w, h, 282, 82, 398, 354, 4)
    p.paint(img, group, (255, 255, 255, 7))
    p.paint(img, p.outline(group, 1), t.BORDER_SOFT + (255,))
    for x0, x1 in ((16, 134), (148, 266), (279, 397)):
        p.paint(img, p.rect_mask(w, h, x0, 78, x0 + 24, 79), t.ACCENT + (255,))
    _well(img, 298, 333, 379, 345, 2)
    p.paint(img, p.rect_mask(w, h, 290, 300, 390, 301), t.BORDER_SOFT + (255,))
    _footer(img, 360)
    return img


def profile_manager(w=263, h=598):
    img = p.canvas(w, h, (18, 19, 23, 255))
    p.paint(img, p.rect_mask(w, h, 0, 0, w, 31), p.vgradient(w, h, t.TITLE_TOP, t.TITLE_BOTTOM))
    p.paint(img, p.rect_mask(w, h, 0, 0, w, 2), p.hgradient(w, h, t.ACCENT, t.ACCENT_DEEP))
    p.paint(img, p.rect_mask(w, h, 0, 30, w, 31), (0, 0, 0, 255))
    p.paint(img, p.rect_mask(w, h, 0, 31, w, 575), (40, 40, 40, 255))
    p.paint(img, p.rect_mask(w, h, 0, 575, w, h), p.vgradient(w, h, (34, 37, 44), (22, 24, 29)))
    p.paint(img, p.rect_mask(w, h, 0, 575, w, 576), t.ACCENT + (255,))
    p.paint(img, p.outline(p.rect_mask(w, h, 0, 0, w, h), 1), t.BORDER_HIGH + (255,))
    return img


def new_profile_icon(size=12):
    img = p.canvas(size, size)
    disc = p.ellipse_mask(size, size, size / 2, size / 2, size / 2 - 0.3)
    p.paint(img, disc, t.ACCENT + (255,))
    c = size / 2
    p.paint(img, p.union(p.rect_mask(size, size, c - 3, c - 0.7, c + 3, c + 0.7),
                         p.rect_mask(size, size, c - 0.7, c - 3, c + 0.7, c + 3)), (255, 255, 255, 255))
    return img


def help_window(w=384, h=290):
    img = _frame(w, h, header=0)
    for y0, y1 in ((0, 25), (50, 77)):
        chip = p.rect_mask(w, h, 3, y0 + 3, 163, y1 - 2, 4)
        p.paint(img, chip, p.vgradient(w, h, (222, 224, 229), (188, 192, 200)))
        p.paint(img, p.outline(chip, 1), (120, 126, 138, 255))
    p.paint(img, p.rect_mask(w, h, 3, 25, 163, 26.2), t.ACCENT + (255,))
    _keycap(img, 230, 70, 72, accent=True)
    p.paint(img, p.text_mask(w, h, "?", p.font("sans-bold", 34), 266, 102), t.GLYPH_HIGH + (255,))
    _footer(img, 238)
    return img
