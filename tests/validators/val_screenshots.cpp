// Grabs each check window, and the fiscal-code verdicts with their longest
// lines, into <folder>/val_<name>.png for a look at their layout (folder:
// the first argument, /tmp when none). Run with QT_QPA_PLATFORM=offscreen.
#include "validators/frmcarta.h"
#include "validators/frmcodfisc.h"
#include "validators/frmiban.h"
#include "validators/frmpartitaiva.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// Presses "Controlla" and grabs the message box it opens, then closes it.
void grabVerdict(FrmCodFisc &window, const QString &file)
{
    QTimer::singleShot(200, [file] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            box->grab().save(file);
            box->close();
        }
    });
    window.findChild<QPushButton *>(QStringLiteral("btnControlla"))->click();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    QDir().mkpath(folder);
    const auto file = [&folder](const QString &name) { return folder + QStringLiteral("/val_%1.png").arg(name); };

    const std::pair<CheckWindow *, QString> windows[] = {
        {new FrmCodFisc, QStringLiteral("RSSMRA85T10A562S")},
        {new FrmPartitaIva, QStringLiteral("12345670587")},
        {new FrmIban, QStringLiteral("IT60X0542811101000000123456")},
        {new FrmCarta, QStringLiteral("4111 1111 1111 1111 1111 11111")},
    };
    for (const auto &[window, code] : windows) {
        window->setCode(code);
        window->show();
        window->box()->end(false);
        app.processEvents();
        window->grab().save(file(window->objectName()));
        delete window;
    }

    const struct { const char *name; const char *code; BirthDataOnCard card; } verdicts[] = {
        {"valid", "BNCLRA75S43L781O", {}},
        {"both_differ", "RSSMRA75S03L781F", {QStringLiteral("03/11/1976"), QStringLiteral("F")}},
        {"impossible", "RSSMRA75S31L781B", {}},
    };
    for (const auto &verdict : verdicts) {
        FrmCodFisc window;
        window.setCode(QString::fromLatin1(verdict.code));
        window.setCard(verdict.card);
        window.show();
        app.processEvents();
        grabVerdict(window, file(QStringLiteral("frmCodFisc_") + QLatin1String(verdict.name)));
    }
    return 0;
}
