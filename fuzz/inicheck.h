#pragma once
// The INI reader and writer over arbitrary file contents: the file read from
// disk gives what the bytes give, and setting one value reads back as set and
// keeps every other line of the file as it was.
#include "fuzzcheck.h"

#include "core/storage/inifile.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

namespace Fuzz {
// In memory where the system offers it: each run replaces files, and a
// replaced file is synced to disk.
inline QString scratchFolder()
{
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                        ? QStringLiteral("/dev/shm/attestari-fuzz-XXXXXX")
                                        : QDir::tempPath() + QStringLiteral("/attestari-fuzz-XXXXXX"));
    FUZZ_REQUIRE(folder.isValid());
    return folder.path();
}

inline void writeFile(const QString &path, QByteArrayView content)
{
    QFile file(path);
    FUZZ_REQUIRE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_REQUIRE(file.write(content.data(), content.size()) == content.size());
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    FUZZ_REQUIRE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// Lines as an editor shows them: LF ends a line, a CR before it belongs to it.
inline QList<QByteArray> lines(const QByteArray &content)
{
    QList<QByteArray> out = content.split('\n');
    for (QByteArray &l : out)
        if (l.endsWith('\r'))
            l.chop(1);
    if (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

// Sets section/key to value over a file of the given content; `expected` is
// the value as it must read back.
inline void checkIniWrite(const QString &path, QByteArrayView content, const QString &section,
                          const QString &key, const QString &value, const QString &expected)
{
    writeFile(path, content);
    const auto fromDisk = IniFile::read(path, section, key);
    FUZZ_REQUIRE(fromDisk && *fromDisk == IniFile::valueIn(content, section, key));
    const QString otherKey = QStringLiteral("Altro");
    const QString otherBefore = IniFile::valueIn(content, section, otherKey);
    const QString elsewhereBefore = IniFile::valueIn(content, QStringLiteral("Varie"), key);

    FUZZ_REQUIRE(IniFile::write(path, section, key, value));
    const auto back = IniFile::read(path, section, key);
    FUZZ_REQUIRE(back && *back == expected);
    const QByteArray after = readFile(path);
    if (otherKey.compare(key, Qt::CaseInsensitive) != 0)
        FUZZ_REQUIRE(IniFile::valueIn(after, section, otherKey) == otherBefore);
    if (section.compare(QLatin1String("Varie"), Qt::CaseInsensitive) != 0)
        FUZZ_REQUIRE(IniFile::valueIn(after, QStringLiteral("Varie"), key) == elsewhereBefore);

    // Every line but the one set (and a new section header) is kept.
    const QList<QByteArray> old = lines(content.toByteArray());
    QList<QByteArray> now = lines(after);
    FUZZ_REQUIRE(after.isEmpty() || after.endsWith("\r\n"));
    FUZZ_REQUIRE(now.size() >= old.size() && now.size() <= old.size() + 3);
    if (now.size() == old.size()) {
        qsizetype differing = 0;
        for (qsizetype i = 0; i < old.size(); ++i)
            differing += now[i] == old[i] ? 0 : 1;
        FUZZ_REQUIRE(differing <= 1);
    } else if (now.size() == old.size() + 1) {
        bool found = false;
        for (qsizetype i = 0; i < now.size() && !found; ++i) {
            QList<QByteArray> without = now;
            without.removeAt(i);
            found = without == old;
        }
        FUZZ_REQUIRE(found);
    } else {
        now.resize(now.size() - 2);   // the new header and its line
        if (now.size() > old.size())
            FUZZ_REQUIRE(now.takeLast().isEmpty());
        FUZZ_REQUIRE(now == old);
    }
}
}
