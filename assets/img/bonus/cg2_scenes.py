"""The bonus pictures of character 2, 日向 夏海 (Hinata Natsumi).

The story: A, she bursts into the briefing room and teases the player;
B, a break at the training ground, where she splits an ice pop with the
player; C, beaten at tactics, she challenges the player to a race on the
floodlit track (the second picture: あっかんべー); D, farewell on the rampart
at sunset, waving.
"""
from cg2_kit import (CX, WHITE, BRASS_DARK, fmt, path, outlined, line, g, lin_grad, rad_grad, place,
                     bubble, shout, sparkle, speed_lines, vignette, document, thumbnail, rng, hand_open,
                     hand_v, hand_fist_grip, hand_fist_back, hand_back_flat, hand_thumb_up)
from cg2_figure import (Head, torso, arm, bare_arm, tshirt, towel, tied_jacket_back, tied_jacket_front,
                        shorts, leg, shadow, eye_pulled, mouth_big_grin, mouth_tongue_out, mouth_cat,
                        tear_corner)
import cg2_places as P
import chara2 as C

INDEX = 2


# ---- page A: she bursts into the briefing room ------------------------------------------

def page_a():
    defs = {}
    wdt, hgt = 800, 600
    s = 1.08
    fx, fy = 565 - CX * s, 20 - 58 * s
    head = Head(defs, dict(eyes='open', brows='happy', mouth=mouth_big_grin(), marks=['blush-light']), tilt=6)
    # her right hand grips the door frame, her left waves high: "やっほー！"
    grip = arm((47, 298), (-4, 302), (-28, 222), hand_fist_grip(), hand_ang=0, stripe=1, hand_s=1.05,
               fore_over=False)
    wave = arm((168, 298), (230, 246), (236, 156), hand_open(), hand_ang=12, stripe=-1, band=True, hand_s=1.12)
    figure = [head.back(), g(shorts()), g(torso(defs)), *head.front(), g(grip), g(wave)]

    out = P.panel_wall(defs, wdt, hgt, rail=430)
    out += P.wall_screen(defs, 40, 110, 250, 190)
    out += P.pendant_lamp(defs, 170, 40, 70, 'c2a-lamp')
    out += P.doorway(defs, 430, 84, 270, 560)
    out += speed_lines(565, 300, 190, 360, 40, 9, '#fff6dc', 0.35, a0=-100, a1=100, w=3.5)
    out.append(place(figure, fx, fy, s))
    out += P.table_corner(defs, -40, 340, 470, hgt)
    for (x, y, c, k, sc) in [(70, 520, '#4f9a3c', 'tank', 1.2), (150, 560, '#e8c63a', 'cmd', 1.2),
                             (40, 580, '#4f9a3c', 'tank', 1.3), (250, 505, C.SIGNATURE, 'tank', 1.1),
                             (300, 560, C.SIGNATURE, 'cmd', 1.3)]:
        out += P.unit_piece(x, y, c, sc, k)
    out += P.papers(350, 300, 5, 12, 60)
    out += [
        shout(292, 92, 'バーン！', 46, WHITE, C.SIGNATURE, rot=-10, outer=C.SIGNATURE_DARK, sw_outer=9),
        bubble(40, 340, 320, 76, ['やっほー！ 今日もキミの部隊、', 'ぜーんぶ見つけちゃうからね？'], (452, 300), 18,
               accent=C.SIGNATURE_LIGHT),
        vignette(defs, wdt, hgt, 0.25, 'c2a-vig'),
    ]
    return document(wdt, hgt, defs, out, f'{C.NAME}: page A, the briefing room')


# ---- page B: the ice pop ---------------------------------------------------------------

POP = '#ff9a3c'
POP_LIGHT = '#ffd08a'
POP_DARK = '#d86a14'
STICK = '#e8cf9a'


def ice_pop_half(bitten=False, lucky=False):
    """One half of a twin ice pop on its stick, in the frame of the hand that
    holds it (wrist at 0,0, the pop straight up); bitten: a bite out of its top
    corner; lucky: the stick shows "あたり" (we do not see it: it is in the pop)."""
    top = -122
    body = (f'M -12,-58 L -12,{top + 10} C -12,{top + 2} -6,{top - 2} 1,{top - 2} '
            f'C 8,{top - 2} 14,{top + 2} 14,{top + 10} L 14,-58 C 10,-54 -8,-54 -12,-58 Z')
    if bitten:
        body = (f'M -12,-58 L -12,{top + 16} C -12,{top + 6} -8,{top + 1} -3,{top + 1} '
                f'C -2,{top + 8} 2,{top + 11} 6,{top + 10} C 9,{top + 14} 13,{top + 16} 14,{top + 20} '
                f'L 14,-58 C 10,-54 -8,-54 -12,-58 Z')
    out = [outlined('M -2,-60 L 6,-60 L 6,-22 L -2,-22 Z', STICK, 1.3),
           outlined(body, POP, 1.8, extra='stroke-linejoin="round"'),
           path(f'M -12,-58 L -12,{top + 14} C -12,{top + 8} -10,{top + 4} -7,{top + 2} L -5,-57 C -8,-56 -10,-57 -12,-58 Z',
                POP_DARK, extra='opacity="0.7"'),
           line(f'M 7,{top + 16} L 7,-66', 3.2, POP_LIGHT, 'stroke-linecap="round" opacity="0.9"'),
           line('M -12,-80 L 14,-80 M -12,-100 L 14,-100', 1.0, POP_DARK, 'opacity="0.5"')]
    # frost sparkles
    out += [f'<circle cx="10" cy="{top + 30}" r="1.4" fill="#fff"/>', f'<circle cx="-4" cy="-70" r="1.1" fill="#fff" opacity="0.8"/>']
    return out


def page_b():
    defs = {}
    wdt, hgt = 800, 600
    s = 1.12
    fx, fy = 392 - CX * s, 22 - 58 * s
    head = Head(defs, dict(eyes='open', brows='happy', mouth=mouth_cat(), marks=['blush-light']), tilt=-5)
    own = bare_arm((50, 300), (22, 410), (64, 322), [*ice_pop_half(bitten=True), *hand_fist_grip()],
                   hand_ang=-8, flip=True, band=True, shade_side=1)
    offer = bare_arm((165, 300), (206, 396), (246, 318), [*ice_pop_half(), *hand_fist_grip()],
                     hand_ang=22, shade_side=-1, hand_s=1.06)
    figure = [head.back(), g(tied_jacket_back(defs)), g(shorts()), g(tshirt(defs)), g(tied_jacket_front(defs)),
              *head.front(), g(towel(defs)),
              g(own), g(offer)]

    horizon = 430
    out = P.night_sky(defs, wdt, horizon + 20, 'c2b-sky', seed=31, n=60)
    out += P.hq_skyline(horizon, 420, seed=9)
    out += P.floodlight(defs, 120, horizon + 10, 330, 'c2b-fl', lamps=3)
    out += [f'<rect x="0" y="{horizon}" width="{wdt}" height="{hgt - horizon}" fill="{P.GRASS_DARK}"/>']
    out += P.track(defs, 420, horizon + 6, hgt, 200, horizon - 120, lanes=4, x_left=-300, x_right=700, ident='c2b-track')
    out += P.brick_wall(defs, 470, 0, 330, hgt, 'c2b-wall')
    out += [line('M 470,0 L 470,600', 4, '#0a1226'), line('M 474,0 L 474,600', 1.5, BRASS_DARK)]
    out += P.vending_machine(defs, 610, 170, 150, 330, 'c2b-vm')
    out += [f'<rect x="470" y="500" width="330" height="100" fill="#141f3a"/>', line('M 470,500 L 800,500', 2, '#0a1226')]
    out += P.bench(40, 520, 200)
    out += P.water_bottle(210, 520, 1.0)
    out += P.sports_bag(100, 522, 0.9)
    out += P.basketball(180, 570, 24)
    out += [place(figure, fx, fy, s)]
    out += [bubble(500, 40, 280, 96, ['はい、半分こ！', '……あ、「当たり」だったら', 'あたしのだからね？'], (505, 190), 18,
                   accent=C.SIGNATURE_LIGHT),
            sparkle(620, 236, 6, '#fff', 0.9),
            vignette(defs, wdt, hgt, 0.3, 'c2b-vig')]
    return document(wdt, hgt, defs, out, f'{C.NAME}: page B, an ice pop at the training ground')


# ---- page C: the challenge on the track ---------------------------------------------

def page_c():
    defs = {}
    wdt, hgt = 800, 1220
    s = 0.97
    fx, fy = 266, 14
    head = Head(defs, 'grin', tilt=-4)
    legs = [g(leg((80, 592), (76, 806), (70, 1104), -1, 'c2c-l', defs, shoe_turn=10)),
            g(leg((135, 592), (128, 800), (162, 1088), 1, 'c2c-r', defs, shoe_turn=18, tiptoe=0.5))]
    # her left hand up in a V sign beside her face, her right on her hip
    v_arm = arm((168, 298), (216, 368), (196, 262), hand_v(), stripe=-1, band=True, hand_s=1.15)
    hip_arm, hip_hand = arm((47, 298), (-14, 388), (40, 446), hand_back_flat(), stripe=1, hand_s=1.0,
                            hand_ang=128, flip=True, split=True)
    lean = dict(r=-2.5, pivot=(107.5, 560))
    figure = [place(head.back(), **lean), *legs, g(shorts()),
              place([g(hip_hand), g(torso(defs)), g(hip_arm), *head.front(), g(v_arm)], **lean)]

    horizon = 820
    out = P.night_sky(defs, wdt, horizon + 10)
    out += P.hq_skyline(horizon, wdt, seed=5)
    out += P.clock_tower(650, horizon - 40, 1.0)
    out += [f'<rect x="0" y="{horizon}" width="{wdt}" height="{hgt - horizon}" fill="{P.GRASS_DARK}"/>']
    out += P.track(defs, wdt, horizon + 30, hgt, 400, horizon - 260, lanes=6, x_left=-380, x_right=1420)
    out += P.floodlight(defs, 70, horizon + 20, 560, 'c2c-fl1', beam_to=(300, hgt), beam_w=500)
    out += P.floodlight(defs, 740, horizon + 10, 520, 'c2c-fl2', beam_to=(520, hgt), beam_w=500)
    out += P.moon(120, 110, 26)
    out += P.scoreboard(defs, 110, 600, 170, 96, '夏海', 'キミ', '0', '3', 'SCORE', ground=horizon)
    out += P.start_line(defs, 1178, -380, 1420, 400, horizon - 260, hgt, 6, numbers=False)
    # lane numbers in front of the start line (hers is lane 3), the hurdles of the
    # evening's practice, cones
    for n, x in [(2, 76), (4, 664)]:
        out.append(P.lane_number(x, 1211, n, 1.3))
    out += P.hurdle(150, 905, 80, 26, 0.9)
    out += P.hurdle(560, 905, 80, 26, 0.9)
    out += P.hurdle(86, 980, 110, 36, 1.1)
    out += P.cone(690, 1050, 1.1)
    out += P.cone(110, 1110, 1.2)
    out += [
        shadow(fx + 108 * s, fy + 1176 * s, 120 * s, 16 * s),
        place(figure, fx, fy, s),
        bubble(500, 150, 270, 92, ['作戦では負けたけど……', 'かけっこなら', '負けないもんね！'], (470, 250), 18,
               accent=C.SIGNATURE_LIGHT),
        vignette(defs, wdt, hgt, 0.3),
    ]
    return document(wdt, hgt, defs, out, f'{C.NAME}: page C, the challenge on the track')


# ---- page D: farewell on the rampart -------------------------------------------------------

def page_d():
    defs = {}
    wdt, hgt = 800, 600
    s = 1.1
    fx, fy = 330 - CX * s, 22 - 58 * s
    head = Head(defs, dict(eyes='happy', brows='happy', mouth=mouth_big_grin(),
                           marks=['blush', tear_corner(149, 185, 0.62), tear_corner(66, 185, 0.62)]), tilt=-5)
    wave = arm((168, 298), (232, 250), (246, 150), hand_open(), hand_ang=16, stripe=-1, hand_s=1.12)
    thumb = arm((47, 298), (24, 410), (82, 372), hand_thumb_up(), hand_ang=-6, stripe=1, band=True,
                hand_s=1.1, flip=True)
    figure = [head.back(), g(shorts()), g(torso(defs)), *head.front(), g(thumb), g(wave)]
    horizon = 430
    out = P.sunset_sky(defs, wdt, horizon, 600, sun_y=372)
    out += P.plain(defs, wdt, horizon, hgt)
    out += P.clock_tower(742, 398, 0.5, '#2a2040')
    out += P.parapet(defs, wdt, 392, 486)
    out += P.flag_pole(46, 150, 400, C.SIGNATURE, C.SIGNATURE_DARK)
    out += P.wall_walk(defs, wdt, 486, hgt)
    out += [shadow(fx + 108 * s, 590, 150, 14, 0.3), place(figure, fx, fy, s)]
    out += [bubble(496, 168, 280, 96, ['楽しかったよ、司令官！', '次は負けないからね。', 'また遊ぼうね！'], (392, 196), 18,
                   accent=C.SIGNATURE_LIGHT),
            vignette(defs, wdt, hgt, 0.3, 'c2d-vig')]
    return document(wdt, hgt, defs, out, f'{C.NAME}: page D, farewell on the rampart')


PAGES = {
    'cg2A.svg': page_a,
    'cg2B.svg': page_b,
    'cg2C.svg': page_c,
    'cg2D.svg': page_d,
    # the tall page at the gallery's narrow thumbnail ratio (the others keep theirs)
    'cg2C-thumb.svg': lambda: thumbnail('cg2C.svg', 800, 1220, 65, 98, f'{C.NAME}: page C thumbnail'),
}


# ---- page C, second picture: あっかんべー -----------------------------------------------

def page_c2():
    defs = {}
    wdt, hgt = 383, 600
    s = 2.35
    fx, fy = 176 - CX * s, 26 - 58 * s
    f = C.make_face(defs)
    from face import place_eyes
    eyes = place_eyes(eye_pulled(f), f.eye_closed_happy())
    head = Head(defs, dict(eyes=eyes, brows=('happy', 'normal'), mouth=mouth_tongue_out(),
                           marks=['blush-light']), tilt=5)
    # her right hand up at her right eye, the forefinger pulling the lid down
    tease = arm((30, 520), (42, 420), (72, 262), hand_fist_back(index_up=True), stripe=1, band=True,
                hand_s=1.0, hand_ang=-4, flip=True, widths=(26, 25, 24, 22))
    figure = [head.back(), g(torso(defs)), *head.front(), g(tease)]
    out = []
    defs['c2c2-bg'] = lin_grad('c2c2-bg', [(0, '#0b1634'), (0.6, '#1a2d5c'), (1, '#0b1634')])
    defs['c2c2-halo'] = rad_grad('c2c2-halo', [(0, C.SIGNATURE_LIGHT, 0.55), (0.5, C.SIGNATURE, 0.2),
                                                (1, C.SIGNATURE, 0)])
    out.append(f'<rect width="{wdt}" height="{hgt}" fill="url(#c2c2-bg)"/>')
    r = rng(21)
    for _ in range(26):
        x, y, rad = r() * wdt, r() * hgt, 10 + r() * 34
        col = ['#ffe2a8', C.SIGNATURE_LIGHT, '#8fb0e8'][int(r() * 3)]
        out.append(f'<circle cx="{fmt(x)}" cy="{fmt(y)}" r="{fmt(rad)}" fill="{col}" opacity="{fmt(0.06 + r() * 0.12)}"/>')
    out.append(f'<ellipse cx="190" cy="250" rx="260" ry="300" fill="url(#c2c2-halo)"/>')
    out += speed_lines(190, 260, 210, 520, 40, 4, WHITE, 0.18, w=4)
    out.append(place(figure, fx, fy, s))
    out.append(shout(132, 580, 'べーっだ！', 50, WHITE, C.SIGNATURE, rot=-7, outer=C.SIGNATURE_DARK, sw_outer=9))
    out.append(vignette(defs, wdt, hgt, 0.35, 'c2c2-vig'))
    return document(wdt, hgt, defs, out, f'{C.NAME}: page C, second picture')


PAGES['cg2C-2.svg'] = page_c2
