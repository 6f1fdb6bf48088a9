#include "audio/caricasuono.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QFile>

CaricatoreSuono::CaricatoreSuono(const QString& percorsoModulo)
    : mCaricamento(std::async(std::launch::async, &CaricatoreSuono::carica, QFile::encodeName(percorsoModulo))) {}

// il modulo resta caricato fino alla fine: scaricare Qt Multimedia non serve e non e' sicuro
CaricatoreSuono::~CaricatoreSuono() {
  mMotore.reset();
  if (mCaricamento.valid()) mCaricamento.wait();
}

CaricatoreSuono::Esito CaricatoreSuono::carica(const QByteArray& percorso) {
  // RTLD_LAZY: risolvere subito tutti i simboli di Qt Multimedia costa ~5 ms in piu' e il
  // primo controllo della scheda aspetta questo caricamento; si risolvono solo quelli usati
  void* modulo = dlopen(percorso.constData(), RTLD_LAZY | RTLD_LOCAL);
  if (!modulo) return {nullptr, QString::fromLocal8Bit(dlerror())};
  return {modulo, {}};
}

MotoreSuono* CaricatoreSuono::motore() {
  if (mChiesto) return mMotore.get();
  mChiesto = true;
  const Esito esito = mCaricamento.get();
  mErrore = esito.errore;
  if (esito.modulo) {
    if (auto crea = reinterpret_cast<CreaMotoreSuono>(dlsym(esito.modulo, SIMBOLO_CREA_MOTORE))) {
      mMotore.reset(crea());
    } else {
      mErrore = QString::fromLocal8Bit(dlerror());
    }
  }
  if (!mMotore) qWarning("Suono non disponibile, si gioca senza: %s", qPrintable(mErrore));
  return mMotore.get();
}

QString pfuncPercorsoModuloSuono() {
  return QCoreApplication::applicationDirPath() + u'/' + QLatin1String(NOME_MODULO_SUONO);
}
