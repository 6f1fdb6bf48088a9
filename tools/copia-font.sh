#!/bin/sh
# Copia i font Liberation Sans (pacchetto Debian fonts-liberation2)
# e la loro licenza in resources/fonts/.
set -eu
SRC=/usr/share/fonts/truetype/liberation2
DOC=/usr/share/doc/fonts-liberation2/copyright
DEST="$(dirname "$0")/../resources/fonts"

for f in "$SRC/LiberationSans-Regular.ttf" "$SRC/LiberationSans-Bold.ttf" "$DOC"; do
    if [ ! -f "$f" ]; then
        echo "manca $f: apt-get install -y fonts-liberation2" >&2
        exit 1
    fi
done
mkdir -p "$DEST"
cp "$SRC/LiberationSans-Regular.ttf" "$SRC/LiberationSans-Bold.ttf" "$DEST/"
cp "$DOC" "$DEST/LICENSE"
echo "copiati in $DEST: LiberationSans-Regular.ttf LiberationSans-Bold.ttf LICENSE"
