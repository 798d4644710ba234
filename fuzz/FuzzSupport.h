#pragma once

// What the fuzz targets share. Each target defines the two libFuzzer entry
// points; the same source builds as a libFuzzer executable (OSTRA_FUZZ, clang)
// or, with ReplayMain.cpp, as a plain executable that runs a checked-in corpus.

#include <QByteArray>
#include <QGuiApplication>
#include <QImageReader>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

// A property that does not hold: reported and aborted, so libFuzzer keeps the
// input and the replay fails.
[[noreturn]] inline void fail(const char* file, int line, const char* what) {
    std::fprintf(stderr, "%s:%d: fuzz check failed: %s\n", file, line, what);
    std::abort();
}

#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond))                                                                               \
            ::fuzz::fail(__FILE__, __LINE__, #cond);                                               \
    } while (0)

inline QByteArray bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// One GUI application on the offscreen platform for the whole run: fonts,
// glyphs and images need it. Made once, from LLVMFuzzerInitialize, and never
// destroyed: libFuzzer ends with exit(), and an application destroyed among
// the static objects after main leaves Qt's font caches behind (LeakSanitizer
// reports them).
inline void startGuiApplication() {
    static int argc = 1;
    static char name[] = "ostra-fuzz";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    static const QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

// The application, with decoded pictures held to `megabytes`: a header or an
// embedded picture may claim any size, and a run must stay fast.
inline void startWithSmallPictures(int megabytes) {
    startGuiApplication();
    QImageReader::setAllocationLimit(megabytes);
}

} // namespace fuzz

#include <QFile>
#include <QTemporaryDir>

namespace fuzz {

// A folder for the run's real files, removed when the run ends normally.
inline const QTemporaryDir& scratchDir() {
    static const QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        std::abort();
    }
    return dir;
}

inline void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(f.write(content) == content.size());
}

inline QByteArray readFile(const QString& path) {
    QFile f(path);
    FUZZ_CHECK(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

} // namespace fuzz
