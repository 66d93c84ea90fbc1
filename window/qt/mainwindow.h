// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The one window: the map, the three lists of the walk, the Clear button and
// the problem statement, at fixed places, in one language. F1 opens a help
// window beside it.
#pragma once

#include "content/texts.h"
#include "formwindow.h"

#include <QWidget>

#include <array>

class QDialog;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class MainWindow : public QWidget, private form::View
{
    Q_OBJECT

public:
    // The window with the texts of a language (content/languages.h).
    explicit MainWindow(const content::Texts &texts, QWidget *parent = nullptr);

    // What the application sets before it creates the window: the Fusion
    // style, which paints every control in the colours the window gives it
    // (unless the user chose a style of their own); the window's font as the
    // default, which spares loading another font for what the text boxes
    // build before the window's font reaches them; and Qt's translations
    // into the window's language, for the strings Qt draws itself (context
    // menus, the help window's button), where Qt has them; and how screen
    // readers are told of a heading.
    static void PrepareApplication(const content::Texts &texts, bool keepStyle = false);

    // A palette with every role set, the light one of the style: the window
    // and the help look the same under any desktop theme, dark ones too.
    static QPalette FixedPalette();

    // The bridge map with a language's land letters on it, at 1 or 2 times
    // the density of 96 dpi.
    static QImage MapPicture(const content::Lands &lands, int ratio);

    // The controls, by the names and indices the walk's lists go by:
    // List1[i] shows the walk's list i (see walk::ListRole).
    std::array<QPlainTextEdit *, 2> Text1{};
    std::array<QLabel *, 4> Label1{};
    std::array<QListWidget *, 4> List1{};
    QWidget *Picture1 = nullptr;
    QPushButton *Command1 = nullptr;

    const walk::Walk &Walk() const { return window_.Walk(); }

    // The help window, once F1 has opened it; nullptr before.
    QDialog *Help() const { return help_; }

private:
    // Times New Roman, 12 point: the font of every control.
    static QFont ControlFont();

    void FillList(int index, const std::vector<std::string> &entries, bool followsEnd) override;
    void SelectEntry(int index, int row) override;
    void ShowHelp();

    const content::Texts &texts_;
    form::Window window_;
    QDialog *help_ = nullptr;
};
