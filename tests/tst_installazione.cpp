// Il gioco sul desktop: i dialoghi standard in italiano (con i testi fissati
// dal gioco intatti) e, a scala 2, le figure disegnate al doppio.
#include <QPushButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
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

  // Il vero dialogo di Qt aperto dalla piattaforma: quello che mostra e quello che rende al gioco, chiuso
  // da un pulsante, rifiutato (Esc, la chiusura della finestra) o dal gioco (il tempo scaduto sull'input).
  void dialoghiVeri_data() { tabella("installazione-dialoghi"); }
  void dialoghiVeri() {
    const auto [dialogo, chiusura, visto, reso] = dati<QString, QString, QString, QString>("dialogo", "chiusura", "visto", "reso");
    PiattaformaQt piattaforma(QStringLiteral("/nessun-modulo-del-suono"));
    QTemporaryDir cartella;
    const auto senzaCartella = [&](QString t) { return t.replace(cartella.path(), QStringLiteral("<cartella>")); };
    // il gioco senza fuoco (su Wayland non se lo prende da solo): messaggi e domande hanno lui per madre
    QWidget gioco;
    gioco.setObjectName(QStringLiteral("frmGioco"));
    gioco.show();
    QApplication::setActiveWindow(nullptr);
    QString mostrato;
    QTimer::singleShot(0, [&] {
      auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dlg) return;
      QMultiMap<QString, QPushButton*> pulsanti;  // i visibili, per testo
      for (QPushButton* b : dlg->findChildren<QPushButton*>()) {
        if (b->isVisible() && !b->text().isEmpty()) pulsanti.insert(b->text(), b);
      }
      QStringList parti{dlg->windowTitle(), dlg->parentWidget() ? dlg->parentWidget()->objectName() : "-", pulsanti.keys().join(u',')};
      if (auto* m = qobject_cast<QMessageBox*>(dlg)) parti << m->text() << QString::number(m->icon());
      if (auto* f = qobject_cast<QFileDialog*>(dlg))
        parti << f->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText() + " = " + f->nameFilters().join(u',')
              << senzaCartella(f->directory().path()) << f->defaultSuffix()
              << f->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
      if (auto* in = qobject_cast<QInputDialog*>(dlg)) {
        parti << in->labelText() << in->textValue();
        in->setTextValue(QStringLiteral("CAV"));  // una soluzione scritta a meta'
      }
      mostrato = parti.join(u'|');
      if (chiusura == u"rifiuta") return dlg->reject();
      if (chiusura == u"gioco") return piattaforma.chiudiInputBox();
      QPushButton* premuto = pulsanti.value(chiusura);
      if (!premuto) {
        dlg->reject();
        QFAIL(qPrintable("nessun pulsante " + chiusura));
      }
      premuto->click();
      // un dialogo che resta aperto dopo il pulsante lo chiude il giocatore
      if (dlg->isVisible()) mostrato += QStringLiteral("|resta"), dlg->reject();
    });
    const DialogoFile d{dialogo.startsWith(u"carica") ? "Carica gioco..." : "Salva gioco...", dialogo.endsWith(u'*') ? "*.cap" : "partita",
                        "File di Gioco", cartella.path(), "cap"};
    static const QStringList risposte{"Ok", "Si", "No", "Annulla"};
    QString r;
    if (dialogo.startsWith(u"salva")) r = piattaforma.dialogoSalva(nullptr, d);
    if (dialogo.startsWith(u"carica")) r = piattaforma.dialogoApri(nullptr, d);
    if (dialogo == u"domanda")
      r = risposte[int(piattaforma.msgBox("Vuoi\r\nsalvare?", Pulsanti::SiNo, Icona::Domanda, " Veltrak Info Service..."))];
    if (dialogo == u"messaggio") r = risposte[int(piattaforma.msgBox("Fatto.", Pulsanti::Ok, Icona::Esclamazione, "Titolo"))];
    if (dialogo == u"nome") r = piattaforma.inputBox("Il tuo\r\nnome:", "Classifica", "Gorbio");
    QCOMPARE(mostrato, visto);
    QCOMPARE(senzaCartella(r), reso);
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
// a scala 2: in main, dopo che le prove hanno fissato la piattaforma (tests/support/aiuti.cpp), prima di QApplication
int main(int argc, char** argv) {
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  TestInstallazione prova;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&prova, argc, argv);
}
#include "tst_installazione.moc"
