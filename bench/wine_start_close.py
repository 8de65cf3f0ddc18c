#!/usr/bin/env python3
"""Start-up and close time of Hexcribe.exe under Wine with an empty and with a full input box.

The program runs in a real window on a private Xvfb display, driven as the fault runner
drives it (tests/faults/fault_injection.py): it starts, restores the saved text, and is
closed with its Close button. The start-up runs from the process start to the window shown, the close
from the key press on Close to the end of the process. Each settings file is written again before every run with the text in
lower-case hex digits, which the program saves in upper case, so every close really saves
the text; "full-box-kept" stores it as the program saves it, so its close has nothing to
write. The full box is 32,767 UTF-16 units, as one paragraph and as lines.

Usage: bench/wine_start_close.py [--runs N] [--program HEXCRIBE_EXE] [--json FILE]   (after building the windows preset)
"""
import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BUILD = ROOT / "build" / "windows"
sys.path.insert(0, str(ROOT / "tests" / "faults"))
sys.path.insert(0, str(ROOT / "bench"))
import fault_injection  # noqa: E402  the Wine harness
from startup_memory import TEXT_CASES, WHOLE_TEXT_TARGET_MS  # noqa: E402

CASES = dict(TEXT_CASES, **{"full-box-kept": TEXT_CASES["full-box"].upper()})


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=11)
    parser.add_argument("--program", help="Hexcribe.exe (default: the windows preset's build)")
    parser.add_argument("--json", help="also write the figures to this file")
    args = parser.parse_args()
    program = Path(args.program) if args.program else BUILD / "src" / "app" / "win32" / "Hexcribe.exe"
    holder = BUILD / "tests" / "faults" / "hold_file.exe"
    runner = ROOT / "scripts" / "wine-run.sh"
    if not program.exists() or not holder.exists():
        print("build the windows preset first: cmake --preset windows && cmake --build --preset windows")
        return 1
    wine_root = BUILD / "wine-bench"
    scratch = Path(tempfile.mkdtemp(prefix="hexcribe-wine-start-close-"))
    xvfb = None
    try:
        if not os.environ.get("DISPLAY"):
            xvfb = fault_injection.Xvfb().__enter__()
            os.environ["DISPLAY"] = xvfb.display
        # The holder without arguments ends at once: the prefix is made before any run is timed.
        subprocess.run(fault_injection.NO_OVERRIDE + [str(runner), str(holder)], capture_output=True, timeout=600,
                       env=dict(os.environ, HEXCRIBE_WINE_ROOT=str(wine_root)))
        h = fault_injection.WineHarness(program, runner, holder, wine_root, scratch)
        h.folder.mkdir(parents=True)
        closes = {name: [] for name in CASES}
        shows = {name: [] for name in CASES}
        for _ in range(args.runs):
            for name, stored in CASES.items():
                body = f"[gen]\r\nuni_font=Tahoma\r\nmlang_text={stored}\r\n"
                h.file.write_bytes(b"\xff\xfe" + body.encode("utf-16-le"))
                report = h.run()
                h.expect_clean_run(report, name)
                closes[name].append(report["close_s"] * 1000)
                shows[name].append(report["shown_s"] * 1000)
        if CASES["full-box"].upper() not in h.file.read_bytes()[2:].decode("utf-16-le"):
            raise RuntimeError("the full box was not saved whole")
    finally:
        if xvfb is not None:
            xvfb.__exit__()
        env = dict(os.environ, HOME=str(wine_root / "home"), WINEPREFIX=str(wine_root / "prefix"))
        subprocess.run(["wineserver", "-k"], env=env, capture_output=True)
        shutil.rmtree(scratch, ignore_errors=True)

    def figures(values):
        return {name: {"median": statistics.median(v), "min": min(v), "max": max(v)} for name, v in values.items()}
    result = {"start": figures(shows), "close": figures(closes)}
    print(f"{'':14} {'start-up ms (median, min-max)':>32} {'close ms (median, min-max)':>32}")
    for name in CASES:
        s, c = result["start"][name], result["close"][name]
        print(f"{name:14} {s['median']:12.1f} ({s['min']:7.1f}-{s['max']:7.1f})"
              f" {c['median']:12.1f} ({c['min']:7.1f}-{c['max']:7.1f})")
    for name in CASES:
        if name == "empty-text":
            continue
        for what in ("start", "close"):
            extra = result[what][name]["median"] - result[what]["empty-text"]["median"]
            print(f"{name} against an empty text (medians): {what} {extra:+.1f} ms "
                  f"(target <= {WHOLE_TEXT_TARGET_MS} ms): {'met' if extra <= WHOLE_TEXT_TARGET_MS else 'MISSED'}")
    if args.json:
        Path(args.json).write_text(json.dumps(dict(result, runs=args.runs), indent=2) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
