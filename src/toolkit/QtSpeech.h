#pragma once
// The voice through Qt TextToSpeech and the desktop's speech service. The engine lives in a thread
// of its own and is made there, after the first paint or at the first word: with a speech service
// that has lost its sound server, making it blocks for good, so the interface thread never waits
// for it, not even when the program leaves.

#include "Services.h"

#include <QLocale>
#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

class QThread;

namespace tk {

class SpeechWorker;

class QtSpeech final : public Speech {
public:
    // unavailable: told once, from the voice's thread, why there is no voice (the program then
    // runs on in silence).
    QtSpeech(const QLocale& locale, std::function<void(const QString& reason)> unavailable);
    // Waits a moment at most; a thread stuck in the engine is left behind (threadAbandoned).
    ~QtSpeech() override;

    void say(const QString& text) override;
    void stop() override;
    // Makes the engine once the first window has painted, so that the first word comes promptly.
    void warmUpAfterFirstPaint();

    // The engine never came back: leave with std::_Exit, which does not wait for that thread.
    static bool threadAbandoned() { return abandoned_.load(); }

private:
    QThread* thread_;
    SpeechWorker* worker_;
    std::shared_ptr<std::atomic<quint64>> latest_;  // the newest request; older ones are dropped
    quint64 sequence_ = 0;
    std::unique_ptr<QObject> firstPaintWatch_;
    static std::atomic<bool> abandoned_;
};

} // namespace tk
