#!/usr/bin/env python3
"""Synthesises the game's sound effects as 16-bit mono PCM WAV files.

Usage: sfxgen.py ASSET_FOLDER      (prints each file's length)

Everything is made from sine waves and seeded noise, so the files come out
byte for byte the same on every run.
"""

import array
import math
import os
import random
import sys
import wave

SEED = 7341
FULL_SCALE = 32767
# The player mixes at 44100 Hz; effects made at that rate are not resampled,
# and resampling overshoots on noisy attacks until they clip.
RATE = 44100


def write_wav(path, rate, samples, peak=0.9):
    """Scales the samples to `peak` of full scale (silence stays silence)."""
    loudest = max((abs(s) for s in samples), default=0.0)
    scale = peak * FULL_SCALE / loudest if loudest > 0 else 0.0
    data = array.array("h", (max(-FULL_SCALE, min(FULL_SCALE, round(s * scale)))
                             for s in samples))
    if sys.byteorder == "big":
        data.byteswap()
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(data.tobytes())
    print(f"{path}: {len(samples) / rate:.2f} s, {rate} Hz")


def envelope(t, attack, decay):
    """A quick linear attack, then an exponential decay (time constant `decay`)."""
    if t < attack:
        return t / attack
    return math.exp(-(t - attack) / decay)


def fade_out(samples, rate, seconds):
    """Ramps the last `seconds` to zero so no file ends with a click."""
    count = min(len(samples), int(rate * seconds))
    for i in range(count):
        samples[len(samples) - count + i] *= (count - i) / count
    return samples


def explosion(rng, rate, seconds, thump_from, thump_to, noise_decay, darkness):
    """Low-passed noise with a falling cutoff over a pitch-dropping thump."""
    count = int(rate * seconds)
    out, low, phase = [], 0.0, 0.0
    for i in range(count):
        t = i / rate
        progress = t / seconds
        cutoff = 3200.0 * (1.0 - progress) ** darkness + 150.0
        alpha = 1.0 - math.exp(-2.0 * math.pi * cutoff / rate)
        low += alpha * (rng.uniform(-1.0, 1.0) - low)
        frequency = thump_to + (thump_from - thump_to) * math.exp(-t / 0.06)
        phase += 2.0 * math.pi * frequency / rate
        thump = math.sin(phase) * envelope(t, 0.003, seconds * 0.35)
        noise = low * 2.2 * envelope(t, 0.002, noise_decay)
        out.append(math.tanh(1.6 * (noise + 0.8 * thump)))
    return fade_out(out, rate, 0.03)


def bang1(rng):
    rate = RATE
    return rate, explosion(rng, rate, 0.42, 180.0, 55.0, 0.09, 1.5)


def bang2(rng):
    """Heavier: a longer, darker body and a second crack shortly after the first."""
    rate = RATE
    body = explosion(rng, rate, 0.62, 120.0, 32.0, 0.16, 2.5)
    crack = explosion(rng, rate, 0.25, 400.0, 90.0, 0.04, 1.0)
    start = int(rate * 0.07)
    for i, value in enumerate(crack):
        body[start + i] += 0.6 * value
    return rate, fade_out(body, rate, 0.05)


def ching(rng):
    """Inharmonic partials like a struck small cymbal or bell, high ones dying first."""
    rate = RATE
    seconds = 0.7
    partials = [(1870.0, 1.0, 0.30), (2960.0, 0.7, 0.22), (4210.0, 0.55, 0.16),
                (5530.0, 0.4, 0.12), (7080.0, 0.3, 0.08), (9350.0, 0.2, 0.05)]
    phases = [rng.uniform(0.0, 2.0 * math.pi) for _ in partials]
    out = []
    for i in range(int(rate * seconds)):
        t = i / rate
        value = sum(amplitude * math.sin(2.0 * math.pi * frequency * t + phase) *
                    envelope(t, 0.001, decay)
                    for (frequency, amplitude, decay), phase in zip(partials, phases))
        # The strike itself: a few milliseconds of bright noise.
        value += rng.uniform(-1.0, 1.0) * 0.8 * envelope(t, 0.0005, 0.004)
        # A slow shimmer, as two close partials beat against each other.
        value *= 1.0 + 0.15 * math.sin(2.0 * math.pi * 9.0 * t)
        out.append(value)
    return rate, fade_out(out, rate, 0.05)


def tone(frequency, t, length):
    """A bright chip-like note: odd harmonics, a soft attack and release."""
    if t < 0.0 or t >= length:
        return 0.0
    shape = min(1.0, t / 0.01) * min(1.0, (length - t) / 0.04) * math.exp(-t / 0.9)
    wave_value = sum(math.sin(2.0 * math.pi * frequency * n * t) / n for n in (1, 3, 5))
    return shape * (wave_value + 0.5 * math.sin(2.0 * math.pi * frequency * 2.0 * t))


def note_frequency(midi_number):
    return 440.0 * 2.0 ** ((midi_number - 69) / 12.0)


def demo_jingle(rng):
    """The opening logo: a skipping climb up a major chord and a ringing landing."""
    rate = RATE
    seconds = 2.05
    # (MIDI note, start s, length s)
    notes = [(67, 0.00, 0.14), (72, 0.15, 0.14), (76, 0.30, 0.14), (79, 0.45, 0.14),
             (77, 0.60, 0.14), (81, 0.75, 0.14), (84, 0.90, 1.10), (76, 0.90, 1.10),
             (79, 0.90, 1.10), (60, 0.90, 1.10), (48, 0.00, 0.55), (55, 0.45, 0.40)]
    sparkle_times = [0.95 + 0.09 * k + rng.uniform(0.0, 0.03) for k in range(8)]
    out = []
    for i in range(int(rate * seconds)):
        t = i / rate
        value = sum(tone(note_frequency(n), t - start, length) * (0.6 if n < 60 else 1.0)
                    for n, start, length in notes)
        for k, start in enumerate(sparkle_times):
            if 0.0 <= t - start < 0.08:
                s = t - start
                value += 0.25 * math.sin(2.0 * math.pi * note_frequency(96 + k % 3 * 4) * s) * \
                    math.exp(-s / 0.02)
        out.append(value)
    return rate, fade_out(out, rate, 0.1)


def silence(_rng):
    rate = RATE
    return rate, [0.0] * int(rate * 0.05)


EFFECTS = [
    ("Bang1.Wav", bang1, 0.85),
    ("Bang2.Wav", bang2, 0.9),
    ("Ching.Wav", ching, 0.75),
    ("ZTDEMO.WAV", demo_jingle, 0.8),
    ("Dummy.wav", silence, 0.0),
]


def main(argv):
    if len(argv) != 2:
        print(__doc__.split("\n\n", 1)[0], file=sys.stderr)
        return 2
    for name, make, peak in EFFECTS:
        rng = random.Random(f"{SEED}:{name}")
        rate, samples = make(rng)
        write_wav(os.path.join(argv[1], name), rate, samples, peak)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
