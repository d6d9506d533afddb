#pragma once
#include <QString>
#include <QUrl>
#include <functional>

class QWidget;
class QDialog;
class QPrinter;

// The one door to everything modal or outside the program: message boxes,
// the file dialog, printing, previews, satellite windows shown modally and
// the desktop's open service. The program uses Qt's own; tests install a
// fake that records each call and answers as the test wants.
class Dialogs
{
public:
    enum class Kind { Warning, Information, Error, Question, Plain };   // Plain: no icon
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Dialogs() = default;

    virtual Answer message(QWidget *parent, Kind kind, const QString &text, Buttons buttons) = 0;
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    // A folder picked in Qt's folder dialog; empty when the user cancelled.
    virtual QString existingFolder(QWidget *parent, const QString &caption, const QString &folder) = 0;
    // True when the user confirmed the print dialog.
    virtual bool printDialog(QWidget *parent, QPrinter *printer) = 0;
    virtual void printPreview(QWidget *parent, QPrinter *printer,
                              const std::function<void(QPrinter *)> &paint) = 0;
    // Shows a satellite window modally; returns its result code.
    virtual int showModal(QDialog *dialog) = 0;
    // Hands a document path, a web address or a "mailto:" link to the desktop.
    virtual bool openUrl(const QUrl &url) = 0;

    static Dialogs &instance();
    static void install(Dialogs *dialogs);   // nullptr restores Qt's own
};

inline Dialogs &dialogs() { return Dialogs::instance(); }

// Shorthands for the boxes of the archive and satellite windows (OK and
// Cancel, answer unused) and of the password and search windows (OK only).
void warn(QWidget *parent, const QString &text);
void inform(QWidget *parent, const QString &text);
void failure(QWidget *parent, const QString &text);
void notice(QWidget *parent, Dialogs::Kind kind, const QString &text);   // OK only

// Hands a file of this computer to the desktop by its own path, which may
// hold blanks: no quoting, the path travels as a file URL. Silent on failure.
void openDocument(const QString &path);
