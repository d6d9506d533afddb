#pragma once
#include "ui/dialogs.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <functional>

// Stands in for every modal box and outside service during a test: records
// each call and answers as the test says. Installed for its lifetime.
class FakeDialogs : public Dialogs
{
public:
    struct Call
    {
        QString what;          // "message", "openFileName", "existingFolder", "printDialog", "printPreview", "showModal", "openUrl"
        Kind kind = Kind::Information;
        Buttons buttons = Buttons::Ok;
        QString text;          // message text, dialog object name or URL
        QString parent;        // object name of the parent window
        QString folder = {};   // where a file or folder dialog opens
    };

    FakeDialogs();
    ~FakeDialogs() override;

    Answer message(QWidget *parent, Kind kind, const QString &text, Buttons buttons) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString existingFolder(QWidget *parent, const QString &caption, const QString &folder) override;
    bool printDialog(QWidget *parent, QPrinter *printer) override;
    void printPreview(QWidget *parent, QPrinter *printer,
                      const std::function<void(QPrinter *)> &paint) override;
    int showModal(QDialog *dialog) override;
    bool openUrl(const QUrl &url) override;

    QList<Call> calls;
    QList<Answer> answers;           // taken in order; Ok (or Yes) when empty
    QString fileToOpen;              // answer of openFileName
    QString folderToChoose;          // answer of existingFolder
    bool confirmPrint = true;
    // When set, a confirmed print dialog or a preview sends the pages to this PDF file.
    QString printToFile;
    QString lastDocName;             // document name of the last printer handed over
    // Runs instead of exec() for satellite windows; returns the result code.
    std::function<int(QDialog *)> onModal = [](QDialog *) { return int(QDialog::Rejected); };

    // While each next modal window is up: shows it, makes it the active
    // window and drives it; a failed check inside `drive` ends the drive
    // there, and the window then closes with `result`.
    void whileModal(std::function<void(QDialog *)> drive, int result = QDialog::Rejected);

    // The calls of one kind, and the last message.
    QList<Call> messages() const;
    Call lastMessage() const;
    void clear() { calls.clear(); }

private:
    void toFile(QPrinter *printer);
};
