// One keystroke and its repaint at the start, middle and end of a generated
// page, and in the middle of a 10 MB one-line page; idle CPU with the caret
// in that line. Run with QT_QPA_PLATFORM=offscreen and OSTRA_BENCH_PAGES set.
#include "support/BenchPages.h"

#include "editor/EditorAids.h"
#include "editor/markup/ElementPathFinder.h"
#include "editor/markup/MarkupCheck.h"

#include <QApplication>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

const char* const kPages[] = {"page-1.html", "page-100.html", "oneline-10.html"};
const char* const kPlaces[] = {"start", "middle", "end"};

struct OpenPage {
    explicit OpenPage(const benchmark::State& state) {
        const char* name = kPages[state.range(0)];
        if (!w.window.OpenFile(bench::page(name)))
            return;
        const long length = w.coding().SendScintilla(QsciScintilla::SCI_GETLENGTH);
        const long where = state.range(1) == 0 ? 0 : state.range(1) == 1 ? length / 2 : length;
        w.coding().SendScintilla(QsciScintilla::SCI_GOTOPOS, static_cast<unsigned long>(where));
        w.coding().setFocus();
        w.repaint();
        opened = true;
    }
    bench::Window w;
    bool opened = false;
};

// Every run has the same counters: Google Benchmark's CSV output wants them.
void describe(benchmark::State& state, double idleCpuMsPerS = 0) {
    state.SetLabel(std::string(kPages[state.range(0)]) + " " + kPlaces[state.range(1)]);
    state.counters["peak_MiB"] = bench::peakMiB();
    state.counters["idle_cpu_ms_per_s"] = idleCpuMsPerS;
}

void BM_KeystrokeAndRepaint(benchmark::State& state) {
    OpenPage page(state);
    if (!page.opened)
        state.SkipWithError("the page did not open");
    for (auto _ : state)
        page.w.type();
    describe(state);
}

// CPU the event loop uses over two seconds with the window focused and the
// caret in place, per second, once the work that follows opening (the
// mistake check, the element finder's read ahead) is done.
void BM_IdleWithCaret(benchmark::State& state) {
    OpenPage page(state);
    page.w.window.activateWindow();
    bool checked = false;
    QObject::connect(&page.w.window.aids().check(), &editor::MarkupCheck::problemsChanged,
                     [&] { checked = true; });
    bench::runUntil([&] { return checked && page.w.window.preview().elementPaths().settled(); },
                    30000);
    double idle = 0;
    for (auto _ : state) {
        const double before = bench::cpuSeconds();
        QTimer::singleShot(2000, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        idle = (bench::cpuSeconds() - before) * 1000 / 2;
    }
    describe(state, idle);
}

} // namespace

// Arguments: page (kPages), place (kPlaces).
BENCHMARK(BM_KeystrokeAndRepaint)
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({1, 2})
    ->Args({2, 1})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IdleWithCaret)
    ->Args({1, 1})
    ->Args({2, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
