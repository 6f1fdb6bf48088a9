#pragma once
// Servizi di suono, attesa, immagini dalle risorse, link ed effetto di chiusura.

#include <QPixmap>
#include <QString>

class QWidget;

inline const QString ORIGINE_RISORSE = QStringLiteral("File Risorse");
inline const QString ORIGINE_DISCO = QStringLiteral("Disco");

// Percorso nelle risorse compilate per tipo ("jpg", "wave") e nome ("id_11"),
// senza distinzione di maiuscole; stringa vuota se la risorsa non c'e'.
QString pfuncPercorsoRisorsa(const QString& tipo, const QString& id);

// Suona una risorsa (origine "File Risorse", suono = nome) o un file (origine
// "Disco", suono = percorso), poi attende. Senza scheda audio non fa nulla.
void psubSuona(const QString& suono, bool ripeti, const QString& origine, float attesa);
void psubFermaSuono();
// Attende tenendo vive le finestre, senza consumare processore.
void psubAttendi(float secondi);
// Rettangoli che si restringono verso il centro della finestra, poi la chiude.
void psubEffettoChiusura(QWidget* finestra, int passi);
// Apre un link con il gestore predefinito del desktop.
long pfuncApriLink(const QString& link);

class clsLoadResPicture {
public:
  // Immagine dalle risorse, caricata dalla memoria; nulla se manca.
  QPixmap LoadResPicture(const QString& id, const QString& tipo) const;
};

const clsLoadResPicture& pobjCaricaImmagini();
