#pragma once
// I cinque file dati accanto all'eseguibile e la lista parole.

#include <QByteArray>
#include <QString>

class ColParole;

// -1 mancante o lunghezza illeggibile, 0 vuoto, 1 presente con almeno un byte.
int pfuncStatoFile(const QString& percorso);
// Controlla i file dati nell'ordine 001, 002, 004, 003, 005 e protegge da
// scrittura 001, 004, 003, 005. Al primo file mancante: messaggio e fine.
void psubControllaFileDati();
// Carica e controlla la lista parole; se e' corrotta: messaggio e fine.
void psubCaricaParole();
// Come psubCaricaParole, ma senza segnalare nulla: falso (e lista vuota) se non va.
bool pfuncLeggiParole();
// 0 se la lista e' buona, -1 se corrotta.
int pfuncControllaParole();
// Divide il contenuto del file in righe maiuscole (CR LF o LF).
void psubRiempiParole(ColParole& lista, const QByteArray& contenuto);

constexpr int NUMERO_PAROLE = 4100;
