// Il gioco sul desktop: i dialoghi standard in italiano (con i testi fissati
// dal gioco intatti) e, a scala 2, le figure disegnate al doppio.
#include <QPushButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include "app/frmavvio.h"
#include "app/piattaformaqt.h"
#include "app/risorse.h"
#include "app/scrivania.h"
#include "support/aiuti.h"
#include "support/tavolo.h"

class TestInstallazione : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() {
    psubInizializzaRisorse();
    psubPreparaScrivania();
  }

  // il vero dialogo di Qt, aperto dalla piattaforma e chiuso appena si mostra
  void pulsantiDeiDialoghi_data() { tabella("installazione-dialoghi"); }
  void pulsantiDeiDialoghi() {
    const auto [pulsanti] = dati<QString>("pulsanti");
    const QString dialogo = QTest::currentDataTag();
    PiattaformaQt piattaforma(QStringLiteral("/nessun-modulo-del-suono"));
    QStringList visti;
    QTimer::singleShot(0, [&] {
      auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dlg) return;
      for (QPushButton* b : dlg->findChildren<QPushButton*>()) {
        if (b->isVisible() && !b->text().isEmpty()) visti << b->text();
      }
      dlg->reject();
    });
    const DialogoFile d{"Salva gioco...", "partita", "Gioco", QDir::tempPath(), "cap"};
    if (dialogo == u"salva") piattaforma.dialogoSalva(nullptr, d);
    if (dialogo == u"carica") piattaforma.dialogoApri(nullptr, d);
    if (dialogo == u"domanda") piattaforma.msgBox("?", Pulsanti::SiNo, Icona::Domanda, {});
    if (dialogo == u"messaggio") piattaforma.msgBox({}, Pulsanti::Ok, Icona::Nessuna, {});
    if (dialogo == u"nome") piattaforma.inputBox({}, {}, {});
    visti.sort();
    QCOMPARE(visti.join(u'|'), pulsanti);
  }

  // a scala 2 ogni figura mostrata ha il doppio dei punti e la misura di sempre
  void figureAlDoppio_data() {
    colonne<int, QSize>("figura", "punti");
    QTest::newRow("scena") << 0 << QSize(630, 458);
    QTest::newRow("marchio della finestra d'avvio") << 1 << QSize(200, 186);
    QTest::newRow("puntatore a mano") << 2 << QSize(64, 64);
  }
  void figureAlDoppio() {
    const auto [figura, punti] = dati<int, QSize>("figura", "punti");
    Tavolo t;
    frmAvvio avvio;
    const QPixmap mostrata = figura == 0   ? t.f->picScena->pixmap()
                             : figura == 1 ? avvio.imgDummy(0)->pixmap()
                                           : t.f->imgMano1.pixmap();
    QCOMPARE(mostrata.size(), punti);
    QCOMPARE(mostrata.deviceIndependentSize().toSize(), punti / 2);
    if (figura == 2) QCOMPARE(t.f->imgMano1.hotSpot(), QPoint(34, 4));  // la punta del dito, 17,2 a 1x
  }
};

// uno schermo a 200 %, prima che nasca l'applicazione
static const bool gScala = qputenv("QT_SCALE_FACTOR", "2");
QTEST_MAIN(TestInstallazione)
#include "tst_installazione.moc"
