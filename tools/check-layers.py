#!/usr/bin/env python3
"""Checks that each layer of the program includes only from its own layer,
the layers below it and res/, as the README's layout section states it in
its `layers:` line (lowest first). tests/ and bench/ may include anything.

    tools/check-layers.py

Prints every include that runs back up, or across to a folder that is no
layer, and exits with 1 if there is one."""

import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BESIDE = "res"  # resource identifiers: included from any layer, includes none of them
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/')


def layers_from_readme():
    with open(os.path.join(ROOT, "README.md"), encoding="utf-8") as f:
        for line in f:
            match = re.match(r"\s*layers:\s*(.+)$", line)
            if match:
                return [name.strip() for name in match.group(1).split("<")]
    sys.exit("check-layers: README.md has no `layers:` line")


def allowed_folders(layers):
    """The folders each layer (and res/) may include from."""
    allowed = {BESIDE: {BESIDE}}
    for i, layer in enumerate(layers):
        allowed[layer] = set(layers[: i + 1]) | {BESIDE}
    return allowed


def violations(allowed):
    for folder in sorted(allowed):
        for dirpath, _, files in os.walk(os.path.join(ROOT, folder)):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp", ".rc", ".in")):
                    continue
                path = os.path.join(dirpath, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        match = INCLUDE.match(line)
                        if match and match.group(1) not in allowed[folder]:
                            yield f"{os.path.relpath(path, ROOT)}:{number}: {folder}/ includes from {match.group(1)}/"


def main():
    layers = layers_from_readme()
    found = list(violations(allowed_folders(layers)))
    for line in found:
        print(line)
    if found:
        print(f"check-layers: {len(found)} include(s) against the layers {' < '.join(layers)}; res/ beside")
        return 1
    print(f"check-layers: every include keeps to the layers {' < '.join(layers)}; res/ beside")
    return 0


if __name__ == "__main__":
    sys.exit(main())
