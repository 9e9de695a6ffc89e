"""Drawing primitives over PIL: anti-aliased shape masks (drawn large, then box-filtered down), gradients,
glows and text. Everything is deterministic: no randomness, no clock, fonts from fixed Debian paths.

Callers draw in the skin's logical pixels (the 1x layout the program's core works in): sizes, coordinates,
radii, line widths, blur radii and font sizes. Inside `at_scale(s)` every primitive renders s device pixels
per logical pixel, so one drawing routine gives the 1x image and a 2x image that is drawn, not enlarged.
Images are device-sized; `size_of`, `crop` and `paste` translate for code that handles them directly."""
import contextlib
import contextvars
import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

SCALES = (1, 2)
SUPERSAMPLE = 4  # mask grid cells per device pixel and axis
FONT_DIR = "/usr/share/fonts/truetype/"

# The scale of the image being drawn. Scoped to a `with at_scale(...)` block rather than passed along
# because every routine of the skin would otherwise thread it through unchanged.
_scale = contextvars.ContextVar("skin_scale", default=1)


@contextlib.contextmanager
def at_scale(scale):
    if scale not in SCALES:
        raise ValueError(f"no skin scale {scale}")
    token = _scale.set(scale)
    try:
        yield
    finally:
        _scale.reset(token)


def current_scale():
    return _scale.get()


def dev(length):
    """Device pixels of a logical length (whole logical pixels stay whole)."""
    return round(length * _scale.get())


def size_of(img):
    s = _scale.get()
    return img.width // s, img.height // s


def crop(img, box):
    return img.crop(tuple(dev(v) for v in box))


def paste(dst, src, xy, mask=None):
    dst.paste(src, (dev(xy[0]), dev(xy[1])), mask)


def canvas(w, h, color=(0, 0, 0, 0)):
    return Image.new("RGBA", (dev(w), dev(h)), tuple(color))


class _Offset:
    """The drawing calls of the primitives below on a grid whose top-left cell is (ox, oy) of the full grid.
    Under whole-cell shifts these calls rasterise exactly as on the full grid; polygons do not (their edges
    round differently), so polygon_mask draws on the full grid."""

    def __init__(self, draw, ox, oy):
        self.d, self.ox, self.oy = draw, ox, oy

    def _box(self, box):
        return [box[0] - self.ox, box[1] - self.oy, box[2] - self.ox, box[3] - self.oy]

    def _points(self, points):
        return [(x - self.ox, y - self.oy) for x, y in points]

    def rectangle(self, box, **kw):
        self.d.rectangle(self._box(box), **kw)

    def rounded_rectangle(self, box, **kw):
        self.d.rounded_rectangle(self._box(box), **kw)

    def ellipse(self, box, **kw):
        self.d.ellipse(self._box(box), **kw)

    def pieslice(self, box, start, end, **kw):
        self.d.pieslice(self._box(box), start, end, **kw)

    def line(self, points, **kw):
        self.d.line(self._points(points), **kw)


def shape_mask(w, h, draw_fn, bounds=None):
    """Coverage mask of the shapes that draw_fn(draw, factor) paints with fill 255 on a grid of factor cells
    per logical pixel. bounds: a logical box the shapes stay inside, if known; only that part is drawn."""
    s, ss = _scale.get(), SUPERSAMPLE
    out = Image.new("L", (dev(w), dev(h)), 0)
    if bounds is None:
        big = Image.new("L", (dev(w) * ss, dev(h) * ss), 0)
        draw_fn(ImageDraw.Draw(big), s * ss)
        box = big.getbbox()
        if box is None:
            return out
        # Filter down only the whole device pixels the shapes touch; the rest of the mask is empty anyway.
        x0, y0, x1, y1 = box[0] // ss, box[1] // ss, -(-box[2] // ss), -(-box[3] // ss)
        big = big.crop((x0 * ss, y0 * ss, x1 * ss, y1 * ss))
    else:
        # a device pixel of slack around the box for the rasteriser's rounding
        x0, y0 = max(0, math.floor(bounds[0] * s) - 1), max(0, math.floor(bounds[1] * s) - 1)
        x1, y1 = min(dev(w), math.ceil(bounds[2] * s) + 1), min(dev(h), math.ceil(bounds[3] * s) + 1)
        if x1 <= x0 or y1 <= y0:
            return out
        big = Image.new("L", ((x1 - x0) * ss, (y1 - y0) * ss), 0)
        draw_fn(_Offset(ImageDraw.Draw(big), x0 * ss, y0 * ss), s * ss)
    out.paste(big.resize((x1 - x0, y1 - y0), Image.BOX), (x0, y0))
    return out


def rect_mask(w, h, x0, y0, x1, y1, radius=0.0):
    """Mask of the rounded rectangle covering the continuous area x0..x1, y0..y1."""
    def fn(d, s):
        box = [round(x0 * s), round(y0 * s), round(x1 * s) - 1, round(y1 * s) - 1]
        if box[2] < box[0] or box[3] < box[1]:
            return
        if radius > 0:
            d.rounded_rectangle(box, radius=radius * s, fill=255)
        else:
            d.rectangle(box, fill=255)
    return shape_mask(w, h, fn, (x0, y0, x1, y1))


def ellipse_mask(w, h, cx, cy, rx, ry=None):
    ry = rx if ry is None else ry
    return shape_mask(w, h, lambda d, s: d.ellipse(
        [round((cx - rx) * s), round((cy - ry) * s), round((cx + rx) * s) - 1, round((cy + ry) * s) - 1], fill=255),
        (cx - rx, cy - ry, cx + rx, cy + ry))


def _points_box(points, margin=0.0):
    xs, ys = [x for x, _ in points], [y for _, y in points]
    return min(xs) - margin, min(ys) - margin, max(xs) + margin, max(ys) + margin


def polygon_mask(w, h, points):
    # no bounds: the polygon rasteriser does not fill a shifted polygon exactly like the original
    return shape_mask(w, h, lambda d, s: d.polygon([(x * s, y * s) for x, y in points], fill=255))


def polyline_mask(w, h, points, width, round_caps=True):
    def fn(d, s):
        pts = [(x * s, y * s) for x, y in points]
        d.line(pts, fill=255, width=max(1, round(width * s)), joint="curve")
        if round_caps:
            r = width * s / 2
            for x, y in (pts[0], pts[-1]):
                d.ellipse([x - r, y - r, x + r, y + r], fill=255)
    return shape_mask(w, h, fn, _points_box(points, width))


def ring_mask(w, h, cx, cy, r_out, r_in, start=0.0, end=360.0):
    """Annulus (or an arc of it, angles in PIL's clockwise-from-east degrees)."""
    def fn(d, s):
        box = [(cx - r_out) * s, (cy - r_out) * s, (cx + r_out) * s, (cy + r_out) * s]
        if end - start >= 360:
            d.ellipse(box, fill=255)
        else:
            d.pieslice(box, start, end, fill=255)
        d.ellipse([(cx - r_in) * s, (cy - r_in) * s, (cx + r_in) * s, (cy + r_in) * s], fill=0)
    return shape_mask(w, h, fn, (cx - r_out, cy - r_out, cx + r_out, cy + r_out))


def union(*masks):
    out = masks[0]
    for m in masks[1:]:
        out = ImageChops.lighter(out, m)
    return out


def intersect(a, b):
    return ImageChops.multiply(a, b)


def subtract(a, b):
    return ImageChops.subtract(a, b)


def scale_mask(m, factor):
    return m.point(lambda v: int(v * factor + 0.5))


def shift(m, dx, dy):
    out = Image.new(m.mode, m.size, 0)
    paste(out, m, (dx, dy))
    return out


def blur(m, radius):
    return m.filter(ImageFilter.GaussianBlur(radius * _scale.get()))


def paint(img, mask, fill):
    """Composites fill (an RGBA colour or an RGBA image of img's size) onto img through mask."""
    box = mask.getbbox()
    if box is None:
        return
    # Outside the mask's box the layer is fully transparent, and compositing that changes no pixel.
    mask = mask.crop(box)
    if isinstance(fill, tuple):
        fill = fill if len(fill) == 4 else fill + (255,)
        layer = Image.new("RGBA", mask.size, fill[:3] + (0,))
        alpha = mask if fill[3] == 255 else scale_mask(mask, fill[3] / 255)
        layer.putalpha(alpha)
    else:
        layer = fill.crop(box)
        layer.putalpha(ImageChops.multiply(layer.getchannel("A"), mask))
    img.alpha_composite(layer, box[:2])


def mix(c0, c1, t):
    return tuple(round(a + (b - a) * t) for a, b in zip(c0, c1))


def vgradient(w, h, top, bottom):
    ramp = Image.linear_gradient("L").resize((max(1, dev(w)), max(1, dev(h))), Image.BILINEAR)
    return Image.composite(canvas(w, h, bottom), canvas(w, h, top), ramp)


def hgradient(w, h, left, right):
    ramp = Image.linear_gradient("L").rotate(90, expand=True).transpose(Image.FLIP_LEFT_RIGHT)
    ramp = ramp.resize((max(1, dev(w)), max(1, dev(h))), Image.BILINEAR)
    return Image.composite(canvas(w, h, right), canvas(w, h, left), ramp)


def radial_ramp(w, h, cx, cy, rx, ry, power=1.0, step=4):
    """'L' image: 0 at (cx, cy) rising to 255 at the ellipse (rx, ry) and beyond; computed on a coarse grid
    (step device pixels) and smoothly enlarged (the ramp has no detail worth computing per pixel)."""
    s = _scale.get()
    gw, gh = dev(w) // step + 2, dev(h) // step + 2
    columns = [(gx * step / s - cx) / rx for gx in range(gw)]
    data = []
    for gy in range(gh):
        row = (gy * step / s - cy) / ry
        data += [min(255, round(255 * min(1.0, math.hypot(col, row)) ** power)) for col in columns]
    grid = Image.new("L", (gw, gh))
    grid.putdata(data)
    return grid.resize((gw * step, gh * step), Image.BILINEAR).crop((0, 0, dev(w), dev(h)))


def radial_gradient(w, h, inner, outer, cx, cy, rx, ry, power=1.0):
    return Image.composite(canvas(w, h, outer), canvas(w, h, inner), radial_ramp(w, h, cx, cy, rx, ry, power))


def font(name, size):
    # Liberation only: scripts/bootstrap.sh installs fonts-liberation, so every machine renders the same bytes.
    paths = {
        "sans": "liberation/LiberationSans-Regular.ttf", "sans-bold": "liberation/LiberationSans-Bold.ttf",
        "condensed-bold": "liberation/LiberationSansNarrow-Bold.ttf",
        "narrow-bold-italic": "liberation/LiberationSansNarrow-BoldItalic.ttf",
        "narrow-bold": "liberation/LiberationSansNarrow-Bold.ttf",
        "arial-bold": "liberation/LiberationSans-Bold.ttf", "arial": "liberation/LiberationSans-Regular.ttf",
    }
    return ImageFont.truetype(FONT_DIR + paths[name], dev(size))


def text_mask(w, h, text, fnt, cx, cy, spacing=0.0):
    """Mask of text centred on (cx, cy); spacing adds letter spacing in pixels. fnt comes from font() at the
    same scale."""
    s = _scale.get()
    cx, cy, spacing = cx * s, cy * s, spacing * s
    m = Image.new("L", (dev(w), dev(h)), 0)
    d = ImageDraw.Draw(m)
    if spacing == 0:
        box = d.textbbox((0, 0), text, font=fnt)
        d.text((cx - (box[0] + box[2]) / 2, cy - (box[1] + box[3]) / 2), text, font=fnt, fill=255)
        return m
    widths = [d.textlength(ch, font=fnt) for ch in text]
    total = sum(widths) + spacing * (len(text) - 1)
    box = d.textbbox((0, 0), text, font=fnt)
    x = cx - total / 2
    for ch, cw in zip(text, widths):
        d.text((x, cy - (box[1] + box[3]) / 2), ch, font=fnt, fill=255)
        x += cw + spacing
    return m


def bevel(img, mask, light=(255, 255, 255, 40), dark=(0, 0, 0, 90), width=1):
    """Thin top highlight and bottom shade just inside a shape's edge."""
    inner_top = subtract(mask, shift(mask, 0, width))
    inner_bottom = subtract(mask, shift(mask, 0, -width))
    paint(img, inner_top, light)
    paint(img, inner_bottom, dark)


def outline(mask, width=1):
    """The ring of a mask's edge, width pixels inside."""
    box = mask.getbbox()
    if box is None:
        return mask.copy()
    # Eroded only around the shape, with a pixel of empty margin so the crop's edges erode like the
    # whole mask would; n passes of a 3 x 3 minimum are one (2n + 1)-square minimum.
    box = (max(0, box[0] - 1), max(0, box[1] - 1), min(mask.width, box[2] + 1), min(mask.height, box[3] + 1))
    part = mask.crop(box)
    shrunk = part
    for _ in range(dev(width)):
        shrunk = shrunk.filter(ImageFilter.MinFilter(3))
    out = Image.new("L", mask.size, 0)
    out.paste(subtract(part, shrunk), box[:2])
    return out


def catmull_rom(points, samples=12, closed=True):
    """Smooth curve through points (Catmull-Rom), returned as a dense polygon."""
    n = len(points)
    out = []
    rng = range(n) if closed else range(n - 1)
    for i in rng:
        p0 = points[(i - 1) % n] if closed or i > 0 else points[0]
        p1, p2 = points[i], points[(i + 1) % n]
        p3 = points[(i + 2) % n] if closed or i + 2 < n else points[-1]
        for k in range(samples):
            t = k / samples
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * ((2 * b) + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 +
                                    (-a + 3 * b - 3 * c + d) * t3) for a, b, c, d in zip(p0, p1, p2, p3)))
    if not closed:
        out.append(points[-1])
    return out
