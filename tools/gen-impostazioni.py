#!/usr/bin/env python3
"""Genera data/Mr.Gorbio.002: impostazioni iniziali in formato INI
(profilo Windows), UTF-8, fine riga CR LF. Solo libreria standard.

Uso: tools/gen-impostazioni.py [--out FILE]
"""
import argparse
import sys
from pathlib import Path

USCITA = Path(__file__).resolve().parent.parent / 'data' / 'Mr.Gorbio.002'

# Sezioni e chiavi, nell'ordine in cui vanno scritte.
SEZIONI = [
    ('frmSchedaAudioAssente.chkRicordamelo', [('value', 'si')]),
    ('Nome', [(str(i), 'vuoto') for i in range(1, 6)]),
    ('Info', [(str(i), 'vuoto') for i in range(1, 6)]),
    ('Punteggio', [(str(i), 'vuoto') for i in range(1, 6)]),
]


def testo():
    blocchi = []
    for nome, chiavi in SEZIONI:
        righe = [f'[{nome}]'] + [f'{k}={v}' for k, v in chiavi]
        blocchi.append('\r\n'.join(righe) + '\r\n')
    return '\r\n'.join(blocchi)  # riga vuota fra le sezioni


def controlla(dati):
    righe = dati.decode('utf-8').split('\r\n')
    if righe[-1] != '' or b'\n' in dati.replace(b'\r\n', b''):
        sys.exit('ERRORE: fine riga non CR LF')
    sezioni = [r[1:-1] for r in righe if r.startswith('[')]
    if sezioni != [n for n, _ in SEZIONI]:
        sys.exit(f'ERRORE: sezioni inattese {sezioni}')
    if sum(1 for r in righe if '=' in r) != 16:
        sys.exit('ERRORE: numero di chiavi diverso da 16')


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--out', type=Path, default=USCITA)
    args = ap.parse_args()
    dati = testo().encode('utf-8')
    controlla(dati)
    args.out.parent.mkdir(parents=True, exist_ok=True)
    args.out.write_bytes(dati)
    print(f'scritto {args.out} ({len(dati)} byte)')


if __name__ == '__main__':
    main()
