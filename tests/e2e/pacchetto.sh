#!/usr/bin/env bash
# Il pacchetto Debian: CPack e lintian; aperto con dpkg -x in sola lettura, il gioco gira da nobody sotto Xvfb
# (la prima volta l'avviso della scheda audio, tolto) e da un altro giocatore: ognuno conta nella sua copia
# delle impostazioni, quelle installate restano com'erano.
# Uso: pacchetto.sh <cartella degli eseguibili della build>
source "$(dirname "$0")/../support/prova-e2e.sh" gorbio-deb
BUILD=$(cd "$1/.." && pwd)
chmod 755 "$LAVORO"
RADICE=$LAVORO/radice
CARTELLA=$RADICE/usr/lib/games/mrgorbio
PID_GIOCO="" PRIMO=""

pulisci() {
  for p in $PID_GIOCO $PRIMO; do kill -9 "$p" 2>/dev/null || true; done
  rm -rf "$LAVORO"
}
trap pulisci EXIT
# il giocatore $UTENTE con la sua casa $CASA, e la sua copia delle impostazioni
giocatore() {
  UTENTE=$1 CASA=$LAVORO/casa$1 COPIA=$LAVORO/casa$1/.local/share/mrgorbio/Mr.Gorbio.002 CORSA=$LAVORO/casa$1/corsa
  mkdir -p -m 700 "$CORSA"
  chown -R "$1:$1" "$CASA"
}
# un comando del giocatore al posto della sottoshell (il pid resta), nel suo ambiente pulito
da_giocatore() {
  exec setpriv --reuid="$UTENTE" --regid="$UTENTE" --clear-groups \
    env -i HOME="$CASA" XDG_RUNTIME_DIR="$CORSA" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"
}
valore() { valore_ini "$COPIA" "$@"; }
# il gioco da nobody, in sottofondo; "$@": le variabili d'ambiente in piu'
avvia() {
  (da_giocatore "$@" "$RADICE/usr/games/mrgorbio") >/dev/null 2>"$LAVORO/gioco.err" &
  PID_GIOCO=$!
}
finestra() { xdotool search --all --onlyvisible --pid "$PID_GIOCO" --name "$1" 2>/dev/null | head -1; }
# fino a 20 s la finestra "$1", poi il fuoco; un messaggio prima e' un errore, salvo con $2 = avviso
aspetta() {
  local fino=$((SECONDS + 20)) w
  until w=$(finestra "$1") && [ -n "$w" ]; do
    [ "${2:-}" = avviso ] || [ -z "$(finestra "Veltrak Info Service")" ] || errore "un messaggio prima di '$1'"
    [ $SECONDS -lt $fino ] || errore "la finestra '$1' non compare"
    sleep 0.1
  done
  xdotool windowfocus "$w" 2>/dev/null || true
  sleep 0.3
}
# Alt+F4, e il gioco ha 10 secondi per finire con lo stato 0
esci() {
  xdotool key --clearmodifiers alt+F4
  for _ in $(seq 1 100); do kill -0 "$PID_GIOCO" 2>/dev/null && sleep 0.1; done
  STATO=0
  wait "$PID_GIOCO" || STATO=$?
  PID_GIOCO=""
  [ "$STATO" = 0 ] || errore "uscita con Alt+F4: stato $STATO"
}

# il pacchetto e lintian
cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$LAVORO/cpack" >"$LAVORO/cpack.log" 2>&1 || errore "cpack"
DEB=$(echo "$LAVORO"/cpack/mrgorbio_*.deb)
# lintian esce con 1 se trova errori, con 2 se non riesce a controllare: in entrambi i casi la prova fallisce
STATO=0
lintian "$DEB" >"$LAVORO/lintian.log" 2>&1 || STATO=$?
[ "$STATO" = 0 ] || errore "lintian esce con lo stato $STATO"
grep '^E:' "$LAVORO/lintian.log" && errore "lintian trova errori"
grep '^W:' "$LAVORO/lintian.log" || true

dpkg -x "$DEB" "$RADICE"
desktop-file-validate "$RADICE/usr/share/applications/it.veltrak.mrgorbio.desktop" || errore "desktop-file-validate"
grep -qx 'Exec=/usr/games/mrgorbio' "$RADICE/usr/share/applications/it.veltrak.mrgorbio.desktop" || errore "Exec della voce del menu"
chmod 0555 "$CARTELLA"
cmp "$CARTELLA/Mr.Gorbio.002" "$SORGENTI/data/Mr.Gorbio.002" || errore "le impostazioni installate non sono quelle del gioco"
giocatore 65534

# da nobody sotto X: la prima volta l'avviso della scheda audio, tolto; la seconda nessun messaggio
avvia DISPLAY="$DISPLAY"
aspetta "Veltrak Info Service" avviso
xdotool key --clearmodifiers alt+r
sleep 0.4
xdotool key --clearmodifiers Return
for _ in $(seq 1 50); do [ -z "$(finestra "Veltrak Info Service")" ] && break; sleep 0.1; done
aspetta " Veltrak Mr.Gorbio 1.0"
esci
[ "$(valore Toob k)" = 1 ] || errore "primo avvio: contatore '$(valore Toob k)' nella copia del giocatore"
[ "$(valore frmSchedaAudioAssente.chkRicordamelo value)" = no ] || errore "l'avviso della scheda audio non si toglie"
avvia DISPLAY="$DISPLAY"
aspetta " Veltrak Mr.Gorbio 1.0"
sleep 1
[ -z "$(finestra "Veltrak Info Service")" ] || errore "un messaggio accanto alla finestra del gioco"
# un altro giocatore intanto: non e' "gia' in esecuzione", e ha la sua copia
PRIMO=$PID_GIOCO
giocatore 65533
avvia DISPLAY="$DISPLAY"
aspetta "Veltrak Info Service" avviso
xdotool key --clearmodifiers Return
aspetta " Veltrak Mr.Gorbio 1.0"
esci
[ "$(valore Toob k)" = 1 ] || errore "l'altro giocatore: contatore '$(valore Toob k)'"
PID_GIOCO=$PRIMO
giocatore 65534
aspetta " Veltrak Mr.Gorbio 1.0"
esci
[ "$(valore Toob k)" = 2 ] || errore "secondo avvio: contatore '$(valore Toob k)'"

cmp "$CARTELLA/Mr.Gorbio.002" "$SORGENTI/data/Mr.Gorbio.002" || errore "il gioco ha scritto le impostazioni installate"
[ "$(ls -A "$CARTELLA" | wc -l)" = 7 ] || errore "file nuovi nella cartella del programma: $(ls -A "$CARTELLA")"
echo "ok: pacchetto di $(stat -c %s "$DEB") byte; da nobody contatore 1 e 2, un altro giocatore con la sua copia"
