#include "support/tavolo.h"

#include <QTest>

#include "app/media.h"
#include "app/modgenerale.h"
#include "support/aiuti.h"

namespace {
const QByteArray IMPOSTAZIONI_VUOTE =
    "[frmSchedaAudioAssente.chkRicordamelo]\r\nvalue=si\r\n[Nome]\r\n1=vuoto\r\n2=vuoto\r\n3=vuoto\r\n4=vuoto\r\n5=vuoto\r\n"
    "[Info]\r\n1=vuoto\r\n2=vuoto\r\n3=vuoto\r\n4=vuoto\r\n5=vuoto\r\n[Punteggio]\r\n1=vuoto\r\n2=vuoto\r\n3=vuoto\r\n"
    "4=vuoto\r\n5=vuoto\r\n";
}

Tavolo::Tavolo(const QStringList& parole, const QByteArray& impostazioni)
    : finta(amb.finta), numeroParole(static_cast<int>(parole.size())) {
  psubImpostaIdentita();
  psubImpostaPercorsi(dir.path());
  scriviFile(gstrFileIni, impostazioni.isEmpty() ? IMPOSTAZIONI_VUOTE : impostazioni);
  for (const char* n : {"Mr.Gorbio.003", "Mr.Gorbio.004", "Mr.Gorbio.005"}) scriviFile(dir.filePath(n), "RIFF");
  for (const QString& p : parole) colParole.Add(p);
  finta.modaliVisibili = false;
  f = std::make_unique<frmGioco>();
}

Tavolo::~Tavolo() { f.reset(); }

double Tavolo::casualePer(int indice) const {
  return numeroParole <= 1 ? 0.0 : static_cast<double>(indice - 1) / (numeroParole - 1) * 0.999999;
}

void Tavolo::nuovaPartita(int indice) {
  finta.casuali.prepend(casualePer(indice));
  f->mnuFileNuovogioco_Click();
}

void Tavolo::premi(const QString& tasti) {
  for (const QChar c : tasti) QTest::keyClick(f.get(), c.toLatin1());
}

QString Tavolo::caselle() const {
  QString s;
  for (int i = 1; i <= 10; ++i) s += f->lblParolaCercata(i)->text();
  return s;
}

bool Tavolo::scenaE(const QString& id) const {
  const QPixmap atteso = pobjCaricaImmagini().LoadResPicture(id, QStringLiteral("jpg"));
  return f->picScena->pixmap().toImage() == atteso.toImage();
}

int Tavolo::messaggi(const QString& inizio) const {
  int n = 0;
  for (const auto& m : finta.messaggi) n += m.testo.startsWith(inizio) ? 1 : 0;
  return n;
}
