#pragma once
// Piattaforma finta per i test: risposte ai dialoghi preparate dal test,
// registro di messaggi e suoni, orologio virtuale su cui girano i timer.

#include <QList>
#include <QSize>
#include <QStringList>
#include <functional>
#include <random>

#include "app/piattaforma.h"

// Lanciata da termina(): i test la aspettano chiamando direttamente i gestori.
struct FineProgramma {};

class PiattaformaFinta : public Piattaforma {
public:
  struct Messaggio {
    QString testo;
    QString titolo;
    Pulsanti pulsanti;
    Icona icona;
  };

  PiattaformaFinta();
  ~PiattaformaFinta() override;

  // risposte preparate
  QList<Risposta> risposte;            // per le domande Si/No
  QStringList testiInput;              // per le InputBox
  QStringList percorsiFile;            // per i dialoghi apri/salva
  QList<std::function<void(QDialog*)>> azioniModali;  // cosa fare nelle finestre modali
  QList<double> casuali;               // prossimi valori di rnd()
  std::function<void(const Messaggio&)> allaDomanda;  // chiamata a ogni msgBox
  std::function<void()> allInput;                     // chiamata mentre una InputBox e' aperta

  // registro
  QList<Messaggio> messaggi;
  QStringList prompt;    // InputBox mostrate
  QStringList suoni;     // "ID_22", "file:<percorso>", con "+loop" se ripetuto
  QStringList eventi;    // tutto in ordine: "msg:", "suono:", "stop", "attesa:ms", "finestra:"
  QStringList inatteso;  // dialoghi arrivati senza risposta preparata
  QStringList link;
  QList<DialogoFile> dialoghi;
  int beeps = 0;
  int fermaSuoni = 0;
  bool terminato = false;

  // ambiente simulato
  bool audio = true;
  QSize schermo{1024, 768};
  int bpp = 24;
  bool altraCopia = false;
  bool modaliVisibili = true;

  // orologio virtuale
  qint64 ora = 0;
  void avanza(qint64 ms);
  int timerAttivi() const;

  Risposta msgBox(const QString& testo, Pulsanti pulsanti, Icona icona, const QString& titolo) override;
  QString inputBox(const QString& prompt, const QString& titolo, const QString& predefinito) override;
  QString dialogoApri(QWidget* padre, const DialogoFile& d) override;
  QString dialogoSalva(QWidget* padre, const DialogoFile& d) override;
  void mostraModale(QDialog* finestra) override;

  bool dispositivoAudio() override { return audio; }
  void suonaRisorsa(const QString& percorsoRisorsa, bool ripeti) override;
  void suonaFile(const QString& percorso, bool ripeti) override;
  void fermaSuono() override;
  void beep() override;

  qint64 adessoMs() override { return ora; }
  void attendi(int ms) override;
  void elaboraEventi() override;
  std::unique_ptr<TimerPiattaforma> creaTimer(std::function<void()> scatto) override;

  void randomize() override {}
  double rnd() override;

  bool apriLink(const QString& l) override;
  QSize dimensioniSchermo() override { return schermo; }
  int bitPerPixel() override { return bpp; }
  bool altraCopiaInEsecuzione() override { return altraCopia; }
  void spostaCursore(int x, int y) override;
  [[noreturn]] void termina() override;

  // ultimo testo mostrato in un msgBox, o vuoto
  QString ultimoMessaggio() const { return messaggi.isEmpty() ? QString() : messaggi.constLast().testo; }

  struct TimerFinto;

private:
  QString prossimoPercorso(const DialogoFile& d, const char* tipo);

  QList<TimerFinto*> mTimer;
  std::mt19937 mGeneratore{12345};
  friend struct TimerFinto;
};

// Installa la finta e azzera lo stato di modulo: da chiamare all'inizio di ogni test.
class AmbienteTest {
public:
  AmbienteTest();
  ~AmbienteTest();
  PiattaformaFinta finta;
};
