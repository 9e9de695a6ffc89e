"""Drawing primitives over PIL: anti-aliased shape masks (drawn large, then box-filtered down), gradients,
glows and text. Everything is deterministic: no randomness, no clock, fonts from fixed Debian paths."""
import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

SUPERSAMPLE = 4
FONT_DIR = "/usr/share/fonts/truetype/"


def canvas(w, h, color=(0, 0, 0, 0)):
    return Image.new("RGBA", (w, h), tuple(color))


def shape_mask(w, h, draw_fn, ss=SUPERSAMPLE):
    """Coverage mask of the shapes that draw_fn(draw, scale) paints with fill 255 on a scale-times grid."""
    big = Image.new("L", (w * ss, h * ss), 0)
    draw_fn(ImageDraw.Draw(big), ss)
    return big.resize((w, h), Image.BOX)


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
    return shape_mask(w, h, fn)


def ellipse_mask(w, h, cx, cy, rx, ry=None):
    ry = rx if ry is None else ry
    return shape_mask(w, h, lambda d, s: d.ellipse(
        [round((cx - rx) * s), round((cy - ry) * s), round((cx + rx) * s) - 1, round((cy + ry) * s) - 1], fill=255))


def polygon_mask(w, h, points):
    return shape_mask(w, h, lambda d, s: d.polygon([(x * s, y * s) for x, y in points], fill=255))


def polyline_mask(w, h, points, width, round_caps=True):
    def fn(d, s):
        pts = [(x * s, y * s) for x, y in points]
        d.line(pts, fill=255, width=max(1, round(width * s)), joint="curve")
        if round_caps:
            r = width * s / 2
            for x, y in (pts[0], pts[-1]):
                d.ellipse([x - r, y - r, x + r, y + r], fill=255)
    return shape_mask(w, h, fn)


def ring_mask(w, h, cx, cy, r_out, r_in, start=0.0, end=360.0):
    """Annulus (or an arc of it, angles in PIL's clockwise-from-east degrees)."""
    def fn(d, s):
        box = [(cx - r_out) * s, (cy - r_out) * s, (cx + r_out) * s, (cy + r_out) * s]
        if end - start >= 360:
            d.ellipse(box, fill=255)
        else:
            d.pieslice(box, start, end, fill=255)
        d.ellipse([(cx - r_in) * s, (cy - r_in) * s, (cx + r_in) * s, (cy + r_in) * s], fill=0)
    return shape_mask(w, h, fn)


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
    out.paste(m, (dx, dy))
    return out


def blur(m, radius):
    return m.filter(ImageFilter.GaussianBlur(radius))


def paint(img, mask, fill):
    """Composites fill (an RGBA colour or an RGBA image of img's size) onto img through mask."""
    if isinstance(fill, tuple):
        fill = fill if len(fill) == 4 else fill + (255,)
        layer = Image.new("RGBA", img.size, fill[:3] + (0,))
        alpha = mask if fill[3] == 255 else scale_mask(mask, fill[3] / 255)
        layer.putalpha(alpha)
    else:
        layer = fill.copy()
        layer.putalpha(ImageChops.multiply(fill.getchannel("A"), mask))
    img.alpha_composite(layer)


def mix(c0, c1, t):
    return tuple(round(a + (b - a) * t) for a, b in zip(c0, c1))


def vgradient(w, h, top, bottom):
    ramp = Image.linear_gradient("L").resize((max(1, w), max(1, h)), Image.BILINEAR)
    return Image.composite(canvas(w, h, bottom), canvas(w, h, top), ramp)


def hgradient(w, h, left, right):
    ramp = Image.linear_gradient("L").rotate(90, expand=True).transpose(Image.FLIP_LEFT_RIGHT)
    ramp = ramp.resize((max(1, w), max(1, h)), Image.BILINEAR)
    return Image.composite(canvas(w, h, right), canvas(w, h, left), ramp)


def radial_ramp(w, h, cx, cy, rx, ry, power=1.0, step=4):
    """'L' image: 0 at (cx, cy) rising to 255 at the ellipse (rx, ry) and beyond; computed on a coarse grid
    and smoothly enlarged (the ramp has no detail worth computing per pixel)."""
    gw, gh = w // step + 2, h // step + 2
    data = []
    for gy in range(gh):
        y = gy * step
        for gx in range(gw):
            x = gx * step
            d = math.hypot((x - cx) / rx, (y - cy) / ry)
            data.append(min(255, round(255 * min(1.0, d) ** power)))
    grid = Image.new("L", (gw, gh))
    grid.putdata(data)
    return grid.resize((gw * step, gh * step), Image.BILINEAR).crop((0, 0, w, h))


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
    return ImageFont.truetype(FONT_DIR + paths[name], size)


def text_mask(w, h, text, fnt, cx, cy, spacing=0.0):
    """Mask of text centred on (cx, cy); spacing adds letter spacing in pixels."""
    m = Image.new("L", (w, h), 0)
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
    shrunk = mask.filter(ImageFilter.MinFilter(2 * width + 1))
    return subtract(mask, shrunk)


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
