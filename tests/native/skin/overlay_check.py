#!/usr/bin/python3
"""Pixel checks of the committed skin that the C++ tests cannot make without a PNG decoder:
- the column and middle backgrounds are cut from main.png exactly where they are drawn, and the mouse
  pictures are opaque, so repainting any of them leaves no seam;
- each mouse overlay lights something, its normal image repeats the picture, drawing "over" then "normal"
  gives the picture back, and the overlays of one view never cover the same pixel, so the program may
  draw them in any order."""
import json
import pathlib
import sys

from PIL import Image, ImageChops

REPO = pathlib.Path(__file__).resolve().parents[3]
manifest = json.loads((REPO / "assets/skin/manifest.json").read_text(encoding="utf-8"))
SKIN = REPO / "assets/runtime/Skins" / manifest["skin_folder"]
failures = []


def load(name):
    return Image.open(SKIN / name.lstrip("/")).convert("RGBA")


def same(a, b):
    return a.size == b.size and a.mode == b.mode and a.tobytes() == b.tobytes()


def check(condition, message):
    if not condition:
        failures.append(message)


images = {e["id"]: e for e in manifest["images"]}
families = {f["id"]: f for f in manifest["families"]}
main = load("/main.png")
for key in ("MainLeftBackground", "MainMidBackground", "MainRightBackground", "MouseTopPicture", "MouseSidePicture"):
    e = images[key]
    x, y = e["at"]
    img = load(e["name"])
    check(img.getchannel("A").getextrema() == (255, 255), f"{e['name']} is not opaque")
    if key.startswith("Main"):
        check(same(img, main.crop((x, y, x + img.width, y + img.height))), f"{e['name']} is not main.png's pixels")

views = {"MouseTopPicture": ["FrontOverlay"], "MouseSidePicture": ["SideOverlay", "BackOverlay"]}
for picture_id, overlay_families in views.items():
    pe = images[picture_id]
    picture = load(pe["name"])
    px, py = pe["at"]
    covered = Image.new("L", picture.size, 0)
    for fam in overlay_families:
        for member in families[fam + "Normal"]["members"]:
            v, (ax, ay) = member["value"], member["at"]
            normal = load(families[fam + "Normal"]["pattern"].replace("%d", str(v)))
            over = load(families[fam + "Over"]["pattern"].replace("%d", str(v)))
            name = families[fam + "Over"]["pattern"].replace("%d", str(v))
            check(normal.size == over.size, f"{name}: normal and over differ in size")
            check(same(normal.getchannel("A"), over.getchannel("A")), f"{name}: normal and over cover different pixels")
            alpha = over.getchannel("A")
            check(set(alpha.getdata()) <= {0, 255}, f"{name}: partly transparent pixels would not restore exactly")
            check(alpha.getbbox() is not None and not same(normal, over), f"{name}: lights nothing")
            pos = (ax - px, ay - py)
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

for line in failures:
    print(line)
print(f"overlay and background checks: {len(failures)} failures")
sys.exit(1 if failures else 0)
