#include "core/install/commandline.h"

#include "core/install/datafolder.h"
#include "core/install/identity.h"

#include <QCommandLineParser>

CommandLine::Options CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption folder(QStringList{QStringLiteral("f"), QStringLiteral("folder")},
                                    QString(), QStringLiteral("cartella"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({folder, help, version});

    Options options;
    const bool parsed = parser.parse(arguments);
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        options.error = unknown.isEmpty()
                                ? QStringLiteral("l'opzione --folder vuole il nome di una cartella.")
                                : QStringLiteral("opzione sconosciuta: %1").arg(unknown.first());
    } else if (!parser.positionalArguments().isEmpty()) {
        options.error = QStringLiteral("argomento inatteso: %1").arg(parser.positionalArguments().first());
    } else if (parser.isSet(folder)) {
        options.folder = parser.value(folder);
        if (options.folder.trimmed().isEmpty())
            options.error = QStringLiteral("l'opzione --folder vuole il nome di una cartella.");
    }
    return options;
}

QString CommandLine::helpText()
{
    return QStringLiteral(
                   "Uso: attestari [opzioni]\n"
                   "Archivio anagrafico e dichiarazioni sostitutive (D.P.R. 445/2000).\n"
                   "\n"
                   "Opzioni:\n"
                   "  -f, --folder <cartella>  tiene gli archivi in questa cartella\n"
                   "  -h, --help               mostra questo aiuto ed esce\n"
                   "  -v, --version            mostra la versione ed esce\n"
                   "\n"
                   "La cartella degli archivi è, nell'ordine: quella data con --folder; quella\n"
                   "della variabile d'ambiente %1; la cartella del programma, se accanto\n"
                   "al programma c'è il file %2; quella scelta a un avvio precedente;\n"
                   "altrimenti il programma chiede dove tenerli.\n")
            .arg(QLatin1String(DataFolder::environmentVariable), QLatin1String(DataFolder::portableMarker));
}

QString CommandLine::versionText()
{
    return QStringLiteral("Attestari %1\n").arg(Identity::version());
}
