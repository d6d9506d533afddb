#include "core/install/shippedfiles.h"

#include "core/install/datafolder.h"
#include "core/storage/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ShippedFiles::folderFor(const QString &programFolder)
{
    if (DataFolder::isPortable(programFolder))
        return programFolder;
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/attestari"));
}

QString ShippedFiles::folder()
{
    return folderFor(QCoreApplication::applicationDirPath());
}

QString ShippedFiles::file(const QString &name)
{
    return QDir(folder()).filePath(name);
}

QString ShippedFiles::guide()
{
    const QString name = QStringLiteral("Guida.pdf");
    const QString shipped = file(name);
    return QFileInfo::exists(shipped) ? shipped : ProgramFolder::file(name);
}
