#!/usr/bin/env bash
# Due copie avviate insieme: ne parte una sola, l'altra mostra il suo messaggio.
# Una copia uccisa con SIGKILL non blocca l'avvio seguente.
set -euo pipefail
source "$(dirname "$0")/lib/comune.sh"
prepara_gioco "$1"

nome_di() {  # i nomi delle finestre visibili di un processo
  for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do xdotool getwindowname "$w" 2>/dev/null; done
}

"$LAVORO/mrgorbio" >/dev/null 2>"$LAVORO/a.err" &
A=$!
"$LAVORO/mrgorbio" >/dev/null 2>"$LAVORO/b.err" &
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
"$LAVORO/mrgorbio" >/dev/null 2>"$LAVORO/terza.err" &
C=$!
for _ in $(seq 1 200); do finestra_di "$C" " Veltrak Mr.Gorbio 1.0" >/dev/null && break; sleep 0.1; done
finestra_di "$C" " Veltrak Mr.Gorbio 1.0" >/dev/null || errore "dopo SIGKILL il gioco non riparte: $(nome_di "$C")"
kill -9 "$C"
echo "ok: una copia sola, e nessun blocco dopo SIGKILL"
