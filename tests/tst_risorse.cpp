// Il catalogo di immagini e suoni: ci sono tutti, della misura e del formato giusti,
// e nessun suono e' muto o saturo.
#include <QImageReader>
#include <QtTest>
#include <cmath>

#include "app/media.h"
#include "app/risorse.h"
#include "support/aiuti.h"

class TestRisorse : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() {
    psubInizializzaRisorse();
    QVERIFY(QFile::exists(":/fonts/LiberationSans-Regular.ttf") && QFile::exists(":/fonts/LiberationSans-Bold.ttf"));
  }

  void immagini_data() { tabella("risorse-immagini"); }
  void immagini() {
    const auto [larghezza, altezza] = dati<int, int>("larghezza", "altezza");
    const QString nome = QTest::currentDataTag();
    const QSize misura(larghezza, altezza);
    const QImage img = QImageReader(nome.startsWith(u"id_") ? pfuncPercorsoRisorsa("jpg", nome) : ":/img/" + nome).read();
    QCOMPARE(img.size(), misura);
    // non una tinta unita
    const QRgb angolo = img.pixel(0, 0);
    QVERIFY(angolo != img.pixel(misura.width() / 2, misura.height() / 2) || angolo != img.pixel(misura.width() - 1, 0));
  }

  // PCM mono (l'unico formato che QSoundEffect suona), frequenza e durata attese, livello sano
  void suoni_data() { tabella("risorse-suoni"); }
  void suoni() {
    const auto [frequenza, minimo, massimo] = dati<int, double, double>("frequenza", "minimo", "massimo");
    const QString nome = QTest::currentDataTag();
    const QByteArray b = leggiFile(nome.startsWith(u"ID_") ? pfuncPercorsoRisorsa("wave", nome.toLower())
                                                            : cartellaSorgenti() + "/data/" + nome);
    QVERIFY(b.startsWith("RIFF"));
    // i pezzi del RIFF: "fmt " (formato, canali, frequenza, bit) e "data"
    const auto u16 = [&](qsizetype p) { return int(qFromLittleEndian<quint16>(b.constData() + p)); };
    const auto u32 = [&](qsizetype p) { return qsizetype(qFromLittleEndian<quint32>(b.constData() + p)); };
    int formato = 0, canali = 0, hz = 0, bit = 0;
    QByteArray campioni;
    for (qsizetype p = 12; p + 8 <= b.size(); p += 8 + u32(p + 4) + u32(p + 4) % 2) {
      if (b.mid(p, 4) == "fmt ") std::tie(formato, canali, hz, bit) = std::tuple(u16(p + 8), u16(p + 10), int(u32(p + 12)), u16(p + 22));
      if (b.mid(p, 4) == "data") campioni = b.mid(p + 8, u32(p + 4));
    }
    QVERIFY2(formato == 1 && (bit == 8 || bit == 16) && (canali == 1 || frequenza < 0), qPrintable(QString::number(formato)));
    QVERIFY2(frequenza > 0 ? hz == frequenza : frequenza < 0 || hz == 11025 || hz == 22050, qPrintable(QString::number(hz)));
    const qsizetype n = campioni.size() / (bit / 8);
    const double secondi = double(n) / canali / hz;
    QVERIFY2(secondi >= minimo && secondi <= massimo, qPrintable(QString::number(secondi)));
    double picco = 0, somma = 0;
    for (qsizetype i = 0; i < n; ++i) {
      const double v = bit == 8 ? (quint8(campioni[i]) - 128) / 128.0 : qFromLittleEndian<qint16>(campioni.constData() + i * 2) / 32768.0;
      picco = std::max(picco, std::abs(v));
      somma += v * v;
    }
    // ne' saturo, ne' debole, ne' quasi muto
    QVERIFY2(picco < 0.999 && picco > 0.7 && 10 * std::log10(somma / double(n)) > -30, qPrintable(QString::number(picco)));
  }
};

QTEST_MAIN(TestRisorse)
#include "tst_risorse.moc"
