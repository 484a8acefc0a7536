#include "RigaComandi.h"

#include "layouts/Palette.h"
#include "toolkit/Keys.h"
#include "toolkit/Window.h"

const QColor RigaComandi::coloreFuoco = palette::TastoFuoco.color();
const QColor RigaComandi::coloreRiposo = palette::Tasto.color();

ConfigurazioneRiga ConfigurazioneRiga::esercizio(Esercizio esercizio)
{
    ConfigurazioneRiga configurazione{.spazioSaltaDisabilitati = true, .mouseProtetto = esercizio.mouseProtetto,
                                      .rilascioDeseleziona = true};
    for (int d = 1; d <= 8; ++d) {
        configurazione.cifre[tk::vk::Digit0 + d] = d - 1;
        configurazione.cifre[tk::vk::Numpad0 + d] = d - 1;
    }
    return configurazione;
}

RigaComandi::RigaComandi(ConfigurazioneRiga configurazione, Azione azione)
    : configurazione_(std::move(configurazione)), azione_(std::move(azione))
{
}

void RigaComandi::collega(const tk::ControlArray<tk::OptionButton>& tasti)
{
    tasti_ = &tasti;
    // The guards live as long as the window is loaded: each loading starts them afresh.
    spazioPremuto = tastoPremuto = mousePremuto = false;
    for (int i = tasti.lowerBound(); i <= tasti.upperBound(); ++i) {
        if (!tasti.has(i))
            continue;
        tk::ControlEvents& on = tasti[i]->on;
        on.gotFocus = [this](int k) { gotFocus(k); };
        on.lostFocus = [this](int k) { lostFocus(k); };
        on.keyDown = [this](int k, int codice) { keyDown(k, codice); };
        on.keyPress = [this](int k, int carattere) { keyPress(k, carattere); };
        on.keyUp = [this](int k) { keyUp(k); };
        on.mouseDown = [this](int k) { mouseDown(k); };
        on.mouseUp = [this](int k) { mouseUp(k); };
    }
}

void RigaComandi::gotFocus(int i)
{
    (*tasti_)[i]->setSelected(false);
    (*tasti_)[i]->setBackColor(coloreFuoco);
}

void RigaComandi::lostFocus(int i)
{
    (*tasti_)[i]->setBackColor(coloreRiposo);
    (*tasti_)[i]->setSelected(false);
}

// A key that does not exist or cannot take the focus is left alone; the key reached says its name.
void RigaComandi::daiFuoco(int i)
{
    if (!tasti_->has(i))
        return;
    tk::OptionButton& tasto = *(*tasti_)[i];
    if (tasto.window().giveFocus(tasto))
        tasto.window().focus().sayName(tasto);
}

// The key after `i` in the row, by index, wrapping from the last to the first; an array may leave
// gaps in its indices.
int RigaComandi::successivo(int i) const
{
    do {
        i = i >= tasti_->upperBound() ? tasti_->lowerBound() : i + 1;
    } while (!tasti_->has(i));
    return i;
}

// Any character but space is discarded.
void RigaComandi::keyPress(int i, int carattere)
{
    if (spazioPremuto || carattere != tk::vk::Space)
        return;
    int prossimo = successivo(i);
    if (configurazione_.spazioSaltaDisabilitati) {
        // At most one round: the key that has the focus is itself enabled.
        for (int giri = 0; giri < tasti_->count() && !(*tasti_)[prossimo]->isEnabled(); ++giri)
            prossimo = successivo(prossimo);
    }
    daiFuoco(prossimo);
    spazioPremuto = true;
}

// Enter and the row's digits are taken; any other key is discarded.
void RigaComandi::keyDown(int i, int codice)
{
    if (tastoPremuto)
        return;
    if (codice == tk::vk::Return) {
        azione_(i, Origine::Tastiera);
    } else if (const auto cifra = configurazione_.cifre.find(codice); cifra != configurazione_.cifre.end()) {
        if (cifra->second != ConfigurazioneRiga::nessunTasto)
            daiFuoco(cifra->second);
    } else {
        return;
    }
    tastoPremuto = true;
    if (successiva_)
        successiva_->tastoPremuto = true;
}

void RigaComandi::keyUp(int i)
{
    spazioPremuto = false;
    tastoPremuto = false;
    if (configurazione_.rilascioDeseleziona && tasti_->has(i))
        (*tasti_)[i]->setSelected(false);
}

void RigaComandi::mouseDown(int i)
{
    if (!configurazione_.mouseProtetto) {
        azione_(i, Origine::Mouse);
        return;
    }
    if (mousePremuto)
        return;
    azione_(i, Origine::Mouse);
    mousePremuto = true;
}

void RigaComandi::mouseUp(int i)
{
    if (tasti_->has(i))
        (*tasti_)[i]->setSelected(false);
    if (configurazione_.mouseProtetto)
        mousePremuto = false;
    if (successiva_) {
        successiva_->tastoPremuto = false;
        successiva_->spazioPremuto = false;
    }
}
