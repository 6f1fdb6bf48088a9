#!/usr/bin/env bash
# Tutte le prove (tranne quelle di fine a fine) compilate con AddressSanitizer
# e UndefinedBehaviorSanitizer: qualunque segnalazione fa fallire lo script.
# Uso: tools/sanitizzatori.sh
set -euo pipefail
cd "$(dirname "$0")/.."
radice=$PWD
build=build-asan

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake --build "$build" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
# intercept_tls_get_addr=0: con la glibc di Debian 12 il LeakSanitizer di GCC 12
# legge un TLS dinamico falso e va in crash a fine programma ("Tracer caught signal 11")
export ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
# le perdite dentro librerie di sistema stanno in lsan.supp, le nostre no
export LSAN_OPTIONS=suppressions=$radice/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

registro=$build/ctest-sanitizzatori.log
stato=0
ctest --test-dir "$build" -E e2e_ --output-on-failure -j"$(nproc)" --output-log "$registro" || stato=$?

# una segnalazione in un processo figlio potrebbe non cambiare l'esito di ctest
if grep -nE 'ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: (Address|Leak|UndefinedBehavior)Sanitizer' "$registro"; then
  echo "Segnalazioni dei sanitizzatori: vedi $registro" >&2
  stato=1
fi
if [ "$stato" -ne 0 ]; then
  echo "Prove con i sanitizzatori: FALLITE (registro: $registro)" >&2
  # Qt e' compilato senza frame pointer: per le pile intere di una perdita
  echo "Pile complete: ASAN_OPTIONS=\$ASAN_OPTIONS:fast_unwind_on_malloc=0 $build/bin/<prova>" >&2
  exit 1
fi
echo "Prove con i sanitizzatori: nessuna segnalazione"
