# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
"""Reads Kelvani's window through AT-SPI, as a screen reader does, and plays
one crossing by keyboard, one by a click and one by a double-click, checking
after each that the accessible lists changed as they should; opens the help
with F1, reads it, and closes it with Escape; then selects an entry through
AT-SPI, as a screen reader may. Run by check_atspi.sh inside a session that
has a D-Bus bus, the accessibility bus and Kelvani running."""
import subprocess
import sys
import time

import pyatspi

SORTED = ["1 АБ", "1 БА", "2 БГ", "2 ГБ", "3 БГ", "3 ГБ", "4 АБ",
          "4 БА", "5 АВ", "5 ВА", "6 ВГ", "6 ГВ", "7 БВ", "7 ВБ"]


def find_app():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == "kelvani":
                return app
        time.sleep(0.1)
    sys.exit("Kelvani did not appear on the accessibility bus")


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def list_nodes(app):
    return {node.name: node for node in descendants(app)
            if node.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX) and node.name}


def lists(app):
    return {name: [item.name for item in node] for name, node in list_nodes(app).items()}


def wait_for(app, condition, what):
    for _ in range(50):
        shown = lists(app)
        if condition(shown):
            return shown
        time.sleep(0.1)
    sys.exit(f"{what}: the accessible lists read {shown}")


def main():
    app = find_app()
    shown = wait_for(app, lambda s: len(s.get("Достъпни", [])) == 14, "at start")
    assert shown == {"Достъпни": SORTED, "Преминати": [], "Оставащи": []}, shown
    # Bulgarian, though the session's locale is English: Kelvani speaks its
    # own language unless asked for another.
    names = {node.name: node for node in descendants(app) if node.name}
    assert names["Чисти"].getRole() == pyatspi.ROLE_PUSH_BUTTON
    assert names["Условие на задачата"].getRole() == pyatspi.ROLE_TEXT
    assert names["Kelvani"].getRole() == pyatspi.ROLE_HEADING, names["Kelvani"].getRoleName()
    assert names["Карта на мостовете"].getRole() != pyatspi.ROLE_TEXT
    description = names["Карта на мостовете"].description
    assert description == ("Четири земи: А е северният бряг, Б е западният остров, В е източният остров, "
                           "Г е южният бряг. Мостове 1 и 4 свързват А и Б. Мостове 2 и 3 свързват Б и Г. "
                           "Мост 5 свързва А и В. Мост 6 свързва В и Г. Мост 7 свързва Б и В."), description

    # Keyboard: give the window the input focus (there is no window manager
    # to do it), Tab from the statement to Available, where focus rests on
    # the first entry, and Space crosses it.
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "Kelvani"],
                            check=True, capture_output=True, text=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    subprocess.run(["xdotool", "key", "--delay", "100", "Tab", "space"], check=True)
    shown = wait_for(app, lambda s: s["Преминати"] == ["1 АБ"], "after Tab and Space")
    assert shown["Достъпни"] == ["2 БГ", "3 БГ", "4 БА", "7 БВ"], shown
    # The focus rests on the first entry now open, for the screen reader to say.
    first = list_nodes(app)["Достъпни"][0]
    assert first.name == "2 БГ" and first.getState().contains(pyatspi.STATE_FOCUSED), first.name

    # Mouse: a click on the first row of Available crosses "2 БГ".
    extents = list_nodes(app)["Достъпни"].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(extents.x + 20), str(extents.y + 10), "click", "1"], check=True)
    shown = wait_for(app, lambda s: s["Преминати"] == ["1 АБ", "2 БГ"], "after a click")
    assert shown["Достъпни"] == ["3 ГБ", "6 ГВ"], shown

    # A real double-click on "3 ГБ" crosses it, and not also "4 БА", which
    # the crossing moves under the pointer before the second press.
    subprocess.run(["xdotool", "click", "--repeat", "2", "--delay", "80", "1"], check=True)
    wait_for(app, lambda s: len(s["Преминати"]) >= 3, "after a double-click")
    time.sleep(0.5)
    shown = lists(app)
    assert shown["Преминати"] == ["1 АБ", "2 БГ", "3 ГБ"], shown

    # F1 opens the help, which a screen reader can read; Escape closes it.
    subprocess.run(["xdotool", "key", "F1"], check=True)
    for _ in range(50):
        help_text = [node for node in descendants(app) if node.name == "Помощ за Kelvani"
                     and node.getRole() != pyatspi.ROLE_DIALOG]
        if help_text:
            break
        time.sleep(0.1)
    else:
        sys.exit("F1 opened no help that AT-SPI can see")
    text = help_text[0].queryText().getText(0, -1)
    for part in ["Достъпни", "„5 АВ“", "F1", "Ойлер", "1736", "версия 1.00", "MIT"]:
        assert part in text, part
    subprocess.run(["xdotool", "key", "Escape"], check=True)
    for _ in range(50):
        if not help_text[0].getState().contains(pyatspi.STATE_SHOWING):
            break
        time.sleep(0.1)
    else:
        sys.exit("Escape did not close the help")
    assert lists(app) == shown, lists(app)

    # A screen reader may select an entry itself, through the list's table:
    # that entry is crossed, not "4 БА", on which the focus rests.
    assert shown["Достъпни"] == ["4 БА", "7 БВ"], shown
    list_nodes(app)["Достъпни"].queryTable().addRowSelection(1)
    shown = wait_for(app, lambda s: len(s["Преминати"]) == 4, "after a selection through AT-SPI")
    assert shown["Преминати"] == ["1 АБ", "2 БГ", "3 ГБ", "7 БВ"], shown
    print("AT-SPI shows the named lists, their items, four crossings, and the help")


main()
