#pragma once
#include <QString>

// Who makes the program and how to reach them: the menu's web strip, the
// information window and the credits window show and open these.
namespace Maker {
inline QString name() { return QStringLiteral("Quirendo Software"); }
inline QString webSite() { return QStringLiteral("www.quirendo.it"); }
inline QString webAddress() { return QStringLiteral("https://www.quirendo.it"); }
inline QString email() { return QStringLiteral("info@quirendo.it"); }
inline QString notice() { return QStringLiteral("Copyright Quirendo Software - Tutti i diritti riservati"); }

// A new message to the maker, subject and first line already written.
inline QString mailLink()
{
    return QStringLiteral("mailto:") + email() + QStringLiteral("?subject=Software Quirendo Pro Attestari")
           + QStringLiteral("&body=Salve, desidererei avere le seguenti informazioni sul software in oggetto:");
}
}
