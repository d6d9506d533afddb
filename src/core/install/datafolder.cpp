#include "core/install/datafolder.h"

#include "core/access/passwordstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
const QString settingsKey = QStringLiteral("CartellaArchivi");

QString cleaned(const QString &path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path.trimmed()));
}
}

DataFolder::Resolved DataFolder::resolve(const Clues &clues)
{
    if (!clues.commandLine.trimmed().isEmpty())
        return {Source::CommandLine, cleaned(clues.commandLine)};
    if (!clues.environment.trimmed().isEmpty())
        return {Source::Environment, cleaned(clues.environment)};
    if (clues.portable)
        return {Source::Portable, clues.programFolder};
    if (!clues.remembered.isEmpty() && clues.rememberedExists)
        return {Source::Remembered, clues.remembered};
    return {Source::Ask, clues.remembered};
}

DataFolder::Clues DataFolder::cluesOfThisRun(const QString &commandLineFolder)
{
    Clues clues;
    clues.commandLine = commandLineFolder;
    clues.environment = qEnvironmentVariable(environmentVariable);
    clues.programFolder = QCoreApplication::applicationDirPath();
    clues.portable = isPortable(clues.programFolder);
    clues.remembered = remembered();
    clues.rememberedExists = !clues.remembered.isEmpty() && QFileInfo(clues.remembered).isDir();
    return clues;
}

bool DataFolder::isPortable(const QString &programFolder)
{
    return QFileInfo(QDir(programFolder).filePath(QLatin1String(portableMarker))).isFile();
}

QString DataFolder::personal()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString DataFolder::remembered()
{
    return QSettings().value(settingsKey).toString();
}

bool DataFolder::remember(const QString &folder)
{
    QSettings settings;
    settings.setValue(settingsKey, folder);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

DataFolder::Problem DataFolder::prepare(const QString &folder)
{
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        return Problem::CannotCreate;
    // Permission bits do not tell a read-only share or a full disk: write a file.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".prova-XXXXXX")));
    if (!probe.open() || probe.write("x", 1) != 1 || !probe.flush())
        return Problem::CannotWrite;
    return Problem::None;
}

QString DataFolder::problemText(Problem problem, const QString &folder)
{
    const QString shown = QDir::toNativeSeparators(folder);
    switch (problem) {
    case Problem::None:
        break;
    case Problem::CannotCreate:
        return QStringLiteral("Impossibile creare la cartella degli archivi:\n%1\n\r\n\r"
                              "Scegli un'altra cartella o chiedi a chi amministra il computer.")
                .arg(shown);
    case Problem::CannotWrite:
        return QStringLiteral("Impossibile scrivere nella cartella degli archivi:\n%1\n\r\n\r"
                              "Scegli una cartella in cui hai il permesso di scrivere.")
                .arg(shown);
    }
    return QString();
}

bool DataFolder::provideStore(const QString &folder, const QString &initialStore)
{
    const QString store = QDir(folder).filePath(QLatin1String(PasswordStore::fileName));
    if (QFileInfo::exists(store))
        return true;
    if (!QFile::copy(initialStore, store))
        return false;
    // The shipped copy is read-only when installed; the user's must be writable
    // so that the password can be changed.
    QFile::setPermissions(store, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}
