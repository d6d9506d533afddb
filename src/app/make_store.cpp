// Build step: writes the initial password store beside the program, unless
// one is already there.
#include "core/access/passwordstore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_store <store path> <initial password>\n");
        return 2;
    }
    if (!PasswordStore::install(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
