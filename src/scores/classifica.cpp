#include "scores/classifica.h"

#include <QChar>

namespace {

const QString SEZIONE_NOME = QStringLiteral("Nome");
const QString SEZIONE_INFO = QStringLiteral("Info");
const QString SEZIONE_PUNTEGGIO = QStringLiteral("Punteggio");

QString chiavePosto(int posto) { return QString::number(posto); }

tVoceClassifica& voce(TabellaClassifica& tabella, int posto) { return tabella[static_cast<std::size_t>(posto)]; }
const tVoceClassifica& voce(const TabellaClassifica& tabella, int posto) {
  return tabella[static_cast<std::size_t>(posto)];
}

}  // namespace

void psubLeggiClassifica() {
  for (int posto = 1; posto <= 5; ++posto) {
    const QString chiave = chiavePosto(posto);
    voce(gudtClassifica, posto).Nome = pfuncLeggiIni(gstrFileIni, SEZIONE_NOME, chiave);
    voce(gudtClassifica, posto).Info = pfuncLeggiIni(gstrFileIni, SEZIONE_INFO, chiave);
    voce(gudtClassifica, posto).Punteggio = pfuncLeggiIni(gstrFileIni, SEZIONE_PUNTEGGIO, chiave);
  }
}

bool pfuncSiQualifica(qint32 punteggio) {
  return punteggio > 0 && punteggio >= pfuncVal(gudtClassifica[5].Punteggio);
}

QString pfuncNormalizzaNome(const QString& nome) {
  // si lavora per caratteri interi: il taglio non spezza una coppia surrogata
  // e il cambio di maiuscole non cambia la lunghezza
  QList<uint> c = nome.trimmed().toUcs4();
  if (c.size() > LUNGHEZZA_NOME) c.resize(LUNGHEZZA_NOME);
  for (uint& x : c) x = QChar::toLower(static_cast<char32_t>(x));
  if (!c.isEmpty()) c[0] = QChar::toUpper(static_cast<char32_t>(c[0]));
  // uno spazio in ultima posizione non ha nulla dopo di se' e resta com'e'
  for (qsizetype i = 1; i + 1 < c.size(); ++i) {
    if (c[i] == u' ') c[i + 1] = QChar::toUpper(static_cast<char32_t>(c[i + 1]));
  }
  return QString::fromUcs4(reinterpret_cast<const char32_t*>(c.constData()), c.size());
}

int pfuncPostoClassifica(double punteggio, const TabellaClassifica& tabella) {
  const double s = punteggio;
  auto v = [&tabella](int posto) { return pfuncVal(voce(tabella, posto).Punteggio); };
  // nell'ordine dato: cosi' un posto si trova anche con una tabella non ordinata
  if (v(5) <= s && v(4) > s) return 5;
  if (v(4) <= s && v(3) > s) return 4;
  if (v(3) <= s && v(2) > s) return 3;
  if (v(2) <= s && v(1) > s) return 2;
  if (v(1) <= s) return 1;
  return 0;
}

void psubInserisciVoce(TabellaClassifica& tabella, int posto, const tVoceClassifica& nuova) {
  if (posto < 1 || posto > 5) return;
  for (int p = 4; p >= posto; --p) voce(tabella, p + 1) = voce(tabella, p);
  voce(tabella, posto) = nuova;
}

tVoceClassifica pfuncNuovaVoce(const QString& nome, qint32 punteggio, int round) {
  return {pfuncNormalizzaNome(nome), QString::number(round) + QStringLiteral("° round"), QString::number(punteggio)};
}

QList<VoceIni> pfuncVociClassifica(const TabellaClassifica& tabella) {
  QList<VoceIni> voci;
  for (int p = 1; p <= 5; ++p) voci.append({SEZIONE_NOME, chiavePosto(p), voce(tabella, p).Nome});
  for (int p = 1; p <= 5; ++p) voci.append({SEZIONE_PUNTEGGIO, chiavePosto(p), voce(tabella, p).Punteggio});
  for (int p = 1; p <= 5; ++p) voci.append({SEZIONE_INFO, chiavePosto(p), voce(tabella, p).Info});
  return voci;
}

QList<VoceIni> pfuncVociAzzeramento() {
  QList<VoceIni> voci;
  for (int p = 1; p <= 5; ++p) {
    for (const QString& sezione : {SEZIONE_NOME, SEZIONE_INFO, SEZIONE_PUNTEGGIO}) {
      voci.append({sezione, chiavePosto(p), CLASSIFICA_VUOTA});
    }
  }
  return voci;
}

// un'interruzione a meta' non lascia mai una classifica mescolata
bool pfuncSalvaClassifica() { return pfuncScriviIniTutte(gstrFileIni, pfuncVociClassifica(gudtClassifica)); }

bool pfuncAzzeraClassifica() { return pfuncScriviIniTutte(gstrFileIni, pfuncVociAzzeramento()); }
