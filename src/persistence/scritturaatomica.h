#pragma once
// Sostituzione atomica di un file: o il contenuto nuovo intero, o il vecchio intatto.

#include <QByteArray>
#include <QString>

// Scrive "dati" in un file temporaneo accanto e lo rinomina sul file.
// Falso, con il motivo in "errore", se qualcosa fallisce: allora il file non cambia
// e il temporaneo sparisce.
bool pfuncSostituisciFile(const QString& file, const QByteArray& dati, QString& errore);
// Come pfuncSostituisciFile, ma solo se il file non c'e' ancora: chi lo crea per
// primo vince, e un file gia' presente non si tocca.
bool pfuncCreaFile(const QString& file, const QByteArray& dati, QString& errore);
