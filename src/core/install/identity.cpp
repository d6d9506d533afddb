#include "core/install/identity.h"

#include <QCoreApplication>

QString Identity::version()
{
    return QStringLiteral(ATTESTARI_VERSION);
}

void Identity::apply()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quirendo"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("quirendo.it"));
    QCoreApplication::setApplicationName(QStringLiteral("Attestari"));
    QCoreApplication::setApplicationVersion(version());
}
