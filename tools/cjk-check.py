#!/usr/bin/env python3
"""Fails when a screenshot shows the boxes a font draws for characters it has
no glyph for, where Chinese was meant to show.

    tools/cjk-check.py PICTURE...

A missing glyph is drawn as a hollow rectangle, taller than wide, the size of
a letter: the same box for every character. Dark text on the page is split
into its connected parts; two or more parts that are exactly such hollow
boxes mean a caption of boxes, not of characters. Real Chinese characters
are made of strokes, and frames, edits and lists are much wider than tall,
so neither counts. Needs ImageMagick's convert.
"""
import subprocess
import sys


def read_gray(path):
    data = subprocess.run(["convert", path, "-colorspace", "Gray", "-depth", "8", "pgm:-"],
                          check=True, capture_output=True).stdout
    # P5 header: magic, width, height, maxval, each ended by white space.
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    pos += 1
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos:pos + width * height]


def hollow_boxes(width, height, pixels, dark=200):
    ink = bytearray(1 if p < dark else 0 for p in pixels)
    seen = bytearray(width * height)
    boxes = 0
    for start in range(width * height):
        if not ink[start] or seen[start]:
            continue
        seen[start] = 1
        stack = [start]
        members = []
        while stack:
            i = stack.pop()
            members.append(i)
            x, y = i % width, i // width
            for j, ok in ((i - 1, x > 0), (i + 1, x < width - 1), (i - width, y > 0), (i + width, y < height - 1)):
                if ok and ink[j] and not seen[j]:
                    seen[j] = 1
                    stack.append(j)
        xs = [i % width for i in members]
        ys = [i // width for i in members]
        left, right, top, bottom = min(xs), max(xs), min(ys), max(ys)
        w, h = right - left + 1, bottom - top + 1
        if not (7 <= h <= 48 and 3 <= w < h):
            continue
        for t in (1, 2, 3):
            inner = max(0, w - 2 * t) * max(0, h - 2 * t)
            if len(members) != w * h - inner or inner == 0:
                continue
            # Every member on the rim of thickness t.
            if all(min(x - left, right - x, y - top, bottom - y) < t for x, y in zip(xs, ys)):
                boxes += 1
                break
    return boxes


def main(paths):
    failed = False
    for path in paths:
        boxes = hollow_boxes(*read_gray(path))
        if boxes >= 2:
            print(f"{path}: {boxes} missing-glyph boxes where Chinese should show", file=sys.stderr)
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
