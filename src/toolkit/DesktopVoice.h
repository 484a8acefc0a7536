#pragma once
// The voice through the desktop's speech service. Everything that talks to the service runs on a
// thread of the voice's own: with a service that has lost its sound server a call blocks for good,
// so the interface thread never waits for it, not even when the program leaves. Only this
// program's own speech is ever cancelled. When the service goes away, the next word some seconds
// later connects afresh.

#include "Services.h"
#include "SpeechBackend.h"

#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
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
    // Told from the voice's thread, once per change. detail: the service's own words on why, as
    // it gives them (untranslated), or nothing.
    using Report = std::function<void(Event event, Reason reason, QString detail)>;
    using Time = std::chrono::steady_clock::time_point;
    // Read on both threads.
    using Now = std::function<Time()>;

    // language: the ISO 639 code of the words said ("it"); no other language's voice reads them.
    // The desktop's speech service, on the steady clock.
    DesktopVoice(const QString& language, Report report);
    // Any service, and any clock (tests).
    DesktopVoice(const QString& language, Report report, std::unique_ptr<SpeechBackend> backend, Now now);
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
    Now now_;
    std::thread thread_;
    std::unique_ptr<QObject> firstPaintWatch_;
};

// One thing asked of the voice, and when.
struct VoiceRequest {
    enum Kind { WarmUp, Say, Stop } kind;
    std::string text;
    DesktopVoice::Time askedAt;
};

// What the voice's thread does with each request: the connection, which says whether the program
// has a voice and tells each change of that. Runs on one thread; DesktopVoice gives it its own.
class VoiceEngine {
public:
    VoiceEngine(std::string language, DesktopVoice::Report report, std::unique_ptr<SpeechBackend> backend,
                DesktopVoice::Now now);
    ~VoiceEngine();
    VoiceEngine(const VoiceEngine&) = delete;
    VoiceEngine& operator=(const VoiceEngine&) = delete;

    void handle(const VoiceRequest& request);

private:
    bool connect();
    bool hasVoice();
    bool speak(const VoiceRequest& request);
    bool unavailable(DesktopVoice::Reason why, const std::string& detail = {});
    void disconnect();

    enum class State {
        Unknown,   // never connected
        Speaking,
        Broken,    // the connection broke, which is not told yet
        Silent,
    };

    const std::string language_;
    const DesktopVoice::Report report_;
    const std::unique_ptr<SpeechBackend> backend_;
    const DesktopVoice::Now now_;
    bool connected_ = false;
    State state_ = State::Unknown;
    std::optional<DesktopVoice::Time> lastFailure_;
};

} // namespace tk
