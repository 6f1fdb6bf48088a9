// Aggiorna la classifica e il contatore all'infinito, come tante fine partita
// di fila: serve alla prova che lo uccide a caso durante le scritture.
// Uso: scrittore_classifica <file impostazioni>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "app/modgenerale.h"
#include "persistence/profilo.h"
#include "scores/classifica.h"
#include "support/piattaformafinta.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc < 2) return 2;
  AmbienteTest amb;
  const QFileInfo file(QString::fromLocal8Bit(argv[1]));
  psubImpostaPercorsi(file.absolutePath());
  gstrFileIni = file.absoluteFilePath();
  for (;;) {
    psubLeggiClassifica();
    const int k = static_cast<int>(pfuncVal(pfuncLeggiIni(gstrFileIni, QStringLiteral("Toob"), QStringLiteral("k"))));
    const int n = k + 1;
    // ogni aggiornamento entra primo: la tabella dopo n aggiornamenti e' n, n-1, ... n-4
    psubInserisciVoce(gudtClassifica, pfuncPostoClassifica(n, gudtClassifica),
                      pfuncNuovaVoce(QStringLiteral("g%1").arg(n), n, n % 99 + 1));
    QList<VoceIni> voci = pfuncVociClassifica(gudtClassifica);
    voci.append({QStringLiteral("Toob"), QStringLiteral("k"), QString::number(n)});
    if (!pfuncScriviIniTutte(gstrFileIni, voci)) return 1;
    std::printf("%d\n", n);
    std::fflush(stdout);
  }
}
