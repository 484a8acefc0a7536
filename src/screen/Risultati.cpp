#include "Risultati.h"

#include "Testo.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

void incrementa(qint16& contatore)
{
    if (contatore < std::numeric_limits<qint16>::max())
        ++contatore;
}

float secondiTrascorsi(double inizio, double fine)
{
    return static_cast<float>(std::floor(std::max(0.0, fine - inizio)));
}

PannelloRisultati::PannelloRisultati(tk::Form& finestra)
    : LblEsito(finestra, "LblEsito"),
      LblOperazione(finestra, "LblOperazione"),
      lblRisEsatte(finestra, "lblRisEsatte"),
      lblRisErrate(finestra, "lblRisErrate"),
      LblTempoParziale(finestra, "LblTempoParziale"),
      LblTempoTotale(finestra, "LblTempoTotale"),
      Label5(finestra, "Label5")
{
}

void PannelloRisultati::descriviValori()
{
    LblEsito->setAccessibleDescription(QCoreApplication::translate("Risultati", "Esito"));
    tk::Label* const valori[] = {LblOperazione, lblRisEsatte, lblRisErrate, LblTempoParziale, LblTempoTotale};
    for (int k = 0; k < 5; ++k)
        valori[k]->setAccessibleDescription(Label5[k]->caption().trimmed());
}

QString PannelloRisultati::riassunto() const
{
    QStringList parti{LblEsito->caption()};
    for (int k : {1, 2}) {
        const tk::Label* valore = k == 1 ? lblRisEsatte : lblRisErrate;
        if (!valore->caption().isEmpty())
            parti << QCoreApplication::translate("Risultati", "%1: %2", "a heading of the results and its value")
                         .arg(Label5[k]->caption().trimmed(), valore->caption());
    }
    return parti.join(QStringLiteral(". ")) + u'.';
}

void Risultati::giudica(bool esatto, PannelloRisultati& pannello)
{
    if (!esatto) {
        pannello.LblEsito->setCaption(QCoreApplication::translate("Risultati", "ERRATO"));
        incrementa(risposteErrate);
        pannello.lblRisErrate->setCaption(testo::contatore(risposteErrate));
    } else {
        incrementa(risposteEsatte);
        pannello.LblEsito->setCaption(QCoreApplication::translate("Risultati", "ESATTO"));
        pannello.lblRisEsatte->setCaption(testo::contatore(risposteEsatte));
    }
}

void Risultati::misuraTempi(double adesso, PannelloRisultati& pannello)
{
    oraFine = adesso;
    secondiParziali = secondiTrascorsi(oraInizio, oraFine);
    testoParziale = testo::conSegno(secondiParziali);
    secondiTotali = secondiTotali.value_or(0) + secondiParziali;
    testoTotale = testo::conSegno(*secondiTotali);
    pannello.LblTempoParziale->setCaption(secondiParziali >= tettoSecondi ? QStringLiteral("999") : testoParziale);
    pannello.LblTempoTotale->setCaption(*secondiTotali >= tettoSecondi ? QStringLiteral("999") : testoTotale);
}
