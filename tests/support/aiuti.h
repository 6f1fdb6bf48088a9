#pragma once
// Piccoli aiuti comuni ai test: file di prova e tabelle di dati.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTest>
#include <functional>
#include <tuple>

// Un caso che questa macchina non sa preparare (root, tmpfs, il server audio): saltato a mano, ma in CI
// (CI impostata, come fa .ci/run) e' un errore, perche' una prova verde non deve aver saltato niente.
#define SALTA_FUORI_DA_CI(motivo)                                                  \
  do {                                                                             \
    if (qEnvironmentVariableIsSet("CI")) QFAIL("in CI non si salta: " motivo);     \
    QSKIP(motivo);                                                                 \
  } while (false)

// Scrive un file (creando le cartelle) e ne restituisce il percorso.
QString scriviFile(const QString& percorso, const QByteArray& contenuto);
QByteArray leggiFile(const QString& percorso);
// Cartella dei sorgenti del progetto (per i file dati veri).
QString cartellaSorgenti();

// Le finestre che Main crea sul heap si distruggono (senza chiuderle) prima della piattaforma finta.
struct Pulizia {
  ~Pulizia();
};

// Un filtro degli eventi di tutta l'applicazione fatto da una funzione: se rende vero l'evento si ferma.
struct Filtro : QObject {
  explicit Filtro(std::function<bool(QObject*, QEvent*)> f);
  bool eventFilter(QObject* o, QEvent* e) override { return mF(o, e); }
  std::function<bool(QObject*, QEvent*)> mF;
};

// I casi di una funzione _data da tests/dati/tabelle/<nome>.tsv. Prima riga: le colonne, "nome" (QString)
// o "nome:tipo" (int, double, bool, bytes); poi un caso per riga, il primo campo e' il nome del caso.
// Campi separati da tabulazioni; righe vuote e con # in testa non contano; \r \n \t \\ \xNN \uNNNN come in C.
void tabella(const QString& nome);

// Le colonne di una tabella in una riga sola: colonne<int, QString>("round", "tempo").
template <typename... T, typename... N>
void colonne(N... nomi) {
  (QTest::addColumn<T>(nomi), ...);
}
// I valori della riga corrente, come QFETCH: const auto [round, tempo] = dati<int, QString>("round", "tempo").
template <typename... T, typename... N>
std::tuple<T...> dati(N... nomi) {
  return {*static_cast<T*>(QTest::qData(nomi, qMetaTypeId<T>()))...};
}
