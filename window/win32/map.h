// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The bridge map on Windows: the one picture of the lands and bridges that
// the program file holds (MAP, a bitmap, and MAP_2X at twice the density,
// as PNG), with a language's land letters written on it where form.h
// places them.
#pragma once

#include "content/texts.h"

#include <windows.h>

// The map with the lands' letters, at scale 1 or 2 (the picture's pixels to
// a pixel at 96 dpi), as a 32-bit bitmap; nullptr when it cannot be read.
// module holds the picture (the program, or the program loaded as data);
// at scale 2 it starts COM on the calling thread, if not started yet.
HBITMAP MapPicture(HMODULE module, const content::Lands &lands, int scale);
