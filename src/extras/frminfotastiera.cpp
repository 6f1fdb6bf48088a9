#include "extras/frminfotastiera.h"

#include "app/finestre.h"
#include "ui/aspetto.h"

namespace {

struct RigaTasto {
  const char* tasto;
  const char* significato;
};

// le stesse scorciatoie del menu e i tasti delle lettere
constexpr RigaTasto RIGHE[] = {{"  F1", "=       informazioni su Veltrak Mr.Gorbio"},
                               {"  F2", "=       avvia nuovo gioco"},
                               {"  F3", "=       pausa / riprendi gioco"},
                               {"  F4", "=       termina gioco"},
                               {"  F5", "=       visualizza classifica"},
                               {"  F6", "=       resetta classifica"},
                               {"da A a Z ", "=       tenta la lettera corrispondente"}};

}  // namespace

frmInfoTastiera::frmInfoTastiera(QWidget* padre)
    : CorniceInfo(QStringLiteral("frmInfoTastiera"), QStringLiteral("info_tastiera.png"), padre) {
  Label1 = creaTitolo("Label1", QStringLiteral("Comandi della tastiera"), pfuncFonte(12, true));
  Label2(0) = creaBarra();
  for (int i = 1; i <= 7; ++i) {
    const RigaTasto& r = RIGHE[i - 1];
    const double su = 1200 + 290 * (i - 1);
    Label2(i) = etichetta(QStringLiteral("Label2_%1").arg(i), QString::fromUtf8(r.tasto), 240, su, 1080, 255);
    Label2(i)->setFont(pfuncFonte(8.25, true));
    Label3(i) = etichetta(QStringLiteral("Label3_%1").arg(i), QString::fromUtf8(r.significato), 1400, su, 3700, 255);
  }
  psubApriChiudiFinestra(objectName(), QStringLiteral("load"));
}
