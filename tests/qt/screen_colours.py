#!/usr/bin/python3
"""Checks colours on an XWD screenshot of the calculator after a calculation.

Each result field's text must stand out from its ground by at least 4.5:1 (WCAG AA), and the
command buttons must show their designed colours solid. Rectangles are the design's, in pixels.
Usage: screen_colours.py SCREENSHOT.xwd
"""
import struct
import sys
from collections import Counter

# Result fields after the area was given: every field but the area's.
RESULT_FIELDS = {
    "страна": (144, 40), "периметър": (144, 72), "медиана": (144, 136),
    "височина": (144, 168), "ъглополовяща": (144, 200), "R описана": (376, 40),
    "r вписана": (376, 72),
}
FIELD_SIZE = (97, 27)
BUTTONS = {"Изчисли": ((264, 136), (128, 255, 128)), "Изтрий": ((352, 184), (255, 0, 0))}
BUTTON_SIZE = (121, 33)


def read_xwd(path):
    """The pixels of a 24- or 32-bit TrueColor XWD file as rows of (r, g, b)."""
    data = open(path, "rb").read()
    header = struct.unpack(">25I", data[:100])
    size, width, height = header[0], header[4], header[5]
    byte_order, bits_per_pixel, bytes_per_line = header[7], header[11], header[12]
    masks, colours = header[14:17], header[19]
    if bits_per_pixel != 32:
        sys.exit(f"FAIL: {bits_per_pixel} bits per pixel; the check reads 32")
    start = size + 12 * colours
    order = "<" if byte_order == 0 else ">"
    shifts = [(mask & -mask).bit_length() - 1 for mask in masks]
    rows = []
    for y in range(height):
        line = data[start + y * bytes_per_line:start + y * bytes_per_line + 4 * width]
        rows.append([tuple((p & m) >> s for m, s in zip(masks, shifts))
                     for (p,) in struct.iter_unpack(order + "I", line)])
    return rows


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    high, low = sorted((luminance(a), luminance(b)), reverse=True)
    return (high + 0.05) / (low + 0.05)


def region(pixels, left, top, width, height, inset):
    return [pixels[y][x] for y in range(top + inset, top + height - inset)
            for x in range(left + inset, left + width - inset)]


def main():
    pixels = read_xwd(sys.argv[1])
    failures = []
    for name, (left, top) in RESULT_FIELDS.items():
        inside = region(pixels, left, top, *FIELD_SIZE, inset=3)  # within the frame
        ground = Counter(inside).most_common(1)[0][0]
        text = max(set(inside), key=lambda rgb: contrast(rgb, ground))
        ratio = contrast(text, ground)
        print(f"  {name}: text {text} on {ground}: {ratio:.1f}:1")
        if ratio < 4.5:
            failures.append(f"{name}: text contrast {ratio:.1f}:1 is below 4.5:1")
    for name, ((left, top), colour) in BUTTONS.items():
        inside = region(pixels, left, top, *BUTTON_SIZE, inset=1)  # within the border
        share = sum(rgb == colour for rgb in inside) / len(inside)
        print(f"  {name}: {share:.0%} of it is exactly {colour}")
        if share < 0.6:
            common = Counter(inside).most_common(1)[0][0]
            failures.append(f"{name}: only {share:.0%} is {colour}; most is {common}")
    for failure in failures:
        print(f"FAIL: {failure}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
