"""Minimal writers for the picture formats the suite ships: 24-bit BMP,
32-bit BMP with transparency, 32-bit icons and cursors, and 16-bit PCM WAV; and
anti-aliased filling of shapes given as inside-tests."""
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

    def blend(self, x, y, colour, coverage):
        """Paints colour over the pixel with the given coverage (0..1); on a
        transparent pixel the coverage becomes its alpha."""
        if coverage <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        coverage = min(1.0, coverage)
        base_alpha = self.alpha[y][x] / 255
        out_alpha = coverage + base_alpha * (1 - coverage)
        if out_alpha <= 0:
            return
        old = self.px[y][x]
        mixed = tuple(
            round((c * coverage + o * base_alpha * (1 - coverage)) / out_alpha) for c, o in zip(colour, old))
        self.px[y][x] = mixed
        self.alpha[y][x] = round(out_alpha * 255)

    def fill_shape(self, inside, colour_at, box=None, samples=4):
        """Fills the shape inside(x, y) (pixel centres at +0.5) with
        colour_at(x, y), anti-aliased with samples x samples points a pixel."""
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        step = 1 / samples
        offsets = [(i + 0.5) * step for i in range(samples)]
        total = samples * samples
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                hits = sum(1 for dy in offsets for dx in offsets if inside(x + dx, y + dy))
                if hits:
                    self.blend(x, y, colour_at(x, y), hits / total)

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


def bmp32_bytes(c):
    """A 32-bit BMP with an alpha channel (BITMAPV5HEADER, straight alpha from
    c.alpha), which keeps transparent corners."""
    data = bytearray()
    for y in range(c.height - 1, -1, -1):
        for (r, g, b), a in zip(c.px[y], c.alpha[y]):
            data += bytes((b, g, r, a))
    info = struct.pack("<IiiHHIIiiII", 124, c.width, c.height, 1, 32, 3, len(data), 2835, 2835, 0, 0)
    info += struct.pack("<IIII", 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)
    info += struct.pack("<I", 0x73524742)  # LCS_sRGB
    info += b"\0" * 36 + b"\0" * 12  # end points, gamma: unused with sRGB
    info += struct.pack("<IIII", 4, 0, 0, 0)  # LCS_GM_IMAGES, no profile
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + bytes(data)


def bmp24_rows(width, height, row_at):
    """A 24-bit BMP whose rows come from row_at(y), each a bytes object of
    width * 3 bytes in B, G, R order; for pictures too large for a Canvas."""
    stride = (width * 3 + 3) & ~3
    pad = b"\0" * (stride - width * 3)
    data = b"".join(row_at(y) + pad for y in range(height - 1, -1, -1))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


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
