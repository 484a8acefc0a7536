#pragma once
// What screen readers see of the controls: keys as buttons named by their caption (or their
// accessible name), labels as text with a description, frames as groups that can summarise
// what they show.

namespace tk {

// Installs the interfaces once per process.
void installAccessibility();

} // namespace tk
