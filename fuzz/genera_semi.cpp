// Scrive in una cartella alcune partite salvate valide, semi di fuzz_partita.
// Uso: genera_semi <cartella>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "app/modgenerale.h"
#include "persistence/partitasalvata.h"

namespace {

struct Seme {
  const char* nome;
  StatoPartita stato;
  int r;
  QByteArray prima;  // contenuto gia' nel file: si salva sopra
};

StatoPartita stato(int round, int minuti, int secondi, qint32 punti, const QString& parola, int errori, bool jolly,
                   const QString& scoperte) {
  StatoPartita s{round, minuti, secondi, punti, parola, errori, 0, jolly, {}, {}};
  s.lettere.fill(true);
  for (qsizetype i = 0; i < parola.size(); ++i) {
    const bool vista = scoperte.contains(parola[i]);
    s.caselle[static_cast<std::size_t>(i + 1)] = vista ? QString(parola[i]) : QStringLiteral("_");
    s.daScoprire += vista ? 0 : 1;
  }
  for (const QChar c : scoperte) {
    s.lettere[static_cast<std::size_t>(QStringLiteral("ABCDEFGHILMNOPQRSTUVZ").indexOf(c) + 1)] = false;
  }
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "uso: genera_semi <cartella>\n");
    return 2;
  }
  psubImpostaIdentita();
  const QDir cartella(QString::fromLocal8Bit(argv[1]));
  const QList<Seme> semi = {
      {"inizio", stato(1, 3, 0, 0, "VALIGIA", 0, true, ""), 1, {}},
      {"ultimo-round", stato(99, 0, 1, 2147483000, "PRECIPIZIO", 8, false, "PCZ"), 25, {}},
      {"punti-negativi", stato(6, 2, 30, -150, "CAVOLO", 3, false, "AO"), 13, {}},
      {"parola-scoperta", stato(40, 0, 59, 98765, "ZUCCHERO", 1, true, "ZUCHERO"), 7, {}},
      {"sopra-un-profilo", stato(5, 1, 5, 1234, "BOTTIGLIA", 2, true, "T"), 20,
       "[Nome]\r\n1=vuoto\r\n\r\n[Veltrak Mr.Gorbio 1.0 - Partita salvata]\r\nfiorba=0\r\n"},
  };
  for (const Seme& s : semi) {
    double x = 0;
    const auto voci = pfuncVociPartita(s.stato, s.r, [&x] { return x = x + 0.37 - static_cast<int>(x + 0.37); });
    QFile f(cartella.filePath(QString::fromLatin1(s.nome) + QStringLiteral(".cap")));
    if (!f.open(QIODevice::WriteOnly) || f.write(pfuncApplicaScritture(s.prima, voci)) < 0) return 1;
  }
  return 0;
}
