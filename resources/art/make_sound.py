#!/usr/bin/env python3
"""Writes notify.wav, the program's default notification sound: a short, soft two-note chime
(16-bit mono PCM, 22050 Hz). Run again only to change the sound; the file is kept in the tree."""
import math
import struct
import sys
import wave

RATE = 22050


def note(frequency, seconds, volume):
    count = int(RATE * seconds)
    samples = []
    for i in range(count):
        t = i / RATE
        # A quick attack and an exponential fade, with a quiet octave for some body.
        envelope = min(1.0, t / 0.005) * math.exp(-t * 7.0)
        value = math.sin(2 * math.pi * frequency * t) + 0.25 * math.sin(4 * math.pi * frequency * t)
        samples.append(int(volume * envelope * value / 1.25 * 32767))
    return samples


def main(path):
    samples = note(880.0, 0.16, 0.45) + note(1318.5, 0.42, 0.45)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(struct.pack("<%dh" % len(samples), *samples))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "notify.wav")
