#!/usr/bin/env python3
"""Writes bell.obj and bell.mtl: a golden bell with a loop on its crown, for
trying `pak import` (see "Re-skinning the show" in the README).

The bell stands on Y (as most modelling programs export) and has no normals,
so the importer computes smooth ones. Usage: bell.py [FOLDER]
"""
import math
import os
import sys

AROUND = 72  # segments around the axis

# The outer profile, (radius, height) from the lip up to the crown.
OUTER = [(1.00, 0.00), (0.97, 0.06), (0.88, 0.14), (0.76, 0.26), (0.66, 0.42), (0.61, 0.60),
         (0.58, 0.76), (0.55, 0.88), (0.48, 0.98), (0.36, 1.05), (0.20, 1.09), (0.0, 1.10)]
WALL = 0.06


def smooth(points, steps=4):
    """Catmull-Rom through the points, `steps` pieces between each pair."""
    out = []
    for i in range(len(points) - 1):
        p0 = points[max(i - 1, 0)]
        p1, p2 = points[i], points[i + 1]
        p3 = points[min(i + 2, len(points) - 1)]
        for s in range(steps):
            t = s / steps
            out.append(tuple(0.5 * ((2 * b) + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t * t +
                                    (-a + 3 * b - 3 * c + d) * t ** 3)
                             for a, b, c, d in zip(p0, p1, p2, p3)))
    out.append(points[-1])
    return out


def lathe(profile, vertices, faces, inward=False):
    """Turns a (radius, height) profile about Y; quads facing out (or in)."""
    base = len(vertices)
    for r, y in profile:
        for k in range(AROUND):
            a = 2 * math.pi * k / AROUND
            vertices.append((r * math.cos(a), y, -r * math.sin(a)))
    for i in range(len(profile) - 1):
        for k in range(AROUND):
            a = base + i * AROUND + k
            b = base + i * AROUND + (k + 1) % AROUND
            quad = [a, b, b + AROUND, a + AROUND]
            faces.append(quad[::-1] if inward else quad)


def torus(centre, ring, tube, vertices, faces):
    """A loop standing in the x-y plane."""
    base = len(vertices)
    n, m = 48, 16
    for i in range(n):
        u = 2 * math.pi * i / n
        for j in range(m):
            v = 2 * math.pi * j / m
            r = ring + tube * math.cos(v)
            vertices.append((centre[0] + r * math.cos(u), centre[1] + r * math.sin(u),
                             centre[2] + tube * math.sin(v)))
    for i in range(n):
        for j in range(m):
            a = base + i * m + j
            b = base + ((i + 1) % n) * m + j
            c = base + ((i + 1) % n) * m + (j + 1) % m
            d = base + i * m + (j + 1) % m
            faces.append([a, b, c, d])


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(folder, exist_ok=True)
    vertices, faces = [], []
    outer = smooth(OUTER)
    lathe(outer, vertices, faces)
    # The inside, a wall's thickness in, and the rounded lip joining the two.
    inner = [(max(r - WALL, 0.0), y + WALL * 0.5) for r, y in outer if y < 1.0]
    inner.append((0.0, inner[-1][1] + 0.02))
    lathe(inner, vertices, faces, inward=True)
    lip = [(1.0 - WALL * (0.5 - 0.5 * math.cos(math.pi * s / 6)), -0.02 * math.sin(math.pi * s / 6) +
            WALL * 0.5 * (s / 6)) for s in range(7)]
    lathe(lip[::-1], vertices, faces)
    torus((0, 1.22, 0), 0.13, 0.04, vertices, faces)

    with open(os.path.join(folder, "bell.mtl"), "w") as mtl:
        mtl.write("newmtl gold\nKa 0.22 0.15 0.05\nKd 0.86 0.62 0.22\nKs 1.0 0.9 0.65\nNs 640\n")
    with open(os.path.join(folder, "bell.obj"), "w") as obj:
        obj.write("mtllib bell.mtl\nusemtl gold\n")
        obj.writelines("v %.5f %.5f %.5f\n" % v for v in vertices)
        obj.writelines("f " + " ".join(str(i + 1) for i in f) + "\n" for f in faces)


if __name__ == "__main__":
    main()
