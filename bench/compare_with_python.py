#!/usr/bin/env python3
"""Converts one mixed text with Python's encode/hex and with Hexcribe's core, checks
that both give the same numbers, and prints the speed ratio (ours must be >= 5x)."""
import os
import subprocess
import sys
import tempfile
import timeit

PATTERN = "Hello, world! \ud55c\uad6d\uc5b4 \u6f22\u5b57 \U0001F600 caf\u00e9 \u0416\u0438\u0437\u043d\u044c\r\n"


def main() -> int:
    if len(sys.argv) < 2:
        print("usage: compare_with_python.py PATH/TO/bulk_convert [units]", file=sys.stderr)
        return 2
    tool = sys.argv[1]
    units = int(sys.argv[2]) if len(sys.argv) > 2 else 1 << 20
    text = (PATTERN * (units // len(PATTERN) + 1))
    data = text.encode("utf-16-le")[: units * 2]
    text = data.decode("utf-16-le", errors="surrogatepass")

    python_seconds = min(timeit.repeat(lambda: text.encode("utf-16-le", "surrogatepass").hex(" ").upper(),
                                       number=1, repeat=5))
    expected = text.encode("utf-16-le", "surrogatepass").hex(" ").upper()

    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, "in.bin")
        out = os.path.join(tmp, "out.txt")
        with open(src, "wb") as f:
            f.write(data)
        result = subprocess.run([tool, src, out], check=True, capture_output=True, text=True).stdout
        fields = dict(item.split("=") for item in result.split())
        ours = float(fields["seconds"])
        with open(out, encoding="ascii") as f:
            if f.read() != expected:
                print("MISMATCH: outputs differ", file=sys.stderr)
                return 1

    mb = len(data) / 1e6
    ratio = python_seconds / ours if ours > 0 else float("inf")
    print(f"input: {len(data)} bytes of UTF-16LE ({units} units)")
    print(f"python encode().hex(' ').upper(): {python_seconds * 1e3:8.2f} ms  {mb / python_seconds:8.1f} MB/s")
    print(f"hexcribe BuildCommand:            {ours * 1e3:8.2f} ms  {mb / ours:8.1f} MB/s")
    print(f"ratio: {ratio:.1f}x {'(ok, >= 5x)' if ratio >= 5 else '(BELOW the 5x goal)'}")
    return 0 if ratio >= 5 else 1


if __name__ == "__main__":
    sys.exit(main())
