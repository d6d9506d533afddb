#include "app/startup.h"

#include "core/access/passwordstore.h"
#include "core/install/datafolder.h"
#include "core/install/identity.h"
#include "core/install/shippedfiles.h"
#include "core/storage/programfolder.h"
#include "setup/frmcartella.h"
#include "ui/appicon.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QLocale>

void Startup::useItalianDates()
{
#ifdef Q_OS_UNIX
    // LC_ALL would win over LC_TIME: its value goes to LANG, which ranks below.
    if (qEnvironmentVariableIsSet("LC_ALL")) {
        qputenv("LANG", qgetenv("LC_ALL"));
        qunsetenv("LC_ALL");
    }
    qputenv("LC_TIME", "it_IT.UTF-8");
#endif
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void Startup::applyIdentity()
{
    Identity::apply();
    QGuiApplication::setDesktopFileName(QLatin1String(Identity::desktopId));
    QApplication::setWindowIcon(AppIcon::icon());
}

bool Startup::settleDataFolder(const QString &commandLineFolder)
{
    const DataFolder::Resolved resolved = DataFolder::resolve(DataFolder::cluesOfThisRun(commandLineFolder));
    QString folder = resolved.path;
    switch (resolved.source) {
    case DataFolder::Source::CommandLine:
    case DataFolder::Source::Environment:
        if (const auto problem = DataFolder::prepare(folder); problem != DataFolder::Problem::None) {
            notice(nullptr, Dialogs::Kind::Error, DataFolder::problemText(problem, folder));
            return false;
        }
        break;
    case DataFolder::Source::Portable:
    case DataFolder::Source::Remembered:
        break;
    case DataFolder::Source::Ask: {
        FrmCartella window(folder);
        if (dialogs().showModal(&window) != QDialog::Accepted)
            return false;
        folder = window.folder();
        break;
    }
    }
    ProgramFolder::setPath(folder);
    // Without a store the login would refuse every password: the shipped one
    // brings the initial password.
    DataFolder::provideStore(folder, ShippedFiles::file(QLatin1String(PasswordStore::fileName)));
    return true;
}
