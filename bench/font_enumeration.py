#!/usr/bin/python3
"""The Font list's cost with this machine's fonts and with thousands more installed.

Builds font_faces_bench (bench preset), makes N extra font families with
make_many_fonts.py (fontconfig cache built beforehand, as on an installed system)
and runs the benchmark with and without them. The first enumeration of a process
is measured in several fresh processes, since only the first one is cold.

Usage: bench/font_enumeration.py [--fonts N] [--processes N]
"""
import argparse
import json
import os
import statistics
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BENCH = ROOT / "build" / "bench" / "bench" / "font_faces_bench"


def run_bench(env, args):
    out = subprocess.run([str(BENCH), "--benchmark_format=json", *args], env=env, check=True,
                         capture_output=True, text=True).stdout
    return {b["name"]: b for b in json.loads(out)["benchmarks"]}


def measure(label, env, processes):
    first = "BM_EnumerateFontFaces_FirstCall"
    cold = [run_bench(env, [f"--benchmark_filter={first}"])[f"{first}/iterations:1"] for _ in range(processes)]
    first = "BM_QtFamilies_FirstCall"
    floor = [run_bench(env, [f"--benchmark_filter={first}"])[f"{first}/iterations:1"] for _ in range(processes)]
    warm = run_bench(env, ["--benchmark_filter=^BM_(EnumerateFontFaces_Cached|EnumerateFontFaces_Repopulated|"
                           "FontconfigFamilyNames|CanonicalFaceName|BuildFaceList)$"])
    faces = int(cold[0]["faces"])
    print(f"{label}: {faces} faces in the list")
    print(f"  first enumeration in a process:  median {statistics.median(b['real_time'] for b in cold):.1f} ms "
          f"(min {min(b['real_time'] for b in cold):.1f}, {processes} processes)")
    print(f"  the toolkit's family list alone: median {statistics.median(b['real_time'] for b in floor):.1f} ms "
          f"(first call of a process)")
    for name, label in (("EnumerateFontFaces_Repopulated", "toolkit database rebuilt"),
                        ("EnumerateFontFaces_Cached", "later enumerations"),
                        ("FontconfigFamilyNames", "fontconfig family names"),
                        ("CanonicalFaceName", "saved face to listed name"),
                        ("BuildFaceList", "filter + sort alone")):
        b = warm[f"BM_{name}"]
        print(f"  {label + ':':32} {b['real_time']:.3f} {b['time_unit']}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--fonts", type=int, default=2000)
    parser.add_argument("--processes", type=int, default=7)
    args = parser.parse_args()
    subprocess.run(["cmake", "--preset", "bench"], cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", "--preset", "bench", "--target", "font_faces_bench"], cwd=ROOT,
                   check=True, stdout=subprocess.DEVNULL)
    env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "FONTCONFIG"))}
    env["LC_ALL"] = "C.UTF-8"
    measure("installed fonts", env, args.processes)
    many = ROOT / "build" / "many-fonts"
    conf = subprocess.run([sys.executable, str(ROOT / "bench" / "make_many_fonts.py"), str(many),
                           "--count", str(args.fonts)], check=True, capture_output=True, text=True).stdout.strip()
    measure(f"installed fonts + {args.fonts} families", dict(env, FONTCONFIG_FILE=conf), args.processes)
    return 0


if __name__ == "__main__":
    sys.exit(main())
