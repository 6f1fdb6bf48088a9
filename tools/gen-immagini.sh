#!/usr/bin/env bash
# Rigenera tutte le immagini del gioco dai sorgenti SVG.
# Serve: python3, rsvg-convert (librsvg2-bin), ImageMagick 6 (/usr/bin/convert,
# /usr/bin/identify), fonts-liberation2. Uscita identica byte per byte a ogni giro.
set -euo pipefail
cd "$(dirname "$0")/.."

SRC=resources/sources/immagini
CONVERT=/usr/bin/convert
IDENTIFY=/usr/bin/identify
for t in python3 rsvg-convert "$CONVERT" "$IDENTIFY"; do
  command -v "$t" >/dev/null || { echo "manca $t" >&2; exit 1; }
done
fc-match 'Liberation Sans:bold' family | grep -q 'Liberation Sans' || { echo "manca fonts-liberation2" >&2; exit 1; }

export LC_ALL=C TZ=UTC SOURCE_DATE_EPOCH=0
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# 1) sorgenti SVG (patibolo e personaggio condivisi) + punti caldi
python3 "$SRC/genera_svg.py" "$SRC"

# 2) tabella: uscita  sorgente  larghezza  altezza
#    le @2x sono le stesse al doppio, per gli schermi a scala 2
TABELLA="
resources/jpg/ID_00.jpg ID_00 315 229
resources/jpg/ID_01.jpg ID_01 315 229
resources/jpg/ID_02.jpg ID_02 315 229
resources/jpg/ID_03.jpg ID_03 315 229
resources/jpg/ID_04.jpg ID_04 315 229
resources/jpg/ID_05.jpg ID_05 315 229
resources/jpg/ID_06.jpg ID_06 315 229
resources/jpg/ID_07.jpg ID_07 315 229
resources/jpg/ID_08.jpg ID_08 315 229
resources/jpg/ID_11.jpg ID_11 315 229
resources/jpg/ID_12.jpg ID_12 315 229
resources/img/avvio_0.png avvio_0 100 93
resources/img/avvio_1.png avvio_1 58 58
resources/img/avvio_2.png avvio_2 400 36
resources/img/avvio_3.png avvio_3 320 16
resources/img/avvio_4.png avvio_4 91 22
resources/img/classifica_sfondo.jpg classifica_sfondo 340 195
resources/img/classifica_logo.png classifica_logo 45 64
resources/img/resetta_icona.png resetta_icona 32 32
resources/img/disco_1.jpg disco_1 200 284
resources/img/disco_2.jpg disco_2 200 284
resources/img/satellite_1.jpg satellite_1 143 158
resources/img/satellite_2.jpg satellite_2 143 158
resources/img/pausa.png pausa 64 64
resources/img/info_regole.png info_regole 48 48
resources/img/info_tastiera.png info_tastiera 48 48
resources/img/info_codice.png info_codice 48 48
resources/img/info_gorbio.png info_gorbio 48 48
resources/img/thanx.png thanx 48 48
resources/img/freccia_indietro.png freccia_indietro 24 24
resources/img/freccia_avanti.png freccia_avanti 24 24
resources/img/icona_16.png icona_16 16 16
resources/img/icona_24.png icona_24 24 24
resources/img/icona_32.png icona_32 32 32
resources/img/icona_48.png icona 48 48
resources/img/icona_64.png icona 64 64
resources/img/icona_128.png icona 128 128
resources/img/icona_256.png icona 256 256
resources/cursors/mano_aperta.png mano_aperta 32 32
resources/cursors/mano_premuta.png mano_premuta 32 32
resources/cursors/link.png link 32 32
resources/jpg/ID_00@2x.jpg ID_00 630 458
resources/jpg/ID_01@2x.jpg ID_01 630 458
resources/jpg/ID_02@2x.jpg ID_02 630 458
resources/jpg/ID_03@2x.jpg ID_03 630 458
resources/jpg/ID_04@2x.jpg ID_04 630 458
resources/jpg/ID_05@2x.jpg ID_05 630 458
resources/jpg/ID_06@2x.jpg ID_06 630 458
resources/jpg/ID_07@2x.jpg ID_07 630 458
resources/jpg/ID_08@2x.jpg ID_08 630 458
resources/jpg/ID_11@2x.jpg ID_11 630 458
resources/jpg/ID_12@2x.jpg ID_12 630 458
resources/img/avvio_0@2x.png avvio_0 200 186
resources/img/avvio_1@2x.png avvio_1 116 116
resources/img/avvio_2@2x.png avvio_2 800 72
resources/img/avvio_3@2x.png avvio_3 640 32
resources/img/avvio_4@2x.png avvio_4 182 44
resources/cursors/mano_aperta@2x.png mano_aperta 64 64
resources/cursors/mano_premuta@2x.png mano_premuta 64 64
resources/cursors/link@2x.png link 64 64
"

mkdir -p resources/jpg resources/img resources/cursors
err=0
while read -r out src w h; do
  [ -n "${out:-}" ] || continue
  raw="$TMP/$(basename "$out").png"
  rsvg-convert -w "$w" -h "$h" -f png -o "$raw" "$SRC/$src.svg"
  case "$out" in
    *.jpg)
      "$CONVERT" "$raw" -background white -alpha remove -alpha off -resize "${w}x${h}!" \
        -strip -interlace none -sampling-factor 2x2 -quality 90 "$out" ;;
    *.png)
      "$CONVERT" "$raw" -resize "${w}x${h}!" -strip \
        -define png:exclude-chunks=date,time,tIME,zTXt,tEXt,iTXt "PNG32:$out" ;;
  esac
  # controllo dimensioni
  got=$("$IDENTIFY" -format '%wx%h' "$out")
  if [ "$got" != "${w}x${h}" ]; then
    echo "ERRORE: $out e' $got, atteso ${w}x${h}" >&2; err=1
  fi
  # niente immagini vuote: deve esserci un po' di varieta' di colore
  sd=$("$IDENTIFY" -format '%[fx:standard_deviation]' "$out")
  if awk -v s="$sd" 'BEGIN{exit !(s < 0.01)}'; then
    echo "ERRORE: $out sembra vuota (dev. std $sd)" >&2; err=1
  fi
done <<< "$TABELLA"

# punti caldi dei puntatori: devono cadere su un pixel visibile
cp "$SRC/hotspot.txt" resources/cursors/hotspot.txt
while read -r f1 x1 y1; do
  for fxy in "$f1 $x1 $y1" "${f1%.png}@2x.png $((2 * x1)) $((2 * y1))"; do
    read -r f x y <<< "$fxy"
    a=$("$CONVERT" "resources/cursors/$f" -format "%[fx:p{$x,$y}.a]" info:)
    if awk -v a="$a" 'BEGIN{exit !(a < 0.3)}'; then
      echo "ERRORE: punto caldo di $f ($x,$y) su pixel trasparente ($a)" >&2; err=1
    fi
  done
done < resources/cursors/hotspot.txt

[ "$err" = 0 ] || { echo "gen-immagini: FALLITO" >&2; exit 1; }
echo "gen-immagini: $(grep -c . <<< "$TABELLA") immagini ok"
