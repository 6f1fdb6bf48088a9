#include "support/tavolo.h"

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

void Tavolo::nuovaPartita(int indice) {
  // il valore casuale che fa estrarre la parola numero "indice"
  finta.casuali.prepend(numeroParole <= 1 ? 0.0 : static_cast<double>(indice - 1) / (numeroParole - 1) * 0.999999);
  f->mnuFileNuovogioco_Click();
}

QString Tavolo::caselle() const {
  QString s;
  for (int i = 1; i <= 10; ++i) s += f->lblParolaCercata(i)->text();
  return s;
}
