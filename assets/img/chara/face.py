"""Face parts shared by the three characters: head, eyes, brows, mouths, marks.

Eyes and brows are drawn once for the viewer's left eye in local coordinates
(centre of the eye at 0,0, the outer corner towards -x) and placed twice,
the right one mirrored.
"""
from drawing import (CX, W, LINE, SKIN, SKIN_SHADE, SKIN_LINE, MOUTH, TONGUE,
                     BLUSH, WHITE, EYE_WHITE, LID_SHADE, path, outlined, line,
                     g, lin_grad, mirror, sym)

EYE_X = 83.0        # centre of the viewer's left eye
EYE_Y = 178.0

FACE = ('M 58,126 C 57,160 59,186 67,203 C 76,222 93,236 107.5,240 '
        'C 122,236 139,222 148,203 C 156,186 158,160 157,126 '
        'C 152,88 132,70 107.5,70 C 83,70 63,88 58,126 Z')
EAR_L = 'M 60,170 C 52,162 46,170 48,182 C 50,193 56,200 63,199 Z'
NECK = 'M 94,220 L 94,262 C 100,270 115,270 121,262 L 121,220 Z'
NECK_SHADE = 'M 94,222 C 98,238 104,246 107.5,247 C 111,246 117,238 121,222 L 121,232 C 114,250 101,250 94,232 Z'


def place_eyes(left, right=None, extra='', s=1.0):
    """Both eyes from a left-eye drawing (right = mirrored unless given)."""
    r = right if right is not None else left
    return (g(left, extra=f'transform="translate({EYE_X},{EYE_Y}) scale({s})" {extra}') + '\n' +
            g(r, extra=f'transform="translate({W - EYE_X},{EYE_Y}) scale({-s},{s})" {extra}'))


class Face:
    """Face parts in one character's colours."""

    def __init__(self, p, iris, iris_dark, iris_light, brow, defs, lash=LINE,
                 eye_scale=1.0, lashes=1):
        self.p = p                  # id prefix, e.g. "c0"
        self.iris, self.iris_dark, self.iris_light = iris, iris_dark, iris_light
        self.brow_colour = brow
        self.lash = lash
        self.defs = defs
        self.es = eye_scale
        self.lashes = lashes
        defs[f'{p}-iris'] = lin_grad(f'{p}-iris', [
            (0, iris_dark), (0.45, iris), (0.85, iris_light), (1, iris_light)])

    # ---- head -----------------------------------------------------------
    def head(self):
        return [
            outlined(EAR_L, SKIN, 1.8), outlined(mirror(EAR_L), SKIN, 1.8),
            path(sym('M 56,176 C 52,174 51,182 54,188'), 'none', SKIN_LINE, 1.1),
            outlined(FACE, SKIN, 2.2),
            # nose: a small shade and tip
            line('M 106.5,204 L 108.5,206.5 L 106,207.2', 1.2, SKIN_LINE,
                 'stroke-linecap="round" stroke-linejoin="round"'),
        ]

    def neck(self):
        return [outlined(NECK, SKIN, 2.0), path(NECK_SHADE, SKIN_SHADE)]

    # ---- eyes -----------------------------------------------------------
    WHITE_OPEN = ('M -14,-3 C -12,-12 -4,-16 3,-16 C 9,-16 13,-12 14,-7 '
                  'C 14.5,3 12,11 6,14.5 C 0,17.5 -8,16 -11,11 C -13.5,7 -14.3,2 -14,-3 Z')
    WHITE_ANGRY = ('M -14,-8 C -5,-7 5,-4 14,1 C 14,6 12,11 6,14.5 '
                   'C 0,17.5 -8,16 -11,11 C -13.5,6 -14.3,-2 -14,-8 Z')

    def _iris(self, clip, dy=0.0, small=False):
        p = self.p
        rx, ry = (8.5, 11.5) if small else (10, 13.5)
        prx, pry = (3.4, 5) if small else (4.6, 6.8)
        return g([
            f'<ellipse cx="1.5" cy="{2 + dy}" rx="{rx}" ry="{ry}" fill="url(#{p}-iris)" '
            f'stroke="{self.iris_dark}" stroke-width="1"/>',
            f'<ellipse cx="1.5" cy="{3 + dy}" rx="{prx}" ry="{pry}" fill="{self.iris_dark}"/>',
            path(f'M -6,{9 + dy} C -3,{14 + dy} 6,{14 + dy} 9,{9 + dy} '
                 f'C 6,{12 + dy} -3,{12 + dy} -6,{9 + dy} Z', self.iris_light, extra='opacity="0.9"'),
            # the shadow of the upper lid across eye white and iris
            path('M -15,-4 C -12,-13 -4,-17 3,-17 C 10,-17 14,-12 15,-7 L 15,-1 '
                 'C 11,-8 6,-10.5 1,-10.5 C -6,-10.5 -11,-6 -15,1 Z', LID_SHADE, extra='opacity="0.75"'),
            f'<ellipse cx="-3" cy="{-4.5 + dy}" rx="3.6" ry="4.6" fill="{WHITE}"/>',
            f'<circle cx="6" cy="{7.5 + dy}" r="1.8" fill="{WHITE}"/>',
            f'<circle cx="-4.5" cy="{8 + dy}" r="0.9" fill="{WHITE}" opacity="0.9"/>',
        ], extra=f'clip-path="url(#{clip})"')

    def _clip(self, name, d):
        ident = f'{self.p}-clip-{name}'
        self.defs[ident] = f'<clipPath id="{ident}">{path(d, "#000")}</clipPath>'
        return ident

    def eye_open(self, dy=0.0, small=False, lashes=True):
        clip = self._clip('eye-open', self.WHITE_OPEN)
        parts = [path(self.WHITE_OPEN, EYE_WHITE), self._iris(clip, dy, small)]
        parts += [
            # upper lid: a thick tapering lash line with a flick at the outer corner
            path('M -17,0.5 C -15,-9 -6,-17.5 3,-17.8 C 9.5,-17.8 14,-13.5 15.3,-8.2 '
                 'C 15.6,-6.4 14,-6 13,-7.6 C 11,-11.7 7.5,-14 3,-14 '
                 'C -4,-14 -10,-9.5 -13.2,-2 Z', self.lash),
            path('M -13.5,-2.5 C -16,-3 -18.5,-1.5 -20,1.8 C -17.5,0.4 -15.5,0.4 -13.8,1.2 Z', self.lash),
            line('M -10.5,12.5 C -5,16.2 2,16.8 7,14.2', 1.3, self.lash, 'stroke-linecap="round"'),
            line('M -11,-21 C -4,-24.5 5,-24 11,-19.5', 1.0, SKIN_LINE, 'stroke-linecap="round"'),
        ]
        if lashes:
            parts += self._outer_lashes()
        return parts

    def _outer_lashes(self):
        shapes = ['M -12.5,-7 C -15.5,-10 -18,-11.5 -20.5,-11.8 C -18.5,-9.8 -17,-7.5 -15.6,-4.6 Z',
                  'M -9,-11 C -11,-14.5 -13,-16.5 -15.5,-17.6 C -14,-15 -13,-12.6 -12.4,-9.6 Z']
        return [path(d, self.lash) for d in shapes[:self.lashes]]

    def eye_angry(self):
        clip = self._clip('eye-angry', self.WHITE_ANGRY)
        return [
            path(self.WHITE_ANGRY, EYE_WHITE), self._iris(clip, 2.0, small=True),
            path('M -17.5,-9.5 C -6,-9 5,-5.5 15.5,-0.5 L 14.5,2.5 C 5,-2 -5,-5.2 -14,-5.5 Z', self.lash),
            path('M -14,-7 C -16.5,-7 -19,-5 -20.5,-2 C -18,-3.5 -16,-3.5 -14,-3 Z', self.lash),
            line('M -10.5,12.5 C -5,16.2 2,16.8 7,14.2', 1.3, self.lash, 'stroke-linecap="round"'),
        ]

    def eye_closed_happy(self):
        """A closed, smiling eye: an upward arch."""
        return [
            line('M -13.5,4 C -9,-7 7,-8 13,1.5', 3.2, self.lash,
                 'stroke-linecap="round"'),
            line('M -13.5,4 L -17.5,6.5', 2.2, self.lash, 'stroke-linecap="round"'),
            line('M -10,-14 C -4,-17 5,-16.5 10,-12.5', 1.0, SKIN_LINE, 'stroke-linecap="round"'),
        ]

    def eye_squeezed(self):
        """A tightly shut eye, '>' for the left eye (outer corner at -x)."""
        return [
            line('M -13,-9 L 10,1 L -12,11', 3.2, self.lash,
                 'stroke-linecap="round" stroke-linejoin="round"'),
        ]

    def eye_teary(self):
        parts = self.eye_open(dy=1.0)
        parts += [
            # welling tears along the lower lid and a bigger, wobbling shine
            path('M -12,9 C -8,16.5 3,17.5 10,11 C 6,14.6 -4,15 -12,9 Z', '#bfe4ff', extra='opacity="0.95"'),
            f'<ellipse cx="3" cy="-1" rx="2.6" ry="3.4" fill="{WHITE}"/>',
            f'<ellipse cx="-6" cy="4" rx="1.6" ry="2.2" fill="{WHITE}"/>',
        ]
        return parts

    # ---- brows (left brow, local to the left eye) -------------------------
    def brow(self, kind):
        d = {
            'normal':  'M -15,-28 C -8,-33 3,-33.5 11,-29.5',
            'angry':   'M -15,-35 C -6,-33 3,-29 11,-23.5',
            'worried': 'M -15,-27.5 C -7,-28 3,-31 10,-37',
            'happy':   'M -15,-30 C -8,-36 3,-36.5 11,-32',
            'proud':   'M -15,-31 C -8,-35 2,-34 11,-28',
        }[kind]
        return [line(d, 3.0, self.brow_colour, 'stroke-linecap="round"')]

    # ---- whole-face pieces ------------------------------------------------
    def eyes(self, kind):
        s = self.es
        if kind == 'open':
            return place_eyes(self.eye_open(), s=s)
        if kind == 'angry':
            return place_eyes(self.eye_angry(), s=s)
        if kind == 'happy':
            return place_eyes(self.eye_closed_happy(), s=s)
        if kind == 'squeezed':
            return place_eyes(self.eye_squeezed(), s=s)
        if kind == 'teary':
            return place_eyes(self.eye_teary(), s=s)
        if kind == 'wink':       # viewer's right eye closed
            return place_eyes(self.eye_open(), self.eye_closed_happy(), s=s)
        raise ValueError(kind)

    def brows(self, kind, right=None):
        return place_eyes(self.brow(kind), self.brow(right or kind))


def mouth(kind):
    if kind == 'smirk':
        return [line('M 99,214.5 C 103.5,219.5 111.5,219.5 116.5,213', 1.7, LINE,
                     'stroke-linecap="round"'),
                line('M 116.5,213 L 118,211.8', 1.3, LINE, 'stroke-linecap="round"')]
    if kind == 'small':
        return [line('M 102.5,218.5 C 105.5,217 109.5,217 112.5,218.5', 1.6, LINE,
                     'stroke-linecap="round"')]
    if kind == 'soft':
        return [line('M 100,215 C 104,220.5 111,220.5 115,215', 1.7, LINE,
                     'stroke-linecap="round"')]
    if kind == 'grin':
        return [outlined('M 95.5,211.5 C 100,225 115,225 119.5,211.5 C 111.5,214.5 103.5,214.5 95.5,211.5 Z',
                         MOUTH, 1.6, extra='stroke-linejoin="round"'),
                path('M 101,220.5 C 104,218 111,218 114,220.5 C 111,223 104,223 101,220.5 Z', TONGUE),
                path('M 97.5,212.6 C 104,215.2 111,215.2 117.5,212.6 L 116.6,215 '
                     'C 110,217 105,217 98.4,215 Z', WHITE),
                path('M 100.5,214 L 102.3,218.8 L 104.2,214.8 Z', WHITE, LINE, 0.8)]
    if kind == 'shout':
        return [outlined('M 99.5,211 C 98.5,219 101.5,226 107.5,226 C 113.5,226 116.5,219 115.5,211 '
                         'C 110,209.4 105,209.4 99.5,211 Z', MOUTH, 1.6),
                path('M 101.5,222.5 C 104,219 111,219 113.5,222.5 C 111,225.5 104,225.5 101.5,222.5 Z', TONGUE)]
    if kind == 'shout-fang':
        return mouth('shout') + [path('M 101.5,211.2 L 103,215.5 L 104.6,210.6 Z', WHITE, LINE, 0.8)]
    if kind == 'laugh':
        return [outlined('M 97.5,211 C 100,223.5 115,223.5 117.5,211 C 111,213.2 104,213.2 97.5,211 Z',
                         MOUTH, 1.6, extra='stroke-linejoin="round"'),
                path('M 101.5,219.5 C 104.5,216.5 110.5,216.5 113.5,219.5 C 110.5,222 104.5,222 101.5,219.5 Z', TONGUE)]
    if kind == 'wavy':
        return [line('M 99,219 C 101,216 103,216 105,218.5 C 107,221 108.5,221 110.5,218.5 '
                     'C 112.5,216 114.5,216 116,219', 1.6, LINE,
                     'stroke-linecap="round" stroke-linejoin="round"')]
    if kind == 'tongue':
        return [outlined('M 98,212 C 101,221 114,221 117,212 C 111,214.2 104,214.2 98,212 Z',
                         MOUTH, 1.6, extra='stroke-linejoin="round"'),
                outlined('M 105.5,217.5 C 105,225.5 113.5,226.5 114.5,217 C 112,218.5 108,218.8 105.5,217.5 Z',
                         TONGUE, 1.2),
                line('M 110,219 L 110.3,222.5', 0.9, MOUTH, 'stroke-linecap="round"')]
    raise ValueError(kind)


def blush(strength=0.5):
    hatch = ('M 70,205 L 73,200 M 75,205.5 L 78,200.5 M 80,205 L 83,200')
    return [
        f'<ellipse cx="76" cy="203" rx="10" ry="5" fill="{BLUSH}" opacity="{strength}"/>',
        f'<ellipse cx="{W - 76}" cy="203" rx="10" ry="5" fill="{BLUSH}" opacity="{strength}"/>',
        line(hatch + ' ' + mirror(hatch), 1.1, '#e0606e', 'stroke-linecap="round" opacity="0.8"'),
    ]


def anger_mark(x, y, s=1.0, colour='#e8344a'):
    """The cross-shaped 'popping vein' mark of comic anger."""
    arm = 'M -2,-9 C -2,-4 -4,-2 -9,-2'
    d = ' '.join(f'<path d="{arm}" transform="rotate({a})" fill="none" '
                 f'stroke="{colour}" stroke-width="3.2" stroke-linecap="round"/>' for a in (0, 90, 180, 270))
    return g(d, extra=f'transform="translate({x},{y}) scale({s})"')


def sweat_drop(x, y, s=1.0):
    return g([outlined('M 0,-10 C 3,-4 7,0 7,5 C 7,10 -7,10 -7,5 C -7,0 -3,-4 0,-10 Z',
                       '#bfe4ff', 1.4, '#4a7fb0'),
              path('M -3,3 C -3,0 -1,-2 0,-3', 'none', WHITE, 1.5, 'stroke-linecap="round"')],
             extra=f'transform="translate({x},{y}) scale({s})"')


def tears():
    """Tears running from the outer corners of both eyes down the cheeks."""
    stream = ('M 72,189 C 70,196 68,204 69,213 C 69.5,218 75,218 75.5,213 '
              'C 76,205 74,197 75,190 Z')
    drop = 'M 72,219 C 74,223 75.5,225.5 75.5,227.5 C 75.5,230.5 69.5,230.5 69.5,227.5 C 69.5,225.5 71,223 72,219 Z'
    shine = 'M 71.3,196 C 70.6,201 70.4,206 70.8,210'
    one = [outlined(stream, '#cdeaff', 1.1, '#5a8fc0'), outlined(drop, '#cdeaff', 1.0, '#5a8fc0'),
           line(shine, 1.2, WHITE, 'stroke-linecap="round"')]
    return [g(one), g(one, extra=f'transform="translate({W},0) scale(-1,1)"')]
