#include "DesktopVoice.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <libspeechd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
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

// The service names its languages as espeak-ng does, which calls Mandarin "cmn", not "zh".
std::string serviceLanguage(const QString& language)
{
    return (language == u"zh" ? QStringLiteral("cmn") : language).toStdString();
}

struct Request {
    enum Kind { WarmUp, Say, Stop } kind;
    std::string text;
    Steady::time_point askedAt;
};

// The connection, owned by the voice's thread. It says whether the program has a voice, and tells
// each change of that.
class Engine {
public:
    Engine(std::string language, DesktopVoice::Report report)
        : language_(std::move(language)), report_(std::move(report))
    {
    }
    ~Engine() { disconnect(); }

    void handle(const Request& request)
    {
        // Without a connection nothing of ours is being said, so there is nothing to stop.
        if (!connection_ && (request.kind == Request::Stop || !connect()))
            return;
        if (request.kind == Request::WarmUp || Steady::now() - request.askedAt > stale)
            return;
        // A new word interrupts this program's previous one, and no one else's.
        if (spd_cancel(connection_) != 0)
            return failed(request);
        if (request.kind == Request::Say && spd_say(connection_, SPD_MESSAGE, request.text.c_str()) < 0)
            failed(request);
    }

private:
    bool connect()
    {
        if (lastAttempt_ && Steady::now() - *lastAttempt_ < retryAfter)
            return false;
        lastAttempt_ = Steady::now();
        char* error = nullptr;
        connection_ = spd_open2("quantella", "main", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
        std::free(error);
        if (!connection_)
            return unavailable(DesktopVoice::Reason::NoService);
        if (!hasVoice() || spd_set_language(connection_, language_.c_str()) != 0) {
            disconnect();
            return unavailable(DesktopVoice::Reason::NoVoice);
        }
        if (state_ == State::Silent)
            report_(DesktopVoice::Event::Back, DesktopVoice::Reason::None);
        state_ = State::Speaking;
        return true;
    }

    // A voice whose language is ours, with or without a region ("de", "de-AT").
    bool hasVoice() const
    {
        SPDVoice** voices = spd_list_synthesis_voices(connection_);
        bool found = false;
        for (SPDVoice** v = voices; v && *v && !found; ++v) {
            const std::string language = (*v)->language ? (*v)->language : "";
            found = language.compare(0, language_.size(), language_) == 0
                    && (language.size() == language_.size() || language[language_.size()] == '-');
        }
        free_spd_voices(voices);
        return found;
    }

    bool unavailable(DesktopVoice::Reason why)
    {
        if (state_ != State::Silent)
            report_(state_ == State::Unknown ? DesktopVoice::Event::Missing : DesktopVoice::Event::Lost, why);
        state_ = State::Silent;
        return false;
    }

    // The connection broke: the word is tried once more on a fresh one, as the service may have
    // been restarted (a package upgrade); after that, not for a few seconds.
    void failed(const Request& request)
    {
        disconnect();
        unavailable(DesktopVoice::Reason::Stopped);
        if (request.kind == Request::Say)
            handle(request);
    }

    void disconnect()
    {
        if (connection_)
            spd_close(connection_);
        connection_ = nullptr;
    }

    enum class State { Unknown, Speaking, Silent };

    const std::string language_;
    const DesktopVoice::Report report_;
    SPDConnection* connection_ = nullptr;
    State state_ = State::Unknown;
    std::optional<Steady::time_point> lastAttempt_;
};

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

// What the interface thread and the voice's thread share. Only the newest request waits: a new
// word makes an older one not yet said pointless.
struct DesktopVoice::Shared {
    std::mutex mutex;
    std::condition_variable wake, finished;
    std::optional<Request> pending;
    bool quit = false;
    bool done = false;

    void post(Request request, bool replace = true)
    {
        {
            const std::lock_guard lock(mutex);
            if (!replace && pending)
                return;
            pending = std::move(request);
        }
        wake.notify_one();
    }

    void run(Engine& engine)
    {
        // A service that went away makes a write fail: that is an error to handle here, not a
        // signal that ends the program.
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
        for (;;) {
            Request request;
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

DesktopVoice::DesktopVoice(const QString& language, Report report) : shared_(std::make_shared<Shared>())
{
    thread_ = std::thread([shared = shared_, language = serviceLanguage(language), report = std::move(report)]() mutable {
        {
            Engine engine(std::move(language), std::move(report));
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
    shared_->post({Request::Say, text.toStdString(), Steady::now()});
}

void DesktopVoice::stop()
{
    shared_->post({Request::Stop, {}, Steady::now()});
}

void DesktopVoice::warmUpAfterFirstPaint()
{
    firstPaintWatch_ = std::make_unique<FirstPaintWatch>([shared = shared_] {
        shared->post({Request::WarmUp, {}, Steady::now()}, false);
    });
}

bool DesktopVoice::threadAbandoned()
{
    return abandoned.load();
}

} // namespace tk
