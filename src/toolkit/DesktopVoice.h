#pragma once
// The voice through the desktop's speech service, speech-dispatcher, by its own client library.
// Everything that talks to the service runs on a thread of the voice's own: with a service that
// has lost its sound server a call blocks for good, so the interface thread never waits for it,
// not even when the program leaves. Only this program's own speech is ever cancelled, and all of
// it is said at message priority, which other programs' speech (a screen reader's) neither
// cancels nor is cancelled by. When the service goes away, the next word some seconds later
// connects afresh.

#include "Services.h"

#include <QString>

#include <functional>
#include <memory>
#include <thread>

class QObject;

namespace tk {

class DesktopVoice final : public Speech {
public:
    enum class Event {
        Missing,  // no voice from the start: no service, or none for the language
        Lost,     // the service went away or failed while the program spoke
        Back,     // a voice again, after Missing or Lost
    };
    enum class Reason {
        None,        // Back
        NoService,   // no speech service to connect to, nor one to start
        NoVoice,     // the service has no voice for the language
        Stopped,     // the service stopped answering
    };
    // Told from the voice's thread, once per change.
    using Report = std::function<void(Event event, Reason reason)>;

    // language: the ISO 639 code of the words said ("it"); no other language's voice reads them.
    DesktopVoice(const QString& language, Report report);
    // Waits a moment at most; a thread stuck in the service is left behind (threadAbandoned).
    ~DesktopVoice() override;

    void say(const QString& text) override;
    void stop() override;
    // Connects once the first window has painted, so that the first word comes promptly.
    void warmUpAfterFirstPaint();

    // The service never answered: leave with std::_Exit, which does not wait for that thread.
    static bool threadAbandoned();

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
    std::unique_ptr<QObject> firstPaintWatch_;
};

} // namespace tk
