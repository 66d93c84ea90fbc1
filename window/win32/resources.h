// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The numbers of kelvani.exe's resources, shared by its resource script and
// its code. The bridge map goes by name, as PNG data: MAP (220 x 173) and
// MAP_2X (the same at twice the density, 440 x 346).
#pragma once

#define KELVANI_ICON 1      // the window's and the program file's icon
