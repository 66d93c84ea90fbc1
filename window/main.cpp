#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvani"));
    QApplication::setApplicationVersion(QStringLiteral(KELVANI_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Kelvani"));
    MainWindow::PrepareApplication();
    MainWindow window;
    window.show();
    return app.exec();
}
