#!/usr/bin/env python3
"""Ogni frase che Orca dice, con la durata della voce italiana di espeak-ng: e' tagliata se la seguente parte
prima della sua fine. Lecito se in mezzo c'e' un tasto del giocatore o per gli avvisi del tempo.
Uso: udito.py orca.log tasti.txt cartella-durate; esce con 1 se una frase del gioco e' tagliata cosi'."""
import hashlib
import os
import re
import subprocess
import sys
import wave

AVVISO = re.compile(r"^notification (Manca un minuto|Mancano \d+ secondi)\b")
# una voce del registro (il testo puo' andare a capo) e le interruzioni di Orca
VOCE = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - (?:SPEECH OUTPUT: '(.*?)'(?: voice=\S+)?(\s*)\{[^\n]*\}$|(DEFAULT: Interrupting))",
                  re.M | re.S)


def secondi(h, m, s):
    return int(h) * 3600 + int(m) * 60 + float(s)


def durata(testo, cartella):
    """Secondi che la voce italiana di espeak-ng mette a dire il testo (la lunghezza del WAV)."""
    os.makedirs(cartella, exist_ok=True)
    wav = os.path.join(cartella, hashlib.sha1(testo.encode()).hexdigest()[:16] + ".wav")
    if not os.path.exists(wav):
        subprocess.run(["espeak-ng", "-v", "it", "-w", wav, testo], check=True, stdout=subprocess.DEVNULL)
    with wave.open(wav) as w:
        return w.getnframes() / w.getframerate()


def frasi(registro):
    """Le frasi di Orca: titolo, testo e pulsante d'un messaggio o dialogo appena aperto (entro un secondo,
    senza interruzioni) sono una frase sola; ogni altra riga ne comincia una."""
    out = []
    interrotta = True
    with open(registro, errors="replace") as f:
        testo = f.read()
    for m in VOCE.finditer(testo):
        if m.group(6):
            interrotta = True
            continue
        riga = " ".join(m.group(4).split())
        if not riga:
            continue
        t = secondi(*m.group(1, 2, 3))
        nuova = riga.startswith(("notification ", "alert "))
        finestra = out and (out[-1]["testo"].startswith("alert ") or " dialog" in out[-1]["testo"])
        if finestra and not interrotta and not nuova and t - out[-1]["fine_righe"] < 1.0:
            out[-1]["testo"] += " " + riga
            out[-1]["fine_righe"] = t
        else:
            # l'eco di un tasto ("o ", "return "): Orca lo dice quando il tasto gli arriva
            out.append({"t": t, "fine_righe": t, "testo": riga, "eco": m.group(4).endswith(" ") and m.group(5) == " "})
        interrotta = False
    return out


def main():
    registro, tasti, cartella = sys.argv[1:4]
    azioni, scene = [], []
    with open(tasti) as f:
        for r in f:
            tipo, ora, resto = (r.rstrip("\n").split(" ", 2) + [""])[:3]
            t = secondi(*ora.split(":"))
            (scene if tipo == "SCENA" else azioni).append((t, resto))
    dette = frasi(registro)
    # i tasti anche com'Orca li sente: se Orca e' in ritardo, la frase che il tasto taglia viene dopo il tasto
    azioni += [(d["t"], "eco") for d in dette if d["eco"]]
    tagli = 0
    print("%7s %6s  %-40s %s" % ("ora", "durata", "si sente", "frase"))
    s = 0
    for i, d in enumerate(dette):
        while s < len(scene) and scene[s][0] <= d["t"]:
            print("--- " + scene[s][1])
            s += 1
        # del gioco sono le notifiche e i suoi messaggi; il resto (eco dei tasti, fuoco, menu) e' di Orca
        gioco = d["testo"].startswith("notification ") or "Veltrak Info" in d["testo"]
        lunga = durata(d["testo"], cartella)
        esito = "per intero"
        if i + 1 < len(dette) and dette[i + 1]["t"] < d["t"] + lunga:
            dopo = dette[i + 1]["t"] - d["t"]
            giocatore = any(d["t"] < t <= dette[i + 1]["t"] + 0.05 for t, _ in azioni)
            if giocatore:
                esito = "tagliata dal giocatore dopo %.1f s" % dopo
            elif AVVISO.match(dette[i + 1]["testo"]):
                esito = "tagliata dall'avviso del tempo dopo %.1f s" % dopo
            elif not gioco:
                esito = "(di Orca) tagliata dopo %.1f s" % dopo
            else:
                esito = "TAGLIATA dopo %.1f s da: %s" % (dopo, dette[i + 1]["testo"][:60])
                tagli += 1
        print("%7.1f %5.1fs  %-40s %s" % (d["t"] - dette[0]["t"], lunga, esito, d["testo"]))
    print("%d frasi, %d tagliate senza un tasto del giocatore" % (len(dette), tagli))
    return 1 if tagli or not dette else 0


if __name__ == "__main__":
    sys.exit(main())
