#!/usr/bin/env bash
# Prova di fine a fine: il vero mrgorbio sotto Xvfb con l'uscita audio nulla.
# Avvio, F2, qualche lettera, uscita con Alt+F4; il suono e' arrivato all'uscita,
# il contatore degli avvii e' salito di uno.
set -euo pipefail
BIN="$1"
: "${GORBIO_DISPLAY:?serve il display di ./check}"
: "${PULSE_SERVER:?serve il server audio di ./check}"
export DISPLAY="$GORBIO_DISPLAY"

LAVORO=$(mktemp -d /tmp/gorbio-e2e.XXXXXX)
PID_GIOCO=""
PID_REC=""
fine() {
  [ -n "$PID_GIOCO" ] && kill "$PID_GIOCO" 2>/dev/null || true
  [ -n "$PID_REC" ] && kill "$PID_REC" 2>/dev/null || true
  chmod -R u+w "$LAVORO" 2>/dev/null || true
  rm -rf "$LAVORO"
}
trap fine EXIT
errore() { echo "ERRORE: $*" >&2; exit 1; }

cp "$BIN/mrgorbio" "$LAVORO/"
cp "$(dirname "$0")/../../data/"Mr.Gorbio.00* "$LAVORO/"
chmod u+w "$LAVORO"/Mr.Gorbio.00*

contatore() { tr -d '\r' <"$LAVORO/Mr.Gorbio.002" | awk -F= '/^\[/{s=$0} s=="[Toob]" && $1=="k"{print $2}'; }
prima=$(contatore); prima=${prima:-0}

parec -d @DEFAULT_MONITOR@ --raw --format=s16le --channels=1 --rate=8000 >"$LAVORO/uscita.raw" &
PID_REC=$!

"$LAVORO/mrgorbio" >"$LAVORO/gioco.log" 2>&1 &
PID_GIOCO=$!

aspetta_titolo() {  # $1 = testo del titolo, $2 = secondi
  local fino=$((SECONDS + $2))
  while [ $SECONDS -lt $fino ]; do
    for w in $(xdotool search --name "Veltrak Mr.Gorbio" 2>/dev/null); do
      if xdotool getwindowname "$w" 2>/dev/null | grep -qF -- "$1"; then
        FINESTRA=$w
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}

aspetta_titolo " Veltrak Mr.Gorbio 1.0" 20 || errore "la finestra del gioco non compare"
sleep 0.5
xdotool windowfocus "$FINESTRA" 2>/dev/null || true
xdotool key F2
aspetta_titolo " - Livello 1" 10 || errore "F2 non avvia la partita"
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
for _ in $(seq 1 60); do
  kill -0 "$PID_GIOCO" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$PID_GIOCO" 2>/dev/null && errore "il gioco non si chiude con Alt+F4"
PID_GIOCO=""
kill "$PID_REC"; wait "$PID_REC" 2>/dev/null || true
PID_REC=""

dopo=$(contatore)
[ "$dopo" = "$((prima + 1))" ] || errore "contatore degli avvii: prima $prima, dopo $dopo"
rms=$(sox -t raw -r 8000 -e signed -b 16 -c 1 "$LAVORO/uscita.raw" -n stat 2>&1 | awk '/RMS +amplitude/{print $3}')
awk -v r="$rms" 'BEGIN{exit !(r > 0.01)}' || errore "nessun suono all'uscita audio (RMS $rms)"
echo "ok: contatore $prima -> $dopo, RMS all'uscita $rms"
