#include "support/piattaformafinta.h"

#include <algorithm>
#include <stdexcept>

#include <QCoreApplication>
#include <QDialog>
#include <QPointer>
#include <QScopeGuard>

#include "app/modgenerale.h"
#include "app/risorse.h"

struct PiattaformaFinta::TimerFinto : TimerPiattaforma {
  TimerFinto(PiattaformaFinta* p, std::function<void()> s) : padre(p), scatto(std::move(s)) {
    padre->mTimer.append(this);
  }
  ~TimerFinto() override { padre->mTimer.removeOne(this); }
  void avvia(int ms) override {
    intervallo = ms;
    scadenza = padre->ora + ms;
    attivo = true;
  }
  void ferma() override { attivo = false; }

  PiattaformaFinta* padre;
  std::function<void()> scatto;
  int intervallo = 0;
  qint64 scadenza = 0;
  bool attivo = false;
  bool inEsecuzione = false;  // come Qt: un timer non scatta dentro il proprio gestore
};

void PiattaformaFinta::avanza(qint64 ms) {
  const qint64 meta = ora + ms;
  for (;;) {
    TimerFinto* prossimo = nullptr;
    for (TimerFinto* t : mTimer) {
      if (t->attivo && !t->inEsecuzione && t->scadenza <= meta &&
          (!prossimo || t->scadenza < prossimo->scadenza)) {
        prossimo = t;
      }
    }
    if (!prossimo) break;
    ora = std::max(ora, prossimo->scadenza);
    prossimo->scadenza += prossimo->intervallo;
    prossimo->inEsecuzione = true;
    auto finito = qScopeGuard([&] {
      // il gestore puo' aver distrutto il proprio timer
      if (mTimer.contains(prossimo)) {
        prossimo->inEsecuzione = false;
        if (prossimo->scadenza <= ora) prossimo->scadenza = ora + prossimo->intervallo;
      }
    });
    prossimo->scatto();
  }
  ora = std::max(ora, meta);
}

Risposta PiattaformaFinta::mostraMessaggio(const QString& testo, Pulsanti pulsanti, Icona icona, const QString& titolo,
                                           const QString& annunci) {
  Messaggio m{testo, titolo, pulsanti, icona};
  // quello che il lettore di schermo dice aprendo il messaggio, prima del suo testo
  if (tuttiGliEventi && !annunci.isEmpty()) eventi.append(QStringLiteral("nelmessaggio:") + annunci);
  if (pulsanti != Pulsanti::Ok && risposte.isEmpty()) inatteso.append(testo);
  if (pulsanti != Pulsanti::Ok) m.risposta = risposte.isEmpty() ? Risposta::No : risposte.takeFirst();
  messaggi.append(m);
  eventi.append(QStringLiteral("msg:") + testo);
  if (allaDomanda) allaDomanda(m);
  return m.risposta;
}

QString PiattaformaFinta::inputBox(const QString& p, const QString& titolo, const QString& predefinito) {
  titoliInput.append(titolo);
  predefinitiInput.append(predefinito);
  eventi.append(QStringLiteral("input:") + p);
  // senza risposta preparata: si segnala e si esce dai cicli di richiesta
  if (testiInput.isEmpty()) inatteso.append(p);
  const QString data = testiInput.isEmpty() ? QStringLiteral("?") : testiInput.takeFirst();
  mInputAperta = true;
  if (allInput) allInput();
  // chiusa dal gioco (tempo scaduto) la risposta non conta
  if (tuttiGliEventi && mInputAperta) eventi.append("risposta:" + data);
  mInputAperta = false;
  return data;
}

QString PiattaformaFinta::prossimoPercorso(const DialogoFile& d, const char* tipo) {
  if (primaDiSuonoODialogo) primaDiSuonoODialogo();
  dialoghi.append(d);
  eventi.append(QString::fromLatin1(tipo) + d.titolo);
  if (percorsiFile.isEmpty()) inatteso.append(d.titolo);
  percorsiScelti.append(percorsiFile.isEmpty() ? QString() : percorsiFile.takeFirst());
  // "!": la finestra dei file che non si apre (un errore della piattaforma)
  if (percorsiScelti.constLast() == u"!") throw std::runtime_error("finestra dei file non disponibile");
  return percorsiScelti.constLast();
}

void PiattaformaFinta::mostraModale(QDialog* finestra) {
  eventi.append(QStringLiteral("finestra:") + finestra->objectName());
  bool finita = false;
  QPointer<QDialog> viva(finestra);
  QObject::connect(finestra, &QDialog::finished, finestra, [&finita] { finita = true; });
  if (modaliVisibili) finestra->show();
  if (!azioniModali.isEmpty()) azioniModali.takeFirst()(finestra);
  // come l'utente che la chiude, se l'azione non l'ha gia' chiusa: la traccia lo dice
  if (viva && !finita) eventi.append(QStringLiteral("resta aperta, la chiude il copione:") + finestra->objectName());
  if (viva && !finita) finestra->close();
  if (viva && !finita) finestra->reject();
}

void PiattaformaFinta::suono(const QString& nome, bool ripeti) {
  if (primaDiSuonoODialogo) primaDiSuonoODialogo();
  eventi.append(QStringLiteral("suono:") + nome + (ripeti ? "+loop" : ""));
}

void PiattaformaFinta::attendi(int ms) {
  if (ms <= 0) return;
  eventi.append(QStringLiteral("attesa:") + QString::number(ms));
  // come la vera: l'attesa finisce alla scadenza, anche se quello che gira dentro ha gia' fatto passare il tempo
  const qint64 scadenza = adessoMs() + ms;
  if (allAttesa) allAttesa();
  QCoreApplication::processEvents();
  avanza(std::max<qint64>(0, scadenza - adessoMs()));
}

std::unique_ptr<TimerPiattaforma> PiattaformaFinta::creaTimer(std::function<void()> scatto) {
  return std::make_unique<TimerFinto>(this, std::move(scatto));
}

double PiattaformaFinta::rnd() {
  if (!casuali.isEmpty()) return casuali.takeFirst();
  return std::uniform_real_distribution<double>(0.0, 1.0)(mGeneratore);
}

void PiattaformaFinta::termina() {
  eventi.append(QStringLiteral("fine"));
  throw FineProgramma{};
}

AmbienteTest::AmbienteTest() {
  psubInizializzaRisorse();
  psubAzzeraStatoModulo();
  impostaPiattaforma(&finta);
}

AmbienteTest::~AmbienteTest() {
  psubAzzeraStatoModulo();
  impostaPiattaforma(nullptr);
}
