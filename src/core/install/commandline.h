#pragma once
#include <QString>
#include <QStringList>

// The program's few options: --folder, --help, --version; every text Italian.
namespace CommandLine {
struct Options
{
    QString folder;
    bool help = false;
    bool version = false;
    QString error;   // non-empty: the arguments cannot be used
};

// `arguments` as QCoreApplication::arguments() gives them, the program first.
Options parse(const QStringList &arguments);

QString helpText();
QString versionText();
}
