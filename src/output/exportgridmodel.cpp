#include "output/exportgridmodel.h"

ExportGridModel::ExportGridModel(const QStringList &headings, QObject *parent)
    : QAbstractTableModel(parent), m_headings(headings), m_rows(int(headings.size()))
{
}

void ExportGridModel::setRows(ExportTable rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int ExportGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.rowCount());
}

int ExportGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headings.size()) + 1;
}

QVariant ExportGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return index.column() == 0 ? QString::number(index.row() + 1)
                                   : m_rows.cell(index.row(), index.column() - 1);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

QVariant ExportGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return QStringLiteral("N.");
    return m_headings.value(section - 1);
}

Qt::ItemFlags ExportGridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
