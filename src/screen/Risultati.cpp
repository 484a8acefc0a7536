#include "Risultati.h"

#include "toolkit/Controls.h"
#include "toolkit/Window.h"

#include <cmath>
#include <limits>

namespace testo {

QString contatore(qint16 valore)
{
    return QString::number(valore);
}

QString conSegno(float valore)
{
    const QString cifre = QString::number(static_cast<double>(std::fabs(valore)), 'g', 9);
    return (valore < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + cifre;
}

} // namespace testo

void incrementa(qint16& contatore)
{
    if (contatore < std::numeric_limits<qint16>::max())
        ++contatore;
}

float secondiTrascorsi(float inizio, float fine)
{
    constexpr double giorno = 86400;
    double differenza = static_cast<double>(fine) - static_cast<double>(inizio);
    if (differenza < 0)
        differenza += giorno;
    return static_cast<float>(std::floor(differenza));
}

void PannelloRisultati::bind(const tk::Window& finestra)
{
    LblEsito = finestra.control<tk::Label>("LblEsito");
    LblOperazione = finestra.control<tk::Label>("LblOperazione");
    lblRisEsatte = finestra.control<tk::Label>("lblRisEsatte");
    lblRisErrate = finestra.control<tk::Label>("lblRisErrate");
    LblTempoParziale = finestra.control<tk::Label>("LblTempoParziale");
    LblTempoTotale = finestra.control<tk::Label>("LblTempoTotale");
}

void Risultati::giudica(bool esatto, PannelloRisultati& pannello)
{
    if (!esatto) {
        pannello.LblEsito->setCaption(QStringLiteral("ERRATO"));
        incrementa(risposteErrate);
        pannello.lblRisErrate->setCaption(testo::contatore(risposteErrate));
    } else {
        incrementa(risposteEsatte);
        pannello.LblEsito->setCaption(QStringLiteral("ESATTO"));
        pannello.lblRisEsatte->setCaption(testo::contatore(risposteEsatte));
    }
}

void Risultati::misuraTempi(float adesso, PannelloRisultati& pannello)
{
    oraFine = adesso;
    secondiParziali = secondiTrascorsi(oraInizio, oraFine);
    testoParziale = testo::conSegno(secondiParziali);
    secondiTotali = secondiTotali.value_or(0) + secondiParziali;
    testoTotale = testo::conSegno(*secondiTotali);
    pannello.LblTempoParziale->setCaption(secondiParziali >= tettoSecondi ? QStringLiteral("999") : testoParziale);
    pannello.LblTempoTotale->setCaption(*secondiTotali >= tettoSecondi ? QStringLiteral("999") : testoTotale);
}
