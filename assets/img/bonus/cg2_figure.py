"""Natsumi's whole figure, built from her portrait parts.

The frame is the portrait frame continued downwards (head centred on
x = 107.5, eyes at y = 178, chin at 240, shoulders about 290), so the head,
the face parts and the hair are exactly those of chara2.py.  Landmarks of the
full figure: waist 436, jacket hem 508, shorts hem about 600, knees 800,
ankles 1108, soles 1174: about six and a half heads.

Arms are posed with three points each (shoulder, elbow, wrist); the hand
drawings of cg2_kit are put at the wrist.
"""
from cg2_kit import (CX, LINE, SKIN, SKIN_SHADE, SKIN_LINE, WHITE, MOUTH, TONGUE, NECK_PIVOT,
                     fmt, mirror, path, outlined, line, g, lin_grad, tapered, merged, tube_d, tube_band,
                     tube2, band2, scaled, direction, polar, hand_at, rotated, text)
import math

import chara2 as C
import face as F

JACKET, JACKET_SHADE, JACKET_LIGHT = C.JACKET, C.JACKET_SHADE, C.JACKET_LIGHT
SHIRT = C.SHIRT
SHIRT_SHADE = '#17244a'
SHORTS = '#273a66'
SHORTS_SHADE = '#1a284d'
SHORTS_LIGHT = '#3b5288'
SOCK = '#fbfbfd'
SOCK_SHADE = '#d6d9e6'
SHOE = '#fdfdfd'
SHOE_SHADE = '#d3d7e2'
RIB = '#d9691c'          # the ribbed cuffs and hem band, a step darker than the jacket
BADGE = '#ffe066'
ZIP = '#dcdfe6'
BAND = C.SIGNATURE       # her wristband
HAIR_LINE = C.HAIR_LINE


# ---- the head ------------------------------------------------------------------

EXPR = {
    'grin':     dict(eyes='open', brows='normal', mouth='grin', marks=[]),
    'wink':     dict(eyes='wink', brows='happy', mouth='tongue', marks=['blush-light']),
    'shout':    dict(eyes='squeezed', brows='angry', mouth='shout-fang', marks=['blush']),
    'happy':    dict(eyes='happy', brows='happy', mouth='grin', marks=['blush-light']),
    'laugh':    dict(eyes='happy', brows='happy', mouth='laugh', marks=['blush-light']),
}


class Head:
    """Her head in one expression, as layers: back hair (with the ponytail)
    and the front (neck, face, eyes, mouth, bangs, brows, marks).

    `expr` names an entry of EXPR or is a dict with eyes, brows, mouth (a name
    of face.py or a list of elements) and marks (names of chara2.marks or
    elements)."""

    def __init__(self, defs, expr='grin', tilt=0.0, tail=None):
        self.defs = defs
        self.tilt = tilt
        e = dict(EXPR[expr]) if isinstance(expr, str) else dict(expr)
        self.face = C.make_face(defs)
        defs['c2-faceclip'] = f'<clipPath id="c2-faceclip">{path(F.FACE, "#000")}</clipPath>'
        self.hair_back = tail if tail is not None else C.hair_back(defs)
        self.neck = self.face.neck()
        self.head = self.face.head()
        self.hair_front = C.hair_front(defs)
        def part(v, make):
            if isinstance(v, list):
                return v
            if isinstance(v, str) and v.lstrip().startswith('<'):
                return [v]
            return make(v)
        self.eyes = part(e['eyes'], self.face.eyes)
        self.brows = part(e['brows'], lambda v: self.face.brows(*v) if isinstance(v, tuple) else self.face.brows(v))
        self.mouth = part(e['mouth'], F.mouth)
        marks = e.get('marks', [])
        named = [k for k in marks if not k.lstrip().startswith('<')]
        raw = [k for k in marks if k.lstrip().startswith('<')]
        self.cheeks = [x for k in named if k.startswith('blush') for x in C.marks(k)]
        self.marks = [x for k in named if not k.startswith('blush') for x in C.marks(k)] + raw

    def _tilted(self, content):
        if not self.tilt:
            return g(content)
        return rotated(content, self.tilt, *NECK_PIVOT)

    def back(self):
        return self._tilted(self.hair_back)

    def front(self):
        return [g(self.neck),
                self._tilted([g(self.head), g(self.cheeks), g(self.eyes), g(self.mouth),
                              g(self.hair_front), g(self.brows), g(self.marks)])]


# ---- face parts the portraits do not have ----------------------------------------

def eye_pulled(face):
    """The left eye with its lower lid pulled down by a finger (あっかんべー):
    the eye open wide, the red of the inner lid showing below."""
    parts = face.eye_open(dy=-1.0)
    parts.insert(0, path('M -12,11 C -6,22 6,23 11,13 C 7,15.5 -4,16 -12,11 Z', '#e8768a'))
    parts.insert(0, outlined('M -13,10 C -7,24 7,25 12,12', 'none', 1.1, SKIN_LINE))
    return parts


def mouth_big_grin():
    """A wide open grin with the fang: laughing out loud."""
    return [outlined('M 93.5,210 C 97,229 118,229 121.5,210 C 112,213.8 103,213.8 93.5,210 Z',
                     MOUTH, 1.6, extra='stroke-linejoin="round"'),
            path('M 100,222.5 C 104,218.5 111,218.5 115,222.5 C 111,226 104,226 100,222.5 Z', TONGUE),
            path('M 95.5,211.2 C 103,214.6 112,214.6 119.5,211.2 L 118.6,214 '
                 'C 111,216.6 104,216.6 96.4,214 Z', WHITE),
            path('M 99.5,213.2 L 101.4,218.6 L 103.4,213.8 Z', WHITE, LINE, 0.8)]


def mouth_tongue_out():
    """Tongue stuck out (べーっ), mouth open in a wide pout."""
    return [outlined('M 98,211 C 100,219 115,219 117,211 C 111,212.8 104,212.8 98,211 Z',
                     MOUTH, 1.6, extra='stroke-linejoin="round"'),
            outlined('M 102,214.5 C 101,228 114,229.5 113.5,214 C 110,216 105,216 102,214.5 Z', TONGUE, 1.3),
            line('M 107.8,217 L 108,223', 0.9, MOUTH, 'stroke-linecap="round"')]


def mouth_cat():
    """A small ω-shaped smile with the fang (teasing)."""
    return [line('M 97,213 C 99,218 104,219 107.5,215 C 111,219 116,218 118,213', 1.8, LINE,
                 'stroke-linecap="round" stroke-linejoin="round"'),
            path('M 102,216.6 L 103.3,220.4 L 105,216.9 Z', WHITE, LINE, 0.8)]


def tear_corner(x, y, s=1.0):
    """A single bright tear at the corner of a closed eye."""
    return g([outlined('M 0,0 C 2.5,4 4,7 4,9.5 C 4,13 -4,13 -4,9.5 C -4,7 -2.5,4 0,0 Z',
                       '#d8f0ff', 1.0, '#5a8fc0'),
              line('M -1.6,7.5 C -1.6,6 -1,5 -0.4,4.2', 1.1, WHITE, 'stroke-linecap="round"')],
             extra=f'transform="translate({fmt(x)},{fmt(y)}) scale({fmt(s)})"')


# ---- the jacket ---------------------------------------------------------------------

def torso(defs, hem=508, open_to=372, whistle=True, badge=True):
    """Her jacket from the collar to the ribbed hem, without the sleeves: the
    zip half open over the navy T-shirt, the standing collar of the portrait,
    the star badge on her left chest, the coach's whistle on its cord."""
    defs['c2-jk'] = lin_grad('c2-jk', [(0, JACKET_LIGHT), (0.18, JACKET), (0.8, JACKET), (1, JACKET_SHADE)])
    body = (f'M 93,252 C 74,256 56,262 44,274 C 36,282 34,294 36,306 C 40,318 46,330 50,344 '
            f'C 53,372 57,404 63,432 C 61,456 58,482 58,{fmt(hem)} C 80,{fmt(hem + 5)} 135,{fmt(hem + 5)} 157,{fmt(hem)} '
            f'C 157,482 154,456 152,432 C 158,404 162,372 165,344 C 169,330 175,318 179,306 '
            f'C 181,294 179,282 171,274 C 159,262 141,256 122,252 Z')
    shirt = f'M 90,258 L 125,258 L 107.5,{fmt(open_to + 4)} Z'
    neckline = 'M 93,258 C 98,270 117,270 122,258 L 125,262 C 118,278 97,278 90,262 Z'
    edge_l = f'M 90,262 L 100,300 L 107.5,{fmt(open_to)}'
    collar_l = 'M 83,242 C 84,254 90,264 96,272 L 100,300 C 92,290 82,279 73,266 C 73,257 77,249 83,242 Z'
    hem_band = (f'M 58.5,{fmt(hem - 16)} C 80,{fmt(hem - 11)} 135,{fmt(hem - 11)} 156.5,{fmt(hem - 16)} '
                f'L 157,{fmt(hem)} C 135,{fmt(hem + 5)} 80,{fmt(hem + 5)} 58,{fmt(hem)} Z')
    ribs = ' '.join(f'M {fmt(x)},{fmt(hem - 14 + abs(x - CX) * 0.0)} L {fmt(x)},{fmt(hem + 2)}'
                    for x in range(64, 154, 6))
    star = ('M 138,318 L 141.5,325 L 149,326 L 143.5,331 L 145,338.5 L 138,335 L 131,338.5 '
            'L 132.5,331 L 127,326 L 134.5,325 Z')
    out = [
        outlined(body, 'url(#c2-jk)', 2.2),
        # the shade on the viewer's left side and under the chest
        path('M 50,344 C 53,372 57,404 63,432 C 61,456 58,482 58.5,500 L 74,502 '
             'C 72,470 71,440 70,420 C 68,394 64,366 58,342 Z', JACKET_SHADE, extra='opacity="0.75"'),
        path('M 150,350 C 148,370 148,390 150,410 C 153,388 157,368 160,348 Z', JACKET_SHADE, extra='opacity="0.5"'),
        line('M 70,380 C 80,388 92,392 102,392', 1.2, JACKET_SHADE, 'stroke-linecap="round" opacity="0.8"'),
        line('M 140,378 C 134,386 124,390 114,392', 1.2, JACKET_SHADE, 'stroke-linecap="round" opacity="0.8"'),
        outlined(shirt, SHIRT, 1.6),
        path(f'M 90,258 L 100,262 L 107.5,{fmt(open_to)} Z', SHIRT_SHADE, extra='opacity="0.8"'),
        outlined(neckline, '#34497e', 1.4),
        # the front edges with their light piping, the zip below the opening
        line(edge_l + ' ' + mirror(edge_l), 4.2, LINE, 'stroke-linejoin="round"'),
        line(edge_l + ' ' + mirror(edge_l), 2.2, JACKET_LIGHT, 'stroke-linejoin="round"'),
        line(f'M 107.5,{fmt(open_to)} L 107.5,{fmt(hem + 2)}', 3.2, LINE),
        line(f'M 107.5,{fmt(open_to)} L 107.5,{fmt(hem + 2)}', 1.8, ZIP, 'stroke-dasharray="1.6 1.4"'),
        outlined(f'M 104.5,{fmt(open_to - 2)} L 110.5,{fmt(open_to - 2)} L 110,{fmt(open_to + 8)} '
                 f'L 105,{fmt(open_to + 8)} Z', '#eef0f4', 1.0),
        outlined(f'M 105.8,{fmt(open_to + 8)} L 109.2,{fmt(open_to + 8)} L 109.6,{fmt(open_to + 21)} '
                 f'C 109.6,{fmt(open_to + 24)} 105.4,{fmt(open_to + 24)} 105.4,{fmt(open_to + 21)} Z', '#eef0f4', 1.0),
        f'<circle cx="107.5" cy="{fmt(open_to + 19)}" r="1.1" fill="#8d99a8"/>',
        outlined(collar_l, JACKET, 1.8), outlined(mirror(collar_l), JACKET, 1.8),
        line('M 84,244 L 76,262 ' + mirror('M 84,244 L 76,262'), 1.0, JACKET_SHADE),
        outlined(hem_band, RIB, 1.6),
        line(ribs, 0.8, JACKET_SHADE, 'opacity="0.7"'),
        # the side seams (where the sleeves' stripes would continue)
        tapered('M 52,350 C 55,380 58,410 63,432', 1.4, 0.6, fill=LINE),
        tapered(mirror('M 52,350 C 55,380 58,410 63,432'), 1.4, 0.6, fill=LINE),
    ]
    if badge:
        out.append(outlined(star, BADGE, 1.3))
        out.append(path('M 138,322 L 139.8,326.4 L 136.2,326.4 Z', '#fff6c0'))
    if whistle:
        cord = 'M 93,262 C 98,290 106,316 111,330 M 122,262 C 120,290 117,316 115,330'
        out += [
            line(cord, 2.6, LINE, 'stroke-linecap="round"'),
            line(cord, 1.4, C.SIGNATURE_LIGHT, 'stroke-linecap="round"'),
            outlined('M 106,330 L 121,330 C 126,330 128,336 126,340 C 124,345 118,346 114,344 '
                     'L 108,344 C 104,344 103,340 103,337 C 103,333 104,330 106,330 Z', '#dfe6ee', 1.4),
            path('M 107,332 L 119,332', 'none', WHITE, 1.4, 'stroke-linecap="round"'),
            '<circle cx="120" cy="338" r="2.4" fill="#8d99a8"/>',
        ]
    return out


# ---- arms -----------------------------------------------------------------------------

def _arm_path(a, b, c):
    """A smooth path shoulder -> elbow -> wrist."""
    (ax, ay), (bx, by), (cx, cy) = a, b, c
    up = f'M {fmt(ax)},{fmt(ay)} C {fmt(ax + (bx - ax) * 0.4)},{fmt(ay + (by - ay) * 0.4)} ' \
         f'{fmt(bx - (bx - ax) * 0.25)},{fmt(by - (by - ay) * 0.25)} {fmt(bx)},{fmt(by)}'
    fore = f'M {fmt(bx)},{fmt(by)} C {fmt(bx + (cx - bx) * 0.3)},{fmt(by + (cy - by) * 0.3)} ' \
           f'{fmt(cx - (cx - bx) * 0.3)},{fmt(cy - (cy - by) * 0.3)} {fmt(cx)},{fmt(cy)}'
    return up, fore


def _disc(x, y, r):
    return (f'M {fmt(x - r)},{fmt(y)} A {fmt(r)},{fmt(r)} 0 1 0 {fmt(x + r)},{fmt(y)} '
            f'A {fmt(r)},{fmt(r)} 0 1 0 {fmt(x - r)},{fmt(y)} Z')


def _across(x, y, ang, half):
    """The segment through x, y across direction `ang`, `half` to each side."""
    ca, sa = math.cos(math.radians(ang)), math.sin(math.radians(ang))
    return (x - half * ca, y - half * sa), (x + half * ca, y + half * sa)


def arm(shoulder, elbow, wrist, hand=None, hand_ang=None, stripe=1, flip=False, band=False,
        hand_s=1.0, widths=(30, 26, 25, 22), fore_over=None, hand_under=False, split=False):
    """One sleeve from shoulder to wrist with its white stripe on side
    `stripe` (1 = left of the direction shoulder -> wrist), the ribbed cuff,
    and the hand at the wrist (pointing along the forearm unless hand_ang is
    given); band: her orange wristband below the cuff.  A forearm folded
    back over the upper arm (fore_over, guessed from the angle) is drawn as a
    piece of its own in front of it."""
    up, fore = _arm_path(shoulder, elbow, wrist)
    w_sh, w_el, w_el2, w_wr = widths
    upper = tube_d(up, w_sh, w_el)
    lower = tube_d(fore, w_el2, w_wr)
    a_up, a_fore = direction(shoulder, elbow), direction(elbow, wrist)
    bend = abs((a_fore - a_up + 180) % 360 - 180)
    if fore_over is None:
        fore_over = bend > 60
    s = stripe
    cap = _disc(shoulder[0], shoulder[1], w_sh / 2)
    knob = _disc(elbow[0], elbow[1], w_el / 2)

    def dress(d, a, b):
        return [path(tube_band(d, a, b, -s * 1.0, -s * 0.38), JACKET_SHADE, extra='opacity="0.8"'),
                path(tube_band(d, a, b, s * 0.3, s * 0.08), JACKET_LIGHT, extra='opacity="0.5"'),
                outlined(tube_band(d, a, b, s * 0.84, s * 0.46), WHITE, 1.2)]
    if fore_over:
        out = [merged([cap, upper, knob], JACKET, 2.2), *dress(up, w_sh, w_el),
               merged([lower, _disc(elbow[0], elbow[1], w_el2 / 2)], JACKET, 2.2), *dress(fore, w_el2, w_wr)]
    else:
        out = [merged([cap, upper, knob, lower], JACKET, 2.2), *dress(up, w_sh, w_el), *dress(fore, w_el2, w_wr)]
    # folds at the inside of a bent elbow
    diff = (a_fore - a_up + 180) % 360 - 180
    if abs(diff) > 20:
        inner = a_up + (90 if diff > 0 else -90)
        creases = []
        for k, tilt in ((-7, -18), (3, 14)):
            p0 = polar(*polar(elbow[0], elbow[1], inner, w_el / 2 - 1.5), a_up, k)
            p1 = polar(p0[0], p0[1], inner + 180 + tilt, w_el * 0.38)
            creases.append(f'M {fmt(p0[0])},{fmt(p0[1])} L {fmt(p1[0])},{fmt(p1[1])}')
        out.append(line(' '.join(creases), 1.5, JACKET_SHADE, 'stroke-linecap="round"'))
    # the ribbed cuff
    wx, wy = wrist
    back = polar(wx, wy, a_fore + 180, 10)
    cuff = [outlined(tube_d(f'M {fmt(back[0])},{fmt(back[1])} L {fmt(wx)},{fmt(wy)}', w_wr + 2, w_wr + 1), RIB, 1.8),
            line(' '.join(f'M {fmt(p[0][0])},{fmt(p[0][1])} L {fmt(p[1][0])},{fmt(p[1][1])}'
                          for p in [(polar(*_across(*polar(wx, wy, a_fore + 180, 10), a_fore, k)[0], a_fore, 0),
                                     polar(*_across(wx, wy, a_fore, k)[0], a_fore, 0))
                                    for k in (-6, 0, 6)]), 0.8, JACKET_SHADE, 'opacity="0.8"')]
    hand_pos = polar(wx, wy, a_fore, 2)
    extra = []
    if band:
        b0, b1 = polar(wx, wy, a_fore, -1), polar(wx, wy, a_fore, 9)
        extra.append(outlined(tube_d(f'M {fmt(b0[0])},{fmt(b0[1])} L {fmt(b1[0])},{fmt(b1[1])}',
                                     w_wr * 0.86, w_wr * 0.82), BAND, 1.6))
        m = polar(wx, wy, a_fore, 4)
        p, q = _across(m[0], m[1], a_fore, w_wr * 0.36)
        extra.append(line(f'M {fmt(p[0])},{fmt(p[1])} L {fmt(q[0])},{fmt(q[1])}', 1.6, WHITE, 'stroke-linecap="round"'))
        hand_pos = polar(wx, wy, a_fore, 8)
    if hand is None:
        return out + cuff + extra
    h = hand_at(hand, hand_pos[0], hand_pos[1], a_fore if hand_ang is None else hand_ang, hand_s, flip)
    if split:
        return out + extra + cuff, [h]
    if hand_under:
        return [h] + out + extra + cuff
    return out + [h] + extra + cuff


def bare_arm(shoulder, elbow, wrist, hand=None, hand_ang=None, flip=False, band=False, hand_s=1.0,
             widths=(29, 24, 23, 18), fore_over=None, sleeve=True, shade_side=1):
    """An arm in a short T-shirt sleeve: the navy sleeve over the shoulder,
    the bare arm below it, the hand at the wrist.  shade_side: which side of
    the arm (1 = left of the direction shoulder -> wrist) lies in the shade."""
    up, fore = _arm_path(shoulder, elbow, wrist)
    w_sh, w_el, w_el2, w_wr = widths
    upper = tube_d(up, w_sh, w_el)
    lower = tube_d(fore, w_el2, w_wr)
    a_up, a_fore = direction(shoulder, elbow), direction(elbow, wrist)
    bend = abs((a_fore - a_up + 180) % 360 - 180)
    if fore_over is None:
        fore_over = bend > 60
    k = shade_side
    cap = _disc(shoulder[0], shoulder[1], w_sh / 2)
    knob = _disc(elbow[0], elbow[1], w_el / 2)

    def dress(d, a, b):
        return [path(tube_band(d, a, b, k * 1.0, k * 0.45), SKIN_SHADE)]
    if fore_over:
        out = [merged([cap, upper, knob], SKIN, 2.0), *dress(up, w_sh, w_el),
               merged([lower, _disc(elbow[0], elbow[1], w_el2 / 2)], SKIN, 2.0), *dress(fore, w_el2, w_wr)]
    else:
        out = [merged([cap, upper, knob, lower], SKIN, 2.0), *dress(up, w_sh, w_el), *dress(fore, w_el2, w_wr)]
    if sleeve:
        # the short sleeve: a wider tube over the first third of the upper arm
        sx, sy = shoulder
        ex, ey = polar(sx, sy, a_up, 46)
        sl = f'M {fmt(sx)},{fmt(sy)} L {fmt(ex)},{fmt(ey)}'
        out.append(merged([_disc(sx, sy, w_sh / 2 + 4), tube_d(sl, w_sh + 8, w_sh + 10)], SHIRT, 2.0))
        out.append(path(tube_band(sl, w_sh + 8, w_sh + 10, k * 1.0, k * 0.35), SHIRT_SHADE))
        p, q = _across(ex, ey, a_up, (w_sh + 10) / 2 - 1)
        out.append(line(f'M {fmt(p[0])},{fmt(p[1])} L {fmt(q[0])},{fmt(q[1])}', 2.4, C.SIGNATURE, 'stroke-linecap="round"'))
    wx, wy = wrist
    hand_pos = polar(wx, wy, a_fore, -2)
    extra = []
    if band:
        b0, b1 = polar(wx, wy, a_fore, -9), polar(wx, wy, a_fore, 2)
        extra.append(outlined(tube_d(f'M {fmt(b0[0])},{fmt(b0[1])} L {fmt(b1[0])},{fmt(b1[1])}',
                                     w_wr + 5, w_wr + 5), BAND, 1.6))
        m = polar(wx, wy, a_fore, -3.5)
        p, q = _across(m[0], m[1], a_fore, (w_wr + 5) / 2 - 1)
        extra.append(line(f'M {fmt(p[0])},{fmt(p[1])} L {fmt(q[0])},{fmt(q[1])}', 1.6, WHITE, 'stroke-linecap="round"'))
    if hand is None:
        return out + extra
    h = hand_at(hand, hand_pos[0], hand_pos[1], a_fore if hand_ang is None else hand_ang, hand_s, flip)
    return out + [h] + extra


def tshirt(defs, hem=520, print_=True):
    """The navy T-shirt on its own (the jacket off): round neck with an orange
    rib, a big orange star print, the shade on the viewer's left."""
    body = (f'M 93,254 C 74,258 56,262 46,272 C 38,282 36,296 38,308 '
            f'C 42,320 48,332 52,346 C 55,372 58,404 63,432 C 61,456 59,486 58,{fmt(hem)} '
            f'C 80,{fmt(hem + 6)} 135,{fmt(hem + 6)} 157,{fmt(hem)} '
            f'C 156,486 154,456 152,432 C 157,404 160,372 163,346 C 167,332 173,320 177,308 '
            f'C 179,296 177,282 169,272 C 159,262 141,258 122,254 Z')
    neck = 'M 92,254 C 96,274 119,274 123,254 C 117,262 98,262 92,254 Z'
    rib = 'M 90,253 C 94,279 121,279 125,253 L 121,253 C 118,270 97,270 94,253 Z'
    star = ('M 107.5,318 L 113.5,331 L 127.5,332.5 L 117,341.5 L 120.5,355.5 L 107.5,348 L 94.5,355.5 '
            'L 98,341.5 L 87.5,332.5 L 101.5,331 Z')
    out = [outlined(body, SHIRT, 2.2),
           path('M 52,346 C 55,372 58,404 63,432 C 61,456 59,486 58.5,510 L 76,512 C 74,470 72,430 70,400 '
                'C 68,380 64,360 58,344 Z', SHIRT_SHADE),
           path(neck, SKIN_SHADE),
           outlined(rib, C.SIGNATURE, 1.4),
           line('M 72,380 C 84,390 96,394 104,394 M 143,380 C 135,388 124,392 114,393', 1.2, SHIRT_SHADE,
                'stroke-linecap="round"')]
    if print_:
        out += [outlined(star, C.SIGNATURE, 1.4),
                path('M 107.5,324 L 110.5,332 L 104.5,332 Z', C.SIGNATURE_LIGHT),
                text(107.5, 392, 'VANTREL', 9, C.SIGNATURE_LIGHT, 'middle', 'bold', extra='letter-spacing="1.5"')]
    return out


def towel(defs):
    """A white towel with orange ends round her neck, the ends down her front."""
    loop = ('M 86,246 C 80,256 76,268 74,282 C 76,286 84,286 88,282 C 90,272 94,264 99,258 '
            'C 104,262 111,262 116,258 C 121,264 125,272 127,282 C 131,286 139,286 141,282 '
            'C 139,268 135,256 129,246 C 121,240 94,240 86,246 Z')
    end_l = 'M 74,280 C 70,310 68,340 68,372 L 88,374 C 88,342 89,312 90,282 Z'
    end_r = 'M 125,282 C 127,312 129,342 131,366 L 151,362 C 149,334 146,306 142,280 Z'
    stripes_l = 'M 68.4,352 L 88.2,354 M 68.3,360 L 88.1,362'
    stripes_r = 'M 130,346 L 149.8,342 M 130.5,354 L 150.3,350'
    fringe = ' '.join(f'M {fmt(70 + k * 2.6)},{fmt(372.5 + k * 0.15)} L {fmt(70 + k * 2.6)},378' for k in range(8)) + ' ' +         ' '.join(f'M {fmt(133 + k * 2.6)},{fmt(365.5 - k * 0.5)} L {fmt(133.5 + k * 2.6)},{fmt(371 - k * 0.5)}' for k in range(7))
    return [outlined(end_l, WHITE, 1.8), outlined(end_r, WHITE, 1.8),
            path('M 74,280 C 70,310 68,340 68,372 L 75,372.6 C 75,342 76,312 79,282 Z', SOCK_SHADE),
            line(stripes_l + ' ' + stripes_r, 2.4, C.SIGNATURE),
            line(fringe, 1.2, '#c9ccd8', 'stroke-linecap="round"'),
            outlined(loop, WHITE, 1.8),
            path('M 86,246 C 80,256 76,268 74,282 C 76,286 82,286 84,284 C 86,272 89,262 94,252 Z', SOCK_SHADE),
            line('M 96,252 C 100,256 115,256 119,252', 1.0, SOCK_SHADE, 'stroke-linecap="round"')]


def tied_jacket_back(defs):
    """Her jacket tied round her waist: the body of it hanging behind her
    hips (drawn before the shorts and the shirt)."""
    back = 'M 60,470 C 48,500 40,540 38,600 L 62,606 C 62,566 63,526 66,490 Z'
    return [outlined(back, JACKET, 1.8), outlined(mirror(back), JACKET, 1.8),
            path('M 60,470 C 48,500 40,540 38,600 L 47,602 C 48,560 52,520 60,486 Z', JACKET_SHADE),
            line('M 44,520 C 42,550 41,576 41,600', 3.2, WHITE, 'stroke-linecap="round"'),
            line(mirror('M 44,520 C 42,550 41,576 41,600'), 3.2, WHITE, 'stroke-linecap="round"')]


def tied_jacket_front(defs):
    """... and its two sleeves round her waist over the shirt, knotted in front
    a little to her left, the cuffs hanging from the knot."""
    sleeve_l = 'M 56,472 C 76,482 96,488 114,490 L 112,508 C 92,506 72,500 55,492 Z'
    sleeve_r = 'M 160,472 C 146,482 132,488 122,490 L 122,508 C 136,506 148,500 161,492 Z'
    knot = 'M 110,486 C 116,479 128,479 132,487 C 136,496 131,507 121,508 C 112,508 106,496 110,486 Z'
    tail_l = 'M 113,502 C 108,520 104,540 102,560 L 118,562 C 120,544 122,526 124,506 Z'
    tail_r = 'M 120,504 C 126,522 132,538 140,552 L 154,544 C 146,528 138,514 130,500 Z'
    return [outlined(tail_l, JACKET, 1.8), outlined(tail_r, JACKET, 1.8),
            path('M 113,502 C 108,520 104,540 102,560 L 108,561 C 110,542 113,522 118,504 Z', JACKET_SHADE),
            line('M 117,508 C 113,526 110,542 109,554 M 124,508 C 130,522 137,534 144,544', 3.2, WHITE,
                 'stroke-linecap="round"'),
            outlined('M 101,556 C 103,550 116,551 119,557 L 118,572 L 101,570 Z', RIB, 1.4),
            outlined('M 137,552 C 140,546 151,541 155,545 L 160,553 L 146,561 Z', RIB, 1.4),
            outlined(sleeve_l, JACKET, 1.8), outlined(sleeve_r, JACKET, 1.8),
            path('M 55,492 C 72,500 92,506 112,508 L 112.6,502 C 92,500 72,494 56,486 Z', JACKET_SHADE),
            line('M 58,478 C 78,487 96,492 112,494 M 158,478 C 146,487 134,492 124,494', 3.2, WHITE,
                 'stroke-linecap="round"'),
            outlined(knot, JACKET, 1.8),
            path('M 111,490 C 115,484 122,483 126,486 C 120,488 115,492 113,500 Z', JACKET_LIGHT),
            line('M 114,494 C 118,500 126,502 130,498', 1.2, JACKET_SHADE, 'stroke-linecap="round"')]


# ---- shorts and legs ---------------------------------------------------------------------

def shorts(hem_l=594, hem_r=594):
    """Navy running shorts with an orange stripe down each side."""
    d = (f'M 58,496 C 55,524 53,560 51,{fmt(hem_l)} C 66,{fmt(hem_l + 5)} 88,{fmt(hem_l + 4)} 104,{fmt(hem_l - 6)} '
         f'L 107.5,582 L 111,{fmt(hem_r - 6)} C 127,{fmt(hem_r + 4)} 149,{fmt(hem_r + 5)} 165,{fmt(hem_r)} '
         f'C 162,560 160,524 157,496 Z')
    stripe_l = f'M 58.5,500 C 56.5,532 54,566 51,{fmt(hem_l)} L 58,{fmt(hem_l + 2)} C 60.5,566 63,532 64.5,500 Z'
    stripe_r = mirror(stripe_l.replace(fmt(hem_l), fmt(hem_r)))
    return [
        outlined(d, SHORTS, 2.0, extra='stroke-linejoin="round"'),
        path(f'M 64.5,500 C 63,532 60.5,566 58,{fmt(hem_l + 2)} C 70,{fmt(hem_l + 4)} 80,{fmt(hem_l + 4)} 88,{fmt(hem_l + 2)} '
             f'C 84,570 80,540 78,508 Z', SHORTS_SHADE, extra='opacity="0.8"'),
        path('M 107.5,582 L 104,594 C 96,598 92,598 88,598 C 96,592 102,586 107.5,570 Z', SHORTS_SHADE),
        line('M 107.5,560 L 107.5,582', 1.3, LINE, 'stroke-linecap="round"'),
        line('M 132,520 C 138,540 142,566 144,592', 1.6, SHORTS_LIGHT, 'stroke-linecap="round" opacity="0.8"'),
        outlined(stripe_l, C.SIGNATURE, 1.2), outlined(stripe_r, C.SIGNATURE, 1.2),
    ]


# half widths of a leg, outer and inner side: thigh (hip -> knee), shin (knee -> ankle)
THIGH_OUT = [(0, 32), (0.35, 30), (0.8, 23), (1, 21)]
THIGH_IN = [(0, 29), (0.5, 25), (1, 19)]
SHIN_OUT = [(0, 20.5), (0.12, 23.5), (0.3, 25), (0.72, 16), (1, 13)]
SHIN_IN = [(0, 18.5), (0.2, 20.5), (0.4, 19.5), (0.75, 14), (1, 13)]


def _seg(a, b, bow=0.0):
    """A gently bowed path from a to b (bow > 0 bends to the left of travel)."""
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    ln = math.hypot(dx, dy) or 1.0
    nx, ny = -dy / ln * bow, dx / ln * bow
    return (f'M {fmt(ax)},{fmt(ay)} C {fmt(ax + dx / 3 + nx)},{fmt(ay + dy / 3 + ny)} '
            f'{fmt(ax + dx * 2 / 3 + nx)},{fmt(ay + dy * 2 / 3 + ny)} {fmt(bx)},{fmt(by)}')


def leg(hip, knee, ankle, side, ident, defs, sock_at=0.1, shoe_turn=8.0, tiptoe=0.0):
    """One leg from under the shorts to the sole: thigh, knee, the calf in a
    white knee sock, a white sneaker with orange laces.  hip, knee and ankle
    are the centre points of the leg; side -1 is the viewer's left leg, 1 the
    right (its outer side is +side x).  The sock starts `sock_at` of the way
    down the shin; tiptoe lifts the heel (the shoe is drawn shorter)."""
    o = side
    # outer side = left of travel for the left leg, right of travel for the right
    tl, tr = (THIGH_OUT, THIGH_IN) if o < 0 else (THIGH_IN, THIGH_OUT)
    sl, sr = (SHIN_OUT, SHIN_IN) if o < 0 else (SHIN_IN, SHIN_OUT)
    thigh_d = _seg(hip, knee, -3 * o)
    shin_d = _seg(knee, ankle, 2 * o)
    thigh = tube2(thigh_d, tl, tr)
    shin = tube2(shin_d, sl, sr)
    kx, ky = knee
    knee_disc = (f'M {fmt(kx - 19.5)},{fmt(ky)} A 19.5,19.5 0 1 0 {fmt(kx + 19.5)},{fmt(ky)} '
                 f'A 19.5,19.5 0 1 0 {fmt(kx - 19.5)},{fmt(ky)} Z')
    shapes = [thigh, knee_disc, shin]
    # one shade on the viewer's left side of each leg (light from the upper right)
    sh_side = 1      # left of travel = viewer's left for a leg going down
    th_prof = tl
    sn_prof = sl
    shade = [band2(thigh_d, th_prof, scaled(th_prof, 0.45), sh_side),
             band2(shin_d, sn_prof, scaled(sn_prof, 0.42), sh_side)]
    clip_leg = f'{ident}-leg'
    defs[clip_leg] = f'<clipPath id="{clip_leg}">' + ''.join(f'<path d="{d}"/>' for d in shapes) + '</clipPath>'
    # the sock: everything of the shin below a line across it
    ax, ay = ankle
    sx, sy = kx + (ax - kx) * sock_at, ky + (ay - ky) * sock_at
    ang = math.degrees(math.atan2(ay - ky, ax - kx))      # along the shin
    ca, sa = math.cos(math.radians(ang + 90)), math.sin(math.radians(ang + 90))
    ua, ub = math.cos(math.radians(ang)), math.sin(math.radians(ang))

    def across(off, sag=5.0):
        x0, y0 = sx + ua * off - ca * 40, sy + ub * off - sa * 40
        x1, y1 = sx + ua * off + ca * 40, sy + ub * off + sa * 40
        mx, my = (x0 + x1) / 2 + ua * sag * 2, (y0 + y1) / 2 + ub * sag * 2
        return f'M {fmt(x0)},{fmt(y0)} Q {fmt(mx)},{fmt(my)} {fmt(x1)},{fmt(y1)}'
    top = across(0)
    far = (f'L {fmt(sx + ua * 400 + ca * 40)},{fmt(sy + ub * 400 + sa * 40)} '
           f'L {fmt(sx + ua * 400 - ca * 40)},{fmt(sy + ub * 400 - sa * 40)} Z')
    clip_sock = f'{ident}-sock'
    defs[clip_sock] = f'<clipPath id="{clip_sock}"><path d="{top} {far}"/></clipPath>'
    sock = g([g([*[path(d, SOCK) for d in shapes], *[path(d, SOCK_SHADE) for d in shade],
                 line(across(9) + ' ' + across(16), 2.4, C.SIGNATURE),
                 line(top, 2.0, LINE)], extra=f'clip-path="url(#{clip_leg})"'),
              g([path(d, 'none', LINE, 2.0, 'stroke-linejoin="round"') for d in (shin,)])],
             extra=f'clip-path="url(#{clip_sock})"')
    kl = f'M {fmt(kx - 7)},{fmt(ky - 8)} C {fmt(kx - 3)},{fmt(ky - 3)} {fmt(kx + 3)},{fmt(ky - 3)} {fmt(kx + 7)},{fmt(ky - 8)}'
    kc = f'M {fmt(kx - 9)},{fmt(ky + 8)} C {fmt(kx - 4)},{fmt(ky + 12)} {fmt(kx + 4)},{fmt(ky + 12)} {fmt(kx + 9)},{fmt(ky + 8)}'
    return [
        merged(shapes, SKIN, 2.0),
        *[path(d, SKIN_SHADE) for d in shade],
        line(kl, 1.1, SKIN_LINE, 'stroke-linecap="round"'),
        line(kc, 1.0, SKIN_LINE, 'stroke-linecap="round" opacity="0.7"'),
        sock,
        g(sneaker(ax, side, shoe_turn, ay - 1108, tiptoe)),
    ]


def sneaker(a, side, turn=8.0, dy=0.0, tiptoe=0.0):
    """A white sneaker seen from the front and a little above, the toe
    turned out by `turn` degrees; the ankle centre at x = a, y = 1108."""
    o = side
    parts = []
    shoe = ('M -14,1108 C -16,1126 -22,1142 -23,1156 C -24,1168 -18,1176 0,1176 '
            'C 18,1176 24,1168 23,1156 C 22,1142 16,1126 14,1108 C 6,1104 -6,1104 -14,1108 Z')
    sole = ('M -23.5,1158 C -24,1170 -18,1178 0,1178 C 18,1178 24,1170 23.5,1158 '
            'C 22,1168 16,1171 0,1171 C -16,1171 -22,1168 -23.5,1158 Z')
    toe = 'M -19,1160 C -18,1150 -10,1146 0,1146 C 10,1146 18,1150 19,1160'
    tongue = 'M -8,1108 C -9,1118 -9,1128 -7,1140 L 7,1140 C 9,1128 9,1118 8,1108 C 3,1105 -3,1105 -8,1108 Z'
    laces = ('M -8,1116 L 8,1122 M 8,1116 L -8,1122 M -8,1126 L 8,1132 M 8,1126 L -8,1132 '
             'M -7.5,1136 L 7.5,1140 M 7.5,1136 L -7.5,1140')
    collar = 'M -14,1108 C -6,1101 6,1101 14,1108 C 8,1112 -8,1112 -14,1108 Z'
    shade_side = ('M -14,1108 C -16,1126 -22,1142 -23,1156 C -23.4,1163 -21,1169 -15,1172 '
                  'C -16,1160 -14,1140 -10,1110 Z')
    parts += [
        outlined(shoe, SHOE, 2.0, extra='stroke-linejoin="round"'),
        path(shade_side if side < 0 else mirror(shade_side, 0), SHOE_SHADE),
        outlined(sole, C.SIGNATURE, 1.6, extra='stroke-linejoin="round"'),
        line(toe, 1.2, '#9aa3b5', 'stroke-linecap="round"'),
        outlined(tongue, '#f2f3f7', 1.3),
        line(laces, 3.4, LINE, 'stroke-linecap="round"'),
        line(laces, 2.0, C.SIGNATURE, 'stroke-linecap="round"'),
        outlined(collar, C.SIGNATURE_DARK, 1.4),
        # a swoosh-free side flash of her colour
        path('M -21,1150 C -18,1140 -15,1132 -13,1124 L -11,1126 C -13,1134 -15,1144 -17,1152 Z'
             if side < 0 else mirror('M -21,1150 C -18,1140 -15,1132 -13,1124 L -11,1126 C -13,1134 -15,1144 -17,1152 Z', 0),
             C.SIGNATURE_LIGHT),
    ]
    ky = 1.2 * (1 - tiptoe * 0.35)
    return [g(parts, extra=f'transform="translate({fmt(a)},{fmt(dy)}) rotate({fmt(turn * o)},0,1108) '
                          f'translate(0,1110) scale(1.34,{fmt(ky)}) translate(0,-1110)"')]


def shadow(x, y, rx, ry, opacity=0.35):
    return f'<ellipse cx="{fmt(x)}" cy="{fmt(y)}" rx="{fmt(rx)}" ry="{fmt(ry)}" fill="#000" opacity="{fmt(opacity)}"/>'
