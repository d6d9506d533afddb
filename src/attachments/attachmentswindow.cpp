#include "attachments/attachmentswindow.h"

#include "attachments/attachmentsform.h"
#include "core/storage/cp1252.h"
#include "core/storage/programfolder.h"
#include "core/storage/savefile.h"
#include "core/storage/text.h"
#include "ui/archivewindow.h"
#include "ui/artwork.h"
#include "ui/cp1252validator.h"
#include "ui/dialogs.h"
#include "ui/drawnpicture.h"
#include "ui/formkit.h"
#include "ui/picturebutton.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

namespace {

const QString overwriteQuestion = QStringLiteral(
        "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\n"
        "Si vuole sovrascrivere il file esistente?");
const QString copyFailed = QStringLiteral(
        "Attenzione: non è stato possibile copiare il file nella cartella dei documenti allegati.");
const QString missingFile = QStringLiteral(
        "Attenzione: il file allegato non è presente nella cartella dei documenti allegati.");
const QString unstorableName = QStringLiteral(
        "Attenzione: il nome del file scelto non può essere memorizzato nella scheda. Rinominare il file con al "
        "massimo 250 caratteri, senza simboli speciali, e riprovare.");
const QString explanation = QStringLiteral(
        "Selezionare i file da allegare alla scheda corrente servendosi del pulsante Sfoglia. Quindi fare clic su "
        "Applica e chiudi e poi sul pulsante Salva per salvare le modifiche. Per aprire un file è sufficiente "
        "premere il pulsante Apri.");

constexpr int nameCapacity = 250;
constexpr qint64 copyBlock = 1 << 20;
constexpr qint64 largeFile = 4 << 20;   // copies above this show their progress

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// What follows the last "/" or "\": a stored name never leads out of the folder.
QString bareName(const QString &stored)
{
    const QString name = Text::trimmed(stored);
    const qsizetype cut = qMax(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    return name.mid(cut + 1);
}

void paintBanner(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x7A, 0x9C, 0xBD), 1));
    p.setBrush(QColor(0xF4, 0xF8, 0xFC));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    Artwork::paint(p, QRectF(r.left() + 4, r.top() + 4, r.height() - 8, r.height() - 8), Artwork::Icon::PaperClip);
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(10);
    p.setFont(f);
    p.setPen(QColor(0x1F, 0x3F, 0x66));
    p.drawText(r.adjusted(r.height(), 2, -6, -2), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, explanation);
    p.restore();
}

void paintEraser(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(r.center());
    p.rotate(-35);
    const qreal w = r.width() * 0.8, h = r.height() * 0.42;
    p.setPen(QPen(QColor(0x6B, 0x2B, 0x2B), 1));
    p.setBrush(QColor(0xE5, 0x73, 0x73));
    p.drawRoundedRect(QRectF(-w / 2, -h / 2, w * 0.55, h), 2, 2);
    p.setBrush(QColor(0x5C, 0x8D, 0xD6));
    p.drawRoundedRect(QRectF(-w / 2 + w * 0.55, -h / 2, w * 0.45, h), 2, 2);
    p.restore();
}

} // namespace

const FormKit::Button<AttachmentsWindow> AttachmentsWindow::closingButtons[] = {
    {AttachmentsForm::cancel, &AttachmentsWindow::reject},
    {AttachmentsForm::apply, &AttachmentsWindow::apply},
};

AttachmentsWindow::AttachmentsWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    using namespace AttachmentsForm;
    setObjectName(QStringLiteral("frmAllegaCartella"));
    setWindowTitle(QString::fromUtf8(caption));
    setFixedSize(windowWidth, windowHeight);

    new DrawnPicture(QLatin1String(banner.name), rectOf(banner), paintBanner, this);
    m_memory = FormKit::addHiddenLabel(this, memory);

    const QFont nameFont = FormKit::fontOf(fileFont);
    const QFont descFont = FormKit::fontOf(descriptionFont);
    QList<QWidget *> tabOrder;
    for (int i = 0; i < slotCount; ++i) {
        const int top = slotStep * i;
        const QString n = twoDigits(i + 1);
        const auto numbered = [&n](QWidget *w) { w->setObjectName(w->objectName() + n); };
        const auto place = [top](const SurfaceDesign &d) { return rectOf(FormKit::shifted(d, 0, top)); };
        FormKit::addSurface(this, QLatin1String(group.name) + n, place(group), Qt::white, QColor(0xA0, 0xB8, 0xD0),
                            4);

        const auto addCaption = [&](const LabelDesign &design, int number) {
            QLabel *label = FormKit::addLabel(this, FormKit::shifted(design, 0, top));
            label->setObjectName(label->objectName() + twoDigits(number));
            label->setText(label->text().arg(i + 1));
            label->adjustSize();
        };
        addCaption(nameCaption, 2 * i + 1);

        auto *file = new QLineEdit(this);
        file->setObjectName(QLatin1String(fileBox.name) + n);
        file->setGeometry(place(fileBox));
        file->setFont(nameFont);
        file->setReadOnly(true);
        m_files[i] = file;

        auto *rubber = new PictureButton(QLatin1String(eraser.name) + n, paintEraser, this);
        rubber->setGeometry(place(eraser));
        connect(rubber, &QAbstractButton::clicked, file, &QLineEdit::clear);

        QPushButton *sfoglia = FormKit::addButton(this, FormKit::shifted(browseButton, 0, top));
        numbered(sfoglia);
        connect(sfoglia, &QPushButton::clicked, this, [this, i] { browse(i); });

        QPushButton *apri = FormKit::addButton(this, FormKit::shifted(openButton, 0, top));
        numbered(apri);
        apri->setEnabled(false);
        connect(apri, &QPushButton::clicked, this, [this, i] { open(i); });
        m_open[i] = apri;
        connect(file, &QLineEdit::textChanged, apri,
                [apri](const QString &text) { apri->setEnabled(!Text::trimmed(text).isEmpty()); });

        addCaption(descriptionCaption, 2 * i + 2);

        auto *description = new QLineEdit(this);
        description->setObjectName(QLatin1String(descriptionBox.name) + n);
        description->setGeometry(place(descriptionBox));
        description->setFont(descFont);
        description->setMaxLength(nameCapacity);
        description->setValidator(new Cp1252Validator(description));
        description->setStyleSheet(QStringLiteral("QLineEdit { padding: 0px 2px; }"));
        m_descriptions[i] = description;

        tabOrder << file << sfoglia << apri << description;
    }

    for (QPushButton *button : FormKit::addButtons(this, this, closingButtons))
        tabOrder << button;
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QLatin1String(progress.name));
    m_progress->setGeometry(rectOf(progress));
    m_progress->hide();
}

QString AttachmentsWindow::folderPath()
{
    return ProgramFolder::file(QStringLiteral("Documenti_Allegati"));
}

void AttachmentsWindow::setKindTag(const QString &tag)
{
    m_memory->setText(tag);
}

void AttachmentsWindow::setSlots(const QStringList &values)
{
    for (int i = 0; i < 3; ++i) {
        m_files[i]->setText(Text::trimmed(values.value(i)));
        m_descriptions[i]->setText(Text::trimmed(values.value(3 + i)));
    }
}

void AttachmentsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void AttachmentsWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(0xA1, 0xC0, 0xD9));
    p.fillRect(rect(), g);
}

void AttachmentsWindow::reject()
{
    if (!m_copying)
        QDialog::reject();
}

void AttachmentsWindow::browse(int slot)
{
    // The clerk's documents, not the data folder with its archives and password store.
    const QString chosen = dialogs().openFileName(this, QStringLiteral("Selezionare il file da allegare:"),
                                                  QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                                  QStringLiteral("Tutti i file (*.*)"));
    if (chosen.isEmpty())
        return;
    const QString name = QFileInfo(chosen).fileName();
    // A name the record cannot hold whole would point at a file that is not there.
    if (name.isEmpty() || name.size() > nameCapacity || !Cp1252::canEncode(name)) {
        warn(this, unstorableName);
        return;
    }
    m_files[slot]->setText(name);

    const QString folder = folderPath();
    if (!QDir().mkpath(folder)) {
        warn(this, copyFailed);
        return;
    }
    const QString target = QDir(folder).filePath(name);
    const QFileInfo existing(target);
    // The folder's own copy chosen again: nothing to copy.
    if (existing.exists() && existing.canonicalFilePath() == QFileInfo(chosen).canonicalFilePath())
        return;
    if (existing.exists()
        && dialogs().message(this, Dialogs::Kind::Question, overwriteQuestion, Dialogs::Buttons::YesNo)
                   == Dialogs::Answer::No)
        return;
    if (!copyInto(chosen, target))
        warn(this, copyFailed);
}

// Copies block by block into a new file that replaces the old one only when
// whole; a large copy shows its progress and the window keeps painting.
bool AttachmentsWindow::copyInto(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    const qint64 total = source.size();
    const bool showProgress = total > largeFile;
    m_copying = true;
    if (showProgress) {
        m_progress->setRange(0, 1000);
        m_progress->setValue(0);
        m_progress->show();
        for (QPushButton *b : findChildren<QPushButton *>())
            b->setEnabled(false);
    }
    bool ok = true;
    qint64 done = 0;
    QByteArray block;
    while (ok && !source.atEnd()) {
        block = source.read(copyBlock);
        ok = !block.isEmpty() && target.write(block) == block.size();
        done += block.size();
        if (showProgress) {
            m_progress->setValue(int(done * 1000 / qMax<qint64>(1, total)));
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }
    ok = ok && source.error() == QFileDevice::NoError && SaveFile::commit(target);
    if (!ok)
        target.cancelWriting();
    if (showProgress) {
        m_progress->hide();
        for (QPushButton *b : findChildren<QPushButton *>())
            b->setEnabled(true);
        for (int i = 0; i < 3; ++i)
            m_open[i]->setEnabled(!Text::trimmed(m_files[i]->text()).isEmpty());
    }
    m_copying = false;
    return ok;
}

void AttachmentsWindow::open(int slot)
{
    const QString name = bareName(m_files[slot]->text());
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return;
    const QString path = QDir(folderPath()).filePath(name);
    if (!QFileInfo(path).isFile()) {
        warn(this, missingFile);
        return;
    }
    dialogs().openUrl(QUrl::fromLocalFile(path));
}

void AttachmentsWindow::apply()
{
    ArchiveWindow *window = ArchiveWindow::ofKind(m_memory->text());
    if (!window)
        return;
    QStringList values;
    for (QLineEdit *box : m_files)
        values << Text::trimmed(box->text());
    for (QLineEdit *box : m_descriptions)
        values << Text::trimmed(box->text());
    window->setAttachments(values);
    accept();
}

void openAttachments(ArchiveWindow *window)
{
    if (!window)
        return;
    AttachmentsWindow attach(window);
    attach.setKindTag(window->kindTag());
    attach.setSlots(window->attachments());
    dialogs().showModal(&attach);
}
