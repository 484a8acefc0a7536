#pragma once
// The built-in pictures, rendered from the sources compiled into the program at the screen's
// pixel density: drawings from their vectors, pixel-exact signs and the icon by whole pixels.

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace figure {

constexpr int numeroOggetti = 14;  // object pictures 1..12 exist; 0, 13 and 14 are empty
constexpr int numeroSimboli = 8;   // symbol pictures 1..8

QPixmap oggetto(int n);
QPixmap simbolo(int k);
// What object picture n shows, in words a screen reader says ("sedia"); empty for the empty pictures.
QString nomeOggetto(int n);
// What symbol picture k shows: the sign itself ("<", "x", ">", "+"), or the thing drawn.
QString nomeSimbolo(int k);

// The range pictures of the start screen's range keys.
QPixmap intervalloCinque();
QPixmap intervalloDieci();
QPixmap oltreDieci();

// The window icon of every window.
QIcon iconaFinestra();
QPixmap iconaPixmap();
// The same stepped triangle, drawn by its rule at any even size (larger desktop icons).
QImage triangolo(int lato);

} // namespace figure
