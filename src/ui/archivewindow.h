#pragma once
#include "core/storage/recordbrowsing.h"

#include <QStringList>
#include <QWidget>

class Backdrop;
class QLabel;
class Record;

// A long-lived archive window: maximised, a gradient background with the
// 994 x 692 design panel kept in the centre. It is only shown and hidden;
// closing it (its exit command or the close box) hides it and says so, and
// the menu comes back.
//
// It shows one record of its archive at a time; lblPosizione holds that
// record's position, empty while the record on screen has never been stored.
// Browsing and saving work alike in every archive window.
class ArchiveWindow : public QWidget
{
    Q_OBJECT
public:
    ArchiveWindow(const QString &objectName, const QString &caption, const QString &kindTag,
                  const QString &archive, int recordSize, QWidget *parent = nullptr);

    // The program-wide archive window whose kind tag ("anagrafica",
    // "certificazioni", "atti") is `tag`, trimmed; nullptr for any other text.
    // Satellite windows find the window they serve through the tag they were given.
    static ArchiveWindow *ofKind(QStringView tag);

    // Text a satellite window finds in its lblMemory.
    QString kindTag() const { return m_kindTag; }
    // The archive file this window works on, in the program folder.
    QString archive() const { return m_archive; }

    QWidget *panel() const;
    Backdrop *backdrop() const { return m_backdrop; }

    // Puts a record just read from the archive on screen as record `position`.
    virtual void showRecord(qint64 position, const QByteArray &record) = 0;
    // 1-based position of the stored record on screen; 0 for one not yet stored.
    qint64 position() const;

    // The six attachment values, trimmed, in the order File01..03, Desc01..03,
    // and their replacement (kept until the next save stores them).
    QStringList attachments() const;
    void setAttachments(const QStringList &values);

    // What the satellites ask of the window they serve, so that none of them
    // needs to know which archive window it is.
    // The text of the control `name` as the printed page takes it; empty for
    // a control the window does not have.
    virtual QString controlText(const QString &name) const;
    // A registry card picked in the import: a window that takes a person
    // copies its personal data; the others ignore it.
    virtual void fillPersonalData(const Record &card);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

    QLabel *addPositionLabel(const QRect &geometry, const QFont &font);
    // The six attachment fields travel with the record in labels nobody sees:
    // lblFile01..03 and lblDesc01..03.
    void addAttachmentLabels();
    void clearAttachments();
    void setPosition(qint64 n);   // 0 empties the label

    // First, Previous, Next, Last with their messages.
    void browse(RecordBrowsing::Move move);
    // Stores the record over the one on screen, or appends it when the one on
    // screen is new, and says which; on failure the access error, in a box
    // with OK only when `plainFailureBox`.
    void store(const QByteArray &record, bool plainFailureBox);
    // Makes the stored record on screen a new one, without its attachments,
    // ready for a relative's data; the next save appends it.
    void duplicate();

private:
    Backdrop *m_backdrop;
    QLabel *m_position = nullptr;
    QString m_kindTag;
    QString m_archive;
    int m_recordSize;
};
