// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "walk.h"

#include "entry.h"

namespace walk {

namespace {
// Removes every entry of the given bridge from a list.
void RemoveBridge(ItemList &list, int bridge)
{
    for (int i = list.ListCount() - 1; i >= 0; --i) {
        if (BridgeNumber(list.List(i)) == bridge)
            list.RemoveItem(i);
    }
}
} // namespace

Walk::Walk()
{
    for (std::string_view entry : kCatalogueEntries)
        List1[kCatalogue].AddItem(std::string(entry));
}

void Walk::ResetWalk()
{
    for (int i : {kAvailable, kCrossed, kRemaining})
        List1[i].Clear();
    ItemList &catalogue = List1[kCatalogue];
    for (int k = 0; k < catalogue.ListCount(); ++k)
        List1[kAvailable].AddItem(catalogue.List(k));
}

void Walk::CrossBridge(int index)
{
    // Selecting in Crossed, Remaining or the catalogue only highlights.
    if (index != kAvailable)
        return;
    ItemList &available = List1[kAvailable];
    ItemList &crossed = List1[kCrossed];
    ItemList &remaining = List1[kRemaining];

    const int selected = available.ListIndex();
    if (selected < 0)
        return;
    const std::string entry = available.List(selected);
    crossed.AddItem(entry);
    const int bridge = BridgeNumber(entry);
    available.RemoveItem(selected);

    // The other direction of the same bridge: still in Available on the first
    // crossing after a reset, in Remaining on every later one.
    RemoveBridge(available, bridge);
    RemoveBridge(remaining, bridge);

    // Everything still available waits in Remaining...
    for (int n = available.ListCount(); n > 0; --n) {
        remaining.AddItem(available.List(0));
        available.RemoveItem(0);
    }

    // ...and whatever leads away from the land just reached comes back.
    const std::string land(ToLand(crossed.List(crossed.ListCount() - 1)));
    for (int i = 0; i < remaining.ListCount();) {
        if (FromLand(remaining.List(i)) == land) {
            available.AddItem(remaining.List(i));
            remaining.RemoveItem(i);
        } else {
            ++i;
        }
    }
}

} // namespace walk
