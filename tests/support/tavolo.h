#pragma once
// Un tavolo da gioco per le prove: cartella temporanea con i file dati,
// poche parole scelte, la finestra del gioco e la piattaforma finta.

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "play/frmgioco.h"
#include "support/piattaformafinta.h"

class Tavolo {
public:
  explicit Tavolo(const QStringList& parole = {QStringLiteral("CAVOLO")},
                  const QByteArray& impostazioni = QByteArray());

  // Nuova partita con la parola numero "indice" (da 1) della lista.
  void nuovaPartita(int indice = 1);
  // Le dieci caselle unite, per esempio "_A_O_O".
  QString caselle() const;

  AmbienteTest amb;
  PiattaformaFinta& finta;
  QTemporaryDir dir;
  std::unique_ptr<frmGioco> f;  // ultimo membro: si distrugge per primo
  int numeroParole;
};
