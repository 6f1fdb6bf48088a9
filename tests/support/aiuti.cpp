#include "support/aiuti.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString scriviFile(const QString& percorso, const QByteArray& contenuto) {
  QDir().mkpath(QFileInfo(percorso).absolutePath());
  QFile f(percorso);
  if (f.open(QIODevice::WriteOnly)) f.write(contenuto);
  return percorso;
}

QByteArray leggiFile(const QString& percorso) {
  QFile f(percorso);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString cartellaSorgenti() { return QStringLiteral(GORBIO_SORGENTI_DIR); }
