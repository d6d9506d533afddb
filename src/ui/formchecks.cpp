#include "ui/formchecks.h"

#include "core/storage/text.h"
#include "ui/dialogs.h"

#include <QLineEdit>

bool FormChecks::run(QWidget *window, std::initializer_list<Check> checks)
{
    for (const Check &check : checks) {
        if (check.passed)
            continue;
        warn(window, check.warning);
        check.box->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

bool FormChecks::filled(const QLineEdit *box)
{
    return !Text::trimmed(box->text()).isEmpty();
}

bool FormChecks::isSex(const QLineEdit *box)
{
    const QString sex = Text::trimmed(box->text());
    return sex == QLatin1String("M") || sex == QLatin1String("F");
}
