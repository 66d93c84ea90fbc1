// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The one window on Windows: the map, the three lists of the walk, the Clear
// button and the problem statement, in the platform's standard controls at
// the places that form.h gives, in one language. F1 opens a help window
// beside it.
#pragma once

#include "form.h"
#include "formwindow.h"

#include <windows.h>

#include <array>

class MainWindow : private form::View
{
public:
    // The window with the texts of a language (content/languages.h).
    explicit MainWindow(const content::Texts &texts) : texts_(texts), window_(*this, texts.lands) {}

    // Creates the window, which starts the walk afresh before it first
    // shows, and shows it; false when Windows refused.
    bool Create(HINSTANCE instance, int show);

    // The keys the window handles before the control with the focus sees
    // them: Tab and Shift+Tab, Enter on Clear, F1 and Escape. True when the
    // key was one of them and is done with.
    bool HandleKey(const MSG &message);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR i,
                                        DWORD_PTR self);
    bool TakeListMessage(int index, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MapProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls();
    void Place(UINT dpi);
    LRESULT ControlColour(HWND control, HDC dc);
    void DrawButton(const DRAWITEMSTRUCT &item) const;
    void PaintMap(HWND box) const;
    void ListKey(int index, WPARAM key);
    int Caret(int index) const;
    void FillList(int index, const std::vector<std::string> &entries, bool followsEnd) override;
    void SelectEntry(int index, int row) override;
    void ShowHelp();

    HINSTANCE instance_ = nullptr;
    HWND hwnd_ = nullptr;

    // The controls, by the names and indices the walk's lists go by, and all
    // of them in the order of form::kControls.
    std::array<HWND, 2> Text1{};
    std::array<HWND, 4> Label1{};
    std::array<HWND, 4> List1{};
    HWND Picture1 = nullptr;
    HWND Command1 = nullptr;
    std::array<HWND, form::kControls.size()> controls_{};

    // Made once, for the window's density, and deleted with the window.
    std::array<HBRUSH, form::kControls.size()> brushes_{}; // nullptr: the platform's colours
    HBRUSH background_ = nullptr;
    HFONT font_ = nullptr;
    HBITMAP map_ = nullptr; // the map with the lands' letters, for the density
    UINT dpi_ = 96;

    HWND focus_ = nullptr; // the control the focus returns to when the window is active again
    HWND help_ = nullptr;  // the help window, once F1 has opened it

    const content::Texts &texts_;
    form::Window window_;
};
