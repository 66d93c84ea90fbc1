#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvani"));
    QApplication::setApplicationVersion(QStringLiteral(KELVANI_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Kelvani"));
    // Fusion draws every control in the colours the window gives it.
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The window sets its font too; making it the application's spares
    // loading the default font for what the text boxes build before that.
    QApplication::setFont(MainWindow::ControlFont());
    MainWindow window;
    window.show();
    return app.exec();
}
