#!/usr/bin/env bash
# La maratona: il gioco vero (build/bin/mrgorbio) giocato per N minuti sotto un Xvfb proprio, con
# openbox e un'uscita audio nulla (tools/servizi-prova.sh), da una copia della cartella del gioco
# in una cartella temporanea (le impostazioni di build/bin non si toccano). Ogni --passo secondi
# una riga: minuto, memoria residente, thread, file aperti, tasti premuti. Fuori da ./check.
#
# Modi:  tasti  un giocatore irrequieto: lettere, Invio, Esc, spazio, Tab, F1-F6, ~14 al secondo
#        round  round interi: lettere, jolly, soluzione, resa, pausa, salva e carica, le finestre
#               delle informazioni e dei ringraziamenti, la classifica, fine partita
#
# Uso: bench/maratona.sh [--minuti N] [--modo tasti|round] [--passo S] [--heaptrack]
#                        [--eseguibili DIR] [--registri DIR] [--tsv FILE] [--seme N]
#   --heaptrack       il gioco gira sotto heaptrack; alla fine heaptrack_print (picco e perdite
#                     per punto di chiamata), il heap vivo minuto per minuto (bench/heap-vivo.awk)
#                     e chi cresce dal minuto 10 in poi (bench/heap-crescita.py)
#   --eseguibili DIR  la cartella con mrgorbio, libgorbio_suono.so e i file dati (build/bin);
#                     per esempio build-asan/bin: LeakSanitizer parla all'uscita, in gioco.err
#   --lsan            con --eseguibili build-asan/bin (tools/sanitizzatori.sh): LeakSanitizer
#                     controlla le perdite anche all'uscita con _Exit (bench/lsan-uscita.c)
#   --smaps           a ogni campione anche /proc/PID/smaps in smaps/MINUTO (chi cresce: heap,
#                     mappe anonime, memoria condivisa con X o PulseAudio)
#   --senza A[,B]     nel modo round salta queste azioni: file (salva e carica), soluzione,
#                     resa, finestre (informazioni, ringraziamenti, classifica), pausa, jolly;
#                     per vedere quale fa crescere la memoria
#   --nomi-corti      nel dialogo dei file solo il nome, nella cartella proposta dal gioco, come
#                     un giocatore; senza, il percorso intero in una cartella sotto /tmp
#   --registri DIR    dove restano gioco.err, la tabella e i file di heaptrack (se manca: una
#                     cartella temporanea, detta alla fine)
# Esce con 1 se il gioco muore, non si chiude o scrive avvisi sull'uscita d'errore.
# tutto lo script e' un blocco: bash lo legge intero prima di eseguirlo, e modificarlo mentre
# gira (lo si fa, in un'ora) non cambia la maratona in corso
{
set -euo pipefail
SORGENTI=$(cd "$(dirname "$0")/.." && pwd)
MINUTI=60 MODO=tasti PASSO=30 HEAPTRACK=0 BIN=$SORGENTI/build/bin REGISTRI="" TSV="" SEME=$$ SMAPS=0 LSAN=0 SENZA="" NOMI_CORTI=0
while (($#)); do
  case "$1" in
    --minuti) MINUTI=$2; shift 2 ;;
    --modo) MODO=$2; shift 2 ;;
    --passo) PASSO=$2; shift 2 ;;
    --heaptrack) HEAPTRACK=1; shift ;;
    --eseguibili) BIN=$(cd "$2" && pwd); shift 2 ;;
    --registri) REGISTRI=$2; shift 2 ;;
    --tsv) TSV=$2; shift 2 ;;
    --seme) SEME=$2; shift 2 ;;
    --smaps) SMAPS=1; shift ;;
    --lsan) LSAN=1; shift ;;
    --senza) SENZA=,$2,; shift 2 ;;
    --nomi-corti) NOMI_CORTI=1; shift ;;
    *) sed -n '2,25p' "$0" >&2; exit 2 ;;
  esac
done
[[ $MODO == tasti || $MODO == round ]] || { echo "modo sconosciuto: $MODO" >&2; exit 2; }
for a in ${SENZA//,/ }; do
  [[ $a =~ ^(file|soluzione|resa|finestre|pausa|jolly)$ ]] || { echo "azione sconosciuta: $a" >&2; exit 2; }
done
# l'azione $1 del round e' da fare (non e' in --senza)
fa() { [[ $SENZA != *",$1,"* ]]; }
[[ -x $BIN/mrgorbio ]] || { echo "manca $BIN/mrgorbio (compilare prima)" >&2; exit 2; }
for p in Xvfb openbox xdotool pulseaudio; do
  command -v "$p" >/dev/null || { echo "manca $p (tools/install-deps)" >&2; exit 2; }
done
((HEAPTRACK)) && ! command -v heaptrack >/dev/null && { echo "manca heaptrack (tools/install-deps)" >&2; exit 2; }

LAVORO=$(mktemp -d /tmp/gorbio-maratona.XXXXXX)
[[ -n $REGISTRI ]] || REGISTRI=$LAVORO/registri
mkdir -p "$REGISTRI" "$LAVORO/gioco" "$LAVORO/casa"
REGISTRI=$(cd "$REGISTRI" && pwd)
cp "$BIN"/mrgorbio "$BIN"/Mr.Gorbio.00? "$LAVORO/gioco/"
[[ -f $BIN/libgorbio_suono.so ]] && cp "$BIN/libgorbio_suono.so" "$LAVORO/gioco/"
chmod -R u+w "$LAVORO/gioco"
# la classifica parte vuota a ogni giro: la copia di build/bin puo' averne una qualunque
cp "$SORGENTI/data/Mr.Gorbio.002" "$LAVORO/gioco/"
ESEGUIBILE=$LAVORO/gioco/mrgorbio
TITOLO=" Veltrak Mr.Gorbio 1.0"

source "$SORGENTI/tools/servizi-prova.sh"
# due maratone avviate insieme sceglierebbero lo stesso display libero
exec 9>/tmp/gorbio-maratona.lock
flock 9
avvia_servizi_prova
flock -u 9
# chiuso: il gioco non deve ereditare il lucchetto delle maratone (Xvfb e PulseAudio, partiti
# col lucchetto preso, ne tengono una copia: va sciolto prima)
exec 9>&-
export DISPLAY=$GORBIO_DISPLAY
# casa propria: openbox, i dialoghi di Qt e XDG non scrivono nella casa di chi misura
export HOME=$LAVORO/casa XDG_CONFIG_HOME=$LAVORO/casa/.config XDG_DATA_HOME=$LAVORO/casa/.local/share
# il browser di un desktop: i link aperti finiscono in link.log (senza, Qt avvisa a ogni link)
mkdir -p "$LAVORO/strumenti"
printf '#!/bin/sh\necho "$*" >>"%s/link.log"\n' "$REGISTRI" >"$LAVORO/strumenti/xdg-open"
chmod +x "$LAVORO/strumenti/xdg-open"
export PATH=$LAVORO/strumenti:$PATH
PID_WM="" PID_GIOCO="" PID_AVVIO=""
pulisci() {
  [[ -n $PID_AVVIO ]] && kill -9 "$PID_AVVIO" 2>/dev/null || true
  [[ -n $PID_GIOCO ]] && kill -9 "$PID_GIOCO" 2>/dev/null || true
  [[ -n $PID_WM ]] && kill "$PID_WM" 2>/dev/null || true
  ferma_servizi_prova
  chmod -R u+w "$LAVORO/gioco" 2>/dev/null || true
  rm -rf "$LAVORO/gioco" "$LAVORO/casa"
  # con --registri altrove della cartella di lavoro non resta niente da guardare
  [[ $REGISTRI == "$LAVORO"/* ]] || rm -rf "$LAVORO"
}
trap pulisci EXIT
trap 'exit 1' INT TERM HUP
openbox --sm-disable >"$REGISTRI/openbox.log" 2>&1 &
PID_WM=$!
sleep 1

AMBIENTE_GIOCO=(env)
if ((LSAN)); then
  ASAN=$(ldd "$ESEGUIBILE" | awk '/libasan/ { print $3 }')
  [[ -n $ASAN ]] || { echo "--lsan: $ESEGUIBILE non e' compilato con AddressSanitizer" >&2; exit 2; }
  cc -shared -fPIC -O1 -o "$LAVORO/lsan-uscita.so" "$SORGENTI/bench/lsan-uscita.c"
  # solo per il gioco: xdotool e openbox restano come sono
  AMBIENTE_GIOCO+=("LD_PRELOAD=$ASAN $LAVORO/lsan-uscita.so"
    # come tools/sanitizzatori.sh, ma un errore non ferma il gioco a meta' maratona
    ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0:fast_unwind_on_malloc=0:malloc_context_size=20
    "LSAN_OPTIONS=suppressions=$SORGENTI/tools/lsan.supp:print_suppressions=0")
fi
log() { printf '%s %s\n' "$(date +%T)" "$*" >&2; }

if ((HEAPTRACK)); then
  "${AMBIENTE_GIOCO[@]}" nice -n 5 heaptrack -o "$REGISTRI/heaptrack" "$ESEGUIBILE" >"$REGISTRI/heaptrack.out" 2>"$REGISTRI/gioco.err" &
else
  "${AMBIENTE_GIOCO[@]}" nice -n 5 "$ESEGUIBILE" >/dev/null 2>"$REGISTRI/gioco.err" &
fi
PID_AVVIO=$!
# sotto heaptrack il gioco e' un figlio dello script di heaptrack: il suo pid e' quello della finestra
principale() {
  local w
  for w in $(xdotool search --onlyvisible --name "^$TITOLO" 2>/dev/null); do
    echo "$w"
    return 0
  done
  return 1
}
# il gioco coi sanitizzatori parte lento
fino=$((SECONDS + 180))
until W=$(principale); do
  ((SECONDS < fino)) || { log "la finestra del gioco non compare"; cat "$REGISTRI/gioco.err" >&2; exit 1; }
  sleep 0.2
done
PID_GIOCO=$(xdotool getwindowpid "$W")
log "gioco: pid $PID_GIOCO, finestra $W, modo $MODO, $MINUTI minuti, registri in $REGISTRI"

vivo() { kill -0 "$PID_GIOCO" 2>/dev/null; }
TASTI=0
# le finestre visibili del gioco oltre a quella principale
altre() { xdotool search --onlyvisible --pid "$PID_GIOCO" 2>/dev/null | grep -vx "$W" || true; }
fuoco() { xdotool windowactivate "$1" 2>/dev/null || xdotool windowfocus "$1" 2>/dev/null || true; }
CONTO=$LAVORO/tasti
premi() {
  xdotool key --clearmodifiers "$@" 2>/dev/null || true
  TASTI=$((TASTI + $#))
  echo "$TASTI" >"$CONTO"
}
# chiude ogni finestra rimasta aperta (messaggi, dialoghi, informazioni) con Esc e poi Invio
sgombra() {
  local w tentativo
  for tentativo in 1 2 3 4 5 6 7 8 9 10; do
    # la piu' recente, o a turno un'altra (un dialogo modale figlio di un altro)
    w=$(altre | tail -n $((1 + tentativo / 4)) | head -n 1)
    [[ -n $w ]] || return 0
    fuoco "$w"
    sleep 0.2
    if ((tentativo % 2)); then premi Escape; else premi Return; fi
    sleep 0.5
  done
  log "una finestra non si chiude: $(xdotool getwindowname "$w" 2>/dev/null)"
}
titoli() { local w; for w in $W $(altre); do printf '[%s] ' "$(xdotool getwindowname "$w" 2>/dev/null)"; done; }
# aspetta fino a $2 secondi una finestra del gioco col nome che contiene $1
aspetta_finestra() {
  local fino=$((SECONDS + $2)) w
  while ((SECONDS < fino)); do
    for w in $(altre); do
      xdotool getwindowname "$w" 2>/dev/null | grep -qF -- "$1" && { fuoco "$w"; sleep 0.3; return 0; }
    done
    sleep 0.2
  done
  return 1
}

# --- campioni: minuto, memoria residente, thread, file aperti ---
INTESTAZIONE="minuto	rss_mb	thread	file	tasti"
TABELLA=$REGISTRI/memoria.tsv
echo "$INTESTAZIONE" >"$TABELLA"
T0=${EPOCHREALTIME/./}
echo 0 >"$CONTO"
campione() {
  local rss t k
  # il conto si riscrive a ogni tasto: letto a meta' e' vuoto
  k=$(cat "$CONTO"); [[ -n $k ]] || { sleep 0.01; k=$(cat "$CONTO"); }
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$PID_GIOCO/status" 2>/dev/null) || return 1
  [[ -n $rss ]] || return 1
  t=${EPOCHREALTIME/./}
  ((SMAPS)) && mkdir -p "$REGISTRI/smaps" && cp "/proc/$PID_GIOCO/smaps" "$REGISTRI/smaps/$(((t - T0) / 60000000)).$((((t - T0) / 6000000) % 10))" 2>/dev/null
  awk -v t=$((t - T0)) -v r="$rss" -v th="$(ls "/proc/$PID_GIOCO/task" | wc -l)" \
    -v f="$(ls "/proc/$PID_GIOCO/fd" 2>/dev/null | wc -l)" -v k="${k:-0}" \
    'BEGIN { printf "%.1f\t%.1f\t%d\t%d\t%d\n", t / 6e7, r * 1024 / 1e6, th, f, k }' | tee -a "$TABELLA"
}
# un campione ogni PASSO secondi dall'inizio, finche' il gioco vive
campioni() {
  local n=1 adesso
  while vivo; do
    adesso=${EPOCHREALTIME/./}
    sleep "$(awk -v d=$((T0 + n * PASSO * 1000000 - adesso)) 'BEGIN { printf "%.3f", (d > 0 ? d : 0) / 1e6 }')"
    [[ -e $LAVORO/basta ]] && return 0
    campione || return 0
    n=$((n + 1))
  done
}

# --- modo tasti ---
SCELTA=( {a..z} {a..z} {a..z} Return Escape space Tab F1 F2 F3 F4 F5 F6 )
giro_tasti() {
  local fine=$1 k n=0
  RANDOM=$SEME
  while ((SECONDS < fine)); do
    k=${SCELTA[RANDOM % ${#SCELTA[@]}]}
    # senza fuoco (una finestra appena chiusa) i tasti andrebbero persi: torna al gioco
    if ((++n % 40 == 0)) && [[ $(xdotool getactivewindow 2>/dev/null) == "" ]]; then fuoco "$W"; fi
    xdotool key "$k" 2>/dev/null || true
    TASTI=$((TASTI + 1))
    echo "$TASTI" >"$CONTO"
    ((n % 20)) || vivo || return 1
    sleep 0.03
  done
}

# --- modo round ---
LETTERE=eaiorntlscdpmuvgbfzhq
# dal menu $1 (Alt+lettera) la voce $2, quando il menu si e' aperto
menu() {
  local prima fino
  sgombra
  fuoco "$W"
  sleep 0.2
  prima=$(altre | wc -l)
  premi "alt+$1"
  fino=$((SECONDS + 3))
  while (($(altre | wc -l) <= prima)) && ((SECONDS < fino)); do sleep 0.1; done
  sleep 0.2
  premi "$2"
  sleep 0.6
}
# un percorso nel dialogo dei file, poi il messaggio che conferma (o l'errore), chiuso con Invio;
# ogni salvataggio ha un file nuovo (niente domanda "sostituire?"), il caricamento prende l'ultimo
SALVATAGGI=0
dialogo_file() {
  aspetta_finestra "$1" 10 || { log "il dialogo $1 non compare ($(titoli))"; sgombra; return 0; }
  if [[ $1 == Salva ]]; then
    rm -f "$LAVORO/casa/maratona-$SALVATAGGI.cap" "$LAVORO/gioco/maratona-$SALVATAGGI.cap"
    SALVATAGGI=$((SALVATAGGI + 1))
  fi
  premi ctrl+a
  local nome=maratona-$SALVATAGGI.cap
  ((NOMI_CORTI)) || nome=$LAVORO/casa/$nome
  xdotool type --delay 15 "$nome" 2>/dev/null || true
  premi Return
  aspetta_finestra "Veltrak Info Service" 10 && premi Return
  sleep 0.5
  sgombra
}
lettere() {
  local i
  for ((i = 0; i < $1; i++)); do
    # una finestra aperta (fine del round, classifica) o la partita finita: basta lettere
    [[ -z $(altre) ]] && in_partita || return 0
    fuoco "$W"
    premi "${LETTERE:RANDOM % ${#LETTERE}:1}"
    sleep 0.8
  done
}
in_partita() { xdotool getwindowname "$W" 2>/dev/null | grep -qF " - Livello"; }
# la partita in corso finisce con F4: "Sicuro di voler terminare?" si', "Salvare?" no
termina() {
  local giro
  for giro in 1 2 3 4 5; do
    in_partita || return 0
    sgombra
    fuoco "$W"; premi F4; sleep 0.8
    aspetta_finestra "" 3 && { premi Return; sleep 0.8; }
    aspetta_finestra "" 3 && { premi Escape; sleep 0.8; }
    sgombra
  done
  log "la partita non finisce con F4 ($(titoli))"
}
un_round() {
  termina
  fuoco "$W"; premi F2
  local fino=$((SECONDS + 8))
  until in_partita || ((SECONDS >= fino)); do sleep 0.3; done
  sleep 2.5
  sgombra
  lettere 6
  if fa jolly; then fuoco "$W"; premi alt+j; sleep 2; sgombra; fi
  lettere 3
  # pausa e ripresa
  if fa pausa; then
    fuoco "$W"; premi F3; sleep 2
    aspetta_finestra "" 2 && { premi F3; sleep 1.5; }
    sgombra
  fi
  if fa file; then menu f s; dialogo_file "Salva"; fi
  lettere 4
  # la soluzione: una parola a caso (di solito sbagliata)
  if fa soluzione; then
    fuoco "$W"; premi alt+s
    if aspetta_finestra "" 4; then
      xdotool type --delay 20 "$(printf '%s' "${LETTERE:RANDOM % 10:6}")" 2>/dev/null || true
      premi Return
      sleep 6
    fi
    sgombra
  fi
  lettere 3
  # la resa
  if fa resa; then
    fuoco "$W"; premi alt+a; sleep 1
    aspetta_finestra "" 2 && { premi Return; sleep 6; }
    sgombra
  fi
  termina
  if fa file; then
    menu f c
    dialogo_file "Carica"
    in_partita && lettere 8
    sleep 2
    sgombra
    termina
  fi
  # le finestre delle informazioni, i ringraziamenti, la classifica e il suo azzeramento
  fa finestre || return 0
  local voce
  for voce in F1 "menu i c" "menu i r" "menu i t" "menu t Return" F5 F6; do
    if [[ $voce == menu* ]]; then $voce; else fuoco "$W"; premi "$voce"; fi
    sleep 2.5
    sgombra
  done
}
giro_round() {
  local fine=$1
  RANDOM=$SEME
  while ((SECONDS < fine)); do
    un_round
    vivo || return 1
  done
}

campione
campioni &
PID_CAMPIONI=$!
FINE=$((SECONDS + $(awk -v m="$MINUTI" 'BEGIN { printf "%d", m * 60 }')))
esito=0
if [[ $MODO == tasti ]]; then
  giro_tasti "$FINE" || esito=1
else
  giro_round "$FINE" || esito=1
fi
touch "$LAVORO/basta"
kill "$PID_CAMPIONI" 2>/dev/null || true
wait "$PID_CAMPIONI" 2>/dev/null || true
# l'ultimo campione alla fine del gioco, prima della chiusura
vivo && { campione || true; }
if ! vivo; then
  # uscito da se' (0: una voce di menu, un errore del gioco) o ucciso (128 + segnale)
  stato=0; wait "$PID_AVVIO" 2>/dev/null || stato=$?
  log "il gioco e' morto dopo $TASTI tasti (stato d'uscita $stato)"
  esito=1
else
  log "vivo dopo $TASTI tasti; chiusura con Alt+F4"
  # chiusura pulita: sotto heaptrack e LeakSanitizer serve la fine del programma
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    sgombra
    fuoco "$W"
    premi alt+F4
    sleep 1
    vivo || break
    # "Sicuro di voler uscire?" non si chiede da tastiera; "Salvare la partita?" no
    aspetta_finestra "Veltrak Info Service" 2 && premi Escape
    sleep 3
    vivo || break
  done
  if vivo; then log "il gioco non si chiude"; esito=1; fi
fi
wait "$PID_AVVIO" 2>/dev/null || true
PID_GIOCO="" PID_AVVIO=""
[[ -n $TSV ]] && cp "$TABELLA" "$TSV"

# avvisi del gioco (di Qt o nostri) e segnalazioni dei sanitizzatori
if grep -v '^heaptrack' "$REGISTRI/gioco.err" | grep -qiE 'warning|critical|error|Sanitizer'; then
  log "avvisi nel registro del gioco ($REGISTRI/gioco.err):"
  grep -v '^heaptrack' "$REGISTRI/gioco.err" | grep -iE 'warning|critical|error|Sanitizer' | sort | uniq -c | sort -rn | head -20 >&2
  esito=1
fi

awk -F'\t' 'NR == 1 { next }
  { m[NR] = $1; r[NR] = $2; n = NR }
  $1 + 0 >= 10 && d == 0 { d = NR }
  END {
    if (!n) exit
    printf "\nRSS: inizio %.1f MB, massimo ", r[2]
    mx = 0; for (i = 2; i <= n; i++) if (r[i] > mx) mx = r[i]
    printf "%.1f MB, fine %.1f MB (minuto %.1f)\n", mx, r[n], m[n]
    if (d) printf "dal minuto %.1f (%.1f MB) alla fine: %+.1f MB, %.3f MB al minuto\n", m[d], r[d], r[n] - r[d], (m[n] > m[d]) ? (r[n] - r[d]) / (m[n] - m[d]) : 0
    # un campione solo oscilla di 1 MB (un suono, le immagini condivise con X): le medie di cinque minuti no
    for (i = 2; i <= n; i++) {
      if (m[i] >= 10 && m[i] < 15) { a += r[i]; na++ }
      if (m[i] > m[n] - 5) { b += r[i]; nb++ }
    }
    if (na && nb && m[n] >= 20) printf "media dei minuti 10-15 %.1f MB, degli ultimi 5 %.1f MB: %+.1f MB\n", a / na, b / nb, b / nb - a / na
  }' "$TABELLA"

if ((HEAPTRACK)); then
  DATI=$(ls "$REGISTRI"/heaptrack*.zst 2>/dev/null | head -n 1 || true)
  if [[ -n $DATI ]]; then
    heaptrack_print -f "$DATI" -n 15 -s 5 --print-peaks 1 --print-leaks 1 --print-allocators 0 --print-temporary 0 >"$REGISTRI/heaptrack.txt" 2>/dev/null || true
    zstd -dc "$DATI" | awk -f "$SORGENTI/bench/heap-vivo.awk" >"$REGISTRI/heap-vivo.tsv" || true
    echo
    echo "heaptrack: $DATI (riassunto in $REGISTRI/heaptrack.txt)"
    grep -E '^(total runtime|calls to allocation|peak heap|peak RSS|total memory leaked)' "$REGISTRI/heaptrack.txt" || true
    echo "heap vivo (minuto, MB; il piu' basso del minuto):"
    awk -F'\t' 'NR > 1 && ($1 % 5 == 0 || $1 == 1 || $1 != int($1)) { printf "  %s\t%s\t%s\n", $1, $2, $3 }' "$REGISTRI/heap-vivo.tsv"
    # chi e' cresciuto dal minuto 10 (dopo i caricamenti pigri: suoni, figure, dialoghi)
    if python3 "$SORGENTI/bench/heap-crescita.py" "$DATI" --da 10 --a "$MINUTI" --pile 8 >"$REGISTRI/heap-crescita.txt" 2>/dev/null; then
      sed -n '1,/^$/p' "$REGISTRI/heap-crescita.txt"
    fi
  fi
fi
echo "registri: $REGISTRI"
exit $esito
}
