#include "persistence/partitasalvata.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/modgenerale.h"
#include "play/regole.h"
#include "words/codec.h"

const std::array<QString, 25> CODICI_CIFRE = {
    QStringLiteral("48213"),      QStringLiteral("730591"),   QStringLiteral("1940276"), QStringLiteral("55108342"),
    QStringLiteral("603917"),     QStringLiteral("28475"),    QStringLiteral("9021648"), QStringLiteral("31750"),
    QStringLiteral("846201937"),  QStringLiteral("7712094"),  QStringLiteral("150382"),  QStringLiteral("62049"),
    QStringLiteral("3817265409"), QStringLiteral("90453"),    QStringLiteral("274816"),  QStringLiteral("5309127"),
    QStringLiteral("81634"),      QStringLiteral("46092751"), QStringLiteral("1187305"), QStringLiteral("697420"),
    QStringLiteral("35816"),      QStringLiteral("7204968153"), QStringLiteral("509271"), QStringLiteral("8843016"),
    QStringLiteral("21958")};

const QStringList PAROLE_DISPONIBILE = {QStringLiteral("veltrak"), QStringLiteral("zeb"), QStringLiteral("tramway")};
const QStringList PAROLE_USATO = {QStringLiteral("nodo"), QStringLiteral("ciclo"), QStringLiteral("faro")};

namespace {

const QString AVVISO = QStringLiteral("LA MANOMISSIONE DI QUESTO FILE COMPORTA LA CORRUZIONE DELLO STESSO !");

// i minuti stanno in un intero a 16 bit
constexpr qint64 TEMPO_MASSIMO = 32767LL * 60 + 59;

// Il numero decimale all'inizio del testo; nullopt se il testo non comincia con un numero.
std::optional<double> numeroIniziale(const QString& testo) {
  const QString t = testo.trimmed();
  QString numero;
  qsizetype i = 0;
  if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) numero += t[i++];
  bool cifre = false;
  bool punto = false;
  for (; i < t.size(); ++i) {
    const char16_t c = t[i].unicode();
    if (c >= u'0' && c <= u'9') {
      cifre = true;
    } else if (c == u'.' && !punto) {
      punto = true;
    } else {
      break;
    }
    numero += t[i];
  }
  if (!cifre) return std::nullopt;
  bool ok = false;
  const double v = numero.toDouble(&ok);
  if (!ok || !std::isfinite(v)) return std::nullopt;
  return v;
}

// Intero arrotondato, solo se cade nell'intervallo.
std::optional<qint64> interoTra(double x, qint64 minimo, qint64 massimo) {
  const double v = pfuncArrotondaPari(x);
  if (!(v >= static_cast<double>(minimo) && v <= static_cast<double>(massimo))) return std::nullopt;
  return static_cast<qint64>(v);
}

// Legge le chiavi della sezione e ricorda il primo motivo di rifiuto.
class Lettore {
public:
  // la sezione si legge una volta sola: le chiavi sono una quarantina
  explicit Lettore(const QByteArray& contenuto) : mValori(pfuncLeggiSezione(contenuto, pfuncSezionePartita())) {}

  std::optional<QString> testo(const QString& chiave) {
    const auto v = mValori.constFind(chiave.toCaseFolded());
    if (v != mValori.constEnd()) return *v;
    motivo = Rifiuto::ChiaveMancante;
    return std::nullopt;
  }

  std::optional<double> numero(const QString& chiave) {
    const auto t = testo(chiave);
    if (!t) return std::nullopt;
    const auto v = numeroIniziale(*t);
    if (!v) motivo = Rifiuto::NonNumero;
    return v;
  }

  Rifiuto motivo = Rifiuto::Nessuno;

private:
  QHash<QString, QString> mValori;
};

PartitaLetta rifiuta(Rifiuto motivo) { return {std::nullopt, motivo}; }

bool parolaDelGioco(const QString& parola) {
  if (parola.size() < 6 || parola.size() > 10) return false;
  return std::all_of(parola.begin(), parola.end(), [](QChar c) { return ALFABETO_GIOCO.contains(c); });
}

}  // namespace

double pfuncArrotondaPari(double x) {
  const double giu = std::floor(x);
  const double resto = x - giu;
  if (resto < 0.5) return giu;
  if (resto > 0.5) return giu + 1;
  return std::fmod(giu, 2.0) == 0 ? giu : giu + 1;
}

QString pfuncSezionePartita() {
  return gstrTitolo + QStringLiteral(" ") + gstrVersione + QStringLiteral(" - Partita salvata");
}

QString pfuncChiaveLettera(int i) { return QString::number(i * i - 1); }

QString pfuncChiaveCasella(int i) { return QString::number(2 * i + 440); }

QList<VoceIni> pfuncVociPartita(const StatoPartita& stato, int r, const std::function<double()>& casuale) {
  r = std::clamp(r, 1, 25);
  const QString sezione = pfuncSezionePartita();
  QList<VoceIni> voci;
  auto voce = [&](const QString& chiave, const QString& valore) { voci.append({sezione, chiave, valore}); };
  auto numero = [](qint64 n) { return QString::number(n); };
  voce(QStringLiteral("ATTENZIONE"), AVVISO);
  voce(QStringLiteral("38pistoni"), numero(qint64{stato.round} * stato.round + r));
  voce(QStringLiteral("mib-q"), numero(qint64{stato.minuti} * 60 + stato.secondi + 90 + r));
  voce(QStringLiteral("girasolino"), numero(qint64{stato.punteggio} + 756 + r));
  voce(QStringLiteral("fiorba"), CODICI_CIFRE[static_cast<std::size_t>(r - 1)]);
  voce(QStringLiteral("vortice"), mfuncCodifica(stato.parola, r));
  voce(QStringLiteral("cloudrover"), numero(qint64{stato.errori} + 21 + r));
  voce(QStringLiteral("ventagli"), numero(qint64{stato.daScoprire} * 6 + r));
  voce(QStringLiteral("polenta!"), numero(stato.jollyDisponibile ? 2 * r + 13 : 3 * r + 19));
  for (int i = 1; i <= 21; ++i) {
    const int n = std::clamp(static_cast<int>(casuale() * 3 + 1), 1, 3);
    const QStringList& gruppo = stato.lettere[static_cast<std::size_t>(i)] ? PAROLE_DISPONIBILE : PAROLE_USATO;
    voce(pfuncChiaveLettera(i), gruppo[n - 1]);
  }
  for (int i = 1; i <= 10; ++i) {
    const QString c = stato.caselle[static_cast<std::size_t>(i)].trimmed();
    QString valore;
    if (c.isEmpty()) {
      valore = QStringLiteral("K");
    } else if (c == u"_") {
      valore = QStringLiteral("Z");
    } else {
      valore = QChar(static_cast<char16_t>(c[0].unicode() + 1));
    }
    voce(pfuncChiaveCasella(i), valore);
  }
  return voci;
}

PartitaLetta pfuncLeggiPartita(const QByteArray& contenuto) {
  if (contenuto.size() > DIMENSIONE_MASSIMA_PARTITA) return rifiuta(Rifiuto::Dimensione);
  Lettore l(contenuto);
  StatoPartita s;

  const auto codice = l.testo(QStringLiteral("fiorba"));
  if (!codice) return rifiuta(l.motivo);
  // un codice sconosciuto vale 0: decidono i controlli che seguono
  const auto trovato = std::find(CODICI_CIFRE.begin(), CODICI_CIFRE.end(), *codice);
  const int r = trovato == CODICI_CIFRE.end() ? 0 : static_cast<int>(trovato - CODICI_CIFRE.begin()) + 1;

  const auto quadrato = l.numero(QStringLiteral("38pistoni"));
  if (!quadrato) return rifiuta(l.motivo);
  if (*quadrato - r < 0) return rifiuta(Rifiuto::Round);
  const double q = std::sqrt(*quadrato - r);
  if (q < 1 || q > 99 || q != std::floor(q)) return rifiuta(Rifiuto::Round);
  s.round = static_cast<int>(q);

  const auto tempo = l.numero(QStringLiteral("mib-q"));
  if (!tempo) return rifiuta(l.motivo);
  const auto t = interoTra(*tempo - 90 - r, 0, TEMPO_MASSIMO);
  if (!t) return rifiuta(Rifiuto::Tempo);
  s.minuti = static_cast<int>(*t / 60);
  s.secondi = static_cast<int>(*t % 60);

  // anche un punteggio negativo viene da una partita vera
  const auto punti = l.numero(QStringLiteral("girasolino"));
  if (!punti) return rifiuta(l.motivo);
  const auto p = interoTra(*punti - 756 - r, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
  if (!p) return rifiuta(Rifiuto::Punteggio);
  s.punteggio = static_cast<qint32>(*p);

  const auto codificata = l.testo(QStringLiteral("vortice"));
  if (!codificata) return rifiuta(l.motivo);
  s.parola = mfuncDecodifica(*codificata, r).toUpper().trimmed();
  if (!parolaDelGioco(s.parola)) return rifiuta(Rifiuto::Parola);

  const auto errori = l.numero(QStringLiteral("cloudrover"));
  if (!errori) return rifiuta(l.motivo);
  const auto e = interoTra(*errori - 21 - r, 0, 8);
  if (!e) return rifiuta(Rifiuto::Errori);
  s.errori = static_cast<int>(*e);

  const auto nascoste = l.numero(QStringLiteral("ventagli"));
  if (!nascoste) return rifiuta(l.motivo);
  const auto h = interoTra((*nascoste - r) / 6, 0, 10);
  if (!h) return rifiuta(Rifiuto::DaScoprire);
  s.daScoprire = static_cast<int>(*h);

  const auto jolly = l.numero(QStringLiteral("polenta!"));
  if (!jolly) return rifiuta(l.motivo);
  const double m = pfuncArrotondaPari(*jolly);
  if ((m - 13) / 2 == r) {
    s.jollyDisponibile = true;
  } else if ((m - 19) / 3 == r) {
    s.jollyDisponibile = false;
  } else {
    return rifiuta(Rifiuto::Jolly);
  }

  for (int i = 1; i <= 21; ++i) {
    const auto segno = l.testo(pfuncChiaveLettera(i));
    if (!segno) return rifiuta(l.motivo);
    const QString parola = segno->toLower();
    if (PAROLE_DISPONIBILE.contains(parola)) {
      s.lettere[static_cast<std::size_t>(i)] = true;
    } else if (PAROLE_USATO.contains(parola)) {
      s.lettere[static_cast<std::size_t>(i)] = false;
    } else {
      return rifiuta(Rifiuto::Lettera);
    }
  }

  for (int i = 1; i <= 10; ++i) {
    const auto valore = l.testo(pfuncChiaveCasella(i));
    if (!valore) return rifiuta(l.motivo);
    // un valore vuoto o il carattere zero non hanno un carattere precedente
    if (valore->isEmpty() || valore->at(0).unicode() == 0) return rifiuta(Rifiuto::Casella);
    QString& casella = s.caselle[static_cast<std::size_t>(i)];
    if (*valore == u"K") {
      casella.clear();
    } else if (*valore == u"Z") {
      casella = QStringLiteral("_");
    } else {
      casella = QChar(static_cast<char16_t>(valore->at(0).unicode() - 1));
    }
  }
  return {s, Rifiuto::Nessuno};
}
