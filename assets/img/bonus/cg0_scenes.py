"""The bonus pictures of character 0, 鷹宮 麗華 (Takamiya Reika).

The story: A, she welcomes the player to the briefing room as her rival;
B, a tea break over a secret notebook of studies on the player; C, the
full figure with her famous laugh (the second picture: a close-up as the
laugh turns into a real smile); D, farewell on the rampart at sunset.
"""
import math

from bonus_kit import (Head, W, CX, LINE, WHITE, SKIN, SKIN_SHADE, SKIN_LINE, MOUTH, BLUSH,
                       NAVY_DEEP, NAVY, SLATE, BRASS, BRASS_LIGHT, BRASS_DARK, ROUND,
                       fmt, mirror, sym, path, outlined, line, g, lin_grad, rad_grad, tf, place,
                       text, bubble, sparkle, stars, vignette, document, tube_d, tube_side, direction,
                       mouth_o, mouth_open_smile)
import places as P
import chara0 as C

INDEX = 0
GLOVE = '#fbfaf7'
GLOVE_SHADE = '#d9d3dd'
GLOVE_LINE = '#b9b0c0'
LINING = '#3a0d18'


# ---- hands and arms ----------------------------------------------------------

def _finger_outline(fingers, wrist=13.0, knuckle_x=36.0):
    """Silhouette of a hand with fingers together, pointing to +x; fingers
    are (top y, bottom y, tip x, crotch x) from the top one down."""
    yt0 = fingers[0][0]
    d = f'M 0,{fmt(-wrist)} C 12,{fmt(-wrist - 3)} 24,{fmt(yt0 - 0.5)} {fmt(knuckle_x)},{fmt(yt0)}'
    for i, (yt, yb, tx, cx) in enumerate(fingers):
        r = (yb - yt) / 2
        d += f' L {fmt(tx - r)},{fmt(yt)} A {fmt(r)},{fmt(r * 1.05)} 0 0 1 {fmt(tx - r)},{fmt(yb)}'
        if i + 1 < len(fingers):
            d += f' L {fmt(cx)},{fmt(yb)}'
    yb_last = fingers[-1][1]
    d += f' L {fmt(knuckle_x - 4)},{fmt(yb_last + 0.5)} C 22,{fmt(yb_last + 1.5)} 10,{fmt(wrist + 2)} 0,{fmt(wrist)} Z'
    return d


FINGERS_FLAT = [(-18, -9, 64, 45), (-9, -0.3, 68, 46), (-0.3, 8, 65, 45), (8, 15, 57, 0)]


def glove_flat(shade_bottom=True):
    """A gloved hand seen from its back, fingers together pointing to +x, the
    thumb along the top edge; the wrist at 0,0."""
    hand = _finger_outline(FINGERS_FLAT)
    thumb = ('M 10,-12 C 18,-22 30,-27 40,-25.5 C 45.5,-24.5 45,-18.5 40,-18 '
             'C 32,-17 24,-15.5 18,-11 Z')
    seps = ' '.join(f'M {fmt(cx)},{fmt(yb)} L {fmt(cx - 9)},{fmt(yb + 0.2)}'
                    for yt, yb, tx, cx in FINGERS_FLAT[:-1])
    stitches = 'M 8,-5 L 30,-9.5 M 8,0.5 L 31,0 M 8,6 L 30,8.5'
    out = [outlined(thumb, GLOVE, 1.6, LINE, 'stroke-linejoin="round"'),
           path('M 12,-12 C 20,-19 30,-22 38,-21 L 36,-18 C 28,-17 22,-15 17,-11 Z', GLOVE_SHADE),
           outlined(hand, GLOVE, 1.7, LINE, 'stroke-linejoin="round"')]
    if shade_bottom:
        out.append(path('M 2,9 C 14,11 26,13.5 36,14 L 56,14.5 C 55,10 48,10.5 40,10.5 '
                        'C 26,10.5 14,8 2,5 Z', GLOVE_SHADE))
    out += [line(seps, 1.1, LINE, 'stroke-linecap="round"'),
            line(stitches, 0.9, GLOVE_LINE, 'stroke-linecap="round"')]
    return out


def glove_fist(stick=None):
    """A gloved fist seen from the back of the hand, knuckles toward +x,
    fingers curled under; an optional stick (path in the same local frame)
    is drawn through it."""
    fist = ('M 0,-13 C 10,-16 22,-19 31,-18.5 C 39,-18 43,-12 43,-4 C 43,6 41,15 33,17 '
            'C 22,19 10,16 0,13 Z')
    curl = 'M 41,-9 C 36,-9 33,-6 34,-2 M 41,1 C 36,1 33,4 34,8 M 39,11 C 35,11 32,13 33,16'
    thumb = 'M 12,-13 C 18,-22 30,-24 37,-20 C 41,-17 38,-12 33,-12.5 C 26,-13 20,-12 16,-10 Z'
    out = []
    if stick:
        out.append(stick)
    out += [outlined(fist, GLOVE, 1.7, LINE, 'stroke-linejoin="round"'),
            path('M 2,8 C 14,11 26,14 36,13 C 38,15 36,16.5 32,16.8 C 22,18 10,15.5 1,12.5 Z', GLOVE_SHADE),
            line(curl, 1.1, LINE, 'stroke-linecap="round"'),
            outlined(thumb, GLOVE, 1.5, LINE, 'stroke-linejoin="round"'),
            line('M 8,-3 L 28,-6 M 8,3 L 28,3.5', 0.9, GLOVE_LINE, 'stroke-linecap="round"')]
    return out


def sleeve(d, w0, w1, wmid=None, colour=None, shade=None):
    """A uniform sleeve along `d` (shoulder to wrist), white with one shade
    on its lower side.  Only its two long sides are outlined, so a sleeve can
    continue another one (elbow) without a seam; cuffs cover the ends."""
    colour = colour or C.CLOTH
    shade = shade or C.CLOTH_SHADE
    tube = tube_d(d, w0, w1, wmid)
    under = tube_side(d, w0 * 0.62, w1 * 0.62, -1, wmid * 0.62 if wmid else None)
    sides = tube_side(d, w0, w1, 1, wmid) + ' ' + tube_side(d, w0, w1, -1, wmid)
    return [path(tube, colour), line(under, 5.5, shade, 'stroke-linecap="round" opacity="0.9"'),
            line(sides, 2.0, LINE, 'stroke-linecap="round"')]


def elbow(x, y, r, colour=None):
    """A round joint drawn under two sleeves that meet at an angle, so the
    bend shows as a rounded elbow instead of a notch."""
    return f'<circle cx="{fmt(x)}" cy="{fmt(y)}" r="{fmt(r)}" fill="{colour or C.CLOTH}" stroke="{LINE}" stroke-width="2"/>'


def cuff(x, y, angle, w=30, h=11):
    """The crimson cuff at a wrist, across the arm (angle of the forearm)."""
    return g([f'<rect x="{fmt(-h)}" y="{fmt(-w / 2)}" width="{fmt(h)}" height="{fmt(w)}" rx="3" '
              f'fill="{C.SIGNATURE}" stroke="{LINE}" stroke-width="1.8"/>',
              line(f'M {fmt(-h + 3.5)},{fmt(-w / 2 + 2)} L {fmt(-h + 3.5)},{fmt(w / 2 - 2)}', 1.4, C.GOLD),
              f'<circle cx="{fmt(-h / 2)}" cy="{fmt(w / 2 - 5)}" r="2.2" fill="{C.GOLD}" stroke="{LINE}" '
              f'stroke-width="0.8"/>'],
             extra=f'transform="translate({fmt(x)},{fmt(y)}) rotate({fmt(angle)})"')


def hand_at(x, y, angle, parts, s=1.0, flip=False):
    sy = -s if flip else s
    return g(parts, extra=f'transform="translate({fmt(x)},{fmt(y)}) rotate({fmt(angle)}) scale({fmt(s)},{fmt(sy)})"')


def epaulette(left=True):
    """Her gold epaulette redrawn over a raised sleeve (as in the portrait)."""
    ep = 'M 24,286 C 30,274 50,270 62,276 C 66,280 64,287 58,290 C 46,294 32,294 24,290 Z'
    fringe = ' '.join(f'M {x},{fmt(291 + (x - 24) * 0.02)} L {x - 1},{fmt(303 - abs(x - 42) * 0.12)}'
                      for x in range(27, 60, 4))
    hi = 'M 30,284 C 38,277 50,275 58,279'
    if not left:
        ep, fringe, hi = mirror(ep), mirror(fringe), mirror(hi)
    return g([line(fringe, 2.0, C.GOLD_SHADE, 'stroke-linecap="round"'), outlined(ep, C.GOLD, 1.8),
              path(hi, 'none', C.GOLD_LIGHT, 2.0, 'stroke-linecap="round"')])


def pointer_stick(x0, y0, x1, y1):
    return [line(f'M {fmt(x0)},{fmt(y0)} L {fmt(x1)},{fmt(y1)}', 6.5, LINE, 'stroke-linecap="round"'),
            line(f'M {fmt(x0)},{fmt(y0)} L {fmt(x1)},{fmt(y1)}', 3.6, '#6a3a22', 'stroke-linecap="round"'),
            line(f'M {fmt(x0)},{fmt(y0 - 0.8)} L {fmt(x1)},{fmt(y1 - 0.8)}', 1.0, '#a86a42', 'stroke-linecap="round"'),
            f'<circle cx="{fmt(x1)}" cy="{fmt(y1)}" r="4.4" fill="{C.GOLD}" stroke="{LINE}" stroke-width="1.4"/>',
            f'<circle cx="{fmt(x1 - 1.2)}" cy="{fmt(y1 - 1.2)}" r="1.4" fill="{C.GOLD_LIGHT}"/>']


# ---- page A: the briefing room -------------------------------------------------

def page_a():
    defs = {}
    wdt, hgt = 800, 600
    fx, fy, s = 300, -10, 1.17
    head = Head(C, defs, dict(eyes='open', brows='proud', mouth='smirk', marks=['blush-light']))
    body = C.body(defs)
    table_top = 448

    # her right hand laid on her heart in greeting; the elbow hides behind the
    # table.  Upper arms go under the front locks of her hair, forearms over.
    r_upper = 'M 43,292 C 34,326 33,366 42,410'
    r_fore = 'M 40,414 C 58,400 76,387 96,372'
    r_ang = direction((76, 387), (96, 372))
    greet = [*sleeve(r_fore, 30, 27),
             hand_at(98, 371, r_ang - 8, glove_flat()),
             cuff(100, 370, r_ang)]

    # her left hand holds the pointer on the map: the forearm comes forward
    # over the table, so it is drawn after it
    l_upper = 'M 172,292 C 184,322 190,360 188,398'
    l_fore = 'M 188.5,384 C 188,406 184,424 180,436'
    l_ang = direction((184, 424), (180, 436))
    hold = [*sleeve(l_fore, 30, 28),
            '<ellipse cx="176" cy="474" rx="26" ry="7" fill="#000" opacity="0.28"/>',
            hand_at(180, 436, l_ang, glove_fist()),
            cuff(181, 434, l_ang)]
    uppers = [*sleeve(r_upper, 33, 30), *sleeve(l_upper, 33, 30),
              epaulette(left=True), epaulette(left=False)]

    figure = [head.back(), g(body), g(uppers), *head.front(), g(greet)]

    pieces = []
    for (x, y, c, k, sc) in [(250, 530, '#4f9a3c', 'tank', 1.2), (200, 565, '#e8c63a', 'cmd', 1.2),
                             (310, 575, '#4f9a3c', 'tank', 1.3), (560, 520, C.SIGNATURE, 'tank', 1.2),
                             (615, 560, C.SIGNATURE, 'cmd', 1.3), (500, 585, C.SIGNATURE, 'tank', 1.3)]:
        pieces += P.unit_piece(x, y, c, sc, k)

    body_svg = P.briefing_room(defs, wdt, hgt)
    body_svg += [
        # a crimson banner with her family's hawk on the wall behind her
        *banner(defs, 470, 40, 120, 230),
        place(figure, fx, fy, s),
        *P.command_table(defs, wdt, hgt, table_top),
        *pieces,
        # her teacup, of course, even at the map table
        *teacup_on_saucer(690, 520, 1.15),
        place(pointer_stick(196, 462, 20, 486), fx, fy, s),
        place(hold, fx, fy, s),
        # a little sparkle of elegance about her, as always
        sparkle(318, 150, 9, '#fff4c8', 0.9), sparkle(334, 176, 5, '#fff4c8', 0.8),
        sparkle(556, 318, 8, '#fff4c8', 0.85), sparkle(574, 296, 4.5, '#fff4c8', 0.8),
        bubble(24, 356, 278, 66, ['ようこそ、わたくしのライバルさん。', '今日も優雅に参りますわ！'],
               (322, 262), 17, accent=C.SIGNATURE_LIGHT),
        vignette(defs, wdt, hgt, 0.35),
    ]
    return document(wdt, hgt, defs, body_svg, f'{C.NAME}: page A, the briefing room')


def banner(defs, x, y, w, h):
    """A hanging crimson banner with a gold hawk and a swallowtail end."""
    defs['c0-banner'] = lin_grad('c0-banner', [(0, C.SIGNATURE_DARK), (0.25, C.SIGNATURE), (0.75, C.SIGNATURE),
                                               (1, C.SIGNATURE_DARK)], x2=1, y2=0)
    cloth = (f'M {x},{y} L {x + w},{y} L {x + w},{y + h} L {x + w / 2},{y + h - 30} L {x},{y + h} Z')
    cx, cy = x + w / 2, y + h * 0.42
    hawk = (f'M {cx},{cy - 26} C {cx + 8},{cy - 24} {cx + 10},{cy - 16} {cx + 6},{cy - 10} '
            f'C {cx + 20},{cy - 22} {cx + 36},{cy - 26} {cx + 44},{cy - 22} C {cx + 34},{cy - 14} {cx + 28},{cy - 2} {cx + 16},{cy + 4} '
            f'C {cx + 12},{cy + 14} {cx + 10},{cy + 22} {cx + 16},{cy + 32} L {cx},{cy + 24} '
            f'L {cx - 16},{cy + 32} C {cx - 10},{cy + 22} {cx - 12},{cy + 14} {cx - 16},{cy + 4} '
            f'C {cx - 28},{cy - 2} {cx - 34},{cy - 14} {cx - 44},{cy - 22} C {cx - 36},{cy - 26} {cx - 20},{cy - 22} {cx - 6},{cy - 10} '
            f'C {cx - 10},{cy - 16} {cx - 8},{cy - 24} {cx},{cy - 26} Z')
    return [
        line(f'M {x - 12},{y} L {x + w + 12},{y}', 6, BRASS_DARK, 'stroke-linecap="round"'),
        line(f'M {x - 12},{y - 1} L {x + w + 12},{y - 1}', 2, BRASS_LIGHT, 'stroke-linecap="round"'),
        outlined(cloth, 'url(#c0-banner)', 2, '#2a0710'),
        path(f'M {x + 8},{y + 6} L {x + w - 8},{y + 6} L {x + w - 8},{y + h - 12} L {x + w / 2},{y + h - 40} '
             f'L {x + 8},{y + h - 12} Z', 'none', C.GOLD, 1.6),
        outlined(hawk, C.GOLD, 1.4, C.GOLD_SHADE),
        f'<circle cx="{cx + 2}" cy="{cy - 18}" r="1.6" fill="{C.SIGNATURE_DARK}"/>',
    ]


def teacup_on_saucer(x, y, s=1.0, tea='#b8662a'):
    """White porcelain with a crimson rim and gold line; steam rising."""
    def p(dx, dy):
        return f'{fmt(x + dx * s)},{fmt(y + dy * s)}'
    cup = (f'M {p(-17, -20)} C {p(-17, -4)} {p(-10, 2)} {p(0, 2)} C {p(10, 2)} {p(17, -4)} {p(17, -20)} Z')
    return [
        f'<ellipse cx="{fmt(x + 2 * s)}" cy="{fmt(y + 6 * s)}" rx="{fmt(32 * s)}" ry="{fmt(8 * s)}" fill="#000" opacity="0.3"/>',
        f'<ellipse cx="{fmt(x)}" cy="{fmt(y + 2 * s)}" rx="{fmt(28 * s)}" ry="{fmt(7 * s)}" fill="{WHITE}" stroke="{LINE}" stroke-width="1.4"/>',
        f'<ellipse cx="{fmt(x)}" cy="{fmt(y + 2 * s)}" rx="{fmt(22 * s)}" ry="{fmt(4.6 * s)}" fill="none" stroke="{C.GOLD}" stroke-width="1"/>',
        path(f'M {p(16, -15)} C {p(26, -17)} {p(27, -5)} {p(14, -4)}', 'none', LINE, 4.2 * s, 'stroke-linecap="round"'),
        path(f'M {p(16, -15)} C {p(26, -17)} {p(27, -5)} {p(14, -4)}', 'none', WHITE, 2.2 * s, 'stroke-linecap="round"'),
        outlined(cup, WHITE, 1.5),
        path(f'M {p(-15, -12)} C {p(-13, -3)} {p(-7, 0)} {p(0, 0.5)} C {p(-6, -2)} {p(-11, -6)} {p(-12, -12)} Z', '#dcd6e2'),
        f'<ellipse cx="{fmt(x)}" cy="{fmt(y - 20 * s)}" rx="{fmt(17 * s)}" ry="{fmt(4.5 * s)}" fill="{tea}" stroke="{LINE}" stroke-width="1.3"/>',
        f'<ellipse cx="{fmt(x)}" cy="{fmt(y - 20 * s)}" rx="{fmt(17 * s)}" ry="{fmt(4.5 * s)}" fill="none" stroke="{C.SIGNATURE}" stroke-width="1.6" opacity="0.9"/>',
        line(f'M {p(-15, -14)} C {p(-8, -12)} {p(8, -12)} {p(15, -14)}', 1.1, C.GOLD),
        path(f'M {p(-4, -28)} C {p(-9, -36)} {p(1, -40)} {p(-3, -50)} M {p(6, -27)} C {p(1, -35)} {p(11, -40)} {p(6, -49)}',
             'none', WHITE, 2 * s, 'stroke-linecap="round" opacity="0.55"'),
    ]


# ---- page B: tea in the conservatory ------------------------------------------

def glove_pinch():
    """A gloved hand holding a teacup's handle between thumb and curled
    fingers, the little finger raised elegantly; wrist at 0,0, toward +x."""
    fist = ('M 0,-12 C 10,-15 20,-17 28,-16 C 36,-15 40,-9 40,-3 C 40,5 37,11 30,13 '
            'C 20,15 10,14 0,12 Z')
    pinky = 'M 22,11 C 28,14 36,20 44,24 C 48,26 47,31 42,30 C 34,28 26,22 18,15 Z'
    thumb = 'M 14,-12 C 22,-22 34,-24 42,-20 C 46,-18 44,-13 39,-13.5 C 31,-14 24,-12 18,-9 Z'
    return [outlined(pinky, GLOVE, 1.5, LINE, 'stroke-linejoin="round"'),
            outlined(fist, GLOVE, 1.7, LINE, 'stroke-linejoin="round"'),
            path('M 2,8 C 12,11 22,12 32,11 C 33,12.5 32,13.2 29,13.4 C 20,15 10,14 1,11.5 Z', GLOVE_SHADE),
            line('M 38,-6 C 33,-6 31,-3 32,0 M 37,3 C 33,3 31,6 32,9', 1.1, LINE, 'stroke-linecap="round"'),
            outlined(thumb, GLOVE, 1.5, LINE, 'stroke-linejoin="round"'),
            line('M 7,-3 L 25,-6 M 7,3 L 25,3', 0.9, GLOVE_LINE, 'stroke-linecap="round"')]


def teacup(x, y, s=1.0, handle='left', tea='#b8662a', steam=True):
    """A cup alone (for a hand to hold): x, y the centre of its rim."""
    def p(dx, dy):
        return f'{fmt(x + dx * s)},{fmt(y + dy * s)}'
    sgn = -1 if handle == 'left' else 1
    cup = f'M {p(-17, 0)} C {p(-17, 16)} {p(-10, 22)} {p(0, 22)} C {p(10, 22)} {p(17, 16)} {p(17, 0)} Z'
    hd = f'M {p(16 * sgn, 5)} C {p(27 * sgn, 3)} {p(28 * sgn, 15)} {p(14 * sgn, 16)}'
    out = [path(hd, 'none', LINE, 4.2 * s, 'stroke-linecap="round"'),
           path(hd, 'none', WHITE, 2.2 * s, 'stroke-linecap="round"'),
           outlined(cup, WHITE, 1.5),
           path(f'M {p(-15, 8)} C {p(-13, 17)} {p(-7, 20)} {p(0, 20.5)} C {p(-6, 18)} {p(-11, 14)} {p(-12, 8)} Z', '#dcd6e2'),
           f'<ellipse cx="{fmt(x)}" cy="{fmt(y)}" rx="{fmt(17 * s)}" ry="{fmt(4.5 * s)}" fill="{tea}" stroke="{LINE}" stroke-width="1.3"/>',
           f'<ellipse cx="{fmt(x)}" cy="{fmt(y)}" rx="{fmt(17 * s)}" ry="{fmt(4.5 * s)}" fill="none" stroke="{C.SIGNATURE}" stroke-width="1.6"/>',
           line(f'M {p(-15, 6)} C {p(-8, 8)} {p(8, 8)} {p(15, 6)}', 1.1, C.GOLD)]
    if steam:
        out.append(path(f'M {p(-4, -8)} C {p(-9, -16)} {p(1, -20)} {p(-3, -30)} M {p(6, -7)} C {p(1, -15)} {p(11, -20)} {p(6, -29)}',
                        'none', WHITE, 2 * s, 'stroke-linecap="round" opacity="0.55"'))
    return out


def saucer(x, y, s=1.0):
    return [f'<ellipse cx="{fmt(x)}" cy="{fmt(y)}" rx="{fmt(30 * s)}" ry="{fmt(7.5 * s)}" fill="{WHITE}" stroke="{LINE}" stroke-width="1.5"/>',
            f'<ellipse cx="{fmt(x)}" cy="{fmt(y)}" rx="{fmt(24 * s)}" ry="{fmt(5 * s)}" fill="none" stroke="{C.GOLD}" stroke-width="1.1"/>',
            path(f'M {fmt(x - 30 * s)},{fmt(y)} C {fmt(x - 28 * s)},{fmt(y + 6 * s)} {fmt(x + 28 * s)},{fmt(y + 6 * s)} {fmt(x + 30 * s)},{fmt(y)} '
                 f'C {fmt(x + 26 * s)},{fmt(y + 11 * s)} {fmt(x - 26 * s)},{fmt(y + 11 * s)} {fmt(x - 30 * s)},{fmt(y)} Z',
                 '#dcd6e2', LINE, 1.2)]


def teapot(x, y, s=1.0):
    """A round white teapot with a crimson rose and gold trim; x, y the
    middle of its base."""
    def p(dx, dy):
        return f'{fmt(x + dx * s)},{fmt(y + dy * s)}'
    bodyd = f'M {p(-34, -10)} C {p(-40, -40)} {p(-22, -62)} {p(0, -62)} C {p(22, -62)} {p(40, -40)} {p(34, -10)} C {p(30, -2)} {p(-30, -2)} {p(-34, -10)} Z'
    spout = f'M {p(30, -34)} C {p(44, -36)} {p(50, -50)} {p(60, -60)} L {p(64, -56)} C {p(58, -44)} {p(50, -24)} {p(32, -18)} Z'
    handle = f'M {p(-30, -46)} C {p(-58, -50)} {p(-58, -16)} {p(-32, -18)}'
    lid = f'M {p(-20, -60)} C {p(-16, -70)} {p(16, -70)} {p(20, -60)} Z'
    return [f'<ellipse cx="{fmt(x)}" cy="{fmt(y)}" rx="{fmt(40 * s)}" ry="{fmt(8 * s)}" fill="#000" opacity="0.22"/>',
            path(handle, 'none', LINE, 8 * s, 'stroke-linecap="round"'),
            path(handle, 'none', WHITE, 5 * s, 'stroke-linecap="round"'),
            outlined(spout, WHITE, 1.6),
            outlined(bodyd, WHITE, 1.8),
            path(f'M {p(-34, -12)} C {p(-38, -36)} {p(-26, -54)} {p(-10, -60)} C {p(-22, -48)} {p(-28, -30)} {p(-22, -6)} Z', '#dcd6e2'),
            outlined(lid, WHITE, 1.5),
            f'<circle cx="{fmt(x)}" cy="{fmt(y - 71 * s)}" r="{fmt(5 * s)}" fill="{C.GOLD}" stroke="{LINE}" stroke-width="1.2"/>',
            line(f'M {p(-34, -22)} C {p(-12, -16)} {p(12, -16)} {p(34, -22)}', 1.6 * s, C.GOLD),
            *P.rose(x + 6 * s, y - 38 * s, 9 * s, C.SIGNATURE, C.SIGNATURE_DARK, C.SIGNATURE_LIGHT),
            P.leaf(x - 3 * s, y - 34 * s, 160, 12 * s, 4 * s),
            P.leaf(x + 14 * s, y - 32 * s, 30, 12 * s, 4 * s),
            path(f'M {p(14, -56)} C {p(24, -52)} {p(28, -44)} {p(29, -36)}', 'none', WHITE, 3 * s, 'stroke-linecap="round" opacity="0.9"')]


def cake_stand(x, y, s=1.0):
    """Three tiers of cakes and macarons on gold-rimmed plates."""
    out = [line(f'M {fmt(x)},{fmt(y)} L {fmt(x)},{fmt(y - 150 * s)}', 4 * s, BRASS_DARK),
           line(f'M {fmt(x)},{fmt(y)} L {fmt(x)},{fmt(y - 150 * s)}', 1.5 * s, BRASS_LIGHT),
           f'<circle cx="{fmt(x)}" cy="{fmt(y - 156 * s)}" r="{fmt(6 * s)}" fill="{C.GOLD}" stroke="{LINE}" stroke-width="1.2"/>']
    tiers = [(0, 52, 'cake'), (-55, 42, 'macaron'), (-108, 32, 'berry')]
    for dy, rx, kind in tiers:
        ty = y + dy * s
        items = []
        if kind == 'cake':
            for k, dx in enumerate((-30, 0, 30)):
                cx = x + dx * s
                items += [outlined(f'M {fmt(cx - 12 * s)},{fmt(ty - 3 * s)} L {fmt(cx - 12 * s)},{fmt(ty - 20 * s)} '
                                   f'L {fmt(cx + 12 * s)},{fmt(ty - 20 * s)} L {fmt(cx + 12 * s)},{fmt(ty - 3 * s)} Z',
                                   '#fff0d8' if k != 1 else '#f8c8d0', 1.2),
                          line(f'M {fmt(cx - 12 * s)},{fmt(ty - 11 * s)} L {fmt(cx + 12 * s)},{fmt(ty - 11 * s)}', 2 * s, '#e8a0a8'),
                          f'<circle cx="{fmt(cx)}" cy="{fmt(ty - 24 * s)}" r="{fmt(4.5 * s)}" fill="{C.SIGNATURE}" stroke="{LINE}" stroke-width="1"/>']
        elif kind == 'macaron':
            for k, dx in enumerate((-22, 0, 22)):
                cx = x + dx * s
                col = ['#f7a8b8', '#c8e6a0', '#f6d27a'][k]
                items += [outlined(f'M {fmt(cx - 10 * s)},{fmt(ty - 4 * s)} C {fmt(cx - 10 * s)},{fmt(ty - 17 * s)} '
                                   f'{fmt(cx + 10 * s)},{fmt(ty - 17 * s)} {fmt(cx + 10 * s)},{fmt(ty - 4 * s)} Z', col, 1.2),
                          line(f'M {fmt(cx - 10 * s)},{fmt(ty - 9 * s)} L {fmt(cx + 10 * s)},{fmt(ty - 9 * s)}', 2.4 * s, '#fff8ee')]
        else:
            for dx, dy2 in ((-10, 0), (6, -2), (-2, -9), (12, 4)):
                items.append(f'<circle cx="{fmt(x + dx * s)}" cy="{fmt(ty - 6 * s + dy2 * s)}" r="{fmt(5 * s)}" '
                             f'fill="{C.SIGNATURE}" stroke="{LINE}" stroke-width="1"/>')
                items.append(f'<circle cx="{fmt(x + dx * s - 1.5 * s)}" cy="{fmt(ty - 7.5 * s + dy2 * s)}" r="{fmt(1.4 * s)}" fill="{WHITE}" opacity="0.8"/>')
        out += [f'<ellipse cx="{fmt(x)}" cy="{fmt(ty)}" rx="{fmt(rx * s)}" ry="{fmt(rx * 0.22 * s)}" fill="{WHITE}" '
                f'stroke="{LINE}" stroke-width="1.4"/>',
                f'<ellipse cx="{fmt(x)}" cy="{fmt(ty)}" rx="{fmt(rx * 0.86 * s)}" ry="{fmt(rx * 0.16 * s)}" fill="none" '
                f'stroke="{C.GOLD}" stroke-width="1.1"/>', *items]
    return out


def notebook(x, y, s=1.0):
    """Her secret notebook, open on the table: studies of the player's moves."""
    pages = [outlined('M 0,0 L 150,-6 L 160,92 L 6,100 Z', '#fffdf4', 1.6),
             outlined('M 150,-6 L 300,2 L 304,98 L 160,92 Z', '#fffaf0', 1.6),
             line('M 150,-6 L 160,92', 1.4, '#b9b0a0')]
    # ruled lines and her neat notes
    for k in range(7):
        yy = 14 + k * 11
        pages.append(line(f'M 12,{yy} L 146,{yy - 5}', 0.7, '#b9cde0'))
        pages.append(line(f'M 166,{yy - 4} L 296,{yy + 2}', 0.7, '#b9cde0'))
    pages.append(text(16, 14, 'ライバル研究ノート⑦', 11, C.SIGNATURE_DARK, extra='transform="rotate(-2.2,16,14)"'))
    pages.append(text(18, 36, '・左下から撃ってくる', 9, LINE, extra='transform="rotate(-2.2,18,36)"'))
    pages.append(text(18, 49, '・指令車を端に隠しがち', 9, LINE, extra='transform="rotate(-2.2,18,49)"'))
    pages.append(text(18, 62, '・お茶はストレート派？', 9, LINE, extra='transform="rotate(-2.2,18,62)"'))
    pages.append(text(22, 84, '次こそ勝つ！！', 12, C.SIGNATURE, extra='transform="rotate(-4,22,84)"'))
    # a little map sketch with a circled target and a doodle of a tank
    pages.append(path('M 176,14 L 286,20 L 284,62 L 174,56 Z', 'none', '#8a7550', 1))
    grid = ' '.join(f'M {176 + i * 11},{fmt(14 + i * 0.55)} L {174 + i * 11},{fmt(56 + i * 0.55)}' for i in range(1, 10))
    pages.append(line(grid, 0.6, '#b9b0a0'))
    pages.append(line('M 224,30 C 236,26 246,34 240,42 C 232,50 218,44 222,34', 1.6, C.SIGNATURE, 'stroke-linecap="round"'))
    pages.append(path('M 200,80 L 226,81 L 224,73 L 204,72 Z M 208,72 C 208,66 220,66 220,72 M 216,69 L 232,66',
                      'none', LINE, 1.2, 'stroke-linejoin="round"'))
    pages.append(text(240, 84, '← あの人', 9, LINE))
    # sticky tabs along the top
    def top_at(x):                     # the cover's top edge: -2 at x 0..150, rising to 6 at 308
        return -4 + (x / 150) * 2 if x <= 150 else -2 + (x - 150) / 158 * 8
    tabs = [outlined(f'M {x0},{fmt(top_at(x0) + 4)} L {x0 + 16},{fmt(top_at(x0 + 16) + 4)} '
                     f'L {x0 + 16},{fmt(top_at(x0 + 16) - 10)} L {x0},{fmt(top_at(x0) - 10)} Z', col, 1.0)
            for x0, col in ((40, '#ffd86a'), (70, '#f7a8b8'), (220, '#9fe0c0'), (250, '#9fd0ff'))]
    return g([f'<path d="M 4,104 L 162,96 L 308,102 L 300,108 L 8,110 Z" fill="#000" opacity="0.2"/>',
              outlined('M -4,4 L 150,-2 L 308,6 L 310,104 L 160,98 L 2,106 Z', C.SIGNATURE_DARK, 1.6),
              *tabs, *pages, line('M 150,-6 L 160,92', 2.5, '#000', 'opacity="0.12"')],
             extra=f'transform="translate({fmt(x)},{fmt(y)}) scale({fmt(s)})"')


def page_b():
    defs = {}
    wdt, hgt = 800, 600
    fx, fy, s = 262, 12, 1.12
    caught = dict(eyes='happy', brows='happy', mouth='smirk', marks=['blush', 'sweat'])
    head = Head(C, defs, caught)
    table_y = 440        # the back of the round table's top

    # right hand (viewer's left) lifts the cup by its handle; left hand holds the saucer
    r_upper = 'M 43,292 C 34,326 31,366 34,404'
    r_fore = 'M 33,404 C 36,382 40,360 46,340'
    r_ang = direction((40, 360), (46, 340))
    l_upper = 'M 172,292 C 184,322 190,360 186,398'
    l_fore = 'M 188,398 C 184,386 178,376 170,366'
    l_ang = direction((178, 376), (170, 366))
    uppers = [elbow(33, 404, 15), elbow(188, 398, 15), *sleeve(r_upper, 33, 30), *sleeve(l_upper, 33, 30),
              epaulette(True), epaulette(False)]
    cup_x, cup_y = 118, 306
    hands = [*sleeve(l_fore, 30, 27),
             hand_at(168, 364, 186, glove_flat(), flip=True),
             cuff(170, 365, l_ang),
             *saucer(118, 346, 1.55),
             *teacup(cup_x, cup_y, 1.6, 'left'),
             *sleeve(r_fore, 30, 27),
             hand_at(47, 338, -28, glove_pinch()),
             cuff(48, 339, r_ang)]
    figure = [head.back(), g(C.body(defs)), g(uppers), *head.front(), g(hands)]

    out = P.conservatory(defs, wdt, hgt)
    out += P.palm_plant(90, 420, 1.3)
    out += P.rose_bush(596, 384, 196, 150, C.SIGNATURE, C.SIGNATURE_DARK, C.SIGNATURE_LIGHT)
    out += [place(figure, fx, fy, s)]
    # the round table with a white cloth
    out += tea_table(defs, wdt, hgt, table_y)
    out += teapot(628, 520, 1.05)
    out += cake_stand(170, 520, 0.95)
    out += [g(notebook(0, 0, 1.0), extra='transform="translate(262,482) scale(1.0,0.62) skewX(-6)"')]
    out += [bubble(520, 120, 250, 66, ['べ、別に研究なんて', 'していませんわよ？'], (462, 212), 18,
                   accent=C.SIGNATURE_LIGHT),
            vignette(defs, wdt, hgt, 0.35, 'b-vig')]
    return document(wdt, hgt, defs, out, f'{C.NAME}: page B, tea in the conservatory')


def tea_table(defs, w, h, top):
    defs['cloth'] = lin_grad('cloth', [(0, '#ffffff'), (1, '#e6e0ea')])
    cx, rx, ry = w / 2, 400, 72
    cy = top + ry
    scallop = ' '.join(f'Q {fmt(x + 12)},{h - 4} {fmt(x + 24)},{h - 12}' for x in range(-40, w + 40, 24))
    drape = f'M -40,{cy} L -40,{h - 12} {scallop} L {w + 40},{cy} Z'
    return [
        path(drape, 'url(#cloth)', LINE, 2),
        line(' '.join(f'M {x},{cy + 20} C {x - 4},{cy + 60} {x + 4},{h - 40} {x},{h - 12}' for x in range(40, w, 90)),
             1.2, '#cfc6d6'),
        f'<ellipse cx="{fmt(cx)}" cy="{fmt(cy)}" rx="{fmt(rx + 40)}" ry="{fmt(ry)}" fill="#fffdfb" stroke="{LINE}" stroke-width="2"/>',
        f'<ellipse cx="{fmt(cx)}" cy="{fmt(cy)}" rx="{fmt(rx - 10)}" ry="{fmt(ry - 14)}" fill="none" stroke="{C.SIGNATURE_LIGHT}" '
        f'stroke-width="1.4" stroke-dasharray="3 5" opacity="0.7"/>',
    ]


# ---- page D: farewell on the rampart at sunset -----------------------------------

def medal(x, y, s=1.0):
    """Her family's gold hawk medal; x, y its centre."""
    return g([
        f'<circle cx="0" cy="0" r="19" fill="{C.GOLD}" stroke="{LINE}" stroke-width="1.8"/>',
        f'<circle cx="0" cy="0" r="14" fill="none" stroke="{C.GOLD_SHADE}" stroke-width="1.4"/>',
        g(path('M 0,-26 C 8,-24 10,-16 6,-10 C 20,-22 36,-26 44,-22 C 34,-14 28,-2 16,4 '
               'C 12,14 10,22 16,32 L 0,24 L -16,32 C -10,22 -12,14 -16,4 C -28,-2 -34,-14 -44,-22 '
               'C -36,-26 -20,-22 -6,-10 C -10,-16 -8,-24 0,-26 Z', C.GOLD_SHADE), extra='transform="translate(0,-1) scale(0.27)"'),
        path('M -11,-10 C -7,-16 -1,-18 4,-17', 'none', C.GOLD_LIGHT, 2.2, 'stroke-linecap="round"'),
        sparkle(15, -13, 8, WHITE, 0.95),
    ], extra=f'transform="translate({fmt(x)},{fmt(y)}) scale({fmt(s)})"')


def medal_ribbon(x0, y0, x1, y1, mx, my):
    """The crimson ribbon from two hands down to the medal's ring."""
    d = f'M {fmt(x0)},{fmt(y0)} Q {fmt((x0 + mx) / 2 - 2)},{fmt(my - 4)} {fmt(mx)},{fmt(my)} Q {fmt((x1 + mx) / 2 + 2)},{fmt(my - 4)} {fmt(x1)},{fmt(y1)}'
    return [line(d, 9, LINE, ROUND), line(d, 6.5, C.SIGNATURE, ROUND), line(d, 1.2, C.GOLD, ROUND)]


def page_d():
    defs = {}
    wdt, hgt = 800, 600
    fx, fy, s = 268, 18, 1.2
    parting = dict(eyes='happy-tear', brows='happy', mouth='soft', marks=['blush'])
    head = Head(C, defs, parting)

    # both hands hold the medal's ribbon out to the player
    r_upper = 'M 43,292 C 34,326 33,366 40,400'
    r_fore = 'M 38,400 C 48,380 58,360 70,342'
    r_ang = direction((58, 360), (70, 342))
    l_upper = 'M 172,292 C 181,326 182,366 175,400'
    l_fore = 'M 177,400 C 167,380 157,360 145,342'
    l_ang = direction((157, 360), (145, 342))
    uppers = [elbow(39, 400, 15), elbow(176, 400, 15), *sleeve(r_upper, 33, 30), *sleeve(l_upper, 33, 30),
              epaulette(True), epaulette(False)]
    hands = [*medal_ribbon(90, 318, 125, 318, 107.5, 356), medal(107.5, 372, 1.05),
             *sleeve(r_fore, 30, 27), hand_at(72, 340, r_ang + 30, glove_fist()), cuff(73, 340, r_ang),
             *sleeve(l_fore, 30, 27), hand_at(143, 340, l_ang - 30, glove_fist(), flip=True), cuff(142, 340, l_ang)]
    figure = [head.back(), g(C.body(defs)), g(uppers), *head.front(), g(hands)]

    horizon = 470
    out = P.sunset_sky(defs, wdt, hgt, horizon, 640)
    # a tower of the rampart with her banner flying in the evening wind
    out += [path('M 40,200 L 150,200 L 150,470 L 40,470 Z', '#2b3050', '#1a1d33', 2),
            path('M 30,180 L 60,180 L 60,200 L 80,200 L 80,180 L 110,180 L 110,200 L 130,200 L 130,180 L 160,180 '
                 'L 160,210 L 30,210 Z', '#3a3f60', '#1a1d33', 2),
            line('M 150,206 L 150,470', 3, '#ffb878', 'opacity="0.6"'),
            line(' '.join(f'M 40,{y} L 150,{y}' for y in range(232, 470, 26)) + ' ' +
                 ' '.join(f'M {x + (18 if (y // 26) % 2 else 0)},{y} L {x + (18 if (y // 26) % 2 else 0)},{y + 26}'
                          for y in range(206, 470, 26) for x in range(58, 150, 36)),
                 1.2, '#1a1d33', 'opacity="0.8"'),
            line('M 30,181 L 60,181 M 80,181 L 110,181 M 130,181 L 160,181', 2.5, '#ffb878', 'opacity="0.8"'),
            f'<rect x="84" y="260" width="22" height="40" rx="11" fill="#ffd27a" opacity="0.85"/>',
            line('M 95,180 L 95,80', 4, '#1a1d33'),
            path('M 95,84 C 125,76 150,96 185,88 C 200,85 210,90 220,86 L 212,112 L 222,138 '
                 'C 200,142 180,130 150,138 C 125,144 110,132 95,136 Z', C.SIGNATURE, '#2a0710', 1.8),
            path('M 130,92 C 134,110 134,124 130,138', 'none', C.SIGNATURE_DARK, 6, 'opacity="0.5"'),
            g(path('M 0,-26 C 8,-24 10,-16 6,-10 C 20,-22 36,-26 44,-22 C 34,-14 28,-2 16,4 '
                   'C 12,14 10,22 16,32 L 0,24 L -16,32 C -10,22 -12,14 -16,4 C -28,-2 -34,-14 -44,-22 '
                   'C -36,-26 -20,-22 -6,-10 C -10,-16 -8,-24 0,-26 Z', C.GOLD, C.GOLD_SHADE, 1.2),
              extra='transform="translate(160,112) rotate(-3) scale(0.5)"')]
    filt = P.rim_light(defs, 'd-rim')
    out += [g(place(figure, fx, fy, s), extra=filt)]
    out += P.rampart(defs, wdt, hgt, 468, merlons=[(-40, 80), (150, 290), (520, 660), (730, 860)])
    out += petals(wdt, hgt, 12, 29, (250, 0, 560, 470))
    out += [bubble(520, 70, 262, 88, ['次も、わたくしの', 'ライバルでいて', 'くださいましね。'], (470, 238), 18,
                   accent=C.SIGNATURE_LIGHT, line_gap=1.3),
            vignette(defs, wdt, hgt, 0.35, 'd-vig')]
    return document(wdt, hgt, defs, out, f'{C.NAME}: page D, farewell at sunset')


# ---- the full figure --------------------------------------------------------
# Frame coordinates continue the portrait frame downwards: waist 436, hips 500,
# skirt hem 742, knees 800, ankles 1108, soles 1172 (about 6.2 heads).

BOOT = '#4a2e1e'
BOOT_SHADE = '#2f1c12'
BOOT_LIGHT = '#7a5138'


def long_hair_back(wind=0.0):
    """Her hair behind her down to below the waist, wavy, ending in loose
    curls; `wind` blows the lower part to the viewer's right."""
    w = wind
    outer = ('M 107.5,50 C 60,50 34,86 33,134 C 32,174 30,206 21,240 '
             f'C 12,272 21,298 13,328 C 6,356 20,382 {fmt(10 + w * 0.2)},410 '
             f'C {fmt(2 + w * 0.3)},440 {fmt(16 + w * 0.4)},470 {fmt(8 + w * 0.5)},500 '
             f'C {fmt(0 + w * 0.6)},532 {fmt(14 + w * 0.7)},560 {fmt(10 + w * 0.8)},592 '
             f'C {fmt(6 + w * 0.9)},616 {fmt(18 + w)},640 {fmt(34 + w)},636 '
             f'C {fmt(46 + w)},632 {fmt(44 + w)},616 {fmt(36 + w)},614 '
             f'L {fmt(180 + w)},614 '
             f'C {fmt(172 + w)},624 {fmt(178 + w)},640 {fmt(192 + w)},638 '
             f'C {fmt(210 + w)},634 {fmt(214 + w * 0.9)},612 {fmt(206 + w * 0.8)},590 '
             f'C {fmt(200 + w * 0.7)},560 {fmt(214 + w * 0.6)},532 {fmt(206 + w * 0.5)},500 '
             f'C {fmt(198 + w * 0.4)},470 {fmt(212 + w * 0.3)},440 {fmt(205 + w * 0.2)},410 '
             'C 195,382 209,356 202,328 C 194,298 203,272 194,240 C 185,206 183,174 182,134 '
             'C 181,86 155,50 107.5,50 Z')
    shade = ('M 60,150 C 62,200 56,250 48,300 C 44,340 50,390 42,443 C 40,500 46,560 50,612 '
             f'L {fmt(170 + w)},612 C 170,560 176,500 173,443 C 165,390 171,340 167,300 '
             'C 159,250 153,200 155,150 Z')
    waves = (f'M 25,250 C 32,270 30,290 24,310 M 18,350 C 26,368 26,384 18,400 '
             f'M {fmt(16 + w * 0.4)},450 C {fmt(24 + w * 0.4)},470 {fmt(22 + w * 0.5)},490 {fmt(14 + w * 0.5)},510 '
             f'M {fmt(18 + w * 0.7)},545 C {fmt(26 + w * 0.7)},565 {fmt(24 + w * 0.8)},585 {fmt(18 + w * 0.9)},605 ')
    waves += mirror(waves.replace(f'{fmt(16 + w * 0.4)}', f'{fmt(16 - w * 0.4)}'))
    return [outlined(outer, C.HAIR, 2.2, C.HAIR_LINE, 'stroke-linejoin="round"'),
            path(shade, C.HAIR_SHADE),
            line(waves, 1.3, C.HAIR_LINE, 'stroke-linecap="round" opacity="0.7"')]


def windblown_hair():
    """The long hair of her back, blown out to the viewer's right from behind
    her shoulder, over the cape, falling in waves to below her waist."""
    outer = ('M 176,262 C 212,268 244,292 260,326 C 278,362 268,392 286,424 C 304,456 290,488 306,520 '
             'C 320,550 304,584 314,612 C 320,636 306,660 284,660 C 266,660 260,642 272,634 '
             'C 282,628 290,636 286,646 '
             'C 280,626 288,606 280,588 L 268,600 C 262,622 250,644 230,640 C 214,636 214,618 226,614 '
             'C 236,612 240,620 236,628 '
             'C 238,604 246,584 236,560 C 224,532 238,504 222,476 C 208,450 220,424 204,398 '
             'C 192,372 200,334 186,306 Z')
    shade = ('M 196,300 C 212,332 204,370 218,396 C 234,424 222,450 236,476 C 252,504 240,532 252,560 '
             'C 260,580 256,600 252,616 C 262,596 266,578 262,556 C 256,530 266,504 252,478 '
             'C 238,450 250,424 236,398 C 222,372 226,334 212,304 Z')
    light = 'M 220,286 C 240,302 252,324 258,350 M 282,440 C 292,460 290,478 294,496'
    waves = ['M 246,330 C 256,356 250,380 264,406', 'M 268,446 C 282,474 272,498 286,526',
             'M 282,548 C 294,574 286,598 296,620', 'M 230,420 C 238,444 232,462 244,486']
    return [outlined(outer, C.HAIR, 2.2, C.HAIR_LINE, 'stroke-linejoin="round"'),
            path(shade, C.HAIR_SHADE),
            line(light, 3.0, C.HAIR_LIGHT, 'stroke-linecap="round" opacity="0.9"'),
            *[D_tapered(d, 0.3, 0.3, 1.5, C.HAIR_LINE) for d in waves]]


def D_tapered(*a):
    from drawing import tapered
    return tapered(*a)


def long_cape(defs, flare=40, left=20):
    """The cape behind her from the shoulders to the back of her knees: we
    see its wine lining between and beside her legs and the crimson outside
    where its edges turn; `flare` sweeps the hem out to the viewer's right,
    `left` to the left."""
    defs['c0-cape-long'] = lin_grad('c0-cape-long', [(0, C.SIGNATURE), (0.5, C.SIGNATURE_DARK), (1, '#5a0c1a')])
    f, l_ = flare, left
    back = (f'M 30,280 C 16,300 8,340 4,400 C {fmt(-l_ * 0.3)},480 {fmt(-6 - l_ * 0.6)},600 {fmt(-16 - l_)},700 '
            f'C {fmt(-22 - l_)},740 {fmt(-20 - l_)},770 {fmt(-10 - l_)},790 '
            f'C 30,806 70,812 107.5,812 C 150,812 {fmt(190 + f * 0.6)},808 {fmt(226 + f)},792 '
            f'C {fmt(230 + f)},760 {fmt(224 + f * 0.8)},700 {fmt(216 + f * 0.6)},620 '
            f'C 212,520 210,440 206,380 C 202,330 198,300 185,280 Z')
    lining = (f'M 16,420 C {fmt(12 - l_ * 0.3)},520 {fmt(8 - l_ * 0.6)},620 {fmt(2 - l_ * 0.9)},700 '
              f'C {fmt(-l_)},740 {fmt(4 - l_)},770 {fmt(12 - l_ * 0.8)},786 C 50,798 80,802 107.5,802 '
              f'C 145,802 {fmt(180 + f * 0.5)},798 {fmt(210 + f * 0.9)},786 C {fmt(214 + f * 0.8)},740 '
              f'{fmt(206 + f * 0.6)},660 {fmt(198 + f * 0.3)},560 C 196,500 196,450 194,420 Z')
    folds = (f'M 8,480 C {fmt(4 - l_ * 0.4)},560 {fmt(0 - l_ * 0.7)},640 {fmt(-8 - l_)},760 '
             f'M 30,560 C {fmt(26 - l_ * 0.3)},640 {fmt(24 - l_ * 0.5)},700 {fmt(20 - l_ * 0.6)},790 '
             f'M {fmt(204 + f * 0.4)},520 C {fmt(210 + f * 0.6)},600 {fmt(216 + f * 0.8)},680 {fmt(222 + f)},780 '
             f'M {fmt(190 + f * 0.3)},600 C {fmt(194 + f * 0.5)},660 {fmt(198 + f * 0.6)},720 {fmt(200 + f * 0.7)},796')
    hem = (f'M {fmt(-10 - l_)},790 C 30,806 70,812 107.5,812 C 150,812 {fmt(190 + f * 0.6)},808 {fmt(226 + f)},792')
    return [outlined(back, 'url(#c0-cape-long)', 2.2, LINE, 'stroke-linejoin="round"'),
            path(lining, LINING),
            line(folds, 1.4, '#4e0a16', 'stroke-linecap="round" opacity="0.9"'),
            line(hem, 2.2, C.GOLD, 'stroke-linecap="round" opacity="0.9"')]


def leg(k, a, side):
    """One leg from under the skirt to the sole, in a knee boot: knee centre
    x = k, ankle centre x = a; side -1 is the viewer's left leg (its foot
    turned out to the left), 1 the right.  Drawn for the left and mirrored
    about the leg's own axis for the right."""
    def X(dx, base):
        return fmt(base + dx * side)    # dx > 0 points to the outer side
    # skin between the hem and the boot
    thigh = (f'M {X(22, k)},712 C {X(22.5, k)},740 {X(21.5, k)},770 {X(20.5, k)},800 '
             f'L {X(-20.5, k)},800 C {X(-21.5, k)},770 {X(-22.5, k)},740 {X(-22, k)},712 Z')
    thigh_shade = (f'M {X(22 * side, k)},712 C {X(22.5 * side, k)},740 {X(21.5 * side, k)},770 {X(20.5 * side, k)},800 '
                   f'L {X(10 * side, k)},800 C {X(10 * side, k)},770 {X(10 * side, k)},740 {X(10 * side, k)},712 Z')
    boot = (f'M {X(21, k)},792 C {X(25, k)},830 {X(27, k)},880 {X(22, k)},930 '
            f'C {X(18, a)},990 {X(12, a)},1050 {X(11.5, a)},1100 '
            f'C {X(15, a)},1124 {X(28, a)},1142 {X(33, a)},1156 '
            f'C {X(37, a)},1167 {X(29, a)},1175 {X(16, a)},1174 '
            f'L {X(-9, a)},1173 C {X(-13, a)},1160 {X(-13, a)},1130 {X(-11.5, a)},1100 '
            f'C {X(-12, a)},1050 {X(-16, a)},990 {X(-20, k)},920 '
            f'C {X(-23, k)},870 {X(-22, k)},830 {X(-21, k)},792 '
            f'C {X(-8, k)},786 {X(8, k)},786 {X(21, k)},792 Z')
    if side < 0:      # the light comes from the upper right: shade the outer side
        shade = (f'M {X(21, k)},796 C {X(25, k)},830 {X(27, k)},880 {X(22, k)},930 '
                 f'C {X(18, a)},990 {X(12, a)},1050 {X(11.5, a)},1100 L {X(4, a)},1100 '
                 f'C {X(5, a)},1040 {X(10, a)},980 {X(10, k)},920 C {X(14, k)},870 {X(12, k)},830 {X(10, k)},796 Z')
    else:             # ... and the inner side of the right leg
        shade = (f'M {X(-21, k)},796 C {X(-22, k)},830 {X(-23, k)},870 {X(-20, k)},920 '
                 f'C {X(-16, a)},990 {X(-12, a)},1050 {X(-11.5, a)},1100 L {X(-5, a)},1100 '
                 f'C {X(-6, a)},1040 {X(-8, a)},980 {X(-10, k)},920 C {X(-12, k)},870 {X(-12, k)},830 {X(-11, k)},796 Z')
    foot_top = (f'M {X(11.5, a)},1106 C {X(16, a)},1126 {X(26, a)},1142 {X(31, a)},1156 '
                f'C {X(22, a)},1150 {X(8, a)},1140 {X(0, a)},1136')
    shine = (f'M {X(-12, k)},812 C {X(-16, k)},860 {X(-14, k)},910 {X(-8, a)},1000' if side < 0 else
             f'M {X(14, k)},812 C {X(18, k)},860 {X(16, k)},910 {X(8, a)},1000')
    toe_shine = f'M {X(22, a)},1150 C {X(26, a)},1156 {X(28, a)},1162 {X(26, a)},1166'
    cuff_top = (f'M {X(22, k)},790 C {X(8, k)},783 {X(-8, k)},783 {X(-22, k)},790 '
                f'L {X(-22.5, k)},808 C {X(-8, k)},802 {X(8, k)},802 {X(22.5, k)},808 Z')
    sole = (f'M {X(33, a)},1158 C {X(37, a)},1168 {X(29, a)},1176 {X(16, a)},1175 L {X(-9, a)},1174 '
            f'L {X(-9, a)},1180 L {X(16, a)},1181 C {X(31, a)},1182 {X(38, a)},1172 {X(33, a)},1158 Z')
    heel = f'M {X(-12.5, a)},1158 L {X(-4, a)},1160 L {X(-4, a)},1181 L {X(-12, a)},1181 Z'
    strap = f'M {X(12, a)},1088 C {X(4, a)},1094 {X(-4, a)},1094 {X(-12, a)},1088'
    knee_line = f'M {X(8, k)},752 C {X(3, k)},756 {X(-3, k)},756 {X(-8, k)},752'
    bx = min(float(X(3, a)), float(X(-3, a)))
    return [
        outlined(thigh, SKIN, 2.0), path(thigh_shade, SKIN_SHADE),
        line(knee_line, 1.1, SKIN_LINE, 'stroke-linecap="round"'),
        outlined(heel, '#1e120a', 1.4, '#1e120a'),
        outlined(boot, BOOT, 2.0, '#241409', 'stroke-linejoin="round"'),
        path(shade, BOOT_SHADE),
        line(foot_top, 1.2, '#241409', 'stroke-linecap="round" opacity="0.8"'),
        line(shine, 3.0, BOOT_LIGHT, 'stroke-linecap="round" opacity="0.9"'),
        line(toe_shine, 2.2, BOOT_LIGHT, 'stroke-linecap="round" opacity="0.9"'),
        outlined(sole, '#1e120a', 1.2, '#1e120a'),
        outlined(cuff_top, '#5c3a26', 1.8, '#241409'),
        line(f'M {X(20, k)},800 C {X(8, k)},795 {X(-8, k)},795 {X(-20, k)},800', 1.0, C.GOLD, 'opacity="0.8"'),
        line(strap, 3.4, '#241409', 'stroke-linecap="round"'),
        line(strap, 1.6, '#6b4630', 'stroke-linecap="round"'),
        f'<rect x="{fmt(bx)}" y="1089" width="6" height="6" rx="1" fill="{C.GOLD}" stroke="#241409" stroke-width="1"/>',
    ]


def skirt(sway=0.0):
    """The crimson pleated skirt from the waist to the knee, gold hem line."""
    s_ = sway
    outline = (f'M 66,436 L 149,436 C 160,500 {fmt(176 + s_)},620 {fmt(190 + s_)},735 '
               f'Q {fmt(176 + s_)},748 {fmt(162 + s_ * 0.9)},738 Q {fmt(148 + s_ * 0.8)},750 {fmt(134 + s_ * 0.7)},740 '
               f'Q {fmt(120 + s_ * 0.6)},752 {fmt(107 + s_ * 0.5)},742 Q {fmt(94 + s_ * 0.4)},752 {fmt(80 + s_ * 0.3)},740 '
               f'Q {fmt(66 + s_ * 0.2)},750 {fmt(52 + s_ * 0.1)},738 Q 38,748 25,735 '
               f'C 39,620 55,500 66,436 Z')
    pleats = ' '.join(f'M {fmt(x0)},440 C {fmt(x0 + (x1 - x0) * 0.3)},560 {fmt(x1 - (x1 - x0) * 0.2)},660 {fmt(x1)},{fmt(y1)}'
                      for x0, x1, y1 in [(78, 52 + s_ * 0.1, 738), (89, 80 + s_ * 0.3, 740),
                                         (100, 107 + s_ * 0.5, 742), (115, 134 + s_ * 0.7, 740),
                                         (126, 162 + s_ * 0.9, 738), (138, 176 + s_, 744)])
    shade = (f'M 66,436 L 84,436 C 80,520 74,640 66,744 Q 52,744 40,744 Q 32,742 25,735 C 39,620 55,500 66,436 Z')
    hem = (f'M 27,728 Q 38,741 52,731 Q 66,743 80,733 Q 94,745 107,735 Q 120,745 134,733 '
           f'Q 148,743 162,731 Q {fmt(176 + s_)},741 {fmt(188 + s_)},728')
    return [outlined(outline, C.SIGNATURE, 2.0, LINE, 'stroke-linejoin="round"'),
            path(shade, C.SIGNATURE_DARK, extra='opacity="0.55"'),
            line(pleats, 1.3, C.SIGNATURE_DARK, 'stroke-linecap="round"'),
            line(f'M 118,444 C 126,520 140,620 150,734', 2.0, C.SIGNATURE_LIGHT, 'stroke-linecap="round" opacity="0.6"'),
            line(hem, 2.2, C.GOLD, 'stroke-linecap="round"')]


def belt():
    """A crimson waist sash with a gold buckle over the seam of jacket and
    skirt; the jacket's coat tails flare below it."""
    return [
        outlined('M 62,426 C 90,432 125,432 153,426 L 154,446 C 125,452 90,452 61,446 Z', C.SIGNATURE_DARK, 1.8),
        line('M 63,430 C 90,436 125,436 152,430', 1.2, C.GOLD),
        line('M 62,443 C 90,449 125,449 153,443', 1.2, C.GOLD),
        f'<rect x="98" y="427" width="19" height="22" rx="3" fill="{C.GOLD}" stroke="{LINE}" stroke-width="1.6"/>',
        f'<rect x="102.5" y="431.5" width="10" height="13" rx="2" fill="{C.SIGNATURE}" stroke="{C.GOLD_SHADE}" stroke-width="1"/>',
        path('M 100,429 L 106,429', 'none', C.GOLD_LIGHT, 1.5, 'stroke-linecap="round"'),
    ]


def coat_tails():
    """The white jacket's tails, open at the front, over the skirt's top."""
    tail_l = 'M 64,440 C 58,470 52,500 46,526 C 60,530 74,526 86,516 C 88,490 90,464 92,444 Z'
    return [outlined(tail_l, C.CLOTH, 1.8), outlined(mirror(tail_l), C.CLOTH, 1.8),
            path('M 64,440 C 58,470 52,500 46,526 C 54,528 60,527 66,525 C 68,496 70,468 72,442 Z', C.CLOTH_SHADE),
            line('M 48,520 C 60,524 74,520 85,511', 1.4, C.GOLD, 'stroke-linecap="round"'),
            line(mirror('M 48,520 C 60,524 74,520 85,511'), 1.4, C.GOLD, 'stroke-linecap="round"')]


def upper_body(defs):
    """The portrait's uniform, cut at the waist where the sash covers it."""
    defs['c0-cut-waist'] = '<clipPath id="c0-cut-waist"><rect x="-100" y="0" width="415" height="438"/></clipPath>'
    return g(C.body(defs), extra='clip-path="url(#c0-cut-waist)"')


# ---- page C: the full figure and her laugh -----------------------------------

def page_c():
    defs = {}
    wdt, hgt = 800, 1400
    s = 1.13
    fx, fy = 400 - CX * s - 10, 8
    head = Head(C, defs, dict(eyes='open', brows='proud', mouth='laugh', marks=['blush-light']))

    # her right hand at her mouth: "oh-ho-ho"; her left on her hip
    r_upper = 'M 43,292 C 24,316 6,346 -2,384'
    r_fore = 'M 0,380 C 22,338 50,296 72,262'
    r_ang = direction((52, 296), (72, 262))
    l_upper = 'M 172,292 C 192,318 212,352 222,392'
    l_fore = 'M 220,386 C 208,414 186,440 168,452'
    l_ang = direction((186, 440), (168, 452))
    uppers = [elbow(-1, 382, 15), elbow(221, 389, 15), *sleeve(r_upper, 33, 30), *sleeve(l_upper, 33, 30),
              epaulette(True), epaulette(False)]
    laugh_hand = [*sleeve(r_fore, 31, 27),
                  hand_at(74, 259, r_ang - 12, glove_flat(), flip=True),
                  cuff(76, 257, r_ang)]
    hip_hand = [*sleeve(l_fore, 30, 27),
                hand_at(166, 453, l_ang + 10, glove_fist()),
                cuff(168, 452, l_ang)]

    figure = [
        g(long_hair_back(0)),
        g(long_cape(defs, 70, 34)),
        g(windblown_hair()),
        g(leg(80, 66, -1)), g(leg(137, 150, 1)),
        g(skirt(6)), g(coat_tails()),
        upper_body(defs), g(belt()),
        g(uppers),
        *head.front(),
        g(hip_hand), g(laugh_hand),
    ]
    out = parade_ground(defs, wdt, hgt)
    # her devoted fan club among the headquarters staff
    out += [P.chibi_soldier(96, 1170, 1.05, '麗華さま', '#fff4c8', C.SIGNATURE_DARK),
            P.chibi_soldier(190, 1120, 0.85, '♥', '#ffd0d8', C.SIGNATURE),
            P.chibi_soldier(700, 1180, 1.05, 'ブラボー', '#fff4c8', C.SIGNATURE_DARK, flip=False),
            P.chibi_soldier(612, 1126, 0.85, None),
            text(584, 1034, 'パチパチ', 20, '#ffe08a', weight='bold', extra='transform="rotate(8,584,1034)"')]
    out += [
        f'<ellipse cx="{fmt(fx + 112 * s)}" cy="{fmt(fy + 1176 * s)}" rx="{fmt(150 * s)}" ry="{fmt(22 * s)}" '
        f'fill="#000" opacity="0.35"/>',
        place(figure, fx, fy, s),
        *petals(wdt, hgt, 34, 5, (250, 40, 560, 1380)),
        laugh_text(),
        vignette(defs, wdt, hgt, 0.3),
    ]
    return document(wdt, hgt, defs, out, f'{C.NAME}: page C, the full figure')


def laugh_text():
    """Her famous laugh in big gold letters beside her."""
    words = [('オーッ', 40, 150, -10, 62), ('ホッホッ', 26, 240, -10, 62), ('ホ！', 96, 326, -10, 70)]
    out = []
    for s_, x, y, r, size in words:
        rot = f'transform="rotate({r},{x},{y})"'
        out.append(text(x, y, s_, size, '#2a0710', weight='bold',
                        extra=f'stroke="#2a0710" stroke-width="11" stroke-linejoin="round" {rot}'))
        out.append(text(x, y, s_, size, C.GOLD, weight='bold',
                        extra=f'stroke="{C.GOLD_SHADE}" stroke-width="3" stroke-linejoin="round" {rot}'))
    return g(out)


def petals(w, h, n, seed, avoid=None):
    from bonus_kit import rng
    r = rng(seed)
    out = []
    for _ in range(n):
        x, y = r() * w, r() * h
        a = r() * 360
        sc = 0.7 + r() * 0.8
        if avoid and avoid[0] < x < avoid[2] and avoid[1] < y < avoid[3]:
            continue
        out.append(g([path('M 0,-7 C 6,-6 8,2 0,7 C -6,3 -6,-5 0,-7 Z', C.SIGNATURE, C.SIGNATURE_DARK, 0.8),
                      path('M 0,-5 C 3,-4 4,0 1,3', 'none', C.SIGNATURE_LIGHT, 1.2, 'stroke-linecap="round"')],
                     extra=f'transform="translate({fmt(x)},{fmt(y)}) rotate({fmt(a)}) scale({fmt(sc)})"'))
    return out


def parade_ground(defs, w, h):
    """The parade ground at night, with the red carpet she had laid out for
    herself, a spotlight that follows her and her family's banner."""
    horizon = 1010
    out = P.parade_ground(defs, w, h, horizon, flag=(C.SIGNATURE_LIGHT, C.SIGNATURE, C.SIGNATURE_DARK))
    defs['pg-carpet'] = lin_grad('pg-carpet', [(0, '#5a0c1a'), (1, C.SIGNATURE)])
    cx0, cx1 = 388, 412
    carpet = f'M {cx0},{horizon} L {cx1},{horizon} L {w - 120},{h} L 120,{h} Z'
    out.append(path(carpet, 'url(#pg-carpet)'))
    out.append(line(f'M {cx0 + 2},{horizon} L 132,{h} M {cx1 - 2},{horizon} L {w - 132},{h}', 3, C.GOLD, 'opacity="0.9"'))
    out.append(line(f'M {cx0 + 4},{horizon} L 150,{h} M {cx1 - 4},{horizon} L {w - 150},{h}', 1, C.GOLD_LIGHT, 'opacity="0.6"'))
    defs['pg-spot'] = lin_grad('pg-spot', [(0, '#fff6d8', 0.02), (1, '#fff6d8', 0.22)])
    out.append(path(f'M 350,0 L 450,0 L 660,{h - 64} A 260,52 0 0 1 140,{h - 64} Z', 'url(#pg-spot)'))
    defs['pg-pool'] = rad_grad('pg-pool', [(0, '#fff6d8', 0.45), (0.6, '#fff6d8', 0.15), (1, '#fff6d8', 0)])
    out.append(f'<ellipse cx="400" cy="{h - 64}" rx="300" ry="52" fill="url(#pg-pool)"/>')
    # the hawk on her banner
    out.append(g(outlined(HAWK, C.GOLD, 1.4, C.GOLD_SHADE), extra='transform="translate(750,212) rotate(4) scale(0.95)"'))
    return out


HAWK = ('M 0,-26 C 8,-24 10,-16 6,-10 C 20,-22 36,-26 44,-22 C 34,-14 28,-2 16,4 '
        'C 12,14 10,22 16,32 L 0,24 L -16,32 C -10,22 -12,14 -16,4 C -28,-2 -34,-14 -44,-22 '
        'C -36,-26 -20,-22 -6,-10 C -10,-16 -8,-24 0,-26 Z')


def bokeh(defs, w, h, n, seed, colours):
    """Soft out-of-focus lights behind a close-up."""
    from bonus_kit import rng
    r = rng(seed)
    out = []
    for i in range(n):
        c = colours[i % len(colours)]
        rad = 10 + r() * 34
        out.append(f'<circle cx="{fmt(r() * w)}" cy="{fmt(r() * h)}" r="{fmt(rad)}" fill="{c}" '
                   f'opacity="{fmt(0.08 + r() * 0.16)}"/>')
        out.append(f'<circle cx="{fmt(r() * w)}" cy="{fmt(r() * h)}" r="{fmt(rad * 0.4)}" fill="none" '
                   f'stroke="{c}" stroke-width="1.5" opacity="{fmt(0.15 + r() * 0.15)}"/>')
    return out


# ---- page C, second picture: she laughed a little too hard ----------------------

def page_c2():
    defs = {}
    wdt, hgt = 343, 600
    s = 1.9
    fx, fy = wdt / 2 - CX * s + 4, -40
    squeeze = dict(eyes='squeezed', brows='worried', mouth='wavy',
                   marks=['blush', F_sweat(150, 128, 1.1), F_tears_side()])
    head = Head(C, defs, squeeze)
    fore = 'M 40,330 C 52,306 66,284 80,262'
    ang = direction((66, 284), (80, 262))
    cough = [*sleeve(fore, 33, 29),
             hand_at(82, 259, ang + 8, glove_fist()),
             cuff(84, 257, ang)]
    figure = [head.back(), g(C.body(defs)), *head.front(), g(cough)]
    defs['c2-bg'] = rad_grad('c2-bg', [(0, '#2b3f72'), (0.6, '#14254a'), (1, '#070f26')], cy=0.35, r=0.8)
    out = [f'<rect width="{wdt}" height="{hgt}" fill="url(#c2-bg)"/>',
           *bokeh(defs, wdt, hgt, 14, 9, [C.SIGNATURE_LIGHT, '#ffd27a', '#8fb0e8']),
           place(figure, fx, fy, s, r=-5, pivot=(107.5, 300)),
           *petals(wdt, hgt, 10, 17, (40, 40, 310, 600)),
           cough_text(18, 70, -14), cough_text(236, 470, 12, 0.8),
           *puffs([(205, 372, 9), (222, 360, 6), (234, 350, 4), (128, 388, 7), (116, 378, 4.5)]),
           vignette(defs, wdt, hgt, 0.4, 'c2-vig')]
    return document(wdt, hgt, defs, out, f'{C.NAME}: page C, the second picture')


def puffs(circles):
    """Little white clouds of a cough."""
    return [f'<circle cx="{fmt(x)}" cy="{fmt(y)}" r="{fmt(r)}" fill="{WHITE}" stroke="#8fb0e8" stroke-width="1.4" '
            f'opacity="0.9"/>' for x, y, r in circles]


def F_sweat(x, y, sc=1.0):
    from face import sweat_drop
    return sweat_drop(x, y, sc)


def F_tears_side():
    """Little tears squeezed out at the outer corners of shut eyes."""
    drop = 'M 0,0 C 2.5,4 4,7 4,9.5 C 4,13 -4,13 -4,9.5 C -4,7 -2.5,4 0,0 Z'
    return g([g(outlined(drop, '#cdeaff', 1.1, '#5a8fc0'), extra='transform="translate(62,186) rotate(20)"'),
              g(outlined(drop, '#cdeaff', 1.1, '#5a8fc0'), extra='transform="translate(153,186) rotate(-20) scale(0.9)"')])


def cough_text(x, y, r, sc=1.0):
    out = []
    for stroke, w_, fill in (('#0b1630', 8, '#0b1630'), (LINE, 2, '#ffffff')):
        out.append(text(0, 0, 'けほっ', 34, fill, weight='bold',
                        extra=f'stroke="{stroke}" stroke-width="{w_}" stroke-linejoin="round"'))
    out.append(line('M 4,10 C 30,16 60,16 90,10', 2.5, WHITE, 'stroke-linecap="round" opacity="0.7" stroke-dasharray="2 7"'))
    return g(out, extra=f'transform="translate({x},{y}) rotate({r}) scale({sc})"')


PAGES = {
    'cg0A.svg': page_a,
    'cg0B.svg': page_b,
    'cg0C.svg': page_c,
    'cg0C-2.svg': page_c2,
    'cg0D.svg': page_d,
}

# the gallery thumbnail of the tall page C: the picture cropped to the
# thumbnail's ratio (A, B and D have the thumbnail's ratio already)
THUMBS = {
    'thumb-0C.svg': ('cg0C.svg', 800, 1400, 57, 98, f'{C.NAME}: page C thumbnail'),
}
