// Preloaded into the real program (LD_PRELOAD) by the package tests: drives
// its windows as a clerk would, by object name, with real key presses and
// clicks. ATTESTARI_DRIVE lists the steps, in order:
//   cartella  frmCartella is shown: keep the personal folder, OK
//   login     the login window (and not frmCartella): the initial password, OK
//   scheda    from the menu, a new registry card saved as card 1
//   esci      back to the menu, and the menu's exit
// ATTESTARI_DRIVE_SHOT names a folder for pictures of the windows met.
// A failure prints why and ends the process with code 10.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {
[[noreturn]] void fail(const QString &why)
{
    std::fprintf(stderr, "drive: %s\n", qPrintable(why));
    std::fflush(stderr);
    std::_Exit(10);
}

QWidget *visible(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == name)
            return w;
    return nullptr;
}

template <typename T>
T *control(QWidget *window, const char *name)
{
    T *c = window->findChild<T *>(QLatin1String(name));
    if (!c)
        fail(QStringLiteral("%1 has no %2").arg(window->objectName(), QLatin1String(name)));
    return c;
}

void click(QWidget *window, const char *name)
{
    auto *b = control<QAbstractButton>(window, name);
    QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
}

void type(QWidget *window, const char *name, const QString &text)
{
    auto *box = control<QLineEdit>(window, name);
    box->setFocus();
    QTest::keyClicks(box, text);
}

void shoot(QWidget *window)
{
    const QString folder = qEnvironmentVariable("ATTESTARI_DRIVE_SHOT");
    if (!folder.isEmpty())
        window->grab().save(QDir(folder).filePath(window->objectName() + QStringLiteral(".png")));
}

// Waits, with the event loop running, until `name` is the one visible window.
QWidget *await(const QString &name, const QString &mustNotAppear = QString())
{
    QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        if (!mustNotAppear.isEmpty() && visible(mustNotAppear))
            fail(mustNotAppear + QStringLiteral(" was shown"));
        if (QWidget *w = visible(name)) {
            QTest::qWait(100);
            return w;
        }
        QTest::qWait(50);
    }
    fail(name + QStringLiteral(" never appeared"));
}

// The boxes a command opens: their texts, each answered OK.
QStringList answerBoxes(const std::function<void()> &command)
{
    QStringList texts;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&texts] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            texts.append(box->text());
            for (QAbstractButton *b : box->buttons())
                if (b->text() == QLatin1String("OK")) {
                    b->click();
                    return;
                }
            fail(QStringLiteral("a box without OK: ") + box->text());
        }
    });
    timer.start(100);
    command();
    return texts;
}

void step(const QString &name)
{
    if (name == QLatin1String("cartella")) {
        QWidget *w = await(QStringLiteral("frmCartella"));
        shoot(w);
        click(w, "cmdOK");
    } else if (name == QLatin1String("login")) {
        QWidget *w = await(QStringLiteral("frmPassword"), QStringLiteral("frmCartella"));
        shoot(w);
        type(w, "txtPassword", QStringLiteral("bussolaperlina"));
        click(w, "cmdOK");
        await(QStringLiteral("frmAvvio"));
    } else if (name == QLatin1String("scheda")) {
        click(await(QStringLiteral("frmAvvio")), "imgAnagrafica");
        QWidget *w = await(QStringLiteral("frmAnagrafica"));
        type(w, "txtNome", QStringLiteral("Rossi Maria"));
        type(w, "txtSesso", QStringLiteral("f"));
        const QStringList boxes = answerBoxes([w] { click(w, "cmdSalva"); });
        if (boxes != QStringList{QString::fromUtf8("La scheda corrente è stata inserita in archivio.")})
            fail(QStringLiteral("saving said: ") + boxes.join(QStringLiteral(" | ")));
        if (control<QLabel>(w, "lblPosizione")->text().trimmed() != QLatin1String("1"))
            fail(QStringLiteral("the card is not card 1"));
    } else if (name == QLatin1String("esci")) {
        if (QWidget *w = visible(QStringLiteral("frmAnagrafica")))
            click(w, "cmdEsci");
        click(await(QStringLiteral("frmAvvio")), "imgEsci");
    } else {
        fail(QStringLiteral("unknown step ") + name);
    }
}

// Each step in a callback of its own, so that a window closed by one step
// (frmCartella's modal loop) can return before the next begins.
void runFrom(QStringList steps)
{
    if (steps.isEmpty())
        return;
    QTimer::singleShot(0, qApp, [steps]() mutable {
        step(steps.takeFirst());
        runFrom(steps);
    });
}

void drive()
{
    runFrom(qEnvironmentVariable("ATTESTARI_DRIVE").split(u',', Qt::SkipEmptyParts));
    // Whatever hangs ends the run.
    auto *watchdog = new QTimer(qApp);
    watchdog->setSingleShot(true);
    QObject::connect(watchdog, &QTimer::timeout, [] { fail(QStringLiteral("time is up")); });
    watchdog->start(120000);
}
}

Q_COREAPP_STARTUP_FUNCTION(drive)
