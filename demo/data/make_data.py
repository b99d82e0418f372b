#!/usr/bin/env python3
"""Writes the gallery's tables in the grid's file format (one headings line, then one line per row,
comma-separated, no quoting, CR LF): pipes.csv and fasteners.csv. Run it from this folder."""
import math
import random

# NPS, DN, outside diameter (mm), wall (mm) for schedules 10, 40, 80, 160
PIPES = [
    ("1/2", 15, 21.3, (2.11, 2.77, 3.73, 4.78)), ("3/4", 20, 26.7, (2.11, 2.87, 3.91, 5.56)),
    ("1", 25, 33.4, (2.77, 3.38, 4.55, 6.35)), ("1-1/4", 32, 42.2, (2.77, 3.56, 4.85, 6.35)),
    ("1-1/2", 40, 48.3, (2.77, 3.68, 5.08, 7.14)), ("2", 50, 60.3, (2.77, 3.91, 5.54, 8.74)),
    ("2-1/2", 65, 73.0, (3.05, 5.16, 7.01, 9.53)), ("3", 80, 88.9, (3.05, 5.49, 7.62, 11.13)),
    ("4", 100, 114.3, (3.05, 6.02, 8.56, 13.49)), ("5", 125, 141.3, (3.40, 6.55, 9.53, 15.88)),
    ("6", 150, 168.3, (3.40, 7.11, 10.97, 18.26)), ("8", 200, 219.1, (3.76, 8.18, 12.70, 23.01)),
    ("10", 250, 273.0, (4.19, 9.27, 15.09, 28.58)), ("12", 300, 323.8, (4.57, 10.31, 17.48, 33.32)),
    ("14", 350, 355.6, (6.35, 11.13, 19.05, 35.71)), ("16", 400, 406.4, (6.35, 12.70, 21.44, 40.49)),
    ("18", 450, 457.0, (6.35, 14.27, 23.83, 45.24)), ("20", 500, 508.0, (6.35, 15.09, 26.19, 50.01)),
    ("24", 600, 610.0, (6.35, 17.48, 30.96, 59.54)),
]
SCHEDULES = ("10", "40", "80", "160")
# name, code, density (kg/dm3), allowable stress (MPa)
MATERIALS = [("Carbon steel A106 Gr.B", "CS", 7.85, 138), ("Stainless 304L", "SS4", 7.90, 115),
             ("Stainless 316L", "SS6", 8.00, 115), ("Duplex 2205", "DX", 7.80, 207)]
STOCK = ("In stock", "In stock", "In stock", "Low", "On order")


def pipes(rng):
    yield ["Tag", "NPS", "DN", "OD mm", "Wall mm", "Schedule", "Material", "Weight kg/m",
           "Max bar", "Ends", "Stock"]
    for material, code, density, stress in MATERIALS:
        for nps, dn, od, walls in PIPES:
            for sch, wall in zip(SCHEDULES, walls):
                weight = math.pi * (od - wall) * wall * density / 1000.0
                bar = 2.0 * stress * wall / od * 10.0
                ends = "Socket weld" if dn <= 40 else "Bevelled"
                if dn <= 25 and sch == "80":
                    ends = "Threaded"
                yield [f"P-{code}-{dn:03d}-{sch}", nps, str(dn), f"{od:.1f}", f"{wall:.2f}", sch, material,
                       f"{weight:.2f}", f"{bar:.0f}", ends, rng.choice(STOCK)]


# kind, standard, sizes
FASTENERS = [("Hex bolt", "ISO 4014", (8, 10, 12, 16, 20, 24, 30)),
             ("Hex screw", "ISO 4017", (6, 8, 10, 12, 16, 20)),
             ("Socket cap screw", "ISO 4762", (4, 5, 6, 8, 10, 12, 16)),
             ("Stud bolt", "ASME B16.5 flange", (12, 16, 20, 24, 27, 30))]
PITCH = {4: 0.7, 5: 0.8, 6: 1.0, 8: 1.25, 10: 1.5, 12: 1.75, 16: 2.0, 20: 2.5, 24: 3.0, 27: 3.0, 30: 3.5}
CLASSES = [("8.8", "Zinc plated", 640), ("10.9", "Black oxide", 940), ("A4-70", "Plain", 450)]  # yield MPa


def fasteners(rng):
    yield ["Part no.", "Type", "Thread", "Length mm", "Class", "Finish", "Standard", "Torque Nm",
           "Per box", "Price EUR"]
    n = 1000
    for kind, standard, sizes in FASTENERS:
        for d in sizes:
            for length in (d * 3, d * 5, d * 8):
                length = int(round(length / 5.0) * 5)
                for cls, finish, yield_mpa in CLASSES:
                    n += 7
                    preload = 0.7 * yield_mpa * math.pi / 4.0 * (0.9 * d) ** 2   # N, on the stress area
                    torque = 0.2 * preload * d / 1000.0
                    per_box = 200 if d <= 8 else 100 if d <= 16 else 25
                    price = (0.02 * d * length / 10.0) * (1.8 if cls == "A4-70" else 1.0) * rng.uniform(0.9, 1.1)
                    yield [f"F{n:05d}", kind, f"M{d}x{PITCH[d]:g}", str(length), cls, finish, standard,
                           f"{torque:.0f}", str(per_box), f"{price:.2f}"]


def write(name, rows):
    with open(name, "w", newline="") as f:
        for row in rows:
            f.write(",".join(row) + "\r\n")


rng = random.Random(2026)
write("pipes.csv", pipes(rng))
write("fasteners.csv", fasteners(rng))
