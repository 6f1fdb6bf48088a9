#pragma once
// Piccoli aiuti comuni ai test: cartelle temporanee e file di prova.

#include <QByteArray>
#include <QString>

// Scrive un file (creando le cartelle) e ne restituisce il percorso.
QString scriviFile(const QString& percorso, const QByteArray& contenuto);
QByteArray leggiFile(const QString& percorso);
// Cartella dei sorgenti del progetto (per i file dati veri).
QString cartellaSorgenti();
