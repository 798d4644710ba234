#include "shell/CommandLine.h"

#include <gtest/gtest.h>

using shell::CommandLine;
using Action = CommandLine::Action;

TEST(CommandLine, TakesOnlyAFirstHelpOrVersionAsAnOptionAndTheRestAsOneFileName) {
    struct Case {
        std::vector<std::string> arguments;
        Action action;
        std::string path;
    };
    const std::vector<Case> cases = {
        {{}, Action::Open, ""},
        {{"--help"}, Action::Help, ""},
        {{"--version", "page.html"}, Action::Version, ""},
        {{"--", "--help"}, Action::Open, "--help"},
        {{"--", "--", "x"}, Action::Open, "-- x"},
        {{"./--help"}, Action::Open, "./--help"},
        {{"My", "Pages/a.html"}, Action::Open, "My Pages/a.html"},
        {{"a.html", "--help"}, Action::Open, "a.html --help"},
        {{"-h"}, Action::Open, "-h"},
        {{"caf\xe9.html"}, Action::Open, "caf\xe9.html"},
    };
    for (const Case& c : cases) {
        const CommandLine line = shell::parseCommandLine(c.arguments);
        EXPECT_EQ(line.action, c.action) << c.path;
        EXPECT_EQ(line.path, c.path);
    }
    EXPECT_EQ(shell::versionText(), "Feldt Ostra 1.1.0\n");
    EXPECT_EQ(shell::usageText().rfind("Usage: ostra [FILE]\n", 0), 0u);
}

TEST(CommandLine, SaysThatADisplayIsMissingOnlyWhereTheChosenPlatformNeedsOne) {
    const std::string neither =
        "Ostra needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set)";
    struct Case {
        shell::DisplayEnvironment environment;
        std::optional<std::string> message;
    };
    const std::vector<Case> cases = {
        {{"", false, false}, neither},
        {{"", true, false}, std::nullopt},
        {{"", false, true}, std::nullopt},
        {{"wayland;xcb", false, false}, neither},
        {{"xcb", false, true}, "Ostra needs a graphical display (DISPLAY is not set)"},
        {{"offscreen", false, false}, std::nullopt},
        {{"wayland;offscreen", false, false}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shell::missingDisplay(c.environment), c.message) << c.environment.platform;
    EXPECT_EQ(shell::platformArgument({"-platform", "offscreen", "a.html"}), "offscreen");
    EXPECT_EQ(shell::platformArgument({"a.html", "--platform", "vnc"}), "vnc");
    EXPECT_EQ(shell::platformArgument({"a.html"}), "");
}

TEST(CommandLine, DrawsOnTheDisplayVariableOnlyWhereQtChoosesX11There) {
    struct Case {
        shell::DisplayEnvironment environment;
        bool x11;
    };
    const std::vector<Case> cases = {
        {{"", true, false}, true},
        {{"xcb", true, true}, true},
        {{"", true, true}, false},
        {{"wayland;xcb", true, true}, false},
        {{"offscreen", true, false}, false},
        {{"xcb", false, false}, false},
        {{"xcb", true, false, true}, false},
        {{"", true, false, false, true}, false},
        {{"xcb", true, false, false, true}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shell::drawsOnDisplayVariable(c.environment), c.x11) << c.environment.platform;
    EXPECT_TRUE(shell::displayArgument({"-display", ":2", "a.html"}));
    EXPECT_FALSE(shell::displayArgument({"a.html"}));
}
