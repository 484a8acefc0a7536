#include "DesktopVoice.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <optional>
#include <pthread.h>
#include <string>
#include <thread>
#include <utility>

namespace tk {

namespace {

using Steady = std::chrono::steady_clock;

// What leaving waits for a thread that is not stuck in the service.
constexpr auto exitGrace = std::chrono::milliseconds(50);
// A word that waited longer than this for the service is no longer worth saying.
constexpr auto stale = std::chrono::seconds(3);
// After a failure, the next connection is tried no sooner than this.
constexpr auto retryAfter = std::chrono::seconds(3);

std::atomic<bool> abandoned{false};

// The service's words on why, on one line. A client that starts the service may hand back all the
// service wrote while it failed to start, a log of megabytes: its start says what failed, its end why.
QString inBrief(const std::string& detail)
{
    constexpr qsizetype head = 200, tail = 400;
    const QString text = QString::fromStdString(detail).simplified();
    if (text.size() <= head + tail + 3)
        return text;
    return text.left(head).trimmed() + QStringLiteral(" … ") + text.right(tail).trimmed();
}

// The service names its languages as espeak-ng does, which calls Mandarin "cmn", not "zh".
std::string serviceLanguage(const QString& language)
{
    return (language == u"zh" ? QStringLiteral("cmn") : language).toStdString();
}

// Calls back once, at the first paint of any window.
class FirstPaintWatch final : public QObject {
public:
    explicit FirstPaintWatch(std::function<void()> painted) : painted_(std::move(painted))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && painted_) {
            QCoreApplication::instance()->removeEventFilter(this);
            std::exchange(painted_, nullptr)();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> painted_;
};

} // namespace

VoiceEngine::VoiceEngine(std::string language, DesktopVoice::Report report, std::unique_ptr<SpeechBackend> backend,
                         DesktopVoice::Now now)
    : language_(std::move(language)), report_(std::move(report)), backend_(std::move(backend)), now_(std::move(now))
{
}

VoiceEngine::~VoiceEngine()
{
    disconnect();
}

void VoiceEngine::handle(const VoiceRequest& request)
{
    // Without a connection nothing of ours is being said, so there is nothing to stop.
    if (!connected_ && (request.kind == VoiceRequest::Stop || !connect()))
        return;
    if (request.kind == VoiceRequest::WarmUp || now_() - request.askedAt > stale || speak(request))
        return;
    // The connection broke. A word is tried once more on a fresh one, as the service may have been
    // restarted (a package upgrade); the loss is told with what came of that.
    disconnect();
    state_ = State::Broken;
    if (request.kind == VoiceRequest::Say && connect()) {
        if (speak(request))
            return;
        disconnect();
    }
    if (state_ != State::Silent) {
        // A service that connects but does not speak is not tried again at once either.
        lastFailure_ = now_();
        unavailable(DesktopVoice::Reason::Stopped);
    }
}

bool VoiceEngine::connect()
{
    if (lastFailure_ && now_() - *lastFailure_ < retryAfter)
        return false;
    std::string error;
    if (!backend_->open(error)) {
        lastFailure_ = now_();
        return unavailable(DesktopVoice::Reason::NoService, error);
    }
    connected_ = true;
    if (!hasVoice() || !backend_->useLanguage(language_)) {
        disconnect();
        lastFailure_ = now_();
        return unavailable(DesktopVoice::Reason::NoVoice);
    }
    lastFailure_.reset();
    const State before = std::exchange(state_, State::Speaking);
    if (before == State::Broken)
        report_(DesktopVoice::Event::Lost, DesktopVoice::Reason::Stopped, {});
    if (before == State::Broken || before == State::Silent)
        report_(DesktopVoice::Event::Back, DesktopVoice::Reason::None, {});
    return true;
}

// A voice whose language is ours, with or without a region ("de", "de-AT").
bool VoiceEngine::hasVoice()
{
    const std::vector<std::string> languages = backend_->voiceLanguages();
    return std::any_of(languages.begin(), languages.end(), [this](const std::string& language) {
        return language.compare(0, language_.size(), language_) == 0
               && (language.size() == language_.size() || language[language_.size()] == '-');
    });
}

// A new word interrupts this program's previous one, and no one else's.
bool VoiceEngine::speak(const VoiceRequest& request)
{
    return backend_->cancel() && (request.kind != VoiceRequest::Say || backend_->say(request.text));
}

bool VoiceEngine::unavailable(DesktopVoice::Reason why, const std::string& detail)
{
    if (state_ != State::Silent)
        report_(state_ == State::Unknown ? DesktopVoice::Event::Missing : DesktopVoice::Event::Lost, why,
                inBrief(detail));
    state_ = State::Silent;
    return false;
}

void VoiceEngine::disconnect()
{
    if (std::exchange(connected_, false))
        backend_->close();
}

// What the interface thread and the voice's thread share. Only the newest request waits: a new
// word makes an older one not yet said pointless.
struct DesktopVoice::Shared {
    std::mutex mutex;
    std::condition_variable wake, finished;
    std::optional<VoiceRequest> pending;
    bool quit = false;
    bool done = false;

    void post(VoiceRequest request, bool replace = true)
    {
        {
            const std::lock_guard lock(mutex);
            if (!replace && pending)
                return;
            pending = std::move(request);
        }
        wake.notify_one();
    }

    void run(VoiceEngine& engine)
    {
        // A service that went away makes a write fail: that is an error to handle here, not a
        // signal that ends the program.
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
        for (;;) {
            VoiceRequest request;
            {
                std::unique_lock lock(mutex);
                wake.wait(lock, [this] { return quit || pending; });
                if (quit)
                    break;
                request = std::move(*std::exchange(pending, std::nullopt));
            }
            engine.handle(request);
        }
    }
};

DesktopVoice::DesktopVoice(const QString& language, Report report)
    : DesktopVoice(language, std::move(report), speechDispatcher(), &Steady::now)
{
}

DesktopVoice::DesktopVoice(const QString& language, Report report, std::unique_ptr<SpeechBackend> backend, Now now)
    : shared_(std::make_shared<Shared>()), now_(std::move(now))
{
    thread_ = std::thread([shared = shared_, language = serviceLanguage(language), report = std::move(report),
                           backend = std::move(backend), now = now_]() mutable {
        {
            VoiceEngine engine(std::move(language), std::move(report), std::move(backend), std::move(now));
            shared->run(engine);
        }
        const std::lock_guard lock(shared->mutex);
        shared->done = true;
        shared->finished.notify_all();
    });
}

DesktopVoice::~DesktopVoice()
{
    firstPaintWatch_.reset();
    bool done;
    {
        std::unique_lock lock(shared_->mutex);
        shared_->quit = true;
        shared_->pending.reset();
        shared_->wake.notify_one();
        done = shared_->finished.wait_for(lock, exitGrace, [this] { return shared_->done; });
    }
    if (done) {
        thread_.join();
        return;
    }
    // Stuck inside the service: the thread keeps its share of the state, and leaving the process
    // ends it.
    thread_.detach();
    abandoned.store(true);
}

void DesktopVoice::say(const QString& text)
{
    shared_->post({VoiceRequest::Say, text.toStdString(), now_()});
}

void DesktopVoice::stop()
{
    shared_->post({VoiceRequest::Stop, {}, now_()});
}

void DesktopVoice::warmUpAfterFirstPaint()
{
    firstPaintWatch_ = std::make_unique<FirstPaintWatch>([shared = shared_, now = now_] {
        shared->post({VoiceRequest::WarmUp, {}, now()}, false);
    });
}

bool DesktopVoice::threadAbandoned()
{
    return abandoned.load();
}

} // namespace tk
