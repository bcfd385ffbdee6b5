# Writes vantrel-icon.svg; the V is taken from DejaVu Serif Bold as outlines
# (needs python3-fonttools).
#   python3 icon.py ../vantrel-icon.svg
import sys
import os
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from glyphs import text_path
f = lambda v: ('%.2f' % v).rstrip('0').rstrip('.')
d, w, _ = text_path('/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf', 'V', 168, 0, 0)
x = 128 - w / 2
svg = '''<?xml version="1.0" encoding="UTF-8"?>
<!-- The application icon: the logo's metal V over a brass range ring on a
     navy tile. Rendered as PNG at 16, 32, 48, 64, 128 and 256 pixels; the
     V is an outline of DejaVu Serif Bold. -->
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#1f3152"/>
      <stop offset="1" stop-color="#0b1426"/>
    </linearGradient>
    <linearGradient id="brass" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#f6dea0"/>
      <stop offset="0.5" stop-color="#b38f4c"/>
      <stop offset="1" stop-color="#6b5428"/>
    </linearGradient>
    <linearGradient id="metal" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#fffaf0"/>
      <stop offset="0.42" stop-color="#eadcb8"/>
      <stop offset="0.55" stop-color="#b39862"/>
      <stop offset="1" stop-color="#f3dfa8"/>
    </linearGradient>
    <radialGradient id="glow" cx="0.5" cy="0.45" r="0.5">
      <stop offset="0" stop-color="#2e5a4a" stop-opacity="0.9"/>
      <stop offset="1" stop-color="#2e5a4a" stop-opacity="0"/>
    </radialGradient>
  </defs>
  <rect x="6" y="6" width="244" height="244" rx="44" fill="#03060c"/>
  <rect x="12" y="12" width="232" height="232" rx="38" fill="url(#tile)" stroke="url(#brass)" stroke-width="8"/>
  <circle cx="128" cy="124" r="92" fill="url(#glow)"/>
  <circle cx="128" cy="124" r="80" fill="none" stroke="url(#brass)" stroke-width="9"/>
  <path d="M128 30 V58 M128 190 V218 M34 124 H62 M194 124 H222" stroke="url(#brass)" stroke-width="9" stroke-linecap="round"/>
  <g transform="translate(%s 192)">
    <path d="%s" fill="none" stroke="#120c04" stroke-width="14" stroke-linejoin="round"/>
    <path d="%s" fill="url(#metal)"/>
  </g>
</svg>
''' % (f(x), d, d)
open(sys.argv[1], 'w').write(svg)
