#include "extras/frminfocodice.h"

#include "app/finestre.h"
#include "ui/aspetto.h"

frmInfoCodice::frmInfoCodice(QWidget* padre)
    : CorniceInfo(QStringLiteral("frmInfoCodice"), QStringLiteral("info_codice.png"), padre) {
  Label1 = creaTitolo("Label1", QStringLiteral("Codice sorgente"), pfuncFonte(12, true));
  Label2(0) = creaBarra();
  Label3 = etichetta(QStringLiteral("Label3"),
                     QStringLiteral("Veltrak Mr.Gorbio è stato progettato per i sistemi Windows a 32 bit. "
                                    "Il programma è composto dall'eseguibile e da 5 file di dati, oltre alle "
                                    "librerie di run-time del suo ambiente di sviluppo. L'eseguibile è formato "
                                    "da 12 finestre, 1 modulo, 1 classe e 1 file di risorse; oltre a questi "
                                    "file, il programma richiama direttamente le seguenti librerie di sistema: "
                                    "Kernel32, Shell32, User32, Gdi32, ComDlg32 e WinMM."),
                     240, 1020, 4800, 1680);
  Label3->setWordWrap(true);
  Label5 = etichetta(QStringLiteral("Label5"), QStringLiteral("Per ulteriori informazioni contattate il Veltrak..."),
                     240, 2880, 4800, 255);
  Label5->setFont(pfuncFonte(8.25, true));
  psubApriChiudiFinestra(objectName(), QStringLiteral("load"));
}
