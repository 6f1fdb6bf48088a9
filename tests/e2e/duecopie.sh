#!/usr/bin/env bash
# Due copie avviate insieme: ne parte una sola, l'altra mostra il suo messaggio.
# Una copia uccisa con SIGKILL non blocca l'avvio seguente.
set -euo pipefail
BIN="$1"
: "${GORBIO_DISPLAY:?serve il display di ./check}"
export DISPLAY="$GORBIO_DISPLAY"

LAVORO=$(mktemp -d /tmp/gorbio-e2e.XXXXXX)
fine() {
  pkill -9 -f "$LAVORO/mrgorbio" 2>/dev/null || true
  chmod -R u+w "$LAVORO" 2>/dev/null || true
  rm -rf "$LAVORO"
}
trap fine EXIT
errore() { echo "ERRORE: $*" >&2; exit 1; }

cp "$BIN/mrgorbio" "$LAVORO/"
cp "$(dirname "$0")/../../data/"Mr.Gorbio.00* "$LAVORO/"
chmod u+w "$LAVORO"/Mr.Gorbio.00*

nome_di() {  # i nomi delle finestre visibili di un processo
  for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do xdotool getwindowname "$w" 2>/dev/null; done
}
finestra_di() {  # $1 pid, $2 testo: stampa l'id della finestra
  for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    xdotool getwindowname "$w" 2>/dev/null | grep -qF -- "$2" && { echo "$w"; return 0; }
  done
  return 1
}

"$LAVORO/mrgorbio" >/dev/null 2>&1 &
A=$!
"$LAVORO/mrgorbio" >/dev/null 2>&1 &
B=$!

# una delle due mostra "già in esecuzione", l'altra la finestra del gioco
vincitore=""
perdente=""
for _ in $(seq 1 200); do
  for p in $A $B; do
    if w=$(finestra_di "$p" "Veltrak Info Service"); then
      perdente=$p
      xdotool windowfocus "$w" 2>/dev/null || true
      sleep 0.3
      xdotool key Return
    fi
  done
  [ -n "$perdente" ] && break
  sleep 0.1
done
[ -n "$perdente" ] || errore "nessuna copia ha detto di essere la seconda"
if [ "$perdente" = "$A" ]; then vincitore=$B; else vincitore=$A; fi
for _ in $(seq 1 50); do kill -0 "$perdente" 2>/dev/null || break; sleep 0.1; done
kill -0 "$perdente" 2>/dev/null && errore "la seconda copia non termina"
for _ in $(seq 1 200); do finestra_di "$vincitore" " Veltrak Mr.Gorbio 1.0" >/dev/null && break; sleep 0.1; done
finestra_di "$vincitore" " Veltrak Mr.Gorbio 1.0" >/dev/null || errore "la prima copia non mostra il gioco"

# uccisa senza pietà, non lascia un blocco che fermi la prossima
kill -9 "$vincitore"
wait "$vincitore" 2>/dev/null || true
"$LAVORO/mrgorbio" >/dev/null 2>&1 &
C=$!
for _ in $(seq 1 200); do finestra_di "$C" " Veltrak Mr.Gorbio 1.0" >/dev/null && break; sleep 0.1; done
finestra_di "$C" " Veltrak Mr.Gorbio 1.0" >/dev/null || errore "dopo SIGKILL il gioco non riparte: $(nome_di "$C")"
kill -9 "$C"
echo "ok: una copia sola, e nessun blocco dopo SIGKILL"
