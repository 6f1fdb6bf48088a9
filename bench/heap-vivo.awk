# Il heap vivo minuto per minuto da un file di heaptrack decompresso (zstd -dc FILE | awk -f ...):
# "a DIM TRACCIA" definisce un'allocazione, "+ N" e "- N" la fanno e la liberano, "c MS" e' l'ora,
# "R PAGINE" la memoria residente; numeri in esadecimale. heaptrack_print da' solo il picco e la
# fine: la differenza fra il minuto 10 e l'ultimo la da' questo. "minimo_mb" e' il heap vivo piu'
# basso nel minuto prima della riga: senza i blocchi di passaggio (i 4 MB del suono che sta suonando)
function esa(s,   i, n, c) {
  n = 0
  s = tolower(s)
  for (i = 1; i <= length(s); i++) {
    c = index("0123456789abcdef", substr(s, i, 1))
    n = n * 16 + c - 1
  }
  return n
}
BEGIN { OFS = "\t"; print "minuto", "vivo_mb", "minimo_mb", "rss_mb", "allocazioni_vive"; prossimo = 0 }
$1 == "a" { dim[na++] = esa($2); next }
$1 == "+" { vivo += dim[esa($2)]; ++vive; next }
$1 == "-" { vivo -= dim[esa($2)]; --vive; if (vivo < minimo) minimo = vivo; next }
$1 == "R" { rss = esa($2) * 4096; next }
$1 == "c" {
  ms = esa($2)
  while (ms >= prossimo * 60000) {
    if (vivo < minimo) minimo = vivo
    print prossimo, sprintf("%.2f", vivo / 1e6), sprintf("%.2f", minimo / 1e6), sprintf("%.1f", rss / 1e6), vive
    ++prossimo
    minimo = vivo
  }
  next
}
END { print sprintf("%.2f", ms / 60000), sprintf("%.2f", vivo / 1e6), sprintf("%.2f", minimo / 1e6), sprintf("%.1f", rss / 1e6), vive }
