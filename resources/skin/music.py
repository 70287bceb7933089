"""The default draw music: a bright, driving loop of about half a minute, as
16-bit PCM WAV content (it plays on every Windows without extra codecs, under
the file name sound.wma the draw program looks for)."""
import math

RATE = 11025
BPM = 132
# Chord roots over eight bars (C, A minor, F, G), each with its triad.
PROGRESSION = [(261.63, (0, 4, 7)), (220.00, (0, 3, 7)), (174.61, (0, 4, 7)), (196.00, (0, 4, 7))]
BARS = 16


def _note(freq, length, volume, samples_out, start, decay):
    for i in range(length):
        t = i / RATE
        envelope = min(1.0, i / 40) * math.exp(-decay * t)
        # A soft square-ish tone: the fundamental with two odd harmonics.
        phase = 2 * math.pi * freq * t
        value = math.sin(phase) + 0.25 * math.sin(3 * phase) + 0.1 * math.sin(5 * phase)
        samples_out[start + i] += volume * envelope * value


def draw_music():
    eighth = int(RATE * 60 / BPM / 2)
    total = eighth * 8 * BARS
    out = [0.0] * (total + RATE)
    for bar in range(BARS):
        root, triad = PROGRESSION[bar % len(PROGRESSION)]
        bar_start = bar * eighth * 8
        # Bass on every beat, an octave below the root.
        for beat in range(4):
            _note(root / 2, eighth * 2, 10000, out, bar_start + beat * eighth * 2, 3.0)
        # A rising and falling arpeggio in eighths, an octave above.
        pattern = [0, 1, 2, 1, 0, 1, 2, 3]
        for step, index in enumerate(pattern):
            semitones = triad[index] if index < 3 else 12
            freq = root * 2 * 2 ** (semitones / 12)
            _note(freq, eighth, 7200, out, bar_start + step * eighth, 6.0)
        # A tick on the off-beats keeps the tension up.
        for beat in range(4):
            start = bar_start + beat * eighth * 2 + eighth
            for i in range(200):
                out[start + i] += 3500 * math.exp(-i / 30) * (1 if (i * 7919) % 13 > 6 else -1)
    fade = RATE // 2
    for i in range(fade):
        out[total - fade + i] *= 1 - i / fade
    return out[:total], RATE
