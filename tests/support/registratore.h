#pragma once
// Il registratore delle tracce: dopo ogni passo scrive, una riga per fatto, cio' che il giocatore vede cambiato
// (finestre, controlli, menu, timer) e cio' che e' successo (suoni, attese, messaggi, dialoghi, file scritti).

#include <QHash>
#include <QImage>
#include <QObject>
#include <QMap>
#include <QStringList>
#include <memory>

#include "support/piattaformafinta.h"

class QCursor;
class QWidget;

class Registratore {
public:
  Registratore(PiattaformaFinta& finta, const QString& cartella);
  // Il titolo di un passo, prima di eseguirlo (ne restituisce la riga); alla fine quello che e' cambiato.
  qsizetype titolo(const QString& titolo);
  void fine(qsizetype passo);
  // A meta' di un passo (un'attesa, un messaggio): scrive solo se qualcosa e' cambiato.
  void sonda(const QString& nome);
  QStringList righe;
  // le finestre come si sono viste, per impronta dei pixel (per guardarle quando una traccia non torna)
  mutable QHash<QString, QImage> scatti;

private:
  using Campi = QMap<QString, QString>;  // campo -> valore, in ordine di nome
  void finestra(QWidget* w, QList<std::pair<QString, Campi>>& stato) const;
  QString immagine(const QPixmap& p) const;
  QString puntatore(const QCursor& c) const;
  QString impronta(QWidget* w) const;
  void cambiamenti(const QString& sonda, qsizetype passo);
  void eventi();
  QStringList file();
  QString pulito(QString testo) const;

  PiattaformaFinta& mFinta;
  QString mCartella;
  QHash<QByteArray, QString> mImmagini;  // hash dei pixel -> risorsa
  QHash<QString, Campi> mPrima;
  QStringList mFinestre;
  QHash<QString, QByteArray> mFile;
  qsizetype mUltimoTitolo = -1;
  std::unique_ptr<QObject> mOrecchio;  // sente gli annunci al lettore di schermo
  qsizetype mEventi = 0, mMessaggi = 0, mInput = 0, mDialoghi = 0;
};
