#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The cells of an export, row by row, kept as Windows-1252 bytes in one pool:
// a registry of 100,000 cards makes two and a half million cells, far too
// many for one string object each. Every cell the archives can hold has its
// byte, so nothing is lost by keeping them this way.
class ExportTable
{
public:
    explicit ExportTable(int columnCount);

    int columnCount() const { return m_columns; }
    qsizetype rowCount() const { return m_columns ? qsizetype(m_ends.size()) / m_columns : 0; }
    bool isEmpty() const { return m_ends.empty(); }

    // Room for `rows` rows of about `bytesPerRow` bytes, to spare regrowing.
    void reserve(qsizetype rows, qsizetype bytesPerRow);

    // A row is built by adding its cells in column order; a row is whole once
    // it has columnCount() cells.
    void addCell(QStringView text);
    void addCellBytes(QByteArrayView cp1252);
    // A cell made of several pieces joined, e.g. street, blank and house number.
    void addJoinedCellBytes(std::initializer_list<QByteArrayView> pieces);
    void addRow(const QStringList &cells);   // missing cells are empty, extra ones dropped

    QByteArrayView cellBytes(qsizetype row, int column) const;
    QString cell(qsizetype row, int column) const;

    // Bytes held, for the memory figures of the benchmark.
    qsizetype byteSize() const;

private:
    int m_columns;
    QByteArray m_pool;
    std::vector<quint32> m_ends;   // end of each cell in m_pool; a cell starts where the previous ends
};
