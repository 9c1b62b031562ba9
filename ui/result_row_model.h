// The rows of the result table, held as the core's bytes.
#pragma once

#include "core/result_row.h"
#include "core/row_writer.h"

#include <QAbstractTableModel>

#include <string_view>
#include <vector>

namespace quorrel {

// The rows the comparison writes, held as plain ResultRow values and decoded
// only when a view asks for a cell it shows. Read-only to views: no cell is
// editable and the model never sorts.
//
// Views learn of the rows appended or removed while one event is handled
// all at once: the first such change begins a model reset, which ends when
// the event loop runs again, before anything is painted, and cells written
// meanwhile need no notice of their own. So a parse of a million rows sends
// two notifications, not millions.
class ResultRowModel : public QAbstractTableModel, public RowWriter {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Removes every row; does nothing on an empty model.
    void clearRows();
    void reserveRows(std::size_t count) override;
    // Adds a row of five empty cells at the end and returns its 0-based
    // index, or -1 when the model already holds the most rows an index can
    // address.
    int appendRow() override;
    // Replaces the cell's bytes with a copy of `text`. A row or a column
    // that does not exist changes nothing.
    void setCell(int row, int column, std::string_view text) override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // The cell's bytes read as GB18030, for the display role only.
    QVariant data(const QModelIndex& index, int role) const override;
    // The column titles, left aligned.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void beginChanges();
    void endChanges();

    std::vector<ResultRow> rows;
    bool changing = false;
};

}  // namespace quorrel
