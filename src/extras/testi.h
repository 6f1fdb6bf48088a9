#pragma once
// Testi inventati del progetto: firma, recapito, siti, luogo e ringraziamenti.
// Stanno qui perche' piu' finestre li mostrano e devono restare uguali.

#include <QString>
#include <array>

// Il recapito dell'autore: 14 caratteri, le coordinate del raggio di
// frmVeltrak sono tarate su questa lunghezza.
inline const QString TESTO_RECAPITO = QStringLiteral("gorbio@vk.test");

// La riga della firma nei titoli di coda.
inline const QString TESTO_FIRMA = QStringLiteral("il Veltrak, artigiano del codice");

// Il sito del Veltrak e quello dell'amico dei ringraziamenti.
inline const QString TESTO_SITO_VELTRAK = QStringLiteral("http://www.veltrak.invalid/");
inline const QString TESTO_SITO_AMICO = QStringLiteral("http://www.covodelbaffo.invalid/");
inline const QString TESTO_LINK_AMICO = QStringLiteral("Il Covo del Baffo");

// Il luogo del progetto, davanti alla data.
inline const QString TESTO_LUOGO = QStringLiteral("Borgoveltrak");

// Riga dello sviluppatore e avviso di distribuzione della finestra delle informazioni.
inline const QString TESTO_SVILUPPATORE = QStringLiteral("Ideato e sviluppato dal Veltrak Info Center");
inline const QString TESTO_DISTRIBUZIONE = QStringLiteral(
    "Questo programma è gratuito: potete copiarlo e regalarlo a chi volete, "
    "purché non venga mai venduto.");

// Le tre pagine dei ringraziamenti.
inline const std::array<QString, 3> TESTI_GRAZIE = {
    QStringLiteral("Un grazie grande così alla mia famiglia, che per mesi ha sopportato il ticchettio "
                   "della tastiera fino a notte fonda e non ha mai staccato la corrente, nemmeno quando "
                   "il gorbio ha iniziato a ruttare dalle casse alle due del mattino."),
    QStringLiteral("Grazie agli amici del bar sotto casa, collaudatori instancabili: hanno indovinato "
                   "parole impossibili, perso partite facilissime e trovato errori che nemmeno sapevo "
                   "di aver scritto. Il caffè, d'ora in poi, lo offro io."),
    QStringLiteral("Infine grazie al Baffo, compagno di mille nottate davanti al monitor, per i consigli, "
                   "le critiche feroci e le risate: senza di lui il gorbio sarebbe ancora un omino "
                   "disegnato su un quaderno. Passate a trovarlo sul suo sito!")};
