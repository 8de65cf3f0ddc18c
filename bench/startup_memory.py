#!/usr/bin/env python3
"""Start-up time and peak memory of Hexcribe against a bare Qt dialog of the same size.

Both programs run alternately on a private Xvfb display. For each run the window
driver (tests/faults/x11_window_driver.cpp) measures the time from process start
to the first paint of the mapped window -- Hexcribe has regenerated its command
before it shows, so the first paint already shows the first command -- then
closes the window with WM_DELETE_WINDOW and reads the peak RSS from wait4().
The bare dialog (bench/bare_dialog.cpp, built here) is the toolkit's floor; the same
program with --content shows Hexcribe's content in plain Qt widgets, which separates
the toolkit's cost of that content (a CJK face at 26 points, the font list) from ours;
with --label it is the floor of any window that draws text.

Hexcribe also runs as "empty-text", "full-box" and "full-lines", with a settings file
holding an empty text or a text that fills the input box (32,767 UTF-16 units of Latin
letters, Hangul and emoji: one paragraph, the toolkit's worst case, or lines); each file is written again before every run in a form the program
normalises, so every close really saves the text. Their start-up and close times
(from asking the window to close to the end of the process) show what the whole
text costs.

With --instructions each program also runs once under callgrind: its instruction
count (whole run, start to exit) is a start-up measure that a busy machine does not
disturb.

Usage: bench/startup_memory.py [--runs N] [--program PATH] [--check] [--instructions] [--json FILE]
With --check the exit status is 1 when a target is missed:
start-up within 1.5x and peak RSS within 1.3x of the bare dialog, and the full box's
start-up and close each within 50 ms of the empty text's.
"""
import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
OUT = ROOT / "build" / "startup-bench"
FACE = "Noto Sans CJK KR"
STARTUP_TARGET = 1.5
RSS_TARGET = 1.3
WHOLE_TEXT_TARGET_MS = 50


def full_box_text(units=32767):
    """Latin letters, Hangul and emoji, exactly `units` UTF-16 units."""
    chars, n = [], 0
    while True:
        for ch in "Hexcribe 한국어 😀 ":
            width = 2 if ord(ch) > 0xFFFF else 1
            if n + width > units:
                return "".join(chars) + "x" * (units - n)
            chars.append(ch)
            n += width


# What the settings file of each text case holds before a run: "0000" reads as the empty
# text and lower-case digits as the text itself; the program saves "" and upper case.
TEXT_CASES = {"empty-text": "0000", "full-box": full_box_text().encode("utf-16-le").hex(),
              "full-lines": ("Hexcribe 한국어 😀\r\n" * 1927 + "Hexcribe").encode("utf-16-le").hex()}


def run(cmd, **kw):
    return subprocess.run(cmd, check=True, **kw)


def newer(target, *sources):
    return target.exists() and all(target.stat().st_mtime >= s.stat().st_mtime for s in sources)


def build_tools(program):
    """Builds the bare dialog and the window driver; builds Hexcribe when it is missing."""
    OUT.mkdir(parents=True, exist_ok=True)
    qt = subprocess.run(["pkg-config", "--cflags", "--libs", "Qt6Widgets"], check=True,
                        capture_output=True, text=True).stdout.split()
    bare_src = ROOT / "bench" / "bare_dialog.cpp"
    driver_src = ROOT / "tests" / "faults" / "x11_window_driver.cpp"
    bare, driver = OUT / "bare_dialog", OUT / "x11_window_driver"
    if not newer(bare, bare_src):
        run(["c++", "-std=c++20", "-O2", "-fPIC", str(bare_src), "-o", str(bare), *qt])
    if not newer(driver, driver_src):
        run(["c++", "-std=c++20", "-O2", f"-I{ROOT / 'tests' / 'support'}", str(driver_src), "-o", str(driver),
             "-lX11", "-lXdamage"])
    if program is None:
        program = ROOT / "build" / "release" / "src" / "app" / "qt" / "hexcribe"
        run(["cmake", "--preset", "release"], cwd=ROOT, stdout=subprocess.DEVNULL)
        run(["cmake", "--build", "--preset", "release", "--target", "hexcribe"], cwd=ROOT)
    return Path(program), bare, driver


class Xvfb:
    """A private virtual X server on the first free display number from 140 on."""

    def __enter__(self):
        for n in range(140 + os.getpid() % 40, 260):
            if not Path(f"/tmp/.X11-unix/X{n}").exists() and not Path(f"/tmp/.X{n}-lock").exists():
                break
        self.display = f":{n}"
        self.proc = subprocess.Popen(["Xvfb", self.display, "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(200):
            if Path(f"/tmp/.X11-unix/X{n}").exists():
                return self
            time.sleep(0.05)
        raise RuntimeError("Xvfb did not start")

    def __exit__(self, *exc):
        self.proc.terminate()
        self.proc.wait()


def write_settings(folder, stored):
    (folder / "Hexcribe").mkdir(parents=True, exist_ok=True)
    (folder / "Hexcribe" / "setting.ini").write_bytes(f"[gen]\r\nuni_font={FACE}\r\nmlang_text={stored}\r\n".encode())


def measure(driver, argv, env):
    """The driver's figures, and closed_ms: from just before it asks the window to close (a time
    stamp its --before-close command writes) to its own end, a few ms after the program's."""
    with tempfile.NamedTemporaryFile("r") as stamp:
        out = subprocess.run([str(driver), "--settle-ms", "50", "--before-close", f"date +%s.%N >{stamp.name}", "--",
                              *map(str, argv)], env=env, capture_output=True, text=True, timeout=60)
        ended = time.time()
        closed_ms = (ended - float(stamp.read() or ended)) * 1000
    values = dict(line.split("=", 1) for line in out.stdout.splitlines() if "=" in line)
    if out.returncode != 0 or values.get("hung") != "0" or values.get("exit") != "0":
        raise RuntimeError(f"{argv[0]} did not start and close cleanly: {out.stdout} {out.stderr}")
    return dict(values, closed_ms=closed_ms)


def instructions(driver, argv, env, scratch):
    out = scratch / "callgrind.out"
    subprocess.run([str(driver), "--timeout-ms", "180000", "--settle-ms", "200", "--", "valgrind", "--tool=callgrind",
                    f"--callgrind-out-file={out}", *map(str, argv)], env=dict(env, QT_ENABLE_REGEXP_JIT="0"),
                   capture_output=True, text=True, timeout=300, check=True)
    for line in out.read_text(errors="replace").splitlines():
        if line.startswith("summary:") or line.startswith("totals:"):
            return int(line.split()[1])
    raise RuntimeError("no instruction total in the callgrind output")


def cjk_fonts():
    out = subprocess.run(["fc-list", ":lang=ko", "family"], capture_output=True, text=True).stdout
    korean = sorted({line.split(",")[0] for line in out.splitlines() if line})
    out = subprocess.run(["fc-list", ":lang=zh", "family"], capture_output=True, text=True).stdout
    chinese = sorted({line.split(",")[0] for line in out.splitlines() if line})
    families = len(set(subprocess.run(["fc-list", ":", "family"], capture_output=True, text=True).stdout.splitlines()))
    return korean, chinese, families


def summary(samples):
    return {"median": statistics.median(samples), "min": min(samples), "max": max(samples)}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--program", help="Hexcribe executable (default: the release preset's build)")
    parser.add_argument("--check", action="store_true", help="fail when a target is missed")
    parser.add_argument("--instructions", action="store_true", help="also count instructions under callgrind")
    parser.add_argument("--json", help="also write the figures to this file")
    args = parser.parse_args()

    program, bare, driver = build_tools(args.program)
    korean, chinese, families = cjk_fonts()
    print(f"fonts: {families} families; Korean: {', '.join(korean) or 'NONE'}; Chinese: {len(chinese)} families")
    if not korean or not chinese:
        print("warning: CJK fonts are missing; the figures are not the ones the targets are set for")

    home = Path(tempfile.mkdtemp(prefix="hexcribe-bench-"))
    try:
        settings = home / ".config" / "Hexcribe"
        settings.mkdir(parents=True)
        # A returning user: a CJK face and a Korean text, so the display font is a CJK one.
        text = "한국인 Hexcribe".encode("utf-16-le").hex().upper()
        (settings / "setting.ini").write_bytes(
            f"[gen]\r\nuni_font={FACE}\r\nmlang_text={text}\r\n".encode())
        with Xvfb() as x:
            env = {k: v for k, v in os.environ.items() if not k.startswith("QT_")}
            env.update(DISPLAY=x.display, HOME=str(home), XDG_CONFIG_HOME=str(home / ".config"),
                       QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8", XDG_RUNTIME_DIR=str(home))
            first = measure(driver, [program], env)  # warm-up; also gives the window's size
            size = [first["width"], first["height"]]
            print(f"Hexcribe window: {size[0]}x{size[1]} px, title {first['title']!r}")
            measure(driver, [bare, *size], env)
            programs = {"hexcribe": [program], "bare": [bare, *size], "one-label": [bare, *size, "--label"],
                        "same-content": [bare, *size, "--content", FACE, "한국인 Hexcribe"],
                        **{name: [program] for name in TEXT_CASES}}
            envs = {name: dict(env, XDG_CONFIG_HOME=str(home / name)) for name in TEXT_CASES}

            def run_one(name, measure_with, *extra):
                if name in TEXT_CASES:
                    write_settings(home / name, TEXT_CASES[name])
                return measure_with(driver, programs[name], envs.get(name, env), *extra)

            times = {name: [] for name in programs}
            closes = {name: [] for name in programs}
            rss = {name: [] for name in programs}
            for _ in range(args.runs):
                for name in programs:
                    values = run_one(name, measure)
                    times[name].append(float(values["shown_ms"]))
                    closes[name].append(float(values["closed_ms"]))
                    rss[name].append(int(values["maxrss_kb"]) / 1024)
            saved = (home / "full-box" / "Hexcribe" / "setting.ini").read_bytes().decode()
            if f"mlang_text={TEXT_CASES['full-box'].upper()}\r\n" not in saved:
                raise RuntimeError("the full box was not saved whole")
            counts = {name: run_one(name, instructions, home) for name in programs} if args.instructions else {}
    finally:
        shutil.rmtree(home, ignore_errors=True)

    result = {name: {"startup_ms": summary(times[name]), "close_ms": summary(closes[name]),
                     "peak_rss_mb": summary(rss[name])} for name in times}
    startup_ratio = result["hexcribe"]["startup_ms"]["median"] / result["bare"]["startup_ms"]["median"]
    startup_min_ratio = result["hexcribe"]["startup_ms"]["min"] / result["bare"]["startup_ms"]["min"]
    rss_ratio = result["hexcribe"]["peak_rss_mb"]["median"] / result["bare"]["peak_rss_mb"]["median"]
    content_rss_ratio = result["hexcribe"]["peak_rss_mb"]["median"] / result["same-content"]["peak_rss_mb"]["median"]
    for name, count in counts.items():
        result[name]["instructions"] = count
    extra = {name: {what: result[name][what]["median"] - result["empty-text"][what]["median"]
                    for what in ("startup_ms", "close_ms")} for name in ("full-box", "full-lines")}
    result.update(runs=args.runs, startup_ratio=startup_ratio, startup_min_ratio=startup_min_ratio, rss_ratio=rss_ratio,
                  rss_ratio_to_same_content=content_rss_ratio, font_families=families, korean_fonts=korean,
                  extra_over_empty_text=extra)

    print(f"{'':12} {'start-up ms (median, min-max)':>32} {'close ms (median, min-max)':>32} "
          f"{'peak RSS MB (median, min-max)':>32}")
    for name in times:
        t, c, r = result[name]["startup_ms"], result[name]["close_ms"], result[name]["peak_rss_mb"]
        print(f"{name:12} {t['median']:14.1f} ({t['min']:6.1f}-{t['max']:6.1f}) "
              f"{c['median']:14.1f} ({c['min']:6.1f}-{c['max']:6.1f}) "
              f"{r['median']:16.1f} ({r['min']:6.1f}-{r['max']:6.1f})")
    ok_startup = startup_ratio <= STARTUP_TARGET
    ok_rss = rss_ratio <= RSS_TARGET
    print(f"start-up ratio {startup_ratio:.2f} of medians, {startup_min_ratio:.2f} of minimums "
          f"(target <= {STARTUP_TARGET}): {'met' if ok_startup else 'MISSED'}")
    for name, count in counts.items():
        print(f"instructions, whole run, {name:12} {count / 1e6:8.1f} M  ({count / counts['bare']:.2f}x bare)")
    print(f"peak RSS ratio {rss_ratio:.2f} (target <= {RSS_TARGET}): {'met' if ok_rss else 'MISSED'}")
    ok_whole = True
    for name, ms in extra.items():
        ok = max(ms.values()) <= WHOLE_TEXT_TARGET_MS
        ok_whole = ok_whole and ok
        print(f"{name} against an empty text (medians): start-up {ms['startup_ms']:+.1f} ms, close "
              f"{ms['close_ms']:+.1f} ms (target <= {WHOLE_TEXT_TARGET_MS} ms each): {'met' if ok else 'MISSED'}")
    print(f"peak RSS against plain Qt widgets showing the same content ({FACE} at 26 pt, the font list): "
          f"{content_rss_ratio:.2f}")
    for ref in ("one-label", "same-content"):
        print(f"against {ref}: start-up {result['hexcribe']['startup_ms']['median'] / result[ref]['startup_ms']['median']:.2f} "
              f"(medians), {result['hexcribe']['startup_ms']['min'] / result[ref]['startup_ms']['min']:.2f} (minimums); "
              f"peak RSS {result['hexcribe']['peak_rss_mb']['median'] / result[ref]['peak_rss_mb']['median']:.2f}")
    if args.json:
        Path(args.json).write_text(json.dumps(result, indent=2, ensure_ascii=False) + "\n")
    return 1 if args.check and not (ok_startup and ok_rss and ok_whole) else 0


if __name__ == "__main__":
    sys.exit(main())
