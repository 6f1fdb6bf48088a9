#include "persistence/scritturaatomica.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
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

// Il temporaneo si chiama <file>.nuovo-<pid>: chi lo trova sa di chi e'.
constexpr char NUOVO[] = ".nuovo-";

// Un processo ucciso fra il collegamento e la rinomina lascia il suo
// temporaneo: lo toglie la scrittura seguente, se quel processo non c'e' piu'.
void togliTemporaneiOrfani(const QString& destinazione) {
  const QFileInfo info(destinazione);
  const QString prefisso = info.fileName() + QLatin1String(NUOVO);
  QDir cartella = info.absoluteDir();
  for (const QString& nome : cartella.entryList({prefisso + u'*'}, QDir::Files | QDir::Hidden | QDir::System)) {
    bool numero = false;
    const pid_t pid = nome.mid(prefisso.size()).section(u'-', 0, 0).toInt(&numero);
    if (numero && pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH) cartella.remove(nome);
  }
}

// Dopo la rinomina anche la cartella va su disco, o un crash puo' riportare il vecchio nome.
void sincronizzaCartella(const QByteArray& cartella) {
  const int fd = ::open(cartella.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Cartella che rifiuta il temporaneo ma file scrivibile: si riscrive sul posto.
// Lo spazio si prende prima di toccare un byte, cosi' un disco pieno lascia il file com'era.
bool scriviSulPosto(const QByteArray& finale, const QByteArray& dati, QString& errore) {
  const int fd = ::open(finale.constData(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) {
    errore = descrizione(errno);
    return false;
  }
  int codice = dati.isEmpty() ? 0 : ::posix_fallocate(fd, 0, dati.size());
  bool ok = codice == 0 && scriviTutto(fd, dati) && ::ftruncate(fd, dati.size()) == 0 && ::fsync(fd) == 0;
  if (!ok && codice == 0) codice = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    codice = errno;
  }
  if (!ok) errore = descrizione(codice ? codice : EIO);
  return ok;
}

// La maschera dei permessi del processo, letta senza cambiarla: umask() la
// cambierebbe per un attimo anche agli altri thread.
mode_t mascheraPermessi() {
  QFile stato(QStringLiteral("/proc/self/status"));
  if (stato.open(QIODevice::ReadOnly)) {
    for (QByteArray riga = stato.readLine(); !riga.isEmpty(); riga = stato.readLine()) {
      bool ok = false;
      const uint m = riga.startsWith("Umask:") ? riga.mid(6).trimmed().toUInt(&ok, 8) : 0;
      if (ok) return static_cast<mode_t>(m);
    }
  }
  return 022;
}

// Il temporaneo al posto del file; senza sostituire, solo se il file non c'e' ancora.
bool mettiAlPosto(const QByteArray& temporaneo, const QByteArray& finale, bool sostituisci) {
  if (sostituisci) return ::rename(temporaneo.constData(), finale.constData()) == 0;
  if (::link(temporaneo.constData(), finale.constData()) != 0) return false;
  ::unlink(temporaneo.constData());
  return true;
}

bool scrivi(const QString& file, const QByteArray& dati, QString& errore, bool sostituisci) {
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
  if (esisteva && !sostituisci) {
    errore = descrizione(EEXIST);
    return false;
  }
  if (esisteva && ::access(finale.constData(), W_OK) != 0) {
    errore = descrizione(EACCES);
    return false;
  }
  // un file nuovo nasce come ogni altro: 0666 meno la maschera del processo
  const mode_t permessi = esisteva ? (vecchio.st_mode & 07777) : (0666 & ~mascheraPermessi());
  togliTemporaneiOrfani(destinazione);
  const QByteArray prefisso = finale + NUOVO + QByteArray::number(::getpid());

  // un file senza nome finche' non e' completo: se il processo muore non resta nulla
  QByteArray temporaneo;
  int fd = ::open(cartella.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  const bool anonimo = fd >= 0;
  if (!anonimo) {
    temporaneo = prefisso + "-XXXXXX";
    fd = ::mkstemp(temporaneo.data());
    if (fd < 0 && esisteva && (errno == EACCES || errno == EPERM)) return scriviSulPosto(finale, dati, errore);
    if (fd < 0) {
      errore = descrizione(errno);
      return false;
    }
  }
  bool ok = scriviTutto(fd, dati) && ::fchmod(fd, permessi) == 0 && ::fsync(fd) == 0;
  int codice = ok ? 0 : errno;
  if (ok && anonimo) {
    temporaneo = prefisso;
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
  if (ok && !mettiAlPosto(temporaneo, finale, sostituisci)) {
    ok = false;
    codice = errno;
  }
  if (ok) sincronizzaCartella(cartella);
  if (!ok) {
    if (!temporaneo.isEmpty()) ::unlink(temporaneo.constData());
    errore = descrizione(codice ? codice : EIO);
  }
  return ok;
}

}  // namespace

bool pfuncSostituisciFile(const QString& file, const QByteArray& dati, QString& errore) {
  return scrivi(file, dati, errore, true);
}

bool pfuncCreaFile(const QString& file, const QByteArray& dati, QString& errore) {
  return scrivi(file, dati, errore, false);
}
