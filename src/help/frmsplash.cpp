#include "help/frmsplash.h"

#include "core/help/maker.h"
#include "help/helpartwork.h"
#include "help/linklabel.h"
#include "ui/backdrop.h"
#include "ui/dialogs.h"
#include "ui/drawnpicture.h"
#include "ui/picturebutton.h"

#include <QPushButton>
#include <QUrl>

FrmSplash::FrmSplash(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral(" Quirendo Pro Attestari - ") + Maker::notice());
    const QSize size(661, 467);
    setFixedSize(size);
    QWidget *panel = Backdrop::fill(this, QColor(0x35, 0x25, 0x25), size);

    new DrawnPicture(QStringLiteral("imgLogo"), QRect(18, 14, 625, 380), HelpArtwork::makerPicture, panel);

    auto *globe = new PictureButton(QStringLiteral("imgWeb"), HelpArtwork::webIcon, panel);
    globe->setGeometry(20, 416, 32, 32);
    auto *link = new LinkLabel(QStringLiteral("lnkWeb"), Maker::webSite(), panel);
    link->setGeometry(58, 418, 240, 28);
    pairWithLink(globe, link);
    connect(link, &LinkLabel::clicked, this, &FrmSplash::lnkWebClick);

    auto *close = new QPushButton(QStringLiteral("Chiudi"), panel);
    close->setObjectName(QStringLiteral("btnChiudi"));
    close->setGeometry(533, 414, 110, 34);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    close->setFocus();
}

// No browser: nothing happens and nothing is said.
void FrmSplash::lnkWebClick()
{
    dialogs().openUrl(QUrl(Maker::webAddress()));
}

// Centred on the window that opened it, the main menu.
void FrmSplash::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr)
        move(owner->geometry().center() - QPoint(width() / 2, height() / 2));
    findChild<QPushButton *>(QStringLiteral("btnChiudi"))->setFocus();
}
