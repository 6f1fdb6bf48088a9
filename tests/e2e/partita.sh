#!/usr/bin/env bash
# Il gioco installato in un prefisso, sotto Xvfb con l'uscita audio nulla: icone e metadati; di due copie insieme
# ne parte una, con la classe del file .desktop; una terza col blocco vecchio di ore e' ancora la seconda. Suono
# in partita e all'uscita, contatore +1; SIGKILL non blocca il riavvio, SIGTERM esce con 143; reinstallare
# tiene le impostazioni, disinstallare lascia solo quelle.
# Uso: partita.sh <cartella degli eseguibili della build>
source "$(dirname "$0")/../support/prova-e2e.sh" gorbio-e2e
: "${PULSE_SERVER:?serve il server audio di ./check}"
BUILD=$(cd "$1/.." && pwd)
P=$LAVORO/prefisso
C=$P/lib/mrgorbio
ID=it.veltrak.mrgorbio
DESKTOP=$P/share/applications/$ID.desktop
PID_GIOCO="" PID_REC=""

# l'elenco dei file dell'installazione vera del giocatore resta com'era
[ -f "$BUILD/install_manifest.txt" ] && cp "$BUILD/install_manifest.txt" "$LAVORO/manifest.txt"
pulisci() {
  [ -f "$LAVORO/manifest.txt" ] && cp "$LAVORO/manifest.txt" "$BUILD/install_manifest.txt"
  [ -n "$PID_REC" ] && kill "$PID_REC" 2>/dev/null || true
  pkill -9 -f "$P/bin/mrgorbio" 2>/dev/null || true
  chmod -R u+w "$LAVORO" 2>/dev/null || true
  rm -rf "$LAVORO"
}
trap pulisci EXIT
installa() { cmake --install "$BUILD" --prefix "$P" >"$LAVORO/installa.log" 2>&1 || errore "$(cat "$LAVORO/installa.log")"; }
contatore() { valore_ini "$C/Mr.Gorbio.002" Toob k; }
# l'id della finestra visibile del processo $1 il cui nome contiene $2
finestra_di() {
  for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    xdotool getwindowname "$w" 2>/dev/null | grep -qF -- "$2" && { echo "$w"; return 0; }
  done; return 1
}
# fino a $2 secondi una finestra del gioco con $1 nel nome, poi il fuoco (senza window manager non passa da solo)
aspetta() {
  local fino=$((SECONDS + $2))
  until FINESTRA=$(finestra_di "$PID_GIOCO" "$1"); do
    [ $SECONDS -lt $fino ] || return 1
    sleep 0.1
  done
  xdotool windowfocus "$FINESTRA" 2>/dev/null || true
  sleep 0.2
}
aspetta_fine() {
  for _ in $(seq 1 60); do kill -0 "$PID_GIOCO" 2>/dev/null || { PID_GIOCO=""; return 0; }; sleep 0.1; done; return 1
}
# l'uscita audio nulla registrata in $1 (grezzo, 8 kHz, mono); udibile: RMS oltre 0,01
registra() { parec -d @DEFAULT_MONITOR@ --raw --format=s16le --channels=1 --rate=8000 >"$1" & PID_REC=$!; }
ferma_registrazione() { kill "$PID_REC" 2>/dev/null || true; wait "$PID_REC" 2>/dev/null || true; PID_REC=""; }
udibile() { sox -t raw -r 8000 -e signed -b 16 -c 1 "$1" -n stat 2>&1 | awk '/RMS +amplitude/{r=$3} END{exit !(r > 0.01)}'; }
esiste() { finestra_di "$PID_GIOCO" "$1" >/dev/null; }
tasto() { xdotool key --clearmodifiers "$@"; sleep 0.4; }
principale() { xdotool windowfocus "$PRINCIPALE" 2>/dev/null || true; }

installa
for f in "$SORGENTI"/resources/img/icona_*.png; do
  lato=${f##*_}; lato=${lato%.png}
  [ -f "$P/share/icons/hicolor/${lato}x$lato/apps/$ID.png" ] || errore "manca l'icona $lato"
done
[ -f "$P/share/icons/hicolor/scalable/apps/$ID.svg" ] || errore "manca l'icona vettoriale"
appstreamcli validate --no-net "$P/share/metainfo/$ID.metainfo.xml" || errore "appstreamcli validate"
prima=$(contatore); prima=${prima:-0}

registra "$LAVORO/partita.raw"
"$P/bin/mrgorbio" >/dev/null 2>"$LAVORO/a.err" &
A=$!
"$P/bin/mrgorbio" >/dev/null 2>"$LAVORO/b.err" &
B=$!
# una delle due dice di essere gia' in esecuzione e termina
for _ in $(seq 1 200); do
  for PID_GIOCO in $A $B; do aspetta "Veltrak Info Service" 0 && break 2; done
  sleep 0.1
done
[ -n "${FINESTRA:-}" ] || errore "nessuna copia ha detto di essere la seconda"
xdotool key Return
PID_GIOCO=$((A + B - PID_GIOCO))
for _ in $(seq 1 50); do kill -0 "$((A + B - PID_GIOCO))" 2>/dev/null || break; sleep 0.1; done
kill -0 "$((A + B - PID_GIOCO))" 2>/dev/null && errore "la seconda copia non termina"
aspetta " Veltrak Mr.Gorbio 1.0" 20 || errore "la finestra del gioco non compare"
PRINCIPALE=$FINESTRA
classe=$(xprop -id "$PRINCIPALE" WM_CLASS | sed 's/.*", "\(.*\)"$/\1/')
grep -qx "StartupWMClass=$classe" "$DESKTOP" || errore "WM_CLASS $classe diversa da StartupWMClass"
# le finestre standard di Qt (Salva, Carica) parlano italiano qualunque sia la lingua del sistema
grep -q "/qtbase_it.qm$" "/proc/$PID_GIOCO/maps" || errore "la traduzione italiana delle finestre di Qt non e' caricata"
# il blocco di una copia viva vale anche dopo ore di gioco: una terza copia e' ancora "gia' in esecuzione"
BLOCCO=$(grep -lx "$PID_GIOCO" "${TMPDIR:-/tmp}"/mrgorbio-*.lock 2>/dev/null | head -n 1) || errore "nessun blocco della copia in gioco"
touch -d '-3 hours' "$BLOCCO"
# la terza copia mostra il messaggio (il testo lo prova tst_avvio) senza la finestra del gioco; Invio la chiude
VIVA=$PID_GIOCO
"$P/bin/mrgorbio" >/dev/null 2>"$LAVORO/terza.err" &
PID_GIOCO=$!
aspetta "Veltrak Info Service" 20 || errore "una terza copia col blocco vecchio di una copia viva non dice niente"
esiste " Veltrak Mr.Gorbio 1.0" && errore "una terza copia col blocco vecchio di una copia viva parte"
tasto Return
aspetta_fine || errore "la terza copia non termina"
PID_GIOCO=$VIVA
principale
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

# ucciso con SIGKILL, poi riavviato e chiuso con SIGTERM
for segnale in KILL TERM; do
  "$P/bin/mrgorbio" >/dev/null 2>"$LAVORO/$segnale.err" &
  PID_GIOCO=$!
  aspetta " Veltrak Mr.Gorbio 1.0" 20 || errore "il gioco non riparte (prima di SIG$segnale)"
  kill -"$segnale" "$PID_GIOCO"
  STATO=0
  wait "$PID_GIOCO" 2>/dev/null || STATO=$?
done
[ "$STATO" = 143 ] || errore "al SIGTERM il gioco finisce con lo stato $STATO"

# reinstallare: le impostazioni restano; 001, di sola lettura e "vecchio", si sostituisce
touch -d @0 "$C/Mr.Gorbio.001"
contato=$(contatore)
installa
[ "$(contatore)" = "$contato" ] || errore "la reinstallazione ha azzerato il contatore"
[ "$(stat -c %Y "$C/Mr.Gorbio.001")" = "$(stat -c %Y "$SORGENTI/data/Mr.Gorbio.001")" ] ||
  errore "la reinstallazione non ha sostituito 001"
# disinstallare lascia solo le impostazioni, e dice dove sono
"$C/disinstalla" >"$LAVORO/disinstalla.log" || errore "disinstalla fallito"
grep -qF "$C/Mr.Gorbio.002" "$LAVORO/disinstalla.log" || errore "disinstalla non dice dove sono le impostazioni"
rimasti=$(cd "$P" && find . ! -type d | sort)
[ "$rimasti" = "./lib/mrgorbio/Mr.Gorbio.002" ] || errore "dopo la disinstallazione resta: $rimasti"
echo "ok: installato; una copia sola, suono in partita, uscita;" \
  "contatore $prima -> $dopo; nessun blocco dopo SIGKILL; reinstallato e tolto"
