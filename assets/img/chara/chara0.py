"""Character 0: 鷹宮 麗華 (Takamiya Reika), the lady commander.

Long wavy honey-blonde hair with a crimson ribbon, a white officer's uniform
with a crimson cape, gold epaulettes and a ruby brooch; crimson eyes.
"""
from drawing import (W, LINE, WHITE, SKIN_SHADE, path, outlined, line, g, lin_grad, mirror, sym,
                     locks, shine_band, tapered)
from face import FACE, Face, mouth, blush, anger_mark, sweat_drop

INDEX = 0
PREFIX = 'c0'
NAME = '鷹宮 麗華'
READING = 'たかみや れいか'
ROMAJI = 'Takamiya Reika'

SIGNATURE = '#c8283f'        # crimson
SIGNATURE_LIGHT = '#f0647a'
SIGNATURE_DARK = '#7c1426'

HAIR = '#f6d27a'
HAIR_SHADE = '#dca24c'
HAIR_LIGHT = '#fff3c4'
HAIR_LINE = '#6b3f1c'

CLOTH = '#f7f4f0'
CLOTH_SHADE = '#d8d2dc'
GOLD = '#e8b640'
GOLD_SHADE = '#b07a1e'
GOLD_LIGHT = '#fff0a8'

EXPRESSIONS = {
    'normal':  dict(eyes='open', brows='proud', mouth='smirk', marks=[]),
    'angry':   dict(eyes='angry', brows='angry', mouth='shout', marks=['blush', 'anger']),
    'smiling': dict(eyes='happy', brows='happy', mouth='laugh', marks=['blush']),
}


def make_face(defs):
    return Face(PREFIX, '#c8334c', '#5a0f1f', '#ff9aa8', '#8a5520', defs, lashes=2)


def hair_back(defs):
    outer = ('M 107.5,50 C 60,50 34,86 33,134 C 32,174 30,206 21,240 '
             'C 12,272 21,298 13,328 C 6,356 20,382 10,410 C 6,424 9,436 14,443 '
             'L 201,443 C 206,436 209,424 205,410 C 195,382 209,356 202,328 '
             'C 194,298 203,272 194,240 C 185,206 183,174 182,134 C 181,86 155,50 107.5,50 Z')
    shade = ('M 60,150 C 62,200 56,250 48,300 C 44,340 50,390 42,443 L 173,443 '
             'C 165,390 171,340 167,300 C 159,250 153,200 155,150 Z')
    waves = ['M 40,140 C 38,180 34,210 28,240 C 22,266 30,290 24,310',
             'M 18,350 C 26,368 26,384 18,400', 'M 46,200 C 44,230 38,256 36,280']
    return [outlined(outer, HAIR, 2.2, HAIR_LINE),
            path(shade, HAIR_SHADE),
            *[tapered(d, 0.3, 0.3, 1.5, HAIR_LINE) for d in waves],
            *[tapered(mirror(d), 0.3, 0.3, 1.5, HAIR_LINE) for d in waves]]


def body(defs):
    p = PREFIX
    defs[f'{p}-cape'] = lin_grad(f'{p}-cape', [(0, SIGNATURE_LIGHT), (0.35, SIGNATURE), (1, SIGNATURE_DARK)])
    cape = ('M 92,250 C 70,257 44,262 31,276 C 19,290 15,318 11,350 L 5,443 '
            'L 210,443 L 204,350 C 200,318 196,290 184,276 C 171,262 145,257 123,250 Z')
    jacket = 'M 83,262 L 132,262 C 140,320 146,380 152,443 L 63,443 C 69,380 75,320 83,262 Z'
    jacket_shade = 'M 83,262 L 94,262 C 90,330 86,390 84,443 L 63,443 C 69,380 75,320 83,262 Z'
    lining_l = 'M 83,262 C 75,320 69,380 63,443 L 55,443 C 62,380 68,320 78,262 Z'
    placket = 'M 102,300 L 113,300 L 115,443 L 100,443 Z'
    collar = ('M 92,243 C 92,254 97,262 107.5,266 C 118,262 123,254 123,243 '
              'L 132,255 C 126,267 117,274 107.5,276 C 98,274 89,267 83,255 Z')
    # a lace jabot falling from the collar in three ruffled tiers
    def ruffle(y, w, h, n):
        x0, x1 = 107.5 - w / 2, 107.5 + w / 2
        d = f'M {107.5 - w * 0.3},{y} L {107.5 + w * 0.3},{y} L {x1},{y + h}'
        step = w / n
        for k in range(n):
            xa = x1 - step * k
            d += f' Q {xa - step / 2},{y + h + 5} {xa - step},{y + h}'
        return d + ' Z'
    tiers = [(294, 34, 14, 4), (283, 30, 13, 4), (273, 24, 12, 3)]
    jabot = [outlined(ruffle(*t), WHITE, 1.4, LINE, 'stroke-linejoin="round"') for t in tiers]
    jabot_folds = ' '.join(f'M {107.5 + dx * 0.35},{y + 2} L {107.5 + dx},{y + h}'
                           for y, w, h, n in tiers for dx in (-w / 4, w / 4))
    epaulette = ('M 24,286 C 30,274 50,270 62,276 C 66,280 64,287 58,290 C 46,294 32,294 24,290 Z')
    fringe = ' '.join(f'M {x},{291 + (x - 24) * 0.02} L {x - 1},{303 - abs(x - 42) * 0.12}'
                      for x in range(27, 60, 4))
    # the aiguillette: gold cords hanging from the right shoulder
    cord = ('M 166,286 C 158,306 142,318 126,318 M 172,290 C 168,318 146,336 126,318 '
            'M 126,318 L 123,334')
    buttons = ''.join(f'<circle cx="{x}" cy="{y}" r="3.3" fill="{GOLD}" stroke="{LINE}" stroke-width="1.2"/>'
                      f'<circle cx="{x - 0.9}" cy="{y - 1}" r="1.1" fill="{GOLD_LIGHT}"/>'
                      for y in (345, 378, 411) for x in (92, 123))
    return [
        outlined(cape, f'url(#{p}-cape)', 2.2),
        outlined(jacket, CLOTH, 2.0),
        path(jacket_shade, CLOTH_SHADE),
        path(lining_l, '#3a0d18'), path(mirror(lining_l), '#3a0d18'),
        outlined(placket, SIGNATURE, 1.4),
        buttons,
        outlined(collar, SIGNATURE, 2.0),
        line('M 86,257 C 92,268 100,272 107.5,273.5 C 115,272 123,268 129,257', 1.4, GOLD),
        *jabot,
        line(jabot_folds, 0.9, '#b9b0c0', 'stroke-linecap="round"'),
        # the brooch at the throat
        f'<ellipse cx="107.5" cy="272" rx="6.5" ry="7.5" fill="{GOLD}" stroke="{LINE}" stroke-width="1.4"/>',
        f'<ellipse cx="107.5" cy="272" rx="4" ry="5" fill="{SIGNATURE}"/>',
        f'<ellipse cx="106" cy="270" rx="1.5" ry="2" fill="{WHITE}" opacity="0.9"/>',
        outlined(epaulette, GOLD, 1.8), outlined(mirror(epaulette), GOLD, 1.8),
        line(fringe + ' ' + mirror(fringe), 2.0, GOLD_SHADE, 'stroke-linecap="round"'),
        path('M 30,284 C 38,277 50,275 58,279', 'none', GOLD_LIGHT, 2.0, 'stroke-linecap="round"'),
        path(mirror('M 30,284 C 38,277 50,275 58,279'), 'none', GOLD_LIGHT, 2.0, 'stroke-linecap="round"'),
        line(cord, 3.6, LINE, 'stroke-linecap="round"'),
        line(cord, 2.0, GOLD, 'stroke-linecap="round"'),
        f'<circle cx="126" cy="318" r="3.2" fill="{GOLD}" stroke="{LINE}" stroke-width="1.2"/>',
        f'<path d="M 121,333 L 125,333 L 124.2,339 L 121.8,339 Z" fill="{GOLD}" stroke="{LINE}" stroke-width="1"/>',
        # cape fold lines
        line(sym('M 30,330 C 28,370 26,400 24,443 M 48,300 C 46,350 44,400 42,443'), 1.2, SIGNATURE_DARK,
             'opacity="0.8"'),
    ]


def hair_front(defs):
    # the long front locks that fall over the shoulders in waves and end in a curl
    lock = ('M 52,128 C 43,168 50,200 41,236 C 32,272 49,296 39,330 C 30,360 45,382 35,408 '
            'C 30,421 38,434 51,430 C 60,427 63,416 57,409 C 54,414 48,416 46,411 '
            'C 56,398 64,380 61,360 C 57,336 71,314 65,288 C 59,262 76,240 72,214 '
            'C 70,196 75,176 75,150 Z')
    lock_shade = ('M 71,200 C 72,226 60,246 62,268 C 64,290 56,312 58,334 C 60,356 54,374 50,390 '
                  'C 58,378 62,364 60,350 C 58,330 68,308 66,288 C 62,264 72,242 71,200 Z')
    lock_strands = ['M 58,150 C 52,180 56,206 49,236 C 43,262 55,284 48,312',
                    'M 66,200 C 62,226 54,246 56,270',
                    'M 46,340 C 40,362 50,380 44,400',
                    'M 57,318 C 54,340 56,356 52,372']
    # the crown: a cap of hair down to the hairline, the bangs hang from it
    cap = ('M 50,170 C 43,112 68,60 107.5,58 C 147,60 172,112 165,170 '
           'C 160,140 150,112 130,102 C 112,96 92,98 78,106 C 62,116 54,140 50,170 Z')
    cap_edge = 'M 50,170 C 43,112 68,60 107.5,58 C 147,60 172,112 165,170'
    # bangs parted left of centre: two clumps sweep to her right, five to her left
    bangs = [
        ((60, 104), (84, 84), (55, 172), -8),
        ((144, 98), (162, 118), (163, 176), 5),
        ((72, 94), (94, 78), (70, 160), -7),
        ((130, 86), (154, 100), (153, 164), 7),
        ((116, 80), (142, 88), (139, 157), 7),
        ((100, 76), (127, 80), (123, 160), 6),
        ((84, 78), (111, 74), (104, 153), 6),
    ]
    wisps = [((95, 96), (100, 96), (90, 150), -2, 0.2, 0.1),
             ((141, 112), (146, 114), (147, 168), 2, 0.2, 0.1)]
    shine = ('M 64,116 C 70,100 80,92 92,88 L 94,95 C 84,99 78,106 74,116 Z '
             'M 102,86 C 112,84 122,85 132,88 L 130,95 C 121,92 112,92 104,93 Z '
             'M 140,92 C 150,98 156,106 160,116 L 152,117 C 149,109 143,103 137,99 Z')
    strands = 'M 96,66 C 86,76 80,88 78,100 M 124,64 C 136,72 144,84 148,100 M 110,60 C 108,70 108,80 110,92'
    ribbon = ('M 150,82 C 158,68 176,64 180,74 C 184,84 170,92 156,92 Z '
              'M 150,92 C 156,104 170,118 178,110 C 184,102 170,92 158,90 Z')
    knot = 'M 148,84 C 152,80 158,82 159,88 C 159,94 152,96 149,93 C 146,90 146,87 148,84 Z'
    bang_shadow = [path(lock_fill, SKIN_SHADE) for lock_fill, _ in
                   [__import__('drawing').lock(*b) for b in bangs]]
    return [
        # the bangs' shadow on the forehead
        g(g(bang_shadow, extra='transform="translate(-1,6)"'),
          extra=f'clip-path="url(#{PREFIX}-faceclip)"'),
        outlined(lock, HAIR, 2.1, HAIR_LINE, 'stroke-linejoin="round"'), path(lock_shade, HAIR_SHADE),
        *[tapered(d, 0.3, 0.3, 1.5, HAIR_LINE) for d in lock_strands],
        outlined(mirror(lock), HAIR, 2.1, HAIR_LINE, 'stroke-linejoin="round"'),
        path(mirror(lock_shade), HAIR_SHADE),
        *[tapered(mirror(d), 0.3, 0.3, 1.5, HAIR_LINE) for d in lock_strands],
        path(cap, HAIR), line(cap_edge, 2.2, HAIR_LINE),
        line(strands, 1.0, HAIR_LINE, 'opacity="0.5" stroke-linecap="round"'),
        *locks(bangs, HAIR, HAIR_LINE, 2.0),
        *locks(wisps, HAIR, HAIR_LINE, 1.2),
        shine_band(107.5, 152, 62, 5, -58, 58, 10, HAIR_LIGHT, 5),
        outlined('M 150,92 C 151,106 151,118 152,132 L 156.5,127 L 161,132 C 160,118 159,104 157,91 Z '
                 'M 157,91 C 163,101 169,110 175,118 L 176.5,112 L 182,113.5 C 175,104 167,96 160,89 Z',
                 SIGNATURE_DARK, 1.5, LINE, 'stroke-linejoin="round"'),
        outlined(ribbon, SIGNATURE, 1.8, LINE, 'stroke-linejoin="round"'),
        line('M 156,80 C 164,74 172,72 176,75 M 156,96 C 162,104 170,110 175,108', 1.2, SIGNATURE_LIGHT),
        outlined(knot, SIGNATURE_DARK, 1.6),
    ]


def marks(kind):
    if kind == 'blush':
        return blush(0.5)
    if kind == 'blush-light':
        return blush(0.3)[:2]
    if kind == 'anger':
        return [anger_mark(58, 112, 1.1)]
    if kind == 'sweat':
        return [sweat_drop(162, 150)]
    raise ValueError(kind)
