#pragma once
#include "core/output/exporttable.h"
#include "core/output/spreadsheetwriter.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// What each archive exports: the window that shows it, the archive read, the
// file written, the worksheet and the columns. Every cell is a trimmed field
// of the record, except the address (street, one blank, house number), the
// postcode (its five characters joined) and the province (its two letters).
struct ExportArchive
{
    const char *kindTag;      // tag of the archive window it serves
    const char *window;       // objectName of the export window
    const char *caption;      // UTF-8, with its leading blank
    const char *archive;      // archive file in the program folder
    int recordSize;
    const char *file;         // export file in the program folder
    const char *sheet;        // worksheet name
    QList<ExportColumn> columns;
    QStringList gridHeadings;  // the window's grid, after its "N." column

    // Appends the row of one record (recordSize bytes) to `table`.
    void (*appendRow)(ExportTable &table, QByteArrayView record);

    // The archive of a kind tag ("anagrafica", "certificazioni", "atti");
    // nullptr for any other text.
    static const ExportArchive *ofKind(QStringView tag);
    static const ExportArchive &registry();
    static const ExportArchive &selfCertifications();
    static const ExportArchive &notorietyDeclarations();

    // Every record of the archive, in order. The archive is created empty when
    // missing; a failure while reading ends the reading and keeps the rows read.
    ExportTable read() const;
    // Writes the export file anew in the program folder: true when the whole
    // file reached the disk. On failure an older file of that name stays as it was.
    bool write(const ExportTable &rows) const;
    QString filePath() const;
};
