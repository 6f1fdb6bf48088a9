#include "app/risorse.h"

#include <QFile>
#include <QGuiApplication>
#include <QtCore/qglobal.h>

// fuori da ogni namespace, come vuole Q_INIT_RESOURCE
static void inizializza() { Q_INIT_RESOURCE(resources); }

void psubInizializzaRisorse() {
  static const bool fatto = (inizializza(), true);
  (void)fatto;
}

QString pfuncPercorsoNitido(const QString& percorso) {
  if (qGuiApp == nullptr || qGuiApp->devicePixelRatio() <= 1.0) return percorso;
  const qsizetype punto = percorso.lastIndexOf(u'.');
  if (punto < 0) return percorso;
  const QString doppio = percorso.left(punto) + QStringLiteral("@2x") + percorso.mid(punto);
  return QFile::exists(doppio) ? doppio : percorso;
}
