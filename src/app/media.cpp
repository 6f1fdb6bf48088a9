#include "app/media.h"

#include <QFile>
#include <QResource>
#include <cmath>

#include "app/effettochiusura.h"
#include "app/modgenerale.h"
#include "app/piattaforma.h"
#include "app/risorse.h"

QString pfuncPercorsoRisorsa(const QString& tipo, const QString& id) {
  const QString t = tipo.toLower();
  QString estensione;
  if (t == u"jpg") {
    estensione = QStringLiteral(".jpg");
  } else if (t == u"wave") {
    estensione = QStringLiteral(".wav");
  } else {
    return {};
  }
  const QString percorso = QStringLiteral(":/") + t + QStringLiteral("/") + id.toUpper() + estensione;
  return QFile::exists(percorso) ? percorso : QString();
}

void psubSuona(const QString& suono, bool ripeti, const QString& origine, float attesa) {
  if (gblnSchedaAudioAssente) return;
  Piattaforma& p = piattaforma();
  p.fermaSuono();
  if (origine == ORIGINE_RISORSE) {
    const QString percorso = pfuncPercorsoRisorsa(QStringLiteral("wave"), suono);
    if (!percorso.isEmpty()) p.suonaRisorsa(percorso, ripeti);
  } else if (origine == ORIGINE_DISCO) {
    p.suonaFile(suono, ripeti);
  }
  p.elaboraEventi();
  if (attesa != 0) psubAttendi(attesa);
}

void psubFermaSuono() { piattaforma().fermaSuono(); }

void psubAttendi(float secondi) {
  const long ms = std::lround(static_cast<double>(secondi) * 1000.0);
  if (ms <= 0) return;
  piattaforma().attendi(static_cast<int>(ms));
}

void psubEffettoChiusura(QWidget* finestra, int passi) { EffettoChiusura::esegui(finestra, passi); }

// come ShellExecute: un valore oltre 32 vuol dire riuscito
long pfuncApriLink(const QString& link) { return piattaforma().apriLink(link) ? 42 : 0; }

QPixmap clsLoadResPicture::LoadResPicture(const QString& id, const QString& tipo) const {
  QPixmap immagine;
  const QString percorso = pfuncPercorsoRisorsa(tipo, id);
  if (percorso.isEmpty()) return immagine;
  const QString nitido = pfuncPercorsoNitido(percorso);
  QFile f(nitido);
  // la figura al doppio si mostra alla misura di sempre, con il doppio dei punti
  if (f.open(QIODevice::ReadOnly) && immagine.loadFromData(f.readAll()) && nitido != percorso) {
    immagine.setDevicePixelRatio(2);
  }
  return immagine;
}

const clsLoadResPicture& pobjCaricaImmagini() {
  static const clsLoadResPicture istanza;
  return istanza;
}
