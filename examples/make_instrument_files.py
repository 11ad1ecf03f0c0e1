#!/usr/bin/env python3
"""Writes the demo instrument data files of examples/runs/ from examples/demo_library.txt.

Every area is response factor x amount x recovery x run factor x noise, rounded to a whole
count; examples/README.md explains each term. The seed is fixed, so running the script
again rewrites the same files byte for byte.
"""
import math
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
LIBRARY = os.path.join(HERE, "demo_library.txt")
RUNS = os.path.join(HERE, "runs")
SEED = 5847
NOISE = 0.02  # relative standard deviation of an area


class Compound:
    def __init__(self, fields):
        self.name = fields[0]
        self.internal_standard = not fields[1].lower().startswith("a")
        self.rvw = float(fields[2])
        self.bp = float(fields[3])
        self.amounts = [float(x) for x in fields[6:16]]


def read_library():
    with open(LIBRARY, encoding="utf-8") as f:
        lines = f.read().splitlines()
    return [Compound(line.split("\t")) for line in lines[1:] if line.strip()]


def rv_recovery(rvw):
    """Compounds that stay in the water (low rvw) leave it poorly; volatile ones fully."""
    return 0.30 + 0.68 / (1.0 + math.exp(-(math.log(rvw) + 2.0)))


def bp_recovery(bp):
    """Heavier compounds distil and transfer less completely."""
    return 1.0 - 0.002 * max(bp - 30.0, 0.0)


def recovery(c, matrix_power=1.0):
    return (rv_recovery(c.rvw) * bp_recovery(c.bp)) ** matrix_power


def retention_time(c, rng):
    """Elution follows the boiling point; a labelled standard elutes just before its native."""
    rt = 1.20 + 0.085 * (c.bp - 30.0) - (0.02 if c.internal_standard else 0.0)
    return rt + rng.gauss(0.0, 0.004)


class Run:
    """One injection: file name, layout, header values and the amount of every compound."""

    def __init__(self, file, layout, header, amounts, run_factor, matrix_power=1.0,
                 direct=False, drift=1.0):
        self.file = file
        self.layout = layout  # "version" or "data file"
        self.header = header  # injection time, lab file id, client sample id, instrument id
        self.amounts = amounts
        self.run_factor = run_factor
        self.matrix_power = matrix_power
        self.direct = direct  # a direct injection: nothing is lost, recovery 1
        self.drift = drift    # instrument response relative to the calibration


def area(c, amount, run, rf, rng):
    if amount <= 0.0:
        return 0
    rec = 1.0 if run.direct else recovery(c, run.matrix_power) * run.run_factor
    value = rf * run.drift * amount * rec * (1.0 + rng.gauss(0.0, NOISE))
    return max(int(round(value)), 1)


def write_run(run, library, rf, rng):
    rows = []
    for c, amount in zip(library, run.amounts):
        a = area(c, amount, run, rf[c.name], rng)
        rt = retention_time(c, rng)
        if run.layout == "version":
            # name, area, quantitation ion (ignored by the program), retention time
            rows.append("%s\t%d\t%d\t%.3f" % (c.name, a, quant_ion(c), rt))
        else:
            rows.append("%s\t%d\t%.3f" % (c.name, a, rt))
    if run.layout == "version":
        lines = ["Quantitation Report  Version 3.1"] + list(run.header) + [
            "Method: 5847 vacuum distillation GC/MS",
            "Amounts: ug/L",
            "",
            "COMPOUND",
        ]
    else:
        lines = ["DATA FILE"]
    path = os.path.join(RUNS, run.file)
    with open(path, "w", encoding="utf-8", newline="\r\n") as f:
        f.write("\n".join(lines + rows) + "\n")


def quant_ion(c):
    return 40 + sum(map(ord, c.name)) % 150


def standard_amounts(library, level):
    return [c.amounts[level] for c in library]


def internal_standard_amounts(library):
    return [c.amounts[0] if c.internal_standard else 0.0 for c in library]


def sample_amounts(library, rng, detected):
    """Internal standards at their amount; `detected` analytes at 0.5..80 ug/L, others absent."""
    analytes = [c for c in library if not c.internal_standard]
    present = set(x.name for x in rng.sample(analytes, detected))
    out = []
    for c in library:
        if c.internal_standard:
            out.append(c.amounts[0])
        elif c.name in present:
            out.append(round(math.exp(rng.uniform(math.log(0.5), math.log(80.0))), 2))
        else:
            out.append(0.0)
    return out


def main():
    rng = random.Random(SEED)
    library = read_library()
    # True response factor (area per ug/L) of every compound, log-uniform 2000..12000.
    rf = {c.name: round(math.exp(rng.uniform(math.log(2000.0), math.log(12000.0))), 1)
          for c in library}
    gc = "GC/MS-2"
    runs = []
    for level in range(6):
        layout = "data file" if level == 4 else "version"
        header = ("09/15/2025 %02d:%02d" % (8 + level, 10 + 7 * level), "CAL%03d" % (level + 1),
                  "Calibration standard Amount%d" % (level + 1), gc)
        runs.append(Run("STD%d.TXT" % (level + 1), layout, header, standard_amounts(library, level),
                        run_factor=rng.uniform(0.96, 1.04)))
    runs.append(Run("REF.TXT", "version",
                    ("09/15/2025 07:40", "REF001", "Internal standard reference (direct injection)", gc),
                    internal_standard_amounts(library), run_factor=1.0, direct=True))
    runs.append(Run("CCV.TXT", "version",
                    ("09/22/2025 07:55", "CCV001", "Continuing calibration check Amount3", gc),
                    standard_amounts(library, 2), run_factor=rng.uniform(0.96, 1.04), drift=0.96))
    samples = [
        ("SAMPLE1.TXT", "version", "MW-01 groundwater", 6, 1.0),
        ("SAMPLE2.TXT", "version", "MW-02 groundwater", 12, 1.0),
        ("SAMPLE3.TXT", "version", "MW-03 groundwater (field duplicate of MW-02)", 12, 1.0),
        ("SAMPLE4.TXT", "version", "SB-04 soil 0-2 ft", 9, 1.4),
        ("SAMPLE5.TXT", "data file", "Trip blank", 0, 1.0),
        ("SAMPLE6.TXT", "data file", "OF-06 outfall", 15, 1.15),
    ]
    duplicate_of = None
    for i, (file, layout, client, detected, power) in enumerate(samples):
        amounts = sample_amounts(library, rng, detected)
        if "duplicate" in client:
            amounts = duplicate_of
        duplicate_of = amounts
        header = ("09/22/2025 %02d:%02d" % (9 + i, 5 + 9 * i), "S%04d" % (2101 + i), client, gc)
        runs.append(Run(file, layout, header, amounts, run_factor=rng.uniform(0.92, 1.05),
                        matrix_power=power))
    os.makedirs(RUNS, exist_ok=True)
    for run in runs:
        write_run(run, library, rf, rng)
    write_truth(library, rf, runs)


def write_truth(library, rf, runs):
    """The numbers behind the files, for reasoning about the program's results."""
    path = os.path.join(HERE, "runs_truth.txt")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("compound\tresponse factor\trecovery\tbp recovery\trv recovery\n")
        for c in library:
            f.write("%s\t%.1f\t%.4f\t%.4f\t%.4f\n" % (c.name, rf[c.name], recovery(c), bp_recovery(c.bp),
                                                      rv_recovery(c.rvw)))
        f.write("\nrun\trun factor\tmatrix power\tdrift\tdirect\n")
        for run in runs:
            f.write("%s\t%.4f\t%.2f\t%.2f\t%s\n" % (run.file, run.run_factor, run.matrix_power, run.drift,
                                                   "yes" if run.direct else "no"))
        f.write("\nsample amounts (ug/L, 0 = absent)\ncompound")
        sample_runs = [r for r in runs if r.file.startswith("SAMPLE")]
        f.write("".join("\t" + r.file for r in sample_runs) + "\n")
        for i, c in enumerate(library):
            if not c.internal_standard:
                f.write(c.name + "".join("\t%g" % r.amounts[i] for r in sample_runs) + "\n")


if __name__ == "__main__":
    main()
