#include "app/shell.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The program ends only by its own exit commands: hiding one window to
    // show another must never end it.
    QApplication::setQuitOnLastWindowClosed(false);
    Shell shell;
    QObject::connect(&shell, &Shell::endRequested, &app, &QCoreApplication::quit);
    shell.start();
    return app.exec();
}
