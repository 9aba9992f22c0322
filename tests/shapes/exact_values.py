#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Writes tests/shapes/exact_values.inc: the exact results of every catalogue
# shape for a set of inputs, from 1e-100 to 1e100 times (flat ones from 1e-150
# to 1e150), computed with mpmath at 60 digits
# from textbook geometry (the ellipse arc by mpmath.ellipe, ellipsoid surfaces
# by Carlson's R_G, the elliptic cone's side by quadrature), independently of
# the program's formulas. Each input is taken as the double it becomes, so the
# values are the exact geometry of what the program computes on.
# Run: python3 tests/shapes/exact_values.py > tests/shapes/exact_values.inc
import mpmath as m

m.mp.dps = 60
pi = m.pi


def d(text):
    return m.mpf(float(text))


def ellipse_perimeter(A, B):
    a, b = max(A, B) / 2, min(A, B) / 2
    if a == 0:
        return m.mpf(0)
    return 4 * a * m.ellipe(1 - (b / a) ** 2)


def ellipsoid_area(a, b, c):
    # Semi-axes; a flat one is an ellipse counted twice.
    a, b, c = sorted([a, b, c], reverse=True)
    if c == 0:
        return 2 * pi * a * b
    return 4 * pi * a * b * c * m.elliprg(1 / a**2, 1 / b**2, 1 / c**2)


def heron(a, b, c):
    s = (a + b + c) / 2
    q = s * (s - a) * (s - b) * (s - c)
    return m.sqrt(q) if q > 0 else m.mpf(0)


def triangle(a, b, c):
    A = heron(a, b, c)
    h = lambda x: 2 * A / x if x else m.mpf(0)
    return a + b + c, A, [("ha", h(a)), ("hb", h(b)), ("hc", h(c))]


def polygon_area(n, a):
    return n * a * a / (4 * m.tan(pi / n))


def elliptic_cone_side(a, b, h):
    # Semi-axes a, b: half the integral of |(P - apex) x P'| around the base,
    # on the cone scaled to unit size so that the quadrature's tolerance holds.
    s = max(a, b, h)
    a, b, h = a / s, b / s, h / s
    f = lambda t: m.sqrt((h * b * m.cos(t)) ** 2 + (h * a * m.sin(t)) ** 2 + (a * b) ** 2)
    return m.quad(f, [0, pi / 2, pi, 3 * pi / 2, 2 * pi]) / 2 * s * s


def flat(shape, v):
    if shape == "triangle":
        return triangle(v["a"], v["b"], v["c"])
    if shape == "triangle:isosceles:1":
        P, A, hs = triangle(v["a"], v["b"], v["b"])
        return P, A, hs
    if shape == "triangle:equilateral":
        return triangle(v["a"], v["a"], v["a"])
    if shape == "triangle:isosceles:2":
        a, h = v["a"], v["h"]
        leg = m.sqrt(a * a / 4 + h * h)
        A = a * h / 2
        hl = 2 * A / leg if leg else m.mpf(0)
        return a + 2 * leg, A, [("ha", h), ("hb", hl), ("hc", hl), ("b", leg), ("c", leg)]
    if shape == "rhomb":
        return 2 * m.sqrt(v["a"] ** 2 + v["b"] ** 2), v["a"] * v["b"] / 2, []
    if shape == "square":
        return 4 * v["a"], v["a"] ** 2, []
    if shape == "rectangle":
        return 2 * (v["a"] + v["b"]), v["a"] * v["b"], []
    if shape == "trapezium:isosceles":
        a, b, c = v["a"], v["b"], v["c"]
        return a + b + 2 * m.sqrt(((a - b) / 2) ** 2 + c * c), (a + b) * c / 2, []
    if shape == "regpolygon":
        return v["n"] * v["a"], polygon_area(v["n"], v["a"]), []
    if shape == "circle":
        return pi * v["a"], pi * v["a"] ** 2 / 4, []
    if shape == "circle:half":
        return pi * v["a"] / 2 + v["a"], pi * v["a"] ** 2 / 8, []
    if shape == "ellipse":
        return ellipse_perimeter(v["a"], v["b"]), pi * v["a"] * v["b"] / 4, []
    if shape == "ellipse:half":
        a, b = v["a"], v["b"]
        return a + ellipse_perimeter(a, 2 * b) / 2, pi * a * b / 4, []
    if shape == "ellipse:halves":
        a, b, c = v["a"], v["b"], v["c"]
        return (ellipse_perimeter(b, 2 * a) + ellipse_perimeter(b, 2 * c)) / 2, pi * b * (a + c) / 4, []
    raise KeyError(shape)


def prism(base, h, extras=("Alat",)):
    P, A = base
    values = {"Alat": P * h, "Pbs": P, "Abs": A}
    return A * h, 2 * A + P * h, [(name, values[name]) for name in extras]


def solid(shape, v):
    if shape in ("cylinder", "prism"):
        return prism((v["Pbs"], v["Abs"]), v["h"])
    bases = {
        "cylinder:round": lambda: flat("circle", {"a": v["l"]}),
        "cylinder:round:half": lambda: flat("circle:half", {"a": v["l"]}),
        "cylinder:elliptic": lambda: flat("ellipse", {"a": v["l"], "b": v["w"]}),
        "cylinder:elliptic:half": lambda: flat("ellipse:half", {"a": v["l"], "b": v["w"]}),
        "prism:triangle": lambda: flat("triangle", v),
        "prism:right": lambda: flat("regpolygon", v),
        "prism:rhomb": lambda: flat("rhomb", {"a": v["l"], "b": v["w"]}),
        "prism:rectangle": lambda: flat("rectangle", {"a": v["l"], "b": v["w"]}),
    }
    if shape == "prism:square":
        return prism((4 * v["l"], v["l"] ** 2), v["l"])
    if shape in bases:
        P, A, _ = bases[shape]()
        extras = ("Alat", "Pbs", "Abs") if shape == "cylinder:elliptic" else ("Alat",)
        return prism((P, A), v["h"], extras)
    if shape == "cone:round":
        r, h = v["l"] / 2, v["h"]
        base, lat = pi * r * r, pi * r * m.sqrt(r * r + h * h)
        return pi * r * r * h / 3, base + lat, [("Base", base), ("Lat", lat)]
    if shape == "cone:elliptic":
        a, b, h = v["a"] / 2, v["b"] / 2, v["h"]
        base, lat = pi * a * b, elliptic_cone_side(a, b, h)
        return pi * a * b * h / 3, base + lat, [("Base", base), ("Lat", lat)]
    if shape == "cone:round:frustum":
        r1, r2, h = v["a"] / 2, v["l"] / 2, v["b"]
        side = pi * (r1 + r2) * m.sqrt(h * h + (r2 - r1) ** 2)
        return pi * h * (r1 * r1 + r1 * r2 + r2 * r2) / 3, side + pi * (r1 * r1 + r2 * r2), []
    if shape == "sphere":
        r = v["l"] / 2
        return 4 * pi * r**3 / 3, 4 * pi * r * r, []
    if shape == "sphere:half":
        r = v["l"] / 2
        return 2 * pi * r**3 / 3, 3 * pi * r * r, []
    if shape == "sphere:cap":
        r, h = v["a"] / 2, v["h"]
        lat, base = pi * (r * r + h * h), pi * r * r
        radius = (r * r + h * h) / (2 * h) if h else m.mpf(0)
        return pi * h * (3 * r * r + h * h) / 6, lat + base, [("r", radius), ("Lat", lat), ("Base", base)]
    if shape == "spheroid":
        a, c = v["l"] / 2, v["h"] / 2
        return 4 * pi * a * a * c / 3, ellipsoid_area(a, a, c), []
    if shape == "spheroid:half":
        a, c = v["l"] / 2, v["h"]
        return 2 * pi * a * a * c / 3, ellipsoid_area(a, a, c) / 2 + pi * a * a, []
    if shape == "ellipsoid":
        a, b, c = v["l"] / 2, v["w"] / 2, v["h"] / 2
        return 4 * pi * a * b * c / 3, ellipsoid_area(a, b, c), []
    if shape == "ellipsoid:half":
        a, b, c = v["l"] / 2, v["w"] / 2, v["h"]
        return 2 * pi * a * b * c / 3, ellipsoid_area(a, b, c) / 2 + pi * a * b, []
    raise KeyError(shape)


FLAT = {"triangle", "triangle:isosceles:1", "triangle:isosceles:2", "triangle:equilateral", "rhomb", "square",
        "rectangle", "trapezium:isosceles", "regpolygon", "circle", "circle:half", "ellipse", "ellipse:half",
        "ellipse:halves"}
# Inputs that are not lengths and do not scale; Abs is an area.
SQUARED = {"Abs"}
COUNTS = {"n"}

# Shape, inputs in calculator order. Thin rows are as thin as 1e-12 of their size.
CASES = [
    ("triangle", "a 3, b 4, c 5"), ("triangle", "a 13, b 14, c 15"),
    ("triangle", "a 1e6, b 1e6, c 1e-6"), ("triangle", "a 1, b 1, c 1.99999999999999"),
    ("triangle", "a 1, b 1, c 1e-12"), ("triangle", "a 2, b 1, c 1.000000000001"),
    ("triangle:isosceles:2", "a 2000, h 0.01"), ("triangle:isosceles:2", "a 2, h 1e-7"),
    ("triangle:isosceles:2", "a 1, h 1e-12"), ("triangle:isosceles:2", "a 1e-12, h 1"),
    ("triangle:isosceles:2", "a 6, h 4"),
    ("triangle:isosceles:1", "a 6, b 5"), ("triangle:isosceles:1", "a 1.99999999999, b 1"),
    ("triangle:equilateral", "a 2"),
    ("rhomb", "a 6, b 8"), ("rhomb", "a 1, b 1e-12"), ("square", "a 3"), ("rectangle", "a 2, b 1e-12"),
    ("trapezium:isosceles", "a 10, b 4, c 4"), ("trapezium:isosceles", "a 1, b 0.999999999999, c 1e-12"),
    ("regpolygon", "a 1.7, n 5"), ("regpolygon", "a 1.7, n 7"), ("regpolygon", "a 1.7, n 13"),
    ("regpolygon", "a 1.7, n 1000"),
    ("circle", "a 2.5"), ("circle:half", "a 2.5"),
    ("ellipse", "a 100, b 32"), ("ellipse", "a 1, b 1e-12"), ("ellipse", "a 1, b 0.999999999999"),
    ("ellipse", "a 3, b 0.3"),
    ("ellipse:half", "a 4, b 1.5"), ("ellipse:half", "a 1, b 1e-12"),
    ("ellipse:halves", "a 1, c 3, b 5"), ("ellipse:halves", "a 1e-12, c 1, b 2"),
    ("cylinder", "Pbs 10, Abs 7, h 4"), ("prism", "Pbs 10, Abs 7, h 4"),
    ("cylinder:round", "h 3, l 2"), ("cylinder:round:half", "h 3, l 2"),
    ("cylinder:elliptic", "h 3, l 100, w 32"), ("cylinder:elliptic", "h 1e-12, l 1, w 1e-12"),
    ("cylinder:elliptic:half", "h 3, l 4, w 1.5"),
    ("prism:triangle", "h 2, a 1, b 1, c 1.99999999999999"), ("prism:triangle", "h 1, a 13, b 14, c 15"),
    ("prism:right", "h 2, a 1.5, n 13"), ("prism:rhomb", "h 2, l 6, w 8"),
    ("prism:square", "l 2"), ("prism:rectangle", "h 4, l 2, w 3"),
    ("cone:round", "l 2, h 1"), ("cone:round", "l 1, h 1e-12"), ("cone:round", "l 1e-12, h 1"),
    ("cone:elliptic", "a 4, b 2, h 3"), ("cone:elliptic", "a 10000, b 0.001, h 100"),
    ("cone:elliptic", "a 1, b 1e-12, h 1"), ("cone:elliptic", "a 1, b 0.5, h 1e-12"),
    ("cone:round:frustum", "a 2, l 1, b 3"), ("cone:round:frustum", "a 1, l 1.000000000001, b 1e-12"),
    ("sphere", "l 2"), ("sphere:half", "l 2"),
    ("sphere:cap", "a 2, h 1"), ("sphere:cap", "a 1, h 1e-12"), ("sphere:cap", "a 1e-12, h 1"),
    ("spheroid", "l 2, h 1"), ("spheroid", "l 1, h 2"), ("spheroid", "l 1, h 1e-9"), ("spheroid", "l 1e-9, h 1"),
    ("spheroid", "l 2, h 1.9999999999999"), ("spheroid", "l 1.9999999999999, h 2"),
    ("spheroid", "l 1, h 1e-12"), ("spheroid", "l 1e-12, h 1"),
    ("spheroid:half", "l 2, h 0.5"), ("spheroid:half", "l 1, h 1e-9"), ("spheroid:half", "l 1e-9, h 1"),
    ("ellipsoid", "l 3, w 2, h 1"), ("ellipsoid", "l 2, w 2, h 1e-9"), ("ellipsoid", "l 1, w 0.5, h 1e-12"),
    ("ellipsoid", "l 1, w 0.999999999999, h 0.5"), ("ellipsoid", "l 1, w 1e-12, h 1e-12"),
    ("ellipsoid", "l 2, w 1.99999497899503, h 0.128062876453995"),
    ("ellipsoid", "l 2, w 1.28957664971574e-8, h 9.14971702018813e-14"),
    ("ellipsoid:half", "l 3, w 2, h 0.5"), ("ellipsoid:half", "l 1, w 0.5, h 1e-12"),
    ("ellipsoid:half", "l 2, w 1.99999999995671, h 0.0769707047054119"),
]

SCALES = ["1e-100", "1", "1e100"]
# Flat shapes also where squares of squares of their lengths leave the doubles.
FLAT_SCALES = ["1e-150", "1e-100", "1", "1e100", "1e150"]


def literal(x):
    if x == 0:
        return "0"
    return m.nstr(x, 20, min_fixed=1, max_fixed=0).replace("e+", "e")


def scaled(text, name, scale):
    if name in COUNTS or scale == "1":
        return text
    factor = m.mpf(scale) ** (2 if name in SQUARED else 1)
    return m.nstr(m.mpf(text) * factor, 15, min_fixed=1, max_fixed=0).replace("e+", "e").replace(".0e", "e")


def main():
    print("// SPDX-License-Identifier: MIT")
    print("// Generated by tests/shapes/exact_values.py (mpmath, 60 digits): shape, inputs,")
    print("// exact perimeter or volume, exact area, exact extra values.")
    skipped = []
    for shape, inputs in CASES:
        pairs = [item.split() for item in inputs.split(", ")]
        for scale in FLAT_SCALES if shape in FLAT else SCALES:
            texts = [(name, scaled(text, name, scale)) for name, text in pairs]
            values = {name: d(text) for name, text in texts}
            measure, area, extras = (flat if shape in FLAT else solid)(shape, values)
            results = [measure, area] + [value for _, value in extras]
            # Results outside the normal doubles have fewer digits than the target.
            if any(x != 0 and not (m.mpf("2.3e-308") < abs(x) < m.mpf("1.7e308")) for x in results):
                skipped.append(f"{shape} {', '.join(f'{n} {t}' for n, t in texts)}")
                continue
            ins = ", ".join(f'{{"{n}", {t}}}' for n, t in texts)
            exs = ", ".join(f'{{"{n}", {literal(x)}}}' for n, x in extras)
            print(f'{{"{shape}", {{{ins}}}, {literal(measure)}, {literal(area)}, {{{exs}}}}},')
    for row in skipped:
        print(f"// not in the table, a result beyond the normal doubles: {row}")


main()
