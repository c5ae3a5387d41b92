#!/usr/bin/env python3
"""Writes a Standard MIDI File (format 1) from a note-list text.

Usage: midigen.py SOURCE.txt OUTPUT.mid      (prints the piece's length)

The note-list format, one statement a line; a word starting with '#' starts
a comment (F#4 is a pitch):

  tempo 132                quarter notes per minute (whole piece)
  meter 4/4                time signature; '|' in a track checks bar lines
  tail 0.6                 seconds the last notes may ring before the end
  gain 0.7                 loudness of the whole piece, as an amplitude
                           factor (0-1) on every track's volume
  track NAME key=value...  starts a track; keys:
                             program  General MIDI program 1-128 as GM lists
                                      print them (1 piano, 57 trumpet, ...)
                             channel  1-16; 10 is the GM drum kit
                             volume, pan, reverb, chorus   0-127
                             velocity default note velocity (0-127)
                             gate     share of each step a note sounds (0.9)
                             transpose semitones added to every note

Inside a track, events are separated by commas or new lines:

  C5 q                     pitch and duration; pitch C4 = middle C (60),
  F#3 e. 90                sharps '#', flats 'b', optional velocity
  C4+E4+G4 h               a chord: pitches joined by '+'
  kick+hat e               drum names (kick snare clap hat pedalhat openhat
                           crash crash2 ride bell splash china tom1..tom6
                           tamb triangle cowbell) or plain note numbers
  r q                      a rest
  |                        bar line: the time so far must fill whole bars
  vel 80                   change the default velocity
  run A3 A5 e 50 110 [2,1] notes from A3 towards A5 stepping by the listed
                           intervals (default 1), velocity rising 50 -> 110
  roll snare 3 s 30 100    repeated notes filling 3 beats, velocity rising
  arp A3+C4+E4 e 8 [mode]  8 notes cycling the chord: asis (default), up,
                           updown
  repeat 4 ... end         the enclosed events four times (may nest)

Durations are in quarter-note beats: w=4 h=2 q=1 e=1/2 s=1/4 z=1/8,
t=1/3 (eighth triplet), x=1/6 (sixteenth triplet); a trailing '.' adds
half again; numbers like 3, 1.5 or 3/4 are beats too.
"""

import re
import sys
from fractions import Fraction

TICKS_PER_BEAT = 480
DRUMS = {
    "kick": 36, "kick2": 35, "snare": 38, "snare2": 40, "clap": 39,
    "hat": 42, "pedalhat": 44, "openhat": 46, "crash": 49, "crash2": 57,
    "ride": 51, "bell": 53, "splash": 55, "china": 52, "tom1": 50,
    "tom2": 48, "tom3": 47, "tom4": 45, "tom5": 43, "tom6": 41,
    "tamb": 54, "triangle": 81, "cowbell": 56,
}
DURATIONS = {
    "w": Fraction(4), "h": Fraction(2), "q": Fraction(1), "e": Fraction(1, 2),
    "s": Fraction(1, 4), "z": Fraction(1, 8), "t": Fraction(1, 3), "x": Fraction(1, 6),
}
COMMENT = re.compile(r"(^|\s)#.*")  # '#' opens a comment only at a word's start
SEMITONES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


class SourceError(Exception):
    pass


def parse_pitch(text):
    if text in DRUMS:
        return DRUMS[text]
    if text.isdigit():
        value = int(text)
    else:
        letter = text[:1].upper()
        if letter not in SEMITONES:
            raise SourceError(f"not a pitch: {text}")
        rest, value = text[1:], SEMITONES[letter]
        while rest[:1] in ("#", "b"):
            value += 1 if rest[0] == "#" else -1
            rest = rest[1:]
        try:
            value += 12 * (int(rest) + 1)
        except ValueError:
            raise SourceError(f"not a pitch: {text}") from None
    if not 0 <= value <= 127:
        raise SourceError(f"pitch out of range: {text}")
    return value


def parse_duration(text):
    base = text.rstrip(".")
    dots = len(text) - len(base)
    try:
        beats = DURATIONS[base] if base in DURATIONS else Fraction(base)
    except ValueError:
        raise SourceError(f"not a duration: {text}") from None
    if beats <= 0:
        raise SourceError(f"duration must be positive: {text}")
    return beats * (Fraction(3, 2) ** dots)


def parse_int(text, low, high, what):
    try:
        value = int(text)
    except ValueError:
        raise SourceError(f"{what} is not a number: {text}") from None
    if not low <= value <= high:
        raise SourceError(f"{what} out of range {low}-{high}: {text}")
    return value


class Track:
    def __init__(self, name, options):
        self.name = name
        self.program = parse_int(options.get("program", "1"), 1, 128, "program")
        self.channel = parse_int(options.get("channel", "1"), 1, 16, "channel")
        self.controls = [(number, parse_int(options[key], 0, 127, key))
                         for key, number in (("volume", 7), ("pan", 10), ("reverb", 91),
                                             ("chorus", 93)) if key in options]
        self.velocity = parse_int(options.get("velocity", "96"), 1, 127, "velocity")
        self.gate = Fraction(options.get("gate", "0.9"))
        self.transpose = parse_int(options.get("transpose", "0"), -48, 48, "transpose")
        self.notes = []  # (start beat, length beats, pitch, velocity)
        self.time = Fraction(0)

    def play(self, pitches, beats, velocity):
        for pitch in pitches:
            if self.channel != 10:
                pitch += self.transpose
            if not 0 <= pitch <= 127:
                raise SourceError("transposed pitch out of range")
            self.notes.append((self.time, beats * self.gate, pitch, velocity))
        self.time += beats


def ramp(first, last, index, count):
    if count <= 1:
        return last
    return round(first + (last - first) * index / (count - 1))


class Piece:
    def __init__(self):
        self.tempo = 120
        self.meter = (4, 4)
        self.tail = 0.6
        self.gain = 1.0
        self.tracks = []

    def bar_beats(self):
        return Fraction(self.meter[0] * 4, self.meter[1])

    def seconds(self, beats):
        return float(beats) * 60.0 / self.tempo

    def length_beats(self):
        ends = [start + length for track in self.tracks for start, length, _, _ in track.notes]
        return max(ends, default=Fraction(0))


def tokenize(text):
    """Lines to statements: (line number, words)."""
    statements = []
    for number, line in enumerate(text.splitlines(), 1):
        line = COMMENT.sub("", line).replace("|", ",|,")
        for part in line.split(","):
            words = part.split()
            if words:
                statements.append((number, words))
    return statements


def run_events(piece, track, statements, position):
    """Runs statements from position until 'end'; returns the index after it."""
    while position < len(statements):
        number, words = statements[position]
        position += 1
        head = words[0]
        try:
            if head == "end":
                return position
            if head == "repeat":
                count = parse_int(words[1], 1, 1000, "repeat count")
                after = position
                for _ in range(count):
                    after = run_events(piece, track, statements, position)
                position = after
            elif head == "|":
                if track.time % piece.bar_beats() != 0:
                    raise SourceError(f"bar line at beat {float(track.time)}, not a whole bar")
            elif head == "vel":
                track.velocity = parse_int(words[1], 1, 127, "velocity")
            elif head == "run":
                run(track, words[1:])
            elif head == "roll":
                roll(track, words[1:])
            elif head == "arp":
                arpeggio(track, words[1:])
            elif head == "r":
                track.time += parse_duration(words[1])
            else:
                pitches = [parse_pitch(p) for p in head.split("+")]
                velocity = track.velocity
                if len(words) > 2:
                    velocity = parse_int(words[2], 1, 127, "velocity")
                track.play(pitches, parse_duration(words[1]), velocity)
        except IndexError:
            raise SourceError(f"line {number}: missing value in '{' '.join(words)}'") from None
        except SourceError as error:
            raise SourceError(f"line {number}: {error}") from None
    return position


def run(track, words):
    low, high = parse_pitch(words[0]), parse_pitch(words[1])
    beats = parse_duration(words[2])
    first, last = parse_int(words[3], 1, 127, "velocity"), parse_int(words[4], 1, 127, "velocity")
    steps = [int(s) for s in words[5].split(",")] if len(words) > 5 else [1]
    if any(step <= 0 for step in steps):
        raise SourceError("run steps must be positive")
    direction = 1 if high >= low else -1
    pitches, pitch, index = [], low, 0
    while (high - pitch) * direction >= 0:
        pitches.append(pitch)
        pitch += direction * steps[index % len(steps)]
        index += 1
    for index, pitch in enumerate(pitches):
        track.play([pitch], beats, ramp(first, last, index, len(pitches)))


def roll(track, words):
    pitch = parse_pitch(words[0])
    total, beats = parse_duration(words[1]), parse_duration(words[2])
    first, last = parse_int(words[3], 1, 127, "velocity"), parse_int(words[4], 1, 127, "velocity")
    count = int(total / beats)
    if count * beats != total:
        raise SourceError("roll length is not a whole number of strokes")
    for index in range(count):
        track.play([pitch], beats, ramp(first, last, index, count))


def arpeggio(track, words):
    chord = [parse_pitch(p) for p in words[0].split("+")]
    beats = parse_duration(words[1])
    count = parse_int(words[2], 1, 1000, "arpeggio length")
    mode = words[3] if len(words) > 3 else "asis"
    if mode == "up":
        cycle = sorted(chord)
    elif mode == "updown":
        ordered = sorted(chord)
        cycle = ordered + ordered[-2:0:-1]
    elif mode == "asis":
        cycle = chord
    else:
        raise SourceError(f"unknown arpeggio mode: {mode}")
    for index in range(count):
        track.play([cycle[index % len(cycle)]], beats, track.velocity)


def parse_piece(text):
    piece = Piece()
    statements = tokenize(text)
    position = 0
    while position < len(statements):
        number, words = statements[position]
        position += 1
        try:
            if words[0] == "tempo":
                piece.tempo = parse_int(words[1], 20, 300, "tempo")
            elif words[0] == "meter":
                top, bottom = words[1].split("/")
                piece.meter = (parse_int(top, 1, 32, "meter"), parse_int(bottom, 1, 32, "meter"))
            elif words[0] == "tail":
                piece.tail = float(words[1])
            elif words[0] == "gain":
                piece.gain = float(words[1])
                if not 0.0 < piece.gain <= 1.0:
                    raise SourceError("gain must be above 0 and at most 1")
            elif words[0] == "track":
                options = dict(word.split("=", 1) for word in words[2:])
                track = Track(words[1], options)
                piece.tracks.append(track)
                position = run_track(piece, track, statements, position)
            else:
                raise SourceError(f"unknown statement '{words[0]}' outside a track")
        except (IndexError, ValueError):
            raise SourceError(f"line {number}: bad '{' '.join(words)}'") from None
    if not piece.tracks:
        raise SourceError("no tracks")
    return piece


def run_track(piece, track, statements, position):
    """Track events run until the next top-level statement."""
    end = position
    while end < len(statements) and statements[end][1][0] not in ("track", "tempo", "meter",
                                                                  "tail", "gain"):
        end += 1
    body = statements[position:end]
    if run_events(piece, track, body, 0) != len(body):
        raise SourceError(f"track {track.name}: 'end' without 'repeat'")
    return end


def variable_length(value):
    data = [value & 0x7F]
    value >>= 7
    while value:
        data.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(data))


def meta(kind, payload):
    return bytes([0xFF, kind]) + variable_length(len(payload)) + payload


def chunk(kind, payload):
    return kind + len(payload).to_bytes(4, "big") + payload


def track_chunk(events, end_tick):
    """events: (tick, order, bytes); note-offs sort before note-ons at a tick."""
    data, now = bytearray(), 0
    for tick, _, message in sorted(events, key=lambda e: (e[0], e[1])):
        data += variable_length(tick - now) + message
        now = tick
    data += variable_length(max(0, end_tick - now)) + meta(0x2F, b"")
    return chunk(b"MTrk", bytes(data))


def ticks(beats):
    return int(round(beats * TICKS_PER_BEAT))


def write_midi(piece, title):
    beats = piece.length_beats()
    end_tick = ticks(beats) + int(round(piece.tail * piece.tempo / 60.0 * TICKS_PER_BEAT))
    tempo = int(round(60_000_000 / piece.tempo))
    top, bottom = piece.meter
    conductor = [
        (0, 0, meta(0x03, title.encode("ascii", "replace"))),
        (0, 1, meta(0x51, tempo.to_bytes(3, "big"))),
        (0, 2, meta(0x58, bytes([top, bottom.bit_length() - 1, 24, 8]))),
    ]
    chunks = [track_chunk(conductor, end_tick)]
    for track in piece.tracks:
        channel = track.channel - 1
        events = [(0, 0, meta(0x03, track.name.encode("ascii", "replace")))]
        if track.channel != 10:
            events.append((0, 1, bytes([0xC0 | channel, track.program - 1])))
        controls = dict(track.controls)
        # General MIDI volume is a squared curve: amplitude ~ (volume/127)^2.
        controls[7] = max(1, round(controls.get(7, 100) * piece.gain ** 0.5))
        for order, (control, value) in enumerate(sorted(controls.items()), 2):
            events.append((0, order, bytes([0xB0 | channel, control, value])))
        for start, length, pitch, velocity in track.notes:
            on = ticks(start)
            off = max(on + 1, ticks(start + length))
            events.append((on, 20, bytes([0x90 | channel, pitch, velocity])))
            events.append((off, 10, bytes([0x80 | channel, pitch, 64])))
        chunks.append(track_chunk(events, end_tick))
    header = chunk(b"MThd", (1).to_bytes(2, "big") + len(chunks).to_bytes(2, "big") +
                   TICKS_PER_BEAT.to_bytes(2, "big"))
    return header + b"".join(chunks), piece.seconds(beats) + piece.tail


def main(argv):
    if len(argv) != 3:
        print(__doc__.split("\n\n", 1)[0], file=sys.stderr)
        return 2
    source, target = argv[1], argv[2]
    try:
        with open(source, encoding="utf-8") as handle:
            piece = parse_piece(handle.read())
    except SourceError as error:
        print(f"{source}: {error}", file=sys.stderr)
        return 1
    lengths = {track.name: float(track.time) for track in piece.tracks}
    if len(set(lengths.values())) > 1:
        print(f"{source}: note: tracks end at different beats {lengths}", file=sys.stderr)
    title = source.rsplit("/", 1)[-1].rsplit(".", 1)[0]
    data, seconds = write_midi(piece, title)
    with open(target, "wb") as handle:
        handle.write(data)
    print(f"{target}: {seconds:.2f} s, {len(piece.tracks)} tracks")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
