#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// What the arguments after the program's name ask for. Only a first
// argument of --help or --version is an option; anything else is the one
// file to open, its arguments joined by spaces (the shell may have split a
// name). A first "--" is dropped, so `ostra -- --help` opens "--help".
struct CommandLine {
    enum class Action { Open, Help, Version };
    Action action = Action::Open;
    std::string path; // bytes as given; empty: no file
};

CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// What --help and --version print.
std::string usageText();
std::string versionText();

// The environment's say in where windows can show.
struct DisplayEnvironment {
    std::string platform;         // -platform's value, else QT_QPA_PLATFORM
    bool display = false;         // DISPLAY is set
    bool wayland = false;         // WAYLAND_DISPLAY is set
    bool displayArgument = false; // -display NAME names another X server
    bool waylandSession = false;  // XDG_SESSION_TYPE is wayland
};

// The platform Qt is asked for on the command line (-platform NAME or
// --platform NAME), before Qt takes its own arguments away.
std::string platformArgument(const std::vector<std::string>& arguments);

// What the arguments (with Qt's own options still in them) and this
// process's environment say.
DisplayEnvironment displayEnvironmentOf(const std::vector<std::string>& arguments);

// Whether -display NAME (or --display NAME) is on the command line.
bool displayArgument(const std::vector<std::string>& arguments);

// Whether Qt will draw on the X server that DISPLAY names: its xcb platform,
// asked for, or its choice where there is no sign of Wayland (a session of
// that type, which Qt follows, or a compositor's socket).
bool drawsOnDisplayVariable(const DisplayEnvironment& environment);

// Why no window can show, or nothing. Qt aborts on a missing display; a
// platform that needs none (offscreen, vnc...) is left to Qt.
std::optional<std::string> missingDisplay(const DisplayEnvironment& environment);

} // namespace shell
