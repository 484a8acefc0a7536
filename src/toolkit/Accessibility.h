#pragma once
// What assistive technologies see of a window: a frame named by its caption, keys as buttons with
// Press and SetFocus, labels as text, pictures named by what they show, and frames that carry a
// name as groups. Decoration is left out: shapes, panels, empty labels and pictures, and frames
// that only group or colour, whose children stand in their place.

#include <QString>

#include <functional>

namespace tk {

class Control;

// Whether assistive technologies see the control now.
bool isExposed(const Control& control);
// The control's name, or whether it is seen at all, may have changed.
void announceChange(Control& control, bool wasExposed);

// Lets a screen reader say how many pictures or texts an area shows, in the words given for a
// number: "1 simbolo", "7 simboli".
void summariseArea(Control& area, std::function<QString(int shown)> words);

// Installs the interfaces once per process.
void installAccessibility();

} // namespace tk
