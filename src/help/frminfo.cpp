#include "help/frminfo.h"

#include "core/help/maker.h"
#include "help/helpartwork.h"
#include "help/linklabel.h"
#include "ui/backdrop.h"
#include "ui/dialogs.h"
#include "ui/drawnpicture.h"
#include "ui/picturebutton.h"

#include <QPushButton>
#include <QScreen>
#include <QUrl>

FrmInfo::FrmInfo(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral(" Informazioni su Quirendo Pro Attestari"));
    const QSize size(473, 579);
    setFixedSize(size);
    QWidget *panel = Backdrop::fill(this, Palette::steelBlue(), size);

    new DrawnPicture(QStringLiteral("imgLogo"), QRect(12, 12, 449, 64),
                     [](QPainter &p, const QRectF &r) {
                         HelpArtwork::banner(p, r, Artwork::Icon::Info, QStringLiteral("Informazioni sul programma"));
                     },
                     panel);
    new DrawnPicture(QStringLiteral("imgCorpo"), QRect(12, 86, 449, 386), HelpArtwork::aboutBody, panel);

    auto *envelope = new PictureButton(QStringLiteral("imgEmail"), Artwork::Icon::Envelope, panel);
    envelope->setGeometry(110, 484, 34, 30);
    auto *link = new LinkLabel(QStringLiteral("lnkWeb"), Maker::email(), panel);
    link->setGeometry(152, 484, 220, 30);
    pairWithLink(envelope, link);
    connect(link, &LinkLabel::clicked, this, &FrmInfo::lnkWebClick);

    auto *close = new QPushButton(QStringLiteral("Chiudi"), panel);
    close->setObjectName(QStringLiteral("btnChiudi"));
    close->setFont(QFont(QStringLiteral("Verdana"), 12));
    close->setGeometry(181, 530, 110, 34);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    close->setFocus();
}

// The link text goes as it is: the mail program reads subject and body from it.
// No mail program: nothing happens and nothing is said.
void FrmInfo::lnkWebClick()
{
    dialogs().openUrl(QUrl(Maker::mailLink()));
}

void FrmInfo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    findChild<QPushButton *>(QStringLiteral("btnChiudi"))->setFocus();
}
