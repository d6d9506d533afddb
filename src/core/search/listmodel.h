#pragma once
#include "core/search/listorder.h"

#include <QAbstractListModel>
#include <QStringList>

#include <vector>

// The lines of a search or summary list for a view. Lines stay as bytes and
// are turned into text only for the rows the view paints.
class ListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    ~ListModel() override;

    void setEntries(std::vector<ListEntry> entries);
    void clear() { setEntries({}); }
    const std::vector<ListEntry> &entries() const { return m_entries; }

    QString line(int row) const;
    qint64 position(int row) const;   // 0 for a row out of range
    QStringList lines() const;        // every line, in list order

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    std::vector<ListEntry> m_entries;
};
