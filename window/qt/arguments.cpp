// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "arguments.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Qt's own options, which QApplication takes out of the command line itself:
// those that take a value, then those that do not.
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "style", "stylesheet", "display", "geometry", "title", "name", "visual",
    "ncols", "qmljsdebugger"};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "cmap"};

} // namespace

commandline::Outcome ReadCommandLine(int argc, char *argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return commandline::Read({"kelvani", commandline::DescribeWindow, kQtFlags, kQtOptionsWithValue,
                              "\nQt's standard options, such as -platform NAME and -style NAME, work as well.\n"},
                             arguments);
}

bool StyleChosen(const commandline::Outcome &command)
{
    return std::ranges::find(command.hostOptions, "style") != command.hostOptions.end();
}
