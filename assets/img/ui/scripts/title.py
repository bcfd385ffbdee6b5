# Writes title-back.svg: the command room, the table map in perspective, the
# logo (outlines of DejaVu Serif Bold, needs python3-fonttools) and the console.
#   python3 title.py ../title-back.svg
import sys, math, random
import os
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from glyphs import text_path
f = lambda v: ('%.2f' % v).rstrip('0').rstrip('.')
rnd = random.Random(5)
def smooth_closed(pts):
    # Catmull-Rom through the points, as cubic Beziers
    n = len(pts)
    d = 'M%s %s' % (f(pts[0][0]), f(pts[0][1]))
    for i in range(n):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[(i + 1) % n], pts[(i + 2) % n]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d += ' C%s %s %s %s %s %s' % (f(c1[0]), f(c1[1]), f(c2[0]), f(c2[1]), f(p2[0]), f(p2[1]))
    return d + ' Z'
def blob_pts(cu, cv, ru, rv, n=14, jit=0.25, seed=None):
    r2 = random.Random(seed)
    pts = []
    for k in range(n):
        a = 2 * math.pi * k / n
        r = 1 + r2.uniform(-jit, jit)
        pts.append((cu + ru * r * math.cos(a), cv + rv * r * math.sin(a)))
    return pts
o = []
A = o.append
A('''<?xml version="1.0" encoding="UTF-8"?>
<!-- Title screen background, 800 x 600. Left: the command room at night, a
     lamp over the map table, and the logo. Right: the console on which the
     program places its buttons and check boxes: the character buttons at
     x 523, y 183 / 245 / 306 (264 x 58) inside one brass frame, the greyed
     CG Mode bar at (523, 413) where the gallery button appears, the switch
     labels right of the check boxes at (540, 475), (667, 477), (541, 522), and
     the quit button at (523, 551). The logo letters are outlines of DejaVu
     Serif Bold, so the picture does not depend on installed Latin fonts. -->
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"
     width="800" height="600" viewBox="0 0 800 600">
  <defs>
    <linearGradient id="wall" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#0c1426"/>
      <stop offset="0.55" stop-color="#121d33"/>
      <stop offset="1" stop-color="#0a1020"/>
    </linearGradient>
    <linearGradient id="console" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#17233b"/>
      <stop offset="1" stop-color="#0d1628"/>
    </linearGradient>
    <linearGradient id="brass" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#f0d595"/>
      <stop offset="0.45" stop-color="#b38f4c"/>
      <stop offset="1" stop-color="#6b5428"/>
    </linearGradient>
    <linearGradient id="brassV" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#f0d595"/>
      <stop offset="0.5" stop-color="#b38f4c"/>
      <stop offset="1" stop-color="#6b5428"/>
    </linearGradient>
    <filter id="brushed" x="0" y="0" width="1" height="1" filterUnits="objectBoundingBox">
      <feTurbulence type="fractalNoise" baseFrequency="0.004 0.5" numOctaves="2" seed="8" result="n"/>
      <feColorMatrix in="n" type="matrix"
        values="0 0 0 0 0.55  0 0 0 0 0.62  0 0 0 0 0.75  0 0 0 -1.4 0.95"/>
    </filter>
    <filter id="blur2" x="-0.2" y="-0.2" width="1.4" height="1.4"><feGaussianBlur stdDeviation="2"/></filter>
    <filter id="blur6" x="-0.3" y="-0.3" width="1.6" height="1.6"><feGaussianBlur stdDeviation="6"/></filter>
    <filter id="glow" x="-0.2" y="-0.2" width="1.4" height="1.4">
      <feGaussianBlur stdDeviation="1.6" result="b"/>
      <feMerge><feMergeNode in="b"/><feMergeNode in="SourceGraphic"/></feMerge>
    </filter>
    <filter id="logoShadow" x="-0.1" y="-0.2" width="1.2" height="1.6">
      <feGaussianBlur in="SourceAlpha" stdDeviation="4" result="b"/>
      <feOffset in="b" dx="3" dy="5" result="o"/>
      <feFlood flood-color="#000000" flood-opacity="0.75"/>
      <feComposite in2="o" operator="in" result="s"/>
      <feMerge><feMergeNode in="s"/><feMergeNode in="SourceGraphic"/></feMerge>
    </filter>
    <linearGradient id="metal" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#fffaf0"/>
      <stop offset="0.38" stop-color="#e9dcc0"/>
      <stop offset="0.5" stop-color="#b39862"/>
      <stop offset="0.62" stop-color="#d8c08a"/>
      <stop offset="1" stop-color="#f6e7bf"/>
    </linearGradient>
    <radialGradient id="lampLight" cx="0.5" cy="0.5" r="0.5">
      <stop offset="0" stop-color="#ffcf7a" stop-opacity="0.32"/>
      <stop offset="0.5" stop-color="#ffb04a" stop-opacity="0.12"/>
      <stop offset="1" stop-color="#ffb04a" stop-opacity="0"/>
    </radialGradient>
    <radialGradient id="screenGlow" cx="0.5" cy="0.5" r="0.6">
      <stop offset="0" stop-color="#163d3a"/>
      <stop offset="1" stop-color="#0a1a22"/>
    </radialGradient>
    <radialGradient id="vignette" cx="0.5" cy="0.45" r="0.75">
      <stop offset="0.55" stop-color="#000" stop-opacity="0"/>
      <stop offset="1" stop-color="#000" stop-opacity="0.65"/>
    </radialGradient>
    <radialGradient id="scope" cx="0.5" cy="0.5" r="0.5">
      <stop offset="0" stop-color="#143a2c"/>
      <stop offset="1" stop-color="#081812"/>
    </radialGradient>
    <linearGradient id="sweep" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="#6cf0a0" stop-opacity="0"/>
      <stop offset="1" stop-color="#6cf0a0" stop-opacity="0.55"/>
    </linearGradient>
    <clipPath id="leftArt"><rect width="506" height="600"/></clipPath>
    <clipPath id="screenClip"><rect x="52" y="176" width="400" height="150" rx="6"/></clipPath>
    <clipPath id="scopeClip"><circle cx="655" cy="78" r="50"/></clipPath>
  </defs>

  <rect width="800" height="600" fill="#0a1020"/>

  <!-- ============ the command room ============ -->
  <g clip-path="url(#leftArt)">
    <rect width="506" height="600" fill="url(#wall)"/>
    <g stroke="#1d2a44" stroke-width="1.2" opacity="0.8">
''')
for x in range(42, 506, 84):
    A('      <path d="M%d 150 V350"/>\n' % x)
A('''      <path d="M0 150.5 H506 M0 350.5 H506"/>
    </g>
    <!-- the wall screen with the theatre of operations -->
    <rect x="46" y="170" width="412" height="162" rx="9" fill="#05080f"/>
    <rect x="48.5" y="172.5" width="407" height="157" rx="7.5" fill="none" stroke="url(#brass)" stroke-width="1.2"/>
    <rect x="52" y="176" width="400" height="150" rx="6" fill="url(#screenGlow)"/>
    <g clip-path="url(#screenClip)">
      <g stroke="#3fae86" stroke-width="0.6" opacity="0.35">
''')
for x in range(52, 452, 20):
    A('        <path d="M%d 176 V326"/>\n' % x)
for y in range(186, 326, 20):
    A('        <path d="M52 %d H452"/>\n' % y)
A('''      </g>
''')
ISLANDS = [(0.62, 0.45, 0.27, 0.32, 3), (0.24, 0.8, 0.2, 0.19, 8), (0.8, 0.14, 0.1, 0.1, 5)]
def scr(u, v):
    return 64 + u * 376, 182 + v * 138
for cu, cv, ru, rv, seed in ISLANDS:
    pts = blob_pts(cu, cv, ru, rv, seed=seed)
    A('      <path d="%s" fill="#1f5a45" opacity="0.6"/>\n' % smooth_closed([scr(u, v) for u, v in pts]))
    A('      <path d="%s" fill="none" stroke="#7df0b8" stroke-width="1.3" opacity="0.85" filter="url(#glow)"/>\n' % smooth_closed([scr(u, v) for u, v in pts]))
    for sh in (0.65,):
        A('      <path d="%s" fill="none" stroke="#7df0b8" stroke-width="0.7" opacity="0.35"/>\n' % smooth_closed([scr(cu + (u - cu) * sh, cv + (v - cv) * sh) for u, v in pts]))
tx, ty = scr(0.58, 0.38)
A('      <g fill="none" stroke="#7df0b8" opacity="0.45" stroke-width="1">\n')
A('        <circle cx="%s" cy="%s" r="16"/><circle cx="%s" cy="%s" r="30"/><circle cx="%s" cy="%s" r="44" stroke-dasharray="4 4"/>\n' % (f(tx), f(ty), f(tx), f(ty), f(tx), f(ty)))
A('      </g>\n')
rx_, ry_ = scr(0.82, 0.3)
A('      <path d="M%s %s Q %s %s %s %s" fill="none" stroke="#ff6f96" stroke-width="1.4" stroke-dasharray="5 4" opacity="0.85"/>\n' % (f(rx_), f(ry_), f((rx_ + tx) / 2), f(ty - 40), f(tx), f(ty)))
A('      <g filter="url(#glow)">\n')
A('        <path d="M%s %s l4 -4 4 4 -4 4 z" fill="#ffd36b"/>\n' % (f(tx - 4), f(ty)))
for u, v, col in [(0.66, 0.5, '#7ee05a'), (0.48, 0.55, '#7ee05a'), (0.36, 0.66, '#ffd36b')]:
    x, y = scr(u, v)
    A('        <rect x="%s" y="%s" width="6" height="6" fill="%s"/>\n' % (f(x - 3), f(y - 3), col))
for u, v in [(0.82, 0.3), (0.77, 0.62)]:
    x, y = scr(u, v)
    A('        <path d="M%s %s l4 7 h-8 z" fill="#ff6f96"/>\n' % (f(x), f(y - 4)))
A('      </g>\n')
A('      <g font-family="DejaVu Sans" font-weight="bold" font-size="8" fill="#7df0b8" opacity="0.7">\n')
A('        <text x="60" y="190">SECTOR 7</text><text x="444" y="320" text-anchor="end">GRID 19 × 9</text>\n')
A('      </g>\n')
A('''      <rect x="52" y="176" width="400" height="150" fill="#ffffff" opacity="0.03"/>
      <path d="M52 176 L200 176 L120 326 L52 326 Z" fill="#ffffff" opacity="0.035"/>
    </g>
''')
# ---- the map table in perspective ----
# table top: far edge y=372 (x 100..406), near edge y=600+ (x -30..536)
def proj(u, v):
    # u in [0,1] across, v in [0,1] from far (0) to near (1); simple perspective
    fy, ny = 368.0, 640.0
    t = v / (v + (1 - v) * 2.4)      # depth foreshortening
    y = fy + (ny - fy) * t
    half_far, half_near = 150.0, 300.0
    half = half_far + (half_near - half_far) * t
    return 253 + (u - 0.5) * 2 * half, y
def poly(pts):
    return 'M' + ' L'.join('%s %s' % (f(x), f(y)) for x, y in pts) + ' Z'
rim = [proj(-0.04, -0.03), proj(1.04, -0.03), proj(1.04, 1), proj(-0.04, 1)]
top = [proj(0, 0), proj(1, 0), proj(1, 1), proj(0, 1)]
A('    <!-- the map table -->\n')
A('    <ellipse cx="253" cy="600" rx="300" ry="70" fill="#000" opacity="0.5" filter="url(#blur6)"/>\n')
A('    <path d="%s" fill="#3a2a16"/>\n' % poly(rim))
A('    <path d="%s" fill="none" stroke="url(#brassV)" stroke-width="2"/>\n' % poly(rim))
A('    <path d="%s" fill="#2c4a35"/>\n' % poly(top))
# land masses on the table map (in u,v)
def blob(cu, cv, ru, rv, n=14, jit=0.25, seed=1, shrink=1.0):
    pts = blob_pts(cu, cv, ru, rv, n, jit, seed)
    pts = [(cu + (u - cu) * shrink, cv + (v - cv) * shrink) for u, v in pts]
    return smooth_closed([proj(u, v) for u, v in pts])
A('    <path d="%s" fill="#173442"/>\n' % poly(top))
for k, (cu, cv, ru, rv, col, seed) in enumerate([(0.62, 0.45, 0.27, 0.32, '#4f6a3a', 3), (0.24, 0.8, 0.2, 0.19, '#5a6e3c', 8), (0.8, 0.14, 0.1, 0.1, '#66704a', 5)]):
    A('    <path d="%s" fill="#2a5562" opacity="0.8"/>\n' % blob(cu, cv, ru, rv, seed=seed, shrink=1.12))
    A('    <path d="%s" fill="%s"/>\n' % (blob(cu, cv, ru, rv, seed=seed), col))
    A('    <path d="%s" fill="none" stroke="#c9d59a" stroke-width="1" opacity="0.45"/>\n' % blob(cu, cv, ru, rv, seed=seed))
    for sh in (0.7, 0.45):
        A('    <path d="%s" fill="none" stroke="#2f4526" stroke-width="0.8" opacity="0.55"/>\n' % blob(cu, cv, ru, rv, seed=seed, shrink=sh))
# grid lines on the table map
A('    <g stroke="#d9b56a" stroke-width="0.8" opacity="0.45">\n')
for k in range(0, 13):
    u = k / 12
    a, b = proj(u, 0), proj(u, 1)
    A('      <path d="M%s %s L%s %s"/>\n' % (f(a[0]), f(a[1]), f(b[0]), f(b[1])))
for k in range(0, 9):
    v = k / 8
    a, b = proj(0, v), proj(1, v)
    A('      <path d="M%s %s L%s %s"/>\n' % (f(a[0]), f(a[1]), f(b[0]), f(b[1])))
A('    </g>\n')
# pieces on the table: little blocks with shadows
def piece(u, v, col, top_col, h=9):
    x, y = proj(u, v)
    x2, y2 = proj(u + 0.035, v)
    w = x2 - x
    s = 0.6 + 0.6 * (y - 368) / 232
    w = max(w, 7)
    hh = h * s
    out = '    <g>\n'
    out += '      <ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#000" opacity="0.45"/>\n' % (f(x + w / 2 + 2), f(y + 1), f(w * 0.7), f(w * 0.25))
    out += '      <rect x="%s" y="%s" width="%s" height="%s" fill="%s" stroke="#1a1208" stroke-width="0.8"/>\n' % (f(x), f(y - hh), f(w), f(hh), col)
    out += '      <path d="M%s %s l%s %s h%s l%s %s z" fill="%s" stroke="#1a1208" stroke-width="0.8"/>\n' % (f(x), f(y - hh), f(w * 0.25), f(-w * 0.3), f(w), f(-w * 0.25), f(w * 0.3), top_col)
    out += '    </g>\n'
    return out
A(piece(0.58, 0.38, '#c9961c', '#ffd84a'))
A(piece(0.66, 0.5, '#4d9a2c', '#8be05c'))
A(piece(0.48, 0.55, '#4d9a2c', '#8be05c'))
A(piece(0.36, 0.66, '#c9961c', '#ffd84a', 11))
A(piece(0.82, 0.3, '#a8283e', '#ff5f86'))
A(piece(0.77, 0.62, '#a8283e', '#ff5f86', 10))
# a sheet of orders and a pencil on the near left corner
A('''    <g transform="translate(78 528) rotate(-14)">
      <rect x="-2" y="3" width="96" height="70" fill="#000" opacity="0.45" filter="url(#blur2)"/>
      <rect x="-6" y="-4" width="96" height="70" fill="#cfc6ad" transform="rotate(5)"/>
      <rect x="0" y="0" width="96" height="70" fill="#ece4cc"/>
      <g stroke="#8a8270" stroke-width="1.2" opacity="0.8">
        <path d="M10 14 H70 M10 23 H82 M10 32 H78 M10 41 H60 M10 50 H74"/>
      </g>
      <rect x="58" y="38" width="28" height="22" rx="2" fill="none" stroke="#b8282a" stroke-width="2" opacity="0.75" transform="rotate(-12 72 49)"/>
      <path d="M63 50 H81" stroke="#b8282a" stroke-width="2.5" opacity="0.75" transform="rotate(-12 72 49)"/>
    </g>
    <g transform="translate(150 560) rotate(-32)">
      <rect x="2" y="3" width="80" height="6" fill="#000" opacity="0.4" filter="url(#blur2)"/>
      <rect x="0" y="0" width="70" height="6" fill="#e0a93a" stroke="#4a3210" stroke-width="0.8"/>
      <path d="M0 2 H70" stroke="#f3cd72" stroke-width="1.2"/>
      <rect x="-8" y="0" width="8" height="6" fill="#b8b4aa" stroke="#4a3210" stroke-width="0.8"/>
      <path d="M70 0 L82 3 L70 6 Z" fill="#e8d0a8" stroke="#4a3210" stroke-width="0.8"/>
      <path d="M78 2 L82 3 L78 4 Z" fill="#2a2016"/>
    </g>
''')
# a mug with steam on the near right corner
mx, my = 430, 520
A('''    <g id="mug">
      <ellipse cx="%(x)s" cy="%(yb)s" rx="24" ry="7" fill="#000" opacity="0.5" filter="url(#blur2)"/>
      <path d="M%(l)s %(t)s V%(b)s Q%(x)s %(bb)s %(r)s %(b)s V%(t)s Z" fill="#d9d2c0" stroke="#2a2016" stroke-width="1.2"/>
      <path d="M%(r)s %(h1)s q14 0 14 11 q0 11 -14 11" fill="none" stroke="#d9d2c0" stroke-width="5"/>
      <path d="M%(r)s %(h1)s q14 0 14 11 q0 11 -14 11" fill="none" stroke="#2a2016" stroke-width="1" transform="translate(0 0)" opacity="0.6"/>
      <ellipse cx="%(x)s" cy="%(t)s" rx="%(rx)s" ry="5" fill="#3b2314" stroke="#2a2016" stroke-width="1.2"/>
      <path d="M%(l)s %(st)s H%(r)s" stroke="#b38f4c" stroke-width="3"/>
      <g fill="none" stroke="#f4efe4" stroke-width="2.2" stroke-linecap="round" opacity="0.35" filter="url(#blur2)">
        <path d="M%(s1)s %(t2)s q-7 -10 0 -20 q7 -10 0 -20"/>
        <path d="M%(s2)s %(t2)s q7 -10 0 -20 q-7 -10 0 -22"/>
      </g>
    </g>
''' % dict(x=mx, yb=my + 36, l=mx - 17, r=mx + 17, t=my, b=my + 30, bb=my + 38, h1=my + 6, rx=17, st=my + 20, s1=mx - 5, s2=mx + 6, t2=my - 6))
A('''    <!-- the lamp's warm pool of light on the table -->
    <ellipse cx="253" cy="455" rx="260" ry="150" fill="url(#lampLight)"/>
    <path d="M200 0 L306 0 L470 470 L36 470 Z" fill="#ffd890" opacity="0.035"/>
    <rect width="506" height="600" fill="url(#vignette)"/>
  </g>
''')
# ---- logo ----
d, w, boxes = text_path('/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf', 'Vantrel', 104, 0, 0, spacing=2)
lx = 253 - w / 2
ly = 122
A('''  <!-- the logo -->
  <g transform="translate(%s %s)">
    <path d="M10 18 H%s" stroke="url(#brass)" stroke-width="2.5"/>
    <path d="M10 24 H%s" stroke="#6b5428" stroke-width="1"/>
    <g filter="url(#logoShadow)">
      <path d="%s" fill="none" stroke="#120c04" stroke-width="9" stroke-linejoin="round"/>
      <path d="%s" fill="none" stroke="url(#brassV)" stroke-width="4.5" stroke-linejoin="round"/>
      <path d="%s" fill="url(#metal)"/>
    </g>
    <path d="%s" fill="#ffffff" opacity="0.18" clip-path="url(#logoTop)"/>
  </g>
  <clipPath id="logoTop"><rect x="-50" y="-110" width="600" height="58"/></clipPath>
  <text x="253" y="160" text-anchor="middle" font-family="DejaVu Sans" font-weight="bold" font-size="13"
        letter-spacing="6" fill="#d9b56a">TACTICAL  COMMAND</text>
''' % (f(lx), f(ly), f(w - 10), f(w - 10), d, d, d, d))
# ---- right console ----
A('''
  <!-- ============ the console ============ -->
  <rect x="506" width="294" height="600" fill="url(#console)"/>
  <rect x="506" width="294" height="600" fill="#000" filter="url(#brushed)" opacity="0.22"/>
  <rect x="503" width="3" height="600" fill="#03060c"/>
  <rect x="506" width="1.5" height="600" fill="url(#brassV)"/>

  <!-- radar scope -->
  <circle cx="655" cy="78" r="58" fill="#03060c"/>
  <circle cx="655" cy="78" r="55" fill="none" stroke="url(#brass)" stroke-width="4"/>
  <circle cx="655" cy="78" r="50" fill="url(#scope)"/>
  <g clip-path="url(#scopeClip)">
    <g fill="none" stroke="#3fae86" stroke-width="0.8" opacity="0.6">
      <circle cx="655" cy="78" r="16"/><circle cx="655" cy="78" r="32"/><circle cx="655" cy="78" r="48"/>
      <path d="M605 78 H705 M655 28 V128"/>
    </g>
    <path d="M655 78 L705 78 A50 50 0 0 0 690.36 42.64 Z" fill="url(#sweep)" transform="rotate(-25 655 78)"/>
    <path d="M655 78 L700.3 56.9" stroke="#a8ffd0" stroke-width="1.4" opacity="0.9"/>
    <g filter="url(#glow)">
      <circle cx="683" cy="60" r="2.4" fill="#ffd36b"/>
      <circle cx="632" cy="101" r="2" fill="#ffd36b" opacity="0.7"/>
      <circle cx="671" cy="110" r="1.8" fill="#6cf0a0" opacity="0.8"/>
    </g>
  </g>
  <g fill="#b38f4c">
    <circle cx="586" cy="78" r="2.5"/><circle cx="724" cy="78" r="2.5"/>
  </g>
  <path d="M540 78 H580 M730 78 H770" stroke="#3a4a66" stroke-width="1"/>

  <!-- the prompt above the character buttons -->
  <path d="M523 145.5 H788" stroke="#3a4a66" stroke-width="1"/>
  <g fill="#ffb13b"><path d="M527 162 l5 -5 5 5 -5 5 z"/><path d="M773 162 l5 -5 5 5 -5 5 z"/></g>
  <text x="655.5" y="169" text-anchor="middle" font-family="IPAPGothic" font-weight="bold" font-size="17"
        fill="#000000" opacity="0.7" transform="translate(1 1)">対戦相手を選んでください</text>
  <text x="655.5" y="169" text-anchor="middle" font-family="IPAPGothic" font-weight="bold" font-size="17"
        fill="#fff6d8">対戦相手を選んでください</text>

  <!-- the frame of the three character buttons -->
  <rect x="517" y="177" width="277" height="193" rx="4" fill="#03060c"/>
  <rect x="519.5" y="179.5" width="272" height="188" rx="3" fill="none" stroke="url(#brassV)" stroke-width="1.2"/>
  <rect x="521" y="181" width="269" height="185" fill="#070c18"/>

  <!-- SYSTEM -->
  <text x="525" y="398" font-family="DejaVu Sans" font-weight="bold" font-size="14" letter-spacing="4"
        fill="#ffb13b">SYSTEM</text>
  <path d="M612 392.5 H788" stroke="url(#brass)" stroke-width="1.2"/>
  <path d="M612 395.5 H760" stroke="#3a4a66" stroke-width="1"/>

  <!-- the greyed CG Mode bar: the gallery button covers it once it is earned -->
  <g transform="translate(523 413)">
    <rect width="265" height="44" fill="#03060c"/>
    <rect x="1" y="1" width="263" height="42" rx="4" fill="#4a4e56"/>
    <rect x="3" y="3" width="259" height="38" rx="3" fill="#23272f"/>
    <rect x="3.5" y="3.5" width="258" height="17" rx="3" fill="#ffffff" opacity="0.05"/>
    <text x="133" y="30.5" text-anchor="middle" font-family="DejaVu Sans" font-weight="bold" font-size="22"
          fill="#575c66">CG Mode</text>
    <g transform="translate(40 22)" fill="none" stroke="#575c66" stroke-width="2">
      <rect x="-6" y="-2" width="12" height="9" rx="1.5" fill="#575c66" stroke="none"/>
      <path d="M-3.5 -2 V-5 A3.5 3.5 0 0 1 3.5 -5 V-2"/>
    </g>
    <g transform="translate(225 22)" fill="none" stroke="#575c66" stroke-width="2">
      <rect x="-6" y="-2" width="12" height="9" rx="1.5" fill="#575c66" stroke="none"/>
      <path d="M-3.5 -2 V-5 A3.5 3.5 0 0 1 3.5 -5 V-2"/>
    </g>
  </g>

  <!-- the switches: labels right of the program's check boxes -->
  <rect x="519" y="464" width="273" height="77" rx="4" fill="#03060c"/>
  <rect x="521.5" y="466.5" width="268" height="72" rx="3" fill="#0a1224" stroke="#2c3b57" stroke-width="1"/>
  <g fill="#03060c" stroke="#5b6f92" stroke-width="1">
    <rect x="537.5" y="472.5" width="18" height="18" rx="2"/>
    <rect x="664.5" y="474.5" width="16" height="15" rx="2"/>
    <rect x="538.5" y="519.5" width="18" height="17" rx="2"/>
  </g>
  <g font-family="DejaVu Sans" font-weight="bold" font-size="12" fill="#f0ead8">
    <text x="561" y="486.5">SE OFF</text>
    <text x="686" y="487">BGM OFF</text>
    <text x="562" y="533">SMOOTH SCROLL</text>
  </g>
  <path d="M531 507.5 H780" stroke="#2c3b57" stroke-width="1"/>

  <!-- under the quit button -->
  <rect x="519" y="548" width="273" height="50" rx="4" fill="#03060c"/>
</svg>
''')
open(sys.argv[1], 'w').write(''.join(o))
