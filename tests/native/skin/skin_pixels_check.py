#!/usr/bin/python3
"""Pixel checks of the committed skin that the C++ tests cannot make without a PNG decoder:
- every slider and dial shows its value where the panels' click rules put it: the fill of a CPI stage,
  X/Y or lighting slider ends on the last pixel a click maps to its value, a speed dial's needle points
  into the band a click maps to its level, a report-rate dial lights the quadrant that chooses its rate;
- the column and middle backgrounds are cut from main.png exactly where they are drawn, and the mouse
  pictures are opaque, so repainting any of them leaves no seam;
- each mouse overlay lights something, its normal image repeats the picture, drawing "over" then "normal"
  gives the picture back, and the overlays of one view never cover the same pixel, so the program may
  draw them in any order.
Every check runs on the 1x images and again on the 2x images beside them ("Save.png", "Save@2x.png"), in
the 2x image's own pixels: a 200 % window paints from those and relies on the same promises."""
import json
import math
import pathlib
import sys

from PIL import Image, ImageChops

REPO = pathlib.Path(__file__).resolve().parents[3]
manifest = json.loads((REPO / "assets/skin/manifest.json").read_text(encoding="utf-8"))
SKIN = REPO / "assets/runtime/Skins" / manifest["skin_folder"]
failures = []
SCALES = (1, 2)


def load(name, scale):
    path = SKIN / name.lstrip("/")
    if scale != 1:
        path = path.with_name(f"{path.stem}@{scale}x{path.suffix}")
    return Image.open(path).convert("RGBA")


def same(a, b):
    return a.size == b.size and a.mode == b.mode and a.tobytes() == b.tobytes()


def check(condition, message):
    if not condition:
        failures.append(message)


images = {e["id"]: e for e in manifest["images"]}
families = {f["id"]: f for f in manifest["families"]}


def check_cut_and_opaque(s):
    main = load("/main.png", s)
    for key in ("MainLeftBackground", "MainMidBackground", "MainRightBackground", "MouseTopPicture",
                "MouseSidePicture"):
        e = images[key]
        x, y = e["at"][0] * s, e["at"][1] * s
        img = load(e["name"], s)
        where = f"{e['name']} at {s}x"
        check(img.getchannel("A").getextrema() == (255, 255), f"{where} is not opaque")
        if key.startswith("Main"):
            check(same(img, main.crop((x, y, x + img.width, y + img.height))), f"{where} is not main.png's pixels")


def check_overlays(s):
    views = {"MouseTopPicture": ["FrontOverlay"], "MouseSidePicture": ["SideOverlay", "BackOverlay"]}
    for picture_id, overlay_families in views.items():
        pe = images[picture_id]
        picture = load(pe["name"], s)
        px, py = pe["at"]
        covered = Image.new("L", picture.size, 0)
        for fam in overlay_families:
            for member in families[fam + "Normal"]["members"]:
                v, (ax, ay) = member["value"], member["at"]
                over_name = families[fam + "Over"]["pattern"].replace("%d", str(v))
                name = f"{over_name} at {s}x"
                normal = load(families[fam + "Normal"]["pattern"].replace("%d", str(v)), s)
                over = load(over_name, s)
                check(normal.size == over.size, f"{name}: normal and over differ in size")
                check(same(normal.getchannel("A"), over.getchannel("A")), f"{name}: normal and over cover different pixels")
                alpha = over.getchannel("A")
                check(set(alpha.getdata()) <= {0, 255}, f"{name}: partly transparent pixels would not restore exactly")
                check(alpha.getbbox() is not None and not same(normal, over), f"{name}: lights nothing")
                pos = ((ax - px) * s, (ay - py) * s)
                lit = picture.copy()
                lit.alpha_composite(over, pos)
                unlit = lit.copy()
                unlit.alpha_composite(normal, pos)
                check(same(unlit, picture), f"{name}: drawing the normal image does not restore the picture")
                region = Image.new("L", picture.size, 0)
                region.paste(alpha, pos)
                overlap = ImageChops.multiply(region, covered).getbbox()
                check(overlap is None, f"{name}: covers pixels another overlay of its view covers too ({overlap})")
                covered = ImageChops.lighter(covered, region)


# ------------------------------------------------------------------------------------- values on show
def marked(px):
    """A pixel of a fill's end, a knob or a needle: opaque and bright (grooves and faces are near black)."""
    r, g, b, a = px
    return a > 128 and max(r, g, b) > 120


def family_image(fid, value, s):
    return load(families[fid]["pattern"].replace("%d", str(value)), s)


def cpi_level_at(y):  # the stage slider's click rule, y in the slider's own rows (top 65, bottom 213)
    d = 213 - (65 + y) - 2
    return 1 if d < 0 else min(74, int(d * 0.5 + 2.0))


def fill_check(fid, values, value_at, s, vertical=False):
    """The fill's last marked pixel (the top of a vertical fill) lies in the layout pixel a click maps to the
    value, the next pixel beyond it in the next value's."""
    for value in values:
        img = family_image(fid, value, s)
        if vertical:
            line = [img.getpixel((img.width // 2, y)) for y in range(img.height)]
            end, beyond = next((y for y, px in enumerate(line) if marked(px)), None), -1
        else:
            line = [img.getpixel((x, img.height // 2)) for x in range(img.width)]
            end, beyond = max((x for x, px in enumerate(line) if marked(px)), default=None), 1
        got = None if end is None else value_at(end // s)
        ok = got == value and (value == values[-1] or value_at((end + beyond) // s) == value + 1)
        check(ok, f"{fid} {value} at {s}x: fill ends at {end}, which a click maps to {got}")


def speed_level(dx, dy):  # the speed dials' click rule (dy <= 0 is the upper half)
    if dx > 0:
        theta = math.degrees(math.atan(abs(dy) / dx))
    elif dx < 0:
        theta = 90 + math.degrees(math.atan(abs(dx) / abs(dy))) if dy else 180.0
    else:
        theta = 90.0
    return int(12 - theta / 18), theta


def check_dials(s):
    for level in range(1, 13):
        img = family_image("SpeedDial", level, s)
        cx, cy = 71, 71
        tips = [(math.hypot(dx, dy), dx, dy) for y in range(img.height) for x in range(img.width)
                for dx, dy in [((x + 0.5) / s - cx, (y + 0.5) / s - cy)]
                if min(img.getpixel((x, y))[:3]) > 200 and img.getpixel((x, y))[3] > 200]
        if not tips:
            check(False, f"speed dial {level} at {s}x: no needle")
            continue
        _, dx, dy = max(tips)
        got, theta = speed_level(dx, dy)
        if level == 12:
            check(theta < 4, f"speed dial 12 at {s}x: needle at {theta:.1f} degrees, not at the right end")
        elif level == 1:
            check(theta > 176, f"speed dial 1 at {s}x: needle at {theta:.1f} degrees, not at the left end")
        else:
            check(got == level, f"speed dial {level} at {s}x: needle at {theta:.1f} degrees, where a click gives {got}")

    quadrant_of_rate = {1000: (1, -1), 125: (-1, -1), 250: (-1, 1), 500: (1, 1)}
    for rate, expected in quadrant_of_rate.items():
        img = family_image("ReportRateDial", rate, s)
        counts = {}
        for y in range(img.height):
            for x in range(img.width):
                dx, dy = (x + 0.5) / s - 64, (y + 0.5) / s - 64
                r, g, b, a = img.getpixel((x, y))
                if 38 <= math.hypot(dx, dy) <= 60 and a > 200 and r > g + 80:
                    key = (1 if dx > 0 else -1, 1 if dy > 0 else -1)
                    counts[key] = counts.get(key, 0) + 1
        lit = max(counts, key=counts.get) if counts else None
        check(lit == expected, f"report-rate dial {rate} at {s}x: lit quadrant {lit}, clicks choose it in {expected}")


for scale in SCALES:
    check_cut_and_opaque(scale)
    check_overlays(scale)
    fill_check("CpiStageSlider", list(range(1, 75)), cpi_level_at, scale, vertical=True)
    fill_check("SensitivitySlider", list(range(1, 12)), lambda x: 1 if x - 9 < 0 else int((x - 9) / 21.0 + 2.0), scale)
    fill_check("LightingSlider", list(range(1, 7)), lambda x: 1 if x - 4 < 0 else int((x - 4) / 30.0 + 2.0), scale)
    check_dials(scale)

for line in failures:
    print(line)
print(f"skin pixel checks: {len(failures)} failures")
sys.exit(1 if failures else 0)
