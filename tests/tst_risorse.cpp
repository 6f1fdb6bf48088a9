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
  int formato = 0, canali = 0, frequenza = 0, bit = 0;
  double secondi = 0, picco = 0, rms = 0;  // picco e rms da 0 a 1
};

// Legge un RIFF WAVE PCM: intestazione e livello dei campioni.
Wave leggiWave(const QByteArray& b) {
  Wave w;
  QByteArray dati;
  const auto u16 = [&](qsizetype p) { return int(qFromLittleEndian<quint16>(b.constData() + p)); };
  const auto u32 = [&](qsizetype p) { return qsizetype(qFromLittleEndian<quint32>(b.constData() + p)); };
  for (qsizetype pos = 12; b.startsWith("RIFF") && pos + 8 <= b.size(); pos += 8 + u32(pos + 4) + u32(pos + 4) % 2) {
    if (b.mid(pos, 4) == "fmt ") w = {u16(pos + 8), u16(pos + 10), int(u32(pos + 12)), u16(pos + 22)};
    if (b.mid(pos, 4) == "data") dati = b.mid(pos + 8, u32(pos + 4));
  }
  if (w.formato != 1 || w.canali < 1 || w.frequenza <= 0 || (w.bit != 8 && w.bit != 16)) return w;
  const qsizetype n = dati.size() / (w.bit / 8);
  double somma = 0;
  for (qsizetype i = 0; i < n; ++i) {
    const double v = w.bit == 8 ? (quint8(dati[i]) - 128) / 128.0
                                : qFromLittleEndian<qint16>(dati.constData() + i * 2) / 32768.0;
    w.picco = std::max(w.picco, std::abs(v));
    somma += v * v;
  }
  w.secondi = double(n) / w.canali / w.frequenza;
  w.rms = n ? std::sqrt(somma / double(n)) : 0;
  return w;
}

}  // namespace

class TestRisorse : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { psubInizializzaRisorse(); }

  void immagini_data() {
    colonne<QString, QSize>("percorso", "misura");
    for (const char* id : {"00", "01", "02", "03", "04", "05", "06", "07", "08", "11", "12"}) {
      QTest::addRow("ID_%s", id) << QStringLiteral(":/jpg/ID_%1.jpg").arg(id) << QSize(315, 229);
    }
    const QList<std::tuple<const char*, int, int>> finestre = {
        {"avvio_0.png", 100, 93},            {"avvio_1.png", 58, 58},             {"avvio_2.png", 400, 36},
        {"avvio_3.png", 320, 16},            {"avvio_4.png", 91, 22},             {"classifica_sfondo.jpg", 340, 195},
        {"classifica_logo.png", 45, 64},     {"resetta_icona.png", 32, 32},       {"disco_1.jpg", 200, 284},
        {"disco_2.jpg", 200, 284},           {"satellite_1.jpg", 143, 158},       {"satellite_2.jpg", 143, 158},
        {"pausa.png", 64, 64},               {"info_regole.png", 48, 48},         {"info_tastiera.png", 48, 48},
        {"info_codice.png", 48, 48},         {"info_gorbio.png", 48, 48},         {"thanx.png", 48, 48},
        {"freccia_indietro.png", 24, 24},    {"freccia_avanti.png", 24, 24},      {"icona_16.png", 16, 16},
        {"icona_32.png", 32, 32},            {"icona_256.png", 256, 256}};
    for (const auto& [nome, l, a] : finestre) QTest::newRow(nome) << ":/img/" + QString(nome) << QSize(l, a);
    for (const char* nome : {"mano_aperta.png", "mano_premuta.png", "link.png"}) {
      QTest::newRow(nome) << ":/cursors/" + QString(nome) << QSize(32, 32);
    }
  }
  void immagini() {
    const auto [percorso, misura] = dati<QString, QSize>("percorso", "misura");
    QImageReader lettore(percorso);
    QCOMPARE(lettore.format(), percorso.endsWith(u"jpg") ? QByteArray("jpeg") : QByteArray("png"));
    const QImage img = lettore.read();
    QCOMPARE(img.size(), misura);
    // non una tinta unita
    QSet<QRgb> colori;
    for (int y = 0; y < img.height(); y += 3) {
      for (int x = 0; x < img.width(); x += 3) colori.insert(img.pixel(x, y));
    }
    QVERIFY(colori.size() > 3);
  }

  // PCM mono (l'unico formato che QSoundEffect suona), frequenza e durata attese, livello sano
  void suoni_data() {
    // frequenza: 0 = 11025 o 22050; -1 = file su disco, canali e frequenza liberi
    colonne<QString, int, double, double>("percorso", "frequenza", "minimo", "massimo");
    const QList<std::tuple<int, int, double>> catalogo = {
        {21, 22050, 0.51}, {22, 22050, 0.50}, {23, 22050, 0.66}, {24, 11025, 0.72}, {25, 11025, 0.16},
        {26, 22050, 0.26}, {27, 22050, 0.18}, {28, 11025, 2.81}, {29, 10989, 3.43}, {30, 22050, 1.45},
        {31, 22050, 3.52}, {32, 11025, 1.83}, {33, 22050, 1.86}, {34, 11025, 1.19}, {35, 11025, 0.54},
        {36, 11025, 1.52}, {37, 11025, 4.86}, {38, 0, 0},        {39, 0, 0},        {40, 0, 6.37},
        {41, 0, 0},        {42, 0, 0},        {43, 0, 0},        {44, 0, 0},        {45, 0, 0},
        {46, 0, 0},        {47, 11025, 1.34}, {48, 22050, 1.70}, {49, 22050, 1.01}};
    for (const auto& [n, f, s] : catalogo) {
      // durata sconosciuta: tra 0.28 e 6.37 secondi
      QTest::addRow("ID_%d", n) << pfuncPercorsoRisorsa("wave", QStringLiteral("id_%1").arg(n)) << f
                                << (s ? s * 0.85 : 0.28) << (s ? s * 1.15 : 6.37);
    }
    const QString dati = cartellaSorgenti() + "/data/Mr.Gorbio.00";
    QTest::newRow("settimo stadio su disco") << dati + "3" << -1 << 4.0 << 5.4;
    QTest::newRow("brano d'avvio su disco") << dati + "4" << -1 << 22.0 << 30.0;
    QTest::newRow("uscita su disco") << dati + "5" << -1 << 1.6 << 2.2;
  }
  void suoni() {
    const auto [percorso, frequenza, minimo, massimo] =
        dati<QString, int, double, double>("percorso", "frequenza", "minimo", "massimo");
    QVERIFY(!percorso.isEmpty());
    const Wave w = leggiWave(leggiFile(percorso));
    QCOMPARE(w.formato, 1);
    if (frequenza >= 0) QCOMPARE(w.canali, 1);
    if (frequenza > 0) QCOMPARE(w.frequenza, frequenza);
    if (frequenza == 0) QVERIFY(w.frequenza == 11025 || w.frequenza == 22050);
    QVERIFY2(w.secondi >= minimo && w.secondi <= massimo, qPrintable(QString::number(w.secondi)));
    QVERIFY2(w.picco < 0.999, "suono saturo");
    QVERIFY2(w.picco > 0.7, "suono troppo debole");
    QVERIFY2(20 * std::log10(w.rms) > -30, "suono quasi muto");
  }

  void fontIncorporato() {
    QVERIFY(QFile::exists(":/fonts/LiberationSans-Regular.ttf") && QFile::exists(":/fonts/LiberationSans-Bold.ttf"));
  }
};

QTEST_MAIN(TestRisorse)
#include "tst_risorse.moc"
