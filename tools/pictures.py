#!/usr/bin/env python3
"""Builds every picture of the game as XPM from the text layers in assets/src/pictures.

Each layer is a grid of palette letters ('.' lets the layer below show through). A layer
marked `sym` holds only its left half and is mirrored; `symodd` mirrors all but the last
column, for odd widths. The recipes below stack layers into the finished pictures.

Run from anywhere:  python3 tools/pictures.py
"""
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SRC = os.path.join(ROOT, "assets", "src", "pictures")
OUT = os.path.join(ROOT, "assets", "pictures")

# The 16 colours the game may use. One letter per colour, also used in the XPMs.
PALETTE = {
    "k": "#000000", "b": "#000080", "g": "#008000", "c": "#008080",
    "r": "#800000", "m": "#800080", "y": "#808000", "w": "#C0C0C0",
    "a": "#808080", "B": "#0000FF", "G": "#00FF00", "C": "#00FFFF",
    "R": "#FF0000", "M": "#FF00FF", "Y": "#FFFF00", "W": "#FFFFFF",
}
CLEAR = "."


class Layer:
    def __init__(self, name, rows, ox=0, oy=0):
        self.name = name
        self.ox, self.oy = ox, oy
        self.w = max((len(r) for r in rows), default=0)
        self.h = len(rows)
        self.rows = [r.ljust(self.w, CLEAR) for r in rows]

    def at(self, x, y):
        return self.rows[y][x]

    def mirrored(self):
        return Layer(self.name, [r[::-1] for r in self.rows])

    def scaled(self, f):
        rows = []
        for r in self.rows:
            wide = "".join(ch * f for ch in r)
            rows.extend([wide] * f)
        return Layer(self.name, rows)

    def halved(self):
        """Half size; each 2x2 block takes its commonest colour if it is at least half filled."""
        rows = []
        for y in range(0, self.h - 1, 2):
            row = ""
            for x in range(0, self.w - 1, 2):
                block = [self.rows[y + dy][x + dx] for dy in (0, 1) for dx in (0, 1)]
                solid = [ch for ch in block if ch != CLEAR]
                if len(solid) < 2:
                    row += CLEAR
                else:
                    row += max(solid, key=lambda ch: (solid.count(ch), ch.isupper()))
            rows.append(row)
        return Layer(self.name, rows)

    def recoloured(self, mapping):
        return Layer(self.name, ["".join(mapping.get(ch, ch) for ch in r) for r in self.rows])

    def cropped(self, x0, y0, x1, y1):
        return Layer(self.name, [r[x0:x1] for r in self.rows[y0:y1]])


def load_layers():
    layers = {}
    for fname in sorted(os.listdir(SRC)):
        if not fname.endswith(".txt"):
            continue
        name, mode, rows, at = None, "", [], (0, 0)

        def finish():
            if name is None:
                return
            if name in layers:
                sys.exit(f"{fname}: layer {name} defined twice")
            if mode in ("sym", "symodd") and any(len(r) != len(rows[0]) for r in rows):
                sys.exit(f"{fname}: layer {name}: mirrored rows differ in length")
            if mode == "sym":
                full = [r.ljust(max(len(x) for x in rows), CLEAR) for r in rows]
                full = [r + r[::-1] for r in full]
            elif mode == "symodd":
                full = [r.ljust(max(len(x) for x in rows), CLEAR) for r in rows]
                full = [r + r[-2::-1] for r in full]
            else:
                full = rows
            for i, r in enumerate(full):
                bad = set(r) - set(PALETTE) - {CLEAR}
                if bad:
                    sys.exit(f"{fname}: layer {name} row {i}: unknown letters {sorted(bad)}")
            layers[name] = Layer(name, full, *at)

        with open(os.path.join(SRC, fname), encoding="ascii") as f:
            for line in f:
                line = line.rstrip("\n").rstrip()
                if line.startswith("=="):
                    finish()
                    parts = line[2:].split()
                    name, mode, rows, at = parts[0], "", [], (0, 0)
                    for p in parts[1:]:
                        if p.startswith("@"):
                            at = tuple(int(v) for v in p[1:].split(","))
                        else:
                            mode = p
                elif line.startswith("#") or not line.strip():
                    continue
                elif name is not None:
                    rows.append(line.strip())
            finish()
    return layers


class Canvas:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[CLEAR] * w for _ in range(h)]

    def stamp(self, layer, x0=None, y0=None):
        x0 = layer.ox if x0 is None else x0
        y0 = layer.oy if y0 is None else y0
        for y in range(layer.h):
            for x in range(layer.w):
                ch = layer.at(x, y)
                if ch == CLEAR:
                    continue
                cx, cy = x0 + x, y0 + y
                if 0 <= cx < self.w and 0 <= cy < self.h:
                    self.px[cy][cx] = ch
        return self

    def put(self, x, y, ch):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = ch

    def get(self, x, y):
        return self.px[y][x]

    def as_layer(self, name="canvas"):
        return Layer(name, ["".join(r) for r in self.px])


def write_xpm(name, canvas, opaque):
    rows = ["".join(r) for r in canvas.px]
    if opaque:
        rows = [r.replace(CLEAR, "k") for r in rows]
    used = sorted(set("".join(rows)))
    lines = [f"{canvas.w} {canvas.h} {len(used)} 1"]
    for ch in used:
        lines.append(f"{ch} c {'None' if ch == CLEAR else PALETTE[ch]}")
    lines.extend(rows)
    body = ",\n".join(f'"{s}"' for s in lines)
    text = f"/* XPM */\nstatic const char* {name}_xpm[] = {{\n{body}\n}};\n"
    with open(os.path.join(OUT, name + ".xpm"), "w", encoding="ascii") as f:
        f.write(text)


# ---------------------------------------------------------------- recipes

def disc(canvas, cx, cy, r, ch, ring=None):
    """Fills a disc; with ring, only the band between ring and r."""
    for y in range(canvas.h):
        for x in range(canvas.w):
            d = (x - cx) ** 2 + (y - cy) ** 2
            if d <= r * r and (ring is None or d > ring * ring):
                canvas.put(x, y, ch)


def capsule(light, dark):
    """The capsule that carries a Wing: a rounded frame in the Wing's colours."""
    c = Canvas(32, 32)

    def inside(x, y, x0, y0, x1, y1, r):
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    for y in range(32):
        for x in range(32):
            if inside(x, y, 3, 3, 28, 28, 6):
                c.put(x, y, "k")
            elif inside(x, y, 1.5, 1.5, 29.5, 29.5, 7.5):
                c.put(x, y, light)
            elif inside(x, y, 0.5, 0.5, 30.5, 30.5, 8):
                c.put(x, y, dark)
    for x, y in ((5, 3), (4, 4), (3, 5), (6, 3), (3, 6)):
        c.put(x, y, "W")
    return c


def wing_emblem(layer):
    """The Wing pair without the hero between them, trimmed to what is drawn."""
    rows = [r[:11] + CLEAR * 2 + r[21:] for r in layer.rows]
    filled = [i for i, r in enumerate(rows) if r.strip(CLEAR)]
    return Layer(layer.name, rows[filled[0]:filled[-1] + 1])


def comet():
    """Head at the lower right, tail fading towards the upper left."""
    c = Canvas(17, 17)
    hx, hy = 11.5, 11.5
    for y in range(17):
        for x in range(17):
            dx, dy = x - hx, y - hy
            along = -(dx + dy) / 2 ** 0.5      # distance up the tail
            across = abs(dx - dy) / 2 ** 0.5
            head = (dx * dx + dy * dy) ** 0.5
            if head <= 1.6:
                ch = "W"
            elif head <= 2.7:
                ch = "Y"
            elif head <= 3.6:
                ch = "R"
            elif along > 0 and across < 3.4 * (1 - along / 17):
                glow = 1 - along / 15 - across / 3.2
                ch = "Y" if glow > 0.55 else "R" if glow > 0.3 else "r" if glow > 0.1 else None
                if ch is None:
                    continue
            else:
                continue
            c.put(x, y, ch)
    return c


def mirror_beam():
    """A beam segment that tiles upwards; glints run across it diagonally."""
    cols = "kbBcCCWWWWCCcBbk"
    c = Canvas(16, 32)
    for y in range(32):
        for x in range(16):
            ch = cols[x]
            if 2 <= x <= 13 and (x + y) % 16 in (0, 1):
                ch = "W" if (x + y) % 16 == 0 else ("C" if ch in "bBc" else "W")
            c.put(x, y, ch)
    return c


def heart(c):
    """A large heart filling most of the icon."""
    for y in range(32):
        for x in range(32):
            u, v = (x - 15.5) / 13.0, -(y - 14.0) / 13.0
            f = (u * u + v * v - 1) ** 3 - u * u * v ** 3
            if f <= 0:
                inner = (u * u * 1.25 + v * v * 1.25 - 1) ** 3 - u * u * v ** 3 * 1.4
                c.put(x, y, "R" if inner <= 0 else "r")
    for x, y in ((8, 7), (7, 8), (7, 9), (9, 6), (10, 6)):
        c.put(x, y, "W")


def icon_game(L):
    """The game's window icon: the golden Q with white wings."""
    c = Canvas(32, 32)
    c.stamp(L["wing1_10"].recoloured({"Y": "W", "y": "w"}))
    disc(c, 15.5, 15.5, 10.2, "y")
    disc(c, 15.5, 15.5, 9.4, "Y", ring=6.2)
    disc(c, 15.5, 15.5, 6.2, "b")
    for i in range(6):
        c.put(19 + i, 20 + i, "Y")
        c.put(20 + i, 20 + i, "Y")
        c.put(19 + i, 21 + i, "y")
    for x, y in ((11, 12), (12, 11), (11, 13)):
        c.put(x, y, "W")
    return c


def icon_demo(L):
    """The opening demo's icon: the hero's face on a star."""
    c = Canvas(32, 32)
    import math
    pts = []
    for i in range(10):
        r = 15.5 if i % 2 == 0 else 6.5
        a = -math.pi / 2 + i * math.pi / 5
        pts.append((15.5 + r * math.cos(a), 17 + r * math.sin(a)))
    for y in range(32):
        for x in range(32):
            inside = False
            for i in range(10):
                (x1, y1), (x2, y2) = pts[i], pts[(i + 1) % 10]
                if (y1 > y + 0.5) != (y2 > y + 0.5):
                    if x + 0.5 < x1 + (y + 0.5 - y1) * (x2 - x1) / (y2 - y1):
                        inside = not inside
            if inside:
                c.put(x, y, "Y")
    head = L["hero1"].cropped(8, 3, 24, 16)
    c.stamp(head, 8, 11)
    return c


# Hats that go with a costume item: the part of the costume drawing to copy.
ITEM_HATS = {6: (6, 1, 26, 6), 7: (10, 3, 22, 6)}

# Main colours of each Wing, for the ring of its item orb.
WING_COLOURS = {
    1: ("G", "g"), 2: ("R", "r"), 3: ("B", "b"), 4: ("M", "m"), 5: ("C", "c"),
    6: ("w", "a"), 7: ("W", "w"), 8: ("Y", "R"), 9: ("M", "b"),
}


def build(L):
    pics = {}  # name -> (canvas, opaque)

    def single(name, layer, w, h, opaque, x=0, y=0):
        pics[name] = (Canvas(w, h).stamp(L[layer], x, y), opaque)

    for i in range(7):
        single(f"enemy{i}", f"enemy{i}", 32, 16, True)
    single("shot1", "shot1", 17, 17, True)
    single("shot2", "shot2", 17, 17, True)
    single("bomb", "bomb", 16, 32, True)
    pics["comet"] = (comet(), True)
    single("zbang", "zbang", 32, 16, True)
    pics["mirror"] = (mirror_beam(), True)
    pics["icon_game"] = (icon_game(L), False)
    pics["icon_demo"] = (icon_demo(L), False)

    # Edition 1: the hero over each Wing; the items carry the Wing at half size.
    for n in range(11):
        c = Canvas(32, 32)
        if n:
            c.stamp(L[f"wing1_{n:02d}"])
        c.stamp(L["hero1"])
        if f"wing1_{n:02d}_front" in L:
            c.stamp(L[f"wing1_{n:02d}_front"])
        pics[f"wing1_{n:02d}"] = (c, False)
    for n in range(1, 10):
        light, dark = WING_COLOURS[n]
        c = capsule(light, dark)
        emblem = L.get(f"emblem1_{n:02d}") or wing_emblem(L[f"wing1_{n:02d}"])
        c.stamp(emblem, 4, 16 - (emblem.h + 1) // 2)
        pics[f"item1_{n:02d}"] = (c, False)
    c = Canvas(32, 32).stamp(L["sparkles"]).stamp(L["battery"])
    c.stamp(L["letterE"], 12, 11)
    pics["item1_10"] = (c, False)

    # Edition 2: the girl in each costume; the items show the costume on a hanger.
    for n in range(11):
        c = Canvas(32, 32)
        if f"dress2_{n:02d}_back" in L:
            c.stamp(L[f"dress2_{n:02d}_back"])
        c.stamp(L["girl2"])
        c.stamp(L[f"dress2_{n:02d}"])
        pics[f"wing2_{n:02d}"] = (c, False)
    c = Canvas(32, 32).stamp(L["sparkles"])
    heart(c)
    c.stamp(L["letterE"].recoloured({"Y": "W"}), 12, 10)
    pics["item2_10"] = (c, False)
    for n in range(1, 10):
        if f"item2_{n:02d}" in L:
            single(f"item2_{n:02d}", f"item2_{n:02d}", 32, 32, False)
            continue
        c = Canvas(32, 32).stamp(L["hanger"], 1, 0)
        dress = Canvas(32, 32).stamp(L[f"dress2_{n:02d}"]).as_layer()
        c.stamp(dress.cropped(8, 15, 24, 25).scaled(2), 0, 8)
        if n in ITEM_HATS:  # the costume's hat hangs on the hook
            x0, y0, x1, y1 = ITEM_HATS[n]
            c.stamp(dress.cropped(x0, y0, x1, y1), x0, 0)
        if f"item2_{n:02d}_front" in L:
            c.stamp(L[f"item2_{n:02d}_front"])
        pics[f"item2_{n:02d}"] = (c, False)

    # Opening demo: the hero standing, crouching, leaping, and cheering (the last two
    # are drawn at half size and doubled, as the hero hops towards us).
    pics["demo_pose2"] = (Canvas(37, 37).stamp(L["hero1"], 2, 8), False)
    single("demo_pose3", "pose3", 43, 37, False)
    pics["demo_pose4"] = (Canvas(42, 89).stamp(L["pose4"].scaled(2), 0, 1), False)
    pics["demo_pose5"] = (Canvas(58, 88).stamp(L["pose5"].scaled(2)), False)
    return pics


def main():
    L = load_layers()
    os.makedirs(OUT, exist_ok=True)
    pics = build(L)
    for name, (canvas, opaque) in sorted(pics.items()):
        write_xpm(name, canvas, opaque)
    print(f"wrote {len(pics)} pictures to {os.path.relpath(OUT, ROOT)}")


if __name__ == "__main__":
    main()
