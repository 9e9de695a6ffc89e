"""The two illustrations of the twelve-button mouse (top view: Buttons 1-7, side view: Buttons 8-12) and
their overlays. Every illustration is rendered once with no button lit and once per lit button; an overlay
is exactly the pixels that lighting its button changes, opaque there and transparent elsewhere, so the
program can light a button by drawing its "over" image and put it out by drawing its "normal" image, in any
order, without repainting the picture."""
import paint as p
import theme as t

BADGE_RADIUS = 10


class Scene:
    """One illustration: the picture's place in the main window and the parts that light up per button."""

    def __init__(self, origin, size, background):
        self.ox, self.oy = origin
        self.w, self.h = size
        self.background = background  # opaque crop of the main window under the picture
        self.parts = []  # (button, draw(img, lit)) in painting order
        self._unlit_before = None  # the unlit picture before each part, once rendered

    def local(self, x, y):
        return x - self.ox, y - self.oy

    def add(self, button, fn):
        self.parts.append((button, fn))

    def render(self, lit=None):
        if self._unlit_before is None:
            img = self.background.copy()
            self._unlit_before = []
            for _, fn in self.parts:
                self._unlit_before.append(img.copy())
                fn(img, False)
            self._unlit_before.append(img)
        if lit is None:
            return self._unlit_before[-1].copy()
        # Everything before the lit button's first part is drawn exactly as in the unlit picture.
        first = next(i for i, (button, _) in enumerate(self.parts) if button == lit)
        img = self._unlit_before[first].copy()
        for button, fn in self.parts[first:]:
            fn(img, button == lit)
        return img


def _shade_button(img, mask, lit, top, bottom, sheen=None):
    """A button surface: gradient, top highlight; lit, a red wash with a bright rim. sheen: (x, y, rx, ry) of
    a soft reflection of the room light on the surface."""
    w, h = p.size_of(img)
    p.paint(img, mask, p.vgradient(w, h, top, bottom))
    if sheen:
        glow = p.radial_gradient(w, h, (255, 255, 255, 40), (255, 255, 255, 0), *sheen)
        p.paint(img, mask, glow)
    if lit:
        p.paint(img, mask, p.vgradient(w, h, t.ACCENT + (200,), t.ACCENT_LOW + (215,)))
        p.paint(img, p.outline(mask, 1), t.ACCENT_HIGH + (255,))
        p.paint(img, p.subtract(mask, p.shift(mask, 0, 2)), (255, 200, 200, 150))
    else:
        p.bevel(img, mask, light=(255, 255, 255, 34), dark=(0, 0, 0, 70))


def _badge(scene, x, y, number, leader=None):
    """A numbered callout: a small disc with the button number and a thin leader ending in a dot."""
    def draw(img, on):
        w, h = p.size_of(img)
        bx, by = scene.local(x, y)
        if leader:
            pts = [scene.local(*q) for q in leader]
            line_color = t.ACCENT_HIGH + (255,) if on else (74, 79, 90, 255)
            p.paint(img, p.polyline_mask(w, h, pts, 1.2), line_color)
            ex, ey = pts[-1]
            p.paint(img, p.ellipse_mask(w, h, ex, ey, 2.6), t.ACCENT_HIGH + (255,) if on else (118, 124, 136, 255))
        disc = p.ellipse_mask(w, h, bx, by, BADGE_RADIUS)
        if on:
            p.paint(img, disc, p.vgradient(w, h, t.ACCENT_HIGH, t.ACCENT_LOW))
            p.paint(img, p.outline(disc, 1), (255, 140, 146, 255))
            ink = (255, 255, 255, 255)
        else:
            p.paint(img, disc, p.vgradient(w, h, (34, 37, 44), (20, 22, 26)))
            p.paint(img, p.outline(disc, 1), (74, 79, 90, 255))
            ink = (176, 182, 194, 255)
        p.paint(img, p.text_mask(w, h, str(number), p.font("condensed-bold", 11), bx, by + 0.5), ink)
    return draw


def _body_shadow(img, body, dy, strength):
    p.paint(img, p.blur(p.shift(body, 0, dy), 7), (0, 0, 0, strength))


def _cable(img, pts, width=5.0):
    w, h = p.size_of(img)
    p.paint(img, p.polyline_mask(w, h, pts, width + 2), (4, 4, 6, 255))
    p.paint(img, p.polyline_mask(w, h, pts, width), (38, 40, 46, 255))
    p.paint(img, p.polyline_mask(w, h, pts, width * 0.35), (70, 74, 84, 200))


# --------------------------------------------------------------------------------------------------- top view
TOP_CX = 552


def _top_outline(scene):
    half = [(0, 98), (30, 100), (52, 106), (68, 118), (78, 138), (84, 166), (85, 200), (82, 232), (80, 262),
            (83, 296), (88, 332), (89, 366), (84, 396), (70, 416), (46, 428), (0, 432)]
    right = [(TOP_CX + dx, y) for dx, y in half[1:-1]]
    left = [(TOP_CX - dx, y) for dx, y in reversed(half[1:-1])]
    pts = [(TOP_CX, half[0][1])] + right + [(TOP_CX, half[-1][1])] + left
    return [scene.local(x, y) for x, y in p.catmull_rom(pts, samples=10)]


def build_top(background):
    """Top view at (361, 48): the mouse centred at x 552, callouts 1, 4, 6 on the left, 2, 3, 5, 7 right."""
    s = Scene((361, 48), (360, 400), background)
    w, h = s.w, s.h
    L = s.local
    body = p.polygon_mask(w, h, _top_outline(s))
    cx = TOP_CX - s.ox

    def split_y(dx):
        return 300 - 14 * (dx / 80.0) ** 2

    # buttons: body inset by the side skirts, above the split arc, split in two at the centre line
    inner = p.polygon_mask(w, h, [(cx + (x - cx) * 0.9, y + 2) for x, y in _top_outline(s)])
    arc = [L(TOP_CX + dx, split_y(dx)) for dx in range(-100, 101, 5)]
    above = p.polygon_mask(w, h, [(arc[0][0], 0), (arc[-1][0], 0)] + list(reversed(arc)))
    channel = p.rect_mask(w, h, cx - 15, 166 - s.oy, cx + 15, 292 - s.oy, 9)
    shell = p.subtract(p.intersect(inner, above), channel)
    left_half = p.rect_mask(w, h, 0, 0, cx - 1, h)
    right_half = p.rect_mask(w, h, cx + 1, 0, w, h)
    left_button = p.intersect(shell, left_half)
    right_button = p.intersect(shell, right_half)
    wheel = p.rect_mask(w, h, cx - 9, 174 - s.oy, cx + 9, 228 - s.oy, 8)
    chevron_left = p.polygon_mask(w, h, [L(523, 204), L(532, 197.5), L(532, 210.5)])
    chevron_right = p.polygon_mask(w, h, [L(581, 204), L(572, 197.5), L(572, 210.5)])
    cpi_up = p.rect_mask(w, h, cx - 7, 240 - s.oy, cx + 7, 256 - s.oy, 4)
    cpi_down = p.rect_mask(w, h, cx - 7, 266 - s.oy, cx + 7, 282 - s.oy, 4)

    def draw_body(img, _):
        _cable(img, [L(*q) for q in [(552, 100), (552, 80), (556, 62), (566, 48)]])
        relief = p.rect_mask(w, h, cx - 4, 88 - s.oy, cx + 4, 101 - s.oy, 2.5)
        p.paint(img, relief, p.hgradient(w, h, (54, 57, 66), (18, 19, 23)))
        _body_shadow(img, body, 10, 200)
        p.paint(img, body, p.radial_gradient(w, h, t.MOUSE_SKIRT, t.MOUSE_SKIRT_LOW, cx, 230 - s.oy, 120, 260))
        p.paint(img, body, p.radial_gradient(w, h, (255, 255, 255, 20), (255, 255, 255, 0), cx - 10, 360 - s.oy, 70, 60))
        p.paint(img, p.outline(body, 1), (70, 75, 86, 255))
        # light from the upper left catches the shell's left edge
        rim = p.subtract(body, p.shift(body, 2, 1))
        p.paint(img, p.intersect(rim, p.rect_mask(w, h, 0, 0, cx, h)), (170, 176, 190, 90))
        # rubber side grips: fine diagonal ribs on both skirts
        ribs = p.shape_mask(w, h, lambda d, sc: [d.line([(x * sc, y * sc), ((x + 10) * sc, (y + 10) * sc)],
                                                        fill=255, width=sc)
                                                 for x in (cx - 92, cx + 76) for y in range(206 - s.oy, 330 - s.oy, 5)])
        p.paint(img, p.intersect(ribs, p.subtract(body, inner)), (0, 0, 0, 90))
        p.paint(img, channel, p.vgradient(w, h, (7, 8, 10), (14, 15, 18)))
        p.paint(img, p.outline(channel, 1), (0, 0, 0, 255))
        # palm light: a red chevron strip with a soft glow
        strip = p.polyline_mask(w, h, [L(TOP_CX - 34, 368), L(TOP_CX, 386), L(TOP_CX + 34, 368)], 3.0)
        p.paint(img, p.intersect(p.blur(strip, 4), body), t.ACCENT + (140,))
        p.paint(img, strip, t.ACCENT_HIGH + (255,))
        seam = p.polyline_mask(w, h, arc, 1.4, round_caps=False)
        p.paint(img, p.intersect(seam, inner), t.MOUSE_SEAM + (255,))

    def draw_button(mask, sheen_x):
        return lambda img, lit: _shade_button(img, mask, lit, t.MOUSE_SHELL, t.MOUSE_SHELL_LOW,
                                              (sheen_x, 150 - s.oy, 40, 70))

    def draw_wheel(img, lit):
        _shade_button(img, wheel, lit, (64, 68, 78), (30, 32, 38))
        ridges = p.shape_mask(w, h, lambda d, sc: [d.line([((cx - 9) * sc, yy * sc), ((cx + 9) * sc, yy * sc)],
                                                          fill=255, width=sc) for yy in range(178 - s.oy, 226 - s.oy, 4)])
        p.paint(img, p.intersect(ridges, wheel), (0, 0, 0, 110) if not lit else (90, 0, 10, 120))

    def draw_chevron(mask):
        return lambda img, lit: p.paint(img, mask, t.ACCENT_HIGH + (255,) if lit else (96, 102, 114, 255))

    def draw_cpi(mask, plus):
        def fn(img, lit):
            _shade_button(img, mask, lit, (58, 62, 72), (32, 34, 40))
            y = (248 if plus else 274) - s.oy
            mark = p.rect_mask(w, h, cx - 3.5, y - 0.6, cx + 3.5, y + 0.6)
            if plus:
                mark = p.union(mark, p.rect_mask(w, h, cx - 0.6, y - 3.5, cx + 0.6, y + 3.5))
            p.paint(img, mark, (255, 255, 255, 255) if lit else (150, 156, 168, 255))
        return fn

    s.add(None, draw_body)
    s.add(1, draw_button(left_button, cx - 40))
    s.add(2, draw_button(right_button, cx + 34))
    s.add(None, lambda img, _: p.paint(img, p.intersect(p.rect_mask(w, h, cx - 0.8, 0, cx + 0.8, 166 - s.oy),
                                                         inner), t.MOUSE_SEAM + (255,)))
    s.add(3, draw_wheel)
    s.add(4, draw_chevron(chevron_left))
    s.add(5, draw_chevron(chevron_right))
    s.add(6, draw_cpi(cpi_up, True))
    s.add(7, draw_cpi(cpi_down, False))
    left_x, right_x = 386, 700
    s.add(1, _badge(s, left_x, 140, 1, [(left_x + 10, 140), (504, 140)]))
    s.add(4, _badge(s, left_x, 204, 4, [(left_x + 10, 204), (521, 204)]))
    s.add(6, _badge(s, left_x, 248, 6, [(left_x + 10, 248), (543, 248)]))
    s.add(2, _badge(s, right_x, 140, 2, [(right_x - 10, 140), (600, 140)]))
    s.add(3, _badge(s, right_x, 178, 3, [(right_x - 10, 178), (561, 178)]))
    s.add(5, _badge(s, right_x, 204, 5, [(right_x - 10, 204), (583, 204)]))
    s.add(7, _badge(s, right_x, 276, 7, [(right_x - 10, 276), (561, 276)]))
    return s


# -------------------------------------------------------------------------------------------------- side view
SIDE_UPPER = {8: (515, 555), 10: (561, 601), 11: (607, 647)}
SIDE_LOWER = {9: (537, 577), 12: (583, 623)}
SIDE_UPPER_Y, SIDE_LOWER_Y = (246, 276), (282, 314)


def _side_outline(scene):
    pts = [(364, 322), (372, 298), (390, 276), (420, 256), (462, 238), (510, 224), (560, 213), (606, 207),
           (646, 208), (680, 218), (706, 238), (721, 266), (726, 298), (722, 324), (708, 338), (690, 343),
           (600, 344), (480, 344), (400, 343), (374, 338)]
    return [scene.local(x, y) for x, y in p.catmull_rom(pts, samples=10)]


def build_side(background):
    """Side view at (295, 150): the left flank, nose to the left, five thumb buttons in two staggered rows
    (8 10 11 above, 9 12 below), and the main buttons' shell (Button 1) and the wheel (Button 3) in profile."""
    s = Scene((295, 150), (434, 240), background)
    w, h = s.w, s.h
    L = s.local
    outline = _side_outline(s)
    body = p.polygon_mask(w, h, outline)
    lowered = p.shift(body, 0, 24)
    shell = p.intersect(p.subtract(body, lowered),
                        p.polygon_mask(w, h, [L(330, 150), L(596, 150), L(676, 262), L(330, 360)]))
    wheel = p.subtract(p.ellipse_mask(w, h, *L(438, 240), 14, 9), body)
    grip = p.rect_mask(w, h, *L(505, 236), *L(657, 324), 12)

    def draw_body(img, _):
        _cable(img, [L(*q) for q in [(366, 322), (346, 326), (322, 336), (300, 352), (295, 356)]])
        p.paint(img, p.blur(p.rect_mask(w, h, *L(380, 340), *L(712, 350), 4), 6), (0, 0, 0, 220))
        p.paint(img, body, p.vgradient(w, h, t.MOUSE_SKIRT, t.MOUSE_SKIRT_LOW))
        p.paint(img, body, p.radial_gradient(w, h, (255, 255, 255, 22), (255, 255, 255, 0), *L(560, 236), 170, 40))
        p.paint(img, p.outline(body, 1), (70, 75, 86, 255))
        # rim light along the back of the hump
        rim = p.intersect(p.subtract(body, p.shift(body, -2, 2)), p.rect_mask(w, h, *L(560, 150), *L(730, 300)))
        p.paint(img, rim, (150, 156, 170, 120))
        p.paint(img, grip, p.vgradient(w, h, (18, 19, 23), (12, 13, 15)))
        ribs = p.shape_mask(w, h, lambda d, sc: [d.line([(x * sc, (236 - s.oy) * sc), ((x - 40) * sc, (324 - s.oy) * sc)],
                                                        fill=255, width=sc) for x in range(0, w + 60, 5)])
        p.paint(img, p.intersect(ribs, grip), (40, 43, 50, 120))
        p.paint(img, p.outline(grip, 1), (0, 0, 0, 200))
        # skates and the lower light strip
        for x0, x1 in ((404, 470), (630, 700)):
            p.paint(img, p.rect_mask(w, h, *L(x0, 343), *L(x1, 346), 1.5), (96, 100, 110, 255))
        strip = p.polyline_mask(w, h, [L(400, 332), L(520, 336), L(690, 334)], 2.0)
        p.paint(img, p.intersect(p.blur(strip, 3), body), t.ACCENT + (120,))
        p.paint(img, strip, t.ACCENT_HIGH + (235,))

    def draw_shell(img, lit):
        _shade_button(img, shell, lit, t.MOUSE_SHELL, t.MOUSE_SHELL_LOW, (*L(540, 222), 120, 24))
        p.paint(img, p.intersect(p.subtract(p.shift(shell, 0, 1), shell), body), t.MOUSE_SEAM + (255,))

    def draw_wheel(img, lit):
        _shade_button(img, wheel, lit, (70, 74, 84), (34, 36, 42))
        treads = p.shape_mask(w, h, lambda d, sc: [d.line([(x * sc, 0), (x * sc, h * sc)], fill=255, width=sc)
                                                   for x in range(0, w, 4)])
        p.paint(img, p.intersect(treads, wheel), (0, 0, 0, 90) if not lit else (90, 0, 10, 110))

    def draw_thumb(x0, x1, y0, y1):
        mask = p.rect_mask(w, h, *L(x0, y0), *L(x1, y1), 6)
        return lambda img, lit: (_shade_button(img, mask, lit, (58, 62, 72), (30, 32, 38)),
                                 p.paint(img, p.outline(mask, 1), (0, 0, 0, 0) if lit else (6, 7, 9, 255)))

    s.add(None, draw_body)
    s.add(1, draw_shell)
    s.add(3, draw_wheel)
    for b, (x0, x1) in SIDE_UPPER.items():
        s.add(b, draw_thumb(x0, x1, *SIDE_UPPER_Y))
    for b, (x0, x1) in SIDE_LOWER.items():
        s.add(b, draw_thumb(x0, x1, *SIDE_LOWER_Y))
    for b, (x0, x1) in SIDE_UPPER.items():
        mid = (x0 + x1) / 2
        s.add(b, _badge(s, mid, 166, b, [(mid, 176), (mid, SIDE_UPPER_Y[0] + 4)]))
    for b, (x0, x1) in SIDE_LOWER.items():
        mid = (x0 + x1) / 2
        s.add(b, _badge(s, mid, 364, b, [(mid, 354), (mid, SIDE_LOWER_Y[1] - 4)]))
    return s


# ---------------------------------------------------------------------------------------------- the overlays
def _strength(a, b):
    from PIL import ImageChops
    diff = ImageChops.difference(a, b).convert("RGB").split()
    return list(ImageChops.add(ImageChops.add(diff[0], diff[1]), diff[2]).getdata())


def overlays(scene, claims):
    """claims: {overlay key: (button, (x0, y0), accept(x, y) or None)} in main-window coordinates.
    Returns {overlay key: (normal image, over image)}, each spanning from its top-left to the picture's
    bottom-right corner. A pixel that several lit buttons change goes to the button that changes it most;
    a button's pixels go to the first of its overlays whose top-left is above and left of them and whose
    accept test passes. Raises if a changed pixel has no overlay to go to. Ownership is decided per device
    pixel; claims and accept tests see the logical pixel it belongs to, so a 2x overlay splits where its
    1x overlay does."""
    normal = scene.render(None)
    buttons = sorted({c[0] for c in claims.values()})
    lit = {b: scene.render(b) for b in buttons}
    strength = {b: _strength(normal, lit[b]) for b in buttons}
    s = p.current_scale()
    w, h = normal.size
    owner = [None] * (w * h)
    best = [0] * (w * h)
    for b in buttons:
        sb = strength[b]
        for i in range(w * h):
            if sb[i] > best[i]:
                best[i], owner[i] = sb[i], b
    result = {}
    keys_by_button = {b: [k for k, c in claims.items() if c[0] == b] for b in buttons}
    assigned = {k: [] for k in claims}
    for i in range(w * h):
        b = owner[i]
        if b is None:
            continue
        x, y = (i % w) // s + scene.ox, (i // w) // s + scene.oy
        for k in keys_by_button[b]:
            _, (x0, y0), accept = claims[k]
            if x >= x0 and y >= y0 and (accept is None or accept(x, y)):
                assigned[k].append(i)
                break
        else:
            raise ValueError(f"button {b}: changed pixel ({x}, {y}) lies before every overlay's top-left")
    for k, (b, (x0, y0), _) in claims.items():
        from PIL import Image
        mask = Image.new("L", (w, h), 0)
        px = mask.load()
        for i in assigned[k]:
            px[i % w, i // w] = 255
        box = (x0 - scene.ox, y0 - scene.oy, scene.w, scene.h)
        over, base = p.canvas(scene.w, scene.h), p.canvas(scene.w, scene.h)
        over.paste(lit[b], (0, 0), mask)
        base.paste(normal, (0, 0), mask)
        result[k] = (p.crop(base, box), p.crop(over, box))
    return normal, result
