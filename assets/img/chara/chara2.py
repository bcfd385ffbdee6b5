"""Character 2: 日向 夏海 (Hinata Natsumi), the lively commander.

Chocolate-brown hair in a high ponytail with an orange scrunchie and a
cowlick, amber eyes, a tomboyish grin with one small fang; an orange track
jacket with white stripes over a navy T-shirt.
"""
from drawing import (W, LINE, WHITE, SKIN, SKIN_SHADE, path, outlined, line, g,
                     lin_grad, mirror, sym, locks, shine_band, tapered)
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
    # the ponytail, tied high at the back, swings out to the viewer's right
    tail = ('M 146,74 C 170,58 202,70 206,104 C 210,134 199,160 203,190 '
            'C 206,212 201,236 190,258 C 191,242 187,228 184,216 C 182,230 178,242 169,250 '
            'C 176,228 176,206 178,188 C 182,162 186,136 176,114 C 168,98 158,92 148,90 Z')
    tail_shade = ('M 178,104 C 192,126 194,158 190,188 C 188,206 192,222 190,240 '
                  'C 186,224 182,208 184,190 C 187,160 188,130 178,104 Z')
    tail_strands = ['M 158,76 C 182,82 198,104 196,140', 'M 166,96 C 180,112 184,140 180,170',
                    'M 196,150 C 192,180 196,210 192,236']
    outer = ('M 107.5,60 C 64,60 46,94 46,136 C 46,160 48,180 53,198 '
             'L 162,198 C 167,180 169,160 169,136 C 169,94 151,60 107.5,60 Z')
    return [outlined(tail, HAIR, 2.2, HAIR_LINE, 'stroke-linejoin="round"'), path(tail_shade, HAIR_SHADE),
            *[tapered(d, 0.3, 1.4, 1.6, HAIR_LINE) for d in tail_strands],
            line('M 184,120 C 192,140 192,160 190,176', 2.0, HAIR_LIGHT, 'stroke-linecap="round" opacity="0.8"'),
            outlined(outer, HAIR, 2.2, HAIR_LINE)]


def body(defs):
    p = PREFIX
    defs[f'{p}-jacket'] = lin_grad(f'{p}-jacket', [(0, JACKET_LIGHT), (0.3, JACKET), (1, JACKET_SHADE)])
    jacket = ('M 92,252 C 70,258 46,262 33,278 C 22,292 18,320 15,352 L 9,443 '
              'L 206,443 L 200,352 C 197,320 193,292 182,278 C 169,262 145,258 123,252 Z')
    shirt = 'M 90,262 L 125,262 L 116,443 L 99,443 Z'
    neckline = 'M 93,258 C 98,270 117,270 122,258 L 125,262 C 118,278 97,278 90,262 Z'
    collar_l = 'M 83,242 C 84,254 90,264 96,272 L 100,300 C 92,290 82,279 73,266 C 73,257 77,249 83,242 Z'
    stripe_l = 'M 34,280 C 26,300 22,330 19,360 L 15,443 L 25,443 L 29,362 C 32,332 36,304 44,284 Z'
    zip_l = 'M 99,300 L 101,443'
    badge = ('M 138,318 L 141.5,325 L 149,326 L 143.5,331 L 145,338.5 L 138,335 L 131,338.5 '
             'L 132.5,331 L 127,326 L 134.5,325 Z')
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
        # the shade down the sides of her body, between arm and chest
        path(sym('M 58,300 C 60,340 62,390 63,443 L 75,443 C 72,392 70,344 66,304 Z'), JACKET_SHADE,
             extra='opacity="0.8"'),
        tapered('M 58,300 C 56,340 55,390 54,443', 1.6, 0.6, fill=LINE),
        tapered(mirror('M 58,300 C 56,340 55,390 54,443'), 1.6, 0.6, fill=LINE),
        outlined(badge, '#ffe066', 1.3),
        # a coach's whistle on an orange cord
        line('M 93,262 C 98,290 106,316 111,330 M 122,262 C 120,290 117,316 115,330', 2.6, LINE,
             'stroke-linecap="round"'),
        line('M 93,262 C 98,290 106,316 111,330 M 122,262 C 120,290 117,316 115,330', 1.4, SIGNATURE_LIGHT,
             'stroke-linecap="round"'),
        outlined('M 106,330 L 121,330 C 126,330 128,336 126,340 C 124,345 118,346 114,344 '
                 'L 108,344 C 104,344 103,340 103,337 C 103,333 104,330 106,330 Z', '#dfe6ee', 1.4),
        path('M 107,332 L 119,332', 'none', WHITE, 1.4, 'stroke-linecap="round"'),
        f'<circle cx="120" cy="338" r="2.4" fill="#8d99a8"/>',
    ]


def hair_front(defs):
    cap = ('M 50,166 C 43,112 68,60 107.5,58 C 147,60 172,112 165,166 '
           'C 160,140 150,112 130,102 C 112,96 92,98 78,106 C 62,116 54,140 50,166 Z')
    cap_edge = 'M 50,166 C 43,112 68,60 107.5,58 C 147,60 172,112 165,166'
    sides = [((52, 130), (66, 138), (57, 228), -5, 0.2, 0.15),
             ((W - 66, 138), (W - 52, 130), (W - 57, 228), 5, 0.2, 0.15)]
    # lively bangs swept towards her right
    bangs = [
        ((50, 124), (70, 100), (53, 168), -6),
        ((146, 100), (166, 124), (161, 166), 5),
        ((62, 100), (88, 86), (67, 158), -6),
        ((130, 88), (154, 100), (149, 160), 4),
        ((112, 80), (138, 88), (129, 152), 2),
        ((78, 84), (102, 78), (82, 150), -4),
        ((94, 78), (122, 78), (99, 160), -7),
    ]
    wisps = [((116, 96), (120, 96), (117, 146), 1, 0.2, 0.1)]
    from drawing import lock
    bang_shadow = [path(lock(*b)[0], SKIN_SHADE) for b in bangs]
    cowlick = 'M 104,62 C 100,46 108,36 122,34 C 112,40 110,50 114,61 Z'
    scrunchie = ('M 138,66 C 142,56 156,56 160,66 C 164,76 158,88 148,90 C 138,90 134,76 138,66 Z')
    strands = 'M 90,68 C 82,80 78,90 76,100 M 128,66 C 140,76 146,86 148,98'
    return [
        g(g(bang_shadow, extra='transform="translate(0,6)"'),
          extra=f'clip-path="url(#{PREFIX}-faceclip)"'),
        *locks(sides, HAIR, HAIR_LINE, 1.8),
        outlined(cowlick, HAIR, 1.8, HAIR_LINE),
        path(cap, HAIR), line(cap_edge, 2.2, HAIR_LINE),
        line(strands, 1.0, HAIR_LIGHT, 'opacity="0.7" stroke-linecap="round"'),
        *locks(bangs, HAIR, HAIR_LINE, 2.0),
        *locks(wisps, HAIR, HAIR_LINE, 1.2),
        shine_band(107.5, 152, 62, 5, -56, 50, 9, HAIR_LIGHT, 4),
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
