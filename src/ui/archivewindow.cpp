#include "ui/archivewindow.h"

#include "core/storage/recordlayout.h"
#include "core/storage/text.h"
#include "ui/archivemessages.h"
#include "ui/backdrop.h"
#include "ui/dialogs.h"
#include "ui/fittinglabel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

ArchiveWindow::ArchiveWindow(const QString &objectName, const QString &caption, const QString &kindTag,
                             const QString &archive, int recordSize, QWidget *parent)
    : QWidget(parent),
      m_backdrop(new Backdrop(Palette::archiveBlue(), QSize(994, 692), this)),
      m_kindTag(kindTag),
      m_archive(archive),
      m_recordSize(recordSize)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_backdrop);
    resize(1016, 713);
}

ArchiveWindow *ArchiveWindow::ofKind(QStringView tag)
{
    const QString wanted = Text::trimmed(tag);
    if (wanted.isEmpty())
        return nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<ArchiveWindow *>(top); window && window->kindTag() == wanted)
            return window;
    return nullptr;
}

QString ArchiveWindow::controlText(const QString &name) const
{
    auto *box = findChild<QLineEdit *>(name);
    return box ? box->text() : QString();
}

void ArchiveWindow::fillPersonalData(const Record &)
{
}

QWidget *ArchiveWindow::panel() const
{
    return m_backdrop->panel();
}

void ArchiveWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed();
}

QLabel *ArchiveWindow::addPositionLabel(const QRect &geometry, const QFont &font)
{
    m_position = new FittingLabel(panel());
    m_position->setObjectName(QStringLiteral("lblPosizione"));
    m_position->setGeometry(geometry);
    m_position->setFont(font);
    m_position->setAlignment(Qt::AlignCenter);
    m_position->setAttribute(Qt::WA_TransparentForMouseEvents);   // part of its group's background
    return m_position;
}

namespace {
const char *const attachmentLabels[] = {"lblFile01", "lblFile02", "lblFile03",
                                        "lblDesc01", "lblDesc02", "lblDesc03"};
}

void ArchiveWindow::addAttachmentLabels()
{
    for (const char *name : attachmentLabels) {
        auto *label = new QLabel(panel());
        label->setObjectName(QLatin1String(name));
        label->hide();
    }
}

void ArchiveWindow::clearAttachments()
{
    for (const char *name : attachmentLabels)
        if (auto *label = panel()->findChild<QLabel *>(QLatin1String(name)))
            label->clear();
}

QStringList ArchiveWindow::attachments() const
{
    QStringList values;
    for (const char *name : attachmentLabels) {
        auto *label = panel()->findChild<QLabel *>(QLatin1String(name));
        values.append(label ? Text::trimmed(label->text()) : QString());
    }
    return values;
}

void ArchiveWindow::setAttachments(const QStringList &values)
{
    int i = 0;
    for (const char *name : attachmentLabels) {
        if (auto *label = panel()->findChild<QLabel *>(QLatin1String(name)))
            label->setText(Text::trimmed(values.value(i)));
        ++i;
    }
}

qint64 ArchiveWindow::position() const
{
    return Text::trimmed(m_position->text()).toLongLong();
}

void ArchiveWindow::setPosition(qint64 n)
{
    m_position->setText(n > 0 ? QString::number(n) : QString());
}

void ArchiveWindow::browse(RecordBrowsing::Move move)
{
    const auto step = RecordBrowsing::browse(m_archive, m_recordSize, move, position());
    switch (step.outcome) {
    case RecordBrowsing::Step::Show:
        showRecord(step.position, step.record);
        break;
    case RecordBrowsing::Step::EmptyArchive:
        if (move == RecordBrowsing::Move::Next)
            setPosition(0);
        inform(this, ArchiveMessages::emptyArchive());
        break;
    case RecordBrowsing::Step::Unchanged:
        break;
    case RecordBrowsing::Step::Failed:
        failure(this, ArchiveMessages::accessError());
        break;
    }
}

void ArchiveWindow::store(const QByteArray &record, bool plainFailureBox)
{
    const qint64 stored = position();
    const qint64 written = RecordBrowsing::store(m_archive, m_recordSize, stored, record);
    if (written == 0) {
        if (plainFailureBox)
            notice(this, Dialogs::Kind::Error, ArchiveMessages::accessError());
        else
            failure(this, ArchiveMessages::accessError());
        return;
    }
    setPosition(written);
    inform(this, stored > 0 ? ArchiveMessages::overwritten() : ArchiveMessages::appended());
}

void ArchiveWindow::duplicate()
{
    if (position() == 0) {
        warn(this, ArchiveMessages::duplicateNew());
        return;
    }
    clearAttachments();
    setPosition(0);
    if (QWidget *name = panel()->findChild<QWidget *>(QStringLiteral("txtNome")))
        name->setFocus(Qt::OtherFocusReason);
    inform(this, ArchiveMessages::duplicated());
}
