#!/usr/bin/env bash
# Il lettore di schermo vero: Orca e il gioco sotto Xvfb, con i tasti al ritmo del gioco (round vinto, jolly,
# soluzioni, resa, game over, partita caricata e tempo scaduto, pausa). Conta quello che si sente: fallisce se
# una frase del gioco e' tagliata da un'altra prima che la voce di espeak-ng la finisca, senza un tasto del
# giocatore in mezzo (udito.py; gli avvisi del tempo possono interrompere).
# Uso: lettore.sh <cartella degli eseguibili della build>; GORBIO_SOLO_MISURA=1 stampa senza fallire.
source "$(dirname "$0")/../support/prova-e2e.sh" gorbio-lettore
: "${PULSE_SERVER:?serve il server audio di ./check}"
trap 'chmod -R u+w "$LAVORO"; rm -rf "$LAVORO"' EXIT
cp -r "$1/." "$LAVORO/gioco"
awk 'BEGIN { for (i = 0; i < 4100; i++) print "CAVOLO" }' >"$LAVORO/gioco/Mr.Gorbio.001"
# round 80, TABACCHI con due errori, 14 secondi: l'avviso dei 10 secondi e il tempo scaduto
cp "$SORGENTI/tests/dati/partite/r20.cap" "$LAVORO/gioco/r20.cap"
export LAVORO SORGENTI
# il primo processo dello spazio di Orca gli passa il TERM: Orca chiude il registro per bene;
# il registro si apre a righe, cosi' ogni frase ci arriva quando Orca la dice
cat >"$LAVORO/orca.sh" <<'FINE'
/usr/bin/python3 - --replace -u "$LAVORO/orca" --debug-file "$LAVORO/orca.log" <<'PY' &
import builtins, runpy, sys
_apri = builtins.open
def apri(f, modo="r", *a, **k):
    if f == sys.argv[-1] and "w" in modo and not a and "buffering" not in k:
        return _apri(f, modo, 1, *a, **k)
    return _apri(f, modo, *a, **k)
builtins.open = apri
sys.argv[0] = "orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
PY
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
  # il gestore delle finestre, come sul desktop di un giocatore: mette il fuoco sui dialoghi e lo rende dopo
  openbox >"$LAVORO/openbox.log" 2>&1 &
  WM=$!
  # fino a 10 s la finestra del gioco col titolo $1 (o che comincia cosi); il fuoco ce lo mette il gestore,
  # se no la prova (e conta come un passo del giocatore)
  fuoco() {
    local w=""
    for _ in $(seq 1 50); do
      for w in $(xdotool search --onlyvisible --pid "$GIOCO" 2>/dev/null); do
        case "$(xdotool getwindowname "$w" 2>/dev/null)" in
          "$1"*)
            [ "$(xdotool getactivewindow 2>/dev/null)" = "$w" ] && return 0
            sleep 0.3
            [ "$(xdotool getactivewindow 2>/dev/null)" = "$w" ] && return 0
            echo "TASTO $(ora) fuoco" >>"$LAVORO/tasti.txt"; xdotool windowfocus "$w" 2>/dev/null; sleep 0.3; return 0 ;;
        esac
      done
      sleep 0.2
    done
    echo "manca la finestra: $1" >>"$LAVORO/prova.err"
    import -window root "$LAVORO/manca-$(date +%s%N).png" 2>/dev/null
  }
  ora() { date +%H:%M:%S.%N; }
  scena() { echo "SCENA $(ora) $*" >>"$LAVORO/tasti.txt"; }
  # un tasto del giocatore, poi la pausa che il gioco gli chiede (la sequenza di suoni e immagini)
  premi() { echo "TASTO $(ora) $1" >>"$LAVORO/tasti.txt"; xdotool key --clearmodifiers "$1"; sleep "$2"; }
  # i tre pulsanti (1 la soluzione, 2 il jolly, 3 la resa) e il menu File col mouse: con Orca acceso
  # Alt+lettera lascia la barra dei menu attiva, e il tasto seguente andrebbe ai menu
  pulsante() {
    echo "TASTO $(ora) pulsante $1" >>"$LAVORO/tasti.txt"
    xdotool mousemove --window "$(xdotool getactivewindow)" $((52 + 106 * ($1 - 1))) 321 click 1; sleep "$2"
  }
  menu_file() {
    echo "TASTO $(ora) menu File" >>"$LAVORO/tasti.txt"
    xdotool mousemove --window "$(xdotool getactivewindow)" 16 8 click 1; sleep 0.8
  }
  # come chi ascolta prima di rispondere: fino a 10 s, che Orca legga il messaggio o il dialogo appena aperto
  LETTI=0
  ascolta() {
    local n
    for _ in $(seq 1 100); do
      n=$(grep -c "SPEECH OUTPUT: .\(alert\| Veltrak Info Service... dialog\| Veltrak Mr.Gorbio 1.0 - Classifica dialog\)" "$LAVORO/orca.log")
      [ "$n" -gt "$LETTI" ] && { LETTI=$n; sleep 0.5; return 0; }
      sleep 0.1
    done
  }
  # un errore: il tasto, poi (fino a 10 s) che Orca cominci a dirlo, poi aspetta lo stadio. Con la
  # macchina carica lo stadio comincia in ritardo, e un tasto premuto sotto la clessidra andrebbe perso
  sbaglia() {
    local prima
    prima=$(grep -c "SPEECH OUTPUT: .* Errore [0-9] di 8" "$LAVORO/orca.log")
    premi "$1" 0
    for _ in $(seq 1 100); do
      [ "$(grep -c "SPEECH OUTPUT: .* Errore [0-9] di 8" "$LAVORO/orca.log")" -gt "$prima" ] && break
      sleep 0.1
    done
    sleep "$2"
  }
  scrivi() { echo "TASTO $(ora) $1" >>"$LAVORO/tasti.txt"; xdotool type --delay 40 "$1"; sleep 0.3; }
  INFO=" Veltrak Info" GIOCO_T=" Veltrak Mr.Gorbio 1.0"
  fuoco "$GIOCO_T"; sleep 1
  scena "round vinto"
  premi F2 3; for t in o c a v; do premi $t 1.2; done; premi z 2.5; premi l 4.5
  scena "jolly"
  pulsante 2 2.5
  scena "soluzione giusta"
  pulsante 1 1; fuoco "$INFO"; ascolta; scrivi cavolo; premi Return 4.5
  scena "soluzione sbagliata, game over con la classifica"
  fuoco "$GIOCO_T"; pulsante 1 1; fuoco "$INFO"; ascolta; scrivi pippo; premi Return 15
  fuoco "$INFO"; ascolta; premi Return 1.5; fuoco "$INFO"; ascolta; scrivi Ugo; premi Return 2
  fuoco "$GIOCO_T - Classifica"; ascolta; premi Escape 2; fuoco "Veltrak Info"; ascolta; premi Return 3
  scena "resa"
  fuoco "$GIOCO_T"; pulsante 3 15; fuoco "Veltrak Info"; ascolta; premi Return 3
  scena "game over all ottavo errore"
  fuoco "$GIOCO_T"
  sbaglia b 2.3; sbaglia d 1.4; sbaglia e 2.2; sbaglia f 2.3; sbaglia g 1.7; sbaglia h 2.3; sbaglia i 5.2; sbaglia m 11
  fuoco "Veltrak Info"; ascolta; premi Escape 2
  scena "partita caricata e tempo scaduto"
  fuoco "$GIOCO_T"; menu_file; premi c 1.5; fuoco "Carica gioco"; scrivi r20.cap; premi Return 1.5
  fuoco "$INFO"; ascolta; premi Return 17
  fuoco "$INFO"; ascolta; premi Return 14
  fuoco "$INFO"; ascolta; premi Return 1.5; fuoco "$INFO"; ascolta; scrivi Eva; premi Return 2
  fuoco "$GIOCO_T - Classifica"; ascolta; premi Escape 2; fuoco "Veltrak Info"; ascolta; premi Escape 2
  scena "pausa"
  fuoco "$GIOCO_T"; premi F2 4; premi F3 1.5; fuoco "$INFO"; ascolta; premi F3 2; fuoco "$GIOCO_T"; premi o 7
  scena "fine"
  kill "$GIOCO" "$WM" 2>/dev/null
  pkill -TERM -P "$ORCA"
  # se Orca non si chiude da se, via tutto il suo spazio di processi
  for _ in $(seq 1 50); do kill -0 "$ORCA" 2>/dev/null || break; sleep 0.1; done
  kill -KILL "$ORCA" 2>/dev/null
  wait "$ORCA" "$GIOCO" "$WM" 2>/dev/null
  kill "$BUS" 2>/dev/null
  true
' 2>"$LAVORO/dbus.err"
# per guardarli dopo una misura: il registro di Orca e i tasti
[ -n "${GORBIO_REGISTRO_ORCA:-}" ] && cp "$LAVORO"/*.log "$LAVORO"/*.txt "$LAVORO"/*.png "$GORBIO_REGISTRO_ORCA/" 2>/dev/null || true
[ -s "$LAVORO/prova.err" ] && errore "$(cat "$LAVORO/prova.err")"
/usr/bin/python3 "$SORGENTI/tests/e2e/udito.py" "$LAVORO/orca.log" "$LAVORO/tasti.txt" "$LAVORO/durate" || {
  [ -n "${GORBIO_SOLO_MISURA:-}" ] || errore "una frase del gioco e' stata tagliata"
}
