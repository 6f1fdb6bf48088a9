#include "support/tavolo.h"

#include <QApplication>
#include <QTest>
#include <algorithm>

#include "app/modgenerale.h"
#include "support/aiuti.h"

Tavolo::Tavolo(const QStringList& parole, const QByteArray& impostazioni)
    : finta(amb.finta), numeroParole(static_cast<int>(parole.size())) {
  psubImpostaPercorsi(dir.path());
  // senza impostazioni date, quelle del gioco appena installato
  const QByteArray installate = leggiFile(cartellaSorgenti() + "/data/Mr.Gorbio.002");
  scriviFile(gstrFileIni, impostazioni.isEmpty() ? installate : impostazioni);
  for (const char* n : {"Mr.Gorbio.003", "Mr.Gorbio.004", "Mr.Gorbio.005"}) scriviFile(dir.filePath(n), "RIFF");
  for (const QString& p : parole) colParole.Add(p);
  finta.modaliVisibili = false;
  f = std::make_unique<frmGioco>();
}

double Tavolo::casualePer(int indice) const {
  return numeroParole <= 1 ? 0.0 : static_cast<double>(indice - 1) / (numeroParole - 1) * 0.999999;
}

void Tavolo::nuovaPartita(int indice) {
  finta.casuali.prepend(casualePer(indice));
  f->mnuFileNuovogioco_Click();
}

void Tavolo::rispondi(const QString& risposte) {
  for (const QString& r : risposte.split(u' ', Qt::SkipEmptyParts)) finta.risposte << (r == u"Si" ? Risposta::Si : Risposta::No);
}

void Tavolo::premi(const QString& tasti) {
  for (const QChar c : tasti) {
    // al controllo col fuoco, se la finestra ne ha uno, come fa la tastiera vera
    QWidget* fuoco = QApplication::focusWidget();
    QTest::keyClick(fuoco && fuoco->window() == f.get() ? fuoco : f.get(), c.toLatin1());
  }
}

QString Tavolo::caselle() const {
  QString s;
  for (int i = 1; i <= 10; ++i) s += f->lblParolaCercata(i)->text();
  return s;
}

int Tavolo::messaggi(const QString& inizio) const {
  return static_cast<int>(std::ranges::count_if(finta.messaggi, [&](const auto& m) { return m.testo.startsWith(inizio); }));
}
