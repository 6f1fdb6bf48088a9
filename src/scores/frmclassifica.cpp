#include "scores/frmclassifica.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

#include "app/finestre.h"
#include "app/media.h"
#include "app/modgenerale.h"
#include "scores/classifica.h"
#include "ui/accessibilita.h"
#include "ui/aspetto.h"

namespace {

QLabel* nuovaEtichetta(QWidget* padre, const QString& nome, const QString& testo, const QRect& r, const QFont& f,
                       Qt::Alignment a = Qt::AlignLeft) {
  auto* l = new QLabel(testo, padre);
  l->setObjectName(nome);
  l->setGeometry(r);
  l->setFont(f);
  l->setAlignment(a | Qt::AlignTop);
  psubColoreTesto(l, Qt::black);
  return l;
}

// Cima della riga di un posto dal secondo al quinto, in twip.
int cimaRiga(int posto) { return 1400 + 360 * (posto - 2); }

}  // namespace

frmClassifica::frmClassifica(QWidget* padre) : QDialog(padre) {
  setObjectName(QStringLiteral("frmClassifica"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  psubDimensioniFisse(this, 5220, 3075);
  costruisciControlli();
  Form_Load();
}

void frmClassifica::costruisciControlli() {
  Picture1 = new QLabel(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setGeometry(twRect(60, 60, 5100, 2955));
  Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Picture1->setPixmap(QPixmap(QStringLiteral(":/img/classifica_sfondo.jpg")));
  psubNominaImmagine(Picture1, QStringLiteral("classifica_sfondo"));

  imgLogo = new QLabel(Picture1);
  imgLogo->setObjectName(QStringLiteral("imgLogo"));
  imgLogo->setGeometry(twRect(360, 0, 975, 1095));
  imgLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  imgLogo->setPixmap(QPixmap(QStringLiteral(":/img/classifica_logo.png")));
  psubNominaImmagine(imgLogo, QStringLiteral("classifica_logo"));

  Line1 = new QFrame(Picture1);
  Line1->setObjectName(QStringLiteral("Line1"));
  Line1->setGeometry(tw(-100), tw(1200), tw(5200), 1);
  Line1->setAutoFillBackground(true);
  QPalette nero = Line1->palette();
  nero.setColor(QPalette::Window, Qt::black);
  Line1->setPalette(nero);

  // il primo posto sta da solo sopra la riga, con caratteri piu' grandi
  const QFont grande = pfuncFonte(12);
  lblNome(1) = nuovaEtichetta(Picture1, QStringLiteral("lblNome_1"), QString(), twRect(1540, 120, 3330, 375),
                              pfuncFonte(13.5), Qt::AlignHCenter);
  lblInfo(1) = nuovaEtichetta(Picture1, QStringLiteral("lblInfo_1"), QString(), twRect(1680, 720, 1455, 255), grande);
  Label5 = nuovaEtichetta(Picture1, QStringLiteral("Label5"), QStringLiteral("-"), twRect(3240, 720, 135, 255),
                          pfuncFonte(12, true));
  lblPunteggio(1) = nuovaEtichetta(Picture1, QStringLiteral("lblPunteggio_1"), QString(),
                                   twRect(3300, 720, 1395, 255), grande, Qt::AlignRight);

  const QFont piccolo = pfuncFonte(9.75);
  for (int posto = 2; posto <= 5; ++posto) {
    const int cima = cimaRiga(posto);
    Label(posto - 2) = nuovaEtichetta(Picture1, QStringLiteral("Label_%1").arg(posto - 2),
                                      QStringLiteral("%1°)").arg(posto), twRect(120, cima, 375, 255), piccolo);
    lblNome(posto) = nuovaEtichetta(Picture1, QStringLiteral("lblNome_%1").arg(posto), QString(),
                                    twRect(650, cima, 1770, 255), piccolo);
    lblInfo(posto) = nuovaEtichetta(Picture1, QStringLiteral("lblInfo_%1").arg(posto), QString(),
                                    twRect(2520, cima, 1095, 255), piccolo, Qt::AlignRight);
    lblPunteggio(posto) = nuovaEtichetta(Picture1, QStringLiteral("lblPunteggio_%1").arg(posto), QString(),
                                         twRect(3900, cima, 1000, 255), piccolo, Qt::AlignRight);
  }
}

void frmClassifica::Form_Load() {
  setWindowTitle(QStringLiteral(" ") + gstrTitolo + QStringLiteral(" ") + gstrVersione +
                 QStringLiteral(" - Classifica"));
  gblnFinestraAperta = true;
  if (gblnPartitaInCorso) {
    psubFermaTimer();
    psubAttendi(0.25F);
  }
  // il brano d'avvio non si interrompe per il suono della finestra
  if (!pfuncBranoInCorso()) psubSuona(QStringLiteral("id_36"), false, ORIGINE_RISORSE, 0);
  psubLeggiClassifica();
  const int evidenziato = gintPosizioneClassifica;
  // per il lettore di schermo la classifica e' una frase sola, riga per riga
  QStringList righe;
  for (int posto = 1; posto <= 5; ++posto) {
    const tVoceClassifica& v = gudtClassifica[static_cast<std::size_t>(posto)];
    lblNome(posto)->setText(v.Nome.trimmed());
    lblInfo(posto)->setText(v.Info.trimmed());
    lblPunteggio(posto)->setText(v.Punteggio.trimmed());
    righe << QStringLiteral("%1° posto: %2, %3, %4").arg(posto).arg(v.Nome.trimmed(), v.Info.trimmed(), v.Punteggio.trimmed()) +
                 (posto == evidenziato ? QStringLiteral(" (il tuo)") : QString());
  }
  setAccessibleDescription(righe.join(QStringLiteral("; ")) + u'.');
  if (evidenziato >= 1 && evidenziato <= 5) {
    for (QLabel* l : {lblNome(evidenziato), lblInfo(evidenziato), lblPunteggio(evidenziato)}) {
      QFont f = l->font();
      f.setBold(true);
      l->setFont(f);
      psubColoreTesto(l, QColor(255, 0, 0));
    }
  }
}

void frmClassifica::Form_Click() { Scarica(); }

void frmClassifica::mouseReleaseEvent(QMouseEvent* evento) {
  // i clic sulle etichette, sul logo e sullo sfondo risalgono fin qui
  if (evento->button() == Qt::LeftButton) {
    evento->accept();
    Form_Click();
    return;
  }
  QDialog::mouseReleaseEvent(evento);
}

void frmClassifica::Scarica() {
  if (mblnScaricata) return;
  mblnScaricata = true;
  Form_Unload();
}

void frmClassifica::Form_Unload() {
  if (!pfuncBranoInCorso()) {
    psubFermaSuono();
    if (!pfuncBranoInCorso()) psubSuona(QStringLiteral("id_25"), false, ORIGINE_RISORSE, 0);
  }
  psubEffettoChiusura(this, 450);
  // dentro una richiesta di chiusura l'effetto non puo' chiudere da se'
  if (isVisible()) QDialog::done(QDialog::Rejected);
  if (gblnPartitaInCorso) {
    psubAttendi(0.25F);
    psubRiprendiTimer();
  }
  gblnFinestraAperta = false;
}

void frmClassifica::closeEvent(QCloseEvent* evento) {
  if (!mblnScaricata) {
    Scarica();
    evento->accept();
    return;
  }
  QDialog::closeEvent(evento);
}

void frmClassifica::done(int risultato) {
  // Esc e reject() passano dalla chiusura completa
  if (!mblnScaricata) {
    Scarica();
    return;
  }
  QDialog::done(risultato);
}
