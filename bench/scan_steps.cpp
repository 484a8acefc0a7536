// The scan's beat: the program in scanning mode, on the display and with the desktop's voice, left
// alone on the start screen, where every step moves the focus and has its key's name said. The time
// of each step is taken as the focus moves; the intervals are set against the period. Nothing here
// is part of the program.
//
//   scan_steps [PERIOD [SECONDS [quiet]]]     (defaults 0.5 and 60; quiet: no voice, for comparison)

#include "app/Programma.h"
#include "toolkit/DesktopVoice.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The voice, with the time each word takes to hand over on the interface thread.
class TimedVoice final : public tk::Speech {
public:
    explicit TimedVoice(tk::Speech& voice) : voice_(voice) {}
    void say(const QString& text) override
    {
        QElapsedTimer t;
        t.start();
        voice_.say(text);
        longest = std::max(longest, t.nsecsElapsed() / 1e6);
        ++words;
    }
    void stop() override { voice_.stop(); }
    double longest = 0;  // ms
    int words = 0;

private:
    tk::Speech& voice_;
};

} // namespace

int main(int argc, char* argv[])
{
    const double period = argc > 1 ? std::atof(argv[1]) : 0.5;
    const double seconds = argc > 2 ? std::atof(argv[2]) : 60;
    const bool quiet = argc > 3 && std::strcmp(argv[3], "quiet") == 0;
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    // Told on the voice's own thread.
    std::atomic<bool> voiceMissing = false;
    tk::DesktopVoice desktop(QStringLiteral("it"), [&voiceMissing](tk::DesktopVoice::Event event, auto, auto) {
        voiceMissing = event != tk::DesktopVoice::Event::Back;
    });
    desktop.warmUpAfterFirstPaint();
    tk::Silence silence;
    TimedVoice voice(quiet ? static_cast<tk::Speech&>(silence) : desktop);

    std::vector<double> steps;
    QElapsedTimer clock;
    clock.start();
    {
        Programma programma(voice, QStringLiteral("it"));
        programma.runtime().setScanPeriod(period);
        QObject::connect(&app, &QApplication::focusChanged, [&](QWidget*, QWidget* now) {
            if (now)
                steps.push_back(clock.nsecsElapsed() / 1e9);
        });
        programma.avvia();
        QTimer::singleShot(static_cast<int>(seconds * 1000), &app, &QApplication::quit);
        QApplication::exec();
    }

    // The first moves are the program's own (the focus given at start, the window activated).
    std::vector<double> intervals;
    for (std::size_t i = 3; i < steps.size(); ++i)
        intervals.push_back(steps[i] - steps[i - 1]);
    if (intervals.empty()) {
        std::fprintf(stderr, "scan_steps: no steps: is the window active?\n");
        return 1;
    }
    double worst = 0, sum = 0;
    std::string late;
    for (std::size_t i = 0; i < intervals.size(); ++i) {
        const double d = intervals[i];
        worst = std::max(worst, std::abs(d - period));
        sum += d;
        if (std::abs(d - period) > 0.020)
            late += " " + std::to_string(static_cast<int>(std::lround((d - period) * 1000))) + " ms at "
                    + std::to_string(static_cast<int>(steps[i + 3])) + " s;";
    }
    std::sort(intervals.begin(), intervals.end());
    std::printf("period %.3f s, %.0f s: %zu intervals, mean %.4f s, shortest %.4f s, longest %.4f s\n", period,
                seconds, intervals.size(), sum / double(intervals.size()), intervals.front(), intervals.back());
    std::printf("largest deviation from the period: %.1f ms (aim < 50 ms)\n", worst * 1000);
    if (!late.empty())
        std::printf("off by more than 20 ms:%s\n", late.c_str());
    std::printf("voice: %s; %d names said, longest hand-over on the interface thread %.2f ms\n",
                quiet ? "off" : voiceMissing ? "MISSING (the figures are without it)" : "on", voice.words, voice.longest);
    std::fflush(stdout);
    std::_Exit(worst < 0.050 ? 0 : 3);  // a voice stuck in its service is not waited for
}
