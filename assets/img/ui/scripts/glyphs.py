# Text to SVG path data with fontTools (outlines of a font installed here).
from fontTools.ttLib import TTFont
from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen

def text_path(fontfile, text, size, x=0, y=0, spacing=0, shear=0.0):
    font = TTFont(fontfile)
    gs = font.getGlyphSet()
    cmap = font.getBestCmap()
    upem = font['head'].unitsPerEm
    sc = size / upem
    hmtx = font['hmtx']
    kern = {}
    if 'kern' in font:
        for t in font['kern'].kernTables:
            kern.update(t.kernTable)
    pen = SVGPathPen(gs)
    cx = 0.0
    prev = None
    names = [cmap[ord(ch)] for ch in text]
    boxes = []
    for n in names:
        if prev and (prev, n) in kern:
            cx += kern[(prev, n)]
        tp = TransformPen(pen, (sc, 0, -sc * shear, -sc, x + cx * sc, y))
        gs[n].draw(tp)
        boxes.append((x + cx * sc, hmtx[n][0] * sc))
        cx += hmtx[n][0] + spacing / sc
        prev = n
    return pen.getCommands(), cx * sc, boxes

if __name__ == '__main__':
    import sys
    d, w, _ = text_path('/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf', 'Vantrel', 100)
    print(w, len(d))
