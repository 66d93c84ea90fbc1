// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// What the programs show of bad input on a terminal (a line typed into the
// console player, a command-line argument), so that nothing typed can drive
// the terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace commandline {

// At most this many characters of bad input are echoed back.
inline constexpr std::size_t kEchoLimit = 40;

// Bad input as it is safe to show: its first limit characters, with
// control characters (C0, DEL and C1), invalid bytes, backslashes and
// quotes written as escapes, and "..." when it was cut.
std::string Echo(std::string_view line, std::size_t limit = kEchoLimit);

} // namespace commandline
