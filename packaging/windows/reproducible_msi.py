#!/usr/bin/python3
"""Builds the Windows installer with wixl so that the same sources give the same bytes.

    reproducible_msi.py --wixl WIXL --output MSI --upgrade-code GUID --sources DIR
                        SOURCE.wxs FILE...

Run in the folder that holds the source and the FILEs it names. wixl takes each file's time
for the cabinet, stamps the summary information with the time it runs and draws a new package
code each time. So the FILEs are given the sources' time first, SOURCE_DATE_EPOCH (the last
commit's time when it is not set, as for the Debian package); after wixl, the summary
information's times are set to it too, and the package code is derived from the installer's
content: a name-based GUID, under the upgrade code, of the SHA-256 of the installer with that
code zeroed. An installer that differs in anything else gets another package code, as Windows
Installer requires.

The summary information is changed in place inside the installer's compound file: the code and
the times keep their lengths, so nothing else moves. Python's standard library alone.
"""

import argparse
import hashlib
import os
import struct
import subprocess
import sys
import time
import uuid

SUMMARY_STREAM = "\x05SummaryInformation"
PID_REVISION_NUMBER = 9  # the package code
VT_LPSTR, VT_FILETIME = 30, 64
END_OF_CHAIN = 0xFFFFFFFE
FILETIME_EPOCH_OFFSET = 11644473600  # seconds from 1601-01-01 to 1970-01-01
ZERO_CODE = "{00000000-0000-0000-0000-000000000000}"


class MsiError(Exception):
    pass


def chain(table, start):
    """The sector numbers of a chain in a FAT or mini FAT."""
    sectors, seen = [], set()
    while start != END_OF_CHAIN:
        if start >= len(table) or start in seen:
            raise MsiError("broken sector chain")
        seen.add(start)
        sectors.append(start)
        start = table[start]
    return sectors


def stream_offsets(data, name):
    """The file offset of each byte of the named stream of a compound file, in order."""
    if data[:8] != bytes.fromhex("d0cf11e0a1b11ae1"):
        raise MsiError("not a compound file")
    sector_size = 1 << struct.unpack_from("<H", data, 0x1E)[0]
    mini_size = 1 << struct.unpack_from("<H", data, 0x20)[0]
    (first_directory,) = struct.unpack_from("<I", data, 0x30)
    cutoff, first_mini_fat, _, first_difat, difat_count = struct.unpack_from("<5I", data, 0x38)

    def sector(number):
        at = (number + 1) * sector_size
        if at + sector_size > len(data):
            raise MsiError("sector beyond the end of the file")
        return at

    def words(number):
        return struct.unpack_from(f"<{sector_size // 4}I", data, sector(number))

    fat_sectors = list(struct.unpack_from("<109I", data, 0x4C))
    for _ in range(difat_count):
        entries = words(first_difat)
        fat_sectors += entries[:-1]
        first_difat = entries[-1]
    fat = [word for number in fat_sectors if number < END_OF_CHAIN - 2 for word in words(number)]

    directory = b"".join(data[sector(n):sector(n) + sector_size]
                         for n in chain(fat, first_directory))
    entries = []
    for at in range(0, len(directory), 128):
        length = struct.unpack_from("<H", directory, at + 0x40)[0]
        entry_name = directory[at:at + max(length - 2, 0)].decode("utf-16-le")
        start, size = struct.unpack_from("<IQ", directory, at + 0x74)
        entries.append((entry_name, start, size & 0xFFFFFFFF))
    _, root_start, _ = entries[0]
    found = [entry for entry in entries[1:] if entry[0] == name]
    if len(found) != 1:
        raise MsiError(f"no stream {name!r}")
    _, start, size = found[0]

    if size >= cutoff:
        return [sector(n) + i for n in chain(fat, start) for i in range(sector_size)][:size]
    mini_fat = [word for n in chain(fat, first_mini_fat) for word in words(n)]
    mini_stream = [sector(n) + i for n in chain(fat, root_start) for i in range(sector_size)]
    offsets = [mini_stream[n * mini_size + i] for n in chain(mini_fat, start)
               for i in range(mini_size)]
    return offsets[:size]


def summary_fields(stream):
    """(property id, type, offset of the value in the stream, value bytes) of each property."""
    (section,) = struct.unpack_from("<I", stream, 28 + 16)
    _, count = struct.unpack_from("<II", stream, section)
    fields = []
    for index in range(count):
        pid, offset = struct.unpack_from("<II", stream, section + 8 + 8 * index)
        at = section + offset
        (kind,) = struct.unpack_from("<I", stream, at)
        if kind == VT_LPSTR:
            (length,) = struct.unpack_from("<I", stream, at + 4)
            fields.append((pid, kind, at + 8, length))
        elif kind == VT_FILETIME:
            fields.append((pid, kind, at + 4, 8))
    return fields


def fix_summary(data, epoch, upgrade_code):
    """The installer with the summary information's times set and its package code derived."""
    data = bytearray(data)
    offsets = stream_offsets(data, SUMMARY_STREAM)
    stream = bytes(data[at] for at in offsets)

    def put(at, value):
        for index, byte in enumerate(value):
            data[offsets[at + index]] = byte

    code_at = None
    filetime = struct.pack("<Q", (epoch + FILETIME_EPOCH_OFFSET) * 10_000_000)
    for pid, kind, at, length in summary_fields(stream):
        if kind == VT_FILETIME:
            put(at, filetime)
        elif pid == PID_REVISION_NUMBER:
            if length != len(ZERO_CODE) + 1:
                raise MsiError("the package code is no GUID in braces")
            code_at = at
    if code_at is None:
        raise MsiError("the summary information has no package code")
    put(code_at, ZERO_CODE.encode("ascii"))
    digest = hashlib.sha256(data).hexdigest()
    code = uuid.uuid5(uuid.UUID(upgrade_code), f"package {digest}")
    put(code_at, ("{" + str(code).upper() + "}").encode("ascii"))
    return bytes(data)


def sources_time(sources):
    if "SOURCE_DATE_EPOCH" in os.environ:
        return int(os.environ["SOURCE_DATE_EPOCH"])
    try:
        commit = subprocess.run(["git", "-C", sources, "log", "-1", "--format=%ct"],
                                capture_output=True, text=True, check=True).stdout.strip()
        return int(commit)
    except (OSError, subprocess.CalledProcessError, ValueError):
        print("reproducible_msi.py: the sources are not in git and SOURCE_DATE_EPOCH is not set: "
              "the installer carries the time it is made", file=sys.stderr)
        return int(time.time())


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wixl", required=True)
    parser.add_argument("--output", required=True)
    parser.add_argument("--upgrade-code", required=True)
    parser.add_argument("--sources", required=True)
    parser.add_argument("source")
    parser.add_argument("files", nargs="+")
    arguments = parser.parse_args()

    epoch = sources_time(arguments.sources)
    for file in arguments.files:
        os.utime(file, (epoch, epoch))
    subprocess.run([arguments.wixl, "--arch", "x64", "--output", arguments.output,
                    arguments.source], check=True)
    with open(arguments.output, "rb") as installer:
        data = installer.read()
    try:
        data = fix_summary(data, epoch, arguments.upgrade_code)
    except (MsiError, struct.error, UnicodeDecodeError, IndexError) as error:
        os.remove(arguments.output)
        sys.exit(f"reproducible_msi.py: {arguments.output}: {error}")
    with open(arguments.output, "wb") as installer:
        installer.write(data)


if __name__ == "__main__":
    main()
