// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The languages Kelvani speaks, each one table of texts made from its
// translation in po/. The first is the program's own, Bulgarian, which it
// speaks unless asked for another, whatever the system's locale; the others
// follow in the order of po/LINGUAS.
#pragma once

#include "texts.h"

#include <span>
#include <string>
#include <string_view>

namespace content {

std::span<const Texts> Languages();

// The language with this code ("en", or as tags go, "EN"), or nullptr when
// there is none: the whole code, never a part of it.
const Texts *FindLanguage(std::string_view code);

// The known languages, for errors: "bg (Български), de (Deutsch), ... or uk (Українська)".
std::string KnownLanguages();

} // namespace content
