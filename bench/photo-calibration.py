#!/usr/bin/env python3
"""Learns what the photo reader's confidence says, and checks it on photos it
was not learned from.

Reads every /work/shared/photos*/ folder with a labels.csv through
photo_bench --per-photo (the ends Tavlora finds), takes for each photo read
the first reading's share and colour fit and whether it was the true value,
and counts, per cell of share and fit and per source (camera), the photos and
the right ones. A source's confidence in a cell is (right + 1) / (photos + 2):
a cell nobody measured says 50 %, and only many right readings bring it near
100 %. The cell's confidence is the lowest of its sources': a reading is
promised what every camera measured gives it. One camera alone promises at
most SINGLE_SOURCE_CAP: how well its photos read says little about another
camera's (the phone photos read right a quarter as often in the cells where
the rig's read right every time).

  bench/photo-calibration.py            print the leave-one-source-out check
  bench/photo-calibration.py --write    also write src/photo/confidencetable.h

The same photos and the same build give the same table. BUILD_DIR chooses
the build folder (default: build/ beside bench/).
"""
import glob
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
BUILD = os.environ.get("BUILD_DIR", os.path.join(HERE, "..", "build"))
# Cell edges; the reader uses the same ones (confidencetable.h).
SHARE_EDGES = [0.4, 0.6, 0.8]
FIT_EDGES = [0.15, 0.3, 0.5, 0.8]


def cell(share, fit):
    s = sum(share >= e for e in SHARE_EDGES)
    f = sum(fit >= e for e in FIT_EDGES)
    return s, f


def rows():
    out = []
    for labels in sorted(glob.glob("/work/shared/photos*/labels.csv")):
        folder = os.path.dirname(labels)
        text = subprocess.run([os.path.join(BUILD, "bench", "photo_bench"), folder, "--per-photo"],
                              check=True, capture_output=True, text=True).stdout
        for line in text.splitlines():
            p = line.split()
            # photo NAME LENGTH - FIRST TOO-SMALL SHARE FIT [MS]
            if len(p) < 8 or p[0] != "photo" or p[5] == "1" or float(p[6]) <= 0:
                continue  # too small, or nothing read
            out.append((p[1].split("-")[0], p[1], float(p[6]), float(p[7]), p[4] == "1"))
    return out


SINGLE_SOURCE_CAP = 85


def learn(data):
    counts = {}
    for source, _, share, fit, right in data:
        per_source = counts.setdefault(cell(share, fit), {})
        n, r = per_source.get(source, (0, 0))
        per_source[source] = (n + 1, r + right)
    table = [[50] * (len(FIT_EDGES) + 1) for _ in range(len(SHARE_EDGES) + 1)]
    for (s, f), per_source in counts.items():
        # Rounded down: the confidence shown never says more than measured.
        value = min((100 * (r + 1)) // (n + 2) for n, r in per_source.values())
        if len(per_source) < 2:
            value = min(value, SINGLE_SOURCE_CAP)
        table[s][f] = value
    return table


def check(table, data, source):
    bands = [[0, 0] for _ in range(10)]
    high = [0, 0]
    for _, _, share, fit, right in data:
        s, f = cell(share, fit)
        c = table[s][f]
        b = min(c // 10, 9)
        bands[b][0] += 1
        bands[b][1] += right
        if c >= 90:
            high[0] += 1
            high[1] += right
    cells = "  ".join(f"{10*i}-{10*i+10} %: {n}, {100*r/n:.0f} %" for i, (n, r) in enumerate(bands) if n)
    shown = f"{high[0]} shown at >= 90 %, {high[1]} right" if high[0] else "none shown at >= 90 %"
    print(f"{source}: {len(data)} read; {shown}\n    {cells}")


def main():
    data = rows()
    sources = sorted({d[0] for d in data})
    print("Leave one source out (learned without it, measured on it):")
    for source in sources:
        check(learn([d for d in data if d[0] != source]), [d for d in data if d[0] == source], source)
    table = learn(data)
    print("Learned on every source, measured on the same photos:")
    for source in sources:
        check(table, [d for d in data if d[0] == source], source)
    if "--write" in sys.argv:
        path = os.path.join(HERE, "..", "src", "photo", "confidencetable.h")
        with open(path, "w", encoding="utf-8") as f:
            f.write("#pragma once\n\n")
            f.write("// Written by bench/photo-calibration.py --write from the shared photos\n")
            f.write("// (" + ", ".join(f"{s}: {sum(d[0] == s for d in data)} read" for s in sources) + "):\n")
            f.write("// of the first readings in each cell of share and colour fit, the share\n")
            f.write("// right, as (right + 1) / (read + 2) in percent, rounded down, the lowest\n")
            f.write("// of the sources', at most %d where one source alone measured it.\n\n"
                    % SINGLE_SOURCE_CAP)
            f.write("#include <array>\n\nnamespace photo\n{\n\n")
            f.write("inline constexpr std::array<double, %d> confidenceShareEdges{%s};\n"
                    % (len(SHARE_EDGES), ", ".join(map(str, SHARE_EDGES))))
            f.write("inline constexpr std::array<double, %d> confidenceFitEdges{%s};\n"
                    % (len(FIT_EDGES), ", ".join(map(str, FIT_EDGES))))
            f.write("// [share cell][fit cell], percent.\n")
            f.write("inline constexpr int confidenceTable[%d][%d] = {\n" % (len(table), len(table[0])))
            for row in table:
                f.write("    {" + ", ".join(map(str, row)) + "},\n")
            f.write("};\n\n} // namespace photo\n")
        print("written:", os.path.relpath(path))


if __name__ == "__main__":
    main()
