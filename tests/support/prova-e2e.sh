# Le parti comuni delle prove di fine a fine (tests/e2e/*.sh), da includere con
# "source ... PREFISSO": il display di ./check, i sorgenti, la cartella di lavoro
# /tmp/PREFISSO.XXXXXX, l'errore che mostra i registri e lo schermo, i valori delle impostazioni.
set -euo pipefail
: "${GORBIO_DISPLAY:?serve il display di ./check}"
export DISPLAY="$GORBIO_DISPLAY"
SORGENTI=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
LAVORO=$(mktemp -d "/tmp/$1.XXXXXX")
errore() {
  echo "ERRORE: $*" >&2
  for f in "$LAVORO"/*.err "$LAVORO"/*.log; do [ -s "$f" ] && { echo "--- $(basename "$f")" >&2; tail -20 "$f" >&2; }; done
  import -window root /tmp/gorbio-e2e-errore.png 2>/dev/null || true
  exit 1
}
# il valore della chiave $3 nella sezione $2 del file delle impostazioni $1
valore_ini() { tr -d '\r' <"$1" | awk -F= -v s="[$2]" -v k="$3" '/^\[/{t=$0} t==s && $1==k{print $2}'; }
