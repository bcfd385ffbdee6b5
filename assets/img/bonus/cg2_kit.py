"""Drawing helpers for Natsumi's bonus pictures: placing, merged outlines,
tubes for limbs, hands, speech bubbles and comic lettering.

The character parts themselves come from ../chara (drawing.py, face.py,
chara2.py), so that her face and hair here are the ones of her portraits.
Light falls from the upper right in every picture of the set: the shade sits
on the viewer's left side of a form and underneath it.
"""
import math
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent / 'chara'))

import drawing as D                                              # noqa: E402
from drawing import (W, CX, LINE, SKIN, SKIN_SHADE, SKIN_LINE, MOUTH, TONGUE,   # noqa: E402,F401
                     BLUSH, WHITE, NAVY_DEEP, NAVY, SLATE, BRASS, BRASS_LIGHT,
                     BRASS_DARK, fmt, mirror, sym, path, outlined, line, g,
                     lin_grad, rad_grad, tapered)

FONT = "IPAPGothic, 'IPA Pゴシック', IPAGothic, sans-serif"
ROUND = 'stroke-linecap="round" stroke-linejoin="round"'
NECK_PIVOT = (107.5, 236)


def tf(x=0, y=0, s=1.0, r=0.0, pivot=None, sx=None):
    """translate, then scale, then rotate about `pivot` (figure frame)."""
    parts = [f'translate({fmt(x)},{fmt(y)})']
    if s != 1.0 or sx is not None:
        parts.append(f'scale({fmt(sx if sx is not None else s)},{fmt(s)})')
    if r:
        px, py = pivot or (0, 0)
        parts.append(f'rotate({fmt(r)},{fmt(px)},{fmt(py)})')
    return f'transform="{" ".join(parts)}"'


def place(content, x=0, y=0, s=1.0, r=0.0, pivot=None, sx=None, extra=''):
    return g(content, extra=(tf(x, y, s, r, pivot, sx) + ' ' + extra).strip())


def rotated(content, r, px, py):
    return g(content, extra=f'transform="rotate({fmt(r)},{fmt(px)},{fmt(py)})"')


def merged(ds, fill, sw=2.0, stroke=LINE, extra=''):
    """Several shapes filled as one: the outline runs only around the union.

    Every shape is first drawn in the line colour with a doubled stroke, then
    all of them again in the fill colour on top, so the inner seams vanish."""
    under = ''.join(f'<path d="{d}"/>' for d in ds)
    over = ''.join(f'<path d="{d}"/>' for d in ds)
    return (f'<g fill="{stroke}" stroke="{stroke}" stroke-width="{fmt(sw * 2)}" stroke-linejoin="round" {extra}>'
            f'{under}</g><g fill="{fill}" {extra}>{over}</g>')


def rng(seed):
    state = seed

    def rnd():
        nonlocal state
        state = (state * 1103515245 + 12345) & 0x7fffffff
        return state / 0x7fffffff
    return rnd


# ---- geometry ------------------------------------------------------------------

def polar(x, y, ang, length):
    """The point `length` away from x, y in direction `ang` (degrees, 0 = up,
    clockwise)."""
    a = math.radians(ang)
    return x + length * math.sin(a), y - length * math.cos(a)


def capsule(x0, y0, x1, y1, w0, w1=None):
    """A rounded stick from x0, y0 to x1, y1, w0 wide at the start and w1 at
    the end (a finger, a strap)."""
    w1 = w0 if w1 is None else w1
    dx, dy = x1 - x0, y1 - y0
    ln = math.hypot(dx, dy) or 1.0
    nx, ny = -dy / ln, dx / ln
    r0, r1 = w0 / 2, w1 / 2
    a = (x0 + nx * r0, y0 + ny * r0)
    b = (x1 + nx * r1, y1 + ny * r1)
    c = (x1 - nx * r1, y1 - ny * r1)
    d = (x0 - nx * r0, y0 - ny * r0)
    return (f'M {fmt(a[0])},{fmt(a[1])} L {fmt(b[0])},{fmt(b[1])} '
            f'A {fmt(r1)},{fmt(r1)} 0 0 0 {fmt(c[0])},{fmt(c[1])} L {fmt(d[0])},{fmt(d[1])} '
            f'A {fmt(r0)},{fmt(r0)} 0 0 0 {fmt(a[0])},{fmt(a[1])} Z')


def _pts(d, n=16):
    segs = D._segments(d)
    pts = []
    for si, s in enumerate(segs):
        for k in range(n + (1 if si == len(segs) - 1 else 0)):
            pts.append(D._bez(s, k / n))
    return pts


def _widths(pts, w0, w1, wmid):
    acc = [0.0]
    for a, b in zip(pts, pts[1:]):
        acc.append(acc[-1] + math.hypot(b[0] - a[0], b[1] - a[1]))
    total = acc[-1] or 1.0
    out = []
    for t in (v / total for v in acc):
        if wmid is None:
            out.append(w0 + (w1 - w0) * t)
        elif t < 0.5:
            out.append(w0 + (wmid - w0) * t * 2)
        else:
            out.append(wmid + (w1 - wmid) * (t - 0.5) * 2)
    return out


def _offsets(d, w0, w1, wmid=None):
    pts = _pts(d)
    ws = _widths(pts, w0, w1, wmid)
    left, right = [], []
    for i, (x, y) in enumerate(pts):
        a = pts[max(i - 1, 0)]
        b = pts[min(i + 1, len(pts) - 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / ln, dx / ln
        left.append((x + nx * ws[i] / 2, y + ny * ws[i] / 2))
        right.append((x - nx * ws[i] / 2, y - ny * ws[i] / 2))
    return left, right


def _profile(stops, t):
    """Piecewise-linear value of [(t, v), ...] at t in 0..1."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, v0), (t1, v1) in zip(stops, stops[1:]):
        if t <= t1:
            return v0 + (v1 - v0) * (t - t0) / ((t1 - t0) or 1)
    return stops[-1][1]


def offsets2(d, left, right, n=16):
    """The two sides of a tube along `d` whose half widths to the left and to
    the right of the direction of travel follow the profiles `left` and
    `right` ([(t, half width), ...], t = 0 at the start, 1 at the end)."""
    pts = _pts(d, n)
    acc = [0.0]
    for a, b in zip(pts, pts[1:]):
        acc.append(acc[-1] + math.hypot(b[0] - a[0], b[1] - a[1]))
    total = acc[-1] or 1.0
    ls, rs = [], []
    for i, (x, y) in enumerate(pts):
        a = pts[max(i - 1, 0)]
        b = pts[min(i + 1, len(pts) - 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / ln, dx / ln
        t = acc[i] / total
        wl, wr = _profile(left, t), _profile(right, t)
        ls.append((x + nx * wl, y + ny * wl))
        rs.append((x - nx * wr, y - ny * wr))
    return ls, rs


def tube2(d, left, right):
    ls, rs = offsets2(d, left, right)
    return _poly(ls + rs[::-1]) + ' Z'


def band2(d, prof_a, prof_b, side=1):
    """The strip between two profiles on one side of a tube (1 = left of the
    direction of travel, -1 = right)."""
    if side == 1:
        a, _ = offsets2(d, prof_a, prof_a)
        b, _ = offsets2(d, prof_b, prof_b)
    else:
        _, a = offsets2(d, prof_a, prof_a)
        _, b = offsets2(d, prof_b, prof_b)
    return _poly(a + b[::-1]) + ' Z'


def scaled(prof, k, add=0.0):
    return [(t, v * k + add) for t, v in prof]


def _poly(pts):
    return 'M ' + ' L '.join(f'{fmt(x)},{fmt(y)}' for x, y in pts)


def tube_d(d, w0, w1, wmid=None, cap_end=False):
    """The closed outline of a tube along `d` (M, C, L), w0 wide at the start
    and w1 at the end; with cap_end the far end is rounded."""
    left, right = _offsets(d, w0, w1, wmid)
    if not cap_end:
        return _poly(left + right[::-1]) + ' Z'
    r = w1 / 2
    rx, ry = right[-1]
    back = ' L '.join(f'{fmt(x)},{fmt(y)}' for x, y in right[-2::-1])
    return _poly(left) + f' A {fmt(r)},{fmt(r)} 0 0 0 {fmt(rx)},{fmt(ry)} L {back} Z'


def tube_band(d, w0, w1, a, b, wmid=None):
    """A band along a tube between the fractions a and b of its half width
    (1 = its left edge in the direction of travel, -1 = its right edge):
    a stripe down a sleeve."""
    la, _ = _offsets(d, w0 * a, w1 * a, wmid * a if wmid else None)
    lb, _ = _offsets(d, w0 * b, w1 * b, wmid * b if wmid else None)
    return _poly(la + lb[::-1]) + ' Z'


def tube_side(d, w0, w1, side=1, wmid=None, frac=(0.0, 1.0)):
    """One long side of a tube as an open path (1 = left of the direction of
    travel, -1 = right), optionally only a fraction of it."""
    left, right = _offsets(d, w0, w1, wmid)
    pts = left if side == 1 else right
    n = len(pts) - 1
    a, b = int(round(frac[0] * n)), int(round(frac[1] * n))
    return _poly(pts[a:b + 1])


def direction(a, b):
    """Angle from a to b, 0 = up, clockwise (the convention of `polar`)."""
    return math.degrees(math.atan2(b[0] - a[0], -(b[1] - a[1])))


# ---- hands -----------------------------------------------------------------------
# Every hand is drawn in its own frame: the wrist at 0,0, the fingers pointing
# up (-y).  For the figure's left hand (on the viewer's right) seen palm-on,
# the thumb is on the -x side; the other hand is the same drawing mirrored.

HAND_W = 1.7       # outline width of hands (a little finer than the body's)


def _finger(base, ang, length, w, tip_w=None):
    x1, y1 = polar(base[0], base[1], ang, length)
    return capsule(base[0], base[1], x1, y1, w, tip_w if tip_w else w * 0.92)


def _crease(x0, y0, x1, y1, bend=0.0, sw=1.0, colour=SKIN_LINE, opacity=0.9):
    mx, my = (x0 + x1) / 2 + bend, (y0 + y1) / 2
    return line(f'M {fmt(x0)},{fmt(y0)} Q {fmt(mx)},{fmt(my)} {fmt(x1)},{fmt(y1)}', sw, colour,
                f'stroke-linecap="round" opacity="{opacity}"')


PALM = ('M -11,2 C -14,-8 -17,-20 -17,-30 C -17,-37 -11,-40 -2,-40 '
        'C 7,-40 15,-38 16,-31 C 17,-22 14,-8 11,2 Z')


def hand_open(spread=1.0, shade=True):
    """An open hand, palm towards the viewer, fingers spread: a wave."""
    fingers = [((-11.5, -34), -13 * spread, 25, 8.4), ((-3.8, -36.5), -4 * spread, 28.5, 8.8),
               ((4, -36), 5 * spread, 27, 8.4), ((11.2, -32.5), 15 * spread, 21, 7.6)]
    thumb = capsule(-12, -12, *polar(-12, -12, -52, 22), 10.5, 9)
    ds = [PALM, thumb] + [_finger(*f) for f in fingers]
    out = [merged(ds, SKIN, HAND_W)]
    if shade:
        out.append(path('M -11,2 C -14,-8 -16.5,-20 -16.5,-28 C -12,-22 -8,-12 -4,1 Z', SKIN_SHADE))
    out += [
        _crease(-12, -18, 6, -31, 3, 1.0),           # the palm's life line
        _crease(-4, -8, 10, -22, 2, 0.9, opacity=0.6),
        _crease(-10.5, -38, -8.5, -35.5, 0, 0.9),     # the finger roots
        _crease(-3, -40.5, -1, -37, 0, 0.9),
        _crease(5.5, -40, 6.5, -36.5, 0, 0.9),
    ]
    return out


def hand_v(shade=True):
    """A V sign, palm towards the viewer: index and middle finger up and
    apart, the other two folded under the thumb."""
    index = _finger((-9.5, -35), -13, 27, 8.6)
    middle = _finger((-1, -36.5), 7, 29, 8.8)
    out = [merged([PALM, index, middle], SKIN, HAND_W)]
    if shade:
        out.append(path('M -11,2 C -14,-8 -16.5,-20 -16.5,-28 C -12,-22 -8,-12 -4,1 Z', SKIN_SHADE))
    # the ring and little finger curled into the palm, the thumb folded over them
    ring = capsule(1.5, -30.5, 14.5, -30.5, 9, 8.6)
    little = capsule(3, -22, 14, -22.5, 8, 7.6)
    thumb = capsule(-8.5, -9, 7.5, -20.5, 10.5, 9.6)
    out += [outlined(ring, SKIN, 1.4), outlined(little, SKIN, 1.4),
            outlined(thumb, SKIN, 1.5),
            path('M -12,-6 C -8,-11 -2,-15 4,-17.5 C -1,-13 -5,-10 -8,-5 Z', SKIN_SHADE, extra='opacity="0.8"'),
            _crease(-6.5, -39, -5, -35.5, 0, 0.9), _crease(2.5, -41, 3.5, -38, 0, 0.9)]
    return out


def hand_flat(shade=True):
    """A flat hand, fingers together and straight (a salute, a shading hand),
    palm towards the viewer."""
    block = ('M -15,-32 C -16,-46 -14,-60 -11,-66 C -9,-70 -4,-71 -1,-68 C 2,-71 7,-70 8.5,-66 '
             'C 11,-66 14,-63 14,-58 C 15,-52 15.5,-40 15,-31 Z')
    thumb = capsule(-12, -12, *polar(-12, -12, -28, 21), 10, 8.6)
    out = [merged([PALM, block, thumb], SKIN, HAND_W)]
    if shade:
        out.append(path('M -11,2 C -14,-8 -16.5,-20 -16.5,-28 C -12,-22 -8,-12 -4,1 Z', SKIN_SHADE))
    out += [line('M -6.5,-39 L -6,-64 M 1,-40 L 1,-66 M 8,-39 L 8.2,-62', 1.0, LINE, 'stroke-linecap="round"'),
            _crease(-12, -18, 6, -31, 3, 1.0)]
    return out


def hand_back_flat(shade=True, thumb=False):
    """The back of a flat hand, fingers together and a little curved (a hand
    resting on a hip, on a rail); the thumb hidden unless asked for."""
    back = ('M -13,2 C -16,-8 -17,-20 -16,-32 C -16,-46 -14,-58 -10,-64 C -8,-68 -3,-68.5 -0.5,-65.5 '
            'C 2,-68.5 7,-68 8.5,-64 C 11,-64.5 14,-61.5 14,-57 C 15,-50 15.5,-40 15,-31 '
            'C 15.5,-20 14,-8 11,2 Z')
    ds = [back]
    if thumb:
        ds.append(capsule(-12, -10, *polar(-12, -10, -30, 20), 10, 8.6))
    out = [merged(ds, SKIN, HAND_W)]
    if shade:
        out.append(path('M -13,2 C -16,-8 -16.5,-20 -15.5,-32 C -15,-44 -14,-54 -11,-62 '
                        'C -9,-50 -8,-30 -6,2 Z', SKIN_SHADE))
    out += [line('M -6,-38 L -5.5,-60 M 1,-39 L 1,-63 M 8,-38 L 8.2,-59', 1.0, LINE, 'stroke-linecap="round"'),
            line('M -9,-36 C -8,-34 -8,-32 -9,-30 M -2,-37 C -1,-35 -1,-33 -2,-31 '
                 'M 5,-37 C 6,-35 6,-33 5,-31 M 11.5,-35 C 12.5,-33 12.5,-31 11.5,-29',
                 1.0, SKIN_LINE, 'stroke-linecap="round" opacity="0.8"')]
    return out


def hand_fist_grip(stick=None, shade=True):
    """A fist holding something upright (a stick through it), seen from the
    front: the curled fingers face the viewer, the thumb wraps over the top
    on the -x side.  `stick` = (width, length above, length below, fill)."""
    out = []
    if stick:
        sw_, up, down, fill = stick
        out.append(outlined(f'M {fmt(-sw_ / 2 + 2)},{fmt(-30 - up)} L {fmt(sw_ / 2 + 2)},{fmt(-30 - up)} '
                            f'L {fmt(sw_ / 2 + 2)},{fmt(6 + down)} L {fmt(-sw_ / 2 + 2)},{fmt(6 + down)} Z',
                            fill, 1.4, extra='stroke-linejoin="round"'))
    back = ('M -12,4 C -15,-4 -17,-14 -16,-24 C -15,-31 -9,-35 -1,-35 C 8,-35 15,-32 16,-24 '
            'C 17,-14 15,-4 12,4 Z')
    out.append(outlined(back, SKIN, HAND_W, extra='stroke-linejoin="round"'))
    if shade:
        out.append(path('M -12,4 C -15,-4 -16.5,-14 -15.8,-22 C -11,-14 -8,-6 -5,3 Z', SKIN_SHADE))
    # four curled fingers stacked, their middle joints to the +x side
    for k, (y0, y1) in enumerate([(-33, -25), (-25.5, -17.5), (-18, -10.5), (-11, -4.5)]):
        out.append(outlined(f'M -4,{fmt(y0)} L {fmt(12 - k * 0.6)},{fmt(y0)} '
                            f'C {fmt(17 - k * 0.6)},{fmt(y0)} {fmt(17 - k * 0.6)},{fmt(y1)} {fmt(12 - k * 0.6)},{fmt(y1)} '
                            f'L -4,{fmt(y1)}', SKIN, 1.3, extra='stroke-linejoin="round"'))
    thumb = 'M -16,-20 C -17,-29 -11,-36 -2,-35.5 C 5,-35 8,-31 6,-28 C 4,-25 -2,-27 -7,-25 C -11,-23 -13,-19 -15,-15 Z'
    out.append(outlined(thumb, SKIN, 1.5, extra='stroke-linejoin="round"'))
    out.append(path('M -15,-18 C -15,-25 -11,-30 -5,-31 C -9,-28 -12,-24 -13,-17 Z', SKIN_SHADE, extra='opacity="0.8"'))
    return out


def hand_thumb_up(shade=True):
    """A thumbs-up, the curled fingers towards the viewer, the thumb straight
    up on the -x side."""
    back = ('M -12,4 C -15,-4 -17,-14 -16,-24 C -15,-31 -9,-35 -1,-35 C 8,-35 15,-32 16,-24 '
            'C 17,-14 15,-4 12,4 Z')
    thumb = capsule(-9, -28, -7.5, -58, 11, 9.5)
    out = [merged([back, thumb], SKIN, HAND_W)]
    if shade:
        out.append(path('M -12,4 C -15,-4 -16.5,-14 -15.8,-22 C -11,-14 -8,-6 -5,3 Z', SKIN_SHADE))
        out.append(path('M -14,-32 C -14,-42 -13.5,-52 -12,-58 C -11,-50 -10.5,-40 -10,-32 Z', SKIN_SHADE))
    out.append(line('M -11.5,-50 C -9,-48 -6,-48 -3.5,-50', 0.9, SKIN_LINE, 'stroke-linecap="round"'))
    for k, (y0, y1) in enumerate([(-33, -25), (-25.5, -17.5), (-18, -10.5), (-11, -4.5)]):
        out.append(outlined(f'M -4,{fmt(y0)} L {fmt(12 - k * 0.6)},{fmt(y0)} '
                            f'C {fmt(17 - k * 0.6)},{fmt(y0)} {fmt(17 - k * 0.6)},{fmt(y1)} {fmt(12 - k * 0.6)},{fmt(y1)} '
                            f'L -4,{fmt(y1)}', SKIN, 1.3, extra='stroke-linejoin="round"'))
    return out


def hand_fist_back(index_up=False, shade=True):
    """A fist seen from the back of the hand, knuckles up; with index_up the
    forefinger stands straight (pulling an eyelid, pointing)."""
    back = ('M -13,3 C -16,-6 -17,-18 -15,-27 C -13,-33 -6,-36 1,-36 C 9,-36 15,-33 16,-26 '
            'C 17,-17 15,-5 12,3 Z')
    ds = [back]
    if index_up:
        ds.append(_finger((-8.5, -30), -6, 30, 8.8, 8))
    out = [merged(ds, SKIN, HAND_W)]
    if shade:
        out.append(path('M -13,3 C -16,-6 -16.5,-17 -15,-25 C -11,-16 -8,-6 -6,3 Z', SKIN_SHADE))
    knuckles = ('M -4,-36 C -3,-33 -3.5,-31 -4.5,-29 M 4,-36 C 5,-33 4.5,-31 3.5,-29 '
                'M 11,-34 C 12,-31 11.5,-29 10.5,-27')
    if not index_up:
        knuckles = 'M -11,-34 C -10,-31 -10.5,-29 -11.5,-27 ' + knuckles
    out += [line(knuckles, 1.1, LINE, 'stroke-linecap="round"'),
            line('M -7,-22 C -2,-24 6,-24 12,-21', 0.9, SKIN_LINE, 'stroke-linecap="round" opacity="0.7"')]
    # the thumb along the -x side, towards the viewer
    if index_up:
        thumb = ('M -14,-4 C -19,-10 -21,-19 -18.5,-27 C -17,-31 -12.5,-31 -11.5,-27 '
                 'C -10.5,-21 -10.5,-14 -8,-7 Z')
        tip_x, tip_y = polar(-8.5, -30, -6, 30)
        nail_c = polar(-8.5, -30, -6, 24.5)
        out += [line(f'M {fmt(tip_x - 3)},{fmt(tip_y + 14.5)} L {fmt(tip_x + 2.4)},{fmt(tip_y + 14)} '
                     f'M {fmt(tip_x - 3.4)},{fmt(tip_y + 25)} L {fmt(tip_x + 2.6)},{fmt(tip_y + 24.4)}',
                     0.9, SKIN_LINE, 'stroke-linecap="round"'),
                f'<ellipse cx="{fmt(nail_c[0])}" cy="{fmt(nail_c[1])}" rx="2.6" ry="3.4" fill="#fff3ee" '
                f'stroke="{SKIN_LINE}" stroke-width="0.8" transform="rotate(-6,{fmt(nail_c[0])},{fmt(nail_c[1])})"/>']
    else:
        thumb = 'M -15,-8 C -20,-14 -21,-22 -17,-27 C -14,-30 -10,-28 -10,-23 C -10,-18 -11,-13 -9,-7 Z'
    out.append(outlined(thumb, SKIN, 1.5, extra='stroke-linejoin="round"'))
    out.append(path('M -14,-5 C -18,-11 -19.5,-18 -18,-25 C -16.5,-18 -14.5,-12 -11,-6 Z', SKIN_SHADE, extra='opacity="0.8"'))
    return out


def hand_at(parts, x, y, ang=0.0, s=1.0, flip=False):
    """Places a hand drawing with its wrist at x, y, its fingers pointing in
    direction `ang` (0 = up); flip mirrors it (the other hand)."""
    sx = -s if flip else s
    return g(parts, extra=f'transform="translate({fmt(x)},{fmt(y)}) rotate({fmt(ang)}) scale({fmt(sx)},{fmt(s)})"')


# ---- lettering -------------------------------------------------------------------

def text(x, y, s, size=20, fill=LINE, anchor='start', weight='normal', extra=''):
    return (f'<text x="{fmt(x)}" y="{fmt(y)}" font-family="{FONT}" font-size="{fmt(size)}" '
            f'font-weight="{weight}" fill="{fill}" text-anchor="{anchor}" {extra}>{s}</text>')


# The speech bubble of the whole set, shared with the other characters' pages.
from bonus_kit import bubble  # noqa: E402,F401


def shout(x, y, s, size, fill, edge, rot=0.0, outer='#2a1206', sw_outer=10, sw_edge=3, extra=''):
    """Comic lettering: a thick dark rim, then the letters with a fine edge."""
    rt = f'transform="rotate({fmt(rot)},{fmt(x)},{fmt(y)})"' if rot else ''
    return g([text(x, y, s, size, outer, weight='bold',
                   extra=f'stroke="{outer}" stroke-width="{sw_outer}" stroke-linejoin="round" {rt} {extra}'),
              text(x, y, s, size, fill, weight='bold',
                   extra=f'stroke="{edge}" stroke-width="{sw_edge}" stroke-linejoin="round" {rt} {extra}')])


def sparkle(x, y, r, fill=WHITE, opacity=1.0):
    """A four-pointed twinkle."""
    k = r * 0.22
    d = (f'M {fmt(x)},{fmt(y - r)} Q {fmt(x + k)},{fmt(y - k)} {fmt(x + r)},{fmt(y)} '
         f'Q {fmt(x + k)},{fmt(y + k)} {fmt(x)},{fmt(y + r)} Q {fmt(x - k)},{fmt(y + k)} {fmt(x - r)},{fmt(y)} '
         f'Q {fmt(x - k)},{fmt(y - k)} {fmt(x)},{fmt(y - r)} Z')
    return path(d, fill, extra=f'opacity="{fmt(opacity)}"')


def stars(w, h, n, seed, colour='#dfe8ff', x0=0, y0=0):
    """Scattered stars, the same every run."""
    r = rng(seed)
    out = []
    for _ in range(n):
        x, y = x0 + r() * w, y0 + r() * h
        rad = 0.5 + r() * 1.3
        a = 0.35 + r() * 0.6
        if r() < 0.1:
            out.append(sparkle(x, y, rad * 3.2, colour, a))
        else:
            out.append(f'<circle cx="{fmt(x)}" cy="{fmt(y)}" r="{fmt(rad)}" fill="{colour}" opacity="{fmt(a)}"/>')
    return out


def speed_lines(cx, cy, r0, r1, n, seed, colour=WHITE, opacity=0.6, a0=0, a1=360, w=3.0):
    """Radial burst lines around a point (a sudden entrance, a shout)."""
    r = rng(seed)
    out = []
    for k in range(n):
        a = math.radians(a0 + (a1 - a0) * (k + r() * 0.6) / n)
        ra = r0 + r() * (r1 - r0) * 0.25
        rb = r1 - r() * (r1 - r0) * 0.2
        x0, y0 = cx + ra * math.sin(a), cy - ra * math.cos(a)
        x1, y1 = cx + rb * math.sin(a), cy - rb * math.cos(a)
        out.append(tapered(f'M {fmt(x0)},{fmt(y0)} L {fmt(x1)},{fmt(y1)}', 0.2, w * (0.5 + r()), fill=colour,
                           extra=f'opacity="{fmt(opacity)}"'))
    return out


def vignette(defs, w, h, strength=0.4, ident='cg2-vignette'):
    defs[ident] = rad_grad(ident, [(0.55, '#000', 0), (1, '#000', strength)], r=0.75)
    return f'<rect width="{w}" height="{h}" fill="url(#{ident})"/>'


def document(w, h, defs, body, title=''):
    return D.document(w, h, defs, '\n'.join(body) if isinstance(body, list) else body, title)


def thumbnail(source, w, h, tw, th, title='', focus=None):
    """A wrapper showing `source` (w x h) at thumbnail size: cropped to the
    ratio tw : th around `focus` (x, y of the source; centre if none), so
    that the generator's exact scaling does not distort it."""
    fx, fy = focus if focus else (w / 2, h / 2)
    if tw / th > w / h:
        vw, vh = w, w * th / tw
    else:
        vw, vh = h * tw / th, h
    vx = min(max(fx - vw / 2, 0), w - vw)
    vy = min(max(fy - vh / 2, 0), h - vh)
    return (f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'width="{tw}" height="{th}" viewBox="{fmt(vx)} {fmt(vy)} {fmt(vw)} {fmt(vh)}">\n'
            f'<title>{title}</title>\n'
            f'<image x="0" y="0" width="{w}" height="{h}" href="{source}" xlink:href="{source}"/>\n'
            f'</svg>\n')
