#pragma once
// How each kind of control looks, painted from its settings alone.

#include "LayoutTable.h"

#include <QFont>
#include <QPainter>

namespace tk {

class Frame;
class Image;
class Label;
class OptionButton;
class Panel;
class Shape;

// A design font at a scale of the window's (1 at its design size and above).
QFont fontFor(const std::optional<FontSpec>& spec, double scale = 1.0);
// A picture's size at a scale of the window's.
QSize scaledSize(const QPixmap& picture, double scale);

void paintFrame(QPainter& p, const QRect& r, const Frame& frame);
void paintLabel(QPainter& p, const QRect& r, const Label& label);
// The widget gives the style that greys a disabled key's picture. In scanning mode the key with the
// focus, the one the scan is on, also gets a thick frame inside its edges.
void paintButton(QPainter& p, const QWidget& widget, const OptionButton& button, bool hasFocus, bool scanning = false);
// The scan's frame: a blue unlike the keys' two colours and the red of the marker bars, and its
// width on a key of this size, at least 3 pixels.
QColor scanFrameColor();
int scanFrameWidth(const QSize& key);
void paintImage(QPainter& p, const QRect& r, const Image& image);
void paintPanel(QPainter& p, const QRect& r, const Panel& panel);
void paintShape(QPainter& p, const QRect& r, const Shape& shape);

} // namespace tk
