// Opening, typing into and saving a large page through the real document window.
// Run with QT_QPA_PLATFORM=offscreen; sizes in MB are the benchmark argument.
#include "editor/editing/SourceEditor.h"
#include "editor/frmMain.h"
#include "platform/prompts/Prompts.h"
#include "support/RecordingPlacement.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

// Says yes to every question, so reopening a changed page never stops at the
// save question (the tests' scripted prompts would cancel it).
class NoPrompts final : public platform::Prompts {
public:
    platform::PromptAnswer message(QWidget*, const QString&, const QString&, platform::PromptIcon,
                                   platform::PromptButtons) override {
        return platform::PromptAnswer::Yes;
    }
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
};

QString makePage(const QTemporaryDir& dir, int megabytes, bool legacy) {
    const QString path = dir.filePath(QStringLiteral("big-%1-%2.html").arg(megabytes).arg(legacy));
    if (QFile::exists(path))
        return path;
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    const QByteArray line =
        legacy ? QByteArray("<p>Caf\xE9 line of a large page, more text here</p>\r\n")
               : QByteArray("<p>Caf\xC3\xA9 line of a large page, more text</p>\r\n");
    QByteArray block;
    while (block.size() < (1 << 20))
        block += line;
    for (int i = 0; i < megabytes; ++i)
        f.write(block);
    return path;
}

long peakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

void typeOneKey(editor::SourceEditor* coding) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(coding, &press);
}

// A document window holding a large page, Windows-1252 when `legacy`.
struct LargePage {
    explicit LargePage(const benchmark::State& state)
        : path(makePage(scratch, static_cast<int>(state.range(0)), state.range(1) != 0)) {
        window.create(QString());
    }
    QTemporaryDir scratch;
    QString path;
    NoPrompts prompts;
    RecordingPlacement placement;
    editor::frmMain window{prompts, placement};
};

void report(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * state.range(0) * (1 << 20));
    state.counters["peak_rss_MB"] = static_cast<double>(peakRssMb());
}

// Open until the editor takes a keystroke.
void BM_OpenUntilKeystroke(benchmark::State& state) {
    LargePage page(state);
    for (auto _ : state) {
        page.window.OpenFile(page.path);
        typeOneKey(page.window.coding());
    }
    report(state);
}

void BM_Save(benchmark::State& state) {
    LargePage page(state);
    page.window.OpenFile(page.path);
    const QString out = page.scratch.filePath(QStringLiteral("out.html"));
    for (auto _ : state)
        page.window.SaveFile(out);
    report(state);
}

} // namespace

BENCHMARK(BM_OpenUntilKeystroke)
    ->Args({1, 0})
    ->Args({100, 0})
    ->Args({100, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_Save)->Args({100, 0})->Args({100, 1})->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
