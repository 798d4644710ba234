#include "app/launch/EarlySplash.h"
#include "app/launch/ProgramEntry.h"
#include "app/launch/SplashPicture.h"
#include "shell/CommandLine.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// The program's start. Loading Qt and the rest of the program takes some
// 40 ms before any of its code runs; this small executable puts the splash
// picture on an X11 screen first, then loads the program from its library
// and hands it the picture to take off once its own splash shows.

namespace {

bool showsSplash(const std::vector<std::string>& arguments) {
    return shell::parseCommandLine(arguments).action == shell::CommandLine::Action::Open &&
           shell::drawsOnDisplayVariable(shell::displayEnvironmentOf(arguments));
}

// Beside the launcher in a build, else in the program's library folder.
std::string programLibrary() {
    std::string folder(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", folder.data(), folder.size() - 1);
    folder.resize(length > 0 ? std::size_t(length) : 0);
    folder.resize(folder.rfind('/') == std::string::npos ? 0 : folder.rfind('/'));
    const std::string beside = folder + "/" + launch::kProgramLibrary;
    if (::access(beside.c_str(), R_OK) == 0)
        return beside;
    return folder + "/../" OSTRA_MODULE_DIR "/" + launch::kProgramLibrary;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    std::unique_ptr<launch::EarlySplash> splash;
    if (showsSplash(arguments))
        splash = launch::EarlySplash::show(launch::splashPicture());

    const std::string library = programLibrary();
    // Never closed: the toolkit's own exit handlers live in what it loads.
    void* program = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    const auto run =
        program ? reinterpret_cast<OstraRun>(::dlsym(program, launch::kProgramEntry)) : nullptr;
    if (!run) {
        std::fprintf(stderr, "Ostra cannot load %s: %s\n", library.c_str(), ::dlerror());
        return 1;
    }
    const launch::Picture picture = launch::splashPicture();
    OstraStart start{};
    start.context = &splash;
    start.endEarlySplash = [](void* context) {
        static_cast<std::unique_ptr<launch::EarlySplash>*>(context)->reset();
        launch::releaseSplashPicture();
    };
    start.splashPixels = picture.pixels;
    start.splashWidth = picture.width;
    start.splashHeight = picture.height;
    return run(argc, argv, &start);
}
