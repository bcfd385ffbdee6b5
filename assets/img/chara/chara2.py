"""Character 2: 日向 夏海 (Hinata Natsumi), the lively commander.

Chocolate-brown hair in a high ponytail with an orange scrunchie and a
cowlick, amber eyes, a tomboyish grin with one small fang; an orange track
jacket with white stripes over a navy T-shirt.
"""
from drawing import (W, LINE, WHITE, SKIN, SKIN_SHADE, path, outlined, line, g,
                     lin_grad, mirror, sym)
from face import FACE, Face, blush, anger_mark, sweat_drop

INDEX = 2
PREFIX = 'c2'
NAME = '日向 夏海'
READING = 'ひなた なつみ'
ROMAJI = 'Hinata Natsumi'

SIGNATURE = '#f07d1c'        # sunny orange
SIGNATURE_LIGHT = '#ffb45c'
SIGNATURE_DARK = '#a84a08'

HAIR = '#74492f'
HAIR_SHADE = '#51301d'
HAIR_LIGHT = '#b07a52'
HAIR_LINE = '#2e1a10'

JACKET = '#f58a2a'
JACKET_SHADE = '#c8601a'
JACKET_LIGHT = '#ffc070'
SHIRT = '#23345e'

EXPRESSIONS = {
    'normal':  dict(eyes='open', brows='normal', mouth='grin', marks=[]),
    'angry':   dict(eyes='squeezed', brows='angry', mouth='shout-fang', marks=['blush', 'anger']),
    'smiling': dict(eyes='wink', brows='happy', mouth='tongue', marks=['blush-light', 'sweat']),
}


def make_face(defs):
    return Face(PREFIX, '#e29a2c', '#6a3608', '#ffd890', '#3e2214', defs)


def hair_back(defs):
    # the ponytail swings out behind her head to the viewer's right
    tail = ('M 142,70 C 172,66 196,86 200,118 C 204,150 196,176 200,204 '
            'C 202,222 196,240 186,250 C 190,232 184,214 180,196 C 176,176 182,150 174,128 '
            'C 168,110 156,100 146,96 Z')
    tail_shade = 'M 176,110 C 190,130 192,160 188,190 C 186,206 190,222 188,236 C 184,220 180,204 182,186 C 184,160 184,134 176,110 Z'
    tail_strands = 'M 160,84 C 180,92 192,112 192,140 M 170,80 C 188,92 198,118 196,150'
    outer = ('M 107.5,58 C 62,58 42,94 42,140 C 42,176 46,206 54,226 '
             'C 80,232 135,232 161,226 C 169,206 173,176 173,140 C 173,94 153,58 107.5,58 Z')
    return [outlined(tail, HAIR, 2.2, HAIR_LINE), path(tail_shade, HAIR_SHADE),
            line(tail_strands, 1.1, HAIR_LIGHT, 'opacity="0.7" stroke-linecap="round"'),
            outlined(outer, HAIR, 2.2, HAIR_LINE),
            path('M 64,160 C 64,190 66,210 70,228 L 145,228 C 149,210 151,190 151,160 Z', HAIR_SHADE)]


def body(defs):
    p = PREFIX
    defs[f'{p}-jacket'] = lin_grad(f'{p}-jacket', [(0, JACKET_LIGHT), (0.3, JACKET), (1, JACKET_SHADE)])
    jacket = ('M 92,252 C 70,258 46,262 33,278 C 22,292 18,320 15,352 L 9,443 '
              'L 206,443 L 200,352 C 197,320 193,292 182,278 C 169,262 145,258 123,252 Z')
    shirt = 'M 90,262 L 125,262 L 116,443 L 99,443 Z'
    neckline = 'M 93,258 C 98,270 117,270 122,258 L 125,262 C 118,278 97,278 90,262 Z'
    collar_l = 'M 84,240 L 92,252 L 100,300 L 86,282 L 72,262 Z'
    stripe_l = 'M 34,280 C 26,300 22,330 19,360 L 15,443 L 25,443 L 29,362 C 32,332 36,304 44,284 Z'
    zip_l = 'M 99,300 L 101,443'
    badge = ('M 150,320 L 153.5,327 L 161,328 L 155.5,333 L 157,340.5 L 150,337 L 143,340.5 '
             'L 144.5,333 L 139,328 L 146.5,327 Z')
    return [
        outlined(jacket, f'url(#{p}-jacket)', 2.2),
        outlined(shirt, SHIRT, 1.6),
        outlined(neckline, '#34497e', 1.4),
        # the jacket front edges with the zip teeth
        outlined('M 90,262 L 100,300 L 101,443 L 94,443 L 93,300 Z', JACKET_LIGHT, 1.4),
        outlined(mirror('M 90,262 L 100,300 L 101,443 L 94,443 L 93,300 Z'), JACKET_LIGHT, 1.4),
        line(zip_l + ' ' + mirror(zip_l), 2.2, '#dcdcdc', 'stroke-dasharray="1.5 1.5"'),
        f'<rect x="{W - 104}" y="300" width="5" height="11" rx="1.5" fill="#e8e8e8" stroke="{LINE}" stroke-width="1"/>',
        outlined(collar_l, JACKET, 1.8), outlined(mirror(collar_l), JACKET, 1.8),
        line('M 84,244 L 76,262 M ' + mirror('M 84,244 L 76,262').split('M ')[1], 1.0, JACKET_SHADE),
        outlined(stripe_l, WHITE, 1.6), outlined(mirror(stripe_l), WHITE, 1.6),
        line(sym('M 25,443 L 29,362 C 32,332 36,304 44,284'), 1.6, SIGNATURE_DARK, 'opacity="0.0"'),
        outlined(badge, '#ffe066', 1.3),
        line(sym('M 58,300 C 56,340 54,390 54,443'), 1.2, JACKET_SHADE),
    ]


def hair_front(defs):
    side = ('M 56,134 C 50,170 52,204 58,232 C 62,226 64,216 64,204 '
            'C 66,186 66,166 70,150 Z')
    bangs = ('M 50,164 C 44,108 68,62 107.5,60 C 147,62 171,108 165,164 '
             'C 162,150 158,140 154,130 C 154,142 152,152 148,160 '
             'C 146,146 142,136 136,128 C 134,140 130,150 124,156 '
             'C 124,142 121,132 116,124 C 112,140 104,152 94,160 '
             'C 98,148 98,138 96,128 C 90,140 82,150 74,156 '
             'C 76,146 76,138 74,130 C 68,140 64,152 62,166 '
             'C 58,164 54,163 50,164 Z')
    cowlick = 'M 104,62 C 100,46 108,36 122,34 C 112,40 110,50 114,61 Z'
    shine = ('M 72,98 C 80,86 93,81 104,80 C 97,84 88,90 82,99 C 78,98 75,98 72,98 Z '
             'M 112,80 C 125,80 138,86 145,96 C 141,97 138,98 135,99 C 129,91 121,85 112,80 Z')
    scrunchie = ('M 138,66 C 142,56 156,56 160,66 C 164,76 158,88 148,90 C 138,90 134,76 138,66 Z')
    return [
        g(path(bangs, SKIN_SHADE, extra='transform="translate(0,6)"'),
          extra=f'clip-path="url(#{PREFIX}-faceclip)"'),
        outlined(side, HAIR, 2.0, HAIR_LINE), outlined(mirror(side), HAIR, 2.0, HAIR_LINE),
        outlined(cowlick, HAIR, 1.8, HAIR_LINE),
        outlined(bangs, HAIR, 2.2, HAIR_LINE, 'stroke-linejoin="round"'),
        path(shine, HAIR_LIGHT),
        outlined(scrunchie, SIGNATURE, 1.8),
        line('M 142,64 C 146,60 152,60 156,64 M 140,76 C 144,82 152,84 157,80', 1.1, SIGNATURE_DARK),
        line('M 143,68 C 146,64 150,63 153,65', 1.4, SIGNATURE_LIGHT, 'stroke-linecap="round"'),
    ]


def marks(kind):
    if kind == 'blush':
        return blush(0.55)
    if kind == 'blush-light':
        return blush(0.35)[:2]
    if kind == 'anger':
        return [anger_mark(160, 112, 1.1)]
    if kind == 'sweat':
        return [sweat_drop(164, 140, 0.9)]
    raise ValueError(kind)
