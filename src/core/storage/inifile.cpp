#include "core/storage/inifile.h"

#include "core/storage/cp1252.h"
#include "core/storage/savefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QByteArray trimmed(QByteArray line)
{
    return line.trimmed();
}

bool sameName(const QByteArray &a, QStringView b)
{
    return Cp1252::decode(a).compare(b, Qt::CaseInsensitive) == 0;
}

// "[name]" gives name; anything else gives nothing.
std::optional<QByteArray> sectionOf(const QByteArray &line)
{
    const QByteArray t = trimmed(line);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']')
        return trimmed(t.mid(1, t.size() - 2));
    return std::nullopt;
}

bool isKey(const QByteArray &line, QStringView key, QByteArray *value = nullptr)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0 || !sameName(trimmed(line.left(eq)), key))
        return false;
    if (value) {
        QByteArray v = trimmed(line.mid(eq + 1));
        // A value written between quotes is read without them.
        if (v.size() >= 2 && ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\'')))
            v = v.mid(1, v.size() - 2);
        *value = v;
    }
    return true;
}

QList<QByteArray> splitLines(const QByteArray &content)
{
    QList<QByteArray> lines = content.split('\n');
    for (QByteArray &l : lines)
        if (l.endsWith('\r'))
            l.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

std::optional<QString> IniFile::read(const QString &path, QStringView section, QStringView key)
{
    QFile file(path);
    if (!QFileInfo::exists(path))
        return QString();
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return valueIn(file.readAll(), section, key);
}

QString IniFile::valueIn(QByteArrayView content, QStringView section, QStringView key)
{
    bool inSection = false;
    for (const QByteArray &line : splitLines(content.toByteArray())) {
        if (const auto name = sectionOf(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        QByteArray value;
        if (inSection && isKey(line, key, &value))
            return Cp1252::decode(value);
    }
    return QString();
}

bool IniFile::write(const QString &path, QStringView section, QStringView key, QStringView value)
{
    QList<QByteArray> lines;
    if (QFileInfo::exists(path)) {
        QFile old(path);
        if (!QFileInfo(path).isFile() || !old.open(QIODevice::ReadOnly))
            return false;
        lines = splitLines(old.readAll());
    }
    // A line break in the value would start a line of its own.
    QString flat = value.toString();
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray entry = Cp1252::encode(key) + '=' + Cp1252::encode(flat);

    qsizetype sectionAt = -1, keyAt = -1, sectionEnd = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionOf(lines[i])) {
            if (sectionAt >= 0) {
                sectionEnd = i;
                break;
            }
            if (sameName(*name, section))
                sectionAt = i;
        } else if (sectionAt >= 0 && keyAt < 0 && isKey(lines[i], key)) {
            keyAt = i;
        }
    }
    if (keyAt >= 0) {
        lines[keyAt] = entry;
    } else if (sectionAt >= 0) {
        // After the section's last non-blank line.
        qsizetype at = sectionEnd;
        while (at > sectionAt + 1 && trimmed(lines[at - 1]).isEmpty())
            --at;
        lines.insert(at, entry);
    } else {
        if (!lines.isEmpty() && !trimmed(lines.last()).isEmpty())
            lines.append(QByteArray());
        lines.append('[' + Cp1252::encode(section) + ']');
        lines.append(entry);
    }

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray &line : lines)
        out.write(line + "\r\n");
    return SaveFile::commit(out);
}
