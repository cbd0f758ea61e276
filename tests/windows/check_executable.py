#!/usr/bin/env python3
"""Checks the Windows program from the build machine: its resources and the DLLs it imports.

    check_executable.py PROGRAM.exe --icon ICO --group-id ID --image-ids ID...
                        --version A.B.C.D --strings KEY=VALUE... [--shipped MAX_BYTES]

The executable must carry exactly the icon images of ICO under the image ids, in file order,
and their group under the group id, all language neutral; the version record, in US English,
with the version A.B.C.D and the version strings given; and the application manifest,
language neutral. It may import only DLLs that every Windows 10 and 11 has. With --shipped,
it must also be the program as shipped: no debug sections, no link time in its header (so that
two builds of the same sources are the same bytes) and at most MAX_BYTES long.

Prints one line per check and a summary; exits with status 1 when a check fails and 2 when
the arguments or the files cannot be read.
"""

import argparse
import struct
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

import pefile

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "app" / "windows"))
from icon_resources import IconError, read_entries  # noqa: E402 (the build's icon reader)

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
LANG_NEUTRAL = 0x0000
LANG_EN_US = 0x0409
CODE_PAGE_UNICODE = 0x04B0
VERSION_RESOURCE_ID = 1
MANIFEST_RESOURCE_ID = 1  # the manifest that Windows reads when it creates the process
VOS__WINDOWS32 = 4
VFT_APP = 1

# The version strings, in the order the record lists them.
VERSION_KEYS = ("Comments", "CompanyName", "FileDescription", "LegalCopyright", "LegalTrademarks",
                "ProductName", "FileVersion", "ProductVersion", "InternalName", "OriginalFilename")

# DLLs of every Windows 10 and 11, matched without regard to case: the same list as the test
# programs' (tests/wine/check-imports.sh). The C++ library, libgcc and winpthread are linked
# in statically and must not appear.
ALLOWED_IMPORTS = ("advapi32", "comctl32", "comdlg32", "gdi32", "kernel32", "msvcrt", "ole32",
                   "oleaut32", "shell32", "shlwapi", "user32", "uxtheme", "version")

GROUP_HEADER = struct.Struct("<HHH")
GROUP_ENTRY = struct.Struct("<BBBBHHIH")
BITMAP_HEADER = struct.Struct("<IiiHH")  # size, width, height (image and mask), planes, bits

ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"
WINDOWS_SETTINGS_2005 = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
WINDOWS_SETTINGS_2016 = "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}"
COMPATIBILITY = "{urn:schemas-microsoft-com:compatibility.v1}"
ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
WINDOWS_10_AND_11 = "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"
COMMON_CONTROLS = "Microsoft.Windows.Common-Controls"


class Report:
    """Prints each check as it is made and counts the failures."""

    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, name, ok, detail):
        print(f"{'PASS' if ok else 'FAIL'}  {name}: {detail}")
        if ok:
            self.passed += 1
        else:
            self.failed += 1
        return ok


def resources_of(pe):
    """{(type, id): [(language, bytes), ...]} of every resource of the executable."""
    found = {}
    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        return found
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for entry in kind.directory.entries:
            key = (kind.id if kind.name is None else str(kind.name),
                   entry.id if entry.name is None else str(entry.name))
            for language in entry.directory.entries:
                data = language.data.struct
                found.setdefault(key, []).append(
                    (language.id, pe.get_data(data.OffsetToData, data.Size)))
    return found


def only_language(report, name, resources, key, language):
    """The bytes of a resource that exists in exactly the one language given, or None."""
    copies = resources.get(key, [])
    languages = [found for found, _ in copies]
    if not report.check(f"{name} language", languages == [language],
                        f"{', '.join(f'0x{found:04X}' for found in languages) or 'missing'}"
                        f" (wanted 0x{language:04X})"):
        return None
    return copies[0][1]


def check_resource_list(report, resources, arguments):
    wanted = {(RT_ICON, image_id) for image_id in arguments.image_ids}
    wanted |= {(RT_GROUP_ICON, arguments.group_id), (RT_VERSION, VERSION_RESOURCE_ID),
               (RT_MANIFEST, MANIFEST_RESOURCE_ID)}
    found = set(resources)
    listing = ", ".join(f"{kind}/{name}" for kind, name in sorted(found, key=str))
    report.check("resources", found == wanted,
                 f"{listing} (type/id)" + (f"; wanted {sorted(wanted)}" if found != wanted else ""))


def check_icons(report, resources, arguments, icon_entries):
    group = only_language(report, f"icon group {arguments.group_id}", resources,
                          (RT_GROUP_ICON, arguments.group_id), LANG_NEUTRAL)
    if group is not None:
        wanted = [fields + (image_id,)
                  for (fields, _), image_id in zip(icon_entries, arguments.image_ids)]
        header = GROUP_HEADER.unpack_from(group) if len(group) >= GROUP_HEADER.size else None
        entries = [GROUP_ENTRY.unpack_from(group, GROUP_HEADER.size + index * GROUP_ENTRY.size)
                   for index in range((len(group) - GROUP_HEADER.size) // GROUP_ENTRY.size)]
        report.check(f"icon group {arguments.group_id} entries",
                     header == (0, 1, len(wanted)) and entries == wanted and
                     len(group) == GROUP_HEADER.size + len(wanted) * GROUP_ENTRY.size,
                     "; ".join(f"id {entry[7]}: {entry[0] or 256} x {entry[1] or 256}, "
                               f"{entry[5]} bits, {entry[6]} bytes" for entry in entries))
    for index, ((fields, image), image_id) in enumerate(zip(icon_entries, arguments.image_ids)):
        name = f"icon image {image_id}"
        found = only_language(report, name, resources, (RT_ICON, image_id), LANG_NEUTRAL)
        if found is None:
            continue
        report.check(f"{name} bytes", found == image,
                     f"{len(found)} bytes, {'the same as' if found == image else 'unlike'} "
                     f"image {index + 1} of {arguments.icon.name}")
        # Windows reads the size from the image's own header: it must agree with the group.
        width, height, bits = fields[0] or 256, fields[1] or 256, fields[5]
        header = BITMAP_HEADER.unpack_from(found) if len(found) >= BITMAP_HEADER.size else None
        report.check(f"{name} header", header == (40, width, 2 * height, 1, bits),
                     f"{header[1]} x {header[2] // 2}, {header[4]} bits" if header else
                     "too short")


def check_version(report, pe, resources, arguments):
    if only_language(report, "version record", resources, (RT_VERSION, VERSION_RESOURCE_ID),
                     LANG_EN_US) is None:
        return
    major, minor, patch, tweak = arguments.version
    fixed = pe.VS_FIXEDFILEINFO[0] if getattr(pe, "VS_FIXEDFILEINFO", None) else None
    wanted = {"Signature": 0xFEEF04BD, "StrucVersion": 0x10000,
              "FileVersionMS": major << 16 | minor, "FileVersionLS": patch << 16 | tweak,
              "ProductVersionMS": major << 16 | minor, "ProductVersionLS": patch << 16 | tweak,
              "FileFlagsMask": 0, "FileFlags": 0, "FileOS": VOS__WINDOWS32, "FileType": VFT_APP,
              "FileSubtype": 0, "FileDateMS": 0, "FileDateLS": 0}
    wrong = [f"{field} 0x{getattr(fixed, field):X}" for field, value in wanted.items()
             if fixed is not None and getattr(fixed, field) != value]
    report.check("version fixed part", fixed is not None and not wrong,
                 ", ".join(wrong) if wrong else
                 "missing" if fixed is None else
                 f"version {major}.{minor}.{patch}.{tweak}, flags 0, OS 32-bit Windows, "
                 f"application, date 0")

    tables, translations = [], []
    for file_info in getattr(pe, "FileInfo", []):
        for block in file_info:
            tables += getattr(block, "StringTable", [])
            translations += [var.entry.get(b"Translation") for var in getattr(block, "Var", [])]
    table_names = [table.LangID.decode("ascii", "replace").upper() for table in tables]
    wanted_table = f"{LANG_EN_US:04X}{CODE_PAGE_UNICODE:04X}"
    report.check("version string tables", table_names == [wanted_table],
                 ", ".join(table_names) or "none")
    strings = {key.decode("utf-8", "replace"): value.decode("utf-8", "replace")
               for key, value in (tables[0].entries.items() if tables else [])}
    report.check("version string order", list(strings) == list(VERSION_KEYS),
                 ", ".join(strings) or "none")
    for key in VERSION_KEYS:
        report.check(f"version string {key}", strings.get(key) == arguments.strings[key],
                     f"\"{strings.get(key, '')}\"" +
                     ("" if strings.get(key) == arguments.strings[key] else
                      f" (wanted \"{arguments.strings[key]}\")"))
    wanted_translation = f"0x{LANG_EN_US:04x} 0x{CODE_PAGE_UNICODE:04x}"
    report.check("version translation", translations == [wanted_translation],
                 ", ".join(str(entry) for entry in translations) or "none")


def check_manifest(report, resources):
    text = only_language(report, "manifest", resources, (RT_MANIFEST, MANIFEST_RESOURCE_ID),
                         LANG_NEUTRAL)
    if text is None:
        return
    try:
        root = ElementTree.fromstring(text)
    except ElementTree.ParseError as error:
        report.check("manifest XML", False, str(error))
        return
    settings = f"{ASM_V3}application/{ASM_V3}windowsSettings/"
    awareness = root.findtext(f"{settings}{WINDOWS_SETTINGS_2016}dpiAwareness", "").strip()
    aware = root.findtext(f"{settings}{WINDOWS_SETTINGS_2005}dpiAware", "").strip()
    report.check("manifest DPI awareness", awareness == "PerMonitorV2" and aware == "true/pm",
                 f"dpiAwareness \"{awareness}\", dpiAware \"{aware}\"")
    levels = [element.get("level") for element in root.iter(f"{ASM_V3}requestedExecutionLevel")]
    report.check("manifest execution level", levels == ["asInvoker"], ", ".join(levels) or "none")
    systems = [element.get("Id", "").lower()
               for element in root.iter(f"{COMPATIBILITY}supportedOS")]
    report.check("manifest supported systems", WINDOWS_10_AND_11 in systems,
                 ", ".join(systems) or "none")
    dependencies = [element.get("name", "") for element in root.iter(f"{ASM_V1}assemblyIdentity")
                    if element.get("name", "").lower() == COMMON_CONTROLS.lower()]
    report.check("manifest without Common Controls 6", not dependencies,
                 "classic controls" if not dependencies else "depends on " + COMMON_CONTROLS)


def check_imports(report, pe):
    names = [entry.dll.decode("ascii", "replace")
             for directory in ("DIRECTORY_ENTRY_IMPORT", "DIRECTORY_ENTRY_DELAY_IMPORT")
             for entry in getattr(pe, directory, [])]
    foreign = [name for name in names if name.lower().removesuffix(".dll") not in ALLOWED_IMPORTS]
    report.check("imported DLLs", bool(names) and not foreign,
                 ", ".join(names) + (f"; not on every Windows: {', '.join(foreign)}"
                                     if foreign else ""))


def check_shipped(report, pe, path, max_bytes):
    debug = [section.Name.rstrip(b"\0").decode("ascii", "replace") for section in pe.sections
             if section.Name.startswith(b".debug") or section.Name.startswith(b"/")]
    report.check("no debug sections", not debug, ", ".join(debug) or "none")
    stamp = pe.FILE_HEADER.TimeDateStamp
    report.check("no link time", stamp == 0, f"header time stamp {stamp}")
    size = path.stat().st_size
    report.check("size", size <= max_bytes,
                 f"{size} bytes, {size / 1048576:.3f} MiB (at most {max_bytes} bytes)")


def version_numbers(text):
    parts = text.split(".")
    if len(parts) != 4 or not all(part.isdigit() and int(part) <= 0xFFFF for part in parts):
        raise argparse.ArgumentTypeError(f"{text} is no version A.B.C.D")
    return tuple(int(part) for part in parts)


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("executable", type=Path)
    parser.add_argument("--icon", type=Path, required=True)
    parser.add_argument("--group-id", type=int, required=True)
    parser.add_argument("--image-ids", type=int, nargs="+", required=True)
    parser.add_argument("--version", type=version_numbers, required=True)
    parser.add_argument("--strings", nargs="+", required=True, metavar="KEY=VALUE")
    parser.add_argument("--shipped", type=int, metavar="MAX_BYTES")
    arguments = parser.parse_args()
    pairs = [text.partition("=") for text in arguments.strings]
    arguments.strings = {key: value for key, _, value in pairs}
    if sorted(arguments.strings) != sorted(VERSION_KEYS) or len(pairs) != len(VERSION_KEYS):
        parser.error(f"--strings needs one value for each of {', '.join(VERSION_KEYS)}")
    return arguments


def fail_to_start(message):
    print(f"check_executable.py: {message}", file=sys.stderr)
    sys.exit(2)


def main():
    arguments = parse_arguments()
    try:
        pe = pefile.PE(str(arguments.executable))
        icon_entries = read_entries(arguments.icon.read_bytes())
    except (OSError, pefile.PEFormatError, IconError) as error:
        fail_to_start(str(error))
    if len(icon_entries) != len(arguments.image_ids):
        fail_to_start(f"{arguments.icon} has {len(icon_entries)} images "
                      f"for {len(arguments.image_ids)} image ids")

    report = Report()
    resources = resources_of(pe)
    check_resource_list(report, resources, arguments)
    check_icons(report, resources, arguments, icon_entries)
    check_version(report, pe, resources, arguments)
    check_manifest(report, resources)
    check_imports(report, pe)
    if arguments.shipped is not None:
        check_shipped(report, pe, arguments.executable, arguments.shipped)
    print(f"{report.passed} passed, {report.failed} failed")
    sys.exit(1 if report.failed else 0)


if __name__ == "__main__":
    main()
