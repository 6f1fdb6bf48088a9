// Un giocatore automatico gioca 2000 round in molte partite usando ogni mossa,
// la pausa, il salvataggio e il caricamento: niente crash, memoria ferma.
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

#include "app/modgenerale.h"
#include "support/tavolo.h"
#include "ui/frmpausa.h"

#if defined(__SANITIZE_ADDRESS__)
// dalla libreria di AddressSanitizer (GCC non ne installa l'intestazione)
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

#if defined(__SANITIZE_ADDRESS__)
// con AddressSanitizer la quarantena gonfia la memoria residente: contano i byte vivi
long memoriaKb() { return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024); }
#else
long memoriaKb() {
  QFile f(QStringLiteral("/proc/self/statm"));
  if (!f.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> campi = f.readAll().split(' ');
  return campi.size() > 1 ? campi[1].toLong() * 4 : 0;
}
#endif

}  // namespace

class TestResistenza : public QObject {
  Q_OBJECT

private slots:
  void duemilaRound() {
    const QStringList parole = {"CAVOLO", "PATATA", "ZUCCHINA", "MELANZANA", "PEPERONE", "CARCIOFO", "LATTUGA",
                                "SEDANO", "FINOCCHIO", "BROCCOLO"};
    Tavolo t(parole);
    QRandomGenerator caso(4100);
    const QString salvata = t.dir.filePath(QStringLiteral("resistenza.cap"));
    // risposte date al volo, come farebbe un giocatore
    t.finta.allaDomanda = [&](const PiattaformaFinta::Messaggio& m) {
      if (m.pulsanti == Pulsanti::SiNo) {
        t.finta.risposte.append(m.testo.contains(QStringLiteral("altra partita")) ? Risposta::Si : Risposta::No);
      }
    };
    t.finta.allInput = [&] {
      const bool nome = t.finta.prompt.last().startsWith(QStringLiteral("Inserisci"));
      t.finta.testiInput.append(nome ? QStringLiteral("robot") : (caso.bounded(2) ? gstrParola : QStringLiteral("NO")));
    };
    t.nuovaPartita();
    int round = 0;
    int ultimo = 1;
    long memoriaAl100 = 0;
    while (round < 2000) {
      switch (caso.bounded(40)) {
        case 0: t.f->cmdGioco_Click(1); break;
        case 1: t.f->cmdGioco_Click(2); break;
        case 2: t.f->cmdGioco_Click(3); break;
        case 3:
          t.finta.azioniModali.append([](QDialog* d) { static_cast<frmPausa*>(d)->cmdRiprendi_Click(); });
          t.f->mnuFilePausa_Click();
          break;
        case 4:
          t.finta.percorsiFile.append(salvata);
          t.f->mnuFileSalva_Click();
          break;
        case 5:
          // carica solo a partita finita, come il menu permette
          t.finta.percorsiFile.append(salvata);
          t.f->msubTerminaGioco(false);
          t.f->mnuFileCarica_Click();
          if (!gblnPartitaInCorso) t.nuovaPartita(caso.bounded(1, 11));
          break;
        case 6: t.finta.avanza(caso.bounded(1000, 200000)); break;
        default: t.premi(QString(QChar(u'a' + caso.bounded(26)))); break;
      }
      QVERIFY(gblnPartitaInCorso);
      const int r = t.f->pfuncRound();
      if (r != ultimo) {
        ++round;
        ultimo = r;
        // i registri della piattaforma finta crescerebbero da soli: si svuotano
        t.finta.eventi.clear();
        t.finta.suoni.clear();
        t.finta.messaggi.clear();
        t.finta.prompt.clear();
        t.finta.dialoghi.clear();
        if (round == 100) memoriaAl100 = memoriaKb();
      }
    }
    QVERIFY(t.finta.inatteso.isEmpty());
    const long crescita = memoriaKb() - memoriaAl100;
    qInfo("2000 round; memoria dal centesimo: %+ld kB", crescita);
    QVERIFY2(crescita < 4096, "la memoria cresce durante il gioco");
  }
};

QTEST_MAIN(TestResistenza)
#include "tst_resistenza.moc"
