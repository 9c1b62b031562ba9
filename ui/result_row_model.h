// The rows of the result table, held as GBK bytes.
#pragma once

#include <QAbstractTableModel>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quorrel {

// Five text cells per row, kept as the bytes they were given and decoded
// only when a view asks for a cell it shows. Read-only to views: no cell is
// editable and the model never sorts.
class ResultRowModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int cellsPerRow = 5;

    using QAbstractTableModel::QAbstractTableModel;

    // Removes every row; does nothing on an empty model.
    void clearRows();
    // Adds a row of five empty cells at the end and returns its 0-based
    // index, or -1 when the model already holds the most rows an index can
    // address.
    int appendRow();
    // Replaces the cell's bytes with a copy of `text`. A row or a column
    // (0 to 4) that does not exist changes nothing.
    void setCell(int row, int column, std::string_view text);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // The cell's bytes read as GBK, for the display role only.
    QVariant data(const QModelIndex& index, int role) const override;
    // The column titles, left aligned.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    using Row = std::array<std::string, cellsPerRow>;
    std::vector<Row> rows;
};

}  // namespace quorrel
