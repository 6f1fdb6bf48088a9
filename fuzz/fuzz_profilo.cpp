// Lettore e scrittore dei file di profilo: nessun crash su byte qualsiasi e,
// dopo le scritture, ogni chiave scritta si rilegge con il valore scritto
// mentre le altre chiavi lette prima restano uguali.
// Ingresso: il contenuto del file in testa; i byte in coda (FuzzedDataProvider
// li consuma dalla fine) inventano nomi e valori e scelgono le scritture.
#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

#include "comune.h"
#include "persistence/profilo.h"

namespace {

struct Coppia {
  QString sezione, chiave;
};

// i nomi dei file veri: impostazioni, classifica, partita salvata
const QList<Coppia> COPPIE_FISSE = {{"frmSchedaAudioAssente.chkRicordamelo", "value"},
                                    {"Nome", "1"},
                                    {"Punteggio", "5"},
                                    {"Veltrak Mr.Gorbio 1.0 - Partita salvata", "fiorba"}};

bool stesso(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Un nome si rilegge solo se il file lo puo' contenere cosi' com'e': senza spazi
// ai bordi, fine riga, NUL o il carattere che lo chiude. Un BOM in testa no:
// QString::fromUtf8 lo toglie a ogni riga.
bool scrivibile(const QString& n, QChar vietato) {
  return !n.isEmpty() && n == n.trimmed() && !n.contains(u'\r') && !n.contains(u'\n') && !n.contains(QChar(0)) &&
         !n.contains(vietato) && !n.startsWith(QChar(0xFEFF));
}

// Al piu' due sezioni e due chiavi dalle righe del contenuto: quelle che si trovano.
void nomiDalContenuto(const QByteArray& c, QList<QString>& sezioni, QList<QString>& chiavi) {
  for (qsizetype i = 0; i < c.size() && (sezioni.size() < 2 || chiavi.size() < 2);) {
    const qsizetype fine = c.indexOf('\n', i) < 0 ? c.size() : c.indexOf('\n', i);
    const QString riga = QString::fromUtf8(c.constData() + i, fine - i).trimmed();
    i = fine + 1;
    const qsizetype uguale = riga.indexOf(u'=');
    if (riga.startsWith(u'[')) {
      const qsizetype chiusa = riga.indexOf(u']');
      const QString s = riga.mid(1, chiusa < 0 ? -1 : chiusa - 1).trimmed();
      if (sezioni.size() < 2 && scrivibile(s, u']')) sezioni << s;
    } else if (uguale > 0 && chiavi.size() < 2 && scrivibile(riga.left(uguale).trimmed(), u'=')) {
      chiavi << riga.left(uguale).trimmed();
    }
  }
}

QString testoDallaCoda(FuzzedDataProvider& fdp, int massimo) {
  QByteArray b;
  for (int n = fdp.ConsumeIntegralInRange(0, massimo); n > 0; --n) b += char(fdp.ConsumeIntegral<unsigned char>());
  return QString::fromUtf8(b);
}

QString mostra(const std::optional<QString>& v) { return v ? visibile(*v) : QStringLiteral("<manca>"); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  if (dimensione > INGRESSO_MASSIMO) return 0;
  FuzzedDataProvider fdp(dati, dimensione);
  const QString sezioneInventata = testoDallaCoda(fdp, 12);
  const QString chiaveInventata = testoDallaCoda(fdp, 12);
  std::vector<std::pair<int, QString>> scelte(fdp.ConsumeIntegralInRange(0, 3));
  for (auto& [coppia, valore] : scelte) {
    coppia = fdp.ConsumeIntegral<unsigned char>();
    valore = testoDallaCoda(fdp, 24);
  }
  const std::vector<char> resto = fdp.ConsumeRemainingBytes<char>();
  const QByteArray contenuto(resto.data(), static_cast<qsizetype>(resto.size()));

  QList<QString> sezioni, chiavi;
  nomiDalContenuto(contenuto, sezioni, chiavi);
  if (scrivibile(sezioneInventata, u']')) sezioni << sezioneInventata;
  if (scrivibile(chiaveInventata, u'=') && !chiaveInventata.startsWith(u'[')) chiavi << chiaveInventata;
  // chiavi esistenti, chiavi nuove in sezioni esistenti, sezioni nuove
  QList<Coppia> coppie = COPPIE_FISSE;
  for (const QString& s : sezioni) {
    for (const QString& k : chiavi) coppie.append({s, k});
  }
  QList<VoceIni> voci;
  for (const auto& [coppia, valore] : scelte) {
    voci.append({coppie[coppia % coppie.size()].sezione, coppie[coppia % coppie.size()].chiave, valore});
  }

  std::vector<std::optional<QString>> prima;
  for (const Coppia& c : coppie) prima.push_back(pfuncCercaValore(contenuto, c.sezione, c.chiave));
  const QByteArray dopo = pfuncApplicaScritture(contenuto, voci);

  for (qsizetype i = 0; i < coppie.size(); ++i) {
    const Coppia& c = coppie[i];
    std::optional<QString> atteso = prima[static_cast<std::size_t>(i)];
    // vale l'ultima scrittura; fine riga e NUL diventano spazi, la lettura toglie quelli ai bordi
    for (const VoceIni& v : voci) {
      if (stesso(v.sezione, c.sezione) && stesso(v.chiave, c.chiave)) {
        atteso = QString(v.valore).replace(u'\r', u' ').replace(u'\n', u' ').replace(QChar(0), u' ').trimmed();
      }
    }
    const std::optional<QString> letto = pfuncCercaValore(dopo, c.sezione, c.chiave);
    VERIFICA(letto == atteso, QStringLiteral("[%1] %2: letto %3, atteso %4")
                                  .arg(visibile(c.sezione), visibile(c.chiave), mostra(letto), mostra(atteso)));
  }
  return 0;
}
