#include "ui/accessibilita.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <functional>
#include <utility>

#include "app/piattaforma.h"
#include "extras/cornice.h"
#include "play/frmgioco.h"

namespace {

// La voce degli annunci, un controllo senza misura che si mostra a ogni annuncio;
// i passi del giocatore in corso, uno dentro l'altro, e gli annunci che aspettano la loro fine;
// se per ora si tace.
QPointer<QWidget> gVoce;
int gintPassi = 0;
QStringList gAnnunci;
QPointer<QWidget> gFinestraAnnunci;
bool gblnMessaggioNelPasso = false;
bool gblnAnnunciSospesi = false;

struct Figura {
  const char* risorsa;
  const char* nome;
  const char* descrizione;
};

// Quello che mostra ogni immagine, per chi non la vede.
constexpr Figura FIGURE[] = {
    {"ID_00", "Forca vuota", "la forca vuota con la corda arrotolata sul palo, lo sgabello, un prato col sole"},
    {"ID_01", "Cappio: stadio 1 di 8", "Mr. Gorbio arriva camminando, preoccupato"},
    {"ID_02", "Cappio: stadio 2 di 8", "Mr. Gorbio sale sullo sgabello, in equilibrio, e comincia a sudare"},
    {"ID_03", "Cappio: stadio 3 di 8", "scende la corda col cappio sopra la sua testa; il sole si copre"},
    {"ID_04", "Cappio: stadio 4 di 8", "il cappio al collo, le mani dietro la schiena; cielo grigio"},
    {"ID_05", "Cappio: stadio 5 di 8", "nuvole scure, un corvo si posa sulla trave"},
    {"ID_06", "Cappio: stadio 6 di 8", "lo sgabello traballa, Mr. Gorbio è terrorizzato, tira vento"},
    {"ID_07", "Cappio: stadio 7 di 8", "il cappio stretto, la faccia rossa, in punta di piedi; temporale e due corvi"},
    {"ID_08", "Cappio: stadio 8 di 8", "la fine: sgabello rovesciato, Mr. Gorbio appeso, il cappello a terra, la pioggia"},
    {"ID_11", "Veltrak Mr.Gorbio", "il titolo del gioco; Mr. Gorbio saluta accanto alla forca"},
    {"ID_12", "Salvo!", "Mr. Gorbio salta di gioia, la corda tagliata, il cappio a terra"},
    {"AVVIO_0", "Marchio Veltrak", "una V con una parabola e un'orbita, la scritta VELTRAK"},
    {"AVVIO_1", "Icona di Mr.Gorbio", "la faccia di Mr. Gorbio nel cappio"},
    {"AVVIO_2", "Veltrak Mr.Gorbio", "lo striscione col nome del gioco"},
    {"AVVIO_3", "Barra decorativa", "una corda sfumata ai lati"},
    {"AVVIO_4", "Versione 1.0", "il distintivo della versione"},
    {"CLASSIFICA_SFONDO", "Classifica", "carta pergamena chiara"},
    {"CLASSIFICA_LOGO", "Coppa", "una coppa d'oro con una stella"},
    {"RESETTA_ICONA", "Cestino", "il cestino dove finisce la classifica"},
    {"PAUSA", "Mr. Gorbio dorme", "Mr. Gorbio dorme: zzZ"},
    {"INFO_REGOLE", "Regole", "un libro delle regole aperto"},
    {"INFO_TASTIERA", "Tastiera", "il tasto A"},
    {"INFO_CODICE", "Codice", "un dischetto con le graffe"},
    {"INFO_GORBIO", "Mr. Gorbio", "la faccia di Mr. Gorbio"},
    {"THANX", "Grazie", "un cuore"},
    {"FRECCIA_INDIETRO", "Pagina precedente", "freccia verde a sinistra"},
    {"FRECCIA_AVANTI", "Pagina seguente", "freccia verde a destra"},
    {"DISCO_1", "Parabola", "una parabola di notte, l'illuminatore spento"},
    {"DISCO_2", "Parabola", "la parabola con l'illuminatore acceso"},
    {"SATELLITE_1", "Satellite", "un satellite nel buio, pannelli e luci spenti"},
    {"SATELLITE_2", "Satellite", "il satellite con i pannelli accesi e le luci rosse e verdi"},
};

const Figura* figura(const QString& risorsa) {
  const QString chiave = QFileInfo(risorsa).completeBaseName().section(u'@', 0, 0).toUpper();
  for (const Figura& f : FIGURE) {
    if (chiave == QLatin1String(f.risorsa)) return &f;
  }
  return nullptr;
}

// Un'etichetta usata come pulsante o come link: si preme anche dal lettore di schermo.
class EtichettaPremibile : public QAccessibleWidget {
public:
  EtichettaPremibile(QWidget* w, QAccessible::Role ruolo, bool lettera, std::function<void()> premi)
      : QAccessibleWidget(w, ruolo), mblnLettera(lettera), mPremi(std::move(premi)) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return static_cast<const QLabel*>(widget())->text();
    }
    // una lettera spenta e' una lettera gia' tentata in questo round
    if (t == QAccessible::Description && mblnLettera && !widget()->isEnabled()) return QStringLiteral("già provata");
    return QAccessibleWidget::text(t);
  }
  // i link mostrano il loro indirizzo come suggerimento (messo dopo la creazione)
  QAccessible::Role role() const override {
    return !mblnLettera && !widget()->toolTip().isEmpty() ? QAccessible::Link : QAccessibleWidget::role();
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& azione) override {
    // in coda: il click apre attese e dialoghi, la chiamata del lettore deve tornare subito
    if (azione == pressAction() && widget()->isEnabled()) QMetaObject::invokeMethod(widget(), mPremi, Qt::QueuedConnection);
  }

private:
  bool mblnLettera;
  std::function<void()> mPremi;
};

// Le dieci caselle lette come una parola sola; dentro resta solo il titolo del brano.
class ParolaAccessibile : public QAccessibleWidget {
public:
  explicit ParolaAccessibile(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    QString caselle;
    for (int i = 1; i <= 10; ++i) {
      if (auto* l = widget()->findChild<QLabel*>(QStringLiteral("lblParolaCercata_%1").arg(i))) caselle += l->text();
    }
    return caselle.isEmpty() ? QStringLiteral("Parola") : QStringLiteral("Parola: ") + pfuncLeggiParola(caselle);
  }
  int childCount() const override { return titolo() ? 1 : 0; }
  QAccessibleInterface* child(int i) const override {
    return i == 0 && titolo() ? QAccessible::queryAccessibleInterface(titolo()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* figlio) const override {
    return figlio && titolo() && figlio->object() == titolo() ? 0 : -1;
  }

private:
  QLabel* titolo() const { return widget()->findChild<QLabel*>(QStringLiteral("lblTitoloWaveMp3")); }
};

// Un valore di stato letto con la sua didascalia: "Tempo: 02 : 57".
class ValoreStato : public QAccessibleWidget {
public:
  ValoreStato(QWidget* w, const QString& didascalia) : QAccessibleWidget(w, QAccessible::StaticText), mDidascalia(didascalia) {}

  QString text(QAccessible::Text t) const override {
    const auto* d = widget()->parentWidget()->findChild<QLabel*>(mDidascalia);
    if (t != QAccessible::Name || !d) return QAccessibleWidget::text(t);
    return d->text() + u' ' + static_cast<const QLabel*>(widget())->text();
  }

private:
  QString mDidascalia;
};

QString didascaliaDi(const QString& valore) {
  static const QHash<QString, QString> DIDASCALIE = {{QStringLiteral("lblRound"), QStringLiteral("lblScritte_di_Stato_1")},
                                                     {QStringLiteral("lblPunteggio"), QStringLiteral("lblScritte_di_Stato_2")},
                                                     {QStringLiteral("lblLettere_da_scoprire"), QStringLiteral("lblScritte_di_Stato_3")},
                                                     {QStringLiteral("lblTempo"), QStringLiteral("lblScritte_di_Stato_4")}};
  return DIDASCALIE.value(valore);
}

QAccessibleInterface* fabbrica(const QString& classe, QObject* oggetto) {
  auto* w = qobject_cast<QWidget*>(oggetto);
  if (!w) return nullptr;
  if (classe == u"EtichettaPulsante") {
    auto* e = static_cast<EtichettaPulsante*>(w);
    return new EtichettaPremibile(w, QAccessible::Button, true, [e] { emit e->clicked(); });
  }
  if (classe == u"EtichettaAttiva") {
    auto* e = static_cast<EtichettaAttiva*>(w);
    return new EtichettaPremibile(w, QAccessible::Button, false, [e] { e->premi(); });
  }
  if (classe == u"QFrame" && w->objectName() == u"frmParolaCercata") return new ParolaAccessibile(w);
  // la voce e' una notifica: il lettore dice il suo nome quando compare, dovunque sia il fuoco
  if (classe == u"QWidget" && w == gVoce) return new QAccessibleWidget(w, QAccessible::Notification);
  if (classe == u"QLabel" && w->parentWidget()) {
    const QString didascalia = didascaliaDi(w->objectName());
    if (!didascalia.isEmpty()) return new ValoreStato(w, didascalia);
  }
  return nullptr;
}

QWidget* voce(QWidget* finestra) {
  if (!gVoce || gVoce->parentWidget() != finestra) {
    delete gVoce;
    gVoce = new QWidget(finestra);
    gVoce->setGeometry(0, 0, 0, 0);
    gVoce->setFocusPolicy(Qt::NoFocus);
    gVoce->setAttribute(Qt::WA_TransparentForMouseEvents);
    gVoce->hide();
  }
  return gVoce;
}

}  // namespace

void psubInstallaAccessibilita() {
  static bool installata = false;
  if (!installata) QAccessible::installFactory(fabbrica);
  installata = true;
}

void psubNominaImmagine(QWidget* immagine, const QString& risorsa) {
  const Figura* f = figura(risorsa);
  immagine->setAccessibleName(f ? QString::fromUtf8(f->nome) : QString());
  immagine->setAccessibleDescription(f ? QString::fromUtf8(f->descrizione) : QString());
}

namespace {

void dici(QWidget* finestra, const QString& testo) {
  QWidget* v = voce(finestra);
  v->setAccessibleName(testo);
  v->hide();
  v->show();
}

}  // namespace

void psubAnnuncia(QWidget* finestra, const QString& testo) {
  if (gblnAnnunciSospesi) return;
  if (gintPassi == 0) return dici(finestra, testo);
  gAnnunci << testo;
  gFinestraAnnunci = finestra;
}

void psubSospendiAnnunci(bool sospesi) { gblnAnnunciSospesi = sospesi; }

QString pfuncPrendiAnnunci() {
  // il messaggio prende il fuoco: la finestra del gioco lo riavra' solo dopo
  if (gintPassi > 0) gblnMessaggioNelPasso = true;
  return std::exchange(gAnnunci, {}).join(u' ');
}

PassoGiocatore::PassoGiocatore() { ++gintPassi; }

PassoGiocatore::~PassoGiocatore() {
  if (--gintPassi > 0) return;
  const bool messaggio = std::exchange(gblnMessaggioNelPasso, false);
  const QString testo = pfuncPrendiAnnunci();
  gblnMessaggioNelPasso = false;
  // la finestra chiusa nel frattempo non dice piu' nulla
  if (testo.isEmpty() || !gFinestraAnnunci) return;
  // dopo un messaggio la finestra torna in primo piano e Orca dice di lei: l'annuncio viene dopo
  if (!messaggio) {
    dici(gFinestraAnnunci, testo);
    return;
  }
  piattaforma().quandoTornaAttiva(gFinestraAnnunci->window(), [finestra = gFinestraAnnunci, testo] {
    if (finestra) dici(finestra, testo);
  });
}

QString pfuncLeggiParola(const QString& caselle) {
  QStringList parti;
  for (const QChar c : caselle) parti << (c == u'_' ? QStringLiteral("trattino") : QString(c));
  return parti.join(u' ');
}

QString pfuncLeggiTempo(int minuti, int secondi) {
  const QString m = minuti == 1 ? QStringLiteral("1 minuto") : QStringLiteral("%1 minuti").arg(minuti);
  const QString s = secondi == 1 ? QStringLiteral("1 secondo") : QStringLiteral("%1 secondi").arg(secondi);
  if (minuti <= 0) return s;
  return secondi == 0 ? m : m + QStringLiteral(" e ") + s;
}

QString pfuncAnnuncioRound(int round, int livelloNuovo, int lunghezza, int minuti, int secondi) {
  QString t = QStringLiteral("Round %1").arg(round);
  if (livelloNuovo > 0) t += QStringLiteral(", livello %1").arg(livelloNuovo);
  return t + QStringLiteral(", %1 lettere, %2.").arg(lunghezza).arg(pfuncLeggiTempo(minuti, secondi));
}

QString pfuncAnnuncioCaricata(int round, int errori, int minuti, int secondi, const QString& caselle) {
  return QStringLiteral("Round %1, errori %2 di 8, %3. Parola: %4.")
      .arg(round)
      .arg(errori)
      .arg(pfuncLeggiTempo(minuti, secondi), pfuncLeggiParola(caselle));
}

QString pfuncAnnuncioLettera(const QString& lettera, int volte, bool jolly, const QString& caselle) {
  const QString quante = volte == 1 ? QStringLiteral("una volta") : QStringLiteral("%1 volte").arg(volte);
  return (jolly ? QStringLiteral("Jolly: ") : QString()) + lettera + QStringLiteral(" c'è, ") + quante +
         QStringLiteral(". Parola: ") + pfuncLeggiParola(caselle) + u'.';
}

// la figura dello stadio resta nella descrizione dell'immagine: l'annuncio dice solo la notizia
QString pfuncAnnuncioErrore(const QString& lettera, int stadio) {
  return lettera + QStringLiteral(" non c'è. Errore %1 di 8.").arg(stadio);
}

QString pfuncAnnuncioVinto(const QString& parola, qint32 puntiRound) {
  return QStringLiteral("Indovinata: %1, %2 punti.").arg(parola).arg(puntiRound);
}

QString pfuncAnnuncioFine(const QString& parola, qint32 punteggio) {
  return QStringLiteral("Fine partita. La parola era %1. Punteggio finale %2.").arg(parola).arg(punteggio);
}

QString pfuncAnnuncioTempo(int minuti, int secondi) {
  if (minuti == 1 && secondi == 0) return QStringLiteral("Manca un minuto.");
  if (minuti == 0 && (secondi == 30 || secondi == 10)) return QStringLiteral("Mancano %1 secondi.").arg(secondi);
  return {};
}

QString pfuncAnnuncioStato(bool partita, int minuti, int secondi, const QString& caselle, int errori, qint32 punteggio,
                           int round) {
  if (!partita) return QStringLiteral("Nessuna partita. F2 per iniziare.");
  return QStringLiteral("Tempo %1. Parola: %2. Errori %3 di 8. Punteggio %4. Round %5.")
      .arg(pfuncLeggiTempo(minuti, secondi), pfuncLeggiParola(caselle))
      .arg(errori)
      .arg(punteggio)
      .arg(round);
}
