#include "words/codec.h"

#include <array>

namespace {

const QString ALFABETO = QStringLiteral("abcdefghilmnopqrstuvz");

// 21 codici: uno spazio e due maiuscole prese da F, H, M, R, V
const std::array<QString, 21> CODICI = {
    QStringLiteral(" MR"), QStringLiteral(" FV"), QStringLiteral(" HH"), QStringLiteral(" RF"),
    QStringLiteral(" VM"), QStringLiteral(" MF"), QStringLiteral(" HR"), QStringLiteral(" FF"),
    QStringLiteral(" RV"), QStringLiteral(" VH"), QStringLiteral(" MM"), QStringLiteral(" FH"),
    QStringLiteral(" HV"), QStringLiteral(" RM"), QStringLiteral(" VF"), QStringLiteral(" MV"),
    QStringLiteral(" FR"), QStringLiteral(" HM"), QStringLiteral(" RR"), QStringLiteral(" VV"),
    QStringLiteral(" MH")};

// rotazione dell'alfabeto rispetto ai codici, per variante
constexpr std::array<int, 5> SCARTI = {7, 3, 15, 11, 19};

QChar letteraPerCodice(int k, int variante) {
  return ALFABETO[(k + SCARTI[static_cast<std::size_t>(variante)]) % 21];
}

}  // namespace

QString mfuncReplaceC(const QString& testo, const QString& trova, const QString& sostituto) {
  if (trova.isEmpty()) return testo;
  QString risultato;
  const qsizetype n = testo.size();
  const qsizetype m = trova.size();
  qsizetype i = 0;
  while (i < n) {
    if (i + m <= n && QStringView(testo).mid(i, m) == trova) {
      risultato += sostituto;
      i += m;
    } else {
      risultato += testo[i];
      ++i;
    }
  }
  return risultato;
}

int pfuncVarianteCodice(int selettore) {
  if (selettore >= 6 && selettore <= 10) return 1;
  if (selettore >= 11 && selettore <= 15) return 2;
  if (selettore >= 16 && selettore <= 20) return 3;
  if (selettore >= 21 && selettore <= 25) return 4;
  return 0;
}

QString mfuncCodifica(const QString& testo, int selettore) {
  QString t = testo;
  for (const QChar c : ALFABETO) t = mfuncReplaceC(t, c.toUpper(), c);
  const int v = pfuncVarianteCodice(selettore);
  for (int k = 0; k < 21; ++k) t = mfuncReplaceC(t, letteraPerCodice(k, v), CODICI[static_cast<std::size_t>(k)]);
  return t.mid(1);
}

QString mfuncDecodifica(const QString& testo, int selettore) {
  QString t = QStringLiteral(" ") + testo;
  const int v = pfuncVarianteCodice(selettore);
  for (int k = 0; k < 21; ++k) t = mfuncReplaceC(t, CODICI[static_cast<std::size_t>(k)], letteraPerCodice(k, v));
  return t;
}
