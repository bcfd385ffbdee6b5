# Writes map-computer.svg (the computer's map): the lit dune relief, gravel
# flats and rocks, placed with a fixed random seed.
#   python3 map_e.py ../map-computer.svg
import math, random, sys
f = lambda v: ('%.1f' % v).rstrip('0').rstrip('.')
rnd = random.Random(21)
o = []
A = o.append
A('''<?xml version="1.0" encoding="UTF-8"?>
<!-- The computer's map, seen from above: a cold, foreign dune field under a
     pale moon, with patches of dark gravel and scattered rocks. The dunes are
     a lit relief of ridged noise (filter "dunes"). 570 x 270 = 19 x 9 tiles of
     30; the ground stays mid-dark and calm so the bright markers read. -->
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"
     width="570" height="270" viewBox="0 0 570 270">
  <defs>
    <filter id="dunes" x="0" y="0" width="1" height="1" filterUnits="objectBoundingBox"
            color-interpolation-filters="sRGB">
      <feTurbulence type="fractalNoise" baseFrequency="0.005 0.016" numOctaves="3" seed="4" result="n"/>
      <!-- folding the noise makes sharp crests -->
      <feComponentTransfer in="n" result="ridged"><feFuncR type="table" tableValues="0 1 0 1 0"/></feComponentTransfer>
      <feColorMatrix in="ridged" type="matrix" values="0 0 0 0 0  0 0 0 0 0  0 0 0 0 0  1 0 0 0 0" result="height"/>
      <feDiffuseLighting in="height" surfaceScale="4" diffuseConstant="1.1" lighting-color="#ffffff">
        <feDistantLight azimuth="250" elevation="38"/>
      </feDiffuseLighting>
      <feComponentTransfer>
        <feFuncR type="table" tableValues="0.27 0.36 0.47 0.545 0.58"/>
        <feFuncG type="table" tableValues="0.29 0.36 0.455 0.51 0.535"/>
        <feFuncB type="table" tableValues="0.41 0.43 0.46 0.46 0.46"/>
      </feComponentTransfer>
    </filter>
    <!-- broad patches of colder and warmer sand -->
    <filter id="tint" x="0" y="0" width="1" height="1" filterUnits="objectBoundingBox">
      <feTurbulence type="fractalNoise" baseFrequency="0.008" numOctaves="2" seed="17" result="n"/>
      <feColorMatrix in="n" type="matrix"
        values="0 0 0 0 0.30  0 0 0 0 0.33  0 0 0 0 0.52  2.2 0 0 0 -1.0"/>
    </filter>
    <!-- dark gravel flats where the rocks lie -->
    <filter id="gravel" x="-0.3" y="-0.3" width="1.6" height="1.6">
      <feTurbulence type="fractalNoise" baseFrequency="0.9" numOctaves="1" seed="2" result="n"/>
      <feColorMatrix in="n" type="matrix"
        values="0 0 0 0 0.22  0 0 0 0 0.23  0 0 0 0 0.28  0 0 0 -3 1.9" result="grain"/>
      <feGaussianBlur in="SourceGraphic" stdDeviation="9" result="soft"/>
      <feComposite in="grain" in2="soft" operator="in" result="g"/>
      <feMerge><feMergeNode in="soft"/><feMergeNode in="g"/></feMerge>
    </filter>
    <filter id="grain" x="0" y="0" width="1" height="1" filterUnits="objectBoundingBox">
      <feTurbulence type="fractalNoise" baseFrequency="1.1" numOctaves="1" seed="9" result="n"/>
      <feColorMatrix in="n" type="matrix"
        values="0 0 0 0 0.2  0 0 0 0 0.2  0 0 0 0 0.24  0 0 0 -2.4 1.35"/>
    </filter>
    <filter id="rockShadow" x="-0.5" y="-0.5" width="2" height="2"><feGaussianBlur stdDeviation="1.2"/></filter>
    <pattern id="ripples" width="7" height="3.5" patternUnits="userSpaceOnUse" patternTransform="rotate(-6) skewX(25)">
      <path d="M0 1.75 Q1.75 0.6 3.5 1.75 T7 1.75" fill="none" stroke="#4c5068" stroke-width="0.7" opacity="0.22"/>
    </pattern>
    <linearGradient id="rock" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#8a8a90"/>
      <stop offset="0.5" stop-color="#66676f"/>
      <stop offset="1" stop-color="#45464f"/>
    </linearGradient>
  </defs>

  <rect width="570" height="270" filter="url(#dunes)"/>
  <rect width="570" height="270" filter="url(#tint)" opacity="0.22"/>
  <rect width="570" height="270" fill="url(#ripples)"/>
  <g id="gravel-flats" fill="#4a4b55" opacity="0.55" filter="url(#gravel)">
''')
clusters = [(70, 120, 5, 34, 20), (220, 42, 4, 30, 16), (300, 214, 6, 40, 22), (462, 96, 5, 34, 20), (528, 232, 3, 26, 14), (132, 248, 2, 20, 10), (395, 22, 2, 22, 10), (26, 30, 2, 18, 10)]
for cx, cy, k, rx, ry in clusters:
    A('    <ellipse cx="%s" cy="%s" rx="%s" ry="%s" transform="rotate(%s %s %s)"/>\n' % (cx, cy, rx, ry, f(rnd.uniform(-20, 20)), cx, cy))
A('  </g>\n  <g id="rocks">\n')
rocks = []
for cx, cy, k, rx, ry in clusters:
    for _ in range(k):
        rocks.append((cx + rnd.uniform(-rx * 0.6, rx * 0.6), cy + rnd.uniform(-ry * 0.6, ry * 0.6), rnd.uniform(2.5, 7)))
    for _ in range(k * 3):  # pebbles
        rocks.append((cx + rnd.uniform(-rx * 0.8, rx * 0.8), cy + rnd.uniform(-ry * 0.8, ry * 0.8), rnd.uniform(0.8, 1.6)))
rocks.sort(key=lambda r: r[1])
for x, y, r in rocks:
    m = 7 if r > 2 else 5
    pts = []
    for j in range(m):
        a = 2 * math.pi * j / m + rnd.uniform(-0.25, 0.25)
        rr = r * rnd.uniform(0.7, 1.1)
        pts.append((x + rr * math.cos(a), y + rr * 0.8 * math.sin(a)))
    d = 'M' + ' L'.join('%s %s' % (f(px), f(py)) for px, py in pts) + ' Z'
    if r > 2:
        A('    <path d="%s" fill="#23252e" opacity="0.55" filter="url(#rockShadow)" transform="translate(%s %s)"/>\n' % (d, f(r * 0.45), f(r * 0.35)))
        A('    <path d="%s" fill="url(#rock)" stroke="#3a3b44" stroke-width="0.7" stroke-linejoin="round"/>\n' % d)
    else:
        A('    <path d="%s" fill="#55565f"/>\n' % d)
A('''  </g>
  <rect width="570" height="270" fill="#000" filter="url(#grain)" opacity="0.45"/>
</svg>
''')
open(sys.argv[1], 'w').write(''.join(o))
