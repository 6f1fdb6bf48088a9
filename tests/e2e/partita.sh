#!/usr/bin/env bash
# Prova di fine a fine: il vero mrgorbio sotto Xvfb con l'uscita audio nulla.
# Due copie avviate insieme: ne parte una sola. Con quella: F2, qualche lettera
# (il suono arriva all'uscita), salvataggio, fine con F4,
# caricamento, uscita con Alt+F4 e il suo suono; il contatore degli avvii e'
# salito di uno. Infine una copia uccisa con SIGKILL non blocca l'avvio seguente.
set -euo pipefail
: "${PULSE_SERVER:?serve il server audio di ./check}"
source "$(dirname "$0")/lib/comune.sh"
prepara_gioco "$1"
SALVATA="$LAVORO/prova.cap"

contatore() { tr -d '\r' <"$LAVORO/Mr.Gorbio.002" | awk -F= '/^\[/{s=$0} s=="[Toob]" && $1=="k"{print $2}'; }
esiste() { finestra_di "$PID_GIOCO" "$1" >/dev/null; }
titolo() { xdotool getwindowname "$PRINCIPALE" 2>/dev/null; }
tasto() { xdotool key --clearmodifiers "$@"; sleep 0.4; }
principale() { xdotool windowfocus "$PRINCIPALE" 2>/dev/null || true; }
udibile() { awk -v r="$(rms_di "$1")" 'BEGIN{exit !(r > 0.01)}'; }
# dal menu File la voce $1, il dialogo $2, il percorso $3, poi il messaggio che conferma
dal_menu_file() {
  principale
  tasto alt+f
  tasto "$1"
  aspetta "$2" 10 || errore "il dialogo $2 non compare"
  tasto ctrl+a
  xdotool type --delay 20 "$3"
  tasto Return
  aspetta "Veltrak Info Service" 10 || errore "nessun messaggio dopo $2"
  tasto Return
}
prima=$(contatore); prima=${prima:-0}

registra "$LAVORO/partita.raw"
"$LAVORO/mrgorbio" >/dev/null 2>"$LAVORO/a.err" &
A=$!
"$LAVORO/mrgorbio" >/dev/null 2>"$LAVORO/b.err" &
B=$!
# una delle due dice di essere gia' in esecuzione e termina
for _ in $(seq 1 200); do
  for PID_GIOCO in $A $B; do aspetta "Veltrak Info Service" 0 && break 2; done
  sleep 0.1
done
[ -n "$FINESTRA" ] || errore "nessuna copia ha detto di essere la seconda"
xdotool key Return
PID_GIOCO=$((A + B - PID_GIOCO))
for _ in $(seq 1 50); do kill -0 "$((A + B - PID_GIOCO))" 2>/dev/null || break; sleep 0.1; done
kill -0 "$((A + B - PID_GIOCO))" 2>/dev/null && errore "la seconda copia non termina"
aspetta " Veltrak Mr.Gorbio 1.0" 20 || errore "la finestra del gioco non compare"
PRINCIPALE=$FINESTRA
sleep 0.5
tasto F2
aspetta " - Livello 1" 10 || errore "F2 non avvia la partita"
for l in e a i o r; do xdotool type "$l"; sleep 0.7; done
import -window root "$LAVORO/schermo.png"
colori=$(convert "$LAVORO/schermo.png" -format %k info:)
[ "$colori" -gt 50 ] || errore "lo schermo sembra vuoto ($colori colori)"
ferma_registrazione
udibile "$LAVORO/partita.raw" || errore "nessun suono all'uscita audio durante la partita"
# finisce l'eventuale sequenza del cappio: con la clessidra i comandi non agiscono
sleep 6

dal_menu_file s "Salva gioco..." "$LAVORO/prova"
grep -q "Partita salvata" "$SALVATA" || errore "la partita non e' stata salvata in $SALVATA"

principale
tasto F4
tasto Return   # Si, termina
tasto Escape   # No, non salvare
sleep 0.5
[ "$(titolo)" = " Veltrak Mr.Gorbio 1.0" ] || errore "F4 non termina il gioco: $(titolo)"
esiste "Veltrak Info Service" && errore "la fine del gioco lascia una domanda aperta"

dal_menu_file c "Carica gioco..." "$SALVATA"
titolo | grep -qF " - Livello 1" || errore "la partita caricata non e' in corso: $(titolo)"

# Alt+F4 durante la partita: niente "Sicuro di voler uscire", solo l'offerta di salvare
registra "$LAVORO/uscita.raw"
principale
tasto alt+F4
tasto Escape
aspetta_fine || errore "il gioco non si chiude con Alt+F4"
ferma_registrazione
udibile "$LAVORO/uscita.raw" || errore "il suono d'uscita non e' arrivato"
dopo=$(contatore)
[ "$dopo" = "$((prima + 1))" ] || errore "contatore degli avvii: prima $prima, dopo $dopo"

for giro in ucciso riavviato; do
  "$LAVORO/mrgorbio" >/dev/null 2>"$LAVORO/$giro.err" &
  PID_GIOCO=$!
  aspetta " Veltrak Mr.Gorbio 1.0" 20 || errore "il gioco non riparte ($giro)"
  kill -9 "$PID_GIOCO"
  wait "$PID_GIOCO" 2>/dev/null || true
done
echo "ok: una copia sola, suono in partita, salvataggio, fine, caricamento, uscita;" \
  "contatore $prima -> $dopo; nessun blocco dopo SIGKILL"
