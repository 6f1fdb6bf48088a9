#include "support/aiuti.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaType>
#include <cstdlib>

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

Pulizia::~Pulizia() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->parentWidget()) w->deleteLater();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Filtro::Filtro(std::function<bool(QObject*, QEvent*)> f) : mF(std::move(f)) { qApp->installEventFilter(this); }

namespace {
// Le finestre si disegnano uguali su ogni macchina: senza schermo, scala 1, solo i font del gioco con la
// configurazione di fontconfig delle prove. Le impostazioni del desktop di chi prova (scala, font, stile,
// proprieta' di FreeType) non cambiano le impronte delle tracce. Prima di main: Qt e FreeType le leggono all'avvio.
void fissaPiattaforma() {
  for (const char* v : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_FONT_DPI", "QT_ENABLE_HIGHDPI_SCALING",
                        "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME", "QT_QPA_FONTDIR", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT"})
    unsetenv(v);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("FONTCONFIG_FILE", GORBIO_SORGENTI_DIR "/tests/dati/fonts.conf", 1);
  setenv("FREETYPE_PROPERTIES", "truetype:interpreter-version=40 cff:no-stem-darkening=1 autofitter:no-stem-darkening=1", 1);
}
}  // namespace
Q_CONSTRUCTOR_FUNCTION(fissaPiattaforma)

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
