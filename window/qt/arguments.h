// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// Kelvani's command line as the Linux window takes it: Kelvani's own
// options (commandline.h), and Qt's, which QApplication then takes itself.
#pragma once

#include "commandline.h"

// Reads the command line before anything connects to a display, so that
// --help, --version and mistakes are answered on a terminal without one.
commandline::Outcome ReadCommandLine(int argc, char *argv[]);

// Whether the user picked a widget style of their own (-style NAME), which
// MainWindow::PrepareApplication then keeps.
bool StyleChosen(const commandline::Outcome &command);
