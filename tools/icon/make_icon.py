#!/usr/bin/env python3
"""Draws the application icon (a gaming mouse on a dark tile with the theme's red accent) and writes
src/win32/res/quendar.ico with the sizes Windows asks for. Deterministic: same input, same bytes."""
import pathlib
import sys

from PIL import Image, ImageDraw, ImageFilter

SIZES = [16, 20, 24, 32, 40, 48, 64, 128, 256]
ACCENT = (232, 32, 48, 255)


def draw(size: int) -> Image.Image:
    scale = 4  # draw large, then reduce: smooth edges at every size
    s = size * scale
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    r = s * 0.2
    d.rounded_rectangle([0, 0, s - 1, s - 1], radius=r, fill=(24, 26, 31, 255))
    d.rounded_rectangle([s * 0.04, s * 0.04, s * 0.96, s * 0.96], radius=r * 0.85,
                        outline=(60, 64, 74, 255), width=max(1, int(s * 0.02)))
    # mouse body
    body = [s * 0.28, s * 0.14, s * 0.72, s * 0.88]
    d.rounded_rectangle(body, radius=s * 0.22, fill=(210, 214, 222, 255))
    d.rounded_rectangle([body[0] + s * 0.035, body[1] + s * 0.035, body[2] - s * 0.035, body[3] - s * 0.035],
                        radius=s * 0.19, fill=(44, 47, 56, 255))
    # button split and wheel
    d.line([s * 0.5, s * 0.17, s * 0.5, s * 0.44], fill=(210, 214, 222, 255), width=max(1, int(s * 0.025)))
    d.rounded_rectangle([s * 0.465, s * 0.23, s * 0.535, s * 0.36], radius=s * 0.03, fill=ACCENT)
    # accent light strip
    d.rounded_rectangle([s * 0.38, s * 0.62, s * 0.62, s * 0.67], radius=s * 0.02, fill=ACCENT)
    glow = img.filter(ImageFilter.GaussianBlur(radius=s * 0.01))
    return glow.resize((size, size), Image.LANCZOS)


def main() -> int:
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else \
        pathlib.Path(__file__).resolve().parents[2] / "src/win32/res/quendar.ico"
    images = [draw(n) for n in SIZES]
    images[-1].save(out, format="ICO", sizes=[(n, n) for n in SIZES], append_images=images[:-1])
    return 0


if __name__ == "__main__":
    sys.exit(main())
