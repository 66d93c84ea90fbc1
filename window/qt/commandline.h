// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#pragma once

#include <optional>

// Reads the command line before anything connects to a display, so that
// --help, --version and mistakes are answered on a terminal without one.
// Returns the exit status when the program should stop here; styleChosen
// tells whether the user picked a widget style of their own (-style NAME),
// which MainWindow::PrepareApplication then keeps.
std::optional<int> ParseCommandLine(int argc, char *argv[], bool &styleChosen);
