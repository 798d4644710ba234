#pragma once

// What the launcher hands the program it loads from its library.
extern "C" {

struct OstraStart {
    // Takes the early splash picture off the screen; null when none shows.
    void (*endEarlySplash)(void* context);
    void* context;
};

// The program: the arguments as main has them, and what the launcher did.
using OstraRun = int (*)(int argc, char* argv[], const OstraStart* start);
}

namespace launch {
inline constexpr const char* kProgramLibrary = "libostra-app.so";
inline constexpr const char* kProgramEntry = "ostra_run";
} // namespace launch
