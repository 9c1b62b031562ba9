// 超级列表框1: the five-column table that shows the result of a parse.
#pragma once

#include "core/row_writer.h"
#include "ui/result_row_model.h"

#include <QTableView>

#include <string_view>

namespace quorrel {

// A report-style view over its own ResultRowModel: the columns "id", "type",
// "value1", "value2" and "state" at 60, 100, 200, 200 and 50 pixels, left
// aligned, with grid lines and whole-row single selection that is hidden
// while the table lacks the focus and draws no focus frame around one cell.
// Rows are one line of text high, so the table shows about a dozen. Nothing can be edited, sorted or moved,
// and a press on a column title changes nothing; column widths can be
// dragged. Tab and Shift+Tab leave the table instead of moving between its
// cells, and Ctrl+C copies the selected row as its five cells separated by
// tabs.
class ResultTable : public QTableView, public RowWriter {
    Q_OBJECT

public:
    explicit ResultTable(QWidget* parent = nullptr);

    // Removes every row; the columns and their widths stay, and the rows
    // appended next show from the top.
    void clearRows();
    int appendRow() override;
    void setCell(int row, int column, std::string_view text) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void copySelectedRow() const;

    ResultRowModel rows;
};

}  // namespace quorrel
