#include "shell/CommandLine.h"

#include <cstdlib>

namespace shell {

namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The platforms that show windows on a display named by the environment.
bool needsDisplay(std::string_view platform) {
    return startsWith(platform, "xcb") || startsWith(platform, "wayland");
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    auto first = arguments.begin();
    if (first != arguments.end()) {
        if (*first == "--help") {
            line.action = CommandLine::Action::Help;
            return line;
        }
        if (*first == "--version") {
            line.action = CommandLine::Action::Version;
            return line;
        }
        if (*first == "--")
            ++first;
    }
    for (auto it = first; it != arguments.end(); ++it)
        line.path += (it == first ? "" : " ") + *it;
    return line;
}

std::string usageText() {
    return "Usage: ostra [FILE]\n"
           "       ostra -- FILE\n"
           "Edits an HTML, XML, ASP or CSS file; without FILE, a new page.\n"
           "\n"
           "  FILE       the file to open: the whole rest of the line is one name,\n"
           "             spaces included\n"
           "  --         what follows is the file name, even when it begins with '-'\n"
           "  --help     show this text and exit\n"
           "  --version  show the version and exit\n"
           "\n"
           "Qt's own options, such as -platform and -style, are taken as well.\n"
           "See ostra(1).\n";
}

std::string platformArgument(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "-platform" || arguments[i] == "--platform")
            return arguments[i + 1];
    }
    return {};
}

DisplayEnvironment displayEnvironmentOf(const std::vector<std::string>& arguments) {
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    DisplayEnvironment environment;
    environment.platform = platformArgument(arguments);
    if (environment.platform.empty())
        environment.platform = variable("QT_QPA_PLATFORM");
    environment.display = !variable("DISPLAY").empty();
    environment.wayland = !variable("WAYLAND_DISPLAY").empty();
    environment.displayArgument = displayArgument(arguments);
    environment.waylandSession = variable("XDG_SESSION_TYPE") == "wayland";
    return environment;
}

bool displayArgument(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "-display" || arguments[i] == "--display")
            return true;
    }
    return false;
}

bool drawsOnDisplayVariable(const DisplayEnvironment& environment) {
    if (!environment.display || environment.displayArgument)
        return false;
    const std::string_view platform = environment.platform;
    if (platform.empty())
        return !environment.wayland && !environment.waylandSession;
    return startsWith(platform, "xcb") && platform.find(';') == std::string_view::npos;
}

std::optional<std::string> missingDisplay(const DisplayEnvironment& environment) {
    // A list ("wayland;xcb") falls back along it: one entry without a
    // display is enough.
    std::string_view rest = environment.platform;
    bool displayOnly = true;
    while (!rest.empty()) {
        const std::size_t end = rest.find(';');
        displayOnly = displayOnly && needsDisplay(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    if (!displayOnly)
        return std::nullopt;
    const std::string_view platform = environment.platform;
    if (startsWith(platform, "xcb") && platform.find(';') == std::string_view::npos) {
        if (!environment.display)
            return "Ostra needs a graphical display (DISPLAY is not set)";
        return std::nullopt;
    }
    if (!environment.display && !environment.wayland)
        return "Ostra needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set)";
    return std::nullopt;
}

} // namespace shell
