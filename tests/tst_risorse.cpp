// Il catalogo di immagini e suoni: ci sono tutti, della misura e del formato giusti,
// e nessun suono e' muto o saturo.
#include <QImageReader>
#include <QtTest>
#include <cmath>

#include "app/media.h"
#include "app/risorse.h"
#include "support/aiuti.h"

namespace {

struct Wave {
  int formato = 0;
  int canali = 0;
  int frequenza = 0;
  int bit = 0;
  double secondi = 0;
  double picco = 0;  // 0..1
  double rms = 0;    // 0..1
};

// Legge un RIFF WAVE PCM: intestazione e livello dei campioni.
Wave leggiWave(const QByteArray& b) {
  Wave w;
  if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") return w;
  qsizetype pos = 12;
  QByteArray dati;
  auto u16 = [&](qsizetype p) { return qFromLittleEndian<quint16>(b.constData() + p); };
  auto u32 = [&](qsizetype p) { return qFromLittleEndian<quint32>(b.constData() + p); };
  while (pos + 8 <= b.size()) {
    const QByteArray id = b.mid(pos, 4);
    const qsizetype lung = u32(pos + 4);
    if (id == "fmt ") {
      w.formato = u16(pos + 8);
      w.canali = u16(pos + 10);
      w.frequenza = static_cast<int>(u32(pos + 12));
      w.bit = u16(pos + 22);
    } else if (id == "data") {
      dati = b.mid(pos + 8, lung);
    }
    pos += 8 + lung + (lung & 1);
  }
  if (w.formato != 1 || w.canali < 1 || w.frequenza <= 0 || (w.bit != 8 && w.bit != 16)) return w;
  const int passo = w.bit / 8;
  const qsizetype campioni = dati.size() / passo;
  double somma = 0;
  for (qsizetype i = 0; i < campioni; ++i) {
    double v = 0;
    if (w.bit == 8) {
      v = (static_cast<quint8>(dati[i]) - 128) / 128.0;
    } else {
      v = qFromLittleEndian<qint16>(dati.constData() + i * 2) / 32768.0;
    }
    w.picco = std::max(w.picco, std::abs(v));
    somma += v * v;
  }
  w.secondi = static_cast<double>(campioni) / w.canali / w.frequenza;
  w.rms = campioni ? std::sqrt(somma / static_cast<double>(campioni)) : 0;
  return w;
}

QByteArray risorsa(const QString& percorso) {
  QFile f(percorso);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void controllaLivello(const Wave& w) {
  QVERIFY2(w.picco < 0.999, "suono saturo");
  QVERIFY2(w.picco > 0.7, "suono troppo debole");
  QVERIFY2(20 * std::log10(w.rms) > -30, "suono quasi muto");
}

}  // namespace

class TestRisorse : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { psubInizializzaRisorse(); }

  void immagini_data() {
    QTest::addColumn<QString>("percorso");
    QTest::addColumn<QSize>("misura");
    QTest::addColumn<QByteArray>("formato");
    for (const char* id : {"ID_00", "ID_01", "ID_02", "ID_03", "ID_04", "ID_05", "ID_06", "ID_07", "ID_08", "ID_11",
                           "ID_12"}) {
      QTest::newRow(id) << QStringLiteral(":/jpg/%1.jpg").arg(QLatin1String(id)) << QSize(315, 229) << QByteArray("jpeg");
    }
    const QList<std::tuple<const char*, int, int>> finestre = {
        {"avvio_0.png", 100, 93},         {"avvio_1.png", 58, 58},         {"avvio_2.png", 400, 36},
        {"avvio_3.png", 320, 16},         {"avvio_4.png", 91, 22},         {"classifica_sfondo.jpg", 340, 195},
        {"classifica_logo.png", 45, 64},  {"resetta_icona.png", 32, 32},   {"disco_1.jpg", 200, 284},
        {"disco_2.jpg", 200, 284},        {"satellite_1.jpg", 143, 158},   {"satellite_2.jpg", 143, 158},
        {"pausa.png", 64, 64},            {"info_regole.png", 48, 48},     {"info_tastiera.png", 48, 48},
        {"info_codice.png", 48, 48},      {"info_gorbio.png", 48, 48},     {"thanx.png", 48, 48},
        {"freccia_indietro.png", 24, 24}, {"freccia_avanti.png", 24, 24},  {"icona_16.png", 16, 16},
        {"icona_32.png", 32, 32},         {"icona_256.png", 256, 256}};
    for (const auto& [nome, l, a] : finestre) {
      const QString n = QString::fromLatin1(nome);
      QTest::newRow(nome) << QStringLiteral(":/img/") + n << QSize(l, a)
                          << (n.endsWith(u"jpg") ? QByteArray("jpeg") : QByteArray("png"));
    }
    for (const char* nome : {"mano_aperta.png", "mano_premuta.png", "link.png"}) {
      QTest::newRow(nome) << QStringLiteral(":/cursors/") + QLatin1String(nome) << QSize(32, 32) << QByteArray("png");
    }
  }
  void immagini() {
    QFETCH(QString, percorso);
    QFETCH(QSize, misura);
    QFETCH(QByteArray, formato);
    QImageReader lettore(percorso);
    QCOMPARE(lettore.format(), formato);
    const QImage img = lettore.read();
    QCOMPARE(img.size(), misura);
    // non una tinta unita
    QSet<QRgb> colori;
    for (int y = 0; y < img.height(); y += 3) {
      for (int x = 0; x < img.width(); x += 3) colori.insert(img.pixel(x, y));
    }
    QVERIFY(colori.size() > 3);
  }

  void suoniDelleRisorse_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("frequenza");
    QTest::addColumn<double>("secondi");  // 0 = tra 0.28 e 6.37
    const QList<std::tuple<int, int, double>> catalogo = {
        {21, 22050, 0.51}, {22, 22050, 0.50}, {23, 22050, 0.66}, {24, 11025, 0.72}, {25, 11025, 0.16},
        {26, 22050, 0.26}, {27, 22050, 0.18}, {28, 11025, 2.81}, {29, 10989, 3.43}, {30, 22050, 1.45},
        {31, 22050, 3.52}, {32, 11025, 1.83}, {33, 22050, 1.86}, {34, 11025, 1.19}, {35, 11025, 0.54},
        {36, 11025, 1.52}, {37, 11025, 4.86}, {38, 0, 0},        {39, 0, 0},        {40, 0, 6.37},
        {41, 0, 0},        {42, 0, 0},        {43, 0, 0},        {44, 0, 0},        {45, 0, 0},
        {46, 0, 0},        {47, 11025, 1.34}, {48, 22050, 1.70}, {49, 22050, 1.01}};
    for (const auto& [n, f, s] : catalogo) QTest::addRow("ID_%d", n) << QStringLiteral("ID_%1").arg(n) << f << s;
  }
  void suoniDelleRisorse() {
    QFETCH(QString, id);
    QFETCH(int, frequenza);
    QFETCH(double, secondi);
    const QString percorso = pfuncPercorsoRisorsa(QStringLiteral("wave"), id.toLower());
    QVERIFY(!percorso.isEmpty());
    const Wave w = leggiWave(risorsa(percorso));
    QCOMPARE(w.formato, 1);  // PCM, l'unico che QSoundEffect suona
    QCOMPARE(w.canali, 1);
    if (frequenza) {
      QCOMPARE(w.frequenza, frequenza);
    } else {
      QVERIFY(w.frequenza == 11025 || w.frequenza == 22050);
    }
    if (secondi > 0) {
      QVERIFY2(std::abs(w.secondi - secondi) <= secondi * 0.15, qPrintable(QString::number(w.secondi)));
    } else {
      QVERIFY(w.secondi >= 0.28 && w.secondi <= 6.37);
    }
    controllaLivello(w);
  }

  void suoniSuDisco_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("minimo");
    QTest::addColumn<double>("massimo");
    QTest::newRow("settimo stadio") << "Mr.Gorbio.003" << 4.0 << 5.4;
    QTest::newRow("brano d'avvio") << "Mr.Gorbio.004" << 22.0 << 30.0;
    QTest::newRow("uscita") << "Mr.Gorbio.005" << 1.6 << 2.2;
  }
  void suoniSuDisco() {
    QFETCH(QString, file);
    QFETCH(double, minimo);
    QFETCH(double, massimo);
    const Wave w = leggiWave(leggiFile(cartellaSorgenti() + QStringLiteral("/data/") + file));
    QCOMPARE(w.formato, 1);
    QVERIFY2(w.secondi >= minimo && w.secondi <= massimo, qPrintable(QString::number(w.secondi)));
    controllaLivello(w);
  }

  void fontIncorporato() {
    for (const char* f : {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"}) {
      QVERIFY(QFile::exists(QString::fromLatin1(f)));
    }
  }
};

QTEST_MAIN(TestRisorse)
#include "tst_risorse.moc"
