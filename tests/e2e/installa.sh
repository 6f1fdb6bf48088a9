#!/usr/bin/env bash
# Installazione nel menu: installa in un prefisso temporaneo, valida il file
# .desktop e i metadati, avvia il gioco dal comando installato, reinstalla
# senza perdere le impostazioni e disinstalla lasciando solo quelle.
set -euo pipefail
: "${PULSE_SERVER:?serve il server audio di ./check}"
source "$(dirname "$0")/lib/comune.sh"
BUILD=$(cd "$1/.." && pwd)
SORGENTI=$(cd "$(dirname "$0")/../.." && pwd)
P=$LAVORO/prefisso
C=$P/lib/mrgorbio
ID=it.veltrak.mrgorbio
DESKTOP=$P/share/applications/$ID.desktop
# l'elenco dei file dell'installazione vera del giocatore resta com'era
[ -f "$BUILD/install_manifest.txt" ] && cp "$BUILD/install_manifest.txt" "$LAVORO/manifest.txt"
ripristina() { [ -f "$LAVORO/manifest.txt" ] && cp "$LAVORO/manifest.txt" "$BUILD/install_manifest.txt"; pulisci; }
trap ripristina EXIT

installa() { cmake --install "$BUILD" --prefix "$P" >"$LAVORO/installa.log" 2>&1 || errore "$(cat "$LAVORO/installa.log")"; }
contatore() { tr -d '\r' <"$C/Mr.Gorbio.002" | awk -F= '/^\[/{s=$0} s=="[Toob]" && $1=="k"{print $2}'; }
installati() { (cd "$P" && find . ! -type d | sort); }

installa
for f in "$SORGENTI"/resources/img/icona_*.png; do
  lato=${f##*_}; lato=${lato%.png}
  [ -f "$P/share/icons/hicolor/${lato}x$lato/apps/$ID.png" ] || errore "manca l'icona $lato"
done
[ -f "$P/share/icons/hicolor/scalable/apps/$ID.svg" ] || errore "manca l'icona vettoriale"
desktop-file-validate "$DESKTOP" || errore "desktop-file-validate"
appstreamcli validate --no-net "$P/share/metainfo/$ID.metainfo.xml" || errore "appstreamcli validate"

# il comando installato avvia il gioco, che conta l'avvio nella cartella installata
prima=$(contatore)
"$P/bin/mrgorbio" >/dev/null 2>"$LAVORO/gioco.err" &
PID_GIOCO=$!
aspetta " Veltrak Mr.Gorbio 1.0" 30 || errore "il comando installato non mostra il gioco"
classe=$(xprop -id "$FINESTRA" WM_CLASS | sed 's/.*", "\(.*\)"$/\1/')
grep -qx "StartupWMClass=$classe" "$DESKTOP" || errore "WM_CLASS $classe diversa da StartupWMClass"
kill "$PID_GIOCO"
wait "$PID_GIOCO" 2>/dev/null || true
PID_GIOCO=""
[ "$(contatore)" = $((${prima:-0} + 1)) ] || errore "contatore: prima ${prima:-nessuno}, dopo $(contatore)"
stat -c %A "$C/Mr.Gorbio.001" | grep -q w && errore "il gioco non ha protetto i file dati"

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
[ "$(installati)" = "./lib/mrgorbio/Mr.Gorbio.002" ] || errore "dopo la disinstallazione resta: $(installati)"
echo "ok: installato, avviato dal menu, reinstallato e tolto (resta $C/Mr.Gorbio.002)"
