#!/usr/bin/env python3
"""End-to-end checks of the hexcribe-cli program: round trips, lines, every error
class with its exit status and message, write failures and flat memory.

usage: cli_end_to_end.py PATH/TO/hexcribe-cli [EMULATOR...]
"""
import os
import resource
import subprocess
import sys
import tempfile

SEPARATORS = {"space": " ", "none": "", "comma": ",", "hyphen": "-"}
TEXTS = ["\ud55c\uad6d\uc778", "\U0001F600 emoji", "menu\r\nline two", "Hangul \ud55c, emoji \U0001F600\r\n", ""]

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


class Program:
    """Runs the program, natively or under an emulator. The Windows program's wrapper
    (Wine) gives it no standard input and merges its standard error into its output,
    so checks that need standard input are skipped there and messages are looked for
    in the merged output; a user-mode emulator (qemu) passes both through."""

    def __init__(self, path, emulator):
        self.command = emulator + [path]
        self.emulated = path.endswith(".exe")

    def run(self, *args, stdin=None, stdout=subprocess.PIPE):
        """(status, stdout, stderr); None when stdin is needed but cannot be given."""
        if stdin is not None and self.emulated:
            return None
        result = subprocess.run(self.command + list(args), input=stdin or b"", stdout=stdout,
                                stderr=subprocess.PIPE, timeout=600)
        out = result.stdout
        err = result.stderr.decode("utf-8", "replace")
        if self.emulated:
            err = out.decode("utf-8", "replace")
        return result.returncode, out, err


def expected_command(text, separator, whole):
    """The command as the dialog builds it, computed independently of the program."""
    data = text.encode("utf-16-le", "surrogatepass")
    numbers = SEPARATORS[separator].join(f"{byte:02X}" for byte in data)
    return f"Print 'U::{numbers}';" if whole else numbers


def round_trips(cli, tmp):
    # Every text is one argument, so one run converts them all (few runs: each costs
    # a process start, which is slow under an emulator).
    mixed = TEXTS[3]
    path = os.path.join(tmp, "text.txt")
    with open(path, "wb") as f:
        f.write(mixed.encode("utf-8"))
    for separator in SEPARATORS:
        for whole in (True, False):
            form = [] if whole else ["--numbers-only"]
            name = f"{separator}/{'whole' if whole else 'numbers'}"
            commands = [expected_command(text, separator, whole) for text in TEXTS]
            expected = "".join(c + "\n" for c in commands).encode("ascii")
            status, out, err = cli.run("--separator", separator, *form, "--", *TEXTS)
            check(status == 0 and out == expected, f"convert {name}: {out!r} {err}")
            if separator == "space" and whole:
                # A file and standard input give the same command as the argument.
                one = (expected_command(mixed, separator, whole) + "\n").encode("ascii")
                for run in (cli.run("-f", path), cli.run(stdin=mixed.encode("utf-8"))):
                    if run is not None:
                        status, out, err = run
                        check(status == 0 and out == one, f"convert from a file or stdin: {out!r} {err}")
            # An empty argument is an empty line, like an empty line of standard input,
            # so every text comes back, the empty one too.
            status, out, err = cli.run("--decode", "--", *commands)
            decoded = "".join(t + "\n" for t in TEXTS).encode("utf-8")
            check(status == 0 and out == decoded, f"decode {name}: {out!r} {err}")


def lines(cli, tmp):
    texts = ["\ud55c\uad6d\uc5b4 \uba54\ub274", "", "Stop \U0001F6D1", "caf\u00e9"]
    expected = "".join(expected_command(t, "space", True) + "\n" for t in texts).encode("ascii")
    for name, ending in (("LF", "\n"), ("CRLF", "\r\n")):
        path = os.path.join(tmp, f"{name}.txt")
        with open(path, "wb") as f:
            f.write(ending.join(texts).encode("utf-8") + ending.encode())
        status, out, err = cli.run("--lines", "-f", path)
        check(status == 0 and out == expected, f"--lines on a {name} file: {out!r} {err}")
    run = cli.run("--lines", "--count", "--numbers-only", "--separator", "none", stdin=b"A\r\n\xc3\xa9")
    if run is not None:
        check(run[1] == b"4100\t2\nE900\t2\n", f"--lines --count: {run[1]!r}")


def errors(cli, tmp):
    bad = os.path.join(tmp, "bad.txt")
    with open(bad, "wb") as f:
        f.write(b"first line\nsecond \xe4\xb8 line\n")
    cases = [
        (["--frobnicate"], None, 1, "unknown option '--frobnicate'"),
        (["--separator", "tab"], None, 1, "unknown separator 'tab'"),
        (["-f", os.path.join(tmp, "missing.txt")], None, 2, "cannot open"),
        (["-f", bad], None, 2, f"{bad}:2: invalid UTF-8 at byte offset 18: incomplete 3-byte sequence"),
        ([], b"abc\xff", 2, "<stdin>:1: invalid UTF-8 at byte offset 3"),
        (["--decode", "41 00 42"], None, 2, "<argument 2>:1:7: odd number of bytes (3)"),
        (["--decode"], b"41 00\n41 0x\n", 2, "<stdin>:2:5: expected a second hex digit, found 'x'"),
        (["--decode", "Print 'U::41 00"], None, 2, ":1:16: broken wrapper: the command is not closed"),
        (["--decode", "Print 'U::3D D8 41 00';"], None, 2, ":1:11: lone surrogate U+D83D"),
        (["--bmp-only", "ok \U0001F600\n\U0001F601"], None, 3,
         "<argument 2>:1:4: U+1F600 is outside the Basic Multilingual Plane\n"
         "hexcribe-cli: <argument 2>:2:1: U+1F601 is outside"),
    ]
    font = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"  # a real font file: no Hangul in it
    if os.path.exists(font):
        cases.append((["--check", "--nfc", "--font", font, "Cafe\u0301 \u200b\ud55c"], None, 3,
                      "<argument 5>:1:6: U+200B ZERO WIDTH SPACE: invisible\n"
                      f"<argument 5>:1:7: U+D55C HANGUL SYLLABLE HAN: no glyph in {font}"))
    for args, stdin, status, message in cases:
        run = cli.run(*args, stdin=stdin)
        if run is not None:
            got, _, err = run
            check(got == status and message in err, f"{args}: status {got}, stderr {err!r}")
    status, out, _ = cli.run("--help")
    check(status == 0 and b"Exit status:" in out, "--help")
    status, out, _ = cli.run("--version")
    expected = os.environ.get("HEXCRIBE_EXPECTED_VERSION", "hexcribe-cli v")
    check(status == 0 and out.startswith(expected.encode()), f"--version: {out!r}, expected {expected!r}")
    full = os.environ.get("HEXCRIBE_EXPECTED_FULL_VERSION", "")
    check(f"({full})".encode() in out, f"--version: {out!r}, expected the full version ({full})")


def posix_only(cli, megabytes):
    """Checks that need the host's own devices and process accounting."""
    if os.path.exists("/dev/full"):
        with open("/dev/full", "wb") as full:
            status, _, err = cli.run("Hello", stdout=full)
        check(status == 4 and "cannot write the output: No space left on device" in err,
              f"write to a full device: {status} {err!r}")
    # Standard output closed: the reason is named too.
    closed = subprocess.run(cli.command + ["Hello"], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                            preexec_fn=lambda: os.close(1), timeout=60)
    check(closed.returncode == 4 and b"cannot write the output: Bad file descriptor" in closed.stderr,
          f"closed standard output: {closed.returncode} {closed.stderr!r}")
    # Memory stays flat: the input streamed through a pipe needs far less than its size, checks and NFC
    # included (every line has an emoji to report).
    chunk = ("Hangul \ud55c\uad6d\uc5b4, emoji \U0001F600, caf\u00e9\r\n" * 20000).encode("utf-8")
    before = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    process = subprocess.Popen(cli.command + ["--count", "--check", "--nfc"], stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    tail = b""
    import threading

    def feed():
        written = 0
        while written < megabytes << 20:
            process.stdin.write(chunk)
            written += len(chunk)
        process.stdin.close()
        feed.written = written

    feeder = threading.Thread(target=feed)
    feeder.start()
    while True:
        block = process.stdout.read(1 << 20)
        if not block:
            break
        tail = (tail + block)[-64:]
    feeder.join()
    process.wait()
    peak_kb = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    units = len(chunk.decode("utf-8").encode("utf-16-le")) // 2 * (feed.written // len(chunk))
    check(process.returncode == 3 and tail.endswith(f"';\t{units * 2}\n".encode()), f"large input: {tail!r}")
    check(peak_kb > before and peak_kb < 64 * 1024, f"peak memory {peak_kb} KB for a {megabytes} MB input")


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    cli = Program(sys.argv[1], sys.argv[2:])
    with tempfile.TemporaryDirectory() as tmp:
        if not cli.emulated:
            # First: its memory check reads the peak of every run so far. Under a user-mode
            # emulator a smaller input, still larger than the limit, is enough.
            posix_only(cli, 96 if cli.command[:-1] else 256)
        round_trips(cli, tmp)
        lines(cli, tmp)
        errors(cli, tmp)
    print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
