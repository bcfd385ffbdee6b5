"""The bonus pictures of character 1, 水瀬 詩織 (Minase Shiori).

The story: A, she arrives in the briefing room behind a stack of battle
plans taller than her courage; B, a mug of cocoa in the canteen, and the
canteen cat has designs on her cookies; C, the full figure in the first snow
of the year, next to a snowman in uniform (the second picture: the snow
bunny she made for the player); D, farewell on the rampart at sunset with a
good-luck charm she sewed herself.
"""
import math

from bonus_kit import (Head, W, CX, LINE, WHITE, SKIN, SKIN_SHADE, SKIN_LINE, MOUTH, BLUSH,
                       NAVY_DEEP, NAVY, SLATE, BRASS, BRASS_LIGHT, BRASS_DARK, ROUND,
                       fmt, mirror, sym, path, outlined, line, g, lin_grad, rad_grad, tf, place,
                       text, bubble, sparkle, stars, vignette, document, tube_d, tube_side, direction,
                       mouth_o, rng)
import places as P
import chara1 as C

INDEX = 1
TIGHTS = '#363a5e'
TIGHTS_SHADE = '#25284a'
TIGHTS_LIGHT = '#6a70a0'
SKIRT = '#25345e'
SKIRT_SHADE = '#18223f'
BOOT = '#8a5a3a'
BOOT_SHADE = '#633e27'
BOOT_LIGHT = '#b5825a'
FUR = '#fbf3e2'
FUR_SHADE = '#e2d3b6'


# ---- the full figure --------------------------------------------------------
# Frame coordinates continue the portrait frame downwards: the coat's hem at
# 575, the skirt's at 596, knees 772, ankles 1030, soles 1092 (about six
# heads: she is the smallest of the three).

def upper_body(defs):
    """The portrait's coat with its sleeves and hands together at her chest,
    cut just above the portrait frame's lower edge; the lower coat continues
    it underneath."""
    defs['c1-cut'] = '<clipPath id="c1-cut"><rect x="-100" y="0" width="415" height="440.8"/></clipPath>'
    return g(C.body(defs), extra='clip-path="url(#c1-cut)"')


def lower_coat(defs):
    """The coat below the portrait frame down to mid-thigh, open at the
    front over the sweater's ribbed hem and the skirt; patch pockets."""
    p = C.PREFIX
    defs[f'{p}-coat-low'] = lin_grad(f'{p}-coat-low', [(0, C.COAT_SHADE), (1, '#4286bf')], 0, 442, 0, 578, 'userSpaceOnUse')
    defs[f'{p}-coat-side'] = lin_grad(f'{p}-coat-side', [(0, '#3a78ae', 0), (1, '#3a78ae', 0.8)], 0, 442, 0, 500, 'userSpaceOnUse')
    left = 'M 8,430 L 99,430 C 97,480 92,530 84,574 C 60,580 30,578 2,572 C 4,520 6,470 8,430 Z'
    right = mirror(left)
    hem = 'M 2,566 C 30,572 60,574 84,568'
    pocket = 'M 22,478 L 70,476 L 68,532 C 54,536 38,536 24,532 Z'
    flap = 'M 20,474 L 72,472 L 71,488 C 56,492 36,492 21,490 Z'
    out = []
    for part, hm, pk, fl in ((left, hem, pocket, flap), (right, mirror(hem), mirror(pocket), mirror(flap))):
        out += [outlined(part, f'url(#{p}-coat-low)', 2.0),
                line(hm, 2.0, C.COAT_LIGHT, 'opacity="0.9"'),
                outlined(pk, C.COAT_SHADE, 1.4), outlined(fl, C.COAT, 1.4)]
    for bx in (42, W - 42 - 8):
        out.append(f'<rect x="{bx}" y="480" width="8" height="4" rx="2" fill="#fff8ea" stroke="{LINE}" stroke-width="0.8"/>')
    # the coat's shade on the side away from the light, and the front edges
    out += [path('M 8,440 C 6,480 4,530 2,568 C 10,570 18,571 26,572 C 24,530 24,480 26,440 Z', f'url(#{p}-coat-side)'),
            outlined('M 91,430 L 99,430 C 97,480 92,530 84,574 L 76,574 C 84,530 89,480 91,430 Z', C.COAT_LIGHT, 1.4),
            outlined(mirror('M 91,430 L 99,430 C 97,480 92,530 84,574 L 76,574 C 84,530 89,480 91,430 Z'),
                     C.COAT_LIGHT, 1.4)]
    return out


def sweater_and_skirt():
    """The cream sweater's ribbed hem and the navy pleated skirt below it."""
    skirt = ('M 84,470 L 131,470 C 150,510 166,550 178,594 Q 166,602 154,594 Q 142,602 130,594 '
             'Q 118,602 107.5,594 Q 97,602 85,594 Q 73,602 61,594 Q 49,602 37,594 C 49,550 65,510 84,470 Z')
    pleats = 'M 90,476 L 61,594 M 100,476 L 85,594 M 107.5,476 L 107.5,594 M 115,476 L 130,594 M 125,476 L 154,594'
    knit = 'M 88,430 L 127,430 L 126,478 L 89,478 Z'
    ribs = ' '.join(f'M {x},466 L {x},478' for x in range(91, 126, 4))
    return [outlined(skirt, SKIRT, 2.0, LINE, 'stroke-linejoin="round"'),
            path('M 84,470 L 96,470 C 84,520 72,560 61,594 Q 49,602 37,594 C 49,550 65,510 84,470 Z', SKIRT_SHADE),
            line(pleats, 1.2, SKIRT_SHADE),
            line('M 40,586 Q 52,594 61,588 Q 73,596 85,588 Q 97,596 107.5,588 Q 118,596 130,588 '
                 'Q 142,596 154,588 Q 166,594 175,586', 1.4, C.SIGNATURE_LIGHT, 'opacity="0.8"'),
            outlined(knit, C.KNIT, 1.6), line(ribs, 0.9, C.KNIT_SHADE),
            line('M 88,466 L 127,466', 1.2, C.KNIT_SHADE)]


def leg(side):
    """One leg in dark tights and a short fur-topped boot; side -1 the
    viewer's left.  Knees turned a little in, toes too: she stands shyly."""
    def X(dx):
        return CX + dx * side
    hip, knee, ankle = 30, 9, 27          # distance of the leg's axis from the middle
    thigh = f'M {fmt(X(hip))},584 C {fmt(X(hip - 6))},650 {fmt(X(knee + 4))},712 {fmt(X(knee))},756'
    shin = (f'M {fmt(X(knee))},748 C {fmt(X(knee + 2))},800 {fmt(X(ankle - 10))},860 {fmt(X(ankle - 4))},910 '
            f'C {fmt(X(ankle - 2))},940 {fmt(X(ankle))},966 {fmt(X(ankle))},990')
    tubes = [tube_d(thigh, 54, 34), tube_d(shin, 34, 23, 40)]
    sides = ' '.join([tube_side(thigh, 54, 34, 1), tube_side(thigh, 54, 34, -1),
                      tube_side(shin, 34, 23, 1, 40), tube_side(shin, 34, 23, -1, 40)])
    dark = 1 if side < 0 else -1           # the side away from the light
    light_side = tube_side(shin, 22, 11, -dark, 26) + ' ' + tube_side(thigh, 36, 22, -dark)
    shade_side = tube_side(shin, 26, 13, dark, 30) + ' ' + tube_side(thigh, 42, 26, dark)
    # the boot: the ankle in, the toe turned toward the other foot
    a = X(ankle)
    t = -side                               # the toe points toward the middle
    def B(dx, y):                           # dx > 0 toward the toe
        return f'{fmt(a + t * dx)},{fmt(y)}'
    boot = (f'M {B(-14, 950)} C {B(-15, 985)} {B(-14, 1015)} {B(-13, 1040)} '
            f'C {B(-13, 1052)} {B(-6, 1058)} {B(4, 1058)} C {B(14, 1058)} {B(26, 1058)} {B(30, 1050)} '
            f'C {B(34, 1042)} {B(28, 1030)} {B(18, 1026)} C {B(14, 1020)} {B(14, 1000)} {B(14, 980)} '
            f'L {B(14, 950)} Z')
    sole = (f'M {B(-13, 1048)} C {B(-10, 1056)} {B(-4, 1058)} {B(4, 1058)} C {B(14, 1058)} {B(26, 1058)} {B(30, 1050)} '
            f'L {B(31, 1055)} C {B(27, 1064)} {B(14, 1064)} {B(4, 1064)} C {B(-6, 1064)} {B(-13, 1060)} {B(-14, 1052)} Z')
    fur = (f'M {fmt(a - 17)},952 C {fmt(a - 19)},940 {fmt(a - 10)},934 {fmt(a - 4)},940 C {fmt(a)},932 {fmt(a + 10)},934 '
           f'{fmt(a + 12)},942 C {fmt(a + 20)},940 {fmt(a + 22)},954 {fmt(a + 15)},958 '
           f'C {fmt(a + 8)},964 {fmt(a - 8)},964 {fmt(a - 15)},960 C {fmt(a - 20)},960 {fmt(a - 20)},954 {fmt(a - 17)},952 Z')
    pompoms = (f'<circle cx="{fmt(a + t * 10)}" cy="966" r="4.2" fill="{FUR}" stroke="{LINE}" stroke-width="1.2"/>'
               f'<circle cx="{fmt(a + t * 5)}" cy="971" r="3.6" fill="{FUR}" stroke="{LINE}" stroke-width="1.2"/>')
    return [
        *[path(t_, TIGHTS) for t_ in tubes],
        line(shade_side, 8, TIGHTS_SHADE, 'stroke-linecap="round" opacity="0.9"'),
        line(light_side, 2.5, TIGHTS_LIGHT, 'stroke-linecap="round" opacity="0.8"'),
        line(sides, 2.0, '#151628', 'stroke-linecap="round"'),
        line(f'M {fmt(X(knee) - 7)},754 C {fmt(X(knee) - 2)},758 {fmt(X(knee) + 2)},758 {fmt(X(knee) + 7)},754',
             1.2, '#151628', 'stroke-linecap="round" opacity="0.8"'),
        outlined(boot, BOOT, 2.0, '#3a2216', 'stroke-linejoin="round"'),
        path(f'M {fmt(a - 14)},956 C {fmt(a - 15)},985 {fmt(a - 14)},1015 {fmt(a - 13)},1046 '
             f'L {fmt(a - 5)},1050 C {fmt(a - 6)},1016 {fmt(a - 6)},986 {fmt(a - 5)},956 Z',
             BOOT_SHADE, extra='opacity="0.9"'),
        line(f'M {fmt(a + 8)},966 C {fmt(a + 9)},986 {fmt(a + 9)},1000 {fmt(a + 8)},1014', 2.4, BOOT_LIGHT,
             'stroke-linecap="round"'),
        line(f'M {B(14, 1034)} C {B(20, 1034)} {B(25, 1038)} {B(27, 1043)}', 2.0, BOOT_LIGHT, 'stroke-linecap="round"'),
        outlined(sole, '#4a2e1e', 1.2, '#3a2216'),
        outlined(fur, FUR, 1.6, LINE, 'stroke-linejoin="round"'),
        path(f'M {fmt(a - 15)},958 C {fmt(a - 6)},962 {fmt(a + 6)},962 {fmt(a + 15)},957', 'none', FUR_SHADE, 2.5,
             'stroke-linecap="round"'),
        pompoms,
    ]


def snowman(x, y, s=1.0):
    """A snowman in a uniform cap, saluting with a twig; a sky-blue scarf."""
    parts = [f'<ellipse cx="0" cy="4" rx="58" ry="11" fill="#7c90b8" opacity="0.45"/>',
             f'<circle cx="0" cy="-44" r="50" fill="#f6f9ff" stroke="#5a6f98" stroke-width="2"/>',
             path('M -48,-30 C -40,0 30,4 46,-26 C 40,-6 -30,2 -48,-30 Z', '#c9d6ee'),
             f'<circle cx="0" cy="-122" r="36" fill="#f6f9ff" stroke="#5a6f98" stroke-width="2"/>',
             path('M -34,-112 C -28,-92 24,-90 34,-112 C 28,-98 -26,-96 -34,-112 Z', '#c9d6ee'),
             # a twig arm at the cap in salute, another hanging down
             line('M 30,-100 L 58,-128 L 44,-150 M 52,-136 L 64,-146', 3.5, '#6a4a30', ROUND),
             line('M -34,-60 L -72,-40 M -58,-48 L -66,-62', 3.5, '#6a4a30', ROUND),
             # scarf in her colour
             outlined('M -30,-96 C -10,-86 12,-86 32,-96 L 34,-86 C 12,-76 -10,-76 -32,-86 Z', C.SIGNATURE, 1.6),
             outlined('M 12,-86 L 22,-52 L 8,-50 L 2,-84 Z', C.SIGNATURE, 1.5),
             line('M 8,-62 L 20,-62 M 6,-70 L 18,-70', 1.2, C.SIGNATURE_LIGHT),
             # coal eyes, a carrot nose, a smile of pebbles
             f'<circle cx="-12" cy="-128" r="3.6" fill="#2a2a38"/><circle cx="12" cy="-128" r="3.6" fill="#2a2a38"/>',
             outlined('M -2,-120 L 22,-114 L -2,-112 Z', '#f08a3a', 1.2),
             ''.join(f'<circle cx="{fmt(dx)}" cy="{fmt(dy)}" r="2" fill="#2a2a38"/>'
                     for dx, dy in ((-12, -106), (-5, -102), (3, -101), (11, -104))),
             ''.join(f'<circle cx="0" cy="{fmt(dy)}" r="4" fill="#2a2a38"/>' for dy in (-64, -44, -24)),
             # the cap, a little too big, slipping over one eye
             outlined('M -32,-146 C -32,-172 34,-176 36,-148 Z', '#2b4a7e', 1.8),
             outlined('M -38,-148 L 42,-150 L 36,-140 L -34,-139 Z', '#1a2f56', 1.6),
             f'<circle cx="2" cy="-160" r="4.5" fill="#e8b640" stroke="{LINE}" stroke-width="1"/>']
    return g(parts, extra=f'transform="translate({fmt(x)},{fmt(y)}) scale({fmt(s)})"')


def snowfall(w, h, n, seed, y0=0, big=True, avoid=None):
    r = rng(seed)
    out = []
    for _ in range(n):
        x, y = r() * w, y0 + r() * (h - y0)
        rad = 1.2 + r() * (3.6 if big else 2.0)
        if avoid and avoid[0] < x < avoid[2] and avoid[1] < y < avoid[3]:
            continue
        out.append(f'<circle cx="{fmt(x)}" cy="{fmt(y)}" r="{fmt(rad)}" fill="#ffffff" opacity="{fmt(0.5 + r() * 0.5)}"/>')
    for _ in range(n // 12):
        x, y = r() * w, y0 + r() * (h - y0)
        out.append(snowflake(x, y, 5 + r() * 5, r() * 60))
    return out


def snowflake(x, y, r, rot=0):
    arms = ' '.join(f'M 0,0 L 0,{fmt(-r)} M 0,{fmt(-r * 0.6)} L {fmt(r * 0.28)},{fmt(-r * 0.85)} '
                    f'M 0,{fmt(-r * 0.6)} L {fmt(-r * 0.28)},{fmt(-r * 0.85)}' for _ in range(1))
    return g([g(line(arms, 1.3, WHITE, 'stroke-linecap="round"'), extra=f'transform="rotate({a})"')
              for a in range(0, 360, 60)], extra=f'transform="translate({fmt(x)},{fmt(y)}) rotate({fmt(rot)})" opacity="0.9"')


def star_d(x, y, r_out, r_in, n=5):
    pts = []
    for k in range(n * 2):
        r = r_out if k % 2 == 0 else r_in
        a = math.pi * k / n - math.pi / 2
        pts.append(f'{fmt(x + r * math.cos(a))},{fmt(y + r * math.sin(a))}')
    return 'M ' + ' L '.join(pts) + ' Z'


def pines(w, horizon, seed):
    """A row of snow-laden firs along the far edge of the parade ground."""
    r = rng(seed)
    out = []
    x = -20
    while x < w + 20:
        h = 60 + r() * 70
        wd = h * 0.45
        base = horizon + 4
        tree = (f'M {fmt(x)},{fmt(base - h)} L {fmt(x + wd * 0.5)},{fmt(base - h * 0.55)} L {fmt(x + wd * 0.25)},{fmt(base - h * 0.55)} '
                f'L {fmt(x + wd * 0.7)},{fmt(base - h * 0.15)} L {fmt(x - wd * 0.7)},{fmt(base - h * 0.15)} '
                f'L {fmt(x - wd * 0.25)},{fmt(base - h * 0.55)} L {fmt(x - wd * 0.5)},{fmt(base - h * 0.55)} Z')
        snowcap = (f'M {fmt(x)},{fmt(base - h)} L {fmt(x + wd * 0.3)},{fmt(base - h * 0.73)} '
                   f'Q {fmt(x)},{fmt(base - h * 0.68)} {fmt(x - wd * 0.3)},{fmt(base - h * 0.73)} Z '
                   f'M {fmt(x + wd * 0.25)},{fmt(base - h * 0.55)} L {fmt(x + wd * 0.5)},{fmt(base - h * 0.36)} '
                   f'Q {fmt(x)},{fmt(base - h * 0.3)} {fmt(x - wd * 0.5)},{fmt(base - h * 0.36)} L {fmt(x - wd * 0.25)},{fmt(base - h * 0.55)} Z')
        if not (250 < x < 420):
            out += [path(tree, '#0f2240', '#0a1830', 1), path(snowcap, '#dfe8f8', extra='opacity="0.9"'),
                    line(f'M {fmt(x)},{fmt(base - h * 0.15)} L {fmt(x)},{fmt(base)}', 4, '#2a1e18')]
        x += 40 + r() * 50
    return out


def big_fir(x, base, h):
    """A tall fir in the square, dressed with warm little lights."""
    tiers = 5
    out = [line(f'M {x},{base - 20} L {x},{base}', 10, '#2a1e18')]
    r = rng(91)
    lights = []
    for k in range(tiers):
        t0 = k / tiers
        top = base - h + h * t0 * 0.8
        bottom = base - h + h * (t0 * 0.8 + 0.34)
        wd = h * (0.16 + 0.2 * (k + 1) / tiers)
        tier = (f'M {fmt(x)},{fmt(top)} C {fmt(x + wd * 0.4)},{fmt(top + (bottom - top) * 0.5)} {fmt(x + wd * 0.8)},{fmt(bottom - 10)} '
                f'{fmt(x + wd)},{fmt(bottom)} Q {fmt(x)},{fmt(bottom - 14)} {fmt(x - wd)},{fmt(bottom)} '
                f'C {fmt(x - wd * 0.8)},{fmt(bottom - 10)} {fmt(x - wd * 0.4)},{fmt(top + (bottom - top) * 0.5)} {fmt(x)},{fmt(top)} Z')
        snow = (f'M {fmt(x - wd * 0.96)},{fmt(bottom - 2)} Q {fmt(x)},{fmt(bottom - 16)} {fmt(x + wd * 0.96)},{fmt(bottom - 2)} '
                f'Q {fmt(x)},{fmt(bottom - 8)} {fmt(x - wd * 0.96)},{fmt(bottom - 2)} Z')
        out += [path(tier, '#143052', '#0a1a30', 1.6), path(snow, '#e8f0ff', extra='opacity="0.95"')]
        for j in range(4 + k * 2):
            u = (j + 0.5) / (4 + k * 2)
            lx = x - wd * 0.85 + wd * 1.7 * u
            ly = bottom - 16 - math.sin(math.pi * u) * 4 - r() * 14
            lights.append(f'<circle cx="{fmt(lx)}" cy="{fmt(ly)}" r="6" fill="#ffd27a" opacity="0.25"/>'
                          f'<circle cx="{fmt(lx)}" cy="{fmt(ly)}" r="2.4" fill="#fff1b8"/>')
    out += lights
    out.append(path(star_d(x, base - h - 4, 16, 7), '#ffe38a', '#a87a20', 1.4))
    out.append(f'<circle cx="{x}" cy="{base - h - 4}" r="26" fill="#ffe38a" opacity="0.18"/>')
    return out


def chibi_roller(x, y, s=1.0):
    """A small soldier pushing a snowball bigger than himself."""
    parts = [f'<ellipse cx="40" cy="4" rx="70" ry="10" fill="#6f86b4" opacity="0.45"/>',
             f'<circle cx="58" cy="-46" r="50" fill="#f6f9ff" stroke="#5a6f98" stroke-width="2"/>',
             path('M 12,-30 C 22,0 90,2 104,-30 C 96,-8 28,-6 12,-30 Z', '#c9d6ee'),
             path('M 28,-70 C 34,-80 48,-86 60,-86', 'none', WHITE, 4, 'stroke-linecap="round"'),
             P.chibi_soldier(-12, 2, 0.95, None, cheer=False)]
    # his arms pushing (over the clapping pose)
    parts += [outlined('M -4,-40 C 4,-44 12,-44 18,-42 L 18,-34 C 10,-34 2,-32 -4,-30 Z', '#2b4a7e', 1.5),
              f'<circle cx="19" cy="-38" r="5" fill="#fde6d6" stroke="{LINE}" stroke-width="1.3"/>',
              sweat(-30, -78)]
    return g(parts, extra=f'transform="translate({fmt(x)},{fmt(y)}) scale({fmt(s)})"')


def sweat(x, y):
    from face import sweat_drop
    return sweat_drop(x, y, 0.8)


def lamp_post(defs, x, y_base, h, ident):
    """An iron lamp post with a warm lantern and its pool of light on the snow."""
    top = y_base - h
    return [P.lamp_glow(defs, x, top + 10, 130, 120, ident, '#ffd79a', 0.45),
            f'<ellipse cx="{x}" cy="{y_base}" rx="70" ry="12" fill="#ffe7b0" opacity="0.35"/>',
            line(f'M {x},{y_base} L {x},{top + 24}', 6, '#141a30', 'stroke-linecap="round"'),
            line(f'M {x - 1.5},{y_base} L {x - 1.5},{top + 24}', 1.5, '#4a5580'),
            outlined(f'M {x - 14},{top + 24} L {x + 14},{top + 24} L {x + 10},{top + 4} L {x - 10},{top + 4} Z', '#ffe7a8', 1.6, '#141a30'),
            outlined(f'M {x - 17},{top + 4} L {x + 17},{top + 4} L {x},{top - 10} Z', '#141a30', 1.2, '#141a30'),
            path(f'M {x - 15},{top + 3} L {x + 15},{top + 3} L {x + 9},{top - 2} L {x - 9},{top - 2} Z', '#f2f6ff'),
            f'<circle cx="{x}" cy="{top + 14}" r="5" fill="#fffbe8"/>',
            outlined(f'M {x - 9},{y_base} L {x + 9},{y_base} L {x + 6},{y_base - 14} L {x - 6},{y_base - 14} Z', '#141a30', 1, '#141a30'),
            path(f'M {x - 12},{y_base - 2} C {x - 6},{y_base - 8} {x + 6},{y_base - 8} {x + 12},{y_base - 2} Z', '#f2f6ff')]


def footprints(points):
    """Small boot prints in the snow along the given points."""
    out = []
    for i, (x, y, s) in enumerate(points):
        dx = 7 * s if i % 2 else -7 * s
        out.append(f'<ellipse cx="{fmt(x + dx)}" cy="{fmt(y)}" rx="{fmt(6 * s)}" ry="{fmt(3 * s)}" fill="#7f96c2" opacity="0.8"/>')
        out.append(f'<ellipse cx="{fmt(x + dx)}" cy="{fmt(y - 1.2 * s)}" rx="{fmt(4.5 * s)}" ry="{fmt(1.6 * s)}" fill="#6a80ad" opacity="0.7"/>')
    return out


def page_c():
    defs = {}
    wdt, hgt = 800, 1146
    s = 1.0
    fx, fy = 330 - CX * s, 40
    head = Head(C, defs, dict(eyes='happy', brows='happy', mouth='soft', marks=['blush']))
    figure = [
        head.back(),
        g(leg(-1)), g(leg(1)),
        g(sweater_and_skirt()),
        g(lower_coat(defs)),
        upper_body(defs),
        *head.front(),
        snowflake(150, 96, 6, 10), snowflake(70, 120, 4.5, 30),
    ]
    horizon = 800
    out = P.parade_ground(defs, wdt, hgt, horizon, ('#5a86c8', '#2b4a7e', '#1a2f56', '#0a1226'), snow=True, beams=False)
    out += pines(wdt, horizon, 61)
    out += big_fir(560, horizon + 6, 330)
    out += [lamp_post(defs, 60, 940, 300, 'c1c-lamp1'), lamp_post(defs, 742, 900, 260, 'c1c-lamp2')]
    # the moon behind thin snow clouds, and the star on the headquarters' flag
    out += [f'<circle cx="110" cy="130" r="90" fill="#dfe8ff" opacity="0.1"/>',
            f'<circle cx="110" cy="130" r="34" fill="#eef3ff" opacity="0.9"/>',
            path('M -10,150 C 30,130 80,140 120,130 C 170,118 200,136 230,128 L 230,150 C 180,162 60,166 -10,158 Z',
                 '#9fb4d8', extra='opacity="0.4"'),
            g(path(star_d(0, 0, 26, 11), '#e8b640', LINE, 1.5), extra='transform="translate(740,212) rotate(-6)"')]
    out = [x for item in out for x in (item if isinstance(item, list) else [item])]
    out += footprints([(520 - 130 * (k / 11) ** 1.1 + 30 * math.sin(k / 3), 812 + 250 * (k / 11) ** 1.3,
                        0.5 + 0.8 * k / 11) for k in range(12)])
    out += [chibi_roller(150, 1010, 1.1), text(60, 900, 'よいしょ、よいしょ', 18, '#2b4a7e', weight='bold',
                                                  extra='transform="rotate(-6,60,900)"')]
    out += [f'<ellipse cx="{fmt(fx + CX * s)}" cy="{fmt(fy + 1058 * s)}" rx="{fmt(120 * s)}" ry="{fmt(18 * s)}" '
            f'fill="#6f86b4" opacity="0.45"/>',
            snowman(600, 1050, 1.25),
            place(figure, fx, fy, s),
            *snowfall(wdt, hgt, 170, 41, avoid=(fx + 40, fy + 60, fx + 180, fy + 250)),
            bubble(470, 120, 200, 58, ['初雪……きれい。'], (436, 210), 19, accent=C.SIGNATURE_LIGHT),
            vignette(defs, wdt, hgt, 0.3, 'c1c-vig')]
    return document(wdt, hgt, defs, out, f'{C.NAME}: page C, the full figure in the first snow')


# ---- page A: the briefing room, behind a stack of plans -------------------------

def paper_stack(x, y_bottom, w, seed=5):
    """Folders, binders and papers piled up, a little crooked; x the middle
    of the stack, y_bottom where it stands.  Returns (elements, top y)."""
    r = rng(seed)
    kinds = [('#e8d7a8', '#c8b27a', 12), ('#2b4a7e', '#1a2f56', 16), ('#fffdf6', '#d8d2c4', 6),
             (C.COAT, C.COAT_SHADE, 12), ('#fffdf6', '#d8d2c4', 5), ('#e8d7a8', '#c8b27a', 10),
             ('#7a3a4a', '#5a2434', 14), ('#fffdf6', '#d8d2c4', 7), ('#e8d7a8', '#c8b27a', 12),
             ('#2b4a7e', '#1a2f56', 12), ('#fffdf6', '#d8d2c4', 6), (C.COAT, C.COAT_SHADE, 11),
             ('#e8d7a8', '#c8b27a', 12), ('#fffdf6', '#d8d2c4', 6)]
    out = []
    yy = y_bottom
    for k, (col, edge, th) in enumerate(kinds):
        dx = (r() - 0.5) * 14
        ww = w * (0.92 + r() * 0.1)
        x0 = x - ww / 2 + dx
        out.append(f'<rect x="{fmt(x0)}" y="{fmt(yy - th)}" width="{fmt(ww)}" height="{fmt(th)}" rx="1.5" '
                   f'fill="{col}" stroke="{LINE}" stroke-width="1.4"/>')
        out.append(line(f'M {fmt(x0 + 3)},{fmt(yy - th * 0.35)} L {fmt(x0 + ww - 3)},{fmt(yy - th * 0.35)}', 1.0, edge))
        if th >= 12 and col in ('#2b4a7e', '#7a3a4a'):
            out.append(f'<rect x="{fmt(x0 + ww * 0.4)}" y="{fmt(yy - th + 3)}" width="{fmt(ww * 0.2)}" '
                       f'height="{fmt(th - 6)}" fill="#fffdf6" stroke="{edge}" stroke-width="0.8"/>')
        if col == '#e8d7a8' and r() < 0.7:
            out.append(f'<rect x="{fmt(x0 + ww * (0.15 + 0.6 * r()))}" y="{fmt(yy - th - 5)}" width="9" height="8" '
                       f'fill="{["#ffd86a", "#f7a8b8", "#9fe0c0"][k % 3]}" stroke="{LINE}" stroke-width="0.8"/>')
        yy -= th
    return out, yy


def page_a():
    defs = {}
    wdt, hgt = 800, 600
    s = 1.12
    fx, fy = 430 - CX * s, 50
    nervous = dict(eyes='open', brows='worried', mouth='small', marks=['blush', 'sweat'])
    head = Head(C, defs, nervous)
    figure = [head.back(), g(C.body(defs)), *head.front()]

    stack, top = paper_stack(430, 478, 158, 3)
    # her sleeves come out from behind the stack at its lower corners, and her
    # fingertips curl round its bottom edge
    cuff = ('<g transform="translate({x},{y}) rotate({r})"><ellipse cx="0" cy="0" rx="14" ry="22" fill="%s" '
            'stroke="%s" stroke-width="1.8"/><ellipse cx="{ix}" cy="0" rx="7" ry="16" fill="#2e6a9e"/></g>'
            % (C.COAT_LIGHT, LINE))
    cuffs = [outlined('M 300,420 C 310,400 330,392 356,396 L 362,470 C 340,476 318,470 306,456 Z', 'url(#c1-coat)', 2.0),
             outlined(mirror('M 300,420 C 310,400 330,392 356,396 L 362,470 C 340,476 318,470 306,456 Z', 430),
                      'url(#c1-coat)', 2.0),
             cuff.format(x=352, y=452, r=-10, ix=6), cuff.format(x=508, y=452, r=10, ix=-6)]
    tips = [outlined(f'M {fmt(x)},480 C {fmt(x - 3)},470 {fmt(x + 8)},466 {fmt(x + 10)},478 Z', SKIN, 1.3)
            for x in (356, 366, 494, 504)]
    sleeves = []
    flying = g([f'<rect x="-34" y="-24" width="68" height="48" fill="#fffdf6" stroke="{LINE}" stroke-width="1.4"/>',
                line('M -26,-12 L 24,-12 M -26,-2 L 20,-2 M -26,8 L 22,8', 1.0, '#b9cde0'),
                text(0, -14, '作戦計画', 9, C.SIGNATURE_DARK, 'middle'),
                f'<circle cx="16" cy="12" r="7" fill="none" stroke="#e04a5a" stroke-width="1.4"/>'],
               extra='transform="translate(562,262) rotate(24)"')
    whoosh = line('M 500,300 C 520,290 536,284 548,282 M 506,314 C 526,306 540,302 552,300', 2, WHITE,
                  'stroke-linecap="round" opacity="0.7"')
    out = P.briefing_room(defs, wdt, hgt, seed=13)
    out += [*blue_banner(defs, 470, 40, 120, 230),
            place(figure, fx, fy, s),
            *P.command_table(defs, wdt, hgt, 448),
            f'<ellipse cx="436" cy="482" rx="96" ry="10" fill="#000" opacity="0.3"/>',
            *cuffs, *stack, *tips, flying, whoosh,
            *pencil(480, top + 4),
            text(600, 236, 'あっ……', 18, WHITE, weight='bold', extra='transform="rotate(10,600,236)"')]
    for (x, y, c, k, sc) in [(160, 540, '#4f9a3c', 'tank', 1.2), (230, 575, '#e8c63a', 'cmd', 1.2),
                             (640, 530, C.SIGNATURE, 'tank', 1.2), (690, 570, C.SIGNATURE, 'cmd', 1.25),
                             (590, 585, C.SIGNATURE, 'tank', 1.3)]:
        out += P.unit_piece(x, y, c, sc, k)
    out += [bubble(40, 360, 250, 64, ['きょ、今日は……', 'よろしくお願いします……'], (330, 300), 17,
                   accent=C.SIGNATURE_LIGHT),
            vignette(defs, wdt, hgt, 0.35, 'a1-vig')]
    return document(wdt, hgt, defs, out, f'{C.NAME}: page A, the briefing room')


def pencil(x, y):
    return [g([outlined('M 0,0 L 60,0 L 60,8 L 0,8 Z', '#ffd24a', 1.2),
               outlined('M 60,0 L 72,4 L 60,8 Z', '#f4dcb0', 1.0), path('M 68,2.6 L 72,4 L 68,5.4 Z', LINE),
               outlined('M -8,0 L 0,0 L 0,8 L -8,8 Z', '#f7a8b8', 1.0)],
              extra=f'transform="translate({fmt(x)},{fmt(y)}) rotate(-14)"')]


def blue_banner(defs, x, y, w, h):
    """A hanging banner of the headquarters: sky blue, a brass star."""
    defs['c1-banner'] = lin_grad('c1-banner', [(0, C.SIGNATURE_DARK), (0.25, C.SIGNATURE), (0.75, C.SIGNATURE),
                                               (1, C.SIGNATURE_DARK)], x2=1, y2=0)
    cloth = f'M {x},{y} L {x + w},{y} L {x + w},{y + h} L {x + w / 2},{y + h - 30} L {x},{y + h} Z'
    return [line(f'M {x - 12},{y} L {x + w + 12},{y}', 6, BRASS_DARK, 'stroke-linecap="round"'),
            line(f'M {x - 12},{y - 1} L {x + w + 12},{y - 1}', 2, BRASS_LIGHT, 'stroke-linecap="round"'),
            outlined(cloth, 'url(#c1-banner)', 2, '#0a1a30'),
            path(f'M {x + 8},{y + 6} L {x + w - 8},{y + 6} L {x + w - 8},{y + h - 12} L {x + w / 2},{y + h - 40} '
                 f'L {x + 8},{y + h - 12} Z', 'none', BRASS_LIGHT, 1.6),
            path(star_d(x + w / 2, y + h * 0.4, 30, 12), BRASS_LIGHT, BRASS_DARK, 1.4)]


# ---- page B: cocoa in the canteen ------------------------------------------------

def mug(x, y, s=1.0):
    """A big sky-blue mug of cocoa with a marshmallow; x, y the middle of its rim."""
    def p(dx, dy):
        return f'{fmt(x + dx * s)},{fmt(y + dy * s)}'
    body = f'M {p(-28, 0)} L {p(-25, 58)} C {p(-24, 66)} {p(24, 66)} {p(25, 58)} L {p(28, 0)} Z'
    handle = f'M {p(26, 12)} C {p(46, 10)} {p(48, 44)} {p(24, 44)}'
    return [path(handle, 'none', LINE, 10 * s, 'stroke-linecap="round"'),
            path(handle, 'none', C.COAT, 6.5 * s, 'stroke-linecap="round"'),
            outlined(body, C.COAT, 1.8),
            path(f'M {p(-28, 0)} L {p(-25, 58)} C {p(-24, 64)} {p(-12, 66)} {p(-6, 66)} L {p(-12, 0)} Z', C.COAT_SHADE,
                 extra='opacity="0.8"'),
            snowflake(x + 4 * s, y + 32 * s, 11 * s),
            f'<ellipse cx="{fmt(x)}" cy="{fmt(y)}" rx="{fmt(28 * s)}" ry="{fmt(7 * s)}" fill="#7a4a32" stroke="{LINE}" stroke-width="1.6"/>',
            path(f'M {p(-20, 1)} C {p(-10, -3)} {p(10, -3)} {p(22, 1)}', 'none', '#a0684a', 2 * s, 'stroke-linecap="round"'),
            outlined(f'M {p(-6, -5)} L {p(8, -6)} L {p(10, 2)} L {p(-4, 3)} Z', '#fffaf4', 1.2),
            path(f'M {p(-2, -12)} C {p(-10, -24)} {p(4, -30)} {p(-4, -44)} M {p(12, -10)} C {p(4, -22)} {p(18, -28)} {p(10, -42)}',
                 'none', WHITE, 2.6 * s, 'stroke-linecap="round" opacity="0.6"')]


def cat(x, y, s=1.0):
    """The canteen's ginger cat, stretched over the table edge, one paw on a cookie."""
    fur, shade, stripe = '#f2a65a', '#d4823a', '#b8652a'
    parts = [
        # tail curling up behind
        path('M 70,-6 C 100,-10 110,-40 96,-56', 'none', LINE, 11, 'stroke-linecap="round"'),
        path('M 70,-6 C 100,-10 110,-40 96,-56', 'none', fur, 7.5, 'stroke-linecap="round"'),
        # body lying along the table
        outlined('M -6,-8 C -4,-34 30,-40 60,-32 C 80,-26 86,-8 76,2 C 60,8 20,8 -6,-8 Z', fur, 2.0),
        path('M 20,-36 C 22,-28 22,-20 18,-12 M 36,-38 C 38,-30 38,-22 34,-14 M 52,-36 C 54,-28 52,-20 50,-14',
             'none', stripe, 3, 'stroke-linecap="round"'),
        path('M -4,-6 C 20,6 56,6 76,0 C 60,8 20,8 -6,-8 Z', shade),
        # the paw reaching out
        outlined('M -2,-10 C -20,-8 -36,-6 -46,-2 C -52,0 -50,8 -44,7 C -32,5 -16,2 0,0 Z', fur, 1.8),
        line('M -48,2 L -45,3 M -47,5 L -44,5.5', 1.0, LINE, 'stroke-linecap="round"'),
        # head with ears
        outlined('M -24,-30 C -30,-52 -14,-64 0,-62 C 14,-64 28,-54 24,-32 C 20,-18 -20,-16 -24,-30 Z', fur, 2.0),
        outlined('M -22,-48 L -26,-72 L -8,-60 Z', fur, 1.8), outlined('M 10,-60 L 24,-72 L 22,-48 Z', fur, 1.8),
        path('M -21,-51 L -23,-66 L -12,-58 Z M 12,-58 L 21,-66 L 20,-51 Z', '#ffb8b8'),
        path('M -6,-62 L -4,-54 M 2,-62 L 1,-54', 'none', stripe, 2.4, 'stroke-linecap="round"'),
        # eyes fixed on the cookie, a guilty little mouth
        f'<ellipse cx="-12" cy="-40" rx="3.2" ry="4.2" fill="#3a4a2a"/><ellipse cx="8" cy="-40" rx="3.2" ry="4.2" fill="#3a4a2a"/>',
        f'<circle cx="-13" cy="-41.5" r="1.2" fill="#fff"/><circle cx="7" cy="-41.5" r="1.2" fill="#fff"/>',
        path('M -4,-32 L -1,-30 L 2,-32', 'none', LINE, 1.4, 'stroke-linecap="round" stroke-linejoin="round"'),
        path('M -3,-34 L 1,-34 L -1,-32 Z', '#e97a8a'),
        line('M -16,-32 L -32,-34 M -16,-30 L -31,-28 M 12,-32 L 28,-34 M 12,-30 L 27,-28', 0.9, LINE, 'opacity="0.7"'),
    ]
    return g(parts, extra=f'transform="translate({fmt(x)},{fmt(y)}) scale({fmt(s)})"')


def cookies(x, y, s=1.0):
    """A plate of round cookies, one of them (the cat's) pulled to the edge."""
    out = [f'<ellipse cx="{fmt(x)}" cy="{fmt(y)}" rx="{fmt(70 * s)}" ry="{fmt(18 * s)}" fill="#000" opacity="0.25" transform="translate(3,4)"/>',
           f'<ellipse cx="{fmt(x)}" cy="{fmt(y)}" rx="{fmt(70 * s)}" ry="{fmt(18 * s)}" fill="{WHITE}" stroke="{LINE}" stroke-width="1.6"/>',
           f'<ellipse cx="{fmt(x)}" cy="{fmt(y - 1)}" rx="{fmt(56 * s)}" ry="{fmt(13 * s)}" fill="none" stroke="{C.SIGNATURE_LIGHT}" stroke-width="1.4"/>']
    for dx, dy in ((-30, -4), (-4, -8), (22, -4), (-16, 4), (10, 3), (0, -14)):
        cx, cy = x + dx * s, y + dy * s
        out += [f'<ellipse cx="{fmt(cx)}" cy="{fmt(cy)}" rx="{fmt(15 * s)}" ry="{fmt(7 * s)}" fill="#d9a060" stroke="{LINE}" stroke-width="1.3"/>',
                f'<circle cx="{fmt(cx - 5 * s)}" cy="{fmt(cy - 1 * s)}" r="{fmt(1.8 * s)}" fill="#5a3424"/>',
                f'<circle cx="{fmt(cx + 4 * s)}" cy="{fmt(cy + 1 * s)}" r="{fmt(1.6 * s)}" fill="#5a3424"/>']
    return out


def sleeve_tips(x, y, s=1.0, side=1):
    """Her fingertips peeking from a sleeve, curled round something."""
    return g([outlined('M 0,0 C -2,-7 5,-10 8,-4 C 9,-9 16,-9 16,-2 C 16,4 6,8 0,0 Z', SKIN, 1.3),
              line('M 8,-4 L 8,2', 0.9, '#c98a76', 'stroke-linecap="round"')],
             extra=f'transform="translate({fmt(x)},{fmt(y)}) scale({fmt(s * side)},{fmt(s)})"')


def page_b():
    defs = {}
    wdt, hgt = 800, 600
    s = 1.2
    fx, fy = 400 - CX * s, -4
    blowing = dict(eyes='gentle', brows='worried', mouth=mouth_o(107.5, 218, 4, 3.6), marks=['blush'])
    head = Head(C, defs, blowing)
    # the mug in her sleeves' hands, fingertips wrapped round it
    hold = [*mug(107.5, 304, 0.95),
            sleeve_tips(94, 366, 0.95, 1), sleeve_tips(121, 366, 0.95, -1)]
    figure = [head.back(), g(C.body(defs)), *head.front(), g(hold)]
    out = P.canteen(defs, wdt, hgt)
    out += [place(figure, fx, fy, s)]
    out += P.wood_table(defs, wdt, hgt, 458)
    out += cookies(600, 520, 1.0)
    out += [cat(690, 510, 1.0),
            text(706, 418, '！', 30, '#ffd27a', weight='bold', extra=f'stroke="{LINE}" stroke-width="1.5"'),
            text(518, 340, 'ふー、', 22, WHITE, weight='bold', extra='transform="rotate(-8,518,340)" '
                 f'stroke="{C.SIGNATURE_DARK}" stroke-width="0.8"'),
            text(530, 372, 'ふー……', 22, WHITE, weight='bold', extra='transform="rotate(-8,530,372)" '
                 f'stroke="{C.SIGNATURE_DARK}" stroke-width="0.8"'),
            notebook_small(120, 492),
            *P.unit_piece(290, 528, C.SIGNATURE, 1.1, 'tank'),
            *spoon_on_napkin(410, 540),
            vignette(defs, wdt, hgt, 0.35, 'b1-vig')]
    return document(wdt, hgt, defs, out, f'{C.NAME}: page B, cocoa in the canteen')


def spoon_on_napkin(x, y):
    return [path(f'M {x - 50},{y} L {x + 40},{y - 10} L {x + 60},{y + 24} L {x - 34},{y + 34} Z', '#f4f0f8', LINE, 1.4),
            path(f'M {x - 40},{y + 8} L {x + 42},{y - 1} M {x - 30},{y + 26} L {x + 52},{y + 17}', 'none', C.SIGNATURE_LIGHT, 1.2),
            line(f'M {x - 30},{y + 18} L {x + 30},{y + 8}', 3.5, '#9aa3b8', 'stroke-linecap="round"'),
            f'<ellipse cx="{x + 38}" cy="{y + 7}" rx="11" ry="6" transform="rotate(-10,{x + 38},{y + 7})" fill="#c9ced8" stroke="#5a6070" stroke-width="1.2"/>']


def notebook_small(x, y):
    """Her little tactics notebook on the table, with a cat sticker."""
    return g([f'<path d="M 4,54 L 130,48 L 132,54 L 8,60 Z" fill="#000" opacity="0.25"/>',
              outlined('M 0,0 L 120,-6 L 128,50 L 6,56 Z', C.SIGNATURE_DARK, 1.6),
              outlined('M 6,4 L 116,-1 L 123,46 L 11,51 Z', '#fffdf4', 1.2),
              line('M 18,14 L 104,10 M 19,24 L 106,20 M 20,34 L 108,30', 0.8, '#b9cde0'),
              text(20, 14, 'さくせんメモ', 9, C.SIGNATURE_DARK, extra='transform="rotate(-2.6,20,14)"'),
              text(22, 30, 'みんな無事で…', 8, LINE, extra='transform="rotate(-2.6,22,30)"'),
              f'<circle cx="104" cy="38" r="7" fill="#f2a65a" stroke="{LINE}" stroke-width="1"/>',
              path('M 98,34 L 99,28 L 102,32 Z M 106,32 L 109,28 L 110,34 Z', '#f2a65a', LINE, 0.8)],
             extra=f'transform="translate({fmt(x)},{fmt(y)}) scale(1,0.8) skewX(-8)"')


# ---- page C, second picture: the snow bunny --------------------------------------

def snow_bunny(x, y, s=1.0):
    """A little rabbit of snow on her palms: leaf ears, berry eyes."""
    parts = [f'<ellipse cx="0" cy="8" rx="46" ry="9" fill="#8ea4cc" opacity="0.4"/>',
             outlined('M -44,4 C -46,-26 -20,-40 6,-38 C 32,-36 48,-18 44,4 C 30,12 -30,12 -44,4 Z', '#f8fbff', 2.0, '#5a6f98'),
             path('M -40,2 C -30,10 30,10 42,2 C 40,-8 36,-12 30,-14 C 30,-4 -20,4 -40,-6 Z', '#d6e2f4'),
             P.leaf(-10, -34, -112, 44, 11, P.LEAF_LIGHT), P.leaf(8, -34, -74, 46, 11, P.LEAF),
             f'<circle cx="-16" cy="-18" r="5" fill="#e0344a" stroke="{LINE}" stroke-width="1.2"/>',
             f'<circle cx="10" cy="-20" r="5" fill="#e0344a" stroke="{LINE}" stroke-width="1.2"/>',
             f'<circle cx="-17.5" cy="-19.5" r="1.5" fill="#fff"/><circle cx="8.5" cy="-21.5" r="1.5" fill="#fff"/>',
             path('M -26,-28 C -18,-34 -6,-36 4,-34', 'none', WHITE, 3, 'stroke-linecap="round"')]
    return g(parts, extra=f'transform="translate({fmt(x)},{fmt(y)}) scale({fmt(s)})"')


def page_c2():
    defs = {}
    wdt, hgt = 419, 600
    s = 1.45
    fx, fy = wdt / 2 - CX * s, 30
    giving = dict(eyes='open', brows='happy', mouth='soft', marks=['blush'])
    head = Head(C, defs, giving)
    figure = [head.back(), g(C.body(defs)), *head.front(),
              snow_bunny(107.5, 352, 0.95),
              sleeve_tips(93, 364, 0.95, 1), sleeve_tips(122, 364, 0.95, -1),
              snowflake(150, 86, 6, 12), snowflake(64, 110, 4.5, 40)]
    defs['c1c2-bg'] = rad_grad('c1c2-bg', [(0, '#2b4a7e'), (0.6, '#16264a'), (1, '#0a1430')], cy=0.3, r=0.85)
    r = rng(7)
    bokeh = []
    for i in range(16):
        c = ['#ffd79a', '#8fd0ff', '#dfe8ff'][i % 3]
        bokeh.append(f'<circle cx="{fmt(r() * wdt)}" cy="{fmt(r() * hgt)}" r="{fmt(12 + r() * 30)}" fill="{c}" '
                     f'opacity="{fmt(0.08 + r() * 0.14)}"/>')
    out = [f'<rect width="{wdt}" height="{hgt}" fill="url(#c1c2-bg)"/>', *bokeh,
           place(figure, fx, fy, s),
           *snowfall(wdt, hgt, 70, 77, avoid=(70, 130, 350, 600)),
           bubble(112, 12, 196, 52, ['これ……あなたに。'], (170, 104), 18, accent=C.SIGNATURE_LIGHT),
           vignette(defs, wdt, hgt, 0.4, 'c1c2-vig')]
    return document(wdt, hgt, defs, out, f'{C.NAME}: page C, the second picture')


# ---- page D: farewell on the rampart at sunset -----------------------------------

def charm(x, y, s=1.0):
    """The good-luck charm she sewed: a sky-blue pouch with a star, a knotted
    cord and two tassels blowing in the wind."""
    parts = [path('M -4,-30 C -14,-44 -2,-52 0,-42 C 2,-52 14,-44 4,-30', 'none', C.SIGNATURE_DARK, 2.4,
                  'stroke-linecap="round"'),
             outlined('M -20,-28 L 20,-28 L 22,24 C 10,30 -10,30 -22,24 Z', C.SIGNATURE, 1.8),
             path('M -20,-28 L -6,-28 L -10,26 C -16,26 -20,25 -22,24 Z', C.SIGNATURE_DARK, extra='opacity="0.45"'),
             path('M -16,-22 L 16,-22 M -16,18 C -6,22 6,22 16,18', 'none', '#e8b640', 1.4),
             path(star_d(0, -2, 11, 4.6), '#ffe38a', LINE, 1.0),
             text(0, 14, 'お守り', 6.5, WHITE, 'middle'),
             path('M -6,26 C -10,40 -22,48 -30,52 M 6,26 C 12,38 26,42 36,40', 'none', '#e8b640', 2.2,
                  'stroke-linecap="round"'),
             path('M -30,52 L -36,60 M -30,52 L -28,62 M 36,40 L 44,46 M 36,40 L 40,50', 'none', '#e8b640', 1.6,
                  'stroke-linecap="round"')]
    return g(parts, extra=f'transform="translate({fmt(x)},{fmt(y)}) scale({fmt(s)})"')


def page_d():
    defs = {}
    wdt, hgt = 800, 600
    s = 1.12
    fx, fy = 440 - CX * s, 66
    parting = dict(eyes='happy-tear', brows='worried', mouth='soft', marks=['blush'])
    head = Head(C, defs, parting)
    figure = [head.back(), g(C.body(defs)), *head.front(),
              charm(107.5, 332, 1.05),
              sleeve_tips(94, 364, 0.95, 1), sleeve_tips(121, 364, 0.95, -1)]
    horizon = 470
    out = P.sunset_sky(defs, wdt, hgt, horizon, 170, 'ss1', seed=8)
    # the corner tower on the right with the headquarters' banner
    out += [path('M 650,190 L 770,190 L 770,470 L 650,470 Z', '#2b3050', '#1a1d33', 2),
            path('M 640,170 L 670,170 L 670,190 L 690,190 L 690,170 L 730,170 L 730,190 L 750,190 L 750,170 L 780,170 '
                 'L 780,200 L 640,200 Z', '#3a3f60', '#1a1d33', 2),
            line(' '.join(f'M 650,{y} L 770,{y}' for y in range(222, 470, 26)) + ' ' +
                 ' '.join(f'M {x + (20 if (y // 26) % 2 else 0)},{y} L {x + (20 if (y // 26) % 2 else 0)},{y + 26}'
                          for y in range(196, 470, 26) for x in range(670, 770, 40)), 1.2, '#1a1d33', 'opacity="0.8"'),
            line('M 651,196 L 651,470', 3, '#ffb878', 'opacity="0.6"'),
            line('M 640,171 L 670,171 M 690,171 L 730,171 M 750,171 L 780,171', 2.5, '#ffb878', 'opacity="0.8"'),
            f'<rect x="700" y="250" width="22" height="40" rx="11" fill="#ffd27a" opacity="0.85"/>',
            line('M 711,170 L 711,70', 4, '#1a1d33'),
            path('M 711,74 C 681,66 656,86 621,78 C 606,75 596,80 586,76 L 594,102 L 584,128 '
                 'C 606,132 626,120 656,128 C 681,134 696,122 711,126 Z', C.SIGNATURE, '#0a1a30', 1.8),
            path(star_d(660, 102, 13, 5.4), '#e8b640', LINE, 1.0)]
    out += [g(place(figure, fx, fy, s), extra=P.rim_light(defs, 'd1-rim', dx=4, dy=2))]
    out += P.rampart(defs, wdt, hgt, 470, 'rp1', merlons=[(-40, 60), (170, 320), (560, 700), (770, 900)])
    out += [bubble(30, 60, 250, 86, ['また……', '遊んでくれますか……？'], (330, 250), 19, accent=C.SIGNATURE_LIGHT),
            vignette(defs, wdt, hgt, 0.35, 'd1-vig')]
    return document(wdt, hgt, defs, out, f'{C.NAME}: page D, farewell at sunset')


PAGES = {
    'cg1D.svg': page_d,
    'cg1C-2.svg': page_c2,
    'cg1B.svg': page_b,
    'cg1A.svg': page_a,
    'cg1C.svg': page_c,
}

# the gallery thumbnail of the tall page C: the picture cropped to the
# thumbnail's ratio (A, B and D have the thumbnail's ratio already)
THUMBS = {
    'thumb-1C.svg': ('cg1C.svg', 800, 1146, 69, 98, f'{C.NAME}: page C thumbnail'),
}
