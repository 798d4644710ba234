#include "app/launch/SplashPicture.h"

#include <cstdint>

#include <sys/mman.h>
#include <unistd.h>

// The words the build decoded from the splash picture: its width, its
// height, then its rows; on pages of their own (see releaseSplashPicture).
asm(".section .rodata\n"
    ".balign 4096\n"
    ".global ostra_splash_words\n"
    ".hidden ostra_splash_words\n"
    ".type ostra_splash_words, @object\n"
    "ostra_splash_words:\n"
    ".incbin \"" OSTRA_SPLASH_WORDS "\"\n"
    ".size ostra_splash_words, . - ostra_splash_words\n"
    ".previous\n");

extern "C" const std::uint32_t ostra_splash_words[];

namespace launch {

Picture splashPicture() {
    Picture picture;
    picture.width = static_cast<int>(ostra_splash_words[0]);
    picture.height = static_cast<int>(ostra_splash_words[1]);
    picture.pixels = ostra_splash_words + 2;
    return picture;
}

void releaseSplashPicture() {
    const Picture picture = splashPicture();
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<std::uintptr_t>(ostra_splash_words);
    const auto end = reinterpret_cast<std::uintptr_t>(picture.pixels) +
                     std::uintptr_t(picture.width) * std::uintptr_t(picture.height) * 4;
    // Only whole pages of the picture: read-only data of the executable,
    // which the system reads again from the file if it is touched.
    const std::uintptr_t first = (begin + page - 1) / page * page;
    const std::uintptr_t last = end / page * page;
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
}

} // namespace launch
