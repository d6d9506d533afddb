#include "declarations/placeofissue.h"

#include "storage/programfolder.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString section = QStringLiteral("Autocertificazione");
const QString key = QStringLiteral("Luogo");
}

QString PlaceOfIssue::settingsFile()
{
    return ProgramFolder::file(QStringLiteral("Attestari.ini"));
}

QString PlaceOfIssue::read()
{
    const QString path = settingsFile();
    if (!QFileInfo(path).isFile())
        return QString();
    QSettings ini(path, QSettings::IniFormat);
    const QVariant value = ini.value(section + QLatin1Char('/') + key);
    // A place written by hand with a comma ("Reggio Emilia, RE") reads as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1String(", "));
    return value.toString();
}

bool PlaceOfIssue::write(const QString &place)
{
    const QString path = settingsFile();
    if (QFileInfo(path).isDir())
        return false;
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue(section + QLatin1Char('/') + key, place);
    ini.sync();
    return ini.status() == QSettings::NoError;
}
