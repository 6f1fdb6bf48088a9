#!/usr/bin/env python3
"""Chi cresce fra due minuti di una stessa registrazione di heaptrack.

heaptrack_print --diff confronta due registrazioni, ma il gioco della maratona gira ogni volta da
una cartella temporanea diversa e con indirizzi diversi: i punti di chiamata non si appaiano.
Qui si prende una registrazione sola e si confronta il heap vivo di ogni pila al minuto DA e alla
fine (o al minuto A).

Uso: bench/heap-crescita.py FILE.zst [--da 3] [--a MINUTO] [--pile 12] [--righe 14]
"""
import argparse
import re
import collections
import subprocess
import sys


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("file")
    ap.add_argument("--da", type=float, default=3.0)
    ap.add_argument("--a", type=float, default=None)
    ap.add_argument("--pile", type=int, default=12)
    ap.add_argument("--righe", type=int, default=14)
    arg = ap.parse_args()

    stringhe = [""]
    ip = [None]  # indice 1..: (indirizzo, modulo, [(funzione, file, riga), ...])
    tracce = [(0, 0)]  # indice 1..: (ip, traccia madre)
    info = []  # indice 0..: (dimensione, traccia)
    vivo = collections.Counter()
    vive = collections.Counter()
    foto_da = foto_a = None
    ms = 0
    flusso = subprocess.Popen(["zstd", "-dc", arg.file], stdout=subprocess.PIPE, text=True, errors="replace")
    for riga in flusso.stdout:
        t = riga[:1]
        if t == "+":
            i = info[int(riga[2:], 16)]
            vivo[i[1]] += i[0]
            vive[i[1]] += 1
        elif t == "-":
            i = info[int(riga[2:], 16)]
            vivo[i[1]] -= i[0]
            vive[i[1]] -= 1
        elif t == "a":
            _, d, tr = riga.split()
            info.append((int(d, 16), int(tr, 16)))
        elif t == "t":
            _, i, madre = riga.split()
            tracce.append((int(i, 16), int(madre, 16)))
        elif t == "i":
            c = riga.split()
            # cornici "funzione file riga"; senza informazioni di debug solo "funzione"
            if len(c) == 4:
                cornici = [(int(c[3], 16), 0, 0)]
            else:
                cornici = [tuple(int(x, 16) for x in c[k:k + 3]) for k in range(3, len(c) - 2, 3)]
            ip.append((c[1], int(c[2], 16), cornici))
        elif t == "s":
            parti = riga.rstrip("\n").split(" ", 2)
            stringhe.append(parti[2] if len(parti) > 2 else "")
        elif t == "c":
            ms = int(riga[2:], 16)
            if foto_da is None and ms >= arg.da * 60000:
                foto_da = (ms, vivo.copy(), vive.copy())
            if arg.a is not None and foto_a is None and ms >= arg.a * 60000:
                foto_a = (ms, vivo.copy(), vive.copy())
    flusso.wait()
    if foto_a is None:
        foto_a = (ms, vivo, vive)
    if foto_da is None:
        sys.exit(f"la registrazione dura {ms / 60000:.1f} minuti, meno di --da {arg.da}")

    def nome(s):
        return stringhe[s] if 0 < s < len(stringhe) else "?"

    def pila(tr):
        righe = []
        while tr and len(righe) < arg.righe:
            i, tr = tracce[tr]
            ind, modulo, cornici = ip[i]
            if not cornici:
                righe.append(f"0x{ind} in {nome(modulo).rsplit('/', 1)[-1]}")
            for f, file, r in cornici:
                dove = f" ({nome(file).rsplit('/', 1)[-1]}:{r})" if file else ""
                righe.append(f"{nome(f)}{dove}")
        return righe

    (t0, v0, n0), (t1, v1, n1) = foto_da, foto_a
    tot0, tot1 = sum(v0.values()), sum(v1.values())
    print(f"heap vivo: {tot0 / 1e6:.2f} MB al minuto {t0 / 60000:.1f}, {tot1 / 1e6:.2f} MB al minuto {t1 / 60000:.1f}"
          f" ({(tot1 - tot0) / 1e6:+.2f} MB)")
    delta = sorted(((v1[k] - v0[k], k) for k in set(v0) | set(v1)), reverse=True)
    # per famiglia: la prima voce riconosciuta risalendo la pila
    famiglie = [("facce dei pulsanti di Fusion (cache delle figure)", r"QFusionStyle|QCommonStyle|QStyleHelper"),
                ("figure da file (cache delle figure)", r"QPixmap::load\(|QPixmapCache"),
                ("suoni (QSoundEffect, QSample)", r"QSample|QSoundEffect|QWaveDecoder|suona \("),
                ("testo e caratteri", r"QFontEngine|QTextEngine|QFontCache|Glyph"),
                ("dialoghi dei file", r"QFileDialog|QFileSystemModel|QFileInfoGatherer")]
    somme = collections.Counter()
    for d, k in delta:
        testo = "\n".join(pila(k))
        nome_f = next((n for n, r in famiglie if re.search(r, testo)), "altro")
        somme[nome_f] += d
    print("per famiglia:")
    for n, d in somme.most_common():
        print(f"  {d / 1e3:+9.1f} kB  {n}")
    for d, k in delta[:arg.pile]:
        if d <= 0:
            break
        print(f"\n{d / 1e3:+.1f} kB, {n1[k] - n0[k]:+d} allocazioni vive (ora {v1[k] / 1e3:.1f} kB in {n1[k]})")
        for r in pila(k):
            print("    " + r)


if __name__ == "__main__":
    main()
