#include "Risultati.h"

#include "toolkit/Controls.h"
#include "toolkit/Window.h"

#include <algorithm>
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

float secondiTrascorsi(double inizio, double fine)
{
    return static_cast<float>(std::floor(std::max(0.0, fine - inizio)));
}

void PannelloRisultati::bind(const tk::Window& finestra)
{
    LblEsito = finestra.control<tk::Label>("LblEsito");
    LblOperazione = finestra.control<tk::Label>("LblOperazione");
    lblRisEsatte = finestra.control<tk::Label>("lblRisEsatte");
    lblRisErrate = finestra.control<tk::Label>("lblRisErrate");
    LblTempoParziale = finestra.control<tk::Label>("LblTempoParziale");
    LblTempoTotale = finestra.control<tk::Label>("LblTempoTotale");
    // A screen reader gives each value with its heading.
    LblEsito->setAccessibleDescription(QStringLiteral("Esito"));
    tk::Label* const valori[] = {LblOperazione, lblRisEsatte, lblRisErrate, LblTempoParziale, LblTempoTotale};
    for (int k = 0; k < 5; ++k)
        valori[k]->setAccessibleDescription(finestra.control<tk::Label>("Label5", k)->caption().trimmed());
}

void riassumiArea(tk::Control& area, const QString& uno, const QString& molti)
{
    tk::Control* const contenitore = &area;
    area.accessibleSummary = [contenitore, uno, molti] {
        int mostrati = 0;
        for (const tk::Control* c : contenitore->window().controls()) {
            if (c->container() != contenitore || !c->isVisible())
                continue;
            if (c->kind() == tk::Kind::Image)
                mostrati += !static_cast<const tk::Image*>(c)->picture().isNull();
            else if (c->kind() == tk::Kind::Label)
                mostrati += !static_cast<const tk::Label*>(c)->caption().isEmpty();
        }
        return QStringLiteral("%1 %2").arg(mostrati).arg(mostrati == 1 ? uno : molti);
    };
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
