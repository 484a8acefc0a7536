// In-process timings of the program's own operations, on the offscreen platform, driven the way
// the tests drive it. Each figure is a median over repetitions; two baselines measured in the same
// run turn them into ratios that can be compared across machines.

#include "Drive.h"

#include <benchmark/benchmark.h>

#include <QAccessible>
#include <QApplication>
#include <QWindow>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace drive;

namespace {

const char* const baseShow = "baseline: empty QWidget show+hide";
const char* const baseKey = "baseline: key press+release, bare QWidget";

// Everything that needs the window painted: expose, update requests, deferred deletions.
void paintPending()
{
    settle();
}

bool exposed(QWidget* window)
{
    return window && window->windowHandle() && window->windowHandle()->isExposed();
}

// The start window on screen, its curtain open, the range 1..20 chosen for the exercises.
struct Started {
    TestProgram t;
    explicit Started(bool curtainOpen = true)
    {
        t.start(curtainOpen);
        t->globali.TipoEsercizio = 1;
        t->globali.NumeroMinimo = 1;
        t->globali.NumeroMassimo = 20;
    }
    tk::Form& exercise(int n)
    {
        return n == 1 ? static_cast<tk::Form&>(t->operativo1()) : static_cast<tk::Form&>(t->operativo2());
    }
    // As "Vai" does it: the exercise shows, then the start window hides.
    void open(int n)
    {
        t->mostraEsercizio(n);
        t->frmInizio().hide();
        paintPending();
    }
};

// ---- Baselines

void emptyShowHide(benchmark::State& state)
{
    QWidget window;
    window.setWindowTitle(QStringLiteral("Finestra"));
    window.showMaximized();
    paintPending();
    window.hide();
    paintPending();
    for (auto _ : state) {
        window.show();
        paintPending();
        window.hide();
        paintPending();
    }
}

void bareKey(benchmark::State& state)
{
    QWidget window;
    QWidget* child = new QWidget(&window);
    child->setFocusPolicy(Qt::StrongFocus);
    window.showMaximized();
    child->setFocus();
    paintPending();
    // Nothing changes on screen: no repaint to keep out of the timing.
    for (auto _ : state) {
        press(&window, Qt::Key_2);
        release(&window, Qt::Key_2);
    }
}

// ---- Windows

void startLoadUnload(benchmark::State& state)
{
    Started s;
    FrmInizio& f = s.t->frmInizio();
    f.unload();
    paintPending();
    for (auto _ : state) {
        f.load();
        f.unload();
        settle();
    }
}

void exerciseLoadUnload(benchmark::State& state, int n)
{
    Started s;
    tk::Form& f = s.exercise(n);
    f.load();  // the pictures it needs are rendered once per run of the program
    f.unload();
    paintPending();
    for (auto _ : state) {
        f.load();
        f.unload();  // shows the start window again: it is on screen already
        settle();
    }
}

void openExercise(benchmark::State& state, int n, bool coldPictures)
{
    Started s;
    tk::Form& f = s.exercise(n);
    s.open(n);
    if (!exposed(f.window()))
        state.SkipWithError("the exercise window never appeared");
    for (auto _ : state) {
        state.PauseTiming();
        f.unload();
        paintPending();
        if (coldPictures)
            s.t->frmFigure().unload();
        state.ResumeTiming();
        s.open(n);
    }
}

template <class F> void genera(benchmark::State& state, int n, F&& call)
{
    Started s;
    s.open(n);
    tk::Runtime& runtime = s.t->runtime();
    // Every picture of the set drawn at least once: the holder keeps them.
    for (int i = 0; i < 200; ++i) {
        s.t.clock.advance(1);
        call(*s.t);
    }
    paintPending();
    for (auto _ : state) {
        s.t.clock.advance(1);
        runtime.raise([&] { call(*s.t); });  // as inside the key or mouse event that calls it
        state.PauseTiming();
        paintPending();
        state.ResumeTiming();
    }
}

void relayout(benchmark::State& state, int n)
{
    Started s;
    tk::Form* f = &s.t->frmInizio();
    if (n > 0) {
        s.open(n);
        f = &s.exercise(n);
    }
    QWidget* window = f->window();
    const QSize sizes[2] = {{1024, 768}, {1010, 757}};
    int k = 0;
    for (auto _ : state) {
        window->resize(sizes[k ^= 1]);
        state.PauseTiming();
        paintPending();
        state.ResumeTiming();
    }
    if (window->size() != sizes[k])
        state.SkipWithError("the window did not take the size");
}

// A digit on the first row of the start window: the focus moves to the key it names.
void keyOnStartRow(benchmark::State& state, bool withRepaint)
{
    Started s;
    FrmInizio& f = s.t->frmInizio();
    QWidget* window = f.window();
    type(window, Qt::Key_2);
    if (window->focusWidget() != f.Option1[1]->widget())
        state.SkipWithError("the digit did not move the focus");
    Qt::Key key = Qt::Key_2;
    for (auto _ : state) {
        key = key == Qt::Key_1 ? Qt::Key_2 : Qt::Key_1;
        press(window, key);
        release(window, key);
        if (withRepaint) {
            paintPending();
        } else {
            state.PauseTiming();
            paintPending();
            state.ResumeTiming();
        }
        // The key's name goes to the tests' recording voice; it is let go so memory stays flat.
        if (s.t.voice.said.size() > 4096)
            s.t.voice.said.clear();
    }
}

// One step of the opening curtain; the panels are put back to half the window before they close,
// so every tick is an ordinary one.
void curtainTick(benchmark::State& state, bool withRepaint)
{
    Started s(false);
    FrmInizio& f = s.t->frmInizio();
    const double half = f.window()->outerWidth() / 2;
    auto reset = [&] {
        f.Picture1->setWidth(half);
        f.Picture2->setWidth(half);
    };
    reset();
    paintPending();
    for (auto _ : state) {
        f.timerTendine->tick();
        if (withRepaint)
            paintPending();
        if (f.Picture1->width() < 2 * FrmInizio::passoTendine + FrmInizio::sogliaTendine) {
            state.PauseTiming();
            reset();
            paintPending();
            state.ResumeTiming();
        } else if (!withRepaint) {
            state.PauseTiming();
            paintPending();
            state.ResumeTiming();
        }
    }
    if (!f.timerTendine->isEnabled() || f.tendinaAperta())
        state.SkipWithError("the curtain closed");
}

// What a screen reader does to read a window: every node's child count, then each child by its
// index, with its name, role and states. Returns the nodes read.
int walk(QAccessibleInterface* node)
{
    int nodes = 1;
    benchmark::DoNotOptimize(node->text(QAccessible::Name));
    benchmark::DoNotOptimize(node->role());
    benchmark::DoNotOptimize(node->state());
    for (int i = 0, n = node->childCount(); i < n; ++i)
        if (QAccessibleInterface* child = node->child(i))
            nodes += walk(child);
    return nodes;
}

// Exercise 1 on screen on its largest set: the most nodes a screen reader finds there. After a
// change: one object hidden and shown again before each walk, as a screen reader reads the window
// again after something changed on it.
void accessibilityWalk(benchmark::State& state, bool afterChange)
{
    Started s;
    s.t.random.queueDraw(1, 4);
    s.t.random.queueDraw(8, 12);
    s.t.random.queueDraw(20, 20);
    s.open(1);
    frmOperativo1& f = s.t->operativo1();
    tk::Image& object = *f.Image2[f.stato().posizioni[1]];
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(f.window());
    int nodes = 0;
    for (auto _ : state) {
        if (afterChange) {
            object.setVisible(false);
            object.setVisible(true);
        }
        nodes = walk(window);
    }
    if (nodes < 20)
        state.SkipWithError("the tree is missing the set");
}

// ---- Report: one table of medians, ratios and goals.

constexpr int repetitions = 9;

struct Goal {
    double maxMs;
    const char* text;
};

const std::map<std::string, Goal>& goals()
{
    static const std::map<std::string, Goal> g{
        {"curtain tick", {0.2, "< 0.2 ms"}},
        {"key press+release, start row", {0.2, "< 0.2 ms"}},
        {"relayout FrmInizio", {1, "< 1 ms"}},
        {"relayout frmOperativo1", {1, "< 1 ms"}},
        {"relayout FrmOperativo2", {1, "< 1 ms"}},
        {"open frmOperativo1", {15, "< 15 ms"}},
        {"open FrmOperativo2", {15, "< 15 ms"}},
        {"open frmOperativo1, pictures cold", {15, "< 15 ms"}},
        {"open FrmOperativo2, pictures cold", {15, "< 15 ms"}},
    };
    return g;
}

// Why a run failed, or null. google-benchmark 1.8 renamed the fields (error_occurred and error_message
// became skipped and skip_message); Debian 12 has 1.7 and Debian 13 1.9.
template <typename Run>
const std::string* failure(const Run& r)
{
    if constexpr (requires { r.skip_message; })
        return r.skipped != decltype(r.skipped){} ? &r.skip_message : nullptr;
    else
        return r.error_occurred ? &r.error_message : nullptr;
}

class Summary final : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context& context) override
    {
        PrintBasicContext(&GetErrorStream(), context);
        return true;
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs) {
            if (const std::string* why = failure(r)) {
                std::fprintf(stderr, "%s: %s\n", r.run_name.function_name.c_str(), why->c_str());
                failed_ = true;
                continue;
            }
            const std::string name = r.run_name.function_name;
            if (r.run_type != Run::RT_Aggregate) {
                continue;
            } else if (r.aggregate_name == "median") {
                if (!rows_.count(name))
                    order_.push_back(name);
                const double toMs = 1e3 / benchmark::GetTimeUnitMultiplier(r.time_unit);
                rows_[name].ms = r.GetAdjustedRealTime() * toMs;
                rows_[name].cpuMs = r.GetAdjustedCPUTime() * toMs;
            } else if (r.aggregate_name == "cv") {
                rows_[name].cv = r.real_accumulated_time;  // a fraction, not a time
            }
        }
    }

    void Finalize() override
    {
        const double show = rows_.count(baseShow) ? rows_[baseShow].ms : NAN;
        const double key = rows_.count(baseKey) ? rows_[baseKey].ms : NAN;
        std::printf("\n%-42s %9s %9s %6s %9s %9s %9s %s\n", "operation (offscreen)", "real ms", "cpu ms",
                    "cv %", "x show", "x key", "goal", "");
        for (const std::string& name : order_) {
            const Row& row = rows_[name];
            std::printf("%-42s %9.4f %9.4f %6.1f", name.c_str(), row.ms, row.cpuMs, row.cv * 100);
            // A filter that leaves a baseline out leaves its ratios blank.
            for (double base : {show, key})
                std::isnan(base) ? std::printf(" %9s", "-") : std::printf(" %9.2f", row.ms / base);
            if (const auto g = goals().find(name); g != goals().end())
                std::printf(" %9s %s", g->second.text, row.ms < g->second.maxMs ? "met" : "MISSED");
            std::printf("\n");
        }
        std::printf("Medians of %d repetitions, real (wall) time; goals are judged on it. x show: against \"%s\"; "
                    "x key: against \"%s\".\n",
                    repetitions, baseShow, baseKey);
        std::fflush(stdout);
    }

    bool failed() const { return failed_; }

private:
    struct Row {
        double ms = 0, cpuMs = 0, cv = 0;
    };
    std::map<std::string, Row> rows_;
    std::vector<std::string> order_;
    bool failed_ = false;
};

// Benchmarks that process events outside the timed part run a fixed count of iterations: timed
// by their own short part alone, they would run for far longer than the time asked for.
template <class F> void add(const char* name, F&& f, int iterations = 0)
{
    auto* b = benchmark::RegisterBenchmark(name, std::forward<F>(f))
                  ->Unit(benchmark::kMicrosecond)
                  ->UseRealTime()
                  ->Repetitions(repetitions)
                  ->ReportAggregatesOnly(true);
    if (iterations > 0)
        b->Iterations(iterations);
    else
        b->MinTime(0.1);
}

void registerAll()
{
    add(baseShow, emptyShowHide);
    add(baseKey, bareKey);
    add("load+unload FrmInizio", startLoadUnload);
    add("load+unload frmOperativo1", [](benchmark::State& s) { exerciseLoadUnload(s, 1); });
    add("load+unload FrmOperativo2", [](benchmark::State& s) { exerciseLoadUnload(s, 2); });
    add("open frmOperativo1", [](benchmark::State& s) { openExercise(s, 1, false); }, 40);
    add("open FrmOperativo2", [](benchmark::State& s) { openExercise(s, 2, false); }, 40);
    add("open frmOperativo1, pictures cold", [](benchmark::State& s) { openExercise(s, 1, true); }, 40);
    add("open FrmOperativo2, pictures cold", [](benchmark::State& s) { openExercise(s, 2, true); }, 40);
    add("genera frmOperativo1", [](benchmark::State& s) { genera(s, 1, [](Programma& p) { p.operativo1().genera(); }); }, 400);
    add("genera FrmOperativo2", [](benchmark::State& s) { genera(s, 2, [](Programma& p) { p.operativo2().genera(); }); }, 400);
    add("relayout FrmInizio", [](benchmark::State& s) { relayout(s, 0); }, 300);
    add("relayout frmOperativo1", [](benchmark::State& s) { relayout(s, 1); }, 300);
    add("relayout FrmOperativo2", [](benchmark::State& s) { relayout(s, 2); }, 300);
    add("key press+release, start row", [](benchmark::State& s) { keyOnStartRow(s, false); }, 400);
    add("key press+release, start row, +repaint", [](benchmark::State& s) { keyOnStartRow(s, true); }, 400);
    add("accessibility walk frmOperativo1", [](benchmark::State& s) { accessibilityWalk(s, false); }, 200);
    add("same, after a change", [](benchmark::State& s) { accessibilityWalk(s, true); }, 200);
    add("curtain tick", [](benchmark::State& s) { curtainTick(s, false); }, 400);
    add("curtain tick, +repaint", [](benchmark::State& s) { curtainTick(s, true); }, 400);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    registerAll();
    Summary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    benchmark::Shutdown();
    return summary.failed() ? 1 : 0;
}
