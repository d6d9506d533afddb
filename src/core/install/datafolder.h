#pragma once
#include <QString>

// Where the program keeps what it writes: the archives, the settings, the
// password store, the attached documents and the exports. The first of these
// that applies wins: a folder named on the command line, the ATTESTARI_FOLDER
// environment variable, the program's own folder when the portable marker lies
// beside it, the folder chosen at an earlier start; otherwise the user is asked.
namespace DataFolder {
inline constexpr const char *portableMarker = "attestari.portable";
inline constexpr const char *environmentVariable = "ATTESTARI_FOLDER";

enum class Source { CommandLine, Environment, Portable, Remembered, Ask };

struct Clues
{
    QString commandLine;
    QString environment;
    QString programFolder;
    bool portable = false;          // the marker lies in programFolder
    QString remembered;
    bool rememberedExists = false;  // a share that is not mounted is asked for again
};

struct Resolved
{
    Source source = Source::Ask;
    QString path;   // for Ask: the remembered folder, to offer again, or empty
};

Resolved resolve(const Clues &clues);

// The clues of this run: the environment, the executable's folder, the per-user settings.
Clues cluesOfThisRun(const QString &commandLineFolder);

bool isPortable(const QString &programFolder);

// The per-user data folder offered first at the first start.
QString personal();

// The choice kept in the per-user settings (not in the data folder).
QString remembered();
bool remember(const QString &folder);

enum class Problem { None, CannotCreate, CannotWrite };

// Creates the folder when missing and checks that a file can be written in it.
Problem prepare(const QString &folder);

// The message that tells the user why the folder cannot be used.
QString problemText(Problem problem, const QString &folder);

// Gives a data folder without a password store a copy of the initial one; an
// existing store is never touched. True when the folder has a store afterwards.
bool provideStore(const QString &folder, const QString &initialStore);
}
