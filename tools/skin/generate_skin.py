#!/usr/bin/python3
"""Renders the default skin from assets/skin/manifest.json.

Writes, below the repository root (or below --root):
  assets/runtime/Skins/<skin_folder>/...   every image of the manifest, families over their whole range,
                                           each at 1x and beside it at 2x ("Logo.png", "Logo@2x.png")
  src/win32/res/scroll_thumb.png           the scroll thumb built into the executable (and its @2x)
  src/core/ui/skin_manifest.h              the manifest as C++ constants
  docs/skin-contact-sheet.png              every 1x skin file with its name, for review

Both scales come from the same drawing code, the 2x image drawn at twice the size (shapes, lines, blurs and
text), not enlarged. --verify renders into a temporary folder and compares every output byte for byte with
the committed files, checks that each committed 2x image is exactly twice its 1x image, and reports
committed skin files the generator no longer makes. Output is deterministic: the same manifest, Pillow and
fonts give the same bytes."""
import argparse
import filecmp
import json
import pathlib
import sys
import tempfile

from PIL import Image

sys.dont_write_bytecode = True

import dialogs  # noqa: E402
import frame  # noqa: E402
import header  # noqa: E402
import mouse_art  # noqa: E402
import paint as p  # noqa: E402
import sheet  # noqa: E402
import theme as t  # noqa: E402
import widgets as wd  # noqa: E402

REPO = pathlib.Path(__file__).resolve().parents[2]
MANIFEST = REPO / "assets/skin/manifest.json"
HEADER = "src/core/ui/skin_manifest.h"
CONTACT_SHEET = "docs/skin-contact-sheet.png"


def family_members(fam):
    if "members" in fam:
        return [m["value"] for m in fam["members"]]
    if "values" in fam:
        return list(fam["values"])
    return list(range(fam["first"], fam["last"] + 1))


def member_name(pattern, value):
    return pattern.replace("%d", str(value))


def cpi_fill_height(level, height=148):
    """Pixels a stage slider is filled for a level: a click in the slider's lowest row gives 1 and every two
    rows above add one, so the fill reaches the highest row that still gives this level."""
    return height if level >= 74 else max(1, 2 * level - 1)


def sensitivity_fill(value, width=208):
    return min(width, 21 * value - 12)


def lighting_fill(value, width=128):
    return min(width, 30 * value - 26)


class Skin:
    def __init__(self, manifest):
        self.m = manifest
        self.images = {}  # name -> PIL image
        self.main = None

    def render(self):
        mw = self.m["main_window"]
        self.main = frame.main_background(mw["width"], mw["height"])
        by_id = {e["id"]: e for e in self.m["images"]}
        simple = {
            "MainBackground": lambda: self.main,
            "Logo": frame.logo,
            "ModelBadge": frame.model_badge,
            "MacroManagerTitle": frame.macro_manager_title,
            "SectionTitle": frame.section_title,
            "LightButtonPanel": frame.light_button_panel,
            "SwitchOn": lambda: wd.led_switch(10, 9, True),
            "SwitchOff": lambda: wd.led_switch(10, 9, False),
            "HelpButtonNormal": lambda: wd.title_button("help", "normal"),
            "HelpButtonOver": lambda: wd.title_button("help", "over"),
            "HideButtonNormal": lambda: wd.title_button("hide", "normal"),
            "HideButtonOver": lambda: wd.title_button("hide", "over"),
            "CloseButtonNormal": lambda: wd.title_button("close", "normal"),
            "CloseButtonOver": lambda: wd.title_button("close", "over"),
            "ResetCancelButtonNormal": lambda: wd.push_button(57, 30, "normal"),
            "ResetCancelButtonOver": lambda: wd.push_button(57, 30, "over"),
            "SaveButtonNormal": lambda: wd.push_button(57, 30, "normal", "primary"),
            "SaveButtonOver": lambda: wd.push_button(57, 30, "over", "primary"),
            "ConfigButtonNormal": lambda: wd.push_button(72, 30, "normal"),
            "ConfigButtonOver": lambda: wd.push_button(72, 30, "over"),
            "ViewButtonNormal": lambda: wd.push_button(62, 29, "normal"),
            "ViewButtonCurrent": lambda: wd.push_button(62, 29, "over", "primary"),
            "AssignmentPanelTop": lambda: frame.assignment_panel(7),
            "AssignmentPanelSide": lambda: frame.assignment_panel(5),
            "DropdownNormal": lambda: wd.dropdown(130, 16, "normal"),
            "DropdownOver": lambda: wd.dropdown(130, 16, "over"),
            "DropdownOpen": lambda: wd.dropdown(130, 16, "leave"),
            "SensitivityPanel": frame.sensitivity_panel,
            "CpiPanel": frame.cpi_panel,
            "CpiValueBox": frame.value_box,
            "LightingPanel": frame.lighting_panel,
            "ReportRatePanel": frame.report_rate_panel,
            "PointerSpeedPanel": frame.pointer_speed_panel,
            "ScrollSpeedPanel": frame.scroll_speed_panel,
            "ScrollChoiceOn": lambda: wd.radio(12, True),
            "ScrollChoiceOff": lambda: wd.radio(12, False),
            "ScrollLinesFrame": lambda: wd.field(36, 14, 2.5, t.BORDER_HIGH),
            "AngleSnapPanel": frame.angle_snap_panel,
            "SingleKeyDialog": dialogs.single_key,
            "ComboKeyDialog": dialogs.combo_key,
            "MacroKeyDialog": dialogs.macro_key,
            "MacroKeyTickClear": lambda: wd.tick_box(16, False),
            "MacroKeyTickSet": lambda: wd.tick_box(16, True),
            "MacroManagerDialog": dialogs.macro_manager,
            "RecordButton": lambda: record_button(),
            "MacroManagerTickClear": lambda: wd.tick_box(14, False),
            "MacroManagerTickSet": lambda: wd.tick_box(14, True),
            "MacroManagerOkCancelNormal": lambda: wd.push_button(54, 28, "normal"),
            "MacroManagerOkCancelOver": lambda: wd.push_button(54, 28, "over"),
            "DialogButtonNormal": lambda: wd.push_button(58, 25, "normal"),
            "DialogButtonOver": lambda: wd.push_button(58, 25, "over"),
            "MacroManagerCloseNormal": lambda: wide_close("normal"),
            "MacroManagerCloseOver": lambda: wide_close("over"),
            "InsertMacroNormal": lambda: insert_button("normal"),
            "InsertMacroOver": lambda: insert_button("over"),
            "ProfileManagerDialog": dialogs.profile_manager,
            "ProfileManagerNewIcon": dialogs.new_profile_icon,
            "HelpDialog": dialogs.help_window,
        }
        crops = ("MainLeftBackground", "MainMidBackground", "MainRightBackground")
        for e in self.m["images"]:
            if e["id"] in crops:
                x, y = e["at"]
                w, h = e["size"]
                self.images[e["name"]] = p.crop(self.main, (x, y, x + w, y + h))
            elif e["id"] in simple:
                self.images[e["name"]] = simple[e["id"]]()
        self._render_mouse(by_id)
        fams = {f["id"]: f for f in self.m["families"]}
        value_art = {
            "SensitivitySlider": lambda v: wd.hslider(208, 9, sensitivity_fill(v)),
            "CpiStageSlider": lambda v: wd.vslider(9, 148, cpi_fill_height(v)),
            "LightingSlider": lambda v: wd.hslider(128, 8, lighting_fill(v)),
            "ReportRateDial": wd.report_rate_dial,
            "SpeedDial": wd.speed_dial,
            "AngleSnapSwitch": lambda v: wd.toggle_switch(30, 14, v == 1),
        }
        for fid, fn in value_art.items():
            fam = fams[fid]
            for v in family_members(fam):
                self.images[member_name(fam["pattern"], v)] = fn(v)
        missing = [e["name"] for e in self.m["images"] if e["name"] not in self.images]
        for fam in self.m["families"]:
            missing += [member_name(fam["pattern"], v) for v in family_members(fam)
                        if member_name(fam["pattern"], v) not in self.images]
        if missing:
            raise SystemExit(f"no artwork for: {missing}")

    def _render_mouse(self, by_id):
        fams = {f["id"]: f for f in self.m["families"]}

        def crop_under(entry):
            x, y = entry["at"]
            w, h = entry["size"]
            return p.crop(self.main, (x, y, x + w, y + h))

        def at(fid, value):
            return next(tuple(m["at"]) for m in fams[fid]["members"] if m["value"] == value)

        top = mouse_art.build_top(crop_under(by_id["MouseTopPicture"]))
        claims = {("F", b): (b, at("FrontOverlayNormal", b), None) for b in range(1, 8)}
        picture, parts = mouse_art.overlays(top, claims)
        self.images[by_id["MouseTopPicture"]["name"]] = picture
        for b in range(1, 8):
            normal, over = parts[("F", b)]
            self.images[member_name(fams["FrontOverlayNormal"]["pattern"], b)] = normal
            self.images[member_name(fams["FrontOverlayOver"]["pattern"], b)] = over

        side = mouse_art.build_side(crop_under(by_id["MouseSidePicture"]))
        # Side overlays by the button they light: S-1..S-5 Buttons 8..12; S-6 and S-7 the main buttons' shell
        # (Button 1) and the wheel (Button 3) as the side view shows them. Buttons 11 and 12 light through two
        # overlays each: the numbered callout through the side overlay, the button itself through the back one.
        side_buttons = {1: 8, 2: 9, 3: 10, 4: 11, 5: 12, 6: 1, 7: 3}
        lower_y = mouse_art.SIDE_LOWER_Y[1] + 3
        accept = {4: lambda x, y: y < 225, 5: lambda x, y: y > lower_y}
        claims = {("S", k): (b, at("SideOverlayNormal", k), accept.get(k)) for k, b in side_buttons.items()}
        claims[("B", 4)] = (11, at("BackOverlayNormal", 4), None)
        claims[("B", 5)] = (12, at("BackOverlayNormal", 5), None)
        picture, parts = mouse_art.overlays(side, claims)
        self.images[by_id["MouseSidePicture"]["name"]] = picture
        for (kind, k), (normal, over) in parts.items():
            base = "SideOverlay" if kind == "S" else "BackOverlay"
            self.images[member_name(fams[base + "Normal"]["pattern"], k)] = normal
            self.images[member_name(fams[base + "Over"]["pattern"], k)] = over

    def all_names(self):
        names = [e["name"] for e in self.m["images"]]
        for fam in self.m["families"]:
            names += [member_name(fam["pattern"], v) for v in family_members(fam)]
        return names

    def expected_size(self, name):
        for e in self.m["images"]:
            if e["name"] == name:
                return tuple(e["size"])
        for fam in self.m["families"]:
            for v in family_members(fam):
                if member_name(fam["pattern"], v) == name:
                    if "members" in fam:
                        return tuple(next(m["size"] for m in fam["members"] if m["value"] == v))
                    return tuple(fam["size"])
        raise KeyError(name)


def record_button():
    """The record button has one image for both states: a red base line marks it as the live control."""
    img = wd.push_button(89, 24, "normal")
    w, h = p.size_of(img)
    p.paint(img, p.rect_mask(w, h, 8, h - 3, w - 8, h - 1.5, 1), t.ACCENT + (255,))
    return img


def wide_close(state):
    img = wd.push_button(51, 24, "over" if state == "over" else "normal", "primary" if state == "over" else "plain")
    w, h = p.size_of(img)
    c = (w / 2, h / 2)
    m = p.union(p.polyline_mask(w, h, [(c[0] - 4, c[1] - 4), (c[0] + 4, c[1] + 4)], 1.7),
                p.polyline_mask(w, h, [(c[0] + 4, c[1] - 4), (c[0] - 4, c[1] + 4)], 1.7))
    p.paint(img, m, (255, 255, 255, 255) if state == "over" else (170, 176, 188, 255))
    return img


def insert_button(state):
    img = wd.push_button(58, 25, state)
    w, h = p.size_of(img)
    c = (w / 2, h / 2)
    ink = (255, 255, 255, 255) if state == "over" else (170, 176, 188, 255)
    p.paint(img, p.union(p.rect_mask(w, h, c[0] - 5, c[1] - 0.9, c[0] + 5, c[1] + 0.9, 0.8),
                         p.rect_mask(w, h, c[0] - 0.9, c[1] - 5, c[0] + 0.9, c[1] + 5, 0.8)), ink)
    return img


def save_png(img, path):
    path.parent.mkdir(parents=True, exist_ok=True)
    img.convert("RGBA").save(path, "PNG", optimize=True)


def scaled_path(path, scale):
    """Where a skin file's image at a scale lives: beside it, "@2x" before the extension."""
    return path if scale == 1 else path.with_name(f"{path.stem}@{scale}x{path.suffix}")


def write_all(manifest, root):
    """Returns the skin folder, every file written, and each scaled file with its 1x file and its scale."""
    folder = root / "assets/runtime/Skins" / manifest["skin_folder"]
    written, doubles = [], []
    for scale in p.SCALES:
        with p.at_scale(scale):
            skin = Skin(manifest)
            skin.render()
            outputs = [(folder / n.lstrip("/"), skin.expected_size(n), skin.images[n]) for n in skin.all_names()]
            outputs += [(root / res["path"], res["size"], frame.scroll_thumb(*res["size"]))
                        for res in manifest["resources"]]
        for base, logical_size, img in outputs:
            target = scaled_path(base, scale)
            if img.size != tuple(scale * v for v in logical_size):
                raise SystemExit(f"{target}: rendered {img.size}, the manifest says {logical_size} at {scale}x")
            save_png(img, target)
            written.append(target)
            if scale != 1:
                doubles.append((base, target, scale))
        if scale == 1:
            sheet_entries = [(n, skin.images[n]) for n in skin.all_names()]
    (root / HEADER).parent.mkdir(parents=True, exist_ok=True)
    (root / HEADER).write_text(header.render(manifest, family_members), encoding="utf-8")
    written.append(root / HEADER)
    save_png(sheet.contact_sheet(sheet_entries), root / CONTACT_SHEET)
    written.append(root / CONTACT_SHEET)
    return folder, written, doubles


def verify(manifest):
    with tempfile.TemporaryDirectory(prefix="skin-verify-") as tmp:
        tmp = pathlib.Path(tmp)
        folder, written, doubles = write_all(manifest, tmp)
        problems = []
        for path in written:
            committed = REPO / path.relative_to(tmp)
            if not committed.exists():
                problems.append(f"missing in the repository: {committed.relative_to(REPO)}")
            elif not filecmp.cmp(path, committed, shallow=False):
                problems.append(f"differs from a fresh rendering: {committed.relative_to(REPO)}")
        for one, scaled, scale in doubles:
            one, scaled = REPO / one.relative_to(tmp), REPO / scaled.relative_to(tmp)
            if one.exists() and scaled.exists():
                with Image.open(one) as a, Image.open(scaled) as b:
                    if b.size != (scale * a.width, scale * a.height):
                        problems.append(f"not {scale} times the size of its 1x image: {scaled.relative_to(REPO)} "
                                        f"is {b.size}, {one.name} is {a.size}")
        committed_folder = REPO / folder.relative_to(tmp)
        fresh = {q.relative_to(folder) for q in folder.rglob("*") if q.is_file()}
        for q in committed_folder.rglob("*"):
            if q.is_file() and q.relative_to(committed_folder) not in fresh:
                problems.append(f"not made by the generator: {q.relative_to(REPO)}")
        for line in problems:
            print(line)
        print(f"{len(written)} generated files checked, {len(problems)} problems")
        return 1 if problems else 0


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--root", type=pathlib.Path, default=REPO, help="write below this folder instead")
    ap.add_argument("--verify", action="store_true", help="compare a fresh rendering with the committed files")
    args = ap.parse_args()
    manifest = json.loads(MANIFEST.read_text(encoding="utf-8"))
    if args.verify:
        return verify(manifest)
    folder, written, _ = write_all(manifest, args.root)
    print(f"{len(written)} files written; skin in {folder}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
