#!/usr/bin/env python3
"""Five-standard calibration of a small library, worked out independently of the C++ code.

Writes five_standards.txt: the method (library, internal-standard records, range limits),
the areas of five standards (Amount1..Amount5) and of the reference run (data set 5), and
the expected predicted recovery, its deviation and the corrected response factor of every
compound in every standard. Run it again to regenerate: python3 five_standards.py

The derivation follows the method's rules directly, with its own arithmetic:
  first pass  recovery of each first-pass internal standard against the reference,
              (A/m)/(Aref/mref), joined by straight lines between neighbours in ln rvw;
  BP model    recovery of each BP-group member divided by the first-pass line at its rvw
              (rvw held inside the first-pass range, segment chosen from the unclamped
              rvw), one least-squares line per group against bp;
  RV model    recovery of each RV-group member divided by the BP line of the BP group its
              bp falls in (at MaxBP above every group, 1.0 below), one line per group
              against ln rvw;
  prediction  BP line x RV line for each compound (bp held to the group's own points in a
              calibration, ln rvw held to the limits), error sqrt(eb^2 + er^2) x product,
              response factor area / predicted / amount of the standard's level.
Least squares here use centred sums and residuals (a different route from the program's
raw-sum formulas, the same numbers to rounding).
"""
import math

OUT = "five_standards.txt"
STANDARDS = 5
REFERENCE = 5  # data set of the reference run
IS_AMOUNT = 10.0
LIMITS = dict(MinBP=45.0, MaxBP=125.0, MinRVW=0.7, MaxRVW=8.0)

# Library in instrument order; internal standards stand among the analytes.
# (name, rvw, bp, internal standard?, first pass?, BP groups, RV groups)
LIBRARY = [
    ("Analyte A1", 0.5, 35.0, False, False, [], []),
    ("IS S1", 0.7, 45.0, True, False, [1], [1]),
    ("Analyte A2", 1.0, 50.0, False, False, [], []),
    ("IS FP1", 0.8, 50.0, True, True, [], []),
    ("IS S2", 1.3, 58.0, True, False, [1], [1]),
    ("Analyte A3", 1.6, 62.0, False, False, [], []),
    ("IS S3", 2.0, 66.0, True, False, [1], [1]),
    ("IS FP2", 2.5, 75.0, True, True, [], []),
    ("Analyte A4", 2.8, 78.0, False, False, [], []),
    ("IS S4", 3.2, 88.0, True, False, [2], [2]),
    ("Analyte A5", 4.0, 95.0, False, False, [], []),
    ("IS S5", 5.0, 101.0, True, False, [2], [2]),
    ("Analyte A6", 6.0, 110.0, False, False, [], []),
    ("IS S6", 6.5, 117.0, True, False, [2], [2]),
    ("Analyte A8", 2.2, 120.0, False, False, [], []),
    ("IS S7", 8.0, 128.0, True, False, [2], [2]),
    ("IS FP3", 9.0, 130.0, True, True, [], []),
    ("Analyte A7", 12.0, 140.0, False, False, [], []),
]
LEVEL_FACTORS = [1, 2, 5, 10, 20]  # Amount1..Amount5 as multiples of an analyte's base amount


def base_amount(i):
    return 2.0 + 0.5 * i


class Lcg:
    """A fixed pseudo-random sequence, so the fixture never changes by itself."""

    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (1103515245 * self.state + 12345) % 2**31
        return self.state / 2**31


def make_areas():
    rng = Lcg(5847)
    areas = [dict() for _ in range(REFERENCE + 1)]
    for i, (name, _, _, is_std, *_rest) in enumerate(LIBRARY):
        if is_std:
            areas[REFERENCE][name] = 10000 + 1000 * i
            for p in range(STANDARDS):
                areas[p][name] = round(areas[REFERENCE][name] * (0.75 + 0.5 * rng.next()))
        else:
            areas[REFERENCE][name] = round(800 * (0.9 + 0.2 * rng.next()))
            for p in range(STANDARDS):
                amount = base_amount(i) * LEVEL_FACTORS[p]
                areas[p][name] = round(500 * amount * (0.7 + 0.6 * rng.next()))
    return areas


def least_squares(points):
    """Slope, intercept and standard error of y on x (centred sums, residuals)."""
    n = len(points)
    mx = sum(x for x, _ in points) / n
    my = sum(y for _, y in points) / n
    sxx = sum((x - mx) ** 2 for x, _ in points)
    sxy = sum((x - mx) * (y - my) for x, y in points)
    slope = sxy / sxx
    intercept = my - slope * mx
    if n == 2:
        return slope, intercept, 0.0
    var = sum((y - (intercept + slope * x)) ** 2 for x, y in points) / (n - 2)
    return slope, intercept, math.sqrt(var) if var >= 1e-9 else 0.0


def group_range(xs):
    xs = sorted(xs)
    if len(xs) > 3:
        low, high = (xs[0] + xs[1]) / 2, (xs[-2] + xs[-1]) / 2
    else:
        low, high = xs[0], xs[-1]
    return dict(min=xs[0], low=low, high=high, max=xs[-1])


def fit_groups(members):
    """members: {group: [(x, y), ...]} -> {group: line with its range}."""
    fits = {}
    for g, pts in members.items():
        slope, intercept, err = least_squares(pts)
        fits[g] = dict(slope=slope, intercept=intercept, err=err, **group_range([x for x, _ in pts]))
    return fits


def walk(x, fits, lo, hi):
    """The group of x: None below lo, len+1 at or above hi; a value between groups stays
    in the lower one, and one at or below group 1's minimum takes group 1."""
    n = len(fits)
    if x < lo:
        return None
    if x == lo:
        return 1
    if x >= hi:
        return n + 1
    for i in range(1, n + 1):
        f = fits[i]
        if x <= f["min"]:
            return max(i - 1, 1)
        if x <= f["low"] or x <= f["high"]:
            return i
    return n


def rv_walk(x, fits):
    n = len(fits)
    if x <= fits[1]["low"]:
        return 1
    if x >= math.log(LIMITS["MaxRVW"]):
        return n
    return walk(x, fits, -math.inf, math.inf)


def recovery(areas, p, name):
    return (areas[p][name] / IS_AMOUNT) / (areas[REFERENCE][name] / IS_AMOUNT)


def calibrate_standard(areas, p):
    standards = [row for row in LIBRARY if row[3]]
    # First pass: lines between neighbouring first-pass standards in ln rvw.
    fp = sorted((math.log(rvw), recovery(areas, p, name)) for name, rvw, _, _, first, _, _ in standards if first)
    segments = [((x0, y0), (x1, y1)) for (x0, y0), (x1, y1) in zip(fp, fp[1:])]
    fp_min, fp_max = math.exp(fp[0][0]), math.exp(fp[-1][0])

    def first_pass(rvw):
        x = math.log(rvw)
        if x <= segments[0][0][0]:
            k = 0
        else:
            k = next((i for i, (a, b) in enumerate(segments) if a[0] <= x <= b[0]), len(segments) - 1)
        (x0, y0), (x1, y1) = segments[k]
        at = math.log(min(max(rvw, fp_min), fp_max))
        return y0 + (y1 - y0) / (x1 - x0) * (at - x0)

    bp_members = {}
    for name, rvw, bp, _, _, bp_groups, _ in standards:
        for g in bp_groups:
            bp_members.setdefault(g, []).append((bp, recovery(areas, p, name) / first_pass(rvw)))
    bp_fits = fit_groups(bp_members)
    n_bp = len(bp_fits)
    lo_fit = min(f["min"] for f in bp_fits.values())
    hi_fit = max(f["max"] for f in bp_fits.values())

    def bp_line(g, x):
        return bp_fits[g]["slope"] * x + bp_fits[g]["intercept"]

    rv_members = {}
    for name, rvw, bp, _, _, _, rv_groups in standards:
        for g in rv_groups:
            b = min(bp, LIMITS["MaxBP"])
            grp = walk(b, bp_fits, lo_fit, hi_fit)
            if grp == n_bp + 1:
                grp, b = n_bp, LIMITS["MaxBP"]
            v = 1.0 if grp is None else bp_line(grp, b)
            rv_members.setdefault(g, []).append((math.log(rvw), recovery(areas, p, name) / v))
    rv_fits = fit_groups(rv_members)

    results = {}
    for i, (name, rvw, bp, is_std, *_rest) in enumerate(LIBRARY):
        xr = min(max(math.log(rvw), math.log(LIMITS["MinRVW"])), math.log(LIMITS["MaxRVW"]))
        gr = rv_walk(xr, rv_fits)
        xb = min(bp, LIMITS["MaxBP"])
        gb = walk(xb, bp_fits, LIMITS["MinBP"], LIMITS["MaxBP"])
        if gb == n_bp + 1:
            gb, xb = n_bp, LIMITS["MaxBP"]
        if gb is None:
            bp_rec, bp_err = 1.0, 0.0
        else:
            f = bp_fits[gb]
            at = f["max"] if xb > f["max"] else f["min"] if bp < f["min"] else xb
            bp_rec, bp_err = bp_line(gb, at), f["err"]
        rv_rec = rv_fits[gr]["slope"] * xr + rv_fits[gr]["intercept"]
        rv_err = rv_fits[gr]["err"]
        predicted = bp_rec * rv_rec
        dev = math.hypot(bp_err / bp_rec, rv_err / rv_rec) * predicted
        amount = IS_AMOUNT if is_std else base_amount(i) * LEVEL_FACTORS[p]
        results[name] = (predicted, dev, areas[p][name] / predicted / amount)
    return results


def main():
    areas = make_areas()
    lines = ["# Made by five_standards.py (see there how); do not edit by hand."]
    lines.append("limits %r %r %r %r" % (LIMITS["MinBP"], LIMITS["MaxBP"], LIMITS["MinRVW"], LIMITS["MaxRVW"]))
    for i, (name, rvw, bp, is_std, first, bpg, rvg) in enumerate(LIBRARY):
        amounts = [IS_AMOUNT] * 10 if is_std else [base_amount(i) * f for f in LEVEL_FACTORS] + [0.0] * 5
        lines.append("compound|%s|%r|%r|%d|%s" % (name, rvw, bp, is_std, " ".join(repr(a) for a in amounts)))
        if is_std:
            lines.append("record|%s|%d|%s|%s" % (name, first, ",".join(map(str, bpg)), ",".join(map(str, rvg))))
    for p in range(STANDARDS):
        lines.append("label|%d|Amount%d" % (p, p + 1))
    for p in range(REFERENCE + 1):
        for name, area in areas[p].items():
            lines.append("area|%d|%s|%d" % (p, name, area))
    for p in range(STANDARDS):
        for name, (pred, dev, rf) in calibrate_standard(areas, p).items():
            lines.append("expect|%d|%s|%r|%r|%r" % (p, name, pred, dev, rf))
    with open(OUT, "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
