#include "access/passwordstore.h"

#include "access/scramble.h"
#include "storage/cp1252.h"
#include "storage/programfolder.h"
#include "storage/recordlayout.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString key = QStringLiteral("Accesso/Valore");

QByteArray trimmedBytes(QByteArray bytes)
{
    qsizetype b = 0, e = bytes.size();
    while (b < e && quint8(bytes[b]) <= 32) ++b;
    while (e > b && quint8(bytes[e - 1]) <= 32) --e;
    return bytes.mid(b, e - b);
}

bool writeTo(const QString &path, const QByteArray &canonicalPassword)
{
    QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return false;
    QSettings store(path, QSettings::IniFormat);
    store.setValue(key, Scrambler::scramble(canonicalPassword));
    store.sync();
    return store.status() == QSettings::NoError;
}
}

QByteArray PasswordStore::canonical(QStringView typed)
{
    return Cp1252::encode(Text::upperAz(Text::trimmed(typed)));
}

std::optional<QByteArray> PasswordStore::read()
{
    const QString path = ProgramFolder::file(QString::fromLatin1(fileName));
    QFileInfo info(path);
    if (!info.exists())
        return QByteArray();
    if (!info.isFile() || !info.isReadable())
        return std::nullopt;
    QSettings store(path, QSettings::IniFormat);
    if (store.status() != QSettings::NoError)
        return std::nullopt;
    const auto plain = Scrambler::unscramble(store.value(key).toString());
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
