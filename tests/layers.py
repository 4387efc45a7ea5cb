#!/usr/bin/env python3
# Holds the house to its shape: every #include "..." between rooms points down. Reads the
# sources of the program's rooms and names each file and line that reaches up or sideways.
# Usage: tests/layers.py <source folder>
import pathlib
import re
import sys

# The rooms, top to bottom. A room includes its own files and those of any room below it.
LAYERS = ["app", "workshop", "quiz", "camexport", "camdesign", "animation", "forms", "pictures"]

# The build-time picture program stands beside app at the top. It reads the cams' tables and
# the one twips rounding rule, and no room of the program includes it (its tests may).
PAINTER = "painter"
PAINTER_READS = ["painter/", "animation/", "forms/twips.h"]

# Inside a room, floors of files, top to bottom: a file includes its own floor's and those
# below. The door a design leaves by stands over the writers, which share their options,
# marks and outline from below.
FLOORS = {
    "camexport": [
        ["exportdesign"],
        ["svgwriter", "dxfwriter", "papertemplate"],
        ["engraving"],
        ["cutoutline"],
        ["exportoptions", "palette", "camexporttext"],
    ],
}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def room_of(path):
    """The room a path inside the source folder belongs to, or None."""
    top = path.parts[0] if path.parts else None
    return top if top in LAYERS or top == PAINTER else None


def floor_of(room, path):
    """The floor of a file inside its room, counted from the top, or None."""
    for number, names in enumerate(FLOORS.get(room, [])):
        if path.stem in names:
            return number
    return None


def fault(source_room, target, source=None):
    """Why `source_room` (the file `source` in it) may not include `target`, or None."""
    target_room = room_of(target)
    if target_room == source_room and source is not None:
        below, above = floor_of(source_room, target), floor_of(source_room, source)
        if below is not None and above is not None and below < above:
            return f"{target.stem} lies above {source.stem} inside {source_room}/"
        return None
    if target_room is None or target_room == source_room:
        return None
    if source_room == PAINTER:
        path = target.as_posix()
        # A name ending in a slash is a whole room; any other is one file.
        if any(path.startswith(read) if read.endswith("/") else path == read
               for read in PAINTER_READS):
            return None
        return f"the picture program reads only {', '.join(PAINTER_READS)}"
    if target_room == PAINTER:
        return "nothing in the program includes the picture program"
    if LAYERS.index(target_room) < LAYERS.index(source_room):
        return f"{target_room}/ lies above {source_room}/"
    return None


def resolve(root, source, name):
    """The included file relative to the source folder: beside the source first, then from
    the top, as the build's include path finds it; None for generated files and files
    outside the source folder."""
    for candidate in (source.parent / name, root / name):
        if candidate.is_file():
            found = candidate.resolve()
            return found.relative_to(root) if found.is_relative_to(root) else None
    return None


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    faults = 0
    checked = 0
    for room in LAYERS + [PAINTER]:
        for source in sorted((root / room).rglob("*")):
            if source.suffix not in (".h", ".cpp") or not source.is_file():
                continue
            checked += 1
            lines = source.read_text(encoding="utf-8").splitlines()
            for number, line in enumerate(lines, start=1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                target = resolve(root, source, match.group(1))
                why = fault(room, target, source.relative_to(root)) if target else None
                if why:
                    faults += 1
                    print(f"{source.relative_to(root)}:{number}: includes {target}: {why}")
    if checked == 0:
        print(f"no sources found under {root}")
        return 1
    print(f"{checked} files read; {faults} includes against the layers "
          f"({' > '.join(LAYERS)}; {PAINTER} beside {LAYERS[0]})")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
