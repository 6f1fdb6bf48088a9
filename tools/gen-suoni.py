#!/usr/bin/env python3
"""Genera tutti i suoni di Veltrak Mr.Gorbio (resources/wave/ID_NN.wav e
data/Mr.Gorbio.003/.004/.005). Deterministico: semi fissi, nessun dato esterno.

Uso:  tools/gen-suoni.py            rigenera tutto e verifica
      tools/gen-suoni.py ID_22 004  rigenera solo quelli, poi verifica tutto
      tools/gen-suoni.py --verifica verifica soltanto i file presenti

Serve: python3 (solo libreria standard), espeak-ng (voce "it"), sox (verifica).
Ricette: resources/sources/suoni/ (sigla.txt, cappio.txt).
"""
import array
import math
import os
import random
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import wave

RADICE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SORGENTI = os.path.join(RADICE, "resources", "sources", "suoni")
TAU = 2.0 * math.pi
PICCO_DB = -1.0


class Errore(Exception):
    pass


def esigi(cond, msg):
    if not cond:
        raise Errore(msg)


# ---------------------------------------------------------------- primitive

def campioni(sec, sr):
    return int(round(sec * sr))


def vuoto(n):
    return [0.0] * n


def somma(dst, src, at=0, g=1.0):
    """Aggiunge src a dst a partire dal campione at."""
    if at < 0:
        src = src[-at:]
        at = 0
    n = min(len(src), len(dst) - at)
    for i in range(n):
        dst[at + i] += g * src[i]


def per(x, e):
    return [a * b for a, b in zip(x, e)]


def scala(x, g):
    return [g * v for v in x]


NOTE = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def midi(nome):
    m = re.fullmatch(r"([A-G])([#b]?)(-?\d)", nome.strip())
    esigi(m, "nota non valida: %r" % nome)
    v = NOTE[m.group(1)] + 12 * (int(m.group(3)) + 1)
    v += {"#": 1, "b": -1, "": 0}[m.group(2)]
    return v


def hz(nota):
    m = midi(nota) if isinstance(nota, str) else nota
    return 440.0 * 2.0 ** ((m - 69) / 12.0)


def inviluppo(n, sr, att=0.005, dec=None, sus=0.0, rel=0.02):
    """Attacco a coseno, decadimento esponenziale (tau dec) verso sus,
    rilascio a coseno che arriva a zero sull'ultimo campione."""
    na = max(1, campioni(att, sr))
    nr = min(n, max(1, campioni(rel, sr)))
    k = math.exp(-1.0 / (dec * sr)) if dec else 1.0
    out = [0.0] * n
    d = 1.0
    for i in range(n):
        if i < na:
            e = 0.5 - 0.5 * math.cos(math.pi * i / na)
        else:
            e = sus + (1.0 - sus) * d
            d *= k
        j = i - (n - nr)
        if j >= 0:
            e *= 0.5 + 0.5 * math.cos(math.pi * (j + 1) / nr)
        out[i] = e
    return out


def oscillatore(n, sr, f, parziali=((1, 1.0),), vib=None):
    """Somma di armoniche (sopra 0.45*sr scartate); f costante o lista."""
    fl = f if isinstance(f, list) else None
    fmax = max(fl) if fl else f
    vr, vd = vib if vib else (0.0, 0.0)
    fmax *= 1.0 + vd
    parti = [(k, a) for k, a in parziali if k * fmax < 0.45 * sr]
    out = [0.0] * n
    ph = 0.0
    w = TAU / sr
    for i in range(n):
        fi = fl[i] if fl else f
        if vd:
            fi *= 1.0 + vd * math.sin(w * vr * i)
        ph += w * fi
        s = 0.0
        for k, a in parti:
            s += a * math.sin(k * ph)
        out[i] = s
    return out


def tono(sr, dur, f, parziali=((1, 1.0),), vib=None, **env):
    n = campioni(dur, sr)
    return per(oscillatore(n, sr, f, parziali, vib), inviluppo(n, sr, **env))


def campana(sr, dur, f, parziali, att=0.002, rel=0.03):
    """Parziali (rapporto, ampiezza, tau) con decadimenti indipendenti."""
    n = campioni(dur, sr)
    out = vuoto(n)
    for r, a, tau in parziali:
        fr = f * r
        if fr >= 0.45 * sr:
            continue
        w = TAU * fr / sr
        k = math.exp(-1.0 / (tau * sr))
        g = a
        for i in range(n):
            out[i] += g * math.sin(w * i)
            g *= k
    return per(out, inviluppo(n, sr, att, None, 1.0, rel))


CAMPANA = ((1.0, 1.0, 0.7), (2.0, 0.45, 0.35), (3.0, 0.2, 0.2),
           (4.16, 0.12, 0.12), (5.43, 0.06, 0.08))


def fm(sr, dur, f, rapporto=1.0, i0=2.0, i1=0.5, itau=0.1, vib=None, **env):
    """FM a due operatori con indice che decade da i0 a i1."""
    n = campioni(dur, sr)
    out = [0.0] * n
    pc = pm = 0.0
    wc = TAU * f / sr
    wm = wc * rapporto
    ik = math.exp(-1.0 / (itau * sr))
    d = 1.0
    vr, vd = vib if vib else (0.0, 0.0)
    for i in range(n):
        v = 1.0 + vd * math.sin(TAU * vr * i / sr) if vd else 1.0
        pc += wc * v
        pm += wm * v
        out[i] = math.sin(pc + (i1 + (i0 - i1) * d) * math.sin(pm))
        d *= ik
    return per(out, inviluppo(n, sr, **env))


def ottone(sr, f, env, lum0=0.25, lum1=0.55, nh=12):
    """Ottone additivo: piu' forte = piu' brillante. f costante o lista."""
    n = len(env)
    fl = f if isinstance(f, list) else None
    fmax = max(fl) if fl else f
    nh = max(1, min(nh, int(0.45 * sr / (fmax * 1.03))))
    pesi = [1.0 / math.sqrt(k) for k in range(1, nh + 1)]
    out = [0.0] * n
    ph = 0.0
    w = TAU / sr
    for i in range(n):
        ph += w * (fl[i] if fl else f)
        e = env[i]
        if e <= 0.0:
            continue
        b = lum0 + lum1 * e
        s = 0.0
        bk = 1.0
        for k in range(nh):
            s += pesi[k] * bk * math.sin((k + 1) * ph)
            bk *= b
        out[i] = e * s
    return out


def rumore(n, rng):
    return [rng.uniform(-1.0, 1.0) for _ in range(n)]


def coeff(tipo, sr, f, q=0.707):
    w0 = TAU * min(f, 0.49 * sr) / sr
    c = math.cos(w0)
    al = math.sin(w0) / (2.0 * q)
    if tipo == "bp":
        b0, b1, b2 = al, 0.0, -al
    elif tipo == "lp":
        b0 = b2 = (1.0 - c) / 2.0
        b1 = 1.0 - c
    elif tipo == "hp":
        b0 = b2 = (1.0 + c) / 2.0
        b1 = -(1.0 + c)
    else:
        raise Errore("filtro sconosciuto " + tipo)
    a0 = 1.0 + al
    return b0 / a0, b1 / a0, b2 / a0, -2.0 * c / a0, (1.0 - al) / a0


def filtro(x, tipo, sr, f, q=0.707):
    b0, b1, b2, a1, a2 = coeff(tipo, sr, f, q)
    y = [0.0] * len(x)
    x1 = x2 = y1 = y2 = 0.0
    for i, xi in enumerate(x):
        yi = b0 * xi + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1, y2, y1 = x1, xi, y1, yi
        y[i] = yi
    return y


def filtro_mobile(x, tipo, sr, fdi, q=0.707, blocco=32):
    """Biquad con frequenza fdi(t) ricalcolata ogni blocco."""
    y = [0.0] * len(x)
    x1 = x2 = y1 = y2 = 0.0
    for s in range(0, len(x), blocco):
        b0, b1, b2, a1, a2 = coeff(tipo, sr, fdi(s / sr), q)
        for i in range(s, min(len(x), s + blocco)):
            xi = x[i]
            yi = b0 * xi + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
            x2, x1, y2, y1 = x1, xi, y1, yi
            y[i] = yi
    return y


def passa_basso1(x, sr, fc):
    a = 1.0 - math.exp(-TAU * fc / sr)
    y = [0.0] * len(x)
    s = 0.0
    for i, v in enumerate(x):
        s += a * (v - s)
        y[i] = s
    return y


def lento_casuale(n, sr, fc, rng):
    """Rumore lento normalizzato a +-1 (per modulazioni irregolari)."""
    x = passa_basso1(passa_basso1(rumore(n, rng), sr, fc), sr, fc)
    m = max(abs(v) for v in x) or 1.0
    return [v / m for v in x]


def ricampiona(x, sr_in, sr_out, zeri=12):
    """Sinc finestrato (Hann), cutoff sotto la Nyquist minore."""
    if sr_in == sr_out:
        return list(x)
    rap = sr_out / sr_in
    fc = min(1.0, rap) * 0.9
    meta = zeri / fc
    out = []
    for j in range(int(len(x) * rap)):
        t = j / rap
        s = 0.0
        for i in range(max(0, int(math.floor(t - meta)) + 1),
                       min(len(x) - 1, int(math.floor(t + meta))) + 1):
            d = i - t
            a = math.pi * d * fc
            sinc = 1.0 if a == 0.0 else math.sin(a) / a
            s += x[i] * fc * sinc * (0.5 + 0.5 * math.cos(math.pi * d / meta))
        out.append(s)
    return out


def satura(x, k):
    """Compressione morbida (tanh) per alzare il volume percepito."""
    m = max(abs(v) for v in x) or 1.0
    return [math.tanh(k * v / m) for v in x]


# ------------------------------------------------------------ mattoncini

def bussata(sr, dur=0.12, f=760.0):
    """Colpo su legno."""
    n = campioni(dur, sr)
    out = vuoto(n)
    for i in range(n):
        t = i / sr
        out[i] = (math.sin(TAU * f * t) * math.exp(-t / 0.022)
                  + 0.5 * math.sin(TAU * f * 2.63 * t) * math.exp(-t / 0.009)
                  + 0.3 * math.sin(TAU * f * 0.52 * t) * math.exp(-t / 0.04))
    return per(out, inviluppo(n, sr, 0.0008, None, 1.0, 0.01))


def tamburo(sr, rng, dur=0.35, f=70.0, rumore_g=0.3):
    n = campioni(dur, sr)
    nz = passa_basso1(rumore(n, rng), sr, 700)
    out = vuoto(n)
    ph = 0.0
    for i in range(n):
        t = i / sr
        ph += TAU * f * (1.0 + 0.8 * math.exp(-t / 0.03)) / sr
        out[i] = (math.sin(ph) * math.exp(-t / 0.12)
                  + rumore_g * 3.0 * nz[i] * math.exp(-t / 0.02))
    return per(out, inviluppo(n, sr, 0.001, None, 1.0, 0.03))


def cassa(sr, rng, dur=0.35):
    n = campioni(dur, sr)
    out = vuoto(n)
    ph = 0.0
    for i in range(n):
        t = i / sr
        ph += TAU * (45.0 + 95.0 * math.exp(-t / 0.035)) / sr
        out[i] = math.sin(ph) * math.exp(-t / 0.16)
        if t < 0.004:
            out[i] += 0.3 * rng.uniform(-1, 1) * (1.0 - t / 0.004)
    return per(out, inviluppo(n, sr, 0.001, None, 1.0, 0.03))


def rullante(sr, rng, dur=0.22, fbp=1800.0):
    n = campioni(dur, sr)
    nz = filtro(rumore(n, rng), "bp", sr, fbp, 0.8)
    out = vuoto(n)
    for i in range(n):
        t = i / sr
        out[i] = (1.6 * nz[i] * math.exp(-t / 0.06)
                  + 0.5 * math.sin(TAU * 190.0 * t) * math.exp(-t / 0.05))
    return per(out, inviluppo(n, sr, 0.001, None, 1.0, 0.02))


def piatto(sr, rng, dur, fhp=7000.0, tau=0.018):
    n = campioni(dur, sr)
    nz = filtro(rumore(n, rng), "hp", sr, fhp, 0.7)
    env = inviluppo(n, sr, 0.0008, tau, 0.0, min(0.03, dur / 3))
    return per(nz, env)


def scricchiolio(sr, dur, f0, f1, risonanze, rng, q=12.0, jitter=0.3):
    """Attrito a scatti: treno di impulsi irregolari (f0->f1 Hz) su risonatori."""
    n = campioni(dur, sr)
    imp = vuoto(n)
    t = 0.0
    fase = rng.uniform(0.0, TAU)
    while True:
        i = campioni(t, sr)
        if i >= n:
            break
        imp[i] += rng.uniform(0.5, 1.0) * (1 if rng.random() < 0.8 else -1)
        f = f0 * (f1 / f0) ** (t / dur) * (1.0 + 0.25 * math.sin(TAU * 2.5 * t + fase))
        t += (1.0 / f) * (1.0 + jitter * rng.uniform(-1.0, 1.0))
    out = vuoto(n)
    for fr, g in risonanze:
        somma(out, filtro(imp, "bp", sr, fr, q), 0, g)
    # si gonfia e si spegne: una fibra che si tende
    return per(out, inviluppo(n, sr, 0.3 * dur, None, 1.0, 0.25 * dur))


def battito(sr, f=56.0, g=1.0):
    n = campioni(0.2, sr)
    out = vuoto(n)
    ph = 0.0
    for i in range(n):
        t = i / sr
        ph += TAU * f * (1.0 + 0.5 * math.exp(-t / 0.02)) / sr
        out[i] = g * math.sin(ph) * math.exp(-t / 0.05)
    return per(out, inviluppo(n, sr, 0.006, None, 1.0, 0.04))


def fruscio(sr, dur, f0, f1, rng, q=1.2):
    """Whoosh: rumore in passa-banda che scorre da f0 a f1."""
    n = campioni(dur, sr)
    x = filtro_mobile(rumore(n, rng), "bp", sr,
                      lambda t: f0 * (f1 / f0) ** (t / dur), q)
    env = [math.sin(math.pi * i / n) ** 2 for i in range(n)]
    return per(x, env)


_VOCI = {}


def voce(testo, sr, velocita=160, tono_v=50, limite=None):
    """espeak-ng, voce italiana; silenzi tolti; ricampionata a sr.
    Se limite (s) e' dato, accelera finche' la frase ci sta."""
    chiave = (testo, sr, velocita, tono_v, limite)
    if chiave in _VOCI:
        return list(_VOCI[chiave])
    exe = shutil.which("espeak-ng")
    esigi(exe, "espeak-ng non trovato (apt-get install espeak-ng)")
    for v in range(velocita, 451, 10):
        with tempfile.TemporaryDirectory() as d:
            p = os.path.join(d, "voce.wav")
            subprocess.run([exe, "-v", "it", "-s", str(v), "-p", str(tono_v),
                            "-w", p, testo], check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            with wave.open(p, "rb") as w:
                esigi(w.getsampwidth() == 2 and w.getnchannels() == 1,
                      "formato espeak-ng inatteso")
                sr0 = w.getframerate()
                dati = array.array("h", w.readframes(w.getnframes()))
        if sys.byteorder == "big":
            dati.byteswap()
        x = [s / 32768.0 for s in dati]
        m = max(abs(s) for s in x)
        esigi(m > 0.01, "espeak-ng ha prodotto silenzio")
        soglia = 0.02 * m
        a = next(i for i, s in enumerate(x) if abs(s) > soglia)
        b = len(x) - next(i for i, s in enumerate(reversed(x)) if abs(s) > soglia)
        x = x[max(0, a - campioni(0.005, sr0)):b + campioni(0.02, sr0)]
        x = ricampiona(x, sr0, sr)
        if limite is None or len(x) <= limite * sr:
            _VOCI[chiave] = x
            return list(x)
    raise Errore("la frase %r non entra in %s s" % (testo, limite))


# ------------------------------------------------------------ suoni brevi

def s21(sr, n):  # blip neutro
    x = vuoto(n)
    b = tono(sr, 0.3, 740.0, ((1, 1.0), (2, 0.25), (3, 0.08)),
             att=0.004, dec=0.1, rel=0.05)
    somma(x, b)
    somma(x, b, campioni(0.12, sr), 0.3)
    somma(x, b, campioni(0.24, sr), 0.1)
    return x


def s22(sr, n):  # ding brillante
    x = vuoto(n)
    somma(x, campana(sr, 0.5, hz("E6"), ((1.0, 1.0, 0.22), (2.0, 0.5, 0.12),
                                         (3.0, 0.22, 0.07), (4.17, 0.12, 0.04))))
    somma(x, campana(sr, 0.46, hz("B6"), ((1.0, 1.0, 0.12), (2.0, 0.3, 0.06))),
          campioni(0.035, sr), 0.35)
    return x


def due_toni(sr, n, note, durate, pausa):
    x = vuoto(n)
    t = 0.0
    for nota, d in zip(note, durate):
        somma(x, tono(sr, d, hz(nota), ((1, 1.0), (2, 0.3), (3, 0.15)),
                      att=0.008, dec=0.12, sus=0.2, rel=0.05), campioni(t, sr))
        t += d + pausa
    return x


def s23(sr, n):  # pausa: due toni discendenti
    return due_toni(sr, n, ("G5", "C5"), (0.30, 0.34), 0.02)


def s24(sr, n):  # ripresa: il rovescio di ID_23, ascendente
    return due_toni(sr, n, ("C5", "G5"), (0.33, 0.37), 0.02)


def s25(sr, n):  # clic della telescrivente
    rng = random.Random(25)
    x = vuoto(n)
    clic = filtro(rumore(campioni(0.006, sr), rng), "bp", sr, 2600.0, 1.5)
    somma(x, per(clic, inviluppo(len(clic), sr, 0.0005, 0.0015, 0.0, 0.002)), 0, 2.0)
    somma(x, tono(sr, 0.15, 1400.0, ((1, 1.0), (2, 0.2)), att=0.004, dec=0.06,
                  sus=0.2, rel=0.03), campioni(0.004, sr), 0.8)
    return x


def s26(sr, n):  # ping di conferma
    nn = campioni(0.25, sr)
    f = [1760.0 * (1.0 - 0.03 * math.exp(-i / (0.01 * sr))) for i in range(nn)]
    p = per(oscillatore(nn, sr, f, ((1, 1.0), (2, 0.15))),
            inviluppo(nn, sr, 0.003, 0.08, 0.0, 0.04))
    x = vuoto(n)
    somma(x, p)
    somma(x, p, campioni(0.09, sr), 0.2)
    return x


def s27(sr, n):  # accensione
    nn = campioni(0.17, sr)
    ns_ = campioni(0.1, sr)
    f = [300.0 * 4.0 ** min(1.0, i / ns_) for i in range(nn)]
    x = vuoto(n)
    somma(x, per(oscillatore(nn, sr, f, ((1, 1.0), (3, 0.25), (5, 0.1))),
                 inviluppo(nn, sr, 0.003, 0.05, 0.15, 0.04)))
    return x


def s28(sr, n):  # collegamento radio che sale
    rng = random.Random(28)
    dur = n / sr
    f = [220.0 * 10.0 ** (i / n) * (1.0 + 0.02 * math.sin(TAU * 7.0 * i / sr))
         for i in range(n)]
    x = oscillatore(n, sr, f, ((1, 1.0), (2, 0.2)))
    f2 = [v * 1.5 for v in f]
    somma(x, oscillatore(n, sr, f2, ((1, 1.0),)), 0, 0.3)
    am = [(0.6 + 0.4 * i / n) * (0.85 + 0.15 * math.sin(TAU * 10.0 * i / sr))
          for i in range(n)]
    x = per(x, am)
    # statico leggero
    st = scala(passa_basso1(rumore(n, rng), sr, 2500.0), 0.25)
    cr = vuoto(n)
    for i in range(n):
        if rng.random() < 0.0015:
            cr[i] = rng.uniform(-1.0, 1.0) * 3.0
    somma(st, filtro(cr, "bp", sr, 3000.0, 2.0))
    somma(x, st, 0, 0.5)
    return per(x, inviluppo(n, sr, 0.15, None, 1.0, 0.12 * dur / 2.81))


def s29(sr, n):  # satellite: cinguettii di dati a tempo
    rng = random.Random(29)
    fr = [1000.0] * n
    gate = [0.0] * n
    passo = n / 16.0
    for b in range(16):
        i0 = int(b * passo)
        tipo = b % 4
        if tipo == 0:  # chirp in salita
            L = campioni(0.10, sr)
            for j in range(L):
                fr[i0 + j] = 700.0 * (2600.0 / 700.0) ** (j / L)
                gate[i0 + j] = 1.0 - 0.6 * j / L
        elif tipo in (1, 3):  # FSK
            f_a, f_b = (1300.0, 2100.0) if tipo == 1 else (980.0, 1180.0)
            bit = campioni(1.0 / 120.0, sr)
            L = campioni(0.15, sr)
            v = f_a
            for j in range(L):
                if j % bit == 0:
                    v = f_a if rng.random() < 0.5 else f_b
                fr[i0 + j] = v
                gate[i0 + j] = 0.8 - 0.5 * j / L
        else:  # due bip
            for a, L in ((0.0, 0.05), (0.08, 0.05)):
                s = i0 + campioni(a, sr)
                for j in range(campioni(L, sr)):
                    fr[s + j] = 1800.0
                    gate[s + j] = 0.7
    # nelle pause tieni la frequenza (fase continua)
    ultimo = fr[0]
    for i in range(n):
        if gate[i] > 0:
            ultimo = fr[i]
        else:
            fr[i] = ultimo
    g = passa_basso1(passa_basso1(gate, sr, 250.0), sr, 250.0)
    return per(oscillatore(n, sr, fr, ((1, 1.0), (2, 0.12))), g)


def s30(sr, n):  # fine trasmissione: whoosh + campanelli discendenti
    rng = random.Random(30)
    x = vuoto(n)
    somma(x, fruscio(sr, 0.75, 4000.0, 300.0, rng), 0, 0.9)
    for k, (nota, t) in enumerate((("C6", 0.10), ("G5", 0.30), ("E5", 0.50), ("C5", 0.70))):
        d = (n / sr) - t
        somma(x, campana(sr, d, hz(nota), ((1.0, 1.0, 0.35), (2.0, 0.4, 0.18),
                                          (3.0, 0.15, 0.1), (4.16, 0.08, 0.06)),
                         rel=0.05), campioni(t, sr), 0.8)
    return x


def s31(sr, n):  # arpeggio da computer
    x = vuoto(n)
    accordi = (("A4", "C5", "E5"), ("F4", "A4", "C5"), ("C5", "E5", "G5"), ("G4", "B4", "D5"))
    bassi = ("A2", "F2", "C3", "G2")
    forma = (0, 1, 2, 3, 4, 5, 4, 3, 2, 1)
    quadra = ((1, 1.0), (3, 1 / 3), (5, 1 / 5), (7, 1 / 7), (9, 1 / 9))
    t = 0.0
    for acc, basso in zip(accordi, bassi):
        m = [midi(v) for v in acc]
        m += [v + 12 for v in m]
        for k in forma:
            somma(x, tono(sr, 0.08, hz(m[k]), quadra, att=0.002, dec=0.035,
                          sus=0.2, rel=0.01), campioni(t, sr), 0.5)
            t += 0.08
        tb = t - 0.8
        for h in range(2):
            somma(x, tono(sr, 0.38, hz(basso), quadra, att=0.004, dec=0.2,
                          sus=0.5, rel=0.03), campioni(tb + 0.4 * h, sr), 0.35)
    resto = n / sr - t
    somma(x, tono(sr, resto, hz("A5"), quadra, att=0.002, dec=0.12, rel=0.04),
          campioni(t, sr), 0.5)
    somma(x, tono(sr, resto, hz("A2"), quadra, att=0.002, dec=0.15, rel=0.04),
          campioni(t, sr), 0.35)
    return x


def s32(sr, n):  # campanello amichevole
    x = vuoto(n)
    for nota, t in (("C5", 0.0), ("E5", 0.18), ("G5", 0.36), ("C6", 0.54)):
        somma(x, campana(sr, n / sr - t, hz(nota), CAMPANA, rel=0.15),
              campioni(t, sr), 0.6)
    return x


def s33(sr, n):  # tastiera che batte
    rng = random.Random(33)
    x = vuoto(n)
    t = 0.04
    k = 0
    while t < n / sr - 0.12:
        spazio = (k % 5 == 4)
        L = campioni(0.05, sr)
        nz = rumore(L, rng)
        e = [math.exp(-i / (0.0025 * sr)) for i in range(L)]
        top = filtro(per(nz, e), "bp", sr, 2400.0 if not spazio else 1500.0, 3.0)
        corpo = filtro(per(nz, e), "bp", sr, 650.0 if not spazio else 280.0, 4.0)
        tasto = vuoto(L)
        somma(tasto, top, 0, 1.0)
        somma(tasto, corpo, 0, 1.6 if not spazio else 2.4)
        tasto = per(tasto, inviluppo(L, sr, 0.0005, None, 1.0, 0.01))
        a = rng.uniform(0.7, 1.0)
        somma(x, tasto, campioni(t, sr), a)
        somma(x, tasto, campioni(t + rng.uniform(0.05, 0.07), sr), 0.35 * a)  # rilascio
        t += rng.uniform(0.09, 0.16)
        k += 1
    return satura(x, 5.0)


def s34(sr, n):  # jingle firma
    x = vuoto(n)
    for k, nota in enumerate(("G4", "C5", "E5", "G5")):
        somma(x, fm(sr, 0.16, hz(nota), 1.0, 1.6, 0.3, 0.08, att=0.003, dec=0.1,
                    sus=0.3, rel=0.04), campioni(0.09 * k, sr), 0.5)
    t = 0.40
    for nota in ("C5", "E5", "G5", "C6"):
        somma(x, fm(sr, n / sr - t, hz(nota), 1.0, 1.6, 0.2, 0.1, vib=(5.0, 0.003),
                    att=0.004, dec=0.6, sus=0.0, rel=0.1), campioni(t, sr), 0.3)
    return x


def s35(sr, n):  # "Grazie!"
    v = voce("Grazie!", sr, velocita=170, tono_v=55, limite=n / sr - 0.04)
    x = vuoto(n)
    somma(x, satura(v, 1.8), campioni(0.015, sr))
    return x


def s36(sr, n):  # squillo di tromba
    x = vuoto(n)
    parte = (("G4", 0.0, 0.09), ("G4", 0.1, 0.09), ("G4", 0.2, 0.09),
             ("C5", 0.3, 0.22), ("E5", 0.53, 0.11), ("G5", 0.65, 0.11))
    for nota, t, d in parte:
        nn = campioni(d + 0.03, sr)
        env = inviluppo(nn, sr, 0.015, 0.12, 0.7, 0.03)
        somma(x, ottone(sr, hz(nota), env), campioni(t, sr), 0.5)
    t = 0.78
    nn = n - campioni(t, sr)
    f = [hz("C5") * 2 * (1.0 + 0.006 * min(1.0, i / (0.3 * sr)) *
                         math.sin(TAU * 5.5 * i / sr)) for i in range(nn)]
    env = inviluppo(nn, sr, 0.02, 0.5, 0.0, 0.2)
    somma(x, ottone(sr, f, env), campioni(t, sr), 0.5)
    return x


def s37(sr, n):  # carta appallottolata e gettata nel bidone
    rng = random.Random(37)
    x = vuoto(n)
    # scricchiolii della carta, a grappoli (0.05..2.45 s)
    scr = vuoto(n)
    t = 0.05
    while t < 2.4:
        amp = rng.uniform(0.3, 1.0)
        for _ in range(rng.randint(3, 10)):
            i = campioni(t, sr)
            tau = rng.uniform(0.0008, 0.003) * sr
            a = amp * rng.uniform(0.3, 1.0)
            for j in range(campioni(rng.uniform(0.003, 0.012), sr)):
                if i + j < n:
                    scr[i + j] += a * rng.uniform(-1, 1) * math.exp(-j / tau)
            t += rng.uniform(0.006, 0.035)
        t += rng.uniform(0.04, 0.16)
    scr = filtro(filtro(scr, "hp", sr, 900.0), "lp", sr, 4200.0)
    # fruscio leggero sotto, che va e viene
    nz = filtro(rumore(n, rng), "bp", sr, 2200.0, 0.8)
    lento = lento_casuale(n, sr, 6.0, rng)
    for i in range(n):
        t = i / sr
        if t < 2.5:
            scr[i] += 0.06 * nz[i] * (0.5 + 0.5 * lento[i]) * min(1.0, (2.5 - t) / 0.1)
    scr = satura(scr, 3.0)
    somma(x, scr, 0, 0.85)
    # lancio
    w = fruscio(sr, 0.6, 600.0, 2500.0, rng)
    somma(x, w, campioni(2.45, sr), 0.3 / max(abs(v) for v in w))
    # bidone metallico
    colpo = 3.05
    d = n / sr - colpo
    latta = ((312.0, 1.0, 0.7), (318.0, 0.6, 0.6), (587.0, 0.7, 0.45),
             (841.0, 0.6, 0.35), (1187.0, 0.5, 0.28), (1563.0, 0.4, 0.2),
             (2045.0, 0.3, 0.15), (2710.0, 0.25, 0.1), (3380.0, 0.15, 0.07))
    clang = campana(sr, d, 1.0, latta, att=0.001, rel=0.3)
    clang = scala(clang, 1.0 / max(abs(v) for v in clang))
    somma(x, clang, campioni(colpo, sr), 0.8)
    somma(x, clang[:campioni(d - 0.35, sr)], campioni(colpo + 0.33, sr), 0.25)
    nt = campioni(0.2, sr)
    tonfo = per(filtro(rumore(nt, rng), "lp", sr, 900.0),
                inviluppo(nt, sr, 0.001, 0.025, 0.0, 0.05))
    somma(x, tonfo, campioni(colpo, sr), 0.6 / max(abs(v) for v in tonfo))
    return x


def s38(sr, n):  # rullo di tamburi minaccioso
    rng = random.Random(38)
    x = vuoto(n)
    dur = n / sr
    # bordone cupo: La1 + Re#2 (tritono)
    bord = vuoto(n)
    somma(bord, oscillatore(n, sr, hz("A1"), ((1, 1.0), (2, 0.5), (3, 0.3), (4, 0.15))))
    somma(bord, oscillatore(n, sr, hz("D#2"), ((1, 1.0), (2, 0.4), (3, 0.2))), 0, 0.7)
    cresc = [0.15 + 0.85 * (i / n) ** 1.5 for i in range(n)]
    somma(x, per(bord, per(cresc, inviluppo(n, sr, 0.2, None, 1.0, 0.03))), 0, 0.2)
    colpi = [rullante(sr, rng, 0.12, 1200.0) for _ in range(4)]
    toms = [tamburo(sr, rng, 0.12, 110.0, 0.2) for _ in range(2)]
    t = 0.0
    k = 0
    while t < dur - 0.05:
        g = 0.25 + 0.75 * (t / dur) ** 1.3
        g *= 1.0 if k % 2 == 0 else 0.8
        somma(x, colpi[k % 4], campioni(t, sr), 0.45 * g)
        somma(x, toms[k % 2], campioni(t, sr), 0.35 * g)
        t += 0.045 * (1.0 + 0.08 * rng.uniform(-1, 1))
        k += 1
    return per(x, inviluppo(n, sr, 0.01, None, 1.0, 0.03))


def s39(sr, n):  # botola: cigolio e schianto
    rng = random.Random(39)
    x = vuoto(n)
    somma(x, scricchiolio(sr, 0.39, 90.0, 170.0, ((420.0, 1.0), (1100.0, 0.7),
                                                   (2300.0, 0.35)), rng, 10.0), 0, 1.0)
    t = 0.40
    d = n / sr - t
    nn = campioni(d, sr)
    tonfo = vuoto(nn)
    ph = 0.0
    nz = filtro(rumore(nn, rng), "lp", sr, 2000.0)
    for i in range(nn):
        tt = i / sr
        ph += TAU * (45.0 + 25.0 * math.exp(-tt / 0.05)) / sr
        tonfo[i] = (math.sin(ph) * math.exp(-tt / 0.12)
                    + 2.5 * nz[i] * math.exp(-tt / 0.05))
    assi = vuoto(nn)
    imp = vuoto(nn)
    imp[0] = 1.0
    imp[campioni(0.15, sr)] = 0.5
    for fr, q, g in ((180.0, 8.0, 1.0), (310.0, 10.0, 0.8), (740.0, 12.0, 0.4)):
        somma(assi, filtro(imp, "bp", sr, fr, q), 0, g)
    somma(tonfo, assi, 0, 3.0)
    somma(x, per(tonfo, inviluppo(nn, sr, 0.001, None, 1.0, 0.1)), campioni(t, sr))
    return satura(x, 3.0)


def s40(sr, n):  # trombone triste: wah wah wah waaah
    x = vuoto(n)
    note = (("Bb3", 0.05, 0.83), ("A3", 0.93, 0.83), ("Ab3", 1.81, 0.83),
            ("G3", 2.69, n / sr - 2.69))
    for k, (nota, t, d) in enumerate(note):
        nn = campioni(d, sr)
        f0 = hz(nota)
        ultima = k == len(note) - 1
        f = []
        for i in range(nn):
            u = i / nn
            tt = i / sr
            if ultima:
                vib = 0.025 * min(1.0, tt / 1.5) * math.sin(TAU * 5.5 * tt)
                cala = -0.03 * max(0.0, (tt - (d - 1.2)) / 1.2)
            else:
                vib = 0.004 * math.sin(TAU * 5.0 * tt)
                cala = -0.02 * max(0.0, (u - 0.7) / 0.3)
            f.append(f0 * (1.0 + vib + cala))
        if ultima:
            env = inviluppo(nn, sr, 0.06, 1.8, 0.0, 0.6)
            wah = [0.25 + 0.75 * math.sin(math.pi * min(1.0, (i / sr) / 1.0)) ** 2
                   if i < sr * 0.5 else 1.0 for i in range(nn)]
        else:
            env = inviluppo(nn, sr, 0.04, None, 1.0, 0.12)
            wah = [0.35 + 0.65 * math.sin(math.pi * i / nn) for i in range(nn)]
        lum = per(env, wah)
        somma(x, per(ottone(sr, f, lum, 0.3, 0.5, 16), [0.7 + 0.3 * w for w in wah]),
              campioni(t, sr), 0.6)
    return x


def s47(sr, n):  # rutto comico
    rng = random.Random(47)
    dur = n / sr
    tremo = lento_casuale(n, sr, 15.0, rng)
    gorgo = lento_casuale(n, sr, 12.0, rng)
    src = vuoto(n)
    asp = filtro(filtro(rumore(n, rng), "hp", sr, 300.0), "lp", sr, 1500.0)
    ph = 0.0
    g_prec = 0.0
    for i in range(n):
        t = i / sr
        f0 = 92.0 - 18.0 * t / dur - 22.0 * max(0.0, (t - dur + 0.4) / 0.4)
        f0 *= 1.0 + 0.12 * math.sin(TAU * 6.5 * t) + 0.08 * tremo[i]
        ph = (ph + f0 / sr) % 1.0
        g = math.sin(math.pi * ph / 0.35) ** 2 if ph < 0.35 else 0.0
        src[i] = (g - g_prec) * 8.0 + 0.35 * asp[i] * (0.3 + g)
        g_prec = g
    x = vuoto(n)
    for fr, q, gg in ((420.0, 4.0, 1.0), (780.0, 5.0, 0.7), (2300.0, 6.0, 0.25)):
        somma(x, filtro(src, "bp", sr, fr, q), 0, gg)
    am = [max(0.0, 0.75 + 0.5 * gorgo[i]) for i in range(n)]
    x = per(x, am)
    # bollicine
    for _ in range(6):
        t = rng.uniform(0.1, dur - 0.3)
        nn = campioni(0.03, sr)
        fb = rng.uniform(250.0, 400.0)
        b = [math.sin(TAU * fb * (1.0 + 1.5 * i / nn) * i / sr) for i in range(nn)]
        somma(x, per(b, inviluppo(nn, sr, 0.003, 0.008, 0.0, 0.005)),
              campioni(t, sr), 0.3)
    return satura(per(x, inviluppo(n, sr, 0.04, None, 1.0, 0.25)), 1.5)


def s48(sr, n):  # fanfara: parola indovinata
    rng = random.Random(48)
    x = vuoto(n)
    parte = (("G4", 0.0, 0.1), ("C5", 0.12, 0.1), ("E5", 0.24, 0.1),
             ("G5", 0.36, 0.24), ("E5", 0.62, 0.11), ("G5", 0.75, 0.11))
    for nota, t, d in parte:
        nn = campioni(d + 0.03, sr)
        somma(x, ottone(sr, hz(nota), inviluppo(nn, sr, 0.012, 0.1, 0.7, 0.03)),
              campioni(t, sr), 0.5)
    t = 0.9
    nn = n - campioni(t, sr)
    for nota, g in (("C5", 0.25), ("E5", 0.25), ("G5", 0.25), ("C6", 0.45)):
        f = [hz(nota) * (1.0 + 0.005 * min(1.0, i / (0.3 * sr)) *
                         math.sin(TAU * 5.5 * i / sr)) for i in range(nn)]
        somma(x, ottone(sr, f, inviluppo(nn, sr, 0.02, 0.7, 0.0, 0.15)),
              campioni(t, sr), g)
    somma(x, piatto(sr, rng, n / sr - t, 5000.0, 0.35), campioni(t, sr), 0.12)
    return x


def s49(sr, n):  # jolly: glissando magico
    rng = random.Random(49)
    x = vuoto(n)
    penta = (0, 2, 4, 7, 9)
    m0 = midi("C6")
    for k in range(16):
        m = m0 + 12 * (k // 5) + penta[k % 5]
        t = 0.03 * k
        somma(x, campana(sr, min(0.45, n / sr - t), hz(m),
                         ((1.0, 1.0, 0.18), (2.76, 0.2, 0.05)), rel=0.08),
              campioni(t, sr), 0.35)
    for nota in ("C7", "G7"):
        t = 0.48
        somma(x, campana(sr, n / sr - t, hz(nota), ((1.0, 1.0, 0.3), (2.0, 0.2, 0.1)),
                         rel=0.1), campioni(t, sr), 0.3)
    for _ in range(25):
        t = rng.uniform(0.1, 0.85)
        somma(x, campana(sr, 0.06, rng.uniform(4000.0, 8000.0), ((1.0, 1.0, 0.015),)),
              campioni(t, sr), rng.uniform(0.05, 0.15))
    return x


# ---------------------------------------------------------- stadi del cappio

RUVIDITA = {0: 0.0, 1: 1.0, 2: 0.5, 3: 0.15, 4: 0.1, 5: 0.05, 6: 0.8}


def dissonanza(intervalli):
    d = 0.0
    for a in range(len(intervalli)):
        for b in range(a + 1, len(intervalli)):
            ic = abs(intervalli[a] - intervalli[b]) % 12
            d += RUVIDITA[min(ic, 12 - ic)]
    return d


def leggi_cappio():
    stadi = []
    with open(os.path.join(SORGENTI, "cappio.txt"), encoding="utf-8") as fh:
        for riga in fh:
            riga = re.sub(r"(^|\s)#.*", "", riga).strip()
            if not riga:
                continue
            c = riga.split()
            esigi(len(c) == 11, "cappio.txt: riga malformata: " + riga)
            stadi.append(dict(stadio=int(c[0]), id=c[1], base=midi(c[2]),
                              caduta=int(c[3]),
                              intervalli=[int(v) for v in c[4].split(",")],
                              tremolo=float(c[5]), rumore=float(c[6]),
                              asprezza=float(c[7]), colpi=int(c[8]),
                              colpo=c[9], calo=float(c[10])))
    esigi([s["stadio"] for s in stadi] == list(range(1, 7)), "cappio.txt: servono gli stadi 1..6")
    for a, b in zip(stadi, stadi[1:]):
        quale = "cappio: stadio %d -> %d " % (a["stadio"], b["stadio"])
        esigi(b["base"] < a["base"], quale + "non scende di nota")
        esigi(dissonanza(b["intervalli"]) > dissonanza(a["intervalli"]),
              quale + "non diventa piu' dissonante")
        for k in ("tremolo", "rumore", "asprezza", "calo"):
            esigi(b[k] >= a[k], quale + "cala " + k)
        esigi(b["colpo"] in ("legno", "tamburo"), quale + "colpo sconosciuto")
    return {s["id"]: s for s in stadi}


def cappio(p):
    def genera(sr, n):
        rng = random.Random(100 + p["stadio"])
        dur = n / sr
        x = vuoto(n)
        for k in range(p["colpi"]):
            if p["colpo"] == "legno":
                c = bussata(sr, 0.12, 760.0 - 60.0 * p["stadio"])
                g = 0.8
            else:
                c = tamburo(sr, rng, 0.3, 95.0 - 6.0 * p["stadio"], 0.2 + p["rumore"])
                g = 0.9
            somma(x, c, campioni(0.01 + 0.14 * k, sr), g)
        t1 = 0.14 * p["colpi"] + 0.05
        d1 = 0.22 * dur
        t2 = t1 + d1 + 0.03
        parz = [(k, p["asprezza"] ** (k - 1)) for k in range(1, 9)]
        for nota, t, d, ultima in ((p["base"], t1, d1, False),
                                   (p["base"] - p["caduta"], t2, dur - t2, True)):
            nn = min(campioni(d, sr), n - campioni(t, sr))
            voce_ = vuoto(nn)
            for iv in p["intervalli"]:
                f0 = hz(nota + iv)
                if ultima:
                    f = [f0 * (1.0 - p["calo"] / 100.0 * i / nn) for i in range(nn)]
                else:
                    f = f0
                somma(voce_, oscillatore(nn, sr, f, parz), 0, 1.0 / len(p["intervalli"]) ** 0.5)
            if p["rumore"] > 0:
                nz = filtro(rumore(nn, rng), "lp", sr, 1200.0)
                somma(voce_, nz, 0, 6.0 * p["rumore"])
            if p["tremolo"] > 0:
                voce_ = [v * (1.0 - 0.45 + 0.45 * math.cos(TAU * p["tremolo"] * i / sr))
                         for i, v in enumerate(voce_)]
            env = (inviluppo(nn, sr, 0.03, 0.35 * dur, 0.0, 0.08) if ultima
                   else inviluppo(nn, sr, 0.02, None, 1.0, 0.05))
            somma(x, per(voce_, env), campioni(t, sr), 0.6)
        return satura(x, 0.5 + 2.5 * p["asprezza"])
    return genera


# ------------------------------------------------------------ suoni su disco

def gorbio003(sr, n):  # stadio 7: il cappio si stringe
    rng = random.Random(7)
    dur = n / sr
    x = vuoto(n)
    # tensione: grappolo che sale, tremolo che accelera
    ten = vuoto(n)
    for nota, g in (("A2", 1.0), ("Bb2", 0.8), ("E3", 0.6)):
        f = [hz(nota) * 2 ** (3.0 * i / n / 12.0) for i in range(n)]
        somma(ten, oscillatore(n, sr, f, ((1, 1.0), (2, 0.5), (3, 0.3), (4, 0.2), (5, 0.1))), 0, g)
    fase = 0.0
    for i in range(n):
        fase += TAU * (3.0 + 7.0 * i / n) / sr
        ten[i] *= (0.2 + 0.8 * i / n) * (0.7 + 0.3 * math.cos(fase))
    somma(x, per(ten, inviluppo(n, sr, 0.3, None, 1.0, 0.3)), 0, 0.12)
    # corda che scricchiola, sempre piu' tesa e fitta
    for k, t in enumerate((0.15, 1.1, 1.95, 2.7, 3.3, 3.8, 4.15)):
        tensione = t / dur
        d = 0.55 - 0.05 * k
        s = scricchiolio(sr, d, 55.0 + 60.0 * tensione, 110.0 + 90.0 * tensione,
                         ((350.0 * (1 + 0.4 * tensione), 1.0),
                          (900.0 * (1 + 0.4 * tensione), 0.7),
                          (1800.0 * (1 + 0.3 * tensione), 0.4)), rng, 14.0)
        somma(x, s, campioni(t, sr), 1.2 + 0.8 * tensione)
    # battito che accelera
    t = 0.3
    while t < dur - 0.35:
        u = t / dur
        somma(x, battito(sr, 56.0), campioni(t, sr), 1.6 + 0.4 * u)
        somma(x, battito(sr, 50.0), campioni(t + 0.16 - 0.04 * u, sr), 1.1 + 0.3 * u)
        t += 0.85 - 0.43 * u
    return per(x, inviluppo(n, sr, 0.02, None, 1.0, 0.15))


def gorbio005(sr, n):  # uscita: campanelli che scendono e "Ciao ciao!"
    x = vuoto(n)
    for k, nota in enumerate(("C6", "G5", "E5", "C5")):
        t = 0.12 * k
        somma(x, campana(sr, n / sr - t, hz(nota), CAMPANA, rel=0.2),
              campioni(t, sr), 0.28)
    v = voce("Ciao ciao!", sr, velocita=130, tono_v=50, limite=1.1)
    somma(x, v, campioni(0.55, sr), 0.9 / max(abs(s) for s in v))
    return x


# ------------------------------------------------------------ la sigla

TRACCE = ("mel", "bas", "acc", "bat")


def leggi_sigla():
    info = {}
    accordi = {}
    righe = {t: [] for t in TRACCE}
    with open(os.path.join(SORGENTI, "sigla.txt"), encoding="utf-8") as fh:
        for riga in fh:
            riga = re.sub(r"(^|\s)#.*", "", riga).strip()
            if not riga:
                continue
            m = re.fullmatch(r"accordo\s+(\S+)\s*=\s*(\S+)", riga)
            if m:
                accordi[m.group(1)] = m.group(2)
                continue
            chiave, _, valore = riga.partition(":")
            chiave = chiave.strip()
            if chiave in TRACCE:
                righe[chiave].append(valore)
            else:
                info[chiave] = valore.strip()
    for k in ("titolo", "gruppo", "album", "tempo", "ottavi_per_battuta", "durata"):
        esigi(k in info, "sigla.txt: manca " + k)
    per_battuta = int(info["ottavi_per_battuta"])
    tracce = {}
    for t in TRACCE:
        eventi = []
        pos = 0
        battute = " ".join(righe[t]).split("|")
        esigi(battute[-1].strip() == "", "sigla.txt: traccia %s non chiusa da |" % t)
        for nb, battuta in enumerate(battute[:-1]):
            inizio = pos
            for tok in battuta.split():
                m = re.fullmatch(r"([^:!]+)(?::(\d+))?(!?)", tok)
                esigi(m, "sigla.txt: simbolo non valido %r" % tok)
                cosa, d, anello = m.group(1), int(m.group(2) or 1), m.group(3) == "!"
                if cosa != "-":
                    cosa = accordi.get(cosa, cosa)
                    eventi.append((pos, d, cosa.split("+"), anello))
                pos += d
            esigi(pos - inizio == per_battuta,
                  "sigla.txt: traccia %s battuta %d dura %d ottavi" % (t, nb + 1, pos - inizio))
        tracce[t] = (eventi, pos)
    lunghezze = {tracce[t][1] for t in TRACCE}
    esigi(len(lunghezze) == 1, "sigla.txt: tracce di lunghezza diversa")
    return info, tracce


def sigla(sr, n):
    info, tracce = leggi_sigla()
    rng = random.Random(4)
    ottavo = 30.0 / float(info["tempo"])
    esigi(abs(n / sr - float(info["durata"])) < 0.001,
          "sigla.txt: durata diversa da quella della tabella SUONI")
    esigi(float(info["durata"]) >= tracce["mel"][1] * ottavo + 0.2,
          "sigla.txt: durata troppo corta per la partitura")
    x = vuoto(n)

    def fino_in_fondo(t):
        return n / sr - t

    eventi, _ = tracce["mel"]
    for pos, d, note, anello in eventi:
        t = pos * ottavo
        for nota in note:
            f = hz(nota)
            if anello:
                dd = fino_in_fondo(t)
                env = dict(att=0.008, dec=0.45, sus=0.0, rel=0.3)
            else:
                dd = d * ottavo + 0.04
                env = dict(att=0.008, dec=0.25, sus=0.6, rel=0.08)
            somma(x, fm(sr, dd, f, 1.0, 2.2, 0.9, 0.08, vib=(5.0, 0.004), **env),
                  campioni(t, sr), 0.42)
            somma(x, tono(sr, dd, f / 2, ((1, 1.0),), **env), campioni(t, sr), 0.1)
    eventi, _ = tracce["bas"]
    for pos, d, note, anello in eventi:
        t = pos * ottavo
        for nota in note:
            if anello:
                dd, env = fino_in_fondo(t), dict(att=0.005, dec=0.5, sus=0.0, rel=0.3)
            else:
                dd, env = d * ottavo, dict(att=0.005, dec=0.18, sus=0.35, rel=0.05)
            somma(x, tono(sr, dd, hz(nota), ((1, 1.0), (2, 0.45), (3, 0.2), (4, 0.1)),
                         **env), campioni(t, sr), 0.5)
    eventi, _ = tracce["acc"]
    organo = ((1, 1.0), (2, 0.4), (3, 0.2), (4, 0.12), (6, 0.05))
    for pos, d, note, anello in eventi:
        t = pos * ottavo
        for nota in note:
            if anello:
                dd, env = fino_in_fondo(t), dict(att=0.006, dec=0.45, sus=0.0, rel=0.3)
            else:
                dd, env = d * ottavo, dict(att=0.004, dec=0.08, sus=0.5, rel=0.05)
            somma(x, tono(sr, dd, hz(nota), organo, **env), campioni(t, sr), 0.13)
    eventi, _ = tracce["bat"]
    suoni = {"K": [cassa(sr, rng) for _ in range(2)],
             "S": [rullante(sr, rng) for _ in range(4)],
             "H": [piatto(sr, rng, 0.08) for _ in range(4)],
             "O": [piatto(sr, rng, 0.25, 6000.0, 0.09) for _ in range(2)]}
    livelli = {"K": 0.55, "S": 0.3, "H": 0.1, "O": 0.12, "C": 0.2}
    for k, (pos, d, colpi, anello) in enumerate(eventi):
        t = pos * ottavo
        for c in colpi:
            esigi(c in livelli, "sigla.txt: strumento di batteria sconosciuto " + c)
            if c == "C":
                s = piatto(sr, rng, min(2.5, fino_in_fondo(t)), 4000.0, 0.5)
            else:
                s = suoni[c][k % len(suoni[c])]
            somma(x, s, campioni(t, sr), livelli[c])
    return x


# ------------------------------------------------------------ tabella suoni

W = "resources/wave/"
D = "data/"
#        file                     sr     bit  durata  gruppo    generatore
SUONI = [
    (W + "ID_21.wav",           22050, 8, 0.51, "tono", s21),
    (W + "ID_22.wav",           22050, 16, 0.50, "tono", s22),
    (W + "ID_23.wav",           22050, 8, 0.66, "tono", s23),
    (W + "ID_24.wav",           11025, 16, 0.72, "tono", s24),
    (W + "ID_25.wav",           11025, 8, 0.16, "tono", s25),
    (W + "ID_26.wav",           22050, 16, 0.26, "tono", s26),
    (W + "ID_27.wav",           22050, 16, 0.18, "tono", s27),
    (W + "ID_28.wav",           11025, 8, 2.81, "tono", s28),
    (W + "ID_29.wav",           10989, 8, 3.43, "tono", s29),
    (W + "ID_30.wav",           22050, 16, 1.45, "tono", s30),
    (W + "ID_31.wav",           22050, 8, 3.52, "tono", s31),
    (W + "ID_32.wav",           11025, 8, 1.83, "tono", s32),
    (W + "ID_33.wav",           22050, 8, 1.86, "rumore", s33),
    (W + "ID_34.wav",           11025, 8, 1.19, "tono", s34),
    (W + "ID_35.wav",           11025, 8, 0.54, "voce", s35),
    (W + "ID_36.wav",           11025, 8, 1.52, "tono", s36),
    (W + "ID_37.wav",           11025, 8, 4.86, "rumore", s37),
    (W + "ID_38.wav",           22050, 16, 1.80, "rumore", s38),
    (W + "ID_39.wav",           22050, 16, 0.80, "rumore", s39),
    (W + "ID_40.wav",           22050, 16, 6.37, "tono", s40),
    (W + "ID_41.wav",           22050, 16, 1.80, "tono", "cappio"),
    (W + "ID_42.wav",           11025, 8, 1.20, "tono", "cappio"),
    (W + "ID_43.wav",           22050, 16, 1.80, "tono", "cappio"),
    (W + "ID_44.wav",           11025, 8, 1.70, "tono", "cappio"),
    (W + "ID_45.wav",           11025, 8, 0.90, "tono", "cappio"),
    (W + "ID_46.wav",           22050, 16, 1.80, "tono", "cappio"),
    (W + "ID_47.wav",           11025, 8, 1.34, "rumore", s47),
    (W + "ID_48.wav",           22050, 8, 1.70, "tono", s48),
    (W + "ID_49.wav",           22050, 8, 1.01, "tono", s49),
    (D + "Mr.Gorbio.003",       22050, 16, 4.70, "rumore", gorbio003),
    (D + "Mr.Gorbio.004",       22050, 16, 24.4, "tono", sigla),
    (D + "Mr.Gorbio.005",       22050, 16, 1.90, "voce", gorbio005),
]

RMS_MIN_DB, RMS_MAX_DB = -20.0, -8.0   # tutti
TONO_SPAN_DB = 6.0                      # escursione massima fra i tonali


def nome_breve(percorso):
    b = os.path.basename(percorso)
    return b[:-4] if b.endswith(".wav") else b


# ------------------------------------------------------------ scrittura

def rifinisci(x, sr, fin=0.004, fout=0.02):
    """Toglie la continua, dissolve inizio e fine, normalizza a -1 dBFS."""
    r = 1.0 - TAU * 8.0 / sr
    y = [0.0] * len(x)
    x1 = y1 = 0.0
    for i, v in enumerate(x):
        y1 = v - x1 + r * y1
        x1 = v
        y[i] = y1
    n = len(y)
    ni = max(2, campioni(fin, sr))
    no = max(2, campioni(fout, sr))
    for i in range(ni):
        y[i] *= 0.5 - 0.5 * math.cos(math.pi * i / ni)
    for j in range(no):
        y[n - 1 - j] *= 0.5 - 0.5 * math.cos(math.pi * j / no)
    p = max(abs(v) for v in y)
    esigi(p > 1e-6, "suono muto")
    g = 10.0 ** (PICCO_DB / 20.0) / p
    return [v * g for v in y]


def codifica(x, bit):
    if bit == 16:
        v = array.array("h", [int(round(s * 32768.0)) for s in x])
        if sys.byteorder == "big":
            v.byteswap()
        return v.tobytes()
    return bytes(int(round(s * 128.0)) + 128 for s in x)


def scrivi(percorso, dati, sr, bit):
    testa = struct.pack("<4sI4s4sIHHIIHH4sI", b"RIFF", 36 + len(dati), b"WAVE",
                        b"fmt ", 16, 1, 1, sr, sr * bit // 8, bit // 8, bit,
                        b"data", len(dati))
    esigi(len(testa) == 44, "intestazione non da 44 byte")
    os.makedirs(os.path.dirname(percorso), exist_ok=True)
    with open(percorso, "wb") as fh:
        fh.write(testa + dati)


# ------------------------------------------------------------ verifica

def leggi(percorso):
    with open(percorso, "rb") as fh:
        b = fh.read()
    esigi(len(b) >= 44, percorso + ": troppo corto")
    (riff, dim, wavef, fmt, fdim, tag, ch, sr, brate, align, bit, data,
     ddim) = struct.unpack("<4sI4s4sIHHIIHH4sI", b[:44])
    esigi(riff == b"RIFF" and wavef == b"WAVE" and fmt == b"fmt " and data == b"data",
          percorso + ": non e' un RIFF WAVE canonico")
    esigi(fdim == 16 and tag == 1, percorso + ": fmt non PCM da 16 byte")
    esigi(dim == 36 + ddim and len(b) == 44 + ddim, percorso + ": dimensioni incoerenti")
    esigi(bit in (8, 16) and brate == sr * ch * bit // 8 and align == ch * bit // 8,
          percorso + ": campi fmt incoerenti")
    esigi(ddim % 2 == 0, percorso + ": dati di lunghezza dispari")
    if bit == 16:
        v = array.array("h")
        v.frombytes(b[44:])
        if sys.byteorder == "big":
            v.byteswap()
        esigi(min(v) > -32768 and max(v) < 32767, percorso + ": campioni al limite (clip)")
        x = [s / 32768.0 for s in v]
        lsb = 1.0 / 32768.0
    else:
        raw = b[44:]
        esigi(min(raw) > 0 and max(raw) < 255, percorso + ": campioni al limite (clip)")
        x = [(s - 128) / 128.0 for s in raw]
        lsb = 1.0 / 128.0
    return sr, bit, ch, x, lsb


def db(v):
    return 20.0 * math.log10(v) if v > 0 else -999.0


def sox_misura(percorso):
    exe = shutil.which("sox")
    esigi(exe, "sox non trovato (apt-get install sox): serve per la verifica")
    i = subprocess.run([exe, "--i", percorso], capture_output=True, text=True, check=True).stdout
    s = subprocess.run([exe, percorso, "-n", "stat"], capture_output=True, text=True,
                       check=True).stderr

    def cerca(testo, patt):
        m = re.search(patt, testo)
        esigi(m, "%s: sox non riporta %s" % (percorso, patt))
        return m.group(1)
    return dict(sr=int(cerca(i, r"Sample Rate\s*:\s*(\d+)")),
                bit=int(cerca(i, r"Precision\s*:\s*(\d+)-bit")),
                ch=int(cerca(i, r"Channels\s*:\s*(\d+)")),
                n=int(cerca(i, r"=\s*(\d+) samples")),
                max=float(cerca(s, r"Maximum amplitude:\s*(\S+)")),
                min=float(cerca(s, r"Minimum amplitude:\s*(\S+)")),
                rms=float(cerca(s, r"RMS\s+amplitude:\s*(\S+)")))


def verifica(voce_tab, problemi):
    """Misura un file e annota in problemi ogni verifica fallita."""
    percorso, sr_att, bit_att, dur, gruppo, _ = voce_tab
    nome = nome_breve(percorso)
    p = os.path.join(RADICE, percorso)

    def controlla(cond, msg):
        if not cond:
            problemi.append("%s: %s" % (nome, msg))
    if not os.path.exists(p):
        problemi.append(percorso + ": manca")
        return None
    try:
        sr, bit, ch, x, lsb = leggi(p)
    except Errore as e:
        problemi.append(str(e))
        return None
    controlla((sr, bit, ch) == (sr_att, bit_att, 1),
              "%d Hz %d bit %d canali, attesi %d Hz %d bit mono" % (sr, bit, ch, sr_att, bit_att))
    lung = len(x) / sr
    controlla(abs(lung - dur) <= max(0.01 * dur, 2.0 / sr),
              "dura %.3f s invece di %.3f" % (lung, dur))
    picco = max(abs(v) for v in x)
    rms = math.sqrt(sum(v * v for v in x) / len(x))
    controlla(-1.5 <= db(picco) <= -0.5, "picco %.2f dBFS fuori da [-1.5,-0.5]" % db(picco))
    controlla(RMS_MIN_DB <= db(rms) <= RMS_MAX_DB, "RMS %.1f dB fuori scala" % db(rms))
    # dissolvenze: primo e ultimo campione a zero, primi/ultimi 0.25 ms quasi muti
    bordo = max(2, campioni(0.00025, sr))
    controlla(abs(x[0]) <= lsb and abs(x[-1]) <= lsb and
              max(abs(v) for v in x[:bordo] + x[-bordo:]) <= 0.05,
              "inizio o fine non dissolti (clic)")
    # niente buchi: ogni decimo di secondo dei primi 3/4 deve suonare
    finestra = max(1, campioni(0.1, sr))
    for a in range(0, int(len(x) * 0.75) - finestra, finestra):
        if max(abs(v) for v in x[a:a + finestra]) <= 0.003:
            controlla(False, "silenzio a %.2f s" % (a / sr))
            break
    so = sox_misura(p)
    controlla((so["sr"], so["bit"], so["ch"], so["n"]) == (sr, bit, ch, len(x)),
              "sox --i non concorda")
    controlla(abs(max(abs(so["max"]), abs(so["min"])) - picco) < 1e-3
              and abs(so["rms"] - rms) < 1e-3, "sox stat non concorda")
    return dict(nome=nome, sr=sr, bit=bit, dur=lung, picco=db(picco), rms=db(rms),
                sox_picco=db(max(abs(so["max"]), abs(so["min"]))), sox_rms=db(so["rms"]),
                gruppo=gruppo, x=x)


def verifiche_globali(misure, cappi, problemi):
    esigi = lambda cond, msg: cond or problemi.append(msg)  # noqa: E731
    tonali = [m for m in misure if m["gruppo"] == "tono"]
    alto = max(tonali, key=lambda m: m["rms"])
    basso = min(tonali, key=lambda m: m["rms"])
    esigi(alto["rms"] - basso["rms"] <= TONO_SPAN_DB,
          "volume non uniforme: %s %.1f dB contro %s %.1f dB" %
          (alto["nome"], alto["rms"], basso["nome"], basso["rms"]))
    # sigla: deve chiudersi con un decadimento naturale, non troncata
    s = next(m for m in misure if m["nome"] == "Mr.Gorbio.004")
    esigi(22.0 <= s["dur"] <= 26.0, "sigla: durata fuori da 22..26 s")
    x = s["x"]
    sr = s["sr"]
    corpo = x[:campioni(20.0, sr)]
    coda = x[-campioni(0.3, sr):-campioni(0.05, sr)]
    r_corpo = math.sqrt(sum(v * v for v in corpo) / len(corpo))
    r_coda = math.sqrt(sum(v * v for v in coda) / len(coda))
    esigi(db(r_coda) < db(r_corpo) - 30.0, "sigla: la fine non si spegne da sola")
    # stadi del cappio: mai piu' lunghi del previsto
    for ident in cappi:
        m = next(m for m in misure if m["nome"] == ident)
        voce_tab = next(v for v in SUONI if nome_breve(v[0]) == ident)
        esigi(m["dur"] <= voce_tab[3] * 1.10, ident + ": troppo lungo")
    # sigla, note: titolo coerente col file delle note
    info, _ = leggi_sigla()
    note = os.path.join(RADICE, "tools", "notes", "suoni.md")
    if os.path.exists(note):
        with open(note, encoding="utf-8") as fh:
            testo = fh.read()
        for k in ("titolo", "gruppo", "album"):
            esigi(info[k] in testo, "tools/notes/suoni.md non riporta %s %r" % (k, info[k]))


# ------------------------------------------------------------ main

def main(argv):
    solo_verifica = "--verifica" in argv
    scelti = {a.upper() for a in argv if not a.startswith("--")}
    cappi = leggi_cappio()
    for sc in scelti:
        esigi(any(nome_breve(v[0]).upper().endswith(sc) for v in SUONI),
              "suono sconosciuto: " + sc)
    for voce_tab in SUONI:
        percorso, sr, bit, dur, gruppo, gen = voce_tab
        nome = nome_breve(percorso)
        if solo_verifica or (scelti and not any(nome.upper().endswith(s) for s in scelti)):
            continue
        if gen == "cappio":
            gen = cappio(cappi[nome])
        n = 2 * int(round(dur * sr / 2.0))  # numero pari di campioni
        x = gen(sr, n)
        esigi(len(x) == n, "%s: lunghezza generata %d invece di %d" % (nome, len(x), n))
        esigi(all(math.isfinite(v) for v in x), nome + ": valori non finiti")
        fout = 0.05 if nome == "Mr.Gorbio.004" else 0.02
        scrivi(os.path.join(RADICE, percorso), codifica(rifinisci(x, sr, fout=fout), bit), sr, bit)
        print("scritto " + percorso, flush=True)
    problemi = []
    misure = [verifica(v, problemi) for v in SUONI]
    misure = [m for m in misure if m]
    if len(misure) == len(SUONI):
        verifiche_globali(misure, cappi, problemi)
    print("%-14s %6s %4s %8s %10s %8s  %s" % ("suono", "Hz", "bit", "s", "picco dB",
                                              "RMS dB", "gruppo (misure di sox)"))
    for m in misure:
        print("%-14s %6d %4d %8.3f %10.2f %8.2f  %s" % (m["nome"], m["sr"], m["bit"], m["dur"],
                                                         m["sox_picco"], m["sox_rms"], m["gruppo"]))
    if problemi:
        raise Errore("verifiche fallite:\n  " + "\n  ".join(problemi))
    print("tutte le verifiche superate")


if __name__ == "__main__":
    try:
        main(sys.argv[1:])
    except Errore as e:
        sys.exit("gen-suoni: ERRORE: %s" % e)
