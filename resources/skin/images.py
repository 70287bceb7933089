"""The pictures of the skin and the programs' own icon, cursors and bitmaps."""
import os
import math

from bitmaps import Canvas, bmp_bytes, icon_bytes, wav_bytes


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


def write_program_resources(rc_dir):
    _write(os.path.join(rc_dir, "ravelo.ico"), icon_bytes([_icon()]))
    _write(os.path.join(rc_dir, "hand.cur"), icon_bytes([_hand_cursor()], [(6, 0)]))
    _write(os.path.join(rc_dir, "drag.cur"), icon_bytes([_drag_cursor()], [(4, 4)]))
    light, dark = (120, 170, 255), (0, 40, 140)
    for name, kind in [("close", "close"), ("minimize", "minimize"), ("menu", "menu")]:
        _write(os.path.join(rc_dir, name + ".bmp"), bmp_bytes(_glyph(kind, light)))
        _write(os.path.join(rc_dir, name + "_hover.bmp"), bmp_bytes(_glyph(kind, dark)))


def _button(label_colour, width=58, height=22):
    c = Canvas(width, height, label_colour)
    for x in range(width):
        c.set(x, 0, (255, 255, 255)); c.set(x, height - 1, (60, 60, 60))
    return c


def write_skin(common):
    back = Canvas(600, 450, (250, 246, 232))
    _write(os.path.join(common, "back.pte"), bmp_bytes(back))
    for i, colour in enumerate([(40, 160, 60), (200, 60, 40), (40, 110, 200), (150, 90, 30)], start=1):
        _write(os.path.join(common, f"but{i}.pte"), bmp_bytes(_button(colour, 48, 24)))
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
    rate = 22050
    tune = [523, 659, 784, 659]
    samples = [9000 * math.sin(2 * math.pi * tune[(i // (rate // 4)) % 4] * i / rate) for i in range(rate * 4)]
    _write(os.path.join(common, "sound.wma"), wav_bytes(samples, rate))
