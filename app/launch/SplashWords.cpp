// Build tool: writes the splash picture as the toolkit decodes it, as native
// 32-bit words: its width, its height, then its rows of 0xffRRGGBB pixels.
// Usage: splash-words PICTURE OUTPUT
#include "shell/SplashSize.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>

#include <cstdint>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: splash-words PICTURE OUTPUT\n");
        return 2;
    }
    const QImage picture =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (picture.isNull()) {
        std::fprintf(stderr, "splash-words: cannot read %s\n", argv[1]);
        return 1;
    }
    // The splash window has this size: the launcher's copy must too.
    if (picture.size() != QSize(shell::kSplashWidth, shell::kSplashHeight)) {
        std::fprintf(stderr, "splash-words: %s is %dx%d, not %dx%d\n", argv[1], picture.width(),
                     picture.height(), shell::kSplashWidth, shell::kSplashHeight);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    const std::uint32_t size[2] = {std::uint32_t(picture.width()), std::uint32_t(picture.height())};
    bool written = out.open(QIODevice::WriteOnly) &&
                   out.write(reinterpret_cast<const char*>(size), sizeof size) == sizeof size;
    for (int y = 0; written && y < picture.height(); ++y) {
        const qint64 row = qint64(picture.width()) * 4;
        written = out.write(reinterpret_cast<const char*>(picture.constScanLine(y)), row) == row;
    }
    if (!written || !out.flush()) {
        std::fprintf(stderr, "splash-words: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
