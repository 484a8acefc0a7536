#include "Painting.h"

#include "Controls.h"
#include "Window.h"

#include <QIcon>
#include <QFont>
#include <QStyle>
#include <QStyleOption>

#include <cmath>
#include <vector>

namespace tk {

QFont fontFor(const std::optional<FontSpec>& spec, double scale)
{
    const FontSpec f = spec.value_or(FontSpec{});
    QFont font(QString::fromLatin1(f.face));
    // Point sizes are meant at 96 dots per inch, like the twips: so are the pixels.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(f.points * 96.0 / 72.0 * scale))));
    font.setBold(f.bold);
    return font;
}

QSize scaledSize(const QPixmap& picture, double scale)
{
    const QSizeF size = picture.deviceIndependentSize();
    if (scale >= 1)
        return size.toSize();
    return QSize(static_cast<int>(std::lround(size.width() * scale)),
                 static_cast<int>(std::lround(size.height() * scale)));
}

namespace {

// Classic 3-D edges: raised for a key at rest, sunken for a key held down.
void drawBevel(QPainter& p, const QRect& r, bool sunken)
{
    const QColor light(255, 255, 255), face(223, 223, 223), shadow(128, 128, 128), dark(0, 0, 0);
    const int x0 = r.left(), y0 = r.top(), x1 = r.right(), y1 = r.bottom();
    auto edge = [&](int inset, const QColor& topLeft, const QColor& bottomRight) {
        p.setPen(topLeft);
        p.drawLine(x0 + inset, y1 - inset, x0 + inset, y0 + inset);
        p.drawLine(x0 + inset, y0 + inset, x1 - inset, y0 + inset);
        p.setPen(bottomRight);
        p.drawLine(x1 - inset, y0 + inset, x1 - inset, y1 - inset);
        p.drawLine(x1 - inset, y1 - inset, x0 + inset, y1 - inset);
    };
    if (sunken) {
        edge(0, dark, light);
        edge(1, shadow, face);
    } else {
        edge(0, light, dark);
        edge(1, face, shadow);
    }
}

// At the design scale a picture is drawn pixel for pixel; below it, smoothly shrunk.
void drawPicture(QPainter& p, const QPoint& corner, const QPixmap& picture, double scale)
{
    if (scale >= 1) {
        p.drawPixmap(corner, picture);
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(QRect(corner, scaledSize(picture, scale)), picture);
}

// The control's font, or a smaller one where the text would not fit the rectangle: wrapped at word
// boundaries, no word may run past the sides, and text that takes more than one line must not run
// past the bottom. A text on one line keeps the font whatever its height, as the design has it
// (the outcome's capitals fill their label); on a label, which clips it, its ink must lie within
// the rectangle all the same: marks that rise over the line (the hamza over an Arabic alef) move
// it down, and marks that hang below it (a Romanian comma, an Arabic tail) make the font smaller.
// Cached: a control paints the same text many times.
struct Fit {
    QFont font;
    int down = 0;  // pixels the text is moved down
};

Fit fitted(const QFont& font, const QRect& r, const QString& text, int flags, bool clipped)
{
    struct Entry {
        QFont font;
        QSize size;
        QString text;
        int flags;
        bool clipped;
        Fit result;
    };
    static thread_local std::vector<Entry> cache;
    for (const Entry& e : cache)
        if (e.size == r.size() && e.text == text && e.flags == flags && e.clipped == clipped && e.font == font)
            return e.result;
    Fit fit{font};
    const QRect area(QPoint(0, 0), r.size());
    for (int px = font.pixelSize(); px > 4; --px) {
        fit.font.setPixelSize(px);
        const QFontMetrics metrics(fit.font);
        const QRect need = metrics.boundingRect(area, flags, text);
        if (need.width() > area.width())
            continue;
        if (need.height() >= 2 * metrics.lineSpacing()) {
            fit.down = 0;
            if (need.height() <= area.height())
                break;
            continue;
        }
        if (!clipped)
            break;
        const QRect ink = metrics.tightBoundingRect(text).translated(0, need.top() + metrics.ascent());
        if (ink.top() >= 0 && ink.bottom() <= area.bottom())
            break;
        // Moved or made smaller, with two pixels to spare on either side: a fallback font's metrics
        // can fall short of its antialiased edges.
        fit.down = std::max(0, 2 - ink.top());
        if (ink.bottom() + fit.down + 2 <= area.bottom())
            break;
    }
    if (cache.size() >= 64)
        cache.erase(cache.begin());
    cache.push_back({font, r.size(), text, flags, clipped, fit});
    return fit;
}

} // namespace

void paintFrame(QPainter& p, const QRect& r, const Frame& frame)
{
    p.fillRect(r, frame.backColor());
    if (!frame.hasBorder() || r.width() < 2 || r.height() < 2)
        return;
    // Etched: a shadow line with a light line one pixel inside and below it.
    const int w = r.width(), h = r.height();
    p.setPen(QColor(128, 128, 128));
    p.drawRect(0, 0, w - 2, h - 2);
    p.setPen(QColor(255, 255, 255));
    p.drawLine(1, 1, w - 3, 1);
    p.drawLine(1, 1, 1, h - 3);
    p.drawLine(0, h - 1, w - 1, h - 1);
    p.drawLine(w - 1, 0, w - 1, h - 1);
}

void paintLabel(QPainter& p, const QRect& r, const Label& label)
{
    if (!label.isTransparent())
        p.fillRect(r, label.backColor());
    if (label.caption().isEmpty())
        return;
    const int flags = Qt::AlignTop | label.alignment() | Qt::TextWordWrap;
    p.setPen(label.foreColor());
    const Fit fit = fitted(p.font(), r, label.caption(), flags, true);
    p.setFont(fit.font);
    p.drawText(r.translated(0, fit.down), flags, label.caption());
}

QColor scanFrameColor()
{
    return QColor(0, 64, 255);
}

// A tenth of the key's smaller side: 6 pixels on the exercise keys at 1024x768, 4 at 960x540.
int scanFrameWidth(const QSize& key)
{
    return std::max(3, static_cast<int>(std::lround(std::min(key.width(), key.height()) / 10.0)));
}

void paintButton(QPainter& p, const QWidget& widget, const OptionButton& button, bool hasFocus, bool scanning)
{
    const QRect r = widget.rect();
    p.fillRect(r, button.backColor());
    if (r.width() < 4 || r.height() < 4)
        return;
    const bool selected = button.isSelected();
    drawBevel(p, r, selected);
    // A key in a disabled frame keeps its look; only its own Enabled setting greys it.
    const bool enabled = button.isEnabled();
    const QPoint shift = selected ? QPoint(1, 1) : QPoint(0, 0);
    // In scanning mode every caption keeps inside where the frame goes, so that the frame covers
    // no letter and nothing moves when the scan comes or goes.
    const int frame = scanning ? scanFrameWidth(r.size()) : 0;
    const int margin = scanning ? 2 + frame + 1 : 4;

    if (const QPixmap picture = button.picture(); !picture.isNull()) {
        const double scale = button.window().scale();
        const QSize size = scaledSize(picture, scale);
        const QPoint corner((r.width() - size.width()) / 2, (r.height() - size.height()) / 2);
        p.save();
        p.setClipRect(r.adjusted(2, 2, -2, -2));
        if (enabled) {
            drawPicture(p, corner + shift, picture, scale);
        } else {
            QStyleOption option;
            option.initFrom(&widget);
            drawPicture(p, corner + shift, widget.style()->generatedIconPixmap(QIcon::Disabled, picture, &option),
                        scale);
        }
        p.restore();
    } else if (!button.caption().isEmpty()) {
        const int flags = Qt::AlignCenter | Qt::TextWordWrap;
        const QRect box = r.adjusted(margin, margin, -margin, -margin);
        const Fit fit = fitted(p.font(), box, button.caption(), flags, false);
        const QRect inner = box.translated(shift + QPoint(0, fit.down));
        p.setFont(fit.font);
        if (enabled) {
            p.setPen(button.foreColor());
            p.drawText(inner, flags, button.caption());
        } else {
            p.setPen(QColor(255, 255, 255));
            p.drawText(inner.translated(1, 1), flags, button.caption());
            p.setPen(QColor(128, 128, 128));
            p.drawText(inner, flags, button.caption());
        }
    }

    if (hasFocus && scanning) {
        // Inside the bevel, over a picture's edge where the picture fills the key.
        const QRect outer = r.adjusted(2, 2, -2, -2);
        const QRect inner = outer.adjusted(frame, frame, -frame, -frame);
        const QColor colour = scanFrameColor();
        p.fillRect(QRect(outer.left(), outer.top(), outer.width(), frame), colour);
        p.fillRect(QRect(outer.left(), inner.bottom() + 1, outer.width(), frame), colour);
        p.fillRect(QRect(outer.left(), inner.top(), frame, inner.height()), colour);
        p.fillRect(QRect(inner.right() + 1, inner.top(), frame, inner.height()), colour);
    } else if (hasFocus) {
        p.setPen(QPen(QColor(0, 0, 0), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

// From the cell's top-left corner, or its top-right one in a right-to-left window.
void paintImage(QPainter& p, const QRect& r, const Image& image)
{
    const QPixmap picture = image.picture();
    if (picture.isNull())
        return;
    const double scale = image.window().scale();
    const int x = p.layoutDirection() == Qt::RightToLeft ? r.width() - scaledSize(picture, scale).width() : 0;
    drawPicture(p, QPoint(x, 0), picture, scale);
}

void paintPanel(QPainter& p, const QRect& r, const Panel& panel)
{
    p.fillRect(r, panel.backColor());
}

void paintShape(QPainter& p, const QRect& r, const Shape& shape)
{
    p.setRenderHint(QPainter::Antialiasing);
    const double half = shape.outlineWidth() / 2.0;
    const QRectF bounds = QRectF(r).adjusted(half, half, -half, -half);
    const double radius = std::min(bounds.width(), bounds.height()) / 6.0;
    p.setPen(QPen(shape.outlineColor(), shape.outlineWidth()));
    p.setBrush(shape.fillColor());
    p.drawRoundedRect(bounds, radius, radius);
}

} // namespace tk
