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


FONT = "font-family=\"IPAPGothic, IPAGothic\""


def text(x, y, s, size, fill, stroke=None, sw=0, anchor='start', extra=''):
    st = (f' stroke="{stroke}" stroke-width="{sw}" stroke-linejoin="round" paint-order="stroke"'
          if stroke else '')
    return (f'<text x="{x}" y="{y}" {FONT} font-size="{size}" fill="{fill}"{st} '
            f'text-anchor="{anchor}" {extra}>{s}</text>')


def face_window(fig, expr, x, y, w, h, cx, cy, scale, defs, ident, rx=4, glow=True):
    """The character's figure seen through a window x, y, w, h of the picture:
    the figure point (cx, cy) lands at the window centre, scaled by `scale`."""
    ch = fig.ch
    p = ch.PREFIX
    defs[ident] = f'<clipPath id="{ident}"><rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{rx}"/></clipPath>'
    defs[f'{p}-winbg'] = lin_grad(f'{p}-winbg', [(0, '#22396e'), (1, NAVY_DEEP)])
    defs[f'{p}-winglow'] = rad_grad(f'{p}-winglow', [(0, ch.SIGNATURE_LIGHT, 0.7), (0.55, ch.SIGNATURE, 0.3),
                                                      (1, ch.SIGNATURE, 0)])
    tx = x + w / 2 - cx * scale
    ty = y + h / 2 - cy * scale
    inner = [f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="url(#{p}-winbg)"/>']
    if w > 100:     # a big window gets the tactical grid of the portraits
        grid = ' '.join([f'M {gx},{y} L {gx},{y + h}' for gx in range(int(x) + 6, int(x + w), 14)] +
                        [f'M {x},{gy} L {x + w},{gy}' for gy in range(int(y) + 6, int(y + h), 14)])
        inner.append(path(grid, 'none', '#4d6aa8', 0.5, 'opacity="0.35"'))
    if glow:
        gx = x + w / 2 + (CX - cx) * scale
        inner.append(f'<ellipse cx="{gx}" cy="{y + h / 2}" rx="{w * 0.55}" ry="{h * 0.6}" '
                     f'fill="url(#{p}-winglow)"/>')
    inner.append(g(fig.draw(expr), extra=f'transform="translate({tx:.2f},{ty:.2f}) scale({scale})"'))
    return g(inner, extra=f'clip-path="url(#{ident})"')


def brass_frame(x, y, w, h, rx=4, sw=1.6):
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{rx}" fill="none" '
            f'stroke="{BRASS_DARK}" stroke-width="{sw + 1.4}"/>'
            f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{rx}" fill="none" '
            f'stroke="{BRASS}" stroke-width="{sw}"/>')


def name_plate(ch, defs, x, y, w, h, name_size, reading_size, reading=True):
    """A chamfered navy plate with a band of the signature colour and the name."""
    p = ch.PREFIX
    defs[f'{p}-band'] = lin_grad(f'{p}-band', [(0, ch.SIGNATURE, 1), (0.55, ch.SIGNATURE_DARK, 0.85),
                                                (1, ch.SIGNATURE_DARK, 0)], x2=1, y2=0)
    defs['plate'] = lin_grad('plate', [(0, '#1c3060'), (1, '#0a1530')])
    c = min(8, h / 4)
    d = (f'M {x + c},{y} L {x + w - c},{y} L {x + w},{y + c} L {x + w},{y + h - c} '
         f'L {x + w - c},{y + h} L {x + c},{y + h} L {x},{y + h - c} L {x},{y + c} Z')
    out = [path(d, 'url(#plate)'),
           f'<rect x="{x + 2}" y="{y + 3}" width="{w - 4}" height="{h - 6}" fill="url(#{p}-band)"/>',
           path(f'M {x + 2},{y + 3.5} L {x + w * 0.7},{y + 3.5}', 'none', ch.SIGNATURE_LIGHT, 1, 'opacity="0.8"'),
           path(d, 'none', BRASS, 1.5)]
    return out


def title_button(ch):
    defs = {}
    fig = Figure(ch, defs)
    w, h = 264, 58
    body = name_plate(ch, defs, 0.75, 0.75, w - 1.5, h - 1.5, 22, 11)
    body += [
        face_window(fig, 'normal', 5, 5, 52, 48, CX + 4, 160, 0.34, defs, 'win'),
        brass_frame(5, 5, 52, 48),
        text(68, 31, ch.NAME, 23, WHITE, ch.SIGNATURE_DARK, 3.2, extra='letter-spacing="1"'),
        text(70, 48, ch.READING, 11, '#ffe9a8', NAVY_DEEP, 2.2, extra='letter-spacing="0.5"'),
        # a brass arrow head: this plate is a button
        path('M 243,22 L 253,29 L 243,36 Z', BRASS_LIGHT, BRASS_DARK, 1),
        path('M 233,24 L 240,29 L 233,34 Z', BRASS, BRASS_DARK, 0.8, 'opacity="0.7"'),
    ]
    return document(w, h, defs, '\n'.join(body), f'{ch.NAME}: title button')


# rows of the gallery menu, top to bottom: (character, thumbnail row y)
GALLERY_ROWS = [(0, 92), (2, 259), (1, 426)]
THUMB_SLOTS = [(41, 130), (178, 130), (318, 67), (396, 130)]


def gallery_back():
    defs = {}
    figs = {ch.INDEX: Figure(ch, defs) for ch in CHARAS}
    w, h = 800, 600
    defs['gal-bg'] = lin_grad('gal-bg', [(0, '#16284f'), (0.6, NAVY), (1, NAVY_DEEP)])
    defs['gal-panel'] = lin_grad('gal-panel', [(0, '#24365e'), (1, '#172746')])
    defs['gal-head'] = lin_grad('gal-head', [(0, '#fff3c8'), (0.45, BRASS_LIGHT), (0.55, BRASS), (1, '#e9cf86')])
    grid = ' '.join([f'M {x},0 L {x},{h}' for x in range(0, w, 32)] +
                    [f'M 0,{y} L {w},{y}' for y in range(12, h, 32)])
    out = [f'<rect width="{w}" height="{h}" fill="url(#gal-bg)"/>',
           path(grid, 'none', '#3d5a96', 0.6, 'opacity="0.3"'),
           # the heading
           text(40, 44, 'CG MODE', 36, 'url(#gal-head)', '#3a2a10', 3, extra='letter-spacing="3"'),
           text(238, 44, 'ギャラリー', 15, '#ffe9a8', NAVY_DEEP, 2.5, extra='letter-spacing="2"'),
           path('M 40,52 L 526,52', 'none', BRASS, 1.2),
           path('M 40,55 L 300,55', 'none', BRASS_DARK, 1),
           ]
    for n, (ci, ty) in enumerate(GALLERY_ROWS):
        ch = CHARAS[ci]
        fig = figs[ci]
        py = ty - 32
        # the slate shelf behind the row of thumbnails, with a slot for each
        out.append(f'<rect x="33" y="{ty - 6}" width="501" height="110" rx="5" fill="url(#gal-panel)" '
                   f'stroke="{BRASS_DARK}" stroke-width="1.2"/>')
        for sx, sw in THUMB_SLOTS:
            out.append(f'<rect x="{sx - 2}" y="{ty - 2}" width="{sw + 4}" height="102" fill="#070f22" '
                       f'stroke="{BRASS}" stroke-width="1.2"/>')
        out.append(path(f'M 33,{ty + 96} L 33,{ty + 104} L 41,{ty + 104}', 'none', ch.SIGNATURE, 2))
        out += name_plate(ch, defs, 41, py, 250, 28, 17, 10)
        out += [face_window(fig, 'normal', 44, py + 2, 40, 24, CX, 180, 0.36, defs, f'gwin{ci}', rx=2),
                brass_frame(44, py + 2, 40, 24, rx=2, sw=1.0),
                text(92, py + 20, ch.NAME, 17, WHITE, ch.SIGNATURE_DARK, 2.6, extra='letter-spacing="1"'),
                text(200, py + 20, ch.READING, 10, '#ffe9a8', NAVY_DEEP, 2)]
    # the right-hand panel: the three commanders on monitors
    out.append(f'<rect x="540" y="60" width="250" height="460" rx="6" fill="url(#gal-panel)" '
               f'stroke="{BRASS}" stroke-width="1.6"/>')
    out.append(f'<rect x="544" y="64" width="242" height="452" rx="4" fill="none" '
               f'stroke="{BRASS_DARK}" stroke-width="1"/>')
    for n, (ci, _) in enumerate(GALLERY_ROWS):
        ch = CHARAS[ci]
        my = 72 + n * 148
        out += [face_window(figs[ci], 'smiling', 552, my, 226, 136, CX - 26, 166, 0.56, defs, f'mon{ci}', rx=4),
                brass_frame(552, my, 226, 136, rx=4),
                f'<rect x="552" y="{my + 116}" width="226" height="20" fill="{NAVY_DEEP}" opacity="0.55"/>',
                text(560, my + 131, ch.ROMAJI.upper(), 11, ch.SIGNATURE_LIGHT, None, 0,
                     extra='letter-spacing="2"'),
                f'<circle cx="766" cy="{my + 126}" r="3" fill="{ch.SIGNATURE_LIGHT}"/>']
    # corner ticks and the rule above the back button
    out.append(path('M 10,590 L 10,578 M 10,590 L 22,590 M 790,10 L 790,22 M 790,10 L 778,10 '
                    'M 10,10 L 10,22 M 10,10 L 22,10', 'none', BRASS, 1.5))
    out.append(path('M 40,556 L 600,556', 'none', BRASS_DARK, 1))
    out.append(text(40, 580, '見たい絵を選んでください', 14, '#ffe9a8', NAVY_DEEP, 2.5, extra='letter-spacing="1"'))
    return document(w, h, defs, '\n'.join(out), 'gallery menu background')


def main():
    (HERE / 'parts').mkdir(exist_ok=True)
    for ch in CHARAS:
        i = ch.INDEX
        write(f'parts/chara{i}-base.svg', base_figure(ch))
        write(f'chara{i}-portraits.svg', portrait_strip(ch))
        write(f'title-chara{i}.svg', title_button(ch))
    write('omake-back.svg', gallery_back())


if __name__ == '__main__':
    main()
