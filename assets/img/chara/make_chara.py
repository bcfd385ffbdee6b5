#!/usr/bin/env python3
"""Writes the character SVG sources of this folder from the shared parts.

    python3 make_chara.py        (from any directory)

The SVGs it writes are committed; the build only renders them.  Edit the
parts (chara0.py, chara1.py, chara2.py, face.py) and run this again.
"""
import pathlib
import sys

sys.dont_write_bytecode = True

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

from drawing import (W, H, CX, LINE, NAVY_DEEP, NAVY, SLATE, BRASS, BRASS_LIGHT,
                     BRASS_DARK, WHITE, path, line, g, lin_grad, rad_grad, document)
import chara0
import chara1
import chara2
from face import FACE, mouth

CHARAS = [chara0, chara1, chara2]
EXPRESSION_ORDER = ['normal', 'angry', 'smiling']


class Figure:
    """One character's parts, built once per document (the defs are shared)."""

    def __init__(self, ch, defs):
        self.ch = ch
        self.defs = defs
        self.face = ch.make_face(defs)
        p = ch.PREFIX
        defs[f'{p}-faceclip'] = f'<clipPath id="{p}-faceclip">{path(FACE, "#000")}</clipPath>'
        self.layers = {
            'hair-back': ch.hair_back(defs),
            'body': ch.body(defs),
            'neck': self.face.neck(),
            'head': self.face.head(),
            'hair-front': ch.hair_front(defs),
        }

    def expression(self, name):
        e = self.ch.EXPRESSIONS[name]
        f = self.face
        eyes = f.eyes(e['eyes'])
        brows = f.brows(e['brows'])
        mth = mouth(e['mouth'])
        cheeks = [x for k in e['marks'] if k.startswith('blush') for x in self.ch.marks(k)]
        over = [x for k in e['marks'] if not k.startswith('blush') for x in self.ch.marks(k)]
        return dict(eyes=eyes, brows=brows, mouth=mth, cheeks=cheeks, marks=over)

    def draw(self, name, ids=False, variants=()):
        """The figure in the 215 x 443 frame with expression `name`.

        With `variants`, the expression parts of those other expressions are
        included too, each at its own layer, hidden (display="none")."""
        p = self.ch.PREFIX
        shown = self.expression(name)
        hidden = {v: self.expression(v) for v in variants}

        def grp(content, part, extra=''):
            return g(content, f'{p}-{part}' if ids else None, extra)

        def slot(part):
            out = [grp(shown[part], f'{part}-{name}')]
            out += [grp(ex[part], f'{part}-{v}', 'display="none"') for v, ex in hidden.items()]
            return '\n'.join(out)

        return '\n'.join([
            grp(self.layers['hair-back'], 'hair-back'),
            grp(self.layers['body'], 'body'),
            grp(self.layers['neck'], 'neck'),
            grp(self.layers['head'], 'head'),
            slot('cheeks'), slot('eyes'), slot('mouth'),
            grp(self.layers['hair-front'], 'hair-front'),
            slot('brows'), slot('marks'),
        ])


def portrait_background(ch, defs):
    """A command-room wall behind the portrait: navy panel, tactical grid,
    a radar ring glowing in the character's colour, brass frame."""
    p = ch.PREFIX
    defs[f'{p}-bg'] = lin_grad(f'{p}-bg', [(0, '#1d3262'), (0.55, NAVY), (1, NAVY_DEEP)])
    defs[f'{p}-glow'] = rad_grad(f'{p}-glow', [(0, ch.SIGNATURE_LIGHT, 0.55), (0.5, ch.SIGNATURE, 0.22),
                                                (1, ch.SIGNATURE, 0)])
    grid = ' '.join([f'M {x},0 L {x},{H}' for x in range(11, W, 24)] +
                    [f'M 0,{y} L {W},{y}' for y in range(7, H, 24)])
    ticks = ' '.join(f'M {x},{H - 16} L {x},{H - 10}' for x in range(14, W - 8, 12))
    return '\n'.join([
        f'<rect width="{W}" height="{H}" fill="url(#{p}-bg)"/>',
        path(grid, 'none', '#4d6aa8', 0.6, 'opacity="0.35"'),
        f'<ellipse cx="{CX}" cy="170" rx="118" ry="150" fill="url(#{p}-glow)"/>',
        f'<circle cx="{CX}" cy="170" r="96" fill="none" stroke="{ch.SIGNATURE_LIGHT}" '
        f'stroke-width="1.2" opacity="0.45"/>',
        f'<circle cx="{CX}" cy="170" r="70" fill="none" stroke="{ch.SIGNATURE_LIGHT}" '
        f'stroke-width="0.8" opacity="0.3" stroke-dasharray="4 4"/>',
        path(f'M {CX},60 L {CX},74 M {CX},266 L {CX},280 M 0,170 L 22,170 M {W},170 L {W - 22},170',
             'none', ch.SIGNATURE_LIGHT, 1.2, 'opacity="0.5"'),
        # readouts in the upper corners
        path('M 8,10 L 44,10 M 8,15 L 30,15 M 8,20 L 38,20', 'none', '#8fb0e8', 1.4, 'opacity="0.45"'),
        path(f'M {W - 8},10 L {W - 40},10 M {W - 8},15 L {W - 26},15', 'none', '#8fb0e8', 1.4,
             'opacity="0.45"'),
        path(ticks, 'none', BRASS, 1.0, 'opacity="0.5"'),
    ])


def portrait_frame():
    return (f'<rect x="1" y="1" width="{W - 2}" height="{H - 2}" fill="none" stroke="{BRASS}" stroke-width="2"/>'
            f'<rect x="4" y="4" width="{W - 8}" height="{H - 8}" fill="none" stroke="{BRASS_DARK}" '
            f'stroke-width="1" opacity="0.8"/>')


def write(name, text):
    (HERE / name).write_text(text, encoding='utf-8')


def base_figure(ch):
    defs = {}
    fig = Figure(ch, defs)
    body = fig.draw('normal', ids=True, variants=EXPRESSION_ORDER[1:])
    return document(W, H, defs, body, f'{ch.NAME} base figure')


def portrait_strip(ch):
    defs = {}
    fig = Figure(ch, defs)
    defs['cell'] = f'<clipPath id="cell"><rect width="{W}" height="{H}"/></clipPath>'
    faces = []
    for i, name in enumerate(EXPRESSION_ORDER):
        faces.append(g([portrait_background(ch, defs), g(fig.draw(name), extra='clip-path="url(#cell)"'),
                        portrait_frame()], extra=f'transform="translate({i * W},0)"'))
    return document(3 * W, H, defs, '\n'.join(faces), f'{ch.NAME}: normal, angry, smiling')


def main():
    (HERE / 'parts').mkdir(exist_ok=True)
    for ch in CHARAS:
        i = ch.INDEX
        write(f'parts/chara{i}-base.svg', base_figure(ch))
        write(f'chara{i}-portraits.svg', portrait_strip(ch))


if __name__ == '__main__':
    main()
