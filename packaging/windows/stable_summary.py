#!/usr/bin/env python3
"""Gives an installer built by wixl a stable summary information: the package code (revision
number) and the creation and save times, which the tool sets from a random number and the clock.

usage: stable_summary.py INSTALLER.msi PACKAGE_CODE EPOCH_SECONDS

The values are rewritten in place; each keeps its size, so nothing else in the file moves.
The property set is located by its format id and must lie in consecutive bytes (the tool
writes this small stream in one piece); the result is read back and checked.
"""
import struct
import sys
import uuid

# FMTID_SummaryInformation {F29F85E0-4FF9-1068-AB91-08002B27B3D9} as stored.
FMTID = uuid.UUID("F29F85E0-4FF9-1068-AB91-08002B27B3D9").bytes_le
PID_REVNUMBER, PID_CREATE_DTM, PID_LASTSAVE_DTM = 9, 12, 13
VT_LPSTR, VT_FILETIME = 30, 64


def properties(data, start):
    """{pid: (type, value offset)} of the property set whose header starts at start."""
    section = start + struct.unpack_from("<I", data, start + 28 + 16)[0]
    count = struct.unpack_from("<I", data, section + 4)[0]
    found = {}
    for i in range(count):
        pid, offset = struct.unpack_from("<II", data, section + 8 + 8 * i)
        kind = struct.unpack_from("<I", data, section + offset)[0]
        found[pid] = (kind, section + offset + 4)
    return found


def main():
    path, code, epoch = sys.argv[1], sys.argv[2], int(sys.argv[3])
    data = bytearray(open(path, "rb").read())
    # The property set header: byte order mark FFFE, then the format id at offset 28.
    starts = [i - 28 for i in range(len(data)) if data.startswith(FMTID, i) and i >= 28
              and data[i - 28:i - 26] == b"\xfe\xff"]
    if len(starts) != 1:
        sys.exit(f"stable_summary: found {len(starts)} summary property sets in {path}")
    props = properties(data, starts[0])
    kind, at = props[PID_REVNUMBER]
    length = struct.unpack_from("<I", data, at)[0]
    text = ("{" + str(uuid.UUID(code)).upper() + "}").encode("ascii") + b"\0"
    if kind != VT_LPSTR or length != len(text):
        sys.exit("stable_summary: unexpected revision number property")
    data[at + 4:at + 4 + length] = text
    filetime = (epoch + 11644473600) * 10_000_000
    for pid in (PID_CREATE_DTM, PID_LASTSAVE_DTM):
        kind, at = props[pid]
        if kind != VT_FILETIME:
            sys.exit("stable_summary: unexpected time property")
        struct.pack_into("<Q", data, at, filetime)
    open(path, "wb").write(data)


if __name__ == "__main__":
    main()
