#pragma once
// frmGioco, la finestra del gioco. Una sola classe i cui membri stanno in
// piu' file: play/ (logica di gioco, comandi, salvataggi), ui/ (costruzione,
// timer d'ambiente), scores/ (classifica), extras/ (titoli di coda).

#include <QCursor>
#include <QLabel>
#include <QMainWindow>
#include <array>

#include "app/controlli.h"
#include "app/timer.h"
#include "extras/titolicoda.h"
#include "play/regole.h"

class QAction;
class QFrame;
class QMenu;
class QPushButton;
class QDialog;
class EtichettaPulsante;
class frmPausa;

// La riga che nomina il brano d'avvio.
QString pfuncTitoloBrano();

// Valori del puntatore del mouse usati come stato del gioco.
enum : int { PUNTATORE_NORMALE = 0, PUNTATORE_CLESSIDRA = 11, PUNTATORE_DIVIETO = 12, PUNTATORE_MANO = 99 };

// Codici tasto classici usati dal gestore dei tasti.
enum : int { vbKeyF3 = 114, vbKeyF4 = 115, vbKeyF7 = 118, vbAltMask = 4 };

class frmGioco : public QMainWindow {
  Q_OBJECT

public:
  frmGioco();
  ~frmGioco() override;

  // --- costruzione e stato iniziale (ui/) ---
  void Form_Load();
  void Form_Activate();
  int MousePointer() const { return mintPuntatore; }
  void setMousePointer(int valore);
  // puntatore dei 21 pulsanti lettera e della loro cornice
  void setPuntatoreLettere(int valore);
  int puntatoreLettere() const { return mintPuntatoreLettere; }

  // --- partita e round (play/) ---
  void mnuFileNuovogioco_Click();
  void msubNuovoRound();
  void msubDisponiCaselle();
  void msubAggiornaLivello();

  // --- lettere (play/) ---
  void lblInputLettera_Click(int Index);
  void lblInputLettera_MouseDown(int Index);
  void lblInputLettera_MouseUp(int Index);
  void Form_KeyPress(int KeyAscii);
  void Form_KeyDown(int KeyCode, int Shift);
  bool mfuncProvaLettera(const QString& lettera);

  // --- fine round, punteggio, fine partita (play/) ---
  void msubMostraStadio();
  void msubParolaIndovinata();
  void msubCalcolaPunteggio();
  void msubFinePartita();

  // --- mosse del giocatore e conto alla rovescia (play/) ---
  void cmdGioco_Click(int Index);
  void Command1_Click();
  void tmrTempo_Timer();

  // --- comandi e pausa (play/) ---
  void mnuMain_Click(int Index);
  void mnuFilePausa_Click();
  void mnuFileTermina_Click();
  void mnuFileEsci_Click();
  void msubTerminaGioco(bool blnChiedi);

  // --- partite salvate (play/) ---
  void mnuFileSalva_Click();
  void mnuFileCarica_Click();
  QString mfuncApriSalvaDialog(int modo, const QString& titolo, const QString& nomeFile, const QString& filtro,
                               const QString& cartella, const QString& estensione);

  // --- classifica (scores/) ---
  void mnuClassificaVisualizza_Click();
  void mnuClassificaResetta_Click();
  void msubAggiornaClassifica();

  // --- finestre informative (extras/) ---
  void mnuInfoCodice_Click();
  void mnuInfoRegole_Click();
  void mnuInfoTastiera_Click();
  void mnuInfoGorbio_Click();
  void msubApriThanxTo();

  // --- timer d'ambiente (ui/) e titoli di coda (extras/) ---
  void tmrWaveMp3_Timer();
  void tmrRutto_Timer();
  void tmrCrediti_Timer();
  void msubGestioneCrediti(const QString& azione);
  void msubImpostaCrediti();
  // posizione verticale di una riga dei titoli, in twip
  double topCrediti(int Index) const { return mdblTopCrediti[static_cast<std::size_t>(Index)]; }
  void setTopCrediti(int Index, double twip);
  double altezzaContenitoreCrediti() const;  // ScaleHeight in twip

  // --- controlli, con i nomi e gli indici delle finestre del gioco ---
  QFrame* frmParolaCercata = nullptr;
  MatriceControlli<QLabel, 1, 10> lblParolaCercata;
  QLabel* lblTitoloWaveMp3 = nullptr;
  QLabel* picScena = nullptr;
  MatriceControlli<QPushButton, 1, 3> cmdGioco;
  QPushButton* Command1 = nullptr;
  QFrame* fraInputLettere = nullptr;
  MatriceControlli<EtichettaPulsante, 1, 21> lblInputLettera;
  MatriceControlli<QLabel, 1, 4> lblScritte_di_Stato;
  QLabel* lblRound = nullptr;
  QLabel* lblPunteggio = nullptr;
  QLabel* lblLettere_da_scoprire = nullptr;
  QLabel* lblTempo = nullptr;
  MatriceControlli<QFrame, 0, 5> LineSep;
  TitoliCoda* picContenitoreCrediti = nullptr;
  MatriceControlli<RigaCrediti, 1, 10> lblCrediti;

  // le quattro voci della barra; le prime tre aprono un menu
  MatriceControlli<QAction, 1, 4> mnuMain;
  QAction* mnuFileNuovogioco = nullptr;
  QAction* mnuFilePausa = nullptr;
  QAction* mnuFileTermina = nullptr;
  QAction* mnuFileCarica = nullptr;
  QAction* mnuFileSalva = nullptr;
  QAction* mnuFileEsci = nullptr;
  QAction* mnuClassificaVisualizza = nullptr;
  QAction* mnuClassificaResetta = nullptr;
  QAction* mnuInfoCodice = nullptr;
  QAction* mnuInfoRegole = nullptr;
  QAction* mnuInfoTastiera = nullptr;
  QAction* mnuInfoGorbio = nullptr;

  // i puntatori a forma di mano (imgMano(1), imgMano(2)) e quello dei link
  QCursor imgMano1;
  QCursor imgMano2;
  QCursor imgLink;

  Timer tmrTempo;
  Timer tmrRutto;
  Timer tmrWaveMp3;
  Timer tmrCrediti;

  // --- il record di gioco ---
  int mintErrori = 0;
  bool mblnOccupato = false;
  bool mblnJollyUsato = false;
  bool mblnLetteraDaJolly = false;
  bool mblnEsciDaTastiera = false;
  qint32 mlngPunteggio = 0;
  int mintMinuti = 0;
  int mintSecondi = 0;

  // campi dei titoli di coda
  int mintRigheCrediti = 10;
  int mintRossoCrediti = 255;
  int mintVerdeCrediti = 240;
  int mintBluCrediti = 50;

  // la finestra di pausa aperta, se c'e' (il tempo scaduto la chiude)
  frmPausa* mfrmPausa = nullptr;

protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  void changeEvent(QEvent* evento) override;

private:
  void costruisciControlli();
  void costruisciMenu();
  void caricaPuntatori();
  void aggiornaCursore();
  // il tempo scaduto durante una sequenza viene eseguito alla sua fine
  void msubEseguiTempoScaduto();
  void msubMostraTempo();
  void msubControllaScadenza();
  void msubResa();
  void msubSoluzione();
  void msubJolly();
  void msubApriInfo(QDialog* finestra);
  // l'immagine della scena, col nome che ne dice il lettore di schermo
  void msubMostraScena(const QString& id);
  void msubAnnuncia(const QString& testo);
  DatiPunteggio mfuncDatiPunteggio() const;

public:
  int pfuncRound() const;
  int pfuncDaScoprire() const;

private:

  int mintPuntatore = PUNTATORE_NORMALE;
  int mintPuntatoreLettere = PUNTATORE_DIVIETO;
  bool mblnDimensionato = false;
  bool mblnTempoScaduto = false;     // il tempo e' scaduto in questo round
  bool mblnScadenzaInAttesa = false;  // scaduto durante una sequenza: da eseguire alla fine
  quint64 mlngGenerazione = 0;       // cresce a ogni round e a ogni ritorno all'inizio
  std::array<double, 11> mdblTopCrediti{};
};

// Un'etichetta usata come pulsante: click, pressione e rilascio.
class EtichettaPulsante : public QLabel {
  Q_OBJECT

public:
  EtichettaPulsante(const QString& testo, QWidget* padre);
  QString Tag;

signals:
  void clicked();
  void premuto();
  void rilasciato();

protected:
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
};
