// Aggiorna la classifica e il contatore come tante fine partita di fila, per le prove che lo uccidono a caso o lo
// fanno scrivere su un disco ostile. Uso: scrittore_classifica <file impostazioni> [--una]: con --una un solo
// aggiornamento, e stampa i messaggi che avrebbe mostrato.
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "app/modgenerale.h"
#include "persistence/profilo.h"
#include "scores/classifica.h"
#include "support/piattaformafinta.h"

// ogni aggiornamento entra primo: la tabella dopo n aggiornamenti e' n, n-1, ... n-4
static bool aggiorna() {
  psubLeggiClassifica();
  const int n = static_cast<int>(pfuncVal(pfuncLeggiIni(gstrFileIni, QStringLiteral("Toob"), QStringLiteral("k")))) + 1;
  psubInserisciVoce(gudtClassifica, pfuncPostoClassifica(n, gudtClassifica), pfuncNuovaVoce(QStringLiteral("g%1").arg(n), n, n % 99 + 1));
  QList<VoceIni> voci = pfuncVociClassifica(gudtClassifica);
  voci.append({QStringLiteral("Toob"), QStringLiteral("k"), QString::number(n)});
  if (!pfuncScriviIniTutte(gstrFileIni, voci)) return false;
  std::printf("%d\n", n);
  return std::fflush(stdout) == 0;
}

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc < 2) return 2;
  AmbienteTest amb;
  const QFileInfo file(QString::fromLocal8Bit(argv[1]));
  // proprio quel file, anche se la sua cartella non e' scrivibile
  gstrFileIni = file.absoluteFilePath();
  // senza --una aggiorna finche' la scrittura riesce (o finche' lo uccidono)
  if (argc == 2) {
    while (aggiorna()) continue;
    return 1;
  }
  int esito = 3;
  try {
    esito = aggiorna() ? 0 : 1;
  } catch (const FineProgramma&) {
  }
  for (const auto& m : amb.finta.messaggi) std::printf("messaggio: %s\n", qPrintable(m.testo));
  return esito;
}
