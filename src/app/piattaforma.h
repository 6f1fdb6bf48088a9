#pragma once
// Il confine con il mondo esterno: finestre di messaggio, dialoghi, suoni,
// orologio e attese, numeri casuali, schermo, seconda copia e fine programma.
// In produzione lo realizza PiattaformaQt, nei test una finta scriptabile.

#include <QByteArray>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QWidget;
class QDialog;

enum class Icona { Nessuna, Informazione, Esclamazione, Domanda, Critica };
enum class Pulsanti { Ok, SiNo };
enum class Risposta { Ok, Si, No, Annulla };

// Un timer della piattaforma: scatta ogni "ms" finche' non viene fermato.
class TimerPiattaforma {
public:
  virtual ~TimerPiattaforma() = default;
  virtual void avvia(int ms) = 0;
  virtual void ferma() = 0;
};

// Parametri dei dialoghi di apertura e salvataggio file.
struct DialogoFile {
  QString titolo;
  QString nomeFile;
  QString filtro;
  QString cartella;
  QString estensione;
};

class Piattaforma {
public:
  virtual ~Piattaforma() = default;

  // finestre di dialogo; il messaggio porta al lettore di schermo, prima del suo testo, gli annunci
  // del passo non ancora detti (la notifica che lo precede sarebbe interrotta dal messaggio)
  Risposta msgBox(const QString& testo, Pulsanti pulsanti, Icona icona, const QString& titolo);
  virtual Risposta mostraMessaggio(const QString& testo, Pulsanti pulsanti, Icona icona, const QString& titolo,
                                   const QString& annunci) = 0;
  // stringa vuota se annullato, come l'InputBox classico
  virtual QString inputBox(const QString& prompt, const QString& titolo,
                           const QString& predefinito) = 0;
  // chiude la InputBox aperta, se c'e', come annullata
  virtual void chiudiInputBox() = 0;
  virtual QString dialogoApri(QWidget* padre, const DialogoFile& d) = 0;
  virtual QString dialogoSalva(QWidget* padre, const DialogoFile& d) = 0;
  // mostra una finestra modale e ritorna quando si chiude
  virtual void mostraModale(QDialog* finestra) = 0;
  // fa una cosa quando la finestra, lasciata a un messaggio, e' tornata in primo piano (subito, se lo e')
  virtual void quandoTornaAttiva(QWidget* finestra, std::function<void()> fai) {
    (void)finestra;
    fai();
  }

  // suoni: uno alla volta, ogni nuovo suono ferma il precedente.
  // dispositivoAudio lancia std::runtime_error se non si puo' nemmeno controllare
  virtual bool dispositivoAudio() = 0;
  virtual void suonaRisorsa(const QString& percorsoRisorsa, bool ripeti) = 0;
  virtual void suonaFile(const QString& percorso, bool ripeti) = 0;
  virtual void fermaSuono() = 0;
  virtual void beep() = 0;

  // tempo: orologio monotono in millisecondi, attesa che tiene vive le finestre
  virtual qint64 adessoMs() = 0;
  virtual void attendi(int ms) = 0;
  virtual void elaboraEventi() = 0;
  virtual std::unique_ptr<TimerPiattaforma> creaTimer(std::function<void()> scatto) = 0;

  // numeri casuali uniformi in [0, 1), con seme preso dall'orologio
  virtual void randomize() = 0;
  virtual double rnd() = 0;

  // sistema
  virtual bool apriLink(const QString& link) = 0;
  virtual QSize dimensioniSchermo() = 0;
  virtual int bitPerPixel() = 0;
  virtual bool altraCopiaInEsecuzione() = 0;
  virtual void spostaCursore(int x, int y) = 0;
  [[noreturn]] virtual void termina() = 0;
};

Piattaforma& piattaforma();
void impostaPiattaforma(Piattaforma* p);
