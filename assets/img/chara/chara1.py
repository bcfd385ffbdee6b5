"""Character 1: 水瀬 詩織 (Minase Shiori), the gentle commander.

A soft silver-lavender bob with low bangs and a pair of sky-blue hair clips,
big worried blue eyes, an oversized sky-blue duffel coat whose sleeves cover
her hands, a cream turtleneck underneath.
"""
from drawing import (W, LINE, WHITE, SKIN, SKIN_SHADE, path, outlined, line, g,
                     lin_grad, mirror, sym)
from face import FACE, Face, blush, sweat_drop, tears

INDEX = 1
PREFIX = 'c1'
NAME = '水瀬 詩織'
READING = 'みなせ しおり'
ROMAJI = 'Minase Shiori'

SIGNATURE = '#3f9ee0'        # sky blue
SIGNATURE_LIGHT = '#8fd0ff'
SIGNATURE_DARK = '#1d5f9e'

HAIR = '#d9d2f0'
HAIR_SHADE = '#ada3d6'
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
    return Face(PREFIX, '#3f8fdc', '#13355f', '#a6dcff', '#6a5a86', defs)


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
    sleeve = ('M 36,286 C 22,310 16,350 22,382 C 28,408 66,408 96,392 '
              'C 106,386 108,372 100,362 C 84,368 64,372 56,362 C 52,344 56,316 60,298 Z')
    sleeve_shade = 'M 24,350 C 24,380 34,398 60,398 C 48,392 40,380 38,360 C 34,356 28,352 24,350 Z'
    cuff = 'M 90,356 C 98,350 108,358 108,372 C 108,386 100,396 92,394 C 86,384 84,366 90,356 Z'
    fingers = ('M 101,356 C 101,350 106,349 107,354 C 108,349 113,349 113,355 '
               'C 112,360 104,362 101,356 Z')
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
        # drooping shoulder seams of a coat one size too big
        line(sym('M 42,276 C 50,290 56,300 60,314'), 1.2, COAT_SHADE),
        outlined(sleeve, f'url(#{p}-coat)', 2.0), path(sleeve_shade, COAT_SHADE),
        outlined(mirror(sleeve), f'url(#{p}-coat)', 2.0), path(mirror(sleeve_shade), COAT_SHADE),
        outlined(fingers, SKIN, 1.4),
        outlined(cuff, COAT_LIGHT, 1.8), outlined(mirror(cuff), COAT_LIGHT, 1.8),
        line(sym('M 93,360 C 97,370 97,384 94,390'), 1.0, COAT_SHADE),
    ]


def hair_front(defs):
    # side locks of the bob curling in under her cheeks
    side = ('M 52,132 C 44,172 42,210 50,244 C 56,254 70,254 78,244 '
            'C 70,236 66,220 66,200 C 66,180 64,164 68,148 Z')
    side_shade = 'M 60,170 C 58,200 60,226 70,244 C 64,246 58,244 55,238 C 52,214 54,190 60,170 Z'
    # low, soft bangs that almost reach her eyes
    bangs = ('M 50,166 C 42,110 70,62 107.5,60 C 145,62 173,110 165,166 '
             'C 162,156 159,150 156,138 C 156,150 154,158 150,164 '
             'C 148,154 145,146 140,138 C 139,148 136,156 131,162 '
             'C 130,152 127,144 122,136 C 121,148 118,156 112,162 '
             'C 111,150 108,142 104,136 C 102,148 98,155 92,160 '
             'C 92,150 90,142 86,136 C 84,148 80,156 74,160 '
             'C 74,150 72,144 70,138 C 65,148 62,158 62,168 '
             'C 58,166 54,165 50,166 Z')
    shine = ('M 72,98 C 80,86 93,81 104,80 C 97,84 88,90 82,99 C 78,98 75,98 72,98 Z '
             'M 112,80 C 125,80 138,86 145,96 C 141,97 138,98 135,99 C 129,91 121,85 112,80 Z')
    strands = 'M 90,74 C 82,90 78,110 78,130 M 126,72 C 134,88 138,108 138,128'
    clip = ('M 64,112 L 84,104 M 66,120 L 86,112')
    return [
        g(path(bangs, SKIN_SHADE, extra='transform="translate(0,6)"'),
          extra=f'clip-path="url(#{PREFIX}-faceclip)"'),
        outlined(side, HAIR, 2.0, HAIR_LINE), path(side_shade, HAIR_SHADE),
        outlined(mirror(side), HAIR, 2.0, HAIR_LINE), path(mirror(side_shade), HAIR_SHADE),
        outlined(bangs, HAIR, 2.2, HAIR_LINE, 'stroke-linejoin="round"'),
        path(shine, HAIR_LIGHT),
        line(strands, 1.0, HAIR_LINE, 'opacity="0.5" stroke-linecap="round"'),
        line(clip, 5.0, LINE, 'stroke-linecap="round"'),
        line(clip, 3.0, SIGNATURE, 'stroke-linecap="round"'),
        line('M 66,111 L 72,108.6 M 68,119 L 74,116.6', 1.0, SIGNATURE_LIGHT, 'stroke-linecap="round"'),
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
