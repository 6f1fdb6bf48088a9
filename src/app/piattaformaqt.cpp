#include "app/piattaformaqt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCryptographicHash>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QPointer>
#include <QUrl>
#include <stdexcept>
#include <utility>
#include <chrono>
#include <cstdlib>
#include <unistd.h>

namespace {

class TimerQt : public TimerPiattaforma {
public:
  explicit TimerQt(std::function<void()> scatto) {
    QObject::connect(&mTimer, &QTimer::timeout, &mTimer, std::move(scatto));
  }
  void avvia(int ms) override { mTimer.start(ms); }
  void ferma() override { mTimer.stop(); }

private:
  QTimer mTimer;
};

// I messaggi usano CR LF; le etichette Qt vogliono solo LF.
QString testoPerEtichetta(QString t) {
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(u'\r', u'\n');
  return t;
}

QMessageBox::Icon iconaQt(Icona i) {
  switch (i) {
    case Icona::Informazione: return QMessageBox::Information;
    case Icona::Esclamazione: return QMessageBox::Warning;
    case Icona::Domanda: return QMessageBox::Question;
    case Icona::Critica: return QMessageBox::Critical;
    case Icona::Nessuna: break;
  }
  return QMessageBox::NoIcon;
}

const QElapsedTimer& orologio() {
  static QElapsedTimer t = [] {
    QElapsedTimer e;
    e.start();
    return e;
  }();
  return t;
}

// Il nome proposto "*.cap" e' un filtro, non un file: Salva con un nome che ha * o ? resta nel dialogo
// invece di creare un file che si chiama davvero "*.cap".
class DialogoFileQt : public QFileDialog {
public:
  using QFileDialog::QFileDialog;
  void accept() override {
    const QStringList scelti = selectedFiles();
    if (!scelti.isEmpty() && QFileInfo(scelti.constFirst()).fileName().contains(QRegularExpression(QStringLiteral("[*?]"))))
      return;
    QFileDialog::accept();
  }
};

void preparaDialogo(QFileDialog& dlg, const DialogoFile& d) {
  dlg.setWindowTitle(d.titolo);
  dlg.setNameFilter(d.filtro + QStringLiteral(" (*.") + d.estensione + QStringLiteral(")"));
  dlg.setDirectory(d.cartella);
  dlg.setDefaultSuffix(d.estensione);
  dlg.setOption(QFileDialog::DontUseNativeDialog);
  // nell'elenco dei tipi si legge solo il testo del filtro
  dlg.setOption(QFileDialog::HideNameFilterDetails);
  dlg.setOption(QFileDialog::ReadOnly, false);
  if (!d.nomeFile.isEmpty()) dlg.selectFile(d.nomeFile);
}

QString sceltaDialogo(QFileDialog& dlg) {
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
  return dlg.selectedFiles().constFirst();
}

// La madre di messaggi e domande: la finestra attiva o, senza fuoco (su Wayland il gioco non se
// lo prende da solo), la modale aperta o il gioco. Senza madre il compositore non tiene il
// messaggio sopra il gioco e lo mette dove vuole.
QWidget* finestraMadre() {
  if (QWidget* w = QApplication::activeWindow()) return w;
  if (QWidget* w = QApplication::activeModalWidget()) return w;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && w->objectName() == u"frmGioco") return w;
  }
  return nullptr;
}

}  // namespace

PiattaformaQt::PiattaformaQt(const QString& moduloSuono) : mSuono(moduloSuono) { orologio(); }

PiattaformaQt::~PiattaformaQt() = default;

Risposta PiattaformaQt::mostraMessaggio(const QString& testo, Pulsanti pulsanti, Icona icona, const QString& titolo,
                                        const QString& annunci) {
  QMessageBox box(iconaQt(icona), titolo, testoPerEtichetta(testo),
                  pulsanti == Pulsanti::SiNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                  finestraMadre());
  if (pulsanti == Pulsanti::SiNo) {
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sì"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
  }
  // Orca legge il messaggio dal nome della sua etichetta: le notizie in testa, il testo mostrato resta quello
  auto* etichetta = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (etichetta && !annunci.isEmpty()) etichetta->setAccessibleName(annunci + u'\n' + box.text());
  const int r = box.exec();
  if (pulsanti == Pulsanti::Ok) return Risposta::Ok;
  return r == QMessageBox::Yes ? Risposta::Si : Risposta::No;
}

QString PiattaformaQt::inputBox(const QString& prompt, const QString& titolo, const QString& predefinito) {
  QInputDialog dlg(finestraMadre());
  dlg.setWindowTitle(titolo);
  dlg.setLabelText(testoPerEtichetta(prompt));
  dlg.setTextValue(predefinito);
  dlg.setOkButtonText(QStringLiteral("OK"));
  dlg.setCancelButtonText(QStringLiteral("Annulla"));
  const QPointer<QInputDialog> precedente = std::exchange(mInput, &dlg);
  const bool accettata = dlg.exec() == QDialog::Accepted;
  mInput = precedente;
  return accettata ? dlg.textValue() : QString();
}

void PiattaformaQt::chiudiInputBox() {
  if (mInput) mInput->reject();
}

QString PiattaformaQt::dialogoApri(QWidget* padre, const DialogoFile& d) {
  DialogoFileQt dlg(padre);
  preparaDialogo(dlg, d);
  dlg.setAcceptMode(QFileDialog::AcceptOpen);
  dlg.setFileMode(QFileDialog::ExistingFile);
  return sceltaDialogo(dlg);
}

QString PiattaformaQt::dialogoSalva(QWidget* padre, const DialogoFile& d) {
  DialogoFileQt dlg(padre);
  preparaDialogo(dlg, d);
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setFileMode(QFileDialog::AnyFile);
  return sceltaDialogo(dlg);
}

void PiattaformaQt::mostraModale(QDialog* finestra) { finestra->exec(); }

namespace {

// Aspetta che la finestra torni attiva, poi che Qt abbia dato il fuoco al suo controllo (il lettore di
// schermo ne riceve gli eventi prima di quello che segue); se non torna attiva, due secondi.
class AlRitorno : public QObject {
public:
  AlRitorno(QWidget* finestra, std::function<void()> fai) : QObject(finestra), mFai(std::move(fai)) {
    finestra->installEventFilter(this);
    QTimer::singleShot(2000, this, [this] { esegui(); });
  }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::WindowActivate) QTimer::singleShot(0, this, [this] { esegui(); });
    return false;
  }

private:
  void esegui() {
    if (!mFai) return;
    std::exchange(mFai, nullptr)();
    deleteLater();
  }
  std::function<void()> mFai;
};

}  // namespace

void PiattaformaQt::quandoTornaAttiva(QWidget* finestra, std::function<void()> fai) {
  if (finestra->isActiveWindow()) return fai();
  new AlRitorno(finestra, std::move(fai));
}

bool PiattaformaQt::dispositivoAudio() {
  MotoreSuono* m = mSuono.motore();
  // senza il modulo il controllo della scheda non si puo' fare: e' un errore, non "nessuna scheda"
  if (!m) throw std::runtime_error(mSuono.errore().toStdString());
  return m->dispositivoPresente();
}

void PiattaformaQt::suona(const QUrl& sorgente, bool ripeti) {
  if (MotoreSuono* m = mSuono.motore()) m->suona(sorgente, ripeti);
}

void PiattaformaQt::suonaRisorsa(const QString& percorsoRisorsa, bool ripeti) {
  suona(QUrl(QStringLiteral("qrc") + percorsoRisorsa), ripeti);
}

void PiattaformaQt::suonaFile(const QString& percorso, bool ripeti) { suona(QUrl::fromLocalFile(percorso), ripeti); }

void PiattaformaQt::fermaSuono() {
  if (MotoreSuono* m = mSuono.motore()) m->ferma();
}

void PiattaformaQt::beep() { QApplication::beep(); }

qint64 PiattaformaQt::adessoMs() { return orologio().elapsed(); }

void PiattaformaQt::attendi(int ms) {
  if (ms <= 0) return;
  // il ciclo dorme fino al prossimo evento o alla scadenza: niente giri a vuoto.
  // Conta la scadenza, non il quit(): un quit() arrivato dentro il primo giro di
  // eventi (per esempio mentre un messaggio modale e' aperto) exec() lo perderebbe.
  const QDeadlineTimer scadenza(ms, Qt::PreciseTimer);
  QEventLoop ciclo;
  QTimer sveglia;
  sveglia.setSingleShot(true);
  sveglia.setTimerType(Qt::PreciseTimer);
  QObject::connect(&sveglia, &QTimer::timeout, &ciclo, &QEventLoop::quit);
  ciclo.processEvents();
  while (!scadenza.hasExpired()) {
    sveglia.start(static_cast<int>((scadenza.remainingTimeNSecs() + 999'999) / 1'000'000));
    ciclo.exec();
  }
}

void PiattaformaQt::elaboraEventi() { QCoreApplication::processEvents(); }

std::unique_ptr<TimerPiattaforma> PiattaformaQt::creaTimer(std::function<void()> scatto) {
  return std::make_unique<TimerQt>(std::move(scatto));
}

void PiattaformaQt::randomize() {
  mGeneratore.seed(static_cast<std::mt19937::result_type>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

double PiattaformaQt::rnd() { return std::uniform_real_distribution<double>(0.0, 1.0)(mGeneratore); }

bool PiattaformaQt::apriLink(const QString& link) { return QDesktopServices::openUrl(QUrl(link)); }

QSize PiattaformaQt::dimensioniSchermo() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->size() : QSize();
}

int PiattaformaQt::bitPerPixel() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->depth() : 0;
}

bool PiattaformaQt::altraCopiaInEsecuzione() {
  // un blocco per cartella del programma e per utente: in un'installazione per tutti ogni
  // giocatore ha la sua copia, e /tmp non lascia togliere il blocco di un altro; quello di
  // una copia morta non vale
  const QByteArray dove = QCoreApplication::applicationDirPath().toUtf8() + '\n' + QByteArray::number(::getuid());
  const QByteArray chiave = QCryptographicHash::hash(dove, QCryptographicHash::Sha1).toHex().left(16);
  mBlocco = std::make_unique<QLockFile>(QDir::tempPath() + QStringLiteral("/mrgorbio-") + QString::fromLatin1(chiave) +
                                        QStringLiteral(".lock"));
  mBlocco->setStaleLockTime(0);
  return !mBlocco->tryLock(0);
}

void PiattaformaQt::spostaCursore(int x, int y) { QCursor::setPos(x, y); }

void PiattaformaQt::termina() {
  fermaSuono();
  if (mBlocco) mBlocco->unlock();
  std::_Exit(0);
}
