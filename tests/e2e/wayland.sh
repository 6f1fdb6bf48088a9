#!/usr/bin/env bash
# Il gioco su Wayland (sway senza schermo, da utente normale, cartella di sola lettura), giocato coi tasti:
# la finestra d'avvio, poi quella del gioco col fuoco senza clic e la scena; un round vinto e salvato (il round 2
# intatto); l'effetto di chiusura sopra la classifica, anche spostata; Alt+F4, stato 0, nessun errore di Wayland.
# Uso: wayland.sh <cartella degli eseguibili>
source "$(dirname "$0")/../support/prova-e2e.sh" gorbio-wayland
chmod 755 "$LAVORO"
UTENTE=65534
CASA=$LAVORO/casa CORSA=$LAVORO/casa/corsa GIOCO=$LAVORO/gioco
TITOLO=" Veltrak Mr.Gorbio 1.0" INFO=" Veltrak Info Service..."
PID_SWAY="" PID_AUDIO="" PID_GIOCO="" PID_EVENTI=""
pulisci() {
  # i processi uccisi qui non si annunciano
  exec 2>/dev/null
  for p in $PID_EVENTI $PID_GIOCO $PID_AUDIO $PID_SWAY; do kill -9 "$p" 2>/dev/null || true; done
  chmod -R u+w "$LAVORO" 2>/dev/null || true
  rm -rf "$LAVORO"
}
trap pulisci EXIT
sbaglio() {
  (da_giocatore grim "$CORSA/errore.png") 2>/dev/null && cp "$CORSA/errore.png" /tmp/gorbio-e2e-wayland.png
  errore "$@"
}

mkdir -p -m 700 "$CORSA"
cp -r "$1/." "$GIOCO"
awk 'BEGIN { for (i = 0; i < 4100; i++) print "CAVOLO" }' >"$GIOCO/Mr.Gorbio.001"
# la cartella del gioco e' di sola lettura per il giocatore: le impostazioni sono la sua copia
chmod -R a+rX,a-w "$GIOCO"
cat >"$CASA/sway.conf" <<'FINE'
xwayland disable
output HEADLESS-1 resolution 1024x768 position 0 0
focus_follows_mouse no
default_floating_border normal 2
FINE
# da root il giocatore e' un utente normale (sway non parte da root); da utente, chi fa la prova
if [ "$(id -u)" = 0 ]; then chown -R "$UTENTE:$UTENTE" "$CASA"; fi

# un comando del giocatore al posto della sottoshell (il pid resta), nel suo ambiente pulito
da_giocatore() {
  local chi=() desktop=()
  [ "$(id -u)" = 0 ] && chi=(setpriv --reuid="$UTENTE" --regid="$UTENTE" --clear-groups)
  [ -n "${SWAYSOCK:-}" ] && desktop=(WAYLAND_DISPLAY="$SCHERMO" SWAYSOCK="$SWAYSOCK")
  exec "${chi[@]}" env -i HOME="$CASA" XDG_RUNTIME_DIR="$CORSA" TMPDIR="$CORSA" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    "${desktop[@]}" "$@"
}
tasti() { (da_giocatore wtype -s 400 "$@") || sbaglio "wtype $*"; }
# le finestre di $PID_GIOCO, una per riga: x y larghezza altezza (l'area del programma), fuoco, titolo
finestre() {
  (da_giocatore swaymsg -t get_tree) | python3 -c '
import json, sys
def giu(n):
    if n.get("pid") == int(sys.argv[1]) and n.get("type") in ("con", "floating_con"):
        r, w = n["rect"], n["window_rect"]
        print(r["x"] + w["x"], r["y"] + w["y"], w["width"], w["height"], int(n["focused"]), n.get("name") or "", sep="\t")
    for f in n.get("nodes", []) + n.get("floating_nodes", []):
        giu(f)
giu(json.load(sys.stdin))' "$PID_GIOCO"
}
# fino a $2 secondi (5) la finestra col titolo $1, in X Y L A quando sway l'ha sistemata (due letture uguali)
aspetta() {
  local fino=$((SECONDS + ${2:-5})) riga prima=""
  until riga=$(finestre | awk -F '\t' -v t="$1" '$6 == t && !f { print $1, $2, $3, $4; f = 1 }') &&
    [ -n "$riga" ] && [ "$riga" = "$prima" ]; do
    [ $SECONDS -lt $fino ] || return 1
    prima=$riga
    sleep 0.1
  done
  read -r X Y L A <<<"$riga"
}
# fino a 5 secondi perche' la finestra col titolo $1 sparisca
sparisce() {
  for _ in $(seq 1 50); do
    finestre | awk -F '\t' -v t="$1" '$6 == t { f=1 } END { exit !f }' || return 0
    sleep 0.1
  done
  return 1
}
# quante istantanee $CORSA/scatto-*.ppm dell'area $1 mostrano il primo rettangolo dell'effetto: nero sui
# quattro lati proprio sul bordo della finestra in X Y L A, e appena fuori no
effetto_sulla_finestra() {
  python3 - "$1" "$X" "$Y" "$L" "$A" "$CORSA"/scatto-*.ppm <<'FINE'
import sys
zona, x, y, l, a = sys.argv[1], *map(int, sys.argv[2:6])
zx, zy = (int(v) for v in zona.split()[0].split(","))
def nero(punti, img, largh):
    neri = sum(1 for px, py in punti if max(img[3 * (py * largh + px):3 * (py * largh + px) + 3]) < 48)
    return neri / len(punti)
visti = 0
for f in sys.argv[6:]:
    dati = open(f, "rb").read()
    campi = dati.split(maxsplit=4)
    largh, dati = int(campi[1]), campi[4]
    x0, y0 = x - zx, y - zy
    dentro = [[(x0 + i, y0) for i in range(l)], [(x0 + i, y0 + a - 1) for i in range(l)],
              [(x0, y0 + j) for j in range(a)], [(x0 + l - 1, y0 + j) for j in range(a)]]
    fuori = [[(x0 + i, y0 - 1) for i in range(l)], [(x0 - 1, y0 + j) for j in range(a)]]
    if all(nero(p, dati, largh) > 0.95 for p in dentro) and all(nero(p, dati, largh) < 0.5 for p in fuori):
        visti += 1
print(visti)
FINE
}
# la classifica chiusa con Esc mentre grim la fotografa di continuo: quante istantanee hanno l'effetto
chiudi_classifica() {
  local zona="$((X - 4)),$((Y - 4)) $((L + 8))x$((A + 8))"
  rm -f "$CORSA"/scatto-*.ppm "$CORSA/basta"
  (da_giocatore sh -c 'n=0; until [ -e "$1/basta" ] || [ $n -ge 60 ]; do n=$((n + 1));
                       grim -t ppm -g "$2" "$1/scatto-$(printf %02d $n).ppm"; done' - "$CORSA" "$zona") &
  local scatti=$!
  sleep 0.3
  tasti -k Escape
  sparisce "$TITOLO - Classifica" || sbaglio "Esc non chiude la classifica"
  touch "$CORSA/basta"
  wait "$scatti"
  EFFETTO=$(effetto_sulla_finestra "$zona")
  # la prima istantanea, prima di Esc, non ha l'effetto: la prova sa anche dire di no
  rm -f "$CORSA"/scatto-0[2-9].ppm "$CORSA"/scatto-[1-9]*.ppm
  [ "$(effetto_sulla_finestra "$zona")" = 0 ] || sbaglio "l'effetto c'e' gia' prima di Esc"
}

# sway e il server audio del giocatore (senza, il gioco si apre con l'avviso della scheda audio)
(cd "$CASA" && da_giocatore WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$CASA/sway.conf") \
  >"$LAVORO/sway.log" 2>&1 &
PID_SWAY=$!
(da_giocatore pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --load=module-null-sink \
  --load=module-native-protocol-unix) >"$LAVORO/pulse.log" 2>&1 &
PID_AUDIO=$!
for _ in $(seq 1 100); do
  SWAYSOCK=$(ls "$CORSA"/sway-ipc.*.sock 2>/dev/null | head -n 1) || true
  SCHERMO=$(ls "$CORSA" | grep -x 'wayland-[0-9]*' | head -n 1) || true
  [ -n "$SWAYSOCK" ] && [ -n "$SCHERMO" ] && (da_giocatore swaymsg -t get_version) >/dev/null 2>&1 && break
  sleep 0.1
done
[ -n "$SCHERMO" ] || errore "sway non parte"
for _ in $(seq 1 100); do (da_giocatore pactl info) >/dev/null 2>&1 && break; sleep 0.1; done

# l'avvio: prima la finestra d'avvio, poi quella del gioco, che ha il fuoco senza clic (gli eventi
# delle finestre di sway in ordine: la finestra d'avvio dura poco piu' di un secondo)
(da_giocatore swaymsg -t subscribe -m -r '["window"]') >"$LAVORO/eventi.json" 2>/dev/null &
PID_EVENTI=$!
sleep 0.2
(da_giocatore QT_QPA_PLATFORM=wayland "$GIOCO/mrgorbio") >/dev/null 2>"$LAVORO/gioco.err" &
PID_GIOCO=$!
aspetta "$TITOLO" 15 || sbaglio "la finestra del gioco non compare"
sleep 0.3
kill "$PID_EVENTI"
wait "$PID_EVENTI" 2>/dev/null || true
# per ogni evento del gioco: cambiamento, finestra, titolo
AVVIO=$(python3 -c '
import json, sys
for riga in open(sys.argv[1]):
    e = json.loads(riga)
    c = e["container"]
    if c.get("pid") == int(sys.argv[2]) and e["change"] in ("new", "close", "focus"):
        print(e["change"], c["id"], c.get("name") or "", sep="\t")' "$LAVORO/eventi.json" "$PID_GIOCO" | tr '\n' '|')
[[ "$AVVIO" =~ ^new.([0-9]+).\|(focus.[0-9]+.mrgorbio\|)?close.([0-9]+).mrgorbio\|new.([0-9]+).\|focus.([0-9]+).$TITOLO\| ]] &&
  [ "${BASH_REMATCH[1]}" = "${BASH_REMATCH[3]}" ] && [ "${BASH_REMATCH[4]}" = "${BASH_REMATCH[5]}" ] ||
  sbaglio "non la finestra d'avvio e poi quella del gioco col fuoco: $AVVIO"
[ "$(finestre | wc -l)" = 1 ] || sbaglio "altre finestre accanto a quella del gioco: $(finestre)"
finestre | awk -F '\t' -v t="$TITOLO" '$6 == t && $5 == 1 { f = 1 } END { exit !f }' || sbaglio "la finestra del gioco non ha il fuoco: $(finestre)"
# la scena iniziale si vede: il suo cielo, circa 18000 punti azzurri
(da_giocatore grim "$CORSA/avvio.png") || sbaglio "grim"
cielo=$(convert "$CORSA/avvio.png" -alpha off -fuzz 8% -fill white -opaque 'srgb(87,180,239)' -fill black +opaque white \
  -format '%[fx:int(mean*w*h)]' info:)
[ "$cielo" -gt 10000 ] || sbaglio "la scena non si vede ($cielo punti di cielo)"

# F2 e CAVOLO: il round vinto
tasti -k F2
aspetta "$TITOLO - Livello 1" || sbaglio "F2 non avvia la partita (il fuoco non e' sul gioco?)"
tasti c -s 700 a -s 700 v -s 700 o -s 700 l
sleep 3
tasti -M alt f -m alt -s 300 s
aspetta "Salva gioco..." || sbaglio "il dialogo Salva non compare"
tasti -M ctrl a -m ctrl "$CORSA/vinta" -k Return
aspetta "$INFO" || sbaglio "nessun messaggio dopo il salvataggio"
tasti -k Return
sparisce "$INFO" || sbaglio "il messaggio resta"
salvata() { tr -d '\r' <"$CORSA/vinta.cap" | awk -F= -v k="$1" '$1 == k { print $2 }'; }
# il round nella partita salvata e' r*r + chiave: al round 2, lettere da scoprire * 6 = ventagli - chiave
chiave=$(($(salvata 38pistoni) - 4))
[ "$chiave" -ge 1 ] && [ "$chiave" -le 25 ] || sbaglio "la partita salvata non e' al round 2"
# la L che vince non conta una seconda volta nel round nuovo: sei lettere da scoprire
[ "$(($(salvata ventagli) - chiave))" = 36 ] || sbaglio "round 2 con $((($(salvata ventagli) - chiave) / 6)) lettere da scoprire"

# F5: la classifica spostata da sway e chiusa con Esc, l'effetto sopra di lei dove e' ora
tasti -k F5
aspetta "$TITOLO - Classifica" || sbaglio "F5 non apre la classifica"
primo=$X
(da_giocatore swaymsg "[pid=$PID_GIOCO title=\"Classifica\$\"] move absolute position 600 420") >/dev/null ||
  sbaglio "swaymsg move"
sleep 0.3
aspetta "$TITOLO - Classifica" || sbaglio "la classifica sparisce spostandola"
[ "$X" != "$primo" ] || sbaglio "la classifica non si e' spostata: $X $Y"
chiudi_classifica
[ "$EFFETTO" -ge 1 ] || sbaglio "nessuna istantanea con l'effetto sulla classifica spostata in $X $Y ${L}x$A"
echo "effetto sulla classifica spostata in $X,$Y ${L}x$A: $EFFETTO istantanee"

# Alt+F4 durante la partita: No al salvataggio, lo stato 0
tasti -M alt -k F4 -m alt
aspetta "$INFO" || sbaglio "Alt+F4 non chiede di salvare"
tasti -M alt n -m alt
for _ in $(seq 1 100); do kill -0 "$PID_GIOCO" 2>/dev/null || break; sleep 0.1; done
STATO=0
wait "$PID_GIOCO" || STATO=$?
PID_GIOCO=""
[ "$STATO" = 0 ] || sbaglio "uscita con Alt+F4: stato $STATO"
grep -iE 'wayland|wl_|xdg|protocol error' "$LAVORO/gioco.err" && sbaglio "errori di Wayland"
echo "ok: su sway avvio, fuoco senza clic, scena con $cielo punti di cielo, round vinto," \
  "classifica spostata chiusa con l'effetto sopra, uscita"
