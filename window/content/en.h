// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// Kelvani's texts in English, for those who ask for them (--language en,
// kelvani-en.html). The lands are A, B, C and D, the letters of Euler's own
// solution of the puzzle.
#pragma once

#include "texts.h"

namespace content {

inline constexpr Texts kEnglish = {
    .code = "en",
    .name = "English",
    .lands = {"A", "B", "C", "D"},
    .summary = "Try to cross each of the seven bridges of Königsberg exactly once: "
               "a teaching program about the puzzle from which graph theory grew.",
    .caption = "www.example.org Kelvani",
    .heading = "Kelvani",
    .available = "Available",
    .crossed = "Crossed",
    .remaining = "Remaining",
    .clear = "Clear",
    .statement =
        "The principles Euler used in the problem of the seven bridges of Königsberg are considered to have become the basis from which graph theory arose.\n"
        "Some of Euler's conclusions are:\n"
        "if all vertices of a graph are even (with an even number of edges), the graph can be drawn without lifting the pencil from the paper, starting at any vertex and ending at the same vertex;\n"
        "for a complete traversal, the number of odd vertices of the graph must always be even;\n"
        "a graph with more than two odd vertices cannot be drawn without lifting the pencil. \n"
        "Carry out a project that presents links between topics within Informatics.\n"
        "Project topic: Kelvani.\n"
        "The project is to show a picture of the seven bridges of Königsberg. Each bridge is to have a unique number and to join two lands, each with a unique label.\n"
        "There are 4 lands and 7 bridges.\n"
        "A group of list boxes shows:\n"
        "a bridge that can be crossed;\n"
        "a bridge that has already been crossed;\n"
        "the remaining, distant bridges.\n"
        "On an On-Click event on a line of the first box, that bridge moves to the neighbouring list box and takes no further part until the end.\n"
        "At the very start the user may choose any bridge and the lands it joins. At every following move only the possible bridges not yet crossed from that particular place are available.\n",
    .secondText =
        "The unpleasant thing about being the first to do something \n"
        "the right way is that no one appreciates how hard it \n"
        "was. \n",
    .statementName = "Problem statement",
    .mapName = "Map of the bridges",
    .mapDescription =
        "Four lands: A is the north bank, B is the western island, C is the eastern island, D is the south bank. "
        "Bridges 1 and 4 join A and B; bridges 2 and 3 join B and D; bridge 5 joins A and C; "
        "bridge 6 joins C and D; bridge 7 joins B and C.",
    .helpTitle = "Kelvani Help",
    .helpClose = "Close",
    .help = R"(## How to play

Try to cross each of the seven bridges exactly once.

- **Available** are the bridges you can cross from where you are. Choose a line in this list and you cross that bridge.
- **Crossed** are the bridges you have crossed already, in the order you crossed them. The last line tells where you are now.
- **Remaining** are the other bridges not yet crossed: they do not start from where you are.
- The **Clear** button starts the walk again.

When the list “Available” is empty, there is nowhere to go on from this place.

## What a line means

Each line is a bridge crossed in one direction: the digit is the bridge’s number, the first letter is the land you start from, and the second the land you reach. For example, “5 AC” is bridge 5 from A to C, and “5 CA” is the same bridge the other way. There are four lands: A is the north bank, B is the western island, C is the eastern island, D is the south bank. At the start you may begin on any bridge, in either direction.

## Keyboard

- **Tab** and **Shift+Tab** move the focus between the problem statement, the three lists and the “Clear” button.
- The **arrow keys**, **Home**, **End**, **Page Up**, **Page Down** and the first digit of a line choose a line. In “Available” every line chosen is a bridge crossed.
- **Space** crosses the bridge the focus is on, and presses the “Clear” button.
- **Enter** presses the “Clear” button when it has the focus.
- **F1** opens this help, and **Escape** closes it.

## Why no walk crosses all seven bridges

Count the bridges of each land: A has 3 (bridges 1, 4 and 5), B has 5 (1, 2, 3, 4 and 7), C has 3 (5, 6 and 7), D has 3 (2, 3 and 6). All four numbers are odd.

When a walk passes through a land, it comes in by one bridge and leaves by another, so the bridges of every land along the way are used in pairs. Only the land where the walk starts and the land where it ends can have an odd number of bridges. So a walk that crosses every bridge exactly once is possible only if at most two lands have an odd number of bridges. Here four lands do, and the longest walk crosses six bridges. Leonhard Euler proved this in 1736, and graph theory begins with his solution.

---

Kelvani, version %1. Free software under the MIT licence.

© 2026 The Kelvani developers
)",
};

} // namespace content
