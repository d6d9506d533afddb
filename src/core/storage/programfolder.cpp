#include "core/storage/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &overridePath()
{
    static QString folder;
    return folder;
}
}

QString ProgramFolder::path()
{
    if (!overridePath().isEmpty())
        return overridePath();
    return QCoreApplication::applicationDirPath();
}

void ProgramFolder::setPath(const QString &folder)
{
    overridePath() = folder;
}

QString ProgramFolder::file(const QString &name)
{
    return QDir(path()).filePath(name);
}
