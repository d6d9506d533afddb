#pragma once
#include <QByteArrayView>
#include <QString>
#include <optional>

// The program's two small INI files (the password store and the declaration
// settings) in the form every copy of the program reads and writes: lines of
// Windows-1252 text, "[section]" headers and "key=value" lines, names matched
// without regard to case. Qt's own INI support reads and writes UTF-8 only,
// which would garble an accented place of issue shared with other copies.
namespace IniFile {
// The value, or the empty text when the file, the section or the key is
// missing; nullopt when the file exists but cannot be read.
std::optional<QString> read(const QString &path, QStringView section, QStringView key);

// The value as read() finds it in the bytes of a whole file.
QString valueIn(QByteArrayView content, QStringView section, QStringView key);

// Sets the value, creating the file, the section or the key as needed and
// keeping every other line as it was. The file is replaced whole, so a failed
// write leaves the old one intact. False when it cannot be written.
bool write(const QString &path, QStringView section, QStringView key, QStringView value);
}
