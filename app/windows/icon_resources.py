#!/usr/bin/env python3
"""Turns an icon (.ico) file into the raw resources of an executable's icon group.

    icon_resources.py ICON --group-id ID --image-ids ID... --output DIR

Windows keeps each image of an icon as its own resource (type 3) and the directory of the
images as a group resource (type 14) whose entries name the images by resource id. The
resource compiler's ICON statement picks those ids itself; writing the resources raw keeps
the ids given here: the file's images in file order take the image ids in the order given.

Writes into DIR one file per image (icon_<id>.bin, the image's bytes unchanged), the group
directory (icon_group.bin) and icons.rc, which names them all, language neutral. Exits with
status 1 and a message when the file is no icon file or does not have one image per id.
"""

import argparse
import struct
import sys
from pathlib import Path

ICON_DIRECTORY = struct.Struct("<HHH")  # reserved (0), type (1 for icons), image count
FILE_ENTRY = struct.Struct("<BBBBHHII")  # width, height, colours, reserved, planes, bits,
#                                          byte count, offset of the image in the file
GROUP_ENTRY = struct.Struct("<BBBBHHIH")  # the same, with the image's resource id for the offset
RT_ICON = 3
RT_GROUP_ICON = 14


class IconError(Exception):
    pass


def read_entries(icon):
    """The directory entries of an icon file, each (header fields, image bytes)."""
    if len(icon) < ICON_DIRECTORY.size:
        raise IconError("too short for an icon directory")
    reserved, kind, count = ICON_DIRECTORY.unpack_from(icon)
    if reserved != 0 or kind != 1 or count == 0:
        raise IconError("not an icon file, or an icon without images")
    entries = []
    for index in range(count):
        at = ICON_DIRECTORY.size + index * FILE_ENTRY.size
        if at + FILE_ENTRY.size > len(icon):
            raise IconError(f"the directory entry of image {index + 1} lies past the end")
        fields = FILE_ENTRY.unpack_from(icon, at)
        size, offset = fields[6], fields[7]
        if size == 0 or offset + size > len(icon):
            raise IconError(f"the bytes of image {index + 1} lie outside the file")
        entries.append((fields[:7], icon[offset:offset + size]))
    return entries


def group_directory(entries, image_ids):
    """The group resource: the file's directory with resource ids instead of offsets."""
    directory = ICON_DIRECTORY.pack(0, 1, len(entries))
    for (fields, _), image_id in zip(entries, image_ids):
        directory += GROUP_ENTRY.pack(*fields, image_id)
    return directory


def rc_path(path):
    text = path.resolve().as_posix()
    if '"' in text:
        raise IconError(f"cannot name {text} in a resource script")
    return f'"{text}"'


def write_resources(icon_path, group_id, image_ids, output):
    entries = read_entries(icon_path.read_bytes())
    if len(entries) != len(image_ids):
        raise IconError(f"{len(entries)} images but {len(image_ids)} image ids")
    output.mkdir(parents=True, exist_ok=True)
    lines = [
        f"// The icon group of {icon_path.name}, written by icon_resources.py.",
        "LANGUAGE 0, 0  // neutral",
    ]
    for (_, image), image_id in zip(entries, image_ids):
        image_file = output / f"icon_{image_id}.bin"
        image_file.write_bytes(image)
        lines.append(f"{image_id} {RT_ICON} {rc_path(image_file)}")
    group_file = output / "icon_group.bin"
    group_file.write_bytes(group_directory(entries, image_ids))
    lines.append(f"{group_id} {RT_GROUP_ICON} {rc_path(group_file)}")
    (output / "icons.rc").write_text("\n".join(lines) + "\n", encoding="ascii")


def resource_id(text):
    value = int(text)
    if not 1 <= value <= 0xFFFF:
        raise argparse.ArgumentTypeError(f"{text} is no resource id (1 to 65535)")
    return value


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("icon", type=Path)
    parser.add_argument("--group-id", type=resource_id, required=True)
    parser.add_argument("--image-ids", type=resource_id, nargs="+", required=True)
    parser.add_argument("--output", type=Path, required=True)
    arguments = parser.parse_args()
    if len(set(arguments.image_ids)) != len(arguments.image_ids):
        parser.error("the image ids repeat")
    try:
        write_resources(arguments.icon, arguments.group_id, arguments.image_ids,
                        arguments.output)
    except (IconError, OSError) as error:
        sys.exit(f"{arguments.icon}: {error}")


if __name__ == "__main__":
    main()
