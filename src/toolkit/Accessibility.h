#pragma once
// What screen readers see of the controls: keys as buttons named by their caption (or their
// accessible name), labels as text with a description, frames as groups that can summarise
// what they show.

#include <QString>

namespace tk {

class Control;

// Lets a screen reader say how many pictures or texts an area shows: "1 simbolo", "7 simboli".
void summariseArea(Control& area, const QString& one, const QString& many);

// Installs the interfaces once per process.
void installAccessibility();

} // namespace tk
