// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The one window: the map, the three lists of the walk, the Clear button and
// the problem statement, at fixed places. F1 opens a help window beside it.
#pragma once

#include "walk.h"

#include <QWidget>

#include <array>

class QDialog;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    // What the application sets before it creates the window: the Fusion
    // style, which paints every control in the colours the window gives it
    // (unless the user chose a style of their own); the window's font as the
    // default, which spares loading another font for what the text boxes
    // build before the window's font reaches them; and Qt's Bulgarian
    // translations, for the strings Qt draws itself (context menus, the
    // help window's button).
    static void PrepareApplication(bool keepStyle = false);

    // A palette with every role set, the light one of the style: the window
    // and the help look the same under any desktop theme, dark ones too.
    static QPalette FixedPalette();

    // The controls, by the names and indices the walk's lists go by:
    // List1[i] shows the walk's list i (see walk::ListRole).
    std::array<QPlainTextEdit *, 2> Text1{};
    std::array<QLabel *, 4> Label1{};
    std::array<QListWidget *, 4> List1{};
    QWidget *Picture1 = nullptr;
    QPushButton *Command1 = nullptr;

    const walk::Walk &Walk() const { return walk_; }

    // The help window, once F1 has opened it; nullptr before.
    QDialog *Help() const { return help_; }

private:
    // Times New Roman, 12 point: the font of every control.
    static QFont ControlFont();

    void Command1_Click();
    void List1_Click(int index);
    void ResetWalk();
    void ShowWalk();
    void ShowHelp();

    walk::Walk walk_;
    QDialog *help_ = nullptr;
};
