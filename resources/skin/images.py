"""The pictures of the skin and the programs' own icon, cursors and bitmaps."""
import os
import math

import music
from bitmaps import Canvas, bmp24_rows, bmp32_bytes, bmp_bytes, icon_bytes, wav_bytes


def _write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def _icon():
    c = Canvas(32, 32, (128, 0, 64))
    c.fill_rect(4, 4, 28, 28, (255, 255, 255))
    c.fill_rect(8, 8, 24, 24, (220, 30, 30))
    return c


def _hand_cursor():
    c = Canvas(32, 32, (0, 0, 0))
    for y in range(32):
        for x in range(32):
            c.alpha[y][x] = 0
    # A simple pointing hand: finger up from the hot spot (6, 0), palm below.
    for y in range(0, 20):
        for x in range(5, 9):
            c.set(x, y, (255, 255, 255) if 5 < x < 8 and 0 < y else (0, 0, 0))
    for y in range(9, 22):
        for x in range(4, 18):
            edge = x in (4, 17) or y == 21
            c.set(x, y, (0, 0, 0) if edge else (255, 255, 255))
    return c


def _drag_cursor():
    c = Canvas(32, 32, (0, 0, 0))
    for y in range(32):
        for x in range(32):
            c.alpha[y][x] = 0
    # Arrow with its tip at the hot spot (4, 4) and a small drag rectangle.
    for i in range(12):
        for x in range(4, 4 + i + 1):
            c.set(x, 4 + i, (255, 255, 255) if x not in (4, 4 + i) else (0, 0, 0))
    for x in range(12, 22):
        c.set(x, 18, (0, 0, 0)); c.set(x, 25, (0, 0, 0))
    for y in range(18, 26):
        c.set(12, y, (0, 0, 0)); c.set(21, y, (0, 0, 0))
    return c


def _glyph(kind, colour):
    c = Canvas(12, 12, (255, 255, 255))
    for i in range(12):
        c.set(i, 0, colour); c.set(i, 11, colour); c.set(0, i, colour); c.set(11, i, colour)
    if kind == "close":
        c.line(3, 3, 8, 8, colour); c.line(8, 3, 3, 8, colour)
    elif kind == "minimize":
        c.line(3, 8, 8, 8, colour)
    else:
        for row, (a, b) in enumerate([(3, 8), (4, 7), (5, 6)]):
            c.line(a, 5 + row, b, 5 + row, colour)
    return c


def _logo():
    """The about box's logo, 180 x 80: a cup of lots on a pale blue card,
    one lot drawn out and tipped red."""
    w, h = 180, 80
    c = Canvas(w, h, (255, 255, 255))
    c.fill_shape(_rounded_rect(0, 0, w, h, 10), lambda x, y: (
        round(228 - 28 * y / h), round(238 - 22 * y / h), 255))
    stick = (214, 178, 112)
    for i, (x, top) in enumerate([(58, 22), (70, 16), (82, 20), (106, 8)]):
        c.fill_shape(_rounded_rect(x, top, x + 6, 64, 2), lambda x_, y_: stick)
        if i == 3:
            c.fill_shape(_rounded_rect(x, top, x + 6, top + 10, 2), lambda x_, y_: (220, 40, 40))
    def cup(x, y):
        t = (y - 40) / 32
        return 0 <= t <= 1 and 44 + 12 * t <= x <= 124 - 12 * t
    c.fill_shape(cup, lambda x, y: (40, 80, 160))
    c.fill_shape(_rounded_rect(40, 38, 128, 44, 2), lambda x, y: (70, 110, 190))
    return c


def write_program_resources(rc_dir):
    _write(os.path.join(rc_dir, "ravelo.ico"), icon_bytes([_icon()]))
    _write(os.path.join(rc_dir, "hand.cur"), icon_bytes([_hand_cursor()], [(6, 0)]))
    _write(os.path.join(rc_dir, "drag.cur"), icon_bytes([_drag_cursor()], [(4, 4)]))
    light, dark = (120, 170, 255), (0, 40, 140)
    for name, kind in [("close", "close"), ("minimize", "minimize"), ("menu", "menu")]:
        _write(os.path.join(rc_dir, name + ".bmp"), bmp_bytes(_glyph(kind, light)))
        _write(os.path.join(rc_dir, name + "_hover.bmp"), bmp_bytes(_glyph(kind, dark)))
    _write(os.path.join(rc_dir, "logo.bmp"), bmp_bytes(_logo()))


def _button(label_colour, width=58, height=22):
    c = Canvas(width, height, label_colour)
    for x in range(width):
        c.set(x, 0, (255, 255, 255)); c.set(x, height - 1, (60, 60, 60))
    return c


# The draw window's background: 1024 x 768, so that the largest window a
# 1024 x 768 projector allows is covered. Deep navy, lighter at the top and
# behind the caption and text line (centred in the default 600 x 450 content
# area), with a faint diagonal weave and a little noise against banding.
STAGE_SIZE = (1024, 768)
_STAGE_TOP = (34, 40, 76)
_STAGE_BOTTOM = (9, 11, 24)
_STAGE_GLOW = (18, 22, 46)
_STAGE_GLOW_CENTRE = (300, 205)
_STAGE_GLOW_RADII = (360.0, 230.0)


def _smoothstep(t):
    t = max(0.0, min(1.0, t))
    return t * t * (3 - 2 * t)


def _stage_row(y):
    # Most of the fall from top to bottom colour happens within the default
    # 450 pixels; below that the picture darkens slowly.
    t = 0.82 * _smoothstep(y / 450) + 0.18 * min(1.0, y / STAGE_SIZE[1])
    base = [a + (b - a) * t for a, b in zip(_STAGE_TOP, _STAGE_BOTTOM)]
    cx, cy = _STAGE_GLOW_CENTRE
    rx, ry = _STAGE_GLOW_RADII
    dy = ((y - cy) / ry) ** 2
    row = bytearray()
    for x in range(STAGE_SIZE[0]):
        d = ((x - cx) / rx) ** 2 + dy
        glow = (1 - d) ** 2 if d < 1 else 0.0
        weave = 3.0 if (x + y) % 9 == 0 or (x - y) % 9 == 0 else 0.0
        noise = (((x * 73856093) ^ (y * 19349663)) & 0xFF) / 255 - 0.5
        r, g, b = (min(255, max(0, round(v + glow * gv + weave + noise)))
                   for v, gv in zip(base, _STAGE_GLOW))
        row += bytes((b, g, r))
    return bytes(row)


def stage_background_bmp():
    return bmp24_rows(STAGE_SIZE[0], STAGE_SIZE[1], _stage_row)


# The command buttons I_cmd(1..4): dark glass pills with a coloured symbol,
# 32-bit BMP with transparent corners so that the background shows around them.
BUTTON_SIZE = (48, 24)
_BUTTON_SYMBOLS = {
    "start": (96, 222, 140),
    "stop": (255, 188, 82),
    "reload": (104, 186, 255),
    "configure": (222, 228, 242),
}


def _rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return x0 <= x <= x1 and y0 <= y <= y1 and (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def _triangle(a, b, c):
    def side(p, q, x, y):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

    def inside(x, y):
        s1, s2, s3 = side(a, b, x, y), side(b, c, x, y), side(c, a, x, y)
        return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)
    return inside


def _symbol(kind, cx, cy):
    """The symbol's inside-test, centred on (cx, cy), about 12 pixels tall."""
    if kind == "start":
        return _triangle((cx - 4, cy - 6), (cx + 6.5, cy), (cx - 4, cy + 6))
    if kind == "stop":  # the pause bars: a stop keeps the drawn name
        left = _rounded_rect(cx - 5, cy - 5.5, cx - 1.5, cy + 5.5, 1)
        right = _rounded_rect(cx + 1.5, cy - 5.5, cx + 5, cy + 5.5, 1)
        return lambda x, y: left(x, y) or right(x, y)
    if kind == "reload":
        head = _triangle((cx + 2.2, cy - 9.2), (cx + 8.2, cy - 4.6), (cx + 1.6, cy - 1.2))

        def ring(x, y):
            dx, dy = x - cx, y - cy
            d2 = dx * dx + dy * dy
            # An open ring from about one o'clock round to twelve.
            return 3.6 ** 2 <= d2 <= 6.0 ** 2 and not (dx > -0.5 and dy < 0 and dx < 6.5 and dy > -6.5
                                                        and dx > -dy * 0.35)
        return lambda x, y: ring(x, y) or head(x, y)
    # configure: a gear with eight teeth and a hole
    def gear(x, y):
        dx, dy = x - cx, y - cy
        d = math.hypot(dx, dy)
        angle = math.atan2(dy, dx) % (2 * math.pi / 8)
        outer = 6.4 if angle < (2 * math.pi / 8) * 0.5 else 4.9
        return 2.2 <= d <= outer
    return gear


def command_button(kind):
    w, h = BUTTON_SIZE
    c = Canvas(w, h, (0, 0, 0))
    for y in range(h):
        for x in range(w):
            c.alpha[y][x] = 0
    top, bottom = (74, 86, 128), (30, 36, 60)

    def face(x, y):
        t = y / (h - 1)
        base = [a + (b - a) * t for a, b in zip(top, bottom)]
        # A faint sheen over the upper half.
        sheen = 0.12 * max(0.0, 1 - y / (h * 0.45))
        return tuple(round(v + (255 - v) * sheen) for v in base)

    c.fill_shape(_rounded_rect(0, 0, w, h, 7), lambda x, y: (112, 128, 176))  # rim
    c.fill_shape(_rounded_rect(1, 1, w - 1, h - 1, 6), face)  # glass
    colour = _BUTTON_SYMBOLS[kind]
    c.fill_shape(_symbol(kind, w / 2, h / 2), lambda x, y: colour)
    return c


def write_skin(common):
    _write(os.path.join(common, "back.pte"), stage_background_bmp())
    for i, kind in enumerate(["start", "stop", "reload", "configure"], start=1):
        _write(os.path.join(common, f"but{i}.pte"), bmp32_bytes(command_button(kind)))
    _write(os.path.join(common, "helpbox.pte"), bmp_bytes(Canvas(250, 100, (255, 255, 220))))
    _write(os.path.join(common, "ibg.pte"), bmp_bytes(Canvas(649, 449, (245, 248, 255))))
    _write(os.path.join(common, "ihc.pte"), bmp_bytes(Canvas(649, 28, (90, 130, 200))))
    for name, colour in [("enter", (60, 140, 220)), ("cancel", (150, 150, 150)), ("mor", (90, 170, 90)),
                         ("save", (60, 140, 220))]:
        _write(os.path.join(common, name + ".pte"), bmp_bytes(_button(colour)))
        _write(os.path.join(common, "m" + name + ".pte"), bmp_bytes(_button(tuple(min(255, v + 50) for v in colour))))
    for n in (1, 2):
        _write(os.path.join(common, f"i{n}.pte"), bmp_bytes(Canvas(48, 48, (200, 200, 230))))
    for n, colour in enumerate([(0, 128, 0), (0, 0, 0), (64, 0, 128), (128, 0, 128), (0, 64, 128), (255, 0, 128)], 1):
        _write(os.path.join(common, f"style{n}.pte"), bmp_bytes(Canvas(25, 25, colour)))
    samples, rate = music.draw_music()
    _write(os.path.join(common, "sound.wma"), wav_bytes(samples, rate))
