// Build step: renders the application icon to PNG files, one per size,
// from the program's own drawing code.
//   make_icons <folder> <size>...   writes <folder>/<size>/it.quirendo.Attestari.png
#include "core/install/identity.h"
#include "ui/appicon.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_icons <folder> <size>...\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString sub = QString::number(size);
        const QString path = folder.filePath(sub + u'/' + QLatin1String(Identity::desktopId) + QStringLiteral(".png"));
        if (size <= 0 || !folder.mkpath(sub) || !AppIcon::image(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
