// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The numbers of kelvani.exe's resources, shared by its resource script and
// its code.
#pragma once

#define KELVANI_ICON 1      // the window's and the program file's icon
#define KELVANI_MAP 101     // the bridge map, 220 x 173
#define KELVANI_MAP_2X 102  // the same at twice the density, 440 x 346
