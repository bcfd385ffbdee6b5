"""The places of Natsumi's pictures, all in the command-room world of the set:
navy and slate, brass trim, warm lamps, her orange as the accent.  Each
function returns SVG elements and adds its gradients to `defs`.
"""
import math

from cg2_kit import (LINE, WHITE, NAVY_DEEP, NAVY, BRASS, BRASS_LIGHT, BRASS_DARK, fmt, path,
                     outlined, line, g, lin_grad, rad_grad, stars, rng, text)
import chara2 as C

TRACK = '#b8593a'          # the running track, a muted brick red-orange
TRACK_DARK = '#8e4230'
TRACK_LIGHT = '#cf7452'
GRASS = '#2f5a3c'
GRASS_DARK = '#22452e'
GRASS_LIGHT = '#3d6f4a'


def glow(defs, x, y, rx, ry, ident, colour='#ffe2a8', strength=0.5):
    defs[ident] = rad_grad(ident, [(0, colour, strength), (0.45, colour, strength * 0.35), (1, colour, 0)])
    return f'<ellipse cx="{fmt(x)}" cy="{fmt(y)}" rx="{fmt(rx)}" ry="{fmt(ry)}" fill="url(#{ident})"/>'


def night_sky(defs, w, h, ident='cg2-sky', top='#060d22', mid='#13244a', low='#2c4476', seed=11, n=90):
    defs[ident] = lin_grad(ident, [(0, top), (0.6, mid), (1, low)])
    return [f'<rect width="{w}" height="{h}" fill="url(#{ident})"/>', *stars(w, h * 0.8, n, seed)]


def floodlight(defs, x, y, h, ident, lamps=3, beam_to=None, beam_w=260):
    """A floodlight mast: a slim slate lattice pole with a brass-framed bank of
    lamps at its top, their glow, and a faint beam down to `beam_to`."""
    top = y - h
    out = []
    if beam_to:
        bx, by = beam_to
        defs[ident + '-beam'] = lin_grad(ident + '-beam', [(0, '#fff3d0', 0.16), (1, '#fff3d0', 0)],
                                         x1=x, y1=top, x2=bx, y2=by, units='userSpaceOnUse')
        out.append(path(f'M {fmt(x - 22)},{fmt(top + 8)} L {fmt(x + 22)},{fmt(top + 8)} '
                        f'L {fmt(bx + beam_w / 2)},{fmt(by)} L {fmt(bx - beam_w / 2)},{fmt(by)} Z',
                        f'url(#{ident}-beam)'))
    lattice = ' '.join(f'M {fmt(x - 5 + 1.5 * k / 10)},{fmt(y - k * h / 10)} L {fmt(x + 5 - 1.5 * (k + 1) / 10)},'
                       f'{fmt(y - (k + 1) * h / 10)}' for k in range(10))
    out += [
        path(f'M {fmt(x - 7)},{fmt(y)} L {fmt(x - 3.5)},{fmt(top)} L {fmt(x + 3.5)},{fmt(top)} L {fmt(x + 7)},{fmt(y)} Z',
             '#1a2748', '#0a1226', 1.2),
        line(lattice, 1.0, '#3b5288'),
        glow(defs, x, top - 4, 120, 90, ident + '-glow', strength=0.55),
    ]
    bank_w = 18 * lamps + 8
    out.append(f'<rect x="{fmt(x - bank_w / 2)}" y="{fmt(top - 30)}" width="{fmt(bank_w)}" height="30" rx="3" '
               f'fill="#1a2748" stroke="{BRASS}" stroke-width="2"/>')
    for row in range(2):
        for k in range(lamps):
            cx = x - bank_w / 2 + 13 + k * 18
            cy = top - 22 + row * 14
            out.append(f'<circle cx="{fmt(cx)}" cy="{fmt(cy)}" r="6" fill="#fff7dc" stroke="{BRASS_DARK}" stroke-width="1.2"/>')
            out.append(f'<circle cx="{fmt(cx)}" cy="{fmt(cy)}" r="3" fill="#ffffff"/>')
    return out


def hq_skyline(y, w, seed=3, colour='#0c1633', lit='#ffd98a'):
    """The headquarters on the horizon: blocks, a brass-capped clock tower,
    rows of warm windows."""
    r = rng(seed)
    out = []
    x = -10
    blocks = []
    while x < w:
        bw = 60 + r() * 90
        bh = 30 + r() * 60
        blocks.append((x, bw, bh))
        x += bw - 4
    for bx, bw, bh in blocks:
        out.append(f'<rect x="{fmt(bx)}" y="{fmt(y - bh)}" width="{fmt(bw)}" height="{fmt(bh + 2)}" fill="{colour}"/>')
        for wy in range(int(y - bh + 8), int(y - 6), 11):
            for wx in range(int(bx + 6), int(bx + bw - 8), 12):
                if r() < 0.45:
                    out.append(f'<rect x="{wx}" y="{wy}" width="5" height="4" fill="{lit}" opacity="{fmt(0.5 + r() * 0.4)}"/>')
    return out


def clock_tower(x, y, s=1.0, colour='#0c1633'):
    """The headquarters' tower with its lit clock face and a flag of her colour."""
    def P(px, py):
        return f'{fmt(x + px * s)},{fmt(y + py * s)}'
    return [
        path(f'M {P(-26, 0)} L {P(-26, -150)} L {P(-32, -150)} L {P(0, -196)} L {P(32, -150)} L {P(26, -150)} L {P(26, 0)} Z',
             colour),
        line(f'M {P(-32, -150)} L {P(0, -196)} L {P(32, -150)}', 2 * s, BRASS_DARK),
        f'<circle cx="{fmt(x)}" cy="{fmt(y - 118 * s)}" r="{fmt(15 * s)}" fill="#fff1c8" stroke="{BRASS}" stroke-width="{fmt(2.5 * s)}"/>',
        line(f'M {P(0, -118)} L {P(0, -129)} M {P(0, -118)} L {P(8, -114)}', 1.8 * s, LINE, 'stroke-linecap="round"'),
        line(f'M {P(0, -196)} L {P(0, -236)}', 1.6 * s, BRASS),
        path(f'M {P(0, -236)} C {P(12, -232)} {P(22, -238)} {P(34, -232)} L {P(34, -216)} C {P(22, -222)} {P(12, -216)} {P(0, -220)} Z',
             C.SIGNATURE, C.SIGNATURE_DARK, 1),
        *[f'<rect x="{fmt(x - 16 * s + k * 12 * s)}" y="{fmt(y - 80 * s)}" width="{fmt(6 * s)}" height="{fmt(14 * s)}" '
          f'fill="#ffd98a" opacity="0.8"/>' for k in range(3)],
    ]


def track(defs, w, y0, y1, vx, vy, lanes=6, x_left=-200, x_right=None, ident='cg2-track'):
    """The running track in perspective from the horizon y0 to the bottom y1:
    brick-coloured lanes with white lines converging towards the vanishing
    point (vx, vy)."""
    x_right = x_right if x_right is not None else w + 200
    defs[ident] = lin_grad(ident, [(0, TRACK_DARK), (0.35, TRACK), (1, TRACK_LIGHT)])

    def at(xb, y):   # a line from the bottom point xb towards the vanishing point, at height y
        t = (y - y1) / (vy - y1)
        return xb + (vx - xb) * t
    out = [path(f'M {fmt(at(x_left, y0))},{fmt(y0)} L {fmt(at(x_right, y0))},{fmt(y0)} L {fmt(x_right)},{fmt(y1)} '
                f'L {fmt(x_left)},{fmt(y1)} Z', f'url(#{ident})')]
    for k in range(lanes + 1):
        xb = x_left + (x_right - x_left) * k / lanes
        out.append(tapered_line(at(xb, y0), y0, xb, y1, 1.0, 5.0, WHITE, 0.85))
    return out


def tapered_line(x0, y0, x1, y1, w0, w1, colour, opacity=1.0):
    dx, dy = x1 - x0, y1 - y0
    ln = math.hypot(dx, dy) or 1
    nx, ny = -dy / ln, dx / ln
    d = (f'M {fmt(x0 + nx * w0 / 2)},{fmt(y0 + ny * w0 / 2)} L {fmt(x1 + nx * w1 / 2)},{fmt(y1 + ny * w1 / 2)} '
         f'L {fmt(x1 - nx * w1 / 2)},{fmt(y1 - ny * w1 / 2)} L {fmt(x0 - nx * w0 / 2)},{fmt(y0 - ny * w0 / 2)} Z')
    return path(d, colour, extra=f'opacity="{fmt(opacity)}"')


def scoreboard(defs, x, y, w, h, left, right, score_l, score_r, title='SCORE', ground=None):
    """A brass-framed scoreboard with amber lamp digits."""
    defs['cg2-board'] = lin_grad('cg2-board', [(0, '#16254a'), (1, '#0a1430')])
    gy = ground if ground is not None else y + h + 60
    out = [
        line(f'M {fmt(x + w * 0.25)},{fmt(y + h)} L {fmt(x + w * 0.25)},{fmt(gy)} '
             f'M {fmt(x + w * 0.75)},{fmt(y + h)} L {fmt(x + w * 0.75)},{fmt(gy)}', 6, '#0c1633'),
        f'<rect x="{fmt(x - 6)}" y="{fmt(y - 6)}" width="{fmt(w + 12)}" height="{fmt(h + 12)}" rx="5" fill="#0a1226" '
        f'stroke="{BRASS}" stroke-width="2.5"/>',
        f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}" fill="url(#cg2-board)" '
        f'stroke="{BRASS_DARK}" stroke-width="1"/>',
        text(x + w / 2, y + 17, title, 12, BRASS_LIGHT, 'middle', extra='letter-spacing="3"'),
        line(f'M {fmt(x + 10)},{fmt(y + 24)} L {fmt(x + w - 10)},{fmt(y + 24)}', 1, BRASS_DARK),
        text(x + w * 0.25, y + 44, left, 15, WHITE, 'middle'),
        text(x + w * 0.75, y + 44, right, 15, WHITE, 'middle'),
        text(x + w * 0.25, y + h - 12, score_l, 40, '#ffb45c', 'middle', 'bold',
             extra=f'stroke="{C.SIGNATURE_DARK}" stroke-width="1"'),
        text(x + w * 0.5, y + h - 16, ':', 30, '#ffb45c', 'middle', 'bold'),
        text(x + w * 0.75, y + h - 12, score_r, 40, '#ffe08a', 'middle', 'bold',
             extra=f'stroke="{BRASS_DARK}" stroke-width="1"'),
    ]
    return out


def moon(x, y, r, sky='#0a1838'):
    return [f'<circle cx="{fmt(x)}" cy="{fmt(y)}" r="{fmt(r * 2.2)}" fill="#fff4c8" opacity="0.08"/>',
            f'<circle cx="{fmt(x)}" cy="{fmt(y)}" r="{fmt(r)}" fill="#fff4c8"/>',
            f'<circle cx="{fmt(x + r * 0.4)}" cy="{fmt(y - r * 0.25)}" r="{fmt(r * 0.9)}" fill="{sky}"/>']


def start_line(defs, y, x_left, x_right, vx, vy, y_bottom, lanes, numbers=True):
    """The white start line across the lanes at height y, with lane numbers
    painted just in front of it."""
    def at(xb, yy):
        t = (yy - y_bottom) / (vy - y_bottom)
        return xb + (vx - xb) * t
    out = [path(f'M {fmt(at(x_left, y))},{fmt(y)} L {fmt(at(x_right, y))},{fmt(y)} '
                f'L {fmt(at(x_right, y + 7))},{fmt(y + 7)} L {fmt(at(x_left, y + 7))},{fmt(y + 7)} Z', WHITE,
                extra='opacity="0.9"')]
    if numbers:
        for k in range(lanes):
            xa = x_left + (x_right - x_left) * (k + 0.5) / lanes
            cx = at(xa, y + 30)
            out.append(text(cx, y + 42, str(k + 1), 26, WHITE, 'middle', 'bold',
                            extra='opacity="0.85" transform="translate(0,0)"'))
    return out


# ---- the briefing room -------------------------------------------------------------

WOOD = '#5a3724'
WOOD_DARK = '#3a2216'
WOOD_LIGHT = '#7a4e33'
MAP_GREEN = '#6f9a52'
MAP_SAND = '#c9b68a'


def panel_wall(defs, w, h, ident='cg2-wall', seams=150, rail=420, x0=0):
    """A wall of navy panels with brass trim under the ceiling and a rail."""
    defs[ident] = lin_grad(ident, [(0, '#1d3262'), (0.6, NAVY), (1, NAVY_DEEP)])
    out = [f'<rect x="{x0}" width="{w - x0}" height="{h}" fill="url(#{ident})"/>']
    xs = [x for x in range(x0 + seams // 2, w, seams)]
    out.append(path(' '.join(f'M {x},0 L {x},{h}' for x in xs), 'none', '#0a1428', 3))
    out.append(path(' '.join(f'M {x + 2},0 L {x + 2},{h}' for x in xs), 'none', '#3a5288', 1, 'opacity="0.5"'))
    out.append(f'<rect x="{x0}" y="0" width="{w - x0}" height="34" fill="#0a1226"/>')
    out.append(line(f'M {x0},34 L {w},34', 2.5, BRASS))
    out.append(line(f'M {x0},39 L {w},39', 1, BRASS_DARK))
    if rail:
        out.append(f'<rect x="{x0}" y="{rail}" width="{w - x0}" height="{h - rail}" fill="#0c1731" opacity="0.8"/>')
        out.append(line(f'M {x0},{rail} L {w},{rail}', 3, BRASS))
        out.append(line(f'M {x0},{rail + 5} L {w},{rail + 5}', 1, BRASS_DARK))
    return out


def pendant_lamp(defs, x, y, w, ident):
    """A brass pendant lamp hanging from the ceiling, with its warm glow."""
    h = w * 0.42
    shade = (f'M {fmt(x - w * 0.18)},{fmt(y)} L {fmt(x + w * 0.18)},{fmt(y)} '
             f'C {fmt(x + w * 0.3)},{fmt(y + h * 0.4)} {fmt(x + w * 0.5)},{fmt(y + h * 0.7)} {fmt(x + w * 0.5)},{fmt(y + h)} '
             f'L {fmt(x - w * 0.5)},{fmt(y + h)} C {fmt(x - w * 0.5)},{fmt(y + h * 0.7)} {fmt(x - w * 0.3)},{fmt(y + h * 0.4)} '
             f'{fmt(x - w * 0.18)},{fmt(y)} Z')
    return [glow(defs, x, y + h + 40, w * 3, w * 2.4, ident, strength=0.4),
            line(f'M {fmt(x)},0 L {fmt(x)},{fmt(y)}', 2.2, '#0a1226'),
            f'<ellipse cx="{fmt(x)}" cy="{fmt(y + h)}" rx="{fmt(w * 0.36)}" ry="{fmt(w * 0.09)}" fill="#fff1c8"/>',
            outlined(shade, BRASS_DARK, 1.6, '#2a1e10'),
            path(f'M {fmt(x + w * 0.08)},{fmt(y + 3)} C {fmt(x + w * 0.25)},{fmt(y + h * 0.4)} '
                 f'{fmt(x + w * 0.4)},{fmt(y + h * 0.7)} {fmt(x + w * 0.42)},{fmt(y + h - 2)}',
                 'none', BRASS_LIGHT, 2.2, 'stroke-linecap="round" opacity="0.8"'),
            line(f'M {fmt(x - w * 0.5)},{fmt(y + h)} L {fmt(x + w * 0.5)},{fmt(y + h)}', 2.4, BRASS)]


def wall_screen(defs, x, y, w, h, ident='cg2-screen', marks=((3, 2), (7, 5), (12, 1), (15, 6), (9, 7))):
    """The tactical wall screen: the two 19 x 9 maps of the battle, a few
    markers, a sheen over the glass."""
    defs[ident] = lin_grad(ident, [(0, '#0e2f3e'), (1, '#081a26')])
    pad = 10
    mw = w - 2 * pad
    mh = (h - 3 * pad - 12) / 2
    cw, rh = mw / 19, mh / 9
    out = [f'<rect x="{fmt(x - 8)}" y="{fmt(y - 8)}" width="{fmt(w + 16)}" height="{fmt(h + 16)}" rx="4" '
           f'fill="#0a1226" stroke="{BRASS}" stroke-width="2.5"/>',
           f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}" fill="url(#{ident})" '
           f'stroke="{BRASS_DARK}" stroke-width="1"/>']
    for k, col in enumerate([MAP_SAND, MAP_GREEN]):
        my = y + pad + 12 + k * (mh + pad)
        out.append(f'<rect x="{fmt(x + pad)}" y="{fmt(my)}" width="{fmt(mw)}" height="{fmt(mh)}" fill="{col}" opacity="0.55"/>')
        grid = ' '.join([f'M {fmt(x + pad + i * cw)},{fmt(my)} L {fmt(x + pad + i * cw)},{fmt(my + mh)}' for i in range(20)] +
                        [f'M {fmt(x + pad)},{fmt(my + j * rh)} L {fmt(x + pad + mw)},{fmt(my + j * rh)}' for j in range(10)])
        out.append(path(grid, 'none', '#bff4ff', 0.6, 'opacity="0.5"'))
        for i, (c, r_) in enumerate(marks if k == 0 else [(4, 4), (10, 2), (16, 5)]):
            cx, cy = x + pad + (c + 0.5) * cw, my + (r_ + 0.5) * rh
            s = min(cw, rh) * 0.32
            if (i + k) % 2 == 0:
                out.append(line(f'M {fmt(cx - s)},{fmt(cy - s)} L {fmt(cx + s)},{fmt(cy + s)} '
                                f'M {fmt(cx + s)},{fmt(cy - s)} L {fmt(cx - s)},{fmt(cy + s)}', 1.3, WHITE,
                                'stroke-linecap="round"'))
            else:
                out.append(path(f'M {fmt(cx)},{fmt(cy - s)} L {fmt(cx + s)},{fmt(cy + s * 0.8)} '
                                f'L {fmt(cx - s)},{fmt(cy + s * 0.8)} Z', '#ff6f8a'))
    out.append(text(x + pad, y + pad + 7, 'TACTICAL MAP  19 × 9', 8, '#9fe6ff', extra='letter-spacing="1"'))
    out.append(f'<circle cx="{fmt(x + w - pad - 4)}" cy="{fmt(y + pad + 3)}" r="2.6" fill="#ff5a6a"/>')
    out.append(path(f'M {fmt(x)},{fmt(y)} L {fmt(x + w * 0.45)},{fmt(y)} L {fmt(x + w * 0.2)},{fmt(y + h)} '
                    f'L {fmt(x)},{fmt(y + h)} Z', WHITE, extra='opacity="0.05"'))
    return out


def unit_piece(x, y, colour, s=1.0, kind='tank'):
    """A small wooden game piece on the table map: a tank or a command car."""
    def P(px, py):
        return f'{fmt(x + px * s)},{fmt(y + py * s)}'
    sh = f'<ellipse cx="{fmt(x + 2 * s)}" cy="{fmt(y + 2 * s)}" rx="{fmt(14 * s)}" ry="{fmt(4 * s)}" fill="#000" opacity="0.3"/>'
    if kind == 'tank':
        return [sh, line(f'M {P(4, -10)} L {P(16, -12)}', 3 * s, LINE, 'stroke-linecap="round"'),
                line(f'M {P(4, -10)} L {P(16, -12)}', 1.6 * s, colour, 'stroke-linecap="round"'),
                outlined(f'M {P(-12, 0)} L {P(12, 0)} L {P(10, -7)} L {P(-10, -7)} Z', colour, 1.2),
                outlined(f'M {P(-6, -7)} C {P(-6, -13)} {P(6, -13)} {P(6, -7)} Z', colour, 1.2)]
    return [sh, outlined(f'M {P(-11, 0)} L {P(11, 0)} L {P(11, -9)} L {P(4, -9)} L {P(2, -15)} L {P(-11, -15)} Z', colour, 1.2),
            line(f'M {P(-6, -15)} L {P(-6, -22)}', 1.2, LINE),
            path(f'M {P(-6, -22)} L {P(1, -20)} L {P(-6, -18)} Z', '#ff5a6a')]


def table_corner(defs, x0, x1, top, h, ident='cg2-table'):
    """The near corner of the command table: dark wood seen from above at a
    slant, a map sheet with the two halves and a grid."""
    defs[ident] = lin_grad(ident, [(0, WOOD_LIGHT), (1, WOOD)])
    defs[ident + '-map'] = lin_grad(ident + '-map', [(0, '#e9dcb8'), (1, '#d8c79c')])
    slab = f'M {fmt(x0)},{fmt(top)} L {fmt(x1)},{fmt(top)} L {fmt(x1 + 70)},{fmt(h)} L {fmt(x0 - 90)},{fmt(h)} Z'
    sx0, sx1 = x0 + 30, x1 - 40
    sheet = f'M {fmt(sx0)},{fmt(top + 12)} L {fmt(sx1)},{fmt(top + 12)} L {fmt(sx1 + 60)},{fmt(h + 5)} L {fmt(sx0 - 70)},{fmt(h + 5)} Z'
    out = [outlined(slab, f'url(#{ident})', 2, '#1c100a'),
           line(f'M {fmt(x0 + 4)},{fmt(top + 5)} L {fmt(x1 - 4)},{fmt(top + 5)}', 2, BRASS),
           path(sheet, f'url(#{ident}-map)', '#8a7550', 1.2)]
    mid = (sx0 + sx1) / 2
    out.append(path(f'M {fmt(sx0 + 6)},{fmt(top + 18)} L {fmt(mid)},{fmt(top + 18)} L {fmt(mid + 10)},{fmt(h + 5)} '
                    f'L {fmt(sx0 - 62)},{fmt(h + 5)} Z', MAP_GREEN, extra='opacity="0.45"'))
    out.append(path(f'M {fmt(mid)},{fmt(top + 18)} L {fmt(sx1 - 6)},{fmt(top + 18)} L {fmt(sx1 + 52)},{fmt(h + 5)} '
                    f'L {fmt(mid + 10)},{fmt(h + 5)} Z', '#9fb4c8', extra='opacity="0.35"'))
    for j in range(7):
        t = j / 6
        yy = top + 18 + (h - top - 13) * t
        xa = sx0 + 6 + (-68) * t
        xb = sx1 - 6 + 58 * t
        out.append(line(f'M {fmt(xa)},{fmt(yy)} L {fmt(xb)},{fmt(yy)}', 0.8, '#8a7550', 'opacity="0.6"'))
    for i in range(11):
        t = i / 10
        xa = sx0 + 6 + (sx1 - sx0 - 12) * t
        xb = sx0 - 62 + (sx1 - sx0 + 114) * t
        out.append(line(f'M {fmt(xa)},{fmt(top + 18)} L {fmt(xb)},{fmt(h + 5)}', 0.8, '#8a7550', 'opacity="0.6"'))
    return out


def doorway(defs, x, y, w, h, ident='cg2-door'):
    """An open doorway: a brass-edged frame, the corridor beyond lit warm,
    the sliding door pushed aside to the right."""
    defs[ident + '-hall'] = lin_grad(ident + '-hall', [(0, '#f7e2b4'), (0.5, '#e8c48a'), (1, '#b98a5a')])
    defs[ident + '-door'] = lin_grad(ident + '-door', [(0, '#3a4c74'), (1, '#22325a')], x2=1, y2=0)
    hall = [f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}" fill="url(#{ident}-hall)"/>',
            # the corridor: far wall, floor, ceiling lights
            path(f'M {fmt(x)},{fmt(y + h * 0.72)} L {fmt(x + w)},{fmt(y + h * 0.72)} L {fmt(x + w)},{fmt(y + h)} '
                 f'L {fmt(x)},{fmt(y + h)} Z', '#9c7450', extra='opacity="0.6"'),
            line(f'M {fmt(x)},{fmt(y + h * 0.72)} L {fmt(x + w)},{fmt(y + h * 0.72)}', 2, '#7a5638'),
            *[f'<rect x="{fmt(x + w * k / 4 + 14)}" y="{fmt(y + 10)}" width="{fmt(w / 4 - 28)}" height="6" rx="3" '
              f'fill="#fffbe8"/>' for k in range(4)],
            line(' '.join(f'M {fmt(x + w * k / 5)},{fmt(y + h * 0.72)} L {fmt(x + w * k / 5 - 40)},{fmt(y + h)}'
                          for k in range(1, 6)), 1.2, '#7a5638', 'opacity="0.5"'),
            glow(defs, x + w / 2, y + h * 0.4, w * 0.8, h * 0.6, ident + '-glow', '#fff6dc', 0.5)]
    out = [g(hall)]
    # the sliding door, half hidden in the wall on the right
    dx = x + w
    out += [f'<rect x="{fmt(dx - 30)}" y="{fmt(y)}" width="{fmt(90)}" height="{fmt(h)}" fill="url(#{ident}-door)" '
            f'stroke="#0a1226" stroke-width="2"/>',
            line(f'M {fmt(dx - 22)},{fmt(y + 10)} L {fmt(dx - 22)},{fmt(y + h)}', 2, BRASS_DARK),
            f'<rect x="{fmt(dx - 18)}" y="{fmt(y + h * 0.45)}" width="8" height="46" rx="3" fill="{BRASS}" '
            f'stroke="{BRASS_DARK}" stroke-width="1"/>']
    # the frame
    out += [path(f'M {fmt(x - 14)},{fmt(y + h + 40)} L {fmt(x - 14)},{fmt(y - 14)} L {fmt(x + w + 14)},{fmt(y - 14)} '
                 f'L {fmt(x + w + 14)},{fmt(y + h + 40)}', 'none', '#0a1226', 12),
            path(f'M {fmt(x - 9)},{fmt(y + h + 40)} L {fmt(x - 9)},{fmt(y - 9)} L {fmt(x + w + 9)},{fmt(y - 9)} '
                 f'L {fmt(x + w + 9)},{fmt(y + h + 40)}', 'none', BRASS, 3),
            # the room plate above the door
            f'<rect x="{fmt(x + w / 2 - 48)}" y="{fmt(y - 40)}" width="96" height="20" rx="3" fill="#0a1226" '
            f'stroke="{BRASS}" stroke-width="1.5"/>',
            text(x + w / 2, y - 25, '作 戦 室', 12, BRASS_LIGHT, 'middle')]
    return out


def papers(x, y, n, seed, spread=120):
    """Sheets of paper whirling up from the table."""
    r = rng(seed)
    out = []
    for _ in range(n):
        px, py = x + (r() - 0.5) * spread * 2, y - r() * spread
        a = (r() - 0.5) * 80
        sk = (r() - 0.5) * 30
        out.append(g([outlined('M -13,-9 L 13,-9 L 13,9 L -13,9 Z', '#f4efe0', 1.2),
                      line('M -9,-4 L 9,-4 M -9,0 L 6,0 M -9,4 L 8,4', 0.8, '#a39a86')],
                     extra=f'transform="translate({fmt(px)},{fmt(py)}) rotate({fmt(a)}) skewX({fmt(sk)})"'))
    return out


# ---- the training ground at night ------------------------------------------------------

def brick_wall(defs, x, y, w, h, ident='cg2-brick', colour='#2a3a5e', mortar='#1a2644'):
    """A slate-blue brick wall (the gym), lit from above."""
    defs[ident] = lin_grad(ident, [(0, '#33466e'), (1, '#1c2a4c')])
    out = [f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}" fill="url(#{ident})"/>']
    rows = []
    bh, bw = 18, 46
    for k, yy in enumerate(range(int(y), int(y + h), bh)):
        rows.append(f'M {fmt(x)},{yy} L {fmt(x + w)},{yy}')
        off = (k % 2) * bw / 2
        xx = x + off
        while xx < x + w:
            rows.append(f'M {fmt(xx)},{yy} L {fmt(xx)},{yy + bh}')
            xx += bw
    out.append(path(' '.join(rows), 'none', mortar, 1.6, 'opacity="0.8"'))
    return out


def vending_machine(defs, x, y, w, h, ident='cg2-vm'):
    """A glowing drinks machine: slate cabinet, brass trim, a lit front with
    rows of cans (orange ones among them), the coin slot and the tray."""
    defs[ident] = lin_grad(ident, [(0, '#f4f8ff'), (1, '#c8d6f0')])
    out = [glow(defs, x + w / 2, y + h * 0.45, w * 1.6, h * 0.9, ident + '-glow', '#dfe9ff', 0.45),
           f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}" rx="6" fill="#2b3a58" stroke="#0a1226" stroke-width="2.5"/>',
           f'<rect x="{fmt(x + 3)}" y="{fmt(y + 3)}" width="{fmt(w - 6)}" height="{fmt(h - 6)}" rx="4" fill="none" stroke="{BRASS}" stroke-width="1.5"/>',
           f'<rect x="{fmt(x + 10)}" y="{fmt(y + 12)}" width="{fmt(w - 20)}" height="{fmt(h * 0.55)}" fill="url(#{ident})" stroke="#0a1226" stroke-width="1.5"/>']
    cols = ['#f07d1c', '#3f9ee0', '#c8283f', '#f6d27a', '#4f9a3c', '#f07d1c']
    cw = (w - 30) / 5
    for r_ in range(3):
        yy = y + 22 + r_ * h * 0.17
        for c in range(5):
            cx = x + 15 + c * cw + cw / 2
            col = cols[(r_ * 2 + c) % len(cols)]
            out.append(f'<rect x="{fmt(cx - cw * 0.3)}" y="{fmt(yy)}" width="{fmt(cw * 0.6)}" height="{fmt(h * 0.11)}" rx="2" '
                       f'fill="{col}" stroke="#0a1226" stroke-width="1"/>')
            out.append(f'<rect x="{fmt(cx - cw * 0.3 + 2)}" y="{fmt(yy + 2)}" width="2.5" height="{fmt(h * 0.11 - 4)}" fill="#ffffff" opacity="0.6"/>')
            out.append(f'<circle cx="{fmt(cx)}" cy="{fmt(yy + h * 0.13)}" r="2.2" fill="#ff5a6a"/>')
        out.append(line(f'M {fmt(x + 12)},{fmt(yy + h * 0.155)} L {fmt(x + w - 12)},{fmt(yy + h * 0.155)}', 1.2, '#8d99b8'))
    out += [f'<rect x="{fmt(x + w - 36)}" y="{fmt(y + h * 0.64)}" width="20" height="34" rx="2" fill="#16223f" stroke="{BRASS_DARK}" stroke-width="1"/>',
            f'<rect x="{fmt(x + w - 29)}" y="{fmt(y + h * 0.64 + 6)}" width="6" height="12" rx="1" fill="#0a1226"/>',
            f'<rect x="{fmt(x + 14)}" y="{fmt(y + h * 0.82)}" width="{fmt(w - 28)}" height="{fmt(h * 0.1)}" rx="3" fill="#0a1226" stroke="{BRASS_DARK}" stroke-width="1"/>',
            text(x + 16, y + h * 0.7, 'ICE', 13, '#ffb45c', weight='bold', extra='letter-spacing="2"'),
            text(x + 16, y + h * 0.76, 'DRINK', 9, '#c8d6f0', extra='letter-spacing="1"')]
    return out


def bench(x, y, w, s=1.0):
    """A wooden bench seen from the front, slate legs."""
    return [f'<rect x="{fmt(x + 10)}" y="{fmt(y + 14)}" width="{fmt(8 * s)}" height="{fmt(40 * s)}" fill="#1a2748" stroke="#0a1226" stroke-width="1.5"/>',
            f'<rect x="{fmt(x + w - 18)}" y="{fmt(y + 14)}" width="{fmt(8 * s)}" height="{fmt(40 * s)}" fill="#1a2748" stroke="#0a1226" stroke-width="1.5"/>',
            outlined(f'M {fmt(x)},{fmt(y)} L {fmt(x + w)},{fmt(y)} L {fmt(x + w)},{fmt(y + 14)} L {fmt(x)},{fmt(y + 14)} Z',
                     WOOD_LIGHT, 1.6, '#1c100a'),
            line(f'M {fmt(x + 2)},{fmt(y + 4)} L {fmt(x + w - 2)},{fmt(y + 4)}', 1.2, '#9a6a48'),
            line(f'M {fmt(x)},{fmt(y + 9)} L {fmt(x + w)},{fmt(y + 9)}', 1, WOOD_DARK)]


def water_bottle(x, y, s=1.0, colour=None):
    colour = colour or C.SIGNATURE

    def P(px, py):
        return f'{fmt(x + px * s)},{fmt(y + py * s)}'
    return [outlined(f'M {P(-9, 0)} L {P(9, 0)} L {P(9, -36)} C {P(9, -42)} {P(5, -44)} {P(4, -46)} L {P(-4, -46)} '
                     f'C {P(-5, -44)} {P(-9, -42)} {P(-9, -36)} Z', '#dff2ff', 1.4),
            path(f'M {P(-8, -2)} L {P(8, -2)} L {P(8, -22)} L {P(-8, -22)} Z', '#8fd0ff', extra='opacity="0.7"'),
            outlined(f'M {P(-5, -46)} L {P(5, -46)} L {P(5, -54)} L {P(-5, -54)} Z', colour, 1.3),
            line(f'M {P(-5, -8)} L {P(-5, -34)}', 1.6 * s, WHITE, 'stroke-linecap="round" opacity="0.8"')]


def sports_bag(x, y, s=1.0):
    def P(px, py):
        return f'{fmt(x + px * s)},{fmt(y + py * s)}'
    return [outlined(f'M {P(-40, 0)} C {P(-44, -20)} {P(-36, -34)} {P(-20, -36)} L {P(20, -36)} C {P(36, -34)} {P(44, -20)} '
                     f'{P(40, 0)} Z', '#23345e', 1.8),
            path(f'M {P(-30, -36)} C {P(-24, -62)} {P(24, -62)} {P(30, -36)}', 'none', LINE, 5 * s),
            path(f'M {P(-30, -36)} C {P(-24, -62)} {P(24, -62)} {P(30, -36)}', 'none', C.SIGNATURE, 2.6 * s),
            line(f'M {P(-38, -18)} L {P(38, -18)}', 3 * s, C.SIGNATURE),
            f'<circle cx="{fmt(x + 24 * s)}" cy="{fmt(y - 26 * s)}" r="{fmt(4 * s)}" fill="{BRASS}" stroke="{LINE}" stroke-width="1"/>']


# ---- the rampart at sunset ------------------------------------------------------------

def sunset_sky(defs, w, horizon, sun_x, ident='cg2-ss', seed=4, sun_y=None):
    """An evening sky over the plain: navy above, violet, then orange and gold
    at the horizon; the sun half set, long lit clouds, a few birds."""
    defs[ident] = lin_grad(ident, [(0, '#0f1a3c'), (0.35, '#3a3266'), (0.62, '#a4507a'),
                                   (0.82, '#f08a4a'), (1, '#ffd27a')])
    defs[ident + '-sun'] = rad_grad(ident + '-sun', [(0, '#fff6d0', 0.95), (0.2, '#ffd27a', 0.7),
                                                     (0.6, '#ff9a4a', 0.25), (1, '#ff9a4a', 0)])
    out = [f'<rect width="{w}" height="{horizon + 2}" fill="url(#{ident})"/>',
           *stars(w, horizon * 0.3, 30, seed + 1, '#e8e8ff'),
           f'<ellipse cx="{fmt(sun_x)}" cy="{fmt(sun_y or horizon)}" rx="260" ry="200" fill="url(#{ident}-sun)"/>',
           f'<circle cx="{fmt(sun_x)}" cy="{fmt(sun_y or horizon)}" r="40" fill="#fff0c0"/>']
    r = rng(seed)
    for k in range(7):
        cy = horizon * (0.3 + 0.6 * r())
        cx = r() * w
        cw = 120 + r() * 220
        col = '#ffb27a' if cy > horizon * 0.6 else '#c87a9a'
        out.append(path(f'M {fmt(cx - cw / 2)},{fmt(cy)} C {fmt(cx - cw / 4)},{fmt(cy - 8)} {fmt(cx + cw / 4)},{fmt(cy - 9)} '
                        f'{fmt(cx + cw / 2)},{fmt(cy)} C {fmt(cx + cw / 4)},{fmt(cy + 4)} {fmt(cx - cw / 4)},{fmt(cy + 4)} '
                        f'{fmt(cx - cw / 2)},{fmt(cy)} Z', col, extra='opacity="0.75"'))
        out.append(line(f'M {fmt(cx - cw / 3)},{fmt(cy + 2.5)} L {fmt(cx + cw / 3)},{fmt(cy + 2.5)}', 1.2, '#ffe2b0',
                        'stroke-linecap="round" opacity="0.8"'))
    for k in range(4):
        bx, by = 120 + r() * 300, 90 + r() * 120
        sz = 5 + r() * 4
        out.append(line(f'M {fmt(bx - sz)},{fmt(by - sz * 0.4)} Q {fmt(bx - sz * 0.4)},{fmt(by - sz * 0.6)} {fmt(bx)},{fmt(by)} '
                        f'Q {fmt(bx + sz * 0.4)},{fmt(by - sz * 0.6)} {fmt(bx + sz)},{fmt(by - sz * 0.4)}', 1.5, '#2a1a30',
                        'stroke-linecap="round" stroke-linejoin="round"'))
    return out


def plain(defs, w, horizon, h, ident='cg2-plain'):
    """The plain below the rampart, hazy hills and the distant road."""
    defs[ident] = lin_grad(ident, [(0, '#7a4a6a'), (1, '#3a2a4a')])
    return [path(f'M 0,{fmt(horizon)} C 120,{fmt(horizon - 12)} 260,{fmt(horizon - 4)} 380,{fmt(horizon - 10)} '
                 f'C 520,{fmt(horizon - 18)} 660,{fmt(horizon - 6)} {w},{fmt(horizon - 12)} L {w},{h} L 0,{h} Z',
                 f'url(#{ident})'),
            path(f'M 0,{fmt(horizon + 20)} C 200,{fmt(horizon + 8)} 400,{fmt(horizon + 26)} {w},{fmt(horizon + 12)}',
                 'none', '#c97a6a', 2, 'opacity="0.5"')]


def parapet(defs, w, top, bottom, ident='cg2-pp', merlon_w=92, gap=44, x0=-20, lit='#f3b27a'):
    """The crenellated stone parapet of the rampart, seen from the wall walk:
    merlons against the sky, stones with their joints, the top edges lit by
    the setting sun."""
    defs[ident] = lin_grad(ident, [(0, '#5a5a7a'), (1, '#33364e')])
    mh = 46
    out = []
    x = x0
    d = f'M {fmt(x0)},{fmt(bottom)} L {fmt(x0)},{fmt(top)}'
    while x < w + merlon_w:
        d += f' L {fmt(x + merlon_w)},{fmt(top)} L {fmt(x + merlon_w)},{fmt(top + mh)} L {fmt(x + merlon_w + gap)},{fmt(top + mh)} L {fmt(x + merlon_w + gap)},{fmt(top)}'
        x += merlon_w + gap
    d += f' L {fmt(x)},{fmt(bottom)} Z'
    out.append(outlined(d, f'url(#{ident})', 2, '#1a1a2a'))
    joints = []
    for k, yy in enumerate(range(int(top + 16), int(bottom), 22)):
        joints.append(f'M {fmt(x0)},{yy} L {fmt(x)},{yy}')
    r = rng(7)
    for k, yy in enumerate(range(int(top), int(bottom), 22)):
        xx = x0 + (k % 2) * 30
        while xx < x:
            if not (yy < top + mh and ((xx - x0) % (merlon_w + gap)) > merlon_w):
                joints.append(f'M {fmt(xx)},{yy} L {fmt(xx)},{yy + 22}')
            xx += 56 + r() * 10
    out.append(path(' '.join(joints), 'none', '#25283c', 1.4, 'opacity="0.8"'))
    # the sunlit tops
    x = x0
    tops = []
    while x < w + merlon_w:
        tops.append(f'M {fmt(x + 2)},{fmt(top + 2)} L {fmt(x + merlon_w - 2)},{fmt(top + 2)}')
        tops.append(f'M {fmt(x + merlon_w + 2)},{fmt(top + mh + 2)} L {fmt(x + merlon_w + gap - 2)},{fmt(top + mh + 2)}')
        x += merlon_w + gap
    out.append(path(' '.join(tops), 'none', lit, 3, 'stroke-linecap="round"'))
    return out


def wall_walk(defs, w, top, h, ident='cg2-walk'):
    """The stone floor of the wall walk in front of the parapet."""
    defs[ident] = lin_grad(ident, [(0, '#4a4660'), (1, '#2a2840')])
    out = [f'<rect x="0" y="{fmt(top)}" width="{w}" height="{fmt(h - top)}" fill="url(#{ident})"/>']
    rows = []
    y, k = top + 12, 0
    while y < h:
        rows.append(f'M 0,{fmt(y)} L {w},{fmt(y)}')
        step = 60 + (y - top) * 0.8
        xx = (k % 2) * step / 2
        while xx < w:
            rows.append(f'M {fmt(xx)},{fmt(y)} L {fmt(xx - 4)},{fmt(y + 12 + (y - top) * 0.35)}')
            xx += step
        y += 12 + (y - top) * 0.35
        k += 1
    out.append(path(' '.join(rows), 'none', '#1e1c30', 1.4, 'opacity="0.8"'))
    out.append(f'<rect x="0" y="{fmt(top)}" width="{w}" height="6" fill="#000" opacity="0.25"/>')
    return out


def flag_pole(x, y_top, y_bottom, colour, dark, wave=0):
    return [line(f'M {fmt(x)},{fmt(y_top)} L {fmt(x)},{fmt(y_bottom)}', 3.2, '#2a2030'),
            line(f'M {fmt(x + 0.8)},{fmt(y_top)} L {fmt(x + 0.8)},{fmt(y_bottom)}', 1, BRASS, 'opacity="0.8"'),
            f'<circle cx="{fmt(x)}" cy="{fmt(y_top - 3)}" r="4" fill="{BRASS}" stroke="{LINE}" stroke-width="1"/>',
            outlined(f'M {fmt(x)},{fmt(y_top + 4)} C {fmt(x + 30)},{fmt(y_top - 4)} {fmt(x + 60)},{fmt(y_top + 14)} {fmt(x + 96)},{fmt(y_top + 4)} '
                     f'L {fmt(x + 92)},{fmt(y_top + 50)} C {fmt(x + 60)},{fmt(y_top + 60)} {fmt(x + 30)},{fmt(y_top + 42)} {fmt(x)},{fmt(y_top + 52)} Z',
                     colour, 1.6, dark),
            path(f'M {fmt(x + 40)},{fmt(y_top + 18)} L {fmt(x + 44)},{fmt(y_top + 26)} L {fmt(x + 53)},{fmt(y_top + 27)} '
                 f'L {fmt(x + 46)},{fmt(y_top + 33)} L {fmt(x + 48)},{fmt(y_top + 42)} L {fmt(x + 40)},{fmt(y_top + 37)} '
                 f'L {fmt(x + 32)},{fmt(y_top + 42)} L {fmt(x + 34)},{fmt(y_top + 33)} L {fmt(x + 27)},{fmt(y_top + 27)} '
                 f'L {fmt(x + 36)},{fmt(y_top + 26)} Z', '#ffe066', extra='opacity="0.95"')]


def cone(x, y, s=1.0):
    """An orange training cone with a white band."""
    def P(px, py):
        return f'{fmt(x + px * s)},{fmt(y + py * s)}'
    return [f'<ellipse cx="{fmt(x + 3 * s)}" cy="{fmt(y + 1 * s)}" rx="{fmt(22 * s)}" ry="{fmt(5 * s)}" fill="#000" opacity="0.3"/>',
            outlined(f'M {P(-20, 0)} L {P(20, 0)} L {P(20, -5)} L {P(-20, -5)} Z', C.SIGNATURE_DARK, 1.3),
            outlined(f'M {P(-14, -5)} L {P(-3, -40)} C {P(-1, -43)} {P(1, -43)} {P(3, -40)} L {P(14, -5)} Z', C.SIGNATURE, 1.4),
            path(f'M {P(-9.5, -19)} L {P(9.5, -19)} L {P(7.5, -26)} L {P(-7.5, -26)} Z', WHITE),
            path(f'M {P(-14, -5)} L {P(-3, -40)} L {P(-5, -5)} Z', C.SIGNATURE_DARK, extra='opacity="0.4"')]


def hurdle(x, y, w, h, s=1.0):
    """A track hurdle: white bar with a black-and-white band, slate legs."""
    out = [line(f'M {fmt(x)},{fmt(y)} L {fmt(x)},{fmt(y - h)} M {fmt(x + w)},{fmt(y)} L {fmt(x + w)},{fmt(y - h)}', 3 * s, '#2b3a58'),
           line(f'M {fmt(x - 6 * s)},{fmt(y)} L {fmt(x + 6 * s)},{fmt(y)} M {fmt(x + w - 6 * s)},{fmt(y)} L {fmt(x + w + 6 * s)},{fmt(y)}',
                3 * s, '#2b3a58', 'stroke-linecap="round"'),
           f'<rect x="{fmt(x - 2)}" y="{fmt(y - h - 8 * s)}" width="{fmt(w + 4)}" height="{fmt(9 * s)}" fill="{WHITE}" '
           f'stroke="{LINE}" stroke-width="1.2"/>']
    k = 0
    xx = x
    while xx < x + w:
        if k % 2 == 0:
            out.append(f'<rect x="{fmt(xx)}" y="{fmt(y - h - 8 * s)}" width="{fmt(min(w / 6, x + w - xx))}" height="{fmt(9 * s)}" fill="{LINE}"/>')
        xx += w / 6
        k += 1
    return out


def lane_number(x, y, n, s=1.0, opacity=0.85):
    """A lane number painted on the track, squashed by the perspective."""
    return text(x, y, str(n), 34 * s, WHITE, 'middle', 'bold',
                extra=f'opacity="{fmt(opacity)}" transform="translate({fmt(x)},{fmt(y)}) scale(1.4,0.55) translate({fmt(-x)},{fmt(-y)})"')


def basketball(x, y, r):
    """An orange ball with its dark seams, lit from the upper right."""
    return [f'<ellipse cx="{fmt(x + 3)}" cy="{fmt(y + r * 0.95)}" rx="{fmt(r * 1.05)}" ry="{fmt(r * 0.22)}" fill="#000" opacity="0.3"/>',
            f'<circle cx="{fmt(x)}" cy="{fmt(y)}" r="{fmt(r)}" fill="{C.SIGNATURE}" stroke="{LINE}" stroke-width="1.8"/>',
            path(f'M {fmt(x - r)},{fmt(y)} A {fmt(r)},{fmt(r)} 0 0 0 {fmt(x + r * 0.2)},{fmt(y + r * 0.98)} '
                 f'A {fmt(r * 1.1)},{fmt(r * 1.1)} 0 0 1 {fmt(x - r)},{fmt(y)} Z', C.SIGNATURE_DARK, extra='opacity="0.55"'),
            line(f'M {fmt(x - r)},{fmt(y)} L {fmt(x + r)},{fmt(y)} M {fmt(x)},{fmt(y - r)} L {fmt(x)},{fmt(y + r)} '
                 f'M {fmt(x - r * 0.7)},{fmt(y - r * 0.72)} C {fmt(x - r * 0.3)},{fmt(y - r * 0.3)} {fmt(x - r * 0.3)},{fmt(y + r * 0.3)} {fmt(x - r * 0.7)},{fmt(y + r * 0.72)} '
                 f'M {fmt(x + r * 0.7)},{fmt(y - r * 0.72)} C {fmt(x + r * 0.3)},{fmt(y - r * 0.3)} {fmt(x + r * 0.3)},{fmt(y + r * 0.3)} {fmt(x + r * 0.7)},{fmt(y + r * 0.72)}',
                 1.4, '#3a1a08'),
            path(f'M {fmt(x + r * 0.25)},{fmt(y - r * 0.75)} C {fmt(x + r * 0.55)},{fmt(y - r * 0.65)} {fmt(x + r * 0.72)},{fmt(y - r * 0.45)} {fmt(x + r * 0.78)},{fmt(y - r * 0.2)}',
                 'none', C.SIGNATURE_LIGHT, 2.2, 'stroke-linecap="round"')]
