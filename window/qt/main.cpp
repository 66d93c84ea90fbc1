// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "commandline.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Kelvani"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELVANI_VERSION));
    const CommandLine command = ParseCommandLine(argc, argv);
    if (command.status)
        return *command.status;

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Kelvani"));
    MainWindow::PrepareApplication(*command.texts, command.styleChosen);
    MainWindow window(*command.texts);
    window.show();
    return app.exec();
}
