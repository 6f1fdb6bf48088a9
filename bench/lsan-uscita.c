/* Per la maratona col gioco compilato con i sanitizzatori: il gioco esce con _Exit, che salta il
 * controllo delle perdite di LeakSanitizer; questo _Exit lo fa prima di uscire.
 * cc -shared -fPIC -o lsan-uscita.so lsan-uscita.c, poi LD_PRELOAD (dopo la libreria di ASan). */
#include <sanitizer/lsan_interface.h>
#include <sys/syscall.h>
#include <unistd.h>

void _Exit(int stato) {
  __lsan_do_recoverable_leak_check();
  syscall(SYS_exit_group, stato);
  for (;;) {
  }
}
