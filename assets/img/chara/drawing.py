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


def lock(a, b, tip, bend=0.0, belly=0.25, tip_w=0.18):
    """One clump of hair hanging from the root segment a..b to a point.

    Returns (fill path, stroke path): the fill is closed along the root, the
    stroke draws only the two edges, so the clump's outline fades into the
    hair above it instead of drawing a line across the root."""
    ax, ay = a
    bx, by = b
    tx, ty = tip
    w = bx - ax
    dya, dyb = ty - ay, ty - by
    left = (f'M {fmt(ax)},{fmt(ay)} C {fmt(ax - w * belly + bend)},{fmt(ay + dya * 0.45)} '
            f'{fmt(tx - w * tip_w + bend * 0.5)},{fmt(ty - dya * 0.3)} {fmt(tx)},{fmt(ty)}')
    right = (f' C {fmt(tx + w * tip_w + bend * 0.5)},{fmt(ty - dyb * 0.3)} '
             f'{fmt(bx + w * belly + bend)},{fmt(by + dyb * 0.45)} {fmt(bx)},{fmt(by)}')
    return left + right + ' Z', left + right


def locks(specs, fill, stroke, sw=2.0, shade=None):
    """Clumps drawn in order (later ones in front); their edges are pen lines
    that thin out towards the roots."""
    out = []
    for s in specs:
        f, st = lock(*s)
        out.append(path(f, fill))
        left, right = st.split(' C ', 2)[0:2], None
        segs = _segments(st)
        l_d = 'M {},{} C {},{} {},{} {},{}'.format(*segs[0][0], *segs[0][1], *segs[0][2], *segs[0][3])
        r_d = 'M {},{} C {},{} {},{} {},{}'.format(*segs[1][3], *segs[1][2], *segs[1][1], *segs[1][0])
        out.append(tapered(l_d, 0.2, sw, fill=stroke))
        out.append(tapered(r_d, 0.2, sw, fill=stroke))
    return out


def _segments(d):
    """Cubic segments [(p0, p1, p2, p3), ...] of an 'M x,y C ... C ...' path."""
    toks = _num.findall(d)
    segs, cur, cmd, nums = [], None, None, []

    def flush():
        nonlocal cur
        if cmd == 'C':
            for k in range(0, len(nums), 6):
                p1, p2, p3 = (nums[k], nums[k + 1]), (nums[k + 2], nums[k + 3]), (nums[k + 4], nums[k + 5])
                segs.append((cur, p1, p2, p3))
                cur = p3
        elif cmd == 'L':
            for k in range(0, len(nums), 2):
                p3 = (nums[k], nums[k + 1])
                segs.append((cur, cur, p3, p3))
                cur = p3
        elif cmd == 'M':
            cur = (nums[0], nums[1])

    for t in toks:
        if t.isalpha():
            flush()
            cmd, nums = t, []
        else:
            nums.append(float(t))
    flush()
    return segs


def _bez(s, t):
    (x0, y0), (x1, y1), (x2, y2), (x3, y3) = s
    u = 1 - t
    return (u ** 3 * x0 + 3 * u * u * t * x1 + 3 * u * t * t * x2 + t ** 3 * x3,
            u ** 3 * y0 + 3 * u * u * t * y1 + 3 * u * t * t * y2 + t ** 3 * y3)


def tapered(d, w0, w1, wmid=None, fill=LINE, n=14, extra=''):
    """A pen line along `d` (M, C, L commands) whose width runs from w0 at the
    start to w1 at the end (through wmid halfway, if given): a filled shape."""
    import math
    pts = []
    for s in _segments(d):
        for k in range(n + (1 if s is _segments(d)[-1] else 0)):
            pts.append(_bez(s, k / n))
    if len(pts) < 2:
        return ''
    # arc-length parameter for the width profile
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
            w = w0 + (w1 - w0) * t
        elif t < 0.5:
            w = w0 + (wmid - w0) * t * 2
        else:
            w = wmid + (w1 - wmid) * (t - 0.5) * 2
        left.append((x + nx * w / 2, y + ny * w / 2))
        right.append((x - nx * w / 2, y - ny * w / 2))
    poly = left + right[::-1]
    dd = 'M ' + ' L '.join(f'{fmt(x)},{fmt(y)}' for x, y in poly) + ' Z'
    # round caps where the line is thick
    for (x, y), w in ((pts[0], w0), (pts[-1], w1)):
        if w > 0.8:
            r = w / 2
            dd += f' M {fmt(x - r)},{fmt(y)} A {fmt(r)},{fmt(r)} 0 1 0 {fmt(x + r)},{fmt(y)} A {fmt(r)},{fmt(r)} 0 1 0 {fmt(x - r)},{fmt(y)} Z'
    return path(dd, fill, extra=extra)


def shine_band(cx, cy, r, thick, a0, a1, n, fill, jag=4.0):
    """A highlight band on the hair along a circle arc, with jagged edges
    that follow the clumps (angles in degrees, 0 = up, clockwise)."""
    import math
    outer, inner = [], []
    for k in range(n * 2 + 1):
        a = math.radians(a0 + (a1 - a0) * k / (n * 2))
        jo = jag if k % 2 else 0.0
        ji = jag if k % 2 == 0 else 0.0
        th = thick * math.sin(math.pi * k / (n * 2)) ** 0.6
        ro, ri = r + th / 2 + jo * 0.4 * th / thick, r - th / 2 - ji * th / thick
        outer.append((cx + ro * math.sin(a), cy - ro * math.cos(a)))
        inner.append((cx + ri * math.sin(a), cy - ri * math.cos(a)))
    # taper the two ends to points
    pts = outer + inner[::-1]
    return path('M ' + ' L '.join(f'{fmt(x)},{fmt(y)}' for x, y in pts) + ' Z', fill,
                extra='stroke-linejoin="round"')
