// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// Measures, for bench/run.sh:
//   kelvani-bench kelvani [OPTION...]  Kelvani's window, started as main.cpp
//                           starts it (--language en)
//   kelvani-bench bare      a bare Qt window of the same size with one list box
//   kelvani-bench bare-text the same, its list box holding one entry, so that
//                           it too loads a font and lays out text before it
//                           first paints
// Each prints the milliseconds from KELVANI_T0 (nanoseconds since the epoch,
// taken just before the process was started) to the end of its first paint,
// then quits.
//   kelvani-bench click     prints what one crossing costs, from the user's
//                           selection to the three lists being up to date.

#include "arguments.h"
#include "content/languages.h"
#include "mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

// Reports the first paint of a window once it has been painted and flushed.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                    std::chrono::system_clock::now().time_since_epoch());
                const double ms = (now.count() - qEnvironmentVariable("KELVANI_T0").toLongLong()) / 1e6;
                std::printf("first paint %.1f ms\n", ms);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

int Click()
{
    MainWindow::PrepareApplication(content::Languages()[0]);
    MainWindow window(content::Languages()[0]);
    window.show();
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    qint64 ns = 0;
    int crossings = 0;
    while (crossings < 20000) {
        if (window.List1[0]->count() == 0) {
            window.Command1->click();
            continue;
        }
        timer.start();
        window.List1[0]->setCurrentRow(window.List1[0]->count() - 1); // a selection, as a click makes
        ns += timer.nsecsElapsed();
        ++crossings;
    }
    std::printf("one crossing, from the selection to the three lists updated: %.1f µs (mean of %d)\n",
                ns / 1e3 / crossings, crossings);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QByteArray mode = argc > 1 ? argv[1] : "";
    if (mode == "click")
        return Click();

    FirstPaint probe;
    std::unique_ptr<QWidget> window;
    if (mode == "kelvani") {
        // As main() starts it, with the options after "kelvani" (--language en).
        QApplication::setApplicationName(QStringLiteral("Kelvani"));
        const commandline::Outcome command = ReadCommandLine(argc - 1, argv + 1);
        if (command.action != commandline::Action::Run)
            return command.status;
        MainWindow::PrepareApplication(*command.texts, StyleChosen(command));
        window = std::make_unique<MainWindow>(*command.texts);
    } else if (mode == "bare" || mode == "bare-text") {
        window = std::make_unique<QWidget>();
        window->setFixedSize(481, 424);
        auto *list = new QListWidget(window.get());
        list->setGeometry(16, 160, 81, 118);
        if (mode == "bare-text")
            list->addItem(QStringLiteral("1 АБ"));
    } else {
        std::fprintf(stderr, "usage: kelvani-bench kelvani|bare|bare-text|click\n");
        return 2;
    }
    window->installEventFilter(&probe);
    window->show();
    return app.exec();
}
