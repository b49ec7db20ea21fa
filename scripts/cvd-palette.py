#!/usr/bin/env python3
"""Checks that the charts' colours stay apart for the common colour-vision deficiencies.

Each palette is passed through the Machado, Oliveira and Fernandes (2009) simulation of
protanopia, deuteranopia and tritanopia (severity 1, applied in linear RGB), and the smallest
CIE76 colour difference between any two of its colours is printed. A difference under 15 fails.
"""
import itertools
import math
import sys

SIMULATIONS = {
    "protanopia": [[0.152286, 1.052583, -0.204868], [0.114503, 0.786281, 0.099216], [-0.003882, -0.048116, 1.051998]],
    "deuteranopia": [[0.367322, 0.860646, -0.227968], [0.280085, 0.672501, 0.047413], [-0.011820, 0.042940, 0.968881]],
    "tritanopia": [[1.255528, -0.076749, -0.178779], [-0.078411, 0.930809, 0.147602], [0.004733, 0.691367, 0.303900]],
}

# The colours as src/reports/ui draws them.
PALETTES = {
    "summary bands (BandParts)": ["882255", "d55e00", "009e73", "f0e442", "e69f00"],
    "target met / not met (BandParts)": ["007a5a", "b8460a"],
    "standard day: readings, Max, Min (frmR04)": ["0072b2", "d55e00", "009e73"],
    "overlay day: Max, Min, 70 and 180, median (OverlayChart)": ["d55e00", "cc79a7", "009e73", "0a2878"],
    "line graph: readings, limits (LineGraphWindow)": ["0000a0", "ff0000"],
}
SMALLEST = 15.0


def linear(channel):
    c = channel / 255
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4


def lab(rgb):
    r, g, b = rgb
    x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047
    y = 0.2126 * r + 0.7152 * g + 0.0722 * b
    z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883
    f = lambda t: t ** (1 / 3) if t > 0.008856 else 7.787 * t + 16 / 116
    return 116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))


def simulated(colour, matrix):
    rgb = [linear(int(colour[i:i + 2], 16)) for i in (0, 2, 4)]
    return lab([min(1, max(0, sum(matrix[row][k] * rgb[k] for k in range(3)))) for row in range(3)])


failed = False
for name, colours in PALETTES.items():
    print(name)
    for kind, matrix in SIMULATIONS.items():
        labs = [simulated(c, matrix) for c in colours]
        d, i, j = min((math.dist(labs[i], labs[j]), i, j) for i, j in itertools.combinations(range(len(colours)), 2))
        mark = "ok" if d >= SMALLEST else "TOO CLOSE"
        failed |= d < SMALLEST
        print(f"  {kind:13s} smallest difference {d:5.1f} (#{colours[i]} / #{colours[j]}) {mark}")
sys.exit(1 if failed else 0)
