"""The main window: its background, the brand marks, the section title bars and the panel backgrounds.
Column and middle backgrounds are cut from the finished window background so that repainting a column
is seamless."""
import math

import paint as p
import theme as t
import widgets as wd

LEFT_CARD = (12, 36, 270, 598)
RIGHT_CARD = (728, 32, 998, 598)
SCROLL_TRACK = (984, 32, 991, 595)
MID_STAGE_CENTRE = (540, 250)


def _card(img, box, radius=6):
    w, h = p.size_of(img)
    x0, y0, x1, y1 = box
    m = p.rect_mask(w, h, x0, y0, x1, y1, radius)
    p.paint(img, p.blur(p.shift(m, 0, 3), 6), (0, 0, 0, 150))
    p.paint(img, m, p.vgradient(w, h, t.PANEL, t.PANEL_LOW))
    p.paint(img, p.outline(m, 1), t.BORDER_SOFT + (255,))
    p.paint(img, p.subtract(p.rect_mask(w, h, x0 + 1, y0 + 1, x1 - 1, y1 - 1, radius - 1),
                            p.rect_mask(w, h, x0 + 1, y0 + 2, x1 - 1, y1 - 1, radius - 1)), (255, 255, 255, 14))


def main_background(width, height):
    img = p.radial_gradient(width, height, (20, 22, 27), t.WINDOW_LOW, *MID_STAGE_CENTRE, 560, 420, power=1.3)
    # the stage behind the mouse: a faint warm light
    p.paint(img, p.blur(p.ellipse_mask(width, height, MID_STAGE_CENTRE[0], 236, 190, 150), 60), (120, 20, 30, 40))
    # a faint floor line, fading at both ends, that the view switch stands on
    line = p.rect_mask(width, height, 290, 508, 710, 509)
    fade = p.blur(p.ellipse_mask(width, height, 500, 508, 180, 10), 40)
    p.paint(img, p.intersect(line, fade), (130, 136, 150, 150))
    p.paint(img, p.blur(p.ellipse_mask(width, height, 500, 512, 110, 4), 8), t.ACCENT + (50,))
    _card(img, LEFT_CARD)
    _card(img, RIGHT_CARD, 4)
    # title bar
    p.paint(img, p.rect_mask(width, height, 0, 0, width, 32), _band(width, height, 0, 32))
    p.paint(img, p.rect_mask(width, height, 0, 31, width, 32), (0, 0, 0, 255))
    p.paint(img, p.rect_mask(width, height, 0, 0, width, 1), (255, 255, 255, 22))
    p.paint(img, p.rect_mask(width, height, 30, 30, 262, 32), p.hgradient(width, height, t.ACCENT, t.ACCENT_DEEP))
    # bottom bar
    p.paint(img, p.rect_mask(width, height, 0, 600, width, height), _band(width, height, 600, height, True))
    p.paint(img, p.rect_mask(width, height, 0, 600, width, 601), (0, 0, 0, 255))
    p.paint(img, p.rect_mask(width, height, 0, 601, width, 602), (255, 255, 255, 16))
    # scroll track of the right column
    x0, y0, x1, y1 = SCROLL_TRACK
    track = p.rect_mask(width, height, x0, y0 + 1, x1 + 1, y1, 3.5)
    p.paint(img, track, (5, 6, 8, 255))
    p.paint(img, p.outline(track, 1), (36, 39, 47, 255))
    # window frame
    p.paint(img, p.outline(p.rect_mask(width, height, 0, 0, width, height), 1), (48, 52, 62, 255))
    return img


def _band(width, height, y0, y1, flipped=False):
    top, bottom = (t.TITLE_BOTTOM, (13, 14, 17)) if flipped else (t.TITLE_TOP, t.TITLE_BOTTOM)
    band = p.canvas(width, height)
    p.paste(band, p.vgradient(width, y1 - y0, top, bottom), (0, y0))
    return band


def logo():
    """Brand mark for the title bar's web link area: a red emblem and the maker's name."""
    w, h = 232, 32
    img = p.canvas(w, h)
    emblem = p.polygon_mask(w, h, [(2, 8), (9, 8), (14, 19), (19, 8), (26, 8), (16.5, 25), (11.5, 25)])
    p.paint(img, p.blur(emblem, 3), t.ACCENT + (120,))
    p.paint(img, emblem, p.vgradient(w, h, t.ACCENT_HIGH, t.ACCENT_LOW))
    p.paint(img, p.text_mask(w, h, "VELMARK", p.font("narrow-bold-italic", 17), 74, 16.5, spacing=2.2),
            (232, 234, 238, 255))
    p.paint(img, p.rect_mask(w, h, 126, 11, 127, 22), t.BORDER_HIGH + (255,))
    p.paint(img, p.text_mask(w, h, "GAMING GEAR", p.font("narrow-bold", 10), 171, 16.5, spacing=1.6), t.INK_DIM + (255,))
    return img


def model_badge():
    """The product's name above the left column's sections."""
    w, h = 242, 60
    img = p.canvas(w, h)
    p.paint(img, p.text_mask(w, h, "QUENDAR", p.font("narrow-bold-italic", 30), 88, 27, spacing=2.5),
            p.vgradient(w, h, (246, 247, 250), (150, 156, 168)))
    p.paint(img, p.text_mask(w, h, "2017", p.font("narrow-bold-italic", 30), 196, 27, spacing=1.5),
            p.vgradient(w, h, t.ACCENT_HIGH, t.ACCENT_LOW))
    p.paint(img, p.rect_mask(w, h, 12, 47, 230, 48), p.hgradient(w, h, t.ACCENT, (0, 0, 0)))
    p.paint(img, p.rect_mask(w, h, 12, 50, 120, 51), (255, 255, 255, 26))
    return img


def section_title(w=242, h=20):
    """Title row of a collapsible section; the caption is drawn by the program from x + 10."""
    img = p.canvas(w, h)
    body = p.rect_mask(w, h, 0, 0, w, h, 3)
    p.paint(img, body, p.vgradient(w, h, (34, 37, 44), (24, 26, 31)))
    p.paint(img, p.outline(body, 1), t.BORDER + (255,))
    p.paint(img, p.subtract(p.rect_mask(w, h, 1, 1, w - 1, h, 2), p.rect_mask(w, h, 1, 2, w - 1, h, 2)), (255, 255, 255, 22))
    p.paint(img, p.rect_mask(w, h, 1, 4, 3.5, h - 4, 1), t.ACCENT + (255,))
    p.paint(img, wd.chevron_mask(w, h, w - 12, h / 2, 3.2, "down", 1.4), t.GLYPH + (255,))
    return img


def macro_manager_title(w=242, h=38):
    """The taller Macro Manager row: it opens a dialog, so it carries an arrow instead of a fold mark."""
    img = p.canvas(w, h)
    body = p.rect_mask(w, h, 0, 0, w, h, 4)
    p.paint(img, body, p.vgradient(w, h, (38, 41, 49), (24, 26, 31)))
    p.paint(img, p.outline(body, 1), t.BORDER + (255,))
    p.paint(img, p.subtract(p.rect_mask(w, h, 1, 1, w - 1, h, 3), p.rect_mask(w, h, 1, 2, w - 1, h, 3)), (255, 255, 255, 26))
    p.paint(img, p.rect_mask(w, h, 1, 6, 3.5, h - 6, 1), t.ACCENT + (255,))
    plate = p.rect_mask(w, h, w - 30, 9, w - 10, h - 9, 4)
    p.paint(img, plate, (16, 17, 21, 255))
    p.paint(img, p.outline(plate, 1), t.BORDER_HIGH + (255,))
    p.paint(img, wd.chevron_mask(w, h, w - 20, h / 2, 3.6, "right", 1.6), t.ACCENT_HIGH + (255,))
    return img


def panel_base(w, h):
    """Background of a section's panel: a recessed plate under its title row."""
    img = p.canvas(w, h)
    plate = p.rect_mask(w, h, 0, 0, w, h - 1, 3)
    p.paint(img, plate, p.vgradient(w, h, (15, 16, 20), (18, 20, 24)))
    p.paint(img, p.outline(plate, 1), t.BORDER_SOFT + (255,))
    p.paint(img, p.rect_mask(w, h, 1, 0, w - 1, 3), (0, 0, 0, 90))
    return img


def hairline(img, x0, y, x1, alpha=255):
    w, h = p.size_of(img)
    p.paint(img, p.rect_mask(w, h, x0, y, x1, y + 1), t.BORDER_SOFT + (alpha,))


def assignment_panel(rows, w=242, h=176):
    """Rows of the Button Assignment panel: a groove per row, the label area on the left is the program's."""
    img = panel_base(w, h)
    for r in range(7):
        y = 27 + 20 * r
        if r < rows:
            hairline(img, 8, y + 18, 234, 110)
    return img


def sensitivity_panel(w=242, h=151):
    img = panel_base(w, h)
    hairline(img, 12, 78, 230, 140)
    return img


def cpi_panel(w=242, h=232):
    img = panel_base(w, h)
    digits = p.font("condensed-bold", 10)
    for i in range(7):
        x = 11 + 35 * i
        column = p.rect_mask(w, h, x - 8, 2, x + 17, 228, 3)
        p.paint(img, column, (255, 255, 255, 6))
        p.paint(img, p.text_mask(w, h, str(i + 1), digits, x + 4.5, 7), t.INK_DIM + (255,))
        for k in range(0, 9):
            y = 13 + 4 + k * 18
            p.paint(img, p.rect_mask(w, h, x + 11, y, x + 14, y + 1), t.BORDER_HIGH + (200,))
        p.paint(img, p.rect_mask(w, h, x + 4, 161, x + 5, 181), t.BORDER + (255,))
        frame = p.rect_mask(w, h, x - 4, 211, x + 10, 225, 2)
        p.paint(img, p.outline(frame, 1), t.BORDER_HIGH + (255,))
    return img


def lighting_panel(w=242, h=112):
    img = panel_base(w, h)
    for r in range(3):
        y = 20 + 29 * r
        for value in range(1, 7):
            # a tick under the middle of the slider band a click maps to this value
            band = (0, 4) if value == 1 else (4 + 30 * (value - 2), min(128, 4 + 30 * (value - 1)))
            x = 100 + (band[0] + band[1]) // 2
            p.paint(img, p.rect_mask(w, h, x, y + 9.5, x + 1, y + 12), t.BORDER_HIGH + (200,))
        if r:
            hairline(img, 8, y - 6, 234, 90)
    return img


def report_rate_panel(w=242, h=138):
    img = panel_base(w, h)
    cx, cy = w // 2, 69
    p.paint(img, p.blur(p.ellipse_mask(w, h, cx, cy, 66), 6), (0, 0, 0, 200))
    p.paint(img, p.outline(p.ellipse_mask(w, h, cx, cy, 66.5), 1), t.BORDER_SOFT + (255,))
    return img


def pointer_speed_panel(w=242, h=110):
    img = panel_base(w, h)
    cx, cy = w // 2, 91
    for k in range(11):
        a = math.radians(18 * k)
        r0, r1 = 73, 77 if k % 5 else 80
        p.paint(img, p.polyline_mask(w, h, [(cx + r0 * math.cos(a), cy - r0 * math.sin(a)),
                                            (cx + r1 * math.cos(a), cy - r1 * math.sin(a))], 1.2),
                (t.ACCENT if k in (0, 10) else t.BORDER_HIGH) + (255,))
    return img


def scroll_speed_panel(w=242, h=72):
    img = panel_base(w, h)
    spinner = p.rect_mask(w, h, 188, 13, 202, 31, 2.5)
    p.paint(img, spinner, p.vgradient(w, h, (36, 39, 46), (22, 24, 29)))
    p.paint(img, p.outline(spinner, 1), t.BORDER_HIGH + (255,))
    p.paint(img, p.rect_mask(w, h, 189, 22, 201, 23), (0, 0, 0, 255))
    p.paint(img, p.polygon_mask(w, h, [(195, 15.5), (199, 20.5), (191, 20.5)]), t.GLYPH_HIGH + (255,))
    p.paint(img, p.polygon_mask(w, h, [(195, 28.5), (199, 23.5), (191, 23.5)]), t.GLYPH_HIGH + (255,))
    hairline(img, 8, 39, 234, 90)
    return img


def light_button_panel(w=242, h=40):
    img = panel_base(w, h)
    p.paint(img, p.rect_mask(w, h, 120, 10, 121, 30), t.BORDER + (255,))
    return img


def angle_snap_panel(w=242, h=40):
    """Next to the switch: a shaky stroke and the straight line angle snapping makes of it."""
    img = panel_base(w, h)
    wave = [(52 + k, 20 + 3.2 * math.sin(k / 4.5)) for k in range(0, 61, 2)]
    p.paint(img, p.polyline_mask(w, h, wave, 1.2), t.BORDER_HIGH + (255,))
    p.paint(img, p.polyline_mask(w, h, [(52, 20), (112, 20)], 1.4), t.ACCENT + (230,))
    return img


def value_box(w=30, h=10):
    return wd.field(w, h, 3, t.BORDER_SOFT, p.vgradient(w, h, (6, 7, 9), (14, 15, 18)))


def scroll_thumb(w=8, h=114):
    img = p.canvas(w, h)
    bar = p.rect_mask(w, h, 0.5, 0, w - 0.5, h, 3.5)
    p.paint(img, bar, p.hgradient(w, h, t.ACCENT_HIGH, t.ACCENT_LOW))
    p.paint(img, p.outline(bar, 1), (255, 110, 118, 255))
    for k in (-4, 0, 4):
        p.paint(img, p.rect_mask(w, h, 2, h / 2 + k - 0.5, w - 2, h / 2 + k + 0.5), (90, 8, 16, 255))
    return img
