"""The contact sheet: every skin file, scaled to fit a cell, over a checkerboard that shows transparency,
with its name underneath."""
from PIL import Image, ImageDraw

import paint as p

COLUMNS = 8
CELL_W, CELL_H = 180, 150
THUMB_W, THUMB_H = 168, 118


def _checker(w, h, a=(34, 36, 41), b=(44, 46, 52), step=6):
    img = Image.new("RGBA", (w, h), a + (255,))
    d = ImageDraw.Draw(img)
    for y in range(0, h, step):
        for x in range((y // step) % 2 * step, w, 2 * step):
            d.rectangle([x, y, x + step - 1, y + step - 1], fill=b + (255,))
    return img


def contact_sheet(entries):
    rows = (len(entries) + COLUMNS - 1) // COLUMNS
    sheet = Image.new("RGBA", (COLUMNS * CELL_W, rows * CELL_H + 36), (14, 15, 18, 255))
    d = ImageDraw.Draw(sheet)
    d.text((12, 10), f"Default skin: {len(entries)} files", font=p.font("sans-bold", 14), fill=(230, 232, 236))
    label = p.font("sans", 9)
    for i, (name, img) in enumerate(entries):
        cx, cy = (i % COLUMNS) * CELL_W, (i // COLUMNS) * CELL_H + 36
        scale = min(1.0, THUMB_W / img.width, THUMB_H / img.height)
        if img.width * scale < 24 and img.height * scale < 24:
            scale = min(4.0, THUMB_W / img.width, THUMB_H / img.height)
        tw, th = max(1, round(img.width * scale)), max(1, round(img.height * scale))
        thumb = img.resize((tw, th), Image.LANCZOS if scale < 1 else Image.NEAREST)
        box_x, box_y = cx + (CELL_W - THUMB_W) // 2, cy + 6
        sheet.paste(_checker(THUMB_W, THUMB_H), (box_x, box_y))
        sheet.alpha_composite(thumb, (box_x + (THUMB_W - tw) // 2, box_y + (THUMB_H - th) // 2))
        text = name
        while d.textlength(text, font=label) > CELL_W - 8:
            text = "…" + text[2:]
        d.text((cx + CELL_W / 2, cy + THUMB_H + 14), text, font=label, fill=(190, 194, 204), anchor="mm")
        d.text((cx + CELL_W / 2, cy + THUMB_H + 25), f"{img.width} x {img.height}", font=label,
               fill=(110, 116, 128), anchor="mm")
    return sheet
