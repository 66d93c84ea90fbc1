// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The help window that F1 opens: how to play, what an entry means, the keys,
// and why no walk crosses all seven bridges.
#pragma once

#include "content/texts.h"

class QDialog;
class QWidget;

// A window of its own beside the main window, in the window's language;
// Escape or its Close button closes it. It reads nothing of the walk and
// changes nothing in it.
QDialog *CreateHelpWindow(QWidget *parent, const content::Texts &texts);
