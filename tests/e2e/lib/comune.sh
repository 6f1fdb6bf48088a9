# Da includere con "source" nelle prove di fine a fine: cartella di lavoro con
# una copia fresca del gioco e dei file dati, pulizia, attesa delle finestre.
: "${GORBIO_DISPLAY:?serve il display di ./check}"
export DISPLAY="$GORBIO_DISPLAY"

LAVORO=$(mktemp -d /tmp/gorbio-e2e.XXXXXX)
PID_GIOCO="" PID_REC=""
pulisci() {
  [ -n "$PID_GIOCO" ] && kill "$PID_GIOCO" 2>/dev/null || true
  [ -n "$PID_REC" ] && kill "$PID_REC" 2>/dev/null || true
  pkill -9 -f "$LAVORO/mrgorbio" 2>/dev/null || true
  chmod -R u+w "$LAVORO" 2>/dev/null || true
  rm -rf "$LAVORO"
}
trap pulisci EXIT
errore() {
  echo "ERRORE: $*" >&2
  # quello che i giochi hanno scritto su stderr, se la prova lo ha raccolto
  for f in "$LAVORO"/*.err; do [ -s "$f" ] && { echo "--- $(basename "$f")" >&2; cat "$f" >&2; }; done
  import -window root /tmp/gorbio-e2e-errore.png 2>/dev/null || true
  exit 1
}

# $1: la cartella con mrgorbio e il modulo del suono
prepara_gioco() {
  cp "$1/mrgorbio" "$1/libgorbio_suono.so" "$LAVORO/"
  cp "$(dirname "${BASH_SOURCE[0]}")/../../../data/"Mr.Gorbio.00* "$LAVORO/"
  chmod u+w "$LAVORO"/Mr.Gorbio.00*
}

# l'id della finestra visibile del processo $1 il cui nome contiene $2
finestra_di() {
  for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    xdotool getwindowname "$w" 2>/dev/null | grep -qF -- "$2" && { echo "$w"; return 0; }
  done; return 1
}

# aspetta fino a $2 secondi una finestra del gioco con $1 nel nome e le da' il fuoco
# (senza window manager il fuoco non passa da solo alla finestra nuova)
aspetta() {
  local fino=$((SECONDS + $2))
  until FINESTRA=$(finestra_di "$PID_GIOCO" "$1"); do
    [ $SECONDS -lt $fino ] || return 1
    sleep 0.1
  done
  xdotool windowfocus "$FINESTRA" 2>/dev/null || true
  sleep 0.2
}

# registra l'uscita audio nulla in $1 (grezzo, 8 kHz, mono)
registra() { parec -d @DEFAULT_MONITOR@ --raw --format=s16le --channels=1 --rate=8000 >"$1" & PID_REC=$!; }
ferma_registrazione() { kill "$PID_REC" 2>/dev/null || true; wait "$PID_REC" 2>/dev/null || true; PID_REC=""; }
rms_di() { sox -t raw -r 8000 -e signed -b 16 -c 1 "$1" -n stat 2>&1 | awk '/RMS +amplitude/{print $3}'; }

# aspetta che il gioco termini (fino a 6 s)
aspetta_fine() {
  for _ in $(seq 1 60); do kill -0 "$PID_GIOCO" 2>/dev/null || { PID_GIOCO=""; return 0; }; sleep 0.1; done; return 1
}
