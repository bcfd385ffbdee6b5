"""Character 1: 水瀬 詩織 (Minase Shiori), the gentle commander.

A soft silver-lavender bob with low bangs and a pair of sky-blue hair clips,
big worried blue eyes, an oversized sky-blue duffel coat whose sleeves cover
her hands, a cream turtleneck underneath.
"""
from drawing import (W, LINE, WHITE, SKIN, SKIN_SHADE, path, outlined, line, g,
                     lin_grad, mirror, sym, locks, shine_band)
from face import FACE, Face, blush, sweat_drop, tears

INDEX = 1
PREFIX = 'c1'
NAME = '水瀬 詩織'
READING = 'みなせ しおり'
ROMAJI = 'Minase Shiori'

SIGNATURE = '#3f9ee0'        # sky blue
SIGNATURE_LIGHT = '#8fd0ff'
SIGNATURE_DARK = '#1d5f9e'

HAIR = '#cfc6ee'
HAIR_SHADE = '#9d92cf'
HAIR_LIGHT = '#f7f5ff'
HAIR_LINE = '#4a3556'

COAT = '#7cc3ef'
COAT_SHADE = '#4f98d0'
COAT_LIGHT = '#b8e2fb'
KNIT = '#fbf3e2'
KNIT_SHADE = '#e2d3b6'

EXPRESSIONS = {
    'normal':  dict(eyes='open', brows='worried', mouth='small', marks=['blush-light']),
    'angry':   dict(eyes='teary', brows='worried', mouth='wavy', marks=['blush', 'tears']),
    'smiling': dict(eyes='happy', brows='happy', mouth='soft', marks=['blush']),
}


def make_face(defs):
    return Face(PREFIX, '#3f8fdc', '#13355f', '#a6dcff', '#6a5a86', defs, eye_scale=1.07)


def hair_back(defs):
    outer = ('M 107.5,56 C 60,56 37,94 37,142 C 37,184 39,222 47,250 '
             'C 70,258 145,258 168,250 C 176,222 178,184 178,142 C 178,94 155,56 107.5,56 Z')
    shade = 'M 62,160 C 62,200 66,230 72,252 L 143,252 C 149,230 153,200 153,160 Z'
    return [outlined(outer, HAIR, 2.2, HAIR_LINE), path(shade, HAIR_SHADE)]


def body(defs):
    p = PREFIX
    defs[f'{p}-coat'] = lin_grad(f'{p}-coat', [(0, COAT_LIGHT), (0.3, COAT), (1, COAT_SHADE)])
    hood = 'M 56,270 C 58,244 82,236 107.5,236 C 133,236 157,244 159,270 Z'
    coat = ('M 90,252 C 66,260 42,268 31,288 C 21,306 17,336 14,366 L 8,443 '
            'L 207,443 L 201,366 C 198,336 194,306 184,288 C 173,268 149,260 125,252 Z')
    knit = 'M 86,258 L 129,258 L 124,443 L 91,443 Z'
    knit_ribs = ' '.join(f'M {x},266 L {x + (x - 107.5) * 0.05},300' for x in range(93, 124, 5))
    turtle = ('M 92,240 C 92,254 99,260 107.5,260 C 116,260 123,254 123,240 '
              'L 128,258 C 121,272 94,272 87,258 Z')
    edge_l = 'M 86,258 C 88,320 90,380 91,443 L 99,443 C 97,380 95,320 93,262 Z'
    toggles = ''.join(
        f'<rect x="98" y="{y}" width="19" height="6" rx="3" fill="#fff8ea" stroke="{LINE}" stroke-width="1.2"/>'
        f'<path d="M 91,{y + 3} L 98,{y + 3} M 117,{y + 3} L 124,{y + 3}" stroke="{SIGNATURE_DARK}" '
        f'stroke-width="1.4"/>' for y in (300, 332))
    # oversized sleeves meeting in front of her chest; only fingertips show
    sleeve = ('M 44,279 C 26,294 16,340 16,380 C 16,412 24,436 44,440 '
              'C 60,442 82,420 104,396 L 91,352 C 80,362 66,374 57,384 '
              'C 55,352 59,318 59,302 C 59,292 52,284 44,279 Z')
    sleeve_shade = ('M 18,372 C 18,408 26,432 44,436 C 58,438 76,420 92,404 '
                    'C 74,418 54,428 40,420 C 28,410 22,392 18,372 Z')
    elbow = 'M 57,384 C 54,392 48,398 42,400'
    cuff = '<ellipse cx="0" cy="0" rx="23.5" ry="8" fill="{}" stroke="{}" stroke-width="1.8"/>'
    cuff_l = (f'<g transform="translate(97.5,374) rotate(70)">' + cuff.format(COAT_LIGHT, LINE) +
              f'<ellipse cx="-1" cy="-2.5" rx="17" ry="3.6" fill="#2e6a9e"/></g>')
    cuff_r = cuff_l.replace('translate(97.5,374) rotate(70)', f'translate({W - 97.5},374) rotate(-70)').replace(
        'cx="-1" cy="-2.5"', 'cx="1" cy="-2.5"')
    fingers = ('M 100,364 C 98,357 103,354 106.5,359 C 108,354 113,354 115,359 '
               'C 117,354 121,357 117,366 C 112,372 104,372 100,364 Z')
    return [
        outlined(hood, COAT_SHADE, 2.0),
        path('M 66,268 C 70,252 86,246 107.5,246 C 129,246 145,252 149,268 Z', '#3c7fb6'),
        outlined(coat, f'url(#{p}-coat)', 2.2),
        outlined(knit, KNIT, 1.6),
        line(knit_ribs, 0.9, KNIT_SHADE),
        outlined(edge_l, COAT_LIGHT, 1.4), outlined(mirror(edge_l), COAT_LIGHT, 1.4),
        toggles,
        outlined(turtle, KNIT, 1.8),
        line('M 93,252 C 99,258 116,258 122,252', 1.0, KNIT_SHADE),
        outlined(sleeve, f'url(#{p}-coat)', 2.0), path(sleeve_shade, COAT_SHADE),
        outlined(mirror(sleeve), f'url(#{p}-coat)', 2.0), path(mirror(sleeve_shade), COAT_SHADE),
        line(elbow + ' ' + mirror(elbow), 1.2, LINE, 'stroke-linecap="round"'),
        cuff_l, cuff_r,
        outlined(fingers, SKIN, 1.4),
        line('M 106.5,359 L 107,366 M 111,359 L 110.5,366', 0.9, '#c98a76', 'stroke-linecap="round"'),
    ]


def hair_front(defs):
    cap = ('M 46,172 C 40,112 68,60 107.5,58 C 147,60 175,112 169,172 '
           'C 162,140 150,112 130,102 C 112,96 92,98 78,106 C 62,116 52,140 46,172 Z')
    cap_edge = 'M 46,172 C 40,112 68,60 107.5,58 C 147,60 175,112 169,172'
    # side locks of the bob curling in under her cheeks
    sides = [((42, 140), (62, 132), (60, 252), -8, 0.2, 0.3),
             ((54, 140), (70, 150), (76, 246), 2, 0.15, 0.2)]
    sides = sides + [((W - b[0], b[1]), (W - a[0], a[1]), (W - t[0], t[1]), -bd, bl, tw)
                     for a, b, t, bd, bl, tw in sides]
    # low, soft bangs that almost reach her eyes
    bangs = [
        ((52, 120), (72, 100), (58, 170), -4),
        ((143, 100), (163, 120), (157, 170), 4),
        ((62, 104), (88, 88), (72, 162), -3),
        ((127, 88), (153, 104), (143, 163), 3),
        ((78, 88), (104, 80), (89, 164), -2),
        ((111, 80), (137, 88), (126, 163), 2),
        ((94, 78), (121, 78), (108, 160), 0),
    ]
    wisps = [((100, 90), (104, 90), (99, 150), -1, 0.2, 0.1),
             ((118, 92), (122, 92), (119, 152), 1, 0.2, 0.1)]
    from drawing import lock
    bang_shadow = [path(lock(*b)[0], SKIN_SHADE) for b in bangs]
    side_shade = [path(lock(*b)[0], HAIR_SHADE, extra='transform="translate(0,-4)"') for b in sides[1::2]]
    strands = 'M 90,68 C 82,80 78,90 76,100 M 126,66 C 134,76 138,86 140,98'
    clip = 'M 60,122 L 80,113 M 62,130 L 82,121'
    return [
        g(g(bang_shadow, extra='transform="translate(0,6)"'),
          extra=f'clip-path="url(#{PREFIX}-faceclip)"'),
        *locks(sides, HAIR, HAIR_LINE, 2.0),
        path(cap, HAIR), line(cap_edge, 2.2, HAIR_LINE),
        line(strands, 1.0, HAIR_LINE, 'opacity="0.5" stroke-linecap="round"'),
        *locks(bangs, HAIR, HAIR_LINE, 2.0),
        *locks(wisps, HAIR, HAIR_LINE, 1.2),
        shine_band(107.5, 152, 64, 5, -58, 58, 10, HAIR_LIGHT, 4),
        line(clip, 5.0, LINE, 'stroke-linecap="round"'),
        line(clip, 3.0, SIGNATURE, 'stroke-linecap="round"'),
        line('M 62,121 L 68,118.3 M 64,129 L 70,126.3', 1.0, SIGNATURE_LIGHT, 'stroke-linecap="round"'),
    ]


def marks(kind):
    if kind == 'blush':
        return blush(0.6)
    if kind == 'blush-light':
        return blush(0.3)[:2]
    if kind == 'tears':
        return tears()
    if kind == 'sweat':
        return [sweat_drop(160, 140)]
    raise ValueError(kind)
