#include "app/memoria.h"

#include <malloc.h>

void psubImpostaAllocatore() {
  // soglia fissa: i blocchi da 128 kB in su (i 4 MB che Qt Multimedia prende per ogni suono, le
  // figure delle scene) tornano al sistema appena liberati. Con la soglia mobile di glibc, liberato
  // il primo suono finivano nel heap, che non si accorciava piu' (dopo 20 minuti di round: 8 MB
  // liberi ma residenti)
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
}

void psubRestituisciMemoria() {
  // le finestre si costruiscono e si distruggono a ogni apertura: le pagine rimaste libere in mezzo
  // al heap e alle arene dei thread restano residenti (dopo un'ora di round, 2 MB). A ogni round
  // nuovo tornano al sistema quelle libere per intero (meno di un millisecondo)
  malloc_trim(0);
}
