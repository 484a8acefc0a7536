#pragma once
// The calls the voice makes to a speech service. The voice's logic (when to connect, which voice,
// what to say and what to drop) is the same for any service; another system's service, or a test,
// brings its own backend. Every call may block for as long as the service likes: the voice makes
// them on a thread of its own.

#include <memory>
#include <string>
#include <vector>

namespace tk {

class SpeechBackend {
public:
    virtual ~SpeechBackend() = default;
    // Connects. When it cannot, false, with the service's own words on why in `error` (or nothing).
    virtual bool open(std::string& error) = 0;
    // The languages of the service's voices, as it writes them: "de", "de-AT".
    virtual std::vector<std::string> voiceLanguages() = 0;
    // What follows is said in this language.
    virtual bool useLanguage(const std::string& language) = 0;
    // At message priority: other programs' speech (a screen reader's) neither cancels it nor is
    // cancelled by it.
    virtual bool say(const std::string& text) = 0;
    // Stops this program's own speech, and no one else's.
    virtual bool cancel() = 0;
    virtual void close() = 0;
};

// The desktop's speech service, speech-dispatcher, by its own client library.
std::unique_ptr<SpeechBackend> speechDispatcher();

} // namespace tk
