#include "core/output/spreadsheetwriter.h"

#include "core/storage/cp1252.h"

#include <QBuffer>
#include <QIODevice>

namespace {

constexpr qsizetype blockSize = 1 << 20;

const char header[] =
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
        "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\">\r\n"
        "<head>\r\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n"
        "<!--[if gte mso 9]><xml>\r\n"
        "<x:ExcelWorkbook>\r\n"
        "<x:ExcelWorksheets>\r\n"
        "<x:ExcelWorksheet>\r\n";

const char workbookEnd[] =
        "<x:WorksheetOptions>\r\n"
        "<x:Selected/>\r\n"
        "<x:Panes>\r\n"
        "<x:Pane>\r\n"
        "<x:Number>1</x:Number>\r\n"
        "<x:ActiveRow>3</x:ActiveRow>\r\n"
        "</x:Pane>\r\n"
        "</x:Panes>\r\n"
        "<x:ProtectContents>False</x:ProtectContents>\r\n"
        "<x:ProtectObjects>False</x:ProtectObjects>\r\n"
        "<x:ProtectScenarios>False</x:ProtectScenarios>\r\n"
        "</x:WorksheetOptions>\r\n"
        "</x:ExcelWorksheet>\r\n"
        "</x:ExcelWorksheets>\r\n"
        "</x:ExcelWorkbook>\r\n"
        "</xml><![endif]-->\r\n"
        "</head>\r\n"
        "<body>\r\n"
        "<table x:str>\r\n"
        "<tr>\r\n";

const char headingStart[] = "<td style=\"text-align: left; font-weight: bold;\" width=";
const char cellStart[] = "<td style=\"text-align: left;\" sdnum=\"1040;1040;@\">";
const char cellEnd[] = "</td>\r\n";
const char rowStart[] = "<tr>\r\n";
const char rowEnd[] = "</tr>\r\n";
const char footer[] = "</table>\r\n</body>\r\n</html>\r\n";

QByteArrayView trimmed(QByteArrayView bytes)
{
    qsizetype b = 0, e = bytes.size();
    while (b < e && static_cast<unsigned char>(bytes[b]) <= 32) ++b;
    while (e > b && static_cast<unsigned char>(bytes[e - 1]) <= 32) --e;
    return bytes.sliced(b, e - b);
}

// A line break or tab kept inside a field (pasted before the boxes turned
// them into blanks) would split the file's CR LF lines: every control
// character inside a cell is written as a blank.
void appendEscaped(QByteArray &out, QByteArrayView text)
{
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char *entity = c == '&'   ? "&amp;"
                             : c == '<' ? "&lt;"
                             : c == '>' ? "&gt;"
                             : static_cast<unsigned char>(c) < 32 ? " "
                                                                  : nullptr;
        if (!entity)
            continue;
        out.append(text.sliced(from, i - from));
        out.append(entity);
        from = i + 1;
    }
    out.append(text.sliced(from));
}

class BlockWriter
{
public:
    explicit BlockWriter(QIODevice &out) : m_out(out) { m_block.reserve(blockSize + 4096); }
    QByteArray &block() { return m_block; }
    bool flushIfFull() { return m_block.size() < blockSize || flush(); }
    bool flush()
    {
        const bool ok = m_out.write(m_block) == m_block.size();
        m_block.resize(0);   // keeps the block allocated
        return ok;
    }

private:
    QIODevice &m_out;
    QByteArray m_block;
};

} // namespace

bool SpreadsheetWriter::write(QIODevice &out, const QString &sheetName, const QList<ExportColumn> &columns,
                              const ExportTable &rows)
{
    BlockWriter writer(out);
    QByteArray &b = writer.block();
    b.append(header);
    b.append("<x:Name>");
    appendEscaped(b, trimmed(Cp1252::encode(sheetName)));
    b.append("</x:Name>\r\n");
    b.append(workbookEnd);
    for (const ExportColumn &column : columns) {
        b.append(headingStart);
        b.append(QByteArray::number(column.width));
        b.append('>');
        appendEscaped(b, trimmed(Cp1252::encode(column.heading)));
        b.append(cellEnd);
    }
    b.append(rowEnd);
    const int cells = qMin(int(columns.size()), rows.columnCount());
    for (qsizetype r = 0; r < rows.rowCount(); ++r) {
        b.append(rowStart);
        for (int c = 0; c < cells; ++c) {
            b.append(cellStart);
            appendEscaped(b, trimmed(rows.cellBytes(r, c)));
            b.append(cellEnd);
        }
        b.append(rowEnd);
        if (!writer.flushIfFull())
            return false;
    }
    b.append(footer);
    return writer.flush();
}

QByteArray SpreadsheetWriter::document(const QString &sheetName, const QList<ExportColumn> &columns,
                                       const ExportTable &rows)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    write(buffer, sheetName, columns, rows);
    return bytes;
}

QByteArray SpreadsheetWriter::document(const QString &sheetName, const QList<ExportColumn> &columns,
                                       const QList<QStringList> &rows)
{
    ExportTable table(int(columns.size()));
    for (const QStringList &row : rows)
        table.addRow(row);
    return document(sheetName, columns, table);
}
