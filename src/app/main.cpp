#include "app/shell.h"
#include "app/startup.h"
#include "core/install/commandline.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

namespace {
QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void print(std::FILE *to, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
}
}

int main(int argc, char **argv)
{
    // --help and --version answer before any window system is needed.
    const CommandLine::Options early = CommandLine::parse(argumentsOf(argc, argv));
    if (early.help || early.version) {
        print(stdout, early.help ? CommandLine::helpText() : CommandLine::versionText());
        return 0;
    }

    Startup::useItalianDates();
    QApplication app(argc, argv);
    Startup::applyIdentity();
    // The program ends only by its own exit commands: hiding one window to
    // show another must never end it.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt's own options (-platform and the like) are gone from arguments() now.
    const CommandLine::Options options = CommandLine::parse(QCoreApplication::arguments());
    if (!options.error.isEmpty()) {
        print(stderr, QStringLiteral("attestari: %1\nProva \"attestari --help\".\n").arg(options.error));
        return 2;
    }

    // Qt's own texts (the boxes' context menus, standard dialogs) in Italian too.
    QTranslator qtItalian;
    if (qtItalian.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtItalian);

    if (!Startup::settleDataFolder(options.folder))
        return 0;

    Shell shell;
    QObject::connect(&shell, &Shell::endRequested, &app, &QCoreApplication::quit);
    shell.start();
    return app.exec();
}
