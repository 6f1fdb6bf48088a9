#!/usr/bin/env bash
# Prova di fine a fine: il vero mrgorbio sotto Xvfb con l'uscita audio nulla.
# Avvio, F2, qualche lettera, uscita con Alt+F4; il suono e' arrivato all'uscita,
# il contatore degli avvii e' salito di uno.
set -euo pipefail
: "${PULSE_SERVER:?serve il server audio di ./check}"
source "$(dirname "$0")/lib/comune.sh"
prepara_gioco "$1"

contatore() { tr -d '\r' <"$LAVORO/Mr.Gorbio.002" | awk -F= '/^\[/{s=$0} s=="[Toob]" && $1=="k"{print $2}'; }
prima=$(contatore); prima=${prima:-0}

registra "$LAVORO/uscita.raw"
"$LAVORO/mrgorbio" >"$LAVORO/gioco.log" 2>&1 &
PID_GIOCO=$!

aspetta " Veltrak Mr.Gorbio 1.0" 20 || errore "la finestra del gioco non compare"
sleep 0.5
xdotool key F2
aspetta " - Livello 1" 10 || errore "F2 non avvia la partita"
for l in e a i o r s t n l; do
  xdotool type "$l"
  sleep 0.7
done
import -window root "$LAVORO/schermo.png"
colori=$(convert "$LAVORO/schermo.png" -format %k info:)
[ "$colori" -gt 50 ] || errore "lo schermo sembra vuoto ($colori colori)"

# Alt+F4 durante la partita: niente "Sicuro di voler uscire", solo l'offerta di salvare.
# Prima si lascia finire l'eventuale sequenza del cappio (con la clessidra l'uscita rifiuta).
sleep 6
xdotool key alt+F4
sleep 1
xdotool key Escape
aspetta_fine || errore "il gioco non si chiude con Alt+F4"
ferma_registrazione

dopo=$(contatore)
[ "$dopo" = "$((prima + 1))" ] || errore "contatore degli avvii: prima $prima, dopo $dopo"
rms=$(rms_di "$LAVORO/uscita.raw")
awk -v r="$rms" 'BEGIN{exit !(r > 0.01)}' || errore "nessun suono all'uscita audio (RMS $rms)"
echo "ok: contatore $prima -> $dopo, RMS all'uscita $rms"
