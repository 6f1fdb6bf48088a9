// Quello che legge un lettore di schermo: gli annunci della partita passo per passo (uno per passo),
// i nomi, i ruoli, gli stati e le azioni dei controlli, i nomi delle immagini.
#include <QAccessible>
#include <QDirIterator>
#include <QLabel>
#include <QtTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "extras/frmthanxto.h"
#include "support/aiuti.h"
#include "support/tavolo.h"
#include "ui/accessibilita.h"

namespace {
QStringList gAnnunci;

// gli annunci sono le notifiche che compaiono
void registra(QAccessibleEvent* evento) {
  QAccessibleInterface* i = evento->accessibleInterface();
  if (evento->type() == QAccessible::ObjectShow && i && i->role() == QAccessible::Notification) {
    gAnnunci << i->text(QAccessible::Name);
  }
}

QAccessibleInterface* acc(const QObject* padre, const QString& nome) {
  return QAccessible::queryAccessibleInterface(padre->findChild<QObject*>(nome));
}
}  // namespace

class TestAccessibilita : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() {
    QAccessible::installUpdateHandler(registra);
    // come un lettore di schermo collegato: senza, Qt non manda eventi
    QPlatformAccessibility* piattaforma = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(piattaforma);
    piattaforma->setActive(true);
  }

  void partita_data() { tabella("accessibilita-partita"); }
  void partita() {
    const auto [passi, annunci, nomi] = dati<QString, QString, QString>("passi", "annunci", "nomi");
    Tavolo t({QStringLiteral("CAVOLO"), QStringLiteral("CAVOLO")});
    t.f->show();  // una finestra nascosta non mostra la voce
    t.rispondi("No");
    qsizetype messaggi = 0;
    for (const QString& passo : passi.split(u' ')) {
      gAnnunci.clear();
      messaggi = t.finta.messaggi.size();
      if (passo == u"N") t.nuovaPartita();
      else if (passo == u"F7") QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : t.f.get(), Qt::Key_F7);
      else if (passo.startsWith(u'+')) t.finta.avanza(passo.mid(1).toInt() * 1000);
      else if (passo == u"!J") t.f->cmdGioco_Click(2);
      else if (passo == u"!A") t.f->cmdGioco_Click(3);
      else if (passo.startsWith(u"!S=")) {
        t.finta.testiInput = {passo.mid(3).replace(u'_', u' ')};
        t.f->cmdGioco_Click(1);
      } else t.premi(passo);
    }
    // le notizie lette aprendo un messaggio vengono prima delle notifiche, dette a fine passo
    QStringList detti;
    for (const auto& m : t.finta.messaggi.mid(messaggi)) {
      if (!m.annunci.isEmpty()) detti << QStringLiteral("messaggio: ") + m.annunci;
    }
    QCOMPARE((detti + gAnnunci).join(u'|'), annunci);
    for (const QString& voce : nomi.split(u';')) {
      const qsizetype i = voce.indexOf(QRegularExpression(QStringLiteral("[=~]")));
      const auto testo = voce[i] == u'=' ? QAccessible::Name : QAccessible::Description;
      QCOMPARE(acc(t.f.get(), voce.left(i))->text(testo), voce.mid(i + 1));
    }
  }

  // lettere come pulsanti da premere, parola e valori come testo, la voce come notifica
  void ruoliStatiAzioni() {
    Tavolo t;
    t.f->show();
    gAnnunci.clear();
    t.nuovaPartita();
    QAccessibleInterface* c = acc(t.f.get(), QStringLiteral("lblInputLettera_3"));
    QCOMPARE(c->role(), QAccessible::Button);
    QCOMPARE(c->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    c->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    QCOMPARE(t.caselle(), QStringLiteral("C_____"));
    QVERIFY(c->state().disabled);
    QCOMPARE(acc(t.f.get(), QStringLiteral("frmParolaCercata"))->role(), QAccessible::StaticText);
    QCOMPARE(acc(t.f.get(), QStringLiteral("frmParolaCercata"))->childCount(), 1);
    QCOMPARE(acc(t.f.get(), QStringLiteral("lblTempo"))->role(), QAccessible::StaticText);
    QCOMPARE(gAnnunci.size(), 2);
  }

  // frecce e link delle finestre informative: pulsanti e link col loro nome, premuti dalla tastiera
  void etichetteAttive() {
    AmbienteTest amb;
    frmThanxTo f;
    QAccessibleInterface* avanti = acc(&f, QStringLiteral("imgFreccia_2"));
    QCOMPARE(avanti->text(QAccessible::Name), QStringLiteral("Pagina seguente"));
    QCOMPARE(avanti->role(), QAccessible::Button);
    QCOMPARE(acc(&f, QStringLiteral("lblLink"))->role(), QAccessible::Link);
    QTest::keyClick(f.imgFreccia(2), Qt::Key_Space);
    QCOMPARE(f.lblPag->text(), QStringLiteral("2 di 3"));
    QCOMPARE(QAccessible::queryAccessibleInterface(&f)->text(QAccessible::Name), QStringLiteral("Thanx to..."));
  }

  // ogni immagine che il gioco mostra ha un nome per chi non la vede
  void immaginiConNome() {
    QLabel l;
    for (const QString& cartella : {QStringLiteral(":/jpg"), QStringLiteral(":/img")}) {
      for (QDirIterator it(cartella); it.hasNext();) {
        const QString file = it.next();
        if (file.contains(u"icona_")) continue;
        psubNominaImmagine(&l, file);
        QVERIFY2(!l.accessibleName().isEmpty(), qPrintable(file));
      }
    }
  }
};

QTEST_MAIN(TestAccessibilita)
#include "tst_accessibilita.moc"
