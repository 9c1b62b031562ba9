#include "ui/result_row_model.h"

#include "gb18030/gb18030_text.h"

#include <limits>

namespace quorrel {

void ResultRowModel::clearRows()
{
    if (rows.empty()) {
        return;
    }
    beginChanges();
    rows = {};
}

void ResultRowModel::reserveRows(std::size_t count)
{
    rows.reserve(rows.size() + count);
}

int ResultRowModel::appendRow()
{
    if (rows.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return -1;
    }
    beginChanges();
    rows.emplace_back();
    return static_cast<int>(rows.size()) - 1;
}

void ResultRowModel::setCell(int row, int column, std::string_view text)
{
    const QModelIndex cell = index(row, column);
    if (!cell.isValid()) {
        return;
    }
    rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
    if (!changing) {
        emit dataChanged(cell, cell, {Qt::DisplayRole});
    }
}

void ResultRowModel::beginChanges()
{
    if (changing) {
        return;
    }
    changing = true;
    beginResetModel();
    QMetaObject::invokeMethod(this, &ResultRowModel::endChanges, Qt::QueuedConnection);
}

void ResultRowModel::endChanges()
{
    changing = false;
    endResetModel();
}

int ResultRowModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
}

int ResultRowModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : quorrel::columnCount;
}

QVariant ResultRowModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    const ResultRow& cells = rows[static_cast<std::size_t>(index.row())];
    return decodeGb18030(cells[static_cast<std::size_t>(index.column())]);
}

QVariant ResultRowModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= quorrel::columnCount) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    {
        const std::string_view title = columnTitles[static_cast<std::size_t>(section)];
        return QString::fromLatin1(title.data(), static_cast<qsizetype>(title.size()));
    }
    case Qt::TextAlignmentRole:
        return (Qt::AlignLeft | Qt::AlignVCenter).toInt();
    default:
        return {};
    }
}

Qt::ItemFlags ResultRowModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

}  // namespace quorrel
