// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#pragma once

#include "content/texts.h"

#include <optional>

struct CommandLine
{
    // The exit status when the program should stop here (--help, --version,
    // a mistake), or none to open the window.
    std::optional<int> status;
    // Whether the user picked a widget style of their own (-style NAME),
    // which MainWindow::PrepareApplication then keeps.
    bool styleChosen = false;
    // The window's language: Kelvani's own unless --language asks for another.
    const content::Texts *texts = nullptr;
};

// Reads the command line before anything connects to a display, so that
// --help, --version and mistakes are answered on a terminal without one.
CommandLine ParseCommandLine(int argc, char *argv[]);
