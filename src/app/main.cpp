#include "app/shell.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The program ends only by its own exit commands: hiding one window to
    // show another must never end it.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt's own texts (the boxes' context menus, standard dialogs) in Italian too.
    QTranslator qtItalian;
    if (qtItalian.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtItalian);

    Shell shell;
    QObject::connect(&shell, &Shell::endRequested, &app, &QCoreApplication::quit);
    shell.start();
    return app.exec();
}
