#include "core/output/exporttable.h"

#include "core/storage/cp1252.h"

ExportTable::ExportTable(int columnCount) : m_columns(qMax(0, columnCount)) {}

void ExportTable::reserve(qsizetype rows, qsizetype bytesPerRow)
{
    m_pool.reserve(rows * bytesPerRow);
    m_ends.reserve(size_t(rows) * size_t(m_columns));
}

void ExportTable::addCellBytes(QByteArrayView cp1252)
{
    m_pool.append(cp1252.data(), cp1252.size());
    m_ends.push_back(quint32(m_pool.size()));
}

void ExportTable::addJoinedCellBytes(std::initializer_list<QByteArrayView> pieces)
{
    for (const QByteArrayView piece : pieces)
        m_pool.append(piece.data(), piece.size());
    m_ends.push_back(quint32(m_pool.size()));
}

void ExportTable::addCell(QStringView text)
{
    addCellBytes(Cp1252::encode(text));
}

void ExportTable::addRow(const QStringList &cells)
{
    for (int c = 0; c < m_columns; ++c)
        addCell(c < cells.size() ? QStringView(cells[c]) : QStringView());
}

QByteArrayView ExportTable::cellBytes(qsizetype row, int column) const
{
    const size_t i = size_t(row) * size_t(m_columns) + size_t(column);
    if (row < 0 || column < 0 || column >= m_columns || i >= m_ends.size())
        return {};
    const quint32 begin = i == 0 ? 0 : m_ends[i - 1];
    return QByteArrayView(m_pool.constData() + begin, qsizetype(m_ends[i] - begin));
}

QString ExportTable::cell(qsizetype row, int column) const
{
    return Cp1252::decode(cellBytes(row, column));
}

qsizetype ExportTable::byteSize() const
{
    return m_pool.capacity() + qsizetype(m_ends.capacity() * sizeof(quint32));
}
