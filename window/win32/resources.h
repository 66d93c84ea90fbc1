// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The numbers of kelvani.exe's resources, shared by its resource script and
// its code. Each language's bridge map goes by name: MAP_BG (220 x 173) and
// MAP_BG_2X (the same at twice the density, 440 x 346), MAP_EN, ...
#pragma once

#define KELVANI_ICON 1      // the window's and the program file's icon
