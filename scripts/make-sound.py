#!/usr/bin/env python3
"""Writes the completion sound data/out.kvt: a short two-note chime as 16-bit mono WAV."""
import math
import os
import struct
import wave

RATE = 22050
path = os.path.join(os.path.dirname(__file__), "..", "data", "out.kvt")
frames = bytearray()
for freq, length in ((880.0, 0.12), (1318.5, 0.22)):
    n = int(RATE * length)
    for k in range(n):
        t = k / RATE
        envelope = min(1.0, k / 200) * (1 - k / n) ** 2
        sample = 0.45 * envelope * (math.sin(2 * math.pi * freq * t) + 0.3 * math.sin(4 * math.pi * freq * t))
        frames += struct.pack("<h", int(max(-1, min(1, sample)) * 32767))
with wave.open(path, "wb") as w:
    w.setnchannels(1)
    w.setsampwidth(2)
    w.setframerate(RATE)
    w.writeframes(bytes(frames))
