#pragma once
#include "core/output/exporttable.h"

#include <QAbstractTableModel>
#include <QStringList>

// The export rows as the grid shows them: the record position under "N.",
// then the exported cells. Read-only; each cell is decoded only when shown.
class ExportGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    ExportGridModel(const QStringList &headings, QObject *parent);

    void setRows(ExportTable rows);
    const ExportTable &rows() const { return m_rows; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QStringList m_headings;
    ExportTable m_rows;
};
