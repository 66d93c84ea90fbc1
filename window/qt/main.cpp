// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "arguments.h"
#include "mainwindow.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Kelvani"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELVANI_VERSION));
    const commandline::Outcome command = ReadCommandLine(argc, argv);
    if (command.action != commandline::Action::Run) {
        std::fputs(command.message.c_str(), command.action == commandline::Action::Refuse ? stderr : stdout);
        return command.status;
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Kelvani"));
    MainWindow::PrepareApplication(*command.texts, StyleChosen(command));
    MainWindow window(*command.texts);
    window.show();
    return app.exec();
}
