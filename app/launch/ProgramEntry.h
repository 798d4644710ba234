#pragma once

#include <cstdint>

// What the launcher hands the program it loads from its library.
extern "C" {

struct OstraStart {
    // Takes the early splash picture off the screen, if it shows, and the
    // pages of the picture below out of resident memory (they stay readable).
    void (*endEarlySplash)(void* context);
    void* context;
    // The splash picture the launcher holds: rows of 0xffRRGGBB words,
    // valid for the whole run; null when there is none.
    const std::uint32_t* splashPixels;
    int splashWidth;
    int splashHeight;
};

// The program: the arguments as main has them, and what the launcher did.
using OstraRun = int (*)(int argc, char* argv[], const OstraStart* start);
}

namespace launch {
inline constexpr const char* kProgramLibrary = "libostra-app.so";
inline constexpr const char* kProgramEntry = "ostra_run";
} // namespace launch
