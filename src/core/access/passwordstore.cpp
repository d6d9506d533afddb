#include "core/access/passwordstore.h"

#include "core/access/scramble.h"
#include "core/storage/cp1252.h"
#include "core/storage/inifile.h"
#include "core/storage/programfolder.h"
#include "core/storage/text.h"

#include <QFileInfo>

namespace {
const QString section = QStringLiteral("Accesso");
const QString key = QStringLiteral("Valore");

QByteArray trimmedBytes(QByteArray bytes)
{
    qsizetype b = 0, e = bytes.size();
    while (b < e && quint8(bytes[b]) <= 32) ++b;
    while (e > b && quint8(bytes[e - 1]) <= 32) --e;
    return bytes.mid(b, e - b);
}

bool writeTo(const QString &path, const QByteArray &canonicalPassword)
{
    return IniFile::write(path, section, key, Scrambler::scramble(canonicalPassword));
}
}

QByteArray PasswordStore::canonical(QStringView typed)
{
    return Cp1252::encode(Text::upperAz(Text::trimmed(typed)));
}

std::optional<QByteArray> PasswordStore::read()
{
    const auto value = IniFile::read(ProgramFolder::file(QString::fromLatin1(fileName)), section, key);
    if (!value)
        return std::nullopt;
    const auto plain = Scrambler::unscramble(*value);
    if (!plain)
        return std::nullopt;
    return trimmedBytes(*plain);
}

bool PasswordStore::write(const QByteArray &canonicalPassword)
{
    return writeTo(ProgramFolder::file(QString::fromLatin1(fileName)), canonicalPassword);
}

bool PasswordStore::install(const QString &path, QStringView initialPassword)
{
    if (QFileInfo::exists(path))
        return true;
    return writeTo(path, canonical(initialPassword));
}
