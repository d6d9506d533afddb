#pragma once
#include "child.h"
#include "core/storage/programfolder.h"
#include "core/storage/recordlayout.h"
#include "registry/frmanagrafica.h"
#include "ui/picturebutton.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

// Helpers shared by the registry window tests: cards made as archive bytes,
// archives written and read back whole, controls found by name.
namespace Fixture {

inline QByteArray card(const QString &name, const QString &sex = QStringLiteral("M"),
                       const QList<QPair<int, QString>> &more = {})
{
    Record r(SchedaAnagrafica::layout);
    r.setField(SchedaAnagrafica::Nome, name);
    r.setField(SchedaAnagrafica::Sesso, sex);
    for (const auto &f : more)
        r.setField(f.first, f.second);
    return r.bytes();
}

// The three people of the browsing tests; Bruno carries an attachment.
inline QList<QByteArray> threePeople()
{
    return {card(QStringLiteral("Anna Bianchi"), QStringLiteral("F"),
                 {{SchedaAnagrafica::Localita, QStringLiteral("Napoli")}}),
            card(QStringLiteral("Bruno Verdi"), QStringLiteral("M"),
                 {{SchedaAnagrafica::Tel, QStringLiteral("081 555 1234")},
                  {SchedaAnagrafica::File01, QStringLiteral("contratto.pdf")},
                  {SchedaAnagrafica::Desc01, QStringLiteral("Contratto di fornitura")}}),
            card(QStringLiteral("Carla Neri"), QStringLiteral("F"))};
}

inline QString archivePath()
{
    return ProgramFolder::file(QLatin1String(ArchiveNames::registry));
}

inline void writeArchive(const QList<QByteArray> &records)
{
    QFile f(archivePath());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const QByteArray &r : records)
        QCOMPARE(f.write(r), qint64(SchedaAnagrafica::Size));
}

inline QByteArray archiveBytes()
{
    QFile f(archivePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Whole records of the archive; a stray partial record fails the test.
inline QList<Record> readArchive()
{
    const QByteArray all = archiveBytes();
    [&] { QCOMPARE(all.size() % SchedaAnagrafica::Size, 0); }();
    QList<Record> out;
    for (int at = 0; at + SchedaAnagrafica::Size <= all.size(); at += SchedaAnagrafica::Size)
        out.append(Record(SchedaAnagrafica::layout, QByteArrayView(all).sliced(at, SchedaAnagrafica::Size)));
    return out;
}

inline QLineEdit *edit(QWidget &w, const QString &name)
{
    return child<QLineEdit>(&w, qPrintable(name));
}

inline QLabel *label(QWidget &w, const QString &name)
{
    return child<QLabel>(&w, qPrintable(name));
}

inline QString position(QWidget &w) { return label(w, QStringLiteral("lblPosizione"))->text(); }

inline void click(QWidget &w, const QString &name)
{
    QTest::mouseClick(child<QAbstractButton>(&w, qPrintable(name)), Qt::LeftButton);
}

inline QString focused()
{
    QWidget *f = QApplication::focusWidget();
    return f ? f->objectName() : QString();
}

// Shows the window and makes it active, so focus can be checked offscreen.
inline bool showActive(FrmAnagrafica &window)
{
    window.resize(1016, 713);
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}
}
