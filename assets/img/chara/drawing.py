"""Shared drawing helpers for the character pictures.

Every figure is drawn in one frame of 215 x 443 (a portrait face); the
pictures place that frame with transforms.  Paths are written with absolute
commands only, so that `mirror` can reflect a left-hand shape onto the right.
"""
import re

W, H = 215, 443
CX = W / 2          # the figure's axis of symmetry

LINE = '#3b2418'    # dark-brown outline, never black
SKIN = '#fde6d6'
SKIN_SHADE = '#f3c2ab'
SKIN_LINE = '#9a5a48'
MOUTH = '#9c3444'
TONGUE = '#e97a8a'
BLUSH = '#ff8c9a'
WHITE = '#ffffff'
EYE_WHITE = '#fdfcff'
LID_SHADE = '#d9d6ef'

NAVY_DEEP = '#0b1630'
NAVY = '#14254a'
SLATE = '#2b3a58'
BRASS = '#c9a45c'
BRASS_LIGHT = '#f1d99a'
BRASS_DARK = '#7d5f2c'

_num = re.compile(r'[A-Za-z]|-?\d*\.?\d+(?:e-?\d+)?')


def fmt(v):
    v = round(v, 2)
    return str(int(v)) if v == int(v) else str(v)


def mirror(d, axis=CX):
    """Reflect an absolute-command path about the vertical line x = axis."""
    out = []
    toks = _num.findall(d)
    cmd = None
    idx = 0
    for t in toks:
        if t.isalpha():
            cmd = t
            idx = 0
            out.append(t)
            continue
        v = float(t)
        if cmd in 'MLCQST':
            if idx % 2 == 0:
                v = 2 * axis - v
        elif cmd == 'H':
            v = 2 * axis - v
        elif cmd == 'A':
            k = idx % 7
            if k == 4:              # sweep flag flips with the reflection
                v = 1 - v
            elif k == 5:
                v = 2 * axis - v
        idx += 1
        out.append(fmt(v))
    s = ' '.join(out)
    return re.sub(r' ?([A-Za-z]) ?', r' \1 ', s).strip()


def sym(d, axis=CX):
    """A path plus its mirror image (two subpaths)."""
    return d + ' ' + mirror(d, axis)


def path(d, fill='none', stroke=None, sw=None, extra=''):
    a = f'<path d="{d}" fill="{fill}"'
    if stroke:
        a += f' stroke="{stroke}"'
    if sw is not None:
        a += f' stroke-width="{sw}"'
    if extra:
        a += ' ' + extra
    return a + '/>'


def outlined(d, fill, sw=2.0, stroke=LINE, extra=''):
    return path(d, fill, stroke, sw, extra)


def line(d, sw=1.6, stroke=LINE, extra=''):
    return path(d, 'none', stroke, sw, extra)


def g(content, ident=None, extra=''):
    a = '<g'
    if ident:
        a += f' id="{ident}"'
    if extra:
        a += ' ' + extra
    body = content if isinstance(content, str) else '\n'.join(content)
    return f'{a}>\n{body}\n</g>'


def lin_grad(ident, stops, x1=0, y1=0, x2=0, y2=1, units=None):
    u = f' gradientUnits="{units}"' if units else ''
    s = ''.join(f'<stop offset="{o}" stop-color="{c}"'
                + (f' stop-opacity="{a}"' if a is not None else '') + '/>'
                for o, c, a in [(x + (None,))[:3] if len(x) == 2 else x for x in stops])
    return (f'<linearGradient id="{ident}" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}"{u}>'
            f'{s}</linearGradient>')


def rad_grad(ident, stops, cx=0.5, cy=0.5, r=0.5, units=None, fx=None, fy=None):
    u = f' gradientUnits="{units}"' if units else ''
    f = ''
    if fx is not None:
        f = f' fx="{fx}" fy="{fy}"'
    s = ''.join(f'<stop offset="{o}" stop-color="{c}"'
                + (f' stop-opacity="{a}"' if a is not None else '') + '/>'
                for o, c, a in [(x + (None,))[:3] if len(x) == 2 else x for x in stops])
    return f'<radialGradient id="{ident}" cx="{cx}" cy="{cy}" r="{r}"{f}{u}>{s}</radialGradient>'


def document(width, height, defs, body, title=''):
    """A self-contained SVG; `defs` is a dict id -> element, emitted once each."""
    d = '\n'.join(defs.values())
    t = f'<title>{title}</title>\n' if title else ''
    return (f'<svg xmlns="http://www.w3.org/2000/svg" '
            f'xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'width="{width}" height="{height}" viewBox="0 0 {width} {height}">\n'
            f'{t}<defs>\n{d}\n</defs>\n{body}\n</svg>\n')
