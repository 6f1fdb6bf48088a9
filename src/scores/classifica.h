#pragma once
// La tabella dei cinque migliori: lettura, qualificazione, inserimento, azzeramento.

#include <QList>
#include <QString>
#include <array>

#include "app/modgenerale.h"
#include "persistence/profilo.h"

using TabellaClassifica = std::array<tVoceClassifica, 6>;

// Testo che una posizione azzerata mostra in tutte e tre le colonne.
inline const QString CLASSIFICA_VUOTA = QStringLiteral("vuoto");
// Lunghezza massima di un nome in classifica, in caratteri.
constexpr int LUNGHEZZA_NOME = 12;

// Legge le cinque posizioni dal file delle impostazioni in gudtClassifica.
void psubLeggiClassifica();
// Il punteggio entra in classifica: maggiore di 0 e non minore del quinto.
bool pfuncSiQualifica(qint32 punteggio);

// Il nome come lo scrive la classifica: senza spazi ai lati, al massimo 12
// caratteri, minuscolo con la prima lettera e quelle dopo uno spazio maiuscole.
QString pfuncNormalizzaNome(const QString& nome);
// Il posto (1..5) per un punteggio, sotto l'ultima voce strettamente maggiore;
// 0 se il punteggio resta fuori (minore del quinto).
int pfuncPostoClassifica(double punteggio, const TabellaClassifica& tabella);
// Fa scendere di un posto le voci da "posto" in giu' (la quinta si perde) e
// mette la nuova voce al suo posto.
void psubInserisciVoce(TabellaClassifica& tabella, int posto, const tVoceClassifica& voce);
// La voce di un giocatore: nome normalizzato, punteggio e "N° round".
tVoceClassifica pfuncNuovaVoce(const QString& nome, qint32 punteggio, int round);

// Le quindici scritture della tabella: i cinque Nome, i cinque Punteggio, i cinque Info.
QList<VoceIni> pfuncVociClassifica(const TabellaClassifica& tabella);
// Le quindici scritture dell'azzeramento: per ogni posto Nome, Info, Punteggio = "vuoto".
QList<VoceIni> pfuncVociAzzeramento();
// Scrive gudtClassifica nel file delle impostazioni in un solo rimpiazzo.
bool pfuncSalvaClassifica();
// Svuota la classifica nel file delle impostazioni in un solo rimpiazzo.
bool pfuncAzzeraClassifica();
