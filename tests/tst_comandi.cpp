// "Thanx to..." dalla vera barra dei menu, con la tastiera.
#include <QDialog>
#include <QMenuBar>
#include <QtTest>

#include "app/modgenerale.h"
#include "support/aiuti.h"
#include "support/tavolo.h"

class TestComandi : public QObject {
  Q_OBJECT

private slots:
  // "Thanx to..." dalla vera barra dei menu: si apre con Alt+T, non passandoci sopra con
  // le frecce da un menu aperto; con la clessidra risponde "Non posso ora.."
  void thanxTo_data() { tabella("comandi-thanx"); }
  void thanxTo() {
    const auto [come, clessidra, eventi] = dati<QString, bool, QString>("come", "clessidra", "eventi");
    Tavolo t;
    t.nuovaPartita();
    t.f->tmrTempo.setInterval(0);
    t.f->show();
    QVERIFY(QTest::qWaitForWindowActive(t.f.get()));
    if (clessidra) t.f->setMousePointer(PUNTATORE_CLESSIDRA);
    t.finta.eventi.clear();
    if (come == u"frecce") {
      QTest::keyClick(t.f.get(), Qt::Key_F, Qt::AltModifier);
      for (int i = 0; i < 3; ++i) {
        QWidget* aperto = QApplication::activePopupWidget();
        QVERIFY(aperto);
        QTest::keyClick(aperto, Qt::Key_Right);
      }
      QTest::keyClick(t.f->menuBar(), Qt::Key_Escape);
    } else {
      QTest::keyClick(t.f.get(), Qt::Key_T, Qt::AltModifier);
    }
    QTest::qWait(50);
    QCOMPARE(t.finta.eventi.filter(QRegularExpression(QStringLiteral("^(finestra|msg):"))), eventi.split(u'|', Qt::SkipEmptyParts));
    if (clessidra) QCOMPARE(t.finta.messaggi[0].titolo, QStringLiteral(" Veltrak Info Center..."));
  }
};

QTEST_MAIN(TestComandi)
#include "tst_comandi.moc"
