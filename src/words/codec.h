#pragma once
// Codifica a coppie di lettere della parola segreta nelle partite salvate.

#include <QString>

// Sostituisce ogni occorrenza di trova con sostituto, da sinistra, senza sovrapposizioni.
QString mfuncReplaceC(const QString& testo, const QString& trova, const QString& sostituto);
// Parola -> coppie di maiuscole separate da spazi, variante scelta dal selettore.
QString mfuncCodifica(const QString& testo, int selettore);
// Inverso di mfuncCodifica, in minuscolo.
QString mfuncDecodifica(const QString& testo, int selettore);
// Variante (0..4) usata per un selettore.
int pfuncVarianteCodice(int selettore);
