"""Minimal writers for the picture formats the suite ships: 24-bit BMP,
32-bit icons and cursors, and 16-bit PCM WAV."""
import struct


class Canvas:
    """An RGB picture with a few drawing helpers; pixels are (r, g, b)."""

    def __init__(self, width, height, colour=(255, 255, 255)):
        self.width, self.height = width, height
        self.px = [[colour] * width for _ in range(height)]
        self.alpha = [[255] * width for _ in range(height)]

    def set(self, x, y, colour, alpha=255):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = colour
            self.alpha[y][x] = alpha

    def fill_rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.px[y][x] = colour

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.set(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)


def bmp_bytes(c):
    row = (c.width * 3 + 3) & ~3
    data = bytearray()
    for y in range(c.height - 1, -1, -1):
        line = bytearray()
        for r, g, b in c.px[y]:
            line += bytes((b, g, r))
        line += b"\0" * (row - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, c.width, c.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + bytes(data)


def _dib32(c):
    """The 32-bit BGRA DIB with AND mask that icon and cursor files hold."""
    info = struct.pack("<IiiHHIIiiII", 40, c.width, c.height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for y in range(c.height - 1, -1, -1):
        for x in range(c.width):
            r, g, b = c.px[y][x]
            xor += bytes((b, g, r, c.alpha[y][x]))
    mask_row = ((c.width + 31) // 32) * 4
    mask = bytearray()
    for y in range(c.height - 1, -1, -1):
        bits = bytearray(mask_row)
        for x in range(c.width):
            if c.alpha[y][x] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return info + bytes(xor) + bytes(mask)


def icon_bytes(canvases, cursor_hotspots=None):
    """An .ico (or, with hot spots, a .cur) holding the given canvases."""
    kind = 2 if cursor_hotspots else 1
    out = struct.pack("<HHH", 0, kind, len(canvases))
    offset = 6 + 16 * len(canvases)
    blobs = []
    for i, c in enumerate(canvases):
        blob = _dib32(c)
        a, b = cursor_hotspots[i] if cursor_hotspots else (1, 32)
        out += struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 0, 0, a, b, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b"".join(blobs)


def wav_bytes(samples, rate=22050):
    """16-bit mono PCM."""
    data = b"".join(struct.pack("<h", max(-32767, min(32767, int(s)))) for s in samples)
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body
