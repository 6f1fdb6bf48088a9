#!/usr/bin/env python3
"""Chi cresce nella memoria residente, dai campioni di --smaps della maratona.

Per ogni campione la memoria residente per famiglia di mappe (heap, mappe anonime, codice e
file delle librerie, memoria condivisa con X e PulseAudio), poi le mappe che crescono di piu'
fra il minuto DA e il minuto A, e il minuto in cui compare ogni mappa nuova (una libreria
caricata, mime.cache al primo dialogo dei file).

Uso: bench/smaps-crescita.py REGISTRI/smaps [--da 10] [--a MINUTO] [--ogni 5] [--righe 15]
"""
import argparse
import collections
import os
import re

TESTATA = re.compile(r"^[0-9a-f]+-[0-9a-f]+ \S+ \S+ \S+ \S+\s*(.*)$")


def famiglia(nome):
    if nome in ("[heap]", "[stack]", "[anon]"):
        return nome
    if "memfd:" in nome or nome.startswith(("/dev/shm", "/SYSV")):
        return "condivisa"
    return "file" if nome.startswith("/") else "altro"


def leggi(percorso):
    rss = collections.Counter()
    nome = None
    with open(percorso) as f:
        for riga in f:
            m = TESTATA.match(riga)
            if m:
                nome = m.group(1).strip() or "[anon]"
            elif riga.startswith("Rss:") and nome:
                rss[nome] += int(riga.split()[1])
    return rss


def vicino(campioni, minuto):
    return min(campioni, key=lambda c: abs(c[0] - minuto))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("cartella")
    ap.add_argument("--da", type=float, default=10.0)
    ap.add_argument("--a", type=float, default=None)
    ap.add_argument("--ogni", type=float, default=5.0)
    ap.add_argument("--righe", type=int, default=15)
    arg = ap.parse_args()

    campioni = sorted((float(n), leggi(os.path.join(arg.cartella, n))) for n in os.listdir(arg.cartella))
    famiglie = ["[heap]", "[anon]", "file", "condivisa", "[stack]", "altro"]
    print("minuto\t" + "\t".join(famiglie) + "\ttotale (MB)")
    prossimo = 0.0
    for i, (minuto, rss) in enumerate(campioni):
        if minuto + 1e-9 < prossimo and i != len(campioni) - 1:
            continue
        prossimo = minuto + arg.ogni
        per = collections.Counter()
        for nome, kb in rss.items():
            per[famiglia(nome)] += kb
        print(f"{minuto:g}\t" + "\t".join(f"{per[f] / 1024:.1f}" for f in famiglie) + f"\t{sum(rss.values()) / 1024:.1f}")

    da = vicino(campioni, arg.da)
    a = campioni[-1] if arg.a is None else vicino(campioni, arg.a)
    print(f"\nmappe che cambiano fra il minuto {da[0]:g} e il {a[0]:g} (kB):")
    diff = collections.Counter({n: a[1][n] - da[1][n] for n in set(da[1]) | set(a[1])})
    for nome, kb in sorted(diff.items(), key=lambda x: -abs(x[1]))[: arg.righe]:
        if kb:
            print(f"{kb:+7d}  {nome}")

    print("\nmappe nuove dopo il primo campione:")
    viste = set(campioni[0][1])
    for minuto, rss in campioni[1:]:
        for nome in sorted(set(rss) - viste):
            print(f"{minuto:g}\t{nome}")
        viste |= set(rss)


if __name__ == "__main__":
    main()
