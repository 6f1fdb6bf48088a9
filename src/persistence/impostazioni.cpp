#include "persistence/impostazioni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

#include "persistence/scritturaatomica.h"
#include "words/filedati.h"

namespace {

const QString NOME = QStringLiteral("/Mr.Gorbio.002");

// chiesto al sistema: vale anche per root su un disco montato in sola lettura
bool scrivibile(const QString& percorso) { return ::access(QFile::encodeName(percorso).constData(), W_OK) == 0; }

// La copia nasce intera o per niente, e una gia' fatta (anche da un'altra copia del
// gioco partita nello stesso istante) non si sovrascrive; una vuota non ha nulla da perdere.
bool preparaCopia(const QString& installato, const QString& copia) {
  const int stato = pfuncStatoFile(copia);
  if (stato == 1) return true;
  QFile f(installato);
  if (pfuncStatoFile(installato) != 1 || !f.open(QIODevice::ReadOnly)) return false;
  const QByteArray contenuto = f.readAll();
  QString errore;
  QDir().mkpath(QFileInfo(copia).absolutePath());
  const bool fatta = stato == 0 ? pfuncSostituisciFile(copia, contenuto, errore) : pfuncCreaFile(copia, contenuto, errore);
  return fatta || pfuncStatoFile(copia) == 1;
}

}  // namespace

bool pfuncInstallazioneDiSistema(const QString& cartella) {
  const QFileInfo info(cartella);
  const QString vera = info.canonicalFilePath() + u'/';
  // root puo' scrivere sotto /usr, ma un programma installato non ci scrive mai
  if (vera.startsWith(u"/usr/") || vera.startsWith(u"/opt/")) return true;
  return info.ownerId() != ::geteuid() || !scrivibile(cartella);
}

QString pfuncFileImpostazioni(const QString& cartella) {
  const QString installato = cartella + NOME;
  if (!pfuncInstallazioneDiSistema(cartella)) return installato;
  const QString copia =
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/mrgorbio") + NOME;
  return preparaCopia(installato, copia) ? copia : installato;
}
