// Lettore e scrittore dei file di profilo: nessun crash su byte qualsiasi e, dopo le scritture, ogni chiave scritta si
// rilegge con il valore scritto mentre le altre chiavi lette prima restano uguali. Ingresso: il contenuto del file in
// testa; i byte in coda (FuzzedDataProvider li consuma dalla fine) inventano nomi e valori e scelgono le scritture.
#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QList>
#include <QString>

#include "comune.h"
#include "persistence/profilo.h"

namespace {

// i nomi dei file veri (impostazioni, classifica, partita salvata), che i semi contengono
QList<VoceIni> COPPIE = {{"frmSchedaAudioAssente.chkRicordamelo", "value", {}}, {"Nome", "1", {}},
                         {"Punteggio", "5", {}}, {"Veltrak Mr.Gorbio 1.0 - Partita salvata", "fiorba", {}}};

// Un nome si rilegge se il file lo puo' contenere cosi' com'e': senza spazi ai bordi, fine
// riga, NUL, il carattere che lo chiude o un BOM in testa (fromUtf8 lo toglie a ogni riga).
bool scrivibile(const QString& n, QChar vietato) {
  return !n.isEmpty() && n == n.trimmed() && !n.contains(u'\r') && !n.contains(u'\n') && !n.contains(QChar(0)) &&
         !n.contains(vietato) && !n.startsWith(QChar(0xFEFF)) && !n.startsWith(u'[');
}

// Un testo come lo rilegge un file in quella codifica: in Windows-1252 quel che manca diventa '?'.
QString comeNelFile(const QString& t, bool utf8) {
  if (utf8) return t;
  const QByteArray b = pfuncAWindows1252(t);
  return pfuncDaWindows1252(b.constData(), b.size());
}

QString testoDallaCoda(FuzzedDataProvider& fdp, int massimo) {
  QByteArray b;
  for (int n = fdp.ConsumeIntegralInRange(0, massimo); n > 0; --n) b += char(fdp.ConsumeIntegral<unsigned char>());
  return QString::fromUtf8(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  if (dimensione > INGRESSO_MASSIMO) return 0;
  FuzzedDataProvider fdp(dati, dimensione);
  QList<VoceIni> coppie = COPPIE;
  // una sezione e una chiave inventate: nuove, o uguali a nomi del file
  const QString sezione = testoDallaCoda(fdp, 12);
  const QString chiave = testoDallaCoda(fdp, 12);
  QList<VoceIni> voci;
  for (int n = fdp.ConsumeIntegralInRange(0, 3); n > 0; --n) {
    voci.append({{}, {}, testoDallaCoda(fdp, 24)});
    voci.last().chiave = QString::number(fdp.ConsumeIntegral<unsigned char>());
  }
  const std::vector<char> resto = fdp.ConsumeRemainingBytes<char>();
  const QByteArray contenuto(resto.data(), static_cast<qsizetype>(resto.size()));
  const bool utf8 = pfuncProfiloUtf8(contenuto);
  // in un file Windows-1252 un nome si ritrova solo se la codifica lo ha tutto
  if (scrivibile(sezione, u']') && scrivibile(chiave, u'=') && comeNelFile(sezione, utf8) == sezione &&
      comeNelFile(chiave, utf8) == chiave) {
    coppie += {{sezione, chiave, {}}, {"Nome", chiave, {}}};
  }
  for (VoceIni& v : voci) {
    const VoceIni& c = coppie[v.chiave.toInt() % coppie.size()];
    v.sezione = c.sezione;
    v.chiave = c.chiave;
  }
  const QByteArray dopo = pfuncApplicaScritture(contenuto, voci);
  // un file Windows-1252 che le scritture rendono UTF-8 valido si rilegge, giustamente, come UTF-8
  if (pfuncProfiloUtf8(dopo) != utf8) return 0;
  for (const VoceIni& c : coppie) {
    std::optional<QString> atteso = pfuncCercaValore(contenuto, c.sezione, c.chiave);
    // vale l'ultima scrittura; fine riga e NUL diventano spazi, la lettura toglie quelli ai bordi
    for (const VoceIni& v : voci) {
      if (v.sezione.compare(c.sezione, Qt::CaseInsensitive) == 0 && v.chiave.compare(c.chiave, Qt::CaseInsensitive) == 0)
        atteso = comeNelFile(QString(v.valore).replace(u'\r', u' ').replace(u'\n', u' ').replace(QChar(0), u' '), utf8)
                     .trimmed();
    }
    const std::optional<QString> letto = pfuncCercaValore(dopo, c.sezione, c.chiave);
    VERIFICA(letto == atteso, QStringLiteral("[%1] %2: letto %3, atteso %4")
                                  .arg(visibile(c.sezione), visibile(c.chiave), visibile(letto.value_or("<manca>")),
                                       visibile(atteso.value_or("<manca>"))));
  }
  return 0;
}
