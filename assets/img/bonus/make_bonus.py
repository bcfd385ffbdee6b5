#!/usr/bin/env python3
"""Writes the SVG sources of Reika's and Shiori's bonus pictures (cg0*, cg1*
and their page C thumbnails) in this folder.

    python3 make_bonus.py            (from any directory)
    python3 make_bonus.py cg0A.svg   (only the named pictures)

Each character's pages come from her own module cg<N>_scenes.py (a dict
PAGES of file name -> function returning the SVG text, and THUMBS for the
cropped thumbnail of page C), drawn with bonus_kit.py and places.py from the
portrait parts in ../chara.  Natsumi's pictures have their own script,
cg2_make.py.  The SVGs are committed and the build only renders them; run
this again after changing a part.
"""
import importlib
import pathlib
import sys

sys.dont_write_bytecode = True
HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import bonus_kit  # noqa: E402  (sets up the path to ../chara)

MODULES = ['cg0_scenes', 'cg1_scenes']


def main(names):
    for mod_name in MODULES:
        mod = importlib.import_module(mod_name)
        for name, make in mod.PAGES.items():
            if names and name not in names:
                continue
            (HERE / name).write_text(make(), encoding='utf-8')
        for name, args in getattr(mod, 'THUMBS', {}).items():
            if names and name not in names:
                continue
            (HERE / name).write_text(bonus_kit.thumbnail(*args), encoding='utf-8')


if __name__ == '__main__':
    main(set(sys.argv[1:]))
