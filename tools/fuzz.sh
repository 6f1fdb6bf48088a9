#!/usr/bin/env bash
# Compila i bersagli libFuzzer di fuzz/, riprova tutti i casi salvati
# (fuzz/regressioni/<bersaglio>/ e fuzz/corpus/<bersaglio>/) e poi fuzza
# ogni bersaglio per N secondi. Esce con errore a ogni crash, perdita o
# segnalazione dei sanitizzatori, e dice dove sta l'ingresso che la riproduce.
#
# Non installa nulla: clang, libclang-rt-14-dev e llvm-14 (llvm-symbolizer)
# li installa tools/install-deps.
#
# Uso: tools/fuzz.sh [--secondi N] [bersaglio...]
#   tools/fuzz.sh                       30 secondi per bersaglio
#   tools/fuzz.sh --secondi 600         giro lungo
#   tools/fuzz.sh fuzz_partita          un bersaglio solo
set -euo pipefail
cd "$(dirname "$0")/.."

secondi=30
bersagli=()
while [ $# -gt 0 ]; do
  case "$1" in
    --secondi) secondi=${2:?manca il numero di secondi}; shift 2 ;;
    --secondi=*) secondi=${1#*=}; shift ;;
    fuzz_profilo | fuzz_partita | fuzz_parole) bersagli+=("$1"); shift ;;
    -h | --help) sed -n '2,13p' "$0"; exit 0 ;;
    *) echo "Argomento sconosciuto: $1 (vedi --help)" >&2; exit 2 ;;
  esac
done
# zero per libFuzzer vorrebbe dire senza limite
[[ $secondi =~ ^[1-9][0-9]*$ ]] || { echo "--secondi vuole un intero positivo" >&2; exit 2; }
[ ${#bersagli[@]} -gt 0 ] || bersagli=(fuzz_profilo fuzz_partita fuzz_parole)

command -v clang++ >/dev/null || { echo "Manca clang++: lanciare tools/install-deps" >&2; exit 1; }
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${bersagli[@]}"

# quarantena piccola: gli ingressi sono piccoli, e quella predefinita (256 MB) dimezza la velocita'
export ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=16:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# file e riga nei rapporti: llvm-symbolizer accanto a clang (pacchetto llvm-14)
if ! command -v llvm-symbolizer >/dev/null; then
  simbolizzatore=$(clang++ -print-prog-name=llvm-symbolizer)
  if [ -x "$simbolizzatore" ]; then export ASAN_SYMBOLIZER_PATH=$simbolizzatore; fi
fi

# il corpus che cresce sta fuori dal repository; i reperti restano in build-fuzz
lavoro=$(mktemp -d /tmp/gorbio-fuzz.XXXXXX)
trap 'rm -rf "$lavoro"' EXIT
registri=build-fuzz/registri
mkdir -p "$registri"

esito=0
riepilogo=()

fallito() {  # bersaglio, fase, registro
  local reperto ultimo
  echo "*** $1: segnalazione durante $2 (registro: $3)" >&2
  grep -E -A1 'ERROR:|runtime error:|PROPRIETA' "$3" | head -n 12 >&2 || true
  ultimo=$(sed -n 's/^Running: //p' "$3" | tail -n 1)
  if [ -n "$ultimo" ]; then echo "*** Ingresso: $ultimo" >&2; fi
  reperto=$(sed -n 's/.*Test unit written to //p' "$3" | tail -n 1)
  if [ -n "$reperto" ]; then
    echo "*** Riproduttore: $reperto  (riprova: build-fuzz/$1 $reperto)" >&2
    echo "*** Dopo la correzione copiarlo in fuzz/regressioni/$1/" >&2
  fi
  esito=1
}

for b in "${bersagli[@]}"; do
  eseguibile=build-fuzz/$b

  # 1. ogni caso salvato, uno per uno
  mapfile -d '' casi < <(find "fuzz/regressioni/$b" "fuzz/corpus/$b" -type f ! -name '.*' -print0 2>/dev/null | sort -z)
  registro=$registri/$b-riprova.log
  echo "== $b: riprovo ${#casi[@]} casi salvati"
  mkdir -p "build-fuzz/reperti/$b"
  if [ ${#casi[@]} -gt 0 ] &&
    ! "$eseguibile" -timeout=25 -artifact_prefix="build-fuzz/reperti/$b/" "${casi[@]}" >"$registro" 2>&1; then
    fallito "$b" "la riprova dei casi salvati" "$registro"
    riepilogo+=("$b: casi salvati FALLITI")
    continue
  fi

  # 2. fuzzing su una copia del corpus
  corpus=$lavoro/$b
  mkdir -p "$corpus"
  cp -r "fuzz/corpus/$b/." "$corpus/"
  registro=$registri/$b-fuzz.log
  echo "== $b: fuzzing per $secondi secondi"
  stato=0
  "$eseguibile" -max_len=65536 -dict="fuzz/$b.dict" -max_total_time="$secondi" -detect_leaks=1 \
    -print_final_stats=1 -timeout=25 -rss_limit_mb=2048 -artifact_prefix="build-fuzz/reperti/$b/" \
    "$corpus" >"$registro" 2>&1 || stato=$?
  esecuzioni=$(awk '/stat::number_of_executed_units/ {print $2}' "$registro" | tail -n 1)
  velocita=$(awk '/stat::average_exec_per_sec/ {print $2}' "$registro" | tail -n 1)
  if [ "$stato" -ne 0 ]; then
    fallito "$b" "il fuzzing" "$registro"
    riepilogo+=("$b: SEGNALAZIONE dopo ${esecuzioni:-?} esecuzioni")
  else
    riepilogo+=("$b: ${esecuzioni:-?} esecuzioni in $secondi s (${velocita:-?}/s), nessuna segnalazione")
  fi
done

echo
printf '%s\n' "${riepilogo[@]}"
exit "$esito"
