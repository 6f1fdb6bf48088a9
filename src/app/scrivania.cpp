#include "app/scrivania.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

void psubPreparaScrivania() {
  QGuiApplication::setDesktopFileName(QString::fromLatin1(ID_SCRIVANIA));
  // italiano qualunque sia la lingua del sistema; i testi fissati dal gioco
  // (Sì/No, OK/Annulla delle finestre di input) li imposta il gioco stesso
  auto* traduzioni = new QTranslator(qApp);
  if (traduzioni->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(traduzioni);
  } else {
    delete traduzioni;
  }
}
