// The one window: the map, the three lists of the walk, the Clear button and
// the problem statement, at fixed places.
#pragma once

#include "walk.h"

#include <QWidget>

#include <array>

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
    // style, which paints every control in the colours the window gives it,
    // and the window's font as the default, which spares loading another
    // font for what the text boxes build before the window's font reaches
    // them.
    static void PrepareApplication();

    // The controls, by the names and indices the walk's lists go by:
    // List1[i] shows the walk's list i (see walk::ListRole).
    std::array<QPlainTextEdit *, 2> Text1{};
    std::array<QLabel *, 4> Label1{};
    std::array<QListWidget *, 4> List1{};
    QWidget *Picture1 = nullptr;
    QPushButton *Command1 = nullptr;

    const walk::Walk &Walk() const { return walk_; }

private:
    // Times New Roman, 12 point: the font of every control.
    static QFont ControlFont();

    void Command1_Click();
    void List1_Click(int index);
    void ResetWalk();
    void ShowWalk();

    walk::Walk walk_;
};
