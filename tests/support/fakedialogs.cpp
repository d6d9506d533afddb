#include "fakedialogs.h"

#include <QApplication>
#include <QPrinter>
#include <QTest>
#include <QWidget>

namespace {
QString nameOf(QWidget *w)
{
    return w ? w->window()->objectName() : QString();
}
}

FakeDialogs::FakeDialogs() { Dialogs::install(this); }
FakeDialogs::~FakeDialogs() { Dialogs::install(nullptr); }

Dialogs::Answer FakeDialogs::message(QWidget *parent, Kind kind, const QString &text, Buttons buttons)
{
    calls.append({QStringLiteral("message"), kind, buttons, text, nameOf(parent)});
    if (!answers.isEmpty())
        return answers.takeFirst();
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

QString FakeDialogs::openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                  const QString &)
{
    calls.append({QStringLiteral("openFileName"), Kind::Information, Buttons::Ok, caption, nameOf(parent), folder});
    return fileToOpen;
}

QString FakeDialogs::existingFolder(QWidget *parent, const QString &caption, const QString &folder)
{
    calls.append({QStringLiteral("existingFolder"), Kind::Information, Buttons::Ok, caption, nameOf(parent), folder});
    return folderToChoose;
}

void FakeDialogs::toFile(QPrinter *printer)
{
    lastDocName = printer->docName();
    if (!printToFile.isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printToFile);
    }
}

bool FakeDialogs::printDialog(QWidget *parent, QPrinter *printer)
{
    calls.append({QStringLiteral("printDialog"), Kind::Information, Buttons::Ok, QString(), nameOf(parent)});
    toFile(printer);
    return confirmPrint;
}

void FakeDialogs::printPreview(QWidget *parent, QPrinter *printer, const std::function<void(QPrinter *)> &paint)
{
    calls.append({QStringLiteral("printPreview"), Kind::Information, Buttons::Ok, QString(), nameOf(parent)});
    toFile(printer);
    paint(printer);
}

int FakeDialogs::showModal(QDialog *dialog)
{
    calls.append({QStringLiteral("showModal"), Kind::Information, Buttons::Ok, dialog->objectName(),
                  nameOf(dialog->parentWidget())});
    return onModal(dialog);
}

void FakeDialogs::whileModal(std::function<void(QDialog *)> drive, int result)
{
    onModal = [drive = std::move(drive), result](QDialog *dialog) {
        dialog->show();
        QApplication::setActiveWindow(dialog);
        if (!QTest::qWaitForWindowExposed(dialog))
            qWarning("%s was not shown", qPrintable(dialog->objectName()));
        drive(dialog);
        return result;
    };
}

bool FakeDialogs::openUrl(const QUrl &url)
{
    calls.append({QStringLiteral("openUrl"), Kind::Information, Buttons::Ok, url.toString(), QString()});
    return true;
}

QList<FakeDialogs::Call> FakeDialogs::messages() const
{
    QList<Call> out;
    for (const Call &c : calls)
        if (c.what == QLatin1String("message"))
            out.append(c);
    return out;
}

FakeDialogs::Call FakeDialogs::lastMessage() const
{
    const auto all = messages();
    return all.isEmpty() ? Call{} : all.last();
}
