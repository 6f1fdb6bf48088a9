#!/usr/bin/env bash
# Prova di fine a fine col lettore di schermo vero: Orca sul bus dell'accessibilita', il gioco
# sotto Xvfb con una lista di parole tutta CAVOLO. F2, una lettera giusta (O, due volte), una
# sbagliata (Z), poi il resto della parola: nel registro di Orca devono esserci, tra quello che
# dice, l'inizio del round, la lettera trovata con la parola, l'errore con lo stadio del cappio,
# la parola indovinata e il round seguente. Uso: lettore.sh <cartella degli eseguibili della build>
source "$(dirname "$0")/../support/prova-e2e.sh" gorbio-lettore
: "${PULSE_SERVER:?serve il server audio di ./check}"
trap 'chmod -R u+w "$LAVORO"; rm -rf "$LAVORO"' EXIT
cp -r "$1/." "$LAVORO/gioco"
awk 'BEGIN { for (i = 0; i < 4100; i++) print "CAVOLO" }' >"$LAVORO/gioco/Mr.Gorbio.001"
export LAVORO
# il primo processo dello spazio di Orca gli passa il TERM: Orca chiude il registro per bene
cat >"$LAVORO/orca.sh" <<'FINE'
orca --replace -u "$LAVORO/orca" --debug-file "$LAVORO/orca.log" &
trap 'kill $!; wait' TERM
wait
FINE

# un bus di sessione solo per la prova: il bus dell'accessibilita', Orca e il gioco, poi via tutti
dbus-run-session -- bash -c '
  set -u
  export GSETTINGS_BACKEND=memory QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$LAVORO/bus.log" 2>&1 &
  BUS=$!
  # --replace chiude ogni altro Orca dello stesso utente, anche quello di chi fa le prove:
  # in uno spazio di processi suo non ne vede nessuno
  unshare --user --map-root-user --pid --mount-proc --kill-child sh "$LAVORO/orca.sh" >"$LAVORO/orca.out" 2>&1 &
  ORCA=$!
  for _ in $(seq 1 100); do grep -qs "Screen reader on" "$LAVORO/orca.log" && break; sleep 0.1; done
  "$LAVORO/gioco/mrgorbio" >"$LAVORO/gioco.out" 2>&1 &
  GIOCO=$!
  for _ in $(seq 1 100); do
    W=$(xdotool search --onlyvisible --name "^ Veltrak Mr.Gorbio 1.0\$" 2>/dev/null | head -n 1) && [ -n "$W" ] && break
    sleep 0.2
  done
  xdotool windowfocus "$W"; sleep 1
  # il cappio di uno stadio dura 1,8 s, la parola indovinata 1,7 s: ogni tasto ha il suo tempo
  for tasto in F2 o z c a v l; do xdotool key --clearmodifiers "$tasto"; sleep 2.2; done
  sleep 1.5
  kill "$GIOCO" 2>/dev/null
  pkill -TERM -P "$ORCA"
  wait "$ORCA" "$GIOCO" 2>/dev/null
  kill "$BUS" 2>/dev/null
  true
' 2>"$LAVORO/dbus.err"
grep -a "SPEECH OUTPUT" "$LAVORO/orca.log" | sed "s/^.*SPEECH OUTPUT: //" | tee "$LAVORO/detto.txt"
for atteso in \
  "Round 1, livello 1. Punteggio 0. Parola di 6 lettere. Tempo 03 : 00." \
  "O c'è, 2 volte. Parola: trattino trattino trattino O trattino O." \
  "Z non c'è. Errore 1 di 8: Mr. Gorbio arriva camminando, preoccupato." \
  "L c'è, una volta. Parola: C A V O L O." \
  "Parola indovinata: CAVOLO!" \
  "Round 2. Punteggio "; do
  grep -qF -- "$atteso" "$LAVORO/detto.txt" || { echo "ERRORE: Orca non ha detto: $atteso" >&2; exit 1; }
done
echo "ok: Orca ha detto il round, la lettera trovata, l'errore, la parola indovinata e il round seguente"
