#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Poolwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draw Poolwright's icon (PNG in every size, and SVG) and the About-window picture.

Run from the repository root:  python3 resources/tools/draw_pictures.py
Needs only Pillow (Debian: python3-pil). Everything is drawn large and scaled down, so edges come
out smooth; the random seed is fixed, so every run writes identical files.
"""
import math
import random
from pathlib import Path

from PIL import Image, ImageChops, ImageDraw, ImageFilter

ROOT = Path(__file__).resolve().parents[2]
ICONS = ROOT / "resources" / "icons"
PICTURES = ROOT / "resources" / "pictures"
SEED = 4711
ICON_SIZES = (16, 32, 48, 64, 128, 256)


def gradient(size, c1, c2, angle=90):
    """Linear blend c1 -> c2 across `size`; angle 90 runs top to bottom."""
    # A linear ramp survives bilinear scaling exactly, so compute it small.
    a = math.radians(angle)
    n = 64
    vals = [x * math.cos(a) + y * math.sin(a) for y in range(n) for x in range(n)]
    lo, hi = min(vals), max(vals)
    mask = Image.new("L", (n, n))
    mask.putdata([round(255 * (v - lo) / (hi - lo)) for v in vals])
    mask = mask.resize(size, Image.BILINEAR)
    return Image.composite(Image.new("RGB", size, c2), Image.new("RGB", size, c1), mask)


def shape_mask(size, polygon):
    mask = Image.new("L", size, 0)
    ImageDraw.Draw(mask).polygon(polygon, fill=255)
    return mask


def soften(mask, radius, level=128):
    """Blur a mask and re-cut it at `level`: rounds corners, keeps an AA edge."""
    blurred = mask.filter(ImageFilter.GaussianBlur(radius)) if radius else mask
    return blurred.point(lambda v: max(0, min(255, (v - level) * 24 + 128)))


def grow(mask, width):
    """Widen a mask by roughly `width` pixels (cutting a blur low grows it)."""
    return soften(mask, width / 1.8, level=10)


def kidney_mask(m):
    """A kidney: two lobes joined by a thick stroke, with a bite out of the top."""
    k = Image.new("L", (m, m), 0)
    d = ImageDraw.Draw(k)
    big, small = (0.63 * m, 0.58 * m, 0.24 * m), (0.34 * m, 0.45 * m, 0.19 * m)
    for cx, cy, r in (big, small):
        d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=255)
    d.line([big[:2], small[:2]], fill=255, width=round(0.34 * m))
    d.ellipse([0.29 * m, 0.40 * m, 0.67 * m, 0.79 * m], fill=255)   # keeps the belly convex
    d.ellipse([0.36 * m, 0.08 * m, 0.62 * m, 0.36 * m], fill=0)
    return soften(k, m * 0.035)


def draw_icon(m=512):
    """The master icon: kidney pool with a white rim on a patch of lawn."""
    img = Image.new("RGBA", (m, m), (0, 0, 0, 0))
    lawn = gradient((m, m), (128, 204, 84), (52, 134, 46), angle=60)
    stripes = ImageDraw.Draw(lawn, "RGBA")
    band = m / 7
    for k in range(-8, 16, 2):        # faint mowing stripes
        x0 = k * band
        stripes.polygon([(x0, 0), (x0 + band, 0), (x0 + band - m, m), (x0 - m, m)],
                        fill=(255, 255, 255, 16))
    patch = Image.new("L", (m, m), 0)
    inset = m * 0.03
    ImageDraw.Draw(patch).rounded_rectangle(
        [inset, inset, m - inset, m - inset], radius=m * 0.2, fill=255)
    img.paste(lawn, (0, 0), patch)

    pool = kidney_mask(m)
    rim_w = m * 0.06
    rim = grow(pool, rim_w)
    # Soft drop shadow so the rim still separates from pale grass.
    shadow = ImageChops.offset(rim, round(m * 0.015), round(m * 0.03))
    shadow = shadow.filter(ImageFilter.GaussianBlur(m * 0.02)).point(lambda v: v * 6 // 10)
    img.paste((24, 70, 28), (0, 0), ImageChops.multiply(shadow, patch))
    img.paste((150, 168, 172), (0, 0), grow(pool, rim_w + m * 0.012))
    img.paste((252, 252, 250), (0, 0), rim)

    water = gradient((m, m), (150, 224, 252), (22, 108, 204), angle=70)
    # Deeper shade under the top edge, where the pool wall hides the light.
    wall = ImageChops.subtract(pool, ImageChops.offset(pool, 0, round(m * 0.06)))
    water.paste((16, 80, 170), (0, 0), wall.filter(ImageFilter.GaussianBlur(m * 0.02))
                .point(lambda v: v * 5 // 10))
    wd = ImageDraw.Draw(water, "RGBA")
    for x0, y0, length in ((0.24, 0.52, 0.26), (0.50, 0.66, 0.26)):   # wavelets
        wave = [((x0 + length * i / 96) * m,
                 (y0 + 0.018 * math.sin(i / 96 * 3 * math.pi)) * m) for i in range(97)]
        for x, y in wave:   # a chain of dots strokes more smoothly than line()
            wd.ellipse([x - m * 0.011, y - m * 0.011, x + m * 0.011, y + m * 0.011],
                       fill=(236, 250, 255))
    img.paste(water, (0, 0), pool)
    return img


# --- About picture -----------------------------------------------------------
# Laid out on a 624x468 grid, drawn at S times that, then scaled down.
S = 2
HORIZON, VX, FOCAL = 150, 330, 290


def px(pts):
    return [(x * S, y * S) for x, y in pts]


def ground(u, d):
    """Patio point (u sideways, d away from camera) to picture coordinates."""
    return (VX + u * FOCAL / d, HORIZON + FOCAL / d)


def quad(u0, u1, d0, d1):
    return [ground(u0, d0), ground(u1, d0), ground(u1, d1), ground(u0, d1)]


def add_grain(img, amount, seed):
    """Monochrome film grain, so flat fills read as a photograph."""
    w, h = img.size
    noise = Image.frombytes("L", (w, h), random.Random(seed).randbytes(w * h))
    noise = noise.filter(ImageFilter.GaussianBlur(0.5)).point(
        lambda v: max(0, min(2 * amount, round((v - 128) * amount / 20 + amount))))
    return ImageChops.add(img, noise.convert("RGB"), 1.0, -amount)


def draw_backyard():
    rng = random.Random(SEED)
    size = (624 * S, 468 * S)
    img = gradient(size, (74, 136, 214), (198, 226, 244))
    d = ImageDraw.Draw(img, "RGBA")
    soft = lambda r: ImageFilter.GaussianBlur(r * S)

    clouds = Image.new("L", size, 0)
    for cx, cy, rx, ry in ((470, 40, 60, 14), (520, 55, 70, 12), (560, 30, 40, 10)):
        ImageDraw.Draw(clouds).ellipse(px([(cx - rx, cy - ry), (cx + rx, cy + ry)]), fill=200)
    img.paste((250, 252, 255), (0, 0), clouds.filter(soft(8)))

    # Hedge with a tree rising from it: many small leaf clumps, darker low down.
    for _ in range(2200):
        x, y = rng.uniform(400, 634), rng.uniform(90, 250)
        top = 150 - 55 * math.exp(-((x - 560) / 40) ** 2) + 6 * math.sin(x / 9)
        if y > top:
            r = rng.uniform(3, 8)
            g = max(50, int(165 - 0.9 * (y - top) + rng.randint(-30, 30)))
            d.ellipse(px([(x - r, y - r), (x + r, y + r)]), fill=(g // 3, g, g // 4 + 12))
    d.rectangle(px([(380, 238), (624, 262)]), fill=(92, 160, 60))

    # Patio tiles, each a shade apart; lawn takes over at the right edge.
    for i in range(-12, 12):
        for j in range(10):
            u0, d0 = i * 0.32, 0.82 + j * 0.32
            tone = rng.randint(-10, 10)
            col = (212 + tone, 194 + tone, 166 + tone) if u0 < 1.3 else (84, 156, 58)
            d.polygon(px(quad(u0, u0 + 0.32, d0, d0 + 0.32)), fill=col,
                      outline=(170, 156, 134) if u0 < 1.3 else None)

    # House wall with roof, window and sliding door.
    d.rectangle(px([(0, 44), (402, 252)]), fill=(236, 222, 196))
    d.rectangle(px([(402, 44), (410, 252)]), fill=(200, 186, 160))
    eave = Image.new("L", size, 0)
    ImageDraw.Draw(eave).rectangle(px([(0, 44), (410, 70)]), fill=110)
    img.paste((90, 70, 50), (0, 0), eave.filter(soft(6)))
    d.polygon(px([(-10, 46), (430, 46), (360, -5), (-10, -5)]), fill=(170, 84, 56))
    for y in range(4, 46, 7):  # rows of roof tiles
        d.line(px([(0, y), (360 + (y + 5) * 70 / 51, y)]), fill=(130, 60, 40), width=2 * S)
    d.rectangle(px([(-10, 40), (430, 48)]), fill=(120, 96, 78))
    for x0, y0, x1, y1 in ((40, 96, 118, 176), (156, 112, 306, 252)):
        d.rectangle(px([(x0 - 5, y0 - 5), (x1 + 5, y1)]), fill=(246, 246, 242))
        glass = gradient(((x1 - x0) * S, (y1 - y0 - 5) * S), (96, 130, 150), (42, 58, 70), 80)
        img.paste(glass, (x0 * S, y0 * S))
        for k in range(2):  # sky reflected in the glass
            sx = x0 + (x1 - x0) * (0.2 + 0.45 * k)
            d.polygon(px([(sx, y0), (sx + 14, y0), (sx - 6, y1 - 5), (sx - 20, y1 - 5)]),
                      fill=(220, 235, 245, 50))
        d.line(px([((x0 + x1) / 2, y0), ((x0 + x1) / 2, y1)]), fill=(246, 246, 242), width=4 * S)
    d.rectangle(px([(34, 176), (124, 182)]), fill=(226, 224, 216))
    d.ellipse(px([(314, 206), (356, 248)]), fill=(50, 110, 44))   # potted shrub
    d.ellipse(px([(322, 200), (348, 230)]), fill=(70, 138, 56))
    d.polygon(px([(322, 238), (348, 238), (344, 258), (326, 258)]), fill=(176, 92, 60))

    # The pool: coping, far inner wall, then water with ripples.
    d.polygon(px(quad(-1.06, 1.06, 1.0, 2.22)), fill=(244, 242, 236))
    water = shape_mask(size, px(quad(-0.93, 0.93, 1.12, 2.10)))
    w_layer = gradient(size, (60, 150, 200), (44, 186, 222))
    wd = ImageDraw.Draw(w_layer, "RGBA")
    fx0, fy = ground(-0.93, 2.10)
    fx1, _ = ground(0.93, 2.10)
    wd.rectangle(px([(fx0, fy), (fx1, fy + 12)]), fill=(80, 160, 200))
    wd.rectangle(px([(fx0, fy), (fx1, fy + 3)]), fill=(30, 70, 130))   # waterline tiles
    for _ in range(120):   # ripples shrink and crowd together with distance
        u, dd = rng.uniform(-0.9, 0.9), rng.uniform(1.15, 2.05)
        x, y = ground(u, dd)
        w, amp, ph = rng.uniform(10, 26) / dd, 1.8 / dd, rng.uniform(0, 6.3)
        wave = [(x - w + w * i / 6, y + amp * math.sin(ph + i * 1.1)) for i in range(13)]
        wd.line(px(wave), fill=(235, 250, 255, rng.randint(60, 150)),
                width=2 * S if dd < 1.5 else S)
    img.paste(w_layer.filter(soft(0.6)), (0, 0), water)
    shade = Image.new("L", size, 0)   # the far coping shades the wall below it
    ImageDraw.Draw(shade).rectangle(px([(fx0, fy), (fx1, fy + 5)]), fill=90)
    img.paste((10, 40, 80), (0, 0), ImageChops.multiply(shade.filter(soft(2)), water))

    # Umbrella behind the pool, sun lounger along its left side.
    sh = Image.new("L", size, 0)
    ImageDraw.Draw(sh).ellipse(px([(330, 256), (440, 276)]), fill=120)
    u0, u1, n0, nb, n1 = -1.40, -1.13, 1.22, 1.72, 1.95
    ImageDraw.Draw(sh).polygon(px(quad(u0 + 0.08, u1 + 0.12, n0, n1 + 0.15)), fill=110)
    img.paste((60, 50, 40), (0, 0), sh.filter(soft(4)))
    d.line(px([(395, 268), (395, 110)]), fill=(90, 80, 70), width=3 * S)
    ring = [(395 + 70 * math.cos(t / 10 * math.pi), 112 + 16 * math.sin(t / 10 * math.pi))
            for t in range(11)]
    for k in range(6):
        a, b = ring[2 * k % 10], ring[(2 * k + 1) % 10]
        d.polygon(px([(395, 88), a, b]), fill=(236, 96, 52) if k % 2 else (248, 240, 228))
    d.polygon(px([(395, 88)] + ring[:11]), outline=(200, 80, 40))

    def lift(u, dd, h):   # a point h units above the patio
        x, y = ground(u, dd)
        return (x, y - h * FOCAL / dd)

    edge = (160, 160, 156)
    for u in (u0 + 0.02, u1 - 0.02):
        for dd in (n0 + 0.04, nb):
            d.line(px([ground(u, dd), lift(u, dd, 0.1)]), fill=(110, 110, 106), width=2 * S)
    # Far to near, so nearer parts cover farther ones: backrest, side, foot, seat.
    for corners, fill in (
            ([(u0, nb, .1), (u1, nb, .1), (u1, n1, .42), (u0, n1, .42)], (232, 232, 228)),
            ([(u1, n0, .1), (u1, nb, .1), (u1, nb, .07), (u1, n0, .07)], (190, 190, 186)),
            ([(u0, n0, .1), (u1, n0, .1), (u1, n0, .07), (u0, n0, .07)], (200, 200, 196)),
            ([(u0, n0, .1), (u1, n0, .1), (u1, nb, .1), (u0, nb, .1)], (250, 250, 248))):
        d.polygon(px([lift(*c) for c in corners]), fill=fill, outline=edge)
    for k in range(1, 8):   # slats
        dd = n0 + (nb - n0) * k / 8
        d.line(px([lift(u0, dd, .1), lift(u1, dd, .1)]), fill=(214, 214, 210), width=S)
    # A beach towel across the seat adds a spot of colour.
    d.polygon(px([lift(u0, n0 + .12, .105), lift(u1, n0 + .12, .105),
                  lift(u1, n0 + .34, .105), lift(u0, n0 + .34, .105)]), fill=(246, 176, 64))

    # Sunlight from the upper left, then a gentle vignette like a real lens.
    light = gradient(size, (255, 255, 240), (170, 170, 176), angle=35)
    img = ImageChops.multiply(img, light.point(lambda v: min(255, v + 40)))
    vignette = Image.new("L", size, 0)
    ImageDraw.Draw(vignette).ellipse(px([(-80, -60), (704, 528)]), fill=255)
    img = ImageChops.multiply(img, vignette.filter(soft(60)).convert("RGB").point(
        lambda v: 190 + v * 65 // 255))
    return img


# --- Scalable icon ------------------------------------------------------------
def trace_outline(mask, level=127.5):
    """The outline of a mask as one closed list of points, at sub-pixel precision. The level
    lies between grey values, so that the outline never runs through a grid point."""
    w, h = mask.size
    v = mask.load()
    at = lambda x, y: v[x, y] if 0 <= x < w and 0 <= y < h else 0

    def cut(p, q):   # where the level falls between grid points p and q
        p, q = min(p, q), max(p, q)   # the same point from either neighbouring cell
        a, b = at(*p), at(*q)
        t = (level - a) / (b - a)
        return (p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1]))

    following = {}
    for y in range(-1, h):
        for x in range(-1, w):
            corners = [(x, y), (x + 1, y), (x + 1, y + 1), (x, y + 1)]
            inside = [at(*c) >= level for c in corners]
            crossings = [cut(corners[i], corners[(i + 1) % 4]) for i in range(4)
                         if inside[i] != inside[(i + 1) % 4]]
            if len(crossings) != 2:   # an empty, a full or (never here) a saddle cell
                continue
            # Orient each segment with the inside on its left, so they chain one way.
            edges = [i for i in range(4) if inside[i] != inside[(i + 1) % 4]]
            start = crossings[0] if inside[(edges[0] + 1) % 4] else crossings[1]
            end = crossings[1] if start is crossings[0] else crossings[0]
            following[start] = end
    point = next(iter(following))
    outline = []
    while point in following:
        outline.append(point)
        point = following.pop(point)
    return outline


def smooth_path(points, count, scale):
    """A closed path of cubic curves through `count` points spaced evenly along `points`."""
    lengths = [0.0]
    ring = points + points[:1]
    for a, b in zip(ring, ring[1:]):
        lengths.append(lengths[-1] + math.dist(a, b))
    picked, j = [], 0
    for k in range(count):
        target = lengths[-1] * k / count
        while lengths[j + 1] < target:
            j += 1
        t = (target - lengths[j]) / ((lengths[j + 1] - lengths[j]) or 1)
        a, b = ring[j], ring[j + 1]
        picked.append(((a[0] + t * (b[0] - a[0])) * scale, (a[1] + t * (b[1] - a[1])) * scale))
    f = lambda p: f"{p[0]:.1f},{p[1]:.1f}"
    path = [f"M{f(picked[0])}"]
    for i in range(count):   # Catmull-Rom through the points, as Bezier curves
        p0, p1, p2, p3 = (picked[(i + k) % count] for k in (-1, 0, 1, 2))
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        path.append(f"C{f(c1)} {f(c2)} {f(p2)}")
    return " ".join(path) + "Z"


def icon_svg(size=256):
    """The icon as SVG Tiny: the same kidney, rim, lawn and wavelets, without the textures."""
    m = 512
    s = size / m
    pool = smooth_path(trace_outline(kidney_mask(m)), 96, s)
    rim_w, inset = m * 0.06 * s, m * 0.03 * s
    waves = []
    for x0, y0, length in ((0.24, 0.52, 0.26), (0.50, 0.66, 0.26)):
        pts = [((x0 + length * i / 24) * size, (y0 + 0.018 * math.sin(i / 24 * 3 * math.pi)) * size)
               for i in range(25)]
        waves.append("M" + " L".join(f"{x:.1f},{y:.1f}" for x, y in pts))
    n = lambda v: f"{v:.1f}"
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="{size}" height="{size}" viewBox="0 0 {size} {size}">
  <title>Poolwright</title>
  <defs>
    <linearGradient id="lawn" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#80cc54"/>
      <stop offset="1" stop-color="#34862e"/>
    </linearGradient>
    <linearGradient id="water" x1="0.3" y1="0.1" x2="0.7" y2="0.9">
      <stop offset="0" stop-color="#96e0fc"/>
      <stop offset="1" stop-color="#166ccc"/>
    </linearGradient>
  </defs>
  <rect x="{n(inset)}" y="{n(inset)}" width="{n(size - 2 * inset)}" height="{n(size - 2 * inset)}" rx="{n(size * 0.2)}" fill="url(#lawn)"/>
  <path d="{pool}" transform="translate({n(size * 0.015)},{n(size * 0.03)})" fill="#18461c" fill-opacity="0.35" stroke="#18461c" stroke-opacity="0.35" stroke-width="{n(2 * rim_w)}" stroke-linejoin="round"/>
  <path d="{pool}" fill="#96a8ac" stroke="#96a8ac" stroke-width="{n(2 * rim_w + m * 0.024 * s)}" stroke-linejoin="round"/>
  <path d="{pool}" fill="#fcfcfa" stroke="#fcfcfa" stroke-width="{n(2 * rim_w)}" stroke-linejoin="round"/>
  <path d="{pool}" fill="url(#water)"/>
  <g fill="none" stroke="#ecfaff" stroke-width="{n(m * 0.022 * s)}" stroke-linecap="round" stroke-linejoin="round">
    <path d="{waves[0]}"/>
    <path d="{waves[1]}"/>
  </g>
</svg>
"""


def write_windows_icon():
    """The Windows icon (in the executable, the shortcuts and the installer): the PNGs above,
    every size in one .ico file."""
    images = [Image.open(ICONS / ("poolwright.png" if s == 32 else f"poolwright-{s}.png"))
              for s in ICON_SIZES]
    largest = images[-1]
    largest.save(ICONS / "poolwright.ico", sizes=[(s, s) for s in ICON_SIZES],
                 append_images=images[:-1])


def main():
    ICONS.mkdir(parents=True, exist_ok=True)
    PICTURES.mkdir(parents=True, exist_ok=True)
    icon = draw_icon()
    for s in ICON_SIZES:
        name = "poolwright.png" if s == 32 else f"poolwright-{s}.png"
        icon.resize((s, s), Image.LANCZOS).save(ICONS / name, optimize=True)
    write_windows_icon()
    (ICONS / "poolwright.svg").write_text(icon_svg())

    scene = draw_backyard()
    for scale, name in ((4, "backyard-pool@4x.jpg"), (1, "backyard-pool.jpg")):
        small = scene.resize((156 * scale, 117 * scale), Image.LANCZOS)
        small = small.filter(ImageFilter.UnsharpMask(1, 40, 2))
        small = add_grain(small, 2 + scale, SEED + scale)
        small.save(PICTURES / name, quality=90, optimize=True)


if __name__ == "__main__":
    main()
