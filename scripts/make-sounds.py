#!/usr/bin/env python3
"""Writes the button sounds resources/over.wav and resources/click.wav.

Both are short, quiet, mono 16-bit tones with a fast fade, made here from
nothing but arithmetic so the repository holds their source. Run from the
repository root: python3 scripts/make-sounds.py
"""
import math
import os
import struct
import wave

RATE = 22050


def tone(parts, volume):
    """parts: (frequency in Hz, duration in seconds) played one after another."""
    samples = []
    for freq, seconds in parts:
        count = int(RATE * seconds)
        for i in range(count):
            t = i / RATE
            attack = min(1.0, i / (RATE * 0.002))   # 2 ms rise, no click at the start
            decay = math.exp(-6.0 * i / count)       # fades to a fraction by the end
            samples.append(volume * attack * decay * math.sin(2 * math.pi * freq * t))
    return samples


def write(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(s * 32767)) for s in samples))


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
    os.makedirs(root, exist_ok=True)
    # Hover: one soft, high blip.
    write(os.path.join(root, "over.wav"), tone([(1760, 0.035)], 0.12))
    # Click: a lower double tick.
    write(os.path.join(root, "click.wav"), tone([(880, 0.025), (660, 0.04)], 0.2))


if __name__ == "__main__":
    main()
