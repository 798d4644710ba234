// Opening, saving and copying the pages bench/run generates, each beside its
// plain reference measured in the same run: reading and decoding the file,
// writing the same bytes durably, one memory copy. Run with
// QT_QPA_PLATFORM=offscreen and OSTRA_BENCH_PAGES set.
#include "core/text/Utf8.h"
#include "core/text/Windows1252.h"
#include "support/BenchPages.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

const char* const kPages[] = {"page-1.html", "page-10.html", "page-100.html", "legacy-10.html",
                              "oneline-10.html"};

QString pageOf(const benchmark::State& state) {
    return bench::page(kPages[state.range(0)]);
}

void label(benchmark::State& state) {
    state.SetLabel(kPages[state.range(0)]);
    state.SetBytesProcessed(state.iterations() * QFile(pageOf(state)).size());
    state.counters["peak_MiB"] = bench::peakMiB();
}

// Until the page is shown and has taken a keystroke.
void BM_Open(benchmark::State& state) {
    bench::Window w;
    for (auto _ : state) {
        if (!w.window.OpenFile(pageOf(state)))
            state.SkipWithError(w.prompts.last.toUtf8().constData());
        w.type();
    }
    label(state);
}

// The file read in the reader's pieces, checked as UTF-8, and decoded to
// UTF-8 when it is not: what any program must do to show the text.
void BM_ReadAndDecodeReference(benchmark::State& state) {
    std::string decoded;
    for (auto _ : state) {
        QFile file(pageOf(state));
        file.open(QIODevice::ReadOnly);
        core::Utf8Validator utf8;
        QByteArray chunk;
        while (!(chunk = file.read(1 << 20)).isEmpty())
            utf8.feed(std::string_view(chunk.constData(), static_cast<size_t>(chunk.size())));
        if (!utf8.finish()) {
            file.seek(0);
            while (!(chunk = file.read(1 << 20)).isEmpty()) {
                decoded.clear();
                for (const char c : chunk)
                    core::appendUtf8(decoded,
                                     core::windows1252ToUnicode(static_cast<std::uint8_t>(c)));
                benchmark::DoNotOptimize(decoded.data());
            }
        }
    }
    label(state);
}

void BM_Save(benchmark::State& state) {
    bench::Window w;
    QTemporaryDir dir;
    w.window.OpenFile(pageOf(state));
    const QString out = dir.filePath(QStringLiteral("out.html"));
    for (auto _ : state) {
        if (!w.window.SaveFile(out))
            state.SkipWithError("save failed");
    }
    label(state);
}

// The same bytes written to a new file beside the target, synced to the disk
// and renamed over it: the least a durable save does.
void BM_DurableWriteReference(benchmark::State& state) {
    QFile in(pageOf(state));
    in.open(QIODevice::ReadOnly);
    const QByteArray bytes = in.readAll();
    QTemporaryDir dir;
    const QByteArray temp = QFile::encodeName(dir.filePath(QStringLiteral("out.tmp")));
    const QByteArray target = QFile::encodeName(dir.filePath(QStringLiteral("out.html")));
    for (auto _ : state) {
        const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        for (qsizetype done = 0; done < bytes.size();)
            done += ::write(fd, bytes.constData() + done,
                            static_cast<size_t>(std::min<qsizetype>(bytes.size() - done, 1 << 20)));
        ::fsync(fd);
        ::close(fd);
        ::rename(temp.constData(), target.constData());
    }
    label(state);
}

void BM_SelectAllAndCopy(benchmark::State& state) {
    bench::Window w;
    w.window.OpenFile(pageOf(state));
    for (auto _ : state) {
        w.window.findChild<QAction*>(QStringLiteral("mnuSelectAll"))->trigger();
        w.window.findChild<QAction*>(QStringLiteral("mnuCopy"))->trigger();
        state.PauseTiming();
        w.coding().SendScintilla(QsciScintilla::SCI_SETEMPTYSELECTION, 0UL);
        state.ResumeTiming();
    }
    label(state);
}

// One copy of the text's bytes into fresh memory.
void BM_MemoryCopyReference(benchmark::State& state) {
    QFile in(pageOf(state));
    in.open(QIODevice::ReadOnly);
    const QByteArray bytes = in.readAll();
    for (auto _ : state) {
        std::vector<char> copy(static_cast<size_t>(bytes.size()));
        std::memcpy(copy.data(), bytes.constData(), copy.size());
        benchmark::DoNotOptimize(copy.data());
    }
    label(state);
}

} // namespace

// Arguments index kPages.
BENCHMARK(BM_Open)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadAndDecodeReference)
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_Save)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DurableWriteReference)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SelectAllAndCopy)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_MemoryCopyReference)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);
