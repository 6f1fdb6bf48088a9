#pragma once
// Carica il modulo del suono in un thread a parte appena nasce; il motore si
// crea nel thread che lo chiede per primo (quello della finestra), dopo
// avere aspettato la fine del caricamento.

#include <QString>
#include <future>
#include <memory>

#include "audio/motoresuono.h"

class CaricatoreSuono {
public:
  explicit CaricatoreSuono(const QString& percorsoModulo);
  ~CaricatoreSuono();
  CaricatoreSuono(const CaricatoreSuono&) = delete;
  CaricatoreSuono& operator=(const CaricatoreSuono&) = delete;

  // nullptr se il modulo manca o non si carica (il gioco va avanti muto)
  MotoreSuono* motore();
  // perche' il motore manca (vuoto se c'e')
  const QString& errore() const { return mErrore; }

private:
  struct Esito {
    void* modulo = nullptr;
    QString errore;
  };
  static Esito carica(const QByteArray& percorso);

  std::future<Esito> mCaricamento;
  std::unique_ptr<MotoreSuono> mMotore;
  QString mErrore;
  bool mChiesto = false;
};

// il modulo accanto all'eseguibile
QString pfuncPercorsoModuloSuono();
