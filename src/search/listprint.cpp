#include "search/listprint.h"

void printSearchList(QWidget *, const QString &, const QStringList &)
{
    // The printout is built separately.
}
