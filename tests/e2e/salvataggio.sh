#!/usr/bin/env bash
# Prova di fine a fine dei comandi: pausa e ripresa con F3, salvataggio in un
# file, fine del gioco, caricamento, uscita con Alt+F4 e il suo suono.
set -euo pipefail
: "${PULSE_SERVER:?serve il server audio di ./check}"
source "$(dirname "$0")/lib/comune.sh"
prepara_gioco "$1"
SALVATA="$LAVORO/prova.cap"

esiste() { finestra_di "$PID_GIOCO" "$1" >/dev/null; }
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
registra "$LAVORO/uscita.raw"
xdotool windowfocus "$PRINCIPALE" 2>/dev/null || true
tasto alt+F4
tasto Escape
aspetta_fine || errore "il gioco non si chiude con Alt+F4"
ferma_registrazione
rms=$(rms_di "$LAVORO/uscita.raw")
awk -v r="$rms" 'BEGIN{exit !(r > 0.01)}' || errore "il suono d'uscita non e' arrivato (RMS $rms)"
echo "ok: pausa, salvataggio, fine, caricamento e uscita; RMS del suono d'uscita $rms"
