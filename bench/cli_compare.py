#!/usr/bin/env python3
"""Streams one large UTF-8 file through hexcribe-cli, through a Python one-liner
(encode('utf-16-le').hex(' ').upper()) and through `iconv -t UTF-16LE | xxd -p`,
side by side in one run; checks that all three give the same numbers and prints
the speed ratios. Then times `hexcribe-cli --check` on the same mixed text (an
emoji, so one finding, in every line), and for comparison on text with three
findings in every line (outside the BMP, decomposed, invisible). Exit status 1
when hexcribe-cli is not at least 5x faster than both, or when --check on the
mixed text runs below 100 MB/s.

usage: cli_compare.py PATH/TO/hexcribe-cli [MEGABYTES]   (default 100)
"""
import os
import resource
import shlex
import subprocess
import sys
import tempfile
import time

# Latin, Hangul, Han, an emoji, an accented letter, Cyrillic and CR LF.
MIXED = "Hello, world! \ud55c\uad6d\uc5b4 \u6f22\u5b57 \U0001F600 caf\u00e9 \u0416\u0438\u0437\u043d\u044c\r\n"
ASCII = "Menu 1: Start / Stop / Settings -- press OK to confirm.\r\n"
PYTHON = ("import sys; sys.stdout.write(sys.stdin.buffer.read().decode('utf-8')"
          ".encode('utf-16-le').hex(' ').upper())")
# The same with a decomposed é (e + U+0301) and a zero-width space: --check reports three per line.
CHECKED = MIXED.replace("caf\u00e9", "cafe\u0301").replace("\r\n", "\u200b\r\n")
RUNS = 3
GOAL = 5.0
CHECK_GOAL = 100.0  # MB/s


def write_text(path, pattern, size):
    data = pattern.encode("utf-8")
    with open(path, "wb") as f:
        f.write(data * max(1, size // len(data)))


def best_time(command, source):
    """Best wall time and best CPU time (user + system, all processes of the
    command) of RUNS runs, input from source, output to /dev/null."""
    best_wall = best_cpu = float("inf")
    for _ in range(RUNS):
        with open(source, "rb") as stdin:
            before = resource.getrusage(resource.RUSAGE_CHILDREN)
            start = time.perf_counter()
            subprocess.run(command, shell=True, stdin=stdin, stdout=subprocess.DEVNULL, check=True)
            wall = time.perf_counter() - start
            after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
        best_wall = min(best_wall, wall)
        best_cpu = min(best_cpu, cpu)
    return best_wall, best_cpu


def output_of(command, source):
    with open(source, "rb") as stdin:
        return subprocess.run(command, shell=True, stdin=stdin, capture_output=True, check=True).stdout


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    cli = shlex.quote(os.path.abspath(sys.argv[1]))
    megabytes = float(sys.argv[2]) if len(sys.argv) > 2 else 100
    ours_space = f"{cli} --numbers-only"
    ours_none = f"{cli} --numbers-only --separator none"
    python = f"python3 -c {shlex.quote(PYTHON)}"
    iconv_xxd = "iconv -f UTF-8 -t UTF-16LE | xxd -p"

    ok = True
    with tempfile.TemporaryDirectory() as tmp:
        for name, pattern in (("mixed", MIXED), ("ascii", ASCII)):
            # Same numbers from all three on a small sample first.
            sample = os.path.join(tmp, f"{name}-sample.txt")
            write_text(sample, pattern, 1 << 20)
            ours = output_of(ours_space, sample).rstrip(b"\n")
            if output_of(python, sample) != ours:
                print(f"{name}: MISMATCH with the Python one-liner", file=sys.stderr)
                return 1
            xxd = output_of(iconv_xxd, sample).replace(b"\n", b"").upper()
            if xxd != output_of(ours_none, sample).rstrip(b"\n"):
                print(f"{name}: MISMATCH with iconv | xxd -p", file=sys.stderr)
                return 1

            path = os.path.join(tmp, f"{name}.txt")
            write_text(path, pattern, int(megabytes * 1e6))
            size = os.path.getsize(path) / 1e6
            t_space, c_space = best_time(ours_space, path)
            t_none, c_none = best_time(ours_none, path)
            t_python, c_python = best_time(python, path)
            t_iconv, c_iconv = best_time(iconv_xxd, path)
            os.remove(path)
            r_python = t_python / t_space
            r_iconv = t_iconv / t_none
            print(f"{name} text, {size:.0f} MB of UTF-8 (best of {RUNS}, output to /dev/null; "
                  f"wall time decides, CPU time shown for a loaded machine):")
            rows = (("hexcribe-cli --numbers-only", t_space, c_space, ""),
                    ("python3 encode('utf-16-le').hex(' ').upper()", t_python, c_python,
                     f"ratio {r_python:5.1f}x wall, {c_python / c_space:5.1f}x CPU"),
                    ("hexcribe-cli --numbers-only --separator none", t_none, c_none, ""),
                    ("iconv -t UTF-16LE | xxd -p", t_iconv, c_iconv,
                     f"ratio {r_iconv:5.1f}x wall, {c_iconv / c_none:5.1f}x CPU"))
            for label, wall, cpu, ratio in rows:
                print(f"  {label:46} {wall:7.3f} s wall {cpu:7.3f} s CPU  {ratio}")
            ok = ok and r_python >= GOAL and r_iconv >= GOAL
        check_ok = True
        for name, pattern, options, goal in (("mixed", MIXED, "", True), ("mixed", MIXED, "--lines ", True),
                                             ("three findings per line", CHECKED, "--lines ", False)):
            path = os.path.join(tmp, "checked.txt")
            write_text(path, pattern, int(megabytes * 1e6))
            size = os.path.getsize(path) / 1e6
            # Exit status 3 (findings) is the expected one; the findings go to /dev/null too.
            wall, cpu = best_time(f"{cli} --check {options}--numbers-only 2>/dev/null; test $? -eq 3", path)
            os.remove(path)
            print(f"--check {options:8}on {size:.0f} MB of {name} text: {size / wall:6.0f} MB/s wall, "
                  f"{size / cpu:6.0f} MB/s CPU")
            check_ok = check_ok and (not goal or size / wall >= CHECK_GOAL)
    print(f"goal: at least {GOAL:.0f}x faster than both: {'met' if ok else 'NOT MET'}")
    print(f"goal: --check at {CHECK_GOAL:.0f} MB/s or more: {'met' if check_ok else 'NOT MET'}")
    return 0 if ok and check_ok else 1


if __name__ == "__main__":
    sys.exit(main())
