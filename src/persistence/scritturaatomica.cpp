#include "persistence/scritturaatomica.h"

#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString descrizione(int codice) { return QString::fromLocal8Bit(std::strerror(codice)); }

// Tutto il blocco, anche a pezzi; falso al primo errore (disco pieno compreso).
bool scriviTutto(int fd, const QByteArray& dati) {
  const char* p = dati.constData();
  qsizetype resto = dati.size();
  while (resto > 0) {
    const ssize_t n = ::write(fd, p, static_cast<size_t>(resto));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    resto -= n;
  }
  return true;
}

}  // namespace

bool pfuncSostituisciFile(const QString& file, const QByteArray& dati, QString& errore) {
  // un link si segue: si sostituisce il file a cui punta, non il link
  const QFileInfo info(file);
  const QString destinazione = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
  if (QFileInfo(destinazione).isDir()) {
    errore = descrizione(EISDIR);
    return false;
  }
  const QByteArray finale = QFile::encodeName(destinazione);
  const QByteArray cartella = QFile::encodeName(QFileInfo(destinazione).absolutePath());
  struct stat vecchio {};
  const bool esisteva = ::stat(finale.constData(), &vecchio) == 0;
  if (esisteva && ::access(finale.constData(), W_OK) != 0) {
    errore = descrizione(EACCES);
    return false;
  }
  const mode_t permessi = esisteva ? (vecchio.st_mode & 07777) : 0644;

  // un file senza nome finche' non e' completo: se il processo muore non resta nulla
  QByteArray temporaneo;
  int fd = ::open(cartella.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  const bool anonimo = fd >= 0;
  if (!anonimo) {
    temporaneo = finale + ".XXXXXX";
    fd = ::mkstemp(temporaneo.data());
    if (fd < 0) {
      errore = descrizione(errno);
      return false;
    }
  }
  bool ok = scriviTutto(fd, dati) && ::fchmod(fd, permessi) == 0 && ::fsync(fd) == 0;
  int codice = ok ? 0 : errno;
  if (ok && anonimo) {
    temporaneo = finale + ".nuovo-" + QByteArray::number(::getpid());
    ::unlink(temporaneo.constData());
    const QByteArray proc = "/proc/self/fd/" + QByteArray::number(fd);
    if (::linkat(AT_FDCWD, proc.constData(), AT_FDCWD, temporaneo.constData(), AT_SYMLINK_FOLLOW) != 0) {
      ok = false;
      codice = errno;
      temporaneo.clear();
    }
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    codice = errno;
  }
  if (ok && ::rename(temporaneo.constData(), finale.constData()) != 0) {
    ok = false;
    codice = errno;
  }
  if (!ok) {
    if (!temporaneo.isEmpty()) ::unlink(temporaneo.constData());
    errore = descrizione(codice ? codice : EIO);
  }
  return ok;
}
