// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The command line of Kelvani's programs, the window on Linux and on
// Windows and the console player, read the same way by each:
//   PROGRAM [--language CODE | --language=CODE] [-h | --help] [-v | --version]
// and a host's own options besides (Qt's, which QApplication takes itself).
// Read() says what to do: run in the language asked for (Kelvani's own
// unless asked), or show the help or the version, or refuse; with the text
// to show and the exit status. Whatever of the user's it echoes is escaped
// and cut short (echo.h), so that nothing typed can drive a terminal.
#pragma once

#include "content/languages.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace commandline {

struct Program
{
    std::string_view name; // as the user types it: "kelvani", "kelvani-walk"
    // What the program does, for --help, in the language asked for: the
    // lines after the usage line.
    std::string (*describe)(const content::Texts &texts);
    // The host's own options, which the program accepts and leaves alone
    // (with one dash or two): those that take no value, and those that
    // take one (-style NAME, -style=NAME); and what --help says of them.
    std::span<const std::string_view> flags = {}, valued = {};
    std::string_view more = {};
};

enum class Action { Run, Help, Version, Refuse };

struct Outcome
{
    Action action;
    const content::Texts *texts; // the language asked for; Kelvani's own unless asked
    std::string message;         // for Help and Version, on standard output; for Refuse, one line, on standard error
    int status;                  // the exit status, when the program does not run
    std::vector<std::string> hostOptions; // the names of the host's own options given, without dashes
};

// What the window, on Linux and on Windows, says it does, for --help.
std::string DescribeWindow(const content::Texts &texts);

// Reads the arguments that follow the program's name.
Outcome Read(const Program &program, std::span<const std::string> arguments);

} // namespace commandline
