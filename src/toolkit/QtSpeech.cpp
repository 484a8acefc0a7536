#include "QtSpeech.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEvent>
#include <QTextToSpeech>
#include <QThread>

#include <algorithm>
#include <utility>

namespace tk {

namespace {

// What leaving waits for a thread that is not stuck in the engine.
constexpr int exitGraceMs = 50;
// A word that waited longer than this for the engine to start is no longer worth saying.
constexpr qint64 staleMs = 3000;

} // namespace

std::atomic<bool> QtSpeech::abandoned_{false};

// Lives in the voice's thread and owns the engine there.
class SpeechWorker final : public QObject {
public:
    SpeechWorker(QLocale locale, std::shared_ptr<std::atomic<quint64>> latest,
                 std::function<void(const QString&)> unavailable)
        : locale_(std::move(locale)), latest_(std::move(latest)), unavailable_(std::move(unavailable))
    {
        clock_.start();
    }

    qint64 now() const { return clock_.elapsed(); }

    void warmUp() { engine(); }

    void say(const QString& text, quint64 sequence, qint64 askedAt)
    {
        // Dropped when a newer word or a stop came, or when the engine took too long to start.
        if (sequence != latest_->load() || !engine() || sequence != latest_->load() || now() - askedAt > staleMs)
            return;
        tts_->stop();
        tts_->say(text);
    }

    void stop()
    {
        if (tts_)
            tts_->stop();
    }

    void shutdown()
    {
        delete tts_;
        tts_ = nullptr;
        thread()->quit();
    }

private:
    QTextToSpeech* engine()
    {
        if (tts_ || failed_)
            return tts_;
        failed_ = true;
        if (!QTextToSpeech::availableEngines().contains(QStringLiteral("speechd")))
            return fail(QStringLiteral("no speechd plug-in for Qt TextToSpeech"));
        auto* tts = new QTextToSpeech(QStringLiteral("speechd"), this);  // may block: not the interface thread
        if (tts->state() == QTextToSpeech::Error) {
            const QString why = tts->errorString();
            delete tts;
            return fail(why.isEmpty() ? QStringLiteral("the speech engine failed") : why);
        }
        // The language asked for, whatever the desktop's: the exact locale, else any of its language.
        const QList<QLocale> locales = tts->availableLocales();
        QLocale chosen = locale_;
        if (!locales.contains(locale_)) {
            const auto same = std::find_if(locales.begin(), locales.end(),
                                           [this](const QLocale& l) { return l.language() == locale_.language(); });
            if (same == locales.end()) {
                delete tts;
                return fail(QStringLiteral("no voice for ") + locale_.name());
            }
            chosen = *same;
        }
        tts->setLocale(chosen);
        tts_ = tts;
        failed_ = false;
        return tts_;
    }

    QTextToSpeech* fail(const QString& reason)
    {
        if (unavailable_)
            unavailable_(reason);
        return nullptr;
    }

    QLocale locale_;
    std::shared_ptr<std::atomic<quint64>> latest_;
    std::function<void(const QString&)> unavailable_;
    QElapsedTimer clock_;
    QTextToSpeech* tts_ = nullptr;
    bool failed_ = false;
};

namespace {

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

QtSpeech::QtSpeech(const QLocale& locale, std::function<void(const QString& reason)> unavailable)
    : thread_(new QThread), latest_(std::make_shared<std::atomic<quint64>>(0))
{
    thread_->setObjectName(QStringLiteral("voice"));
    worker_ = new SpeechWorker(locale, latest_, std::move(unavailable));
    worker_->moveToThread(thread_);
    QObject::connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_->start();
}

QtSpeech::~QtSpeech()
{
    firstPaintWatch_.reset();
    latest_->store(++sequence_);
    SpeechWorker* worker = worker_;
    QMetaObject::invokeMethod(worker, [worker] { worker->shutdown(); }, Qt::QueuedConnection);
    if (thread_->wait(QDeadlineTimer(exitGraceMs))) {
        delete thread_;
        return;
    }
    // Stuck inside the engine: deleting a running thread aborts and joining it may never end, so
    // the thread and its worker stay, and leaving the process ends them.
    abandoned_.store(true);
}

void QtSpeech::say(const QString& text)
{
    const quint64 sequence = ++sequence_;
    latest_->store(sequence);
    SpeechWorker* worker = worker_;
    const qint64 askedAt = worker->now();
    QMetaObject::invokeMethod(worker, [worker, text, sequence, askedAt] { worker->say(text, sequence, askedAt); },
                              Qt::QueuedConnection);
}

void QtSpeech::stop()
{
    latest_->store(++sequence_);
    SpeechWorker* worker = worker_;
    QMetaObject::invokeMethod(worker, [worker] { worker->stop(); }, Qt::QueuedConnection);
}

void QtSpeech::warmUpAfterFirstPaint()
{
    SpeechWorker* worker = worker_;
    firstPaintWatch_ = std::make_unique<FirstPaintWatch>([worker] {
        QMetaObject::invokeMethod(worker, [worker] { worker->warmUp(); }, Qt::QueuedConnection);
    });
}

} // namespace tk
