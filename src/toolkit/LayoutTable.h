#pragma once
// Design-time description of a window and its controls: what a layout table is made of.
// Positions and sizes are in twips (15 to a pixel), relative to the control's container.

#include <QColor>
#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>

#include <optional>
#include <span>

namespace tk {

struct Rgb {
    int r = 0, g = 0, b = 0;
    QColor color() const { return QColor(r, g, b); }
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class Kind { Frame, Label, OptionButton, Image, Panel, Shape, Timer };
enum class Align { Left, Center, Right };
enum class Dock { None, Left, Right };

struct FontSpec {
    const char* face = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
};

using PictureSource = QPixmap (*)();
using IconSource = QIcon (*)();

struct ControlSpec {
    const char* name = "";
    int index = -1;                 // -1: not a member of a control array
    Kind kind = Kind::Label;
    const char* container = nullptr;  // nullptr: the window itself
    int left = 0, top = 0, width = 0, height = 0;
    const char* caption = "";
    std::optional<Rgb> back{};         // nullopt: the toolkit's default for the kind
    std::optional<Rgb> fore{};
    bool transparent = false;         // labels: no back at all
    std::optional<FontSpec> font{};    // nullopt: the default dialog font
    int tabIndex = -1;
    Align align = Align::Left;
    bool border = true;               // frames: etched border
    Dock dock = Dock::None;           // panels
    const char* toolTip = nullptr;
    PictureSource picture = nullptr;  // option buttons: a picture instead of the caption
    std::optional<Rgb> outline{};      // shapes
    int outlineWidth = 1;             // shapes, in pixels
    int interval = 0;                 // timers, milliseconds
    // What a screen reader says, where no caption says it; a frame with a name is a group, one
    // without only groups or colours, and its children stand in its place.
    const char* accessibleName = nullptr;
};

struct WindowSpec {
    const char* name = "";
    const char* caption = "";
    int clientWidth = 0, clientHeight = 0;
    Rgb back{};
    IconSource icon = nullptr;
    std::span<const ControlSpec> controls{};
};

// The tables mark their texts QT_TRANSLATE_NOOP("Layout", ...): a window shows them in the program's
// language. Names ("SERAVINO") are left unmarked and stay as they are.
inline QString layoutText(const char* text)
{
    return text && *text ? QCoreApplication::translate("Layout", text) : QString();
}

constexpr int twipsPerPixel = 15;

inline int toPixels(double twips) { return static_cast<int>(twips >= 0 ? twips / twipsPerPixel + 0.5
                                                                         : twips / twipsPerPixel - 0.5); }

} // namespace tk
