#!/usr/bin/env python3
"""Writes the SVG sources of Natsumi's bonus pictures (cg2*.svg) in this folder.

    python3 cg2_make.py              (from any directory)
    python3 cg2_make.py cg2A.svg     (only the named pictures)

The pictures are built in cg2_scenes.py from her portrait parts in ../chara;
the SVGs are committed and the build only renders them.  Run this again after
changing a part.
"""
import pathlib
import sys

sys.dont_write_bytecode = True
HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import cg2_scenes  # noqa: E402


def main(names):
    for name, make in cg2_scenes.PAGES.items():
        if names and name not in names:
            continue
        (HERE / name).write_text(make(), encoding='utf-8')


if __name__ == '__main__':
    main(set(sys.argv[1:]))
