#pragma once
// La piattaforma reale: Qt Widgets, il modulo del suono, servizi del desktop.

#include <QInputDialog>
#include <QLockFile>
#include <QPointer>
#include <QUrl>
#include <memory>
#include <random>

#include "app/piattaforma.h"
#include "audio/caricasuono.h"

class PiattaformaQt : public Piattaforma {
public:
  // il modulo del suono comincia a caricarsi qui
  explicit PiattaformaQt(const QString& moduloSuono = pfuncPercorsoModuloSuono());
  ~PiattaformaQt() override;

  Risposta mostraMessaggio(const QString& testo, Pulsanti pulsanti, Icona icona, const QString& titolo,
                           const QString& annunci) override;
  QString inputBox(const QString& prompt, const QString& titolo, const QString& predefinito) override;
  QString dialogoApri(QWidget* padre, const DialogoFile& d) override;
  QString dialogoSalva(QWidget* padre, const DialogoFile& d) override;
  void mostraModale(QDialog* finestra) override;
  void quandoTornaAttiva(QWidget* finestra, std::function<void()> fai) override;

  bool dispositivoAudio() override;
  void chiudiInputBox() override;
  void suonaRisorsa(const QString& percorsoRisorsa, bool ripeti) override;
  void suonaFile(const QString& percorso, bool ripeti) override;
  void fermaSuono() override;
  void beep() override;

  qint64 adessoMs() override;
  void attendi(int ms) override;
  void elaboraEventi() override;
  std::unique_ptr<TimerPiattaforma> creaTimer(std::function<void()> scatto) override;

  void randomize() override;
  double rnd() override;

  bool apriLink(const QString& link) override;
  QSize dimensioniSchermo() override;
  int bitPerPixel() override;
  bool altraCopiaInEsecuzione() override;
  void spostaCursore(int x, int y) override;
  [[noreturn]] void termina() override;

private:
  void suona(const QUrl& sorgente, bool ripeti);

  CaricatoreSuono mSuono;
  std::unique_ptr<QLockFile> mBlocco;
  std::mt19937 mGeneratore;
  QPointer<QInputDialog> mInput;  // la InputBox aperta, per chiuderla
};
