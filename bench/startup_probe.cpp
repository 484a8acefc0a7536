// The start-up of the program (or of the bare window) step by step, as main() does it, with a
// "phase NAME NS RSS_KB CPU_NS" line on standard output at each step, for startup_harness to put
// against the moment of exec. Nothing here is part of the program.
//
//   startup_probe program|split|bare [exit]
//
// "split" is the program with the first-use costs taken one by one before the window is built:
// the font database, the fonts of the start window, its pictures and its icon. With "exit" the
// probe ends once the window is painted instead of idling: for profilers.

#include "app/Programma.h"
#include "layouts/Layouts.h"
#include "pictures/Figure.h"
#include "toolkit/Painting.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Phase {
    const char* name;
    long long ns;
    long rssKb;
    long long cpuNs;  // this process's CPU time, all threads: other load on the machine does not inflate it
};

std::vector<Phase> phases;

long rssKb()
{
    long kb = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        long size = 0, resident = 0;
        if (std::fscanf(f, "%ld %ld", &size, &resident) == 2)
            kb = resident * (sysconf(_SC_PAGESIZE) / 1024);
        std::fclose(f);
    }
    return kb;
}

long long nanoseconds(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<long long>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

void mark(const char* name)
{
    phases.push_back({name, nanoseconds(CLOCK_MONOTONIC), rssKb(), nanoseconds(CLOCK_PROCESS_CPUTIME_ID)});
}

// Runs the event loop until the window is exposed; the expose paints it.
void untilPainted(QWidget* window)
{
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
}

void report()
{
    for (const Phase& p : phases)
        std::printf("phase %s %lld %ld %lld\n", p.name, p.ns, p.rssKb, p.cpuNs);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    mark("1-main");
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    const bool once = argc > 2 && std::strcmp(argv[2], "exit") == 0;
    QApplication app(argc, argv);
    mark("2-application");
    if (bare) {
        QWidget window;
        window.setWindowTitle(QStringLiteral("Finestra"));
        mark("3-window-built");
        window.showMaximized();
        mark("4-shown");
        untilPainted(&window);
        mark("5-exposed-painted");
        report();
        return once ? 0 : QApplication::exec();
    }
    QApplication::setQuitOnLastWindowClosed(false);
    // The voice's own start-up is measured on the real program, with and without --senza-voce.
    tk::Silence voce;
    Programma programma(voce, QStringLiteral("it"));
    mark("3-program-object");
    if (argc > 1 && std::strcmp(argv[1], "split") == 0) {
        volatile std::size_t keep = QFontDatabase::families().size();
        mark("3a-font-database");
        // Every face the start window uses, laid out once: each loads its font engine.
        for (const tk::ControlSpec& c : layouts::frmInizio.controls)
            keep = keep + std::size_t(QFontMetrics(tk::fontFor(c.font)).horizontalAdvance(QStringLiteral("Vai")));
        mark("3b-font-engines");
        keep = keep + std::size_t(figure::intervalloCinque().width());
        mark("3c-first-svg-picture");
        keep = keep + std::size_t(figure::intervalloDieci().width() + figure::oltreDieci().width());
        mark("3d-two-more-svg");
        keep = keep + std::size_t(figure::iconaFinestra().isNull());
        mark("3e-window-icon-xpm");
        (void)keep;
    }
    programma.frmInizio().load();
    mark("4-window-built");
    programma.avvia();
    mark("5-shown");
    untilPainted(programma.frmInizio().window());
    mark("6-exposed-painted");
    report();
    if (once)
        return 0;
    programma.onTerminato = [] { QCoreApplication::quit(); };
    return QApplication::exec();
}
