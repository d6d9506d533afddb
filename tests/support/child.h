#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>

#include <type_traits>

// The control `name` of a window, found by its object name. A missing one
// fails the test with the control's name and the names the window does have
// of that type, and hands back a stand-in nobody sees, so the test stops on
// its first check instead of crashing the binary.
template <typename T>
T *child(const QObject *window, const char *name)
{
    if (T *found = window->findChild<T *>(QLatin1String(name)))
        return found;
    QStringList present;
    for (const T *other : window->findChildren<T *>())
        if (!other->objectName().isEmpty())
            present.append(other->objectName());
    present.sort();
    const QString why = QStringLiteral("%1 has no %2 named %3; it has: %4")
                                .arg(window->objectName(), QLatin1String(T::staticMetaObject.className()),
                                     QLatin1String(name),
                                     present.isEmpty() ? QStringLiteral("none") : present.join(QStringLiteral(", ")));
    QTest::qFail(qPrintable(why), __FILE__, __LINE__);
    if constexpr (std::is_default_constructible_v<T>) {
        static T *standIn = new T;   // left for the process to reclaim
        return standIn;
    } else {
        qFatal("%s", qPrintable(why));
    }
}
