#include "core/search/listmodel.h"

#include "core/search/listline.h"

ListModel::~ListModel()
{
    discardLater(std::move(m_entries));
}

// The lines given up are freed on another thread: emptying a long list must
// not hold up the window that shows the record just opened.
void ListModel::setEntries(std::vector<ListEntry> entries)
{
    beginResetModel();
    m_entries.swap(entries);
    endResetModel();
    discardLater(std::move(entries));
}

QString ListModel::line(int row) const
{
    return row >= 0 && row < int(m_entries.size()) ? ListLine::text(m_entries[size_t(row)].line) : QString();
}

qint64 ListModel::position(int row) const
{
    return row >= 0 && row < int(m_entries.size()) ? m_entries[size_t(row)].position : 0;
}

QStringList ListModel::lines() const
{
    QStringList out;
    out.reserve(qsizetype(m_entries.size()));
    for (const ListEntry &e : m_entries)
        out.append(ListLine::text(e.line));
    return out;
}

int ListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant ListModel::data(const QModelIndex &index, int role) const
{
    // The tooltip shows the whole line: its end often lies beyond the window's right edge.
    if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !index.isValid())
        return {};
    return line(index.row());
}
