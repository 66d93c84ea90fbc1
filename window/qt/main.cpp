// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "commandline.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Kelvani"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELVANI_VERSION));
    bool styleChosen = false;
    if (const auto status = ParseCommandLine(argc, argv, styleChosen))
        return *status;

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Kelvani"));
    MainWindow::PrepareApplication(styleChosen);
    MainWindow window;
    window.show();
    return app.exec();
}
