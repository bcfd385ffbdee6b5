# Writes battle-back.svg; the script only saves typing the sockets and rivets.
#   python3 mainback.py ../battle-back.svg
import sys
f = lambda v: ('%.1f' % v).rstrip('0').rstrip('.')
out = []
out.append('''<?xml version="1.0" encoding="UTF-8"?>
<!-- Battle screen background, 809 x 603. The program puts on it: the computer's
     map grid at (12, 11) and the player's at (12, 318), each 588 x 278; the
     banner line at (32, 291) with the shot icons at y 292; the decorative strip
     at (33, 312); the portrait at (594, 6), 215 x 443; below it the unit panel
     with its texts and 23 x 23 icons. This picture only gives them wells,
     frames and calm panels; it carries none of their texts. -->
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"
     width="809" height="603" viewBox="0 0 809 603">
  <defs>
    <linearGradient id="hull" x1="0" y1="0" x2="0.35" y2="1">
      <stop offset="0" stop-color="#1d2a40"/>
      <stop offset="0.5" stop-color="#152036"/>
      <stop offset="1" stop-color="#0f182b"/>
    </linearGradient>
    <!-- brushed metal: fine horizontal streaks -->
    <filter id="brushed" x="0" y="0" width="1" height="1" filterUnits="objectBoundingBox">
      <feTurbulence type="fractalNoise" baseFrequency="0.004 0.6" numOctaves="2" seed="8" result="n"/>
      <feColorMatrix in="n" type="matrix"
        values="0 0 0 0 0.55  0 0 0 0 0.62  0 0 0 0 0.75  0 0 0 -1.4 0.95"/>
    </filter>
    <linearGradient id="brass" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#e6c885"/>
      <stop offset="0.45" stop-color="#b38f4c"/>
      <stop offset="1" stop-color="#7a5f2e"/>
    </linearGradient>
    <linearGradient id="brassV" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#e6c885"/>
      <stop offset="1" stop-color="#8a6c35"/>
    </linearGradient>
    <linearGradient id="navyPanel" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#13223d"/>
      <stop offset="1" stop-color="#0c1730"/>
    </linearGradient>
    <linearGradient id="slatePanel" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#263244"/>
      <stop offset="1" stop-color="#1b2434"/>
    </linearGradient>
    <radialGradient id="rivet" cx="0.35" cy="0.3" r="0.75">
      <stop offset="0" stop-color="#f2dca0"/>
      <stop offset="0.5" stop-color="#a8843f"/>
      <stop offset="1" stop-color="#4a3a1a"/>
    </radialGradient>
    <g id="rivetG"><circle r="2.3" fill="#05080f" opacity="0.6" cx="0.6" cy="0.8"/><circle r="2" fill="url(#rivet)"/></g>
    <!-- a recessed socket for one 23 x 23 unit icon (top-left at 0,0) -->
    <g id="socket">
      <rect x="-2" y="-2" width="27" height="27" rx="2" fill="#060b16"/>
      <rect x="-1.5" y="-1.5" width="26" height="26" rx="1.5" fill="none" stroke="#3a4a66" stroke-width="1"/>
      <path d="M-1.5 24.5 H24.5 V-1.5" fill="none" stroke="#5b6f92" stroke-width="1" opacity="0.7"/>
      <rect x="0" y="0" width="23" height="23" fill="#0b1526"/>
    </g>
  </defs>

  <!-- the hull of the console -->
  <rect width="809" height="603" fill="url(#hull)"/>
  <rect width="809" height="603" fill="#000" filter="url(#brushed)" opacity="0.25"/>
  <!-- panel seams -->
  <g stroke="#070c17" stroke-width="1.2" opacity="0.9">
    <path d="M0 304.5 H9"/><path d="M602 452.5 H809"/>
  </g>
  <g stroke="#2c3b57" stroke-width="1" opacity="0.8">
    <path d="M0 305.5 H9"/><path d="M602 453.5 H809"/>
  </g>
''')

def well(x, y, w, h):
    # (x, y, w, h): the grid's own rectangle
    return '''  <g>
    <rect x="%s" y="%s" width="%s" height="%s" rx="3" fill="#03060c"/>
    <rect x="%s" y="%s" width="%s" height="%s" fill="none" stroke="url(#brass)" stroke-width="1"/>
    <rect x="%s" y="%s" width="%s" height="%s" fill="#05080f"/>
  </g>
''' % (f(x-5), f(y-5), f(w+10), f(h+10), f(x-1.5), f(y-1.5), f(w+3), f(h+3), f(x), f(y), f(w), f(h))

out.append('  <!-- the computer\'s map well -->\n')
out.append(well(12, 11, 588, 278))
out.append('  <!-- the player\'s map well -->\n')
out.append(well(12, 318, 588, 278))
out.append('''  <!-- banner band between the maps: text and shot icons sit on its flat navy -->
  <rect x="7" y="291" width="598" height="22" fill="#0a1322"/>
  <path d="M7 313.5 H605" stroke="#2c3b57" stroke-width="1"/>
  <g fill="#b38f4c">
    <path d="M11 296 l6 5 -6 5 z" opacity="0.85"/>
    <path d="M601 296 l-6 5 6 5 z" opacity="0.85"/>
  </g>

  <!-- the portrait frame -->
  <rect x="589" y="1" width="220" height="453" fill="#03060c"/>
  <rect x="591.5" y="3.5" width="220" height="448" fill="none" stroke="url(#brassV)" stroke-width="1"/>
  <rect x="594" y="6" width="215" height="443" fill="#0a1120"/>

  <!-- unit panel: player above (navy), computer below (slate) -->
  <g>
    <rect x="603" y="455" width="203" height="145" rx="3" fill="#03060c"/>
    <rect x="606.5" y="457.5" width="196" height="140" rx="2" fill="none" stroke="url(#brass)" stroke-width="1"/>
    <rect x="608" y="459" width="193" height="62" fill="url(#navyPanel)"/>
    <rect x="608" y="523" width="193" height="73" fill="url(#slatePanel)"/>
    <!-- heading bands behind the two headings -->
    <rect x="608" y="459" width="193" height="13" fill="#0a1428" opacity="0.8"/>
    <rect x="608" y="523" width="193" height="12" fill="#141c2a" opacity="0.8"/>
    <path d="M608 472.5 H801 M608 535.5 H801" stroke="#3a4a66" stroke-width="1" opacity="0.6"/>
    <!-- small brass ticks beside the headings -->
    <g fill="#b38f4c" opacity="0.9">
      <rect x="615" y="464" width="30" height="1.5"/><rect x="755" y="464" width="38" height="1.5"/>
      <rect x="615" y="528" width="30" height="1.5"/><rect x="755" y="528" width="38" height="1.5"/>
    </g>
''')
sockets = [(711, 472), (736, 472), (761, 472), (686, 497), (711, 497), (736, 497), (761, 497),
           (712, 535), (737, 535), (762, 535), (687, 560), (712, 560), (737, 560), (762, 560)]
for x, y in sockets:
    out.append('    <use xlink:href="#socket" x="%d" y="%d"/>\n' % (x, y))
out.append('  </g>\n')
rivets = [(4, 4), (4, 304), (4, 598), (604, 599), (805, 599), (805, 454), (604, 454), (586, 4)]
out.append('  <g id="rivets">\n')
for x, y in rivets:
    out.append('    <use xlink:href="#rivetG" x="%s" y="%s"/>\n' % (f(x), f(y)))
out.append('  </g>\n</svg>\n')
open(sys.argv[1], 'w').write(''.join(out))
