"""Shared helpers for the bonus pictures.

The characters' heads, faces and hair come from the portrait parts in
../chara (drawing.py, face.py, charaN.py), so that a change there reaches
these pictures too.  Every figure is drawn in the portrait frame (215 wide,
head centred on x = 107.5, eyes at y = 178, chin at y = 240), extended
downwards for the bodies, and placed in a scene with a transform.

Light in every scene falls from the upper right: the shade sits on the
viewer's left side of a form and underneath it, as in the portraits.
"""
import math
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent / 'chara'))

import drawing as D                                             # noqa: E402
from drawing import (W, CX, LINE, SKIN, SKIN_SHADE, SKIN_LINE, MOUTH, TONGUE,  # noqa: E402,F401
                     BLUSH, WHITE, NAVY_DEEP, NAVY, SLATE, BRASS, BRASS_LIGHT,
                     BRASS_DARK, fmt, mirror, sym, path, outlined, line, g,
                     lin_grad, rad_grad)
import face as F                                                # noqa: E402

FONT = "IPAPGothic, 'IPA Pゴシック', IPAGothic, sans-serif"
ROUND = 'stroke-linecap="round" stroke-linejoin="round"'

NECK_PIVOT = (107.5, 236)     # the point a head turns about


def tf(x=0, y=0, s=1.0, r=0.0, sx=None, pivot=None):
    """A transform attribute: translate, then rotate about pivot, then scale."""
    parts = [f'translate({fmt(x)},{fmt(y)})']
    if s != 1.0 or sx is not None:
        parts.append(f'scale({fmt(sx if sx is not None else s)},{fmt(s)})')
    if r:
        px, py = pivot or (0, 0)
        parts.append(f'rotate({fmt(r)},{fmt(px)},{fmt(py)})')
    return f'transform="{" ".join(parts)}"'


def place(content, x=0, y=0, s=1.0, r=0.0, pivot=None, extra=''):
    return g(content, extra=(tf(x, y, s, r, pivot=pivot) + ' ' + extra).strip())


# ---- heads -----------------------------------------------------------------

class Head:
    """One character's head in one expression, as separate layers.

    `expr` is the name of one of the character's expressions or a dict with
    the keys eyes, brows, mouth, marks; eyes, brows and mouth are either the
    name of a part of face.py or a list of SVG elements drawn in the frame.
    """

    def __init__(self, ch, defs, expr='normal', hair_back=None):
        self.ch = ch
        self.defs = defs
        p = ch.PREFIX
        self.face = ch.make_face(defs)
        defs[f'{p}-faceclip'] = f'<clipPath id="{p}-faceclip">{path(F.FACE, "#000")}</clipPath>'
        e = dict(ch.EXPRESSIONS[expr]) if isinstance(expr, str) else dict(expr)
        self.hair_back = hair_back if hair_back is not None else ch.hair_back(defs)
        self.neck = self.face.neck()
        self.head = self.face.head()
        self.hair_front = ch.hair_front(defs)
        self.eyes = self._eyes(e['eyes'])
        self.brows = self._brows(e['brows'])
        self.mouth = e['mouth'] if isinstance(e['mouth'], list) else F.mouth(e['mouth'])
        marks = e.get('marks', [])
        named = [k for k in marks if not k.lstrip().startswith('<')]
        raw = [k for k in marks if k.lstrip().startswith('<')]
        self.cheeks = [x for k in named if k.startswith('blush') for x in ch.marks(k)]
        self.marks = [x for k in named if not k.startswith('blush') for x in ch.marks(k)] + raw

    def _eyes(self, kind):
        if isinstance(kind, list):
            return kind
        extra = CUSTOM_EYES.get(kind)
        if extra:
            # the character's own eye size, where the face parts have one
            scale = getattr(self.face, 'es', 1.0)
            try:
                return F.place_eyes(extra(self.face), s=scale)
            except TypeError:
                return F.place_eyes(extra(self.face))
        return self.face.eyes(kind)

    def _brows(self, kind):
        if isinstance(kind, list):
            return kind
        if isinstance(kind, tuple):
            return self.face.brows(*kind)
        return self.face.brows(kind)

    def front(self):
        """Everything of the head in front of the body, back to front."""
        return [g(self.neck), g(self.head), g(self.cheeks), g(self.eyes), g(self.mouth),
                g(self.hair_front), g(self.brows), g(self.marks)]

    def back(self):
        return g(self.hair_back)

    def whole(self, body=()):
        """Hair back, the given body layers, then the head in front."""
        return [self.back(), *[g(b) if isinstance(b, list) else b for b in body], *self.front()]


# Eye shapes the portraits do not need.

def _eye_gentle(face):
    """Eyes half closed in a soft smile: the upper lid lowered over the iris."""
    return [
        line('M -14,2 C -9,-5 6,-6 13.5,-1', 3.0, face.lash, 'stroke-linecap="round"'),
        line('M -14,2 L -18,4.5', 2.0, face.lash, 'stroke-linecap="round"'),
        line('M -9,6 C -4,9 4,9 8,6', 1.2, face.lash, 'stroke-linecap="round" opacity="0.8"'),
        line('M -10,-14 C -4,-17 5,-16.5 10,-12.5', 1.0, SKIN_LINE, 'stroke-linecap="round"'),
    ]


def _eye_happy_tear(face):
    """A closed happy eye with a tear caught at the outer corner."""
    return face.eye_closed_happy() + [
        outlined('M -7,6 C -4.5,10.5 -3,13.5 -3,16 C -3,20 -11,20 -11,16 '
                 'C -11,13.5 -9.5,10.5 -7,6 Z', '#cdeaff', 1.0, '#5a8fc0'),
        path('M -8.6,14.5 C -8.6,13 -8,12 -7.4,11.2', 'none', WHITE, 1.1, 'stroke-linecap="round"'),
    ]


def _eye_down(face):
    """Eyes open but looking down (reading, shy)."""
    return face.eye_open(dy=3.5)


CUSTOM_EYES = {'gentle': _eye_gentle, 'happy-tear': _eye_happy_tear, 'down': _eye_down}


def mouth_o(cx=107.5, cy=217, rx=3.6, ry=3.2):
    """A small round mouth (blowing, surprised)."""
    return [f'<ellipse cx="{fmt(cx)}" cy="{fmt(cy)}" rx="{fmt(rx)}" ry="{fmt(ry)}" fill="{MOUTH}" '
            f'stroke="{LINE}" stroke-width="1.4"/>']


def mouth_open_smile():
    """A wide open happy smile, a little bigger than the laugh."""
    return [outlined('M 96,210.5 C 98.5,226 116.5,226 119,210.5 C 111,213.5 104,213.5 96,210.5 Z',
                     MOUTH, 1.6, extra='stroke-linejoin="round"'),
            path('M 101,220.5 C 104,217 111,217 114,220.5 C 111,223.5 104,223.5 101,220.5 Z', TONGUE),
            path('M 98,211.6 C 104,214 111,214 117,211.6 L 116.4,213.6 C 110,215.6 105,215.6 98.6,213.6 Z',
                 WHITE)]


# ---- comic marks and text ----------------------------------------------------

def text(x, y, s, size=20, fill=LINE, anchor='start', weight='normal', extra=''):
    return (f'<text x="{fmt(x)}" y="{fmt(y)}" font-family="{FONT}" font-size="{fmt(size)}" '
            f'font-weight="{weight}" fill="{fill}" text-anchor="{anchor}" {extra}>{s}</text>')


def bubble(x, y, w, h, lines, tail, size=19, fill='#fffdf8', stroke=LINE, ink=LINE,
           accent=None, line_gap=1.35):
    """A speech bubble: rounded box at x, y (w × h), a tail to the point
    `tail`, the lines of text centred in it."""
    r = min(h / 2, 18)
    tx, ty = tail
    # the tail leaves the edge of the box nearest to its point, from inside
    bx = min(max(tx, x + r + 12), x + w - r - 12)
    by = min(max(ty, y + r + 8), y + h - r - 8)
    if ty > y + h:
        a, b = (bx - 11, y + h - 4), (bx + 11, y + h - 4)
    elif ty < y:
        a, b = (bx - 11, y + 4), (bx + 11, y + 4)
    elif tx < x:
        a, b = (x + 4, by - 10), (x + 4, by + 10)
    else:
        a, b = (x + w - 4, by - 10), (x + w - 4, by + 10)
    mx, my = (a[0] + b[0]) / 2, (a[1] + b[1]) / 2
    tail_d = (f'M {fmt(a[0])},{fmt(a[1])} Q {fmt((mx + tx) / 2 - 3)},{fmt((my + ty) / 2)} '
              f'{fmt(tx)},{fmt(ty)} Q {fmt((mx + tx) / 2 + 5)},{fmt((my + ty) / 2)} '
              f'{fmt(b[0])},{fmt(b[1])} Z')
    box = f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}" rx="{fmt(r)}"'
    out = [
        g([f'{box} fill="#000"/>', path(tail_d, '#000')], extra='opacity="0.28" transform="translate(3,4)"'),
        path(tail_d, fill, stroke, 2.4, 'stroke-linejoin="round"'),
        f'{box} fill="{fill}" stroke="{stroke}" stroke-width="2.4"/>',
        path(tail_d, fill),
    ]
    if accent:
        out.append(f'<rect x="{fmt(x + 5)}" y="{fmt(y + 5)}" width="{fmt(w - 10)}" height="{fmt(h - 10)}" '
                   f'rx="{fmt(max(r - 5, 2))}" fill="none" stroke="{accent}" stroke-width="1.2" opacity="0.7"/>')
    n = len(lines)
    lh = size * line_gap
    y0 = y + h / 2 - lh * (n - 1) / 2 + size * 0.36
    for i, s in enumerate(lines):
        out.append(text(x + w / 2, y0 + i * lh, s, size, ink, 'middle'))
    return g(out)


def sparkle(x, y, r, fill=WHITE, opacity=1.0):
    """A four-pointed twinkle."""
    k = r * 0.22
    d = (f'M {fmt(x)},{fmt(y - r)} Q {fmt(x + k)},{fmt(y - k)} {fmt(x + r)},{fmt(y)} '
         f'Q {fmt(x + k)},{fmt(y + k)} {fmt(x)},{fmt(y + r)} Q {fmt(x - k)},{fmt(y + k)} {fmt(x - r)},{fmt(y)} '
         f'Q {fmt(x - k)},{fmt(y - k)} {fmt(x)},{fmt(y - r)} Z')
    return path(d, fill, extra=f'opacity="{opacity}"')


def stars(w, h, n, seed, y_max=None, colour='#dfe8ff'):
    """Scattered stars, the same every run (a small fixed generator)."""
    out = []
    state = seed
    y_max = y_max if y_max is not None else h

    def rnd():
        nonlocal state
        state = (state * 1103515245 + 12345) & 0x7fffffff
        return state / 0x7fffffff

    for _ in range(n):
        x, y = rnd() * w, rnd() * y_max
        r = 0.5 + rnd() * 1.3
        a = 0.35 + rnd() * 0.6
        if rnd() < 0.1:
            out.append(sparkle(x, y, r * 3.2, colour, a))
        else:
            out.append(f'<circle cx="{fmt(x)}" cy="{fmt(y)}" r="{fmt(r)}" fill="{colour}" opacity="{fmt(a)}"/>')
    return out


def rng(seed):
    state = seed

    def rnd():
        nonlocal state
        state = (state * 1103515245 + 12345) & 0x7fffffff
        return state / 0x7fffffff
    return rnd


def vignette(defs, w, h, strength=0.45, ident='vignette'):
    defs[ident] = rad_grad(ident, [(0.55, '#000', 0), (1, '#000', strength)], r=0.75)
    return f'<rect width="{w}" height="{h}" fill="url(#{ident})"/>'


def document(w, h, defs, body, title=''):
    return D.document(w, h, defs, '\n'.join(body) if isinstance(body, list) else body, title)


def thumbnail(source, w, h, tw, th, title=''):
    """A wrapper that shows `source` (w × h) cropped to the ratio tw : th,
    centred, so that the generator's exact scaling does not distort it."""
    if tw / th > w / h:
        vh = w * th / tw
        vb = (0, (h - vh) / 2, w, vh)
    else:
        vw = h * tw / th
        vb = ((w - vw) / 2, 0, vw, h)
    return (f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'width="{tw}" height="{th}" viewBox="{" ".join(fmt(v) for v in vb)}">\n'
            f'<title>{title}</title>\n'
            f'<image x="0" y="0" width="{w}" height="{h}" href="{source}" xlink:href="{source}"/>\n'
            f'</svg>\n')


# ---- limbs -----------------------------------------------------------------

def tube_d(d, w0, w1, wmid=None, n=14):
    """The outline of a tube of varying width along the path `d` (M, C, L):
    a closed path whose two long sides follow `d` at ±width / 2."""
    pts = []
    segs = D._segments(d)
    for si, s in enumerate(segs):
        for k in range(n + (1 if si == len(segs) - 1 else 0)):
            pts.append(D._bez(s, k / n))
    acc = [0.0]
    for a, b in zip(pts, pts[1:]):
        acc.append(acc[-1] + math.hypot(b[0] - a[0], b[1] - a[1]))
    total = acc[-1] or 1.0
    left, right = [], []
    for i, (x, y) in enumerate(pts):
        a = pts[max(i - 1, 0)]
        b = pts[min(i + 1, len(pts) - 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / ln, dx / ln
        t = acc[i] / total
        if wmid is None:
            wv = w0 + (w1 - w0) * t
        elif t < 0.5:
            wv = w0 + (wmid - w0) * t * 2
        else:
            wv = wmid + (w1 - wmid) * (t - 0.5) * 2
        left.append((x + nx * wv / 2, y + ny * wv / 2))
        right.append((x - nx * wv / 2, y - ny * wv / 2))
    poly = left + right[::-1]
    return 'M ' + ' L '.join(f'{fmt(x)},{fmt(y)}' for x, y in poly) + ' Z'


def tube_side(d, w0, w1, side=1, wmid=None, n=14):
    """One long side of tube_d as an open path (side 1 = left of the
    direction of travel, -1 = right)."""
    full = tube_d(d, w0, w1, wmid, n)
    pts = full[2:-2].split(' L ')
    half = len(pts) // 2
    sel = pts[:half] if side == 1 else pts[half:][::-1]
    return 'M ' + ' L '.join(sel)


def direction(a, b):
    return math.degrees(math.atan2(b[1] - a[1], b[0] - a[0]))
