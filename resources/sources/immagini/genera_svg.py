#!/usr/bin/env python3
# Genera i sorgenti SVG di tutte le immagini del gioco (solo stdlib).
# Il patibolo e Mr. Gorbio sono disegnati una volta sola e riusati.
# Uso: python3 genera_svg.py CARTELLA_DI_USCITA
import math
import os
import sys

OUT = '#2a2420'   # contorno
FONT = "'Liberation Sans', Arial, sans-serif"


def n(x):
    s = '%.2f' % x
    s = s.rstrip('0').rstrip('.')
    return '0' if s in ('-0', '') else s


def pts(seq):
    return ' '.join('%s,%s' % (n(a), n(b)) for a, b in seq)


def mix(c1, c2, t):
    a = [int(c1[i:i + 2], 16) for i in (1, 3, 5)]
    b = [int(c2[i:i + 2], 16) for i in (1, 3, 5)]
    return '#' + ''.join('%02x' % round(a[i] + (b[i] - a[i]) * t) for i in range(3))


class Rng:
    # generatore fisso: stesse stelle a ogni esecuzione
    def __init__(self, seed):
        self.s = seed & 0x7fffffff

    def r(self):
        self.s = (self.s * 1103515245 + 12345) & 0x7fffffff
        return self.s / 0x7fffffff


class Doc:
    def __init__(self, w, h, titolo):
        self.w, self.h, self.titolo = w, h, titolo
        self.defs, self.body, self.k = [], [], 0

    def uid(self, p):
        self.k += 1
        return '%s%d' % (p, self.k)

    def add(self, s):
        self.body.append(s)

    def d(self, s):
        self.defs.append(s)

    def lingrad(self, stops, x1=0, y1=0, x2=0, y2=1, units=None):
        i = self.uid('g')
        u = ' gradientUnits="%s"' % units if units else ''
        st = ''.join('<stop offset="%s" stop-color="%s"%s/>' % (
            n(o), c, (' stop-opacity="%s"' % n(a)) if a is not None else '')
            for o, c, a in [(s + (None,))[:3] for s in stops])
        self.d('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s"%s>%s</linearGradient>'
               % (i, n(x1), n(y1), n(x2), n(y2), u, st))
        return 'url(#%s)' % i

    def radgrad(self, stops, cx=.5, cy=.5, r=.5, units=None, fx=None, fy=None):
        i = self.uid('r')
        u = ' gradientUnits="%s"' % units if units else ''
        fxy = ' fx="%s" fy="%s"' % (n(fx), n(fy)) if fx is not None else ''
        st = ''.join('<stop offset="%s" stop-color="%s"%s/>' % (
            n(o), c, (' stop-opacity="%s"' % n(a)) if a is not None else '')
            for o, c, a in [(s + (None,))[:3] for s in stops])
        self.d('<radialGradient id="%s" cx="%s" cy="%s" r="%s"%s%s>%s</radialGradient>'
               % (i, n(cx), n(cy), n(r), fxy, u, st))
        return 'url(#%s)' % i

    def clip(self, shape):
        i = self.uid('c')
        self.d('<clipPath id="%s">%s</clipPath>' % (i, shape))
        return 'url(#%s)' % i

    def text(self):
        return ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
                'viewBox="0 0 %d %d">\n<title>%s</title>\n<defs>\n%s\n</defs>\n%s\n</svg>\n'
                % (self.w, self.h, self.w, self.h, self.titolo,
                   '\n'.join(self.defs), '\n'.join(self.body)))


def limb(p, col, w, ow=None, out=OUT):
    d = 'M' + ' L'.join('%s,%s' % (n(a), n(b)) for a, b in p)
    ow = w + 3.2 if ow is None else ow
    return ('<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"/>'
            '<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"/>'
            % (d, out, n(ow), d, col, n(w)))


def blob(circles, fill, sw=1.6, out=OUT):
    # unione di cerchi con un solo contorno esterno
    def sh(c, f, extra):
        if len(c) == 3:
            return '<circle cx="%s" cy="%s" r="%s" fill="%s"%s/>' % (n(c[0]), n(c[1]), n(c[2]), f, extra)
        return '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"%s/>' % (n(c[0]), n(c[1]), n(c[2]), n(c[3]), f, extra)
    a = ''.join(sh(c, out, ' stroke="%s" stroke-width="%s"' % (out, n(sw * 2))) for c in circles)
    b = ''.join(sh(c, fill, '') for c in circles)
    return a + b


# ---------------------------------------------------------------- Mr. Gorbio
SKIN, SKIN_SH, NOSE = '#f7cfa6', '#e3a77f', '#e9806a'
HAT, HAT_SH, BAND = '#34374f', '#24263a', '#c8402e'
SHIRT, SHIRT_SH, BRACES = '#f1b43c', '#d4902a', '#8a3f1f'
TROUS, TROUS_SH, SHOE, HAIR = '#3c5c9c', '#2c467a', '#4b2e1c', '#d9772b'
BOW = '#c8402e'
FEET = 64      # pianta dei piedi (coordinate locali, origine al collo)

POSE = {
    'stand':   dict(a=[[(-11, 5), (-16, 17), (-18, 28)], [(11, 5), (16, 17), (18, 28)]],
                    l=[[(-6, 32), (-6, 46), (-7, 59)], [(6, 32), (6, 46), (7, 59)]]),
    'walk':    dict(a=[[(-11, 5), (-19, 14), (-24, 23)], [(11, 5), (17, 15), (24, 19)]],
                    l=[[(-6, 32), (-12, 45), (-19, 57)], [(6, 32), (13, 42), (13, 58)]],
                    s=[(-1, -20), (1, 0)]),
    'balance': dict(a=[[(-11, 5), (-22, 3), (-33, -2)], [(11, 5), (22, 1), (33, -6)]],
                    l=[[(-6, 32), (-9, 45), (-7, 59)], [(6, 32), (9, 45), (7, 59)]]),
    'pray':    dict(a=[[(-11, 5), (-14, 19), (-3, 13)], [(11, 5), (14, 19), (3, 13)]],
                    l=[[(-6, 32), (-6, 46), (-6, 59)], [(6, 32), (6, 46), (6, 59)]]),
    'tied':    dict(a=[[(-11, 5), (-15, 16), (-8, 26)], [(11, 5), (15, 16), (8, 26)]],
                    l=[[(-6, 32), (-6, 46), (-6, 59)], [(6, 32), (6, 46), (6, 59)]], behind=True),
    'wobble':  dict(a=[[(-11, 5), (-15, 16), (-8, 26)], [(11, 5), (15, 16), (8, 26)]],
                    l=[[(-6, 32), (-7, 46), (-6, 59)], [(6, 32), (17, 38), (20, 50)]],
                    s=[(-1, 0), (1, 25)], behind=True),
    'tiptoe':  dict(a=[[(-11, 5), (-15, 16), (-8, 26)], [(11, 5), (15, 16), (8, 26)]],
                    l=[[(-5, 32), (-5, 46), (-4, 58)], [(5, 32), (6, 46), (5, 58)]],
                    s=[(-1, -62), (1, 62)], behind=True),
    'dangle':  dict(a=[[(-11, 5), (-15, 16), (-8, 26)], [(11, 5), (15, 16), (8, 26)]],
                    l=[[(-6, 32), (-8, 46), (-7, 59)], [(6, 32), (5, 46), (8, 58)]],
                    s=[(-1, -70), (1, 75)], behind=True),
    'wave':    dict(a=[[(-11, 5), (-21, 15), (-13, 24)], [(11, 5), (23, -3), (27, -17)]],
                    l=[[(-6, 32), (-7, 46), (-9, 59)], [(6, 32), (7, 46), (9, 59)]], wave=True),
    'jump':    dict(a=[[(-11, 5), (-21, -5), (-27, -19)], [(11, 5), (21, -5), (27, -19)]],
                    l=[[(-6, 32), (-16, 39), (-12, 52)], [(6, 32), (16, 39), (12, 52)]],
                    s=[(-1, 10), (1, -10)]),
}

FACE = {
    'happy':   dict(brow='happy', eye='normal', mouth='smile', blush=True),
    'joy':     dict(brow='happy', eye='happy', mouth='grin', blush=True),
    'worried': dict(brow='worried', eye='normal', mouth='worried'),
    'scared':  dict(brow='scared', eye='big', mouth='o'),
    'fright':  dict(brow='scared', eye='big', mouth='wavy'),
    'terror':  dict(brow='terror', eye='tiny', mouth='yell'),
    'choke':   dict(brow='strain', eye='bulge', mouth='teeth', skin='#ef8668', skin_sh='#cf5f47'),
    'dead':    dict(brow='none', eye='x', mouth='dead', skin='#d6cfe4', skin_sh='#b3a9c9'),
    'sleep':   dict(brow='normal', eye='closed', mouth='sleep', blush=True),
}


def hat(doc, rot=0, x=0, y=0):
    g = '<g transform="translate(%s,%s) rotate(%s,0,-31)">' % (n(x), n(y), n(rot))
    g += ('<path d="M-13,-31 C-14.5,-44 -8.5,-50.5 0,-50.5 C8.5,-50.5 14.5,-44 13,-31 Z" fill="%s" stroke="%s" stroke-width="1.8"/>'
          % (HAT, OUT))
    g += '<path d="M5,-48.5 C10,-46 12.5,-40 12.4,-33 L8,-33 C8.5,-40 7.5,-45 5,-48.5 Z" fill="%s"/>' % HAT_SH
    g += '<path d="M-13.6,-36.5 L13.6,-36.5 L13,-31 L-13,-31 Z" fill="%s" stroke="%s" stroke-width="1.4"/>' % (BAND, OUT)
    g += '<path d="M-7,-46 C-10,-43 -10.8,-40 -10.8,-38" fill="none" stroke="#ffffff" stroke-opacity=".35" stroke-width="2" stroke-linecap="round"/>'
    g += ('<path d="M-21,-31 C-21,-34 -14,-34.5 0,-34.5 C14,-34.5 21,-34 21,-31 C21,-27.5 14,-26.8 0,-26.8 C-14,-26.8 -21,-27.5 -21,-31 Z" fill="%s" stroke="%s" stroke-width="1.8"/>'
          % (HAT, OUT))
    g += '<path d="M-17,-29.5 C-8,-28 8,-28 17,-29.5" fill="none" stroke="#ffffff" stroke-opacity=".25" stroke-width="1.2"/>'
    return g + '</g>'


def head(doc, face='happy', look=(0, 0), hat_on=True, hat_rot=0, extra=(), simple=False):
    f = dict(FACE[face])
    if simple:
        f.update(blush=False, brow='none')
    skin, skin_sh = f.get('skin', SKIN), f.get('skin_sh', SKIN_SH)
    g = ''
    # orecchie
    for sx in (-1, 1):
        g += '<ellipse cx="%s" cy="-16" rx="4.5" ry="5.5" fill="%s" stroke="%s" stroke-width="1.6"/>' % (n(18 * sx), skin, OUT)
        if not simple:
            g += '<path d="M%s,-18 q%s,2 0,4" fill="none" stroke="%s" stroke-width="1"/>' % (n(18.5 * sx), n(1.8 * sx), skin_sh)
    # testa con ombra a falce
    cp = doc.clip('<circle cx="0" cy="-17" r="18"/>')
    g += '<circle cx="0" cy="-17" r="18" fill="%s"/>' % skin_sh
    g += '<circle cx="-2.6" cy="-19.4" r="17.4" fill="%s" clip-path="%s"/>' % (skin, cp)
    g += '<circle cx="0" cy="-17" r="18" fill="none" stroke="%s" stroke-width="1.8"/>' % OUT
    # capelli ai lati
    for sx in (-1, 1):
        g += ('<path d="M%s,-30 L%s,-31 L%s,-27 L%s,-26 L%s,-23 L%s,-22 Z" fill="%s" stroke="%s" stroke-width="1.3" stroke-linejoin="round"/>'
              % (n(14 * sx), n(21 * sx), n(18.5 * sx), n(23 * sx), n(18 * sx), n(16.5 * sx), HAIR, OUT))
    if not hat_on:
        g += ('<path d="M-3,-34.5 C-4,-40 -8,-41 -9,-40 M0,-35 C0,-41 2,-43 4,-43 M3,-34.6 C5,-39 9,-39 10,-37" '
              'fill="none" stroke="%s" stroke-width="1.4" stroke-linecap="round"/>' % OUT)
    if f.get('blush'):
        for sx in (-1, 1):
            g += '<ellipse cx="%s" cy="-9" rx="3.6" ry="2.2" fill="#f06d6d" opacity=".45"/>' % n(11.5 * sx)
    # sopracciglia
    br = f['brow']
    bd = {
        'normal':  ['M-10,-28 Q-6.5,-30 -3,-28.6', 'M3,-28.6 Q6.5,-30 10,-28'],
        'happy':   ['M-10.5,-28.5 Q-6.5,-32 -2.8,-29.5', 'M2.8,-29.5 Q6.5,-32 10.5,-28.5'],
        'worried': ['M-10.5,-27.2 Q-7,-28 -3,-30.6', 'M3,-30.6 Q7,-28 10.5,-27.2'],
        'scared':  ['M-11,-28.5 Q-7,-29.5 -3,-32.5', 'M3,-32.5 Q7,-29.5 11,-28.5'],
        'terror':  ['M-11,-30 Q-7,-31 -3,-34', 'M3,-34 Q7,-31 11,-30'],
        'strain':  ['M-11,-30.5 Q-7,-29 -2.5,-27', 'M2.5,-27 Q7,-29 11,-30.5'],
    }.get(br)
    # occhi
    e = f['eye']
    lx, ly = look
    for i, sx in enumerate((-1, 1)):
        ex, ey = 6.3 * sx, -21
        if e in ('normal', 'big', 'tiny', 'bulge'):
            rx, ry = {'normal': (4.6, 5.8), 'big': (5.2, 6.6), 'tiny': (5.4, 6.8), 'bulge': (5.8, 7)}[e]
            if simple:
                rx, ry = 5.4, 6.4
            g += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffffff" stroke="%s" stroke-width="1.5"/>' % (n(ex), n(ey), n(rx), n(ry), OUT)
            if e == 'bulge':
                g += ('<path d="M%s,%s l2,1 M%s,%s l2,-1" stroke="#d94040" stroke-width=".7" fill="none"/>'
                      % (n(ex - 5 * sx), n(ey + 1), n(ex - 5 * sx), n(ey - 2)))
            pr = {'normal': 2.4, 'big': 2.2, 'tiny': 1.3, 'bulge': 1.4}[e] * (1.35 if simple else 1)
            px, py = ex + lx * (rx - pr - 1), ey + ly * (ry - pr - 1.2)
            g += '<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(px), n(py), n(pr), OUT)
            if pr > 2 and not simple:
                g += '<circle cx="%s" cy="%s" r=".8" fill="#ffffff"/>' % (n(px - .8), n(py - .9))
        elif e == 'x':
            g += ('<path d="M%s,%s l6,6 M%s,%s l-6,6" stroke="%s" stroke-width="2" stroke-linecap="round"/>'
                  % (n(ex - 3), n(ey - 3), n(ex + 3), n(ey - 3), OUT))
        elif e == 'happy':
            g += ('<path d="M%s,%s q4,-6 8,0" fill="none" stroke="%s" stroke-width="2" stroke-linecap="round"/>'
                  % (n(ex - 4), n(ey + 1.5), OUT))
        elif e == 'closed':
            g += ('<path d="M%s,%s q4,3.5 8,0" fill="none" stroke="%s" stroke-width="1.8" stroke-linecap="round"/>'
                  % (n(ex - 4), n(ey), OUT))
    if bd:
        for p in bd:
            g += '<path d="%s" fill="none" stroke="%s" stroke-width="2" stroke-linecap="round"/>' % (p, OUT)
    # bocca (sotto il naso)
    m = f['mouth']
    if m == 'smile':
        g += '<path d="M-8,-5.5 Q0,1.5 8,-5.5" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (OUT, '2.6' if simple else '1.8')
    elif m == 'grin':
        g += '<path d="M-9.5,-6 Q0,-5 9.5,-6 Q8,4 0,4 Q-8,4 -9.5,-6 Z" fill="#8e2a2a" stroke="%s" stroke-width="1.6" stroke-linejoin="round"/>' % OUT
        g += '<path d="M-5,1.5 Q0,-2 5,1.5 Q3,4 0,4 Q-3,4 -5,1.5 Z" fill="#ef7f7f"/>'
        g += '<path d="M-8.5,-5.6 Q0,-4.6 8.5,-5.6 L8,-3.8 Q0,-2.8 -8,-3.8 Z" fill="#ffffff"/>'
    elif m == 'worried':
        g += '<path d="M-6,-2.5 Q-3,-5.5 0,-3.5 Q3,-1.5 6,-4" fill="none" stroke="%s" stroke-width="1.8" stroke-linecap="round"/>' % OUT
    elif m == 'wavy':
        g += '<path d="M-8,-3 Q-6,-6 -4,-3 Q-2,0 0,-3 Q2,-6 4,-3 Q6,0 8,-3" fill="none" stroke="%s" stroke-width="1.7" stroke-linecap="round"/>' % OUT
    elif m == 'o':
        g += '<ellipse cx="0" cy="-2.8" rx="3.2" ry="3.8" fill="#8e2a2a" stroke="%s" stroke-width="1.5"/>' % OUT
    elif m == 'yell':
        g += '<path d="M-7,-5.5 Q0,-7.5 7,-5.5 Q6,3.5 0,3.5 Q-6,3.5 -7,-5.5 Z" fill="#8e2a2a" stroke="%s" stroke-width="1.6" stroke-linejoin="round"/>' % OUT
        g += '<path d="M-6.3,-5.3 Q0,-7 6.3,-5.3 L6,-3.6 Q0,-5.2 -6,-3.6 Z" fill="#ffffff"/>'
    elif m == 'teeth':
        g += '<rect x="-7.5" y="-6.2" width="15" height="6" rx="2" fill="#ffffff" stroke="%s" stroke-width="1.5"/>' % OUT
        g += '<path d="M-7.5,-3.2 H7.5 M-3.7,-6.2 V-0.2 M0,-6.2 V-0.2 M3.7,-6.2 V-0.2" stroke="%s" stroke-width=".9"/>' % OUT
    elif m == 'dead':
        g += '<path d="M-7,-3 Q0,-5 7,-2" fill="none" stroke="%s" stroke-width="1.8" stroke-linecap="round"/>' % OUT
        g += '<path d="M1,-3.8 L6,-2.6 Q7,3.5 3.6,3.6 Q0.6,3.4 1,-3.8 Z" fill="#ef7f8f" stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>' % OUT
        g += '<path d="M3.4,-2.5 L3.5,1.5" stroke="#c4506a" stroke-width=".8"/>'
    elif m == 'sleep':
        g += '<ellipse cx="1" cy="-3" rx="2.4" ry="1.8" fill="#8e2a2a" stroke="%s" stroke-width="1.3"/>' % OUT
    # naso
    nose = NOSE if face != 'choke' else '#d8503c'
    g += '<ellipse cx="0" cy="-12.2" rx="7" ry="5.8" fill="%s" stroke="%s" stroke-width="1.6"/>' % (nose, OUT)
    g += '<ellipse cx="-2.4" cy="-14.2" rx="2.2" ry="1.5" fill="#ffffff" opacity=".7"/>'
    # sudore, tremito
    if 'sweat' in extra:
        for (x, y, s) in [(-21, -27, 1), (22, -22, .85), (-23, -13, .7), (20, -34, .7)][:extra.count('sweat') + 1]:
            g += ('<path transform="translate(%s,%s) scale(%s)" d="M0,-4 C2,-1 3,1 3,2.5 A3,3 0 0 1 -3,2.5 C-3,1 -2,-1 0,-4 Z" '
                  'fill="#8fd3ff" stroke="#2c6f9e" stroke-width="1"/>' % (n(x), n(y), n(s)))
    if 'shake' in extra:
        for sx in (-1, 1):
            g += ('<path d="M%s,-24 q%s,4 0,8 M%s,-26 q%s,6 0,12" fill="none" stroke="%s" stroke-width="1.3" stroke-linecap="round"/>'
                  % (n(26 * sx), n(2.5 * sx), n(30 * sx), n(3.5 * sx), OUT))
    if hat_on:
        g += hat(doc, hat_rot, 0, -3.5)
    return g


def gorbio(doc, x, y, s=.85, pose='stand', face='happy', look=(0, 0), rot=0,
           hat_on=True, hat_rot=0, extra=()):
    """Mr. Gorbio; (x, y) e' il collo nella scena."""
    P = POSE[pose]
    g = '<g transform="translate(%s,%s) rotate(%s) scale(%s)">' % (n(x), n(y), n(rot), n(s))
    arms = ''
    for a in P['a']:
        arms += limb(a, SHIRT, 6.4)
        hx, hy = a[2]
        if not P.get('behind'):
            arms += '<circle cx="%s" cy="%s" r="4.3" fill="%s" stroke="%s" stroke-width="1.5"/>' % (n(hx), n(hy), SKIN, OUT)
    if P.get('wave'):
        hx, hy = P['a'][1][2]
        arms += ('<path d="M%s,%s l1,-6 M%s,%s l3,-5 M%s,%s l4,-3" stroke="%s" stroke-width="2.6" stroke-linecap="round"/>'
                 % (n(hx - 2), n(hy - 2), n(hx), n(hy - 2), n(hx + 2), n(hy - 1), OUT))
        arms += ('<path d="M%s,%s l1,-6 M%s,%s l3,-5 M%s,%s l4,-3" stroke="%s" stroke-width="1.3" stroke-linecap="round"/>'
                 % (n(hx - 2), n(hy - 2), n(hx), n(hy - 2), n(hx + 2), n(hy - 1), SKIN))
        arms += ('<path d="M%s,%s q5,-6 2,-13 M%s,%s q7,-8 3,-17" fill="none" stroke="%s" stroke-width="1.3" stroke-linecap="round"/>'
                 % (n(hx + 7), n(hy + 6), n(hx + 11), n(hy + 7), OUT))
    if P.get('behind'):
        g += arms
    # gambe e scarpe
    sh = P.get('s', [(-1, 0), (1, 0)])
    for leg, (dx, ang) in zip(P['l'], sh):
        g += limb(leg, TROUS, 8.2)
        fx, fy = leg[2]
        g += ('<g transform="translate(%s,%s) rotate(%s)"><path d="M-3.5,-1 C-3.5,-4 %s,-4.5 %s,-1 C%s,3 -3.5,4 -3.5,1.5 Z" '
              'fill="%s" stroke="%s" stroke-width="1.5"/></g>'
              % (n(fx), n(fy + 1.5), n(ang), n(dx * 3), n(dx * 10.5), n(dx * 11), SHOE, OUT))
    # collo
    g += '<rect x="-5" y="-8" width="10" height="11" rx="3" fill="%s" stroke="%s" stroke-width="1.5"/>' % (SKIN_SH, OUT)
    # busto
    torso = 'M-11,1.5 Q-15,18 -14.5,33 L14.5,33 Q15,18 11,1.5 Q0,-1.5 -11,1.5 Z'
    cp = doc.clip('<path d="%s"/>' % torso)
    g += '<path d="%s" fill="%s"/>' % (torso, SHIRT)
    g += '<g clip-path="%s"><path d="M6,-2 Q11,16 8,36 L20,36 L20,-2 Z" fill="%s"/>' % (cp, SHIRT_SH)
    g += '<path d="M-16,27 L16,27 L16,36 L-16,36 Z" fill="%s"/><path d="M7,27 L16,27 L16,36 L7,36 Z" fill="%s"/></g>' % (TROUS, TROUS_SH)
    g += '<path d="M-15,27 L15,27" stroke="%s" stroke-width="1.3"/>' % OUT
    g += '<path d="%s" fill="none" stroke="%s" stroke-width="1.8"/>' % (torso, OUT)
    for sx in (-1, 1):
        g += '<path d="M%s,2 L%s,27" stroke="%s" stroke-width="2.4"/>' % (n(7 * sx), n(7.5 * sx), BRACES)
        g += '<circle cx="%s" cy="24.5" r="1.2" fill="#f6d77a" stroke="%s" stroke-width=".7"/>' % (n(7.5 * sx), OUT)
    # farfallino
    g += '<path d="M0,4 L-6,0.5 L-6,7.5 Z M0,4 L6,0.5 L6,7.5 Z" fill="%s" stroke="%s" stroke-width="1.2" stroke-linejoin="round"/>' % (BOW, OUT)
    g += '<circle cx="0" cy="4" r="1.8" fill="%s" stroke="%s" stroke-width="1"/>' % (BOW, OUT)
    if not P.get('behind'):
        g += arms
    g += '<g transform="translate(0,-3)">%s</g>' % head(doc, face, look, hat_on, hat_rot, extra)
    return g + '</g>'


# ---------------------------------------------------------------- scena
WOOD, WOOD_SH, WOOD_HI = '#9b6b3b', '#74491f', '#bd8a55'
ROPE, ROPE_SH = '#d8b474', '#9c7440'


def wood_rect(x, y, w, h, dark=0.0, grain=True):
    c, cs, ch = (mix(WOOD, '#1a1c28', dark), mix(WOOD_SH, '#1a1c28', dark), mix(WOOD_HI, '#1a1c28', dark))
    g = '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (n(x), n(y), n(w), n(h), c)
    if w > h:
        g += '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (n(x), n(y + h * .65), n(w), n(h * .35), cs)
        g += '<rect x="%s" y="%s" width="%s" height="1.3" fill="%s"/>' % (n(x + 1), n(y + 1), n(w - 2), ch)
        if grain:
            g += '<path d="M%s,%s h%s M%s,%s h%s" stroke="%s" stroke-width=".9"/>' % (
                n(x + w * .15), n(y + h * .45), n(w * .25), n(x + w * .55), n(y + h * .35), n(w * .3), cs)
    else:
        g += '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (n(x + w * .65), n(y), n(w * .35), n(h), cs)
        g += '<rect x="%s" y="%s" width="1.3" height="%s" fill="%s"/>' % (n(x + 1), n(y + 1), n(h - 2), ch)
        if grain:
            g += '<path d="M%s,%s v%s M%s,%s v%s" stroke="%s" stroke-width=".9"/>' % (
                n(x + w * .4), n(y + h * .2), n(h * .2), n(x + w * .3), n(y + h * .6), n(h * .18), cs)
    g += '<rect x="%s" y="%s" width="%s" height="%s" fill="none" stroke="%s" stroke-width="1.6"/>' % (n(x), n(y), n(w), n(h), OUT)
    return g


ROPE_X = 118           # corda (nodo a lato della testa)
GX = 140               # Mr. Gorbio sotto la forca
SEAT = 170             # piano dello sgabello
GROUND = 197
S = .85
NECK = SEAT - FEET * S


def gallows(dark=0.0):
    g = ''
    # piedi di appoggio e basamento
    g += wood_rect(186, 190, 66, 9, dark)
    # puntoni alla base
    c = mix(WOOD, '#1a1c28', dark)
    for p in ([(195, 190), (212, 168), (212, 176), (203, 190)], [(241, 190), (224, 168), (224, 176), (233, 190)]):
        g += '<polygon points="%s" fill="%s" stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>' % (pts(p), mix(WOOD_SH, '#1a1c28', dark), OUT)
    g += wood_rect(212, 22, 12, 170, dark)
    # saetta diagonale
    g += '<polygon points="%s" fill="%s" stroke="%s" stroke-width="1.6" stroke-linejoin="round"/>' % (
        pts([(212, 66), (212, 78), (164, 33), (176, 33)]), c, OUT)
    g += '<path d="M209,70 L171,35" stroke="%s" stroke-width="1.2"/>' % mix(WOOD_HI, '#1a1c28', dark)
    g += wood_rect(106, 21, 132, 12, dark)
    # bulloni
    for (x, y) in [(218, 27), (218, 184), (206, 72), (170, 30), (230, 27)]:
        g += '<circle cx="%s" cy="%s" r="1.5" fill="#3b3b44" stroke="%s" stroke-width=".6"/>' % (n(x), n(y), OUT)
    # corda avvolta sulla trave
    g += rope_wraps(ROPE_X, 20, 34, dark)
    return g


def rope_wraps(x, y1, y2, dark=0.0):
    r, rs = mix(ROPE, '#1a1c28', dark), mix(ROPE_SH, '#1a1c28', dark)
    g = '<rect x="%s" y="%s" width="9" height="%s" rx="2" fill="%s" stroke="%s" stroke-width="1.3"/>' % (n(x - 4.5), n(y1), n(y2 - y1), r, OUT)
    yy = y1 + 2.5
    while yy < y2 - 1:
        g += '<path d="M%s,%s l9,1.6" stroke="%s" stroke-width="1"/>' % (n(x - 4.5), n(yy), rs)
        yy += 3
    return g


def rope_line(x1, y1, x2, y2, w=3.4, dark=0.0):
    r, rs = mix(ROPE, '#1a1c28', dark), mix(ROPE_SH, '#1a1c28', dark)
    g = limb([(x1, y1), (x2, y2)], r, w, w + 2.6)
    # trecciatura
    L = math.hypot(x2 - x1, y2 - y1)
    k = int(L / 4)
    ux, uy = (x2 - x1) / L, (y2 - y1) / L
    d = ''
    for i in range(1, k):
        cx, cy = x1 + ux * i * 4, y1 + uy * i * 4
        d += 'M%s,%s l%s,%s ' % (n(cx - uy * w * .45 - ux), n(cy + ux * w * .45 - uy), n(uy * w * .9 + ux * 2), n(-ux * w * .9 + uy * 2))
    g += '<path d="%s" stroke="%s" stroke-width=".8" fill="none"/>' % (d, rs)
    return g


def knot(x, y, h=13, dark=0.0):
    r, rs = mix(ROPE, '#1a1c28', dark), mix(ROPE_SH, '#1a1c28', dark)
    g = '<rect x="%s" y="%s" width="8" height="%s" rx="3" fill="%s" stroke="%s" stroke-width="1.4"/>' % (n(x - 4), n(y), n(h), r, OUT)
    yy = y + 2.2
    while yy < y + h - 1:
        g += '<path d="M%s,%s q4,1.6 8,0" fill="none" stroke="%s" stroke-width="1"/>' % (n(x - 4), n(yy), rs)
        yy += 2.4
    return g


def coil(x, y, dark=0.0):
    # rotolo di corda appeso a un piolo del palo
    r, rs = mix(ROPE, '#1a1c28', dark), mix(ROPE_SH, '#1a1c28', dark)
    g = '<rect x="%s" y="%s" width="8" height="4" rx="1.5" fill="#5b3a1c" stroke="%s" stroke-width="1.2"/>' % (n(x - 4), n(y - 2), OUT)
    for i, dx in enumerate((-3, 0, 3)):
        g += '<ellipse cx="%s" cy="%s" rx="9" ry="15" fill="none" stroke="%s" stroke-width="5.2"/>' % (n(x + dx), n(y + 15), OUT)
        g += '<ellipse cx="%s" cy="%s" rx="9" ry="15" fill="none" stroke="%s" stroke-width="2.8"/>' % (n(x + dx), n(y + 15), r if i != 1 else mix(r, rs, .3))
    g += '<path d="M%s,%s q2,8 -2,14" fill="none" stroke="%s" stroke-width="5.2" stroke-linecap="round"/>' % (n(x + 6), n(y + 26), OUT)
    g += '<path d="M%s,%s q2,8 -2,14" fill="none" stroke="%s" stroke-width="2.8" stroke-linecap="round"/>' % (n(x + 6), n(y + 26), r)
    return g


def noose_empty(top, bottom, dark=0.0):
    # corda dalla trave e cappio vuoto (bottom = fondo del cappio)
    ky = bottom - 31
    g = rope_line(ROPE_X, top, ROPE_X, ky + 2, dark=dark)
    g += '<ellipse cx="%s" cy="%s" rx="7.5" ry="9.5" fill="none" stroke="%s" stroke-width="6"/>' % (n(ROPE_X), n(bottom - 9.5), OUT)
    g += '<ellipse cx="%s" cy="%s" rx="7.5" ry="9.5" fill="none" stroke="%s" stroke-width="3.2"/>' % (n(ROPE_X), n(bottom - 9.5), mix(ROPE, '#1a1c28', dark))
    g += knot(ROPE_X, ky, 14, dark)
    return g


def noose_neck_back(top, neck, dark=0.0):
    return rope_line(ROPE_X, top, ROPE_X, neck - 16, dark=dark)


def noose_neck_front(neck, tight=False, dark=0.0):
    r = mix(ROPE, '#1a1c28', dark)
    rx = 5.6 if tight else 7
    neck = neck - 2.2
    g = ''
    g += ('<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="6" stroke-linecap="round"/>'
          % (n(ROPE_X), n(neck - 7), n(ROPE_X + 1), n(neck + 1.5), n(GX - rx + 1), n(neck + 1.5), OUT))
    g += ('<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="3.2" stroke-linecap="round"/>'
          % (n(ROPE_X), n(neck - 7), n(ROPE_X + 1), n(neck + 1.5), n(GX - rx + 1), n(neck + 1.5), r))
    g += '<path d="M%s,%s A%s,3.6 0 0 0 %s,%s" fill="none" stroke="%s" stroke-width="6" stroke-linecap="round"/>' % (
        n(GX - rx), n(neck + 1.5), n(rx), n(GX + rx), n(neck + 1.5), OUT)
    g += '<path d="M%s,%s A%s,3.6 0 0 0 %s,%s" fill="none" stroke="%s" stroke-width="3.2" stroke-linecap="round"/>' % (
        n(GX - rx), n(neck + 1.5), n(rx), n(GX + rx), n(neck + 1.5), r)
    g += knot(ROPE_X, neck - 21, 14, dark)
    if tight:
        for dx in (-1, 1):
            g += '<path d="M%s,%s l%s,-3 M%s,%s l%s,0" stroke="%s" stroke-width="1.3" stroke-linecap="round"/>' % (
                n(GX + dx * (rx + 3)), n(neck + 1), n(dx * 4), n(GX + dx * (rx + 3)), n(neck + 4), n(dx * 4.5), OUT)
    return g


def stool(x, y, rot=0.0, piv=None, dark=0.0):
    c = mix('#b57c45', '#1a1c28', dark)
    cs = mix('#8a5628', '#1a1c28', dark)
    px, py = piv if piv else (0, 0)
    g = '<g transform="translate(%s,%s) rotate(%s,%s,%s)">' % (n(x), n(y), n(rot), n(px), n(py))
    g += limb([(0, 6), (0, 26)], cs, 3.6, 6)
    g += limb([(-12, 5), (-16, 26)], c, 4, 6.6)
    g += limb([(12, 5), (16, 26)], c, 4, 6.6)
    g += limb([(-14, 16), (14, 16)], cs, 2.6, 5)
    g += '<rect x="-18" y="-0.5" width="36" height="7" rx="2.5" fill="%s" stroke="%s" stroke-width="1.6"/>' % (c, OUT)
    g += '<rect x="-16.5" y="0.8" width="30" height="1.4" rx=".7" fill="#ffffff" opacity=".3"/>'
    return g + '</g>'


def crow(x, y, s=1.0, flip=False, caw=False):
    g = '<g transform="translate(%s,%s) scale(%s,%s)">' % (n(x), n(y), n(-s if flip else s), n(s))
    body = '#2b2d3a'
    g += '<path d="M-2,-1 L-3,0.5 M2,-1 L3,0.5" stroke="#e0a030" stroke-width="1.4" stroke-linecap="round"/>'
    g += '<polygon points="6,-9 17,-4 16,-1 6,-4" fill="%s" stroke="%s" stroke-width="1.2" stroke-linejoin="round"/>' % (body, OUT)
    g += '<ellipse cx="0" cy="-6" rx="8.5" ry="5.8" fill="%s" stroke="%s" stroke-width="1.3"/>' % (body, OUT)
    g += '<path d="M-3,-8 Q4,-10 9,-5 Q3,-3 -3,-5 Z" fill="#1c1d27"/>'
    g += '<circle cx="-6.5" cy="-11.5" r="4.6" fill="%s" stroke="%s" stroke-width="1.3"/>' % (body, OUT)
    if caw:
        g += '<polygon points="-10,-13 -16,-15 -10.5,-11.5" fill="#f0b030" stroke="%s" stroke-width=".9" stroke-linejoin="round"/>' % OUT
        g += '<polygon points="-10.5,-11 -15.5,-8.5 -10,-10" fill="#f0b030" stroke="%s" stroke-width=".9" stroke-linejoin="round"/>' % OUT
    else:
        g += '<polygon points="-10,-13.2 -16,-11 -10,-9.8" fill="#f0b030" stroke="%s" stroke-width="1" stroke-linejoin="round"/>' % OUT
    g += '<circle cx="-7.6" cy="-12.6" r="1.9" fill="#ffffff"/><circle cx="-8.2" cy="-12.6" r="1" fill="#111111"/>'
    g += '<path d="M-10,-15.4 L-5,-14.2" stroke="#111111" stroke-width="1.1" stroke-linecap="round"/>'
    return g + '</g>'


def flying_crow(x, y, s=1.0):
    return ('<path transform="translate(%s,%s) scale(%s)" d="M-10,-2 Q-5,-8 0,0 Q5,-8 10,-2 Q5,-4 0,3 Q-5,-4 -10,-2 Z" '
            'fill="#20212b" stroke="%s" stroke-width=".8"/>' % (n(x), n(y), n(s), OUT))


def cloud(x, y, s, fill, out=OUT, sh=None):
    c = [(-14, 2, 9), (-4, -5, 11), (9, -3, 9), (17, 3, 7), (3, 4, 9), (-12, 6, 6), (12, 7, 6)]
    c = [(x + a * s, y + b * s, r * s) for a, b, r in c]
    c.append((x + 1.5 * s, y + 7 * s, 17 * s, 6.5 * s))
    g = blob(c, fill, 1.3, out)
    if sh:
        g += '<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (
            n(x - 15 * s), n(y + 9 * s), n(x), n(y + 14 * s), n(x + 17 * s), n(y + 8.5 * s), sh, n(2.5 * s))
    return g


def sun(x, y, r=15, rays=True):
    g = ''
    if rays:
        for i in range(12):
            a = i * math.pi / 6
            g += '<path d="M%s,%s L%s,%s" stroke="#f7c531" stroke-width="3" stroke-linecap="round"/>' % (
                n(x + math.cos(a) * (r + 4)), n(y + math.sin(a) * (r + 4)), n(x + math.cos(a) * (r + 10)), n(y + math.sin(a) * (r + 10)))
    g += '<circle cx="%s" cy="%s" r="%s" fill="#ffd84a" stroke="#e0a020" stroke-width="1.6"/>' % (n(x), n(y), n(r))
    g += '<circle cx="%s" cy="%s" r="%s" fill="#fff3a8" opacity=".8"/>' % (n(x - r * .3), n(y - r * .3), n(r * .35))
    return g


def tree(x, y, dark=0.0):
    t = mix('#7a5030', '#1a1c28', dark)
    l1, l2 = mix('#4f9e3c', '#1f2a2c', dark), mix('#3f8430', '#1f2a2c', dark)
    g = '<path d="M%s,%s l2,-26 l4,0 l2,26 Z" fill="%s" stroke="%s" stroke-width="1.3"/>' % (n(x - 4), n(y), t, OUT)
    c = [(x, y - 38, 13), (x - 10, y - 30, 10), (x + 10, y - 30, 10), (x - 5, y - 48, 9), (x + 6, y - 47, 9)]
    g += blob(c, l1, 1.3)
    g += '<circle cx="%s" cy="%s" r="6" fill="%s"/>' % (n(x + 7), n(y - 29), l2)
    return g


SKY = [  # cielo alto, cielo basso, buio (0..1)
    ('#4fb0ef', '#c9ecff', 0.0), ('#58b0ea', '#cdeafb', 0.03), ('#66abdc', '#d4e8f3', 0.07),
    ('#7aa6c9', '#d8e2ea', 0.13), ('#8797ab', '#cfd3d8', 0.22), ('#66727f', '#a9afb6', 0.33),
    ('#4f5868', '#878e99', 0.45), ('#2f3446', '#5b6072', 0.58), ('#171a27', '#363a4c', 0.70),
]


def landscape(doc, stage, dark, sky):
    top, bot = sky
    g = '<rect width="315" height="229" fill="%s"/>' % doc.lingrad([(0, top), (1, bot)], 0, 0, 0, 1)
    # colline lontane
    h1, h2 = mix('#8cc56a', '#222a33', dark), mix('#6fb152', '#222a33', dark)
    g += '<path d="M0,150 Q40,118 95,140 Q150,160 200,132 Q260,104 315,135 L315,229 L0,229 Z" fill="%s" stroke="%s" stroke-width="1.2"/>' % (h1, mix('#4d7a3a', '#222a33', dark))
    g += '<path d="M0,170 Q70,150 140,166 Q220,182 315,158 L315,229 L0,229 Z" fill="%s" stroke="%s" stroke-width="1.2"/>' % (h2, mix('#3f7030', '#222a33', dark))
    # prato
    gr = mix('#5da343', '#1c2622', dark)
    g += '<path d="M0,186 Q150,176 315,186 L315,229 L0,229 Z" fill="%s" stroke="%s" stroke-width="1.4"/>' % (gr, OUT)
    # sentiero
    pa = mix('#d8b77c', '#2a2a30', dark)
    g += '<path d="M0,214 Q60,206 110,201 Q150,197 205,196 L240,196 Q200,205 140,212 Q70,220 0,229 Z" fill="%s" stroke="%s" stroke-width="1"/>' % (pa, mix('#a8875a', '#2a2a30', dark))
    # ciuffi d'erba (e fiori finche' c'e' il sole)
    gc = mix('#3c7e2c', '#141c18', dark)
    d = ''
    for (x, y) in [(14, 196), (48, 191), (88, 222), (170, 224), (262, 204), (296, 196), (282, 222), (30, 205), (246, 216)]:
        d += 'M%s,%s l-3,-6 M%s,%s l0,-7 M%s,%s l3,-6 ' % (n(x - 1), n(y), n(x), n(y), n(x + 1), n(y))
    g += '<path d="%s" stroke="%s" stroke-width="1.4" stroke-linecap="round"/>' % (d, gc)
    if stage <= 3:
        for (x, y, c) in [(22, 199, '#ffffff'), (58, 194, '#ffe14a'), (272, 200, '#ffffff'), (290, 214, '#ff8fb0'), (80, 224, '#ffe14a')]:
            g += '<circle cx="%s" cy="%s" r="2.2" fill="%s" stroke="%s" stroke-width=".7"/>' % (n(x), n(y - 7), c, OUT)
    return g


def weather(doc, stage, dark):
    g = ''
    # sole: pieno, poi coperto, poi sparito
    if stage <= 4:
        g += sun(52, 42, 15, rays=stage <= 2)
    cw = mix('#ffffff', '#3a3f4e', min(1, dark * 1.25))
    cs = mix('#d9e4ee', '#262a36', min(1, dark * 1.25))
    clouds = {
        0: [(255, 60, .8)], 1: [(260, 58, .85), (96, 34, .6)], 2: [(250, 56, .95), (100, 36, .7)],
        3: [(68, 52, .9), (250, 56, 1.0), (150, 62, .7)], 4: [(55, 46, 1.15), (250, 52, 1.1), (150, 60, .9), (300, 40, .8)],
        5: [(40, 40, 1.3), (110, 52, 1.1), (250, 48, 1.3), (175, 62, .9), (310, 60, 1.0)],
        6: [(30, 35, 1.4), (100, 45, 1.3), (250, 42, 1.4), (175, 55, 1.1), (310, 55, 1.2), (60, 70, .9)],
        7: [(25, 32, 1.6), (95, 40, 1.5), (255, 38, 1.6), (175, 48, 1.3), (315, 52, 1.4), (60, 66, 1.1), (290, 78, .9)],
        8: [(20, 30, 1.8), (90, 36, 1.7), (260, 34, 1.8), (175, 44, 1.5), (318, 50, 1.6), (55, 64, 1.3), (295, 74, 1.1)],
    }[stage]
    if stage == 4:
        # il sole sparisce dietro la nuvola
        clouds = [(62, 50, 1.15)] + clouds[1:]
    for (x, y, s) in clouds:
        g += cloud(x, y, s, cw, OUT, cs)
    if stage >= 6:
        # vento
        wcol = mix('#ffffff', '#8a92a6', .4)
        g += '<path d="M10,105 q20,-6 40,0 t35,-2 M245,100 q15,-5 30,0 t30,-1 M20,130 q15,-4 30,0" fill="none" stroke="%s" stroke-width="1.4" stroke-linecap="round" opacity=".7"/>' % wcol
    if stage >= 7:
        bolt = [(70, 78), (60, 102), (69, 102), (57, 132), (80, 96), (70, 96), (79, 78)]
        if stage == 8:
            bolt = [(282, 86), (270, 114), (280, 114), (266, 150), (294, 106), (283, 106), (292, 86)]
        g += '<polygon points="%s" fill="#ffe45c" stroke="#c08a10" stroke-width="1.2" stroke-linejoin="round"/>' % pts(bolt)
        g += '<polygon points="%s" fill="#ffffff" opacity=".25"/>' % pts([(x + 0, y) for x, y in bolt])
    if stage == 8:
        rng = Rng(8)
        d = ''
        for _ in range(95):
            x, y = rng.r() * 340 - 20, rng.r() * 230
            d += 'M%s,%s l-3,9 ' % (n(x), n(y))
        g += '<path d="%s" stroke="#a9c4e8" stroke-width="1" stroke-linecap="round" opacity=".55"/>' % d
    return g


def stage_scene(stage):
    doc = Doc(315, 229, 'Veltrak Mr.Gorbio - forca, fase %d' % stage)
    top, bot, dark = SKY[stage]
    g = landscape(doc, stage, dark, (top, bot))
    g += weather(doc, stage, dark)
    g += tree(26, 160, dark)
    gd = dark * .55
    g += gallows(gd)
    if stage <= 2:
        g += coil(218, 88, gd)
    # sgabello
    if stage <= 5:
        g += stool(GX, SEAT, 0, None, gd)
    elif stage == 6:
        g += stool(GX, SEAT, 9, (16, 26), gd)
        g += '<path d="M118,176 q-4,6 0,12 M113,174 q-5,8 0,16 M164,190 l5,-2 M163,194 l6,0" fill="none" stroke="%s" stroke-width="1.4" stroke-linecap="round"/>' % OUT
    elif stage == 7:
        g += stool(GX + 4, SEAT + 3, 22, (16, 26), gd)
        g += '<path d="M114,178 q-5,7 0,14 M108,176 q-6,9 0,18 M104,176 q-6,10 0,20" fill="none" stroke="%s" stroke-width="1.4" stroke-linecap="round"/>' % OUT
    if stage == 8:
        g += stool(176, 197, 180, (0, 0), gd)
        g += '<path d="M152,196 l-7,-2 M151,189 l-7,-4 M154,182 l-5,-6" stroke="%s" stroke-width="1.4" stroke-linecap="round"/>' % OUT
    # corda e personaggio
    nk = NECK
    if stage == 3:
        g += noose_empty(33, 80, gd)
    if stage >= 4:
        g += noose_neck_back(33, nk, gd)
    P = {
        1: dict(x=58, y=GROUND - FEET * S, pose='walk', face='worried', look=(1, 0)),
        2: dict(x=GX, y=nk, pose='balance', face='worried', look=(.3, 1), extra=('sweat',)),
        3: dict(x=GX, y=nk, pose='pray', face='scared', look=(-.7, -1), extra=('sweat',)),
        4: dict(x=GX, y=nk, pose='tied', face='fright', look=(-.2, .2), extra=('sweat', 'sweat', 'sweat')),
        5: dict(x=GX, y=nk, pose='tied', face='scared', look=(1, -1), extra=('sweat', 'sweat', 'sweat')),
        6: dict(x=GX, y=nk, pose='wobble', face='terror', look=(0, .5), rot=-4, extra=('sweat', 'sweat', 'sweat', 'shake')),
        7: dict(x=GX, y=nk, pose='tiptoe', face='choke', look=(0, 0), extra=('sweat', 'sweat', 'shake')),
        8: dict(x=GX, y=nk, pose='dangle', face='dead', rot=4, hat_on=False),
    }.get(stage)
    if P:
        g += gorbio(doc, P['x'], P['y'], S, P['pose'], P['face'], P.get('look', (0, 0)), P.get('rot', 0),
                    P.get('hat_on', True), 0, P.get('extra', ()))
    if stage == 1:
        # linee di movimento
        g += '<path d="M20,150 h-12 M24,160 h-14 M22,170 h-10" stroke="%s" stroke-width="1.5" stroke-linecap="round"/>' % OUT
    if stage >= 4:
        g += noose_neck_front(nk, tight=stage >= 7, dark=gd)
    if stage == 8:
        # il cappello e' caduto
        g += '<g transform="translate(92,199) rotate(-18) scale(.8)">%s</g>' % hat(doc, 0, 0, 31)
    if stage >= 5:
        g += crow(176, 21, 1.05, caw=stage >= 6)
    if stage >= 7:
        g += crow(233, 21, .9, caw=False)
    if stage == 8:
        g += flying_crow(60, 95, 1.1) + flying_crow(84, 84, .8)
    doc.add(g)
    return doc


def noose_on_ground(x, y):
    # cappio tagliato, steso per terra: anello, nodo e coda sfilacciata
    g = ''
    for col, w in ((OUT, 6), (ROPE, 3.2)):
        g += '<ellipse cx="%s" cy="%s" rx="13" ry="4.5" fill="none" stroke="%s" stroke-width="%s"/>' % (n(x + 20), n(y), col, n(w))
        g += '<path d="M%s,%s L%s,%s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (n(x - 18), n(y + 1), n(x), n(y), col, n(w))
    g += '<path d="M%s,%s l-4,-3 M%s,%s l-5,0 M%s,%s l-4,3" stroke="%s" stroke-width="1.5" stroke-linecap="round"/>' % (
        n(x - 19), n(y + 1), n(x - 19), n(y + 1), n(x - 19), n(y + 1), ROPE_SH)
    g += '<g transform="rotate(-90,%s,%s)">%s</g>' % (n(x), n(y), knot(x, y - 6, 12))
    return g


def title_text(x, y, txt, size, fill, stroke=OUT, sw=5, anchor='middle', extra=''):
    a = ('font-family="%s" font-weight="bold" font-size="%s" text-anchor="%s"%s'
         % (FONT, n(size), anchor, extra))
    return ('<text x="%s" y="%s" %s fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round">%s</text>'
            '<text x="%s" y="%s" %s fill="%s">%s</text>'
            % (n(x), n(y), a, stroke, stroke, n(sw), txt, n(x), n(y), a, fill, txt))


def start_scene():
    doc = Doc(315, 229, 'Veltrak Mr.Gorbio - schermata iniziale')
    g = landscape(doc, 0, 0, SKY[0][:2])
    g += sun(286, 26, 13)
    g += cloud(30, 100, .7, '#ffffff', OUT, '#d9e4ee')
    g += '<g transform="translate(118,53.5) scale(.72)">%s%s%s</g>' % (gallows(), coil(218, 88), stool(GX, SEAT))
    g += gorbio(doc, 94, GROUND + 4 - FEET, 1.0, 'wave', 'happy', (.3, .2))
    # titolo
    g += '<g transform="rotate(-3,157,40)">'
    g += title_text(158, 30, 'Veltrak', 19, '#ff9a2e', sw=5)
    g += title_text(158, 66, 'Mr.Gorbio', 40, '#ffe04a', sw=7)
    g += '<text x="158" y="66" font-family="%s" font-weight="bold" font-size="40" text-anchor="middle" fill="none" stroke="#ffffff" stroke-opacity=".5" stroke-width=".8">Mr.Gorbio</text>' % FONT
    g += '</g>'
    doc.add(g)
    return doc


def win_scene():
    doc = Doc(315, 229, 'Veltrak Mr.Gorbio - salvo!')
    g = landscape(doc, 0, 0, ('#3fa9f2', '#d2f0ff'))
    g += sun(36, 34, 16)
    g += cloud(272, 66, .8, '#ffffff', OUT, '#d9e4ee')
    g += cloud(22, 96, .55, '#ffffff', OUT, '#d9e4ee')
    g += gallows()
    # corda tagliata: moncone sfilacciato
    g += rope_line(ROPE_X, 33, ROPE_X, 62)
    g += '<path d="M%s,62 l-3,6 M%s,62 l0,7 M%s,62 l3,6" stroke="%s" stroke-width="1.6" stroke-linecap="round"/>' % (n(ROPE_X - 1), n(ROPE_X), n(ROPE_X + 1), ROPE_SH)
    # cappio tagliato a terra
    g += stool(GX, SEAT, 0)
    g += noose_on_ground(168, 203)
    # ombra e salto
    g += '<ellipse cx="86" cy="201" rx="20" ry="4" fill="#000000" opacity=".18"/>'
    g += gorbio(doc, 86, 107, S, 'jump', 'joy', (0, 0), 0, False)
    g += '<g transform="translate(90,88) scale(.85) rotate(14,0,-40)">%s</g>' % hat(doc)
    # stelline di gioia
    for (x, y, s, c) in [(40, 96, 1, '#ffd23f'), (132, 92, .9, '#ff7fb0'), (124, 140, .7, '#7fd6ff'), (46, 150, .8, '#ff9a2e'), (150, 118, .6, '#ffd23f')]:
        p = []
        for i in range(10):
            a = -math.pi / 2 + i * math.pi / 5
            r = 7 * s if i % 2 == 0 else 3 * s
            p.append((x + math.cos(a) * r, y + math.sin(a) * r))
        g += '<polygon points="%s" fill="%s" stroke="%s" stroke-width="1.1" stroke-linejoin="round"/>' % (pts(p), c, OUT)
    g += '<path d="M62,186 l-8,4 M110,186 l8,4 M66,180 l-10,0 M106,180 l10,0" stroke="%s" stroke-width="1.4" stroke-linecap="round"/>' % OUT
    g += title_text(232, 118, 'Salvo!', 26, '#ffe04a', sw=6)
    doc.add(g)
    return doc


# ---------------------------------------------------------------- faccina
def face_icon(doc, face='happy', noose=False, hat_rot=-6, simple=False):
    # testa di Mr. Gorbio in un riquadro 64x64
    g = ''
    if noose:
        g += '<ellipse cx="33" cy="37" rx="26" ry="24.5" fill="none" stroke="%s" stroke-width="6.6"/>' % OUT
        g += '<ellipse cx="33" cy="37" rx="26" ry="24.5" fill="none" stroke="%s" stroke-width="3.8" stroke-dasharray="3.2 1.1"/>' % ROPE
        g += '<path d="M7,0 L7,20" stroke="%s" stroke-width="6.6"/><path d="M7,0 L7,20" stroke="%s" stroke-width="3.8" stroke-dasharray="3.2 1.1"/>' % (OUT, ROPE)
        g += knot(7, 15, 16).replace('width="8"', 'width="10"').replace('x="3"', 'x="2"')
        g += '<g transform="translate(34,59) scale(.9)">%s</g>' % head(doc, face, (0, 0), True, hat_rot, simple=simple)
    else:
        g += '<g transform="translate(32,60.6) scale(1.06)">%s</g>' % head(doc, face, (.15, .1), True, hat_rot, simple=simple)
    return g


def icon_svg(simple=False):
    doc = Doc(64, 64, 'Mr. Gorbio - icona')
    doc.add(face_icon(doc, simple=simple))
    return doc


# icona 16 px disegnata a pixel
PIX16 = [
    '................',
    '.....KKKKKK.....',
    '....KHHHHHHK....',
    '....KHHHHHHK....',
    '...KKRRRRRRKK...',
    '.KKHHHHHHHHHHKK.',
    '..KKKKKKKKKKKK..',
    '.OKSWWSSSSWWSKO.',
    'KSKSWPSSSSWPSKSK',
    'KSKSSSNNNNSSSKSK',
    '.KKSSNNLNNNSSKK.',
    '..KSSSNNNNSSSK..',
    '..KSKSSSSSSKSK..',
    '...KSKKKKKKSK...',
    '....KKSSSSKK....',
    '......KKKK......',
]
_EW, _EP = 'KWWWWK', 'KWPPWK'
PIX32 = [
    '.' * 32,
    '.............KKKKKK.............',
    '...........KKHHHHHHKK...........',
    '..........KHHHHHHHHHHK..........',
    '..........KHHHHHHHHHHK..........',
    '.........KHHHHHHHHHHHHK.........',
    '.........KHHHHHHHHHHHHK.........',
    '.........KHHHHHHHHHHHHK.........',
    '.........KRRRRRRRRRRRRK.........',
    '.........KRRRRRRRRRRRRK.........',
    '.....' + 'K' * 22 + '.....',
    '....K' + 'H' * 22 + 'K....',
    '.....' + 'K' * 22 + '.....',
    '....OOOK' + 'S' * 16 + 'KOOO....',
    '....OOK' + 'S' * 18 + 'KOO....',
    '.....KSSSKKKKSSSSSSKKKKSSSK.....',
    '.....KSS' + _EW + 'SSSS' + _EW + 'SSK.....',
    '...KKKSS' + _EW + 'SSSS' + _EW + 'SSKKK...',
    '..KSSKSS' + _EP + 'SSSS' + _EP + 'SSKSSK..',
    '..KSKSSS' + _EP + 'SSSS' + _EP + 'SSSKSK..',
    '..KSKSSS' + _EW + 'SKKS' + _EW + 'SSSKSK..',
    '..KSKSSSSKKKKKNNNNKKKKKSSSSKSK..',
    '..KSSKSSSSSSKNLLNNNKSSSSSSKSSK..',
    '...KKKBBSSSKNLNNNNNNKSSSBBKKK...',
    '.....KBBSSSKNNNNNNNNKSSSBBK.....',
    '.....KSSSSSSKNNNNNNKSSSSSSK.....',
    '......KSSKSSSKKKKKKSSSKSSK......',
    '......KSSSKKSSSSSSSSKKSSSK......',
    '.......KSSSSKKKKKKKKSSSSK.......',
    '........KK' + 'S' * 12 + 'KK........',
    '..........KKKSSSSSSKKK..........',
    '.............KKKKKK.............',
]
PIX24 = [
    '.' * 24,
    '.........KKKKKK.........',
    '........KHHHHHHK........',
    '.......KHHHHHHHHK.......',
    '.......KHHHHHHHHK.......',
    '.......KHHHHHHHHK.......',
    '.......KRRRRRRRRK.......',
    '...' + 'K' * 18 + '...',
    '..K' + 'H' * 18 + 'K..',
    '...' + 'K' * 18 + '...',
    '...OOK' + 'S' * 12 + 'KOO...',
    '....KSSKKKSSSSKKKSSK....',
    '...KKSKWWWKSSKWWWKSKK...',
    '..KSKSKWPWKSSKWPWKSKSK..',
    '.KSKSSKWPWKSSKWPWKSSKSK.',
    '.KSKSSKWWWKSSKWWWKSSKSK.',
    '..KSKSSKKKSKKSKKKSSKSK..',
    '...KKSSSKNLNNNNKSSSKK...',
    '....KBBSKNNNNNNKSBBK....',
    '....KSKSSKNNNNKSSKSK....',
    '.....KSKSSKKKKSSKSK.....',
    '......KSKKKKKKKKSK......',
    '.......KKSSSSSSKK.......',
    '.........KKKKKK.........',
]
PIXC = {'B': '#f3a08a', 'K': OUT, 'H': HAT, 'R': BAND, 'S': SKIN, 'O': HAIR, 'W': '#ffffff', 'P': '#1b1b22',
        'N': NOSE, 'M': '#8e2a2a', 'L': '#ffd0c0'}


def pixel_svg(rows, title):
    w = len(rows[0])
    doc = Doc(w, len(rows), title)
    g = '<g shape-rendering="crispEdges">'
    for y, row in enumerate(rows):
        assert len(row) == w, (title, y)
        x = 0
        while x < w:
            c = row[x]
            if c == '.':
                x += 1
                continue
            k = x
            while k < w and row[k] == c:
                k += 1
            g += '<rect x="%d" y="%d" width="%d" height="1" fill="%s"/>' % (x, y, k - x, PIXC[c])
            x = k
    doc.add(g + '</g>')
    return doc


# ---------------------------------------------------------------- finestra di avvio
def avvio_0():
    doc = Doc(100, 93, 'Veltrak - marchio')
    bg = doc.radgrad([(0, '#2f5f9e'), (1, '#152a4f')], .4, .35, .7)
    g = '<circle cx="50" cy="40" r="35" fill="%s" stroke="%s" stroke-width="2.4"/>' % (bg, OUT)
    # stelline
    for (x, y, r) in [(30, 22, 1), (70, 20, 1.2), (76, 48, .9), (26, 54, .8), (60, 64, .9)]:
        g += '<circle cx="%s" cy="%s" r="%s" fill="#ffffff" opacity=".8"/>' % (n(x), n(y), n(r))
    # orbita dietro
    g += '<path d="M10,52 A44,15 -20 0 1 88,22" fill="none" stroke="#ff9a2e" stroke-width="3" stroke-linecap="round" opacity=".55"/>'
    # V
    v = [(27, 22), (38, 22), (50, 52), (62, 22), (73, 22), (55, 64), (45, 64)]
    g += '<polygon points="%s" fill="%s" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (
        pts(v), doc.lingrad([(0, '#ffffff'), (1, '#bcd6f5')]), OUT)
    # parabola sulla V
    g += '<g transform="translate(50,20) rotate(-25)">'
    g += '<path d="M-11,-4 Q0,10 11,-4 Z" fill="#e8eef6" stroke="%s" stroke-width="1.6" stroke-linejoin="round"/>' % OUT
    g += '<path d="M0,3 L0,-8" stroke="%s" stroke-width="1.4"/><circle cx="0" cy="-9" r="2.2" fill="#ffd23f" stroke="%s" stroke-width="1"/>' % (OUT, OUT)
    g += '</g>'
    g += '<path d="M50,26 L50,31" stroke="%s" stroke-width="2.4"/>' % OUT
    # orbita davanti con satellite
    g += '<path d="M88,22 A44,15 -20 0 1 10,52" fill="none" stroke="#ff9a2e" stroke-width="3" stroke-linecap="round"/>'
    g += '<circle cx="19" cy="58" r="4" fill="#ffd23f" stroke="%s" stroke-width="1.4"/>' % OUT
    g += title_text(50, 89, 'VELTRAK', 14.5, '#1d3a6b', '#ffffff', 3.2, extra=' letter-spacing="1"')
    doc.add(g)
    return doc


def avvio_1():
    doc = Doc(64, 64, 'Mr. Gorbio - icona del programma')
    doc.add(face_icon(doc, 'happy', noose=True, hat_rot=0))
    return doc


def avvio_2():
    doc = Doc(400, 36, 'Veltrak Mr.Gorbio - striscione')
    bg = doc.lingrad([(0, '#27497d'), (.5, '#3a6fb3'), (1, '#27497d')], 0, 0, 1, 0)
    g = '<rect x="1" y="1" width="398" height="34" rx="8" fill="%s" stroke="%s" stroke-width="2"/>' % (bg, OUT)
    g += '<rect x="6" y="4" width="388" height="9" rx="4.5" fill="#ffffff" opacity=".16"/>'
    # rotolini di corda alle estremita'
    for x in (22, 378):
        g += '<circle cx="%d" cy="18" r="8" fill="none" stroke="%s" stroke-width="5"/><circle cx="%d" cy="18" r="8" fill="none" stroke="%s" stroke-width="2.6"/>' % (x, OUT, x, ROPE)
    t = '<tspan fill="#ff9a2e">Veltrak</tspan><tspan fill="#ffe04a"> Mr.Gorbio</tspan>'
    g += ('<text x="200" y="27" font-family="%s" font-weight="bold" font-size="25" text-anchor="middle" xml:space="preserve" stroke="%s" stroke-width="4.5" stroke-linejoin="round">'
          '%s</text>' % (FONT, OUT, t.replace('fill="#ff9a2e"', 'fill="%s"' % OUT).replace('fill="#ffe04a"', 'fill="%s"' % OUT)))
    g += ('<text x="200" y="27" font-family="%s" font-weight="bold" font-size="25" text-anchor="middle" xml:space="preserve">%s</text>' % (FONT, t))
    doc.add(g)
    return doc


def avvio_3():
    doc = Doc(320, 16, 'barra decorativa a corda')
    fade = doc.lingrad([(0, '#ffffff', 0), (.08, '#ffffff', 1), (.92, '#ffffff', 1), (1, '#ffffff', 0)], 0, 0, 1, 0)
    i = doc.uid('m')
    doc.d('<mask id="%s"><rect width="320" height="16" fill="%s"/></mask>' % (i, fade))
    sh = doc.lingrad([(0, '#f0d49a'), (.5, ROPE), (1, ROPE_SH)])
    g = '<g mask="url(#%s)">' % i
    g += '<rect x="0" y="2.5" width="320" height="11" rx="5.5" fill="%s" stroke="%s" stroke-width="1.6"/>' % (sh, OUT)
    d = ''
    for x in range(-8, 324, 5):
        d += 'M%d,3.4 c2,1 5,5 6,9.2 ' % x
    g += '<path d="%s" fill="none" stroke="%s" stroke-width="1.2"/>' % (d, '#8a6434')
    g += '<rect x="0" y="4.5" width="320" height="2" fill="#ffffff" opacity=".3"/>'
    g += '</g>'
    doc.add(g)
    return doc


def avvio_4():
    doc = Doc(91, 22, 'distintivo versione')
    bg = doc.lingrad([(0, '#ffb04a'), (1, '#e06a12')])
    g = '<rect x="1" y="1" width="89" height="20" rx="10" fill="%s" stroke="%s" stroke-width="1.6"/>' % (bg, OUT)
    g += '<rect x="5" y="3" width="81" height="6" rx="3" fill="#ffffff" opacity=".3"/>'
    g += title_text(45.5, 15.4, 'versione 1.0', 11.5, '#ffffff', '#7a3508', 2.6)
    doc.add(g)
    return doc


# ---------------------------------------------------------------- classifica, reset
def classifica_sfondo():
    doc = Doc(340, 195, 'carta pergamena')
    doc.d('<filter id="carta" x="0" y="0" width="1" height="1">'
          '<feTurbulence type="fractalNoise" baseFrequency=".035 .06" numOctaves="4" seed="7" result="t"/>'
          '<feColorMatrix in="t" type="matrix" values="0 0 0 0 .55  0 0 0 0 .42  0 0 0 0 .22  0 0 0 .32 -.07" result="m"/>'
          '<feComposite in="m" in2="SourceGraphic" operator="over"/></filter>')
    doc.d('<filter id="fibre" x="0" y="0" width="1" height="1">'
          '<feTurbulence type="fractalNoise" baseFrequency=".9 .05" numOctaves="2" seed="3" result="t"/>'
          '<feColorMatrix in="t" type="matrix" values="0 0 0 0 .5  0 0 0 0 .4  0 0 0 0 .25  0 0 0 .16 -.04"/></filter>')
    vg = doc.radgrad([(0, '#000000', 0), (.7, '#000000', 0), (1, '#7a5a2a', .28)], .5, .5, .72)
    g = '<rect width="340" height="195" fill="#f8f0dc" filter="url(#carta)"/>'
    g += '<rect width="340" height="195" fill="#ffffff" filter="url(#fibre)"/>'
    g += '<rect width="340" height="195" fill="%s"/>' % vg
    doc.add(g)
    return doc


def classifica_logo():
    doc = Doc(45, 64, 'coppa')
    gold = doc.lingrad([(0, '#fff0a0'), (.45, '#f7c52f'), (1, '#c88a12')], 0, 0, 1, 0)
    g = ''
    for sx in (-1, 1):
        g += '<path d="M%s,9 C%s,9 %s,25 %s,28" fill="none" stroke="%s" stroke-width="5.6" stroke-linecap="round"/>' % (
            n(22.5 + 11 * sx), n(22.5 + 21 * sx), n(22.5 + 19 * sx), n(22.5 + 8 * sx), OUT)
        g += '<path d="M%s,9 C%s,9 %s,25 %s,28" fill="none" stroke="#f2b928" stroke-width="2.8" stroke-linecap="round"/>' % (
            n(22.5 + 11 * sx), n(22.5 + 21 * sx), n(22.5 + 19 * sx), n(22.5 + 8 * sx))
    g += '<path d="M8,4 L37,4 C37,22 31,33 22.5,34 C14,33 8,22 8,4 Z" fill="%s" stroke="%s" stroke-width="1.8" stroke-linejoin="round"/>' % (gold, OUT)
    g += '<ellipse cx="22.5" cy="4.5" rx="14.5" ry="2.6" fill="#fff6c8" stroke="%s" stroke-width="1.4"/>' % OUT
    g += '<path d="M12,9 C12,20 14,26 18,30" fill="none" stroke="#ffffff" stroke-width="2" stroke-linecap="round" opacity=".7"/>'
    # stella
    p = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        r = 6 if i % 2 == 0 else 2.6
        p.append((22.5 + math.cos(a) * r, 17 + math.sin(a) * r))
    g += '<polygon points="%s" fill="#ffffff" stroke="#b07a10" stroke-width="1" stroke-linejoin="round"/>' % pts(p)
    g += '<path d="M20,34 L25,34 L26,43 L19,43 Z" fill="%s" stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>' % (gold, OUT)
    g += '<path d="M14,43 L31,43 L33,48 L12,48 Z" fill="%s" stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>' % (gold, OUT)
    g += '<rect x="8" y="48" width="29" height="14" rx="2" fill="#7a4a26" stroke="%s" stroke-width="1.6"/>' % OUT
    g += '<rect x="13" y="51.5" width="19" height="7" rx="1" fill="#f2c94c" stroke="%s" stroke-width="1"/>' % OUT
    g += '<rect x="8.8" y="59" width="27.4" height="2.2" fill="#5a3418"/>'
    doc.add(g)
    return doc


def resetta_icona():
    doc = Doc(32, 32, 'cestino')
    body = doc.lingrad([(0, '#b8c2d0'), (.45, '#e9eef5'), (1, '#8d99ab')], 0, 0, 1, 0)
    g = '<path d="M7,10 L25,10 L23,30 L9,30 Z" fill="%s" stroke="%s" stroke-width="1.6" stroke-linejoin="round"/>' % (body, OUT)
    g += '<path d="M12.2,13 L12.8,27 M16,13 L16,27 M19.8,13 L19.2,27" stroke="#6d788a" stroke-width="1.5" stroke-linecap="round"/>'
    g += '<path d="M12.5,3.5 Q12.5,2 14,2 L18,2 Q19.5,2 19.5,3.5 L19.5,5.5" fill="none" stroke="%s" stroke-width="1.6"/>' % OUT
    g += '<rect x="4.5" y="5" width="23" height="4.5" rx="1.6" fill="%s" stroke="%s" stroke-width="1.6"/>' % (
        doc.lingrad([(0, '#dfe6ef'), (1, '#9aa6b8')]), OUT)
    doc.add(g)
    return doc


# ---------------------------------------------------------------- contatti
def stars(doc, w, h, cnt, seed, avoid=None):
    rng = Rng(seed)
    g = ''
    for _ in range(cnt):
        x, y, r = rng.r() * w, rng.r() * h, .35 + rng.r() * .8
        o = .35 + rng.r() * .65
        g += '<circle cx="%s" cy="%s" r="%s" fill="#ffffff" opacity="%s"/>' % (n(x), n(y), n(r), n(o))
    for (x, y) in [(w * .18, h * .12), (w * .82, h * .3)]:
        g += '<path d="M%s,%s h6 M%s,%s v6" stroke="#ffffff" stroke-width=".8" opacity=".9"/>' % (n(x - 3), n(y), n(x), n(y - 3))
    return g


def disco(lit):
    doc = Doc(200, 284, 'stazione di terra, illuminatore %s' % ('acceso' if lit else 'spento'))
    g = '<rect width="200" height="284" fill="#000000"/>'
    g += stars(doc, 200, 200, 70, 11)
    # terreno
    g += '<path d="M0,246 Q100,236 200,246 L200,284 L0,284 Z" fill="#15181f" stroke="#2c3340" stroke-width="1.4"/>'
    # basamento e torretta
    g += '<path d="M70,252 L130,252 L124,238 L76,238 Z" fill="#4a5260" stroke="#0b0c10" stroke-width="1.5"/>'
    g += '<rect x="86" y="176" width="28" height="63" fill="%s" stroke="#0b0c10" stroke-width="1.5"/>' % doc.lingrad([(0, '#8e98a8'), (.4, '#c8d0dc'), (1, '#5a6372')], 0, 0, 1, 0)
    g += '<rect x="94" y="214" width="12" height="16" rx="1" fill="#2a303a" stroke="#0b0c10" stroke-width="1"/>'
    g += '<circle cx="100" cy="196" r="3" fill="%s"/>' % ('#ff4a3a' if lit else '#5a2020')
    g += '<path d="M100,176 L84,150 L116,150 Z" fill="#7c8696" stroke="#0b0c10" stroke-width="1.5" stroke-linejoin="round"/>'
    g += '<circle cx="100" cy="150" r="8" fill="#a7b1c0" stroke="#0b0c10" stroke-width="1.5"/>'
    # parabola vista di tre quarti, rivolta in alto a sinistra
    g += '<g transform="translate(96,112) rotate(-32)">'
    dish = doc.radgrad([(0, '#ffffff'), (.6, '#d7dee8'), (1, '#8f9aab')], .62, .65, .7)
    g += '<path d="M-72,0 A72,30 0 0 0 72,0 Q60,44 0,46 Q-60,44 -72,0 Z" fill="#6a7484" stroke="#0b0c10" stroke-width="1.6"/>'
    g += '<ellipse cx="0" cy="0" rx="72" ry="30" fill="%s" stroke="#0b0c10" stroke-width="1.8"/>' % dish
    for a in range(0, 360, 30):
        r = math.radians(a)
        g += '<path d="M0,0 L%s,%s" stroke="#9aa5b6" stroke-width=".9"/>' % (n(72 * math.cos(r)), n(30 * math.sin(r)))
    g += '<ellipse cx="0" cy="0" rx="46" ry="19" fill="none" stroke="#9aa5b6" stroke-width=".9"/>'
    g += '<ellipse cx="0" cy="0" rx="22" ry="9" fill="none" stroke="#9aa5b6" stroke-width=".9"/>'
    # bracci dell'illuminatore
    fy = -62
    for (x, y) in [(-66, 10), (66, 10), (0, -28)]:
        g += '<path d="M%s,%s L0,%s" stroke="#0b0c10" stroke-width="4"/><path d="M%s,%s L0,%s" stroke="#b7c0cd" stroke-width="2"/>' % (n(x), n(y), n(fy + 6), n(x), n(y), n(fy + 6))
    if lit:
        glow = doc.radgrad([(0, '#fffbd0', 1), (.25, '#ffe066', .9), (.6, '#ff9a2e', .35), (1, '#ff9a2e', 0)])
        g += '<circle cx="0" cy="%s" r="40" fill="%s"/>' % (n(fy), glow)
        for k in range(8):
            a = math.radians(k * 45 + 22)
            g += '<path d="M%s,%s L%s,%s" stroke="#fff2a0" stroke-width="2" stroke-linecap="round" opacity=".8"/>' % (
                n(math.cos(a) * 14), n(fy + math.sin(a) * 14), n(math.cos(a) * 27), n(fy + math.sin(a) * 27))
    feed = '#fff6b0' if lit else '#3c4350'
    g += '<rect x="-6" y="%s" width="12" height="16" rx="2" fill="%s" stroke="#0b0c10" stroke-width="1.6"/>' % (n(fy - 4), '#8b95a5')
    g += '<ellipse cx="0" cy="%s" rx="8" ry="4" fill="%s" stroke="#0b0c10" stroke-width="1.6"/>' % (n(fy - 4), feed)
    g += '</g>'
    doc.add(g)
    return doc


def satellite(lit):
    doc = Doc(143, 158, 'satellite, %s' % ('acceso' if lit else 'spento'))
    g = '<rect width="143" height="158" fill="#000000"/>'
    g += stars(doc, 143, 158, 45, 23)
    g += '<g transform="translate(71.5,80) rotate(-22)">'
    pc, pl = ('#3d7bd9', '#9fd0ff') if lit else ('#1d3566', '#3c5c8f')
    for sx in (-1, 1):
        x0 = 16 if sx > 0 else -66
        g += '<path d="M%s,0 L%s,0" stroke="#9aa3b0" stroke-width="2.4"/>' % (n(12 * sx), n(16 * sx))
        panel = doc.lingrad([(0, pl), (.5, pc), (1, mix(pc, '#000000', .3))], 0, 0, 1, 1)
        g += '<rect x="%s" y="-12" width="50" height="24" fill="%s" stroke="#0b0c10" stroke-width="1.6"/>' % (n(x0), panel)
        d = ''
        for k in range(1, 5):
            d += 'M%s,-12 v24 ' % n(x0 + k * 10)
        d += 'M%s,0 h50' % n(x0)
        g += '<path d="%s" stroke="%s" stroke-width=".8"/>' % (d, '#cfe6ff' if lit else '#5a7099')
        if lit:
            g += '<path d="M%s,-10 l10,8" stroke="#ffffff" stroke-width="2" stroke-linecap="round" opacity=".8"/>' % n(x0 + 8)
    body = doc.lingrad([(0, '#ffe27a'), (.5, '#e0a52a'), (1, '#9a6a12')], 0, 0, 1, 1)
    g += '<rect x="-13" y="-17" width="26" height="32" rx="3" fill="%s" stroke="#0b0c10" stroke-width="1.6"/>' % body
    g += '<path d="M-13,-6 L13,-6 M-13,5 L13,5 M-4,-17 L-4,15" stroke="#8a5e10" stroke-width=".8"/>'
    # antenna
    g += '<path d="M0,-17 L0,-24" stroke="#0b0c10" stroke-width="3.6"/><path d="M0,-17 L0,-24" stroke="#c8d0dc" stroke-width="1.8"/>'
    g += '<path d="M-11,-27 Q0,-18 11,-27 Z" fill="#e8eef6" stroke="#0b0c10" stroke-width="1.5" stroke-linejoin="round"/>'
    g += '<path d="M0,-22 L0,-34" stroke="#c8d0dc" stroke-width="1.2"/>'
    on = {'r': '#ff4a3a', 'v': '#50ff70'}
    for (x, y, k) in [(0, -35, 'r'), (-9, 12, 'v'), (9, 12, 'r')]:
        if lit:
            glow = doc.radgrad([(0, on[k], .9), (1, on[k], 0)])
            g += '<circle cx="%s" cy="%s" r="7" fill="%s"/>' % (n(x), n(y), glow)
        g += '<circle cx="%s" cy="%s" r="2" fill="%s" stroke="#0b0c10" stroke-width=".8"/>' % (n(x), n(y), on[k] if lit else mix(on[k], '#000000', .65))
    g += '<path d="M-2,15 L2,15 L3,20 L-3,20 Z" fill="#7c8696" stroke="#0b0c10" stroke-width="1"/>'
    g += '</g>'
    doc.add(g)
    return doc


# ---------------------------------------------------------------- icone varie
def pausa():
    doc = Doc(64, 64, 'Mr. Gorbio dorme')
    g = '<g transform="translate(27,58) scale(.98)">%s</g>' % head(doc, 'sleep', (0, 0), True, -14)
    g += title_text(50, 24, 'z', 10, '#5aa0ff', '#ffffff', 3)
    g += title_text(55, 15, 'z', 12.5, '#3f86f0', '#ffffff', 3)
    g += title_text(59.5, 10, 'Z', 11, '#2a6ad8', '#ffffff', 3)
    doc.add(g)
    return doc


def info_regole():
    doc = Doc(48, 48, 'libro delle regole')
    g = '<path d="M24,12 Q14,7 4,9 L4,39 Q14,37 24,42 Q34,37 44,39 L44,9 Q34,7 24,12 Z" fill="#c8402e" stroke="%s" stroke-width="1.8" stroke-linejoin="round"/>' % OUT
    g += '<path d="M24,10 Q15,5 6,7 L6,36 Q15,34 24,39 Z" fill="#fffaf0" stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>' % OUT
    g += '<path d="M24,10 Q33,5 42,7 L42,36 Q33,34 24,39 Z" fill="#f4ecd8" stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>' % OUT
    d = ''
    for i in range(5):
        y = 13 + i * 4.6
        d += 'M9,%s Q15,%s 21,%s ' % (n(y), n(y - 1.2), n(y + 1.6))
        d += 'M27,%s Q33,%s 39,%s ' % (n(y + 1.6), n(y - 1.2), n(y))
    g += '<path d="%s" fill="none" stroke="#8a8170" stroke-width="1.4" stroke-linecap="round"/>' % d
    g += '<path d="M33,6 L33,17 L35.5,14.5 L38,17 L38,6" fill="#3c8fe0" stroke="%s" stroke-width="1.1" stroke-linejoin="round"/>' % OUT
    doc.add(g)
    return doc


def info_tastiera():
    doc = Doc(48, 48, 'tasto')
    g = '<rect x="4" y="7" width="40" height="37" rx="6" fill="#9aa3b3" stroke="%s" stroke-width="1.8"/>' % OUT
    g += '<path d="M6,36 L42,36 L42,39 Q42,42 39,42 L9,42 Q6,42 6,39 Z" fill="#7c8596"/>'
    g += '<rect x="9" y="5" width="30" height="30" rx="5" fill="%s" stroke="%s" stroke-width="1.6"/>' % (
        doc.lingrad([(0, '#ffffff'), (1, '#d7dde7')]), OUT)
    g += '<text x="24" y="28" font-family="%s" font-weight="bold" font-size="21" text-anchor="middle" fill="#2c3e66">A</text>' % FONT
    doc.add(g)
    return doc


def info_codice():
    doc = Doc(48, 48, 'dischetto col codice')
    g = '<path d="M5,7 Q5,4 8,4 L37,4 L44,11 L44,41 Q44,44 41,44 L8,44 Q5,44 5,41 Z" fill="#3a66b0" stroke="%s" stroke-width="1.8" stroke-linejoin="round"/>' % OUT
    g += '<rect x="14" y="4" width="20" height="12" fill="#c9d1dc" stroke="%s" stroke-width="1.4"/>' % OUT
    g += '<rect x="27" y="6" width="4.5" height="8" fill="#3a3f4e"/>'
    g += '<rect x="10" y="21" width="29" height="21" rx="1.5" fill="#fffaf0" stroke="%s" stroke-width="1.4"/>' % OUT
    g += '<text x="24.5" y="37.5" font-family="%s" font-weight="bold" font-size="15" text-anchor="middle" fill="#c8402e">{ }</text>' % ("'Liberation Mono', monospace")
    doc.add(g)
    return doc


def info_gorbio():
    doc = Doc(64, 64, 'Mr. Gorbio')
    doc.add(face_icon(doc, 'happy'))
    return doc


def thanx():
    doc = Doc(48, 48, 'cuore')
    fill = doc.radgrad([(0, '#ff8a8a'), (1, '#d62a3a')], .35, .3, .8)
    g = '<path d="M24,43 C14,35 3,27 3,16 C3,9 8,5 14,5 C19,5 22,8 24,12 C26,8 29,5 34,5 C40,5 45,9 45,16 C45,27 34,35 24,43 Z" fill="%s" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (fill, OUT)
    g += '<path d="M9,15 Q10,10 15,9.5" fill="none" stroke="#ffffff" stroke-width="2.6" stroke-linecap="round" opacity=".85"/>'
    doc.add(g)
    return doc


def freccia(dirx):
    doc = Doc(24, 24, 'freccia')
    fill = doc.lingrad([(0, '#8fe07a'), (1, '#3a9e36')])
    p = [(3, 12), (12, 3), (12, 8), (21, 8), (21, 16), (12, 16), (12, 21)]
    if dirx > 0:
        p = [(24 - x, y) for x, y in p]
    g = '<polygon points="%s" fill="%s" stroke="%s" stroke-width="1.6" stroke-linejoin="round"/>' % (pts(p), fill, OUT)
    hl = [(5.5, 12), (11, 6.5), (11, 9.5)] if dirx < 0 else [(18.5, 12), (13, 6.5), (13, 9.5)]
    g += '<polyline points="%s" fill="none" stroke="#ffffff" stroke-width="1.1" stroke-linecap="round" stroke-linejoin="round" opacity=".7"/>' % pts(hl)
    doc.add(g)
    return doc


# ---------------------------------------------------------------- puntatori
GLOVE, GLOVE_SH = '#ffffff', '#d6dbe4'


def cursor_point(pressed):
    doc = Doc(32, 32, 'mano che indica' + (' (premuta)' if pressed else ''))
    k = 1.4
    g = ''
    top = 5 if pressed else 1.2
    # indice (punta in alto: x 9..14)
    fg = ('<path d="M9,%s Q9,%s 11.5,%s Q14,%s 14,%s L14,17 L9,17 Z"/>' % (
        n(top + 2.5), n(top), n(top), n(top), n(top + 2.5)))
    # palmo e dita piegate
    palm = ('M9,13 L9,24 Q5.5,21 4.2,18.5 Q2.6,16 4.2,15 Q6,14 9,18 '
            'M9,24 Q9.5,29 14,29 L23,29 Q27,29 27.5,24 L27.5,17 Q27.5,14.5 25,14.5 Q23,14.5 22.8,16 '
            'Q22.6,13.5 20,13.5 Q17.8,13.5 17.6,15.3 Q17.2,12.8 14.8,13 Q14,13.1 14,14')
    body = ('<path d="M9,%s Q9,%s 11.5,%s Q14,%s 14,%s L14,14 Q14.8,12.8 16,13 Q17.4,13.2 17.6,15.3 '
            'Q17.8,13.5 20,13.5 Q22.6,13.5 22.8,16 Q23,14.5 25,14.5 Q27.5,14.5 27.5,17 L27.5,24 '
            'Q27,29 23,29 L14,29 Q9.5,29 9,24 Q5.5,21 4.2,18.5 Q2.6,16 4.2,15 Q6,14 9,18 Z" '
            'fill="%s" stroke="#000000" stroke-width="%s" stroke-linejoin="round"/>' % (
                n(top + 2.5), n(top), n(top), n(top), n(top + 2.5), GLOVE if not pressed else '#eef1f6', n(k)))
    g += body
    g += '<path d="M17.6,15.3 L17.6,19 M22.8,16 L22.8,19.5" stroke="#000000" stroke-width="1" stroke-linecap="round"/>'
    g += '<path d="M11,26.5 Q18,28 26,25" fill="none" stroke="%s" stroke-width="1.6" stroke-linecap="round"/>' % GLOVE_SH
    # polsino
    g += '<rect x="12" y="28.2" width="15" height="3.2" rx="1.2" fill="#3c5c9c" stroke="#000000" stroke-width="1"/>'
    if pressed:
        g += '<path d="M6.5,4 L4.5,2 M16.5,4 L18.5,2 M5.5,8 L2.5,8 M17.5,8 L20.5,8" stroke="#c8402e" stroke-width="1.3" stroke-linecap="round"/>'
    doc.add(g)
    return doc, (11, 1 if not pressed else 5)


def cursor_open():
    doc = Doc(32, 32, 'mano aperta')
    g = ''
    fingers = [(8.5, 7, -14, 11), (12.5, 3.5, -5, 13.5), (17.5, 1.5, 0, 15), (22.5, 4, 8, 13)]
    # pollice
    g += '<path d="M7.5,19 Q4,17 2.5,19.2 Q1.6,21 4,23 L8.5,26.5" fill="%s" stroke="#000000" stroke-width="1.4" stroke-linejoin="round" stroke-linecap="round"/>' % GLOVE
    for (x, y, a, L) in fingers:
        g += '<rect x="%s" y="%s" width="4.6" height="%s" rx="2.3" fill="%s" stroke="#000000" stroke-width="1.4" transform="rotate(%s,%s,%s)"/>' % (
            n(x - 2.3), n(y), n(L + 4), GLOVE, n(a), n(x), n(y + L))
    g += '<path d="M6.5,17 Q6,27 12,29 L22,29 Q26.5,27.5 26.5,19 L26.5,15 L6.5,15 Z" fill="%s" stroke="#000000" stroke-width="1.4" stroke-linejoin="round"/>' % GLOVE
    # ricopre le basi delle dita
    g += '<path d="M7.7,16.4 L25.3,16.4 L25.3,20 L7.7,20 Z" fill="%s"/>' % GLOVE
    g += '<path d="M8.5,19.5 Q10.5,23 10,26" fill="none" stroke="%s" stroke-width="1.3" stroke-linecap="round"/>' % GLOVE_SH
    g += '<rect x="10" y="28.2" width="14" height="3.2" rx="1.2" fill="#3c5c9c" stroke="#000000" stroke-width="1"/>'
    doc.add(g)
    return doc, (17, 2)


# ---------------------------------------------------------------- elenco
def all_docs():
    d = {}
    for s in range(9):
        d['ID_%02d' % s] = stage_scene(s)
    d['ID_11'] = start_scene()
    d['ID_12'] = win_scene()
    d['avvio_0'] = avvio_0()
    d['avvio_1'] = avvio_1()
    d['avvio_2'] = avvio_2()
    d['avvio_3'] = avvio_3()
    d['avvio_4'] = avvio_4()
    d['classifica_sfondo'] = classifica_sfondo()
    d['classifica_logo'] = classifica_logo()
    d['resetta_icona'] = resetta_icona()
    d['disco_1'] = disco(False)
    d['disco_2'] = disco(True)
    d['satellite_1'] = satellite(False)
    d['satellite_2'] = satellite(True)
    d['pausa'] = pausa()
    d['info_regole'] = info_regole()
    d['info_tastiera'] = info_tastiera()
    d['info_codice'] = info_codice()
    d['info_gorbio'] = info_gorbio()
    d['thanx'] = thanx()
    d['freccia_indietro'] = freccia(-1)
    d['freccia_avanti'] = freccia(1)
    d['icona'] = icon_svg()
    d['icona_32'] = pixel_svg(PIX32, 'Mr. Gorbio - icona 32')
    d['icona_16'] = pixel_svg(PIX16, 'Mr. Gorbio - icona 16')
    d['icona_24'] = pixel_svg(PIX24, 'Mr. Gorbio - icona 24')
    hs = {}
    d['link'], hs['link.png'] = cursor_point(False)
    d['mano_premuta'], hs['mano_premuta.png'] = cursor_point(True)
    d['mano_aperta'], hs['mano_aperta.png'] = cursor_open()
    return d, hs


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    docs, hs = all_docs()
    for name, doc in sorted(docs.items()):
        with open(os.path.join(out, name + '.svg'), 'w', encoding='utf-8', newline='\n') as fh:
            fh.write(doc.text())
    with open(os.path.join(out, 'hotspot.txt'), 'w', encoding='utf-8', newline='\n') as fh:
        for k in ('mano_aperta.png', 'mano_premuta.png', 'link.png'):
            fh.write('%s %d %d\n' % (k, hs[k][0], hs[k][1]))


if __name__ == '__main__':
    main()
