#include "scores/classifica.h"

#include "app/modgenerale.h"
#include "persistence/profilo.h"

void psubLeggiClassifica() {
  for (int posto = 1; posto <= 5; ++posto) {
    const QString chiave = QString::number(posto);
    gudtClassifica[static_cast<std::size_t>(posto)].Nome = pfuncLeggiIni(gstrFileIni, QStringLiteral("Nome"), chiave);
    gudtClassifica[static_cast<std::size_t>(posto)].Info = pfuncLeggiIni(gstrFileIni, QStringLiteral("Info"), chiave);
    gudtClassifica[static_cast<std::size_t>(posto)].Punteggio =
        pfuncLeggiIni(gstrFileIni, QStringLiteral("Punteggio"), chiave);
  }
}

bool pfuncSiQualifica(qint32 punteggio) {
  return punteggio > 0 && punteggio >= pfuncVal(gudtClassifica[5].Punteggio);
}
