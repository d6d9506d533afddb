#pragma once
#include "core/output/exporttable.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

// One heading of the exported table and the width the spreadsheet gives its column.
struct ExportColumn
{
    QString heading;
    int width;
};

// The spreadsheet file: an HTML table with the spreadsheet program's
// namespaces and a workbook header naming one worksheet, in Windows-1252,
// every line ended by CR LF. Cells are trimmed; "&", "<" and ">" are written
// as entities so that a company called "Rossi & Figli" cannot break the table.
// Every data cell is marked as text, so that no spreadsheet program turns the
// postcode "00144" into the number 144.
namespace SpreadsheetWriter {

// Writes the whole file to `out`, in blocks; false when a write fails.
bool write(QIODevice &out, const QString &sheetName, const QList<ExportColumn> &columns,
           const ExportTable &rows);

// The bytes of the file.
QByteArray document(const QString &sheetName, const QList<ExportColumn> &columns,
                    const ExportTable &rows);
QByteArray document(const QString &sheetName, const QList<ExportColumn> &columns,
                    const QList<QStringList> &rows);
}
