// Grabs each check window into /tmp/val_<name>.png for a look at its layout.
// Run with QT_QPA_PLATFORM=offscreen.
#include "validators/frmcarta.h"
#include "validators/frmcodfisc.h"
#include "validators/frmiban.h"
#include "validators/frmpartitaiva.h"

#include <QApplication>
#include <QLineEdit>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
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
        window->grab().save(QStringLiteral("/tmp/val_%1.png").arg(window->objectName()));
        delete window;
    }
    return 0;
}
