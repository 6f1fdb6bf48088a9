#include "extras/frminforegole.h"

#include "app/finestre.h"
#include "ui/aspetto.h"

frmInfoRegole::frmInfoRegole(QWidget* padre)
    : CorniceInfo(QStringLiteral("frmInfoRegole"), QStringLiteral("info_regole.png"), padre) {
  Label1 = creaTitolo("Label1", QStringLiteral("Regole del gioco"), pfuncFonte(12, true));
  Label2(0) = creaBarra();
  Label3 = etichetta(QStringLiteral("Label3"), pfuncTestoRegole(), 240, 960, 4800, 2280);
  Label3->setWordWrap(true);
  psubApriChiudiFinestra(objectName(), QStringLiteral("load"));
}

QString frmInfoRegole::pfuncTestoRegole() {
  return QStringLiteral(
      "Beh, non credo ci sia molto da dire, il gioco lo conoscete di sicuro...             Il computer "
      "sceglie una parola a caso di lunghezza variabile tra  le sei e le dieci  lettere,  tra 4100  "
      "sostantivi singolari, che voi dovete indovinare;  ogni  errore  che farete  sarà  un passo in "
      "avanti verso il famigerato gorbio "
      "!                                                                                         Il  "
      "gioco  prosegue ad oltranza  finchè  il gorbio  non  fa  il  suo dovere;  per  ogni  parola  "
      "indovinata viene assegnato un punteggio  che  tiene conto del  numero di tentativi  fatti,  del  "
      "tempo  trascorso, dell'uso o meno del jolly (-500 punti) e delle vocali (-100 punti ad ogni "
      "vocale), nonchè della lunghezza della parola.");
}
