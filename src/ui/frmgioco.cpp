// frmGioco: costruzione dei controlli, menu, puntatori, Form_Load e Form_Activate.
#include "play/frmgioco.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <array>

#include "app/finestre.h"
#include "app/media.h"
#include "app/modgenerale.h"
#include "app/risorse.h"
#include "ui/accessibilita.h"
#include "ui/aspetto.h"

namespace {

// Posizione e larghezza in twip dei 21 pulsanti lettera.
struct PosLettera {
  int sinistra;
  int larghezza;
};
constexpr std::array<PosLettera, 21> POS_LETTERE = {{{210, 255},  {920, 225},  {1590, 255}, {2265, 255}, {2940, 255},
                                                     {3640, 225}, {4305, 255}, {225, 255},  {975, 105},  {1620, 195},
                                                     {2250, 285}, {2940, 255}, {3615, 285}, {4320, 225}, {210, 285},
                                                     {900, 255},  {1600, 225}, {2280, 225}, {2940, 255}, {3630, 255},
                                                     {4320, 225}}};
const QString ALFABETO = QStringLiteral("ABCDEFGHILMNOPQRSTUVZ");
constexpr std::array<int, 5> VOCALI = {1, 5, 9, 13, 19};

// Altezza esterna meno l'area interna: bordi, titolo e barra dei menu (twip).
constexpr int CORNICE_LARGHEZZA = 90;
constexpr int CORNICE_ALTEZZA = 645;

QLabel* nuovaEtichetta(QWidget* padre, const char* nome, const QString& testo, const QRect& r, const QFont& f,
                       Qt::Alignment a = Qt::AlignLeft | Qt::AlignTop) {
  auto* l = new QLabel(padre);
  // il nome prima del testo: il lettore di schermo sceglie come leggerla al primo testo
  if (nome) l->setObjectName(QString::fromLatin1(nome));
  l->setText(testo);
  l->setGeometry(r);
  l->setFont(f);
  l->setAlignment(a);
  return l;
}

QFrame* nuovaLinea(QWidget* padre, const QRect& r, const QColor& colore) {
  auto* linea = new QFrame(padre);
  linea->setGeometry(r);
  linea->setAutoFillBackground(true);
  QPalette p = linea->palette();
  p.setColor(QPalette::Window, colore);
  linea->setPalette(p);
  return linea;
}

QCursor puntatoreDaRisorsa(const QString& nome) {
  QPixmap immagine(pfuncPercorsoNitido(QStringLiteral(":/cursors/") + nome));
  int x = 0;
  int y = 0;
  QFile punti(QStringLiteral(":/cursors/hotspot.txt"));
  if (punti.open(QIODevice::ReadOnly)) {
    for (const QByteArray& riga : punti.readAll().split('\n')) {
      const QList<QByteArray> campi = riga.simplified().split(' ');
      if (campi.size() == 3 && QString::fromLatin1(campi[0]) == nome) {
        x = campi[1].toInt();
        y = campi[2].toInt();
      }
    }
  }
  if (immagine.isNull()) return QCursor(Qt::PointingHandCursor);
  // X usa il punto caldo nei punti dell'immagine: al doppio va raddoppiato
  const int scala = qRound(immagine.devicePixelRatio());
  return QCursor(immagine, x * scala, y * scala);
}

// Codice tasto classico da un tasto Qt (lettere e tasti funzione).
int codiceTasto(int tasto) {
  if (tasto >= Qt::Key_F1 && tasto <= Qt::Key_F12) return 112 + (tasto - Qt::Key_F1);
  if (tasto >= Qt::Key_A && tasto <= Qt::Key_Z) return tasto;
  if (tasto >= Qt::Key_0 && tasto <= Qt::Key_9) return tasto;
  return 0;
}

int maiuscoleCtrlAlt(Qt::KeyboardModifiers m) {
  return (m.testFlag(Qt::ShiftModifier) ? 1 : 0) | (m.testFlag(Qt::ControlModifier) ? 2 : 0) |
         (m.testFlag(Qt::AltModifier) ? vbAltMask : 0);
}

}  // namespace

EtichettaPulsante::EtichettaPulsante(const QString& testo, QWidget* padre) : QLabel(testo, padre) {}

void EtichettaPulsante::mousePressEvent(QMouseEvent* evento) {
  emit premuto();
  QLabel::mousePressEvent(evento);
}

void EtichettaPulsante::mouseReleaseEvent(QMouseEvent* evento) {
  emit rilasciato();
  // come un'etichetta classica: il click arriva al rilascio sopra il controllo
  if (isEnabled() && rect().contains(evento->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(evento);
}

frmGioco::frmGioco()
    : tmrTempo([this] { tmrTempo_Timer(); }),
      tmrRutto([this] { tmrRutto_Timer(); }),
      tmrWaveMp3([this] { tmrWaveMp3_Timer(); }),
      tmrCrediti([this] { tmrCrediti_Timer(); }) {
  setObjectName(QStringLiteral("frmGioco"));
  gfrmGioco = this;
  psubInstallaAccessibilita();
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
  QIcon icona;
  for (int lato : {16, 24, 32, 48, 64, 128, 256}) {
    icona.addFile(QStringLiteral(":/img/icona_%1.png").arg(lato), QSize(lato, lato));
  }
  setWindowIcon(icona);
  tmrCrediti.setEnabled(false);
  tmrTempo.setEnabled(true);
  caricaPuntatori();
  costruisciControlli();
  costruisciMenu();
  qApp->installEventFilter(this);
  Form_Load();
}

frmGioco::~frmGioco() {
  if (qApp) qApp->removeEventFilter(this);
  if (gfrmGioco == this) gfrmGioco = nullptr;
}

void frmGioco::caricaPuntatori() {
  imgMano1 = puntatoreDaRisorsa(QStringLiteral("mano_aperta.png"));
  imgMano2 = puntatoreDaRisorsa(QStringLiteral("mano_premuta.png"));
  imgLink = puntatoreDaRisorsa(QStringLiteral("link.png"));
}

void frmGioco::costruisciControlli() {
  auto* area = new QWidget(this);
  area->setObjectName(QStringLiteral("areaGioco"));
  setCentralWidget(area);

  frmParolaCercata = new QFrame(area);
  frmParolaCercata->setObjectName(QStringLiteral("frmParolaCercata"));
  frmParolaCercata->setFrameStyle(QFrame::Box | QFrame::Sunken);
  frmParolaCercata->setGeometry(twRect(0, -90, 4770, 855));
  for (int i = 1; i <= 10; ++i) {
    lblParolaCercata(i) = nuovaEtichetta(frmParolaCercata, nullptr, QString::number(i % 10),
                                         twRect(180 + 450 * (i - 1), 220, 400, 520), pfuncFonte(24, true),
                                         Qt::AlignHCenter | Qt::AlignTop);
    lblParolaCercata(i)->setObjectName(QStringLiteral("lblParolaCercata_%1").arg(i));
  }
  lblTitoloWaveMp3 = nuovaEtichetta(frmParolaCercata, "lblTitoloWaveMp3", QString(), twRect(120, 240, 4455, 495),
                                    pfuncFonte(9.75, true), Qt::AlignCenter);
  lblTitoloWaveMp3->setWordWrap(true);
  lblTitoloWaveMp3->setText(pfuncTitoloBrano());

  picScena = nuovaEtichetta(area, "picScena", QString(), twRect(0, 840, 4770, 3500), font());
  picScena->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picScena->setLineWidth(2);

  const QStringList titoli = {QStringLiteral("Do' la &soluzione !"), QStringLiteral("Gioco il &Jolly"),
                              QStringLiteral("Mi &arrendo...")};
  const QStringList suggerimenti = {QStringLiteral(" Evvai !!"), QStringLiteral(" - 500 punti ?"),
                                    QStringLiteral(" Sicuro sicuro ?")};
  for (int i = 1; i <= 3; ++i) {
    cmdGioco(i) = new QPushButton(titoli[i - 1], area);
    cmdGioco(i)->setObjectName(QStringLiteral("cmdGioco_%1").arg(i));
    cmdGioco(i)->setToolTip(suggerimenti[i - 1]);
    cmdGioco(i)->setGeometry(twRect(1600 * (i - 1), 4360, 1570, 375));
    cmdGioco(i)->setFocusPolicy(Qt::TabFocus);
    connect(cmdGioco(i), &QPushButton::clicked, this, [this, i] { cmdGioco_Click(i); });
  }
  Command1 = new QPushButton(QStringLiteral("SVELA PAROLA"), area);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setGeometry(twRect(3120, 960, 1575, 375));
  Command1->setVisible(false);
  connect(Command1, &QPushButton::clicked, this, &frmGioco::Command1_Click);

  fraInputLettere = new QFrame(area);
  fraInputLettere->setObjectName(QStringLiteral("fraInputLettere"));
  fraInputLettere->setFrameStyle(QFrame::Box | QFrame::Sunken);
  fraInputLettere->setGeometry(twRect(0, 4740, 4770, 1705));
  for (int i = 1; i <= 21; ++i) {
    const PosLettera& pos = POS_LETTERE[static_cast<std::size_t>(i - 1)];
    const QString lettera = ALFABETO.mid(i - 1, 1);
    auto* b = new EtichettaPulsante(lettera, fraInputLettere);
    b->setObjectName(QStringLiteral("lblInputLettera_%1").arg(i));
    b->Tag = lettera;
    b->setGeometry(twRect(pos.sinistra, 240 + 480 * ((i - 1) / 7), pos.larghezza, 360));
    b->setFont(pfuncFonte(13.5, true));
    b->setAlignment(Qt::AlignCenter);
    if (std::find(VOCALI.begin(), VOCALI.end(), i) != VOCALI.end()) b->setToolTip(QStringLiteral(" - 100 punti ?"));
    connect(b, &EtichettaPulsante::clicked, this, [this, i] { lblInputLettera_Click(i); });
    connect(b, &EtichettaPulsante::premuto, this, [this, i] { lblInputLettera_MouseDown(i); });
    connect(b, &EtichettaPulsante::rilasciato, this, [this, i] { lblInputLettera_MouseUp(i); });
    lblInputLettera(i) = b;
  }

  const QFont stato = pfuncFonte(8.25, true);
  lblScritte_di_Stato(1) = nuovaEtichetta(area, "lblScritte_di_Stato_1", QStringLiteral("Round n°"),
                                          twRect(25, 6520, 810, 195), stato);
  lblRound = nuovaEtichetta(area, "lblRound", QStringLiteral("99"), twRect(1750, 6520, 300, 195), stato);
  lblScritte_di_Stato(3) = nuovaEtichetta(area, "lblScritte_di_Stato_3", QStringLiteral("Lettere da scoprire:"),
                                          twRect(2700, 6520, 1680, 195), stato);
  lblLettere_da_scoprire = nuovaEtichetta(area, "lblLettere_da_scoprire", QStringLiteral("10"),
                                          twRect(4500, 6520, 225, 195), stato, Qt::AlignRight | Qt::AlignTop);
  lblScritte_di_Stato(2) = nuovaEtichetta(area, "lblScritte_di_Stato_2", QStringLiteral("Punteggio attuale:"),
                                          twRect(25, 6900, 1575, 195), stato);
  lblPunteggio = nuovaEtichetta(area, "lblPunteggio", QStringLiteral("58790"), twRect(1750, 6900, 540, 195), stato);
  lblScritte_di_Stato(4) = nuovaEtichetta(area, "lblScritte_di_Stato_4", QStringLiteral("Tempo:"),
                                          twRect(2700, 6900, 645, 195), stato);
  lblTempo = nuovaEtichetta(area, "lblTempo", QString(), twRect(3750, 6900, 975, 255), stato,
                            Qt::AlignRight | Qt::AlignTop);
  for (int i = 1; i <= 4; ++i) lblScritte_di_Stato(i)->setEnabled(false);
  for (QLabel* l : {lblRound, lblPunteggio, lblLettere_da_scoprire, lblTempo}) l->setVisible(false);

  // la croce incisa che divide la zona di stato in quattro celle
  const QColor grigio(128, 128, 128);
  LineSep(0) = nuovaLinea(area, QRect(0, tw(6788), tw(2415), 1), grigio);
  LineSep(1) = nuovaLinea(area, QRect(tw(2415), tw(6788), tw(2415), 1), grigio);
  LineSep(2) = nuovaLinea(area, QRect(0, tw(6788) + 1, tw(2415), 1), Qt::white);
  LineSep(3) = nuovaLinea(area, QRect(tw(2415), tw(6788) + 1, tw(2415), 1), Qt::white);
  LineSep(4) = nuovaLinea(area, QRect(tw(2415), tw(6400), 1, tw(800)), grigio);
  LineSep(5) = nuovaLinea(area, QRect(tw(2415) + 1, tw(6400), 1, tw(800)), Qt::white);

  picContenitoreCrediti = new TitoliCoda(area);
  for (int i = 1; i <= TitoliCoda::RIGHE; ++i) lblCrediti(i) = picContenitoreCrediti->riga(i);
}

void frmGioco::costruisciMenu() {
  QMenuBar* barra = menuBar();
  const QStringList titoli = {QStringLiteral("&File"), QStringLiteral("&Classifica"),
                              QStringLiteral("&Informazioni su..."), QStringLiteral("&Thanx to...")};
  std::array<QMenu*, 4> menu{};
  for (int i = 1; i <= 3; ++i) {
    menu[i] = barra->addMenu(titoli[i - 1]);
    menu[i]->setObjectName(QStringLiteral("mnuMain_%1").arg(i));
    mnuMain(i) = menu[i]->menuAction();
    connect(menu[i], &QMenu::aboutToShow, this, [this, m = menu[i], i] {
      // il clic sulla voce principale: il menu si apre solo se non c'e' la clessidra
      if (MousePointer() == PUNTATORE_CLESSIDRA) {
        QMetaObject::invokeMethod(m, &QMenu::close, Qt::QueuedConnection);
        QMetaObject::invokeMethod(this, [this, i] { mnuMain_Click(i); }, Qt::QueuedConnection);
      }
    });
  }
  // senza sottomenu: agisce solo al clic, con Alt+T o con Invio, non al passaggio
  mnuMain(4) = barra->addAction(titoli[3]);
  connect(mnuMain(4), &QAction::triggered, this, [this] { mnuMain_Click(4); });
  mnuMain(4)->setObjectName(QStringLiteral("mnuMain_4"));
  auto voce = [this](QMenu* m, const QString& testo, const char* nome, QKeySequence tasto, void (frmGioco::*f)()) {
    QAction* a = m->addAction(testo);
    a->setObjectName(QString::fromLatin1(nome));
    if (!tasto.isEmpty()) a->setShortcut(tasto);
    connect(a, &QAction::triggered, this, f);
    return a;
  };
  mnuFileNuovogioco = voce(menu[1], QStringLiteral("&Nuovo gioco"), "mnuFileNuovogioco", Qt::Key_F2,
                           &frmGioco::mnuFileNuovogioco_Click);
  mnuFilePausa = voce(menu[1], QStringLiteral("&Pausa"), "mnuFilePausa", Qt::Key_F3, &frmGioco::mnuFilePausa_Click);
  mnuFileTermina =
      voce(menu[1], QStringLiteral("&Termina gioco"), "mnuFileTermina", Qt::Key_F4, &frmGioco::mnuFileTermina_Click);
  menu[1]->addSeparator()->setObjectName(QStringLiteral("mnuLinea4"));
  mnuFileCarica =
      voce(menu[1], QStringLiteral("&Carica gioco"), "mnuFileCarica", {}, &frmGioco::mnuFileCarica_Click);
  mnuFileSalva = voce(menu[1], QStringLiteral("&Salva gioco"), "mnuFileSalva", {}, &frmGioco::mnuFileSalva_Click);
  menu[1]->addSeparator()->setObjectName(QStringLiteral("mnuLinea5"));
  // Alt+F4 lo gestisce il gestore dei tasti: qui e' solo scritto accanto
  mnuFileEsci = voce(menu[1], QStringLiteral("&Esci\tAlt+F4"), "mnuFileEsci", {}, &frmGioco::mnuFileEsci_Click);
  mnuClassificaVisualizza = voce(menu[2], QStringLiteral("&Visualizza"), "mnuClassificaVisualizza", Qt::Key_F5,
                                 &frmGioco::mnuClassificaVisualizza_Click);
  menu[2]->addSeparator()->setObjectName(QStringLiteral("mnuLinea7"));
  mnuClassificaResetta = voce(menu[2], QStringLiteral("&Resetta"), "mnuClassificaResetta", Qt::Key_F6,
                              &frmGioco::mnuClassificaResetta_Click);
  mnuInfoCodice =
      voce(menu[3], QStringLiteral("&Codice sorgente"), "mnuInfoCodice", {}, &frmGioco::mnuInfoCodice_Click);
  mnuInfoRegole =
      voce(menu[3], QStringLiteral("&Regole del gioco"), "mnuInfoRegole", {}, &frmGioco::mnuInfoRegole_Click);
  mnuInfoTastiera =
      voce(menu[3], QStringLiteral("Comandi da &tastiera"), "mnuInfoTastiera", {}, &frmGioco::mnuInfoTastiera_Click);
  menu[3]->addSeparator()->setObjectName(QStringLiteral("mnuLinea6"));
  mnuInfoGorbio = voce(menu[3], QStringLiteral("Veltrak Mr.Gorbio 1.00"), "mnuInfoGorbio", Qt::Key_F1,
                       &frmGioco::mnuInfoGorbio_Click);
}

void frmGioco::Form_Load() {
  if (!mblnDimensionato) {
    mblnDimensionato = true;
    int larghezza = 4860;
    int altezza = 7820;
    if (gstrSistemaOperativo == u"WinXP" || gstrSistemaOperativo == u"Sconosciuto") {
      // cornici piu' spesse: finestra piu' grande e controlli 25 twip a destra
      larghezza = 4910;
      altezza = 7950;
      for (QWidget* w : std::initializer_list<QWidget*>{frmParolaCercata, picScena, cmdGioco(1), cmdGioco(2), cmdGioco(3),
                                                         fraInputLettere, lblScritte_di_Stato(1), lblScritte_di_Stato(2),
                                                         lblScritte_di_Stato(3), lblScritte_di_Stato(4), lblRound,
                                                         lblPunteggio, lblLettere_da_scoprire, lblTempo}) {
        w->move(w->x() + tw(25), w->y());
      }
      picContenitoreCrediti->move(tw(25), picContenitoreCrediti->y());
    } else {
      picContenitoreCrediti->setGeometry(twRect(0, 4770, 4770, 2405));
    }
    centralWidget()->setFixedSize(tw(larghezza - CORNICE_LARGHEZZA), tw(altezza - CORNICE_ALTEZZA));
    adjustSize();
    setFixedSize(sizeHint());
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
      move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
  }
  setWindowTitle(QStringLiteral(" ") + gstrTitolo + QStringLiteral(" ") + gstrVersione);
  setMousePointer(PUNTATORE_NORMALE);
  for (int i = 1; i <= 10; ++i) lblParolaCercata(i)->setText(QString());
  msubMostraScena(QStringLiteral("id_11"));
  mnuFilePausa->setEnabled(false);
  mnuFileTermina->setEnabled(false);
  mnuFileSalva->setEnabled(false);
  mnuFileNuovogioco->setEnabled(true);
  mnuFileCarica->setEnabled(true);
  if (gblnSchedaAudioAssente) lblTitoloWaveMp3->setVisible(false);
  picContenitoreCrediti->setGeometry(picContenitoreCrediti->x(), tw(4770), tw(4770), tw(2405));
  msubImpostaCrediti();
  setPuntatoreLettere(PUNTATORE_DIVIETO);
  tmrRutto.setInterval(0);
  tmrTempo.setInterval(0);
  for (int i = 1; i <= 3; ++i) cmdGioco(i)->setEnabled(false);
  gblnPartitaInCorso = false;
  gstrParola.clear();
  ++mlngGenerazione;
}

void frmGioco::Form_Activate() {
  if (!gblnPartitaInCorso) msubGestioneCrediti(QStringLiteral("visualizza"));
}

void frmGioco::msubMostraScena(const QString& id) {
  picScena->setPixmap(pobjCaricaImmagini().LoadResPicture(id, QStringLiteral("jpg")));
  psubNominaImmagine(picScena, id);
}

void frmGioco::msubAnnuncia(const QString& testo) { psubAnnuncia(this, testo); }

void frmGioco::setMousePointer(int valore) {
  mintPuntatore = valore;
  aggiornaCursore();
}

void frmGioco::aggiornaCursore() {
  QWidget* area = centralWidget();
  if (!area) return;
  switch (mintPuntatore) {
    case PUNTATORE_CLESSIDRA: area->setCursor(Qt::WaitCursor); break;
    case PUNTATORE_DIVIETO: area->setCursor(Qt::ForbiddenCursor); break;
    case PUNTATORE_MANO: area->setCursor(imgMano1); break;
    default: area->unsetCursor(); break;
  }
}

void frmGioco::setPuntatoreLettere(int valore) {
  mintPuntatoreLettere = valore;
  QCursor c;
  switch (valore) {
    case PUNTATORE_CLESSIDRA: c = QCursor(Qt::WaitCursor); break;
    case PUNTATORE_DIVIETO: c = QCursor(Qt::ForbiddenCursor); break;
    case PUNTATORE_MANO: c = imgMano1; break;
    default: c = QCursor(Qt::ArrowCursor); break;
  }
  fraInputLettere->setCursor(c);
  for (int i = 1; i <= 21; ++i) lblInputLettera(i)->setCursor(c);
}

int frmGioco::pfuncRound() const { return static_cast<int>(pfuncVal(lblRound->text().trimmed())); }

int frmGioco::pfuncDaScoprire() const { return static_cast<int>(pfuncVal(lblLettere_da_scoprire->text().trimmed())); }

bool frmGioco::eventFilter(QObject* oggetto, QEvent* evento) {
  if (evento->type() != QEvent::KeyPress) return false;
  auto* w = qobject_cast<QWidget*>(oggetto);
  // i tasti arrivano alla finestra prima dei controlli, una volta sola
  if (!w || w->window() != this || QApplication::activeModalWidget()) return false;
  const QWidget* fuoco = QApplication::focusWidget();
  if (fuoco ? w != fuoco : w != this) return false;
  auto* tasto = static_cast<QKeyEvent*>(evento);
  const int codice = codiceTasto(tasto->key());
  if (codice) Form_KeyDown(codice, maiuscoleCtrlAlt(tasto->modifiers()));
  const QString testo = tasto->text();
  if (testo.size() == 1 && testo[0].unicode() >= 32 && testo[0].unicode() < 256 &&
      !tasto->modifiers().testFlag(Qt::AltModifier) && !tasto->modifiers().testFlag(Qt::ControlModifier)) {
    Form_KeyPress(testo[0].unicode());
  }
  // se intanto il fuoco si e' spostato (la parola indovinata spegne i pulsanti) il tasto e' usato:
  // risalendo arriverebbe alla finestra senza fuoco e conterebbe di nuovo, nel round nuovo
  return QApplication::focusWidget() != fuoco;
}

void frmGioco::changeEvent(QEvent* evento) {
  if (evento->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
  QMainWindow::changeEvent(evento);
}

void frmGioco::closeEvent(QCloseEvent* evento) {
  // la richiesta di chiusura del window manager vale come Alt+F4
  evento->ignore();
  if (MousePointer() != PUNTATORE_CLESSIDRA) {
    mblnEsciDaTastiera = true;
    mnuFileEsci_Click();
    return;
  }
  // con la clessidra l'uscita rifiuta: si chiude subito, senza domande
  psubTermina();
}
