#!/usr/bin/env python3
"""Fails when an #include points to a higher floor (docs/architecture.md draws the floors).

Usage: scripts/check_floors.py [ROOT]

Each source folder sits on a floor; a file may include files of its own floor and of the floors
below it. The host side (host/, tools/) reaches the controls only through their published
interfaces, so it includes no control or module source. Tests, benchmarks, fuzz targets and
examples stand on top and are not checked. Exits 0 when every include points down, 1 with a
line per include that does not, 2 on bad usage.
"""
import pathlib
import re
import sys

# (path prefix, floor); the longest matching prefix decides. Public headers sit with the floor
# whose code they declare: the ABI with foundation and platform, the controls' dual interfaces
# with the interface descriptors, the embedding API with the host. A new public header falls
# to the host floor until it is given its own row.
FLOORS = [
    ("foundation/", 0),
    ("platform/", 1),
    ("kit/", 2),
    ("interfaces/", 2),
    ("controls/include/", 2),
    ("singlepie/include/", 2),
    # The public tree: each header on the floor of the code it declares.
    ("include/qdprogress/result.h", 0),
    ("include/qdprogress/colour.h", 0),
    ("include/qdprogress/com.h", 1),
    ("include/qdprogress/variant.h", 1),
    ("include/qdprogress/dispatch.h", 1),
    ("include/qdprogress/control_types.h", 1),
    ("include/qdprogress/progress_controls.h", 2),
    ("include/qdprogress/single_pie.h", 2),
    ("include/qdprogress/", 5),  # the embedding API, the picture, the umbrella header
    ("pie/", 3),
    ("bar/", 3),
    ("pages/", 3),
    ("singlepie/", 3),
    ("modules/", 4),
    ("host/", 5),
    ("tools/", 6),
    ("qt/", 6),  # the Qt widgets: a host application's side, beside the tools
]
NAMES = {0: "foundation", 1: "platform", 2: "interfaces", 3: "controls", 4: "modules",
         5: "host", 6: "tools"}
# Include roots other than the source tree itself: "qd/..." is the public headers' folder.
INCLUDE_ROOTS = {"qd/progress_controls.h": "controls/include/", "qd/single_pie.h": "singlepie/include/",
                 "qdprogress/": "include/"}
CONTROL_FLOORS = {3, 4}
UNCHECKED = ("tests/", "bench/", "fuzz/", "examples/", "build")
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]')


def floor_of(path):
    best = None
    for prefix, floor in FLOORS:
        if path.startswith(prefix) and (best is None or len(prefix) > len(best[0])):
            best = (prefix, floor)
    return None if best is None else best[1]


def resolve(target):
    for prefix, root in INCLUDE_ROOTS.items():
        if target.startswith(prefix):
            return root + target
    return target


def main():
    if len(sys.argv) > 2 or (len(sys.argv) == 2 and sys.argv[1] in ("-h", "--help")):
        print(__doc__.strip())
        return 0 if len(sys.argv) == 2 else 2
    root = pathlib.Path(sys.argv[1] if len(sys.argv) == 2 else ".").resolve()
    if not (root / "foundation").is_dir():
        print(f"check_floors: {root} is not the source tree (no foundation/)", file=sys.stderr)
        return 2
    problems = 0
    files = sorted(p for ext in ("*.h", "*.cpp") for p in root.rglob(ext))
    for path in files:
        rel = path.relative_to(root).as_posix()
        if rel.startswith(UNCHECKED):
            continue
        floor = floor_of(rel)
        if floor is None:
            continue
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            m = INCLUDE.match(line)
            if not m:
                continue
            target = resolve(m.group(1))
            to = floor_of(target)
            if to is None:
                continue  # a system or library header
            if to > floor:
                print(f"{rel}:{number}: {NAMES[floor]} includes {m.group(1)} from {NAMES[to]} above it")
                problems += 1
            elif floor >= 5 and to in CONTROL_FLOORS:
                print(f"{rel}:{number}: the host side includes the control source {m.group(1)}")
                problems += 1
    if problems:
        print(f"check_floors: {problems} include(s) point the wrong way")
        return 1
    print(f"check_floors: every include of {len(files)} files points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
