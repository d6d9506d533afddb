#include "app/mainmenu.h"

#include "core/help/helptopics.h"
#include "core/help/maker.h"
#include "help/helpwindow.h"
#include "help/menuartwork.h"
#include "ui/backdrop.h"
#include "ui/dialogs.h"
#include "ui/drawnpicture.h"
#include "ui/formkit.h"
#include "ui/picturebutton.h"

#include <QCloseEvent>
#include <QUrl>

namespace {

PictureButton *clickable(const QString &name, PictureButton::Painter painter, const QRect &geometry, QWidget *parent)
{
    auto *b = new PictureButton(name, std::move(painter), parent);
    b->setGeometry(geometry);
    return b;
}

PictureButton::Painter icon(Artwork::Icon i)
{
    return [i](QPainter &p, const QRectF &r) { Artwork::paint(p, r, i); };
}

struct Column
{
    MainMenu::Archive archive;
    const char *suffix;
    int x;
    MenuArtwork::Emblem emblem;
    const char *label;
    const char *note;
};

const Column columns[] = {
    {MainMenu::Archive::Registry, "Anagrafica", 0, MenuArtwork::Emblem::Registry, "ARCHIVIO ANAGRAFICO",
     "Crea schede anagrafiche di persone o aziende, i cui dati potranno poi essere importati nelle dichiarazioni."},
    {MainMenu::Archive::SelfCertifications, "Certificazioni", 324, MenuArtwork::Emblem::SelfCertification,
     "ATTESTARI",
     "Compila e stampa su fogli A4 qualsiasi tipo di autocertificazione, per sé o per altri, e la archivia."},
    {MainMenu::Archive::Notoriety, "Atti", 648, MenuArtwork::Emblem::Notoriety, "ATTI DI NOTORIETA'",
     "Gestisce le dichiarazioni sostitutive dell'atto di notorietà e ne mostra l'anteprima prima della stampa."},
};

} // namespace

QString MainMenu::webAddress()
{
    return Maker::webAddress();
}

MainMenu::MainMenu(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmAvvio"));
    setWindowTitle(QStringLiteral(" Quirendo Pro Attestari"));
    resize(1016, 713);

    QWidget *panel = Backdrop::fill(this, Palette::menuBlue(), QSize(995, 692));
    FormKit::addSurface(panel, QStringLiteral("shpSfondo"), QRect(0, 0, 995, 692), Qt::white, QColor(0xCD, 0xDF, 0xEE),
                        0);

    connect(clickable(QStringLiteral("imgInfo"), icon(Artwork::Icon::Info), QRect(14, 14, 30, 30), panel),
            &QAbstractButton::clicked, this, [this] { openInfo(this); });
    connect(clickable(QStringLiteral("imgGuida"), icon(Artwork::Icon::Help), QRect(952, 16, 29, 28), panel),
            &QAbstractButton::clicked, this, [this] { openHelp(this, HelpTopics::general()); });
    connect(clickable(QStringLiteral("imgCopyright"), icon(Artwork::Icon::Copyright), QRect(16, 660, 23, 22), panel),
            &QAbstractButton::clicked, this, [this] { openSplash(this); });

    new DrawnPicture(QStringLiteral("icoNomeApp"), QRect(74, 26, 440, 56), MenuArtwork::familyName, panel);
    new DrawnPicture(QStringLiteral("imgTitolo"), QRect(518, 31, 401, 50), MenuArtwork::productName, panel);
    new DrawnPicture(QStringLiteral("imgSottotitolo"), QRect(17, 88, 961, 22),
                     [](QPainter &p, const QRectF &r) {
                         MenuArtwork::strip(p, r, QStringLiteral(
                             "Software per gestire il proprio archivio anagrafico e la modulistica per le "
                             "dichiarazioni sostitutive di certificazione e di atto di notorietà"));
                     },
                     panel);
    new DrawnPicture(QStringLiteral("linSepara01"), QRect(12, 413, 970, 12), MenuArtwork::separator, panel);
    new DrawnPicture(QStringLiteral("linSepara02"), QRect(12, 464, 970, 12), MenuArtwork::separator, panel);

    for (const Column &c : columns) {
        const QString suffix = QLatin1String(c.suffix);
        const Archive archive = c.archive;
        const auto open = [this, archive] { emit archiveRequested(archive); };
        const MenuArtwork::Emblem emblem = c.emblem;
        const QString label = QString::fromUtf8(c.label), note = QString::fromUtf8(c.note);
        connect(clickable(QStringLiteral("img") + suffix,
                          [emblem](QPainter &p, const QRectF &r) { MenuArtwork::emblem(p, r, emblem); },
                          QRect(27 + c.x, 140, 288, 268), panel),
                &QAbstractButton::clicked, this, open);
        connect(clickable(QStringLiteral("btn") + suffix,
                          [label](QPainter &p, const QRectF &r) { MenuArtwork::labelBar(p, r, label); },
                          QRect(18 + c.x, 428, 308, 30), panel),
                &QAbstractButton::clicked, this, open);
        connect(clickable(QStringLiteral("app") + suffix,
                          [note](QPainter &p, const QRectF &r) { MenuArtwork::note(p, r, note); },
                          QRect(66 + c.x, 481, 215, 127), panel),
                &QAbstractButton::clicked, this, open);
    }

    auto *site = clickable(QStringLiteral("imgSito"),
                           [](QPainter &p, const QRectF &r) {
                               MenuArtwork::strip(p, r, Maker::name() + QStringLiteral("  -  ") + Maker::webSite());
                           },
                           QRect(17, 632, 961, 22), panel);
    connect(site, &QAbstractButton::clicked, this, [this] { dialogs().openUrl(QUrl(webAddress())); });

    auto *exit = clickable(QStringLiteral("imgEsci"), icon(Artwork::Icon::RedCross), QRect(960, 662, 17, 18), panel);
    connect(exit, &QAbstractButton::clicked, this, &MainMenu::exitRequested);
}

void MainMenu::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit exitRequested();
}
