// Quello che legge un lettore di schermo (gli annunci della partita li guardano le tracce):
// lo stato con F7, i nomi, i ruoli, gli stati e le azioni dei controlli, i nomi delle immagini.
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

  // lettere come pulsanti da premere, parola e valori come testo, la voce come notifica; F7 dice lo stato
  void ruoliStatiAzioni() {
    Tavolo t;
    t.f->show();
    gAnnunci.clear();
    QTest::keyClick(t.f.get(), Qt::Key_F7);
    QCOMPARE(gAnnunci, QStringList{QStringLiteral("Nessuna partita. F2 per iniziare.")});
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
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : t.f.get(), Qt::Key_F7);
    QCOMPARE(gAnnunci.constLast(), QStringLiteral("Tempo 3 minuti. Parola: C trattino trattino trattino trattino trattino. Errori 0 di 8. Punteggio 0. Round 1."));
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
