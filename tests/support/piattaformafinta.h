#pragma once
// Piattaforma finta per i test: risposte ai dialoghi preparate dal test,
// registro di messaggi e suoni, orologio virtuale su cui girano i timer.

#include <QCoreApplication>
#include <QList>
#include <QSize>
#include <QStringList>
#include <functional>
#include <random>
#include <stdexcept>

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
    Risposta risposta = Risposta::Ok;
  };

  // risposte preparate: Si/No, InputBox, dialoghi apri/salva, finestre modali, rnd()
  QList<Risposta> risposte;
  QStringList testiInput;
  QStringList percorsiFile;
  QList<std::function<void(QDialog*)>> azioniModali;
  QList<double> casuali;
  std::function<void(const Messaggio&)> allaDomanda;  // a ogni msgBox
  std::function<void()> allInput;                     // mentre una InputBox e' aperta
  std::function<void()> allAttesa;                    // all'inizio di ogni attesa
  std::function<void()> primaDiSuonoODialogo;        // prima che un suono parta o un dialogo dei file si apra
  bool tuttiGliEventi = false;  // anche gli arresti del suono, le risposte prese dalle InputBox, gli annunci nei messaggi

  // registro; "eventi" tiene tutto in ordine: "msg:", "suono:", "attesa:ms", "finestra:", "link:"...
  QList<Messaggio> messaggi;
  QStringList titoliInput, predefinitiInput;
  QStringList percorsiScelti;  // i percorsi restituiti dai dialoghi dei file
  QStringList eventi;
  QStringList inatteso;  // dialoghi arrivati senza risposta preparata
  QList<DialogoFile> dialoghi;

  // ambiente simulato
  bool audio = true;
  bool erroreAudio = false;  // il controllo della scheda fallisce
  QSize schermo{1024, 768};
  int bpp = 24;
  bool altraCopia = false;
  bool modaliVisibili = true;

  // orologio virtuale
  qint64 ora = 0;
  void avanza(qint64 ms);
  QString ultimoMessaggio() const { return messaggi.isEmpty() ? QString() : messaggi.constLast().testo; }

  Risposta mostraMessaggio(const QString& testo, Pulsanti pulsanti, Icona icona, const QString& titolo,
                           const QString& annunci) override;
  QString inputBox(const QString& prompt, const QString& titolo, const QString& predefinito) override;
  QString dialogoApri(QWidget*, const DialogoFile& d) override { return prossimoPercorso(d, "apri:"); }
  QString dialogoSalva(QWidget*, const DialogoFile& d) override { return prossimoPercorso(d, "salva:"); }
  void mostraModale(QDialog* finestra) override;
  bool dispositivoAudio() override {
    if (erroreAudio) throw std::runtime_error("modulo del suono mancante");
    return audio;
  }
  void chiudiInputBox() override {
    if (mInputAperta) eventi.append(QStringLiteral("input chiusa"));
    mInputAperta = false;
  }
  void suonaRisorsa(const QString& p, bool ripeti) override { suono(p.section(u'/', -1).section(u'.', 0, 0), ripeti); }
  void suonaFile(const QString& p, bool ripeti) override { suono("file:" + p.section(u'/', -1), ripeti); }
  void fermaSuono() override {
    if (tuttiGliEventi) eventi.append(QStringLiteral("ferma suono"));
  }
  void beep() override { eventi.append(QStringLiteral("beep")); }
  qint64 adessoMs() override { return ora; }
  void attendi(int ms) override;
  void elaboraEventi() override { QCoreApplication::processEvents(); }
  std::unique_ptr<TimerPiattaforma> creaTimer(std::function<void()> scatto) override;
  void randomize() override {}
  double rnd() override;
  bool apriLink(const QString& l) override {
    eventi.append("link:" + l);
    return true;
  }
  // uno schermo non valido: la piattaforma che non sa dirne la misura
  QSize dimensioniSchermo() override { return schermo.isValid() ? schermo : throw std::runtime_error("schermo sconosciuto"); }
  int bitPerPixel() override { return bpp; }
  bool altraCopiaInEsecuzione() override { return altraCopia; }
  void spostaCursore(int x, int y) override { eventi.append(QStringLiteral("cursore:%1,%2").arg(x).arg(y)); }
  [[noreturn]] void termina() override;

private:
  struct TimerFinto;
  QString prossimoPercorso(const DialogoFile& d, const char* tipo);
  void suono(const QString& nome, bool ripeti);
  QList<TimerFinto*> mTimer;
  std::mt19937 mGeneratore{12345};
  bool mInputAperta = false;
};

// Installa la finta e azzera lo stato di modulo: da chiamare all'inizio di ogni test.
class AmbienteTest {
public:
  AmbienteTest();
  ~AmbienteTest();
  PiattaformaFinta finta;
};
