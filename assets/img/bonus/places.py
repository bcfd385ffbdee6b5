"""The places of the bonus pictures, all in the command-room world: navy and
slate, brass trim, warm lamps.  Each function returns SVG elements for a
picture of the given size and adds its gradients to `defs`.
"""
import math
from bonus_kit import (NAVY_DEEP, NAVY, SLATE, BRASS, BRASS_LIGHT, BRASS_DARK, LINE, WHITE,
                       fmt, path, outlined, line, g, lin_grad, rad_grad, stars, sparkle, rng, text)

WOOD = '#5a3724'
WOOD_DARK = '#3a2216'
WOOD_LIGHT = '#7a4e33'
MAP_GREEN = '#6f9a52'
MAP_GREEN_DARK = '#557d3d'
MAP_SAND = '#c9b68a'
MAP_SAND_DARK = '#a8956a'


def lamp_glow(defs, x, y, rx, ry, ident, colour='#ffd79a', strength=0.42):
    defs[ident] = rad_grad(ident, [(0, colour, strength), (0.5, colour, strength * 0.35), (1, colour, 0)])
    return f'<ellipse cx="{fmt(x)}" cy="{fmt(y)}" rx="{fmt(rx)}" ry="{fmt(ry)}" fill="url(#{ident})"/>'


def pendant_lamp(x, y_cord_end, w=70):
    """A brass pendant lamp with a warm bulb, hanging from the ceiling."""
    h = w * 0.42
    shade = (f'M {fmt(x - w * 0.18)},{fmt(y_cord_end)} L {fmt(x + w * 0.18)},{fmt(y_cord_end)} '
             f'C {fmt(x + w * 0.3)},{fmt(y_cord_end + h * 0.4)} {fmt(x + w * 0.5)},{fmt(y_cord_end + h * 0.7)} '
             f'{fmt(x + w * 0.5)},{fmt(y_cord_end + h)} L {fmt(x - w * 0.5)},{fmt(y_cord_end + h)} '
             f'C {fmt(x - w * 0.5)},{fmt(y_cord_end + h * 0.7)} {fmt(x - w * 0.3)},{fmt(y_cord_end + h * 0.4)} '
             f'{fmt(x - w * 0.18)},{fmt(y_cord_end)} Z')
    return [
        line(f'M {fmt(x)},0 L {fmt(x)},{fmt(y_cord_end)}', 2.2, '#0a1226'),
        f'<ellipse cx="{fmt(x)}" cy="{fmt(y_cord_end + h)}" rx="{fmt(w * 0.36)}" ry="{fmt(w * 0.09)}" fill="#fff1c8"/>',
        outlined(shade, BRASS_DARK, 1.6, '#2a1e10'),
        path(f'M {fmt(x + w * 0.08)},{fmt(y_cord_end + 3)} C {fmt(x + w * 0.25)},{fmt(y_cord_end + h * 0.4)} '
             f'{fmt(x + w * 0.4)},{fmt(y_cord_end + h * 0.7)} {fmt(x + w * 0.42)},{fmt(y_cord_end + h - 2)}',
             'none', BRASS_LIGHT, 2.2, 'stroke-linecap="round" opacity="0.8"'),
        line(f'M {fmt(x - w * 0.5)},{fmt(y_cord_end + h)} L {fmt(x + w * 0.5)},{fmt(y_cord_end + h)}', 2.4, BRASS),
    ]


def panel_wall(defs, w, h, top='#1d3262', mid=NAVY, bottom=NAVY_DEEP, ident='wall', seams=160, rail=None):
    """A wall of navy panels with thin brass trim."""
    defs[ident] = lin_grad(ident, [(0, top), (0.6, mid), (1, bottom)])
    out = [f'<rect width="{w}" height="{h}" fill="url(#{ident})"/>']
    seam = ' '.join(f'M {x},0 L {x},{h}' for x in range(seams // 2, w, seams))
    out.append(path(seam, 'none', '#0a1428', 3))
    out.append(path(' '.join(f'M {x + 2},0 L {x + 2},{h}' for x in range(seams // 2, w, seams)),
                    'none', '#3a5288', 1, 'opacity="0.5"'))
    out.append(f'<rect x="0" y="0" width="{w}" height="34" fill="#0a1226"/>')
    out.append(line(f'M 0,34 L {w},34', 2.5, BRASS))
    out.append(line(f'M 0,39 L {w},39', 1, BRASS_DARK))
    if rail:
        out.append(f'<rect x="0" y="{rail}" width="{w}" height="{h - rail}" fill="#0c1731" opacity="0.8"/>')
        out.append(line(f'M 0,{rail} L {w},{rail}', 3, BRASS))
        out.append(line(f'M 0,{rail + 5} L {w},{rail + 5}', 1, BRASS_DARK))
    return out


def tactical_screen(defs, x, y, w, h, ident='screen'):
    """A wall screen showing the two maps of the battle with a few markers."""
    defs[ident] = lin_grad(ident, [(0, '#0e2f3e'), (1, '#081a26')])
    defs[ident + '-glow'] = rad_grad(ident + '-glow', [(0, '#7fe0ff', 0.25), (1, '#7fe0ff', 0)])
    pad = 12
    mw = w - 2 * pad
    mh = (h - 3 * pad - 14) / 2
    cols, rows = 19, 9
    cw, rh = mw / cols, mh / rows
    out = [
        f'<rect x="{fmt(x - 8)}" y="{fmt(y - 8)}" width="{fmt(w + 16)}" height="{fmt(h + 16)}" rx="4" '
        f'fill="#0a1226" stroke="{BRASS}" stroke-width="2.5"/>',
        f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}" fill="url(#{ident})" '
        f'stroke="{BRASS_DARK}" stroke-width="1"/>',
    ]
    for k, (col, dark) in enumerate([(MAP_SAND, MAP_SAND_DARK), (MAP_GREEN, MAP_GREEN_DARK)]):
        my = y + pad + 14 + k * (mh + pad)
        out.append(f'<rect x="{fmt(x + pad)}" y="{fmt(my)}" width="{fmt(mw)}" height="{fmt(mh)}" '
                   f'fill="{col}" opacity="0.55"/>')
        # a few features: dunes on the computer's map, a road on the player's
        if k == 0:
            out.append(path(f'M {fmt(x + pad)},{fmt(my + mh * 0.7)} C {fmt(x + pad + mw * 0.3)},{fmt(my + mh * 0.4)} '
                            f'{fmt(x + pad + mw * 0.6)},{fmt(my + mh * 0.9)} {fmt(x + pad + mw)},{fmt(my + mh * 0.5)}',
                            'none', dark, 3, 'opacity="0.7"'))
        else:
            out.append(path(f'M {fmt(x + pad)},{fmt(my + mh * 0.55)} L {fmt(x + pad + mw)},{fmt(my + mh * 0.45)}',
                            'none', '#c9b68a', 2.5, 'opacity="0.7"'))
        grid = ' '.join([f'M {fmt(x + pad + i * cw)},{fmt(my)} L {fmt(x + pad + i * cw)},{fmt(my + mh)}'
                         for i in range(cols + 1)] +
                        [f'M {fmt(x + pad)},{fmt(my + j * rh)} L {fmt(x + pad + mw)},{fmt(my + j * rh)}'
                         for j in range(rows + 1)])
        out.append(path(grid, 'none', '#bff4ff', 0.6, 'opacity="0.55"'))
        marks = [(3, 2), (7, 5), (12, 1), (15, 6), (9, 7)] if k == 0 else [(4, 4), (10, 2), (16, 5)]
        for i, (c, r) in enumerate(marks):
            cx, cy = x + pad + (c + 0.5) * cw, my + (r + 0.5) * rh
            s = min(cw, rh) * 0.32
            if (i + k) % 2 == 0:
                out.append(line(f'M {fmt(cx - s)},{fmt(cy - s)} L {fmt(cx + s)},{fmt(cy + s)} '
                                f'M {fmt(cx + s)},{fmt(cy - s)} L {fmt(cx - s)},{fmt(cy + s)}', 1.4, WHITE,
                                'stroke-linecap="round"'))
            else:
                out.append(path(f'M {fmt(cx)},{fmt(cy - s)} L {fmt(cx + s)},{fmt(cy + s * 0.8)} '
                                f'L {fmt(cx - s)},{fmt(cy + s * 0.8)} Z', '#ff6f8a'))
    out.append(text(x + pad, y + pad + 9, 'TACTICAL MAP  19 × 9', 9, '#9fe6ff', extra='letter-spacing="1"'))
    out.append(f'<circle cx="{fmt(x + w - pad - 4)}" cy="{fmt(y + pad + 5)}" r="3" fill="#ff5a6a"/>')
    # scan line sheen over the glass
    out.append(path(f'M {fmt(x)},{fmt(y)} L {fmt(x + w * 0.45)},{fmt(y)} L {fmt(x + w * 0.2)},{fmt(y + h)} '
                    f'L {fmt(x)},{fmt(y + h)} Z', WHITE, extra='opacity="0.05"'))
    out.append(f'<ellipse cx="{fmt(x + w / 2)}" cy="{fmt(y + h / 2)}" rx="{fmt(w * 0.75)}" ry="{fmt(h * 0.8)}" '
               f'fill="url(#{ident}-glow)"/>')
    return out


def night_window(defs, x, y, w, h, ident='win', moon=True, seed=7):
    """A tall arched window onto a starry night over dark hills."""
    defs[ident + '-sky'] = lin_grad(ident + '-sky', [(0, '#0a1838'), (0.7, '#1f3a6e'), (1, '#3c5c94')])
    defs[ident + '-clip'] = (f'<clipPath id="{ident}-clip"><path d="M {fmt(x)},{fmt(y + h)} L {fmt(x)},{fmt(y + w / 2)} '
                             f'A {fmt(w / 2)},{fmt(w / 2)} 0 0 1 {fmt(x + w)},{fmt(y + w / 2)} '
                             f'L {fmt(x + w)},{fmt(y + h)} Z"/></clipPath>')
    outline = (f'M {fmt(x)},{fmt(y + h)} L {fmt(x)},{fmt(y + w / 2)} '
               f'A {fmt(w / 2)},{fmt(w / 2)} 0 0 1 {fmt(x + w)},{fmt(y + w / 2)} L {fmt(x + w)},{fmt(y + h)} Z')
    inner = [f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}" fill="url(#{ident}-sky)"/>']
    inner += [g(stars(w, h * 0.7, 40, seed), extra=f'transform="translate({fmt(x)},{fmt(y)})"')]
    if moon:
        mx, my = x + w * 0.7, y + h * 0.22
        inner += [f'<circle cx="{fmt(mx)}" cy="{fmt(my)}" r="{fmt(w * 0.2)}" fill="#fff4c8" opacity="0.15"/>',
                  f'<circle cx="{fmt(mx)}" cy="{fmt(my)}" r="{fmt(w * 0.11)}" fill="#fff4c8"/>',
                  f'<circle cx="{fmt(mx + w * 0.045)}" cy="{fmt(my - w * 0.03)}" r="{fmt(w * 0.1)}" fill="url(#{ident}-sky)"/>']
    hills = (f'M {fmt(x)},{fmt(y + h * 0.82)} C {fmt(x + w * 0.3)},{fmt(y + h * 0.74)} {fmt(x + w * 0.5)},{fmt(y + h * 0.8)} '
             f'{fmt(x + w * 0.7)},{fmt(y + h * 0.76)} C {fmt(x + w * 0.85)},{fmt(y + h * 0.73)} {fmt(x + w)},{fmt(y + h * 0.78)} '
             f'{fmt(x + w)},{fmt(y + h * 0.8)} L {fmt(x + w)},{fmt(y + h)} L {fmt(x)},{fmt(y + h)} Z')
    inner += [path(hills, '#0b1730')]
    # lights of a distant base on the hills
    r = rng(seed + 3)
    for _ in range(9):
        lx = x + w * (0.1 + 0.8 * r())
        ly = y + h * (0.83 + 0.1 * r())
        inner.append(f'<circle cx="{fmt(lx)}" cy="{fmt(ly)}" r="1.3" fill="#ffd27a" opacity="0.8"/>')
    bars = (f'M {fmt(x + w / 2)},{fmt(y)} L {fmt(x + w / 2)},{fmt(y + h)} '
            f'M {fmt(x)},{fmt(y + h * 0.5)} L {fmt(x + w)},{fmt(y + h * 0.5)}')
    return [
        g(inner, extra=f'clip-path="url(#{ident}-clip)"'),
        path(bars, 'none', '#0a1226', 5),
        path(bars, 'none', BRASS_DARK, 1.5),
        path(outline, 'none', '#0a1226', 9),
        path(outline, 'none', BRASS, 2.5),
        f'<rect x="{fmt(x - 12)}" y="{fmt(y + h)}" width="{fmt(w + 24)}" height="9" fill="{BRASS_DARK}" '
        f'stroke="#2a1e10" stroke-width="1"/>',
    ]


def command_table(defs, w, h, top, back_inset=70, ident='table', pieces=(), seed=3):
    """The command table in the foreground: a dark wood top seen from above
    at a slant with the map sheet on it; its back edge at y = `top`."""
    defs[ident] = lin_grad(ident, [(0, WOOD_LIGHT), (1, WOOD)])
    defs[ident + '-map'] = lin_grad(ident + '-map', [(0, '#e9dcb8'), (1, '#d8c79c')])
    x0, x1 = back_inset, w - back_inset
    slab = f'M {x0},{top} L {x1},{top} L {w + 60},{h} L -60,{h} Z'
    mx0, mx1 = x0 + 80, x1 - 80
    my0 = top + 14
    sheet = f'M {mx0},{my0} L {mx1},{my0} L {mx1 + 70},{h + 10} L {mx0 - 70},{h + 10} Z'
    out = [
        outlined(slab, f'url(#{ident})', 2, '#1c100a'),
        # brass inlay along the back edge
        line(f'M {x0 + 6},{top + 5} L {x1 - 6},{top + 5}', 2, BRASS),
        path(sheet, f'url(#{ident}-map)', '#8a7550', 1.2),
    ]
    # the map sheet: a green half and a sand half with a grid in perspective
    def lerp(a, b, t):
        return a + (b - a) * t
    rows = 7
    for j in range(rows + 1):
        t = j / rows
        yy = lerp(my0 + 8, h + 10, t)
        xa, xb = lerp(mx0 + 8, mx0 - 70, t), lerp(mx1 - 8, mx1 + 70, t)
        out.append(line(f'M {fmt(xa)},{fmt(yy)} L {fmt(xb)},{fmt(yy)}', 0.8, '#8a7550', 'opacity="0.6"'))
    cols = 12
    for i in range(cols + 1):
        t = i / cols
        xa = lerp(mx0 + 8, mx1 - 8, t)
        xb = lerp(mx0 - 70, mx1 + 70, t)
        out.append(line(f'M {fmt(xa)},{fmt(my0 + 8)} L {fmt(xb)},{fmt(h + 10)}', 0.8, '#8a7550', 'opacity="0.6"'))
    mid = (mx0 + mx1) / 2
    out.insert(3, path(f'M {mx0 + 8},{my0 + 8} L {fmt(mid)},{my0 + 8} L {fmt(mid)},{h + 10} L {mx0 - 62},{h + 10} Z',
                       MAP_GREEN, extra='opacity="0.45"'))
    out.insert(4, path(f'M {fmt(mid)},{my0 + 8} L {mx1 - 8},{my0 + 8} L {mx1 + 62},{h + 10} L {fmt(mid)},{h + 10} Z',
                       '#9fb4c8', extra='opacity="0.35"'))
    # the front edge shadow
    out.append(path(f'M -60,{h - 6} L {w + 60},{h - 6} L {w + 60},{h} L -60,{h} Z', '#000', extra='opacity="0.25"'))
    return out


def unit_piece(x, y, colour, s=1.0, kind='tank'):
    """A small wooden game piece on the map: a tank or a command vehicle."""
    if kind == 'tank':
        body = (f'M {fmt(x - 12 * s)},{fmt(y)} L {fmt(x + 12 * s)},{fmt(y)} L {fmt(x + 10 * s)},{fmt(y - 7 * s)} '
                f'L {fmt(x - 10 * s)},{fmt(y - 7 * s)} Z')
        turret = (f'M {fmt(x - 6 * s)},{fmt(y - 7 * s)} C {fmt(x - 6 * s)},{fmt(y - 13 * s)} {fmt(x + 6 * s)},{fmt(y - 13 * s)} '
                  f'{fmt(x + 6 * s)},{fmt(y - 7 * s)} Z')
        gun = f'M {fmt(x + 4 * s)},{fmt(y - 10 * s)} L {fmt(x + 16 * s)},{fmt(y - 12 * s)}'
        return [f'<ellipse cx="{fmt(x + 2 * s)}" cy="{fmt(y + 2 * s)}" rx="{fmt(14 * s)}" ry="{fmt(4 * s)}" fill="#000" opacity="0.3"/>',
                line(gun, 3 * s, LINE, 'stroke-linecap="round"'),
                line(gun, 1.6 * s, colour, 'stroke-linecap="round"'),
                outlined(body, colour, 1.2), outlined(turret, colour, 1.2)]
    box = (f'M {fmt(x - 11 * s)},{fmt(y)} L {fmt(x + 11 * s)},{fmt(y)} L {fmt(x + 11 * s)},{fmt(y - 9 * s)} '
           f'L {fmt(x + 4 * s)},{fmt(y - 9 * s)} L {fmt(x + 2 * s)},{fmt(y - 15 * s)} L {fmt(x - 11 * s)},{fmt(y - 15 * s)} Z')
    return [f'<ellipse cx="{fmt(x + 2 * s)}" cy="{fmt(y + 2 * s)}" rx="{fmt(13 * s)}" ry="{fmt(4 * s)}" fill="#000" opacity="0.3"/>',
            outlined(box, colour, 1.2),
            line(f'M {fmt(x - 6 * s)},{fmt(y - 15 * s)} L {fmt(x - 6 * s)},{fmt(y - 22 * s)}', 1.2, LINE),
            f'<path d="M {fmt(x - 6 * s)},{fmt(y - 22 * s)} L {fmt(x + 1 * s)},{fmt(y - 20 * s)} L {fmt(x - 6 * s)},{fmt(y - 18 * s)} Z" fill="#ff5a6a"/>']


def briefing_room(defs, w=800, h=600, seed=7):
    """The briefing room at night: panel wall, the tactical wall screen on the
    left, an arched window on the right, two pendant lamps."""
    out = panel_wall(defs, w, h, rail=410)
    out += tactical_screen(defs, 36, 96, 270, 230)
    out += night_window(defs, 600, 70, 170, 320, 'br-win', seed=seed)
    # a wall clock between screen and figure, and a small brass plaque
    out += [f'<circle cx="345" cy="92" r="22" fill="#f4ecd8" stroke="{BRASS}" stroke-width="3"/>',
            line('M 345,92 L 345,77 M 345,92 L 356,97', 2, LINE, 'stroke-linecap="round"'),
            f'<circle cx="345" cy="92" r="2" fill="{LINE}"/>']
    for x in (170, 690):
        out.append(lamp_glow(defs, x, 120, 230, 190, f'br-glow-{x}'))
    for x in (170, 690):
        out += pendant_lamp(x, 46, 74)
    return out


LEAF = '#3f7a4a'
LEAF_DARK = '#2a5535'
LEAF_LIGHT = '#6aa866'


def leaf(x, y, ang, length, width, fill=LEAF, vein=LEAF_DARK):
    """A pointed leaf from its stalk end at x, y."""
    d = (f'M 0,0 C {fmt(length * 0.3)},{fmt(-width)} {fmt(length * 0.75)},{fmt(-width * 0.8)} {fmt(length)},0 '
         f'C {fmt(length * 0.75)},{fmt(width * 0.8)} {fmt(length * 0.3)},{fmt(width)} 0,0 Z')
    return g([outlined(d, fill, 1.2, '#1c3a24'),
              line(f'M 2,0 L {fmt(length * 0.85)},0', 1.0, vein, 'opacity="0.8"')],
             extra=f'transform="translate({fmt(x)},{fmt(y)}) rotate({fmt(ang)})"')


def palm_plant(x, y, s=1.0):
    """A potted palm: brass pot, arching fronds."""
    out = []
    fronds = [(-150, 120), (-125, 140), (-100, 130), (-70, 120), (-40, 135), (-20, 110), (-160, 90)]
    for ang, ln in fronds:
        a = math.radians(ang)
        ex, ey = x + math.cos(a) * ln * s, y - 60 * s + math.sin(a) * ln * s
        out.append(path(f'M {fmt(x)},{fmt(y - 60 * s)} Q {fmt((x + ex) / 2)},{fmt(min(y - 60 * s, ey) - 40 * s)} '
                        f'{fmt(ex)},{fmt(ey)}', 'none', LEAF_DARK, 2.5 * s))
        for k in range(1, 9):
            t = k / 9
            px_ = x + (ex - x) * t
            py_ = (y - 60 * s) + (ey - (y - 60 * s)) * t - math.sin(math.pi * t) * 30 * s
            for sgn in (-1, 1):
                out.append(leaf(px_, py_, ang + 90 * sgn * 0.6 + 40, 34 * s * (1 - t * 0.5), 5 * s,
                                LEAF if sgn > 0 else LEAF_LIGHT))
    pot = (f'M {fmt(x - 40 * s)},{fmt(y - 60 * s)} L {fmt(x + 40 * s)},{fmt(y - 60 * s)} '
           f'L {fmt(x + 30 * s)},{fmt(y)} L {fmt(x - 30 * s)},{fmt(y)} Z')
    out += [outlined(pot, BRASS_DARK, 1.8, '#2a1e10'),
            path(f'M {fmt(x + 10 * s)},{fmt(y - 58 * s)} L {fmt(x + 36 * s)},{fmt(y - 58 * s)} L {fmt(x + 28 * s)},{fmt(y - 2 * s)} '
                 f'L {fmt(x + 16 * s)},{fmt(y - 2 * s)} Z', BRASS, extra='opacity="0.7"'),
            line(f'M {fmt(x - 42 * s)},{fmt(y - 60 * s)} L {fmt(x + 42 * s)},{fmt(y - 60 * s)}', 4 * s, BRASS_LIGHT)]
    return out


def rose(x, y, r, colour, dark, light):
    """A rose seen from above: a spiral of petals."""
    return [f'<circle cx="{fmt(x)}" cy="{fmt(y)}" r="{fmt(r)}" fill="{colour}" stroke="{dark}" stroke-width="1.2"/>',
            path(f'M {fmt(x - r * 0.6)},{fmt(y + r * 0.1)} C {fmt(x - r * 0.5)},{fmt(y - r * 0.7)} {fmt(x + r * 0.6)},{fmt(y - r * 0.7)} '
                 f'{fmt(x + r * 0.6)},{fmt(y)} C {fmt(x + r * 0.6)},{fmt(y + r * 0.5)} {fmt(x - r * 0.2)},{fmt(y + r * 0.6)} '
                 f'{fmt(x - r * 0.25)},{fmt(y + r * 0.05)} C {fmt(x - r * 0.25)},{fmt(y - r * 0.3)} {fmt(x + r * 0.25)},{fmt(y - r * 0.3)} '
                 f'{fmt(x + r * 0.2)},{fmt(y + r * 0.05)}', 'none', dark, 1.2, 'stroke-linecap="round"'),
            path(f'M {fmt(x - r * 0.7)},{fmt(y - r * 0.3)} C {fmt(x - r * 0.4)},{fmt(y - r * 0.85)} {fmt(x + r * 0.2)},{fmt(y - r * 0.9)} '
                 f'{fmt(x + r * 0.5)},{fmt(y - r * 0.7)}', 'none', light, 1.4, 'stroke-linecap="round" opacity="0.8"')]


def rose_bush(x, y, w, h, colour, dark, light, seed=5):
    """A trimmed rose bush in a planter: a bumpy mass of leaves with roses."""
    r = rng(seed)
    # a lumpy outline: a row of overlapping rounded bumps along the top
    n = 7
    d = f'M {fmt(x)},{fmt(y)} L {fmt(x)},{fmt(y - h * 0.55)}'
    for k in range(n):
        x0 = x + w * k / n
        x1 = x + w * (k + 1) / n
        top = y - h * (0.78 + 0.22 * math.sin(math.pi * (k + 0.5) / n)) - r() * 10
        d += f' C {fmt(x0)},{fmt(top - 6)} {fmt(x1)},{fmt(top - 6)} {fmt(x1)},{fmt(top + 12)}'
    d += f' L {fmt(x + w)},{fmt(y)} Z'
    out = [path(d, LEAF_DARK, '#1c3a24', 1.6)]
    for _ in range(40):
        out.append(leaf(x + w * (0.05 + 0.9 * r()), y - h * (0.08 + 0.78 * r()), r() * 360, 16, 6,
                        LEAF if r() < 0.6 else LEAF_LIGHT))
    for _ in range(9):
        out += rose(x + w * (0.12 + 0.76 * r()), y - h * (0.2 + 0.62 * r()), 8 + r() * 4, colour, dark, light)
    # the planter
    out += [outlined(f'M {fmt(x - 8)},{fmt(y - 4)} L {fmt(x + w + 8)},{fmt(y - 4)} L {fmt(x + w)},{fmt(y + 40)} '
                     f'L {fmt(x)},{fmt(y + 40)} Z', BRASS_DARK, 1.8, '#2a1e10'),
            line(f'M {fmt(x - 8)},{fmt(y - 3)} L {fmt(x + w + 8)},{fmt(y - 3)}', 3.5, BRASS_LIGHT),
            line(f'M {fmt(x + w * 0.6)},{fmt(y + 2)} L {fmt(x + w * 0.56)},{fmt(y + 38)}', 10, BRASS, 'opacity="0.45"')]
    return out


def ivy(x0, x1, y, seed=3, droop=26):
    """Ivy trailing along a beam, its strands hanging down here and there."""
    r = rng(seed)
    out = [path(f'M {x0},{y} ' + ' '.join(f'Q {fmt(x + 20)},{fmt(y + 12)} {fmt(x + 40)},{y}'
                                           for x in range(x0, x1, 40)), 'none', LEAF_DARK, 2)]
    for x in range(x0, x1, 14):
        yy = y + 4 + r() * 6
        out.append(leaf(x, yy, 60 + r() * 60, 13, 5.5, LEAF if r() < 0.5 else LEAF_LIGHT))
    for k in range(int((x1 - x0) / 90)):
        hx = x0 + 40 + k * 90 + r() * 30
        hl = droop + r() * droop * 1.5
        out.append(path(f'M {fmt(hx)},{y} C {fmt(hx + 6)},{fmt(y + hl * 0.4)} {fmt(hx - 6)},{fmt(y + hl * 0.7)} '
                        f'{fmt(hx)},{fmt(y + hl)}', 'none', LEAF_DARK, 1.5))
        for t in (0.3, 0.55, 0.8, 1.0):
            out.append(leaf(hx, y + hl * t, 70 + (t * 200) % 60, 12, 5, LEAF_LIGHT if t > 0.5 else LEAF))
    return out


def conservatory(defs, w=800, h=600, seed=9):
    """The glass conservatory on the headquarters' roof at night: brass
    frames, stars beyond the panes, palms and roses, a warm lamp."""
    defs['cs-sky'] = lin_grad('cs-sky', [(0, '#0a1838'), (0.6, '#1d3566'), (1, '#2f4a80')])
    out = [f'<rect width="{w}" height="{h}" fill="url(#cs-sky)"/>']
    out += stars(w, h * 0.6, 90, seed)
    # the moon through the glass
    out += [f'<circle cx="655" cy="110" r="50" fill="#fff4c8" opacity="0.12"/>',
            f'<circle cx="655" cy="110" r="26" fill="#fff4c8"/>',
            f'<circle cx="666" cy="102" r="23" fill="#16305e"/>']
    # distant treetops of the garden below the roof
    out.append(path(f'M 0,380 C 60,350 120,372 180,352 C 240,334 300,362 360,350 C 430,336 500,366 560,350 '
                    f'C 630,332 700,360 {w},344 L {w},{h} L 0,{h} Z', '#0d1d3a'))
    # glass panes: brass mullions with arched tops and a low brass sill
    frame = []
    for i, x in enumerate(range(0, w + 1, 100)):
        frame.append(f'M {x},70 L {x},{h}')
    arches = ' '.join(f'M {x},130 C {x},92 {x + 50},70 {x + 50},70 C {x + 50},70 {x + 100},92 {x + 100},130'
                      for x in range(0, w, 100))
    out += [path(' '.join(frame), 'none', '#0a1226', 7), path(arches, 'none', '#0a1226', 6),
            path(' '.join(frame), 'none', BRASS_DARK, 2.2), path(arches, 'none', BRASS, 1.8),
            line(f'M 0,250 L {w},250', 4, '#0a1226'), line(f'M 0,250 L {w},250', 1.4, BRASS_DARK),
            # the glass roof seen from below: brass ribs running up to the ridge
            f'<rect x="0" y="0" width="{w}" height="70" fill="#0d1a38"/>',
            *stars(w, 66, 24, seed + 5),
            path(' '.join(f'M {x},70 L {fmt(w / 2 + (x - w / 2) * 0.55)},0' for x in range(-100, w + 101, 100)),
                 'none', '#0a1226', 5),
            path(' '.join(f'M {x},70 L {fmt(w / 2 + (x - w / 2) * 0.55)},0' for x in range(-100, w + 101, 100)),
                 'none', BRASS_DARK, 1.6),
            line(f'M 0,30 L {w},30', 3, '#0a1226'), line(f'M 0,30 L {w},30', 1.2, BRASS_DARK),
            line(f'M 0,70 L {w},70', 3, BRASS),
            # sheen on the glass
            path('M 120,70 L 190,70 L 60,600 L -10,600 Z', WHITE, extra='opacity="0.035"'),
            path('M 560,70 L 600,70 L 500,600 L 460,600 Z', WHITE, extra='opacity="0.035"'),
            f'<rect x="0" y="400" width="{w}" height="{h - 400}" fill="#0c1731"/>',
            line(f'M 0,400 L {w},400', 3, BRASS), line(f'M 0,405 L {w},405', 1, BRASS_DARK)]
    # a hanging lantern and its glow
    out.append(lamp_glow(defs, 400, 140, 380, 260, 'cs-glow', '#ffd79a', 0.38))
    out += ivy(-10, w + 10, 64, seed)
    out += lantern(240, 70, 120) + lantern(584, 70, 96)
    return out


def lantern(x, y0, y1):
    """A brass lantern hanging on a chain."""
    return [line(f'M {x},{y0} L {x},{y1 - 30}', 2, '#0a1226'),
            outlined(f'M {x - 14},{y1 - 30} L {x + 14},{y1 - 30} L {x + 18},{y1 - 20} L {x - 18},{y1 - 20} Z', BRASS_DARK, 1.4, '#2a1e10'),
            f'<rect x="{x - 13}" y="{y1 - 20}" width="26" height="30" fill="#ffe7a8" stroke="#2a1e10" stroke-width="1.4"/>',
            line(f'M {x},{y1 - 20} L {x},{y1 + 10} M {x - 13},{y1 - 5} L {x + 13},{y1 - 5}', 1.2, BRASS_DARK),
            outlined(f'M {x - 16},{y1 + 10} L {x + 16},{y1 + 10} L {x + 8},{y1 + 18} L {x - 8},{y1 + 18} Z', BRASS_DARK, 1.4, '#2a1e10'),
            f'<circle cx="{x}" cy="{y1 - 5}" r="6" fill="#fff8dc"/>']


def rim_light(defs, ident, colour='#ffb070', dx=-4, dy=2, tint=0.1):
    """A filter that lights the right-hand edges of a figure from behind and
    warms it a little (for the sunset pictures)."""
    defs[ident] = (f'<filter id="{ident}" x="-5%" y="-5%" width="110%" height="110%" color-interpolation-filters="sRGB">'
                   f'<feOffset in="SourceAlpha" dx="{dx}" dy="{dy}" result="off"/>'
                   f'<feComposite in="SourceAlpha" in2="off" operator="out" result="edge"/>'
                   f'<feFlood flood-color="{colour}" flood-opacity="0.9"/>'
                   f'<feComposite in2="edge" operator="in" result="rim"/>'
                   f'<feFlood flood-color="{colour}" flood-opacity="{tint}"/>'
                   f'<feComposite in2="SourceAlpha" operator="in" result="warm"/>'
                   f'<feMerge><feMergeNode in="SourceGraphic"/><feMergeNode in="warm"/><feMergeNode in="rim"/></feMerge>'
                   f'</filter>')
    return f'filter="url(#{ident})"'


def sunset_sky(defs, w, h, horizon, sun_x, ident='ss', seed=4):
    """An evening sky over a wide plain: navy above, crimson and gold near the
    horizon, the sun half set, clouds lit from below, a few birds."""
    defs[ident + '-sky'] = lin_grad(ident + '-sky', [(0, '#14254a'), (0.35, '#4a3a78'), (0.62, '#c8506a'),
                                                     (0.85, '#f59a5a'), (1, '#ffd28a')])
    defs[ident + '-sun'] = rad_grad(ident + '-sun', [(0, '#fff6d0', 1), (0.25, '#ffe08a', 0.9), (0.6, '#ffb060', 0.35),
                                                     (1, '#ff9050', 0)])
    out = [f'<rect width="{w}" height="{horizon}" fill="url(#{ident}-sky)"/>']
    out += stars(w, horizon * 0.3, 30, seed, colour='#ffffff')
    out.append(f'<circle cx="{sun_x}" cy="{horizon}" r="220" fill="url(#{ident}-sun)"/>')
    out.append(f'<circle cx="{sun_x}" cy="{horizon}" r="40" fill="#fff3c0"/>')
    r = rng(seed)
    for k in range(7):
        cy = horizon * (0.25 + 0.55 * r())
        cx = r() * w
        ln = 120 + r() * 200
        th = 8 + r() * 10
        lit = '#ffc890' if cy > horizon * 0.5 else '#f08aa0'
        out.append(path(f'M {fmt(cx - ln / 2)},{fmt(cy)} C {fmt(cx - ln / 3)},{fmt(cy - th)} {fmt(cx)},{fmt(cy - th * 1.4)} '
                        f'{fmt(cx + ln / 4)},{fmt(cy - th * 0.8)} C {fmt(cx + ln / 2.5)},{fmt(cy - th * 1.1)} {fmt(cx + ln / 2)},{fmt(cy - th * 0.3)} '
                        f'{fmt(cx + ln / 2)},{fmt(cy)} Z', '#6a3f78', extra='opacity="0.75"'))
        out.append(line(f'M {fmt(cx - ln / 2 + 10)},{fmt(cy)} L {fmt(cx + ln / 2 - 10)},{fmt(cy)}', 2.5, lit,
                        'stroke-linecap="round" opacity="0.9"'))
    # the plain and a far range of hills, the sun's path on a river
    out.append(path(f'M 0,{horizon} L {w},{horizon} L {w},{h} L 0,{h} Z', '#3a2a4a'))
    out.append(path(f'M 0,{horizon} C 100,{horizon - 14} 200,{horizon - 6} 300,{horizon - 12} C 400,{horizon - 18} '
                    f'500,{horizon - 4} 620,{horizon - 10} C 700,{horizon - 14} 760,{horizon - 8} {w},{horizon - 10} '
                    f'L {w},{horizon} Z', '#4a3458'))
    # the sun's glitter on a distant river
    for k in range(6):
        yy = horizon + 6 + k * 7
        hw = 26 + k * 9
        out.append(line(f'M {sun_x - hw},{yy} L {sun_x + hw},{yy}', 2.2, '#ffd79a', f'opacity="{fmt(0.55 - k * 0.07)}" '
                        'stroke-linecap="round" stroke-dasharray="14 8"'))
    for k in range(5):
        bx, by = 120 + r() * 360, horizon * (0.2 + 0.3 * r())
        sc = 0.6 + r() * 0.6
        out.append(line(f'M {fmt(bx - 8 * sc)},{fmt(by - 3 * sc)} Q {fmt(bx - 3 * sc)},{fmt(by - 6 * sc)} {fmt(bx)},{fmt(by)} '
                        f'Q {fmt(bx + 3 * sc)},{fmt(by - 6 * sc)} {fmt(bx + 8 * sc)},{fmt(by - 3 * sc)}', 1.8, '#2a1a3a',
                        'stroke-linecap="round" stroke-linejoin="round"'))
    return out


def rampart(defs, w, h, top, ident='rp', seed=6, merlons=None):
    """The stone rampart in the foreground: a crenellated parapet lit warm
    on its top edges by the setting sun."""
    defs[ident + '-stone'] = lin_grad(ident + '-stone', [(0, '#5a5f80'), (1, '#2b3050')])
    out = []
    if merlons is None:
        merlons = [(x, x + 110) for x in range(-40, w + 40, 170)]
    low = top + 40
    d = f'M -60,{h} L -60,{low}'
    for x0, x1 in merlons:
        d += f' L {x0},{low} L {x0},{top} L {x1},{top} L {x1},{low}'
    d += f' L {w + 60},{low} L {w + 60},{h} Z'
    shapes = [d]
    wall = ' '.join(shapes)
    out.append(path(wall, f'url(#{ident}-stone)', '#1a1d33', 2.2))
    # stone courses
    r = rng(seed)
    courses = []
    y = top + 26
    row = 0
    while y < h:
        courses.append(f'M -40,{y} L {w + 40},{y}')
        off = 40 if row % 2 else 0
        for xx in range(-40 + off, w + 40, 80):
            courses.append(f'M {xx},{y} L {xx},{y + 26}')
        y += 26
        row += 1
    out.append(g(path(' '.join(courses), 'none', '#1a1d33', 1.3, 'opacity="0.7"'),
                 extra=f'clip-path="url(#{ident}-clip)"'))
    defs[ident + '-clip'] = f'<clipPath id="{ident}-clip"><path d="{wall}"/></clipPath>'
    # warm light on the tops of the merlons and the embrasures' sills
    for x0, x1 in merlons:
        out.append(line(f'M {x0 + 2},{top + 2} L {x1 - 2},{top + 2}', 3, '#ffb878', 'opacity="0.9"'))
        out.append(line(f'M {x1 - 2},{top + 3} L {x1 - 2},{low}', 2, '#ffb878', 'opacity="0.5"'))
    out.append(line(f'M -60,{low + 2} L {w + 60},{low + 2}', 2.5, '#ffb878', 'opacity="0.55"'))
    return out


def mirror_x(d):
    from bonus_kit import mirror
    return mirror(d, 0)


def chibi_soldier(x, y, s=1.0, sign=None, sign_colour='#ffffff', ink=LINE, cheer=True, flip=False):
    """A small round soldier of the headquarters (a comic extra), standing
    at x, y (feet); with a placard held up when `sign` is given."""
    skin, navy, navy_dark = '#fde6d6', '#2b4a7e', '#1a2f56'
    parts = [f'<ellipse cx="0" cy="2" rx="26" ry="6" fill="#000" opacity="0.3"/>',
             outlined('M -14,0 L -14,-16 L -3,-16 L -3,0 Z M 3,0 L 3,-16 L 14,-16 L 14,0 Z', navy_dark, 1.6),
             outlined('M -16,1 C -16,-4 -3,-4 -3,1 Z M 3,1 C 3,-4 16,-4 16,1 Z', '#3a2418', 1.4),
             outlined('M -20,-14 C -22,-36 -16,-48 0,-48 C 16,-48 22,-36 20,-14 Z', navy, 1.8),
             line('M 0,-46 L 0,-16', 1.2, navy_dark),
             f'<circle cx="-4" cy="-36" r="1.8" fill="#e8b640"/><circle cx="-4" cy="-26" r="1.8" fill="#e8b640"/>']
    if sign:
        parts += [outlined('M -18,-42 C -26,-54 -28,-68 -24,-82 L -16,-80 C -19,-68 -17,-56 -10,-46 Z', navy, 1.6),
                  outlined('M 18,-42 C 26,-54 28,-68 24,-82 L 16,-80 C 19,-68 17,-56 10,-46 Z', navy, 1.6),
                  line('M -20,-84 L -20,-96 M 20,-84 L 20,-96', 2.4, '#7a4e33'),
                  f'<rect x="-40" y="-128" width="80" height="34" rx="4" fill="{sign_colour}" stroke="{LINE}" stroke-width="1.8"/>',
                  text(0, -104, sign, 17, ink, 'middle', 'bold'),
                  f'<circle cx="-20" cy="-84" r="5" fill="{skin}" stroke="{LINE}" stroke-width="1.3"/>',
                  f'<circle cx="20" cy="-84" r="5" fill="{skin}" stroke="{LINE}" stroke-width="1.3"/>']
    else:       # clapping
        parts += [outlined('M -18,-40 C -22,-30 -16,-24 -4,-28 L -3,-34 C -10,-32 -12,-34 -12,-40 Z', navy, 1.5),
                  outlined(mirror_x('M -18,-40 C -22,-30 -16,-24 -4,-28 L -3,-34 C -10,-32 -12,-34 -12,-40 Z'), navy, 1.5),
                  f'<ellipse cx="0" cy="-32" rx="6" ry="5" fill="{skin}" stroke="{LINE}" stroke-width="1.3"/>',
                  line('M -14,-44 L -20,-50 M 14,-44 L 20,-50 M 0,-46 L 0,-52', 1.6, '#ffe08a', 'stroke-linecap="round"')]
    parts += [f'<circle cx="0" cy="-64" r="19" fill="{skin}" stroke="{LINE}" stroke-width="1.8"/>',
              line('M -9,-64 C -7,-68 -4,-68 -2,-64 M 2,-64 C 4,-68 7,-68 9,-64', 1.6, LINE, 'stroke-linecap="round"')
              if cheer else
              f'<circle cx="-6" cy="-65" r="1.8" fill="{LINE}"/><circle cx="6" cy="-65" r="1.8" fill="{LINE}"/>',
              path('M -4,-57 C -2,-53 2,-53 4,-57 Z', '#9c3444', LINE, 1.0),
              f'<ellipse cx="-11" cy="-59" rx="4" ry="2.4" fill="#ff8c9a" opacity="0.5"/>',
              f'<ellipse cx="11" cy="-59" rx="4" ry="2.4" fill="#ff8c9a" opacity="0.5"/>',
              outlined('M -20,-72 C -20,-88 20,-88 20,-72 Z', navy, 1.6),
              outlined('M -24,-72 L 24,-72 L 20,-67 L -20,-67 Z', navy_dark, 1.4),
              f'<circle cx="0" cy="-78" r="3.2" fill="#e8b640" stroke="{LINE}" stroke-width="0.8"/>']
    sx = -s if flip else s
    return g(parts, extra=f'transform="translate({fmt(x)},{fmt(y)}) scale({fmt(sx)},{fmt(s)})"')


def parade_ground(defs, w, h, horizon, flag, snow=False, beams=True):
    """Night over the parade ground: searchlights, the headquarters with lit
    windows, a banner (light, mid, dark colours) on a tall pole, flagstones in
    perspective, or snow over them."""
    defs['pg-sky'] = lin_grad('pg-sky', [(0, '#070f26'), (0.45, '#14254a'), (0.72, '#2b3f72'), (1, '#4a5f96')])
    defs['pg-beam'] = lin_grad('pg-beam', [(0, '#fff3c8', 0), (0.7, '#fff3c8', 0.16), (1, '#fff3c8', 0.3)])
    defs['pg-ground'] = lin_grad('pg-ground', [(0, '#3a4a6e'), (1, '#1a2440')])
    out = [f'<rect width="{w}" height="{horizon}" fill="url(#pg-sky)"/>']
    out += stars(w, h, 120 if not snow else 50, 11, y_max=horizon * 0.75)
    # searchlight beams rising from behind the headquarters
    for x0, x1, x2 in ([(150, -120, 60), (640, 520, 700), (560, 860, 980)] if beams else []):
        out.append(path(f'M {x1},0 L {x2},0 L {x0 + 8},{horizon - 110} L {x0 - 8},{horizon - 110} Z',
                        'url(#pg-beam)'))
    # the headquarters: a long low building with a clock tower
    bld = (f'M 0,{horizon - 60} L 120,{horizon - 60} L 120,{horizon - 120} L 200,{horizon - 120} L 200,{horizon - 90} '
           f'L 330,{horizon - 90} L 330,{horizon - 200} L 350,{horizon - 230} L 370,{horizon - 200} L 370,{horizon - 90} '
           f'L 600,{horizon - 90} L 600,{horizon - 130} L 700,{horizon - 130} L 700,{horizon - 70} L {w},{horizon - 70} '
           f'L {w},{horizon} L 0,{horizon} Z')
    out.append(path(bld, '#0c1630'))
    out.append(line(bld.replace(' Z', ''), 1.2, '#3a5288', 'opacity="0.6"'))
    r = rng(21)
    for _ in range(60):
        x = r() * w
        y = horizon - 20 - r() * 60
        if 330 < x < 370 or (120 < x < 200 and y < horizon - 110):
            continue
        out.append(f'<rect x="{fmt(x)}" y="{fmt(y)}" width="5" height="7" fill="#ffd27a" opacity="{fmt(0.4 + r() * 0.5)}"/>')
    out.append(f'<circle cx="350" cy="{horizon - 185}" r="9" fill="#f4ecd8" stroke="{BRASS}" stroke-width="2"/>')
    # the ground
    if snow:
        defs['pg-snow'] = lin_grad('pg-snow', [(0, '#9fb4d8'), (0.4, '#d8e4f6'), (1, '#f2f6ff')])
        out.append(f'<rect x="0" y="{horizon}" width="{w}" height="{h - horizon}" fill="url(#pg-snow)"/>')
        # snow on the roofs
        out.append(line(bld.replace(' Z', '').split(f' L {w},{horizon}')[0], 3, '#e8f0ff', 'opacity="0.85"'))
        r2 = rng(33)
        drifts = ' '.join(f'M {fmt(x)},{fmt(y)} C {fmt(x + 20)},{fmt(y - 5)} {fmt(x + 60)},{fmt(y - 5)} {fmt(x + 90)},{fmt(y)}'
                          for x, y in [(r2() * w, horizon + 20 + r2() * (h - horizon - 40)) for _ in range(26)])
        out.append(path(drifts, 'none', '#b8c8e6', 2, 'stroke-linecap="round" opacity="0.8"'))
    else:
        out.append(f'<rect x="0" y="{horizon}" width="{w}" height="{h - horizon}" fill="url(#pg-ground)"/>')
    vx = w / 2
    if not snow:
        lines_ = ' '.join(f'M {fmt(vx + (x - vx) * 0.08)},{horizon} L {fmt(x)},{h}' for x in range(-1400, 2300, 150))
        out.append(path(lines_, 'none', '#0e1730', 1.4, 'opacity="0.7"'))
        y, step = horizon + 8, 10
        rows = []
        while y < h:
            rows.append(f'M 0,{fmt(y)} L {w},{fmt(y)}')
            step *= 1.35
            y += step
        out.append(path(' '.join(rows), 'none', '#0e1730', 1.4, 'opacity="0.7"'))
    out.append(line(f'M 0,{horizon} L {w},{horizon}', 1.5, '#5a70a8', 'opacity="0.6"'))
    # the flagpole and the banner, waving to the right
    px = 640
    out.append(line(f'M {px},120 L {px},{horizon - 4}', 6, '#0a1226'))
    out.append(line(f'M {px - 1},120 L {px - 1},{horizon - 4}', 2, BRASS, 'opacity="0.8"'))
    out.append(f'<circle cx="{px}" cy="114" r="8" fill="#e8b640" stroke="{LINE}" stroke-width="1.5"/>')
    defs['pg-flag'] = lin_grad('pg-flag', [(0, flag[0]), (0.5, flag[1]), (1, flag[2])], x2=1, y2=0.3)
    cloth = (f'M {px},132 C {px + 50},118 {px + 90},150 {px + 140},136 C {px + 170},128 {px + 190},140 {px + 210},132 '
            f'L {px + 196},210 L {px + 214},290 C {px + 190},298 {px + 170},286 {px + 140},292 '
            f'C {px + 90},304 {px + 50},276 {px},290 Z')
    out.append(outlined(cloth, 'url(#pg-flag)', 2, flag[3] if len(flag) > 3 else '#2a0710', 'stroke-linejoin="round"'))
    out.append(path(f'M {px + 60},140 C {px + 70},190 {px + 68},240 {px + 60},284', 'none', flag[2], 8,
                    'opacity="0.4" stroke-linecap="round"'))
    return out


def canteen(defs, w=800, h=600, seed=17):
    """The headquarters' canteen late in the evening: tiled wall, the serving
    counter with steaming pots, a menu board, a window onto falling snow."""
    defs['ct-wall'] = lin_grad('ct-wall', [(0, '#243a66'), (1, '#16264a')])
    out = [f'<rect width="{w}" height="{h}" fill="url(#ct-wall)"/>']
    # tiles on the lower wall
    tiles = ' '.join([f'M 0,{y} L {w},{y}' for y in range(300, h, 28)] +
                     [f'M {x + (14 if (y // 28) % 2 else 0)},{y} L {x + (14 if (y // 28) % 2 else 0)},{y + 28}'
                      for y in range(300, h, 28) for x in range(0, w, 28)])
    out += [f'<rect x="0" y="300" width="{w}" height="{h - 300}" fill="#2b4a7e"/>',
            path(tiles, 'none', '#1a2f56', 1.2),
            line(f'M 0,300 L {w},300', 4, BRASS), line(f'M 0,306 L {w},306', 1, BRASS_DARK)]
    # the window on the right with snow outside
    out += night_window(defs, 590, 60, 170, 250, 'ct-win', moon=False, seed=seed)
    r = rng(seed)
    for _ in range(40):
        x, y = 592 + r() * 166, 62 + r() * 246
        if y < 60 + 85 and abs(x - 675) > math.sqrt(max(0, 85 ** 2 - (y - 145) ** 2)):
            continue
        out.append(f'<circle cx="{fmt(x)}" cy="{fmt(y)}" r="{fmt(1 + r() * 2)}" fill="#ffffff" opacity="0.85"/>')
    out.append(f'<rect x="600" y="300" width="150" height="8" fill="#f2f6ff"/>')
    # the menu board
    out += [f'<rect x="40" y="60" width="210" height="150" rx="6" fill="#1e3a2c" stroke="{BRASS}" stroke-width="4"/>',
            f'<rect x="48" y="68" width="194" height="134" rx="3" fill="none" stroke="{BRASS_DARK}" stroke-width="1"/>',
            text(145, 95, '本日のメニュー', 18, '#f4ecd8', 'middle'),
            line('M 70,104 L 220,104', 1, '#f4ecd8', 'opacity="0.5"'),
            text(66, 130, 'カレーライス', 15, '#f4ecd8'), text(224, 130, '350', 15, '#ffd27a', 'end'),
            text(66, 156, 'ホットココア', 15, '#f4ecd8'), text(224, 156, '120', 15, '#ffd27a', 'end'),
            text(66, 182, '手作りクッキー', 15, '#f4ecd8'), text(224, 182, '80', 15, '#ffd27a', 'end'),
            g(path('M 0,-4 C 4,-10 12,-10 12,-2 C 12,4 4,8 0,12 C -4,8 -12,4 -12,-2 C -12,-10 -4,-10 0,-4 Z',
                   '#ff8c9a', extra='opacity="0.85"'), extra='transform="translate(228,84) scale(0.6)"')]
    # the serving counter with pots on the hob
    out += [f'<rect x="0" y="250" width="560" height="60" fill="#5a3724" stroke="#1c100a" stroke-width="2"/>',
            f'<rect x="0" y="244" width="560" height="10" fill="#c9ced8" stroke="#5a6070" stroke-width="1.4"/>',
            line('M 0,270 L 560,270', 1.2, '#3a2216')]
    for px_, ph in ((330, 44), (410, 34), (480, 40)):
        out += [outlined(f'M {px_ - 30},{244} L {px_ - 30},{244 - ph} L {px_ + 30},{244 - ph} L {px_ + 30},{244} Z', '#9aa3b8', 1.6, '#3a4050'),
                f'<ellipse cx="{px_}" cy="{244 - ph}" rx="30" ry="6" fill="#c9ced8" stroke="#3a4050" stroke-width="1.4"/>',
                line(f'M {px_ - 30},{244 - ph + 10} L {px_ - 40},{244 - ph + 6} M {px_ + 30},{244 - ph + 10} L {px_ + 40},{244 - ph + 6}', 3, '#3a4050', 'stroke-linecap="round"'),
                path(f'M {px_ - 8},{236 - ph} C {px_ - 16},{222 - ph} {px_ - 2},{214 - ph} {px_ - 8},{198 - ph} '
                     f'M {px_ + 8},{236 - ph} C {px_},{222 - ph} {px_ + 14},{214 - ph} {px_ + 8},{198 - ph}',
                     'none', WHITE, 3, 'stroke-linecap="round" opacity="0.45"')]
    for x in (300, 520):
        out.append(lamp_glow(defs, x, 110, 240, 200, f'ct-glow-{x}', '#ffd79a', 0.4))
    for x in (300, 520):
        out += pendant_lamp(x, 40, 64)
    out += [f'<rect x="0" y="0" width="{w}" height="34" fill="#0a1226"/>', line(f'M 0,34 L {w},34', 2.5, BRASS)]
    return out


def wood_table(defs, w, h, top, ident='wtable'):
    """A plain wooden canteen table in the foreground, its back edge at `top`."""
    defs[ident] = lin_grad(ident, [(0, '#8a5a3a'), (1, '#6a4028')])
    slab = f'M 40,{top} L {w - 40},{top} L {w + 60},{h} L -60,{h} Z'
    grain = ' '.join(f'M {x},{top + 8} C {x - 10},{top + 40} {x + 10},{h - 40} {x - 20},{h}' for x in range(90, w, 110))
    return [outlined(slab, f'url(#{ident})', 2, '#2a1810'),
            line(grain, 1.2, '#5a3420', 'opacity="0.6"'),
            line(f'M 44,{top + 3} L {w - 44},{top + 3}', 2, '#b07a52', 'opacity="0.8"')]
