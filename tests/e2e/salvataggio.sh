#!/usr/bin/env bash
# Prova di fine a fine dei comandi: pausa e ripresa con F3, salvataggio in un
# file, fine del gioco, caricamento, uscita con Alt+F4 e il suo suono.
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
errore() {
  echo "ERRORE: $*" >&2
  import -window root /tmp/gorbio-e2e-errore.png 2>/dev/null || true
  exit 1
}

cp "$BIN/mrgorbio" "$LAVORO/"
cp "$(dirname "$0")/../../data/"Mr.Gorbio.00* "$LAVORO/"
chmod u+w "$LAVORO"/Mr.Gorbio.00*
SALVATA="$LAVORO/prova.cap"

# aspetta una finestra del gioco il cui nome contiene il testo dato
aspetta() {  # $1 testo, $2 secondi
  local fino=$((SECONDS + $2))
  while [ $SECONDS -lt $fino ]; do
    for w in $(xdotool search --onlyvisible --pid "$PID_GIOCO" 2>/dev/null); do
      if xdotool getwindowname "$w" 2>/dev/null | grep -qF -- "$1"; then
        FINESTRA=$w
        # senza window manager il fuoco non passa da solo alla finestra nuova
        xdotool windowfocus "$w" 2>/dev/null || true
        sleep 0.2
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}
esiste() {  # una finestra visibile del gioco con quel testo nel nome?
  for w in $(xdotool search --onlyvisible --pid "$PID_GIOCO" 2>/dev/null); do
    xdotool getwindowname "$w" 2>/dev/null | grep -qF -- "$1" && return 0
  done
  return 1
}
titolo() { xdotool getwindowname "$PRINCIPALE" 2>/dev/null; }
tasto() { xdotool key --clearmodifiers "$@"; sleep 0.4; }

"$LAVORO/mrgorbio" >"$LAVORO/gioco.log" 2>&1 &
PID_GIOCO=$!
aspetta " Veltrak Mr.Gorbio 1.0" 20 || errore "la finestra del gioco non compare"
PRINCIPALE=$FINESTRA
sleep 0.5
xdotool windowfocus "$PRINCIPALE" 2>/dev/null || true
tasto F2
aspetta " - Livello 1" 10 || errore "F2 non avvia la partita"

# pausa e ripresa
tasto F3
aspetta "Veltrak Info Service" 5 || errore "F3 non apre la pausa"
tasto F3
sleep 1
esiste "Veltrak Info Service" && errore "F3 non chiude la pausa"

# salvataggio dal menu File
xdotool windowfocus "$PRINCIPALE" 2>/dev/null || true
tasto alt+f
tasto s
aspetta "Salva gioco..." 10 || errore "il dialogo di salvataggio non compare"
tasto ctrl+a
xdotool type --delay 20 "$LAVORO/prova"
tasto Return
aspetta "Veltrak Info Service" 10 || errore "nessun messaggio dopo il salvataggio"
tasto Return
[ -s "$SALVATA" ] || errore "la partita non e' stata salvata in $SALVATA"
grep -q "Partita salvata" "$SALVATA" || errore "il file salvato non ha la sua sezione"

# fine del gioco senza salvare
xdotool windowfocus "$PRINCIPALE" 2>/dev/null || true
tasto F4
tasto Return   # Si, termina
tasto Escape   # No, non salvare
sleep 0.5
[ "$(titolo)" = " Veltrak Mr.Gorbio 1.0" ] || errore "F4 non termina il gioco: $(titolo)"
esiste "Veltrak Info Service" && errore "la fine del gioco lascia una domanda aperta"

# caricamento
xdotool windowfocus "$PRINCIPALE" 2>/dev/null || true
tasto alt+f
tasto c
aspetta "Carica gioco..." 10 || errore "il dialogo di caricamento non compare"
tasto ctrl+a
xdotool type --delay 20 "$SALVATA"
tasto Return
aspetta "Veltrak Info Service" 10 || errore "nessun messaggio dopo il caricamento"
tasto Return
titolo | grep -qF " - Livello 1" || errore "la partita caricata non e' in corso: $(titolo)"

# uscita con Alt+F4: solo l'offerta di salvare, poi il suono d'uscita
parec -d @DEFAULT_MONITOR@ --raw --format=s16le --channels=1 --rate=8000 >"$LAVORO/uscita.raw" &
PID_REC=$!
xdotool windowfocus "$PRINCIPALE" 2>/dev/null || true
tasto alt+F4
tasto Escape
for _ in $(seq 1 60); do
  kill -0 "$PID_GIOCO" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$PID_GIOCO" 2>/dev/null && errore "il gioco non si chiude con Alt+F4"
PID_GIOCO=""
kill "$PID_REC"; wait "$PID_REC" 2>/dev/null || true
PID_REC=""
rms=$(sox -t raw -r 8000 -e signed -b 16 -c 1 "$LAVORO/uscita.raw" -n stat 2>&1 | awk '/RMS +amplitude/{print $3}')
awk -v r="$rms" 'BEGIN{exit !(r > 0.01)}' || errore "il suono d'uscita non e' arrivato (RMS $rms)"
echo "ok: pausa, salvataggio, fine, caricamento e uscita; RMS del suono d'uscita $rms"
