#include "core/declarations/placeofissue.h"

#include "core/storage/inifile.h"
#include "core/storage/programfolder.h"


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
    return IniFile::read(settingsFile(), section, key).value_or(QString());
}

bool PlaceOfIssue::write(const QString &place)
{
    return IniFile::write(settingsFile(), section, key, place);
}
