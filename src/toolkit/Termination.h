#pragma once
// SIGTERM (the session ending) and SIGINT (Ctrl+C) arrive as a call on the event loop, so that the
// program leaves in its own way, as by its close box, and ends with status 0.

#include <functional>

namespace tk {

// Installs the handlers once; later calls replace the function called.
void onTerminationRequest(std::function<void()> handler);

} // namespace tk
