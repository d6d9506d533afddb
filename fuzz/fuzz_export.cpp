// The spreadsheet writer over arbitrary cells. The file is Windows-1252 with
// every line ended by CR LF, and read back with a parser of its own every
// heading and cell comes out as the writer is meant to keep it: encoded to
// the code page ('?' for what it lacks), trimmed, a control character inside
// as a blank, and "&", "<" and ">" unescaped. As many rows and cells come
// back as were written.
//
// Input: a choice byte, the number of headings, the worksheet name, each
// heading with its width, then cells until the input ends. A text is a length
// byte and then that many characters, as UTF-16 pairs or Windows-1252 bytes.
#include "fuzzcheck.h"

#include "core/output/exporttable.h"
#include "core/output/spreadsheetwriter.h"
#include "core/storage/cp1252.h"

#include <optional>
#include <vector>

namespace {

// What a cell of these bytes must read back as.
QString expectedCell(QByteArrayView stored)
{
    qsizetype b = 0, e = stored.size();
    while (b < e && quint8(stored[b]) <= 32) ++b;
    while (e > b && quint8(stored[e - 1]) <= 32) --e;
    QByteArray kept = stored.sliced(b, e - b).toByteArray();
    for (char &c : kept)
        if (quint8(c) < 32)
            c = ' ';
    return Cp1252::decode(kept);
}

// The table as written: rows of (start tag, text). Empty when the bytes do
// not have the shape of the file.
struct Cell
{
    QByteArray startTag;
    QString text;
};
using Rows = std::vector<std::vector<Cell>>;

std::optional<QString> unescaped(QByteArrayView content)
{
    QByteArray out;
    for (qsizetype i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (c == '<' || c == '>')
            return std::nullopt;
        if (c != '&') {
            out.append(c);
            continue;
        }
        const QByteArrayView at = content.sliced(i);
        if (at.startsWith("&amp;")) {
            out.append('&');
            i += 4;
        } else if (at.startsWith("&lt;")) {
            out.append('<');
            i += 3;
        } else if (at.startsWith("&gt;")) {
            out.append('>');
            i += 3;
        } else {
            return std::nullopt;   // every '&' of a text is written as an entity
        }
    }
    return Cp1252::decode(out);
}

std::optional<Rows> parseTable(QByteArrayView file, qsizetype from)
{
    Rows rows;
    qsizetype p = from;
    const auto eat = [&](QByteArrayView s) {
        if (!file.sliced(p).startsWith(s))
            return false;
        p += s.size();
        return true;
    };
    while (eat("<tr>\r\n")) {
        std::vector<Cell> row;
        while (file.sliced(p).startsWith("<td")) {
            const qsizetype tagEnd = file.indexOf('>', p);
            const qsizetype end = file.indexOf("</td>\r\n", p);
            if (tagEnd < 0 || end < tagEnd)
                return std::nullopt;
            const auto text = unescaped(file.sliced(tagEnd + 1, end - tagEnd - 1));
            if (!text)
                return std::nullopt;
            row.push_back({file.sliced(p, tagEnd + 1 - p).toByteArray(), *text});
            p = end + 7;
        }
        if (!eat("</tr>\r\n"))
            return std::nullopt;
        rows.push_back(std::move(row));
    }
    if (!eat("</table>\r\n</body>\r\n</html>\r\n") || p != file.size())
        return std::nullopt;
    return rows;
}

void checkFile(const QByteArray &file, const QString &sheet, const QList<ExportColumn> &columns,
               const std::vector<std::vector<QByteArray>> &stored, int cellsPerRow)
{
    // Windows-1252, lines ended by CR LF, no other control character.
    FUZZ_REQUIRE(Cp1252::encode(Cp1252::decode(file)) == file);
    FUZZ_REQUIRE(file.endsWith("\r\n"));
    for (qsizetype i = 0; i < file.size(); ++i) {
        const auto c = quint8(file[i]);
        if (c == '\r')
            FUZZ_REQUIRE(i + 1 < file.size() && file[i + 1] == '\n');
        else if (c == '\n')
            FUZZ_REQUIRE(i > 0 && file[i - 1] == '\r');
        else
            FUZZ_REQUIRE(c >= 32);
    }

    const qsizetype nameAt = file.indexOf("<x:Name>");
    const qsizetype nameEnd = file.indexOf("</x:Name>\r\n");
    FUZZ_REQUIRE(nameAt > 0 && nameEnd > nameAt);
    const auto name = unescaped(QByteArrayView(file).sliced(nameAt + 8, nameEnd - nameAt - 8));
    FUZZ_REQUIRE(name && *name == expectedCell(Cp1252::encode(sheet)));

    const QByteArrayView tableStart("<table x:str>\r\n");
    const qsizetype table = file.indexOf(tableStart);
    FUZZ_REQUIRE(table > nameEnd);
    const auto rows = parseTable(file, table + tableStart.size());
    FUZZ_REQUIRE(rows.has_value());

    FUZZ_REQUIRE(rows->size() == 1 + stored.size());
    const std::vector<Cell> &headings = rows->front();
    FUZZ_REQUIRE(headings.size() == size_t(columns.size()));
    for (size_t c = 0; c < headings.size(); ++c) {
        const ExportColumn &column = columns[qsizetype(c)];
        FUZZ_REQUIRE(headings[c].startTag
                     == "<td style=\"text-align: left; font-weight: bold;\" width="
                                + QByteArray::number(column.width) + '>');
        FUZZ_REQUIRE(headings[c].text == expectedCell(Cp1252::encode(column.heading)));
    }
    for (size_t r = 0; r < stored.size(); ++r) {
        const std::vector<Cell> &row = (*rows)[r + 1];
        FUZZ_REQUIRE(row.size() == size_t(cellsPerRow));
        for (size_t c = 0; c < row.size(); ++c) {
            FUZZ_REQUIRE(row[c].startTag == (*rows)[1][0].startTag);
            FUZZ_REQUIRE(row[c].text == expectedCell(stored[r][c]));
        }
    }
}

QString textOf(Fuzz::Reader &in, bool utf16)
{
    const int length = in.byte();
    return utf16 ? Fuzz::utf16(in.take(2 * length)) : Cp1252::decode(in.take(length));
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Reader in(Fuzz::bytes(data, size));
    const quint8 choice = in.byte();
    const bool utf16 = choice & 1, direct = choice & 2;
    const int headingCount = in.byte() % 7;
    const QString sheet = textOf(in, utf16);
    QList<ExportColumn> columns;
    for (int c = 0; c < headingCount; ++c) {
        const int width = in.byte() * 5;
        columns.append({textOf(in, utf16), width});
    }

    std::vector<std::vector<QByteArray>> stored;   // bytes of the whole rows, as the table keeps them
    QByteArray file;
    if (direct) {
        // A table of its own width, cells added in the three ways the export does.
        const int tableColumns = qMax(0, headingCount + int(choice >> 2 & 3) - 1);
        const int cellsPerRow = qMin(headingCount, tableColumns);
        ExportTable table(tableColumns);
        std::vector<QByteArray> row;
        while (!in.atEnd() && tableColumns > 0 && stored.size() < 64) {
            const quint8 how = in.byte();
            if (how % 3 == 0) {
                const QString text = textOf(in, utf16);
                table.addCell(text);
                row.push_back(Cp1252::encode(text));
            } else if (how % 3 == 1) {
                const QByteArrayView bytes = in.take(in.byte());
                table.addCellBytes(bytes);
                row.push_back(bytes.toByteArray());
            } else {
                const QByteArrayView street = in.take(in.byte()), number = in.take(in.byte());
                table.addJoinedCellBytes({street, " ", number});
                row.push_back(street.toByteArray() + ' ' + number.toByteArray());
            }
            if (int(row.size()) == tableColumns) {
                stored.push_back(row);
                row.clear();
            }
        }
        FUZZ_REQUIRE(table.rowCount() == qsizetype(stored.size()));
        for (size_t r = 0; r < stored.size(); ++r)
            for (int c = 0; c < tableColumns; ++c) {
                FUZZ_REQUIRE(table.cellBytes(qsizetype(r), c) == stored[r][size_t(c)]);
                FUZZ_REQUIRE(table.cell(qsizetype(r), c) == Cp1252::decode(stored[r][size_t(c)]));
            }
        for (auto &cells : stored)
            cells.resize(size_t(cellsPerRow));
        file = SpreadsheetWriter::document(sheet, columns, table);
        checkFile(file, sheet, columns, stored, cellsPerRow);
    } else {
        // Rows of any length: missing cells are empty, extra ones dropped.
        QList<QStringList> rows;
        while (!in.atEnd() && rows.size() < 64) {
            QStringList row;
            std::vector<QByteArray> bytes;
            for (int n = in.byte() % (headingCount + 2); n > 0; --n)
                row.append(textOf(in, utf16));
            for (int c = 0; c < headingCount; ++c)
                bytes.push_back(c < row.size() ? Cp1252::encode(row[c]) : QByteArray());
            rows.append(row);
            if (headingCount > 0)
                stored.push_back(bytes);
        }
        file = SpreadsheetWriter::document(sheet, columns, rows);
        checkFile(file, sheet, columns, stored, headingCount);
    }
    return 0;
}
