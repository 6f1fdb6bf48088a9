#pragma once
// Il suono vero sta in un modulo a parte, libgorbio_suono.so: Qt Multimedia e le
// librerie che si tira dietro (PulseAudio, codec, rete) costano all'avvio una
// quindicina di millisecondi, e cosi' si caricano in un altro thread mentre la
// finestra d'avvio si prepara.

#include <QUrl>

class MotoreSuono {
public:
  virtual ~MotoreSuono() = default;
  // c'e' almeno un'uscita audio
  virtual bool dispositivoPresente() = 0;
  // ferma il suono in corso e suona questo
  virtual void suona(const QUrl& sorgente, bool ripeti) = 0;
  virtual void ferma() = 0;
};

// la funzione che il modulo esporta
using CreaMotoreSuono = MotoreSuono* (*)();
inline constexpr char SIMBOLO_CREA_MOTORE[] = "gorbio_crea_motore_suono";
inline constexpr char NOME_MODULO_SUONO[] = "libgorbio_suono.so";
