#!/usr/bin/env bash
# Rigenera resources/resources.qrc dall'elenco dei file in resources/.
set -euo pipefail
cd "$(dirname "$0")/../resources"
{
  echo '<!DOCTYPE RCC>'
  echo '<RCC version="1.0">'
  echo '  <qresource prefix="/">'
  for d in jpg wave img cursors fonts; do
    [ -d "$d" ] || continue
    find "$d" -maxdepth 1 -type f ! -name '*.md' | LC_ALL=C sort | while read -r f; do
      echo "    <file>$f</file>"
    done
  done
  echo '  </qresource>'
  echo '</RCC>'
} > resources.qrc
