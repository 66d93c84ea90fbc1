// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The numbers of kelvani.exe's resources, shared by its resource script and
// its code. The bridge map goes by name: MAP, a bitmap (220 x 173), and
// MAP_2X, PNG data (the same at twice the density, 440 x 346).
#pragma once

#define KELVANI_ICON 1      // the window's and the program file's icon
