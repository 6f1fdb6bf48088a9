#pragma once
// File di profilo (sezioni [nome] e righe chiave=valore) con la semantica
// classica: nomi senza distinzione di maiuscole, valore letto al massimo di
// 254 caratteri, " " per una chiave mancante, sostituzione sul posto, nuova
// chiave in fondo alla sua sezione, nuova sezione in fondo al file.
// Ogni byte che una scrittura non cambia resta com'era.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

struct VoceIni {
  QString sezione;
  QString chiave;
  QString valore;
};

// I file scritti dal gioco sono UTF-8; un contenuto che non e' UTF-8 valido viene
// dal vecchio programma ed e' Windows-1252 (quello che non ha diventa '?').
bool pfuncProfiloUtf8(const QByteArray& contenuto);
QString pfuncDaWindows1252(const char* byte, qsizetype n);
QByteArray pfuncAWindows1252(const QString& testo);

// Lettura da un contenuto gia' in memoria; nullopt se sezione o chiave mancano.
std::optional<QString> pfuncCercaValore(const QByteArray& contenuto, const QString& sezione,
                                        const QString& chiave);
// Le chiavi di una sezione in un passaggio solo: nome in forma minuscola
// (QString::toCaseFolded) -> valore come lo darebbe pfuncCercaValore.
QHash<QString, QString> pfuncLeggiSezione(const QByteArray& contenuto, const QString& sezione);
// Applica le scritture al contenuto, nell'ordine dato.
QByteArray pfuncApplicaScritture(QByteArray contenuto, const QList<VoceIni>& voci);

// Legge un valore; se il file manca o e' vuoto, messaggio e fine programma.
QString pfuncLeggiIni(const QString& file, const QString& sezione, const QString& chiave);
// Scrive un valore. Il file delle impostazioni deve esistere e torna scrivibile;
// gli altri file vengono creati se mancano. Falso se la scrittura non riesce.
bool pfuncScriviIni(const QString& file, const QString& sezione, const QString& chiave,
                    const QString& valore);
// Piu' scritture in un solo rimpiazzo atomico del file: tutte o nessuna.
// Con "massimo" > 0 un file che diventerebbe piu' grande non si scrive.
bool pfuncScriviIniTutte(const QString& file, const QList<VoceIni>& voci, qint64 massimo = 0);

// Il contenuto di un file per letture ripetute, senza uscite fatali:
// nullopt se il file non si legge o supera la dimensione massima.
std::optional<QByteArray> pfuncLeggiFileProfilo(const QString& file, qint64 massimo);
