#pragma once
#include "ui/formkit.h"

#include <QDialog>
#include <QStringList>

class ArchiveWindow;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// frmAllegaCartella: the three attached documents of the record on screen in
// an archive window. Browse copies a chosen file into Documenti_Allegati
// beside the program and puts its bare name in the slot; Apply hands the six
// values back to the archive window named by lblMemory, whose next Save
// stores them.
class AttachmentsWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AttachmentsWindow(QWidget *parent = nullptr);

    void setKindTag(const QString &tag);
    // File01..03, Desc01..03, as ArchiveWindow::attachments() gives them.
    void setSlots(const QStringList &values);

    static QString folderPath();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void reject() override;

private:
    void browse(int slot);
    void open(int slot);
    void apply();
    bool copyInto(const QString &from, const QString &to);

    static const FormKit::Button<AttachmentsWindow> closingButtons[];

    QLabel *m_memory;
    QLineEdit *m_files[3];
    QLineEdit *m_descriptions[3];
    QPushButton *m_open[3];
    QProgressBar *m_progress;
    bool m_copying = false;
};

// The attach command of an archive window: the window's kind tag and its six
// trimmed attachment values into a new attach window, shown modally.
void openAttachments(ArchiveWindow *window);
