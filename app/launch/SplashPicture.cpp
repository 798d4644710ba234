#include "app/launch/SplashPicture.h"

#include <cstdint>

// The words the build decoded from the splash picture: its width, its
// height, then its rows.
asm(".section .rodata\n"
    ".balign 4\n"
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

} // namespace launch
