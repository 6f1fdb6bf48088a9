#include "support/aiuti.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaType>

QString scriviFile(const QString& percorso, const QByteArray& contenuto) {
  QDir().mkpath(QFileInfo(percorso).absolutePath());
  QFile f(percorso);
  if (f.open(QIODevice::WriteOnly)) f.write(contenuto);
  return percorso;
}

QByteArray leggiFile(const QString& percorso) {
  QFile f(percorso);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString cartellaSorgenti() { return QStringLiteral(GORBIO_SORGENTI_DIR); }

namespace {
// Le sequenze \ di un campo: byte per byte, \uNNNN in UTF-8.
QByteArray senzaEscape(const QByteArray& campo) {
  QByteArray b;
  for (qsizetype i = 0; i < campo.size(); ++i) {
    const char c = i + 1 < campo.size() && campo[i] == '\\' ? campo[++i] : 0;
    if (!c) b += campo[i];
    else if (c == 'x' || c == 'u') {
      const qsizetype cifre = c == 'x' ? 2 : 4;
      const uint v = campo.mid(i + 1, cifre).toUInt(nullptr, 16);
      b += c == 'x' ? QByteArray(1, char(v)) : QString(QChar(char16_t(v))).toUtf8();
      i += cifre;
    } else b += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
  }
  return b;
}
}  // namespace

void tabella(const QString& nome) {
  const QString percorso = cartellaSorgenti() + "/tests/dati/tabelle/" + nome + ".tsv";
  QList<QByteArray> righe = leggiFile(percorso).split('\n');
  righe.removeIf([](const QByteArray& r) { return r.trimmed().isEmpty() || r.startsWith('#'); });
  QVERIFY2(!righe.isEmpty(), qPrintable("tabella vuota o mancante: " + percorso));
  QList<int> tipi;
  for (const QByteArray& colonna : righe.takeFirst().split('\t').mid(1)) {
    const QByteArray tipo = colonna.split(':').value(1);
    tipi << (tipo == "int" ? QMetaType::Int : tipo == "double" ? QMetaType::Double : tipo == "bool" ? QMetaType::Bool
             : tipo == "bytes" ? QMetaType::QByteArray : QMetaType::QString);
    static QByteArrayList nomi;  // QTest tiene solo il puntatore al nome
    nomi << colonna.split(':').first();
    QTest::addColumnInternal(tipi.last(), nomi.last().constData());
  }
  for (const QByteArray& riga : righe) {
    const QList<QByteArray> campi = riga.split('\t');
    QVERIFY2(campi.size() == tipi.size() + 1, riga.constData());
    QTestData& caso = QTest::newRow(campi[0].constData());
    for (qsizetype i = 0; i < tipi.size(); ++i) {
      const QByteArray b = senzaEscape(campi[i + 1]);
      QVariant v = tipi[i] == QMetaType::QByteArray ? QVariant(b) : QVariant(QString::fromUtf8(b));
      if (tipi[i] != QMetaType::QByteArray && tipi[i] != QMetaType::QString) QVERIFY(v.convert(QMetaType(tipi[i])));
      caso.append(tipi[i], v.constData());
    }
  }
}
