# Writes map-player.svg (the player's map): fields on a jittered grid, hedges,
# the road, the pond and the trees, placed with a fixed random seed.
#   python3 map_m.py ../map-player.svg
import math, random, sys
f = lambda v: ('%.1f' % v).rstrip('0').rstrip('.')
rnd = random.Random(7)
o = []
A = o.append
A('''<?xml version="1.0" encoding="UTF-8"?>
<!-- The player's map, seen from above: green farmland in gentle hills, with
     hedgerows, a dirt road, a pond and a few groups of trees. 570 x 270 =
     19 x 9 tiles of 30; every tile stays calm and mid-dark so the bright
     markers read on it. -->
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"
     width="570" height="270" viewBox="0 0 570 270">
  <defs>
    <!-- gentle hills: lit relief of soft noise, as shade and light overlays -->
    <filter id="hillShade" x="0" y="0" width="1" height="1" filterUnits="objectBoundingBox"
            color-interpolation-filters="sRGB">
      <feTurbulence type="fractalNoise" baseFrequency="0.008" numOctaves="3" seed="12" result="n"/>
      <feColorMatrix in="n" type="matrix" values="0 0 0 0 0  0 0 0 0 0  0 0 0 0 0  1 0 0 0 0" result="height"/>
      <feDiffuseLighting in="height" surfaceScale="9" diffuseConstant="1" lighting-color="#ffffff" result="lit">
        <feDistantLight azimuth="235" elevation="45"/>
      </feDiffuseLighting>
      <feColorMatrix in="lit" type="matrix"
        values="0 0 0 0 0.08  0 0 0 0 0.14  0 0 0 0 0.04  -1.3 0 0 0 0.95"/>
    </filter>
    <filter id="hillLight" x="0" y="0" width="1" height="1" filterUnits="objectBoundingBox"
            color-interpolation-filters="sRGB">
      <feTurbulence type="fractalNoise" baseFrequency="0.008" numOctaves="3" seed="12" result="n"/>
      <feColorMatrix in="n" type="matrix" values="0 0 0 0 0  0 0 0 0 0  0 0 0 0 0  1 0 0 0 0" result="height"/>
      <feDiffuseLighting in="height" surfaceScale="9" diffuseConstant="1" lighting-color="#ffffff" result="lit">
        <feDistantLight azimuth="235" elevation="45"/>
      </feDiffuseLighting>
      <feColorMatrix in="lit" type="matrix"
        values="0 0 0 0 0.93  0 0 0 0 0.95  0 0 0 0 0.7  1.2 0 0 0 -0.9"/>
    </filter>
    <!-- soft mottling of the grass -->
    <filter id="mottle" x="0" y="0" width="1" height="1" filterUnits="objectBoundingBox">
      <feTurbulence type="fractalNoise" baseFrequency="0.05" numOctaves="3" seed="11" result="n"/>
      <feColorMatrix in="n" type="matrix"
        values="0 0 0 0 0.12  0 0 0 0 0.2  0 0 0 0 0.06  0 0 0 -2.2 1.3"/>
    </filter>
    <filter id="grain" x="0" y="0" width="1" height="1" filterUnits="objectBoundingBox">
      <feTurbulence type="fractalNoise" baseFrequency="0.9" numOctaves="2" seed="3" result="n"/>
      <feColorMatrix in="n" type="matrix"
        values="0 0 0 0 0.1  0 0 0 0 0.12  0 0 0 0 0.05  0 0 0 -2.2 1.25"/>
    </filter>
    <!-- hedgerows: strokes roughened into bushes -->
    <filter id="bushy" x="-0.1" y="-0.1" width="1.2" height="1.2">
      <feTurbulence type="fractalNoise" baseFrequency="0.35" numOctaves="2" seed="6" result="n"/>
      <feDisplacementMap in="SourceGraphic" in2="n" scale="4.5" xChannelSelector="R" yChannelSelector="G"/>
    </filter>
    <filter id="soft" x="-0.1" y="-0.1" width="1.2" height="1.2"><feGaussianBlur stdDeviation="0.9"/></filter>
    <filter id="shadow" x="-0.5" y="-0.5" width="2" height="2"><feGaussianBlur stdDeviation="1.6"/></filter>
    <pattern id="furrowA" width="5" height="5" patternUnits="userSpaceOnUse" patternTransform="rotate(-28)">
      <rect width="5" height="1.8" fill="#2f4a20" opacity="0.2"/>
    </pattern>
    <pattern id="furrowB" width="4.5" height="4.5" patternUnits="userSpaceOnUse" patternTransform="rotate(62)">
      <rect width="4.5" height="1.5" fill="#3b5524" opacity="0.22"/>
    </pattern>
    <pattern id="furrowC" width="6" height="6" patternUnits="userSpaceOnUse" patternTransform="rotate(8)">
      <rect width="6" height="2.2" fill="#f0e6a0" opacity="0.09"/>
    </pattern>
    <pattern id="furrowD" width="4" height="4" patternUnits="userSpaceOnUse" patternTransform="rotate(95)">
      <rect width="4" height="1.4" fill="#4a3f22" opacity="0.16"/>
    </pattern>
    <radialGradient id="crownA" cx="0.36" cy="0.34" r="0.72">
      <stop offset="0" stop-color="#5a7e3b"/>
      <stop offset="0.6" stop-color="#41632f"/>
      <stop offset="1" stop-color="#314c25"/>
    </radialGradient>
    <radialGradient id="crownB" cx="0.36" cy="0.34" r="0.72">
      <stop offset="0" stop-color="#4d7240"/>
      <stop offset="0.6" stop-color="#365a33"/>
      <stop offset="1" stop-color="#284628"/>
    </radialGradient>
  </defs>
''')
A('  <rect width="570" height="270" fill="#5b7c43"/>\n')
cols = [0, 82, 170, 250, 330, 410, 492, 570]
rows = [0, 70, 140, 205, 270]
jit = {}
def pt(i, j):
    if (i, j) not in jit:
        x = cols[i] + (0 if i in (0, len(cols) - 1) else rnd.uniform(-18, 18))
        y = rows[j] + (0 if j in (0, len(rows) - 1) else rnd.uniform(-14, 14))
        jit[(i, j)] = (x, y)
    return jit[(i, j)]
tones = ['#5a7b42', '#62834a', '#56773f', '#688a4c', '#6d8750', '#5f8046', '#537339', '#668748', '#718a4f', '#5e7a40']
fills = ['url(#furrowA)', 'url(#furrowB)', 'url(#furrowC)', 'url(#furrowD)', None, None]
A('  <g id="fields">\n')
for i in range(len(cols) - 1):
    for j in range(len(rows) - 1):
        q = [pt(i, j), pt(i + 1, j), pt(i + 1, j + 1), pt(i, j + 1)]
        d = 'M' + ' L'.join('%s %s' % (f(x), f(y)) for x, y in q) + ' Z'
        A('    <path d="%s" fill="%s"/>\n' % (d, rnd.choice(tones)))
        fl = rnd.choice(fills)
        if fl:
            A('    <path d="%s" fill="%s"/>\n' % (d, fl))
A('  </g>\n')
A('  <rect width="570" height="270" fill="#000" filter="url(#mottle)" opacity="0.5"/>\n')
A('  <rect width="570" height="270" filter="url(#hillShade)" opacity="0.8"/>\n')
A('  <rect width="570" height="270" filter="url(#hillLight)" opacity="0.5"/>\n')
# hedges
edges = []
for i in range(1, len(cols) - 1):
    for j in range(len(rows) - 1):
        edges.append((pt(i, j), pt(i, j + 1)))
for i in range(len(cols) - 1):
    for j in range(1, len(rows) - 1):
        edges.append((pt(i, j), pt(i + 1, j)))
hedges = [e for e in edges if rnd.random() < 0.5]
def qpath(a, b):
    mx, my = (a[0] + b[0]) / 2 + rnd.uniform(-3, 3), (a[1] + b[1]) / 2 + rnd.uniform(-3, 3)
    return 'M%s %s Q%s %s %s %s' % (f(a[0]), f(a[1]), f(mx), f(my), f(b[0]), f(b[1]))
paths = [qpath(a, b) for a, b in hedges]
A('  <g id="hedges" fill="none" stroke-linecap="round" filter="url(#bushy)">\n')
for d in paths:
    A('    <path d="%s" stroke="#2c4322" stroke-width="4.2" opacity="0.5" transform="translate(1.2 1.5)"/>\n' % d)
for d in paths:
    A('    <path d="%s" stroke="#45643a" stroke-width="3.4" opacity="0.85"/>\n' % d)
for d in paths:
    A('    <path d="%s" stroke="#5e8247" stroke-width="1.2" opacity="0.6" transform="translate(-0.6 -0.7)"/>\n' % d)
A('  </g>\n')
# plain field boundaries where there is no hedge: a faint line
A('  <g fill="none" stroke="#3d5a2c" stroke-width="1" opacity="0.35">\n')
for a, b in edges:
    if (a, b) not in hedges:
        A('    <path d="M%s %s L%s %s"/>\n' % (f(a[0]), f(a[1]), f(b[0]), f(b[1])))
A('  </g>\n')
road = 'M-10 212 C 70 205, 120 170, 185 168 S 300 190, 360 150 S 470 70, 580 58'
A('''  <g id="road" fill="none" stroke-linecap="round">
    <path d="%(r)s" stroke="#4a5c33" stroke-width="16" opacity="0.5" filter="url(#soft)"/>
    <path d="%(r)s" stroke="#7e7754" stroke-width="11"/>
    <path d="%(r)s" stroke="#8d8561" stroke-width="6" opacity="0.8"/>
    <path d="%(r)s" stroke="#6a6546" stroke-width="1.2" stroke-dasharray="7 9" opacity="0.7" transform="translate(0 -2.5)"/>
    <path d="%(r)s" stroke="#6a6546" stroke-width="1.2" stroke-dasharray="5 11" opacity="0.7" transform="translate(0 2.5)"/>
  </g>
''' % dict(r=road))
A('''  <g id="pond">
    <path d="M430 205 C 440 190, 470 188, 482 200 S 478 232, 456 234 S 422 222, 430 205 Z" fill="#3f5f3a" filter="url(#soft)"/>
    <path d="M434 206 C 443 194, 468 193, 478 203 S 474 228, 456 229 S 427 220, 434 206 Z" fill="#4b6a66"/>
    <path d="M437 208 C 446 198, 466 198, 474 205" fill="none" stroke="#3a5550" stroke-width="2" opacity="0.6"/>
    <path d="M446 222 C 455 226, 466 224, 472 216" fill="none" stroke="#6a8683" stroke-width="1.3" opacity="0.5"/>
  </g>
''')
# trees: groups and single trees along hedges
groups = [(60, 55, 5), (250, 35, 4), (150, 245, 6), (330, 110, 3), (520, 150, 5), (395, 252, 3), (545, 18, 3), (20, 140, 3), (470, 235, 2)]
trees = []
for gx, gy, n in groups:
    for k in range(n):
        trees.append((gx + rnd.uniform(-16, 16), gy + rnd.uniform(-10, 10), rnd.uniform(5, 8.5)))
for a, b in rnd.sample(hedges, min(6, len(hedges))):
    t = rnd.uniform(0.2, 0.8)
    trees.append((a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, rnd.uniform(4.5, 6.5)))
trees.sort(key=lambda t: t[1])
A('  <g id="trees">\n')
for x, y, r in trees:
    A('    <circle cx="%s" cy="%s" r="%s" fill="#223618" opacity="0.55" filter="url(#shadow)"/>\n' % (f(x + 2.5), f(y + 3), f(r)))
for x, y, r in trees:
    g = rnd.choice(['crownA', 'crownB'])
    A('    <circle cx="%s" cy="%s" r="%s" fill="url(#%s)"/>\n' % (f(x), f(y), f(r), g))
    # a few leaf clumps on the crown
    for _ in range(3):
        a = rnd.uniform(0, 6.28); rr = r * rnd.uniform(0.25, 0.55)
        A('    <circle cx="%s" cy="%s" r="%s" fill="#5f8445" opacity="0.35"/>\n' % (f(x + rr * math.cos(a) - r * 0.2), f(y + rr * math.sin(a) - r * 0.2), f(r * 0.35)))
A('  </g>\n')
A('  <rect width="570" height="270" fill="#000" filter="url(#grain)" opacity="0.45"/>\n</svg>\n')
open(sys.argv[1], 'w').write(''.join(o))
